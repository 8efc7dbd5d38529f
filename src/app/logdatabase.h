#pragma once
// The usage log database: table log, one row per connection, and table harga, the cost per
// hour of each phone-book entry. A missing file is created with both tables; a file that is
// not such a database is refused and left as it is.

#include <QSqlDatabase>
#include <QString>

#include <memory>

class LogDatabase {
public:
    static constexpr const char* defaultPath = "config/log.db";

    enum Mode {
        Write,   // create the file and its tables when missing
        ReadOnly // the file must exist; nothing is written to it
    };

    // Null, with a message for the user in error, when the file cannot serve as the log.
    static std::unique_ptr<LogDatabase> open(const QString& path, QString* error,
                                             Mode mode = Write);

    ~LogDatabase();
    LogDatabase(const LogDatabase&) = delete;
    LogDatabase& operator=(const LogDatabase&) = delete;

    QSqlDatabase connection() const { return QSqlDatabase::database(m_name, false); }
    QString path() const { return m_path; }

private:
    LogDatabase(QString name, QString path);

    QString m_name;
    QString m_path;
};
