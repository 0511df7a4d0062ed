#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/reconciliationrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/dialogs/transactionformdialog.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/style.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTableWidget>

#include <time.h>
#include <functional>
#include <memory>

using TestSupport::field;

namespace {

const QString kChecking = QStringLiteral("acc-checking");
const QString kSavings = QStringLiteral("acc-savings");
const QString kEuro = QStringLiteral("acc-euro");
const QString kFood = QStringLiteral("cat-food");
const QString kHome = QStringLiteral("cat-home");

QString label(ReconciliationScreen* screen, const char* name)
{
    return field<QLabel>(screen, name)->text();
}

// Every transaction as "id:amount:cleared:reconciled:version:sync:updated", by id.
QString transactionsSnapshot()
{
    QSqlQuery q(QStringLiteral("SELECT id, amount, cleared, reconciled, version, sync_status, updated_at, "
                               "deleted_at IS NOT NULL FROM transactions ORDER BY id"));
    QStringList rows;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < 8; ++i)
            cells << q.value(i).toString();
        rows << cells.join(QLatin1Char(':'));
    }
    return rows.join(QLatin1Char('|'));
}

int reconciliationCount()
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM reconciliations")).toInt();
}

} // namespace

class TestReconciliation : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startingPoint_data();
    void startingPoint();
    void difference_data();
    void difference();
    void finishWrites_data();
    void finishWrites();
    void finishAborts_data();
    void finishAborts();
    void deletedAccountCannotFinish();
    void discardQuestion_data();
    void discardQuestion();
    void editFromScreen_data();
    void editFromScreen();
    void history();

private:
    QString addTransaction(const QString& accountId, const QDate& date, qint64 amount, bool cleared = false,
                           bool reconciled = false, const QString& payee = QStringLiteral("Payee"));
    void addAccount(const QString& id, const QString& name, qint64 startingBalance,
                    CurrencyCode currency = CurrencyCode::USD);
    void addReconciliation(const QString& accountId, const QDate& statementDate, qint64 balance,
                           const QDateTime& completed);
    // The small account of most cases: $100.00 to start, -$30.00 reconciled
    // (previous balance $70.00), then +$50.00 cleared, -$20.00 and +$0.21.
    void addSmallAccount();
    ReconciliationScreen* openScreen(const QString& accountId = kChecking);
    // Comma-separated steps on the screen's rows: "space:1", "shift+c:0",
    // "r:1", "box:2"; row -1 means no current row.
    void apply(const QString& actions);

    AppState m_state;
    std::unique_ptr<ReconciliationScreen> m_screen;
    QStringList m_ids; // the small account's shown rows, in table order
    QList<MessageBoxes::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes; // to questions
    QList<std::function<int(QDialog*)>> m_dialogs; // one handler per dialog run, in order
    int m_dialogRuns = 0;
    int m_created = 0;
};

void TestReconciliation::initTestCase()
{
    // Completion times show in local time; pin the zone.
    qputenv("TZ", "UTC");
    tzset();
    QVERIFY(m_state.initialize());
    for (const QString& id : {kFood, kHome}) {
        Category c;
        c.id = id;
        c.name = id == kFood ? QStringLiteral("Food") : QStringLiteral("Home");
        c.createdAt = c.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.categoryRepository()->insert(c));
    }
}

void TestReconciliation::init()
{
    for (const char* table : {"split_lines", "transactions", "reconciliations", "accounts"})
        TestSupport::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    m_ids.clear();
    m_boxes.clear();
    m_dialogs.clear();
    m_dialogRuns = 0;
    m_answer = QMessageBox::Yes;
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        return r.buttons.testFlag(QMessageBox::Yes) ? m_answer : QMessageBox::Ok;
    });
    MessageBoxes::setDialogRunner([this](QDialog* dialog) {
        const int run = m_dialogRuns++;
        return run < m_dialogs.size() ? m_dialogs.at(run)(dialog) : int(QDialog::Rejected);
    });
    addAccount(kChecking, QStringLiteral("Checking"), 10000);
    addAccount(kSavings, QStringLiteral("Savings"), 0);
}

