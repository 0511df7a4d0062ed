#include "coretestsupport.h"

#include "account/core/apiclient.h"
#include "account/core/authclient.h"
#include "account/core/tokenmanager.h"
#include "testserviceprocess.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QTcpServer>

using namespace LarkAccount;

// The authentication client against the test service over loopback.
class AuthClientTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void initialize_data();
    void initialize();
    void refreshToken_data();
    void refreshToken();
    void logout_data();
    void logout();
    void userAndProfile();
    void passwordAndSessions();
    void refusedRefreshOnAnyTransport_data();
    void refusedRefreshOnAnyTransport();

private:
    // Stores a pair the service issued, as a previous run would have.
    void storeTokens(qint64 accessTtl);
    // Stored tokens, a usable access token, state Authenticated.
    void signIn();
    User fetchUser();

    std::unique_ptr<TestServiceProcess> m_service;
    MemoryTokenStore* m_store = nullptr;
    std::unique_ptr<TokenManager> m_tokens;
    std::unique_ptr<ApiClient> m_api;
    std::unique_ptr<AuthClient> m_auth;
};

namespace {

const QString kRefresh = QStringLiteral("/auth/token/refresh");
const QString kLogout = QStringLiteral("/auth/logout");

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

// A loopback address where nothing listens: connections are refused.
QUrl closedPortUrl()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    const quint16 port = server.serverPort();
    server.close();
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
}

} // namespace

void AuthClientTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
}

void AuthClientTest::init()
{
    m_service->reset();
    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_tokens = std::make_unique<TokenManager>(std::move(store));
    m_api = std::make_unique<ApiClient>(m_tokens.get());
    m_api->setBaseUrl(m_service->url(QStringLiteral("/api/v1/realms/larkspur")));
    m_api->setTransferTimeout(3000);
    m_auth = std::make_unique<AuthClient>(m_service->url().toString(), QStringLiteral("larkspur"),
                                          QStringLiteral("0123456789abcdef0123456789abcdef"), m_api.get(),
                                          m_tokens.get());
}

void AuthClientTest::cleanup()
{
    m_auth.reset();
    m_api.reset();
    m_tokens.reset();
}

void AuthClientTest::storeTokens(qint64 accessTtl)
{
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"), accessTtl);
    m_store->write(kAccessTokenKey, text(pair, "access_token"));
    m_store->write(kRefreshTokenKey, text(pair, "refresh_token"));
}

void AuthClientTest::signIn()
{
    storeTokens(3600);
    m_auth->initialize();
    QCOMPARE(m_auth->state(), AuthState::Authenticated);
}

