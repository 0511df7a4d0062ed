#include "coretestsupport.h"

#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/tokenmanager.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "sync/changeobjects.h"
#include "sync/syncengine.h"
#include "testserviceprocess.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QSignalSpy>

using TestSupport::exec;
using TestSupport::scalar;

// The push half of a sync cycle against the test service: change objects,
// batches, results, rows edited while their push is out, and the version
// rule that keeps local changes ahead of the server's copy.
class SyncPushTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void stateLabels();
    void changeObjects_data();
    void changeObjects();
    void batchesOf500();
    void gatheringOrder();
    void results_data();
    void results();
    void editDuringPush();
    void syncNowDuringCycle();
    void pullFirstIsPerCycle();
    void stopEndsTheCycle();
    void signedOutSettles();
    void importHoldsTheDatabase();
    void anotherUser();
    void localChangesStayAhead_data();
    void localChangesStayAhead();

private:
    // Runs one cycle to its end; false when it failed.
    bool cycle();
    void addAccount(const QString& id);
    void addTransaction(const QString& id, const QString& accountId = QStringLiteral("a1"));
    // Of account a1.
    void addSchedule(const QString& id);
    void addReconciliation(const QString& id);
    void addCategory(const QString& id);
    QJsonArray pushedChanges(int request);
    QStringList pushedIds(int request);
    // "status|server id|version" of a row.
    QString syncColumns(const char* table, const QString& id);
    void localWrite(const QString& write);

    std::unique_ptr<TestServiceProcess> m_service;
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<AccountRepository> m_accounts;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<RecurringRepository> m_recurring;
    std::unique_ptr<ReconciliationRepository> m_reconciliations;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<PreferencesRepository> m_preferences;
    std::unique_ptr<LarkAccount::Client> m_client;
    std::unique_ptr<SyncEngine> m_engine;
};

namespace {

const QString kPush = QStringLiteral("/sync/push");
const QDateTime kCreated(QDate(2024, 3, 1), QTime(10, 15, 30), Qt::UTC);

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

Transaction makeTransaction(const QString& id, const QString& accountId)
{
    Transaction t;
    t.id = id;
    t.accountId = accountId;
    t.date = QDate(2024, 3, 5);
    t.payee = QStringLiteral("Payee ") + id;
    t.amount = -1250;
    t.createdAt = kCreated;
    t.updatedAt = kCreated;
    return t;
}

} // namespace

void SyncPushTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
}

void SyncPushTest::init()
{
    m_service->reset();
    m_db = std::make_unique<TestSupport::TempDatabase>();
    Database* db = m_db->db();
    m_accounts = std::make_unique<AccountRepository>(db);
    m_transactions = std::make_unique<TransactionRepository>(db);
    m_categories = std::make_unique<CategoryRepository>(db);
    m_recurring = std::make_unique<RecurringRepository>(db);
    m_reconciliations = std::make_unique<ReconciliationRepository>(db);
    m_splitLines = std::make_unique<SplitLineRepository>(db);
    m_preferences = std::make_unique<PreferencesRepository>(db);

    LarkAccount::ClientConfig config;
    config.authBaseUrl = m_service->url().toString();
    config.realmSlug = QStringLiteral("larkspur");
    config.accountApiUrl = m_service->url().toString();
    m_client = std::make_unique<LarkAccount::Client>(config, std::make_unique<LarkAccount::MemoryTokenStore>());
    m_client->syncApi()->setBaseUrl(m_service->url());
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"));
    m_client->tokenManager()->setTokens(text(pair, "access_token"), text(pair, "refresh_token"));

    m_engine = std::make_unique<SyncEngine>(m_client->syncApi(), m_accounts.get(), m_transactions.get(),
                                            m_categories.get(), m_recurring.get(), m_reconciliations.get(),
                                            m_splitLines.get(), m_preferences.get());
    m_engine->setDatabase(db);
    LarkAccount::Client* client = m_client.get();
    m_engine->setSignedInCheck([client] { return client->isAuthenticated(); });
}

void SyncPushTest::cleanup()
{
    m_engine.reset();
    m_client.reset();
    m_preferences.reset();
    m_splitLines.reset();
    m_reconciliations.reset();
    m_recurring.reset();
    m_categories.reset();
    m_transactions.reset();
    m_accounts.reset();
    m_db.reset();
}

