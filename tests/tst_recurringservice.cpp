#include "coretestsupport.h"

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

// The fields a posting is checked by, as one text.
QString posting(const std::optional<Transaction>& t)
{
    if (!t)
        return QStringLiteral("none");
    return QStringList{t->accountId, t->date.toString(Qt::ISODate), t->payee, QString::number(t->amount),
                       t->transferLinkId, t->transferDestAccountId, t->recurringId, syncStatusToString(t->syncStatus)}
        .join(QLatin1Char('|'));
}

RecurringTransaction makeSchedule(const QString& id, const QDate& due,
                                  RecurringFrequency frequency = RecurringFrequency::Monthly)
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = QStringLiteral("src");
    r.payee = QStringLiteral("Payee ") + id;
    r.amount = -2500;
    r.frequency = frequency;
    r.startDate = due;
    r.nextDueDate = due;
    r.syncStatus = SyncStatus::Synced;
    r.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    r.updatedAt = r.createdAt;
    return r;
}

void expectWarning(const QString& pattern)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(pattern));
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
    void confirm_data();
    void confirm();
    void confirmRefuses_data();
    void confirmRefuses();
    void transferInsideSomeoneElsesTransaction();
    void unreadableDatesAreKept_data();
    void unreadableDatesAreKept();
    void skip_data();
    void skip();
    void saveEditKeepsWhatChangedMeanwhile_data();
    void saveEditKeepsWhatChangedMeanwhile();
    void bulkConfirmAndEnterEarly();
    void processAutoPost_data();
    void processAutoPost();
    void processAutoPostWaitsForBulkWrite();

private:
    struct Fixture
    {
        TestSupport::TempDatabase db;
        AccountRepository accounts{db.db()};
        TransactionRepository transactions{db.db()};
        RecurringRepository recurring{db.db()};
        RecurringService service{&recurring, &transactions, &accounts};
    };
    RecurringTransaction schedule(const QString& id) { return *m_recurring->findById(id); }

    std::unique_ptr<Fixture> m_fixture;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    RecurringRepository* m_recurring = nullptr;
    RecurringService* m_service = nullptr;
};

void TestRecurringService::init()
{
    m_fixture = std::make_unique<Fixture>();
    m_accounts = &m_fixture->accounts;
    m_transactions = &m_fixture->transactions;
    m_recurring = &m_fixture->recurring;
    m_service = &m_fixture->service;
    m_service->setDatabase(m_fixture->db.db());
    addAccount(QStringLiteral("src"));
    addAccount(QStringLiteral("dst"));
}

