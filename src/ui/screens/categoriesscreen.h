#pragma once

#include <QHash>
#include <QPoint>
#include <QWidget>

class AppState;
class CategoryFormDialog;
class CategoryTreeModel;
class QLineEdit;
class QMenu;
class QSortFilterProxyModel;
class QTreeView;

// The Categories window: the live categories as a tree with type and tax
// code, filtered by a name search, with commands to create a category or a
// subcategory and to edit and delete one. It shows what the last reload
// read; its own commands reload it.
class CategoriesScreen : public QWidget
{
    Q_OBJECT
public:
    explicit CategoriesScreen(AppState* appState, QWidget* parent = nullptr);
    ~CategoriesScreen() override;

    // Reads the categories again; rows expanded before stay expanded, under
    // their new ids where `renamed` (old id → new id) names them.
    void reload(const QHash<QString, QString>& renamed = {});
    // The menu for a point of the tree's viewport; the caller owns it.
    QMenu* createContextMenu(const QPoint& pos);

    QLineEdit* searchField() const { return m_search; }
    QTreeView* tree() const { return m_tree; }
    CategoryTreeModel* model() const { return m_model; }
    QSortFilterProxyModel* proxy() const { return m_proxy; }

public slots:
    void onCreateCategory();
    void onCreateSubcategory();
    void onEditCategory();
    void onDeleteCategory();

private:
    void createCategory(const QString& parentId);
    void onContextMenu(const QPoint& pos);
    void expandId(const QString& id);
    void warnIfNotSaved(bool saved, const QString& title, const QString& text);
    // A sync repair renamed rows of `table` (old id → new id): the tree and
    // an open form hold ids that an edit writes back.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);
    void followWhileOpen(CategoryFormDialog* dialog);

    AppState* m_appState;
    QLineEdit* m_search = nullptr;
    QTreeView* m_tree = nullptr;
    CategoryTreeModel* m_model = nullptr;
    QSortFilterProxyModel* m_proxy = nullptr;
};
