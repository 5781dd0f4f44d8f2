#include "zodiac/frmSunSignZodiacCompatibility.h"

#include "shell/ClickableLabel.h"
#include "shell/ElidedLabel.h"
#include "shell/ReadableLabel.h"
#include "shell/Twips.h"
#include "shell/modHelp.h"
#include "shell/TabChain.h"
#include "shell/ThemeColours.h"
#include "shell/TextField.h"
#include "zodiac/frmSaveZodiacCompatibility.h"
#include "zodiac/modSunSign.h"

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

constexpr int kPictureSide = 96;

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

ReadableLabel* makeReadable(const QString& objectName)
{
    auto* label = new ReadableLabel;
    label->setObjectName(objectName);
    return label;
}

QLabel* makeLabel(const QString& objectName, const QString& caption = {})
{
    // What the screen shows is data, never markup.
    auto* label = new QLabel(caption);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeCaption(const QString& caption, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(caption);
    ThemeColours::UseAccent(label, QColor(0x00, 0x6c, 0x6c));
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

SignPictureLabel* makePicture(const QString& objectName)
{
    auto* picture = new SignPictureLabel;
    picture->setObjectName(objectName);
    picture->setFixedSize(kPictureSide, kPictureSide);
    return picture;
}

QLineEdit* makeShortBox(const QString& objectName)
{
    auto* box = new TextField;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    return box;
}

QPlainTextEdit* makeLongBox(const QString& objectName, int lines)
{
    auto* box = new QPlainTextEdit;
    box->setObjectName(objectName);
    box->setReadOnly(true);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setTabChangesFocus(true);
    const QFontMetrics metrics(box->font());
    box->setMinimumHeight(metrics.lineSpacing() * lines + 2 * box->frameWidth() + 8);
    // The box grows with the window but asks for no more than its minimum.
    box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    return box;
}

void setBold(QLabel* label, qreal scale = 1.0)
{
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * scale);
    label->setFont(font);
}

} // namespace

