#include "coretestsupport.h"

#include "account/core/accountclient.h"
#include "account/core/accountsharingservice.h"
#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/deviceidentity.h"
#include "account/core/tokenmanager.h"
#include "testserviceprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>

using namespace LarkAccount;

// The account client and account sharing against the test service over
// loopback.
class AccountClientTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestShapes_data();
    void requestShapes();
    void profileAndGroup();
    void groupChanges_data();
    void groupChanges();
    void pathIdsRefused_data();
    void pathIdsRefused();
    void devices();
    void fingerprintRule_data();
    void fingerprintRule();
    void shareWith_data();
    void shareWith();
    void shareListAndRemove();

private:
    void signInAs(const QString& subject);
    // Runs one operation by name and waits for its callback: ok is the
    // flag, or for a record a non-empty id, for a list a non-empty list.
    std::optional<bool> run(const QString& operation, const QString& argument = QString());
    template <typename Record> Record fetch(void (AccountClient::*operation)(std::function<void(const Record&)>));
    QList<ShareMember> shareMembers(const QString& accountId);
    std::optional<bool> removeShare(const QString& accountId, const QString& userId);
    // u1 owns a group that u2 has joined.
    void makeGroupWithMember();

    std::unique_ptr<TestServiceProcess> m_service;
    std::unique_ptr<Client> m_client;
    AccountClient* m_account = nullptr;
    std::unique_ptr<AccountSharingService> m_sharing;
};

namespace {

const QString kRefresh = QStringLiteral("/auth/token/refresh");
const QString kAccount = QStringLiteral("0b6f3c1e-2d4a-4e8b-9c7d-5a1f2e3d4c5b");
const QString kShareRoute = QStringLiteral("/accounts/:id/share");

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

QStringList describe(const QList<ShareMember>& members)
{
    QStringList lines;
    for (const ShareMember& member : members)
        lines << QStringList{member.id, member.userId, member.email, member.role, member.createdAt}.join(
            QLatin1Char('|'));
    return lines;
}

} // namespace

void AccountClientTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
}

void AccountClientTest::init()
{
    m_service->reset();
    ClientConfig config;
    config.authBaseUrl = m_service->url().toString();
    config.realmSlug = QStringLiteral("larkspur");
    config.accountApiUrl = m_service->url().toString();
    config.appId = QStringLiteral("app.larkspur.tallyleaf");
    config.appVersion = QStringLiteral("1.1.5");
    m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
    m_client->accountApi()->setTransferTimeout(3000);
    m_account = m_client->accountClient();
    m_client->syncApi()->setBaseUrl(m_service->url(QStringLiteral("/")));
    // Short: one row waits for a hanging reply to time out.
    m_client->syncApi()->setTransferTimeout(1000);
    m_sharing = std::make_unique<AccountSharingService>(m_client->syncApi());
    signInAs(QStringLiteral("u1"));
}

void AccountClientTest::cleanup()
{
    m_sharing.reset();
    m_client.reset();
}

void AccountClientTest::signInAs(const QString& subject)
{
    const QJsonObject pair = m_service->issueTokens(subject);
    m_client->tokenManager()->setTokens(text(pair, "access_token"), text(pair, "refresh_token"));
}

std::optional<bool> AccountClientTest::run(const QString& operation, const QString& argument)
{
    std::optional<bool> answer;
    const auto done = [&answer](bool ok) { answer = ok; };
    const auto record = [&answer](const auto& value) { answer = !value.id.isEmpty(); };
    if (operation == QLatin1String("getProfile"))
        m_account->getProfile(record);
    else if (operation == QLatin1String("deleteAccount"))
        m_account->deleteAccount(done);
    else if (operation == QLatin1String("getGroup"))
        m_account->getGroup(record);
    else if (operation == QLatin1String("inviteByEmail"))
        m_account->inviteByEmail(argument, record);
    else if (operation == QLatin1String("generateInviteCode"))
        m_account->generateInviteCode(record);
    else if (operation == QLatin1String("joinGroup"))
        m_account->joinGroup(argument, done);
    else if (operation == QLatin1String("leaveGroup"))
        m_account->leaveGroup(done);
    else if (operation == QLatin1String("removeMember"))
        m_account->removeMember(argument, done);
    else if (operation == QLatin1String("revokeInvitation"))
        m_account->revokeInvitation(argument, done);
    else if (operation == QLatin1String("getDevices"))
        m_account->getDevices([&answer](const QList<Device>& list) { answer = !list.isEmpty(); });
    else if (operation == QLatin1String("registerDevice"))
        m_account->registerDevice(done);
    else if (operation == QLatin1String("removeDevice"))
        m_account->removeDevice(argument, done);
    else
        qFatal("unknown operation");
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
        qWarning("no answer");
    return answer;
}

