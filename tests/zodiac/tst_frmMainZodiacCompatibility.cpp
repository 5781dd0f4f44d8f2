// The zodiac entry screen as a user meets it: defaults, the two name checks, what is
// stored, and where each command leads.
#include "zodiac/ZodiacWindows.h"
#include "tests/support/ScreenTest.h"
#include "tests/zodiac/ZodiacDriver.h"
#include "shell/ElidedLabel.h"
#include "shell/ClickableLabel.h"
#include "zodiac/ZodiacCouple.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

class EntryScreenTest : public QObject, private ScreenTest {
    Q_OBJECT

private:

    frmMainZodiacCompatibility* open()
    {
        frmMainZodiacCompatibility* entry = ClickZodiacButton(*m_main);
        if (entry) {
            m_main->activateWindow();
            [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(m_main.get());
        }
        return entry;
    }

    void pressCheck(frmMainZodiacCompatibility* entry)
    {
        QTest::mouseClick(entry->cmdSunSign, Qt::LeftButton);
        Settle();
    }

private slots:
    void initTestCase() { ConfigureTestApplication(); }

    void init()
    {
        setUpScreens(RegisterZodiacWindows);
    }

    void cleanup()
    {
        tearDownScreens();
    }

    void opensWithItsCaptionsListsAndDefaults()
    {
        QVERIFY(m_main->isWelcomePanelVisible());
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(entry->windowTitle(), QStringLiteral("Zel Zodiac Compatibility"));
        QCOMPARE(entry->fraDetails->title(), QStringLiteral("Your Details"));
        QCOMPARE(entry->Frame1->title(), QStringLiteral("Your Partner's Details"));
        QCOMPARE(entry->Frame2->title(), QStringLiteral("Note"));
        QCOMPARE(entry->cmdSunSign->text(), QStringLiteral("Check Our &Zodiac Compatibility Now !"));
        bool noteShown = false;
        for (QLabel* label : entry->findChildren<QLabel*>())
            noteShown |= label->text() == QStringLiteral("Please set your Regional and Language Settings to US "
                                                         "English for proper working of this software.");
        QVERIFY(noteShown);

        QStringList months{"January", "February", "March",     "April",   "May",      "June",
                           "July",    "August",   "September", "October", "November", "December"};
        QStringList days, years;
        for (int n = 1; n <= 31; ++n)
            days << QString::number(n);
        for (int n = 1900; n <= 2050; ++n)
            years << QString::number(n);
        const auto items = [](QComboBox* list) {
            QStringList result;
            for (int i = 0; i < list->count(); ++i)
                result << list->itemText(i);
            return result;
        };
        for (QComboBox* list : {entry->cboMonthM, entry->cboMonthF}) {
            QCOMPARE(items(list), months);
            QCOMPARE(list->currentText(), QStringLiteral("January"));
            QVERIFY(!list->isEditable());
        }
        for (QComboBox* list : {entry->cboDateM, entry->cboDateF}) {
            QCOMPARE(items(list), days);
            QCOMPARE(list->currentText(), QStringLiteral("1"));
            QVERIFY(!list->isEditable());
        }
        for (QComboBox* list : {entry->cboYearM, entry->cboYearF}) {
            QCOMPARE(list->count(), 151);
            QCOMPARE(items(list), years);
            QCOMPARE(list->currentText(), QStringLiteral("1900"));
            QVERIFY(!list->isEditable());
        }
        QVERIFY(entry->txtNameM->text().isEmpty());
        QVERIFY(entry->txtNameF->text().isEmpty());
        for (QRadioButton* option : {entry->optSexM[0], entry->optSexM[1], entry->optSexF[0], entry->optSexF[1]})
            QVERIFY(!option->isChecked());
        QCOMPARE(entry->optSexM[0]->text(), QStringLiteral("Male"));
        QCOMPARE(entry->optSexF[1]->text(), QStringLiteral("Female"));
    }

    void bothNamesEmptyAsksForYourNameOnly()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        entry->txtNameF->setFocus();
        pressCheck(entry);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Please Enter Your Name")});
        const ShownMessage& shown = m_messages->messages().first();
        QCOMPARE(shown.icon, MessageIcon::Error);
        QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown.title, QStringLiteral("Zel Compatibility"));
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(entry->txtNameM));
        QCOMPARE(ZodiacEntry(), entry);
        QVERIFY(!ZodiacResultScreen());
    }

    void missingPartnersNameIsAskedFor()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QTest::keyClicks(entry->txtNameM, QStringLiteral("Ann"));
        QVERIFY(Pick(entry->cboMonthM, QStringLiteral("May")));
        pressCheck(entry);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Please Enter Your Partner's Name")});
        QCOMPARE(m_messages->messages().first().icon, MessageIcon::Error);
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(entry->txtNameF));
        // The failed entry stays as the user left it.
        QCOMPARE(ZodiacEntry(), entry);
        QCOMPARE(entry->txtNameM->text(), QStringLiteral("Ann"));
        QCOMPARE(entry->cboMonthM->currentText(), QStringLiteral("May"));
        QVERIFY(!ZodiacResultScreen());
    }

    void namesAreTrimmedAndBlankNamesPass()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QVERIFY(FillEntry(entry, BornOn(QStringLiteral("  Ann  "), QStringLiteral("March"), QStringLiteral("7")),
                          BornOn(QStringLiteral("   "), QStringLiteral("October"), QStringLiteral("30"),
                                 QStringLiteral("2050"))));
        pressCheck(entry);
        QVERIFY(m_messages->texts().isEmpty());
        QVERIFY(ZodiacResultScreen());
        const ZodiacResult& result = ZodiacResultScreen()->result();
        QCOMPARE(result.Couple.NameM, std::string("Ann"));
        QCOMPARE(result.Couple.MonthM, std::string("March"));
        QCOMPARE(result.Couple.DayM, std::string("7"));
        QCOMPARE(result.Couple.YearM, std::string("1980"));
        QCOMPARE(result.SignM, std::string("Pisces"));
        QCOMPARE(result.Couple.NameF, std::string(""));
        QCOMPARE(result.Couple.MonthF, std::string("October"));
        QCOMPARE(result.Couple.DayF, std::string("30"));
        QCOMPARE(result.Couple.YearF, std::string("2050"));
        QCOMPARE(result.SignF, std::string("Scorpio"));
        QCOMPARE(ZodiacResultScreen()->lblNameF->text(), QString());
    }

    void anyNameIsStoredAndShownAsTyped_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("accented") << QStringLiteral(u"Zo\u00eb Ren\u00e9e M\u00fcller");
        QTest::newRow("non-Latin") << QStringLiteral(u"\u0410\u043d\u043d\u0430 \u674e\u534e");
        QTest::newRow("right-to-left") << QStringLiteral(u"\u05e9\u05e8\u05d4 \u0644\u064a\u0644\u0649");
        QTest::newRow("emoji") << QStringLiteral(u"Ann \U0001F496\U0001F31F");
        QTest::newRow("markup and escapes") << QStringLiteral("<b>Ann</b> {\\par} & \"Bob\"");
        QTest::newRow("very long") << QString(20000, QLatin1Char('x'));
    }

    void anyNameIsStoredAndShownAsTyped()
    {
        QFETCH(QString, name);
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QVERIFY(FillEntry(entry, BornOn(QStringLiteral("x"), QStringLiteral("May"), QStringLiteral("21")),
                          BornOn(QStringLiteral("y"), QStringLiteral("June"), QStringLiteral("20"))));
        // Pasted rather than typed: key simulation knows only ASCII.
        entry->txtNameM->setText(name);
        entry->txtNameF->setText(name);
        pressCheck(entry);
        QVERIFY(m_messages->texts().isEmpty());
        QVERIFY(ZodiacResultScreen());
        QCOMPARE(QString::fromStdString(ZodiacResultScreen()->result().Couple.NameM), name);
        QCOMPARE(QString::fromStdString(ZodiacResultScreen()->result().Couple.NameF), name);
        QCOMPARE(ZodiacResultScreen()->lblNameM->text(), name);
        QCOMPARE(ZodiacResultScreen()->lblNameF->text(), name);
    }

    void untouchedDatesAreBothCapricorn()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QTest::keyClicks(entry->txtNameM, QStringLiteral("Ann"));
        QTest::keyClicks(entry->txtNameF, QStringLiteral("Bob"));
        pressCheck(entry);
        QVERIFY(ZodiacResultScreen());
        const ZodiacResult& result = ZodiacResultScreen()->result();
        for (const std::string* value : {&result.Couple.MonthM, &result.Couple.MonthF})
            QCOMPARE(*value, std::string("January"));
        for (const std::string* value : {&result.Couple.DayM, &result.Couple.DayF})
            QCOMPARE(*value, std::string("1"));
        for (const std::string* value : {&result.Couple.YearM, &result.Couple.YearF})
            QCOMPARE(*value, std::string("1900"));
        QCOMPARE(result.SignM, std::string("Capricorn"));
        QCOMPARE(result.SignF, std::string("Capricorn"));
    }

    void acceptedEntryOpensTheResultInItsPlace()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QPointer<frmMainZodiacCompatibility> watched(entry);
        QVERIFY(FillEntry(entry, BornOn(QStringLiteral("Ann"), QStringLiteral("February"), QStringLiteral("31")),
                          BornOn(QStringLiteral("Bob"), QStringLiteral("April"), QStringLiteral("20"))));
        pressCheck(entry);
        QVERIFY(!watched);
        QVERIFY(!ZodiacEntry());
        frmSunSignZodiacCompatibility* result = ZodiacResultScreen();
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        // February 31 is taken as it comes.
        QCOMPARE(result->result().SignM, std::string("Pisces"));
        QCOMPARE(result->result().SignF, std::string("Aries"));
        QCOMPARE(result->lblDOBM->text(), QStringLiteral("February 31, 1980"));
    }

    void menuItemDoesWhatTheButtonDoes()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        auto* check = entry->findChild<QAction*>(QStringLiteral("mnuCheckOurZodiacCompatibilityNow"));
        QVERIFY(check);
        QCOMPARE(check->text(), QStringLiteral("Check Our &Zodiac Compatibility Now !"));
        check->trigger();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Please Enter Your Name")});
        m_messages->clear();

        QTest::keyClicks(entry->txtNameM, QStringLiteral("Ann"));
        check->trigger();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Please Enter Your Partner's Name")});
        m_messages->clear();

        QTest::keyClicks(entry->txtNameF, QStringLiteral("Bob"));
        QVERIFY(Pick(entry->cboMonthF, QStringLiteral("July")));
        QVERIFY(Pick(entry->cboDateF, QStringLiteral("21")));
        check->trigger();
        Settle();
        QVERIFY(m_messages->texts().isEmpty());
        QVERIFY(!ZodiacEntry());
        QVERIFY(ZodiacResultScreen());
        QCOMPARE(ZodiacResultScreen()->result().SignF, std::string("Leo"));
        QVERIFY(!m_main->isWelcomePanelVisible());
    }

    void exitClosesOnlyThisScreen()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        auto* exit = entry->findChild<QAction*>(QStringLiteral("mnuExit"));
        QVERIFY(exit);
        QCOMPARE(exit->text(), QStringLiteral("E&xit"));
        exit->trigger();
        Settle();
        QVERIFY(!ZodiacEntry());
        QVERIFY(m_main->isVisible());
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void closeBoxShowsTheWelcomePanel()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        QVERIFY(!m_main->isWelcomePanelVisible());
        entry->close();
        Settle();
        QVERIFY(!ZodiacEntry());
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void promotionLabelsOpenTheHomePage()
    {
        frmMainZodiacCompatibility* entry = open();
        QVERIFY(entry);
        for (ClickableLabel* label : {entry->Label14, entry->Label3}) {
            m_urls->clear();
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(m_urls->urls(), QList<QUrl>{PageUrl(QStringLiteral("home-page"))});
        }
    }
};

QTEST_MAIN(EntryScreenTest)
#include "tst_frmMainZodiacCompatibility.moc"
