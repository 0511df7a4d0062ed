// The local ids of pulled rows. A row made elsewhere without a client id is
// stored under its server id, so every installation and the service name
// it alike and every reference pushed from here resolves everywhere.
// References that name a row by its server id before it arrives are
// switched to its local id once it is stored under another one.

#include "sync/syncengine.h"

#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/registerfilter.h"
#include "data/renamedids.h"
#include "data/syncrows.h"

#include <QDebug>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// Every column that names a row of another table by its id.
struct Reference
{
    const char* target;
    const char* table;
    const char* column;
    // The entity type of the referring table; null when it is not synced.
    const char* entityType;
    // Without a foreign key the column may hold a server id until the row
    // it names arrives.
    bool foreignKey;
};

constexpr Reference kReferences[] = {
    {"accounts", "transactions", "transfer_dest_account_id", "transaction", false},
    {"accounts", "recurring_transactions", "transfer_dest_account_id", "recurring", false},
    {"accounts", "categories", "account_id", "category", false},
    {"recurring_transactions", "transactions", "recurring_id", "transaction", false},
    {"transactions", "transactions", "transfer_link_id", "transaction", false},
    {"accounts", "transactions", "account_id", "transaction", true},
    {"accounts", "recurring_transactions", "account_id", "recurring", true},
    {"accounts", "reconciliations", "account_id", "reconciliation", true},
    {"accounts", "transaction_templates", "account_id", nullptr, true},
    {"categories", "categories", "parent_id", "category", true},
    {"categories", "transactions", "category_id", "transaction", true},
    {"categories", "recurring_transactions", "category_id", "recurring", true},
    {"categories", "transaction_templates", "category_id", nullptr, true},
    // A split line goes out with its transaction.
    {"categories", "split_lines", "category_id", "transaction", true},
    {"transactions", "split_lines", "transaction_id", nullptr, true},
};

constexpr const char* kSyncedTables[] = {"accounts", "categories", "recurring_transactions", "transactions",
                                         "reconciliations"};

// Set once the stored ids of earlier builds were repaired.
const QString kIdsRepairedKey = QStringLiteral("syncIdsRepaired");
// Followed by a row's id before the repair: the id it took. Kept after the
// repair: a copy pulled later may still name the old id (another device
// edited it from a copy it pulled before the row went out again), and so
// may a backup made before it.
const QString kRenamedIdPrefix = RenamedIds::preferenceKey(QString());

} // namespace

// A reference without a foreign key is stored even when the row it names
// by server id has not arrived yet (the two legs of a transfer name each
// other). Once that row is stored here under `id` with that server id,
// such references name it by its local id. Only the id is fixed: the rows
// stay as the server has them, neither pending nor a version further.
// (Called only when the server id is new to the row: the columns other
// than transfer_link_id have no index to search.)
bool SyncEngine::resolveReferencesTo(const char* table, const QString& id, const QString& serverId)
{
    if (serverId.isEmpty() || serverId == id)
        return true;
    for (const Reference& reference : kReferences) {
        if (reference.foreignKey || qstrcmp(reference.target, table) != 0)
            continue;
        // A value that is a local id names that row (as ref() reads it).
        // "<> ''" lets the partial index of transfer links serve.
        QSqlQuery& q = statement(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %2 = ? AND %2 <> '' "
                                                "AND NOT EXISTS (SELECT 1 FROM %3 WHERE id = ?)")
                                     .arg(QLatin1String(reference.table), QLatin1String(reference.column),
                                          QLatin1String(table)));
        q.bindValue(0, id);
        q.bindValue(1, serverId);
        q.bindValue(2, serverId);
        const bool ok = q.exec();
        if (!ok)
            qWarning().noquote() << "SyncEngine: references not resolved:" << q.lastError().text();
        else if (q.numRowsAffected() > 0)
            m_pageTouched.insert(QLatin1String(reference.entityType));
        q.finish();
        if (!ok)
            return false;
    }
    return true;
}

// The rows of a page without a client id that an earlier build stored here
// under ids of their own take their server ids as their ids, all before
// the page's rows are applied (see renameRows()). False on a database
// error.
bool SyncEngine::adoptServerIds(const char* table, const QJsonArray& rows)
{
    QHash<QString, QString> renames;
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        const QString serverId = row.value(QLatin1String("id")).toString();
        if (serverId.isEmpty() || !row.value(QLatin1String("client_id")).toString().isEmpty())
            continue;
        const QString stored = findId(table, "server_id", serverId);
        if (!stored.isEmpty() && stored != serverId && findId(table, "id", serverId).isEmpty())
            renames.insert(stored, serverId);
    }
    return renames.isEmpty() || renameRows(table, renames);
}

