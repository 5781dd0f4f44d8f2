#pragma once

#include "shell/ProgramWindow.h"

class ClickableLabel;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The moon program's entry screen: both partners' names and dates, times and places of
// birth. Only the dates feed the moon signs; the rest is checked and shown.
class frmMainMoonSignCompatibility : public ProgramWindow {
    Q_OBJECT
public:
    frmMainMoonSignCompatibility();

    // Checks every entry and hands the couple as entered to a fresh result screen, which
    // opens in place of this one.
    void Calculate();

    QLabel* Label62 = nullptr;

    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtMName = nullptr;
    QComboBox* cboMDate = nullptr;
    QComboBox* cboMMonth = nullptr;
    QComboBox* cboMYear = nullptr;
    QComboBox* cboMHH = nullptr;
    QComboBox* cboMMM = nullptr;
    QComboBox* cboMSS = nullptr;
    QGroupBox* Frame8 = nullptr;
    QLineEdit* txtMLD = nullptr;
    QLineEdit* txtMLM = nullptr;
    QRadioButton* optMNorth = nullptr;
    QRadioButton* optMSouth = nullptr;
    QLineEdit* txtMLoD = nullptr;
    QLineEdit* txtMLoM = nullptr;
    QRadioButton* optMEast = nullptr;
    QRadioButton* optMWest = nullptr;
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;
    QPushButton* cmdMaleBrowse = nullptr;

    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtFName = nullptr;
    QComboBox* cboFDate = nullptr;
    QComboBox* cboFMonth = nullptr;
    QComboBox* cboFYear = nullptr;
    QComboBox* cboFHH = nullptr;
    QComboBox* cboFMM = nullptr;
    QComboBox* cboFSS = nullptr;
    QGroupBox* Frame9 = nullptr;
    QLineEdit* txtFLD = nullptr;
    QLineEdit* txtFLM = nullptr;
    QRadioButton* optFNorth = nullptr;
    QRadioButton* optFSouth = nullptr;
    QLineEdit* txtFLoD = nullptr;
    QLineEdit* txtFLoM = nullptr;
    QRadioButton* optFEast = nullptr;
    QRadioButton* optFWest = nullptr;
    QLineEdit* txtFCity = nullptr;
    QLineEdit* txtFState = nullptr;
    QLineEdit* txtFCountry = nullptr;
    QPushButton* cmdFemaleBrowse = nullptr;

    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdDonate = nullptr;
    QLabel* lblFullBrand = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    ClickableLabel* Label61 = nullptr;

private:
    struct Partner;
    QGroupBox* buildPartnerFrame(const QString& frameName, const QString& title, const QString& placeFrameName,
                                 const QString& suffix, Partner& fields);
    void buildMenus();
    bool ValidateEntries();
    void Browse(QLineEdit* city, QLineEdit* state, QLineEdit* country);
};
