#include "coretestsupport.h"

#include "services/transactionservice.h"
#include "syncinstallation.h"

#include <QJsonArray>
#include <QJsonDocument>

using TestSupport::exec;
using TestSupport::scalar;

// The pull half of a sync cycle: requests, cursor and paging against the
// test service, and how pulled rows are applied to the local tables.
class SyncPullTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void requestsAndCursor();
    void cursorReadsBack_data();
    void cursorReadsBack();
    void pageCap();
    void pageCapSpansBothPulls_data();
    void pageCapSpansBothPulls();
    void failureKeepsEarlierPages();
    void replyShapes_data();
    void replyShapes();
    void serviceFaults_data();
    void serviceFaults();
    void applyRules_data();
    void applyRules();
    void transferMadeElsewhere_data();
    void transferMadeElsewhere();
    void storedIdsRepair_data();
    void storedIdsRepair();
    void repairPassEnds_data();
    void repairPassEnds();
    void referencesToLaterRows_data();
    void referencesToLaterRows();
    void retryList();
    void retryListForgetsStaleRows();
    void wrongTypesEverywhere();
    void signalsPerPage();
    void waitsForBulkWrite();

private:
    void queuePage(const QJsonObject& page);
    QStringList pullQueries();

    std::unique_ptr<TestServiceProcess> m_service;
    std::unique_ptr<SyncInstallation> m_app;
};

namespace {

const QString kPull = QStringLiteral("/sync/pull");

QJsonObject transactionRow(const QJsonObject& overrides)
{
    QJsonObject row{{"id", "srv-t1"},      {"client_id", "t1"},    {"account_id", "a1"}, {"date", "2024-03-05"},
                    {"payee", "New"},      {"memo", ""},           {"amount", -500},     {"category_id", ""},
                    {"check_number", ""},  {"cleared", 0},         {"reconciled", 0},    {"transfer_link_id", ""},
                    {"transfer_dest_account_id", ""}, {"is_split", 0}, {"recurring_id", ""}, {"version", 1},
                    {"created_at", "2024-03-01T10:00:00Z"}, {"updated_at", "2024-03-02T10:00:00Z"}};
    for (auto it = overrides.begin(); it != overrides.end(); ++it)
        row.insert(it.key(), it.value());
    return row;
}

QJsonObject transactions(const QJsonObject& overrides)
{
    return {{"transactions", QJsonArray{transactionRow(overrides)}}};
}

} // namespace

void SyncPullTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
}