// Every reference to the rows follows them to their new ids, set-wise:
// one statement a column for all of them, through the column's index where
// it has one. No referring row is pushed for that alone: one whose copy on
// the service names an old id, which only this installation knew, is found
// when that copy is pulled (ref()) or was pulled before in this pass
// (m_literalRefs), and only that one is pushed again.
bool SyncEngine::renameRows(const char* table, const QHash<QString, QString>& renames)
{
    QJsonObject pairs;
    for (auto it = renames.constBegin(); it != renames.constEnd(); ++it)
        pairs.insert(it.key(), it.value());
    // "old" → "new" for the statements below; "<> ''" lets the partial index
    // of transfer links serve.
    const auto follow = [this](const QString& referring, const QString& column) {
        return execSql(QStringLiteral("UPDATE %1 SET %2 = (SELECT new FROM temp.sync_renamed_ids WHERE old = %2) "
                                      "WHERE %2 IN (SELECT old FROM temp.sync_renamed_ids) AND %2 <> ''")
                           .arg(referring, column));
    };
    // In a savepoint: a failure half-way must not leave references behind.
    if (!execSql(QStringLiteral("SAVEPOINT rename_rows")))
        return false;
    bool ok = execSql(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS sync_renamed_ids "
                                     "(old TEXT PRIMARY KEY, new TEXT NOT NULL)"))
        && execSql(QStringLiteral("DELETE FROM temp.sync_renamed_ids"))
        && execSql(QStringLiteral("INSERT INTO temp.sync_renamed_ids SELECT key, value FROM json_each(?)"),
                   {QString::fromUtf8(QJsonDocument(pairs).toJson(QJsonDocument::Compact))})
        // The foreign keys are checked at the commit instead, once every
        // reference has followed. (Each switch makes SQLite compile every
        // prepared statement again: once for all the rows.)
        && execSql(QStringLiteral("PRAGMA defer_foreign_keys = ON")) && follow(QLatin1String(table), QStringLiteral("id"));
    for (const Reference& reference : kReferences) {
        if (!ok || qstrcmp(reference.target, table) != 0)
            continue;
        ok = follow(QLatin1String(reference.table), QLatin1String(reference.column));
        if (ok && reference.entityType)
            m_pageTouched.insert(QLatin1String(reference.entityType));
    }
    execSql(QStringLiteral("PRAGMA defer_foreign_keys = OFF"));
    // Pulled rows that name an old id find the row still (ref()).
    ok = ok
        && execSql(QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) "
                                  "SELECT ? || old, new FROM temp.sync_renamed_ids"),
                   {kRenamedIdPrefix});
    for (auto it = renames.constBegin(); ok && it != renames.constEnd(); ++it) {
        for (const LiteralRef& referrer : m_literalRefs.value(it.key())) {
            if (ok)
                ok = markForRepush(referrer.table, referrer.id);
        }
    }
    if (ok && qstrcmp(table, "accounts") == 0) {
        // The next start opens the account it was showing, with its filter.
        ok = execSql(QStringLiteral("UPDATE preferences SET value = (SELECT new FROM temp.sync_renamed_ids "
                                    "WHERE old = value) WHERE key = 'lastViewedAccountId' "
                                    "AND value IN (SELECT old FROM temp.sync_renamed_ids)"))
            && execSql(QStringLiteral("UPDATE OR REPLACE preferences SET key = '%1' || (SELECT new FROM "
                                      "temp.sync_renamed_ids WHERE '%1' || old = key) "
                                      "WHERE key IN (SELECT '%1' || old FROM temp.sync_renamed_ids)")
                           .arg(RegisterFilter::preferenceKey(QString())));
    }
    if (ok && qstrcmp(table, "categories") == 0)
        ok = renameFilterCategories(renames);
    m_storedIds.clear();
    if (!ok) {
        execSql(QStringLiteral("ROLLBACK TO rename_rows"));
        execSql(QStringLiteral("RELEASE rename_rows"));
        return false;
    }
    if (!execSql(QStringLiteral("RELEASE rename_rows")))
        return false;
    m_hasRenamedIds = true;
    QHash<QString, QString>& renamed = m_renamedIds[QLatin1String(table)];
    for (auto it = renames.constBegin(); it != renames.constEnd(); ++it) {
        renamed.insert(it.key(), it.value());
        m_literalRefs.remove(it.key());
    }
    return true;
}

