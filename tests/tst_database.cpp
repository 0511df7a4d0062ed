#include "coretestsupport.h"

#include "data/database.h"
#include "data/walcheckpointer.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>
#include <memory>

namespace {

// The sync columns every synced table ends with.
const char* const kSyncColumns = "version INTEGER NN =1; sync_status TEXT NN ='pending'; server_id TEXT; "
                                 "created_at TEXT NN; updated_at TEXT NN; deleted_at TEXT";

const char* const kSchemaVersionDdl =
    "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  "
    "applied_at TEXT NOT NULL DEFAULT (datetime('now')))";

// One line per column, "name TYPE [PK] [NN] [=default]", joined by "; ".
QString describeColumns(QSqlDatabase db, const QString& table)
{
    QSqlQuery q(db);
    q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    QStringList parts;
    while (q.next()) {
        QString d = q.value(1).toString() + QLatin1Char(' ') + q.value(2).toString();
        if (q.value(5).toInt() > 0)
            d += QStringLiteral(" PK");
        if (q.value(3).toInt() != 0)
            d += QStringLiteral(" NN");
        if (!q.value(4).isNull())
            d += QStringLiteral(" =") + q.value(4).toString();
        parts << d;
    }
    return parts.join(QStringLiteral("; "));
}

QStringList column(QSqlDatabase db, const QString& sql)
{
    QSqlQuery q(db);
    if (!q.exec(sql))
        qWarning().noquote() << "query failed:" << sql << q.lastError().text();
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QString readResource(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        qFatal("missing resource %s", qPrintable(path));
    return QString::fromUtf8(f.readAll());
}

bool tableExists(QSqlDatabase db, const QString& name)
{
    return !column(db, QStringLiteral("SELECT name FROM sqlite_master WHERE name = '%1'").arg(name)).isEmpty();
}

} // namespace

class DatabaseTest : public QObject
{
    Q_OBJECT

private slots:
    void freshDatabaseRecordsEveryMigration();
    void indexesWithoutAVersion_data();
    void indexesWithoutAVersion();
    void columns_data();
    void columns();
    void foreignKeys_data();
    void foreignKeys();
    void indexesFtsAndTriggers();
    void ftsFollowsInsertUpdateDelete();
    void suspendedIndexing_data();
    void suspendedIndexing();

    void upgradeFromVersionTwo();
    void failingMigrationLeavesNoTrace();
    void migrationInsideOpenTransactionRefused();
    void unreadableVersionTableFailsMigrate();
    void newerSchemaOpensUnchanged();
    void connectionsInTurn();
    void bulkWriteScope();
    void logReachesTheFile();
    void checkpointInForce_data();
    void checkpointInForce();
    void logStaysBounded();
    void logBoundWaits_data();
    void logBoundWaits();
    void secondDatabaseRefused();

    void split_data();
    void split();
};

void DatabaseTest::freshDatabaseRecordsEveryMigration()
{
    QTemporaryDir dir;
    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.open(dir.filePath(QStringLiteral("tallyleaf.db"))));
    QVERIFY(db.isOpen());
    QVERIFY(db.migrate());

    const QStringList rows = column(db.database(), QStringLiteral(
        "SELECT version || ' ' || name || ' ' || (applied_at <> '') FROM schema_version ORDER BY version"));
    QCOMPARE(rows, QStringList({QStringLiteral("1 initial 1"), QStringLiteral("2 recon_sync 1"),
                                QStringLiteral("3 recurring_lead_days 1"), QStringLiteral("4 recurring_interval 1"),
                                QStringLiteral("5 recurring_semimonthly 1")}));
    QCOMPARE(applied.count(), 5);
    QCOMPARE(applied.at(4).at(0).toInt(), 5);
    QCOMPARE(applied.at(4).at(1).toString(), QStringLiteral("recurring_semimonthly"));

    // The connection is Qt's default one, and foreign keys are enforced.
    QCOMPARE(Database::connectionName(), QStringLiteral("qt_sql_default_connection"));
    QCOMPARE(TestSupport::scalar(QStringLiteral("PRAGMA foreign_keys")).toInt(), 1);
    QCOMPARE(TestSupport::scalar(QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));

    // A second migrate is a no-op.
    QVERIFY(db.migrate());
    QCOMPARE(applied.count(), 5);
}

// The register's indexes come after the migrations, in no version of their
// own; a database where an earlier build recorded them as version 6 keeps it.
void DatabaseTest::indexesWithoutAVersion_data()
{
    QTest::addColumn<QString>("recorded");
    QTest::newRow("five versions") << "1,2,3,4,5";
    QTest::newRow("version 6 of an earlier build") << "1,2,3,4,5,6";
}

