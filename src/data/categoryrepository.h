#pragma once

#include "data/records.h"
#include "data/syncrows.h"

#include <QList>
#include <QObject>
#include <QVariantList>

#include <optional>

class Database;

// Reads and writes table categories. Categories form a tree by parent id;
// they are stored and listed flat. Every successful write emits
// categoriesChanged() once.
class CategoryRepository : public QObject
{
    Q_OBJECT
public:
    CategoryRepository(Database* database, QObject* parent = nullptr);

    QList<Category> findAll() const;
    std::optional<Category> findById(const QString& id) const;
    std::optional<Category> findByName(const QString& name) const;
    QList<Category> findPendingSync() const;
    // The first `limit` pending rows, every parent before its children,
    // then in the order they were created.
    QList<Category> findPendingSync(int limit) const;
    int countPendingSync() const;
    QList<Category> findByIds(const QStringList& ids) const;
    int count() const;
    // Names from the root down to the category, joined by " > ".
    QString categoryPath(const QString& id) const;

    bool insert(const Category& category);
    // A pending record is a local change (version rule in data/syncrows.h).
    bool update(const Category& category);
    // A local change: pending, version rule in data/syncrows.h.
    bool softDelete(const QString& id);
    int markAllPendingForResync();
    // An empty server id keeps the stored one. Emits nothing.
    bool markSynced(const QString& id, const QString& serverId);
    bool markSynced(const QList<SyncMark>& marks);
    bool clearServerIds();

signals:
    void categoriesChanged();

private:
    QList<Category> select(const QString& tail, const QVariantList& values = {}) const;

    Database* m_database;
};
