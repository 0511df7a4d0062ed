// Authentication service routes ("bearer" = a live access token issued here,
// else 401 {"error": "unauthorized"}):
//   POST   /auth/token/refresh        {"refresh_token"} → 200 {"access_token", "refresh_token",
//                                     "token_type", "expires_in"}; the refresh token is spent (rotated).
//                                     400 without a refresh token, 401 for an unknown or spent one.
//   POST   /auth/logout               bearer → 200 {}; every token of the user stops working.
//   GET    /users/me                  bearer → 200 the user {"id" (the token's sub), "email",
//                                     "display_name", "username", "avatar_url", "created_at"}.
//   PATCH  /users/me                  bearer, {"display_name": text} → 200 the changed user;
//                                     400 when display_name is not text.
//   POST   /users/me/password         bearer, {"current_password", "new_password"} → 204;
//                                     403 for a wrong current password (every user starts
//                                     with kInitialPassword), 400 for a new one under 8 characters.
//   GET    /users/me/sessions         bearer → 200 {"sessions": [...]}: "s-current" (is_current)
//                                     and "s-phone" until revoked.
//   DELETE /users/me/sessions/:id     bearer → 204, or 404 for an unknown id.
//   GET    /:realm/account/login      the sign-in page, signing in at once: 302 to redirect_uri
//                                     with "access_token", "refresh_token" and the given "state"
//                                     in its query; the user is login_hint (default "user-1").
//                                     400 without client_id or without an http redirect_uri.

#include "routes.h"
#include "testservice.h"

#include <QJsonArray>
#include <QUrl>

#include <memory>

namespace {

const QString kInitialPassword = QStringLiteral("password-1");

// What the service remembers about its users, created on first use.
struct Users
{
    QHash<QString, QJsonObject> records;
    QHash<QString, QString> passwords;
    QHash<QString, QJsonArray> sessions;

    QJsonObject& record(const QString& subject)
    {
        if (!records.contains(subject)) {
            records.insert(subject, QJsonObject{{"id", subject},
                                                {"email", subject + QStringLiteral("@example.com")},
                                                {"display_name", QStringLiteral("User ") + subject},
                                                {"username", subject},
                                                {"avatar_url", ""},
                                                {"created_at", "2024-03-01T10:15:30Z"}});
        }
        return records[subject];
    }

    QString password(const QString& subject) const { return passwords.value(subject, kInitialPassword); }

    QJsonArray& sessionsOf(const QString& subject)
    {
        if (!sessions.contains(subject)) {
            const auto session = [](const char* id, const char* agent, const char* ip, bool current) {
                return QJsonObject{{"id", id},
                                   {"user_agent", agent},
                                   {"ip_address", ip},
                                   {"created_at", "2024-03-01T10:15:30Z"},
                                   {"last_active_at", "2024-03-02T08:00:00Z"},
                                   {"is_current", current}};
            };
            sessions.insert(subject, QJsonArray{session("s-current", "Tallyleaf/1.1.5", "127.0.0.1", true),
                                                session("s-phone", "Wren/2.0 (iPhone)", "192.0.2.7", false)});
        }
        return sessions[subject];
    }
};

HttpResponse signInPage(TestService& service, const HttpRequest& request)
{
    const auto item = [&request](const char* key) {
        return request.query.queryItemValue(QLatin1String(key), QUrl::FullyDecoded);
    };
    QUrl redirect(item("redirect_uri"), QUrl::StrictMode);
    if (item("client_id").isEmpty() || !redirect.isValid() || redirect.scheme() != QLatin1String("http"))
        return TestService::error(400, QStringLiteral("invalid_request"));
    const QString user = item("login_hint").isEmpty() ? QStringLiteral("user-1") : item("login_hint");
    const TestService::TokenPair pair = service.issueTokens(user);
    QUrlQuery query(redirect);
    query.addQueryItem(QStringLiteral("access_token"), pair.accessToken);
    query.addQueryItem(QStringLiteral("refresh_token"), pair.refreshToken);
    if (request.query.hasQueryItem(QStringLiteral("state")))
        query.addQueryItem(QStringLiteral("state"), item("state"));
    redirect.setQuery(query);
    HttpResponse response;
    response.status = 302;
    response.contentType = "text/html";
    response.headers.append({"Location", redirect.toEncoded()});
    return response;
}

} // namespace

