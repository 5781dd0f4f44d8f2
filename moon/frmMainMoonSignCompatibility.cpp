#include "moon/frmMainMoonSignCompatibility.h"

#include "moon/EntryKeyFilter.h"
#include "moon/MoonCouple.h"
#include "moon/frmMoonSign.h"
#include "moon/modMoonsign.h"
#include "shell/ChoiceList.h"
#include "shell/ClickableLabel.h"
#include "shell/Messages.h"
#include "shell/PlaceSearch.h"
#include "shell/Text.h"
#include "shell/Twips.h"
#include "shell/modHelp.h"
#include "shell/TabChain.h"
#include "shell/ThemeColours.h"
#include "shell/TextField.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

struct frmMainMoonSignCompatibility::Partner {
    QLineEdit* name;
    QComboBox* day;
    QComboBox* month;
    QComboBox* year;
    QComboBox* hour;
    QComboBox* minute;
    QComboBox* second;
    QGroupBox* place;
    QLineEdit* latitudeDegrees;
    QLineEdit* latitudeMinutes;
    QRadioButton* north;
    QRadioButton* south;
    QLineEdit* longitudeDegrees;
    QLineEdit* longitudeMinutes;
    QRadioButton* east;
    QRadioButton* west;
    QLineEdit* city;
    QLineEdit* state;
    QLineEdit* country;
    QPushButton* browse;
};

