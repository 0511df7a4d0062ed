#pragma once

#include "data/records.h"
#include "data/registerfilter.h"

#include <QHash>
#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class AppState;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QPoint;
class QPushButton;
class RegisterDelegate;
class RegisterModel;
class RegisterTableView;
class TabCompleter;

// The page that shows one account's register: a header with the account's
// name, its cleared, uncleared and balance totals and the filter and
// reconcile buttons; the register table with its entry row; and a bottom
// line with messages and the shortcut hint. The register's view and
// delegate hand it the field moves, the cleared toggle and the payee
// completion; the moves are virtual so another register page can take them.
class RegisterScreen : public QWidget
{
    Q_OBJECT
public:
    explicit RegisterScreen(AppState* appState, QWidget* parent = nullptr);
    ~RegisterScreen() override;

    // Shows the account: its stored filter, its rows and totals, and the
    // current cell on a fresh entry row. An open cell editor is closed
    // without saving first, so the page never keeps showing the previous
    // account.
    void setAccount(const QString& accountId);
    // Re-reads the account, its rows and totals and keeps the current cell
    // and the scroll position on the same transactions, and what was typed
    // but not saved. Skipped while a cell editor is open; it then runs once
    // the editor has closed.
    void reload();
    // Rows of `table` ("accounts", "categories", "transactions") took new
    // ids (old id → new id) under the page: the account, the filter's
    // category, the rows, the transaction being edited and the ids in the
    // typed row follow, and what was typed stays. The rows are not read
    // again here: one repair renames several tables before it announces
    // each, so the caller reloads once all are followed.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);
    // Shows the text bottom left; each call's timer clears whatever the
    // label holds when it fires.
    void showStatus(const QString& text, int milliseconds);
    // View row of the transaction, the entry row never; -1 when none.
    int rowOfTransaction(const QString& transactionId) const;
    // Scrolls to the entry row's end of the register and makes its first
    // cell current.
    void focusEntryRow();
    // True when the entry row, or the transaction row being edited, holds
    // typed changes not yet saved; an open cell editor counts as typed.
    bool hasUnsavedEntry();
    // Before the page is left: asks whether to save typed changes. Save
    // commits as Ctrl+Return does, Discard drops them. False when the user
    // cancels or the commit is refused (the row then stays as typed).
    bool settleUnsavedEntry();
    // Drops what was typed into the entry row or the row being edited.
    void discardUnsavedEntry();

    void updateFilterButton();
    void showFilterDialog();

    // Column widths, hidden columns and sort from the settings store.
    void restoreColumnLayout();
    // The register's sort, kept for the next start.
    void saveSortState(int column, Qt::SortOrder order);
    // Payee over memo in one cell, taller rows, no Memo column.
    void setTwoLineMode(bool on);

    // The two context menus, built with their actions connected; the caller
    // owns the menu. The slots below run them at the click.
    QMenu* createHeaderMenu();
    // For the cell at `index`: an invalid index is the empty space below the
    // rows.
    QMenu* createRowMenu(const QModelIndex& index);

    QString currentAccountId() const { return accountId; }
    RegisterModel* registerModel() const { return m_model; }
    RegisterTableView* tableView() const { return m_view; }
    RegisterDelegate* registerDelegate() const { return m_delegate; }

    // Tab and Backtab moves between the fields of the current row; they
    // never save.
    virtual void tabToNextField();
    virtual void tabToPreviousField();
    // Space or C on the Clr cell of a view row; a reconciled row is left
    // alone.
    virtual void toggleCleared(int row);
    // The row menu's Mark Cleared and Mark Uncleared, also on a reconciled
    // row, which stays reconciled.
    void flipCleared(int row);
    // Public so the register view can pass Tab moves from inside the
    // two-line payee editor on to the screen.
    bool focusNextPrevChild(bool next) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Writes the open cell editor, if any, into the edit buffers.
    void flushEditor();
    // A fresh entry row, current and open in its Date cell.
    void insertNew();
    // Row operations on the transaction shown at a view row. The entry row,
    // rows outside the data and the opening-balance row are left alone.
    void deleteTransaction(int row);
    void duplicateTransaction(int row);
    void editTransaction(int row);
    void showTransactionDetails(int row);
    void memorizeTransaction(int row);
    // Edits the split lines of the transaction, or splits a plain one.
    void editSplits(int row);
    // The entry row's buffers as a new transaction of this account, for the
    // dialog; nothing is checked or looked up.
    Transaction transactionFromEntryRow() const;

