#include "umain.h"

#include "artwork.h"
#include "configstore.h"
#include "dialogs.h"
#include "entrycombobox.h"
#include "links.h"
#include "loggrid.h"
#include "promotion.h"
#include "reportcommand.h"
#include "reportoutput.h"
#include "shell.h"
#include "uabout.h"
#include "uconfig.h"
#include "uprintlog.h"
#include "utip.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPrintPreviewDialog>
#include <QSystemTrayIcon>
#include <QTableView>
#include <QTimer>
#include <QUrl>

TFmain::TFmain(MainWindowServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_services(std::move(services))
    , m_records(m_services.database->connection(), m_state, *m_services.clock, m_services.locale)
    , m_tracker(m_state, *m_services.dialUp, m_records)
    , m_logView(m_services.database->connection(), m_services.locale)
{
    setObjectName(QStringLiteral("Fmain"));
    buildWindow();
    buildMenus();

    Timer3 = new QTimer(this);
    Timer3->setObjectName(QStringLiteral("Timer3"));
    Timer3->setInterval(m_services.pollIntervalMs);
    connect(Timer3, &QTimer::timeout, this, &TFmain::Timer3Timer);

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(1000);
    Timer2->setSingleShot(true);
    connect(Timer2, &QTimer::timeout, this, &TFmain::Timer2Timer);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(8000);
    connect(Timer1, &QTimer::timeout, this, &TFmain::Timer1Timer);

    connect(&m_tracker, &ConnectionTracker::onlineEntryShown, Label8, &QLabel::setText);
    connect(&m_records, &ConnectionRecords::written, this, &TFmain::showlog);
    connect(&m_logView, &LogView::shown, this, [this](const LogTotalsText& totals) {
        applyLogGridColumns(m_logView.model(), DBGrid1);
        Label28->setText(totals.count);
        Label32->setText(totals.time);
        Label33->setText(totals.cost);
    });
    connect(ComboBox1, &EntryComboBox::entered, this, &TFmain::ComboBox1Enter);

    // Creation: the promotion text, the shared lists, the counters.
    Label9->setText(promotionText());
    m_state.EntryNames.clear();
    m_state.OnlineSeconds = 0;
    m_state.PromoLoaded = 0;
    loadiklan();
    connect(&m_tracker, &ConnectionTracker::promotionReloadRequested, this, &TFmain::loadiklan);

    if (m_services.useTray)
        buildTray();
}

TFmain::~TFmain() = default;

void TFmain::setForms(TFabout* about, TFtip* tip, TFconfig* config, TFprintlog* printlog)
{
    Fabout = about;
    Ftip = tip;
    Fconfig = config;
    Fprintlog = printlog;
}

void TFmain::start()
{
    Timer3->start();
    // Without a notification area the program would be unreachable while hidden.
    if (!tray)
        showMinimized();
}

void TFmain::scheduleStartup()
{
    if (Timer2)
        Timer2->start();
}

QString TFmain::closeQuestion()
{
    return QStringLiteral("Close application ?\nDialtally will stop recording your online time");
}

void TFmain::Timer3Timer()
{
    m_tracker.poll();
}

void TFmain::Timer2Timer()
{
    if (!Timer2)
        return;
    QString error;
    if (Fconfig && !Fconfig->loadcfg(&error)) {
        m_services.prompter->error(this, error);
    } else {
        ComboBox1Enter();
        ComboBox1->setCurrentIndex(0);
        const QDate today = m_services.clock->now().date();
        ComboBox2->setCurrentIndex(today.month());
        ComboBox3->setCurrentIndex(today.year() % 100);
        sortlog();
        showlog();
        const QString settings = QString::fromLatin1(settingsPath);
        if (showMainWindowAtStartup(settings))
            trayRestore();
        if (Ftip && showTipAtStartup(settings))
            Ftip->popUp();
    }
    // The deferred start-up runs once.
    Timer2->stop();
    Timer2->deleteLater();
    Timer2 = nullptr;
}

void TFmain::Timer1Timer()
{
    if (const std::optional<QString> text = nextPromotion(m_promotions))
        Label9->setText(*text);
}

void TFmain::loadiklan()
{
    Timer1->stop();
    loadPromotions(m_promotions, QStringLiteral("config/iklan.cfg"));
    startRotation();
}

// The promotion texts rotate while the window is shown (not hidden to the tray) and there are
// texts to show.
void TFmain::startRotation()
{
    if (isVisible() && !m_promotions.list.texts.isEmpty())
        Timer1->start();
}

void TFmain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!Timer1->isActive())
        startRotation();
}

