// Times the eight reports as the Reports window runs them on every change:
// "All Time" (2000-01-01 to today), all accounts, over a database of
// 100,000 transactions in ten accounts with the default categories, some
// transfers, some purchases split over two categories and some soft-deleted
// rows. Targets: the eight service calls
// under 250 ms, the window (tabs filled and painted) under 450 ms.
//
// Also printed: the statements the service runs, stepped through the raw
// sqlite3 API in this process (the floor; the ratio says what the service
// adds), the plain statements of the reports, for comparison, and a check
// that the service gives exactly their rows.
//
// Usage: bench_reports [rows-per-account [accounts [data-dir [setup-sql]]]]
// Defaults: 10000 rows in each of 10 accounts in a temporary directory. A
// data directory that already holds a database is used as it is. setup-sql
// (statements separated by ";") runs on the connection before timing, to
// try an index or a pragma, e.g.
//   bench_reports 10000 10 "" "CREATE INDEX ix ON transactions(account_id, deleted_at, cleared, amount)"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/records.h"
#include "data/splitlinerepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "services/categoryservice.h"
#include "services/reportservice.h"
#include "ui/screens/reportsscreen.h"

#include "benchsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QTabWidget>
#include <QTableWidget>
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
    SplitLineRepository splitLines(&database);
    CategoryService catalogue(&categories);
    QSqlDatabase& db = database.database();
    if (!db.transaction())
        return false;
    if (categories.findAll().isEmpty())
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
        // One row in twenty split over two categories (without drawing
        // from the sequence, so the other rows stay as they were).
        const bool split = written % 20 == 7;
        t.isSplit = split;
        if (split)
            t.categoryId.clear();
        if (!insert(t))
            return false;
        for (int l = 0; split && l < 2; ++l) {
            SplitLine line;
            line.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            line.transactionId = t.id;
            line.categoryId = categoryIds.at(int((written * (l + 3)) % categoryIds.size()));
            line.amount = l == 0 ? t.amount - t.amount / 3 : t.amount / 3;
            line.createdAt = line.updatedAt = created;
            if (!splitLines.insert(line))
                return false;
        }
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

void printLine(const char* name, const Figures& f, const char* note = "")
{
    std::printf("%-40s %8.1f ms (first %7.1f, best %7.1f)  %s\n", name, f.median, f.first, f.best, note);
}

// Rows as texts, to compare the service's two ways to them.
QString line(const CategorySpendingRow& r)
{
    return QStringLiteral("%1|%2").arg(r.category).arg(r.amount);
}
QString line(const PayeeSummaryRow& r)
{
    return QStringLiteral("%1|%2|%3").arg(r.payee).arg(r.total).arg(r.count);
}
QString line(const TaxReportRow& r)
{
    return QStringLiteral("%1|%2|%3").arg(r.category, r.taxCategory).arg(r.amount);
}
QString line(const MonthlyFlowRow& r)
{
    return QStringLiteral("%1|%2|%3|%4").arg(r.month).arg(r.inflow).arg(r.outflow).arg(r.net);
}
QString line(const YearOverYearRow& r)
{
    return QStringLiteral("%1|%2|%3|%4").arg(r.category).arg(r.previousAmount).arg(r.currentAmount).arg(r.change);
}
QString line(const TransactionListRow& r)
{
    return QStringList{r.date, r.accountName, r.payee, r.categoryName, r.memo, QString::number(r.amount)}.join(
        QLatin1Char('|'));
}
QString line(const AccountSummaryRow& r)
{
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(r.name, r.accountType)
        .arg(r.clearedBalance)
        .arg(r.unclearedAmount)
        .arg(r.balance);
}
template <typename Row>
QStringList lines(const QList<Row>& rows)
{
    QStringList out;
    out.reserve(rows.size());
    for (const Row& r : rows)
        out << line(r);
    return out;
}

// One report: the call alone, and its rows as texts.
struct Case
{
    const char* name;
    std::function<void()> run;
    std::function<QStringList()> rows;
};
template <typename Call>
Case makeCase(const char* name, Call call)
{
    return {name, [call] { call(); }, [call] { return lines(call()); }};
}

#ifdef TALLYLEAF_HAVE_SQLITE3
using Bench::rawRun;

enum Range { NoRange, AllTime, Previous, Current };
struct RawStatement
{
    Range range;
    const char* sql;
};

#define MONTHLY_HEAD                                                                                                   \
    "SELECT strftime('%Y-%m', d) AS month, SUM(n), SUM(m) FROM (SELECT t.date AS d, SUM(t.amount) AS n, "          \
    "SUM(ABS(t.amount)) AS m FROM transactions t WHERE t.deleted_at IS NULL"
