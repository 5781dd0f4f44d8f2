#include "shell/ElidedLabel.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent)
{
    setWordWrap(false);
    setTextFormat(Qt::PlainText);
}

void ElidedLabel::setText(const QString& text)
{
    QLabel::setText(text);
    updateToolTip();
}

QString ElidedLabel::shownText() const
{
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

QSize ElidedLabel::sizeHint() const
{
    return minimumSizeHint();
}

QSize ElidedLabel::minimumSizeHint() const
{
    const QMargins margins = contentsMargins();
    return QSize(fontMetrics().horizontalAdvance(QStringLiteral("Mmmm\u2026")),
                 fontMetrics().height()) +
           QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

void ElidedLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter, contentsRect(), QStyle::visualAlignment(layoutDirection(), alignment()),
                          option.palette, isEnabled(), shownText(), foregroundRole());
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    updateToolTip();
}

void ElidedLabel::updateToolTip()
{
    setToolTip(shownText() == text() ? QString() : text());
}
