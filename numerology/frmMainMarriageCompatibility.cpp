#include "numerology/frmMainMarriageCompatibility.h"

#include "numerology/NumerologyLabels.h"
#include "numerology/frmDispMarriageCompatibility.h"
#include "numerology/frmSaveDocumentMarriageCompatibility.h"
#include "numerology/modNumerology.h"
#include "shell/ChoiceList.h"
#include "shell/ClickableLabel.h"
#include "shell/Messages.h"
#include "shell/Twips.h"
#include "shell/modHelp.h"
#include "shell/TabChain.h"
#include "shell/ThemeColours.h"
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

using Id = ProgramWindowId;

struct PartnerFields {
    QLabel* firstCaption;
    QLabel* middleCaption;
    QLabel* lastCaption;
    QLabel* dateCaption;
    QLineEdit* first;
    QLineEdit* middle;
    QLineEdit* last;
    QComboBox* month;
    QComboBox* day;
    QComboBox* year;
};

struct PartnerNames {
    const char* frame;
    const char* title;
    const char* whose;       // how screen readers say whose the fields are
    const char* captions[4]; // first, middle, last, date of birth
    const char* fields[6];   // first, middle, last, month, day, year
};

QLabel* makeCaption(const char* objectName, const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setBuddy(buddy);
    return label;
}

QLineEdit* makeTextBox(const char* objectName)
{
    auto* box = new TextField;
    box->setObjectName(QString::fromLatin1(objectName));
    return box;
}

QComboBox* makeList(const char* objectName)
{
    auto* list = new ChoiceList;
    list->setObjectName(QString::fromLatin1(objectName));
    list->setEditable(false);
    return list;
}

// One partner's frame: first, middle and last name, and the date of birth as month, day
// and year lists from left to right.
QGroupBox* makePartnerFrame(const PartnerNames& names, PartnerFields& fields)
{
    auto* frame = new QGroupBox(QString::fromLatin1(names.title));
    frame->setObjectName(QString::fromLatin1(names.frame));

    fields.first = makeTextBox(names.fields[0]);
    fields.middle = makeTextBox(names.fields[1]);
    fields.last = makeTextBox(names.fields[2]);
    fields.month = makeList(names.fields[3]);
    fields.day = makeList(names.fields[4]);
    fields.year = makeList(names.fields[5]);

    fields.firstCaption = makeCaption(names.captions[0], QStringLiteral("* First Name"), fields.first);
    fields.middleCaption = makeCaption(names.captions[1], QStringLiteral("Middle Name"), fields.middle);
    fields.lastCaption = makeCaption(names.captions[2], QStringLiteral("* Last Name"), fields.last);
    fields.dateCaption = makeCaption(names.captions[3], QStringLiteral("Date of Birth"), fields.month);

    // The day and year lists have no caption of their own on screen, and every caption
    // appears twice, once per partner.
    const QString whose = QString::fromLatin1(names.whose);
    const std::pair<QWidget*, const char*> spoken[] = {
        {fields.first, "first name"},  {fields.middle, "middle name"}, {fields.last, "last name"},
        {fields.month, "birth month"}, {fields.day, "birth day"},      {fields.year, "birth year"},
    };
    for (const auto& [field, what] : spoken)
        field->setAccessibleName(whose + u' ' + QLatin1String(what));

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(fields.month, 5);
    dateRow->addWidget(fields.day, 2);
    dateRow->addWidget(fields.year, 3);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(fields.firstCaption, 0, 0);
    grid->addWidget(fields.first, 0, 1);
    grid->addWidget(fields.middleCaption, 1, 0);
    grid->addWidget(fields.middle, 1, 1);
    grid->addWidget(fields.lastCaption, 2, 0);
    grid->addWidget(fields.last, 2, 1);
    grid->addWidget(fields.dateCaption, 3, 0);
    grid->addLayout(dateRow, 3, 1);
    grid->setColumnStretch(1, 1);
    return frame;
}

// Days 1..31 whatever the month, the twelve months, the years 1900..2050; nothing selected.
void fillLists(QComboBox* day, QComboBox* month, QComboBox* year)
{
    for (int n = 1; n <= 31; ++n)
        day->addItem(QString::number(n));
    for (std::string_view name : modNumerology::MonthNames)
        month->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    for (int n = 1900; n <= 2050; ++n)
        year->addItem(QString::number(n));
    for (QComboBox* list : {day, month, year})
        list->setCurrentIndex(-1);
}

QPushButton* makeButton(const char* objectName, const QString& caption)
{
    auto* button = new QPushButton(caption);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

std::string entered(const QLineEdit* box)
{
    return box->text().toStdString();
}

std::string entered(const QComboBox* list)
{
    return list->currentIndex() < 0 ? std::string() : list->currentText().toStdString();
}

} // namespace

