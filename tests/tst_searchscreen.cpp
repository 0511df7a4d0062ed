#include "testsupport.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/register/registermodel.h"
#include "ui/screens/searchscreen.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>

#include <functional>
#include <memory>

using TestSupport::exec;
using TestSupport::scalar;

namespace {

const QDateTime kStamp(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

} // namespace

class TestSearchScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void search_data();
    void search();
    void typingWaitsForAPause();
    void reopening();
    void contextMenu_data();
    void contextMenu();
    void actionsUseTheStoredRow();
    void goneRowIsRefused();

private:
    // Payee, account, day of March 2024, flags "c" cleared, "r" reconciled,
    // "s" split, "f" category food.
    void add(const QString& id, const QString& payee, const QString& account, int day,
             const QString& flags = QString());
    QStringList shownPayees() const;
    int rowOf(const QString& id) const;

    AppState m_state;
    std::unique_ptr<SearchScreen> m_screen;
    QStringList m_boxes;
    std::function<int(QDialog*)> m_dialog;
};

void TestSearchScreen::initTestCase()
{
    QVERIFY(m_state.initialize());
    exec(QStringLiteral("INSERT INTO accounts (id, name, sort_order, created_at, updated_at) VALUES "
                        "('a1', 'Checking', 0, 'x', 'x'), ('a2', 'Savings', 1, 'x', 'x')"));
    exec(QStringLiteral("DELETE FROM categories"));
    exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                        "('food', 'Food', NULL, 'x', 'x'), ('groc', 'Groceries', 'food', 'x', 'x')"));
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r.title + QStringLiteral(": ") + r.text);
        return QMessageBox::Ok;
    });
    MessageBoxes::setDialogRunner([this](QDialog* dialog) { return m_dialog ? m_dialog(dialog) : 0; });
}

void TestSearchScreen::init()
{
    exec(QStringLiteral("DELETE FROM transactions"));
    m_boxes.clear();
    m_dialog = nullptr;
    add(QStringLiteral("t1"), QStringLiteral("Corner Grocer"), QStringLiteral("a1"), 1, QStringLiteral("cf"));
    add(QStringLiteral("t2"), QStringLiteral("Shell"), QStringLiteral("a2"), 5);
    add(QStringLiteral("t3"), QStringLiteral("Grocery Outlet"), QStringLiteral("a2"), 9, QStringLiteral("cr"));
    add(QStringLiteral("t4"), QStringLiteral("Library"), QStringLiteral("a1"), 12, QStringLiteral("s"));
    m_screen = std::make_unique<SearchScreen>(&m_state);
    m_screen->resize(800, 550);
    m_screen->show();
    m_screen->refreshFilters();
}

void TestSearchScreen::add(const QString& id, const QString& payee, const QString& account, int day,
                           const QString& flags)
{
    Transaction t;
    t.id = id;
    t.accountId = account;
    t.date = QDate(2024, 3, day);
    t.payee = payee;
    t.amount = -1250;
    t.cleared = flags.contains(QLatin1Char('c'));
    t.reconciled = flags.contains(QLatin1Char('r'));
    t.isSplit = flags.contains(QLatin1Char('s'));
    if (flags.contains(QLatin1Char('f')))
        t.categoryId = QStringLiteral("food");
    t.createdAt = t.updatedAt = kStamp;
    QVERIFY(m_state.transactionRepository()->insert(t));
}

QStringList TestSearchScreen::shownPayees() const
{
    QStringList payees;
    const RegisterModel* model = m_screen->resultsModel();
    for (int row = 0; row < model->rowCount(); ++row)
        payees << model->index(row, RegisterModel::PayeeColumn).data().toString();
    return payees;
}

int TestSearchScreen::rowOf(const QString& id) const
{
    const RegisterModel* model = m_screen->resultsModel();
    for (int row = 0; row < model->rowCount(); ++row) {
        if (model->entryAt(row).id == id)
            return row;
    }
    return -1;
}

void TestSearchScreen::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("account"); // combo index
    QTest::addColumn<int>("category");
    QTest::addColumn<QDate>("from"); // invalid: range not checked
    QTest::addColumn<QDate>("to");
    QTest::addColumn<bool>("clearedOnly");
    QTest::addColumn<QStringList>("shown");
    const QDate none;
    const QStringList all{"Corner Grocer", "Shell", "Grocery Outlet", "Library"};
    QTest::newRow("empty: all, oldest first") << "" << 0 << 0 << none << none << false << all;
    QTest::newRow("punctuation only") << " -#- " << 0 << 0 << none << none << false << all;
    QTest::newRow("word prefix") << " groc " << 0 << 0 << none << none << false
                                 << QStringList{"Corner Grocer", "Grocery Outlet"};
    QTest::newRow("account") << "" << 2 << 0 << none << none << false << QStringList{"Shell", "Grocery Outlet"};
    QTest::newRow("own category only") << "" << 0 << 1 << none << none << false << QStringList{"Corner Grocer"};
    QTest::newRow("cleared only") << "" << 0 << 0 << none << none << true
                                  << QStringList{"Corner Grocer", "Grocery Outlet"};
    QTest::newRow("date range, both ends in") << "" << 0 << 0 << QDate(2024, 3, 5) << QDate(2024, 3, 9) << false
                                              << QStringList{"Shell", "Grocery Outlet"};
    QTest::newRow("from after to") << "" << 0 << 0 << QDate(2024, 3, 9) << QDate(2024, 3, 5) << false
                                   << QStringList{};
    QTest::newRow("everything") << "gro" << 2 << 0 << QDate(2024, 3, 1) << QDate(2024, 3, 31) << true
                                << QStringList{"Grocery Outlet"};
}

