#include "testsupport.h"

#include "data/money.h"
#include "ui/register/registermodel.h"
#include "ui/style.h"

#include <QSignalSpy>

namespace {

const QString kDim = QStringLiteral("#6E8A7E");

RegisterRow makeRow(const QString& id, const QDate& date, qint64 amount, qint64 balance = 0)
{
    RegisterRow r;
    r.id = id;
    r.accountId = QStringLiteral("a1");
    r.date = date;
    r.payee = QStringLiteral("Payee ") + id;
    r.amount = amount;
    r.runningBalance = balance;
    return r;
}

// Incoming order as the repository gives it: by date, then creation.
// b and d share a day; a and d are equal payments.
QList<RegisterRow> sortFixture()
{
    RegisterRow a = makeRow(QStringLiteral("a"), QDate(2024, 1, 1), -500, 300);
    a.payee = QStringLiteral("Cedar");
    RegisterRow b = makeRow(QStringLiteral("b"), QDate(2024, 1, 2), 0, -50);
    b.payee = QStringLiteral("Aspen");
    b.cleared = true;
    RegisterRow d = makeRow(QStringLiteral("d"), QDate(2024, 1, 2), -500, 700);
    d.payee = QStringLiteral("Birch");
    d.cleared = true;
    d.reconciled = true;
    RegisterRow c = makeRow(QStringLiteral("c"), QDate(2024, 1, 3), 700, 1000);
    c.payee = QStringLiteral("Aspen");
    return {a, b, d, c};
}

QStringList viewIds(const RegisterModel& model)
{
    QStringList ids;
    for (int r = 0; r < model.rowCount(); ++r) {
        if (const RegisterRow* row = model.tryEntryAt(r))
            ids << row->id;
        else
            ids << QStringLiteral("*");
    }
    return ids;
}

} // namespace

class TestRegisterModel : public QObject
{
    Q_OBJECT

private slots:
    void viewRowMapping_data();
    void viewRowMapping();
    void cellRoles_data();
    void cellRoles();
    void entryRowPlaceholders();
    void editingRowShowsBuffers();
    void setDataStoresBuffers();
    void flagsMatrix_data();
    void flagsMatrix();
    void sortOrders_data();
    void sortOrders();
    void sortOutsideColumnsIgnored();
    void editingRowFollowsItsTransaction();
    void buffers();
};

void TestRegisterModel::viewRowMapping_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<bool>("showEntry");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("date ascending: entry row last") << 0 << int(Qt::AscendingOrder) << true
                                                    << QStringList{"a", "b", "d", "c", "*"};
    QTest::newRow("date descending: entry row first") << 0 << int(Qt::DescendingOrder) << true
                                                      << QStringList{"*", "c", "d", "b", "a"};
    QTest::newRow("payee descending: entry row last") << 2 << int(Qt::DescendingOrder) << true
                                                      << QStringList{"a", "d", "c", "b", "*"};
    QTest::newRow("date descending, entry row hidden") << 0 << int(Qt::DescendingOrder) << false
                                                       << QStringList{"c", "d", "b", "a"};
}

void TestRegisterModel::viewRowMapping()
{
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(bool, showEntry);
    QFETCH(QStringList, expected);

    RegisterModel model;
    model.setShowEntryRow(showEntry);
    model.sort(column, Qt::SortOrder(order));
    model.setEntries(sortFixture());

    QCOMPARE(model.rowCount(), expected.size());
    QCOMPARE(viewIds(model), expected);
    QCOMPARE(model.entryRowIndex(), int(expected.indexOf(QStringLiteral("*"))));
    QCOMPARE(model.entryAt(1).id, expected.at(1));
    // Outside the data nothing is read.
    QVERIFY(!model.tryEntryAt(-1));
    QVERIFY(!model.tryEntryAt(model.rowCount()));
    QVERIFY(model.entryAt(model.rowCount()).id.isEmpty());
}

