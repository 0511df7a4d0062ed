#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "services/categorylookup.h"
#include "services/transactionservice.h"
#include "ui/dialogs/formamount.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registereditors.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen_p.h"
#include "ui/register/registertableview.h"
#include "ui/transactionactions.h"

#include <QUuid>

#include <cmath>

// Saving the entry row or the row being edited: reading the buffers, the
// checks that refuse what would not be stored as typed, and the writes.

using namespace RegisterScreenPrivate;

QString RegisterScreen::readBufferAmount(qint64* amount, int* column) const
{
    const QString payment = m_model->paymentText.trimmed();
    const QString deposit = m_model->depositText.trimmed();
    // A payment wins over a deposit.
    *column = payment.isEmpty() && !deposit.isEmpty() ? int(RegisterModel::DepositColumn)
                                                      : int(RegisterModel::PaymentColumn);
    if (payment.isEmpty() && deposit.isEmpty())
        return tr("Enter a payment or deposit amount");
    const QString& text = payment.isEmpty() ? deposit : payment;
    const QString tooLarge =
        tr("Amounts can be at most %1").arg(formatAmountPlain(kLargestTypedAmount, CurrencyCode::USD));
    qint64 value = 0;
    if (!readEntryAmount(text, &value)) {
        // Digits beyond what a count of hundredths holds still make a number.
        bool number = false;
        const double parsed = QString(text).remove(QLatin1Char(',')).toDouble(&number);
        return number && std::isfinite(parsed) ? tooLarge : tr("\"%1\" is not an amount").arg(text);
    }
    *amount = payment.isEmpty() ? value : negatedAmount(value);
    // What the forms accept; a larger amount would not fit its cell.
    if (value > kLargestTypedAmount || value < -kLargestTypedAmount)
        return tooLarge;
    return QString();
}

QDate RegisterScreen::bufferDate() const
{
    return QDate::fromString(m_model->dateText.trimmed(), kDateFormat);
}

bool RegisterScreen::resolveBufferCategory(QString* id) const
{
    *id = m_model->categoryIdText;
    const QString text = m_model->categoryText.trimmed();
    if (!id->isEmpty() || text.isEmpty())
        return true;
    CategoryRepository* categories = appState->categoryRepository();
    *id = CategoryLookup::idForTypedText(categories ? categories->findAll() : QList<Category>(), text);
    return !id->isEmpty();
}

void RegisterScreen::refuseCommit(const QString& text, int row, int column)
{
    if (!text.isEmpty())
        showStatus(text, 3000);
    // Back on the field to correct, so the keyboard can go on at once; the
    // row's buffers stay as typed.
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (m_view->isColumnHidden(column))
        column = RegisterModel::DateColumn;
    m_view->setFocus(Qt::OtherFocusReason);
    openCell(m_model->index(row, column));
}

bool RegisterScreen::bufferChanged(int column) const
{
    const QString loaded = column < m_loadedBuffers.size() ? m_loadedBuffers.at(column) : QString();
    return m_model->editBuffer(column).trimmed() != loaded.trimmed();
}

