// The log view on a large log: one million rows over ten years and twenty entries.
// Prints the requery times beside the same aggregate statements run by the sqlite3 shell,
// the memory the "All" listing adds, and the report's time for growing row counts.
#include "logdatabase.h"
#include "logview.h"
#include "reportcommand.h"
#include "reportoutput.h"
#include "uprintlog.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QTemporaryDir>

#include <cstdio>
#include <random>

namespace {

constexpr int rowCount = 1000000;

void fill(const QSqlDatabase& db, int rows)
{
    std::mt19937 random(42);
    QSqlQuery q(db);
    q.exec(QStringLiteral("BEGIN"));
    q.prepare(QStringLiteral(
        "insert into log (waktu,Usera,Entry,Duration,tanggal,speed,bulan,tahun,waktua) "
        "values ('10:00:00','Local',?,'0:1:0','1/1/20',0,?,?,?)"));
    for (int i = 0; i < rows; ++i) {
        const int month = i % 12 + 1;
        const int year = 16 + (i / 12) % 10;
        q.addBindValue(
            QStringLiteral("ISP %1").arg(int(random() % 20) + 1, 2, 10, QLatin1Char('0')));
        q.addBindValue(QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')));
        q.addBindValue(QString::number(year));
        q.addBindValue(int(random() % 7200));
        q.exec();
    }
    q.exec(QStringLiteral("COMMIT"));
    for (int i = 1; i <= 20; ++i)
        q.exec(QStringLiteral("insert into harga (entry,harga) values ('ISP %1', %2)")
                   .arg(i, 2, 10, QLatin1Char('0'))
                   .arg(1000 + i));
}

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Milliseconds the sqlite3 shell reports for the view's two aggregate statements.
double shellMs(const QString& file, const QString& where)
{
    const QString script =
        QStringLiteral(".timer on\n"
                       "SELECT COUNT(*), SUM(a.waktua), MAX(a.id) FROM log a %1;\n"
                       "SELECT SUM(a.waktua * b.harga / 3600.0) FROM log a, harga b %1 AND a.entry "
                       "= b.entry;\n")
            .arg(where);
    QProcess p;
    p.start(QStringLiteral("sqlite3"), {file});
    p.write(script.toUtf8());
    p.closeWriteChannel();
    p.waitForFinished(-1);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    static const QRegularExpression real(QStringLiteral("Run Time: real ([0-9.]+)"));
    double seconds = 0;
    for (auto it = real.globalMatch(out); it.hasNext();)
        seconds += it.next().captured(1).toDouble();
    return seconds * 1000;
}

double showlogMs(LogView& view, const FilterChoice& choice)
{
    view.sortlog(choice);
    view.showlog(); // warm the cache as the shell's second run would be
    QElapsedTimer timer;
    timer.start();
    view.showlog();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    const QString file = dir.filePath(QStringLiteral("config/log.db"));
    auto log = LogDatabase::open(file, nullptr);
    fill(log->connection(), rowCount);

    LogView view(log->connection(), QLocale::system());
    const FilterChoice oneMonth{QStringLiteral("ISP 07"), 3, QStringLiteral("March"), 21,
                                QStringLiteral("2021")};
    const FilterChoice all{QStringLiteral("All"), 0, QStringLiteral("All"), 0,
                           QStringLiteral("All")};

    shellMs(file, QStringLiteral("WHERE 1")); // warm the file cache
    const double monthMs = showlogMs(view, oneMonth);
    const double monthShell = shellMs(
        file, QStringLiteral(
                  "WHERE a.bulan = '03' AND a.tahun = '21' AND a.entry = 'ISP 07' COLLATE NOCASE "
                  "AND a.usera IS NOT NULL"));
    const long before = rssKiB();
    const double allMs = showlogMs(view, all);
    const long after = rssKiB();
    const double allShell =
        shellMs(file, QStringLiteral("WHERE a.bulan IS NOT NULL AND a.tahun IS NOT NULL AND "
                                     "a.entry IS NOT NULL AND a.usera IS NOT NULL"));
    std::printf("BENCH showlog_one_month_one_entry %.2f ms\n", monthMs);
    std::printf("BENCH sqlite3_one_month_one_entry %.2f ms\n", monthShell);
    std::printf("BENCH showlog_one_month_ratio %.2f x\n", monthMs / monthShell);
    std::printf("BENCH showlog_all %.2f ms\n", allMs);
    std::printf("BENCH sqlite3_all %.2f ms\n", allShell);
    std::printf("BENCH showlog_all_ratio %.2f x\n", allMs / allShell);
    std::printf("BENCH showlog_all_rss_growth %ld KiB\n", after - before);

    // The report: its time per row should not grow with the number of rows.
    for (const int rows : {1000, 10000}) {
        QSqlDatabase db = log->connection();
        const ListedRows listed{LogFilter{}, rows};
        TFprintlog form;
        prepareReport(form, {}, view.totals(), db, listed);
        QElapsedTimer timer;
        timer.start();
        writeReportPdf(form, dir.filePath(QStringLiteral("report.pdf")), nullptr);
        const double ms = timer.nsecsElapsed() / 1e6;
        std::printf("BENCH report_pdf_%d_rows %.1f ms\n", rows, ms);
        std::printf("BENCH report_pdf_per_row_%d %.3f ms\n", rows, ms / rows);
    }
    return 0;
}
