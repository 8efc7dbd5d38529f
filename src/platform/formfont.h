#pragma once
// The font of the program's windows: MS Sans Serif 8 point where it exists, else a sans serif of
// close width, so that captions fit the windows' fixed sizes.

#include <QFont>
#include <QStringList>

inline QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}
