#pragma once

#include "data/records.h"
#include "data/syncrows.h"

#include <QList>
#include <QObject>
#include <QVariantList>

#include <optional>

class Database;

// Reads and writes table reconciliations: one summary row per completed
// reconciliation of an account. Rows leave and return only with their
// account. Every successful write emits reconciliationsChanged() once; the
// account cascades only when they change a row.
class ReconciliationRepository : public QObject
{
    Q_OBJECT
public:
    ReconciliationRepository(Database* database, QObject* parent = nullptr);

    QList<Reconciliation> findByAccount(const QString& accountId) const;
    std::optional<Reconciliation> findLatestForAccount(const QString& accountId) const;
    std::optional<Reconciliation> findById(const QString& id) const;
    QList<Reconciliation> findPendingSync() const;
    // The first `limit` pending rows in the order they were created.
    QList<Reconciliation> findPendingSync(int limit) const;
    int countPendingSync() const;
    QList<Reconciliation> findByIds(const QStringList& ids) const;

    // Fills an invalid createdAt or updatedAt with now.
    bool insert(const Reconciliation& reconciliation);
    // A pending record is a local change (version rule in data/syncrows.h).
    bool update(const Reconciliation& reconciliation);
    // Local changes: pending, version rule in data/syncrows.h. The
    // account-wide writes return the rows changed. A failed statement gives
    // 0, except for the restore, which gives -1: a restore that failed must
    // not pass for one that found nothing to revive.
    int softDeleteByAccount(const QString& accountId);
    // Revives the account's rows whose deleted_at text is at or after
    // deletedSince (a UTC timestamp text).
    int restoreByAccount(const QString& accountId, const QString& deletedSince);
    int markAllPendingForResync();
    // An empty server id keeps the stored one. Emits nothing.
    bool markSynced(const QString& id, const QString& serverId);
    bool markSynced(const QList<SyncMark>& marks);
    bool clearServerIds();

signals:
    void reconciliationsChanged();

private:
    QList<Reconciliation> select(const QString& tail, const QVariantList& values = {}) const;
    // Emits the change signal when rows changed; returns `changed`.
    int announced(int changed);

    Database* m_database;
};
