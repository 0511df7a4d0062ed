#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/widgets/datefield.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/dialogs/spliteditordialog.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/transactionactions.h"
#include "ui/dialogs/transactiondetailsdialog.h"
#include "ui/dialogs/transactionformdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTableWidget>

namespace {

const QString kChecking = QStringLiteral("acc-checking");
const QString kSavingsFirst = QStringLiteral("acc-savings-first");
const QString kSavingsSecond = QStringLiteral("acc-savings-second");
const QString kEuro = QStringLiteral("acc-euro");
const QString kOld = QStringLiteral("acc-old");
const QString kFood = QStringLiteral("cat-food");
const QString kGone = QStringLiteral("cat-gone");

using TestSupport::field;

Transaction plain(const QString& id, const QString& accountId, qint64 amount, const QString& payee)
{
    Transaction t;
    t.id = id;
    t.accountId = accountId;
    t.date = QDate(2024, 5, 10);
    t.payee = payee;
    t.amount = amount;
    t.createdAt = QDateTime(QDate(2024, 5, 10), QTime(9, 0), Qt::UTC);
    t.updatedAt = t.createdAt;
    return t;
}

SplitLine line(const QString& id, const QString& categoryId, qint64 amount, const QString& memo = QString())
{
    SplitLine l;
    l.id = id;
    l.categoryId = categoryId;
    l.amount = amount;
    l.memo = memo;
    l.createdAt = l.updatedAt = QDateTime(QDate(2024, 5, 10), QTime(9, 0), Qt::UTC);
    return l;
}

int liveRows()
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL")).toInt();
}

// "category:amount:memo" per stored line, in stored order.
QString storedLines(SplitLineRepository* repo, const QString& transactionId)
{
    QStringList parts;
    for (const SplitLine& l : repo->findByTransaction(transactionId))
        parts << QStringLiteral("%1:%2:%3").arg(l.categoryId).arg(l.amount).arg(l.memo);
    return parts.join(QLatin1Char(','));
}

} // namespace

class TestTransactionActions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void resolveTransfer_data();
    void resolveTransfer();
    void counterpartFieldsAndInsertOrder();
    void addTransactionChecks_data();
    void addTransactionChecks();
    void duplicateTransfer_data();
    void duplicateTransfer();
    void confirmDelete_data();
    void confirmDelete();
    void toggleCleared();
    void openingBalanceRowRefused();
    void deletedCategoryLineSurvivesEdit();
    void failedWritesLeaveNothing_data();
    void failedWritesLeaveNothing();
    void failedSplitSaveKeepsOldLines();
    void detailsRereadsBeforeEdit();
    void detailsToggleRereads();
    void detailsEnterNeverDeletes();
    void editTransferKeepsSidesInStep_data();
    void editTransferKeepsSidesInStep();
    void renamedRowIsFollowed_data();
    void renamedRowIsFollowed();

private:
    Transaction stored(const QString& id) const { return *m_state.transactionRepository()->findById(id); }

    AppState m_state;
    QList<MessageBoxes::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QList<std::function<int(QDialog*)>> m_dialogs; // one handler per dialog run, in order
    int m_dialogRuns = 0;
};

void TestTransactionActions::initTestCase()
{
    QVERIFY(m_state.initialize());
    struct Spec { QString id; QString name; CurrencyCode currency; int order; };
    // The second "Savings" is written first but sorts first.
    const QList<Spec> accounts = {{kChecking, "Checking", CurrencyCode::USD, 0},
                                  {kSavingsSecond, "Savings", CurrencyCode::USD, 5},
                                  {kSavingsFirst, "Savings", CurrencyCode::USD, 1},
                                  {kEuro, "Euro", CurrencyCode::EUR, 2},
                                  {kOld, "Old", CurrencyCode::USD, 3}};
    for (const Spec& s : accounts) {
        Account a;
        a.id = s.id;
        a.name = s.name;
        a.currency = s.currency;
        a.sortOrder = s.order;
        a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.accountRepository()->insert(a));
    }
    QVERIFY(m_state.accountRepository()->softDelete(kOld));
    for (const QString& id : {kFood, kGone}) {
        Category c;
        c.id = id;
        c.name = id == kFood ? QStringLiteral("Food") : QStringLiteral("Gone");
        c.createdAt = c.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.categoryRepository()->insert(c));
    }
    QVERIFY(m_state.categoryRepository()->softDelete(kGone));
}

