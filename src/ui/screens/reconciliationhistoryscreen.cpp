#include "ui/screens/reconciliationhistoryscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/money.h"
#include "data/reconciliationrepository.h"
#include "data/renamedids.h"
#include "sync/syncengine.h"
#include "ui/style.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

const QString kMutedStyle = QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E"));

QTableWidgetItem* amountItem(qint64 amount, CurrencyCode currency)
{
    auto* item = new QTableWidgetItem(formatDisplayAmount(amount, currency));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if (amount < 0)
        item->setForeground(negativeColor());
    return item;
}

} // namespace

ReconciliationHistoryScreen::ReconciliationHistoryScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(12);

    m_titleLabel = new QLabel(tr("Reconciliation History"), this);
    m_titleLabel->setTextFormat(Qt::PlainText);
    setFontRole(m_titleLabel, FontRole::Heading);
    layout->addWidget(m_titleLabel);

    auto* subtitle = new QLabel(tr("Past reconciliations for this account."), this);
    subtitle->setStyleSheet(kMutedStyle);
    layout->addWidget(subtitle);
    layout->addSpacing(8);

    m_table = new QTableWidget(0, 4, this);
    m_table->setHorizontalHeaderLabels(
        {tr("Statement Date"), tr("Statement Balance"), tr("Reconciled Balance"), tr("Completed")});
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::ResizeToContents);
    m_table->verticalHeader()->hide();
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setAlternatingRowColors(true);
    layout->addWidget(m_table, 1);

    m_emptyLabel = new QLabel(
        tr("No reconciliations yet. Reconcile your account from the register to see the history here."), this);
    m_emptyLabel->setAlignment(Qt::AlignCenter);
    m_emptyLabel->setWordWrap(true);
    m_emptyLabel->setStyleSheet(QStringLiteral("color: %1; padding: 32px;").arg(QStringLiteral("#6E8A7E")));
    m_emptyLabel->hide();
    layout->addWidget(m_emptyLabel);
    followTheme(m_table, [table = m_table] { recolourNegativeItems(table); });
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::idsRenamed, this, &ReconciliationHistoryScreen::followRenamedIds);
}

ReconciliationHistoryScreen::~ReconciliationHistoryScreen() = default;

void ReconciliationHistoryScreen::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    if (table == QLatin1String("accounts"))
        m_accountId = RenamedIds::follow(renamed, m_accountId);
}

void ReconciliationHistoryScreen::setAccount(const QString& accountId)
{
    m_accountId = accountId;
    refresh();
}

void ReconciliationHistoryScreen::refresh()
{
    if (m_accountId.isEmpty())
        return;
    const std::optional<Account> account = m_appState->accountRepository()->findById(m_accountId);
    if (account)
        m_titleLabel->setText(tr("Reconciliation History — %1").arg(account->name));
    const CurrencyCode currency = account ? account->currency : CurrencyCode::USD;

    const QList<Reconciliation> rows = m_appState->reconciliationRepository()->findByAccount(m_accountId);
    if (rows.isEmpty()) {
        m_table->hide();
        m_emptyLabel->show();
        return;
    }
    m_emptyLabel->hide();
    m_table->show();
    m_table->setRowCount(rows.size());
    for (int row = 0; row < rows.size(); ++row) {
        const Reconciliation& r = rows.at(row);
        m_table->setItem(row, 0, new QTableWidgetItem(namedMonthText(r.statementDate, QStringLiteral("MMM d, yyyy"))));
        m_table->setItem(row, 1, amountItem(r.statementBalance, currency));
        m_table->setItem(row, 2, amountItem(r.reconciledBalance, currency));
        m_table->setItem(row, 3, new QTableWidgetItem(
                                     namedMonthText(r.completedAt.toLocalTime(), QStringLiteral("MMM d, yyyy h:mm ap"))));
    }
}
