// The entry screen's browse buttons open the place search for that partner's birth place,
// one browser window at a time. The search goes to a loopback server of the test's own.
#include "moon/MoonWindows.h"
#include "moon/frmMainMoonSignCompatibility.h"
#include "shell/PlaceSearch.h"
#include "shell/browser/PlaceSearchBrowser.h"
#include "tests/shell/browser/LoopbackServer.h"
#include "tests/support/GuiTestSupport.h"

#include <QApplication>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace {

// Keeps the event loop turning (the browser engine needs it) until done() or the time is up.
bool waitUntil(const std::function<bool()>& done, int timeout = 20000)
{
    if (done())
        return true;
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done())
            loop.quit();
    });
    QTimer::singleShot(timeout, &loop, &QEventLoop::quit);
    poll.start(10);
    loop.exec();
    return done();
}

QList<QWidget*> browserWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("frmBrowser") && widget->isVisible())
            windows.append(widget);
    }
    return windows;
}

void typeInto(QLineEdit* field, const QString& text)
{
    field->setFocus();
    QTest::keyClicks(field, text);
}

} // namespace

class MoonPlaceSearchTests : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ConfigureTestApplication();
        QVERIFY(m_server.start());
        PlaceSearchBrowser* plugin = PlaceSearch::LoadBrowser();
        QVERIFY2(plugin, "the browser plugin was not found");
        plugin->setSearchAddress(m_server.url(QStringLiteral("/search")));
    }

    void browseButtonsSearchForEachPartnersPlace()
    {
        MessageLog messages;
        auto main = MakeMainWindow(RegisterMoonWindows);
        QTest::mouseClick(main->cmdSelectOption[1], Qt::LeftButton);
        auto* entry = ProgramWindows::Find<frmMainMoonSignCompatibility>(ProgramWindowId::frmMainMoonSignCompatibility);
        QVERIFY(entry);

        typeInto(entry->txtMCity, QStringLiteral("paris"));
        typeInto(entry->txtMState, QStringLiteral("ile de france"));
        typeInto(entry->txtMCountry, QStringLiteral("france"));
        QTest::mouseClick(entry->cmdMaleBrowse, Qt::LeftButton);
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(waitUntil([&] { return m_server.requestsFor(QStringLiteral("/search")).size() == 1; }));
        QCOMPARE(LoopbackServer::fieldValue(m_server.requestsFor(QStringLiteral("/search")).front(), QStringLiteral("q")),
                 QStringLiteral("Latitude Longitude PARIS ILE DE FRANCE FRANCE"));
        QCOMPARE(browserWindows().size(), 1);
        QPointer<QWidget> first = browserWindows().front();
        QCOMPARE(first->windowModality(), Qt::NonModal);
        // The entry screen stays as it was.
        QVERIFY(ProgramWindows::Find(ProgramWindowId::frmMainMoonSignCompatibility));
        QCOMPARE(entry->txtMCity->text(), QStringLiteral("PARIS"));

        // The partner's search replaces the first window.
        typeInto(entry->txtFCity, QStringLiteral("nice"));
        typeInto(entry->txtFState, QStringLiteral("provence"));
        typeInto(entry->txtFCountry, QStringLiteral("italy"));
        QTest::mouseClick(entry->cmdFemaleBrowse, Qt::LeftButton);
        QVERIFY(waitUntil([&] { return m_server.requestsFor(QStringLiteral("/search")).size() == 2; }));
        QCOMPARE(LoopbackServer::fieldValue(m_server.requestsFor(QStringLiteral("/search")).back(), QStringLiteral("q")),
                 QStringLiteral("Latitude Longitude NICE PROVENCE ITALY"));
        QVERIFY(waitUntil([&] { return !first || !first->isVisible(); }));
        QCOMPARE(browserWindows().size(), 1);
        QVERIFY(messages.messages().isEmpty());

        for (QWidget* window : browserWindows())
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private:
    LoopbackServer m_server;
};

QTEST_MAIN(MoonPlaceSearchTests)
#include "tst_moon_place_search.moc"