void TestReconciliation::cleanup()
{
    m_screen.reset();
    TestSupport::exec(QStringLiteral("DROP TRIGGER IF EXISTS refuse"));
    MessageBoxes::setPresenter({});
    MessageBoxes::setDialogRunner({});
}

void TestReconciliation::addAccount(const QString& id, const QString& name, qint64 startingBalance,
                                    CurrencyCode currency)
{
    Account a;
    a.id = id;
    a.name = name;
    a.currency = currency;
    a.startingBalance = startingBalance;
    a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state.accountRepository()->insert(a));
}

QString TestReconciliation::addTransaction(const QString& accountId, const QDate& date, qint64 amount, bool cleared,
                                           bool reconciled, const QString& payee)
{
    Transaction t;
    t.id = QStringLiteral("tx-%1").arg(++m_created, 3, 10, QLatin1Char('0'));
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.cleared = cleared;
    t.reconciled = reconciled;
    t.version = 3;
    t.syncStatus = SyncStatus::Synced;
    t.createdAt = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC).addSecs(m_created);
    t.updatedAt = QDateTime(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
    if (!m_state.transactionRepository()->insert(t))
        qFatal("transaction insert failed");
    return t.id;
}

void TestReconciliation::addReconciliation(const QString& accountId, const QDate& statementDate, qint64 balance,
                                           const QDateTime& completed)
{
    Reconciliation r;
    r.id = QStringLiteral("rec-%1").arg(statementDate.toString(Qt::ISODate));
    r.accountId = accountId;
    r.statementDate = statementDate;
    r.statementBalance = balance;
    r.reconciledBalance = balance;
    r.completedAt = r.createdAt = r.updatedAt = completed;
    QVERIFY(m_state.reconciliationRepository()->insert(r));
}

void TestReconciliation::addSmallAccount()
{
    addTransaction(kChecking, QDate(2024, 4, 1), -3000, true, true);
    m_ids << addTransaction(kChecking, QDate(2024, 5, 1), 5000, true)
          << addTransaction(kChecking, QDate(2024, 5, 2), -2000)
          << addTransaction(kChecking, QDate(2024, 5, 3), 21);
}

ReconciliationScreen* TestReconciliation::openScreen(const QString& accountId)
{
    m_screen = std::make_unique<ReconciliationScreen>(&m_state);
    m_screen->setAccount(accountId);
    return m_screen.get();
}

void TestReconciliation::apply(const QString& actions)
{
    QTableWidget* table = m_screen->table();
    for (const QString& step : actions.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString what = step.section(QLatin1Char(':'), 0, 0);
        const int row = step.section(QLatin1Char(':'), 1).toInt();
        if (what == QLatin1String("box")) {
            auto* box = qobject_cast<QCheckBox*>(table->cellWidget(row, 0));
            box->setChecked(!box->isChecked());
            continue;
        }
        table->setCurrentCell(row, row < 0 ? -1 : 1);
        const Qt::KeyboardModifiers modifiers = what.startsWith(QLatin1String("shift+")) ? Qt::ShiftModifier
                                                                                          : Qt::NoModifier;
        const QString key = what.section(QLatin1Char('+'), -1);
        QTest::keyClick(table, key == QLatin1String("space") ? Qt::Key_Space
                                : key == QLatin1String("c") ? Qt::Key_C
                                                            : Qt::Key_R,
                        modifiers);
    }
}

void TestReconciliation::startingPoint_data()
{
    QTest::addColumn<QList<QDate>>("reconciledDates"); // -$30.00 each
    QTest::addColumn<QList<QDate>>("statements");
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QDate>("proposed");
    QTest::newRow("nothing reconciled") << QList<QDate>{} << QList<QDate>{} << "$100.00" << QDate::currentDate();
    QTest::newRow("month end clamps") << QList<QDate>{QDate(2024, 1, 20)}
                                      << QList<QDate>{QDate(2023, 12, 31), QDate(2024, 1, 31)} << "$70.00"
                                      << QDate(2024, 2, 29);
    QTest::newRow("transaction after the statement")
        << QList<QDate>{QDate(2024, 3, 5), QDate(2024, 1, 2)} << QList<QDate>{QDate(2024, 2, 28)} << "$40.00"
        << QDate(2024, 4, 5);
    QTest::newRow("transactions only") << QList<QDate>{QDate(2024, 8, 31)} << QList<QDate>{} << "$70.00"
                                       << QDate(2024, 9, 30);
}

