#include "coretestsupport.h"

#include "account/core/apiclient.h"
#include "account/core/tokenmanager.h"
#include "testserviceprocess.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTcpServer>

using namespace LarkAccount;

// The transport against the test service over loopback, with a refresh
// function that posts to "/auth/token/refresh" as the sign-in client does.
class ApiClientTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestsCarryHeadersAndBody_data();
    void requestsCarryHeadersAndBody();
    void replyBodies_data();
    void replyBodies();
    void transportFaults_data();
    void transportFaults();
    void hostileReplies_data();
    void hostileReplies();
    void redirects_data();
    void redirects();
    void refreshBeforeRequests_data();
    void refreshBeforeRequests();
    void retryAfter401_data();
    void retryAfter401();
    void sessionChangesWhileWaiting_data();
    void sessionChangesWhileWaiting();
    void skewedClock_data();
    void skewedClock();

private:
    struct Answer
    {
        bool ok = false;
        int status = -1;
        QJsonObject body;
    };

    ApiClient::Callback record();
    // Holds a token pair the service issued; accessTtl < 0: expired.
    void signIn(qint64 accessTtl = 3600);
    // Sends `count` GETs of /echo and waits for all their answers.
    void getEcho(int count);
    int count(const QString& route) { return m_service->requests(route).size(); }

    std::unique_ptr<TestServiceProcess> m_service;
    MemoryTokenStore* m_store = nullptr;
    std::unique_ptr<TokenManager> m_tokens;
    std::unique_ptr<ApiClient> m_api;
    QList<Answer> m_answers;
};

namespace {

const QString kRefresh = QStringLiteral("/auth/token/refresh");
const QString kEcho = QStringLiteral("/echo");

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

} // namespace

void ApiClientTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
}

void ApiClientTest::init()
{
    m_service->reset();
    m_answers.clear();
    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_tokens = std::make_unique<TokenManager>(std::move(store));
    m_api = std::make_unique<ApiClient>(m_tokens.get());
    m_api->setBaseUrl(m_service->url());
    m_api->setTransferTimeout(5000);
    ApiClient* api = m_api.get();
    m_tokens->setRefreshFunction([api](const QString& refreshToken, TokenManager::RefreshSucceeded onSuccess,
                                       TokenManager::RefreshFailed onFailure) {
        api->postPublic(kRefresh, {{"refresh_token", refreshToken}},
                        [onSuccess, onFailure](bool ok, int status, const QJsonObject& body) {
                            if (ok)
                                onSuccess(text(body, "access_token"), text(body, "refresh_token"),
                                          body.value(QLatin1String("expires_in")).toInteger());
                            else
                                onFailure(status >= 400 && status <= 499);
                        });
    });
}

void ApiClientTest::cleanup()
{
    m_api.reset();
    m_tokens.reset();
}

ApiClient::Callback ApiClientTest::record()
{
    return [this](bool ok, int status, const QJsonObject& body) { m_answers.append({ok, status, body}); };
}

void ApiClientTest::signIn(qint64 accessTtl)
{
    const QJsonObject tokens = m_service->issueTokens(QStringLiteral("u1"), accessTtl);
    m_tokens->setTokens(text(tokens, "access_token"), text(tokens, "refresh_token"));
}

void ApiClientTest::getEcho(int requests)
{
    for (int i = 0; i < requests; ++i)
        m_api->get(kEcho, record());
    QTRY_COMPARE_WITH_TIMEOUT(m_answers.size(), requests, 10000);
}

void ApiClientTest::requestsCarryHeadersAndBody_data()
{
    QTest::addColumn<QString>("basePath");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QJsonObject>("body");
    QTest::addColumn<QString>("sentBody");
    QTest::addColumn<QString>("platform");

    const QJsonObject body{{"name", "Zo\u00eb"}, {"n", 2}};
    const QString sent = QStringLiteral(R"({"n":2,"name":"Zoë"})");
    QTest::newRow("GET with query") << "" << "GET" << QJsonObject() << "" << "linux";
    QTest::newRow("POST") << "" << "POST" << body << sent << "linux";
    QTest::newRow("POST empty object sends no bytes") << "" << "POST" << QJsonObject() << "" << "linux";
    QTest::newRow("PATCH") << "" << "PATCH" << body << sent << "windows";
    QTest::newRow("DELETE, no platform header") << "" << "DELETE" << QJsonObject() << "" << "";
    QTest::newRow("base path kept") << "/api/v1/realms/larkspur" << "POST" << body << sent << "linux";
}

