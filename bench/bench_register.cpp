// Times the register read, the search and the payee list on large data and,
// when the sqlite3 C library is linked, the same SQL stepped through it in
// the same process, as a ratio.
//
// Usage: bench_register [rows-per-account [accounts [database-path [only]]]]
// Defaults: 100000 rows in each of 10 accounts (1,000,000 rows). With a
// database path that already exists, the data is not built again; `only`
// runs just the cases whose name contains that text.

#include "data/database.h"
#include "data/records.h"
#include "data/transactionrepository.h"

#include "benchdata.h"
#include "benchsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#ifdef TALLYLEAF_HAVE_SQLITE3
#include <sqlite3.h>
#endif

namespace {

struct Figures : Bench::Figures
{
    qsizetype rows = 0;
};

Figures measure(int repeats, const std::function<qsizetype()>& run)
{
    Figures f;
    static_cast<Bench::Figures&>(f) = Bench::measure(repeats, [&] { f.rows = run(); });
    return f;
}

void print(const char* name, const Figures& f)
{
    std::printf("%-44s %9.1f ms (best %8.1f)  rows %lld\n", name, f.median, f.best, static_cast<long long>(f.rows));
}

#ifdef TALLYLEAF_HAVE_SQLITE3
using Bench::rawRun;
#endif

void printRatio(const char* name, const Figures& qt, const Figures& raw)
{
    print(name, raw);
    if (raw.median > 0)
        std::printf("%-44s %9.2fx\n", "  ratio (repository / raw)", qt.median / raw.median);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int perAccount = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 100000;
    const int accountCount = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 10;
    QTemporaryDir tempDir;
    const QString path = args.size() > 3 ? args.at(3) : tempDir.filePath(QStringLiteral("bench.db"));
    const bool reuse = args.size() > 3 && QFileInfo::exists(path);
    const int repeats = 7;

    Database database;
    if (!database.open(path) || !database.migrate()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }

    QStringList accountIds;
    QStringList categoryIds;
    QElapsedTimer buildTimer;
    buildTimer.start();
    if (reuse) {
        if (!BenchData::loadIds(database, accountIds, categoryIds)) {
            std::fprintf(stderr, "no data in %s\n", qPrintable(path));
            return 1;
        }
        std::printf("reusing %s\n", qPrintable(path));
    } else {
        if (!BenchData::build(database, perAccount, accountCount, accountIds, categoryIds)) {
            std::fprintf(stderr, "build failed: %s\n", qPrintable(database.database().lastError().text()));
            return 1;
        }
        std::printf("built %d x %d rows in %.1f s\n", accountCount, perAccount, buildTimer.elapsed() / 1000.0);
    }
    auto scalar = [&database](const QString& sql) {
        QSqlQuery q(database.database());
        return q.exec(sql) && q.next() ? q.value(0).toLongLong() : -1;
    };
    std::printf("\nrows in table: %lld in %d accounts\n\n", scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")),
                int(accountIds.size()));

    TransactionRepository repository(&database);
    const QString account = accountIds.first();

#ifdef TALLYLEAF_HAVE_SQLITE3
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        std::fprintf(stderr, "raw open failed\n");
        return 1;
    }
    std::printf("sqlite %s; times are medians of %d runs; load average %s\n\n", sqlite3_libversion(), repeats,
                Bench::loadAverage().constData());
#endif
    // The statements the repository runs, repeated here for the raw side.
    const QString columns = QLatin1String(Columns::transaction);
    const QString categoryName = QStringLiteral(
        "CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), "
        "'') || ' > ' || c.name ELSE c.name END AS category_name");
    const QString selectPlain = QStringLiteral("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON "
                                               "t.category_id = c.id WHERE t.deleted_at IS NULL")
                                    .arg(columns, categoryName);
    const QString selectFts = QStringLiteral("SELECT %1, %2 FROM transactions t JOIN transactions_fts fts ON "
                                             "fts.rowid = t.rowid LEFT JOIN categories c ON t.category_id = c.id "
                                             "WHERE t.deleted_at IS NULL AND transactions_fts MATCH ?")
                                  .arg(columns, categoryName);
    const QString newest = QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 200");

