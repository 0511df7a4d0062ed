#include "testservice.h"

#include "routes.h"

#include <QDateTime>
#include <QJsonDocument>

namespace {

qint64 now()
{
    return QDateTime::currentSecsSinceEpoch();
}

} // namespace

TestService::TestService()
{
    addControlRoutes(*this);
    addAuthRoutes(*this);
    addEchoRoutes(*this);
    addAccountRoutes(*this);
    addSharingRoutes(*this);
    addUpdateRoutes(*this);
    addSyncRoutes(*this);
}

void TestService::addRoute(const QByteArray& method, const QString& pattern, RouteHandler handler)
{
    m_routes.append({method, pattern, pattern.split(QLatin1Char('/')), std::move(handler)});
}

const TestService::Route* TestService::match(const HttpRequest& request, const QString& path,
                                             QStringList* params) const
{
    const QStringList segments = path.split(QLatin1Char('/'));
    for (const Route& route : m_routes) {
        if (route.method != request.method || route.segments.size() != segments.size())
            continue;
        QStringList values;
        bool matches = true;
        for (qsizetype i = 0; matches && i < segments.size(); ++i) {
            if (route.segments.at(i).startsWith(QLatin1Char(':')))
                values << segments.at(i);
            else
                matches = route.segments.at(i) == segments.at(i);
        }
        if (matches) {
            *params = values;
            return &route;
        }
    }
    return nullptr;
}

HttpResponse TestService::handle(const HttpRequest& request)
{
    QString path = request.path;
    const QString realmPrefix = QStringLiteral("/api/v1/realms/");
    if (path.startsWith(realmPrefix)) {
        const qsizetype next = path.indexOf(QLatin1Char('/'), realmPrefix.size());
        path = next < 0 ? QStringLiteral("/") : path.mid(next);
    }
    QStringList params;
    const Route* route = match(request, path, &params);
    if (path.startsWith(QLatin1String("/_control/")))
        return route ? route->handler(request, params) : error(404, QStringLiteral("not_found"));

    log(request, route ? route->pattern : QString());
    if (!route)
        return error(404, QStringLiteral("not_found"));
    const std::optional<Fault> fault = takeFault(route->pattern);
    if (!fault)
        return route->handler(request, params);

    HttpResponse response;
    if (fault->mode == QLatin1String("status"))
        return json(fault->status, fault->body.isEmpty() ? QJsonObject{{"error", "injected_fault"}} : fault->body);
    if (fault->mode == QLatin1String("garbage")) {
        response.contentType = "text/html";
        response.body = "<html><body>Service temporarily unavailable</body></html>";
        return response;
    }
    if (fault->mode == QLatin1String("hang")) {
        response.delivery = Delivery::Hang;
        return response;
    }
    if (fault->mode == QLatin1String("raw")) {
        response.body = fault->raw;
        return response;
    }
    if (fault->mode == QLatin1String("huge")) {
        // Valid JSON all the way, so only its size can refuse it.
        response.body = "{\"pad\":\"" + QByteArray(qMax(0, fault->size - 10), 'x') + "\"}";
        response.delivery = fault->framed ? Delivery::Normal
            : fault->endless               ? Delivery::Endless
                                           : Delivery::Unframed;
        return response;
    }
    if (fault->mode == QLatin1String("redirect")) {
        response.status = fault->status;
        response.headers.append({"Location", fault->location});
        return response;
    }
    if (fault->mode == QLatin1String("close")) {
        response.delivery = Delivery::Close;
        return response;
    }
    response = route->handler(request, params);
    response.delivery = fault->mode == QLatin1String("slow") ? Delivery::Slow : Delivery::Delay;
    response.delayMs = fault->delayMs;
    return response;
}

void TestService::addFault(const QString& routePattern, const Fault& fault)
{
    m_faults[routePattern].append(fault);
}

void TestService::clearFaults()
{
    m_faults.clear();
}

std::optional<TestService::Fault> TestService::takeFault(const QString& routePattern)
{
    QList<Fault>& faults = m_faults[routePattern];
    if (faults.isEmpty())
        return std::nullopt;
    const Fault fault = faults.first();
    if (faults.first().times > 0 && --faults.first().times == 0)
        faults.removeFirst();
    return fault;
}

