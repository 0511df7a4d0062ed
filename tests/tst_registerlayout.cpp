#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QMenu>
#include <QScopeGuard>
#include <QSettings>
#include <QTimer>

#include <memory>

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
const QList<int> kDefaultWidths{130, 60, 250, 180, 180, 100, 100, 35, 110};

// One line per menu entry: "-" for a separator, else the text, the shown
// shortcut in brackets, "checked" and "off" where they apply.
QStringList describe(const QMenu* menu)
{
    QStringList lines;
    for (const QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            lines << (action->text().isEmpty() ? QStringLiteral("-") : QStringLiteral("== %1").arg(action->text()));
            continue;
        }
        QString line = action->text();
        if (!action->shortcut().isEmpty())
            line += QStringLiteral(" [%1]").arg(action->shortcut().toString(QKeySequence::PortableText));
        if (action->isChecked())
            line += QStringLiteral(" checked");
        if (!action->isEnabled())
            line += QStringLiteral(" off");
        lines << line;
    }
    return lines;
}

QAction* findAction(const QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

class TestRegisterLayout : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void restoredLayout_data();
    void restoredLayout();
    void restoredSort_data();
    void restoredSort();
    void newestFirstHook();
    void widthSaver();
    void hiddenColumnComesBackWide();
    void reset_data();
    void reset();
    void resetKeepsTwoLineMode();
    void headerMenu_data();
    void headerMenu();
    void rowMenu_data();
    void rowMenu();
    void rowMenuActions();
    void menusOpenAtTheClick();
    void hidingTheEditedColumn();
    void payeeTakesFreeWidth_data();
    void payeeTakesFreeWidth();

private:
    void recreate();
    void addTransactions();
    int rowOf(const QString& suffix) const;
    int openingRow() const;
    QHeaderView* header() const { return m_screen->tableView()->horizontalHeader(); }
    RegisterModel* model() const { return m_screen->registerModel(); }
    PreferencesRepository* preferences() const { return m_state->preferences(); }

    AppState* m_state = nullptr;
    RegisterScreen* m_screen = nullptr;
    QString m_account;
};

void TestRegisterLayout::initTestCase()
{
    m_state = TestSupport::startRegisterSuite();
    QVERIFY(m_state);

    Account a;
    a.id = QStringLiteral("acc");
    a.name = QStringLiteral("Checking");
    a.startingBalance = 10000;
    a.createdAt = a.updatedAt = kCreated;
    QVERIFY(m_state->accountRepository()->insert(a));
    m_account = a.id;
    addTransactions();
}

void TestRegisterLayout::cleanupTestCase()
{
    TestSupport::endRegisterSuite(m_state);
}

void TestRegisterLayout::init()
{
    QSettings().remove(QStringLiteral("register"));
    for (const char* key : {"registerNewestFirst", "registerTwoLine", "registerShowBalance"})
        preferences()->remove(QLatin1String(key));
    recreate();
}

void TestRegisterLayout::cleanup()
{
    delete m_screen;
    m_screen = nullptr;
    MessageBoxes::setPresenter({});
    MessageBoxes::setDialogRunner({});
    fontScalePercentRef() = 100;
}

void TestRegisterLayout::recreate()
{
    delete m_screen;
    m_screen = TestSupport::showRegister(m_state, {1400, 500});
    QVERIFY(QTest::qWaitForWindowExposed(m_screen));
}

void TestRegisterLayout::addTransactions()
{
    struct Row
    {
        const char* suffix;
        int day;
        qint64 amount;
        bool cleared;
        bool reconciled;
        bool split;
    };
    const Row rows[] = {
        {"-plain", 2, -1500, false, false, false},
        {"-split", 3, -4200, false, false, true},
        {"-cleared", 4, 2500, true, false, false},
        {"-reconciled", 5, -700, true, true, false},
    };
    for (const Row& row : rows) {
        Transaction t;
        t.id = m_account + QLatin1String(row.suffix);
        t.accountId = m_account;
        t.date = QDate(2024, 3, row.day);
        t.payee = QStringLiteral("Payee") + QLatin1String(row.suffix);
        t.amount = row.amount;
        t.cleared = row.cleared;
        t.reconciled = row.reconciled;
        t.isSplit = row.split;
        t.createdAt = t.updatedAt = kCreated;
        QVERIFY(m_state->transactionRepository()->insert(t));
    }
}

