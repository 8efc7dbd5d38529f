#include "logview.h"

#include "duration.h"

#include <QSqlError>
#include <QSqlQueryModel>

#include <cmath>

namespace {

bool execWith(QSqlQuery& q, const QString& statement, const QVariantList& values)
{
    if (!q.prepare(statement))
        return false;
    for (const QVariant& v : values)
        q.addBindValue(v);
    return q.exec();
}

void warn(const char* what, const QSqlQuery& q)
{
    qWarning("dialtally: %s: %s", what, qUtf8Printable(q.lastError().text()));
}

} // namespace

std::optional<LogTotals> queryTotals(const QSqlDatabase& db, const LogFilter& filter)
{
    const SqlCondition where = logCondition(filter, QStringLiteral("a"));
    LogTotals totals;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!execWith(
            q, QStringLiteral("SELECT COUNT(*), SUM(a.waktua), MAX(a.id) FROM log a ") + where.text,
            where.values) ||
        !q.next()) {
        warn("the totals cannot be read", q);
        return std::nullopt;
    }
    totals.count = q.value(0).toLongLong();
    totals.seconds = q.value(1).toLongLong();
    totals.maxId = q.value(2).toLongLong(); // 0 when nothing is listed

    // Rows of an entry without a price add nothing to the cost.
    if (!execWith(q,
                  QStringLiteral("SELECT SUM(a.waktua * b.harga / 3600.0) FROM log a, harga b ") +
                      where.text + QStringLiteral(" AND a.entry = b.entry"),
                  where.values) ||
        !q.next()) {
        warn("the total cost cannot be read", q);
        return std::nullopt;
    }
    totals.cost = std::round(q.value(0).toDouble() * 10000.0) / 10000.0;
    return totals;
}

QSqlQuery queryListedRows(const QSqlDatabase& db, const ListedRows& listed, bool forwardOnly)
{
    const SqlCondition where = logCondition(listed.filter, QStringLiteral("a"), listed.maxId);
    QSqlQuery q(db);
    q.setForwardOnly(forwardOnly);
    if (!execWith(q,
                  QStringLiteral("SELECT a.tanggal, a.waktu, a.Entry, a.Duration FROM log a ") +
                      where.text + QStringLiteral(" ORDER BY a.id DESC"),
                  where.values))
        warn("the listed rows cannot be read", q);
    return q;
}

QString formatCost(double cost, const QLocale& locale)
{
    QLocale l = locale;
    l.setNumberOptions(l.numberOptions() & ~QLocale::OmitGroupSeparator);
    return l.toString(cost, 'f', 2);
}

LogTotalsText totalsText(const LogTotals& totals, const QLocale& locale)
{
    LogTotalsText text;
    if (totals.count > 0) {
        text.count = QString::number(totals.count);
        text.time = olahwaktu(totals.seconds);
    }
    text.cost = formatCost(totals.cost, locale);
    return text;
}

QStringList loggedEntries(const QSqlDatabase& db)
{
    QStringList names;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT DISTINCT entry FROM log"))) {
        warn("the logged entries cannot be read", q);
        return names;
    }
    while (q.next())
        names << q.value(0).toString();
    return names;
}

LogView::LogView(QSqlDatabase db, QLocale locale, QObject* parent)
    : QObject(parent)
    , m_db(std::move(db))
    , m_locale(std::move(locale))
    , ADOQuery1(new QSqlQueryModel(this))
{
    ADOQuery1->setObjectName(QStringLiteral("ADOQuery1"));
}

void LogView::sortlog(const FilterChoice& choice)
{
    m_built = ::sortlog(choice);
}

bool LogView::showlog()
{
    // Totals first: the newest row they count bounds the rows the grid lists.
    const std::optional<LogTotals> totals = queryTotals(m_db, m_built);
    if (!totals)
        return false;
    const ListedRows listed{m_built, totals->maxId};
    QSqlQuery rows = queryListedRows(m_db, listed, false);
    if (!rows.isActive())
        return false;
    ADOQuery1->setQuery(std::move(rows));
    m_listed = listed;
    m_anyListed = true;
    m_totals = totalsText(*totals, m_locale);
    emit shown(m_totals);
    return true;
}

bool LogView::clearListed(QString* error)
{
    if (!m_anyListed)
        return true; // the grid lists nothing, so there is nothing to erase
    const SqlCondition where = logCondition(m_listed.filter, QString(), m_listed.maxId);
    QSqlQuery q(m_db);
    if (!execWith(q, QStringLiteral("DELETE FROM log ") + where.text, where.values)) {
        if (error)
            *error = q.lastError().text();
        return false;
    }
    showlog();
    return true;
}