void SyncPullTest::init()
{
    m_service->reset();
    m_app = std::make_unique<SyncInstallation>(m_service.get(), QStringLiteral("u1"));
    QVERIFY(m_app->open());
    // Local state most rows start from: account a1 and its transaction t1,
    // both synced at version 1.
    exec(QStringLiteral("INSERT INTO accounts (id, name, version, sync_status, server_id, created_at, updated_at) "
                        "VALUES ('a1', 'A1', 1, 'synced', 'srv-a1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z'), "
                        "('a2', 'A2', 1, 'synced', 'srv-a2', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, version, sync_status, "
                        "server_id, created_at, updated_at) VALUES ('t1', 'a1', '2024-03-05', 'Old', -100, 1, "
                        "'synced', 'srv-t1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
}

void SyncPullTest::cleanup()
{
    m_app.reset();
}

void SyncPullTest::queuePage(const QJsonObject& page)
{
    m_service->addFault(kPull, {{"status", 200}, {"body", page}, {"times", 1}});
}

QStringList SyncPullTest::pullQueries()
{
    QStringList queries;
    for (const QJsonValue& request : m_service->requests(kPull))
        queries << request.toObject().value(QLatin1String("query")).toString();
    return queries;
}

// No cursor the first time, the reply's cursor on the next page, and an
// empty reply cursor keeps the saved one.
void SyncPullTest::requestsAndCursor()
{
    queuePage({{"cursor", "k+1"}, {"has_more", true}});
    queuePage({{"cursor", ""}, {"has_more", false}});
    QVERIFY(m_app->cycle());
    QCOMPARE(pullQueries(), (QStringList{"limit=200", "cursor=k+1&limit=200"}));
    QCOMPARE(m_app->preferences->valueOr(QStringLiteral("syncCursor"), QString()), QStringLiteral("k+1"));
}

// The service reads its query as a form, where a literal '+' is a space:
// the cursor it handed out must come back intact, and the second cycle
// gets only what changed since.
void SyncPullTest::cursorReadsBack_data()
{
    QTest::addColumn<bool>("plain");
    QTest::newRow("cursor with '+'") << false;
    QTest::newRow("cursor without '+'") << true;
}

void SyncPullTest::cursorReadsBack()
{
    QFETCH(bool, plain);
    m_service->control("POST", QStringLiteral("/_control/sync/pull"), {{"plain_cursor", plain}});
    exec(QStringLiteral("UPDATE accounts SET sync_status = 'pending'"));
    QVERIFY(m_app->cycle());
    QVERIFY(m_app->preferences->valueOr(QStringLiteral("syncCursor"), QString()).contains(plain ? '.' : '+'));
    QVERIFY(m_app->cycle());
    const QJsonArray requests = m_service->requests(kPull);
    QCOMPARE(requests.size(), 2);
    QCOMPARE(m_app->engine->lastError(), QString());
}

// At most 50 pages a cycle; the next cycle goes on from the saved cursor.
void SyncPullTest::pageCap()
{
    m_service->addFault(kPull, {{"status", 200}, {"body", QJsonObject{{"cursor", "0+0+0+0+7"}, {"has_more", true}}}});
    QVERIFY(m_app->cycle());
    QCOMPARE(m_service->requests(kPull).size(), 50);
    m_service->control("DELETE", QStringLiteral("/_control/faults"));
    QVERIFY(m_app->cycle());
    QCOMPARE(pullQueries().value(50), QStringLiteral("cursor=0+0+0+0+7&limit=200"));
}

// A cycle that pulls before its push (a default category that never
// reached the server) reads at most 50 pages over both of its pulls. A
// first pull that used them all leaves the push to the next cycle.
void SyncPullTest::pageCapSpansBothPulls_data()
{
    QTest::addColumn<int>("firstPull"); // pages, the last without has_more
    QTest::addColumn<QString>("status"); // of the category after the cycle
    QTest::newRow("10 pages first") << 10 << "synced";
    QTest::newRow("49 pages first") << 49 << "synced";
    QTest::newRow("50 pages first") << 50 << "pending";
}

void SyncPullTest::pageCapSpansBothPulls()
{
    QFETCH(int, firstPull);
    QFETCH(QString, status);
    exec(QStringLiteral("INSERT INTO categories (id, name, is_default, created_at, updated_at) "
                        "VALUES ('d1', 'Default', 1, '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    for (int page = 1; page <= firstPull; ++page)
        queuePage({{"cursor", QStringLiteral("0+0+0+0+%1").arg(page)}, {"has_more", page < firstPull}});
    m_service->addFault(kPull, {{"status", 200}, {"body", QJsonObject{{"cursor", "0+0+0+0+99"}, {"has_more", true}}}});
    QVERIFY(m_app->cycle());
    QCOMPARE(m_service->requests(kPull).size(), 50);
    QCOMPARE(m_service->requests(QStringLiteral("/sync/push")).size(), status == QLatin1String("synced") ? 1 : 0);
    QCOMPARE(scalar("SELECT sync_status FROM categories WHERE id = 'd1'").toString(), status);
    // The next cycle has 50 pages of its own.
    QVERIFY(m_app->cycle());
    QCOMPARE(m_service->requests(kPull).size(), 100);
}

void SyncPullTest::failureKeepsEarlierPages()
{
    const auto account = [](const char* id) {
        return QJsonObject{{"id", QStringLiteral("srv-%1").arg(QLatin1String(id))}, {"client_id", id}, {"name", id},
                           {"version", 1}};
    };
    queuePage({{"accounts", QJsonArray{account("p1")}}, {"cursor", "1"}, {"has_more", true}});
    queuePage({{"accounts", QJsonArray{account("p2")}}, {"cursor", "2"}, {"has_more", true}});
    m_service->addFault(kPull, {{"status", 500}, {"times", 1}});
    QSignalSpy failed(m_app->engine.get(), &SyncEngine::syncFailed);
    QVERIFY(!m_app->cycle());
    QCOMPARE(failed.first().first().toString(), QStringLiteral("Pull failed (HTTP 500)"));
    QCOMPARE(m_app->engine->state(), SyncEngine::Error);
    QCOMPARE(scalar("SELECT group_concat(id) FROM (SELECT id FROM accounts WHERE id LIKE 'p%' ORDER BY id)").toString(),
             QStringLiteral("p1,p2"));
    QCOMPARE(m_app->preferences->valueOr(QStringLiteral("syncCursor"), QString()), QStringLiteral("2"));
}

void SyncPullTest::replyShapes_data()
{
    QTest::addColumn<QJsonObject>("page");
    QTest::addColumn<int>("localCategories");
    QTest::addColumn<QString>("schedules");

    const auto schedule = [](const char* id) {
        return QJsonArray{QJsonObject{{"id", QStringLiteral("srv-%1").arg(QLatin1String(id))},
                                      {"client_id", id}, {"account_id", "a1"}, {"start_date", "2024-01-01"},
                                      {"next_due_date", "2024-05-01"}, {"version", 1}}};
    };
    QTest::newRow("recurring_transactions wins")
        << QJsonObject{{"recurring_transactions", schedule("s1")}, {"recurring", schedule("s2")}} << 0 << "s1";
    QTest::newRow("only recurring") << QJsonObject{{"recurring", schedule("s2")}} << 0 << "s2";
    QTest::newRow("not an array") << QJsonObject{{"recurring_transactions", "oops"}, {"recurring", schedule("s2")}}
                                  << 0 << "";
    QTest::newRow("integrity 0") << QJsonObject{{"integrity", QJsonObject{{"category_count", 0}}}} << 11 << "";
}

void SyncPullTest::replyShapes()
{
    QFETCH(QJsonObject, page);
    QFETCH(int, localCategories);
    QFETCH(QString, schedules);
    for (int i = 0; i < localCategories; ++i) {
        exec(QStringLiteral("INSERT INTO categories (id, name, sync_status, created_at, updated_at) "
                            "VALUES ('c%1', 'C', 'synced', 'x', 'x')").arg(i));
    }
    queuePage(page);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(m_app->cycle());
    QCOMPARE(m_service->requests(kPull).size(), 1);
    QCOMPARE(scalar("SELECT group_concat(id) FROM recurring_transactions").toString(), schedules);
}

// The service's own fault modes, over the three rows init() made and this
// cycle pushes (seq 1 to 3).
void SyncPullTest::serviceFaults_data()
{
    QTest::addColumn<QJsonObject>("behaviour");
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<int>("pulls");
    QTest::addColumn<QString>("cursor");
    QTest::addColumn<QString>("warning");

    QTest::newRow("500 on page 3") << QJsonObject{{"fail_page", 3}, {"limit", 1}} << false << 3 << "2+0+0+0+0"
                                   << "";
    QTest::newRow("has_more with an empty cursor")
        << QJsonObject{{"empty_cursor_with_more", true}} << true << 1 << ""
        << "Sync pull: the service has more changes but sent no cursor; stopping for this cycle";
    QTest::newRow("a value that is not an array")
        << QJsonObject{{"not_array", "transactions"}} << true << 1 << "2+0+0+3+0" << "";
    QTest::newRow("by type, two a page") << QJsonObject{{"order", "by_type"}, {"limit", 2}} << true << 2
                                         << "2+0+0+3+0" << "";
    QTest::newRow("integrity mismatch")
        << QJsonObject{{"category_count", 3}} << true << 1 << "2+0+0+3+0"
        << "Category count mismatch: local= 0 server= 3 (informational only — use Force Full Sync if data appears "
           "wrong)";
}

void SyncPullTest::serviceFaults()
{
    QFETCH(QJsonObject, behaviour);
    QFETCH(bool, succeeds);
    QFETCH(int, pulls);
    QFETCH(QString, cursor);
    QFETCH(QString, warning);
    m_service->control("POST", QStringLiteral("/_control/sync/pull"), behaviour);
    exec(QStringLiteral("UPDATE accounts SET sync_status = 'pending'"));
    exec(QStringLiteral("UPDATE transactions SET sync_status = 'pending'"));
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QCOMPARE(m_app->cycle(), succeeds);
    QCOMPARE(m_service->requests(kPull).size(), pulls);
    QCOMPARE(m_app->preferences->valueOr(QStringLiteral("syncCursor"), QString()), cursor);
}

// One page applied to the local state of init(), then one value read back.
void SyncPullTest::applyRules_data()
{
    QTest::addColumn<QString>("before"); // SQL run first, may be empty
    QTest::addColumn<QJsonObject>("page");
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("warning");

    const QString t1 = QStringLiteral("SELECT payee || '|' || sync_status || '|' || version || '|' || server_id "
                                      "FROM transactions WHERE id = 't1'");
    QTest::newRow("echo of an own push") << "" << transactions({}) << t1 << "New|synced|1|srv-t1" << "";
    QTest::newRow("pending row, same version")
        << "UPDATE transactions SET sync_status = 'pending'" << transactions({}) << t1 << "Old|pending|1|srv-t1" << "";
    QTest::newRow("pending row, newer server version")
        << "UPDATE transactions SET sync_status = 'pending'" << transactions({{"version", 2}}) << t1
        << "New|synced|2|srv-t1" << "";
    // A row that never reached the server ties with the server's copy of
    // its id (made under the same id elsewhere): that copy wins only while
    // the row is as it was written.
    const QString t2 = QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, version, "
                                      "sync_status, created_at, updated_at) VALUES ('t2', 'a1', '2024-03-05', "
                                      "'Mine', -100, 1, 'pending', '2024-03-01T10:00:00Z', '%1')");
    const QJsonObject t2Copy{{"id", "srv-t2"}, {"client_id", "t2"}, {"payee", "Theirs"}};
    const QString t2Columns = QStringLiteral("SELECT payee || '|' || sync_status || '|' || version || '|' || "
                                             "ifnull(server_id, '') FROM transactions WHERE id = 't2'");
    QTest::newRow("never synced, untouched, same version")
        << t2.arg(QLatin1String("2024-03-01T10:00:00Z")) << transactions(t2Copy) << t2Columns
        << "Theirs|synced|1|srv-t2" << "";
    QTest::newRow("never synced, edited, same version")
        << t2.arg(QLatin1String("2024-03-04T10:00:00Z")) << transactions(t2Copy) << t2Columns << "Mine|pending|1|"
        << "";
    QTest::newRow("never synced, edited, newer server version")
        << t2.arg(QLatin1String("2024-03-04T10:00:00Z")) << transactions({{"id", "srv-t2"}, {"client_id", "t2"}, {"payee", "Theirs"}, {"version", 2}})
        << t2Columns << "Theirs|synced|2|srv-t2" << "";
    QTest::newRow("local 5, server 4") << "UPDATE transactions SET version = 5" << transactions({{"version", 4}})
                                       << t1 << "Old|synced|5|srv-t1" << "";
    QTest::newRow("unknown client id, known server id")
        << "" << transactions({{"client_id", "elsewhere"}})
        << "SELECT group_concat(payee) FROM transactions" << "New" << "";
    QTest::newRow("created elsewhere: stored under its server id")
        << "" << transactions({{"client_id", QJsonValue::Null}, {"id", "srv-9"}})
        << "SELECT sync_status || '|' || id FROM transactions WHERE server_id = 'srv-9'" << "synced|srv-9" << "";
    QTest::newRow("created elsewhere, referred to by its server id")
        << "" << QJsonObject{{"accounts", QJsonArray{QJsonObject{{"id", "srv-a7"}, {"name", "Web"}}}},
                             {"transactions", QJsonArray{transactionRow({{"client_id", QJsonValue::Null},
                                                                         {"id", "srv-9"}, {"account_id", "srv-a7"}})}}}
        << "SELECT a.name FROM transactions t JOIN accounts a ON a.id = t.account_id WHERE t.server_id = 'srv-9' "
           "AND a.id = 'srv-a7'" << "Web" << "";
    QTest::newRow("deleted, unknown here")
        << "" << transactions({{"id", "srv-9"}, {"client_id", "t9"}, {"deleted_at", "2024-03-03T00:00:00Z"}})
        << "SELECT COUNT(*) FROM transactions" << "1" << "";
    QTest::newRow("deleted on the server")
        << "" << transactions({{"version", 2}, {"deleted_at", "2024-03-03T00:00:00Z"}})
        << "SELECT (deleted_at IS NOT NULL) || sync_status || version FROM transactions" << "1pending3" << "";
    // A pull that starts over brings unchanged rows again; a change in the
    // deletion state alone is a change all the same.
    QTest::newRow("deleted on the server at the same version")
        << "" << transactions({{"payee", "Old"}, {"amount", -100}, {"created_at", "2024-01-01T00:00:00Z"},
                               {"updated_at", "2024-01-01T00:00:00Z"}, {"deleted_at", "2024-03-03T00:00:00Z"}})
        << "SELECT (deleted_at IS NOT NULL) || sync_status || version FROM transactions" << "1pending2" << "";
    QTest::newRow("restored elsewhere")
        << "UPDATE transactions SET deleted_at = '2024-02-01T00:00:00Z'" << transactions({{"version", 2}})
        << "SELECT (deleted_at IS NULL) || sync_status FROM transactions" << "1synced" << "";
    QTest::newRow("moved to another account") << "" << transactions({{"account_id", "a2"}})
                                              << "SELECT account_id FROM transactions" << "a2" << "";
    QTest::newRow("date before 2000")
        << "" << transactions({{"date", "1999-12-31"}}) << t1 << "Old|synced|1|srv-t1"
        << "applyTransactionChange: skipping server record with broken date: \"t1\" \"New\" \"1999-12-31\"";
    QTest::newRow("empty date") << "" << transactions({{"date", ""}}) << t1 << "Old|synced|1|srv-t1"
                                << "applyTransactionChange: skipping server record with broken date: \"t1\" \"New\" \"\"";
    QTest::newRow("date-time as date") << "" << transactions({{"date", "2024-03-05T23:10:00Z"}})
                                       << "SELECT date FROM transactions" << "2024-03-05" << "";
    QTest::newRow("amount not whole")
        << "" << transactions({{"amount", 12.5}}) << t1 << "Old|synced|1|srv-t1"
        << "applyTransactionChange: skipping server record with an amount that is not a whole number: \"t1\"";
    QTest::newRow("row not an object") << "" << QJsonObject{{"accounts", QJsonArray{5}}}
                                       << "SELECT COUNT(*) FROM accounts" << "2"
                                       << "Sync pull: skipping a server account that is not an object";
    QTest::newRow("row without id") << "" << QJsonObject{{"accounts", QJsonArray{QJsonObject{{"name", "X"}}}}}
                                    << "SELECT COUNT(*) FROM accounts" << "2"
                                    << "Sync pull: skipping a server account without an id";

    const auto account = [](const QJsonObject& fields) {
        QJsonObject row{{"id", "srv-a9"}, {"client_id", "a9"}, {"version", 1}};
        for (auto it = fields.begin(); it != fields.end(); ++it)
            row.insert(it.key(), it.value());
        return QJsonObject{{"accounts", QJsonArray{row}}};
    };
    const QString a9 = QStringLiteral("SELECT account_type || '|' || currency || '|' || is_shared || '|' || name || "
                                      "'|' || (created_at != '') FROM accounts WHERE id = 'a9'");
    QTest::newRow("enumerations exactly, absent texts and stamps")
        << "" << account({{"account_type", "Checking"}, {"currency", "usd"}, {"is_shared", 2}}) << a9
        << "other|USD|1||1" << "";
    QTest::newRow("flag as text") << "" << account({{"account_type", "credit_card"}, {"currency", "JPY"},
                                                    {"is_shared", "1"}, {"name", "Card"}})
                                  << a9 << "credit_card|JPY|0|Card|1" << "";
    QTest::newRow("flag as boolean") << "" << account({{"account_type", "cash"}, {"is_shared", true}}) << a9
                                     << "cash|USD|1||1" << "";

    const QString lines = QStringLiteral("SELECT group_concat(category_id || ':' || amount) FROM "
                                         "(SELECT * FROM split_lines ORDER BY rowid)");
    const QString localSplit =
        QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c1', 'C1', 'x', 'x'), "
                       "('c2', 'C2', 'x', 'x'); UPDATE transactions SET is_split = 1; "
                       "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                       "VALUES ('l1', 't1', 'c1', -100, 'x', 'x')");
    const QJsonArray twoLines{QJsonObject{{"category_id", "c2"}, {"amount", -300}},
                              QJsonObject{{"category_id", "c1"}, {"amount", -200}, {"memo", "m"}}};
    QTest::newRow("split lines replaced") << localSplit << transactions({{"is_split", 1}, {"split_lines", twoLines}})
                                          << lines << "c2:-300,c1:-200" << "";
    QTest::newRow("split lines alone changed")
        << localSplit + "; UPDATE transactions SET payee = 'New', amount = -500, created_at = '2024-03-01T10:00:00Z', "
                        "updated_at = '2024-03-02T10:00:00Z'"
        << transactions({{"is_split", 1}, {"split_lines", QJsonArray{QJsonObject{{"category_id", "c2"}, {"amount", -100}}}}})
        << lines << "c2:-100" << "";
    QTest::newRow("arrives unsplit") << localSplit << transactions({}) << lines << "" << "";
    QTest::newRow("split, lines not sent") << localSplit << transactions({{"is_split", 1}}) << lines << "c1:-100"
                                           << "";
    QTest::newRow("reconciliation deleted on the server")
        << "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
           "completed_at, sync_status, server_id) VALUES ('r1', 'a1', '2024-02-29', 0, 0, 'x', 'synced', 'srv-r1')"
        << QJsonObject{{"reconciliations",
                        QJsonArray{QJsonObject{{"id", "srv-r1"}, {"client_id", "r1"}, {"account_id", "a1"},
                                               {"statement_date", "2024-02-29"}, {"version", 2},
                                               {"deleted_at", "2024-03-01T00:00:00Z"}}}}}
        << "SELECT deleted_at || '|' || sync_status || '|' || version FROM reconciliations"
        << "2024-03-01T00:00:00Z|synced|2" << "";
    QTest::newRow("new schedule without counts")
        << "" << QJsonObject{{"recurring_transactions",
                              QJsonArray{QJsonObject{{"id", "srv-s1"}, {"account_id", "a1"},
                                                     {"next_due_date", "2024-05-01"}, {"version", 1}}}}}
        << "SELECT lead_days || interval_count || semimonthly_day_1 || semimonthly_day_2 || start_date "
           "FROM recurring_transactions"
        << "011152024-05-01" << "";
    QTest::newRow("schedule without counts keeps its own")
        << "INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, lead_days, "
           "interval_count, semimonthly_day_1, semimonthly_day_2, sync_status, server_id, created_at, updated_at) "
           "VALUES ('s1', 'a1', 'Rent', -100, '2024-01-01', '2024-05-01', 3, 2, 5, 20, 'synced', 'srv-s1', 'x', 'x')"
        << QJsonObject{{"recurring_transactions",
                        QJsonArray{QJsonObject{{"id", "srv-s1"}, {"client_id", "s1"}, {"account_id", "a1"},
                                               {"next_due_date", "2024-06-01"}, {"end_date", ""}, {"version", 2}}}}}
        << "SELECT lead_days || interval_count || semimonthly_day_1 || semimonthly_day_2 || next_due_date "
           "|| ifnull(end_date, '-') FROM recurring_transactions"
        << "325202024-06-01-" << "";
    QTest::newRow("schedule due before 2000")
        << "" << QJsonObject{{"recurring_transactions",
                              QJsonArray{QJsonObject{{"id", "srv-s1"}, {"client_id", "s1"}, {"account_id", "a1"},
                                                     {"payee", "Rent"}, {"next_due_date", "1999-05-01"}}}}}
        << "SELECT COUNT(*) FROM recurring_transactions" << "0"
        << "applyRecurring: skipping server record with broken nextDueDate: \"s1\" \"Rent\" \"1999-05-01\"";
    QTest::newRow("reconciliation without statement date")
        << "" << QJsonObject{{"reconciliations", QJsonArray{QJsonObject{{"id", "srv-r1"}, {"client_id", "r1"},
                                                                        {"account_id", "a1"}}}}}
        << "SELECT COUNT(*) FROM reconciliations" << "0"
        << "applyReconciliation: skipping server record with broken statementDate: \"r1\" \"\"";
    // Another device deleted the category after using it: this one keeps it
    // deleted, so the rows that name it can be written.
    QTest::newRow("deleted category still named")
        << "" << QJsonObject{{"categories", QJsonArray{QJsonObject{{"id", "srv-c9"}, {"client_id", "c9"},
                                                                   {"name", "Old"}, {"version", 2},
                                                                   {"deleted_at", "2024-03-01T00:00:00Z"}}}},
                             {"transactions", QJsonArray{transactionRow({{"category_id", "c9"}})}}}
        << "SELECT t.category_id || '|' || c.deleted_at FROM transactions t JOIN categories c ON c.id = t.category_id"
        << "c9|2024-03-01T00:00:00Z" << "";
}

void SyncPullTest::applyRules()
{
    QFETCH(QString, before);
    QFETCH(QJsonObject, page);
    QFETCH(QString, query);
    QFETCH(QString, expected);
    QFETCH(QString, warning);
    for (const QString& statement : before.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        exec(statement);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
    QVERIFY(m_app->engine->applyPulledPage(page));
    QCOMPARE(scalar(query).toString(), expected);
    QCOMPARE(m_app->engine->retryCount(), 0);
}

// A transfer made on another device without client ids: each leg names
// the other by its server id, which is each leg's id here too. However the
// legs arrive, they are stored as the server has them (synced, no new
// version), and the two still move together afterwards.
void SyncPullTest::transferMadeElsewhere_data()
{
    QTest::addColumn<QString>("pulls"); // the legs of each pull, pulls split by '|'
    QTest::newRow("one page, outgoing leg first") << "out,in";
    QTest::newRow("one page, incoming leg first") << "in,out";
    QTest::newRow("two pulls") << "out|in";
    QTest::newRow("two pulls, incoming leg first") << "in|out";
}

void SyncPullTest::transferMadeElsewhere()
{
    QFETCH(QString, pulls);
    const QHash<QString, QJsonObject> legs{
        {"out", transactionRow({{"id", "srv-out"}, {"client_id", QJsonValue::Null}, {"account_id", "srv-a1"},
                                {"amount", -500}, {"transfer_link_id", "srv-in"}, {"transfer_dest_account_id", "srv-a2"}})},
        {"in", transactionRow({{"id", "srv-in"}, {"client_id", QJsonValue::Null}, {"account_id", "srv-a2"},
                               {"amount", 500}, {"transfer_link_id", "srv-out"}, {"transfer_dest_account_id", "srv-a1"}})}};
    for (const QString& pull : pulls.split(QLatin1Char('|'))) {
        QJsonArray rows;
        for (const QString& leg : pull.split(QLatin1Char(',')))
            rows.append(legs.value(leg));
        queuePage({{"transactions", rows}, {"cursor", "1"}});
        QVERIFY(m_app->cycle());
    }
    const QString out = scalar("SELECT id FROM transactions WHERE server_id = 'srv-out'").toString();
    const QString in = scalar("SELECT id FROM transactions WHERE server_id = 'srv-in'").toString();
    QCOMPARE(out, QStringLiteral("srv-out"));
    QCOMPARE(in, QStringLiteral("srv-in"));
    const auto leg = [](const QString& id) {
        return scalar(QStringLiteral("SELECT transfer_link_id || '|' || transfer_dest_account_id || '|' || sync_status "
                                     "|| '|' || version || '|' || amount FROM transactions WHERE id = '%1'").arg(id))
            .toString();
    };
    QCOMPARE(leg(out), in + QStringLiteral("|a2|synced|1|-500"));
    QCOMPARE(leg(in), out + QStringLiteral("|a1|synced|1|500"));

    // The other device changes the amount: the leg pulled again keeps its partner.
    QJsonObject outEdited = legs.value(QStringLiteral("out"));
    outEdited.insert(QStringLiteral("amount"), -700);
    outEdited.insert(QStringLiteral("version"), 2);
    queuePage({{"transactions", QJsonArray{outEdited}}, {"cursor", "2"}});
    QVERIFY(m_app->cycle());
    QCOMPARE(leg(out), in + QStringLiteral("|a2|synced|2|-700"));

    // Edited and deleted here, a leg takes its partner along.
    TransactionService service(m_app->database.get(), m_app->accounts.get(), m_app->transactions.get(),
                               m_app->splitLines.get());
    Transaction edited = *m_app->transactions->findById(out);
    edited.amount = -800;
    edited.syncStatus = SyncStatus::Pending;
    QVERIFY(service.updateTransaction(edited));
    QCOMPARE(m_app->transactions->findById(in)->amount, qint64(800));
    QVERIFY(service.deleteTransaction(*m_app->transactions->findById(out)));
    QVERIFY(m_app->transactions->findById(in)->deletedAt);
}

// An earlier build stored rows made elsewhere under ids of its own and
// pushed its own row naming them so. Pulled again, they take their server
// ids with every reference (a split line's too); the unchanged copy of the
// own row, which names old ids, goes out again; and what holds an old id
// is told after the commit, before the tables' signals. A rename that
// fails half-way renames nothing: the rows wait to be tried again.
void SyncPullTest::storedIdsRepair_data()
{
    QTest::addColumn<bool>("fails");
    QTest::addColumn<QString>("expected");
    QTest::newRow("renamed") << false << "a1,a2,srv-a|mine,srv-t,t1|srv-a srv-c pending|srv-c|1|0|accounts old-a>srv-a,"
                                         "accountsChanged after 3,categories old-c>srv-c,transactions old-t>srv-t";
    QTest::newRow("the rename fails half-way") << true << "a1,a2,old-a|mine,old-t,t1|old-a old-c synced|old-c|0|3|";
}

void SyncPullTest::storedIdsRepair()
{
    QFETCH(bool, fails);
    QFETCH(QString, expected);
    exec("INSERT INTO accounts (id, name, sync_status, server_id, created_at, updated_at) "
         "VALUES ('old-a', 'Web', 'synced', 'srv-a', 'x', 'x')");
    exec("INSERT INTO categories (id, name, sync_status, server_id, created_at, updated_at) "
         "VALUES ('old-c', 'Web', 'synced', 'srv-c', 'x', 'x')");
    exec("INSERT INTO transactions (id, account_id, date, payee, amount, category_id, sync_status, server_id, "
         "created_at, updated_at) VALUES ('old-t', 'old-a', '2024-03-05', 'Web', -100, 'old-c', 'synced', 'srv-t', "
         "'x', 'x'), ('mine', 'old-a', '2024-03-05', 'New', -500, 'old-c', 'synced', 'srv-mine', "
         "'2024-03-01T10:00:00Z', '2024-03-02T10:00:00Z')");
    exec("UPDATE transactions SET is_split = 1 WHERE id = 't1'");
    exec("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
         "VALUES ('l1', 't1', 'old-c', -100, 'x', 'x')");
    if (fails) {
        // The last step of a rename: remembering the old ids.
        exec("CREATE TEMP TRIGGER refuse_renamed_ids BEFORE INSERT ON preferences "
             "WHEN NEW.key LIKE 'syncRenamedId%' BEGIN SELECT RAISE(ABORT, 'refused'); END");
    }
    QStringList events;
    QSqlDatabase db = m_app->database->database();
    connect(m_app->engine.get(), &SyncEngine::idsRenamed, this,
            [&events, &db](const QString& table, const QHash<QString, QString>& renamed) {
                // Told after the commit: no transaction is open.
                const bool committed = db.transaction() && db.rollback();
                events << table + ' ' + renamed.keys().join(QString()) + '>' + renamed.values().join(QString())
                        + (committed ? "" : " uncommitted");
            });
    connect(m_app->accounts.get(), &AccountRepository::accountsChanged, this,
            [&events] { events << QStringLiteral("accountsChanged after %1").arg(events.size()); });
    QVERIFY(m_app->engine->applyPulledPage(
        {{"accounts", QJsonArray{QJsonObject{{"id", "srv-a"}, {"name", "Web"}, {"version", 1}}}},
         {"categories", QJsonArray{QJsonObject{{"id", "srv-c"}, {"name", "Web"}, {"version", 1}}}},
         {"transactions", QJsonArray{transactionRow({{"id", "srv-t"}, {"client_id", QJsonValue::Null},
                                                     {"account_id", "srv-a"}, {"category_id", "srv-c"}}),
                                     transactionRow({{"id", "srv-mine"}, {"client_id", "mine"},
                                                     {"account_id", "old-a"}, {"category_id", "old-c"}})}}}));
    events.sort();
    QCOMPARE(scalar("SELECT (SELECT group_concat(id) FROM (SELECT id FROM accounts ORDER BY id)) || '|' || "
                    "(SELECT group_concat(id) FROM (SELECT id FROM transactions ORDER BY id)) || '|' || "
                    "(SELECT account_id || ' ' || category_id || ' ' || sync_status FROM transactions "
                    "WHERE id = 'mine') || '|' || (SELECT category_id FROM split_lines) || '|' || "
                    "(SELECT COUNT(*) FROM preferences WHERE key = 'syncIdsRepush')")
                 .toString() + QStringLiteral("|%1|").arg(m_app->engine->retryCount()) + events.join(','),
             expected);
}

// The repair pass is done only when its pull reaches the end: not at the
// page cap, not when the pull fails. A pass cut short by a restart pulls
// from the first page again; one that is done goes on from its cursor.
void SyncPullTest::repairPassEnds_data()
{
    QTest::addColumn<QJsonObject>("fault"); // of the pull, after a first page
    QTest::addColumn<bool>("done");
    QTest::newRow("the pull reaches the end")
        << QJsonObject{{"status", 200}, {"body", QJsonObject{{"cursor", "0+0+0+0+8"}}}, {"times", 1}} << true;
    QTest::newRow("the page cap")
        << QJsonObject{{"status", 200}, {"body", QJsonObject{{"cursor", "0+0+0+0+8"}, {"has_more", true}}}} << false;
    QTest::newRow("the pull fails") << QJsonObject{{"status", 500}, {"times", 1}} << false;
}

void SyncPullTest::repairPassEnds()
{
    QFETCH(QJsonObject, fault);
    QFETCH(bool, done);
    // a1 came from the service under an id of its own: the first cycle
    // repairs.
    const QString repaired = QStringLiteral("syncIdsRepaired");
    queuePage({{"cursor", "0+0+0+0+7"}, {"has_more", true}});
    m_service->addFault(kPull, fault);
    QCOMPARE(m_app->cycle(), fault.value(QLatin1String("status")).toInt() == 200);
    QCOMPARE(m_app->preferences->value(repaired).has_value(), done);

    m_service->control("DELETE", QStringLiteral("/_control/faults"));
    m_service->control("DELETE", QStringLiteral("/_control/requests"));
    m_app->close();
    QVERIFY(m_app->open());
    QVERIFY(m_app->cycle());
    QCOMPARE(pullQueries().value(0), done ? QStringLiteral("cursor=0+0+0+0+8&limit=200") : QStringLiteral("limit=200"));
    QVERIFY(m_app->preferences->value(repaired));
}

// Every other reference without a foreign key, to a row that comes in a
// later commit: it ends up naming the row by its local id, the referring
// row left as the server has it.
void SyncPullTest::referencesToLaterRows_data()
{
    QTest::addColumn<QString>("before"); // SQL run first, may be empty
    QTest::addColumn<QJsonArray>("pages"); // each applied in a commit of its own
    QTest::addColumn<QString>("query");

    const QJsonObject laterAccount{
        {"accounts", QJsonArray{QJsonObject{{"id", "srv-a9"}, {"name", "Later"}, {"version", 1}}}}};
    const QJsonObject laterSchedule{
        {"recurring_transactions", QJsonArray{QJsonObject{{"id", "srv-s9"}, {"account_id", "a1"},
                                                          {"next_due_date", "2024-05-01"}, {"version", 1}}}}};
    const auto schedule = [](const QJsonObject& fields) {
        QJsonObject row{{"id", "srv-s8"}, {"account_id", "a1"}, {"next_due_date", "2024-05-01"}, {"version", 1}};
        for (auto it = fields.begin(); it != fields.end(); ++it)
            row.insert(it.key(), it.value());
        return QJsonObject{{"recurring_transactions", QJsonArray{row}}};
    };
    const QString named = QStringLiteral("SELECT (r.%1 = n.id) || '|' || r.sync_status || '|' || r.version FROM %2 r, "
                                         "%3 n WHERE r.server_id = '%4' AND n.server_id = '%5'");
    QTest::newRow("transfer destination account")
        << "" << QJsonArray{transactions({{"id", "srv-x"}, {"client_id", QJsonValue::Null},
                                    {"transfer_dest_account_id", "srv-a9"}}),
                      laterAccount}
        << named.arg("transfer_dest_account_id", "transactions", "accounts", "srv-x", "srv-a9");
    QTest::newRow("schedule of a posting")
        << "" << QJsonArray{transactions({{"id", "srv-x"}, {"client_id", QJsonValue::Null}, {"recurring_id", "srv-s9"}}),
                      laterSchedule}
        << named.arg("recurring_id", "transactions", "recurring_transactions", "srv-x", "srv-s9");
    QTest::newRow("schedule's transfer destination")
        << "" << QJsonArray{schedule({{"transfer_dest_account_id", "srv-a9"}}), laterAccount}
        << named.arg("transfer_dest_account_id", "recurring_transactions", "accounts", "srv-s8", "srv-a9");
    QTest::newRow("category's account")
        << "" << QJsonArray{QJsonObject{{"categories", QJsonArray{QJsonObject{{"id", "srv-c9"}, {"name", "Own"},
                                                                        {"account_id", "srv-a9"}, {"version", 1}}}}},
                      laterAccount}
        << named.arg("account_id", "categories", "accounts", "srv-c9", "srv-a9");
    // The row named is stored here already, without the server id (its
    // push's reply was lost): the pull that brings it back names it.
    QTest::newRow("partner known here, its server id not yet")
        << "INSERT INTO transactions (id, account_id, date, payee, amount, version, sync_status, created_at, "
           "updated_at) VALUES ('mine', 'a2', '2024-03-05', 'In', 500, 1, 'pending', '2024-03-01T10:00:00Z', "
           "'2024-03-01T10:00:00Z')"
        << QJsonArray{transactions({{"id", "srv-x"}, {"client_id", QJsonValue::Null}, {"transfer_link_id", "srv-mine"}}),
                      transactions({{"id", "srv-mine"}, {"client_id", "mine"}, {"account_id", "a2"}})}
        << named.arg("transfer_link_id", "transactions", "transactions", "srv-x", "srv-mine");
}

void SyncPullTest::referencesToLaterRows()
{
    QFETCH(QString, before);
    QFETCH(QJsonArray, pages);
    QFETCH(QString, query);
    if (!before.isEmpty())
        exec(before);
    for (const QJsonValue& page : std::as_const(pages))
        QVERIFY(m_app->engine->applyPulledPage(page.toObject()));
    QCOMPARE(scalar(query).toString(), QStringLiteral("1|synced|1"));
}

// A row whose parent has not arrived waits on the retry list, across
// cycles, and is applied whole once the parent comes; categories of one
// page go parents first.
void SyncPullTest::retryList()
{
    const QJsonArray line{QJsonObject{{"category_id", "late"}, {"amount", -500}}};
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("insert failed")));
    QVERIFY(m_app->engine->applyPulledPage(
        transactions({{"id", "srv-t5"}, {"client_id", "t5"}, {"is_split", 1}, {"split_lines", line}})));
    QCOMPARE(m_app->engine->retryCount(), 1);
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions WHERE id = 't5'").toInt(), 0);

    // A new engine (the next start of the application) still has it.
    QVERIFY(m_app->open());
    const auto category = [](const char* id, const char* parent) {
        return QJsonObject{{"id", QStringLiteral("srv-%1").arg(QLatin1String(id))}, {"client_id", id},
                           {"name", id}, {"parent_id", parent}, {"version", 1}};
    };
    QVERIFY(m_app->engine->applyPulledPage(
        {{"categories", QJsonArray{category("late", "top"), category("top", "")}}, {"cursor", "9"}}));
    QCOMPARE(m_app->engine->retryCount(), 0);
    QCOMPARE(scalar("SELECT is_split || '|' || (SELECT category_id FROM split_lines) FROM transactions "
                    "WHERE id = 't5'").toString(),
             QStringLiteral("1|late"));
    QCOMPARE(scalar("SELECT COUNT(*) FROM preferences WHERE key = 'syncPullRetryRows'").toInt(), 0);
}

// A waiting row of which a newer copy arrived (here its deletion) is
// forgotten: its parent arriving later must not bring it back to life.
void SyncPullTest::retryListForgetsStaleRows()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("insert failed")));
    QVERIFY(m_app->engine->applyPulledPage(transactions({{"id", "srv-t6"}, {"client_id", "t6"}, {"account_id", "a9"}})));
    QCOMPARE(m_app->engine->retryCount(), 1);
    QVERIFY(m_app->engine->applyPulledPage(transactions({{"id", "srv-t6"}, {"client_id", "t6"}, {"account_id", "a9"},
                                                         {"version", 2}, {"deleted_at", "2024-03-09T00:00:00Z"}})));
    QCOMPARE(m_app->engine->retryCount(), 0);
    QVERIFY(m_app->engine->applyPulledPage(
        {{"accounts", QJsonArray{QJsonObject{{"id", "srv-a9"}, {"client_id", "a9"}, {"name", "Late"}, {"version", 1}}}}}));
    QCOMPARE(scalar("SELECT COUNT(*) FROM transactions WHERE id = 't6' AND deleted_at IS NULL").toInt(), 0);
}

