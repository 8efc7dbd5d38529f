// The log database file and the connection records written into it.
#include "connectionrecords.h"
#include "logdatabase.h"
#include "testsupport.h"

#include <QtTest>

class TestLogDatabase : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<TempWorkdir>(); }
    void cleanup() { m_dir.reset(); }

    void missingFileIsCreatedWithBothTables()
    {
        QDir(m_dir->path()).rmdir(QStringLiteral("config")); // a fresh installation
        QString error;
        auto log = LogDatabase::open(QString::fromLatin1(LogDatabase::defaultPath), &error);
        QVERIFY2(log, qPrintable(error));
        QVERIFY(QFile::exists(m_dir->file(QStringLiteral("config/log.db"))));
        const QStringList tables = log->connection().tables();
        QVERIFY(tables.contains(QStringLiteral("log")));
        QVERIFY(tables.contains(QStringLiteral("harga")));
        const auto indexes = selectRows(
            log->connection(), QStringLiteral("SELECT name FROM sqlite_master WHERE type='index' "
                                              "AND name NOT LIKE 'sqlite_%' ORDER BY name"));
        QCOMPARE(indexes.size(), 3);

        // A priced entry's cost takes part in arithmetic whatever case its name is logged in.
        QSqlQuery q(log->connection());
        QVERIFY(
            q.exec(QStringLiteral("insert into harga (entry,harga) values ('Home','12345.98')")));
        QVERIFY(q.exec(QStringLiteral("insert into log (Entry,waktua) values ('HOME',3600)")));
        const auto cost =
            selectRows(log->connection(),
                       QStringLiteral("SELECT SUM(a.waktua * b.harga /3600) FROM log a, harga b "
                                      "WHERE a.entry=b.entry"));
        QCOMPARE(cost.value(0).value(0).toDouble(), 12345.98);
    }

    void existingLogIsOpenedAsItIs()
    {
        {
            auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
            QVERIFY(log);
            QSqlQuery q(log->connection());
            QVERIFY(q.exec(QStringLiteral("insert into log (Entry,waktua) values ('Kept',5)")));
        }
        QString error;
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), &error);
        QVERIFY2(log, qPrintable(error));
        QCOMPARE(selectRows(log->connection(), QStringLiteral("SELECT Entry FROM log")).size(), 1);
    }

    void unusableFileIsRefusedUntouched_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("why");
        QTest::newRow("text file") << QByteArray("these are not the rows you are looking for\n")
                                   << QStringLiteral("not a database");
        QByteArray header("SQLite format 3");
        header.append('\0');
        header.append(QByteArray(200, '\x7f'));
        QTest::newRow("damaged header") << header << QStringLiteral("");
    }
    void unusableFileIsRefusedUntouched()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, why);
        const QString path = m_dir->file(QStringLiteral("config/log.db"));
        writeFile(path, content);
        const QDateTime modified = QFileInfo(path).lastModified();
        QString error;
        QVERIFY(!LogDatabase::open(QStringLiteral("config/log.db"), &error));
        QVERIFY(error.contains(QStringLiteral("config/log.db")));
        QVERIFY2(error.contains(why), qPrintable(error));
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), content);
        QCOMPARE(QFileInfo(path).lastModified(), modified);
        QVERIFY(!QFile::exists(path + QStringLiteral("-journal")));
    }

    void foreignDatabaseIsRefused()
    {
        {
            QSqlDatabase db =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
            db.setDatabaseName(QStringLiteral("config/log.db"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("create table log (id integer primary key, note text)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("other"));
        QString error;
        QVERIFY(!LogDatabase::open(QStringLiteral("config/log.db"), &error));
        QVERIFY2(error.contains(QStringLiteral("no column")), qPrintable(error));
    }

    void insertStoresTheConnectionAsItIs()
    {
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        QVERIFY(log);
        SharedState state;
        FixedClock clock;
        clock.at = QDateTime(QDate(2005, 1, 2), QTime(3, 4, 5));
        ConnectionRecords records(log->connection(), state, clock,
                                  QLocale(QLocale::English, QLocale::UnitedStates));
        QSignalSpy written(&records, &ConnectionRecords::written);
        state.OnlineEntry = QStringLiteral("My \"best\" ISP\", waktua=99 --");
        state.DurationText = QStringLiteral("0:0:0");
        records.writelog(ConnectionRecords::Insert);
        QCOMPARE(written.size(), 1);
        QCOMPARE(state.LogUser, QStringLiteral("Local"));
        const auto rows = selectRows(
            log->connection(), QStringLiteral("SELECT waktu,Usera,Entry,Duration,tanggal,speed,"
                                              "bulan,tahun,waktua FROM log"));
        QCOMPARE(rows.size(), 1);
        const QVariantList expected{
            QStringLiteral("3:04:05 AM"), QStringLiteral("Local"),  state.OnlineEntry,
            QStringLiteral("0:0:0"),      QStringLiteral("1/2/05"), 0,
            QStringLiteral("01"),         QStringLiteral("05"),     0};
        for (int i = 0; i < expected.size(); ++i)
            QCOMPARE(rows[0][i].toString(), expected[i].toString());
    }

    void dateAndTimeFollowTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("date");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates)
                               << QStringLiteral("11:59:07 PM") << QStringLiteral("12/31/26");
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany)
                               << QStringLiteral("23:59:07") << QStringLiteral("31.12.26");
        QTest::newRow("fr_FR") << QLocale(QLocale::French, QLocale::France)
                               << QStringLiteral("23:59:07") << QStringLiteral("31/12/2026");
    }
    void dateAndTimeFollowTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, time);
        QFETCH(QString, date);
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        SharedState state;
        FixedClock clock;
        clock.at = QDateTime(QDate(2026, 12, 31), QTime(23, 59, 7));
        ConnectionRecords records(log->connection(), state, clock, locale);
        records.writelog(ConnectionRecords::Insert);
        const auto rows = selectRows(log->connection(),
                                     QStringLiteral("SELECT waktu,tanggal,bulan,tahun FROM log"));
        QCOMPARE(rows.value(0).value(0).toString(), time);
        QCOMPARE(rows.value(0).value(1).toString(), date);
        QCOMPARE(rows.value(0).value(2).toString(), QStringLiteral("12"));
        QCOMPARE(rows.value(0).value(3).toString(), QStringLiteral("26"));
    }

    void rewriteLandsOnItsOwnRow()
    {
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        SharedState state;
        FixedClock clock;
        ConnectionRecords records(log->connection(), state, clock);
        state.OnlineEntry = QStringLiteral("Mine");
        state.DurationText = QStringLiteral("0:0:0");
        records.writelog(ConnectionRecords::Insert);
        // Another row arrives while this connection is recorded.
        QSqlQuery q(log->connection());
        QVERIFY(q.exec(
            QStringLiteral("insert into log (Entry,Duration,waktua) values ('Other','0:0:7',7)")));
        state.DurationText = QStringLiteral("0:1:0");
        state.OnlineSeconds = 60;
        records.writelog(ConnectionRecords::Rewrite);
        const auto rows = selectRows(
            log->connection(), QStringLiteral("SELECT Entry,Duration,waktua FROM log ORDER BY id"));
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], (QVariantList{QStringLiteral("Mine"), QStringLiteral("0:1:0"), 60}));
        QCOMPARE(rows[1], (QVariantList{QStringLiteral("Other"), QStringLiteral("0:0:7"), 7}));
    }

    void rewriteWithoutItsRowChangesNothing()
    {
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        SharedState state;
        FixedClock clock;
        ConnectionRecords records(log->connection(), state, clock);
        QSignalSpy written(&records, &ConnectionRecords::written);
        QSqlQuery q(log->connection());
        QVERIFY(q.exec(
            QStringLiteral("insert into log (Entry,Duration,waktua) values ('Old','0:0:7',7)")));
        records.writelog(ConnectionRecords::Rewrite); // nothing inserted yet
        records.writelog(ConnectionRecords::Insert);
        QVERIFY(q.exec(QStringLiteral("DELETE FROM log"))); // the log was emptied meanwhile
        records.writelog(ConnectionRecords::Rewrite);
        QCOMPARE(written.size(), 1); // only the insert reached the log
        QVERIFY(q.exec(
            QStringLiteral("insert into log (Entry,Duration,waktua) values ('New','0:0:1',1)")));
        records.writelog(ConnectionRecords::Rewrite);
        QCOMPARE(selectRows(log->connection(), QStringLiteral("SELECT waktua FROM log")),
                 (QList<QVariantList>{{1}}));
    }

    void failedInsertLeavesLaterRewritesHarmless()
    {
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        SharedState state;
        FixedClock clock;
        ConnectionRecords records(log->connection(), state, clock);
        state.OnlineEntry = QStringLiteral("First");
        records.writelog(ConnectionRecords::Insert);
        QSqlQuery q(log->connection());
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TRIGGER refuse BEFORE INSERT ON log BEGIN SELECT RAISE(ABORT, 'full'); END")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("not inserted")));
        records.writelog(ConnectionRecords::Insert);
        state.OnlineSeconds = 120;
        records.writelog(ConnectionRecords::Rewrite);
        QCOMPARE(selectRows(log->connection(), QStringLiteral("SELECT waktua FROM log")),
                 (QList<QVariantList>{{0}})); // the first connection's row stays as it was
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
};

QTEST_GUILESS_MAIN(TestLogDatabase)
#include "tst_logdatabase.moc"
