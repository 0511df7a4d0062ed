// Sharing routes of the sync service; every one needs a live bearer token
// issued here (else 401 {"error": "unauthorized"}). The first user to touch
// an account id owns it.
//   GET    /accounts/:id/members       200 {"members": [{"user_id", "email", "display_name", "role",
//                                      "created_at"}]}, the owner first.
//   POST   /accounts/:id/share         {"user_id", "email" (optional), "role"} → 201 {"member"};
//                                      400 {"error": "user_id is required"} or {"error": "Unknown role"}
//                                      (roles "member" and "viewer"), 403 {"error": "Only the owner can
//                                      share this account"}, 409 {"error": "Already shared with this person"}.
//   DELETE /accounts/:id/share/:user   owner only (403) → 204; 404 unknown, 409 for the owner.

#include "routes.h"
#include "testservice.h"

#include <QHash>
#include <QJsonArray>

#include <memory>

namespace {

const char* const kCreatedAt = "2024-03-01T10:15:30Z";

using Shares = QHash<QString, QJsonArray>; // account id → members

// The account's members, the caller its owner when the account is new.
QJsonArray& membersOf(Shares& shares, const QString& accountId, const QString& subject)
{
    QJsonArray& members = shares[accountId];
    if (members.isEmpty()) {
        members.append(QJsonObject{{"user_id", subject},
                                   {"email", subject + QStringLiteral("@example.com")},
                                   {"display_name", QStringLiteral("User ") + subject},
                                   {"role", "owner"},
                                   {"created_at", kCreatedAt}});
    }
    return members;
}

qsizetype indexOfUser(const QJsonArray& members, const QString& userId)
{
    for (qsizetype i = 0; i < members.size(); ++i) {
        if (members.at(i).toObject().value(QLatin1String("user_id")).toString() == userId)
            return i;
    }
    return -1;
}

bool isOwner(const QJsonArray& members, const QString& subject)
{
    return members.first().toObject().value(QLatin1String("user_id")).toString() == subject;
}

HttpResponse share(QJsonArray& members, const HttpRequest& request, const QString& subject)
{
    const QJsonObject body = TestService::bodyObject(request);
    const QString userId = body.value(QLatin1String("user_id")).toString();
    const QString role = body.value(QLatin1String("role")).toString();
    if (userId.isEmpty())
        return TestService::json(400, {{"error", "user_id is required"}});
    if (role != QLatin1String("member") && role != QLatin1String("viewer"))
        return TestService::json(400, {{"error", "Unknown role"}});
    if (!isOwner(members, subject))
        return TestService::json(403, {{"error", "Only the owner can share this account"}});
    if (indexOfUser(members, userId) >= 0)
        return TestService::json(409, {{"error", "Already shared with this person"}});
    const QJsonObject member{{"user_id", userId},
                             {"email", body.value(QLatin1String("email")).toString()},
                             {"display_name", ""},
                             {"role", role},
                             {"created_at", kCreatedAt}};
    members.append(member);
    return TestService::json(201, {{"member", member}});
}

} // namespace

void addSharingRoutes(TestService& service)
{
    auto shares = std::make_shared<Shares>();
    service.addResetHook([shares] { shares->clear(); });
    using Params = const QStringList&;

    service.addRoute("GET", QStringLiteral("/accounts/:id/members"),
        service.authenticated([shares](const HttpRequest&, Params params, const QString& subject) {
            return TestService::json(200, {{"members", membersOf(*shares, params.at(0), subject)}});
        }));

    service.addRoute("POST", QStringLiteral("/accounts/:id/share"),
        service.authenticated([shares](const HttpRequest& request, Params params, const QString& subject) {
            return share(membersOf(*shares, params.at(0), subject), request, subject);
        }));

    service.addRoute("DELETE", QStringLiteral("/accounts/:id/share/:user"),
        service.authenticated([shares](const HttpRequest&, Params params, const QString& subject) {
            QJsonArray& members = membersOf(*shares, params.at(0), subject);
            if (!isOwner(members, subject))
                return TestService::json(403, {{"error", "Only the owner can share this account"}});
            const qsizetype at = indexOfUser(members, params.at(1));
            if (at < 0)
                return TestService::error(404, QStringLiteral("not_found"));
            if (at == 0)
                return TestService::json(409, {{"error", "The owner cannot be removed"}});
            members.removeAt(at);
            return TestService::noContent();
        }));
}