void TestReconciliation::startingPoint()
{
    QFETCH(QList<QDate>, reconciledDates);
    QFETCH(QList<QDate>, statements);
    QFETCH(QString, previous);
    QFETCH(QDate, proposed);
    for (const QDate& date : reconciledDates)
        addTransaction(kChecking, date, -3000, true, true);
    for (const QDate& date : statements)
        addReconciliation(kChecking, date, 0, QDateTime::currentDateTimeUtc());
    addTransaction(kChecking, QDate(2025, 1, 1), -999); // unreconciled: no part of either
    ReconciliationScreen* screen = openScreen();
    QCOMPARE(label(screen, "previousBalanceValue"), previous);
    QCOMPARE(screen->statementDateField()->date(), proposed);
    QCOMPARE(screen->table()->rowCount(), 1);
}

void TestReconciliation::difference_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<double>("statement");
    QTest::addColumn<QString>("ticks"); // the rows' check boxes afterwards
    QTest::addColumn<QString>("totals"); // deposits | withdrawals | cleared | difference
    QTest::addColumn<bool>("finishable");
    QTest::newRow("cleared row arrives ticked") << "" << 120.0 << "100" << "$50.00|$0.00|$120.00|$0.00" << true;
    QTest::newRow("space ticks a row") << "space:1" << 100.0 << "110" << "$50.00|-$20.00|$100.00|$0.00" << true;
    QTest::newRow("r ticks, shift+c unticks")
        << "r:1,shift+c:1" << 120.0 << "100" << "$50.00|$0.00|$120.00|$0.00" << true;
    QTest::newRow("check box") << "box:2" << 120.21 << "101" << "$50.21|$0.00|$120.21|$0.00" << true;
    QTest::newRow("one cent short") << "box:2" << 120.20 << "101" << "$50.21|$0.00|$120.21|-$0.01" << false;
    // 70.21 * 100 is 7020.99...: truncating would leave a cent.
    QTest::newRow("unticking a cleared row, cents rounded")
        << "space:0,box:2" << 70.21 << "001" << "$0.21|$0.00|$70.21|$0.00" << true;
    QTest::newRow("no current row") << "space:-1,c:-1" << 120.0 << "100" << "$50.00|$0.00|$120.00|$0.00" << true;
    QTest::newRow("statement above") << "" << 125.5 << "100" << "$50.00|$0.00|$120.00|$5.50" << false;
}

void TestReconciliation::difference()
{
    QFETCH(QString, actions);
    QFETCH(double, statement);
    QFETCH(QString, ticks);
    QFETCH(QString, totals);
    QFETCH(bool, finishable);
    addSmallAccount();
    ReconciliationScreen* screen = openScreen();
    QCOMPARE(screen->table()->rowCount(), 3);
    QCOMPARE(screen->table()->item(1, 3)->text(), QStringLiteral("-$20.00"));
    QCOMPARE(screen->table()->item(1, 3)->foreground().color(), negativeColor());
    QCOMPARE(screen->table()->item(0, 4)->text(), QStringLiteral("C"));
    QCOMPARE(screen->table()->item(0, 1)->text(), QStringLiteral("05/01/2024"));
    apply(actions);
    screen->statementBalanceField()->setValue(statement);

    const QStringList shown{label(screen, "clearedDepositsValue"), label(screen, "clearedWithdrawalsValue"),
                            label(screen, "clearedBalanceValue"), label(screen, "differenceValue")};
    QCOMPARE(shown.join(QLatin1Char('|')), totals);
    QCOMPARE(label(screen, "previousBalanceValue"), QStringLiteral("$70.00"));
    QCOMPARE(screen->finishButton()->isEnabled(), finishable);
    const QColor colour = finishable ? positiveColor() : negativeColor();
    QCOMPARE(field<QLabel>(screen, "differenceValue")->styleSheet(), QStringLiteral("color: %1;").arg(colour.name()));
    QString boxes;
    for (int row = 0; row < 3; ++row)
        boxes += qobject_cast<QCheckBox*>(screen->table()->cellWidget(row, 0))->isChecked() ? '1' : '0';
    QCOMPARE(boxes, ticks);
}

