// The default HTML program from the registry's htmlfile class.
#include "shell.h"

#include <QSettings>

QString htmlBrowserCommand()
{
    const QSettings command(QStringLiteral("HKEY_CLASSES_ROOT\\htmlfile\\shell\\open\\command"),
                            QSettings::NativeFormat);
    const QVariant value = command.value(QStringLiteral("Default"));
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}
