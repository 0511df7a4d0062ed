#include "data/records.h"

#include "data/sqlvalue.h"

#include <QSqlQuery>

namespace Columns {
const char* const account =
    "id, name, account_type, currency, institution, account_number_last4, starting_balance, sort_order, "
    "is_shared, version, sync_status, server_id, created_at, updated_at, deleted_at";
const char* const transaction =
    "t.id, t.account_id, t.date, t.payee, t.memo, t.amount, t.category_id, t.check_number, t.cleared, "
    "t.reconciled, t.transfer_link_id, t.transfer_dest_account_id, t.is_split, t.recurring_id, t.version, "
    "t.sync_status, t.server_id, t.created_at, t.updated_at, t.deleted_at";
const char* const category =
    "id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, is_default, account_id, "
    "version, sync_status, server_id, created_at, updated_at, deleted_at";
const char* const recurring =
    "id, account_id, payee, memo, amount, category_id, frequency, start_date, end_date, next_due_date, "
    "auto_post, is_active, transfer_dest_account_id, version, sync_status, server_id, created_at, updated_at, "
    "deleted_at, lead_days, interval_count, semimonthly_day_1, semimonthly_day_2";
const char* const reconciliation =
    "id, account_id, statement_date, statement_balance, reconciled_balance, completed_at, version, "
    "sync_status, server_id, created_at, updated_at, deleted_at";
const char* const splitLine = "id, transaction_id, category_id, amount, memo, created_at, updated_at";
} // namespace Columns

namespace {

template <typename Enum, int N>
struct TextTable
{
    const char* texts[N];
    Enum fallback;

    QString toText(Enum value) const
    {
        const int i = static_cast<int>(value);
        if (i < 0 || i >= N)
            return QString::fromLatin1(texts[static_cast<int>(fallback)]);
        return QString::fromLatin1(texts[i]);
    }

    Enum fromText(const QString& text) const
    {
        for (int i = 0; i < N; ++i) {
            if (text == QLatin1String(texts[i]))
                return static_cast<Enum>(i);
        }
        return fallback;
    }
};

const TextTable<AccountType, 6> kAccountTypes{
    {"checking", "savings", "credit_card", "cash", "investment", "other"}, AccountType::Other};
const TextTable<CurrencyCode, 6> kCurrencies{{"USD", "EUR", "GBP", "CAD", "AUD", "JPY"}, CurrencyCode::USD};
const TextTable<CategoryType, 3> kCategoryTypes{{"income", "expense", "transfer"}, CategoryType::Expense};
const TextTable<RecurringFrequency, 8> kFrequencies{
    {"daily", "weekly", "biweekly", "monthly", "semimonthly", "quarterly", "semi_annual", "annual"},
    RecurringFrequency::Monthly};
const TextTable<SyncStatus, 3> kSyncStatuses{{"pending", "synced", "conflict"}, SyncStatus::Pending};

} // namespace

QString accountTypeToString(AccountType type) { return kAccountTypes.toText(type); }
QString currencyToString(CurrencyCode currency) { return kCurrencies.toText(currency); }
QString categoryTypeToString(CategoryType type) { return kCategoryTypes.toText(type); }
QString frequencyToString(RecurringFrequency frequency) { return kFrequencies.toText(frequency); }
QString syncStatusToString(SyncStatus status) { return kSyncStatuses.toText(status); }

AccountType accountTypeFromString(const QString& text) { return kAccountTypes.fromText(text); }
CurrencyCode currencyFromString(const QString& text) { return kCurrencies.fromText(text); }
CategoryType categoryTypeFromString(const QString& text) { return kCategoryTypes.fromText(text); }
RecurringFrequency frequencyFromString(const QString& text) { return kFrequencies.fromText(text); }
SyncStatus syncStatusFromString(const QString& text) { return kSyncStatuses.fromText(text); }

