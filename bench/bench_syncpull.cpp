// Times a first pull into an empty database: pages of 200 server rows as
// the service sends them (JSON text), read and applied by the sync engine
// a commit a page, then held and committed as the pull does (every ~2,000
// rows); the wire and the service are left out. Prints both times, the
// commits and change signals, the floor of the pull's own (SQLite alone
// writing the same rows with the same settings and commits, see
// Bench::writeFloor), the load average and the process's peak memory.
//
// Then the one-time repair of ids an earlier build gave rows made
// elsewhere, at 20,000 rows and at the given count, against a first pull of
// the same rows: the ratio in total and for the longest cycle.
//
// Usage: bench_syncpull [transactions]   (default 100000, with 10 accounts
// and 200 categories ahead of them; every tenth transaction a split of
// three lines)

#include "benchsupport.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>


namespace {

constexpr int kAccounts = 10;
constexpr int kCategories = 200;
constexpr int kPageSize = 200;
const QString kNow = QStringLiteral("2024-06-01T12:00:00Z");

// Rows made here carry their client ids and name each other by them; rows
// made elsewhere (`elsewhere`) carry none and name each other by server id.
bool elsewhere = false;

QString idOf(const char* kind, int n)
{
    return QStringLiteral("%1%2-%3").arg(elsewhere ? QStringLiteral("srv-") : QString(), QLatin1String(kind)).arg(n);
}

QString clientIdOf(const char* kind, int n)
{
    return elsewhere ? QString() : idOf(kind, n);
}

QJsonObject accountRow(int a)
{
    return {{"id", QStringLiteral("srv-acct-%1").arg(a)}, {"client_id", clientIdOf("acct", a)},
            {"name", QStringLiteral("Account %1").arg(a)}, {"account_type", "checking"}, {"currency", "USD"},
            {"version", 1}, {"created_at", kNow}, {"updated_at", kNow}};
}

QJsonObject categoryRow(int c)
{
    return {{"id", QStringLiteral("srv-cat-%1").arg(c)}, {"client_id", clientIdOf("cat", c)},
            {"name", QStringLiteral("Category %1").arg(c)},
            {"parent_id", c < 40 ? QString() : idOf("cat", c % 40)}, {"version", 1},
            {"created_at", kNow}, {"updated_at", kNow}};
}

QJsonObject transactionRow(int t)
{
    const bool isSplit = t % 10 == 0;
    const qint64 amount = -qint64(100 + (t * 7919) % 50000);
    QJsonObject row{{"id", QStringLiteral("srv-txn-%1").arg(t)},
                    {"client_id", clientIdOf("txn", t)},
                    {"account_id", idOf("acct", t % kAccounts)},
                    {"date", QDate(2015, 1, 1).addDays(t / 30).toString(Qt::ISODate)},
                    {"payee", QStringLiteral("Payee %1").arg(t % 97)},
                    {"memo", t % 3 ? QString() : QStringLiteral("memo %1").arg(t)},
                    {"amount", amount},
                    {"category_id", isSplit ? QString() : idOf("cat", t % kCategories)},
                    {"check_number", ""},
                    {"cleared", t % 2},
                    {"reconciled", 0},
                    {"is_split", isSplit ? 1 : 0},
                    {"version", 1},
                    {"created_at", kNow},
                    {"updated_at", kNow}};
    if (isSplit) {
        QJsonArray lines;
        for (int s = 0; s < 3; ++s)
            lines.append(QJsonObject{{"category_id", idOf("cat", (t + s) % kCategories)},
                                     {"amount", amount / 3}, {"memo", ""}});
        row.insert(QStringLiteral("split_lines"), lines);
    }
    return row;
}

// Page `index` of the feed (accounts, categories, then transactions) as the
// service would send it, with the cursor after it.
QByteArray page(int index, int transactions, bool* last)
{
    const int total = kAccounts + kCategories + transactions;
    QJsonArray accounts, categories, rows;
    const int end = std::min(total, (index + 1) * kPageSize);
    for (int i = index * kPageSize; i < end; ++i) {
        if (i < kAccounts)
            accounts.append(accountRow(i));
        else if (i < kAccounts + kCategories)
            categories.append(categoryRow(i - kAccounts));
        else
            rows.append(transactionRow(i - kAccounts - kCategories));
    }
    *last = end >= total;
    const QJsonObject body{{"accounts", accounts},       {"categories", categories}, {"transactions", rows},
                           {"recurring_transactions", QJsonArray()}, {"reconciliations", QJsonArray()},
                           {"cursor", QString::number(end)},        {"has_more", !*last}};
    return QJsonDocument(body).toJson(QJsonDocument::Compact);
}

// The repositories of a database, and sync engines over them.
struct Repositories
{
    explicit Repositories(Database* database)
        : database(database)
        , accounts(database)
        , transactions(database)
        , categories(database)
        , recurring(database)
        , reconciliations(database)
        , splitLines(database)
        , preferences(database)
    {
    }

