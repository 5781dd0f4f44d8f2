// The numerology program driven as a user drives it: from the main window's "&Numerology"
// button through the entry screen to the result screen and the report window.
#include "numerology/NumerologyWindows.h"
#include "numerology/NumerologyReadings.h"
#include "numerology/frmDispMarriageCompatibility.h"
#include "numerology/frmMainMarriageCompatibility.h"
#include "numerology/frmSaveDocumentMarriageCompatibility.h"
#include "numerology/modNumerology.h"
#include "shell/ClickableLabel.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/ReportTestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QPointer>
#include <QTextBlock>
#include "report/ReportView.h"

namespace {

using Id = ProgramWindowId;

struct Partner {
    QString first, middle, last, month, day, year;
};

const Partner kJohn{QStringLiteral("John"), QStringLiteral("Paul"), QStringLiteral("Smith"),
                    QStringLiteral("December"), QStringLiteral("31"), QStringLiteral("1999")};
const Partner kAnna{QStringLiteral("Anna"), QString(), QStringLiteral("Lee"),
                    QStringLiteral("May"), QStringLiteral("5"), QStringLiteral("1985")};

QString interpretation(const char* key)
{
    const std::string_view text = modNumerology::CombinationText(key);
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Types text into the box key by key, any character included.
void type(QLineEdit* box, const QString& text)
{
    box->clear();
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

void choose(QComboBox* list, const QString& item)
{
    list->setCurrentIndex(list->findText(item, Qt::MatchExactly));
}

void fill(frmMainMarriageCompatibility* entry, const Partner& male, const Partner& female)
{
    type(entry->txtMF, male.first);
    type(entry->txtMM, male.middle);
    type(entry->txtML, male.last);
    choose(entry->cboMM, male.month);
    choose(entry->cboMD, male.day);
    choose(entry->cboMY, male.year);
    type(entry->txtFF, female.first);
    type(entry->txtFM, female.middle);
    type(entry->txtFL, female.last);
    choose(entry->cboFM, female.month);
    choose(entry->cboFD, female.day);
    choose(entry->cboFY, female.year);
}

struct Run {
    QString text;
    bool bold;
    bool operator==(const Run&) const = default;
};

// The document's runs, neighbours of equal weight merged, "\n" between blocks. A block
// break belongs to the run before it.
QList<Run> runsOf(const QTextDocument& document)
{
    QList<Run> runs;
    const auto append = [&runs](const QString& text, bool bold) {
        if (!runs.isEmpty() && runs.last().bold == bold)
            runs.last().text += text;
        else
            runs.append({text, bold});
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            if (runs.isEmpty())
                runs.append({QString(), false});
            runs.last().text += u'\n';
        }
        for (auto it = block.begin(); !it.atEnd(); ++it)
            append(it.fragment().text(), it.fragment().charFormat().fontWeight() >= QFont::DemiBold);
    }
    return runs;
}

// The expected runs: the reading's runs with "\n" for "\r\n", a line break taking the
// weight of the text before it (that is where the view keeps it).
QList<Run> expectedRuns(const ReportRuns& reportRuns)
{
    QList<Run> runs;
    for (const ReportRun& run : reportRuns) {
        QString text = QString::fromStdString(run.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        while (text.startsWith(u'\n') && !runs.isEmpty()) {
            runs.last().text += u'\n';
            text.remove(0, 1);
        }
        if (text.isEmpty())
            continue;
        if (!runs.isEmpty() && runs.last().bold == run.bold)
            runs.last().text += text;
        else
            runs.append({text, run.bold});
    }
    return runs;
}

QString plain(const std::string& composed)
{
    return QString::fromStdString(composed).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class NumerologyScreensTests : public QObject, private ScreenTest {
    Q_OBJECT

private:

    frmMainMarriageCompatibility* openEntry()
    {
        QTest::mouseClick(m_main->cmdSelectOption[2], Qt::LeftButton);
        auto* entry = ProgramWindows::Find<frmMainMarriageCompatibility>(Id::frmMainMarriageCompatibility);
        if (entry) {
            m_main->activateWindow();
            entry->activateWindow();
        }
        return entry;
    }

    frmMainMarriageCompatibility* openFilledEntry(const Partner& male = kJohn, const Partner& female = kAnna)
    {
        frmMainMarriageCompatibility* entry = openEntry();
        if (entry)
            fill(entry, male, female);
        return entry;
    }

    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static frmDispMarriageCompatibility* result()
    {
        return ProgramWindows::Find<frmDispMarriageCompatibility>(Id::frmDispMarriageCompatibility);
    }
    static frmSaveDocumentMarriageCompatibility* report()
    {
        return ProgramWindows::Find<frmSaveDocumentMarriageCompatibility>(Id::frmSaveDocumentMarriageCompatibility);
    }

    // After Back or a close: the entry screen is shown again with exactly these entries.
    static void verifyEntries(frmMainMarriageCompatibility* entry, const Partner& male, const Partner& female)
    {
        QVERIFY(entry->isVisible());
        QCOMPARE(entry->txtMF->text(), male.first);
        QCOMPARE(entry->txtMM->text(), male.middle);
        QCOMPARE(entry->txtML->text(), male.last);
        QCOMPARE(entry->cboMM->currentText(), male.month);
        QCOMPARE(entry->cboMD->currentText(), male.day);
        QCOMPARE(entry->cboMY->currentText(), male.year);
        QCOMPARE(entry->txtFF->text(), female.first);
        QCOMPARE(entry->txtFM->text(), female.middle);
        QCOMPARE(entry->txtFL->text(), female.last);
        QCOMPARE(entry->cboFM->currentText(), female.month);
        QCOMPARE(entry->cboFD->currentText(), female.day);
        QCOMPARE(entry->cboFY->currentText(), female.year);
    }

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
        m_settings = std::make_unique<TemporarySettings>();
    }

    void init()
    {
        setUpScreens(RegisterNumerologyWindows);
    }

    void cleanup()
    {
        tearDownScreens();
    }

    void entryScreenOpensWithEmptyFieldsAndFilledLists()
    {
        QCOMPARE(m_main->cmdSelectOption[2]->text(), QStringLiteral("&Numerology"));
        auto* entry = openEntry();
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(entry->windowTitle(), QStringLiteral("Zel Numerology Compatibility Software"));
        QCOMPARE(entry->Label11->text(), QStringLiteral("Zel Numerology Compatibility Software"));
        QCOMPARE(entry->y(), 0);
        QVERIFY(qAbs(entry->x() - (m_main->mdiArea()->viewport()->width() - entry->width()) / 2) <= 1);

        QCOMPARE(entry->fraM->title(), QStringLiteral("Male"));
        QCOMPARE(entry->fraF->title(), QStringLiteral("Female"));
        const QList<QPair<QLabel*, QString>> captions{
            {entry->Label1, QStringLiteral("* First Name")},  {entry->Label4, QStringLiteral("Middle Name")},
            {entry->Label5, QStringLiteral("* Last Name")},   {entry->Label2, QStringLiteral("Date of Birth")},
            {entry->Label10, QStringLiteral("* First Name")}, {entry->Label9, QStringLiteral("Middle Name")},
            {entry->Label8, QStringLiteral("* Last Name")},   {entry->Label7, QStringLiteral("Date of Birth")},
            {entry->Label13, QStringLiteral("Software made by")},
            {entry->Label14, QStringLiteral("This program has been designed keeping in mind date settings "
                                            "according to MM/DD/YYYY format")},
        };
        for (const auto& [label, text] : captions)
            QCOMPARE(label->text(), text);
        QCOMPARE(entry->Label6->text(), QString());
        QCOMPARE(entry->findChild<QGroupBox*>(QStringLiteral("fraNote"))->title(), QStringLiteral("Note: "));
        QCOMPARE(entry->cmdLP->text(), QStringLiteral("LifePath Compatibility"));
        QCOMPARE(entry->cmdD->text(), QStringLiteral("Destiny Compatibility"));
        QCOMPARE(entry->cmdCR->text(), QStringLiteral("Comprehensive Reading"));
        QCOMPARE(entry->cmdExit->text(), QStringLiteral("Exit"));
        QCOMPARE(entry->cmdNav->text(), QStringLiteral("Exit"));
        QCOMPARE(entry->Command3->text(), QStringLiteral("Donate"));

        // The buttons from left to right: Exit, Comprehensive, LifePath, Destiny; the date
        // lists month, day, year.
        QVERIFY(entry->cmdExit->x() < entry->cmdCR->x());
        QVERIFY(entry->cmdCR->x() < entry->cmdLP->x());
        QVERIFY(entry->cmdLP->x() < entry->cmdD->x());
        QVERIFY(entry->cboMM->x() < entry->cboMD->x() && entry->cboMD->x() < entry->cboMY->x());
        QVERIFY(entry->cboFM->x() < entry->cboFD->x() && entry->cboFD->x() < entry->cboFY->x());
        QVERIFY(entry->fraM->x() < entry->fraF->x());

        QStringList months;
        for (std::string_view month : modNumerology::MonthNames)
            months.append(QString::fromLatin1(month.data(), qsizetype(month.size())));
        for (QComboBox* list : {entry->cboMM, entry->cboMD, entry->cboMY, entry->cboFM, entry->cboFD, entry->cboFY}) {
            QCOMPARE(list->currentIndex(), -1);
            QCOMPARE(list->currentText(), QString());
            QVERIFY(!list->isEditable());
        }
        for (QComboBox* list : {entry->cboMD, entry->cboFD}) {
            QCOMPARE(list->count(), 31);
            QCOMPARE(list->itemText(0), QStringLiteral("1"));
            QCOMPARE(list->itemText(30), QStringLiteral("31"));
        }
        for (QComboBox* list : {entry->cboMM, entry->cboFM}) {
            QStringList items;
            for (int i = 0; i < list->count(); ++i)
                items.append(list->itemText(i));
            QCOMPARE(items, months);
        }
        for (QComboBox* list : {entry->cboMY, entry->cboFY}) {
            QCOMPARE(list->count(), 151);
            QCOMPARE(list->itemText(0), QStringLiteral("1900"));
            QCOMPARE(list->itemText(150), QStringLiteral("2050"));
        }
        for (QLineEdit* box : {entry->txtMF, entry->txtMM, entry->txtML, entry->txtFF, entry->txtFM, entry->txtFL})
            QCOMPARE(box->text(), QString());
    }

    void tabMovesThroughTheFieldsInOrder()
    {
        auto* entry = openEntry();
        QVERIFY(entry);
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        entry->txtMF->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), entry->txtMF);
        const QList<QWidget*> order{entry->txtMM, entry->txtML, entry->cboMM, entry->cboMD, entry->cboMY,
                                    entry->txtFF, entry->txtFM, entry->txtFL, entry->cboFM, entry->cboFD,
                                    entry->cboFY, entry->cmdCR, entry->cmdD,  entry->cmdLP, entry->cmdExit,
                                    entry->cmdNav, entry->Command3};
        for (QWidget* next : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void menusAreTheFileMenuThenTheSharedOnes()
    {
        auto* entry = openEntry();
        QVERIFY(entry);
        const QList<QAction*> bar = m_main->menuBar()->actions();
        QStringList captions;
        for (QAction* action : bar)
            captions.append(action->text());
        QCOMPARE(captions, (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"), QStringLiteral("&Donate"),
                                        QStringLiteral("Make Money &Online")}));

        const QList<QAction*> file = bar.first()->menu()->actions();
        QCOMPARE(file.size(), 5);
        const QStringList names{QStringLiteral("mnuComprehensive"), QStringLiteral("mnuLifePath"),
                                QStringLiteral("mnuDestiny"), QStringLiteral("mnuFileSep"), QStringLiteral("mnuExit")};
        const QStringList texts{QStringLiteral("&Comprehensive Reading"), QStringLiteral("&LifePath Compatibility"),
                                QStringLiteral("&Destiny Compatibility"), QString(), QStringLiteral("E&xit")};
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(file[i]->objectName(), names[i]);
            QCOMPARE(file[i]->text(), texts[i]);
            QCOMPARE(file[i]->isSeparator(), i == 3);
        }
        QCOMPARE(entry->findChild<QAction*>(QStringLiteral("mnuOnline"))->text(), QStringLiteral("&Online help"));
        QCOMPARE(entry->findChild<QAction*>(QStringLiteral("mnuVisit"))->text(), QStringLiteral("&Visit us Online"));
    }

    void validationStopsAtTheFirstEmptyFieldInOrder()
    {
        auto* entry = openEntry();
        QVERIFY(entry);
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        struct Step {
            QWidget* field;
            QString message;
            std::function<void()> fillIt;
        };
        const QList<Step> steps{
            {entry->txtMF, QStringLiteral("Male: First Name cannot be blank"), [&] { type(entry->txtMF, kJohn.first); }},
            {entry->txtML, QStringLiteral("Male: Last Name cannot be blank"), [&] { type(entry->txtML, kJohn.last); }},
            {entry->txtFF, QStringLiteral("Female: First Name cannot be blank"), [&] { type(entry->txtFF, kAnna.first); }},
            {entry->txtFL, QStringLiteral("Female: Last Name cannot be blank"), [&] { type(entry->txtFL, kAnna.last); }},
            {entry->cboMD, QStringLiteral("Male: Date of Birth cannot be blank"), [&] { choose(entry->cboMD, kJohn.day); }},
            {entry->cboMM, QStringLiteral("Male: Month of Birth cannot be blank"), [&] { choose(entry->cboMM, kJohn.month); }},
            {entry->cboMY, QStringLiteral("Male: Year of Birth cannot be blank"), [&] { choose(entry->cboMY, kJohn.year); }},
            {entry->cboFD, QStringLiteral("Female: Date of Birth cannot be blank"), [&] { choose(entry->cboFD, kAnna.day); }},
            {entry->cboFM, QStringLiteral("Female: Month of Birth cannot be blank"), [&] { choose(entry->cboFM, kAnna.month); }},
            {entry->cboFY, QStringLiteral("Female: Year of Birth cannot be blank"), [&] { choose(entry->cboFY, kAnna.year); }},
        };
        // Every way to start a reading checks the same fields in the same order.
        const QList<std::function<void()>> starts{
            [&] { QTest::mouseClick(entry->cmdLP, Qt::LeftButton); },
            [&] { QTest::mouseClick(entry->cmdD, Qt::LeftButton); },
            [&] { QTest::mouseClick(entry->cmdCR, Qt::LeftButton); },
            [&] { entry->findChild<QAction*>(QStringLiteral("mnuLifePath"))->trigger(); },
            [&] { entry->findChild<QAction*>(QStringLiteral("mnuDestiny"))->trigger(); },
            [&] { entry->findChild<QAction*>(QStringLiteral("mnuComprehensive"))->trigger(); },
        };
        for (const Step& step : steps) {
            for (const auto& start : starts) {
                entry->cmdExit->setFocus();
                m_messages->clear();
                start();
                QCOMPARE(m_messages->messages().size(), 1);
                const ShownMessage shown = m_messages->messages().first();
                QCOMPARE(shown.text, step.message);
                QCOMPARE(shown.icon, MessageIcon::Information);
                QCOMPARE(shown.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
                QCOMPARE(QApplication::focusWidget(), step.field);
                QVERIFY(entry->isVisible());
                QVERIFY(!result());
                QVERIFY(!report());
            }
            step.fillIt();
        }
        // Middle names are never required.
        QCOMPARE(entry->txtMM->text(), QString());
        QCOMPARE(entry->txtFM->text(), QString());
        m_messages->clear();
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);
        QCOMPARE(m_messages->messages().size(), 0);
        QVERIFY(result());
    }

    void aNameOfBlanksPassesAndCountsNothing()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        type(entry->txtMF, QStringLiteral("   "));
        type(entry->txtML, QStringLiteral(" "));
        type(entry->txtMM, QString());
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QCOMPARE(m_messages->messages().size(), 0);
        QVERIFY(result());
        QCOMPARE(NumerologyReadings::ComputeNumerology(entry->Couple()).DestinyNameM, std::string());
        QVERIFY(result()->Text().startsWith(QStringLiteral("Destiny Compatibility Combination: 0 + 7\r\n\r\n\r\n\r\n")));
    }

