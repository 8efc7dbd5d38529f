#include "autostart.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

namespace {

constexpr auto entryName = "dialtally.desktop";

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

class XdgAutostart final : public Autostart {
public:
    explicit XdgAutostart(QString configHome)
        : m_folder(QDir(configHome).filePath(QStringLiteral("autostart")))
    {}

    std::optional<QString> read(QString*) const override
    {
        QFile file(entryPath());
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        bool inEntry = false;
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const QString line = QString::fromUtf8(raw).trimmed();
            if (line.startsWith(QLatin1Char('[')))
                inEntry = line == QStringLiteral("[Desktop Entry]");
            else if (inEntry && line.startsWith(QStringLiteral("Exec")))
                if (const qsizetype eq = line.indexOf(QLatin1Char('='));
                    eq > 0 && line.left(eq).trimmed() == QStringLiteral("Exec"))
                    return programOfDesktopExec(line.mid(eq + 1).trimmed());
        }
        return QString();
    }

    bool write(const QString& data, QString* error) override
    {
        // The autostart folder may not exist yet on a fresh account.
        if (!QDir().mkpath(m_folder)) {
            if (error)
                *error = QStringLiteral("Failed to set data for 'dialtally'");
            return false;
        }
        QSaveFile file(entryPath());
        if (!file.open(QIODevice::WriteOnly)) {
            if (error)
                *error = QStringLiteral("Failed to set data for 'dialtally'");
            return false;
        }
        const QString text =
            QStringLiteral("[Desktop Entry]\n"
                           "Type=Application\n"
                           "Version=1.0\n"
                           "Name=Dialtally\n"
                           "Comment=Records the time and cost of dial-up connections\n"
                           "Exec=%1\n"
                           "Terminal=false\n")
                .arg(desktopExecFor(data));
        file.write(text.toUtf8());
        if (!file.commit()) {
            if (error)
                *error = QStringLiteral("Failed to set data for 'dialtally'");
            return false;
        }
        return true;
    }

    void remove() override { QFile::remove(entryPath()); }

private:
    QString entryPath() const { return QDir(m_folder).filePath(QString::fromLatin1(entryName)); }

    QString m_folder;
};

} // namespace

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

std::unique_ptr<Autostart> xdgAutostart(const QString& configHome)
{
    return std::make_unique<XdgAutostart>(configHome);
}

std::unique_ptr<Autostart> systemAutostart()
{
    QString home = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home))
        home = QDir::home().filePath(QStringLiteral(".config"));
    return xdgAutostart(home);
}
