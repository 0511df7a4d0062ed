// The pull half of a sync cycle: pages of server changes since the saved
// cursor, the next page while the service has more (at most 50 pages a
// cycle). Pages are held until they carry about 2,000 rows, or the pull
// ends or fails, and then applied in one database transaction that also
// saves the last of their cursors.

#include "sync/syncengine.h"

#include "account/core/apiclient.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/sqlitedirect.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QJsonDocument>
#include <QPointer>
#include <QSignalBlocker>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>

#include <optional>

namespace {

// Pulled rows that could not be written yet, as a JSON array.
const QString kRetryKey = QStringLiteral("syncPullRetryRows");
// How long a pulled page waits for an import to release the database.
constexpr int kBulkWriteWaitMs = 250;
// A row that never applies must not grow the list without end.
constexpr int kMaxRetryRows = 10000;

// The retry list's key of a row: its entity type and server id.
QString retryKey(const QString& entityType, const QJsonValue& row)
{
    return entityType + QLatin1Char('/') + row.toObject().value(QLatin1String("id")).toString();
}

const QString kAccount = QStringLiteral("account");
const QString kCategory = QStringLiteral("category");
const QString kRecurring = QStringLiteral("recurring");
const QString kTransaction = QStringLiteral("transaction");
const QString kReconciliation = QStringLiteral("reconciliation");

// A present key whose value is not an array counts as an empty array.
std::optional<QJsonArray> arrayAt(const QJsonObject& page, const char* key)
{
    const auto it = page.constFind(QLatin1String(key));
    if (it == page.constEnd())
        return std::nullopt;
    return it->toArray();
}

} // namespace

void SyncEngine::pullChanges(const QString& cursor)
{
    QUrlQuery query;
    if (!cursor.isEmpty()) {
        // QUrlQuery sends '+' as it is, and a service that decodes the query
        // as a form reads it as a space: the cursor goes out percent-encoded.
        query.addQueryItem(QStringLiteral("cursor"), QString::fromLatin1(QUrl::toPercentEncoding(cursor)));
    }
    query.addQueryItem(QStringLiteral("limit"), QString::number(kPullLimit));
    const quint64 cycle = m_cycle;
    QPointer<SyncEngine> self(this);
    m_apiClient->get(
        QStringLiteral("/sync/pull"),
        [self, cycle](bool ok, int httpStatus, const QJsonObject& body) {
            if (self && self->m_cycle == cycle)
                self->handlePullResponse(ok, httpStatus, body);
        },
        query);
}

// The page count is the cycle's (syncNow() resets it): a pull after the
// push reads only what the pull before it left of the cap.
void SyncEngine::beginPull()
{
    m_heldPages.clear();
    m_heldRows = 0;
    // Tried again by the next pull when it fails.
    repairStoredIdsOnce();
    pullChanges(savedCursor());
}

void SyncEngine::handlePullResponse(bool ok, int httpStatus, const QJsonObject& body)
{
    if (!ok) {
        // The pages received before keep their rows and cursor.
        m_pullFailure = QStringLiteral("Pull failed (HTTP %1)").arg(httpStatus);
        settlePull();
        return;
    }
    m_pullFailure.clear();
    m_heldPages.append(body);
    for (const char* key : {"accounts", "categories", "recurring_transactions", "recurring", "transactions",
                            "reconciliations"})
        m_heldRows += int(body.value(QLatin1String(key)).toArray().size());
    m_pullCursor = body.value(QLatin1String("cursor")).toString();
    m_pullHasMore = body.value(QLatin1String("has_more")).toBool();
    ++m_pullPageCount;
    const bool more = m_pullHasMore && m_pullPageCount < kMaxPullPages;
    if (more && m_pullCursor.isEmpty()) {
        // Asking again without a cursor would fetch the first page again,
        // and again, up to the page cap.
        qWarning() << "Sync pull: the service has more changes but sent no cursor; stopping for this cycle";
    }
    if (more && !m_pullCursor.isEmpty() && m_heldRows < m_pullCommitRows) {
        pullChanges(m_pullCursor);
        return;
    }
    settlePull();
}

