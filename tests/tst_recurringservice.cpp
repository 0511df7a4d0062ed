#include "testsupport.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"

#include <QSignalSpy>
#include <QSqlDatabase>

#include <limits>

namespace {

// Ids of schedule "S" due 2024-01-31: its first leg and its transfer leg.
const QString kGoldenFirst = QStringLiteral("a74e3f24-8f6b-5670-97fa-c695c2360cde");
const QString kGoldenDest = QStringLiteral("b46718df-6c32-5e71-a073-e302207b1947");

void addAccount(const QString& id, const QString& currency = QStringLiteral("USD"))
{
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, currency, created_at, updated_at) "
                                     "VALUES ('%1', '%1', '%2', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(id, currency));
}

void addTransaction(const QString& id, const QString& accountId)
{
    TestSupport::exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, "
                                     "updated_at) VALUES ('%1', '%2', '2024-01-01', 'x', 1, "
                                     "'2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(id, accountId));
}

int transactionCount()
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
}

RecurringTransaction makeSchedule(const QString& id, const QDate& due,
                                  RecurringFrequency frequency = RecurringFrequency::Monthly)
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = QStringLiteral("src");
    r.payee = QStringLiteral("Payee ") + id;
    r.memo = QStringLiteral("memo");
    r.amount = -2500;
    r.frequency = frequency;
    r.startDate = due;
    r.nextDueDate = due;
    r.syncStatus = SyncStatus::Synced;
    r.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    r.updatedAt = r.createdAt;
    return r;
}

} // namespace

class TestRecurringService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nextOccurrence_data();
    void nextOccurrence();
    void confirmPostsOnTheDueDate();
    void confirmEndDate_data();
    void confirmEndDate();
    void transferPostsLinkedLegsWithGoldenIds();
    void confirmRefuses_data();
    void confirmRefuses();
    void transferInsideSomeoneElsesTransaction();
    void skip_data();
    void skip();
    void confirmAllDueAndPendingCount();
    void enterEarlyUntil();
    void processAutoPost_data();
    void processAutoPost();
    void processAutoPostWaitsForBulkWrite();

private:
    RecurringTransaction schedule(const QString& id) { return *m_recurring->findById(id); }

    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<RecurringService> m_service;
};

void TestRecurringService::init()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_accounts = std::make_unique<AccountRepository>(m_db->db());
    m_transactions = std::make_unique<TransactionRepository>(m_db->db());
    m_recurring = std::make_unique<RecurringRepository>(m_db->db());
    m_service = std::make_unique<RecurringService>(m_recurring.get(), m_transactions.get(), m_accounts.get());
    m_service->setDatabase(m_db->db());
    addAccount(QStringLiteral("src"));
    addAccount(QStringLiteral("dst"));
}