#define MONTHLY_TAIL " AND t.date >= ? AND t.date <= ? GROUP BY t.date) GROUP BY month ORDER BY month"
#define CATEGORY_AMOUNTS                                                                                               \
    "SELECT CASE WHEN s.transaction_id IS NULL THEN t.category_id ELSE s.category_id END AS category_id, CASE WHEN "   \
    "s.transaction_id IS NULL THEN t.amount ELSE s.amount END AS amount FROM transactions t LEFT JOIN split_lines s "  \
    "ON s.transaction_id = CASE WHEN t.is_split <> 0 THEN t.id END WHERE t.deleted_at IS NULL"
#define NO_TRANSFERS " AND (+t.transfer_link_id IS NULL OR +t.transfer_link_id = '')"
#define IN_RANGE " AND t.date >= ? AND t.date <= ?"
#define CATEGORY_SCAN "SELECT category_id, amount FROM (" CATEGORY_AMOUNTS IN_RANGE ")"
#define CATEGORY_LABELS                                                                                                \
    "SELECT c.id AS id, CASE WHEN p.id IS NOT NULL AND c.name IN (SELECT name FROM categories GROUP BY name HAVING " \
    "COUNT(*) > 1) THEN p.name || ' > ' || c.name ELSE c.name END AS name, c.tax_category AS tax_category, "          \
    "c.is_tax_relevant AS is_tax_relevant FROM categories c LEFT JOIN categories p ON p.id = c.parent_id"
#define ACCOUNT_SUMMARY                                                                                                \
    "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount ELSE 0 " \
    "END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS uncleared_sum, " \
    "COALESCE(SUM(t.amount), 0) AS total_sum FROM accounts a LEFT JOIN transactions t ON t.account_id = a.id AND "    \
    "t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY a.sort_order, a.name"

// What the service runs for the eight reports, all accounts, in the order
// the window asks for them (the statements of services/reportfast.cpp).
const RawStatement kServiceStatements[] = {
    {AllTime, "SELECT category_id, amount FROM (" CATEGORY_AMOUNTS NO_TRANSFERS IN_RANGE ") WHERE amount < 0"},
    {NoRange, "SELECT id, name, tax_category FROM (" CATEGORY_LABELS ")"},
    {AllTime,
     "SELECT t.payee, t.amount FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"},
    {AllTime, "SELECT category_id, amount FROM (" CATEGORY_AMOUNTS IN_RANGE ") WHERE category_id IN (SELECT id FROM "
              "categories WHERE is_tax_relevant = 1)"},
    {NoRange, "SELECT id, name, tax_category FROM (" CATEGORY_LABELS ") WHERE is_tax_relevant = 1"},
    {AllTime, MONTHLY_HEAD " AND (+t.transfer_link_id IS NULL OR +t.transfer_link_id = '')" MONTHLY_TAIL},
    {AllTime, MONTHLY_HEAD MONTHLY_TAIL},
    {Previous, CATEGORY_SCAN},
    {NoRange, "SELECT id, name, tax_category FROM (" CATEGORY_LABELS ")"},
    {Current, CATEGORY_SCAN},
    {NoRange, "SELECT id, name, tax_category FROM (" CATEGORY_LABELS ")"},
    {NoRange, ACCOUNT_SUMMARY},
    {NoRange, "SELECT id, name FROM accounts"},
    {NoRange, "SELECT id, COALESCE(name, '') FROM (" CATEGORY_LABELS ")"},
    {AllTime, "SELECT t.date, t.account_id, t.payee, t.category_id, t.memo, t.amount FROM transactions t WHERE "
              "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? ORDER BY t.date"},
};

#define CATEGORY_TOTALS                                                                                                \
    "SELECT COALESCE(c.name, 'Uncategorized'), SUM(x.amount) FROM (" CATEGORY_AMOUNTS IN_RANGE ") x LEFT JOIN "       \
    "(" CATEGORY_LABELS ") c ON x.category_id = c.id GROUP BY COALESCE(c.name, 'Uncategorized')"

