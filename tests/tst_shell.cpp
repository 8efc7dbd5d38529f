// Opening web addresses: the browser rule and the default HTML program of the desktop.
#include "shell.h"
#include "testsupport.h"

#include <QtTest>

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void browserRule_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("program");
        QTest::newRow("quoted path with switches")
            << QStringLiteral(R"("C:\Program Files\Web\web.exe" -nohome -url "%1")")
            << QStringLiteral(R"(C:\Program Files\Web\web.exe)");
        QTest::newRow("quoted path, placeholder only")
            << QStringLiteral(R"("/usr/bin/web browser" %1)")
            << QStringLiteral("/usr/bin/web browser");
        QTest::newRow("text before the quote ignored")
            << QStringLiteral(R"(rundll32 "C:\web.exe" %1)") << QStringLiteral(R"(C:\web.exe)");
        QTest::newRow("unquoted with arguments")
            << QStringLiteral(R"(C:\web.exe -url %1)") << QString();
        QTest::newRow("unquoted bare path") << QStringLiteral("/usr/bin/web") << QString();
        QTest::newRow("one quote") << QStringLiteral(R"("C:\web.exe %1)") << QString();
        QTest::newRow("two quotes first") << QStringLiteral(R"(""C:\web.exe" %1)") << QString();
        QTest::newRow("empty") << QString() << QString();
    }
    void browserRule()
    {
        QFETCH(QString, command);
        QFETCH(QString, program);
        QCOMPARE(browserFromCommand(command), program);
    }

    // Where the desktop's default HTML program comes from.
    void defaultHtmlProgram_data()
    {
        QTest::addColumn<QString>("listFolder");
        QTest::addColumn<QString>("ids");
        QTest::addColumn<QString>("entryFolder");
        QTest::addColumn<bool>("found");
        QTest::newRow("user list, user entry")
            << QStringLiteral("config") << QStringLiteral("fake.desktop;")
            << QStringLiteral("data/applications") << true;
        QTest::newRow("system list, system entry")
            << QStringLiteral("etc/xdg") << QStringLiteral("fake.desktop")
            << QStringLiteral("share/applications") << true;
        QTest::newRow("list in the applications folder")
            << QStringLiteral("share/applications") << QStringLiteral("fake.desktop")
            << QStringLiteral("share/applications") << true;
        QTest::newRow("first id has no entry")
            << QStringLiteral("config") << QStringLiteral("gone.desktop;fake.desktop;")
            << QStringLiteral("data/applications") << true;
        QTest::newRow("entry missing") << QStringLiteral("config") << QStringLiteral("fake.desktop")
                                       << QStringLiteral("elsewhere") << false;
        QTest::newRow("no list") << QStringLiteral("nowhere") << QStringLiteral("fake.desktop")
                                 << QStringLiteral("data/applications") << false;
    }
    void defaultHtmlProgram()
    {
        QFETCH(QString, listFolder);
        QFETCH(QString, ids);
        QFETCH(QString, entryFolder);
        QFETCH(bool, found);
        FakeDesktop desktop;
        if (listFolder != QStringLiteral("nowhere"))
            desktop.defaultHtml(listFolder, ids);
        desktop.desktopEntry(entryFolder, QStringLiteral("fake.desktop"),
                             QLatin1Char('"') + desktop.browser() +
                                 QStringLiteral("\" --new-window %u"));
        QCOMPARE(htmlBrowserCommand(),
                 found ? QLatin1Char('"') + desktop.browser() + QStringLiteral("\" %1")
                       : QString());
    }

    void userChoiceComesFirst()
    {
        FakeDesktop desktop;
        desktop.defaultHtml(QStringLiteral("config"), QStringLiteral("mine.desktop"));
        desktop.defaultHtml(QStringLiteral("etc/xdg"), QStringLiteral("system.desktop"));
        desktop.desktopEntry(QStringLiteral("share/applications"), QStringLiteral("mine.desktop"),
                             QStringLiteral("/opt/mine/browser %U"));
        desktop.desktopEntry(QStringLiteral("share/applications"), QStringLiteral("system.desktop"),
                             QStringLiteral("/opt/system/web"));
        QCOMPARE(htmlBrowserCommand(), QStringLiteral("\"/opt/mine/browser\" %1"));
    }

    void programFoundOnThePath()
    {
        FakeDesktop desktop;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFileInfo(desktop.browser()).absolutePath().toLocal8Bit() + ':' + path);
        desktop.defaultHtml(QStringLiteral("config"), QStringLiteral("fake.desktop"));
        desktop.desktopEntry(QStringLiteral("data/applications"), QStringLiteral("fake.desktop"),
                             QStringLiteral("browser %u"));
        const QString command = htmlBrowserCommand();
        qputenv("PATH", path);
        QCOMPARE(command, QLatin1Char('"') + desktop.browser() + QStringLiteral("\" %1"));
    }

    void browserGetsTheAddressAsItsOnlyArgument()
    {
        FakeDesktop desktop;
        desktop.defaultHtml(QStringLiteral("config"), QStringLiteral("fake.desktop"));
        desktop.desktopEntry(QStringLiteral("data/applications"), QStringLiteral("fake.desktop"),
                             QLatin1Char('"') + desktop.browser() +
                                 QStringLiteral("\" --new-window %u"));
        const QString url = QStringLiteral("http://dialtally.example/download.htm?a=1&b=two words");
        openWithBrowser(url);
        QTRY_VERIFY(desktop.browserRan());
        QCOMPARE(desktop.receivedArguments(), QStringList{url});
    }

    void noDefaultProgramDoesNothing()
    {
        FakeDesktop desktop;
        QCOMPARE(htmlBrowserCommand(), QString());
        openWithBrowser(QStringLiteral("http://dialtally.example")); // returns, reports nothing
        QVERIFY(!desktop.browserRan());
    }
};

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
