#include "ui/register/registermodel.h"

#include "data/money.h"
#include "data/renamedids.h"
#include "ui/style.h"

#include <QDate>
#include <QFont>

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

const QString& dimmedColorName()
{
    static const QString name(QStringLiteral("#6E8A7E"));
    return name;
}

QString dateBufferText(const QDate& date)
{
    return date.toString(QStringLiteral("M/d/yyyy"));
}

QString clearedMark(const Transaction& t)
{
    if (t.reconciled)
        return QStringLiteral("R");
    if (t.cleared)
        return QStringLiteral("C");
    return QString();
}

QString plainAmount(qint64 amount)
{
    return formatAmountPlain(amount, CurrencyCode::USD);
}

// Magnitude of a payment as an unsigned key; every other row gets a key
// above all payments. Computed unsigned so the smallest qint64 has a key.
quint64 paymentKey(const RegisterRow& row)
{
    if (row.amount < 0)
        return quint64(0) - quint64(row.amount);
    return std::numeric_limits<quint64>::max();
}

qint64 depositKey(const RegisterRow& row)
{
    return row.amount > 0 ? row.amount : -1;
}

int clearedRank(const RegisterRow& row)
{
    if (row.reconciled)
        return 2;
    return row.cleared ? 1 : 0;
}

} // namespace

bool registerColumnLess(int column, const RegisterRow& a, const RegisterRow& b)
{
    switch (column) {
    case RegisterModel::DateColumn:
        return a.date < b.date;
    case RegisterModel::CheckNumberColumn:
        return QString::localeAwareCompare(a.checkNumber, b.checkNumber) < 0;
    case RegisterModel::PayeeColumn:
        return QString::localeAwareCompare(a.payee, b.payee) < 0;
    case RegisterModel::CategoryColumn:
        return QString::localeAwareCompare(a.categoryName, b.categoryName) < 0;
    case RegisterModel::MemoColumn:
        return QString::localeAwareCompare(a.memo, b.memo) < 0;
    case RegisterModel::PaymentColumn:
        return paymentKey(a) < paymentKey(b);
    case RegisterModel::DepositColumn:
        return depositKey(a) < depositKey(b);
    case RegisterModel::ClearedColumn:
        return clearedRank(a) < clearedRank(b);
    case RegisterModel::BalanceColumn:
        return a.runningBalance < b.runningBalance;
    default:
        return false;
    }
}

bool registerOrderLess(const RegisterRow& a, int placeA, const RegisterRow& b, int placeB)
{
    if (a.date != b.date)
        return a.date < b.date;
    // The opening-balance row has no entry time and comes first.
    if (a.createdAt.isValid() != b.createdAt.isValid())
        return !a.createdAt.isValid();
    if (a.createdAt != b.createdAt)
        return a.createdAt < b.createdAt;
    return placeA < placeB;
}

bool registerRowLess(int column, bool ascending, const RegisterRow& a, const RegisterRow& b)
{
    if (registerColumnLess(column, a, b))
        return ascending;
    if (registerColumnLess(column, b, a))
        return !ascending;
    return a.date > b.date;
}

RegisterModel::RegisterModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

int RegisterModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return int(rows.size()) + (showEntryRow ? 1 : 0);
}

int RegisterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString RegisterModel::columnTitle(int column)
{
    switch (column) {
    case DateColumn:
        return tr("Date");
    case CheckNumberColumn:
        return tr("Chk #");
    case PayeeColumn:
        return tr("Payee");
    case CategoryColumn:
        return tr("Category");
    case MemoColumn:
        return tr("Memo");
    case PaymentColumn:
        return tr("Payment");
    case DepositColumn:
        return tr("Deposit");
    case ClearedColumn:
        return tr("Clr");
    case BalanceColumn:
        return tr("Balance");
    default:
        return QString();
    }
}

QColor RegisterModel::highlightColor()
{
    return isDarkPalette() ? QColor(QStringLiteral("#1A2E28")) : QColor(QStringLiteral("#E8F5E9"));
}

QVariant RegisterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= ColumnCount)
        return QVariant();
    if (section == PayeeColumn && twoLineMode)
        return tr("Payee / Memo");
    return columnTitle(section);
}