template <typename Record>
Record AccountClientTest::fetch(void (AccountClient::*operation)(std::function<void(const Record&)>))
{
    std::optional<Record> answer;
    (m_account->*operation)([&answer](const Record& value) { answer = value; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
        qWarning("no answer");
    return answer.value_or(Record());
}

void AccountClientTest::makeGroupWithMember()
{
    std::optional<GroupInvitation> invitation;
    m_account->generateInviteCode([&invitation](const GroupInvitation& value) { invitation = value; });
    QTRY_VERIFY_WITH_TIMEOUT(invitation.has_value(), 10000);
    signInAs(QStringLiteral("u2"));
    QCOMPARE(run(QStringLiteral("joinGroup"), invitation->inviteCode), std::optional<bool>(true));
    // The refresh after joining is over before anyone counts refreshes.
    QTRY_COMPARE_WITH_TIMEOUT(m_client->claims().role, QStringLiteral("member"), 10000);
}

// What each operation sends. Every reply fails here, and each failure is
// logged, also for the operations nobody waits on.
void AccountClientTest::requestShapes_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("body");

    QTest::newRow("getProfile") << "getProfile" << "" << "/profile" << "GET" << "/profile" << "";
    QTest::newRow("deleteAccount") << "deleteAccount" << "" << "/profile" << "DELETE" << "/profile" << "";
    QTest::newRow("getGroup") << "getGroup" << "" << "/group" << "GET" << "/group" << "";
    QTest::newRow("inviteByEmail") << "inviteByEmail" << "kim@example.com" << "/group/invite" << "POST"
                                   << "/group/invite" << R"({"email":"kim@example.com"})";
    QTest::newRow("generateInviteCode") << "generateInviteCode" << "" << "/group/invite" << "POST" << "/group/invite"
                                        << "";
    QTest::newRow("joinGroup") << "joinGroup" << "Code_9-x" << "/group/join/:code" << "POST" << "/group/join/Code_9-x"
                               << "";
    QTest::newRow("leaveGroup") << "leaveGroup" << "" << "/group/leave" << "POST" << "/group/leave" << "";
    QTest::newRow("removeMember") << "removeMember" << "acct-u2" << "/group/members/:id" << "DELETE"
                                  << "/group/members/acct-u2" << "";
    QTest::newRow("revokeInvitation") << "revokeInvitation" << "inv-3" << "/group/invitations/:id" << "DELETE"
                                      << "/group/invitations/inv-3" << "";
    QTest::newRow("getDevices") << "getDevices" << "" << "/devices" << "GET" << "/devices" << "";
    QTest::newRow("registerDevice") << "registerDevice" << "" << "/devices/register" << "POST" << "/devices/register"
                                    << "";
    QTest::newRow("removeDevice") << "removeDevice" << "dev-1" << "/devices/:id" << "DELETE" << "/devices/dev-1" << "";
}

void AccountClientTest::requestShapes()
{
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    QFETCH(QString, route);
    QFETCH(QString, method);
    QFETCH(QString, path);
    QFETCH(QString, body);
    m_service->addFault(route, {{"status", 418}, {"body", QJsonObject{{"error", "teapot"}}}});
    QTest::ignoreMessage(QtWarningMsg,
                         qPrintable(QStringLiteral("AccountClient::%1 failed: HTTP 418 (teapot)").arg(operation)));

    QCOMPARE(run(operation, argument), std::optional<bool>(false));
    const QJsonArray requests = m_service->requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(text(requests[0], "route"), route);
    QCOMPARE(text(requests[0], "method"), method);
    QCOMPARE(text(requests[0], "path"), path);
    if (operation != QLatin1String("registerDevice")) // its body: devices()
        QCOMPARE(text(requests[0], "body"), body);
    QVERIFY(text(requests[0].toObject().value(QLatin1String("headers")), "authorization").startsWith("Bearer "));
}

void AccountClientTest::profileAndGroup()
{
    Profile profile = fetch(&AccountClient::getProfile);
    QCOMPARE(profile.id, QStringLiteral("acct-u1"));
    QCOMPARE(profile.timezone, QStringLiteral("Europe/Berlin"));
    QVERIFY(!profile.group.has_value());

    // No group yet: the failure is an empty group.
    QTest::ignoreMessage(QtWarningMsg, "AccountClient::getGroup failed: HTTP 404 (no_group)");
    Group group = fetch(&AccountClient::getGroup);
    QVERIFY(group.id.isEmpty() && group.name.isEmpty());
    QCOMPARE(group.maxSeats, 0);
    QVERIFY(group.members.isEmpty() && group.pendingInvitations.isEmpty());

    const GroupInvitation byCode = fetch(&AccountClient::generateInviteCode);
    QVERIFY(!byCode.inviteCode.isEmpty());
    QVERIFY(byCode.invitedEmail.isEmpty());
    std::optional<GroupInvitation> byEmail;
    m_account->inviteByEmail(QStringLiteral("kim@example.com"),
                             [&byEmail](const GroupInvitation& value) { byEmail = value; });
    QTRY_VERIFY_WITH_TIMEOUT(byEmail.has_value(), 10000);
    QCOMPARE(byEmail->invitedEmail, QStringLiteral("kim@example.com"));
    QCOMPARE(byEmail->status, QStringLiteral("pending"));
    QCOMPARE(byEmail->expiresAt, QDateTime(QDate(2024, 3, 8), QTime(10, 15, 30), Qt::UTC));

    group = fetch(&AccountClient::getGroup);
    QCOMPARE(group.maxSeats, 6);
    QCOMPARE(group.members.size(), 1);
    QCOMPARE(group.members[0].accountId, QStringLiteral("acct-u1"));
    QCOMPARE(group.members[0].role, QStringLiteral("owner"));
    QCOMPARE(group.pendingInvitations.size(), 2);
    QCOMPARE(group.pendingInvitations[0].id, byCode.id);
    QCOMPARE(group.pendingInvitations[1].id, byEmail->id);

    QCOMPARE(run(QStringLiteral("revokeInvitation"), byCode.id), std::optional<bool>(true));
    group = fetch(&AccountClient::getGroup);
    QCOMPARE(group.pendingInvitations.size(), 1);
    QCOMPARE(group.pendingInvitations[0].id, byEmail->id);

    profile = fetch(&AccountClient::getProfile);
    QVERIFY(profile.group.has_value());
    QCOMPARE(profile.group->id, group.id);
    QCOMPARE(profile.group->role, QStringLiteral("owner"));
    QCOMPARE(profile.group->memberCount, 1);

    QCOMPARE(run(QStringLiteral("deleteAccount")), std::optional<bool>(true));
    QTest::ignoreMessage(QtWarningMsg, "AccountClient::getProfile failed: HTTP 404 (account_deleted)");
    QVERIFY(fetch(&AccountClient::getProfile).id.isEmpty());
}

// Joining and leaving refresh the token (its claims carry the group) and
// announce the change; removing a member only announces it; a failure does
// neither, and is logged.
void AccountClientTest::groupChanges_data()
{
    QTest::addColumn<QString>("actor");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<bool>("refreshFails");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("refreshes");
    QTest::addColumn<QString>("roleClaim"); // of the access token afterwards

    QTest::newRow("join") << "u3" << "joinGroup" << "code" << false << true << 1 << "member";
    QTest::newRow("join, unknown code") << "u3" << "joinGroup" << "code-99" << false << false << 0 << "";
    QTest::newRow("leave") << "u2" << "leaveGroup" << "" << false << true << 1 << "";
    QTest::newRow("leave, refresh fails") << "u2" << "leaveGroup" << "" << true << true << 1 << "member";
    QTest::newRow("leave as owner") << "u1" << "leaveGroup" << "" << false << false << 0 << "owner";
    QTest::newRow("remove member") << "u1" << "removeMember" << "acct-u2" << false << true << 0 << "owner";
    QTest::newRow("remove unknown member") << "u1" << "removeMember" << "acct-u9" << false << false << 0 << "owner";
}

void AccountClientTest::groupChanges()
{
    QFETCH(QString, actor);
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    QFETCH(bool, refreshFails);
    QFETCH(bool, ok);
    QFETCH(int, refreshes);
    QFETCH(QString, roleClaim);
    makeGroupWithMember();
    if (argument == QLatin1String("code")) {
        signInAs(QStringLiteral("u1"));
        argument = fetch(&AccountClient::generateInviteCode).inviteCode;
    }
    signInAs(actor);
    if (refreshFails)
        m_service->addFault(kRefresh, {{"status", 503}});
    if (!ok)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^AccountClient::%1 failed: HTTP 4").arg(operation)));
    const qsizetype refreshesBefore = m_service->requests(kRefresh).size();
    QSignalSpy changes(m_account, &AccountClient::groupChanged);

    QCOMPARE(run(operation, argument), std::optional<bool>(ok));
    QCOMPARE(changes.size(), ok ? 1 : 0); // at once, before the refresh answers
    QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(kRefresh).size() - refreshesBefore, refreshes, 10000);
    // A refresh that was started would reach the service before this.
    bool echoed = false;
    m_client->authApi()->get(QStringLiteral("/echo"), [&echoed](bool, int, const QJsonObject&) { echoed = true; });
    QTRY_VERIFY_WITH_TIMEOUT(echoed, 10000);
    QCOMPARE(m_service->requests(kRefresh).size() - refreshesBefore, refreshes);
    QTRY_COMPARE_WITH_TIMEOUT(m_client->claims().role, roleClaim, 10000);
    QCOMPARE(changes.size(), ok ? 1 : 0);
}

