#pragma once

#include "data/records.h"

#include <QPoint>
#include <QWidget>

#include <optional>

class AppState;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class RecurringModel;

// The Recurring Transactions window: every schedule in a sortable table,
// with commands to post what is due, post ahead of time, skip an
// occurrence, and create, edit and delete schedules. Posting is the
// recurring service's; a posting that is refused or fails is reported.
class RecurringScreen : public QWidget
{
    Q_OBJECT
public:
    explicit RecurringScreen(AppState* appState, QWidget* parent = nullptr);
    ~RecurringScreen() override;

    // Reloads the schedules and the due count, keeping the sort and the
    // current schedule.
    void refresh();
    // The row menu for a point of the table's viewport; null on empty
    // space. The caller owns it.
    QMenu* createContextMenu(const QPoint& pos);

    QTableView* table() const { return m_table; }
    RecurringModel* model() const { return m_model; }
    QLabel* dueLabel() const { return m_dueLabel; }

signals:
    // Something was posted: the register and balances are out of date.
    void transactionsChanged();

public slots:
    void onContextMenu(QPoint pos);
    void showNewForm();
    void showEditForm(int row);
    void confirmSelected();
    void enterEarlySelected();
    void skipSelected();
    void deleteSelected();

private:
    void confirmAllDue();
    void enterNextSevenDays();
    std::optional<RecurringTransaction> currentSchedule() const;
    // Posts the schedule's next occurrence and warns when it was not posted.
    void post(const RecurringTransaction& schedule);
    void warnNotPosted(const QString& what);
    void warnIfNotSaved(bool saved, const QString& text);

    AppState* m_appState;
    QTableView* m_table = nullptr;
    RecurringModel* m_model = nullptr;
    QLabel* m_dueLabel = nullptr;
};
