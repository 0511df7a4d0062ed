#include "ui/mainwindow.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "services/accountsetup.h"
#include "services/datarecovery.h"
#include "services/importservice.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/mainwindow_p.h"
#include "ui/register/registerscreen.h"
#include "ui/style.h"
#include "ui/widgets/accountlistwidgets.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/statusbar.h"

#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using namespace MainWindowPrivate;

namespace {

// The list's style sheet pads every item by 7 pixels above and below, and
// the view places a row widget inside that padding: the item is made that
// much taller, so the row keeps its full height.
const int kItemVerticalPadding = 14;
// The account pane's least width at the normal font size.
const int kAccountPaneMinimumWidth = 260;

// Menu texts read "&" as a mnemonic marker; a name shows it as written.
QString menuText(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

void MainWindow::setupAccountList()
{
    m_accountList = new QListWidget;
    m_accountList->setObjectName(QStringLiteral("accountList"));
    m_accountList->setStyleSheet(styleSheetForAccountList());
    m_accountList->setFocusPolicy(Qt::NoFocus);
    m_accountList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_accountList->setContextMenuPolicy(Qt::CustomContextMenu);
    m_accountList->setDragDropMode(QAbstractItemView::InternalMove);
    m_accountList->setDefaultDropAction(Qt::MoveAction);

    connect(m_accountList, &QListWidget::itemClicked, this, &MainWindow::onAccountClicked);
    connect(m_accountList, &QWidget::customContextMenuRequested, this, &MainWindow::onAccountContextMenu);
    // Queued: the drop is still running when the model reports the move.
    connect(m_accountList->model(), &QAbstractItemModel::rowsMoved, this, [this] { saveAccountOrder(); },
            Qt::QueuedConnection);

    m_footerLabel = new QLabel;
    m_footerLabel->setObjectName(QStringLiteral("footerLabel"));
    m_footerLabel->setTextFormat(Qt::PlainText);
    setFontRole(m_footerLabel, FontRole::Strong);
    m_footerLabel->setAlignment(Qt::AlignCenter);
    m_footerLabel->setFixedHeight(32);
    m_footerLabel->setStyleSheet(
        QStringLiteral("background: %1; color: %2; border-top: 1px solid %3; padding: 4px;")
            .arg(QStringLiteral("#152420"), QStringLiteral("#8FAF9F"), QStringLiteral("#1E3028")));

    auto* pane = new QWidget;
    pane->setObjectName(QStringLiteral("accountPane"));
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    paneLayout->addWidget(m_accountList, 1);
    paneLayout->addWidget(m_footerLabel, 0);

    fitAccountPaneToFont();

    m_splitter = new QSplitter(Qt::Horizontal);
    connect(m_splitter, &QSplitter::splitterMoved, this, [this] { fitAccountItemsToWidth(); });
    m_accountList->installEventFilter(new ListResizeWatcher([this] { fitAccountItemsToWidth(); }, this));

    m_splitter->addWidget(pane);
    m_splitter->addWidget(m_pages);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setCollapsible(0, false);
    m_splitter->setCollapsible(1, false);
    m_splitter->setChildrenCollapsible(false);

    QSettings settings;
    if (settings.contains(QLatin1String(kSplitterKey)))
        m_splitter->restoreState(settings.value(QLatin1String(kSplitterKey)).toByteArray());
    else
        m_splitter->setSizes({280, 1000});
    setCentralWidget(m_splitter);
}

void MainWindow::fitAccountPaneToFont()
{
    // Names and balances grow with the font; so does the pane's least width,
    // by half as much, so that at the largest font the window's minimum still
    // fits a 1280-pixel screen (names elide; the pane can be widened).
    const int growth = std::max(0, fontScalePercent() - 100) / 2;
    const int least = kAccountPaneMinimumWidth * (100 + growth) / 100;
    m_accountList->setMinimumWidth(least);
    if (QWidget* pane = m_accountList->parentWidget()) {
        pane->setMinimumWidth(least);
        pane->setMaximumWidth(std::max(500, least * 2));
    }
}

QString MainWindow::styleSheetForAccountList()
{
    return QStringLiteral("QListWidget {  background-color: %1;  border: none;  outline: none;  padding: 6px 0;  "
                          "font-size: %7pt;}QListWidget::item {  color: %2;  padding: 7px 14px;  border: none;}"
                          "QListWidget::item:hover {  background-color: %3;  color: %4;}"
                          "QListWidget::item:selected {  background-color: %5;  color: %4;}"
                          "QListWidget::item:disabled {  color: %6;  padding: 10px 14px 4px 14px;  "
                          "background: transparent;}")
        .arg(QStringLiteral("#152420"), QStringLiteral("#8FAF9F"), QStringLiteral("#1E3530"),
             QStringLiteral("#FFFFFF"), QStringLiteral("#26574A"), QStringLiteral("#5A7A6E"),
             QString::number(scaledFont().pointSize()));
}

void MainWindow::scheduleAccountListRefresh()
{
    if (!m_refreshTimer->isActive())
        m_refreshTimer->start();
}

void MainWindow::onAccountsChanged()
{
    scheduleAccountListRefresh();
}

void MainWindow::refreshAccountList()
{
    // A rebuild now makes any pending one pointless.
    m_refreshTimer->stop();
    // An import's rows are not stored until its transaction commits, and a
    // rollback drops them: the balances wait for its end (importFinished).
    if (const ImportService* import = m_appState->importService(); import && import->isRunning())
        return;
    m_accountList->clear();

    const QList<Account> accounts = m_appState->accountRepository()->findAll();
    const QHash<QString, qint64> sums = m_appState->transactionRepository()->liveSumsByAccount();
    const int width = m_accountList->viewport()->width();

    // One total per currency, in the currencies' fixed order.
    QMap<int, qint64> totals;
    for (const Account& account : accounts) {
        const qint64 balance = saturatingAdd(account.startingBalance, sums.value(account.id));
        auto* row = new AccountRowWidget(account, balance);
        auto* item = new QListWidgetItem;
        item->setData(Qt::UserRole, account.id);
        item->setToolTip(row->nameLabel()->toolTip());
        item->setSizeHint(QSize(width, row->sizeHint().height() + 10 + kItemVerticalPadding));
        m_accountList->addItem(item);
        m_accountList->setItemWidget(item, row);
        const int currency = static_cast<int>(account.currency);
        totals[currency] = saturatingAdd(totals.value(currency), balance);
    }

    m_statusBar->setAccountCount(int(accounts.size()));
    // Schedules of a deleted account are not due.
    updateRecurringDueIndicator();
    setupAccountShortcuts();

    if (accounts.isEmpty()) {
        m_footerLabel->setText(tr("No accounts"));
    } else {
        QStringList parts;
        for (auto it = totals.cbegin(); it != totals.cend(); ++it)
            parts.append(formatDisplayAmount(it.value(), static_cast<CurrencyCode>(it.key())));
        m_footerLabel->setText(tr("Total: %1").arg(parts.join(QStringLiteral(" \u00B7 "))));
    }

    // The account shown was deleted, here or on another device: the window
    // moves on to another account or the start page, once the register has
    // said what typing it drops.
    const QString current = m_appState->currentAccountId();
    if (m_pages->currentWidget() == m_registerPage
        && std::none_of(accounts.cbegin(), accounts.cend(), [&current](const Account& a) { return a.id == current; })) {
        reloadRegister();
        m_appState->setCurrentAccountId(QString());
        showNoAccountPage();
        return;
    }
    highlightCurrentAccount();
}

void MainWindow::highlightCurrentAccount()
{
    const QString current = m_appState->currentAccountId();
    for (int i = 0; !current.isEmpty() && i < m_accountList->count(); ++i) {
        if (m_accountList->item(i)->data(Qt::UserRole).toString() == current) {
            m_accountList->setCurrentRow(i);
            return;
        }
    }
    m_accountList->setCurrentItem(nullptr);
}

void MainWindow::setupAccountShortcuts()
{
    qDeleteAll(m_accountShortcuts);
    m_accountShortcuts.clear();
    const int count = qMin(m_accountList->count(), 10);
    for (int i = 0; i < count; ++i) {
        const Qt::Key key = i < 9 ? Qt::Key(Qt::Key_1 + i) : Qt::Key_0;
        const QString accountId = m_accountList->item(i)->data(Qt::UserRole).toString();
        auto* shortcut = new QShortcut(QKeySequence(QKeyCombination(Qt::AltModifier, key)), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this, accountId] { selectAccount(accountId); });
        m_accountShortcuts.append(shortcut);
    }
}

void MainWindow::fitAccountItemsToWidth()
{
    const int width = m_accountList->viewport()->width();
    if (width < 1)
        return;
    for (int i = 0; i < m_accountList->count(); ++i) {
        QListWidgetItem* item = m_accountList->item(i);
        const QSize hint = item->sizeHint();
        if (hint.width() != width)
            item->setSizeHint(QSize(width, hint.height()));
    }
}

void MainWindow::saveAccountOrder()
{
    QList<AccountSortOrder> orders;
    for (int i = 0; i < m_accountList->count(); ++i) {
        const QString id = m_accountList->item(i)->data(Qt::UserRole).toString();
        if (!id.isEmpty())
            orders.append({id, i});
    }
    if (!m_appState->accountRepository()->updateSortOrders(orders)) {
        m_statusBar->showWarning(tr("The account order could not be saved."), kErrorTimeout);
        // Back to the stored order, so the list does not pretend otherwise.
        refreshAccountList();
    }
}

void MainWindow::selectAccount(const QString& accountId)
{
    if (!liveAccount(accountId))
        return;
    if (m_registerScreen && m_pages->currentWidget() == m_registerPage
        && m_registerScreen->currentAccountId() == accountId) {
        // Already shown: what is typed in its entry row stays.
        m_registerScreen->reload();
        highlightCurrentAccount();
        return;
    }
    if (!settleRegisterEntry()) {
        highlightCurrentAccount();
        return;
    }
    m_appState->setCurrentAccountId(accountId);
    if (m_registerScreen)
        m_registerScreen->setAccount(accountId);
    m_pages->setCurrentWidget(m_registerPage);
    highlightCurrentAccount();
}

void MainWindow::onAccountClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    if (!createAccountWithOpeningBalance(m_appState->database(), m_appState->accountRepository(),
                                          m_appState->transactionRepository(), account, account.startingBalance,
                                          dialog.asOfDate())) {
        MessageBoxes::warning(this, tr("New Account"),
                              tr("The account \"%1\" could not be created.").arg(account.name));
        refreshAccountList();
        return;
    }
    selectAccount(account.id);
}

