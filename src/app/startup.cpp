#include "startup.h"

#include "rasbackend.h"

#include <QCommandLineParser>

StartupResult parseStartup(const QStringList& arguments, const QString& rasEnvironment,
                           const QString& pollEnvironment)
{
    StartupResult result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Records how long each dial-up connection is online and what it costs."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption ras(
        QStringLiteral("ras"),
        QStringLiteral(
            "Dial-up backend: ppp, ppp:ROOT or sim:FILE (default: $DIALTALLY_RAS, else %1).")
            .arg(ras::defaultBackendSpec()),
        QStringLiteral("SPEC"));
    parser.addOption(ras);
    const QCommandLineOption reportPdf(
        QStringLiteral("report-pdf"),
        QStringLiteral("Write the usage report to FILE as PDF and exit, without starting."),
        QStringLiteral("FILE"));
    const QCommandLineOption month(QStringLiteral("month"),
                                   QStringLiteral("With --report-pdf: the month, 1 to 12."),
                                   QStringLiteral("1-12"));
    const QCommandLineOption year(QStringLiteral("year"),
                                  QStringLiteral("With --report-pdf: the year, such as 2026."),
                                  QStringLiteral("YYYY"));
    const QCommandLineOption entry(QStringLiteral("entry"),
                                   QStringLiteral("With --report-pdf: the dial-up entry."),
                                   QStringLiteral("NAME"));
    parser.addOptions({reportPdf, month, year, entry});
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(help)) {
        result.helpRequested = true;
        result.helpText = parser.helpText();
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        result.error =
            QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first());
        return result;
    }
    if (parser.isSet(ras) && parser.value(ras).isEmpty()) {
        result.error = QStringLiteral("--ras needs a backend");
        return result;
    }
    result.options.rasSpec = ras::chooseBackendSpec(parser.value(ras), rasEnvironment);

    if (parser.isSet(reportPdf)) {
        ReportRequest request;
        request.pdfPath = parser.value(reportPdf);
        if (request.pdfPath.isEmpty()) {
            result.error = QStringLiteral("--report-pdf needs a file name");
            return result;
        }
        auto number = [&](const QCommandLineOption& option, int low, int high,
                          const char* what) -> std::optional<int> {
            bool ok = false;
            const int value = parser.value(option).trimmed().toInt(&ok);
            if (!ok || value < low || value > high) {
                result.error = QStringLiteral("--%1 must be %2 from %3 to %4, not \"%5\"")
                                   .arg(option.names().constFirst(), QString::fromLatin1(what))
                                   .arg(low)
                                   .arg(high)
                                   .arg(parser.value(option));
                return std::nullopt;
            }
            return value;
        };
        if (parser.isSet(month) && !(request.month = number(month, 1, 12, "a month")))
            return result;
        if (parser.isSet(year) && !(request.year = number(year, 2000, 2099, "a year")))
            return result;
        if (parser.isSet(entry)) {
            if (parser.value(entry).isEmpty()) {
                result.error = QStringLiteral("--entry needs an entry name");
                return result;
            }
            request.entry = parser.value(entry);
        }
        result.options.report = request;
    } else if (parser.isSet(month) || parser.isSet(year) || parser.isSet(entry)) {
        result.error = QStringLiteral("--month, --year and --entry go with --report-pdf");
        return result;
    }

    if (!pollEnvironment.isEmpty()) {
        bool ok = false;
        const int ms = pollEnvironment.toInt(&ok);
        if (ok && ms > 0)
            result.options.pollIntervalMs = ms;
        else
            result.error =
                QStringLiteral("DIALTALLY_POLL_MS must be a positive number of milliseconds");
    }
    return result;
}
