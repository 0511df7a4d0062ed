// Account service routes; every one needs a live bearer token issued here
// (else 401 {"error": "unauthorized"}). A user's account id is "acct-" +
// the token's subject.
//   GET    /profile                   200 {"id", "email", "display_name", "avatar_url", "language",
//                                     "timezone", "status", "created_at"} and, in a group, "group"
//                                     {"id", "name", "role", "member_count"}; 404 once deleted.
//   DELETE /profile                   204; the account is deleted (it also leaves its group).
//   GET    /group                     200 {"id", "name", "max_seats", "members": [{"account_id",
//                                     "auth_user_id", "display_name", "email", "role", "joined_at"}],
//                                     "pending_invitations": [...]}; 404 without a group.
//   POST   /group/invite              {"email"} or nothing → 201 the invitation {"id", "invited_email",
//                                     "invite_code", "status", "expires_at"}; the first one founds the
//                                     caller's group (6 seats, caller "owner"). 400 for an e-mail
//                                     without "@", 403 for a member who is not the owner, 409 when
//                                     members and pending invitations fill the seats.
//   POST   /group/join/:code          200 {"group_id"}: the caller joins as "member" and the code is
//                                     spent; 404 for an unknown code, 409 when already in a group.
//   POST   /group/leave               200 {}; 404 without a group, 409 for the owner.
//   DELETE /group/members/:id         owner only (403), by account id → 204; 404 unknown, 409 self.
//   DELETE /group/invitations/:id     owner only (403) → 204; 404 unknown.
//   GET    /devices                   200 {"devices": [{"id", "device_name", "platform", "app_id",
//                                     "app_version", "device_fingerprint", "last_sync_at",
//                                     "created_at"}]} in registration order.
//   POST   /devices/register          {"device_name", "platform", "app_id", "app_version",
//                                     "device_fingerprint"}, all non-empty text (else 400) → 201 the
//                                     new device, or 200 the same device updated when the fingerprint
//                                     is already registered.
//   DELETE /devices/:id               204; 404 unknown.
// Group members' tokens issued from then on carry "custom" → "wren"
// {"seats", "group_id", "role"}.

#include "routes.h"
#include "testservice.h"

#include <QHash>
#include <QJsonArray>
#include <QSet>

#include <memory>

namespace {

const char* const kCreatedAt = "2024-03-01T10:15:30Z";
constexpr int kSeats = 6;

QString accountIdOf(const QString& subject)
{
    return QStringLiteral("acct-") + subject;
}

struct GroupRecord
{
    QString id;
    QString name;
    QJsonArray members;
    QJsonArray invitations;
};

// The index of the element whose key has that text, or -1.
qsizetype indexOf(const QJsonArray& array, const char* key, const QString& value)
{
    for (qsizetype i = 0; i < array.size(); ++i) {
        if (array.at(i).toObject().value(QLatin1String(key)).toString() == value)
            return i;
    }
    return -1;
}

struct Accounts
{
    qint64 serial = 0;
    QSet<QString> deleted;
    QHash<QString, QString> groupOf; // subject → group id
    QHash<QString, GroupRecord> groups;
    QHash<QString, QJsonArray> devices;

    QString nextId(const char* prefix) { return QStringLiteral("%1-%2").arg(QLatin1String(prefix)).arg(++serial); }

    GroupRecord* groupOfSubject(const QString& subject)
    {
        const auto it = groupOf.constFind(subject);
        return it == groupOf.constEnd() ? nullptr : &groups[*it];
    }

    QString roleOf(const GroupRecord& group, const QString& subject) const
    {
        const qsizetype at = indexOf(group.members, "auth_user_id", subject);
        return at < 0 ? QString() : group.members.at(at).toObject().value(QLatin1String("role")).toString();
    }

    void addMember(TestService& service, GroupRecord& group, const QString& subject, const QString& role)
    {
        group.members.append(QJsonObject{{"account_id", accountIdOf(subject)},
                                         {"auth_user_id", subject},
                                         {"display_name", QStringLiteral("User ") + subject},
                                         {"email", subject + QStringLiteral("@example.com")},
                                         {"role", role},
                                         {"joined_at", kCreatedAt}});
        groupOf.insert(subject, group.id);
        service.setCustomClaims(subject,
            {{"wren", QJsonObject{{"seats", kSeats}, {"group_id", group.id}, {"role", role}}}});
    }

