#include "testsupport.h"

#include "account/core/accountsharingservice.h"
#include "account/core/client.h"
#include "account/core/filetokenstore.h"
#include "account/core/tokenmanager.h"
#include "app/appstate.h"
#include "app/paths.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "testserviceprocess.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/mainwindow.h"

#include <QDir>
#include <QJsonArray>
#include <QSettings>

// Start-up wiring of the account client, the sync engine and the sharing
// service: service addresses from the environment, sign-in and sign-out,
// the start-up token refresh, and which local changes schedule a sync.
class SyncWiringTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void addressesAndSignInOut();
    void changesScheduleSync_data();
    void changesScheduleSync();
    void startupTokens_data();
    void startupTokens();
    void anotherUserIsAsked_data();
    void anotherUserIsAsked();

private:
    std::unique_ptr<AppState> startApp();
    QStringList requestedPaths();

    std::unique_ptr<TestServiceProcess> m_service;
    QTemporaryDir m_runtimeDir;
};

namespace {

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

} // namespace

void SyncWiringTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    // No session bus: the tokens go to the data directory, never to the
    // keyring of whoever runs the tests.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toUtf8());
    qputenv("AUTH_BASE_URL", m_service->url().toString().toUtf8());
    qputenv("ACCOUNT_API_URL", m_service->url(QStringLiteral("/account")).toString().toUtf8());
    qputenv("SYNC_API_URL", m_service->url().toString().toUtf8());
    qputenv("AUTH_REALM_SLUG", ""); // counts as unset
    qunsetenv("AUTH_CLIENT_ID");
}

void SyncWiringTest::init()
{
    m_service->reset();
    QDir(dataDirectory()).removeRecursively();
    QSettings().clear();
}

void SyncWiringTest::cleanup()
{
    QDir(dataDirectory()).removeRecursively();
}

std::unique_ptr<AppState> SyncWiringTest::startApp()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TokenStore: no credential store")));
    auto state = std::make_unique<AppState>();
    if (!state->initialize())
        qWarning("AppState::initialize failed");
    return state;
}

QStringList SyncWiringTest::requestedPaths()
{
    QStringList paths;
    for (const QJsonValue& request : m_service->requests())
        paths << text(request, "method") + QLatin1Char(' ') + text(request, "path");
    return paths;
}

// SYNC_API_URL reaches the sync engine and the sharing service; the
// account and authentication services keep their own addresses (the
// account service's under "/account", the realm's default "larkspur").
// A sign-in registers the device and starts periodic sync; a sign-out
// stops it.
void SyncWiringTest::addressesAndSignInOut()
{
    std::unique_ptr<AppState> state = startApp();
    SyncEngine* engine = state->syncEngine();
    QVERIFY(!engine->isPeriodicSyncActive());
    QVERIFY(!state->categoryRepository()->findPendingSync().isEmpty()); // the seeded defaults

    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"));
    state->accountClient()->authClient()->handleCallback(
        QUrl(QStringLiteral("http://127.0.0.1/callback#access_token=%1&refresh_token=%2")
                 .arg(text(pair, "access_token"), text(pair, "refresh_token"))));
    QVERIFY(engine->isPeriodicSyncActive());
    QVERIFY(QSettings().value(QStringLiteral("auth/hasSignedInBefore")).toBool());
    QTRY_VERIFY_WITH_TIMEOUT(state->categoryRepository()->findPendingSync().isEmpty(), 10000);

    bool listed = false;
    state->sharingService()->listMembers(QStringLiteral("a1"),
                                         [&listed](const QList<LarkAccount::ShareMember>&) { listed = true; });
    QTRY_VERIFY_WITH_TIMEOUT(listed, 10000);

    state->accountClient()->authClient()->logout();
    QVERIFY(!engine->isPeriodicSyncActive());
    QTRY_VERIFY_WITH_TIMEOUT(requestedPaths().contains(QStringLiteral("POST /api/v1/realms/larkspur/auth/logout")),
                             10000);
    QStringList paths = requestedPaths();
    paths.removeDuplicates();
    paths.sort();
    QCOMPARE(paths, (QStringList{"GET /accounts/a1/members", "GET /sync/pull", "POST /account/devices/register",
                                 "POST /api/v1/realms/larkspur/auth/logout", "POST /sync/push"}));
}

// Account, category and transaction changes schedule a sync; the other
// tables wait for the next cycle.
void SyncWiringTest::changesScheduleSync_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<bool>("scheduled");
    QTest::newRow("account") << "account" << true;
    QTest::newRow("category") << "category" << true;
    QTest::newRow("transaction") << "transaction" << true;
    QTest::newRow("recurring") << "recurring" << false;
    QTest::newRow("reconciliation") << "reconciliation" << false;
}

