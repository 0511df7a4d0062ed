#include "testsupport.h"

#include "data/database.h"
#include "services/backupservice.h"
#include "services/ziparchive.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QSqlRecord>

using Entries = QList<QPair<QString, QByteArray>>;

namespace {

const char* const kTables[] = {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                               "reconciliations"};
const QByteArray kManifest = R"({"version": 1})";

// Rows of all six tables with the cases a restore must keep apart: NULL and
// '' texts, a soft-deleted row, an amount beyond double precision, synced
// rows with a server id, a child category and split lines.
void fill()
{
    using TestSupport::exec;
    exec("INSERT INTO accounts (id, name, institution, account_number_last4, starting_balance, version, sync_status, "
         "server_id, created_at, updated_at) VALUES ('a1', 'Checking', NULL, '', 1500, 4, 'synced', 'srv-a1', "
         "'2024-01-01T00:00:00Z', '2024-02-01T00:00:00Z')");
    exec("INSERT INTO accounts (id, name, created_at, updated_at, deleted_at) VALUES ('a2', 'Old', "
         "'2024-01-01T00:00:00Z', '2024-01-05T00:00:00Z', '2024-01-05T00:00:00Z')");
    exec("INSERT INTO categories (id, name, parent_id, icon, sync_status, server_id, created_at, updated_at) VALUES "
         "('c1', 'Food', NULL, '', 'conflict', 'srv-c1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z'), "
         "('c2', 'Groceries', 'c1', NULL, 'synced', 'srv-c2', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    exec("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, version, "
         "created_at, updated_at, deleted_at) VALUES "
         "('t1', 'a1', '2024-03-01', 'Market', NULL, 9007199254740993, 'c2', '', 2, '2024-03-01T10:00:00Z', "
         "'2024-03-01T10:00:00Z', NULL), "
         "('t2', 'a1', '2024-03-02', 'Split shop', '', -2500, NULL, NULL, 1, '2024-03-02T10:00:00Z', "
         "'2024-03-03T10:00:00Z', '2024-03-03T10:00:00Z')");
    exec("UPDATE transactions SET is_split = 1 WHERE id = 't2'");
    exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) VALUES "
         "('s1', 't2', 'c1', -1000, NULL, '2024-03-02T10:00:00Z', '2024-03-02T10:00:00Z'), "
         "('s2', 't2', 'c2', -1500, '', '2024-03-02T10:00:00Z', '2024-03-02T10:00:00Z')");
    exec("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, end_date, next_due_date, "
         "lead_days, sync_status, created_at, updated_at) VALUES ('r1', 'a1', 'Rent', -90000, '2024-01-01', NULL, "
         "'2024-04-01', 3, 'synced', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
         "completed_at, created_at, updated_at) VALUES ('rc1', 'a1', '2024-02-29', 1000, 1000, "
         "'2024-03-01T00:00:00Z', '2024-03-01T00:00:00Z', '2024-03-01T00:00:00Z')");
}

// Every row of a table as text that tells NULL from '' and numbers from
// texts. resetSync shows the synced tables as a restore leaves them.
QStringList dump(const QString& table, bool resetSync = false)
{
    QSqlQuery q(QSqlDatabase::database());
    q.exec(QStringLiteral("SELECT * FROM %1 ORDER BY id").arg(table));
    const bool synced = table != QLatin1String("split_lines");
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < q.record().count(); ++i) {
            const QString name = q.record().fieldName(i);
            QString cell = q.isNull(i) ? QStringLiteral("NULL")
                                       : QStringLiteral("%1:%2").arg(q.value(i).typeName(), q.value(i).toString());
            if (resetSync && synced && name == QLatin1String("version"))
                cell = QStringLiteral("qlonglong:1");
            else if (resetSync && synced && name == QLatin1String("sync_status"))
                cell = QStringLiteral("QString:pending");
            else if (resetSync && synced && name == QLatin1String("server_id"))
                cell = QStringLiteral("NULL");
            cells << name + QLatin1Char('=') + cell;
        }
        rows << cells.join(QLatin1Char(' '));
    }
    return rows;
}

