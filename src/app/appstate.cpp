#include "app/appstate.h"

#include "account/core/accountclient.h"
#include "account/core/accountsharingservice.h"
#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/clientconfig.h"
#include "app/paths.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/datarecovery.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"
#include "sync/syncengine.h"
#include "ui/appearance.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QDebug>
#include <QPointer>
#include <QSettings>
#include <QUrl>

#include <utility>

namespace {

// Names the application to the services and its credential entries.
const QString kAppId = QStringLiteral("app.larkspur.tallyleaf");

} // namespace

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

AppState::~AppState()
{
    // Repositories may hold prepared statements: they go before the
    // connection they were prepared on.
    const QObjectList owned = children();
    for (QObject* child : owned) {
        if (child != m_database)
            delete child;
    }
    delete m_database;
}

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo().noquote() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->migrate())
        return false;

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(m_categories, this);
    m_recurringService = new RecurringService(m_recurring, m_transactions, m_accounts, this);
    m_recurringService->setDatabase(m_database);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_database, m_transactions, m_categories, m_splitLines, this);
    m_backupService = new BackupService(m_database, this);
    m_transactionService = new TransactionService(m_database, m_accounts, m_transactions, m_splitLines, this);

    createOnlineServices();

    applyStoredPreferences();

    m_categoryService->seedIfEmpty();

    connectOnlineServices();

    if (const std::optional<QString> last = m_preferences->value(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;

    emit databaseReady();
    return true;
}

void AppState::applyStoredPreferences()
{
    baseApplicationFont() = QApplication::font();
    fontScalePercentRef() = fontScaleFromPreference(m_preferences->valueOr(QStringLiteral("fontScale"), QStringLiteral("100")));
    if (const auto accent = accentFromPreference(m_preferences->valueOr(QStringLiteral("accentColor"), QStringLiteral("#00897B"))))
        accentColorRef() = *accent;
    setAmountAutoDecimal(m_preferences->boolValue(QStringLiteral("amountAutoDecimal"), false));
    m_themeManager = new ThemeManager(m_preferences, this);
    m_themeManager->setThemeName(m_preferences->valueOr(QStringLiteral("theme"), QStringLiteral("system")));
    if (const auto day = weekStartFromPreference(m_preferences->value(QStringLiteral("weekStartDay"))))
        weekStartDayRef() = *day;
}

SyncedRepositories AppState::syncedRepositories() const
{
    return {m_accounts, m_categories, m_transactions, m_recurring, m_reconciliations, m_database};
}

void AppState::setCurrentAccountId(const QString& accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (m_preferences)
        m_preferences->setValue(QStringLiteral("lastViewedAccountId"), accountId);
    emit currentAccountChanged(accountId);
}

LarkAccount::SharingBackend* AppState::sharingService() const
{
    return m_sharingService;
}

void AppState::createOnlineServices()
{
    LarkAccount::ClientConfig config = LarkAccount::ClientConfig::fromEnvironment();
    const QString syncUrl = LarkAccount::syncApiUrlFromEnvironment();
    qInfo().noquote() << "Auth:" << config.authBaseUrl << "Account:" << config.accountApiUrl << "Sync:" << syncUrl;
    config.appId = kAppId;
    config.productName = QStringLiteral("Larkspur Tallyleaf");
    config.appVersion = QCoreApplication::applicationVersion();

    m_accountClient = new LarkAccount::Client(config, dataDirectory(), this);
    m_accountClient->syncApi()->setBaseUrl(QUrl(syncUrl));

    m_syncEngine = new SyncEngine(m_accountClient->syncApi(), m_accounts, m_transactions, m_categories, m_recurring,
                                  m_reconciliations, m_splitLines, m_preferences, this);
    m_syncEngine->setDatabase(m_database);
    // Signed in means a usable access token or a refresh token to get one
    // with: the transport refreshes before the request. Nothing goes to an
    // account that the user has not agreed to give this computer's data.
    m_syncEngine->setSignedInCheck([this] {
        return m_accountClient->isAuthenticated() && m_uploadAskedFor.isEmpty()
            && !m_syncEngine->isAnotherUser(m_accountClient->authClient()->userId());
    });

    m_sharingService = new AccountSharingService(m_accountClient->syncApi(), this);
}

void AppState::connectOnlineServices()
{
    m_accountClient->initialize();
    LarkAccount::AuthClient* auth = m_accountClient->authClient();
    connect(auth, &LarkAccount::AuthClient::loginSucceeded, this, &AppState::onLoginSucceeded);
    connect(auth, &LarkAccount::AuthClient::logoutCompleted, this, [this] { m_syncEngine->stop(); });
    // With only a refresh token stored, the state stays Unknown until the
    // refresh that initialize() started comes back: sync starts when it
    // turns Authenticated.
    connect(m_accountClient, &LarkAccount::Client::authStateChanged, this,
            [this, previous = auth->state()](LarkAccount::AuthState state) mutable {
                if (previous == LarkAccount::AuthState::Unknown && state == LarkAccount::AuthState::Authenticated
                    && !m_syncEngine->isPeriodicSyncActive()) {
                    qInfo().noquote() << "Startup: signed in after the token refresh; starting auto-sync";
                    startAutoSync();
                }
                if (state != LarkAccount::AuthState::Authenticated)
                    m_uploadAskedFor.clear(); // the question went with the session
                previous = state;
            });
    if (m_accountClient->isAuthenticated()) {
        QPointer<AppState> self(this);
        auth->refreshToken([self](bool ok) {
            if (self)
                self->onStartupRefresh(ok);
        });
    }

    connect(m_accounts, &AccountRepository::accountsChanged, m_syncEngine, &SyncEngine::scheduleSync);
    connect(m_categories, &CategoryRepository::categoriesChanged, m_syncEngine, &SyncEngine::scheduleSync);
    connect(m_transactions, &TransactionRepository::transactionsChanged, this,
            [this] { m_syncEngine->scheduleSync(); });
}

void AppState::onLoginSucceeded()
{
    QSettings().setValue(QStringLiteral("auth/hasSignedInBefore"), true);
    m_accountClient->accountClient()->registerDevice();
    qInfo().noquote() << "loginSucceeded: starting auto-sync + immediate sync";
    startAutoSync();
}

void AppState::onStartupRefresh(bool ok)
{
    const bool authenticated = m_accountClient->isAuthenticated();
    qInfo().noquote() << "Startup token refresh:" << (ok ? "ok" : "failed") << "— authenticated=" << authenticated;
    // The state change may have started it already.
    if (!authenticated || m_syncEngine->isPeriodicSyncActive())
        return;
    qInfo().noquote() << "Startup: starting auto-sync + immediate sync";
    startAutoSync();
}

void AppState::startAutoSync()
{
    const QString user = m_accountClient->authClient()->userId();
    if (m_syncEngine->isAnotherUser(user)) {
        askBeforeUpload(user);
        return;
    }
    m_syncEngine->adoptUser(user);
    m_syncEngine->start(SyncEngine::kPeriodMs);
    m_syncEngine->scheduleSync();
}

void AppState::askBeforeUpload(const QString& userId)
{
    if (!m_uploadAskedFor.isEmpty())
        return; // asked already
    qInfo().noquote() << "Sync: signed in as another user than the last sync's; asking before uploading";
    m_uploadAskedFor = userId;
    m_syncEngine->stop();
    QPointer<AppState> self(this);
    m_accountClient->authClient()->fetchCurrentUser([self, userId](const LarkAccount::User& user) {
        if (!self || self->m_uploadAskedFor != userId)
            return;
        emit self->uploadQuestion(!user.email.isEmpty() ? user.email
                                  : !user.displayName.isEmpty() ? user.displayName
                                                                : userId);
    });
}

void AppState::answerUploadQuestion(bool upload)
{
    const QString user = std::exchange(m_uploadAskedFor, QString());
    if (user.isEmpty() || !m_accountClient->isAuthenticated())
        return; // signed out meanwhile
    if (!upload) {
        qInfo().noquote() << "Sync: this computer's data stays out of the new account; signing out";
        m_accountClient->authClient()->logout();
        return;
    }
    m_syncEngine->adoptUser(user);
    m_syncEngine->start(SyncEngine::kPeriodMs);
    m_syncEngine->scheduleSync();
}
