// The moon entry screen as a user meets it: lists, key filters, the checks in their
// order, the browse buttons' checks and the calculation that opens the result screen.
#include "moon/MoonWindows.h"
#include "content/MoonPairTexts.h"
#include "moon/MoonPairTable.h"
#include "moon/frmMainMoonSignCompatibility.h"
#include "moon/frmMoonSign.h"
#include "shell/ClickableLabel.h"
#include "shell/modHelp.h"
#include "tests/support/GuiTestSupport.h"
#include "shell/SignPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

QStringList itemsOf(QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->itemText(i));
    return items;
}

QStringList numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items.append(QString::number(n));
    return items;
}

// The widget that Tab moves on to from widget.
QWidget* nextTabStop(QWidget* widget)
{
    QWidget* next = widget->nextInFocusChain();
    while (next != widget && !((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(widget->window())))
        next = next->nextInFocusChain();
    return next;
}

void typeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
}

} // namespace

class MoonEntryTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ConfigureTestApplication(); }

    void init()
    {
        m_main = MakeMainWindow(RegisterMoonWindows);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        QTest::mouseClick(m_main->cmdSelectOption[1], Qt::LeftButton);
        m_entry = ProgramWindows::Find<frmMainMoonSignCompatibility>(ProgramWindowId::frmMainMoonSignCompatibility);
        QVERIFY(m_entry);
    }

    void cleanup()
    {
        m_messages.clear();
        m_main.reset();
    }

    void opensFreshFromTheMoonSignButton()
    {
        QVERIFY(m_entry->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(m_entry->windowTitle(), QStringLiteral("Zel Moon Sign Compatibility"));
        QCOMPARE(m_entry->Label62->text(), QStringLiteral("Zel Moon Sign Compatibility"));
        QCOMPARE(m_entry->Frame1->title(), QStringLiteral("Your Details"));
        QCOMPARE(m_entry->Frame2->title(), QStringLiteral("Your Partner's Details"));
        QCOMPARE(m_entry->Frame8->title(), QStringLiteral("Place Of Birth"));
        QCOMPARE(m_entry->Frame9->title(), QStringLiteral("Place Of Birth"));
        QCOMPARE(m_entry->cmdCalculate->text(), QStringLiteral("Get &Moon Sign Compatibility"));
        QCOMPARE(m_entry->cmdDonate->text(), QStringLiteral("Donate"));
        QCOMPARE(m_entry->cmdMaleBrowse->text(), QStringLiteral("Click Here To Find Latitude && Longitude in Google"));
        QCOMPARE(m_entry->cmdFemaleBrowse->text(), m_entry->cmdMaleBrowse->text());
        QCOMPARE(m_entry->y(), 0);

        const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
        for (const QString suffix : {"M", "F"}) {
            auto list = [&](const char* name) {
                return m_entry->findChild<QComboBox*>(QStringLiteral("cbo%1%2").arg(suffix, QLatin1String(name)));
            };
            QCOMPARE(itemsOf(list("Date")), numbers(1, 31));
            QCOMPARE(itemsOf(list("Month")), months);
            QCOMPARE(itemsOf(list("Year")), numbers(1906, 2004));
            QCOMPARE(itemsOf(list("HH")), numbers(0, 24));
            QCOMPARE(itemsOf(list("MM")), numbers(0, 59));
            QCOMPARE(itemsOf(list("SS")), numbers(0, 59));
            for (const char* name : {"Date", "Month", "Year", "HH", "MM", "SS"}) {
                QCOMPARE(list(name)->currentIndex(), 0);
                QVERIFY(!list(name)->isEditable());
            }
            for (const char* name : {"Name", "LD", "LM", "LoD", "LoM", "City", "State", "Country"}) {
                auto* field = m_entry->findChild<QLineEdit*>(QStringLiteral("txt%1%2").arg(suffix, QLatin1String(name)));
                QVERIFY2(field, name);
                QVERIFY(field->text().isEmpty());
            }
            for (const char* name : {"LD", "LM", "LoD", "LoM"})
                QCOMPARE(m_entry->findChild<QLineEdit*>(QStringLiteral("txt%1%2").arg(suffix, QLatin1String(name)))
                             ->maxLength(),
                         3);
            for (const char* name : {"North", "South", "East", "West"}) {
                auto* option = m_entry->findChild<QRadioButton*>(QStringLiteral("opt%1%2").arg(suffix, QLatin1String(name)));
                QVERIFY2(option, name);
                QCOMPARE(option->text(), QString::fromLatin1(name));
                QVERIFY(!option->isChecked());
            }
        }
    }

    void directionPairsAreIndependentChoices()
    {
        QTest::mouseClick(m_entry->optMNorth, Qt::LeftButton);
        QTest::mouseClick(m_entry->optMEast, Qt::LeftButton);
        QTest::mouseClick(m_entry->optFSouth, Qt::LeftButton);
        QVERIFY(m_entry->optMNorth->isChecked());
        QVERIFY(m_entry->optMEast->isChecked());
        QVERIFY(m_entry->optFSouth->isChecked());
        QTest::mouseClick(m_entry->optMSouth, Qt::LeftButton);
        QVERIFY(!m_entry->optMNorth->isChecked());
        QVERIFY(m_entry->optMEast->isChecked());
    }

    void tabOrderRunsThroughFirstPartnerThenSecond()
    {
        // Each direction pair follows its minutes, each find button its country.
        const QList<QWidget*> order{
            m_entry->txtMName,  m_entry->cboMDate,      m_entry->cboMMonth,   m_entry->cboMYear,
            m_entry->cboMHH,    m_entry->cboMMM,        m_entry->cboMSS,      m_entry->txtMLD,
            m_entry->txtMLM,    m_entry->optMNorth,     m_entry->optMSouth,   m_entry->txtMLoD,
            m_entry->txtMLoM,   m_entry->optMEast,      m_entry->optMWest,    m_entry->txtMCity,
            m_entry->txtMState, m_entry->txtMCountry,   m_entry->cmdMaleBrowse, m_entry->txtFName,
            m_entry->cboFDate,  m_entry->cboFMonth,     m_entry->cboFYear,    m_entry->cboFHH,
            m_entry->cboFMM,    m_entry->cboFSS,        m_entry->txtFLD,      m_entry->txtFLM,
            m_entry->optFNorth, m_entry->optFSouth,     m_entry->txtFLoD,     m_entry->txtFLoM,
            m_entry->optFEast,  m_entry->optFWest,      m_entry->txtFCity,    m_entry->txtFState,
            m_entry->txtFCountry, m_entry->cmdFemaleBrowse, m_entry->cmdCalculate, m_entry->cmdDonate,
        };
        for (qsizetype i = 1; i < order.size(); ++i)
            QCOMPARE(nextTabStop(order[i - 1]), order[i]);
    }

    void menusOfTheEntryScreen()
    {
        QMenu* file = m_main->menuBar()->actions().first()->menu();
        QVERIFY(file);
        QCOMPARE(m_main->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        const QList<QAction*> items = file->actions();
        QCOMPARE(items.size(), 3);
        QCOMPARE(items[0]->objectName(), QStringLiteral("mnuCalculate"));
        QCOMPARE(items[0]->text(), QStringLiteral("&Moon Sign Compatibility"));
        QVERIFY(items[1]->isSeparator());
        QCOMPARE(items[2]->objectName(), QStringLiteral("mnuExit"));
        QCOMPARE(items[2]->text(), QStringLiteral("&Exit"));
        QStringList bar;
        for (QAction* action : m_main->menuBar()->actions())
            bar.append(action->text());
        QCOMPARE(bar, (QStringList{"&File", "&Help", "Donate", "Make Money &Online"}));
        QAction* makeMoney = m_entry->findChild<QAction*>(QStringLiteral("mkmoney"));
        QVERIFY(makeMoney);
        QVERIFY(!makeMoney->isEnabled());

        // The menu item runs the same checks as the button.
        items[0]->trigger();
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Your Name"});

        items[2]->trigger();
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMainMoonSignCompatibility));
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void donateAndPageLabels()
    {
        UrlCapture urls;
        QTest::mouseClick(m_entry->cmdDonate, Qt::LeftButton);
        QTest::mouseClick(m_entry->lblCobrand, Qt::LeftButton);
        QTest::mouseClick(m_entry->Label61, Qt::LeftButton);
        QTest::mouseClick(m_entry->lblFullBrand, Qt::LeftButton);
        m_entry->findChild<QAction*>(QStringLiteral("mnuDonate"))->trigger();
        QCOMPARE(urls.urls(), (QList<QUrl>{PageUrl(PageKey::Donate), PageUrl(PageKey::CoBrand),
                                           PageUrl(PageKey::HomePage), PageUrl(PageKey::Donate)}));
        QCOMPARE(m_entry->findChild<QAction*>(QStringLiteral("mnuDonate"))->text(), QStringLiteral("Donate"));
    }

    void letterAndPlaceFiltersEnterCapitals()
    {
        typeInto(m_entry->txtMCity, QStringLiteral("paris"));
        QCOMPARE(m_entry->txtMCity->text(), QStringLiteral("PARIS"));
        typeInto(m_entry->txtMName, QStringLiteral("Ann Lee"));
        QCOMPARE(m_entry->txtMName->text(), QStringLiteral("ANN LEE"));
        typeInto(m_entry->txtFState, QStringLiteral("st. kilda"));
        QCOMPARE(m_entry->txtFState->text(), QStringLiteral("ST. KILDA"));
        typeInto(m_entry->txtMCountry, QStringLiteral("U.k"));
        QCOMPARE(m_entry->txtMCountry->text(), QStringLiteral("U.K"));
        QVERIFY(m_messages.messages().isEmpty());

        // Backspace and Enter are accepted without a message.
        QTest::keyClick(m_entry->txtMCity, Qt::Key_Backspace);
        QTest::keyClick(m_entry->txtMCity, Qt::Key_Return);
        QCOMPARE(m_entry->txtMCity->text(), QStringLiteral("PARI"));
        QVERIFY(m_messages.messages().isEmpty());
    }

    void letterFilterRefusesDigitsAndDots_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accepted");
        for (const char* field : {"txtMName", "txtFName", "txtMCity", "txtFCity"}) {
            QTest::addRow("%s 3", field) << field << "3" << false;
            QTest::addRow("%s dot", field) << field << "." << false;
            QTest::addRow("%s dash", field) << field << "-" << false;
        }
        for (const char* field : {"txtMState", "txtFState", "txtMCountry", "txtFCountry"}) {
            QTest::addRow("%s 3", field) << field << "3" << false;
            QTest::addRow("%s dot", field) << field << "." << true;
            QTest::addRow("%s comma", field) << field << "," << false;
        }
    }

    void letterFilterRefusesDigitsAndDots()
    {
        QFETCH(QString, field);
        QFETCH(QString, typed);
        QFETCH(bool, accepted);
        auto* box = m_entry->findChild<QLineEdit*>(field);
        typeInto(box, QStringLiteral("ab"));
        typeInto(box, typed);
        if (accepted) {
            QCOMPARE(box->text(), QStringLiteral("AB") + typed);
            QVERIFY(m_messages.messages().isEmpty());
        } else {
            QCOMPARE(box->text(), QStringLiteral("AB"));
            QCOMPARE(m_messages.texts(), QStringList{"Please Enter Only Letters"});
            QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Information);
            QCOMPARE(m_messages.messages()[0].title, QStringLiteral("Zel Compatibility"));
            QCOMPARE(m_messages.messages()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
    }

    void digitFilterTakesAtMostThreeDigits_data()
    {
        QTest::addColumn<QString>("field");
        for (const char* suffix : {"M", "F"})
            for (const char* name : {"LD", "LM", "LoD", "LoM"})
                QTest::addRow("txt%s%s", suffix, name) << QStringLiteral("txt%1%2").arg(QLatin1String(suffix), QLatin1String(name));
    }

    void digitFilterTakesAtMostThreeDigits()
    {
        QFETCH(QString, field);
        auto* box = m_entry->findChild<QLineEdit*>(field);
        typeInto(box, QStringLiteral("4851"));
        QCOMPARE(box->text(), QStringLiteral("485"));
        QVERIFY(m_messages.messages().isEmpty());
        QTest::keyClick(box, Qt::Key_Backspace);
        QCOMPARE(box->text(), QStringLiteral("48"));

        for (const QString refused : {"-", ".", "a", " "}) {
            m_messages.clear();
            QTest::keyClicks(box, refused);
            QCOMPARE(box->text(), QStringLiteral("48"));
            QCOMPARE(m_messages.texts(), QStringList{"Please Enter Only Numbers"});
            QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Error);
        }
        m_messages.clear();
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Only Numbers"});
        QCOMPARE(box->text(), QStringLiteral("48"));

        // Delete (character 127) is accepted.
        m_messages.clear();
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("8"));
        QVERIFY(m_messages.messages().isEmpty());
    }

    void pastedTextMeetsTheSameRulesSilently()
    {
        QApplication::clipboard()->setText(QStringLiteral("lyon"));
        m_entry->txtMCity->setFocus();
        m_entry->txtMCity->paste();
        QCOMPARE(m_entry->txtMCity->text(), QStringLiteral("LYON"));
        QApplication::clipboard()->setText(QStringLiteral("12 rue"));
        m_entry->txtFCity->paste();
        QCOMPARE(m_entry->txtFCity->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("4a"));
        m_entry->txtMLD->paste();
        QCOMPARE(m_entry->txtMLD->text(), QString());
        QApplication::clipboard()->setText(QStringLiteral("1234"));
        m_entry->txtMLD->paste();
        QCOMPARE(m_entry->txtMLD->text(), QStringLiteral("123"));
        QVERIFY(m_messages.messages().isEmpty());
    }

    void checksRunInOrderAndStopAtTheFirstFailure()
    {
        struct Step {
            QString message;
            QLineEdit* field;    // filled after the message, or
            QRadioButton* option; // selected by the message itself
        };
        frmMainMoonSignCompatibility* e = m_entry;
        const QList<Step> steps{
            {"Please Enter Your Name", e->txtMName, nullptr},
            {"Please Enter Degree in Latitude", e->txtMLD, nullptr},
            {"Please Enter Minutes in Latitude", e->txtMLM, nullptr},
            {"Please Enter Degree in Longitude", e->txtMLoD, nullptr},
            {"Please Enter Minute in Longitude", e->txtMLoM, nullptr},
            {"Please Enter City", e->txtMCity, nullptr},
            {"Please Enter State", e->txtMState, nullptr},
            {"Please Enter Country", e->txtMCountry, nullptr},
            {"Please Select Direction For The Latitude", nullptr, e->optMNorth},
            {"Please Select Direction For The Longitude", nullptr, e->optMEast},
            {"Please Enter Your Partner's Name", e->txtFName, nullptr},
            {"Please Enter Degree in Latitude", e->txtFLD, nullptr},
            {"Please Enter Minutes in Latitude", e->txtFLM, nullptr},
            {"Please Enter Degree in Longitude", e->txtFLoD, nullptr},
            {"Please Enter Minutes in Longitude", e->txtFLoM, nullptr},
            {"Please Enter City", e->txtFCity, nullptr},
            {"Please Enter State", e->txtFState, nullptr},
            {"Please Enter Country", e->txtFCountry, nullptr},
            {"Please Select Direction For The Latitude", nullptr, e->optFNorth},
            {"Please Select Direction For The Longitude", nullptr, e->optFEast},
        };
        for (const Step& step : steps) {
            m_messages.clear();
            QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
            QCOMPARE(m_messages.texts(), QStringList{step.message});
            QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Error);
            QVERIFY(ProgramWindows::Find(ProgramWindowId::frmMainMoonSignCompatibility));
            QVERIFY(!ProgramWindows::Find(ProgramWindowId::frmMoonSign));
            if (step.field) {
                QTRY_COMPARE(QApplication::focusWidget(), step.field);
                typeInto(step.field, step.field->maxLength() == 3 ? QStringLiteral("12") : QStringLiteral("x"));
            } else {
                QVERIFY(step.option->isChecked());
            }
        }

        // The dates: February days a year does not have, then the 31st of a short month.
        e->cboMMonth->setCurrentIndex(1);
        e->cboMDate->setCurrentIndex(28); // 29 February 1906
        m_messages.clear();
        QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Your Correct Date Or Month!"});
        QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Information);

        e->cboMMonth->setCurrentIndex(3);
        e->cboMDate->setCurrentIndex(30); // 31 April
        m_messages.clear();
        QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Your Correct Date Or Month !"});
        QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Information);

        e->cboMDate->setCurrentIndex(29); // 30 April is fine
        e->cboFMonth->setCurrentIndex(1);
        e->cboFDate->setCurrentIndex(29); // 30 February 2000
        e->cboFYear->setCurrentText(QStringLiteral("2000"));
        m_messages.clear();
        QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Your Partner's Correct Date Or Month!"});
        QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Information);

        e->cboFMonth->setCurrentIndex(10);
        e->cboFDate->setCurrentIndex(30); // 31 November
        m_messages.clear();
        QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Your Partner's Correct Date Or Month !"});
        QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Information);
        QVERIFY(!ProgramWindows::Find(ProgramWindowId::frmMoonSign));
        // Nothing typed was lost on the way.
        QCOMPARE(e->txtMName->text(), QStringLiteral("X"));
        QCOMPARE(e->txtFLoM->text(), QStringLiteral("12"));

        e->cboFDate->setCurrentIndex(29); // 30 November
        m_messages.clear();
        QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
        QVERIFY(m_messages.messages().isEmpty());
        QVERIFY(ProgramWindows::Find(ProgramWindowId::frmMoonSign));
    }

    void leapDayPassesOnlyInYearsDivisibleByFour()
    {
        fillEverything();
        m_entry->cboMMonth->setCurrentIndex(1);
        m_entry->cboMDate->setCurrentIndex(28);
        m_entry->cboMYear->setCurrentText(QStringLiteral("1999"));
        QTest::mouseClick(m_entry->cmdCalculate, Qt::LeftButton);
        QCOMPARE(m_messages.texts(), QStringList{"Please Enter Your Correct Date Or Month!"});
        m_entry->cboMYear->setCurrentText(QStringLiteral("2000"));
        m_messages.clear();
        QTest::mouseClick(m_entry->cmdCalculate, Qt::LeftButton);
        QVERIFY(m_messages.messages().isEmpty());
        QVERIFY(ProgramWindows::Find(ProgramWindowId::frmMoonSign));
    }

    void freshScreenComputesAtOnceFor1January1906()
    {
        fillEverything();
        QTest::mouseClick(m_entry->cmdCalculate, Qt::LeftButton);
        QVERIFY(m_messages.messages().isEmpty());
        auto* result = ProgramWindows::Find<frmMoonSign>(ProgramWindowId::frmMoonSign);
        QVERIFY(result);
        QCOMPARE(result->txtDOBM->text(), QStringLiteral("January 1, 1906"));
        QCOMPARE(result->txtTOBM->text(), QStringLiteral("0:0:0"));
        // 1906 January: new moon on the 23rd, letter A.
        QCOMPARE(result->txtMoonM->text(), QStringLiteral("Libra"));
        QCOMPARE(result->txtMoonF->text(), QStringLiteral("Libra"));
    }

    void calculationFillsTheResultScreenAndClosesTheEntry()
    {
        UrlCapture urls;
        fillEverything();
        m_entry->txtMName->clear();
        typeInto(m_entry->txtMName, QStringLiteral("  john "));
        m_entry->cboMDate->setCurrentIndex(0);
        m_entry->cboMMonth->setCurrentIndex(0);
        m_entry->cboMYear->setCurrentText(QStringLiteral("1950"));
        m_entry->cboMHH->setCurrentText(QStringLiteral("14"));
        m_entry->cboMMM->setCurrentText(QStringLiteral("5"));
        m_entry->cboMSS->setCurrentText(QStringLiteral("30"));
        m_entry->txtFName->clear();
        typeInto(m_entry->txtFName, QStringLiteral("   "));
        m_entry->cboFDate->setCurrentIndex(20);
        m_entry->cboFMonth->setCurrentIndex(2);
        m_entry->cboFYear->setCurrentText(QStringLiteral("1990"));
        m_entry->cboFHH->setCurrentText(QStringLiteral("24"));
        m_entry->txtFCity->clear();
        typeInto(m_entry->txtFCity, QStringLiteral(" nice "));

        QTest::mouseClick(m_entry->cmdCalculate, Qt::LeftButton);
        QVERIFY(m_messages.messages().isEmpty());
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMainMoonSignCompatibility));
        auto* result = ProgramWindows::Find<frmMoonSign>(ProgramWindowId::frmMoonSign);
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QTRY_COMPARE(QApplication::focusWidget(), result->cmdMoonCompatibilityAnalysis);

        QCOMPARE(result->txtUserM->text(), QStringLiteral("JOHN"));
        QCOMPARE(result->txtDOBM->text(), QStringLiteral("January 1, 1950"));
        QCOMPARE(result->txtTOBM->text(), QStringLiteral("14:5:30"));
        QCOMPARE(result->txtCityM->text(), QStringLiteral("PARIS"));
        QCOMPARE(result->txtStateM->text(), QStringLiteral("ILE DE FRANCE"));
        QCOMPARE(result->txtCountryM->text(), QStringLiteral("FRANCE"));
        QCOMPARE(result->txtMoonM->text(), QStringLiteral("Leo"));
        QCOMPARE(result->txtUserF->text(), QString()); // a name of blanks passes as empty
        QCOMPARE(result->txtDOBF->text(), QStringLiteral("March 21, 1990"));
        QCOMPARE(result->txtTOBF->text(), QStringLiteral("24:0:0"));
        QCOMPARE(result->txtCityF->text(), QStringLiteral(" NICE ")); // places as typed
        QCOMPARE(result->txtMoonF->text(), QStringLiteral("Aquarius"));
        QCOMPARE(result->result().MoonSignM, std::string("Leo"));
        QCOMPARE(result->result().MoonSignF, std::string("Aquarius"));

        QCOMPARE(result->Label2->text(), QStringLiteral("Compatibility of  Leo With Aquarius"));
        QCOMPARE(result->lblPercentage->text(), QStringLiteral("70"));
        QCOMPARE(result->lblComment->text(), QStringLiteral("A Great Match"));
        QCOMPARE(result->lblDescription->text(),
                 QString::fromUtf8(modMoonSignWestern::MoonPairText("Leo-Aquarius").data()));
        QCOMPARE(result->picMaleMoonSign->pictureKey(), QStringLiteral("Leo"));
        QCOMPARE(result->picFemaleMoonSign->pictureKey(), QStringLiteral("Aquarius"));
        QVERIFY(urls.urls().isEmpty());
    }

    void newMoonOnTheThirtiethStillGivesASign()
    {
        // A first calculation, then one for March 1976 (new moon on the 30th): the second
        // gives its own sign, nothing left over from the first.
        fillEverything();
        m_entry->cboMYear->setCurrentText(QStringLiteral("1950"));
        QTest::mouseClick(m_entry->cmdCalculate, Qt::LeftButton);
        auto* result = ProgramWindows::Find<frmMoonSign>(ProgramWindowId::frmMoonSign);
        QVERIFY(result);
        QCOMPARE(result->txtMoonM->text(), QStringLiteral("Leo"));
        QTest::mouseClick(result->cmdBack, Qt::LeftButton);
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMoonSign));
        m_entry = ProgramWindows::Find<frmMainMoonSignCompatibility>(ProgramWindowId::frmMainMoonSignCompatibility);
        QVERIFY(m_entry);

        fillEverything();
        m_entry->cboMMonth->setCurrentIndex(2);
        m_entry->cboMYear->setCurrentText(QStringLiteral("1976"));
        m_entry->cboFMonth->setCurrentIndex(9);
        m_entry->cboFYear->setCurrentText(QStringLiteral("1997"));
        QTest::mouseClick(m_entry->cmdCalculate, Qt::LeftButton);
        result = ProgramWindows::Find<frmMoonSign>(ProgramWindowId::frmMoonSign);
        QVERIFY(result);
        QCOMPARE(result->txtMoonM->text(), QStringLiteral("Pisces"));
        QCOMPARE(result->txtMoonF->text(), QStringLiteral("Libra"));
        QCOMPARE(result->lblPercentage->text(), QStringLiteral("60"));
    }

    void browseChecksThePlaceFirst_data()
    {
        QTest::addColumn<bool>("partner");
        QTest::newRow("first partner") << false;
        QTest::newRow("second partner") << true;
    }

    void browseChecksThePlaceFirst()
    {
        QFETCH(bool, partner);
        UrlCapture urls;
        QPushButton* browse = partner ? m_entry->cmdFemaleBrowse : m_entry->cmdMaleBrowse;
        QLineEdit* city = partner ? m_entry->txtFCity : m_entry->txtMCity;
        QLineEdit* state = partner ? m_entry->txtFState : m_entry->txtMState;
        QLineEdit* country = partner ? m_entry->txtFCountry : m_entry->txtMCountry;
        const QList<QPair<QString, QLineEdit*>> steps{
            {"Please Enter City", city}, {"Please Enter State", state}, {"Please Enter Country", country}};
        for (const auto& [message, field] : steps) {
            m_messages.clear();
            QTest::mouseClick(browse, Qt::LeftButton);
            QCOMPARE(m_messages.texts(), QStringList{message});
            QCOMPARE(m_messages.messages()[0].icon, MessageIcon::Error);
            QTRY_COMPARE(QApplication::focusWidget(), field);
            typeInto(field, QStringLiteral("a"));
        }
        QVERIFY(urls.urls().isEmpty());
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(window->objectName() != QLatin1String("frmBrowser"));
    }

