#pragma once

class frmMDI;

// Teaches the main window's registry how to create the moon sign program's windows.
void RegisterMoonWindows(frmMDI& main);
