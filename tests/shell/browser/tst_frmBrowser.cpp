#include "shell/PlaceSearch.h"
#include "shell/browser/PlaceSearchBrowser.h"
#include "shell/modHelp.h"
#include "tests/shell/browser/LoopbackServer.h"
#include "tests/support/GuiTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <functional>

namespace {

constexpr int kLoadTimeout = 20000;

// Runs the event loop until done() holds or the time is up. Unlike QTest's waits, which
// sleep between rounds, this keeps the loop turning, which the browser engine's many
// round trips between its processes need to be quick.
bool waitUntil(const std::function<bool()>& done, int timeout = kLoadTimeout)
{
    QDeadlineTimer deadline(timeout);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QEventLoop loop;
        QTimer::singleShot(10, &loop, &QEventLoop::quit);
        loop.exec();
        // Windows that were closed are deleted as the program's own event loop would.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void pause(int milliseconds)
{
    waitUntil([] { return false; }, milliseconds);
}

#define WAIT_COMPARE(actual, expected)                                                                      \
    do {                                                                                                    \
        waitUntil([&] { return (actual) == (expected); });                                                  \
        QCOMPARE(actual, expected);                                                                         \
    } while (false)

#define WAIT_VERIFY(condition)                                                                              \
    do {                                                                                                    \
        waitUntil([&] { return bool(condition); });                                                         \
        QVERIFY(condition);                                                                                 \
    } while (false)

// The controls of an open browser window, found as a user sees them.
struct Browser {
    QPointer<QWidget> window;
    QComboBox* address = nullptr;
    QToolBar* toolBar = nullptr;
    // The page view, known to the test only as a widget: the test, like the program, leaves
    // Qt WebEngine to the plugin.
    QWidget* view = nullptr;

    QUrl url() const { return view->property("url").toUrl(); }
    QTimer* timer = nullptr;

    QStringList addressList() const
    {
        QStringList items;
        for (int i = 0; i < address->count(); ++i)
            items.append(address->itemText(i));
        return items;
    }

    void clickButton(const QString& key) const
    {
        for (QAction* action : toolBar->actions()) {
            if (action->text() == key) {
                QTest::mouseClick(toolBar->widgetForAction(action), Qt::LeftButton);
                return;
            }
        }
        QFAIL(qPrintable(QStringLiteral("no toolbar button ") + key));
    }

    // Types into the address box as a keyboard does, to the widget that has the focus,
    // and ends with Enter (the main one, or the keypad's).
    void typeAddress(const QString& text, Qt::Key enter = Qt::Key_Return) const
    {
        address->setFocus();
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(focus, text);
        QTest::keyClick(focus, enter, enter == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    }
};

QList<QWidget*> visibleBrowserWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmBrowser") && widget->isVisible())
            windows.append(widget);
    }
    return windows;
}

Browser currentBrowser()
{
    Browser browser;
    const QList<QWidget*> windows = visibleBrowserWindows();
    if (windows.size() != 1)
        return browser;
    browser.window = windows.front();
    browser.address = browser.window->findChild<QComboBox*>(QStringLiteral("cboAddress"));
    browser.toolBar = browser.window->findChild<QToolBar*>(QStringLiteral("tbToolBar"));
    browser.view = browser.window->findChild<QWidget*>(QStringLiteral("brwWebBrowser"));
    browser.timer = browser.window->findChild<QTimer*>(QStringLiteral("timTimer"));
    return browser;
}

void deleteClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class BrowserTest : public QObject {
    Q_OBJECT

private:
    LoopbackServer m_server;

    // Opens the place search as the moon entry screen does and waits for the search
    // results to load; the window is null when they did not.
    Browser openSearch(const QString& city, const QString& state, const QString& country)
    {
        const qsizetype searchesBefore = m_server.requestsFor(QStringLiteral("/search")).size();
        OpenPlaceSearch(city, state, country);
        Browser browser = currentBrowser();
        if (!browser.window)
            return browser;
        const bool loaded = waitUntil(
            [&] {
                return m_server.requestsFor(QStringLiteral("/search")).size() == searchesBefore + 1
                       && browser.window->windowTitle() == QLatin1String("Search Results");
            },
            kLoadTimeout);
        if (!loaded) {
            qWarning("the search results did not load; caption %s", qPrintable(browser.window->windowTitle()));
            browser.window = nullptr;
        }
        return browser;
    }

    // Whether the page at path has loaded and its title is the caption.
    bool waitForPage(const Browser& browser, const QString& path)
    {
        const bool loaded = waitUntil(
            [&] {
                return browser.url() == m_server.url(path)
                       && browser.window->windowTitle() == LoopbackServer::titleFor(path);
            },
            kLoadTimeout);
        if (!loaded)
            qWarning("%s did not load; at %s, caption %s", qPrintable(path), qPrintable(browser.url().toString()),
                     qPrintable(browser.window->windowTitle()));
        return loaded;
    }

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
        QVERIFY(m_server.start());
        PlaceSearchBrowser* plugin = PlaceSearch::LoadBrowser();
        QVERIFY2(plugin, "the browser plugin was not found");
        plugin->setSearchAddress(m_server.url(QStringLiteral("/search")));
    }

