#include "shell/PlaceSearch.h"
#include "shell/browser/PlaceSearchBrowser.h"
#include "tests/support/GuiTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUrlQuery>

// This suite builds the entry point with a plugin file that is not a plugin at all, as
// when the installed plugin is damaged or its Qt WebEngine libraries are missing.
class PlaceSearchFallbackTest : public QObject {
    Q_OBJECT

private:
    static QString searchedText(const QUrl& url)
    {
        return QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded);
    }

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
        QDir().mkpath(QStringLiteral(ZEL_BROWSER_PLUGIN_BUILD_DIR));
        QFile broken(QStringLiteral(ZEL_BROWSER_PLUGIN_BUILD_DIR "/" ZEL_BROWSER_PLUGIN_FILE));
        QVERIFY(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
        broken.write("not a plugin");
    }

    void searchOpensInTheDefaultBrowser()
    {
        UrlCapture pages;
        OpenPlaceSearch(QStringLiteral("PARIS"), QStringLiteral("ILE DE FRANCE"), QStringLiteral("FRANCE"));
        QVERIFY(!PlaceSearch::IsBrowserLoaded());
        // The damaged file was there but did not load: it is not reported as the plugin.
        QVERIFY(PlaceSearch::LoadedBrowserFile().isEmpty());
        QCOMPARE(pages.urls().size(), 1);
        const QUrl url = pages.urls().front();
        QCOMPARE(url.adjusted(QUrl::RemoveQuery), QUrl(PlaceSearchAddress));
        QCOMPARE(searchedText(url), QStringLiteral("Latitude Longitude PARIS ILE DE FRANCE FRANCE"));
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY(window->objectName() != QLatin1String("frmBrowser"));
    }

    void placeTextKeepsItsDelimiters()
    {
        UrlCapture pages;
        OpenPlaceSearch(QStringLiteral("A+B & C=D"), QStringLiteral("#HASH ?X"), QStringLiteral("МОСКВА 100%"));
        QCOMPARE(pages.urls().size(), 1);
        const QUrl url = pages.urls().front();
        QCOMPARE(QUrlQuery(url).queryItems().size(), 1);
        // "+" must not turn into a blank when the service decodes the form text.
        QVERIFY(!url.query(QUrl::FullyEncoded).contains(u'+'));
        QCOMPARE(searchedText(url), QStringLiteral("Latitude Longitude A+B & C=D #HASH ?X МОСКВА 100%"));
    }
};

QTEST_MAIN(PlaceSearchFallbackTest)
#include "tst_PlaceSearchFallback.moc"
