#include "testsupport.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "services/categorytreemodel.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/categoryformdialog.h"
#include "ui/style.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTreeView>

#include <functional>
#include <memory>

namespace {

// "id:name:parentId;..." as categories; an "i" after a third colon makes it income.
QList<Category> categories(const QString& layout)
{
    QList<Category> list;
    for (const QString& item : layout.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(QLatin1Char(':'));
        Category c;
        c.id = parts.value(0);
        c.name = parts.value(1);
        c.parentId = parts.value(2);
        if (parts.value(3) == QLatin1String("i"))
            c.categoryType = CategoryType::Income;
        c.createdAt = c.updatedAt = QDateTime::currentDateTimeUtc();
        list.append(c);
    }
    return list;
}

// The rows a view shows, children in brackets; "+" marks an expanded row.
QString shown(const QAbstractItemModel* model, const QTreeView* view = nullptr, const QModelIndex& parent = {})
{
    QStringList rows;
    for (int row = 0; row < model->rowCount(parent); ++row) {
        const QModelIndex index = model->index(row, 0, parent);
        QString text = index.data().toString();
        if (model->hasChildren(index)) {
            if (view && view->isExpanded(index))
                text += QLatin1Char('+');
            text += QLatin1Char('[') + shown(model, view, index) + QLatin1Char(']');
        }
        rows.append(text);
    }
    return rows.join(QStringLiteral("; "));
}

} // namespace

class TestCategoriesScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void tree_data();
    void tree();
    void searchAndExpansion();
    void incomeReadable_data();
    void incomeReadable();
    void contextMenu_data();
    void contextMenu();
    void createAndDelete();
    void formKeepsType_data();
    void formKeepsType();
    void formFields();
    void renamedIdsAreFollowed_data();
    void renamedIdsAreFollowed();

private:
    void store(const QString& layout);
    QModelIndex row(const QString& id) const;

    AppState m_state;
    std::unique_ptr<CategoriesScreen> m_screen;
    std::function<void(CategoryFormDialog*)> m_fill;
    QStringList m_questions;
};

void TestCategoriesScreen::initTestCase()
{
    QVERIFY(m_state.initialize());
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_questions.append(r.title + QStringLiteral(": ") + r.text);
        return QMessageBox::Yes;
    });
    MessageBoxes::setDialogRunner([this](QDialog* dialog) {
        m_fill(qobject_cast<CategoryFormDialog*>(dialog));
        dialog->accept(); // which the form may refuse
        return dialog->result();
    });
}

void TestCategoriesScreen::init()
{
    m_screen.reset();
    TestSupport::exec(QStringLiteral("DELETE FROM categories"));
    m_questions.clear();
}

void TestCategoriesScreen::store(const QString& layout)
{
    for (const Category& c : categories(layout)) {
        if (!m_state.categoryRepository()->insert(c))
            qFatal("category insert failed");
    }
    m_screen = std::make_unique<CategoriesScreen>(&m_state);
    m_screen->resize(600, 500);
    m_screen->show();
    m_screen->reload();
}

QModelIndex TestCategoriesScreen::row(const QString& id) const
{
    return m_screen->proxy()->mapFromSource(m_screen->model()->indexForId(id));
}

void TestCategoriesScreen::tree_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("tree");
    QTest::newRow("by name, any case") << "f:Food:;g:Groceries:f;d:Dining:f;z:Zoo:;a:apple:"
                                       << "apple; Food[Dining; Groceries]; Zoo";
    QTest::newRow("own parent") << "s:Self:s;k:Kid:s" << "Self[Kid]";
    QTest::newRow("loop") << "a:A:b;b:B:a;c:C:a" << "A[C]; B";
    QTest::newRow("missing parent") << "x:Orphan:gone;y:Child:x" << "Orphan[Child]";
    QTest::newRow("same names") << "1:Dup:;2:Dup:" << "Dup; Dup";
}

