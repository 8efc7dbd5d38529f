#include "logfilter.h"

namespace {

// "%" for All or nothing selected, else the index as two digits.
QString indexPattern(int index, const QString& text)
{
    if (index <= 0 || text.isEmpty())
        return LogFilter::any();
    return QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
}

} // namespace

LogFilter sortlog(const FilterChoice& choice)
{
    LogFilter filter;
    filter.month = indexPattern(choice.monthIndex, choice.monthText);
    filter.year = indexPattern(choice.yearIndex, choice.yearText);
    if (!choice.entryText.isEmpty() && choice.entryText != QStringLiteral("All"))
        filter.entry = choice.entryText;
    return filter;
}

SqlCondition logCondition(const LogFilter& filter, const QString& alias, qint64 maxId)
{
    const QString a = alias.isEmpty() ? QString() : alias + QLatin1Char('.');
    SqlCondition c;
    QStringList terms;
    // "%" matches every value but NULL; two digits hold no wildcard and compare as text.
    auto add = [&](const QString& column, const QString& pattern) {
        if (pattern == LogFilter::any()) {
            terms << a + column + QStringLiteral(" IS NOT NULL");
            return;
        }
        terms << a + column + QStringLiteral(" = ?");
        c.values << pattern;
    };
    add(QStringLiteral("bulan"), filter.month);
    add(QStringLiteral("tahun"), filter.year);
    if (filter.entry.isEmpty()) {
        add(QStringLiteral("entry"), LogFilter::any());
    } else {
        // An entry name is literal text: "%" and "_" in it match only themselves.
        terms << a + QStringLiteral("entry = ? COLLATE NOCASE");
        c.values << filter.entry;
    }
    add(QStringLiteral("usera"), LogFilter::any());
    if (maxId >= 0) {
        terms << a + QStringLiteral("id <= ?");
        c.values << maxId;
    }
    c.text = QStringLiteral("WHERE ") + terms.join(QStringLiteral(" AND "));
    return c;
}
