#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

#include <functional>

class QAbstractButton;
class QKeyEvent;
class QShortcut;
class QWidget;

// Whether a visible, enabled control inside root answers to key as its access key: a
// button, a label that leads to a buddy, a group box title or a tab.
bool ClaimsAccessKey(const QWidget* root, const QKeySequence& key);

// Access keys of the main window that give way to the program window the user works in.
// Qt treats a key claimed both by the main window and by the focused program window as
// ambiguous and only moves the focus back and forth; here the program window's control
// acts at once, and the main window's button acts when no such window claims the key.
class YieldingAccessKeys : public QObject {
public:
    // workingWindow returns the program window that holds the keyboard focus, or nullptr.
    YieldingAccessKeys(QWidget* mainWindow, std::function<QWidget*()> workingWindow);

    // Takes over the button's access key (its "&" letter, still underlined).
    void bind(QAbstractButton* button);

    // Decides which window a pressed key belongs to. The main window calls this with the
    // ShortcutOverride event that Qt sends (to the focused control, then up to the window)
    // just before it looks for a shortcut.
    void prepareFor(const QKeyEvent* shortcutOverride);

private:
    QWidget* m_mainWindow;
    std::function<QWidget*()> m_workingWindow;
    QList<QShortcut*> m_shortcuts;
};
