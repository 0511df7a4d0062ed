#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "ui/widgets/datefield.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"

#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

namespace {

using TestSupport::field;

QComboBox* rowCombo(SplitLinesWidget* w, int row)
{
    return qobject_cast<QComboBox*>(w->table()->cellWidget(row, 0));
}

void setRow(SplitLinesWidget* w, int row, const QString& categoryId, double value)
{
    rowCombo(w, row)->setCurrentIndex(rowCombo(w, row)->findData(categoryId));
    qobject_cast<SmartAmountField*>(w->table()->cellWidget(row, 1))->setValue(value);
}

SplitLine line(const QString& categoryId, qint64 amount)
{
    SplitLine l;
    l.id = QStringLiteral("line-%1").arg(amount);
    l.categoryId = categoryId;
    l.amount = amount;
    l.createdAt = l.updatedAt = QDateTime::currentDateTimeUtc();
    return l;
}

QString amounts(const QList<SplitLine>& lines)
{
    QStringList parts;
    for (const SplitLine& l : lines)
        parts << QStringLiteral("%1:%2").arg(l.categoryId).arg(l.amount);
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestTransactionForms : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void newFormProposesRememberedDate();
    void splitFormSignsAndTotals();
    void rowsRoundOnTheirOwn();
    void oneFocusTrackerPerTable();
    void formsKeepLargeAmounts_data();
    void formsKeepLargeAmounts();
    void tabLeavesSplitTable_data();
    void tabLeavesSplitTable();
    void editorRemaining_data();
    void editorRemaining();
    void categoryFromText_data();
    void categoryFromText();
    void deletedCategoriesKept();
    void splitWithoutCategoryRefused();
    void payeeCompletionOffersOtherAccounts();
    void detailsAmount_data();
    void detailsAmount();
    void detailsStatusAndSplits();

private:
    AppState m_state;
    QList<MessageBoxes::Request> m_boxes;
};

void TestTransactionForms::initTestCase()
{
    QVERIFY(m_state.initialize());
    TestSupport::exec(QStringLiteral("DELETE FROM categories")); // no seeded names in the way
    int order = 0;
    for (const char* name : {"Checking", "Savings", "Old"}) {
        Account a;
        a.id = QStringLiteral("acc-%1").arg(QString::fromLatin1(name).toLower());
        a.name = QLatin1String(name);
        a.sortOrder = order++;
        a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.accountRepository()->insert(a));
    }
    QVERIFY(m_state.accountRepository()->softDelete(QStringLiteral("acc-old")));
    // id, name, parent: two "Utilities" under different parents, two
    // top-level "Dup", and a deleted child.
    const QList<QStringList> categories = {{"food", "Food", ""},         {"home", "Home", ""},
                                           {"biz", "Business", ""},      {"util-home", "Utilities", "home"},
                                           {"util-biz", "Utilities", "biz"}, {"dup-1", "Dup", ""},
                                           {"dup-2", "Dup", ""},         {"gone", "Gone", "home"}};
    for (const QStringList& c : categories) {
        Category category;
        category.id = c[0];
        category.name = c[1];
        category.parentId = c[2];
        category.createdAt = category.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.categoryRepository()->insert(category));
    }
    QVERIFY(m_state.categoryRepository()->softDelete(QStringLiteral("gone")));
}

void TestTransactionForms::init()
{
    m_boxes.clear();
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        return r.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
}

void TestTransactionForms::cleanup()
{
    MessageBoxes::setPresenter({});
}

void TestTransactionForms::newFormProposesRememberedDate()
{
    TransactionFormDialog first(&m_state, QStringLiteral("acc-checking"));
    QCOMPARE(first.windowTitle(), QStringLiteral("New Transaction"));
    QCOMPARE(field<DateField>(&first, "dateField")->date(), QDate::currentDate());
    field<DateField>(&first, "dateField")->setDate(QDate(2024, 3, 1));
    QCOMPARE(first.transaction().date, QDate(2024, 3, 1));

    TransactionFormDialog second(&m_state, QStringLiteral("acc-checking"));
    QCOMPARE(field<DateField>(&second, "dateField")->date(), QDate(2024, 3, 1));
}

