#include "services/reconciliationservice.h"

#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QUuid>

#include <cmath>
#include <limits>

namespace {

} // namespace

ReconciliationService::ReconciliationService(Database* database, AccountRepository* accounts,
                                             TransactionRepository* transactions,
                                             ReconciliationRepository* reconciliations)
    : m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_reconciliations(reconciliations)
{
}

std::optional<Account> ReconciliationService::liveAccount(const QString& accountId) const
{
    if (accountId.isEmpty())
        return std::nullopt;
    std::optional<Account> account = m_accounts->findById(accountId);
    if (account && account->deletedAt)
        return std::nullopt;
    return account;
}

std::optional<ReconciliationStart> ReconciliationService::start(const QString& accountId) const
{
    const std::optional<Account> account = liveAccount(accountId);
    if (!account)
        return std::nullopt;
    ReconciliationStart start;
    start.account = *account;
    start.previousBalance = account->startingBalance;
    QDate lastReconciled;
    for (const Transaction& t : m_transactions->findByAccount(accountId)) {
        if (!t.reconciled)
            continue;
        start.previousBalance = saturatingAdd(start.previousBalance, t.amount);
        if (t.date.isValid() && (!lastReconciled.isValid() || t.date > lastReconciled))
            lastReconciled = t.date;
    }
    // addMonths keeps the day or falls back to the month's last day.
    const std::optional<Reconciliation> latest = m_reconciliations->findLatestForAccount(accountId);
    if (latest && latest->statementDate.isValid()
        && (!lastReconciled.isValid() || latest->statementDate >= lastReconciled))
        start.proposedStatementDate = latest->statementDate.addMonths(1);
    else if (lastReconciled.isValid())
        start.proposedStatementDate = lastReconciled.addMonths(1);
    return start;
}

ReconciliationTotals ReconciliationService::totals(qint64 previousBalance, const QList<qint64>& tickedAmounts,
                                                   qint64 statementBalance)
{
    ReconciliationTotals totals;
    for (const qint64 amount : tickedAmounts) {
        if (amount >= 0)
            totals.clearedDeposits = saturatingAdd(totals.clearedDeposits, amount);
        else
            totals.clearedWithdrawals = saturatingAdd(totals.clearedWithdrawals, amount);
    }
    totals.clearedBalance =
        saturatingAdd(saturatingAdd(previousBalance, totals.clearedDeposits), totals.clearedWithdrawals);
    totals.difference = saturatingSub(statementBalance, totals.clearedBalance);
    return totals;
}

qint64 ReconciliationService::toMinorUnits(double value)
{
    const double cents = value * 100.0;
    // Beyond the range of qint64 (or not a number) llround has no answer.
    if (!(std::fabs(cents) < 9.2e18))
        return cents < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
    return std::llround(cents);
}

ReconciliationService::FinishResult ReconciliationService::finish(const QString& accountId, qint64 previousBalance,
                                                                  const QList<Transaction>& ticked,
                                                                  const QDate& statementDate,
                                                                  qint64 statementBalance, Reconciliation* stored)
{
    if (!liveAccount(accountId))
        return FinishResult::AccountGone;
    if (!m_database)
        return FinishResult::Failed;

    AtomicWrite unit(m_database->database(), QStringLiteral("reconciliation_finish"));
    QString error;
    if (!unit.begin(&error)) {
        qWarning().noquote() << "ReconciliationService::finish: cannot start a database transaction:" << error;
        return FinishResult::Failed;
    }

    // Everything is checked before anything is written, against the rows as
    // they are stored now: a row edited or reconciled elsewhere since the
    // list was read would otherwise be reconciled with a wrong balance.
    const std::optional<ReconciliationStart> now = start(accountId);
    if (!now || now->previousBalance != previousBalance)
        return FinishResult::Stale;
    QList<Transaction> rows;
    rows.reserve(ticked.size());
    qint64 reconciledBalance = previousBalance;
    for (const Transaction& shown : ticked) {
        const std::optional<Transaction> row = m_transactions->findById(shown.id);
        if (!row || row->deletedAt || row->accountId != accountId || row->reconciled || row->amount != shown.amount)
            return FinishResult::Stale;
        rows.append(*row);
        reconciledBalance = saturatingAdd(reconciledBalance, row->amount);
    }

    const QDateTime completedAt = QDateTime::currentDateTimeUtc();
    bool wroteRows = false;
    bool wroteReconciliation = false;
    // The views heard of the writes as they happened; after an undo they are
    // told again so they drop what is gone.
    auto fail = [&] {
        unit.rollback();
        if (wroteRows)
            emit m_transactions->transactionsChanged(accountId);
        if (wroteReconciliation)
            emit m_reconciliations->reconciliationsChanged();
        return FinishResult::Failed;
    };

    for (Transaction& row : rows) {
        row.cleared = true;
        row.reconciled = true;
        row.updatedAt = completedAt;
        row.syncStatus = SyncStatus::Pending;
        if (!m_transactions->update(row))
            return fail();
        wroteRows = true;
    }

    Reconciliation reconciliation;
    reconciliation.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    reconciliation.accountId = accountId;
    reconciliation.statementDate = statementDate;
    reconciliation.statementBalance = statementBalance;
    reconciliation.reconciledBalance = reconciledBalance;
    reconciliation.completedAt = completedAt;
    reconciliation.version = 1;
    reconciliation.syncStatus = SyncStatus::Pending;
    reconciliation.createdAt = completedAt;
    reconciliation.updatedAt = completedAt;
    if (!m_reconciliations->insert(reconciliation))
        return fail();
    wroteReconciliation = true;

    if (!unit.commit(&error)) {
        qWarning().noquote() << "ReconciliationService::finish: commit failed:" << error;
        return fail();
    }
    if (stored)
        *stored = reconciliation;
    return FinishResult::Finished;
}
