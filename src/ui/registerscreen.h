#pragma once

#include "data/registerfilter.h"

#include <QModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>

class AppState;
class QLabel;
class QLineEdit;
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
    // current cell on the entry row. An open cell editor is closed without
    // saving first, so the page never keeps showing the previous account.
    void setAccount(const QString& accountId);
    // Re-reads the account, its rows and totals and keeps the current cell
    // and the scroll position on the same transactions. Skipped while a cell
    // editor is open; it then runs once the editor has closed.
    void reload();
    // Shows the text bottom left; each call's timer clears whatever the
    // label holds when it fires.
    void showStatus(const QString& text, int milliseconds);
    // View row of the transaction, the entry row never; -1 when none.
    int rowOfTransaction(const QString& transactionId) const;
    // Scrolls to the entry row's end of the register and makes its first
    // cell current.
    void focusEntryRow();

    // Preference key of an account's stored filter.
    static QString filterPreferenceKey(const QString& accountId);
    void updateFilterButton();
    void showFilterDialog();

    // Column widths, hidden columns and sort from the settings store.
    void restoreColumnLayout();
    // Payee over memo in one cell, taller rows, no Memo column.
    void setTwoLineMode(bool on);

    QString currentAccountId() const { return accountId; }
    const RegisterFilter& currentFilter() const { return filter; }
    RegisterModel* registerModel() const { return model; }
    RegisterTableView* tableView() const { return view; }
    RegisterDelegate* registerDelegate() const { return delegate; }

    // Tab and Backtab moves between the fields of the current row.
    virtual void tabToNextField();
    virtual void tabToPreviousField();
    // Space or C on the Clr cell of a view row.
    virtual void toggleCleared(int row);
    // Public so the register view can pass Tab moves from inside the
    // two-line payee editor on to the screen.
    bool focusNextPrevChild(bool next) override;

    // Installs the payee completion on a payee line edit of the cell at
    // `index`; choosing an entry fills the entry row from that payee.
    TabCompleter* attachPayeeCompleter(QLineEdit* edit, const QStringList& payees, const QModelIndex& index);
    // Fills the entry row from the payee's last transaction in the account.
    virtual void autofillFromPayee(const QModelIndex& index, const QString& payee);

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
    RegisterTableView* view = nullptr;
    RegisterModel* model = nullptr;
    RegisterDelegate* delegate = nullptr;

    // A reload was asked for while an editor was open.
    bool reloadPending = false;
};
