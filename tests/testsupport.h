#pragma once
// Small fixtures shared by the tests: a throwaway working directory, a clock that stands still,
// a simulated dial-up file and a prompter that answers in place of the user.

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#ifdef QT_GUI_LIB
#include <QDesktopServices>
#endif
#include <QUrl>

#include <utility>
#include <vector>

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

// A desktop of its own: the XDG folders point into a temporary directory, where a small script
// stands in for the web browser and records the arguments it was started with.
class FakeDesktop {
public:
    FakeDesktop()
    {
        QVERIFY(m_dir.isValid());
        const QList<std::pair<const char*, QString>> folders = {
            {"XDG_CONFIG_HOME", path(QStringLiteral("config"))},
            {"XDG_CONFIG_DIRS", path(QStringLiteral("etc/xdg"))},
            {"XDG_DATA_HOME", path(QStringLiteral("data"))},
            {"XDG_DATA_DIRS", path(QStringLiteral("share"))}};
        for (const auto& [name, value] : folders) {
            m_saved.emplace_back(name, qgetenv(name));
            qputenv(name, value.toLocal8Bit());
        }
        writeFile(browser(),
                  "#!/bin/sh\n"
                  "out=\"$(dirname \"$0\")/args\"\n"
                  "printf '%s\\n' \"$@\" > \"$out.part\" && mv \"$out.part\" \"$out\"\n");
        QFile::setPermissions(browser(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ~FakeDesktop()
    {
        for (const auto& [name, value] : m_saved)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    // The stand-in browser; its folder name holds a space.
    QString browser() const { return path(QStringLiteral("fake bin/browser")); }

    // Writes a mimeapps.list into folder (relative) naming desktopIds for text/html.
    void defaultHtml(const QString& folder, const QString& desktopIds) const
    {
        writeFile(path(folder + QStringLiteral("/mimeapps.list")),
                  "[Added Associations]\ntext/html=other.desktop;\n\n[Default Applications]\n"
                  "image/png=other.desktop\ntext/html=" +
                      desktopIds.toUtf8() + "\n");
    }
    void desktopEntry(const QString& folder, const QString& id, const QString& exec) const
    {
        writeFile(path(folder + QLatin1Char('/') + id),
                  "[Desktop Entry]\nType=Application\nName=Fake\nExec=" + exec.toUtf8() +
                      "\n\n[Desktop Action new]\nExec=/bin/false\n");
    }
    // The arguments the stand-in browser received, once it has run.
    QStringList receivedArguments() const
    {
        QFile file(path(QStringLiteral("fake bin/args")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    }
    bool browserRan() const { return QFile::exists(path(QStringLiteral("fake bin/args"))); }

private:
    QTemporaryDir m_dir;
    std::vector<std::pair<const char*, QByteArray>> m_saved;
};

#ifdef QT_GUI_LIB
// Catches what the program hands to the desktop's URL handlers, for the given schemes, while it
// lives.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    explicit UrlCatcher(const QStringList& schemes)
        : m_schemes(schemes)
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const QString& scheme : m_schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }

private:
    QStringList m_schemes;
};
#endif

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

// One row of the usage log for a fixture. The duration text defaults to "0:0:<seconds>".
struct LogRow {
    QByteArray entry;
    QByteArray month; // "01" to "12"
    QByteArray year;  // two digits
    int seconds = 0;
    QByteArray duration = {};
};

// Inserts the rows in order, in one transaction, as rows of one local user.
inline void insertLogRows(const QSqlDatabase& db, const QList<LogRow>& rows)
{
    QSqlDatabase connection = db;
    QVERIFY(connection.transaction());
    QSqlQuery q(db);
    q.prepare(QStringLiteral(
        "insert into log (waktu,Usera,Entry,Duration,tanggal,speed,bulan,tahun,waktua) "
        "values ('10:00:00','Local',?,?,'1/1/26',0,?,?,?)"));
    for (const LogRow& r : rows) {
        q.addBindValue(QString::fromUtf8(r.entry));
        q.addBindValue(r.duration.isEmpty() ? QStringLiteral("0:0:%1").arg(r.seconds)
                                            : QString::fromUtf8(r.duration));
        q.addBindValue(QString::fromLatin1(r.month));
        q.addBindValue(QString::fromLatin1(r.year));
        q.addBindValue(r.seconds);
        QVERIFY2(q.exec(), qPrintable(q.lastError().text()));
    }
    QVERIFY(connection.commit());
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
