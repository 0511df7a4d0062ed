#include "coretestsupport.h"

#include "data/database.h"
#include "data/registerreader.h"
#include "data/sqlitedirect.h"
#include "data/transactionrepository.h"
#include "data/transactionsearch.h"

#include <QSignalSpy>
#include <QSqlQuery>

using TestSupport::exec;
using TestSupport::scalar;

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

// Every field as text, timestamps with their time spec.
QString describe(const Transaction& t)
{
    auto stamp = [](const QDateTime& d) { return d.toString(Qt::ISODateWithMs) + QString::number(d.timeSpec()); };
    return QStringList{t.id, t.accountId, t.date.toString(Qt::ISODate), t.payee, t.memo, QString::number(t.amount),
                       t.categoryId, t.checkNumber, QString::number(t.cleared), QString::number(t.reconciled),
                       t.transferLinkId, t.transferDestAccountId, QString::number(t.isSplit), t.recurringId,
                       QString::number(t.version), syncStatusToString(t.syncStatus), t.serverId, stamp(t.createdAt),
                       stamp(t.updatedAt), t.deletedAt ? stamp(*t.deletedAt) : QStringLiteral("live")}
        .join(QLatin1Char('|'));
}

template <typename Row>
QStringList ids(const QList<Row>& rows)
{
    QStringList out;
    for (const Row& r : rows)
        out << r.id;
    return out;
}

Transaction make(const QString& id, const QString& account, const QDate& date, qint64 amount = -1,
                 const QString& payee = QStringLiteral("Payee"))
{
    Transaction t;
    t.id = id;
    t.accountId = account;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = t.updatedAt = kCreated;
    return t;
}

// The register as the plain statements give it, rows read by the record
// reader: what every register reader must reproduce.
QList<RegisterRow> plainRegister(const QString& accountId)
{
    QSqlQuery q;
    q.prepare(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"));
    q.addBindValue(accountId);
    qint64 balance = q.exec() && q.next() ? q.value(0).toLongLong() : 0;
    QList<RegisterRow> rows;
    if (balance != 0) {
        RegisterRow opening;
        q.prepare(QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                                 "ORDER BY date ASC LIMIT 1"));
        q.addBindValue(accountId);
        if (q.exec() && q.next())
            opening.date = QDate::fromString(q.value(0).toString(), QStringLiteral("yyyy-MM-dd"));
        if (!opening.date.isValid())
            opening.date = QDate::currentDate();
        opening.payee = QStringLiteral("Opening Balance");
        opening.amount = opening.runningBalance = balance;
        opening.cleared = opening.reconciled = true;
        rows << opening;
    }
    q.prepare(QStringLiteral("SELECT %1, CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM "
                             "categories p WHERE p.id = c.parent_id), '') || ' > ' || c.name ELSE c.name END "
                             "FROM transactions t LEFT JOIN categories c ON t.category_id = c.id WHERE "
                             "t.account_id = ? AND t.deleted_at IS NULL ORDER BY t.date ASC, t.created_at ASC, "
                             "t.rowid ASC")
                  .arg(QLatin1String(Columns::transaction)));
    q.addBindValue(accountId);
    q.exec();
    while (q.next()) {
        RegisterRow row;
        static_cast<Transaction&>(row) = transactionFromQuery(q);
        row.categoryName = q.value(20).toString();
        balance += row.amount;
        row.runningBalance = balance;
        rows << row;
    }
    return rows;
}

QStringList describeRows(const QList<RegisterRow>& rows)
{
    QStringList out;
    for (const RegisterRow& r : rows)
        out << describe(r) + QLatin1Char('|') + r.categoryName + QLatin1Char('|') + QString::number(r.runningBalance);
    return out;
}

} // namespace

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private:
    void add(const Transaction& t) { QVERIFY(m_repo->insert(t)); }
    void add(const QString& id, const QString& account, const QDate& date, qint64 amount = -1,
             const QString& payee = QStringLiteral("Payee"))
    {
        add(make(id, account, date, amount, payee));
    }

