#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registereditors.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen_p.h"
#include "ui/register/registertableview.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/transactionactions.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QTimer>

#include <algorithm>

// The register's entry: the cell editors and the edit buffers, field moves,
// the row commands and the dialogs for new rows. Saving a row is in
// registercommit.cpp.

using namespace RegisterScreenPrivate;

// ---- Editors and field moves ----------------------------------------------

void RegisterScreen::closeEditorWithoutSaving()
{
    if (!editorOpen(m_view))
        return;
    // Closing through the delegate's signal drops the editor's text; the
    // view removes its event filter before the editor loses focus, so
    // nothing is written back.
    if (QWidget* editor = m_view->indexWidget(m_view->currentIndex()))
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    // An editor away from the current cell: a view reset drops them all.
    if (editorOpen(m_view)) {
        const QModelIndex current = m_view->currentIndex();
        m_view->reset();
        if (current.isValid())
            m_view->setCurrentIndex(current);
    }
}

void RegisterScreen::abandonEditing()
{
    closeEditorWithoutSaving();
    if (m_model->editingRow >= 0)
        m_model->setEditingRow(-1);
    m_loadedBuffers.clear();
}

QWidget* RegisterScreen::currentEditor() const
{
    if (!editorOpen(m_view))
        return nullptr;
    const QModelIndex current = m_view->currentIndex();
    return current.isValid() ? m_view->indexWidget(current) : nullptr;
}

