#pragma once

#include "data/records.h"

#include <QHash>
#include <QPoint>
#include <QString>
#include <QWidget>

#include <functional>

class AppState;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;
class QMenu;
class QModelIndex;
class QTableView;
class QTimer;
class RegisterModel;

// The Search Transactions window: the live transactions of every account
// found by words and filters, at most 200, newest hits shown oldest first in
// register columns, with the row commands of the register. A result is
// remembered by its transaction id, and every command acts on the stored
// transaction of that id read at that moment, so it never writes back an
// older copy over a change made meanwhile.
class SearchScreen : public QWidget
{
    Q_OBJECT
public:
    using Action = std::function<bool(const Transaction&)>;

    explicit SearchScreen(AppState* appState, QWidget* parent = nullptr);
    ~SearchScreen() override;

    // Refills the account and category filters, both back on "All", and
    // searches again.
    void refreshFilters();
    // Focuses the search field with its whole text selected, so typing
    // replaces it.
    void focusSearchField();
    // Runs `action` on the stored transaction of a result row and searches
    // again when it reports a change; rows outside the results do nothing.
    void applyToRow(int row, const Action& action);
    // The same for a transaction id. A transaction that is gone or deleted is
    // refused with a message, and the results are searched again.
    void applyToTransaction(const QString& transactionId, const Action& action);
    // The menu of a result row for a point of the results' viewport; null on
    // empty space. The caller owns it.
    QMenu* createContextMenu(const QPoint& pos);

    QLineEdit* searchField() const { return m_searchField; }
    QTimer* debounceTimer() const { return m_debounce; }
    QComboBox* accountFilter() const { return m_accountFilter; }
    QComboBox* categoryFilter() const { return m_categoryFilter; }
    QDateEdit* fromDateEdit() const { return m_fromDate; }
    QDateEdit* toDateEdit() const { return m_toDate; }
    QCheckBox* clearedOnlyCheck() const { return m_clearedOnly; }
    QCheckBox* dateRangeCheck() const { return m_dateRange; }
    QTableView* resultsView() const { return m_results; }
    RegisterModel* resultsModel() const { return m_model; }

signals:
    // A result was double-clicked; its edit dialog opens next.
    void editTransactionRequested(const QString& transactionId);

public slots:
    void performSearch();
    void onContextMenu(QPoint pos);

private:
    void onDoubleClicked(const QModelIndex& index);
    QComboBox* makeFilterCombo(const QString& allText);
    // A sync repair renamed rows of `table` (old id → new id): the account
    // and category filters keep their choice under the new ids.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);
    QDateEdit* makeDateEdit(const QDate& date);

    AppState* m_appState;
    QLineEdit* m_searchField = nullptr;
    QTimer* m_debounce = nullptr;
    QComboBox* m_accountFilter = nullptr;
    QComboBox* m_categoryFilter = nullptr;
    QDateEdit* m_fromDate = nullptr;
    QDateEdit* m_toDate = nullptr;
    QCheckBox* m_clearedOnly = nullptr;
    QCheckBox* m_dateRange = nullptr;
    QTableView* m_results = nullptr;
    RegisterModel* m_model = nullptr;
};
