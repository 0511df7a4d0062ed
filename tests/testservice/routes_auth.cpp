// Authentication service routes.
//   POST /auth/token/refresh  {"refresh_token"} → 200 {"access_token", "refresh_token",
//                             "token_type", "expires_in"}; the refresh token is spent (rotated).
//                             400 without a refresh token, 401 for an unknown or spent one.

#include "routes.h"
#include "testservice.h"

#include <QJsonDocument>

void addAuthRoutes(TestService& service)
{
    service.addRoute(
        "POST", QStringLiteral("/auth/token/refresh"), [&service](const HttpRequest& request, const QStringList&) {
            const QString refreshToken
                = QJsonDocument::fromJson(request.body).object().value(QLatin1String("refresh_token")).toString();
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
}
