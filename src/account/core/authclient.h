#pragma once

#include "account/core/accountrecords.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

namespace LarkAccount {

class ApiClient;
class TokenManager;
class WebAuthHandler;

// The sign-in state of the application. 2 is never used.
enum class AuthState {
    Unknown = 0,         // before initialize, and while its refresh is outstanding
    Unauthenticated = 1, // no usable session
    Authenticated = 3,   // tokens present and accepted
};

// Owns the sign-in state: restores the session from the stored tokens,
// performs token refreshes for the TokenManager, signs in through the
// browser and a loopback callback, signs out, and offers the
// authentication service's calls about the current user. Server calls
// return at once and complete through their callbacks; a failure shows up
// as the previous user, an empty list or false.
class AuthClient : public QObject
{
    Q_OBJECT
    Q_PROPERTY(LarkAccount::AuthState state READ state NOTIFY stateChanged)
    Q_PROPERTY(bool isAuthenticated READ isAuthenticated NOTIFY stateChanged)

public:
    // `api` is the authentication transport, based at
    // "<serverUrl>/api/v1/realms/<realm>"; neither it nor `tokens` is owned.
    AuthClient(const QString& serverUrl, const QString& realm, const QString& clientId, ApiClient* api,
               TokenManager* tokens, QObject* parent = nullptr);

    AuthState state() const { return m_state; }
    bool isAuthenticated() const { return m_state == AuthState::Authenticated; }

    // A refresh refused on this transport means the user must sign in
    // again, whoever sent the request: the state follows. The own
    // transport is watched from the start.
    void watchTransport(ApiClient* api);

    void initialize();

    // Opens `address` in the user's browser; false when that failed.
    using UrlOpener = std::function<bool(const QUrl& address)>;
    // Replaces how the sign-in page is opened (empty: the desktop's browser).
    void setUrlOpener(UrlOpener opener);

    // Opens the sign-in page in the browser and waits for its redirect on
    // the loopback; the outcome is loginSucceeded() or loginFailed(). A new
    // call abandons the sign-in still waiting. When no browser could be
    // opened, browserUnavailable() tells the address, and the loopback keeps
    // waiting for the user to open it by hand.
    void login();
    // Abandons the sign-in waiting for its redirect: the loopback closes.
    void cancelLogin();
    // Takes the tokens from an accepted callback URL (fragment first, then
    // query).
    void handleCallback(const QUrl& url);
    // Signs out at once; the server is told, but not waited for.
    void logout();

    // Forces a token refresh; the callback gets true only for success.
    void refreshToken(std::function<void(bool)> callback);
    void fetchCurrentUser(std::function<void(const User&)> callback);
    void updateProfile(const QString& displayName, std::function<void(const User&)> callback);
    // As above, and tells a refused or failed update (ok false, with the
    // user last known) from an accepted one.
    void updateProfile(const QString& displayName, std::function<void(bool ok, const User& user)> callback);
    void changePassword(const QString& currentPassword, const QString& newPassword,
                        std::function<void(bool)> callback);
    void listSessions(std::function<void(const QList<Session>&)> callback);
    // An id that is not one path segment is not sent (the callback, when
    // given, gets false).
    void revokeSession(const QString& sessionId, std::function<void(bool ok)> callback = {});

    // The last user record received; empty at start and after sign-out.
    User cachedUser() const { return m_currentUser; }
    // The "sub" of the usable access token, or "".
    QString userId() const;

signals:
    void stateChanged(LarkAccount::AuthState state);
    void loginSucceeded();
    void loginFailed(const QString& error);
    // login() could not open a browser on `address`, the sign-in page.
    void browserUnavailable(const QString& address);
    void logoutCompleted();

private:
    void setupRefreshCallback();
    void setState(AuthState state);
    void signOutLocally();
    void onCallbackReceived(WebAuthHandler* handler, const QUrl& url);
    void closeHandler();
    // The continuation of fetchCurrentUser and updateProfile.
    std::function<void(bool, int, const QJsonObject&)> userReply(std::function<void(bool, const User&)> callback);

    QString m_serverUrl;
    QString m_realm;
    QString m_clientId;
    ApiClient* m_api;
    TokenManager* m_tokens;
    AuthState m_state = AuthState::Unknown;
    User m_currentUser;
    // Counts sign-ins and sign-outs, so a user reply from an earlier session
    // is not taken for the current one.
    quint64 m_session = 0;
    QPointer<WebAuthHandler> m_handler; // the sign-in waiting for its callback
    UrlOpener m_urlOpener;
};

} // namespace LarkAccount
