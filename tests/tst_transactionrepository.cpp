#include "testsupport.h"

#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QSignalSpy>

using TestSupport::exec;
using TestSupport::scalar;

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

Transaction makeTransaction(const QString& id, const QString& account, const QDate& date, qint64 amount = -100)
{
    Transaction t;
    t.id = id;
    t.accountId = account;
    t.date = date;
    t.payee = QStringLiteral("Payee ") + id;
    t.amount = amount;
    t.createdAt = kCreated;
    t.updatedAt = kCreated;
    return t;
}

QStringList ids(const QList<Transaction>& rows)
{
    QStringList out;
    for (const Transaction& t : rows)
        out << t.id;
    return out;
}

} // namespace

class TestTransactionRepository : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        // Every expected warning is named in its test; any other fails it.
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        m_db = std::make_unique<TestSupport::TempDatabase>();
        m_repo = std::make_unique<TransactionRepository>(m_db->db());
        exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                            "('a1', 'One', 'x', 'x'), ('a2', 'Two', 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c1', 'Food', 'x', 'x')"));
    }
    void cleanup()
    {
        m_repo.reset();
        m_db.reset();
    }

    void insertKeepsEveryField()
    {
        Transaction t = makeTransaction(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 2, 29), -12345);
        t.memo = QStringLiteral("memo");
        t.categoryId = QStringLiteral("c1");
        t.checkNumber = QStringLiteral("0042");
        t.cleared = true;
        t.transferLinkId = QStringLiteral("t9");
        t.transferDestAccountId = QStringLiteral("a2");
        t.isSplit = true;
        t.recurringId = QStringLiteral("r1");
        t.version = 7;
        t.syncStatus = SyncStatus::Conflict;
        t.serverId = QStringLiteral("s1");
        t.updatedAt = kCreated.addSecs(5);
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QVERIFY(m_repo->insert(t));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a1"));

        const Transaction r = m_repo->findById(QStringLiteral("t1")).value();
        QCOMPARE(r.date, t.date);
        QCOMPARE(r.memo, t.memo);
        QCOMPARE(r.amount, t.amount);
        QCOMPARE(r.categoryId, t.categoryId);
        QCOMPARE(r.checkNumber, t.checkNumber);
        QVERIFY(r.cleared && !r.reconciled && r.isSplit);
        QCOMPARE(r.transferLinkId, t.transferLinkId);
        QCOMPARE(r.transferDestAccountId, t.transferDestAccountId);
        QCOMPARE(r.recurringId, t.recurringId);
        QCOMPARE(r.version, 7);
        QCOMPARE(r.syncStatus, SyncStatus::Conflict);
        QCOMPARE(r.serverId, t.serverId);
        QCOMPARE(r.createdAt, kCreated);
        QCOMPARE(r.updatedAt, t.updatedAt);
        QVERIFY(!r.deletedAt);
        QCOMPARE(scalar(QStringLiteral("SELECT created_at FROM transactions")).toString(),
                 QStringLiteral("2024-01-01T12:00:00Z"));
    }

    void emptyCategoryIsStoredAsNull()
    {
        QVERIFY(m_repo->insert(makeTransaction(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1))));
        QCOMPARE(scalar(QStringLiteral("SELECT category_id IS NULL FROM transactions")).toInt(), 1);
        QVERIFY(m_repo->findById(QStringLiteral("t1"))->categoryId.isEmpty());
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
        QVERIFY(m_repo->insert(makeTransaction(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1))));
        Transaction t = makeTransaction(id, QStringLiteral("a1"), date);
        t.categoryId = categoryId;
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed: .+")));
        QVERIFY(!m_repo->insert(t));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1);
    }

    void updateLeavesAccountCreationAndDeletion()
    {
        QVERIFY(m_repo->insert(makeTransaction(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1))));
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-05-01T00:00:00Z'"));
        Transaction t = makeTransaction(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 6, 1), 500);
        t.createdAt = kCreated.addDays(9);
        t.updatedAt = kCreated.addDays(10);
        t.deletedAt.reset();
        t.payee = QStringLiteral("Changed");
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QVERIFY(m_repo->update(t));
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a2"));

        const Transaction r = m_repo->findById(QStringLiteral("t1")).value();
        QCOMPARE(r.accountId, QStringLiteral("a1"));
        QCOMPARE(r.createdAt, kCreated);
        QCOMPARE(r.deletedAt.value(), QDateTime(QDate(2024, 5, 1), QTime(0, 0), Qt::UTC));
        QCOMPARE(r.payee, QStringLiteral("Changed"));
        QCOMPARE(r.amount, 500);
        QCOMPARE(r.updatedAt, t.updatedAt);

        // No row with that id: still a success that announces the change.
        QVERIFY(m_repo->update(makeTransaction(QStringLiteral("ghost"), QStringLiteral("a2"), QDate(2024, 1, 1))));
        QCOMPARE(spy.size(), 2);
    }

    void softDelete()
    {
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QVERIFY(!m_repo->softDelete(QStringLiteral("ghost")));
        QCOMPARE(spy.size(), 0);

        QVERIFY(m_repo->insert(makeTransaction(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 1, 1))));
        exec(QStringLiteral("UPDATE transactions SET sync_status = 'synced'"));
        spy.clear();
        QVERIFY(m_repo->softDelete(QStringLiteral("t1")));
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a2"));
        const Transaction r = m_repo->findById(QStringLiteral("t1")).value();
        QVERIFY(r.deletedAt.has_value());
        QCOMPARE(r.syncStatus, SyncStatus::Pending);
        QCOMPARE(r.updatedAt, *r.deletedAt);
        QVERIFY(m_repo->findByAccount(QStringLiteral("a2")).isEmpty());
        QVERIFY(m_repo->findUnreconciled(QStringLiteral("a2")).isEmpty());
        QCOMPARE(ids(m_repo->findPendingSync()), QStringList{QStringLiteral("t1")});
        QVERIFY(m_repo->softDelete(QStringLiteral("t1"))); // again: stamped anew
    }

    void cascadeCounts()
    {
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("a1")), 0);
        QCOMPARE(spy.size(), 0);
        for (const char* id : {"t1", "t2", "t3"})
            QVERIFY(m_repo->insert(makeTransaction(QLatin1String(id), QStringLiteral("a1"), QDate(2024, 1, 1))));
        QVERIFY(m_repo->insert(makeTransaction(QStringLiteral("t4"), QStringLiteral("a2"), QDate(2024, 1, 1))));
        spy.clear();
        QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("a1")), 3);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("a1"));
        QCOMPARE(m_repo->findByAccount(QStringLiteral("a2")).size(), 1);
    }

    void restoreBoundary_data()
    {
        QTest::addColumn<QString>("since");
        QTest::addColumn<int>("restored");
        QTest::newRow("ten seconds before") << "2024-05-01T09:59:50Z" << 2;
        QTest::newRow("exactly at the cutoff") << "2024-05-01T10:00:00Z" << 2;
        QTest::newRow("one second after") << "2024-05-01T10:00:01Z" << 0;
    }
    void restoreBoundary()
    {
        QFETCH(QString, since);
        QFETCH(int, restored);
        for (const char* id : {"t1", "t2", "old"})
            QVERIFY(m_repo->insert(makeTransaction(QLatin1String(id), QStringLiteral("a1"), QDate(2024, 1, 1))));
        // Two rows deleted with the account, one long before.
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-05-01T10:00:00Z'"));
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-04-01T08:00:00Z' WHERE id = 'old'"));
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QCOMPARE(m_repo->restoreByAccount(QStringLiteral("a1"), since), restored);
        QCOMPARE(spy.size(), restored > 0 ? 1 : 0);
        QCOMPARE(m_repo->findByAccount(QStringLiteral("a1")).size(), restored);
        QVERIFY(m_repo->findById(QStringLiteral("old"))->deletedAt.has_value());
    }

    void resyncAndMarkSynced()
    {
        for (const char* id : {"t1", "t2", "t3"})
            QVERIFY(m_repo->insert(makeTransaction(QLatin1String(id), QStringLiteral("a1"), QDate(2024, 1, 1))));
        QSignalSpy spy(m_repo.get(), &TransactionRepository::transactionsChanged);
        QCOMPARE(m_repo->markAllPendingForResync(), 0);
        for (const char* id : {"t1", "t2", "t3"})
            QVERIFY(m_repo->markSynced(QLatin1String(id), QStringLiteral("srv-") + QLatin1String(id)));
        QVERIFY(m_repo->markSynced(QStringLiteral("ghost"), QStringLiteral("x")));
        QCOMPARE(spy.size(), 0);
        QCOMPARE(m_repo->findById(QStringLiteral("t2"))->serverId, QStringLiteral("srv-t2"));
        QCOMPARE(m_repo->findById(QStringLiteral("t2"))->version, 1);
        exec(QStringLiteral("UPDATE transactions SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 't3'"));

        QCOMPARE(m_repo->markAllPendingForResync(), 2);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(spy.at(0).at(0).toString(), QString());
        QCOMPARE(m_repo->findById(QStringLiteral("t3"))->syncStatus, SyncStatus::Synced);
    }

    void listOrdersBreakTiesByInsertion()
    {
        // Same date and the same whole-second creation time: insertion order
        // decides, reversed for the newest-first list.
        Transaction late = makeTransaction(QStringLiteral("z-late"), QStringLiteral("a1"), QDate(2024, 3, 2));
        late.createdAt = kCreated.addSecs(-60);
        const QStringList tied = {QStringLiteral("m"), QStringLiteral("b"), QStringLiteral("x")};
        for (const QString& id : tied)
            QVERIFY(m_repo->insert(makeTransaction(id, QStringLiteral("a1"), QDate(2024, 3, 1))));
        QVERIFY(m_repo->insert(late));
        Transaction reconciled = makeTransaction(QStringLiteral("r"), QStringLiteral("a1"), QDate(2024, 1, 1));
        reconciled.cleared = reconciled.reconciled = true;
        QVERIFY(m_repo->insert(reconciled));
        Transaction cleared = makeTransaction(QStringLiteral("c"), QStringLiteral("a1"), QDate(2024, 1, 2));
        cleared.cleared = true;
        QVERIFY(m_repo->insert(cleared));

        QCOMPARE(ids(m_repo->findByAccount(QStringLiteral("a1"))),
                 (QStringList{"z-late", "x", "b", "m", "c", "r"}));
        QCOMPARE(ids(m_repo->findUnreconciled(QStringLiteral("a1"))), (QStringList{"c", "m", "b", "x", "z-late"}));
        QVERIFY(m_repo->findByAccount(QStringLiteral("a2")).isEmpty());
    }

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
};

TALLYLEAF_TEST_MAIN(TestTransactionRepository)
#include "tst_transactionrepository.moc"
