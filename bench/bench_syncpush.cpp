// Times the push of many pending rows to the test service: the sync
// engine's own work (gathering the rows into change objects, sending, and
// marking the accepted rows) summed over all the cycles it takes, without
// the time the request spends on the wire and in the service; and the
// process's peak memory.
//
// Usage: bench_syncpush [rows]   (default 50000: 10 accounts, 200
// categories, 50 schedules, 20 reconciliations and the rest transactions,
// every tenth a split of three lines)

#include "benchsupport.h"
#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/tokenmanager.h"
#include "account/core/tokenstore.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "testserviceprocess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>


namespace {

const QString kNow = QStringLiteral("2024-06-01T12:00:00Z");

bool run(QSqlQuery& q, const QVariantList& values)
{
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    if (q.exec())
        return true;
    std::fprintf(stderr, "SQL failed: %s\n", qPrintable(q.lastError().text()));
    return false;
}

// Every row pending at version 1, as after an import on a device that never
// synced.
bool build(QSqlDatabase& db, int rows)
{
    constexpr int accounts = 10, categories = 200, schedules = 50, reconciliations = 20;
    const int transactions = rows - accounts - categories - schedules - reconciliations;
    db.transaction();
    QSqlQuery q(db);
    q.prepare("INSERT INTO accounts (id, name, created_at, updated_at) VALUES (?, ?, ?, ?)");
    for (int a = 0; a < accounts; ++a) {
        if (!run(q, {QStringLiteral("acct-%1").arg(a), QStringLiteral("Account %1").arg(a), kNow, kNow}))
            return false;
    }
    q.prepare("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES (?, ?, ?, ?, ?)");
    for (int c = 0; c < categories; ++c) {
        const QVariant parent
            = c < 40 ? QVariant(QMetaType::fromType<QString>()) : QVariant(QStringLiteral("cat-%1").arg(c % 40));
        if (!run(q, {QStringLiteral("cat-%1").arg(c), QStringLiteral("Category %1").arg(c), parent, kNow, kNow}))
            return false;
    }
    q.prepare("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, "
              "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int r = 0; r < schedules; ++r) {
        if (!run(q, {QStringLiteral("rec-%1").arg(r), QStringLiteral("acct-%1").arg(r % accounts),
                     QStringLiteral("Payee %1").arg(r), -1000 * r, "2024-01-01", "2024-07-01", kNow, kNow}))
            return false;
    }
    q.prepare("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
              "completed_at, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int r = 0; r < reconciliations; ++r) {
        if (!run(q, {QStringLiteral("recon-%1").arg(r), QStringLiteral("acct-%1").arg(r % accounts), "2024-05-31",
                     r * 1000, r * 1000, kNow, kNow, kNow}))
            return false;
    }
    QSqlQuery split(db);
    split.prepare("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)");
    q.prepare("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, is_split, "
              "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QDate first(2015, 1, 1);
    for (int t = 0; t < transactions; ++t) {
        const QString id = QStringLiteral("txn-%1").arg(t);
        const bool isSplit = t % 10 == 0;
        const qint64 amount = -qint64(100 + (t * 7919) % 50000);
        if (!run(q, {id, QStringLiteral("acct-%1").arg(t % accounts), first.addDays(t / 30).toString(Qt::ISODate),
                     QStringLiteral("Payee %1").arg(t % 97), t % 3 ? QString() : QStringLiteral("memo %1").arg(t),
                     amount,
                     isSplit ? QVariant(QMetaType::fromType<QString>())
                             : QVariant(QStringLiteral("cat-%1").arg(t % categories)),
                     isSplit ? 1 : 0, kNow, kNow}))
            return false;
        for (int s = 0; isSplit && s < 3; ++s) {
            if (!run(split, {QStringLiteral("%1-s%2").arg(id).arg(s), id,
                             QStringLiteral("cat-%1").arg((t + s) % categories), amount / 3, QString(), kNow, kNow}))
                return false;
        }
    }
    return db.commit();
}

int pendingRows(QSqlDatabase& db)
{
    QSqlQuery q(db);
    q.exec("SELECT (SELECT COUNT(*) FROM accounts WHERE sync_status = 'pending') + "
           "(SELECT COUNT(*) FROM categories WHERE sync_status = 'pending') + "
           "(SELECT COUNT(*) FROM recurring_transactions WHERE sync_status = 'pending') + "
           "(SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending') + "
           "(SELECT COUNT(*) FROM reconciliations WHERE sync_status = 'pending')");
    return q.next() ? q.value(0).toInt() : -1;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    Bench::quietLogs();
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 50000;

    TestServiceProcess service;
    if (!service.isRunning()) {
        std::fprintf(stderr, "test service: %s\n", qPrintable(service.errorText()));
        return 1;
    }
    QTemporaryDir dir;
    Database database;
    if (!database.open(dir.filePath("bench.db")) || !database.migrate() || !build(database.database(), rows))
        return 1;

    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    RecurringRepository recurring(&database);
    ReconciliationRepository reconciliations(&database);
    SplitLineRepository splitLines(&database);
    PreferencesRepository preferences(&database);

    LarkAccount::ClientConfig config;
    config.authBaseUrl = service.url().toString();
    config.realmSlug = QStringLiteral("larkspur");
    LarkAccount::Client client(config, std::make_unique<LarkAccount::MemoryTokenStore>());
    client.syncApi()->setBaseUrl(service.url());
    const QJsonObject tokens = service.issueTokens(QStringLiteral("bench"));
    client.tokenManager()->setTokens(tokens.value("access_token").toString(), tokens.value("refresh_token").toString());

    SyncEngine engine(client.syncApi(), &accounts, &transactions, &categories, &recurring, &reconciliations,
                      &splitLines, &preferences);
    engine.setDatabase(&database);

    // Local work is the synchronous part of syncNow (gathering, building and
    // sending the batch) and what follows the reply's arrival up to the end
    // of the cycle (marking); the wait in between is the service's.
    auto* network = client.syncApi()->findChild<QNetworkAccessManager*>();
    QElapsedTimer clock;
    clock.start();
    qint64 replyAt = 0;
    qint64 replyCpu = 0;
    QObject::connect(network, &QNetworkAccessManager::finished, [&] {
        replyAt = clock.nsecsElapsed();
        replyCpu = Bench::threadCpuNanoseconds();
    });
    double cpuMs = 0;
    double gatherMs = 0;
    double markMs = 0;
    double waitMs = 0;
    int cycles = 0;
    bool failed = false;
    const qint64 started = clock.nsecsElapsed();
    while (!failed && pendingRows(database.database()) > 0) {
        QEventLoop loop;
        qint64 endedAt = 0;
        qint64 endedCpu = 0;
        QObject::connect(&engine, &SyncEngine::syncCompleted, &loop, [&] {
            endedAt = clock.nsecsElapsed();
            endedCpu = Bench::threadCpuNanoseconds();
            loop.quit();
        });
        QObject::connect(&engine, &SyncEngine::syncFailed, &loop, [&] { failed = true; loop.quit(); });
        const qint64 begin = clock.nsecsElapsed();
        const qint64 beginCpu = Bench::threadCpuNanoseconds();
        engine.syncNow();
        const qint64 sent = clock.nsecsElapsed();
        const qint64 sentCpu = Bench::threadCpuNanoseconds();
        loop.exec();
        cpuMs += double(sentCpu - beginCpu + endedCpu - replyCpu) / 1e6;
        gatherMs += double(sent - begin) / 1e6;
        markMs += double(endedAt - replyAt) / 1e6;
        waitMs += double(replyAt - sent) / 1e6;
        ++cycles;
    }
    const double totalMs = double(clock.nsecsElapsed() - started) / 1e6;
    if (failed) {
        std::fprintf(stderr, "a cycle failed: %s\n", qPrintable(engine.lastError()));
        return 1;
    }

    std::printf("pending rows                 %9d\n", rows);
    std::printf("cycles (500 rows each)       %9d\n", cycles);
    std::printf("gathering and sending        %9.1f ms\n", gatherMs);
    std::printf("marking accepted rows        %9.1f ms\n", markMs);
    std::printf("local work in total          %9.1f ms  (target < 2000)\n", gatherMs + markMs);
    std::printf("  of it on the CPU           %9.1f ms\n", cpuMs);
    std::printf("service and wire             %9.1f ms\n", waitMs);
    std::printf("wall time                    %9.1f ms\n", totalMs);
    std::printf("peak memory                  %9.1f MB  (target < 200)\n", Bench::peakMegabytes());
    return pendingRows(database.database()) == 0 ? 0 : 1;
}
