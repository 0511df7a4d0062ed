#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/widgets/datefield.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>

using TestSupport::field;

namespace {

// The schedule fields the form decides, as one text.
QString summary(const RecurringTransaction& r)
{
    return QStringList{r.accountId, QString::number(r.amount), frequencyToString(r.frequency),
                       QString::number(r.intervalCount), r.startDate.toString(Qt::ISODate),
                       r.nextDueDate.toString(Qt::ISODate), r.endDate ? r.endDate->toString(Qt::ISODate) : "-",
                       QString::number(r.autoPost), QString::number(r.leadDays), QString::number(r.isActive),
                       QString::number(r.version), syncStatusToString(r.syncStatus)}
        .join(QLatin1Char('|'));
}

RecurringTransaction existingSchedule()
{
    RecurringTransaction r;
    r.id = QStringLiteral("sched-1");
    r.accountId = QStringLiteral("acc-b");
    r.amount = -120000;
    r.frequency = RecurringFrequency::Quarterly;
    r.intervalCount = 2;
    r.startDate = QDate(2024, 1, 1);
    r.nextDueDate = QDate(2024, 7, 1);
    r.autoPost = true;
    r.leadDays = 5;
    r.version = 3;
    r.syncStatus = SyncStatus::Synced;
    r.createdAt = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::UTC);
    return r;
}

} // namespace

class TestRecurringFormDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newSchedule_data();
    void newSchedule();
    void editKeepsOrRestartsPosition();
    void editShowsDeletedAccountLocked();
    void editKeepsWhatWasNotTouched_data();
    void editKeepsWhatWasNotTouched();
    void autoPostEndDateAndBrokenDates();
    void frequencyRows();
    void categoryTakesTypedName();
    void transferDestination();
    void createFromSeed();

private:
    AppState m_state;
    QStringList m_boxes; // texts of the message boxes shown
};

void TestRecurringFormDialog::initTestCase()
{
    QVERIFY(m_state.initialize());
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes << r.text;
        return QMessageBox::Ok;
    });
    int order = 0;
    for (const char* name : {"acc-a", "acc-b", "acc-old"}) {
        Account a;
        a.id = QLatin1String(name);
        a.name = a.id.toUpper();
        a.sortOrder = order++;
        a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.accountRepository()->insert(a));
    }
    QVERIFY(m_state.accountRepository()->softDelete(QStringLiteral("acc-old")));
    for (const auto& [id, name, parent] : {std::tuple{"cat-r-parent", "Bills", ""}, {"cat-r-old", "Phone", "cat-r-parent"}}) {
        Category c;
        c.id = QLatin1String(id);
        c.name = QLatin1String(name);
        c.parentId = QLatin1String(parent);
        c.createdAt = c.updatedAt = QDateTime::currentDateTimeUtc();
        QVERIFY(m_state.categoryRepository()->insert(c));
    }
    QVERIFY(m_state.categoryRepository()->softDelete(QStringLiteral("cat-r-old")));
}

void TestRecurringFormDialog::newSchedule_data()
{
    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QTest::addColumn<bool>("payment");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("typedStart"); // empty = leave today
    QTest::addColumn<QString>("expected");
    QTest::newRow("defaults, payment 25.00") << true << 25.0 << "" << "acc-a|-2500|monthly|1|" + today + "|" + today
                                                                          + "|-|0|0|1|1|pending";
    QTest::newRow("deposit 25.00") << false << 25.0 << "" << "acc-a|2500|monthly|1|" + today + "|" + today
                                                                 + "|-|0|0|1|1|pending";
    QTest::newRow("19.99 not truncated") << true << 19.99 << "" << "acc-a|-1999|monthly|1|" + today + "|" + today
                                                                       + "|-|0|0|1|1|pending";
    QTest::newRow("two-digit 69 is 2069") << true << 1.0 << "1/1/69" << "acc-a|-100|monthly|1|2069-01-01|2069-01-01"
                                                                        "|-|0|0|1|1|pending";
    QTest::newRow("2000-01-01 is sound") << true << 1.0 << "1/1/2000" << "acc-a|-100|monthly|1|2000-01-01|2000-01-01"
                                                                          "|-|0|0|1|1|pending";
    QTest::newRow("1999 becomes today") << true << 1.0 << "12/31/99" << "acc-a|-100|monthly|1|" + today + "|" + today
                                                                         + "|-|0|0|1|1|pending";
}

