#pragma once
// What the program needs to know before any window exists: its command line and environment.

#include <QString>
#include <QStringList>

#include <optional>

// --report-pdf: write the usage report to a file instead of starting.
struct ReportRequest {
    QString pdfPath;
    std::optional<int> month; // 1..12; none: every month
    std::optional<int> year;  // 2000..2099; none: every year
    std::optional<QString> entry;
};

struct StartupOptions {
    QString rasSpec; // the dial-up backend to use
    int pollIntervalMs = 1000;
    std::optional<ReportRequest> report;
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
