#include "zodiac/frmMainZodiacCompatibility.h"

#include "shell/ChoiceList.h"
#include "shell/ClickableLabel.h"
#include "shell/Messages.h"
#include "shell/Text.h"
#include "shell/modHelp.h"
#include "shell/TabChain.h"
#include "shell/TextField.h"
#include "zodiac/ZodiacCouple.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"
#include "zodiac/modSunSign.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

struct PartnerFields {
    QLineEdit* name;
    std::array<QRadioButton*, 2> sex;
    QComboBox* month;
    QComboBox* day;
    QComboBox* year;
};

QComboBox* makeList(const QString& objectName)
{
    auto* list = new ChoiceList;
    list->setObjectName(objectName);
    list->setEditable(false);
    return list;
}

// One partner's frame: name, sex and birth day, each input with its caption as buddy.
// Every input is named for screen readers with whose it is ("Your", "Partner's").
QGroupBox* makePartnerFrame(const QString& frameName, const QString& title, const QString& suffix,
                            const QString& whose, PartnerFields& fields)
{
    auto* frame = new QGroupBox(title);
    frame->setObjectName(frameName);

    fields.name = new TextField;
    fields.name->setObjectName(QStringLiteral("txtName") + suffix);

    auto* sexBox = new QWidget;
    auto* sexRow = new QHBoxLayout(sexBox);
    sexRow->setContentsMargins(0, 0, 0, 0);
    const QString sexCaptions[2] = {QStringLiteral("Male"), QStringLiteral("Female")};
    for (int i = 0; i < 2; ++i) {
        fields.sex[i] = new QRadioButton(sexCaptions[i]);
        fields.sex[i]->setObjectName(QStringLiteral("optSex%1_%2").arg(suffix).arg(i));
        sexRow->addWidget(fields.sex[i]);
    }
    sexRow->addStretch(1);

    fields.month = makeList(QStringLiteral("cboMonth") + suffix);
    fields.day = makeList(QStringLiteral("cboDate") + suffix);
    fields.year = makeList(QStringLiteral("cboYear") + suffix);
    fields.name->setAccessibleName(whose + QStringLiteral(" name"));
    for (int i = 0; i < 2; ++i)
        fields.sex[i]->setAccessibleName(whose + QStringLiteral(" sex: ") + sexCaptions[i]);
    sexBox->setAccessibleName(whose + QStringLiteral(" sex"));
    fields.month->setAccessibleName(whose + QStringLiteral(" birth month"));
    fields.day->setAccessibleName(whose + QStringLiteral(" birth day"));
    fields.year->setAccessibleName(whose + QStringLiteral(" birth year"));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(fields.month, 3);
    dateRow->addWidget(fields.day, 1);
    dateRow->addWidget(fields.year, 2);

    auto* nameCaption = new QLabel(QStringLiteral("Name"));
    nameCaption->setBuddy(fields.name);
    auto* sexCaption = new QLabel(QStringLiteral("Sex"));
    sexCaption->setBuddy(fields.sex[0]);
    auto* dateCaption = new QLabel(QStringLiteral("Birth Day"));
    dateCaption->setBuddy(fields.month);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(nameCaption, 0, 0);
    grid->addWidget(fields.name, 0, 1);
    grid->addWidget(sexCaption, 1, 0);
    grid->addWidget(sexBox, 1, 1);
    grid->addWidget(dateCaption, 2, 0);
    grid->addLayout(dateRow, 2, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

void fillLists(QComboBox* month, QComboBox* day, QComboBox* year)
{
    for (std::string_view name : modSunSign::MonthNames)
        month->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    for (int n = 1; n <= 31; ++n)
        day->addItem(QString::number(n));
    for (int n = 1900; n <= 2050; ++n)
        year->addItem(QString::number(n));
    month->setCurrentIndex(0);
    day->setCurrentIndex(0);
    year->setCurrentIndex(0);
}

std::string stored(const QString& text)
{
    return TrimBlanks(text).toStdString();
}

} // namespace

frmMainZodiacCompatibility::frmMainZodiacCompatibility()
    : ProgramWindow(ProgramWindowId::frmMainZodiacCompatibility, QStringLiteral("Zel Zodiac Compatibility"),
                    QSize(4830, 4740))
{
    PartnerFields you{};
    PartnerFields partner{};
    fraDetails = makePartnerFrame(QStringLiteral("fraDetails"), QStringLiteral("Your Details"), QStringLiteral("M"),
                                  QStringLiteral("Your"), you);
    Frame1 = makePartnerFrame(QStringLiteral("Frame1"), QStringLiteral("Your Partner's Details"), QStringLiteral("F"),
                              QStringLiteral("Partner's"), partner);
    txtNameM = you.name;
    optSexM = you.sex;
    cboMonthM = you.month;
    cboDateM = you.day;
    cboYearM = you.year;
    txtNameF = partner.name;
    optSexF = partner.sex;
    cboMonthF = partner.month;
    cboDateF = partner.day;
    cboYearF = partner.year;
    fillLists(cboMonthF, cboDateF, cboYearF);
    fillLists(cboMonthM, cboDateM, cboYearM);

    Frame2 = new QGroupBox(QStringLiteral("Note"));
    Frame2->setObjectName(QStringLiteral("Frame2"));
    auto* note = new QLabel(QStringLiteral(
        "Please set your Regional and Language Settings to US English for proper working of this software."));
    note->setWordWrap(true);
    (new QVBoxLayout(Frame2))->addWidget(note);

    cmdSunSign = new QPushButton(QStringLiteral("Check Our &Zodiac Compatibility Now !"));
    cmdSunSign->setObjectName(QStringLiteral("cmdSunSign"));
    cmdSunSign->setDefault(true);
    connect(cmdSunSign, &QPushButton::clicked, this, &frmMainZodiacCompatibility::CheckCompatibility);

    Label14 = MakePageLabel(QStringLiteral("Label14"),
                            QStringLiteral("Talk about your sign with other members in the Zel astrology forum."),
                            PageKey::HomePage);
    Label3 = MakePageLabel(QStringLiteral("Label3"),
                           QStringLiteral("Visit www.zel-compatibility.example for more free readings."),
                           PageKey::HomePage);
    for (ClickableLabel* link : {Label14, Label3})
        ShowUnderlined(link);

    auto* column = new QVBoxLayout(body());
    column->addWidget(fraDetails);
    column->addWidget(Frame1);
    column->addWidget(Frame2);
    column->addWidget(cmdSunSign);
    column->addWidget(Label14);
    column->addWidget(Label3);
    column->addStretch(1);

    SetTabChain({txtNameM, optSexM[0], optSexM[1], cboMonthM, cboDateM, cboYearM, txtNameF, optSexF[0], optSexF[1],
                 cboMonthF, cboDateF, cboYearF, cmdSunSign});

    buildMenus();
}

void frmMainZodiacCompatibility::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    connect(AddMenuItem(file, QStringLiteral("Check Our &Zodiac Compatibility Now !"),
                        QStringLiteral("mnuCheckOurZodiacCompatibilityNow")),
            &QAction::triggered, this, &frmMainZodiacCompatibility::CheckCompatibility);
    connect(AddMenuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered, this,
            &QWidget::close);
    modHelp::AddSharedMenus(bar, objectName());
}

