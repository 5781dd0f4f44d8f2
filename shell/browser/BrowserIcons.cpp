#include "shell/browser/BrowserIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>
#include <functional>

namespace {

using Painting = std::function<void(QPainter&)>;

// Every picture is drawn on a 24 x 24 grid and rendered at two sizes for sharp toolbars
// on ordinary and high-density screens.
QIcon paintedIcon(const Painting& paint)
{
    QIcon icon;
    for (const int size : {24, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 24.0, size / 24.0);
        paint(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPen outline(const QColor& colour, qreal width = 1.2)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A broad arrow pointing right; mirrored for Back.
void paintArrow(QPainter& p, bool pointsLeft)
{
    if (pointsLeft) {
        p.translate(24, 0);
        p.scale(-1, 1);
    }
    QPainterPath arrow;
    arrow.moveTo(3, 9);
    arrow.lineTo(12, 9);
    arrow.lineTo(12, 4);
    arrow.lineTo(21, 12);
    arrow.lineTo(12, 20);
    arrow.lineTo(12, 15);
    arrow.lineTo(3, 15);
    arrow.closeSubpath();
    QLinearGradient fill(0, 4, 0, 20);
    fill.setColorAt(0, QColor(0x7C, 0xD0, 0x6C));
    fill.setColorAt(1, QColor(0x2E, 0x8B, 0x2E));
    p.setPen(outline(QColor(0x1E, 0x5E, 0x1E)));
    p.setBrush(fill);
    p.drawPath(arrow);
}

void paintStop(QPainter& p)
{
    QPolygonF octagon;
    for (int i = 0; i < 8; ++i) {
        const double angle = (22.5 + 45.0 * i) * M_PI / 180.0;
        octagon << QPointF(12 + 9.5 * std::cos(angle), 12 + 9.5 * std::sin(angle));
    }
    p.setPen(outline(QColor(0x8B, 0x10, 0x10)));
    p.setBrush(QColor(0xD9, 0x2B, 0x2B));
    p.drawPolygon(octagon);
    p.setPen(outline(Qt::white, 2.4));
    p.drawLine(QPointF(8.5, 8.5), QPointF(15.5, 15.5));
    p.drawLine(QPointF(15.5, 8.5), QPointF(8.5, 15.5));
}

void paintRefresh(QPainter& p)
{
    p.setPen(outline(QColor(0x1F, 0x6F, 0xC0), 2.6));
    p.setBrush(Qt::NoBrush);
    // Two arcs chasing each other round the centre, each ending in an arrow head.
    const QRectF circle(5, 5, 14, 14);
    p.drawArc(circle, 100 * 16, 150 * 16);
    p.drawArc(circle, 280 * 16, 150 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1F, 0x6F, 0xC0));
    p.drawPolygon(QPolygonF{QPointF(16.5, 2.5), QPointF(20.5, 7.5), QPointF(14.0, 8.5)});
    p.drawPolygon(QPolygonF{QPointF(7.5, 21.5), QPointF(3.5, 16.5), QPointF(10.0, 15.5)});
}

void paintHome(QPainter& p)
{
    p.setPen(outline(QColor(0x5A, 0x3A, 0x1A)));
    p.setBrush(QColor(0xF2, 0xE2, 0xB8));
    p.drawRect(QRectF(6, 11, 12, 10));
    p.setBrush(QColor(0xC0, 0x39, 0x2B));
    p.drawPolygon(QPolygonF{QPointF(2.5, 12), QPointF(12, 3), QPointF(21.5, 12)});
    p.setBrush(QColor(0x8B, 0x5A, 0x2B));
    p.drawRect(QRectF(10, 15, 4, 6));
}

void paintSearch(QPainter& p)
{
    p.setPen(outline(QColor(0x4A, 0x4A, 0x4A), 3.2));
    p.drawLine(QPointF(14.5, 14.5), QPointF(20.5, 20.5));
    p.setPen(outline(QColor(0x3A, 0x3A, 0x3A), 1.8));
    QRadialGradient glass(QPointF(8, 8), 8);
    glass.setColorAt(0, QColor(0xE8, 0xF4, 0xFF));
    glass.setColorAt(1, QColor(0x9C, 0xC8, 0xF0));
    p.setBrush(glass);
    p.drawEllipse(QPointF(10, 10), 6.5, 6.5);
}

} // namespace

QIcon BrowserIcon(const QString& key)
{
    if (key == QLatin1String("Back"))
        return paintedIcon([](QPainter& p) { paintArrow(p, true); });
    if (key == QLatin1String("Forward"))
        return paintedIcon([](QPainter& p) { paintArrow(p, false); });
    if (key == QLatin1String("Stop"))
        return paintedIcon(paintStop);
    if (key == QLatin1String("Refresh"))
        return paintedIcon(paintRefresh);
    if (key == QLatin1String("Home"))
        return paintedIcon(paintHome);
    if (key == QLatin1String("Search"))
        return paintedIcon(paintSearch);
    return {};
}
