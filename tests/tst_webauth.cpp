#include "coretestsupport.h"

#include "account/core/apiclient.h"
#include "account/core/authclient.h"
#include "account/core/tokenmanager.h"
#include "account/core/webauthhandler.h"
#include "testserviceprocess.h"

#include <QDesktopServices>
#include <QElapsedTimer>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrlQuery>

using namespace LarkAccount;

// Browser sign-in: the URL handed to the desktop is captured, and the test
// plays the browser against the loopback callback server.
class WebAuthTest : public QObject
{
    Q_OBJECT

public slots:
    // The desktop's URL handler while the tests run.
    void openUrl(const QUrl& url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void browserSignInEndToEnd();
    void callbackRequests_data();
    void callbackRequests();
    void secondLoginReplacesFirst();
    void heldPortIsNotShared_data();
    void heldPortIsNotShared();
    void onlyWebAddressesOpened_data();
    void onlyWebAddressesOpened();

private:
    struct Pending
    {
        quint16 port = 0;
        QString state;
    };
    // Calls login() and reads the port and state from the opened page.
    Pending startLogin();
    void makeClient(const QString& serverUrl);

    std::unique_ptr<TestServiceProcess> m_service;
    MemoryTokenStore* m_store = nullptr;
    std::unique_ptr<TokenManager> m_tokens;
    std::unique_ptr<ApiClient> m_api;
    std::unique_ptr<AuthClient> m_auth;
    QList<QUrl> m_opened;
};

namespace {

const QStringList kSchemes{"http", "https", "file", "javascript"};

// Plays a client on a raw connection: sends the parts with a pause between
// them (so they arrive as separate reads), then collects everything until
// the server closes. Empty when the connection is refused or reset.
QByteArray exchange(const QString& host, quint16 port, const QList<QByteArray>& parts)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress(host), port);
    if (!socket.waitForConnected(5000))
        return QByteArray();
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (i > 0)
            QTest::qWait(100);
        socket.write(parts.at(i));
        socket.waitForBytesWritten(5000);
    }
    QElapsedTimer timer;
    timer.start();
    while (socket.state() != QAbstractSocket::UnconnectedState && timer.elapsed() < 10000)
        QTest::qWait(10);
    return socket.readAll();
}

QByteArray statusLine(const QByteArray& response)
{
    return response.left(response.indexOf("\r\n"));
}

QByteArray callbackRequest(const QString& state, const QByteArray& tokens = "access_token=A.b.c&refresh_token=R.s")
{
    return "GET /callback?" + tokens + "&state=" + state.toLatin1() + " HTTP/1.1\r\nHost: localhost\r\n\r\n";
}

} // namespace

void WebAuthTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    for (const QString& scheme : kSchemes)
        QDesktopServices::setUrlHandler(scheme, this, "openUrl");
}

void WebAuthTest::cleanupTestCase()
{
    for (const QString& scheme : kSchemes)
        QDesktopServices::unsetUrlHandler(scheme);
}

void WebAuthTest::init()
{
    m_service->reset();
    m_opened.clear();
    makeClient(m_service->url().toString());
}

void WebAuthTest::makeClient(const QString& serverUrl)
{
    m_auth.reset();
    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_tokens = std::make_unique<TokenManager>(std::move(store));
    m_api = std::make_unique<ApiClient>(m_tokens.get());
    m_api->setBaseUrl(m_service->url(QStringLiteral("/api/v1/realms/larkspur")));
    m_auth = std::make_unique<AuthClient>(serverUrl, QStringLiteral("larkspur"),
                                          QStringLiteral("0123456789abcdef0123456789abcdef"), m_api.get(),
                                          m_tokens.get());
}

void WebAuthTest::cleanup()
{
    m_auth.reset();
    m_api.reset();
    m_tokens.reset();
}

WebAuthTest::Pending WebAuthTest::startLogin()
{
    const qsizetype before = m_opened.size();
    m_auth->login();
    if (m_opened.size() != before + 1)
        return Pending();
    const QUrlQuery query(m_opened.last());
    const QRegularExpressionMatch redirect
        = QRegularExpression(QStringLiteral("^http://localhost:(\\d+)/callback$"))
              .match(query.queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    if (!redirect.hasMatch())
        return Pending();
    return Pending{redirect.captured(1).toUShort(), query.queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded)};
}

