#include "tests/shell/browser/LoopbackServer.h"

#include <QPointer>
#include <QTcpSocket>

LoopbackServer::LoopbackServer()
{
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readRequest(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                m_buffers.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

LoopbackServer::~LoopbackServer()
{
    // Sockets still open say goodbye as they go; this object must not hear it any more.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect(this);
        delete socket;
    }
}

bool LoopbackServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QUrl LoopbackServer::url(const QString& pathAndQuery) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(pathAndQuery));
}

QStringList LoopbackServer::requestsFor(const QString& path) const
{
    QStringList found;
    for (const QString& target : m_targets) {
        if (target == path || target.startsWith(path + QLatin1Char('?')))
            found.append(target);
    }
    return found;
}

void LoopbackServer::release()
{
    m_heldPaths.clear();
    const auto held = m_held;
    m_held.clear();
    for (const auto& [socket, path] : held) {
        if (socket && socket->state() == QAbstractSocket::ConnectedState)
            answer(socket, path);
    }
}

QString LoopbackServer::titleFor(const QString& path)
{
    static const QHash<QString, QString> titles{
        {QStringLiteral("/"), QStringLiteral("Search Service")},
        {QStringLiteral("/search"), QStringLiteral("Search Results")},
        {QStringLiteral("/page1"), QStringLiteral("Page One")},
        {QStringLiteral("/page2"), QStringLiteral("Page Two")},
        {QStringLiteral("/page3"), QStringLiteral("Page Three")},
        {QStringLiteral("/slow"), QStringLiteral("Slow Page")},
        {QStringLiteral("/links"), QStringLiteral("Links")},
    };
    return titles.value(path);
}

QStringList LoopbackServer::linkTargets()
{
    return {QStringLiteral("mailto:someone@attacker.example"), QStringLiteral("ssh://attacker.example/"),
            QStringLiteral("smb://attacker.example/share"), QStringLiteral("zelcustom:--help"),
            QStringLiteral("/page2")};
}

QString LoopbackServer::fieldValue(const QString& target, const QString& name)
{
    const qsizetype mark = target.indexOf(QLatin1Char('?'));
    if (mark < 0)
        return {};
    const QStringList fields = target.mid(mark + 1).split(QLatin1Char('&'));
    for (const QString& field : fields) {
        const qsizetype equals = field.indexOf(QLatin1Char('='));
        const QString fieldName = equals < 0 ? field : field.left(equals);
        if (fieldName != name)
            continue;
        QByteArray value = equals < 0 ? QByteArray() : field.mid(equals + 1).toLatin1();
        value.replace('+', ' ');
        return QString::fromUtf8(QByteArray::fromPercentEncoding(value));
    }
    return {};
}

void LoopbackServer::readRequest(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    if (!buffer.contains("\r\n\r\n"))
        return;
    const QList<QByteArray> requestLine = buffer.left(buffer.indexOf("\r\n")).split(' ');
    buffer.clear();
    if (requestLine.size() < 2)
        return;
    const QString target = QString::fromLatin1(requestLine[1]);
    m_targets.append(target);
    const QString path = target.section(QLatin1Char('?'), 0, 0);
    if (m_heldPaths.contains(path)) {
        m_held.append({socket, path});
        return;
    }
    answer(socket, path);
}

void LoopbackServer::answer(QTcpSocket* socket, const QString& path)
{
    const QString title = titleFor(path);
    const bool found = !title.isEmpty();
    // One link a line, 40 pixels high from the top, in the order of linkTargets().
    QString links;
    for (const QString& target : linkTargets())
        links += QStringLiteral("<a href=\"%1\"%2>%1</a>")
                     .arg(target, target.startsWith(u'/') ? QStringLiteral(" target=\"_blank\"") : QString());
    const QByteArray body =
        path == QLatin1String("/links")
            ? QStringLiteral("<!DOCTYPE html><html><head><title>Links</title><style>body{margin:0}"
                             "a{display:block;height:40px}</style></head><body>%1</body></html>")
                  .arg(links)
                  .toUtf8()
        : found ? QStringLiteral("<!DOCTYPE html><html><head><title>%1</title></head>"
                               "<body><h1>%1</h1><p><a href=\"/page3\">Page three</a></p></body></html>")
                    .arg(title)
                    .toUtf8()
              : QByteArrayLiteral("<!DOCTYPE html><html><head><title>Not Found</title></head><body></body></html>");
    QByteArray response = found ? QByteArrayLiteral("HTTP/1.1 200 OK\r\n") : QByteArrayLiteral("HTTP/1.1 404 Not Found\r\n");
    response += "Content-Type: text/html; charset=utf-8\r\n"
                "Cache-Control: no-store\r\n"
                "Connection: close\r\n"
                "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body;
    socket->write(response);
    socket->disconnectFromHost();
}