void TestTransactionActions::init()
{
    TestSupport::exec(QStringLiteral("DELETE FROM split_lines"));
    TestSupport::exec(QStringLiteral("DELETE FROM transactions"));
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_dialogs.clear();
    m_dialogRuns = 0;
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        return r.buttons.testFlag(m_answer) ? m_answer : QMessageBox::Ok;
    });
    MessageBoxes::setDialogRunner([this](QDialog* dialog) {
        const int run = m_dialogRuns++;
        if (run >= m_dialogs.size())
            return int(QDialog::Rejected);
        return m_dialogs.at(run)(dialog);
    });
}

void TestTransactionActions::cleanup()
{
    MessageBoxes::setPresenter({});
    MessageBoxes::setDialogRunner({});
}

void TestTransactionActions::resolveTransfer_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("payeeAfter");
    QTest::newRow("plain payee") << "Grocer" << 0 << "" << "Grocer";
    QTest::newRow("prefix without its blank") << "[Transfer]Savings" << 0 << "" << "[Transfer]Savings";
    QTest::newRow("prefix in other case") << "[transfer] Savings" << 0 << "" << "[transfer] Savings";
    QTest::newRow("first Savings by sort order") << "[Transfer] Savings" << 1 << kSavingsFirst
                                                 << "Transfer to Savings";
    QTest::newRow("name in other case") << "[Transfer] savings" << 2 << "" << "[Transfer] savings";
    QTest::newRow("name not trimmed") << "[Transfer] Savings " << 2 << "" << "[Transfer] Savings ";
    QTest::newRow("deleted account") << "[Transfer] Old" << 2 << "" << "[Transfer] Old";
    QTest::newRow("prefix alone") << "[Transfer] " << 2 << "" << "[Transfer] ";
    QTest::newRow("other currency") << "[Transfer] Euro" << 3 << "" << "[Transfer] Euro";
}

void TestTransactionActions::resolveTransfer()
{
    QFETCH(QString, payee);
    QFETCH(int, result);
    QFETCH(QString, target);
    QFETCH(QString, payeeAfter);
    QString targetId = QStringLiteral("stale");
    const TransferCheck check = TransactionActions::resolveTransfer(&m_state, kChecking, payee, targetId);
    QCOMPARE(int(check), result);
    QCOMPARE(targetId, target);
    QCOMPARE(payee, payeeAfter);
}

void TestTransactionActions::counterpartFieldsAndInsertOrder()
{
    Transaction source = plain(QStringLiteral("src"), kChecking, -4000, QStringLiteral("Transfer to Savings"));
    source.cleared = true;
    source.reconciled = true;
    source.memo = QStringLiteral("memo stays on the source");
    source.categoryId = kFood;
    source.checkNumber = QStringLiteral("101");
    const Transaction other = TransactionActions::makeTransferCounterpart(&m_state, source, kSavingsFirst);

    QCOMPARE(other.id.size(), 36);
    QCOMPARE(other.accountId, kSavingsFirst);
    QCOMPARE(other.date, source.date);
    QCOMPARE(other.payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(other.amount, 4000);
    QVERIFY(other.cleared && other.reconciled);
    QCOMPARE(other.createdAt, source.createdAt);
    QCOMPARE(other.updatedAt, source.updatedAt);
    QVERIFY(other.memo.isEmpty() && other.categoryId.isEmpty() && other.checkNumber.isEmpty());
    QCOMPARE(other.version, 1);
    QCOMPARE(other.syncStatus, SyncStatus::Pending);
    QCOMPARE(other.transferLinkId, QStringLiteral("src"));
    QCOMPARE(other.transferDestAccountId, kChecking);
    QCOMPARE(source.transferLinkId, other.id);
    QCOMPARE(source.transferDestAccountId, kSavingsFirst);

    QVERIFY(m_state.transactionService()->insertTransaction(source, &other, {}));
    QSqlQuery q(QStringLiteral("SELECT id FROM transactions ORDER BY rowid"));
    QStringList order;
    while (q.next())
        order << q.value(0).toString();
    QCOMPARE(order, (QStringList{other.id, QStringLiteral("src")}));
}

void TestTransactionActions::addTransactionChecks_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("warning"); // empty: saved on the first run
    QTest::newRow("plain") << "Grocer" << false << "";
    QTest::newRow("transfer") << "[Transfer] Savings" << false << "";
    QTest::newRow("unknown account") << "[Transfer] Nowhere" << false << "Transfer account not found";
    QTest::newRow("other currency") << "[Transfer] Euro" << false
                                    << "Transfers require both accounts to use the same currency";
    QTest::newRow("split transfer") << "[Transfer] Savings" << true << "A transfer can't be split across categories";
    QTest::newRow("account deleted by a sync") << "Grocer" << false << "This account no longer exists. Nothing was saved.";
}