// The sign-in page of the test service redirects the "browser" to the
// callback with real tokens; the network manager follows the redirect.
void WebAuthTest::browserSignInEndToEnd()
{
    QSignalSpy succeeded(m_auth.get(), &AuthClient::loginSucceeded);
    const Pending pending = startLogin();
    QVERIFY(pending.port != 0);
    const QUrl page = m_opened.last();
    QCOMPARE(page.path(), QStringLiteral("/larkspur/account/login"));
    const QString encoded = QString::fromLatin1(page.toEncoded());
    // The redirect URI goes out fully percent-encoded.
    QVERIFY2(encoded.contains(QStringLiteral("redirect_uri=http%3A%2F%2Flocalhost%3A%1%2Fcallback&").arg(pending.port)),
             qPrintable(encoded));
    QCOMPARE(QUrlQuery(page).queryItemValue(QStringLiteral("client_id")),
             QStringLiteral("0123456789abcdef0123456789abcdef"));
    // 256 random bits, URL-safe as they are.
    QVERIFY2(QRegularExpression(QStringLiteral("^[A-Za-z0-9_-]{43}$")).match(pending.state).hasMatch(),
             qPrintable(pending.state));
    QCOMPARE(m_auth->state(), AuthState::Unknown); // login alone changes nothing

    QNetworkAccessManager browser;
    std::unique_ptr<QNetworkReply> reply(browser.get(QNetworkRequest(page)));
    QTRY_VERIFY_WITH_TIMEOUT(reply->isFinished(), 10000);
    QCOMPARE(reply->error(), QNetworkReply::NoError);
    QCOMPARE(reply->url().host(), QStringLiteral("localhost"));
    QVERIFY(reply->readAll().contains("Authentication complete!"));

    QCOMPARE(succeeded.size(), 1);
    QCOMPARE(m_auth->state(), AuthState::Authenticated);
    QVERIFY(!m_store->read(kRefreshTokenKey).value_or(QString()).isEmpty());
    QCOMPARE(m_auth->userId(), QStringLiteral("user-1")); // tokens the service accepts
    QCOMPARE(m_service->requests(QStringLiteral("/:realm/account/login")).size(), 1);

    // One sign-in per server: it no longer listens.
    QCOMPARE(exchange(QStringLiteral("127.0.0.1"), pending.port, {callbackRequest(pending.state)}), QByteArray());
}

// Raw requests to the callback server. "{state}" stands for the state that
// went out with the sign-in page. A refused request leaves the server
// listening: a correct one afterwards still signs in.
void WebAuthTest::callbackRequests_data()
{
    QTest::addColumn<QString>("host");
    QTest::addColumn<QList<QByteArray>>("parts");
    QTest::addColumn<QByteArray>("status"); // empty: no answer
    QTest::addColumn<QString>("outcome");   // "succeeded", "failed", "refused"

    const QByteArray good = callbackRequest(QStringLiteral("{state}"));
    const QString v4 = QStringLiteral("127.0.0.1");
    const QByteArray ok = "HTTP/1.1 200 OK";
    const QByteArray bad = "HTTP/1.1 400 Bad Request";
    const QByteArray notFound = "HTTP/1.1 404 Not Found";

    QTest::newRow("accepted") << v4 << QList<QByteArray>{good} << ok << "succeeded";
    QTest::newRow("accepted over IPv6 loopback") << QStringLiteral("::1") << QList<QByteArray>{good} << ok
                                                 << "succeeded";
    QTest::newRow("request line in two packets")
        << v4 << QList<QByteArray>{good.left(20), good.mid(20)} << ok << "succeeded";
    const qsizetype cr = good.indexOf('\r');
    QTest::newRow("CR and LF in two packets")
        << v4 << QList<QByteArray>{good.left(cr + 1), good.mid(cr + 1)} << ok << "succeeded";
    QTest::newRow("no refresh token")
        << v4 << QList<QByteArray>{callbackRequest(QStringLiteral("{state}"), "access_token=A")} << ok << "failed";
    QTest::newRow("wrong state") << v4 << QList<QByteArray>{callbackRequest(QStringLiteral("forged"))} << bad
                                 << "refused";
    // A missing or empty state is as foreign as a wrong one.
    QTest::newRow("no state") << v4 << QList<QByteArray>{QByteArray(good).replace("&state={state}", "")} << bad
                              << "refused";
    QTest::newRow("empty state") << v4 << QList<QByteArray>{callbackRequest(QString())} << bad << "refused";
    QTest::newRow("favicon") << v4 << QList<QByteArray>{"GET /favicon.ico HTTP/1.1\r\n\r\n"} << notFound
                             << "refused";
    QTest::newRow("longer path") << v4 << QList<QByteArray>{QByteArray(good).replace("/callback", "/callback/x")}
                                 << notFound << "refused";
    QTest::newRow("POST") << v4 << QList<QByteArray>{QByteArray(good).replace("GET", "POST")} << notFound
                          << "refused";
    QTest::newRow("not HTTP") << v4 << QList<QByteArray>{"hello\r\n"} << bad << "refused";
    QTest::newRow("request line over 8 KiB")
        << v4 << QList<QByteArray>{"GET /callback?state=" + QByteArray(9000, 'a')} << QByteArray() << "refused";
}

