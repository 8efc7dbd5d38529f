#pragma once
// The three start-up choices and where they live: two keys of section "general" in the
// settings file, and the autostart value.

#include <QString>

#include <optional>

class Autostart;

constexpr const char* settingsPath = "config/config.ini";

struct StartupChoices {
    std::optional<bool> startWithSystem; // nothing: the autostart place could not be opened
    bool minimizedOnStartup = false;
    bool tipOnStartup = false;
};

// Writes both keys, then sets or removes the autostart value. Stops at the first failure
// with its message in error.
bool saveStartupChoices(const QString& iniPath, Autostart& autostart, bool startWithSystem,
                        bool minimizedOnStartup, bool tipOnStartup, const QString& dataFolder,
                        QString* error);

// Reads the three choices; nothing, with the message in error, when the autostart value
// cannot be read.
std::optional<StartupChoices> loadStartupChoices(const QString& iniPath, const Autostart& autostart,
                                                 QString* error);

// What the deferred start-up decides from the file itself.
bool showMainWindowAtStartup(const QString& iniPath); // "startminimized" is exactly "0"
bool showTipAtStartup(const QString& iniPath);        // "tipoftheday" is exactly "1"
