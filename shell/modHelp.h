#pragma once

#include "shell/MenuBarModel.h"

#include <QDate>
#include <QString>
#include <QUrl>

#include <optional>

// Page keys of the maker's web site; every web link of the program names one of them.
namespace PageKey {
inline const QString HomePage = QStringLiteral("home-page");
inline const QString HelpWebPage = QStringLiteral("help-web-page");
inline const QString DownloadWebPage = QStringLiteral("download-web-page");
inline const QString Donate = QStringLiteral("donate");
inline const QString FullyBranded = QStringLiteral("fully-branded");
inline const QString CoBrand = QStringLiteral("co-brand");
} // namespace PageKey

namespace modHelp {

// The maker's site; every page address is built from it. A reserved domain until release.
inline const QString SiteAddress = QStringLiteral("https://www.zel-compatibility.example");

// The program's application id, replaced at release like the site address: it names the
// desktop entry, the AppStream metainfo file and the icon, and the program gives it to the
// desktop as its desktop file name. CMake reads it from this line (CMakeLists.txt).
inline const QString ApplicationId = QStringLiteral("example.zelcompatibility.ZelCompatibility");

QString PageAddress(const QString& pageKey);

// Opens the page in the user's default browser (see OpenWebAddress).
void OpenPage(const QString& pageKey);

// Whether an address may be handed to the desktop: only http and https addresses ever are.
bool IsWebAddress(const QUrl& address);

// Hands a web address to the desktop to open in the default browser; every page the
// program opens goes through here. Anything that is not a web address is refused. When the
// desktop cannot open it (no web browser), a message says so and shows the address.
void OpenWebAddress(const QUrl& address);

// Runs once at start-up: remembers the day of the last reminder in the settings store
// and, when it lies more than 14 days away from today, asks whether to look for an update.
// When the answer cannot be remembered, a message says why. A settings file that is a
// symbolic link is read but never written.
void UpdateReminder(const QDate& today);

// The stored form of the reminder date: "M/d/yyyy" with every character code raised by 85.
QString EncodeReminderDate(const QDate& date);
std::optional<QDate> DecodeReminderDate(const QString& stored);

// Adds the "&Help" menu and the top-level "&Donate" and "Make Money &Online" items with
// the captions that the named window shows. Every window with a menu bar calls this after
// adding its own "&File" menu.
void AddSharedMenus(MenuBarModel& bar, const QString& windowName);

} // namespace modHelp
