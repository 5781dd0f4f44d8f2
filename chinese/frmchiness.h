#pragma once

#include "chinese/ChineseCouple.h"
#include "shell/ProgramWindow.h"

#include <QStringList>

#include <array>
#include <memory>

class ClickableLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class SignImageList;
class SignPictureLabel;
class UserTitledFrame;

// The Chinese zodiac program's result screen: the pair's compatibility and each partner's
// profile on three tabs, for the couple the entry screen hands it.
class frmchiness : public ProgramWindow {
    Q_OBJECT
public:
    frmchiness();
    ~frmchiness() override;

    // Works out the couple's result and shows it: the pair's page, both partners' pages
    // and the western sign pictures.
    void ShowResult(const ChineseCouple& couple);
    // What the screen shows.
    const ChineseResult& result() const { return m_result; }

    // The keys of the image list IMG, in the order it holds its pictures.
    QStringList IMGKeys() const;

    void Back();
    // Opens the report of this screen's result and hides this screen until it closes.
    void Print();

    QTabWidget* SSTab = nullptr;

    // Compatibility page
    QGroupBox* fracompalibility = nullptr;
    QLabel* Label36 = nullptr;
    QLabel* lblChineseCompatibilityNumber = nullptr;
    QLabel* Label37 = nullptr;
    QLabel* lblChinesePercentage = nullptr;
    QLabel* Label38 = nullptr;
    QLabel* lblChineseRating = nullptr;
    QLabel* lblMatchingDescription = nullptr;
    QPlainTextEdit* txtMatchingDescription = nullptr;

    // "Your Details" page
    UserTitledFrame* Framale = nullptr;
    QLineEdit* txtMaleRulingPlanet = nullptr;
    QLineEdit* txtMaleWesternZodiacSign = nullptr;
    QPlainTextEdit* txtMalePositiveTraits = nullptr;
    QPlainTextEdit* txtMaleNegativeTraits = nullptr;
    QLineEdit* txtMaleGemStone = nullptr;
    QLineEdit* txtMaleLuckycolour = nullptr;
    QLineEdit* txtMaleEnergy = nullptr;
    QLineEdit* txtMaleLuckySeasons = nullptr;
    QLineEdit* txtMaleLuckyMonth = nullptr;
    QLineEdit* txtMaleLuckyNumber = nullptr;
    QLineEdit* txtMaleMostCompatibleSign = nullptr;
    QLineEdit* txtMAleLeastCompatibleSign = nullptr;
    QPlainTextEdit* txtMaleFamousPersonBorn = nullptr;
    QLabel* lblMaleChinesesign = nullptr;
    QLabel* lblMaleChineseElements = nullptr;
    QPlainTextEdit* txtMaleElementDescription = nullptr;
    SignPictureLabel* YourPicture = nullptr;

    // "Your Partner's Details" page
    UserTitledFrame* Frafemale = nullptr;
    QLineEdit* txtFemaleRulingPlanet = nullptr;
    QLineEdit* txtFemaleWesternZodiacSign = nullptr;
    QPlainTextEdit* txtFemalePositiveTraits = nullptr;
    QPlainTextEdit* txtFemaleNegativeTraits = nullptr;
    QLineEdit* txtFemaleGemStone = nullptr;
    QLineEdit* txtFemaleLuckycolour = nullptr;
    QLineEdit* txtFemaleEnergy = nullptr;
    QLineEdit* txtFemaleLuckySeasons = nullptr;
    QLineEdit* txtFemaleLuckyMonth = nullptr;
    QLineEdit* txtFemaleLuckyNumber = nullptr;
    QLineEdit* txtFemaleMostCompatibleSign = nullptr;
    QLineEdit* txtFemaleLeastCompitibleSign = nullptr;
    QPlainTextEdit* txtFemaleFamousPerson = nullptr;
    QLabel* lblFemaleChineseSign = nullptr;
    QLabel* lblFemaleChineseElements = nullptr;
    QPlainTextEdit* txtFemaleelementDescription = nullptr;
    SignPictureLabel* YourPartnerPicture = nullptr;

    QGroupBox* Frame1 = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdExit = nullptr;
    ClickableLabel* Label16 = nullptr;
    ClickableLabel* Label1 = nullptr;

private:
    struct PartnerPage;
    QWidget* buildCompatibilityPage();
    UserTitledFrame* buildPartnerPage(PartnerPage& page);
    void buildMenus();
    // Shows in box the first picture of IMG whose key is the box's sign text, trimmed;
    // with no such key the box keeps its picture.
    void showSignPicture(SignPictureLabel* box, const QString& sign);

    // IMG: the twelve sign pictures, keyed by sign name.
    std::unique_ptr<SignImageList> m_pictures;
    QStringList m_imgKeys;
    ChineseResult m_result;
};
