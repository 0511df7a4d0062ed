#include "coretestsupport.h"

#include "account/core/accountrecords.h"

#include <QJsonDocument>

using namespace LarkAccount;

class AccountRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void samples();
    void scalarRules_data();
    void scalarRules();
    void nestedRules_data();
    void nestedRules();
};

namespace {

QJsonObject object(const QByteArray& json)
{
    return QJsonDocument::fromJson(json).object();
}

const QDateTime kSampleTime(QDate(2024, 3, 1), QTime(10, 15, 30), Qt::UTC);

} // namespace

// One full reply per record: every key lands in its field.
void AccountRecordsTest::samples()
{
    const User user = User::fromJson(object(R"({"id":"u1","email":"a@b.c","display_name":"Zoë","username":"zoe",
        "avatar_url":"https://x/a.png","created_at":"2024-03-01T10:15:30Z","extra":1})"));
    QCOMPARE((QStringList{user.id, user.email, user.displayName, user.username, user.avatarUrl}),
             (QStringList{"u1", "a@b.c", "Zoë", "zoe", "https://x/a.png"}));
    QCOMPARE(user.createdAt, kSampleTime);

    const Session session = Session::fromJson(object(R"({"id":"s1","user_agent":"UA","ip_address":"192.0.2.1",
        "created_at":"2024-03-01T10:15:30Z","last_active_at":"2024-03-01T12:15:30+02:00","is_current":true})"));
    QCOMPARE((QStringList{session.id, session.userAgent, session.ipAddress}), (QStringList{"s1", "UA", "192.0.2.1"}));
    QCOMPARE(session.createdAt, kSampleTime);
    QCOMPARE(session.lastActiveAt, kSampleTime); // the offset is honoured
    QVERIFY(session.isCurrent);

    const Profile profile = Profile::fromJson(object(R"({"id":"p1","email":"a@b.c","display_name":"Zoë",
        "avatar_url":"av","language":"de","timezone":"Europe/Berlin","status":"active",
        "created_at":"2024-03-01T10:15:30Z","group":{"id":"g1","name":"Home","role":"owner","member_count":3}})"));
    QCOMPARE((QStringList{profile.id, profile.email, profile.displayName, profile.avatarUrl, profile.language,
                          profile.timezone, profile.status}),
             (QStringList{"p1", "a@b.c", "Zoë", "av", "de", "Europe/Berlin", "active"}));
    QCOMPARE(profile.createdAt, kSampleTime);
    QVERIFY(profile.group.has_value());
    QCOMPARE((QStringList{profile.group->id, profile.group->name, profile.group->role}),
             (QStringList{"g1", "Home", "owner"}));
    QCOMPARE(profile.group->memberCount, 3);

    const Group group = Group::fromJson(object(R"({"id":"g1","name":"Home","max_seats":5,
        "members":[{"account_id":"a1","auth_user_id":"u1","display_name":"Zoë","email":"a@b.c","role":"owner",
                    "joined_at":"2024-03-01T10:15:30Z"}],
        "pending_invitations":[{"id":"i1","invited_email":"c@d.e","invite_code":"XK42","status":"pending",
                                "expires_at":"2024-03-01T10:15:30Z"}]})"));
    QCOMPARE((QStringList{group.id, group.name}), (QStringList{"g1", "Home"}));
    QCOMPARE(group.maxSeats, 5);
    QCOMPARE(group.members.size(), 1);
    const GroupMember& member = group.members.first();
    QCOMPARE((QStringList{member.accountId, member.authUserId, member.displayName, member.email, member.role}),
             (QStringList{"a1", "u1", "Zoë", "a@b.c", "owner"}));
    QCOMPARE(member.joinedAt, kSampleTime);
    QCOMPARE(group.pendingInvitations.size(), 1);
    const GroupInvitation& invitation = group.pendingInvitations.first();
    QCOMPARE((QStringList{invitation.id, invitation.invitedEmail, invitation.inviteCode, invitation.status}),
             (QStringList{"i1", "c@d.e", "XK42", "pending"}));
    QCOMPARE(invitation.expiresAt, kSampleTime);

    const Device device = Device::fromJson(object(R"({"id":"d1","device_name":"Laptop","platform":"windows",
        "app_id":"org.larkspur.tallyleaf","app_version":"1.1.5","last_sync_at":"2024-03-01T10:15:30Z",
        "device_fingerprint":"fp","created_at":"2024-03-01T10:15:30Z"})"));
    QCOMPARE((QStringList{device.id, device.deviceName, device.platform, device.appId, device.appVersion,
                          device.deviceFingerprint}),
             (QStringList{"d1", "Laptop", "windows", "org.larkspur.tallyleaf", "1.1.5", "fp"}));
    QCOMPARE(device.lastSyncAt, kSampleTime);
    QCOMPARE(device.createdAt, kSampleTime);

    // Both ids come from "user_id"; the creation time stays text.
    const ShareMember share = ShareMember::fromJson(object(R"({"user_id":"u1","email":"a@b.c",
        "display_name":"Zoë","role":"viewer","created_at":"2024-03-01T10:15:30Z","id":"ignored"})"));
    QCOMPARE((QStringList{share.id, share.userId, share.email, share.displayName, share.role, share.createdAt}),
             (QStringList{"u1", "u1", "a@b.c", "Zoë", "viewer", "2024-03-01T10:15:30Z"}));
}

