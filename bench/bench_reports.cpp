// Times the eight reports as the reports screen runs them on every change:
// "All Time" (2000-01-01 to today), all accounts, over a database of
// 100,000 transactions in ten accounts with the default categories, some
// transfers and some soft-deleted rows. Target: all eight under 300 ms.
//
// Usage: bench_reports [rows-per-account [accounts [database-path [setup-sql]]]]
// Defaults: 10000 rows in each of 10 accounts in a temporary file. With a
// database path that already exists, the data is not built again. setup-sql
// (statements separated by ";") runs on the connection before timing, to
// try an index or a pragma, e.g.
//   bench_reports 10000 10 "" "CREATE INDEX ix ON transactions(account_id, deleted_at, cleared, amount)"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/records.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"
#include "services/reportservice.h"

#include "benchsupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#ifdef TALLYLEAF_HAVE_SQLITE3
#include <sqlite3.h>
#endif

namespace {

const char* const kPayees[] = {
    "Grocery Outlet", "Green Valley Market", "Shell", "Chevron", "Amazon", "amazon", "Target", "Walmart",
    "Costco", "Trader Joe's", "Whole Foods", "City Water", "PG&E", "AT&T", "Verizon", "Comcast", "Netflix",
    "Spotify", "Starbucks", "Blue Bottle Coffee", "Peet's Coffee", "Home Depot", "Lowe's", "IKEA", "Best Buy",
    "Apple", "Barnes and Noble", "Walgreens", "CVS Pharmacy", "Kaiser", "Dr. Ramirez", "State Farm", "Geico",
    "Landlord", "Payroll", "Employer Inc", "Interest", "Uber", "Lyft", "Delta", "United", "Marriott", "Airbnb",
    "Chipotle", "Panera", "Pizza Palace", "Sushi Zen", "Library", "Gym Membership", "Church"};
const char* const kMemos[] = {"", "", "", "", "weekly groceries", "fuel", "rent", "monthly bill", "dinner out",
                              "coffee", "gift", "refund", "household", "medical copay", "insurance premium"};
constexpr int kPayeeCount = int(sizeof(kPayees) / sizeof(kPayees[0]));
constexpr int kMemoCount = int(sizeof(kMemos) / sizeof(kMemos[0]));

bool build(Database& database, int perAccount, int accountCount)
{
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    CategoryService catalogue(&categories);
    QSqlDatabase& db = database.database();
    if (!db.transaction())
        return false;
    catalogue.seedDefaultCategories();
    QStringList categoryIds;
    for (const Category& c : categories.findAll())
        categoryIds.append(c.id);
    if (categoryIds.isEmpty())
        return false;

    quint32 seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    // Ten years of history up to today, so "All Time" holds every row.
    const QDate last = QDate::currentDate();
    const QDate first = last.addDays(-3650);
    const QDateTime created(first, QTime(8, 0), Qt::UTC);

    QStringList accountIds;
    for (int a = 0; a < accountCount; ++a) {
        Account account;
        account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        account.name = QStringLiteral("Account %1").arg(a);
        account.accountType = AccountType(a % 6);
        account.startingBalance = 250000;
        account.sortOrder = a;
        account.createdAt = account.updatedAt = created;
        if (!accounts.insert(account))
            return false;
        accountIds.append(account.id);
    }

    auto insert = [&](Transaction& t) {
        t.id = t.id.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : t.id;
        t.createdAt = t.updatedAt = created;
        return transactions.insert(t);
    };
    const qint64 total = qint64(perAccount) * accountCount;
    qint64 written = 0;
    for (qint64 i = 0; written < total; ++i) {
        const int a = int(next() % quint32(accountCount));
        Transaction t;
        t.accountId = accountIds.at(a);
        t.date = first.addDays(i * 3650 / total);
        t.payee = QLatin1String(kPayees[next() % kPayeeCount]);
        t.memo = QLatin1String(kMemos[next() % kMemoCount]);
        t.cleared = next() % 4 != 0;
        if (next() % 20 == 0 && written + 2 <= total && accountCount > 1) {
            // A transfer pair: two linked legs in two accounts.
            Transaction other = t;
            other.accountId = accountIds.at((a + 1) % accountCount);
            t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            other.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            t.transferLinkId = other.id;
            other.transferLinkId = t.id;
            t.transferDestAccountId = other.accountId;
            other.transferDestAccountId = t.accountId;
            t.amount = -qint64(next() % 100000);
            other.amount = -t.amount;
            t.payee = other.payee = QStringLiteral("Transfer");
            if (!insert(t) || !insert(other))
                return false;
            written += 2;
            continue;
        }
        t.amount = next() % 10 == 0 ? qint64(next() % 400000) : -qint64(next() % 20000);
        if (next() % 10 > 0)
            t.categoryId = categoryIds.at(int(next() % quint32(categoryIds.size())));
        if (!insert(t))
            return false;
        ++written;
        if (next() % 100 == 0 && !transactions.softDelete(t.id))
            return false;
    }
    return db.commit();
}

using Bench::Figures;
using Bench::measure;

void print(const char* name, const Figures& f, qsizetype rows)
{
    std::printf("%-40s %8.1f ms (first %7.1f, best %7.1f)  rows %lld\n", name, f.median, f.first, f.best,
                static_cast<long long>(rows));
}

#ifdef TALLYLEAF_HAVE_SQLITE3
using Bench::rawRun;

const char* const kRawStatements[] = {
    "SELECT COALESCE(c.name, 'Uncategorized'), SUM(t.amount) FROM transactions t LEFT JOIN categories c ON "
    "t.category_id = c.id WHERE t.deleted_at IS NULL AND t.amount < 0 AND t.date >= ? AND t.date <= ? GROUP BY "
    "COALESCE(c.name, 'Uncategorized') ORDER BY SUM(t.amount) ASC",
    "SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? AND "
    "t.date <= ? GROUP BY t.payee ORDER BY SUM(t.amount) ASC",
    "SELECT c.name, c.tax_category, SUM(t.amount) FROM transactions t JOIN categories c ON t.category_id = c.id WHERE "
    "t.deleted_at IS NULL AND c.is_tax_relevant = 1 AND t.date >= ? AND t.date <= ? GROUP BY c.name, c.tax_category "
    "ORDER BY c.tax_category, c.name",
    "SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS income, "
    "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses FROM transactions t WHERE t.deleted_at IS NULL  "
    " AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')   AND t.date >= ? AND t.date <= ? GROUP BY month "
    "ORDER BY month",
    "SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS inflows, "
    "SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows FROM transactions t WHERE t.deleted_at IS NULL "
    "AND t.date >= ? AND t.date <= ? GROUP BY month ORDER BY month",
    "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 "
    "END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, "
    "COALESCE(SUM(t.amount), 0) AS total_sum FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND "
    "t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name",
    "SELECT t.date, a.name AS account_name, t.payee,        COALESCE(c.name, '') AS category_name,        "
    "COALESCE(t.memo, ''), t.amount FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id LEFT JOIN "
    "categories c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? ORDER BY "
    "t.date, t.payee",
};
#endif

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int perAccount = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 10000;
    const int accountCount = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 10;
    QTemporaryDir tempDir;
    const bool ownPath = args.size() > 3 && !args.at(3).isEmpty();
    const QString path = ownPath ? args.at(3) : tempDir.filePath(QStringLiteral("reports.db"));
    const bool reuse = ownPath && QFileInfo::exists(path);
    const int repeats = 9;

