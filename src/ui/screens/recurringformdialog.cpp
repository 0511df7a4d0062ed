#include "ui/screens/recurringformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/recurringrepository.h"
#include "data/renamedids.h"
#include "data/transactionrepository.h"
#include "services/categorylookup.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/formamount.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDebug>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QUuid>
#include <QVBoxLayout>

namespace {

QString dateForLog(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("(invalid)");
}

const char* boolText(bool value)
{
    return value ? "true" : "false";
}

} // namespace

RecurringFormDialog::RecurringFormDialog(AppState* appState, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
{
    setWindowTitle(tr("New Recurring Transaction"));
    setupUi();
    populateAccounts();
    populateCategories();
    m_startDateField->setDate(QDate::currentDate());
    m_paymentRadio->setChecked(true);
}

RecurringFormDialog::RecurringFormDialog(AppState* appState, const RecurringTransaction& record, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_original(record)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Recurring Transaction"));
    setupUi();
    populateAccounts();
    populateCategories();
    loadRecurring(record);
    // Saving never moves a schedule to another account, so the choice is
    // not offered instead of being silently dropped.
    m_accountCombo->setEnabled(false);
}

RecurringFormDialog::~RecurringFormDialog() = default;

RecurringFormDialog* RecurringFormDialog::createFromSeed(AppState* appState, const RecurringTransaction& seed,
                                                         QWidget* parent)
{
    auto* dialog = new RecurringFormDialog(appState, seed, parent);
    dialog->m_editMode = false;
    dialog->isCreateFromSeed = true;
    dialog->m_accountCombo->setEnabled(true);
    dialog->setWindowTitle(tr("Memorize Transaction"));
    return dialog;
}

// Every field carries an object name so tests and style sheets can reach it.
void RecurringFormDialog::setupUi()
{
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    m_accountCombo = new QComboBox(this);
    m_accountCombo->setObjectName(QStringLiteral("accountCombo"));
    m_form->addRow(tr("Account:"), m_accountCombo);

    m_destinationCombo = new QComboBox(this);
    m_destinationCombo->setObjectName(QStringLiteral("destinationCombo"));
    m_form->addRow(tr("Transfer to:"), m_destinationCombo);
    m_form->setRowVisible(m_destinationCombo, false);

    auto* typeRow = new QHBoxLayout;
    m_paymentRadio = new QRadioButton(tr("Payment"), this);
    m_paymentRadio->setObjectName(QStringLiteral("paymentRadio"));
    m_depositRadio = new QRadioButton(tr("Deposit"), this);
    m_depositRadio->setObjectName(QStringLiteral("depositRadio"));
    m_paymentRadio->setChecked(true);
    typeRow->addWidget(m_paymentRadio);
    typeRow->addWidget(m_depositRadio);
    typeRow->addStretch();
    m_form->addRow(tr("Type:"), typeRow);

    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    m_payeeCompleter = new QCompleter(this);
    m_payeeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    m_payeeCompleter->setFilterMode(Qt::MatchContains);
    m_payeeCompleter->setCompletionMode(QCompleter::PopupCompletion);
    m_payeeEdit->setCompleter(m_payeeCompleter);
    m_form->addRow(tr("Payee:"), m_payeeEdit);

    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setRange(0.0, kLargestTypedAmount / 100.0);
    m_amountField->setPrefix(tr("$ "));
    m_form->addRow(tr("Amount:"), m_amountField);

    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setEditable(true);
    // Typed text only picks an existing category; it never adds an item.
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    if (QCompleter* completer = m_categoryCombo->completer()) {
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
    }
    m_form->addRow(tr("Category:"), m_categoryCombo);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Memo:"), m_memoEdit);

    m_frequencyCombo = new QComboBox(this);
    m_frequencyCombo->setObjectName(QStringLiteral("frequencyCombo"));
    m_frequencyCombo->addItem(tr("Daily"), frequencyToString(RecurringFrequency::Daily));
    m_frequencyCombo->addItem(tr("Weekly"), frequencyToString(RecurringFrequency::Weekly));
    m_frequencyCombo->addItem(tr("Bi-weekly"), frequencyToString(RecurringFrequency::Biweekly));
    m_frequencyCombo->addItem(tr("Monthly"), frequencyToString(RecurringFrequency::Monthly));
    m_frequencyCombo->addItem(tr("Semi-monthly"), frequencyToString(RecurringFrequency::Semimonthly));
    m_frequencyCombo->addItem(tr("Quarterly"), frequencyToString(RecurringFrequency::Quarterly));
    m_frequencyCombo->addItem(tr("Semi-annual"), frequencyToString(RecurringFrequency::SemiAnnual));
    m_frequencyCombo->addItem(tr("Annual"), frequencyToString(RecurringFrequency::Annual));
    m_frequencyCombo->setCurrentIndex(3);
    m_form->addRow(tr("Frequency:"), m_frequencyCombo);

    m_intervalSpin = new QSpinBox(this);
    m_intervalSpin->setObjectName(QStringLiteral("intervalSpin"));
    m_intervalSpin->setRange(1, 99);
    m_intervalSpin->setValue(1);
    m_form->addRow(tr("Repeat every:"), m_intervalSpin);

    m_day1Combo = new QComboBox(this);
    m_day1Combo->setObjectName(QStringLiteral("firstDayCombo"));
    fillDayCombo(m_day1Combo);
    m_day1Combo->setCurrentIndex(0);
    m_form->addRow(tr("First day:"), m_day1Combo);

    m_day2Combo = new QComboBox(this);
    m_day2Combo->setObjectName(QStringLiteral("secondDayCombo"));
    fillDayCombo(m_day2Combo);
    m_day2Combo->setCurrentIndex(14);
    m_form->addRow(tr("Second day:"), m_day2Combo);

    m_startDateField = new DateField(this);
    m_startDateField->setObjectName(QStringLiteral("startDateField"));
    m_form->addRow(tr("Start Date:"), m_startDateField);

    auto* endRow = new QHBoxLayout;
    m_hasEndDateCheck = new QCheckBox(tr("Has end date"), this);
    m_hasEndDateCheck->setObjectName(QStringLiteral("hasEndDateCheck"));
    m_endDateField = new DateField(this);
    m_endDateField->setObjectName(QStringLiteral("endDateField"));
    m_endDateField->setEnabled(false);
    endRow->addWidget(m_hasEndDateCheck);
    endRow->addWidget(m_endDateField, 1);
    m_form->addRow(tr("End Date:"), endRow);
    connect(m_hasEndDateCheck, &QCheckBox::toggled, m_endDateField, &QWidget::setEnabled);

    m_autoPostCheck = new QCheckBox(tr("Auto-post when due"), this);
    m_autoPostCheck->setObjectName(QStringLiteral("autoPostCheck"));
    m_form->addRow(m_autoPostCheck);

    m_leadDaysSpin = new QSpinBox(this);
    m_leadDaysSpin->setObjectName(QStringLiteral("leadDaysSpin"));
    m_leadDaysSpin->setRange(0, 60);
    m_leadDaysSpin->setSuffix(tr(" days"));
    m_leadDaysSpin->setEnabled(false);
    m_form->addRow(tr("Enter in advance:"), m_leadDaysSpin);
    connect(m_autoPostCheck, &QCheckBox::toggled, m_leadDaysSpin, &QWidget::setEnabled);

    m_activeCheck = new QCheckBox(tr("Active"), this);
    m_activeCheck->setObjectName(QStringLiteral("activeCheck"));
    m_activeCheck->setChecked(true);
    m_form->addRow(m_activeCheck);

    layout->addLayout(m_form);
    layout->addSpacing(12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_accountCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::reloadPayeeCompleter);
    connect(m_frequencyCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::updateIntervalSuffix);
    connect(m_intervalSpin, &QSpinBox::valueChanged, this, &RecurringFormDialog::updateIntervalSuffix);
    connect(m_frequencyCombo, &QComboBox::currentIndexChanged, this, &RecurringFormDialog::updateSemimonthlyRows);
    updateIntervalSuffix();
    updateSemimonthlyRows();
    // A sync repair may rename the schedule, its accounts or its category
    // while the form is open.
    if (SyncEngine* engine = m_appState ? m_appState->syncEngine() : nullptr)
        connect(engine, &SyncEngine::idsRenamed, this, &RecurringFormDialog::followRenamedIds);
}

void RecurringFormDialog::populateAccounts()
{
    if (!m_appState || !m_appState->accountRepository())
        return;
    const QList<Account> accounts = m_appState->accountRepository()->findAll();
    for (const Account& account : accounts) {
        m_accountCombo->addItem(account.name, account.id);
        m_destinationCombo->addItem(account.name, account.id);
    }
}

void RecurringFormDialog::populateCategories()
{
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("(none)"), QString());
    if (!m_appState || !m_appState->categoryRepository())
        return;
    const QList<Category> categories = m_appState->categoryRepository()->findAll();
    QHash<QString, QString> names;
    for (const Category& category : categories)
        names.insert(category.id, category.name);
    for (const Category& category : categories) {
        const auto parent = category.parentId.isEmpty() ? names.cend() : names.constFind(category.parentId);
        const QString label = parent != names.cend() ? QStringLiteral("%1 > %2").arg(*parent, category.name)
                                                      : category.name;
        m_categoryCombo->addItem(label, category.id);
    }
}