void TestRecurringService::cleanup()
{
    m_fixture.reset();
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
    QTest::newRow("daily x3") << QDate(2024, 12, 30) << daily << 3 << 1 << 15 << QDate(2025, 1, 2);
    QTest::newRow("interval 0 as 1") << QDate(2024, 3, 1) << daily << 0 << 1 << 15 << QDate(2024, 3, 2);
    QTest::newRow("interval -3 as 1") << QDate(2024, 3, 1) << weekly << -3 << 1 << 15 << QDate(2024, 3, 8);
    QTest::newRow("biweekly x2") << QDate(2024, 3, 1) << biweekly << 2 << 1 << 15 << QDate(2024, 3, 29);
    QTest::newRow("monthly Jan 31") << QDate(2024, 1, 31) << monthly << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("monthly day stays lost") << QDate(2024, 2, 29) << monthly << 1 << 1 << 15 << QDate(2024, 3, 29);
    QTest::newRow("monthly x2 over year") << QDate(2024, 12, 31) << monthly << 2 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("quarterly Nov 30") << QDate(2024, 11, 30) << quarterly << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("semi-annual Aug 31") << QDate(2024, 8, 31) << semiAnnual << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("annual Feb 29") << QDate(2024, 2, 29) << annual << 1 << 1 << 15 << QDate(2025, 2, 28);
    QTest::newRow("unknown code as monthly") << QDate(2024, 1, 31) << 99 << 1 << 1 << 15 << QDate(2024, 2, 29);
    QTest::newRow("semi 1/15 before") << QDate(2024, 3, 10) << semi << 5 << 1 << 15 << QDate(2024, 3, 15);
    QTest::newRow("semi 1/15 on 15th") << QDate(2024, 3, 15) << semi << 1 << 1 << 15 << QDate(2024, 4, 1);
    QTest::newRow("semi 1/15 month end") << QDate(2024, 3, 31) << semi << 1 << 1 << 15 << QDate(2024, 4, 1);
    QTest::newRow("semi 15/0 to last") << QDate(2024, 2, 15) << semi << 1 << 15 << 0 << QDate(2024, 2, 29);
    QTest::newRow("semi 15/0 from last") << QDate(2024, 2, 29) << semi << 1 << 15 << 0 << QDate(2024, 3, 15);
    QTest::newRow("semi 31/15 April 15") << QDate(2024, 4, 15) << semi << 1 << 31 << 15 << QDate(2024, 4, 30);
    QTest::newRow("semi equal anchors") << QDate(2024, 3, 10) << semi << 1 << 10 << 10 << QDate(2024, 4, 10);
    QTest::newRow("semi bad anchors") << QDate(2024, 2, 10) << semi << 1 << -1 << 40 << QDate(2024, 2, 29);
    QTest::newRow("invalid date") << QDate() << semi << 1 << 1 << 15 << QDate();
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

void TestRecurringService::confirm_data()
{
    QTest::addColumn<QString>("dest");
    QTest::addColumn<int>("endOffset"); // end date relative to the new due date; 99 = none
    QTest::addColumn<bool>("active");
    QTest::addColumn<QString>("payee");     // empty: the schedule's default
    QTest::addColumn<QString>("destPayee"); // of the transfer's second leg
    QTest::newRow("plain") << "" << 99 << true << "" << "";
    QTest::newRow("end on new due date") << "" << 0 << true << "" << "";
    QTest::newRow("end a day before") << "" << -1 << false << "" << "";
    QTest::newRow("transfer") << "dst" << 99 << true << "" << "Payee S";
    // The source side's label: the other side names the source, as in the
    // register, so the two directions never share a payee.
    QTest::newRow("transfer labelled to the destination")
        << "dst" << 99 << true << "Transfer to dst" << "Transfer from src";
    QTest::newRow("transfer label in other letter case")
        << "dst" << 99 << true << "transfer to dst" << "transfer to dst";
    QTest::newRow("transfer labelled to another account")
        << "dst" << 99 << true << "Transfer to src" << "Transfer to src";
    QTest::newRow("transfer memorized from the destination leg")
        << "dst" << 99 << true << "Transfer from dst" << "Transfer to src";
    QTest::newRow("transfer labelled from the source")
        << "dst" << 99 << true << "Transfer from src" << "Transfer from src";
}

void TestRecurringService::confirm()
{
    QFETCH(QString, dest);
    QFETCH(int, endOffset);
    QFETCH(bool, active);
    QFETCH(QString, payee);
    QFETCH(QString, destPayee);
    // Confirmed long after it was due: dated the due date, not today.
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), QDate(2024, 1, 31));
    r.transferDestAccountId = dest;
    if (!payee.isEmpty())
        r.payee = payee;
    if (endOffset != 99)
        r.endDate = QDate(2024, 2, 29).addDays(endOffset);
    QVERIFY(m_recurring->insert(r));
    QSignalSpy pending(m_service, &RecurringService::pendingCountChanged);
    QVERIFY(m_service->confirm(QStringLiteral("S")));

    if (dest.isEmpty()) {
        QCOMPARE(posting(m_transactions->findById(kGoldenFirst)), "src|2024-01-31|Payee S|-2500|||S|pending");
        QCOMPARE(transactionCount(), 1);
    } else {
        QCOMPARE(posting(m_transactions->findById(kGoldenFirst)),
                 "src|2024-01-31|" + r.payee + "|-2500|" + kGoldenDest + "|dst|S|pending");
        QCOMPARE(posting(m_transactions->findById(kGoldenDest)),
                 "dst|2024-01-31|" + destPayee + "|2500|" + kGoldenFirst + "|src|S|pending");
        QCOMPARE(transactionCount(), 2);
    }
    const RecurringTransaction after = schedule(QStringLiteral("S"));
    QCOMPARE(after.nextDueDate, QDate(2024, 2, 29));
    QCOMPARE(after.isActive, active);
    QCOMPARE(after.syncStatus, SyncStatus::Pending);
    QCOMPARE(after.version, 2); // a local change of a synced row wins over the server's copy
    QCOMPARE(pending.count(), 1);
    QCOMPARE(pending.first().first().toInt(), m_service->pendingCount());
}

