#pragma once

// Timing and raw-SQLite helpers shared by the benchmarks.

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QtGlobal>

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

// The floor of a bulk write: the sqlite3 command-line program writing the
// same rows into a copy of the database taken before the write (the
// program's own schema: same indexes, the full-text trigger, foreign keys
// on), in one transaction. `selects` maps each table to the SELECT of the
// rows the write added, run against `written`; `prologue` and `epilogue` run
// inside the transaction before and after the rows. Milliseconds of the write
// alone, or -1 without a sqlite3 program or when it fails.
inline double sqliteCliFloor(const QString& copyBefore, const QString& written,
                             const QList<QPair<QString, QString>>& selects, const QByteArray& prologue = {},
                             const QByteArray& epilogue = {})
{
    const QString cli = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (cli.isEmpty())
        return -1;
    const auto run = [&cli](const QString& db, const QByteArray& input, QByteArray* out) {
        QProcess p;
        p.start(cli, {QStringLiteral("-batch"), QStringLiteral("-bail"), db});
        p.write(input);
        p.closeWriteChannel();
        p.waitForFinished(-1);
        if (out)
            *out = p.readAllStandardOutput();
        if (p.exitCode() != 0)
            std::fprintf(stderr, "sqlite3: %s\n", p.readAllStandardError().constData());
        return p.exitCode() == 0;
    };
    QByteArray script("PRAGMA journal_mode=WAL;\nPRAGMA foreign_keys=ON;\nPRAGMA temp_store=MEMORY;\nBEGIN;\n");
    script += prologue;
    for (const auto& [table, select] : selects) {
        QByteArray rows;
        if (!run(written, QStringLiteral(".mode insert %1\n%2;\n").arg(table, select).toUtf8(), &rows))
            return -1;
        script += rows;
    }
    script += epilogue;
    script += "COMMIT;\n";
    QElapsedTimer timer;
    timer.start();
    if (!run(copyBefore, script, nullptr))
        return -1;
    return double(timer.nsecsElapsed()) / 1e6;
}

// Around the floor's rows: the full-text index written once for all the
// transactions above `lastRowid`, as the program's bulk writes do. Row by
// row FTS5 writes a segment a row, which no writer of many rows should pay.
inline QByteArray floorFtsPrologue()
{
    return "DROP TRIGGER transactions_ai;\n";
}

inline QByteArray floorFtsEpilogue(qint64 lastRowid)
{
    return QStringLiteral("INSERT INTO transactions_fts(rowid, payee, memo, check_number) SELECT rowid, payee, memo, "
                          "check_number FROM transactions WHERE rowid > %1;\n"
                          "CREATE TRIGGER transactions_ai AFTER INSERT ON transactions BEGIN INSERT INTO "
                          "transactions_fts(rowid, payee, memo, check_number) VALUES (new.rowid, new.payee, new.memo, "
                          "new.check_number); END;\n")
        .arg(lastRowid)
        .toUtf8();
}

} // namespace Bench