QMap<QString, QStringList> dumpAll(bool resetSync = false)
{
    QMap<QString, QStringList> all;
    for (const char* table : kTables)
        all.insert(QLatin1String(table), dump(QLatin1String(table), resetSync));
    return all;
}

QByteArray zipOf(const Entries& entries, bool compress = false)
{
    ZipArchive::Writer zip(compress);
    for (const auto& e : entries)
        zip.add(e.first, e.second);
    return zip.finish();
}

// Overwrites a 32-bit field of the n-th central directory header.
void patchDirectory(QByteArray& zip, int entry, int offset, quint32 value)
{
    qsizetype at = -1;
    for (int i = 0; i <= entry; ++i)
        at = zip.indexOf(QByteArray("PK\x01\x02", 4), at + 1);
    QVERIFY(at >= 0);
    for (int i = 0; i < 4; ++i)
        zip[at + offset + i] = char((value >> (8 * i)) & 0xff);
}

QByteArray account(const QString& id, const QString& extraKey = QString())
{
    QJsonObject o{{"id", id}, {"name", "Acct " + id}, {"created_at", "2024-01-01T00:00:00Z"},
                  {"updated_at", "2024-01-01T00:00:00Z"}};
    if (!extraKey.isEmpty())
        o.insert(extraKey, 1);
    return QJsonDocument(o).toJson();
}

int imported(const BackupImportResult& r)
{
    return r.accountsImported + r.categoriesImported + r.transactionsImported + r.splitLinesImported
        + r.recurringImported + r.reconciliationsImported;
}

int skipped(const BackupImportResult& r)
{
    return r.accountsSkipped + r.categoriesSkipped + r.transactionsSkipped + r.splitLinesSkipped + r.recurringSkipped
        + r.reconciliationsSkipped;
}

} // namespace

class BackupServiceTest : public QObject
{
    Q_OBJECT

private slots:
    void exportWritesRowsAndManifest();
    void roundTripIntoEmptyDatabase_data();
    void roundTripIntoEmptyDatabase();
    void restoreIntoSource_data();
    void restoreIntoSource();
    void keepNewerComparesTimestamps_data();
    void keepNewerComparesTimestamps();
    void refusedArchives_data();
    void refusedArchives();
    void badEntries_data();
    void badEntries();
    void childCategoryBeforeParent();
    void garbageNeverCrashes();
};

void BackupServiceTest::exportWritesRowsAndManifest()
{
    TestSupport::TempDatabase db;
    BackupService service(db.db());
    ZipArchive::Reader empty(service.exportBackup());
    QCOMPARE(empty.count(), 1);
    QCOMPARE(empty.path(0), QStringLiteral("manifest.json"));

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
    QCOMPARE(zip.read(zip.indexOf("manifest.json"), 1 << 20, &data), ZipArchive::Reader::ReadStatus::Ok);
    QJsonObject manifest = QJsonDocument::fromJson(data).object();
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$")
                .match(manifest.take("exportedAt").toString())
                .hasMatch());
    QCOMPARE(manifest, QJsonObject({{"version", 1}, {"accountCount", 2}, {"categoryCount", 2},
                                    {"transactionCount", 2}, {"splitLineCount", 2}, {"recurringCount", 1},
                                    {"reconciliationCount", 1}}));

    QCOMPARE(zip.read(zip.indexOf("transactions/t1.json"), 1 << 20, &data), ZipArchive::Reader::ReadStatus::Ok);
    const QJsonObject t1 = QJsonDocument::fromJson(data).object();
    QVERIFY(t1.value("memo").isNull());
    QCOMPARE(t1.value("check_number"), QJsonValue(""));
    QCOMPARE(t1.value("amount").toInteger(), Q_INT64_C(9007199254740993));
    QCOMPARE(t1.value("cleared"), QJsonValue(0));
}

void BackupServiceTest::roundTripIntoEmptyDatabase_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::newRow("skip existing") << BackupImportMode::SkipExisting;
    QTest::newRow("replace all") << BackupImportMode::ReplaceAll;
    QTest::newRow("keep newer") << BackupImportMode::KeepNewer;
}