void RecurringFormDialog::fillDayCombo(QComboBox* combo)
{
    for (int day = 1; day <= 31; ++day)
        combo->addItem(QString::number(day), day);
    combo->addItem(tr("Last day"), 0);
}

void RecurringFormDialog::updateIntervalSuffix()
{
    const RecurringFrequency frequency = frequencyFromString(m_frequencyCombo->currentData().toString());
    const bool one = m_intervalSpin->value() == 1;
    QString unit;
    switch (frequency) {
    case RecurringFrequency::Daily:
        unit = one ? tr("day") : tr("days");
        break;
    case RecurringFrequency::Weekly:
        unit = one ? tr("week") : tr("weeks");
        break;
    case RecurringFrequency::Monthly:
        unit = one ? tr("month") : tr("months");
        break;
    case RecurringFrequency::Quarterly:
        unit = one ? tr("quarter") : tr("quarters");
        break;
    case RecurringFrequency::Annual:
        unit = one ? tr("year") : tr("years");
        break;
    case RecurringFrequency::Biweekly:
    case RecurringFrequency::Semimonthly:
    case RecurringFrequency::SemiAnnual:
        break;
    }
    m_intervalSpin->setSuffix(unit.isEmpty() ? QString() : QLatin1Char(' ') + unit);
}

