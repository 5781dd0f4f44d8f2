#pragma once

class QKeyEvent;

// Keys as a keyboard user means them, shared by the controls and windows that act on them.

// Whether the key is an access key (Alt with a letter or digit) rather than typing.
bool IsAccessKeyPress(const QKeyEvent* event);

// Enter or Return on a focused button presses it, as Space does; Qt presses only a
// dialog's buttons that way. Returns whether the key pressed a button.
bool PressFocusedButton(QKeyEvent* event);
