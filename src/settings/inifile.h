#pragma once
// A standard INI file read and written one value at a time. Section and key names match
// without regard to case; a write keeps every other line of the file as it was and replaces the
// file only once the new text is complete.

#include <QString>

namespace ini {

// The value, or fallback when the file, the section or the key is missing.
QString readValue(const QString& path, const QString& section, const QString& key,
                  const QString& fallback);

// False when the file cannot be written (its folder is missing, or it or its folder is
// read-only).
bool writeValue(const QString& path, const QString& section, const QString& key,
                const QString& value);

} // namespace ini