// An id or code that is not one plain path segment fails at once and
// sends nothing.
void AccountClientTest::pathIdsRefused_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QString>("argument");

    QTest::newRow("join: parent segment") << "joinGroup" << "../leave";
    QTest::newRow("join: dot dot") << "joinGroup" << "..";
    QTest::newRow("join: slash") << "joinGroup" << "abc/def";
    QTest::newRow("join: empty") << "joinGroup" << "";
    QTest::newRow("join: trailing newline") << "joinGroup" << "abc\n";
    QTest::newRow("remove member: query") << "removeMember" << "acct?x=1";
    QTest::newRow("revoke invitation: encoded dots") << "revokeInvitation" << "%2e%2e";
    QTest::newRow("remove device: space") << "removeDevice" << "dev 1";
}

void AccountClientTest::pathIdsRefused()
{
    QFETCH(QString, operation);
    QFETCH(QString, argument);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountClient::%1: not an id:").arg(operation)));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountClient::%1 failed: HTTP 0").arg(operation)));
    QSignalSpy changes(m_account, &AccountClient::groupChanged);

    QCOMPARE(run(operation, argument), std::optional<bool>(false));
    // A request that was sent would be logged before this one.
    QVERIFY(!fetch(&AccountClient::getProfile).id.isEmpty());
    QCOMPARE(m_service->requests().size(), 1);
    QCOMPARE(changes.size(), 0);
}