void RecurringFormDialog::updateSemimonthlyRows()
{
    const bool semimonthly =
        frequencyFromString(m_frequencyCombo->currentData().toString()) == RecurringFrequency::Semimonthly;
    m_form->setRowVisible(m_intervalSpin, !semimonthly);
    m_form->setRowVisible(m_day1Combo, semimonthly);
    m_form->setRowVisible(m_day2Combo, semimonthly);
}

void RecurringFormDialog::reloadPayeeCompleter()
{
    const QString accountId = m_accountCombo->currentData().toString();
    if (accountId.isEmpty() || !m_appState || !m_appState->transactionRepository())
        return;
    const QStringList payees = m_appState->transactionRepository()->payeesForAccount(accountId);
    // setModel deletes the previous model, which the completer owns.
    m_payeeCompleter->setModel(new QStringListModel(payees, m_payeeCompleter));
}

void RecurringFormDialog::selectAccount(QComboBox* combo, const QString& accountId)
{
    const int index = combo->findData(accountId);
    if (index >= 0) {
        combo->setCurrentIndex(index);
        return;
    }
    if (accountId.isEmpty())
        return;
    // A deleted (or unknown) account is still the schedule's account: show
    // it rather than pretending the schedule belongs to the first one.
    QString name = accountId;
    if (m_appState && m_appState->accountRepository()) {
        if (const std::optional<Account> account = m_appState->accountRepository()->findById(accountId))
            name = account->name;
    }
    combo->addItem(name, accountId);
    combo->setCurrentIndex(combo->count() - 1);
}