private:
    // Fills every field of both partners so that the checks pass.
    void fillEverything()
    {
        frmMainMoonSignCompatibility* e = m_entry;
        const QList<QPair<QLineEdit*, QString>> fields{
            {e->txtMName, "john"},   {e->txtMLD, "48"},        {e->txtMLM, "51"},  {e->txtMLoD, "2"},
            {e->txtMLoM, "21"},      {e->txtMCity, "paris"},   {e->txtMState, "ile de france"},
            {e->txtMCountry, "france"}, {e->txtFName, "mary"}, {e->txtFLD, "43"},  {e->txtFLM, "42"},
            {e->txtFLoD, "7"},       {e->txtFLoM, "16"},       {e->txtFCity, "nice"},
            {e->txtFState, "provence"}, {e->txtFCountry, "france"},
        };
        for (const auto& [field, text] : fields) {
            field->clear();
            typeInto(field, text);
        }
        for (QRadioButton* option : {e->optMNorth, e->optMEast, e->optFNorth, e->optFEast})
            option->setChecked(true);
        m_messages.clear();
    }

    std::unique_ptr<frmMDI> m_main;
    frmMainMoonSignCompatibility* m_entry = nullptr;
    MessageLog m_messages;
};

QTEST_MAIN(MoonEntryTests)
#include "tst_moon_entry.moc"
