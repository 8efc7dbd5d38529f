// The main window's controls: a fixed 519 x 544 client area laid out as designed.
#include "umain.h"

#include "artwork.h"
#include "clickablelabel.h"
#include "entrycombobox.h"
#include "formstyle.h"
#include "links.h"
#include "loggrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QSqlQueryModel>
#include <QTableView>
#include <QToolButton>

#include <functional>

namespace {

const QColor windowColour(198, 215, 255);
const QColor gridColour(244, 247, 247);

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->move(x, y);
    label->adjustSize();
    return label;
}

template <typename Box = QComboBox>
Box* addList(QWidget* parent, const QString& name, const QStringList& items, int x, int y,
             int width)
{
    auto* box = new Box(parent);
    box->setObjectName(name);
    box->addItems(items);
    box->setGeometry(x, y, width, 21);
    return box;
}

// A toolbar button with its caption label beneath it.
QToolButton* addToolButton(QWidget* parent, const QString& name, const QString& labelName,
                           const QString& caption, int x, const QIcon& icon)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setIcon(icon);
    button->setIconSize(QSize(32, 32));
    button->setGeometry(x, 2, 41, 41);
    button->setToolTip(caption);
    auto* label = new QLabel(caption, parent);
    label->setObjectName(labelName);
    label->setAlignment(Qt::AlignHCenter);
    label->setGeometry(x - 8, 44, 57, 14);
    return button;
}

} // namespace

