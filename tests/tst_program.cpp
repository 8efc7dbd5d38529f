// The program as a whole process: its command line, a second copy, and ending on a signal.
#include "duration.h"
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

#include <csignal>

namespace {

QProcessEnvironment programEnvironment(const QString& sim)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("DIALTALLY_POLL_MS"), QStringLiteral("20"));
    env.insert(QStringLiteral("DIALTALLY_RAS"), QStringLiteral("sim:") + sim);
    return env;
}

} // namespace

class TestProgram : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_sim = SimFile{m_dir->file(QStringLiteral("dialup.sim")), {}};
    }
    void cleanup() { m_dir.reset(); }

    void badStartIsAUsageError_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("poll");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown backend")
            << QStringList{QStringLiteral("--ras"), QStringLiteral("modem")} << QString()
            << QStringLiteral("unknown dial-up backend \"modem\"");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--frobnicate")} << QString()
                                        << QStringLiteral("frobnicate");
        QTest::newRow("month out of range")
            << QStringList{QStringLiteral("--report-pdf"), QStringLiteral("r.pdf"),
                           QStringLiteral("--month"), QStringLiteral("13")}
            << QString() << QStringLiteral("--month must be a month from 1 to 12");
        QTest::newRow("year not a number")
            << QStringList{QStringLiteral("--report-pdf"), QStringLiteral("r.pdf"),
                           QStringLiteral("--year"), QStringLiteral("last")}
            << QString() << QStringLiteral("--year must be a year");
        QTest::newRow("filter without report")
            << QStringList{QStringLiteral("--month"), QStringLiteral("3")} << QString()
            << QStringLiteral("go with --report-pdf");
        QTest::newRow("bad poll period")
            << QStringList{} << QStringLiteral("soon") << QStringLiteral("DIALTALLY_POLL_MS");
    }
    void badStartIsAUsageError()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, poll);
        QFETCH(QString, message);
        QProcess p;
        QProcessEnvironment env = programEnvironment(m_sim.path);
        env.insert(QStringLiteral("DIALTALLY_POLL_MS"), poll);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(m_dir->path());
        p.start(QStringLiteral(DIALTALLY_BIN), arguments);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        const QString err = QString::fromUtf8(p.readAllStandardError());
        QVERIFY2(err.contains(message), qPrintable(err));
        QVERIFY(!QFile::exists(m_dir->file(QStringLiteral("config/log.db"))));
    }

    void secondCopyLeavesTheLogAloneAndSignalEndsCleanly()
    {
        m_sim.conn(1, 8192, "Home ISP").rewrite();
        QProcess first;
        first.setProcessEnvironment(programEnvironment(m_sim.path));
        first.setWorkingDirectory(m_dir->path());
        first.start(QStringLiteral(DIALTALLY_BIN), {});
        QVERIFY(first.waitForStarted());

        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(m_dir->file(QStringLiteral("config/log.db")));
        auto rowCount = [&] {
            if (!QFile::exists(db.databaseName()) || (!db.isOpen() && !db.open()))
                return -1;
            return int(selectRows(db, QStringLiteral("SELECT id FROM log")).size());
        };
        QTRY_COMPARE_WITH_TIMEOUT(rowCount(), 1, 30000);

        QProcess second;
        second.setProcessEnvironment(programEnvironment(m_sim.path));
        second.setWorkingDirectory(m_dir->path());
        second.start(QStringLiteral(DIALTALLY_BIN), {});
        QVERIFY(second.waitForFinished(30000));
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);

        // Hang up, wait for the row to be closed, then connect again and end by signal.
        m_sim.clear();
        m_sim.rewrite();
        QTRY_VERIFY_WITH_TIMEOUT(
            selectRows(db, QStringLiteral("SELECT waktua FROM log")).value(0).value(0).toInt() > 0,
            30000);
        QCOMPARE(rowCount(), 1); // the second copy recorded nothing
        m_sim.conn(1, 8192, "Home ISP").rewrite();
        QTRY_COMPARE_WITH_TIMEOUT(rowCount(), 2, 30000);

        // A report from the command line meanwhile: it reads the log and leaves the copy running.
        QProcess report;
        report.setProcessEnvironment(programEnvironment(m_sim.path));
        report.setWorkingDirectory(m_dir->path());
        report.start(QStringLiteral(DIALTALLY_BIN),
                     {QStringLiteral("--report-pdf"), QStringLiteral("usage.pdf"),
                      QStringLiteral("--entry"), QStringLiteral("home isp")});
        QVERIFY(report.waitForFinished(30000));
        QCOMPARE(report.exitCode(), 0);
        QVERIFY(QFileInfo(m_dir->file(QStringLiteral("usage.pdf"))).size() > 0);
        report.start(
            QStringLiteral(DIALTALLY_BIN),
            {QStringLiteral("--report-pdf"), m_dir->file(QStringLiteral("none/usage.pdf"))});
        QVERIFY(report.waitForFinished(30000));
        QCOMPARE(report.exitCode(), 1);
        QVERIFY(report.readAllStandardError().contains("cannot write"));
        QCOMPARE(first.state(), QProcess::Running);

        ::kill(pid_t(first.processId()), SIGTERM);
        QVERIFY(first.waitForFinished(30000));
        QCOMPARE(first.exitStatus(), QProcess::NormalExit);
        QCOMPARE(first.exitCode(), 0);
        // Only the last rewrite stores N seconds with the duration text of N - 1.
        const auto last =
            selectRows(db, QStringLiteral("SELECT waktua,Duration FROM log ORDER BY id DESC"));
        const int seconds = last.value(0).value(0).toInt();
        QVERIFY(seconds > 0);
        QCOMPARE(last.value(0).value(1).toString(), olahwaktu(seconds - 1));
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    SimFile m_sim;
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