// The plain statements of the reports, which the service still runs when
// its quicker way cannot vouch for the rows.
const RawStatement kFirstStatements[] = {
    {AllTime, "SELECT COALESCE(c.name, 'Uncategorized'), SUM(x.amount) FROM (" CATEGORY_AMOUNTS NO_TRANSFERS IN_RANGE
              ") x LEFT JOIN (" CATEGORY_LABELS ") c ON x.category_id = c.id WHERE x.amount < 0 GROUP BY "
              "COALESCE(c.name, 'Uncategorized') ORDER BY SUM(x.amount) ASC"},
    {AllTime, "SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? "
              "AND t.date <= ? GROUP BY t.payee ORDER BY SUM(t.amount) ASC"},
    {AllTime, "SELECT c.name, c.tax_category, SUM(x.amount) FROM (" CATEGORY_AMOUNTS IN_RANGE
              ") x JOIN (" CATEGORY_LABELS ") c ON x.category_id = c.id WHERE c.is_tax_relevant = 1 GROUP BY "
              "c.name, c.tax_category ORDER BY c.tax_category, c.name"},
    {AllTime, "SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS "
              "income, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses FROM transactions t WHERE "
              "t.deleted_at IS NULL   AND (t.transfer_link_id IS NULL OR t.transfer_link_id = '')   AND t.date >= ? "
              "AND t.date <= ? GROUP BY month ORDER BY month"},
    {AllTime, "SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount ELSE 0 END) AS "
              "inflows, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows FROM transactions t WHERE "
              "t.deleted_at IS NULL AND t.date >= ? AND t.date <= ? GROUP BY month ORDER BY month"},
    {Previous, CATEGORY_TOTALS},
    {Current, CATEGORY_TOTALS},
    {NoRange, ACCOUNT_SUMMARY},
    {AllTime, "SELECT t.date, a.name AS account_name, t.payee,        COALESCE(c.name, '') AS category_name,        "
              "COALESCE(t.memo, ''), t.amount FROM transactions t LEFT JOIN accounts a ON t.account_id = a.id LEFT "
              "JOIN (" CATEGORY_LABELS ") c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND "
              "t.date <= ? ORDER BY t.date, t.payee"},
};

template <size_t N>
Figures measureRaw(sqlite3* raw, const RawStatement (&statements)[N], const QList<QByteArray> (&bounds)[4],
                   int repeats)
{
    return measure(repeats, [&] {
        for (const RawStatement& s : statements)
            rawRun(raw, QByteArray(s.sql), bounds[s.range]);
    });
}
#endif

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    const QString dataDir = argc > 3 && argv[3][0] ? QString::fromLocal8Bit(argv[3])
                                                   : QDir(home.path()).filePath(QStringLiteral("tallyleaf"));
    qputenv("TALLYLEAF_DATA_DIR", dataDir.toLocal8Bit());
    qunsetenv("TALLYLEAF_VERBOSE");
    Bench::quietLogs();

    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int perAccount = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 10000;
    const int accountCount = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 10;
    const int repeats = 9;

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "cannot open the database in %s\n", qPrintable(dataDir));
        return 1;
    }
    Database& database = *state.database();
    QSqlQuery count(database.database());
    count.exec(QStringLiteral("SELECT COUNT(*) FROM transactions"));
    if (!count.next() || count.value(0).toLongLong() == 0) {
        QElapsedTimer timer;
        timer.start();
        if (!build(database, perAccount, accountCount)) {
            std::fprintf(stderr, "build failed: %s\n", qPrintable(database.database().lastError().text()));
            return 1;
        }
        std::printf("built %d x %d rows in %.1f s\n", accountCount, perAccount, timer.elapsed() / 1000.0);
    }
    count.finish();
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
    count.exec(QStringLiteral("SELECT COUNT(*), SUM(deleted_at IS NOT NULL) FROM transactions"));
    if (count.next())
        std::printf("transactions: %lld (%lld soft-deleted)\n\n", count.value(0).toLongLong(),
                    count.value(1).toLongLong());
    count.finish();

    ReportService& reports = *state.reportService();
    const QDate today = QDate::currentDate();
    const QDate from(2000, 1, 1); // "All Time"
    const QString all;
    // "This Year vs Last Year", the comparison the window starts with.
    const QDate p1From(today.year() - 1, 1, 1), p1To(today.year() - 1, 12, 31), p2From(today.year(), 1, 1);

    // In the order the window runs them.
    const std::vector<Case> cases = {
        makeCase("categorySpending", [&] { return reports.categorySpending(from, today, all); }),
        makeCase("payeeSummary", [&] { return reports.payeeSummary(from, today, all); }),
        makeCase("taxReport", [&] { return reports.taxReport(from, today); }),
        makeCase("incomeVsExpenses", [&] { return reports.incomeVsExpenses(from, today, all); }),
        makeCase("cashFlow", [&] { return reports.cashFlow(from, today, all); }),
        makeCase("yearOverYear (this vs last year)",
                 [&] { return reports.yearOverYear(p1From, p1To, p2From, today, all); }),
        makeCase("accountSummary", [&] { return reports.accountSummary(); }),
        makeCase("transactionList", [&] { return reports.transactionList(from, today, all, QString()); }),
    };
    const auto runAll = [&](const QString& account) {
        reports.categorySpending(from, today, account);
        reports.payeeSummary(from, today, account);
        reports.taxReport(from, today);
        reports.incomeVsExpenses(from, today, account);
        reports.cashFlow(from, today, account);
        reports.yearOverYear(p1From, p1To, p2From, today, account);
        reports.accountSummary();
        reports.transactionList(from, today, account, QString());
    };

    // The whole set first, cold, then repeated.
    const Figures together = measure(repeats, [&] { runAll(all); });
    for (const Case& c : cases)
        print(c.name, measure(repeats, c.run), c.rows().size());
    qsizetype yoyRows = 0;
    const Figures yoyAll =
        measure(repeats, [&] { yoyRows = reports.yearOverYear(from, today, from, today, all).size(); });
    print("yearOverYear (both ranges All Time)", yoyAll, yoyRows);

    QString oneAccount;
    QSqlQuery q(database.database());
    q.exec(QStringLiteral("SELECT id FROM accounts ORDER BY sort_order LIMIT 1"));
    if (q.next())
        oneAccount = q.value(0).toString();
    q.finish();
    const Figures filtered = measure(repeats, [&] { runAll(oneAccount); });

    // The rows of the first statements themselves, compared and timed.
    bool identical = true;
    for (const Case& c : cases) {
        reports.setStatementsOnly(false);
        const QStringList quick = c.rows();
        reports.setStatementsOnly(true);
        if (quick != c.rows()) {
            identical = false;
            std::printf("ROWS DIFFER: %s\n", c.name);
        }
    }
    const Figures statementsOnly = measure(3, [&] { runAll(all); });
    reports.setStatementsOnly(false);

    std::printf("\n");
    printLine("all eight, All Time, all accounts", together, "target < 250 ms");
    printLine("all eight, All Time, one account", filtered);
    printLine("  the same through the first statements", statementsOnly);
    std::printf("rows identical to the first statements': %s\n", identical ? "yes" : "NO");

