#include "ui/screens/reconciliationscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "services/reconciliationservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/style.h"
#include "ui/transactionactions.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHash>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace {

const double kStatementLimit = 99999999.99;
const QString kMuted = QStringLiteral("#6E8A7E");

enum Column { CheckColumn = 0, DateColumn, PayeeColumn, AmountColumn, ClearedColumn, ColumnCount };

QFrame* sunkenLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QString colorStyle(const QColor& color)
{
    return QStringLiteral("color: %1;").arg(color.name());
}

ReconciliationService serviceOf(AppState* appState)
{
    return ReconciliationService(appState->database(), appState->accountRepository(),
                                 appState->transactionRepository(), appState->reconciliationRepository());
}

} // namespace

ReconciliationScreen::ReconciliationScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* outer = new QHBoxLayout(this);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    outer->addWidget(splitter);

    auto* left = new QWidget(splitter);
    // The summary captions grow with the font.
    left->setFixedWidth(310 * std::max(100, fontScalePercent()) / 100);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(16, 16, 16, 16);

    auto* heading = new QLabel(tr("Reconcile Account"), left);
    applyFontRole(heading, int(FontRole::Subtitle), 700);
    leftLayout->addWidget(heading);
    leftLayout->addSpacing(16);

    leftLayout->addWidget(new QLabel(tr("Statement Date:"), left));
    m_statementDate = new DateField(left);
    m_statementDate->setObjectName(QStringLiteral("statementDateField"));
    leftLayout->addWidget(m_statementDate);
    leftLayout->addSpacing(8);

    leftLayout->addWidget(new QLabel(tr("Statement Balance:"), left));
    m_statementBalance = new SmartAmountField(left);
    m_statementBalance->setObjectName(QStringLiteral("statementBalanceField"));
    m_statementBalance->setRange(-kStatementLimit, kStatementLimit);
    m_statementBalance->setPrefix(QStringLiteral("$ "));
    connect(m_statementBalance, &SmartAmountField::valueChanged, this, &ReconciliationScreen::updateDifference);
    leftLayout->addWidget(m_statementBalance);
    leftLayout->addSpacing(16);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 0);
    leftLayout->addLayout(grid);
    m_previousLabel = addSummaryRow(grid, 0, tr("Previous Balance"), true, "previousBalanceValue");
    m_depositsLabel = addSummaryRow(grid, 1, tr("Cleared Deposits"), false, "clearedDepositsValue");
    m_withdrawalsLabel = addSummaryRow(grid, 2, tr("Cleared Withdrawals"), false, "clearedWithdrawalsValue");
    grid->addWidget(sunkenLine(left), 3, 0, 1, 2);
    m_clearedLabel = addSummaryRow(grid, 4, tr("Cleared Balance"), false, "clearedBalanceValue");
    m_statementLabel = addSummaryRow(grid, 5, tr("Statement Balance"), true, "statementBalanceValue");
    grid->addWidget(sunkenLine(left), 6, 0, 1, 2);
    auto* differenceCaption = new QLabel(tr("Difference"), left);
    applyFontRole(differenceCaption, int(FontRole::Body), 700);
    grid->addWidget(differenceCaption, 7, 0, Qt::AlignLeft | Qt::AlignVCenter);
    m_differenceLabel = new QLabel(left);
    m_differenceLabel->setObjectName(QStringLiteral("differenceValue"));
    applyFontRole(m_differenceLabel, int(FontRole::Mono), 700);
    grid->addWidget(m_differenceLabel, 7, 1, Qt::AlignRight | Qt::AlignVCenter);
    leftLayout->addStretch();

    m_finishButton = new QPushButton(tr("Finish Reconciliation"), left);
    m_finishButton->setObjectName(QStringLiteral("finishButton"));
    m_finishButton->setEnabled(false);
    connect(m_finishButton, &QPushButton::clicked, this, &ReconciliationScreen::finish);
    leftLayout->addWidget(m_finishButton);
    auto* cancel = new QPushButton(tr("Cancel"), left);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this, &ReconciliationScreen::cancelReconciliation);
    leftLayout->addWidget(cancel);

    auto* right = new QWidget(splitter);
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->setSpacing(0);
    auto* tools = new QHBoxLayout;
    tools->setContentsMargins(8, 8, 8, 4);
    tools->setSpacing(8);
    auto addTool = [&](const QString& text, const QString& tip, void (ReconciliationScreen::*slot)()) {
        auto* button = new QPushButton(text, right);
        button->setToolTip(tip);
        connect(button, &QPushButton::clicked, this, slot);
        tools->addWidget(button);
    };
    const QString newKey = QKeySequence(QKeySequence::New).toString(QKeySequence::NativeText);
    addTool(tr("Add Transaction"), tr("Add a transaction (%1)").arg(newKey), &ReconciliationScreen::addTransaction);
    addTool(tr("Edit"), tr("Edit selected transaction (F2)"), &ReconciliationScreen::editSelectedTransaction);
    addTool(tr("Delete"), tr("Delete selected transaction (Del)"), &ReconciliationScreen::deleteSelectedTransaction);
    tools->addStretch();
    rightLayout->addLayout(tools);

    m_table = new QTableWidget(0, ColumnCount, right);
    m_table->setObjectName(QStringLiteral("reconciliationTable"));
    m_table->setHorizontalHeaderLabels({QString(), tr("Date"), tr("Payee"), tr("Amount"), tr("Clr")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(CheckColumn, QHeaderView::Fixed);
    header->resizeSection(CheckColumn, 30);
    header->setSectionResizeMode(PayeeColumn, QHeaderView::Stretch);
    // Dates and amounts are never cut, whatever the font.
    header->setSectionResizeMode(DateColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(AmountColumn, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->installEventFilter(this);
    connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        if (column != CheckColumn)
            editSelectedTransaction();
    });
    rightLayout->addWidget(m_table, 1);

    splitter->addWidget(left);
    splitter->addWidget(right);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    addShortcut(QKeySequence(QKeySequence::New), &ReconciliationScreen::addTransaction);
    addShortcut(QKeySequence(Qt::Key_Insert), &ReconciliationScreen::addTransaction);
    addShortcut(QKeySequence(Qt::Key_F2), &ReconciliationScreen::editSelectedTransaction);
    addShortcut(QKeySequence(Qt::Key_Delete), &ReconciliationScreen::deleteSelectedTransaction);
    addShortcut(QKeySequence(QKeySequence::Delete), &ReconciliationScreen::deleteSelectedTransaction);
    // Escape leaves as every window does, through Cancel and its question.
    addShortcut(QKeySequence(Qt::Key_Escape), &ReconciliationScreen::cancelReconciliation);

    // An account deleted while the window is open can no longer be finished.
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this,
            &ReconciliationScreen::updateDifference);
    followTheme(this, [this] {
        updateDifference();
        recolourNegativeItems(m_table);
    });
    m_openingDate = m_statementDate->date();
}

