#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringlist.h"
#include "services/recurringservice.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/mainwindow.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/screens/recurringmodel.h"
#include "ui/style.h"
#include "ui/screens/recurringscreen.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QUuid>

#include <memory>

class TestRecurringScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void frequencyText_data();
    void frequencyText();
    void dueMarking_data();
    void dueMarking();
    void sortingAndAccountNames();
    void actions_data();
    void actions();
    void refusedPostingWarns_data();
    void refusedPostingWarns();
    void editKeepsLargeAmount();
    void editWhileAPostingMovesTheSchedule();
    void editWhileSyncChangesTheSchedule_data();
    void editWhileSyncChangesTheSchedule();
    void refreshesWhileVisible();

private:
    QString addAccount(const QString& name, bool deleted = false);
    RecurringTransaction addSchedule(const QString& payee, qint64 amount, int dueInDays,
                                     const std::function<void(RecurringTransaction&)>& adjust = {});
    void showScreen();
    void trigger(const QString& action);
    QStringList enabledMenuEntries(int row);
    int postings() const;

    AppState m_state;
    QString m_account;
    std::unique_ptr<RecurringScreen> m_screen;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QStringList m_boxes; // "title: text"
};

void TestRecurringScreen::initTestCase()
{
    QVERIFY(m_state.initialize());
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r.title + QStringLiteral(": ") + r.text);
        return r.buttons.testFlag(QMessageBox::Yes) ? m_answer : QMessageBox::Ok;
    });
    MessageBoxes::setDialogRunner([](QDialog*) { return int(QDialog::Accepted); });
}

void TestRecurringScreen::init()
{
    m_screen.reset();
    TestSupport::exec(QStringLiteral("DELETE FROM transactions"));
    TestSupport::exec(QStringLiteral("DELETE FROM recurring_transactions"));
    TestSupport::exec(QStringLiteral("DELETE FROM accounts"));
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_account = addAccount(QStringLiteral("Checking"));
}

QString TestRecurringScreen::addAccount(const QString& name, bool deleted)
{
    Account a;
    a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.name = name;
    a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state.accountRepository()->insert(a))
        qFatal("account insert failed");
    if (deleted)
        TestSupport::exec(QStringLiteral("UPDATE accounts SET deleted_at = '2024-01-01T00:00:00Z' WHERE id = '%1'")
                              .arg(a.id));
    return a.id;
}

RecurringTransaction TestRecurringScreen::addSchedule(const QString& payee, qint64 amount, int dueInDays,
                                                      const std::function<void(RecurringTransaction&)>& adjust)
{
    RecurringTransaction r;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.accountId = m_account;
    r.payee = payee;
    r.amount = amount;
    r.startDate = r.nextDueDate = QDate::currentDate().addDays(dueInDays);
    r.createdAt = r.updatedAt = QDateTime::currentDateTimeUtc();
    if (adjust)
        adjust(r);
    if (!m_state.recurringRepository()->insert(r))
        qFatal("schedule insert failed");
    return r;
}

void TestRecurringScreen::showScreen()
{
    m_screen = std::make_unique<RecurringScreen>(&m_state);
    m_screen->resize(700, 500);
    m_screen->show();
    m_screen->refresh();
    m_screen->table()->setCurrentIndex(m_screen->model()->index(0, 0));
}

void TestRecurringScreen::trigger(const QString& action)
{
    if (action == QLatin1String("confirm"))
        m_screen->confirmSelected();
    else if (action == QLatin1String("skip"))
        m_screen->skipSelected();
    else if (action == QLatin1String("early"))
        m_screen->enterEarlySelected();
    else if (action == QLatin1String("delete"))
        m_screen->deleteSelected();
    else
        m_screen->findChild<QPushButton*>(action == QLatin1String("all") ? QStringLiteral("confirmAllDueButton")
                                                                         : QStringLiteral("enterNextDaysButton"))
            ->click();
}

QStringList TestRecurringScreen::enabledMenuEntries(int row)
{
    QTableView* table = m_screen->table();
    const std::unique_ptr<QMenu> menu(
        m_screen->createContextMenu(table->visualRect(m_screen->model()->index(row, 0)).center()));
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator() && action->isEnabled())
            entries.append(action->text());
    }
    return entries;
}

int TestRecurringScreen::postings() const
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt();
}

