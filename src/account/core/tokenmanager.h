#pragma once

#include "account/core/tokenstore.h"

#include <QHash>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace LarkAccount {

enum class RefreshResult {
    Success = 0,          // new tokens are stored; retry with validAccessToken()
    Rejected = 1,         // the refresh token was refused, or there was none to send
    TransientFailure = 2, // no connection, server error: the tokens are unchanged
};

// Holds the signed-in user's access and refresh tokens, persists them in a
// TokenStore, and runs token refreshes one at a time: whoever asks while one
// is outstanding waits for its result. How a refresh talks to the server is
// the installed refresh function's business.
class TokenManager : public QObject
{
    Q_OBJECT

public:
    using RefreshCallback = std::function<void(RefreshResult)>;
    // expiresIn: the access token's lifetime in seconds as the reply gave
    // it ("expires_in"); 0 when it gave none.
    using RefreshSucceeded =
        std::function<void(const QString& accessToken, const QString& refreshToken, qint64 expiresIn)>;
    using RefreshFailed = std::function<void(bool rejected)>;
    using RefreshFunction =
        std::function<void(const QString& refreshToken, RefreshSucceeded onSuccess, RefreshFailed onFailure)>;
    // Gets an access token of a session that has ended here, or "".
    using EndedToken = std::function<void(const QString& accessToken)>;
    // Asks the server once for a new access token of an ended session with
    // that session's refresh token; the receiver gets it, or "". The tokens
    // of that refresh are never kept.
    using SessionRenewal = std::function<void(EndedToken receive)>;
    // Gets an access token of a session that has ended here, or "", and,
    // with the token that was held, a renewal for when the server refuses
    // it; empty with a token from a refresh and when no refresh is possible.
    using SessionEnd = std::function<void(const QString& accessToken, const SessionRenewal& renew)>;
    // Seconds since 1970-01-01 UTC.
    using Clock = std::function<qint64()>;

    explicit TokenManager(std::unique_ptr<TokenStore> store, QObject* parent = nullptr);
    ~TokenManager() override;

    void setTokens(const QString& accessToken, const QString& refreshToken);
    void loadFromStore();
    void clearTokens();
    // Sign-out: the tokens go from memory and store at once, and
    // `tellServer` receives an access token of the ended session so the
    // server can end it too: the held one while usable, else one from a
    // refresh (the one under way, if any), else "" when none can be had.
    // That refresh's tokens are used for this only, never kept. A held
    // token comes with a renewal: one that looks usable by the local clock
    // may have run out by the server's.
    void endSession(SessionEnd tellServer);

    // The access token while it has more than 30 seconds to live, else "".
    // A token received in this run is judged by how long it has been held
    // (its lifetime from exp − iat, or from the reply's expires_in), so a
    // local clock hours off the server's cannot make a fresh token look
    // expired or an old one look fresh. A token read from the store, or
    // one that tells no lifetime, is judged by its exp and the local clock.
    QString validAccessToken() const;
    // No usable access token, but a refresh token to get one with.
    bool needsRefresh() const;
    QString refreshToken() const { return m_refreshToken; }

    static qint64 tokenExpiry(const QString& token);
    static QString userId(const QString& token);

    void setRefreshFunction(RefreshFunction function);
    // Starts a refresh, or joins the one under way; the callback (may be
    // empty) gets its result. Never called with the mutex held.
    void refresh(RefreshCallback callback);

    // Names the session the tokens belong to: it changes when tokens are
    // set, loaded or cleared from outside (sign-in, start-up, sign-out),
    // not when a refresh renews them. A request remembers it, so it is
    // never sent with the tokens of a session that began while it waited.
    quint64 session() const;

    // Counts refreshes that ended Rejected. Every caller of one rejected
    // refresh sees the same number, so a transport can announce
    // "sign in again" once per rejection rather than once per request.
    quint64 rejectionCount() const;

    // For tests: replaces the wall clock.
    void setClock(Clock clock);

private:
    void storeTokens(const QString& accessToken, const QString& refreshToken, qint64 expiresIn);
    void judgeLifetime(const QString& accessToken, qint64 expiresIn);
    void dropTokens();
    void finishRefresh(quint64 generation, RefreshResult result, const QString& accessToken,
                       const QString& refreshToken, qint64 expiresIn);
    QList<RefreshCallback> takeWaiting(RefreshResult result);

    std::unique_ptr<TokenStore> m_store;
    QString m_accessToken;
    QString m_refreshToken;
    RefreshFunction m_refreshFunction;
    Clock m_clock;
    // By the injected clock: until when the access token counts as usable,
    // when its lifetime was known as it arrived.
    std::optional<qint64> m_usableUntil;

    mutable QMutex m_mutex;
    // Guarded by m_mutex:
    bool m_refreshInFlight = false;
    quint64 m_refreshGeneration = 0; // the session the refresh in flight is for
    // Ended sessions waiting for the refresh in flight, by session.
    QHash<quint64, EndedToken> m_endingSessions;
    QList<RefreshCallback> m_pendingCallbacks;
    // Bumped whenever tokens are set or cleared from outside a refresh, so a
    // refresh begun on older tokens cannot bring them back after sign-out.
    quint64 m_generation = 0;
    quint64 m_rejections = 0;
};

} // namespace LarkAccount