void DatabaseTest::indexesWithoutAVersion()
{
    QFETCH(QString, recorded);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tallyleaf.db"));
    const QString indexes = QStringLiteral(
        "SELECT group_concat(name) FROM (SELECT name FROM sqlite_master WHERE name IN ('idx_transactions_account_date', "
        "'idx_transactions_payee', 'idx_transactions_account_amounts') ORDER BY name)");
    {
        Database db;
        QVERIFY(db.open(path) && db.migrate());
        if (recorded.endsWith(QLatin1String("6")))
            TestSupport::exec(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (6, 'register_indexes')"));
        TestSupport::exec(QStringLiteral("DROP INDEX idx_transactions_payee"));
    }
    Database db;
    QVERIFY(db.open(path) && db.migrate());
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT group_concat(version) FROM schema_version")).toString(),
             recorded);
    QCOMPARE(TestSupport::scalar(indexes).toString(),
             QStringLiteral("idx_transactions_account_amounts,idx_transactions_account_date,idx_transactions_payee"));
}

void DatabaseTest::columns_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("expected");
    const QString sync = QString::fromLatin1(kSyncColumns);

    QTest::newRow("schema_version") << "schema_version"
                                    << "version INTEGER PK; name TEXT NN; applied_at TEXT NN =datetime('now')";
    QTest::newRow("accounts") << "accounts"
                              << "id TEXT PK; name TEXT NN; account_type TEXT NN ='checking'; "
                                 "currency TEXT NN ='USD'; institution TEXT; account_number_last4 TEXT; "
                                 "starting_balance INTEGER NN =0; sort_order INTEGER NN =0; "
                                 "is_shared INTEGER NN =0; " + sync;
    QTest::newRow("categories") << "categories"
                                << "id TEXT PK; name TEXT NN; category_type TEXT NN ='expense'; parent_id TEXT; "
                                   "is_tax_relevant INTEGER NN =0; tax_category TEXT; icon TEXT; color TEXT; "
                                   "is_default INTEGER NN =0; account_id TEXT; " + sync;
    QTest::newRow("transactions") << "transactions"
                                  << "id TEXT PK; account_id TEXT NN; date TEXT NN; payee TEXT NN; memo TEXT; "
                                     "amount INTEGER NN; category_id TEXT; check_number TEXT; "
                                     "cleared INTEGER NN =0; reconciled INTEGER NN =0; transfer_link_id TEXT; "
                                     "transfer_dest_account_id TEXT; is_split INTEGER NN =0; recurring_id TEXT; "
                                     + sync;
    QTest::newRow("split_lines") << "split_lines"
                                 << "id TEXT PK; transaction_id TEXT NN; category_id TEXT NN; amount INTEGER NN; "
                                    "memo TEXT; created_at TEXT NN; updated_at TEXT NN";
    QTest::newRow("recurring_transactions")
        << "recurring_transactions"
        << "id TEXT PK; account_id TEXT NN; payee TEXT NN; memo TEXT; amount INTEGER NN; category_id TEXT; "
           "frequency TEXT NN ='monthly'; start_date TEXT NN; end_date TEXT; next_due_date TEXT NN; "
           "auto_post INTEGER NN =0; is_active INTEGER NN =1; transfer_dest_account_id TEXT; " + sync +
           "; lead_days INTEGER NN =0; interval_count INTEGER NN =1; semimonthly_day_1 INTEGER NN =1; "
           "semimonthly_day_2 INTEGER NN =15";
    QTest::newRow("reconciliations")
        << "reconciliations"
        << "id TEXT PK; account_id TEXT NN; statement_date TEXT NN; statement_balance INTEGER NN; "
           "reconciled_balance INTEGER NN; completed_at TEXT NN; version INTEGER NN =1; "
           "sync_status TEXT NN ='pending'; server_id TEXT; created_at TEXT NN =''; updated_at TEXT NN =''; "
           "deleted_at TEXT";
    QTest::newRow("transaction_templates")
        << "transaction_templates"
        << "id TEXT PK; account_id TEXT NN; name TEXT NN; payee TEXT; amount INTEGER; category_id TEXT; memo TEXT; "
           "check_number TEXT; is_payment INTEGER NN =1; created_at TEXT NN; updated_at TEXT NN";
    QTest::newRow("sync_queue") << "sync_queue"
                                << "id INTEGER PK; entity_type TEXT NN; entity_id TEXT NN; action TEXT NN; "
                                   "created_at TEXT NN; processed INTEGER NN =0";
    QTest::newRow("preferences") << "preferences" << "key TEXT PK; value TEXT";
}