void TestTransactionForms::splitFormSignsAndTotals()
{
    TransactionFormDialog form(&m_state, QStringLiteral("acc-checking"));
    auto* splits = field<SplitLinesWidget>(&form, "splitLines");
    auto* amount = field<SmartAmountField>(&form, "amountField");
    field<QComboBox>(&form, "categoryCombo")->setCurrentIndex(1);
    field<QPushButton>(&form, "splitButton")->click(); // amount 0: two empty lines
    QCOMPARE(splits->table()->rowCount(), 2);
    QVERIFY(splits->lines(1).isEmpty());
    QCOMPARE(field<QComboBox>(&form, "categoryCombo")->currentText(), QStringLiteral("\u2014Split\u2014"));
    // Without lines it is no split: the category chosen before stays.
    const Transaction empty = form.transaction();
    QVERIFY(!empty.isSplit);
    QCOMPARE(empty.categoryId, field<QComboBox>(&form, "categoryCombo")->itemData(1).toString());

    setRow(splits, 0, QStringLiteral("food"), 10.00);
    setRow(splits, 1, QStringLiteral("util-biz"), 5.25);
    QCOMPARE(amount->value(), 15.25);
    QVERIFY(!amount->isEnabled());
    const Transaction t = form.transaction();
    QCOMPARE(t.amount, -1525);
    QVERIFY(t.isSplit);
    QVERIFY(t.categoryId.isEmpty());
    QCOMPARE(amounts(form.splitLines()), QStringLiteral("food:-1000,util-biz:-525"));

    field<QRadioButton>(&form, "depositRadio")->setChecked(true);
    QCOMPARE(amounts(form.splitLines()), QStringLiteral("food:1000,util-biz:525"));

    field<QPushButton>(&form, "singleCategoryButton")->click();
    QVERIFY(form.splitLines().isEmpty());
    QVERIFY(amount->isEnabled());
    const Transaction single = form.transaction();
    QVERIFY(!single.isSplit);
    QCOMPARE(single.categoryId, m_state.categoryRepository()->findAll().first().id);
}

void TestTransactionForms::rowsRoundOnTheirOwn()
{
    SplitLinesWidget widget(&m_state);
    widget.setLines({line(QStringLiteral("food"), 10), line(QStringLiteral("home"), -20)});
    QCOMPARE(widget.amountTotal(), 30);
    QCOMPARE(amounts(widget.lines(-1)), QStringLiteral("food:-10,home:-20"));

    // "- Remove" without a current row does nothing.
    QSignalSpy changed(&widget, &SplitLinesWidget::changed);
    widget.table()->setCurrentCell(-1, -1);
    widget.removeCurrentLine();
    QCOMPARE(changed.size(), 0);
    QCOMPARE(widget.table()->rowCount(), 2);
}

void TestTransactionForms::oneFocusTrackerPerTable()
{
    // The rows share one plain QObject that follows the focus; looking it up
    // once took any child of the table for it, so none was ever made.
    SplitLinesWidget widget(&m_state);
    widget.setLines({line(QStringLiteral("food"), 10), line(QStringLiteral("home"), 20), line(QStringLiteral("biz"), 30)});
    int trackers = 0;
    for (const QObject* child : widget.table()->children())
        trackers += child->metaObject() == &QObject::staticMetaObject ? 1 : 0;
    QCOMPARE(trackers, 1);
}

void TestTransactionForms::formsKeepLargeAmounts_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::newRow("above what can be typed") << qint64(-10000000000);
    QTest::newRow("18 digits") << qint64(123456789012345678);
}

void TestTransactionForms::formsKeepLargeAmounts()
{
    QFETCH(qint64, amount);
    Transaction t;
    t.id = QStringLiteral("t-large");
    t.accountId = QStringLiteral("acc-checking");
    t.date = QDate(2024, 4, 2);
    t.amount = amount;
    TransactionFormDialog form(&m_state, t);
    QCOMPARE(form.transaction().amount, amount);
    TransactionFormDialog seeded(&m_state, QStringLiteral("acc-checking"));
    seeded.loadTransaction(t);
    QCOMPARE(seeded.transaction().amount, amount);

    SplitLinesWidget widget(&m_state);
    widget.setLines({line(QStringLiteral("food"), amount)});
    QCOMPARE(widget.amountTotal(), qAbs(amount));
    QCOMPARE(widget.lines(amount < 0 ? -1 : 1).first().amount, amount);
}

