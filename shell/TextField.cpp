#include "shell/TextField.h"

#include "shell/Keys.h"

#include <QKeyEvent>

TextField::TextField(QWidget* parent) : QLineEdit(parent)
{
    // A line edit reports its caret the first time it gets the focus, just before Qt
    // reports the focus itself; Orca takes the caret report for the focus change and says
    // nothing. Placed once now, the caret is not reported on that first visit, so the
    // field is announced like on every later one.
    setCursorPosition(0);
}

void TextField::keyPressEvent(QKeyEvent* event)
{
    if (IsAccessKeyPress(event)) {
        // Left to the window, where it does nothing.
        event->ignore();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