void TFmain::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    Timer1->stop();
}

void TFmain::OpenURL(const QString& url)
{
    openWithBrowser(url);
}

void TFmain::SpeedButton6Click()
{
    OpenURL(links::siteBase());
}

void TFmain::gotohomepage1Click()
{
    OpenURL(links::siteBase() + QLatin1Char('/'));
}

void TFmain::Label9Click()
{
    OpenURL(links::siteBase() + QStringLiteral("/download.htm"));
}

void TFmain::onlinehelp1Click()
{
    OpenURL(links::siteBase() + QStringLiteral("/helpfile.htm"));
}

void TFmain::help1Click()
{
    openWithDesktop(QUrl::fromLocalFile(QDir::current().absoluteFilePath(helpFile())).toString());
}

void TFmain::about2Click()
{
    if (Fabout)
        Fabout->about2Click();
}

void TFmain::tipoftheday1Click()
{
    if (Ftip)
        Ftip->popUp();
}

void TFmain::sortlog()
{
    m_logView.sortlog({ComboBox1->currentText(), ComboBox2->currentIndex(),
                       ComboBox2->currentText(), ComboBox3->currentIndex(),
                       ComboBox3->currentText()});
}

void TFmain::showlog()
{
    m_logView.showlog();
}

QStringList TFmain::refreshEntryNames()
{
    m_state.EntryNames.clear();
    m_services.dialUp->GetEntries();
    return m_state.EntryNames;
}

void TFmain::SpeedButton4Click()
{
    if (Fconfig)
        Fconfig->exec();
}

void TFmain::SpeedButton5Click()
{
    sortlog();
    showlog();
}

void TFmain::ComboBox1Enter()
{
    ComboBox1->clear();
    ComboBox1->addItem(QStringLiteral("All"));
    ComboBox1->addItems(loggedEntries(database()));
}

void TFmain::SpeedButton2Click()
{
    if (m_state.OnlineStatus == ConnectionTracker::connectedText()) {
        m_services.prompter->message(
            this, QStringLiteral("Can not clear log while connection is online\nHang up first"));
        return;
    }
    if (!m_services.prompter->confirm(
            this, QStringLiteral("Do you really want to erase all log that shows in the grid ?")))
        return;
    QString error;
    if (!m_logView.clearListed(&error))
        m_services.prompter->error(this, error);
}

void TFmain::SpeedButton1Click()
{
    sortlog();
    if (!Fprintlog) {
        m_services.prompter->message(this, printerMessage());
        return;
    }
    if (m_preview) {
        // One preview at a time: bring it back to the front.
        m_preview->showNormal();
        m_preview->raise();
        m_preview->activateWindow();
        return;
    }
    prepareReport(*Fprintlog,
                  {ComboBox2->currentText(), ComboBox3->currentText(), ComboBox1->currentText()},
                  m_logView.totals(), database(), m_logView.listed());
    m_preview = openReportPreview(*Fprintlog, this,
                                  [this] { m_services.prompter->message(this, printerMessage()); });
}

void TFmain::trayRestore()
{
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

void TFmain::terminate()
{
    m_ending = true;
    m_tracker.finish();
    QCoreApplication::exit(0);
}

void TFmain::sessionEnding()
{
    // The session manager may still cancel the logout, so recording goes on; should the
    // program be ended after this, the row is already up to date and no box stands in the way.
    m_ending = true;
    m_tracker.checkpoint();
}

void TFmain::closeEvent(QCloseEvent* event)
{
    if (!m_ending && !m_services.prompter->confirm(this, closeQuestion())) {
        event->ignore();
        return;
    }
    m_ending = true;
    m_tracker.finish();
    event->accept();
    QCoreApplication::quit();
}

void TFmain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && tray && isMinimized())
        QTimer::singleShot(0, this, &QWidget::hide);
}

void TFmain::buildTray()
{
    tray = new QSystemTrayIcon(programIcon(), this);
    tray->setObjectName(QStringLiteral("tray"));
    tray->setToolTip(QStringLiteral("Dialtally"));
    tray->setContextMenu(PopupMenu1);
    connect(tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick)
            trayRestore();
    });
    tray->show();
}