void ApiClientTest::requestsCarryHeadersAndBody()
{
    QFETCH(QString, basePath);
    QFETCH(QString, method);
    QFETCH(QJsonObject, body);
    QFETCH(QString, sentBody);
    QFETCH(QString, platform);
    signIn();
    const QString access = m_tokens->validAccessToken();
    m_api->setBaseUrl(m_service->url(basePath));
    m_api->setAppInfo(QStringLiteral("org.larkspur.tallyleaf"), QStringLiteral("1.1.5"), platform);

    if (method == QLatin1String("GET"))
        m_api->get(kEcho, record(), QUrlQuery(QStringLiteral("since=2024-01-01T00:00:00Z&limit=5")));
    else if (method == QLatin1String("POST"))
        m_api->post(kEcho, body, record());
    else if (method == QLatin1String("PATCH"))
        m_api->patch(kEcho, body, record());
    else
        m_api->del(kEcho, record());
    QTRY_COMPARE_WITH_TIMEOUT(m_answers.size(), 1, 10000);
    QVERIFY(m_answers[0].ok);
    QCOMPARE(m_answers[0].status, 200);
    QCOMPARE(text(m_answers[0].body, "sub"), QStringLiteral("u1"));

    const QJsonArray received = m_service->requests(kEcho);
    QCOMPARE(received.size(), 1);
    const QJsonObject request = received[0].toObject();
    const QJsonObject headers = request.value(QLatin1String("headers")).toObject();
    QCOMPARE(text(request, "method"), method);
    QCOMPARE(text(request, "path"), basePath + kEcho);
    QCOMPARE(text(request, "query"),
             method == QLatin1String("GET") ? QStringLiteral("since=2024-01-01T00:00:00Z&limit=5") : QString());
    QCOMPARE(text(request, "body"), sentBody);
    QCOMPARE(text(headers, "content-type"), QStringLiteral("application/json"));
    QCOMPARE(text(headers, "accept"), QStringLiteral("application/json"));
    QCOMPARE(text(headers, "x-app-id"), QStringLiteral("org.larkspur.tallyleaf"));
    QCOMPARE(text(headers, "x-app-version"), QStringLiteral("1.1.5"));
    QCOMPARE(headers.contains(QLatin1String("x-platform")), !platform.isEmpty());
    QCOMPARE(text(headers, "x-platform"), platform);
    QCOMPARE(text(headers, "authorization"), QStringLiteral("Bearer ") + access);
}

void ApiClientTest::replyBodies_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<QJsonObject>("body");
    QTest::newRow("200 that is not JSON") << QJsonObject{{"mode", "garbage"}} << true << 200 << QJsonObject();
    QTest::newRow("500 with an error object") << QJsonObject{{"status", 500}, {"body", QJsonObject{{"error", "boom"}}}}
                                              << false << 500 << QJsonObject{{"error", "boom"}};
    QTest::newRow("403 is not retried") << QJsonObject{{"status", 403}} << false << 403
                                        << QJsonObject{{"error", "injected_fault"}};
}

void ApiClientTest::replyBodies()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(QJsonObject, body);
    m_service->addFault(kEcho, fault);
    getEcho(1);
    QCOMPARE(m_answers[0].ok, ok);
    QCOMPARE(m_answers[0].status, status);
    QCOMPARE(m_answers[0].body, body);
    QCOMPARE(count(kRefresh), 0);
}

