#include "shell/Keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>

bool IsAccessKeyPress(const QKeyEvent* event)
{
    // AltGr (Alt with Control on some systems) types characters and is left alone.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QString text = event->text();
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier) && text.size() == 1 &&
           text.front().isPrint();
}

bool PressFocusedButton(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (!button || !button->isEnabled())
        return false;
    event->accept();
    if (!event->isAutoRepeat())
        button->animateClick();
    return true;
}
