#pragma once

// How the program's controls present themselves to screen readers, beyond what Qt does:
//
// - A drop-down list is named by its accessible name ("Your birth day"), and its current
//   item is its value. (Qt on Linux names a list after its current item, so a screen
//   reader would read "1936" for a year list.)
// - A link label (ClickableLabel::isLink) is a link, with a press action that opens it.
//
// Registers one factory function and loads nothing; call it once, right after the
// QApplication is made and before any window is shown.
void InstallAccessibility();
