#include "tests/support/ScreenTest.h"

#include <QCoreApplication>
#include <QTest>

void ScreenTest::setUpScreens(WindowRegistration registerWindows)
{
    m_settings = std::make_unique<TemporarySettings>();
    m_messages = std::make_unique<MessageLog>();
    m_urls = std::make_unique<UrlCapture>();
    m_dialogs = std::make_unique<FakeReportDialogs>();
    m_main = MakeMainWindow(registerWindows);
}

void ScreenTest::tearDownScreens()
{
    // The windows go first, and are really deleted, while the seams they use still stand.
    m_main.reset();
    QTest::qWait(1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_dialogs.reset();
    m_urls.reset();
    m_messages.reset();
    m_settings.reset();
}