    // Installs the payee completion on a payee line edit of the cell at
    // `index`; choosing an entry fills the entry row from that payee.
    TabCompleter* attachPayeeCompleter(QLineEdit* edit, const QStringList& payees, const QModelIndex& index);
    // Fills the entry row from the payee's last transaction in the account.
    virtual void autofillFromPayee(const QModelIndex& index, const QString& payee);

public slots:
    void onContextMenu(const QPoint& pos);
    void commitCurrentRow();
    void deleteCurrentRow();
    void copyFromAbove();
    void advanceToNextField();
    void advanceToPreviousField();
    void startEditingRow(int row);
    void newTransactionDialog();
    void presentNewTransactionDialog(const Transaction* seed, bool seedFromInlineRow);
    void editNewRowInDialog();
    void showHeaderContextMenu(const QPoint& pos);
    // Forgets the stored widths, hidden columns and sort.
    void resetColumnLayout();

signals:
    void reconcileRequested(const QString& accountId);
    // For the main window's status bar (5000 ms).
    void errorMessage(const QString& text);

private:
    void setupUi();
    // An account id that names no live account: nothing of another account
    // stays on the page and nothing can be entered.
    void showNoAccount();
    void setAccountControlsEnabled(bool enabled);
    // Closes an open cell editor without writing it back and ends inline
    // editing of a transaction row.
    void abandonEditing();
    void runPendingReload();
    // Hides or shows a column; an edit open in a column being hidden is
    // written back and closed first.
    void hideColumn(int column, bool hide);
    // Narrows the columns the user has not sized when the window is too
    // narrow for their default widths, so Payee keeps a readable width.
    void fitDefaultColumnWidths();
    // The width of that many characters of the register's font in a cell.
    int widthOfCharacters(int characters) const;
    // A user's resize of a column; the program's own resizes and the zero
    // width of a hidden column are not kept.
    void saveColumnWidth(int column, int oldSize, int newSize);
    void onPreferenceChanged(const QString& key);

    bool handleKey(QKeyEvent* key);
    void onClicked(const QModelIndex& index);
    void onDoubleClicked(const QModelIndex& index);
    void onCurrentChanged(const QModelIndex& current, const QModelIndex& previous);
    // The editor open on the current cell, or null.
    QWidget* currentEditor() const;
    // Closes the open editor without writing it back; the buffers stay.
    void closeEditorWithoutSaving();
    // Writes the open editor into the buffers, then closes it.
    void finishEditing();
    // Makes the cell current and opens its editor when the cell is editable.
    void openCell(const QModelIndex& index);
    // Field moves; `commitAtEnd` is the Return behaviour, else Tab's.
    void moveToField(bool forward, bool commitAtEnd);
    // Transaction at a view row for a row operation; null for the entry
    // row, rows outside the data and the opening-balance row.
    const RegisterRow* transactionRow(int row) const;
    // What a commit writes, read from the buffers.
    struct EntryValues
    {
        QDate date;
        QString payee;
        QString targetAccountId; // a transfer's other account
        QString checkNumber;
        QString memo;
        qint64 amount = 0;
        QString categoryId;
        bool cleared = false;
        bool reconciled = false;
    };
    void commitNewRow(const EntryValues& values, int row);
    void commitChangedRow(const EntryValues& values, int row);
    // A refused commit: the message, then the offending field again.
    void refuseCommit(const QString& text, int row, int column);
    // The amount of the buffers (a payment wins over a deposit) and the
    // column it came from; the message that refuses the commit when the
    // text is missing, no number or larger than can be typed, else empty.
    QString readBufferAmount(qint64* amount, int* column) const;
    // The Date buffer; invalid when it names no date.
    QDate bufferDate() const;
    // The category id the buffers name: the chosen id, else the category the
    // typed text names; false when the text names none.
    bool resolveBufferCategory(QString* id) const;
    // True when the buffer differs from the transaction row as loaded.
    bool bufferChanged(int column) const;
    void rememberLoadedBuffers();
    // The buffers as typed, kept across a reload: the entry row's as they
    // are, a transaction row's found again by id with what the user changed
    // laid over the row as it is stored now.
    struct TypedEdit
    {
        bool transactionRow = false;
        QString transactionId;
        QStringList buffers;
        QString categoryId;
        QStringList loaded;
        QString loadedCategoryId;
    };
    TypedEdit typedEdit() const;
    // The row in edit, as shown, when `stored` no longer holds it (deleted
    // on another device) and changes are typed into it.
    std::optional<RegisterRow> goneEditedRow(const QList<RegisterRow>& stored);
    // After a row command on the transaction: when the user deleted the row
    // being edited, it goes at once, with what was typed into it.
    void discardEditOfDeleted(const QString& id);
    void restoreTypedEdit(const TypedEdit& edit);

    RegisterFilter filter;
    bool restoringLayout = false;
    AppState* appState;
    QString accountId;

    QLabel* titleLabel = nullptr;
    QLabel* clearedLabel = nullptr;
    QLabel* unclearedLabel = nullptr;
    QLabel* balanceLabel = nullptr;
    QLabel* detailLabel = nullptr;
    QLabel* statusLabel = nullptr;
    QPushButton* reconcileButton = nullptr;
    QPushButton* filterButton = nullptr;
    RegisterTableView* m_view = nullptr;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;

    // A reload was asked for while an editor was open.
    bool m_reloadPending = false;
    // The row in edit that a reload kept, as typed, after it was deleted
    // elsewhere; it goes once the user leaves it.
    QString m_keptGoneId;
    // The buffers as loaded from the transaction being edited inline, so a
    // commit applies only what the user changed on top of the stored row.
    QStringList m_loadedBuffers;
    QString m_loadedCategoryId;
    // The current cell before a model reset, for a sort to restore.
    struct Place
    {
        bool valid = false;
        bool entryRow = false;
        int column = 0;
        QString transactionId;
    } m_placeBeforeReset;
};