bool frmMainZodiacCompatibility::ValidateZodiacEntry()
{
    // The check is on the text as typed: a name of blanks passes.
    if (txtNameM->text().isEmpty())
        return RefuseEntry(txtNameM, QStringLiteral("Please Enter Your Name"), MessageIcon::Error);
    if (txtNameF->text().isEmpty())
        return RefuseEntry(txtNameF, QStringLiteral("Please Enter Your Partner's Name"), MessageIcon::Error);
    return true;
}

void frmMainZodiacCompatibility::CheckCompatibility()
{
    if (!ValidateZodiacEntry())
        return;

    ZodiacCouple couple;
    couple.NameM = stored(txtNameM->text());
    couple.MonthM = stored(cboMonthM->currentText());
    couple.DayM = stored(cboDateM->currentText());
    couple.YearM = stored(cboYearM->currentText());
    couple.NameF = stored(txtNameF->text());
    couple.MonthF = stored(cboMonthF->currentText());
    couple.DayF = stored(cboDateF->currentText());
    couple.YearF = stored(cboYearF->currentText());

    if (!ProgramWindows::Open<frmSunSignZodiacCompatibility>(
            ProgramWindowId::frmSunSignZodiacCompatibility,
            [&couple](frmSunSignZodiacCompatibility& result) { result.ShowResult(couple); }))
        return;
    close();
    ProgramWindows::SetWelcomePanelVisible(false);
}
