#include "costsettings.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

std::optional<QString> test_number(const QString& text)
{
    // Spaces and control characters around the number do not count.
    qsizetype first = 0, last = text.size();
    while (first < last && text[first].unicode() <= 32)
        ++first;
    while (last > first && text[last - 1].unicode() <= 32)
        --last;
    QString number = text.mid(first, last - first);
    if (number.isEmpty())
        number = QStringLiteral("0");
    static const QRegularExpression plain(QStringLiteral("^[+-]?(\\d+(\\.\\d*)?|\\.\\d+)$"));
    if (!plain.match(number).hasMatch())
        return std::nullopt;
    // Within the range of a currency amount.
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || value > 922337203685477.0 || value < -922337203685477.0)
        return std::nullopt;
    return number;
}

QString invalidNumberMessage()
{
    return QStringLiteral(" Not a valid number format ,\n please use plain number with \".\" as "
                          "decimal sparator  \n Ex : 12345.98");
}

QString showcost(const QSqlDatabase& db, const QString& entry)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT harga FROM harga WHERE entry = ?"));
    q.addBindValue(entry);
    if (!q.exec() || !q.next())
        return QStringLiteral("0");
    const QString cost = q.value(0).toString();
    return cost.isEmpty() ? QStringLiteral("0") : cost;
}

bool writecost(const QSqlDatabase& db, const QString& entry, const QString& cost)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE harga SET harga = ? WHERE entry = ?"));
    q.addBindValue(cost);
    q.addBindValue(entry);
    if (!q.exec()) {
        qWarning("dialtally: the cost was not saved: %s", qUtf8Printable(q.lastError().text()));
        return false;
    }
    if (q.numRowsAffected() > 0)
        return true;
    q.prepare(QStringLiteral("INSERT INTO harga (entry,harga) VALUES (?,?)"));
    q.addBindValue(entry);
    q.addBindValue(cost);
    if (!q.exec()) {
        qWarning("dialtally: the cost was not saved: %s", qUtf8Printable(q.lastError().text()));
        return false;
    }
    return true;
}