void SyncEngine::settlePull()
{
    if (!m_heldPages.isEmpty()) {
        if (m_database && m_database->bulkWriteActive()) {
            // An import holds the database in its own open transaction: rows
            // written now would join it and share its fate. The pages wait.
            const quint64 cycle = m_cycle;
            QPointer<SyncEngine> self(this);
            QTimer::singleShot(kBulkWriteWaitMs, this, [self, cycle] {
                if (self && self->m_cycle == cycle)
                    self->settlePull();
            });
            return;
        }
        const QList<QJsonObject> pages = std::exchange(m_heldPages, {});
        m_heldRows = 0;
        if (!applyPages(pages, m_pullPageCount - int(pages.size()))) {
            const QString failure = std::exchange(m_pullFailure, QString());
            failCycle(failure.isEmpty() ? QStringLiteral("Pull failed (database error)") : failure);
            return;
        }
        for (auto page = pages.crbegin(); page != pages.crend(); ++page) {
            if (page->contains(QLatin1String("integrity"))) {
                checkIntegrity(page->value(QLatin1String("integrity")).toObject());
                break;
            }
        }
    }
    if (!m_pullFailure.isEmpty()) {
        failCycle(std::exchange(m_pullFailure, QString()));
        return;
    }
    if (m_pullHasMore && m_pullPageCount < kMaxPullPages && !m_pullCursor.isEmpty()) {
        pullChanges(m_pullCursor);
        return;
    }
    if (!m_pullHasMore)
        finishRepairPass();
    if (std::exchange(m_pullingFirst, false)) {
        m_pulledFirst = true;
        // At the page cap, the push and the pull after it wait for the
        // next cycle, which pulls on first.
        if ((!m_pullHasMore || m_pullCursor.isEmpty()) && m_pullPageCount < kMaxPullPages) {
            pushChanges();
            return;
        }
    }
    finishCycle();
}

void SyncEngine::checkIntegrity(const QJsonObject& integrity)
{
    const qint64 serverCount = integrity.value(QLatin1String("category_count")).toInteger();
    const int localCount = m_categories->count();
    if (serverCount >= 1 && serverCount != localCount) {
        qWarning() << "Category count mismatch: local=" << localCount << "server=" << serverCount
                   << "(informational only — use Force Full Sync if data appears wrong)";
    }
}

bool SyncEngine::applyPulledPage(const QJsonObject& page)
{
    return applyPages({page}, m_pullPageCount);
}

bool SyncEngine::applyPulledPages(const QList<QJsonObject>& pages)
{
    return applyPages(pages, m_pullPageCount);
}