void TestTransactionActions::addTransactionChecks()
{
    QFETCH(QString, payee);
    QFETCH(bool, split);
    QFETCH(QString, warning);

    auto fill = [&](QDialog* dialog) {
        auto* form = qobject_cast<TransactionFormDialog*>(dialog);
        field<QLineEdit>(form, "payeeEdit")->setText(payee);
        field<SmartAmountField>(form, "amountField")->setValue(40.0);
        field<QComboBox>(form, "categoryCombo")->setCurrentIndex(
            field<QComboBox>(form, "categoryCombo")->findData(kFood));
        if (split)
            field<QPushButton>(form, "splitButton")->click();
        form->accept();
        return form->result();
    };
    // After a refusal the same form comes back with what was entered.
    auto secondRun = [&](QDialog* dialog) {
        auto* form = qobject_cast<TransactionFormDialog*>(dialog);
        if (field<QLineEdit>(form, "payeeEdit")->text() != payee || !qFuzzyCompare(
                field<SmartAmountField>(form, "amountField")->value(), 40.0))
            return int(QDialog::Accepted); // would store a row and fail the test
        if (split) {
            field<QPushButton>(form, "singleCategoryButton")->click();
            form->accept();
            return form->result();
        }
        return int(QDialog::Rejected);
    };
    m_dialogs = {fill, secondRun};

    const bool accountGone = warning.startsWith("This account");
    const bool saved = TransactionActions::addTransaction(&m_state, accountGone ? kOld : kChecking, nullptr, nullptr);
    QCOMPARE(m_boxes.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty()) {
        QCOMPARE(m_boxes.first().title, accountGone ? "Transaction" : "Transfer");
        QCOMPARE(m_boxes.first().text, warning);
        QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
        QCOMPARE(m_dialogRuns, 2);
    }
    // A split transfer dropped its split on the second run and was saved.
    const bool transfer = payee == QLatin1String("[Transfer] Savings");
    QCOMPARE(saved, warning.isEmpty() || split);
    QCOMPARE(liveRows(), !saved ? 0 : transfer ? 2 : 1);
    if (!saved)
        return;
    QSqlQuery q(QStringLiteral("SELECT id FROM transactions WHERE account_id = '%1'").arg(kChecking));
    QVERIFY(q.next());
    const Transaction mine = stored(q.value(0).toString());
    QCOMPARE(mine.amount, -4000);
    QVERIFY(!mine.isSplit);
    if (!transfer) {
        QCOMPARE(mine.payee, payee);
        QVERIFY(mine.transferLinkId.isEmpty());
        return;
    }
    QCOMPARE(mine.payee, QStringLiteral("Transfer to Savings"));
    const Transaction other = stored(mine.transferLinkId);
    QCOMPARE(other.accountId, kSavingsFirst);
    QCOMPARE(other.payee, QStringLiteral("Transfer from Checking"));
    QCOMPARE(other.amount, 4000);
    QCOMPARE(other.transferLinkId, mine.id);
    QCOMPARE(mine.transferDestAccountId, kSavingsFirst);
}

