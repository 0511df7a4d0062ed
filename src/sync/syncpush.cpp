// The push half of a sync cycle: pending rows become change objects, one
// batch goes to "/sync/push", and the accepted rows are marked synced.

#include "sync/syncengine.h"

#include "account/core/apiclient.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/syncrows.h"
#include "data/transactionrepository.h"
#include "sync/changeobjects.h"

#include <QDebug>
#include <QHash>
#include <QPointer>
#include <QSqlQuery>

#include <algorithm>

namespace {

const QString kAccount = QStringLiteral("account");
const QString kCategory = QStringLiteral("category");
const QString kRecurring = QStringLiteral("recurring");
const QString kTransaction = QStringLiteral("transaction");
const QString kReconciliation = QStringLiteral("reconciliation");

QString text(const QJsonObject& object, const char* key)
{
    return object.value(QLatin1String(key)).toString();
}

// Appends the change objects of `rows` to `changes`.
template <typename Record, typename Build>
void appendChanges(QJsonArray& changes, const QList<Record>& rows, Build build)
{
    for (const Record& row : rows)
        changes.append(build(row));
}

// Marks the accepted rows of one type (local id → server id) that were in
// the batch: synced when the row as it is now still gives the change object
// that was sent, else only the server id (it was edited meanwhile, and that
// edit has not reached the service). `unchanged`: nothing was written since
// the batch was built, so no row needs reading. makeBuilder(rows) gives the
// change object builder for rows of the type.
template <typename Repository, typename MakeBuilder>
void markType(Repository* repository, const QHash<QString, QString>& serverIds,
              const QHash<QString, QJsonObject>& sent, bool unchanged, MakeBuilder makeBuilder)
{
    QList<SyncMark> marks;
    if (unchanged) {
        for (auto it = serverIds.constBegin(); it != serverIds.constEnd(); ++it) {
            if (sent.contains(it.key()))
                marks.append({it.key(), it.value(), true});
        }
    } else {
        const auto rows = repository->findByIds(serverIds.keys());
        const auto build = makeBuilder(rows);
        for (const auto& row : rows) {
            const auto it = sent.constFind(row.id);
            if (it != sent.constEnd())
                marks.append({row.id, serverIds.value(row.id), build(row) == *it});
        }
    }
    repository->markSynced(marks);
}

// makeBuilder for a type whose change objects need nothing besides the row.
template <typename Build>
auto sameFor(Build build)
{
    return [build](const auto&) { return build; };
}

} // namespace

std::function<QJsonObject(const Transaction&)> SyncEngine::transactionChanges(const QList<Transaction>& rows) const
{
    QStringList split;
    for (const Transaction& t : rows) {
        if (t.isSplit)
            split << t.id;
    }
    // One query for the lines of the whole batch.
    const QHash<QString, QList<SplitLine>> lines = m_splitLines->findByTransactions(split);
    return [lines](const Transaction& t) { return ChangeObjects::transaction(t, lines.value(t.id)); };
}

int SyncEngine::countPending() const
{
    return m_accounts->countPendingSync() + m_categories->countPendingSync() + m_recurring->countPendingSync()
        + m_transactions->countPendingSync() + m_reconciliations->countPendingSync();
}

QJsonArray SyncEngine::gatherChanges(int limit) const
{
    // Rows that others refer to go first: accounts, categories (parents
    // before children), schedules, then transactions and reconciliations.
    QJsonArray changes;
    const auto room = [&changes, limit] { return limit - int(changes.size()); };
    appendChanges(changes, m_accounts->findPendingSync(room()), ChangeObjects::account);
    if (room() > 0)
        appendChanges(changes, m_categories->findPendingSync(room()), ChangeObjects::category);
    if (room() > 0)
        appendChanges(changes, m_recurring->findPendingSync(room()), ChangeObjects::recurring);
    if (room() > 0) {
        const QList<Transaction> transactions = m_transactions->findPendingSync(room());
        appendChanges(changes, transactions, transactionChanges(transactions));
    }
    if (room() > 0)
        appendChanges(changes, m_reconciliations->findPendingSync(room()), ChangeObjects::reconciliation);
    return changes;
}

bool SyncEngine::needsPullFirst() const
{
    if (m_pulledFirst)
        return false;
    // Default categories and postings of schedules get the same ids on
    // every installation: the server may already hold a newer copy of a
    // row this one created and never synced. Rows that go out again only
    // for the ids they name (syncids.cpp) changed nothing here: another
    // installation's edit made since they were pulled must win. So must one
    // made since a backup this installation restored rows from.
    QSqlQuery q(m_database ? m_database->database() : QSqlDatabase::database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT EXISTS (SELECT 1 FROM categories WHERE sync_status = 'pending' AND is_default = 1 "
        "AND COALESCE(server_id, '') = '') OR EXISTS (SELECT 1 FROM transactions WHERE sync_status = 'pending' "
        "AND COALESCE(recurring_id, '') <> '' AND COALESCE(server_id, '') = '') "
        "OR EXISTS (SELECT 1 FROM preferences WHERE key = ?)"));
    q.addBindValue(SyncRows::pullFirstKey());
    const bool ok = q.exec();
    // Unsure: pulling first costs one request, pushing first may lose an edit.
    return !ok || !q.next() || q.value(0).toBool();
}

void SyncEngine::pushChanges()
{
    if (needsPullFirst()) {
        m_pullingFirst = true;
        beginPull();
        return;
    }
    const int total = countPending();
    if (total == 0) {
        m_refused.clear();
        if (m_pulledFirst) {
            // The pull before the push settled every pending row.
            finishCycle();
            return;
        }
        beginPull();
        return;
    }
    qInfo() << "Pushing" << total << "changes (in batches of" << kBatchSize << ")";
    // Only one batch goes out per cycle, so only one is built: the rows
    // beyond it are still pending and the next cycle builds them afresh.
    m_sentChanges = gatherChanges(kBatchSize);
    m_sentChangeCount = m_database ? m_database->changeCount() : -1;
    m_unsentCount = total - int(m_sentChanges.size());
    pushNextBatch();
}

