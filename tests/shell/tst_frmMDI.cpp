// The main window as a user meets it: program buttons, welcome panel, links and menus.
#include "app/ProgramCatalog.h"
#include "shell/ClickableLabel.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"
#include "tests/support/GuiTestSupport.h"

#include <QApplication>
#include <QMdiArea>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

void moveMouseOver(QWidget* widget, QPoint at = QPoint(4, 4))
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

QStringList menuBarCaptions(QMainWindow& window)
{
    QStringList captions;
    for (QAction* action : window.menuBar()->actions())
        captions.append(action->text());
    return captions;
}

} // namespace

class MainWindowTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ConfigureTestApplication(); }

    void init() { m_main = MakeMainWindow(RegisterProgramWindows); }
    void cleanup() { m_main.reset(); }

    void startsWithTheWelcomePanelAndNoProgramWindow()
    {
        QCOMPARE(m_main->windowTitle(), QStringLiteral("Zel Compatibility v1.95"));
        QVERIFY(m_main->isWelcomePanelVisible());
        QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
        const QStringList buttons{QStringLiteral("&Chinese Zodiac"), QStringLiteral("&Moon Sign"),
                                  QStringLiteral("&Numerology"), QStringLiteral("&Zodiac")};
        for (int i = 0; i < 4; ++i) {
            auto* button = m_main->findChild<QPushButton*>(QStringLiteral("cmdSelectOption_%1").arg(i));
            QVERIFY(button);
            QCOMPARE(button->text(), buttons[i]);
        }
        QCOMPARE(m_main->lblCaption[0]->text(), QStringLiteral("Welcome to Zel Compatibility"));
        QCOMPARE(m_main->lblCaption[2]->text(),
                 QStringLiteral("Zel Compatibility includes the following compatibility programs:"));
        QCOMPARE(m_main->lblCaption[3]->text(), QStringLiteral("Chinese Compatibility"));
        QCOMPARE(m_main->lblCaption[6]->text(), QStringLiteral("Zodiac Compatibility"));
        QCOMPARE(m_main->cmdMdiExit->text(), QStringLiteral("&Exit"));
        QCOMPARE(menuBarCaptions(*m_main), (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"),
                                                        QStringLiteral("&Donate"), QStringLiteral("Make Money &Online")}));
    }

    void zodiacButtonOpensTheEntryScreenAtTheTopCentre()
    {
        QTest::mouseClick(m_main->cmdSelectOption[3], Qt::LeftButton);
        ProgramWindow* entry = ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility);
        QVERIFY(entry);
        QVERIFY(entry->isVisible());
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(entry->y(), 0);
        QVERIFY(qAbs(entry->x() - (m_main->mdiArea()->viewport()->width() - entry->width()) / 2) <= 1);
        // The menu bar now shows the entry screen's menus.
        QCOMPARE(menuBarCaptions(*m_main).first(), QStringLiteral("&File"));
        auto* check = entry->findChild<QAction*>(QStringLiteral("mnuCheckOurZodiacCompatibilityNow"));
        QVERIFY(check);
        QVERIFY(m_main->menuBar()->actions().first()->menu()->actions().contains(check));
        QCOMPARE(m_main->menuBar()->actions().first()->menu()->actions().first()->text(),
                 QStringLiteral("Check Our &Zodiac Compatibility Now !"));

        // Closing the program shows the welcome panel and the main window's own menus.
        entry->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility));
        QVERIFY(m_main->isWelcomePanelVisible());
        QTRY_COMPARE(m_main->menuBar()->actions().first()->menu()->actions().first()->text(), QStringLiteral("E&xit"));
    }

    void choosingAProgramAgainOpensAFreshEntryScreen()
    {
        QTest::mouseClick(m_main->cmdSelectOption[3], Qt::LeftButton);
        QPointer<ProgramWindow> first = ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility);
        QTest::mouseClick(m_main->lblCaption[6], Qt::LeftButton);
        QTRY_VERIFY(!first);
        QVERIFY(ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility));
        QVERIFY(!m_main->isWelcomePanelVisible());
        QCOMPARE(m_main->mdiArea()->subWindowList().size(), 1);
    }

    void welcomeLabelsZeroToTwoOnlyCloseProgramWindows()
    {
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(m_main->cmdSelectOption[3], Qt::LeftButton);
            QVERIFY(ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility));
            m_main->setWelcomePanelVisible(true); // the panel must be visible to be clicked
            QTest::mouseClick(m_main->lblCaption[i], Qt::LeftButton);
            QTRY_VERIFY(!ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility));
            QVERIFY(m_main->mdiArea()->subWindowList().isEmpty());
            QVERIFY(m_main->isWelcomePanelVisible());
        }
    }

    void programTitlesUnderlineUnderTheMouse()
    {
        const auto underlined = [this](int i) { return m_main->lblCaption[i]->font().underline(); };
        moveMouseOver(m_main->lblCaption[4]);
        QTRY_VERIFY(underlined(4));
        moveMouseOver(m_main->lblCaption[5]);
        QTRY_VERIFY(underlined(5));
        QVERIFY(underlined(4)); // only the panel background clears underlines
        moveMouseOver(m_main->lblCaption[1]);
        QTest::qWait(20);
        QVERIFY(!underlined(1));
        moveMouseOver(m_main->picMain);
        QTRY_VERIFY(!underlined(4));
        for (int i = 0; i < 7; ++i)
            QVERIFY(!underlined(i));
    }

    void bannersAndLabelsOpenTheirPagesAndLeaveTheWindowAsItWas()
    {
        UrlCapture urls;
        QTest::mouseClick(m_main->lblQuorvaneBanner, Qt::LeftButton);
        QTest::mouseClick(m_main->Picture6, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseClick(m_main->Label7, Qt::LeftButton);
        QCOMPARE(urls.urls(), (QList<QUrl>{PageUrl(PageKey::HomePage), PageUrl(PageKey::HomePage),
                                           PageUrl(PageKey::FullyBranded)}));
        QVERIFY(m_main->isVisible());
        QVERIFY(m_main->isWelcomePanelVisible());
    }

    void menuCommandsOfTheMainWindow()
    {
        UrlCapture urls;
        m_main->findChild<QAction*>(QStringLiteral("mnuVisit"))->trigger();
        m_main->findChild<QAction*>(QStringLiteral("mnuDonate"))->trigger();
        QCOMPARE(urls.urls(), (QList<QUrl>{PageUrl(PageKey::HomePage), PageUrl(PageKey::Donate)}));
        QVERIFY(!m_main->findChild<QAction*>(QStringLiteral("mkmoney"))->isEnabled());

        bool aboutBlocksTheMainWindow = false;
        QTimer::singleShot(100, this, [&] {
            auto* about = qobject_cast<frmAbout*>(QApplication::activeModalWidget());
            QVERIFY(about);
            aboutBlocksTheMainWindow = about->isModal() && about->parentWidget() == m_main.get();
            about->cmdOK->click();
        });
        m_main->findChild<QAction*>(QStringLiteral("mnuAbout"))->trigger();
        QVERIFY(aboutBlocksTheMainWindow);

        m_main->findChild<QAction*>(QStringLiteral("mnuExit"))->trigger();
        QVERIFY(!m_main->isVisible());
    }

    void exitButtonClosesTheMainWindow()
    {
        QTest::mouseClick(m_main->cmdSelectOption[3], Qt::LeftButton);
        QTest::mouseClick(m_main->cmdMdiExit, Qt::LeftButton);
        QVERIFY(!m_main->isVisible());
    }

    void closingTheMainWindowClosesProgramAndSeparateWindows()
    {
        QTest::mouseClick(m_main->cmdSelectOption[3], Qt::LeftButton);
        QPointer<ProgramWindow> entry = ProgramWindows::Find(ProgramWindowId::frmMainZodiacCompatibility);
        QWidget separate; // stands for the place-search browser, a window of its own
        separate.show();
        m_main->close();
        QVERIFY(!separate.isVisible());
        QTRY_VERIFY(!entry);
    }

    void programWindowWithoutMenusKeepsTheMainMenus()
    {
        m_main->setWindowFactory(ProgramWindowId::frmSaveZodiacCompatibility, [] {
            return new ProgramWindow(ProgramWindowId::frmSaveZodiacCompatibility, QStringLiteral("No menus"),
                                     QSize(3000, 3000));
        });
        ProgramWindows::Open(ProgramWindowId::frmSaveZodiacCompatibility);
        QCOMPARE(menuBarCaptions(*m_main), (QStringList{QStringLiteral("&File"), QStringLiteral("&Help"),
                                                        QStringLiteral("&Donate"), QStringLiteral("Make Money &Online")}));
    }

private:
    std::unique_ptr<frmMDI> m_main;
};

QTEST_MAIN(MainWindowTests)
#include "tst_frmMDI.moc"