void TestTransactionActions::duplicateTransfer_data()
{
    QTest::addColumn<bool>("otherAccountDeleted");
    QTest::newRow("other account live") << false;
    QTest::newRow("other account deleted") << true;
}

void TestTransactionActions::duplicateTransfer()
{
    QFETCH(bool, otherAccountDeleted);
    TestSupport::exec(QStringLiteral("DELETE FROM accounts WHERE id = 'acc-temp'"));
    Account temp;
    temp.id = QStringLiteral("acc-temp");
    temp.name = QStringLiteral("Temp");
    temp.sortOrder = 9;
    temp.createdAt = temp.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state.accountRepository()->insert(temp));

    Transaction source = plain(QStringLiteral("src"), kChecking, -2500, QStringLiteral("Transfer to Temp"));
    source.cleared = true;
    source.checkNumber = QStringLiteral("77");
    const Transaction other = TransactionActions::makeTransferCounterpart(&m_state, source, temp.id);
    QVERIFY(m_state.transactionService()->insertTransaction(source, &other, {}));
    if (otherAccountDeleted)
        QVERIFY(m_state.accountRepository()->softDelete(temp.id));

    QString shownPayee;
    QDate shownDate;
    QString shownCheck;
    m_dialogs = {[&](QDialog* dialog) {
        shownPayee = field<QLineEdit>(dialog, "payeeEdit")->text();
        shownDate = field<DateField>(dialog, "dateField")->date();
        shownCheck = field<QLineEdit>(dialog, "checkNumberEdit")->text();
        dialog->accept();
        return dialog->result();
    }};
    QVERIFY(TransactionActions::duplicate(&m_state, source, nullptr));
    QCOMPARE(shownPayee, otherAccountDeleted ? QStringLiteral("Transfer to Temp") : QStringLiteral("[Transfer] Temp"));
    QCOMPARE(shownDate, QDate::currentDate());
    QVERIFY(shownCheck.isEmpty());

    QSqlQuery q(QStringLiteral("SELECT id FROM transactions WHERE account_id = '%1' AND id <> 'src'").arg(kChecking));
    QVERIFY(q.next());
    const Transaction copy = stored(q.value(0).toString());
    QVERIFY(!q.next());
    QCOMPARE(copy.date, QDate::currentDate());
    QCOMPARE(copy.amount, -2500);
    QVERIFY(!copy.cleared);
    if (otherAccountDeleted) {
        QCOMPARE(copy.payee, QStringLiteral("Transfer to Temp"));
        QVERIFY(copy.transferLinkId.isEmpty());
        QCOMPARE(liveRows(), 3);
    } else {
        QCOMPARE(copy.payee, QStringLiteral("Transfer to Temp"));
        const Transaction pair = stored(copy.transferLinkId);
        QCOMPARE(pair.transferLinkId, copy.id);
        QCOMPARE(pair.accountId, temp.id);
        QCOMPARE(pair.date, QDate::currentDate());
        QVERIFY(pair.id != other.id);
        QCOMPARE(liveRows(), 4);
    }
}

void TestTransactionActions::confirmDelete_data()
{
    QTest::addColumn<bool>("transfer");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("question");
    QTest::addColumn<int>("liveAfter");
    QTest::newRow("plain payment, yes") << false << true << "Delete \"Rent\" for $12.50?" << 0;
    QTest::newRow("plain payment, no") << false << false << "Delete \"Rent\" for $12.50?" << 1;
    QTest::newRow("transfer, yes") << true << true
                                   << "Delete transfer \"Rent\" for $12.50?\n\n"
                                      "Both sides of the transfer will be deleted."
                                   << 0;
    QTest::newRow("transfer, no") << true << false
                                  << "Delete transfer \"Rent\" for $12.50?\n\n"
                                     "Both sides of the transfer will be deleted."
                                  << 2;
}