namespace {


QComboBox* makeList(const QString& objectName, int first, int last)
{
    auto* list = new ChoiceList;
    list->setObjectName(objectName);
    list->setEditable(false);
    for (int n = first; n <= last; ++n)
        list->addItem(QString::number(n));
    list->setCurrentIndex(0);
    return list;
}

QLineEdit* makeField(const QString& objectName, EntryFilter filter)
{
    auto* field = new TextField;
    field->setObjectName(objectName);
    EntryKeyFilter::Install(field, filter);
    return field;
}

// Degrees or minutes of a coordinate: at most three digits.
QLineEdit* makeCoordinate(const QString& objectName)
{
    QLineEdit* field = makeField(objectName, EntryFilter::Digit);
    field->setMaxLength(3);
    field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    return field;
}

QRadioButton* makeOption(const QString& objectName, const QString& caption)
{
    auto* option = new QRadioButton(caption);
    option->setObjectName(objectName);
    return option;
}

QLabel* caption(const QString& text, QWidget* buddy)
{
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QLabel* hint(const QString& text)
{
    auto* label = new QLabel(text);
    ThemeColours::UseAccent(label, QColor(0x55, 0x55, 0x55));
    return label;
}

bool isLeapYear(int year)
{
    return year % 4 == 0;
}

// February 30 or 31 in a leap year, February 29 to 31 in any other.
bool isImpossibleFebruaryDay(const QString& month, int day, int year)
{
    if (month != QLatin1String("February"))
        return false;
    return isLeapYear(year) ? day >= 30 : day >= 29;
}

bool isImpossibleThirtyFirst(const QString& month, int day)
{
    return day == 31 && (month == QLatin1String("April") || month == QLatin1String("June") ||
                         month == QLatin1String("September") || month == QLatin1String("November"));
}

} // namespace

frmMainMoonSignCompatibility::frmMainMoonSignCompatibility()
    : ProgramWindow(ProgramWindowId::frmMainMoonSignCompatibility, QStringLiteral("Zel Moon Sign Compatibility"),
                    QSize(11400, 7200))
{
    Label62 = new QLabel(QStringLiteral("Zel Moon Sign Compatibility"));
    Label62->setObjectName(QStringLiteral("Label62"));
    Label62->setAlignment(Qt::AlignCenter);
    QFont titleFont = Label62->font();
    titleFont.setPointSizeF(14);
    titleFont.setBold(true);
    Label62->setFont(titleFont);
    ThemeColours::UseAccent(Label62, QColor(0x2b, 0x2a, 0x6b));

    Partner you{};
    Partner partner{};
    Frame1 = buildPartnerFrame(QStringLiteral("Frame1"), QStringLiteral("Your Details"), QStringLiteral("Frame8"),
                               QStringLiteral("M"), you);
    Frame2 = buildPartnerFrame(QStringLiteral("Frame2"), QStringLiteral("Your Partner's Details"),
                               QStringLiteral("Frame9"), QStringLiteral("F"), partner);

    txtMName = you.name;
    cboMDate = you.day;
    cboMMonth = you.month;
    cboMYear = you.year;
    cboMHH = you.hour;
    cboMMM = you.minute;
    cboMSS = you.second;
    Frame8 = you.place;
    txtMLD = you.latitudeDegrees;
    txtMLM = you.latitudeMinutes;
    optMNorth = you.north;
    optMSouth = you.south;
    txtMLoD = you.longitudeDegrees;
    txtMLoM = you.longitudeMinutes;
    optMEast = you.east;
    optMWest = you.west;
    txtMCity = you.city;
    txtMState = you.state;
    txtMCountry = you.country;
    cmdMaleBrowse = you.browse;

    txtFName = partner.name;
    cboFDate = partner.day;
    cboFMonth = partner.month;
    cboFYear = partner.year;
    cboFHH = partner.hour;
    cboFMM = partner.minute;
    cboFSS = partner.second;
    Frame9 = partner.place;
    txtFLD = partner.latitudeDegrees;
    txtFLM = partner.latitudeMinutes;
    optFNorth = partner.north;
    optFSouth = partner.south;
    txtFLoD = partner.longitudeDegrees;
    txtFLoM = partner.longitudeMinutes;
    optFEast = partner.east;
    optFWest = partner.west;
    txtFCity = partner.city;
    txtFState = partner.state;
    txtFCountry = partner.country;
    cmdFemaleBrowse = partner.browse;

    connect(cmdMaleBrowse, &QPushButton::clicked, this, [this] { Browse(txtMCity, txtMState, txtMCountry); });
    connect(cmdFemaleBrowse, &QPushButton::clicked, this, [this] { Browse(txtFCity, txtFState, txtFCountry); });

    cmdCalculate = new QPushButton(QStringLiteral("Get &Moon Sign Compatibility"));
    cmdCalculate->setObjectName(QStringLiteral("cmdCalculate"));
    QFont actionFont = cmdCalculate->font();
    actionFont.setBold(true);
    cmdCalculate->setFont(actionFont);
    cmdCalculate->setMinimumHeight(Twips(480));
    connect(cmdCalculate, &QPushButton::clicked, this, &frmMainMoonSignCompatibility::Calculate);

    cmdDonate = new QPushButton(QStringLiteral("Donate"));
    cmdDonate->setObjectName(QStringLiteral("cmdDonate"));
    cmdDonate->setMinimumHeight(Twips(480));
    connect(cmdDonate, &QPushButton::clicked, this, [] { modHelp::OpenPage(PageKey::Donate); });

    lblFullBrand = new QLabel(QStringLiteral(
        "Run your own astrology site: this software can be fully branded with your web site's name and address."));
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    lblFullBrand->setWordWrap(true);
    ThemeColours::UseAccent(lblFullBrand, QColor(0x6b, 0x2a, 0x2a));
    lblCobrand = MakePageLabel(QStringLiteral("lblCobrand"),
                               QStringLiteral("Co-brand this software with your web site. Click here for more details."),
                               PageKey::CoBrand);
    Label61 = MakePageLabel(QStringLiteral("Label61"),
                            QStringLiteral("Share your moon sign in the Zel astrology forum at "
                                           "www.zel-compatibility.example"),
                            PageKey::HomePage);
    for (ClickableLabel* link : {lblCobrand, Label61})
        ShowUnderlined(link);

    auto* partners = new QHBoxLayout;
    partners->addWidget(Frame1, 1);
    partners->addWidget(Frame2, 1);

    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    actions->addWidget(cmdCalculate, 3);
    actions->addWidget(cmdDonate, 1);
    actions->addStretch(1);

    auto* column = new QVBoxLayout(body());
    column->addWidget(Label62);
    column->addLayout(partners);
    column->addLayout(actions);
    column->addWidget(lblFullBrand);
    column->addWidget(lblCobrand);
    column->addWidget(Label61);
    column->addStretch(1);

    // Tab order: every field of the first partner as the screen shows them, each direction
    // pair after its minutes and the find button after the country; then the second
    // partner's; then the actions.
    SetTabChain({
        txtMName, cboMDate, cboMMonth, cboMYear, cboMHH, cboMMM, cboMSS, txtMLD, txtMLM, optMNorth, optMSouth,
        txtMLoD, txtMLoM, optMEast, optMWest, txtMCity, txtMState, txtMCountry, cmdMaleBrowse,
        txtFName, cboFDate, cboFMonth, cboFYear, cboFHH, cboFMM, cboFSS, txtFLD, txtFLM, optFNorth, optFSouth,
        txtFLoD, txtFLoM, optFEast, optFWest, txtFCity, txtFState, txtFCountry, cmdFemaleBrowse,
        cmdCalculate, cmdDonate,
    });

    buildMenus();
    txtMName->setFocus();
}

QGroupBox* frmMainMoonSignCompatibility::buildPartnerFrame(const QString& frameName, const QString& title,
                                                           const QString& placeFrameName, const QString& suffix,
                                                           Partner& f)
{
    auto* frame = new QGroupBox(title);
    frame->setObjectName(frameName);

    f.name = makeField(QStringLiteral("txt%1Name").arg(suffix), EntryFilter::Letter);
    f.day = makeList(QStringLiteral("cbo%1Date").arg(suffix), 1, 31);
    f.month = new ChoiceList;
    f.month->setObjectName(QStringLiteral("cbo%1Month").arg(suffix));
    f.month->setEditable(false);
    for (std::string_view month : modMoonsign::MonthNames)
        f.month->addItem(QString::fromLatin1(month.data(), qsizetype(month.size())));
    f.month->setCurrentIndex(0);
    f.year = makeList(QStringLiteral("cbo%1Year").arg(suffix), modMoonsign::FirstYear, modMoonsign::LastYear);
    f.hour = makeList(QStringLiteral("cbo%1HH").arg(suffix), 0, 24);
    f.minute = makeList(QStringLiteral("cbo%1MM").arg(suffix), 0, 59);
    f.second = makeList(QStringLiteral("cbo%1SS").arg(suffix), 0, 59);

    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(f.day, 2);
    dateRow->addWidget(f.month, 4);
    dateRow->addWidget(f.year, 3);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(f.hour, 2);
    timeRow->addWidget(f.minute, 2);
    timeRow->addWidget(f.second, 2);
    timeRow->addWidget(hint(QStringLiteral("(HH/MM/SS)")), 3);

    f.place = new QGroupBox(QStringLiteral("Place Of Birth"));
    f.place->setObjectName(placeFrameName);
    f.latitudeDegrees = makeCoordinate(QStringLiteral("txt%1LD").arg(suffix));
    f.latitudeMinutes = makeCoordinate(QStringLiteral("txt%1LM").arg(suffix));
    f.north = makeOption(QStringLiteral("opt%1North").arg(suffix), QStringLiteral("North"));
    f.south = makeOption(QStringLiteral("opt%1South").arg(suffix), QStringLiteral("South"));
    f.longitudeDegrees = makeCoordinate(QStringLiteral("txt%1LoD").arg(suffix));
    f.longitudeMinutes = makeCoordinate(QStringLiteral("txt%1LoM").arg(suffix));
    f.east = makeOption(QStringLiteral("opt%1East").arg(suffix), QStringLiteral("East"));
    f.west = makeOption(QStringLiteral("opt%1West").arg(suffix), QStringLiteral("West"));
    // Each direction pair is one choice of its own; neither is chosen at first.
    for (auto pair : {std::pair{f.north, f.south}, std::pair{f.east, f.west}}) {
        auto* group = new QButtonGroup(frame);
        group->addButton(pair.first);
        group->addButton(pair.second);
    }
    f.city = makeField(QStringLiteral("txt%1City").arg(suffix), EntryFilter::Letter);
    f.state = makeField(QStringLiteral("txt%1State").arg(suffix), EntryFilter::Place);
    f.country = makeField(QStringLiteral("txt%1Country").arg(suffix), EntryFilter::Place);
    f.browse = new QPushButton(QStringLiteral("Click Here To Find Latitude && Longitude in Google"));
    f.browse->setObjectName(suffix == QLatin1String("M") ? QStringLiteral("cmdMaleBrowse")
                                                         : QStringLiteral("cmdFemaleBrowse"));

    auto* placeGrid = new QGridLayout(f.place);
    int row = 0;
    for (auto [label, degrees, minutes, first, second] :
         {std::tuple{QStringLiteral("Latitude:"), f.latitudeDegrees, f.latitudeMinutes, f.north, f.south},
          std::tuple{QStringLiteral("Longitude:"), f.longitudeDegrees, f.longitudeMinutes, f.east, f.west}}) {
        auto* coordinate = new QHBoxLayout;
        coordinate->addWidget(degrees);
        coordinate->addWidget(minutes);
        coordinate->addWidget(hint(QStringLiteral("DEG/MIN")));
        coordinate->addSpacing(6);
        coordinate->addWidget(first);
        coordinate->addWidget(second);
        coordinate->addStretch(1);
        placeGrid->addWidget(caption(label, degrees), row, 0);
        placeGrid->addLayout(coordinate, row, 1);
        ++row;
    }
    for (auto [label, field] : {std::pair{QStringLiteral("City:"), f.city}, std::pair{QStringLiteral("State:"), f.state},
                                std::pair{QStringLiteral("Country:"), f.country}}) {
        placeGrid->addWidget(caption(label, field), row, 0);
        placeGrid->addWidget(field, row, 1);
        ++row;
    }
    placeGrid->addWidget(f.browse, row, 0, 1, 2);

    // Screen readers hear what each field holds and whose it is; several fields share a
    // caption on screen, or have none but their frame's.
    const QString whose = suffix == QLatin1String("M") ? QStringLiteral("Your") : QStringLiteral("Partner's");
    const std::pair<QWidget*, const char*> names[] = {
        {f.name, "name"},
        {f.day, "birth day"},
        {f.month, "birth month"},
        {f.year, "birth year"},
        {f.hour, "birth hour"},
        {f.minute, "birth minute"},
        {f.second, "birth second"},
        {f.latitudeDegrees, "latitude degrees"},
        {f.latitudeMinutes, "latitude minutes"},
        {f.north, "latitude: North"},
        {f.south, "latitude: South"},
        {f.longitudeDegrees, "longitude degrees"},
        {f.longitudeMinutes, "longitude minutes"},
        {f.east, "longitude: East"},
        {f.west, "longitude: West"},
        {f.city, "birth city"},
        {f.state, "birth state"},
        {f.country, "birth country"},
        {f.browse, "birth place: find latitude and longitude in Google"},
    };
    for (const auto& [field, what] : names)
        field->setAccessibleName(whose + u' ' + QLatin1String(what));
    // The place frame would otherwise take its name from the partner's frame around it.
    f.place->setAccessibleName(whose + QStringLiteral(" place of birth"));
    placeGrid->setColumnStretch(1, 1);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(caption(QStringLiteral("Name:"), f.name), 0, 0);
    grid->addWidget(f.name, 0, 1);
    grid->addWidget(caption(QStringLiteral("Date Of Birth:"), f.day), 1, 0);
    grid->addLayout(dateRow, 1, 1);
    grid->addWidget(caption(QStringLiteral("Time Of Birth:"), f.hour), 2, 0);
    grid->addLayout(timeRow, 2, 1);
    grid->addWidget(f.place, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    return frame;
}

void frmMainMoonSignCompatibility::buildMenus()
{
    MenuBarModel& bar = menuBarModel();
    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    connect(AddMenuItem(file, QStringLiteral("&Moon Sign Compatibility"), QStringLiteral("mnuCalculate")),
            &QAction::triggered, this, &frmMainMoonSignCompatibility::Calculate);
    file->addSeparator();
    connect(AddMenuItem(file, QStringLiteral("&Exit"), QStringLiteral("mnuExit")), &QAction::triggered, this,
            &QWidget::close);
    modHelp::AddSharedMenus(bar, objectName());
}

bool frmMainMoonSignCompatibility::ValidateEntries()
{
    // Emptiness is judged on the text as typed: a field of blanks passes.
    struct Required {
        QLineEdit* field;
        const char* message;
    };
    struct Directions {
        QRadioButton* first;
        QRadioButton* second;
        const char* message;
    };
    const auto check = [](std::initializer_list<Required> fields, std::initializer_list<Directions> pairs) {
        for (const Required& required : fields) {
            if (required.field->text().isEmpty())
                return RefuseEntry(required.field, QString::fromLatin1(required.message), MessageIcon::Error);
        }
        for (const Directions& pair : pairs) {
            if (!pair.first->isChecked() && !pair.second->isChecked()) {
                ShowMessage(QString::fromLatin1(pair.message), MessageIcon::Error);
                pair.first->setChecked(true);
                // The user hears the direction now chosen and can change it at once.
                pair.first->setFocus();
                return false;
            }
        }
        return true;
    };

    if (!check({{txtMName, "Please Enter Your Name"},
                {txtMLD, "Please Enter Degree in Latitude"},
                {txtMLM, "Please Enter Minutes in Latitude"},
                {txtMLoD, "Please Enter Degree in Longitude"},
                {txtMLoM, "Please Enter Minute in Longitude"},
                {txtMCity, "Please Enter City"},
                {txtMState, "Please Enter State"},
                {txtMCountry, "Please Enter Country"}},
               {{optMNorth, optMSouth, "Please Select Direction For The Latitude"},
                {optMEast, optMWest, "Please Select Direction For The Longitude"}}))
        return false;
    if (!check({{txtFName, "Please Enter Your Partner's Name"},
                {txtFLD, "Please Enter Degree in Latitude"},
                {txtFLM, "Please Enter Minutes in Latitude"},
                {txtFLoD, "Please Enter Degree in Longitude"},
                {txtFLoM, "Please Enter Minutes in Longitude"},
                {txtFCity, "Please Enter City"},
                {txtFState, "Please Enter State"},
                {txtFCountry, "Please Enter Country"}},
               {{optFNorth, optFSouth, "Please Select Direction For The Latitude"},
                {optFEast, optFWest, "Please Select Direction For The Longitude"}}))
        return false;

    const QString monthM = cboMMonth->currentText();
    const int dayM = cboMDate->currentText().toInt();
    const QString monthF = cboFMonth->currentText();
    const int dayF = cboFDate->currentText().toInt();
    if (isImpossibleFebruaryDay(monthM, dayM, cboMYear->currentText().toInt())) {
        ShowMessage(QStringLiteral("Please Enter Your Correct Date Or Month!"), MessageIcon::Information);
        return false;
    }
    if (isImpossibleThirtyFirst(monthM, dayM)) {
        ShowMessage(QStringLiteral("Please Enter Your Correct Date Or Month !"), MessageIcon::Information);
        return false;
    }
    if (isImpossibleFebruaryDay(monthF, dayF, cboFYear->currentText().toInt())) {
        ShowMessage(QStringLiteral("Please Enter Your Partner's Correct Date Or Month!"), MessageIcon::Information);
        return false;
    }
    if (isImpossibleThirtyFirst(monthF, dayF)) {
        ShowMessage(QStringLiteral("Please Enter Your Partner's Correct Date Or Month !"), MessageIcon::Information);
        return false;
    }
    return true;
}

void frmMainMoonSignCompatibility::Calculate()
{
    if (!ValidateEntries())
        return;

    const auto entered = [](QLineEdit* name, QComboBox* day, QComboBox* month, QComboBox* year, QComboBox* hour,
                            QComboBox* minute, QComboBox* second, QLineEdit* city, QLineEdit* state,
                            QLineEdit* country) {
        MoonPartner partner;
        partner.Name = TrimBlanks(name->text()).toStdString();
        partner.Day = day->currentText().toInt();
        partner.Month = month->currentIndex();
        partner.Year = year->currentText().toInt();
        partner.Hour = hour->currentText().toInt();
        partner.Minute = minute->currentText().toInt();
        partner.Second = second->currentText().toInt();
        partner.City = city->text().toStdString();
        partner.State = state->text().toStdString();
        partner.Country = country->text().toStdString();
        return partner;
    };
    const MoonCouple couple{
        entered(txtMName, cboMDate, cboMMonth, cboMYear, cboMHH, cboMMM, cboMSS, txtMCity, txtMState, txtMCountry),
        entered(txtFName, cboFDate, cboFMonth, cboFYear, cboFHH, cboFMM, cboFSS, txtFCity, txtFState, txtFCountry),
    };

    // Every calculation gets a fresh result screen: one left from an earlier calculation
    // goes, and its report with it, so no window shows the earlier pair.
    if (ProgramWindow* stale = ProgramWindows::Find(ProgramWindowId::frmMoonSign)) {
        stale->close();
        delete stale; // not left for later, or the registry would hand it out again
    }
    if (!ProgramWindows::Open<frmMoonSign>(ProgramWindowId::frmMoonSign,
                                           [&couple](frmMoonSign& screen) { screen.ShowResult(couple); }))
        return;

    close();
    ProgramWindows::SetWelcomePanelVisible(false);
}

void frmMainMoonSignCompatibility::Browse(QLineEdit* city, QLineEdit* state, QLineEdit* country)
{
    for (auto [field, message] : {std::pair{city, "Please Enter City"}, std::pair{state, "Please Enter State"},
                                  std::pair{country, "Please Enter Country"}}) {
        if (field->text().isEmpty()) {
            RefuseEntry(field, QString::fromLatin1(message), MessageIcon::Error);
            return;
        }
    }
    OpenPlaceSearch(city->text(), state->text(), country->text());
}