void RegisterScreen::flushEditor()
{
    QWidget* editor = currentEditor();
    if (!editor)
        return;
    // The delegate resolves the category combo's id from its text, so a
    // typed name never keeps the id of the item shown before.
    m_delegate->setModelData(editor, m_model, m_view->currentIndex());
    if (editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
        m_view->setFocus(Qt::OtherFocusReason);
        emit m_delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RegisterScreen::finishEditing()
{
    flushEditor();
    closeEditorWithoutSaving();
}

void RegisterScreen::openCell(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (m_view->currentIndex() != index)
        m_view->setCurrentIndex(index);
    // Editing an uneditable cell, or a second cell while one is open, only
    // makes the view complain.
    if ((index.flags() & Qt::ItemIsEditable) && !editorOpen(m_view))
        m_view->edit(index);
}

void RegisterScreen::moveToField(bool forward, bool commitAtEnd)
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    const int column = current.column();
    flushEditor();

    const auto visible = [this](int c) { return !m_view->isColumnHidden(c); };
    int target = -1;
    if (forward) {
        const int from = column >= RegisterModel::BalanceColumn ? 0 : column + 1;
        for (int c = from; c <= RegisterModel::ClearedColumn && target < 0; ++c) {
            if (visible(c))
                target = c;
        }
        if (target < 0) {
            if (commitAtEnd)
                commitCurrentRow();
            return;
        }
    } else {
        if (column >= RegisterModel::BalanceColumn && !commitAtEnd)
            return;
        const int from = column >= RegisterModel::BalanceColumn ? int(RegisterModel::ClearedColumn) : column - 1;
        for (int c = from; c >= 0 && target < 0; --c) {
            if (visible(c))
                target = c;
        }
        if (target < 0)
            return;
    }

    const QModelIndex next = m_model->index(row, target);
    // Same row: the row-change handler has nothing to do, and the view
    // writes back and closes the editor it leaves.
    m_view->setCurrentIndex(next);
    m_view->scrollTo(next);
    openCell(next);
    if (!forward && target == RegisterModel::PayeeColumn) {
        QWidget* editor = currentEditor();
        if (editor && editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
            if (auto* memo = editor->findChild<QWidget*>(QLatin1String(MemoEditName)))
                memo->setFocus(Qt::OtherFocusReason);
        }
    }
}

void RegisterScreen::advanceToNextField()
{
    moveToField(true, true);
}

void RegisterScreen::advanceToPreviousField()
{
    moveToField(false, true);
}

void RegisterScreen::tabToNextField()
{
    moveToField(true, false);
}

void RegisterScreen::tabToPreviousField()
{
    moveToField(false, false);
}

// ---- Rows in the buffers --------------------------------------------------

void RegisterScreen::rememberLoadedBuffers()
{
    m_loadedBuffers.clear();
    for (int column = 0; column <= RegisterModel::ClearedColumn; ++column)
        m_loadedBuffers.append(m_model->editBuffer(column));
    m_loadedCategoryId = m_model->categoryIdText;
}

RegisterScreen::TypedEdit RegisterScreen::typedEdit() const
{
    TypedEdit edit;
    edit.transactionRow = m_model->isEditingTransaction();
    edit.transactionId = m_model->editingTransactionId();
    for (int column = 0; column <= RegisterModel::ClearedColumn; ++column)
        edit.buffers.append(m_model->editBuffer(column));
    edit.categoryId = m_model->categoryIdText;
    edit.loaded = m_loadedBuffers;
    edit.loadedCategoryId = m_loadedCategoryId;
    return edit;
}

void RegisterScreen::restoreTypedEdit(const TypedEdit& edit)
{
    if (!edit.transactionRow) {
        for (int column = 0; column < edit.buffers.size(); ++column)
            m_model->setEditBuffer(column, edit.buffers.at(column));
        m_model->setCategoryId(edit.categoryId);
        return;
    }
    // A transaction gone meanwhile takes its unsaved changes with it.
    const int row = rowOfTransaction(edit.transactionId);
    if (row < 0)
        return;
    startEditingRow(row);
    for (int column = 0; column < edit.buffers.size() && column < edit.loaded.size(); ++column) {
        if (edit.buffers.at(column) != edit.loaded.at(column))
            m_model->setEditBuffer(column, edit.buffers.at(column));
    }
    if (edit.categoryId != edit.loadedCategoryId)
        m_model->setCategoryId(edit.categoryId);
}

std::optional<RegisterRow> RegisterScreen::goneEditedRow(const QList<RegisterRow>& stored)
{
    m_keptGoneId.clear();
    if (!m_model->isEditingTransaction() || !hasUnsavedEntry())
        return std::nullopt;
    const QString id = m_model->editingTransactionId();
    const RegisterRow* shown = m_model->tryEntryAt(m_model->editingRow);
    if (!shown || std::any_of(stored.cbegin(), stored.cend(), [&id](const RegisterRow& row) { return row.id == id; }))
        return std::nullopt;
    m_keptGoneId = id;
    return *shown;
}

void RegisterScreen::startEditingRow(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    const auto repaint = [this](int r) {
        if (r >= 0 && r < m_model->rowCount())
            emit m_model->dataChanged(m_model->index(r, 0), m_model->index(r, RegisterModel::ColumnCount - 1));
    };

    if (m_model->isEntryRow(row)) {
        if (m_model->isEditingTransaction() || m_model->editingRow >= 0) {
            m_model->clearEntryRow();
            m_model->setEditingRow(-1);
            repaint(row);
        }
        m_loadedBuffers.clear();
        return;
    }
    if (m_model->isEditingTransaction() && row == m_model->editingRow)
        return;
    const RegisterRow* found = m_model->tryEntryAt(row);
    if (!found)
        return;
    const RegisterRow copy = *found;
    const bool entryWasBuffered = !m_model->isEditingTransaction();
    m_model->loadRowIntoBuffers(copy, copy.categoryName);
    m_model->setEditingRow(row);
    rememberLoadedBuffers();
    // The entry row goes blank while another row holds the buffers.
    if (entryWasBuffered)
        repaint(m_model->entryRowIndex());
}

void RegisterScreen::onCurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (!current.isValid())
        return;
    if (previous.isValid() && previous.row() == current.row())
        return;
    startEditingRow(current.row());
    if (!m_keptGoneId.isEmpty() && m_model->editingTransactionId() != m_keptGoneId) {
        m_keptGoneId.clear();
        QTimer::singleShot(0, this, &RegisterScreen::reload);
    }
}

void RegisterScreen::onClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (index.column() == RegisterModel::ClearedColumn) {
        toggleCleared(index.row());
        return;
    }
    startEditingRow(index.row());
    if (index.column() == RegisterModel::BalanceColumn)
        return;
    // Split rows' category and amounts are not editable; openCell skips them.
    openCell(index);
}

void RegisterScreen::onDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || m_model->isEntryRow(index.row()))
        return;
    const RegisterRow* row = m_model->tryEntryAt(index.row());
    if (row && row->isSplit)
        editTransaction(index.row());
}

// ---- Row commands -----------------------------------------------------------

