#include "shell/browser/BrowserPlugin.h"

#include "shell/browser/frmBrowser.h"

#include <QGuiApplication>
#include <QLoggingCategory>

#include <unistd.h>

namespace {

// Chromium reads its switches when Qt WebEngine starts, on the first browser view. Run as
// root (containers, CI) it refuses to start its sandbox, so the program turns the sandbox
// off itself; without a display there is no graphics card to use either. The program
// takes no settings from the environment, so it sets exactly the switches it needs.
void prepareChromiumSwitches()
{
    QStringList switches;
    if (geteuid() == 0)
        switches << QStringLiteral("--no-sandbox");
    if (QGuiApplication::platformName() == QLatin1String("offscreen"))
        switches << QStringLiteral("--disable-gpu");
    if (!switches.isEmpty())
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", switches.join(QLatin1Char(' ')).toLocal8Bit());
}

QLoggingCategory::CategoryFilter g_previousLogFilter = nullptr;

// Qt WebEngine starts after the application object here, so there is no OpenGL context
// shared with it and Chromium draws in software. Its start-up report then reads the
// missing context and crashes (Qt 6.4), so that report is switched off.
void quietEngineStartReport(QLoggingCategory* category)
{
    if (g_previousLogFilter)
        g_previousLogFilter(category);
    if (qstrcmp(category->categoryName(), "qt.webenginecontext") == 0) {
        category->setEnabled(QtDebugMsg, false);
        category->setEnabled(QtInfoMsg, false);
    }
}

} // namespace

BrowserPlugin::BrowserPlugin() : m_searchAddress(PlaceSearchAddress)
{
    prepareChromiumSwitches();
    g_previousLogFilter = QLoggingCategory::installFilter(quietEngineStartReport);
}

QWidget* BrowserPlugin::openSearch(const QString& searchText, const PlaceSearchHost& host)
{
    auto* window = new frmBrowser(m_searchAddress, host);
    window->open(searchText);
    return window;
}

void BrowserPlugin::setSearchAddress(const QUrl& address)
{
    m_searchAddress = address;
}
