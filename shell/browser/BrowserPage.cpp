#include "shell/browser/BrowserPage.h"

#include <QWebEngineNewWindowRequest>
#include <QWebEngineSettings>

namespace {

bool isWebPage(const QUrl& url)
{
    const QString scheme = url.scheme().toLower();
    return (scheme == u"http" || scheme == u"https") && !url.host().isEmpty();
}

bool isBlankPage(const QUrl& url)
{
    return url.toString().compare(QLatin1String("about:blank"), Qt::CaseInsensitive) == 0;
}

} // namespace

BrowserPage::BrowserPage(QObject* parent) : QWebEnginePage(parent)
{
    // Qt WebEngine would hand an address of a scheme it does not know to the desktop.
    settings()->setUnknownUrlSchemePolicy(QWebEngineSettings::DisallowUnknownUrlSchemes);
    // Unanswered, a request for a new window opens nothing at all; a web address opens here
    // instead, once the request is over (an empty window a script asks for opens nothing).
    connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
        const QUrl url = request.requestedUrl();
        if (isWebPage(url))
            QMetaObject::invokeMethod(this, [this, url] { setUrl(url); }, Qt::QueuedConnection);
    });
}

bool BrowserPage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame)
{
    // Frames inside a page load what the engine allows them; the page itself only web pages.
    if (isMainFrame && !isWebPage(url) && !isBlankPage(url))
        return false;
    return QWebEnginePage::acceptNavigationRequest(url, type, isMainFrame);
}