void TestRecurringService::confirmRefuses_data()
{
    QTest::addColumn<QString>("situation");
    QTest::addColumn<QString>("warning"); // pattern of the expected warning, empty = none
    const QString accountGone = QStringLiteral(
        "^RecurringService: skipping transfer post for S — source or destination account is missing or deleted$");
    QTest::newRow("no such schedule") << "missing" << "";
    QTest::newRow("already posted") << "posted" << "^TransactionRepository::insert failed:";
    QTest::newRow("currencies differ")
        << "currency" << "^RecurringService: skipping transfer post for S — source and destination currencies differ$";
    QTest::newRow("destination missing") << "noDest" << accountGone;
    QTest::newRow("destination is the account")
        << "sameAccount" << "^RecurringService: skipping transfer post for S — source and destination are the same "
                            "account$";
    QTest::newRow("destination deleted") << "deletedDest" << accountGone;
    QTest::newRow("second leg fails") << "secondLeg" << "^RecurringService: second leg of transfer S";
    // The posting and the advance of the schedule are one write.
    QTest::newRow("schedule cannot be saved") << "unsaved" << "^RecurringRepository::update failed: forced";
    QTest::newRow("transfer schedule cannot be saved")
        << "unsavedTransfer" << "^RecurringRepository::update failed: forced";
    QTest::newRow("broken date") << "broken"
                                 << "^RecurringService::confirm refusing record with broken date: S Payee S "
                                    "1999-12-01 — quarantining \\(deactivating\\)$";
    const QString ownGone = QStringLiteral("^RecurringService: skipping post for S — its account is missing or deleted$");
    QTest::newRow("account deleted by a sync: confirm") << "deletedAccount confirm" << ownGone;
    QTest::newRow("account deleted by a sync: confirm all due") << "deletedAccount all due" << "";
    QTest::newRow("account deleted by a sync: enter early") << "deletedAccount early" << ownGone;
    QTest::newRow("account deleted by a sync: auto-post") << "deletedAccount auto" << ownGone;
}

