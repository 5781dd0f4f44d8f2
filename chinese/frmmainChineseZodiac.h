#pragma once

#include "shell/ProgramWindow.h"

#include <array>

class ClickableLabel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The Chinese zodiac program's entry screen: each partner's name and date of birth.
class frmmainChineseZodiac : public ProgramWindow {
    Q_OBJECT
public:
    frmmainChineseZodiac();

    // Checks the entries and hands the couple as entered to the result screen, which opens
    // in place of this one.
    void Proceed();

    QGroupBox* Frame1 = nullptr;
    QLabel* Label3 = nullptr;
    QLineEdit* txtMaleName = nullptr;
    QLabel* Label4 = nullptr;
    QComboBox* cboMaleMonth = nullptr;
    QComboBox* CboMaleDate = nullptr;
    QComboBox* cboMaleYear = nullptr;

    QGroupBox* Frame2 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* txtFemaleName = nullptr;
    QLabel* Label7 = nullptr;
    QComboBox* cboFemaleMonth = nullptr;
    QComboBox* cboFemaleDate = nullptr;
    QComboBox* cboFemaleYear = nullptr;

    std::array<QGroupBox*, 2> Frame3{};
    std::array<QLabel*, 2> Label5{};
    QPushButton* cmdProceed = nullptr;
    ClickableLabel* Label1 = nullptr;
    ClickableLabel* Label2 = nullptr;

private:
    bool ValidateChineseEntry();
    void buildMenus();
};
