#include "shell/UserTitledFrame.h"

#include "shell/Text.h"

#include <QStyle>
#include <QStyleOptionGroupBox>

void UserTitledFrame::setUserTitle(const QString& text)
{
    m_userTitle = text;
    showTitle();
}

QSize UserTitledFrame::minimumSizeHint() const
{
    // What the contents need; QGroupBox would add the whole width of the title.
    return QWidget::minimumSizeHint();
}

void UserTitledFrame::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    showTitle();
}

void UserTitledFrame::showTitle()
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    const int room = qMax(0, width() - 2 * style()->pixelMetric(QStyle::PM_LayoutLeftMargin, &option, this));
    const QString shown = fontMetrics().elidedText(m_userTitle, Qt::ElideRight, room);
    setToolTip(shown == m_userTitle ? QString() : m_userTitle);
    const QString title = CaptionText(shown);
    if (title != QGroupBox::title())
        setTitle(title);
}
