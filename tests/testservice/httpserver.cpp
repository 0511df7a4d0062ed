#include "httpserver.h"

#include <QHostAddress>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

namespace {

constexpr int kMaxHeaderBytes = 64 * 1024;

QByteArray reasonPhrase(int status)
{
    switch (status) {
    case 200: return "OK";
    case 201: return "Created";
    case 204: return "No Content";
    case 302: return "Found";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 409: return "Conflict";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status";
    }
}

QByteArray serialize(const HttpResponse& response)
{
    QByteArray bytes = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    bytes += "Content-Type: " + response.contentType + "\r\n";
    for (const auto& header : response.headers)
        bytes += header.first + ": " + header.second + "\r\n";
    if (response.delivery == Delivery::Unframed || response.delivery == Delivery::Endless)
        bytes += "Connection: close\r\n\r\n";
    else
        bytes += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n\r\n";
    return bytes + response.body;
}

// One client connection: reads requests, answers them one at a time.
class Connection : public QObject
{
public:
    Connection(QTcpSocket* socket, const HttpServer::Handler& handler)
        : QObject(socket)
        , m_socket(socket)
        , m_handler(handler)
    {
        connect(socket, &QTcpSocket::readyRead, this, &Connection::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }

private:
    void onReadyRead()
    {
        m_buffer += m_socket->readAll();
        processRequests();
    }

    void processRequests()
    {
        while (!m_busy) {
            HttpRequest request;
            if (!takeRequest(&request))
                return;
            m_busy = true;
            deliver(m_handler(request));
        }
    }

    // Takes one complete request off the buffer.
    bool takeRequest(HttpRequest* request)
    {
        const qsizetype headEnd = m_buffer.indexOf("\r\n\r\n");
        if (headEnd < 0) {
            if (m_buffer.size() > kMaxHeaderBytes)
                m_socket->abort();
            return false;
        }
        const QList<QByteArray> lines = m_buffer.left(headEnd).split('\n');
        const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
        if (requestLine.size() != 3) {
            m_socket->abort();
            return false;
        }
        qsizetype contentLength = 0;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const QByteArray line = lines.at(i).trimmed();
            const qsizetype colon = line.indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = line.left(colon).trimmed();
            const QByteArray value = line.mid(colon + 1).trimmed();
            request->headers.append({name, value});
            if (name.compare("Content-Length", Qt::CaseInsensitive) == 0)
                contentLength = value.toLongLong();
        }
        const qsizetype bodyStart = headEnd + 4;
        if (m_buffer.size() - bodyStart < contentLength)
            return false;
        const QUrl target = QUrl::fromEncoded(requestLine.at(1));
        request->method = requestLine.at(0);
        request->path = target.path(QUrl::FullyDecoded);
        request->query = QUrlQuery(target);
        request->body = m_buffer.mid(bodyStart, contentLength);
        m_buffer.remove(0, bodyStart + contentLength);
        return true;
    }

    void deliver(const HttpResponse& response)
    {
        switch (response.delivery) {
        case Delivery::Normal:
            send(serialize(response));
            return;
        case Delivery::Hang:
            return; // stays busy: later requests on this connection wait forever too
        case Delivery::Close:
            m_socket->disconnectFromHost();
            return;
        case Delivery::Delay:
            QTimer::singleShot(response.delayMs, this, [this, bytes = serialize(response)] { send(bytes); });
            return;
        case Delivery::Slow:
            sendSlowly(serialize(response), response.delayMs);
            return;
        case Delivery::Unframed:
            m_socket->write(serialize(response));
            m_socket->disconnectFromHost();
            return;
        case Delivery::Endless:
            m_socket->write(serialize(response));
            return; // stays busy, like Hang
        }
    }

    void send(const QByteArray& bytes)
    {
        m_socket->write(bytes);
        m_busy = false;
        processRequests();
    }

    void sendSlowly(const QByteArray& bytes, int intervalMs)
    {
        auto* timer = new QTimer(this);
        timer->setInterval(intervalMs);
        connect(timer, &QTimer::timeout, this, [this, timer, bytes, sent = qsizetype(0)]() mutable {
            m_socket->write(bytes.mid(sent, 1));
            m_socket->flush();
            if (++sent < bytes.size())
                return;
            timer->deleteLater();
            m_busy = false;
            processRequests();
        });
        timer->start();
    }

    QTcpSocket* m_socket;
    HttpServer::Handler m_handler;
    QByteArray m_buffer;
    bool m_busy = false;
};

} // namespace

QByteArray HttpRequest::header(const QByteArray& name) const
{
    QByteArray value;
    for (const auto& header : headers) {
        if (header.first.compare(name, Qt::CaseInsensitive) == 0)
            value = header.second;
    }
    return value;
}

HttpServer::HttpServer(Handler handler, QObject* parent)
    : QObject(parent)
    , m_server(new QTcpServer(this))
    , m_handler(std::move(handler))
{
    connect(m_server, &QTcpServer::newConnection, this, &HttpServer::onNewConnection);
}

bool HttpServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost, 0);
}

quint16 HttpServer::port() const
{
    return m_server->serverPort();
}

void HttpServer::onNewConnection()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection())
        new Connection(socket, m_handler);
}
