#pragma once
// The main window: owns the probe, the log database, the shared state and the three timers,
// and wires its controls, menus and tray icon to the program's operations.

#include "clock.h"
#include "connectionrecords.h"
#include "dialup.h"
#include "logdatabase.h"
#include "logview.h"
#include "promotion.h"
#include "sharedstate.h"
#include "tracker.h"
#include "uconfig.h"

#include <QLocale>
#include <QMainWindow>
#include <QPointer>

#include <memory>

class Prompter;
class QComboBox;
class QLabel;
class EntryComboBox;
class QMenu;
class QPrintPreviewDialog;
class QSystemTrayIcon;
class QTableView;
class QTimer;
class TFabout;
class TFprintlog;
class TFtip;

struct MainWindowServices {
    std::unique_ptr<TDialUp> dialUp;
    std::unique_ptr<LogDatabase> database;
    const Clock* clock = nullptr;
    Prompter* prompter = nullptr;
    QLocale locale = QLocale::system();
    int pollIntervalMs = 1000;
    bool useTray = true; // false: the desktop has no notification area
};

class TFmain : public QMainWindow, public ConfigHost {
    Q_OBJECT
public:
    explicit TFmain(MainWindowServices services, QWidget* parent = nullptr);
    ~TFmain() override;

    // The other windows, created after this one.
    void setForms(TFabout* about, TFtip* tip, TFconfig* config, TFprintlog* printlog);
    // Starts the poll; without a notification area the window shows minimized.
    void start();
    // Starts the deferred start-up, once the other windows exist.
    void scheduleStartup();
    // True once the program was asked to end.
    bool ending() const { return m_ending; }

    SharedState& state() { return m_state; }
    QSqlDatabase database() const override { return m_services.database->connection(); }
    QStringList refreshEntryNames() override;

    // Timer ticks.
    void Timer3Timer();
    void Timer2Timer();
    void Timer1Timer();

    // Shows the window from the tray: visible, normal size, in front.
    void trayRestore();
    // The system asks the program to end: last rewrite without asking, then exit 0.
    void terminate();
    // The desktop session is ending: the row is brought up to date; no question is asked.
    void sessionEnding();

    // "Sort log": the filter lists' choices become the listed rows.
    void SpeedButton5Click();
    // "Clear log": erases the listed rows, never while a connection is online.
    void SpeedButton2Click();
    // "Report": a preview of the listed rows and their totals.
    void SpeedButton1Click();
    // Entering the entry filter refills it with the entries found in the log.
    void ComboBox1Enter();

    // Opens a web address in the desktop's HTML browser.
    void OpenURL(const QString& url);
    void SpeedButton6Click();  // "Home"
    void gotohomepage1Click(); // "another product from Vendrel"
    void Label9Click();        // the promotion panel
    void onlinehelp1Click();   // "online help"
    void help1Click();         // "help": the help file
    void about2Click();        // "about"
    void tipoftheday1Click();  // "tip of the day"

    // Switches the rotation off and reloads the promotion texts.
    void loadiklan();

    static QString helpFile() { return QStringLiteral("dialtally help/dialtally.chm"); }

    // "Config" and the "configuration" menu: the configuration dialog, modally.
    void SpeedButton4Click();

    // Builds the filter from the lists; the next showlog uses it.
    void sortlog() override;
    // Requeries the grid and the totals.
    void showlog() override;

    LogView& logView() { return m_logView; }

    static QString closeQuestion();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildWindow();
    void buildMenus();
    void buildTray();
    void startRotation();

    MainWindowServices m_services;
    SharedState m_state;
    ConnectionRecords m_records;
    ConnectionTracker m_tracker;
    LogView m_logView;
    bool m_ending = false;
    Promotions m_promotions;

    QPointer<TFabout> Fabout;
    QPointer<TFtip> Ftip;
    QPointer<TFconfig> Fconfig;
    QPointer<TFprintlog> Fprintlog;

    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;

    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label28 = nullptr;
    QLabel* Label32 = nullptr;
    QLabel* Label33 = nullptr;
    EntryComboBox* ComboBox1 = nullptr;
    QComboBox* ComboBox2 = nullptr;
    QComboBox* ComboBox3 = nullptr;
    QTableView* DBGrid1 = nullptr;
    QPointer<QPrintPreviewDialog> m_preview;
    QMenu* PopupMenu1 = nullptr;
    QSystemTrayIcon* tray = nullptr;
};
