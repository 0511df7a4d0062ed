#include "ui/dialogs/transactiondetailsdialog.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/style.h"
#include "ui/transactionactions.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <limits>

namespace {

const char* const kDimColor = "#6E8A7E";
const QString kDash = QStringLiteral("\u2014");

QString timestampText(const QDateTime& time)
{
    if (!time.isValid())
        return kDash;
    return longDateTimeText(time.toLocalTime());
}

QFrame* sunkenLine(QWidget* parent)
{
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLabel* plainLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace

TransactionDetailsDialog::TransactionDetailsDialog(AppState* appState, const Transaction& transaction,
                                                   QWidget* parent)
    : QDialog(parent)
    , m_appState(appState)
    , m_transaction(transaction)
{
    setWindowTitle(tr("Transaction Details"));
    // The cleared toggle, the delete and the caller's edit act on its id.
    TransactionActions::followRenamedIds(appState, this, m_transaction);
    buildContent();
    setMinimumWidth(480);
    setMinimumHeight(420);
}

QLabel* TransactionDetailsDialog::valueLabel(const QString& text, bool wordWrap, bool dimmed)
{
    QLabel* label = plainLabel(text.isEmpty() ? kDash : text, this);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(wordWrap);
    if (dimmed)
        label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kDimColor)));
    return label;
}

QString TransactionDetailsDialog::statusText() const
{
    if (m_transaction.reconciled)
        return tr("Reconciled");
    return m_transaction.cleared ? tr("Cleared") : tr("Uncleared");
}

QString TransactionDetailsDialog::clearedButtonText() const
{
    return m_transaction.cleared ? tr("Mark Uncleared") : tr("Mark Cleared");
}

void TransactionDetailsDialog::buildContent()
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);

    const Transaction& t = m_transaction;
    QLabel* date = valueLabel(longDateText(t.date));
    date->setObjectName(QStringLiteral("dateValue"));
    form->addRow(tr("Date:"), date);

    QLabel* payee = valueLabel(t.payee);
    payee->setObjectName(QStringLiteral("payeeValue"));
    form->addRow(tr("Payee:"), payee);

    const QString amountText = formatAmount(amountMagnitude(t.amount), CurrencyCode::USD);
    QLabel* amount = valueLabel(t.amount < 0 ? QStringLiteral("- %1").arg(amountText) : amountText);
    amount->setObjectName(QStringLiteral("amountValue"));
    const QString colour = (t.amount < 0 ? negativeColor() : positiveColor()).name().toUpper();
    amount->setStyleSheet(QStringLiteral("color: %1; font-weight: 600;").arg(colour));
    form->addRow(tr("Amount:"), amount);

    QLabel* category = nullptr;
    if (t.isSplit) {
        category = valueLabel(tr("\u2014Split\u2014"), false, true);
    } else {
        QString path;
        if (!t.categoryId.isEmpty() && m_appState && m_appState->categoryRepository())
            path = m_appState->categoryRepository()->categoryPath(t.categoryId);
        category = valueLabel(path);
    }
    category->setObjectName(QStringLiteral("categoryValue"));
    form->addRow(tr("Category:"), category);

    QLabel* memo = valueLabel(t.memo, true);
    memo->setObjectName(QStringLiteral("memoValue"));
    form->addRow(tr("Memo:"), memo);

    QLabel* check = valueLabel(t.checkNumber);
    check->setObjectName(QStringLiteral("checkNumberValue"));
    form->addRow(tr("Check #:"), check);

    if (!t.transferDestAccountId.isEmpty()) {
        QString name = t.transferDestAccountId;
        if (m_appState && m_appState->accountRepository()) {
            if (const std::optional<Account> account = m_appState->accountRepository()->findById(name))
                name = account->name;
        }
        QLabel* transfer = valueLabel(name);
        transfer->setObjectName(QStringLiteral("transferValue"));
        form->addRow(tr("Transfer to:"), transfer);
    }

    m_statusLabel = valueLabel(statusText());
    m_statusLabel->setObjectName(QStringLiteral("statusValue"));
    form->addRow(tr("Status:"), m_statusLabel);
    layout->addLayout(form);

    if (t.isSplit)
        addSplitLines(layout);

    layout->addSpacing(12);
    layout->addWidget(sunkenLine(this));
    layout->addSpacing(8);
    for (const QString& text : {tr("Entered: %1").arg(timestampText(t.createdAt)),
                                tr("Last modified: %1").arg(timestampText(t.updatedAt))}) {
        QLabel* stamp = plainLabel(text, this);
        stamp->setTextInteractionFlags(Qt::TextSelectableByMouse);
        stamp->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kDimColor)));
        setFontRole(stamp, FontRole::Caption);
        layout->addWidget(stamp);
    }

    layout->addSpacing(12);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* editButton = buttons->addButton(tr("Edit..."), QDialogButtonBox::ActionRole);
    editButton->setObjectName(QStringLiteral("editButton"));
    QPushButton* duplicateButton = buttons->addButton(tr("Duplicate..."), QDialogButtonBox::ActionRole);
    duplicateButton->setObjectName(QStringLiteral("duplicateButton"));
    if (!t.reconciled) {
        m_clearedButton = buttons->addButton(clearedButtonText(), QDialogButtonBox::ActionRole);
        m_clearedButton->setObjectName(QStringLiteral("clearedButton"));
        connect(m_clearedButton, &QPushButton::clicked, this, &TransactionDetailsDialog::toggleCleared);
    }
    QPushButton* deleteButton = buttons->addButton(tr("Delete..."), QDialogButtonBox::DestructiveRole);
    deleteButton->setObjectName(QStringLiteral("deleteButton"));
    QPushButton* closeButton = buttons->addButton(QDialogButtonBox::Close);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setDefault(true);
    layout->addWidget(buttons);
    // Enter closes: the first button in the row may be Delete.
    closeButton->setFocus(Qt::OtherFocusReason);

    connect(editButton, &QPushButton::clicked, this, [this] {
        m_editRequested = true;
        accept();
    });
    connect(duplicateButton, &QPushButton::clicked, this, [this] {
        m_duplicateRequested = true;
        accept();
    });
    connect(deleteButton, &QPushButton::clicked, this, &TransactionDetailsDialog::deleteTransaction);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    // The opening-balance row is no stored transaction: nothing to act on.
    if (t.id.isEmpty()) {
        for (QPushButton* button : {editButton, duplicateButton, m_clearedButton, deleteButton}) {
            if (button)
                button->setEnabled(false);
        }
    }
}

