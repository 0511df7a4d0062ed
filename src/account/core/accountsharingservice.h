#pragma once

#include "account/core/sharingbackend.h"

namespace LarkAccount {
class ApiClient;
}

// Sharing through the sync service's "/accounts/<id>/…" endpoints, over
// the sync transport (not owned). Keeps nothing between calls. An account
// or user id that is not one path segment (ApiClient::isPathId) fails at
// once as if no HTTP answer came, with nothing sent.
class AccountSharingService : public LarkAccount::SharingBackend
{
    Q_OBJECT

public:
    explicit AccountSharingService(LarkAccount::ApiClient* syncApi, QObject* parent = nullptr);

    void listMembers(const QString& accountId,
                     std::function<void(const QList<LarkAccount::ShareMember>&)> callback) override;
    // The failure text is the service's "error", else one naming the HTTP
    // status.
    void shareWith(const QString& accountId, const QString& person, const QString& role,
                   std::function<void(bool ok, const QString& error)> callback) override;
    void removeShare(const QString& accountId, const QString& userId, std::function<void(bool ok)> callback) override;

private:
    LarkAccount::ApiClient* m_api;
};
