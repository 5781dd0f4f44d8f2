#include "chinese/frmmainChineseZodiac.h"

#include "chinese/ChineseCouple.h"
#include "chinese/frmchiness.h"
#include "chinese/modchinesezodiac.h"
#include "shell/ChoiceList.h"
#include "shell/ClickableLabel.h"
#include "shell/Messages.h"
#include "shell/Text.h"
#include "shell/modHelp.h"
#include "shell/TabChain.h"
#include "shell/TextField.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr const char* kMonthNames[12] = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December",
};

struct PartnerFields {
    QLabel* nameCaption;
    QLineEdit* name;
    QLabel* dateCaption;
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

QLabel* makeCaption(const QString& objectName, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setObjectName(objectName);
    label->setBuddy(buddy);
    return label;
}

// One partner's frame: the name, then the birth day as month, day and year lists.
QGroupBox* makePartnerFrame(const QString& frameName, const QString& title, PartnerFields& fields)
{
    auto* frame = new QGroupBox(title);
    frame->setObjectName(frameName);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(fields.month, 3);
    dateRow->addWidget(fields.day, 1);
    dateRow->addWidget(fields.year, 2);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(fields.nameCaption, 0, 0);
    grid->addWidget(fields.name, 0, 1);
    grid->addWidget(fields.dateCaption, 1, 0);
    grid->addLayout(dateRow, 1, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

std::string stored(const QString& text)
{
    return TrimBlanks(text).toStdString();
}

} // namespace

frmmainChineseZodiac::frmmainChineseZodiac()
    : ProgramWindow(ProgramWindowId::frmmainChineseZodiac, QStringLiteral("Zel Chinese Zodiac Compatibility"),
                    QSize(5400, 5100))
{
    txtMaleName = new TextField;
    txtMaleName->setObjectName(QStringLiteral("txtMaleName"));
    cboMaleMonth = makeList(QStringLiteral("cboMaleMonth"));
    CboMaleDate = makeList(QStringLiteral("CboMaleDate"));
    cboMaleYear = makeList(QStringLiteral("cboMaleYear"));
    Label3 = makeCaption(QStringLiteral("Label3"), QStringLiteral("Name"), txtMaleName);
    Label4 = makeCaption(QStringLiteral("Label4"), QStringLiteral("Birth Day"), cboMaleMonth);
    PartnerFields you{Label3, txtMaleName, Label4, cboMaleMonth, CboMaleDate, cboMaleYear};
    Frame1 = makePartnerFrame(QStringLiteral("Frame1"), QStringLiteral("Your Details"), you);

    txtFemaleName = new TextField;
    txtFemaleName->setObjectName(QStringLiteral("txtFemaleName"));
    cboFemaleMonth = makeList(QStringLiteral("cboFemaleMonth"));
    cboFemaleDate = makeList(QStringLiteral("cboFemaleDate"));
    cboFemaleYear = makeList(QStringLiteral("cboFemaleYear"));
    Label6 = makeCaption(QStringLiteral("Label6"), QStringLiteral("Name"), txtFemaleName);
    Label7 = makeCaption(QStringLiteral("Label7"), QStringLiteral("Birth Day"), cboFemaleMonth);
    PartnerFields partner{Label6, txtFemaleName, Label7, cboFemaleMonth, cboFemaleDate, cboFemaleYear};
    Frame2 = makePartnerFrame(QStringLiteral("Frame2"), QStringLiteral("Your Partner's Details"), partner);

    // The lists, filled the way the screen has always filled them: days, months, years,
    // each first for "Your Details" and then for the partner; the first item selected.
    for (int n = 1; n <= 31; ++n) {
        CboMaleDate->addItem(QString::number(n));
        cboFemaleDate->addItem(QString::number(n));
    }
    for (const char* month : kMonthNames)
        cboMaleMonth->addItem(QString::fromLatin1(month));
    for (const char* month : kMonthNames)
        cboFemaleMonth->addItem(QString::fromLatin1(month));
    for (int n = 1936; n <= 2008; ++n) {
        cboMaleYear->addItem(QString::number(n));
        cboFemaleYear->addItem(QString::number(n));
    }
    for (QComboBox* list : {CboMaleDate, cboMaleMonth, cboMaleYear, cboFemaleDate, cboFemaleMonth, cboFemaleYear})
        list->setCurrentIndex(0);

    const QString notes[2] = {
        QStringLiteral("Please set your Regional and Language Settings to US English for proper working of this "
                       "software."),
        QStringLiteral("This program has been designed keeping in mind date settings according to MM/DD/YYYY "
                       "format"),
    };
    for (int i = 0; i < 2; ++i) {
        Frame3[i] = new QGroupBox(QStringLiteral("Note"));
        Frame3[i]->setObjectName(QStringLiteral("Frame3_%1").arg(i));
        Label5[i] = new QLabel(notes[i]);
        Label5[i]->setObjectName(QStringLiteral("Label5_%1").arg(i));
        Label5[i]->setWordWrap(true);
        (new QVBoxLayout(Frame3[i]))->addWidget(Label5[i]);
    }

    cmdProceed = new QPushButton(QStringLiteral("Get Our &Chinese Zodiac Compatibility"));
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setDefault(true);
    connect(cmdProceed, &QPushButton::clicked, this, &frmmainChineseZodiac::Proceed);

    Label1 = MakePageLabel(QStringLiteral("Label1"),
                           QStringLiteral("Talk about your Chinese sign with other members in the Zel astrology forum."),
                           PageKey::HomePage);
    Label2 = MakePageLabel(QStringLiteral("Label2"),
                           QStringLiteral("Visit www.zel-compatibility.example for more free readings."),
                           PageKey::HomePage);
    for (ClickableLabel* link : {Label1, Label2})
        ShowUnderlined(link);

    auto* column = new QVBoxLayout(body());
    column->addWidget(Frame1);
    column->addWidget(Frame2);
    column->addWidget(Frame3[0]);
    column->addWidget(Frame3[1]);
    column->addWidget(cmdProceed);
    column->addWidget(Label1);
    column->addWidget(Label2);
    column->addStretch(1);

    // Screen readers hear what each field holds and whose it is: the day and year lists
    // have no caption of their own on screen.
    for (auto [whose, fields] : {std::pair{QStringLiteral("Your"), you}, std::pair{QStringLiteral("Partner's"), partner}}) {
        fields.name->setAccessibleName(whose + QStringLiteral(" name"));
        fields.month->setAccessibleName(whose + QStringLiteral(" birth month"));
        fields.day->setAccessibleName(whose + QStringLiteral(" birth day"));
        fields.year->setAccessibleName(whose + QStringLiteral(" birth year"));
    }

    SetTabChain({txtMaleName, cboMaleMonth, CboMaleDate, cboMaleYear, txtFemaleName, cboFemaleMonth, cboFemaleDate,
                 cboFemaleYear, cmdProceed});

    buildMenus();
}

void frmmainChineseZodiac::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    connect(AddMenuItem(file, QStringLiteral("Get Our &Chinese Zodiac Compatibility"),
                        QStringLiteral("mnuGetOurChineseZodiacCompatibility")),
            &QAction::triggered, this, &frmmainChineseZodiac::Proceed);
    connect(AddMenuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered, this,
            &QWidget::close);
    modHelp::AddSharedMenus(bar, objectName());
}

bool frmmainChineseZodiac::ValidateChineseEntry()
{
    // The check is on the text as typed: a name of blanks passes.
    if (txtMaleName->text().isEmpty())
        return RefuseEntry(txtMaleName, QStringLiteral("Please enter your Name"), MessageIcon::Information);
    if (txtFemaleName->text().isEmpty())
        return RefuseEntry(txtFemaleName, QStringLiteral("Please Enter Youe Partner's Name"), MessageIcon::Information);
    return true;
}

void frmmainChineseZodiac::Proceed()
{
    if (!ValidateChineseEntry())
        return;

    ChineseCouple couple;
    couple.NameM = stored(txtMaleName->text());
    couple.DayM = stored(CboMaleDate->currentText());
    couple.MonthM = stored(cboMaleMonth->currentText());
    couple.YearM = stored(cboMaleYear->currentText());
    couple.NameF = stored(txtFemaleName->text());
    couple.DayF = stored(cboFemaleDate->currentText());
    couple.MonthF = stored(cboFemaleMonth->currentText());
    couple.YearF = stored(cboFemaleYear->currentText());

    // The lists allow days a month does not have (31 April, 29 February 1937). Such a date
    // is refused before anything is worked out.
    if (!modchinesezodiac::ParseBirthDate(couple.DayM, couple.MonthM, couple.YearM)) {
        RefuseEntry(CboMaleDate, QStringLiteral("Please Enter Your Correct Date Or Month!"), MessageIcon::Information);
        return;
    }
    if (!modchinesezodiac::ParseBirthDate(couple.DayF, couple.MonthF, couple.YearF)) {
        RefuseEntry(cboFemaleDate, QStringLiteral("Please Enter Your Partner's Correct Date Or Month!"),
                    MessageIcon::Information);
        return;
    }

    if (!ProgramWindows::Open<frmchiness>(ProgramWindowId::frmchiness,
                                          [&couple](frmchiness& result) { result.ShowResult(couple); }))
        return;
    close();
    ProgramWindows::SetWelcomePanelVisible(false);
}
