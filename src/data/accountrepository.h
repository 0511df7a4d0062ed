#pragma once

#include "data/records.h"

#include <QList>
#include <QObject>

#include <optional>

class Database;

// Reads and writes table accounts; every successful write emits
// accountsChanged() once.
class AccountRepository : public QObject
{
    Q_OBJECT
public:
    AccountRepository(Database* database, QObject* parent = nullptr);

    QList<Account> findAll() const;
    std::optional<Account> findById(const QString& id) const;
    QList<Account> findDeleted() const;
    QList<Account> findPendingSync() const;

    bool insert(const Account& account);
    bool update(const Account& account);
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    bool markSynced(const QString& id, const QString& serverId);
    int markAllPendingForResync();
    bool updateSortOrders(const QList<AccountSortOrder>& orders);

signals:
    void accountsChanged();

private:
    QList<Account> select(const QString& tail, const QVariantList& values = {}) const;

    Database* m_database;
};
