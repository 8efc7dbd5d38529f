// The default HTML program from the XDG MIME database.
#include "shell.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace {

QStringList envDirs(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    QStringList dirs;
    for (const QString& d :
         (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(d))
            dirs << d;
    return dirs;
}

QString envDir(const char* name, const QString& fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() || !QDir::isAbsolutePath(value) ? fallback : value;
}

// The values of key in the section of an INI-like desktop file, or nothing.
QString keyValue(const QString& path, const QString& section, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    bool inSection = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inSection = line == QLatin1Char('[') + section + QLatin1Char(']');
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inSection && eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

// The first token of an Exec value, unquoted and unescaped.
QString execProgram(const QString& exec)
{
    QString value = exec;
    value.replace(QStringLiteral("\\\\"), QStringLiteral("\\"));
    QString program;
    if (value.startsWith(QLatin1Char('"'))) {
        for (qsizetype i = 1; i < value.size(); ++i) {
            if (value[i] == QLatin1Char('\\') && i + 1 < value.size()) {
                program += value[++i];
                continue;
            }
            if (value[i] == QLatin1Char('"'))
                break;
            program += value[i];
        }
    } else {
        program = value.section(QLatin1Char(' '), 0, 0, QString::SectionSkipEmpty);
    }
    return program;
}

} // namespace

QString htmlBrowserCommand()
{
    const QString home = QDir::homePath();
    const QString configHome = envDir("XDG_CONFIG_HOME", home + QStringLiteral("/.config"));
    const QString dataHome = envDir("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    const QStringList dataDirs =
        envDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share"));

    QStringList lists{configHome + QStringLiteral("/mimeapps.list")};
    for (const QString& d : envDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        lists << d + QStringLiteral("/mimeapps.list");
    QStringList applicationDirs{dataHome + QStringLiteral("/applications")};
    for (const QString& d : dataDirs)
        applicationDirs << d + QStringLiteral("/applications");
    for (const QString& d : applicationDirs)
        lists << d + QStringLiteral("/mimeapps.list");

    for (const QString& list : lists) {
        const QString defaults =
            keyValue(list, QStringLiteral("Default Applications"), QStringLiteral("text/html"));
        for (const QString& desktop : defaults.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& dir : applicationDirs) {
                const QString entry = dir + QLatin1Char('/') + desktop.trimmed();
                if (!QFileInfo::exists(entry))
                    continue;
                QString program = execProgram(
                    keyValue(entry, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")));
                if (!program.isEmpty() && !QDir::isAbsolutePath(program))
                    program = QStandardPaths::findExecutable(program);
                if (program.isEmpty())
                    continue;
                return QLatin1Char('"') + program + QStringLiteral("\" %1");
            }
        }
    }
    return {};
}
