#pragma once
// The program's pictures, drawn at run time.

#include <QIcon>
#include <QPixmap>

QIcon programIcon();
QPixmap bannerPixmap(); // 183 x 40

// The toolbar's glyphs, 32 x 32.
enum class Glyph { Config, ClearLog, Report, Exit, Home };
QIcon toolGlyph(Glyph glyph);