void TestRecurringScreen::frequencyText_data()
{
    QTest::addColumn<int>("frequency");
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("day1");
    QTest::addColumn<int>("day2");
    QTest::addColumn<QString>("text");
    QTest::newRow("monthly") << int(RecurringFrequency::Monthly) << 1 << 1 << 15 << "monthly";
    QTest::newRow("every 3 months") << int(RecurringFrequency::Monthly) << 3 << 1 << 15 << "Every 3 months";
    QTest::newRow("every 2 days") << int(RecurringFrequency::Daily) << 2 << 1 << 15 << "Every 2 days";
    QTest::newRow("quarterly x2") << int(RecurringFrequency::Quarterly) << 2 << 1 << 15 << "quarterly (×2)";
    QTest::newRow("semi-annual") << int(RecurringFrequency::SemiAnnual) << 0 << 1 << 15 << "semi_annual";
    QTest::newRow("1st & last") << int(RecurringFrequency::Semimonthly) << 4 << 1 << 0
                                << "Semi-monthly (1st & last day)";
    QTest::newRow("11th & 12th") << int(RecurringFrequency::Semimonthly) << 1 << 11 << 12
                                 << "Semi-monthly (11th & 12th)";
    QTest::newRow("13th & 21st") << int(RecurringFrequency::Semimonthly) << 1 << 13 << 21
                                 << "Semi-monthly (13th & 21st)";
    QTest::newRow("22nd & 23rd") << int(RecurringFrequency::Semimonthly) << 1 << 22 << 23
                                 << "Semi-monthly (22nd & 23rd)";
    QTest::newRow("out of range") << int(RecurringFrequency::Semimonthly) << 1 << 32 << 31
                                  << "Semi-monthly (last day & 31st)";
}

void TestRecurringScreen::frequencyText()
{
    QFETCH(int, frequency);
    QFETCH(int, interval);
    QFETCH(int, day1);
    QFETCH(int, day2);
    QFETCH(QString, text);
    QCOMPARE(RecurringList::frequencyText(RecurringFrequency(frequency), interval, day1, day2), text);
}

void TestRecurringScreen::dueMarking_data()
{
    QTest::addColumn<bool>("active");
    QTest::addColumn<int>("dueInDays");
    QTest::addColumn<bool>("due");
    QTest::addColumn<QStringList>("menu");
    QTest::addColumn<QString>("status");
    const QStringList postNow{"&Edit", "&Confirm", "&Skip", "&Delete"};
    QTest::newRow("due today") << true << 0 << true << postNow << "Active";
    QTest::newRow("overdue") << true << -3 << true << postNow << "Active";
    QTest::newRow("tomorrow") << true << 1 << false << QStringList{"&Edit", "Enter &Early...", "&Delete"}
                              << "Active";
    QTest::newRow("inactive") << false << -1 << false << QStringList{"&Edit", "&Delete"} << "Inactive";
}

void TestRecurringScreen::dueMarking()
{
    QFETCH(bool, active);
    QFETCH(int, dueInDays);
    QFETCH(bool, due);
    QFETCH(QStringList, menu);
    QFETCH(QString, status);
    addSchedule(QStringLiteral("Rent"), -100000, dueInDays, [&](RecurringTransaction& r) { r.isActive = active; });
    showScreen();
    RecurringModel* model = m_screen->model();

    QCOMPARE(model->index(0, RecurringModel::NextDueColumn).data(Qt::ForegroundRole).value<QColor>() ==
                 positiveColor(),
             due);
    QCOMPARE(enabledMenuEntries(0), menu);
    QCOMPARE(model->index(0, RecurringModel::StatusColumn).data().toString(), status);
    QCOMPARE(model->index(0, RecurringModel::StatusColumn).data(Qt::ForegroundRole).isValid(), !active);
    QCOMPARE(m_screen->dueLabel()->text(), due ? QStringLiteral("(1 due)") : QString());

    // Nothing due: the button posts nothing and says nothing.
    if (!due) {
        trigger(QStringLiteral("all"));
        QCOMPARE(postings(), 0);
        QVERIFY(m_boxes.isEmpty());
    }
}

void TestRecurringScreen::sortingAndAccountNames()
{
    const QString old = addAccount(QStringLiteral("Old"), true);
    const QString zeta = addAccount(QStringLiteral("zeta"));
    // Loaded by next due date: Gym, Rent, Salary.
    addSchedule(QStringLiteral("Gym"), -2000, 1, [&](RecurringTransaction& r) { r.accountId = old; });
    addSchedule(QStringLiteral("Rent"), -2000, 2);
    addSchedule(QStringLiteral("Salary"), 500000, 3, [&](RecurringTransaction& r) { r.accountId = zeta; });
    TestSupport::exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET account_id = 'gone' WHERE payee = 'Rent'"));
    TestSupport::exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    showScreen();
    RecurringModel* model = m_screen->model();
    auto column = [model](int c) {
        QStringList cells;
        for (int row = 0; row < model->rowCount(); ++row)
            cells.append(model->index(row, c).data().toString());
        return cells.join(QLatin1Char('|'));
    };

    m_screen->table()->sortByColumn(RecurringModel::AmountColumn, Qt::DescendingOrder);
    QCOMPARE(column(RecurringModel::PayeeColumn), QStringLiteral("Salary|Rent|Gym"));
    QCOMPARE(column(RecurringModel::AmountColumn), QStringLiteral("$5,000.00|-$20.00|-$20.00"));
    m_screen->table()->sortByColumn(RecurringModel::AccountColumn, Qt::AscendingOrder);
    QCOMPARE(column(RecurringModel::AccountColumn), QStringLiteral("|Old|zeta"));
    m_screen->refresh();
    QCOMPARE(column(RecurringModel::PayeeColumn), QStringLiteral("Rent|Gym|Salary"));
}

