#include "coretestsupport.h"

#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/sqlvalue.h"

#include <QSignalSpy>

namespace {

const QDateTime kCreated(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);

void addAccount(const QString& id)
{
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                     "VALUES ('%1', '%1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(id));
}

RecurringTransaction makeSchedule(const QString& id, const QString& payee, const QDate& due,
                                  const QString& accountId = QStringLiteral("acc"))
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = accountId;
    r.payee = payee;
    r.amount = -1000;
    r.startDate = due;
    r.nextDueDate = due;
    r.createdAt = kCreated;
    r.updatedAt = kCreated;
    return r;
}

// Every field as one text, so a round trip compares in one step.
QString describe(const RecurringTransaction& r)
{
    return QStringList{r.id, r.accountId, r.payee, r.memo, QString::number(r.amount), r.categoryId,
                       frequencyToString(r.frequency), QString::number(r.intervalCount),
                       QString::number(r.semimonthlyDay1), QString::number(r.semimonthlyDay2),
                       r.startDate.toString(Qt::ISODate), r.endDate ? r.endDate->toString(Qt::ISODate) : "-",
                       r.nextDueDate.toString(Qt::ISODate), QString::number(r.autoPost), QString::number(r.leadDays),
                       QString::number(r.isActive), r.transferDestAccountId, QString::number(r.version),
                       syncStatusToString(r.syncStatus), r.serverId, SqlValue::timestampText(r.createdAt),
                       SqlValue::timestampText(r.updatedAt), r.deletedAt ? SqlValue::timestampText(*r.deletedAt) : "-"}
        .join(QLatin1Char('|'));
}

QStringList payees(const QList<RecurringTransaction>& list)
{
    QStringList out;
    for (const RecurringTransaction& r : list)
        out << r.payee;
    return out;
}

} // namespace

class TestRecurringRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void isBrokenScheduleDate_data();
    void isBrokenScheduleDate();
    void roundTripOfEveryColumn();
    void brokenNextDueDateWarnsAndSaves_data();
    void brokenNextDueDateWarnsAndSaves();
    void findAllAndFindDue();
    void updateKeepsAccountAndCreated();
    void softDeletes();
    void restoreByAccount_data();
    void restoreByAccount();
    void syncBookkeeping();
    void refusedAccountWrites();

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<RecurringRepository> m_repo;
};

void TestRecurringRepository::init()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_repo = std::make_unique<RecurringRepository>(m_db->db());
    addAccount(QStringLiteral("acc"));
}

void TestRecurringRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

void TestRecurringRepository::isBrokenScheduleDate_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("broken");
    QTest::newRow("invalid") << QDate() << true;
    QTest::newRow("1999-12-31") << QDate(1999, 12, 31) << true;
    QTest::newRow("2000-01-01") << QDate(2000, 1, 1) << false;
}

void TestRecurringRepository::isBrokenScheduleDate()
{
    QFETCH(QDate, date);
    QFETCH(bool, broken);
    QCOMPARE(::isBrokenScheduleDate(date), broken);
}

void TestRecurringRepository::roundTripOfEveryColumn()
{
    addAccount(QStringLiteral("dest"));
    TestSupport::exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) "
                                     "VALUES ('cat', 'Rent', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    RecurringTransaction r = makeSchedule(QStringLiteral("r1"), QStringLiteral("Landlord"), QDate(2024, 7, 31));
    r.memo = QStringLiteral("flat 4");
    r.amount = -123456789012LL;
    r.categoryId = QStringLiteral("cat");
    r.frequency = RecurringFrequency::SemiAnnual;
    r.intervalCount = 3;
    r.semimonthlyDay1 = 0;
    r.semimonthlyDay2 = 20;
    r.startDate = QDate(2024, 1, 31);
    r.endDate = QDate(2026, 12, 31);
    r.autoPost = true;
    r.leadDays = 5;
    r.isActive = false;
    r.transferDestAccountId = QStringLiteral("dest");
    r.version = 9;
    r.syncStatus = SyncStatus::Conflict;
    r.serverId = QStringLiteral("srv-9");
    r.updatedAt = kCreated.addDays(1);
    QSignalSpy spy(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->insert(r));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("r1"))), describe(r));

    // No end date and no category are stored as NULL.
    const RecurringTransaction plain = makeSchedule(QStringLiteral("r2"), QStringLiteral("Gym"), QDate(2024, 5, 1));
    QVERIFY(m_repo->insert(plain));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT end_date IS NULL AND category_id IS NULL "
                                                "FROM recurring_transactions WHERE id = 'r2'")),
             QVariant(1));
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("r2"))), describe(plain));
}