void TestReconciliation::finishWrites_data()
{
    QTest::addColumn<QString>("actions");
    QTest::addColumn<double>("statement");
    QTest::addColumn<QList<int>>("reconciledRows");
    QTest::newRow("cleared row and a ticked one") << "box:2" << 120.21 << QList<int>{0, 2};
    QTest::newRow("nothing ticked") << "space:0" << 70.0 << QList<int>{};
}

void TestReconciliation::finishWrites()
{
    QFETCH(QString, actions);
    QFETCH(double, statement);
    QFETCH(QList<int>, reconciledRows);
    addSmallAccount();
    ReconciliationScreen* screen = openScreen();
    apply(actions);
    screen->statementBalanceField()->setValue(statement);
    screen->statementDateField()->setDate(QDate(2024, 5, 31));
    QSignalSpy completed(screen, &ReconciliationScreen::reconciliationCompleted);
    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    screen->finishButton()->click();

    QCOMPARE(completed.count(), 1);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Information);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Reconciliation Complete"));
    QCOMPARE(m_boxes.first().text, QStringLiteral("Account reconciled successfully."));
    for (int row = 0; row < m_ids.size(); ++row) {
        const Transaction t = *m_state.transactionRepository()->findById(m_ids.at(row));
        const bool reconciled = reconciledRows.contains(row);
        QCOMPARE(t.reconciled, reconciled);
        QCOMPARE(t.cleared, reconciled || row == 0); // an unticked cleared row stays cleared
        QCOMPARE(t.version, reconciled ? 4 : 3); // reconciling a synced row is a local change
        QCOMPARE(t.syncStatus, reconciled ? SyncStatus::Pending : SyncStatus::Synced);
        QCOMPARE(t.updatedAt > before, reconciled);
    }
    const QList<Reconciliation> stored = m_state.reconciliationRepository()->findByAccount(kChecking);
    QCOMPARE(stored.size(), 1);
    const Reconciliation& r = stored.first();
    QCOMPARE(r.id.size(), 36);
    QCOMPARE(r.statementDate, QDate(2024, 5, 31));
    const qint64 expected = qRound64(statement * 100);
    QCOMPARE(r.statementBalance, expected);
    QCOMPARE(r.reconciledBalance, expected); // finished at difference zero
    QVERIFY(r.completedAt >= before);
    QCOMPARE(r.createdAt, r.completedAt);
    QCOMPARE(r.updatedAt, r.completedAt);
    QCOMPARE(r.version, 1);
    QCOMPARE(r.syncStatus, SyncStatus::Pending);
    QVERIFY(r.serverId.isEmpty() && !r.deletedAt);
}

