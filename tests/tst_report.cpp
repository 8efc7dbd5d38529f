// The usage report, read back from the PDF it writes: pages, bands, order and totals.
#include "logdatabase.h"
#include "logview.h"
#include "reportcli.h"
#include "reportcommand.h"
#include "reportoutput.h"
#include "testsupport.h"
#include "uprintlog.h"

#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct PdfWord {
    int page;
    double x, y; // points from the page's top-left corner
    QString text;
};

// Every word of the PDF with its page and position, through pdftotext -bbox.
QList<PdfWord> readWords(const QString& pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    static const char* const pattern =
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re";
    static const QRegularExpression tag(QString::fromLatin1(pattern));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = tag.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page"))) {
            ++page;
            continue;
        }
        QString text = m.captured(3);
        text.replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        words << PdfWord{page, m.captured(1).toDouble(), m.captured(2).toDouble(), text};
    }
    return words;
}

QList<PdfWord> find(const QList<PdfWord>& words, const QString& text)
{
    QList<PdfWord> found;
    for (const PdfWord& w : words)
        if (w.text == text)
            found << w;
    return found;
}

int pageCount(const QList<PdfWord>& words)
{
    int pages = 0;
    for (const PdfWord& w : words)
        pages = std::max(pages, w.page);
    return pages;
}