    void cleanup()
    {
        for (QWidget* window : visibleBrowserWindows())
            window->close();
        deleteClosedWindows();
        m_server.release();
        m_server.clear();
    }

    void searchSubmitsThePlaceWords()
    {
        const Browser browser = openSearch(QStringLiteral("PARIS"), QStringLiteral("ILE DE FRANCE"),
                                           QStringLiteral("FRANCE"));
        QVERIFY(browser.window);

        const QStringList searches = m_server.requestsFor(QStringLiteral("/search"));
        QCOMPARE(searches.size(), 1);
        const QString query = searches.front();
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("q")),
                 QStringLiteral("Latitude Longitude PARIS ILE DE FRANCE FRANCE"));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("sa")), QStringLiteral("Search"));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("client")), QString(""));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("forid")), QStringLiteral("1"));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("ie")), QStringLiteral("UTF-8"));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("oe")), QStringLiteral("UTF-8"));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("hl")), QStringLiteral("en"));
        QCOMPARE(LoopbackServer::fieldValue(query, QStringLiteral("cof")),
                 QStringLiteral("GALT:#008000;GL:1;DIV:#336699;VLC:663399;AH:center;BGC:FFFFFF;LBGC:336699;"
                                "ALC:0000FF;LC:0000FF;T:000000;GFNT:0000FF;GIMP:0000FF;FORID:1;"));

        // A window of its own, beside the program's windows, and not modal.
        QVERIFY(browser.window->isWindow());
        QCOMPARE(browser.window->parentWidget(), nullptr);
        QCOMPARE(browser.window->windowModality(), Qt::NonModal);
        QVERIFY(!QApplication::activeModalWidget());

        // The results page is the first address in the list.
        QCOMPARE(browser.addressList(), QStringList{m_server.url(query).toString()});
        QCOMPARE(browser.address->currentText(), m_server.url(query).toString());
    }

    void placeTextArrivesLiterally_data()
    {
        QTest::addColumn<QString>("city");
        QTest::addColumn<QString>("state");
        QTest::addColumn<QString>("country");
        // Anything that ran as script or markup would ask the server for an "/injected" page.
        const QString origin = m_server.url(QString()).toString();
        QTest::newRow("quotes and backslashes")
            << QStringLiteral("O'HARA \"QUOTED\"") << QStringLiteral("BACK\\SLASH \\\" \\\\ \\u0041")
            << QStringLiteral("'; fetch('%1/injected-quote'); //").arg(origin);
        QTest::newRow("script and markup")
            << QStringLiteral("</script><script>fetch('%1/injected-script')</script>").arg(origin)
            << QStringLiteral("<img src=\"%1/injected-img\">").arg(origin)
            << QStringLiteral("\"); fetch(\"%1/injected-js\"); (\"").arg(origin);
        QTest::newRow("non-Latin letters")
            << QStringLiteral("МОСКВА") << QStringLiteral("東京都") << QStringLiteral("ΕΛΛΑΔΑ ZÜRICH São Paulo");
        QTest::newRow("form delimiters")
            << QStringLiteral("A+B & C=D") << QStringLiteral("#HASH ?X") << QStringLiteral("%41%20 100%");
    }

    void placeTextArrivesLiterally()
    {
        QFETCH(QString, city);
        QFETCH(QString, state);
        QFETCH(QString, country);
        const Browser browser = openSearch(city, state, country);
        QVERIFY(browser.window);

        const QStringList searches = m_server.requestsFor(QStringLiteral("/search"));
        QCOMPARE(searches.size(), 1);
        QCOMPARE(LoopbackServer::fieldValue(searches.front(), QStringLiteral("q")),
                 QStringLiteral("Latitude Longitude ") + city + u' ' + state + u' ' + country);

        // Give any script that might have been smuggled in time to call home.
        pause(300);
        for (const QString& target : m_server.targets())
            QVERIFY2(!target.startsWith(QStringLiteral("/injected")), qPrintable(target));
        QCOMPARE(browser.window->windowTitle(), QStringLiteral("Search Results"));
    }

    void searchRunsOncePerOpening()
    {
        const Browser browser = openSearch(QStringLiteral("ROME"), QStringLiteral("LAZIO"), QStringLiteral("ITALY"));
        QVERIFY(browser.window);
        const QString results = browser.url().toString();

        // Back on the empty page, later navigations never submit the search again.
        browser.typeAddress(QStringLiteral("about:blank"));
        WAIT_COMPARE(browser.url(), QUrl(QStringLiteral("about:blank")));
        WAIT_VERIFY(!browser.timer->isActive());
        browser.typeAddress(m_server.url(QStringLiteral("/page1")).toString());
        QVERIFY(waitForPage(browser, QStringLiteral("/page1")));
        browser.clickButton(QStringLiteral("Back"));
        WAIT_COMPARE(browser.url(), QUrl(QStringLiteral("about:blank")));
        WAIT_VERIFY(!browser.timer->isActive());
        pause(300);

        QCOMPARE(m_server.requestsFor(QStringLiteral("/search")).size(), 1);
        // The empty page never joins the address list.
        QCOMPARE(browser.addressList(), (QStringList{m_server.url(QStringLiteral("/page1")).toString(), results}));
        QCOMPARE(browser.window->windowTitle(), QStringLiteral("Zel Moon Sign Compatibility"));
    }

    void addressListIsMostRecentFirstWithoutDuplicates()
    {
        const Browser browser = openSearch(QStringLiteral("OSLO"), QStringLiteral("OSLO"), QStringLiteral("NORWAY"));
        QVERIFY(browser.window);
        const QString results = browser.url().toString();
        const QString page1 = m_server.url(QStringLiteral("/page1")).toString();
        const QString page2 = m_server.url(QStringLiteral("/page2")).toString();

        browser.typeAddress(page1);
        QVERIFY(waitForPage(browser, QStringLiteral("/page1")));
        browser.typeAddress(page2, Qt::Key_Enter);
        QVERIFY(waitForPage(browser, QStringLiteral("/page2")));
        browser.typeAddress(page1);
        QVERIFY(waitForPage(browser, QStringLiteral("/page1")));
        QCOMPARE(browser.addressList(), (QStringList{page1, page2, results}));
        QCOMPARE(browser.address->currentIndex(), 0);

        // Choosing an entry from the drop-down list goes there.
        const qsizetype page2Requests = m_server.requestsFor(QStringLiteral("/page2")).size();
        browser.address->showPopup();
        QAbstractItemView* list = browser.address->view();
        WAIT_VERIFY(list->isVisible());
        const QRect entry = list->visualRect(list->model()->index(1, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
        QVERIFY(waitForPage(browser, QStringLiteral("/page2")));
        QCOMPARE(m_server.requestsFor(QStringLiteral("/page2")).size(), page2Requests + 1);
        QCOMPARE(browser.addressList(), (QStringList{page2, page1, results}));

        // Rewriting the list after a page has loaded navigates nowhere by itself.
        pause(300);
        QCOMPARE(m_server.requestsFor(QStringLiteral("/page2")).size(), page2Requests + 1);
    }

    void captionShowsWorkingWhilePageLoads()
    {
        const Browser browser = openSearch(QStringLiteral("LIMA"), QStringLiteral("LIMA"), QStringLiteral("PERU"));
        QVERIFY(browser.window);

        m_server.hold(QStringLiteral("/slow"));
        browser.typeAddress(m_server.url(QStringLiteral("/slow")).toString());
        WAIT_COMPARE(m_server.requestsFor(QStringLiteral("/slow")).size(), 1);
        WAIT_COMPARE(browser.window->windowTitle(), QStringLiteral("Working..."));
        pause(200);
        QCOMPARE(browser.window->windowTitle(), QStringLiteral("Working..."));
        QVERIFY(browser.timer->isActive());

        m_server.release();
        WAIT_COMPARE(browser.window->windowTitle(), QStringLiteral("Slow Page"));
        WAIT_VERIFY(!browser.timer->isActive());
        QCOMPARE(browser.addressList().front(), m_server.url(QStringLiteral("/slow")).toString());
    }

    void toolBarHasSixButtons()
    {
        const Browser browser = openSearch(QStringLiteral("BERN"), QStringLiteral("BERN"), QStringLiteral("SWITZERLAND"));
        QVERIFY(browser.window);
        const QStringList keys{"Back", "Forward", "Stop", "Refresh", "Home", "Search"};
        const QList<QAction*> actions = browser.toolBar->actions();
        QCOMPARE(actions.size(), keys.size());
        for (int i = 0; i < keys.size(); ++i) {
            QCOMPARE(actions[i]->text(), keys[i]);
            QCOMPARE(actions[i]->toolTip(), keys[i]);
            QCOMPARE(actions[i]->data().toString(), keys[i]);
            QVERIFY(!actions[i]->icon().isNull());
            auto* button = qobject_cast<QToolButton*>(browser.toolBar->widgetForAction(actions[i]));
            QVERIFY(button && button->isVisible());
        }
        QCOMPARE(browser.window->findChild<QLabel*>(QStringLiteral("lblAddress"))->text(), QStringLiteral("&Address:"));
        QCOMPARE(browser.window->findChild<QLabel*>(QStringLiteral("Label1"))->text(),
                 QStringLiteral("Zel Free Astro Compatibility Test Software"));
        QCOMPARE(browser.timer->interval(), 5);
    }

    void backForwardAndRefreshActOnTheView()
    {
        const Browser browser = openSearch(QStringLiteral("KYIV"), QStringLiteral("KYIV"), QStringLiteral("UKRAINE"));
        QVERIFY(browser.window);
        browser.typeAddress(m_server.url(QStringLiteral("/page1")).toString());
        QVERIFY(waitForPage(browser, QStringLiteral("/page1")));
        browser.typeAddress(m_server.url(QStringLiteral("/page2")).toString());
        QVERIFY(waitForPage(browser, QStringLiteral("/page2")));

        browser.clickButton(QStringLiteral("Back"));
        QVERIFY(waitForPage(browser, QStringLiteral("/page1")));
        browser.clickButton(QStringLiteral("Forward"));
        QVERIFY(waitForPage(browser, QStringLiteral("/page2")));

        const qsizetype before = m_server.requestsFor(QStringLiteral("/page2")).size();
        browser.clickButton(QStringLiteral("Refresh"));
        WAIT_COMPARE(m_server.requestsFor(QStringLiteral("/page2")).size(), before + 1);
        QVERIFY(waitForPage(browser, QStringLiteral("/page2")));
    }

    void stopEndsTheLoad()
    {
        const Browser browser = openSearch(QStringLiteral("CAIRO"), QStringLiteral("CAIRO"), QStringLiteral("EGYPT"));
        QVERIFY(browser.window);
        const QStringList listBefore = browser.addressList();

        m_server.hold(QStringLiteral("/slow"));
        QSignalSpy finished(browser.view, SIGNAL(loadFinished(bool)));
        browser.typeAddress(m_server.url(QStringLiteral("/slow")).toString());
        WAIT_COMPARE(m_server.requestsFor(QStringLiteral("/slow")).size(), 1);
        WAIT_COMPARE(browser.window->windowTitle(), QStringLiteral("Working..."));

        browser.clickButton(QStringLiteral("Stop"));
        QVERIFY(!browser.timer->isActive());
        QVERIFY(browser.window->windowTitle() != QStringLiteral("Working..."));
        WAIT_COMPARE(finished.size(), 1);
        QCOMPARE(finished.front().front().toBool(), false);

        // The held page arrives too late to be shown.
        m_server.release();
        pause(300);
        QVERIFY(browser.window->windowTitle() != QStringLiteral("Slow Page"));
        QVERIFY(browser.window->windowTitle() != QStringLiteral("Working..."));
        QCOMPARE(browser.addressList(), listBefore);
    }

    void homeAndSearchButtons()
    {
        UrlCapture pages;
        const Browser browser = openSearch(QStringLiteral("QUITO"), QStringLiteral("PICHINCHA"), QStringLiteral("ECUADOR"));
        QVERIFY(browser.window);

        // Search goes to the search service's own start page.
        browser.clickButton(QStringLiteral("Search"));
        QVERIFY(waitForPage(browser, QStringLiteral("/")));

        // Home goes to the maker's home page, inside the browser.
        browser.clickButton(QStringLiteral("Home"));
        WAIT_COMPARE(browser.url(), PageUrl(PageKey::HomePage));
        QVERIFY(pages.urls().isEmpty());
        QCOMPARE(m_server.requestsFor(QStringLiteral("/search")).size(), 1);
    }

    void forumLabelOpensHomePageInDefaultBrowser()
    {
        UrlCapture pages;
        const Browser browser = openSearch(QStringLiteral("LYON"), QStringLiteral("RHONE"), QStringLiteral("FRANCE"));
        QVERIFY(browser.window);
        auto* forum = browser.window->findChild<QLabel*>(QStringLiteral("Label61"));
        QVERIFY(forum && forum->isVisible());
        QVERIFY(!forum->text().isEmpty());
        QTest::mouseClick(forum, Qt::LeftButton);
        QCOMPARE(pages.urls(), QList<QUrl>{PageUrl(PageKey::HomePage)});
    }

    void linksOpenOnlyWebPagesAndOnlyHere_data()
    {
        QTest::addColumn<int>("line");     // the link clicked
        QTest::addColumn<QString>("typed"); // or the address typed instead
        QTest::addColumn<QString>("opens"); // the page shown then; empty: none
        const QStringList targets = LoopbackServer::linkTargets();
        for (int line = 0; line < targets.size(); ++line)
            QTest::newRow(qPrintable(targets[line]))
                << line << QString() << (targets[line].startsWith(u'/') ? targets[line] : QString());
        QTest::newRow("typed local file") << -1 << QStringLiteral("file:///etc/hostname") << QString();
    }

    void linksOpenOnlyWebPagesAndOnlyHere()
    {
        QFETCH(int, line);
        QFETCH(QString, typed);
        QFETCH(QString, opens);
        UrlCapture desktop;
        const Browser browser = openSearch(QStringLiteral("OSLO"), QStringLiteral("OSLO"), QStringLiteral("NORWAY"));
        QVERIFY(browser.window);
        browser.typeAddress(m_server.url(QStringLiteral("/links")).toString());
        QVERIFY(waitForPage(browser, QStringLiteral("/links")));
        pause(200); // laid out and painted

        // A real click, as the engine lets a user's click (not a script's) reach the desktop.
        if (typed.isEmpty())
            QTest::mouseClick(browser.view->focusProxy(), Qt::LeftButton, {}, QPoint(10, 40 * line + 20));
        else
            browser.typeAddress(typed);
        if (opens.isEmpty()) {
            pause(500);
            QCOMPARE(browser.url(), m_server.url(QStringLiteral("/links")));
        } else {
            QVERIFY(waitForPage(browser, opens));
        }
        QVERIFY(desktop.urls().isEmpty());
        QCOMPARE(visibleBrowserWindows().size(), 1);
    }

    void secondOpeningClosesTheFirst()
    {
        const Browser first = openSearch(QStringLiteral("MADRID"), QStringLiteral("MADRID"), QStringLiteral("SPAIN"));
        QVERIFY(first.window);
        const QPointer<QWidget> firstWindow = first.window;

        OpenPlaceSearch(QStringLiteral("SEVILLA"), QStringLiteral("ANDALUCIA"), QStringLiteral("SPAIN"));
        QVERIFY(!firstWindow || !firstWindow->isVisible());
        const QList<QWidget*> windows = visibleBrowserWindows();
        QCOMPARE(windows.size(), 1);
        QVERIFY(windows.front() != firstWindow);
        WAIT_VERIFY(!firstWindow);

        // The new window runs its own search, once.
        WAIT_COMPARE(m_server.requestsFor(QStringLiteral("/search")).size(), 2);
        QCOMPARE(LoopbackServer::fieldValue(m_server.requestsFor(QStringLiteral("/search")).back(), QStringLiteral("q")),
                 QStringLiteral("Latitude Longitude SEVILLA ANDALUCIA SPAIN"));
        WAIT_COMPARE(windows.front()->windowTitle(), QStringLiteral("Search Results"));
    }

    void resizingKeepsEveryControlInPlace()
    {
        const Browser browser = openSearch(QStringLiteral("ACCRA"), QStringLiteral("GREATER ACCRA"), QStringLiteral("GHANA"));
        QVERIFY(browser.window);
        auto* strip = browser.window->findChild<QWidget*>(QStringLiteral("picAddress"));
        auto* bottom = browser.window->findChild<QWidget*>(QStringLiteral("Picture1"));
        QVERIFY(strip && bottom);

        for (const QSize size : {QSize(1000, 760), QSize(520, 420)}) {
            browser.window->resize(size);
            WAIT_COMPARE(browser.window->size(), size);
            const QSize inner = browser.window->size();
            // The address box reaches the right edge of its strip.
            QCOMPARE(browser.address->width(), strip->width() - browser.address->x());
            QCOMPARE(strip->width(), inner.width());
            // The page leaves 100 twips of margin across and below the address strip, and
            // keeps clear of the bottom strip.
            const QRect page = browser.view->geometry();
            QCOMPARE(page.width(), inner.width() - 100 / 15);
            QCOMPARE(page.height(), inner.height() - (strip->y() + strip->height()) - 100 / 15 - bottom->height());
            QVERIFY(page.top() >= strip->geometry().bottom());
            QVERIFY(page.bottom() < bottom->y());
            QCOMPARE(bottom->geometry().bottom(), inner.height() - 1);
        }
    }
};

QTEST_MAIN(BrowserTest)
#include "tst_frmBrowser.moc"