int TestRegisterLayout::rowOf(const QString& suffix) const
{
    return m_screen->rowOfTransaction(m_account + suffix);
}

int TestRegisterLayout::openingRow() const
{
    for (int r = 0; r < model()->rowCount(); ++r) {
        const RegisterRow* row = model()->tryEntryAt(r);
        if (row && row->id.isEmpty())
            return r;
    }
    return -1;
}

void TestRegisterLayout::restoredLayout_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<bool>("showBalance");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<QList<bool>>("hidden");

    const QList<bool> none(9, false);
    QTest::newRow("scale 125") << 125 << QVariantMap() << true << QList<int>{162, 75, 312, 225, 225, 125, 125, 43, 137}
                               << none;
    QTest::newRow("scale 90 unscaled") << 90 << QVariantMap() << true << kDefaultWidths << none;
    // Widths narrower than a section may be (the 0 an older version kept for
    // a hidden column) or not numbers give the scaled default.
    QTest::newRow("stored widths")
        << 125
        << QVariantMap{{"register/colWidth/2", 400}, {"register/colWidth/3", "wide"}, {"register/colWidth/4", 0},
                       {"register/colWidth/5", 23}, {"register/colWidth/6", 24}, {"register/colWidth/7", -5}}
        << true << QList<int>{162, 75, 400, 225, 225, 125, 24, 43, 137} << none;
    // Date is always shown; Balance follows its preference only.
    QTest::newRow("stored hidden, balance shown")
        << 100
        << QVariantMap{{"register/colHidden/0", true}, {"register/colHidden/8", true}, {"register/colHidden/1", true}}
        << true << kDefaultWidths << QList<bool>{false, true, false, false, false, false, false, false, false};
    QTest::newRow("balance preference off") << 100 << QVariantMap{{"register/colHidden/8", false}} << false
                                            << kDefaultWidths
                                            << QList<bool>{false, false, false, false, false, false, false, false, true};
}

void TestRegisterLayout::restoredLayout()
{
    QFETCH(int, scale);
    QFETCH(QVariantMap, stored);
    QFETCH(bool, showBalance);
    QFETCH(QList<int>, widths);
    QFETCH(QList<bool>, hidden);

    fontScalePercentRef() = scale;
    preferences()->setBool(QStringLiteral("registerShowBalance"), showBalance);
    QSettings settings;
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        settings.setValue(it.key(), it.value());
    recreate();
    for (int c = 0; c < 9; ++c) {
        QCOMPARE(header()->isSectionHidden(c), hidden.at(c));
        // Payee takes the width the others leave.
        if (!hidden.at(c) && c != RegisterModel::PayeeColumn)
            QCOMPARE(header()->sectionSize(c), widths.at(c));
    }
    // The program's own resizes are not kept as the user's.
    settings.sync();
    for (int c = 0; c < 9; ++c) {
        if (!stored.contains(QStringLiteral("register/colWidth/%1").arg(c)))
            QVERIFY(!settings.contains(QStringLiteral("register/colWidth/%1").arg(c)));
    }
}

void TestRegisterLayout::restoredSort_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");

    QTest::newRow("first start") << false << QVariantMap() << 0 << 0;
    QTest::newRow("first start, newest first") << true << QVariantMap() << 0 << 1;
    QTest::newRow("stored wins over newest first")
        << true << QVariantMap{{"register/sortColumn", 2}, {"register/sortOrder", 1}} << 2 << 1;
    QTest::newRow("order missing") << true << QVariantMap{{"register/sortColumn", 5}} << 5 << 0;
    QTest::newRow("column out of range") << false << QVariantMap{{"register/sortColumn", 9}, {"register/sortOrder", 1}}
                                         << 0 << 1;
    QTest::newRow("column not a number") << false << QVariantMap{{"register/sortColumn", "payee"}} << 0 << 0;
}

