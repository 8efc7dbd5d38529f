#pragma once
// Starting the program at login: one named value holding the command to start.
// Linux: the XDG autostart entry $XDG_CONFIG_HOME/autostart/dialtally.desktop, whose Exec is
// the value. Windows: the string value "dialtally" under the current user's Run key
// (Software\Microsoft\Windows\CurrentVersion\Run).

#include <QString>

#include <memory>
#include <optional>

class Autostart {
public:
    virtual ~Autostart() = default;

    // The value's data: empty when there is none. Nothing when the place that holds it cannot
    // be opened; error is set when the value exists but cannot be read as text.
    virtual std::optional<QString> read(QString* error) const = 0;
    // Writes the value, replacing an older one whole.
    virtual bool write(const QString& data, QString* error) = 0;
    // Removes the value; removing a missing value is no error.
    virtual void remove() = 0;

    // What the value holds for the program in dataFolder: its launcher config/flink.
    static QString launcherPath(const QString& dataFolder);
};

// The platform's autostart.
std::unique_ptr<Autostart> systemAutostart();

#ifndef Q_OS_WIN
// The XDG autostart entry below configHome (for tests: a temporary folder).
std::unique_ptr<Autostart> xdgAutostart(const QString& configHome);
#endif