void DatabaseTest::columns()
{
    QFETCH(QString, table);
    QFETCH(QString, expected);
    TestSupport::TempDatabase db;
    QCOMPARE(describeColumns(db->database(), table), expected);
}

void DatabaseTest::foreignKeys_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("expected"); // "from->table(to)", sorted

    QTest::newRow("accounts") << "accounts" << QStringList();
    QTest::newRow("categories") << "categories" << QStringList{"parent_id->categories(id)"};
    QTest::newRow("transactions") << "transactions"
                                  << QStringList{"account_id->accounts(id)", "category_id->categories(id)"};
    QTest::newRow("split_lines") << "split_lines"
                                 << QStringList{"category_id->categories(id)", "transaction_id->transactions(id)"};
    QTest::newRow("recurring_transactions")
        << "recurring_transactions" << QStringList{"account_id->accounts(id)", "category_id->categories(id)"};
    QTest::newRow("reconciliations") << "reconciliations" << QStringList{"account_id->accounts(id)"};
    QTest::newRow("transaction_templates")
        << "transaction_templates" << QStringList{"account_id->accounts(id)", "category_id->categories(id)"};
}

void DatabaseTest::foreignKeys()
{
    QFETCH(QString, table);
    QFETCH(QStringList, expected);
    TestSupport::TempDatabase db;
    QStringList actual = column(db->database(),
                                QStringLiteral("SELECT \"from\" || '->' || \"table\" || '(' || \"to\" || ')' "
                                               "FROM pragma_foreign_key_list('%1')").arg(table));
    actual.sort();
    QCOMPARE(actual, expected);
}

void DatabaseTest::indexesFtsAndTriggers()
{
    TestSupport::TempDatabase db;
    const QStringList indexes = column(db->database(), QStringLiteral(
        "SELECT m.name || ' ' || m.tbl_name || '(' || i.name || ')' FROM sqlite_master m, "
        "pragma_index_info(m.name) i WHERE m.type = 'index' AND m.sql IS NOT NULL ORDER BY m.name, i.seqno"));
    QCOMPARE(indexes, QStringList({
                          QStringLiteral("idx_accounts_server_id accounts(server_id)"),
                          QStringLiteral("idx_categories_server_id categories(server_id)"),
                          QStringLiteral("idx_reconciliations_server_id reconciliations(server_id)"),
                          QStringLiteral("idx_recurring_transactions_server_id recurring_transactions(server_id)"),
                          QStringLiteral("idx_split_lines_category_id split_lines(category_id)"),
                          QStringLiteral("idx_split_lines_transaction_id split_lines(transaction_id)"),
                          QStringLiteral("idx_transactions_account_amounts transactions(account_id)"),
                          QStringLiteral("idx_transactions_account_amounts transactions(deleted_at)"),
                          QStringLiteral("idx_transactions_account_amounts transactions(cleared)"),
                          QStringLiteral("idx_transactions_account_amounts transactions(amount)"),
                          QStringLiteral("idx_transactions_account_date transactions(account_id)"),
                          QStringLiteral("idx_transactions_account_date transactions(date)"),
                          QStringLiteral("idx_transactions_account_date transactions(created_at)"),
                          QStringLiteral("idx_transactions_category_id transactions(category_id)"),
                          QStringLiteral("idx_transactions_date transactions(date)"),
                          QStringLiteral("idx_transactions_payee transactions(payee)"),
                          QStringLiteral("idx_transactions_payee transactions(deleted_at)"),
                          QStringLiteral("idx_transactions_server_id transactions(server_id)"),
                          QStringLiteral("idx_transactions_sync_status transactions(sync_status)"),
                          QStringLiteral("idx_transactions_transfer_link transactions(transfer_link_id)"),
                      }));

    const QString fts = TestSupport::scalar(QStringLiteral(
        "SELECT sql FROM sqlite_master WHERE name = 'transactions_fts'")).toString();
    QVERIFY2(fts.contains(QLatin1String("USING fts5(")), qPrintable(fts));
    QVERIFY(fts.contains(QLatin1String("content='transactions'")));
    QVERIFY(fts.contains(QLatin1String("content_rowid='rowid'")));
    QCOMPARE(describeColumns(db->database(), QStringLiteral("transactions_fts")),
             QStringLiteral("payee ; memo ; check_number "));

    const QStringList triggers = column(db->database(), QStringLiteral(
        "SELECT name || ' ' || tbl_name FROM sqlite_master WHERE type = 'trigger' ORDER BY name"));
    QCOMPARE(triggers, QStringList({QStringLiteral("transactions_ad transactions"),
                                    QStringLiteral("transactions_ai transactions"),
                                    QStringLiteral("transactions_au transactions")}));
}