    void removeMember(TestService& service, GroupRecord& group, const QString& subject)
    {
        group.members.removeAt(indexOf(group.members, "auth_user_id", subject));
        groupOf.remove(subject);
        service.setCustomClaims(subject, {});
    }
};

QJsonObject profileOf(Accounts& accounts, const QString& subject)
{
    QJsonObject profile{{"id", accountIdOf(subject)},
                        {"email", subject + QStringLiteral("@example.com")},
                        {"display_name", QStringLiteral("User ") + subject},
                        {"avatar_url", ""},
                        {"language", "en"},
                        {"timezone", "Europe/Berlin"},
                        {"status", "active"},
                        {"created_at", kCreatedAt}};
    if (const GroupRecord* group = accounts.groupOfSubject(subject)) {
        profile.insert(QStringLiteral("group"), QJsonObject{{"id", group->id},
                                                            {"name", group->name},
                                                            {"role", accounts.roleOf(*group, subject)},
                                                            {"member_count", group->members.size()}});
    }
    return profile;
}

QJsonObject groupJson(const GroupRecord& group)
{
    return {{"id", group.id},
            {"name", group.name},
            {"max_seats", kSeats},
            {"members", group.members},
            {"pending_invitations", group.invitations}};
}

HttpResponse invite(TestService& service, Accounts& accounts, const HttpRequest& request, const QString& subject)
{
    const QJsonValue email = TestService::bodyObject(request).value(QLatin1String("email"));
    if (!email.isUndefined() && !email.toString().contains(QLatin1Char('@')))
        return TestService::error(400, QStringLiteral("invalid_email"));
    GroupRecord* group = accounts.groupOfSubject(subject);
    if (!group) {
        const QString id = accounts.nextId("grp");
        accounts.groups.insert(id, GroupRecord{id, QStringLiteral("Family of User ") + subject, {}, {}});
        group = &accounts.groups[id];
        accounts.addMember(service, *group, subject, QStringLiteral("owner"));
    }
    if (accounts.roleOf(*group, subject) != QLatin1String("owner"))
        return TestService::error(403, QStringLiteral("not_owner"));
    if (group->members.size() + group->invitations.size() >= kSeats)
        return TestService::error(409, QStringLiteral("group_full"));
    const QJsonObject invitation{{"id", accounts.nextId("inv")},
                                 {"invited_email", email.toString()},
                                 {"invite_code", accounts.nextId("code")},
                                 {"status", "pending"},
                                 {"expires_at", "2024-03-08T10:15:30Z"}};
    group->invitations.append(invitation);
    return TestService::json(201, invitation);
}

HttpResponse join(TestService& service, Accounts& accounts, const QString& code, const QString& subject)
{
    if (accounts.groupOf.contains(subject))
        return TestService::error(409, QStringLiteral("already_in_group"));
    for (GroupRecord& group : accounts.groups) {
        const qsizetype at = indexOf(group.invitations, "invite_code", code);
        if (at >= 0) {
            group.invitations.removeAt(at);
            accounts.addMember(service, group, subject, QStringLiteral("member"));
            return TestService::json(200, {{"group_id", group.id}});
        }
    }
    return TestService::error(404, QStringLiteral("invalid_code"));
}

// Runs `action` on the caller's group when the caller owns it.
HttpResponse asOwner(Accounts& accounts, const QString& subject,
                     const std::function<HttpResponse(GroupRecord&)>& action)
{
    GroupRecord* group = accounts.groupOfSubject(subject);
    if (!group)
        return TestService::error(404, QStringLiteral("no_group"));
    if (accounts.roleOf(*group, subject) != QLatin1String("owner"))
        return TestService::error(403, QStringLiteral("not_owner"));
    return action(*group);
}

HttpResponse registerDevice(Accounts& accounts, const HttpRequest& request, const QString& subject)
{
    const QJsonObject body = TestService::bodyObject(request);
    QJsonObject device;
    for (const char* key : {"device_name", "platform", "app_id", "app_version", "device_fingerprint"}) {
        const QString value = body.value(QLatin1String(key)).toString();
        if (value.isEmpty())
            return TestService::error(400, QStringLiteral("invalid_device"));
        device.insert(QLatin1String(key), value);
    }
    QJsonArray& devices = accounts.devices[subject];
    const QString fingerprint = device.value(QLatin1String("device_fingerprint")).toString();
    const qsizetype at = indexOf(devices, "device_fingerprint", fingerprint);
    if (at >= 0) {
        QJsonObject known = devices.at(at).toObject();
        for (auto it = device.constBegin(); it != device.constEnd(); ++it)
            known.insert(it.key(), it.value());
        devices.replace(at, known);
        return TestService::json(200, known);
    }
    device.insert(QStringLiteral("id"), accounts.nextId("dev"));
    device.insert(QStringLiteral("last_sync_at"), QJsonValue::Null);
    device.insert(QStringLiteral("created_at"), kCreatedAt);
    devices.append(device);
    return TestService::json(201, device);
}

} // namespace