void TestTransactionActions::confirmDelete()
{
    QFETCH(bool, transfer);
    QFETCH(bool, yes);
    QFETCH(QString, question);
    QFETCH(int, liveAfter);
    Transaction t = plain(QStringLiteral("t1"), kChecking, -1250, QStringLiteral("Rent"));
    if (transfer) {
        const Transaction other = TransactionActions::makeTransferCounterpart(&m_state, t, kSavingsFirst);
        QVERIFY(m_state.transactionService()->insertTransaction(t, &other, {}));
    } else {
        QVERIFY(m_state.transactionRepository()->insert(t));
    }
    m_answer = yes ? QMessageBox::Yes : QMessageBox::No;
    QSignalSpy changed(m_state.transactionRepository(), &TransactionRepository::transactionsChanged);

    QCOMPARE(TransactionActions::confirmDelete(&m_state, t, nullptr), yes);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Delete Transaction"));
    QCOMPARE(m_boxes.first().text, question);
    QCOMPARE(m_boxes.first().buttons, QMessageBox::Yes | QMessageBox::No);
    // A second Enter must never delete.
    QCOMPARE(m_boxes.first().defaultButton, QMessageBox::No);
    QCOMPARE(liveRows(), liveAfter);
    QCOMPARE(changed.size(), yes ? (transfer ? 2 : 1) : 0);
    if (transfer && yes)
        QCOMPARE(changed.first().first().toString(), kSavingsFirst); // the other side goes first
}

void TestTransactionActions::toggleCleared()
{
    Transaction t = plain(QStringLiteral("t1"), kChecking, -500, QStringLiteral("Cafe"));
    Transaction r = plain(QStringLiteral("t2"), kChecking, -500, QStringLiteral("Cafe"));
    r.reconciled = true;
    r.cleared = true;
    r.syncStatus = SyncStatus::Synced;
    QVERIFY(m_state.transactionRepository()->insert(t));
    QVERIFY(m_state.transactionRepository()->insert(r));

    QVERIFY(!TransactionActions::toggleCleared(&m_state, r));
    const Transaction untouched = stored(QStringLiteral("t2"));
    QVERIFY(untouched.cleared);
    QCOMPARE(untouched.syncStatus, SyncStatus::Synced);
    QCOMPARE(untouched.updatedAt, r.updatedAt);

    QVERIFY(TransactionActions::toggleCleared(&m_state, t));
    QVERIFY(stored(QStringLiteral("t1")).cleared);
    QVERIFY(stored(QStringLiteral("t1")).updatedAt > t.updatedAt);
    QVERIFY(m_boxes.isEmpty());
}

void TestTransactionActions::openingBalanceRowRefused()
{
    // The register's opening-balance row: a transaction without an id.
    Transaction opening = plain(QString(), kChecking, 100000, QStringLiteral("Opening Balance"));
    m_dialogs = {[](QDialog* d) { d->accept(); return d->result(); },
                 [](QDialog* d) { d->accept(); return d->result(); }};
    QVERIFY(!TransactionActions::confirmDelete(&m_state, opening, nullptr));
    QVERIFY(!TransactionActions::edit(&m_state, opening, nullptr));
    QVERIFY(!TransactionActions::duplicate(&m_state, opening, nullptr));
    QVERIFY(!TransactionActions::editSplits(&m_state, opening, nullptr));
    QVERIFY(!TransactionActions::toggleCleared(&m_state, opening));
    QVERIFY(!TransactionActions::saveSplitLines(&m_state, opening, {line("l", kFood, 5)}));
    QCOMPARE(m_dialogRuns, 0);
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(liveRows(), 0);
}