void TestReconciliation::finishAborts_data()
{
    QTest::addColumn<QString>("sql"); // %1, %2, %3: the shown rows' ids
    QTest::addColumn<QString>("text");
    const QString stale = QStringLiteral("Some transactions were changed elsewhere since this list was loaded. "
                                         "Nothing was saved; review the list and finish again.");
    const QString failed = QStringLiteral("The reconciliation could not be saved. Nothing was changed.");
    QTest::newRow("amount changed") << "UPDATE transactions SET amount = 5100 WHERE id = '%1'" << stale;
    QTest::newRow("row deleted") << "UPDATE transactions SET deleted_at = '2024-06-01T00:00:00Z' WHERE id = '%3'"
                                 << stale;
    QTest::newRow("reconciled elsewhere") << "UPDATE transactions SET reconciled = 1 WHERE id = '%2'" << stale;
    // The ticked 50.00 and an unticked row made -50.00, both reconciled
    // elsewhere: the balance before the statement stays as it was.
    QTest::newRow("reconciled elsewhere, cancelling pair")
        << "UPDATE transactions SET reconciled = 1, amount = CASE id WHEN '%2' THEN -5000 ELSE amount END "
           "WHERE id IN ('%1', '%2')"
        << stale;
    QTest::newRow("row write fails") << "CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.transactions "
                                        "WHEN NEW.id = '%3' BEGIN SELECT RAISE(ABORT, 'forced'); END"
                                     << failed;
    QTest::newRow("summary write fails") << "CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.reconciliations "
                                            "BEGIN SELECT RAISE(ABORT, 'forced'); END"
                                         << failed;
}

void TestReconciliation::finishAborts()
{
    QFETCH(QString, sql);
    QFETCH(QString, text);
    addSmallAccount();
    ReconciliationScreen* screen = openScreen();
    apply(QStringLiteral("box:2"));
    screen->statementBalanceField()->setValue(120.21);
    QVERIFY(screen->finishButton()->isEnabled());
    for (int i = 0; i < m_ids.size(); ++i)
        sql.replace(QStringLiteral("%%1").arg(i + 1), m_ids.at(i));
    TestSupport::exec(sql);
    const QString before = transactionsSnapshot();
    QSignalSpy completed(screen, &ReconciliationScreen::reconciliationCompleted);
    QSignalSpy changed(m_state.transactionRepository(), &TransactionRepository::transactionsChanged);

    screen->finishButton()->click();
    QCOMPARE(completed.count(), 0);
    QCOMPARE(transactionsSnapshot(), before);
    QCOMPARE(reconciliationCount(), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.first().text, text);
    if (text.startsWith(QLatin1String("Some"))) {
        // Nothing was written, and the list shows the stored rows again,
        // keeping the ticks of the rows still there.
        QCOMPARE(changed.count(), 0);
        QVERIFY(screen->table()->rowCount() < 3 || screen->table()->item(0, 3)->text() == "$51.00");
        auto* first = qobject_cast<QCheckBox*>(screen->table()->cellWidget(0, 0));
        QVERIFY(first && first->isChecked());
    } else {
        // Views that saw an undone write are told again.
        QVERIFY(changed.count() > 0);
    }
}

void TestReconciliation::deletedAccountCannotFinish()
{
    ReconciliationScreen* screen = openScreen();
    screen->statementBalanceField()->setValue(100.0);
    QVERIFY(screen->finishButton()->isEnabled());
    QVERIFY(m_state.accountRepository()->softDelete(kChecking));
    QVERIFY(!screen->finishButton()->isEnabled());
    screen->finish();
    QCOMPARE(reconciliationCount(), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("This account no longer exists. Nothing was saved."));
}

void TestReconciliation::discardQuestion_data()
{
    QTest::addColumn<QString>("how");     // "close", "cancel", "escape" or "finish"
    QTest::addColumn<QString>("actions"); // as apply() takes them, or "add cleared"
    QTest::addColumn<double>("statement");
    QTest::addColumn<QDate>("date");      // invalid: left as proposed
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("closed");
    const QDate proposed;
    for (const char* how : {"close", "cancel", "escape"}) {
        QTest::addRow("%s, nothing changed", how) << how << "" << 0.0 << proposed << false << false << true;
        QTest::addRow("%s, ticked and unticked again", how)
            << how << "space:1,box:1" << 0.0 << proposed << false << false << true;
        QTest::addRow("%s, statement typed as zero", how) << how << "" << 0.001 << proposed << false << false << true;
        // Written at once and ticked as it is stored: nothing to lose.
        QTest::addRow("%s, cleared transaction added", how)
            << how << "add cleared" << 0.0 << proposed << false << false << true;
        QTest::addRow("%s, ticked, yes", how) << how << "space:1" << 0.0 << proposed << true << true << true;
        QTest::addRow("%s, ticked, no", how) << how << "space:1" << 0.0 << proposed << false << true << false;
        QTest::addRow("%s, cleared row unticked, no", how)
            << how << "box:0" << 0.0 << proposed << false << true << false;
        QTest::addRow("%s, balance typed, yes", how) << how << "" << 12.5 << proposed << true << true << true;
        QTest::addRow("%s, balance typed, no", how) << how << "" << 12.5 << proposed << false << true << false;
        QTest::addRow("%s, date typed, no", how)
            << how << "" << 0.0 << QDate(2024, 5, 31) << false << true << false;
    }
    QTest::newRow("finish") << "finish" << "box:2" << 120.21 << QDate(2024, 5, 31) << false << false << true;
}

