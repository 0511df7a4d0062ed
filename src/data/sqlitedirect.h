#pragma once

// SQLite's own C API on Qt's connection, for the readers that step many rows
// (the register, the search, the reports' quick path): Qt's per-value
// QVariant and UTF-16 copy cost more than the statements themselves there.
// Each value is read as stored and converted only where it is kept; every
// conversion gives what Qt's SQLite driver and QVariant would. Only for core
// sources; the library links SQLite privately.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <sqlite3.h>

class QSqlDatabase;

// Whether the SQLite library that runs Qt's connections is the very build
// this program links, told by what each reports of itself: the source id
// and the compile options. Debian's Qt SQLite plugin links the system
// library; a Qt that bundles its own SQLite carries another copy, whose
// connection handle this program's library must not touch.
bool sameSqliteBuild(const QString& sourceId, const QStringList& compileOptions);
// The same for the library behind this connection, asked once per process.
bool sharesSqliteLibrary(QSqlDatabase& db);

// The connection's handle when it is an open SQLite connection of the very
// library this program links (sharesSqliteLibrary), else null.
sqlite3* sqliteHandle(QSqlDatabase& db);
// The same, and only when the connection's texts are UTF-8, so that stored
// bytes compare as the BINARY collation compares them; null for no
// connection.
sqlite3* sqliteUtf8Handle(QSqlDatabase* db);

// Holds the connection's mutex (none when Qt opened it without one) while
// values are read through sqlite3_value, which, unlike the sqlite3_column
// calls, takes no lock per call. The mutex is recursive.
class ConnectionLock
{
public:
    explicit ConnectionLock(sqlite3* db) : m_mutex(sqlite3_db_mutex(db)) { sqlite3_mutex_enter(m_mutex); }
    ~ConnectionLock() { sqlite3_mutex_leave(m_mutex); }
    ConnectionLock(const ConnectionLock&) = delete;
    ConnectionLock& operator=(const ConnectionLock&) = delete;

private:
    sqlite3_mutex* m_mutex;
};

// One column value of the current row with its storage class.
struct StoredValue
{
    explicit StoredValue(sqlite3_value* value) : v(value), type(sqlite3_value_type(value)) {}
    StoredValue(sqlite3_stmt* s, int column) : StoredValue(sqlite3_column_value(s, column)) {}

    bool isNull() const { return type == SQLITE_NULL; }
    bool isInteger() const { return type == SQLITE_INTEGER; }
    bool isText() const { return type == SQLITE_TEXT; }

    // The stored bytes of a text or blob value, not copied: valid until the
    // statement moves on or the value is converted.
    QByteArray raw() const;
    qint64 integer() const { return sqlite3_value_int64(v); }

    // The value Qt's SQLite driver makes of the column: integers as qint64,
    // reals as double, blobs as bytes, NULL as a null string, text as UTF-16
    // converted by SQLite.
    QVariant driverValue() const;
    // QSqlQuery::value(...).toString(), .toLongLong(), .toInt() and
    // .toBool() of the same value.
    QString text() const;
    qint64 toInt64() const;
    int toInt() const;
    bool toFlag() const;

    sqlite3_value* v;
    int type;
};

// One prepared statement with its values bound (a null string binds NULL,
// any other as UTF-16 text, as the driver binds a QString), holding the
// connection's mutex while it lives.
class Statement
{
public:
    Statement(sqlite3* db, const QString& sql, const QList<QString>& values = {});
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return m_stmt != nullptr; }
    sqlite3_stmt* get() const { return m_stmt; }
    // True while a row is there; then done() tells a finished statement
    // from one that failed part-way.
    bool next();
    bool done() const { return m_done; }

    StoredValue value(int column) const { return StoredValue(m_stmt, column); }

private:
    ConnectionLock m_lock;
    sqlite3_stmt* m_stmt = nullptr;
    bool m_done = false;
};

// The texts of a repeating column (account, payee, memo...): one shared
// QString per distinct text, converted on first sight.
class TextColumn
{
public:
    QString text(const StoredValue& value);

private:
    QHash<QByteArray, QString> m_texts;
    QHash<QByteArray, QString>::const_iterator m_last = m_texts.cend();
};