void TFmain::buildWindow()
{
    setWindowTitle(QStringLiteral("Dialtally"));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    const QFont font = formFont();
    setFont(font);
    fillBackground(this, windowColour);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(519, 544);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Toolbar.
    auto* Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(0, 0, 519, 60);
    Panel1->setToolTip(QStringLiteral("Click to see more info from Vendrel"));
    struct Tool {
        const char* button;
        const char* label;
        const char* caption;
        int x;
        Glyph glyph;
        std::function<void()> click;
    };
    const Tool tools[] = {
        {"SpeedButton4", "Label1", "Config", 12, Glyph::Config, [this] { SpeedButton4Click(); }},
        {"SpeedButton2", "Label2", "Clear log", 62, Glyph::ClearLog,
         [this] { SpeedButton2Click(); }},
        {"SpeedButton1", "Label3", "Report", 112, Glyph::Report, [this] { SpeedButton1Click(); }},
        {"SpeedButton3", "Label4", "Exit", 162, Glyph::Exit, [this] { close(); }},
        {"SpeedButton6", "Label11", "Home", 212, Glyph::Home, [this] { SpeedButton6Click(); }}};
    for (const Tool& tool : tools) {
        QToolButton* button =
            addToolButton(Panel1, QString::fromLatin1(tool.button), QString::fromLatin1(tool.label),
                          QString::fromLatin1(tool.caption), tool.x, toolGlyph(tool.glyph));
        connect(button, &QToolButton::clicked, this, tool.click);
    }

    auto* Image1 = new QLabel(Panel1);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(bannerPixmap());
    Image1->setGeometry(326, 2, 183, 40);
    QLabel* Label5 = addLabel(Panel1, QStringLiteral("Label5"), links::siteBase(), 326, 44);
    QFont underlined = font;
    underlined.setUnderline(true);
    Label5->setFont(underlined);
    Label5->setStyleSheet(QStringLiteral("color: navy"));
    Label5->setCursor(Qt::ArrowCursor);

    // Promotion panel.
    auto* Panel2 = new QFrame(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Panel2->setGeometry(5, 64, 509, 96);
    fillBackground(Panel2, Qt::white);
    auto* promotion = new ClickableLabel(Panel2);
    connect(promotion, &ClickableLabel::clicked, this, &TFmain::Label9Click);
    Label9 = promotion;
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->setGeometry(4, 2, 501, 90);
    Label9->setWordWrap(true);
    Label9->setTextFormat(Qt::PlainText); // promotion files are text, never markup
    Label9->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label9->setCursor(Qt::PointingHandCursor);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    Label9->setFont(arial);
    fillBackground(Label9, gridColour);
    QPalette promo = Label9->palette();
    promo.setColor(QPalette::WindowText, Qt::blue);
    Label9->setPalette(promo);

    // The log.
    DBGrid1 = new QTableView(client);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setGeometry(5, 164, 509, 228);
    QPalette grid = DBGrid1->palette();
    grid.setColor(QPalette::Base, gridColour);
    DBGrid1->setPalette(grid);
    setupLogGrid(DBGrid1);
    DBGrid1->setModel(m_logView.model());

    QLabel* Label10 = addLabel(client, QStringLiteral("Label10"),
                               QStringLiteral("* duration is counted in minute basis"), 5, 396);
    Label10->setStyleSheet(QStringLiteral("color: teal"));

    // Summary.
    addLabel(client, QStringLiteral("Label24"), QStringLiteral("Summary"), 8, 418);
    addLabel(client, QStringLiteral("Label7"), QStringLiteral("Online entry  : "), 8, 440);
    Label8 = addLabel(client, QStringLiteral("Label8"), QStringLiteral("--"), 120, 440);
    addLabel(client, QStringLiteral("Label26"), QStringLiteral("Connection count :"), 8, 460);
    Label28 = addLabel(client, QStringLiteral("Label28"), QStringLiteral("0"), 120, 460);
    addLabel(client, QStringLiteral("Label30"), QStringLiteral("Total time   :"), 8, 480);
    Label32 = addLabel(client, QStringLiteral("Label32"), QStringLiteral("0"), 120, 480);
    addLabel(client, QStringLiteral("Label31"), QStringLiteral("Total cost   :"), 8, 500);
    Label33 = addLabel(client, QStringLiteral("Label33"), QStringLiteral("0"), 120, 500);
    for (QLabel* value : {Label8, Label28, Label32, Label33})
        value->setFixedWidth(140);

    // Display filter.
    auto* GroupBox1 = new QGroupBox(QStringLiteral(" Display filter "), client);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(258, 412, 256, 96);
    addLabel(GroupBox1, QStringLiteral("Label12"), QStringLiteral("dial up entry"), 8, 22);
    addLabel(GroupBox1, QStringLiteral("Label13"), QStringLiteral("month"), 128, 22);
    addLabel(GroupBox1, QStringLiteral("Label14"), QStringLiteral("year"), 196, 22);
    ComboBox1 = addList<EntryComboBox>(GroupBox1, QStringLiteral("ComboBox1"), {}, 8, 40, 114);
    QStringList months{QStringLiteral("All")};
    const QLocale english(QLocale::English);
    for (int m = 1; m <= 12; ++m)
        months << english.standaloneMonthName(m, QLocale::LongFormat);
    ComboBox2 = addList(GroupBox1, QStringLiteral("ComboBox2"), months, 128, 40, 64);
    QStringList years{QStringLiteral("All")};
    const int thisYear = m_services.clock->now().date().year();
    for (int y = 2001; y <= thisYear; ++y)
        years << QString::number(y);
    ComboBox3 = addList(GroupBox1, QStringLiteral("ComboBox3"), years, 196, 40, 52);

    QToolButton* SpeedButton5 = addButton(client, QStringLiteral("SpeedButton5"),
                                          QStringLiteral("Sort log"), {434, 514, 80, 24}, false);
    connect(SpeedButton5, &QToolButton::clicked, this, &TFmain::SpeedButton5Click);
}

void TFmain::buildMenus()
{
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("file"));
    file->addAction(QStringLiteral("exit"), this, &QWidget::close)
        ->setObjectName(QStringLiteral("exit1"));
    QMenu* view = bar->addMenu(QStringLiteral("view"));
    view->addAction(QStringLiteral("configuration"), this, &TFmain::SpeedButton4Click)
        ->setObjectName(QStringLiteral("configuration1"));
    QMenu* about = bar->addMenu(QStringLiteral("about"));
    about->addAction(QStringLiteral("help"), this, &TFmain::help1Click)
        ->setObjectName(QStringLiteral("help1"));
    about->addAction(QStringLiteral("online help"), this, &TFmain::onlinehelp1Click)
        ->setObjectName(QStringLiteral("onlinehelp1"));
    about->addAction(QStringLiteral("tip of the day"), this, &TFmain::tipoftheday1Click)
        ->setObjectName(QStringLiteral("tipoftheday1"));
    about->addAction(QStringLiteral("about"), this, &TFmain::about2Click)
        ->setObjectName(QStringLiteral("about2"));
    about
        ->addAction(QStringLiteral("another product from Vendrel"), this,
                    &TFmain::gotohomepage1Click)
        ->setObjectName(QStringLiteral("gotohomepage1"));

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(QStringLiteral("restore"), this, &TFmain::trayRestore);
    PopupMenu1->addAction(QStringLiteral("exit"), this, &QWidget::close);
    PopupMenu1->addAction(QStringLiteral("go to homepage"));
}
