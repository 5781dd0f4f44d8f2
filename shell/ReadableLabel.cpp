#include "shell/ReadableLabel.h"

#include <QPainter>

ReadableLabel::ReadableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    // What the screen shows is data, never markup.
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
}

void ReadableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (hasFocus())
        PaintFocusFrame(*this);
}

void PaintFocusFrame(QLabel& label)
{
    QPainter painter(&label);
    QPen pen(label.palette().color(label.foregroundRole()), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(label.rect()).adjusted(1, 1, -1, -1));
}
