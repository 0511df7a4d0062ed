#pragma once

#include "data/records.h"

#include <QHash>
#include <QString>

class QSqlDatabase;

// The sync repair gives rows that an earlier build stored under ids of its
// own their server ids (old id → new id, for one table at a time:
// "accounts", "categories", "recurring_transactions", "transactions",
// "reconciliations"). It remembers every old id in the preferences, so that
// what was written before the repair (a backup, a copy another device
// pulled) still finds its row; and it announces each rename, so that what
// holds an old id (an open editor, a window) can follow.
namespace RenamedIds {

// The preference that remembers the new id of `oldId`.
QString preferenceKey(const QString& oldId);

// Every remembered old id with its new id; empty when there is none (or
// the preferences cannot be read: `ok` then says false).
QHash<QString, QString> load(const QSqlDatabase& database, bool* ok = nullptr);

// `id` under its new name when `renamed` names it, else `id` itself.
QString follow(const QHash<QString, QString>& renamed, const QString& id);

// A record's own id and its references to rows of `table` follow the
// rename of those rows.
void follow(Account& account, const QString& table, const QHash<QString, QString>& renamed);
void follow(Category& category, const QString& table, const QHash<QString, QString>& renamed);
void follow(Transaction& transaction, const QString& table, const QHash<QString, QString>& renamed);
void follow(RecurringTransaction& schedule, const QString& table, const QHash<QString, QString>& renamed);

} // namespace RenamedIds
