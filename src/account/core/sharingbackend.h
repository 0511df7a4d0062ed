#pragma once

#include "account/core/accountrecords.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

namespace LarkAccount {

// Lists, adds and removes the people a register account is shared with.
// Every operation returns at once; its callback (may be empty) runs once
// when the answer is there.
class SharingBackend : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~SharingBackend() override = default;

    // Everyone the account is shared with, the owner included; empty on
    // failure.
    virtual void listMembers(const QString& accountId, std::function<void(const QList<ShareMember>&)> callback) = 0;
    // person: a user id or an e-mail address; an empty role means "member".
    // On failure the callback gets false and a text for the user.
    virtual void shareWith(const QString& accountId, const QString& person, const QString& role,
                           std::function<void(bool ok, const QString& error)> callback) = 0;
    virtual void removeShare(const QString& accountId, const QString& userId,
                             std::function<void(bool ok)> callback) = 0;
    // The id the sharing service knows a group member by, from the
    // member's account id; the same text unless a backend knows better.
    virtual QString resolveUserLabel(const QString& accountId) const { return accountId; }
};

} // namespace LarkAccount
