// Applying pulled server rows to the local tables: finding the local row,
// the version rule, server deletions and restores, and split lines.

#include "sync/syncengine.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "sync/changeobjects.h"

#include <QDebug>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <limits>
#include <type_traits>
#include <optional>

namespace {

// Reading rules of server rows.
QString text(const QJsonObject& row, const char* key)
{
    const QJsonValue value = row.value(QLatin1String(key));
    return value.isString() ? value.toString() : QString();
}

bool has(const QJsonObject& row, const char* key)
{
    return row.contains(QLatin1String(key));
}

int int32(const QJsonObject& row, const char* key)
{
    const qint64 value = row.value(QLatin1String(key)).toInteger(std::numeric_limits<qint64>::min());
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return 0;
    return int(value);
}

// Money: absent or null is 0; any other value that is not a whole number
// clears `valid` (the row is skipped rather than stored with a wrong sum).
qint64 money(const QJsonObject& row, const char* key, bool& valid)
{
    const QJsonValue value = row.value(QLatin1String(key));
    if (value.isUndefined() || value.isNull())
        return 0;
    constexpr qint64 kNotWhole = std::numeric_limits<qint64>::min();
    const qint64 amount = value.isDouble() ? value.toInteger(kNotWhole) : kNotWhole;
    if (amount == kNotWhole)
        valid = false;
    return amount == kNotWhole ? 0 : amount;
}

bool flag(const QJsonObject& row, const char* key)
{
    const QJsonValue value = row.value(QLatin1String(key));
    return value.isBool() ? value.toBool() : value.toInteger() != 0;
}

// An absent or broken stamp would put NULL into a NOT NULL column and lose
// the row: it becomes now.
QDateTime timestamp(const QJsonObject& row, const char* key)
{
    const QDateTime time = QDateTime::fromString(text(row, key), Qt::ISODate);
    return time.isValid() ? time.toUTC() : QDateTime::currentDateTimeUtc();
}

// The stored texts of an enumeration, compared exactly; anything else is
// the fallback.
template <typename Enum>
Enum enumFrom(const QString& value, Enum (*fromString)(const QString&), QString (*toString)(Enum), Enum fallback)
{
    const Enum parsed = fromString(value);
    return toString(parsed) == value ? parsed : fallback;
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

bool brokenKeyDate(const QDate& date)
{
    return !date.isValid() || date.year() < 2000;
}

// A local row still pending holds a change the server has not seen: only a
// strictly newer server version replaces it. A synced one takes an equal
// version too (the echo of its own push), and so does a pending row that
// never reached the server and was never edited since it was written (a
// default category or a schedule's posting, created under the same id on
// another installation): it holds nothing the server's copy lacks.
template <typename Record>
bool serverWins(const Record& local, int serverVersion)
{
    if (local.syncStatus == SyncStatus::Synced)
        return serverVersion >= local.version;
    if (serverVersion == local.version && local.serverId.isEmpty() && !local.deletedAt
        && local.createdAt == local.updatedAt)
        return true;
    return serverVersion > local.version;
}

// Categories of one page with every parent before its children (a parent
// that is not in the page keeps the row in place).
QJsonArray parentsFirst(const QJsonArray& rows)
{
    QSet<QString> waiting;
    for (const QJsonValue& row : rows)
        waiting.insert(text(row.toObject(), "client_id"));
    QJsonArray ordered;
    QList<QJsonValue> remaining(rows.begin(), rows.end());
    while (!remaining.isEmpty()) {
        QList<QJsonValue> later;
        for (const QJsonValue& row : std::as_const(remaining)) {
            const QString parent = text(row.toObject(), "parent_id");
            if (!parent.isEmpty() && waiting.contains(parent) && parent != text(row.toObject(), "client_id"))
                later.append(row);
            else
                ordered.append(row);
        }
        if (later.size() == remaining.size()) {
            // A cycle of parents: keep the rest in page order.
            for (const QJsonValue& row : std::as_const(later))
                ordered.append(row);
            break;
        }
        for (const QJsonValue& row : std::as_const(remaining)) {
            if (!later.contains(row))
                waiting.remove(text(row.toObject(), "client_id"));
        }
        remaining = later;
    }
    return ordered;
}

} // namespace

// The local row a server row belongs to: by its client id, else by the
// server id stored locally (then `id` becomes that row's id). A row made
// elsewhere without a client id is known by its server id on every
// installation: that is its id here too.
template <typename Repository>
auto SyncEngine::locate(Repository* repository, const char* table, QString& id, const QString& serverId)
    -> decltype(repository->findById(id))
{
    if (id.isEmpty())
        id = serverId;
    // Probed first: on a first pull most rows are new, and the probe's
    // statement is prepared once a page.
    decltype(repository->findById(id)) local;
    if (!id.isEmpty() && !findId(table, "id", id).isEmpty())
        local = repository->findById(id);
    if (!local && !serverId.isEmpty()) {
        const QString known = localIdForServerId(QLatin1String(table), serverId);
        if (!known.isEmpty()) {
            id = known;
            local = repository->findById(id);
        }
    }
    if (id.isEmpty())
        id = newId();
    return local;
}

// A reference of a pulled row to a row of `table`: a local id as it is;
// the server id of a row stored here under another id becomes that id,
// and so does an id this row had before it took its server id (the row
// then goes out again, see syncids.cpp).
QString SyncEngine::ref(const char* table, const QString& value)
{
    if (value.isEmpty())
        return value;
    // A page names the same few accounts and categories in every row:
    // findId() remembers them.
    if (!findId(table, "id", value).isEmpty()) {
        if (m_repairPass && !m_seenInPass.contains(value))
            m_rowLiteralRefs.append(value);
        return value;
    }
    const QString known = findId(table, "server_id", value);
    if (!known.isEmpty())
        return known;
    const QString renamed = renamedId(value);
    if (renamed.isEmpty())
        return value;
    m_rowNamesOldId = true;
    return renamed;
}

// The version rule for one server row: a new row is inserted (unless the
// server deleted it), a known one replaced when the server's version wins.
// The row's account and deletion state then follow the server's: a
// deletion is soft-deleted locally (and pushed once more), a restore made
// elsewhere clears deleted_at. A reconciliation, which has no single-row
// delete, takes the server's deletion as it is, synced.
template <typename Repository, typename Record>
SyncEngine::RowOutcome SyncEngine::writeRow(Repository* repository, const char* table,
                                            const std::optional<Record>& local, const Record& record,
                                            const QString& deletedAt)
{
    const bool deleted = !deletedAt.isEmpty();
    const auto deletionStamp = [&deletedAt] {
        const QDateTime stamp = QDateTime::fromString(deletedAt, Qt::ISODate);
        return SqlValue::timestampText(stamp.isValid() ? stamp : QDateTime::currentDateTimeUtc());
    };
    if (!local) {
        // A deleted category is kept, deleted: the transactions, split lines
        // and schedules that name it stay live on the device that deleted it
        // and could not be written here without it.
        if constexpr (std::is_same_v<Record, Category>) {
            if (deleted) {
                if (!repository->insert(record))
                    return RowOutcome::Failed;
                noteStored(table, record.id, record.serverId, QString());
                return setDeletedAt(table, record.id, deletionStamp()) ? RowOutcome::Written : RowOutcome::Failed;
            }
        }
        if (deleted)
            return RowOutcome::Skipped;
        if (!repository->insert(record))
            return RowOutcome::Failed;
        noteStored(table, record.id, record.serverId, QString());
        return resolveReferencesTo(table, record.id, record.serverId) ? RowOutcome::Written : RowOutcome::Failed;
    }
    if (!serverWins(*local, record.version))
        return RowOutcome::Skipped;
    if (!repository->update(record))
        return RowOutcome::Failed;
    noteStored(table, record.id, record.serverId, local->serverId);
    if (local->serverId != record.serverId && !resolveReferencesTo(table, record.id, record.serverId))
        return RowOutcome::Failed;
    if constexpr (std::is_same_v<Record, Transaction> || std::is_same_v<Record, RecurringTransaction>) {
        // The repository's update never moves a row to another account.
        if (local->accountId != record.accountId && !moveToAccount(table, record.id, record.accountId))
            return RowOutcome::Failed;
    }
    bool ok = true;
    if constexpr (std::is_same_v<Record, Reconciliation>) {
        if (deleted != local->deletedAt.has_value())
            ok = setDeletedAt(table, record.id, deleted ? deletionStamp() : QString());
    } else if (deleted && !local->deletedAt) {
        ok = repository->softDelete(record.id);
    } else if (!deleted && local->deletedAt) {
        ok = setDeletedAt(table, record.id, QString());
    }
    return ok ? RowOutcome::Written : RowOutcome::Failed;
}

void SyncEngine::applyAccount(const QJsonArray& rows)
{
    applyRows(QStringLiteral("account"), rows);
}

void SyncEngine::applyCategory(const QJsonArray& rows)
{
    applyRows(QStringLiteral("category"), parentsFirst(rows));
}

void SyncEngine::applyRecurring(const QJsonArray& rows)
{
    applyRows(QStringLiteral("recurring"), rows);
}

void SyncEngine::applyTransactionChange(const QJsonArray& rows)
{
    applyRows(QStringLiteral("transaction"), rows);
}

void SyncEngine::applyReconciliation(const QJsonArray& rows)
{
    applyRows(QStringLiteral("reconciliation"), rows);
}

// What applying a pulled row needs to know of its entity type beyond its
// columns: the local table, the name warnings give the apply, and the date
// a row is not stored without (none: null), with its key, the warning of a
// row skipped for it and the member shown after the id there (if any).
template <typename Record>
struct SyncEngine::PulledEntity
{
    const char* table;
    const char* operation;
    QDate Record::*keyDate = nullptr;
    const char* keyDateKey = nullptr;
    const char* keyDateWarning = nullptr;
    QString Record::*label = nullptr;
};

// One server row into the local row it belongs to. `readColumns` reads the
// entity's own columns (clearing `valid` on an amount that is not a whole
// number); the sync columns are the same for all. A row with a broken key
// date or amount is skipped with a warning, any other written by the
// version rule.
template <typename Record, typename Repository, typename ReadColumns>
SyncEngine::RowOutcome SyncEngine::applyPulledRow(Repository* repository, const PulledEntity<Record>& entity,
                                                  const QJsonObject& row, ReadColumns readColumns)
{
    Record r;
    r.serverId = text(row, "id");
    r.id = text(row, "client_id");
    // The page's rows were renamed before it was applied; a row tried again
    // from the retry list may not have been.
    if (r.id.isEmpty() && !adoptServerIds(entity.table, QJsonArray{row}))
        return RowOutcome::Failed;
    const std::optional<Record> local = locate(repository, entity.table, r.id, r.serverId);
    m_rowLiteralRefs.clear();
    m_rowNamesOldId = false;
    bool valid = true;
    readColumns(r, local, valid);
    r.version = int32(row, "version");
    r.syncStatus = SyncStatus::Synced;
    r.createdAt = timestamp(row, "created_at");
    r.updatedAt = timestamp(row, "updated_at");
    if (entity.keyDate && brokenKeyDate(r.*entity.keyDate)) {
        QDebug warning = qWarning();
        warning << entity.keyDateWarning << r.id;
        if (entity.label)
            warning << r.*entity.label;
        warning << text(row, entity.keyDateKey);
        return RowOutcome::Skipped;
    }
    // A transaction's split lines are read with it (their amounts count in
    // `valid`) and written after it.
    std::optional<QList<SplitLine>> lines;
    if constexpr (std::is_same_v<Record, Transaction>)
        lines = pulledSplitLines(row, r, valid);
    if (!valid) {
        qWarning() << entity.operation << "skipping server record with an amount that is not a whole number:" << r.id;
        return RowOutcome::Skipped;
    }
    const QString deletedAt = text(row, "deleted_at");
    // A pull that starts over brings every row again: one that changes
    // nothing stored is not written.
    const bool stored = local && local->syncStatus == SyncStatus::Synced && local->version == r.version
        && storedAlready(*local, r, deletedAt, lines);
    RowOutcome outcome = stored ? RowOutcome::Skipped : writeRow(repository, entity.table, local, r, deletedAt);
    if constexpr (std::is_same_v<Record, Transaction>) {
        if (outcome == RowOutcome::Written)
            outcome = writeSplitLines(r, local, lines);
    }
    if (outcome == RowOutcome::Failed || (outcome == RowOutcome::Skipped && !stored))
        return outcome;
    if (m_rowNamesOldId && !markForRepush(entity.table, r.id))
        return RowOutcome::Failed;
    if (m_repairPass) {
        for (const QString& target : std::as_const(m_rowLiteralRefs))
            m_literalRefs[target].append({entity.table, r.id});
        m_seenInPass.insert(r.id);
    }
    return outcome;
}

// Whether the stored row already is the pulled one, split lines included
// (compared as the change objects the two would push).
template <typename Record>
bool SyncEngine::storedAlready(const Record& local, Record pulled, const QString& deletedAt,
                               const std::optional<QList<SplitLine>>& lines) const
{
    if (!deletedAt.isEmpty()) {
        const QDateTime stamp = QDateTime::fromString(deletedAt, Qt::ISODate);
        if (!stamp.isValid())
            return false;
        pulled.deletedAt = stamp.toUTC();
    }
    if constexpr (std::is_same_v<Record, Transaction>) {
        if (!local.isSplit && !pulled.isSplit)
            return ChangeObjects::transaction(local, {}) == ChangeObjects::transaction(pulled, {});
        const QList<SplitLine> localLines = m_splitLines->findByTransaction(local.id);
        // A split row sent without its lines keeps the stored ones.
        return ChangeObjects::transaction(local, localLines)
            == ChangeObjects::transaction(pulled, lines ? *lines : localLines);
    } else if constexpr (std::is_same_v<Record, Account>) {
        return ChangeObjects::account(local) == ChangeObjects::account(pulled);
    } else if constexpr (std::is_same_v<Record, Category>) {
        return ChangeObjects::category(local) == ChangeObjects::category(pulled);
    } else if constexpr (std::is_same_v<Record, RecurringTransaction>) {
        return ChangeObjects::recurring(local) == ChangeObjects::recurring(pulled);
    } else {
        return ChangeObjects::reconciliation(local) == ChangeObjects::reconciliation(pulled);
    }
}

SyncEngine::RowOutcome SyncEngine::applyAccountRow(const QJsonObject& row)
{
    const PulledEntity<Account> entity{"accounts", "applyAccount:"};
    return applyPulledRow(m_accounts, entity, row, [&row](Account& r, const std::optional<Account>&, bool& valid) {
        r.name = text(row, "name");
        r.accountType =
            enumFrom(text(row, "account_type"), accountTypeFromString, accountTypeToString, AccountType::Other);
        r.currency = enumFrom(text(row, "currency"), currencyFromString, currencyToString, CurrencyCode::USD);
        r.isShared = flag(row, "is_shared");
        r.institution = text(row, "institution");
        r.accountNumberLast4 = text(row, "account_number_last4");
        r.startingBalance = money(row, "starting_balance", valid);
        r.sortOrder = int32(row, "sort_order");
    });
}

SyncEngine::RowOutcome SyncEngine::applyCategoryRow(const QJsonObject& row)
{
    const PulledEntity<Category> entity{"categories", "applyCategory:"};
    return applyPulledRow(m_categories, entity, row, [this, &row](Category& r, const std::optional<Category>&, bool&) {
        r.name = text(row, "name");
        r.categoryType =
            enumFrom(text(row, "category_type"), categoryTypeFromString, categoryTypeToString, CategoryType::Expense);
        r.parentId = ref("categories", text(row, "parent_id"));
        r.isTaxRelevant = flag(row, "is_tax_relevant");
        r.taxCategory = text(row, "tax_category");
        r.icon = text(row, "icon");
        r.color = text(row, "color");
        r.isDefault = flag(row, "is_default");
        r.accountId = ref("accounts", text(row, "account_id"));
    });
}

SyncEngine::RowOutcome SyncEngine::applyRecurringRow(const QJsonObject& row)
{
    using R = RecurringTransaction;
    const PulledEntity<R> entity{"recurring_transactions", "applyRecurring:", &R::nextDueDate, "next_due_date",
                                 "applyRecurring: skipping server record with broken nextDueDate:", &R::payee};
    return applyPulledRow(m_recurring, entity, row, [this, &row](R& r, const std::optional<R>& local, bool& valid) {
        r.accountId = ref("accounts", text(row, "account_id"));
        r.payee = text(row, "payee");
        r.memo = text(row, "memo");
        r.amount = money(row, "amount", valid);
        r.categoryId = ref("categories", text(row, "category_id"));
        r.transferDestAccountId = ref("accounts", text(row, "transfer_dest_account_id"));
        r.frequency = frequencyFromString(text(row, "frequency"));
        r.nextDueDate = parseDate(text(row, "next_due_date"));
        r.startDate = parseDate(text(row, "start_date"));
        if (!r.startDate.isValid())
            r.startDate = r.nextDueDate; // the column cannot be empty
        const QString endDate = text(row, "end_date");
        if (!endDate.isEmpty())
            r.endDate = parseDate(endDate);
        r.autoPost = flag(row, "auto_post");
        r.isActive = flag(row, "is_active");
        // Absent counts keep what the local row has (older services do not
        // send them).
        r.leadDays = has(row, "lead_days") ? int32(row, "lead_days") : local ? local->leadDays : 0;
        r.intervalCount = has(row, "interval_count") ? int32(row, "interval_count") : local ? local->intervalCount : 1;
        r.semimonthlyDay1 =
            has(row, "semimonthly_day_1") ? int32(row, "semimonthly_day_1") : local ? local->semimonthlyDay1 : 1;
        r.semimonthlyDay2 =
            has(row, "semimonthly_day_2") ? int32(row, "semimonthly_day_2") : local ? local->semimonthlyDay2 : 15;
    });
}

SyncEngine::RowOutcome SyncEngine::applyTransactionRow(const QJsonObject& row)
{
    using R = Transaction;
    const PulledEntity<R> entity{"transactions", "applyTransactionChange:", &R::date, "date",
                                 "applyTransactionChange: skipping server record with broken date:", &R::payee};
    return applyPulledRow(m_transactions, entity, row, [this, &row](R& r, const std::optional<R>&, bool& valid) {
        r.accountId = ref("accounts", text(row, "account_id"));
        r.date = parseDate(text(row, "date"));
        r.payee = text(row, "payee");
        r.memo = text(row, "memo");
        r.amount = money(row, "amount", valid);
        r.categoryId = ref("categories", text(row, "category_id"));
        r.checkNumber = text(row, "check_number");
        r.cleared = flag(row, "cleared");
        r.reconciled = flag(row, "reconciled");
        r.transferLinkId = ref("transactions", text(row, "transfer_link_id"));
        r.transferDestAccountId = ref("accounts", text(row, "transfer_dest_account_id"));
        r.isSplit = flag(row, "is_split");
        r.recurringId = ref("recurring_transactions", text(row, "recurring_id"));
    });
}

SyncEngine::RowOutcome SyncEngine::applyReconciliationRow(const QJsonObject& row)
{
    using R = Reconciliation;
    const PulledEntity<R> entity{"reconciliations", "applyReconciliation:", &R::statementDate, "statement_date",
                                 "applyReconciliation: skipping server record with broken statementDate:"};
    return applyPulledRow(m_reconciliations, entity, row, [this, &row](R& r, const std::optional<R>&, bool& valid) {
        r.accountId = ref("accounts", text(row, "account_id"));
        r.statementDate = parseDate(text(row, "statement_date"));
        r.statementBalance = money(row, "statement_balance", valid);
        r.reconciledBalance = money(row, "reconciled_balance", valid);
        r.completedAt = timestamp(row, "completed_at");
    });
}

// A split row that comes without a "split_lines" array keeps the lines it
// has here rather than be left split without any: no lines then.
std::optional<QList<SplitLine>> SyncEngine::pulledSplitLines(const QJsonObject& row, const Transaction& transaction,
                                                             bool& valid)
{
    if (!transaction.isSplit || !row.value(QLatin1String("split_lines")).isArray())
        return std::nullopt;
    QList<SplitLine> lines;
    for (const QJsonValue& value : row.value(QLatin1String("split_lines")).toArray()) {
        const QJsonObject object = value.toObject();
        SplitLine line;
        line.id = newId();
        line.transactionId = transaction.id;
        line.categoryId = ref("categories", text(object, "category_id"));
        line.amount = money(object, "amount", valid);
        line.memo = text(object, "memo");
        line.createdAt = transaction.createdAt;
        line.updatedAt = transaction.updatedAt;
        lines.append(line);
    }
    return lines;
}

// A transaction just written gets the lines the server sent, or none when
// it is no longer split.
SyncEngine::RowOutcome SyncEngine::writeSplitLines(const Transaction& transaction,
                                                   const std::optional<Transaction>& local,
                                                   const std::optional<QList<SplitLine>>& lines)
{
    if (local && (lines || (!transaction.isSplit && local->isSplit))
        && !m_splitLines->deleteByTransaction(transaction.id))
        return RowOutcome::Failed;
    if (!lines || lines->isEmpty())
        return RowOutcome::Written;
    if (!m_splitLineInsert)
        m_splitLineInsert = m_splitLines->prepareInsert();
    for (const SplitLine& line : *lines) {
        // A line whose category has not arrived yet fails the whole row: it
        // is tried again later rather than kept split without its lines.
        if (!m_splitLines->insert(line, *m_splitLineInsert))
            return RowOutcome::Failed;
    }
    return RowOutcome::Written;
}

QString SyncEngine::localIdForServerId(const QString& table, const QString& serverId)
{
    return findId(table.toLatin1().constData(), "server_id", serverId);
}

QDate SyncEngine::parseDate(const QString& text)
{
    if (text.isEmpty())
        return QDate();
    const QDate date = QDate::fromString(text, Qt::ISODate);
    if (date.isValid())
        return date;
    // The date as written, not moved into another zone.
    const QDateTime time = QDateTime::fromString(text, Qt::ISODate);
    return time.isValid() ? time.date() : QDate();
}

bool SyncEngine::setDeletedAt(const char* table, const QString& id, const QString& deletedAt)
{
    return execSql(QStringLiteral("UPDATE %1 SET deleted_at = ? WHERE id = ?").arg(QLatin1String(table)),
                   {deletedAt.isEmpty() ? QVariant() : QVariant(deletedAt), SqlValue::text(id)});
}

bool SyncEngine::moveToAccount(const char* table, const QString& id, const QString& accountId)
{
    return execSql(QStringLiteral("UPDATE %1 SET account_id = ? WHERE id = ?").arg(QLatin1String(table)),
                   {SqlValue::text(accountId), SqlValue::text(id)});
}
