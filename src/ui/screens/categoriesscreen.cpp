#include "ui/screens/categoriesscreen.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/renamedids.h"
#include "services/categorytreemodel.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/categoryformdialog.h"
#include "ui/style.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

#include <memory>
#include <optional>

CategoriesScreen::CategoriesScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    auto* top = new QHBoxLayout;
    auto* title = new QLabel(tr("Categories"), this);
    applyFontRole(title, int(FontRole::Title), 700);
    top->addWidget(title);
    top->addStretch();
    m_search = new QLineEdit(this);
    m_search->setObjectName(QStringLiteral("categorySearch"));
    m_search->setPlaceholderText(tr("Search categories..."));
    m_search->setClearButtonEnabled(true);
    m_search->setMaximumWidth(280);
    top->addWidget(m_search);
    auto* newButton = new QPushButton(tr("+ New Category"), this);
    newButton->setObjectName(QStringLiteral("newCategoryButton"));
    connect(newButton, &QPushButton::clicked, this, &CategoriesScreen::onCreateCategory);
    top->addWidget(newButton);
    layout->addLayout(top);

    m_model = new CategoryTreeModel(this);
    // The theme's positive green reads on both row colours of either theme.
    followTheme(this, [model = m_model] { model->setIncomeColor(positiveColor()); });
    m_proxy = new QSortFilterProxyModel(this);
    CategoryTreeModel::configureProxy(m_proxy);
    m_proxy->setSourceModel(m_model);

    m_tree = new QTreeView(this);
    m_tree->setModel(m_proxy);
    m_tree->setAlternatingRowColors(true);
    m_tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tree->setContextMenuPolicy(Qt::CustomContextMenu);
    m_tree->setSortingEnabled(true);
    m_tree->sortByColumn(CategoryTreeModel::NameColumn, Qt::AscendingOrder);
    m_tree->header()->setStretchLastSection(false);
    m_tree->header()->setSectionResizeMode(CategoryTreeModel::NameColumn, QHeaderView::Stretch);
    layout->addWidget(m_tree, 1);

    connect(m_search, &QLineEdit::textChanged, this, [this](const QString& text) {
        m_proxy->setFilterFixedString(text);
        if (text.isEmpty())
            m_tree->collapseAll();
        else
            m_tree->expandAll();
    });
    connect(m_tree, &QWidget::customContextMenuRequested, this, &CategoriesScreen::onContextMenu);
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::idsRenamed, this, &CategoriesScreen::followRenamedIds);
}

CategoriesScreen::~CategoriesScreen() = default;

void CategoriesScreen::reload(const QHash<QString, QString>& renamed)
{
    // Expansion is remembered by id: the reset below rebuilds every row.
    QSet<QString> expanded;
    QList<QModelIndex> parents{QModelIndex()};
    while (!parents.isEmpty()) {
        const QModelIndex parent = parents.takeLast();
        for (int row = 0; row < m_proxy->rowCount(parent); ++row) {
            const QModelIndex index = m_proxy->index(row, CategoryTreeModel::NameColumn, parent);
            if (m_tree->isExpanded(index))
                expanded.insert(RenamedIds::follow(renamed, m_model->categoryForIndex(m_proxy->mapToSource(index)).id));
            if (m_proxy->hasChildren(index))
                parents.append(index);
        }
    }

    m_model->setCategories(m_appState->categoryRepository()->findAll());
    for (const QString& id : std::as_const(expanded))
        expandId(id);
}

QMenu* CategoriesScreen::createContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_tree->indexAt(pos);
    auto* menu = new QMenu(this);
    menu->addAction(tr("&New Category"), this, &CategoriesScreen::onCreateCategory);
    if (!index.isValid())
        return menu;
    // The row commands act on the current row: the one the menu was opened on.
    m_tree->setCurrentIndex(index);
    if (m_model->categoryForIndex(m_proxy->mapToSource(index)).parentId.isEmpty())
        menu->addAction(tr("Add &Subcategory"), this, &CategoriesScreen::onCreateSubcategory);
    menu->addSeparator();
    menu->addAction(tr("&Edit"), this, &CategoriesScreen::onEditCategory);
    menu->addAction(tr("&Delete"), this, &CategoriesScreen::onDeleteCategory);
    return menu;
}

