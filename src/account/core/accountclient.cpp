#include "account/core/accountclient.h"

#include "account/core/authclient.h"
#include "account/core/deviceidentity.h"

#include <QDebug>
#include <QPointer>

namespace LarkAccount {

namespace {

// Logs a reply that is not ok, then hands it on.
ApiClient::Callback logged(const char* operation, ApiClient::Callback next)
{
    return [operation, next](bool ok, int status, const QJsonObject& body) {
        if (!ok) {
            QString message
                = QStringLiteral("AccountClient::%1 failed: HTTP %2").arg(QLatin1String(operation)).arg(status);
            const QString error = body.value(QLatin1String("error")).toString();
            if (!error.isEmpty())
                message += QStringLiteral(" (%1)").arg(error);
            qWarning().noquote() << message;
        }
        if (next)
            next(ok, status, body);
    };
}

// The record parsed from an ok reply, else the empty record.
template <typename Record>
ApiClient::Callback recordReply(const char* operation, std::function<void(const Record&)> callback)
{
    return logged(operation, [callback](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? Record::fromJson(body) : Record());
    });
}

ApiClient::Callback doneReply(const char* operation, AccountClient::Done callback)
{
    return logged(operation, [callback](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    });
}

} // namespace

AccountClient::AccountClient(ApiClient* api, AuthClient* auth, const ClientConfig& config, QObject* parent)
    : QObject(parent)
    , m_api(api)
    , m_auth(auth)
    , m_appId(config.appId)
    , m_appVersion(config.appVersion)
{
}

AccountClient::~AccountClient() = default;

ApiClient::Callback AccountClient::groupReply(const char* operation, bool refreshToken, Done callback)
{
    QPointer<AccountClient> self(this);
    return logged(operation, [self, refreshToken, callback](bool ok, int, const QJsonObject&) {
        if (ok && self) {
            // The new access token carries the group claims; nobody waits
            // for it, and a failed refresh changes nothing here.
            if (refreshToken && self->m_auth)
                self->m_auth->refreshToken(std::function<void(bool)>());
            emit self->groupChanged();
        }
        if (callback)
            callback(ok);
    });
}

void AccountClient::getProfile(std::function<void(const Profile&)> callback)
{
    m_api->get(QStringLiteral("/profile"), recordReply<Profile>("getProfile", std::move(callback)));
}

void AccountClient::deleteAccount(Done callback)
{
    m_api->del(QStringLiteral("/profile"), doneReply("deleteAccount", std::move(callback)));
}

void AccountClient::getGroup(std::function<void(const Group&)> callback)
{
    m_api->get(QStringLiteral("/group"), recordReply<Group>("getGroup", std::move(callback)));
}

void AccountClient::inviteByEmail(const QString& email, std::function<void(const GroupInvitation&)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), {{QStringLiteral("email"), email}},
                recordReply<GroupInvitation>("inviteByEmail", std::move(callback)));
}

void AccountClient::generateInviteCode(std::function<void(const GroupInvitation&)> callback)
{
    m_api->post(QStringLiteral("/group/invite"), QJsonObject(),
                recordReply<GroupInvitation>("generateInviteCode", std::move(callback)));
}

void AccountClient::joinGroup(const QString& inviteCode, Done callback)
{
    const ApiClient::Callback reply = groupReply("joinGroup", true, std::move(callback));
    if (ApiClient::acceptPathIds("AccountClient::joinGroup", {inviteCode}, reply))
        m_api->post(QStringLiteral("/group/join/%1").arg(inviteCode), QJsonObject(), reply);
}

void AccountClient::leaveGroup(Done callback)
{
    m_api->post(QStringLiteral("/group/leave"), QJsonObject(), groupReply("leaveGroup", true, std::move(callback)));
}

void AccountClient::removeMember(const QString& memberId, Done callback)
{
    const ApiClient::Callback reply = groupReply("removeMember", false, std::move(callback));
    if (ApiClient::acceptPathIds("AccountClient::removeMember", {memberId}, reply))
        m_api->del(QStringLiteral("/group/members/%1").arg(memberId), reply);
}

void AccountClient::revokeInvitation(const QString& invitationId, Done callback)
{
    const ApiClient::Callback reply = doneReply("revokeInvitation", std::move(callback));
    if (ApiClient::acceptPathIds("AccountClient::revokeInvitation", {invitationId}, reply))
        m_api->del(QStringLiteral("/group/invitations/%1").arg(invitationId), reply);
}

void AccountClient::getDevices(std::function<void(const QList<Device>&)> callback)
{
    m_api->get(QStringLiteral("/devices"), logged("getDevices", [callback](bool ok, int, const QJsonObject& body) {
                   if (callback)
                       callback(ok ? recordsFromJson<Device>(body.value(QLatin1String("devices"))) : QList<Device>());
               }));
}

QJsonObject AccountClient::registrationBody() const
{
    return {{QStringLiteral("device_name"), deviceHostName()},
            {QStringLiteral("platform"), devicePlatform()},
            {QStringLiteral("app_id"), m_appId},
            {QStringLiteral("app_version"), m_appVersion},
            {QStringLiteral("device_fingerprint"), deviceFingerprint()}};
}

void AccountClient::registerDevice(Done callback)
{
    m_api->post(QStringLiteral("/devices/register"), registrationBody(),
                doneReply("registerDevice", std::move(callback)));
}

void AccountClient::removeDevice(const QString& deviceId, Done callback)
{
    const ApiClient::Callback reply = doneReply("removeDevice", std::move(callback));
    if (ApiClient::acceptPathIds("AccountClient::removeDevice", {deviceId}, reply))
        m_api->del(QStringLiteral("/devices/%1").arg(deviceId), reply);
}

} // namespace LarkAccount
