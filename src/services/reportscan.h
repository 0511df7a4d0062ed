#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

class QSqlDatabase;
struct sqlite3;
struct sqlite3_mutex;
struct sqlite3_stmt;
struct sqlite3_value;

// Stepping report rows through SQLite's own C API on Qt's connection.
// Through QSqlQuery every value of 100,000 rows becomes a QVariant and a
// UTF-16 copy, which costs more than the statement; here each value is read
// as stored and converted only where a report keeps it. Every conversion
// gives what Qt's SQLite driver and QVariant would.
namespace ReportScan {

// The connection's handle when it is an open SQLite connection whose texts
// are UTF-8 (so stored bytes compare as the BINARY collation compares them);
// null otherwise (and for no connection), and the caller runs its statement
// through QSqlQuery.
sqlite3* handle(QSqlDatabase* db);

// A bound value: text, or NULL for a null string (as SqlValue::date binds
// an invalid date).
using Binding = QString;

// One prepared statement with its values bound, stepped row by row while it
// holds the connection's mutex.
class Statement
{
public:
    Statement(sqlite3* db, const QString& sql, const QList<Binding>& values);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    // True while a row is there; then done() tells a finished statement
    // from one that failed part-way.
    bool next();
    bool done() const { return m_done; }

    sqlite3_value* value(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
    sqlite3_mutex* m_mutex = nullptr;
    bool m_done = false;
};

bool isNull(sqlite3_value* value);
bool isInteger(sqlite3_value* value);
bool isText(sqlite3_value* value);
// The stored bytes of a text value, not copied: valid until the statement
// moves on.
QByteArray rawText(sqlite3_value* value);
qint64 integer(sqlite3_value* value);

// QSqlQuery::value(...).toString() and .toLongLong() of the same value.
QString text(sqlite3_value* value);
qint64 toInt64(sqlite3_value* value);

} // namespace ReportScan
