#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/widgets/datefield.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registerfilterdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>

#include <functional>

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

} // namespace

class TestRegisterScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void totals_data();
    void totals();
    void jpyTotalsInWholeYen();
    void detailLine_data();
    void detailLine();
    void currentCellFollowsTransaction();
    void currentCellAfterDelete();
    void setAccountWithEditorOpen();
    void reloadWaitsForEditor();
    void deletedAccountIsNotShown();
    void filterButton_data();
    void filterButton();
    void filterDialogSavesAndClears();
    void filterDialogForm();

private:
    QString addAccount(qint64 starting, CurrencyCode currency = CurrencyCode::USD, const QString& institution = {},
                       const QString& last4 = {});
    void add(const QString& accountId, const QString& suffix, const QDate& date, qint64 amount, bool cleared = false);
    QString label(const char* name) const { return m_screen->findChild<QLabel*>(name)->text(); }
    QPushButton* button() const { return m_screen->findChild<QPushButton*>(QStringLiteral("filterButton")); }
    void runFilterDialog(const std::function<void(RegisterFilterDialog*)>& fill, int result = QDialog::Accepted);
    QModelIndex entryCell(int column) const { return model()->index(model()->entryRowIndex(), column); }
    RegisterModel* model() const { return m_screen->registerModel(); }
    RegisterTableView* view() const { return m_screen->tableView(); }

    AppState* m_state = nullptr;
    RegisterScreen* m_screen = nullptr;
    int m_accounts = 0;
};

void TestRegisterScreen::initTestCase()
{
    m_state = TestSupport::startRegisterSuite();
    QVERIFY(m_state);
}

void TestRegisterScreen::cleanupTestCase()
{
    TestSupport::endRegisterSuite(m_state);
}

void TestRegisterScreen::init()
{
    QSettings().remove(QStringLiteral("register"));
    m_screen = TestSupport::showRegister(m_state, {1200, 500});
    QVERIFY(QTest::qWaitForWindowExposed(m_screen));
}

void TestRegisterScreen::cleanup()
{
    delete m_screen;
    MessageBoxes::setDialogRunner({});
    fontScalePercentRef() = 100;
}

QString TestRegisterScreen::addAccount(qint64 starting, CurrencyCode currency, const QString& institution,
                                       const QString& last4)
{
    Account a;
    a.id = QStringLiteral("acc-%1").arg(++m_accounts);
    a.name = QStringLiteral("Account %1").arg(m_accounts);
    a.currency = currency;
    a.institution = institution;
    a.accountNumberLast4 = last4;
    a.startingBalance = starting;
    a.createdAt = a.updatedAt = kCreated;
    return m_state->accountRepository()->insert(a) ? a.id : QString();
}

void TestRegisterScreen::add(const QString& accountId, const QString& suffix, const QDate& date, qint64 amount,
                             bool cleared)
{
    Transaction t;
    t.id = accountId + suffix;
    t.accountId = accountId;
    t.date = date;
    t.payee = t.id;
    t.amount = amount;
    t.cleared = cleared;
    t.createdAt = t.updatedAt = kCreated;
    QVERIFY(m_state->transactionRepository()->insert(t));
}

void TestRegisterScreen::runFilterDialog(const std::function<void(RegisterFilterDialog*)>& fill, int result)
{
    MessageBoxes::setDialogRunner([fill, result](QDialog* dialog) {
        auto* form = qobject_cast<RegisterFilterDialog*>(dialog);
        if (form)
            fill(form);
        return form ? result : int(QDialog::Rejected);
    });
    QTest::mouseClick(button(), Qt::LeftButton);
}

void TestRegisterScreen::totals_data()
{
    QTest::addColumn<qint64>("starting");
    QTest::addColumn<QString>("storedFilter");
    QTest::addColumn<QStringList>("texts"); // cleared, uncleared, balance, balance colour

    // Rows: cleared -2500 and uncleared +1000, after the opening row.
    QTest::newRow("opening row counts once") << qint64(10000) << ""
                                             << QStringList{"$75.00", "$10.00", "$85.00", "#2E7D32"};
    QTest::newRow("negative") << qint64(0) << "" << QStringList{"-$25.00", "$10.00", "-$15.00", "#C62828"};
    QTest::newRow("zero is positive") << qint64(1500) << "" << QStringList{"-$10.00", "$10.00", "$0.00", "#2E7D32"};
    QTest::newRow("filter hiding all rows") << qint64(10000) << R"({"dateTo":"2000-01-01"})"
                                            << QStringList{"$75.00", "$10.00", "$85.00", "#2E7D32"};
}

