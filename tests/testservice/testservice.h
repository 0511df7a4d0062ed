#pragma once

#include "httpserver.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// The online services of the application in one process, for tests: a
// route table, the tokens it has issued, the requests it has received and
// the faults a test asked for, all in memory.
//
// Routes: addRoute(method, pattern, handler), where a pattern segment
// ":name" matches any one segment and reaches the handler in order. Each
// service area adds its routes in a file of its own (routes_*.cpp, listed
// in routes.h and called from the constructor). A leading
// "/api/v1/realms/<realm>" is ignored, so the authentication transport's
// base address reaches the same routes.
//
// Faults are set per route pattern through the control routes
// (routes_control.cpp); every request except the control routes is logged.
class TestService
{
public:
    using RouteHandler = std::function<HttpResponse(const HttpRequest& request, const QStringList& params)>;
    // A route handler that also gets the subject of a live bearer token.
    using UserHandler =
        std::function<HttpResponse(const HttpRequest& request, const QStringList& params, const QString& subject)>;

    struct TokenPair
    {
        QString accessToken;
        QString refreshToken;
    };

    // One fault, used for the next `times` requests of its route (-1: until
    // cleared). "mode" picks it: "status" (reply with status and body
    // without running the route), "hang", "close", "garbage" (200 with a
    // body that is not JSON), "delay" and "slow" (run the route, then reply
    // late or byte by byte, delay_ms apart).
    struct Fault
    {
        QString mode;
        int status = 500;
        QJsonObject body;
        int delayMs = 0;
        int times = -1;
        QByteArray raw;   // "raw": the body sent as is
        int size = 0;     // "huge": body bytes
        bool framed = true; // "huge": with a Content-Length
        bool endless = false; // "huge", unframed: the connection stays open after the body
        QByteArray location; // "redirect": the Location header
    };

    TestService();

    void addRoute(const QByteArray& method, const QString& pattern, RouteHandler handler);
    HttpResponse handle(const HttpRequest& request);

    // Control state.
    void addFault(const QString& routePattern, const Fault& fault);
    void clearFaults();
    QJsonArray requests(const QString& routePattern) const;
    void clearRequests();
    void reset();
    // Called by reset(): a route file clears the state it keeps.
    void addResetHook(std::function<void()> hook);

    // Tokens: JWT-shaped ("h." + base64url {"sub","exp","jti"} + ".s"),
    // with the subject's "custom" claims when it has any. An access token
    // lives accessTtlSeconds (negative: already expired).
    TokenPair issueTokens(const QString& subject, qint64 accessTtlSeconds = kDefaultAccessTtl);
    // The "custom" claims of the subject's tokens issued from now on
    // (empty: none).
    void setCustomClaims(const QString& subject, const QJsonObject& custom);
    // The subject of the request's bearer token when this service issued it
    // and it has not expired.
    std::optional<QString> bearerSubject(const HttpRequest& request) const;
    // Spends a refresh token: its subject, or none when unknown or spent.
    std::optional<QString> redeemRefreshToken(const QString& refreshToken);
    // Every access and refresh token of the subject stops working (sign-out).
    void revokeTokens(const QString& subject);

    static constexpr qint64 kDefaultAccessTtl = 3600;

    static HttpResponse json(int status, const QJsonObject& body);
    static HttpResponse error(int status, const QString& code);
    static HttpResponse noContent();
    // The request body as a JSON object (empty when it is none).
    static QJsonObject bodyObject(const HttpRequest& request);
    // The handler, run only for a live bearer token issued here; else 401
    // {"error": "unauthorized"}.
    RouteHandler authenticated(UserHandler handler);

private:
    struct Route
    {
        QByteArray method;
        QString pattern;
        QStringList segments;
        RouteHandler handler;
    };

    const Route* match(const HttpRequest& request, const QString& path, QStringList* params) const;
    std::optional<Fault> takeFault(const QString& routePattern);
    void log(const HttpRequest& request, const QString& routePattern);
    QString makeToken(const QString& subject, qint64 expiry);

    QList<Route> m_routes;
    QList<std::function<void()>> m_resetHooks;
    QHash<QString, QList<Fault>> m_faults;
    QJsonArray m_requests;
    QHash<QString, qint64> m_accessExpiry;      // access token → expiry
    QHash<QString, QString> m_accessSubject;    // access token → subject
    QHash<QString, QString> m_refreshSubject;   // live refresh token → subject
    QHash<QString, QJsonObject> m_customClaims; // subject → "custom" claims
    qint64 m_serial = 0;
};
