#pragma once
// Which rows of the log the main window lists: the filter lists' choices turned into patterns,
// and the patterns into one SQL condition with bound values.

#include <QString>
#include <QVariantList>

// What the three filter lists show.
struct FilterChoice {
    QString entryText;   // "All", an entry name, or empty when nothing is selected
    int monthIndex = -1; // 0 = All, 1..12
    QString monthText;
    int yearIndex = -1; // 0 = All, else the year - 2000
    QString yearText;
};

struct LogFilter {
    static QString any() { return QStringLiteral("%"); }

    QString month = any(); // "%" or two digits
    QString year = any();  // "%" or two digits
    QString entry;         // empty for every entry, else a name matched as text, any case

    bool operator==(const LogFilter&) const = default;
};

// The patterns for the lists' current choices.
LogFilter sortlog(const FilterChoice& choice);

// The condition over table log (alias may be empty) selecting the filter's rows, limited to
// ids up to maxId when maxId >= 0. Starts with "WHERE ".
struct SqlCondition {
    QString text;
    QVariantList values;
};
SqlCondition logCondition(const LogFilter& filter, const QString& alias, qint64 maxId = -1);
