#include "coretestsupport.h"

#include "data/database.h"
#include "services/backupservice.h"
#include "services/ziparchive.h"

#include <QJsonDocument>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>

#include <algorithm>
#include <functional>

using Entries = QList<QPair<QString, QByteArray>>;
using Dump = QMap<QString, QStringList>;

namespace {

const QByteArray kManifest = R"({"version": 1})";
const char* const kTables[] = {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                               "reconciliations"};

// All six tables, with what a restore must keep apart: NULL and '' texts, a
// soft-deleted row, an amount beyond double precision, synced rows with a
// server id, a child category, split lines, and every kind of reference (a
// transfer pair, a posting of the schedule).
void fill()
{
    using TestSupport::exec;
    const QString ts = QStringLiteral("'2024-02-01T00:00:00Z'");
    exec("INSERT INTO accounts (id, name, institution, account_number_last4, version, sync_status, server_id, "
         "created_at, updated_at, deleted_at) VALUES ('a1', 'Checking', NULL, '', 4, 'synced', 'srv-a1', "
         + ts + ", " + ts + ", NULL), ('a2', 'Old', '', NULL, 1, 'pending', NULL, " + ts + ", " + ts + ", " + ts + ")");
    exec("INSERT INTO categories (id, name, parent_id, icon, account_id, sync_status, server_id, created_at, "
         "updated_at) VALUES ('c1', 'Food', NULL, '', 'a1', 'conflict', 'srv-c1', " + ts + ", " + ts + "), "
         "('c2', 'Groceries', 'c1', NULL, NULL, 'synced', 'srv-c2', " + ts + ", " + ts + ")");
    exec("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, is_split, "
         "transfer_link_id, transfer_dest_account_id, recurring_id, version, created_at, updated_at, deleted_at) VALUES "
         "('t1', 'a1', '2024-03-01', 'Market', NULL, 9007199254740993, 'c2', '', 0, 't2', 'a2', 'r1', 2, " + ts + ", "
         + ts + ", NULL), "
         "('t2', 'a2', '2024-03-02', 'Shop', '', -2500, NULL, NULL, 1, 't1', 'a1', NULL, 1, " + ts + ", " + ts + ", "
         + ts + ")");
    exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) VALUES "
         "('s1', 't2', 'c1', -1000, NULL, " + ts + ", " + ts + "), ('s2', 't2', 'c2', -1500, '', " + ts + ", " + ts + ")");
    exec("INSERT INTO recurring_transactions (id, account_id, payee, amount, category_id, transfer_dest_account_id, "
         "start_date, end_date, next_due_date, lead_days, sync_status, created_at, updated_at) VALUES ('r1', 'a1', "
         "'Rent', -90000, 'c1', 'a2', '2024-01-01', NULL, '2024-04-01', 3, 'synced', " + ts + ", " + ts + ")");
    exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
         "completed_at, created_at, updated_at) VALUES ('rc1', 'a1', '2024-02-29', 10, 10, " + ts + ", " + ts + ", "
         + ts + ")");
}

// What the sync repair leaves of fill()'s rows: each synced row under a new
// id that every value naming it follows, each old id remembered.
void renameAll()
{
    using TestSupport::exec;
    exec("INSERT INTO preferences SELECT 'syncRenamedId_' || id, 'new-' || id FROM (SELECT id FROM accounts UNION "
         "SELECT id FROM categories UNION SELECT id FROM transactions UNION SELECT id FROM recurring_transactions "
         "UNION SELECT id FROM reconciliations)");
    exec("PRAGMA foreign_keys = OFF");
    for (const char* table : kTables) {
        const QSqlRecord columns = QSqlDatabase::database().record(table);
        for (int i = 0; i < columns.count(); ++i)
            exec(QStringLiteral("UPDATE %1 SET %2 = 'new-' || %2 WHERE 'syncRenamedId_' || %2 IN "
                                "(SELECT key FROM preferences)").arg(table, columns.fieldName(i)));
    }
    exec("PRAGMA foreign_keys = ON");
}