void BackupServiceTest::roundTripIntoEmptyDatabase()
{
    QFETCH(BackupImportMode, mode);
    QByteArray archive;
    QMap<QString, QStringList> expected;
    {
        TestSupport::TempDatabase source;
        fill();
        archive = BackupService(source.db()).exportBackup();
        expected = dumpAll(true);
    }
    TestSupport::TempDatabase target;
    const BackupImportResult r = BackupService(target.db()).importBackup(archive, mode);
    QCOMPARE(r.errors, QStringList());
    QCOMPARE(QList<int>({r.accountsImported, r.categoriesImported, r.transactionsImported, r.splitLinesImported,
                         r.recurringImported, r.reconciliationsImported}),
             QList<int>({2, 2, 2, 2, 1, 1}));
    QCOMPARE(skipped(r), 0);
    QCOMPARE(dumpAll(), expected);
    QCOMPARE(TestSupport::scalar("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH 'market'").toInt(), 1);
}

void BackupServiceTest::restoreIntoSource_data()
{
    QTest::addColumn<BackupImportMode>("mode");
    QTest::addColumn<int>("imported");
    QTest::newRow("skip existing") << BackupImportMode::SkipExisting << 0;
    QTest::newRow("replace all") << BackupImportMode::ReplaceAll << 10;
    QTest::newRow("keep newer, all equal") << BackupImportMode::KeepNewer << 0;
}

void BackupServiceTest::restoreIntoSource()
{
    QFETCH(BackupImportMode, mode);
    QFETCH(int, imported);
    TestSupport::TempDatabase db;
    fill();
    BackupService service(db.db());
    const QByteArray archive = service.exportBackup();
    const auto before = dumpAll();
    const auto reset = dumpAll(true);
    TestSupport::exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a3', 'Kept', '', '')");

    const BackupImportResult r = service.importBackup(archive, mode);
    QCOMPARE(r.errors, QStringList());
    QCOMPARE(::imported(r), imported);
    QCOMPARE(skipped(r), 10 - imported);
    QCOMPARE(TestSupport::scalar("SELECT name FROM accounts WHERE id = 'a3'").toString(), QStringLiteral("Kept"));
    TestSupport::exec("DELETE FROM accounts WHERE id = 'a3'");
    QCOMPARE(dumpAll(), imported ? reset : before);
}

void BackupServiceTest::keepNewerComparesTimestamps_data()
{
    QTest::addColumn<QJsonValue>("archiveUpdatedAt");
    QTest::addColumn<bool>("overwrites");
    QTest::newRow("equal") << QJsonValue("2024-02-01T00:00:00Z") << false;
    QTest::newRow("older") << QJsonValue("2024-01-31T23:59:59Z") << false;
    QTest::newRow("later by a second") << QJsonValue("2024-02-01T00:00:01Z") << true;
    QTest::newRow("empty") << QJsonValue("") << true;
    QTest::newRow("absent") << QJsonValue(QJsonValue::Undefined) << true;
}

void BackupServiceTest::keepNewerComparesTimestamps()
{
    QFETCH(QJsonValue, archiveUpdatedAt);
    QFETCH(bool, overwrites);
    TestSupport::TempDatabase db;
    fill();
    QJsonObject row{{"id", "a1"}, {"name", "From backup"}};
    if (!archiveUpdatedAt.isUndefined())
        row.insert("updated_at", archiveUpdatedAt);
    const QByteArray archive = zipOf({{"accounts/a1.json", QJsonDocument(row).toJson()}, {"manifest.json", kManifest}});

    const BackupImportResult r = BackupService(db.db()).importBackup(archive, BackupImportMode::KeepNewer);
    QCOMPARE(r.accountsImported, overwrites ? 1 : 0);
    QCOMPARE(r.accountsSkipped, overwrites ? 0 : 1);
    QCOMPARE(TestSupport::scalar("SELECT name FROM accounts WHERE id = 'a1'").toString(),
             overwrites ? QStringLiteral("From backup") : QStringLiteral("Checking"));
}

