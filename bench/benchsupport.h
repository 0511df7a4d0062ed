#pragma once

// Timing and raw-SQLite helpers shared by the benchmarks, and the floor a
// bulk write is measured against: SQLite alone doing the same durable work.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#ifdef TALLYLEAF_HAVE_SQLITE3
#include "data/database.h"
#include "data/sqlitedirect.h"
#include "data/walcheckpointer.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <memory>
#include <sqlite3.h>
#endif

#include <sys/resource.h>

namespace Bench {

// Milliseconds of the first run, the median and the best of several.
struct Figures
{
    double first = 0;
    double median = 0;
    double best = 0;
};

// CPU time of the calling thread: the same work without the waits a busy
// machine adds to the wall clock.
inline qint64 threadCpuNanoseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// The process's peak resident memory so far.
inline double peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024; // kilobytes on Linux
}

inline Figures measure(int repeats, const std::function<void()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    Figures f;
    f.first = times.front();
    std::sort(times.begin(), times.end());
    f.best = times.front();
    f.median = times[times.size() / 2];
    return f;
}

#ifdef TALLYLEAF_HAVE_SQLITE3
// Steps a statement through the C library and touches every column, as a
// client that reads the rows would: the floor the statement itself sets,
// without the Qt driver. Texts bind first, then numbers; -1 when it does
// not prepare.
inline qsizetype rawRun(sqlite3* db, const QByteArray& sql, const QList<QByteArray>& texts,
                        const QList<qint64>& numbers = {})
{
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "raw prepare failed: %s\n", sqlite3_errmsg(db));
        return -1;
    }
    int index = 1;
    for (const QByteArray& t : texts)
        sqlite3_bind_text(stmt, index++, t.constData(), int(t.size()), SQLITE_TRANSIENT);
    for (qint64 n : numbers)
        sqlite3_bind_int64(stmt, index++, n);
    qsizetype rows = 0;
    qint64 sum = 0;
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        for (int c = 0; c < columns; ++c) {
            if (sqlite3_column_type(stmt, c) == SQLITE_INTEGER) {
                sum += sqlite3_column_int64(stmt, c);
            } else {
                sqlite3_column_text(stmt, c);
                sum += sqlite3_column_bytes(stmt, c);
            }
        }
        ++rows;
    }
    sqlite3_finalize(stmt);
    // The sum keeps the column reads from being optimised away.
    static volatile qint64 sink = 0;
    sink = sink + sum;
    return rows;
}
#endif

// Lets through only warnings and worse, without the offscreen platform's
// notes: the program's debug and info lines would time the terminal.
inline void quietLogs()
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        const bool quiet = type == QtDebugMsg || type == QtInfoMsg;
        if (!quiet && !message.startsWith(QLatin1String("This plugin does not support")))
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
}

// The first three fields of /proc/loadavg: figures from a busy machine read
// differently.
inline QByteArray loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return "?";
    return file.readAll().split(' ').mid(0, 3).join(' ');
}

#ifdef TALLYLEAF_HAVE_SQLITE3
// Counts the commits on a connection of the program while it lives: the
// floor of a write makes as many.
class CommitCounter
{
public:
    explicit CommitCounter(QSqlDatabase& db)
        : m_db(sqliteHandle(db))
    {
        if (m_db)
            sqlite3_commit_hook(m_db, &CommitCounter::onCommit, this);
    }
    ~CommitCounter()
    {
        if (m_db)
            sqlite3_commit_hook(m_db, nullptr, nullptr);
    }
    CommitCounter(const CommitCounter&) = delete;
    CommitCounter& operator=(const CommitCounter&) = delete;

    // -1 when the connection's handle is out of reach.
    int count() const { return m_db ? m_count : -1; }

private:
    static int onCommit(void* self)
    {
        ++static_cast<CommitCounter*>(self)->m_count;
        return 0; // the commit goes ahead
    }

    sqlite3* m_db;
    int m_count = 0;
};

