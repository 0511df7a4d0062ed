#include "data/accountrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {

// The table and the name in warnings of the shared sync statements.
constexpr char kTable[] = "accounts";
constexpr char kOwner[] = "AccountRepository";

} // namespace

AccountRepository::AccountRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<Account> AccountRepository::select(const QString& tail, const QVariantList& values) const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM accounts ").arg(QLatin1String(Columns::account)) + tail);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    QList<Account> result;
    while (q.next())
        result.append(accountFromQuery(q));
    return result;
}

QList<Account> AccountRepository::findAll() const
{
    return select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY sort_order, name"));
}

std::optional<Account> AccountRepository::findById(const QString& id) const
{
    const QList<Account> rows = select(QStringLiteral("WHERE id = ?"), {SqlValue::text(id)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<Account> AccountRepository::findDeleted() const
{
    return select(QStringLiteral("WHERE deleted_at IS NOT NULL ORDER BY name"));
}

QList<Account> AccountRepository::findPendingSync() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"));
}

QList<Account> AccountRepository::findPendingSync(int limit) const
{
    return select(QStringLiteral("WHERE sync_status = 'pending' ORDER BY rowid LIMIT ?"), {limit});
}

int AccountRepository::countPendingSync() const
{
    return SyncRows::countPending(m_database->database(), kTable);
}

QList<Account> AccountRepository::findByIds(const QStringList& ids) const
{
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("id"), ids, values);
    return select(QStringLiteral("WHERE ") + in, values);
}

bool AccountRepository::insert(const Account& a)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(SqlValue::text(a.id));
    q.addBindValue(SqlValue::text(a.name));
    q.addBindValue(accountTypeToString(a.accountType));
    q.addBindValue(currencyToString(a.currency));
    q.addBindValue(SqlValue::text(a.institution));
    q.addBindValue(SqlValue::text(a.accountNumberLast4));
    q.addBindValue(a.startingBalance);
    q.addBindValue(a.sortOrder);
    q.addBindValue(SqlValue::flag(a.isShared));
    q.addBindValue(a.version);
    q.addBindValue(syncStatusToString(a.syncStatus));
    q.addBindValue(SqlValue::text(a.serverId));
    q.addBindValue(SqlValue::timestamp(a.createdAt));
    q.addBindValue(SqlValue::timestamp(a.updatedAt));
    if (!q.exec()) {
        qWarning().noquote() << "AccountRepository::insert failed:" << q.lastError().text();
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::update(const Account& a)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "UPDATE accounts SET name=?, account_type=?, currency=?, institution=?, account_number_last4=?, "
        "starting_balance=?, sort_order=?, is_shared=?, "
        "version=CASE WHEN ? THEN MAX(?, version + (sync_status != 'pending')) ELSE ? END, "
        "sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    q.addBindValue(SqlValue::text(a.name));
    q.addBindValue(accountTypeToString(a.accountType));
    q.addBindValue(currencyToString(a.currency));
    q.addBindValue(SqlValue::text(a.institution));
    q.addBindValue(SqlValue::text(a.accountNumberLast4));
    q.addBindValue(a.startingBalance);
    q.addBindValue(a.sortOrder);
    q.addBindValue(SqlValue::flag(a.isShared));
    q.addBindValue(SqlValue::flag(a.syncStatus == SyncStatus::Pending));
    q.addBindValue(a.version);
    q.addBindValue(a.version);
    q.addBindValue(syncStatusToString(a.syncStatus));
    q.addBindValue(SqlValue::text(a.serverId));
    q.addBindValue(SqlValue::timestamp(a.updatedAt));
    q.addBindValue(SqlValue::text(a.id));
    if (!q.exec()) {
        qWarning().noquote() << "AccountRepository::update failed:" << q.lastError().text();
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::softDelete(const QString& id)
{
    const QString now = SqlValue::nowText();
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE accounts SET deleted_at=?, sync_status='pending', "
                             "version=version + (sync_status != 'pending'), updated_at=? WHERE id=?"));
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(SqlValue::text(id));
    if (!q.exec()) {
        qWarning().noquote() << "AccountRepository::softDelete failed:" << q.lastError().text();
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::restore(const QString& id)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE accounts SET deleted_at=NULL, sync_status='pending', "
                             "version=version + (sync_status != 'pending'), updated_at=? WHERE id=?"));
    q.addBindValue(SqlValue::nowText());
    q.addBindValue(SqlValue::text(id));
    if (!q.exec()) {
        qWarning().noquote() << "AccountRepository::restore failed:" << q.lastError().text();
        return false;
    }
    emit accountsChanged();
    return true;
}

bool AccountRepository::markSynced(const QString& id, const QString& serverId)
{
    return SyncRows::markSynced(m_database->database(), kTable, id, serverId);
}

bool AccountRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), kTable, kOwner, marks);
}

bool AccountRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), kTable, kOwner);
}

int AccountRepository::markAllPendingForResync()
{
    // A failed statement counts as no row changed.
    const int changed = qMax(0, SyncRows::markAllPendingForResync(m_database->database(), kTable, kOwner));
    if (changed > 0)
        emit accountsChanged();
    return changed;
}

bool AccountRepository::updateSortOrders(const QList<AccountSortOrder>& orders)
{
    QSqlDatabase& db = m_database->database();
    // An open transaction belongs to someone else (an import, a caller):
    // refuse rather than roll back work that is not ours.
    if (!db.transaction())
        return false;
    for (const AccountSortOrder& order : orders) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE accounts SET sort_order=?, updated_at=? WHERE id=?"));
        q.addBindValue(order.sortOrder);
        q.addBindValue(SqlValue::nowText());
        q.addBindValue(SqlValue::text(order.accountId));
        if (!q.exec()) {
            q.finish();
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        db.rollback();
        return false;
    }
    emit accountsChanged();
    return true;
}
