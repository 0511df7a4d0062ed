#pragma once

#include "data/records.h"
#include "data/syncrows.h"

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
    // The first `limit` pending rows in the order they were created.
    QList<Account> findPendingSync(int limit) const;
    int countPendingSync() const;
    QList<Account> findByIds(const QStringList& ids) const;

    bool insert(const Account& account);
    // A pending record is a local change (version rule in data/syncrows.h).
    bool update(const Account& account);
    // Local changes: pending, version rule in data/syncrows.h.
    bool softDelete(const QString& id);
    bool restore(const QString& id);
    // An empty server id keeps the stored one. Emits nothing.
    bool markSynced(const QString& id, const QString& serverId);
    bool markSynced(const QList<SyncMark>& marks);
    bool clearServerIds();
    int markAllPendingForResync();
    bool updateSortOrders(const QList<AccountSortOrder>& orders);

signals:
    void accountsChanged();

private:
    QList<Account> select(const QString& tail, const QVariantList& values = {}) const;

    Database* m_database;
};