void BackupServiceTest::refusedArchives_data()
{
    QTest::addColumn<QByteArray>("archive");
    QTest::addColumn<QString>("error");
    const QString damaged = QStringLiteral("accounts/new.json: damaged entry");
    const QByteArray row = account("new");
    const QString missing = QStringLiteral("Invalid backup: missing manifest.json");

    QTest::newRow("garbage") << QByteArray("this is not a zip file at all") << missing;
    QTest::newRow("no bytes") << QByteArray() << missing;
    QTest::newRow("no manifest") << zipOf({{"accounts/new.json", row}}) << missing;
    QTest::newRow("empty manifest") << zipOf({{"accounts/new.json", row}, {"manifest.json", ""}}) << missing;
    QTest::newRow("version 2") << zipOf({{"accounts/new.json", row}, {"manifest.json", R"({"version": 2})"}})
                               << "Unsupported backup version: 2";
    QTest::newRow("manifest not JSON") << zipOf({{"accounts/new.json", row}, {"manifest.json", "version=1"}})
                                       << "Unsupported backup version: 0";
    QTest::newRow("version as text") << zipOf({{"accounts/new.json", row}, {"manifest.json", R"({"version":"1"})"}})
                                     << "Unsupported backup version: 0";
    QTest::newRow("version absurd") << zipOf({{"accounts/new.json", row}, {"manifest.json", R"({"version":1e300})"}})
                                    << "Unsupported backup version: 0";

    const QByteArray good = zipOf({{"accounts/new.json", row}, {"manifest.json", kManifest}});
    QTest::newRow("cut off") << good.left(good.size() / 2) << "Failed to open ZIP archive";
    QByteArray outside = good;
    patchDirectory(outside, 0, 42, 0x7fffffff); // local header far beyond the data
    QTest::newRow("row entry outside the data") << outside << damaged;
    QByteArray checksum = good;
    patchDirectory(checksum, 0, 16, 0x12345678);
    QTest::newRow("row entry checksum") << checksum << damaged;

    QTest::newRow("manifest too large")
        << zipOf({{"manifest.json", QByteArray(BackupService::kMaxEntrySize + 1, ' ')}}, true)
        << "Invalid backup: manifest.json is too large";
    QByteArray bomb = zipOf({{"manifest.json", kManifest + QByteArray(16 << 20, ' ')}}, true);
    patchDirectory(bomb, 0, 24, quint32(kManifest.size()));
    QTest::newRow("manifest understating its size") << bomb << "Invalid backup: manifest.json is damaged";
}

void BackupServiceTest::refusedArchives()
{
    QFETCH(QByteArray, archive);
    QFETCH(QString, error);
    TestSupport::TempDatabase db;
    fill();
    const auto before = dumpAll();
    const BackupImportResult r = BackupService(db.db()).importBackup(archive, BackupImportMode::ReplaceAll);
    QCOMPARE(r.errors, QStringList(error));
    QCOMPARE(imported(r), 0);
    QCOMPARE(dumpAll(), before);
}

void BackupServiceTest::badEntries_data()
{
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QStringList>("errors");
    QTest::addColumn<int>("skipped");
    QTest::addColumn<QString>("warning");

    QTest::newRow("not JSON, then a good row") << Entries{{"accounts/bad.json", "{oops"}, {"accounts/ok.json", account("ok")}}
                                               << QStringList("accounts/bad.json: invalid JSON") << 0 << QString();
    QTest::newRow("array and empty object") << Entries{{"accounts/x.json", "[1]"}, {"accounts/y.json", "{}"}, {"accounts/ok.json", account("ok")}}
                                            << QStringList({"accounts/x.json: invalid JSON", "accounts/y.json: invalid JSON"}) << 0 << QString();
    QTest::newRow("other names ignored") << Entries{{"accounts/ok.txt", account("x")}, {"notes/x.json", account("x")},
                                                    {"../accounts/x.json", account("x")}, {"accounts/", ""},
                                                    {"accounts/ok.json", account("ok")}}
                                         << QStringList() << 0 << QString();
    QTest::newRow("unknown column") << Entries{{"accounts/u.json", account("u", "nickname")}, {"accounts/ok.json", account("ok")}}
                                    << QStringList() << 1 << QString();
    QTest::newRow("injection-style key")
        << Entries{{"accounts/i.json", account("i", "name) VALUES ('x'); DROP TABLE transactions; --")},
                   {"accounts/ok.json", account("ok")}}
        << QStringList() << 1 << QString();
    QTest::newRow("id missing, numeric or nested value")
        << Entries{{"accounts/n.json", R"({"name": "No id", "created_at": "", "updated_at": ""})"},
                   {"accounts/m.json", R"({"id": 7, "name": "Numeric id", "created_at": "", "updated_at": ""})"},
                   {"accounts/v.json", R"({"id": "v", "name": ["x"], "created_at": "", "updated_at": ""})"},
                   {"accounts/ok.json", account("ok")}}
        << QStringList() << 3 << QString();
    QTest::newRow("too large") << Entries{{"accounts/big.json", QByteArray(BackupService::kMaxEntrySize + 1, ' ')},
                                          {"accounts/ok.json", account("ok")}}
                               << QStringList("accounts/big.json: entry too large") << 0 << QString();
    QTest::newRow("refused by the database")
        << Entries{{"accounts/nn.json", R"({"id": "nn", "created_at": "", "updated_at": ""})"}, {"accounts/ok.json", account("ok")}}
        << QStringList() << 1 << "^BackupService::upsertRow failed: accounts/nn.json .*NOT NULL";
}