void TestTransactionForms::tabLeavesSplitTable_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<QString>("target"); // object name of the focus after the key; "table" for inside
    QTest::newRow("Tab from the last cell") << 1 << 2 << true << "addLineButton";
    QTest::newRow("Shift+Tab from the first cell") << 0 << 0 << false << "outside";
    QTest::newRow("Tab from a middle cell") << 0 << 2 << true << "table";
}

void TestTransactionForms::tabLeavesSplitTable()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(bool, forward);
    QFETCH(QString, target);
    SplitEditorDialog dialog(&m_state, -3000, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QTableWidget* table = dialog.linesWidget()->table();
    table->setCurrentCell(row, column);
    if (QWidget* cell = table->cellWidget(row, column))
        cell->setFocus();
    else
        table->setFocus();
    QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);

    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus);
    const bool inside = focus == table || table->isAncestorOf(focus);
    if (target == QLatin1String("table"))
        QVERIFY(inside);
    else if (target == QLatin1String("outside"))
        QVERIFY2(!inside, qPrintable(focus->metaObject()->className()));
    else
        QCOMPARE(focus->objectName(), target);
}

void TestTransactionForms::editorRemaining_data()
{
    QTest::addColumn<qint64>("total");
    QTest::addColumn<double>("second"); // first line is 20.00 in Food
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("lines");
    QTest::newRow("payment fully split") << qint64(-5000) << 30.0 << "Remaining: $0.00" << "color: green;"
                                         << "food:-2000,home:-3000";
    QTest::newRow("over-split") << qint64(-5000) << 40.0 << "Remaining: -$10.00" << "color: #cc0000;"
                                << "food:-2000,home:-4000";
    QTest::newRow("deposit, left over") << qint64(5000) << 0.0 << "Remaining: $30.00" << ""
                                        << "food:2000";
}

void TestTransactionForms::editorRemaining()
{
    QFETCH(qint64, total);
    QFETCH(double, second);
    QFETCH(QString, text);
    QFETCH(QString, style);
    QFETCH(QString, lines);
    SplitEditorDialog dialog(&m_state, total, {line(QStringLiteral("food"), 2000), line(QStringLiteral("home"), 1)});
    QCOMPARE(field<QLabel>(&dialog, "totalLabel")->text(), QStringLiteral("Total: $50.00"));
    setRow(dialog.linesWidget(), 1, QStringLiteral("home"), second);
    auto* remaining = field<QLabel>(&dialog, "remainingLabel");
    QCOMPARE(remaining->text(), text);
    QCOMPARE(remaining->styleSheet(), style);
    QCOMPARE(remaining->property("larkFontWeight").toInt(), 700);
    dialog.accept(); // not adding up is allowed
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(amounts(dialog.lines()), lines);
}

void TestTransactionForms::categoryFromText_data()
{
    QTest::addColumn<QString>("current"); // id made current first
    QTest::addColumn<QString>("typed");   // edit text afterwards; empty = leave
    QTest::addColumn<QString>("expected");
    QTest::newRow("exact label typed") << "" << "Food" << "food";
    QTest::newRow("other letter case") << "" << "food" << "";
    QTest::newRow("parent path label") << "" << "Home > Utilities" << "util-home";
    QTest::newRow("second of two same labels") << "dup-2" << "" << "dup-2";
    QTest::newRow("typed same label takes first") << "food" << "Dup" << "dup-1";
    QTest::newRow("unknown text") << "food" << "Fod" << "";
}

void TestTransactionForms::categoryFromText()
{
    QFETCH(QString, current);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TransactionFormDialog form(&m_state, QStringLiteral("acc-checking"));
    auto* combo = field<QComboBox>(&form, "categoryCombo");
    if (!current.isEmpty())
        combo->setCurrentIndex(combo->findData(current));
    if (!typed.isEmpty())
        combo->setEditText(typed);
    QCOMPARE(form.transaction().categoryId, expected);
}

