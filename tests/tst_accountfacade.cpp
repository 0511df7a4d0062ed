#include "testsupport.h"

#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/clientconfig.h"
#include "account/core/tokenmanager.h"
#include "app/updateconfig.h"
#include "testserviceprocess.h"

#include <QJsonArray>
#include <QRegularExpression>

using namespace LarkAccount;

// The account library's facade: configuration, the three transports on one
// token manager, and the sign-in state and claims it passes on.
class AccountFacadeTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void configFromEnvironment_data();
    void configFromEnvironment();
    void builtInServices();
    void transports_data();
    void transports();
    void construction();
    void stateAndClaims();
    void refusedRefreshOnAnyTransport_data();
    void refusedRefreshOnAnyTransport();

private:
    ClientConfig config(const QString& slash = QString(), const QString& platform = QString()) const;
    // Signs in through the browser callback with a pair the service issued.
    void signIn(const QJsonObject& custom = QJsonObject());

    std::unique_ptr<TestServiceProcess> m_service;
    std::unique_ptr<Client> m_client;
    QStringList m_events;
};

namespace {

const char* const kVariables[]
    = {"AUTH_BASE_URL", "AUTH_REALM_SLUG", "ACCOUNT_API_URL", "AUTH_CLIENT_ID", "SYNC_API_URL"};
const QString kRefresh = QStringLiteral("/auth/token/refresh");

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

QString field(const ClientConfig& config, const QString& variable)
{
    if (variable == QLatin1String("AUTH_BASE_URL"))
        return config.authBaseUrl;
    if (variable == QLatin1String("AUTH_REALM_SLUG"))
        return config.realmSlug;
    if (variable == QLatin1String("ACCOUNT_API_URL"))
        return config.accountApiUrl;
    if (variable == QLatin1String("AUTH_CLIENT_ID"))
        return config.clientId;
    return syncApiUrlFromEnvironment();
}

} // namespace

void AccountFacadeTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
}

void AccountFacadeTest::init()
{
    m_service->reset();
    m_events.clear();
}

void AccountFacadeTest::cleanup()
{
    m_client.reset();
}

ClientConfig AccountFacadeTest::config(const QString& slash, const QString& platform) const
{
    ClientConfig config;
    config.authBaseUrl = m_service->url().toString() + slash;
    config.realmSlug = QStringLiteral("larkspur");
    config.accountApiUrl = m_service->url(QStringLiteral("/account")).toString() + slash;
    config.clientId = QStringLiteral("0123456789abcdef0123456789abcdef");
    config.appId = QStringLiteral("app.larkspur.tallyleaf");
    config.productName = QStringLiteral("Larkspur Tallyleaf");
    config.appVersion = QStringLiteral("1.1.5");
    config.platform = platform;
    return config;
}

void AccountFacadeTest::signIn(const QJsonObject& custom)
{
    const QJsonObject pair
        = m_service->control("POST", QStringLiteral("/_control/tokens"), {{"sub", "u1"}, {"custom", custom}});
    m_client->authClient()->handleCallback(
        QUrl(QStringLiteral("http://127.0.0.1/callback#access_token=%1&refresh_token=%2")
                 .arg(text(pair, "access_token"), text(pair, "refresh_token"))));
}

// With nothing in the environment: the fixed realm, client id and service
// paths, on HTTPS hosts of this build's choosing.
void AccountFacadeTest::builtInServices()
{
    for (const char* name : kVariables)
        qunsetenv(name);
    qunsetenv("TALLYLEAF_UPDATE_URL");
    const ClientConfig config = ClientConfig::fromEnvironment();
    QCOMPARE(config.realmSlug, QStringLiteral("larkspur"));
    QCOMPARE(config.clientId, QStringLiteral("7f3e9a21c04b58d6e2a19f0b3c7d4e85"));
    const QList<std::pair<QUrl, QString>> services{
        {QUrl(config.authBaseUrl), ""},
        {QUrl(config.accountApiUrl), "/account/v1"},
        {QUrl(syncApiUrlFromEnvironment()), "/tallyleaf/v1"},
        {makeUpdateConfig().manifestBaseUrl, "/tallyleaf/stable/"}};
    for (const auto& [url, path] : services) {
        QVERIFY2(url.scheme() == QLatin1String("https") && !url.host().isEmpty(), qPrintable(url.toString()));
        QCOMPARE(url.path(), path);
    }
}

