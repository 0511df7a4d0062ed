#include "services/datarecovery.h"

#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QDebug>

namespace DataRecovery {

ResyncCounts markAllForResync(const SyncedRepositories& repos)
{
    ResyncCounts counts;
    counts.accounts = repos.accounts->markAllPendingForResync();
    counts.categories = repos.categories->markAllPendingForResync();
    counts.transactions = repos.transactions->markAllPendingForResync();
    counts.recurring = repos.recurring->markAllPendingForResync();
    counts.reconciliations = repos.reconciliations->markAllPendingForResync();
    qInfo().noquote() << "Force Full Sync: marked pending —"
                      << "accounts:" << counts.accounts << "categories:" << counts.categories
                      << "transactions:" << counts.transactions << "recurrings:" << counts.recurring
                      << "reconciliations:" << counts.reconciliations;
    return counts;
}

bool deleteAccount(const SyncedRepositories& repos, const QString& accountId)
{
    // All four writes or none: a failure must not leave an account without
    // its transactions, or transactions of a deleted account.
    AtomicWrite write(repos.database->database(), QStringLiteral("delete_account"));
    bool ok = write.begin();
    int transactions = 0;
    int recurrings = 0;
    int reconciliations = 0;
    if (ok) {
        transactions = repos.transactions->softDeleteByAccount(accountId);
        recurrings = repos.recurring->softDeleteByAccount(accountId);
        reconciliations = repos.reconciliations->softDeleteByAccount(accountId);
        ok = repos.accounts->softDelete(accountId);
        // A refused cascade counts 0, as one that found nothing does: only
        // what is left live tells them apart, and none of it may remain.
        if (ok)
            ok = repos.transactions->findByAccount(accountId).isEmpty()
                 && repos.reconciliations->findByAccount(accountId).isEmpty();
        if (ok) {
            const QList<RecurringTransaction> schedules = repos.recurring->findAll();
            for (const RecurringTransaction& schedule : schedules)
                ok = ok && schedule.accountId != accountId;
        }
        ok = ok && write.commit();
    }
    if (!ok) {
        write.rollback();
        return false;
    }
    qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                      << "recurrings:" << recurrings << "reconciliations:" << reconciliations;
    return true;
}

bool restoreDeletedAccount(const SyncedRepositories& repos, const QString& accountId)
{
    if (accountId.isEmpty())
        return false;
    const std::optional<Account> account = repos.accounts->findById(accountId);
    if (!account || !account->deletedAt)
        return false;
    // Deleting an account stamps its rows a moment before the account
    // itself; the margin takes those and leaves older single deletions.
    const QString cutoff = SqlValue::timestampText(account->deletedAt->addSecs(-10));
    AtomicWrite write(repos.database->database(), QStringLiteral("restore_account"));
    if (!write.begin())
        return false;
    // An account back without the rows deleted with it would leave those
    // rows beyond any later restore: every step counts.
    const bool restored = repos.transactions->restoreByAccount(accountId, cutoff) >= 0
                          && repos.recurring->restoreByAccount(accountId, cutoff) >= 0
                          && repos.reconciliations->restoreByAccount(accountId, cutoff) >= 0
                          && repos.accounts->restore(accountId) && write.commit();
    if (!restored) {
        write.rollback();
        // Views that heard of an undone step reload what is stored.
        announceBulkChange(repos);
    }
    return restored;
}

void announceBulkChange(const SyncedRepositories& repos)
{
    emit repos.accounts->accountsChanged();
    emit repos.categories->categoriesChanged();
    // The empty id stands for every account.
    emit repos.transactions->transactionsChanged(QString());
    emit repos.recurring->recurringChanged();
    emit repos.reconciliations->reconciliationsChanged();
}

} // namespace DataRecovery
