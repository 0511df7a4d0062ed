#include "account/core/accountrecords.h"

namespace LarkAccount {

namespace {

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

// toInt gives the default for a non-number, a fraction and anything past
// the 32-bit range.
int integer(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toInt(0);
}

bool boolean(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toBool(false);
}

QDateTime dateTime(const QJsonObject& object, const char* key)
{
    const QString value = text(object, key);
    return value.isEmpty() ? QDateTime() : QDateTime::fromString(value, Qt::ISODate);
}

} // namespace

User User::fromJson(const QJsonObject& object)
{
    User user;
    user.id = text(object, "id");
    user.email = text(object, "email");
    user.displayName = text(object, "display_name");
    user.username = text(object, "username");
    user.avatarUrl = text(object, "avatar_url");
    user.createdAt = dateTime(object, "created_at");
    return user;
}

Session Session::fromJson(const QJsonObject& object)
{
    Session session;
    session.id = text(object, "id");
    session.userAgent = text(object, "user_agent");
    session.ipAddress = text(object, "ip_address");
    session.createdAt = dateTime(object, "created_at");
    session.lastActiveAt = dateTime(object, "last_active_at");
    session.isCurrent = boolean(object, "is_current");
    return session;
}

ProfileGroup ProfileGroup::fromJson(const QJsonObject& object)
{
    ProfileGroup group;
    group.id = text(object, "id");
    group.name = text(object, "name");
    group.role = text(object, "role");
    group.memberCount = integer(object, "member_count");
    return group;
}

Profile Profile::fromJson(const QJsonObject& object)
{
    Profile profile;
    profile.id = text(object, "id");
    profile.email = text(object, "email");
    profile.displayName = text(object, "display_name");
    profile.avatarUrl = text(object, "avatar_url");
    profile.language = text(object, "language");
    profile.timezone = text(object, "timezone");
    profile.status = text(object, "status");
    profile.createdAt = dateTime(object, "created_at");
    if (object.contains(QLatin1String("group")))
        profile.group = ProfileGroup::fromJson(object.value(QLatin1String("group")).toObject());
    return profile;
}

GroupMember GroupMember::fromJson(const QJsonObject& object)
{
    GroupMember member;
    member.accountId = text(object, "account_id");
    member.authUserId = text(object, "auth_user_id");
    member.displayName = text(object, "display_name");
    member.email = text(object, "email");
    member.role = text(object, "role");
    member.joinedAt = dateTime(object, "joined_at");
    return member;
}

GroupInvitation GroupInvitation::fromJson(const QJsonObject& object)
{
    GroupInvitation invitation;
    invitation.id = text(object, "id");
    invitation.invitedEmail = text(object, "invited_email");
    invitation.inviteCode = text(object, "invite_code");
    invitation.status = text(object, "status");
    invitation.expiresAt = dateTime(object, "expires_at");
    return invitation;
}

Group Group::fromJson(const QJsonObject& object)
{
    Group group;
    group.id = text(object, "id");
    group.name = text(object, "name");
    group.maxSeats = integer(object, "max_seats");
    group.members = recordsFromJson<GroupMember>(object.value(QLatin1String("members")));
    group.pendingInvitations = recordsFromJson<GroupInvitation>(object.value(QLatin1String("pending_invitations")));
    return group;
}

Device Device::fromJson(const QJsonObject& object)
{
    Device device;
    device.id = text(object, "id");
    device.deviceName = text(object, "device_name");
    device.platform = text(object, "platform");
    device.appId = text(object, "app_id");
    device.appVersion = text(object, "app_version");
    device.lastSyncAt = dateTime(object, "last_sync_at");
    device.deviceFingerprint = text(object, "device_fingerprint");
    device.createdAt = dateTime(object, "created_at");
    return device;
}

ShareMember ShareMember::fromJson(const QJsonObject& object)
{
    ShareMember member;
    member.id = text(object, "user_id");
    member.userId = member.id;
    member.email = text(object, "email");
    member.displayName = text(object, "display_name");
    member.role = text(object, "role");
    member.createdAt = text(object, "created_at");
    return member;
}

} // namespace LarkAccount
