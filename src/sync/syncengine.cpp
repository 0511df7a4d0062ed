#include "sync/syncengine.h"

#include "account/core/apiclient.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QDebug>
#include <QTimer>

namespace {

const QString kSyncUserKey = QStringLiteral("syncUserId");

} // namespace

SyncEngine::SyncEngine(LarkAccount::ApiClient* apiClient, AccountRepository* accounts,
                       TransactionRepository* transactions, CategoryRepository* categories,
                       RecurringRepository* recurring, ReconciliationRepository* reconciliations,
                       SplitLineRepository* splitLines, PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_apiClient(apiClient)
    , m_accounts(accounts)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_recurring(recurring)
    , m_reconciliations(reconciliations)
    , m_splitLines(splitLines)
    , m_preferences(preferences)
{
    m_periodicTimer = new QTimer(this);
    connect(m_periodicTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    m_debounceTimer = new QTimer(this);
    m_debounceTimer->setSingleShot(true);
    m_debounceTimer->setInterval(kDebounceMs);
    connect(m_debounceTimer, &QTimer::timeout, this, &SyncEngine::syncNow);
    if (m_apiClient)
        connect(m_apiClient, &LarkAccount::ApiClient::authenticationRequired, this,
                &SyncEngine::onAuthenticationRequired);
}

void SyncEngine::setSignedInCheck(std::function<bool()> check)
{
    m_signedInCheck = std::move(check);
}

void SyncEngine::setDatabase(Database* database)
{
    m_database = database;
}

void SyncEngine::scheduleSync()
{
    m_debounceTimer->start();
}

void SyncEngine::start(int intervalMs)
{
    m_periodicTimer->start(intervalMs);
    syncNow();
}

void SyncEngine::stop()
{
    m_periodicTimer->stop();
    if (m_state != Syncing)
        return;
    // Signed out: nothing more goes to the service in this cycle's name.
    ++m_cycle;
    m_sentChanges = QJsonArray();
    // Pages not applied yet are pulled again from the saved cursor.
    m_heldPages.clear();
    m_heldRows = 0;
    m_resyncRequested = false;
    setState(Idle);
}

bool SyncEngine::isPeriodicSyncActive() const
{
    return m_periodicTimer->isActive();
}

bool SyncEngine::isSyncScheduled() const
{
    return m_debounceTimer->isActive();
}

void SyncEngine::syncNow()
{
    if (m_signedInCheck && !m_signedInCheck()) {
        m_resyncRequested = false;
        setState(Idle);
        return;
    }
    if (m_state == Syncing) {
        m_resyncRequested = true;
        return;
    }
    if (m_database && m_database->bulkWriteActive()) {
        // An import holds the database in one open transaction: a cycle now
        // would write into it. Try again once it is done.
        m_debounceTimer->start();
        return;
    }
    m_resyncRequested = false;
    ++m_cycle;
    m_pullingFirst = m_pulledFirst = false;
    m_pullPageCount = 0;
    setState(Syncing);
    pushChanges();
}

void SyncEngine::adoptUser(const QString& userId)
{
    if (userId.isEmpty() || !m_preferences)
        return;
    const QString previous = m_preferences->valueOr(kSyncUserKey, QString());
    if (previous == userId)
        return;
    if (!previous.isEmpty()) {
        qWarning().noquote() << "Sync: signed in as another user than the last sync's; starting from an empty "
                                "cursor and clearing the server ids of the previous account";
        stop();
        m_preferences->remove(kCursorKey);
        clearRetryRows();
        m_accounts->clearServerIds();
        m_categories->clearServerIds();
        m_recurring->clearServerIds();
        m_transactions->clearServerIds();
        m_reconciliations->clearServerIds();
        m_accounts->markAllPendingForResync();
        m_categories->markAllPendingForResync();
        m_recurring->markAllPendingForResync();
        m_transactions->markAllPendingForResync();
        m_reconciliations->markAllPendingForResync();
    }
    m_preferences->setValue(kSyncUserKey, userId);
}

bool SyncEngine::isAnotherUser(const QString& userId) const
{
    if (userId.isEmpty() || !m_preferences)
        return false;
    const QString previous = m_preferences->valueOr(kSyncUserKey, QString());
    return !previous.isEmpty() && previous != userId;
}

QString SyncEngine::stateLabel(SyncState state)
{
    switch (state) {
    case Idle:
        return QStringLiteral("Synced");
    case Syncing:
        return QStringLiteral("Syncing...");
    case Error:
        return QStringLiteral("Sync error");
    case Offline:
        return QStringLiteral("Offline");
    }
    return QStringLiteral("Unknown");
}

void SyncEngine::setState(SyncState state)
{
    if (state == m_state)
        return;
    m_state = state;
    emit stateChanged(state);
}

const QString SyncEngine::kCursorKey = QStringLiteral("syncCursor");
const QString SyncEngine::kLastSyncKey = QStringLiteral("lastSyncTimestamp");

QString SyncEngine::lastSyncTimestamp() const
{
    return m_preferences ? m_preferences->valueOr(kLastSyncKey, QString()) : QString();
}

void SyncEngine::forgetSyncPosition()
{
    if (!m_preferences)
        return;
    m_preferences->remove(kCursorKey);
    m_preferences->remove(kLastSyncKey);
}

QString SyncEngine::savedCursor() const
{
    return m_preferences ? m_preferences->valueOr(kCursorKey, QString()) : QString();
}

void SyncEngine::finishCycle()
{
    m_sentChanges = QJsonArray();
    if (m_retryRows.size() > 0) {
        // Their parents may have come with a later page.
        applyPulledPage(QJsonObject());
        if (!m_retryRows.isEmpty())
            qWarning() << "Sync pull:" << m_retryRows.size()
                       << "rows could not be applied yet (a row they refer to is missing); kept for the next sync";
    }
    if (!m_refused.isEmpty())
        dropSettledRefusals();
    if (!m_refused.isEmpty()) {
        // Not in step while the service refuses rows: no sync time, no
        // "Synced". The pulled rows are in, so the views still reload.
        m_lastError = tr("%n change(s) were refused by the server: %1", nullptr, int(m_refused.size()))
                          .arg(m_firstRefusal);
        setState(Error);
        emit syncFailed(m_lastError);
    } else {
        if (m_preferences)
            m_preferences->setValue(kLastSyncKey, SqlValue::nowText());
        setState(Idle);
        emit syncCompleted();
    }
    emit dataChanged();
    if (m_resyncRequested) {
        m_resyncRequested = false;
        QTimer::singleShot(0, this, &SyncEngine::syncNow);
    }
}

void SyncEngine::failCycle(const QString& error)
{
    m_sentChanges = QJsonArray();
    m_lastError = error;
    setState(Error);
    emit syncFailed(error);
}

void SyncEngine::onAuthenticationRequired()
{
    // The failed request's own reply reports the failure.
    setState(Error);
}