void TestRegisterLayout::restoredSort()
{
    QFETCH(bool, newestFirst);
    QFETCH(QVariantMap, stored);
    QFETCH(int, column);
    QFETCH(int, order);

    preferences()->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
    QSettings settings;
    // The screen of init() has just stored the sort that preference asks for.
    settings.remove(QStringLiteral("register"));
    for (auto it = stored.cbegin(); it != stored.cend(); ++it)
        settings.setValue(it.key(), it.value());
    recreate();
    QCOMPARE(model()->sortColumn, column);
    QCOMPARE(int(model()->sortOrder), order);
    QCOMPARE(header()->sortIndicatorSection(), column);
    QCOMPARE(int(header()->sortIndicatorOrder()), order);
    // Written back, so the store holds the sort from the first run on.
    QCOMPARE(settings.value(QStringLiteral("register/sortColumn")).toInt(), column);
    QCOMPARE(settings.value(QStringLiteral("register/sortOrder")).toInt(), order);
}

void TestRegisterLayout::newestFirstHook()
{
    m_screen->setAccount(m_account);
    m_screen->tableView()->sortByColumn(RegisterModel::PayeeColumn, Qt::AscendingOrder);
    QSettings settings;
    QCOMPARE(settings.value(QStringLiteral("register/sortColumn")).toInt(), 2);

    // Other preferences leave the sort alone.
    preferences()->setBool(QStringLiteral("registerTwoLine"), false);
    QCOMPARE(model()->sortColumn, 2);

    preferences()->setBool(QStringLiteral("registerNewestFirst"), true);
    QCOMPARE(model()->sortColumn, 0);
    QCOMPARE(model()->sortOrder, Qt::DescendingOrder);
    QCOMPARE(model()->entryRowIndex(), 0);
    QCOMPARE(settings.value(QStringLiteral("register/sortColumn")).toInt(), 0);
    QCOMPARE(settings.value(QStringLiteral("register/sortOrder")).toInt(), 1);

    preferences()->setBool(QStringLiteral("registerNewestFirst"), false);
    QCOMPARE(model()->sortOrder, Qt::AscendingOrder);
    QCOMPARE(settings.value(QStringLiteral("register/sortOrder")).toInt(), 0);
}

void TestRegisterLayout::widthSaver()
{
    QSettings settings;
    header()->resizeSection(RegisterModel::DateColumn, 141);
    QCOMPARE(settings.value(QStringLiteral("register/colWidth/0")).toInt(), 141);
    // The stretched Payee column follows the window, not the user.
    m_screen->resize(1500, 500);
    QTRY_VERIFY(header()->sectionSize(RegisterModel::PayeeColumn) > 300);
    QVERIFY(!settings.contains(QStringLiteral("register/colWidth/2")));

    // Hiding reports a width of 0, which is not kept.
    header()->resizeSection(RegisterModel::CategoryColumn, 190);
    m_screen->tableView()->setColumnHidden(RegisterModel::CategoryColumn, true);
    QCOMPARE(settings.value(QStringLiteral("register/colWidth/3")).toInt(), 190);
    m_screen->setTwoLineMode(true);
    QVERIFY(!settings.contains(QStringLiteral("register/colWidth/4")));
}

void TestRegisterLayout::hiddenColumnComesBackWide()
{
    m_screen->setAccount(m_account);
    std::unique_ptr<QMenu> menu(m_screen->createHeaderMenu());
    findAction(menu.get(), QStringLiteral("Balance"))->trigger();
    QCOMPARE(preferences()->boolValue(QStringLiteral("registerShowBalance"), true), false);
    m_screen->reload(); // what the main window does on that preference
    QVERIFY(header()->isSectionHidden(RegisterModel::BalanceColumn));
    findAction(menu.get(), QStringLiteral("Chk #"))->trigger();
    QVERIFY(header()->isSectionHidden(RegisterModel::CheckNumberColumn));
    QCOMPARE(QSettings().value(QStringLiteral("register/colHidden/1")).toBool(), true);

    menu.reset(); // a child of the screen
    recreate();
    m_screen->setAccount(m_account);
    QVERIFY(header()->isSectionHidden(RegisterModel::BalanceColumn));
    QVERIFY(header()->isSectionHidden(RegisterModel::CheckNumberColumn));

    menu.reset(m_screen->createHeaderMenu());
    findAction(menu.get(), QStringLiteral("Balance"))->trigger();
    m_screen->reload();
    findAction(menu.get(), QStringLiteral("Chk #"))->trigger();
    QVERIFY(!header()->isSectionHidden(RegisterModel::BalanceColumn));
    QVERIFY(!header()->isSectionHidden(RegisterModel::CheckNumberColumn));
    QCOMPARE(QSettings().value(QStringLiteral("register/colHidden/1")).toBool(), false);
    QCOMPARE(header()->sectionSize(RegisterModel::BalanceColumn), 110);
    QCOMPARE(header()->sectionSize(RegisterModel::CheckNumberColumn), 60);
}