private slots:
    void init()
    {
        // Every expected warning is named in its test; any other fails it.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        m_db = std::make_unique<TestSupport::TempDatabase>();
        m_repo = std::make_unique<TransactionRepository>(m_db->db());
        exec(QStringLiteral("INSERT INTO accounts (id, name, starting_balance, created_at, updated_at) VALUES "
                            "('a1', 'One', 10000, 'x', 'x'), ('a2', 'Two', 0, 'x', 'x'), ('a3', 'Three', 500, 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                            "('food', 'Food', NULL, 'x', 'x'), ('groc', 'Groceries', 'food', 'x', 'x'), "
                            "('prod', 'Produce', 'groc', 'x', 'x')"));
    }
    void cleanup()
    {
        m_repo.reset();
        m_db.reset();
    }

    void insertStoresWhatItIsGiven()
    {
        Transaction t = make(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 2, 29), -12345);
        t.memo = QStringLiteral("memo");
        t.categoryId = QStringLiteral("food");
        t.checkNumber = QStringLiteral("0042");
        t.cleared = t.isSplit = true;
        t.transferLinkId = QStringLiteral("t9");
        t.transferDestAccountId = QStringLiteral("a2");
        t.recurringId = QStringLiteral("r1");
        t.version = 7;
        t.syncStatus = SyncStatus::Conflict;
        t.serverId = QStringLiteral("s1");
        t.updatedAt = kCreated.addSecs(5);
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        add(t);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a1"));
        QCOMPARE(describe(m_repo->findById(QStringLiteral("t1")).value()), describe(t));
        QCOMPARE(scalar(QStringLiteral("SELECT created_at FROM transactions")).toString(),
                 QStringLiteral("2024-01-01T12:00:00Z"));

        add(QStringLiteral("t2"), QStringLiteral("a1"), QDate(2024, 1, 1));
        QCOMPARE(scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions WHERE id = 't2'")).toInt(), 1);
    }

    void insertFailures_data()
    {
        QTest::addColumn<QString>("categoryId");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QString>("id");
        QTest::newRow("unknown category") << "nope" << QDate(2024, 1, 1) << "t2";
        QTest::newRow("invalid date") << "" << QDate() << "t2";
        QTest::newRow("duplicate id") << "" << QDate(2024, 1, 1) << "t1";
    }
    void insertFailures()
    {
        QFETCH(QString, categoryId);
        QFETCH(QDate, date);
        QFETCH(QString, id);
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1));
        Transaction t = make(id, QStringLiteral("a1"), date);
        t.categoryId = categoryId;
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .+")));
        QVERIFY(!m_repo->insert(t));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1);
    }

    void updateLeavesAccountCreationAndDeletion()
    {
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1));
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-05-01T00:00:00Z'"));
        Transaction t = make(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 6, 1), 500, QStringLiteral("New"));
        t.createdAt = kCreated.addDays(9);
        t.updatedAt = kCreated.addDays(10);
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QVERIFY(m_repo->update(t));
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a2"));
        Transaction expected = t;
        expected.accountId = QStringLiteral("a1");
        expected.createdAt = kCreated;
        expected.deletedAt = QDateTime(QDate(2024, 5, 1), QTime(0, 0), Qt::UTC);
        QCOMPARE(describe(m_repo->findById(QStringLiteral("t1")).value()), describe(expected));

        // No row with that id: still a success that announces the change.
        QVERIFY(m_repo->update(make(QStringLiteral("ghost"), QStringLiteral("a3"), QDate(2024, 1, 1))));
        QCOMPARE(spy.size(), 2);
    }

    // A stored date the program cannot read is kept, not written as NULL
    // (which the column refuses): such a row can still be cleared.
    void updateKeepsAnUnreadableDate()
    {
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1));
        exec(QStringLiteral("UPDATE transactions SET date = '2024-02-30'"));
        Transaction t = m_repo->findById(QStringLiteral("t1")).value();
        QVERIFY(!t.date.isValid());
        t.cleared = true;
        QVERIFY(m_repo->update(t));
        QCOMPARE(scalar(QStringLiteral("SELECT date || ' ' || cleared FROM transactions")).toString(),
                 QStringLiteral("2024-02-30 1"));
    }

    void softDelete()
    {
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QVERIFY(!m_repo->softDelete(QStringLiteral("ghost")));
        add(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 1, 1));
        QVERIFY(m_repo->markSynced(QStringLiteral("t1"), QStringLiteral("s")));
        QCOMPARE(spy.size(), 1); // the insert only
        QVERIFY(m_repo->softDelete(QStringLiteral("t1")));
        QCOMPARE(spy.size(), 2);
        QCOMPARE(spy.at(1).at(0).toString(), QStringLiteral("a2"));
        const Transaction r = m_repo->findById(QStringLiteral("t1")).value();
        QVERIFY(r.deletedAt.has_value());
        QCOMPARE(r.updatedAt, *r.deletedAt);
        QCOMPARE(ids(m_repo->findPendingSync()), QStringList{"t1"});
        QVERIFY(m_repo->findByAccount(QStringLiteral("a2")).isEmpty());
        QVERIFY(m_repo->findUnreconciled(QStringLiteral("a2")).isEmpty());
    }

    void cascadeAndRestoreBoundary_data()
    {
        QTest::addColumn<QString>("since");
        QTest::addColumn<int>("restored");
        QTest::newRow("ten seconds before") << "2024-05-01T09:59:50Z" << 2;
        QTest::newRow("exactly at the cutoff") << "2024-05-01T10:00:00Z" << 2;
        QTest::newRow("one second after") << "2024-05-01T10:00:01Z" << 0;
        QTest::newRow("empty cutoff restores nothing") << "" << 0;
    }
    void cascadeAndRestoreBoundary()
    {
        QFETCH(QString, since);
        QFETCH(int, restored);
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("a1")), 0);
        QCOMPARE(spy.size(), 0);
        for (const char* id : {"t1", "t2", "old"})
            add(QLatin1String(id), QStringLiteral("a1"), QDate(2024, 1, 1));
        add(QStringLiteral("other"), QStringLiteral("a2"), QDate(2024, 1, 1));
        QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("a1")), 3);
        QCOMPARE(spy.last().at(0).toString(), QStringLiteral("a1"));
        QVERIFY(!m_repo->findById(QStringLiteral("other"))->deletedAt);

        // Two rows deleted with the account, one long before.
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-05-01T10:00:00Z' WHERE account_id = 'a1'"));
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-04-01T08:00:00Z' WHERE id = 'old'"));
        spy.clear();
        QCOMPARE(m_repo->restoreByAccount(QStringLiteral("a1"), since), restored);
        QCOMPARE(spy.size(), restored > 0 ? 1 : 0);
        QCOMPARE(m_repo->findByAccount(QStringLiteral("a1")).size(), restored);
    }

    void resync()
    {
        for (const char* id : {"t1", "t2", "t3"})
            add(QLatin1String(id), QStringLiteral("a1"), QDate(2024, 1, 1));
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QCOMPARE(m_repo->markAllPendingForResync(), 0);
        for (const char* id : {"t1", "t2", "t3", "ghost"})
            QVERIFY(m_repo->markSynced(QLatin1String(id), QStringLiteral("srv")));
        QVERIFY(m_repo->softDelete(QStringLiteral("t3")));
        QVERIFY(m_repo->markSynced(QStringLiteral("t3"), QStringLiteral("srv")));
        spy.clear();
        QCOMPARE(m_repo->markAllPendingForResync(), 2);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString());
        QCOMPARE(m_repo->findById(QStringLiteral("t3"))->syncStatus, SyncStatus::Synced);
    }

    // A refused statement: the delete cascade and the resync count no row,
    // as for accounts; only the restore tells its failure apart.
    void refusedAccountWrites()
    {
        add(QStringLiteral("live"), QStringLiteral("a1"), QDate(2024, 1, 1));
        add(QStringLiteral("gone"), QStringLiteral("a1"), QDate(2024, 1, 1));
        exec(QStringLiteral("UPDATE transactions SET sync_status = 'synced'"));
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-05-01T10:00:00Z' WHERE id = 'gone'"));
        exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.transactions "
                            "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        for (const char* operation : {"softDeleteByAccount", "markAllPendingForResync", "restoreByAccount"})
            QTest::ignoreMessage(QtWarningMsg,
                                 QRegularExpression(QStringLiteral("^TransactionRepository::%1 failed: .*refused")
                                                        .arg(QLatin1String(operation))));
        QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("a1")), 0);
        QCOMPARE(m_repo->markAllPendingForResync(), 0);
        QCOMPARE(m_repo->restoreByAccount(QStringLiteral("a1"), QStringLiteral("2024-05-01T00:00:00Z")), -1);
        QCOMPARE(spy.size(), 0);
        exec(QStringLiteral("DROP TRIGGER temp.refuse"));
        QCOMPARE(scalar(QStringLiteral("SELECT group_concat(row, ', ') FROM (SELECT id || ' ' || sync_status || "
                                       "' ' || (deleted_at IS NULL) AS row FROM transactions ORDER BY id)"))
                     .toString(),
                 QStringLiteral("gone synced 0, live synced 1"));
    }

    void listOrdersBreakTiesByInsertion()
    {
        // Same date, same whole-second creation time: insertion order decides.
        for (const char* id : {"m", "b", "x"})
            add(QLatin1String(id), QStringLiteral("a1"), QDate(2024, 3, 1));
        Transaction late = make(QStringLiteral("late"), QStringLiteral("a1"), QDate(2024, 3, 2));
        late.createdAt = kCreated.addSecs(-60);
        add(late);
        Transaction reconciled = make(QStringLiteral("r"), QStringLiteral("a1"), QDate(2024, 1, 1));
        reconciled.cleared = reconciled.reconciled = true;
        add(reconciled);
        Transaction cleared = make(QStringLiteral("c"), QStringLiteral("a1"), QDate(2024, 1, 2));
        cleared.cleared = true;
        add(cleared);
        QCOMPARE(ids(m_repo->findByAccount(QStringLiteral("a1"))), (QStringList{"late", "x", "b", "m", "c", "r"}));
        QCOMPARE(ids(m_repo->findUnreconciled(QStringLiteral("a1"))), (QStringList{"c", "m", "b", "x", "late"}));
        QCOMPARE(ids(m_repo->findRegisterRows(QStringLiteral("a2"))), QStringList{});
        QCOMPARE(ids(m_repo->findRegisterRows(QStringLiteral("a1"))), (QStringList{"", "r", "c", "m", "b", "x", "late"}));
    }

    void runningBalance_data()
    {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<QStringList>("payees");
        QTest::addColumn<QList<qint64>>("balances");
        QTest::newRow("opening row") << qint64(10000) << QStringList{"Opening Balance", "plus", "minus"}
                                     << QList<qint64>{10000, 11000, 8500};
        QTest::newRow("zero start") << qint64(0) << QStringList{"plus", "minus"} << QList<qint64>{1000, -1500};
    }
    void runningBalance()
    {
        QFETCH(qint64, start);
        QFETCH(QStringList, payees);
        QFETCH(QList<qint64>, balances);
        exec(QStringLiteral("UPDATE accounts SET starting_balance = %1 WHERE id = 'a1'").arg(start));
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 3, 5), -2500, QStringLiteral("minus"));
        add(QStringLiteral("t2"), QStringLiteral("a1"), QDate(2024, 3, 1), 1000, QStringLiteral("plus"));
        add(QStringLiteral("gone"), QStringLiteral("a1"), QDate(2024, 2, 1), -999);
        QVERIFY(m_repo->softDelete(QStringLiteral("gone")));

        const QList<RegisterRow> rows = m_repo->findRegisterRows(QStringLiteral("a1"));
        QStringList gotPayees;
        QList<qint64> gotBalances;
        for (const RegisterRow& r : rows) {
            gotPayees << r.payee;
            gotBalances << r.runningBalance;
        }
        QCOMPARE(gotPayees, payees);
        QCOMPARE(gotBalances, balances);
        if (start != 0) {
            RegisterRow expected;
            expected.date = QDate(2024, 3, 1); // earliest live date, not the deleted row's
            expected.payee = QStringLiteral("Opening Balance");
            expected.amount = start;
            expected.cleared = expected.reconciled = true;
            QCOMPARE(describe(rows.first()), describe(expected));
        }
    }

    void openingRowAlone()
    {
        add(QStringLiteral("gone"), QStringLiteral("a3"), QDate(2020, 1, 1));
        QVERIFY(m_repo->softDelete(QStringLiteral("gone")));
        const QList<RegisterRow> rows = m_repo->findRegisterRows(QStringLiteral("a3"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().date, QDate::currentDate());
        QCOMPARE(rows.first().runningBalance, 500);
        QVERIFY(m_repo->findRegisterRows(QStringLiteral("nope")).isEmpty());
    }

    // The direct reader uses the connection's handle only when Qt's SQLite
    // plugin runs this program's own library build (Debian's does).
    void directReaderNeedsTheSameLibrary_data()
    {
        QTest::addColumn<QString>("sourceId"); // empty: as Qt's plugin reports it
        QTest::addColumn<QString>("extraOption");
        QTest::addColumn<bool>("same");
        QTest::newRow("the plugin's library") << "" << "" << true;
        QTest::newRow("another release")
            << "2022-06-25 14:57:57 14e166f40dbfa6e055543f8301525f2ca2e96a02a57269818b9e69e162e98918" << "" << false;
        QTest::newRow("other compile options") << "" << "OMIT_WAL" << false;
    }
    void directReaderNeedsTheSameLibrary()
    {
        QFETCH(QString, sourceId);
        QFETCH(QString, extraOption);
        QFETCH(bool, same);
        if (sourceId.isEmpty())
            sourceId = scalar(QStringLiteral("SELECT sqlite_source_id()")).toString();
        QStringList options;
        QSqlQuery q(QSqlDatabase::database());
        QVERIFY(q.exec(QStringLiteral("PRAGMA compile_options")));
        while (q.next())
            options << q.value(0).toString();
        if (!extraOption.isEmpty())
            options << extraOption;
        QCOMPARE(sameSqliteBuild(sourceId, options), same);
        QVERIFY(sharesSqliteLibrary(m_db->db()->database()));
    }

    // The register reads through SQLite's C API with the category texts
    // looked up in memory, or through QSqlQuery on any other connection; both
    // must give what the plain statement gives, odd stored values included.
    void registerAgreesWithPlainStatement_data()
    {
        QTest::addColumn<int>("reader");
        QTest::newRow("repository") << 0;
        QTest::newRow("direct reader") << 1;
        QTest::newRow("query reader") << 2;
    }
    void registerAgreesWithPlainStatement()
    {
        QFETCH(int, reader);
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
        exec(QStringLiteral(
            "INSERT INTO categories (id, name, parent_id, deleted_at, created_at, updated_at) VALUES "
            "('orphan', 'Orphan', 'missing', NULL, 'x', 'x'), ('old', 'Old', NULL, 'y', 'x', 'x'), "
            "('cafe', 'Café', 'food', NULL, 'x', 'x'), ('odd', CAST(x'80C3' AS TEXT), 'food', NULL, 'x', 'x'), "
            "(x'6263', 'Blob', NULL, NULL, 'x', 'x'), ('kid', 'Kid', x'6263', NULL, 'x', 'x'), "
            "('bin', x'4E616D65', NULL, NULL, 'x', 'x'), (NULL, 'No id', NULL, NULL, 'x', 'x')"));
        // id, date, payee, memo, amount, category, check number, cleared, reconciled, version, sync status,
        // created, updated; the two "tie" rows share date and creation second, inserted b before a.
        const char* rows[] = {
            "'plain', '2024-03-01', 'Shop', 'm', -500, 'groc', '101', 1, 0, 1, 'pending', "
            "'2024-03-01T10:00:00Z', '2024-03-01T10:00:00Z'",
            "'tie-b', '2024-03-02', 'Shop', '', 1, 'prod', NULL, 0, 0, 1, 'synced', '2024-03-02T10:00:00Z', "
            "'2024-03-05T10:00:00Z'",
            "'tie-a', '2024-03-02', 'Café', CAST(x'61C3' AS TEXT), 2, 'cafe', x'3432', 0, 1, 3, 'conflict', "
            "'2024-03-02T10:00:00Z', '2024-03-02T10:00:00Z'",
            "'late-date', '2023-12-31x', 'Early', NULL, 3, 'old', '', 'yes', 2, 2.9, 'Synced', "
            "'2024-02-30T10:00:00Z', ''",
            "'short-date', '2024-3-2', x'416D617A6F6E', 'm', 12.7, 'orphan', NULL, 0, 0, 'x', 'odd', "
            "'2024-01-01 10:00:00', '2024-01-01T24:00:00Z'",
            "'text-amount', '2024-03-03', 'Shop', 'm', '12abc', x'6263', NULL, 1, 1, 1, 'pending', "
            "'2024-01-01T10:00:00+02:00', '2024-01-01T10:00:00+02:00'",
            "'blob-text', '2024-03-03', 'Shop', 'm', 7, 'bc', NULL, 1, 1, 1, 'pending', '', ''",
            "'kid', '2024-03-04', 'Shop', 'm', 8, 'kid', NULL, 0, 0, 1, 'pending', '2024-03-04T00:00:00Z', "
            "'2024-03-04T00:00:00Z'",
            "'bin', '2024-03-04', 'Shop', 'm', 9, 'bin', NULL, 0, 0, 1, 'pending', '2024-03-04T00:00:00Z', "
            "'2024-03-04T00:00:00Z'",
            "'odd', '2024-03-04', 'Shop', 'm', 10, 'odd', NULL, 0, 0, 1, 'pending', '2024-03-04T00:00:01Z', "
            "'2024-03-04T00:00:01Z'",
            "'missing', '2024-03-05', 'Shop', 'm', 11, 'nope', NULL, 0, 0, 1, 'pending', '2024-03-05T00:00:00Z', "
            "'2024-03-05T00:00:00Z'",
        };
        for (const char* row : rows) {
            exec(QStringLiteral("INSERT INTO transactions (id, date, payee, memo, amount, category_id, "
                                "check_number, cleared, reconciled, version, sync_status, created_at, updated_at, "
                                "account_id, transfer_link_id, server_id) VALUES (%1, 'a1', 'link', 'srv')")
                     .arg(QLatin1String(row)));
        }
        add(QStringLiteral("gone"), QStringLiteral("a1"), QDate(2020, 1, 1));
        QVERIFY(m_repo->softDelete(QStringLiteral("gone")));
        add(QStringLiteral("other"), QStringLiteral("a2"), QDate(2020, 1, 1));

        QList<RegisterRow> expected = plainRegister(QStringLiteral("a1"));
        QCOMPARE(expected.size(), 12);
        // The earliest stored date does not have the strict shape: dated today.
        QCOMPARE(expected.first().date, QDate::currentDate());
        QList<RegisterRow> got;
        if (reader == 0) {
            got = m_repo->findRegisterRows(QStringLiteral("a1"));
        } else {
            expected.removeFirst();
            for (RegisterRow& row : expected)
                row.runningBalance = 0;
            if (reader == 1)
                QVERIFY(readRegisterRowsDirect(m_db->db()->database(), QStringLiteral("a1"), got));
            else
                readRegisterRowsWithQuery(m_db->db()->database(), QStringLiteral("a1"), got);
        }
        const QStringList want = describeRows(expected);
        const QStringList have = describeRows(got);
        QCOMPARE(have.size(), want.size());
        for (qsizetype i = 0; i < want.size(); ++i)
            QCOMPARE(have.at(i), want.at(i));
    }

    void categoryText_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("text");
        QTest::newRow("top level") << "food" << "Food";
        QTest::newRow("subcategory") << "groc" << "Food > Groceries";
        QTest::newRow("one parent level only") << "prod" << "Groceries > Produce";
        QTest::newRow("missing parent") << "orphan" << " > Orphan";
        QTest::newRow("soft-deleted category") << "old" << "Old";
        QTest::newRow("none") << "" << "";
    }
    void categoryText()
    {
        QFETCH(QString, category);
        QFETCH(QString, text);
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
        exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, deleted_at, created_at, updated_at) VALUES "
                            "('orphan', 'Orphan', 'missing', NULL, 'x', 'x'), ('old', 'Old', NULL, 'y', 'x', 'x')"));
        exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        Transaction t = make(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 1, 1));
        t.categoryId = category;
        add(t);
        QCOMPARE(m_repo->findRegisterRows(QStringLiteral("a2")).value(0).categoryName, text);
        const QList<RegisterRow> found = m_repo->search(QStringLiteral("payee"), {});
        QCOMPARE(found.value(0).categoryName, text);
        QCOMPARE(found.value(0).runningBalance, 0);
    }

    void ftsExpression_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expression");
        QTest::newRow("two words") << "Coffee shop" << R"("Coffee"* "shop"*)";
        QTest::newRow("ampersand") << "AT&T" << R"("AT"* "T"*)";
        QTest::newRow("accented") << "Café" << R"("Café"*)";
        QTest::newRow("check number") << "#1042" << R"("1042"*)";
        QTest::newRow("operators stay words") << "Barnes AND Noble" << R"("Barnes"* "AND"* "Noble"*)";
        QTest::newRow("quotes dropped") << R"(say "hi")" << R"("say"* "hi"*)";
        QTest::newRow("spaces and dashes") << " - -- " << "";
        // U+10400, a letter outside the Basic Multilingual Plane; U+1F600, an emoji.
        QTest::newRow("supplementary letter") << QStringLiteral("a\U00010400b") << QStringLiteral("\"a\U00010400b\"*");
        QTest::newRow("emoji separates") << QStringLiteral("dog\U0001F600food") << R"("dog"* "food"*)";
        QTest::newRow("broken surrogate") << QStringLiteral("ab") + QChar(0xD800) + QStringLiteral("cd")
                                          << R"("ab"* "cd"*)";
    }
    void ftsExpression()
    {
        QFETCH(QString, text);
        QFETCH(QString, expression);
        QCOMPARE(buildFtsMatchExpression(text), expression);
    }

    void searchWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("prefix, deleted left out") << "gro" << QStringList{"t3"};
        QTest::newRow("all words, any column and case") << "COFFEE shop" << QStringList{"t5", "t4"};
        QTest::newRow("check number") << "1042" << QStringList{"t6"};
        QTest::newRow("AND as a word") << "Barnes AND Noble" << QStringList{"t1"};
        QTest::newRow("OR as a word") << "OR" << QStringList{"t7"};
        QTest::newRow("NOT as a word") << "not" << QStringList{"t7"};
        QTest::newRow("ampersand") << "AT&T" << QStringList{"t2"};
        QTest::newRow("no words: filter only") << " - " << QStringList{"t7", "t6", "t5", "t4", "t3", "t2", "t1"};
        QTest::newRow("no hit") << "zzz" << QStringList{};
    }
    void searchWords()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const char* rows[][3] = {{"Barnes and Noble", "books", ""}, {"AT&T", "phone bill", ""},
                                 {"Groceries R Us", "weekly", ""},  {"Coffee Shop", "", ""},
                                 {"Shop", "coffee beans", ""},      {"Corner Store", "", "1042"},
                                 {"OR NOT Inc", "", ""},            {"Groceries gone", "", ""}};
        for (int i = 0; i < 8; ++i) {
            Transaction t = make(QStringLiteral("t%1").arg(i + 1), QStringLiteral("a2"), QDate(2024, 1, 1 + i), 1,
                                 QLatin1String(rows[i][0]));
            t.memo = QLatin1String(rows[i][1]);
            t.checkNumber = QLatin1String(rows[i][2]);
            add(t);
        }
        QVERIFY(m_repo->softDelete(QStringLiteral("t8")));
        QCOMPARE(ids(m_repo->search(text, {})), expected);
    }

    void searchFilters_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("cleared"); // -1 either
        QTest::addColumn<QStringList>("expected");
        const QDate open;
        QTest::newRow("account") << "a1" << "" << open << open << -1 << QStringList{"t4", "t2"};
        // Not a subcategory's rows; a split transaction by its lines.
        QTest::newRow("category") << "" << "food" << open << open << -1 << QStringList{"t3", "t1"};
        QTest::newRow("a split line's category") << "" << "prod" << open << open << -1 << QStringList{"t3"};
        QTest::newRow("from, inclusive") << "" << "" << QDate(2024, 1, 3) << open << -1 << QStringList{"t4", "t3"};
        QTest::newRow("to only") << "" << "" << open << QDate(2024, 1, 2) << -1 << QStringList{"t2", "t1"};
        QTest::newRow("uncleared") << "" << "" << open << open << 0 << QStringList{"t3", "t2"};
        QTest::newRow("cleared") << "" << "" << open << open << 1 << QStringList{"t4", "t1"};
        QTest::newRow("together") << "a1" << "" << QDate(2024, 1, 2) << QDate(2024, 1, 4) << 1 << QStringList{"t4"};
    }
    void searchFilters()
    {
        QFETCH(QString, account);
        QFETCH(QString, category);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, cleared);
        QFETCH(QStringList, expected);
        for (int i = 1; i <= 4; ++i) {
            Transaction t = make(QStringLiteral("t%1").arg(i), i % 2 ? QStringLiteral("a2") : QStringLiteral("a1"),
                                 QDate(2024, 1, i));
            t.categoryId = i == 1 ? QStringLiteral("food") : i == 2 ? QStringLiteral("groc") : QString();
            t.cleared = i == 1 || i == 4;
            t.isSplit = i == 3;
            add(t);
        }
        // Lines, and a stray one of a transaction that is not split.
        exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                            "VALUES ('l1', 't3', 'food', -1, 'x', 'x'), ('l2', 't3', 'prod', 0, 'x', 'x'), "
                            "('l3', 't4', 'prod', -1, 'x', 'x')"));
        TransactionSearchFilter filter;
        filter.accountId = account;
        filter.categoryId = category;
        filter.dateFrom = from;
        filter.dateTo = to;
        if (cleared >= 0)
            filter.cleared = cleared == 1;
        QCOMPARE(ids(m_repo->search(QString(), filter)), expected);
    }

    // The search picks among statements by estimated cost (the rows below
    // lead it to each of them); all must give the plain statement's rows.
    void searchPlansAgree_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("cleared");
        QTest::newRow("common word") << "common" << "" << "" << -1;
        QTest::newRow("rare word") << "rare" << "" << "" << -1;
        QTest::newRow("large account") << "" << "a1" << "" << -1;
        QTest::newRow("small account") << "" << "a2" << "" << -1;
        QTest::newRow("common word, small account") << "common" << "a2" << "" << -1;
        QTest::newRow("rare word, large account") << "rare" << "a1" << "" << 1;
        QTest::newRow("large category") << "" << "" << "food" << -1;
        QTest::newRow("small category") << "" << "" << "groc" << -1;
        QTest::newRow("common word, small category") << "common" << "" << "groc" << 0;
        QTest::newRow("everything") << "comm" << "a1" << "food" << 0;
    }
    void searchPlansAgree()
    {
        QFETCH(QString, text);
        QFETCH(QString, account);
        QFETCH(QString, category);
        QFETCH(int, cleared);
        QVERIFY(m_db->db()->database().transaction());
        for (int i = 0; i < 600; ++i) {
            Transaction t = make(QStringLiteral("t%1").arg(i), i % 60 == 7 ? QStringLiteral("a2") : QStringLiteral("a1"),
                                 QDate(2024, 1, 1).addDays(i % 97), 1, QStringLiteral("Common payee"));
            t.memo = i % 150 == 3 ? QStringLiteral("rare") : QString();
            t.categoryId = i % 100 == 5 ? QStringLiteral("groc") : i % 2 ? QStringLiteral("food") : QString();
            t.isSplit = i % 100 == 8;
            t.cleared = i % 3 == 0;
            t.createdAt = kCreated.addSecs(i % 5);
            add(t);
        }
        exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                            "SELECT id, id, 'groc', amount, 'x', 'x' FROM transactions WHERE is_split = 1"));
        QVERIFY(m_db->db()->database().commit());

        TransactionSearchFilter filter;
        filter.accountId = account;
        filter.categoryId = category;
        QString sql = text.isEmpty() ? QStringLiteral("SELECT t.id FROM transactions t WHERE t.deleted_at IS NULL")
                                     : QStringLiteral("SELECT t.id FROM transactions t JOIN transactions_fts fts ON "
                                                      "fts.rowid = t.rowid WHERE t.deleted_at IS NULL AND "
                                                      "transactions_fts MATCH '%1*'")
                                           .arg(text);
        if (!account.isEmpty())
            sql += QStringLiteral(" AND t.account_id = '%1'").arg(account);
        if (!category.isEmpty())
            sql += QStringLiteral(" AND (t.category_id = '%1' OR (t.is_split = 1 AND EXISTS (SELECT 1 FROM "
                                  "split_lines s WHERE s.transaction_id = t.id AND s.category_id = '%1')))")
                       .arg(category);
        if (cleared >= 0) {
            filter.cleared = cleared == 1;
            sql += QStringLiteral(" AND t.cleared = %1").arg(cleared);
        }
        QSqlQuery q(m_db->db()->database());
        QVERIFY(q.exec(sql + QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 200")));
        QStringList expected;
        while (q.next())
            expected << q.value(0).toString();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(ids(m_repo->search(text, filter)), expected);
    }

    // Common words are found by reading rows and tokenizing their texts
    // with the index's own tokenizer; whatever the text and the filter, that
    // must give exactly the index's rows, order and ties included.
    void wordScanAgreesWithIndex_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("cleared");
        QTest::addColumn<bool>("dates");
        QTest::newRow("one letter, more than 200 hits") << "s" << "" << "" << -1 << false;
        QTest::newRow("case and diacritics folded") << "CAFE" << "" << "" << -1 << false;
        QTest::newRow("accented word") << "café" << "" << "" << -1 << false;
        QTest::newRow("sharp s") << "straß" << "" << "" << -1 << false;
        QTest::newRow("dotted capital I") << "İST" << "" << "" << -1 << false;
        QTest::newRow("ligature") << "ﬁ" << "" << "" << -1 << false;
        QTest::newRow("roman numeral") << "ⅻ" << "" << "" << -1 << false;
        QTest::newRow("CJK run, prefix only") << "東京" << "" << "" << -1 << false;
        QTest::newRow("words in different columns") << "o 10" << "" << "" << -1 << false;
        QTest::newRow("digits inside a word") << "x10" << "" << "" << -1 << false;
        QTest::newRow("account") << "s" << "a1" << "" << -1 << false;
        QTest::newRow("category") << "n" << "" << "food" << -1 << false;
        QTest::newRow("rarer word, category with split lines") << "coffee" << "" << "groc" << -1 << false;
        QTest::newRow("account, category, cleared") << "s" << "a2" << "groc" << 1 << false;
        QTest::newRow("dates, uncleared") << "a" << "" << "" << 0 << true;
    }
    void wordScanAgreesWithIndex()
    {
        QFETCH(QString, text);
        QFETCH(QString, account);
        QFETCH(QString, category);
        QFETCH(int, cleared);
        QFETCH(bool, dates);
        const char* payees[] = {"Shell", "Café Nero", "CAFE", "Straße", "strasse", "İstanbul", "ﬁsh market",
                                "Ⅻ Club", "東京タワー", "O'Brien", "AT&T", "x1042y", "Señor Sushi", "naïve"};
        const char* memos[] = {"", "coffee", "1042 first", "so-so", "東京駅", "Ünïcode"};
        QVERIFY(m_db->db()->database().transaction());
        for (int i = 0; i < 700; ++i) {
            Transaction t = make(QStringLiteral("t%1").arg(i), i % 3 ? QStringLiteral("a1") : QStringLiteral("a2"),
                                 QDate(2024, 1, 1).addDays(i % 23), 1, QString::fromUtf8(payees[i % 14]));
            t.memo = QString::fromUtf8(memos[i % 6]);
            t.checkNumber = i % 9 == 0 ? QString::number(1000 + i) : QString();
            t.categoryId = i % 4 == 1 ? QStringLiteral("groc") : i % 2 ? QStringLiteral("food") : QString();
            t.isSplit = i % 8 == 2;
            t.cleared = i % 5 < 3;
            // Creation times out of insertion order, many equal.
            t.createdAt = kCreated.addSecs((i * 7) % 11);
            add(t);
        }
        exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                            "SELECT id, id, 'groc', amount, 'x', 'x' FROM transactions WHERE is_split = 1"));
        QVERIFY(m_db->db()->database().commit());
        QVERIFY(m_repo->softDelete(QStringLiteral("t0")));

        TransactionSearchFilter filter;
        filter.accountId = account;
        filter.categoryId = category;
        if (cleared >= 0)
            filter.cleared = cleared == 1;
        if (dates) {
            filter.dateFrom = QDate(2024, 1, 3);
            filter.dateTo = QDate(2024, 1, 17);
        }
        QSqlDatabase& db = m_db->db()->database();
        QVERIFY(canScanWords(db, text));
        const QStringList fromIndex = ids(searchTransactions(db, text, filter, SearchMethod::FullTextIndex));
        QVERIFY(!fromIndex.isEmpty());
        QCOMPARE(ids(searchTransactions(db, text, filter, SearchMethod::WordScan)), fromIndex);
        QCOMPARE(ids(m_repo->search(text, filter)), fromIndex);
    }

    void searchLimitIndexAndTies()
    {
        QVERIFY(m_db->db()->database().transaction());
        for (int i = 0; i < 250; ++i)
            add(QStringLiteral("t%1").arg(i), QStringLiteral("a2"), QDate(2024, 1, 1), 1, QStringLiteral("Old Name"));
        QVERIFY(m_db->db()->database().commit());
        const QList<RegisterRow> found = m_repo->search(QString(), {});
        QCOMPARE(found.size(), 200);
        QCOMPARE(found.first().id, QStringLiteral("t249")); // last inserted first
        QCOMPARE(found.last().id, QStringLiteral("t50"));

        // The full-text index follows updates and deletions.
        Transaction t = m_repo->findById(QStringLiteral("t7")).value();
        t.payee = QStringLiteral("New Name");
        QVERIFY(m_repo->update(t));
        QCOMPARE(m_repo->search(QStringLiteral("old"), {}).size(), 200);
        QCOMPARE(ids(m_repo->search(QStringLiteral("new"), {})), QStringList{"t7"});
        QVERIFY(m_repo->softDelete(QStringLiteral("t7")));
        QVERIFY(m_repo->search(QStringLiteral("new"), {}).isEmpty());
    }

    void payees()
    {
        int n = 0;
        for (const char* payee : {"amazon", "Zeta", "Amazon", "", "beta", "Amazon", "Ghost"}) {
            ++n;
            add(QStringLiteral("t%1").arg(n), n % 2 ? QStringLiteral("a1") : QStringLiteral("a2"), QDate(2024, 1, 1), 1,
                QLatin1String(payee));
        }
        QVERIFY(m_repo->softDelete(QStringLiteral("t7")));
        const QStringList expected{"Amazon", "Zeta", "amazon", "beta"};
        QCOMPARE(m_repo->distinctPayees(), expected);
        QCOMPARE(m_repo->payeesForAccount(QStringLiteral("a1")), expected);
        QCOMPARE(m_repo->payeesForAccount(QStringLiteral("a3")), expected);
    }

    void lastByPayee_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("expected");
        QTest::newRow("newest live of the account") << "Amazon" << "a1" << "t2";
        QTest::newRow("exact letter case") << "amazon" << "a1" << "";
        QTest::newRow("other account") << "Amazon" << "a3" << "";
        QTest::newRow("tie on date and second") << "Tie" << "a1" << "t6";
    }
    void lastByPayee()
    {
        QFETCH(QString, payee);
        QFETCH(QString, account);
        QFETCH(QString, expected);
        const QString amazon = QStringLiteral("Amazon");
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1), 1, amazon);
        add(QStringLiteral("t2"), QStringLiteral("a1"), QDate(2024, 2, 1), 2, amazon);
        add(QStringLiteral("t3"), QStringLiteral("a2"), QDate(2024, 3, 1), 3, amazon);
        add(QStringLiteral("t4"), QStringLiteral("a1"), QDate(2024, 4, 1), 4, amazon);
        QVERIFY(m_repo->softDelete(QStringLiteral("t4")));
        add(QStringLiteral("t5"), QStringLiteral("a1"), QDate(2024, 1, 1), 5, QStringLiteral("Tie"));
        add(QStringLiteral("t6"), QStringLiteral("a1"), QDate(2024, 1, 1), 6, QStringLiteral("Tie"));
        const std::optional<Transaction> found = m_repo->findLastByPayee(payee, account);
        QCOMPARE(found ? found->id : QString(), expected);
    }

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
};

TALLYLEAF_CORE_TEST_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
