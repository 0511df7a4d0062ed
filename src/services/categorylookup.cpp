#include "services/categorylookup.h"

#include <QCoreApplication>
#include <QHash>

#include <functional>

namespace CategoryLookup {

namespace {

const QLatin1String kSeparator(" > ");

// The categories whose text is `key`: the exact matches, or when there are
// none those that differ only in letter case.
QList<const Category*> matches(const QList<Category>& categories, const QString& key,
                               const std::function<QString(const Category&)>& textOf)
{
    QList<const Category*> exact;
    QList<const Category*> folded;
    for (const Category& category : categories) {
        const QString text = textOf(category);
        if (text.compare(key, Qt::CaseInsensitive) != 0)
            continue;
        if (text == key)
            exact.append(&category);
        folded.append(&category);
    }
    return exact.isEmpty() ? folded : exact;
}

// What typed text names: the one category found, or else the categories
// of the first reading that found several (none when no reading found
// any) with the text they share.
struct Reading
{
    QString id;
    QList<const Category*> shared;
    QString sharedText;
};

// "Parent > Child" when the parent is among the categories, else the name.
QString labelOf(const Category& category, const QHash<QString, QString>& names)
{
    const auto parent = category.parentId.isEmpty() ? names.cend() : names.constFind(category.parentId);
    return parent == names.cend() ? category.name : *parent + kSeparator + category.name;
}

QHash<QString, QString> namesById(const QList<Category>& categories)
{
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    return names;
}

Reading read(const QList<Category>& categories, const QHash<QString, QString>& names, const QString& typed)
{
    Reading reading;
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return reading;
    const auto take = [&reading](const QList<const Category*>& found, const QString& key) {
        if (found.size() == 1) {
            reading.id = found.first()->id;
            return true;
        }
        if (found.size() > 1 && reading.shared.isEmpty()) {
            reading.shared = found;
            reading.sharedText = key;
        }
        return false;
    };
    const auto name = [](const Category& category) { return category.name; };
    if (take(matches(categories, text, name), text))
        return reading;
    const auto label = [&names](const Category& category) { return labelOf(category, names); };
    if (take(matches(categories, text, label), text))
        return reading;
    const qsizetype last = text.lastIndexOf(kSeparator);
    if (last >= 0) {
        const QString child = text.mid(last + kSeparator.size()).trimmed();
        take(matches(categories, child, name), child);
    }
    return reading;
}

} // namespace

QString idForTypedText(const QList<Category>& categories, const QString& typed)
{
    return read(categories, namesById(categories), typed).id;
}

QString sharedNameRefusal(const QList<Category>& categories, const QString& typed)
{
    const QHash<QString, QString> names = namesById(categories);
    const Reading reading = read(categories, names, typed);
    if (!reading.id.isEmpty() || reading.shared.isEmpty())
        return QString();
    QStringList labels;
    for (const Category* category : reading.shared) {
        //: One category name, quoted, in a list of them.
        labels << QCoreApplication::translate("CategoryLookup", "\"%1\"").arg(labelOf(*category, names));
    }
    labels.sort();
    const int count = int(reading.shared.size());
    const QString& name = reading.sharedText;
    labels.removeDuplicates();
    // Categories of one name under parents of one name: no text tells them
    // apart, only the list.
    if (labels.size() < count)
        return QCoreApplication::translate("CategoryLookup",
                                           "%n categories are named \"%1\": choose one from the list.", nullptr,
                                           count)
            .arg(name);
    QString choices = labels.takeLast();
    if (!labels.isEmpty()) {
        QString others = labels.takeFirst();
        for (const QString& label : labels) {
            //: Joins the next quoted category name to a list of them.
            others = QCoreApplication::translate("CategoryLookup", "%1, %2").arg(others, label);
        }
        //: Joins the last quoted category name to a list of them.
        choices = QCoreApplication::translate("CategoryLookup", "%1 or %2").arg(others, choices);
    }
    return QCoreApplication::translate("CategoryLookup", "%n categories are named \"%1\": type %2.", nullptr, count)
        .arg(name, choices);
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