frmSunSignZodiacCompatibility::frmSunSignZodiacCompatibility()
    : ProgramWindow(ProgramWindowId::frmSunSignZodiacCompatibility, QStringLiteral("Zel Zodiac Compatibility"),
                    QSize(10710, 7890))
{
    TS = new QTabWidget;
    TS->setObjectName(QStringLiteral("TS"));
    TS->addTab(buildCompatibilityPage(), QStringLiteral("Zodiac Compatibility"));

    const PartnerControls you = buildPartnerPage(QStringLiteral("Frame1"), QStringLiteral("Your Zodiac Sign Details"),
                                                 QStringLiteral("M"), QStringLiteral("Your Sun Sign"),
                                                 QStringLiteral("Your"));
    Frame1 = you.page;
    fraUserM = you.fraUser;
    picSunSignM = you.picSunSign;
    lblNameM = you.lblName;
    lblDOBM = you.lblDOB;
    lblSunSignM = you.lblSunSign;
    fraSunSignM = you.fraSunSign;
    txtElementM = you.txtElement;
    txtRulingPlanetM = you.txtRulingPlanet;
    txtPositiveTraitsM = you.txtPositiveTraits;
    txtNegativeTraitsM = you.txtNegativeTraits;
    txtLuckyNumberM = you.txtLuckyNumber;
    txtLuckyColorM = you.txtLuckyColor;
    txtLuckyDayM = you.txtLuckyDay;
    txtCompatibilityM = you.txtCompatibility;
    txtFamousPersonsM = you.txtFamousPersons;
    txtBirthStoneM = you.txtBirthStone;
    txtQualityM = you.txtQuality;
    TS->addTab(Frame1, QStringLiteral("Your Zodiac Details"));

    const PartnerControls partner =
        buildPartnerPage(QStringLiteral("Frame2"), QStringLiteral("Your Partner's Zodiac Sign Details"),
                         QStringLiteral("F"), QStringLiteral("Your Partner's Sun Sign"),
                         QStringLiteral("Partner's"));
    Frame2 = partner.page;
    fraUserF = partner.fraUser;
    picSunSignF = partner.picSunSign;
    lblNameF = partner.lblName;
    lblDOBF = partner.lblDOB;
    lblSunSignF = partner.lblSunSign;
    fraSunSignF = partner.fraSunSign;
    txtElementF = partner.txtElement;
    txtRulingPlanetF = partner.txtRulingPlanet;
    txtPositiveTraitsF = partner.txtPositiveTraits;
    txtNegativeTraitsF = partner.txtNegativeTraits;
    txtLuckyNumberF = partner.txtLuckyNumber;
    txtLuckyColorF = partner.txtLuckyColor;
    txtLuckyDayF = partner.txtLuckyDay;
    txtCompatibilityF = partner.txtCompatibility;
    txtFamousPersonsF = partner.txtFamousPersons;
    txtBirthStoneF = partner.txtBirthStone;
    txtQualityF = partner.txtQuality;
    TS->addTab(Frame2, QStringLiteral("Your Partner's Zodiac Details"));

    cmdBack = new QPushButton(QStringLiteral("&Back"));
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setMinimumWidth(Twips(1215));
    connect(cmdBack, &QPushButton::clicked, this, &frmSunSignZodiacCompatibility::Back);

    Label24 = MakePageLabel(QStringLiteral("Label24"),
                            QStringLiteral("Compare notes with other couples on the Zel astrology discussion board "
                                           "at www.zel-compatibility.example."),
                            PageKey::HomePage);
    Label25 = MakePageLabel(QStringLiteral("Label25"),
                            QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                           "money online. Get this software fully branded for your website. Click "
                                           "here for more details."),
                            PageKey::FullyBranded);
    for (ClickableLabel* link : {Label24, Label25})
        ShowUnderlined(link);

    auto* links = new QVBoxLayout;
    links->setSpacing(2);
    links->addWidget(Label24);
    links->addWidget(Label25);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(links, 1);
    bottom->addWidget(cmdBack, 0, Qt::AlignBottom);

    auto* column = new QVBoxLayout(body());
    column->addWidget(TS, 1);
    column->addLayout(bottom);

    SetTabChain({TS, lblMatchSunSigns, lblMatchDescription, cmdSave, cmdBack});

    buildMenus();
    lblMatchSunSigns->setFocus();
}

QGroupBox* frmSunSignZodiacCompatibility::buildCompatibilityPage()
{
    Frame3 = new QGroupBox(QStringLiteral("Zodiac Compatibility"));
    Frame3->setObjectName(QStringLiteral("Frame3"));

    Image1 = makePicture(QStringLiteral("Image1"));
    Image2 = makePicture(QStringLiteral("Image2"));

    // The headline is where the screen opens: a screen reader announces the result there.
    lblMatchSunSigns = makeReadable(QStringLiteral("lblMatchSunSigns"));
    setBold(lblMatchSunSigns, 1.15);
    ThemeColours::UseAccent(lblMatchSunSigns, QColor(0x3b, 0x1f, 0x6e));
    lblMatchPercentage = makeLabel(QStringLiteral("lblMatchPercentage"));
    setBold(lblMatchPercentage, 1.6);
    ThemeColours::UseAccent(lblMatchPercentage, QColor(0x80, 0x00, 0x80));
    lblMatchComment = makeLabel(QStringLiteral("lblMatchComment"));
    setBold(lblMatchComment, 1.1);
    ThemeColours::UseAccent(lblMatchComment, QColor(0x00, 0x6c, 0x6c));
    auto* headline = new QVBoxLayout;
    headline->setSpacing(6);
    headline->addStretch(1);
    for (QLabel* label : {lblMatchSunSigns, lblMatchPercentage, lblMatchComment}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
        headline->addWidget(label);
    }
    headline->addStretch(1);

    auto* top = new QHBoxLayout;
    top->addWidget(Image1, 0, Qt::AlignVCenter);
    top->addLayout(headline, 1);
    top->addWidget(Image2, 0, Qt::AlignVCenter);

    lblMatchDescription = makeReadable(QStringLiteral("lblMatchDescription"));
    lblMatchDescription->setWordWrap(true);
    lblMatchDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMatchDescription->setContentsMargins(4, 4, 4, 4);
    QFont reading = lblMatchDescription->font();
    reading.setPointSizeF(reading.pointSizeF() * 1.1);
    lblMatchDescription->setFont(reading);

    lblHyperlink = MakePageLabel(QStringLiteral("lblHyperlink"),
                                 QStringLiteral("For more about your signs and your match, visit us at "
                                                "www.zel-compatibility.example."),
                                 PageKey::HomePage);
    ShowUnderlined(lblHyperlink);

    cmdSave = new QPushButton(QStringLiteral("&Save"));
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdSave->setMinimumWidth(Twips(1215));
    connect(cmdSave, &QPushButton::clicked, this, &frmSunSignZodiacCompatibility::Save);

    auto* footer = new QHBoxLayout;
    footer->addWidget(lblHyperlink, 1);
    footer->addWidget(cmdSave);

    auto* column = new QVBoxLayout(Frame3);
    column->addLayout(top);
    column->addWidget(lblMatchDescription, 1);
    column->addLayout(footer);
    return Frame3;
}