// One JSON value under a text key ("id"), an integer key ("max_seats"), a
// boolean key ("is_current") and a date-time key ("created_at").
void AccountRecordsTest::scalarRules_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("integer");
    QTest::addColumn<bool>("boolean");
    QTest::addColumn<QDateTime>("time");

    const QDateTime invalid;
    QTest::newRow("missing") << QByteArray() << "" << 0 << false << invalid;
    QTest::newRow("null") << QByteArray("null") << "" << 0 << false << invalid;
    QTest::newRow("number 42") << QByteArray("42") << "" << 42 << false << invalid;
    QTest::newRow("fraction 5.5") << QByteArray("5.5") << "" << 0 << false << invalid;
    QTest::newRow("whole 5.0") << QByteArray("5.0") << "" << 5 << false << invalid;
    QTest::newRow("past 32 bits") << QByteArray("3000000000") << "" << 0 << false << invalid;
    QTest::newRow("text 5") << QByteArray("\"5\"") << "5" << 0 << false << invalid;
    QTest::newRow("true") << QByteArray("true") << "" << 0 << true << invalid;
    QTest::newRow("number 1 is not true") << QByteArray("1") << "" << 1 << false << invalid;
    QTest::newRow("object") << QByteArray("{\"a\":1}") << "" << 0 << false << invalid;
    QTest::newRow("empty text") << QByteArray("\"\"") << "" << 0 << false << invalid;
    QTest::newRow("word") << QByteArray("\"yesterday\"") << "yesterday" << 0 << false << invalid;
    QTest::newRow("UTC time") << QByteArray("\"2024-03-01T10:15:30Z\"") << "2024-03-01T10:15:30Z" << 0 << false
                              << kSampleTime;
    QTest::newRow("impossible date") << QByteArray("\"2024-02-30T10:15:30Z\"") << "2024-02-30T10:15:30Z" << 0 << false
                                     << invalid;
}

void AccountRecordsTest::scalarRules()
{
    QFETCH(QByteArray, value);
    QFETCH(QString, text);
    QFETCH(int, integer);
    QFETCH(bool, boolean);
    QFETCH(QDateTime, time);
    QByteArray json = "{}";
    if (!value.isEmpty())
        json = R"({"id":V,"max_seats":V,"member_count":V,"is_current":V,"created_at":V})";
    const QJsonObject input = object(json.replace("V", value));

    QCOMPARE(User::fromJson(input).id, text);
    QCOMPARE(Group::fromJson(input).maxSeats, integer);
    QCOMPARE(ProfileGroup::fromJson(input).memberCount, integer);
    QCOMPARE(Session::fromJson(input).isCurrent, boolean);
    QCOMPARE(User::fromJson(input).createdAt, time);
    QCOMPARE(User::fromJson(input).createdAt.isValid(), time.isValid());
    QCOMPARE(ShareMember::fromJson(input).createdAt, text); // never parsed
}

void AccountRecordsTest::nestedRules_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<bool>("hasGroup");
    QTest::addColumn<QString>("groupName");
    QTest::addColumn<QStringList>("memberEmails");

    QTest::newRow("empty object") << QByteArray("{}") << false << "" << QStringList();
    QTest::newRow("group null is present and empty") << QByteArray(R"({"group":null})") << true << ""
                                                     << QStringList();
    QTest::newRow("group as a number") << QByteArray(R"({"group":7})") << true << "" << QStringList();
    QTest::newRow("group object") << QByteArray(R"({"group":{"name":"Home"}})") << true << "Home" << QStringList();
    QTest::newRow("members not an array") << QByteArray(R"({"members":{"email":"a"}})") << false << ""
                                          << QStringList();
    // No element is skipped: a non-object yields an entry of empty fields.
    QTest::newRow("members with a non-object")
        << QByteArray(R"({"members":[1,{"email":"b@c.d"},null,{"email":5}]})") << false << ""
        << QStringList{"", "b@c.d", "", ""};
}

void AccountRecordsTest::nestedRules()
{
    QFETCH(QByteArray, json);
    QFETCH(bool, hasGroup);
    QFETCH(QString, groupName);
    QFETCH(QStringList, memberEmails);
    const QJsonObject input = object(json);

    const Profile profile = Profile::fromJson(input);
    QCOMPARE(profile.group.has_value(), hasGroup);
    if (hasGroup) {
        QCOMPARE(profile.group->name, groupName);
        QCOMPARE(profile.group->memberCount, 0);
    }
    QStringList emails;
    for (const GroupMember& member : Group::fromJson(input).members)
        emails << member.email;
    QCOMPARE(emails, memberEmails);
    QCOMPARE(recordsFromJson<Session>(input.value(QLatin1String("members"))).size(), memberEmails.size());
}

TALLYLEAF_CORE_TEST_MAIN(AccountRecordsTest)
#include "tst_accountrecords.moc"