void DatabaseTest::ftsFollowsInsertUpdateDelete()
{
    TestSupport::TempDatabase db;
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                     "VALUES ('a1', 'Main', '2025-01-01T00:00:00Z', '2025-01-01T00:00:00Z')"));
    TestSupport::exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, check_number, created_at, updated_at) "
        "VALUES ('t1', 'a1', '2025-01-02', 'Acme Hardware', 'nails', -1200, '1001', "
        "'2025-01-02T00:00:00Z', '2025-01-02T00:00:00Z')"));
    const auto hits = [](const char* match) {
        return TestSupport::scalar(
                   QStringLiteral("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH '%1'")
                       .arg(QLatin1String(match)))
            .toInt();
    };
    QCOMPARE(hits("acme"), 1);
    QCOMPARE(hits("nails"), 1);
    QCOMPARE(hits("check_number:1001"), 1);

    TestSupport::exec(QStringLiteral("UPDATE transactions SET payee = 'Zenith Books' WHERE id = 't1'"));
    QCOMPARE(hits("acme"), 0);
    QCOMPARE(hits("zenith"), 1);

    // A soft delete is an update: the row stays in the index.
    TestSupport::exec(QStringLiteral("UPDATE transactions SET deleted_at = '2025-02-01T00:00:00Z' WHERE id = 't1'"));
    QCOMPARE(hits("zenith"), 1);

    TestSupport::exec(QStringLiteral("DELETE FROM transactions WHERE id = 't1'"));
    QCOMPARE(hits("zenith"), 0);
    QCOMPARE(TestSupport::scalar(QStringLiteral(
                 "SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH 'zenith OR nails OR acme'"))
                 .toInt(),
             0);
}

// Inside a transaction with the full-text index suspended: "x" deletes,
// inserts or updates a row, "+" resumes, "!" rolls back. Afterwards the
// index holds exactly the live payees.
void DatabaseTest::suspendedIndexing_data()
{
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("payees"); // the index's words, as matched
    // The new row takes the rowid of the deleted last row.
    QTest::newRow("rowid reused") << QStringList{"DELETE FROM transactions WHERE id = 't2'", "INSERT t3 Gamma", "+"}
                                  << "Alpha Gamma";
    QTest::newRow("rowid reused, row changed")
        << QStringList{"DELETE FROM transactions WHERE id = 't2'", "INSERT t3 Gamma",
                       "UPDATE transactions SET payee = 'Delta' WHERE id = 't3'", "+"}
        << "Alpha Delta";
    QTest::newRow("indexed row changed") << QStringList{"INSERT t3 Gamma",
                                                        "UPDATE transactions SET payee = 'Omega' WHERE id = 't1'", "+"}
                                         << "Beta Gamma Omega";
    // A resume after the rollback has nothing left to undo or index.
    QTest::newRow("rolled back") << QStringList{"INSERT t3 Gamma", "!", "INSERT t4 Kappa", "+"} << "Alpha Beta Kappa";
}

void DatabaseTest::suspendedIndexing()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, payees);
    TestSupport::TempDatabase db;
    const auto insert = [](const QString& id, const QString& payee) {
        TestSupport::exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                         "updated_at) VALUES ('%1', 'a1', '2025-01-02', '%2', 1, '', '')")
                              .arg(id, payee));
    };
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', 'A', '', '')"));
    insert(QStringLiteral("t1"), QStringLiteral("Alpha"));
    insert(QStringLiteral("t2"), QStringLiteral("Beta"));

    QVERIFY(db->database().transaction());
    QVERIFY(db->suspendTransactionIndexing());
    for (const QString& step : steps) {
        if (step == QLatin1String("+"))
            QVERIFY(db->resumeTransactionIndexing());
        else if (step == QLatin1String("!"))
            QVERIFY(db->database().rollback() && db->database().transaction());
        else if (step.startsWith(QLatin1String("INSERT ")))
            insert(step.section(QLatin1Char(' '), 1, 1), step.section(QLatin1Char(' '), 2, 2));
        else
            TestSupport::exec(step);
    }
    QVERIFY(db->database().commit());

    // With rank 1 the check compares the index with the table's rows.
    TestSupport::exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts, rank) VALUES ('integrity-check', 1)"));
    QStringList found;
    for (const QString& word : QStringList{"Alpha", "Beta", "Gamma", "Delta", "Omega", "Kappa"}) {
        if (TestSupport::scalar(QStringLiteral("SELECT count(*) FROM transactions_fts WHERE transactions_fts MATCH '%1'")
                                    .arg(word))
                .toInt()
            > 0)
            found << word;
    }
    QCOMPARE(found.join(QLatin1Char(' ')), payees);
}