// The settings of the program's connection that bear on a write, as they
// stand when called (during a bulk write's own page cache, where it has
// one), as statements for the floor's connection.
inline QByteArray writeSettings(QSqlDatabase& db)
{
    QByteArray settings;
    for (const char* name : {"journal_mode", "synchronous", "foreign_keys", "temp_store", "cache_size"}) {
        QSqlQuery q(db);
        if (q.exec(QStringLiteral("PRAGMA %1").arg(QLatin1String(name))) && q.next())
            settings += QByteArray("PRAGMA ") + name + '=' + q.value(0).toString().toUtf8() + ";\n";
    }
    return settings;
}

// Milliseconds from the end of a write until its log is all in the database
// file: the background copy under way, then a passive one of what that left
// below its threshold. Both sides of a floor count it so.
inline double finishLog(sqlite3* db, WalCheckpointer* checkpointer)
{
    QElapsedTimer timer;
    timer.start();
    if (checkpointer)
        checkpointer->waitIdle();
    if (db)
        sqlite3_wal_checkpoint_v2(db, "main", SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    return double(timer.nsecsElapsed()) / 1e6;
}

inline double finishLog(Database& database)
{
    QElapsedTimer timer;
    timer.start();
    database.waitForCheckpoint();
    finishLog(sqliteHandle(database.database()), nullptr);
    return double(timer.nsecsElapsed()) / 1e6;
}

namespace detail {

inline bool exec(sqlite3* db, const QByteArray& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, &error) == SQLITE_OK)
        return true;
    std::fprintf(stderr, "floor: %s\n  in: %s\n", error ? error : sqlite3_errmsg(db), sql.left(300).constData());
    sqlite3_free(error);
    return false;
}

// The first column of the first row as text; empty for none.
inline QByteArray value(sqlite3* db, const QByteArray& sql)
{
    sqlite3_stmt* stmt = nullptr;
    QByteArray text;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) == SQLITE_OK
        && sqlite3_step(stmt) == SQLITE_ROW)
        text = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), sqlite3_column_bytes(stmt, 0));
    sqlite3_finalize(stmt);
    return text;
}

inline QByteArrayList column(sqlite3* db, const QByteArray& sql)
{
    QByteArrayList texts;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW)
            texts.append(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return texts;
}

} // namespace detail

// One commit of a floor: the rows each table gets, picked by a condition on
// the rows of the program's database after its write, then statements of
// its own (a pull's cursor).
struct FloorCommit
{
    QList<QPair<QByteArray, QByteArray>> rows; // table, condition
    QByteArray after;
};

struct FloorTimes
{
    double writeMs = -1;      // the commits, up to the last one's return
    double logMs = -1;        // then until the log is all in the file
    bool sameRows = false;    // every table then holds as many rows as the program's
    QByteArray settings;      // as applied, for the record
};