void TestRegisterModel::cellRoles_data()
{
    QTest::addColumn<RegisterRow>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("expected");

    RegisterRow split = makeRow(QStringLiteral("s"), QDate(2024, 3, 7), -1250, -99);
    split.isSplit = true;
    split.categoryName = QStringLiteral("Food > Groceries");
    RegisterRow zero = makeRow(QStringLiteral("z"), QDate(2024, 12, 31), 0, 123456);
    zero.cleared = true;
    RegisterRow reconciled = zero;
    reconciled.reconciled = true;

    const int display = Qt::DisplayRole;
    const int fg = Qt::ForegroundRole;
    QTest::newRow("date") << split << 0 << display << QVariant(QStringLiteral("3/7/2024"));
    QTest::newRow("split category") << split << 3 << display << QVariant(QStringLiteral("\u2014Split\u2014"));
    QTest::newRow("split category edit text") << split << 3 << int(Qt::EditRole)
                                              << QVariant(QStringLiteral("Food > Groceries"));
    QTest::newRow("payment") << split << 5 << display << QVariant(QStringLiteral("12.50"));
    QTest::newRow("payment colour") << split << 5 << fg << QVariant(negativeColor());
    QTest::newRow("payment: no deposit colour") << split << 6 << fg << QVariant();
    QTest::newRow("negative balance colour") << split << 8 << fg << QVariant(negativeColor());
    QTest::newRow("zero under deposit") << zero << 6 << display << QVariant(QStringLiteral("0.00"));
    QTest::newRow("zero in positive colour") << zero << 6 << fg << QVariant(positiveColor());
    QTest::newRow("zero not a payment") << zero << 5 << display << QVariant(QString());
    QTest::newRow("cleared") << zero << 7 << display << QVariant(QStringLiteral("C"));
    QTest::newRow("R over C") << reconciled << 7 << display << QVariant(QStringLiteral("R"));
    QTest::newRow("balance grouped") << zero << 8 << display << QVariant(QStringLiteral("1,234.56"));
    QTest::newRow("memo dimmed") << zero << 4 << fg << QVariant(QColor(kDim));
}

void TestRegisterModel::cellRoles()
{
    QFETCH(RegisterRow, row);
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, expected);

    RegisterModel model;
    model.setEntries({row});
    QCOMPARE(model.data(model.index(0, column), role), expected);
}

void TestRegisterModel::entryRowPlaceholders()
{
    RegisterModel model;
    model.setEntries({makeRow(QStringLiteral("a"), QDate(2024, 1, 1), -100, -100)});
    model.dateText.clear();
    const int entry = model.entryRowIndex();
    QCOMPARE(entry, 1);

    const QStringList titles{"Date", "Chk #", "Payee", "Category", "Memo", "Payment", "Deposit", "Clr"};
    for (int c = 0; c < 8; ++c) {
        QCOMPARE(model.data(model.index(entry, c), Qt::DisplayRole).toString(), titles.at(c));
        QCOMPARE(model.data(model.index(entry, c), Qt::ForegroundRole), QVariant(QColor(kDim)));
    }
    // No balance on the entry row.
    QCOMPARE(model.data(model.index(entry, 8), Qt::DisplayRole), QVariant());
    // A typed value shows in the default colour.
    QVERIFY(model.setData(model.index(entry, 5), QStringLiteral("4.00")));
    QCOMPARE(model.data(model.index(entry, 5), Qt::DisplayRole).toString(), QStringLiteral("4.00"));
    QCOMPARE(model.data(model.index(entry, 5), Qt::ForegroundRole), QVariant());

    // Two-line mode: the header joins payee and memo, the placeholder stays
    // "Payee" and the delegate paints the background.
    model.twoLineMode = true;
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Payee / Memo"));
    QCOMPARE(model.data(model.index(entry, 2), Qt::DisplayRole).toString(), QStringLiteral("Payee"));
    QCOMPARE(model.data(model.index(entry, 0), Qt::BackgroundRole), QVariant());
}

void TestRegisterModel::editingRowShowsBuffers()
{
    RegisterRow split = makeRow(QStringLiteral("s"), QDate(2024, 3, 7), -1250, -1250);
    split.isSplit = true;
    split.categoryName = QStringLiteral("Food");
    RegisterModel model;
    model.setEntries({split});
    model.loadRowIntoBuffers(split, split.categoryName);
    model.setEditingRow(0);

    model.payeeText = QStringLiteral("Typed");
    QCOMPARE(model.data(model.index(0, 2)).toString(), QStringLiteral("Typed"));
    QCOMPARE(model.data(model.index(0, 3)).toString(), QStringLiteral("\u2014Split\u2014"));
    QCOMPARE(model.data(model.index(0, 3), Qt::EditRole).toString(), QStringLiteral("Food"));
    QCOMPARE(model.data(model.index(0, 5)).toString(), QStringLiteral("12.50"));
    // Balance and colours still come from the stored row.
    QCOMPARE(model.data(model.index(0, 8)).toString(), QStringLiteral("-12.50"));
    QCOMPARE(model.data(model.index(0, 5), Qt::ForegroundRole), QVariant(negativeColor()));
    // The entry row stays blank meanwhile.
    for (int c = 0; c < 9; ++c)
        QCOMPARE(model.data(model.index(1, c), Qt::DisplayRole), QVariant());
    QCOMPARE(model.data(model.index(1, 0), Qt::BackgroundRole), QVariant());
    model.twoLineMode = true;
    QCOMPARE(model.data(model.index(0, 0), Qt::BackgroundRole), QVariant());
}

