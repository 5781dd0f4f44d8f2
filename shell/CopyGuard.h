#pragma once

class QWidget;

// Keeps a read-only box's text from being copied out: the copy keys and the context menu
// do nothing, a mouse press never starts dragging a selection away, and whatever the user
// does with the box (clicks, mouse moves, selecting, a change of its text) empties both
// the clipboard and the X11 mouse selection. The text can still be read, scrolled and
// selected on screen. Works for QLineEdit, QTextEdit and QPlainTextEdit.
void GuardAgainstCopying(QWidget* box);
