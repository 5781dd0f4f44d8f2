#pragma once

#include "shell/browser/PlaceSearchBrowser.h"

#include <QObject>

// The plugin's entry object: opens browser windows for the program.
class BrowserPlugin : public QObject, public PlaceSearchBrowser {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PlaceSearchBrowser_iid)
    Q_INTERFACES(PlaceSearchBrowser)
public:
    BrowserPlugin();

    QWidget* openSearch(const QString& searchText, const PlaceSearchHost& host) override;
    void setSearchAddress(const QUrl& address) override;

private:
    QUrl m_searchAddress;
};