    void lifePathReadingShowsTheResultAndBackRestoresTheEntries()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);

        auto* shown = result();
        QVERIFY(shown);
        QVERIFY(shown->isVisible());
        QVERIFY(!entry->isVisible());
        QVERIFY(ProgramWindows::Find(Id::frmMainMarriageCompatibility)); // hidden, not closed
        QVERIFY(!report());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(shown->windowTitle(), QStringLiteral("LifePath Compatibility"));
        QCOMPARE(shown->Text(), QStringLiteral("LifePath Compatibility Combination: 8 + 6\r\n\r\n") +
                                    interpretation("86") + QStringLiteral("\r\n\r\n\r\n\r\n"));
        QCOMPARE(shown->txtDisp->objectName(), QStringLiteral("txtDisp"));
        QCOMPARE(shown->y(), 0);

        QTest::mouseClick(shown->cmdBack, Qt::LeftButton);
        settle();
        QVERIFY(!result());
        verifyEntries(entry, kJohn, kAnna);
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(m_main->mdiArea()->activeSubWindow(), entry);
    }

    void swappingThePartnersSwapsTheNumbers()
    {
        auto* entry = openFilledEntry(kAnna, kJohn);
        QVERIFY(entry);
        entry->findChild<QAction*>(QStringLiteral("mnuLifePath"))->trigger();
        QVERIFY(result());
        QVERIFY(result()->Text().startsWith(QStringLiteral("LifePath Compatibility Combination: 6 + 8\r\n\r\n") +
                                            interpretation("68")));
    }

    void destinyReadingCountsTheNamesInCapitals()
    {
        Partner anna = kAnna;
        anna.first = QStringLiteral("anna");
        anna.last = QString();
        anna.middle = QStringLiteral(" ");
        // The last name is required, so the female partner's letters sit in the first name.
        anna.last = QStringLiteral("-");
        auto* entry = openFilledEntry(kJohn, anna);
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QVERIFY(result());
        QCOMPARE(result()->windowTitle(), QStringLiteral("Destiny Compatibility"));
        // JOHNPAULSMITH gives 4, ANNA gives 3.
        QCOMPARE(result()->Text(), QStringLiteral("Destiny Compatibility Combination: 4 + 3\r\n\r\n") +
                                       interpretation("43") + QStringLiteral("\r\n\r\n\r\n\r\n"));

        QTest::mouseClick(result()->cmdBack, Qt::LeftButton);
        settle();
        verifyEntries(entry, kJohn, anna);
        type(entry->txtFF, QStringLiteral("ANNA"));
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QVERIFY(result()->Text().startsWith(QStringLiteral("Destiny Compatibility Combination: 4 + 3\r\n")));
    }

    void destinyOfNamesWithoutLettersAccentsAndHundredsOfLetters()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);

        // No letter at all: 0, a key "07" without text, the heading still shown.
        type(entry->txtMF, QStringLiteral("123"));
        type(entry->txtMM, QString());
        type(entry->txtML, QStringLiteral("-'"));
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QCOMPARE(result()->Text(), QStringLiteral("Destiny Compatibility Combination: 0 + 7\r\n\r\n\r\n\r\n\r\n\r\n"));
        QTest::mouseClick(result()->cmdBack, Qt::LeftButton);
        settle();

        // Accented and non-Latin letters count 0: Émile Ωμέγα counts M, I, L, E only.
        type(entry->txtMF, QString::fromUtf8("\xC3\x89mile"));
        type(entry->txtML, QString::fromUtf8("\xCE\xA9\xCE\xBC\xCE\xAD\xCE\xB3\xCE\xB1"));
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QVERIFY(result()->Text().startsWith(QStringLiteral("Destiny Compatibility Combination: 3 + 7\r\n\r\n") +
                                            interpretation("37")));
        QTest::mouseClick(result()->cmdBack, Qt::LeftButton);
        settle();

        // 333 letters r and a b sum to 2999: destiny 11, a three-digit key, no text.
        entry->txtMF->setText(QString(333, u'r'));
        type(entry->txtML, QStringLiteral("b"));
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QCOMPARE(result()->Text(), QStringLiteral("Destiny Compatibility Combination: 11 + 7\r\n\r\n\r\n\r\n\r\n\r\n"));
        QTest::mouseClick(result()->cmdBack, Qt::LeftButton);
        settle();

        // A name longer than a 16-bit sum can hold still gives a number.
        entry->txtMF->setText(QString(30000, u'z'));
        QTest::mouseClick(entry->cmdD, Qt::LeftButton);
        QVERIFY(result()->Text().startsWith(QStringLiteral("Destiny Compatibility Combination: 7 + 7\r\n\r\n") +
                                            interpretation("77")));
    }

    void thirtyFirstOfFebruaryIsAccepted()
    {
        Partner john = kJohn;
        john.month = QStringLiteral("February");
        john.year = QStringLiteral("2001"); // 31 + 2 + 2001 = 2034 -> 9
        auto* entry = openFilledEntry(john, kAnna);
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);
        QCOMPARE(m_messages->messages().size(), 0);
        QVERIFY(result()->Text().startsWith(QStringLiteral("LifePath Compatibility Combination: 9 + 6\r\n")));
    }

    void comprehensiveReadingComposesTheWholeDocument()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);

        auto* document = report();
        QVERIFY(document);
        QVERIFY(document->isVisible());
        QVERIFY(!entry->isVisible());
        QVERIFY(!result());
        QVERIFY(m_messages->messages().isEmpty()); // the sections validate again, silently
        QCOMPARE(document->windowTitle(), QStringLiteral("Comprehensive Reading"));
        QCOMPARE(document->RTB->document()->defaultFont().pointSizeF(), 9.0);
        QVERIFY(!document->findChild<QPushButton*>(QStringLiteral("cmdExit")));

        const QString lifePath = interpretation("86");
        const QString destiny = interpretation("47");
        const QString expected = QStringLiteral("Male Information\n"
                                                "Name: John Paul Smith\n"
                                                "Date of Birth: December 31, 1999\n\n"
                                                "Female Information\n"
                                                "Name: Anna  Lee\n"
                                                "Date of Birth: May 5, 1985\n\n"
                                                "LifePath Compatibility Number Combination is 8 + 6\n\n") +
                                 lifePath + QStringLiteral("\n\n\n\nDestiny Compatibility Combination is 4 + 7\n\n") +
                                 destiny + QStringLiteral("\n\n\n\n");
        QCOMPARE(document->RTB->toPlainText(), expected);

        // The partner blocks regular, both sections bold. The regular line breaks after each
        // section are empty lines, which carry no text of either weight.
        const QList<Run> actual = runsOf(*document->RTB->document());
        QCOMPARE(actual.size(), 2);
        QCOMPARE(actual[0], (Run{QStringLiteral("Male Information\nName: John Paul Smith\n"
                                                "Date of Birth: December 31, 1999\n\n"
                                                "Female Information\nName: Anna  Lee\n"
                                                "Date of Birth: May 5, 1985\n\n"),
                                 false}));
        QCOMPARE(actual[1], (Run{QStringLiteral("LifePath Compatibility Number Combination is 8 + 6\n\n") + lifePath +
                                     QStringLiteral("\n\n\n\nDestiny Compatibility Combination is 4 + 7\n\n") +
                                     destiny + QStringLiteral("\n\n\n\n"),
                                 true}));

        // The same document as the logic composes it from the couple entered.
        const ReportRuns all =
            NumerologyReadings::ComprehensiveReport(NumerologyReadings::ComputeNumerology(entry->Couple()));
        std::string composed;
        for (const ReportRun& run : all)
            composed += run.text;
        QCOMPARE(document->RTB->toPlainText(), plain(composed));
        QCOMPARE(actual, expectedRuns(all));

        QTest::mouseClick(document->cmdBack, Qt::LeftButton);
        settle();
        QVERIFY(!report());
        verifyEntries(entry, kJohn, kAnna);

        // A second reading starts from an empty document.
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        QCOMPARE(report()->RTB->toPlainText(), expected);
    }

    void comprehensiveReportWithEmptyInterpretationKeepsItsHeading()
    {
        Partner nobody = kAnna;
        nobody.first = QStringLiteral("1");
        nobody.last = QStringLiteral("2");
        auto* entry = openFilledEntry(kJohn, nobody);
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        QVERIFY(report()->RTB->toPlainText().endsWith(
            QStringLiteral("Destiny Compatibility Combination is 4 + 0\n\n\n\n\n\n")));
        QVERIFY(report()->RTB->toPlainText().contains(QStringLiteral("Name: 1  2\n")));
    }

    void closingTheReportByItsCloseBoxShowsTheEntryScreen()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        report()->close();
        settle();
        QVERIFY(!report());
        verifyEntries(entry, kJohn, kAnna);
    }

    void savedComprehensiveReportReadsBackWithUnrtf()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.saveAs = dir.filePath(QStringLiteral("reading.txt"));
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        QTest::mouseClick(report()->cmdSave, Qt::LeftButton);
        QCOMPARE(dialogs.saveDialogs, 1);
        QCOMPARE(dialogs.lastSaveTitle, QStringLiteral("Save Your Numerology Result ...."));
        QCOMPARE(dialogs.lastSaveFilter, QStringLiteral("Rich Text Format | *.rtf "));
        QCOMPARE(dialogs.lastDefaultSuffix, QStringLiteral("txt"));
        QVERIFY(m_messages->messages().isEmpty());

        QFile saved(dialogs.saveAs);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray rtf = saved.readAll();
        QVERIFY(rtf.startsWith("{\\rtf"));
        QVERIFY(rtf.contains("Name: Anna  Lee")); // no middle name: two spaces

        const std::unique_ptr<QTextDocument> back = ReadRtfBack(dialogs.saveAs);
        // (The reader folds runs of blanks into one.)
        const QString text = back->toPlainText();
        for (const QString& line : {QStringLiteral("Male Information"), QStringLiteral("Name: John Paul Smith"),
                                    QStringLiteral("Date of Birth: December 31, 1999"),
                                    QStringLiteral("Female Information"), QStringLiteral("Name: Anna Lee"),
                                    QStringLiteral("Date of Birth: May 5, 1985"),
                                    QStringLiteral("LifePath Compatibility Number Combination is 8 + 6"),
                                    interpretation("86"), QStringLiteral("Destiny Compatibility Combination is 4 + 7"),
                                    interpretation("47")})
            QVERIFY2(text.contains(line), qPrintable(line));
        QVERIFY(text.indexOf(QStringLiteral("Female Information")) < text.indexOf(QStringLiteral("LifePath")));
        QVERIFY(text.indexOf(QStringLiteral("LifePath")) < text.indexOf(QStringLiteral("Destiny")));

        // Bold as composed: the headings and texts, not the partner blocks.
        bool headingBold = false;
        bool nameBold = true;
        for (QTextBlock block = back->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const bool bold = it.fragment().charFormat().fontWeight() >= QFont::DemiBold;
                if (it.fragment().text().contains(QStringLiteral("LifePath Compatibility Number")))
                    headingBold = bold;
                if (it.fragment().text().contains(QStringLiteral("John Paul Smith")))
                    nameBold = bold;
            }
        }
        QVERIFY(headingBold);
        QVERIFY(!nameBold);

        // Cancelling writes nothing and says nothing.
        QVERIFY(QFile::remove(dialogs.saveAs));
        dialogs.saveAs.clear();
        QTest::mouseClick(report()->cmdSave, Qt::LeftButton);
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("reading.txt"))));
        QVERIFY(m_messages->messages().isEmpty());
    }

    void comprehensiveReportPrintsThroughTheDialogToPdf()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.pdfPath = dir.filePath(QStringLiteral("reading.pdf"));
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        QTest::mouseClick(report()->cmdPrint, Qt::LeftButton);
        QCOMPARE(dialogs.printDialogs, 1);
        QCOMPARE(dialogs.directPrints, 0);
        QVERIFY(!dialogs.lastSelectionOffered);
        const QString text = PdfText(dialogs.pdfPath).simplified();
        for (const QString& line : {QStringLiteral("Male Information"), QStringLiteral("Name: John Paul Smith"),
                                    QStringLiteral("Date of Birth: May 5, 1985"),
                                    QStringLiteral("LifePath Compatibility Number Combination is 8 + 6"),
                                    QStringLiteral("Destiny Compatibility Combination is 4 + 7")})
            QVERIFY2(text.contains(line), qPrintable(line));
        QVERIFY(text.contains(interpretation("86").left(40)));
    }

    void resultScreenPrintsDirectlyAndSaves()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.pdfPath = dir.filePath(QStringLiteral("result.pdf"));
        dialogs.saveAs = dir.filePath(QStringLiteral("result.txt"));
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);
        auto* shown = result();
        QVERIFY(shown);

        QTest::mouseClick(shown->cmdPrint, Qt::LeftButton);
        QCOMPARE(dialogs.directPrints, 1);
        QCOMPARE(dialogs.printDialogs, 0);
        QVERIFY(PdfText(dialogs.pdfPath).contains(QStringLiteral("LifePath Compatibility Combination: 8 + 6")));

        QTest::mouseClick(shown->cmdSave, Qt::LeftButton);
        QCOMPARE(dialogs.lastSaveTitle, QStringLiteral("Save Your Numerology Result ...."));
        QCOMPARE(dialogs.lastSaveFilter, QStringLiteral("Rich Text Format | *.rtf "));
        QCOMPARE(dialogs.lastDefaultSuffix, QStringLiteral("txt"));
        const std::unique_ptr<QTextDocument> back = ReadRtfBack(dialogs.saveAs);
        QVERIFY(back->toPlainText().contains(QStringLiteral("LifePath Compatibility Combination: 8 + 6")));
        QVERIFY(back->toPlainText().contains(interpretation("86")));
        QVERIFY(shown->isVisible());
    }

    void resultTextKeepsNoSelection()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);
        auto* shown = result();
        QVERIFY(shown);
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
        ReportView* view = shown->txtDisp;
        QWidget* viewport = view->viewport();
        const auto selected = [view] { return view->textCursor().selectedText(); };

        // Dragging across the text.
        const QRect first = view->cursorRect(QTextCursor(view->document()));
        const QPoint from = first.center();
        const QPoint to = from + QPoint(200, 30);
        QTest::mousePress(viewport, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, to, viewport->mapToGlobal(to), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
        QCOMPARE(selected(), QString());

        // Double-click on a word, shift-click.
        const QPoint word = from + QPoint(10, 0);
        QTest::mousePress(viewport, Qt::LeftButton, {}, word);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, word);
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, word);
        QTest::mouseRelease(viewport, Qt::LeftButton, {}, word);
        QCOMPARE(selected(), QString());
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::ShiftModifier, to);
        QCOMPARE(selected(), QString());

        // The keyboard: select all, shift with arrows and End.
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(selected(), QString());
        QTest::keyClick(view, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(selected(), QString());
        QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(selected(), QString());

        // A selection made any other way is gone as soon as the view gets the focus.
        shown->cmdBack->setFocus();
        view->selectAll();
        QVERIFY(!selected().isEmpty());
        view->setFocus();
        QTRY_COMPARE(selected(), QString());
        QCOMPARE(view->contextMenuPolicy(), Qt::NoContextMenu);
    }

    void linksOpenTheirPages()
    {
        auto* entry = openEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->Command3, Qt::LeftButton);
        QTest::mouseClick(entry->Label6, Qt::LeftButton);
        QTest::mouseClick(entry->Label52, Qt::LeftButton);
        QTest::mouseClick(entry->Label61, Qt::LeftButton);
        QCOMPARE(m_urls->urls(), (QList<QUrl>{PageUrl(QStringLiteral("donate")), PageUrl(QStringLiteral("fully-branded")),
                                              PageUrl(QStringLiteral("home-page")), PageUrl(QStringLiteral("home-page"))}));

        fill(entry, kJohn, kAnna);
        m_urls->clear();
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);
        QVERIFY(result());
        QCOMPARE(result()->Label1->text(), QStringLiteral("Display Your Ad Here Permanently. Contact "));
        QVERIFY(!result()->Label2->text().isEmpty());
        QTest::mouseClick(result()->Label61, Qt::LeftButton);
        QTest::mouseClick(result()->cmdBack, Qt::LeftButton);
        settle();
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        QCOMPARE(report()->Label1->text(), QStringLiteral("Display Your Ad Here Permanently. Contact "));
        QTest::mouseClick(report()->Label61, Qt::LeftButton);
        QCOMPARE(m_urls->urls(), (QList<QUrl>{PageUrl(QStringLiteral("home-page")), PageUrl(QStringLiteral("home-page"))}));
    }

    void exitButtonsAndMenuCloseTheEntryScreen()
    {
        for (const QString& how : {QStringLiteral("cmdExit"), QStringLiteral("cmdNav"), QStringLiteral("mnuExit")}) {
            auto* entry = openEntry();
            QVERIFY(entry);
            if (how == QLatin1String("mnuExit"))
                entry->findChild<QAction*>(how)->trigger();
            else
                QTest::mouseClick(entry->findChild<QPushButton*>(how), Qt::LeftButton);
            settle();
            QVERIFY2(!ProgramWindows::Find(Id::frmMainMarriageCompatibility), qPrintable(how));
            QVERIFY(m_main->isWelcomePanelVisible());
        }
    }

    void choosingTheProgramAgainStartsAFreshEntryScreen()
    {
        auto* entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdCR, Qt::LeftButton);
        QVERIFY(report());
        QTest::mouseClick(m_main->cmdSelectOption[2], Qt::LeftButton);
        settle();
        QVERIFY(!report());
        auto* fresh = ProgramWindows::Find<frmMainMarriageCompatibility>(Id::frmMainMarriageCompatibility);
        QVERIFY(fresh);
        QVERIFY(fresh->isVisible());
        QCOMPARE(fresh->txtMF->text(), QString());
        QCOMPARE(fresh->cboMD->currentIndex(), -1);
        QVERIFY(!m_main->isWelcomePanelVisible());

        // Another program closes the whole chain.
        QTest::mouseClick(fresh->cmdLP, Qt::LeftButton);
        fill(fresh, kJohn, kAnna);
        QTest::mouseClick(fresh->cmdLP, Qt::LeftButton);
        QVERIFY(result());
        m_main->CloseProgramWindows();
        settle();
        QVERIFY(!result());
        QVERIFY(!ProgramWindows::Find(Id::frmMainMarriageCompatibility));
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void exitOnTheResultScreenEndsTheProgram()
    {
        // The entry screen deletes itself as the program ends.
        QPointer<frmMainMarriageCompatibility> entry = openFilledEntry();
        QVERIFY(entry);
        QTest::mouseClick(entry->cmdLP, Qt::LeftButton);
        QVERIFY(result());
        QTest::mouseClick(result()->cmdExit, Qt::LeftButton);
        QVERIFY(!entry->isVisible());
        settle();
        QVERIFY(!result());
        QVERIFY(!entry);
        QVERIFY(!m_main->isVisible());
    }
};

QTEST_MAIN(NumerologyScreensTests)
#include "tst_numerology_screens.moc"