    struct Case
    {
        const char* name;
        std::function<qsizetype()> run;
        QString sql;
        QList<QByteArray> texts;
        QList<qint64> numbers;
    };
    const QDate from(2019, 1, 1);
    const QDate to(2019, 12, 31);
    TransactionSearchFilter narrow;
    narrow.accountId = accountIds.last();
    narrow.dateFrom = from;
    narrow.dateTo = to;
    narrow.cleared = false;
    TransactionSearchFilter inAccount;
    inAccount.accountId = accountIds.last();
    TransactionSearchFilter inCategory;
    inCategory.categoryId = categoryIds.at(5);

    const QList<Case> cases = {
        {"findRegisterRows (one account)", [&] { return repository.findRegisterRows(account).size(); },
         QStringLiteral("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                        "WHERE t.account_id = ? AND t.deleted_at IS NULL "
                        "ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC")
             .arg(columns, categoryName),
         {account.toUtf8()}, {}},
        {"search \"gro\" (common prefix)", [&] { return repository.search(QStringLiteral("gro"), {}).size(); },
         selectFts + newest, {QByteArray("\"gro\"*")}, {}},
        {"search \"coffee\" in one account",
         [&] { return repository.search(QStringLiteral("coffee"), inAccount).size(); },
         selectFts + QStringLiteral(" AND t.account_id = ?") + newest,
         {QByteArray("\"coffee\"*"), accountIds.last().toUtf8()}, {}},
        {"search \"1042\" (rare)", [&] { return repository.search(QStringLiteral("1042"), {}).size(); },
         selectFts + newest, {QByteArray("\"1042\"*")}, {}},
        {"search \"zen\" (2% of rows)", [&] { return repository.search(QStringLiteral("zen"), {}).size(); },
         selectFts + newest, {QByteArray("\"zen\"*")}, {}},
        {"search \"s\" (one letter)", [&] { return repository.search(QStringLiteral("s"), {}).size(); },
         selectFts + newest, {QByteArray("\"s\"*")}, {}},
        {"search filters only: none", [&] { return repository.search(QString(), {}).size(); }, selectPlain + newest,
         {}, {}},
        {"search filters only: account", [&] { return repository.search(QString(), inAccount).size(); },
         selectPlain + QStringLiteral(" AND t.account_id = ?") + newest, {accountIds.last().toUtf8()}, {}},
        {"search filters only: account+dates+uncleared", [&] { return repository.search(QString(), narrow).size(); },
         selectPlain + QStringLiteral(" AND t.account_id = ? AND t.date >= ? AND t.date <= ? AND t.cleared = ?")
             + newest,
         {accountIds.last().toUtf8(), from.toString(Qt::ISODate).toUtf8(), to.toString(Qt::ISODate).toUtf8()},
         {0}},
        {"search filters only: category", [&] { return repository.search(QString(), inCategory).size(); },
         selectPlain + QStringLiteral(" AND t.category_id = ?") + newest, {categoryIds.at(5).toUtf8()}, {}},
        {"distinctPayees", [&] { return repository.distinctPayees().size(); },
         QStringLiteral("SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' "
                        "ORDER BY payee"),
         {}, {}},
    };

    const QString only = args.size() > 4 ? args.at(4) : QString();
    for (const Case& c : cases) {
        if (!only.isEmpty() && !QString::fromLatin1(c.name).contains(only))
            continue;
        const Figures qt = measure(repeats, c.run);
        print(c.name, qt);
#ifdef TALLYLEAF_HAVE_SQLITE3
        const QByteArray sql = c.sql.toUtf8();
        const Figures rawFigures = measure(repeats, [&] { return rawRun(raw, sql, c.texts, c.numbers); });
        printRatio("  raw sqlite3, plain statement", qt, rawFigures);
#endif
    }
#ifdef TALLYLEAF_HAVE_SQLITE3
    sqlite3_close(raw);
#endif
    return 0;
}