// Closing the window, Cancel or Escape asks before ticks or a typed statement
// are dropped; No keeps everything as it was. The close after finishing asks
// nothing.
void TestReconciliation::discardQuestion()
{
    QFETCH(QString, how);
    QFETCH(QString, actions);
    QFETCH(double, statement);
    QFETCH(QDate, date);
    QFETCH(bool, answerYes);
    QFETCH(bool, asked);
    QFETCH(bool, closed);
    addSmallAccount();
    ReconciliationScreen* screen = openScreen();
    // As the main window wires it.
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, screen, &QWidget::close);
    screen->show();
    QVERIFY(QTest::qWaitForWindowExposed(screen));
    const QDate proposed = screen->statementDateField()->date();
    if (actions == QLatin1String("add cleared")) {
        m_dialogs = {[](QDialog* form) {
            field<QLineEdit>(form, "payeeEdit")->setText(QStringLiteral("Bank fee"));
            field<SmartAmountField>(form, "amountField")->setValue(4.0);
            field<QCheckBox>(form, "clearedCheck")->setChecked(true);
            form->accept();
            return form->result();
        }};
        screen->addTransaction();
        QCOMPARE(screen->table()->rowCount(), 4);
        QVERIFY(qobject_cast<QCheckBox*>(screen->table()->cellWidget(3, 0))->isChecked());
    } else {
        apply(actions);
    }
    screen->statementBalanceField()->setValue(statement);
    if (date.isValid())
        screen->statementDateField()->setDate(date);
    const QString shownBefore = label(screen, "differenceValue");
    m_answer = answerYes ? QMessageBox::Yes : QMessageBox::No;
    QSignalSpy cancelled(screen, &ReconciliationScreen::cancelled);

    if (how == QLatin1String("close")) {
        QCOMPARE(screen->close(), closed);
    } else if (how == QLatin1String("cancel")) {
        field<QPushButton>(screen, "cancelButton")->click();
        QCOMPARE(cancelled.count(), closed ? 1 : 0);
    } else if (how == QLatin1String("escape")) {
        screen->statementBalanceField()->setFocus();
        QTest::keyClick(screen->statementBalanceField(), Qt::Key_Escape);
        QCOMPARE(cancelled.count(), closed ? 1 : 0);
    } else {
        screen->finishButton()->click();
        m_boxes.removeFirst(); // "Reconciliation Complete"
    }

    QCOMPARE(screen->isHidden(), closed);
    QCOMPARE(m_boxes.size(), asked ? 1 : 0);
    if (asked) {
        const MessageBoxes::Request& box = m_boxes.first();
        QCOMPARE(box.title, QStringLiteral("Discard Reconciliation"));
        QCOMPARE(box.text, QStringLiteral("Discard this reconciliation?"));
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::No);
    }
    if (!closed) {
        // Everything stays as it was, and the question comes back.
        QCOMPARE(screen->statementBalanceField()->value(), statement);
        QCOMPARE(screen->statementDateField()->date(), date.isValid() ? date : proposed);
        QCOMPARE(label(screen, "differenceValue"), shownBefore);
        m_boxes.clear();
        m_answer = QMessageBox::Yes;
        QVERIFY(screen->close());
        QCOMPARE(m_boxes.size(), 1);
    }
    QCOMPARE(reconciliationCount(), how == QLatin1String("finish") ? 1 : 0);
}

