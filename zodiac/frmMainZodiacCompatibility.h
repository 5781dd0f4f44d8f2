#pragma once

#include "shell/ProgramWindow.h"

#include <array>

class ClickableLabel;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The zodiac program's entry screen: two names and birth dates.
class frmMainZodiacCompatibility : public ProgramWindow {
    Q_OBJECT
public:
    frmMainZodiacCompatibility();

    // Checks the names and hands the couple as entered to the result screen, which opens
    // in place of this one.
    void CheckCompatibility();

    QGroupBox* fraDetails = nullptr;
    QLineEdit* txtNameM = nullptr;
    std::array<QRadioButton*, 2> optSexM{};
    QComboBox* cboMonthM = nullptr;
    QComboBox* cboDateM = nullptr;
    QComboBox* cboYearM = nullptr;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtNameF = nullptr;
    std::array<QRadioButton*, 2> optSexF{};
    QComboBox* cboMonthF = nullptr;
    QComboBox* cboDateF = nullptr;
    QComboBox* cboYearF = nullptr;

    QGroupBox* Frame2 = nullptr;
    QPushButton* cmdSunSign = nullptr;
    ClickableLabel* Label14 = nullptr;
    ClickableLabel* Label3 = nullptr;

private:
    bool ValidateZodiacEntry();
    void buildMenus();
};
