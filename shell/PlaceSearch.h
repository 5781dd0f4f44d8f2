#pragma once

#include <QString>

// Opens the place-search browser for a birth place: the window searches the web for
// "Latitude Longitude <city> <state> <country>" so the user can read the coordinates.
// Any earlier browser window is closed first. Without the embedded browser (built
// without Qt WebEngine, or its plugin cannot be loaded) the same search opens in the
// user's default browser instead.
void OpenPlaceSearch(const QString& city, const QString& state, const QString& country);

namespace PlaceSearch {

// The plugin file the browser was loaded from (one of BrowserPluginCandidates(), see
// shell/browser/PlaceSearchBrowser.h); empty while it is not loaded.
QString LoadedBrowserFile();

} // namespace PlaceSearch