void WebAuthTest::callbackRequests()
{
    QFETCH(QString, host);
    QFETCH(QList<QByteArray>, parts);
    QFETCH(QByteArray, status);
    QFETCH(QString, outcome);
    if (host.contains(QLatin1Char(':'))) {
        QTcpSocket probe;
        if (!probe.bind(QHostAddress::LocalHostIPv6))
            QSKIP("no IPv6 loopback here");
    }
    QSignalSpy succeeded(m_auth.get(), &AuthClient::loginSucceeded);
    QSignalSpy failed(m_auth.get(), &AuthClient::loginFailed);
    const Pending pending = startLogin();
    QVERIFY(pending.port != 0);
    for (QByteArray& part : parts)
        part.replace("{state}", pending.state.toLatin1());

    const QByteArray response = exchange(host, pending.port, parts);
    QCOMPARE(statusLine(response), status);
    if (!status.isEmpty())
        QVERIFY(response.contains("\r\nConnection: close\r\n"));
    QCOMPARE(succeeded.size(), outcome == QLatin1String("succeeded") ? 1 : 0);
    QCOMPARE(failed.size(), outcome == QLatin1String("failed") ? 1 : 0);
    if (outcome == QLatin1String("failed"))
        QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("No tokens received"));
    if (outcome != QLatin1String("refused")) {
        QCOMPARE(m_store->read(kAccessTokenKey).has_value(), outcome == QLatin1String("succeeded"));
        return;
    }

    QCOMPARE(m_auth->state(), AuthState::Unknown);
    QVERIFY(!m_store->read(kAccessTokenKey).has_value());
    QCOMPARE(statusLine(exchange(QStringLiteral("127.0.0.1"), pending.port, {callbackRequest(pending.state)})),
             QByteArray("HTTP/1.1 200 OK"));
    QCOMPARE(succeeded.size(), 1);
    QCOMPARE(m_store->read(kAccessTokenKey), std::optional<QString>(QStringLiteral("A.b.c")));
    QCOMPARE(m_store->read(kRefreshTokenKey), std::optional<QString>(QStringLiteral("R.s")));
    QCOMPARE(m_auth->state(), AuthState::Authenticated);
}

void WebAuthTest::secondLoginReplacesFirst()
{
    QSignalSpy succeeded(m_auth.get(), &AuthClient::loginSucceeded);
    const Pending first = startLogin();
    const Pending second = startLogin();
    QVERIFY(first.port != 0 && second.port != 0);
    QVERIFY(first.state != second.state);

    // The first sign-in's page can no longer sign in: its port is closed,
    // or it now belongs to the second server, which wants the other state.
    const QByteArray stale = exchange(QStringLiteral("127.0.0.1"), first.port, {callbackRequest(first.state)});
    QVERIFY2(stale.isEmpty() || stale.startsWith("HTTP/1.1 400"), stale.constData());
    QCOMPARE(succeeded.size(), 0);
    QCOMPARE(statusLine(exchange(QStringLiteral("127.0.0.1"), second.port, {callbackRequest(second.state)})),
             QByteArray("HTTP/1.1 200 OK"));
    QCOMPARE(succeeded.size(), 1);
}

// Another program holding the preferred port on either loopback address
// would receive the tokens of a browser that reaches it there.
void WebAuthTest::heldPortIsNotShared_data()
{
    QTest::addColumn<QString>("host");
    QTest::newRow("held on 127.0.0.1") << QStringLiteral("127.0.0.1");
    QTest::newRow("held on ::1") << QStringLiteral("::1");
}

void WebAuthTest::heldPortIsNotShared()
{
    QFETCH(QString, host);
    QTcpServer squatter;
    if (!squatter.listen(QHostAddress(host), WebAuthHandler::kPreferredPort))
        QSKIP("the preferred port is not free here");
    const Pending pending = startLogin();
    QVERIFY(pending.port != 0);
    QVERIFY(pending.port != WebAuthHandler::kPreferredPort);
}

void WebAuthTest::onlyWebAddressesOpened_data()
{
    QTest::addColumn<QString>("serverUrl");
    QTest::newRow("file") << "file:///etc";
    QTest::newRow("javascript") << "javascript:alert(1)";
    QTest::newRow("no host") << "http://";
}

void WebAuthTest::onlyWebAddressesOpened()
{
    QFETCH(QString, serverUrl);
    makeClient(serverUrl);
    QSignalSpy failed(m_auth.get(), &AuthClient::loginFailed);
    m_auth->login();
    QCOMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(0).toString(), QStringLiteral("Invalid sign-in address"));
    QVERIFY(m_opened.isEmpty());
}

TALLYLEAF_CORE_TEST_MAIN(WebAuthTest)
#include "tst_webauth.moc"
