#include "data/recurringrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The table and the name in warnings of the shared sync statements.
constexpr char kTable[] = "recurring_transactions";
constexpr char kOwner[] = "RecurringRepository";

} // namespace

bool isBrokenScheduleDate(const QDate& date)
{
    static const QDate earliestSound(2000, 1, 1);
    return !date.isValid() || date < earliestSound;
}

namespace {

QString dateForLog(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("(invalid)");
}

} // namespace

RecurringRepository::RecurringRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<RecurringTransaction> RecurringRepository::select(const QString& tail, const QVariantList& values) const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM recurring_transactions ").arg(QLatin1String(Columns::recurring)) + tail);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    QList<RecurringTransaction> result;
    while (q.next())
        result.append(recurringFromQuery(q));
    return result;
}

QList<RecurringTransaction> RecurringRepository::findAll() const
{
    return select(QStringLiteral(
        "WHERE deleted_at IS NULL ORDER BY is_active DESC, next_due_date ASC, payee COLLATE NOCASE ASC"));
}

std::optional<RecurringTransaction> RecurringRepository::findById(const QString& id) const
{
    const QList<RecurringTransaction> rows = select(QStringLiteral("WHERE id = ?"), {SqlValue::text(id)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<RecurringTransaction> RecurringRepository::findDue() const
{
    // A schedule whose account or transfer destination is deleted cannot
    // post, so it is not due (until the account is restored).
    return select(QStringLiteral("WHERE deleted_at IS NULL AND is_active = 1 AND next_due_date <= ? "
                                 "AND NOT EXISTS (SELECT 1 FROM accounts a WHERE a.deleted_at IS NOT NULL AND a.id IN "
                                 "(recurring_transactions.account_id, recurring_transactions.transfer_dest_account_id))"),
                  {SqlValue::date(QDate::currentDate())});
}

QList<RecurringTransaction> RecurringRepository::findPendingSync() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"));
}

QList<RecurringTransaction> RecurringRepository::findPendingSync(int limit) const
{
    return select(QStringLiteral("WHERE sync_status = 'pending' ORDER BY rowid LIMIT ?"), {limit});
}

int RecurringRepository::countPendingSync() const
{
    return SyncRows::countPending(m_database->database(), kTable);
}

QList<RecurringTransaction> RecurringRepository::findByIds(const QStringList& ids) const
{
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("id"), ids, values);
    return select(QStringLiteral("WHERE ") + in, values);
}

void RecurringRepository::warnIfBrokenNextDueDate(const RecurringTransaction& r, const char* operation)
{
    if (!isBrokenScheduleDate(r.nextDueDate))
        return;
    // Saved anyway: the recurring service keeps such a schedule from posting.
    qWarning().noquote().nospace() << "RecurringRepository::" << operation
                                   << " saving recurring with broken nextDueDate:"
                                   << " id=" << r.id << " payee=" << r.payee
                                   << " nextDueDate=" << dateForLog(r.nextDueDate)
                                   << " startDate=" << dateForLog(r.startDate)
                                   << " frequency=" << static_cast<int>(r.frequency);
}

bool RecurringRepository::insert(const RecurringTransaction& r)
{
    warnIfBrokenNextDueDate(r, "insert");
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, end_date, next_due_date, auto_post, is_active, transfer_dest_account_id, version, "
        "sync_status, server_id, created_at, updated_at, lead_days, interval_count, semimonthly_day_1, "
        "semimonthly_day_2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(SqlValue::text(r.id));
    q.addBindValue(SqlValue::text(r.accountId));
    q.addBindValue(SqlValue::text(r.payee));
    q.addBindValue(SqlValue::text(r.memo));
    q.addBindValue(r.amount);
    q.addBindValue(SqlValue::ref(r.categoryId));
    q.addBindValue(frequencyToString(r.frequency));
    q.addBindValue(SqlValue::date(r.startDate));
    q.addBindValue(SqlValue::date(r.endDate));
    q.addBindValue(SqlValue::date(r.nextDueDate));
    q.addBindValue(SqlValue::flag(r.autoPost));
    q.addBindValue(SqlValue::flag(r.isActive));
    q.addBindValue(SqlValue::text(r.transferDestAccountId));
    q.addBindValue(r.version);
    q.addBindValue(syncStatusToString(r.syncStatus));
    q.addBindValue(SqlValue::text(r.serverId));
    q.addBindValue(SqlValue::timestamp(r.createdAt));
    q.addBindValue(SqlValue::timestamp(r.updatedAt));
    q.addBindValue(r.leadDays);
    q.addBindValue(r.intervalCount);
    q.addBindValue(r.semimonthlyDay1);
    q.addBindValue(r.semimonthlyDay2);
    if (!q.exec()) {
        qWarning().noquote() << "RecurringRepository::insert failed:" << q.lastError().text();
        return false;
    }
    emit recurringChanged();
    return true;
}

bool RecurringRepository::update(const RecurringTransaction& r)
{
    warnIfBrokenNextDueDate(r, "update");
    QSqlQuery q(m_database->database());
    // account_id and created_at stay: a schedule never moves to another
    // account. A date the record could not read from the row (an invalid
    // one) keeps the stored text: written as NULL, it would make the save
    // fail, and a schedule with a broken date could never be quarantined.
    q.prepare(QStringLiteral(
        "UPDATE recurring_transactions SET payee=?, memo=?, amount=?, category_id=?, frequency=?, "
        "start_date=COALESCE(?, start_date), end_date=CASE WHEN ? THEN end_date ELSE ? END, "
        "next_due_date=COALESCE(?, next_due_date), auto_post=?, is_active=?, transfer_dest_account_id=?, "
        "version=CASE WHEN ? THEN MAX(?, version + (sync_status != 'pending')) ELSE ? END, "
        "sync_status=?, server_id=?, updated_at=?, lead_days=?, interval_count=?, semimonthly_day_1=?, "
        "semimonthly_day_2=? WHERE id=?"));
    q.addBindValue(SqlValue::text(r.payee));
    q.addBindValue(SqlValue::text(r.memo));
    q.addBindValue(r.amount);
    q.addBindValue(SqlValue::ref(r.categoryId));
    q.addBindValue(frequencyToString(r.frequency));
    q.addBindValue(SqlValue::date(r.startDate));
    q.addBindValue(SqlValue::flag(r.endDate && !r.endDate->isValid())); // stored, but unreadable
    q.addBindValue(SqlValue::date(r.endDate));
    q.addBindValue(SqlValue::date(r.nextDueDate));
    q.addBindValue(SqlValue::flag(r.autoPost));
    q.addBindValue(SqlValue::flag(r.isActive));
    q.addBindValue(SqlValue::text(r.transferDestAccountId));
    q.addBindValue(SqlValue::flag(r.syncStatus == SyncStatus::Pending));
    q.addBindValue(r.version);
    q.addBindValue(r.version);
    q.addBindValue(syncStatusToString(r.syncStatus));
    q.addBindValue(SqlValue::text(r.serverId));
    q.addBindValue(SqlValue::timestamp(r.updatedAt));
    q.addBindValue(r.leadDays);
    q.addBindValue(r.intervalCount);
    q.addBindValue(r.semimonthlyDay1);
    q.addBindValue(r.semimonthlyDay2);
    q.addBindValue(SqlValue::text(r.id));
    if (!q.exec()) {
        qWarning().noquote() << "RecurringRepository::update failed:" << q.lastError().text();
        return false;
    }
    emit recurringChanged();
    return true;
}

bool RecurringRepository::softDelete(const QString& id)
{
    const QString now = SqlValue::nowText();
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "UPDATE recurring_transactions SET deleted_at=?, sync_status='pending', "
        "version=version + (sync_status != 'pending'), updated_at=? WHERE id=?"));
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(SqlValue::text(id));
    if (!q.exec())
        return false;
    emit recurringChanged();
    return true;
}

int RecurringRepository::announced(int changed)
{
    if (changed > 0)
        emit recurringChanged();
    return changed;
}

int RecurringRepository::softDeleteByAccount(const QString& accountId)
{
    // A failed statement counts as no row changed, as for accounts.
    return announced(qMax(0, SyncRows::softDeleteByAccount(m_database->database(), kTable, kOwner, accountId)));
}

int RecurringRepository::restoreByAccount(const QString& accountId, const QString& deletedSince)
{
    return announced(SyncRows::restoreByAccount(m_database->database(), kTable, kOwner, accountId, deletedSince));
}

int RecurringRepository::markAllPendingForResync()
{
    return announced(qMax(0, SyncRows::markAllPendingForResync(m_database->database(), kTable, kOwner)));
}

bool RecurringRepository::markSynced(const QString& id, const QString& serverId)
{
    return SyncRows::markSynced(m_database->database(), kTable, id, serverId);
}

bool RecurringRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), kTable, kOwner, marks);
}

bool RecurringRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), kTable, kOwner);
}