void TestRegisterLayout::reset_data()
{
    QTest::addColumn<bool>("newestFirst");
    QTest::newRow("oldest first") << false;
    QTest::newRow("newest first") << true;
}

void TestRegisterLayout::reset()
{
    QFETCH(bool, newestFirst);

    fontScalePercentRef() = 125;
    preferences()->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
    recreate();
    m_screen->setAccount(m_account);
    header()->resizeSection(RegisterModel::CategoryColumn, 400);
    header()->resizeSection(RegisterModel::MemoColumn, 90);
    m_screen->tableView()->sortByColumn(RegisterModel::PayeeColumn, Qt::DescendingOrder);
    std::unique_ptr<QMenu> menu(m_screen->createHeaderMenu());
    findAction(menu.get(), QStringLiteral("Category"))->trigger();
    QVERIFY(header()->isSectionHidden(RegisterModel::CategoryColumn));

    findAction(menu.get(), QStringLiteral("Reset register layout"))->trigger();
    const QList<int> scaled{162, 75, 312, 225, 225, 125, 125, 43, 137};
    for (int c = 0; c < 9; ++c) {
        QVERIFY(!header()->isSectionHidden(c));
        if (c != RegisterModel::PayeeColumn)
            QCOMPARE(header()->sectionSize(c), scaled.at(c));
    }
    QCOMPARE(model()->sortColumn, 0);
    QCOMPARE(model()->sortOrder, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
    QSettings settings;
    settings.beginGroup(QStringLiteral("register"));
    QCOMPARE(settings.allKeys(), (QStringList{QStringLiteral("sortColumn"), QStringLiteral("sortOrder")}));
    QCOMPARE(settings.value(QStringLiteral("sortOrder")).toInt(), newestFirst ? 1 : 0);
}

void TestRegisterLayout::resetKeepsTwoLineMode()
{
    preferences()->setBool(QStringLiteral("registerTwoLine"), true);
    m_screen->setAccount(m_account);
    QVERIFY(header()->isSectionHidden(RegisterModel::MemoColumn));

    m_screen->resetColumnLayout();
    QVERIFY(header()->isSectionHidden(RegisterModel::MemoColumn));
    QVERIFY(model()->twoLineMode);
    QCOMPARE(m_screen->tableView()->verticalHeader()->defaultSectionSize(), 52);
    QCOMPARE(model()->headerData(RegisterModel::PayeeColumn, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));

    // Leaving two-line mode brings Memo back at a usable width.
    m_screen->setTwoLineMode(false);
    QVERIFY(!header()->isSectionHidden(RegisterModel::MemoColumn));
    QCOMPARE(header()->sectionSize(RegisterModel::MemoColumn), 180);
}

void TestRegisterLayout::headerMenu_data()
{
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<bool>("showBalance");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("one line") << false << true
                              << QStringList{"== Show columns", "Date checked off", "Chk # checked", "Payee checked",
                                             "Category checked", "Memo checked", "Payment checked", "Deposit checked",
                                             "Clr checked", "Balance checked", "-", "Reset register layout"};
    QTest::newRow("two lines, no balance")
        << true << false
        << QStringList{"== Show columns", "Date checked off", "Chk # checked", "Payee / Memo checked",
                       "Category checked", "Memo off", "Payment checked", "Deposit checked", "Clr checked", "Balance",
                       "-", "Reset register layout"};
}

void TestRegisterLayout::headerMenu()
{
    QFETCH(bool, twoLine);
    QFETCH(bool, showBalance);
    QFETCH(QStringList, items);

    preferences()->setBool(QStringLiteral("registerTwoLine"), twoLine);
    preferences()->setBool(QStringLiteral("registerShowBalance"), showBalance);
    m_screen->setAccount(m_account);
    const std::unique_ptr<QMenu> menu(m_screen->createHeaderMenu());
    QCOMPARE(describe(menu.get()), items);
}

void TestRegisterLayout::rowMenu_data()
{
    QTest::addColumn<bool>("withAccount");
    QTest::addColumn<bool>("newestFirst");
    QTest::addColumn<QString>("row"); // suffix of a transaction id, or entry, opening, below
    QTest::addColumn<QStringList>("items");

    const QStringList always{"&Insert New [Ctrl+I]", "&New Transaction... [Ctrl+N]"};
    const auto transaction = [&always](const QString& split, const QString& cleared, bool editable = true,
                                       bool clearedEnabled = true) {
        const QString off = editable ? QString() : QStringLiteral(" off");
        return always + QStringList{"-",
                                    "Show &Details... [Alt+Return]" + off,
                                    split + off,
                                    "&Edit in Dialog... [Ctrl+E]" + off,
                                    "D&uplicate..." + off,
                                    cleared + (editable && clearedEnabled ? QString() : QStringLiteral(" off")),
                                    "&Delete [Ctrl+D]" + off};
    };

    QTest::newRow("empty space") << true << false << "below" << always;
    QTest::newRow("no account") << false << false << "below"
                                << QStringList{"&Insert New [Ctrl+I] off", "&New Transaction... [Ctrl+N] off"};
    QTest::newRow("entry row") << true << false << "entry" << always + QStringList{"&Edit in Dialog... [Ctrl+E]"};
    QTest::newRow("plain row") << true << false << "-plain" << transaction("&Split Transaction...", "Mark &Cleared");
    QTest::newRow("plain row, newest first")
        << true << true << "-plain" << transaction("&Split Transaction...", "Mark &Cleared");
    QTest::newRow("split row") << true << false << "-split" << transaction("Edit &Splits...", "Mark &Cleared");
    QTest::newRow("cleared row") << true << false << "-cleared"
                                 << transaction("&Split Transaction...", "Mark &Uncleared");
    // The way back for a row cleared by mistake; it stays reconciled.
    QTest::newRow("reconciled row") << true << false << "-reconciled"
                                    << transaction("&Split Transaction...", "Mark &Uncleared");
    QTest::newRow("opening balance") << true << false << "opening"
                                     << transaction("&Split Transaction...", "Mark &Uncleared", false);
}

void TestRegisterLayout::rowMenu()
{
    QFETCH(bool, withAccount);
    QFETCH(bool, newestFirst);
    QFETCH(QString, row);
    QFETCH(QStringList, items);

    preferences()->setBool(QStringLiteral("registerNewestFirst"), newestFirst);
    recreate();
    if (withAccount)
        m_screen->setAccount(m_account);
    QModelIndex index;
    if (row == QLatin1String("entry"))
        index = model()->index(model()->entryRowIndex(), RegisterModel::PayeeColumn);
    else if (row == QLatin1String("opening"))
        index = model()->index(openingRow(), RegisterModel::PayeeColumn);
    else if (row != QLatin1String("below"))
        index = model()->index(rowOf(row), RegisterModel::PayeeColumn);
    QCOMPARE(index.isValid(), row != QLatin1String("below"));

    const std::unique_ptr<QMenu> menu(m_screen->createRowMenu(index));
    QCOMPARE(describe(menu.get()), items);
}

void TestRegisterLayout::rowMenuActions()
{
    m_screen->setAccount(m_account);
    TransactionRepository* transactions = m_state->transactionRepository();
    const QString plainId = m_account + QStringLiteral("-plain");

    // The cleared flag flips and the row shows it; the version stays.
    const int version = transactions->findById(plainId)->version;
    std::unique_ptr<QMenu> menu(m_screen->createRowMenu(model()->index(rowOf("-plain"), 0)));
    findAction(menu.get(), QStringLiteral("Mark &Cleared"))->trigger();
    std::optional<Transaction> stored = transactions->findById(plainId);
    QVERIFY(stored->cleared);
    QCOMPARE(stored->version, version);
    QCOMPARE(stored->syncStatus, SyncStatus::Pending);
    QCOMPARE(model()->index(rowOf("-plain"), RegisterModel::ClearedColumn).data().toString(), QStringLiteral("C"));

    // On a reconciled row too: uncleared, still reconciled.
    const QString reconciledId = m_account + QStringLiteral("-reconciled");
    menu.reset(m_screen->createRowMenu(model()->index(rowOf("-reconciled"), 0)));
    findAction(menu.get(), QStringLiteral("Mark &Uncleared"))->trigger();
    stored = transactions->findById(reconciledId);
    QVERIFY(!stored->cleared);
    QVERIFY(stored->reconciled);


    // Split Transaction opens the split editor; cancelled, nothing changes.
    QStringList dialogs;
    MessageBoxes::setDialogRunner([&dialogs](QDialog* dialog) {
        dialogs << QString::fromLatin1(dialog->metaObject()->className());
        return int(QDialog::Rejected);
    });
    menu.reset(m_screen->createRowMenu(model()->index(rowOf("-plain"), 0)));
    findAction(menu.get(), QStringLiteral("&Split Transaction..."))->trigger();
    QCOMPARE(dialogs, QStringList{QStringLiteral("SplitEditorDialog")});
    QVERIFY(!transactions->findById(plainId)->isSplit);

    // Delete asks first; the action acts on the transaction clicked even
    // after the rows moved.
    int questions = 0;
    MessageBoxes::setPresenter([&questions](const MessageBoxes::Request&) {
        ++questions;
        return QMessageBox::Yes;
    });
    menu.reset(m_screen->createRowMenu(model()->index(rowOf("-plain"), 0)));
    m_screen->tableView()->sortByColumn(RegisterModel::PayeeColumn, Qt::DescendingOrder);
    findAction(menu.get(), QStringLiteral("&Delete"))->trigger();
    QCOMPARE(questions, 1);
    QVERIFY(transactions->findById(plainId)->deletedAt.has_value());
    QVERIFY(!transactions->findById(m_account + QStringLiteral("-split"))->deletedAt.has_value());
    QCOMPARE(rowOf("-plain"), -1);

    // The rows back for the tests after this one.
    TestSupport::exec(QStringLiteral("UPDATE transactions SET deleted_at = NULL, cleared = 0 WHERE id = '%1'").arg(plainId));
    TestSupport::exec(QStringLiteral("UPDATE transactions SET cleared = 1 WHERE id = '%1'").arg(reconciledId));
}

void TestRegisterLayout::menusOpenAtTheClick()
{
    m_screen->setAccount(m_account);
    RegisterTableView* view = m_screen->tableView();
    QStringList seen;
    const auto closeNextPopup = [&seen] {
        QTimer::singleShot(0, [&seen] {
            auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!popup)
                return;
            seen << describe(popup).join(QLatin1Char('|'));
            popup->close();
        });
    };

    closeNextPopup();
    m_screen->onContextMenu(view->visualRect(model()->index(model()->entryRowIndex(), 2)).center());
    closeNextPopup();
    m_screen->onContextMenu(QPoint(10, view->viewport()->height() - 2));
    closeNextPopup();
    m_screen->showHeaderContextMenu(QPoint(header()->sectionViewportPosition(2) + 5, 5));

    QCOMPARE(seen.size(), 3);
    QCOMPARE(seen.at(0), QStringLiteral("&Insert New [Ctrl+I]|&New Transaction... [Ctrl+N]|&Edit in Dialog... [Ctrl+E]"));
    QCOMPARE(seen.at(1), QStringLiteral("&Insert New [Ctrl+I]|&New Transaction... [Ctrl+N]"));
    QVERIFY(seen.at(2).endsWith(QLatin1String("|-|Reset register layout")));
}