frmMainMarriageCompatibility::frmMainMarriageCompatibility()
    : ProgramWindow(Id::frmMainMarriageCompatibility, QStringLiteral("Zel Numerology Compatibility Software"),
                    QSize(9600, 5700))
{
    Label11 = new QLabel(QStringLiteral("Zel Numerology Compatibility Software"));
    Label11->setObjectName(QStringLiteral("Label11"));
    Label11->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label11->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    Label11->setFont(titleFont);
    ThemeColours::UseAccent(Label11, QColor(0x5a, 0x2a, 0x82));

    PartnerFields male{};
    PartnerFields female{};
    fraM = makePartnerFrame({"fraM", "Male", "Male partner's", {"Label1", "Label4", "Label5", "Label2"},
                             {"txtMF", "txtMM", "txtML", "cboMM", "cboMD", "cboMY"}},
                            male);
    fraF = makePartnerFrame({"fraF", "Female", "Female partner's", {"Label10", "Label9", "Label8", "Label7"},
                             {"txtFF", "txtFM", "txtFL", "cboFM", "cboFD", "cboFY"}},
                            female);
    Label1 = male.firstCaption, Label4 = male.middleCaption, Label5 = male.lastCaption, Label2 = male.dateCaption;
    txtMF = male.first, txtMM = male.middle, txtML = male.last;
    cboMM = male.month, cboMD = male.day, cboMY = male.year;
    Label10 = female.firstCaption, Label9 = female.middleCaption, Label8 = female.lastCaption;
    Label7 = female.dateCaption;
    txtFF = female.first, txtFM = female.middle, txtFL = female.last;
    cboFM = female.month, cboFD = female.day, cboFY = female.year;
    fillLists(cboMD, cboMM, cboMY);
    fillLists(cboFD, cboFM, cboFY);

    cmdExit = makeButton("cmdExit", QStringLiteral("Exit"));
    cmdCR = makeButton("cmdCR", QStringLiteral("Comprehensive Reading"));
    cmdLP = makeButton("cmdLP", QStringLiteral("LifePath Compatibility"));
    cmdD = makeButton("cmdD", QStringLiteral("Destiny Compatibility"));
    connect(cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(cmdCR, &QPushButton::clicked, this, &frmMainMarriageCompatibility::ComprehensiveReading);
    connect(cmdLP, &QPushButton::clicked, this, &frmMainMarriageCompatibility::LifePathReading);
    connect(cmdD, &QPushButton::clicked, this, &frmMainMarriageCompatibility::DestinyReading);

    auto* partners = new QHBoxLayout;
    partners->addWidget(fraM, 1);
    partners->addWidget(fraF, 1);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {cmdExit, cmdCR, cmdLP, cmdD}) {
        button->setMinimumHeight(Twips(420));
        buttons->addWidget(button, 1);
    }

    auto* column = new QVBoxLayout(body());
    column->addWidget(Label11);
    column->addWidget(buildTopRow());
    column->addLayout(partners);
    column->addLayout(buttons);
    column->addStretch(1);
    column->addWidget(buildBottomFrame());

    SetTabChain({txtMF, txtMM, txtML, cboMM, cboMD, cboMY, txtFF, txtFM, txtFL, cboFM, cboFD, cboFY, cmdCR, cmdD,
                 cmdLP, cmdExit, cmdNav, Command3});

    buildMenus();
}

QWidget* frmMainMarriageCompatibility::buildTopRow()
{
    fraSite = new QGroupBox(QStringLiteral("www.zel-compatibility.example"));
    fraSite->setObjectName(QStringLiteral("fraSite"));
    Label61 = MakeForumLabel();
    (new QVBoxLayout(fraSite))->addWidget(Label61);

    fraNote = new QGroupBox(QStringLiteral("Note: "));
    fraNote->setObjectName(QStringLiteral("fraNote"));
    Label14 = new QLabel(QStringLiteral(
        "This program has been designed keeping in mind date settings according to MM/DD/YYYY format"));
    Label14->setObjectName(QStringLiteral("Label14"));
    Label14->setWordWrap(true);
    (new QVBoxLayout(fraNote))->addWidget(Label14);

    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fraSite, 1);
    layout->addWidget(fraNote, 1);
    return row;
}

QWidget* frmMainMarriageCompatibility::buildBottomFrame()
{
    fraBottom = new QGroupBox;
    fraBottom->setObjectName(QStringLiteral("fraBottom"));

    // A blank band that leads to the offer of a fully branded copy of the program.
    Label6 = MakePageLabel(QStringLiteral("Label6"), QString(), PageKey::FullyBranded);
    Label6->setMinimumHeight(Twips(450));
    Label6->setAccessibleName(QStringLiteral("Get this software fully branded for your website"));
    Label6->setStyleSheet(QStringLiteral(
        "background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #3b1f6e, stop:0.5 #8e3b8f, stop:1 #3b1f6e);"
        "border-radius: 4px;"));

    Command3 = makeButton("Command3", QStringLiteral("Donate"));
    connect(Command3, &QPushButton::clicked, this, [] { modHelp::OpenPage(PageKey::Donate); });
    cmdNav = makeButton("cmdNav", QStringLiteral("Exit"));
    connect(cmdNav, &QPushButton::clicked, this, &QWidget::close);

    Label13 = new QLabel(QStringLiteral("Software made by"));
    Label13->setObjectName(QStringLiteral("Label13"));
    Label52 = MakePageLabel(QStringLiteral("Label52"),
                            QStringLiteral("www.zel-compatibility.example - visit us for more free readings"),
                            PageKey::HomePage);
    Label52->setWordWrap(false);
    ShowUnderlined(Label52);

    auto* upper = new QHBoxLayout;
    upper->addWidget(Label6, 1);
    upper->addWidget(Command3);
    upper->addWidget(cmdNav);
    auto* lower = new QHBoxLayout;
    lower->addWidget(Label13);
    lower->addWidget(Label52);
    lower->addStretch(1);
    auto* column = new QVBoxLayout(fraBottom);
    column->addLayout(upper);
    column->addLayout(lower);
    return fraBottom;
}

