#include "ui/transactionactions.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <limits>
#include <optional>

const QString transferPayeePrefix = QStringLiteral("[Transfer] ");

namespace TransactionActions {

namespace {

qint64 magnitude(qint64 amount)
{
    if (amount == std::numeric_limits<qint64>::min())
        return std::numeric_limits<qint64>::max();
    return amount < 0 ? -amount : amount;
}

bool usable(AppState* appState)
{
    return appState && appState->transactionRepository() && appState->accountRepository()
           && appState->splitLineRepository();
}

void reportSaveFailure(QWidget* parent)
{
    MessageBoxes::warning(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                          QCoreApplication::translate("TransactionActions",
                                                      "The transaction could not be saved. Nothing was changed."));
}

// The writes of one action as an all-or-nothing unit. Views were told about
// each write as it happened; after an undo they are told again so that they
// drop what is gone.
class WriteUnit
{
public:
    explicit WriteUnit(AppState* appState)
        : m_appState(appState)
        , m_write(appState->database() ? appState->database()->database()
                                       : QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false),
                  QStringLiteral("transaction_actions"))
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
        qWarning().noquote() << "TransactionActions: cannot start a database transaction:" << error;
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
        qWarning().noquote() << "TransactionActions: commit failed:" << error;
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
        if (TransactionRepository* transactions = m_appState->transactionRepository()) {
            for (const QString& accountId : std::as_const(m_accounts))
                emit transactions->transactionsChanged(accountId);
        }
    }

    AppState* m_appState;
    AtomicWrite m_write;
    QStringList m_accounts;
};

// Writes the transaction and replaces its split lines, both or neither.
bool updateWithLines(AppState* appState, const Transaction& transaction, const QList<SplitLine>& lines)
{
    WriteUnit unit(appState);
    if (!unit.begin())
        return false;
    if (!appState->transactionRepository()->update(transaction))
        return false;
    unit.touched(transaction.accountId);
    if (!saveSplitLines(appState, transaction, lines))
        return false;
    return unit.commit();
}

} // namespace

bool confirmDelete(AppState* appState, const Transaction& transaction, QWidget* parent)
{
    if (!usable(appState) || transaction.id.isEmpty())
        return false;
    const QString amountText = formatAmount(magnitude(transaction.amount), CurrencyCode::USD);
    const bool transfer = !transaction.transferLinkId.isEmpty();
    const QString question =
        transfer ? QCoreApplication::translate("TransactionActions", "Delete transfer \"%1\" for %2?\n\n"
                                                                     "Both sides of the transfer will be deleted.")
                 : QCoreApplication::translate("TransactionActions", "Delete \"%1\" for %2?");
    const QString title = QCoreApplication::translate("TransactionActions", "Delete Transaction");
    if (MessageBoxes::question(parent, title, question.arg(transaction.payee, amountText), QMessageBox::NoButton)
        != QMessageBox::Yes)
        return false;

    TransactionRepository* transactions = appState->transactionRepository();
    auto fail = [parent, &title] {
        MessageBoxes::warning(parent, title,
                              QCoreApplication::translate(
                                  "TransactionActions", "The transaction could not be deleted. Nothing was changed."));
        return false;
    };
    WriteUnit unit(appState);
    if (!unit.begin())
        return fail();
    if (transfer) {
        // A side that is already gone (or was never stored) must not keep
        // this one alive.
        const std::optional<Transaction> other = transactions->findById(transaction.transferLinkId);
        if (other && !other->deletedAt) {
            if (!transactions->softDelete(other->id))
                return fail();
            unit.touched(other->accountId);
        }
    }
    if (!transactions->softDelete(transaction.id))
        return fail();
    unit.touched(transaction.accountId);
    if (!unit.commit())
        return fail();
    return true;
}

