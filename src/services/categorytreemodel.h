#pragma once

#include "data/records.h"

#include <QAbstractItemModel>
#include <QColor>
#include <QList>
#include <QString>

#include <memory>

class QSortFilterProxyModel;

// The live categories as a tree by parent id, for the categories window:
// columns "Category", "Type" and "Tax Code". Read-only. A category whose
// parent is not in the list (deleted, missing) or whose parent chain loops
// back on itself is shown at the top level, so no category ever drops out
// of the tree.
class CategoryTreeModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    enum Column { NameColumn = 0, TypeColumn = 1, TaxCodeColumn = 2, ColumnCount = 3 };
    // The shown text case-folded: the proxy sorts by it, so the order
    // ignores case even where the locale's collation (C) would not.
    static constexpr int SortKeyRole = Qt::UserRole;

    // One category; owns its children. The root holds an empty Category
    // and is never shown.
    struct Node
    {
        Category category;
        QList<Node*> children;
        Node* parent = nullptr;
        ~Node();
    };

    explicit CategoryTreeModel(QObject* parent = nullptr);
    ~CategoryTreeModel() override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& index) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Replaces the whole tree (a model reset). Children come in ascending
    // id order; views order them through a proxy.
    void setCategories(const QList<Category>& categories);
    // The category of the row, or an empty Category for an invalid index.
    Category categoryForIndex(const QModelIndex& index) const;
    // Column 0 of the category with that id, or an invalid index.
    QModelIndex indexForId(const QString& id) const;
    // The text colour of "income" in the Type column; the view sets one
    // that reads on its current background.
    void setIncomeColor(const QColor& color);

    // The proxy between the model and its view: a fixed-string name filter
    // that keeps the ancestors of every match, and a case-insensitive,
    // locale-aware sort.
    static void configureProxy(QSortFilterProxyModel* proxy);
    // The question asked before deleting a category. Soft deletion changes
    // only the category's own row: its subcategories move to the top level,
    // and transactions and schedules keep it (the register still shows its
    // name).
    static QString deleteQuestion(const QString& name, bool hasSubcategories);

private:
    Node* nodeFor(const QModelIndex& index) const;
    QModelIndex indexOfNode(Node* node, int column) const;

    std::unique_ptr<Node> m_root;
    QColor m_incomeColor{0, 136, 0};
};
