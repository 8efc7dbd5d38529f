#include "startup.h"

#include "rasbackend.h"

#include <QCommandLineParser>

StartupResult parseStartup(const QStringList& arguments, const QString& rasEnvironment,
                           const QString& pollEnvironment) {
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