void TestRecurringService::confirmRefuses()
{
    QFETCH(QString, situation);
    QFETCH(QString, warning);
    const bool broken = situation == QLatin1String("broken");
    const bool accountGone = situation.startsWith(QLatin1String("deletedAccount"));
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), broken ? QDate(1999, 12, 1) : QDate(2024, 1, 31));
    r.autoPost = accountGone;
    if (situation != QLatin1String("posted") && situation != QLatin1String("unsaved") && !broken && !accountGone)
        r.transferDestAccountId = QStringLiteral("dst");
    QVERIFY(!accountGone || m_accounts->softDelete(QStringLiteral("src"))); // as a pulled deletion does
    if (situation == QLatin1String("currency")) {
        addAccount(QStringLiteral("eur"), QStringLiteral("EUR"));
        r.transferDestAccountId = QStringLiteral("eur");
    }
    if (situation == QLatin1String("noDest"))
        r.transferDestAccountId = QStringLiteral("gone");
    if (situation == QLatin1String("sameAccount"))
        r.transferDestAccountId = r.accountId;
    if (situation == QLatin1String("deletedDest"))
        QVERIFY(m_accounts->softDelete(QStringLiteral("dst")));
    if (situation == QLatin1String("posted"))
        addTransaction(kGoldenFirst, QStringLiteral("src")); // posted on another device
    if (situation == QLatin1String("secondLeg")) {
        addTransaction(kGoldenDest, QStringLiteral("dst"));
        expectWarning(QStringLiteral("^TransactionRepository::insert failed:"));
    }
    for (int save = 0; broken && save < 2; ++save) // on insert and on quarantine
        expectWarning(QStringLiteral("saving recurring with broken nextDueDate"));
    if (situation != QLatin1String("missing"))
        QVERIFY(m_recurring->insert(r));
    if (situation.startsWith(QLatin1String("unsaved"))) {
        TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.recurring_transactions "
                                         "BEGIN SELECT RAISE(ABORT, 'forced'); END"));
    }
    if (!warning.isEmpty())
        expectWarning(warning);
    const int before = transactionCount();

    QSignalSpy pending(m_service, &RecurringService::pendingCountChanged);
    QCOMPARE(situation.endsWith(QLatin1String("all due")) ? m_service->confirmAllDue()
             : situation.endsWith(QLatin1String("early")) ? m_service->enterEarlyUntil(QDate::currentDate())
             : situation.endsWith(QLatin1String("auto"))  ? m_service->processAutoPost()
                                                          : int(m_service->confirm(QStringLiteral("S"))),
             0);
    QCOMPARE(transactionCount(), before);
    QCOMPARE(pending.count(), 0);
    if (situation == QLatin1String("missing"))
        return;
    QCOMPARE(posting(m_transactions->findById(kGoldenFirst)),
             situation == QLatin1String("posted") ? "src|2024-01-01|x|1||||pending" : "none");
    const RecurringTransaction after = schedule(QStringLiteral("S"));
    QCOMPARE(after.nextDueDate, r.nextDueDate);
    QCOMPARE(after.isActive, !broken);
    QCOMPARE(after.syncStatus, broken ? SyncStatus::Pending : SyncStatus::Synced);
    QCOMPARE(m_service->pendingCount() == 0, accountGone || broken || situation == QLatin1String("deletedDest"));
}

void TestRecurringService::transferInsideSomeoneElsesTransaction()
{
    for (const char* id : {"A", "S"}) {
        RecurringTransaction r = makeSchedule(QLatin1String(id), QDate(2024, 1, 31));
        r.transferDestAccountId = QStringLiteral("dst");
        QVERIFY(m_recurring->insert(r));
    }
    addTransaction(kGoldenDest, QStringLiteral("dst")); // makes the second leg of S fail

    QSqlDatabase db = QSqlDatabase::database();
    QVERIFY(db.transaction()); // an import in progress
    addTransaction(QStringLiteral("imported"), QStringLiteral("src"));
    QVERIFY(m_service->confirm(QStringLiteral("A")));
    expectWarning(QStringLiteral("^TransactionRepository::insert failed:"));
    expectWarning(QStringLiteral("^RecurringService: second leg"));
    QVERIFY(!m_service->confirm(QStringLiteral("S")));
    QVERIFY(db.commit()); // the import's transaction is still open and still its own

    QVERIFY(m_transactions->findById(QStringLiteral("imported")));
    QVERIFY(!m_transactions->findById(kGoldenFirst));
    QCOMPARE(transactionCount(), 4); // imported, the blocking row, both legs of A
}

// A stored date the program cannot read stays as it is when the schedule
// is saved: as NULL it would fail the NOT NULL column and the schedule could
// never be quarantined or advanced.
void TestRecurringService::unreadableDatesAreKept_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<bool>("posts");
    QTest::addColumn<QString>("after"); // is_active start_date next_due_date end_date
    QTest::newRow("next due date: quarantined") << "next_due_date" << false << "0 2024-03-15 garbage -";
    QTest::newRow("start date") << "start_date" << true << "1 garbage 2024-04-15 -";
    QTest::newRow("end date") << "end_date" << true << "0 2024-03-15 2024-04-15 garbage";
}

