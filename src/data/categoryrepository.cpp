#include "data/categoryrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>

namespace {

// The table and the name in warnings of the shared sync statements.
constexpr char kTable[] = "categories";
constexpr char kOwner[] = "CategoryRepository";

} // namespace

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

QList<Category> CategoryRepository::findPendingSync(int limit) const
{
    QList<Category> pending = select(QStringLiteral("WHERE sync_status = 'pending' ORDER BY rowid"));
    // Depth within the pending rows: a parent that is pending as well must
    // reach the server before its child. The bound ends a parent loop.
    QHash<QString, QString> parentOf;
    for (const Category& c : std::as_const(pending))
        parentOf.insert(c.id, c.parentId);
    const auto depth = [&parentOf](const Category& c) {
        int level = 0;
        for (QString parent = c.parentId; level < kMaxPathDepth && parentOf.contains(parent);
             parent = parentOf.value(parent))
            ++level;
        return level;
    };
    QList<QPair<int, qsizetype>> order;
    for (qsizetype i = 0; i < pending.size(); ++i)
        order.append({depth(pending.at(i)), i});
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QList<Category> result;
    for (qsizetype i = 0; i < order.size() && i < limit; ++i)
        result.append(pending.at(order.at(i).second));
    return result;
}

int CategoryRepository::countPendingSync() const
{
    return SyncRows::countPending(m_database->database(), kTable);
}

QList<Category> CategoryRepository::findByIds(const QStringList& ids) const
{
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("id"), ids, values);
    return select(QStringLiteral("WHERE ") + in, values);
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
        "color=?, is_default=?, account_id=?, "
        "version=CASE WHEN ? THEN MAX(?, version + (sync_status != 'pending')) ELSE ? END, "
        "sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    q.addBindValue(SqlValue::text(c.name));
    q.addBindValue(categoryTypeToString(c.categoryType));
    q.addBindValue(SqlValue::ref(c.parentId));
    q.addBindValue(SqlValue::flag(c.isTaxRelevant));
    q.addBindValue(SqlValue::text(c.taxCategory));
    q.addBindValue(SqlValue::text(c.icon));
    q.addBindValue(SqlValue::text(c.color));
    q.addBindValue(SqlValue::flag(c.isDefault));
    q.addBindValue(SqlValue::ref(c.accountId));
    q.addBindValue(SqlValue::flag(c.syncStatus == SyncStatus::Pending));
    q.addBindValue(c.version);
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
    q.prepare(QStringLiteral("UPDATE categories SET deleted_at=?, sync_status='pending', "
                             "version=version + (sync_status != 'pending'), updated_at=? WHERE id=?"));
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
    // A failed statement counts as no row changed.
    const int changed = qMax(0, SyncRows::markAllPendingForResync(m_database->database(), kTable, kOwner));
    if (changed > 0)
        emit categoriesChanged();
    return changed;
}

bool CategoryRepository::markSynced(const QString& id, const QString& serverId)
{
    return SyncRows::markSynced(m_database->database(), kTable, id, serverId);
}

bool CategoryRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), kTable, kOwner, marks);
}

bool CategoryRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), kTable, kOwner);
}
