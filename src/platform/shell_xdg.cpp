// The default HTML program from the XDG MIME database.
#include "desktopentry.h"
#include "shell.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString htmlBrowserCommand()
{
    // mimeapps.list in the config folders, then in the applications folders.
    QStringList lists{xdgConfigHome() + QStringLiteral("/mimeapps.list")};
    for (const QString& d : xdgDirs("XDG_CONFIG_DIRS", QStringLiteral("/etc/xdg")))
        lists << d + QStringLiteral("/mimeapps.list");
    QStringList applicationDirs{xdgDataHome() + QStringLiteral("/applications")};
    for (const QString& d : xdgDirs("XDG_DATA_DIRS", QStringLiteral("/usr/local/share:/usr/share")))
        applicationDirs << d + QStringLiteral("/applications");
    for (const QString& d : applicationDirs)
        lists << d + QStringLiteral("/mimeapps.list");

    for (const QString& list : lists) {
        const QString defaults = desktopEntryValue(list, QStringLiteral("Default Applications"),
                                                   QStringLiteral("text/html"));
        for (const QString& desktop : defaults.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            for (const QString& dir : applicationDirs) {
                const QString entry = dir + QLatin1Char('/') + desktop.trimmed();
                if (!QFileInfo::exists(entry))
                    continue;
                QString program = programOfDesktopExec(desktopEntryValue(
                    entry, QStringLiteral("Desktop Entry"), QStringLiteral("Exec")));
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