// An empty variable counts as unset; values are read as UTF-8.
void AccountFacadeTest::configFromEnvironment_data()
{
    QTest::addColumn<QString>("variable");
    QTest::addColumn<QByteArray>("value"); // null: unset
    QTest::addColumn<QString>("expected"); // empty: the built-in value

    for (const char* variable : kVariables) {
        const QString name = QString::fromLatin1(variable);
        QTest::addRow("%s unset", variable) << name << QByteArray() << QString();
        QTest::addRow("%s empty", variable) << name << QByteArray("") << QString();
        QTest::addRow("%s set", variable) << name << QByteArray("http://localhost:8080/x") << "http://localhost:8080/x";
    }
    QTest::newRow("realm in UTF-8") << "AUTH_REALM_SLUG" << QByteArray("l\xc3\xa4rkspur") << "l\u00e4rkspur";
}

void AccountFacadeTest::configFromEnvironment()
{
    QFETCH(QString, variable);
    QFETCH(QByteArray, value);
    QFETCH(QString, expected);
    for (const char* name : kVariables)
        qunsetenv(name);
    const ClientConfig builtIn = ClientConfig::fromEnvironment();
    QVERIFY(builtIn.authBaseUrl.startsWith(QLatin1String("https://")));
    QVERIFY(builtIn.accountApiUrl.startsWith(QLatin1String("https://")));
    QVERIFY(syncApiUrlFromEnvironment().startsWith(QLatin1String("https://")));
    QCOMPARE(builtIn.realmSlug, QStringLiteral("larkspur"));
    QVERIFY(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(builtIn.clientId).hasMatch());

    if (!value.isNull())
        qputenv(variable.toLatin1().constData(), value);
    const QString actual = field(ClientConfig::fromEnvironment(), variable);
    qunsetenv(variable.toLatin1().constData());
    QCOMPARE(actual, expected.isEmpty() ? field(builtIn, variable) : expected);
}

// All three transports carry the application headers, the platform
// configured or detected, and join their paths to addresses with trailing
// slashes without doubling them.
void AccountFacadeTest::transports_data()
{
    QTest::addColumn<QString>("slash");
    QTest::addColumn<QString>("platform");
    QTest::addColumn<QString>("header");

#if defined(Q_OS_WIN)
    const QString detected = QStringLiteral("windows");
#elif defined(Q_OS_MACOS)
    const QString detected = QStringLiteral("macos");
#else
    const QString detected = QStringLiteral("linux");
#endif
    QTest::newRow("configured platform") << "" << "Win-Test" << "Win-Test";
    QTest::newRow("detected platform, trailing slash") << "/" << "" << detected;
    QTest::newRow("two trailing slashes") << "//" << "" << detected;
}

void AccountFacadeTest::transports()
{
    QFETCH(QString, slash);
    QFETCH(QString, platform);
    QFETCH(QString, header);
    m_client = std::make_unique<Client>(config(slash, platform), std::make_unique<MemoryTokenStore>());
    m_client->syncApi()->setBaseUrl(m_service->url(QStringLiteral("/sync") + slash));
    signIn();

    int answers = 0;
    for (ApiClient* api : {m_client->authApi(), m_client->accountApi(), m_client->syncApi()})
        api->get(QStringLiteral("/echo"), [&answers](bool, int, const QJsonObject&) { ++answers; });
    QTRY_COMPARE_WITH_TIMEOUT(answers, 3, 10000);

    QStringList paths;
    for (const QJsonValue& request : m_service->requests()) {
        paths << text(request, "path");
        const QJsonValue headers = request.toObject().value(QLatin1String("headers"));
        QCOMPARE(text(headers, "x-platform"), header);
        QCOMPARE(text(headers, "x-app-id"), QStringLiteral("app.larkspur.tallyleaf"));
        QCOMPARE(text(headers, "x-app-version"), QStringLiteral("1.1.5"));
    }
    paths.sort();
    QCOMPARE(paths, (QStringList{"/account/echo", "/api/v1/realms/larkspur/echo", "/sync/echo"}));
}

