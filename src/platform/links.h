#pragma once
// The maker's addresses. The site is a reserved example domain.

#include <QString>

namespace links {
inline QString siteBase()
{
    return QStringLiteral("http://www.dialtally.example");
}
} // namespace links