void TestTransactionActions::deletedCategoryLineSurvivesEdit()
{
    Transaction t = plain(QStringLiteral("split-1"), kChecking, -3000, QStringLiteral("Market"));
    t.isSplit = true;
    QVERIFY(m_state.transactionRepository()->insert(t));
    QVERIFY(TransactionActions::saveSplitLines(
        &m_state, t, {line("l1", kGone, -1000, "old"), line("l2", kFood, -2000, "bread")}));
    const QString expected = QStringLiteral("%1:-1000:old,%2:-2000:bread").arg(kGone, kFood);

    QString shownLabel;
    m_dialogs = {[&](QDialog* dialog) {
                     auto* table = field<QTableWidget>(dialog, "splitTable");
                     shownLabel = qobject_cast<QComboBox*>(table->cellWidget(0, 0))->currentText();
                     dialog->accept();
                     return dialog->result();
                 },
                 [](QDialog* dialog) {
                     dialog->accept();
                     return dialog->result();
                 }};
    QVERIFY(TransactionActions::edit(&m_state, t, nullptr));
    QCOMPARE(shownLabel, QStringLiteral("Gone (deleted)"));
    QCOMPARE(storedLines(m_state.splitLineRepository(), t.id), expected);
    QVERIFY(stored(t.id).isSplit);

    QVERIFY(TransactionActions::editSplits(&m_state, stored(t.id), nullptr));
    QCOMPARE(storedLines(m_state.splitLineRepository(), t.id), expected);
    QVERIFY(m_boxes.isEmpty());
}

void TestTransactionActions::failedWritesLeaveNothing_data()
{
    QTest::addColumn<QString>("failingAccount");
    QTest::addColumn<bool>("outerTransaction");
    QTest::newRow("counterpart fails") << kSavingsFirst << false;
    QTest::newRow("source fails after counterpart") << kChecking << false;
    QTest::newRow("source fails inside an open transaction") << kChecking << true;
}

void TestTransactionActions::failedWritesLeaveNothing()
{
    QFETCH(QString, failingAccount);
    QFETCH(bool, outerTransaction);
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER fail_insert BEFORE INSERT ON transactions "
                                     "WHEN NEW.account_id = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
                          .arg(failingAccount));
    QSqlDatabase db = QSqlDatabase::database();
    if (outerTransaction) {
        QVERIFY(db.transaction());
        QVERIFY(m_state.transactionRepository()->insert(
            plain(QStringLiteral("theirs"), kEuro, 100, QStringLiteral("Import"))));
    }

    m_dialogs = {[](QDialog* dialog) {
        field<QLineEdit>(dialog, "payeeEdit")->setText(QStringLiteral("[Transfer] Savings"));
        field<SmartAmountField>(dialog, "amountField")->setValue(15.0);
        dialog->accept();
        return dialog->result();
    }};
    QSignalSpy changed(m_state.transactionRepository(), &TransactionRepository::transactionsChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
    QVERIFY(!TransactionActions::addTransaction(&m_state, kChecking, nullptr, nullptr));

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.first().text, QStringLiteral("The transaction could not be saved. Nothing was changed."));
    // Views that saw the counterpart arrive are told it is gone again.
    if (failingAccount == kChecking)
        QVERIFY(changed.size() >= 2 && changed.last().first().toString() == kSavingsFirst);
    if (outerTransaction) {
        QVERIFY(db.commit());
        QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 1);
        QVERIFY(m_state.transactionRepository()->findById(QStringLiteral("theirs")));
    } else {
        QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    }
    TestSupport::exec(QStringLiteral("DROP TRIGGER temp.fail_insert"));
}

void TestTransactionActions::failedSplitSaveKeepsOldLines()
{
    Transaction t = plain(QStringLiteral("split-2"), kChecking, -3000, QStringLiteral("Market"));
    t.isSplit = true;
    QVERIFY(m_state.transactionRepository()->insert(t));
    QVERIFY(TransactionActions::saveSplitLines(&m_state, t, {line("a", kFood, -3000, "all")}));
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER fail_line BEFORE INSERT ON split_lines "
                                     "BEGIN SELECT RAISE(ABORT, 'forced'); END"));

    // The editor changes the memo; the stored line must not be lost.
    m_dialogs = {[](QDialog* dialog) {
        auto* table = field<QTableWidget>(dialog, "splitTable");
        table->item(0, 2)->setText(QStringLiteral("changed"));
        qobject_cast<SmartAmountField*>(table->cellWidget(0, 1))->setValue(10.0);
        dialog->accept();
        return dialog->result();
    }};
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^SplitLineRepository::replaceForTransaction failed:")));
    QVERIFY(!TransactionActions::editSplits(&m_state, t, nullptr));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(storedLines(m_state.splitLineRepository(), t.id), QStringLiteral("%1:-3000:all").arg(kFood));
    QCOMPARE(stored(t.id).updatedAt, t.updatedAt); // the transaction's update was undone too
    TestSupport::exec(QStringLiteral("DROP TRIGGER temp.fail_line"));
}

