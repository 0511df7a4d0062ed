#pragma once

#include "data/records.h"

#include <QList>
#include <QObject>
#include <QVariantList>

#include <optional>

class Database;
class QSqlQuery;

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

    // Fills an invalid createdAt or updatedAt with now.
    bool insert(const Reconciliation& reconciliation);
    bool update(const Reconciliation& reconciliation);
    int softDeleteByAccount(const QString& accountId);
    // Revives the account's rows whose deleted_at text is at or after
    // deletedSince (a UTC timestamp text).
    int restoreByAccount(const QString& accountId, const QString& deletedSince);
    int markAllPendingForResync();
    bool markSynced(const QString& id, const QString& serverId);

signals:
    void reconciliationsChanged();

private:
    QList<Reconciliation> select(const QString& tail, const QVariantList& values = {}) const;
    int execCount(QSqlQuery& query, const char* operation);

    Database* m_database;
};
