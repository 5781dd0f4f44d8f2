// What holds on every screen of every program: keys act where the user works, no window
// is left open out of sight, every button can be reached on a small or scaled screen,
// and names of any length or with "&" keep their place.
#include "report/ReportWindow.h"
#include "shell/AccessKeys.h"
#include "shell/ElidedLabel.h"
#include "shell/UserTitledFrame.h"
#include "tests/support/ProgramDriver.h"
#include "tests/support/ScreenTest.h"
#include "chinese/frmchiness.h"
#include "moon/frmMoonSign.h"
#include "zodiac/frmSunSignZodiacCompatibility.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace {

using Id = ProgramWindowId;

QList<ProgramWindow*> openWindows()
{
    QList<ProgramWindow*> windows;
    for (int slot = 0; slot < ProgramWindowCount; ++slot) {
        if (ProgramWindow* window = ProgramWindows::Find(static_cast<Id>(slot)))
            windows.append(window);
    }
    return windows;
}

// Every open program window can be seen, or is hidden behind a visible report that shows
// it again when it closes; the welcome panel covers the document area only when it is empty.
QString windowOutOfSight(const frmMDI& main)
{
    const QList<ProgramWindow*> windows = openWindows();
    if (main.isWelcomePanelVisible() && !windows.isEmpty())
        return windows.first()->objectName() + QStringLiteral(" under the welcome panel");
    if (!main.isWelcomePanelVisible() && windows.isEmpty())
        return QStringLiteral("no window, and no welcome panel either");
    for (ProgramWindow* window : windows) {
        if (window->isVisible())
            continue;
        const bool behindReport = std::any_of(windows.begin(), windows.end(), [window](ProgramWindow* other) {
            auto* report = qobject_cast<ReportWindow*>(other);
            return report && report->isVisible() && report->returnsTo() == window->id();
        });
        if (!behindReport)
            return window->objectName() + QStringLiteral(" hidden with nothing to bring it back");
    }
    return {};
}

// A control the user can bring into view: inside the document area once it is scrolled.
bool reachable(const QWidget* control, const QMdiArea* area)
{
    const QPoint shown = control->mapTo(area->viewport(), QPoint(0, 0));
    const QRect inContent(shown + QPoint(area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()),
                          control->size());
    const QRect content(0, 0, area->viewport()->width() + area->horizontalScrollBar()->maximum(),
                        area->viewport()->height() + area->verticalScrollBar()->maximum());
    return content.contains(inContent);
}

void sendKey(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    QTest::keyClick(focus, key, modifiers);
    SettleWindows();
}

} // namespace