ReconciliationScreen::~ReconciliationScreen() = default;

QLabel* ReconciliationScreen::addSummaryRow(QGridLayout* grid, int row, const QString& caption, bool muted,
                                            const char* name)
{
    QWidget* owner = grid->parentWidget();
    auto* captionLabel = new QLabel(caption, owner);
    auto* value = new QLabel(owner);
    value->setObjectName(QLatin1String(name));
    setFontRole(value, FontRole::Mono);
    if (muted) {
        captionLabel->setStyleSheet(colorStyle(QColor(kMuted)));
        value->setStyleSheet(colorStyle(QColor(kMuted)));
    }
    grid->addWidget(captionLabel, row, 0, Qt::AlignLeft | Qt::AlignVCenter);
    grid->addWidget(value, row, 1, Qt::AlignRight | Qt::AlignVCenter);
    return value;
}

void ReconciliationScreen::addShortcut(const QKeySequence& sequence, void (ReconciliationScreen::*slot)())
{
    // The platform's Delete may be the Del key already registered.
    if (sequence.isEmpty())
        return;
    const QList<QShortcut*> existing = findChildren<QShortcut*>(QString(), Qt::FindDirectChildrenOnly);
    for (const QShortcut* shortcut : existing) {
        if (shortcut->key() == sequence)
            return;
    }
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, slot);
}

void ReconciliationScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    const std::optional<ReconciliationStart> start = serviceOf(m_appState).start(accountId);
    if (!start)
        return;
    m_previousBalance = start->previousBalance;
    if (start->proposedStatementDate)
        m_statementDate->setDate(*start->proposedStatementDate);
    // The proposed date is no typing of the user's.
    m_openingDate = m_statementDate->date();
    m_openingStatement = ReconciliationService::toMinorUnits(m_statementBalance->value());
    loadTransactions();
}

