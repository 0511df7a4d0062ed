#include "data/reconciliationrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

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
    return SyncRows::countPending(m_database->database(), "reconciliations");
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

int ReconciliationRepository::execCount(QSqlQuery& q, const char* operation)
{
    if (!q.exec()) {
        qWarning().noquote() << QStringLiteral("ReconciliationRepository::%1 failed:").arg(QLatin1String(operation))
                             << q.lastError().text();
        return -1;
    }
    const int changed = qMax(0, q.numRowsAffected());
    if (changed > 0)
        emit reconciliationsChanged();
    return changed;
}

int ReconciliationRepository::softDeleteByAccount(const QString& accountId)
{
    const QString now = SqlValue::nowText();
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE reconciliations SET deleted_at = ?, updated_at = ?, sync_status = 'pending', "
                             "version = version + (sync_status != 'pending') "
                             "WHERE account_id = ? AND deleted_at IS NULL"));
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(SqlValue::text(accountId));
    return execCount(q, "softDeleteByAccount");
}

int ReconciliationRepository::restoreByAccount(const QString& accountId, const QString& deletedSince)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE reconciliations SET deleted_at = NULL, updated_at = ?, sync_status = 'pending', "
                             "version = version + (sync_status != 'pending') "
                             "WHERE account_id = ? AND deleted_at >= ?"));
    q.addBindValue(SqlValue::nowText());
    q.addBindValue(SqlValue::text(accountId));
    // An empty cutoff binds NULL and so restores nothing; as '' it would
    // revive every deletion the account ever had.
    q.addBindValue(SqlValue::ref(deletedSince));
    return execCount(q, "restoreByAccount");
}

int ReconciliationRepository::markAllPendingForResync()
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE reconciliations SET sync_status = 'pending' "
                             "WHERE deleted_at IS NULL AND sync_status != 'pending'"));
    return execCount(q, "markAllPendingForResync");
}

bool ReconciliationRepository::markSynced(const QString& id, const QString& serverId)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE reconciliations SET sync_status='synced', "
                             "server_id=COALESCE(NULLIF(?, ''), server_id) WHERE id=?"));
    q.addBindValue(SqlValue::text(serverId));
    q.addBindValue(SqlValue::text(id));
    return q.exec();
}

bool ReconciliationRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), "reconciliations", "ReconciliationRepository", marks);
}

bool ReconciliationRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), "reconciliations", "ReconciliationRepository");
}
