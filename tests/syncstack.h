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

#include <memory>

// What one installation syncs with: its database (the process's default
// connection), the repositories and a sync engine signed in with the given
// tokens to the sync service at `serviceUrl`.
struct SyncStack
{
    ~SyncStack() { close(); }

    bool open(const QString& databasePath, const QString& serviceUrl, const QString& accessToken,
              const QString& refreshToken)
    {
        close();
        database = std::make_unique<Database>();
        if (!database->open(databasePath) || !database->migrate())
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
        config.authBaseUrl = serviceUrl;
        config.realmSlug = QStringLiteral("larkspur");
        config.accountApiUrl = serviceUrl;
        client = std::make_unique<LarkAccount::Client>(config, std::make_unique<LarkAccount::MemoryTokenStore>());
        client->syncApi()->setBaseUrl(QUrl(serviceUrl));
        client->tokenManager()->setTokens(accessToken, refreshToken);
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
};