void TestRecurringFormDialog::newSchedule()
{
    QFETCH(bool, payment);
    QFETCH(double, value);
    QFETCH(QString, typedStart);
    QFETCH(QString, expected);
    RecurringFormDialog dialog(&m_state);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("New Recurring Transaction"));
    QCOMPARE(field<QComboBox>(&dialog, "accountCombo")->count(), 2); // live accounts only
    field<QRadioButton>(&dialog, payment ? "paymentRadio" : "depositRadio")->setChecked(true);
    field<SmartAmountField>(&dialog, "amountField")->setValue(value);
    field<QLineEdit>(&dialog, "payeeEdit")->setText(QStringLiteral("  Gym  "));
    if (!typedStart.isEmpty())
        field<DateField>(&dialog, "startDateField")->setText(typedStart);
    if (typedStart == QLatin1String("12/31/99")) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                               "^RecurringFormDialog: rejecting invalid startDate 1999-12-31 — "
                                               "falling back to today$")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid nextDueDate")));
    }
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(summary(r), expected);
    QCOMPARE(r.payee, QStringLiteral("Gym"));
    QCOMPARE(r.id.size(), 36);
    QVERIFY(r.createdAt.isValid());
}

void TestRecurringFormDialog::editKeepsOrRestartsPosition()
{
    const RecurringTransaction original = existingSchedule();
    RecurringFormDialog dialog(&m_state, original);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit Recurring Transaction"));
    QVERIFY(!field<QComboBox>(&dialog, "accountCombo")->isEnabled());
    RecurringTransaction r = dialog.recurring();
    QCOMPARE(summary(r), QStringLiteral("acc-b|-120000|quarterly|2|2024-01-01|2024-07-01|-|1|5|1|4|pending"));
    QCOMPARE(r.id, original.id);
    QCOMPARE(r.createdAt, original.createdAt);

    field<DateField>(&dialog, "startDateField")->setText(QStringLiteral("3/5/25"));
    r = dialog.recurring();
    QCOMPARE(r.startDate, QDate(2025, 3, 5));
    QCOMPARE(r.nextDueDate, QDate(2025, 3, 5));
}

void TestRecurringFormDialog::editShowsDeletedAccountLocked()
{
    RecurringTransaction original = existingSchedule();
    original.accountId = QStringLiteral("acc-old");
    RecurringFormDialog dialog(&m_state, original);
    QComboBox* accounts = field<QComboBox>(&dialog, "accountCombo");
    QVERIFY(!accounts->isEnabled());
    QCOMPARE(accounts->currentText(), QStringLiteral("ACC-OLD"));
    QCOMPARE(dialog.recurring().accountId, QStringLiteral("acc-old"));
}

void TestRecurringFormDialog::editKeepsWhatWasNotTouched_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("categoryId");
    QTest::addColumn<QString>("categoryLabel");
    QTest::newRow("amount above what can be typed") << qint64(-10000000000) << "" << "(none)";
    QTest::newRow("18-digit amount") << qint64(123456789012345678) << "" << "(none)";
    QTest::newRow("deleted category") << qint64(-500) << "cat-r-old" << "Bills > Phone (deleted)";
}

void TestRecurringFormDialog::editKeepsWhatWasNotTouched()
{
    QFETCH(qint64, amount);
    QFETCH(QString, categoryId);
    RecurringTransaction original = existingSchedule();
    original.amount = amount;
    original.categoryId = categoryId;
    RecurringFormDialog dialog(&m_state, original);
    QTEST(field<QComboBox>(&dialog, "categoryCombo")->currentText(), "categoryLabel");
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.amount, amount);
    QCOMPARE(r.categoryId, categoryId);
}

