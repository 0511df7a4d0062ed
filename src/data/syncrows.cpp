#include "data/syncrows.h"

#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace SyncRows {

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

} // namespace SyncRows