// The saved register filters name categories by id.
bool SyncEngine::renameFilterCategories(const QHash<QString, QString>& renames)
{
    QSqlQuery q(m_database ? m_database->database() : QSqlDatabase::database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT key, value FROM preferences WHERE key LIKE 'registerFilter\\_%' ESCAPE '\\'")))
        return false;
    QList<std::pair<QString, QString>> rewritten;
    while (q.next()) {
        RegisterFilter filter = RegisterFilter::fromJson(q.value(1).toString());
        if (renames.contains(filter.categoryId)) {
            filter.categoryId = renames.value(filter.categoryId);
            rewritten.append({q.value(0).toString(), filter.toJson()});
        }
    }
    q.finish();
    for (const auto& [key, value] : std::as_const(rewritten)) {
        if (!execSql(QStringLiteral("UPDATE preferences SET value = ? WHERE key = ?"), {value, key}))
            return false;
    }
    return true;
}

// The id the row that had `oldId` here took (renameRows()), or empty.
QString SyncEngine::renamedId(const QString& oldId)
{
    if (!m_hasRenamedIds) {
        QSqlQuery& q = statement(QStringLiteral("SELECT EXISTS (SELECT 1 FROM preferences WHERE key > ? AND key < ?)"));
        q.bindValue(0, kRenamedIdPrefix);
        q.bindValue(1, kRenamedIdPrefix + QChar(0xffff));
        m_hasRenamedIds = q.exec() && q.next() && q.value(0).toBool();
        q.finish();
    }
    if (!*m_hasRenamedIds)
        return QString();
    const QString key = kRenamedIdPrefix + oldId;
    if (const auto known = m_storedIds.constFind(key); known != m_storedIds.constEnd())
        return *known;
    return lookUpAndRemember(key, QStringLiteral("SELECT value FROM preferences WHERE key = ?"), key);
}

// A synced row whose copy on the service names an id only this
// installation knew goes out again with the ids everyone knows. The next
// cycle pulls first, so that it never goes out over a newer copy.
bool SyncEngine::markForRepush(const char* table, const QString& id)
{
    QSqlDatabase db = m_database ? m_database->database() : QSqlDatabase::database();
    return execSql(QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE id = ? AND sync_status = 'synced'")
                       .arg(QLatin1String(table)),
                   {id})
        && SyncRows::requestPullFirst(db);
}

// Earlier builds stored rows made elsewhere without a client id under ids
// of their own. Once per database: when any row here came from the
// service, the pull starts over, so every such row comes again and takes
// its server id (adoptServerIds()); the rows pulled again resolve their
// references as they are written (ref()). The pass is done when that pull
// reaches the end (finishRepairPass()); one cut short by a restart starts
// over, since what it learnt of the rows pulled before lives in memory.
bool SyncEngine::repairStoredIdsOnce()
{
    if (m_repairPass || !m_preferences || m_preferences->boolValue(kIdsRepairedKey, false))
        return true;
    QStringList fromService;
    for (const char* table : kSyncedTables)
        fromService << QStringLiteral("SELECT 1 FROM %1 WHERE server_id <> '' AND server_id <> id").arg(QLatin1String(table));
    QSqlQuery q(m_database ? m_database->database() : QSqlDatabase::database());
    if (!q.exec(QStringLiteral("SELECT EXISTS (%1)").arg(fromService.join(QLatin1String(" UNION ALL ")))) || !q.next()) {
        qWarning().noquote() << "SyncEngine: stored ids not checked:" << q.lastError().text();
        return false;
    }
    if (!q.value(0).toBool())
        return m_preferences->setValue(kIdsRepairedKey, QStringLiteral("1"));
    if (!m_preferences->remove(kCursorKey))
        return false;
    m_repairPass = true;
    return true;
}

void SyncEngine::finishRepairPass()
{
    if (!m_repairPass || !m_preferences->setValue(kIdsRepairedKey, QStringLiteral("1")))
        return;
    m_repairPass = false;
    m_literalRefs.clear();
    m_seenInPass.clear();
}