void TestTransactionActions::detailsRereadsBeforeEdit()
{
    const Transaction t = plain(QStringLiteral("t1"), kChecking, -700, QStringLiteral("Cafe"));
    QVERIFY(m_state.transactionRepository()->insert(t));
    bool formShowedCleared = false;
    m_dialogs = {[](QDialog* dialog) {
                     field<QPushButton>(dialog, "clearedButton")->click();
                     field<QPushButton>(dialog, "editButton")->click();
                     return dialog->result();
                 },
                 [&](QDialog* dialog) {
                     formShowedCleared = field<QCheckBox>(dialog, "clearedCheck")->isChecked();
                     field<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("edited"));
                     dialog->accept();
                     return dialog->result();
                 }};
    // `t` is the caller's stale copy, still uncleared.
    QVERIFY(TransactionActions::showDetails(&m_state, t, nullptr));
    QVERIFY(formShowedCleared);
    QVERIFY(stored(t.id).cleared);
    QCOMPARE(stored(t.id).memo, QStringLiteral("edited"));
}

void TestTransactionActions::detailsToggleRereads()
{
    const Transaction t = plain(QStringLiteral("t1"), kChecking, -700, QStringLiteral("Cafe"));
    QVERIFY(m_state.transactionRepository()->insert(t));
    m_dialogs = {[this](QDialog* dialog) {
        // A change pulled while the dialog is open must not be written over.
        Transaction pulled = stored(QStringLiteral("t1"));
        pulled.memo = QStringLiteral("from the phone");
        pulled.version = 4;
        m_state.transactionRepository()->update(pulled);
        field<QPushButton>(dialog, "clearedButton")->click();
        return int(QDialog::Rejected);
    }};
    QVERIFY(TransactionActions::showDetails(&m_state, t, nullptr));
    const Transaction after = stored(t.id);
    QVERIFY(after.cleared);
    QCOMPARE(after.memo, QStringLiteral("from the phone"));
    QCOMPARE(after.version, 4);
}

