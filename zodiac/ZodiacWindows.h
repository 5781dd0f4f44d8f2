#pragma once

class frmMDI;

// Teaches the main window's registry how to create the zodiac program's windows.
void RegisterZodiacWindows(frmMDI& main);
