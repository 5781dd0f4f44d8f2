#include "shell/PlaceSearch.h"

#include "shell/ClickableLabel.h"
#include "shell/browser/PlaceSearchBrowser.h"
#include "shell/modHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>
#include <QPointer>
#include <QUrl>
#include <QWidget>

namespace {

// The place search's only link to the maker's site: one line under the browser.
const QString kForumLabelText =
    QStringLiteral("Talk stars and soulmates with other members in our free online forum - click here to join in");

// The browser window of the latest opening; earlier ones are closed before a new one opens.
QPointer<QWidget> g_browserWindow;

struct PluginState {
    bool attempted = false;
    PlaceSearchBrowser* browser = nullptr;
    QString file;
};

PluginState& pluginState()
{
    static PluginState state;
    return state;
}

// Without the embedded browser the same search opens in the user's default browser.
void openInDefaultBrowser(const QString& searchText)
{
    QUrl url(PlaceSearchAddress);
    // Percent-encode everything but the unreserved characters, so that "+", "&", "=" and
    // "#" in a place name stay part of the query text.
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(searchText)),
                 QUrl::StrictMode);
    modHelp::OpenWebAddress(url);
}

} // namespace

namespace PlaceSearch {

QString SearchText(const QString& city, const QString& state, const QString& country)
{
    return QStringLiteral("Latitude Longitude ") + city + QLatin1Char(' ') + state + QLatin1Char(' ') + country;
}

QStringList BrowserPluginCandidates()
{
#ifdef ZEL_BROWSER_PLUGIN_FILE
    const QString file = QStringLiteral(ZEL_BROWSER_PLUGIN_FILE);
    const QString programFolder = QCoreApplication::applicationDirPath();
    QStringList candidates{
        // Beside the program: the build tree (the program is built into its root) and a
        // program folder copied as a whole.
        programFolder + QLatin1Char('/') + file,
        // The installed layout: <prefix>/bin/program and <prefix>/<libdir>/zel-compatibility/.
        QDir::cleanPath(programFolder + QStringLiteral("/" ZEL_BROWSER_PLUGIN_INSTALL_RELATIVE "/") + file),
#ifdef ZEL_BROWSER_PLUGIN_BUILD_DIR
        // Where the build tree keeps it, for tests and tools run from its sub-folders. A build
        // made for installing leaves this out, so no build path goes into installed programs.
        QStringLiteral(ZEL_BROWSER_PLUGIN_BUILD_DIR "/") + file,
#endif
    };
    candidates.removeDuplicates();
    return candidates;
#else
    return {};
#endif
}

PlaceSearchBrowser* LoadBrowser()
{
    PluginState& state = pluginState();
    if (state.attempted)
        return state.browser;
    state.attempted = true;

    for (const QString& candidate : BrowserPluginCandidates()) {
        if (!QFileInfo::exists(candidate))
            continue;
        // The loader is never deleted: Qt WebEngine must stay loaded until the process ends.
        auto* loader = new QPluginLoader(candidate, qApp);
        if (auto* browser = qobject_cast<PlaceSearchBrowser*>(loader->instance())) {
            state.browser = browser;
            state.file = candidate;
            // Chromium wants its views gone before the application object; the event loop
            // that would run a deferred deletion has ended by then.
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, [] { delete g_browserWindow.data(); });
            break;
        }
        delete loader;
    }
    return state.browser;
}

bool IsBrowserLoaded()
{
    return pluginState().browser != nullptr;
}

QString LoadedBrowserFile()
{
    return pluginState().file;
}

} // namespace PlaceSearch

void OpenPlaceSearch(const QString& city, const QString& state, const QString& country)
{
    const QString searchText = PlaceSearch::SearchText(city, state, country);

    if (g_browserWindow)
        g_browserWindow->close();

    PlaceSearchBrowser* browser = PlaceSearch::LoadBrowser();
    QWidget* window = nullptr;
    if (browser) {
        PlaceSearchHost host;
        host.homePage = QUrl(modHelp::PageAddress(PageKey::HomePage));
        host.makeForumLabel = [](QWidget* parent) -> QWidget* {
            return MakePageLabel(QStringLiteral("Label61"), kForumLabelText, PageKey::HomePage, parent);
        };
        window = browser->openSearch(searchText, host);
    }
    if (!window) {
        openInDefaultBrowser(searchText);
        return;
    }
    g_browserWindow = window;
}