void TestTransactionForms::deletedCategoriesKept()
{
    // The form: the transaction's own category, deleted since.
    Transaction t;
    t.id = QStringLiteral("t-gone");
    t.accountId = QStringLiteral("acc-checking");
    t.date = QDate(2024, 4, 2);
    t.amount = 700;
    t.categoryId = QStringLiteral("gone");
    TransactionFormDialog form(&m_state, t);
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Transaction"));
    QCOMPARE(field<QComboBox>(&form, "categoryCombo")->currentText(), QStringLiteral("Home > Gone (deleted)"));
    QVERIFY(field<QRadioButton>(&form, "depositRadio")->isChecked());
    const Transaction saved = form.transaction();
    QCOMPARE(saved.categoryId, QStringLiteral("gone"));
    QCOMPARE(saved.id, t.id);

    // The split table: a line in a deleted category, and one of two
    // same-named categories, read back with their own ids.
    SplitLinesWidget widget(&m_state);
    widget.setLines({line(QStringLiteral("gone"), -100), line(QStringLiteral("util-biz"), -200)});
    QCOMPARE(rowCombo(&widget, 0)->currentText(), QStringLiteral("Gone (deleted)"));
    QCOMPARE(rowCombo(&widget, 1)->currentText(), QStringLiteral("Utilities"));
    QCOMPARE(amounts(widget.lines(-1)), QStringLiteral("gone:-100,util-biz:-200"));
    QCOMPARE(widget.uncategorizedRow(), -1);
}

void TestTransactionForms::splitWithoutCategoryRefused()
{
    TransactionFormDialog form(&m_state, QStringLiteral("acc-checking"));
    field<SmartAmountField>(&form, "amountField")->setValue(8.0); // category "(none)"
    field<QPushButton>(&form, "splitButton")->click();
    form.accept();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
    QVERIFY(m_boxes.first().text.startsWith(QStringLiteral("Split line 1 has an amount but no category.")));

    SplitEditorDialog editor(&m_state, -800, {line(QString(), -800)});
    editor.accept();
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    QCOMPARE(m_boxes.size(), 2);
    setRow(editor.linesWidget(), 0, QStringLiteral("food"), 8.0);
    editor.accept();
    QCOMPARE(editor.result(), int(QDialog::Accepted));
}

void TestTransactionForms::payeeCompletionOffersOtherAccounts()
{
    Transaction typed;
    typed.id = QStringLiteral("t-self");
    typed.accountId = QStringLiteral("acc-savings");
    typed.date = QDate(2024, 1, 5);
    typed.payee = QStringLiteral("[Transfer] Checking"); // stored as typed in an edit
    typed.amount = -1234;
    typed.memo = QStringLiteral("weekly");
    typed.categoryId = QStringLiteral("food");
    typed.createdAt = typed.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state.transactionRepository()->insert(typed));

    TransactionFormDialog checking(&m_state, QStringLiteral("acc-checking"));
    QCompleter* completer = field<QLineEdit>(&checking, "payeeEdit")->completer();
    QVERIFY(completer);
    QStringList offered;
    for (int row = 0; row < completer->model()->rowCount(); ++row)
        offered << completer->model()->index(row, 0).data().toString();
    QCOMPARE(offered, (QStringList{"[Transfer] Savings"}));

    TransactionFormDialog savings(&m_state, QStringLiteral("acc-savings"));
    savings.onPayeeSelected(typed.payee);
    QCOMPARE(field<SmartAmountField>(&savings, "amountField")->value(), 12.34);
    QVERIFY(field<QRadioButton>(&savings, "paymentRadio")->isChecked());
    QCOMPARE(field<QLineEdit>(&savings, "memoEdit")->text(), QStringLiteral("weekly"));
    QCOMPARE(field<QComboBox>(&savings, "categoryCombo")->currentData().toString(), QStringLiteral("food"));
    TestSupport::exec(QStringLiteral("DELETE FROM transactions"));
}

void TestTransactionForms::detailsAmount_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");
    QTest::newRow("deposit, light") << qint64(2500) << false << "$25.00" << "color: #2E7D32; font-weight: 600;";
    QTest::newRow("payment, light") << qint64(-2500) << false << "- $25.00" << "color: #C62828; font-weight: 600;";
    QTest::newRow("payment, dark") << qint64(-2500) << true << "- $25.00" << "color: #FF8A80; font-weight: 600;";
    QTest::newRow("zero, dark") << qint64(0) << true << "$0.00" << "color: #66BB6A; font-weight: 600;";
}