void TestCategoriesScreen::tree()
{
    QFETCH(QString, layout);
    QFETCH(QString, tree);
    CategoryTreeModel model;
    QSortFilterProxyModel proxy;
    CategoryTreeModel::configureProxy(&proxy);
    proxy.setSourceModel(&model);
    proxy.sort(0);
    model.setCategories(categories(layout));
    QCOMPARE(shown(&proxy), tree);
    for (const Category& c : categories(layout))
        QCOMPARE(model.categoryForIndex(model.indexForId(c.id)).id, c.id);
}

void TestCategoriesScreen::searchAndExpansion()
{
    store(QStringLiteral("f:Food:;g:Groceries:f;h:Home:;r:Rent:h;s:Salary::i"));
    QTreeView* view = m_screen->tree();
    QAbstractItemModel* proxy = m_screen->proxy();
    QCOMPARE(row(QStringLiteral("s")).siblingAtColumn(1).data(Qt::ForegroundRole).value<QColor>(), positiveColor());
    QVERIFY(row(QStringLiteral("h")).data(Qt::FontRole).value<QFont>().bold());

    view->expand(row(QStringLiteral("h")));
    m_state.categoryRepository()->insert(categories(QStringLiteral("w:Water:h")).first());
    m_screen->reload();
    QCOMPARE(shown(proxy, view), QStringLiteral("Food[Groceries]; Home+[Rent; Water]; Salary"));

    m_screen->searchField()->setText(QStringLiteral("GROC"));
    QCOMPARE(shown(proxy, view), QStringLiteral("Food+[Groceries]"));
    m_screen->reload();
    QCOMPARE(shown(proxy, view), QStringLiteral("Food+[Groceries]"));
    m_screen->searchField()->clear();
    QCOMPARE(shown(proxy, view), QStringLiteral("Food[Groceries]; Home[Rent; Water]; Salary"));
}

void TestCategoriesScreen::incomeReadable_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("light to dark") << "light" << "dark";
    QTest::newRow("dark to light") << "dark" << "light";
}

// "income" reads at 4.5:1 on both row colours of the tree in either theme,
// and follows a switch while the window is open; other types keep the
// text colour.
void TestCategoriesScreen::incomeReadable()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    ThemeManager* theme = m_state.themeManager();
    const QString before = m_state.preferences()->valueOr(QStringLiteral("theme"), QStringLiteral("system"));
    theme->setThemeName(from);
    store(QStringLiteral("s:Salary::i;f:Food:"));
    for (const QString& name : {from, to}) {
        theme->setThemeName(name);
        QCOMPARE(isDarkPalette(), name == QLatin1String("dark"));
        QCoreApplication::processEvents(); // the tree takes the new palette
        const QColor shown = row(QStringLiteral("s")).siblingAtColumn(1).data(Qt::ForegroundRole).value<QColor>();
        const QPalette palette = m_screen->tree()->palette();
        for (const QPalette::ColorRole background : {QPalette::Base, QPalette::AlternateBase}) {
            const QColor behind = palette.color(background);
            QVERIFY2(contrastRatio(shown, behind) >= 4.5,
                     qPrintable(QStringLiteral("%1 %2 on %3: %4:1")
                                    .arg(name, shown.name(), behind.name())
                                    .arg(contrastRatio(shown, behind), 0, 'f', 1)));
        }
        QVERIFY(!row(QStringLiteral("f")).siblingAtColumn(1).data(Qt::ForegroundRole).isValid());
    }
    theme->setThemeName(before);
}

void TestCategoriesScreen::contextMenu_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("entries");
    QTest::newRow("empty space") << "" << "&New Category";
    QTest::newRow("top level") << "f" << "&New Category|Add &Subcategory|&Edit|&Delete";
    QTest::newRow("subcategory") << "g" << "&New Category|&Edit|&Delete";
}

