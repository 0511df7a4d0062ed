#pragma once

#include "data/records.h"

#include <QHash>
#include <QList>
#include <QString>

// Finding categories by what a user types, and the rule that keeps names
// apart: every form that takes a category name reads it the same way.
namespace CategoryLookup {

// The id of the category that `typed` names among `categories` (the live
// ones), or empty. White space around the text does not count. The name
// is tried first, then the full label "Parent > Child", then for a typed
// path the part after the last " > " as a name; each time the one exact
// match, else the one match that differs only in letter case. Two matches
// of the same kind name nothing: a guess could pick the wrong category.
QString idForTypedText(const QList<Category>& categories, const QString& typed);

// Why `typed` names no category when several share what it says: how many
// and what to type for each ("Parent > Child"), e.g. 2 categories are named
// "Maintenance": type "Housing > Maintenance" or "Transportation >
// Maintenance". Empty when the text names one category or none.
QString sharedNameRefusal(const QList<Category>& categories, const QString& typed);

// True when a category of `categories` other than `exceptId` has the same
// parent and the same name, letter case and surrounding white space aside:
// two such entries could not be told apart in any list.
bool nameTaken(const QList<Category>& categories, const QString& parentId, const QString& name,
               const QString& exceptId);

// Where the texts an Index reads come from. Typed: a form, where the person
// sees the category picked. File: an import, where no one sees it, so a
// bare name matches only as written (a file's "food" is not the category
// "Food") and "Parent > Child" names a child only under a parent of that
// name (a file's "Auto > Gas" is not "Utilities > Gas").
enum class Source { Typed, File };

// The categories arranged for reading many texts: built once, each reading
// then costs a few hash look-ups (an import reads a text per row). A Typed
// index reads as idForTypedText and sharedNameRefusal.
class Index
{
public:
    explicit Index(const QList<Category>& categories = {}, Source source = Source::Typed);

    // A category made after the index was built, which no other category
    // has as its parent.
    void add(const Category& category);

    // As idForTypedText; `shared` (when given) tells whether the text names
    // none because several categories share what it says.
    QString idFor(const QString& typed, bool* shared = nullptr) const;
    QString sharedNameRefusal(const QString& typed) const;
    // The first top-level category named `name` (letter case as for a bare
    // name), or empty: a catch-all, which a subcategory cannot stand for.
    QString topLevelId(const QString& name) const;

private:
    struct Reading;
    Reading read(const QString& typed) const;
    QList<int> matches(const QHash<QString, QList<int>>& exact, const QHash<QString, QList<int>>& folded,
                       const QString& key, Qt::CaseSensitivity sensitivity) const;
    QString labelOf(const Category& category) const;

    Source m_source;
    Qt::CaseSensitivity m_names;
    QList<Category> m_categories;
    QHash<QString, QString> m_nameById;
    // Positions in m_categories, in its order, by name and by label, as
    // written and case-folded.
    QHash<QString, QList<int>> m_byName;
    QHash<QString, QList<int>> m_byFoldedName;
    QHash<QString, QList<int>> m_byLabel;
    QHash<QString, QList<int>> m_byFoldedLabel;
};

} // namespace CategoryLookup
