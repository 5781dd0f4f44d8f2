// The Chinese zodiac screens driven as a user drives them: the main window's button, the
// entry screen, the three result tabs, the report window, saving and printing.
#include "chinese/ChineseCouple.h"
#include "chinese/ChineseWindows.h"
#include "chinese/frmSaveChineseZodiac.h"
#include "chinese/frmchiness.h"
#include "chinese/frmmainChineseZodiac.h"
#include "chinese/modchinesezodiac.h"
#include "shell/UserTitledFrame.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/ReportTestSupport.h"
#include "shell/SignPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include "report/ReportView.h"

namespace {

using Id = ProgramWindowId;

struct Run {
    QString text;
    bool bold;
    QColor colour;
};

// The runs of a document, neighbours with the same bold and colour merged, "\n" between
// paragraphs (a paragraph break belongs to the run before it).
QList<Run> runsOf(const QTextDocument& document)
{
    QList<Run> runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin() && !runs.isEmpty())
            runs.last().text += u'\n';
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const bool bold = format.fontWeight() >= QFont::DemiBold;
            const QColor colour = format.foreground().color();
            const QString text = it.fragment().text();
            if (!runs.isEmpty() && runs.last().bold == bold && runs.last().colour == colour)
                runs.last().text += text;
            else
                runs.append({text, bold, colour});
        }
    }
    return runs;
}

void choose(QComboBox* list, const QString& item)
{
    const int index = list->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    list->setCurrentIndex(index);
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

// The fifteen headings and values of one partner, as the report should read.
QList<QPair<QString, QString>> expectedEntries(const QString& name, const QString& birthDate, const QString& animal,
                                               const QString& element)
{
    using namespace modchinesezodiac;
    const AnimalProfile p = GetAnimalProfile(animal.toStdString());
    return {
        {QStringLiteral("Name: "), name},
        {QStringLiteral("Date of Birth: "), birthDate},
        {QStringLiteral("Sign: "), animal},
        {QStringLiteral("Element: ") + element + QStringLiteral(": "), q(GetElementDescription(element.toStdString()))},
        {QStringLiteral("Ruling Planet: "), q(p[RulingPlanet])},
        {QStringLiteral("Positive Traits: "), q(p[PositiveTraits])},
        {QStringLiteral("Negative Traits: "), q(p[NegativeTraits])},
        {QStringLiteral("Lucky Color: "), q(p[LuckyColour])},
        {QStringLiteral("GemStone: "), q(p[GemStone])},
        {QStringLiteral("Energy: "), q(p[Energy])},
        {QStringLiteral("Lucky Seasons: "), q(p[LuckySeasons])},
        {QStringLiteral("Favourable Month: "), q(p[LuckyMonth])},
        {QStringLiteral("Most Compatible Sign: "), q(p[MostCompatibleSign])},
        {QStringLiteral("Least Compatible Sign: "), q(p[LeastCompatibleSign])},
        {QStringLiteral("Famous Persons of this Star Sign are: "), q(p[FamousPersons])},
    };
}

} // namespace

class ChineseScreenTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
    }

    void init()
    {
        m_main = MakeMainWindow(RegisterChineseWindows);
        m_messages = std::make_unique<MessageLog>();
    }

    void cleanup()
    {
        m_messages.reset();
        m_main.reset();
    }

    void buttonOpensAFreshEntryScreen()
    {
        QCOMPARE(m_main->cmdSelectOption[0]->text(), QStringLiteral("&Chinese Zodiac"));
        QTest::mouseClick(m_main->cmdSelectOption[0], Qt::LeftButton);
        auto* entry = entryScreen();
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(entry->windowTitle(), QStringLiteral("Zel Chinese Zodiac Compatibility"));
        QCOMPARE(entry->Frame1->title(), QStringLiteral("Your Details"));
        QCOMPARE(entry->Frame2->title(), QStringLiteral("Your Partner's Details"));
        QCOMPARE(entry->cmdProceed->text(), QStringLiteral("Get Our &Chinese Zodiac Compatibility"));
        QCOMPARE(entry->Label5[0]->text(), QStringLiteral("Please set your Regional and Language Settings to US "
                                                          "English for proper working of this software."));
        QCOMPARE(entry->Label5[1]->text(), QStringLiteral("This program has been designed keeping in mind date "
                                                          "settings according to MM/DD/YYYY format"));
        QVERIFY(entry->txtMaleName->text().isEmpty());
        QVERIFY(entry->txtFemaleName->text().isEmpty());
        for (QComboBox* days : {entry->CboMaleDate, entry->cboFemaleDate}) {
            QCOMPARE(days->count(), 31);
            QCOMPARE(days->itemText(0), QStringLiteral("1"));
            QCOMPARE(days->itemText(30), QStringLiteral("31"));
            QCOMPARE(days->currentText(), QStringLiteral("1"));
            QVERIFY(!days->isEditable());
        }
        for (QComboBox* months : {entry->cboMaleMonth, entry->cboFemaleMonth}) {
            QCOMPARE(months->count(), 12);
            QCOMPARE(months->itemText(1), QStringLiteral("February"));
            QCOMPARE(months->currentText(), QStringLiteral("January"));
        }
        for (QComboBox* years : {entry->cboMaleYear, entry->cboFemaleYear}) {
            QCOMPARE(years->count(), 73);
            QCOMPARE(years->itemText(72), QStringLiteral("2008"));
            QCOMPARE(years->currentText(), QStringLiteral("1936"));
        }
        QVERIFY(entry->findChild<QAction*>(QStringLiteral("mnuGetOurChineseZodiacCompatibility")));
    }

    void namesAreCheckedInOrder()
    {
        auto* entry = openEntry();
        QTest::mouseClick(entry->cmdProceed, Qt::LeftButton);
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Please enter your Name")});
        QCOMPARE(m_messages->messages().first().icon, MessageIcon::Information);
        QCOMPARE(m_messages->messages().first().title, ApplicationTitle);
        QCOMPARE(QApplication::focusWidget(), entry->txtMaleName);

        m_messages->clear();
        QTest::keyClicks(entry->txtMaleName, QStringLiteral("Ann"));
        entry->findChild<QAction*>(QStringLiteral("mnuGetOurChineseZodiacCompatibility"))->trigger();
        QCOMPARE(m_messages->texts(), QStringList{QStringLiteral("Please Enter Youe Partner's Name")});
        QCOMPARE(m_messages->messages().first().icon, MessageIcon::Information);
        QCOMPARE(QApplication::focusWidget(), entry->txtFemaleName);
        QCOMPARE(entryScreen(), entry);
        QCOMPARE(entry->txtMaleName->text(), QStringLiteral("Ann"));
        QVERIFY(!resultScreen());
    }

    void startValuesGiveTwoFireRats()
    {
        auto* entry = openEntry();
        QTest::keyClicks(entry->txtMaleName, QStringLiteral("  Ann "));
        QTest::keyClicks(entry->txtFemaleName, QStringLiteral("Bob"));
        QTest::mouseClick(entry->cmdProceed, Qt::LeftButton);
        QVERIFY(m_messages->texts().isEmpty());
        QVERIFY(!entryScreen());
        auto* result = resultScreen();
        QVERIFY(result);
        QVERIFY(result->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());

        const ChineseResult& shown = result->result();
        QCOMPARE(q(shown.NameM), QStringLiteral("Ann"));
        QCOMPARE(q(shown.BirthDateM), QStringLiteral("1 January 1936"));
        QCOMPARE(q(shown.BirthDateF), QStringLiteral("1 January 1936"));

        QCOMPARE(result->windowTitle(), QStringLiteral("Zel Chinese Zodiac Compatibility"));
        QCOMPARE(result->SSTab->count(), 3);
        QCOMPARE(result->SSTab->currentIndex(), 0);
        QCOMPARE(result->SSTab->tabText(0), QStringLiteral("Chinese Compatibility  "));
        QCOMPARE(result->SSTab->tabText(1), QStringLiteral("Your Details"));
        QCOMPARE(result->SSTab->tabText(2), QStringLiteral("Your Partner's Details"));
        QCOMPARE(result->Framale->userTitle(), QStringLiteral("Ann"));
        QCOMPARE(result->Frafemale->userTitle(), QStringLiteral("Bob"));
        QCOMPARE(result->lblMaleChinesesign->text(), QStringLiteral("Rat"));
        QCOMPARE(result->lblFemaleChineseSign->text(), QStringLiteral("Rat"));
        QCOMPARE(result->lblMaleChineseElements->text(), QStringLiteral("Fire"));
        QCOMPARE(result->lblFemaleChineseElements->text(), QStringLiteral("Fire"));
        QCOMPARE(result->lblChineseCompatibilityNumber->text(), QStringLiteral("9"));
        QCOMPARE(result->lblChinesePercentage->text(), QStringLiteral("90%"));
        QCOMPARE(result->lblChineseRating->text(), QStringLiteral("A Great Match"));
        QCOMPARE(result->lblMatchingDescription->text(), QStringLiteral("Compatibility Of Rat With  Rat :-"));
        QCOMPARE(result->YourPicture->pictureKey(), QStringLiteral("Sagittarius"));
        QCOMPARE(result->YourPartnerPicture->pictureKey(), QStringLiteral("Sagittarius"));
        QVERIFY(!result->YourPicture->pixmap().isNull());
    }

    void workedPairFillsEveryBox()
    {
        auto* result = proceed(QStringLiteral("Ann"), {QStringLiteral("15"), QStringLiteral("June"), QStringLiteral("1974")},
                               QStringLiteral("Bob"), {QStringLiteral("3"), QStringLiteral("March"), QStringLiteral("1969")});
        QVERIFY(result);
        QCOMPARE(result->lblMaleChinesesign->text(), QStringLiteral("Tiger"));
        QCOMPARE(result->lblMaleChineseElements->text(), QStringLiteral("Wood"));
        QCOMPARE(result->lblFemaleChineseSign->text(), QStringLiteral("Rooster"));
        QCOMPARE(result->lblFemaleChineseElements->text(), QStringLiteral("Earth"));
        QCOMPARE(result->lblChineseCompatibilityNumber->text(), QStringLiteral("4"));
        QCOMPARE(result->lblChinesePercentage->text(), QStringLiteral("40%"));
        QCOMPARE(result->lblChineseRating->text(), QStringLiteral("A Difficult Match"));
        QCOMPARE(result->lblMatchingDescription->text(), QStringLiteral("Compatibility Of Tiger With  Rooster :-"));
        QString pairText = q(modchinesezodiac::GetAnimalPairText("Tiger", "Rooster"));
        QCOMPARE(result->txtMatchingDescription->toPlainText(), pairText.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(q(result->result().PairText), q(modchinesezodiac::GetAnimalPairText("Tiger", "Rooster")));
        QCOMPARE(result->YourPicture->pictureKey(), QStringLiteral("Aquarius"));
        QCOMPARE(result->YourPartnerPicture->pictureKey(), QStringLiteral("Virgo"));

        using namespace modchinesezodiac;
        const AnimalProfile tiger = GetAnimalProfile("Tiger");
        QCOMPARE(result->txtMaleRulingPlanet->text(), QStringLiteral("Uranus"));
        QCOMPARE(result->txtMaleWesternZodiacSign->text(), QStringLiteral("Aquarius"));
        QCOMPARE(result->txtMalePositiveTraits->toPlainText(), q(tiger[PositiveTraits]));
        QCOMPARE(result->txtMaleNegativeTraits->toPlainText(), q(tiger[NegativeTraits]));
        QCOMPARE(result->txtMaleGemStone->text(), QStringLiteral("Sapphire"));
        QCOMPARE(result->txtMaleLuckycolour->text(), QStringLiteral("Green"));
        QCOMPARE(result->txtMaleEnergy->text(), QStringLiteral("Yang (Negative)"));
        QCOMPARE(result->txtMaleLuckySeasons->text(), QStringLiteral("Early Spring"));
        QCOMPARE(result->txtMaleLuckyMonth->text(), QStringLiteral("February"));
        QCOMPARE(result->txtMaleLuckyNumber->text(), QStringLiteral("4, 5, 7, 9, 13, 34, 44, 45 and 54"));
        QCOMPARE(result->txtMaleMostCompatibleSign->text(), QStringLiteral("Horse, Dog"));
        QCOMPARE(result->txtMAleLeastCompatibleSign->text(), QStringLiteral("Monkey"));
        QCOMPARE(result->txtMaleFamousPersonBorn->toPlainText(), q(tiger[FamousPersons]));
        QCOMPARE(result->txtMaleElementDescription->toPlainText(), q(GetElementDescription("Wood")));

        QCOMPARE(result->txtFemaleRulingPlanet->text(), QStringLiteral("Mercury"));
        QCOMPARE(result->txtFemaleWesternZodiacSign->text(), QStringLiteral("Virgo"));
        QCOMPARE(result->txtFemaleMostCompatibleSign->text(), QStringLiteral("Ox, Dragon, Snake"));
        QCOMPARE(result->txtFemaleLeastCompitibleSign->text(), QStringLiteral("Rabbit"));
        QCOMPARE(result->txtFemaleLuckycolour->text(), QStringLiteral("Peach, Apricot"));
        QCOMPARE(result->txtFemaleGemStone->text(), QStringLiteral("Pin Jasper"));
        QCOMPARE(result->txtFemaleEnergy->text(), QStringLiteral("Yin (Positive)"));
        QCOMPARE(result->txtFemaleLuckyNumber->text(), QStringLiteral("1, 5, 6, 12, 15, 16, 24 and 51"));
        QCOMPARE(result->txtFemaleelementDescription->toPlainText(), q(GetElementDescription("Earth")));

        // Nothing on the result screen takes typing.
        for (QLineEdit* box : result->findChildren<QLineEdit*>())
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));
        for (QPlainTextEdit* box : result->findChildren<QPlainTextEdit*>())
            QVERIFY2(box->isReadOnly(), qPrintable(box->objectName()));

        // The captions of both partner pages, with their blanks.
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label2"))->text(), QStringLiteral("Ruling Planets"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label15"))->text(), QStringLiteral("Chinese  Sign"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label17"))->text(), QStringLiteral("Chinese Element"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label18"))->text(), QStringLiteral("Element  Description"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label33"))->text(), QStringLiteral("Chinese Sign"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label34"))->text(), QStringLiteral("Chinese  Element"));
        QCOMPARE(result->findChild<QLabel*>(QStringLiteral("Label32"))->text(),
                 QStringLiteral("Famous Personalities Born Under This Sign"));
        QCOMPARE(result->Label37->text(), QStringLiteral("Chinese Compatibility  Percentage"));
    }

    void imageListOrderAndFirstPicture()
    {
        auto* result = qobject_cast<frmchiness*>(ProgramWindows::Open(Id::frmchiness));
        QVERIFY(result);
        QCOMPARE(result->IMGKeys(),
                 (QStringList{"Aquarius", "Aries", "Cancer", "Capricorn", "Gemini", "Leo", "Libra", "Pisces",
                              "Sagittarius", "Scorpio", "Taurus", "Virgo"}));
        // Before any result both boxes show the first picture of the list.
        QCOMPARE(result->YourPicture->pictureKey(), QStringLiteral("Aquarius"));
        QCOMPARE(result->YourPartnerPicture->pictureKey(), QStringLiteral("Aquarius"));
        QCOMPARE(result->YourPicture->size(), QSize(200, 200));
    }

    void poorMatchKeepsItsLeadingBlank()
    {
        // 1937 (after 11 February) is an Ox year, 1943 (after 5 February) a Goat year.
        auto* result = proceed(QStringLiteral("Ann"), {QStringLiteral("1"), QStringLiteral("March"), QStringLiteral("1937")},
                               QStringLiteral("Bob"), {QStringLiteral("1"), QStringLiteral("March"), QStringLiteral("1943")});
        QVERIFY(result);
        QCOMPARE(result->lblChineseCompatibilityNumber->text(), QStringLiteral("2"));
        QCOMPARE(result->lblChinesePercentage->text(), QStringLiteral("20%"));
        QCOMPARE(result->lblChineseRating->text(), QStringLiteral(" A Poor Match"));
    }

    void blankNameIsAcceptedAndStoredEmpty()
    {
        auto* result = proceed(QStringLiteral("   "), {QStringLiteral("1"), QStringLiteral("January"), QStringLiteral("1936")},
                               QStringLiteral("Bob"), {QStringLiteral("1"), QStringLiteral("January"), QStringLiteral("1936")});
        QVERIFY(result);
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(result->Framale->userTitle(), QString());
        QCOMPARE(q(result->result().NameM), QString());
    }

    void dayThatMonthDoesNotHaveIsRefused_data()
    {
        QTest::addColumn<bool>("first");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("message");
        const QString mine = QStringLiteral("Please Enter Your Correct Date Or Month!");
        const QString partners = QStringLiteral("Please Enter Your Partner's Correct Date Or Month!");
        QTest::newRow("31 April, first") << true << "31" << "April" << "1980" << mine;
        QTest::newRow("30 February, first") << true << "30" << "February" << "1996" << mine;
        QTest::newRow("29 February 1937, partner") << false << "29" << "February" << "1937" << partners;
        QTest::newRow("31 November, partner") << false << "31" << "November" << "2008" << partners;
    }

    void dayThatMonthDoesNotHaveIsRefused()
    {
        QFETCH(bool, first);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, message);

        // An earlier result is not shown again.
        QVERIFY(proceed(QStringLiteral("Old"), {QStringLiteral("15"), QStringLiteral("June"), QStringLiteral("1974")},
                        QStringLiteral("Pair"), {QStringLiteral("3"), QStringLiteral("March"), QStringLiteral("1969")}));
        resultScreen()->close();
        QVERIFY(!resultScreen());

        auto* entry = openEntry();
        QTest::keyClicks(entry->txtMaleName, QStringLiteral("Ann"));
        QTest::keyClicks(entry->txtFemaleName, QStringLiteral("Bob"));
        choose(first ? entry->CboMaleDate : entry->cboFemaleDate, day);
        choose(first ? entry->cboMaleMonth : entry->cboFemaleMonth, month);
        choose(first ? entry->cboMaleYear : entry->cboFemaleYear, year);
        QTest::mouseClick(entry->cmdProceed, Qt::LeftButton);

        QCOMPARE(m_messages->texts(), QStringList{message});
        QCOMPARE(m_messages->messages().first().icon, MessageIcon::Information);
        QCOMPARE(QApplication::focusWidget(), first ? entry->CboMaleDate : entry->cboFemaleDate);
        QCOMPARE(entryScreen(), entry);
        QVERIFY(!resultScreen());
    }

    void leapDayIsAccepted()
    {
        auto* result = proceed(QStringLiteral("Ann"), {QStringLiteral("29"), QStringLiteral("February"), QStringLiteral("1996")},
                               QStringLiteral("Bob"), {QStringLiteral("31"), QStringLiteral("December"), QStringLiteral("2008")});
        QVERIFY(result);
        QVERIFY(m_messages->texts().isEmpty());
        QCOMPARE(result->lblMaleChinesesign->text(), QStringLiteral("Rat"));
        QCOMPARE(result->lblMaleChineseElements->text(), QStringLiteral("Fire"));
        QCOMPARE(result->lblFemaleChineseSign->text(), QStringLiteral("Pig"));
        QCOMPARE(result->lblFemaleChineseElements->text(), QStringLiteral("Fire"));
    }

    void pairTextBoxEmptiesTheClipboard()
    {
        auto* result = proceed(QStringLiteral("Ann"), {QStringLiteral("1"), QStringLiteral("January"), QStringLiteral("1936")},
                               QStringLiteral("Bob"), {QStringLiteral("1"), QStringLiteral("January"), QStringLiteral("1936")});
        QVERIFY(result);
        QPlainTextEdit* box = result->txtMatchingDescription;
        QClipboard* clipboard = QGuiApplication::clipboard();

        // Typing changes nothing.
        const QString before = box->toPlainText();
        box->setFocus();
        QTest::keyClicks(box, QStringLiteral("xyz"));
        QCOMPARE(box->toPlainText(), before);

        // The keyboard selects the text but copies none of it, by any copy key, and there
        // is no context menu to copy through.
        QCOMPARE(QApplication::focusWidget(), box);
        for (const QKeyCombination copy : {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}) {
            clipboard->setText(QStringLiteral("elsewhere"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
            QVERIFY(box->textCursor().hasSelection());
            QTest::keyClick(QApplication::focusWidget(), copy.key(), copy.keyboardModifiers());
            QVERIFY(!clipboard->text().contains(before.left(40)));
        }
        bool menuShown = false;
        QTimer::singleShot(0, [&menuShown] {
            if (QWidget* menu = QApplication::activePopupWidget()) {
                menuShown = true;
                menu->close();
            }
        });
        QContextMenuEvent menuRequest(QContextMenuEvent::Keyboard, QPoint(10, 10));
        QApplication::sendEvent(box->viewport(), &menuRequest);
        QCoreApplication::processEvents();
        QVERIFY(!menuShown);

        // Moving the mouse over the box empties the clipboard.
        clipboard->setText(QStringLiteral("elsewhere"));
        QTest::mouseMove(box->viewport(), QPoint(20, 20));
        QTest::mouseMove(box->viewport(), QPoint(30, 25));
        QVERIFY(clipboard->text().isEmpty());

        clipboard->setText(QStringLiteral("elsewhere"));
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(clipboard->text().isEmpty());

        clipboard->setText(QStringLiteral("elsewhere"));
        QTest::mousePress(box->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(clipboard->text().isEmpty());
        clipboard->setText(QStringLiteral("elsewhere"));
        QTest::mouseRelease(box->viewport(), Qt::RightButton, {}, QPoint(10, 10));
        QVERIFY(clipboard->text().isEmpty());

        // A new text in the box empties it too.
        clipboard->setText(QStringLiteral("elsewhere"));
        result->ShowResult({"Cy", "1", "June", "1970", "Di", "1", "June", "1972"});
        QVERIFY(clipboard->text().isEmpty());

        // Mouse actions elsewhere on the screen leave the clipboard alone.
        clipboard->setText(QStringLiteral("elsewhere"));
        QTest::mouseClick(result->lblChineseRating, Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("elsewhere"));
    }

    void backOpensAFreshEntryScreen()
    {
        auto* result = proceed(QStringLiteral("Ann"), {QStringLiteral("15"), QStringLiteral("June"), QStringLiteral("1974")},
                               QStringLiteral("Bob"), {QStringLiteral("3"), QStringLiteral("March"), QStringLiteral("1969")});
        QVERIFY(result);
        QTest::mouseClick(result->cmdBack, Qt::LeftButton);
        QVERIFY(!resultScreen());
        auto* entry = entryScreen();
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QVERIFY(entry->txtMaleName->text().isEmpty());
        QVERIFY(entry->txtFemaleName->text().isEmpty());
        QCOMPARE(entry->CboMaleDate->currentText(), QStringLiteral("1"));
        QCOMPARE(entry->cboFemaleMonth->currentText(), QStringLiteral("January"));
        QCOMPARE(entry->cboFemaleYear->currentText(), QStringLiteral("1936"));

        // The menu item does the same.
        result = proceed(QStringLiteral("Ann"), {}, QStringLiteral("Bob"), {});
        QVERIFY(result);
        result->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        QVERIFY(!resultScreen());
        QVERIFY(entryScreen());
        QVERIFY(!m_main->isWelcomePanelVisible());
    }

    void exitLeavesTheProgram()
    {
        auto* result = proceed(QStringLiteral("Ann"), {}, QStringLiteral("Bob"), {});
        QVERIFY(result);
        QTest::mouseClick(result->cmdExit, Qt::LeftButton);
        QVERIFY(!resultScreen());
        QVERIFY(!entryScreen());
        QVERIFY(m_main->isWelcomePanelVisible());
        QVERIFY(m_main->isVisible());

        result = proceed(QStringLiteral("Ann"), {}, QStringLiteral("Bob"), {});
        QVERIFY(!m_main->isWelcomePanelVisible());
        result->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!resultScreen());
        QVERIFY(m_main->isWelcomePanelVisible());

        auto* entry = openEntry();
        entry->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!entryScreen());
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void printOpensTheReportAndClosingItShowsTheResultAgain()
    {
        auto* result = proceed(QStringLiteral("Ann"), {QStringLiteral("15"), QStringLiteral("June"), QStringLiteral("1974")},
                               QStringLiteral("Bob"), {QStringLiteral("3"), QStringLiteral("March"), QStringLiteral("1969")});
        QVERIFY(result);
        result->SSTab->setCurrentIndex(2);
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        auto* report = reportWindow();
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QVERIFY(!result->isVisible());
        QCOMPARE(report->windowTitle(), QStringLiteral("Zel Chinese Zodiac Compatibility"));

        report->close();
        QVERIFY(!reportWindow());
        QCOMPARE(resultScreen(), result);
        QVERIFY(result->isVisible());
        QCOMPARE(result->SSTab->currentIndex(), 2);
        QCOMPARE(result->lblChineseRating->text(), QStringLiteral("A Difficult Match"));
        QVERIFY(!m_main->isWelcomePanelVisible());

        result->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        QVERIFY(reportWindow());
        QVERIFY(!result->isVisible());
    }

    void reportHoldsBothProfilesInRuns()
    {
        auto* result = proceed(QStringLiteral("Ann"), {}, QStringLiteral("Bob"),
                               {QStringLiteral("3"), QStringLiteral("March"), QStringLiteral("1969")});
        QVERIFY(result);
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        auto* report = reportWindow();
        QVERIFY(report);

        const auto entries = expectedEntries(QStringLiteral("Ann"), QStringLiteral("1 January 1936"), QStringLiteral("Rat"),
                                             QStringLiteral("Fire")) +
                             expectedEntries(QStringLiteral("Bob"), QStringLiteral("3 March 1969"),
                                             QStringLiteral("Rooster"), QStringLiteral("Earth"));
        QCOMPARE(entries.size(), 30);
        QString expectedText;
        for (const auto& [heading, value] : entries)
            expectedText += heading + value + QStringLiteral("\n\n");
        QCOMPARE(report->RTB->toPlainText(), expectedText);

        const QList<Run> runs = runsOf(*report->RTB->document());
        QCOMPARE(runs.size(), 60);
        for (int i = 0; i < 30; ++i) {
            const Run& heading = runs[2 * i];
            const Run& value = runs[2 * i + 1];
            QCOMPARE(heading.text, entries[i].first);
            QVERIFY(heading.bold);
            QCOMPARE(heading.colour, QColor(128, 0, 0));
            QCOMPARE(value.text, entries[i].second + QStringLiteral("\n\n"));
            QVERIFY(!value.bold);
            QCOMPARE(value.colour, QColor(0, 0, 0));
        }
        QCOMPARE(runs[6].text, QStringLiteral("Element: Fire: "));
        QCOMPARE(runs[4].text, QStringLiteral("Sign: "));
        QCOMPARE(runs[5].text, QStringLiteral("Rat\n\n"));
        QCOMPARE(runs[9].text, QStringLiteral("Jupiter\n\n"));

        // Nothing of the pair's result is in the report.
        const QString text = report->RTB->toPlainText();
        for (const QString& absent : {QStringLiteral("%"), QStringLiteral("Match"), QStringLiteral("Sagittarius"),
                                      QStringLiteral("scale of one to ten"), QStringLiteral("41, 45")})
            QVERIFY2(!text.contains(absent), qPrintable(absent));

        QFont font = report->RTB->document()->defaultFont();
        QCOMPARE(font.family(), QStringLiteral("Verdana"));
        QCOMPARE(font.pointSizeF(), 9.75);

        // The same report from the result alone, without any of the screen's boxes.
        const ChineseResult value = result->result();
        m_main->CloseProgramWindows();
        QTRY_VERIFY(!resultScreen());
        QTextEdit view;
        ComposeChineseReport(&view, value);
        QCOMPARE(view.toPlainText(), expectedText);
    }

    void reportOfAnEmptyName()
    {
        QVERIFY(proceed(QStringLiteral(" "), {}, QStringLiteral("Bob"), {}));
        QTest::mouseClick(resultScreen()->cmdPrint, Qt::LeftButton);
        auto* report = reportWindow();
        QVERIFY(report);
        QVERIFY(report->RTB->toPlainText().startsWith(QStringLiteral("Name: \n\nDate of Birth: 1 January 1936\n\n")));
    }

    // The whole road: main window, entry, the three tabs, a saved and a printed report.
    void fromTheMainWindowToASavedAndAPrintedReport()
    {
        FakeReportDialogs dialogs;
        QTemporaryDir dir;
        dialogs.saveAs = dir.filePath(QStringLiteral("chinese report.rtf"));
        dialogs.pdfPath = dir.filePath(QStringLiteral("chinese report.pdf"));

        QTest::mouseClick(m_main->cmdSelectOption[0], Qt::LeftButton);
        auto* entry = entryScreen();
        QVERIFY(entry);
        QTest::keyClicks(entry->txtMaleName, QStringLiteral("Ann"));
        choose(entry->CboMaleDate, QStringLiteral("15"));
        choose(entry->cboMaleMonth, QStringLiteral("June"));
        choose(entry->cboMaleYear, QStringLiteral("1974"));
        QTest::keyClicks(entry->txtFemaleName, QStringLiteral("Bob"));
        // A crescent moon DejaVu Sans cannot draw; the test runs where a colour emoji font
        // is the desktop's first choice for it (see CMakeLists.txt).
        entry->txtFemaleName->insert(QString::fromUtf8(" \U0001F319"));
        choose(entry->cboFemaleDate, QStringLiteral("3"));
        choose(entry->cboFemaleMonth, QStringLiteral("March"));
        choose(entry->cboFemaleYear, QStringLiteral("1969"));
        QTest::mouseClick(entry->cmdProceed, Qt::LeftButton);

        auto* result = resultScreen();
        QVERIFY(result);
        for (int tab = 0; tab < 3; ++tab) {
            result->SSTab->setCurrentIndex(tab);
            QVERIFY(result->SSTab->currentWidget()->isVisible());
        }
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        auto* report = reportWindow();
        QVERIFY(report);

        QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        QCOMPARE(dialogs.saveDialogs, 1);
        QCOMPARE(dialogs.lastSaveTitle, QStringLiteral("Zel Compatibility"));
        QCOMPARE(dialogs.lastSaveFilter, QStringLiteral("Rich Text Format | *.rtf "));
        QCOMPARE(dialogs.lastDefaultSuffix, QStringLiteral("txt"));
        QVERIFY(QFile::exists(dialogs.saveAs));
        const auto saved = ReadRtfBack(dialogs.saveAs);
        const QString savedText = saved->toPlainText();
        for (const QString& line : {QStringLiteral("Name: Ann"), QStringLiteral("Date of Birth: 15 June 1974"),
                                    QStringLiteral("Sign: Tiger"), QStringLiteral("Element: Wood: Wood gives you"),
                                    QStringLiteral("Most Compatible Sign: Ox, Dragon, Snake"),
                                    QStringLiteral("Lucky Color: Peach, Apricot"), QStringLiteral("Name: Bob")})
            QVERIFY2(savedText.contains(line), qPrintable(line));
        bool headingBoldRed = false, valuePlain = false;
        for (const Run& run : runsOf(*saved)) {
            if (run.text.trimmed() == QStringLiteral("Sign:") && run.bold && run.colour == QColor(128, 0, 0))
                headingBoldRed = true;
            if (run.text.trimmed() == QStringLiteral("Tiger") && !run.bold && run.colour == QColor(0, 0, 0))
                valuePlain = true;
        }
        QVERIFY(headingBoldRed);
        QVERIFY(valuePlain);

        QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
        QCOMPARE(dialogs.printDialogs, 1);
        QVERIFY(!dialogs.lastSelectionOffered);
        const QString printed = PdfText(dialogs.pdfPath);
        for (const QString& line : {QStringLiteral("Name: Ann"), QStringLiteral("Sign: Rooster"),
                                    QStringLiteral("Ruling Planet: Uranus"), QStringLiteral("GemStone: Pin Jasper")})
            QVERIFY2(printed.contains(line), qPrintable(line));
        // The moon is printed from an outline font; a colour font's picture would be a gap.
        const QString fonts = PdfFonts(dialogs.pdfPath);
        QVERIFY2(fonts.contains(QLatin1String("Symbola")) && !fonts.contains(QLatin1String("Color")), qPrintable(fonts));

        report->close();
        QVERIFY(result->isVisible());
        QCOMPARE(result->lblChinesePercentage->text(), QStringLiteral("40%"));
    }

private:
    frmmainChineseZodiac* entryScreen() const
    {
        return qobject_cast<frmmainChineseZodiac*>(m_main->programWindow(Id::frmmainChineseZodiac));
    }
    frmchiness* resultScreen() const
    {
        return qobject_cast<frmchiness*>(m_main->programWindow(Id::frmchiness));
    }
    frmSaveChineseZodiac* reportWindow() const
    {
        return qobject_cast<frmSaveChineseZodiac*>(m_main->programWindow(Id::frmSaveChineseZodiac));
    }

    frmmainChineseZodiac* openEntry()
    {
        QTest::mouseClick(m_main->cmdSelectOption[0], Qt::LeftButton);
        return entryScreen();
    }

    // Opens the entry screen, fills it and proceeds; an empty date keeps the start values.
    frmchiness* proceed(const QString& nameM, const QStringList& dateM, const QString& nameF, const QStringList& dateF)
    {
        auto* entry = openEntry();
        if (!entry)
            return nullptr;
        QTest::keyClicks(entry->txtMaleName, nameM);
        QTest::keyClicks(entry->txtFemaleName, nameF);
        if (!dateM.isEmpty()) {
            choose(entry->CboMaleDate, dateM[0]);
            choose(entry->cboMaleMonth, dateM[1]);
            choose(entry->cboMaleYear, dateM[2]);
        }
        if (!dateF.isEmpty()) {
            choose(entry->cboFemaleDate, dateF[0]);
            choose(entry->cboFemaleMonth, dateF[1]);
            choose(entry->cboFemaleYear, dateF[2]);
        }
        QTest::mouseClick(entry->cmdProceed, Qt::LeftButton);
        return resultScreen();
    }

    std::unique_ptr<frmMDI> m_main;
    std::unique_ptr<MessageLog> m_messages;
};

QTEST_MAIN(ChineseScreenTests)
#include "tst_chinese_screens.moc"
