#pragma once

#include "shell/browser/PlaceSearchBrowser.h"

#include <QUrl>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QTimer;
class QToolBar;
class QWebEngineView;

// The place-search browser: a separate window that, once after opening, submits a web
// search for a birth place and then works as a plain browser with an address box and a
// toolbar.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    frmBrowser(const QUrl& searchAddress, const PlaceSearchHost& host);

    // Shows the window and starts the search for searchText on the empty start page.
    void open(const QString& searchText);

    // Controls, named as the window describes them.
    QToolBar* tbToolBar = nullptr;
    QWidget* picAddress = nullptr;
    QLabel* lblAddress = nullptr;
    QComboBox* cboAddress = nullptr;
    QWebEngineView* brwWebBrowser = nullptr;
    QTimer* timTimer = nullptr;
    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QWidget* Label61 = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildToolBar();
    void layOutControls();
    void toolBarButtonClicked(const QString& key);
    void selectAddress();
    void stopOrClose();
    void navigateToAddressBox();
    void navigationComplete(const QUrl& url);
    void timerTick();
    void rememberAddress(const QString& address);
    QString pageTitle() const;

    QUrl m_searchAddress;
    QUrl m_homePage;
    // The search form page, written into the empty start page once.
    QString m_searchFormPage;
    QString m_searchText;
    bool m_searchDone = false;
    bool m_listUpdating = false;
    bool m_busy = false;
};