void TestRecurringService::cleanup()
{
    m_service.reset();
    m_recurring.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

void TestRecurringService::nextOccurrence_data()
{
    QTest::addColumn<QDate>("from");
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("day1");
    QTest::addColumn<int>("day2");
    QTest::addColumn<QDate>("expected");

    const int daily = 0, weekly = 1, biweekly = 2, monthly = 3, semi = 4, quarterly = 5, semiAnnual = 6, annual = 7;
    QTest::newRow("daily") << QDate(2024, 2, 28) << daily << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("daily x3") << QDate(2024, 12, 30) << daily << 3 << 1 << 15 << QDate(2025, 1, 2);
    QTest::newRow("interval 0 as 1") << QDate(2024, 3, 1) << daily << 0 << 1 << 15 << QDate(2024, 3, 2);
    QTest::newRow("interval -3 as 1") << QDate(2024, 3, 1) << weekly << -3 << 1 << 15 << QDate(2024, 3, 8);
    QTest::newRow("weekly x2") << QDate(2024, 3, 1) << weekly << 2 << 1 << 15 << QDate(2024, 3, 15);
    QTest::newRow("biweekly x2") << QDate(2024, 3, 1) << biweekly << 2 << 1 << 15 << QDate(2024, 3, 29);
    QTest::newRow("monthly Jan 31") << QDate(2024, 1, 31) << monthly << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("monthly day stays lost") << QDate(2024, 2, 29) << monthly << 1 << 1 << 15 << QDate(2024, 3, 29);
    QTest::newRow("monthly x2 over year") << QDate(2024, 12, 31) << monthly << 2 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("quarterly Nov 30") << QDate(2024, 11, 30) << quarterly << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("semi-annual Aug 31") << QDate(2024, 8, 31) << semiAnnual << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("annual Feb 29") << QDate(2024, 2, 29) << annual << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("annual x4 Feb 29") << QDate(2024, 2, 29) << annual << 4 << 1 << 15 << QDate(2028, 2, 29);
    QTest::newRow("unknown code as monthly") << QDate(2024, 1, 31) << 99 << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("semi 1/15 before") << QDate(2024, 3, 10) << semi << 1 << 1 << 15 << QDate(2024, 3, 15);
    QTest::newRow("semi 1/15 on 15th") << QDate(2024, 3, 15) << semi << 1 << 1 << 15 << QDate(2024, 4, 1);
    QTest::newRow("semi 1/15 month end") << QDate(2024, 3, 31) << semi << 1 << 1 << 15 << QDate(2024, 4, 1);
    QTest::newRow("semi ignores interval") << QDate(2024, 3, 10) << semi << 5 << 1 << 15 << QDate(2024, 3, 15);
    QTest::newRow("semi 15/0 to last") << QDate(2024, 2, 15) << semi << 1 << 15 << 0 << QDate(2024, 2, 29);
    QTest::newRow("semi 15/0 from last") << QDate(2024, 2, 29) << semi << 1 << 15 << 0 << QDate(2024, 3, 15);
    QTest::newRow("semi 31/15 April 1") << QDate(2024, 4, 1) << semi << 1 << 31 << 15 << QDate(2024, 4, 15);
    QTest::newRow("semi 31/15 April 15") << QDate(2024, 4, 15) << semi << 1 << 31 << 15 << QDate(2024, 4, 30);
    QTest::newRow("semi equal anchors") << QDate(2024, 3, 10) << semi << 1 << 10 << 10 << QDate(2024, 4, 10);
    QTest::newRow("semi bad anchors") << QDate(2024, 2, 10) << semi << 1 << -1 << 40 << QDate(2024, 2, 29);
    QTest::newRow("invalid monthly") << QDate() << monthly << 1 << 1 << 15 << QDate();
    QTest::newRow("invalid semi") << QDate() << semi << 1 << 1 << 15 << QDate();
    QTest::newRow("huge interval") << QDate(2024, 1, 1) << quarterly << std::numeric_limits<int>::max() << 1 << 15
                                   << QDate();
}

void TestRecurringService::nextOccurrence()
{
    QFETCH(QDate, from);
    QFETCH(int, frequency);
    QFETCH(int, interval);
    QFETCH(int, day1);
    QFETCH(int, day2);
    QFETCH(QDate, expected);
    QCOMPARE(RecurringService::nextOccurrence(from, static_cast<RecurringFrequency>(frequency), interval, day1, day2),
             expected);
}

void TestRecurringService::confirmPostsOnTheDueDate()
{
    // Confirmed long after it was due: dated the due date, not today.
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("S"), QDate(2024, 1, 31))));
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QVERIFY(m_service->confirm(QStringLiteral("S")));

    const std::optional<Transaction> posted = m_transactions->findById(kGoldenFirst);
    QVERIFY(posted);
    QCOMPARE(posted->date, QDate(2024, 1, 31));
    QCOMPARE(posted->accountId, QStringLiteral("src"));
    QCOMPARE(posted->payee, QStringLiteral("Payee S"));
    QCOMPARE(posted->memo, QStringLiteral("memo"));
    QCOMPARE(posted->amount, qint64(-2500));
    QCOMPARE(posted->recurringId, QStringLiteral("S"));
    QVERIFY(posted->transferLinkId.isEmpty());
    QCOMPARE(posted->syncStatus, SyncStatus::Pending);

    const RecurringTransaction after = schedule(QStringLiteral("S"));
    QCOMPARE(after.nextDueDate, QDate(2024, 2, 29));
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(after.version, 1);
    QVERIFY(after.isActive);
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.first().first().toInt(), m_service->pendingCount());
}

void TestRecurringService::confirmEndDate_data()
{
    QTest::addColumn<int>("endOffset"); // days after the new due date; 99 = no end date
    QTest::addColumn<bool>("active");
    QTest::newRow("no end date") << 99 << true;
    QTest::newRow("end on new due date") << 0 << true;
    QTest::newRow("end a day before") << -1 << false;
}

