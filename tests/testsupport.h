#pragma once
// Small fixtures shared by the tests: a throwaway working directory, a clock that stands still,
// a simulated dial-up file and a prompter that answers in place of the user.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#ifdef DIALTALLY_HAS_APP
#include "clock.h"
#include "dialogs.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#endif

// Makes a fresh directory with a config/ folder the current directory for its lifetime.
class TempWorkdir {
public:
    TempWorkdir()
    {
        QVERIFY(m_dir.isValid());
        m_previous = QDir::currentPath();
        QDir(m_dir.path()).mkpath(QStringLiteral("config"));
        QDir::setCurrent(m_dir.path());
    }
    ~TempWorkdir() { QDir::setCurrent(m_previous); }
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

inline void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    f.write(content);
}

// The lines of a sim: dial-up file; rewrite() puts them on disk.
struct SimFile {
    QString path;
    QList<QByteArray> lines;

    SimFile& entry(const QByteArray& name)
    {
        lines << "entry\t" + name;
        return *this;
    }
    SimFile& conn(int handle, int state, const QByteArray& entry, int error = 0)
    {
        lines << "conn\t" + QByteArray::number(handle) + '\t' + QByteArray::number(state) + '\t' +
                     QByteArray::number(error) + '\t' + entry + "\tmodem\tTest Modem";
        return *this;
    }
    SimFile& raw(const QByteArray& line)
    {
        lines << line;
        return *this;
    }
    void clear() { lines.clear(); }
    void rewrite() const { writeFile(path, lines.join('\n') + '\n'); }
};

#ifdef DIALTALLY_HAS_APP
// Every row of a statement, each as a list of its fields.
inline QList<QVariantList> selectRows(const QSqlDatabase& db, const QString& sql)
{
    QList<QVariantList> rows;
    QSqlQuery q(db);
    if (!q.exec(sql)) {
        qWarning("%s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
        return rows;
    }
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < q.record().count(); ++i)
            row << q.value(i);
        rows << row;
    }
    return rows;
}

class FixedClock final : public Clock {
public:
    QDateTime at = QDateTime(QDate(2026, 3, 7), QTime(14, 5, 9));
    QDateTime now() const override { return at; }
};

class ScriptedPrompter final : public Prompter {
public:
    bool answer = false;
    QStringList asked;
    QStringList messages;

    bool confirm(QWidget*, const QString& text) override
    {
        asked << text;
        return answer;
    }
    void message(QWidget*, const QString& text) override { messages << text; }
    void error(QWidget*, const QString& text) override { messages << text; }
    void notice(QWidget*, const QString& text) override { messages << text; }
};
#endif
