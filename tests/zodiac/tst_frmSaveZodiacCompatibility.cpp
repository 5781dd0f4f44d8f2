// The zodiac report: every run's text, weight and colour, line by line, for the pairs
// worth checking; the window around it; and the file it saves.
#include "zodiac/ZodiacWindows.h"
#include "tests/support/ScreenTest.h"
#include "tests/support/ReportTestSupport.h"
#include "tests/zodiac/ZodiacDriver.h"
#include "content/SunSignPairTexts.h"
#include "report/ReportComposer.h"
#include "zodiac/ZodiacCouple.h"
#include "zodiac/ZodiacReport.h"
#include "zodiac/modSunSign.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>

#include <memory>
#include "report/ReportView.h"

namespace {

struct Run {
    QString text;
    bool bold;
    QColor colour;

    bool operator==(const Run& other) const
    {
        return text == other.text && bold == other.bold && colour == other.colour;
    }
};

using Line = QList<Run>;

char* toString(const Line& line)
{
    QStringList parts;
    for (const Run& run : line)
        parts << QStringLiteral("[%1%2 %3]").arg(run.bold ? "bold " : "", run.colour.name(), run.text.left(40));
    return qstrdup(qPrintable(parts.join(u' ')));
}

const QColor Magenta(128, 0, 128);
const QColor Cyan(0, 128, 128);
const QColor Black(0, 0, 0);

// The document as lines (blocks) of runs (fragments), exactly as composed.
QList<Line> linesOf(const QTextDocument& document)
{
    QList<Line> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        Line line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            line.append({it.fragment().text(), format.fontWeight() >= QFont::DemiBold, format.foreground().color()});
        }
        lines.append(line);
    }
    return lines;
}

QString q(const std::string& text)
{
    return QString::fromStdString(text);
}

QString pairText(const std::string& key)
{
    for (const content::KeyedText& entry : content::SunSignPairTexts) {
        if (entry.key == key)
            return QString::fromUtf8(entry.text.data(), qsizetype(entry.text.size()));
    }
    return {};
}

// One partner's section as the report should read it.
QList<Line> profileSection(const QString& heading, const std::string& sign)
{
    modSunSign::SunSignProfile p;
    modSunSign::GetSunSignProfile(sign, p);
    const std::pair<const char*, std::string> rows[11] = {
        {"Element: ", p.Element},
        {"Rulling Planet: ", p.RulingPlanet},
        {"Positive Traits: ", p.PositiveTraits},
        {"Negative Traits: ", p.NegativeTraits},
        {"Lucky Number: ", p.LuckyNumber},
        {"Lucky Color: ", p.LuckyColor},
        {"Lucky Day: ", p.LuckyDay},
        {"Compatibility: ", p.Compatibility},
        {"Famous Person Born In This Sign: ", p.FamousPersons},
        {"Birth Stone: ", p.BirthStone},
        {"Quality: ", p.Quality},
    };
    QList<Line> lines{{{heading, true, Magenta}}};
    for (const auto& [caption, value] : rows)
        lines.append({{QString::fromLatin1(caption), false, Cyan}, {q(value), false, Black}});
    lines.append(Line{}); // blank line
    return lines;
}

QList<Line> expectedReport(const std::string& signM, const std::string& signF, const QString& percentage,
                           const QString& words)
{
    QList<Line> lines = profileSection(QStringLiteral("Your Sun Sign Details"), signM);
    lines += profileSection(QStringLiteral("Your Partner's Sun Sign Details"), signF);
    lines.append({{QStringLiteral("You And Your Partner's Sun Sign Compatibility"), true, Magenta}});
    Line match{{QStringLiteral("You Have A Match Of: "), false, Cyan}};
    if (!percentage.isEmpty())
        match.append({percentage, false, Black});
    lines.append(match);
    lines.append({{words, false, Cyan}});
    lines.append(Line{});
    lines.append({{QStringLiteral("You And Your Partner: %1 And %2").arg(q(signM), q(signF)), false, Cyan}});
    lines.append({{pairText(signM + "-" + signF), false, Black}});
    return lines;
}

ZodiacPartner under(const char* month, const char* day)
{
    return BornOn(QStringLiteral("Someone"), QString::fromLatin1(month), QString::fromLatin1(day));
}

} // namespace

class ZodiacReportTest : public QObject, private ScreenTest {
    Q_OBJECT

private:

    frmSaveZodiacCompatibility* openReport(const ZodiacPartner& you, const ZodiacPartner& partner)
    {
        frmSunSignZodiacCompatibility* result = OpenZodiacResult(*m_main, you, partner);
        if (!result)
            return nullptr;
        QTest::mouseClick(result->cmdSave, Qt::LeftButton);
        Settle();
        return ZodiacReport();
    }

