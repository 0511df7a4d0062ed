#include "coretestsupport.h"

#include "data/database.h"
#include "data/reconciliationrepository.h"
#include "data/sqlvalue.h"

#include <QSignalSpy>

namespace {

const QDateTime kCompleted(QDate(2024, 3, 5), QTime(10, 0, 0), Qt::UTC);

void addAccount(const QString& id)
{
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                     "VALUES ('%1', '%1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(id));
}

Reconciliation makeReconciliation(const QString& id, const QDate& statementDate,
                                  const QString& accountId = QStringLiteral("acc"))
{
    Reconciliation r;
    r.id = id;
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = 150000;
    r.reconciledBalance = 149950;
    r.completedAt = kCompleted;
    r.createdAt = kCompleted;
    r.updatedAt = kCompleted;
    return r;
}

QString describe(const Reconciliation& r)
{
    return QStringList{r.id, r.accountId, r.statementDate.toString(Qt::ISODate), QString::number(r.statementBalance),
                       QString::number(r.reconciledBalance), SqlValue::timestampText(r.completedAt),
                       QString::number(r.version), syncStatusToString(r.syncStatus), r.serverId,
                       SqlValue::timestampText(r.createdAt), SqlValue::timestampText(r.updatedAt),
                       r.deletedAt ? SqlValue::timestampText(*r.deletedAt) : "-"}
        .join(QLatin1Char('|'));
}

QStringList ids(const QList<Reconciliation>& list)
{
    QStringList out;
    for (const Reconciliation& r : list)
        out << r.id;
    return out;
}

} // namespace

class TestReconciliationRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void insertFillsMissingTimes();
    void roundTripKeepsValues();
    void findByAccountAndLatest();
    void updateMovesAccountKeepsCreatedAndDeleted();
    void cascadeDeleteAndRestore_data();
    void cascadeDeleteAndRestore();
    void markSyncedAndResync();
    void refusedAccountWrites();

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<ReconciliationRepository> m_repo;
};

void TestReconciliationRepository::init()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_repo = std::make_unique<ReconciliationRepository>(m_db->db());
    addAccount(QStringLiteral("acc"));
}

void TestReconciliationRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

void TestReconciliationRepository::insertFillsMissingTimes()
{
    Reconciliation r = makeReconciliation(QStringLiteral("r1"), QDate(2024, 2, 29));
    r.createdAt = QDateTime();
    r.updatedAt = QDateTime();
    const QDateTime before = SqlValue::toTimestamp(SqlValue::nowText());
    QSignalSpy spy(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(m_repo->insert(r));
    const QDateTime after = QDateTime::currentDateTimeUtc();
    QCOMPARE(spy.count(), 1);

    const std::optional<Reconciliation> b = m_repo->findById(QStringLiteral("r1"));
    QVERIFY(b);
    QVERIFY(b->createdAt.isValid());
    QCOMPARE(b->updatedAt, b->createdAt);
    QVERIFY(b->createdAt >= before && b->createdAt <= after);
    QVERIFY(TestSupport::scalar(QStringLiteral("SELECT created_at FROM reconciliations"))
                .toString()
                .endsWith(QLatin1Char('Z')));
}

void TestReconciliationRepository::roundTripKeepsValues()
{
    Reconciliation r = makeReconciliation(QStringLiteral("r1"), QDate(2024, 1, 31));
    r.statementBalance = -9007199254740993LL;
    r.reconciledBalance = 42;
    r.version = 4;
    r.syncStatus = SyncStatus::Conflict;
    r.serverId = QStringLiteral("srv");
    r.updatedAt = kCompleted.addSecs(30);
    QVERIFY(m_repo->insert(r));
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("r1"))), describe(r));
}

void TestReconciliationRepository::findByAccountAndLatest()
{
    addAccount(QStringLiteral("other"));
    QVERIFY(!m_repo->findLatestForAccount(QStringLiteral("acc")));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("jan"), QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("feb"), QDate(2024, 2, 29))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("dec"), QDate(2023, 12, 31))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("mar"), QDate(2024, 3, 31), QStringLiteral("other"))));

    QCOMPARE(ids(m_repo->findByAccount(QStringLiteral("acc"))),
             (QStringList{QStringLiteral("feb"), QStringLiteral("jan"), QStringLiteral("dec")}));
    QCOMPARE(m_repo->findLatestForAccount(QStringLiteral("acc"))->id, QStringLiteral("feb"));

    // Deleted rows leave the account's lists but stay reachable by id and for sync.
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("other")), 1);
    QVERIFY(m_repo->findByAccount(QStringLiteral("other")).isEmpty());
    QVERIFY(!m_repo->findLatestForAccount(QStringLiteral("other")));
    QVERIFY(m_repo->findById(QStringLiteral("mar"))->deletedAt);
    QVERIFY(ids(m_repo->findPendingSync()).contains(QStringLiteral("mar")));
}

