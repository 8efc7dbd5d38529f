#include "artwork.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 22, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0, 0, 128));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(0.5, 0.5, size - 1.0, size - 1.0));
        p.setPen(QPen(QColor(198, 215, 255), size / 10.0));
        // A dial's hand and its ticks.
        const QPointF centre(size / 2.0, size / 2.0);
        p.drawLine(centre, QPointF(size * 0.72, size * 0.3));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(centre);
            p.rotate(90.0 * i);
            p.drawLine(QPointF(0, -size * 0.42), QPointF(0, -size * 0.3));
            p.restore();
        }
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap bannerPixmap()
{
    QPixmap pixmap(183, 40);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, 183, 0);
    gradient.setColorAt(0, QColor(0, 0, 128));
    gradient.setColorAt(1, QColor(90, 120, 220));
    p.fillRect(pixmap.rect(), gradient);
    p.drawPixmap(4, 4, programIcon().pixmap(32, 32));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(20);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(42, 0, 141, 40), Qt::AlignVCenter | Qt::AlignLeft,
               QStringLiteral("Dialtally"));
    return pixmap;
}

QIcon toolGlyph(Glyph glyph)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 128), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    switch (glyph) {
    case Glyph::Config: // a gear
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(16, 16);
            p.rotate(45.0 * i);
            p.drawLine(QPointF(0, -9), QPointF(0, -13));
            p.restore();
        }
        p.drawEllipse(QPointF(16, 16), 9, 9);
        p.drawEllipse(QPointF(16, 16), 3, 3);
        break;
    case Glyph::ClearLog: // a bin
        p.drawRect(QRectF(9, 10, 14, 18));
        p.drawLine(QPointF(6, 8), QPointF(26, 8));
        p.drawLine(QPointF(13, 5), QPointF(19, 5));
        p.drawLine(QPointF(13, 14), QPointF(13, 24));
        p.drawLine(QPointF(19, 14), QPointF(19, 24));
        break;
    case Glyph::Report: // a printed page
        p.drawRect(QRectF(8, 4, 16, 24));
        for (int y = 10; y <= 22; y += 4)
            p.drawLine(QPointF(11, y), QPointF(21, y));
        break;
    case Glyph::Exit: // an open door
        p.drawRect(QRectF(7, 4, 14, 24));
        p.setBrush(QColor(0, 0, 128));
        p.drawLine(QPointF(16, 16), QPointF(28, 16));
        p.drawLine(QPointF(24, 12), QPointF(28, 16));
        p.drawLine(QPointF(24, 20), QPointF(28, 16));
        break;
    case Glyph::Home: // a house
        p.drawPolygon(QPolygonF({QPointF(4, 16), QPointF(16, 5), QPointF(28, 16)}));
        p.drawRect(QRectF(8, 16, 16, 12));
        p.drawRect(QRectF(14, 20, 4, 8));
        break;
    }
    return QIcon(pixmap);
}
