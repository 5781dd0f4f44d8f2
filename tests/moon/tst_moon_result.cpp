// The moon result screen and report: what the screen shows for a pair, its two panels,
// buttons and menus, the clipboard guard, and the report composed from it, saved and
// printed.
#include "moon/MoonWindows.h"
#include "moon/MoonPairTable.h"
#include "moon/MoonCouple.h"
#include "moon/modMoonSignWestern.h"
#include "moon/frmMainMoonSignCompatibility.h"
#include "moon/frmMoonSign.h"
#include "moon/frmSaveMoonSign.h"
#include "report/ReportWindow.h"
#include "shell/ClickableLabel.h"
#include "shell/modHelp.h"
#include "tests/support/GuiTestSupport.h"
#include "tests/support/ReportTestSupport.h"
#include "shell/SignPictures.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include "report/ReportView.h"

#include <tuple>

namespace {

const QColor kRed(255, 0, 0);
const QColor kDarkRed(128, 0, 0);
const QColor kBlack(0, 0, 0);

struct Run {
    QString text;
    bool bold;
    QColor colour;
    bool operator==(const Run& other) const
    {
        return text == other.text && bold == other.bold && colour == other.colour;
    }
};

// One line of the report: its runs, neighbours of equal style merged.
using Line = QList<Run>;

QList<Line> linesOf(const QTextDocument& document)
{
    QList<Line> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Line line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            const Run run{it.fragment().text(), format.fontWeight() >= QFont::DemiBold, format.foreground().color()};
            if (!line.isEmpty() && line.last().bold == run.bold && line.last().colour == run.colour)
                line.last().text += run.text;
            else
                line.append(run);
        }
        lines.append(line);
    }
    return lines;
}

char* describe(const QList<Line>& lines)
{
    QString text;
    for (const Line& line : lines) {
        for (const Run& run : line)
            text += QStringLiteral("[%1%2 %3]").arg(run.bold ? "b " : "", run.colour.name(), run.text.left(40));
        text += u'\n';
    }
    return qstrdup(text.toUtf8().constData());
}

QString std2q(const std::string& text)
{
    return QString::fromStdString(text);
}

struct Entry {
    QString nameM, nameF;
    int dayM, monthM, yearM;
    int dayF, monthF, yearF;
};

} // namespace

namespace QTest {
template <>
[[maybe_unused]] char* toString(const QList<Line>& lines)
{
    return describe(lines);
}
} // namespace QTest

class MoonResultTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
    }

    void init()
    {
        m_main = MakeMainWindow(RegisterMoonWindows);
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    void cleanup()
    {
        m_messages.clear();
        m_main.reset();
    }

    void pairExamplesOnTheInterpretationPanel_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("percentage");
        QTest::addColumn<QString>("rating");
        QTest::newRow("Aries with Aries") << "Aries" << "Aries" << "30" << "A Difficult Match";
        QTest::newRow("Leo with Leo") << "Leo" << "Leo" << "10" << "A Poor Match";
        QTest::newRow("Virgo with Virgo") << "Virgo" << "Virgo" << "10" << "A Poor Match";
        QTest::newRow("Taurus with Virgo") << "Taurus" << "Virgo" << "100" << "An Excellent Match";
        QTest::newRow("Aries with Taurus") << "Aries" << "Taurus" << "60" << "An Easy Match";
        QTest::newRow("Taurus with Aries") << "Taurus" << "Aries" << "70" << "A Great Match";
        QTest::newRow("Gemini with Scorpio") << "Gemini" << "Scorpio" << "40" << "A Difficult Match";
        QTest::newRow("Pisces with Taurus") << "Pisces" << "Taurus" << "40" << "A Difficult Match";
    }

    void pairExamplesOnTheInterpretationPanel()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, percentage);
        QFETCH(QString, rating);
        frmMoonSign* result = openResultFor(first, second);
        QCOMPARE(result->Label2->text(), QStringLiteral("Compatibility of  ") + first + QStringLiteral(" With ") + second);
        QCOMPARE(result->lblPercentage->text(), percentage);
        QCOMPARE(result->lblComment->text(), rating);
        // Both orders of a pair read the same interpretation.
        const std::string key = (first + u'-' + second).toStdString();
        const std::string reversed = (second + u'-' + first).toStdString();
        QCOMPARE(result->lblDescription->text(), QString::fromUtf8(modMoonSignWestern::MoonPairText(key).data()));
        QCOMPARE(result->lblDescription->text(), QString::fromUtf8(modMoonSignWestern::MoonPairText(reversed).data()));
        QCOMPARE(result->txtMoonM->text(), first);
        QCOMPARE(result->txtMoonF->text(), second);
        QCOMPARE(result->picMaleMoonSign->pictureKey(), first);
        QCOMPARE(result->picFemaleMoonSign->pictureKey(), second);
        QCOMPARE(std2q(result->result().Pair.Percentage), percentage);
        QCOMPARE(std2q(result->result().Pair.Rating), rating);
    }

    void signPicturesInAlphabeticalOrder()
    {
        frmMoonSign* result = openResultFor(QStringLiteral("Aries"), QStringLiteral("Virgo"));
        const MoonSignImageList& list = result->imgMaleMoonSign;
        QCOMPARE(list.count(), 12);
        const QStringList expected{"Aquarius", "Aries", "Cancer",  "Capricorn",   "Gemini", "Leo",
                                   "Libra",    "Pisces", "Sagittarius", "Scorpio", "Taurus", "Virgo"};
        for (int i = 1; i <= 12; ++i) {
            QCOMPARE(list.key(i), expected[i - 1]);
            QVERIFY2(list.pictures().find(list.key(i)), qPrintable(list.key(i)));
        }
        QCOMPARE(list.indexOf(QStringLiteral("Aries")), 2);
        QCOMPARE(list.indexOf(QStringLiteral("Virgo")), 12);
        QCOMPARE(list.indexOf(QStringLiteral("aries")), 0);
        QCOMPARE(list.key(0), QString());
        QCOMPARE(list.key(13), QString());
        QVERIFY(!result->picMaleMoonSign->pixmap().isNull());
    }

    void namesThatAreNoSignsKeepTheDesignPictures()
    {
        frmMoonSign* result = openResultFor(QString(), QStringLiteral("Leo"));
        QCOMPARE(result->picMaleMoonSign->pictureKey(), QString());
        QCOMPARE(result->picFemaleMoonSign->pictureKey(), QStringLiteral("Leo"));
        QCOMPARE(result->lblPercentage->text(), QString());
        QCOMPARE(result->lblComment->text(), QString());
        QCOMPARE(result->lblDescription->text(), QString());
    }

    void twoPanelsAndTheirButtons()
    {
        frmMoonSign* result = openResultFor(QStringLiteral("Aries"), QStringLiteral("Leo"));
        QCOMPARE(result->windowTitle(), QStringLiteral("Zel Moon Sign Compatibility"));
        QCOMPARE(result->cmdMoonCompatibilityAnalysis->text(), QStringLiteral("Moon Sign Compatibility Analysis"));
        QCOMPARE(result->cmdBirthDetails->text(), QStringLiteral("Birth Details"));
        QCOMPARE(result->cmdBack->text(), QStringLiteral("&Back"));
        QCOMPARE(result->cmdPrint->text(), QStringLiteral("&Print"));
        QCOMPARE(result->Frame1->title(), QStringLiteral("Personal Details"));
        QCOMPARE(result->Frame2->title(), QStringLiteral("Moon Sign Compatibility Interpretation"));
        QCOMPARE(result->fraUserM->title(), QStringLiteral("Your Moon Sign"));
        QCOMPARE(result->fraUserF->title(), QStringLiteral("Your Partner's Moon Sign"));
        QCOMPARE(result->Label1->text(), QStringLiteral("Percentage Of Compatibility"));
        QCOMPARE(result->Label3->text(), QStringLiteral("Detailed Analysis"));

        QVERIFY(result->Frame2->isVisible());
        QVERIFY(!result->Frame1->isVisible());
        QTest::mouseClick(result->cmdBirthDetails, Qt::LeftButton);
        QVERIFY(result->Frame1->isVisible());
        QVERIFY(!result->Frame2->isVisible());
        QCOMPARE(result->Frame1->geometry(), result->Frame2->geometry());
        QTest::mouseClick(result->cmdMoonCompatibilityAnalysis, Qt::LeftButton);
        QVERIFY(result->Frame2->isVisible());
        QVERIFY(!result->Frame1->isVisible());
    }

    void detailBoxesAreReadOnlyWithTheirCaptions()
    {
        frmMoonSign* result = openResultFor(QStringLiteral("Aries"), QStringLiteral("Leo"));
        QTest::mouseClick(result->cmdBirthDetails, Qt::LeftButton);
        const QStringList captions{"Name", "Date of Birth", "Time Of Birth", "City", "State", "Country", "Moon Sign"};
        const QStringList names{"txtUser", "txtDOB", "txtTOB", "txtCity", "txtState", "txtCountry", "txtMoon"};
        for (const QString suffix : {"M", "F"}) {
            for (int i = 0; i < 7; ++i) {
                auto* box = result->findChild<QLineEdit*>(names[i] + suffix);
                QVERIFY2(box, qPrintable(names[i] + suffix));
                QVERIFY(box->isReadOnly());
                QLabel* caption = nullptr;
                for (QLabel* label : result->findChildren<QLabel*>())
                    if (label->buddy() == box)
                        caption = label;
                QVERIFY(caption);
                QCOMPARE(caption->text(), captions[i]);
                const bool moonBox = names[i] == QLatin1String("txtMoon");
                QCOMPARE(box->font().bold(), moonBox);
                if (moonBox)
                    QCOMPARE(box->palette().color(QPalette::Text), kDarkRed);
            }
        }
        const QString before = result->txtUserM->text();
        result->txtUserM->setFocus();
        QTest::keyClicks(result->txtUserM, QStringLiteral("xyz"));
        QCOMPARE(result->txtUserM->text(), before);
    }

    void actingOnADetailBoxEmptiesTheClipboard()
    {
        frmMoonSign* result = openResultFor(QStringLiteral("Aries"), QStringLiteral("Leo"));
        QTest::mouseClick(result->cmdBirthDetails, Qt::LeftButton);
        QClipboard* clipboard = QApplication::clipboard();

        clipboard->setText(QStringLiteral("secret"));
        QTest::mouseMove(result->txtUserM);
        QTest::mouseMove(result->txtUserM, QPoint(5, 5));
        QCOMPARE(clipboard->text(), QString());

        clipboard->setText(QStringLiteral("secret"));
        QTest::mousePress(result->txtMoonF, Qt::LeftButton);
        QCOMPARE(clipboard->text(), QString());
        clipboard->setText(QStringLiteral("secret"));
        QTest::mouseRelease(result->txtMoonF, Qt::LeftButton);
        QCOMPARE(clipboard->text(), QString());

        clipboard->setText(QStringLiteral("secret"));
        result->txtCountryF->setText(QStringLiteral("ITALY"));
        QCOMPARE(clipboard->text(), QString());

        // On X11 the mouse selection goes too (this test also runs on a virtual X display).
        QCOMPARE(clipboard->supportsSelection(), QGuiApplication::platformName() == QLatin1String("xcb"));
        if (clipboard->supportsSelection()) {
            clipboard->setText(QStringLiteral("secret"), QClipboard::Selection);
            QTest::mousePress(result->txtMoonF, Qt::LeftButton);
            QTest::mouseRelease(result->txtMoonF, Qt::LeftButton);
            QTRY_COMPARE(clipboard->text(QClipboard::Selection), QString());
        }

        // Elsewhere on the screen the clipboard is left alone.
        clipboard->setText(QStringLiteral("kept"));
        QTest::mouseMove(result->cmdBack);
        QTest::mouseClick(result->cmdBirthDetails, Qt::LeftButton);
        QCOMPARE(clipboard->text(), QStringLiteral("kept"));
    }

    void menusOfTheResultScreen()
    {
        frmMoonSign* result = openResultFor(QStringLiteral("Aries"), QStringLiteral("Leo"));
        QStringList bar;
        for (QAction* action : m_main->menuBar()->actions())
            bar.append(action->text());
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online"}));
        QStringList file;
        for (QAction* action : m_main->menuBar()->actions().first()->menu()->actions())
            file.append(action->objectName() + u'=' + action->text());
        QCOMPARE(file, (QStringList{"mnuPrint=Print", "mnuBack=&Back", "mnuExit=Exit"}));
        QVERIFY(!result->findChild<QAction*>(QStringLiteral("mnuMakeMoney"))->isEnabled());

        UrlCapture urls;
        result->findChild<QAction*>(QStringLiteral("mnuDonate"))->trigger();
        QTest::mouseClick(result->Label5, Qt::LeftButton);
        QTest::mouseClick(result->Label52, Qt::LeftButton);
        QTest::mouseClick(result->Label61, Qt::LeftButton);
        QCOMPARE(urls.urls(), (QList<QUrl>{PageUrl(PageKey::Donate), PageUrl(PageKey::HomePage),
                                           PageUrl(PageKey::FullyBranded), PageUrl(PageKey::HomePage)}));

        result->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMoonSign));
        QVERIFY(m_main->isWelcomePanelVisible());
        QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
    }

    void backOpensAFreshEntryScreen_data()
    {
        QTest::addColumn<bool>("fromMenu");
        QTest::newRow("button") << false;
        QTest::newRow("menu") << true;
    }

    void backOpensAFreshEntryScreen()
    {
        QFETCH(bool, fromMenu);
        frmMoonSign* result = calculate({"john", "mary", 1, 0, 1950, 21, 2, 1990});
        QPointer<frmMoonSign> watched = result;
        if (fromMenu)
            result->findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        else
            QTest::mouseClick(result->cmdBack, Qt::LeftButton);
        QTRY_VERIFY(!watched);
        auto* entry = ProgramWindows::Find<frmMainMoonSignCompatibility>(ProgramWindowId::frmMainMoonSignCompatibility);
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(entry->txtMName->text(), QString());
        QCOMPARE(entry->txtMCity->text(), QString());
        QCOMPARE(entry->cboMYear->currentText(), QStringLiteral("1906"));
        QVERIFY(!entry->optMNorth->isChecked());
    }

    void printOpensTheReportInFrontOfTheResult()
    {
        frmMoonSign* result = calculate({"john", "mary", 1, 0, 1950, 21, 2, 1990});
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        auto* report = ProgramWindows::Find<frmSaveMoonSign>(ProgramWindowId::frmSaveMoonSign);
        QVERIFY(report);
        QVERIFY(report->isVisible());
        QVERIFY(result->isVisible());
        QCOMPARE(m_main->mdiArea()->activeSubWindow(), report);
        QCOMPARE(report->windowTitle(), QStringLiteral("Zel Moon Sign Compatibility"));
        QCOMPARE(report->cmdSave->text(), QStringLiteral("&Save"));
        QCOMPARE(report->cmdPrint->text(), QStringLiteral("&Print"));
        for (const char* name : {"Label7", "Label1", "Label14"})
            QVERIFY(report->findChild<ClickableLabel*>(QLatin1String(name)));
        QCOMPARE(report->RTB->document()->defaultFont().pointSizeF(), 9.75);
        QCOMPARE(report->RTB->document()->defaultFont().family(), QStringLiteral("Verdana"));

        QPointer<frmSaveMoonSign> watched = report;
        report->close();
        QTRY_VERIFY(!watched);
        QVERIFY(result->isVisible());
        QCOMPARE(m_main->mdiArea()->activeSubWindow(), result);
        QVERIFY(!m_main->isWelcomePanelVisible());

        result->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        QVERIFY(ProgramWindows::Find(ProgramWindowId::frmSaveMoonSign));
    }

    void reportRunsInOrder()
    {
        frmMoonSign* result = calculate({"john", "  ", 1, 0, 1950, 21, 2, 1990});
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        auto* report = ProgramWindows::Find<frmSaveMoonSign>(ProgramWindowId::frmSaveMoonSign);
        QVERIFY(report);

        const auto heading = [](const QString& text) { return Line{{text, true, kRed}}; };
        const auto pair = [](const QString& label, const QString& value) {
            Line line{{label, false, kDarkRed}};
            if (!value.isEmpty())
                line.append({value, false, kBlack});
            return line;
        };
        const QString interpretation = QString::fromUtf8(modMoonSignWestern::MoonPairText("Leo-Aquarius").data());
        const QList<Line> content{
            heading("Your Moon Sign Details"),
            pair("Name :", "JOHN"),
            pair("Date of Birth :", "January 1, 1950"),
            pair("Time of Birth :", "0:0:0"),
            pair("City :", "PARIS"),
            pair("State :", "ILE DE FRANCE"),
            pair("Country :", "FRANCE"),
            pair("Moon Sign :", "Leo"),
            heading("Your Partner's Moon Sign Details"),
            pair("Name :", ""),
            pair("Date of Birth :", "March 21, 1990"),
            pair("Time of Birth :", "0:0:0"),
            pair("City :", "NICE"),
            pair("State :", "PROVENCE"),
            pair("Country :", "ITALY"),
            pair("Moon Sign :", "Aquarius"),
            heading("Moon Sign Compatibility Interpretation"),
            pair("Percentage of Compatibility :", "70"),
            pair("Compatibility of Leo With Aquarius:", "A Great Match"),
        };
        QList<Line> expected;
        for (const Line& line : content) {
            expected.append(line);
            expected.append(Line{}); // each heading and value is followed by a blank line
        }
        expected.append(pair("Detailed Analysis", interpretation));
        expected.append(Line{}); // and the interpretation by a single line break
        QCOMPARE(linesOf(*report->RTB->document()), expected);

        // Opening the report again for the same result gives the same document.
        const QString first = report->RTB->document()->toHtml();
        QPointer<frmSaveMoonSign> watched = report;
        report->close();
        QTRY_VERIFY(!watched);
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        report = ProgramWindows::Find<frmSaveMoonSign>(ProgramWindowId::frmSaveMoonSign);
        QVERIFY(report);
        QCOMPARE(report->RTB->document()->toHtml(), first);

        // The same report from the result alone, without any of the screen's boxes.
        const MoonResult value = result->result();
        m_main->CloseProgramWindows();
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMoonSign));
        QTextEdit view;
        ComposeMoonReport(&view, value);
        QCOMPARE(linesOf(*view.document()), expected);
    }

    void fromTheMainWindowToASavedAndAPrintedReport()
    {
        QTemporaryDir dir;
        FakeReportDialogs dialogs;
        dialogs.saveAs = dir.filePath(QStringLiteral("moon report.txt"));
        dialogs.pdfPath = dir.filePath(QStringLiteral("moon report.pdf"));

        frmMoonSign* result = calculate({"john", "mary", 1, 0, 1950, 21, 2, 1990});
        QTest::mouseClick(result->cmdBirthDetails, Qt::LeftButton);
        QVERIFY(result->Frame1->isVisible());
        QTest::mouseClick(result->cmdMoonCompatibilityAnalysis, Qt::LeftButton);
        QVERIFY(result->Frame2->isVisible());
        QTest::mouseClick(result->cmdPrint, Qt::LeftButton);
        auto* report = ProgramWindows::Find<frmSaveMoonSign>(ProgramWindowId::frmSaveMoonSign);
        QVERIFY(report);

        QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        QCOMPARE(dialogs.saveDialogs, 1);
        QCOMPARE(dialogs.lastSaveTitle, QStringLiteral("Zel Compatibility"));
        QCOMPARE(dialogs.lastSaveFilter, QStringLiteral("Rich Text Format | *.rtf "));
        QCOMPARE(dialogs.lastDefaultSuffix, QStringLiteral("txt"));
        QVERIFY(m_messages.messages().isEmpty());
        const auto saved = ReadRtfBack(dialogs.saveAs);
        const QStringList savedLines = saved->toPlainText().split(u'\n');
        for (const QString line : {"Your Moon Sign Details", "Name :JOHN", "Date of Birth :January 1, 1950",
                                   "Moon Sign :Leo", "Your Partner's Moon Sign Details", "Name :MARY",
                                   "Moon Sign :Aquarius", "Moon Sign Compatibility Interpretation",
                                   "Percentage of Compatibility :70",
                                   "Compatibility of Leo With Aquarius:A Great Match"})
            QVERIFY2(savedLines.contains(line), qPrintable(line));
        QVERIFY(saved->toPlainText().simplified().contains(
            QStringLiteral("Detailed Analysis") +
            QString::fromUtf8(modMoonSignWestern::MoonPairText("Leo-Aquarius").data()).simplified().left(60)));

        QTest::mouseClick(report->cmdPrint, Qt::LeftButton);
        QCOMPARE(dialogs.printDialogs, 1);
        const QString printed = PdfText(dialogs.pdfPath);
        for (const QString text : {"Your Moon Sign Details", "Name :JOHN", "Time of Birth :0:0:0",
                                   "Country :ITALY", "Percentage of Compatibility :70",
                                   "Compatibility of Leo With Aquarius:A Great Match"})
            QVERIFY2(printed.contains(text), qPrintable(text));
        QVERIFY(result->isVisible());
    }

