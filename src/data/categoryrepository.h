#pragma once

#include "data/records.h"

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
    int count() const;
    // Names from the root down to the category, joined by " > ".
    QString categoryPath(const QString& id) const;

    bool insert(const Category& category);
    bool update(const Category& category);
    bool softDelete(const QString& id);
    int markAllPendingForResync();
    bool markSynced(const QString& id, const QString& serverId);

signals:
    void categoriesChanged();

private:
    QList<Category> select(const QString& tail, const QVariantList& values = {}) const;

    Database* m_database;
};
