#include "services/transactionservice.h"

#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QUuid>

#include <limits>
#include <optional>

const QString transferPayeePrefix = QStringLiteral("[Transfer] ");

QString transferToPayee(const QString& accountName)
{
    return QStringLiteral("Transfer to %1").arg(accountName);
}

QString transferFromPayee(const QString& accountName)
{
    return QStringLiteral("Transfer from %1").arg(accountName);
}

namespace {

} // namespace

// The writes of one operation as an all-or-nothing unit. Views were told
// about each write as it happened; after an undo they are told again so that
// they drop what is gone.
class TransactionService::WriteUnit
{
public:
    explicit WriteUnit(const TransactionService* service)
        : m_transactions(service->m_transactions)
        , m_write(service->m_database ? service->m_database->database()
                                      : QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false),
                  QStringLiteral("transaction_service"))
    {
    }
    ~WriteUnit() { rollback(); }
    WriteUnit(const WriteUnit&) = delete;
    WriteUnit& operator=(const WriteUnit&) = delete;

    bool begin()
    {
        QString error;
        if (m_write.begin(&error))
            return true;
        qWarning().noquote() << "TransactionService: cannot start a database transaction:" << error;
        return false;
    }

    void touched(const QString& accountId)
    {
        if (!m_accounts.contains(accountId))
            m_accounts.append(accountId);
    }

    bool commit()
    {
        QString error;
        if (m_write.commit(&error))
            return true;
        qWarning().noquote() << "TransactionService: commit failed:" << error;
        announceUndo();
        return false;
    }

    void rollback()
    {
        if (!m_write.isActive())
            return;
        m_write.rollback();
        announceUndo();
    }

private:
    void announceUndo()
    {
        for (const QString& accountId : std::as_const(m_accounts))
            emit m_transactions->transactionsChanged(accountId);
    }

    TransactionRepository* m_transactions;
    AtomicWrite m_write;
    QStringList m_accounts;
};

