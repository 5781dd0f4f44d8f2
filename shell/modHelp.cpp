#include "shell/modHelp.h"

#include "shell/FileErrors.h"
#include "shell/Messages.h"
#include "shell/frmAbout.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QUrl>

#include <array>

namespace modHelp {

namespace {

constexpr int kReminderShift = 85;
constexpr int kReminderWindowDays = 14;
const QString kReminderFormat = QStringLiteral("M/d/yyyy");

QSettings reminderSettings()
{
    // No organisation: the store is named after the executable alone.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope,
                     QCoreApplication::applicationName());
}

const QString kReminderKey = QStringLiteral("Settings/Duration");

// Stores the reminder date; returns why it is not stored, or an empty string. A settings file that is a symbolic link is left as it is: QSettings would rewrite
// the file it leads to as its own, whatever that file held.
QString storeReminderDate(QSettings& settings, const QDate& today)
{
    const QFileInfo file(settings.fileName());
    if (file.isSymLink())
        return QStringLiteral("It is a link to \"%1\", which is left as it is.")
            .arg(QDir::toNativeSeparators(file.symLinkTarget()));
    settings.setValue(kReminderKey, EncodeReminderDate(today));
    settings.sync();
    if (settings.status() != QSettings::AccessError)
        return {};
    // QSettings keeps no errno of its failed write: the cause is looked for on the disk.
    return DescribeWriteFailure(settings.fileName(), 0).cause;
}

// Captions of the shared items, which differ slightly from window to window.
struct SharedMenuCaptions {
    const char* windowName;
    const char* onlineHelp;
    const char* visitUs;
    const char* update;
    const char* donate;
    const char* makeMoneyName; // nullptr: the window has no "Make Money" item
};

constexpr std::array kSharedMenus{
    SharedMenuCaptions{"frmMDI", "&Online Help", "&Visit Us Online", "Check for Software &Update", "&Donate", "mkmoney"},
    SharedMenuCaptions{"frmMainZodiacCompatibility", "&Online Help", "&Visit Us Online", "Check for Software &Update", "&Donate", "mkmoney"},
    SharedMenuCaptions{"frmSunSignZodiacCompatibility", "&Online Help", "&Visit Us Online", "Check for Software &Update", "&Donate", nullptr},
    SharedMenuCaptions{"frmMainMoonSignCompatibility", "&Online Help", "&Visit Us Online", "Check for Software &Update", "Donate", "mkmoney"},
    SharedMenuCaptions{"frmMoonSign", "&Online Help", "&Visit Us Online", "Check for Software &Update", "&Donate", "mnuMakeMoney"},
    SharedMenuCaptions{"frmmainChineseZodiac", "&Online Help", "&Visit Us Online", "Check for Software &Update", "&Donate", "mkmoney"},
    SharedMenuCaptions{"frmchiness", "&Online Help", "&Visit Us Online", "Check For Software &Update", "&Donate", "mkmoney"},
    SharedMenuCaptions{"frmMainMarriageCompatibility", "&Online help", "&Visit us Online", "Check for Software &Update", "&Donate", "mkmoney"},
};

const SharedMenuCaptions& captionsFor(const QString& windowName)
{
    for (const auto& captions : kSharedMenus) {
        if (windowName == QLatin1String(captions.windowName))
            return captions;
    }
    Q_ASSERT_X(false, "AddSharedMenus", "window without shared menu captions");
    return kSharedMenus.front();
}

void connectPage(QAction* action, const QString& pageKey)
{
    QObject::connect(action, &QAction::triggered, action, [pageKey] { OpenPage(pageKey); });
}

} // namespace

QString PageAddress(const QString& pageKey)
{
    return SiteAddress + QStringLiteral("/zel-free-compatibility/ssd.php?page=") + pageKey;
}

void OpenPage(const QString& pageKey)
{
    OpenWebAddress(QUrl(PageAddress(pageKey)));
}

bool IsWebAddress(const QUrl& address)
{
    const QString scheme = address.scheme().toLower();
    return address.isValid() && (scheme == u"http" || scheme == u"https") && !address.host().isEmpty();
}