void frmMainMarriageCompatibility::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, QStringLiteral("&Comprehensive Reading"), QStringLiteral("mnuComprehensive")),
            &QAction::triggered, this, &frmMainMarriageCompatibility::ComprehensiveReading);
    connect(AddMenuItem(file, QStringLiteral("&LifePath Compatibility"), QStringLiteral("mnuLifePath")),
            &QAction::triggered, this, &frmMainMarriageCompatibility::LifePathReading);
    connect(AddMenuItem(file, QStringLiteral("&Destiny Compatibility"), QStringLiteral("mnuDestiny")),
            &QAction::triggered, this, &frmMainMarriageCompatibility::DestinyReading);
    file->addSeparator()->setObjectName(QStringLiteral("mnuFileSep"));
    connect(AddMenuItem(file, QStringLiteral("E&xit"), QStringLiteral("mnuExit")), &QAction::triggered, this,
            &QWidget::close);
    modHelp::AddSharedMenus(bar, objectName());
}

bool frmMainMarriageCompatibility::ValidateEntries()
{
    // Names count as filled when anything was typed, blanks included; lists when an item
    // is selected. Middle names are optional.
    struct Required {
        QWidget* field;
        bool empty;
        const char* message;
    };
    const Required required[] = {
        {txtMF, txtMF->text().isEmpty(), "Male: First Name cannot be blank"},
        {txtML, txtML->text().isEmpty(), "Male: Last Name cannot be blank"},
        {txtFF, txtFF->text().isEmpty(), "Female: First Name cannot be blank"},
        {txtFL, txtFL->text().isEmpty(), "Female: Last Name cannot be blank"},
        {cboMD, cboMD->currentIndex() < 0, "Male: Date of Birth cannot be blank"},
        {cboMM, cboMM->currentIndex() < 0, "Male: Month of Birth cannot be blank"},
        {cboMY, cboMY->currentIndex() < 0, "Male: Year of Birth cannot be blank"},
        {cboFD, cboFD->currentIndex() < 0, "Female: Date of Birth cannot be blank"},
        {cboFM, cboFM->currentIndex() < 0, "Female: Month of Birth cannot be blank"},
        {cboFY, cboFY->currentIndex() < 0, "Female: Year of Birth cannot be blank"},
    };
    for (const Required& entry : required) {
        if (entry.empty)
            return RefuseEntry(entry.field, QString::fromLatin1(entry.message), MessageIcon::Information);
    }
    return true;
}

NumerologyCouple frmMainMarriageCompatibility::Couple() const
{
    NumerologyCouple c;
    c.FirstM = entered(txtMF);
    c.MiddleM = entered(txtMM);
    c.LastM = entered(txtML);
    c.MonthM = entered(cboMM);
    c.DayM = entered(cboMD);
    c.YearM = entered(cboMY);
    c.FirstF = entered(txtFF);
    c.MiddleF = entered(txtFM);
    c.LastF = entered(txtFL);
    c.MonthF = entered(cboFM);
    c.DayF = entered(cboFD);
    c.YearF = entered(cboFY);
    return c;
}

void frmMainMarriageCompatibility::LifePathReading()
{
    startReading(NumerologyReading::LifePath);
}

void frmMainMarriageCompatibility::DestinyReading()
{
    startReading(NumerologyReading::Destiny);
}

void frmMainMarriageCompatibility::startReading(NumerologyReading reading)
{
    if (!ValidateEntries())
        return;
    const NumerologyCouple couple = Couple();
    if (!ProgramWindows::Open<frmDispMarriageCompatibility>(
            Id::frmDispMarriageCompatibility,
            [&](frmDispMarriageCompatibility& result) { result.ShowReading(reading, couple); }))
        return;
    hide();
}

void frmMainMarriageCompatibility::ComprehensiveReading()
{
    if (!ValidateEntries())
        return;
    const NumerologyCouple couple = Couple();
    if (!ProgramWindows::Open<frmSaveDocumentMarriageCompatibility>(
            Id::frmSaveDocumentMarriageCompatibility,
            [&couple](frmSaveDocumentMarriageCompatibility& report) { report.ShowReport(couple); }))
        return;
    hide();
}