void ReconciliationScreen::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    if (table == QLatin1String("accounts")) {
        m_accountId = renamed.value(m_accountId, m_accountId);
    } else if (table == QLatin1String("transactions")) {
        // Finishing finds the ticked rows by id, and a reload keeps ticks
        // by id.
        for (Transaction& row : m_rows)
            row.id = renamed.value(row.id, row.id);
        QHash<QString, bool> opening;
        for (auto it = m_openingTicks.constBegin(); it != m_openingTicks.constEnd(); ++it)
            opening.insert(renamed.value(it.key(), it.key()), it.value());
        m_openingTicks = opening;
    }
}

void ReconciliationScreen::loadTransactions()
{
    if (m_accountId.isEmpty())
        return;
    QHash<QString, bool> remembered;
    for (int i = 0; i < m_rows.size(); ++i)
        remembered.insert(m_rows.at(i).id, m_checked.at(i));

    m_rows = m_appState->transactionRepository()->findUnreconciled(m_accountId);
    m_checked.clear();
    m_checked.reserve(m_rows.size());
    for (const Transaction& t : std::as_const(m_rows)) {
        m_checked.append(remembered.value(t.id, t.cleared));
        // A row added or edited here arrives as stored: its tick is no
        // change of the user's.
        if (!m_openingTicks.contains(t.id))
            m_openingTicks.insert(t.id, m_checked.last());
    }

    m_table->setRowCount(0);
    m_table->setRowCount(m_rows.size());
    for (int row = 0; row < m_rows.size(); ++row) {
        const Transaction& t = m_rows.at(row);
        auto* box = new QCheckBox(m_table);
        box->setChecked(m_checked.at(row));
        // The table keeps the focus, so its keys keep working after a click.
        box->setFocusPolicy(Qt::NoFocus);
        connect(box, &QCheckBox::toggled, this, [this, row](bool on) {
            if (row >= m_checked.size())
                return;
            m_checked[row] = on;
            updateDifference();
        });
        m_table->setCellWidget(row, CheckColumn, box);

        m_table->setItem(row, DateColumn, new QTableWidgetItem(t.date.toString(QStringLiteral("MM/dd/yyyy"))));
        m_table->setItem(row, PayeeColumn, new QTableWidgetItem(t.payee));
        // The rows show dollars whatever the account's currency; the
        // summary shows the account's.
        auto* amount = new QTableWidgetItem(formatDisplayAmount(t.amount, CurrencyCode::USD));
        amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (t.amount < 0)
            amount->setForeground(negativeColor());
        m_table->setItem(row, AmountColumn, amount);
        m_table->setItem(row, ClearedColumn, new QTableWidgetItem(t.cleared ? QStringLiteral("C") : QString()));
    }
    updateDifference();
}

void ReconciliationScreen::updateDifference()
{
    QList<qint64> ticked;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_checked.at(i))
            ticked.append(m_rows.at(i).amount);
    }
    std::optional<Account> account;
    if (!m_accountId.isEmpty())
        account = m_appState->accountRepository()->findById(m_accountId);
    const bool accountLive = account && !account->deletedAt;
    const CurrencyCode currency = account ? account->currency : CurrencyCode::USD;

    const qint64 statement = ReconciliationService::toMinorUnits(m_statementBalance->value());
    const ReconciliationTotals totals = ReconciliationService::totals(m_previousBalance, ticked, statement);
    m_previousLabel->setText(formatDisplayAmount(m_previousBalance, currency));
    m_depositsLabel->setText(formatDisplayAmount(totals.clearedDeposits, currency));
    m_withdrawalsLabel->setText(formatDisplayAmount(totals.clearedWithdrawals, currency));
    m_clearedLabel->setText(formatDisplayAmount(totals.clearedBalance, currency));
    m_statementLabel->setText(formatDisplayAmount(statement, currency));
    m_differenceLabel->setText(formatDisplayAmount(totals.difference, currency));
    m_differenceLabel->setStyleSheet(colorStyle(totals.difference == 0 ? positiveColor() : negativeColor()));
    m_finishButton->setEnabled(totals.difference == 0 && accountLive);

    // A cleared balance beyond the field's usual range must still be
    // enterable as the statement balance; the range only ever widens.
    const double cleared = double(totals.clearedBalance) / 100.0;
    if (cleared > m_statementBalance->maximum())
        m_statementBalance->setMaximum(cleared);
    if (cleared < m_statementBalance->minimum())
        m_statementBalance->setMinimum(cleared);
}

