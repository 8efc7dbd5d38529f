#pragma once
// The maker's addresses: reserved example values.

#include <QString>

namespace links {
inline QString siteBase()
{
    return QStringLiteral("http://dialtally.example");
}
inline QString supportEmail()
{
    return QStringLiteral("support@dialtally.example");
}
inline QString supportPhone()
{
    return QStringLiteral("+1 555 0100");
}
} // namespace links
