// The once-a-second poll over whole connections, checked in the log database.
#include "connectionrecords.h"
#include "duration.h"
#include "logdatabase.h"
#include "simras.h"
#include "testsupport.h"
#include "tracker.h"

#include <QtTest>

namespace {

// A tracker on a simulated service and a real log in a temporary folder.
struct Rig {
    SimFile sim;
    SharedState state;
    FixedClock clock;
    std::unique_ptr<LogDatabase> log;
    std::unique_ptr<TDialUp> probe;
    std::unique_ptr<ConnectionRecords> records;
    std::unique_ptr<ConnectionTracker> tracker;
    QStringList shown;
    int promotionReloads = 0;

    explicit Rig(const QString& simPath)
        : sim{simPath, {}}
    {
        log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        probe = std::make_unique<TDialUp>(std::make_unique<ras::SimRasApi>(simPath));
        records = std::make_unique<ConnectionRecords>(log->connection(), state, clock);
        tracker = std::make_unique<ConnectionTracker>(state, *probe, *records);
        QObject::connect(tracker.get(), &ConnectionTracker::onlineEntryShown,
                         [this](const QString& text) { shown << text; });
        QObject::connect(tracker.get(), &ConnectionTracker::promotionReloadRequested,
                         [this] { ++promotionReloads; });
    }

    void online(const QByteArray& entry = "Home ISP", int state = 8192)
    {
        sim.clear();
        sim.conn(1, state, entry);
        sim.rewrite();
    }
    void offline()
    {
        sim.clear();
        sim.rewrite();
    }
    void polls(int n)
    {
        for (int i = 0; i < n; ++i)
            tracker->poll();
    }
    // Entry, Duration and waktua of every row, oldest first.
    QList<QVariantList> rows() const
    {
        return selectRows(log->connection(),
                          QStringLiteral("SELECT Entry,Duration,waktua FROM log ORDER BY id"));
    }
};

QVariantList row(const char* entry, const char* duration, int seconds)
{
    return {QString::fromUtf8(entry), QString::fromLatin1(duration), seconds};
}

// Counts the writes that reach the log.
struct WriteCounter {
    int count = 0;
    explicit WriteCounter(ConnectionRecords& records)
    {
        QObject::connect(&records, &ConnectionRecords::written, [this] { ++count; });
    }
};

} // namespace