void RecurringFormDialog::selectCategory(const QString& categoryId)
{
    if (categoryId.isEmpty())
        return;
    const int index = m_categoryCombo->findData(categoryId);
    if (index >= 0) {
        m_categoryCombo->setCurrentIndex(index);
        return;
    }
    // A category deleted since keeps its place in the schedule instead of
    // being dropped on the next save, and says that it is deleted.
    CategoryRepository* categories = m_appState ? m_appState->categoryRepository() : nullptr;
    const std::optional<Category> category = categories ? categories->findById(categoryId) : std::nullopt;
    if (!category)
        return;
    QString label = category->name;
    if (!category->parentId.isEmpty()) {
        if (const std::optional<Category> parent = categories->findById(category->parentId))
            label = QStringLiteral("%1 > %2").arg(parent->name, category->name);
    }
    if (category->deletedAt)
        label = tr("%1 (deleted)").arg(label);
    m_categoryCombo->addItem(label, category->id);
    m_categoryCombo->setCurrentIndex(m_categoryCombo->count() - 1);
}

std::optional<QString> RecurringFormDialog::selectedCategoryId() const
{
    const QString text = m_categoryCombo->currentText();
    const int current = m_categoryCombo->currentIndex();
    if (current >= 0 && m_categoryCombo->itemText(current) == text)
        return m_categoryCombo->itemData(current).toString();
    const QString typed = text.trimmed();
    if (typed.isEmpty())
        return QString();
    // An item's own label also names "(none)" and a deleted category.
    const int item = m_categoryCombo->findText(typed, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0)
        return m_categoryCombo->itemData(item).toString();
    // Otherwise as the register reads a typed category.
    CategoryRepository* categories = m_appState ? m_appState->categoryRepository() : nullptr;
    const QString id = CategoryLookup::idForTypedText(categories ? categories->findAll() : QList<Category>(), typed);
    if (id.isEmpty())
        return std::nullopt;
    return id;
}

bool RecurringFormDialog::isTransfer() const
{
    return !m_original.transferDestAccountId.isEmpty();
}

