#include "autostart.h"
#include "dialogs.h"
#include "logdatabase.h"
#include "rasbackend.h"
#include "reportcli.h"
#include "singleinstance.h"
#include "startup.h"
#include "termination.h"
#include "uabout.h"
#include "uconfig.h"
#include "umain.h"
#include "uprintlog.h"
#include "utip.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QSystemTrayIcon>

#include <cstdio>
#include <memory>

namespace {

int failUsage(const QString& message)
{
    std::fprintf(stderr, "dialtally: %s\n", qUtf8Printable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const StartupResult startup = parseStartup(arguments, qEnvironmentVariable("DIALTALLY_RAS"),
                                               qEnvironmentVariable("DIALTALLY_POLL_MS"));
    if (startup.helpRequested) {
        std::fputs(qUtf8Printable(startup.helpText), stdout);
        return 0;
    }
    if (!startup.error.isEmpty())
        return failUsage(startup.error);
    QString error;
    if (startup.options.report) {
        // No window and no display needed; the log is only read.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        const int status = writeRequestedReport(
            *startup.options.report, QString::fromLatin1(LogDatabase::defaultPath), &error);
        if (status != 0)
            std::fprintf(stderr, "dialtally: %s\n", qUtf8Printable(error));
        return status;
    }
    std::unique_ptr<ras::RasApi> backend = ras::createBackend(startup.options.rasSpec, &error);
    if (!backend)
        return failUsage(error);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("dialtally"));
    QApplication::setApplicationDisplayName(QStringLiteral("Dialtally"));
    QApplication::setQuitOnLastWindowClosed(false);

    // One copy per data folder records; a later one brings the first to the front.
    SingleInstance instance(SingleInstance::instanceKey(QDir::currentPath()));
    if (!instance.tryAcquire()) {
        instance.notifyRunning();
        return 0;
    }

    MessageBoxPrompter prompter;
    SystemClock clock;
    MainWindowServices services;
    services.dialUp = std::make_unique<TDialUp>(std::move(backend));
    services.database = LogDatabase::open(QString::fromLatin1(LogDatabase::defaultPath), &error);
    if (!services.database) {
        prompter.error(nullptr, error);
        return 1;
    }
    services.clock = &clock;
    services.prompter = &prompter;
    services.pollIntervalMs = startup.options.pollIntervalMs;
    services.useTray = QSystemTrayIcon::isSystemTrayAvailable();

    TFmain Fmain(std::move(services));
    TerminationWatcher termination;
    QObject::connect(&termination, &TerminationWatcher::terminationRequested, &Fmain,
                     &TFmain::terminate);
    Fmain.start();
    TFabout Fabout(&Fmain);
    Fabout.openUrl = [&Fmain](const QString& url) { Fmain.OpenURL(url); };
    TFtip Ftip(&prompter, &Fmain);
    std::unique_ptr<Autostart> autostart = systemAutostart();
    TFconfig Fconfig(Fmain, prompter, *autostart, &Fmain);
    Fconfig.setTipCheckBox(Ftip.CheckBox1);
    Ftip.saveSettings = [&Fconfig](QString* error) { return Fconfig.savecfg(error); };
    std::unique_ptr<TFprintlog> Fprintlog = std::make_unique<TFprintlog>();
    Fmain.setForms(&Fabout, &Ftip, &Fconfig, Fprintlog.get());

    QObject::connect(&instance, &SingleInstance::activationRequested, &Fmain, &TFmain::trayRestore);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &Fmain,
                     [&Fmain](QSessionManager&) { Fmain.sessionEnding(); });

    if (Fmain.ending()) // ended while a start-up message was open
        return 0;
    Fmain.scheduleStartup();
    return QApplication::exec();
}