void TestCategoriesScreen::contextMenu()
{
    QFETCH(QString, id);
    QFETCH(QString, entries);
    store(QStringLiteral("f:Food:;g:Groceries:f"));
    m_screen->tree()->expandAll();
    const QPoint pos = id.isEmpty() ? QPoint(5, m_screen->tree()->viewport()->height() - 5)
                                    : m_screen->tree()->visualRect(row(id)).center();
    const std::unique_ptr<QMenu> menu(m_screen->createContextMenu(pos));
    QStringList texts;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            texts.append(action->text());
    }
    QCOMPARE(texts.join(QLatin1Char('|')), entries);

    // The subcategory command does nothing on a subcategory.
    m_fill = [](CategoryFormDialog*) { QFAIL("no form expected"); };
    if (id == QLatin1String("g"))
        m_screen->onCreateSubcategory();
}

void TestCategoriesScreen::createAndDelete()
{
    store(QStringLiteral("f:Food:;g:Groceries:f"));
    QTreeView* view = m_screen->tree();
    view->setCurrentIndex(row(QStringLiteral("f")));
    m_fill = [](CategoryFormDialog* dialog) {
        QCOMPARE(dialog->windowTitle(), QStringLiteral("New Subcategory"));
        dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("  Dining "));
    };
    m_screen->onCreateSubcategory();
    QCOMPARE(shown(m_screen->proxy(), view), QStringLiteral("Food+[Dining; Groceries]"));

    // The same name again under the same parent, in another letter case.
    view->setCurrentIndex(row(QStringLiteral("f")));
    m_fill = [](CategoryFormDialog* dialog) {
        dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"))->setText(QStringLiteral("groceries "));
    };
    m_screen->onCreateSubcategory();
    QCOMPARE(m_questions, QStringList{QStringLiteral("New Subcategory: A category named \"groceries\" already "
                                                     "exists here. Choose another name.")});
    QCOMPARE(shown(m_screen->proxy(), view), QStringLiteral("Food+[Dining; Groceries]"));
    m_questions.clear();

    view->setCurrentIndex(row(QStringLiteral("f")));
    m_screen->onDeleteCategory();
    QCOMPARE(m_questions,
             QStringList{QStringLiteral("Delete Category: Delete \"Food\"? It will no longer be offered for new "
                                        "entries. Transactions and recurring transactions that use it keep it, and "
                                        "the register still shows its name. Its subcategories move to the top "
                                        "level.")});
    QCOMPARE(shown(m_screen->proxy(), view), QStringLiteral("Dining; Groceries"));
}

void TestCategoriesScreen::formKeepsType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("items");
    QTest::newRow("expense") << int(CategoryType::Expense) << 2;
    QTest::newRow("income") << int(CategoryType::Income) << 2;
    QTest::newRow("transfer") << int(CategoryType::Transfer) << 3;
}

void TestCategoriesScreen::formKeepsType()
{
    QFETCH(int, type);
    QFETCH(int, items);
    Category category = categories(QStringLiteral("t:Moves:")).first();
    category.categoryType = CategoryType(type);
    CategoryFormDialog dialog(category, QString());
    QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("typeCombo"))->count(), items);
    QCOMPARE(dialog.category().categoryType, CategoryType(type));
}

void TestCategoriesScreen::formFields()
{
    CategoryFormDialog form(QStringLiteral("p"), QString());
    QCOMPARE(form.windowTitle(), QStringLiteral("New Subcategory"));
    QVERIFY(!form.findChild<QLabel*>(QStringLiteral("parentLabel")));
    auto* name = form.findChild<QLineEdit*>(QStringLiteral("nameEdit"));
    QPushButton* ok = form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    name->setText(QStringLiteral("   "));
    QVERIFY(!ok->isEnabled());
    name->setText(QStringLiteral(" Gifts "));
    QVERIFY(ok->isEnabled());

    auto* taxRelevant = form.findChild<QCheckBox*>(QStringLiteral("taxRelevantCheck"));
    auto* taxCode = form.findChild<QLineEdit*>(QStringLiteral("taxCodeEdit"));
    QVERIFY(!taxCode->isEnabled());
    taxRelevant->setChecked(true);
    taxCode->setText(QStringLiteral(" charitable_contributions "));
    const Category checked = form.category();
    QCOMPARE(checked.name, QStringLiteral("Gifts"));
    QCOMPARE(checked.parentId, QStringLiteral("p"));
    QCOMPARE(checked.taxCategory, QStringLiteral("charitable_contributions"));
    QVERIFY(checked.id != form.category().id);
    taxRelevant->setChecked(false);
    QCOMPARE(form.category().taxCategory, QString());

    // Editing keeps identity and version and marks the row for sync.
    Category stored = checked;
    stored.version = 4;
    stored.syncStatus = SyncStatus::Synced;
    const Category edited = CategoryFormDialog(stored, QStringLiteral("Parent")).category();
    QCOMPARE(edited.id, stored.id);
    QCOMPARE(edited.createdAt, stored.createdAt);
    QCOMPARE(edited.version, 4);
    QCOMPARE(edited.syncStatus, SyncStatus::Pending);
    QCOMPARE(edited.taxCategory, QStringLiteral("charitable_contributions"));
}