bool SyncPushTest::cycle()
{
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy failed(m_engine.get(), &SyncEngine::syncFailed);
    m_engine->syncNow();
    if (!QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, 10000))
        qWarning("the cycle did not end");
    return completed.count() == 1 && failed.isEmpty();
}

void SyncPushTest::addAccount(const QString& id)
{
    Account a;
    a.id = id;
    a.name = QStringLiteral("Account ") + id;
    a.createdAt = kCreated;
    a.updatedAt = kCreated;
    QVERIFY(m_accounts->insert(a));
}

void SyncPushTest::addTransaction(const QString& id, const QString& accountId)
{
    QVERIFY(m_transactions->insert(makeTransaction(id, accountId)));
}

void SyncPushTest::addSchedule(const QString& id)
{
    RecurringTransaction r;
    r.id = id;
    r.accountId = QStringLiteral("a1");
    r.startDate = r.nextDueDate = QDate(2024, 4, 1);
    r.createdAt = r.updatedAt = kCreated;
    QVERIFY(m_recurring->insert(r));
}

void SyncPushTest::addReconciliation(const QString& id)
{
    Reconciliation r;
    r.id = id;
    r.accountId = QStringLiteral("a1");
    r.statementDate = QDate(2024, 2, 29);
    r.completedAt = kCreated;
    QVERIFY(m_reconciliations->insert(r));
}

void SyncPushTest::addCategory(const QString& id)
{
    Category c;
    c.id = id;
    c.name = id;
    c.createdAt = c.updatedAt = kCreated;
    QVERIFY(m_categories->insert(c));
}

QJsonArray SyncPushTest::pushedChanges(int request)
{
    const QJsonArray requests = m_service->requests(kPush);
    if (request >= requests.size())
        return {};
    const QByteArray body = text(requests.at(request), "body").toUtf8();
    return QJsonDocument::fromJson(body).object().value(QLatin1String("changes")).toArray();
}

QStringList SyncPushTest::pushedIds(int request)
{
    QStringList ids;
    for (const QJsonValue& change : pushedChanges(request))
        ids << text(change, "entity_id");
    return ids;
}

QString SyncPushTest::syncColumns(const char* table, const QString& id)
{
    return scalar(QStringLiteral("SELECT sync_status || '|' || COALESCE(server_id, '') || '|' || version FROM %1 "
                                 "WHERE id = '%2'")
                      .arg(QLatin1String(table), id))
        .toString();
}

void SyncPushTest::stateLabels()
{
    const QStringList labels{"Synced", "Syncing...", "Sync error", "Offline", "Unknown"};
    const int states[] = {0, 1, 2, 3, 7};
    for (int i = 0; i < 5; ++i)
        QCOMPARE(SyncEngine::stateLabel(SyncEngine::SyncState(states[i])), labels.at(i));
}

