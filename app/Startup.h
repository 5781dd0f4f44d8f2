#pragma once

class frmMDI;

// The program's start, in two steps around making its main window: the program and the
// benchmark that times it share them, so the benchmark starts exactly as the program does.

// Sets the application up (name, fonts, style, icon) and runs the update
// reminder. Call once the QApplication exists, before the main window is made.
void PrepareApplication();

// Registers every program's windows with the main window and shows it maximised; its
// restored size lies well inside the screen.
void ShowMainWindow(frmMDI& main);
