#pragma once

#include "data/records.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

class AccountRepository;

// The recurring schedules as a read-only table: account, payee, amount,
// frequency, next due date, auto-post and status. It sorts its own rows and
// keeps the sort column and order across setRows.
class RecurringModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        AccountColumn = 0,
        PayeeColumn = 1,
        AmountColumn = 2,
        FrequencyColumn = 3,
        NextDueColumn = 4,
        AutoColumn = 5,
        StatusColumn = 6,
        ColumnCount = 7
    };

    RecurringModel(AccountRepository* accounts, QObject* parent = nullptr);
    ~RecurringModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Replaces the rows (a model reset), forgets the cached account names
    // and sorts by the stored column and order.
    void setRows(const QList<RecurringTransaction>& rows);
    std::optional<RecurringTransaction> scheduleAt(int row) const;
    // The row's schedule is active and due today or earlier.
    bool isDue(int row) const;
    // The account's name, also of a deleted account; empty when unknown.
    QString accountName(const QString& accountId) const;

    int sortColumn() const { return m_sortColumn; }
    Qt::SortOrder sortOrder() const { return m_sortOrder; }

private:
    void applySort();

    AccountRepository* m_accounts;
    // Every sort starts from the loaded order, so sorting twice by the same
    // column (views do) gives the same order, equal rows included.
    QList<RecurringTransaction> m_loadedRows;
    QList<RecurringTransaction> m_rows;
    mutable QHash<QString, QString> m_accountNames;
    int m_sortColumn = NextDueColumn;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};