void AccountClientTest::devices()
{
    QCOMPARE(run(QStringLiteral("registerDevice")), std::optional<bool>(true));
    const QJsonArray registrations = m_service->requests(QStringLiteral("/devices/register"));
    QCOMPARE(registrations.size(), 1);
    const QJsonObject body = QJsonDocument::fromJson(text(registrations[0], "body").toUtf8()).object();
    const QJsonObject expected{{"device_name", QSysInfo::machineHostName()},
                               {"platform", devicePlatform()},
                               {"app_id", "app.larkspur.tallyleaf"},
                               {"app_version", "1.1.5"},
                               {"device_fingerprint", deviceFingerprint()}};
    QCOMPARE(body, expected);
#ifdef Q_OS_LINUX
    QCOMPARE(devicePlatform(), QStringLiteral("Linux"));
#endif
    QVERIFY(!deviceFingerprint().isEmpty());
    QCOMPARE(deviceFingerprint(), deviceFingerprint());
    // Registering again is recognised by the unchanged fingerprint.
    QCOMPARE(run(QStringLiteral("registerDevice")), std::optional<bool>(true));

    const QList<Device> devices = fetch(&AccountClient::getDevices);
    QCOMPARE(devices.size(), 1);
    QCOMPARE(devices[0].deviceName, QSysInfo::machineHostName());
    QCOMPARE(devices[0].deviceFingerprint, deviceFingerprint());
    QCOMPARE(devices[0].createdAt, QDateTime(QDate(2024, 3, 1), QTime(10, 15, 30), Qt::UTC));

    QCOMPARE(run(QStringLiteral("removeDevice"), devices[0].id), std::optional<bool>(true));
    QVERIFY(fetch(&AccountClient::getDevices).isEmpty());

    // An answer without the array is an empty list.
    m_service->addFault(QStringLiteral("/devices"), {{"status", 200}, {"body", QJsonObject{{"x", 1}}}, {"times", 1}});
    QVERIFY(fetch(&AccountClient::getDevices).isEmpty());

    // A failed registration is logged.
    m_service->addFault(QStringLiteral("/devices/register"), {{"status", 500}});
    QTest::ignoreMessage(QtWarningMsg, "AccountClient::registerDevice failed: HTTP 500 (injected_fault)");
    QCOMPARE(run(QStringLiteral("registerDevice")), std::optional<bool>(false));
}