class TestTracker : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_rig = std::make_unique<Rig>(m_dir->file(QStringLiteral("dialup.sim")));
    }
    void cleanup()
    {
        m_rig.reset();
        m_dir.reset();
    }

    void durationText_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << qint64(0) << QStringLiteral("0:0:0");
        QTest::newRow("59") << qint64(59) << QStringLiteral("0:0:59");
        QTest::newRow("60") << qint64(60) << QStringLiteral("0:1:0");
        QTest::newRow("125") << qint64(125) << QStringLiteral("0:2:5");
        QTest::newRow("3599") << qint64(3599) << QStringLiteral("0:59:59");
        QTest::newRow("3600") << qint64(3600) << QStringLiteral("1:0:0");
        QTest::newRow("3725") << qint64(3725) << QStringLiteral("1:2:5");
        QTest::newRow("100 hours") << qint64(360000) << QStringLiteral("100:0:0");
    }
    void durationText()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(olahwaktu(seconds), text);
    }

    void idlePollsWriteNothing()
    {
        m_rig->polls(3);
        QVERIFY(m_rig->rows().isEmpty());
        QCOMPARE(m_rig->shown.last(), QStringLiteral("No online entry"));
        QCOMPARE(m_rig->state.OnlineEntry, QStringLiteral("--"));
        QCOMPARE(m_rig->state.DurationText, QStringLiteral("0:0:0"));
        QCOMPARE(m_rig->promotionReloads, 0);
    }

    // N connected polls then a hang-up: the row's final duration and seconds, and the writes.
    void wholeConnection_data()
    {
        QTest::addColumn<int>("polls");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<int>("writes");
        QTest::newRow("one poll") << 1 << QStringLiteral("0:0:0") << 2;
        QTest::newRow("59 polls") << 59 << QStringLiteral("0:0:58") << 2;
        QTest::newRow("60 polls") << 60 << QStringLiteral("0:0:59") << 2;
        QTest::newRow("61 polls") << 61 << QStringLiteral("0:1:0") << 3;
        QTest::newRow("125 polls") << 125 << QStringLiteral("0:2:4") << 4;
    }
    void wholeConnection()
    {
        QFETCH(int, polls);
        QFETCH(QString, duration);
        QFETCH(int, writes);
        WriteCounter counter(*m_rig->records);
        m_rig->online();
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:0:0", 0)}));
        QCOMPARE(m_rig->shown.last(), QStringLiteral("Home ISP"));
        m_rig->polls(polls - 1);
        QCOMPARE(m_rig->state.Recording, 1);
        QCOMPARE(m_rig->state.OnlineSeconds, polls);
        m_rig->offline();
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(),
                 (QList<QVariantList>{{QStringLiteral("Home ISP"), duration, polls}}));
        QCOMPARE(counter.count, writes);
        QCOMPARE(m_rig->state.Recording, 0);
        QCOMPARE(m_rig->state.OnlineSeconds, 0);
        QCOMPARE(m_rig->state.LogUser, QString());
        QCOMPARE(m_rig->shown.last(), QStringLiteral("No online entry"));
        QCOMPARE(m_rig->promotionReloads, 1);
    }

    void rowIsRewrittenEveryMinute()
    {
        m_rig->online();
        m_rig->polls(61); // the 61st poll finds 60 counted seconds
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:1:0", 60)}));
        m_rig->polls(59);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:1:0", 60)}));
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:2:0", 120)}));
    }

    void eachConnectionGetsItsOwnRow()
    {
        m_rig->online("First");
        m_rig->polls(3);
        m_rig->offline();
        m_rig->polls(2);
        m_rig->online("Second");
        m_rig->polls(2);
        m_rig->offline();
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(),
                 (QList<QVariantList>{row("First", "0:0:2", 3), row("Second", "0:0:1", 2)}));
        QCOMPARE(m_rig->promotionReloads, 2);
    }

    void dialingIsNotConnected()
    {
        m_rig->online("Home ISP", 5); // still authenticating
        m_rig->polls(4);
        QVERIFY(m_rig->rows().isEmpty());
        QCOMPARE(m_rig->shown.last(), QStringLiteral("No online entry"));
        // An error text counts as not connected whatever the state says.
        m_rig->sim.clear();
        m_rig->sim.conn(1, 8192, "Home ISP", 691).raw("errortext\t691\tAccess denied").rewrite();
        m_rig->polls(2);
        QVERIFY(m_rig->rows().isEmpty());
        QCOMPARE(m_rig->state.OnlineStatus, QStringLiteral("Access denied"));
    }

    void lastListedConnectionDecides()
    {
        m_rig->sim.conn(1, 8192, "Up").conn(2, 2, "Dialing").rewrite();
        m_rig->polls(2);
        QVERIFY(m_rig->rows().isEmpty());
        m_rig->sim.clear();
        m_rig->sim.conn(2, 2, "Dialing").conn(1, 8192, "Up").rewrite();
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Up", "0:0:0", 0)}));
        QCOMPARE(m_rig->shown.last(), QStringLiteral("Up"));
    }

    void renamedEntryKeepsTheRow()
    {
        m_rig->online("First");
        m_rig->polls(2);
        m_rig->online("Redialled");
        m_rig->polls(2);
        m_rig->offline();
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("First", "0:0:3", 4)}));
    }

    void connectionUpBeforeTheProgramCountsFromTheFirstPoll()
    {
        m_rig->online();
        QCOMPARE(m_rig->state.Recording, 0);
        m_rig->polls(5);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:0:0", 0)}));
        QCOMPARE(m_rig->state.OnlineSeconds, 5);
    }

    void finishRewritesOnceAndStops()
    {
        m_rig->online();
        m_rig->polls(10);
        WriteCounter counter(*m_rig->records);
        m_rig->tracker->finish();
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:0:9", 10)}));
        QCOMPARE(m_rig->state.Recording, 0);
        m_rig->tracker->finish(); // a second end request writes nothing more
        QCOMPARE(counter.count, 1);
    }

    void checkpointKeepsRecording()
    {
        m_rig->online();
        m_rig->polls(10);
        m_rig->tracker->checkpoint();
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:0:9", 10)}));
        QCOMPARE(m_rig->state.Recording, 1);
        m_rig->polls(5);
        m_rig->offline();
        m_rig->polls(1);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:0:14", 15)}));
    }

    void unreachableServiceEndsTheRecording()
    {
        m_rig->online();
        m_rig->polls(3);
        m_rig->sim.raw("fail\tconnections\t5").rewrite();
        m_rig->polls(1);
        QCOMPARE(m_rig->state.Recording, 0);
        QCOMPARE(m_rig->rows(), (QList<QVariantList>{row("Home ISP", "0:0:2", 3)}));
    }

    void entryNamesCollectThroughTheProbe()
    {
        m_rig->sim.entry("A").entry("B").rewrite();
        m_rig->probe->GetEntries();
        m_rig->probe->GetEntries();
        QCOMPARE(m_rig->state.EntryNames, (QStringList{QStringLiteral("A"), QStringLiteral("B"),
                                                       QStringLiteral("A"), QStringLiteral("B")}));
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    std::unique_ptr<Rig> m_rig;
};

QTEST_GUILESS_MAIN(TestTracker)
#include "tst_tracker.moc"
