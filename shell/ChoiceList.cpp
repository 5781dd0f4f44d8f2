#include "shell/ChoiceList.h"

#include "shell/Keys.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

// How a list presents itself to assistive technology. Qt 6.4 on Linux names a drop-down
// list after its current item and takes its label from a caption next to it; Orca 43 then
// says "Birth Day combo box" for a month list and never the month, since it reads a list's
// value only through interfaces Qt 6.4 does not offer for lists. Here the list is named
// by its own name, and its current item is both its value and its description, which
// Orca speaks when the list takes the focus.
class ChoiceListAccessible : public QAccessibleWidget {
public:
    explicit ChoiceListAccessible(ChoiceList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: {
            const QString name = list()->accessibleName();
            return name.isEmpty() ? list()->currentText() : name;
        }
        case QAccessible::Value:
        case QAccessible::Description:
            return list()->currentText();
        case QAccessible::Accelerator:
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    // A caption that stands for a whole row ("Date Of Birth:") would be spoken instead of
    // the list's own name, so month, day and year could not be told apart.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override
    {
        return QAccessibleWidget::relations(QAccessible::Relation(match & ~QAccessible::Label));
    }

    // The popup list, as Qt presents it.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    ChoiceList* list() const { return static_cast<ChoiceList*>(object()); }
};

QAccessibleInterface* choiceListInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String("ChoiceList"))
        return new ChoiceListAccessible(static_cast<ChoiceList*>(object));
    return nullptr;
}

bool isRunOf(const QString& text, QChar character)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), [character](QChar c) {
        return c.toCaseFolded() == character.toCaseFolded();
    });
}

} // namespace

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    // Qt asks the factories for an interface when a screen reader first looks at a list.
    static const bool registered = (QAccessible::installFactory(choiceListInterface), true);
    Q_UNUSED(registered);
    setEditable(false);
    connect(this, &QComboBox::currentIndexChanged, this, &ChoiceList::announceCurrentItem);
}

int ChoiceList::TypedChoice(const QStringList& items, int current, const QString& typed)
{
    if (typed.isEmpty())
        return -1;
    for (int i = 0; i < items.size(); ++i) {
        if (items[i].startsWith(typed, Qt::CaseInsensitive))
            return i;
    }
    if (typed.size() > 1 && isRunOf(typed, typed.front())) {
        for (int step = 1; step <= items.size(); ++step) {
            const int i = (qMax(current, 0) + step) % int(items.size());
            if (items[i].startsWith(typed.front(), Qt::CaseInsensitive))
                return i;
        }
    }
    return -1;
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    const bool printable = text.size() == 1 && text.front().isPrint() && !text.front().isSpace();
    const Qt::KeyboardModifiers commandKeys = Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (IsAccessKeyPress(event)) {
        // An access key that nothing on the screen claims; Qt would search the list for it.
        event->ignore();
        return;
    }
    if (printable && !(event->modifiers() & commandKeys)) {
        selectTyped(text.front());
        return;
    }
    QComboBox::keyPressEvent(event);
}

void ChoiceList::selectTyped(QChar typed)
{
    // Qt's own search starts after the current item, so "1" on a list showing 1 gave 10.
    const bool inOneGo = m_sinceTyped.isValid() && m_sinceTyped.elapsed() < QApplication::keyboardInputInterval();
    m_typed = inOneGo || isRunOf(m_typed, typed) ? m_typed + typed : QString(typed);
    m_sinceTyped.start();

    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    const int choice = TypedChoice(items, currentIndex(), m_typed);
    if (choice >= 0)
        setCurrentIndex(choice);
}

void ChoiceList::announceCurrentItem()
{
    // Orca 43 speaks nothing when a list's value changes (Qt reports it as a name change,
    // which Orca ignores for lists, and as a description change that carries no text), but
    // it speaks an item that takes the focus, as Qt reports when the open list is browsed.
    // So while the user works in the closed list, its new item is reported that way.
    if (!QAccessible::isActive() || !hasFocus() || view()->isVisible() || currentIndex() < 0)
        return;
    QAccessibleInterface* items = QAccessible::queryAccessibleInterface(view());
    QAccessibleInterface* item = items ? items->child(currentIndex()) : nullptr;
    if (!item)
        return;
    QAccessibleEvent event(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}
