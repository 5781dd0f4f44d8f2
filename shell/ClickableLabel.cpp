#include "shell/ClickableLabel.h"

#include "shell/ReadableLabel.h"
#include "shell/ThemeColours.h"
#include "shell/modHelp.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A label that opens a web page presents itself as a link, named by its text, with a
// press action that opens it. (Qt presents every label as plain text.)
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(ClickableLabel* label) : QAccessibleWidget(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name) {
            const QString name = label()->accessibleName();
            return name.isEmpty() ? label()->text() : name;
        }
        // The description is the tooltip: the address the link opens.
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = true;
        return state;
    }

    QStringList actionNames() const override
    {
        if (!label()->isEnabled())
            return {};
        return {pressAction(), setFocusAction()};
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            if (label()->isEnabled())
                label()->activate();
            return;
        }
        QAccessibleWidget::doAction(action);
    }

private:
    ClickableLabel* label() const { return static_cast<ClickableLabel*>(object()); }
};

QAccessibleInterface* linkInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("ClickableLabel")) {
        if (auto* label = qobject_cast<ClickableLabel*>(object); label && label->isLink())
            return new LinkAccessible(label);
    }
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent)
{
    setCursor(Qt::PointingHandCursor);
}

QSize ClickableLabel::sizeHint() const
{
    if (!wordWrap())
        return QLabel::sizeHint();
    // QLabel's own choice: eighty characters a line, narrower still for a short text.
    const int lineSpacing = fontMetrics().lineSpacing();
    const int width = qMin(fontMetrics().averageCharWidth() * 80, maximumWidth());
    QSize size = measure(width);
    if (size.height() < 4 * lineSpacing && size.width() > width / 2)
        size = measure(width / 2);
    if (size.height() < 2 * lineSpacing && size.width() > width / 4)
        size = measure(width / 4);
    return size.grownBy(contentsMargins());
}

QSize ClickableLabel::minimumSizeHint() const
{
    if (!wordWrap())
        return QLabel::minimumSizeHint();
    // As narrow as the longest word, as low as one line.
    return QSize(measure(0).width(), qMin(measure(QWIDGETSIZE_MAX).height(), sizeHint().height()))
        .grownBy(contentsMargins());
}

int ClickableLabel::heightForWidth(int width) const
{
    if (!wordWrap())
        return QLabel::heightForWidth(width);
    const QMargins margins = contentsMargins();
    return measure(width - margins.left() - margins.right()).height() + margins.top() + margins.bottom();
}

QSize ClickableLabel::measure(int width) const
{
    // Layouts ask about the same few widths again and again.
    const QString key = text() + QChar(0) + font().key();
    if (key != m_measuredFor) {
        m_measuredFor = key;
        m_sizes.clear();
    }
    if (const auto known = m_sizes.constFind(width); known != m_sizes.constEnd())
        return *known;
    const QRect room(0, 0, qMax(0, width), QWIDGETSIZE_MAX);
    const QSize size = fontMetrics().boundingRect(room, Qt::TextWordWrap | int(alignment()), text()).size();
    if (m_sizes.size() > 8)
        m_sizes.clear();
    m_sizes.insert(width, size);
    return size;
}

void ClickableLabel::setLink(bool link)
{
    // Qt asks the factories for an interface when a screen reader first looks at a label.
    static const bool registered = (QAccessible::installFactory(linkInterface), true);
    Q_UNUSED(registered);
    m_link = link;
    // Tab only: a click opens the page and leaves the focus where the user was working.
    setFocusPolicy(link ? Qt::TabFocus : Qt::NoFocus);
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

void ClickableLabel::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (m_link && plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
        // Accepted even when held down, so the key never reaches a default button behind.
        event->accept();
        if (!event->isAutoRepeat())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (m_link && hasFocus())
        PaintFocusFrame(*this);
}

void ClickableLabel::showEvent(QShowEvent* event)
{
    QLabel::showEvent(event);
    if (m_link)
        AppendLinksToTabChain(TabChainWindow(this));
}

ClickableLabel* MakePageLabel(const QString& objectName, const QString& text, const QString& pageKey,
                              QWidget* parent)
{
    auto* label = new ClickableLabel(text, parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setLink(true);
    ThemeColours::UseLinkColour(label);
    label->setToolTip(modHelp::PageAddress(pageKey));
    QObject::connect(label, &ClickableLabel::clicked, label, [pageKey] { modHelp::OpenPage(pageKey); });
    return label;
}

void ShowUnderlined(QLabel* label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
}

QWidget* TabChainWindow(QWidget* widget)
{
    for (QWidget* candidate = widget; candidate; candidate = candidate->parentWidget()) {
        if (candidate->isWindow() || candidate->windowType() == Qt::SubWindow)
            return candidate;
    }
    return nullptr;
}

void AppendLinksToTabChain(QWidget* window)
{
    if (!window)
        return;
    // The chain is a ring through every widget of the top-level window; the window's own
    // part starts right after it.
    QWidget* firstControl = nullptr;
    QWidget* lastControl = nullptr;
    QList<ClickableLabel*> links;
    for (QWidget* widget = window->nextInFocusChain(); widget && widget != window; widget = widget->nextInFocusChain()) {
        if (!(widget->focusPolicy() & Qt::TabFocus) || TabChainWindow(widget) != window)
            continue;
        auto* link = qobject_cast<ClickableLabel*>(widget);
        if (link && link->isLink()) {
            links.append(link);
        } else {
            if (!firstControl)
                firstControl = widget;
            lastControl = widget;
        }
    }
    if (!lastControl)
        return;
    for (ClickableLabel* link : links) {
        // setTabOrder() leaves alone a link that Tab already reaches next, even when it
        // stands at the start of the chain, where the window would give it the focus
        // first; so each link goes behind the first control, then behind the last.
        QWidget::setTabOrder(firstControl, link);
        QWidget::setTabOrder(lastControl, link);
        lastControl = link;
    }
}