// Keys that must be absent, flags as numbers, 64-bit money exact, dates and
// "…Z" timestamps.
void SyncPushTest::changeObjects_data()
{
    QTest::addColumn<QJsonObject>("change");
    QTest::addColumn<QString>("head");      // entity type, action and version
    QTest::addColumn<QJsonObject>("fields"); // payload values that must match
    QTest::addColumn<QStringList>("absent");
    QTest::addColumn<QString>("fragment");   // must appear in the serialised change

    Account account;
    account.id = QStringLiteral("a1");
    account.name = QStringLiteral("Checking");
    account.accountType = AccountType::CreditCard;
    account.currency = CurrencyCode::JPY;
    account.startingBalance = Q_INT64_C(9007199254740993);
    account.isShared = true;
    account.version = 4;
    account.createdAt = kCreated;
    account.updatedAt = kCreated.addSecs(1);
    QTest::newRow("account") << ChangeObjects::account(account) << "account upsert 4"
                             << QJsonObject{{"client_id", "a1"}, {"account_type", "credit_card"}, {"currency", "JPY"},
                                            {"is_shared", 1}, {"institution", ""}, {"sort_order", 0}, {"version", 4},
                                            {"created_at", "2024-03-01T10:15:30Z"},
                                            {"updated_at", "2024-03-01T10:15:31Z"}}
                             << QStringList{"server_id", "deleted_at"} << "\"starting_balance\":9007199254740993";
    account.serverId = QStringLiteral("srv-9");
    account.deletedAt = kCreated.addDays(1);
    QTest::newRow("account deleted") << ChangeObjects::account(account) << "account delete 4"
                                     << QJsonObject{{"server_id", "srv-9"}, {"deleted_at", "2024-03-02T10:15:30Z"}}
                                     << QStringList() << "";

    Category category;
    category.id = QStringLiteral("c1");
    category.name = QStringLiteral("Food");
    category.isTaxRelevant = true;
    QTest::newRow("category") << ChangeObjects::category(category) << "category upsert 1"
                              << QJsonObject{{"category_type", "expense"}, {"parent_id", ""}, {"is_tax_relevant", 1},
                                             {"is_default", 0}, {"account_id", ""}, {"created_at", ""}}
                              << QStringList{"server_id", "deleted_at"} << "";

    RecurringTransaction recurring;
    recurring.id = QStringLiteral("s1");
    recurring.frequency = RecurringFrequency::SemiAnnual;
    recurring.startDate = QDate(2024, 1, 31);
    recurring.nextDueDate = QDate(2024, 7, 31);
    recurring.version = 6;
    QTest::newRow("recurring, no end date")
        << ChangeObjects::recurring(recurring) << "recurring upsert 6"
        << QJsonObject{{"frequency", "semi_annual"}, {"start_date", "2024-01-31"}, {"next_due_date", "2024-07-31"},
                       {"auto_post", 0}, {"is_active", 1}, {"interval_count", 1}, {"semimonthly_day_2", 15}}
        << QStringList{"end_date", "version", "server_id", "deleted_at"} << "";
    recurring.endDate = QDate(2024, 12, 31);
    QTest::newRow("recurring, end date") << ChangeObjects::recurring(recurring) << "recurring upsert 6"
                                         << QJsonObject{{"end_date", "2024-12-31"}} << QStringList{"version"} << "";

    Transaction transaction = makeTransaction(QStringLiteral("t1"), QStringLiteral("a1"));
    transaction.cleared = true;
    QTest::newRow("transaction") << ChangeObjects::transaction(transaction, {}) << "transaction upsert 1"
                                 << QJsonObject{{"date", "2024-03-05"}, {"amount", -1250}, {"cleared", 1},
                                                {"reconciled", 0}, {"is_split", 0}, {"category_id", ""},
                                                {"recurring_id", ""}}
                                 << QStringList{"split_lines", "server_id", "deleted_at"} << "";
    transaction.isSplit = true;
    QTest::newRow("split, no lines stored") << ChangeObjects::transaction(transaction, {}) << "transaction upsert 1"
                                            << QJsonObject{{"is_split", 1}, {"split_lines", QJsonArray()}}
                                            << QStringList() << "";
    SplitLine line;
    line.categoryId = QStringLiteral("c1");
    line.amount = -1000;
    QTest::newRow("split with a line") << ChangeObjects::transaction(transaction, {line}) << "transaction upsert 1"
                                       << QJsonObject{{"split_lines", QJsonArray{QJsonObject{
                                                                         {"category_id", "c1"},
                                                                         {"amount", -1000},
                                                                         {"memo", ""}}}}}
                                       << QStringList() << "";

    Reconciliation reconciliation;
    reconciliation.id = QStringLiteral("r1");
    reconciliation.statementDate = QDate(2024, 2, 29);
    reconciliation.statementBalance = Q_INT64_C(-9007199254740993);
    reconciliation.completedAt = kCreated;
    QTest::newRow("reconciliation") << ChangeObjects::reconciliation(reconciliation) << "reconciliation upsert 1"
                                    << QJsonObject{{"statement_date", "2024-02-29"}, {"reconciled_balance", 0},
                                                   {"completed_at", "2024-03-01T10:15:30Z"}, {"version", 1}}
                                    << QStringList{"server_id", "deleted_at"}
                                    << "\"statement_balance\":-9007199254740993";
}

