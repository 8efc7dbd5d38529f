#include "reportcli.h"

#include "logdatabase.h"
#include "logview.h"
#include "reportcommand.h"
#include "reportoutput.h"
#include "uprintlog.h"

int writeRequestedReport(const ReportRequest& request, const QString& logPath, QString* error)
{
    // Read only: a running copy keeps recording undisturbed.
    auto log = LogDatabase::open(logPath, error, LogDatabase::ReadOnly);
    if (!log)
        return 1;

    LogFilter filter;
    ReportHeading heading;
    if (request.month) {
        filter.month = QStringLiteral("%1").arg(*request.month, 2, 10, QLatin1Char('0'));
        heading.month = QLocale(QLocale::English).standaloneMonthName(*request.month);
    }
    if (request.year) {
        filter.year = QStringLiteral("%1").arg(*request.year % 100, 2, 10, QLatin1Char('0'));
        heading.year = QString::number(*request.year);
    }
    if (request.entry) {
        filter.entry = *request.entry;
        heading.entry = *request.entry;
    }
    const std::optional<LogTotals> totals = queryTotals(log->connection(), filter);
    if (!totals) {
        if (error)
            *error = QStringLiteral("the usage log \"%1\" cannot be read").arg(logPath);
        return 1;
    }
    TFprintlog form;
    prepareReport(form, heading, totalsText(*totals, QLocale::system()), log->connection(),
                  ListedRows{filter, totals->maxId});
    return writeReportPdf(form, request.pdfPath, error) ? 0 : 1;
}
