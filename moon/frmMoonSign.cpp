#include "moon/frmMoonSign.h"

#include "moon/frmSaveMoonSign.h"
#include "shell/ClickableLabel.h"
#include "shell/ReadableLabel.h"
#include "shell/CopyGuard.h"
#include "shell/Emblem.h"
#include "shell/Twips.h"
#include "shell/modHelp.h"
#include "shell/SignPictures.h"
#include "shell/ThemeColours.h"
#include "shell/TextField.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedLayout>
#include <QVBoxLayout>

MoonSignImageList::MoonSignImageList()
    : m_keys{QStringLiteral("Aquarius"), QStringLiteral("Aries"),       QStringLiteral("Cancer"),
             QStringLiteral("Capricorn"), QStringLiteral("Gemini"),     QStringLiteral("Leo"),
             QStringLiteral("Libra"),    QStringLiteral("Pisces"),      QStringLiteral("Sagittarius"),
             QStringLiteral("Scorpio"),  QStringLiteral("Taurus"),      QStringLiteral("Virgo")},
      m_pictures(std::make_unique<SignImageList>())
{
}

MoonSignImageList::~MoonSignImageList() = default;

QString MoonSignImageList::key(int index) const
{
    return index >= 1 && index <= count() ? m_keys[index - 1] : QString();
}

int MoonSignImageList::indexOf(const QString& sign) const
{
    return int(m_keys.indexOf(sign)) + 1;
}

namespace {

// The moon-sign boxes show their text in dark red, on a white box in any theme.
const QColor kSignColour(128, 0, 0);
const QColor kSignBackground(255, 255, 255);

QLineEdit* makeDetailBox(const QString& objectName)
{
    auto* box = new TextField;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    return box;
}

QLabel* makeCaption(const QString& objectName, const QString& text)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

} // namespace