frmSunSignZodiacCompatibility::PartnerControls frmSunSignZodiacCompatibility::buildPartnerPage(
    const QString& pageName, const QString& pageTitle, const QString& suffix, const QString& signFrameTitle,
    const QString& whose)
{
    PartnerControls c{};
    const auto name = [&suffix](const char* stem) { return QString::fromLatin1(stem) + suffix; };

    c.page = new QGroupBox(pageTitle);
    c.page->setObjectName(pageName);

    // "Welcome": the partner's picture, name, birth date and sign.
    c.fraUser = new QGroupBox(QStringLiteral("Welcome"));
    c.fraUser->setObjectName(name("fraUser"));
    c.fraUser->setFixedWidth(Twips(2700));
    c.picSunSign = makePicture(name("picSunSign"));
    // However long the name, it keeps to one line (in full in its tooltip).
    c.lblName = new ElidedLabel;
    c.lblName->setObjectName(name("lblName"));
    setBold(c.lblName, 1.15);
    c.lblDOB = makeLabel(name("lblDOB"));
    c.lblSunSign = makeLabel(name("lblSunSign"));
    setBold(c.lblSunSign);
    auto* user = new QVBoxLayout(c.fraUser);
    user->addWidget(c.picSunSign, 0, Qt::AlignHCenter);
    user->addSpacing(6);
    user->addWidget(c.lblName);
    user->addSpacing(10);
    user->addWidget(makeCaption(QStringLiteral("Your Date of Birth")));
    user->addWidget(c.lblDOB);
    user->addSpacing(10);
    user->addWidget(makeCaption(QStringLiteral("Your Zodiac Sign")));
    user->addWidget(c.lblSunSign);
    user->addStretch(1);
    for (QLabel* label : {c.lblDOB, c.lblSunSign})
        label->setWordWrap(true);

    // The sign's profile, in reading order; the long texts take the full width.
    c.fraSunSign = new QGroupBox(signFrameTitle);
    c.fraSunSign->setObjectName(name("fraSunSign"));
    c.txtElement = makeShortBox(name("txtElement"));
    c.txtRulingPlanet = makeShortBox(name("txtRulingPlanet"));
    c.txtPositiveTraits = makeLongBox(name("txtPositiveTraits"), 6);
    c.txtNegativeTraits = makeLongBox(name("txtNegativeTraits"), 4);
    c.txtLuckyNumber = makeShortBox(name("txtLuckyNumber"));
    c.txtLuckyColor = makeShortBox(name("txtLuckyColor"));
    c.txtLuckyDay = makeShortBox(name("txtLuckyDay"));
    c.txtCompatibility = makeShortBox(name("txtCompatibility"));
    c.txtFamousPersons = makeLongBox(name("txtFamousPersons"), 2);
    c.txtBirthStone = makeShortBox(name("txtBirthStone"));
    c.txtQuality = makeShortBox(name("txtQuality"));

    auto* grid = new QGridLayout(c.fraSunSign);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    const auto pair = [grid](int row, const QString& leftCaption, QWidget* left, const QString& rightCaption,
                             QWidget* right) {
        grid->addWidget(makeCaption(leftCaption, left), row, 0);
        grid->addWidget(left, row, 1);
        grid->addWidget(makeCaption(rightCaption, right), row, 2);
        grid->addWidget(right, row, 3);
    };
    const auto wide = [grid](int row, const QString& caption, QWidget* box) {
        QLabel* label = makeCaption(caption, box);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1, 1, 3);
    };
    pair(0, QStringLiteral("Element"), c.txtElement, QStringLiteral("Ruling Planet"), c.txtRulingPlanet);
    wide(1, QStringLiteral("Positive Traits"), c.txtPositiveTraits);
    wide(2, QStringLiteral("Negative Traits"), c.txtNegativeTraits);
    pair(3, QStringLiteral("Lucky Number"), c.txtLuckyNumber, QStringLiteral("Lucky Color"), c.txtLuckyColor);
    pair(4, QStringLiteral("Lucky Day"), c.txtLuckyDay, QStringLiteral("Compatibility"), c.txtCompatibility);
    wide(5, QStringLiteral("Famous Personalities Born Under this Sign"), c.txtFamousPersons);
    pair(6, QStringLiteral("BirthStone"), c.txtBirthStone, QStringLiteral("Quality"), c.txtQuality);
    grid->setColumnMinimumWidth(0, Twips(1500));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    // Spare height goes to the long texts, most to the longest.
    grid->setRowStretch(1, 3);
    grid->setRowStretch(2, 2);
    grid->setRowStretch(5, 1);

    // Screen readers hear whose profile a box belongs to, not only its caption.
    const std::pair<QWidget*, const char*> names[] = {
        {c.txtElement, "element"},           {c.txtRulingPlanet, "ruling planet"},
        {c.txtPositiveTraits, "positive traits"}, {c.txtNegativeTraits, "negative traits"},
        {c.txtLuckyNumber, "lucky number"},  {c.txtLuckyColor, "lucky color"},
        {c.txtLuckyDay, "lucky day"},        {c.txtCompatibility, "most compatible signs"},
        {c.txtFamousPersons, "sign's famous people"}, {c.txtBirthStone, "birthstone"},
        {c.txtQuality, "sign's quality"},
    };
    for (const auto& [box, what] : names)
        box->setAccessibleName(whose + u' ' + QLatin1String(what));

    SetTabChain({c.txtElement, c.txtRulingPlanet, c.txtPositiveTraits, c.txtNegativeTraits, c.txtLuckyNumber,
                 c.txtLuckyColor, c.txtLuckyDay, c.txtCompatibility, c.txtFamousPersons, c.txtBirthStone,
                 c.txtQuality});

    auto* row = new QHBoxLayout(c.page);
    row->addWidget(c.fraUser);
    row->addWidget(c.fraSunSign, 1);
    return c;
}

