#pragma once

#include "startup.h"

#include <QString>

// Writes the usage report for the request's filter from the log at logPath. Returns the exit
// status: 0 when the file was written, else 1 with the reason in error.
int writeRequestedReport(const ReportRequest& request, const QString& logPath, QString* error);
