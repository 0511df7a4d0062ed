#include "account/core/tokenmanager.h"

#include "account/core/tokenclaims.h"

#include <QDateTime>
#include <QPointer>
#include <QtNumeric>

#include <limits>

#include <utility>

namespace LarkAccount {

namespace {

// An access token counts as run out this many seconds before its expiry,
// so it does not expire on its way to the server.
constexpr qint64 kExpiryMarginSeconds = 30;
constexpr qint64 kLongestLifetimeSeconds = qint64(1) << 40;

qint64 wallClock()
{
    return QDateTime::currentSecsSinceEpoch();
}

// One refresh with an ended session's refresh token, which its first use
// spends; the access token goes to the receiver only.
TokenManager::SessionRenewal renewalOf(const TokenManager::RefreshFunction& function, const QString& refreshToken)
{
    auto used = std::make_shared<bool>(false);
    return [function, refreshToken, used](TokenManager::EndedToken receive) {
        if (std::exchange(*used, true)) {
            receive(QString());
            return;
        }
        auto answered = std::make_shared<bool>(false);
        function(
            refreshToken,
            [receive, answered](const QString& accessToken, const QString&, qint64) {
                if (!std::exchange(*answered, true))
                    receive(accessToken);
            },
            [receive, answered](bool) {
                if (!std::exchange(*answered, true))
                    receive(QString());
            });
    };
}

} // namespace

TokenManager::TokenManager(std::unique_ptr<TokenStore> store, QObject* parent)
    : QObject(parent)
    , m_store(std::move(store))
    , m_clock(wallClock)
{
}

TokenManager::~TokenManager() = default;

void TokenManager::storeTokens(const QString& accessToken, const QString& refreshToken, qint64 expiresIn)
{
    m_accessToken = accessToken;
    m_refreshToken = refreshToken;
    judgeLifetime(accessToken, expiresIn);
    // A failed write keeps the tokens in memory for this run.
    m_store->write(kAccessTokenKey, accessToken);
    m_store->write(kRefreshTokenKey, refreshToken);
}

void TokenManager::judgeLifetime(const QString& accessToken, qint64 expiresIn)
{
    m_usableUntil.reset();
    const qint64 expiry = tokenExpiryOf(accessToken);
    const qint64 issued = tokenIssuedAtOf(accessToken);
    std::optional<qint64> lifetime;
    qint64 span = 0;
    if (expiry != 0 && issued != 0 && !qSubOverflow(expiry, issued, &span))
        lifetime = span;
    else if (expiresIn > 0)
        lifetime = expiresIn;
    if (!lifetime)
        return; // judged by exp and the local clock
    // Past any real lifetime either way; keeps the sum below in range.
    const qint64 bounded = qBound(-kLongestLifetimeSeconds, *lifetime, kLongestLifetimeSeconds);
    qint64 usableUntil = 0;
    if (qAddOverflow(m_clock(), bounded - kExpiryMarginSeconds, &usableUntil))
        usableUntil = bounded > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    m_usableUntil = usableUntil;
}

void TokenManager::setTokens(const QString& accessToken, const QString& refreshToken)
{
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
    }
    storeTokens(accessToken, refreshToken, 0);
}

void TokenManager::loadFromStore()
{
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
    }
    m_usableUntil.reset(); // when these arrived is not known
    m_accessToken = m_store->read(kAccessTokenKey).value_or(QString());
    m_refreshToken = m_store->read(kRefreshTokenKey).value_or(QString());
}

void TokenManager::clearTokens()
{
    {
        QMutexLocker lock(&m_mutex);
        ++m_generation;
    }
    dropTokens();
}

void TokenManager::endSession(SessionEnd tellServer)
{
    const QString access = validAccessToken();
    const QString refresh = m_refreshToken;
    bool refreshSpent = false;
    {
        QMutexLocker lock(&m_mutex);
        // The refresh token was already sent: a second use would be refused.
        refreshSpent = m_refreshInFlight && m_refreshGeneration == m_generation;
        if (access.isEmpty() && refreshSpent)
            m_endingSessions.insert(m_generation, [tellServer](const QString& token) { tellServer(token, {}); });
    }
    clearTokens();
    if (access.isEmpty() && refreshSpent)
        return; // answered when that refresh ends
    SessionRenewal renew;
    if (!refresh.isEmpty() && !refreshSpent && m_refreshFunction)
        renew = renewalOf(m_refreshFunction, refresh);
    if (!access.isEmpty()) {
        tellServer(access, renew);
        return;
    }
    if (!renew) {
        tellServer(QString(), {});
        return;
    }
    renew([tellServer](const QString& token) { tellServer(token, {}); });
}

