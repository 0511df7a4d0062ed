#include "ui/dialogs/transactionformdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/renamedids.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/dialogs/formamount.h"
#include "ui/dialogs/splitlineswidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QStringListModel>
#include <QUuid>
#include <QVBoxLayout>

namespace {

// Lives for the run of the program only: the next new form proposes the
// date of the last transaction a form produced.
QDate& rememberedDateRef()
{
    static QDate date;
    return date;
}

} // namespace

TransactionFormDialog::TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_accountId(accountId)
{
    setWindowTitle(tr("New Transaction"));
    setupUi();
    populateCategories();
    const QDate remembered = rememberedDateRef();
    m_dateField->setDate(remembered.isValid() ? remembered : QDate::currentDate());
    m_paymentRadio->setChecked(true);
}

TransactionFormDialog::TransactionFormDialog(AppState* appState, const Transaction& transaction, QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_accountId(transaction.accountId)
    , m_transaction(transaction)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Transaction"));
    setupUi();
    populateCategories();

    m_dateField->setDate(transaction.date);
    m_payeeEdit->setText(transaction.payee);
    setFormAmount(m_amountField, transaction.amount);
    m_memoEdit->setText(transaction.memo);
    m_checkNumberEdit->setText(transaction.checkNumber);
    m_clearedCheck->setChecked(transaction.cleared);
    if (transaction.amount < 0)
        m_paymentRadio->setChecked(true);
    else
        m_depositRadio->setChecked(true);
    if (!transaction.categoryId.isEmpty()) {
        selectCategory(transaction.categoryId);
        const int index = m_categoryCombo->findData(transaction.categoryId);
        if (index >= 0)
            m_categoryCombo->setCurrentIndex(index);
    }
    if (transaction.isSplit)
        loadSplitLines(transaction.id);
    updateSplitState();
}

TransactionFormDialog::~TransactionFormDialog() = default;