void TestReconciliationRepository::updateMovesAccountKeepsCreatedAndDeleted()
{
    addAccount(QStringLiteral("other"));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("r1"), QDate(2024, 1, 31))));
    Reconciliation r = makeReconciliation(QStringLiteral("r1"), QDate(2024, 2, 29), QStringLiteral("other"));
    r.createdAt = kCompleted.addYears(1);
    r.updatedAt = kCompleted.addDays(2);
    r.reconciledBalance = 7;
    QSignalSpy spy(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(m_repo->update(r));
    QCOMPARE(spy.count(), 1);
    r.createdAt = kCompleted;
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("r1"))), describe(r));
}

void TestReconciliationRepository::cascadeDeleteAndRestore_data()
{
    QTest::addColumn<int>("cutoffOffset"); // seconds relative to the cascade's deletion time
    QTest::addColumn<int>("restored");
    QTest::newRow("deletion less 10 s") << -10 << 2;
    QTest::newRow("one second after") << 1 << 0;
}

void TestReconciliationRepository::cascadeDeleteAndRestore()
{
    QFETCH(int, cutoffOffset);
    QFETCH(int, restored);
    QSignalSpy spy(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("acc")), 0);
    QCOMPARE(spy.count(), 0);

    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("old"), QDate(2023, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("a"), QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("b"), QDate(2024, 2, 29))));
    // "old" went 11 seconds before the account; the other two with it.
    const QDateTime deletion(QDate(2025, 3, 1), QTime(14, 5, 9), Qt::UTC);
    TestSupport::exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '%1' WHERE id = 'old'")
                          .arg(SqlValue::timestampText(deletion.addSecs(-11))));
    spy.clear();
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("acc")), 2);
    QCOMPARE(spy.count(), 1);
    TestSupport::exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '%1', sync_status = 'synced' "
                                     "WHERE id IN ('a', 'b')")
                          .arg(SqlValue::timestampText(deletion)));

    spy.clear();
    QCOMPARE(m_repo->restoreByAccount(QStringLiteral("acc"), SqlValue::timestampText(deletion.addSecs(cutoffOffset))),
             restored);
    QCOMPARE(spy.count(), restored > 0 ? 1 : 0);
    const QList<Reconciliation> live = m_repo->findByAccount(QStringLiteral("acc"));
    QCOMPARE(live.size(), restored);
    for (const Reconciliation& r : live)
        QCOMPARE(r.syncStatus, SyncStatus::Pending);
    QVERIFY(m_repo->findById(QStringLiteral("old"))->deletedAt);
}

void TestReconciliationRepository::markSyncedAndResync()
{
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("r1"), QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("r2"), QDate(2024, 2, 29))));
    QSignalSpy spy(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    QVERIFY(m_repo->markSynced(QStringLiteral("r1"), QStringLiteral("srv")));
    QVERIFY(m_repo->markSynced(QStringLiteral("missing"), QStringLiteral("srv")));
    QCOMPARE(spy.count(), 0);
    Reconciliation expected = makeReconciliation(QStringLiteral("r1"), QDate(2024, 1, 31));
    expected.syncStatus = SyncStatus::Synced;
    expected.serverId = QStringLiteral("srv");
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("r1"))), describe(expected));
    QCOMPARE(ids(m_repo->findPendingSync()), QStringList{QStringLiteral("r2")});

    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(spy.count(), 1);
}

// A refused statement: the delete cascade and the resync count no row, as
// for accounts; only the restore tells its failure apart.
void TestReconciliationRepository::refusedAccountWrites()
{
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("live"), QDate(2024, 1, 31))));
    QVERIFY(m_repo->insert(makeReconciliation(QStringLiteral("gone"), QDate(2024, 2, 29))));
    TestSupport::exec(QStringLiteral("UPDATE reconciliations SET sync_status = 'synced'"));
    TestSupport::exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '2025-03-01T14:05:09Z' "
                                     "WHERE id = 'gone'"));
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.reconciliations "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy spy(m_repo.get(), &ReconciliationRepository::reconciliationsChanged);
    for (const char* operation : {"softDeleteByAccount", "markAllPendingForResync", "restoreByAccount"})
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^ReconciliationRepository::%1 failed: .*refused")
                                                    .arg(QLatin1String(operation))));
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("acc")), 0);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(m_repo->restoreByAccount(QStringLiteral("acc"), QStringLiteral("2025-03-01T14:04:59Z")), -1);
    QCOMPARE(spy.count(), 0);
    TestSupport::exec(QStringLiteral("DROP TRIGGER temp.refuse"));
    QCOMPARE(ids(m_repo->findByAccount(QStringLiteral("acc"))), QStringList{QStringLiteral("live")});
    QVERIFY(m_repo->findPendingSync().isEmpty());
}

TALLYLEAF_CORE_TEST_MAIN(TestReconciliationRepository)
#include "tst_reconciliationrepository.moc"
