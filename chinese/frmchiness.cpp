#include "chinese/frmchiness.h"

#include "chinese/frmSaveChineseZodiac.h"
#include "chinese/modchinesezodiac.h"
#include "shell/ClickableLabel.h"
#include "shell/FittedTextBox.h"
#include "shell/ReadableLabel.h"
#include "shell/CopyGuard.h"
#include "shell/TabChain.h"
#include "shell/Text.h"
#include "shell/Twips.h"
#include "shell/UserTitledFrame.h"
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
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The order in which the result screen's image list holds the sign pictures.
const QStringList& ImageListOrder()
{
    static const QStringList keys{
        QStringLiteral("Aquarius"), QStringLiteral("Aries"),  QStringLiteral("Cancer"),
        QStringLiteral("Capricorn"), QStringLiteral("Gemini"), QStringLiteral("Leo"),
        QStringLiteral("Libra"),    QStringLiteral("Pisces"), QStringLiteral("Sagittarius"),
        QStringLiteral("Scorpio"),  QStringLiteral("Taurus"), QStringLiteral("Virgo"),
    };
    return keys;
}

QString fromStd(const std::string& text)
{
    QString result = QString::fromStdString(text);
    result.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return result;
}

QLabel* makeLabel(const QString& objectName, const QString& text = {})
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    return label;
}

QLineEdit* makeBox(const QString& objectName)
{
    auto* box = new TextField;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    return box;
}

// A read-only box of several lines; long texts get a vertical scroll bar. It shows at
// least the given number of lines and grows with the window, so the page fits a laptop
// screen under a window manager's title bars.
QPlainTextEdit* makeMultiLineBox(const QString& objectName, int lines, bool scrollBar)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A box without a scroll bar of its own gets one when the window leaves it too little room.
    box->setVerticalScrollBarPolicy(scrollBar ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(box->font());
    box->setMinimumHeight(metrics.lineSpacing() * lines + 2 * box->frameWidth() +
                          int(box->document()->documentMargin() * 2) + 2);
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    return box;
}

QLabel* makeValueLabel(const QString& objectName)
{
    QLabel* label = makeLabel(objectName);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    ThemeColours::UseAccent(label, QColor(0x80, 0x00, 0x00));
    return label;
}

} // namespace

// The controls of one partner's page, with the names they carry.
struct frmchiness::PartnerPage {
    QString frameName;
    QStringList captionNames; // sixteen caption labels, in the order of the captions below
    QStringList captions;
    QStringList boxNames;     // the thirteen boxes of the left column
    QString signName, elementName, descriptionName, pictureName;
    QString whose; // "Your" or "Partner's": how screen readers say whose a box is

    UserTitledFrame* frame = nullptr;
    QList<QWidget*> boxes;
    QLabel* sign = nullptr;
    QLabel* element = nullptr;
    QPlainTextEdit* description = nullptr;
    SignPictureLabel* picture = nullptr;
};

