#include "coretestsupport.h"

#include "data/database.h"
#include "services/backupservice.h"
#include "syncinstallation.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlError>
#include <QSqlQuery>

// Kills an import (CSV, QIF) or a backup restore with SIGKILL at random
// points, in a child process (crashsafety_child), and checks that the
// database it leaves behind is intact and holds either none or all of the
// import's rows. Kills a sync pull of many pages (sync_child) the same way
// and checks that the next cycle brings every row. TALLYLEAF_CRASH_SEED=<n>
// repeats one sequence of kill points.

namespace {

constexpr int kFileRecords = 20000;
constexpr int kBackupTransactions = 5000;
constexpr int kCategories = 5;
// Kills per kind, stopped early once the time budget is spent.
constexpr int kKills = 8;
constexpr qint64 kBudgetMs = 60000;
constexpr int kLineTimeoutMs = 60000;
const QString kAccountId = QStringLiteral("acct-1");

// What a database holds: its schema and the row count of every data table
// and of the full-text index.
struct Snapshot
{
    QStringList schema;
    QList<qint64> counts;

    bool operator==(const Snapshot& other) const { return schema == other.schema && counts == other.counts; }
    QString describe() const
    {
        QStringList parts;
        for (qint64 n : counts)
            parts << QString::number(n);
        return parts.join(QLatin1Char('/'));
    }
};

bool fail(QString* problem, const QString& text)
{
    *problem = text;
    return false;
}

// Integrity of the file and its snapshot, read on a connection of its own
// (opening recovers what the killed process left in the write-ahead log).
bool inspectOn(QSqlDatabase& db, Snapshot* snapshot, QString* problem)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")))
        return fail(problem, q.lastError().text());
    QStringList report;
    while (q.next())
        report << q.value(0).toString();
    if (report != QStringList(QStringLiteral("ok")))
        return fail(problem, QStringLiteral("integrity_check: ") + report.join(QLatin1Char('\n')));
    // Rank 1 also compares the index with the transactions it indexes.
    if (!q.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts, rank) VALUES('integrity-check', 1)")))
        return fail(problem, QStringLiteral("FTS5 integrity-check: ") + q.lastError().text());
    if (!q.exec(QStringLiteral("PRAGMA foreign_key_check")) || q.next())
        return fail(problem, QStringLiteral("foreign_key_check reports rows"));

    if (!q.exec(QStringLiteral("SELECT type || ' ' || name || ' ' || COALESCE(sql, '') FROM sqlite_master ORDER BY name")))
        return fail(problem, q.lastError().text());
    while (q.next())
        snapshot->schema << q.value(0).toString();
    for (const char* table : {"accounts", "categories", "transactions", "split_lines", "recurring_transactions",
                              "reconciliations", "transactions_fts_docsize"}) {
        if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(QLatin1String(table))) || !q.next())
            return fail(problem, q.lastError().text());
        snapshot->counts << q.value(0).toLongLong();
    }
    return true;
}

bool inspect(const QString& path, Snapshot* snapshot, QString* problem)
{
    const QString name = QStringLiteral("crashsafety-inspect");
    bool ok = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open() ? inspectOn(db, snapshot, problem) : fail(problem, db.lastError().text());
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

// A fresh copy of the base database at `path`, without the log files of an
// earlier run.
bool resetCopy(const QString& base, const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
    return QFile::copy(base, path);
}

QByteArray nextLine(QProcess& child)
{
    while (!child.canReadLine()) {
        if (!child.waitForReadyRead(kLineTimeoutMs))
            return QByteArray();
    }
    return child.readLine().trimmed();
}

QByteArray csvFile()
{
    QByteArray csv("Date,Payee,Amount,Memo,Category\n");
    const QDate start(2024, 1, 1);
    for (int i = 0; i < kFileRecords; ++i) {
        csv += QStringLiteral("%1,Payee %2,-%3.%4,memo %2,Category %5\n")
                   .arg(start.addDays(i % 366).toString(Qt::ISODate))
                   .arg(i)
                   .arg(i % 500)
                   .arg(i % 100, 2, 10, QLatin1Char('0'))
                   .arg(i % kCategories)
                   .toUtf8();
    }
    return csv;
}

QByteArray qifFile()
{
    QByteArray qif("!Type:Bank\n");
    const QDate start(2024, 1, 1);
    for (int i = 0; i < kFileRecords; ++i) {
        qif += QStringLiteral("D%1\nT-%2.%3\nPPayee %4\nMmemo %4\nLCategory %5\n^\n")
                   .arg(start.addDays(i % 366).toString(QStringLiteral("MM/dd/yyyy")))
                   .arg(i % 500)
                   .arg(i % 100, 2, 10, QLatin1Char('0'))
                   .arg(i)
                   .arg(i % kCategories)
                   .toUtf8();
    }
    return qif;
}

void insertAccount()
{
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                     "('%1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(kAccountId));
}

// An archive of one account, its categories and transactions.
QByteArray backupArchive()
{
    TestSupport::TempDatabase source;
    insertAccount();
    TestSupport::exec(QStringLiteral("BEGIN"));
    for (int c = 0; c < kCategories; ++c) {
        TestSupport::exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                                         "('cat-%1', 'Category %1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                              .arg(c));
    }
    for (int i = 0; i < kBackupTransactions; ++i) {
        TestSupport::exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                         "category_id, created_at, updated_at) VALUES ('tx-%1', '%2', '2024-03-01', "
                                         "'Payee %1', 'memo %1', %3, 'cat-%4', '2024-01-01T00:00:00Z', "
                                         "'2024-01-01T00:00:00Z')")
                              .arg(i)
                              .arg(kAccountId)
                              .arg(-(i % 50000) - 1)
                              .arg(i % kCategories));
    }
    TestSupport::exec(QStringLiteral("COMMIT"));
    return BackupService(source.db()).exportBackup();
}

} // namespace

class CrashSafetyTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void killedImport_data();
    void killedImport();
    void killedPull();

private:
    quint32 m_seed = 0;
};

void CrashSafetyTest::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(CRASHSAFETY_CHILD)), CRASHSAFETY_CHILD);
    bool fixed = false;
    m_seed = qEnvironmentVariableIntValue("TALLYLEAF_CRASH_SEED", &fixed);
    if (!fixed)
        m_seed = QRandomGenerator::global()->generate();
    qInfo("kill points from TALLYLEAF_CRASH_SEED=%u", m_seed);
}

void CrashSafetyTest::killedImport_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("rows"); // transactions after a complete import
    QTest::newRow("CSV import") << QStringLiteral("csv") << kFileRecords;
    QTest::newRow("QIF import") << QStringLiteral("qif") << kFileRecords;
    QTest::newRow("backup restore") << QStringLiteral("backup") << kBackupTransactions;
}

void CrashSafetyTest::killedImport()
{
    QFETCH(QString, kind);
    QFETCH(int, rows);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString base = dir.filePath(QStringLiteral("base.db"));
    const QString path = dir.filePath(QStringLiteral("tallyleaf.db"));
    const QString input = dir.filePath(QStringLiteral("input"));

    {
        QFile file(input);
        QVERIFY(file.open(QIODevice::WriteOnly));
        const QByteArray content = kind == QLatin1String("csv") ? csvFile()
                                   : kind == QLatin1String("qif") ? qifFile()
                                                                  : backupArchive();
        QVERIFY(!content.isEmpty());
        QCOMPARE(file.write(content), content.size());
    }
    {
        // A restore brings its own account; a file import needs one.
        TestSupport::TempDatabase db;
        if (kind != QLatin1String("backup"))
            insertAccount();
        db.database.reset(); // closes the file, folding the log into it
        QVERIFY(QFile::copy(db.path(), base));
    }
    Snapshot before;
    QString problem;
    QVERIFY2(inspect(base, &before, &problem), qPrintable(problem));

    QProcess child;
    child.setProgram(QStringLiteral(CRASHSAFETY_CHILD));
    child.setArguments({kind, path, input, kAccountId});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);

    // One complete run gives the "all" state and the import's length.
    QVERIFY(resetCopy(base, path));
    child.start();
    QVERIFY(child.waitForStarted());
    QElapsedTimer clock;
    const QByteArray first = nextLine(child);
    if (first.isEmpty()) {
        child.waitForFinished(kLineTimeoutMs);
        if (child.exitStatus() == QProcess::NormalExit && child.exitCode() == 3)
            QSKIP("this build has no QIF import (ImportService::importQif)");
    }
    QCOMPARE(first, QByteArray("begin"));
    clock.start();
    QVERIFY(child.waitForFinished(kLineTimeoutMs * 5));
    const qint64 importMs = qMax<qint64>(clock.elapsed(), 1);
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
    Snapshot after;
    QVERIFY2(inspect(path, &after, &problem), qPrintable(problem));
    QCOMPARE(after.counts.at(2), before.counts.at(2) + rows);
    QCOMPARE(after.counts.at(6), after.counts.at(2)); // every row indexed
    QCOMPARE(after.schema, before.schema);

    QRandomGenerator random(m_seed ^ quint32(qHash(kind)));
    const int progressLines = kind == QLatin1String("backup") ? 0 : rows / 100 - 1;
    int none = 0;
    int all = 0;
    QElapsedTimer budget;
    budget.start();
    for (int k = 0; k < kKills && budget.elapsed() < kBudgetMs; ++k) {
        QVERIFY(resetCopy(base, path));
        child.start();
        QVERIFY(child.waitForStarted());
        QCOMPARE(nextLine(child), QByteArray("begin"));
        bool done = false;
        if (progressLines > 0 && k % 2 == 1) {
            // Right after a random progress report: inside the transaction.
            const QByteArray target = "progress " + QByteArray::number(100 * (1 + random.bounded(progressLines)));
            for (QByteArray line = nextLine(child); !line.isEmpty() && line != target; line = nextLine(child))
                done = done || line.startsWith("done");
        } else {
            // Anywhere from the start to a little past the commit.
            child.waitForFinished(int(random.bounded(importMs + importMs / 5 + 1)));
        }
        const bool killed = child.state() != QProcess::NotRunning;
        if (killed) {
            child.kill(); // SIGKILL
            QVERIFY(child.waitForFinished(kLineTimeoutMs));
        }
        done = done || child.readAll().contains("done");
        if (!killed) {
            QCOMPARE(child.exitStatus(), QProcess::NormalExit);
            QCOMPARE(child.exitCode(), 0);
        }

        Snapshot left;
        QVERIFY2(inspect(path, &left, &problem), qPrintable(QStringLiteral("kill %1: %2").arg(k).arg(problem)));
        if (left == before && !done) {
            ++none;
        } else if (left == after) {
            ++all;
        } else {
            QFAIL(qPrintable(QStringLiteral("kill %1 left %2 rows (before %3, after %4)%5")
                                 .arg(k)
                                 .arg(left.describe(), before.describe(), after.describe(),
                                      done ? QStringLiteral(" after the import reported done") : QString())));
        }
    }
    qInfo("%s: %d kills left none of the rows, %d all of them (import %lld ms)", qPrintable(kind), none, all,
          importMs);
    QVERIFY(none + all > 0);
}