const RegisterRow* RegisterScreen::transactionRow(int row) const
{
    if (row < 0 || row >= m_model->rowCount() || m_model->isEntryRow(row))
        return nullptr;
    const RegisterRow* found = m_model->tryEntryAt(row);
    if (!found || found->id.isEmpty())
        return nullptr;
    return found;
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    if (!m_model->isEntryRow(row)) {
        deleteTransaction(row);
        return;
    }
    closeEditorWithoutSaving();
    if (m_model->isEditingTransaction())
        m_model->setEditingRow(-1);
    m_model->clearEntryRow();
    m_loadedBuffers.clear();
    emit m_model->dataChanged(m_model->index(row, 0), m_model->index(row, RegisterModel::ColumnCount - 1));
    openCell(m_model->index(row, RegisterModel::DateColumn));
    showStatus(tr("Fields cleared"), 3000);
}

void RegisterScreen::deleteTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::confirmDelete(appState, transaction, this)) {
        discardEditOfDeleted(transaction.id);
        reload();
    }
}

void RegisterScreen::duplicateTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::duplicate(appState, transaction, this)) {
        reload();
        focusEntryRow();
    }
}

void RegisterScreen::editTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::edit(appState, transaction, this))
        reload();
}

void RegisterScreen::showTransactionDetails(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    TransactionActions::showDetails(appState, transaction, this);
    discardEditOfDeleted(transaction.id);
    reload();
}

void RegisterScreen::discardEditOfDeleted(const QString& id)
{
    if (m_model->editingTransactionId() != id)
        return;
    const std::optional<Transaction> stored = appState->transactionRepository()->findById(id);
    if (!stored || stored->deletedAt)
        discardUnsavedEntry();
}

void RegisterScreen::editSplits(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::editSplits(appState, transaction, this))
        reload();
}

void RegisterScreen::memorizeTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    if (!found->date.isValid() || found->date.year() < 2000) {
        showStatus(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = found->accountId;
    seed.payee = found->payee;
    seed.memo = found->memo;
    seed.amount = found->amount;
    seed.categoryId = found->categoryId;
    seed.transferDestAccountId = found->transferDestAccountId;
    seed.frequency = RecurringFrequency::Monthly;
    seed.startDate = found->date;
    seed.nextDueDate = found->date;
    seed.isActive = true;
    finishEditing();

    RecurringFormDialog* dialog = RecurringFormDialog::createFromSeed(appState, seed, this);
    if (MessageBoxes::exec(dialog) == QDialog::Accepted) {
        RecurringTransaction recurring = dialog->recurring();
        recurring.updatedAt = recurring.createdAt;
        RecurringRepository* repository = appState->recurringRepository();
        if (repository && repository->insert(recurring))
            showStatus(tr("Transaction memorized as recurring"), 3000);
        else
            emit errorMessage(tr("The recurring transaction could not be saved."));
    }
    dialog->deleteLater();
}

void RegisterScreen::toggleCleared(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    if (m_model->isEntryRow(row)) {
        // Only while the entry row holds the buffers; otherwise they belong
        // to the transaction being edited.
        if (!m_model->isBufferedEntryRow(row))
            return;
        const bool isCleared = m_model->clearedText.trimmed().toUpper() == QLatin1String("C");
        m_model->setEditBuffer(RegisterModel::ClearedColumn, isCleared ? QString() : QStringLiteral("C"));
        emit m_model->dataChanged(m_model->index(row, 0), m_model->index(row, RegisterModel::ColumnCount - 1));
        m_view->viewport()->update();
        return;
    }
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    // The stored row is flipped, so a change pulled since is not written over.
    if (TransactionActions::toggleCleared(appState, transaction, this))
        reload();
}

void RegisterScreen::flipCleared(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    // Unlike the Clr cell, also on a reconciled row: the way back for one
    // cleared by mistake. It stays reconciled.
    if (TransactionActions::toggleCleared(appState, transaction, this, TransactionService::ReconciledRows::Flip))
        reload();
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = m_view->currentIndex();
    if (!current.isValid() || current.row() <= 0)
        return;
    const int row = current.row();
    const int column = current.column();
    // The buffers belong to one row; write them only for that row, and not
    // into cells the row does not let the user edit (a split's amounts).
    const bool buffered =
        m_model->isBufferedEntryRow(row) || (m_model->isEditingTransaction() && m_model->editingRow == row);
    if (!buffered || column > RegisterModel::ClearedColumn)
        return;
    if (column != RegisterModel::ClearedColumn && !(current.flags() & Qt::ItemIsEditable))
        return;
    // Above the first transaction of a newest-first register sits the entry
    // row, blank while another row is edited: nothing to copy.
    if (m_model->isEntryRow(row - 1))
        return;

    const QModelIndex above = m_model->index(row - 1, column);
    const RegisterRow* aboveRow = m_model->tryEntryAt(row - 1);
    // A split row's category shows as "—Split—"; its stored path (empty)
    // is what can be copied.
    const QString text = column == RegisterModel::CategoryColumn ? above.data(Qt::EditRole).toString()
                                                                  : above.data(Qt::DisplayRole).toString();
    m_model->setData(current, text, Qt::EditRole);
    // The id goes with the name, so the row never shows one category and
    // stores another.
    if (column == RegisterModel::CategoryColumn)
        m_model->setCategoryId(aboveRow ? aboveRow->categoryId : QString());

    if (QWidget* editor = currentEditor()) {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            const int item = aboveRow ? combo->findData(aboveRow->categoryId, Qt::UserRole) : -1;
            if (item > 0)
                combo->setCurrentIndex(item);
            else
                combo->setCurrentText(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(text);
        } else if (auto* payee = editor->findChild<QLineEdit*>(QLatin1String(PayeeEditName))) {
            payee->setText(text);
        }
    }
}

void RegisterScreen::insertNew()
{
    if (accountId.isEmpty() || !m_model->showEntryRow)
        return;
    closeEditorWithoutSaving();
    m_model->clearEntryRow();
    m_model->setEditingRow(-1);
    m_loadedBuffers.clear();
    const int entryRow = m_model->entryRowIndex();
    const QModelIndex cell = m_model->index(entryRow, RegisterModel::DateColumn);
    emit m_model->dataChanged(cell, m_model->index(entryRow, RegisterModel::ColumnCount - 1));
    m_view->scrollTo(cell, QAbstractItemView::EnsureVisible);
    m_view->setFocus(Qt::ShortcutFocusReason);
    openCell(cell);
}

// ---- Dialogs for new transactions ------------------------------------------

Transaction RegisterScreen::transactionFromEntryRow() const
{
    Transaction t;
    t.accountId = accountId;
    // Nothing is refused here: the form shows what reads (an unreadable
    // date or amount leaves the form's own) and checks the rest itself.
    t.date = bufferDate();
    t.payee = m_model->payeeText.trimmed();
    t.memo = m_model->memoText;
    t.checkNumber = m_model->checkNumberText.trimmed();
    int column = 0;
    readBufferAmount(&t.amount, &column);
    t.categoryId = m_model->categoryIdText;
    return t;
}

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(nullptr, false);
}