void TestRecurringScreen::actions_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("dueInDays");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("posted");
    QTest::addColumn<int>("monthsAdvanced");
    QTest::addColumn<int>("rows");
    QTest::newRow("confirm") << "confirm" << 0 << true << "" << 1 << 1 << 1;
    QTest::newRow("skip") << "skip" << -2 << true << "" << 0 << 1 << 1;
    QTest::newRow("early") << "early" << 3 << true << "Enter Early" << 1 << 1 << 1;
    QTest::newRow("early, no") << "early" << 3 << false << "Enter Early" << 0 << 0 << 1;
    QTest::newRow("early on a due row") << "early" << 0 << true << "" << 0 << 0 << 1;
    QTest::newRow("confirm ahead of time") << "confirm" << 1 << true << "" << 0 << 0 << 1;
    QTest::newRow("seven days") << "seven" << 6 << true << "Enter Next 7 Days" << 1 << 1 << 1;
    QTest::newRow("delete") << "delete" << 0 << true << "Delete" << 0 << 0 << 0;
    QTest::newRow("delete, no") << "delete" << 0 << false << "Delete" << 0 << 0 << 1;
}

void TestRecurringScreen::actions()
{
    QFETCH(QString, action);
    QFETCH(int, dueInDays);
    QFETCH(bool, yes);
    QFETCH(QString, asked);
    QFETCH(int, posted);
    QFETCH(int, monthsAdvanced);
    QFETCH(int, rows);
    const RecurringTransaction schedule = addSchedule(QStringLiteral("Rent"), -100000, dueInDays);
    showScreen();
    QSignalSpy written(m_screen.get(), &RecurringScreen::transactionsChanged);
    m_answer = yes ? QMessageBox::Yes : QMessageBox::No;

    trigger(action);

    QCOMPARE(m_boxes.size(), asked.isEmpty() ? 0 : 1);
    if (!asked.isEmpty())
        QVERIFY(m_boxes.first().startsWith(asked + QStringLiteral(": ")));
    QCOMPARE(postings(), posted);
    QCOMPARE(written.size(), posted > 0 ? 1 : 0);
    if (posted > 0) {
        const QList<Transaction> txns = m_state.transactionRepository()->findByAccount(m_account);
        QCOMPARE(txns.first().date, schedule.nextDueDate);
        QCOMPARE(txns.first().amount, -100000);
    }
    QCOMPARE(m_screen->model()->rowCount(), rows);
    if (rows > 0)
        QCOMPARE(m_screen->model()->scheduleAt(0)->nextDueDate, schedule.nextDueDate.addMonths(monthsAdvanced));
}

void TestRecurringScreen::refusedPostingWarns_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("dueInDays");
    QTest::addColumn<QString>("warning");
    auto day = [](int days) { return QDate::currentDate().addDays(days).toString(QStringLiteral("MMM d, yyyy")); };
    QTest::newRow("confirm") << "confirm" << 0 << QStringLiteral("\"Move\" due %1 was not posted.").arg(day(0));
    QTest::newRow("early") << "early" << 2 << QStringLiteral("\"Move\" due %1 was not posted.").arg(day(2));
    QTest::newRow("confirm all") << "all" << -1 << "Due transactions not posted: 1 of 1.";
    QTest::newRow("seven days") << "seven" << 5
                                << QStringLiteral("Some occurrences due by %1 were not entered (recurring "
                                                  "transactions still due by then: 1).")
                                       .arg(day(7));
}