void TestRecurringRepository::brokenNextDueDateWarnsAndSaves_data()
{
    QTest::addColumn<bool>("asUpdate");
    QTest::newRow("insert") << false;
    QTest::newRow("update") << true;
}

void TestRecurringRepository::brokenNextDueDateWarnsAndSaves()
{
    QFETCH(bool, asUpdate);
    RecurringTransaction r = makeSchedule(QStringLiteral("r1"), QStringLiteral("Old Payee"), QDate(2024, 3, 1));
    r.frequency = RecurringFrequency::Quarterly;
    if (asUpdate)
        QVERIFY(m_repo->insert(r));
    r.nextDueDate = QDate(1999, 12, 31);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(
                                           QStringLiteral("^RecurringRepository::%1 saving recurring with broken "
                                                          "nextDueDate: id=r1 payee=Old Payee nextDueDate=1999-12-31 "
                                                          "startDate=2024-03-01 frequency=5$")
                                               .arg(asUpdate ? "update" : "insert")));
    QVERIFY(asUpdate ? m_repo->update(r) : m_repo->insert(r));
    QCOMPARE(m_repo->findById(QStringLiteral("r1"))->nextDueDate, QDate(1999, 12, 31));

    QTest::failOnWarning(QRegularExpression(QStringLiteral("broken nextDueDate")));
    r.nextDueDate = QDate(2000, 1, 1);
    QVERIFY(m_repo->update(r));
}

void TestRecurringRepository::findAllAndFindDue()
{
    const QDate today = QDate::currentDate();
    RecurringTransaction inactive = makeSchedule(QStringLiteral("1"), QStringLiteral("Inactive"), today.addDays(-90));
    inactive.isActive = false;
    QVERIFY(m_repo->insert(inactive));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("2"), QStringLiteral("Banana"), today)));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("3"), QStringLiteral("apple"), today)));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("4"), QStringLiteral("Tomorrow"), today.addDays(1))));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("5"), QStringLiteral("Overdue"), today.addDays(-40))));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("6"), QStringLiteral("Deleted"), today.addDays(-50))));
    QVERIFY(m_repo->softDelete(QStringLiteral("6")));

    QCOMPARE(payees(m_repo->findAll()),
             (QStringList{QStringLiteral("Overdue"), QStringLiteral("apple"), QStringLiteral("Banana"),
                          QStringLiteral("Tomorrow"), QStringLiteral("Inactive")}));
    QStringList due = payees(m_repo->findDue());
    due.sort();
    QCOMPARE(due, (QStringList{QStringLiteral("Banana"), QStringLiteral("Overdue"), QStringLiteral("apple")}));
    QVERIFY(m_repo->findById(QStringLiteral("6"))->deletedAt);
}

void TestRecurringRepository::updateKeepsAccountAndCreated()
{
    addAccount(QStringLiteral("other"));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("1"), QStringLiteral("Gym"), QDate(2024, 5, 1))));
    RecurringTransaction r =
        makeSchedule(QStringLiteral("1"), QStringLiteral("Pool"), QDate(2024, 6, 1), QStringLiteral("other"));
    r.createdAt = kCreated.addYears(3);
    r.updatedAt = kCreated.addDays(10);
    QVERIFY(m_repo->update(r));
    r.accountId = QStringLiteral("acc");
    r.createdAt = kCreated;
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("1"))), describe(r));
}

void TestRecurringRepository::softDeletes()
{
    QSignalSpy spy(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->softDelete(QStringLiteral("missing")));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("acc")), 0);
    QCOMPARE(spy.count(), 1);

    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("1"), QStringLiteral("A"), QDate(2024, 5, 1))));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("2"), QStringLiteral("B"), QDate(2024, 5, 1))));
    QVERIFY(m_repo->markSynced(QStringLiteral("1"), QStringLiteral("s1")));
    spy.clear();
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("acc")), 2);
    QCOMPARE(spy.count(), 1);
    const std::optional<RecurringTransaction> b = m_repo->findById(QStringLiteral("1"));
    QVERIFY(b->deletedAt);
    QCOMPARE(b->updatedAt, *b->deletedAt);
    QCOMPARE(b->syncStatus, SyncStatus::Pending);
}

