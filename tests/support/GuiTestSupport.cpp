#include "tests/support/GuiTestSupport.h"

#include "shell/Application.h"
#include "shell/modHelp.h"

#include <QDesktopServices>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTest>

MessageLog::MessageLog(QMessageBox::StandardButton answer) : m_answer(answer)
{
    SetMessageRecorder([this](const ShownMessage& message) {
        m_messages.append(message);
        return m_answer;
    });
}

MessageLog::~MessageLog()
{
    SetMessageRecorder({});
}

QStringList MessageLog::texts() const
{
    QStringList result;
    for (const ShownMessage& message : m_messages)
        result.append(message.text);
    return result;
}

namespace {

// Web addresses and what else a hostile page or report might link to.
constexpr const char* kCapturedSchemes[] = {"http", "https", "file", "mailto", "ssh", "smb", "zelcustom"};

} // namespace

UrlCapture::UrlCapture()
{
    for (const char* scheme : kCapturedSchemes)
        QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
}

UrlCapture::~UrlCapture()
{
    for (const char* scheme : kCapturedSchemes)
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

TemporarySettings::TemporarySettings()
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
}

SmallDisk::SmallDisk(const QString& folder, const QString& options)
    : folder(folder), mounted(QProcess::execute(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"),
                                                                          QStringLiteral("-o"), options, QStringLiteral("tmpfs"), folder}) == 0)
{
}

SmallDisk::~SmallDisk()
{
    if (mounted)
        QProcess::execute(QStringLiteral("umount"), {folder});
}

bool SmallDisk::fill(qint64 freeBytes) const
{
    QFile filler(folder + QStringLiteral("/filler"));
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    while (filler.write(QByteArray(4096, 'x')) == 4096) {
    }
    return filler.resize(qMax<qint64>(0, filler.size() - freeBytes));
}

std::unique_ptr<frmMDI> MakeMainWindow(WindowRegistration registerWindows)
{
    auto main = std::make_unique<frmMDI>();
    if (registerWindows)
        registerWindows(*main);
    main->resize(1280, 900);
    main->show();
    [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(main.get());
    return main;
}

void ConfigureTestApplication()
{
    ConfigureApplication();
    static TemporarySettings settings;
    // The offscreen platform warns about every window it cannot size natively; that says
    // nothing about the program, so keep it out of the test logs.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
            if (message.contains(QLatin1String("propagateSizeHints")))
                return;
            if (previous)
                previous(type, context, message);
        });
}

QUrl PageUrl(const QString& pageKey)
{
    return QUrl(modHelp::PageAddress(pageKey));
}
