#pragma once
// Desktop entry files and the XDG base folders, as the autostart entry and the lookup of the
// default HTML program read them.

#include <QString>
#include <QStringList>

// $XDG_CONFIG_HOME, else ~/.config.
QString xdgConfigHome();
// $XDG_DATA_HOME, else ~/.local/share.
QString xdgDataHome();
// The folders of a colon-separated XDG list variable ($XDG_CONFIG_DIRS, $XDG_DATA_DIRS), else
// fallback; relative entries are ignored.
QStringList xdgDirs(const char* variable, const QString& fallback);

// The value of key in group of the desktop file at path, with its string escapes still in
// place; empty when the file, the group or the key is missing.
QString desktopEntryValue(const QString& path, const QString& group, const QString& key);

// The Exec text that starts one program path: quoted and escaped; and the program back out of
// an Exec text (its first argument, unquoted and unescaped).
QString desktopExecFor(const QString& program);
QString programOfDesktopExec(const QString& exec);
