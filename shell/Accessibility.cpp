#include "shell/Accessibility.h"

#include "shell/ClickableLabel.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QKeySequence>
#include <QLineEdit>

namespace {

// A drop-down list that says what it holds: its name, then its current item as the value.
class NamedListAccessible : public QAccessibleWidget {
public:
    explicit NamedListAccessible(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: {
            // A list nobody named keeps Qt's own name, its current item.
            const QString name = list()->accessibleName();
            return name.isEmpty() ? currentText() : name;
        }
        case QAccessible::Value:
            return currentText();
        case QAccessible::Accelerator:
            return QKeySequence(Qt::Key_Down).toString(QKeySequence::NativeText);
        default:
            return QAccessibleWidget::text(kind);
        }
    }

    // The popup list (and the text field of an editable list), as Qt presents them.
    int childCount() const override { return list()->isEditable() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->isEditable())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->isEditable() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override
    {
        QLineEdit* field = list()->isEditable() ? list()->lineEdit() : nullptr;
        if (field && QRect(field->mapToGlobal(QPoint(0, 0)), field->size()).contains(x, y))
            return child(1);
        return nullptr;
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
    QComboBox* list() const { return static_cast<QComboBox*>(object()); }

    QString currentText() const
    {
        return list()->isEditable() ? list()->lineEdit()->text() : list()->currentText();
    }
};

// A label that opens a web page: a link named by its text, pressed to open it.
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

QAccessibleInterface* programInterfaces(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox")) {
        if (auto* list = qobject_cast<QComboBox*>(object))
            return new NamedListAccessible(list);
    } else if (className == QLatin1String("ClickableLabel")) {
        if (auto* label = qobject_cast<ClickableLabel*>(object); label && label->isLink())
            return new LinkAccessible(label);
    }
    return nullptr;
}

} // namespace

void InstallAccessibility()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(programInterfaces);
}