// Every field carries an object name so tests and style sheets can reach it.
void TransactionFormDialog::setupUi()
{
    setMinimumWidth(480);
    auto* layout = new QVBoxLayout(this);
    m_form = new QFormLayout;
    m_form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

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

    m_dateField = new DateField(this);
    m_dateField->setObjectName(QStringLiteral("dateField"));
    m_form->addRow(tr("Date:"), m_dateField);

    m_payeeEdit = new QLineEdit(this);
    m_payeeEdit->setObjectName(QStringLiteral("payeeEdit"));
    m_payeeEdit->setPlaceholderText(tr("Start typing to search payees..."));
    m_form->addRow(tr("Payee:"), m_payeeEdit);
    populatePayees();

    m_amountField = new SmartAmountField(this);
    m_amountField->setObjectName(QStringLiteral("amountField"));
    m_amountField->setRange(0.0, kLargestTypedAmount / 100.0);
    m_amountField->setPrefix(tr("$ "));
    m_form->addRow(tr("Amount:"), m_amountField);

    auto* categoryRow = new QHBoxLayout;
    m_categoryCombo = new QComboBox(this);
    m_categoryCombo->setObjectName(QStringLiteral("categoryCombo"));
    m_categoryCombo->setEditable(true);
    // Typed text only picks an existing category; it never adds an item.
    m_categoryCombo->setInsertPolicy(QComboBox::NoInsert);
    if (QCompleter* completer = m_categoryCombo->completer()) {
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        connect(completer, QOverload<const QString&>::of(&QCompleter::activated), this, [this](const QString& text) {
            // The combo box has already selected the chosen row; a second
            // item with the same label must not take its place.
            const int current = m_categoryCombo->currentIndex();
            if (current >= 0 && m_categoryCombo->itemText(current) == text)
                return;
            const int index =
                m_categoryCombo->findData(text, Qt::DisplayRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (index >= 0)
                m_categoryCombo->setCurrentIndex(index);
        });
    }
    m_splitButton = new QPushButton(tr("Split..."), this);
    m_splitButton->setObjectName(QStringLiteral("splitButton"));
    m_splitButton->setToolTip(
        tr("Split this transaction across multiple categories with their own amounts and memos."));
    m_singleButton = new QPushButton(tr("Use single category"), this);
    m_singleButton->setObjectName(QStringLiteral("singleCategoryButton"));
    m_singleButton->setToolTip(tr("Drop the split and return to a single-category transaction."));
    categoryRow->addWidget(m_categoryCombo, 1);
    categoryRow->addWidget(m_splitButton);
    categoryRow->addWidget(m_singleButton);
    m_form->addRow(tr("Category:"), categoryRow);

    m_splitLines = new SplitLinesWidget(m_appState, this);
    m_splitLines->setObjectName(QStringLiteral("splitLines"));
    m_form->addRow(m_splitLines);

    m_memoEdit = new QLineEdit(this);
    m_memoEdit->setObjectName(QStringLiteral("memoEdit"));
    m_memoEdit->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Memo:"), m_memoEdit);

    m_checkNumberEdit = new QLineEdit(this);
    m_checkNumberEdit->setObjectName(QStringLiteral("checkNumberEdit"));
    m_checkNumberEdit->setPlaceholderText(tr("Optional"));
    m_form->addRow(tr("Check #:"), m_checkNumberEdit);

    m_clearedCheck = new QCheckBox(tr("Cleared"), this);
    m_clearedCheck->setObjectName(QStringLiteral("clearedCheck"));
    m_form->addRow(m_clearedCheck);

    layout->addLayout(m_form);
    layout->addSpacing(12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    connect(m_splitButton, &QPushButton::clicked, this, &TransactionFormDialog::onEnterSplit);
    connect(m_singleButton, &QPushButton::clicked, this, &TransactionFormDialog::onClearSplit);
    connect(m_splitLines, &SplitLinesWidget::changed, this, [this] {
        if (m_splitMode)
            setFormAmount(m_amountField, m_splitLines->amountTotal());
    });

    if (SyncEngine* engine = m_appState ? m_appState->syncEngine() : nullptr)
        connect(engine, &SyncEngine::idsRenamed, this, &TransactionFormDialog::followRenamedIds);

    m_payeeEdit->setFocus(Qt::OtherFocusReason);
    updateSplitState();
}

void TransactionFormDialog::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    RenamedIds::follow(m_transaction, table, renamed);
    if (table == QLatin1String("accounts"))
        m_accountId = RenamedIds::follow(renamed, m_accountId);
    else if (table == QLatin1String("categories"))
        followComboIds(m_categoryCombo, renamed);
}

void TransactionFormDialog::populatePayees()
{
    QStringList payees;
    QString ownEntry;
    QSet<QString> otherEntries;
    if (m_appState && m_appState->transactionRepository())
        payees = m_appState->transactionRepository()->payeesForAccount(m_accountId);
    if (m_appState && m_appState->accountRepository()) {
        const QList<Account> accounts = m_appState->accountRepository()->findAll();
        for (const Account& account : accounts) {
            const QString entry = QStringLiteral("[Transfer] %1").arg(account.name);
            if (account.id == m_accountId) {
                ownEntry = entry;
                continue;
            }
            otherEntries.insert(entry);
            if (!payees.contains(entry))
                payees.prepend(entry);
        }
    }
    // A payee typed once as a transfer to this very account is not offered:
    // it would book a transfer to itself.
    if (!ownEntry.isEmpty() && !otherEntries.contains(ownEntry))
        payees.removeAll(ownEntry);

    auto* completer = new QCompleter(new QStringListModel(payees, this), this);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    completer->setMaxVisibleItems(10);
    m_payeeEdit->setCompleter(completer);
    connect(completer, QOverload<const QString&>::of(&QCompleter::activated), this,
            &TransactionFormDialog::onPayeeSelected);
}

void TransactionFormDialog::populateCategories()
{
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("(none)"), QString());
    if (m_appState && m_appState->categoryRepository()) {
        const QList<Category> categories = m_appState->categoryRepository()->findAll();
        QHash<QString, QString> names;
        for (const Category& category : categories)
            names.insert(category.id, category.name);
        for (const Category& category : categories) {
            const auto parent = category.parentId.isEmpty() ? names.cend() : names.constFind(category.parentId);
            const QString label =
                parent != names.cend() ? QStringLiteral("%1 > %2").arg(*parent, category.name) : category.name;
            m_categoryCombo->addItem(label, category.id);
        }
    }
    m_categoryCombo->setCurrentIndex(0);
}

void TransactionFormDialog::selectCategory(const QString& categoryId)
{
    if (categoryId.isEmpty() || m_categoryCombo->findData(categoryId) >= 0)
        return;
    if (!m_appState || !m_appState->categoryRepository())
        return;
    CategoryRepository* repository = m_appState->categoryRepository();
    const std::optional<Category> category = repository->findById(categoryId);
    if (!category)
        return;
    // A category deleted since still owns the transaction: show it, so an
    // unchanged save keeps it.
    QString label = category->name;
    if (!category->parentId.isEmpty()) {
        if (const std::optional<Category> parent = repository->findById(category->parentId))
            label = QStringLiteral("%1 > %2").arg(parent->name, category->name);
    }
    if (category->deletedAt)
        label = tr("%1 (deleted)").arg(label);
    m_categoryCombo->addItem(label, category->id);
}

void TransactionFormDialog::loadSplitLines(const QString& transactionId)
{
    if (transactionId.isEmpty() || !m_appState || !m_appState->splitLineRepository())
        return;
    const QList<SplitLine> lines = m_appState->splitLineRepository()->findByTransaction(transactionId);
    if (lines.isEmpty())
        return;
    m_splitMode = true;
    m_splitLines->setLines(lines);
}

