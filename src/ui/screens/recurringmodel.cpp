#include "ui/screens/recurringmodel.h"

#include "data/accountrepository.h"
#include "data/money.h"
#include "services/recurringlist.h"
#include "ui/style.h"

#include <QColor>
#include <QDate>

RecurringModel::RecurringModel(AccountRepository* accounts, QObject* parent)
    : QAbstractTableModel(parent)
    , m_accounts(accounts)
{
}

RecurringModel::~RecurringModel() = default;

int RecurringModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int RecurringModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant RecurringModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() < 0 || index.row() >= m_rows.size())
        return QVariant();
    const RecurringTransaction& r = m_rows.at(index.row());
    const int column = index.column();

    if (role == Qt::DisplayRole) {
        switch (column) {
        case AccountColumn:
            return accountName(r.accountId);
        case PayeeColumn:
            return r.payee;
        case AmountColumn:
            return formatAmount(r.amount, CurrencyCode::USD);
        case FrequencyColumn:
            return RecurringList::frequencyText(r.frequency, r.intervalCount, r.semimonthlyDay1, r.semimonthlyDay2);
        case NextDueColumn:
            return r.nextDueDate.toString(QStringLiteral("M/d/yyyy"));
        case AutoColumn:
            return r.autoPost ? tr("Yes") : tr("No");
        case StatusColumn:
            return r.isActive ? tr("Active") : tr("Inactive");
        default:
            return QVariant();
        }
    }
    if (role == Qt::TextAlignmentRole && column == AmountColumn)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    if (role == Qt::ForegroundRole) {
        if (column == AmountColumn && r.amount < 0)
            return negativeColor();
        if (column == NextDueColumn && isDue(index.row()))
            return positiveColor();
        if (column == StatusColumn && !r.isActive)
            return QColor(Qt::gray);
    }
    return QVariant();
}

QVariant RecurringModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case AccountColumn:
        return tr("Account");
    case PayeeColumn:
        return tr("Payee");
    case AmountColumn:
        return tr("Amount");
    case FrequencyColumn:
        return tr("Frequency");
    case NextDueColumn:
        return tr("Next Due");
    case AutoColumn:
        return tr("Auto");
    case StatusColumn:
        return tr("Status");
    default:
        return QVariant();
    }
}

void RecurringModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= ColumnCount)
        return;
    m_sortColumn = column;
    m_sortOrder = order;
    beginResetModel();
    applySort();
    endResetModel();
}

void RecurringModel::setRows(const QList<RecurringTransaction>& rows)
{
    beginResetModel();
    m_loadedRows = rows;
    m_accountNames.clear();
    applySort();
    endResetModel();
}

std::optional<RecurringTransaction> RecurringModel::scheduleAt(int row) const
{
    if (row < 0 || row >= m_rows.size())
        return std::nullopt;
    return m_rows.at(row);
}

bool RecurringModel::isDue(int row) const
{
    return row >= 0 && row < m_rows.size() && RecurringList::isDue(m_rows.at(row), QDate::currentDate());
}

QString RecurringModel::accountName(const QString& accountId) const
{
    if (accountId.isEmpty())
        return QString();
    const auto cached = m_accountNames.constFind(accountId);
    if (cached != m_accountNames.cend())
        return *cached;
    QString name;
    if (m_accounts) {
        if (const std::optional<Account> account = m_accounts->findById(accountId))
            name = account->name;
    }
    m_accountNames.insert(accountId, name);
    return name;
}

void RecurringModel::applySort()
{
    m_rows = m_loadedRows;
    RecurringList::sortRows(m_rows, m_sortColumn, m_sortOrder,
                            [this](const QString& accountId) { return accountName(accountId); });
}
