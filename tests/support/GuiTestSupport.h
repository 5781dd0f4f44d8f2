#pragma once

#include "shell/Messages.h"
#include "shell/frmMDI.h"

#include <QList>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// Records every message box instead of showing it, answering with a chosen button.
class MessageLog {
public:
    explicit MessageLog(QMessageBox::StandardButton answer = QMessageBox::Ok);
    ~MessageLog();
    MessageLog(const MessageLog&) = delete;
    MessageLog& operator=(const MessageLog&) = delete;

    void setAnswer(QMessageBox::StandardButton answer) { m_answer = answer; }
    const QList<ShownMessage>& messages() const { return m_messages; }
    QStringList texts() const;
    void clear() { m_messages.clear(); }

private:
    QMessageBox::StandardButton m_answer;
    QList<ShownMessage> m_messages;
};

// Captures the web addresses the program hands to the desktop instead of opening them.
class UrlCapture : public QObject {
    Q_OBJECT
public:
    UrlCapture();
    ~UrlCapture() override;

    const QList<QUrl>& urls() const { return m_urls; }
    void clear() { m_urls.clear(); }

public slots:
    void open(const QUrl& url) { m_urls.append(url); }

private:
    QList<QUrl> m_urls;
};

// Points the per-user settings store at a fresh temporary folder.
class TemporarySettings {
public:
    TemporarySettings();
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
};

// A small file system of its own (tmpfs, with mount options such as "size=128k") mounted on
// folder while it lives, which only root may do. A test that needs it is skipped where it
// cannot be mounted, and fails when ZEL_REQUIRE_SMALL_DISK is set (CI runs as root).
struct SmallDisk {
    SmallDisk(const QString& folder, const QString& options);
    ~SmallDisk();
    // Fills it with a file of its own, leaving freeBytes free.
    bool fill(qint64 freeBytes = 0) const;
    QString folder;
    bool mounted;
};
#define SKIP_UNLESS_MOUNTED(disk)                                                                           \
    if (!(disk).mounted && qEnvironmentVariableIsSet("ZEL_REQUIRE_SMALL_DISK"))                              \
        QFAIL("A small tmpfs could not be mounted, and ZEL_REQUIRE_SMALL_DISK asks for one.");               \
    if (!(disk).mounted)                                                                                    \
        QSKIP("Not run: mounting a small tmpfs needs root.")

// The main window with the windows the suite needs registered (RegisterProgramWindows for
// every program, RegisterZodiacWindows for one ...; nullptr for none), shown offscreen. A
// suite links only the programs it registers, so a change to one program's screens
// relinks only the suites that use them.
using WindowRegistration = void (*)(frmMDI&);
std::unique_ptr<frmMDI> MakeMainWindow(WindowRegistration registerWindows);

// Prepares the application as the program does (name, fonts); call once from main. The
// settings store, Qt's own included (the file dialog's history), goes to a temporary folder
// for the whole run, never under the user's home.
void ConfigureTestApplication();

// The page address that a page key opens.
QUrl PageUrl(const QString& pageKey);
