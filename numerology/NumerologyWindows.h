#pragma once

class frmMDI;

// Teaches the main window's registry how to create the numerology program's windows.
void RegisterNumerologyWindows(frmMDI& main);