namespace {

// Reads the six sync columns starting at column `i` into any synced record.
template <typename Record>
void readSyncColumns(const QSqlQuery& q, int i, Record& r)
{
    r.version = q.value(i).toInt();
    r.syncStatus = syncStatusFromString(q.value(i + 1).toString());
    r.serverId = q.value(i + 2).toString();
    r.createdAt = SqlValue::toTimestamp(q.value(i + 3));
    r.updatedAt = SqlValue::toTimestamp(q.value(i + 4));
    r.deletedAt = SqlValue::toOptionalTimestamp(q.value(i + 5));
}

} // namespace

Account accountFromQuery(const QSqlQuery& q)
{
    Account a;
    a.id = q.value(0).toString();
    a.name = q.value(1).toString();
    a.accountType = accountTypeFromString(q.value(2).toString());
    a.currency = currencyFromString(q.value(3).toString());
    a.institution = q.value(4).toString();
    a.accountNumberLast4 = q.value(5).toString();
    a.startingBalance = q.value(6).toLongLong();
    a.sortOrder = q.value(7).toInt();
    a.isShared = q.value(8).toBool();
    readSyncColumns(q, 9, a);
    return a;
}

void readTransactionInto(const QSqlQuery& q, Transaction& t)
{
    t.id = q.value(0).toString();
    t.accountId = q.value(1).toString();
    t.date = SqlValue::toDate(q.value(2));
    t.payee = q.value(3).toString();
    t.memo = q.value(4).toString();
    t.amount = q.value(5).toLongLong();
    t.categoryId = q.value(6).toString();
    t.checkNumber = q.value(7).toString();
    t.cleared = q.value(8).toBool();
    t.reconciled = q.value(9).toBool();
    t.transferLinkId = q.value(10).toString();
    t.transferDestAccountId = q.value(11).toString();
    t.isSplit = q.value(12).toBool();
    t.recurringId = q.value(13).toString();
    readSyncColumns(q, 14, t);
}

Transaction transactionFromQuery(const QSqlQuery& q)
{
    Transaction t;
    readTransactionInto(q, t);
    return t;
}

Category categoryFromQuery(const QSqlQuery& q)
{
    Category c;
    c.id = q.value(0).toString();
    c.name = q.value(1).toString();
    c.categoryType = categoryTypeFromString(q.value(2).toString());
    c.parentId = q.value(3).toString();
    c.isTaxRelevant = q.value(4).toBool();
    c.taxCategory = q.value(5).toString();
    c.icon = q.value(6).toString();
    c.color = q.value(7).toString();
    c.isDefault = q.value(8).toBool();
    c.accountId = q.value(9).toString();
    readSyncColumns(q, 10, c);
    return c;
}

RecurringTransaction recurringFromQuery(const QSqlQuery& q)
{
    RecurringTransaction r;
    r.id = q.value(0).toString();
    r.accountId = q.value(1).toString();
    r.payee = q.value(2).toString();
    r.memo = q.value(3).toString();
    r.amount = q.value(4).toLongLong();
    r.categoryId = q.value(5).toString();
    r.frequency = frequencyFromString(q.value(6).toString());
    r.startDate = SqlValue::toDate(q.value(7));
    r.endDate = SqlValue::toOptionalDate(q.value(8));
    r.nextDueDate = SqlValue::toDate(q.value(9));
    r.autoPost = q.value(10).toBool();
    r.isActive = q.value(11).toBool();
    r.transferDestAccountId = q.value(12).toString();
    readSyncColumns(q, 13, r);
    // Columns added by later migrations come last in the list.
    r.leadDays = q.value(19).toInt();
    r.intervalCount = q.value(20).toInt();
    r.semimonthlyDay1 = q.value(21).toInt();
    r.semimonthlyDay2 = q.value(22).toInt();
    return r;
}

Reconciliation reconciliationFromQuery(const QSqlQuery& q)
{
    Reconciliation r;
    r.id = q.value(0).toString();
    r.accountId = q.value(1).toString();
    r.statementDate = SqlValue::toDate(q.value(2));
    r.statementBalance = q.value(3).toLongLong();
    r.reconciledBalance = q.value(4).toLongLong();
    r.completedAt = SqlValue::toTimestamp(q.value(5));
    readSyncColumns(q, 6, r);
    return r;
}
