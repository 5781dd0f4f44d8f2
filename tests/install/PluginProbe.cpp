// Copied by the install test into <prefix>/bin beside the installed program: loads the
// browser plugin with the program's own lookup (zel_place_search) and prints the file it
// was loaded from, or nothing when none loaded. Exits 0 only when the plugin loaded.
#include "shell/PlaceSearch.h"
#include "shell/browser/PlaceSearchBrowser.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool loaded = PlaceSearch::LoadBrowser() != nullptr;
    QTextStream(stdout) << PlaceSearch::LoadedBrowserFile() << '\n';
    return loaded ? 0 : 1;
}
