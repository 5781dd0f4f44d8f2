#pragma once

// Drives each of the four programs the way a user does, for tests that must hold on
// every screen: the main window's program button, names typed into the entry screen,
// then the entry screen's action and the result screen's report button.
#include "shell/ProgramWindow.h"

#include <QString>

class frmMDI;

// In the order of the main window's program buttons.
enum class Program { Chinese, Moon, Numerology, Zodiac };
inline constexpr Program AllPrograms[] = {Program::Chinese, Program::Moon, Program::Numerology, Program::Zodiac};

QString ProgramName(Program program);

// The program's entry screen, freshly opened and filled in with valid entries.
ProgramWindow* OpenFilledEntry(frmMDI& main, Program program, const QString& nameM, const QString& nameF);
// The result screen, from a filled entry screen (numerology: the life-path result).
ProgramWindow* OpenResult(frmMDI& main, Program program, const QString& nameM, const QString& nameF);
// The report window (numerology: the comprehensive reading, started from the entry screen).
ProgramWindow* OpenReport(frmMDI& main, Program program, const QString& nameM, const QString& nameF);

// Every program has these three screens; OpenScreen opens the one asked for as above.
enum class Screen { Entry, Result, Report };
inline constexpr Screen AllScreens[] = {Screen::Entry, Screen::Result, Screen::Report};
QString ScreenName(Screen screen);
ProgramWindow* OpenScreen(frmMDI& main, Program program, Screen screen, const QString& nameM, const QString& nameF);

// Lets windows that were closed be deleted, as the event loop does between two clicks.
void SettleWindows();
