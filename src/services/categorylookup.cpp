#include "services/categorylookup.h"

#include <QCoreApplication>
#include <QHash>

namespace CategoryLookup {

namespace {

const QLatin1String kSeparator(" > ");

// The key under which texts equal but for letter case meet.
QString folded(const QString& text)
{
    return text.toCaseFolded();
}

} // namespace

// What typed text names: the one category found, or else the categories
// of the first reading that found several (none when no reading found
// any) with the text they share.
struct Index::Reading
{
    QString id;
    QList<int> shared;
    QString sharedText;
};

Index::Index(const QList<Category>& categories, Source source)
    : m_source(source)
    , m_names(source == Source::File ? Qt::CaseSensitive : Qt::CaseInsensitive)
{
    // Every parent's name is known before the labels are made.
    for (const Category& category : categories)
        m_nameById.insert(category.id, category.name);
    for (const Category& category : categories)
        add(category);
}

void Index::add(const Category& category)
{
    const int i = int(m_categories.size());
    m_categories.append(category);
    m_nameById.insert(category.id, category.name);
    const QString label = labelOf(category);
    m_byName[category.name].append(i);
    m_byFoldedName[folded(category.name)].append(i);
    m_byLabel[label].append(i);
    m_byFoldedLabel[folded(label)].append(i);
}

// "Parent > Child" when the parent is among the categories, else the name.
QString Index::labelOf(const Category& category) const
{
    const auto parent = category.parentId.isEmpty() ? m_nameById.cend() : m_nameById.constFind(category.parentId);
    return parent == m_nameById.cend() ? category.name : *parent + kSeparator + category.name;
}

// The categories whose text is `key`: the exact matches, or when there are
// none and `sensitivity` allows, those that differ only in letter case.
QList<int> Index::matches(const QHash<QString, QList<int>>& exact, const QHash<QString, QList<int>>& foldedTexts,
                          const QString& key, Qt::CaseSensitivity sensitivity) const
{
    const auto found = exact.constFind(key);
    if (found != exact.cend())
        return *found;
    return sensitivity == Qt::CaseSensitive ? QList<int>() : foldedTexts.value(folded(key));
}

Index::Reading Index::read(const QString& typed) const
{
    Reading reading;
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return reading;
    const auto take = [this, &reading](const QList<int>& found, const QString& key) {
        if (found.size() == 1) {
            reading.id = m_categories.at(found.first()).id;
            return true;
        }
        if (found.size() > 1 && reading.shared.isEmpty()) {
            reading.shared = found;
            reading.sharedText = key;
        }
        return false;
    };
    if (take(matches(m_byName, m_byFoldedName, text, m_names), text))
        return reading;
    // A top-level category's label is its bare name.
    const Qt::CaseSensitivity labels = text.contains(kSeparator) ? Qt::CaseInsensitive : m_names;
    if (take(matches(m_byLabel, m_byFoldedLabel, text, labels), text))
        return reading;
    const qsizetype last = m_source == Source::Typed ? text.lastIndexOf(kSeparator) : -1;
    if (last >= 0) {
        const QString child = text.mid(last + kSeparator.size()).trimmed();
        take(matches(m_byName, m_byFoldedName, child, m_names), child);
    }
    return reading;
}

QString Index::idFor(const QString& typed, bool* shared) const
{
    const Reading reading = read(typed);
    if (shared)
        *shared = reading.id.isEmpty() && !reading.shared.isEmpty();
    return reading.id;
}

QString Index::topLevelId(const QString& name) const
{
    const QList<int> named = matches(m_byName, m_byFoldedName, name.trimmed(), m_names);
    for (const int i : named) {
        if (m_categories.at(i).parentId.isEmpty())
            return m_categories.at(i).id;
    }
    return QString();
}

QString Index::sharedNameRefusal(const QString& typed) const
{
    const Reading reading = read(typed);
    if (!reading.id.isEmpty() || reading.shared.isEmpty())
        return QString();
    QStringList labels;
    for (const int i : reading.shared) {
        //: One category name, quoted, in a list of them.
        labels << QCoreApplication::translate("CategoryLookup", "\"%1\"").arg(labelOf(m_categories.at(i)));
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

QString idForTypedText(const QList<Category>& categories, const QString& typed)
{
    return Index(categories).idFor(typed);
}

QString sharedNameRefusal(const QList<Category>& categories, const QString& typed)
{
    return Index(categories).sharedNameRefusal(typed);
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