void SyncPushTest::changeObjects()
{
    QFETCH(QJsonObject, change);
    QFETCH(QString, head);
    QFETCH(QJsonObject, fields);
    QFETCH(QStringList, absent);
    QFETCH(QString, fragment);
    QCOMPARE(QStringLiteral("%1 %2 %3")
                 .arg(text(change, "entity_type"), text(change, "action"))
                 .arg(change.value(QLatin1String("version")).toInt()),
             head);
    const QJsonObject payload = change.value(QLatin1String("payload")).toObject();
    QCOMPARE(text(payload, "client_id"), text(change, "entity_id"));
    for (auto it = fields.constBegin(); it != fields.constEnd(); ++it)
        QCOMPARE(payload.value(it.key()), it.value());
    for (const QString& key : absent)
        QVERIFY2(!payload.contains(key), qPrintable(key));
    QVERIFY(QJsonDocument(change).toJson(QJsonDocument::Compact).contains(fragment.toUtf8()));
}

// 501 pending rows: 500 go out, then the last one in the next cycle; then
// nothing is sent at all.
void SyncPushTest::batchesOf500()
{
    addAccount(QStringLiteral("a1"));
    QVERIFY(m_db->db()->database().transaction());
    for (int i = 0; i < 500; ++i)
        addTransaction(QStringLiteral("t%1").arg(i, 3, 10, QLatin1Char('0')));
    QVERIFY(m_db->db()->database().commit());
    // Rows waiting to go out again after an id repair wait until the last.
    const QString repush = QStringLiteral("syncIdsRepush");
    m_preferences->setValue(repush, QStringLiteral("1"));

    QTest::ignoreMessage(QtInfoMsg, "Pushing 501 changes (in batches of 500 )");
    QTest::ignoreMessage(QtInfoMsg, "Push batch: 500 changes, 1 remaining");
    QVERIFY(cycle());
    QCOMPARE(pushedChanges(0).size(), 500);
    QCOMPARE(pushedIds(0).first(), QStringLiteral("a1"));
    QCOMPARE(syncColumns("transactions", "t498"), QStringLiteral("synced|srv-500|1"));
    QCOMPARE(syncColumns("transactions", "t499"), QStringLiteral("pending||1"));
    QVERIFY(m_preferences->value(repush));
    QVERIFY(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"))
                .match(m_preferences->valueOr(QStringLiteral("lastSyncTimestamp"), QString()))
                .hasMatch());

    QTest::ignoreMessage(QtInfoMsg, "Push batch: 1 changes, 0 remaining");
    QVERIFY(cycle());
    QCOMPARE(pushedIds(1), QStringList{"t499"});
    QCOMPARE(syncColumns("transactions", "t499"), QStringLiteral("synced|srv-501|1"));
    QVERIFY(!m_preferences->value(repush));

    QVERIFY(cycle());
    QCOMPARE(m_service->requests(kPush).size(), 2);
}

// Rows that others refer to go first, a parent category before its child
// even when the child was written first.
void SyncPushTest::gatheringOrder()
{
    addAccount(QStringLiteral("a1"));
    addReconciliation(QStringLiteral("r1"));
    addTransaction(QStringLiteral("t1"));
    addSchedule(QStringLiteral("s1"));
    addCategory(QStringLiteral("child"));
    addCategory(QStringLiteral("parent"));
    Category child = *m_categories->findById(QStringLiteral("child"));
    child.parentId = QStringLiteral("parent");
    QVERIFY(m_categories->update(child));
    exec(QStringLiteral("UPDATE transactions SET is_split = 1"));
    SplitLine line;
    line.id = QStringLiteral("l1");
    line.transactionId = QStringLiteral("t1");
    line.categoryId = QStringLiteral("child");
    line.amount = -1250;
    line.createdAt = line.updatedAt = kCreated;
    QVERIFY(m_splitLines->insert(line));

    QVERIFY(cycle());
    QCOMPARE(pushedIds(0), (QStringList{"a1", "parent", "child", "s1", "t1", "r1"}));
    const QJsonValue lines = pushedChanges(0).at(4).toObject().value("payload").toObject().value("split_lines");
    QCOMPARE(lines, QJsonValue(QJsonArray{QJsonObject{{"category_id", "child"}, {"amount", -1250}, {"memo", ""}}}));
}

