#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QTcpServer;
class QTcpSocket;

namespace LarkAccount {

// The one-shot HTTP server on the loopback interface that receives the
// browser's redirect after sign-in. It listens on 127.0.0.1 and, where the
// system has it, on ::1 with the same port (browsers may resolve
// "localhost" to either), and accepts exactly one request: GET /callback
// carrying the random `state()` that went out with the sign-in page.
// Anything else is answered (404, or an error page for a wrong state) and
// the server keeps listening, so a web page that guesses the port cannot
// sign the program into another account.
class WebAuthHandler : public QObject
{
    Q_OBJECT

public:
    static constexpr quint16 kPreferredPort = 19876;
    // A connection that has not sent a whole request line by then is dropped.
    static constexpr int kRequestTimeoutMs = 15000;

    explicit WebAuthHandler(QObject* parent = nullptr);
    ~WebAuthHandler() override;

    // Starts listening; the redirect URI, or "" when no port could be opened.
    QString start();
    // Stops listening; connections already accepted are dropped.
    void stop();
    bool isListening() const;

    // "http://localhost:<port>/callback".
    QString redirectUri() const;
    quint16 port() const { return m_port; }
    // 256 random bits, base64url without padding: safe in a URL as it is.
    QString state() const { return m_state; }

signals:
    // The accepted callback's URL: "http://localhost:<port>" and its target.
    void callbackReceived(const QUrl& url);

private:
    bool listenOn(quint16 port);
    void onNewConnection(QTcpServer* server);
    void handleRequest(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& status, const QString& title, const QString& message);

    QTcpServer* m_server;     // 127.0.0.1
    QTcpServer* m_serverIpv6; // ::1, when the system has IPv6
    quint16 m_port = 0;
    QString m_state;
};

} // namespace LarkAccount
