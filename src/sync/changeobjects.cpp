#include "sync/changeobjects.h"

#include "data/sqlvalue.h"

#include <QJsonArray>

namespace ChangeObjects {

namespace {

int flag(bool value)
{
    return value ? 1 : 0;
}

QString dateText(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

// client_id and, when the row has one, server_id: the first keys of every
// payload.
template <typename Record>
QJsonObject identity(const Record& row)
{
    QJsonObject payload{{"client_id", row.id}};
    if (!row.serverId.isEmpty())
        payload.insert(QStringLiteral("server_id"), row.serverId);
    return payload;
}

// created_at, updated_at and, for a soft-deleted row, deleted_at; then the
// change object around the payload.
template <typename Record>
QJsonObject wrap(const char* entityType, const Record& row, QJsonObject payload)
{
    payload.insert(QStringLiteral("created_at"), SqlValue::timestampText(row.createdAt));
    payload.insert(QStringLiteral("updated_at"), SqlValue::timestampText(row.updatedAt));
    if (row.deletedAt)
        payload.insert(QStringLiteral("deleted_at"), SqlValue::timestampText(*row.deletedAt));
    return QJsonObject{{"entity_type", QLatin1String(entityType)},
                       {"entity_id", row.id},
                       {"action", row.deletedAt ? QStringLiteral("delete") : QStringLiteral("upsert")},
                       {"version", row.version},
                       {"payload", payload}};
}

} // namespace

QJsonObject account(const Account& a)
{
    QJsonObject p = identity(a);
    p.insert(QStringLiteral("name"), a.name);
    p.insert(QStringLiteral("account_type"), accountTypeToString(a.accountType));
    p.insert(QStringLiteral("currency"), currencyToString(a.currency));
    p.insert(QStringLiteral("is_shared"), flag(a.isShared));
    p.insert(QStringLiteral("institution"), a.institution);
    p.insert(QStringLiteral("account_number_last4"), a.accountNumberLast4);
    p.insert(QStringLiteral("starting_balance"), a.startingBalance);
    p.insert(QStringLiteral("sort_order"), a.sortOrder);
    p.insert(QStringLiteral("version"), a.version);
    return wrap("account", a, p);
}

QJsonObject category(const Category& c)
{
    QJsonObject p = identity(c);
    p.insert(QStringLiteral("name"), c.name);
    p.insert(QStringLiteral("category_type"), categoryTypeToString(c.categoryType));
    p.insert(QStringLiteral("parent_id"), c.parentId);
    p.insert(QStringLiteral("is_tax_relevant"), flag(c.isTaxRelevant));
    p.insert(QStringLiteral("tax_category"), c.taxCategory);
    p.insert(QStringLiteral("icon"), c.icon);
    p.insert(QStringLiteral("color"), c.color);
    p.insert(QStringLiteral("is_default"), flag(c.isDefault));
    p.insert(QStringLiteral("account_id"), c.accountId);
    p.insert(QStringLiteral("version"), c.version);
    return wrap("category", c, p);
}

QJsonObject recurring(const RecurringTransaction& r)
{
    QJsonObject p = identity(r);
    p.insert(QStringLiteral("account_id"), r.accountId);
    p.insert(QStringLiteral("payee"), r.payee);
    p.insert(QStringLiteral("memo"), r.memo);
    p.insert(QStringLiteral("amount"), r.amount);
    p.insert(QStringLiteral("category_id"), r.categoryId);
    p.insert(QStringLiteral("transfer_dest_account_id"), r.transferDestAccountId);
    p.insert(QStringLiteral("frequency"), frequencyToString(r.frequency));
    p.insert(QStringLiteral("start_date"), dateText(r.startDate));
    if (r.endDate)
        p.insert(QStringLiteral("end_date"), dateText(*r.endDate));
    p.insert(QStringLiteral("next_due_date"), dateText(r.nextDueDate));
    p.insert(QStringLiteral("auto_post"), flag(r.autoPost));
    p.insert(QStringLiteral("lead_days"), r.leadDays);
    p.insert(QStringLiteral("interval_count"), r.intervalCount);
    p.insert(QStringLiteral("semimonthly_day_1"), r.semimonthlyDay1);
    p.insert(QStringLiteral("semimonthly_day_2"), r.semimonthlyDay2);
    p.insert(QStringLiteral("is_active"), flag(r.isActive));
    return wrap("recurring", r, p);
}

QJsonObject transaction(const Transaction& t, const QList<SplitLine>& lines)
{
    QJsonObject p = identity(t);
    p.insert(QStringLiteral("account_id"), t.accountId);
    p.insert(QStringLiteral("date"), dateText(t.date));
    p.insert(QStringLiteral("payee"), t.payee);
    p.insert(QStringLiteral("memo"), t.memo);
    p.insert(QStringLiteral("amount"), t.amount);
    p.insert(QStringLiteral("category_id"), t.categoryId);
    p.insert(QStringLiteral("check_number"), t.checkNumber);
    p.insert(QStringLiteral("cleared"), flag(t.cleared));
    p.insert(QStringLiteral("reconciled"), flag(t.reconciled));
    p.insert(QStringLiteral("transfer_link_id"), t.transferLinkId);
    p.insert(QStringLiteral("transfer_dest_account_id"), t.transferDestAccountId);
    p.insert(QStringLiteral("is_split"), flag(t.isSplit));
    p.insert(QStringLiteral("recurring_id"), t.recurringId);
    p.insert(QStringLiteral("version"), t.version);
    if (t.isSplit) {
        QJsonArray split;
        for (const SplitLine& line : lines)
            split.append(QJsonObject{{"category_id", line.categoryId}, {"amount", line.amount}, {"memo", line.memo}});
        p.insert(QStringLiteral("split_lines"), split);
    }
    return wrap("transaction", t, p);
}

QJsonObject reconciliation(const Reconciliation& r)
{
    QJsonObject p = identity(r);
    p.insert(QStringLiteral("account_id"), r.accountId);
    p.insert(QStringLiteral("statement_date"), dateText(r.statementDate));
    p.insert(QStringLiteral("statement_balance"), r.statementBalance);
    p.insert(QStringLiteral("reconciled_balance"), r.reconciledBalance);
    p.insert(QStringLiteral("completed_at"), SqlValue::timestampText(r.completedAt));
    p.insert(QStringLiteral("version"), r.version);
    return wrap("reconciliation", r, p);
}

} // namespace ChangeObjects