// Rejected rows stay pending; a failed request marks nothing; an "ok"
// without a server id keeps the stored one.
void SyncPushTest::results_data()
{
    QTest::addColumn<QJsonObject>("behaviour"); // of the test service's sync routes
    QTest::addColumn<QJsonObject>("fault");
    QTest::addColumn<QString>("error");   // of syncFailed; empty: the cycle succeeds
    QTest::addColumn<QString>("pending"); // rows still pending afterwards
    QTest::addColumn<QString>("t1");      // t1's sync columns afterwards
    // Whether the rows that wait to go out again after an id repair still
    // wait (the next cycle pulls first): only every row accepted ends that.
    QTest::addColumn<bool>("repush");

    QTest::newRow("all accepted") << QJsonObject() << QJsonObject() << "" << "" << "synced|srv-1|1" << false;
    QTest::newRow("two of five rejected") << QJsonObject{{"reject", QJsonArray{"t2", "t4"}}} << QJsonObject()
                                          << "2 change(s) were refused by the server: rejected by test"
                                          << "t2,t4" << "synced|srv-1|1" << true;
    QTest::newRow("ok without server_id") << QJsonObject{{"omit_server_id", true}} << QJsonObject() << "" << ""
                                          << "synced|keep-1|1" << false;
    QTest::newRow("HTTP 500") << QJsonObject() << QJsonObject{{"mode", "status"}, {"status", 500}}
                              << "Push failed (HTTP 500)" << "t1,t2,t3,t4,t5" << "pending|keep-1|1" << true;
    QTest::newRow("no HTTP answer") << QJsonObject() << QJsonObject{{"mode", "close"}} << "Push failed (HTTP 0)"
                                    << "t1,t2,t3,t4,t5" << "pending|keep-1|1" << true;
    QTest::newRow("200 without results") << QJsonObject() << QJsonObject{{"status", 200}, {"body", QJsonObject()}}
                                         << "" << "t1,t2,t3,t4,t5" << "pending|keep-1|1" << true;
}

void SyncPushTest::results()
{
    QFETCH(QJsonObject, behaviour);
    QFETCH(QJsonObject, fault);
    QFETCH(QString, error);
    QFETCH(QString, pending);
    QFETCH(QString, t1);
    QFETCH(bool, repush);
    addAccount(QStringLiteral("a1"));
    exec(QStringLiteral("UPDATE accounts SET sync_status = 'synced'"));
    m_preferences->setValue(QStringLiteral("syncIdsRepush"), QStringLiteral("1"));
    for (int i = 1; i <= 5; ++i)
        addTransaction(QStringLiteral("t%1").arg(i));
    exec(QStringLiteral("UPDATE transactions SET server_id = 'keep-1' WHERE id = 't1'"));
    if (!behaviour.isEmpty())
        m_service->control("POST", QStringLiteral("/_control/sync"), behaviour);
    if (!fault.isEmpty())
        m_service->addFault(kPush, fault);
    // The pull would bring the server's id back: it answers an empty page.
    if (behaviour.contains(QLatin1String("omit_server_id")))
        m_service->addFault(QStringLiteral("/sync/pull"), {{"status", 200}, {"body", QJsonObject()}});
    if (behaviour.contains(QLatin1String("reject"))) {
        for (const char* id : {"t2", "t4"}) {
            QTest::ignoreMessage(QtWarningMsg, qPrintable(QStringLiteral(
                "Push result not ok — leaving record pending: \"transaction\" \"%1\" status= \"rejected\" "
                "message= \"rejected by test\"").arg(QLatin1String(id))));
        }
        QTest::ignoreMessage(QtWarningMsg,
                             "Push batch: 3 ok, 2 errors — failed records remain pending for next sync");
    }
    QSignalSpy failed(m_engine.get(), &SyncEngine::syncFailed);
    QSignalSpy states(m_engine.get(), &SyncEngine::stateChanged);

    QCOMPARE(cycle(), error.isEmpty());
    QCOMPARE(failed.isEmpty() ? QString() : failed.first().first().toString(), error);
    QCOMPARE(m_engine->state(), error.isEmpty() ? SyncEngine::Idle : SyncEngine::Error);
    QCOMPARE(states.last().first().value<SyncEngine::SyncState>(), m_engine->state());
    QStringList stillPending;
    for (const Transaction& t : m_transactions->findPendingSync(100))
        stillPending << t.id;
    QCOMPARE(stillPending.join(','), pending);
    QCOMPARE(syncColumns("transactions", "t1"), t1);
    QCOMPARE(m_engine->lastSyncTimestamp().isEmpty(), !error.isEmpty());
    QCOMPARE(m_preferences->value(QStringLiteral("syncIdsRepush")).has_value(), repush);
    if (behaviour.contains(QLatin1String("reject"))) {
        // Refused again: still an error; accepted at last: synced.
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Push ")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Push ")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Push ")));
        QVERIFY(!cycle());
        QCOMPARE(m_engine->lastError(), error);
        m_service->control("POST", QStringLiteral("/_control/sync"), {{"reject", QJsonArray()}});
        QVERIFY(cycle());
        QCOMPARE(m_engine->state(), SyncEngine::Idle);
        QVERIFY(m_transactions->findPendingSync(100).isEmpty());
        QVERIFY(!m_preferences->value(QStringLiteral("syncIdsRepush")));
    }
}

