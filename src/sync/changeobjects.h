#pragma once

#include "data/records.h"

#include <QJsonObject>
#include <QList>

// The change object the sync service receives for one pending row:
// {"entity_type", "entity_id", "action", "version", "payload"}. The action
// is "delete" for a soft-deleted row, else "upsert". In the payload texts
// are strings ("" when empty), flags the numbers 0 and 1, money whole
// minor units, dates "yyyy-MM-dd" and timestamps UTC "…Z"; "server_id" and
// "deleted_at" appear only when the row has them.
namespace ChangeObjects {

QJsonObject account(const Account& account);
QJsonObject category(const Category& category);
// The payload carries no "version"; the change object does.
QJsonObject recurring(const RecurringTransaction& recurring);
// A split transaction carries its lines as "split_lines" (also when there
// are none); an unsplit one has no such key and `lines` is not read.
QJsonObject transaction(const Transaction& transaction, const QList<SplitLine>& lines);
QJsonObject reconciliation(const Reconciliation& reconciliation);

} // namespace ChangeObjects