    std::unique_ptr<SyncEngine> engine()
    {
        auto made = std::make_unique<SyncEngine>(nullptr, &accounts, &transactions, &categories, &recurring,
                                                 &reconciliations, &splitLines, &preferences);
        made->setDatabase(database);
        return made;
    }

    Database* database;
    AccountRepository accounts;
    TransactionRepository transactions;
    CategoryRepository categories;
    RecurringRepository recurring;
    ReconciliationRepository reconciliations;
    SplitLineRepository splitLines;
    PreferencesRepository preferences;
};

qint64 count(QSqlDatabase& db, const char* sql)
{
    QSqlQuery q(db);
    return q.exec(QLatin1String(sql)) && q.next() ? q.value(0).toLongLong() : -1;
}

// The largest rowid of each table the pull writes after a commit, and the
// cursor saved with it.
struct Written
{
    qint64 accounts = 0;
    qint64 categories = 0;
    qint64 transactions = 0;
    qint64 splitLines = 0;
    QByteArray cursor;
};

struct PullRun
{
    double localMs = 0;  // reading and applying the pages
    double cpuMs = 0;    // of it on the CPU
    double worstMs = 0;  // the slowest commit's pages
    double logMs = 0;    // then until the log is all in the file
    int pages = 0;
    int commits = 0;
    int countedCommits = 0; // on the connection itself
    QList<Written> written; // after each commit
    QByteArray settings;    // the connection's, for the floor
    int changeSignals = 0;
    qint64 stored = 0;
    qint64 indexed = 0;
    qint64 splitLines = 0;
    int waiting = 0;
    bool ok = false;
};

// A first pull into a new database at `path`, its pages held and applied
// as the engine's pull does, a commit each `commitRows` rows. `emptyCopy`,
// when given, receives a copy of the database before the pull; what each
// commit wrote is then recorded, for the floor.
PullRun runPull(const QString& path, int transactions, int commitRows, const QString& emptyCopy)
{
    PullRun run;
    Database database;
    if (!database.open(path) || !database.migrate())
        return run;
    if (!emptyCopy.isEmpty()) {
        QSqlQuery copy(database.database());
        if (!copy.exec(QStringLiteral("VACUUM INTO '%1'").arg(emptyCopy)))
            return run;
    }
    Repositories stack(&database);
    const std::unique_ptr<SyncEngine> owned = stack.engine();
    SyncEngine& engine = *owned;
    engine.setPullCommitRows(commitRows);

    const auto countSignal = [&run] { ++run.changeSignals; };
    QObject::connect(&stack.accounts, &AccountRepository::accountsChanged, countSignal);
    QObject::connect(&stack.categories, &CategoryRepository::categoriesChanged, countSignal);
    QObject::connect(&stack.transactions, &TransactionRepository::transactionsChanged, countSignal);
    QObject::connect(&stack.recurring, &RecurringRepository::recurringChanged, countSignal);
    QObject::connect(&stack.reconciliations, &ReconciliationRepository::reconciliationsChanged, countSignal);

    QSqlDatabase& db = database.database();
    run.settings = Bench::writeSettings(db);
    const Bench::CommitCounter commits(db);
    // Only reading and applying the pages counts: building them stands in
    // for the service.
    QList<QJsonObject> held;
    int heldRows = 0;
    double heldMs = 0;
    for (bool last = false; !last; ++run.pages) {
        const QByteArray body = page(run.pages, transactions, &last);
        QElapsedTimer timer;
        timer.start();
        const qint64 cpuStart = Bench::threadCpuNanoseconds();
        held.append(QJsonDocument::fromJson(body).object());
        heldRows += kPageSize;
        if (heldRows >= engine.pullCommitRows() || last) {
            if (!engine.applyPulledPages(held)) {
                std::fprintf(stderr, "page %d failed\n", run.pages);
                return run;
            }
            ++run.commits;
            held.clear();
            heldRows = 0;
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        run.cpuMs += double(Bench::threadCpuNanoseconds() - cpuStart) / 1e6;
        run.localMs += ms;
        heldMs += ms;
        if (held.isEmpty()) {
            run.worstMs = std::max(run.worstMs, heldMs);
            heldMs = 0;
            if (!emptyCopy.isEmpty())
                run.written.append({count(db, "SELECT COALESCE(MAX(rowid), 0) FROM accounts"),
                                    count(db, "SELECT COALESCE(MAX(rowid), 0) FROM categories"),
                                    count(db, "SELECT COALESCE(MAX(rowid), 0) FROM transactions"),
                                    count(db, "SELECT COALESCE(MAX(rowid), 0) FROM split_lines"),
                                    QByteArray::number(std::min(kAccounts + kCategories + transactions,
                                                                (run.pages + 1) * kPageSize))});
        }
    }
    run.logMs = Bench::finishLog(database);
    run.countedCommits = commits.count();
    run.stored = count(db, "SELECT COUNT(*) FROM transactions WHERE sync_status = 'synced'");
    run.indexed = count(db, "SELECT COUNT(*) FROM transactions_fts");
    run.splitLines = count(db, "SELECT COUNT(*) FROM split_lines");
    run.waiting = engine.retryCount();
    run.ok = run.stored == transactions && run.indexed == transactions;
    return run;
}

// The floor of a pull: the rows of `written` (the pull's database) written
// into `emptyCopy` with the pull's commits, each with the cursor.
Bench::FloorTimes pullFloor(const QString& emptyCopy, const QString& written, const PullRun& run)
{
    QList<Bench::FloorCommit> commits;
    Written before;
    const auto range = [](qint64 from, qint64 to) {
        return "rowid > " + QByteArray::number(from) + " AND rowid <= " + QByteArray::number(to);
    };
    for (const Written& after : run.written) {
        Bench::FloorCommit commit;
        if (after.accounts > before.accounts)
            commit.rows.append({"accounts", range(before.accounts, after.accounts)});
        if (after.categories > before.categories)
            commit.rows.append({"categories", range(before.categories, after.categories)});
        if (after.transactions > before.transactions)
            commit.rows.append({"transactions", range(before.transactions, after.transactions)});
        if (after.splitLines > before.splitLines)
            commit.rows.append({"split_lines", range(before.splitLines, after.splitLines)});
        commit.after = "INSERT INTO preferences (key, value) VALUES ('syncCursor', '" + after.cursor
            + "') ON CONFLICT(key) DO UPDATE SET value = excluded.value;\n";
        commits.append(commit);
        before = after;
    }
    return Bench::writeFloor(emptyCopy, written, run.settings, commits);
}

void print(const char* title, const PullRun& run, int transactions)
{
    std::printf("%s\n", title);
    std::printf("  local time        %9.0f ms  (worst commit %.1f ms)\n", run.localMs, run.worstMs);
    std::printf("  of it on the CPU  %9.0f ms\n", run.cpuMs);
    std::printf("  commits           %9d     (%d pages, %d counted on the connection)\n", run.commits, run.pages,
                run.countedCommits);
    std::printf("  then the log copied into the file %.0f ms\n", run.logMs);
    std::printf("  change signals    %9d     (%.2f per commit)\n", run.changeSignals,
                double(run.changeSignals) / std::max(1, run.commits));
    std::printf("  stored            %9lld of %d transactions (%lld in the search index), %lld split lines, "
                "%d waiting for a parent\n",
                static_cast<long long>(run.stored), transactions, static_cast<long long>(run.indexed),
                static_cast<long long>(run.splitLines), run.waiting);
}

// Reading and applying a whole feed of rows made elsewhere, as the pull
// does: cycles of 50 pages, a commit every ~2,000 rows.
struct CycleTimes
{
    double totalMs = 0;
    double worstMs = 0; // the slowest cycle
    int cycles = 0;
    bool ok = false;
};

CycleTimes applyFeed(SyncEngine& engine, int transactions)
{
    CycleTimes times;
    QList<QJsonObject> held;
    int heldRows = 0;
    double cycleMs = 0;
    bool last = false;
    for (int index = 0; !last; ++index) {
        const QByteArray body = page(index, transactions, &last);
        QElapsedTimer timer;
        timer.start();
        held.append(QJsonDocument::fromJson(body).object());
        heldRows += kPageSize;
        if ((heldRows >= engine.pullCommitRows() || last || (index + 1) % SyncEngine::kMaxPullPages == 0)
            && !engine.applyPulledPages(std::exchange(held, {}))) {
            std::fprintf(stderr, "page %d failed\n", index);
            return times;
        }
        if (held.isEmpty())
            heldRows = 0;
        cycleMs += double(timer.nsecsElapsed()) / 1e6;
        if (last || (index + 1) % SyncEngine::kMaxPullPages == 0) {
            times.totalMs += cycleMs;
            times.worstMs = std::max(times.worstMs, cycleMs);
            ++times.cycles;
            cycleMs = 0;
        }
    }
    times.ok = true;
    return times;
}

// The one-time repair of the ids an earlier build gave rows made elsewhere:
// every row of the feed comes again and takes its server id, against a
// first pull of the same rows into an empty database.
void runRepair(const QString& path, int transactions)
{
    elsewhere = true;
    Database database;
    if (!database.open(path) || !database.migrate())
        return;
    Repositories stack(&database);
    const auto engine = [&stack] {
        std::unique_ptr<SyncEngine> made = stack.engine();
        made->repairStoredIdsOnce();
        return made;
    };
    const CycleTimes first = applyFeed(*engine(), transactions);
    // As an earlier build left them: ids of its own, the references with
    // them (empty ones are NULL, and stay so).
    QSqlQuery q(database.database());
    bool ok = first.ok && q.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    for (const char* sql : {"UPDATE accounts SET id = 'old-' || id",
                            "UPDATE categories SET id = 'old-' || id, parent_id = 'old-' || parent_id",
                            "UPDATE transactions SET id = 'old-' || id, account_id = 'old-' || account_id, "
                            "category_id = 'old-' || category_id",
                            "UPDATE split_lines SET transaction_id = 'old-' || transaction_id, "
                            "category_id = 'old-' || category_id",
                            "DELETE FROM preferences WHERE key IN ('syncIdsRepaired', 'syncCursor')",
                            "PRAGMA foreign_keys = ON"})
        ok = ok && q.exec(QLatin1String(sql));
    if (!ok) {
        std::fprintf(stderr, "the earlier build's ids were not written\n");
        return;
    }
    const std::unique_ptr<SyncEngine> repairing = engine();
    const CycleTimes repair = applyFeed(*repairing, transactions);
    std::printf("repair of %d rows made elsewhere (+%d accounts, %d categories) against a first pull of them\n",
                transactions, kAccounts, kCategories);
    std::printf("  first pull  %9.0f ms in %d cycles (longest %.0f ms)\n", first.totalMs, first.cycles, first.worstMs);
    std::printf("  repair      %9.0f ms in %d cycles (longest %.0f ms)\n", repair.totalMs, repair.cycles,
                repair.worstMs);
    std::printf("  ratio       %9.2fx in total, %.2fx for the longest cycle (aim: under 4x)\n",
                repair.totalMs / std::max(1.0, first.totalMs), repair.worstMs / std::max(1.0, first.worstMs));
    QSqlDatabase& db = database.database();
    std::printf("  then: %lld references to old ids, %lld rows to push, %d waiting for a parent\n",
                static_cast<long long>(count(db, "SELECT (SELECT COUNT(*) FROM transactions WHERE id LIKE 'old-%' "
                                                 "OR account_id LIKE 'old-%' OR category_id LIKE 'old-%') + "
                                                 "(SELECT COUNT(*) FROM split_lines WHERE category_id LIKE 'old-%' "
                                                 "OR transaction_id LIKE 'old-%')")),
                static_cast<long long>(count(db, "SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending'")),
                repairing->retryCount());
    elsewhere = false;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Bench::quietLogs();
    const int transactions = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    QTemporaryDir dir;
    std::printf("first pull of %d transactions (+%d accounts, %d categories), pages of %d rows\n", transactions,
                kAccounts, kCategories, kPageSize);
    const PullRun perPage =
        runPull(dir.filePath(QStringLiteral("page.db")), transactions, kPageSize, QString());
    print("a commit a page", perPage, transactions);
    const QString emptyCopy = dir.filePath(QStringLiteral("floor.db"));
    const PullRun held = runPull(dir.filePath(QStringLiteral("held.db")), transactions, SyncEngine::kPullCommitRows,
                                 emptyCopy);
    print("a commit every ~2,000 rows (the pull's own)", held, transactions);
    const double peakMb = Bench::peakMegabytes();
    const Bench::FloorTimes floor = pullFloor(emptyCopy, dir.filePath(QStringLiteral("held.db")), held);
    Bench::printFloor(floor, held.localMs, held.logMs, held.countedCommits, int(held.written.size()),
                      "at most 1x");
    std::printf("  the pull's own against a commit a page: %.2fx\n", held.localMs / std::max(1.0, perPage.localMs));
    runRepair(dir.filePath(QStringLiteral("repair-20k.db")), 20000);
    if (transactions != 20000)
        runRepair(dir.filePath(QStringLiteral("repair.db")), transactions);
    std::printf("load average %s\n", Bench::loadAverage().constData());
    std::printf("peak RSS %.1f MB\n", peakMb);
    return perPage.ok && held.ok ? 0 : 1;
}