// The floor of a write: SQLite alone doing the program's durable work at its
// best, on `copyBefore`, a copy of the program's database taken before the
// write (its schema, indexes and triggers), with the program connection's
// `settings` and the same background log copy. Each commit of `commits`
// writes its rows with one INSERT ... SELECT a table from an in-memory copy
// read before the clock starts, and indexes its new transactions for
// full-text search at once, as the program's bulk writes do (a row at a
// time through the trigger costs more than the row). `written` is the
// program's database after the write.
inline FloorTimes writeFloor(const QString& copyBefore, const QString& written, const QByteArray& settings,
                             const QList<FloorCommit>& commits)
{
    FloorTimes times;
    times.settings = settings;
    sqlite3* db = nullptr;
    std::unique_ptr<WalCheckpointer> checkpointer;
    const auto fail = [&db, &checkpointer, &times] {
        checkpointer.reset(); // before its connection goes
        sqlite3_close_v2(db);
        return times;
    };
    const QByteArray attach = "ATTACH '" + written.toUtf8().replace('\'', "''") + "' AS written";
    if (sqlite3_open_v2(copyBefore.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK
        || !detail::exec(db, settings) || !detail::exec(db, attach))
        return fail();

    // The rows, out of the program's database into memory; the statements
    // of each commit, whole.
    const QByteArray indexTrigger =
        detail::value(db, "SELECT sql FROM main.sqlite_master WHERE type = 'trigger' AND name = 'transactions_ai'");
    qint64 lastTransaction = detail::value(db, "SELECT coalesce(max(rowid), 0) FROM main.transactions").toLongLong();
    QByteArrayList scripts;
    for (qsizetype c = 0; c < commits.size(); ++c) {
        QByteArray rows;
        qint64 newTransactions = 0;
        for (const auto& [table, condition] : commits.at(c).rows) {
            const QByteArray copy = "floor_" + QByteArray::number(c) + '_' + table;
            if (!detail::exec(db, "CREATE TEMP TABLE " + copy + " AS SELECT * FROM written." + table + " WHERE "
                                      + condition + " ORDER BY rowid"))
                return fail();
            // In rowid order, which also keeps SQLite from copying the
            // records whole, as it may between tables of one shape.
            rows += "INSERT INTO main." + table + " SELECT * FROM temp." + copy + " ORDER BY rowid;\n";
            if (table == "transactions")
                newTransactions += detail::value(db, "SELECT count(*) FROM temp." + copy).toLongLong();
        }
        QByteArray script = "BEGIN;\n";
        if (newTransactions > 0)
            script += "DROP TRIGGER main.transactions_ai;\n" + rows
                + "INSERT INTO main.transactions_fts(rowid, payee, memo, check_number) SELECT rowid, payee, memo, "
                  "check_number FROM main.transactions WHERE rowid > "
                + QByteArray::number(lastTransaction) + ";\n" + indexTrigger + ";\n";
        else
            script += rows;
        scripts.append(script + commits.at(c).after + "COMMIT;\n");
        lastTransaction += newTransactions;
    }
    if (!detail::exec(db, "DETACH written"))
        return fail();

    checkpointer.reset(WalCheckpointer::attach(db));
    QElapsedTimer timer;
    timer.start();
    for (const QByteArray& script : scripts) {
        if (!detail::exec(db, script))
            return fail();
    }
    times.writeMs = double(timer.nsecsElapsed()) / 1e6;
    times.logMs = finishLog(db, checkpointer.get());
    checkpointer.reset();

    // The same rows: every table as full as the program's (the full-text
    // index's own tables aside, whose segments may be cut differently).
    times.sameRows = detail::exec(db, attach);
    const QByteArrayList tables = detail::column(
        db, "SELECT name FROM main.sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite%' AND name NOT IN "
            "('transactions_fts', 'transactions_fts_data', 'transactions_fts_idx') ORDER BY name");
    for (const QByteArray& table : tables) {
        const QByteArray floorRows = detail::value(db, "SELECT count(*) FROM main." + table);
        const QByteArray programRows = detail::value(db, "SELECT count(*) FROM written." + table);
        if (floorRows != programRows) {
            std::fprintf(stderr, "floor: table %s holds %s rows, the program's %s\n", table.constData(),
                         floorRows.constData(), programRows.constData());
            times.sameRows = false;
        }
    }
    sqlite3_close_v2(db);
    return times;
}

// The floor's lines: its times, then the program's ratio to it while the
// write runs and with the log copied into the file on both sides.
// `commits` is the number the program made (-1 unknown), `floorCommits`
// the floor's.
inline void printFloor(const FloorTimes& floor, double programMs, double programLogMs, int commits,
                       int floorCommits, const char* target)
{
    if (commits != floorCommits)
        std::printf("  the program made %d commits, the floor %d\n", commits, floorCommits);
    if (floor.writeMs <= 0) {
        std::printf("floor: failed\n");
        return;
    }
    std::printf("floor (SQLite alone: the same rows, settings and %d commits) %9.1f ms, then the log copied %.1f ms%s\n",
                floorCommits, floor.writeMs, floor.logMs, floor.sameRows ? "" : ", NOT THE SAME ROWS");
    std::printf("  settings of both: %s\n",
                floor.settings.trimmed().replace("PRAGMA ", "").replace(";\n", ", ").replace(";", "").constData());
    std::printf("  ratio %.2fx (target %s); with the log copied into the file on both sides %.2fx "
                "(%.1f ms against %.1f ms)\n",
                programMs / floor.writeMs, target, (programMs + programLogMs) / (floor.writeMs + floor.logMs),
                programMs + programLogMs, floor.writeMs + floor.logMs);
}
#endif

} // namespace Bench
