#pragma once

#include <QDate>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSet>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>

#include <functional>
#include <optional>

class AccountRepository;
class CategoryRepository;
class Database;
class PreferencesRepository;
class QTimer;
class ReconciliationRepository;
class RecurringRepository;
class SplitLineRepository;
class TransactionRepository;
struct SplitLine;
struct Transaction;

namespace LarkAccount {
class ApiClient;
}

// Keeps the local database and the sync service in step. One cycle pushes
// the pending rows of the five synced tables (at most one batch of 500 per
// cycle) and then pulls. Cycles start on the periodic timer, 2000 ms after
// the last scheduleSync(), or at once through syncNow(); one runs at a
// time, and a request for another while one runs starts it after.
// Everything runs on the GUI thread: every step of a cycle starts from the
// previous step's reply.
class SyncEngine : public QObject
{
    Q_OBJECT

public:
    enum SyncState { Idle = 0, Syncing = 1, Error = 2, Offline = 3 };
    Q_ENUM(SyncState)

    static constexpr int kDebounceMs = 2000;
    static constexpr int kPeriodMs = 300000;
    static constexpr int kBatchSize = 500;
    static constexpr int kPullLimit = 200;
    static constexpr int kMaxPullPages = 50;
    // Pulled rows committed together: a commit a page costs more than the
    // rows of the page, and a kill between commits only means pulling the
    // uncommitted pages again from the cursor saved with the last commit.
    static constexpr int kPullCommitRows = 2000;

    SyncEngine(LarkAccount::ApiClient* apiClient, AccountRepository* accounts, TransactionRepository* transactions,
               CategoryRepository* categories, RecurringRepository* recurring,
               ReconciliationRepository* reconciliations, SplitLineRepository* splitLines,
               PreferencesRepository* preferences, QObject* parent = nullptr);

    // Asked before every cycle; false makes syncNow() settle in Idle without
    // a request. Unset: always signed in.
    void setSignedInCheck(std::function<bool()> check);
    // While the database holds a bulk write (an import), no cycle starts:
    // it is scheduled again for after.
    void setDatabase(Database* database);

    // Restarts the 2000 ms debounce: a burst of changes makes one cycle.
    void scheduleSync();
    // Starts (or restarts) the periodic timer and a cycle at once.
    void start(int intervalMs);
    // Stops the periodic timer. A running cycle takes no further step (its
    // outstanding reply is ignored) and the state returns to Idle.
    void stop();
    void syncNow();

    // The user the sync service is spoken to as. When it differs from the
    // user of the earlier syncs, what those left behind belongs to another
    // account: the pull cursor and every stored server id are dropped and
    // every live row is pending again, to go to this user's account (ask
    // the user first: isAnotherUser). An empty id (not known yet) changes
    // nothing.
    void adoptUser(const QString& userId);
    // The local data was synced as someone else than `userId` (a known
    // user): adoptUser(userId) would upload it into that user's account.
    bool isAnotherUser(const QString& userId) const;

    // The time of the last successful cycle ("…Z"), empty before the first.
    QString lastSyncTimestamp() const;
    // Forgets the pull cursor and the last sync time, so the next cycle
    // pulls everything again (Force Full Sync, with every row marked
    // pending). Call it while no cycle runs.
    void forgetSyncPosition();

    SyncState state() const { return m_state; }
    QString lastError() const { return m_lastError; }
    bool isPeriodicSyncActive() const;
    // A scheduleSync() is waiting for its 2000 ms.
    bool isSyncScheduled() const;

    // "Synced", "Syncing...", "Sync error", "Offline"; "Unknown" otherwise.
    static QString stateLabel(SyncState state);

    // Applies the arrays of one pull reply in one database transaction, each
    // row in a savepoint of its own; a row that cannot be written yet (its
    // parent has not arrived) joins the retry list, which is tried again
    // after every page and kept for the next cycle. Emits each touched
    // repository's change signal once. False when the page could not be
    // committed (nothing of it stays). The pull calls it for every page.
    bool applyPulledPage(const QJsonObject& page);
    // The same for several pages in one transaction, the last cursor of them
    // saved with their rows. A pull holds its pages until they carry
    // pullCommitRows() rows (or the pull ends) and applies them so.
    bool applyPulledPages(const QList<QJsonObject>& pages);
    int pullCommitRows() const { return m_pullCommitRows; }
    // Fewer rows a commit (tests that need many commits in a small pull).
    void setPullCommitRows(int rows) { m_pullCommitRows = qMax(1, rows); }
    // Rows waiting for a parent, kept across cycles.
    int retryCount() const { return int(m_retryRows.size()); }
    // Before a pull: once per database, starts the pass that gives rows an
    // earlier build stored under ids of their own their server ids (see
    // syncids.cpp). False when the database could not be read.
    bool repairStoredIdsOnce();

signals:
    void stateChanged(SyncEngine::SyncState state);
    void syncCompleted();
    void syncFailed(const QString& error);
    // After a completed cycle: what the views show may have changed.
    void dataChanged();
    // Rows of `table` ("accounts", "categories", ...) that an earlier build
    // stored under ids of its own now have their server ids (old id → new
    // id). Sent after the commit and before the tables' change signals, so
    // that what holds an old id can follow before the views reload.
    void idsRenamed(const QString& table, const QHash<QString, QString>& renamed);

private:
    void setState(SyncState state);
    void finishCycle();
    void failCycle(const QString& error);
    void onAuthenticationRequired();
    QString savedCursor() const;
    // The preference keys of the sync position.
    static const QString kCursorKey;
    static const QString kLastSyncKey;

