#include "account/core/apiclient.h"

#include "account/core/tokenmanager.h"
#include "services/replylimits.h"

#include <QDebug>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QRegularExpression>

namespace LarkAccount {

namespace {

void finish(const ApiClient::Callback& callback, bool ok, int status, const QJsonObject& body)
{
    if (callback)
        callback(ok, status, body);
}

} // namespace

ApiClient::ApiClient(TokenManager* tokens, QObject* parent)
    : QObject(parent)
    , m_network(new QNetworkAccessManager(this))
    , m_tokens(tokens)
{
}

void ApiClient::setBaseUrl(const QUrl& url)
{
    m_baseUrl = url;
    QString path = url.path(QUrl::FullyDecoded);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    m_baseUrl.setPath(path, QUrl::DecodedMode);
}

bool ApiClient::isPathId(const QString& text)
{
    // Anchored whole: "$" alone would let a trailing newline through.
    static const QRegularExpression pattern(QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9_-]+")));
    return pattern.match(text).hasMatch();
}

bool ApiClient::acceptPathIds(const char* caller, const QStringList& ids, const Callback& reply)
{
    for (const QString& id : ids) {
        if (!isPathId(id)) {
            qWarning().noquote() << QLatin1String(caller) + QLatin1String(": not an id:") << id;
            finish(reply, false, 0, QJsonObject());
            return false;
        }
    }
    return true;
}

void ApiClient::setAppInfo(const QString& appId, const QString& appVersion, const QString& platform)
{
    m_appId = appId;
    m_appVersion = appVersion;
    m_platform = platform;
}

void ApiClient::setTransferTimeout(int milliseconds)
{
    m_transferTimeoutMs = milliseconds;
}

void ApiClient::setReplyLimits(int deadlineMs, qint64 maxBytes)
{
    m_requestDeadlineMs = deadlineMs;
    m_maxReplyBytes = maxBytes;
}

void ApiClient::get(const QString& path, Callback callback, const QUrlQuery& query)
{
    sendRequest(QStringLiteral("GET"), path, QJsonObject(), std::move(callback), query, true);
}

void ApiClient::post(const QString& path, const QJsonObject& body, Callback callback)
{
    sendRequest(QStringLiteral("POST"), path, body, std::move(callback), QUrlQuery(), true);
}

void ApiClient::postPublic(const QString& path, const QJsonObject& body, Callback callback)
{
    sendRequest(QStringLiteral("POST"), path, body, std::move(callback), QUrlQuery(), false);
}

void ApiClient::patch(const QString& path, const QJsonObject& body, Callback callback)
{
    sendRequest(QStringLiteral("PATCH"), path, body, std::move(callback), QUrlQuery(), true);
}

void ApiClient::del(const QString& path, Callback callback)
{
    sendRequest(QStringLiteral("DELETE"), path, QJsonObject(), std::move(callback), QUrlQuery(), true);
}

void ApiClient::postWithToken(const QString& path, const QJsonObject& body, const QString& accessToken,
                              Callback callback)
{
    executeRequest(buildRequest(QStringLiteral("POST"), path, body, std::move(callback), QUrlQuery()), accessToken);
}

ApiClient::Request ApiClient::buildRequest(const QString& method, const QString& path, const QJsonObject& body,
                                           Callback callback, const QUrlQuery& query) const
{
    Request request;
    request.method = method;
    // The path is appended as given: callers start it with "/".
    request.url = m_baseUrl;
    request.url.setPath(m_baseUrl.path(QUrl::FullyDecoded) + path, QUrl::DecodedMode);
    if (!query.isEmpty())
        request.url.setQuery(query);
    // An empty object sends no bytes at all, not "{}".
    if (!body.isEmpty())
        request.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
    request.callback = std::move(callback);
    request.session = m_tokens->session();
    return request;
}

void ApiClient::sendRequest(const QString& method, const QString& path, const QJsonObject& body, Callback callback,
                            const QUrlQuery& query, bool authenticated)
{
    Request request = buildRequest(method, path, body, std::move(callback), query);
    request.retryAllowed = authenticated;

    if (!authenticated) {
        executeRequest(request, QString());
        return;
    }
    if (m_tokens->needsRefresh()) {
        qDebug().noquote() << "ApiClient: token needs refresh before" << method << request.url.path();
        QPointer<ApiClient> self(this);
        m_tokens->refresh([self, request](RefreshResult result) {
            if (self)
                self->resumeAfterRefresh(request, result, true);
        });
        return;
    }
    executeRequest(request, m_tokens->validAccessToken());
}

void ApiClient::resumeAfterRefresh(Request request, RefreshResult result, bool beforeSending)
{
    // Signed out, or in as someone else, while it waited: the tokens now
    // held are not this request's to use, and a refusal is not theirs.
    const bool sameSession = m_tokens->session() == request.session;
    switch (result) {
    case RefreshResult::Success:
        if (!sameSession) {
            qWarning().noquote() << "ApiClient: the session changed while" << request.method << request.url.path()
                                 << "waited; not sent";
            finish(request.callback, false, 0, QJsonObject());
            return;
        }
        // A request retried after a 401 is not retried again.
        request.retryAllowed = beforeSending;
        executeRequest(request, m_tokens->validAccessToken());
        return;
    case RefreshResult::Rejected:
        if (beforeSending)
            qWarning().noquote() << "ApiClient: token refresh" << "rejected" << "for" << request.method
                                 << request.url.path();
        if (sameSession)
            announceRejection();
        finish(request.callback, false, 401, QJsonObject());
        return;
    case RefreshResult::TransientFailure:
        if (beforeSending)
            qWarning().noquote() << "ApiClient: token refresh" << "failed (transient)" << "for" << request.method
                                 << request.url.path();
        finish(request.callback, false, 0, QJsonObject());
        return;
    }
}

void ApiClient::announceRejection()
{
    const quint64 rejection = m_tokens->rejectionCount();
    if (rejection == m_announcedRejection)
        return; // this refusal was announced for an earlier waiting request
    m_announcedRejection = rejection;
    emit authenticationRequired();
}

void ApiClient::executeRequest(const Request& request, const QString& token)
{
    QNetworkRequest networkRequest(request.url);
    networkRequest.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    networkRequest.setRawHeader("Accept", "application/json");
    if (!m_appId.isEmpty())
        networkRequest.setRawHeader("X-App-Id", m_appId.toUtf8());
    if (!m_appVersion.isEmpty())
        networkRequest.setRawHeader("X-App-Version", m_appVersion.toUtf8());
    if (!m_platform.isEmpty())
        networkRequest.setRawHeader("X-Platform", m_platform.toUtf8());
    if (!token.isEmpty())
        networkRequest.setRawHeader("Authorization", QStringLiteral("Bearer %1").arg(token).toUtf8());
    networkRequest.setTransferTimeout(m_transferTimeoutMs);
    // The bearer token goes to the configured origin only: a redirect to
    // another host, port or scheme fails instead of being followed.
    networkRequest.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::SameOriginRedirectPolicy);