void BackupServiceTest::badEntries()
{
    QFETCH(Entries, entries);
    QFETCH(QStringList, errors);
    QFETCH(int, skipped);
    QFETCH(QString, warning);
    TestSupport::TempDatabase db;
    fill();
    const auto before = dumpAll();
    entries.append({"manifest.json", kManifest});
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));

    const BackupImportResult r = BackupService(db.db()).importBackup(zipOf(entries, true), BackupImportMode::ReplaceAll);
    QCOMPARE(r.errors, errors);
    QCOMPARE(r.accountsImported, 1);
    QCOMPARE(r.accountsSkipped, skipped);
    QCOMPARE(TestSupport::scalar("SELECT group_concat(id) FROM accounts").toString(), QStringLiteral("a1,a2,ok"));
    TestSupport::exec("DELETE FROM accounts WHERE id = 'ok'");
    QCOMPARE(dumpAll(), before);
}

void BackupServiceTest::childCategoryBeforeParent()
{
    TestSupport::TempDatabase db;
    const QByteArray archive = zipOf({
        {"categories/grandchild.json", R"({"id": "grandchild", "name": "Grandchild", "parent_id": "child", "created_at": "", "updated_at": ""})"},
        {"categories/child.json", R"({"id": "child", "name": "Child", "parent_id": "parent", "created_at": "", "updated_at": ""})"},
        {"categories/parent.json", R"({"id": "parent", "name": "Parent", "created_at": "", "updated_at": ""})"},
        {"transactions/t.json", R"({"id": "t", "account_id": "a", "date": "2024-01-01", "payee": "P", "amount": 5,
                                    "category_id": "grandchild", "created_at": "", "updated_at": ""})"},
        {"accounts/a.json", account("a")},
        {"manifest.json", kManifest},
    });
    const BackupImportResult r = BackupService(db.db()).importBackup(archive, BackupImportMode::SkipExisting);
    QCOMPARE(r.errors, QStringList());
    QCOMPARE(imported(r), 5);
    QCOMPARE(skipped(r), 0);
    QCOMPARE(TestSupport::scalar("SELECT category_id FROM transactions WHERE id = 't'").toString(),
             QStringLiteral("grandchild"));
}

void BackupServiceTest::garbageNeverCrashes()
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
    QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = valid;
        if (round % 3 == 0) {
            bytes = QByteArray(int(random.bounded(2000)), Qt::Uninitialized);
            for (char& c : bytes)
                c = char(random.bounded(256));
        } else {
            for (int i = 0; i < 1 + round % 8; ++i)
                bytes[random.bounded(int(bytes.size()))] = char(random.bounded(256));
            if (round % 3 == 2)
                bytes.truncate(random.bounded(int(bytes.size())));
        }
        service.importBackup(bytes, BackupImportMode(round % 3));
    }
    qInstallMessageHandler(previous);
    QVERIFY(TestSupport::scalar("SELECT count(*) FROM accounts").toInt() <= 2);
}

TALLYLEAF_TEST_MAIN(BackupServiceTest)
#include "tst_backupservice.moc"
