#include "ui/transactionactions.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/renamedids.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"

#include <QCoreApplication>

#include <limits>
#include <optional>

namespace TransactionActions {

namespace {

TransactionService* service(AppState* appState)
{
    return appState ? appState->transactionService() : nullptr;
}

bool usable(AppState* appState)
{
    return service(appState) != nullptr;
}

void reportSaveFailure(QWidget* parent)
{
    MessageBoxes::warning(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                          QCoreApplication::translate("TransactionActions",
                                                      "The transaction could not be saved. Nothing was changed."));
}

// An update of a row that is gone matches nothing and fails no write: the
// editors look first, and say so.
bool stillStored(AppState* appState, const QString& id, QWidget* parent)
{
    const std::optional<Transaction> stored = appState->transactionRepository()->findById(id);
    if (stored && !stored->deletedAt)
        return true;
    MessageBoxes::warning(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                          QCoreApplication::translate("TransactionActions",
                                                      "This transaction no longer exists. Nothing was saved."));
    return false;
}

} // namespace

bool confirmDelete(AppState* appState, const Transaction& transaction, QWidget* parent)
{
    if (!usable(appState) || transaction.id.isEmpty())
        return false;
    const QString amountText = formatAmount(amountMagnitude(transaction.amount), CurrencyCode::USD);
    const bool transfer = !transaction.transferLinkId.isEmpty();
    const QString question =
        transfer ? QCoreApplication::translate("TransactionActions", "Delete transfer \"%1\" for %2?\n\n"
                                                                     "Both sides of the transfer will be deleted.")
                 : QCoreApplication::translate("TransactionActions", "Delete \"%1\" for %2?");
    const QString title = QCoreApplication::translate("TransactionActions", "Delete Transaction");
    // No has the focus: a second Enter must never delete.
    if (MessageBoxes::question(parent, title, question.arg(transaction.payee, amountText), QMessageBox::No)
        != QMessageBox::Yes)
        return false;

    if (service(appState)->deleteTransaction(transaction))
        return true;
    MessageBoxes::warning(parent, title,
                          QCoreApplication::translate("TransactionActions",
                                                      "The transaction could not be deleted. Nothing was changed."));
    return false;
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
    Transaction edited;
    // The form follows ids a sync renames while it is open; a row gone all
    // the same is said, and the form comes back with what was typed.
    do {
        if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
            return false;
        edited = dialog.transaction();
    } while (!stillStored(appState, edited.id, parent));
    if (!service(appState)->updateWithLines(edited, dialog.splitLines())) {
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
    // The copy is written back whole, so it follows a sync's renames too.
    followRenamedIds(appState, &dialog, copy);
    do {
        if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
            return false;
    } while (!stillStored(appState, copy.id, parent));
    const QList<SplitLine> lines = dialog.lines();
    copy.isSplit = !lines.isEmpty();
    if (!lines.isEmpty())
        copy.categoryId.clear();
    copy.updatedAt = QDateTime::currentDateTimeUtc();
    copy.syncStatus = SyncStatus::Pending;
    if (!service(appState)->updateWithLines(copy, lines)) {
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
        // Deleted on another device while the form was open: a row stored
        // there would be hidden from every register.
        const std::optional<Account> account = appState->accountRepository()->findById(created.accountId);
        if (!account || account->deletedAt) {
            MessageBoxes::warning(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                                  QCoreApplication::translate("TransactionActions",
                                                              "This account no longer exists. Nothing was saved."));
            continue;
        }
        targetAccountId.clear();
        // The form's account: under its new id when a sync renamed it.
        const QString refusal = transferRefusal(
            resolveTransfer(appState, created.accountId, created.payee, targetAccountId), !lines.isEmpty());
        if (!refusal.isEmpty()) {
            MessageBoxes::warning(parent, transferTitle, refusal);
            continue;
        }
        break;
    }

    std::optional<Transaction> counterpart;
    if (!targetAccountId.isEmpty())
        counterpart = makeTransferCounterpart(appState, created, targetAccountId);
    if (!service(appState)->insertTransaction(created, counterpart ? &*counterpart : nullptr, lines)) {
        reportSaveFailure(parent);
        return false;
    }
    return true;
}

bool toggleCleared(AppState* appState, Transaction transaction, QWidget* parent,
                   TransactionService::ReconciledRows reconciled)
{
    if (!usable(appState))
        return false;
    switch (service(appState)->toggleCleared(transaction.id, reconciled)) {
    case TransactionService::ToggleResult::Toggled:
        return true;
    case TransactionService::ToggleResult::Refused:
        return false;
    case TransactionService::ToggleResult::Failed:
        break;
    }
    MessageBoxes::warning(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                          QCoreApplication::translate("TransactionActions", "The cleared state could not be saved."));
    return false;
}

TransferCheck resolveTransfer(AppState* appState, const QString& sourceAccountId, QString& payee,
                              QString& targetAccountId)
{
    if (!usable(appState)) {
        targetAccountId.clear();
        return payee.startsWith(transferPayeePrefix, Qt::CaseSensitive) ? TransferCheck::AccountNotFound
                                                                        : TransferCheck::NotTransfer;
    }
    return service(appState)->resolveTransfer(sourceAccountId, payee, targetAccountId);
}

QString transferRefusal(TransferCheck check, bool split)
{
    switch (check) {
    case TransferCheck::AccountNotFound:
        return QCoreApplication::translate("TransactionActions", "Transfer account not found");
    case TransferCheck::CurrencyMismatch:
        return QCoreApplication::translate("TransactionActions",
                                           "Transfers require both accounts to use the same currency");
    case TransferCheck::Ok:
        return split ? QCoreApplication::translate("TransactionActions", "A transfer can't be split across categories")
                     : QString();
    case TransferCheck::NotTransfer:
        break;
    }
    return QString();
}

Transaction makeTransferCounterpart(AppState* appState, Transaction& source, const QString& targetAccountId)
{
    return service(appState)->makeTransferCounterpart(source, targetAccountId);
}

bool saveSplitLines(AppState* appState, const Transaction& transaction, const QList<SplitLine>& lines)
{
    return usable(appState) && service(appState)->saveSplitLines(transaction, lines);
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
    // may have moved since: act on the stored transaction of this id, which
    // the dialog followed through a sync's renames.
    const QString id = dialog.transaction().id;
    const std::optional<Transaction> fresh =
        id.isEmpty() ? std::nullopt : appState->transactionRepository()->findById(id);
    if (!fresh || fresh->deletedAt) {
        MessageBoxes::information(parent, QCoreApplication::translate("TransactionActions", "Transaction"),
                                  QCoreApplication::translate("TransactionActions",
                                                              "This transaction no longer exists."));
        return toggled;
    }
    const bool done = dialog.editRequested() ? edit(appState, *fresh, parent) : duplicate(appState, *fresh, parent);
    return done || toggled;
}

void followRenamedIds(AppState* appState, QObject* context, Transaction& transaction)
{
    if (SyncEngine* engine = appState ? appState->syncEngine() : nullptr) {
        QObject::connect(engine, &SyncEngine::idsRenamed, context,
                         [&transaction](const QString& table, const QHash<QString, QString>& renamed) {
                             RenamedIds::follow(transaction, table, renamed);
                         });
    }
}

} // namespace TransactionActions