void TestRecurringService::unreadableDatesAreKept()
{
    QFETCH(QString, column);
    QFETCH(bool, posts);
    QFETCH(QString, after);
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("S"), QDate(2024, 3, 15))));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET %1 = 'garbage'").arg(column));
    QTest::failOnWarning(QRegularExpression(QStringLiteral("failed")));
    if (!posts) {
        expectWarning(QStringLiteral("^RecurringService::confirm refusing record with broken date: S"));
        expectWarning(QStringLiteral("saving recurring with broken nextDueDate"));
    }
    QCOMPARE(m_service->confirm(QStringLiteral("S")), posts);
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT is_active || ' ' || start_date || ' ' || next_due_date || ' ' "
                                                "|| COALESCE(end_date, '-') FROM recurring_transactions"))
                 .toString(),
             after);
}

void TestRecurringService::skip_data()
{
    QTest::addColumn<QString>("storedDue");
    QTest::addColumn<bool>("result");
    QTest::addColumn<QString>("after");
    QTest::newRow("advances") << "2024-03-15" << true << "2024-04-15 pending";
    QTest::newRow("broken date is not tested") << "1999-12-15" << true << "2000-01-15 pending";
    QTest::newRow("unreadable date") << "garbage" << false << "garbage synced";
}

void TestRecurringService::skip()
{
    QFETCH(QString, storedDue);
    QFETCH(bool, result);
    QFETCH(QString, after);
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("S"), QDate(2024, 3, 15))));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET next_due_date = '%1'").arg(storedDue));
    if (!result)
        expectWarning(QStringLiteral("^RecurringService::skip cannot advance record with invalid date: S"));
    QSignalSpy pending(m_service, &RecurringService::pendingCountChanged);
    QCOMPARE(m_service->skip(QStringLiteral("S")), result);
    QCOMPARE(pending.count(), result ? 1 : 0);
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT next_due_date || ' ' || sync_status "
                                                "FROM recurring_transactions")).toString(),
             after);
    QCOMPARE(transactionCount(), 0);
    QVERIFY(!m_service->skip(QStringLiteral("nope")));
}

// A form opened on the schedule, then a pull or a posting changed the
// stored row: what the form left as it was keeps the stored value, and the
// version goes on from the stored row's.
void TestRecurringService::saveEditKeepsWhatChangedMeanwhile_data()
{
    QTest::addColumn<QString>("meanwhile"); // SQL assignments, or "post" for a confirm
    QTest::addColumn<bool>("formAmount");   // the form changed the amount to -1.00 too
    QTest::addColumn<QString>("after");     // payee memo amount version status next due
    QTest::newRow("amount pulled") << "amount = -9900, version = 4" << false
                                   << "Edited||-9900|5|pending|2024-03-15";
    QTest::newRow("memo pulled") << "memo = 'pulled', version = 4" << false
                                 << "Edited|pulled|-2500|5|pending|2024-03-15";
    QTest::newRow("the form's own amount wins") << "amount = -9900, version = 4" << true
                                                << "Edited||-100|5|pending|2024-03-15";
    // A pending row keeps its version on save unless it is raised: the one
    // the form brings would be lost under the stored one.
    QTest::newRow("pending row changed elsewhere") << "version = 4, sync_status = 'pending'" << false
                                                   << "Edited||-2500|5|pending|2024-03-15";
    QTest::newRow("occurrence posted") << "post" << false << "Edited||-2500|3|pending|2024-04-15";
}

void TestRecurringService::saveEditKeepsWhatChangedMeanwhile()
{
    QFETCH(QString, meanwhile);
    QFETCH(bool, formAmount);
    QFETCH(QString, after);
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("S"), QDate(2024, 3, 15))));
    const RecurringTransaction opened = schedule(QStringLiteral("S"));
    RecurringTransaction edited = opened; // as the form gives it back
    edited.payee = QStringLiteral("Edited");
    if (formAmount)
        edited.amount = -100;
    edited.version = opened.version + 1;
    edited.syncStatus = SyncStatus::Pending;
    edited.updatedAt = QDateTime::currentDateTimeUtc();

    if (meanwhile == QLatin1String("post"))
        QVERIFY(m_service->confirm(QStringLiteral("S")));
    else
        TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET %1").arg(meanwhile));
    QVERIFY(m_service->saveEdit(opened, edited));
    const RecurringTransaction saved = schedule(QStringLiteral("S"));
    QCOMPARE(QStringList({saved.payee, saved.memo, QString::number(saved.amount), QString::number(saved.version),
                          syncStatusToString(saved.syncStatus), saved.nextDueDate.toString(Qt::ISODate)})
                 .join(QLatin1Char('|')),
             after);
}