void AccountClientTest::fingerprintRule_data()
{
    QTest::addColumn<QString>("machineId");
    QTest::addColumn<QString>("hostName");
    QTest::addColumn<QString>("fingerprint");

    QTest::newRow("machine id as read") << "{6F9619FF-8B86-D011-B42D-00C04FC964FF}" << "host"
                                        << "{6F9619FF-8B86-D011-B42D-00C04FC964FF}";
    QTest::newRow("no machine id: hashed host name") << "" << "host" << "4740ae6347b0172c01254ff55bae5aff";
    QTest::newRow("host name as UTF-8") << "" << "w\u00f6rk-pc" << "56877cae99968e822cd3f61d7aa2b8e7";
}

void AccountClientTest::fingerprintRule()
{
    QFETCH(QString, machineId);
    QFETCH(QString, hostName);
    QFETCH(QString, fingerprint);
    QCOMPARE(fingerprintFrom(machineId, hostName), fingerprint);
}

QList<ShareMember> AccountClientTest::shareMembers(const QString& accountId)
{
    std::optional<QList<ShareMember>> answer;
    m_sharing->listMembers(accountId, [&answer](const QList<ShareMember>& list) { answer = list; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
        qWarning("no answer from listMembers");
    return answer.value_or(QList<ShareMember>());
}

std::optional<bool> AccountClientTest::removeShare(const QString& accountId, const QString& userId)
{
    std::optional<bool> answer;
    m_sharing->removeShare(accountId, userId, [&answer](bool ok) { answer = ok; });
    if (!QTest::qWaitFor([&answer] { return answer.has_value(); }, 10000))
        qWarning("no answer");
    return answer;
}

void AccountClientTest::shareWith_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QString>("person");
    QTest::addColumn<QString>("role");
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QJsonObject>("body"); // sent; empty: nothing sent
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("error");

    const QString mail = QStringLiteral("kim@example.com");
    const QJsonObject none;
    const QJsonObject toU2{{"user_id", "u2"}, {"role", "member"}};
    const auto failing = [](int status, const QJsonObject& body) {
        return QJsonObject{{"status", status}, {"body", body}};
    };
    QTest::newRow("e-mail, no role") << kAccount << mail << "" << none
                                     << QJsonObject{{"user_id", mail}, {"email", mail}, {"role", "member"}} << true
                                     << "";
    QTest::newRow("user id, viewer") << kAccount << "u2" << "viewer" << none
                                     << QJsonObject{{"user_id", "u2"}, {"role", "viewer"}} << true << "";
    QTest::newRow("service's error text") << kAccount << "u2" << "admin" << none
                                          << QJsonObject{{"user_id", "u2"}, {"role", "admin"}} << false
                                          << "Unknown role";
    QTest::newRow("conflict with error text") << kAccount << "u2" << "" << failing(409, {{"error", "Already shared"}})
                                              << toU2 << false << "Already shared";
    QTest::newRow("no error text") << kAccount << "u2" << "" << failing(500, {{"x", 1}}) << toU2 << false
                                   << "Failed to share account (HTTP 500)";
    QTest::newRow("error not a text") << kAccount << "u2" << "" << failing(502, {{"error", 7}}) << toU2 << false
                                      << "Failed to share account (HTTP 502)";
    QTest::newRow("no HTTP answer") << kAccount << "u2" << "" << QJsonObject{{"mode", "hang"}} << toU2 << false
                                    << "Failed to share account (HTTP 0)";
    QTest::newRow("account id not a path segment") << "../sync" << "u2" << "" << none << none << false
                                                   << "Failed to share account (HTTP 0)";
}

void AccountClientTest::shareWith()
{
    QFETCH(QString, accountId);
    QFETCH(QString, person);
    QFETCH(QString, role);
    QFETCH(QJsonObject, fault);
    QFETCH(QJsonObject, body);
    QFETCH(bool, ok);
    QFETCH(QString, error);
    if (!fault.isEmpty())
        m_service->addFault(kShareRoute, fault);
    if (body.isEmpty())
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^AccountSharingService::shareWith: not an id:")));

    std::optional<std::pair<bool, QString>> answer;
    m_sharing->shareWith(accountId, person, role,
                         [&answer](bool success, const QString& text) { answer = std::make_pair(success, text); });
    QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 10000);
    QCOMPARE(answer->first, ok);
    QCOMPARE(answer->second, error);

    const QJsonArray sent = m_service->requests(kShareRoute);
    QCOMPARE(sent.size(), body.isEmpty() ? 0 : 1);
    if (!body.isEmpty()) {
        QCOMPARE(text(sent[0], "path"), QStringLiteral("/accounts/%1/share").arg(accountId));
        QCOMPARE(QJsonDocument::fromJson(text(sent[0], "body").toUtf8()).object(), body);
    }
}

