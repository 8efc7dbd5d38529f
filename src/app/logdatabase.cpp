#include "logdatabase.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QString nextConnectionName()
{
    static QAtomicInt counter;
    const int n = counter.fetchAndAddRelaxed(1) + 1;
    return QStringLiteral("ADOConnection%1").arg(n);
}

const char* const schema[] = {
    "CREATE TABLE IF NOT EXISTS log ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " waktu TEXT,"
    " Usera TEXT COLLATE NOCASE,"
    " Entry TEXT COLLATE NOCASE,"
    " Duration TEXT,"
    " tanggal TEXT,"
    " speed INTEGER,"
    " bulan TEXT COLLATE NOCASE,"
    " tahun TEXT COLLATE NOCASE,"
    " waktua INTEGER)",
    "CREATE TABLE IF NOT EXISTS harga (entry TEXT COLLATE NOCASE, harga REAL)",
    "CREATE INDEX IF NOT EXISTS log_period_entry ON log (tahun, bulan, Entry)",
    "CREATE INDEX IF NOT EXISTS log_entry ON log (Entry)",
    "CREATE INDEX IF NOT EXISTS harga_entry ON harga (entry)",
};

struct TableColumns {
    const char* table;
    QStringList columns;
};

const TableColumns requiredColumns[] = {
    {"log",
     {QStringLiteral("id"), QStringLiteral("waktu"), QStringLiteral("usera"),
      QStringLiteral("entry"), QStringLiteral("duration"), QStringLiteral("tanggal"),
      QStringLiteral("speed"), QStringLiteral("bulan"), QStringLiteral("tahun"),
      QStringLiteral("waktua")}},
    {"harga", {QStringLiteral("entry"), QStringLiteral("harga")}},
};

// Empty when every table that exists has the columns the program uses.
QString checkExistingTables(const QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master")))
        return q.lastError().databaseText();
    while (q.next()) {
    }
    for (const TableColumns& t : requiredColumns) {
        const QString table = QString::fromLatin1(t.table);
        if (!db.tables().contains(table, Qt::CaseInsensitive))
            continue;
        const QSqlRecord record = db.record(table);
        for (const QString& column : t.columns)
            if (record.indexOf(column) < 0)
                return QStringLiteral("table %1 has no column %2").arg(table, column);
    }
    return {};
}

} // namespace

LogDatabase::LogDatabase(QString name, QString path)
    : m_name(std::move(name))
    , m_path(std::move(path))
{}

LogDatabase::~LogDatabase()
{
    QSqlDatabase::database(m_name, false).close();
    QSqlDatabase::removeDatabase(m_name);
}

std::unique_ptr<LogDatabase> LogDatabase::open(const QString& path, QString* error, Mode mode)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("The usage log \"%1\" cannot be used: %2").arg(path, why);
        return nullptr;
    };

    const QFileInfo info(path);
    const bool existed = info.exists();
    if (existed && !info.isFile())
        return fail(QStringLiteral("it is not a file."));
    if (!existed && mode == ReadOnly)
        return fail(QStringLiteral("nothing has been logged yet."));
    if (!existed && !QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("its folder cannot be created."));

    const QString name = nextConnectionName();
    std::unique_ptr<LogDatabase> log(new LogDatabase(name, path));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);

    if (existed) {
        // Look before writing anything: a file that is not a log stays untouched.
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open())
            return fail(db.lastError().databaseText() + QLatin1Char('.'));
        const QString problem = checkExistingTables(db);
        db.close();
        if (!problem.isEmpty())
            return fail(problem + QLatin1Char('.'));
        if (mode == ReadOnly) {
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (!db.open())
                return fail(db.lastError().databaseText() + QLatin1Char('.'));
            return log;
        }
        if (!info.isWritable())
            return fail(QStringLiteral("the file is read-only."));
        db.setConnectOptions(QString());
    }
    if (!db.open())
        return fail(db.lastError().databaseText() + QLatin1Char('.'));
    QSqlQuery q(db);
    for (const char* statement : schema)
        if (!q.exec(QString::fromLatin1(statement)))
            return fail(q.lastError().databaseText() + QLatin1Char('.'));
    return log;
}