bool ReconciliationScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Space || key == Qt::Key_C || key == Qt::Key_R) {
            const int row = currentRow();
            if (row >= 0)
                setChecked(row, !m_checked.at(row));
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ReconciliationScreen::setChecked(int row, bool checked)
{
    m_checked[row] = checked;
    if (auto* box = qobject_cast<QCheckBox*>(m_table->cellWidget(row, CheckColumn))) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }
    updateDifference();
}

int ReconciliationScreen::currentRow() const
{
    const int row = m_table->currentRow();
    return row >= 0 && row < m_rows.size() ? row : -1;
}

void ReconciliationScreen::finish()
{
    QList<Transaction> ticked;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_checked.at(i))
            ticked.append(m_rows.at(i));
    }
    const qint64 statement = ReconciliationService::toMinorUnits(m_statementBalance->value());
    ReconciliationService service = serviceOf(m_appState);
    switch (service.finish(m_accountId, m_previousBalance, ticked, m_statementDate->date(), statement)) {
    case ReconciliationService::FinishResult::Finished:
        m_finished = true; // the close that follows loses nothing
        MessageBoxes::information(this, tr("Reconciliation Complete"), tr("Account reconciled successfully."));
        emit reconciliationCompleted();
        return;
    case ReconciliationService::FinishResult::Stale:
        MessageBoxes::warning(this, tr("Reconciliation Not Saved"),
                              tr("Some transactions were changed elsewhere since this list was loaded. Nothing "
                                 "was saved; review the list and finish again."));
        if (const std::optional<ReconciliationStart> start = service.start(m_accountId))
            m_previousBalance = start->previousBalance;
        loadTransactions();
        return;
    case ReconciliationService::FinishResult::AccountGone:
        MessageBoxes::warning(this, tr("Reconciliation Not Saved"),
                              tr("This account no longer exists. Nothing was saved."));
        updateDifference();
        return;
    case ReconciliationService::FinishResult::Failed:
        MessageBoxes::warning(this, tr("Reconciliation Not Saved"),
                              tr("The reconciliation could not be saved. Nothing was changed."));
        return;
    }
}

bool ReconciliationScreen::hasUnsavedWork() const
{
    if (m_finished)
        return false;
    if (m_statementDate->date() != m_openingDate
        || ReconciliationService::toMinorUnits(m_statementBalance->value()) != m_openingStatement)
        return true;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_checked.at(i) != m_openingTicks.value(m_rows.at(i).id, m_checked.at(i)))
            return true;
    }
    return false;
}

bool ReconciliationScreen::confirmDiscard()
{
    return !hasUnsavedWork()
        || MessageBoxes::question(this, tr("Discard Reconciliation"), tr("Discard this reconciliation?"),
                                  QMessageBox::No)
               == QMessageBox::Yes;
}

void ReconciliationScreen::cancelReconciliation()
{
    if (!confirmDiscard())
        return;
    // The owner closes the window on cancelled(); that close asks no more.
    const QPointer<ReconciliationScreen> self(this);
    m_discardAgreed = true;
    emit cancelled();
    if (self)
        m_discardAgreed = false;
}

void ReconciliationScreen::closeDiscarding()
{
    m_discardAgreed = true;
    close(); // a delete on close comes later
    m_discardAgreed = false;
}

void ReconciliationScreen::closeEvent(QCloseEvent* event)
{
    if (!m_discardAgreed && !confirmDiscard()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

void ReconciliationScreen::addTransaction()
{
    if (m_accountId.isEmpty())
        return;
    if (TransactionActions::addTransaction(m_appState, m_accountId, nullptr, this))
        loadTransactions();
}

void ReconciliationScreen::editSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0)
        return;
    // Edit what is stored now, not the copy this list was loaded with.
    const std::optional<Transaction> stored = m_appState->transactionRepository()->findById(m_rows.at(row).id);
    if (!stored || stored->deletedAt) {
        MessageBoxes::information(this, tr("Edit Transaction"), tr("This transaction no longer exists."));
        loadTransactions();
        return;
    }
    if (TransactionActions::edit(m_appState, *stored, this))
        loadTransactions();
}

void ReconciliationScreen::deleteSelectedTransaction()
{
    const int row = currentRow();
    if (row < 0)
        return;
    if (TransactionActions::confirmDelete(m_appState, m_rows.at(row), this))
        loadTransactions();
}
