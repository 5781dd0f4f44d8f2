#include "shell/Emblem.h"

#include <QPainter>
#include <QRadialGradient>

Emblem::Emblem(const QString& symbol, QColor colour, int diameter, QWidget* parent)
    : QWidget(parent), m_symbol(symbol), m_colour(colour)
{
    setFixedSize(diameter, diameter);
}

void Emblem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF circle = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    QRadialGradient shade(circle.center() - QPointF(circle.width() / 5, circle.height() / 5), circle.width() * 0.7);
    shade.setColorAt(0, m_colour.lighter(170));
    shade.setColorAt(1, m_colour.darker(130));
    painter.setBrush(shade);
    painter.setPen(QPen(QColor(212, 175, 55), 1.5));
    painter.drawEllipse(circle);

    QFont font = painter.font();
    font.setPixelSize(int(circle.height() * 0.55));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(circle, Qt::AlignCenter, m_symbol);
}