int RegisterModel::entryRowIndex() const
{
    if (!showEntryRow)
        return -1;
    if (sortColumn == DateColumn && sortOrder == Qt::DescendingOrder)
        return 0;
    return int(rows.size());
}

bool RegisterModel::isEntryRow(int viewRow) const
{
    return showEntryRow && viewRow == entryRowIndex();
}

int RegisterModel::dataRowForViewRow(int viewRow) const
{
    return entryRowIndex() == 0 ? viewRow - 1 : viewRow;
}

int RegisterModel::viewRowForDataRow(int dataRow) const
{
    return entryRowIndex() == 0 ? dataRow + 1 : dataRow;
}

bool RegisterModel::isBufferedEntryRow(int viewRow) const
{
    return isEntryRow(viewRow) && (editingRow == -1 || editingRow == viewRow);
}

const RegisterRow* RegisterModel::tryEntryAt(int viewRow) const
{
    if (viewRow < 0 || isEntryRow(viewRow))
        return nullptr;
    const int dataRow = dataRowForViewRow(viewRow);
    if (dataRow < 0 || dataRow >= rows.size())
        return nullptr;
    return &rows.at(dataRow);
}

const RegisterRow& RegisterModel::entryAt(int viewRow) const
{
    static const RegisterRow none;
    const RegisterRow* row = tryEntryAt(viewRow);
    return row ? *row : none;
}

QString* RegisterModel::bufferFor(int column)
{
    switch (column) {
    case DateColumn:
        return &dateText;
    case CheckNumberColumn:
        return &checkNumberText;
    case PayeeColumn:
        return &payeeText;
    case CategoryColumn:
        return &categoryText;
    case MemoColumn:
        return &memoText;
    case PaymentColumn:
        return &paymentText;
    case DepositColumn:
        return &depositText;
    case ClearedColumn:
        return &clearedText;
    default:
        return nullptr;
    }
}

const QString* RegisterModel::bufferFor(int column) const
{
    return const_cast<RegisterModel*>(this)->bufferFor(column);
}

QString RegisterModel::editBuffer(int column) const
{
    const QString* buffer = bufferFor(column);
    return buffer ? *buffer : QString();
}

void RegisterModel::setEditBuffer(int column, const QString& text)
{
    if (QString* buffer = bufferFor(column))
        *buffer = text;
}

QVariant RegisterModel::dataRowValue(const RegisterRow& row, int column, int role, bool editing) const
{
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        switch (column) {
        case DateColumn:
            return dateBufferText(row.date);
        case CheckNumberColumn:
            return row.checkNumber;
        case PayeeColumn:
            return row.payee;
        case CategoryColumn:
            if (role == Qt::DisplayRole && row.isSplit)
                return tr("—Split—");
            return row.categoryName;
        case MemoColumn:
            return row.memo;
        case PaymentColumn:
            return row.amount < 0 ? plainAmount(negatedAmount(row.amount)) : QString();
        case DepositColumn:
            return row.amount >= 0 ? plainAmount(row.amount) : QString();
        case ClearedColumn:
            return clearedMark(row);
        case BalanceColumn:
            if (role == Qt::EditRole)
                return QVariant();
            return plainAmount(row.runningBalance);
        default:
            return QVariant();
        }
    case Qt::TextAlignmentRole:
        switch (column) {
        case PaymentColumn:
        case DepositColumn:
        case BalanceColumn:
            return int(Qt::AlignRight | Qt::AlignVCenter);
        case ClearedColumn:
            return int(Qt::AlignHCenter | Qt::AlignVCenter);
        default:
            return int(Qt::AlignLeft | Qt::AlignVCenter);
        }
    case Qt::ForegroundRole:
        switch (column) {
        case MemoColumn:
        case ClearedColumn:
            return QColor(dimmedColorName());
        case PaymentColumn:
            return negativeColor();
        case DepositColumn:
            return row.amount >= 0 ? QVariant(positiveColor()) : QVariant();
        case BalanceColumn:
            return row.runningBalance < 0 ? QVariant(negativeColor()) : QVariant();
        default:
            return QVariant();
        }
    case Qt::FontRole:
        if (column == PaymentColumn || column == DepositColumn || column == BalanceColumn)
            return monospaceFont();
        return QVariant();
    case Qt::BackgroundRole:
        if (editing && !twoLineMode)
            return highlightColor();
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant RegisterModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return QVariant();
    const int r = index.row();
    const int c = index.column();

    const bool entryRowShown = isEntryRow(r);
    const bool entry = isBufferedEntryRow(r);
    const bool editing = !entry && editingRow >= 0 && r == editingRow;
    const RegisterRow* row = tryEntryAt(r);

    // While a transaction is edited the entry row stays blank.
    if (entryRowShown && !entry && !editing)
        return QVariant();

    if (entry || editing) {
        const QString* buffer = bufferFor(c);
        if (buffer && (role == Qt::DisplayRole || role == Qt::EditRole)) {
            if (role == Qt::DisplayRole && editing && c == CategoryColumn && row && row->isSplit)
                return tr("—Split—");
            if (role == Qt::DisplayRole && entry && buffer->isEmpty())
                return columnTitle(c);
            return *buffer;
        }
        if (role == Qt::BackgroundRole)
            return twoLineMode ? QVariant() : QVariant(highlightColor());
        if (entry && role == Qt::ForegroundRole && buffer)
            return buffer->isEmpty() ? QVariant(QColor(dimmedColorName())) : QVariant();
    }

    if (!row)
        return QVariant();
    return dataRowValue(*row, c, role, editing);
}