void DatabaseTest::upgradeFromVersionTwo()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tallyleaf.db"));
    {
        Database db;
        QVERIFY(db.open(path));
        QSqlQuery create(db.database());
        QVERIFY(create.exec(QString::fromLatin1(kSchemaVersionDdl)));
        create.finish();
        QVERIFY(db.applyMigration(1, QStringLiteral("initial"),
                                  readResource(QStringLiteral(":/sql/sql/migrations/001_initial.sql"))));
        TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, sort_order, created_at, updated_at) "
                                         "VALUES ('a1', 'Old', 3, '2020-01-01T00:00:00Z', '2020-01-01T00:00:00Z')"));
        TestSupport::exec(QStringLiteral(
            "INSERT INTO recurring_transactions (id, account_id, payee, amount, frequency, start_date, "
            "next_due_date, created_at, updated_at) VALUES ('r1', 'a1', 'Rent', -90000, 'semimonthly', "
            "'2020-01-01', '2020-02-01', '2020-01-01T00:00:00Z', '2020-01-01T00:00:00Z')"));
        TestSupport::exec(QStringLiteral(
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
            "completed_at) VALUES ('c1', 'a1', '2020-01-31', 5000, 5000, '2020-02-02T10:00:00Z'), "
            "('c2', 'a1', '2020-02-29', 7000, 6900, '2020-03-03T11:00:00Z')"));
        QVERIFY(db.applyMigration(2, QStringLiteral("recon_sync"),
                                  readResource(QStringLiteral(":/sql/sql/migrations/002_recon_sync.sql"))));
        // A reconciliation written by a version-2 program keeps its own times.
        TestSupport::exec(QStringLiteral(
            "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
            "completed_at, created_at, updated_at, sync_status) VALUES ('c3', 'a1', '2020-03-31', 1, 1, "
            "'2020-04-01T00:00:00Z', '2020-04-01T00:00:01Z', '2020-04-05T00:00:00Z', 'synced')"));
    }

    Database db;
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.open(path));
    QVERIFY(db.migrate());
    QCOMPARE(applied.count(), 3);
    QCOMPARE(applied.at(0).at(0).toInt(), 3);
    QCOMPARE(applied.at(2).at(0).toInt(), 5);
    QCOMPARE(column(db.database(), QStringLiteral("SELECT version FROM schema_version ORDER BY version")),
             QStringList({"1", "2", "3", "4", "5"}));

    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT name || sort_order FROM accounts WHERE id = 'a1'")).toString(),
             QStringLiteral("Old3"));
    QCOMPARE(TestSupport::scalar(QStringLiteral(
                 "SELECT payee || '|' || frequency || '|' || lead_days || '|' || interval_count || '|' || "
                 "semimonthly_day_1 || '|' || semimonthly_day_2 FROM recurring_transactions WHERE id = 'r1'"))
                 .toString(),
             QStringLiteral("Rent|semimonthly|0|1|1|15"));
    QCOMPARE(column(db.database(), QStringLiteral(
                 "SELECT id || '|' || created_at || '|' || updated_at || '|' || version || '|' || sync_status || '|' "
                 "|| ifnull(server_id, 'null') || '|' || ifnull(deleted_at, 'null') FROM reconciliations ORDER BY id")),
             QStringList({QStringLiteral("c1|2020-02-02T10:00:00Z|2020-02-02T10:00:00Z|1|pending|null|null"),
                          QStringLiteral("c2|2020-03-03T11:00:00Z|2020-03-03T11:00:00Z|1|pending|null|null"),
                          QStringLiteral("c3|2020-04-01T00:00:01Z|2020-04-05T00:00:00Z|1|synced|null|null")}));
}

