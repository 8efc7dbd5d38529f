#include "duration.h"

QString olahwaktu(std::int64_t n)
{
    if (n >= 3600)
        return QStringLiteral("%1:%2:%3").arg(n / 3600).arg((n % 3600) / 60).arg((n % 3600) % 60);
    if (n >= 60)
        return QStringLiteral("0:%1:%2").arg(n / 60).arg(n % 60);
    return QStringLiteral("0:0:%1").arg(n);
}
