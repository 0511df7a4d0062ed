#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

#include <sqlite3.h>

// Copies the write-ahead log back into the database file on a thread of its
// own, so that the connection that commits never waits for it. SQLite's
// automatic checkpoint runs inside the commit that crosses its threshold:
// after a write of 100,000 rows spread over the table that is a copy of some
// 200 MB the user would wait for. The connection's own automatic checkpoint
// is replaced by this one (same threshold), and only once the second
// connection is open; closing the original connection still checkpoints it
// all as before.
class WalCheckpointer
{
public:
    // Null when the second connection cannot be opened: then the
    // connection keeps SQLite's own checkpoint.
    static WalCheckpointer* attach(sqlite3* db);
    // Stops the thread after any checkpoint under way, and restores SQLite's
    // own checkpoint on the connection.
    ~WalCheckpointer();
    WalCheckpointer(const WalCheckpointer&) = delete;
    WalCheckpointer& operator=(const WalCheckpointer&) = delete;

    // Blocks until no checkpoint is asked for or running (for measuring).
    void waitIdle();

private:
    WalCheckpointer(sqlite3* db, sqlite3* own);
    static int onCommit(void* self, sqlite3* db, const char* schema, int walPages);
    void run();

    sqlite3* m_db;  // the connection whose commits are watched
    sqlite3* m_own; // the checkpointing connection, used only by the thread
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_requested = false;
    bool m_running = false;
    bool m_stopping = false;
    std::thread m_thread;
};
