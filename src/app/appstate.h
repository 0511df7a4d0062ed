#pragma once

// The look values AppState sets at start-up; code holding the AppState
// reaches them through this header too.
#include "ui/appearance.h"

#include <QObject>
#include <QString>

class Database;
class AccountRepository;
class AccountSharingService;
class CategoryRepository;
class BackupService;
class CategoryService;
class ImportService;
class PreferencesRepository;
class ReconciliationRepository;
class RecurringRepository;
class RecurringService;
class ReportService;
class SplitLineRepository;
class SyncEngine;
struct SyncedRepositories;
class ThemeManager;
class TransactionRepository;
class TransactionService;

namespace LarkAccount {
class Client;
class SharingBackend;
}

// Holder of every long-lived object of the running application. Screens and
// dialogs get a non-owning pointer and reach everything through it.
class AppState : public QObject
{
    Q_OBJECT
public:
    explicit AppState(QObject* parent = nullptr);
    ~AppState() override;

    // Opens and migrates the database, creates the repositories, services,
    // the account client and the sync engine, applies the stored
    // preferences and restores the sign-in. Called once.
    bool initialize();

    Database* database() const { return m_database; }
    AccountRepository* accountRepository() const { return m_accounts; }
    TransactionRepository* transactionRepository() const { return m_transactions; }
    CategoryRepository* categoryRepository() const { return m_categories; }
    PreferencesRepository* preferences() const { return m_preferences; }
    SplitLineRepository* splitLineRepository() const { return m_splitLines; }
    RecurringRepository* recurringRepository() const { return m_recurring; }
    ReconciliationRepository* reconciliationRepository() const { return m_reconciliations; }
    CategoryService* categoryService() const { return m_categoryService; }
    RecurringService* recurringService() const { return m_recurringService; }
    ReportService* reportService() const { return m_reportService; }
    ImportService* importService() const { return m_importService; }
    BackupService* backupService() const { return m_backupService; }
    TransactionService* transactionService() const { return m_transactionService; }
    LarkAccount::SharingBackend* sharingService() const;
    LarkAccount::Client* accountClient() const { return m_accountClient; }
    SyncEngine* syncEngine() const { return m_syncEngine; }
    ThemeManager* themeManager() const { return m_themeManager; }
    // The five synced repositories and their database, for the account
    // cascade and the Data & Sync repairs.
    SyncedRepositories syncedRepositories() const;

    QString currentAccountId() const { return m_currentAccountId; }
    void setCurrentAccountId(const QString& accountId);

    // The answer to uploadQuestion(): true sends this computer's data to
    // the new account and starts syncing; false signs out again, and
    // nothing is sent.
    void answerUploadQuestion(bool upload);

signals:
    void currentAccountChanged(const QString& accountId);
    void databaseReady();
    // Signed in as another user than the one this computer's data was
    // synced with: nothing syncs until answerUploadQuestion(). `account`
    // names the new account (its e-mail address when known).
    void uploadQuestion(const QString& account);

private:
    void applyStoredPreferences();
    // The account client, the sync engine and the sharing service, from the
    // environment's service addresses.
    void createOnlineServices();
    // Restores the sign-in and lets sign-in, sign-out and local changes
    // drive the sync engine.
    void connectOnlineServices();
    void onLoginSucceeded();
    void onStartupRefresh(bool ok);
    // Periodic sync from now on, and a cycle at once; first the question
    // when the data was synced as another user.
    void startAutoSync();
    void askBeforeUpload(const QString& userId);

    Database* m_database = nullptr;
    AccountRepository* m_accounts = nullptr;
    TransactionRepository* m_transactions = nullptr;
    CategoryRepository* m_categories = nullptr;
    PreferencesRepository* m_preferences = nullptr;
    SplitLineRepository* m_splitLines = nullptr;
    RecurringRepository* m_recurring = nullptr;
    ReconciliationRepository* m_reconciliations = nullptr;
    CategoryService* m_categoryService = nullptr;
    RecurringService* m_recurringService = nullptr;
    ReportService* m_reportService = nullptr;
    ImportService* m_importService = nullptr;
    BackupService* m_backupService = nullptr;
    TransactionService* m_transactionService = nullptr;
    AccountSharingService* m_sharingService = nullptr;
    LarkAccount::Client* m_accountClient = nullptr;
    SyncEngine* m_syncEngine = nullptr;
    ThemeManager* m_themeManager = nullptr;
    QString m_currentAccountId;
    // The user uploadQuestion() waits for an answer about; empty: none.
    QString m_uploadAskedFor;
};