// The transfer timeout counts silence, not the whole transfer.
void ApiClientTest::transportFaults_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("answered");
    QTest::newRow("hung reply") << QJsonObject{{"mode", "hang"}} << false;
    QTest::newRow("closed connection") << QJsonObject{{"mode", "close"}} << false;
    QTest::newRow("reply delayed past the timeout") << QJsonObject{{"mode", "delay"}, {"delay_ms", 1500}} << false;
    QTest::newRow("reply delayed within the timeout") << QJsonObject{{"mode", "delay"}, {"delay_ms", 300}} << true;
    QTest::newRow("slow reply, byte by byte") << QJsonObject{{"mode", "slow"}, {"delay_ms", 3}} << true;
}

void ApiClientTest::transportFaults()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, answered);
    signIn();
    m_api->setTransferTimeout(800);
    m_service->addFault(kEcho, fault);
    QSignalSpy networkErrors(m_api.get(), &ApiClient::networkError);
    getEcho(1);
    QCOMPARE(m_answers[0].ok, answered);
    QCOMPARE(m_answers[0].status, answered ? 200 : 0);
    QCOMPARE(m_answers[0].body.isEmpty(), !answered);
    QCOMPARE(networkErrors.size(), answered ? 0 : 1);
}

// What a hostile or broken server sends is bounded: a reply too large or too
// slow fails like an unanswered one; JSON nested past the parser's limit is
// an empty body.
void ApiClientTest::hostileReplies_data()
{
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("bodyEmpty");
    QTest::addColumn<QString>("aborted"); // the reason logged, "" when not aborted
    const int mib = 1024 * 1024;
    const QString tooLarge = QStringLiteral("reply too large");
    QTest::newRow("body past the cap, with a length") << QJsonObject{{"mode", "huge"}, {"size", 4 * mib}} << false << 0
                                                      << true << tooLarge;
    QTest::newRow("body past the cap, no length")
        << QJsonObject{{"mode", "huge"}, {"size", 4 * mib}, {"framed", false}} << false << 0 << true << tooLarge;
    // Cut off as the cap is passed, not at the deadline.
    QTest::newRow("body past the cap, no length, never ending")
        << QJsonObject{{"mode", "huge"}, {"size", 4 * mib}, {"framed", false}, {"endless", true}} << false << 0 << true
        << tooLarge;
    QTest::newRow("body under the cap") << QJsonObject{{"mode", "huge"}, {"size", mib / 2}} << true << 200 << false
                                        << QString();
    QTest::newRow("arrays nested 100000 deep")
        << QJsonObject{{"mode", "raw"}, {"raw", QString(100000, QLatin1Char('['))}} << true << 200 << true << QString();
    QTest::newRow("objects nested 5000 deep")
        << QJsonObject{{"mode", "raw"},
                       {"raw", QStringLiteral("{\"a\":").repeated(5000) + QLatin1Char('1') + QString(5000, QLatin1Char('}'))}}
        << true << 200 << true << QString();
    QTest::newRow("a byte at a time past the deadline") << QJsonObject{{"mode", "slow"}, {"delay_ms", 40}} << false
                                                        << 0 << true << QStringLiteral("deadline passed");
}

void ApiClientTest::hostileReplies()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, ok);
    QFETCH(int, status);
    QFETCH(bool, bodyEmpty);
    QFETCH(QString, aborted);
    signIn();
    m_api->setReplyLimits(1500, 1024 * 1024);
    if (!aborted.isEmpty()) {
        const QString other = aborted == QLatin1String("reply too large") ? QStringLiteral("deadline passed")
                                                                          : QStringLiteral("reply too large");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("aborted: ") + aborted));
        QTest::failOnWarning(QRegularExpression(QStringLiteral("aborted: ") + other));
    }
    m_service->addFault(kEcho, fault);
    getEcho(1);
    QCOMPARE(m_answers[0].ok, ok);
    QCOMPARE(m_answers[0].status, status);
    QCOMPARE(m_answers[0].body.isEmpty(), bodyEmpty);
}

// The bearer token never leaves the configured origin: a redirect elsewhere
// (here another port on loopback) fails without a connection to it.
void ApiClientTest::redirects_data()
{
    QTest::addColumn<bool>("sameOrigin");
    QTest::newRow("same origin is followed") << true;
    QTest::newRow("another origin is refused") << false;
}

