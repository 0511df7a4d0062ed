#include "testserviceprocess.h"

#include <QHostAddress>
#include <QJsonDocument>
#include <QTcpSocket>

namespace {

constexpr int kWaitMs = 10000;

} // namespace

TestServiceProcess::TestServiceProcess()
{
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(QStringLiteral(TALLYLEAF_TESTSERVICE), QStringList());
    if (!m_process.waitForStarted(kWaitMs)) {
        m_error = m_process.errorString();
        return;
    }
    while (!m_process.canReadLine() && m_process.waitForReadyRead(kWaitMs)) {
    }
    bool ok = false;
    const quint16 port = m_process.readLine().trimmed().toUShort(&ok);
    if (!ok || port == 0) {
        m_error = QStringLiteral("the test service printed no port");
        return;
    }
    m_port = port;
}

TestServiceProcess::~TestServiceProcess()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.terminate(); // SIGTERM to its pid
    if (!m_process.waitForFinished(kWaitMs)) {
        m_process.kill();
        m_process.waitForFinished(kWaitMs);
    }
}

QUrl TestServiceProcess::url(const QString& path) const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path));
}

QJsonObject TestServiceProcess::control(const QByteArray& method, const QString& path, const QJsonObject& body)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, m_port);
    if (!socket.waitForConnected(kWaitMs))
        return {};
    const QByteArray content = body.isEmpty() ? QByteArray() : QJsonDocument(body).toJson(QJsonDocument::Compact);
    socket.write(method + ' ' + path.toUtf8() + " HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: "
                 + QByteArray::number(content.size()) + "\r\n\r\n" + content);
    // The reply is complete once its Content-Length bytes have arrived.
    QByteArray reply;
    qsizetype headEnd = -1;
    qsizetype length = -1;
    while (length < 0 || reply.size() < headEnd + 4 + length) {
        if (!socket.waitForReadyRead(kWaitMs))
            return {};
        reply += socket.readAll();
        headEnd = reply.indexOf("\r\n\r\n");
        if (headEnd >= 0 && length < 0) {
            const QByteArray head = reply.left(headEnd).toLower();
            const qsizetype at = head.indexOf("content-length:");
            length = at < 0 ? 0 : head.mid(at + 15, head.indexOf('\n', at) - at - 15).trimmed().toLongLong();
        }
    }
    return QJsonDocument::fromJson(reply.mid(headEnd + 4, length)).object();
}

void TestServiceProcess::reset()
{
    control("POST", QStringLiteral("/_control/reset"));
}

void TestServiceProcess::addFault(const QString& route, QJsonObject fault)
{
    fault.insert(QStringLiteral("route"), route);
    control("POST", QStringLiteral("/_control/faults"), fault);
}

QJsonArray TestServiceProcess::requests(const QString& route)
{
    const QString query
        = route.isEmpty() ? QString() : QStringLiteral("?route=") + QString::fromUtf8(QUrl::toPercentEncoding(route));
    return control("GET", QStringLiteral("/_control/requests") + query).value(QLatin1String("requests")).toArray();
}

QJsonObject TestServiceProcess::issueTokens(const QString& subject, qint64 accessTtlSeconds)
{
    return control("POST", QStringLiteral("/_control/tokens"), {{"sub", subject}, {"access_ttl", accessTtlSeconds}});
}
