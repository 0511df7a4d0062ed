#include "services/categorytreemodel.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QHash>
#include <QMap>
#include <QSet>
#include <QSortFilterProxyModel>

#include <utility>

namespace {

// Ids of the categories whose parent chain, followed inside the list, comes
// back to themselves (a category that is its own parent included). Each
// category has at most one parent, so one walk per unvisited category finds
// every loop.
QSet<QString> idsOnLoops(const QMap<QString, QString>& parentOf)
{
    enum class Mark { OnPath, Done };
    QHash<QString, Mark> marks;
    QSet<QString> onLoop;
    for (auto it = parentOf.cbegin(); it != parentOf.cend(); ++it) {
        QStringList path;
        QString current = it.key();
        while (true) {
            const auto mark = marks.constFind(current);
            if (mark != marks.cend()) {
                if (*mark == Mark::OnPath) {
                    for (qsizetype i = path.indexOf(current); i < path.size(); ++i)
                        onLoop.insert(path.at(i));
                }
                break;
            }
            marks.insert(current, Mark::OnPath);
            path.append(current);
            const QString parent = parentOf.value(current);
            if (parent.isEmpty() || !parentOf.contains(parent))
                break;
            current = parent;
        }
        for (const QString& id : std::as_const(path))
            marks.insert(id, Mark::Done);
    }
    return onLoop;
}

} // namespace

CategoryTreeModel::Node::~Node()
{
    // Without recursion, so a very deep chain cannot exhaust the stack.
    QList<Node*> pending = std::exchange(children, {});
    while (!pending.isEmpty()) {
        Node* node = pending.takeLast();
        pending.append(std::exchange(node->children, {}));
        delete node;
    }
}

CategoryTreeModel::CategoryTreeModel(QObject* parent)
    : QAbstractItemModel(parent)
    , m_root(std::make_unique<Node>())
{
}

CategoryTreeModel::~CategoryTreeModel() = default;

CategoryTreeModel::Node* CategoryTreeModel::nodeFor(const QModelIndex& index) const
{
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : m_root.get();
}

QModelIndex CategoryTreeModel::indexOfNode(Node* node, int column) const
{
    if (!node || node == m_root.get() || !node->parent)
        return QModelIndex();
    return createIndex(static_cast<int>(node->parent->children.indexOf(node)), column, node);
}

QModelIndex CategoryTreeModel::index(int row, int column, const QModelIndex& parent) const
{
    if (column < 0 || column >= ColumnCount)
        return QModelIndex();
    const Node* parentNode = nodeFor(parent);
    if (row < 0 || row >= parentNode->children.size())
        return QModelIndex();
    return createIndex(row, column, parentNode->children.at(row));
}

QModelIndex CategoryTreeModel::parent(const QModelIndex& index) const
{
    if (!index.isValid())
        return QModelIndex();
    return indexOfNode(nodeFor(index)->parent, 0);
}

int CategoryTreeModel::rowCount(const QModelIndex& parent) const
{
    // Only column 0 has children, as views expect of a tree.
    if (parent.isValid() && parent.column() != 0)
        return 0;
    return static_cast<int>(nodeFor(parent)->children.size());
}

int CategoryTreeModel::columnCount(const QModelIndex&) const
{
    return ColumnCount;
}

QVariant CategoryTreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const Node* node = nodeFor(index);
    const Category& category = node->category;
    switch (role) {
    case SortKeyRole:
        return data(index, Qt::DisplayRole).toString().toCaseFolded();
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return category.name;
        case TypeColumn:
            return categoryTypeToString(category.categoryType);
        case TaxCodeColumn:
            return category.isTaxRelevant ? category.taxCategory : QString();
        default:
            return QVariant();
        }
    case Qt::ForegroundRole:
        if (index.column() == TypeColumn && category.categoryType == CategoryType::Income)
            return m_incomeColor;
        return QVariant();
    case Qt::FontRole:
        if (index.column() == NameColumn && !node->children.isEmpty()) {
            QFont bold;
            bold.setWeight(QFont::Bold);
            return bold;
        }
        return QVariant();
    default:
        return QVariant();
    }
}

QVariant CategoryTreeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    switch (section) {
    case NameColumn:
        return tr("Category");
    case TypeColumn:
        return tr("Type");
    case TaxCodeColumn:
        return tr("Tax Code");
    default:
        return QVariant();
    }
}

void CategoryTreeModel::setCategories(const QList<Category>& categories)
{
    beginResetModel();
    m_root = std::make_unique<Node>();

    // Ordered by id, so every child list ends up in ascending id order.
    QMap<QString, Node*> nodes;
    QMap<QString, QString> parentOf;
    for (const Category& category : categories) {
        if (nodes.contains(category.id))
            continue;
        auto* node = new Node;
        node->category = category;
        nodes.insert(category.id, node);
        parentOf.insert(category.id, category.parentId);
    }
    const QSet<QString> onLoop = idsOnLoops(parentOf);

    for (auto it = nodes.cbegin(); it != nodes.cend(); ++it) {
        Node* node = it.value();
        const QString& parentId = node->category.parentId;
        Node* parent = m_root.get();
        if (!parentId.isEmpty() && !onLoop.contains(it.key()))
            parent = nodes.value(parentId, m_root.get());
        node->parent = parent;
        parent->children.append(node);
    }
    endResetModel();
}

Category CategoryTreeModel::categoryForIndex(const QModelIndex& index) const
{
    if (!index.isValid())
        return Category();
    return nodeFor(index)->category;
}

QModelIndex CategoryTreeModel::indexForId(const QString& id) const
{
    if (id.isEmpty())
        return QModelIndex();
    QList<Node*> stack = m_root->children;
    while (!stack.isEmpty()) {
        Node* node = stack.takeLast();
        if (node->category.id == id)
            return indexOfNode(node, NameColumn);
        stack.append(node->children);
    }
    return QModelIndex();
}

void CategoryTreeModel::setIncomeColor(const QColor& color)
{
    if (color == m_incomeColor)
        return;
    m_incomeColor = color;
    // The Type column of every level shows the new colour.
    QList<Node*> parents{m_root.get()};
    while (!parents.isEmpty()) {
        Node* node = parents.takeLast();
        if (node->children.isEmpty())
            continue;
        const QModelIndex parent = indexOfNode(node, NameColumn);
        const int last = static_cast<int>(node->children.size()) - 1;
        emit dataChanged(index(0, TypeColumn, parent), index(last, TypeColumn, parent), {Qt::ForegroundRole});
        parents.append(node->children);
    }
}

void CategoryTreeModel::configureProxy(QSortFilterProxyModel* proxy)
{
    proxy->setFilterKeyColumn(NameColumn);
    proxy->setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy->setRecursiveFilteringEnabled(true);
    proxy->setSortRole(SortKeyRole);
    proxy->setSortCaseSensitivity(Qt::CaseInsensitive);
    proxy->setSortLocaleAware(true);
    proxy->setDynamicSortFilter(true);
}

QString CategoryTreeModel::deleteQuestion(const QString& name, bool hasSubcategories)
{
    // The window asks it, so the texts are translated in its context.
    QString text = QCoreApplication::translate("CategoriesScreen",
                                               "Delete \"%1\"? It will no longer be offered for new entries. "
                                               "Transactions and recurring transactions that use it keep it, and "
                                               "the register still shows its name.")
                       .arg(name);
    if (hasSubcategories)
        text += QLatin1Char(' ')
            + QCoreApplication::translate("CategoriesScreen", "Its subcategories move to the top level.");
    return text;
}
