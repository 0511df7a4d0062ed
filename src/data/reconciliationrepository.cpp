#include "data/reconciliationrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The table and the name in warnings of the shared sync statements.
constexpr char kTable[] = "reconciliations";
constexpr char kOwner[] = "ReconciliationRepository";

} // namespace

ReconciliationRepository::ReconciliationRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<Reconciliation> ReconciliationRepository::select(const QString& tail, const QVariantList& values) const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM reconciliations ").arg(QLatin1String(Columns::reconciliation)) + tail);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    QList<Reconciliation> result;
    while (q.next())
        result.append(reconciliationFromQuery(q));
    return result;
}

QList<Reconciliation> ReconciliationRepository::findByAccount(const QString& accountId) const
{
    return select(QStringLiteral("WHERE account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC"),
                  {SqlValue::text(accountId)});
}

std::optional<Reconciliation> ReconciliationRepository::findLatestForAccount(const QString& accountId) const
{
    const QList<Reconciliation> rows =
        select(QStringLiteral("WHERE account_id = ? AND deleted_at IS NULL ORDER BY statement_date DESC LIMIT 1"),
               {SqlValue::text(accountId)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

std::optional<Reconciliation> ReconciliationRepository::findById(const QString& id) const
{
    const QList<Reconciliation> rows = select(QStringLiteral("WHERE id = ?"), {SqlValue::text(id)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<Reconciliation> ReconciliationRepository::findPendingSync() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"));
}

QList<Reconciliation> ReconciliationRepository::findPendingSync(int limit) const
{
    return select(QStringLiteral("WHERE sync_status = 'pending' ORDER BY rowid LIMIT ?"), {limit});
}

int ReconciliationRepository::countPendingSync() const
{
    return SyncRows::countPending(m_database->database(), kTable);
}

QList<Reconciliation> ReconciliationRepository::findByIds(const QStringList& ids) const
{
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("id"), ids, values);
    return select(QStringLiteral("WHERE ") + in, values);
}

bool ReconciliationRepository::insert(const Reconciliation& r)
{
    const QString now = SqlValue::nowText();
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
        "completed_at, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(SqlValue::text(r.id));
    q.addBindValue(SqlValue::text(r.accountId));
    q.addBindValue(SqlValue::date(r.statementDate));
    q.addBindValue(r.statementBalance);
    q.addBindValue(r.reconciledBalance);
    q.addBindValue(SqlValue::timestamp(r.completedAt));
    q.addBindValue(r.version);
    q.addBindValue(syncStatusToString(r.syncStatus));
    q.addBindValue(SqlValue::text(r.serverId));
    // The reconciliation screen builds records without times; stamp them here.
    q.addBindValue(r.createdAt.isValid() ? SqlValue::timestamp(r.createdAt) : QVariant(now));
    q.addBindValue(r.updatedAt.isValid() ? SqlValue::timestamp(r.updatedAt) : QVariant(now));
    if (!q.exec()) {
        qWarning().noquote() << "ReconciliationRepository::insert failed:" << q.lastError().text();
        return false;
    }
    emit reconciliationsChanged();
    return true;
}

bool ReconciliationRepository::update(const Reconciliation& r)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "UPDATE reconciliations SET account_id=?, statement_date=?, statement_balance=?, reconciled_balance=?, "
        "completed_at=?, version=CASE WHEN ? THEN MAX(?, version + (sync_status != 'pending')) ELSE ? END, "
        "sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    q.addBindValue(SqlValue::text(r.accountId));
    q.addBindValue(SqlValue::date(r.statementDate));
    q.addBindValue(r.statementBalance);
    q.addBindValue(r.reconciledBalance);
    q.addBindValue(SqlValue::timestamp(r.completedAt));
    q.addBindValue(SqlValue::flag(r.syncStatus == SyncStatus::Pending));
    q.addBindValue(r.version);
    q.addBindValue(r.version);
    q.addBindValue(syncStatusToString(r.syncStatus));
    q.addBindValue(SqlValue::text(r.serverId));
    q.addBindValue(SqlValue::timestamp(r.updatedAt));
    q.addBindValue(SqlValue::text(r.id));
    if (!q.exec()) {
        qWarning().noquote() << "ReconciliationRepository::update failed:" << q.lastError().text();
        return false;
    }
    emit reconciliationsChanged();
    return true;
}

int ReconciliationRepository::announced(int changed)
{
    if (changed > 0)
        emit reconciliationsChanged();
    return changed;
}

int ReconciliationRepository::softDeleteByAccount(const QString& accountId)
{
    // A failed statement counts as no row changed, as for accounts.
    return announced(qMax(0, SyncRows::softDeleteByAccount(m_database->database(), kTable, kOwner, accountId)));
}

int ReconciliationRepository::restoreByAccount(const QString& accountId, const QString& deletedSince)
{
    return announced(SyncRows::restoreByAccount(m_database->database(), kTable, kOwner, accountId, deletedSince));
}

int ReconciliationRepository::markAllPendingForResync()
{
    return announced(qMax(0, SyncRows::markAllPendingForResync(m_database->database(), kTable, kOwner)));
}

bool ReconciliationRepository::markSynced(const QString& id, const QString& serverId)
{
    return SyncRows::markSynced(m_database->database(), kTable, id, serverId);
}

bool ReconciliationRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), kTable, kOwner, marks);
}

bool ReconciliationRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), kTable, kOwner);
}