void TestRecurringFormDialog::autoPostEndDateAndBrokenDates()
{
    // Untouched broken dates: the start falls back to today, the due date to the start.
    RecurringTransaction original = existingSchedule();
    original.startDate = QDate(1999, 5, 1);
    original.nextDueDate = QDate(1999, 6, 1);
    RecurringFormDialog dialog(&m_state, original);
    QSpinBox* lead = field<QSpinBox>(&dialog, "leadDaysSpin");
    DateField* end = field<DateField>(&dialog, "endDateField");
    QVERIFY(lead->isEnabled());
    field<QCheckBox>(&dialog, "autoPostCheck")->setChecked(false);
    QVERIFY(!lead->isEnabled());
    QVERIFY(!end->isEnabled());
    field<QCheckBox>(&dialog, "hasEndDateCheck")->setChecked(true);
    QVERIFY(end->isEnabled());
    end->setDate(QDate(2026, 12, 31));

    const QString today = QDate::currentDate().toString(Qt::ISODate);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("rejecting invalid startDate 1999-05-01")));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(
                                           "^RecurringFormDialog: rejecting invalid nextDueDate 1999-06-01 — falling "
                                           "back to startDate %1$").arg(today)));
    QCOMPARE(summary(dialog.recurring()),
             "acc-b|-120000|quarterly|2|" + today + "|" + today + "|2026-12-31|0|0|1|4|pending");
}

void TestRecurringFormDialog::frequencyRows()
{
    RecurringFormDialog dialog(&m_state);
    QFormLayout* form = dialog.findChild<QFormLayout*>();
    QComboBox* frequency = field<QComboBox>(&dialog, "frequencyCombo");
    QSpinBox* interval = field<QSpinBox>(&dialog, "intervalSpin");
    QComboBox* day2 = field<QComboBox>(&dialog, "secondDayCombo");
    QVERIFY(form->isRowVisible(interval));
    QVERIFY(!form->isRowVisible(day2));

    frequency->setCurrentIndex(frequency->findText(QStringLiteral("Weekly")));
    QCOMPARE(interval->suffix(), QStringLiteral(" week"));
    interval->setValue(2);
    QCOMPARE(interval->suffix(), QStringLiteral(" weeks"));
    frequency->setCurrentIndex(frequency->findText(QStringLiteral("Bi-weekly")));
    QCOMPARE(interval->suffix(), QString());

    frequency->setCurrentIndex(frequency->findText(QStringLiteral("Semi-monthly")));
    QVERIFY(!form->isRowVisible(interval));
    QVERIFY(form->isRowVisible(day2));
    day2->setCurrentIndex(day2->findText(QStringLiteral("Last day")));
    const RecurringTransaction r = dialog.recurring();
    QCOMPARE(r.frequency, RecurringFrequency::Semimonthly);
    QCOMPARE(r.semimonthlyDay1, 1);
    QCOMPARE(r.semimonthlyDay2, 0);
}

void TestRecurringFormDialog::categoryTakesTypedName()
{
    RecurringFormDialog dialog(&m_state);
    QComboBox* categories = field<QComboBox>(&dialog, "categoryCombo");
    const int count = categories->count();
    auto idOf = [categories](const char* label) {
        return categories->itemData(categories->findText(QLatin1String(label))).toString();
    };
    const QString maintenance = idOf("Transportation > Maintenance");
    QVERIFY(!maintenance.isEmpty());
    categories->setCurrentIndex(categories->findText(QStringLiteral("Transportation > Maintenance")));
    QCOMPARE(dialog.recurring().categoryId, maintenance);

    // As the register reads it: the full label or the name, letter case
    // and surrounding blanks aside.
    const QList<std::pair<const char*, QString>> named{{"transportation > maintenance", maintenance},
                                                       {" gas/fuel ", idOf("Transportation > Gas/Fuel")},
                                                       {"(none)", QString()}};
    for (const auto& [typed, id] : named) {
        categories->lineEdit()->setText(QLatin1String(typed));
        QCOMPARE(dialog.recurring().categoryId, id);
    }
    QCOMPARE(categories->count(), count); // typing never adds an item

    // No category, or two of that name: OK is refused, never saved as none.
    m_boxes.clear();
    for (const char* typed : {"Maint", "Maintenance"}) {
        categories->lineEdit()->setText(QLatin1String(typed));
        dialog.accept();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.first(), QStringLiteral("No category is named \"Maint\". Choose one from the list, or clear "
                                             "the field for no category."));
    // A shared name is no unknown one: the box says what to type.
    QCOMPARE(m_boxes.at(1), QStringLiteral("2 categories are named \"Maintenance\": type \"Housing > Maintenance\" "
                                           "or \"Transportation > Maintenance\"."));
    categories->lineEdit()->setText(QStringLiteral("Housing > Maintenance"));
    QCOMPARE(dialog.recurring().categoryId, idOf("Housing > Maintenance"));
}