void TestRecurringService::bulkConfirmAndEnterEarly()
{
    const QDate today = QDate::currentDate();
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("behind"), today.addDays(-10), RecurringFrequency::Daily)));
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("today"), today)));
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("later"), today.addDays(30))));
    RecurringTransaction inactive = makeSchedule(QStringLiteral("inactive"), today.addDays(-3));
    inactive.isActive = false;
    QVERIFY(m_recurring->insert(inactive));
    expectWarning(QStringLiteral("saving recurring with broken nextDueDate"));
    QVERIFY(m_recurring->insert(makeSchedule(QStringLiteral("broken"), QDate(1999, 6, 1))));
    QCOMPARE(m_service->pendingCount(), 3);

    // One posting per due schedule per call, however far behind; the broken
    // one is refused and quarantined.
    expectWarning(QStringLiteral("refusing record with broken date: broken"));
    expectWarning(QStringLiteral("saving recurring with broken nextDueDate"));
    QCOMPARE(m_service->confirmAllDue(), 2);
    QCOMPARE(schedule(QStringLiteral("behind")).nextDueDate, today.addDays(-9));
    QCOMPARE(m_service->pendingCount(), 1);

    // Every occurrence through today + 7: 17 of the daily one.
    QCOMPARE(m_service->enterEarlyUntil(today.addDays(7)), 17);
    QCOMPARE(schedule(QStringLiteral("behind")).nextDueDate, today.addDays(8));
    QCOMPARE(schedule(QStringLiteral("later")).nextDueDate, today.addDays(30));
    QCOMPARE(transactionCount(), 19);
    QCOMPARE(m_service->enterEarlyUntil(QDate()), 0);
    QCOMPARE(m_service->all().size(), 5);
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
        expectWarning(QStringLiteral("^Quarantining recurring S Payee S — auto-deactivating. Reason: hit catchup cap "
                                     "in single tick nextDueDate=%1$")
                          .arg(today.addDays(dueOffset + 365).toString(Qt::ISODate)));

    QCOMPARE(m_service->processAutoPost(), posted);
    QCOMPARE(transactionCount(), posted);
    QCOMPARE(schedule(QStringLiteral("S")).isActive, activeAfter);
    QCOMPARE(schedule(QStringLiteral("S")).nextDueDate, today.addDays(dueOffset + posted));
}

void TestRecurringService::processAutoPostWaitsForBulkWrite()
{
    RecurringTransaction r = makeSchedule(QStringLiteral("S"), QDate::currentDate().addDays(-2),
                                          RecurringFrequency::Daily);
    r.autoPost = true;
    QVERIFY(m_recurring->insert(r));
    RecurringTransaction broken = makeSchedule(QStringLiteral("B"), QDate(1999, 6, 1));
    broken.autoPost = true;
    expectWarning(QStringLiteral("saving recurring with broken nextDueDate"));
    QVERIFY(m_recurring->insert(broken));
    {
        BulkWriteScope importRunning(m_fixture->db.db());
        QCOMPARE(m_service->processAutoPost(), 0);
        QVERIFY(schedule(QStringLiteral("B")).isActive);
    }
    expectWarning(QStringLiteral("^Quarantining recurring B Payee B — auto-deactivating. Reason: broken "
                                 "next_due_date nextDueDate=1999-06-01$"));
    expectWarning(QStringLiteral("saving recurring with broken nextDueDate"));
    QCOMPARE(m_service->processAutoPost(), 3);
    QVERIFY(!schedule(QStringLiteral("B")).isActive);
    QCOMPARE(schedule(QStringLiteral("B")).nextDueDate, QDate(1999, 6, 1));
}

TALLYLEAF_CORE_TEST_MAIN(TestRecurringService)
#include "tst_recurringservice.moc"
