#pragma once

#include "data/records.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QList>
#include <QString>

#include <optional>

// Table model of one account's register: the rows in nine columns, sorted by
// any column, plus one entry row in which a new transaction is typed. The
// edit buffers serve the entry row or, while a transaction is edited inline,
// that row. The model never touches the database; the register screen loads
// the rows and moves values between the buffers and the repositories.
class RegisterModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column {
        DateColumn = 0,
        CheckNumberColumn = 1,
        PayeeColumn = 2,
        CategoryColumn = 3,
        MemoColumn = 4,
        PaymentColumn = 5,
        DepositColumn = 6,
        ClearedColumn = 7,
        BalanceColumn = 8,
        ColumnCount = 9,
    };

    explicit RegisterModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    void setEntries(const QList<RegisterRow>& entries);
    void setEntries(QList<RegisterRow>&& entries);
    void setShowEntryRow(bool show);

    // The row shown at a view row that holds a transaction. An entry row or
    // a row outside the data gives an empty row rather than reading past
    // the list; callers that may hit either use tryEntryAt.
    const RegisterRow& entryAt(int viewRow) const;
    // The row at a view row, or null for the entry row and rows outside the
    // data (a click below the last row, a stale index).
    const RegisterRow* tryEntryAt(int viewRow) const;

    // View row of the entry row; -1 while it is hidden.
    int entryRowIndex() const;
    bool isEntryRow(int viewRow) const;
    // Index into `rows` for a view row; may be outside the list.
    int dataRowForViewRow(int viewRow) const;
    // View row showing rows[dataRow].
    int viewRowForDataRow(int dataRow) const;
    // True when the view row is the entry row and the buffers belong to it.
    bool isBufferedEntryRow(int viewRow) const;

    // The buffers are written only through these operations; the delegate
    // and the screen read the members below but never assign them.
    void setEditBuffer(int column, const QString& text);
    QString editBuffer(int column) const;
    // The category id chosen for the buffered row (no column of its own).
    void setCategoryId(const QString& id);
    // The date a saved entry leaves for the next entry row.
    void setLastEntryDate(const QString& dateText);
    // Marks the view row whose transaction is in the buffers; -1 ends inline
    // editing. Change editingRow only through here: the model remembers the
    // transaction so that a later sort keeps pointing at it.
    void setEditingRow(int viewRow);
    // True while the buffers hold a transaction row (not the entry row);
    // its id follows it through sorts.
    bool isEditingTransaction() const { return m_editingDataRow; }
    QString editingTransactionId() const { return m_editingId; }
    void clearEntryRow();
    // Rows of `table` took new ids in a sync repair (old id → new id): the
    // rows' ids and references follow, and so does the transaction being
    // edited, so a reload finds it again.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);
    void loadRowIntoBuffers(const RegisterRow& row, const QString& categoryText);
    // Payee autofill: the amount, the category (when given) and, unless
    // `keepMemo`, a non-empty memo of the payee's last transaction go into
    // the buffers; the view row is redrawn.
    void fillFromTransaction(int viewRow, const Transaction& last, const std::optional<Category>& category,
                             bool keepMemo);
    void applySort();

    static QString columnTitle(int column);
    static QColor highlightColor();

    // Read directly by the register screen and the delegate; written only
    // through the operations above.
    QList<RegisterRow> rows;
    int sortColumn = DateColumn;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    bool twoLineMode = false;
    bool showEntryRow = true;
    int editingRow = -1;

    QString dateText;        // column 0, as M/d/yyyy
    QString checkNumberText; // column 1
    QString payeeText;       // column 2
    QString memoText;        // column 4
    QString categoryText;    // column 3, the category path as shown
    QString paymentText;     // column 5
    QString depositText;     // column 6
    QString clearedText;     // column 7: empty, "C" or "R"
    QString categoryIdText;  // the chosen category's id
    QString lastEntryDate;   // date text of the last row saved from the entry row

signals:
    void sortChanged(int column, Qt::SortOrder order);

private:
    QString* bufferFor(int column);
    const QString* bufferFor(int column) const;
    QVariant dataRowValue(const RegisterRow& row, int column, int role, bool editing) const;
    void repointEditingRow();
    // Payment and deposit buffers of an amount: one holds it, the other is empty.
    void setAmountBuffers(qint64 amount);

    // The transaction being edited, so that a sort or a change of the entry
    // row's place leaves the edit on it. Ids are unique, and the one row
    // without an id (the opening balance) is unique too.
    bool m_editingDataRow = false;
    QString m_editingId;
    // Each row's place in the order the rows were handed in, beside `rows`.
    QList<int> m_places;
};

// Column order of two register rows: true when a sorts before b in the
// column, ascending. Ties are equal (false both ways).
bool registerColumnLess(int column, const RegisterRow& a, const RegisterRow& b);
// Order of the register's stable sort: the column's order in the given
// direction, and among rows equal in the column the later date first. The
// Date column sorts by registerOrderLess instead.
bool registerRowLess(int column, bool ascending, const RegisterRow& a, const RegisterRow& b);
// The register's own order: date, entry time, then the place a row was
// handed in at (the repository's order); the running balances follow it.
bool registerOrderLess(const RegisterRow& a, int placeA, const RegisterRow& b, int placeB);
