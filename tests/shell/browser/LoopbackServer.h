#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QStringList>
#include <QTcpServer>
#include <QUrl>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 that stands in for the search service and a few web
// pages. It records the target (path and query) of every request and can hold back the
// answers for a path until the test releases them.
class LoopbackServer : public QObject {
    Q_OBJECT
public:
    LoopbackServer();
    ~LoopbackServer() override;

    bool start();
    QUrl url(const QString& pathAndQuery) const;

    // The targets of every request so far, oldest first.
    QStringList targets() const { return m_targets; }
    // The requests for this path, with whatever query.
    QStringList requestsFor(const QString& path) const;
    void clear() { m_targets.clear(); }

    // Answers for path wait until release().
    void hold(const QString& path) { m_heldPaths.insert(path); }
    void release();

    // The title of the page served at path.
    static QString titleFor(const QString& path);

    // The addresses the page "/links" links to, one a line 40 pixels high from its top; the
    // one on this server ("/page2") opens in a new window.
    static QStringList linkTargets();

    // The decoded value of a form field in a query (form encoding, UTF-8), or a null
    // string when the field is missing.
    static QString fieldValue(const QString& target, const QString& name);

private:
    void readRequest(QTcpSocket* socket);
    void answer(QTcpSocket* socket, const QString& path);

    QTcpServer m_server;
    QStringList m_targets;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QSet<QString> m_heldPaths;
    QList<QPair<QPointer<QTcpSocket>, QString>> m_held;
};
