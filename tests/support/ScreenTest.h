#pragma once

#include "tests/support/GuiTestSupport.h"
#include "tests/support/ReportTestSupport.h"

#include <memory>

// What a screen test stands on: a private settings store, recorded messages, captured
// pages, answered report dialogs and the main window with the programs the suite tests. A
// test class derives from it, calls setUpScreens() in init() and tearDownScreens() in
// cleanup().
class ScreenTest {
protected:
    void setUpScreens(WindowRegistration registerWindows);
    void tearDownScreens();

    std::unique_ptr<TemporarySettings> m_settings;
    std::unique_ptr<MessageLog> m_messages;
    std::unique_ptr<UrlCapture> m_urls;
    std::unique_ptr<FakeReportDialogs> m_dialogs;
    std::unique_ptr<frmMDI> m_main;
};