bool duplicate(AppState* appState, const Transaction& transaction, QWidget* parent)
{
    if (!usable(appState) || transaction.id.isEmpty())
        return false;
    Transaction copy = transaction;
    copy.date = QDate::currentDate();
    copy.checkNumber.clear();
    copy.cleared = false;
    copy.reconciled = false;
    if (!copy.transferLinkId.isEmpty() && !copy.transferDestAccountId.isEmpty()) {
        // Saving the prefix form books a new transfer; an account deleted
        // since leaves the stored payee and a plain transaction.
        const std::optional<Account> other = appState->accountRepository()->findById(copy.transferDestAccountId);
        if (other && !other->deletedAt)
            copy.payee = transferPayeePrefix + other->name;
    }
    copy.transferLinkId.clear();
    copy.transferDestAccountId.clear();
    // The copy keeps the original id only so the form can load its split
    // lines; the saved transaction gets a new one.
    return addTransaction(appState, copy.accountId, &copy, parent);
}

bool edit(AppState* appState, const Transaction& transaction, QWidget* parent)
{
    if (!usable(appState) || transaction.id.isEmpty())
        return false;
    TransactionFormDialog dialog(appState, transaction, parent);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return false;
    if (!updateWithLines(appState, dialog.transaction(), dialog.splitLines())) {
        reportSaveFailure(parent);
        return false;
    }
    return true;
}

bool editSplits(AppState* appState, const Transaction& transaction, QWidget* parent)
{
    if (!usable(appState) || transaction.id.isEmpty())
        return false;
    Transaction copy = transaction;
    const QList<SplitLine> stored = appState->splitLineRepository()->findByTransaction(copy.id);
    SplitEditorDialog dialog(appState, copy.amount, stored, parent);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return false;
    const QList<SplitLine> lines = dialog.lines();
    copy.isSplit = !lines.isEmpty();
    if (!lines.isEmpty())
        copy.categoryId.clear();
    copy.updatedAt = QDateTime::currentDateTimeUtc();
    copy.syncStatus = SyncStatus::Pending;
    if (!updateWithLines(appState, copy, lines)) {
        reportSaveFailure(parent);
        return false;
    }
    return true;
}

bool addTransaction(AppState* appState, const QString& accountId, const Transaction* seed, QWidget* parent)
{
    if (!usable(appState) || accountId.isEmpty())
        return false;
    TransactionFormDialog dialog(appState, accountId, parent);
    if (seed)
        dialog.loadTransaction(*seed);

    Transaction created;
    QString targetAccountId;
    QList<SplitLine> lines;
    const QString transferTitle = QCoreApplication::translate("TransactionActions", "Transfer");
    // A refused transfer sends the user back into the same form, with
    // everything entered still there.
    for (;;) {
        if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
            return false;
        created = dialog.transaction();
        lines = dialog.splitLines();
        targetAccountId.clear();
        const TransferCheck check = resolveTransfer(appState, accountId, created.payee, targetAccountId);
        if (check == TransferCheck::AccountNotFound) {
            MessageBoxes::warning(parent, transferTitle,
                                  QCoreApplication::translate("TransactionActions", "Transfer account not found"));
            continue;
        }
        if (check == TransferCheck::CurrencyMismatch) {
            const QString text = QCoreApplication::translate(
                "TransactionActions", "Transfers require both accounts to use the same currency");
            MessageBoxes::warning(parent, transferTitle, text);
            continue;
        }
        if (check == TransferCheck::Ok && !lines.isEmpty()) {
            MessageBoxes::warning(parent, transferTitle,
                                  QCoreApplication::translate("TransactionActions",
                                                              "A transfer can't be split across categories"));
            continue;
        }
        break;
    }

    std::optional<Transaction> counterpart;
    if (!targetAccountId.isEmpty())
        counterpart = makeTransferCounterpart(appState, created, targetAccountId);
    if (!insertTransaction(appState, created, counterpart ? &*counterpart : nullptr, lines)) {
        reportSaveFailure(parent);
        return false;
    }
    return true;
}

bool toggleCleared(AppState* appState, Transaction transaction, QWidget* parent)
{
    if (!usable(appState) || transaction.id.isEmpty() || transaction.reconciled)
        return false;
    transaction.cleared = !transaction.cleared;
    transaction.updatedAt = QDateTime::currentDateTimeUtc();
    transaction.syncStatus = SyncStatus::Pending;
    if (!appState->transactionRepository()->update(transaction)) {
        MessageBoxes::warning(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                              QCoreApplication::translate("TransactionActions",
                                                          "The cleared state could not be saved."));
        return false;
    }
    return true;
}