void DatabaseTest::failingMigrationLeavesNoTrace()
{
    TestSupport::TempDatabase db;
    QSignalSpy errors(db.db(), &Database::migrationError);
    QSignalSpy applied(db.db(), &Database::migrationApplied);
    QTest::ignoreMessage(QtCriticalMsg,
                         QRegularExpression(QStringLiteral("^Migration 7 failed: .*no such table: missing_table.*"
                                                           "\nStatement: INSERT INTO missing_table")));
    QVERIFY(!db->applyMigration(7, QStringLiteral("broken"),
                                QStringLiteral("-- two statements, the second fails\n"
                                               "CREATE TABLE half_done (x INTEGER);\n"
                                               "INSERT INTO missing_table VALUES (1);\n")));
    QVERIFY(!tableExists(db->database(), QStringLiteral("half_done")));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), 5);
    QCOMPARE(applied.count(), 0);
    QCOMPARE(errors.count(), 1);
    QCOMPARE(errors.at(0).at(0).toInt(), 7);
    QVERIFY(errors.at(0).at(1).toString().contains(QLatin1String("missing_table")));

    // Nothing is left open: the connection takes a new transaction.
    QVERIFY(db->database().transaction());
    QVERIFY(db->database().rollback());

    // A version already recorded cannot be recorded twice: the statements go too.
    QVERIFY(!db->applyMigration(5, QStringLiteral("again"), QStringLiteral("CREATE TABLE twice (x);")));
    QVERIFY(!tableExists(db->database(), QStringLiteral("twice")));
    QCOMPARE(errors.count(), 2);
}

void DatabaseTest::migrationInsideOpenTransactionRefused()
{
    TestSupport::TempDatabase db;
    QSignalSpy errors(db.db(), &Database::migrationError);
    QVERIFY(db->database().transaction());
    TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('outer', '1')"));

    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Migration 7 failed: cannot begin transaction")));
    QVERIFY(!db->applyMigration(7, QStringLiteral("inner"), QStringLiteral("CREATE TABLE inner_table (x);")));
    QCOMPARE(errors.count(), 1);

    // The caller's transaction is untouched: rolling it back removes its row and
    // the migration's statements never ran.
    QVERIFY(db->database().rollback());
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT count(*) FROM preferences")).toInt(), 0);
    QVERIFY(!tableExists(db->database(), QStringLiteral("inner_table")));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT MAX(version) FROM schema_version")).toInt(), 5);
}

void DatabaseTest::unreadableVersionTableFailsMigrate()
{
    // A schema_version the program cannot read must not count as version 0.
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(dir.filePath(QStringLiteral("tallyleaf.db"))));
    TestSupport::exec(QStringLiteral("CREATE TABLE schema_version (v INTEGER)"));
    QSignalSpy applied(&db, &Database::migrationApplied);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to read schema version: ")));
    QVERIFY(!db.migrate());
    QCOMPARE(applied.count(), 0);
    QVERIFY(!tableExists(db.database(), QStringLiteral("accounts")));
}

void DatabaseTest::newerSchemaOpensUnchanged()
{
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(dir.filePath(QStringLiteral("tallyleaf.db"))));
    TestSupport::exec(QString::fromLatin1(kSchemaVersionDdl));
    TestSupport::exec(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (9, 'future')"));
    QSignalSpy applied(&db, &Database::migrationApplied);
    QVERIFY(db.migrate());
    QCOMPARE(applied.count(), 0);
    QVERIFY(!tableExists(db.database(), QStringLiteral("accounts")));
    QCOMPARE(column(db.database(), QStringLiteral("SELECT version || name FROM schema_version")),
             QStringList{QStringLiteral("9future")});
}

void DatabaseTest::connectionsInTurn()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("duplicate connection|still in use")));
    QTemporaryDir dir;
    for (int i = 0; i < 3; ++i) {
        Database db;
        QVERIFY(db.open(dir.filePath(QStringLiteral("db%1.db").arg(i))));
        QVERIFY(db.migrate());
        QVERIFY(QSqlDatabase::contains(Database::connectionName()));
        TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('n', '%1')").arg(i));
        QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT count(*) FROM preferences")).toInt(), 1);
    }
    QVERIFY(!QSqlDatabase::contains(Database::connectionName()));

    // A Database that never opened leaves no connection behind either.
    { Database unused; }
    QVERIFY(!QSqlDatabase::contains(Database::connectionName()));
}

void DatabaseTest::bulkWriteScope()
{
    Database db;
    QVERIFY(!db.bulkWriteActive());
    {
        BulkWriteScope scope(&db);
        QVERIFY(db.bulkWriteActive());
    }
    QVERIFY(!db.bulkWriteActive());
    BulkWriteScope none(nullptr); // tolerated
}