frmMoonSign::frmMoonSign()
    : ProgramWindow(ProgramWindowId::frmMoonSign, QStringLiteral("Zel Moon Sign Compatibility"), QSize(10800, 7200))
{
    cmdMoonCompatibilityAnalysis = new QPushButton(QStringLiteral("Moon Sign Compatibility Analysis"));
    cmdMoonCompatibilityAnalysis->setObjectName(QStringLiteral("cmdMoonCompatibilityAnalysis"));
    cmdBirthDetails = new QPushButton(QStringLiteral("Birth Details"));
    cmdBirthDetails->setObjectName(QStringLiteral("cmdBirthDetails"));
    cmdBack = new QPushButton(QStringLiteral("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdPrint = new QPushButton(QStringLiteral("&Print"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    connect(cmdMoonCompatibilityAnalysis, &QPushButton::clicked, this, &frmMoonSign::ShowInterpretation);
    connect(cmdBirthDetails, &QPushButton::clicked, this, &frmMoonSign::ShowBirthDetails);
    connect(cmdBack, &QPushButton::clicked, this, &frmMoonSign::Back);
    connect(cmdPrint, &QPushButton::clicked, this, &frmMoonSign::Print);

    // The birth details panel.
    std::array<QLineEdit*, 7> boxesM{};
    std::array<QLineEdit*, 7> boxesF{};
    fraUserM = buildDetailsFrame(QStringLiteral("fraUserM"), QStringLiteral("Your Moon Sign"), QStringLiteral("M"),
                                 picMaleMoonSign, boxesM);
    fraUserF = buildDetailsFrame(QStringLiteral("fraUserF"), QStringLiteral("Your Partner's Moon Sign"),
                                 QStringLiteral("F"), picFemaleMoonSign, boxesF);
    txtUserM = boxesM[0];
    txtDOBM = boxesM[1];
    txtTOBM = boxesM[2];
    txtCityM = boxesM[3];
    txtStateM = boxesM[4];
    txtCountryM = boxesM[5];
    txtMoonM = boxesM[6];
    txtUserF = boxesF[0];
    txtDOBF = boxesF[1];
    txtTOBF = boxesF[2];
    txtCityF = boxesF[3];
    txtStateF = boxesF[4];
    txtCountryF = boxesF[5];
    txtMoonF = boxesF[6];

    Frame1 = new QGroupBox(QStringLiteral("Personal Details"));
    Frame1->setObjectName(QStringLiteral("Frame1"));
    auto* details = new QHBoxLayout(Frame1);
    details->addWidget(fraUserM, 1);
    details->addWidget(fraUserF, 1);

    // The interpretation panel.
    Frame2 = new QGroupBox(QStringLiteral("Moon Sign Compatibility Interpretation"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label2 = makeCaption(QStringLiteral("Label2"), QString());
    QFont headingFont = Label2->font();
    headingFont.setPointSizeF(11);
    headingFont.setBold(true);
    Label2->setFont(headingFont);
    ThemeColours::UseAccent(Label2, QColor(0x2b, 0x2a, 0x6b));
    Label2->setAlignment(Qt::AlignCenter);
    Label1 = makeCaption(QStringLiteral("Label1"), QStringLiteral("Percentage Of Compatibility"));
    lblPercentage = makeCaption(QStringLiteral("lblPercentage"), QString());
    QFont percentageFont = lblPercentage->font();
    percentageFont.setPointSizeF(20);
    percentageFont.setBold(true);
    lblPercentage->setFont(percentageFont);
    ThemeColours::UseAccent(lblPercentage, QColor(0x80, 0x00, 0x00));
    lblComment = makeCaption(QStringLiteral("lblComment"), QString());
    QFont commentFont = lblComment->font();
    commentFont.setPointSizeF(10);
    commentFont.setBold(true);
    lblComment->setFont(commentFont);
    Label3 = makeCaption(QStringLiteral("Label3"), QStringLiteral("Detailed Analysis"));
    QFont captionFont = Label3->font();
    captionFont.setBold(true);
    Label1->setFont(captionFont);
    Label3->setFont(captionFont);
    lblDescription = new ReadableLabel;
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label5 = MakePageLabel(QStringLiteral("Label5"),
                           QStringLiteral("For a more detailed analysis of your relationship, visit "
                                          "www.zel-compatibility.example"),
                           PageKey::HomePage);
    ShowUnderlined(Label5);
    Picture1 = new Emblem(QString::fromUtf8("\u263E"), QColor(0x4a, 0x5d, 0xa8), Twips(900));
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture2 = new Emblem(QString::fromUtf8("\u2605"), QColor(0x8e, 0x3b, 0x8f), Twips(900));
    Picture2->setObjectName(QStringLiteral("Picture2"));

    auto* score = new QGridLayout;
    score->addWidget(Picture1, 0, 0, 3, 1, Qt::AlignCenter);
    score->addWidget(Label1, 0, 1, Qt::AlignCenter);
    score->addWidget(lblPercentage, 1, 1, Qt::AlignCenter);
    score->addWidget(lblComment, 2, 1, Qt::AlignCenter);
    score->addWidget(Picture2, 0, 2, 3, 1, Qt::AlignCenter);
    score->setColumnStretch(1, 1);

    auto* interpretation = new QVBoxLayout(Frame2);
    interpretation->addWidget(Label2);
    interpretation->addLayout(score);
    interpretation->addWidget(Label3);
    interpretation->addWidget(lblDescription, 1);
    interpretation->addWidget(Label5);

    auto* panels = new QWidget;
    m_panels = new QStackedLayout(panels);
    m_panels->addWidget(Frame1);
    m_panels->addWidget(Frame2);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdMoonCompatibilityAnalysis);
    buttons->addWidget(cmdBirthDetails);
    buttons->addStretch(1);
    buttons->addWidget(cmdBack);
    buttons->addWidget(cmdPrint);

    Label52 = MakePageLabel(QStringLiteral("Label52"),
                            QStringLiteral("Home Business Opportunity: get this software fully branded for your "
                                           "web site. Click here for more details."),
                            PageKey::FullyBranded);
    Label61 = MakePageLabel(QStringLiteral("Label61"),
                            QStringLiteral("Share your moon sign in the Zel astrology forum at "
                                           "www.zel-compatibility.example"),
                            PageKey::HomePage);
    for (ClickableLabel* link : {Label52, Label61})
        ShowUnderlined(link);

    auto* column = new QVBoxLayout(body());
    column->addLayout(buttons);
    column->addWidget(panels, 1);
    column->addWidget(Label52);
    column->addWidget(Label61);

    for (const auto& boxes : {boxesM, boxesF}) {
        for (QLineEdit* box : boxes)
            GuardAgainstCopying(box);
    }

    buildMenus();
    ShowInterpretation();
}

frmMoonSign::~frmMoonSign() = default;

QGroupBox* frmMoonSign::buildDetailsFrame(const QString& name, const QString& title, const QString& suffix,
                                          SignPictureLabel*& picture, std::array<QLineEdit*, 7>& boxes)
{
    auto* frame = new QGroupBox(title);
    frame->setObjectName(name);

    picture = new SignPictureLabel;
    picture->setObjectName(suffix == QLatin1String("M") ? QStringLiteral("picMaleMoonSign")
                                                        : QStringLiteral("picFemaleMoonSign"));
    picture->setFixedSize(Twips(1500), Twips(1500));
    // The design picture, shown until a sign's picture replaces it: a crescent moon.
    QFont moonFont = picture->font();
    moonFont.setPointSizeF(44);
    picture->setFont(moonFont);
    ThemeColours::UseAccent(picture, QColor(0x4a, 0x5d, 0xa8));
    picture->setText(QString::fromUtf8("\u263E"));

    const char* const captions[7] = {"Name", "Date of Birth", "Time Of Birth", "City", "State", "Country", "Moon Sign"};
    const char* const names[7] = {"txtUser", "txtDOB", "txtTOB", "txtCity", "txtState", "txtCountry", "txtMoon"};
    // Screen readers hear whose detail a box holds.
    const char* const spoken[7] = {"name", "date of birth", "time of birth", "birth city", "birth state",
                                   "birth country", "calculated moon sign"};
    const QString whose = suffix == QLatin1String("M") ? QStringLiteral("Your") : QStringLiteral("Partner's");
    auto* grid = new QGridLayout;
    for (int i = 0; i < 7; ++i) {
        boxes[i] = makeDetailBox(QString::fromLatin1(names[i]) + suffix);
        auto* label = new QLabel(QString::fromLatin1(captions[i]));
        label->setBuddy(boxes[i]);
        boxes[i]->setAccessibleName(whose + u' ' + QLatin1String(spoken[i]));
        grid->addWidget(label, i, 0);
        grid->addWidget(boxes[i], i, 1);
    }
    grid->setColumnStretch(1, 1);

    QLineEdit* moon = boxes[6];
    QFont moonBoxFont = moon->font();
    moonBoxFont.setBold(true);
    moon->setFont(moonBoxFont);
    ThemeColours::FixColours(moon, kSignColour, kSignBackground);

    auto* column = new QVBoxLayout(frame);
    column->addWidget(picture, 0, Qt::AlignHCenter);
    column->addLayout(grid);
    column->addStretch(1);
    return frame;
}

void frmMoonSign::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, QStringLiteral("Print"), QStringLiteral("mnuPrint")), &QAction::triggered, this,
            &frmMoonSign::Print);
    connect(AddMenuItem(file, QStringLiteral("&Back"), QStringLiteral("mnuBack")), &QAction::triggered, this,
            &frmMoonSign::Back);
    connect(AddMenuItem(file, QStringLiteral("Exit"), QStringLiteral("mnuExit")), &QAction::triggered, this, [this] {
        ProgramWindows::SetWelcomePanelVisible(true);
        close();
    });
    modHelp::AddSharedMenus(bar, objectName());
}