void AccountClientTest::shareListAndRemove()
{
    // The owner is listed too.
    const QString owner = QStringLiteral("u1|u1|u1@example.com|owner|2024-03-01T10:15:30Z");
    QCOMPARE(describe(shareMembers(kAccount)), QStringList{owner});
    std::optional<bool> shared;
    m_sharing->shareWith(kAccount, QStringLiteral("u2"), QString(),
                         [&shared](bool ok, const QString&) { shared = ok; });
    QTRY_COMPARE_WITH_TIMEOUT(shared, std::optional<bool>(true), 10000);
    QCOMPARE(describe(shareMembers(kAccount)), (QStringList{owner, "u2|u2||member|2024-03-01T10:15:30Z"}));

    QCOMPARE(removeShare(kAccount, QStringLiteral("u2")), std::optional<bool>(true));
    const QJsonArray removals = m_service->requests(QStringLiteral("/accounts/:id/share/:user"));
    QCOMPARE(removals.size(), 1);
    QCOMPARE(text(removals[0], "method"), QStringLiteral("DELETE"));
    QCOMPARE(text(removals[0], "path"), QStringLiteral("/accounts/%1/share/u2").arg(kAccount));
    QCOMPARE(describe(shareMembers(kAccount)), QStringList{owner});
    QCOMPARE(removeShare(kAccount, QStringLiteral("u2")), std::optional<bool>(false));

    // Ids that are not one path segment fail at once, with nothing sent.
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountSharingService::removeShare: not an id:")));
    QCOMPARE(removeShare(kAccount, QStringLiteral("u2/../u1")), std::optional<bool>(false));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountSharingService::listMembers: not an id:")));
    QVERIFY(shareMembers(QStringLiteral("..")).isEmpty());
    QCOMPARE(m_service->requests(QStringLiteral("/accounts/:id/share/:user")).size(), 2);

    // A failed list, or one without "members", looks like no one.
    const QString listRoute = QStringLiteral("/accounts/:id/members");
    m_service->addFault(listRoute, {{"status", 500}, {"times", 1}});
    QVERIFY(shareMembers(kAccount).isEmpty());
    m_service->addFault(listRoute, {{"status", 200}, {"body", QJsonObject{{"x", 1}}}, {"times", 1}});
    QVERIFY(shareMembers(kAccount).isEmpty());
}

TALLYLEAF_CORE_TEST_MAIN(AccountClientTest)
#include "tst_accountclient.moc"