void SyncEngine::pushNextBatch()
{
    qInfo() << "Push batch:" << m_sentChanges.size() << "changes," << m_unsentCount << "remaining";
    const quint64 cycle = m_cycle;
    QPointer<SyncEngine> self(this);
    m_apiClient->post(QStringLiteral("/sync/push"), QJsonObject{{"changes", m_sentChanges}},
                      [self, cycle](bool ok, int httpStatus, const QJsonObject& body) {
                          if (self && self->m_cycle == cycle)
                              self->handlePushResponse(ok, httpStatus, body);
                      });
}

void SyncEngine::handlePushResponse(bool ok, int httpStatus, const QJsonObject& body)
{
    if (!ok) {
        failCycle(QStringLiteral("Push failed (HTTP %1)").arg(httpStatus));
        return;
    }
    QHash<QString, QHash<QString, QString>> accepted; // entity type → entity id → server id
    int acceptedCount = 0;
    int rejectedCount = 0;
    const QJsonArray results = body.value(QLatin1String("results")).toArray();
    for (const QJsonValue& value : results) {
        const QJsonObject result = value.toObject();
        const QString status = text(result, "status");
        const QString entityType = text(result, "entity_type");
        const QString entityId = text(result, "entity_id");
        const QString key = entityType + QLatin1Char('/') + entityId;
        if (status == QLatin1String("ok")) {
            ++acceptedCount;
            accepted[entityType].insert(entityId, text(result, "server_id"));
            m_refused.remove(key);
        } else {
            const QString message = text(result, "message");
            if (rejectedCount++ == 0)
                m_firstRefusal = message.isEmpty() ? status : message;
            m_refused.insert(key, message);
            qWarning() << "Push result not ok — leaving record pending:" << entityType << entityId
                       << "status=" << status << "message=" << message;
        }
    }
    if (rejectedCount > 0) {
        qWarning() << "Push batch:" << acceptedCount << "ok," << rejectedCount
                   << "errors — failed records remain pending for next sync";
    }
    markAccepted(accepted);
    // Every row that waited to go out again has, after a pull, once each
    // row sent came back accepted. A reply that lists fewer (a faulty
    // service or proxy) leaves them waiting, so the next cycle pulls first.
    const auto wasAccepted = [&accepted](const QJsonValue& change) {
        return accepted.value(text(change.toObject(), "entity_type")).contains(text(change.toObject(), "entity_id"));
    };
    if (m_unsentCount == 0 && m_preferences
        && std::all_of(m_sentChanges.begin(), m_sentChanges.end(), wasAccepted))
        m_preferences->remove(SyncRows::pullFirstKey());
    m_sentChanges = QJsonArray();
    beginPull();
}

void SyncEngine::markAccepted(const QHash<QString, QHash<QString, QString>>& accepted)
{
    const bool unchanged = m_sentChangeCount >= 0 && m_database->changeCount() == m_sentChangeCount;
    QHash<QString, QHash<QString, QJsonObject>> sent; // entity type → entity id → change object
    for (const QJsonValue& value : std::as_const(m_sentChanges)) {
        const QJsonObject change = value.toObject();
        sent[text(change, "entity_type")].insert(text(change, "entity_id"), change);
    }
    // Any other entity type is accepted and marks nothing.
    for (auto it = accepted.constBegin(); it != accepted.constEnd(); ++it) {
        const QHash<QString, QJsonObject> ofType = sent.value(it.key());
        if (it.key() == kAccount) {
            markType(m_accounts, it.value(), ofType, unchanged, sameFor(ChangeObjects::account));
        } else if (it.key() == kCategory) {
            markType(m_categories, it.value(), ofType, unchanged, sameFor(ChangeObjects::category));
        } else if (it.key() == kRecurring) {
            markType(m_recurring, it.value(), ofType, unchanged, sameFor(ChangeObjects::recurring));
        } else if (it.key() == kTransaction) {
            markType(m_transactions, it.value(), ofType, unchanged,
                     [this](const QList<Transaction>& rows) { return transactionChanges(rows); });
        } else if (it.key() == kReconciliation) {
            markType(m_reconciliations, it.value(), ofType, unchanged, sameFor(ChangeObjects::reconciliation));
        }
    }
}

void SyncEngine::dropSettledRefusals()
{
    static const QHash<QString, QString> tables{{kAccount, QStringLiteral("accounts")},
                                                {kCategory, QStringLiteral("categories")},
                                                {kRecurring, QStringLiteral("recurring_transactions")},
                                                {kTransaction, QStringLiteral("transactions")},
                                                {kReconciliation, QStringLiteral("reconciliations")}};
    QSqlQuery q(m_database ? m_database->database() : QSqlDatabase::database());
    for (auto it = m_refused.begin(); it != m_refused.end();) {
        const qsizetype slash = it.key().indexOf(QLatin1Char('/'));
        const QString table = tables.value(it.key().left(slash));
        // A row that is gone, or of a type not stored here, waits for nothing.
        bool pending = false;
        if (!table.isEmpty()) {
            q.prepare(QStringLiteral("SELECT 1 FROM %1 WHERE id = ? AND sync_status = 'pending'").arg(table));
            q.addBindValue(it.key().mid(slash + 1));
            // Unreadable: kept, rather than reported as accepted.
            pending = !q.exec() || q.next();
            q.finish();
        }
        it = pending ? std::next(it) : m_refused.erase(it);
    }
}