// A commit past the checkpoint threshold is copied into the database file
// by the background thread; the main file grows only then.
void DatabaseTest::logReachesTheFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.db"));
    {
        Database db;
        QVERIFY(db.open(path));
        QVERIFY(db.migrate());
        TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('big', hex(zeroblob(3000000)))"));
        db.waitForCheckpoint();
        QVERIFY2(QFileInfo(path).size() > 6000000, qPrintable(QString::number(QFileInfo(path).size())));
    }
    Database reopened;
    QVERIFY(reopened.open(path));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT length(value) FROM preferences WHERE key = 'big'")).toInt(),
             6000000);
}

// Which checkpoint a connection runs: the background one (SQLite's own
// automatic checkpoint off) for a file in WAL mode, SQLite's own otherwise.
// The file growing alone does not tell them apart.
void DatabaseTest::checkpointInForce_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("autocheckpoint");
    QTest::newRow("file") << "t.db" << 0;
    QTest::newRow("in memory, no log") << ":memory:" << 1000;
}

void DatabaseTest::checkpointInForce()
{
    QFETCH(QString, file);
    QFETCH(int, autocheckpoint);
    QTemporaryDir dir;
    Database db;
    QVERIFY(db.open(file.startsWith(QLatin1Char(':')) ? file : dir.filePath(file)));
    QCOMPARE(TestSupport::scalar(QStringLiteral("PRAGMA wal_autocheckpoint")).toInt(), autocheckpoint);
}

// Back-to-back bulk writes, each begun before the background checkpoint of
// the log before it could finish: the log is restarted all the same, so its
// file stays near the limit, and a write that restarts it cuts the file back.
void DatabaseTest::logStaysBounded()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.db"));
    const QString log = path + QStringLiteral("-wal");
    Database db;
    QVERIFY(db.open(path) && db.migrate());
    const qint64 frame = TestSupport::scalar(QStringLiteral("PRAGMA page_size")).toLongLong() + 24;
    constexpr int kWrites = 24;
    constexpr int kRows = 500; // about 2 MB a write
    qint64 largest = 0;
    for (int i = 0; i < kWrites; ++i) {
        TestSupport::exec(QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                                         "INSERT INTO preferences (key, value) SELECT 'w%2-' || x, "
                                         "hex(randomblob(2000)) FROM n")
                              .arg(kRows)
                              .arg(i));
        largest = std::max(largest, QFileInfo(log).size());
    }
    const qint64 bound = (WalCheckpointer::kLogLimitPages + 2 * 1000) * frame;
    QVERIFY2(largest < bound, qPrintable(QStringLiteral("%1 >= %2").arg(largest).arg(bound)));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT count(*) FROM preferences")).toInt(), kWrites * kRows);

    db.waitForCheckpoint();
    TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('small', 'x')"));
    const qint64 limit = TestSupport::scalar(QStringLiteral("PRAGMA journal_size_limit")).toLongLong();
    QVERIFY2(limit > 0 && QFileInfo(log).size() <= limit,
             qPrintable(QStringLiteral("%1 > %2").arg(QFileInfo(log).size()).arg(limit)));
}

// Which commits wait for the background copy of the log. A reader keeps
// every copy from finishing, so each commit after the first of a row
// appends to the log the first one restarted.
void DatabaseTest::logBoundWaits_data()
{
    QTest::addColumn<QList<int>>("pages"); // of each commit in turn
    QTest::addColumn<int>("waited");
    constexpr int kLimit = WalCheckpointer::kLogLimitPages;
    QTest::newRow("one past the limit on a fresh log") << QList<int>{kLimit + 500} << 0;
    // Past the limit even counted from the log before: only its header tells it is fresh.
    QTest::newRow("one far past the limit on a fresh log") << QList<int>{kLimit + 2500} << 0;
    QTest::newRow("one taking a fresh log past the limit") << QList<int>{1200, kLimit - 1000} << 0;
    QTest::newRow("small one after a bulk write") << QList<int>{kLimit + 500, 1} << 0;
    QTest::newRow("bulk write on a short log") << QList<int>{1, kLimit + 500} << 0;
    QTest::newRow("bulk write after a bulk write") << QList<int>{kLimit + 500, kLimit + 500} << 1;
    QTest::newRow("small one after a bulk write that waited") << QList<int>{kLimit + 500, kLimit + 500, 1} << 1;
}

void DatabaseTest::logBoundWaits()
{
    QFETCH(QList<int>, pages);
    QFETCH(int, waited);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.db"));
    Database db;
    QVERIFY(db.open(path) && db.migrate());
    QSqlDatabase reader = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
    reader.setDatabaseName(path);
    pages.prepend(1500); // copied whole before the reader starts: the next write restarts the log
    for (int i = 0; i < pages.size(); ++i) {
        TestSupport::exec(QStringLiteral("INSERT INTO preferences VALUES (%1, hex(zeroblob(%2)))")
                              .arg(i)
                              .arg(pages.at(i) * 2046)); // 4092 bytes an overflow page
        if (i == 0) {
            db.waitForCheckpoint();
            QVERIFY(reader.open() && reader.transaction()
                    && QSqlQuery(QStringLiteral("SELECT count(*) FROM preferences"), reader).next());
        }
    }
    QCOMPARE(db.waitedCommits(), waited);
    reader = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
}