void ApiClientTest::redirects()
{
    QFETCH(bool, sameOrigin);
    QTcpServer elsewhere;
    QVERIFY(elsewhere.listen(QHostAddress::LocalHost, 0));
    const QString location = sameOrigin ? m_service->url(kEcho).toString()
                                        : QStringLiteral("http://127.0.0.1:%1/echo").arg(elsewhere.serverPort());
    signIn();
    m_service->addFault(kEcho, {{"mode", "redirect"}, {"status", 302}, {"location", location}, {"times", 1}});
    getEcho(1);
    QCOMPARE(m_answers[0].ok, sameOrigin);
    QCOMPARE(text(m_answers[0].body, "sub"), sameOrigin ? QStringLiteral("u1") : QString());
    QCOMPARE(count(kEcho), sameOrigin ? 2 : 1);
    QVERIFY(!elsewhere.hasPendingConnections());
}

// An expired access token: every request waits for one refresh.
void ApiClientTest::refreshBeforeRequests_data()
{
    QTest::addColumn<int>("requests");
    QTest::addColumn<QJsonObject>("refreshFault");
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("tokensKept");
    QTest::addColumn<int>("authenticationRequired");

    QTest::newRow("one request") << 1 << QJsonObject() << 200 << true << 0;
    QTest::newRow("five requests, one refresh") << 5 << QJsonObject() << 200 << true << 0;
    QTest::newRow("refresh reply without a refresh token")
        << 2 << QJsonObject{{"status", 200}, {"body", QJsonObject{{"access_token", "<fresh>"}}}} << 200 << true << 0;
    QTest::newRow("refresh refused") << 5 << QJsonObject{{"status", 401}} << 401 << false << 1;
    QTest::newRow("refresh server error") << 5 << QJsonObject{{"status", 500}} << 0 << true << 0;
    QTest::newRow("refresh hangs") << 5 << QJsonObject{{"mode", "hang"}} << 0 << true << 0;
}

void ApiClientTest::refreshBeforeRequests()
{
    QFETCH(int, requests);
    QFETCH(QJsonObject, refreshFault);
    QFETCH(int, status);
    QFETCH(bool, tokensKept);
    QFETCH(int, authenticationRequired);
    signIn(-60);
    const QString oldRefresh = m_tokens->refreshToken();
    if (refreshFault.value(QLatin1String("body")).toObject().contains(QLatin1String("access_token"))) {
        const QString fresh = text(m_service->issueTokens(QStringLiteral("u1")), "access_token");
        refreshFault.insert(QStringLiteral("body"), QJsonObject{{"access_token", fresh}});
    }
    if (!refreshFault.isEmpty())
        m_service->addFault(kRefresh, refreshFault);
    m_api->setTransferTimeout(800);
    QSignalSpy authSpy(m_api.get(), &ApiClient::authenticationRequired);

    getEcho(requests);
    for (const Answer& answer : std::as_const(m_answers)) {
        QCOMPARE(answer.status, status);
        QCOMPARE(answer.ok, status == 200);
    }
    QCOMPARE(count(kRefresh), 1);
    QCOMPARE(count(kEcho), status == 200 ? requests : 0);
    QCOMPARE(authSpy.size(), authenticationRequired);
    QCOMPARE(m_tokens->refreshToken().isEmpty(), !tokensKept);
    QCOMPARE(m_store->read(kRefreshTokenKey).has_value(), tokensKept);
    if (status == 200 && refreshFault.isEmpty())
        QVERIFY(m_tokens->refreshToken() != oldRefresh); // rotated
    if (status == 200 && !refreshFault.isEmpty())
        QCOMPARE(m_tokens->refreshToken(), oldRefresh);
    if (status == 0) {
        // Nothing stays stuck behind the failed refresh.
        m_service->control("DELETE", QStringLiteral("/_control/faults"));
        m_answers.clear();
        getEcho(1);
        QCOMPARE(m_answers[0].status, 200);
    }
}