TransactionService::TransactionService(Database* database, AccountRepository* accounts,
                                       TransactionRepository* transactions, SplitLineRepository* splitLines,
                                       QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_splitLines(splitLines)
{
}

TransferCheck TransactionService::resolveTransfer(const QString& sourceAccountId, QString& payee,
                                                  QString& targetAccountId) const
{
    targetAccountId.clear();
    if (!payee.startsWith(transferPayeePrefix, Qt::CaseSensitive))
        return TransferCheck::NotTransfer;
    const QString name = payee.mid(transferPayeePrefix.size());

    const QList<Account> live = m_accounts->findAll();
    for (const Account& account : live) {
        if (account.name == name) {
            targetAccountId = account.id;
            break;
        }
    }
    if (targetAccountId.isEmpty())
        return TransferCheck::AccountNotFound;

    const std::optional<Account> source = m_accounts->findById(sourceAccountId);
    const std::optional<Account> target = m_accounts->findById(targetAccountId);
    if (source && target && source->currency != target->currency) {
        targetAccountId.clear();
        return TransferCheck::CurrencyMismatch;
    }
    payee = transferToPayee(name);
    return TransferCheck::Ok;
}

Transaction TransactionService::makeTransferCounterpart(Transaction& source, const QString& targetAccountId) const
{
    Transaction other;
    other.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    other.accountId = targetAccountId;
    other.date = source.date;
    // Callers pass the account on screen, which exists; should it not, the
    // raw id still names where the money came from.
    QString sourceName = source.accountId;
    if (const std::optional<Account> account = m_accounts->findById(source.accountId))
        sourceName = account->name;
    other.payee = transferFromPayee(sourceName);
    other.amount = negatedAmount(source.amount);
    other.cleared = source.cleared;
    other.reconciled = source.reconciled;
    other.transferLinkId = source.id;
    other.transferDestAccountId = source.accountId;
    other.createdAt = source.createdAt;
    other.updatedAt = source.updatedAt;

    source.transferLinkId = other.id;
    source.transferDestAccountId = targetAccountId;
    return other;
}

bool TransactionService::insertTransaction(const Transaction& transaction, const Transaction* counterpart,
                                           const QList<SplitLine>& lines)
{
    WriteUnit unit(this);
    if (!unit.begin())
        return false;
    if (counterpart) {
        if (!m_transactions->insert(*counterpart))
            return false;
        unit.touched(counterpart->accountId);
    }
    if (!m_transactions->insert(transaction))
        return false;
    unit.touched(transaction.accountId);
    if (!lines.isEmpty() && !saveSplitLines(transaction, lines))
        return false;
    return unit.commit();
}

bool TransactionService::writeChanged(WriteUnit& unit, const Transaction& transaction)
{
    if (!m_transactions->update(transaction))
        return false;
    unit.touched(transaction.accountId);
    if (transaction.transferLinkId.isEmpty())
        return true;
    // The other side is re-read, so whatever else changed on it stays.
    std::optional<Transaction> other = m_transactions->findById(transaction.transferLinkId);
    if (!other || other->deletedAt)
        return true;
    const qint64 amount = negatedAmount(transaction.amount);
    if (other->amount == amount && other->date == transaction.date)
        return true;
    other->amount = amount;
    other->date = transaction.date;
    other->version += 1;
    other->updatedAt = QDateTime::currentDateTimeUtc();
    other->syncStatus = SyncStatus::Pending;
    if (!m_transactions->update(*other))
        return false;
    unit.touched(other->accountId);
    return true;
}

bool TransactionService::updateTransaction(const Transaction& transaction, const Transaction* newCounterpart)
{
    WriteUnit unit(this);
    if (!unit.begin())
        return false;
    if (newCounterpart) {
        if (!m_transactions->insert(*newCounterpart))
            return false;
        unit.touched(newCounterpart->accountId);
    }
    if (!writeChanged(unit, transaction))
        return false;
    return unit.commit();
}

bool TransactionService::updateWithLines(const Transaction& transaction, const QList<SplitLine>& lines)
{
    WriteUnit unit(this);
    if (!unit.begin())
        return false;
    if (!writeChanged(unit, transaction))
        return false;
    if (!saveSplitLines(transaction, lines))
        return false;
    return unit.commit();
}

bool TransactionService::saveSplitLines(const Transaction& transaction, const QList<SplitLine>& lines)
{
    if (transaction.id.isEmpty())
        return false;
    return m_splitLines->replaceForTransaction(transaction.id, lines);
}

bool TransactionService::deleteTransaction(const Transaction& transaction)
{
    if (transaction.id.isEmpty())
        return false;
    WriteUnit unit(this);
    if (!unit.begin())
        return false;
    if (!transaction.transferLinkId.isEmpty()) {
        // A side that is already gone (or was never stored) must not keep
        // this one alive.
        const std::optional<Transaction> other = m_transactions->findById(transaction.transferLinkId);
        if (other && !other->deletedAt) {
            if (!m_transactions->softDelete(other->id))
                return false;
            unit.touched(other->accountId);
        }
    }
    if (!m_transactions->softDelete(transaction.id))
        return false;
    unit.touched(transaction.accountId);
    return unit.commit();
}

TransactionService::ToggleResult TransactionService::toggleCleared(const QString& transactionId,
                                                                 ReconciledRows reconciled)
{
    if (transactionId.isEmpty())
        return ToggleResult::Refused;
    std::optional<Transaction> stored = m_transactions->findById(transactionId);
    if (!stored || stored->deletedAt || (stored->reconciled && reconciled == ReconciledRows::Refuse))
        return ToggleResult::Refused;
    stored->cleared = !stored->cleared;
    stored->updatedAt = QDateTime::currentDateTimeUtc();
    stored->syncStatus = SyncStatus::Pending;
    return m_transactions->update(*stored) ? ToggleResult::Toggled : ToggleResult::Failed;
}