private:
    // A partner born on a day whose moon sign is sign; no sign for a year outside the tables.
    static MoonPartner bornUnder(const QString& sign)
    {
        MoonPartner partner;
        partner.Year = modMoonsign::FirstYear - 1;
        for (int year = 1950; year < 1953 && !sign.isEmpty(); ++year) {
            for (int month = 0; month < 12; ++month) {
                for (int day = 1; day <= 28; ++day) {
                    if (modMoonSignWestern::SignName(modMoonsign::FindMoonSign(day, month, year)) == sign.toStdString()) {
                        std::tie(partner.Day, partner.Month, partner.Year) = std::tuple(day, month, year);
                        return partner;
                    }
                }
            }
        }
        return partner;
    }

    // Opens the result screen for a couple born under two moon sign names.
    frmMoonSign* openResultFor(const QString& signM, const QString& signF)
    {
        const MoonCouple couple{bornUnder(signM), bornUnder(signF)};
        auto* result = ProgramWindows::Open<frmMoonSign>(ProgramWindowId::frmMoonSign,
                                                         [&couple](frmMoonSign& screen) { screen.ShowResult(couple); });
        ProgramWindows::SetWelcomePanelVisible(false); // as the entry screen leaves it
        [&] { QVERIFY(result); }();
        return result;
    }

    // Goes from the main window's moon sign button through the entry screen to the result.
    frmMoonSign* calculate(const Entry& entry)
    {
        QTest::mouseClick(m_main->cmdSelectOption[1], Qt::LeftButton);
        auto* e = ProgramWindows::Find<frmMainMoonSignCompatibility>(ProgramWindowId::frmMainMoonSignCompatibility);
        if (!e)
            return nullptr;
        const QList<QPair<QLineEdit*, QString>> fields{
            {e->txtMName, entry.nameM}, {e->txtMLD, "48"},          {e->txtMLM, "51"},
            {e->txtMLoD, "2"},          {e->txtMLoM, "21"},         {e->txtMCity, "paris"},
            {e->txtMState, "ile de france"}, {e->txtMCountry, "france"}, {e->txtFName, entry.nameF},
            {e->txtFLD, "45"},          {e->txtFLM, "4"},           {e->txtFLoD, "7"},
            {e->txtFLoM, "40"},         {e->txtFCity, "nice"},      {e->txtFState, "provence"},
            {e->txtFCountry, "italy"},
        };
        for (const auto& [field, text] : fields) {
            field->setFocus();
            QTest::keyClicks(field, text);
        }
        QTest::mouseClick(e->optMNorth, Qt::LeftButton);
        QTest::mouseClick(e->optMEast, Qt::LeftButton);
        QTest::mouseClick(e->optFNorth, Qt::LeftButton);
        QTest::mouseClick(e->optFEast, Qt::LeftButton);
        e->cboMDate->setCurrentIndex(entry.dayM - 1);
        e->cboMMonth->setCurrentIndex(entry.monthM);
        e->cboMYear->setCurrentText(QString::number(entry.yearM));
        e->cboFDate->setCurrentIndex(entry.dayF - 1);
        e->cboFMonth->setCurrentIndex(entry.monthF);
        e->cboFYear->setCurrentText(QString::number(entry.yearF));
        QTest::mouseClick(e->cmdCalculate, Qt::LeftButton);
        return ProgramWindows::Find<frmMoonSign>(ProgramWindowId::frmMoonSign);
    }

    std::unique_ptr<frmMDI> m_main;
    MessageLog m_messages;
};

QTEST_MAIN(MoonResultTests)
#include "tst_moon_result.moc"
