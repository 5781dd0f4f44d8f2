#include "shell/ClickableLabel.h"

#include "shell/modHelp.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        // Handled here: a clickable label inside a clickable strip opens one page, not two.
        event->accept();
        emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

ClickableLabel* MakePageLabel(const QString& objectName, const QString& text, const QString& pageKey,
                              QWidget* parent)
{
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setToolTip(modHelp::PageAddress(pageKey));
    QObject::connect(label, &ClickableLabel::clicked, label, [pageKey] { modHelp::OpenPage(pageKey); });
    return label;
}