void frmMoonSign::ShowResult(const MoonCouple& couple)
{
    m_result = ComputeMoonResult(couple);
    ShowInterpretation();

    const auto text = [](const std::string& value) { return QString::fromStdString(value); };
    const QString signM = text(m_result.MoonSignM);
    const QString signF = text(m_result.MoonSignF);
    txtMoonM->setText(signM);
    ShowSignPicture(picMaleMoonSign, signM);
    txtMoonF->setText(signF);
    ShowSignPicture(picFemaleMoonSign, signF);
    Label2->setText(QStringLiteral("Compatibility of  ") + signM + QStringLiteral(" With ") + signF);

    lblPercentage->setText(text(m_result.Pair.Percentage));
    lblComment->setText(text(m_result.Pair.Rating));
    lblDescription->setText(text(m_result.Pair.Interpretation));
    // The screen opens on this button; a screen reader hears the result it shows with it.
    cmdMoonCompatibilityAnalysis->setAccessibleDescription(Label2->text().simplified() + QStringLiteral(". ") +
                                                          Label1->text() + u' ' + lblPercentage->text() +
                                                          QStringLiteral(". ") + lblComment->text());

    const auto details = [&text](const MoonPartner& partner, QLineEdit* name, QLineEdit* birthDate,
                                 QLineEdit* birthTime, QLineEdit* city, QLineEdit* state, QLineEdit* country) {
        name->setText(text(partner.Name));
        birthDate->setText(text(BirthDateText(partner)));
        birthTime->setText(text(BirthTimeText(partner)));
        city->setText(text(partner.City));
        state->setText(text(partner.State));
        country->setText(text(partner.Country));
    };
    details(couple.M, txtUserM, txtDOBM, txtTOBM, txtCityM, txtStateM, txtCountryM);
    details(couple.F, txtUserF, txtDOBF, txtTOBF, txtCityF, txtStateF, txtCountryF);

    // The screen opens on its analysis button, which carries the result for a screen reader.
    cmdMoonCompatibilityAnalysis->setFocus();
}

void frmMoonSign::ShowSignPicture(SignPictureLabel* box, const QString& sign)
{
    const int index = imgMaleMoonSign.indexOf(sign);
    if (index == 0)
        return; // no such sign: the box keeps its design picture
    const QString key = imgMaleMoonSign.key(index);
    box->setPicture(key, imgMaleMoonSign.pictures().find(key));
}

void frmMoonSign::ShowInterpretation()
{
    m_panels->setCurrentWidget(Frame2);
}

void frmMoonSign::ShowBirthDetails()
{
    m_panels->setCurrentWidget(Frame1);
}

void frmMoonSign::Back()
{
    if (!ProgramWindows::Open(ProgramWindowId::frmMainMoonSignCompatibility))
        return;
    close();
    ProgramWindows::SetWelcomePanelVisible(false);
}

void frmMoonSign::Print()
{
    // The report opens in front; this screen stays visible behind it.
    ProgramWindows::Open<frmSaveMoonSign>(ProgramWindowId::frmSaveMoonSign,
                                          [this](frmSaveMoonSign& report) { report.ShowReport(m_result); });
}
