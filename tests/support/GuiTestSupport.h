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

// The main window with every built program registered, shown offscreen.
std::unique_ptr<frmMDI> MakeMainWindow();

// Prepares the application as the program does (name, fonts); call once from main.
void ConfigureTestApplication();

// The page address that a page key opens.
QUrl PageUrl(const QString& pageKey);
