// The dial-up probe over the simulated service: listings, limits, events and state texts.
#include "dialup.h"
#include "rasbackend.h"
#include "simras.h"
#include "testsupport.h"

#include <QtTest>

namespace {

struct Connection {
    std::int32_t handle;
    std::int32_t state;
    QString text;
    QString entry, deviceType, deviceName;
};

struct Recorder {
    QStringList entryEvents;
    QList<QByteArray> rawEntryArrays;
    QList<Connection> connections;

    void attach(TDialUp& probe)
    {
        probe.OnEntryGet = [this](TDialUp*, const TDialUp::EntryNameArray& name) {
            entryEvents << ras::fieldText(name);
            rawEntryArrays << QByteArray(name, sizeof name);
        };
        probe.OnActiveConnection = [this](TDialUp*, std::int32_t handle, ras::RASCONNSTATUSA status,
                                          const QString& text, const TDialUp::EntryNameArray& entry,
                                          const TDialUp::DeviceTypeArray& type,
                                          const TDialUp::DeviceNameArray& device) {
            connections << Connection{handle,
                                      status.rasconnstate,
                                      text,
                                      ras::fieldText(entry),
                                      ras::fieldText(type),
                                      ras::fieldText(device)};
        };
    }
};

} // namespace

class TestDialUp : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_sim = SimFile{m_dir->file(QStringLiteral("dialup.sim")), {}};
        m_probe = std::make_unique<TDialUp>(std::make_unique<ras::SimRasApi>(m_sim.path));
    }
    void cleanup()
    {
        m_probe.reset();
        m_dir.reset();
    }

    void emptyOrMissingPhoneBookListsNothing()
    {
        Recorder r;
        r.attach(*m_probe);
        QCOMPARE(m_probe->GetEntries(), 0); // no file at all
        m_sim.rewrite();                    // an empty file
        QCOMPARE(m_probe->GetEntries(), 0);
        QVERIFY(m_probe->Entries().isEmpty());
        QVERIFY(r.entryEvents.isEmpty());
        QCOMPARE(m_probe->GetActiveConnections(), 0);
        QVERIFY(r.connections.isEmpty());
    }

    void hundredEntriesFitAndOneMoreIsRefused()
    {
        Recorder r;
        r.attach(*m_probe);
        for (int i = 0; i < 100; ++i)
            m_sim.entry("isp " + QByteArray::number(i));
        m_sim.rewrite();
        QCOMPARE(m_probe->GetEntries(), 0);
        QCOMPARE(m_probe->Entries().size(), 100);
        QCOMPARE(r.entryEvents, m_probe->Entries());
        QCOMPARE(m_probe->Entries().first(), QStringLiteral("isp 0"));
        QCOMPARE(m_probe->Entries().last(), QStringLiteral("isp 99"));

        r.entryEvents.clear();
        m_sim.entry("isp 100").rewrite();
        QCOMPARE(m_probe->GetEntries(), 603);
        QVERIFY(m_probe->Entries().isEmpty()); // the earlier names are gone
        QVERIFY(r.entryEvents.isEmpty());
    }

    void entriesFillWithoutAHandler()
    {
        m_sim.entry("One").entry("One").entry("Two").rewrite();
        QCOMPARE(m_probe->GetEntries(), 0);
        QCOMPARE(m_probe->Entries(), (QStringList{QStringLiteral("One"), QStringLiteral("One"),
                                                  QStringLiteral("Two")}));
        m_sim.conn(1, 8192, "One").rewrite();
        QCOMPARE(m_probe->GetActiveConnections(), 0);
    }

    void longestNameFillsTheWholeArray()
    {
        Recorder r;
        r.attach(*m_probe);
        const QByteArray name(256, 'n');
        m_sim.entry(name).entry(QByteArray(300, 'x')).rewrite();
        QCOMPARE(m_probe->GetEntries(), 0);
        QCOMPARE(m_probe->Entries().first().toUtf8(), name);
        QCOMPARE(r.rawEntryArrays.first().size(), 257);
        QCOMPARE(r.rawEntryArrays.first().left(256), name);
        QCOMPARE(r.rawEntryArrays.first().at(256), '\0');
        QCOMPARE(m_probe->Entries().at(1).size(), 256); // a longer name is cut to the field
    }

    void multiByteNamesAreCutOnACharacterBoundary()
    {
        const QByteArray name = QByteArray(255, 'a') + "\xc3\xa9"; // 257 bytes ending in "é"
        m_sim.entry(name).rewrite();
        QCOMPARE(m_probe->GetEntries(), 0);
        QCOMPARE(m_probe->Entries().first().toUtf8(), QByteArray(255, 'a'));
    }

    void connectionsAreReportedInOrder()
    {
        Recorder r;
        r.attach(*m_probe);
        m_sim.conn(7, 8192, "First").conn(9, 2, "Second").rewrite();
        QCOMPARE(m_probe->GetActiveConnections(), 0);
        QCOMPARE(r.connections.size(), 2);
        QCOMPARE(r.connections[0].handle, 7);
        QCOMPARE(r.connections[0].entry, QStringLiteral("First"));
        QCOMPARE(r.connections[0].text, QStringLiteral("Connected"));
        QCOMPARE(r.connections[0].deviceType, QStringLiteral("modem"));
        QCOMPARE(r.connections[0].deviceName, QStringLiteral("Test Modem"));
        QCOMPARE(r.connections[1].handle, 9);
        QCOMPARE(r.connections[1].text, QStringLiteral("Connecting device"));
    }

    void errorCodeGivesTheSystemsText()
    {
        Recorder r;
        r.attach(*m_probe);
        m_sim.conn(1, 8192, "Dial", 691).raw("errortext\t691\tAccess was denied.").rewrite();
        QCOMPARE(m_probe->GetActiveConnections(), 0);
        QCOMPARE(r.connections.first().text, QStringLiteral("Access was denied."));
        // An error code without a text gives an empty text, never stale bytes.
        m_sim.clear();
        m_sim.conn(1, 8192, "Dial", 777).rewrite();
        r.connections.clear();
        m_probe->GetActiveConnections();
        QCOMPARE(r.connections.first().text, QString());
    }

    void failingEnumerationReportsItsCode()
    {
        Recorder r;
        r.attach(*m_probe);
        m_sim.entry("A").conn(1, 8192, "A").raw("fail\tentries\t625").raw("fail\tconnections\t5");
        m_sim.rewrite();
        QCOMPARE(m_probe->GetEntries(), 625);
        QVERIFY(m_probe->Entries().isEmpty());
        QCOMPARE(m_probe->GetActiveConnections(), 5);
        QVERIFY(r.entryEvents.isEmpty());
        QVERIFY(r.connections.isEmpty());
    }

    void tooManyConnectionsIsBufferTooSmall()
    {
        Recorder r;
        r.attach(*m_probe);
        for (int i = 1; i <= 101; ++i)
            m_sim.conn(i, 8192, "Dial");
        m_sim.rewrite();
        QCOMPARE(m_probe->GetActiveConnections(), 603);
        QVERIFY(r.connections.isEmpty());
    }

    void stateTexts_data()
    {
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("english");
        QTest::newRow("open port") << 0 << QStringLiteral("Opening port");
        QTest::newRow("authenticate") << 5 << QStringLiteral("Start authenticating");
        QTest::newRow("start authentication") << 19 << QStringLiteral("Start authentication");
        QTest::newRow("logon network") << 21 << QStringLiteral("Logging on network");
        QTest::newRow("sub-entry connected") << 22 << QString();
        QTest::newRow("sub-entry disconnected") << 23 << QString();
        QTest::newRow("interactive") << 0x1000 << QStringLiteral("Interactive");
        QTest::newRow("password expired") << 0x1003 << QStringLiteral("Password expired");
        QTest::newRow("after the table") << 0x1004 << QString();
        QTest::newRow("connected") << 0x2000 << QStringLiteral("Connected");
        QTest::newRow("disconnected") << 0x2001 << QStringLiteral("Disconnected");
        QTest::newRow("negative") << -1 << QString();
    }
    void stateTexts()
    {
        QFETCH(int, state);
        QFETCH(QString, english);
        QCOMPARE(m_probe->StatusText(state, 0), english);
        m_probe->Language = TDialUp::Czech;
        QCOMPARE(m_probe->StatusText(state, 0).isEmpty(), english.isEmpty());
    }

    void backendChoice_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("chosen");
        QTest::newRow("option wins")
            << QStringLiteral("sim:a") << QStringLiteral("sim:b") << QStringLiteral("sim:a");
        QTest::newRow("environment")
            << QStringLiteral("") << QStringLiteral("ppp:/x") << QStringLiteral("ppp:/x");
        QTest::newRow("default") << QStringLiteral("") << QStringLiteral("")
                                 << ras::defaultBackendSpec();
    }
    void backendChoice()
    {
        QFETCH(QString, option);
        QFETCH(QString, environment);
        QFETCH(QString, chosen);
        QCOMPARE(ras::chooseBackendSpec(option, environment), chosen);
    }

    void unknownBackendIsRefused_data()
    {
        QTest::addColumn<QString>("spec");
        QTest::newRow("word") << QStringLiteral("modem");
        QTest::newRow("sim without file") << QStringLiteral("sim:");
        QTest::newRow("ppp without root") << QStringLiteral("ppp:");
        QTest::newRow("empty") << QStringLiteral("");
    }
    void unknownBackendIsRefused()
    {
        QFETCH(QString, spec);
        QString error;
        QVERIFY(!ras::createBackend(spec, &error));
        QVERIFY(error.contains(QStringLiteral("unknown dial-up backend")));
        QVERIFY(ras::createBackend(QStringLiteral("sim:x"), &error));
        QVERIFY(ras::createBackend(QStringLiteral("ppp:/tmp/root"), &error));
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    SimFile m_sim;
    std::unique_ptr<TDialUp> m_probe;
};

QTEST_GUILESS_MAIN(TestDialUp)
#include "tst_dialup.moc"