void addAuthRoutes(TestService& service)
{
    auto users = std::make_shared<Users>();
    service.addResetHook([users] { *users = Users(); });

    service.addRoute(
        "POST", QStringLiteral("/auth/token/refresh"), [&service](const HttpRequest& request, const QStringList&) {
            const QString refreshToken
                = TestService::bodyObject(request).value(QLatin1String("refresh_token")).toString();
            if (refreshToken.isEmpty())
                return TestService::error(400, QStringLiteral("invalid_request"));
            const std::optional<QString> subject = service.redeemRefreshToken(refreshToken);
            if (!subject)
                return TestService::error(401, QStringLiteral("invalid_grant"));
            const TestService::TokenPair pair = service.issueTokens(*subject);
            return TestService::json(200,
                {{"access_token", pair.accessToken}, {"refresh_token", pair.refreshToken}, {"token_type", "Bearer"},
                    {"expires_in", TestService::kDefaultAccessTtl}});
        });

    service.addRoute("POST", QStringLiteral("/auth/logout"),
        service.authenticated([&service](const HttpRequest&, const QStringList&, const QString& subject) {
            service.revokeTokens(subject);
            return TestService::json(200, {});
        }));

    service.addRoute("GET", QStringLiteral("/users/me"),
        service.authenticated([users](const HttpRequest&, const QStringList&, const QString& subject) {
            return TestService::json(200, users->record(subject));
        }));

    service.addRoute("PATCH", QStringLiteral("/users/me"),
        service.authenticated([users](const HttpRequest& request, const QStringList&, const QString& subject) {
            const QJsonValue name = TestService::bodyObject(request).value(QLatin1String("display_name"));
            if (!name.isString())
                return TestService::error(400, QStringLiteral("invalid_display_name"));
            users->record(subject).insert(QStringLiteral("display_name"), name);
            return TestService::json(200, users->record(subject));
        }));

    service.addRoute("POST", QStringLiteral("/users/me/password"),
        service.authenticated([users](const HttpRequest& request, const QStringList&, const QString& subject) {
            const QJsonObject body = TestService::bodyObject(request);
            if (body.value(QLatin1String("current_password")).toString() != users->password(subject))
                return TestService::error(403, QStringLiteral("invalid_password"));
            const QString newPassword = body.value(QLatin1String("new_password")).toString();
            if (newPassword.size() < 8)
                return TestService::error(400, QStringLiteral("weak_password"));
            users->passwords.insert(subject, newPassword);
            return TestService::noContent();
        }));

    service.addRoute("GET", QStringLiteral("/users/me/sessions"),
        service.authenticated([users](const HttpRequest&, const QStringList&, const QString& subject) {
            return TestService::json(200, {{"sessions", users->sessionsOf(subject)}});
        }));

    service.addRoute("DELETE", QStringLiteral("/users/me/sessions/:id"),
        service.authenticated([users](const HttpRequest&, const QStringList& params, const QString& subject) {
            QJsonArray& sessions = users->sessionsOf(subject);
            for (qsizetype i = 0; i < sessions.size(); ++i) {
                if (sessions.at(i).toObject().value(QLatin1String("id")).toString() == params.at(0)) {
                    sessions.removeAt(i);
                    return TestService::noContent();
                }
            }
            return TestService::error(404, QStringLiteral("not_found"));
        }));

    service.addRoute("GET", QStringLiteral("/:realm/account/login"),
        [&service](const HttpRequest& request, const QStringList&) { return signInPage(service, request); });
}