bool RegisterModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid())
        return false;
    // The buffers belong to the one buffered row; flags keep other rows
    // from being edited, so the row is not consulted.
    setEditBuffer(index.column(), value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags RegisterModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= ColumnCount)
        return Qt::NoItemFlags;
    const Qt::ItemFlags readOnly = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const int r = index.row();
    const int c = index.column();
    if (c == ClearedColumn || c == BalanceColumn)
        return readOnly;
    if (isEntryRow(r))
        return readOnly | Qt::ItemIsEditable;
    if (editingRow < 0 || r != editingRow)
        return readOnly;

    const RegisterRow* row = tryEntryAt(r);
    // The opening balance row (no id) is made up from the account's
    // starting balance: an edit of it could only be saved into nothing.
    if (!row || row->id.isEmpty())
        return readOnly;
    if (row->isSplit && (c == CategoryColumn || c == PaymentColumn || c == DepositColumn))
        return readOnly;
    return readOnly | Qt::ItemIsEditable;
}

void RegisterModel::applySort()
{
    // Each row keeps the place it came in at: the register's own order
    // (date, entry time, row), which a sort by Date brings back whatever
    // the sort before it was.
    if (m_places.size() != rows.size()) {
        m_places.resize(rows.size());
        std::iota(m_places.begin(), m_places.end(), 0);
    }
    const int column = sortColumn;
    const bool ascending = sortOrder == Qt::AscendingOrder;
    const auto less = [this, column, ascending](int i, int j) {
        if (column != DateColumn)
            return registerRowLess(column, ascending, rows.at(i), rows.at(j));
        const bool before = registerOrderLess(rows.at(i), m_places.at(i), rows.at(j), m_places.at(j));
        const bool after = registerOrderLess(rows.at(j), m_places.at(j), rows.at(i), m_places.at(i));
        return ascending ? before : after;
    };
    QList<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    // Rows usually arrive in register order already; checking is far cheaper
    // than sorting 100,000 rows again.
    if (std::is_sorted(order.cbegin(), order.cend(), less))
        return;
    std::stable_sort(order.begin(), order.end(), less);
    QList<RegisterRow> sorted;
    QList<int> places;
    sorted.reserve(rows.size());
    places.reserve(rows.size());
    for (const int i : std::as_const(order)) {
        sorted.append(std::move(rows[i]));
        places.append(m_places.at(i));
    }
    rows = std::move(sorted);
    m_places = std::move(places);
}

void RegisterModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    // Set inside the reset: until it begins, view rows still map to the old
    // order for those who look at them on modelAboutToBeReset.
    beginResetModel();
    sortColumn = column;
    sortOrder = order;
    applySort();
    // The edit stays on its transaction, wherever the sort put it; the
    // buffers are left alone.
    repointEditingRow();
    endResetModel();
    emit sortChanged(column, order);
}

void RegisterModel::repointEditingRow()
{
    if (editingRow < 0)
        return;
    if (!m_editingDataRow) {
        // The buffers belonged to the entry row; follow it.
        editingRow = showEntryRow ? entryRowIndex() : -1;
        return;
    }
    for (int i = 0; i < rows.size(); ++i) {
        if (rows.at(i).id == m_editingId) {
            editingRow = viewRowForDataRow(i);
            return;
        }
    }
    editingRow = -1;
    m_editingDataRow = false;
    m_editingId.clear();
}

void RegisterModel::setEntries(const QList<RegisterRow>& entries)
{
    setEntries(QList<RegisterRow>(entries));
}

void RegisterModel::setEntries(QList<RegisterRow>&& entries)
{
    beginResetModel();
    rows = std::move(entries);
    m_places.clear();
    applySort();
    editingRow = -1;
    m_editingDataRow = false;
    m_editingId.clear();
    clearEntryRow();
    endResetModel();
}

void RegisterModel::setShowEntryRow(bool show)
{
    if (show == showEntryRow)
        return;
    beginResetModel();
    showEntryRow = show;
    // Showing or hiding a top entry row shifts every view row by one.
    repointEditingRow();
    endResetModel();
}

void RegisterModel::setEditingRow(int viewRow)
{
    const int previous = editingRow;
    editingRow = viewRow;
    const RegisterRow* row = viewRow >= 0 ? tryEntryAt(viewRow) : nullptr;
    m_editingDataRow = row != nullptr;
    m_editingId = row ? row->id : QString();

    const int count = rowCount();
    if (previous >= 0 && previous < count)
        emit dataChanged(index(previous, 0), index(previous, ColumnCount - 1));
    if (viewRow >= 0 && viewRow < count)
        emit dataChanged(index(viewRow, 0), index(viewRow, ColumnCount - 1));
}

void RegisterModel::clearEntryRow()
{
    dateText = lastEntryDate.isEmpty() ? dateBufferText(QDate::currentDate()) : lastEntryDate;
    checkNumberText.clear();
    payeeText.clear();
    memoText.clear();
    categoryText.clear();
    categoryIdText.clear();
    paymentText.clear();
    depositText.clear();
    clearedText.clear();
}

void RegisterModel::loadRowIntoBuffers(const RegisterRow& row, const QString& category)
{
    dateText = dateBufferText(row.date);
    checkNumberText = row.checkNumber;
    payeeText = row.payee;
    memoText = row.memo;
    categoryText = category;
    categoryIdText = row.categoryId;
    setAmountBuffers(row.amount);
    clearedText = clearedMark(row);
}

void RegisterModel::setAmountBuffers(qint64 amount)
{
    paymentText = amount < 0 ? plainAmount(negatedAmount(amount)) : QString();
    depositText = amount < 0 ? QString() : plainAmount(amount);
}

void RegisterModel::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    for (RegisterRow& row : rows)
        RenamedIds::follow(row, table, renamed);
    if (table == QLatin1String("transactions"))
        m_editingId = RenamedIds::follow(renamed, m_editingId);
}

void RegisterModel::setCategoryId(const QString& id)
{
    categoryIdText = id;
}

void RegisterModel::setLastEntryDate(const QString& dateText)
{
    lastEntryDate = dateText;
}

void RegisterModel::fillFromTransaction(int viewRow, const Transaction& last, const std::optional<Category>& category,
                                        bool keepMemo)
{
    setAmountBuffers(last.amount);
    if (category) {
        categoryText = category->name;
        categoryIdText = category->id;
    }
    // A memo typed in the same edit as the payee is the user's.
    if (!last.memo.isEmpty() && !keepMemo)
        memoText = last.memo;
    emit dataChanged(index(viewRow, 0), index(viewRow, ColumnCount - 1));
}
