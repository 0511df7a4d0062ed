#pragma once

#include "data/records.h"
#include "data/syncrows.h"

#include <QList>
#include <QObject>
#include <QVariantList>

#include <optional>

class Database;

// A schedule date that is invalid or earlier than 2000-01-01: no schedule
// may post on it.
bool isBrokenScheduleDate(const QDate& date);

// Reads and writes table recurring_transactions. Every successful write
// emits recurringChanged() once; the account cascades only when they change
// a row.
class RecurringRepository : public QObject
{
    Q_OBJECT
public:
    RecurringRepository(Database* database, QObject* parent = nullptr);

    QList<RecurringTransaction> findAll() const;
    std::optional<RecurringTransaction> findById(const QString& id) const;
    // Live active schedules due today (local date) or earlier, but for those
    // whose account or transfer destination is deleted.
    QList<RecurringTransaction> findDue() const;
    QList<RecurringTransaction> findPendingSync() const;
    // The first `limit` pending rows in the order they were created.
    QList<RecurringTransaction> findPendingSync(int limit) const;
    int countPendingSync() const;
    QList<RecurringTransaction> findByIds(const QStringList& ids) const;

    bool insert(const RecurringTransaction& recurring);
    // A pending record is a local change (version rule in data/syncrows.h).
    bool update(const RecurringTransaction& recurring);
    // Local changes: pending, version rule in data/syncrows.h.
    bool softDelete(const QString& id);
    // The account-wide writes return the rows changed. A failed statement
    // gives 0, except for the restore, which gives -1: a restore that
    // failed must not pass for one that found nothing to revive.
    int softDeleteByAccount(const QString& accountId);
    // Revives the account's schedules whose deleted_at text is at or after
    // deletedSince (a UTC timestamp text).
    int restoreByAccount(const QString& accountId, const QString& deletedSince);
    int markAllPendingForResync();
    // An empty server id keeps the stored one. Emits nothing.
    bool markSynced(const QString& id, const QString& serverId);
    bool markSynced(const QList<SyncMark>& marks);
    bool clearServerIds();

signals:
    void recurringChanged();

private:
    QList<RecurringTransaction> select(const QString& tail, const QVariantList& values = {}) const;
    static void warnIfBrokenNextDueDate(const RecurringTransaction& recurring, const char* operation);
    // Emits the change signal when rows changed; returns `changed`.
    int announced(int changed);

    Database* m_database;
};
