#pragma once

class frmMDI;

// Teaches the main window's registry how to create every program window that is built.
void RegisterProgramWindows(frmMDI& main);
