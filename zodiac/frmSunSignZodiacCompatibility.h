#pragma once

#include "shell/ProgramWindow.h"
#include "shell/SignPictures.h"
#include "zodiac/ZodiacCouple.h"

class ClickableLabel;
class ElidedLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The zodiac result screen: the pair's rating and reading, and each partner's sign profile,
// on three tabs. The entry screen hands it the couple, and it works everything out once,
// before it is first shown.
class frmSunSignZodiacCompatibility : public ProgramWindow {
    Q_OBJECT
public:
    frmSunSignZodiacCompatibility();

    // Works out the couple's result and shows it on the three tabs, the first in front.
    void ShowResult(const ZodiacCouple& couple);
    // What the screen shows.
    const ZodiacResult& result() const { return m_result; }

    // Opens a fresh entry screen in place of this one.
    void Back();
    // Opens the report window with this screen's result and hides this screen until the
    // report closes.
    void Save();

    QTabWidget* TS = nullptr;

    // Tab 1: the compatibility of the pair.
    QGroupBox* Frame3 = nullptr;
    SignPictureLabel* Image1 = nullptr;
    SignPictureLabel* Image2 = nullptr;
    QLabel* lblMatchPercentage = nullptr;
    QLabel* lblMatchComment = nullptr;
    QLabel* lblMatchSunSigns = nullptr;
    QLabel* lblMatchDescription = nullptr;
    ClickableLabel* lblHyperlink = nullptr;
    QPushButton* cmdSave = nullptr;

    // Tab 2: the first partner ("Your Details").
    QGroupBox* Frame1 = nullptr;
    QGroupBox* fraUserM = nullptr;
    SignPictureLabel* picSunSignM = nullptr;
    ElidedLabel* lblNameM = nullptr;
    QLabel* lblDOBM = nullptr;
    QLabel* lblSunSignM = nullptr;
    QGroupBox* fraSunSignM = nullptr;
    // The first partner's sign profile; the three long boxes scroll, none can be edited.
    QLineEdit* txtElementM = nullptr;
    QLineEdit* txtRulingPlanetM = nullptr;
    QPlainTextEdit* txtPositiveTraitsM = nullptr;
    QPlainTextEdit* txtNegativeTraitsM = nullptr;
    QLineEdit* txtLuckyNumberM = nullptr;
    QLineEdit* txtLuckyColorM = nullptr;
    QLineEdit* txtLuckyDayM = nullptr;
    QLineEdit* txtCompatibilityM = nullptr;
    QPlainTextEdit* txtFamousPersonsM = nullptr;
    QLineEdit* txtBirthStoneM = nullptr;
    QLineEdit* txtQualityM = nullptr;

    // Tab 3: the second partner ("Your Partner's Details").
    QGroupBox* Frame2 = nullptr;
    QGroupBox* fraUserF = nullptr;
    SignPictureLabel* picSunSignF = nullptr;
    ElidedLabel* lblNameF = nullptr;
    QLabel* lblDOBF = nullptr;
    QLabel* lblSunSignF = nullptr;
    QGroupBox* fraSunSignF = nullptr;
    QLineEdit* txtElementF = nullptr;
    QLineEdit* txtRulingPlanetF = nullptr;
    QPlainTextEdit* txtPositiveTraitsF = nullptr;
    QPlainTextEdit* txtNegativeTraitsF = nullptr;
    QLineEdit* txtLuckyNumberF = nullptr;
    QLineEdit* txtLuckyColorF = nullptr;
    QLineEdit* txtLuckyDayF = nullptr;
    QLineEdit* txtCompatibilityF = nullptr;
    QPlainTextEdit* txtFamousPersonsF = nullptr;
    QLineEdit* txtBirthStoneF = nullptr;
    QLineEdit* txtQualityF = nullptr;

    QPushButton* cmdBack = nullptr;
    ClickableLabel* Label24 = nullptr;
    ClickableLabel* Label25 = nullptr;

    // The sign pictures, keyed by sign name.
    SignImageList IMG;

    // One partner's page controls, for code that treats both partners alike.
    struct PartnerControls {
        QGroupBox* page;
        QGroupBox* fraUser;
        SignPictureLabel* picSunSign;
        ElidedLabel* lblName;
        QLabel* lblDOB;
        QLabel* lblSunSign;
        QGroupBox* fraSunSign;
        QLineEdit* txtElement;
        QLineEdit* txtRulingPlanet;
        QPlainTextEdit* txtPositiveTraits;
        QPlainTextEdit* txtNegativeTraits;
        QLineEdit* txtLuckyNumber;
        QLineEdit* txtLuckyColor;
        QLineEdit* txtLuckyDay;
        QLineEdit* txtCompatibility;
        QPlainTextEdit* txtFamousPersons;
        QLineEdit* txtBirthStone;
        QLineEdit* txtQuality;
    };
    PartnerControls partnerM() const;
    PartnerControls partnerF() const;

private:
    QGroupBox* buildCompatibilityPage();
    static PartnerControls buildPartnerPage(const QString& pageName, const QString& pageTitle,
                                            const QString& suffix, const QString& signFrameTitle,
                                            const QString& whose);
    void buildMenus();

    ZodiacResult m_result;
};
