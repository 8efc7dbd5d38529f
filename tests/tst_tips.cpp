// Text block lists, the tip of the day window, the promotion texts and the about box.
#include "links.h"
#include "promotion.h"
#include "testsupport.h"
#include "textblocklist.h"
#include "tipcycle.h"
#include "uabout.h"
#include "utip.h"

#include <QCheckBox>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

namespace {

TextBlockList parse(const QByteArray& content)
{
    TextBlockList list;
    list.lines = textBlockLines(content);
    buildTextBlocks(list, list.lines);
    return list;
}

QStringList strings(std::initializer_list<const char*> texts)
{
    QStringList list;
    for (const char* text : texts)
        list << QString::fromUtf8(text);
    return list;
}

TextBlockList listOf(const QStringList& texts)
{
    TextBlockList list;
    list.texts = texts;
    list.last = int(texts.size()) - 1;
    return list;
}

QToolButton* button(QWidget& window, const char* name)
{
    return window.findChild<QToolButton*>(QString::fromLatin1(name));
}

} // namespace

class TestTips : public QObject {
    Q_OBJECT

private slots:
    void init() { m_dir = std::make_unique<TempWorkdir>(); }
    void cleanup() { m_dir.reset(); }

    void workedExample()
    {
        const TextBlockList list = parse("text A\ntext B\n#\n\ntext C\n#\n#\ntext D\n");
        QCOMPARE(list.texts, QStringList({QStringLiteral("text A\ntext B\n"),
                                          QStringLiteral("text C\n"), QString()}));
        QCOMPARE(list.last, 2);
        QCOMPARE(list.lines.size(), 8);
        for (const QByteArray& end : {QByteArray("\r\n"), QByteArray("\r")}) {
            const TextBlockList other =
                parse(QByteArray("text A\ntext B\n#\n\ntext C\n#\n#\ntext D\n").replace("\n", end));
            QCOMPARE(other.lines, list.lines);
            QCOMPARE(other.texts, list.texts);
        }
    }