// An edit made while its push is out is not marked synced: the row keeps
// the server id and goes out again with the edit.
void SyncPushTest::editDuringPush()
{
    addAccount(QStringLiteral("a1"));
    addTransaction(QStringLiteral("t1"));
    m_service->addFault(kPush, {{"mode", "delay"}, {"delay_ms", 1000}, {"times", 1}});
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    m_engine->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(kPush).size(), 1, 5000);
    Transaction edited = *m_transactions->findById(QStringLiteral("t1"));
    edited.memo = QStringLiteral("typed meanwhile");
    QVERIFY(m_transactions->update(edited));
    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, 5000);
    QCOMPARE(syncColumns("transactions", "t1"), QStringLiteral("pending|srv-2|1"));
    QCOMPARE(syncColumns("accounts", "a1"), QStringLiteral("synced|srv-1|1"));

    QVERIFY(cycle());
    QCOMPARE(pushedIds(1), QStringList{"t1"});
    QCOMPARE(syncColumns("transactions", "t1"), QStringLiteral("synced|srv-2|1"));
    const QJsonArray rows = m_service->control("GET", QStringLiteral("/_control/sync/rows")).value("rows").toArray();
    QCOMPARE(rows.size(), 2);
    QCOMPARE(text(rows.last(), "memo"), QStringLiteral("typed meanwhile"));
}

// Asked for during a cycle, one more cycle follows it, however often.
void SyncPushTest::syncNowDuringCycle()
{
    addAccount(QStringLiteral("a1"));
    m_service->addFault(kPush, {{"mode", "delay"}, {"delay_ms", 500}, {"times", 1}});
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    QSignalSpy data(m_engine.get(), &SyncEngine::dataChanged);
    m_engine->syncNow();
    m_engine->syncNow();
    m_engine->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 2, 5000);
    QTest::qWait(100);
    QCOMPARE(completed.count(), 2);
    QCOMPARE(data.count(), 2);
    QCOMPARE(m_service->requests(kPush).size(), 1);
}

// A cycle pulls before its push only while a row the server may hold a
// newer copy of waits to go out (a default category that never reached
// it); each cycle decides afresh, and one with nothing to push still pulls.
void SyncPushTest::pullFirstIsPerCycle()
{
    const auto addDefault = [this](const QString& id) {
        addCategory(id);
        exec(QStringLiteral("UPDATE categories SET is_default = 1 WHERE id = '%1'").arg(id));
    };
    const auto cycleRequests = [this] {
        const qsizetype before = m_service->requests().size();
        QStringList sent;
        if (!cycle())
            sent << QStringLiteral("failed");
        const QJsonArray requests = m_service->requests();
        for (qsizetype i = before; i < requests.size(); ++i)
            sent << text(requests.at(i), "method") + QLatin1Char(' ') + text(requests.at(i), "path");
        return sent;
    };
    const QStringList pullFirst{"GET /sync/pull", "POST /sync/push", "GET /sync/pull"};
    const QStringList pushFirst{"POST /sync/push", "GET /sync/pull"};
    addDefault(QStringLiteral("d1"));
    QCOMPARE(cycleRequests(), pullFirst);
    QCOMPARE(cycleRequests(), QStringList{"GET /sync/pull"});
    addAccount(QStringLiteral("a1"));
    QCOMPARE(cycleRequests(), pushFirst);
    addDefault(QStringLiteral("d2"));
    QCOMPARE(cycleRequests(), pullFirst);
}