frmSunSignZodiacCompatibility::PartnerControls frmSunSignZodiacCompatibility::partnerM() const
{
    return {Frame1,          fraUserM,          picSunSignM,        lblNameM,           lblDOBM,
            lblSunSignM,     fraSunSignM,       txtElementM,        txtRulingPlanetM,   txtPositiveTraitsM,
            txtNegativeTraitsM, txtLuckyNumberM, txtLuckyColorM,    txtLuckyDayM,       txtCompatibilityM,
            txtFamousPersonsM, txtBirthStoneM,  txtQualityM};
}

frmSunSignZodiacCompatibility::PartnerControls frmSunSignZodiacCompatibility::partnerF() const
{
    return {Frame2,          fraUserF,          picSunSignF,        lblNameF,           lblDOBF,
            lblSunSignF,     fraSunSignF,       txtElementF,        txtRulingPlanetF,   txtPositiveTraitsF,
            txtNegativeTraitsF, txtLuckyNumberF, txtLuckyColorF,    txtLuckyDayF,       txtCompatibilityF,
            txtFamousPersonsF, txtBirthStoneF,  txtQualityF};
}

void frmSunSignZodiacCompatibility::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, QStringLiteral("&Back"), QStringLiteral("mnuBack")), &QAction::triggered, this,
            &frmSunSignZodiacCompatibility::Back);
    connect(AddMenuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered, this,
            &QWidget::close);
    modHelp::AddSharedMenus(bar, objectName());
}