void RegisterScreen::commitCurrentRow()
{
    if (accountId.isEmpty() || !m_model->showEntryRow)
        return;
    const bool isNew = !m_model->isEditingTransaction();
    // The opening-balance row is made from the account's starting balance;
    // there is nothing stored to change.
    if (!isNew && m_model->editingTransactionId().isEmpty())
        return;

    // 1. The open editor into the buffers, then no current cell (which
    // closes the editor).
    flushEditor();
    m_view->setCurrentIndex(QModelIndex());
    closeEditorWithoutSaving();
    const int row = isNew ? m_model->entryRowIndex() : m_model->editingRow;
    // A changed row takes only the fields the user changed; only those are
    // read, so a stored value typing could not produce stays as it is.
    const auto applies = [this, isNew](int column) { return isNew || bufferChanged(column); };

    EntryValues values;
    // 2. Payee.
    values.payee = m_model->payeeText.trimmed();
    if (values.payee.isEmpty()) {
        refuseCommit(tr("Payee is required"), row, RegisterModel::PayeeColumn);
        return;
    }
    // 3. Amount.
    if (applies(RegisterModel::PaymentColumn) || applies(RegisterModel::DepositColumn)) {
        int column = RegisterModel::PaymentColumn;
        const QString problem = readBufferAmount(&values.amount, &column);
        if (!problem.isEmpty()) {
            refuseCommit(problem, row, column);
            return;
        }
    }
    // 4. Date: one that does not exist is refused, never replaced.
    if (applies(RegisterModel::DateColumn)) {
        values.date = bufferDate();
        if (!values.date.isValid()) {
            refuseCommit(tr("Enter a date that exists, such as %1").arg(QDate::currentDate().toString(kDateFormat)),
                         row, RegisterModel::DateColumn);
            return;
        }
    }
    // 5. Category: typed text that names none is refused, never dropped.
    if ((applies(RegisterModel::CategoryColumn) || m_model->categoryIdText != m_loadedCategoryId)
        && !resolveBufferCategory(&values.categoryId)) {
        // A name several categories share is no unknown name: say what to type.
        const QString typed = m_model->categoryText.trimmed();
        CategoryRepository* categories = appState->categoryRepository();
        const QString shared =
            CategoryLookup::sharedNameRefusal(categories ? categories->findAll() : QList<Category>(), typed);
        refuseCommit(shared.isEmpty() ? tr("No category is named \"%1\"").arg(typed) : shared, row,
                     RegisterModel::CategoryColumn);
        return;
    }
    // 6.
    const QString clr = m_model->clearedText.trimmed().toUpper();
    values.reconciled = clr == QLatin1String("R");
    values.cleared = values.reconciled || clr == QLatin1String("C");
    values.checkNumber = m_model->checkNumberText.trimmed();
    values.memo = m_model->memoText.trimmed();

    // 8. Transfers, when the payee is written.
    if (applies(RegisterModel::PayeeColumn)) {
        const TransferCheck check =
            TransactionActions::resolveTransfer(appState, accountId, values.payee, values.targetAccountId);
        const QString refusal = TransactionActions::transferRefusal(check, false);
        // Not a typing slip like the others: the currency refusal stays
        // longer, on the window's status bar.
        if (check == TransferCheck::CurrencyMismatch) {
            emit errorMessage(refusal);
            refuseCommit(QString(), row, RegisterModel::PayeeColumn);
            return;
        }
        if (!refusal.isEmpty()) {
            refuseCommit(refusal, row, RegisterModel::PayeeColumn);
            return;
        }
    }

    if (isNew)
        commitNewRow(values, row);
    else
        commitChangedRow(values, row);
}

void RegisterScreen::commitNewRow(const EntryValues& values, int row)
{
    // 9. A new transaction; a transfer's other side is written with it as
    // one unit.
    TransactionService* writer = appState->transactionService();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Transaction created;
    created.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    created.accountId = accountId;
    created.date = values.date;
    created.payee = values.payee;
    created.checkNumber = values.checkNumber;
    created.memo = values.memo;
    created.amount = values.amount;
    created.categoryId = values.categoryId;
    created.cleared = values.cleared;
    created.reconciled = values.reconciled;
    created.createdAt = now;
    created.updatedAt = now;
    std::optional<Transaction> counterpart;
    if (!values.targetAccountId.isEmpty())
        counterpart = TransactionActions::makeTransferCounterpart(appState, created, values.targetAccountId);
    if (!writer->insertTransaction(created, counterpart ? &*counterpart : nullptr, {})) {
        emit errorMessage(tr("The transaction could not be saved."));
        refuseCommit(QString(), row, RegisterModel::DateColumn);
        return;
    }
    if (filter.isActive() && !filter.matches(created))
        showStatus(tr("Saved. It isn't listed because of the current filter."), 4000);
    m_model->setLastEntryDate(values.date.toString(kDateFormat));
    m_model->clearEntryRow();
    reload();
    focusEntryRow();
}