void TestRecurringService::confirmEndDate()
{
    QFETCH(int, endOffset);
    QFETCH(bool, active);
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), QDate(2024, 3, 15));
    if (endOffset != 99)
        r.endDate = QDate(2024, 4, 15).addDays(endOffset);
    QVERIFY(m_recurring->insert(r));
    QVERIFY(m_service->confirm(QStringLiteral("S")));
    QCOMPARE(transactionCount(), 1);
    QCOMPARE(schedule(QStringLiteral("S")).nextDueDate, QDate(2024, 4, 15));
    QCOMPARE(schedule(QStringLiteral("S")).isActive, active);
}

void TestRecurringService::transferPostsLinkedLegsWithGoldenIds()
{
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), QDate(2024, 1, 31));
    r.transferDestAccountId = QStringLiteral("dst");
    QVERIFY(m_recurring->insert(r));
    QVERIFY(m_service->confirm(QStringLiteral("S")));

    const std::optional<Transaction> first = m_transactions->findById(kGoldenFirst);
    const std::optional<Transaction> second = m_transactions->findById(kGoldenDest);
    QVERIFY(first);
    QVERIFY(second);
    QCOMPARE(transactionCount(), 2);
    QCOMPARE(first->amount, qint64(-2500));
    QCOMPARE(second->amount, qint64(2500));
    QCOMPARE(first->accountId, QStringLiteral("src"));
    QCOMPARE(second->accountId, QStringLiteral("dst"));
    QCOMPARE(first->transferLinkId, kGoldenDest);
    QCOMPARE(second->transferLinkId, kGoldenFirst);
    QCOMPARE(first->transferDestAccountId, QStringLiteral("dst"));
    QCOMPARE(second->transferDestAccountId, QStringLiteral("src"));
    QCOMPARE(second->recurringId, QStringLiteral("S"));
    QCOMPARE(second->date, QDate(2024, 1, 31));
    QCOMPARE(schedule(QStringLiteral("S")).nextDueDate, QDate(2024, 2, 29));
}

void TestRecurringService::confirmRefuses_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("warning"); // expected warning pattern, empty = none of ours
    QTest::newRow("no such schedule") << "missing" << "";
    QTest::newRow("already posted") << "posted" << "^TransactionRepository::insert failed:";
    QTest::newRow("currencies differ") << "currency"
                                       << "^RecurringService: skipping transfer post for S — source and "
                                          "destination currencies differ$";
    QTest::newRow("destination missing") << "noDest"
                                         << "^RecurringService: skipping transfer post for S — source or "
                                            "destination account is missing or deleted$";
    QTest::newRow("destination deleted") << "deletedDest"
                                         << "^RecurringService: skipping transfer post for S — source or "
                                            "destination account is missing or deleted$";
    QTest::newRow("second leg fails") << "secondLeg" << "^RecurringService: second leg of transfer S";
}

void TestRecurringService::confirmRefuses()
{
    QFETCH(QString, situation);
    QFETCH(QString, warning);
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), QDate(2024, 1, 31));
    if (situation != QLatin1String("posted"))
        r.transferDestAccountId = QStringLiteral("dst");
    if (situation == QLatin1String("currency"))
        addAccount(QStringLiteral("eur"), QStringLiteral("EUR"));
    if (situation == QLatin1String("currency"))
        r.transferDestAccountId = QStringLiteral("eur");
    if (situation == QLatin1String("noDest"))
        r.transferDestAccountId = QStringLiteral("gone");
    if (situation == QLatin1String("deletedDest"))
        QVERIFY(m_accounts->softDelete(QStringLiteral("dst")));
    if (situation == QLatin1String("posted"))
        addTransaction(kGoldenFirst, QStringLiteral("src")); // posted on another device
    if (situation == QLatin1String("secondLeg"))
        addTransaction(kGoldenDest, QStringLiteral("dst"));
    if (situation != QLatin1String("missing"))
        QVERIFY(m_recurring->insert(r));
    const int before = transactionCount();

    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    if (situation == QLatin1String("secondLeg"))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QVERIFY(!m_service->confirm(QStringLiteral("S")));

    QCOMPARE(transactionCount(), before);
    QCOMPARE(pending.count(), 0);
    if (situation == QLatin1String("missing"))
        return;
    if (situation == QLatin1String("secondLeg"))
        QVERIFY(!m_transactions->findById(kGoldenFirst));
    const RecurringTransaction after = schedule(QStringLiteral("S"));
    QCOMPARE(after.nextDueDate, QDate(2024, 1, 31));
    QVERIFY(after.isActive);
    QCOMPARE(after.syncStatus, SyncStatus::Synced);
}

