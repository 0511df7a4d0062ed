#include "account/core/client.h"

#include "account/core/accountclient.h"
#include "account/core/apiclient.h"
#include "account/core/tokenmanager.h"

#include <QSysInfo>
#include <QUrl>

namespace LarkAccount {

Client::Client(const ClientConfig& config, const QString& tokenStoreDirectory, QObject* parent)
    : Client(config, CredentialManagerTokenStore::create(config.appId, tokenStoreDirectory), parent)
{
}

Client::Client(const ClientConfig& config, std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_config(config)
{
    const QString platform = resolvePlatform(m_config.platform);
    // A trailing "/" would double the separator of every joined path.
    const QString authServer = withoutTrailingSlash(m_config.authBaseUrl);

    m_tokens = new TokenManager(std::move(store), this);
    const auto transport = [this, &platform](const QString& baseUrl) {
        auto* api = new ApiClient(m_tokens, this);
        api->setBaseUrl(QUrl(baseUrl, QUrl::TolerantMode));
        api->setAppInfo(m_config.appId, m_config.appVersion, platform);
        return api;
    };
    m_authApi = transport(QStringLiteral("%1/api/v1/realms/%2").arg(authServer, m_config.realmSlug));
    m_accountApi = transport(m_config.accountApiUrl);
    m_syncApi = transport(QString());

    m_authClient = new AuthClient(authServer, m_config.realmSlug, m_config.clientId, m_authApi, m_tokens, this);
    // A refresh refused for a request on any transport signs the user out.
    m_authClient->watchTransport(m_accountApi);
    m_authClient->watchTransport(m_syncApi);
    connect(m_authClient, &AuthClient::stateChanged, this, &Client::onAuthStateChanged);

    m_accountClient = new AccountClient(m_accountApi, m_authClient, m_config, this);
}

Client::~Client() = default;

QString Client::resolvePlatform(const QString& configured)
{
    if (!configured.isEmpty())
        return configured;
    const QString kernel = QSysInfo::kernelType().toLower();
    if (kernel == QLatin1String("darwin"))
        return QStringLiteral("macos");
    if (kernel == QLatin1String("winnt"))
        return QStringLiteral("windows");
    return kernel;
}

void Client::initialize()
{
    m_authClient->initialize();
}

bool Client::isAuthenticated() const
{
    return !m_tokens->validAccessToken().isEmpty() || !m_tokens->refreshToken().isEmpty();
}

WrenClaims Client::claims() const
{
    const QString token = m_tokens->validAccessToken();
    return token.isEmpty() ? WrenClaims() : WrenClaims::fromToken(token);
}

void Client::onAuthStateChanged(AuthState state)
{
    emit authStateChanged(state);
    if (state == AuthState::Authenticated)
        emit claimsUpdated(claims());
}

} // namespace LarkAccount