void TestReconciliation::editFromScreen_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("add split") << "add split";
    QTest::newRow("add transfer") << "add transfer";
    QTest::newRow("edit split keeps lines") << "edit split";
}

void TestReconciliation::editFromScreen()
{
    QFETCH(QString, operation);
    // One split row to start with, ticked on arrival.
    const QString split = addTransaction(kChecking, QDate(2024, 5, 1), -1525, true, false, QStringLiteral("Shop"));
    SplitLine food;
    food.id = QStringLiteral("line-food");
    food.categoryId = kFood;
    food.amount = -1000;
    food.createdAt = food.updatedAt = QDateTime::currentDateTimeUtc();
    SplitLine home = food;
    home.id = QStringLiteral("line-home");
    home.categoryId = kHome;
    home.amount = -525;
    QVERIFY(m_state.splitLineRepository()->replaceForTransaction(split, {food, home}));
    TestSupport::exec(QStringLiteral("UPDATE transactions SET is_split = 1 WHERE id = '%1'").arg(split));
    ReconciliationScreen* screen = openScreen();

    auto linesOf = [this](const QString& id) {
        QStringList parts;
        for (const SplitLine& l : m_state.splitLineRepository()->findByTransaction(id))
            parts << QStringLiteral("%1:%2").arg(l.categoryId).arg(l.amount);
        std::sort(parts.begin(), parts.end());
        return parts.join(QLatin1Char(','));
    };
    auto setLine = [](SplitLinesWidget* lines, int row, const QString& categoryId, double value) {
        auto* combo = qobject_cast<QComboBox*>(lines->table()->cellWidget(row, 0));
        combo->setCurrentIndex(combo->findData(categoryId));
        qobject_cast<SmartAmountField*>(lines->table()->cellWidget(row, 1))->setValue(value);
    };
    m_dialogs = {[&](QDialog* dialog) {
        auto* form = qobject_cast<TransactionFormDialog*>(dialog);
        if (operation == QLatin1String("edit split")) {
            field<QLineEdit>(form, "memoEdit")->setText(QStringLiteral("weekly shop"));
        } else if (operation == QLatin1String("add split")) {
            field<QLineEdit>(form, "payeeEdit")->setText(QStringLiteral("Grocer"));
            field<QPushButton>(form, "splitButton")->click();
            auto* lines = field<SplitLinesWidget>(form, "splitLines");
            setLine(lines, 0, kFood, 12.0);
            setLine(lines, 1, kHome, 3.5);
        } else {
            field<QLineEdit>(form, "payeeEdit")->setText(QStringLiteral("[Transfer] Savings"));
            field<SmartAmountField>(form, "amountField")->setValue(25.0);
        }
        form->accept();
        return form->result();
    }};

    if (operation.startsWith(QLatin1String("add"))) {
        screen->addTransaction();
    } else {
        // A double-click on the check column opens nothing; on the date it edits.
        emit screen->table()->cellDoubleClicked(0, 0);
        QCOMPARE(m_dialogRuns, 0);
        screen->table()->setCurrentCell(0, 1);
        emit screen->table()->cellDoubleClicked(0, 1);
    }
    QCOMPARE(m_dialogRuns, 1);

    if (operation == QLatin1String("add split")) {
        QSqlQuery q(QStringLiteral("SELECT id FROM transactions WHERE payee = 'Grocer'"));
        QVERIFY(q.next());
        const Transaction t = *m_state.transactionRepository()->findById(q.value(0).toString());
        QVERIFY(t.isSplit);
        QCOMPARE(t.amount, -1550);
        QCOMPARE(linesOf(t.id), QStringLiteral("%1:-1200,%2:-350").arg(kFood, kHome));
        QCOMPARE(screen->table()->rowCount(), 2);
    } else if (operation == QLatin1String("add transfer")) {
        QSqlQuery q(QStringLiteral("SELECT id FROM transactions WHERE amount = -2500"));
        QVERIFY(q.next());
        const Transaction mine = *m_state.transactionRepository()->findById(q.value(0).toString());
        QCOMPARE(mine.payee, QStringLiteral("Transfer to Savings"));
        const Transaction other = *m_state.transactionRepository()->findById(mine.transferLinkId);
        QCOMPARE(other.accountId, kSavings);
        QCOMPARE(other.amount, 2500);
        QCOMPARE(screen->table()->rowCount(), 2);
    } else {
        QCOMPARE(m_state.transactionRepository()->findById(split)->memo, QStringLiteral("weekly shop"));
        QCOMPARE(linesOf(split), QStringLiteral("%1:-1000,%2:-525").arg(kFood, kHome));
    }
    // The split row ticked on arrival stays ticked through every reload.
    auto* box = qobject_cast<QCheckBox*>(screen->table()->cellWidget(0, 0));
    QVERIFY(box && box->isChecked());
}

