#pragma once

#include <QString>

// The promotion panel's fixed text: six lines joined by single line feeds.
inline QString promotionText()
{
    return QStringLiteral("Plese try Linkgauge for more feature such as\n"
                          "-Support Dial up,DSL,Ethernet,ISDN,and other network device\n"
                          "-Record cost based on bandwidth usage\n"
                          "-Create Excel report\n"
                          "-Sort report base on date\n"
                          "-Bandwidth meter") +
           QString(62, QLatin1Char(' ')) + QStringLiteral("click here to download");
}