void ApiClientTest::retryAfter401_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("rejections");
    QTest::addColumn<int>("status");
    QTest::addColumn<QJsonObject>("body");
    QTest::addColumn<int>("refreshes");
    QTest::addColumn<int>("sent");

    const QJsonObject injected{{"error", "injected_fault"}};
    QTest::newRow("401 then 200") << true << 1 << 200 << QJsonObject() << 1 << 2;
    QTest::newRow("401 twice") << true << 2 << 401 << injected << 1 << 2;
    // No token at all: the 401 leads to a refresh refused on the spot.
    QTest::newRow("signed out") << false << 0 << 401 << QJsonObject() << 0 << 1;
}

void ApiClientTest::retryAfter401()
{
    QFETCH(bool, signedIn);
    QFETCH(int, rejections);
    QFETCH(int, status);
    QFETCH(QJsonObject, body);
    QFETCH(int, refreshes);
    QFETCH(int, sent);
    if (signedIn) {
        signIn();
        m_service->addFault(kEcho, {{"status", 401}, {"times", rejections}});
    }
    QSignalSpy authSpy(m_api.get(), &ApiClient::authenticationRequired);
    getEcho(1);
    QCOMPARE(m_answers[0].status, status);
    QCOMPARE(m_answers[0].ok, status == 200);
    if (status != 200)
        QCOMPARE(m_answers[0].body, body);
    QCOMPARE(count(kRefresh), refreshes);
    QCOMPARE(count(kEcho), sent);
    QCOMPARE(authSpy.size(), signedIn ? 0 : 1);
    const QJsonArray echoes = m_service->requests(kEcho);
    const auto authorization = [&echoes](int i) {
        return text(echoes[i].toObject()[QLatin1String("headers")].toObject(), "authorization");
    };
    if (sent == 2) // the retry carries the refreshed token
        QVERIFY(authorization(0) != authorization(1));
}

// Signed out and in as another user while a request of the first waits:
// it fails, and neither goes out with nor spends the new session's tokens.
void ApiClientTest::sessionChangesWhileWaiting_data()
{
    QTest::addColumn<bool>("expired");
    QTest::addColumn<int>("status");
    QTest::newRow("waiting for the refresh before it") << true << 0;
    QTest::newRow("waiting to retry after a 401") << false << 401;
}

void ApiClientTest::sessionChangesWhileWaiting()
{
    QFETCH(bool, expired);
    QFETCH(int, status);
    signIn(expired ? -60 : 3600);
    if (!expired)
        m_service->addFault(kEcho, {{"status", 401}, {"times", 1}});
    m_api->del(kEcho, record());
    const QJsonObject other = m_service->issueTokens(QStringLiteral("u2"));
    m_tokens->clearTokens();
    m_tokens->setTokens(text(other, "access_token"), text(other, "refresh_token"));

    QTRY_COMPARE_WITH_TIMEOUT(m_answers.size(), 1, 10000);
    QCOMPARE(m_answers[0].ok, false);
    QCOMPARE(m_answers[0].status, status);
    QCOMPARE(count(kEcho), expired ? 0 : 1);
    QCOMPARE(count(kRefresh), expired ? 1 : 0);
    QCOMPARE(m_tokens->refreshToken(), text(other, "refresh_token"));
}

// The local clock hours off the server's: one refresh, then every request
// carries the fresh token.
void ApiClientTest::skewedClock_data()
{
    QTest::addColumn<qint64>("skew");
    QTest::newRow("two hours ahead") << qint64(7200);
    QTest::newRow("two hours behind") << qint64(-7200);
}

void ApiClientTest::skewedClock()
{
    QFETCH(qint64, skew);
    m_tokens->setClock([skew] { return QDateTime::currentSecsSinceEpoch() + skew; });
    signIn(-60);
    getEcho(3);
    m_answers.clear();
    getEcho(1); // the next cycle
    QCOMPARE(m_answers[0].status, 200);
    QCOMPARE(count(kRefresh), 1);
    QCOMPARE(count(kEcho), 4);
}

TALLYLEAF_CORE_TEST_MAIN(ApiClientTest)
#include "tst_apiclient.moc"