// A hostile or broken service: every key of a row of each type, and every
// key of the page, in turn holds a value of the wrong type. Each page is
// handled (nothing thrown, nothing crashes), and what is stored keeps its
// references.
void SyncPullTest::wrongTypesEverywhere()
{
    const QJsonObject stamps{{"version", 1}, {"created_at", "2024-03-01T10:00:00Z"},
                             {"updated_at", "2024-03-02T10:00:00Z"}};
    const auto withStamps = [&stamps](QJsonObject row) {
        for (auto it = stamps.begin(); it != stamps.end(); ++it)
            row.insert(it.key(), it.value());
        return row;
    };
    const QList<QPair<const char*, QJsonObject>> rows{
        {"accounts", withStamps({{"id", "srv-a5"}, {"client_id", "a5"}, {"name", "Five"}, {"account_type", "savings"},
                                 {"currency", "EUR"}, {"starting_balance", 100}, {"is_shared", 0}})},
        {"categories", withStamps({{"id", "srv-c5"}, {"client_id", "c5"}, {"name", "Cat"}, {"parent_id", ""},
                                   {"category_type", "expense"}})},
        {"recurring_transactions",
         withStamps({{"id", "srv-s5"}, {"client_id", "s5"}, {"account_id", "a1"}, {"payee", "Rent"}, {"amount", -900},
                     {"frequency", "monthly"}, {"start_date", "2024-01-01"}, {"next_due_date", "2024-05-01"},
                     {"lead_days", 3}})},
        {"transactions", transactionRow({{"is_split", 1},
                                         {"split_lines", QJsonArray{QJsonObject{{"category_id", ""}, {"amount", -5}}}}})},
        {"reconciliations", withStamps({{"id", "srv-r5"}, {"client_id", "r5"}, {"account_id", "a1"},
                                        {"statement_date", "2024-02-29"}, {"statement_balance", 0}})},
    };
    const QList<QJsonValue> hostile{QJsonValue(), QJsonValue(true), QJsonValue(1e300), QJsonValue(-0.5),
                                    QJsonValue(QStringLiteral("x")), QJsonValue(QJsonArray{1}),
                                    QJsonValue(QJsonObject{{"a", 1}})};
    // The warnings of thousands of refused rows are expected: counted, not printed.
    static int warnings = 0;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
        warnings += type == QtWarningMsg;
    });
    QStringList faults;
    for (const auto& [table, row] : rows) {
        for (const QString& key : row.keys()) {
            for (const QJsonValue& value : hostile) {
                QJsonObject broken = row;
                broken.insert(key, value);
                if (!m_app->engine->applyPulledPage({{QLatin1String(table), QJsonArray{broken}}}))
                    faults << QStringLiteral("%1.%2 = %3").arg(QLatin1String(table), key,
                                                               QString::fromUtf8(QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact)));
            }
        }
    }
    for (const char* key : {"accounts", "transactions", "cursor", "has_more", "integrity"}) {
        for (const QJsonValue& value : hostile) {
            if (!m_app->engine->applyPulledPage({{QLatin1String(key), value}}))
                faults << QStringLiteral("page %1").arg(QLatin1String(key));
        }
    }
    qInstallMessageHandler(previous);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    QVERIFY(warnings > 0);
    QVERIFY(!TestSupport::scalar("PRAGMA foreign_key_check").isValid());
    QCOMPARE(TestSupport::scalar("PRAGMA integrity_check").toString(), QStringLiteral("ok"));
}

