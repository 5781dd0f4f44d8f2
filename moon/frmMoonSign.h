#pragma once

#include "moon/MoonCouple.h"
#include "shell/ProgramWindow.h"

#include <QStringList>

#include <array>

#include <memory>

class ClickableLabel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedLayout;
class SignImageList;
class SignPictureLabel;

// The moon program's sign pictures, numbered 1 to 12 in alphabetical order of the signs
// (1 Aquarius, 2 Aries, ... 12 Virgo) and found by sign name.
class MoonSignImageList {
public:
    MoonSignImageList();
    ~MoonSignImageList();

    int count() const { return int(m_keys.size()); }
    // The sign name of picture index (1-based); "" outside 1..count().
    QString key(int index) const;
    // The index of the picture whose key equals sign exactly; 0 when none does.
    int indexOf(const QString& sign) const;
    const SignImageList& pictures() const { return *m_pictures; }

private:
    QStringList m_keys;
    std::unique_ptr<SignImageList> m_pictures;
};

// The moon program's result screen: both partners' birth details with their moon signs on
// one panel, the pair's percentage, rating and interpretation on the other.
class frmMoonSign : public ProgramWindow {
    Q_OBJECT
public:
    frmMoonSign();
    ~frmMoonSign() override;

    // Works out the couple's moon signs and pair result and shows them with the couple's
    // birth details, the interpretation panel in front.
    void ShowResult(const MoonCouple& couple);
    // What the screen shows.
    const MoonResult& result() const { return m_result; }

    void ShowInterpretation(); // brings Frame2 to the front
    void ShowBirthDetails();   // brings Frame1 to the front
    void Back();
    // Opens the report of this screen's result in front of it.
    void Print();

    QPushButton* cmdMoonCompatibilityAnalysis = nullptr;
    QPushButton* cmdBirthDetails = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdPrint = nullptr;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* fraUserM = nullptr;
    QGroupBox* fraUserF = nullptr;
    SignPictureLabel* picMaleMoonSign = nullptr;
    SignPictureLabel* picFemaleMoonSign = nullptr;
    QLineEdit* txtUserM = nullptr;
    QLineEdit* txtDOBM = nullptr;
    QLineEdit* txtTOBM = nullptr;
    QLineEdit* txtCityM = nullptr;
    QLineEdit* txtStateM = nullptr;
    QLineEdit* txtCountryM = nullptr;
    QLineEdit* txtMoonM = nullptr;
    QLineEdit* txtUserF = nullptr;
    QLineEdit* txtDOBF = nullptr;
    QLineEdit* txtTOBF = nullptr;
    QLineEdit* txtCityF = nullptr;
    QLineEdit* txtStateF = nullptr;
    QLineEdit* txtCountryF = nullptr;
    QLineEdit* txtMoonF = nullptr;

    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblPercentage = nullptr;
    QLabel* lblComment = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* lblDescription = nullptr;
    ClickableLabel* Label5 = nullptr;
    QWidget* Picture1 = nullptr;
    QWidget* Picture2 = nullptr;

    ClickableLabel* Label52 = nullptr;
    ClickableLabel* Label61 = nullptr;

    MoonSignImageList imgMaleMoonSign;

private:
    QGroupBox* buildDetailsFrame(const QString& name, const QString& title, const QString& suffix,
                                 SignPictureLabel*& picture, std::array<QLineEdit*, 7>& boxes);
    void buildMenus();
    void ShowSignPicture(SignPictureLabel* box, const QString& sign);

    QStackedLayout* m_panels = nullptr;
    MoonResult m_result;
};