frmchiness::frmchiness()
    : ProgramWindow(ProgramWindowId::frmchiness, QStringLiteral("Zel Chinese Zodiac Compatibility"),
                    QSize(12000, 8400)),
      m_pictures(std::make_unique<SignImageList>()),
      m_imgKeys(ImageListOrder())
{
    Label1 = MakePageLabel(QStringLiteral("Label1"),
                           QStringLiteral("Talk about your Chinese sign in the Zel astrology forum, and visit "
                                          "www.zel-compatibility.example for more free readings."),
                           PageKey::HomePage);
    ShowUnderlined(Label1);

    SSTab = new QTabWidget;
    SSTab->setObjectName(QStringLiteral("SSTab"));
    SSTab->addTab(buildCompatibilityPage(), QStringLiteral("Chinese Compatibility  "));

    PartnerPage you;
    you.frameName = QStringLiteral("Framale");
    for (int n : {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18})
        you.captionNames << QStringLiteral("Label%1").arg(n);
    you.captions = {QStringLiteral("Ruling Planets"), QStringLiteral("Western Zodiac Sign"),
                    QStringLiteral("Positive Traits"), QStringLiteral("Negative Traits"), QStringLiteral("Gem Stone"),
                    QStringLiteral("Lucky Colour"), QStringLiteral("Energy"), QStringLiteral("Lucky Seasons"),
                    QStringLiteral("Lucky Month"), QStringLiteral("Lucky Number"),
                    QStringLiteral("Most Compatible Sign"), QStringLiteral("Least Compatible Sign"),
                    QStringLiteral("Famous Personalities Born Under This Sign"), QStringLiteral("Chinese  Sign"),
                    QStringLiteral("Chinese Element"), QStringLiteral("Element  Description")};
    you.boxNames = {QStringLiteral("txtMaleRulingPlanet"), QStringLiteral("txtMaleWesternZodiacSign"),
                    QStringLiteral("txtMalePositiveTraits"), QStringLiteral("txtMaleNegativeTraits"),
                    QStringLiteral("txtMaleGemStone"), QStringLiteral("txtMaleLuckycolour"),
                    QStringLiteral("txtMaleEnergy"), QStringLiteral("txtMaleLuckySeasons"),
                    QStringLiteral("txtMaleLuckyMonth"), QStringLiteral("txtMaleLuckyNumber"),
                    QStringLiteral("txtMaleMostCompatibleSign"), QStringLiteral("txtMAleLeastCompatibleSign"),
                    QStringLiteral("txtMaleFamousPersonBorn")};
    you.signName = QStringLiteral("lblMaleChinesesign");
    you.elementName = QStringLiteral("lblMaleChineseElements");
    you.descriptionName = QStringLiteral("txtMaleElementDescription");
    you.pictureName = QStringLiteral("YourPicture");
    you.whose = QStringLiteral("Your");
    Framale = buildPartnerPage(you);
    txtMaleRulingPlanet = qobject_cast<QLineEdit*>(you.boxes[0]);
    txtMaleWesternZodiacSign = qobject_cast<QLineEdit*>(you.boxes[1]);
    txtMalePositiveTraits = qobject_cast<QPlainTextEdit*>(you.boxes[2]);
    txtMaleNegativeTraits = qobject_cast<QPlainTextEdit*>(you.boxes[3]);
    txtMaleGemStone = qobject_cast<QLineEdit*>(you.boxes[4]);
    txtMaleLuckycolour = qobject_cast<QLineEdit*>(you.boxes[5]);
    txtMaleEnergy = qobject_cast<QLineEdit*>(you.boxes[6]);
    txtMaleLuckySeasons = qobject_cast<QLineEdit*>(you.boxes[7]);
    txtMaleLuckyMonth = qobject_cast<QLineEdit*>(you.boxes[8]);
    txtMaleLuckyNumber = qobject_cast<QLineEdit*>(you.boxes[9]);
    txtMaleMostCompatibleSign = qobject_cast<QLineEdit*>(you.boxes[10]);
    txtMAleLeastCompatibleSign = qobject_cast<QLineEdit*>(you.boxes[11]);
    txtMaleFamousPersonBorn = qobject_cast<QPlainTextEdit*>(you.boxes[12]);
    lblMaleChinesesign = you.sign;
    lblMaleChineseElements = you.element;
    txtMaleElementDescription = you.description;
    YourPicture = you.picture;
    SSTab->addTab(Framale, QStringLiteral("Your Details"));

    PartnerPage partner;
    partner.frameName = QStringLiteral("Frafemale");
    for (int n = 20; n <= 35; ++n)
        partner.captionNames << QStringLiteral("Label%1").arg(n);
    partner.captions = you.captions;
    partner.captions[13] = QStringLiteral("Chinese Sign");
    partner.captions[14] = QStringLiteral("Chinese  Element");
    partner.boxNames = {QStringLiteral("txtFemaleRulingPlanet"), QStringLiteral("txtFemaleWesternZodiacSign"),
                        QStringLiteral("txtFemalePositiveTraits"), QStringLiteral("txtFemaleNegativeTraits"),
                        QStringLiteral("txtFemaleGemStone"), QStringLiteral("txtFemaleLuckycolour"),
                        QStringLiteral("txtFemaleEnergy"), QStringLiteral("txtFemaleLuckySeasons"),
                        QStringLiteral("txtFemaleLuckyMonth"), QStringLiteral("txtFemaleLuckyNumber"),
                        QStringLiteral("txtFemaleMostCompatibleSign"), QStringLiteral("txtFemaleLeastCompitibleSign"),
                        QStringLiteral("txtFemaleFamousPerson")};
    partner.signName = QStringLiteral("lblFemaleChineseSign");
    partner.elementName = QStringLiteral("lblFemaleChineseElements");
    partner.descriptionName = QStringLiteral("txtFemaleelementDescription");
    partner.pictureName = QStringLiteral("YourPartnerPicture");
    partner.whose = QStringLiteral("Partner's");
    Frafemale = buildPartnerPage(partner);
    txtFemaleRulingPlanet = qobject_cast<QLineEdit*>(partner.boxes[0]);
    txtFemaleWesternZodiacSign = qobject_cast<QLineEdit*>(partner.boxes[1]);
    txtFemalePositiveTraits = qobject_cast<QPlainTextEdit*>(partner.boxes[2]);
    txtFemaleNegativeTraits = qobject_cast<QPlainTextEdit*>(partner.boxes[3]);
    txtFemaleGemStone = qobject_cast<QLineEdit*>(partner.boxes[4]);
    txtFemaleLuckycolour = qobject_cast<QLineEdit*>(partner.boxes[5]);
    txtFemaleEnergy = qobject_cast<QLineEdit*>(partner.boxes[6]);
    txtFemaleLuckySeasons = qobject_cast<QLineEdit*>(partner.boxes[7]);
    txtFemaleLuckyMonth = qobject_cast<QLineEdit*>(partner.boxes[8]);
    txtFemaleLuckyNumber = qobject_cast<QLineEdit*>(partner.boxes[9]);
    txtFemaleMostCompatibleSign = qobject_cast<QLineEdit*>(partner.boxes[10]);
    txtFemaleLeastCompitibleSign = qobject_cast<QLineEdit*>(partner.boxes[11]);
    txtFemaleFamousPerson = qobject_cast<QPlainTextEdit*>(partner.boxes[12]);
    lblFemaleChineseSign = partner.sign;
    lblFemaleChineseElements = partner.element;
    txtFemaleelementDescription = partner.description;
    YourPartnerPicture = partner.picture;
    SSTab->addTab(Frafemale, QStringLiteral("Your Partner's Details"));

    // Both pictures show the first picture of the image list until a result replaces them.
    const QString first = m_imgKeys.first();
    YourPicture->setPicture(first, m_pictures->find(first));
    YourPartnerPicture->setPicture(first, m_pictures->find(first));

    Frame1 = new QGroupBox;
    Frame1->setObjectName(QStringLiteral("Frame1"));
    cmdBack = new QPushButton(QStringLiteral("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdPrint = new QPushButton(QStringLiteral("&Print"));
    cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
    cmdExit = new QPushButton(QStringLiteral("E&xit"));
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    connect(cmdBack, &QPushButton::clicked, this, &frmchiness::Back);
    connect(cmdPrint, &QPushButton::clicked, this, &frmchiness::Print);
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    Label16 = MakePageLabel(QStringLiteral("Label16"),
                            QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                           "money online. Get this software fully branded for your website. Click "
                                           "here for more details."),
                            PageKey::FullyBranded);
    auto* frameRow = new QHBoxLayout(Frame1);
    frameRow->addWidget(Label16, 1);
    frameRow->addWidget(cmdBack);
    frameRow->addWidget(cmdPrint);
    frameRow->addWidget(cmdExit);

    auto* column = new QVBoxLayout(body());
    column->addWidget(Label1);
    column->addWidget(SSTab, 1);
    column->addWidget(Frame1);

    buildMenus();

    // Opening: the compatibility page first, at its heading.
    SSTab->setCurrentIndex(0);
    SetTabChain({SSTab, lblMatchingDescription, txtMatchingDescription, cmdBack, cmdPrint, cmdExit});
    lblMatchingDescription->setFocus();
}

frmchiness::~frmchiness() = default;

QWidget* frmchiness::buildCompatibilityPage()
{
    fracompalibility = new QGroupBox(QStringLiteral("Compatibility"));
    fracompalibility->setObjectName(QStringLiteral("fracompalibility"));

    Label36 = makeLabel(QStringLiteral("Label36"), QStringLiteral("Chinese Compatibility Number"));
    Label37 = makeLabel(QStringLiteral("Label37"), QStringLiteral("Chinese Compatibility  Percentage"));
    Label38 = makeLabel(QStringLiteral("Label38"), QStringLiteral("Rating"));
    lblChineseCompatibilityNumber = makeValueLabel(QStringLiteral("lblChineseCompatibilityNumber"));
    lblChinesePercentage = makeValueLabel(QStringLiteral("lblChinesePercentage"));
    lblChineseRating = makeValueLabel(QStringLiteral("lblChineseRating"));

    auto* figures = new QGridLayout;
    figures->addWidget(Label36, 0, 0);
    figures->addWidget(lblChineseCompatibilityNumber, 0, 1);
    figures->addWidget(Label37, 1, 0);
    figures->addWidget(lblChinesePercentage, 1, 1);
    figures->addWidget(Label38, 2, 0);
    figures->addWidget(lblChineseRating, 2, 1);
    figures->setColumnStretch(1, 1);
    figures->setHorizontalSpacing(24);

    // The heading names both animals; the screen opens here, so a screen reader announces
    // the result at once.
    lblMatchingDescription = new ReadableLabel;
    lblMatchingDescription->setObjectName(QStringLiteral("lblMatchingDescription"));
    QFont headingFont = lblMatchingDescription->font();
    headingFont.setBold(true);
    lblMatchingDescription->setFont(headingFont);

    // As tall as the reading: the page needs no more room than its text.
    txtMatchingDescription = new FittedTextBox(3);
    txtMatchingDescription->setObjectName(QStringLiteral("txtMatchingDescription"));
    txtMatchingDescription->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtMatchingDescription->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMatchingDescription->setAccessibleName(QStringLiteral("Compatibility reading"));
    // The pair text may be read but not copied out.
    GuardAgainstCopying(txtMatchingDescription);

    auto* column = new QVBoxLayout(fracompalibility);
    column->addLayout(figures);
    column->addSpacing(8);
    column->addWidget(lblMatchingDescription);
    column->addWidget(txtMatchingDescription);
    column->addStretch(1);
    return fracompalibility;
}

UserTitledFrame* frmchiness::buildPartnerPage(PartnerPage& page)
{
    page.frame = new UserTitledFrame;
    page.frame->setObjectName(page.frameName);

    QList<QLabel*> captions;
    for (int i = 0; i < 16; ++i) {
        QLabel* caption = makeLabel(page.captionNames[i], page.captions[i]);
        caption->setWordWrap(true);
        captions << caption;
    }

    auto* left = new QGridLayout;
    for (int i = 0; i < 13; ++i) {
        QWidget* box = nullptr;
        const bool multiLine = i == 2 || i == 3 || i == 12; // the two traits, the famous persons
        if (i == 12)
            box = makeMultiLineBox(page.boxNames[i], 2, false);
        else if (multiLine)
            box = makeMultiLineBox(page.boxNames[i], 3, true);
        else
            box = makeBox(page.boxNames[i]);
        captions[i]->setBuddy(box);
        captions[i]->setFixedWidth(Twips(2100));
        left->addWidget(captions[i], i, 0, multiLine ? Qt::AlignTop : Qt::AlignVCenter);
        left->addWidget(box, i, 1);
        page.boxes << box;
    }
    left->setColumnStretch(1, 1);
    left->setVerticalSpacing(4);
    // Spare height goes to the traits first, then to the famous persons.
    left->setRowStretch(2, 2);
    left->setRowStretch(3, 2);
    left->setRowStretch(12, 1);

    page.picture = new SignPictureLabel;
    page.picture->setObjectName(page.pictureName);
    page.picture->setFixedSize(Twips(3000), Twips(3000));
    page.picture->setFrameShape(QFrame::StyledPanel);

    page.sign = makeValueLabel(page.signName);
    page.element = makeValueLabel(page.elementName);
    page.description = makeMultiLineBox(page.descriptionName, 4, true);

    // Screen readers hear whose profile a box belongs to, not only its caption.
    const char* const spoken[13] = {"ruling planets", "western zodiac sign", "positive traits", "negative traits",
                                    "gem stone",      "lucky color",         "energy",          "lucky seasons",
                                    "lucky month",    "lucky number",        "most compatible sign",
                                    "least compatible sign", "sign's famous people"};
    for (int i = 0; i < 13; ++i)
        page.boxes[i]->setAccessibleName(page.whose + u' ' + QLatin1String(spoken[i]));
    page.description->setAccessibleName(page.whose + QStringLiteral(" element description"));
    captions[13]->setBuddy(page.sign);
    captions[14]->setBuddy(page.element);
    captions[15]->setBuddy(page.description);

    auto* facts = new QGridLayout;
    facts->addWidget(captions[13], 0, 0);
    facts->addWidget(page.sign, 0, 1);
    facts->addWidget(captions[14], 1, 0);
    facts->addWidget(page.element, 1, 1);
    facts->setColumnStretch(1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(page.picture, 0, Qt::AlignHCenter);
    right->addLayout(facts);
    right->addWidget(captions[15]);
    right->addWidget(page.description, 1);

    auto* row = new QHBoxLayout(page.frame);
    row->addLayout(left, 5);
    row->addSpacing(16);
    row->addLayout(right, 3);
    return page.frame;
}

void frmchiness::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    connect(AddMenuItem(file, QStringLiteral("&Back"), QStringLiteral("mnuBack")), &QAction::triggered, this,
            &frmchiness::Back);
    file->addSeparator();
    connect(AddMenuItem(file, QStringLiteral("&Print"), QStringLiteral("mnuPrint")), &QAction::triggered, this,
            &frmchiness::Print);
    file->addSeparator();
    connect(AddMenuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered, this, [this] {
        ProgramWindows::SetWelcomePanelVisible(true);
        close();
    });
    modHelp::AddSharedMenus(bar, objectName());
}

QStringList frmchiness::IMGKeys() const
{
    return m_imgKeys;
}

void frmchiness::showSignPicture(SignPictureLabel* box, const QString& sign)
{
    const QString key = TrimBlanks(sign);
    for (const QString& candidate : m_imgKeys) {
        if (candidate == key) {
            box->setPicture(candidate, m_pictures->find(candidate));
            return;
        }
    }
}

void frmchiness::ShowResult(const ChineseCouple& couple)
{
    using namespace modchinesezodiac;
    m_result = ComputeChineseResult(couple);
    const ChineseResult& r = m_result;
    Framale->setUserTitle(fromStd(r.NameM));
    Frafemale->setUserTitle(fromStd(r.NameF));
    lblMaleChinesesign->setText(fromStd(r.AnimalM));
    lblFemaleChineseSign->setText(fromStd(r.AnimalF));
    lblMaleChineseElements->setText(fromStd(r.ElementM));
    lblFemaleChineseElements->setText(fromStd(r.ElementF));
    lblChinesePercentage->setText(fromStd(r.Percentage));
    lblChineseRating->setText(fromStd(r.Rating));
    lblChineseCompatibilityNumber->setText(QString::number(r.Score));

    auto fillProfile = [](const AnimalProfile& profile, const std::array<QWidget*, 13>& boxes) {
        for (int field = 0; field < 13; ++field) {
            const QString text = fromStd(profile[std::size_t(field)]);
            if (auto* line = qobject_cast<QLineEdit*>(boxes[std::size_t(field)])) {
                line->setText(text);
                line->setCursorPosition(0);
            } else if (auto* multi = qobject_cast<QPlainTextEdit*>(boxes[std::size_t(field)])) {
                multi->setPlainText(text);
            }
        }
    };
    // Boxes by profile field number.
    fillProfile(r.ProfileM, {txtMaleRulingPlanet, txtMalePositiveTraits, txtMaleNegativeTraits,
                                 txtMaleMostCompatibleSign, txtMAleLeastCompatibleSign, txtMaleLuckycolour,
                                 txtMaleGemStone, txtMaleEnergy, txtMaleLuckySeasons, txtMaleLuckyMonth,
                                 txtMaleFamousPersonBorn, txtMaleWesternZodiacSign, txtMaleLuckyNumber});
    txtMaleElementDescription->setPlainText(fromStd(r.ElementDescriptionM));
    fillProfile(r.ProfileF, {txtFemaleRulingPlanet, txtFemalePositiveTraits, txtFemaleNegativeTraits,
                                 txtFemaleMostCompatibleSign, txtFemaleLeastCompitibleSign, txtFemaleLuckycolour,
                                 txtFemaleGemStone, txtFemaleEnergy, txtFemaleLuckySeasons, txtFemaleLuckyMonth,
                                 txtFemaleFamousPerson, txtFemaleWesternZodiacSign, txtFemaleLuckyNumber});
    txtFemaleelementDescription->setPlainText(fromStd(r.ElementDescriptionF));
    txtMatchingDescription->setPlainText(fromStd(r.PairText));
    lblMatchingDescription->setText(QStringLiteral("Compatibility Of ") + lblMaleChinesesign->text() +
                                    QStringLiteral(" With  ") + lblFemaleChineseSign->text() + QStringLiteral(" :-"));
    // A screen reader hears the heading with the figures above it, each with its caption.
    QStringList result{lblMatchingDescription->text().remove(QStringLiteral(":-")).simplified()};
    for (auto [caption, value] : {std::pair{Label36, lblChineseCompatibilityNumber},
                                  std::pair{Label37, lblChinesePercentage}, std::pair{Label38, lblChineseRating}})
        result << caption->text().simplified() + u' ' + value->text().trimmed();
    lblMatchingDescription->setAccessibleName(result.join(QStringLiteral(". ")));

    // The second partner's picture first, then the first partner's.
    showSignPicture(YourPartnerPicture, txtFemaleWesternZodiacSign->text());
    showSignPicture(YourPicture, txtMaleWesternZodiacSign->text());
}

void frmchiness::Back()
{
    if (!ProgramWindows::Open(ProgramWindowId::frmmainChineseZodiac))
        return;
    close();
    ProgramWindows::SetWelcomePanelVisible(false);
}

void frmchiness::Print()
{
    if (!ProgramWindows::Open<frmSaveChineseZodiac>(
            ProgramWindowId::frmSaveChineseZodiac,
            [this](frmSaveChineseZodiac& report) { report.ShowReport(m_result); }))
        return;
    hide();
}
