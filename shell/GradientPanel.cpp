#include "shell/GradientPanel.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>

GradientPanel::GradientPanel(const QColor& top, const QColor& bottom, QWidget* parent)
    : QWidget(parent), m_top(top), m_bottom(bottom)
{
    // Painted here rather than through a style sheet, which would cost the start-up dearly.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GradientPanel::paintEvent(QPaintEvent*)
{
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    QPainter(this).fillRect(rect(), gradient);
}

void GradientPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}