    Database database;
    if (!database.open(path) || !database.migrate()) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(path));
        return 1;
    }
    if (!reuse) {
        QElapsedTimer timer;
        timer.start();
        if (!build(database, perAccount, accountCount)) {
            std::fprintf(stderr, "build failed: %s\n", qPrintable(database.database().lastError().text()));
            return 1;
        }
        std::printf("built %d x %d rows in %.1f s\n", accountCount, perAccount, timer.elapsed() / 1000.0);
    }
    if (args.size() > 4) {
        for (const QString& statement : args.at(4).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            QSqlQuery setup(database.database());
            if (!setup.exec(statement)) {
                std::fprintf(stderr, "setup failed: %s: %s\n", qPrintable(statement),
                             qPrintable(setup.lastError().text()));
                return 1;
            }
            std::printf("setup: %s\n", qPrintable(statement.trimmed()));
        }
    }
    QSqlQuery count(database.database());
    count.exec(QStringLiteral("SELECT COUNT(*), SUM(deleted_at IS NOT NULL) FROM transactions"));
    if (count.next())
        std::printf("transactions: %lld (%lld soft-deleted)\n\n", count.value(0).toLongLong(),
                    count.value(1).toLongLong());

    ReportService reports(&database);
    const QDate today = QDate::currentDate();
    const QDate from(2000, 1, 1); // "All Time"
    const QString all;
    // "This Year vs Last Year", the comparison the reports screen starts with.
    const QDate p1From(today.year() - 1, 1, 1), p1To(today.year() - 1, 12, 31), p2From(today.year(), 1, 1);

    struct Case
    {
        const char* name;
        std::function<qsizetype()> run;
    };
    // In the order the reports screen runs them.
    const std::vector<Case> cases = {
        {"categorySpending", [&] { return reports.categorySpending(from, today, all).size(); }},
        {"payeeSummary", [&] { return reports.payeeSummary(from, today, all).size(); }},
        {"taxReport", [&] { return reports.taxReport(from, today).size(); }},
        {"incomeVsExpenses", [&] { return reports.incomeVsExpenses(from, today, all).size(); }},
        {"cashFlow", [&] { return reports.cashFlow(from, today, all).size(); }},
        {"yearOverYear (this vs last year)",
         [&] { return reports.yearOverYear(p1From, p1To, p2From, today, all).size(); }},
        {"accountSummary", [&] { return reports.accountSummary().size(); }},
        {"transactionList", [&] { return reports.transactionList(from, today, all, QString()).size(); }},
    };

    // The whole refresh first, cold, then repeated.
    const Figures together = measure(repeats, [&] {
        for (const Case& c : cases)
            c.run();
    });
    for (const Case& c : cases) {
        qsizetype rows = 0;
        const Figures f = measure(repeats, [&] { rows = c.run(); });
        print(c.name, f, rows);
    }
    qsizetype yoyRows = 0;
    const Figures yoyAll =
        measure(repeats, [&] { yoyRows = reports.yearOverYear(from, today, from, today, all).size(); });
    print("yearOverYear (both ranges All Time)", yoyAll, yoyRows);

    QString oneAccount;
    QSqlQuery q(database.database());
    q.exec(QStringLiteral("SELECT id FROM accounts ORDER BY sort_order LIMIT 1"));
    if (q.next())
        oneAccount = q.value(0).toString();
    const Figures filtered = measure(repeats, [&] {
        reports.categorySpending(from, today, oneAccount);
        reports.payeeSummary(from, today, oneAccount);
        reports.taxReport(from, today);
        reports.incomeVsExpenses(from, today, oneAccount);
        reports.cashFlow(from, today, oneAccount);
        reports.yearOverYear(p1From, p1To, p2From, today, oneAccount);
        reports.accountSummary();
        reports.transactionList(from, today, oneAccount, QString());
    });

#ifdef TALLYLEAF_HAVE_SQLITE3
    // Seven of the eight statements (year over year runs the category
    // totals twice over narrow ranges, a few ms), all dates "All Time".
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        const QList<QByteArray> bounds{from.toString(Qt::ISODate).toUtf8(), today.toString(Qt::ISODate).toUtf8()};
        const Figures rawFigures = measure(repeats, [&] {
            for (const char* sql : kRawStatements) {
                const QByteArray text(sql);
                rawRun(raw, text, text.contains('?') ? bounds : QList<QByteArray>());
            }
        });
        std::printf("\n%-40s %8.1f ms (first %7.1f, best %7.1f)", "raw sqlite3, seven statements", rawFigures.median,
                    rawFigures.first, rawFigures.best);
    }
    sqlite3_close(raw);
#endif
    std::printf("\n%-40s %8.1f ms (first %7.1f, best %7.1f)\n", "all eight, All Time, all accounts", together.median,
                together.first, together.best);
    std::printf("%-40s %8.1f ms (first %7.1f, best %7.1f)\n", "all eight, All Time, one account", filtered.median,
                filtered.first, filtered.best);
    std::printf("target 300 ms: %s\n", together.median < 300.0 ? "met" : "MISSED");
    return 0;
}
