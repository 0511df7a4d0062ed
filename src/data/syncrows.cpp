#include "data/syncrows.h"

#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace SyncRows {

namespace {

int execCount(QSqlQuery& q, const char* owner, const char* operation)
{
    if (!q.exec()) {
        qWarning().noquote() << QStringLiteral("%1::%2 failed:").arg(QLatin1String(owner), QLatin1String(operation))
                             << q.lastError().text();
        return -1;
    }
    return qMax(0, q.numRowsAffected());
}

} // namespace

int countPending(QSqlDatabase& db, const char* table)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE sync_status = 'pending'").arg(QLatin1String(table)))
        || !q.next())
        return 0;
    return q.value(0).toInt();
}

bool applyMarks(QSqlDatabase& db, const char* table, const char* owner, const QList<SyncMark>& marks)
{
    if (marks.isEmpty())
        return true;
    // One commit for the whole batch instead of one per row. Inside someone
    // else's open transaction the statements simply join it.
    const bool own = db.transaction();
    // An "ok" without a server id keeps the one the row already has.
    QSqlQuery synced(db);
    synced.prepare(QStringLiteral("UPDATE %1 SET sync_status = 'synced', "
                                  "server_id = COALESCE(NULLIF(?, ''), server_id) WHERE id = ?")
                       .arg(QLatin1String(table)));
    QSqlQuery idOnly(db);
    idOnly.prepare(QStringLiteral("UPDATE %1 SET server_id = COALESCE(NULLIF(?, ''), server_id) WHERE id = ?")
                       .arg(QLatin1String(table)));
    bool ok = true;
    for (const SyncMark& mark : marks) {
        QSqlQuery& q = mark.synced ? synced : idOnly;
        q.bindValue(0, SqlValue::text(mark.serverId));
        q.bindValue(1, SqlValue::text(mark.id));
        if (!q.exec()) {
            qWarning().noquote() << QStringLiteral("%1::markSynced failed:").arg(QLatin1String(owner))
                                 << q.lastError().text();
            ok = false;
            break;
        }
    }
    synced.finish();
    idOnly.finish();
    if (own) {
        if (ok && !db.commit()) {
            qWarning().noquote() << QStringLiteral("%1::markSynced failed:").arg(QLatin1String(owner))
                                 << db.lastError().text();
            ok = false;
        }
        if (!ok)
            db.rollback();
    }
    return ok;
}

bool markSynced(QSqlDatabase& db, const char* table, const QString& id, const QString& serverId)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET sync_status='synced', server_id=COALESCE(NULLIF(?, ''), server_id) "
                             "WHERE id=?")
                  .arg(QLatin1String(table)));
    q.addBindValue(SqlValue::text(serverId));
    q.addBindValue(SqlValue::text(id));
    return q.exec();
}

bool clearServerIds(QSqlDatabase& db, const char* table, const char* owner)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("UPDATE %1 SET server_id = '' WHERE server_id != ''").arg(QLatin1String(table)))) {
        qWarning().noquote() << QStringLiteral("%1::clearServerIds failed:").arg(QLatin1String(owner))
                             << q.lastError().text();
        return false;
    }
    return true;
}

int softDeleteByAccount(QSqlDatabase& db, const char* table, const char* owner, const QString& accountId)
{
    const QString now = SqlValue::nowText();
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET deleted_at = ?, updated_at = ?, sync_status = 'pending', "
                             "version = version + (sync_status != 'pending') "
                             "WHERE account_id = ? AND deleted_at IS NULL")
                  .arg(QLatin1String(table)));
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(SqlValue::text(accountId));
    return execCount(q, owner, "softDeleteByAccount");
}

int restoreByAccount(QSqlDatabase& db, const char* table, const char* owner, const QString& accountId,
                     const QString& deletedSince)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET deleted_at = NULL, updated_at = ?, sync_status = 'pending', "
                             "version = version + (sync_status != 'pending') "
                             "WHERE account_id = ? AND deleted_at >= ?")
                  .arg(QLatin1String(table)));
    q.addBindValue(SqlValue::nowText());
    q.addBindValue(SqlValue::text(accountId));
    // Stamps compare as text, which orders like time because they all have
    // one shape; the boundary itself is included. An empty cutoff binds NULL
    // and so restores nothing; as '' it would revive every deletion the
    // account ever had.
    q.addBindValue(SqlValue::ref(deletedSince));
    return execCount(q, owner, "restoreByAccount");
}

int markAllPendingForResync(QSqlDatabase& db, const char* table, const char* owner)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE %1 SET sync_status = 'pending' "
                             "WHERE deleted_at IS NULL AND sync_status != 'pending'")
                  .arg(QLatin1String(table)));
    return execCount(q, owner, "markAllPendingForResync");
}

QString idsIn(const QString& column, const QStringList& ids, QVariantList& values)
{
    if (ids.isEmpty())
        return QStringLiteral("0");
    QString sql = column + QStringLiteral(" IN (");
    for (qsizetype i = 0; i < ids.size(); ++i) {
        sql += i == 0 ? QStringLiteral("?") : QStringLiteral(", ?");
        values.append(SqlValue::text(ids.at(i)));
    }
    return sql + QLatin1Char(')');
}

QString pullFirstKey()
{
    return QStringLiteral("syncIdsRepush");
}

bool requestPullFirst(QSqlDatabase& db, QString* error)
{
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES (?, '1')"));
    q.addBindValue(pullFirstKey());
    if (q.exec())
        return true;
    if (error)
        *error = q.lastError().text();
    return false;
}

} // namespace SyncRows
