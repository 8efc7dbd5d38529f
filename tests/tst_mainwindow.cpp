// The main window: its controls, the poll's display, start-up, closing and ending.
#include "logdatabase.h"
#include "simras.h"
#include "testsupport.h"
#include "umain.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void init() {
        m_dir = std::make_unique<TempWorkdir>();
        m_sim = SimFile{m_dir->file(QStringLiteral("dialup.sim")), {}};
        m_prompter = ScriptedPrompter{};
        MainWindowServices services;
        services.dialUp = std::make_unique<TDialUp>(std::make_unique<ras::SimRasApi>(m_sim.path));
        services.database = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        services.clock = &m_clock;
        services.prompter = &m_prompter;
        services.useTray = false;
        m_window = std::make_unique<TFmain>(std::move(services));
    }
    void cleanup() {
        m_window.reset();
        m_dir.reset();
    }

    void windowHasItsDesignedControls() {
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

    void pollShowsTheOnlineEntryAndFillsTheGrid() {
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

    void deferredStartUpShowsTheWindowOnce() {
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_window->findChild<QTimer*>(QStringLiteral("Timer2")));
        m_window->Timer2Timer();
        QVERIFY(m_window->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_window->findChild<QTimer*>(QStringLiteral("Timer2")));
        m_window->Timer2Timer(); // harmless if it came again
    }

    void closingAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("cancel") << false;
        QTest::newRow("yes") << true;
    }
    void closingAsksFirst() {
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

    void terminationWritesWithoutAsking() {
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

    void sessionEndKeepsTheRowCurrent() {
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

private:
    std::unique_ptr<TempWorkdir> m_dir;
    SimFile m_sim;
    FixedClock m_clock;
    ScriptedPrompter m_prompter;
    std::unique_ptr<TFmain> m_window;
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
