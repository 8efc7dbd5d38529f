#pragma once
// What the program needs to know before any window exists: its command line and environment.

#include <QString>
#include <QStringList>

struct StartupOptions {
    QString rasSpec; // the dial-up backend to use
    int pollIntervalMs = 1000;
};

struct StartupResult {
    StartupOptions options;
    QString error; // non-empty: print it and exit with status 2
    bool helpRequested = false;
    QString helpText;
};

// arguments: the whole command line, program name first.
// rasEnvironment, pollEnvironment: DIALTALLY_RAS and DIALTALLY_POLL_MS.
StartupResult parseStartup(const QStringList& arguments, const QString& rasEnvironment,
                           const QString& pollEnvironment);
