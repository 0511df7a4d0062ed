#pragma once

#include "data/records.h"
#include "data/syncrows.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QStringList>

#include <memory>
#include <optional>

class Database;
class QSqlQuery;

// A payee text with the number of live transactions that carry it.
struct PayeeUsage
{
    QString payee;
    int count = 0;
};

// The only reader and writer of table transactions. It stores what it is
// given: callers fill ids, times, version and sync status. Every successful
// write emits transactionsChanged() once with the account it concerns.
class TransactionRepository : public QObject
{
    Q_OBJECT
public:
    TransactionRepository(Database* database, QObject* parent = nullptr);
    ~TransactionRepository() override;

    // Soft-deleted rows are found too.
    std::optional<Transaction> findById(const QString& id) const;
    // Live rows, newest first.
    QList<Transaction> findByAccount(const QString& accountId) const;
    // Live, not reconciled rows, oldest first.
    QList<Transaction> findUnreconciled(const QString& accountId) const;
    // Every pending row, soft-deleted ones included so deletions are pushed.
    QList<Transaction> findPendingSync() const;

    bool insert(const Transaction& transaction);
    // Never changes account_id, created_at or deleted_at. A pending record is
    // a local change (version rule in data/syncrows.h).
    bool update(const Transaction& transaction);
    // False, silently, when no row has the id.
    bool softDelete(const QString& id);
    // The account-wide writes return the rows changed. A failed statement
    // gives 0, except for the restore, which gives -1: a restore that
    // failed must not pass for one that found nothing to revive.
    int softDeleteByAccount(const QString& accountId);
    // Revives the account's rows whose deleted_at is at or after
    // `deletedSince` (a timestamp text). The deletes and this restore are
    // local changes: pending, version rule in data/syncrows.h.
    int restoreByAccount(const QString& accountId, const QString& deletedSince);
    int markAllPendingForResync();
    bool markSynced(const QString& id, const QString& serverId);
    // Gives every live row whose payee is one of `payees` (exactly, letter
    // case included) the payee `newPayee`, stamps it now and marks it
    // pending for sync; payees equal to `newPayee` or empty are skipped. A
    // row the server holds goes one version up; the change signal (empty
    // account id: any account) follows when rows changed.
    // All rows or none: false, with nothing changed, when any write fails or
    // `newPayee` is empty. `changed` receives the number of rows rewritten.
    bool renamePayees(const QStringList& payees, const QString& newPayee, int* changed = nullptr);

    // The account's live rows oldest first with running balances, after an
    // "Opening Balance" row when the starting balance is not zero.
    QList<RegisterRow> findRegisterRows(const QString& accountId) const;
    // Distinct non-empty payees of all live rows, in byte order.
    QStringList distinctPayees() const;
    // The same payees with their row counts, in the same order.
    QList<PayeeUsage> payeeCounts() const;
    // Same list as distinctPayees(); the account does not narrow it.
    QStringList payeesForAccount(const QString& accountId) const;
    // Newest live row of the account with exactly this payee.
    std::optional<Transaction> findLastByPayee(const QString& payee, const QString& accountId) const;
    // Newest 200 live rows matching the words of `text` and the filter.
    QList<RegisterRow> search(const QString& text, const TransactionSearchFilter& filter) const;
    // Sum of the live amounts of every account that has live rows, in one
    // grouped query: an account's balance is its starting balance plus its
    // sum, the same as the last running balance of its register.
    QHash<QString, qint64> liveSumsByAccount() const;

    // Sync. The first `limit` pending rows in the order they were created.
    QList<Transaction> findPendingSync(int limit) const;
    int countPendingSync() const;
    QList<Transaction> findByIds(const QStringList& ids) const;
    // An empty server id keeps the stored one. Emits nothing.
    bool markSynced(const QList<SyncMark>& marks);
    bool clearServerIds();

signals:
    void transactionsChanged(const QString& accountId);

private:
    QList<Transaction> select(const QString& tail, const QVariantList& values = {}) const;
    // Emits the change signal for the account when rows changed; returns
    // `changed`.
    int announced(int changed, const QString& accountId);

    Database* m_database;
    std::unique_ptr<QSqlQuery> m_insert;
};

// Full-text query of the words of `text`: each run of letters and digits
// becomes a quoted prefix term ("word"*), terms separated by one space, so
// that every word must match. Empty when the text has no such run.
QString buildFtsMatchExpression(const QString& text);