    void blocksFromBytes_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<int>("last");
        const QStringList ab{QStringLiteral("a\nb\n"), QStringLiteral("c\n")};
        QTest::newRow("LF") << QByteArray("a\nb\n#\nc\n#\n") << ab << 1;
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n#\r\nc\r\n#\r\n") << ab << 1;
        QTest::newRow("CR") << QByteArray("a\rb\r#\rc\r#\r") << ab << 1;
        QTest::newRow("mixed, last line without end") << QByteArray("a\r\nb\r#\nc\n#") << ab << 1;
        QTest::newRow("LF CR is two line ends") << QByteArray("a\n\rb\n#\nc\n#\n") << ab << 1;
        QTest::newRow("empty lines vanish")
            << QByteArray("\n\na\n\r\n\rb\n#\n\nc\n\n#\n\n") << ab << 1;
        QTest::newRow("zero byte ends the text")
            << QByteArray("a\nb\n#\nc\n#\n") + QByteArray("\0#\n#\n", 5) << ab << 1;
        QTest::newRow("zero byte inside a line")
            << QByteArray("a\n#\nxy", 6) + QByteArray("\0z\n#\n", 5) << strings({"a\n"}) << 0;
        QTest::newRow("hash with spaces is text")
            << QByteArray("# \n #\n#\n") << strings({"# \n #\n"}) << 0;
        QTest::newRow("hash inside text is text")
            << QByteArray("##\n#x\n#\n") << strings({"##\n#x\n"}) << 0;
        QTest::newRow("spaces kept, a line of spaces is text")
            << QByteArray("  lead\ntrail  \n   \n#\n") << strings({"  lead\ntrail  \n   \n"}) << 0;
        QTest::newRow("text after the last hash dropped")
            << QByteArray("a\n#\nlost\nlost too") << strings({"a\n"}) << 0;
        QTest::newRow("leading hash gives an empty entry")
            << QByteArray("#\na\n#\n") << QStringList{QString(), QStringLiteral("a\n")} << 1;
        QTest::newRow("no hash, no entries") << QByteArray("a\nb\n") << QStringList() << 0;
        QTest::newRow("empty file") << QByteArray() << QStringList() << 0;
        QTest::newRow("only a zero byte") << QByteArray("\0#\n", 3) << QStringList() << 0;
    }
    void blocksFromBytes()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, texts);
        QFETCH(int, last);
        const TextBlockList list = parse(content);
        QCOMPARE(list.texts, texts);
        QCOMPARE(list.last, last);
    }

    void loadWithoutHashKeepsTheOldEntries()
    {
        TextBlockList list = parse("old 1\n#\nold 2\n#\n");
        writeFile(QStringLiteral("config/new.cfg"), "new text without a separator\n");
        QVERIFY(loadTextBlockFile(list, QStringLiteral("config/new.cfg"), nullptr));
        QCOMPARE(list.lines, strings({"new text without a separator"}));
        QCOMPARE(list.texts, strings({"old 1\n", "old 2\n"}));
        QCOMPARE(list.last, 1);
    }

    void missingFileIsReportedAndChangesNothing()
    {
        TextBlockList list = parse("kept\n#\n");
        QString error;
        QVERIFY(!loadTextBlockFile(list, QStringLiteral("config/none.cfg"), &error));
        QVERIFY2(
            error.startsWith(QStringLiteral("Cannot open file \"") +
                             QDir::current().absoluteFilePath(QStringLiteral("config/none.cfg")) +
                             QStringLiteral("\". ")),
            qPrintable(error));
        QVERIFY(error.size() > error.indexOf(QStringLiteral("\". ")) + 3); // the system's reason
        QCOMPARE(list.texts, strings({"kept\n"}));
    }

    void stepsWrapAround_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("steps"); // n = next, p = previous
        QTest::addColumn<QList<int>>("shown");
        QTest::newRow("next past the last")
            << 3 << QStringLiteral("nnnn") << QList<int>{1, 2, 0, 1};
        QTest::newRow("previous past the first")
            << 3 << QStringLiteral("ppp") << QList<int>{2, 1, 0};
        QTest::newRow("back and forth") << 3 << QStringLiteral("pn") << QList<int>{2, 0};
        QTest::newRow("one entry") << 1 << QStringLiteral("npnp") << QList<int>{0, 0, 0, 0};
        QTest::newRow("empty list") << 0 << QStringLiteral("npnp") << QList<int>{0, 0, 0, 0};
    }
    void stepsWrapAround()
    {
        QFETCH(int, entries);
        QFETCH(QString, steps);
        QFETCH(QList<int>, shown);
        QStringList texts;
        for (int i = 0; i < entries; ++i)
            texts << QStringLiteral("tip %1\n").arg(i);
        const TextBlockList list = listOf(texts);
        TipCycle cycle(list);
        for (qsizetype i = 0; i < steps.size(); ++i) {
            steps[i] == QLatin1Char('n') ? cycle.next() : cycle.previous();
            QCOMPARE(cycle.index(), shown[i]);
            QCOMPARE(cycle.text(), texts.value(shown[i]));
        }
    }

    void randomPickIsTheFifthDraw()
    {
        const TextBlockList list = listOf(strings({"a", "b", "c", "d", "e", "f", "g"}));
        TipCycle cycle(list);
        for (quint32 seed : {1u, 42u, 20261211u}) {
            QRandomGenerator expected(seed);
            int fifth = -1;
            for (int i = 0; i < 5; ++i)
                fifth = int(expected.bounded(7));
            QRandomGenerator random(seed);
            cycle.pickRandom(random);
            QCOMPARE(cycle.index(), fifth);
        }
        const TextBlockList empty;
        TipCycle none(empty);
        QRandomGenerator random(7);
        none.pickRandom(random);
        QCOMPARE(none.index(), 0);
        QCOMPARE(none.text(), QString());
    }

    void tipWindowLayout()
    {
        writeFile(QStringLiteral("config/tip.cfg"), "only tip\n#\n");
        TFtip tip;
        QCOMPARE(tip.windowTitle(), QStringLiteral("Tip of the day"));
        QVERIFY(tip.windowFlags() & Qt::Tool);
        QCOMPARE(tip.size(), QSize(385, 259));
        QCOMPARE(tip.findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Did You know ?"));
        QCOMPARE(tip.Label2->text(), QStringLiteral("Label2"));
        QCOMPARE(tip.Label2->geometry(), QRect(61, 48, 300, 129));
        QVERIFY(tip.Label2->wordWrap());
        QCOMPARE(button(tip, "SpeedButton1")->text(), QStringLiteral("Next tip      >>"));
        QCOMPARE(button(tip, "SpeedButton2")->text(), QStringLiteral("<< Previous tip"));
        QCOMPARE(button(tip, "SpeedButton3")->text(), QStringLiteral("Close"));
        QCOMPARE(tip.CheckBox1->text(), QStringLiteral("Show Tip of the day on startup"));
        QVERIFY(!tip.CheckBox1->isChecked());
        // The captions fit their fixed places in the window's font.
        for (const char* name : {"SpeedButton1", "SpeedButton2", "SpeedButton3"}) {
            QToolButton* b = button(tip, name);
            QVERIFY2(b->fontMetrics().horizontalAdvance(b->text()) <= b->width() - 4, name);
        }
        auto* heading = tip.findChild<QLabel*>(QStringLiteral("Label1"));
        QVERIFY(heading->fontMetrics().horizontalAdvance(heading->text()) <= heading->width());
    }

    void tipWindowShowsAndSteps()
    {
        writeFile(QStringLiteral("config/tip.cfg"), "first\n#\nsecond\n#\nthird\n#\n");
        TFtip tip;
        tip.popUp();
        const int shown = tip.TipIndex();
        QVERIFY(shown >= 0 && shown <= 2);
        QCOMPARE(tip.Label2->text(), tip.tips().texts[shown]);

        button(tip, "SpeedButton1")->click();
        QCOMPARE(tip.TipIndex(), (shown + 1) % 3);
        button(tip, "SpeedButton2")->click();
        button(tip, "SpeedButton2")->click();
        QCOMPARE(tip.TipIndex(), (shown + 2) % 3);
        QCOMPARE(tip.Label2->text(), tip.tips().texts[(shown + 2) % 3]);

        // Asked again while open: the same tip stays.
        const QString onShow = tip.Label2->text();
        tip.popUp();
        QCOMPARE(tip.Label2->text(), onShow);
    }

    void missingTipFileIsReportedAndTheWindowStillWorks()
    {
        ScriptedPrompter prompter;
        TFtip tip(&prompter);
        QCOMPARE(prompter.messages.size(), 1);
        QVERIFY(prompter.messages[0].startsWith(QStringLiteral("Cannot open file \"")));
        QVERIFY(prompter.messages[0].contains(QStringLiteral("config/tip.cfg")));
        tip.popUp();
        QCOMPARE(tip.Label2->text(), QString());
        tip.SpeedButton1Click();
        tip.SpeedButton2Click();
        QCOMPARE(tip.TipIndex(), 0);
        QCOMPARE(tip.Label2->text(), QString());
    }

    void closeStoresTheSettings()
    {
        writeFile(QStringLiteral("config/tip.cfg"), "a\n#\n");
        ScriptedPrompter prompter;
        TFtip tip(&prompter);
        int saves = 0;
        bool saveWorks = false;
        tip.saveSettings = [&](QString* error) {
            ++saves;
            if (!saveWorks)
                *error = QStringLiteral("Unable to write to config/config.ini");
            return saveWorks;
        };
        tip.popUp();
        button(tip, "SpeedButton3")->click();
        QCOMPARE(saves, 1);
        QVERIFY(tip.isVisible()); // a failed save keeps the window open
        QCOMPARE(prompter.messages, strings({"Unable to write to config/config.ini"}));

        saveWorks = true;
        button(tip, "SpeedButton3")->click();
        QCOMPARE(saves, 2);
        QVERIFY(!tip.isVisible());

        tip.popUp();
        tip.close(); // the close box stores nothing
        QCOMPARE(saves, 2);
        QVERIFY(!tip.isVisible());
    }

    void promotionTextIsFixed()
    {
        const QString text = promotionText();
        const QStringList lines = text.split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 6);
        QVERIFY(!text.contains(QLatin1Char('\r')));
        QCOMPARE(lines[0], QStringLiteral("Plese try Linkgauge for more feature such as"));
        QCOMPARE(lines[1],
                 QStringLiteral("-Support Dial up,DSL,Ethernet,ISDN,and other network device"));
        QCOMPARE(lines[4], QStringLiteral("-Sort report base on date"));
        QCOMPARE(lines[5], QStringLiteral("-Bandwidth meter") + QString(62, QLatin1Char(' ')) +
                               QStringLiteral("click here to download"));
    }

    void promotionsRotateAndSurviveReloads()
    {
        const QString file = QStringLiteral("config/iklan.cfg");
        Promotions promotions;
        loadPromotions(promotions, file); // no file yet
        QCOMPARE(nextPromotion(promotions), std::nullopt);

        writeFile(file, "p0\n#\np1\n#\np2\n#\n");
        loadPromotions(promotions, file);
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("p1\n")));
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("p2\n")));
        QCOMPARE(promotions.PromoIndex, 2);

        // No "#": the old entries and the index stay.
        writeFile(file, "broken\n");
        loadPromotions(promotions, file);
        QCOMPARE(promotions.list.last, 2);
        QCOMPARE(promotions.PromoIndex, 2);
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("p0\n")));
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("p1\n")));
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("p2\n")));

        // Fewer entries while the index points past them: the next tick shows entry 0.
        writeFile(file, "q0\n#\nq1\n#\n");
        loadPromotions(promotions, file);
        QCOMPARE(promotions.PromoIndex, 2);
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("q0\n")));

        // One entry: every tick shows it.
        writeFile(file, "only\n#\n");
        loadPromotions(promotions, file);
        for (int tick = 0; tick < 3; ++tick)
            QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("only\n")));

        // A file that has gone keeps what was loaded.
        QFile::remove(file);
        loadPromotions(promotions, file);
        QCOMPARE(nextPromotion(promotions), std::optional<QString>(QStringLiteral("only\n")));
    }

    void shippedFilesHoldEntries()
    {
        for (const char* name : {"config/tip.cfg", "config/iklan.cfg"}) {
            TextBlockList list;
            QVERIFY(loadTextBlockFile(
                list, QStringLiteral(DIALTALLY_SOURCE_DIR "/") + QString::fromLatin1(name),
                nullptr));
            QVERIFY2(list.texts.size() >= 3, name);
            for (const QString& text : std::as_const(list.texts))
                QVERIFY2(!text.trimmed().isEmpty(), name);
        }
    }

    void aboutBox()
    {
        QWidget owner;
        TFabout about(&owner);
        QStringList opened;
        about.openUrl = [&](const QString& url) { opened << url; };
        QCOMPARE(about.windowTitle(), QStringLiteral("Fabout"));
        QCOMPARE(about.size(), QSize(363, 237));
        QVERIFY(!(about.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(about.windowFlags() & Qt::WindowMaximizeButtonHint));
        const QList<std::pair<const char*, QString>> labels = {
            {"Label1", QStringLiteral("Dialtally")},
            {"Label11", QStringLiteral("Version        :")},
            {"Label14", QStringLiteral("2.1")},
            {"Label4", QStringLiteral("go to      :")},
            {"Label5", links::siteBase()},
            {"Label6", QStringLiteral("for update information")},
            {"Label19", QStringLiteral("email support     :")},
            {"Label20", links::supportEmail()},
            {"Label21", QStringLiteral("phone support   :")},
            {"Label22", links::supportPhone()}};
        for (const auto& [name, text] : labels) {
            auto* label = about.findChild<QLabel*>(QString::fromLatin1(name));
            QVERIFY2(label, name);
            QCOMPARE(label->text(), text);
        }
        QVERIFY(links::siteBase().startsWith(QStringLiteral("http://")));
        QVERIFY(links::siteBase().endsWith(QStringLiteral(".example")));
        QVERIFY(links::supportEmail().endsWith(QStringLiteral(".example")));

        about.Label5Click();
        QCOMPARE(opened, QStringList{links::siteBase()});
        UrlCatcher mail({QStringLiteral("mailto")});
        QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("Label20")), Qt::LeftButton);
        QCOMPARE(mail.opened, QList<QUrl>{QUrl(QStringLiteral("mailto:") + links::supportEmail())});
        QCOMPARE(opened.size(), 1);

        QVERIFY(!about.isVisible());
        about.about2Click();
        QVERIFY(about.isVisible());
        about.about2Click(); // already shown: the same box, still shown
        QVERIFY(about.isVisible());
        QCOMPARE(owner.findChildren<TFabout*>().size(), 1);
        button(about, "SpeedButton1")->click();
        QVERIFY(!about.isVisible());
        about.about2Click();
        QVERIFY(about.isVisible());
        about.close(); // the close box hides it as well
        QVERIFY(!about.isVisible());
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
};

QTEST_MAIN(TestTips)
#include "tst_tips.moc"