void TestTransactionForms::detailsAmount()
{
    QFETCH(qint64, amount);
    QFETCH(bool, dark);
    QFETCH(QString, text);
    QFETCH(QString, style);
    const QPalette saved = QApplication::palette();
    if (dark) {
        QPalette palette = saved;
        palette.setColor(QPalette::Window, QColor(30, 30, 30));
        QApplication::setPalette(palette);
    }
    Transaction t;
    t.id = QStringLiteral("t-amount");
    t.amount = amount;
    TransactionDetailsDialog dialog(&m_state, t);
    QApplication::setPalette(saved);
    QCOMPARE(field<QLabel>(&dialog, "amountValue")->text(), text);
    QCOMPARE(field<QLabel>(&dialog, "amountValue")->styleSheet(), style);
    for (const char* empty : {"memoValue", "checkNumberValue", "categoryValue"})
        QCOMPARE(field<QLabel>(&dialog, empty)->text(), QStringLiteral("\u2014"));
}

void TestTransactionForms::detailsStatusAndSplits()
{
    Transaction t;
    t.id = QStringLiteral("t-details");
    t.accountId = QStringLiteral("acc-checking");
    t.date = QDate(2024, 6, 1);
    t.payee = QStringLiteral("Hardware");
    t.amount = -4000;
    t.isSplit = true;
    t.transferDestAccountId = QStringLiteral("acc-vanished");
    t.createdAt = t.updatedAt = QDateTime(QDate(2024, 6, 1), QTime(8, 0), Qt::UTC);
    QVERIFY(m_state.transactionRepository()->insert(t));

    {
        TransactionDetailsDialog dialog(&m_state, t);
        QCOMPARE(field<QLabel>(&dialog, "transferValue")->text(), QStringLiteral("acc-vanished"));
        QCOMPARE(field<QLabel>(&dialog, "noSplitLines")->text(), QStringLiteral("(no split lines on record)"));
        auto* toggle = field<QPushButton>(&dialog, "clearedButton");
        QSignalSpy writes(m_state.transactionRepository(), &TransactionRepository::transactionsChanged);
        toggle->click();
        QCOMPARE(field<QLabel>(&dialog, "statusValue")->text(), QStringLiteral("Cleared"));
        QCOMPARE(toggle->text(), QStringLiteral("Mark Uncleared"));
        QVERIFY(m_state.transactionRepository()->findById(t.id)->cleared);
        toggle->click();
        QCOMPARE(field<QLabel>(&dialog, "statusValue")->text(), QStringLiteral("Uncleared"));
        QCOMPARE(writes.size(), 2);
        QVERIFY(!m_state.transactionRepository()->findById(t.id)->cleared);
    }

    QVERIFY(m_state.splitLineRepository()->replaceForTransaction(
        t.id, {line(QStringLiteral("food"), -1500), line(QStringLiteral("util-home"), -2500)}));
    t.reconciled = true;
    TransactionDetailsDialog reconciled(&m_state, t);
    QCOMPARE(reconciled.findChild<QPushButton*>(QStringLiteral("clearedButton")), nullptr);
    QCOMPARE(field<QLabel>(&reconciled, "statusValue")->text(), QStringLiteral("Reconciled"));
    QCOMPARE(field<QLabel>(&reconciled, "splitTotal")->text(), QStringLiteral("$40.00"));

    // Delete from the dialog asks the shared question and closes.
    field<QPushButton>(&reconciled, "deleteButton")->click();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("Delete \"Hardware\" for $40.00?"));
    QVERIFY(reconciled.wasDeleted());
    QCOMPARE(reconciled.result(), int(QDialog::Accepted));
    QVERIFY(m_state.transactionRepository()->findById(t.id)->deletedAt);
    TestSupport::exec(QStringLiteral("DELETE FROM split_lines"));
    TestSupport::exec(QStringLiteral("DELETE FROM transactions"));
}

TALLYLEAF_TEST_MAIN(TestTransactionForms)
#include "tst_transactionforms.moc"
