#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QUrl>

// The test service as a child process of a test: started by the
// constructor, stopped by its process id in the destructor. The control
// calls talk to it over a blocking socket, so they never run the test's
// event loop (and with it the replies a test is waiting for).
class TestServiceProcess
{
public:
    TestServiceProcess();
    ~TestServiceProcess();
    TestServiceProcess(const TestServiceProcess&) = delete;
    TestServiceProcess& operator=(const TestServiceProcess&) = delete;

    // False when the service did not start; errorText() says why.
    bool isRunning() const { return m_port != 0; }
    QString errorText() const { return m_error; }
    quint16 port() const { return m_port; }
    // http://127.0.0.1:<port> followed by path.
    QUrl url(const QString& path = QString()) const;

    // POST /_control/reset: no tokens, faults or logged requests.
    void reset();
    // A fault for a route pattern, e.g. {{"mode", "hang"}} or
    // {{"status", 401}, {"times", 1}}.
    void addFault(const QString& route, QJsonObject fault);
    // The logged requests, all or those of one route pattern.
    QJsonArray requests(const QString& route = QString());
    // A token pair the service accepts; accessTtl < 0 gives an expired
    // access token.
    QJsonObject issueTokens(const QString& subject, qint64 accessTtlSeconds = 3600);

    // One control request; the reply's JSON object (empty on failure).
    QJsonObject control(const QByteArray& method, const QString& path, const QJsonObject& body = QJsonObject());

private:
    QProcess m_process;
    quint16 m_port = 0;
    QString m_error;
};