User AuthClientTest::fetchUser()
{
    std::optional<User> answer;
    m_auth->fetchCurrentUser([&answer](const User& user) { answer = user; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
        qWarning("no answer from fetchCurrentUser");
    return answer.value_or(User());
}

// The start-up rows: the state follows the stored tokens and, with only a
// refresh token usable, the refresh's result.
void AuthClientTest::initialize_data()
{
    QTest::addColumn<int>("accessTtl"); // 0: nothing stored
    QTest::addColumn<QJsonObject>("refreshFault");
    QTest::addColumn<AuthState>("state");
    QTest::addColumn<int>("refreshes");
    QTest::addColumn<bool>("tokensKept");

    QTest::newRow("usable access token") << 3600 << QJsonObject() << AuthState::Authenticated << 0 << true;
    QTest::newRow("no tokens") << 0 << QJsonObject() << AuthState::Unauthenticated << 0 << false;
    QTest::newRow("refresh succeeds") << -60 << QJsonObject() << AuthState::Authenticated << 1 << true;
    QTest::newRow("refresh fails transiently")
        << -60 << QJsonObject{{"status", 503}} << AuthState::Authenticated << 1 << true;
    QTest::newRow("refresh server unreachable")
        << -60 << QJsonObject{{"unreachable", true}} << AuthState::Authenticated << 0 << true;
    QTest::newRow("refresh rejected") << -60 << QJsonObject{{"status", 401}} << AuthState::Unauthenticated << 1
                                      << false;
}

void AuthClientTest::initialize()
{
    QFETCH(int, accessTtl);
    QFETCH(QJsonObject, refreshFault);
    QFETCH(AuthState, state);
    QFETCH(int, refreshes);
    QFETCH(bool, tokensKept);
    if (accessTtl != 0)
        storeTokens(accessTtl);
    const std::optional<QString> storedRefresh = m_store->read(kRefreshTokenKey);
    const bool unreachable = refreshFault.contains(QLatin1String("unreachable"));
    if (unreachable)
        m_api->setBaseUrl(closedPortUrl());
    else if (!refreshFault.isEmpty())
        m_service->addFault(kRefresh, refreshFault);
    QSignalSpy changes(m_auth.get(), &AuthClient::stateChanged);

    m_auth->initialize();
    if (accessTtl < 0) {
        QCOMPARE(m_auth->state(), AuthState::Unknown); // while the refresh is out
        QVERIFY(!m_auth->isAuthenticated());
        QTRY_COMPARE_WITH_TIMEOUT(changes.size(), 1, 10000);
    }
    QCOMPARE(changes.size(), 1);
    QCOMPARE(changes.at(0).at(0).value<AuthState>(), state);
    QCOMPARE(m_auth->state(), state);
    QCOMPARE(m_service->requests(kRefresh).size(), refreshes);
    QCOMPARE(m_store->read(kRefreshTokenKey).has_value(), tokensKept);
    QCOMPARE(m_store->read(kAccessTokenKey).has_value(), tokensKept);
    if (accessTtl < 0 && tokensKept)
        QCOMPARE(m_store->read(kRefreshTokenKey) != storedRefresh, refreshFault.isEmpty()); // rotated on success
}

void AuthClientTest::refreshToken_data()
{
    QTest::addColumn<QJsonObject>("refreshFault");
    QTest::addColumn<bool>("reported");
    QTest::addColumn<AuthState>("state");

    QTest::newRow("success") << QJsonObject() << true << AuthState::Authenticated;
    QTest::newRow("server error") << QJsonObject{{"status", 500}} << false << AuthState::Authenticated;
    QTest::newRow("rejected") << QJsonObject{{"status", 400}} << false << AuthState::Unauthenticated;
}

void AuthClientTest::refreshToken()
{
    QFETCH(QJsonObject, refreshFault);
    QFETCH(bool, reported);
    QFETCH(AuthState, state);
    signIn();
    QCOMPARE(fetchUser().id, QStringLiteral("u1"));
    const QString oldAccess = m_tokens->validAccessToken();
    if (!refreshFault.isEmpty())
        m_service->addFault(kRefresh, refreshFault);

    std::optional<bool> answer;
    m_auth->refreshToken([&answer](bool ok) { answer = ok; });
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000);
    QCOMPARE(*answer, reported);
    QCOMPARE(m_auth->state(), state);
    const bool signedOut = state == AuthState::Unauthenticated;
    QCOMPARE(m_auth->cachedUser().id.isEmpty(), signedOut);
    QCOMPARE(m_store->read(kRefreshTokenKey).has_value(), !signedOut);
    QCOMPARE(m_tokens->validAccessToken() != oldAccess, reported || signedOut);
    QCOMPARE(m_auth->userId(), signedOut ? QString() : QStringLiteral("u1"));
}

// Sign-out is local and immediate, whatever the server does.
void AuthClientTest::logout_data()
{
    QTest::addColumn<QString>("server"); // "answers", "hangs", "unreachable", "expired"
    QTest::newRow("server answers") << "answers";
    // The server is told with a refreshed token, not left holding a session.
    QTest::newRow("access token run out") << "expired";
    QTest::newRow("access token run out, refresh under way") << "refreshing";
    // Usable by the local clock, run out by the server's: refreshed once
    // and the server told again.
    QTest::newRow("access token refused") << "refused";
    QTest::newRow("server hangs") << "hangs";
    QTest::newRow("server unreachable") << "unreachable";
}

void AuthClientTest::logout()
{
    QFETCH(QString, server);
    signIn();
    QCOMPARE(fetchUser().id, QStringLiteral("u1"));
    const bool expired = server == QLatin1String("expired") || server == QLatin1String("refreshing");
    if (expired) {
        const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"), -60);
        m_tokens->setTokens(text(pair, "access_token"), text(pair, "refresh_token"));
    }
    if (server == QLatin1String("refreshing"))
        m_auth->fetchCurrentUser(nullptr); // its refresh token is already on its way
    if (server == QLatin1String("refused")) {
        // Read at start-up on a clock an hour behind the server's.
        storeTokens(-60);
        const qint64 behind = QDateTime::currentSecsSinceEpoch() - 3600;
        m_tokens->setClock([behind] { return behind; });
        m_tokens->loadFromStore();
        QVERIFY(!m_tokens->validAccessToken().isEmpty());
    }
    const QString access = m_tokens->validAccessToken();
    if (server == QLatin1String("hangs"))
        m_service->addFault(kLogout, {{"mode", "hang"}});
    if (server == QLatin1String("unreachable"))
        m_api->setBaseUrl(closedPortUrl());
    QSignalSpy changes(m_auth.get(), &AuthClient::stateChanged);
    QSignalSpy completed(m_auth.get(), &AuthClient::logoutCompleted);
    QSignalSpy networkErrors(m_api.get(), &ApiClient::networkError);

    m_auth->logout();
    QCOMPARE(completed.size(), 1);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(m_auth->state(), AuthState::Unauthenticated);
    QVERIFY(!m_store->read(kAccessTokenKey).has_value());
    QVERIFY(!m_store->read(kRefreshTokenKey).has_value());
    QVERIFY(m_auth->cachedUser().id.isEmpty());
    QVERIFY(m_auth->userId().isEmpty());

    if (server == QLatin1String("answers") || expired) {
        // The request went out with the token it revoked.
        QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(kLogout).size(), 1, 10000);
        const QJsonObject headers = m_service->requests(kLogout)[0].toObject()[QLatin1String("headers")].toObject();
        if (server == QLatin1String("answers"))
            QCOMPARE(text(headers, "authorization"), QStringLiteral("Bearer ") + access);
        else
            QVERIFY(text(headers, "authorization").size() > 20);
        QCOMPARE(m_service->requests(kRefresh).size(), expired ? 1 : 0);
        QVERIFY(!m_store->read(kRefreshTokenKey).has_value()); // the refreshed pair was not kept
    }
    if (server == QLatin1String("refused")) {
        QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(kLogout).size(), 2, 10000);
        const QJsonArray told = m_service->requests(kLogout);
        const auto bearer = [&told](int i) {
            return text(told[i].toObject()[QLatin1String("headers")].toObject(), "authorization");
        };
        QCOMPARE(bearer(0), QStringLiteral("Bearer ") + access);
        QVERIFY(bearer(1) != bearer(0) && bearer(1).size() > 20);
        QCOMPARE(m_service->requests(kRefresh).size(), 1);
        QVERIFY(!m_store->read(kRefreshTokenKey).has_value()); // the refreshed pair was not kept
        QVERIFY(m_tokens->refreshToken().isEmpty());
    }
    if (server == QLatin1String("unreachable"))
        QTRY_COMPARE_WITH_TIMEOUT(networkErrors.size(), 1, 10000);
    QCOMPARE(m_auth->state(), AuthState::Unauthenticated);
}