// Signing out ends a cycle whose push is out: its reply changes nothing and
// no further step runs.
void SyncPushTest::stopEndsTheCycle()
{
    addAccount(QStringLiteral("a1"));
    m_service->addFault(kPush, {{"mode", "delay"}, {"delay_ms", 300}, {"times", 1}});
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    m_engine->start(SyncEngine::kPeriodMs);
    QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(kPush).size(), 1, 5000);
    m_engine->stop();
    QCOMPARE(m_engine->state(), SyncEngine::Idle);
    QVERIFY(!m_engine->isPeriodicSyncActive());
    QTest::qWait(600);
    QCOMPARE(completed.count(), 0);
    QCOMPARE(syncColumns("accounts", "a1"), QStringLiteral("pending||1"));
}

// Signed out, a cycle sends nothing and leaves Error for Idle once.
void SyncPushTest::signedOutSettles()
{
    addAccount(QStringLiteral("a1"));
    m_service->addFault(kPush, {{"mode", "status"}, {"status", 503}, {"times", 1}});
    QVERIFY(!cycle());
    QCOMPARE(m_engine->lastError(), QStringLiteral("Push failed (HTTP 503)"));
    m_client->tokenManager()->clearTokens();
    QSignalSpy states(m_engine.get(), &SyncEngine::stateChanged);
    m_engine->syncNow();
    m_engine->syncNow();
    QCOMPARE(states.count(), 1);
    QCOMPARE(states.first().first().value<SyncEngine::SyncState>(), SyncEngine::Idle);
    QCOMPARE(m_service->requests(kPush).size(), 1);
    QCOMPARE(m_engine->lastError(), QStringLiteral("Push failed (HTTP 503)"));
}

// While an import holds the database no cycle starts; one follows it.
void SyncPushTest::importHoldsTheDatabase()
{
    addAccount(QStringLiteral("a1"));
    QSignalSpy completed(m_engine.get(), &SyncEngine::syncCompleted);
    {
        BulkWriteScope bulk(m_db->db());
        m_engine->syncNow();
        QCOMPARE(m_engine->state(), SyncEngine::Idle);
        QVERIFY(m_engine->isSyncScheduled());
    }
    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, SyncEngine::kDebounceMs + 3000);
    QCOMPARE(syncColumns("accounts", "a1"), QStringLiteral("synced|srv-1|1"));
}

