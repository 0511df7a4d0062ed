// Times a first pull into an empty database: pages of 200 server rows as
// the service sends them (JSON text), each read and applied by the sync
// engine as one page; the wire and the service are left out. Prints the
// local time, the change changeSignals the repositories sent and the process's
// peak memory.
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


namespace {

constexpr int kAccounts = 10;
constexpr int kCategories = 200;
constexpr int kPageSize = 200;
const QString kNow = QStringLiteral("2024-06-01T12:00:00Z");

QJsonObject accountRow(int a)
{
    return {{"id", QStringLiteral("srv-acct-%1").arg(a)}, {"client_id", QStringLiteral("acct-%1").arg(a)},
            {"name", QStringLiteral("Account %1").arg(a)}, {"account_type", "checking"}, {"currency", "USD"},
            {"version", 1}, {"created_at", kNow}, {"updated_at", kNow}};
}

QJsonObject categoryRow(int c)
{
    return {{"id", QStringLiteral("srv-cat-%1").arg(c)}, {"client_id", QStringLiteral("cat-%1").arg(c)},
            {"name", QStringLiteral("Category %1").arg(c)},
            {"parent_id", c < 40 ? QString() : QStringLiteral("cat-%1").arg(c % 40)}, {"version", 1},
            {"created_at", kNow}, {"updated_at", kNow}};
}

QJsonObject transactionRow(int t)
{
    const bool isSplit = t % 10 == 0;
    const qint64 amount = -qint64(100 + (t * 7919) % 50000);
    QJsonObject row{{"id", QStringLiteral("srv-txn-%1").arg(t)},
                    {"client_id", QStringLiteral("txn-%1").arg(t)},
                    {"account_id", QStringLiteral("acct-%1").arg(t % kAccounts)},
                    {"date", QDate(2015, 1, 1).addDays(t / 30).toString(Qt::ISODate)},
                    {"payee", QStringLiteral("Payee %1").arg(t % 97)},
                    {"memo", t % 3 ? QString() : QStringLiteral("memo %1").arg(t)},
                    {"amount", amount},
                    {"category_id", isSplit ? QString() : QStringLiteral("cat-%1").arg(t % kCategories)},
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
            lines.append(QJsonObject{{"category_id", QStringLiteral("cat-%1").arg((t + s) % kCategories)},
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

qint64 count(QSqlDatabase& db, const char* sql)
{
    QSqlQuery q(db);
    return q.exec(QLatin1String(sql)) && q.next() ? q.value(0).toLongLong() : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    const int transactions = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;

    QTemporaryDir dir;
    Database database;
    if (!database.open(dir.filePath("bench.db")) || !database.migrate())
        return 1;
    AccountRepository accounts(&database);
    TransactionRepository transactionRepository(&database);
    CategoryRepository categories(&database);
    RecurringRepository recurring(&database);
    ReconciliationRepository reconciliations(&database);
    SplitLineRepository splitLines(&database);
    PreferencesRepository preferences(&database);
    SyncEngine engine(nullptr, &accounts, &transactionRepository, &categories, &recurring, &reconciliations,
                      &splitLines, &preferences);
    engine.setDatabase(&database);

    int changeSignals = 0;
    const auto countSignal = [&changeSignals] { ++changeSignals; };
    QObject::connect(&accounts, &AccountRepository::accountsChanged, countSignal);
    QObject::connect(&categories, &CategoryRepository::categoriesChanged, countSignal);
    QObject::connect(&transactionRepository, &TransactionRepository::transactionsChanged, countSignal);
    QObject::connect(&recurring, &RecurringRepository::recurringChanged, countSignal);
    QObject::connect(&reconciliations, &ReconciliationRepository::reconciliationsChanged, countSignal);

    // Only reading and applying the page counts: building it stands in for
    // the service.
    double localMs = 0;
    double cpuMs = 0;
    double worstPageMs = 0;
    int pages = 0;
    for (bool last = false; !last; ++pages) {
        const QByteArray body = page(pages, transactions, &last);
        QElapsedTimer timer;
        timer.start();
        const qint64 cpuStart = Bench::threadCpuNanoseconds();
        const QJsonObject reply = QJsonDocument::fromJson(body).object();
        if (!engine.applyPulledPage(reply)) {
            std::fprintf(stderr, "page %d failed\n", pages);
            return 1;
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        cpuMs += double(Bench::threadCpuNanoseconds() - cpuStart) / 1e6;
        localMs += ms;
        worstPageMs = std::max(worstPageMs, ms);
    }

    QSqlDatabase& db = database.database();
    const qint64 stored = count(db, "SELECT COUNT(*) FROM transactions WHERE sync_status = 'synced'");
    std::printf("first pull of %d transactions (+%d accounts, %d categories), %d pages of %d rows\n", transactions,
                kAccounts, kCategories, pages, kPageSize);
    std::printf("  local time        %9.0f ms  (worst page %.1f ms)\n", localMs, worstPageMs);
    std::printf("  of it on the CPU  %9.0f ms\n", cpuMs);
    std::printf("  change signals    %9d     (%.2f per page)\n", changeSignals, double(changeSignals) / pages);
    std::printf("  peak RSS          %9.1f MB\n", Bench::peakMegabytes());
    const qint64 indexed = count(db, "SELECT COUNT(*) FROM transactions_fts");
    std::printf("  stored            %9lld transactions (%lld in the search index), %lld split lines, "
                "%d waiting for a parent\n",
                static_cast<long long>(stored), static_cast<long long>(indexed),
                static_cast<long long>(count(db, "SELECT COUNT(*) FROM split_lines")), engine.retryCount());
    return stored == transactions && indexed == transactions ? 0 : 1;
}
