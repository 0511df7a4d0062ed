#include "account/core/authclient.h"

#include "account/core/apiclient.h"
#include "account/core/tokenmanager.h"
#include "account/core/webauthhandler.h"

#include <QDebug>
#include <QDesktopServices>
#include <QUrlQuery>

namespace LarkAccount {

namespace {

const QString kRefreshPath = QStringLiteral("/auth/token/refresh");
const QString kLogoutPath = QStringLiteral("/auth/logout");

// Tells the server to end the session of `accessToken`. A token usable by
// the local clock may have run out by the server's (read at start-up on a
// clock behind it): refused, it is renewed once and the logout sent again.
void sendLogout(const QPointer<ApiClient>& api, const QString& accessToken,
                const TokenManager::SessionRenewal& renew)
{
    if (!api || accessToken.isEmpty())
        return;
    api->postWithToken(kLogoutPath, QJsonObject(), accessToken, [api, renew](bool, int status, const QJsonObject&) {
        if (status == 401 && renew)
            renew([api](const QString& renewed) { sendLogout(api, renewed, {}); });
    });
}

} // namespace

AuthClient::AuthClient(const QString& serverUrl, const QString& realm, const QString& clientId, ApiClient* api,
                       TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_serverUrl(serverUrl)
    , m_realm(realm)
    , m_clientId(clientId)
    , m_api(api)
    , m_tokens(tokens)
{
    setupRefreshCallback();
    watchTransport(api);
}

void AuthClient::setupRefreshCallback()
{
    QPointer<ApiClient> api(m_api);
    m_tokens->setRefreshFunction([api](const QString& refreshToken, TokenManager::RefreshSucceeded onSuccess,
                                       TokenManager::RefreshFailed onFailure) {
        if (!api) {
            onFailure(false);
            return;
        }
        api->postPublic(kRefreshPath, {{QStringLiteral("refresh_token"), refreshToken}},
                        [onSuccess, onFailure](bool ok, int status, const QJsonObject& body) {
                            if (ok)
                                onSuccess(body.value(QLatin1String("access_token")).toString(),
                                          body.value(QLatin1String("refresh_token")).toString(),
                                          body.value(QLatin1String("expires_in")).toInteger());
                            else
                                onFailure(status >= 400 && status <= 499);
                        });
    });
}

void AuthClient::watchTransport(ApiClient* api)
{
    // The token manager has already dropped a refused refresh token; an
    // access token the server turned down is no better.
    connect(api, &ApiClient::authenticationRequired, this, &AuthClient::signOutLocally, Qt::UniqueConnection);
}

void AuthClient::setState(AuthState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

void AuthClient::signOutLocally()
{
    ++m_session;
    m_tokens->clearTokens();
    m_currentUser = User();
    setState(AuthState::Unauthenticated);
}

void AuthClient::initialize()
{
    m_tokens->loadFromStore();
    if (!m_tokens->validAccessToken().isEmpty()) {
        setState(AuthState::Authenticated);
        return;
    }
    if (m_tokens->refreshToken().isEmpty()) {
        setState(AuthState::Unauthenticated);
        return;
    }
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self](RefreshResult result) {
        if (!self)
            return;
        // An unreachable server is no reason to sign out: the next request
        // tries the refresh again.
        if (result == RefreshResult::Rejected)
            self->signOutLocally();
        else
            self->setState(AuthState::Authenticated);
    });
}

void AuthClient::login()
{
    closeHandler();
    // Desktop services would also hand a file or any other scheme to
    // whatever program claims it: only a web address goes to the browser.
    const QUrl server(m_serverUrl);
    const QString scheme = server.scheme().toLower();
    if (!server.isValid() || server.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        emit loginFailed(tr("Invalid sign-in address"));
        return;
    }

    auto* handler = new WebAuthHandler(this);
    const QString redirectUri = handler->start();
    if (redirectUri.isEmpty()) {
        emit loginFailed(tr("Failed to start local auth server"));
        handler->deleteLater();
        return;
    }
    connect(handler, &WebAuthHandler::callbackReceived, this,
            [this, handler](const QUrl& url) { onCallbackReceived(handler, url); });
    m_handler = handler;

    // One pass of arg(): the "%" signs of the encoded redirect URI are not
    // read as placeholders.
    const QString address = QStringLiteral("%1/%2/account/login?client_id=%3&redirect_uri=%4&state=%5")
                                .arg(m_serverUrl, m_realm, m_clientId,
                                     QString::fromLatin1(QUrl::toPercentEncoding(redirectUri)), handler->state());
    const QUrl page(address);
    const bool opened = m_urlOpener ? m_urlOpener(page) : QDesktopServices::openUrl(page);
    if (!opened) {
        qWarning().noquote() << "AuthClient: no browser could be opened for the sign-in page";
        emit browserUnavailable(address);
    }
}

void AuthClient::setUrlOpener(UrlOpener opener)
{
    m_urlOpener = std::move(opener);
}

void AuthClient::cancelLogin()
{
    closeHandler();
}

void AuthClient::closeHandler()
{
    if (!m_handler)
        return;
    m_handler->stop(); // frees the port for the next sign-in now
    m_handler->deleteLater();
    m_handler = nullptr;
}

void AuthClient::onCallbackReceived(WebAuthHandler* handler, const QUrl& url)
{
    if (m_handler == handler)
        m_handler = nullptr;
    handler->deleteLater();
    handleCallback(url);
}

void AuthClient::handleCallback(const QUrl& url)
{
    const auto tokensIn = [](const QUrlQuery& query, QString* access, QString* refresh) {
        *access = query.queryItemValue(QStringLiteral("access_token"), QUrl::FullyDecoded);
        *refresh = query.queryItemValue(QStringLiteral("refresh_token"), QUrl::FullyDecoded);
    };
    QString access;
    QString refresh;
    tokensIn(QUrlQuery(url.fragment(QUrl::FullyEncoded)), &access, &refresh);
    if (access.isEmpty())
        tokensIn(QUrlQuery(url), &access, &refresh);
    if (access.isEmpty() || refresh.isEmpty()) {
        emit loginFailed(tr("No tokens received"));
        return;
    }
    ++m_session;
    m_currentUser = User(); // it may be someone else now
    m_tokens->setTokens(access, refresh);
    setState(AuthState::Authenticated);
    emit loginSucceeded();
}

void AuthClient::logout()
{
    // The server ends the session only when told with one of its access
    // tokens; one that has run out, or that the server refuses, is
    // refreshed once for that. The local tokens go at once all the same,
    // and whatever session begins next is never the one told.
    QPointer<ApiClient> api(m_api);
    m_tokens->endSession([api](const QString& accessToken, const TokenManager::SessionRenewal& renew) {
        sendLogout(api, accessToken, renew);
    });
    signOutLocally();
    emit logoutCompleted();
}

void AuthClient::refreshToken(std::function<void(bool)> callback)
{
    QPointer<AuthClient> self(this);
    m_tokens->refresh([self, callback](RefreshResult result) {
        if (self && result == RefreshResult::Rejected)
            self->signOutLocally();
        if (callback)
            callback(result == RefreshResult::Success);
    });
}

std::function<void(bool, int, const QJsonObject&)>
AuthClient::userReply(std::function<void(bool, const User&)> callback)
{
    QPointer<AuthClient> self(this);
    const quint64 session = m_session;
    return [self, session, callback](bool ok, int, const QJsonObject& body) {
        if (!self)
            return;
        // A reply that outlived its session does not bring its user back.
        const bool current = ok && session == self->m_session;
        if (current)
            self->m_currentUser = User::fromJson(body);
        if (callback)
            callback(current, self->m_currentUser);
    };
}

namespace {

std::function<void(bool, const User&)> ignoringOutcome(std::function<void(const User&)> callback)
{
    if (!callback)
        return {};
    return [callback](bool, const User& user) { callback(user); };
}

} // namespace

void AuthClient::fetchCurrentUser(std::function<void(const User&)> callback)
{
    m_api->get(QStringLiteral("/users/me"), userReply(ignoringOutcome(std::move(callback))));
}

void AuthClient::updateProfile(const QString& displayName, std::function<void(const User&)> callback)
{
    updateProfile(displayName, ignoringOutcome(std::move(callback)));
}

void AuthClient::updateProfile(const QString& displayName, std::function<void(bool ok, const User& user)> callback)
{
    m_api->patch(QStringLiteral("/users/me"), {{QStringLiteral("display_name"), displayName}},
                 userReply(std::move(callback)));
}

void AuthClient::changePassword(const QString& currentPassword, const QString& newPassword,
                                std::function<void(bool)> callback)
{
    m_api->post(QStringLiteral("/users/me/password"),
                {{QStringLiteral("current_password"), currentPassword}, {QStringLiteral("new_password"), newPassword}},
                [callback](bool ok, int, const QJsonObject&) {
                    if (callback)
                        callback(ok);
                });
}

void AuthClient::listSessions(std::function<void(const QList<Session>&)> callback)
{
    m_api->get(QStringLiteral("/users/me/sessions"), [callback](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? recordsFromJson<Session>(body.value(QLatin1String("sessions"))) : QList<Session>());
    });
}

void AuthClient::revokeSession(const QString& sessionId, std::function<void(bool ok)> callback)
{
    const ApiClient::Callback reply = [callback](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    };
    if (ApiClient::acceptPathIds("AuthClient::revokeSession", {sessionId}, reply))
        m_api->del(QStringLiteral("/users/me/sessions/%1").arg(sessionId), reply);
}

QString AuthClient::userId() const
{
    const QString token = m_tokens->validAccessToken();
    return token.isEmpty() ? QString() : TokenManager::userId(token);
}

} // namespace LarkAccount