void RegisterScreen::commitChangedRow(const EntryValues& values, int row)
{
    // 10. The stored row, re-read, takes only the fields the user changed,
    // so a change pulled by sync meanwhile to another field is kept.
    TransactionRepository* transactions = appState->transactionRepository();
    const std::optional<Transaction> stored = transactions->findById(m_model->editingTransactionId());
    // An update of a row that is gone would match nothing and fail no
    // write: said here, and the row stays as typed.
    if (!stored || stored->deletedAt) {
        refuseCommit(tr("This transaction no longer exists. Nothing was saved."), row, RegisterModel::DateColumn);
        return;
    }
    Transaction updated = *stored;
    if (bufferChanged(RegisterModel::DateColumn))
        updated.date = values.date;
    if (bufferChanged(RegisterModel::CheckNumberColumn))
        updated.checkNumber = values.checkNumber;
    if (bufferChanged(RegisterModel::PayeeColumn))
        updated.payee = values.payee;
    if (bufferChanged(RegisterModel::CategoryColumn) || m_model->categoryIdText != m_loadedCategoryId)
        updated.categoryId = values.categoryId;
    if (bufferChanged(RegisterModel::MemoColumn))
        updated.memo = values.memo;
    if (bufferChanged(RegisterModel::PaymentColumn) || bufferChanged(RegisterModel::DepositColumn))
        updated.amount = values.amount;
    if (bufferChanged(RegisterModel::ClearedColumn)) {
        updated.cleared = values.cleared;
        updated.reconciled = values.reconciled;
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    updated.version = stored->version + 1;
    updated.updatedAt = now;
    updated.syncStatus = SyncStatus::Pending;

    // A payee naming another account makes the row a real transfer: its
    // other side is written with it, as for a new entry.
    TransactionService* writer = appState->transactionService();
    std::optional<Transaction> counterpart;
    if (!values.targetAccountId.isEmpty()) {
        if (updated.isSplit) {
            refuseCommit(TransactionActions::transferRefusal(TransferCheck::Ok, true), row, RegisterModel::PayeeColumn);
            return;
        }
        if (updated.transferLinkId.isEmpty()) {
            counterpart = TransactionActions::makeTransferCounterpart(appState, updated, values.targetAccountId);
            counterpart->createdAt = counterpart->updatedAt = now;
        } else if (updated.transferDestAccountId != values.targetAccountId) {
            refuseCommit(tr("This transaction is already a transfer to another account"), row,
                         RegisterModel::PayeeColumn);
            return;
        }
    }
    // A transfer's other side follows its amount and date.
    if (!writer->updateTransaction(updated, counterpart ? &*counterpart : nullptr)) {
        emit errorMessage(tr("The transaction could not be saved."));
        refuseCommit(QString(), row, RegisterModel::DateColumn);
        return;
    }
    const int nextRow = row + 1;
    abandonEditing();
    m_model->clearEntryRow();
    reload();
    if (nextRow >= 0 && nextRow < m_model->rowCount())
        m_view->setCurrentIndex(m_model->index(nextRow, RegisterModel::DateColumn));
}

bool RegisterScreen::hasUnsavedEntry()
{
    if (accountId.isEmpty() || !m_model->showEntryRow)
        return false;
    flushEditor();
    if (m_model->isEditingTransaction()) {
        // The opening-balance row has nothing stored to change.
        if (m_model->editingTransactionId().isEmpty())
            return false;
        for (int column = 0; column <= RegisterModel::ClearedColumn; ++column) {
            if (bufferChanged(column))
                return true;
        }
        return m_model->categoryIdText != m_loadedCategoryId;
    }
    // A fresh entry row holds only its date.
    for (int column = RegisterModel::CheckNumberColumn; column <= RegisterModel::ClearedColumn; ++column) {
        if (!m_model->editBuffer(column).trimmed().isEmpty())
            return true;
    }
    return false;
}

bool RegisterScreen::settleUnsavedEntry()
{
    if (!hasUnsavedEntry())
        return true;
    MessageBoxes::Request request;
    request.icon = QMessageBox::Question;
    request.parent = this;
    request.title = tr("Unsaved Transaction");
    request.text = tr("Save the transaction you were entering?");
    request.buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    request.defaultButton = QMessageBox::Save;
    switch (MessageBoxes::show(request)) {
    case QMessageBox::Save:
        commitCurrentRow();
        // A refused commit keeps the row as typed, with its message shown.
        return !hasUnsavedEntry();
    case QMessageBox::Discard:
        discardUnsavedEntry();
        return true;
    default:
        return false;
    }
}

void RegisterScreen::discardUnsavedEntry()
{
    abandonEditing();
    m_model->clearEntryRow();
    m_view->viewport()->update();
}