void SyncWiringTest::changesScheduleSync()
{
    QFETCH(QString, table);
    QFETCH(bool, scheduled);
    std::unique_ptr<AppState> state = startApp();
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                     "VALUES ('a1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')"));
    QVERIFY(!state->syncEngine()->isSyncScheduled());
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (table == QLatin1String("account")) {
        Account a = *state->accountRepository()->findById(QStringLiteral("a1"));
        a.name = QStringLiteral("Renamed");
        QVERIFY(state->accountRepository()->update(a));
    } else if (table == QLatin1String("category")) {
        QVERIFY(state->categoryRepository()->softDelete(state->categoryRepository()->findAll().first().id));
    } else if (table == QLatin1String("transaction")) {
        Transaction t;
        t.id = QStringLiteral("t1");
        t.accountId = QStringLiteral("a1");
        t.date = QDate(2024, 3, 5);
        t.createdAt = t.updatedAt = now;
        QVERIFY(state->transactionRepository()->insert(t));
    } else if (table == QLatin1String("recurring")) {
        RecurringTransaction r;
        r.id = QStringLiteral("s1");
        r.accountId = QStringLiteral("a1");
        r.startDate = r.nextDueDate = QDate(2024, 4, 1);
        r.createdAt = r.updatedAt = now;
        QVERIFY(state->recurringRepository()->insert(r));
    } else {
        Reconciliation r;
        r.id = QStringLiteral("r1");
        r.accountId = QStringLiteral("a1");
        r.statementDate = QDate(2024, 2, 29);
        r.completedAt = now;
        QVERIFY(state->reconciliationRepository()->insert(r));
    }
    QCOMPARE(state->syncEngine()->isSyncScheduled(), scheduled);
}

// Stored tokens at start: the refresh runs once, and periodic sync starts
// when it is back, also when only the refresh token was kept. Without
// tokens nothing is sent.
void SyncWiringTest::startupTokens_data()
{
    QTest::addColumn<bool>("access");
    QTest::addColumn<bool>("refresh");
    QTest::newRow("both tokens") << true << true;
    QTest::newRow("refresh token only") << false << true;
    QTest::newRow("no tokens") << false << false;
}

void SyncWiringTest::startupTokens()
{
    QFETCH(bool, access);
    QFETCH(bool, refresh);
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"));
    LarkAccount::FileTokenStore store(dataDirectory());
    if (access)
        store.write(LarkAccount::kAccessTokenKey, text(pair, "access_token"));
    if (refresh)
        store.write(LarkAccount::kRefreshTokenKey, text(pair, "refresh_token"));

    std::unique_ptr<AppState> state = startApp();
    SyncEngine* engine = state->syncEngine();
    QVERIFY(!engine->isPeriodicSyncActive());
    if (!refresh) {
        QTest::qWait(300);
        QVERIFY(!engine->isPeriodicSyncActive());
        QCOMPARE(requestedPaths(), QStringList());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(engine->isPeriodicSyncActive(), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(requestedPaths().contains(QStringLiteral("POST /sync/push")), 10000);
    QCOMPARE(requestedPaths().count(QStringLiteral("POST /api/v1/realms/larkspur/auth/token/refresh")), 1);
    QCOMPARE(state->preferences()->valueOr(QStringLiteral("syncUserId"), QString()), QStringLiteral("u1"));
}

// Signed in as another user than the one the data was synced with: the
// main window asks, and nothing is sent before the answer, also once the
// access token has run out and only the refresh token could get another.
// No signs out with nothing sent; yes uploads the rows.
void SyncWiringTest::anotherUserIsAsked_data()
{
    QTest::addColumn<bool>("upload");
    QTest::newRow("no") << false;
    QTest::newRow("yes") << true;
}

void SyncWiringTest::anotherUserIsAsked()
{
    QFETCH(bool, upload);
    std::unique_ptr<AppState> state = startApp();
    state->preferences()->setValue(QStringLiteral("syncUserId"), QStringLiteral("u1"));
    MainWindow window(state.get());
    QStringList asked;
    QList<SyncEngine::SyncState> whileAsked;
    bool ranOut = false;
    MessageBoxes::setPresenter([&](const MessageBoxes::Request& request) {
        asked << request.text;
        state->syncEngine()->syncNow(); // held back
        whileAsked << state->syncEngine()->state();
        LarkAccount::TokenManager* tokens = state->accountClient()->tokenManager();
        tokens->setClock([] { return QDateTime::currentSecsSinceEpoch() + 7200; });
        ranOut = tokens->validAccessToken().isEmpty() && !tokens->refreshToken().isEmpty();
        state->syncEngine()->syncNow(); // held back as well
        whileAsked << state->syncEngine()->state();
        tokens->setClock({});
        return upload ? QMessageBox::Yes : QMessageBox::No;
    });
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u2"));
    state->accountClient()->authClient()->handleCallback(
        QUrl(QStringLiteral("http://127.0.0.1/callback#access_token=%1&refresh_token=%2")
                 .arg(text(pair, "access_token"), text(pair, "refresh_token"))));
    QTRY_COMPARE_WITH_TIMEOUT(asked.size(), 1, 10000);
    MessageBoxes::setPresenter({});
    QVERIFY(ranOut);
    QCOMPARE(whileAsked, (QList<SyncEngine::SyncState>{SyncEngine::Idle, SyncEngine::Idle}));
    QCOMPARE(asked.first(), QStringLiteral("This computer holds data synced with another Larkspur account. "
                                           "Upload it to u2@example.com?"));
    QCOMPARE(state->accountClient()->isAuthenticated(), upload);
    QTest::qWait(SyncEngine::kDebounceMs + 500);
    QCOMPARE(m_service->requests(QStringLiteral("/sync/push")).isEmpty(), !upload);
}

TALLYLEAF_TEST_MAIN(SyncWiringTest)
#include "tst_syncwiring.moc"