TransferCheck resolveTransfer(AppState* appState, const QString& sourceAccountId, QString& payee,
                              QString& targetAccountId)
{
    targetAccountId.clear();
    if (!payee.startsWith(transferPayeePrefix, Qt::CaseSensitive))
        return TransferCheck::NotTransfer;
    const QString name = payee.mid(transferPayeePrefix.size());
    if (!appState || !appState->accountRepository())
        return TransferCheck::AccountNotFound;
    AccountRepository* accounts = appState->accountRepository();

    const QList<Account> live = accounts->findAll();
    for (const Account& account : live) {
        if (account.name == name) {
            targetAccountId = account.id;
            break;
        }
    }
    if (targetAccountId.isEmpty())
        return TransferCheck::AccountNotFound;

    const std::optional<Account> source = accounts->findById(sourceAccountId);
    const std::optional<Account> target = accounts->findById(targetAccountId);
    if (source && target && source->currency != target->currency) {
        targetAccountId.clear();
        return TransferCheck::CurrencyMismatch;
    }
    payee = QStringLiteral("Transfer to %1").arg(name);
    return TransferCheck::Ok;
}

Transaction makeTransferCounterpart(AppState* appState, Transaction& source, const QString& targetAccountId)
{
    Transaction other;
    other.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    other.accountId = targetAccountId;
    other.date = source.date;
    // Callers pass the account on screen, which exists; should it not, the
    // raw id still names where the money came from.
    QString sourceName = source.accountId;
    if (appState && appState->accountRepository()) {
        if (const std::optional<Account> account = appState->accountRepository()->findById(source.accountId))
            sourceName = account->name;
    }
    other.payee = QStringLiteral("Transfer from %1").arg(sourceName);
    other.amount = source.amount == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                                       : -source.amount;
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

bool saveSplitLines(AppState* appState, const Transaction& transaction, const QList<SplitLine>& lines)
{
    if (!appState || !appState->splitLineRepository() || transaction.id.isEmpty())
        return false;
    return appState->splitLineRepository()->replaceForTransaction(transaction.id, lines);
}

bool insertTransaction(AppState* appState, const Transaction& transaction, const Transaction* counterpart,
                       const QList<SplitLine>& lines)
{
    if (!usable(appState))
        return false;
    TransactionRepository* transactions = appState->transactionRepository();
    WriteUnit unit(appState);
    if (!unit.begin())
        return false;
    if (counterpart) {
        if (!transactions->insert(*counterpart))
            return false;
        unit.touched(counterpart->accountId);
    }
    if (!transactions->insert(transaction))
        return false;
    unit.touched(transaction.accountId);
    if (!lines.isEmpty() && !saveSplitLines(appState, transaction, lines))
        return false;
    return unit.commit();
}

bool showDetails(AppState* appState, const Transaction& transaction, QWidget* parent)
{
    if (!usable(appState))
        return false;
    TransactionDetailsDialog dialog(appState, transaction, parent);
    MessageBoxes::exec(&dialog);
    if (dialog.wasDeleted())
        return true;
    const bool toggled = dialog.clearedChanged();
    if (!dialog.editRequested() && !dialog.duplicateRequested())
        return toggled;
    // The dialog may have changed the row (cleared), and the caller's list
    // may have moved since: act on the stored transaction of this id.
    const std::optional<Transaction> fresh =
        transaction.id.isEmpty() ? std::nullopt : appState->transactionRepository()->findById(transaction.id);
    if (!fresh || fresh->deletedAt) {
        MessageBoxes::information(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                                  QCoreApplication::translate("TransactionActions",
                                                              "This transaction no longer exists."));
        return toggled;
    }
    const bool done = dialog.editRequested() ? edit(appState, *fresh, parent) : duplicate(appState, *fresh, parent);
    return done || toggled;
}

} // namespace TransactionActions
