#pragma once

#include "account/core/authclient.h"
#include "account/core/clientconfig.h"
#include "account/core/tokenclaims.h"

#include <QObject>
#include <QString>

#include <memory>

namespace LarkAccount {

class AccountClient;
class ApiClient;
class TokenManager;
class TokenStore;

// The online account library in one object: the token manager, the
// transports of the authentication, account and sync services on it, the
// authentication client and the account client, all children of this one.
// The sync transport has no address until start-up code sets one. The
// sign-in state and the claims of the access token are re-emitted here.
class Client : public QObject
{
    Q_OBJECT

public:
    // The tokens go to the desktop's credential store, or into a file in
    // tokenStoreDirectory (the data directory) when there is none.
    Client(const ClientConfig& config, const QString& tokenStoreDirectory, QObject* parent = nullptr);
    // With a token store of the caller's choosing (tests, a session that
    // must leave nothing behind).
    Client(const ClientConfig& config, std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~Client() override;

    // Restores the session from the stored tokens (AuthClient::initialize).
    void initialize();
    // A usable access token, or a refresh token to get one with: the user
    // is signed in, even while the start-up refresh is still out.
    bool isAuthenticated() const;
    // The claims of the usable access token; the default record without one.
    WrenClaims claims() const;

    TokenManager* tokenManager() const { return m_tokens; }
    ApiClient* authApi() const { return m_authApi; }
    ApiClient* accountApi() const { return m_accountApi; }
    ApiClient* syncApi() const { return m_syncApi; }
    AuthClient* authClient() const { return m_authClient; }
    AccountClient* accountClient() const { return m_accountClient; }

signals:
    void authStateChanged(LarkAccount::AuthState state);
    // After every change to Authenticated.
    void claimsUpdated(const LarkAccount::WrenClaims& claims);

private:
    // The configured platform, else the kernel type in lower case with
    // "darwin" as "macos" and "winnt" as "windows".
    static QString resolvePlatform(const QString& configured);
    void onAuthStateChanged(AuthState state);

    ClientConfig m_config;
    TokenManager* m_tokens = nullptr;
    ApiClient* m_authApi = nullptr;
    ApiClient* m_accountApi = nullptr;
    ApiClient* m_syncApi = nullptr;
    AuthClient* m_authClient = nullptr;
    AccountClient* m_accountClient = nullptr;
};

} // namespace LarkAccount