    // Push.
    void pushChanges();
    void pushNextBatch();
    void handlePushResponse(bool ok, int httpStatus, const QJsonObject& body);
    // Whether this cycle pulls before it pushes: a pending row must not
    // replace a newer server copy it has not seen yet.
    bool needsPullFirst() const;
    // Change objects of the first `limit` pending rows in push order.
    QJsonArray gatherChanges(int limit) const;
    int countPending() const;
    // The change object builder for these transactions, their split lines
    // read at once.
    std::function<QJsonObject(const Transaction&)> transactionChanges(const QList<Transaction>& rows) const;
    // Marks the accepted rows of the sent batch (entity type → id → server id).
    void markAccepted(const QHash<QString, QHash<QString, QString>>& accepted);
    // Forgets refusals of rows that are no longer pending (a pulled copy
    // replaced them).
    void dropSettledRefusals();

    // Pull.
    // The first page of this cycle's pull, from the saved cursor.
    void beginPull();
    void pullChanges(const QString& cursor);
    // Applies the held pages (once no import holds the database), then
    // pulls on, fails or ends the cycle as the last reply said.
    void settlePull();
    bool applyPages(const QList<QJsonObject>& pages, int firstPageIndex);
    void handlePullResponse(bool ok, int httpStatus, const QJsonObject& body);
    void checkIntegrity(const QJsonObject& integrity);

    // Applying pulled rows (inside applyPulledPage's transaction).
    enum class RowOutcome { Written, Skipped, Failed };
    void applyAccount(const QJsonArray& rows);
    void applyCategory(const QJsonArray& rows);
    void applyRecurring(const QJsonArray& rows);
    void applyTransactionChange(const QJsonArray& rows);
    void applyReconciliation(const QJsonArray& rows);
    // Each row of `rows` of the entity type in a savepoint; failed ones go
    // to the retry list.
    void applyRows(const QString& entityType, const QJsonArray& rows);
    // Which of the rows' ids and server ids are stored, found in one query
    // (findId() then answers from memory).
    void lookUpStored(const char* table, const QJsonArray& rows);
    // A row written under `id` and `serverId` (which replaced
    // `oldServerId`): findId() must know it.
    void noteStored(const char* table, const QString& id, const QString& serverId, const QString& oldServerId);
    RowOutcome applyRow(const QString& entityType, const QJsonValue& row);
    RowOutcome applyAccountRow(const QJsonObject& row);
    RowOutcome applyCategoryRow(const QJsonObject& row);
    RowOutcome applyRecurringRow(const QJsonObject& row);
    RowOutcome applyTransactionRow(const QJsonObject& row);
    RowOutcome applyReconciliationRow(const QJsonObject& row);
    // Tries the retry list again; what still fails stays on it.
    void retryFailedRows();
    // Forgets waiting rows of which the page brought a newer copy.
    void dropSettledRetryRows();
    // Adds the page's failed rows to the retry list, up to its cap.
    void keepPageFailures();
    QString localIdForServerId(const QString& table, const QString& serverId);
    // A pulled reference as the local id it names (see syncapply.cpp).
    QString ref(const char* table, const QString& value);
    // References stored by server id to the row just stored under `id`
    // now name it by `id` (see syncids.cpp). False on a database error.
    bool resolveReferencesTo(const char* table, const QString& id, const QString& serverId);
    // A row made elsewhere without a client id is named by its server id
    // here; rows an earlier build stored under other ids take it, with
    // every reference to them (see syncids.cpp). False on a database error.
    bool adoptServerIds(const char* table, const QJsonArray& rows);
    bool renameRows(const char* table, const QHash<QString, QString>& renames);
    bool renameFilterCategories(const QHash<QString, QString>& renames);
    QString renamedId(const QString& oldId);
    bool markForRepush(const char* table, const QString& id);
    void finishRepairPass();
    template <typename Repository>
    auto locate(Repository* repository, const char* table, QString& id, const QString& serverId)
        -> decltype(repository->findById(id));
    // The one routine behind the five above: what differs by entity type
    // beyond its columns (see syncapply.cpp), and a transaction's lines.
    template <typename Record>
    struct PulledEntity;
    template <typename Record, typename Repository, typename ReadColumns>
    RowOutcome applyPulledRow(Repository* repository, const PulledEntity<Record>& entity, const QJsonObject& row,
                              ReadColumns readColumns);
    template <typename Record>
    bool storedAlready(const Record& local, Record pulled, const QString& deletedAt,
                       const std::optional<QList<SplitLine>>& lines) const;
    std::optional<QList<SplitLine>> pulledSplitLines(const QJsonObject& row, const Transaction& transaction,
                                                     bool& valid);
    RowOutcome writeSplitLines(const Transaction& transaction, const std::optional<Transaction>& local,
                               const std::optional<QList<SplitLine>>& lines);
    template <typename Repository, typename Record>
    RowOutcome writeRow(Repository* repository, const char* table, const std::optional<Record>& local,
                        const Record& record, const QString& deletedAt);
    static QDate parseDate(const QString& text);
    // Sync-only writes the repositories do not offer: the deletion state and
    // the account of a row the server changed. False on a database error.
    bool setDeletedAt(const char* table, const QString& id, const QString& deletedAt);
    bool moveToAccount(const char* table, const QString& id, const QString& accountId);
    bool execSql(const QString& sql, const QVariantList& values = {});
    // The statement prepared once for the page being applied (a pull of
    // thousands of rows runs the same few statements for every row).
    QSqlQuery& statement(const QString& sql);
    // The id of the table's row with this value in `column` (id or
    // server_id); empty when there is none. Remembered while the pages are
    // applied (the rows' own writes keep it right; a row undone forgets all).
    QString findId(const char* table, const char* column, const QString& value);
    // The first column `sql` gives for `value` ("" for none), remembered
    // under `key` as findId() remembers.
    QString lookUpAndRemember(const QString& key, const QString& sql, const QString& value);
    void loadRetryRows();
    void clearRetryRows();
    bool saveRetryRows();

