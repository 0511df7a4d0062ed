#pragma once

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QString>

#include <optional>

namespace LarkAccount {

// The records the authentication, account and sync services answer with.
// Each reads one JSON object leniently and never fails: a missing key, a
// null or a value of another JSON type gives an empty text, 0, false, an
// invalid date-time or an empty list; numbers are never turned into text
// and a fractional number is not an integer. Keys a record does not list
// are ignored.
//
// Every text is what the server sent: show it as plain text (a label with
// Qt::PlainText, an item's text), never as rich text.

// The list rule: an array's elements in order, each read as an object (a
// non-object counts as an empty one, so it still yields an entry); a
// missing key or a non-array gives an empty list.
template<typename Record>
QList<Record> recordsFromJson(const QJsonValue& value)
{
    QList<Record> records;
    const QJsonArray array = value.toArray();
    records.reserve(array.size());
    for (const QJsonValue& element : array)
        records.append(Record::fromJson(element.toObject()));
    return records;
}

// The signed-in user, from the authentication service.
struct User
{
    QString id;
    QString email;
    QString displayName;
    QString username;
    QString avatarUrl;
    QDateTime createdAt;

    static User fromJson(const QJsonObject& object);
};

// One sign-in session of the user, from the authentication service.
struct Session
{
    QString id;
    QString userAgent;
    QString ipAddress;
    QDateTime createdAt;
    QDateTime lastActiveAt;
    bool isCurrent = false;

    static Session fromJson(const QJsonObject& object);
};

// The summary of the user's group inside a profile.
struct ProfileGroup
{
    QString id;
    QString name;
    QString role;
    int memberCount = 0;

    static ProfileGroup fromJson(const QJsonObject& object);
};

// The account profile of the signed-in user, from the account service.
struct Profile
{
    QString id;
    QString email;
    QString displayName;
    QString avatarUrl;
    QString language;
    QString timezone;
    QString status;
    QDateTime createdAt;
    // Present exactly when the reply has the key "group", whatever its value.
    std::optional<ProfileGroup> group;

    static Profile fromJson(const QJsonObject& object);
};

// One member of the family group.
struct GroupMember
{
    QString accountId;
    QString authUserId;
    QString displayName;
    QString email;
    QString role;
    QDateTime joinedAt;

    static GroupMember fromJson(const QJsonObject& object);
};

// One invitation that was sent or generated and not yet used.
struct GroupInvitation
{
    QString id;
    QString invitedEmail;
    QString inviteCode;
    QString status;
    QDateTime expiresAt;

    static GroupInvitation fromJson(const QJsonObject& object);
};

// The user's family group.
struct Group
{
    QString id;
    QString name;
    int maxSeats = 0;
    QList<GroupMember> members;
    QList<GroupInvitation> pendingInvitations;

    static Group fromJson(const QJsonObject& object);
};

// One registered installation of the application.
struct Device
{
    QString id;
    QString deviceName;
    QString platform;
    QString appId;
    QString appVersion;
    QDateTime lastSyncAt;
    QString deviceFingerprint;
    QDateTime createdAt;

    static Device fromJson(const QJsonObject& object);
};

// One person a register account is shared with, from the sync service.
// `id` and `userId` both hold the person's user id ("user_id"); the
// creation time stays the server's text.
struct ShareMember
{
    QString id;
    QString userId;
    QString email;
    QString displayName;
    QString role;
    QString createdAt;

    static ShareMember fromJson(const QJsonObject& object);
};

} // namespace LarkAccount
