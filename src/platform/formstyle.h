#pragma once
// How the program's windows look: their font, their flat buttons and their plain backgrounds.

#include <QFont>
#include <QPalette>
#include <QRect>
#include <QStringList>
#include <QToolButton>

// MS Sans Serif 8 point where it exists, else a sans serif of close width, so that captions fit
// the windows' fixed sizes.
inline QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial"), QStringLiteral("Helvetica")});
    font.setPointSize(8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// Paints widget's background in colour. A palette, not a style sheet, so that the children
// keep the window's font.
inline void fillBackground(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A text button at a fixed place; flat ones show their frame only under the mouse.
inline QToolButton* addButton(QWidget* parent, const QString& name, const QString& text,
                              const QRect& geometry, bool flat = true)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(text);
    button->setAutoRaise(flat);
    button->setGeometry(geometry);
    return button;
}