void TestRegisterScreen::totals()
{
    QFETCH(qint64, starting);
    QFETCH(QString, storedFilter);
    QFETCH(QStringList, texts);
    const QString id = addAccount(starting);
    add(id, "-a", QDate(2024, 2, 1), -2500, true);
    add(id, "-b", QDate(2024, 2, 2), 1000);
    m_state->preferences()->setValue(RegisterFilter::preferenceKey(id), storedFilter);

    m_screen->setAccount(id);
    QCOMPARE(QStringList({label("clearedLabel"), label("unclearedLabel"), label("balanceLabel")}), texts.mid(0, 3));
    QCOMPARE(m_screen->findChild<QLabel*>("balanceLabel")->styleSheet(), QStringLiteral("color: %1;").arg(texts[3]));
    // With every transaction filtered out only the entry row is left.
    QCOMPARE(model()->rowCount(), storedFilter.isEmpty() ? (starting ? 4 : 3) : 1);
}

void TestRegisterScreen::jpyTotalsInWholeYen()
{
    // Hundredths for every currency; yen totals round half away from zero.
    const QString id = addAccount(0, CurrencyCode::JPY);
    add(id, "-a", QDate(2024, 2, 1), 50, true);
    add(id, "-b", QDate(2024, 2, 2), -123450);
    m_screen->setAccount(id);
    QCOMPARE(label("clearedLabel"), QStringLiteral("\u00A51"));
    QCOMPARE(label("unclearedLabel"), QStringLiteral("-\u00A51,235"));
    QCOMPARE(label("balanceLabel"), QStringLiteral("-\u00A51,234"));
}

void TestRegisterScreen::detailLine_data()
{
    QTest::addColumn<QString>("institution");
    QTest::addColumn<QString>("last4");
    QTest::addColumn<QString>("expected");

    QTest::newRow("bank and digits") << "First Bank" << "1234" << QStringLiteral("First Bank  \u00B7  *1234");
    QTest::newRow("bank only") << "First Bank" << "" << "First Bank";
    QTest::newRow("digits without bank") << "" << "1234" << "";
}

void TestRegisterScreen::detailLine()
{
    QFETCH(QString, institution);
    QFETCH(QString, last4);
    QFETCH(QString, expected);
    m_screen->setAccount(addAccount(0, CurrencyCode::USD, institution, last4));
    auto* detail = m_screen->findChild<QLabel*>("detailLabel");
    QCOMPARE(detail->text(), expected);
    QCOMPARE(detail->isVisible(), !expected.isEmpty());
}

void TestRegisterScreen::currentCellFollowsTransaction()
{
    const QString id = addAccount(0);
    for (int day = 1; day <= 5; ++day)
        add(id, QString::number(day), QDate(2024, 3, day * 2), -100 * day);
    m_screen->setAccount(id);
    QCOMPARE(view()->currentIndex(), entryCell(0));
    const QString target = id + "3";
    view()->setCurrentIndex(model()->index(2, RegisterModel::PayeeColumn));

    add(id, "early", QDate(2024, 1, 1), -1); // lands above it
    m_screen->reload();
    QCOMPARE(view()->currentIndex(), model()->index(3, RegisterModel::PayeeColumn));
    QCOMPARE(model()->entryAt(3).id, target);

    // Sorted by payment, a changed amount moves the row.
    view()->sortByColumn(RegisterModel::PaymentColumn, Qt::AscendingOrder);
    view()->setCurrentIndex(model()->index(m_screen->rowOfTransaction(target), 0));
    const int before = view()->currentIndex().row();
    Transaction changed = *m_state->transactionRepository()->findById(target);
    changed.amount = -100000;
    QVERIFY(m_state->transactionRepository()->update(changed));
    m_screen->reload();
    QVERIFY(view()->currentIndex().row() != before);
    QCOMPARE(model()->entryAt(view()->currentIndex().row()).id, target);
    QCOMPARE(m_screen->rowOfTransaction(QString()), -1);
}

