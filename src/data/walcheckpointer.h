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
//
// A writer starts the log afresh only when every frame of it has been
// copied before its write begins. Back-to-back writes each begin while the
// copy of the log before them still runs, so the log would grow without
// end: a commit waits for the copy, and the next write starts a fresh log,
// once the pages written to the log since a copy of all of it was asked
// for reach kLogLimitPages. A commit on a fresh log, or on one below the
// checkpoint threshold (no copy asked for yet), asks for such a copy and
// returns at once however large it is; so does a small commit after it,
// while that copy runs.
class WalCheckpointer
{
public:
    // Pages (about 16 MB) written to the log meanwhile before a commit
    // waits as above.
    static constexpr int kLogLimitPages = 4000;
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
    // Commits that waited for the copy as above, since attached.
    int waitedCommits() const { return m_waitedCommits; }

private:
    WalCheckpointer(sqlite3* db, sqlite3* own);
    static int onCommit(void* self, sqlite3* db, const char* schema, int walPages);
    // Whether the log was started afresh since the last look: a restart
    // gives its header a new checkpoint sequence number and salts. Unknown
    // counts as the same log.
    bool logRestarted();
    // Asks the thread for a checkpoint; with `wait`, returns once none is
    // asked for or running.
    void request(bool wait);
    void run();

    sqlite3* m_db;  // the connection whose commits are watched
    sqlite3* m_own; // the checkpointing connection, used only by the thread
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_requested = false;
    bool m_running = false;
    bool m_stopping = false;
    // On the committing thread only:
    bool m_haveLogHeader = false;
    unsigned char m_logHeader[12] = {};
    int m_logPages = 0;    // in the log after the last commit
    int m_copiedUpTo = 0;  // log pages when a copy of all of it was last asked for or waited for
    int m_waitedCommits = 0;
    std::thread m_thread;
};