// Qt's default connection is the one every repository works on: a second
// Database is refused rather than taking it from the first.
void DatabaseTest::secondDatabaseRefused()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("duplicate connection|still in use")));
    QTemporaryDir dir;
    auto first = std::make_unique<Database>();
    QVERIFY(first->open(dir.filePath(QStringLiteral("a.db"))) && first->migrate());
    TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('owner', 'first')"));
    {
        Database second;
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Database::open refused: ")));
        QVERIFY(!second.open(dir.filePath(QStringLiteral("b.db"))));
        QVERIFY(!second.isOpen());
        QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT value FROM preferences WHERE key = 'owner'")).toString(),
                 QStringLiteral("first"));
    }
    // The refused one, gone, took nothing with it; the first still writes
    // through its checkpointer.
    QVERIFY(first->database().isOpen());
    QVERIFY(QSqlDatabase::contains(Database::connectionName()));
    TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('big', hex(zeroblob(3000000)))"));
    first->waitForCheckpoint();
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT count(*) FROM preferences")).toInt(), 2);
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("b.db"))));

    // Nor does an open Database open again over itself.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Database::open refused: ")));
    QVERIFY(!first->open(dir.filePath(QStringLiteral("b.db"))));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT value FROM preferences WHERE key = 'owner'")).toString(),
             QStringLiteral("first"));
    first.reset();
    QVERIFY(!QSqlDatabase::contains(Database::connectionName()));

    // Once the first is gone another may open, also after a failed try.
    Database third;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database:")));
    QVERIFY(!third.open(dir.filePath(QStringLiteral("missing/dir/c.db"))));
    QVERIFY(third.open(dir.filePath(QStringLiteral("b.db"))));
    QVERIFY(third.migrate());
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT count(*) FROM preferences")).toInt(), 0);
}

void DatabaseTest::split_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("only comments") << "-- one\n   -- two\n--three;\n" << QStringList();
    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("lone semicolons") << ";\n  ;\n" << QStringList();
    QTest::newRow("no final semicolon") << "SELECT 1" << QStringList{"SELECT 1"};
    QTest::newRow("two statements") << "SELECT 1;\nSELECT 2;\n" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("crlf lines") << "SELECT 1;\r\nSELECT 2;\r\n" << QStringList{"SELECT 1", "SELECT 2"};
    QTest::newRow("spanning lines") << "UPDATE t SET a = 1\nWHERE b = '';\n"
                                    << QStringList{"UPDATE t SET a = 1\nWHERE b = ''"};
    QTest::newRow("trigger")
        << "CREATE TRIGGER x AFTER INSERT ON t BEGIN\n    INSERT INTO u VALUES (1);\n    DELETE FROM v;\nEND;\nSELECT 3;"
        << QStringList{"CREATE TRIGGER x AFTER INSERT ON t BEGIN\n    INSERT INTO u VALUES (1);\n    DELETE FROM v;\nEND",
                       "SELECT 3"};
    QTest::newRow("lower-case trigger") << "create trigger y after delete on t begin\n  delete from u;\nend;\n"
                                        << QStringList{"create trigger y after delete on t begin\n  delete from u;\nend"};
    QTest::newRow("comment inside statement") << "SELECT 1,\n  -- dropped\n  2;"
                                              << QStringList{"SELECT 1,\n  2"};
    QTest::newRow("comment after code stays") << "SELECT 1, -- kept\n  2;"
                                              << QStringList{"SELECT 1, -- kept\n  2"};
    QTest::newRow("code then comment on one line") << "SELECT 1; -- note\nSELECT 2;"
                                                   << QStringList{"SELECT 1; -- note\nSELECT 2"};
    QTest::newRow("word containing begin") << "CREATE TABLE t (beginning TEXT);\nSELECT 1;"
                                           << QStringList{"CREATE TABLE t (beginning TEXT);\nSELECT 1"};
}

void DatabaseTest::split()
{
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    QCOMPARE(splitSqlStatements(script), expected);
}

TALLYLEAF_CORE_TEST_MAIN(DatabaseTest)
#include "tst_database.moc"