    void compareLines(const QList<Line>& actual, const QList<Line>& expected)
    {
        QCOMPARE(actual.size(), expected.size());
        for (qsizetype i = 0; i < expected.size(); ++i) {
            const std::unique_ptr<char[]> got(toString(actual[i])), wanted(toString(expected[i]));
            QVERIFY2(actual[i] == expected[i], qPrintable(QStringLiteral("line %1: %2 instead of %3")
                                                              .arg(i)
                                                              .arg(QString::fromLocal8Bit(got.get()),
                                                                   QString::fromLocal8Bit(wanted.get()))));
        }
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

    void ariesWithLeoRunByRun()
    {
        frmSaveZodiacCompatibility* report = openReport(under("April", "2"), under("August", "15"));
        QVERIFY(report);
        compareLines(linesOf(*report->RTB->document()),
                     expectedReport("Aries", "Leo", QStringLiteral("60%"), QStringLiteral("An Easy Match")));
        // Each line break (CR LF in the composed text) starts a paragraph of its own.
        QStringList paragraphs;
        for (QTextBlock block = report->RTB->document()->begin(); block.isValid(); block = block.next())
            paragraphs.append(block.text());
        const qsizetype match = paragraphs.indexOf(QStringLiteral("You Have A Match Of: 60%"));
        QVERIFY(match > 0);
        QCOMPARE(paragraphs.mid(match + 1, 3), (QStringList{QStringLiteral("An Easy Match"), QString(),
                                                           QStringLiteral("You And Your Partner: Aries And Leo")}));
    }

    void twoGeminisHaveAnEmptyMatchLine()
    {
        frmSaveZodiacCompatibility* report = openReport(under("June", "1"), under("May", "30"));
        QVERIFY(report);
        const QList<Line> lines = linesOf(*report->RTB->document());
        compareLines(lines, expectedReport("Gemini", "Gemini", QString(),
                                           QStringLiteral("A Special Match - This could be a Great Match or a "
                                                          "Difficult Match")));
        const int matchLine = 27;
        QCOMPARE(lines[matchLine], (Line{{QStringLiteral("You Have A Match Of: "), false, Cyan}}));
    }

    void theDirectionOfThePairCounts()
    {
        frmSaveZodiacCompatibility* report = openReport(under("August", "15"), under("April", "2"));
        QVERIFY(report);
        compareLines(linesOf(*report->RTB->document()),
                     expectedReport("Leo", "Aries", QStringLiteral("100%"), QStringLiteral("An Excellent Match")));
    }

    void aReportFromTheResultReadsWhatTheScreenShowed_data()
    {
        QTest::addColumn<QString>("monthM");
        QTest::addColumn<QString>("dayM");
        QTest::addColumn<QString>("monthF");
        QTest::addColumn<QString>("dayF");
        QTest::newRow("Pisces with Cancer") << "March" << "1" << "July" << "1";
        QTest::newRow("two Geminis") << "June" << "1" << "May" << "30";
        QTest::newRow("Capricorn with Aries") << "January" << "1" << "April" << "2";
    }

    void aReportFromTheResultReadsWhatTheScreenShowed()
    {
        QFETCH(QString, monthM);
        QFETCH(QString, dayM);
        QFETCH(QString, monthF);
        QFETCH(QString, dayF);
        const ZodiacPartner you = BornOn(QStringLiteral("Ann"), monthM, dayM);
        const ZodiacPartner partner = BornOn(QStringLiteral("Bob"), monthF, dayF);
        frmSunSignZodiacCompatibility* screen = OpenZodiacResult(*m_main, you, partner);
        QVERIFY(screen);
        const ZodiacResult result = screen->result();
        // What the user saw: each profile box in report order, the signs, the match and the reading.
        QStringList shown;
        for (const auto& c : {screen->partnerM(), screen->partnerF()})
            shown << c.txtElement->text() << c.txtRulingPlanet->text() << c.txtPositiveTraits->toPlainText()
                  << c.txtNegativeTraits->toPlainText() << c.txtLuckyNumber->text() << c.txtLuckyColor->text()
                  << c.txtLuckyDay->text() << c.txtCompatibility->text() << c.txtFamousPersons->toPlainText()
                  << c.txtBirthStone->text() << c.txtQuality->text();
        shown << screen->lblMatchPercentage->text() << screen->lblMatchComment->text()
              << QStringLiteral("You And Your Partner: %1 And %2").arg(screen->lblSunSignM->text(),
                                                                       screen->lblSunSignF->text())
              << screen->lblMatchDescription->text();
        m_main->CloseProgramWindows();
        Settle();
        QVERIFY(!ZodiacResultScreen());

        QTextEdit view;
        ComposeZodiacReport(&view, result);
        const QList<Line> lines = linesOf(*view.document());
        QCOMPARE(lines.size(), 32);
        const auto text = [&lines](int line) {
            QString all;
            for (const Run& run : lines[line])
                all += run.text;
            return all;
        };
        for (int row = 0; row < 11; ++row) {
            QCOMPARE(text(1 + row).mid(lines[1 + row].first().text.size()), shown[row]);
            QCOMPARE(text(14 + row).mid(lines[14 + row].first().text.size()), shown[11 + row]);
        }
        // The screen's "You Have A Match Of 60%" or, for a special match, no percentage at all.
        QVERIFY(shown[22].endsWith(text(27).mid(21)));
        QCOMPARE(text(28), shown[23]);
        QCOMPARE(text(30), shown[24]);
        QCOMPARE(text(31), shown[25]);
    }

    void composingLeavesOutWhatIsEmptyAndTakesTextAsText()
    {
        ZodiacResult result;
        result.ProfileF.Element = "<b>plain</b> & {braces}";
        result.Match.RatingWords = "Words";
        result.Match.PairText = "Reading.";
        result.SignM = "Aries";
        QTextEdit view;
        ComposeZodiacReport(&view, result);
        const QList<Line> lines = linesOf(*view.document());
        QCOMPARE(lines.size(), 32);
        QCOMPARE(lines[1], (Line{{QStringLiteral("Element: "), false, Cyan}}));
        QCOMPARE(lines[14], (Line{{QStringLiteral("Element: "), false, Cyan},
                                  {QStringLiteral("<b>plain</b> & {braces}"), false, Black}}));
        QCOMPARE(lines[27], (Line{{QStringLiteral("You Have A Match Of: "), false, Cyan}}));
        QCOMPARE(lines[30], (Line{{QStringLiteral("You And Your Partner: Aries And "), false, Cyan}}));
        QCOMPARE(lines[31], (Line{{QStringLiteral("Reading."), false, Black}}));
    }

    void theWindowAroundTheReport()
    {
        // On a screen with room, the window takes its designed size.
        m_main->resize(1400, 1000);
        frmSaveZodiacCompatibility* report = openReport(under("April", "2"), under("August", "15"));
        QVERIFY(report);
        QCOMPARE(report->windowTitle(), QStringLiteral("Zel Zodiac Compatibility"));
        QCOMPARE(report->objectName(), QStringLiteral("frmSaveZodiacCompatibility"));
        QCOMPARE(report->widget()->size(), QSize(7725 / 15, 7605 / 15));
        const QFont font = report->RTB->document()->defaultFont();
        QCOMPARE(font.family(), QStringLiteral("Verdana"));
        QCOMPARE(font.pointSizeF(), 9.75);
        QVERIFY(!(report->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(report->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(report->RTB->textCursor().position(), 0);
    }

    void savingWritesTheColoursAndWeights()
    {
        frmSaveZodiacCompatibility* report = openReport(under("April", "2"), under("August", "15"));
        QVERIFY(report);
        QTemporaryDir folder;
        m_dialogs->saveAs = folder.filePath(QStringLiteral("us.rtf"));
        QTest::mouseClick(report->cmdSave, Qt::LeftButton);
        QCOMPARE(m_dialogs->lastSaveTitle, QStringLiteral("Zel Compatibility"));
        QVERIFY(m_messages->texts().isEmpty());

        const std::unique_ptr<QTextDocument> back = ReadRtfBack(m_dialogs->saveAs);
        QVERIFY(back->toPlainText().contains(QStringLiteral("Rulling Planet:")));
        int headings = 0, captions = 0, values = 0;
        for (QTextBlock block = back->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QString text = it.fragment().text().trimmed();
                const QTextCharFormat format = it.fragment().charFormat();
                const bool bold = format.fontWeight() >= QFont::DemiBold;
                const QColor colour = format.foreground().color();
                if (text.endsWith(QStringLiteral("Sun Sign Details")) ||
                    text == QStringLiteral("You And Your Partner's Sun Sign Compatibility")) {
                    QVERIFY2(bold && colour == Magenta, qPrintable(text));
                    ++headings;
                } else if (text == QStringLiteral("Element:") || text.startsWith(QStringLiteral("An Easy Match"))) {
                    QVERIFY2(!bold && colour == Cyan, qPrintable(text));
                    ++captions;
                } else if (text == QStringLiteral("Fire") || text == QStringLiteral("60%")) {
                    QVERIFY2(!bold && colour == Black, qPrintable(text));
                    ++values;
                }
            }
        }
        QCOMPARE(headings, 3);
        QCOMPARE(captions, 3);
        QCOMPARE(values, 3);
    }

    void closingShowsTheResultAgain()
    {
        frmSaveZodiacCompatibility* report = openReport(under("April", "2"), under("August", "15"));
        QVERIFY(report);
        frmSunSignZodiacCompatibility* result = ZodiacResultScreen();
        QVERIFY(result && result->isHidden());
        report->close();
        Settle();
        QVERIFY(!ZodiacReport());
        QVERIFY(result->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
    }
};

QTEST_MAIN(ZodiacReportTest)
#include "tst_frmSaveZodiacCompatibility.moc"