void OpenWebAddress(const QUrl& address)
{
    if (IsWebAddress(address) && !QDesktopServices::openUrl(address)) {
        ShowMessage(QStringLiteral("The page could not be opened, because no web browser was found.\n"
                                   "Open this address in a web browser:\n%1")
                        .arg(address.toString()),
                    MessageIcon::Warning);
    }
}

QString EncodeReminderDate(const QDate& date)
{
    QString encoded = date.toString(kReminderFormat);
    for (QChar& c : encoded)
        c = QChar(c.unicode() + kReminderShift);
    return encoded;
}

std::optional<QDate> DecodeReminderDate(const QString& stored)
{
    // A plausible date text is short; anything longer is not worth decoding.
    if (stored.isEmpty() || stored.size() > kReminderFormat.size() + 4)
        return std::nullopt;
    QString plain;
    plain.reserve(stored.size());
    for (QChar c : stored) {
        const int code = c.unicode() - kReminderShift;
        if (code < 0 || code > 0xFF)
            return std::nullopt;
        plain.append(QChar(code));
    }
    const QDate date = QDate::fromString(plain, kReminderFormat);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

void UpdateReminder(const QDate& today)
{
    QSettings settings = reminderSettings();
    const QString stored = settings.value(kReminderKey).toString();
    if (stored.isEmpty()) {
        // Not stored, the next start is a first start again: nothing the user sees changes.
        storeReminderDate(settings, today);
        return;
    }

    const std::optional<QDate> remembered = DecodeReminderDate(stored);
    if (!remembered)
        return;
    const qint64 days = today.daysTo(*remembered);
    if (days >= -kReminderWindowDays && days <= kReminderWindowDays)
        return;

    const auto answer = ShowMessage(QStringLiteral("There maybe an update to this software available\n"
                                                   "Do you want to check for an update?"),
                                    MessageIcon::Information, QMessageBox::Yes | QMessageBox::No);
    const QString unsaved = storeReminderDate(settings, today);
    if (!unsaved.isEmpty()) {
        ShowMessage(QStringLiteral("The date of this reminder could not be saved in \"%1\".\n%2\n"
                                   "Until it can be, this question comes back at every start.")
                        .arg(QDir::toNativeSeparators(settings.fileName()), unsaved),
                    MessageIcon::Warning);
    }
    if (answer == QMessageBox::Yes)
        OpenPage(PageKey::DownloadWebPage);
}

void AddSharedMenus(MenuBarModel& bar, const QString& windowName)
{
    const SharedMenuCaptions& captions = captionsFor(windowName);

    QMenu* help = bar.addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    connectPage(AddMenuItem(help, QString::fromLatin1(captions.onlineHelp), QStringLiteral("mnuOnline")),
                PageKey::HelpWebPage);
    connectPage(AddMenuItem(help, QString::fromLatin1(captions.visitUs), QStringLiteral("mnuVisit")),
                PageKey::HomePage);
    help->addSeparator();
    connectPage(AddMenuItem(help, QString::fromLatin1(captions.update), QStringLiteral("mnuUpdate")),
                PageKey::DownloadWebPage);
    help->addSeparator();
    QAction* about = AddMenuItem(help, QStringLiteral("&About Software"), QStringLiteral("mnuAbout"));
    QWidget* owner = bar.owner();
    QObject::connect(about, &QAction::triggered, owner, [owner] { frmAbout::ShowModal(owner); });

    connectPage(bar.addCommand(QString::fromLatin1(captions.donate), QStringLiteral("mnuDonate")),
                PageKey::Donate);
    if (captions.makeMoneyName) {
        // Switched off everywhere: shown greyed so users see the offer exists.
        QAction* makeMoney = bar.addCommand(QStringLiteral("Make Money &Online"),
                                            QString::fromLatin1(captions.makeMoneyName));
        connectPage(makeMoney, PageKey::FullyBranded);
        makeMoney->setEnabled(false);
    }
}

} // namespace modHelp