void RecurringFormDialog::accept()
{
    if (!selectedCategoryId()) {
        const QString typed = m_categoryCombo->currentText().trimmed();
        CategoryRepository* categories = m_appState ? m_appState->categoryRepository() : nullptr;
        const QString shared =
            CategoryLookup::sharedNameRefusal(categories ? categories->findAll() : QList<Category>(), typed);
        MessageBoxes::warning(this, tr("Recurring Transaction"),
                              !shared.isEmpty() ? shared
                                                : tr("No category is named \"%1\". Choose one from the list, or "
                                                     "clear the field for no category.")
                                                      .arg(typed));
        m_categoryCombo->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (isTransfer() && m_destinationCombo->currentData() == m_accountCombo->currentData()) {
        MessageBoxes::warning(this, tr("Recurring Transaction"),
                              tr("A transfer needs two different accounts. Choose another account to transfer "
                                 "to."));
        m_destinationCombo->setFocus(Qt::OtherFocusReason);
        return;
    }
    // Deleted meanwhile, on another device: a new schedule has no account
    // to go to, nor a transfer a destination, and the form stays as typed.
    // (An edited schedule keeps its own account, whichever state it is in.)
    AccountRepository* accounts = m_appState ? m_appState->accountRepository() : nullptr;
    const auto gone = [accounts](const QComboBox* combo) {
        const std::optional<Account> account = accounts->findById(combo->currentData().toString());
        return !account || account->deletedAt;
    };
    QComboBox* goneCombo = nullptr;
    if (accounts && !m_editMode && gone(m_accountCombo))
        goneCombo = m_accountCombo;
    else if (accounts && isTransfer() && gone(m_destinationCombo))
        goneCombo = m_destinationCombo;
    if (goneCombo) {
        MessageBoxes::warning(this, tr("Recurring Transaction"),
                              tr("The chosen account no longer exists. Choose another account."));
        goneCombo->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

void RecurringFormDialog::loadRecurring(const RecurringTransaction& record)
{
    selectAccount(m_accountCombo, record.accountId);
    if (isTransfer()) {
        selectAccount(m_destinationCombo, record.transferDestAccountId);
        m_form->setRowVisible(m_destinationCombo, true);
    }
    if (record.amount < 0)
        m_paymentRadio->setChecked(true);
    else
        m_depositRadio->setChecked(true);
    m_payeeEdit->setText(record.payee);
    setFormAmount(m_amountField, record.amount);
    m_memoEdit->setText(record.memo);
    selectCategory(record.categoryId);

    const int frequencyIndex = m_frequencyCombo->findData(frequencyToString(record.frequency));
    if (frequencyIndex >= 0)
        m_frequencyCombo->setCurrentIndex(frequencyIndex);
    m_intervalSpin->setValue(record.intervalCount);
    const int day1 = m_day1Combo->findData(record.semimonthlyDay1);
    if (day1 >= 0)
        m_day1Combo->setCurrentIndex(day1);
    const int day2 = m_day2Combo->findData(record.semimonthlyDay2);
    if (day2 >= 0)
        m_day2Combo->setCurrentIndex(day2);
    updateSemimonthlyRows();

    m_startDateField->setDate(record.startDate);
    if (record.endDate) {
        m_hasEndDateCheck->setChecked(true);
        m_endDateField->setDate(*record.endDate);
    }

    m_autoPostCheck->setChecked(record.autoPost);
    m_leadDaysSpin->setValue(record.leadDays);
    m_leadDaysSpin->setEnabled(record.autoPost);
    m_activeCheck->setChecked(record.isActive);
}

void RecurringFormDialog::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    RenamedIds::follow(m_original, table, renamed);
    // The items keep their places, so the current ones stay chosen.
    if (table == QLatin1String("accounts")) {
        followComboIds(m_accountCombo, renamed);
        followComboIds(m_destinationCombo, renamed);
    } else if (table == QLatin1String("categories")) {
        followComboIds(m_categoryCombo, renamed);
    }
}

RecurringTransaction RecurringFormDialog::recurring() const
{
    RecurringTransaction r = m_original;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editMode) {
        r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        r.createdAt = now;
    }

    r.accountId = m_editMode ? m_original.accountId : m_accountCombo->currentData().toString();
    r.payee = m_payeeEdit->text().trimmed();
    const qint64 cents = formAmount(m_amountField);
    r.amount = m_paymentRadio->isChecked() ? -cents : cents;
    r.categoryId = selectedCategoryId().value_or(QString());
    if (isTransfer())
        r.transferDestAccountId = m_destinationCombo->currentData().toString();
    r.memo = m_memoEdit->text().trimmed();
    r.frequency = frequencyFromString(m_frequencyCombo->currentData().toString());
    r.intervalCount = m_intervalSpin->value();
    r.semimonthlyDay1 = m_day1Combo->currentData().toInt();
    r.semimonthlyDay2 = m_day2Combo->currentData().toInt();

    const QDate fieldDate = m_startDateField->date();
    qInfo().noquote().nospace() << "RecurringFormDialog::recurring() — m_editMode=" << boolText(m_editMode)
                                << " isCreateFromSeed=" << boolText(isCreateFromSeed)
                                << " widget.date=" << dateForLog(fieldDate)
                                << " m_original.startDate=" << dateForLog(m_original.startDate)
                                << " m_original.nextDueDate=" << dateForLog(m_original.nextDueDate);

    if (m_hasEndDateCheck->isChecked())
        r.endDate = m_endDateField->date();
    else
        r.endDate.reset();

    // An edit that leaves the start date alone keeps the schedule's place;
    // a new start date restarts it there.
    if (!m_editMode || fieldDate != m_original.startDate) {
        r.startDate = fieldDate;
        r.nextDueDate = fieldDate;
    }
    if (isBrokenScheduleDate(r.startDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid startDate" << dateForLog(r.startDate)
                             << "— falling back to today";
        r.startDate = QDate::currentDate();
    }
    if (isBrokenScheduleDate(r.nextDueDate)) {
        qWarning().noquote() << "RecurringFormDialog: rejecting invalid nextDueDate" << dateForLog(r.nextDueDate)
                             << "— falling back to startDate" << dateForLog(r.startDate);
        r.nextDueDate = r.startDate;
    }

    r.autoPost = m_autoPostCheck->isChecked();
    r.leadDays = r.autoPost ? m_leadDaysSpin->value() : 0;
    r.isActive = m_activeCheck->isChecked();

    r.syncStatus = SyncStatus::Pending;
    r.updatedAt = now;
    if (m_editMode)
        r.version = m_original.version + 1;
    return r;
}