class EveryScreenTests : public QObject, public ScreenTest {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
    }

    void init()
    {
        setUpScreens();
        m_main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    }

    void cleanup()
    {
        tearDownScreens();
    }

    void accessKeysActWhereTheUserWorks_data()
    {
        QTest::addColumn<int>("program"); // -1: no program window open
        QTest::addColumn<bool>("onResult");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("opens"); // the window the key leads to; -1: the program ends
        QTest::newRow("zodiac entry runs its own Alt+Z") << int(Program::Zodiac) << false << int(Qt::Key_Z)
                                                         << int(Id::frmSunSignZodiacCompatibility);
        QTest::newRow("moon entry runs its own Alt+M")
            << int(Program::Moon) << false << int(Qt::Key_M) << int(Id::frmMoonSign);
        QTest::newRow("Chinese entry runs its own Alt+C")
            << int(Program::Chinese) << false << int(Qt::Key_C) << int(Id::frmchiness);
        QTest::newRow("numerology result runs its own Alt+E") << int(Program::Numerology) << true << int(Qt::Key_E) << -1;
        QTest::newRow("a key no window claims goes to the main window")
            << int(Program::Zodiac) << false << int(Qt::Key_N) << int(Id::frmMainMarriageCompatibility);
        QTest::newRow("without a program window the main window's key acts")
            << -1 << false << int(Qt::Key_Z) << int(Id::frmMainZodiacCompatibility);
    }

    void accessKeysActWhereTheUserWorks()
    {
        QFETCH(int, program);
        QFETCH(bool, onResult);
        QFETCH(int, key);
        QFETCH(int, opens);
        if (program >= 0) {
            const Program chosen = static_cast<Program>(program);
            ProgramWindow* window = onResult ? OpenResult(*m_main, chosen, QStringLiteral("ANN"), QStringLiteral("BOB"))
                                             : OpenFilledEntry(*m_main, chosen, QStringLiteral("ANN"), QStringLiteral("BOB"));
            QVERIFY(window);
            QVERIFY(window->isAncestorOf(QApplication::focusWidget()));
        } else {
            m_main->cmdMdiExit->setFocus();
        }

        // One press: the key runs its button at once, whatever else shares the letter.
        sendKey(Qt::Key(key), Qt::AltModifier);
        // A key presses its button the way a click looks: down for a moment, then up.
        if (opens < 0) {
            QTRY_VERIFY(!m_main->isVisible());
            return;
        }
        QTRY_VERIFY(ProgramWindows::Find(static_cast<Id>(opens)));
        ProgramWindow* opened = ProgramWindows::Find(static_cast<Id>(opens));
        QVERIFY(opened->isVisible());
        // A result screen shows what was typed: nothing was thrown away on the way.
        if (auto* zodiac = qobject_cast<frmSunSignZodiacCompatibility*>(opened))
            QCOMPARE(zodiac->lblNameM->text(), QStringLiteral("ANN"));
        if (auto* moon = qobject_cast<frmMoonSign*>(opened))
            QCOMPARE(moon->txtUserM->text(), QStringLiteral("ANN"));
        if (auto* chinese = qobject_cast<frmchiness*>(opened))
            QCOMPARE(chinese->Framale->userTitle(), QStringLiteral("ANN"));
    }

    void noWindowIsLeftOutOfSight_data()
    {
        QTest::addColumn<int>("program");
        QTest::addColumn<QString>("step");
        for (Program program : AllPrograms)
            QTest::addRow("%s: its button again", qPrintable(ProgramName(program))) << int(program) << "again";
        for (Program program : AllPrograms)
            QTest::addRow("%s: another program", qPrintable(ProgramName(program))) << int(program) << "other";
        for (Program program : AllPrograms)
            QTest::addRow("%s: the report's close box", qPrintable(ProgramName(program))) << int(program) << "close";
        QTest::newRow("Moon: Back on the result") << int(Program::Moon) << "back";
        QTest::newRow("Moon: File > Exit on the result") << int(Program::Moon) << "exit";
        QTest::newRow("Numerology: Back on the report") << int(Program::Numerology) << "back";
    }

    void noWindowIsLeftOutOfSight()
    {
        QFETCH(int, program);
        QFETCH(QString, step);
        const Program chosen = static_cast<Program>(program);
        auto* report = qobject_cast<ReportWindow*>(OpenReport(*m_main, chosen, QStringLiteral("ANN"), QStringLiteral("BOB")));
        QVERIFY(report);
        const ProgramWindowId reportId = report->id();
        QCOMPARE(windowOutOfSight(*m_main), QString());

        if (step == QLatin1String("again")) {
            QTest::mouseClick(m_main->cmdSelectOption[program], Qt::LeftButton);
        } else if (step == QLatin1String("other")) {
            QTest::mouseClick(m_main->cmdSelectOption[(program + 1) % 4], Qt::LeftButton);
        } else if (step == QLatin1String("close")) {
            report->close();
        } else if (chosen == Program::Moon) {
            auto* result = ProgramWindows::Find<frmMoonSign>(Id::frmMoonSign);
            QVERIFY(result);
            if (step == QLatin1String("back"))
                QTest::mouseClick(result->cmdBack, Qt::LeftButton);
            else
                result->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        } else {
            QTest::mouseClick(report->findChild<QAbstractButton*>(QStringLiteral("cmdBack")), Qt::LeftButton);
        }
        SettleWindows();
        QCOMPARE(windowOutOfSight(*m_main), QString());
        if (step != QLatin1String("close"))
            QVERIFY(!ProgramWindows::Find(reportId));
    }

    void aReportShowsTheResultItWasOpenedFrom()
    {
        auto* first = OpenReport(*m_main, Program::Moon, QStringLiteral("ANN"), QStringLiteral("BOB"));
        QVERIFY(first);
        QTest::mouseClick(ProgramWindows::Find<frmMoonSign>(Id::frmMoonSign)->cmdBack, Qt::LeftButton);
        SettleWindows();
        auto* second = qobject_cast<ReportWindow*>(OpenReport(*m_main, Program::Moon, QStringLiteral("CAROL"),
                                                              QStringLiteral("DAVE")));
        QVERIFY(second);
        QVERIFY(second->RTB->toPlainText().contains(QStringLiteral("Name :CAROL")));
        QVERIFY(!second->RTB->toPlainText().contains(QStringLiteral("ANN")));
    }

    void everyButtonCanBeReachedOnSmallAndScaledScreens_data()
    {
        QTest::addColumn<QSize>("screen");
        // 1280x800 at 100%, 150% and 200%: the room Qt's device-independent pixels leave.
        QTest::newRow("1280x800") << QSize(1280, 800);
        QTest::newRow("1280x800 at 1.5") << QSize(853, 533);
        QTest::newRow("1280x800 at 2") << QSize(640, 400);
    }

    void everyButtonCanBeReachedOnSmallAndScaledScreens()
    {
        QFETCH(QSize, screen);
        m_main->resize(screen);
        QCOMPARE(m_main->size(), screen);
        QMdiArea* area = m_main->mdiArea();
        for (Program program : AllPrograms) {
            const auto check = [&](ProgramWindow* window, const char* which) {
                QVERIFY2(window, which);
                const QString where = ProgramName(program) + u' ' + QLatin1String(which);
                for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                    if (button->isVisible())
                        QVERIFY2(reachable(button, area), qPrintable(where + u' ' + button->objectName()));
                }
                // The window takes no more room than the area has, unless its controls need it.
                const QSize bound = area->viewport()->size().expandedTo(window->minimumSizeHint());
                QVERIFY2(window->width() <= bound.width() && window->height() <= bound.height(), qPrintable(where));
            };
            check(OpenFilledEntry(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")), "entry");
            check(OpenResult(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")), "result");
            check(OpenReport(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")), "report");
        }
    }

    void namesOfAnyLengthOrWithAmpersandsKeepTheirPlace_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("400 characters") << QStringLiteral("BARTHOLOMEW ").repeated(33).trimmed();
        QTest::newRow("one word of 3,200 letters") << QStringLiteral("A").repeated(3200);
        QTest::newRow("an ampersand") << QStringLiteral("TOM & JERRY");
    }

    void namesOfAnyLengthOrWithAmpersandsKeepTheirPlace()
    {
        QFETCH(QString, name);
        // Moon names take letters and blanks only.
        const QString moonName = QString(name).remove(u'&');
        for (Program program : AllPrograms) {
            ProgramWindow* result =
                OpenResult(*m_main, program, program == Program::Moon ? moonName : name, QStringLiteral("BOB"));
            QVERIFY(result);
            QVERIFY2(result->height() <= m_main->mdiArea()->viewport()->height(), qPrintable(ProgramName(program)));
            // The name shows "&" as typed and claims no access key.
            QVERIFY(!ClaimsAccessKey(result, QKeySequence(Qt::ALT | Qt::Key_J)));
        }
        // The zodiac result, opened last, shows the name on one line, in full in its tooltip.
        auto* zodiac = ProgramWindows::Find<frmSunSignZodiacCompatibility>(Id::frmSunSignZodiacCompatibility);
        QVERIFY(zodiac);
        zodiac->TS->setCurrentIndex(1);
        QCOMPARE(zodiac->lblNameM->text(), name);
        const bool cut = zodiac->lblNameM->shownText() != name;
        QCOMPARE(zodiac->lblNameM->toolTip(), cut ? name : QString());
        QCOMPARE(cut, name.size() > 100);
    }

    void chineseFrameCaptionsShowTheNameAsTyped()
    {
        auto* chinese = qobject_cast<frmchiness*>(
            OpenResult(*m_main, Program::Chinese, QStringLiteral("Tom & Jerry"), QStringLiteral("A").repeated(400)));
        QVERIFY(chinese);
        chinese->SSTab->setCurrentIndex(1);
        QCOMPARE(chinese->Framale->userTitle(), QStringLiteral("Tom & Jerry"));
        QCOMPARE(chinese->Framale->title(), QStringLiteral("Tom && Jerry"));
        QVERIFY(!ClaimsAccessKey(chinese, QKeySequence(Qt::ALT | Qt::Key_J)));
        chinese->SSTab->setCurrentIndex(2);
        QVERIFY(chinese->Frafemale->title().endsWith(QChar(0x2026)));
        QCOMPARE(chinese->Frafemale->toolTip(), QStringLiteral("A").repeated(400));
    }

    void reportsOpenAtTheirTop()
    {
        m_main->resize(853, 533);
        for (Program program : AllPrograms) {
            auto* report = qobject_cast<ReportWindow*>(
                OpenReport(*m_main, program, QStringLiteral("ANN"), QStringLiteral("BOB")));
            QVERIFY(report);
            QVERIFY2(report->RTB->verticalScrollBar()->maximum() > 0, qPrintable(ProgramName(program)));
            QVERIFY2(report->RTB->verticalScrollBar()->value() == 0, qPrintable(ProgramName(program)));
        }
    }
};

QTEST_MAIN(EveryScreenTests)
#include "tst_everyScreen.moc"
