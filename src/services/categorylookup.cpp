#include "services/categorylookup.h"

#include <QHash>

#include <functional>

namespace CategoryLookup {

namespace {

QString uniqueMatch(const QList<Category>& categories, const QString& key,
                    const std::function<QString(const Category&)>& textOf)
{
    QString exact;
    QString folded;
    int exactCount = 0;
    int foldedCount = 0;
    for (const Category& category : categories) {
        const QString text = textOf(category);
        if (text.compare(key, Qt::CaseInsensitive) != 0)
            continue;
        if (text == key) {
            exact = category.id;
            ++exactCount;
        }
        folded = category.id;
        ++foldedCount;
    }
    if (exactCount > 0)
        return exactCount == 1 ? exact : QString();
    return foldedCount == 1 ? folded : QString();
}

} // namespace

QString idForTypedText(const QList<Category>& categories, const QString& typed)
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return QString();
    const auto name = [](const Category& category) { return category.name; };
    QString id = uniqueMatch(categories, text, name);
    if (!id.isEmpty())
        return id;

    const QLatin1String separator(" > ");
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    id = uniqueMatch(categories, text, [&](const Category& category) {
        const auto parent = category.parentId.isEmpty() ? names.cend() : names.constFind(category.parentId);
        return parent == names.cend() ? category.name : *parent + separator + category.name;
    });
    if (!id.isEmpty())
        return id;

    const qsizetype last = text.lastIndexOf(separator);
    return last >= 0 ? uniqueMatch(categories, text.mid(last + separator.size()).trimmed(), name) : QString();
}

bool nameTaken(const QList<Category>& categories, const QString& parentId, const QString& name,
               const QString& exceptId)
{
    const QString wanted = name.trimmed();
    for (const Category& category : categories) {
        if (category.id != exceptId && category.parentId == parentId && !category.deletedAt
            && category.name.trimmed().compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

} // namespace CategoryLookup
