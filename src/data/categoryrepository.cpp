#include "data/categoryrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace {
// Deepest path categoryPath builds; also what stops a parent loop.
constexpr int kMaxPathDepth = 16;
} // namespace

CategoryRepository::CategoryRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<Category> CategoryRepository::select(const QString& tail, const QVariantList& values) const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM categories ").arg(QLatin1String(Columns::category)) + tail);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    QList<Category> result;
    while (q.next())
        result.append(categoryFromQuery(q));
    return result;
}

QList<Category> CategoryRepository::findAll() const
{
    return select(QStringLiteral("WHERE deleted_at IS NULL ORDER BY name"));
}

std::optional<Category> CategoryRepository::findById(const QString& id) const
{
    const QList<Category> rows = select(QStringLiteral("WHERE id = ?"), {SqlValue::text(id)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

std::optional<Category> CategoryRepository::findByName(const QString& name) const
{
    const QList<Category> rows =
        select(QStringLiteral("WHERE name = ? AND deleted_at IS NULL"), {SqlValue::text(name)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<Category> CategoryRepository::findPendingSync() const
{
    return select(QStringLiteral("WHERE sync_status = 'pending'"));
}

int CategoryRepository::count() const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM categories WHERE deleted_at IS NULL"));
    if (q.exec() && q.next())
        return q.value(0).toInt();
    return 0;
}

QString CategoryRepository::categoryPath(const QString& id) const
{
    QStringList names;
    QString current = id;
    // Deleted ancestors still name the path; the depth bound ends a loop.
    for (int level = 0; level < kMaxPathDepth && !current.isEmpty(); ++level) {
        const std::optional<Category> category = findById(current);
        if (!category)
            break;
        names.prepend(category->name);
        current = category->parentId;
    }
    return names.join(QStringLiteral(" > "));
}

bool CategoryRepository::insert(const Category& c)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, icon, color, "
        "is_default, account_id, version, sync_status, server_id, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(SqlValue::text(c.id));
    q.addBindValue(SqlValue::text(c.name));
    q.addBindValue(categoryTypeToString(c.categoryType));
    q.addBindValue(SqlValue::ref(c.parentId));
    q.addBindValue(SqlValue::flag(c.isTaxRelevant));
    q.addBindValue(SqlValue::text(c.taxCategory));
    q.addBindValue(SqlValue::text(c.icon));
    q.addBindValue(SqlValue::text(c.color));
    q.addBindValue(SqlValue::flag(c.isDefault));
    q.addBindValue(SqlValue::ref(c.accountId));
    q.addBindValue(c.version);
    q.addBindValue(syncStatusToString(c.syncStatus));
    q.addBindValue(SqlValue::text(c.serverId));
    q.addBindValue(SqlValue::timestamp(c.createdAt));
    q.addBindValue(SqlValue::timestamp(c.updatedAt));
    if (!q.exec()) {
        qWarning().noquote() << "CategoryRepository::insert failed:" << q.lastError().text();
        return false;
    }
    emit categoriesChanged();
    return true;
}

bool CategoryRepository::update(const Category& c)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "UPDATE categories SET name=?, category_type=?, parent_id=?, is_tax_relevant=?, tax_category=?, icon=?, "
        "color=?, is_default=?, account_id=?, version=?, sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    q.addBindValue(SqlValue::text(c.name));
    q.addBindValue(categoryTypeToString(c.categoryType));
    q.addBindValue(SqlValue::ref(c.parentId));
    q.addBindValue(SqlValue::flag(c.isTaxRelevant));
    q.addBindValue(SqlValue::text(c.taxCategory));
    q.addBindValue(SqlValue::text(c.icon));
    q.addBindValue(SqlValue::text(c.color));
    q.addBindValue(SqlValue::flag(c.isDefault));
    q.addBindValue(SqlValue::ref(c.accountId));
    q.addBindValue(c.version);
    q.addBindValue(syncStatusToString(c.syncStatus));
    q.addBindValue(SqlValue::text(c.serverId));
    q.addBindValue(SqlValue::timestamp(c.updatedAt));
    q.addBindValue(SqlValue::text(c.id));
    if (!q.exec()) {
        qWarning().noquote() << "CategoryRepository::update failed:" << q.lastError().text();
        return false;
    }
    emit categoriesChanged();
    return true;
}

bool CategoryRepository::softDelete(const QString& id)
{
    const QString now = SqlValue::nowText();
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE categories SET deleted_at=?, sync_status='pending', updated_at=? WHERE id=?"));
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(SqlValue::text(id));
    if (!q.exec()) {
        qWarning().noquote() << "CategoryRepository::softDelete failed:" << q.lastError().text();
        return false;
    }
    emit categoriesChanged();
    return true;
}

int CategoryRepository::markAllPendingForResync()
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "UPDATE categories SET sync_status = 'pending' WHERE deleted_at IS NULL AND sync_status != 'pending'"));
    if (!q.exec()) {
        qWarning().noquote() << "CategoryRepository::markAllPendingForResync failed:" << q.lastError().text();
        return 0;
    }
    const int changed = qMax(0, q.numRowsAffected());
    if (changed > 0)
        emit categoriesChanged();
    return changed;
}

bool CategoryRepository::markSynced(const QString& id, const QString& serverId)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE categories SET sync_status='synced', server_id=? WHERE id=?"));
    q.addBindValue(SqlValue::text(serverId));
    q.addBindValue(SqlValue::text(id));
    return q.exec();
}