void TestRecurringService::transferInsideSomeoneElsesTransaction()
{
    RecurringTransaction ok = makeSchedule(QStringLiteral("A"), QDate(2024, 1, 31));
    ok.transferDestAccountId = QStringLiteral("dst");
    RecurringTransaction failing = makeSchedule(QStringLiteral("S"), QDate(2024, 1, 31));
    failing.transferDestAccountId = QStringLiteral("dst");
    QVERIFY(m_recurring->insert(ok));
    QVERIFY(m_recurring->insert(failing));
    addTransaction(kGoldenDest, QStringLiteral("dst"));

    QSqlDatabase db = QSqlDatabase::database();
    QVERIFY(db.transaction()); // an import in progress
    addTransaction(QStringLiteral("imported"), QStringLiteral("src"));
    QVERIFY(m_service->confirm(QStringLiteral("A")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^RecurringService: second leg")));
    QVERIFY(!m_service->confirm(QStringLiteral("S")));
    QVERIFY(db.commit()); // still the import's own transaction to finish

    QVERIFY(m_transactions->findById(QStringLiteral("imported")));
    QVERIFY(!m_transactions->findById(kGoldenFirst));
    QCOMPARE(transactionCount(), 4); // imported, the other's dest row, both legs of A
}

void TestRecurringService::skip_data()
{
    QTest::addColumn<QString>("storedDue");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("dueAfter");
    QTest::newRow("advances") << "2024-03-15" << true << "2024-04-15";
    QTest::newRow("broken date is not tested") << "1999-12-15" << true << "2000-01-15";
    QTest::newRow("unreadable date") << "garbage" << false << "garbage";
}

void TestRecurringService::skip()
{
    QFETCH(QString, storedDue);
    QFETCH(bool, result);
    QFETCH(QString, dueAfter);
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("S"), QDate(2024, 3, 15))));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET next_due_date = '%1'").arg(storedDue));
    if (!result)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^RecurringService::skip cannot advance record with invalid date: S")));
    QSignalSpy pending(m_service.get(), &RecurringService::pendingCountChanged);
    QCOMPARE(m_service->skip(QStringLiteral("S")), result);
    QCOMPARE(pending.count(), result ? 1 : 0);
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT next_due_date || sync_status FROM recurring_transactions"))
                 .toString(),
             dueAfter + (result ? "pending" : "synced"));
    QCOMPARE(transactionCount(), 0);
    QVERIFY(!m_service->skip(QStringLiteral("nope")));
}

void TestRecurringService::confirmAllDueAndPendingCount()
{
    const QDate today = QDate::currentDate();
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("behind"), today.addDays(-10), RecurringFrequency::Daily)));
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("today"), today)));
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("tomorrow"), today.addDays(1))));
    RecurringTransaction inactive = makeSchedule(QStringLiteral("inactive"), today.addDays(-3));
    inactive.isActive = false;
    QVERIFY(m_recurring->insert(inactive));
    QCOMPARE(m_service->pendingCount(), 2);

    // One posting per due schedule per call, however far behind.
    QCOMPARE(m_service->confirmAllDue(), 2);
    QCOMPARE(transactionCount(), 2);
    QCOMPARE(schedule(QStringLiteral("behind")).nextDueDate, today.addDays(-9));
    QCOMPARE(m_service->pendingCount(), 1);
    QCOMPARE(m_service->all().size(), 4);
}