void AuthClientTest::userAndProfile()
{
    // Nothing fetched yet and the server failing: an empty record.
    signIn();
    m_service->addFault(QStringLiteral("/users/me"), {{"status", 500}, {"times", 1}});
    QVERIFY(fetchUser().id.isEmpty());

    const User user = fetchUser();
    QCOMPARE(user.id, QStringLiteral("u1"));
    QCOMPARE(user.email, QStringLiteral("u1@example.com"));
    QCOMPARE(user.createdAt, QDateTime(QDate(2024, 3, 1), QTime(10, 15, 30), Qt::UTC));

    std::optional<User> updated;
    const QString name = QStringLiteral("Zo\u00eb <b>B</b>");
    m_auth->updateProfile(name, [&updated](const User& answer) { updated = answer; });
    QTRY_VERIFY_WITH_TIMEOUT(updated.has_value(), 10000);
    QCOMPARE(updated->displayName, name);
    QCOMPARE(m_auth->cachedUser().displayName, name);

    // A failure hands back the last user received.
    m_service->addFault(QStringLiteral("/users/me"), {{"status", 500}, {"times", 1}});
    QCOMPARE(fetchUser().displayName, name);

    // A reply that arrives after sign-out does not bring the user back.
    m_service->addFault(QStringLiteral("/users/me"), {{"mode", "delay"}, {"delay_ms", 300}});
    std::optional<User> late;
    m_auth->fetchCurrentUser([&late](const User& answer) { late = answer; });
    m_auth->logout();
    QTRY_VERIFY_WITH_TIMEOUT(late.has_value(), 10000);
    QVERIFY(late->id.isEmpty());
    QVERIFY(m_auth->cachedUser().id.isEmpty());
}

