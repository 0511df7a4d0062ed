#pragma once

#include <QObject>
#include <QString>

class CategoryRepository;

// Fills an empty category table with the default catalogue. Every default
// category gets an id derived from its English name, its type and its
// parent's English name, so it is the same on every installation and in
// every interface language; only the stored name is translated.
class CategoryService : public QObject
{
    Q_OBJECT
public:
    CategoryService(CategoryRepository* categories, QObject* parent = nullptr);

    // Seeds the catalogue when no live category exists.
    void seedIfEmpty();
    // Inserts the whole catalogue in order; a failed row does not stop it.
    void seedDefaultCategories();
    // Builds, inserts and records one default category. parentId is the id
    // of an already recorded default category, or empty.
    void insertDefaultCategory(const QString& key, const QString& displayName, const QString& typeText,
                               const QString& parentId, bool isTaxRelevant, const QString& taxCategory);

    // The id recorded for an English key by seeding in this process, or empty.
    static QString defaultCategoryId(const QString& key);
    // The stable id of a default category: the name-based (SHA-1) UUID of
    // "type:parentKey:key" in the DNS namespace, lowercase, without braces.
    static QString stableCategoryId(const QString& typeText, const QString& parentKey, const QString& key);

private:
    CategoryRepository* m_categories;
};
