#pragma once

#include "numerology/NumerologyReadings.h"
#include "shell/ProgramWindow.h"

class ClickableLabel;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The numerology program's entry screen: both partners' names and dates of birth, and
// the three readings. While a reading's result is open this screen is hidden, so its
// entries are still there when the user comes back.
class frmMainMarriageCompatibility : public ProgramWindow {
    Q_OBJECT
public:
    frmMainMarriageCompatibility();

    // True when every required field is filled; otherwise says which one is missing and
    // puts the focus there.
    bool ValidateEntries();

    // Each hands the couple as entered to the window that shows its reading: the result
    // screen for the life-path and destiny readings, the report window for the
    // comprehensive one. This screen then hides, keeping its entries.
    void LifePathReading();
    void DestinyReading();
    void ComprehensiveReading();

    // The fields as entered.
    NumerologyCouple Couple() const;

    QLabel* Label11 = nullptr;

    QGroupBox* fraM = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* txtMF = nullptr;
    QLineEdit* txtMM = nullptr;
    QLineEdit* txtML = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboMD = nullptr;
    QComboBox* cboMY = nullptr;

    QGroupBox* fraF = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* txtFF = nullptr;
    QLineEdit* txtFM = nullptr;
    QLineEdit* txtFL = nullptr;
    QComboBox* cboFM = nullptr;
    QComboBox* cboFD = nullptr;
    QComboBox* cboFY = nullptr;

    QPushButton* cmdExit = nullptr;
    QPushButton* cmdCR = nullptr;
    QPushButton* cmdLP = nullptr;
    QPushButton* cmdD = nullptr;

    QGroupBox* fraSite = nullptr;
    ClickableLabel* Label61 = nullptr;
    QGroupBox* fraNote = nullptr;
    QLabel* Label14 = nullptr;

    QGroupBox* fraBottom = nullptr;
    ClickableLabel* Label6 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* cmdNav = nullptr;
    QLabel* Label13 = nullptr;
    ClickableLabel* Label52 = nullptr;

private:
    void buildMenus();
    QWidget* buildTopRow();
    QWidget* buildBottomFrame();
    void startReading(NumerologyReading reading);
};
