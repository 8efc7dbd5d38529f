#include "connectionrecords.h"

#include <QSqlError>
#include <QSqlQuery>

ConnectionRecords::ConnectionRecords(QSqlDatabase db, SharedState& state, const Clock& clock,
                                     QLocale locale, QObject* parent)
    : QObject(parent)
    , m_db(std::move(db))
    , m_state(state)
    , m_clock(clock)
    , m_locale(std::move(locale))
{}

QString ConnectionRecords::timeOfDayFormat(const QLocale& locale)
{
    // Drop the time-zone field ('t', 'tt', 'ttt', 'tttt') outside quoted text, then tidy spaces.
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    bool quoted = false;
    for (const QChar c : format) {
        if (c == QLatin1Char('\''))
            quoted = !quoted;
        if (!quoted && c == QLatin1Char('t'))
            continue;
        result.append(c);
    }
    return result.simplified();
}

void ConnectionRecords::writelog(int mode)
{
    const bool ok = mode == Insert ? insertRow() : rewriteRow();
    if (ok)
        emit written();
}

bool ConnectionRecords::insertRow()
{
    m_rowId = -1;
    const QDateTime now = m_clock.now();
    if (m_state.LogUser.isEmpty())
        m_state.LogUser = QStringLiteral("Local");
    m_state.LogSpeed = QStringLiteral("0");

    QSqlQuery q(m_db);
    q.prepare(QStringLiteral(
        "insert into log (waktu,Usera,Entry,Duration,tanggal,speed,bulan,tahun,waktua) "
        "VALUES(?,?,?,?,?,?,?,?,?)"));
    q.addBindValue(m_locale.toString(now.time(), timeOfDayFormat(m_locale)));
    q.addBindValue(m_state.LogUser);
    q.addBindValue(m_state.OnlineEntry);
    q.addBindValue(m_state.DurationText);
    q.addBindValue(m_locale.toString(now.date(), QLocale::ShortFormat));
    q.addBindValue(m_state.LogSpeed.toLongLong());
    q.addBindValue(now.toString(QStringLiteral("MM")));
    q.addBindValue(now.toString(QStringLiteral("yy")));
    q.addBindValue(m_state.OnlineSeconds);
    if (!q.exec()) {
        qWarning("dialtally: the connection's row was not inserted: %s",
                 qUtf8Printable(q.lastError().text()));
        return false;
    }
    m_rowId = q.lastInsertId().toLongLong();
    return true;
}

bool ConnectionRecords::rewriteRow()
{
    if (m_rowId < 0)
        return false; // the insert failed: there is no row of this connection to rewrite
    QSqlQuery q(m_db);
    q.prepare(QStringLiteral("UPDATE log SET duration=?,waktua=? where id=?"));
    q.addBindValue(m_state.DurationText);
    q.addBindValue(m_state.OnlineSeconds);
    q.addBindValue(m_rowId);
    if (!q.exec()) {
        qWarning("dialtally: the connection's row was not rewritten: %s",
                 qUtf8Printable(q.lastError().text()));
        return false;
    }
    return q.numRowsAffected() > 0;
}