void SyncPullTest::signalsPerPage()
{
    QSignalSpy transactionSignals(m_app->transactions.get(), &TransactionRepository::transactionsChanged);
    QSignalSpy accountSignals(m_app->accounts.get(), &AccountRepository::accountsChanged);
    QSignalSpy categorySignals(m_app->categories.get(), &CategoryRepository::categoriesChanged);
    QJsonArray rows;
    for (int i = 0; i < 3; ++i)
        rows.append(transactionRow({{"id", QStringLiteral("srv-n%1").arg(i)}, {"client_id", QJsonValue::Null}}));
    QVERIFY(m_app->engine->applyPulledPage(
        {{"transactions", rows},
         {"accounts", QJsonArray{QJsonObject{{"id", "srv-a1"}, {"client_id", "a1"}, {"version", 2}}}}}));
    QCOMPARE(transactionSignals.count(), 1);
    QCOMPARE(accountSignals.count(), 1);
    QCOMPARE(categorySignals.count(), 0);
}

// An import holds the database in its own transaction: a page that arrives
// meanwhile waits for it to end.
void SyncPullTest::waitsForBulkWrite()
{
    m_service->addFault(kPull, {{"mode", "delay"}, {"delay_ms", 200}, {"times", 1}});
    QSignalSpy completed(m_app->engine.get(), &SyncEngine::syncCompleted);
    m_app->engine->syncNow();
    m_app->database->setBulkWriteActive(true);
    QTest::qWait(800);
    QCOMPARE(completed.count(), 0);
    QVERIFY(!m_app->preferences->value(QStringLiteral("syncCursor")));
    m_app->database->setBulkWriteActive(false);
    QTRY_COMPARE_WITH_TIMEOUT(completed.count(), 1, 5000);
    QVERIFY(m_app->preferences->value(QStringLiteral("syncCursor")));
}

TALLYLEAF_CORE_TEST_MAIN(SyncPullTest)
#include "tst_syncpull.moc"
