// The listed rows: filter patterns, totals computed by the database, and clearing.
#include "logdatabase.h"
#include "logview.h"
#include "testsupport.h"

#include <QSqlQueryModel>
#include <QtTest>

namespace {

void price(const QSqlDatabase& db, const QString& entry, const QString& perHour)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("insert into harga (entry,harga) values (?,?)"));
    q.addBindValue(entry);
    q.addBindValue(perHour);
    QVERIFY(q.exec());
}

QStringList listedEntries(QSqlQueryModel* model)
{
    while (model->canFetchMore())
        model->fetchMore();
    QStringList entries;
    for (int r = 0; r < model->rowCount(); ++r)
        entries << model->index(r, 2).data().toString();
    return entries;
}

FilterChoice choice(const QString& entry, int month, int year)
{
    auto text = [](int index) { return index < 0 ? QString() : QString::number(index); };
    return {entry, month, text(month), year, text(year)};
}

} // namespace

class TestLogView : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        m_view = std::make_unique<LogView>(m_log->connection(),
                                           QLocale(QLocale::English, QLocale::UnitedStates));
    }
    void cleanup()
    {
        m_view.reset();
        m_log.reset();
        m_dir.reset();
    }

    void patterns_data()
    {
        QTest::addColumn<QString>("entryText");
        QTest::addColumn<int>("monthIndex");
        QTest::addColumn<QString>("monthText");
        QTest::addColumn<int>("yearIndex");
        QTest::addColumn<QString>("yearText");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("entry");
        QTest::newRow("all") << QStringLiteral("All") << 0 << QStringLiteral("All") << 0
                             << QStringLiteral("All") << QStringLiteral("%") << QStringLiteral("%")
                             << QStringLiteral("");
        QTest::newRow("nothing selected")
            << QStringLiteral("") << -1 << QStringLiteral("") << -1 << QStringLiteral("")
            << QStringLiteral("%") << QStringLiteral("%") << QStringLiteral("");
        QTest::newRow("september 2005")
            << QStringLiteral("Home") << 9 << QStringLiteral("September") << 5
            << QStringLiteral("2005") << QStringLiteral("09") << QStringLiteral("05")
            << QStringLiteral("Home");
        QTest::newRow("december 2026")
            << QStringLiteral("Office") << 12 << QStringLiteral("December") << 26
            << QStringLiteral("2026") << QStringLiteral("12") << QStringLiteral("26")
            << QStringLiteral("Office");
        QTest::newRow("october 2010") << QStringLiteral("x") << 10 << QStringLiteral("October")
                                      << 10 << QStringLiteral("2010") << QStringLiteral("10")
                                      << QStringLiteral("10") << QStringLiteral("x");
        QTest::newRow("wildcards kept")
            << QStringLiteral("50%_off") << 1 << QStringLiteral("January") << 1
            << QStringLiteral("2001") << QStringLiteral("01") << QStringLiteral("01")
            << QStringLiteral("50%_off");
    }
    void patterns()
    {
        QFETCH(QString, entryText);
        QFETCH(int, monthIndex);
        QFETCH(QString, monthText);
        QFETCH(int, yearIndex);
        QFETCH(QString, yearText);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, entry);
        const LogFilter f = sortlog({entryText, monthIndex, monthText, yearIndex, yearText});
        QCOMPARE(f.month, month);
        QCOMPARE(f.year, year);
        QCOMPARE(f.entry, entry);
    }

    void totalsCoverExactlyTheListedRows()
    {
        insertLogRows(m_log->connection(), {{"Home", "03", "26", 3600},
                                            {"home", "03", "26", 1800},  // same entry, other case
                                            {"Office", "03", "26", 125}, // never priced
                                            {"Home", "04", "26", 60},
                                            {"Home", "03", "25", 60}});
        price(m_log->connection(), QStringLiteral("HOME"), QStringLiteral("1234.56"));
        QSignalSpy shown(m_view.get(), &LogView::shown);

        m_view->sortlog(choice(QString(), 3, 26));
        QVERIFY(m_view->showlog());
        QCOMPARE(listedEntries(m_view->model()),
                 (QStringList{QStringLiteral("Office"), QStringLiteral("home"),
                              QStringLiteral("Home")}));
        QCOMPARE(m_view->totals().count, QStringLiteral("3"));
        QCOMPARE(m_view->totals().time, QStringLiteral("1:32:5"));   // 5525 s: all three rows
        QCOMPARE(m_view->totals().cost, QStringLiteral("1,851.84")); // 1.5 h of Home only
        QCOMPARE(shown.size(), 1);

        m_view->sortlog(choice(QStringLiteral("HOME"), 0, 0));
        QVERIFY(m_view->showlog());
        QCOMPARE(listedEntries(m_view->model()).size(), 4);
        QCOMPARE(m_view->totals().count, QStringLiteral("4"));
    }

    void nothingListedShowsZeros()
    {
        insertLogRows(m_log->connection(), {{"Home", "03", "26", 60}});
        m_view->sortlog(choice(QString(), 5, 26));
        QVERIFY(m_view->showlog());
        QVERIFY(listedEntries(m_view->model()).isEmpty());
        QCOMPARE(m_view->totals().count, QStringLiteral("0"));
        QCOMPARE(m_view->totals().time, QStringLiteral("0"));
        QCOMPARE(m_view->totals().cost, QStringLiteral("0.00"));
    }

    void costFollowsTheLocale_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<double>("cost");
        QTest::addColumn<QString>("text");
        QTest::newRow("en_US") << QLocale(QLocale::English, QLocale::UnitedStates) << 1234567.891
                               << QStringLiteral("1,234,567.89");
        QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << 1234567.891
                               << QStringLiteral("1.234.567,89");
        QTest::newRow("small") << QLocale(QLocale::English, QLocale::UnitedStates) << 0.005
                               << QStringLiteral("0.01");
        QTest::newRow("zero") << QLocale(QLocale::German, QLocale::Germany) << 0.0
                              << QStringLiteral("0,00");
    }
    void costFollowsTheLocale()
    {
        QFETCH(QLocale, locale);
        QFETCH(double, cost);
        QFETCH(QString, text);
        QCOMPARE(formatCost(cost, locale), text);
    }

    void entryNamesMatchAsText()
    {
        insertLogRows(m_log->connection(), {{"50%_off", "03", "26", 60},
                                            {"50% and more off", "03", "26", 60},
                                            {"50X_off", "03", "26", 60},
                                            {"Say \"hi\"", "03", "26", 60}});
        m_view->sortlog(choice(QStringLiteral("50%_off"), 0, 0));
        QVERIFY(m_view->showlog());
        QCOMPARE(listedEntries(m_view->model()), QStringList{QStringLiteral("50%_off")});
        m_view->sortlog(choice(QStringLiteral("Say \"hi\""), 0, 0));
        QVERIFY(m_view->showlog());
        QCOMPARE(listedEntries(m_view->model()), QStringList{QStringLiteral("Say \"hi\"")});

        // Clearing one of them leaves its look-alikes.
        QVERIFY(m_view->clearListed(nullptr));
        QCOMPARE(loggedEntries(m_log->connection()).size(), 3);
    }

    void clearingErasesExactlyTheListedRows()
    {
        insertLogRows(
            m_log->connection(),
            {{"Home", "03", "26", 60}, {"Office", "03", "26", 60}, {"Home", "04", "26", 60}});
        QVERIFY(m_view->clearListed(nullptr)); // nothing listed yet: nothing erased
        QCOMPARE(loggedEntries(m_log->connection()).size(), 2);

        m_view->sortlog(choice(QStringLiteral("Home"), 3, 26));
        QVERIFY(m_view->showlog());
        // The lists change without a requery, and a row arrives: neither widens the erase.
        m_view->sortlog(choice(QString(), 0, 0));
        insertLogRows(m_log->connection(), {{"Home", "03", "26", 7}});
        QVERIFY(m_view->clearListed(nullptr));
        const auto left = selectRows(
            m_log->connection(), QStringLiteral("SELECT Entry,bulan,waktua FROM log ORDER BY id"));
        QCOMPARE(left, (QList<QVariantList>{{QStringLiteral("Office"), QStringLiteral("03"), 60},
                                            {QStringLiteral("Home"), QStringLiteral("04"), 60},
                                            {QStringLiteral("Home"), QStringLiteral("03"), 7}}));
        // The clearing requeried with the condition built last.
        QCOMPARE(m_view->totals().count, QStringLiteral("3"));
    }

    void loggedEntriesAreDistinct()
    {
        QVERIFY(loggedEntries(m_log->connection()).isEmpty());
        insertLogRows(m_log->connection(),
                      {{"B", "03", "26", 1}, {"A", "03", "26", 1}, {"B", "03", "26", 1}});
        QStringList names = loggedEntries(m_log->connection());
        names.sort();
        QCOMPARE(names, (QStringList{QStringLiteral("A"), QStringLiteral("B")}));
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    std::unique_ptr<LogDatabase> m_log;
    std::unique_ptr<LogView> m_view;
};

QTEST_GUILESS_MAIN(TestLogView)
#include "tst_logview.moc"