    QNetworkReply* reply = nullptr;
    if (request.method == QLatin1String("GET"))
        reply = m_network->get(networkRequest);
    else if (request.method == QLatin1String("POST"))
        reply = m_network->post(networkRequest, request.body);
    else if (request.method == QLatin1String("PUT"))
        reply = m_network->put(networkRequest, request.body);
    else if (request.method == QLatin1String("PATCH"))
        reply = m_network->sendCustomRequest(networkRequest, "PATCH", request.body);
    else if (request.method == QLatin1String("DELETE"))
        reply = m_network->deleteResource(networkRequest);
    if (!reply) {
        finish(request.callback, false, 0, QJsonObject());
        return;
    }
    limitReply(reply, m_maxReplyBytes, m_requestDeadlineMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply, request] { onReplyFinished(reply, request); });
}

void ApiClient::onReplyFinished(QNetworkReply* reply, const Request& request)
{
    reply->deleteLater();
    // A reply cut short after its headers is as unanswered as a refused one.
    const bool limited = replyWasLimited(reply);
    const int status = limited ? 0 : reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QJsonObject body;
    // An aborted reply (transfer timeout) is closed and has nothing to read.
    const QByteArray bytes = reply->isOpen() && !limited ? reply->readAll() : QByteArray();
    if (!bytes.isEmpty()) {
        const QJsonDocument document = QJsonDocument::fromJson(bytes);
        if (document.isObject())
            body = document.object();
    }

    // A 401 for a session that has since ended is its own answer: a refresh
    // now would spend the next session's refresh token.
    if (status == 401 && request.retryAllowed && m_tokens->session() == request.session) {
        QPointer<ApiClient> self(this);
        m_tokens->refresh([self, request](RefreshResult result) {
            if (self)
                self->resumeAfterRefresh(request, result, false);
        });
        return;
    }
    if ((reply->error() != QNetworkReply::NoError || limited) && status == 0) {
        emit networkError(reply->errorString());
        finish(request.callback, false, 0, QJsonObject());
        return;
    }
    finish(request.callback, status >= 200 && status <= 299, status, body);
}

} // namespace LarkAccount
