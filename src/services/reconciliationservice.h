#pragma once

#include "data/records.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

class AccountRepository;
class Database;
class ReconciliationRepository;
class TransactionRepository;

// Where a reconciliation of one account starts.
struct ReconciliationStart
{
    Account account;
    // The starting balance plus every live reconciled transaction.
    qint64 previousBalance = 0;
    // One month after the newest statement, or after the newest reconciled
    // transaction when that is later; none when there is neither.
    std::optional<QDate> proposedStatementDate;
};

// The ticked transactions summed against the statement, in minor units.
struct ReconciliationTotals
{
    qint64 clearedDeposits = 0;
    qint64 clearedWithdrawals = 0; // zero or negative
    qint64 clearedBalance = 0;
    qint64 difference = 0; // statement balance minus cleared balance
};

// The arithmetic and the write behind reconciling an account against a bank
// statement. No dialogs: the screen asks and reports.
class ReconciliationService
{
public:
    ReconciliationService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                          ReconciliationRepository* reconciliations);

    // Empty when the account does not exist or is deleted.
    std::optional<ReconciliationStart> start(const QString& accountId) const;

    static ReconciliationTotals totals(qint64 previousBalance, const QList<qint64>& tickedAmounts,
                                       qint64 statementBalance);
    // A field value in major units as minor units, half away from zero, so
    // 0.29 is 29 cents and never 28.
    static qint64 toMinorUnits(double value);

    enum class FinishResult {
        Finished,
        // A ticked row is gone, moved, reconciled or has another amount, or
        // the previous balance moved, since the caller read them.
        Stale,
        AccountGone,
        Failed,
    };
    // Marks every ticked transaction cleared and reconciled and records the
    // reconciliation, all or nothing. Each row is re-read by id and only its
    // cleared and reconciled flags, change time and sync status are written.
    // `ticked` holds the rows as the caller showed them; `previousBalance`
    // is the one it showed. On Finished, `stored` (when given) receives the
    // reconciliation row.
    FinishResult finish(const QString& accountId, qint64 previousBalance, const QList<Transaction>& ticked,
                        const QDate& statementDate, qint64 statementBalance, Reconciliation* stored = nullptr);

private:
    std::optional<Account> liveAccount(const QString& accountId) const;

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    ReconciliationRepository* m_reconciliations;
};