void TestRecurringRepository::restoreByAccount_data()
{
    QTest::addColumn<int>("cutoffOffset"); // seconds relative to the account's deletion
    QTest::addColumn<QStringList>("restored");
    QTest::newRow("deletion less 10 s") << -10 << QStringList{QStringLiteral("at"), QStringLiteral("tenBefore")};
    QTest::newRow("exactly the deletion") << 0 << QStringList{QStringLiteral("at")};
    QTest::newRow("after the deletion") << 1 << QStringList{};
}

void TestRecurringRepository::restoreByAccount()
{
    QFETCH(int, cutoffOffset);
    QFETCH(QStringList, restored);
    addAccount(QStringLiteral("other"));
    const QDateTime deletion(QDate(2025, 3, 1), QTime(14, 5, 9), Qt::UTC);
    const struct { const char* id; const char* account; int offset; } rows[] = {
        {"at", "acc", 0}, {"tenBefore", "acc", -10}, {"elevenBefore", "acc", -11}, {"otherAccount", "other", 0}};
    for (const auto& row : rows) {
        QVERIFY(m_repo->insert(makeSchedule(QLatin1String(row.id), QLatin1String(row.id), QDate(2025, 1, 1),
                                            QLatin1String(row.account))));
        TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET deleted_at = '%1', sync_status = "
                                         "'synced' WHERE id = '%2'")
                              .arg(SqlValue::timestampText(deletion.addSecs(row.offset)), QLatin1String(row.id)));
    }

    QSignalSpy spy(m_repo.get(), &RecurringRepository::recurringChanged);
    const QString cutoff = SqlValue::timestampText(deletion.addSecs(cutoffOffset));
    QCOMPARE(m_repo->restoreByAccount(QStringLiteral("acc"), cutoff), restored.size());
    QCOMPARE(spy.count(), restored.isEmpty() ? 0 : 1);
    QStringList live = payees(m_repo->findAll());
    live.sort();
    restored.sort();
    QCOMPARE(live, restored);
    QCOMPARE(m_repo->findPendingSync().size(), restored.size());
    // An empty cutoff is no licence to revive everything.
    QCOMPARE(m_repo->restoreByAccount(QStringLiteral("acc"), QString()), 0);
}

void TestRecurringRepository::syncBookkeeping()
{
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("1"), QStringLiteral("A"), QDate(2024, 5, 1))));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("2"), QStringLiteral("B"), QDate(2024, 5, 1))));
    QSignalSpy spy(m_repo.get(), &RecurringRepository::recurringChanged);
    QVERIFY(m_repo->markSynced(QStringLiteral("1"), QStringLiteral("srv")));
    QCOMPARE(spy.count(), 0);
    RecurringTransaction expected = makeSchedule(QStringLiteral("1"), QStringLiteral("A"), QDate(2024, 5, 1));
    expected.syncStatus = SyncStatus::Synced;
    expected.serverId = QStringLiteral("srv");
    QCOMPARE(describe(*m_repo->findById(QStringLiteral("1"))), describe(expected));
    QCOMPARE(m_repo->findPendingSync().size(), 1);

    QCOMPARE(m_repo->markAllPendingForResync(), 1);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(spy.count(), 1);
}

// A refused statement: the delete cascade and the resync count no row, as
// for accounts; only the restore tells its failure apart.
void TestRecurringRepository::refusedAccountWrites()
{
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("live"), QStringLiteral("A"), QDate(2024, 5, 1))));
    QVERIFY(m_repo->insert(makeSchedule(QStringLiteral("gone"), QStringLiteral("B"), QDate(2024, 5, 1))));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET sync_status = 'synced'"));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET deleted_at = '2025-03-01T14:05:09Z' "
                                     "WHERE id = 'gone'"));
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.recurring_transactions "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy spy(m_repo.get(), &RecurringRepository::recurringChanged);
    for (const char* operation : {"softDeleteByAccount", "markAllPendingForResync", "restoreByAccount"})
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^RecurringRepository::%1 failed: .*refused")
                                                    .arg(QLatin1String(operation))));
    QCOMPARE(m_repo->softDeleteByAccount(QStringLiteral("acc")), 0);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(m_repo->restoreByAccount(QStringLiteral("acc"), QStringLiteral("2025-03-01T14:04:59Z")), -1);
    QCOMPARE(spy.count(), 0);
    TestSupport::exec(QStringLiteral("DROP TRIGGER temp.refuse"));
    QCOMPARE(payees(m_repo->findAll()), QStringList{QStringLiteral("A")});
    QVERIFY(m_repo->findPendingSync().isEmpty());
}

TALLYLEAF_CORE_TEST_MAIN(TestRecurringRepository)
#include "tst_recurringrepository.moc"
