#include "shell/AccessKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QShortcut>
#include <QTabBar>

namespace {

bool isLive(const QWidget* widget)
{
    return widget->isVisible() && widget->isEnabled();
}

bool answersTo(const QWidget* widget, const QKeySequence& key)
{
    if (auto* button = qobject_cast<const QAbstractButton*>(widget))
        return button->shortcut() == key;
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return label->buddy() && QKeySequence::mnemonic(label->text()) == key;
    if (auto* frame = qobject_cast<const QGroupBox*>(widget))
        return QKeySequence::mnemonic(frame->title()) == key;
    if (auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->isTabEnabled(i) && QKeySequence::mnemonic(tabs->tabText(i)) == key)
                return true;
        }
    }
    return false;
}

} // namespace

bool ClaimsAccessKey(const QWidget* root, const QKeySequence& key)
{
    if (!root || key.isEmpty())
        return false;
    const QList<QWidget*> controls = root->findChildren<QWidget*>();
    return std::any_of(controls.begin(), controls.end(),
                       [&key](const QWidget* control) { return isLive(control) && answersTo(control, key); });
}

YieldingAccessKeys::YieldingAccessKeys(QWidget* mainWindow, std::function<QWidget*()> workingWindow)
    : QObject(mainWindow), m_mainWindow(mainWindow), m_workingWindow(std::move(workingWindow))
{
}

void YieldingAccessKeys::bind(QAbstractButton* button)
{
    const QKeySequence key = button->shortcut();
    if (key.isEmpty())
        return;
    button->setShortcut(QKeySequence());
    auto* shortcut = new QShortcut(key, m_mainWindow);
    connect(shortcut, &QShortcut::activated, button, [button] {
        if (button->isVisible() && button->isEnabled())
            button->animateClick();
    });
    m_shortcuts.append(shortcut);
}

void YieldingAccessKeys::prepareFor(const QKeyEvent* shortcutOverride)
{
    const QKeySequence pressed(shortcutOverride->keyCombination());
    for (QShortcut* shortcut : std::as_const(m_shortcuts)) {
        if (shortcut->key() == pressed)
            shortcut->setEnabled(!ClaimsAccessKey(m_workingWindow(), pressed));
    }
}