void TestCategoriesScreen::renamedIdsAreFollowed_data()
{
    QTest::addColumn<QString>("change"); // SQL run before the command, or with ">" while its form is open
    QTest::addColumn<QString>("typed"); // Groceries' new name; "+name" adds a subcategory to Food
    QTest::addColumn<QString>("result"); // name:parent of each subcategory | the form's name at each run | boxes
    const QString ids = "UPDATE categories SET id = upper(id) || 2, parent_id = upper(parent_id) || 2";
    QTest::newRow("window") << ids << "Market" << "Market:F2|Groceries";
    QTest::newRow("form") << ">" + ids << "Market" << "Market:F2|Groceries";
    QTest::newRow("new") << ">" + ids << "+Dining" << "Groceries:F2,Dining:F2|";
    QTest::newRow("name taken") << ">" + ids << "+groceries"
                                << "Groceries:F2||New Subcategory: A category named \"groceries\" already exists "
                                   "here. Choose another name.";
    QTest::newRow("deleted") << ">DELETE FROM categories WHERE id = 'g'" << "Market"
                             << "|Groceries|Market|Not Saved: This category no longer exists. Nothing was saved.";
    QTest::newRow("deleted elsewhere") << ">UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = 'g'"
                                       << "Market" << "Groceries:f|Groceries|Market|Not Saved: This category no "
                                                      "longer exists. Nothing was saved.";
}

// A sync repair renames Food and Groceries under the window or an open
// form: what the user saves lands on the renamed rows.
void TestCategoriesScreen::renamedIdsAreFollowed()
{
    QFETCH(QString, change);
    QFETCH(QString, typed);
    QFETCH(QString, result);
    store(QStringLiteral("f:Food:;g:Groceries:f"));
    m_screen->tree()->expandAll();
    const bool whileOpen = change.startsWith(QLatin1Char('>'));
    const auto sync = [&] {
        TestSupport::exec(change.mid(whileOpen ? 1 : 0));
        if (change.contains(QLatin1String("SET id")))
            emit m_state.syncEngine()->idsRenamed(QStringLiteral("categories"), {{"f", "F2"}, {"g", "G2"}});
    };
    if (!whileOpen)
        sync();
    const bool add = typed.startsWith(QLatin1Char('+'));
    const QModelIndex food = m_screen->proxy()->index(0, 0);
    QVERIFY(m_screen->tree()->isExpanded(food));
    m_screen->tree()->setCurrentIndex(add ? food : m_screen->proxy()->index(0, 0, food));
    QStringList runs;
    m_fill = [&](CategoryFormDialog* dialog) {
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("nameEdit"));
        runs.append(name->text());
        if (whileOpen && runs.size() == 1)
            sync();
        // Blank when the form comes back: that run stores nothing.
        name->setText(runs.size() == 1 ? typed.mid(add ? 1 : 0) : QString());
    };
    add ? m_screen->onCreateSubcategory() : m_screen->onEditCategory();
    const QVariant stored =
        TestSupport::scalar(QStringLiteral("SELECT group_concat(name || ':' || parent_id) FROM categories"));
    QCOMPARE((QStringList{stored.toString()} + runs + m_questions).join(QLatin1Char('|')), result);
}

TALLYLEAF_TEST_MAIN(TestCategoriesScreen)
#include "tst_categoriesscreen.moc"
