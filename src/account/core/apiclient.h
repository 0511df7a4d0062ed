#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QUrlQuery>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;

namespace LarkAccount {

class TokenManager;
enum class RefreshResult;

// JSON over HTTP(S) to one online service: relative paths under a base
// address, the application headers, a bearer token refreshed before a
// request whose token has run out, and one retry after a 401. Every call
// completes later through its callback (ok is true exactly for 200..299;
// status 0 means no HTTP answer; a body that is not a JSON object arrives
// as an empty object). Nothing blocks.
class ApiClient : public QObject
{
    Q_OBJECT

public:
    using Callback = std::function<void(bool ok, int httpStatus, const QJsonObject& body)>;

    // Without any byte moving for this long a request fails with status 0,
    // so a stalled server cannot hold up a refresh and everything queued
    // behind it for the rest of the session.
    static constexpr int kDefaultTransferTimeoutMs = 30000;
    // A whole exchange, however slowly the bytes arrive, and the largest
    // reply body read; a sync page of 200 rows is far below either.
    static constexpr int kDefaultRequestDeadlineMs = 120000;
    static constexpr qint64 kDefaultMaxReplyBytes = 16 * 1024 * 1024;

    explicit ApiClient(TokenManager* tokens, QObject* parent = nullptr);

    // A trailing "/" of the address is dropped: every path starts with "/".
    void setBaseUrl(const QUrl& url);
    QUrl baseUrl() const { return m_baseUrl; }
    // Empty values leave their header out.
    void setAppInfo(const QString& appId, const QString& appVersion, const QString& platform);
    void setTransferTimeout(int milliseconds);
    void setReplyLimits(int deadlineMs, qint64 maxBytes);

    void get(const QString& path, Callback callback, const QUrlQuery& query = QUrlQuery());
    void post(const QString& path, const QJsonObject& body, Callback callback);
    // No token, no refresh, no retry: for the token refresh itself.
    void postPublic(const QString& path, const QJsonObject& body, Callback callback);
    // With exactly this bearer token ("" sends none): no refresh before it,
    // no retry after a 401. For telling the server about a session that has
    // already ended here.
    void postWithToken(const QString& path, const QJsonObject& body, const QString& accessToken, Callback callback);
    void patch(const QString& path, const QJsonObject& body, Callback callback);
    void del(const QString& path, Callback callback);

    // Whether an id or code may be put into a request path: one segment of
    // [A-Za-z0-9_-]+, so "..", "/" or a query can never aim a request at
    // another resource.
    static bool isPathId(const QString& text);
    // True when every id is one; otherwise logs "<caller>: not an id:" and
    // fails `reply` at once with (false, 0, {}), and the caller sends nothing.
    static bool acceptPathIds(const char* caller, const QStringList& ids, const Callback& reply);

signals:
    // A token refresh was refused: the user must sign in again. Emitted once
    // per refused refresh, however many requests were waiting for it.
    void authenticationRequired();
    // A request failed below HTTP (refused, closed, timed out).
    void networkError(const QString& message);

private:
    // One request as it travels through refresh, send and retry.
    struct Request
    {
        QString method;
        QUrl url;
        QByteArray body;
        Callback callback;
        bool retryAllowed = false;
        quint64 session = 0; // TokenManager::session() when it was built
    };

    Request buildRequest(const QString& method, const QString& path, const QJsonObject& body, Callback callback,
                         const QUrlQuery& query) const;
    void sendRequest(const QString& method, const QString& path, const QJsonObject& body, Callback callback,
                     const QUrlQuery& query, bool authenticated);
    void executeRequest(const Request& request, const QString& token);
    void onReplyFinished(QNetworkReply* reply, const Request& request);
    // Goes on with a request that waited for a refresh.
    void resumeAfterRefresh(Request request, RefreshResult result, bool beforeSending);
    void announceRejection();

    QNetworkAccessManager* m_network;
    TokenManager* m_tokens;
    QUrl m_baseUrl;
    QString m_appId;
    QString m_appVersion;
    QString m_platform;
    int m_transferTimeoutMs = kDefaultTransferTimeoutMs;
    int m_requestDeadlineMs = kDefaultRequestDeadlineMs;
    qint64 m_maxReplyBytes = kDefaultMaxReplyBytes;
    quint64 m_announcedRejection = 0;
};

} // namespace LarkAccount