void TestRegisterScreen::currentCellAfterDelete()
{
    const QString id = addAccount(0);
    for (int day = 1; day <= 3; ++day)
        add(id, QString::number(day), QDate(2024, 3, day), -100);
    m_screen->setAccount(id);

    view()->setCurrentIndex(model()->index(1, RegisterModel::MemoColumn));
    QVERIFY(m_state->transactionRepository()->softDelete(id + "2"));
    m_screen->reload();
    QCOMPARE(view()->currentIndex(), model()->index(1, RegisterModel::MemoColumn));
    QCOMPARE(model()->entryAt(1).id, id + "3");

    // Past the end: the last row, here the entry row.
    view()->setCurrentIndex(model()->index(2, 0));
    QVERIFY(m_state->transactionRepository()->softDelete(id + "1"));
    QVERIFY(m_state->transactionRepository()->softDelete(id + "3"));
    m_screen->reload();
    QCOMPARE(view()->currentIndex(), entryCell(0));
}

void TestRegisterScreen::setAccountWithEditorOpen()
{
    const QString first = addAccount(0);
    const QString second = addAccount(0);
    add(first, "-1", QDate(2024, 3, 1), -100);
    add(second, "-1", QDate(2024, 3, 1), -200);
    add(second, "-2", QDate(2024, 3, 2), -300);
    m_screen->setAccount(first);
    view()->setCurrentIndex(entryCell(RegisterModel::PayeeColumn));
    view()->edit(entryCell(RegisterModel::PayeeColumn));
    auto* editor = qobject_cast<QLineEdit*>(view()->indexWidget(entryCell(RegisterModel::PayeeColumn)));
    QVERIFY(editor);
    editor->setText(QStringLiteral("typed for the first account"));

    m_screen->setAccount(second);
    QCOMPARE(label("titleLabel"), QStringLiteral("Account %1").arg(m_accounts));
    QCOMPARE(m_screen->registerDelegate()->accountId, second);
    QCOMPARE(model()->rowCount(), 3);
    QCOMPARE(model()->editingRow, -1);
    QVERIFY(model()->payeeText.isEmpty());
    QCOMPARE(view()->currentIndex(), entryCell(0));
    QVERIFY(!view()->indexWidget(entryCell(RegisterModel::PayeeColumn)));
}

void TestRegisterScreen::reloadWaitsForEditor()
{
    const QString id = addAccount(0);
    add(id, "-1", QDate(2024, 3, 1), -100);
    m_screen->setAccount(id);
    const QModelIndex memo = entryCell(RegisterModel::MemoColumn);
    view()->setCurrentIndex(memo);
    view()->edit(memo);
    QWidget* editor = view()->indexWidget(memo);
    QVERIFY(editor);

    add(id, "-2", QDate(2024, 3, 2), -200);
    m_screen->reload();
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(view()->indexWidget(memo), editor);

    QTest::keyClick(editor, Qt::Key_Escape);
    QTRY_COMPARE(model()->rowCount(), 3);
}

void TestRegisterScreen::deletedAccountIsNotShown()
{
    const QString id = addAccount(5000);
    add(id, "-1", QDate(2024, 3, 1), -100);
    m_screen->setAccount(id);
    QCOMPARE(model()->rowCount(), 3);

    // As after a deletion pulled by sync: nothing stays to type into.
    QVERIFY(m_state->accountRepository()->softDelete(id));
    m_screen->reload();
    QCOMPARE(model()->rowCount(), 0);
    QVERIFY(label("titleLabel").isEmpty());
    QVERIFY(label("balanceLabel").isEmpty());
    QVERIFY(!button()->isEnabled());
}

void TestRegisterScreen::filterButton_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("weight");

    QTest::newRow("none") << "" << "Filter" << int(QFont::Normal);
    QTest::newRow("uncleared to a date") << R"({"cleared":false,"dateTo":"2024-03-31"})" << "Filter (2)"
                                         << int(QFont::Bold);
    QTest::newRow("range counts once") << R"({"dateFrom":"2024-01-01","dateTo":"2024-03-31","categoryId":"c"})"
                                       << "Filter (2)" << int(QFont::Bold);
}