void CategoriesScreen::onContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(createContextMenu(pos));
    menu->exec(m_tree->viewport()->mapToGlobal(pos));
}

void CategoriesScreen::onCreateCategory()
{
    createCategory(QString());
}

void CategoriesScreen::onCreateSubcategory()
{
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return;
    const Category category = m_model->categoryForIndex(m_proxy->mapToSource(current));
    if (category.parentId.isEmpty())
        createCategory(category.id);
}

void CategoriesScreen::createCategory(const QString& parentId)
{
    QString parentName;
    if (!parentId.isEmpty()) {
        if (const std::optional<Category> parent = m_appState->categoryRepository()->findById(parentId))
            parentName = parent->name;
    }
    CategoryFormDialog dialog(parentId, parentName, this);
    dialog.setExistingCategories(m_appState->categoryRepository()->findAll());
    followWhileOpen(&dialog);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;
    const Category category = dialog.category();
    if (category.name.isEmpty())
        return;
    const bool saved = m_appState->categoryRepository()->insert(category);
    reload();
    if (!category.parentId.isEmpty())
        expandId(category.parentId);
    warnIfNotSaved(saved, tr("Not Saved"), tr("The category \"%1\" could not be saved.").arg(category.name));
}

void CategoriesScreen::onEditCategory()
{
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return;
    const Category category = m_model->categoryForIndex(m_proxy->mapToSource(current));
    QString parentName;
    if (!category.parentId.isEmpty()) {
        // A deleted parent is still named.
        if (const std::optional<Category> parent = m_appState->categoryRepository()->findById(category.parentId))
            parentName = parent->name;
    }
    CategoryFormDialog dialog(category, parentName, this);
    dialog.setExistingCategories(m_appState->categoryRepository()->findAll());
    followWhileOpen(&dialog);
    while (MessageBoxes::exec(&dialog) == QDialog::Accepted) {
        const Category edited = dialog.category();
        if (edited.name.isEmpty())
            return;
        // An update of a row that is gone matches nothing and looks saved:
        // the form comes back with what was typed.
        const std::optional<Category> stored = m_appState->categoryRepository()->findById(edited.id);
        if (!stored || stored->deletedAt) {
            reload();
            MessageBoxes::warning(this, tr("Not Saved"), tr("This category no longer exists. Nothing was saved."));
            continue;
        }
        const bool saved = m_appState->categoryRepository()->update(edited);
        reload();
        warnIfNotSaved(saved, tr("Not Saved"), tr("The changes to \"%1\" could not be saved.").arg(category.name));
        return;
    }
}

void CategoriesScreen::onDeleteCategory()
{
    const QModelIndex current = m_tree->currentIndex();
    if (!current.isValid())
        return;
    const QModelIndex source = m_proxy->mapToSource(current.siblingAtColumn(CategoryTreeModel::NameColumn));
    const Category category = m_model->categoryForIndex(source);
    const QString question = CategoryTreeModel::deleteQuestion(category.name, m_model->rowCount(source) > 0);
    if (MessageBoxes::question(this, tr("Delete Category"), question) != QMessageBox::Yes)
        return;
    const bool deleted = m_appState->categoryRepository()->softDelete(category.id);
    reload();
    warnIfNotSaved(deleted, tr("Not Deleted"), tr("The category \"%1\" could not be deleted.").arg(category.name));
}

void CategoriesScreen::expandId(const QString& id)
{
    const QModelIndex index = m_proxy->mapFromSource(m_model->indexForId(id));
    if (index.isValid())
        m_tree->expand(index);
}

void CategoriesScreen::warnIfNotSaved(bool saved, const QString& title, const QString& text)
{
    if (!saved)
        MessageBoxes::warning(this, title, text);
}

void CategoriesScreen::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    // Read again rather than patched: the rows carry parent and account
    // ids as well as their own.
    if (table == QLatin1String("categories"))
        reload(renamed);
    else if (table == QLatin1String("accounts"))
        reload();
}

void CategoriesScreen::followWhileOpen(CategoryFormDialog* dialog)
{
    // The connection ends with the dialog.
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::idsRenamed, dialog, &CategoryFormDialog::followRenamedIds);
}