void TransactionFormDialog::loadTransaction(const Transaction& seed)
{
    if (seed.date.isValid())
        m_dateField->setDate(seed.date);
    if (!seed.payee.isEmpty())
        m_payeeEdit->setText(seed.payee);
    if (!seed.checkNumber.isEmpty())
        m_checkNumberEdit->setText(seed.checkNumber);
    if (!seed.memo.isEmpty())
        m_memoEdit->setText(seed.memo);
    if (seed.amount != 0) {
        setFormAmount(m_amountField, seed.amount);
        if (seed.amount < 0)
            m_paymentRadio->setChecked(true);
        else
            m_depositRadio->setChecked(true);
    }
    if (!seed.categoryId.isEmpty()) {
        selectCategory(seed.categoryId);
        const int index = m_categoryCombo->findData(seed.categoryId);
        if (index >= 0)
            m_categoryCombo->setCurrentIndex(index);
    }
    if (seed.isSplit)
        loadSplitLines(seed.id);
    updateSplitState();
}

void TransactionFormDialog::onPayeeSelected(const QString& payee)
{
    if (!m_appState || !m_appState->transactionRepository())
        return;
    const std::optional<Transaction> last = m_appState->transactionRepository()->findLastByPayee(payee, m_accountId);
    if (!last)
        return;
    if (last->amount < 0)
        m_paymentRadio->setChecked(true);
    else
        m_depositRadio->setChecked(true);
    m_memoEdit->setText(last->memo);
    // In split mode the amount is the lines' total and the category is the
    // split; neither is overwritten.
    if (m_splitMode)
        return;
    setFormAmount(m_amountField, last->amount);
    if (!last->categoryId.isEmpty()) {
        const int index = m_categoryCombo->findData(last->categoryId);
        if (index >= 0)
            m_categoryCombo->setCurrentIndex(index);
    }
}

void TransactionFormDialog::onEnterSplit()
{
    m_splitMode = true;
    const qint64 cents = formAmount(m_amountField);
    if (cents > 0) {
        SplitLine line;
        line.categoryId = comboCategoryId(m_categoryCombo);
        line.amount = cents;
        m_splitLines->setLines({line});
    } else {
        m_splitLines->setLines({});
    }
    updateSplitState();
}

void TransactionFormDialog::onClearSplit()
{
    m_splitMode = false;
    updateSplitState();
}

void TransactionFormDialog::updateSplitState()
{
    m_categoryCombo->setEnabled(!m_splitMode);
    if (m_splitMode)
        m_categoryCombo->setEditText(tr("\u2014Split\u2014"));
    else if (m_categoryCombo->currentIndex() >= 0)
        m_categoryCombo->setEditText(m_categoryCombo->itemText(m_categoryCombo->currentIndex()));
    // A transfer moves one amount between two accounts: never split.
    const bool transfer = !m_transaction.transferLinkId.isEmpty();
    m_splitButton->setVisible(!m_splitMode && !transfer);
    m_singleButton->setVisible(m_splitMode);
    m_form->setRowVisible(m_splitLines, m_splitMode);
    m_amountField->setEnabled(!m_splitMode);
    if (m_splitMode) {
        setFormAmount(m_amountField, m_splitLines->amountTotal());
        resize(qMax(width(), 640), qMax(height(), 540));
    }
}

Transaction TransactionFormDialog::transaction() const
{
    Transaction t = m_transaction;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editing) {
        t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        t.accountId = m_accountId;
        t.createdAt = now;
    }
    t.date = m_dateField->date();
    t.payee = m_payeeEdit->text().trimmed();
    const qint64 cents = m_splitMode ? m_splitLines->amountTotal() : formAmount(m_amountField);
    t.amount = m_paymentRadio->isChecked() ? -cents : cents;
    // Split only with lines: a table left empty keeps the category chosen
    // before the split.
    t.isSplit = m_splitMode && !splitLines().isEmpty();
    if (t.isSplit)
        t.categoryId.clear();
    else if (m_splitMode)
        t.categoryId = m_categoryCombo->currentData().toString();
    else
        t.categoryId = comboCategoryId(m_categoryCombo);
    t.memo = m_memoEdit->text().trimmed();
    t.checkNumber = m_checkNumberEdit->text().trimmed();
    t.cleared = m_clearedCheck->isChecked();
    t.updatedAt = now;
    t.syncStatus = SyncStatus::Pending;
    rememberedDateRef() = t.date;
    return t;
}

QList<SplitLine> TransactionFormDialog::splitLines() const
{
    if (!m_splitMode)
        return {};
    return m_splitLines->lines(m_paymentRadio->isChecked() ? -1 : 1);
}

void TransactionFormDialog::accept()
{
    if (m_splitMode && !m_splitLines->checkCategories(this))
        return;
    QDialog::accept();
}
