#include "utip.h"

#include "dialogs.h"
#include "formstyle.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QShowEvent>
#include <QToolButton>

namespace {

QPixmap bulbPixmap()
{
    QPixmap pixmap(41, 49);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 100, 0), 1.5));
    p.setBrush(QColor(255, 230, 80));
    p.drawEllipse(QRectF(6, 3, 29, 29));
    p.setBrush(QColor(160, 160, 160));
    p.drawRect(QRectF(14, 31, 13, 10));
    p.drawLine(QPointF(14, 36), QPointF(27, 36));
    return pixmap;
}

} // namespace

TFtip::TFtip(Prompter* prompter, QWidget* parent, const QString& tipFile)
    : QDialog(parent, Qt::Tool)
    , m_prompter(prompter)
{
    setObjectName(QStringLiteral("Ftip"));
    setWindowTitle(QStringLiteral("Tip of the day"));
    setFixedSize(385, 259);
    const QFont font = formFont();
    setFont(font);

    auto* Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 369, 209);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    fillBackground(Panel1, QColor(251, 254, 224));
    auto* Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(4, 5, 41, 49);
    Image1->setPixmap(bulbPixmap());
    auto* Label1 = new QLabel(QStringLiteral("Did You know ?"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(58, 16, 126, 20);
    QFont heading = font;
    heading.setBold(true);
    heading.setPixelSize(16);
    Label1->setFont(heading);
    Label2 = new QLabel(QStringLiteral("Label2"), Panel1);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setGeometry(61, 48, 300, 129);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setTextFormat(Qt::PlainText);
    QToolButton* SpeedButton2 = addButton(Panel1, QStringLiteral("SpeedButton2"),
                                          QStringLiteral("<< Previous tip"), {186, 183, 81, 19});
    QToolButton* SpeedButton1 = addButton(Panel1, QStringLiteral("SpeedButton1"),
                                          QStringLiteral("Next tip      >>"), {280, 182, 81, 19});
    CheckBox1 = new QCheckBox(QStringLiteral("Show Tip of the day on startup"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(8, 232, 169, 17);
    CheckBox1->adjustSize();
    QToolButton* SpeedButton3 = addButton(this, QStringLiteral("SpeedButton3"),
                                          QStringLiteral("Close"), {296, 230, 81, 23});

    connect(SpeedButton1, &QToolButton::clicked, this, &TFtip::SpeedButton1Click);
    connect(SpeedButton2, &QToolButton::clicked, this, &TFtip::SpeedButton2Click);
    connect(SpeedButton3, &QToolButton::clicked, this, &TFtip::SpeedButton3Click);

    loadtip(tipFile);
}

void TFtip::loadtip(const QString& path)
{
    QString error;
    if (!loadTextBlockFile(m_tips, path, &error) && m_prompter)
        m_prompter->error(nullptr, error);
}

void TFtip::popUp()
{
    show();
    raise();
    activateWindow();
}

void TFtip::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    if (!m_placed && parentWidget()) {
        move(parentWidget()->geometry().center() - rect().center());
        m_placed = true;
    }
    QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
    m_cycle.pickRandom(random);
    showTip();
}

void TFtip::showTip()
{
    Label2->setText(m_cycle.text());
}

void TFtip::SpeedButton1Click()
{
    m_cycle.next();
    showTip();
}

void TFtip::SpeedButton2Click()
{
    m_cycle.previous();
    showTip();
}

void TFtip::SpeedButton3Click()
{
    QString error;
    if (saveSettings && !saveSettings(&error)) {
        if (m_prompter)
            m_prompter->error(this, error);
        return; // the window stays open
    }
    close();
}
