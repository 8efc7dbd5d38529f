#pragma once
// The listed part of the log: the rows the grid shows, their count, total time and total cost,
// and erasing exactly those rows.

#include "logfilter.h"

#include <QLocale>
#include <QObject>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <optional>

class QSqlQueryModel;

struct LogTotals {
    qint64 count = 0;
    qint64 seconds = 0;
    double cost = 0;  // rounded to four decimals, like a currency amount
    qint64 maxId = 0; // the newest listed row, 0 when none
};

// The totals as the main window shows them.
struct LogTotalsText {
    QString count = QStringLiteral("0");
    QString time = QStringLiteral("0");
    QString cost = QStringLiteral("0");
};

// What one requery listed: the filter and the newest row it saw (-1: no limit).
struct ListedRows {
    LogFilter filter;
    qint64 maxId = -1;
};

// Count, seconds and cost of the filter's rows; nothing when the log cannot be read.
std::optional<LogTotals> queryTotals(const QSqlDatabase& db, const LogFilter& filter);
// The listed rows' date, time, entry and duration, newest first. A forward-only query reads
// them as they are walked; the grid's model needs one it can move back in.
QSqlQuery queryListedRows(const QSqlDatabase& db, const ListedRows& listed,
                          bool forwardOnly = true);
// "###,##0.00" with the locale's separators.
QString formatCost(double cost, const QLocale& locale);
LogTotalsText totalsText(const LogTotals& totals, const QLocale& locale);
// The entry names found in the log.
QStringList loggedEntries(const QSqlDatabase& db);

class LogView : public QObject {
    Q_OBJECT
public:
    LogView(QSqlDatabase db, QLocale locale, QObject* parent = nullptr);

    // The grid's rows: date, time, entry and duration, newest first, fetched as they are shown.
    QSqlQueryModel* model() const { return ADOQuery1; }

    // Builds the condition that the next requery uses.
    void sortlog(const FilterChoice& choice);
    // Requeries the grid and the totals with the condition last built.
    bool showlog();
    // Erases exactly the rows the last requery listed, then requeries.
    bool clearListed(QString* error);

    const LogFilter& FilterAliased() const { return m_built; }
    const ListedRows& listed() const { return m_listed; }
    const LogTotalsText& totals() const { return m_totals; }

signals:
    // After each requery of the grid, with the new totals.
    void shown(const LogTotalsText& totals);

private:
    QSqlDatabase m_db;
    QLocale m_locale;
    QSqlQueryModel* ADOQuery1;
    LogFilter m_built;
    ListedRows m_listed;
    bool m_anyListed = false;
    LogTotalsText m_totals;
};
