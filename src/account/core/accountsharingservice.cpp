#include "account/core/accountsharingservice.h"

#include "account/core/apiclient.h"

using LarkAccount::ApiClient;
using LarkAccount::ShareMember;

AccountSharingService::AccountSharingService(ApiClient* syncApi, QObject* parent)
    : SharingBackend(parent)
    , m_api(syncApi)
{
}

void AccountSharingService::listMembers(const QString& accountId,
                                        std::function<void(const QList<ShareMember>&)> callback)
{
    const ApiClient::Callback reply = [callback](bool ok, int, const QJsonObject& body) {
        if (callback)
            callback(ok ? LarkAccount::recordsFromJson<ShareMember>(body.value(QLatin1String("members")))
                        : QList<ShareMember>());
    };
    if (ApiClient::acceptPathIds("AccountSharingService::listMembers", {accountId}, reply))
        m_api->get(QStringLiteral("/accounts/%1/members").arg(accountId), reply);
}

void AccountSharingService::shareWith(const QString& accountId, const QString& person, const QString& role,
                                      std::function<void(bool ok, const QString& error)> callback)
{
    const ApiClient::Callback reply = [callback](bool ok, int status, const QJsonObject& body) {
        if (!callback)
            return;
        QString error;
        if (!ok) {
            error = body.value(QLatin1String("error")).toString();
            if (error.isEmpty())
                error = tr("Failed to share account (HTTP %1)").arg(status);
        }
        callback(ok, error);
    };
    if (!ApiClient::acceptPathIds("AccountSharingService::shareWith", {accountId}, reply))
        return;
    QJsonObject body{{QStringLiteral("user_id"), person},
                     {QStringLiteral("role"), role.isEmpty() ? QStringLiteral("member") : role}};
    if (person.contains(QLatin1Char('@')))
        body.insert(QStringLiteral("email"), person);
    m_api->post(QStringLiteral("/accounts/%1/share").arg(accountId), body, reply);
}

void AccountSharingService::removeShare(const QString& accountId, const QString& userId,
                                        std::function<void(bool ok)> callback)
{
    const ApiClient::Callback reply = [callback](bool ok, int, const QJsonObject&) {
        if (callback)
            callback(ok);
    };
    if (ApiClient::acceptPathIds("AccountSharingService::removeShare", {accountId, userId}, reply))
        m_api->del(QStringLiteral("/accounts/%1/share/%2").arg(accountId, userId), reply);
}