// Another user's server ids and cursor are left behind; the rows go to the
// new account as new ones.
void SyncPushTest::anotherUser()
{
    addAccount(QStringLiteral("a1"));
    addAccount(QStringLiteral("gone"));
    m_engine->adoptUser(QStringLiteral("u1"));
    QVERIFY(cycle());
    QVERIFY(m_accounts->softDelete(QStringLiteral("gone")));
    QVERIFY(cycle());
    m_preferences->setValue(QStringLiteral("syncCursor"), QStringLiteral("42"));

    m_engine->adoptUser(QStringLiteral("u1"));
    QCOMPARE(syncColumns("accounts", "a1"), QStringLiteral("synced|srv-1|1"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Sync: signed in as another user")));
    m_engine->adoptUser(QStringLiteral("u2"));
    QCOMPARE(syncColumns("accounts", "a1"), QStringLiteral("pending||1"));
    QCOMPARE(syncColumns("accounts", "gone"), QStringLiteral("synced||2"));
    QVERIFY(!m_preferences->value(QStringLiteral("syncCursor")));
    QCOMPARE(m_preferences->valueOr(QStringLiteral("syncUserId"), QString()), QStringLiteral("u2"));
}

// Every local write leaves the row pending; a write to a synced row raises
// its version once, so that it wins over the server's copy, and later
// writes before the push keep it. A write of the server's copy (synced)
// takes that version as it is.
void SyncPushTest::localChangesStayAhead_data()
{
    QTest::addColumn<QString>("write");
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("id");
    QTest::addColumn<bool>("deleted"); // the row starts soft-deleted

    QTest::newRow("transaction form") << "transaction form" << "transactions" << "t1" << false;
    QTest::newRow("cleared toggle") << "cleared toggle" << "transactions" << "t1" << false;
    QTest::newRow("transaction delete") << "transaction delete" << "transactions" << "t1" << false;
    QTest::newRow("account's transactions restored") << "restore transactions" << "transactions" << "t1" << true;
    QTest::newRow("account form") << "account form" << "accounts" << "a1" << false;
    QTest::newRow("account restore") << "account restore" << "accounts" << "a1" << true;
    QTest::newRow("category delete") << "category delete" << "categories" << "c1" << false;
    QTest::newRow("recurring form") << "recurring form" << "recurring_transactions" << "s1" << false;
    QTest::newRow("reconciliation update") << "reconciliation update" << "reconciliations" << "r1" << false;
}

void SyncPushTest::localWrite(const QString& write)
{
    const QString a1 = QStringLiteral("a1");
    const QString since = QStringLiteral("2024-01-01T00:00:00Z");
    if (write == QLatin1String("transaction form") || write == QLatin1String("cleared toggle")) {
        if (write == QLatin1String("cleared toggle")) {
            TransactionService service(m_db->db(), m_accounts.get(), m_transactions.get(), m_splitLines.get());
            QCOMPARE(service.toggleCleared(QStringLiteral("t1")), TransactionService::ToggleResult::Toggled);
            return;
        }
        Transaction t = *m_transactions->findById(QStringLiteral("t1"));
        t.payee += QLatin1Char('!');
        t.syncStatus = SyncStatus::Pending;
        QVERIFY(m_transactions->update(t));
    } else if (write == QLatin1String("transaction delete")) {
        QVERIFY(m_transactions->softDelete(QStringLiteral("t1")));
    } else if (write == QLatin1String("restore transactions")) {
        m_transactions->restoreByAccount(a1, since);
    } else if (write == QLatin1String("account form")) {
        Account a = *m_accounts->findById(a1);
        a.name += QLatin1Char('!');
        a.syncStatus = SyncStatus::Pending;
        QVERIFY(m_accounts->update(a));
    } else if (write == QLatin1String("account restore")) {
        QVERIFY(m_accounts->restore(a1));
    } else if (write == QLatin1String("category delete")) {
        QVERIFY(m_categories->softDelete(QStringLiteral("c1")));
    } else if (write == QLatin1String("recurring form")) {
        RecurringTransaction r = *m_recurring->findById(QStringLiteral("s1"));
        r.syncStatus = SyncStatus::Pending;
        QVERIFY(m_recurring->update(r));
    } else if (write == QLatin1String("reconciliation update")) {
        Reconciliation r = *m_reconciliations->findById(QStringLiteral("r1"));
        r.syncStatus = SyncStatus::Pending;
        QVERIFY(m_reconciliations->update(r));
    } else {
        QFAIL("unknown write");
    }
}

void SyncPushTest::localChangesStayAhead()
{
    QFETCH(QString, write);
    QFETCH(QString, table);
    QFETCH(QString, id);
    QFETCH(bool, deleted);
    addAccount(QStringLiteral("a1"));
    addTransaction(QStringLiteral("t1"));
    addCategory(QStringLiteral("c1"));
    addSchedule(QStringLiteral("s1"));
    addReconciliation(QStringLiteral("r1"));
    const QString columns = deleted ? QStringLiteral(", deleted_at = '2024-02-01T00:00:00Z'") : QString();
    exec(QStringLiteral("UPDATE %1 SET sync_status = 'synced', version = 3, server_id = 'srv'%2 WHERE id = '%3'")
             .arg(table, columns, id));

    localWrite(write);
    QCOMPARE(syncColumns(qPrintable(table), id), QStringLiteral("pending|srv|4"));
    localWrite(write);
    QCOMPARE(syncColumns(qPrintable(table), id), QStringLiteral("pending|srv|4"));

    Transaction serverCopy = *m_transactions->findById(QStringLiteral("t1"));
    serverCopy.version = 2;
    serverCopy.syncStatus = SyncStatus::Synced;
    QVERIFY(m_transactions->update(serverCopy));
    QCOMPARE(scalar(QStringLiteral("SELECT sync_status || version FROM transactions")).toString(),
             QStringLiteral("synced2"));
}

TALLYLEAF_CORE_TEST_MAIN(SyncPushTest)
#include "tst_syncpush.moc"
