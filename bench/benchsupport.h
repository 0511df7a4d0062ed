#pragma once

// Timing and raw-SQLite helpers shared by the benchmarks.

#include <QByteArray>
#include <QElapsedTimer>
#include <QList>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#ifdef TALLYLEAF_HAVE_SQLITE3
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

} // namespace Bench