void RegisterScreen::editNewRowInDialog()
{
    if (accountId.isEmpty())
        return;
    flushEditor();
    const Transaction seed = transactionFromEntryRow();
    presentNewTransactionDialog(&seed, true);
}

void RegisterScreen::presentNewTransactionDialog(const Transaction* seed, bool seedFromInlineRow)
{
    if (accountId.isEmpty())
        return;
    finishEditing();
    if (!TransactionActions::addTransaction(appState, accountId, seed, this))
        return;
    if (seedFromInlineRow)
        m_model->clearEntryRow();
    reload();
    focusEntryRow();
}

// ---- Payee completion -----------------------------------------------------

TabCompleter* RegisterScreen::attachPayeeCompleter(QLineEdit* edit, const QStringList& payees,
                                                   const QModelIndex& index)
{
    if (!edit)
        return nullptr;
    auto* completer = new TabCompleter(payees, edit);
    edit->setCompleter(completer);
    const QPersistentModelIndex cell(index);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this, cell](const QString& text) { autofillFromPayee(cell, text); });
    return completer;
}

void RegisterScreen::autofillFromPayee(const QModelIndex& index, const QString& payee)
{
    if (!index.isValid() || !m_model->isBufferedEntryRow(index.row()))
        return;
    const std::optional<Transaction> last = m_delegate->autofillEntryRow(m_model, index.row(), payee, false);
    // The open payee-and-memo editor shows the memo it brought.
    if (last && !last->memo.isEmpty()) {
        QWidget* editor = m_view->indexWidget(index);
        if (editor && editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
            if (auto* memo = editor->findChild<QLineEdit*>(QLatin1String(MemoEditName)))
                memo->setText(last->memo);
        }
    }
}
