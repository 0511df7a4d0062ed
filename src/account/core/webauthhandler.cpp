#include "account/core/webauthhandler.h"

#include "account/core/callbackrequest.h"

#include <QHostAddress>
#include <QRandomGenerator>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <array>

namespace LarkAccount {

namespace {

// System-chosen ports tried after the preferred one; each may already be
// taken on ::1 by another program.
constexpr int kPortAttempts = 5;

QString randomState()
{
    std::array<quint32, 8> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    const QByteArray bytes(reinterpret_cast<const char*>(words.data()), qsizetype(sizeof words));
    return QString::fromLatin1(bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

WebAuthHandler::WebAuthHandler(QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_serverIpv6(new QTcpServer(this))
    , m_state(randomState())
{
    for (QTcpServer* server : {m_server, m_serverIpv6})
        connect(server, &QTcpServer::newConnection, this, [this, server] { onNewConnection(server); });
}

WebAuthHandler::~WebAuthHandler()
{
    stop();
}

QString WebAuthHandler::start()
{
    if (isListening())
        return redirectUri();
    bool listening = listenOn(kPreferredPort);
    for (int attempt = 0; !listening && attempt < kPortAttempts; ++attempt)
        listening = listenOn(0);
    return listening ? redirectUri() : QString();
}

bool WebAuthHandler::listenOn(quint16 port)
{
    if (!m_server->listen(QHostAddress::LocalHost, port))
        return false;
    const quint16 actual = m_server->serverPort();
    if (!m_serverIpv6->listen(QHostAddress::LocalHostIPv6, actual)
        && m_serverIpv6->serverError() == QAbstractSocket::AddressInUseError) {
        // Whoever holds ::1 on this port would receive the tokens of a
        // browser that resolves "localhost" there. (A system without IPv6
        // fails otherwise and gets 127.0.0.1 alone.)
        m_server->close();
        return false;
    }
    m_port = actual;
    return true;
}

void WebAuthHandler::stop()
{
    m_server->close();
    m_serverIpv6->close();
}

bool WebAuthHandler::isListening() const
{
    return m_server->isListening();
}

QString WebAuthHandler::redirectUri() const
{
    return QStringLiteral("http://localhost:%1/callback").arg(m_port);
}

void WebAuthHandler::onNewConnection(QTcpServer* server)
{
    while (QTcpSocket* socket = server->nextPendingConnection()) {
        // Unread bytes stay in the socket's buffer, which never grows past
        // the longest request line accepted.
        socket->setReadBufferSize(kMaxCallbackRequestLine);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { handleRequest(socket); });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kRequestTimeoutMs, socket, [socket] { socket->abort(); });
    }
}

void WebAuthHandler::handleRequest(QTcpSocket* socket)
{
    const CallbackRequest request = readCallbackRequest(socket->peek(kMaxCallbackRequestLine), m_port, m_state);
    if (request.verdict == CallbackVerdict::NeedMore)
        return;
    socket->disconnect(this); // one answer per connection

    switch (request.verdict) {
    case CallbackVerdict::NeedMore:
        return;
    case CallbackVerdict::BadRequest:
        if (socket->bytesAvailable() >= kMaxCallbackRequestLine) {
            socket->abort(); // whatever follows is not worth reading
            return;
        }
        respond(socket, "400 Bad Request", tr("Bad request"), QString());
        return;
    case CallbackVerdict::NotFound:
        respond(socket, "404 Not Found", tr("Not found"), QString());
        return;
    case CallbackVerdict::WrongState:
        respond(socket, "400 Bad Request", tr("Sign-in failed"),
                tr("This page does not belong to the sign-in the application is waiting for. "
                   "Start the sign-in again from the application."));
        return;
    case CallbackVerdict::Accepted:
        respond(socket, "200 OK", tr("Authentication complete!"),
                tr("You can close this tab and return to the application."));
        stop(); // one sign-in per handler
        emit callbackReceived(request.url);
        return;
    }
}

void WebAuthHandler::respond(QTcpSocket* socket, const QByteArray& status, const QString& title,
                             const QString& message)
{
    QString page = QStringLiteral("<html><body style='font-family: sans-serif; text-align: center; padding: 40px;'>"
                                  "<h2>%1</h2>")
                       .arg(title.toHtmlEscaped());
    if (!message.isEmpty())
        page += QStringLiteral("<p>%1</p>").arg(message.toHtmlEscaped());
    page += QStringLiteral("</body></html>");
    const QByteArray body = page.toUtf8();
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/html; charset=utf-8\r\nContent-Length: "
                  + QByteArray::number(body.size()) + "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body);
    socket->flush();
    // Closing with unread bytes would reset the connection and could lose
    // the page on its way.
    socket->readAll();
    socket->disconnectFromHost();
}

} // namespace LarkAccount