namespace {

constexpr int kPulledTransactions = 1000;
constexpr int kPullPageRows = 40;

// What a pull must bring: live transactions, split lines and the amounts'
// sum, read on the default connection.
QString pulledTotals()
{
    return QStringList{TestSupport::scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toString(),
                       TestSupport::scalar("SELECT COUNT(*) FROM split_lines").toString(),
                       TestSupport::scalar("SELECT TOTAL(amount) FROM transactions").toString(),
                       TestSupport::scalar("SELECT COUNT(*) FROM categories").toString()}
        .join(QLatin1Char('/'));
}

// One account, a parent and a child category, and transactions of which
// every tenth is split across both categories, all pushed to the service.
bool seedService(TestServiceProcess* service, QString* totals)
{
    SyncInstallation seed(service, QStringLiteral("u1"));
    if (!seed.open())
        return false;
    const QString stamp = QStringLiteral("'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z'");
    TestSupport::exec(QStringLiteral("BEGIN"));
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('acct', "
                                     "'Checking', %1)").arg(stamp));
    TestSupport::exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('home', "
                                     "'Home', %1)").arg(stamp));
    TestSupport::exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                                     "('garden', 'Garden', 'home', %1)").arg(stamp));
    for (int i = 0; i < kPulledTransactions; ++i) {
        const bool split = i % 10 == 0;
        TestSupport::exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, "
                                         "is_split, created_at, updated_at) VALUES ('tx-%1', 'acct', '2024-03-01', "
                                         "'Payee %1', 'memo %1', %2, %3, %4)")
                              .arg(i)
                              .arg(-1 - i)
                              .arg(split ? 1 : 0)
                              .arg(stamp));
        if (split) {
            for (const char* category : {"home", "garden"}) {
                TestSupport::exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, "
                                                 "memo, created_at, updated_at) VALUES ('%1-%2', 'tx-%1', '%2', 0, "
                                                 "'', %3)")
                                      .arg(i)
                                      .arg(QLatin1String(category))
                                      .arg(stamp));
            }
        }
    }
    TestSupport::exec(QStringLiteral("COMMIT"));
    *totals = pulledTotals();
    // 500 rows a push.
    for (int cycle = 0; cycle < 5 && !seed.transactions->findPendingSync().isEmpty(); ++cycle) {
        if (!seed.cycle())
            return false;
    }
    return seed.transactions->findPendingSync().isEmpty();
}

} // namespace

