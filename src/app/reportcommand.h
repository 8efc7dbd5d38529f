#pragma once
// The usage report's content: the filter's heading, the totals as the main window shows them,
// and the rows it lists.

#include "logview.h"

#include <QSqlDatabase>

class TFprintlog;

struct ReportHeading {
    QString month, year, entry; // what the filter lists show; "All" stands for an empty text
};

void prepareReport(TFprintlog& form, const ReportHeading& heading, const LogTotalsText& totals,
                   const QSqlDatabase& db, const ListedRows& rows);

// The one message of a report that cannot be made.
QString printerMessage();