void TestService::log(const HttpRequest& request, const QString& routePattern)
{
    QJsonObject headers;
    for (const auto& header : request.headers)
        headers.insert(QString::fromLatin1(header.first.toLower()), QString::fromUtf8(header.second));
    m_requests.append(QJsonObject{
        {"method", QString::fromLatin1(request.method)},
        {"path", request.path},
        {"route", routePattern},
        {"query", request.query.toString(QUrl::FullyDecoded)},
        {"headers", headers},
        {"body", QString::fromUtf8(request.body)},
    });
}

QJsonArray TestService::requests(const QString& routePattern) const
{
    if (routePattern.isEmpty())
        return m_requests;
    QJsonArray matching;
    for (const QJsonValue& entry : m_requests) {
        if (entry.toObject().value(QLatin1String("route")).toString() == routePattern)
            matching.append(entry);
    }
    return matching;
}

void TestService::clearRequests()
{
    m_requests = QJsonArray();
}

void TestService::reset()
{
    clearFaults();
    clearRequests();
    m_accessExpiry.clear();
    m_accessSubject.clear();
    m_refreshSubject.clear();
    m_customClaims.clear();
    for (const auto& hook : std::as_const(m_resetHooks))
        hook();
}

void TestService::addResetHook(std::function<void()> hook)
{
    m_resetHooks.append(std::move(hook));
}

QString TestService::makeToken(const QString& subject, qint64 expiry)
{
    QJsonObject payload{{"sub", subject}, {"iat", now()}, {"exp", expiry}, {"jti", ++m_serial}};
    if (m_customClaims.contains(subject))
        payload.insert(QStringLiteral("custom"), m_customClaims.value(subject));
    const QByteArray encoded = QJsonDocument(payload).toJson(QJsonDocument::Compact).toBase64(
        QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals);
    return QStringLiteral("h.%1.s").arg(QString::fromLatin1(encoded));
}

TestService::TokenPair TestService::issueTokens(const QString& subject, qint64 accessTtlSeconds)
{
    const qint64 expiry = now() + accessTtlSeconds;
    TokenPair pair{makeToken(subject, expiry), makeToken(subject, now() + 30 * 24 * 3600)};
    m_accessExpiry.insert(pair.accessToken, expiry);
    m_accessSubject.insert(pair.accessToken, subject);
    m_refreshSubject.insert(pair.refreshToken, subject);
    return pair;
}

void TestService::setCustomClaims(const QString& subject, const QJsonObject& custom)
{
    if (custom.isEmpty())
        m_customClaims.remove(subject);
    else
        m_customClaims.insert(subject, custom);
}

std::optional<QString> TestService::bearerSubject(const HttpRequest& request) const
{
    const QByteArray authorization = request.header("Authorization");
    if (!authorization.startsWith("Bearer "))
        return std::nullopt;
    const QString token = QString::fromUtf8(authorization.mid(7));
    if (!m_accessSubject.contains(token) || m_accessExpiry.value(token) <= now())
        return std::nullopt;
    return m_accessSubject.value(token);
}

std::optional<QString> TestService::redeemRefreshToken(const QString& refreshToken)
{
    const auto it = m_refreshSubject.constFind(refreshToken);
    if (it == m_refreshSubject.constEnd())
        return std::nullopt;
    const QString subject = *it;
    m_refreshSubject.erase(it);
    return subject;
}

void TestService::revokeTokens(const QString& subject)
{
    const auto ofSubject = [&subject](QHash<QString, QString>::iterator it) { return it.value() == subject; };
    for (auto it = m_accessSubject.cbegin(); it != m_accessSubject.cend(); ++it) {
        if (it.value() == subject)
            m_accessExpiry.remove(it.key());
    }
    m_accessSubject.removeIf(ofSubject);
    m_refreshSubject.removeIf(ofSubject);
}

HttpResponse TestService::json(int status, const QJsonObject& body)
{
    HttpResponse response;
    response.status = status;
    response.body = QJsonDocument(body).toJson(QJsonDocument::Compact);
    return response;
}

HttpResponse TestService::error(int status, const QString& code)
{
    return json(status, QJsonObject{{"error", code}});
}

HttpResponse TestService::noContent()
{
    HttpResponse response;
    response.status = 204;
    return response;
}

QJsonObject TestService::bodyObject(const HttpRequest& request)
{
    return QJsonDocument::fromJson(request.body).object();
}

TestService::RouteHandler TestService::authenticated(UserHandler handler)
{
    return [this, handler](const HttpRequest& request, const QStringList& params) {
        const std::optional<QString> subject = bearerSubject(request);
        if (!subject)
            return error(401, QStringLiteral("unauthorized"));
        return handler(request, params, *subject);
    };
}
