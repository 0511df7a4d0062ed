// Times the backup export of a database with many transactions (with their
// categories, split lines, schedules and reconciliations) and the restore of
// that archive into an empty database against its floor (SQLite alone
// writing the same rows with the same settings and commits, see
// Bench::writeFloor), and prints the process's peak memory. Then the sync
// repair renames every restored row, and the archive, made before it, is
// restored once more with "Skip existing": each of its rows is a renamed one,
// found and left as it is. Then every row is marked synced with a server id
// and the archive restored with "Replace all": each row keeps its server id
// and goes one version up. Last, every transaction is made older than the
// archive's but for one leg of each transfer, which is newer: "Keep newer"
// overwrites every other transaction and keeps both legs of each transfer.
//
// Usage: bench_backup [transactions]   (default 100000; every tenth is a
// split of three lines, so 100,000 make an archive of 130,181 entries; a
// tenth are the legs of transfers)

#include "benchsupport.h"
#include "data/database.h"
#include "data/renamedids.h"
#include "services/backupservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>


namespace {

const char* const kPayees[] = {"Grocery Outlet", "Shell", "Amazon", "Target", "City Water", "Payroll", "Starbucks",
                               "Home Depot", "Kaiser", "Landlord"};

bool exec(QSqlQuery& q)
{
    if (q.exec())
        return true;
    std::fprintf(stderr, "SQL failed: %s\n", qPrintable(q.lastError().text()));
    return false;
}

bool build(Database& database, int transactions)
{
    QSqlDatabase& db = database.database();
    db.transaction();
    const QString now = QStringLiteral("2024-06-01T12:00:00Z");

    QSqlQuery account(db);
    account.prepare("INSERT INTO accounts (id, name, starting_balance, sort_order, created_at, updated_at) "
                    "VALUES (?, ?, ?, ?, ?, ?)");
    for (int a = 0; a < 10; ++a) {
        for (const QVariant& v : {QVariant(QStringLiteral("acct-%1").arg(a)), QVariant(QStringLiteral("Account %1").arg(a)),
                                  QVariant(qint64(a) * 100000), QVariant(a), QVariant(now), QVariant(now)})
            account.addBindValue(v);
        if (!exec(account))
            return false;
    }

    QSqlQuery category(db);
    category.prepare("INSERT INTO categories (id, name, parent_id, is_tax_relevant, created_at, updated_at) "
                     "VALUES (?, ?, ?, ?, ?, ?)");
    for (int c = 0; c < 100; ++c) {
        const QVariant parent = c < 20 ? QVariant(QMetaType::fromType<QString>()) : QVariant(QStringLiteral("cat-%1").arg(c % 20));
        for (const QVariant& v : {QVariant(QStringLiteral("cat-%1").arg(c)), QVariant(QStringLiteral("Category %1").arg(c)),
                                  parent, QVariant(c % 7 == 0 ? 1 : 0), QVariant(now), QVariant(now)})
            category.addBindValue(v);
        if (!exec(category))
            return false;
    }

    QSqlQuery txn(db);
    txn.prepare("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
                "cleared, is_split, transfer_link_id, transfer_dest_account_id, created_at, updated_at) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    QSqlQuery split(db);
    split.prepare("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
                  "VALUES (?, ?, ?, ?, ?, ?, ?)");
    const QDate first(2015, 1, 1);
    for (int t = 0; t < transactions; ++t) {
        const QString id = QStringLiteral("txn-%1").arg(t);
        const bool isSplit = t % 10 == 0;
        const qint64 amount = -qint64(100 + (t * 7919) % 50000);
        // Transactions 2 and 3 of every twenty are the legs of a transfer.
        const int other = t % 20 == 2 && t + 1 < transactions ? t + 1 : t % 20 == 3 ? t - 1 : -1;
        const QVariant none(QMetaType::fromType<QString>());
        for (const QVariant& v :
             {QVariant(id), QVariant(QStringLiteral("acct-%1").arg(t % 10)),
              QVariant(first.addDays(t / 30).toString(Qt::ISODate)), QVariant(QString::fromLatin1(kPayees[t % 10])),
              QVariant(t % 3 ? QString() : QStringLiteral("memo %1").arg(t)), QVariant(amount),
              isSplit ? QVariant(QMetaType::fromType<QString>()) : QVariant(QStringLiteral("cat-%1").arg(t % 100)),
              QVariant(t % 5 ? QString() : QString::number(1000 + t)), QVariant(t % 2), QVariant(isSplit ? 1 : 0),
              other < 0 ? none : QVariant(QStringLiteral("txn-%1").arg(other)),
              other < 0 ? none : QVariant(QStringLiteral("acct-%1").arg(other % 10)), QVariant(now), QVariant(now)})
            txn.addBindValue(v);
        if (!exec(txn))
            return false;
        if (!isSplit)
            continue;
        for (int s = 0; s < 3; ++s) {
            for (const QVariant& v : {QVariant(QStringLiteral("%1-s%2").arg(id).arg(s)), QVariant(id),
                                      QVariant(QStringLiteral("cat-%1").arg((t + s) % 100)),
                                      QVariant(s < 2 ? amount / 3 : amount - 2 * (amount / 3)), QVariant(QString()),
                                      QVariant(now), QVariant(now)})
                split.addBindValue(v);
            if (!exec(split))
                return false;
        }
    }

    QSqlQuery recurring(db);
    recurring.prepare("INSERT INTO recurring_transactions (id, account_id, payee, amount, category_id, start_date, "
                      "next_due_date, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)");
    for (int r = 0; r < 50; ++r) {
        for (const QVariant& v : {QVariant(QStringLiteral("rec-%1").arg(r)), QVariant(QStringLiteral("acct-%1").arg(r % 10)),
                                  QVariant(QString::fromLatin1(kPayees[r % 10])), QVariant(qint64(-1000 * r)),
                                  QVariant(QStringLiteral("cat-%1").arg(r)), QVariant("2024-01-01"),
                                  QVariant("2024-07-01"), QVariant(now), QVariant(now)})
            recurring.addBindValue(v);
        if (!exec(recurring))
            return false;
    }

    QSqlQuery recon(db);
    recon.prepare("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
                  "completed_at, created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?)");
    for (int r = 0; r < 20; ++r) {
        for (const QVariant& v : {QVariant(QStringLiteral("recon-%1").arg(r)), QVariant(QStringLiteral("acct-%1").arg(r % 10)),
                                  QVariant("2024-05-31"), QVariant(qint64(r) * 1000), QVariant(qint64(r) * 1000),
                                  QVariant(now), QVariant(now), QVariant(now)})
            recon.addBindValue(v);
        if (!exec(recon))
            return false;
    }
    return db.commit();
}

// What the sync repair makes of rows an earlier build stored: each row of
// the synced tables under a new id, every reference following it, each old
// id remembered.
bool renameAll(Database& database)
{
    QSqlDatabase& db = database.database();
    QSqlQuery q(db);
    const auto run = [&q](const QString& sql) {
        q.prepare(sql);
        return exec(q);
    };
    if (!run(QStringLiteral("PRAGMA foreign_keys = OFF")) || !db.transaction())
        return false;
    for (const char* table : {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"}) {
        if (!run(QStringLiteral("INSERT INTO preferences (key, value) SELECT '%1' || id, 'new-' || id FROM %2")
                     .arg(RenamedIds::preferenceKey(QString()), QLatin1String(table))))
            return false;
    }
    for (const char* sql :
         {"UPDATE accounts SET id = 'new-' || id",
          "UPDATE categories SET id = 'new-' || id, parent_id = 'new-' || parent_id",
          "UPDATE transactions SET id = 'new-' || id, account_id = 'new-' || account_id, "
          "category_id = 'new-' || category_id, transfer_link_id = 'new-' || transfer_link_id, "
          "transfer_dest_account_id = 'new-' || transfer_dest_account_id",
          "UPDATE split_lines SET transaction_id = 'new-' || transaction_id, category_id = 'new-' || category_id",
          "UPDATE recurring_transactions SET id = 'new-' || id, account_id = 'new-' || account_id, "
          "category_id = 'new-' || category_id",
          "UPDATE reconciliations SET id = 'new-' || id, account_id = 'new-' || account_id"}) {
        if (!run(QString::fromLatin1(sql)))
            return false;
    }
    return db.commit() && run(QStringLiteral("PRAGMA foreign_keys = ON"));
}

// A new database at `path`, migrated; null when that fails.
std::unique_ptr<Database> openDatabase(const QString& path)
{
    auto db = std::make_unique<Database>();
    if (!db->open(path) || !db->migrate())
        return nullptr;
    return db;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int transactions = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    QTemporaryDir dir;

    QByteArray archive;
    QString error;
    double exportMs = 0;
    {
        auto source = openDatabase(dir.filePath("source.db"));
        if (!source || !build(*source, transactions))
            return 1;
        BackupService service(source.get());
        QElapsedTimer timer;
        timer.start();
        archive = service.exportBackup(&error);
        exportMs = double(timer.nsecsElapsed()) / 1e6;
    }
    const double exportPeakMb = Bench::peakMegabytes();
    std::printf("transactions                 %9d\n", transactions);
    if (archive.isEmpty()) {
        std::printf("export failed after          %9.1f ms: %s\n", exportMs, qPrintable(error));
        return 1;
    }

    auto target = openDatabase(dir.filePath("target.db"));
    if (!target)
        return 1;
    const QString floorDb = dir.filePath(QStringLiteral("floor.db"));
    QSqlQuery copy(target->database());
    if (!copy.exec(QStringLiteral("VACUUM INTO '%1'").arg(floorDb)))
        return 1;
    copy.finish();
    QByteArray settings;
    {
        // The restore's own settings, its bulk page cache among them.
        const BulkWriteScope bulk(target.get());
        settings = Bench::writeSettings(target->database());
    }
    BackupService service(target.get());
    const Bench::CommitCounter commits(target->database());
    QElapsedTimer timer;
    timer.start();
    const BackupImportResult r = service.importBackup(archive, BackupImportMode::ReplaceAll);
    const double restoreMs = double(timer.nsecsElapsed()) / 1e6;
    // The log's copy into the file follows on its own thread.
    const double restoreLogMs = Bench::finishLog(*target);
    const double restorePeakMb = Bench::peakMegabytes();

    const int imported = r.accountsImported + r.categoriesImported + r.transactionsImported + r.splitLinesImported
        + r.recurringImported + r.reconciliationsImported;
    std::printf("archive size                 %9.1f MB\n", double(archive.size()) / (1024 * 1024));
    std::printf("export                       %9.1f ms  (target < 5000 at 100,000)\n", exportMs);
    std::printf("restore into empty database  %9.1f ms  (target < 10000 at 100,000)  rows %d, errors %lld\n", restoreMs,
                imported, static_cast<long long>(r.errors.size()));
    // The restore writes in one transaction: so does the floor.
    Bench::FloorCommit all;
    for (const char* table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                              "reconciliations"})
        all.rows.append({QByteArray(table), "1"});
    const Bench::FloorTimes floor =
        Bench::writeFloor(floorDb, dir.filePath(QStringLiteral("target.db")), settings, {all});
    Bench::printFloor(floor, restoreMs, restoreLogMs, commits.count(), 1, "at most 1.3x");

    if (!renameAll(*target))
        return 1;
    timer.restart();
    const BackupImportResult again = service.importBackup(archive, BackupImportMode::SkipExisting);
    const double againMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("restore over renamed rows    %9.1f ms  (skip existing, %lld ids renamed)  rows skipped %d, written %d, "
                "errors %lld\n",
                againMs, static_cast<long long>(RenamedIds::load(target->database()).size()), again.skipped(),
                again.imported(), static_cast<long long>(again.errors.size()));
    // Every row synced, at version 1: "Replace all" overwrites each one as a
    // local change, keeping its server id and raising its version.
    const auto count = [&target](const char* what) {
        QStringList parts;
        for (const char* table :
             {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"})
            parts.append(QStringLiteral("(SELECT %1 FROM %2)").arg(QLatin1String(what), QLatin1String(table)));
        QSqlQuery q(target->database());
        q.exec(QStringLiteral("SELECT ") + parts.join(QLatin1String(" + ")));
        return q.next() ? q.value(0).toLongLong() : -1;
    };
    const auto serverIds = [&count] { return count("COUNT(server_id)"); };
    for (const char* table : {"accounts", "categories", "transactions", "recurring_transactions", "reconciliations"})
        QSqlQuery(target->database())
            .exec(QStringLiteral("UPDATE %1 SET server_id = 'srv-' || id, sync_status = 'synced', version = 1")
                      .arg(table));
    const qint64 known = serverIds();
    timer.restart();
    const BackupImportResult over = service.importBackup(archive, BackupImportMode::ReplaceAll);
    const double overMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("replace all over stored rows %9.1f ms  rows written %d, server ids kept %lld of %lld, versions raised "
                "%lld, errors %lld\n",
                overMs, over.imported(), static_cast<long long>(serverIds()), static_cast<long long>(known),
                static_cast<long long>(count("COUNT(*) FILTER (WHERE version = 2)")),
                static_cast<long long>(over.errors.size()));
    QSqlQuery older(target->database());
    older.exec("UPDATE transactions SET updated_at = CASE WHEN transfer_link_id <> '' AND id > transfer_link_id "
               "THEN '2025-01-01T00:00:00Z' ELSE '2024-01-01T00:00:00Z' END");
    timer.restart();
    const BackupImportResult newer = service.importBackup(archive, BackupImportMode::KeepNewer);
    const double newerMs = double(timer.nsecsElapsed()) / 1e6;
    // Transfers of which one leg took the archive's row and the other did not.
    older.exec("SELECT COUNT(*) FROM transactions t JOIN transactions o ON o.id = t.transfer_link_id "
               "WHERE (t.updated_at = '2024-06-01T12:00:00Z') <> (o.updated_at = '2024-06-01T12:00:00Z')");
    std::printf("keep newer over older rows   %9.1f ms  transactions written %d, skipped %d, transfer legs split "
                "%lld, errors %lld\n",
                newerMs, newer.transactionsImported, newer.transactionsSkipped,
                older.next() ? older.value(0).toLongLong() : -1LL, static_cast<long long>(newer.errors.size()));
    std::printf("load average %s\n", Bench::loadAverage().constData());
    std::printf("peak memory after export     %9.1f MB\n", exportPeakMb);
    std::printf("peak memory after restore    %9.1f MB  (target < 400)\n", restorePeakMb);
    return r.errors.isEmpty() && again.errors.isEmpty() && again.imported() == 0 ? 0 : 1;
}
