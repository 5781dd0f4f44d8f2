#include "app/ProgramCatalog.h"
#include "shell/PlaceSearch.h"
#include "shell/browser/PlaceSearchBrowser.h"
#include "tests/support/GuiTestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTest>

#include <unistd.h>

namespace {

// Whether any Qt WebEngine library is mapped into this process.
bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return false;
    return maps.readAll().contains("libQt6WebEngine");
}

} // namespace

class PlaceSearchStartupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
    }

    void mainWindowDoesNotLoadTheBrowser()
    {
        TemporarySettings settings;
        const auto main = MakeMainWindow(RegisterProgramWindows);
        QVERIFY(main->isVisible());
        QVERIFY(!PlaceSearch::IsBrowserLoaded());
        QVERIFY(PlaceSearch::LoadedBrowserFile().isEmpty());
        QVERIFY(!webEngineMapped());
    }

    void pluginIsFoundFromTheBuildTree()
    {
        const QStringList candidates = PlaceSearch::BrowserPluginCandidates();
#ifdef ZEL_EXPECT_BROWSER_PLUGIN
        QVERIFY(!candidates.isEmpty());
        // The program's own folder is tried first.
        QCOMPARE(QFileInfo(candidates.front()).absolutePath(), QCoreApplication::applicationDirPath());
        // A switch set from outside is not taken over: the program reads no environment.
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--lang=en-US");
        QVERIFY(PlaceSearch::LoadBrowser());
        QVERIFY(PlaceSearch::IsBrowserLoaded());
        // Neither beside the test nor in an installed layout: the build root, last in line.
        QCOMPARE(PlaceSearch::LoadedBrowserFile(), candidates.back());
        QCOMPARE(QFileInfo(candidates.back()).absolutePath(), QStringLiteral(ZEL_BUILD_ROOT));
        // Loading the plugin is what brings Qt WebEngine into the process.
        QVERIFY(webEngineMapped());

        const QStringList switches = QString::fromLocal8Bit(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS")).split(u' ');
        QVERIFY(!switches.contains(QStringLiteral("--lang=en-US")) || (geteuid() != 0 &&
                QGuiApplication::platformName() != QLatin1String("offscreen")));
        // Chromium refuses to start its sandbox as root; the program turns it off itself.
        QCOMPARE(switches.contains(QStringLiteral("--no-sandbox")), geteuid() == 0);
        QCOMPARE(switches.contains(QStringLiteral("--disable-gpu")),
                 QGuiApplication::platformName() == QLatin1String("offscreen"));
        QCOMPARE(switches.count(QStringLiteral("--no-sandbox")), geteuid() == 0 ? 1 : 0);
#else
        QVERIFY(candidates.isEmpty());
        QVERIFY(!PlaceSearch::LoadBrowser());
#endif
    }
};

QTEST_MAIN(PlaceSearchStartupTest)
#include "tst_PlaceSearchStartup.moc"