void TestRecurringService::enterEarlyUntil()
{
    const QDate today = QDate::currentDate();
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("daily"), today, RecurringFrequency::Daily)));
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("later"), today.addDays(30))));
    RecurringTransaction inactive = makeSchedule(QStringLiteral("inactive"), today);
    inactive.isActive = false;
    QVERIFY(m_recurring->insert(inactive));
    RecurringTransaction broken = makeSchedule(QStringLiteral("broken"), QDate(1999, 6, 1));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("saving recurring with broken nextDueDate")));
    QVERIFY(m_recurring->insert(broken));

    QCOMPARE(m_service->enterEarlyUntil(today.addDays(7)), 8);
    QCOMPARE(schedule(QStringLiteral("daily")).nextDueDate, today.addDays(8));
    QCOMPARE(schedule(QStringLiteral("later")).nextDueDate, today.addDays(30));
    QVERIFY(schedule(QStringLiteral("broken")).isActive); // passed over, not quarantined
    QCOMPARE(m_service->enterEarlyUntil(QDate()), 0);
}

void TestRecurringService::processAutoPost_data()
{
    QTest::addColumn<int>("dueOffset");
    QTest::addColumn<int>("leadDays");
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<int>("posted");
    QTest::addColumn<bool>("activeAfter");
    QTest::newRow("lead 90 acts as 60") << 0 << 90 << true << 61 << true;
    QTest::newRow("lead -5 acts as 0") << 0 << -5 << true << 1 << true;
    QTest::newRow("auto-post off") << -30 << 0 << false << 0 << true;
    QTest::newRow("400 days overdue") << -399 << 0 << true << 365 << false;
    QTest::newRow("exactly 365 due") << -364 << 0 << true << 365 << true;
    QTest::newRow("364 due") << -363 << 0 << true << 364 << true;
}

void TestRecurringService::processAutoPost()
{
    QFETCH(int, dueOffset);
    QFETCH(int, leadDays);
    QFETCH(bool, autoPost);
    QFETCH(int, posted);
    QFETCH(bool, activeAfter);
    const QDate today = QDate::currentDate();
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), today.addDays(dueOffset), RecurringFrequency::Daily);
    r.autoPost = autoPost;
    r.leadDays = leadDays;
    QVERIFY(m_recurring->insert(r));
    if (!activeAfter)
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^Quarantining recurring S Payee S — auto-deactivating. "
                                                               "Reason: hit catchup cap in single tick nextDueDate=%1$")
                                                    .arg(today.addDays(dueOffset + 365).toString(Qt::ISODate))));

    QCOMPARE(m_service->processAutoPost(), posted);
    QCOMPARE(transactionCount(), posted);
    QCOMPARE(schedule(QStringLiteral("S")).isActive, activeAfter);
    QCOMPARE(schedule(QStringLiteral("S")).nextDueDate, today.addDays(dueOffset + posted));
}

void TestRecurringService::processAutoPostWaitsForBulkWrite()
{
    const QDate today = QDate::currentDate();
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), today.addDays(-2), RecurringFrequency::Daily);
    r.autoPost = true;
    QVERIFY(m_recurring->insert(r));
    RecurringTransaction broken = makeSchedule(QStringLiteral("B"), QDate(1999, 6, 1));
    broken.autoPost = true;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("saving recurring with broken nextDueDate")));
    QVERIFY(m_recurring->insert(broken));
    {
        BulkWriteScope importRunning(m_db->db());
        QCOMPARE(m_service->processAutoPost(), 0);
        QCOMPARE(transactionCount(), 0);
    }
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^Quarantining recurring B Payee B — auto-deactivating. Reason: broken "
                                           "next_due_date nextDueDate=1999-06-01$")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("saving recurring with broken nextDueDate")));
    QCOMPARE(m_service->processAutoPost(), 3);
    QVERIFY(!schedule(QStringLiteral("B")).isActive);
    QCOMPARE(schedule(QStringLiteral("B")).nextDueDate, QDate(1999, 6, 1));
    QVERIFY(schedule(QStringLiteral("S")).isActive);

    // Confirm on a broken date refuses and quarantines as well.
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET is_active = 1, sync_status = 'synced' "
                                     "WHERE id = 'B'"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringService::confirm refusing record with broken date: B Payee B "
                                           "1999-06-01 — quarantining \\(deactivating\\)$")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("saving recurring with broken nextDueDate")));
    QVERIFY(!m_service->confirm(QStringLiteral("B")));
    QVERIFY(!schedule(QStringLiteral("B")).isActive);
    QCOMPARE(schedule(QStringLiteral("B")).syncStatus, SyncStatus::Pending);
    QCOMPARE(transactionCount(), 3);
}

TALLYLEAF_TEST_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