// Every row as text that tells NULL from '' and numbers from texts;
// resetSync shows the synced tables as a restore leaves them: inserted, or
// overwritten (keeping their server ids, as inserted rows that have one).
Dump dumpAll(bool resetSync = false, bool overwritten = false)
{
    Dump all;
    for (const char* table : kTables) {
        const bool synced = resetSync && QByteArray(table) != "split_lines";
        QSqlQuery q(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
        while (q.next()) {
            QStringList cells;
            const bool kept = overwritten || (synced && !q.value("server_id").toString().isEmpty());
            for (int i = 0; i < q.record().count(); ++i) {
                const QString name = q.record().fieldName(i);
                QString cell = q.isNull(i) ? "NULL" : QStringLiteral("%1:%2").arg(q.value(i).typeName(), q.value(i).toString());
                if (synced && name == "version") // overwritten: a local change of the stored row
                    cell = QStringLiteral("qlonglong:%1")
                               .arg(overwritten ? q.value(i).toLongLong() + (q.value("sync_status") != "pending")
                                                : kept ? q.value(i).toLongLong() : 1);
                else if (synced && name == "sync_status")
                    cell = "QString:pending";
                else if (synced && name == "server_id" && !kept)
                    cell = "NULL";
                cells << name + '=' + cell;
            }
            all[table] << cells.join(' ');
        }
    }
    return all;
}

// A name ending in ".jso~" is renamed to ".json" once written: two entries
// of one name, which libzip will not write.
QByteArray zipOf(const Entries& entries, bool compress = false)
{
    ZipArchive::Writer zip(compress);
    for (const auto& e : entries)
        zip.add(e.first, e.second);
    return zip.finish().replace(".jso~", ".json");
}

// Overwrites a 32-bit field of the first central directory header, or of
// every one.
QByteArray patched(QByteArray zip, int offset, quint32 value, bool every = false)
{
    for (qsizetype at = zip.indexOf(QByteArray("PK\x01\x02", 4)); at >= 0;
         at = every ? zip.indexOf(QByteArray("PK\x01\x02", 4), at + 1) : -1) {
        for (int i = 0; i < 4; ++i)
            zip[at + offset + i] = char((value >> (8 * i)) & 0xff);
    }
    return zip;
}

QByteArray account(const QString& id, const QString& extraKey = QString(), double extraValue = 1)
{
    QJsonObject o{{"id", id}, {"name", id}, {"created_at", ""}, {"updated_at", ""}};
    if (!extraKey.isEmpty())
        o.insert(extraKey, extraValue);
    return QJsonDocument(o).toJson();
}

// Percentages told from 0 up to 100, each once, in several steps.
bool climbsToFull(const QList<int>& told)
{
    return told.size() > 2 && told.first() == 0 && told.last() == 100
        && std::adjacent_find(told.cbegin(), told.cend(), std::greater_equal<int>()) == told.cend();
}

void addModes()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::newRow("skip existing") << BackupImportMode::SkipExisting;
    QTest::newRow("replace all") << BackupImportMode::ReplaceAll;
    QTest::newRow("keep newer") << BackupImportMode::KeepNewer;
}

} // namespace

class BackupServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesRowsAndManifest()
    {
        TestSupport::TempDatabase db;
        BackupService service(db.db());
        QCOMPARE(ZipArchive::Reader(service.exportBackup()).count(), 1);
        fill();
        ZipArchive::Reader zip(service.exportBackup());
        QStringList paths;
        for (int i = 0; i < zip.count(); ++i)
            paths << zip.path(i);
        QCOMPARE(paths, QStringList({"accounts/a1.json", "accounts/a2.json", "categories/c1.json", "categories/c2.json",
                                     "transactions/t1.json", "transactions/t2.json", "split_lines/s1.json",
                                     "split_lines/s2.json", "recurring/r1.json", "reconciliations/rc1.json",
                                     "manifest.json"}));
        QByteArray data;
        zip.read(zip.indexOf("manifest.json"), 1 << 20, &data);
        QJsonObject manifest = QJsonDocument::fromJson(data).object();
        QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$").match(manifest.take("exportedAt").toString()).hasMatch());
        QCOMPARE(manifest, QJsonObject({{"version", 1}, {"accountCount", 2}, {"categoryCount", 2}, {"transactionCount", 2},
                                        {"splitLineCount", 2}, {"recurringCount", 1}, {"reconciliationCount", 1}}));
        zip.read(zip.indexOf("transactions/t1.json"), 1 << 20, &data);
        const QJsonObject t1 = QJsonDocument::fromJson(data).object();
        QVERIFY(t1.value("memo").isNull());
        QCOMPARE(t1.value("check_number"), QJsonValue(""));
        QCOMPARE(t1.value("amount").toInteger(), Q_INT64_C(9007199254740993));
    }

    // A temporary view stands in for the table: json() of a bad text fails
    // the statement once the row carrying it is reached.
    void exportFailsWhenATableCannotBeRead_data()
    {
        QTest::addColumn<QString>("view");
        QTest::newRow("at the start") << "SELECT * FROM main.reconciliations WHERE json('x')";
        QTest::newRow("part-way") << "SELECT *, json(CASE WHEN id = 'rc2' THEN 'x' ELSE '{}' END) FROM "
                                     "main.reconciliations";
    }
    void exportFailsWhenATableCannotBeRead()
    {
        QFETCH(QString, view);
        TestSupport::TempDatabase db;
        fill();
        TestSupport::exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                          "reconciled_balance, completed_at, created_at, updated_at) VALUES ('rc2', 'a1', "
                          "'2024-03-31', 10, 10, '', '', '')");
        TestSupport::exec("CREATE TEMP VIEW reconciliations AS " + view);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^BackupService export query failed: .*malformed JSON"));
        QString error;
        QVERIFY(BackupService(db.db()).exportBackup(&error).isEmpty());
        QCOMPARE(error, QStringLiteral("The backup could not read the table reconciliations: malformed JSON"));
    }

    void roundTripIntoEmptyDatabase_data() { addModes(); }
    void roundTripIntoEmptyDatabase()
    {
        QFETCH(BackupImportMode, mode);
        QByteArray archive;
        Dump expected;
        QList<int> told; // progress
        {
            TestSupport::TempDatabase source;
            fill();
            archive = BackupService(source.db()).exportBackup(nullptr, [&told](int p) { told.append(p); });
            expected = dumpAll(true);
        }
        QVERIFY(climbsToFull(told));
        told.clear();
        TestSupport::TempDatabase target;
        const BackupImportResult r =
            BackupService(target.db()).importBackup(archive, mode, [&told](int p) { told.append(p); });
        QVERIFY(climbsToFull(told));
        QCOMPARE(r.errors, QStringList());
        QCOMPARE(QList<int>({r.accountsImported, r.categoriesImported, r.transactionsImported, r.splitLinesImported,
                             r.recurringImported, r.reconciliationsImported}),
                 QList<int>({2, 2, 2, 2, 1, 1}));
        QCOMPARE(r.skipped(), 0);
        QCOMPARE(dumpAll(), expected);
        QCOMPARE(TestSupport::scalar("SELECT value FROM preferences WHERE key = 'syncIdsRepush'"), "1"); // sync pulls first
        QCOMPARE(TestSupport::scalar("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH 'market'").toInt(), 1);
        QCOMPARE(TestSupport::scalar("PRAGMA temp_store").toInt(), 2); // the connection's MEMORY, unchanged
    }

    // Renamed by the sync repair since the backup, its rows restore as if not.
    void restoreIntoSource_data()
    {
        QTest::addColumn<BackupImportMode>("mode");
        QTest::addColumn<bool>("renamed");
        QTest::newRow("skip existing") << BackupImportMode::SkipExisting << false;
        QTest::newRow("replace all") << BackupImportMode::ReplaceAll << false;
        QTest::newRow("keep newer") << BackupImportMode::KeepNewer << false;
        QTest::newRow("renamed, skip existing") << BackupImportMode::SkipExisting << true;
        QTest::newRow("renamed, replace all") << BackupImportMode::ReplaceAll << true;
        QTest::newRow("renamed, keep newer") << BackupImportMode::KeepNewer << true;
    }
    void restoreIntoSource()
    {
        QFETCH(BackupImportMode, mode);
        QFETCH(bool, renamed);
        TestSupport::TempDatabase db;
        fill();
        BackupService service(db.db());
        const QByteArray archive = service.exportBackup();
        if (renamed)
            renameAll();
        TestSupport::exec("UPDATE accounts SET server_id = 'srv-a2' WHERE id LIKE '%a2'"); // pushed since
        const Dump before = dumpAll();
        const Dump reset = dumpAll(true, true);
        TestSupport::exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a3', 'Kept', '', '')");

        const BackupImportResult r = service.importBackup(archive, mode);
        const int overwritten = mode == BackupImportMode::ReplaceAll ? 10 : 0; // keep newer: all timestamps equal
        QCOMPARE(r.errors, QStringList());
        QCOMPARE(r.imported(), overwritten);
        QCOMPARE(r.skipped(), 10 - overwritten);
        QVERIFY(!r.failed()); // rows already there are no failure
        QCOMPARE(TestSupport::scalar("SELECT name FROM accounts WHERE id = 'a3'").toString(), QStringLiteral("Kept"));
        TestSupport::exec("DELETE FROM accounts WHERE id = 'a3'");
        QCOMPARE(dumpAll(), overwritten ? reset : before);
        // The full-text index matches the rows, overwritten ones included.
        TestSupport::exec("INSERT INTO transactions_fts(transactions_fts, rank) VALUES ('integrity-check', 1)");
    }

    void keepNewerComparesTimestamps_data()
    {
        QTest::addColumn<QJsonValue>("archiveUpdatedAt");
        QTest::addColumn<bool>("overwrites");
        QTest::newRow("equal") << QJsonValue("2024-02-01T00:00:00Z") << false;
        QTest::newRow("older") << QJsonValue("2024-01-31T23:59:59Z") << false;
        QTest::newRow("later by a second") << QJsonValue("2024-02-01T00:00:01Z") << true;
        QTest::newRow("empty") << QJsonValue("") << true;
        QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << true;
    }
    void keepNewerComparesTimestamps()
    {
        QFETCH(QJsonValue, archiveUpdatedAt);
        QFETCH(bool, overwrites);
        TestSupport::TempDatabase db;
        fill();
        QJsonObject row{{"id", "a1"}, {"name", "From backup"}};
        if (!archiveUpdatedAt.isUndefined())
            row.insert("updated_at", archiveUpdatedAt);
        TestSupport::exec("UPDATE transactions SET updated_at = '2024-03-01T00:00:00Z' WHERE id = 't2'"); // a transfer leg
        const auto leg = [&row](const char* id) { return QJsonDocument(row).toJson().replace("a1", id).replace("name", "payee"); };
        const BackupImportResult r = BackupService(db.db()).importBackup(
            zipOf({{"accounts/a1.json", QJsonDocument(row).toJson()}, {"transactions/t1.json", leg("t1")},
                   {"transactions/t2.json", leg("t2")}, {"manifest.json", kManifest}}),
            BackupImportMode::KeepNewer);
        QCOMPARE(r.accountsImported, overwrites ? 1 : 0);
        QCOMPARE(r.accountsSkipped, overwrites ? 0 : 1);
        QCOMPARE(TestSupport::scalar("SELECT name FROM accounts WHERE id = 'a1'").toString(),
                 overwrites ? QStringLiteral("From backup") : QStringLiteral("Checking"));
        QCOMPARE(TestSupport::scalar("SELECT server_id FROM accounts WHERE id = 'a1'").toString(), "srv-a1");
        QCOMPARE(TestSupport::scalar("SELECT group_concat(payee) FROM (SELECT payee FROM transactions ORDER BY id)"),
                 archiveUpdatedAt.toString().isEmpty() ? "From backup,From backup" : "Market,Shop"); // both or neither
    }

    // The archive holds t2 with the lines s1 and s2; the database has since
    // replaced them with s3. The lines follow whichever t2 the restore keeps.
    void splitLinesFollowTheirTransaction_data()
    {
        QTest::addColumn<BackupImportMode>("mode");
        QTest::addColumn<QString>("storedUpdatedAt");
        QTest::addColumn<QString>("lines");
        QTest::newRow("replace all") << BackupImportMode::ReplaceAll << "2024-03-01T00:00:00Z" << "s1,s2";
        QTest::newRow("keep newer, archive newer") << BackupImportMode::KeepNewer << "2024-01-01T00:00:00Z" << "s1,s2";
        QTest::newRow("keep newer, stored newer") << BackupImportMode::KeepNewer << "2024-03-01T00:00:00Z" << "s3";
        QTest::newRow("skip existing") << BackupImportMode::SkipExisting << "2024-01-01T00:00:00Z" << "s3";
    }
    void splitLinesFollowTheirTransaction()
    {
        QFETCH(BackupImportMode, mode);
        QFETCH(QString, storedUpdatedAt);
        QFETCH(QString, lines);
        TestSupport::TempDatabase db;
        fill();
        BackupService service(db.db());
        const QByteArray archive = service.exportBackup();
        TestSupport::exec("DELETE FROM split_lines WHERE transaction_id = 't2'");
        TestSupport::exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                          "VALUES ('s3', 't2', 'c1', -2500, '2024-03-01T00:00:00Z', '2024-03-01T00:00:00Z')");
        TestSupport::exec("UPDATE transactions SET updated_at = '" + storedUpdatedAt + "'"); // both legs of t1/t2

        QCOMPARE(service.importBackup(archive, mode).errors, QStringList());
        QCOMPARE(TestSupport::scalar("SELECT group_concat(id) FROM (SELECT id FROM split_lines "
                                     "WHERE transaction_id = 't2' ORDER BY id)").toString(), lines);
    }

    // Archives refused as a whole, or whose only row is unreadable: nothing changes.
    void refusedArchives_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<QString>("error");
        QTest::addColumn<QString>("warning");
        const QByteArray row = account("new");
        const QString missing = "Invalid backup: missing manifest.json";
        const QString damaged = "accounts/new.json: damaged entry";
        const QByteArray good = zipOf({{"accounts/new.json", row}, {"manifest.json", kManifest}});
        auto withManifest = [&](const QByteArray& manifest) {
            return zipOf({{"accounts/new.json", row}, {"manifest.json", manifest}});
        };
        const QString none;
        const QString notZip = "Failed to open ZIP archive";
        QTest::newRow("garbage") << QByteArray("this is not a zip file at all") << notZip << none;
        QTest::newRow("empty") << QByteArray() << notZip << none;
        QTest::newRow("cut off") << good.left(good.size() / 2) << notZip << none;
        QTest::newRow("no manifest") << zipOf({{"accounts/new.json", row}}) << missing << none;
        QTest::newRow("empty manifest") << withManifest("") << missing << none;
        QTest::newRow("version 2") << withManifest(R"({"version": 2})") << "Unsupported backup version: 2" << none;
        QTest::newRow("manifest not JSON") << withManifest("version=1") << "Unsupported backup version: 0" << none;
        QTest::newRow("version absurd") << withManifest(R"({"version": 1e300})") << "Unsupported backup version: 0"
                                        << none;
        QTest::newRow("row outside the data") << patched(good, 42, 0x7fffffff) << damaged << none;
        // libzip would read the stream up to its end and never notice.
        QTest::newRow("row compressed size past the end")
            << patched(zipOf({{"accounts/new.json", row}, {"manifest.json", kManifest}}, true), 20, 0x7fff0000)
            << damaged << none;
        QTest::newRow("row checksum") << patched(good, 16, 0x12345678) << damaged << none;
        QTest::newRow("manifest too large")
            << zipOf({{"manifest.json", QByteArray(BackupService::kMaxEntrySize + 1, ' ')}}, true)
            << "Invalid backup: manifest.json is too large" << none;
        // Claims 14 bytes, inflates to 16 MB: refused once read.
        QTest::newRow("manifest understating its size")
            << patched(zipOf({{"manifest.json", kManifest + QByteArray(16 << 20, ' ')}}, true), 24, kManifest.size())
            << "Invalid backup: manifest.json is damaged" << none;
        QTest::newRow("manifest compressed size out of range")
            << patched(zipOf({{"manifest.json", kManifest}}, true), 20, 0x80000001u)
            << "Invalid backup: manifest.json is damaged" << none;
        // 300 entries claiming 4,000,000 bytes each: refused before any is read.
        Entries many{{"manifest.json", kManifest}};
        for (int i = 0; i < 300; ++i)
            many.append({QStringLiteral("accounts/n%1.json").arg(i), account(QStringLiteral("n%1").arg(i))});
        QTest::newRow("entries too large together") << patched(zipOf(many), 24, 4000000, true)
                                                    << "Invalid backup: its entries hold more than 1024 MB" << none;
    }
    void refusedArchives()
    {
        QFETCH(QByteArray, archive);
        QFETCH(QString, error);
        QFETCH(QString, warning);
        TestSupport::TempDatabase db;
        fill();
        const Dump before = dumpAll();
        if (warning.isEmpty())
            QTest::failOnWarning(QRegularExpression(".*"));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        const BackupImportResult r = BackupService(db.db()).importBackup(archive, BackupImportMode::ReplaceAll);
        QCOMPARE(r.errors, QStringList(error));
        QCOMPARE(r.imported(), 0);
        QVERIFY(r.failed());
        QCOMPARE(dumpAll(), before);
    }

    // A database that refuses every row restores nothing: a failure with the
    // database's reason, not a restore of 0 rows with every row "skipped".
    void refusingDatabaseFails()
    {
        QByteArray archive;
        {
            TestSupport::TempDatabase source;
            fill();
            archive = BackupService(source.db()).exportBackup();
        }
        TestSupport::TempDatabase db;
        TestSupport::exec("PRAGMA query_only = ON");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("upsertRow failed"));
        const BackupImportResult r = BackupService(db.db()).importBackup(archive, BackupImportMode::ReplaceAll);
        TestSupport::exec("PRAGMA query_only = OFF");
        QCOMPARE(r.imported(), 0);
        QVERIFY(r.failed());
        QVERIFY2(r.errors.value(0).startsWith("accounts: 2 row(s) could not be written: "), qPrintable(r.errors.join('|')));
        QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM accounts").toInt(), 0);
        // Nor one whose renamed ids cannot be read: they would come back twice.
        TestSupport::exec("DROP TABLE preferences");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("importBackup failed"));
        QCOMPARE(BackupService(db.db()).importBackup(archive, BackupImportMode::ReplaceAll).errors,
                 QStringList("The restore stopped and changed nothing: the ids that sync renamed could not be read"));
    }

    // Bad rows beside one good row: the good one is restored, nothing else changes.
    void badEntries_data()
    {
        QTest::addColumn<Entries>("entries");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<QString>("warning");
        QTest::newRow("not JSON, array") << Entries{{"accounts/bad.json", "{oops"}, {"accounts/x.json", "[1]"}}
                                         << QStringList({"accounts/bad.json: invalid JSON", "accounts/x.json: invalid JSON"})
                                         << 0 << QString();
        QTest::newRow("other names ignored") << Entries{{"accounts/x.txt", account("x")}, {"notes/x.json", account("x")},
                                                        {"accounts/", ""}, {"../accounts/x.json", account("x")}}
                                             << QStringList() << 0 << QString();
        // Which of two entries of one name holds the row would be a guess.
        QTest::newRow("name shared") << Entries{{"accounts/d.json", account("d")}, {"accounts/d.jso~", account("e")}}
                                     << QStringList({"accounts/d.json: damaged entry", "accounts/d.json: damaged entry"})
                                     << 0 << QString();
        QTest::newRow("unknown column") << Entries{{"accounts/u.json", account("u", "nickname")}} << QStringList() << 1
                                        << QString();
        QTest::newRow("injection-style key")
            << Entries{{"accounts/i.json", account("i", "name\") VALUES ('x'); DROP TABLE transactions; --")}}
            << QStringList() << 1 << QString();
        QTest::newRow("id missing, numeric; nested value")
            << Entries{{"accounts/n.json", R"({"name": "n", "created_at": "", "updated_at": ""})"},
                       {"accounts/m.json", R"({"id": 7, "name": "m", "created_at": "", "updated_at": ""})"},
                       {"accounts/v.json", R"({"id": "v", "name": ["x"], "created_at": "", "updated_at": ""})"}}
            << QStringList() << 3 << QString();
        QTest::newRow("fraction, out of range") << Entries{{"accounts/f.json", account("f", "starting_balance", 0.5)},
                                                           {"accounts/h.json", account("h", "starting_balance", 1e300)}}
                                                << QStringList() << 2 << QString();
        QTest::newRow("too large") << Entries{{"accounts/big.json", QByteArray(BackupService::kMaxEntrySize + 1, ' ')}}
                                   << QStringList("accounts/big.json: entry too large") << 0 << QString();
        QTest::newRow("refused by the database") << Entries{{"accounts/nn.json", R"({"id": "nn", "created_at": "", "updated_at": ""})"}}
                                                 << QStringList("accounts: 1 row(s) could not be written: NOT NULL "
                                                                "constraint failed: accounts.name Unable to fetch row")
                                                 << 1 << "^BackupService::upsertRow failed: accounts/nn.json .*NOT NULL";
    }
    void badEntries()
    {
        QFETCH(Entries, entries);
        QFETCH(QStringList, errors);
        QFETCH(int, skipped);
        QFETCH(QString, warning);
        TestSupport::TempDatabase db;
        fill();
        const Dump before = dumpAll();
        entries << qMakePair(QStringLiteral("accounts/ok.json"), account("ok"))
                << qMakePair(QStringLiteral("manifest.json"), kManifest);
        // No warning unless expected: a row refused by its keys never reaches SQL.
        if (warning.isEmpty())
            QTest::failOnWarning(QRegularExpression(".*"));
        else
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        const BackupImportResult r = BackupService(db.db()).importBackup(zipOf(entries, true), BackupImportMode::ReplaceAll);
        QCOMPARE(r.errors, errors);
        QCOMPARE(r.accountsImported, 1);
        QCOMPARE(r.accountsSkipped, skipped);
        TestSupport::exec("DELETE FROM accounts WHERE id = 'ok'");
        QCOMPARE(dumpAll(), before);
    }

    void childCategoryBeforeItsParent()
    {
        TestSupport::TempDatabase db;
        const QByteArray archive = zipOf({
            {"categories/g.json", R"({"id": "g", "name": "G", "parent_id": "c", "created_at": "", "updated_at": ""})"},
            {"categories/c.json", R"({"id": "c", "name": "C", "parent_id": "p", "created_at": "", "updated_at": ""})"},
            {"categories/p.json", R"({"id": "p", "name": "P", "created_at": "", "updated_at": ""})"},
            {"transactions/t.json", R"({"id": "t", "account_id": "a", "date": "2024-01-01", "payee": "P", "amount": 5,
                                        "category_id": "g", "created_at": "", "updated_at": ""})"},
            {"accounts/a.json", account("a")},
            {"manifest.json", kManifest},
        });
        const BackupImportResult r = BackupService(db.db()).importBackup(archive, BackupImportMode::SkipExisting);
        QCOMPARE(r.errors, QStringList());
        QCOMPARE(r.imported(), 5);
        QCOMPARE(TestSupport::scalar("SELECT category_id FROM transactions WHERE id = 't'").toString(), QStringLiteral("g"));
    }

    void garbageNeverCrashes()
    {
        QByteArray valid;
        {
            TestSupport::TempDatabase source;
            fill();
            valid = BackupService(source.db()).exportBackup();
        }
        TestSupport::TempDatabase db;
        BackupService service(db.db());
        QRandomGenerator random(17);
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes = valid;
            if (round % 3 == 0) {
                bytes = QByteArray(int(random.bounded(2000)), Qt::Uninitialized);
                for (char& c : bytes)
                    c = char(random.bounded(256));
            } else {
                for (int i = 0; i <= round % 8; ++i)
                    bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
                if (round % 3 == 2)
                    bytes.truncate(random.bounded(int(bytes.size())));
            }
            service.importBackup(bytes, BackupImportMode(round % 3));
        }
        qInstallMessageHandler(previous);
        // A damaged row never lands under another id.
        QVERIFY(TestSupport::scalar("SELECT count(*) FROM accounts WHERE id NOT IN ('a1', 'a2')").toInt() == 0);
    }

    // More entries than a 16-bit count holds: the manifest, the last of
    // them, still reads back.
    void exportHoldsMoreEntriesThanSixteenBitsCount()
    {
        const int rows = 65536;
        TestSupport::TempDatabase db;
        TestSupport::exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < %1) "
                                         "INSERT INTO accounts (id, name, created_at, updated_at) "
                                         "SELECT 'a' || i, '', '', '' FROM n")
                              .arg(rows));
        QString error = "stale";
        const ZipArchive::Reader zip(BackupService(db.db()).exportBackup(&error));
        QCOMPARE(error, QString());
        QCOMPARE(zip.count(), rows + 1);
        QByteArray data;
        QVERIFY(zip.read(zip.indexOf("manifest.json"), 1 << 20, &data) == ZipArchive::Reader::ReadStatus::Ok);
        QCOMPARE(QJsonDocument::fromJson(data).object().value("accountCount").toInt(), rows);
    }

    // Info-ZIP's tools read an exported archive, and an archive they build
    // from its files restores to the same rows.
    void peerToolsShareTheFormat()
    {
        const QString zipTool = QStandardPaths::findExecutable("zip");
        const QString unzipTool = QStandardPaths::findExecutable("unzip");
        if (zipTool.isEmpty() || unzipTool.isEmpty())
            QSKIP("Info-ZIP's zip and unzip are not installed");
        QTemporaryDir dir;
        Dump expected;
        {
            TestSupport::TempDatabase source;
            fill();
            QFile file(dir.filePath("backup.zip"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(BackupService(source.db()).exportBackup());
            expected = dumpAll(true);
        }
        auto run = [](const QString& workingDirectory, const QString& program, const QStringList& arguments) {
            QProcess process;
            process.setWorkingDirectory(workingDirectory);
            process.start(program, arguments);
            return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit
                && process.exitCode() == 0;
        };
        QVERIFY(run(dir.path(), unzipTool, {"-tq", "backup.zip"}));
        QVERIFY(run(dir.path(), unzipTool, {"-q", "backup.zip", "-d", "files"}));
        QVERIFY(run(dir.filePath("files"), zipTool, {"-qr", "../peer.zip", "."}));

        QFile peer(dir.filePath("peer.zip"));
        QVERIFY(peer.open(QIODevice::ReadOnly));
        TestSupport::TempDatabase target;
        const BackupImportResult r = BackupService(target.db()).importBackup(peer.readAll(), BackupImportMode::ReplaceAll);
        QCOMPARE(r.errors, QStringList());
        QCOMPARE(r.imported(), 10);
        QCOMPARE(dumpAll(), expected);
    }

    // Archives the earlier writer made, stored (as exports were) and deflated.
    void earlierArchivesRestore_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("stored") << "qzipwriter-stored.zip";
        QTest::newRow("deflated") << "qzipwriter-deflated.zip";
    }
    void earlierArchivesRestore()
    {
        QFETCH(QString, file);
        QFile archive(QFINDTESTDATA("../fuzz/corpus/backup/" + file));
        QVERIFY(archive.open(QIODevice::ReadOnly));
        TestSupport::TempDatabase db;
        const BackupImportResult r = BackupService(db.db()).importBackup(archive.readAll(), BackupImportMode::SkipExisting);
        QCOMPARE(r.errors, QStringList());
        QCOMPARE(QList<int>({r.accountsImported, r.categoriesImported, r.transactionsImported, r.splitLinesImported}),
                 QList<int>({1, 2, 1, 2}));
        QCOMPARE(TestSupport::scalar("SELECT payee || amount FROM transactions").toString(), QStringLiteral("Caf\u00e9-2500"));
    }
};

TALLYLEAF_CORE_TEST_MAIN(BackupServiceTest)
#include "tst_backupservice.moc"
