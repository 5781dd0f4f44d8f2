#pragma once

class frmMDI;

// Teaches the main window's registry how to create the Chinese zodiac program's windows.
void RegisterChineseWindows(frmMDI& main);
