#include "uabout.h"

#include "clickablelabel.h"
#include "formstyle.h"
#include "links.h"
#include "shell.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>
#include <QToolButton>

namespace {

template <typename Label> Label* place(Label* label, const char* name, int x, int y)
{
    label->setObjectName(QString::fromLatin1(name));
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLabel* addLabel(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    return place(new QLabel(text, parent), name, x, y);
}

ClickableLabel* addLink(QWidget* parent, const char* name, const QString& text, int x, int y)
{
    auto* label = place(new ClickableLabel(text, parent), name, x, y);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: blue"));
    label->setCursor(Qt::PointingHandCursor);
    label->adjustSize();
    return label;
}

// Two people, drawn.
QPixmap peoplePixmap()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor colours[] = {QColor(0, 0, 128), QColor(70, 110, 200)};
    const QPointF heads[] = {{17, 13}, {31, 17}};
    for (int i = 0; i < 2; ++i) {
        p.setBrush(colours[i]);
        p.drawEllipse(heads[i], 7, 7);
        p.drawRoundedRect(QRectF(heads[i].x() - 11, heads[i].y() + 9, 22, 22), 8, 8);
    }
    return pixmap;
}

} // namespace

TFabout::TFabout(QWidget* parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Fabout"));
    setWindowTitle(QStringLiteral("Fabout"));
    setGeometry(234, 167, 363, 237);
    const QFont font = formFont();
    setFont(font);
    fillBackground(this, Qt::white);

    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel1->setGeometry(9, 1, 336, 160);
    auto* Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(8, 8, 49, 49);
    Image1->setPixmap(peoplePixmap());
    QLabel* Label1 = addLabel(Panel1, "Label1", QStringLiteral("Dialtally"), 81, 16);
    QFont title = font;
    title.setBold(true);
    title.setPointSize(10);
    Label1->setFont(title);
    Label1->adjustSize();
    addLabel(Panel1, "Label11", QStringLiteral("Version        :"), 86, 38);
    addLabel(Panel1, "Label14", QStringLiteral("2.1"), 184, 39);
    addLabel(Panel1, "Label4", QStringLiteral("go to      :"), 16, 92);
    ClickableLabel* Label5 = addLink(Panel1, "Label5", links::siteBase(), 67, 92);
    addLabel(Panel1, "Label6", QStringLiteral("for update information"), 190, 92);
    addLabel(Panel1, "Label19", QStringLiteral("email support     :"), 16, 108);
    ClickableLabel* Label20 = addLink(Panel1, "Label20", links::supportEmail(), 99, 108);
    addLabel(Panel1, "Label21", QStringLiteral("phone support   :"), 16, 125);
    addLabel(Panel1, "Label22", links::supportPhone(), 101, 125);

    QToolButton* SpeedButton1 = addButton(this, QStringLiteral("SpeedButton1"),
                                          QStringLiteral("Close"), {272, 171, 73, 22}, false);

    connect(Label5, &ClickableLabel::clicked, this, &TFabout::Label5Click);
    connect(Label20, &ClickableLabel::clicked, this, &TFabout::Label20Click);
    connect(SpeedButton1, &QToolButton::clicked, this, &QWidget::close);
}

void TFabout::about2Click()
{
    show();
    raise();
    activateWindow();
}

void TFabout::Label5Click()
{
    if (openUrl)
        openUrl(links::siteBase());
}

void TFabout::Label20Click()
{
    openWithDesktop(QStringLiteral("mailto:") + links::supportEmail());
}