// `firstPageIndex`: the number of the first of `pages` in this cycle's pull.
bool SyncEngine::applyPages(const QList<QJsonObject>& pages, int firstPageIndex)
{
    if (!m_retryRowsLoaded)
        loadRetryRows();
    QSqlDatabase db = m_database ? m_database->database() : QSqlDatabase::database();
    if (!db.transaction()) {
        qWarning().noquote() << "SyncEngine::applyPulledPage failed:" << db.lastError().text();
        return false;
    }
    const QJsonArray retryBefore = m_retryRows;
    m_pageTouched.clear();
    m_storedIds.clear();
    m_renamedIds.clear();
    // Full-text indexing row by row, each in its own savepoint, costs more
    // than all the rest of a row: the pages' new rows are indexed at once.
    const bool indexingSuspended = m_database && m_database->suspendTransactionIndexing();
    bool ok = true;
    QString cursor;
    for (int i = 0; i < pages.size(); ++i) {
        const QJsonObject& page = pages.at(i);
        // One change signal per repository and commit, sent after it.
        const QSignalBlocker blockAccounts(m_accounts);
        const QSignalBlocker blockCategories(m_categories);
        const QSignalBlocker blockRecurring(m_recurring);
        const QSignalBlocker blockTransactions(m_transactions);
        const QSignalBlocker blockReconciliations(m_reconciliations);

        if (const auto rows = arrayAt(page, "accounts"))
            applyAccount(*rows);
        if (const auto rows = arrayAt(page, "categories"))
            applyCategory(*rows);
        if (const auto rows = arrayAt(page, "recurring_transactions"))
            applyRecurring(*rows);
        else if (const auto rows = arrayAt(page, "recurring"))
            applyRecurring(*rows);
        if (const auto rows = arrayAt(page, "transactions"))
            applyTransactionChange(*rows);
        if (const auto rows = arrayAt(page, "reconciliations"))
            applyReconciliation(*rows);
        dropSettledRetryRows();
        // Waiting rows wait for a parent: they are tried again when a page
        // brought accounts, categories or schedules, and once a cycle; the
        // page's own failures join them after.
        if (firstPageIndex + i == 0 || m_pageTouched.contains(kAccount) || m_pageTouched.contains(kCategory)
            || m_pageTouched.contains(kRecurring))
            retryFailedRows();
        keepPageFailures();
        const QString pageCursor = page.value(QLatin1String("cursor")).toString();
        if (!pageCursor.isEmpty())
            cursor = pageCursor;
        // The cursor and the retry list commit with the rows they describe.
        // SQLite ends a transaction by itself on some errors (a full disk):
        // the cursor must not then move past rows that were undone.
        if (sqlite3* handle = sqliteHandle(db); handle && sqlite3_get_autocommit(handle)) {
            qWarning() << "SyncEngine::applyPulledPage: the page's transaction ended early";
            ok = false;
            break;
        }
    }
    if (ok && !cursor.isEmpty())
        ok = m_preferences->setValue(kCursorKey, cursor);
    if (ok && m_retryRows != retryBefore)
        ok = saveRetryRows();
    if (ok && indexingSuspended && !m_database->resumeTransactionIndexing())
        ok = false;
    if (ok && !db.commit()) {
        qWarning().noquote() << "SyncEngine::applyPulledPage failed:" << db.lastError().text();
        ok = false;
    }
    m_statements.clear();
    m_splitLineInsert.reset();
    m_storedIds.clear();
    if (!ok) {
        db.rollback();
        m_retryRows = retryBefore;
        m_renamedIds.clear();
        m_hasRenamedIds.reset();
        m_pageTouched.clear();
        m_settledRows.clear();
        m_pageFailures = QJsonArray();
        return false;
    }
    // What holds an old id follows it before the views reload.
    for (auto it = m_renamedIds.constBegin(); it != m_renamedIds.constEnd(); ++it)
        emit idsRenamed(it.key(), it.value());
    m_renamedIds.clear();
    if (m_pageTouched.contains(kAccount))
        emit m_accounts->accountsChanged();
    if (m_pageTouched.contains(kCategory))
        emit m_categories->categoriesChanged();
    if (m_pageTouched.contains(kRecurring))
        emit m_recurring->recurringChanged();
    if (m_pageTouched.contains(kTransaction))
        emit m_transactions->transactionsChanged(QString());
    if (m_pageTouched.contains(kReconciliation))
        emit m_reconciliations->reconciliationsChanged();
    m_pageTouched.clear();
    return true;
}

namespace {

const char* tableOf(const QString& entityType)
{
    if (entityType == kAccount)
        return "accounts";
    if (entityType == kCategory)
        return "categories";
    if (entityType == kRecurring)
        return "recurring_transactions";
    if (entityType == kTransaction)
        return "transactions";
    return "reconciliations";
}

QString storedKey(const char* table, const char* column, const QString& value)
{
    return QLatin1String(table) + QLatin1Char('/') + QLatin1String(column) + QLatin1Char('/') + value;
}

} // namespace

void SyncEngine::applyRows(const QString& entityType, const QJsonArray& rows)
{
    const char* table = tableOf(entityType);
    lookUpStored(table, rows);
    // Renamed here all at once; a failure leaves each row to try it alone.
    const int renamedBefore = int(m_renamedIds.value(QLatin1String(table)).size());
    if (!adoptServerIds(table, rows))
        qWarning() << "Sync pull: stored ids not repaired for the page's" << entityType << "rows";
    else if (m_renamedIds.value(QLatin1String(table)).size() != renamedBefore)
        lookUpStored(table, rows);
    for (const QJsonValue& row : rows) {
        if (applyRow(entityType, row) == RowOutcome::Failed)
            m_pageFailures.append(QJsonObject{{"entity_type", entityType}, {"row", row}});
        // A newer copy, applied or not: a waiting older one is stale (noted
        // only while rows are waiting, so a plain pull pays nothing for it).
        if (!m_retryRows.isEmpty())
            m_settledRows.insert(retryKey(entityType, row));
    }
}

