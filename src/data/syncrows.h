#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariantList>

// What the sync engine writes back into a pushed row.
struct SyncMark
{
    QString id;       // local id
    QString serverId; // empty keeps the stored server id
    // False: the row changed while it was being pushed, so only the server
    // id is stored and the row stays pending for the next push.
    bool synced = true;
};

// The version rule of local changes: every write that leaves a row pending
// is a local change. When the row was not pending (the server holds its
// version), its version goes up by one, so that the change wins over the
// server's copy: a pull replaces a pending row only with a strictly greater
// version. While the row stays pending its version is kept, never lowered,
// whatever the written record says.
//
// The sync columns every synced table shares, for the repositories' sync
// operations. `table` is one of the five synced tables; `owner` names the
// repository in warnings ("AccountRepository").
namespace SyncRows {

// The pending rows of the table (soft-deleted ones included).
int countPending(QSqlDatabase& db, const char* table);
// Applies the marks in one database transaction, or inside the caller's
// when one is open already. A mark for a missing id changes nothing.
bool applyMarks(QSqlDatabase& db, const char* table, const char* owner, const QList<SyncMark>& marks);
// One pushed row synced; an empty server id keeps the stored one. No
// warning: a failed mark only returns false.
bool markSynced(QSqlDatabase& db, const char* table, const QString& id, const QString& serverId);
// Empties the server id of every row.
bool clearServerIds(QSqlDatabase& db, const char* table, const char* owner);
// The account-wide local changes of a table with an account_id column and
// the resync mark of every live row. Each returns the rows changed, or -1
// with a warning ("<owner>::<operation> failed:") when the statement failed.
int softDeleteByAccount(QSqlDatabase& db, const char* table, const char* owner, const QString& accountId);
// Revives the account's rows whose deleted_at text is at or after
// `deletedSince` (a UTC timestamp text).
int restoreByAccount(QSqlDatabase& db, const char* table, const char* owner, const QString& accountId,
                     const QString& deletedSince);
// Live rows only; soft-deleted ones keep their status.
int markAllPendingForResync(QSqlDatabase& db, const char* table, const char* owner);
// "id IN (?, ?, …)" for the ids, which go to `values`; "0" for none.
QString idsIn(const QString& column, const QStringList& ids, QVariantList& values);

// The preference set while pending rows must not go out before the
// service's copies of them were pulled (a newer copy wins there): the next
// sync cycles pull before they push, until every such row went out.
QString pullFirstKey();
// Sets it; false on a database error (no warning), whose text goes to
// `error` when given.
bool requestPullFirst(QSqlDatabase& db, QString* error = nullptr);

} // namespace SyncRows
