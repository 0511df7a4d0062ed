#pragma once

#include "data/records.h"

#include <QList>

class QSqlDatabase;
class QSqlQuery;

// Readers of register and search rows, shared by TransactionRepository and
// its tests. The register reads whole accounts on every reload, so these
// are tuned for long results; each gives exactly what transactionFromQuery
// and the category text expression below would.

// Category text of a row: "Parent > Child" for a subcategory (one level
// only), " > Child" when the parent row is missing, the plain name for a
// top-level category, empty without a category. Deleted categories count.
extern const char* const kCategoryNameColumn;

// Every row of an executed query that selects the transaction columns and
// then the category text, running balances left 0.
QList<RegisterRow> readRegisterRows(QSqlQuery& q);

// Appends the account's live transactions, oldest first (date, creation
// time, rowid), with their category texts; running balances are left 0.
// Through SQLite's own C API on Qt's connection: returns false, having read
// nothing, when the connection is not an SQLite one of this program's
// library or the statements cannot be prepared.
bool readRegisterRowsDirect(QSqlDatabase& db, const QString& accountId, QList<RegisterRow>& rows);
// The same rows through QSqlQuery, for any other connection.
void readRegisterRowsWithQuery(QSqlDatabase& db, const QString& accountId, QList<RegisterRow>& rows);