void TestTransactionActions::detailsEnterNeverDeletes()
{
    const Transaction t = plain(QStringLiteral("t1"), kChecking, -700, QStringLiteral("Cafe"));
    QVERIFY(m_state.transactionRepository()->insert(t));
    QString focused;
    m_dialogs = {[&focused](QDialog* dialog) {
        dialog->show();
        if (!QTest::qWaitForWindowActive(dialog))
            return int(QDialog::Accepted);
        focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
        for (int i = 0; i < 2 && dialog->isVisible(); ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return dialog->result();
    }};
    QVERIFY(!TransactionActions::showDetails(&m_state, t, nullptr));
    QCOMPARE(focused, QStringLiteral("closeButton"));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(liveRows(), 1);
}

void TestTransactionActions::editTransferKeepsSidesInStep_data()
{
    QTest::addColumn<double>("amount");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("otherChanged");
    QTest::newRow("amount") << 55.25 << QDate(2024, 5, 10) << true;
    QTest::newRow("date") << 40.0 << QDate(2024, 6, 1) << true;
    QTest::newRow("memo only") << 40.0 << QDate(2024, 5, 10) << false;
}

void TestTransactionActions::editTransferKeepsSidesInStep()
{
    QFETCH(double, amount);
    QFETCH(QDate, date);
    QFETCH(bool, otherChanged);
    Transaction source = plain(QStringLiteral("src"), kChecking, -4000, QStringLiteral("Transfer to Savings"));
    Transaction other = TransactionActions::makeTransferCounterpart(&m_state, source, kSavingsFirst);
    other.memo = QStringLiteral("their memo");
    QVERIFY(m_state.transactionService()->insertTransaction(source, &other, {}));

    bool splitOffered = true;
    m_dialogs = {[&](QDialog* dialog) {
        // A transfer is never split.
        splitOffered = !field<QPushButton>(dialog, "splitButton")->isHidden();
        field<SmartAmountField>(dialog, "amountField")->setValue(amount);
        field<DateField>(dialog, "dateField")->setDate(date);
        field<QLineEdit>(dialog, "memoEdit")->setText(QStringLiteral("mine"));
        dialog->accept();
        return dialog->result();
    }};
    QVERIFY(TransactionActions::edit(&m_state, source, nullptr));
    const Transaction mine = stored(source.id);
    const Transaction theirs = stored(other.id);
    QCOMPARE(mine.amount, -qRound64(amount * 100));
    QCOMPARE(theirs.amount, qRound64(amount * 100));
    QCOMPARE(theirs.date, date);
    QCOMPARE(theirs.memo, QStringLiteral("their memo"));
    QCOMPARE(theirs.version, otherChanged ? 2 : 1);
    QCOMPARE(theirs.syncStatus, SyncStatus::Pending);
    QVERIFY(!splitOffered);
}

void TestTransactionActions::renamedRowIsFollowed_data()
{
    QTest::addColumn<bool>("splits"); // the split editor, else the form
    QTest::addColumn<bool>("gone");   // deleted while open, else renamed
    QTest::newRow("form") << false << false;
    QTest::newRow("split editor") << true << false;
    QTest::newRow("form, row gone") << false << true;
}

// A sync renames the row and its category under an open editor: the memo
// typed is saved on the renamed row. A row gone is said, and the form is back.
void TestTransactionActions::renamedRowIsFollowed()
{
    QFETCH(bool, splits);
    QFETCH(bool, gone);
    const auto sql = [](const char* statement) { TestSupport::exec(QString::fromUtf8(statement)); };
    sql("INSERT OR REPLACE INTO categories (id, name, created_at, updated_at) VALUES ('c1', 'C', '', '')");
    Transaction t = plain(QStringLiteral("t1"), kChecking, -3000, QStringLiteral("Market"));
    t.categoryId = QStringLiteral("c1");
    t.isSplit = splits;
    QVERIFY(m_state.transactionService()->insertTransaction(t, nullptr, {line("l", t.categoryId, -3000)}));
    QString shownAgain;
    m_dialogs = {[&](QDialog* d) {
                     splits ? field<QTableWidget>(d, "splitTable")->item(0, 2)->setText("typed")
                            : field<QLineEdit>(d, "memoEdit")->setText("typed");
                     sql("PRAGMA foreign_keys = OFF");
                     sql("UPDATE OR REPLACE categories SET id = 'c2' WHERE id = 'c1'");
                     sql(gone ? "DELETE FROM transactions" : "UPDATE transactions SET id = 't2', category_id = 'c2'");
                     sql("UPDATE split_lines SET transaction_id = 't2', category_id = 'c2'");
                     sql("PRAGMA foreign_keys = ON");
                     emit m_state.syncEngine()->idsRenamed("categories", {{"c1", "c2"}});
                     emit m_state.syncEngine()->idsRenamed("transactions", {{"t1", "t2"}});
                     d->accept();
                     return d->result();
                 },
                 [&](QDialog* d) { shownAgain = field<QLineEdit>(d, "memoEdit")->text(); return 0; }};
    const auto run = splits ? TransactionActions::editSplits : TransactionActions::edit;
    QCOMPARE(run(&m_state, t, nullptr), !gone);
    QCOMPARE(m_boxes.value(0).text, gone ? "This transaction no longer exists. Nothing was saved." : QString());
    QCOMPARE(shownAgain, gone ? "typed" : QString());
    const char* saved = splits ? "SELECT category_id || ' ' || memo FROM split_lines WHERE transaction_id = 't2'"
                               : "SELECT category_id || ' ' || memo FROM transactions WHERE id = 't2'";
    QCOMPARE(TestSupport::scalar(QString::fromUtf8(saved)).toString(), gone ? QString() : "c2 typed");
}

TALLYLEAF_TEST_MAIN(TestTransactionActions)
#include "tst_transactionactions.moc"