void MainWindow::showEditAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    const std::optional<Account> account = liveAccount(m_appState->currentAccountId());
    if (!account)
        return;
    AccountFormDialog dialog(*account, this);
    // A sync repair may give the account its server id while the form is open.
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::idsRenamed, &dialog, &AccountFormDialog::followRenamedIds);
    while (MessageBoxes::exec(&dialog) == QDialog::Accepted) {
        const Account changed = dialog.account();
        // An update of a row that is gone matches nothing and looks saved:
        // the form comes back with what was typed.
        if (!liveAccount(changed.id)) {
            MessageBoxes::warning(this, tr("Edit Account"), tr("This account no longer exists. Nothing was saved."));
            continue;
        }
        if (!m_appState->accountRepository()->update(changed)) {
            MessageBoxes::warning(this, tr("Edit Account"),
                                  tr("The changes to \"%1\" could not be saved.").arg(account->name));
            return;
        }
        reloadRegister();
        return;
    }
}

QMenu* MainWindow::createAccountContextMenu(const QString& accountId)
{
    auto* menu = new QMenu(this);
    menu->addAction(tr("New Account..."), this, &MainWindow::showNewAccountDialog);
    if (accountId.isEmpty())
        return menu;

    const std::optional<Account> account = m_appState->accountRepository()->findById(accountId);
    const QString name = menuText(account ? account->name : QString());
    // Each command works on the account it was opened on.
    auto onAccount = [this, accountId](void (MainWindow::*slot)()) {
        return [this, accountId, slot] {
            selectAccount(accountId);
            (this->*slot)();
        };
    };
    menu->addSeparator();
    menu->addAction(tr("Edit \"%1\"...").arg(name), this, onAccount(&MainWindow::showEditAccountDialog));
    menu->addAction(tr("Reconcile..."), this, onAccount(&MainWindow::showReconciliationWindow));
    menu->addAction(tr("Reconciliation History..."), this, onAccount(&MainWindow::showReconciliationHistoryWindow));
    menu->addAction(tr("Rename Payees..."), this, onAccount(&MainWindow::showPayeesWindow));
    menu->addSeparator();
    menu->addAction(tr("Share..."), this, onAccount(&MainWindow::showShareAccountDialog));
    menu->addSeparator();
    menu->addAction(tr("Delete \"%1\"").arg(name), this, [this, accountId] { deleteAccount(accountId); });
    return menu;
}