void TestSearchScreen::search()
{
    QFETCH(QString, text);
    QFETCH(int, account);
    QFETCH(int, category);
    QFETCH(QDate, from);
    QFETCH(QDate, to);
    QFETCH(bool, clearedOnly);
    QFETCH(QStringList, shown);
    // Each change searches by itself; only the typed text waits.
    m_screen->fromDateEdit()->setDate(from.isValid() ? from : QDate(2024, 3, 20));
    m_screen->toDateEdit()->setDate(to.isValid() ? to : QDate(2024, 3, 2));
    QCOMPARE(shownPayees().size(), 4); // dates ignored while the range is off
    m_screen->dateRangeCheck()->setChecked(from.isValid());
    QCOMPARE(m_screen->fromDateEdit()->isEnabled(), from.isValid());
    m_screen->accountFilter()->setCurrentIndex(account);
    m_screen->categoryFilter()->setCurrentIndex(category);
    m_screen->clearedOnlyCheck()->setChecked(clearedOnly);
    m_screen->searchField()->setText(text);
    m_screen->debounceTimer()->stop();
    m_screen->performSearch();
    QCOMPARE(shownPayees(), shown);
}

void TestSearchScreen::typingWaitsForAPause()
{
    QTimer* timer = m_screen->debounceTimer();
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 300);
    m_screen->searchField()->setText(QStringLiteral("shell"));
    QVERIFY(timer->isActive());
    QCOMPARE(shownPayees().size(), 4);
    QTRY_COMPARE(shownPayees(), QStringList{"Shell"});

    // At most 200, the newest, still shown oldest first.
    QVERIFY(m_state.database()->database().transaction());
    for (int i = 0; i < 230; ++i)
        add(QStringLiteral("n%1").arg(i), QStringLiteral("Shell"), QStringLiteral("a1"), 14 + i % 10);
    QVERIFY(m_state.database()->database().commit());
    m_screen->performSearch();
    const QStringList payees = shownPayees();
    QCOMPARE(payees.size(), 200);
    const RegisterModel* model = m_screen->resultsModel();
    QCOMPARE(model->entryAt(0).date, QDate(2024, 3, 15));
    QCOMPARE(model->entryAt(199).date, QDate(2024, 3, 23));
}

void TestSearchScreen::reopening()
{
    m_screen->searchField()->setText(QStringLiteral("shell"));
    m_screen->accountFilter()->setCurrentIndex(2);
    m_screen->categoryFilter()->setCurrentIndex(2);
    QCOMPARE(m_screen->categoryFilter()->itemText(2), QStringLiteral("Groceries")); // own name, not the path
    exec(QStringLiteral("INSERT INTO accounts (id, name, sort_order, created_at, updated_at) "
                        "VALUES ('a3', 'Cash', 2, 'x', 'x')"));

    m_screen->refreshFilters();
    m_screen->focusSearchField();

    QCOMPARE(m_screen->accountFilter()->currentIndex(), 0);
    QCOMPARE(m_screen->categoryFilter()->currentIndex(), 0);
    QCOMPARE(m_screen->accountFilter()->count(), 4);
    QCOMPARE(m_screen->accountFilter()->itemData(3).toString(), QStringLiteral("a3"));
    QCOMPARE(m_screen->searchField()->selectedText(), QStringLiteral("shell"));
    QCOMPARE(shownPayees(), QStringList{"Shell"});
    exec(QStringLiteral("DELETE FROM accounts WHERE id = 'a3'"));

    // A sync repair renames the chosen account and category: the choice stays and finds their rows.
    m_screen->searchField()->clear();
    m_screen->accountFilter()->setCurrentIndex(1); // Checking
    m_screen->categoryFilter()->setCurrentIndex(1); // Food
    exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    exec(QStringLiteral("UPDATE transactions SET account_id = 'a9', category_id = 'f9' WHERE id = 't1'"));
    exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    emit m_state.syncEngine()->idsRenamed(QStringLiteral("accounts"), {{"a1", "a9"}});
    emit m_state.syncEngine()->idsRenamed(QStringLiteral("categories"), {{"food", "f9"}});
    m_screen->performSearch();
    QCOMPARE(shownPayees(), QStringList{"Corner Grocer"});
}