#ifdef TALLYLEAF_HAVE_SQLITE3
    sqlite3* raw = nullptr;
    const QString path = QDir(dataDir).filePath(QStringLiteral("tallyleaf.db"));
    if (sqlite3_open_v2(path.toUtf8().constData(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        const auto iso = [](QDate d) { return d.toString(Qt::ISODate).toUtf8(); };
        const QList<QByteArray> bounds[4] = {
            {}, {iso(from), iso(today)}, {iso(p1From), iso(p1To)}, {iso(p2From), iso(today)}};
        const Figures rawService = measureRaw(raw, kServiceStatements, bounds, repeats);
        const Figures rawFirst = measureRaw(raw, kFirstStatements, bounds, repeats);
        printLine("raw sqlite3, the service's statements", rawService);
        std::printf("%-40s %8.2f (best to best %.2f)\n", "  ratio service / raw", together.median / rawService.median,
                    together.best / rawService.best);
        printLine("raw sqlite3, the first statements", rawFirst);
    }
    sqlite3_close(raw);
#endif

    // The window: all eight run, every tab filled, the current one painted.
    ReportsScreen screen(&state);
    screen.resize(800, 600);
    screen.show();
    QCoreApplication::processEvents();
    auto* period = screen.findChild<QComboBox*>(QStringLiteral("periodCombo"));
    QElapsedTimer first;
    first.start();
    period->setCurrentIndex(9); // "All Time": one run
    QCoreApplication::processEvents();
    screen.repaint();
    const double firstWindow = double(first.nsecsElapsed()) / 1e6;
    const auto ready = [&] {
        screen.refresh();
        QCoreApplication::processEvents();
        screen.repaint();
    };
    const Figures window = measure(repeats, ready);
    auto* tabs = screen.findChild<QTabWidget*>(QStringLiteral("reportTabs"));
    tabs->setCurrentIndex(ReportsScreen::TransactionsTab); // also a run
    const Figures windowList = measure(repeats, ready);
    std::printf("\n");
    printLine("window ready, All Time (first tab shown)", window, "target < 450 ms");
    std::printf("%-40s %8.1f ms\n", "  the first time, from the Period choice", firstWindow);
    std::printf("%-40s %8.1f ms\n", "  of which not in the service", window.median - together.median);
    printLine("window ready, Transactions tab shown", windowList);
    std::printf("rows in the Transactions tab: %d\n", screen.table(ReportsScreen::TransactionsTab)->rowCount());
    return 0;
}