void addAccountRoutes(TestService& service)
{
    auto accounts = std::make_shared<Accounts>();
    service.addResetHook([accounts] { *accounts = Accounts(); });
    using Params = const QStringList&;

    service.addRoute("GET", QStringLiteral("/profile"),
        service.authenticated([accounts](const HttpRequest&, Params, const QString& subject) {
            if (accounts->deleted.contains(subject))
                return TestService::error(404, QStringLiteral("account_deleted"));
            return TestService::json(200, profileOf(*accounts, subject));
        }));

    service.addRoute("DELETE", QStringLiteral("/profile"),
        service.authenticated([&service, accounts](const HttpRequest&, Params, const QString& subject) {
            if (GroupRecord* group = accounts->groupOfSubject(subject))
                accounts->removeMember(service, *group, subject);
            accounts->deleted.insert(subject);
            return TestService::noContent();
        }));

    service.addRoute("GET", QStringLiteral("/group"),
        service.authenticated([accounts](const HttpRequest&, Params, const QString& subject) {
            const GroupRecord* group = accounts->groupOfSubject(subject);
            return group ? TestService::json(200, groupJson(*group))
                         : TestService::error(404, QStringLiteral("no_group"));
        }));

    service.addRoute("POST", QStringLiteral("/group/invite"),
        service.authenticated([&service, accounts](const HttpRequest& request, Params, const QString& subject) {
            return invite(service, *accounts, request, subject);
        }));

    service.addRoute("POST", QStringLiteral("/group/join/:code"),
        service.authenticated([&service, accounts](const HttpRequest&, Params params, const QString& subject) {
            return join(service, *accounts, params.at(0), subject);
        }));

    service.addRoute("POST", QStringLiteral("/group/leave"),
        service.authenticated([&service, accounts](const HttpRequest&, Params, const QString& subject) {
            GroupRecord* group = accounts->groupOfSubject(subject);
            if (!group)
                return TestService::error(404, QStringLiteral("no_group"));
            if (accounts->roleOf(*group, subject) == QLatin1String("owner"))
                return TestService::error(409, QStringLiteral("owner_cannot_leave"));
            accounts->removeMember(service, *group, subject);
            return TestService::json(200, {});
        }));

    service.addRoute("DELETE", QStringLiteral("/group/members/:id"),
        service.authenticated([&service, accounts](const HttpRequest&, Params params, const QString& subject) {
            return asOwner(*accounts, subject, [&](GroupRecord& group) {
                const qsizetype at = indexOf(group.members, "account_id", params.at(0));
                if (at < 0)
                    return TestService::error(404, QStringLiteral("not_found"));
                const QString member = group.members.at(at).toObject().value(QLatin1String("auth_user_id")).toString();
                if (member == subject)
                    return TestService::error(409, QStringLiteral("owner_cannot_leave"));
                accounts->removeMember(service, group, member);
                return TestService::noContent();
            });
        }));

    service.addRoute("DELETE", QStringLiteral("/group/invitations/:id"),
        service.authenticated([accounts](const HttpRequest&, Params params, const QString& subject) {
            return asOwner(*accounts, subject, [&](GroupRecord& group) {
                const qsizetype at = indexOf(group.invitations, "id", params.at(0));
                if (at < 0)
                    return TestService::error(404, QStringLiteral("not_found"));
                group.invitations.removeAt(at);
                return TestService::noContent();
            });
        }));

    service.addRoute("GET", QStringLiteral("/devices"),
        service.authenticated([accounts](const HttpRequest&, Params, const QString& subject) {
            return TestService::json(200, {{"devices", accounts->devices.value(subject)}});
        }));

    service.addRoute("POST", QStringLiteral("/devices/register"),
        service.authenticated([accounts](const HttpRequest& request, Params, const QString& subject) {
            return registerDevice(*accounts, request, subject);
        }));

    service.addRoute("DELETE", QStringLiteral("/devices/:id"),
        service.authenticated([accounts](const HttpRequest&, Params params, const QString& subject) {
            QJsonArray& devices = accounts->devices[subject];
            const qsizetype at = indexOf(devices, "id", params.at(0));
            if (at < 0)
                return TestService::error(404, QStringLiteral("not_found"));
            devices.removeAt(at);
            return TestService::noContent();
        }));
}
