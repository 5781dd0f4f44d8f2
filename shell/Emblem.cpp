#include "shell/Emblem.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

Emblem::Emblem(const QString& symbol, QColor colour, int diameter, QWidget* parent)
    : QWidget(parent), m_symbol(symbol), m_colour(colour)
{
    setFixedSize(diameter, diameter);
}

void Emblem::paintEvent(QPaintEvent*)
{
    // A badge squeezed narrower than it is tall is left out rather than drawn squashed.
    if (width() < height())
        return;
    QPainter painter(this);
    if (m_symbol.isEmpty())
        PaintLogo(painter, rect());
    else
        paint(painter, rect(), m_symbol, m_colour);
}

namespace {

const QColor kLogoColour(0x8e, 0x3b, 0x8f);

// The logo's heart, drawn from curves rather than from a font's glyph, so that painting
// the window icon at start-up loads no font.
QPainterPath heart(const QRectF& circle)
{
    QPainterPath path;
    path.moveTo(0, 0.6);
    path.cubicTo(-0.8, 0.1, -1.1, -0.4, -0.7, -0.75);
    path.cubicTo(-0.35, -1.05, 0, -0.8, 0, -0.5);
    path.cubicTo(0, -0.8, 0.35, -1.05, 0.7, -0.75);
    path.cubicTo(1.1, -0.4, 0.8, 0.1, 0, 0.6);
    path.closeSubpath();
    const qreal scale = circle.width() * 0.3;
    QTransform place;
    place.translate(circle.center().x(), circle.center().y() + 0.2 * scale);
    place.scale(scale, scale);
    return place.map(path);
}

} // namespace

Emblem* Emblem::MakeLogo(int diameter)
{
    return new Emblem(QString(), kLogoColour, diameter);
}

QIcon Emblem::ApplicationIcon()
{
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    PaintLogo(painter, pixmap.rect());
    return QIcon(pixmap);
}

void Emblem::PaintLogo(QPainter& painter, const QRectF& area)
{
    painter.fillPath(heart(paintBadge(painter, area, kLogoColour)), Qt::white);
}

QRectF Emblem::paintBadge(QPainter& painter, const QRectF& area, const QColor& colour)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = area.adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient shade(circle.center() - QPointF(circle.width() / 5, circle.height() / 5), circle.width() * 0.7);
    shade.setColorAt(0, colour.lighter(170));
    shade.setColorAt(1, colour.darker(130));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(212, 175, 55), 1.5));
    painter.drawEllipse(circle);
    return circle;
}

void Emblem::paint(QPainter& painter, const QRectF& area, const QString& symbol, const QColor& colour)
{
    const QRectF circle = paintBadge(painter, area, colour);
    // The symbol is filled as an outline, placed where centered text would stand.
    QFont font = painter.font();
    font.setPixelSize(int(circle.height() * 0.55));
    const QFontMetricsF metrics(font);
    const QPointF baseline(circle.center().x() - metrics.horizontalAdvance(symbol) / 2,
                           circle.center().y() + (metrics.ascent() - metrics.descent()) / 2);
    QPainterPath outline;
    outline.addText(baseline, font, symbol);
    painter.fillPath(outline, Qt::white);
}
