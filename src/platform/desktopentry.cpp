#include "desktopentry.h"

#include <QDir>
#include <QFile>

namespace {

QString envDir(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.isEmpty() || !QDir::isAbsolutePath(value) ? fallback : value;
}

// The string escapes every desktop entry value may carry.
QString unescapeString(const QString& value)
{
    QString out;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != QLatin1Char('\\') || i + 1 == value.size()) {
            out += value[i];
            continue;
        }
        const QChar next = value[++i];
        switch (next.unicode()) {
        case 's':
            out += QLatin1Char(' ');
            break;
        case 'n':
            out += QLatin1Char('\n');
            break;
        case 't':
            out += QLatin1Char('\t');
            break;
        case 'r':
            out += QLatin1Char('\r');
            break;
        default:
            out += next;
            break;
        }
    }
    return out;
}

} // namespace

QString xdgConfigHome()
{
    return envDir("XDG_CONFIG_HOME", QDir::home().filePath(QStringLiteral(".config")));
}

QString xdgDataHome()
{
    return envDir("XDG_DATA_HOME", QDir::home().filePath(QStringLiteral(".local/share")));
}

QStringList xdgDirs(const char* variable, const QString& fallback)
{
    const QString value = qEnvironmentVariable(variable);
    QStringList dirs;
    for (const QString& dir :
         (value.isEmpty() ? fallback : value).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(dir))
            dirs << dir;
    return dirs;
}

QString desktopEntryValue(const QString& path, const QString& group, const QString& key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString header = QLatin1Char('[') + group + QLatin1Char(']');
    bool inGroup = false;
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inGroup = line == header;
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (inGroup && eq > 0 && line.left(eq).trimmed() == key)
            return line.mid(eq + 1).trimmed();
    }
    return {};
}

QString desktopExecFor(const QString& program)
{
    // The argument is quoted; inside quotes ", `, $ and \ take a backslash. A literal % is %%.
    // Then the value's own string escaping doubles every backslash.
    QString quoted;
    for (const QChar c : program) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') ||
            c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        if (c == QLatin1Char('%'))
            quoted += QLatin1Char('%');
        quoted += c;
    }
    QString value = QLatin1Char('"') + quoted + QLatin1Char('"');
    value.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    value.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    value.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    value.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return value;
}

QString programOfDesktopExec(const QString& exec)
{
    const QString value = unescapeString(exec).trimmed();
    QString program;
    if (value.startsWith(QLatin1Char('"'))) {
        for (qsizetype i = 1; i < value.size(); ++i) {
            const QChar c = value[i];
            if (c == QLatin1Char('\\') && i + 1 < value.size()) {
                program += value[++i];
                continue;
            }
            if (c == QLatin1Char('"'))
                break;
            program += c;
        }
    } else {
        program = value.section(QLatin1Char(' '), 0, 0);
    }
    program.replace(QStringLiteral("%%"), QStringLiteral("%"));
    return program;
}