void SyncEngine::keepPageFailures()
{
    const QJsonArray failures = std::exchange(m_pageFailures, QJsonArray());
    const qsizetype room = qMax<qsizetype>(0, kMaxRetryRows - m_retryRows.size());
    for (qsizetype i = 0; i < qMin(room, failures.size()); ++i)
        m_retryRows.append(failures.at(i));
    if (failures.size() > room)
        qWarning().noquote() << "Sync pull:" << failures.size() - room
                             << "server rows could not be applied and the retry list is full; they are dropped";
}

void SyncEngine::dropSettledRetryRows()
{
    if (m_settledRows.isEmpty())
        return;
    QJsonArray kept;
    for (const QJsonValue& entry : std::as_const(m_retryRows)) {
        const QJsonObject object = entry.toObject();
        if (!m_settledRows.contains(retryKey(object.value(QLatin1String("entity_type")).toString(),
                                             object.value(QLatin1String("row")))))
            kept.append(entry);
    }
    m_retryRows = kept;
    m_settledRows.clear();
}

SyncEngine::RowOutcome SyncEngine::applyRow(const QString& entityType, const QJsonValue& value)
{
    if (!value.isObject()) {
        qWarning().noquote() << "Sync pull: skipping a server" << entityType << "that is not an object";
        return RowOutcome::Skipped;
    }
    const QJsonObject row = value.toObject();
    if (row.value(QLatin1String("id")).toString().isEmpty()) {
        qWarning().noquote() << "Sync pull: skipping a server" << entityType << "without an id";
        return RowOutcome::Skipped;
    }
    // A row and its split lines are one unit: when any write fails, the
    // row's writes are undone and the rest of the page goes on.
    if (!execSql(QStringLiteral("SAVEPOINT pull_row")))
        return RowOutcome::Failed;
    RowOutcome outcome = RowOutcome::Skipped;
    if (entityType == kAccount)
        outcome = applyAccountRow(row);
    else if (entityType == kCategory)
        outcome = applyCategoryRow(row);
    else if (entityType == kRecurring)
        outcome = applyRecurringRow(row);
    else if (entityType == kTransaction)
        outcome = applyTransactionRow(row);
    else if (entityType == kReconciliation)
        outcome = applyReconciliationRow(row);
    if (outcome == RowOutcome::Failed) {
        execSql(QStringLiteral("ROLLBACK TO pull_row"));
        m_storedIds.clear(); // it may hold rows that were just undone
    }
    if (!execSql(QStringLiteral("RELEASE pull_row")))
        return RowOutcome::Failed;
    if (outcome == RowOutcome::Written)
        m_pageTouched.insert(entityType);
    return outcome;
}

void SyncEngine::retryFailedRows()
{
    if (m_retryRows.isEmpty())
        return;
    const QJsonArray rows = std::exchange(m_retryRows, QJsonArray());
    for (const QJsonValue& entry : rows) {
        const QJsonObject object = entry.toObject();
        const QString entityType = object.value(QLatin1String("entity_type")).toString();
        if (applyRow(entityType, object.value(QLatin1String("row"))) == RowOutcome::Failed)
            m_retryRows.append(object);
    }
}

void SyncEngine::clearRetryRows()
{
    m_retryRows = QJsonArray();
    m_retryRowsLoaded = true;
    m_preferences->remove(kRetryKey);
}

void SyncEngine::loadRetryRows()
{
    m_retryRowsLoaded = true;
    const QString saved = m_preferences->valueOr(kRetryKey, QString());
    m_retryRows = QJsonDocument::fromJson(saved.toUtf8()).array();
}

bool SyncEngine::saveRetryRows()
{
    if (m_retryRows.isEmpty())
        return m_preferences->remove(kRetryKey);
    return m_preferences->setValue(kRetryKey,
                                   QString::fromUtf8(QJsonDocument(m_retryRows).toJson(QJsonDocument::Compact)));
}