void TestRegisterModel::setDataStoresBuffers()
{
    RegisterModel model;
    model.setEntries({});
    QSignalSpy changed(&model, &RegisterModel::dataChanged);
    const QModelIndex clr = model.index(0, 7);
    QVERIFY(!model.setData(clr, QStringLiteral("C"), Qt::DisplayRole));
    QVERIFY(model.clearedText.isEmpty());
    QCOMPARE(changed.size(), 0);

    QVERIFY(model.setData(clr, QStringLiteral("C"), Qt::EditRole));
    QCOMPARE(model.clearedText, QStringLiteral("C"));
    QCOMPARE(changed.size(), 1);

    // Balance has no buffer: nothing stored, still reported.
    QVERIFY(model.setData(model.index(0, 8), QStringLiteral("9"), Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 8)), QVariant());
    QVERIFY(!model.setData(QModelIndex(), QStringLiteral("x"), Qt::EditRole));
}

void TestRegisterModel::flagsMatrix_data()
{
    QTest::addColumn<int>("editing"); // id letter's view row, -1 none
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("editable"); // one character per column 0..8

    // View rows (date ascending): 0 opening balance, 1 plain, 2 split, 3 entry.
    QTest::newRow("plain row, not edited") << -1 << 1 << "---------";
    QTest::newRow("entry row") << -1 << 3 << "eeeeeee--";
    QTest::newRow("entry row while another is edited") << 1 << 3 << "eeeeeee--";
    QTest::newRow("edited plain row") << 1 << 1 << "eeeeeee--";
    QTest::newRow("edited split row") << 2 << 2 << "eee-e----";
    QTest::newRow("other row while one is edited") << 1 << 2 << "---------";
    QTest::newRow("edited opening balance row") << 0 << 0 << "---------";
}

void TestRegisterModel::flagsMatrix()
{
    QFETCH(int, editing);
    QFETCH(int, row);
    QFETCH(QString, editable);

    RegisterRow opening = makeRow(QString(), QDate(2024, 1, 1), 10000, 10000);
    opening.payee = QStringLiteral("Opening Balance");
    RegisterRow plain = makeRow(QStringLiteral("p"), QDate(2024, 1, 2), -100, 9900);
    RegisterRow split = makeRow(QStringLiteral("s"), QDate(2024, 1, 3), -100, 9800);
    split.isSplit = true;
    RegisterModel model;
    model.setEntries({opening, plain, split});
    model.setEditingRow(editing);

    for (int c = 0; c < 9; ++c) {
        const Qt::ItemFlags flags = model.flags(model.index(row, c));
        QVERIFY2(flags & Qt::ItemIsSelectable && flags & Qt::ItemIsEnabled, qPrintable(QString::number(c)));
        QVERIFY2(bool(flags & Qt::ItemIsEditable) == (editable.at(c) == QLatin1Char('e')),
                 qPrintable(QStringLiteral("column %1").arg(c)));
    }
    QCOMPARE(model.flags(QModelIndex()), Qt::NoItemFlags);
}

void TestRegisterModel::sortOrders_data()
{
    QTest::addColumn<int>("before"); // column sorted (descending) first; -1 none
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("order");
    QTest::addColumn<QStringList>("expected");

    const int asc = Qt::AscendingOrder;
    const int desc = Qt::DescendingOrder;
    // Date: the register's own order (date, entry time, incoming place),
    // reversed as a whole for newest first, whatever was sorted before.
    QTest::newRow("date asc") << -1 << 0 << asc << QStringList{"a", "b", "d", "c"};
    QTest::newRow("date desc, same day reversed too") << -1 << 0 << desc << QStringList{"c", "d", "b", "a"};
    QTest::newRow("date asc after payee") << 2 << 0 << asc << QStringList{"a", "b", "d", "c"};
    QTest::newRow("date desc after deposit") << 6 << 0 << desc << QStringList{"c", "d", "b", "a"};
    // Other columns, ties: the later date first in both orders.
    QTest::newRow("payee asc, tie later first") << -1 << 2 << asc << QStringList{"c", "b", "d", "a"};
    QTest::newRow("payee desc, tie later first") << -1 << 2 << desc << QStringList{"a", "d", "c", "b"};
    QTest::newRow("payment asc: non-payments last") << -1 << 5 << asc << QStringList{"d", "a", "c", "b"};
    QTest::newRow("payment desc") << -1 << 5 << desc << QStringList{"c", "b", "d", "a"};
    QTest::newRow("deposit asc: zero among non-deposits") << -1 << 6 << asc << QStringList{"b", "d", "a", "c"};
    QTest::newRow("clr asc") << -1 << 7 << asc << QStringList{"c", "a", "b", "d"};
    QTest::newRow("balance asc") << -1 << 8 << asc << QStringList{"b", "a", "d", "c"};
}

