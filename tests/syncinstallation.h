#pragma once

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
#include "sync/syncengine.h"
#include "testserviceprocess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// One installation of the application for sync tests: a data directory of
// its own with the database, the repositories and a sync engine signed in
// to the test service as `user`. The database is the process's default
// connection, so only one installation is open at a time; open() and
// close() switch between them, the data staying in the directory.
class SyncInstallation
{
public:
    SyncInstallation(TestServiceProcess* service, const QString& user)
        : m_service(service)
        , m_user(user)
    {
    }
    ~SyncInstallation() { close(); }

    bool open()
    {
        close();
        database = std::make_unique<Database>();
        if (!database->open(m_dir.filePath(QStringLiteral("tallyleaf.db"))) || !database->migrate())
            return false;
        Database* db = database.get();
        accounts = std::make_unique<AccountRepository>(db);
        transactions = std::make_unique<TransactionRepository>(db);
        categories = std::make_unique<CategoryRepository>(db);
        recurring = std::make_unique<RecurringRepository>(db);
        reconciliations = std::make_unique<ReconciliationRepository>(db);
        splitLines = std::make_unique<SplitLineRepository>(db);
        preferences = std::make_unique<PreferencesRepository>(db);

        LarkAccount::ClientConfig config;
        config.authBaseUrl = m_service->url().toString();
        config.realmSlug = QStringLiteral("larkspur");
        config.accountApiUrl = m_service->url().toString();
        client = std::make_unique<LarkAccount::Client>(config, std::make_unique<LarkAccount::MemoryTokenStore>());
        client->syncApi()->setBaseUrl(m_service->url());
        const QJsonObject pair = m_service->issueTokens(m_user);
        client->tokenManager()->setTokens(pair.value(QLatin1String("access_token")).toString(),
                                          pair.value(QLatin1String("refresh_token")).toString());
        engine = std::make_unique<SyncEngine>(client->syncApi(), accounts.get(), transactions.get(), categories.get(),
                                              recurring.get(), reconciliations.get(), splitLines.get(),
                                              preferences.get());
        engine->setDatabase(db);
        return true;
    }

    void close()
    {
        engine.reset();
        client.reset();
        preferences.reset();
        splitLines.reset();
        reconciliations.reset();
        recurring.reset();
        categories.reset();
        transactions.reset();
        accounts.reset();
        database.reset();
    }

    // Runs one cycle to its end; false when it failed or did not end.
    bool cycle(int timeoutMs = 20000)
    {
        QSignalSpy completed(engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy failed(engine.get(), &SyncEngine::syncFailed);
        engine->syncNow();
        if (!QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, timeoutMs))
            qWarning("the cycle did not end");
        return completed.count() == 1 && failed.isEmpty();
    }

    std::unique_ptr<Database> database;
    std::unique_ptr<AccountRepository> accounts;
    std::unique_ptr<TransactionRepository> transactions;
    std::unique_ptr<CategoryRepository> categories;
    std::unique_ptr<RecurringRepository> recurring;
    std::unique_ptr<ReconciliationRepository> reconciliations;
    std::unique_ptr<SplitLineRepository> splitLines;
    std::unique_ptr<PreferencesRepository> preferences;
    std::unique_ptr<LarkAccount::Client> client;
    std::unique_ptr<SyncEngine> engine;

private:
    TestServiceProcess* m_service;
    QString m_user;
    QTemporaryDir m_dir;
};
