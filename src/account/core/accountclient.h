#pragma once

#include "account/core/accountrecords.h"
#include "account/core/apiclient.h"
#include "account/core/clientconfig.h"

#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace LarkAccount {

class AuthClient;

// The account service: the user's profile, family group and devices. Every
// operation sends one request through the account transport and returns at
// once; its callback (may be empty) runs when the reply arrives. A failure
// reaches the caller only as an empty record, an empty list or false, and
// is logged. Ids and codes that go into a request path must be one path
// segment (ApiClient::isPathId); any other fails at once, with nothing
// sent. Nothing of a reply is kept.
class AccountClient : public QObject
{
    Q_OBJECT

public:
    using Done = std::function<void(bool ok)>;

    // Neither `api` nor `auth` is owned; the configuration gives the
    // application id and version of the device registration.
    AccountClient(ApiClient* api, AuthClient* auth, const ClientConfig& config, QObject* parent = nullptr);
    ~AccountClient() override;

    void getProfile(std::function<void(const Profile&)> callback);
    void deleteAccount(Done callback);

    void getGroup(std::function<void(const Group&)> callback);
    void inviteByEmail(const QString& email, std::function<void(const GroupInvitation&)> callback);
    // The new invitation's inviteCode is the code to hand on.
    void generateInviteCode(std::function<void(const GroupInvitation&)> callback);
    // Joining and leaving refresh the access token in the background (it
    // carries the group claims) and emit groupChanged() at once.
    void joinGroup(const QString& inviteCode, Done callback);
    // Here and for the device calls below the callback may be left out;
    // a failure is logged either way.
    void leaveGroup(Done callback = Done());
    void removeMember(const QString& memberId, Done callback = Done());
    void revokeInvitation(const QString& invitationId, Done callback = Done());

    void getDevices(std::function<void(const QList<Device>&)> callback);
    // Registers this installation under its host name, fingerprint and
    // platform (deviceidentity.h), after every sign-in.
    void registerDevice(Done callback = Done());
    void removeDevice(const QString& deviceId, Done callback = Done());

signals:
    // After a successful join, leave or member removal.
    void groupChanged();

private:
    // For join, leave and member removal: on an ok reply, refresh the
    // token when asked and emit groupChanged(); then the callback.
    ApiClient::Callback groupReply(const char* operation, bool refreshToken, Done callback);
    QJsonObject registrationBody() const;

    ApiClient* m_api;
    AuthClient* m_auth;
    QString m_appId;
    QString m_appVersion;
};

} // namespace LarkAccount