void TestRecurringFormDialog::createFromSeed()
{
    RecurringTransaction seed;
    seed.id = QStringLiteral("seed-id");
    seed.accountId = QStringLiteral("acc-b");
    seed.amount = 4550;
    seed.startDate = QDate(2025, 3, 15);
    seed.nextDueDate = seed.startDate;

    std::unique_ptr<RecurringFormDialog> dialog(RecurringFormDialog::createFromSeed(&m_state, seed));
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Memorize Transaction"));
    QVERIFY(field<QComboBox>(dialog.get(), "accountCombo")->isEnabled());
    const RecurringTransaction r = dialog->recurring();
    QCOMPARE(summary(r), QStringLiteral("acc-b|4550|monthly|1|2025-03-15|2025-03-15|-|0|0|1|1|pending"));
    QVERIFY(r.id != seed.id);
    QVERIFY(r.createdAt.isValid());
}

// Memorizing a transfer shows its destination; the destination as the
// schedule's own account is refused.
void TestRecurringFormDialog::transferDestination()
{
    RecurringTransaction seed = existingSchedule();
    seed.accountId = QStringLiteral("acc-a");
    seed.transferDestAccountId = QStringLiteral("acc-b");
    std::unique_ptr<RecurringFormDialog> dialog(RecurringFormDialog::createFromSeed(&m_state, seed));
    QComboBox* destination = field<QComboBox>(dialog.get(), "destinationCombo");
    QVERIFY(dialog->findChild<QFormLayout*>()->isRowVisible(destination));
    QCOMPARE(destination->currentText(), QStringLiteral("ACC-B"));

    m_boxes.clear();
    QComboBox* account = field<QComboBox>(dialog.get(), "accountCombo");
    account->setCurrentIndex(account->findData(QStringLiteral("acc-b")));
    dialog->accept();
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
    QCOMPARE(m_boxes,
             QStringList{"A transfer needs two different accounts. Choose another account to transfer to."});

    destination->setCurrentIndex(destination->findData(QStringLiteral("acc-a")));
    // A sync repair's rename is followed; an account gone is refused.
    emit m_state.syncEngine()->idsRenamed(QStringLiteral("accounts"), {{"acc-a", "acc-gone"}});
    QCOMPARE(dialog->recurring().transferDestAccountId, QStringLiteral("acc-gone"));
    dialog->accept();
    QCOMPARE(m_boxes.last(), QStringLiteral("The chosen account no longer exists. Choose another account."));
    emit m_state.syncEngine()->idsRenamed(QStringLiteral("accounts"), {{"acc-gone", "acc-a"}});
    QCOMPARE(dialog->recurring().transferDestAccountId, QStringLiteral("acc-a"));
    QVERIFY(m_state.accountRepository()->softDelete(QStringLiteral("acc-b"))); // as a sync deletes
    dialog->accept(); // this new schedule's own account
    QCOMPARE(dialog->result(), int(QDialog::Rejected)); // still open, as typed
    RecurringFormDialog(&m_state, seed).accept(); // an edited transfer's destination
    QCOMPARE(m_boxes.count("The chosen account no longer exists. Choose another account."), 3);
    QVERIFY(m_state.accountRepository()->restore(QStringLiteral("acc-b")));
    dialog->accept();
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

TALLYLEAF_TEST_MAIN(TestRecurringFormDialog)
#include "tst_recurringformdialog.moc"