void TestRegisterModel::sortOrders()
{
    QFETCH(int, before);
    QFETCH(int, column);
    QFETCH(int, order);
    QFETCH(QStringList, expected);

    RegisterModel model;
    model.setShowEntryRow(false);
    model.setEntries(sortFixture());
    if (before >= 0)
        model.sort(before, Qt::DescendingOrder);
    QSignalSpy sorted(&model, &RegisterModel::sortChanged);
    model.sort(column, Qt::SortOrder(order));
    QCOMPARE(viewIds(model), expected);
    QCOMPARE(sorted.size(), 1);
    QCOMPARE(sorted.at(0).at(0).toInt(), column);
}

void TestRegisterModel::sortOutsideColumnsIgnored()
{
    RegisterModel model;
    model.setEntries(sortFixture());
    model.sort(2, Qt::DescendingOrder);
    const QStringList before = viewIds(model);
    QSignalSpy sorted(&model, &RegisterModel::sortChanged);
    model.sort(9, Qt::AscendingOrder);
    model.sort(-1, Qt::AscendingOrder);
    QCOMPARE(viewIds(model), before);
    QCOMPARE(model.sortColumn, 2);
    QCOMPARE(model.sortOrder, Qt::DescendingOrder);
    QCOMPARE(sorted.size(), 0);
}

void TestRegisterModel::editingRowFollowsItsTransaction()
{
    RegisterModel model;
    model.setEntries(sortFixture()); // a b d c, entry row last
    model.setEditingRow(1);          // b
    model.loadRowIntoBuffers(model.entryAt(1), QStringLiteral("Rent"));
    model.payeeText = QStringLiteral("Typed over b");

    // By payee, a d c b: the edit goes with b to the last row.
    model.sort(2, Qt::DescendingOrder);
    QCOMPARE(model.entryAt(model.editingRow).id, QStringLiteral("b"));
    // Date descending puts the entry row on top, shifting every row: c d b a.
    model.sort(0, Qt::DescendingOrder);
    QCOMPARE(model.editingRow, 3);
    QCOMPARE(model.entryAt(model.editingRow).id, QStringLiteral("b"));
    model.setShowEntryRow(false);
    QCOMPARE(model.entryAt(model.editingRow).id, QStringLiteral("b"));
    model.setShowEntryRow(true);
    QCOMPARE(model.entryAt(model.editingRow).id, QStringLiteral("b"));
    QCOMPARE(model.data(model.index(model.editingRow, 2)).toString(), QStringLiteral("Typed over b"));

    // A reload forgets the edit.
    model.setEditingRow(0);
    model.setEntries(sortFixture());
    QCOMPARE(model.editingRow, -1);
}

void TestRegisterModel::buffers()
{
    RegisterModel model;
    model.setEntries({});
    QCOMPARE(model.dateText, QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));

    RegisterRow row = makeRow(QStringLiteral("r"), QDate(2025, 11, 9), -123456);
    row.categoryId = QStringLiteral("cat");
    row.cleared = true;
    row.reconciled = true;
    model.loadRowIntoBuffers(row, QStringLiteral("Food > Groceries"));
    QCOMPARE(model.dateText, QStringLiteral("11/9/2025"));
    QCOMPARE(model.categoryIdText, QStringLiteral("cat"));
    QCOMPARE(model.paymentText, QStringLiteral("1,234.56"));
    QCOMPARE(model.depositText, QString());
    QCOMPARE(model.clearedText, QStringLiteral("R"));

    row.amount = 0;
    row.reconciled = false;
    model.loadRowIntoBuffers(row, QString());
    QCOMPARE(model.paymentText, QString());
    QCOMPARE(model.depositText, QStringLiteral("0.00"));
    QCOMPARE(model.clearedText, QStringLiteral("C"));

    model.lastEntryDate = QStringLiteral("2/29/2024");
    model.clearEntryRow();
    QCOMPARE(model.dateText, QStringLiteral("2/29/2024"));
    for (const QString* text : {&model.checkNumberText, &model.payeeText, &model.memoText, &model.categoryText,
                                &model.categoryIdText, &model.paymentText, &model.depositText, &model.clearedText})
        QVERIFY(text->isEmpty());
}

TALLYLEAF_TEST_MAIN(TestRegisterModel)
#include "tst_registermodel.moc"
