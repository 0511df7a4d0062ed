// The local ids of pulled rows. A row made elsewhere without a client id is
// stored under its server id, so every installation and the service name
// it alike and every reference pushed from here resolves everywhere.
// References that name a row by its server id before it arrives are
// switched to its local id once it is stored under another one.

#include "sync/syncengine.h"

#include "data/database.h"
#include "data/preferencesrepository.h"

#include <QDebug>
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

// A row without a client id that an earlier build stored here under an id
// of its own takes its server id as its id. False on a database error.
bool SyncEngine::adoptServerId(const char* table, const QString& serverId)
{
    const QString stored = findId(table, "server_id", serverId);
    if (stored.isEmpty() || stored == serverId || !findId(table, "id", serverId).isEmpty())
        return true;
    return renameRow(table, stored, serverId);
}

// Every reference to the row follows it to its new id. A referring row
// that syncs is pending again: the service and the other installations
// may hold it with the old id, which only this installation knows.
bool SyncEngine::renameRow(const char* table, const QString& from, const QString& to)
{
    // The foreign keys are checked at the commit instead, once every
    // reference has followed.
    bool ok = execSql(QStringLiteral("PRAGMA defer_foreign_keys = ON"))
        && execSql(QStringLiteral("UPDATE %1 SET id = ? WHERE id = ?").arg(QLatin1String(table)), {to, from});
    for (const Reference& reference : kReferences) {
        if (!ok || qstrcmp(reference.target, table) != 0)
            continue;
        const QString referring = QLatin1String(reference.table);
        const QString column = QLatin1String(reference.column);
        if (referring == QLatin1String("split_lines") && reference.entityType) {
            ok = execSql(QStringLiteral("UPDATE transactions SET sync_status = 'pending' WHERE id IN "
                                        "(SELECT transaction_id FROM split_lines WHERE %1 = ?)")
                             .arg(column),
                         {from});
        } else if (reference.entityType) {
            ok = execSql(QStringLiteral("UPDATE %1 SET sync_status = 'pending' WHERE %2 = ?").arg(referring, column),
                         {from});
        }
        ok = ok && execSql(QStringLiteral("UPDATE %1 SET %2 = ? WHERE %2 = ?").arg(referring, column), {to, from});
        if (ok && reference.entityType)
            m_pageTouched.insert(QLatin1String(reference.entityType));
    }
    // The next start opens the account it was showing.
    if (ok && qstrcmp(table, "accounts") == 0)
        ok = execSql(QStringLiteral("UPDATE preferences SET value = ? WHERE key = 'lastViewedAccountId' AND value = ?"),
                     {to, from});
    execSql(QStringLiteral("PRAGMA defer_foreign_keys = OFF"));
    m_storedIds.clear();
    return ok;
}

// Earlier builds stored rows made elsewhere without a client id under ids
// of their own. Once per database: when any row here came from the
// service, the pull starts over, so every such row comes again and takes
// its server id (adoptServerId()); the rows pulled again resolve their
// references as they are written (ref()).
bool SyncEngine::repairStoredIdsOnce()
{
    if (!m_preferences || m_preferences->boolValue(kIdsRepairedKey, false))
        return true;
    QStringList fromService;
    for (const char* table : kSyncedTables)
        fromService << QStringLiteral("SELECT 1 FROM %1 WHERE server_id <> '' AND server_id <> id").arg(QLatin1String(table));
    QSqlQuery q(m_database ? m_database->database() : QSqlDatabase::database());
    if (!q.exec(QStringLiteral("SELECT EXISTS (%1)").arg(fromService.join(QLatin1String(" UNION ALL ")))) || !q.next()) {
        qWarning().noquote() << "SyncEngine: stored ids not checked:" << q.lastError().text();
        return false;
    }
    if (q.value(0).toBool() && !m_preferences->remove(kCursorKey))
        return false;
    return m_preferences->setValue(kIdsRepairedKey, QStringLiteral("1"));
}
