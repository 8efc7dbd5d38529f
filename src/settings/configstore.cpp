#include "configstore.h"

#include "autostart.h"
#include "inifile.h"

namespace {

const QString general = QStringLiteral("general");
const QString startMinimized = QStringLiteral("startminimized");
const QString tipOfTheDay = QStringLiteral("tipoftheday");
const QString off = QStringLiteral("0");
const QString on = QStringLiteral("1");

} // namespace

bool saveStartupChoices(const QString& iniPath, Autostart& autostart, bool startWithSystem,
                        bool minimizedOnStartup, bool tipOnStartup, const QString& dataFolder,
                        QString* error)
{
    for (const auto& [key, checked] :
         {std::pair{startMinimized, minimizedOnStartup}, std::pair{tipOfTheDay, tipOnStartup}}) {
        if (!ini::writeValue(iniPath, general, key, checked ? on : off)) {
            if (error)
                *error = QStringLiteral("Unable to write to %1").arg(iniPath);
            return false;
        }
    }
    if (startWithSystem)
        return autostart.write(Autostart::launcherPath(dataFolder), error);
    autostart.remove();
    return true;
}

std::optional<StartupChoices> loadStartupChoices(const QString& iniPath, const Autostart& autostart,
                                                 QString* error)
{
    StartupChoices choices;
    QString readError;
    const std::optional<QString> value = autostart.read(&readError);
    if (!readError.isEmpty()) {
        if (error)
            *error = readError;
        return std::nullopt;
    }
    if (value)
        choices.startWithSystem = !value->isEmpty();
    choices.minimizedOnStartup = ini::readValue(iniPath, general, startMinimized, off) == on;
    choices.tipOnStartup = ini::readValue(iniPath, general, tipOfTheDay, off) == on;
    return choices;
}

bool showMainWindowAtStartup(const QString& iniPath)
{
    return ini::readValue(iniPath, general, startMinimized, off) == off;
}

bool showTipAtStartup(const QString& iniPath)
{
    return ini::readValue(iniPath, general, tipOfTheDay, off) == on;
}
