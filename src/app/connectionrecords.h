#pragma once
// Writes the current connection's row of the usage log: inserted when the connection is first
// seen, its duration rewritten while it lasts and once more at its end.

#include "clock.h"
#include "sharedstate.h"

#include <QLocale>
#include <QObject>
#include <QSqlDatabase>

class ConnectionRecords : public QObject {
    Q_OBJECT
public:
    enum Mode { Insert = 0, Rewrite = 1 };

    ConnectionRecords(QSqlDatabase db, SharedState& state, const Clock& clock,
                      QLocale locale = QLocale::system(), QObject* parent = nullptr);

    // Mode 0 inserts the row of a new connection; mode 1 rewrites the duration and seconds of
    // the row that the last insert made. A failed write changes nothing and is not reported.
    void writelog(int mode);

    // The locale's long time format without its time-zone name.
    static QString timeOfDayFormat(const QLocale& locale);

signals:
    // After each write that reached the log.
    void written();

private:
    bool insertRow();
    bool rewriteRow();

    QSqlDatabase m_db;
    SharedState& m_state;
    const Clock& m_clock;
    QLocale m_locale;
    qint64 m_rowId = -1; // the row of the connection being recorded
};
