#pragma once

#include "data/records.h"

#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class Database;
class SplitLineRepository;
class TransactionRepository;

// The payee of a transfer being entered: this prefix, then the exact name
// of the other account.
extern const QString transferPayeePrefix;

// The stored payees of a saved transfer, each side naming the other
// account: "Transfer to <account>" where the money leaves, "Transfer from
// <account>" where it arrives. Stored data, so never translated: every
// installation writes and recognises the same text whatever its language.
QString transferToPayee(const QString& accountName);
QString transferFromPayee(const QString& accountName);

// Result of TransactionService::resolveTransfer.
enum class TransferCheck : int {
    NotTransfer = 0,      // the payee does not start with the prefix
    Ok = 1,               // target found and usable; the payee was rewritten
    AccountNotFound = 2,  // no live account has the name after the prefix
    CurrencyMismatch = 3, // both accounts exist and their currencies differ
};

// The writes behind the operations on one transaction: a transaction with
// its split lines, a transfer's two legs, the delete of both legs and the
// cleared toggle. Each is one all-or-nothing unit (a savepoint inside a
// transaction someone else holds); views that saw a write of an undone unit
// are told again, so they drop what is gone. No dialogs: callers ask and
// report.
class TransactionService : public QObject
{
    Q_OBJECT
public:
    TransactionService(Database* database, AccountRepository* accounts, TransactionRepository* transactions,
                       SplitLineRepository* splitLines, QObject* parent = nullptr);

    // Reads a "[Transfer] <account>" payee: finds the target account (first
    // exact name in account order) and rewrites the payee to "Transfer to %1".
    TransferCheck resolveTransfer(const QString& sourceAccountId, QString& payee, QString& targetAccountId) const;
    // Builds the other side of a transfer (not stored) and links `source` to
    // it. Store them together with insertTransaction.
    Transaction makeTransferCounterpart(Transaction& source, const QString& targetAccountId) const;

    // Stores a new transaction with, when given, the other side of its
    // transfer (written first) and its split lines.
    bool insertTransaction(const Transaction& transaction, const Transaction* counterpart,
                           const QList<SplitLine>& lines);
    // Writes a changed transaction. A transfer's other side takes the
    // negated amount and the date with it, so the two accounts agree; a
    // plain transaction just made a transfer brings its new other side
    // (from makeTransferCounterpart), written first. One unit.
    bool updateTransaction(const Transaction& transaction, const Transaction* newCounterpart = nullptr);
    // As updateTransaction, and replaces the split lines, all or nothing.
    bool updateWithLines(const Transaction& transaction, const QList<SplitLine>& lines);
    // Replaces the stored split lines; when any line fails the old ones stay.
    bool saveSplitLines(const Transaction& transaction, const QList<SplitLine>& lines);
    // Soft-deletes the transaction and, for a transfer, its other side when
    // that is still there.
    bool deleteTransaction(const Transaction& transaction);
    enum class ToggleResult { Toggled, Refused, Failed };
    // Whether the cleared flag of a reconciled row may be flipped: the Clr
    // cell refuses, the row menu's Mark Uncleared is the way back for a row
    // cleared by mistake (its reconciled flag stays).
    enum class ReconciledRows { Refuse, Flip };
    // Inverts the cleared flag of the stored row of that id, so a change made
    // since the caller read it is not written over. Refused (nothing
    // written) when the row is gone, or reconciled unless `reconciled` is
    // Flip.
    ToggleResult toggleCleared(const QString& transactionId, ReconciledRows reconciled = ReconciledRows::Refuse);

private:
    class WriteUnit;
    // The transaction, then its transfer's other side brought in step.
    bool writeChanged(WriteUnit& unit, const Transaction& transaction);

    Database* m_database;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    SplitLineRepository* m_splitLines;
};