void TokenManager::dropTokens()
{
    m_accessToken.clear();
    m_refreshToken.clear();
    m_usableUntil.reset();
    m_store->clear();
}

quint64 TokenManager::session() const
{
    QMutexLocker lock(&m_mutex);
    return m_generation;
}

QString TokenManager::validAccessToken() const
{
    if (m_accessToken.isEmpty())
        return QString();
    const qint64 expiry = tokenExpiry(m_accessToken);
    qint64 usableUntil = 0;
    if (expiry == 0 || qSubOverflow(expiry, kExpiryMarginSeconds, &usableUntil))
        return QString();
    if (m_usableUntil)
        usableUntil = *m_usableUntil;
    return m_clock() < usableUntil ? m_accessToken : QString();
}

bool TokenManager::needsRefresh() const
{
    return validAccessToken().isEmpty() && !m_refreshToken.isEmpty();
}

qint64 TokenManager::tokenExpiry(const QString& token)
{
    return tokenExpiryOf(token);
}

QString TokenManager::userId(const QString& token)
{
    return tokenSubjectOf(token);
}

void TokenManager::setRefreshFunction(RefreshFunction function)
{
    m_refreshFunction = std::move(function);
}

void TokenManager::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(wallClock);
}

quint64 TokenManager::rejectionCount() const
{
    QMutexLocker lock(&m_mutex);
    return m_rejections;
}

QList<TokenManager::RefreshCallback> TokenManager::takeWaiting(RefreshResult result)
{
    QMutexLocker lock(&m_mutex);
    m_refreshInFlight = false;
    if (result == RefreshResult::Rejected)
        ++m_rejections;
    return std::exchange(m_pendingCallbacks, {});
}

void TokenManager::refresh(RefreshCallback callback)
{
    QMutexLocker lock(&m_mutex);
    if (callback)
        m_pendingCallbacks.append(std::move(callback));
    if (m_refreshInFlight)
        return; // answered with the result of the refresh under way
    if (m_refreshToken.isEmpty() || !m_refreshFunction) {
        lock.unlock();
        for (const RefreshCallback& waiting : takeWaiting(RefreshResult::Rejected))
            waiting(RefreshResult::Rejected);
        return;
    }
    m_refreshInFlight = true;
    const quint64 generation = m_generation;
    m_refreshGeneration = generation;
    const QString tokenToSend = m_refreshToken;
    lock.unlock();

    // Each continuation acts once, and not at all after the manager is gone.
    QPointer<TokenManager> self(this);
    auto answered = std::make_shared<bool>(false);
    const RefreshFunction function = m_refreshFunction; // it may replace itself
    function(
        tokenToSend,
        [self, answered, generation](const QString& accessToken, const QString& refreshToken, qint64 expiresIn) {
            if (self && !std::exchange(*answered, true))
                self->finishRefresh(generation, RefreshResult::Success, accessToken, refreshToken, expiresIn);
        },
        [self, answered, generation](bool rejected) {
            if (self && !std::exchange(*answered, true))
                self->finishRefresh(generation, rejected ? RefreshResult::Rejected : RefreshResult::TransientFailure,
                                    QString(), QString(), 0);
        });
}

void TokenManager::finishRefresh(quint64 generation, RefreshResult result, const QString& accessToken,
                                 const QString& refreshToken, qint64 expiresIn)
{
    bool sameTokens = false;
    EndedToken ending;
    {
        QMutexLocker lock(&m_mutex);
        sameTokens = generation == m_generation;
        ending = m_endingSessions.take(generation);
    }
    if (ending)
        ending(result == RefreshResult::Success ? accessToken : QString());
    if (!sameTokens) {
        // Signed out or signed in anew while the refresh ran: its answer is
        // about tokens that are gone. The waiting callers go on with what
        // the manager holds now; a new session that still needs its own
        // refresh is not refused on behalf of the old one.
        if (!validAccessToken().isEmpty())
            result = RefreshResult::Success;
        else
            result = m_refreshToken.isEmpty() ? RefreshResult::Rejected : RefreshResult::TransientFailure;
    } else if (result == RefreshResult::Success) {
        // A reply without a new refresh token leaves the current one valid.
        storeTokens(accessToken, refreshToken.isEmpty() ? m_refreshToken : refreshToken, expiresIn);
    } else if (result == RefreshResult::Rejected) {
        // The server refused the refresh token: keeping it would only send
        // the same doomed refresh before every later request. Its session
        // stays named as it was: the callers waiting for this refresh are
        // told of the refusal as members of it.
        dropTokens();
    }
    for (const RefreshCallback& waiting : takeWaiting(result))
        waiting(result);
}

} // namespace LarkAccount
