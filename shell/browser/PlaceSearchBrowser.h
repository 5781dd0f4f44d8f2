#pragma once

// The contract between the program and the embedded browser plugin. The program links
// only Qt Widgets; the plugin brings Qt WebEngine and is loaded on the first place search.

#include <QString>
#include <QUrl>
#include <QtPlugin>

#include <functional>

class QWidget;

// The web search that the place search submits its form to.
inline const QString PlaceSearchAddress = QStringLiteral("https://www.google.com/search");

// What the browser window needs from the program: where Home goes, and the label that
// advertises the maker's forum (made by the program, so that every page link of the
// program opens pages the same way).
struct PlaceSearchHost {
    QUrl homePage;
    std::function<QWidget*(QWidget* parent)> makeForumLabel;
};

class PlaceSearchBrowser {
public:
    virtual ~PlaceSearchBrowser() = default;

    // Opens a new top-level browser window that searches once for searchText and returns
    // it; the window deletes itself when closed.
    virtual QWidget* openSearch(const QString& searchText, const PlaceSearchHost& host) = 0;

    // For tests only: the address the search form submits to instead of PlaceSearchAddress.
    virtual void setSearchAddress(const QUrl& address) = 0;
};

#define PlaceSearchBrowser_iid "zel.compatibility.PlaceSearchBrowser/1"
Q_DECLARE_INTERFACE(PlaceSearchBrowser, PlaceSearchBrowser_iid)

// The program's side of the plugin, implemented next to OpenPlaceSearch.
namespace PlaceSearch {

// The search words for a birth place.
QString SearchText(const QString& city, const QString& state, const QString& country);

// The browser plugin, loaded on the first call; nullptr when the program was built without
// it or it cannot be loaded.
PlaceSearchBrowser* LoadBrowser();

// Whether the plugin has been loaded into the process yet.
bool IsBrowserLoaded();

// The files tried, in order, when loading the plugin.
QStringList BrowserPluginCandidates();

} // namespace PlaceSearch