void TestSearchScreen::contextMenu_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("uncleared") << "t2"
                               << QStringList{"Show &Details...", "&Split Transaction...", "&Edit in Dialog...",
                                              "D&uplicate...", "Mark &Cleared", "", "&Delete..."};
    QTest::newRow("cleared") << "t1"
                             << QStringList{"Show &Details...", "&Split Transaction...", "&Edit in Dialog...",
                                            "D&uplicate...", "Mark &Uncleared", "", "&Delete..."};
    QTest::newRow("reconciled") << "t3"
                                << QStringList{"Show &Details...", "&Split Transaction...", "&Edit in Dialog...",
                                               "D&uplicate...", "", "&Delete..."};
    QTest::newRow("split") << "t4"
                           << QStringList{"Show &Details...", "Edit &Splits...", "&Edit in Dialog...",
                                          "D&uplicate...", "Mark &Cleared", "", "&Delete..."};
}

void TestSearchScreen::contextMenu()
{
    QFETCH(QString, id);
    QFETCH(QStringList, entries);
    QTableView* view = m_screen->resultsView();
    const QRect cell = view->visualRect(m_screen->resultsModel()->index(rowOf(id), RegisterModel::PayeeColumn));
    const std::unique_ptr<QMenu> menu(m_screen->createContextMenu(cell.center()));
    QVERIFY(menu);
    QStringList texts;
    for (const QAction* action : menu->actions())
        texts << action->text();
    QCOMPARE(texts, entries);
    // Below the last row there is no menu.
    QVERIFY(!m_screen->createContextMenu(QPoint(cell.center().x(), view->viewport()->height() - 2)));
}

void TestSearchScreen::actionsUseTheStoredRow()
{
    const int row = rowOf(QStringLiteral("t2"));
    QTableView* view = m_screen->resultsView();
    const QPoint at = view->visualRect(m_screen->resultsModel()->index(row, RegisterModel::PayeeColumn)).center();
    const std::unique_ptr<QMenu> menu(m_screen->createContextMenu(at));

    // Edited elsewhere after the results were shown; the menu still holds
    // the row as it was.
    Transaction elsewhere = m_state.transactionRepository()->findById(QStringLiteral("t2")).value();
    elsewhere.memo = QStringLiteral("changed meanwhile");
    elsewhere.reconciled = true;
    QVERIFY(m_state.transactionRepository()->update(elsewhere));
    // Searches replacing the rows do not move the menu's commands to
    // another row.
    m_screen->searchField()->setText(QStringLiteral("library"));
    m_screen->performSearch();

    menu->actions().at(4)->trigger(); // Mark Cleared
    const Transaction stored = m_state.transactionRepository()->findById(QStringLiteral("t2")).value();
    QVERIFY(!stored.cleared); // now reconciled: refused, nothing written
    QCOMPARE(stored.memo, QStringLiteral("changed meanwhile"));
    elsewhere.reconciled = false;
    QVERIFY(m_state.transactionRepository()->update(elsewhere));
    menu->actions().at(4)->trigger();
    const Transaction cleared = m_state.transactionRepository()->findById(QStringLiteral("t2")).value();
    QVERIFY(cleared.cleared);
    QCOMPARE(cleared.memo, QStringLiteral("changed meanwhile"));

    // The edit dialog opens on the stored row; a double-click announces it first.
    m_screen->searchField()->clear();
    m_screen->performSearch();
    elsewhere = cleared;
    elsewhere.payee = QStringLiteral("Shell Oil");
    QVERIFY(m_state.transactionRepository()->update(elsewhere));
    QString formPayee;
    m_dialog = [&formPayee](QDialog* dialog) {
        if (auto* form = qobject_cast<TransactionFormDialog*>(dialog))
            formPayee = form->transaction().payee;
        return int(QDialog::Rejected);
    };
    QSignalSpy requested(m_screen.get(), &SearchScreen::editTransactionRequested);
    const QModelIndex index = m_screen->resultsModel()->index(rowOf(QStringLiteral("t2")), 0);
    emit m_screen->resultsView()->doubleClicked(index);
    QCOMPARE(requested.count(), 1);
    QCOMPARE(requested.first().first().toString(), QStringLiteral("t2"));
    QCOMPARE(formPayee, QStringLiteral("Shell Oil"));
}

void TestSearchScreen::goneRowIsRefused()
{
    const int row = rowOf(QStringLiteral("t2"));
    QVERIFY(m_state.transactionRepository()->softDelete(QStringLiteral("t2")));
    bool ran = false;
    m_screen->applyToRow(row, [&ran](const Transaction&) { return ran = true; });
    QVERIFY(!ran);
    QCOMPARE(m_boxes, QStringList{"Search Transactions: This transaction no longer exists."});
    QCOMPARE(rowOf(QStringLiteral("t2")), -1); // searched again
    m_screen->applyToRow(m_screen->resultsModel()->rowCount(), [&ran](const Transaction&) { return ran = true; });
    QVERIFY(!ran);
}

TALLYLEAF_TEST_MAIN(TestSearchScreen)
#include "tst_searchscreen.moc"