    LarkAccount::ApiClient* m_apiClient;
    AccountRepository* m_accounts;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    RecurringRepository* m_recurring;
    ReconciliationRepository* m_reconciliations;
    SplitLineRepository* m_splitLines;
    PreferencesRepository* m_preferences;
    Database* m_database = nullptr;

    QTimer* m_periodicTimer;
    QTimer* m_debounceTimer;
    SyncState m_state = Idle;
    QString m_lastError;
    int m_pullPageCount = 0; // pages pulled in this cycle, before and after the push
    // This cycle's pull before the push: under way, or done.
    bool m_pullingFirst = false;
    bool m_pulledFirst = false;
    bool m_resyncRequested = false;
    std::function<bool()> m_signedInCheck;
    // Counts cycles; a reply carrying an older number belongs to a cycle
    // that stop() ended and is ignored.
    quint64 m_cycle = 0;
    // The change objects of the batch under way, to tell on "ok" whether a
    // row changed while it was being sent.
    QJsonArray m_sentChanges;
    // The database's change count when the batch was built (-1: unknown).
    qint64 m_sentChangeCount = -1;
    // Pending rows beyond the batch, sent by later cycles.
    int m_unsentCount = 0;
    // Rows the service refused ("entity type/id" → its message) and that
    // are still pending: a cycle ends in Error while there are any.
    QHash<QString, QString> m_refused;
    QString m_firstRefusal; // the message shown for them
    // Pulled rows that failed to apply, {"entity_type", "row"} each.
    QJsonArray m_retryRows;
    bool m_retryRowsLoaded = false;
    // Entity types written by the page being applied.
    QSet<QString> m_pageTouched;
    // "entity type/server id" of the rows the page brought.
    QSet<QString> m_settledRows;
    // The page's rows that failed, {"entity_type", "row"} each.
    QJsonArray m_pageFailures;
    QHash<QString, QSqlQuery> m_statements; // only while pages are applied
    std::optional<QSqlQuery> m_splitLineInsert; // likewise
    // "table/column/value" → the id findId() found ("" for none).
    QHash<QString, QString> m_storedIds;
    // Pages received and not applied yet, and their rows.
    QList<QJsonObject> m_heldPages;
    int m_heldRows = 0;
    int m_pullCommitRows = kPullCommitRows;
    // What the last pull reply said: the cursor to go on from, whether to go
    // on, and the failure that ends the pull ("" for none).
    QString m_pullCursor;
    bool m_pullHasMore = false;
    QString m_pullFailure;
    // The repair of stored ids (syncids.cpp): a pass is under way; the
    // rows renamed by the pages being applied (table → old id → new id);
    // whether any row was ever renamed (unknown until asked).
    bool m_repairPass = false;
    QHash<QString, QHash<QString, QString>> m_renamedIds;
    std::optional<bool> m_hasRenamedIds;
    // In a pass: the rows whose pulled copy named a row by an id of this
    // installation that may still change (id → the referring rows), and
    // the ids of the rows pulled so far, whose ids no longer change.
    struct LiteralRef
    {
        const char* table;
        QString id;
    };
    QHash<QString, QList<LiteralRef>> m_literalRefs;
    QSet<QString> m_seenInPass;
    // The row being applied: the ids its copy names literally (in a pass),
    // and whether it named an id renamed since.
    QStringList m_rowLiteralRefs;
    bool m_rowNamesOldId = false;
};