void MainWindow::onAccountContextMenu(const QPoint& pos)
{
    QListWidgetItem* item = m_accountList->itemAt(pos);
    const QString id = item ? item->data(Qt::UserRole).toString() : QString();
    QMenu* menu = createAccountContextMenu(id);
    menu->exec(m_accountList->viewport()->mapToGlobal(pos));
    delete menu;
    // The right-click moved the highlight; whatever the menu did, it goes
    // back to the account whose register is shown.
    highlightCurrentAccount();
}

void MainWindow::deleteAccount(const QString& accountId)
{
    const std::optional<Account> account = liveAccount(accountId);
    if (!account)
        return;
    const QMessageBox::StandardButton answer = MessageBoxes::show(
        {QMessageBox::Warning, this, tr("Delete Account"),
         tr("Delete \"%1\"?\n\nAll transactions, recurring entries, and reconciliation history for this account "
            "will be removed. You can restore it from Preferences \u2192 Data & Sync.")
             .arg(account->name),
         QMessageBox::Yes | QMessageBox::No, QMessageBox::No});
    if (answer != QMessageBox::Yes)
        return;

    if (!DataRecovery::deleteAccount(m_appState->syncedRepositories(), accountId)) {
        MessageBoxes::warning(this, tr("Delete Account"),
                              tr("\"%1\" could not be deleted. Nothing was changed.").arg(account->name));
        refreshAccountList();
        return;
    }
    // Deleted by the user: what was typed into its register goes with it.
    if (m_registerScreen && m_registerScreen->currentAccountId() == accountId)
        m_registerScreen->discardUnsavedEntry();
    refreshAccountList();
}

void MainWindow::deleteCurrentAccount()
{
    if (!requireCurrentAccount())
        return;
    deleteAccount(m_appState->currentAccountId());
}