// A first pull of about 30 pages killed after a random page or at a random
// moment: what it leaves is intact, and the next cycle (from the saved
// cursor) brings every row of the service, split lines included.
void CrashSafetyTest::killedPull()
{
    TestServiceProcess service;
    QVERIFY2(service.isRunning(), qPrintable(service.errorText()));
    QString expected;
    QVERIFY(seedService(&service, &expected));
    service.control("POST", QStringLiteral("/_control/sync/pull"), {{"limit", kPullPageRows}});
    const QJsonObject tokens = service.issueTokens(QStringLiteral("u1"), 24 * 3600);

    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("tallyleaf.db"));
    QProcess child;
    child.setProgram(QStringLiteral(SYNC_CHILD));
    child.setArguments({QStringLiteral("cycle"), dir.path(), service.url().toString(),
                        tokens.value(QLatin1String("access_token")).toString(),
                        tokens.value(QLatin1String("refresh_token")).toString()});
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // Runs the cycle to its end; the number of pages it applied, -1 on failure.
    auto fullCycle = [&child]() {
        child.start();
        if (!child.waitForFinished(kLineTimeoutMs * 2) || child.exitStatus() != QProcess::NormalExit
            || child.exitCode() != 0)
            return -1;
        return int(child.readAll().count("page"));
    };
    // The totals of the database the child left, read once it is intact.
    auto leftBehind = [&path](QString* totals, QString* problem) {
        Snapshot snapshot;
        if (!inspect(path, &snapshot, problem))
            return false;
        Database reader; // the default connection, which pulledTotals() reads
        if (!reader.open(path))
            return fail(problem, QStringLiteral("cannot open ") + path);
        *totals = pulledTotals();
        return true;
    };

    QElapsedTimer clock;
    clock.start();
    const int pages = fullCycle();
    const qint64 pullMs = qMax<qint64>(clock.elapsed(), 1);
    QVERIFY2(pages > 10, qPrintable(QString::number(pages)));
    QString totals;
    QString problem;
    QVERIFY2(leftBehind(&totals, &problem), qPrintable(problem));
    QCOMPARE(totals, expected);

    QRandomGenerator random(m_seed);
    int midway = 0;
    QElapsedTimer budget;
    budget.start();
    for (int k = 0; k < kKills && budget.elapsed() < kBudgetMs; ++k) {
        for (const char* suffix : {"", "-wal", "-shm", "-journal"})
            QFile::remove(path + QLatin1String(suffix));
        child.start();
        QVERIFY(child.waitForStarted());
        QCOMPARE(nextLine(child), QByteArray("begin"));
        if (k % 2 == 1) {
            // Right after a random page: between two page transactions.
            const int target = 1 + int(random.bounded(pages - 1));
            for (int seen = 0; seen < target && !nextLine(child).isEmpty();)
                ++seen;
        } else {
            child.waitForFinished(int(random.bounded(pullMs)));
        }
        if (child.state() != QProcess::NotRunning) {
            child.kill(); // SIGKILL
            QVERIFY(child.waitForFinished(kLineTimeoutMs));
        }
        QVERIFY2(leftBehind(&totals, &problem), qPrintable(QStringLiteral("kill %1: %2").arg(k).arg(problem)));
        if (totals != expected)
            ++midway;
        QVERIFY2(fullCycle() >= 0, qPrintable(QStringLiteral("kill %1: the next cycle failed").arg(k)));
        QVERIFY2(leftBehind(&totals, &problem), qPrintable(QStringLiteral("kill %1: %2").arg(k).arg(problem)));
        QVERIFY2(totals == expected, qPrintable(QStringLiteral("kill %1 then a cycle: %2, expected %3")
                                                    .arg(k)
                                                    .arg(totals, expected)));
    }
    qInfo("pull: %d kills left a partial pull, %d pages in %lld ms", midway, pages, pullMs);
    QVERIFY(midway > 0);
}

TALLYLEAF_CORE_TEST_MAIN(CrashSafetyTest)
#include "tst_crashsafety.moc"
