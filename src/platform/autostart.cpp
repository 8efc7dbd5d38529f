#include "autostart.h"

#include <QDir>

QString Autostart::launcherPath(const QString& dataFolder)
{
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(dataFolder) + QStringLiteral("\\config\\flink");
#else
    return dataFolder + QStringLiteral("/config/flink");
#endif
}