void TransactionDetailsDialog::addSplitLines(QVBoxLayout* layout)
{
    layout->addSpacing(12);
    QLabel* heading = plainLabel(tr("Split lines"), this);
    applyFontRole(heading, static_cast<int>(FontRole::Subtitle), 600);
    layout->addWidget(heading);

    QList<SplitLine> lines;
    if (!m_transaction.id.isEmpty() && m_appState && m_appState->splitLineRepository())
        lines = m_appState->splitLineRepository()->findByTransaction(m_transaction.id);
    if (lines.isEmpty()) {
        QLabel* none = valueLabel(tr("(no split lines on record)"), false, true);
        none->setObjectName(QStringLiteral("noSplitLines"));
        layout->addWidget(none);
        return;
    }

    auto* grid = new QGridLayout;
    grid->setObjectName(QStringLiteral("splitGrid"));
    grid->setContentsMargins(16, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    CategoryRepository* categories = m_appState ? m_appState->categoryRepository() : nullptr;
    qint64 sum = 0;
    int row = 0;
    for (const SplitLine& line : std::as_const(lines)) {
        sum += line.amount;
        const QString path =
            line.categoryId.isEmpty() || !categories ? QString() : categories->categoryPath(line.categoryId);
        QLabel* name = plainLabel(path.isEmpty() ? tr("(uncategorized)") : path, this);
        name->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QLabel* amount = plainLabel(formatAmount(amountMagnitude(line.amount), CurrencyCode::USD), this);
        amount->setTextInteractionFlags(Qt::TextSelectableByMouse);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setFontRole(amount, FontRole::Mono);
        grid->addWidget(name, row, 0);
        grid->addWidget(amount, row, 1);
        ++row;
        if (!line.memo.isEmpty()) {
            QLabel* memo = plainLabel(line.memo, this);
            memo->setWordWrap(true);
            memo->setTextInteractionFlags(Qt::TextSelectableByMouse);
            memo->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kDimColor)));
            setFontRole(memo, FontRole::Caption);
            memo->setContentsMargins(16, 0, 0, 4);
            grid->addWidget(memo, row, 0, 1, 2);
            ++row;
        }
    }
    grid->addWidget(sunkenLine(this), row++, 0, 1, 2);
    QLabel* totalName = plainLabel(tr("Total"), this);
    applyFontRole(totalName, static_cast<int>(FontRole::Body), 600);
    QLabel* total = plainLabel(formatAmount(amountMagnitude(sum), CurrencyCode::USD), this);
    total->setObjectName(QStringLiteral("splitTotal"));
    total->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    applyFontRole(total, static_cast<int>(FontRole::Mono), 600);
    grid->addWidget(totalName, row, 0);
    grid->addWidget(total, row, 1);
    layout->addLayout(grid);
}

void TransactionDetailsDialog::toggleCleared()
{
    TransactionService* service = m_appState ? m_appState->transactionService() : nullptr;
    if (!service || m_transaction.id.isEmpty() || m_transaction.reconciled)
        return;
    // The stored row is flipped, not the copy the dialog opened with, so a
    // change made since (a sync, another window) is kept.
    const TransactionService::ToggleResult result = service->toggleCleared(m_transaction.id);
    if (result == TransactionService::ToggleResult::Failed) {
        MessageBoxes::warning(this, tr("Transaction Details"), tr("The cleared state could not be saved."));
        return;
    }
    if (const std::optional<Transaction> stored = m_appState->transactionRepository()->findById(m_transaction.id))
        m_transaction = *stored;
    m_clearedChanged = m_clearedChanged || result == TransactionService::ToggleResult::Toggled;
    m_statusLabel->setText(statusText());
    if (m_clearedButton) {
        m_clearedButton->setText(clearedButtonText());
        // Reconciled meanwhile: the flag is no longer the register's to flip.
        m_clearedButton->setEnabled(!m_transaction.reconciled && !m_transaction.deletedAt);
    }
}

void TransactionDetailsDialog::deleteTransaction()
{
    // The same question and the same both-sides delete as everywhere else.
    if (!TransactionActions::confirmDelete(m_appState, m_transaction, this))
        return;
    m_deleted = true;
    accept();
}

void TransactionDetailsDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The labels know their wrapped heights only once shown.
    QTimer::singleShot(0, this, [this] {
        if (layout())
            layout()->invalidate();
        adjustSize();
    });
}