constexpr double mmToPt = 72.0 / 25.4;

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the reports back");
    }
    void init()
    {
        m_dir = std::make_unique<TempWorkdir>();
        m_log = LogDatabase::open(QStringLiteral("config/log.db"), nullptr);
        m_pdf = m_dir->file(QStringLiteral("report.pdf"));
    }
    void cleanup()
    {
        m_log.reset();
        m_dir.reset();
    }

    // Rows "E1" (oldest) to "En" (newest), durations "0:0:i", one per second.
    void addRows(int n, const QByteArray& month = "03")
    {
        QList<LogRow> rows;
        for (int i = 1; i <= n; ++i)
            rows.append({"E" + QByteArray::number(i), month, "26", i});
        insertLogRows(m_log->connection(), rows);
    }

    // The report as the main window would make it for the filter.
    QList<PdfWord> report(const FilterChoice& choice, const ReportHeading& heading)
    {
        LogView view(m_log->connection(), QLocale(QLocale::English, QLocale::UnitedStates));
        view.sortlog(choice);
        if (!view.showlog())
            return {};
        TFprintlog form;
        prepareReport(form, heading, view.totals(), m_log->connection(), view.listed());
        QString error;
        if (!writeReportPdf(form, m_pdf, &error)) {
            qWarning("%s", qPrintable(error));
            return {};
        }
        return readWords(m_pdf);
    }

    void linesFlowOntoFurtherPages()
    {
        addRows(120);
        const QList<PdfWord> words =
            report({QStringLiteral("All"), 3, QStringLiteral("March"), 26, QStringLiteral("2026")},
                   {QStringLiteral("March"), QStringLiteral("2026"), QStringLiteral("All")});
        QVERIFY(pageCount(words) >= 3);
        // Title and headings once, on page 1.
        QCOMPARE(find(words, QStringLiteral("networking")).size(), 1);
        QCOMPARE(find(words, QStringLiteral("networking")).first().page, 1);
        QCOMPARE(find(words, QStringLiteral("Date")).size(), 1);
        QCOMPARE(find(words, QStringLiteral("March")).size(), 1);
        // Every row once, newest first, each line 5.29 mm below the one before.
        QList<PdfWord> lines;
        for (int i = 120; i >= 1; --i) {
            const QList<PdfWord> w = find(words, QStringLiteral("E%1").arg(i));
            QCOMPARE(w.size(), 1);
            lines << w.first();
        }
        for (int i = 1; i < lines.size(); ++i) {
            const PdfWord& a = lines[i - 1];
            const PdfWord& b = lines[i];
            QVERIFY(b.page > a.page || (b.page == a.page && b.y > a.y));
            if (a.page == b.page)
                QVERIFY(qAbs(b.y - a.y - 5.29 * mmToPt) < 0.2);
        }
        QCOMPARE(lines.first().page, 1);
        // Later pages start at the top margin with detail lines only.
        const auto secondPageFirst =
            std::find_if(lines.begin(), lines.end(), [](const PdfWord& w) { return w.page == 2; });
        QVERIFY(secondPageFirst->y < 12.7 * mmToPt + 3);
        // The summary follows the last line, with the window's totals.
        const PdfWord summary = find(words, QStringLiteral("Summary")).value(0);
        QCOMPARE(summary.page, lines.last().page);
        QVERIFY(summary.y > lines.last().y);
        QCOMPARE(find(words, QStringLiteral("120")).value(0).page, summary.page); // the count
        QCOMPARE(find(words, QStringLiteral("2:1:0")).size(), 1);                 // 7260 s
        QCOMPARE(find(words, QStringLiteral("0.00")).size(), 1);
    }

    void emptyReportHasOneEmptyLine()
    {
        addRows(3, "04");
        const QList<PdfWord> words = report({QString(), 3, QStringLiteral("March"), -1, QString()},
                                            {QStringLiteral("March"), QString(), QString()});
        QCOMPARE(pageCount(words), 1);
        QCOMPARE(find(words, QStringLiteral("All")).size(), 2); // empty year and entry read "All"
        QVERIFY(find(words, QStringLiteral("E1")).isEmpty());
        const PdfWord heading = find(words, QStringLiteral("Duration")).value(0);
        const PdfWord summary = find(words, QStringLiteral("Summary")).value(0);
        // Headings, one empty detail line, then the summary band.
        QVERIFY(summary.y - heading.y > (6.61 + 5.29) * mmToPt - 1);
        QCOMPARE(find(words, QStringLiteral("0")).size(), 2); // count and time
        QCOMPARE(find(words, QStringLiteral("0.00")).size(), 1);
    }

    void longEntryWrapsInsideItsBox()
    {
        insertLogRows(m_log->connection(),
                      {{"Alpha Bravo Charlie Delta Echo Foxtrot Golf Hotel", "03", "26", 1},
                       {"Next", "03", "26", 2}});
        const QList<PdfWord> words = report({QString(), 0, QString(), 0, QString()}, {});
        QVERIFY(!find(words, QStringLiteral("Alpha")).isEmpty());
        QVERIFY(find(words, QStringLiteral("Hotel")).isEmpty()); // the second line is cut off
        const PdfWord next = find(words, QStringLiteral("Next")).value(0);
        const PdfWord alpha = find(words, QStringLiteral("Alpha")).value(0);
        QVERIFY(qAbs(alpha.y - next.y - 5.29 * mmToPt) < 0.2);
    }

    void commandLineReport()
    {
        addRows(5);
        insertLogRows(m_log->connection(), {{"e3", "03", "25", 9}});
        ReportRequest request;
        request.pdfPath = m_pdf;
        request.month = 3;
        request.year = 2026;
        request.entry = QStringLiteral("e3");
        QString error;
        QCOMPARE(writeRequestedReport(request, QStringLiteral("config/log.db"), &error), 0);
        const QList<PdfWord> words = readWords(m_pdf);
        QCOMPARE(find(words, QStringLiteral("E3")).size(), 1); // any case; not the 2025 row
        QCOMPARE(find(words, QStringLiteral("March")).size(), 1);
        QCOMPARE(find(words, QStringLiteral("2026")).size(), 1);
        QCOMPARE(find(words, QStringLiteral("0:0:3")).size(), 2); // the line and the total time

        request.pdfPath = m_dir->file(QStringLiteral("no/such/folder/report.pdf"));
        QCOMPARE(writeRequestedReport(request, QStringLiteral("config/log.db"), &error), 1);
        QVERIFY2(error.contains(QStringLiteral("cannot write")), qPrintable(error));
        QCOMPARE(writeRequestedReport(request, QStringLiteral("config/missing.db"), &error), 1);
        QVERIFY(!QFile::exists(QStringLiteral("config/missing.db")));
    }

private:
    std::unique_ptr<TempWorkdir> m_dir;
    std::unique_ptr<LogDatabase> m_log;
    QString m_pdf;
};

QTEST_MAIN(TestReport)
#include "tst_report.moc"