void TestReconciliation::history()
{
    addAccount(kEuro, QStringLiteral("Euro Card"), 0, CurrencyCode::EUR);
    const QDateTime completed(QDate(2024, 2, 2), QTime(15, 4), Qt::UTC);
    addReconciliation(kEuro, QDate(2024, 1, 31), 10000, completed);
    addReconciliation(kEuro, QDate(2024, 3, 31), -2550, completed.addDays(60).addSecs(-15 * 3600));
    addReconciliation(kEuro, QDate(2024, 2, 29), 5, completed.addDays(30));
    addReconciliation(kEuro, QDate(2023, 12, 31), 1, completed);
    TestSupport::exec(QStringLiteral("UPDATE reconciliations SET deleted_at = '2024-04-01T00:00:00Z' "
                                     "WHERE statement_date = '2023-12-31'"));

    ReconciliationHistoryScreen screen(&m_state);
    QTableWidget* table = screen.table();
    auto rows = [table] {
        QStringList out;
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < 4; ++column)
                cells << table->item(row, column)->text();
            out << cells.join(QLatin1Char('|'));
        }
        return out;
    };
    const QStringList expected{QStringLiteral("Mar 31, 2024|-€25.50|-€25.50|Apr 2, 2024 12:04 am"),
                               QStringLiteral("Feb 29, 2024|€0.05|€0.05|Mar 3, 2024 3:04 pm"),
                               QStringLiteral("Jan 31, 2024|€100.00|€100.00|Feb 2, 2024 3:04 pm")};
    screen.setAccount(kEuro);
    QCOMPARE(screen.titleLabel()->text(), QStringLiteral("Reconciliation History — Euro Card"));
    QCOMPARE(rows(), expected);
    QCOMPARE(table->item(0, 1)->foreground().color(), negativeColor());
    QCOMPARE(table->item(1, 1)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    QVERIFY(!table->isHidden() && screen.emptyLabel()->isHidden());

    screen.setAccount(kChecking);
    QCOMPARE(screen.titleLabel()->text(), QStringLiteral("Reconciliation History — Checking"));
    QVERIFY(table->isHidden() && !screen.emptyLabel()->isHidden());

    screen.setAccount(kEuro);
    QCOMPARE(rows(), expected);
    QVERIFY(!table->isHidden() && screen.emptyLabel()->isHidden());

    // A sync repair gives the account a new id: the kept window reads it under that.
    TestSupport::exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    TestSupport::exec(QStringLiteral("UPDATE accounts SET id = 'euro-2' WHERE id = '%1'").arg(kEuro));
    TestSupport::exec(QStringLiteral("UPDATE reconciliations SET account_id = 'euro-2'"));
    TestSupport::exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    emit m_state.syncEngine()->idsRenamed(QStringLiteral("accounts"), {{kEuro, QStringLiteral("euro-2")}});
    screen.refresh();
    QCOMPARE(rows(), expected);
    QVERIFY(!table->isHidden()); // its old rows stay in it, hidden, when none are found
}

#include "tst_reconciliation.moc"
TALLYLEAF_TEST_MAIN(TestReconciliation)