void TestRegisterLayout::hidingTheEditedColumn()
{
    m_screen->setAccount(m_account);
    RegisterTableView* view = m_screen->tableView();
    const int entry = model()->entryRowIndex();
    view->setFocus();
    view->setCurrentIndex(model()->index(entry, RegisterModel::MemoColumn));
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("kept memo"));

    std::unique_ptr<QMenu> menu(m_screen->createHeaderMenu());
    findAction(menu.get(), QStringLiteral("Memo"))->trigger();
    QVERIFY(header()->isSectionHidden(RegisterModel::MemoColumn));
    QCOMPARE(model()->memoText, QStringLiteral("kept memo"));

    // Editing goes on in another cell, and a reload is no longer held back.
    const QModelIndex payee = model()->index(entry, RegisterModel::PayeeColumn);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(payee).center());
    QVERIFY(view->indexWidget(payee));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Still typing"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(model()->payeeText, QStringLiteral("Still typing"));
    QCOMPARE(model()->memoText, QStringLiteral("kept memo"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    TestSupport::exec(QStringLiteral("UPDATE accounts SET name = 'Renamed' WHERE id = '%1'").arg(m_account));
    m_screen->reload();
    QCOMPARE(m_screen->findChild<QLabel*>(QStringLiteral("titleLabel"))->text(), QStringLiteral("Renamed"));
    TestSupport::exec(QStringLiteral("UPDATE accounts SET name = 'Checking' WHERE id = '%1'").arg(m_account));
    findAction(menu.get(), QStringLiteral("Memo"))->trigger(); // shown again for later tests
}

void TestRegisterLayout::payeeTakesFreeWidth_data()
{
    QTest::addColumn<int>("width"); // 0: the least the screen can be
    QTest::addColumn<bool>("defaultsFit");
    QTest::addColumn<int>("fontScale");
    QTest::newRow("first-start register") << 1000 << false << 100;
    QTest::newRow("maximized") << 1900 << true << 100;
    QTest::newRow("extra large, least width") << 0 << false << 150;
}

void TestRegisterLayout::payeeTakesFreeWidth()
{
    QFETCH(int, width);
    QFETCH(bool, defaultsFit);
    QFETCH(int, fontScale);
    QSettings().setValue(QStringLiteral("register/colWidth/4"), 150);
    fontScalePercentRef() = fontScale;
    QFont font = QApplication::font();
    const QFont before = font;
    font.setPointSizeF(font.pointSizeF() * fontScale / 100);
    QApplication::setFont(font);
    const auto restoreFont = qScopeGuard([before] {
        QApplication::setFont(before);
        fontScalePercentRef() = 100;
    });
    recreate();
    m_screen->setAccount(m_account);
    m_screen->resize(width ? width : m_screen->minimumSizeHint().width(), 500);
    RegisterTableView* view = m_screen->tableView();
    const int character = view->fontMetrics().averageCharWidth();
    // The columns end at the viewport's edge: Balance in view, no strip
    // after it, nothing to scroll to.
    QTRY_COMPARE(header()->sectionViewportPosition(RegisterModel::BalanceColumn)
                     + header()->sectionSize(RegisterModel::BalanceColumn),
                 view->viewport()->width());
    QCOMPARE(view->horizontalScrollBar()->maximum(), 0);
    QCOMPARE(header()->sectionSize(RegisterModel::MemoColumn), 150);
    // Room for about twenty characters of payee.
    QVERIFY(header()->sectionSize(RegisterModel::PayeeColumn) >= std::max(180, 20 * character));
    // Date and Category, which the user has not sized, give way in a narrow
    // window, down to their minimums, and have their defaults when there is room.
    const int date = header()->sectionSize(RegisterModel::DateColumn);
    const int category = header()->sectionSize(RegisterModel::CategoryColumn);
    if (defaultsFit) {
        QCOMPARE(date, 130);
        QCOMPARE(category, 180);
    } else {
        QVERIFY2(date >= 10 * character && date < 130 * fontScale / 100, qPrintable(QString::number(date)));
        QVERIFY2(category >= 4 * character && category < 180 * fontScale / 100, qPrintable(QString::number(category)));
    }
    // A resize the program makes is not the user's: nothing is stored.
    QVERIFY(!QSettings().contains(QStringLiteral("register/colWidth/0")));
}

TALLYLEAF_TEST_MAIN(TestRegisterLayout)
#include "tst_registerlayout.moc"