void AuthClientTest::passwordAndSessions()
{
    signIn();
    const auto change = [this](const char* current, const char* next) {
        std::optional<bool> answer;
        m_auth->changePassword(QLatin1String(current), QLatin1String(next), [&answer](bool ok) { answer = ok; });
        return QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000) && *answer;
    };
    QVERIFY(!change("wrong", "new-password"));
    QVERIFY(!change("password-1", "short"));
    // The service reads both keys: a misnamed one fails here.
    QVERIFY(change("password-1", "new-password"));

    const auto sessions = [this] {
        std::optional<QList<Session>> answer;
        m_auth->listSessions([&answer](const QList<Session>& list) { answer = list; });
        if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
            return QStringList{"no answer"};
        QStringList ids;
        for (const Session& session : answer.value_or(QList<Session>()))
            ids << session.id + (session.isCurrent ? QStringLiteral("*") : QString());
        return ids;
    };
    QCOMPARE(sessions(), (QStringList{"s-current*", "s-phone"}));

    // Ids that are not one path segment never reach the server.
    for (const QString& id : {QStringLiteral("../password"), QStringLiteral(".."), QString()})
        m_auth->revokeSession(id);
    m_auth->revokeSession(QStringLiteral("s-phone"));
    QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(QStringLiteral("/users/me/sessions/:id")).size(), 1, 10000);
    QCOMPARE(sessions(), QStringList{"s-current*"});

    m_service->addFault(QStringLiteral("/users/me/sessions"), {{"status", 200}, {"body", QJsonObject{{"x", 1}}}});
    QCOMPARE(sessions(), QStringList());
}

// A refresh refused on behalf of any transport signs the client out, so
// the interface never shows "signed in" without tokens.
void AuthClientTest::refusedRefreshOnAnyTransport_data()
{
    QTest::addColumn<bool>("ownTransport");
    QTest::newRow("authentication transport") << true;
    QTest::newRow("another watched transport") << false;
}

void AuthClientTest::refusedRefreshOnAnyTransport()
{
    QFETCH(bool, ownTransport);
    // A refresh answered 200 without an access token still signs in; the
    // next request has to refresh again, and that one is refused.
    storeTokens(-60);
    m_service->addFault(kRefresh, {{"status", 200}, {"times", 1}});
    m_auth->initialize();
    QTRY_COMPARE_WITH_TIMEOUT(m_auth->state(), AuthState::Authenticated, 10000);
    QVERIFY(m_tokens->needsRefresh());
    m_service->addFault(kRefresh, {{"status", 401}});

    ApiClient other(m_tokens.get());
    other.setBaseUrl(m_service->url());
    m_auth->watchTransport(&other);
    QSignalSpy changes(m_auth.get(), &AuthClient::stateChanged);
    bool answered = false;
    (ownTransport ? m_api.get() : &other)->get(QStringLiteral("/echo"),
                                               [&answered](bool, int, const QJsonObject&) { answered = true; });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QCOMPARE(changes.size(), 1);
    QCOMPARE(m_auth->state(), AuthState::Unauthenticated);
    QVERIFY(!m_store->read(kAccessTokenKey).has_value());
}

TALLYLEAF_CORE_TEST_MAIN(AuthClientTest)
#include "tst_authclient.moc"