QSqlQuery& SyncEngine::statement(const QString& sql)
{
    auto it = m_statements.find(sql);
    if (it == m_statements.end()) {
        QSqlQuery q(m_database ? m_database->database() : QSqlDatabase::database());
        q.setForwardOnly(true);
        q.prepare(sql);
        it = m_statements.insert(sql, q);
    }
    return *it;
}

bool SyncEngine::execSql(const QString& sql, const QVariantList& values)
{
    QSqlQuery& q = statement(sql);
    for (int i = 0; i < values.size(); ++i)
        q.bindValue(i, values.at(i));
    const bool ok = q.exec();
    if (!ok)
        qWarning().noquote() << "SyncEngine: statement failed:" << q.lastError().text();
    q.finish();
    return ok;
}

QString SyncEngine::findId(const char* table, const char* column, const QString& value)
{
    const QString key = storedKey(table, column, value);
    if (const auto known = m_storedIds.constFind(key); known != m_storedIds.constEnd())
        return *known;
    return lookUpAndRemember(
        key, QStringLiteral("SELECT id FROM %1 WHERE %2 = ?").arg(QLatin1String(table), QLatin1String(column)), value);
}

QString SyncEngine::lookUpAndRemember(const QString& key, const QString& sql, const QString& value)
{
    QSqlQuery& q = statement(sql);
    q.bindValue(0, value);
    const bool ok = q.exec();
    const QString found = ok && q.next() ? q.value(0).toString() : QString();
    q.finish();
    if (ok)
        m_storedIds.insert(key, found);
    return found;
}

void SyncEngine::lookUpStored(const char* table, const QJsonArray& rows)
{
    QJsonArray ids, serverIds;
    for (const QJsonValue& value : rows) {
        const QJsonObject row = value.toObject();
        const QJsonValue serverId = row.value(QLatin1String("id"));
        // A row without a client id is looked for under its server id.
        QJsonValue id = row.value(QLatin1String("client_id"));
        if (!id.isString() || id.toString().isEmpty())
            id = serverId;
        if (id.isString() && !id.toString().isEmpty() && !m_storedIds.contains(storedKey(table, "id", id.toString())))
            ids.append(id);
        if (serverId.isString() && !serverId.toString().isEmpty()
            && !m_storedIds.contains(storedKey(table, "server_id", serverId.toString())))
            serverIds.append(serverId);
    }
    if (ids.isEmpty() && serverIds.isEmpty())
        return;
    QSqlQuery& q = statement(QStringLiteral("SELECT 0, id, id FROM %1 WHERE id IN (SELECT value FROM json_each(?1)) "
                                            "UNION ALL SELECT 1, server_id, id FROM %1 "
                                            "WHERE server_id IN (SELECT value FROM json_each(?2))")
                                 .arg(QLatin1String(table)));
    q.bindValue(0, QString::fromUtf8(QJsonDocument(ids).toJson(QJsonDocument::Compact)));
    q.bindValue(1, QString::fromUtf8(QJsonDocument(serverIds).toJson(QJsonDocument::Compact)));
    if (!q.exec()) {
        // findId() asks row by row instead.
        qWarning().noquote() << "SyncEngine: stored ids not found:" << q.lastError().text();
        return;
    }
    QHash<QString, QString> found;
    while (q.next()) {
        const QString key = storedKey(table, q.value(0).toInt() ? "server_id" : "id", q.value(1).toString());
        if (!found.contains(key))
            found.insert(key, q.value(2).toString());
    }
    q.finish();
    for (const QJsonValue& id : std::as_const(ids))
        m_storedIds.insert(storedKey(table, "id", id.toString()), found.value(storedKey(table, "id", id.toString())));
    for (const QJsonValue& id : std::as_const(serverIds)) {
        const QString key = storedKey(table, "server_id", id.toString());
        m_storedIds.insert(key, found.value(key));
    }
}

void SyncEngine::noteStored(const char* table, const QString& id, const QString& serverId,
                            const QString& oldServerId)
{
    m_storedIds.insert(storedKey(table, "id", id), id);
    if (oldServerId != serverId && !oldServerId.isEmpty())
        m_storedIds.remove(storedKey(table, "server_id", oldServerId));
    if (!serverId.isEmpty())
        m_storedIds.insert(storedKey(table, "server_id", serverId), id);
}