void frmSunSignZodiacCompatibility::ShowResult(const ZodiacCouple& couple)
{
    m_result = ComputeZodiacResult(couple);
    const ZodiacResult& r = m_result;

    const auto showPartner = [this](const PartnerControls& c, const std::string& name, const std::string& month,
                                    const std::string& day, const std::string& year, const std::string& sign,
                                    const modSunSign::SunSignProfile& profile, SignPictureLabel* pairPicture) {
        c.txtElement->setText(text(profile.Element));
        c.txtRulingPlanet->setText(text(profile.RulingPlanet));
        c.txtPositiveTraits->setPlainText(text(profile.PositiveTraits));
        c.txtNegativeTraits->setPlainText(text(profile.NegativeTraits));
        c.txtLuckyNumber->setText(text(profile.LuckyNumber));
        c.txtLuckyColor->setText(text(profile.LuckyColor));
        c.txtLuckyDay->setText(text(profile.LuckyDay));
        c.txtCompatibility->setText(text(profile.Compatibility));
        c.txtFamousPersons->setPlainText(text(profile.FamousPersons));
        c.txtBirthStone->setText(text(profile.BirthStone));
        c.txtQuality->setText(text(profile.Quality));

        c.lblName->setText(text(name));
        c.lblDOB->setText(text(month) + u' ' + text(day) + QStringLiteral(", ") + text(year));
        c.lblSunSign->setText(text(sign));
        c.fraSunSign->setTitle(text(sign));

        // A sign without a picture leaves the boxes as they were designed.
        if (const SignImageList::Picture picture = IMG.find(text(sign))) {
            c.picSunSign->setPicture(text(sign), picture);
            pairPicture->setPicture(text(sign), picture);
        }
    };
    showPartner(partnerM(), r.Couple.NameM, r.Couple.MonthM, r.Couple.DayM, r.Couple.YearM, r.SignM, r.ProfileM,
                Image1);
    showPartner(partnerF(), r.Couple.NameF, r.Couple.MonthF, r.Couple.DayF, r.Couple.YearF, r.SignF, r.ProfileF,
                Image2);

    if (r.Match.Percentage.empty())
        lblMatchPercentage->setText(QStringLiteral("Compatibility Of ") + text(r.SignM) + QStringLiteral(" With ") +
                                    text(r.SignF));
    else
        lblMatchPercentage->setText(QStringLiteral("You Have A Match Of ") + text(r.Match.Percentage));
    lblMatchComment->setText(text(r.Match.RatingWords));
    lblMatchSunSigns->setText(QStringLiteral("Zodiac Compatibility: ") + text(r.SignM) + QStringLiteral(" And ") +
                              text(r.SignF));
    lblMatchDescription->setText(text(r.Match.PairText));
    // A screen reader hears the whole headline, the signs, the match and its rating, as one.
    lblMatchSunSigns->setAccessibleName(
        QStringList{lblMatchSunSigns->text(), lblMatchPercentage->text(), lblMatchComment->text()}.join(
            QStringLiteral(". ")));

    TS->setCurrentWidget(Frame3);
}

void frmSunSignZodiacCompatibility::Back()
{
    ProgramWindows::Open(ProgramWindowId::frmMainZodiacCompatibility);
    close();
    // Closing showed the welcome panel; the program is still in use.
    ProgramWindows::SetWelcomePanelVisible(false);
}

void frmSunSignZodiacCompatibility::Save()
{
    if (!ProgramWindows::Open<frmSaveZodiacCompatibility>(
            ProgramWindowId::frmSaveZodiacCompatibility,
            [this](frmSaveZodiacCompatibility& report) { report.ShowReport(m_result); }))
        return;
    hide();
}