void TestRegisterScreen::filterButton()
{
    QFETCH(QString, stored);
    QFETCH(QString, text);
    const QString id = addAccount(0);
    m_state->preferences()->setValue(RegisterFilter::preferenceKey(id), stored);
    m_screen->setAccount(id);
    QCOMPARE(button()->text(), text);
    QTEST(int(button()->font().weight()), "weight");
    const QString tip = stored.isEmpty() ? QStringLiteral("Filter which transactions are listed")
                                         : QStringLiteral("Filters are applied. Click to change or clear them.");
    QCOMPARE(button()->toolTip(), tip);
}

void TestRegisterScreen::filterDialogSavesAndClears()
{
    const QString id = addAccount(0);
    add(id, "-1", QDate(2024, 3, 1), -100, true);
    add(id, "-2", QDate(2024, 3, 2), -200);
    m_screen->setAccount(id);
    const QString key = QStringLiteral("registerFilter_") + id;
    QCOMPARE(RegisterFilter::preferenceKey(id), key);

    runFilterDialog([](RegisterFilterDialog* d) { d->unclearedButton()->setChecked(true); });
    QCOMPARE(m_state->preferences()->value(key).value_or(QString()), QStringLiteral(R"({"cleared":false})"));
    QCOMPARE(model()->rowCount(), 2);
    QCOMPARE(button()->text(), QStringLiteral("Filter (1)"));

    runFilterDialog([](RegisterFilterDialog* d) { d->clearAllButton()->click(); }, QDialog::Rejected);
    QVERIFY(m_state->preferences()->value(key).has_value());

    runFilterDialog([](RegisterFilterDialog* d) { d->clearAllButton()->click(); });
    QVERIFY(!m_state->preferences()->value(key).has_value());
    QCOMPARE(model()->rowCount(), 3);
    QCOMPARE(button()->text(), QStringLiteral("Filter"));

    // The chosen category is renamed by a sync repair before Done.
    runFilterDialog([this](RegisterFilterDialog* d) {
        d->categoryComboBox()->setCurrentIndex(1);
        emit m_state->syncEngine()->idsRenamed("categories", {{d->categoryComboBox()->currentData().toString(), "C2"}});
    });
    QCOMPARE(m_state->preferences()->value(key).value_or(QString()), QStringLiteral(R"({"categoryId":"C2"})"));
    // Its account deleted elsewhere, the page has moved on: nothing is stored.
    const QString other = addAccount(0);
    runFilterDialog([&](RegisterFilterDialog* d) {
        d->unclearedButton()->setChecked(true);
        TestSupport::exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024' WHERE id = '%1'").arg(id));
        m_screen->setAccount(other);
    });
    QVERIFY(!m_state->preferences()->value(RegisterFilter::preferenceKey(other)).has_value());
}

void TestRegisterScreen::filterDialogForm()
{
    Category food;
    food.id = QStringLiteral("cat-food-test");
    food.name = QStringLiteral("Zz Food");
    food.createdAt = food.updatedAt = kCreated;
    Category groceries = food;
    groceries.id = QStringLiteral("cat-groc-test");
    groceries.name = QStringLiteral("Zz Groceries");
    groceries.parentId = food.id;
    QVERIFY(m_state->categoryRepository()->insert(food));
    QVERIFY(m_state->categoryRepository()->insert(groceries));
    RegisterFilter known;
    known.categoryId = groceries.id;
    RegisterFilterDialog withCategory(m_state, known);
    QVERIFY(!withCategory.dateRangeCheckBox()->isChecked());
    QVERIFY(!withCategory.fromField()->isEnabled());
    QCOMPARE(withCategory.categoryComboBox()->itemText(0), QStringLiteral("All Categories"));
    QCOMPARE(withCategory.categoryComboBox()->currentText(), QStringLiteral("Zz Food > Zz Groceries"));

    // A category deleted since shows as all categories and is dropped.
    RegisterFilter stale;
    stale.categoryId = QStringLiteral("cat-gone");
    withCategory.setFilter(stale);
    QCOMPARE(withCategory.categoryComboBox()->currentIndex(), 0);
    QVERIFY(!withCategory.filter().isActive());
}

TALLYLEAF_TEST_MAIN(TestRegisterScreen)
#include "tst_registerscreen.moc"