void TestRecurringScreen::refusedPostingWarns()
{
    QFETCH(QString, action);
    QFETCH(int, dueInDays);
    QFETCH(QString, warning);
    // A transfer to an account that does not exist is refused.
    const RecurringTransaction schedule = addSchedule(
        QStringLiteral("Move"), -5000, dueInDays, [](RecurringTransaction& r) { r.transferDestAccountId = "nope"; });
    showScreen();
    QSignalSpy written(m_screen.get(), &RecurringScreen::transactionsChanged);

    trigger(action);

    QCOMPARE(m_boxes.size(), action == QLatin1String("early") || action == QLatin1String("seven") ? 2 : 1);
    QVERIFY2(m_boxes.last().startsWith(QStringLiteral("Not Posted: ") + warning), qPrintable(m_boxes.last()));
    QCOMPARE(postings(), 0);
    QCOMPARE(written.size(), 0);
    QCOMPARE(m_screen->model()->scheduleAt(0)->nextDueDate, schedule.nextDueDate);
}

void TestRecurringScreen::editKeepsLargeAmount()
{
    // Beyond the form's usual maximum of 99,999,999.99.
    const qint64 amount = -1234567890123;
    addSchedule(QStringLiteral("Big"), amount, 5);
    showScreen();
    m_screen->showEditForm(0);
    QCOMPARE(m_screen->model()->scheduleAt(0)->amount, amount);
    QCOMPARE(m_screen->model()->scheduleAt(0)->version, 2);
}

// An occurrence posted while the form is open moves the due date; saving the
// form keeps the new one, so the next occurrence can still be confirmed.
void TestRecurringScreen::editWhileAPostingMovesTheSchedule()
{
    const RecurringTransaction schedule = addSchedule(QStringLiteral("Rent"), -100000, 0);
    showScreen();
    MessageBoxes::setDialogRunner([this, &schedule](QDialog*) {
        return int(m_state.recurringService()->confirm(schedule.id) ? QDialog::Accepted : QDialog::Rejected);
    });
    m_screen->showEditForm(0);
    MessageBoxes::setDialogRunner([](QDialog*) { return int(QDialog::Accepted); });
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(m_screen->model()->scheduleAt(0)->nextDueDate, schedule.nextDueDate.addMonths(1));
    QVERIFY(m_state.recurringService()->confirm(schedule.id));
}

void TestRecurringScreen::editWhileSyncChangesTheSchedule_data()
{
    QTest::addColumn<QString>("sync"); // run while the form is open
    QTest::addColumn<QString>("box");  // none: the sync repair renamed the schedule
    QTest::newRow("renamed") << "UPDATE recurring_transactions SET id = 'R2'" << "";
    QTest::newRow("deleted elsewhere") << "UPDATE recurring_transactions SET deleted_at = '2024'"
                                       << "Not Saved: This recurring transaction no longer exists. Nothing was saved.";
}

// The typed payee lands on the renamed row; a schedule gone brings the form back as typed.
void TestRecurringScreen::editWhileSyncChangesTheSchedule()
{
    QFETCH(QString, sync);
    QFETCH(QString, box);
    addSchedule(QStringLiteral("Rent"), -100000, 5, [](RecurringTransaction& r) { r.id = "r"; });
    showScreen();
    QStringList runs;
    MessageBoxes::setDialogRunner([&](QDialog* dialog) {
        auto* payee = dialog->findChild<QLineEdit*>(QStringLiteral("payeeEdit"));
        runs << payee->text();
        if (runs.size() > 1)
            return int(QDialog::Rejected);
        TestSupport::exec(sync);
        if (box.isEmpty())
            emit m_state.syncEngine()->idsRenamed(QStringLiteral("recurring_transactions"), {{"r", "R2"}});
        payee->setText(QStringLiteral("Landlord"));
        return int(QDialog::Accepted);
    });
    m_screen->showEditForm(0);
    MessageBoxes::setDialogRunner([](QDialog*) { return int(QDialog::Accepted); });
    QCOMPARE(m_boxes.join(QString()), box);
    QCOMPARE(runs.join(QLatin1Char(',')), box.isEmpty() ? QStringLiteral("Rent") : QStringLiteral("Rent,Landlord"));
    if (box.isEmpty())
        QCOMPARE(m_state.recurringRepository()->findById("R2")->payee, QStringLiteral("Landlord"));
}

void TestRecurringScreen::refreshesWhileVisible()
{
    MainWindow window(&m_state);
    window.showRecurringWindow();
    auto* screen = window.findChild<RecurringScreen*>();
    QVERIFY(screen && screen->isVisible());
    addSchedule(QStringLiteral("Rent"), -100000, 5);
    QCOMPARE(screen->model()->rowCount(), 1);

    screen->hide();
    addSchedule(QStringLiteral("Gym"), -3000, 6);
    QCOMPARE(screen->model()->rowCount(), 1);
    window.showRecurringWindow();
    QCOMPARE(screen->model()->rowCount(), 2);
}

TALLYLEAF_TEST_MAIN(TestRecurringScreen)
#include "tst_recurringscreen.moc"
