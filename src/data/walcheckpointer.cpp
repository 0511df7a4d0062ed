#include "data/walcheckpointer.h"

#include <QByteArray>

#include <chrono>
#include <cstring>

namespace {

// SQLite's default automatic checkpoint threshold, in pages.
constexpr int kCheckpointPages = 1000;
constexpr int kAttempts = 5;
constexpr std::chrono::milliseconds kRetryWait(20);

} // namespace

WalCheckpointer* WalCheckpointer::attach(sqlite3* db)
{
    // A library built without threads must not be used from a second one.
    if (!db || sqlite3_threadsafe() == 0)
        return nullptr;
    const char* path = sqlite3_db_filename(db, "main");
    if (!path || !*path)
        return nullptr; // in-memory or temporary: no log to copy
    sqlite3* own = nullptr;
    // Reading the journal mode opens the log on the new connection: until
    // it has, a checkpoint there does nothing.
    sqlite3_stmt* mode = nullptr;
    const bool wal = sqlite3_open_v2(path, &own, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) == SQLITE_OK
        && sqlite3_prepare_v2(own, "PRAGMA journal_mode", -1, &mode, nullptr) == SQLITE_OK
        && sqlite3_step(mode) == SQLITE_ROW
        && qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)), "wal") == 0;
    sqlite3_finalize(mode);
    if (!wal) {
        sqlite3_close(own);
        return nullptr;
    }
    return new WalCheckpointer(db, own);
}

WalCheckpointer::WalCheckpointer(sqlite3* db, sqlite3* own)
    : m_db(db)
    , m_own(own)
{
    m_thread = std::thread(&WalCheckpointer::run, this);
    sqlite3_wal_hook(m_db, &WalCheckpointer::onCommit, this);
}

WalCheckpointer::~WalCheckpointer()
{
    sqlite3_wal_autocheckpoint(m_db, kCheckpointPages);
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    m_thread.join();
    sqlite3_close(m_own);
}

void WalCheckpointer::waitIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_wake.wait(lock, [this] { return !m_requested && !m_running; });
}

bool WalCheckpointer::logRestarted()
{
    // Bytes 12 to 23 of the log's header, read through the connection's own
    // handle of the file: a second descriptor closed would drop the
    // process's locks on it.
    sqlite3_file* log = nullptr;
    unsigned char header[sizeof m_logHeader] = {};
    if (sqlite3_file_control(m_db, "main", SQLITE_FCNTL_JOURNAL_POINTER, &log) != SQLITE_OK || !log
        || !log->pMethods || log->pMethods->xRead(log, header, sizeof header, 12) != SQLITE_OK) {
        m_haveLogHeader = false;
        return false;
    }
    const bool restarted = !m_haveLogHeader || std::memcmp(header, m_logHeader, sizeof header) != 0;
    std::memcpy(m_logHeader, header, sizeof header);
    m_haveLogHeader = true;
    return restarted;
}

// Called on the committing thread after each commit, its locks released.
// `walPages` is the log's length after the commit.
int WalCheckpointer::onCommit(void* self, sqlite3*, const char*, int walPages)
{
    auto* checkpointer = static_cast<WalCheckpointer*>(self);
    const int before = checkpointer->m_logPages;
    checkpointer->m_logPages = walPages;
    if (walPages < kCheckpointPages)
        return SQLITE_OK;
    // A log this commit started, or one that was below the threshold before
    // it: nothing of it was being copied, and the copy asked for now covers
    // all of it. (A changed header may show an earlier restart by a commit
    // below the threshold, which reads none: the log before this one was
    // below it then as well.) A shorter log was restarted, header or not.
    if (checkpointer->logRestarted() || before < kCheckpointPages || walPages < before) {
        checkpointer->m_copiedUpTo = walPages;
        checkpointer->request(false);
        return SQLITE_OK;
    }
    // Written while a copy of the log ran: past the limit, wait for it, so
    // that the next write starts a fresh log.
    const bool wait = walPages - checkpointer->m_copiedUpTo >= kLogLimitPages;
    if (wait)
        checkpointer->m_copiedUpTo = walPages;
    checkpointer->request(wait);
    return SQLITE_OK;
}

void WalCheckpointer::request(bool wait)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_requested = true;
    m_wake.notify_all();
    if (!wait)
        return;
    // Counted here, where the commit blocks, so that no wait goes unseen.
    ++m_waitedCommits;
    m_wake.wait(lock, [this] { return !m_requested && !m_running; });
}

void WalCheckpointer::run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_requested || m_stopping; });
        if (m_stopping)
            return;
        m_requested = false;
        m_running = true;
        // The commit that asked may still hold its read snapshot for a
        // moment, and frames after a reader's snapshot cannot be copied yet:
        // a short checkpoint is tried again a few times, then left to the
        // next commit.
        for (int attempt = 0; !m_stopping && attempt < kAttempts; ++attempt) {
            if (attempt > 0 && m_wake.wait_for(lock, kRetryWait * attempt, [this] { return m_stopping; }))
                break;
            lock.unlock();
            int logFrames = 0;
            int copiedFrames = 0;
            // Passive: copies what no reader still needs and never waits.
            const int rc = sqlite3_wal_checkpoint_v2(m_own, nullptr, SQLITE_CHECKPOINT_PASSIVE, &logFrames,
                                                     &copiedFrames);
            lock.lock();
            if (rc != SQLITE_OK || copiedFrames >= logFrames)
                break;
        }
        m_running = false;
        m_wake.notify_all();
    }
}
