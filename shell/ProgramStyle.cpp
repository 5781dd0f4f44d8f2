#include "shell/ProgramStyle.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace {

// Two chevrons pointing right: "more items this way".
QIcon overflowArrow(const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal left : {4.0, 8.5})
        painter.drawPolyline(QPolygonF({QPointF(left, 4), QPointF(left + 4, 8), QPointF(left, 12)}));
    return QIcon(pixmap);
}

} // namespace

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const
{
    if (which == SP_ToolBarHorizontalExtensionButton) {
        const QPalette palette = widget ? widget->palette() : standardPalette();
        return overflowArrow(palette.color(QPalette::WindowText));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

int ProgramStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const
{
    if (hint == SH_MenuBar_AltKeyNavigation)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}
