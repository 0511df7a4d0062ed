#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QUrlQuery>

#include <functional>

class QTcpServer;

// One HTTP/1.1 request as read from the socket.
struct HttpRequest
{
    QByteArray method;
    QString path; // decoded
    QUrlQuery query;
    QList<QPair<QByteArray, QByteArray>> headers; // as sent
    QByteArray body;

    // The last header of that name (case-insensitive), or empty.
    QByteArray header(const QByteArray& name) const;
};

// How a reply leaves the server: the transport faults a test can ask for.
enum class Delivery {
    Normal,
    Hang,  // never answer; the connection stays open
    Close, // close the connection without answering
    Delay, // answer after delayMs
    Slow,  // send the answer one byte every delayMs
    Unframed, // no Content-Length: the body ends when the connection closes
    Endless,  // no Content-Length, and the connection stays open after the body
};

struct HttpResponse
{
    int status = 200;
    QByteArray contentType = "application/json";
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers; // besides Content-Type and Content-Length
    Delivery delivery = Delivery::Normal;
    int delayMs = 0;
};

// A small HTTP/1.1 server on 127.0.0.1 (never another address) that hands
// every request to one handler and delivers its response as the response
// asks. Keep-alive connections answer their requests in order; request
// bodies need a Content-Length (chunked uploads are not read).
class HttpServer : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<HttpResponse(const HttpRequest&)>;

    explicit HttpServer(Handler handler, QObject* parent = nullptr);

    // Listens on a port the system picks; false when that fails.
    bool listen();
    quint16 port() const;

private:
    void onNewConnection();

    QTcpServer* m_server;
    Handler m_handler;
};
