#pragma once

// SQLite's own C API on Qt's connection, for the readers that step many rows
// (the register, the search): Qt's per-value QVariant costs more than the
// statements themselves there. Only for core sources; the library links
// SQLite privately.

#include <QByteArray>
#include <QString>

#include <sqlite3.h>

class QSqlDatabase;

// The connection's handle when it is an SQLite connection of the very
// library this program links (sharesSqliteLibrary), else null.
sqlite3* sqliteHandle(QSqlDatabase& db);

class Statement
{
public:
    Statement(sqlite3* db, const QString& sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    sqlite3_stmt* get() const { return m_stmt; }

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// Holds the connection's mutex (none when Qt opened it without one) while
// values are read through sqlite3_value, which, unlike the sqlite3_column
// calls, takes no lock per call.
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