// The store is read by initialize, not by the constructor; the refresh goes
// out on the authentication transport, installed by the auth client.
void AccountFacadeTest::construction()
{
    auto store = std::make_unique<MemoryTokenStore>();
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"), -60);
    store->write(kAccessTokenKey, text(pair, "access_token"));
    store->write(kRefreshTokenKey, text(pair, "refresh_token"));
    m_client = std::make_unique<Client>(config(), std::move(store));
    QVERIFY(m_client->syncApi()->baseUrl().isEmpty());
    QVERIFY(!m_client->isAuthenticated());
    QVERIFY(m_client->tokenManager()->refreshToken().isEmpty());

    m_client->initialize();
    // The start-up refresh is out: not yet Authenticated, but signed in.
    QCOMPARE(m_client->authClient()->state(), AuthState::Unknown);
    QVERIFY(m_client->isAuthenticated());
    QTRY_COMPARE_WITH_TIMEOUT(m_client->authClient()->state(), AuthState::Authenticated, 10000);
    const QJsonArray refreshes = m_service->requests(kRefresh);
    QCOMPARE(refreshes.size(), 1);
    QCOMPARE(text(refreshes[0], "path"), QStringLiteral("/api/v1/realms/larkspur/auth/token/refresh"));
}

// Every state change is passed on; a change to Authenticated is followed
// by the claims of the new access token.
void AccountFacadeTest::stateAndClaims()
{
    m_client = std::make_unique<Client>(config(), std::make_unique<MemoryTokenStore>());
    connect(m_client.get(), &Client::authStateChanged, this,
            [this](AuthState state) { m_events << QStringLiteral("state %1").arg(int(state)); });
    connect(m_client.get(), &Client::claimsUpdated, this, [this](const WrenClaims& claims) {
        m_events << QStringLiteral("claims %1/%2/%3").arg(claims.seats).arg(claims.groupId, claims.role);
    });

    m_client->initialize();
    QCOMPARE(m_events, QStringList{"state 1"});
    QVERIFY(!m_client->isAuthenticated());

    const QJsonObject wren{{"wren", QJsonObject{{"seats", 6}, {"group_id", "grp-7"}, {"role", "owner"}}}};
    signIn(wren);
    QCOMPARE(m_events, (QStringList{"state 1", "state 3", "claims 6/grp-7/owner"}));
    QVERIFY(m_client->isAuthenticated());

    m_client->authClient()->logout();
    QCOMPARE(m_events, (QStringList{"state 1", "state 3", "claims 6/grp-7/owner", "state 1"}));
    QVERIFY(!m_client->isAuthenticated());
    QCOMPARE(m_client->claims(), WrenClaims());

    // An expired access token has no claims, whatever it carries.
    const QJsonObject expired = m_service->control("POST", QStringLiteral("/_control/tokens"),
                                                   {{"sub", "u1"}, {"access_ttl", -60}, {"custom", wren}});
    m_client->tokenManager()->setTokens(text(expired, "access_token"), text(expired, "refresh_token"));
    QCOMPARE(m_client->claims(), WrenClaims());
}

// A refresh refused for a request on the account or sync transport signs
// the user out just as one on the authentication transport does.
void AccountFacadeTest::refusedRefreshOnAnyTransport_data()
{
    QTest::addColumn<QString>("transport");
    QTest::newRow("account") << "account";
    QTest::newRow("sync") << "sync";
}

void AccountFacadeTest::refusedRefreshOnAnyTransport()
{
    QFETCH(QString, transport);
    m_client = std::make_unique<Client>(config(), std::make_unique<MemoryTokenStore>());
    m_client->syncApi()->setBaseUrl(m_service->url());
    signIn();
    QVERIFY(m_client->authClient()->isAuthenticated());
    const QJsonObject expired = m_service->issueTokens(QStringLiteral("u1"), -60);
    m_client->tokenManager()->setTokens(text(expired, "access_token"), text(expired, "refresh_token"));
    m_service->addFault(kRefresh, {{"status", 401}});
    QList<AuthState> states;
    connect(m_client.get(), &Client::authStateChanged, this, [&states](AuthState state) { states << state; });

    bool answered = false;
    ApiClient* api = transport == QLatin1String("sync") ? m_client->syncApi() : m_client->accountApi();
    api->get(QStringLiteral("/echo"), [&answered](bool, int, const QJsonObject&) { answered = true; });
    QTRY_VERIFY_WITH_TIMEOUT(answered, 10000);
    QCOMPARE(states, QList<AuthState>{AuthState::Unauthenticated});
    QVERIFY(!m_client->isAuthenticated());
}

TALLYLEAF_TEST_MAIN(AccountFacadeTest)
#include "tst_accountfacade.moc"
