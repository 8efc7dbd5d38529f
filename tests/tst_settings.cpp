// The settings file, the login autostart entry and its launcher, and the cost per hour.
#include "autostart.h"
#include "configstore.h"
#include "costsettings.h"
#include "desktopentry.h"
#include "inifile.h"
#include "logdatabase.h"
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

#include <unistd.h>

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// An autostart whose value cannot be read, as a registry value of another type.
class BrokenAutostart final : public Autostart {
public:
    std::optional<QString> read(QString* error) const override
    {
        *error = QStringLiteral("Invalid data type for 'dialtally'");
        return std::nullopt;
    }
    bool write(const QString&, QString*) override { return true; }
    void remove() override {}
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_ini = QString::fromLatin1(settingsPath);
        m_autostart = xdgAutostart(m_dir->file(QStringLiteral("xdg")));
    }
    void cleanup()
    {
        m_autostart.reset();
        m_dir.reset();
    }

    void firstSaveCreatesTheFile()
    {
        auto loaded = loadStartupChoices(m_ini, *m_autostart, nullptr);
        QVERIFY(loaded);
        QCOMPARE(loaded->startWithSystem, std::optional<bool>(false));
        QVERIFY(!loaded->minimizedOnStartup && !loaded->tipOnStartup);
        QVERIFY(showMainWindowAtStartup(m_ini));
        QVERIFY(!showTipAtStartup(m_ini));

        QString error;
        QVERIFY(saveStartupChoices(m_ini, *m_autostart, false, true, false, m_dir->path(), &error));
        QCOMPARE(readAll(m_ini), QByteArray("[general]\r\nstartminimized=1\r\ntipoftheday=0\r\n"));
        QVERIFY(!showMainWindowAtStartup(m_ini));
        QVERIFY(saveStartupChoices(m_ini, *m_autostart, false, false, true, m_dir->path(), &error));
        QCOMPARE(readAll(m_ini), QByteArray("[general]\r\nstartminimized=0\r\ntipoftheday=1\r\n"));
        QVERIFY(showTipAtStartup(m_ini));
    }

    void handEditedFileKeepsItsOtherLines()
    {
        writeFile(m_ini, "; my settings\n[other]\nstartminimized=keep\n\n[GENERAL]\ncolour = blue\n"
                         "StartMinimized = 2\n# note\n[last]\nx=1\n");
        auto loaded = loadStartupChoices(m_ini, *m_autostart, nullptr);
        QVERIFY(!loaded->minimizedOnStartup);     // "2" is not "1" ...
        QVERIFY(!showMainWindowAtStartup(m_ini)); // ... nor "0": the window stays in the tray
        QVERIFY(
            saveStartupChoices(m_ini, *m_autostart, false, false, true, m_dir->path(), nullptr));
        QCOMPARE(readAll(m_ini),
                 QByteArray("; my settings\n[other]\nstartminimized=keep\n\n[GENERAL]\n"
                            "colour = blue\nstartminimized=0\ntipoftheday=1\n# note\n"
                            "[last]\nx=1\n"));
        QCOMPARE(
            ini::readValue(m_ini, QStringLiteral("other"), QStringLiteral("startminimized"), {}),
            QStringLiteral("keep"));
    }

    void unwritableFileIsReported_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("no config folder") << QStringLiteral("missing");
        QTest::newRow("config.ini is a folder") << QStringLiteral("folder");
        QTest::newRow("read-only folder") << QStringLiteral("readonly");
    }
    void unwritableFileIsReported()
    {
        QFETCH(QString, kind);
        const QString config = m_dir->file(QStringLiteral("config"));
        if (kind == QStringLiteral("missing")) {
            QDir(config).removeRecursively();
        } else if (kind == QStringLiteral("folder")) {
            QDir(config).mkpath(QStringLiteral("config.ini"));
        } else {
            if (::geteuid() == 0)
                QSKIP("the superuser writes into read-only folders");
            QFile::setPermissions(config, QFile::ReadOwner | QFile::ExeOwner);
        }
        QString error;
        QVERIFY(!saveStartupChoices(m_ini, *m_autostart, true, true, true, m_dir->path(), &error));
        QCOMPARE(error, QStringLiteral("Unable to write to config/config.ini"));
        QVERIFY(!m_autostart->read(nullptr)->size()); // the later steps were skipped
        QVERIFY(!QDir(config).exists() || kind != QStringLiteral("missing")); // never created
        QFile::setPermissions(config, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void autostartEntryIsWrittenReadReplacedAndDeleted()
    {
        const QString entry = m_dir->file(QStringLiteral("xdg/autostart/dialtally.desktop"));
        QVERIFY(!QDir(m_dir->file(QStringLiteral("xdg"))).exists());
        QVERIFY(saveStartupChoices(m_ini, *m_autostart, true, false, false,
                                   QStringLiteral("/opt/dial tally"), nullptr));
        const QByteArray text = readAll(entry);
        QVERIFY(text.startsWith("[Desktop Entry]\n"));
        QVERIFY(text.contains("\nType=Application\n"));
        QVERIFY(text.contains("\nExec=\"/opt/dial tally/config/flink\"\n"));
        QCOMPARE(loadStartupChoices(m_ini, *m_autostart, nullptr)->startWithSystem,
                 std::optional<bool>(true));

        QVERIFY(saveStartupChoices(m_ini, *m_autostart, true, false, false,
                                   QStringLiteral("/srv/other"), nullptr));
        QCOMPARE(*m_autostart->read(nullptr), QStringLiteral("/srv/other/config/flink"));
        QCOMPARE(QDir(m_dir->file(QStringLiteral("xdg/autostart"))).entryList(QDir::Files).size(),
                 1);

        QVERIFY(
            saveStartupChoices(m_ini, *m_autostart, false, false, false, m_dir->path(), nullptr));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(
            saveStartupChoices(m_ini, *m_autostart, false, false, false, m_dir->path(), nullptr));

        // An entry without a command leaves the box unchecked.
        writeFile(entry, "[Desktop Entry]\nType=Application\nExec=\n");
        QCOMPARE(loadStartupChoices(m_ini, *m_autostart, nullptr)->startWithSystem,
                 std::optional<bool>(false));
    }

    void unreadableAutostartStopsTheLoad()
    {
        writeFile(m_ini, "[general]\nstartminimized=1\n");
        BrokenAutostart broken;
        QString error;
        QVERIFY(!loadStartupChoices(m_ini, broken, &error));
        QCOMPARE(error, QStringLiteral("Invalid data type for 'dialtally'"));
    }

    void execQuoting_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("exec");
        QTest::newRow("plain") << QStringLiteral("/home/a/config/flink")
                               << QStringLiteral("\"/home/a/config/flink\"");
        QTest::newRow("space") << QStringLiteral("/a b/flink") << QStringLiteral("\"/a b/flink\"");
        QTest::newRow("quote and dollar")
            << QStringLiteral("/a\"$b/flink") << QStringLiteral("\"/a\\\\\"\\\\$b/flink\"");
        QTest::newRow("percent") << QStringLiteral("/100%/flink")
                                 << QStringLiteral("\"/100%%/flink\"");
        QTest::newRow("backslash")
            << QStringLiteral("/a\\b/flink") << QStringLiteral("\"/a\\\\\\\\b/flink\"");
    }
    void execQuoting()
    {
        QFETCH(QString, program);
        QFETCH(QString, exec);
        QCOMPARE(desktopExecFor(program), exec);
        QCOMPARE(programOfDesktopExec(exec), program);
    }

    void launcherStartsTheProgramInItsDataFolder()
    {
        // A data folder moved somewhere new, with a stand-in program that reports where it runs.
        const QString data = m_dir->file(QStringLiteral("moved data"));
        QDir().mkpath(data + QStringLiteral("/config"));
        QDir().mkpath(data + QStringLiteral("/build"));
        QVERIFY(QFile::copy(QStringLiteral(DIALTALLY_SOURCE_DIR "/config/flink"),
                            data + QStringLiteral("/config/flink")));
        writeFile(data + QStringLiteral("/build/dialtally"), "#!/bin/sh\npwd\necho \"$@\"\n");
        QFile::setPermissions(data + QStringLiteral("/build/dialtally"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcess p;
        p.setWorkingDirectory(QDir::tempPath());
        p.start(data + QStringLiteral("/config/flink"),
                {QStringLiteral("--ras"), QStringLiteral("ppp")});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 0);
        QCOMPARE(QString::fromUtf8(p.readAllStandardOutput()),
                 QFileInfo(data).canonicalFilePath() + QStringLiteral("\n--ras ppp\n"));
    }

    void costValidation_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored"); // empty: refused
        QTest::newRow("decimal") << QStringLiteral("12345.98") << QStringLiteral("12345.98");
        QTest::newRow("integer") << QStringLiteral("1000") << QStringLiteral("1000");
        QTest::newRow("spaces around") << QStringLiteral("  7.5 ") << QStringLiteral("7.5");
        QTest::newRow("tab and newline") << QStringLiteral("\t3\n") << QStringLiteral("3");
        QTest::newRow("empty") << QStringLiteral("") << QStringLiteral("0");
        QTest::newRow("only spaces") << QStringLiteral("   ") << QStringLiteral("0");
        QTest::newRow("leading point") << QStringLiteral(".5") << QStringLiteral(".5");
        QTest::newRow("comma decimal") << QStringLiteral("12345,98") << QStringLiteral("");
        QTest::newRow("grouping") << QStringLiteral("12,345.98") << QStringLiteral("");
        QTest::newRow("two points") << QStringLiteral("1.2.3") << QStringLiteral("");
        QTest::newRow("exponent") << QStringLiteral("1e3") << QStringLiteral("");
        QTest::newRow("word") << QStringLiteral("cheap") << QStringLiteral("");
        QTest::newRow("inner space") << QStringLiteral("12 345") << QStringLiteral("");
        QTest::newRow("huge") << QStringLiteral("9999999999999999999") << QStringLiteral("");
    }
    void costValidation()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany)}) {
            QLocale::setDefault(locale);
            const std::optional<QString> result = test_number(text);
            QCOMPARE(result.has_value(), !stored.isEmpty());
            if (result)
                QCOMPARE(*result, stored);
        }
        QLocale::setDefault(QLocale::c());
        QVERIFY(invalidNumberMessage().startsWith(
            QStringLiteral(" Not a valid number format ,\n please use plain")));
    }

    void savingAnEntryTwiceKeepsOneRow()
    {
        auto log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        QCOMPARE(showcost(log->connection(), QStringLiteral("Home")), QStringLiteral("0"));
        QVERIFY(writecost(log->connection(), QStringLiteral("Home"), QStringLiteral("1000")));
        QVERIFY(writecost(log->connection(), QStringLiteral("Home"), QStringLiteral("12345.98")));
        QVERIFY(writecost(log->connection(), QStringLiteral("Say \"hi\""), QStringLiteral("5")));
        QCOMPARE(selectRows(log->connection(),
                            QStringLiteral("SELECT entry, harga FROM harga ORDER BY entry")),
                 (QList<QVariantList>{{QStringLiteral("Home"), 12345.98},
                                      {QStringLiteral("Say \"hi\""), 5.0}}));
        QCOMPARE(showcost(log->connection(), QStringLiteral("Home")), QStringLiteral("12345.98"));
        // The stored text computes as the number typed.
        QCOMPARE(selectRows(log->connection(),
                            QStringLiteral("SELECT harga * 2 FROM harga WHERE entry = 'Home'"))
                     .value(0)
                     .value(0)
                     .toDouble(),
                 24691.96);
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    QString m_ini;
    std::unique_ptr<Autostart> m_autostart;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
