// SyncEngine::applyPulledPage on one pull reply: the input is the reply's
// JSON text. The scratch database holds the two accounts and one synced
// transaction of the first, so that rows can match local ones by client id
// and by server id.

#include "fuzzsupport.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"

#include <QJsonDocument>
#include <QSqlQuery>

namespace {

void exec(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database());
    FUZZ_CHECK(q.exec(sql));
}

qint64 scalar(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database());
    FUZZ_CHECK(q.exec(sql) && q.next());
    return q.value(0).toLongLong();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Database* database = FuzzSupport::scratchDatabase();
    static AccountRepository accounts(database);
    static TransactionRepository transactions(database);
    static CategoryRepository categories(database);
    static RecurringRepository recurring(database);
    static ReconciliationRepository reconciliations(database);
    static SplitLineRepository splitLines(database);
    static PreferencesRepository preferences(database);

    const QJsonDocument document = QJsonDocument::fromJson(FuzzSupport::bytes(data, size));
    if (!document.isObject())
        return 0;
    exec(QStringLiteral("DELETE FROM preferences"));
    exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, is_split, version, "
                        "sync_status, server_id, created_at, updated_at) VALUES ('t1', '%1', '2024-03-05', 'P', "
                        "-100, 0, 2, 'synced', 's1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
             .arg(FuzzSupport::kAccountId));

    // A fresh engine: no retry list from an earlier input.
    SyncEngine engine(nullptr, &accounts, &transactions, &categories, &recurring, &reconciliations, &splitLines,
                      &preferences);
    engine.setDatabase(database);
    FUZZ_CHECK(engine.applyPulledPage(document.object()));

    // Nothing left open, the saved retry list is the engine's, and no row
    // was stored with an empty key column.
    FUZZ_CHECK(database->database().transaction());
    database->database().rollback();
    const qint64 saved = scalar(QStringLiteral("SELECT COUNT(*) FROM preferences WHERE key = 'syncPullRetryRows'"));
    FUZZ_CHECK(saved == (engine.retryCount() > 0 ? 1 : 0));
    FUZZ_CHECK(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE id = '' OR date < '2000'")) == 0);
    FUZZ_CHECK(FuzzSupport::databaseIntact());
    FuzzSupport::resetScratchData();
    return 0;
}
