#pragma once

#include <QWebEnginePage>

// The place-search browser's page: it goes only to web addresses (http, https) and to its
// empty start page, and hands nothing to the desktop. Any other address a page links to
// (mailto:, ssh:, file: ...) or the user types is refused. A link meant for a new window
// opens in this one.
class BrowserPage : public QWebEnginePage {
    Q_OBJECT
public:
    explicit BrowserPage(QObject* parent);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
};
