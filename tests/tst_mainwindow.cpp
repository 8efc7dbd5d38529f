// The main window: its controls, the poll's display, start-up, closing and ending.
#include "autostart.h"
#include "logdatabase.h"
#include "simras.h"
#include "testsupport.h"
#include "uconfig.h"
#include "umain.h"
#include "uprintlog.h"
#include "utip.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewDialog>
#include <QSqlQuery>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_sim = SimFile{m_dir->file(QStringLiteral("dialup.sim")), {}};
        m_prompter = ScriptedPrompter{};
        MainWindowServices services;
        services.dialUp = std::make_unique<TDialUp>(std::make_unique<ras::SimRasApi>(m_sim.path));
        services.database = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        services.clock = &m_clock;
        services.prompter = &m_prompter;
        services.useTray = false;
        services.locale = QLocale(QLocale::English, QLocale::UnitedStates);
        m_window = std::make_unique<TFmain>(std::move(services));
    }
    void cleanup()
    {
        m_window.reset();
        m_dir.reset();
    }

    void windowHasItsDesignedControls()
    {
        TFmain& w = *m_window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Dialtally"));
        QCOMPARE(w.centralWidget()->size(), QSize(519, 544));
        QVERIFY(!(w.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QList<std::pair<const char*, const char*>> labels = {
            {"Label1", "Config"},   {"Label2", "Clear log"},
            {"Label3", "Report"},   {"Label4", "Exit"},
            {"Label11", "Home"},    {"Label10", "* duration is counted in minute basis"},
            {"Label24", "Summary"}, {"Label7", "Online entry  : "},
            {"Label8", "--"},       {"Label26", "Connection count :"},
            {"Label28", "0"},       {"Label30", "Total time   :"},
            {"Label32", "0"},       {"Label31", "Total cost   :"},
            {"Label33", "0"}};
        for (const auto& [name, text] : labels) {
            auto* label = w.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label, name);
            QCOMPARE(label->text(), QString::fromLatin1(text));
        }
        for (const char* name :
             {"SpeedButton1", "SpeedButton2", "SpeedButton3", "SpeedButton4", "SpeedButton6"}) {
            auto* button = w.findChild<QToolButton*>(QString::fromLatin1(name));
            QVERIFY2(button && button->autoRaise() && button->size() == QSize(41, 41), name);
        }
        QCOMPARE(w.findChild<QGroupBox*>(QStringLiteral("GroupBox1"))->title(),
                 QStringLiteral(" Display filter "));
        auto* months = w.findChild<QComboBox*>(QStringLiteral("ComboBox2"));
        QCOMPARE(months->count(), 13);
        QCOMPARE(months->itemText(0), QStringLiteral("All"));
        QCOMPARE(months->itemText(9), QStringLiteral("September"));
        QCOMPARE(w.findChild<QToolButton*>(QStringLiteral("SpeedButton5"))->text(),
                 QStringLiteral("Sort log"));
        const QString promo = w.findChild<QLabel*>(QStringLiteral("Label9"))->text();
        QCOMPARE(promo.count(QLatin1Char('\n')), 5);
        QVERIFY(promo.endsWith(QString(62, QLatin1Char(' ')) +
                               QStringLiteral("click here to download")));

        QStringList menus;
        for (QAction* a : w.menuBar()->actions()) {
            QStringList items;
            for (QAction* item : a->menu()->actions())
                items << item->text();
            menus << a->text() + QStringLiteral(": ") + items.join(QStringLiteral(", "));
        }
        QCOMPARE(menus,
                 (QStringList{QStringLiteral("file: exit"), QStringLiteral("view: configuration"),
                              QStringLiteral("about: help, online help, tip of the day, about, "
                                             "another product from Vendrel")}));
        QStringList popup;
        for (QAction* a : w.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions())
            popup << a->text();
        QCOMPARE(popup, (QStringList{QStringLiteral("restore"), QStringLiteral("exit"),
                                     QStringLiteral("go to homepage")}));
    }

    void linksOpenTheirAddresses_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("address");
        const QString base = QStringLiteral("http://dialtally.example");
        QTest::newRow("Home") << QStringLiteral("SpeedButton6") << base;
        QTest::newRow("another product") << QStringLiteral("gotohomepage1") << base + u'/';
        QTest::newRow("online help")
            << QStringLiteral("onlinehelp1") << base + QStringLiteral("/helpfile.htm");
        QTest::newRow("promotion, fixed text")
            << QStringLiteral("Label9") << base + QStringLiteral("/download.htm");
        QTest::newRow("promotion, rotated text")
            << QStringLiteral("Label9 rotated") << base + QStringLiteral("/download.htm");
    }
    void linksOpenTheirAddresses()
    {
        QFETCH(QString, control);
        QFETCH(QString, address);
        FakeDesktop desktop;
        desktop.defaultHtml(QStringLiteral("config"), QStringLiteral("fake.desktop"));
        desktop.desktopEntry(QStringLiteral("data/applications"), QStringLiteral("fake.desktop"),
                             u'"' + desktop.browser() + QStringLiteral("\" %u"));
        TFmain& w = *m_window;
        if (control.startsWith(QStringLiteral("Label9"))) {
            auto* label = w.findChild<QLabel*>(QStringLiteral("Label9"));
            if (control.endsWith(QStringLiteral("rotated"))) {
                writeFile(QStringLiteral("config/iklan.cfg"), "one\n#\ntwo\n#\n");
                w.loadiklan();
                w.Timer1Timer();
                QCOMPARE(label->text(), QStringLiteral("two\n"));
            }
            QTest::mouseClick(label, Qt::LeftButton);
        } else if (auto* button = w.findChild<QToolButton*>(control)) {
            button->click();
        } else {
            w.findChild<QAction*>(control)->trigger();
        }
        QTRY_VERIFY(desktop.browserRan());
        QCOMPARE(desktop.receivedArguments(), QStringList{address});
    }

    void homeCaptionAndTrayItemOpenNothing()
    {
        FakeDesktop desktop;
        desktop.defaultHtml(QStringLiteral("config"), QStringLiteral("fake.desktop"));
        desktop.desktopEntry(QStringLiteral("data/applications"), QStringLiteral("fake.desktop"),
                             u'"' + desktop.browser() + QStringLiteral("\" %u"));
        TFmain& w = *m_window;
        QTest::mouseClick(w.findChild<QLabel*>(QStringLiteral("Label11")), Qt::LeftButton);
        w.findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions().last()->trigger();
        // Then a link that does open: its address is the only one the browser got.
        w.SpeedButton6Click();
        QTRY_VERIFY(desktop.browserRan());
        QCOMPARE(desktop.receivedArguments(),
                 QStringList{QStringLiteral("http://dialtally.example")});
    }

    void helpOpensTheHelpFile()
    {
        UrlCatcher files({QStringLiteral("file")});
        m_window->findChild<QAction*>(QStringLiteral("help1"))->trigger();
        QCOMPARE(files.opened, QList<QUrl>{QUrl::fromLocalFile(
                                   m_dir->file(QStringLiteral("dialtally help/dialtally.chm")))});
    }

    void promotionsRotateWhileTheWindowIsShown()
    {
        TFmain& w = *m_window;
        auto* label = w.findChild<QLabel*>(QStringLiteral("Label9"));
        auto* timer = w.findChild<QTimer*>(QStringLiteral("Timer1"));
        QCOMPARE(label->text(), promotionText());
        w.loadiklan(); // no file: nothing to rotate, no message
        w.Timer1Timer();
        QCOMPARE(label->text(), promotionText());
        QVERIFY(!timer->isActive());
        QVERIFY(m_prompter.messages.isEmpty());

        writeFile(QStringLiteral("config/iklan.cfg"), "one\n#\ntwo\n#\n");
        w.loadiklan();
        QVERIFY(!timer->isActive()); // hidden in the tray: no rotation
        QCOMPARE(label->text(), promotionText());
        w.show();
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 8000);
        w.Timer1Timer();
        QCOMPARE(label->text(), QStringLiteral("two\n"));
        w.Timer1Timer();
        QCOMPARE(label->text(), QStringLiteral("one\n"));
        w.hide();
        QVERIFY(!timer->isActive());
    }

    void pollShowsTheOnlineEntryAndFillsTheGrid()
    {
        auto* label8 = m_window->findChild<QLabel*>(QStringLiteral("Label8"));
        auto* grid = m_window->findChild<QTableView*>(QStringLiteral("DBGrid1"));
        m_window->Timer3Timer();
        QCOMPARE(label8->text(), QStringLiteral("No online entry"));

        m_sim.conn(1, 8192, "Earlier").rewrite();
        m_window->Timer3Timer();
        m_sim.clear();
        m_sim.rewrite();
        m_window->Timer3Timer();
        m_sim.conn(3, 8192, "Later").rewrite();
        m_window->Timer3Timer();
        QCOMPARE(label8->text(), QStringLiteral("Later"));

        // The grid follows each write, newest first, with its four titled columns.
        QAbstractItemModel* model = grid->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->columnCount(), 4);
        QCOMPARE(model->index(0, 2).data().toString(), QStringLiteral("Later"));
        QCOMPARE(model->index(1, 2).data().toString(), QStringLiteral("Earlier"));
        QStringList titles;
        for (int c = 0; c < 4; ++c)
            titles << model->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(titles,
                 (QStringList{QStringLiteral("Date"), QStringLiteral("Time"),
                              QStringLiteral("Dial up entry"), QStringLiteral("Duration")}));
        QCOMPARE(grid->columnWidth(2), 227);
    }

    void deferredStartUpShowsTheWindowOnce()
    {
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_window->findChild<QTimer*>(QStringLiteral("Timer2")));
        m_window->Timer2Timer();
        QVERIFY(m_window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window->findChild<QTimer*>(QStringLiteral("Timer2")));
        m_window->Timer2Timer(); // harmless if it came again
    }

    void closingAsksFirst_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("cancel") << false;
        QTest::newRow("yes") << true;
    }
    void closingAsksFirst()
    {
        QFETCH(bool, yes);
        m_sim.conn(1, 8192, "Home").rewrite();
        for (int i = 0; i < 5; ++i)
            m_window->Timer3Timer();
        m_window->show();
        m_prompter.answer = yes;
        QCOMPARE(m_window->close(), yes);
        QCOMPARE(m_prompter.asked, QStringList{TFmain::closeQuestion()});
        QCOMPARE(
            TFmain::closeQuestion(),
            QStringLiteral("Close application ?\nDialtally will stop recording your online time"));
        QCOMPARE(m_window->state().Recording, yes ? 0 : 1);
        const auto rows =
            selectRows(m_window->database(), QStringLiteral("SELECT Duration,waktua FROM log"));
        QCOMPARE(rows, (QList<QVariantList>{yes ? QVariantList{QStringLiteral("0:0:4"), 5}
                                                : QVariantList{QStringLiteral("0:0:0"), 0}}));
        if (!yes) {
            m_window->Timer3Timer(); // recording goes on
            QCOMPARE(m_window->state().OnlineSeconds, 6);
        }
    }

    void terminationWritesWithoutAsking()
    {
        m_sim.conn(1, 8192, "Home").rewrite();
        for (int i = 0; i < 3; ++i)
            m_window->Timer3Timer();
        m_window->terminate();
        QVERIFY(m_prompter.asked.isEmpty());
        QCOMPARE(m_window->state().Recording, 0);
        QCOMPARE(
            selectRows(m_window->database(), QStringLiteral("SELECT Duration,waktua FROM log")),
            (QList<QVariantList>{{QStringLiteral("0:0:2"), 3}}));
        m_window->show();
        QVERIFY(m_window->close()); // the window then closes without a question
        QVERIFY(m_prompter.asked.isEmpty());
    }

    void sessionEndKeepsTheRowCurrent()
    {
        m_sim.conn(1, 8192, "Home").rewrite();
        for (int i = 0; i < 3; ++i)
            m_window->Timer3Timer();
        m_window->sessionEnding();
        QCOMPARE(selectRows(m_window->database(), QStringLiteral("SELECT waktua FROM log")),
                 (QList<QVariantList>{{3}}));
        m_window->show();
        QVERIFY(m_window->close());
        QVERIFY(m_prompter.asked.isEmpty());
    }

    void startUpListsThisMonth()
    {
        insertLogRows(m_window->database(), {{"Now", "03", "26", 60, "0:1:0"},
                                             {"Before", "02", "26", 120, "0:2:0"},
                                             {"Old", "03", "15", 180, "0:3:0"}});
        auto* years = m_window->findChild<QComboBox*>(QStringLiteral("ComboBox3"));
        QCOMPARE(years->itemText(years->count() - 1), QStringLiteral("2026"));
        QCOMPARE(years->itemText(15), QStringLiteral("2015"));

        m_window->Timer2Timer();
        auto* entries = m_window->findChild<QComboBox*>(QStringLiteral("ComboBox1"));
        QCOMPARE(entries->currentText(), QStringLiteral("All"));
        QCOMPARE(entries->count(), 4);
        QCOMPARE(m_window->findChild<QComboBox*>(QStringLiteral("ComboBox2"))->currentText(),
                 QStringLiteral("March"));
        QCOMPARE(years->currentText(), QStringLiteral("2026"));
        auto* grid = m_window->findChild<QTableView*>(QStringLiteral("DBGrid1"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("Now"));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("Label28"))->text(),
                 QStringLiteral("1"));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("Label32"))->text(),
                 QStringLiteral("0:1:0"));

        // "Sort log" applies a changed choice; entering the entry list refills it.
        years->setCurrentIndex(15);
        m_window->SpeedButton5Click();
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("Old"));
        insertLogRows(m_window->database(), {{"New", "01", "26", 1}});
        entries->setFocus();
        entries->showPopup();
        QCOMPARE(entries->count(), 5);
        entries->hidePopup();
    }

    void clearingIsRefusedWhileOnline()
    {
        m_sim.conn(1, 8192, "Home").rewrite();
        m_window->Timer3Timer();
        m_prompter.answer = true;
        m_window->SpeedButton2Click();
        QCOMPARE(m_prompter.messages,
                 QStringList{QStringLiteral(
                     "Can not clear log while connection is online\nHang up first")});
        QVERIFY(m_prompter.asked.isEmpty());
        QCOMPARE(selectRows(m_window->database(), QStringLiteral("SELECT id FROM log")).size(), 1);

        m_sim.clear();
        m_sim.rewrite();
        m_window->Timer3Timer(); // hung up: the row is final
        m_prompter.answer = false;
        m_window->SpeedButton2Click();
        QCOMPARE(m_prompter.asked,
                 QStringList{QStringLiteral(
                     "Do you really want to erase all log that shows in the grid ?")});
        QCOMPARE(selectRows(m_window->database(), QStringLiteral("SELECT id FROM log")).size(), 1);
        m_prompter.answer = true;
        m_window->SpeedButton2Click();
        QVERIFY(selectRows(m_window->database(), QStringLiteral("SELECT id FROM log")).isEmpty());
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("Label28"))->text(),
                 QStringLiteral("0"));
        QCOMPARE(m_window->findChild<QLabel*>(QStringLiteral("Label33"))->text(),
                 QStringLiteral("0.00"));
    }

    void reportOpensOnePreview()
    {
        m_window->SpeedButton1Click(); // no report form
        QCOMPARE(m_prompter.messages,
                 QStringList{QStringLiteral(
                     "Your default printer is currently a disconnected networked perinter\n"
                     "Please set your default printer to local printer and restart Dialtally ")});
        TFprintlog form;
        m_window->setForms(nullptr, nullptr, nullptr, &form);
        m_window->SpeedButton1Click();
        const auto previews = m_window->findChildren<QPrintPreviewDialog*>();
        QCOMPARE(previews.size(), 1);
        QVERIFY(previews.first()->isVisible());
        QVERIFY(!previews.first()->isModal());
        QCOMPARE(form.QuickRep1.control(QStringLiteral("Lentry"))->text, QStringLiteral("All"));
        m_window->SpeedButton1Click(); // the open preview comes to the front instead
        QCOMPARE(m_window->findChildren<QPrintPreviewDialog*>().size(), 1);
        m_window->Timer3Timer(); // the tracker goes on while it is open
        previews.first()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_window->findChildren<QPrintPreviewDialog*>().isEmpty());
        QCOMPARE(m_prompter.messages.size(), 1);
    }

    void startUpFollowsTheSettingsFile_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("windowShown");
        QTest::addColumn<bool>("tipShown");
        QTest::newRow("no file") << QByteArray() << true << false;
        QTest::newRow("minimized")
            << QByteArray("[general]\nstartminimized=1\ntipoftheday=0\n") << false << false;
        QTest::newRow("odd value") << QByteArray("[general]\nstartminimized=2\n") << false << false;
        QTest::newRow("tip") << QByteArray("[general]\nstartminimized=0\ntipoftheday=1\n") << true
                             << true;
    }
    void startUpFollowsTheSettingsFile()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, windowShown);
        QFETCH(bool, tipShown);
        if (!ini.isEmpty())
            writeFile(m_dir->file(QStringLiteral("config/config.ini")), ini);
        auto autostart = xdgAutostart(m_dir->file(QStringLiteral("xdg")));
        TFtip tip;
        TFconfig config(*m_window, m_prompter, *autostart);
        config.setTipCheckBox(tip.CheckBox1);
        m_window->setForms(nullptr, &tip, &config, nullptr);
        m_window->Timer2Timer();
        QCOMPARE(m_window->isVisible(), windowShown);
        QCOMPARE(tip.isVisible(), tipShown);
        QCOMPARE(tip.CheckBox1->isChecked(), tipShown);
        QCOMPARE(config.CheckBox2->isChecked(), !windowShown && ini.contains("=1"));
        QVERIFY(m_prompter.messages.isEmpty());
    }

    void unreadableSettingsSkipTheStartUp()
    {
        class Broken final : public Autostart {
        public:
            std::optional<QString> read(QString* error) const override
            {
                *error = QStringLiteral("Invalid data type for 'dialtally'");
                return std::nullopt;
            }
            bool write(const QString&, QString*) override { return true; }
            void remove() override {}
        } broken;
        TFconfig config(*m_window, m_prompter, broken);
        m_window->setForms(nullptr, nullptr, &config, nullptr);
        m_window->Timer2Timer();
        QCOMPARE(m_prompter.messages,
                 QStringList{QStringLiteral("Invalid data type for 'dialtally'")});
        QVERIFY(!m_window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window->findChild<QTimer*>(QStringLiteral("Timer2")));
    }

    void costSavedInTheDialogShowsInTheTotals()
    {
        insertLogRows(m_window->database(), {{"Home", "03", "26", 5400, "1:30:0"}});
        m_sim.entry("Home").entry("Office").rewrite();
        auto autostart = xdgAutostart(m_dir->file(QStringLiteral("xdg")));
        TFconfig config(*m_window, m_prompter, *autostart, m_window.get());
        m_window->setForms(nullptr, nullptr, &config, nullptr);
        m_window->Timer2Timer();
        auto* cost = m_window->findChild<QLabel*>(QStringLiteral("Label33"));
        QCOMPARE(cost->text(), QStringLiteral("0.00"));

        config.show();
        QCOMPARE(config.ComboBox1->count(), 2);
        QCOMPARE(config.ComboBox1->currentText(), QStringLiteral("Home"));
        QCOMPARE(config.Edit1->text(), QStringLiteral("0"));
        QCOMPARE(m_window->state().EntryNames,
                 (QStringList{QStringLiteral("Home"), QStringLiteral("Office")}));

        config.Edit1->setText(QStringLiteral("12,5")); // refused whatever the locale
        config.SpeedButton2Click();
        QCOMPARE(m_prompter.messages.value(0).left(27),
                 QStringLiteral(" Not a valid number format "));
        QVERIFY(QFile::exists(
            m_dir->file(QStringLiteral("config/config.ini")))); // the boxes were still saved

        config.Edit1->setText(QStringLiteral("1234.5"));
        config.SpeedButton2Click();
        QCOMPARE(m_prompter.messages.last(), QStringLiteral("Configuration has been saved"));
        QCOMPARE(cost->text(), QStringLiteral("0.00")); // shown once the dialog closes
        config.close();
        QCOMPARE(cost->text(), QStringLiteral("1,851.75"));
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    SimFile m_sim;
    FixedClock m_clock;
    ScriptedPrompter m_prompter;
    std::unique_ptr<TFmain> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
