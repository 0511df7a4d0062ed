#include "ui/mainwindow.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/recurringservice.h"
#include "services/sampledataservice.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/widgets/accountlistwidgets.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registerscreen.h"
#include "ui/screens/welcomescreen.h"
#include "ui/widgets/statusbar.h"
#include "ui/style.h"
#include "ui/thememanager.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDebug>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

#include <limits>

namespace {

const char* const kGeometryKey = "mainwindow/geometry";
const char* const kSplitterKey = "mainwindow/splitter";
const int kSyncDoneTimeout = 2000;
const int kConfirmationTimeout = 3000;
const int kErrorTimeout = 5000;
// Auto-posting reports as long as an error does.
const int kAutoPostTimeout = 5000;
const int kRecurringInterval = 60 * 60 * 1000;
const char* const kHasSignedInBeforeKey = "auth/hasSignedInBefore";
// The list's style sheet pads every item by 7 pixels above and below, and
// the view places a row widget inside that padding: the item is made that
// much taller, so the row keeps its full height.
const int kItemVerticalPadding = 14;

// Totals of absurd stored amounts stop at the limits instead of wrapping.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

// Menu texts read "&" as a mnemonic marker; a name shows it as written.
QString menuText(QString text)
{
    return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

QLabel* centredLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

MainWindow::MainWindow(AppState* appState, QWidget* parent)
    : QMainWindow(parent)
    , m_appState(appState)
{
    setWindowTitle(tr("Larkspur Tallyleaf"));

    QSettings settings;
    const QByteArray geometry = settings.value(QLatin1String(kGeometryKey)).toByteArray();
    if (geometry.isEmpty() || !restoreGeometry(geometry))
        resize(1280, 900);

    m_refreshTimer = new QTimer(this);
    m_refreshTimer->setSingleShot(true);
    m_refreshTimer->setInterval(0);
    connect(m_refreshTimer, &QTimer::timeout, this, &MainWindow::refreshAccountList);
    m_registerReloadTimer = new QTimer(this);
    m_registerReloadTimer->setSingleShot(true);
    m_registerReloadTimer->setInterval(0);
    connect(m_registerReloadTimer, &QTimer::timeout, this, &MainWindow::reloadRegister);

    setupMenuBar();

    m_registerScreen = new RegisterScreen(m_appState);
    m_registerPage = m_registerScreen;
    m_registerPage->setObjectName(QStringLiteral("registerPage"));
    connect(m_registerScreen, &RegisterScreen::reconcileRequested, this, [this] { showReconciliationWindow(); });
    connect(m_registerScreen, &RegisterScreen::errorMessage, this,
            [this](const QString& text) { m_statusBar->showMessage(text, kErrorTimeout); });
    connect(m_appState->preferences(), &PreferencesRepository::changed, this, [this](const QString& key) {
        if (reloadsRegister(key))
            reloadRegister();
    });
    connect(m_appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            [this] { scheduleAccountListRefresh(); });

    m_welcomeScreen = new WelcomeScreen(m_appState);
    connect(m_welcomeScreen, &WelcomeScreen::createAccountRequested, this, &MainWindow::showNewAccountDialog);
    connect(m_welcomeScreen, &WelcomeScreen::signInRequested, this, [this] { startSignIn(); });

    m_emptyStatePage = buildEmptyStatePage();

    m_pages = new QStackedWidget;
    m_pages->addWidget(m_welcomeScreen);
    m_pages->addWidget(m_registerPage);
    m_pages->addWidget(m_emptyStatePage);

    setupAccountList();

    m_statusBar = new StatusBar(this);
    setStatusBar(m_statusBar);
    m_statusBar->updateColors();

    if (ThemeManager* theme = m_appState->themeManager()) {
        connect(theme, &ThemeManager::themeChanged, this, [this] {
            m_statusBar->updateColors();
            m_accountList->setStyleSheet(styleSheetForAccountList());
        });
        connect(theme, &ThemeManager::accentChanged, this, [this] {
            m_statusBar->updateColors();
            scheduleAccountListRefresh();
        });
        // Refonted rows need item heights measured again.
        connect(theme, &ThemeManager::fontScaleChanged, this, [this] { scheduleAccountListRefresh(); });
    }
    connect(m_appState->accountRepository(), &AccountRepository::accountsChanged, this,
            &MainWindow::onAccountsChanged);

    setupSyncAndAuth();
    refreshAccountList();

    autoPostRecurring();
    m_recurringTimer = new QTimer(this);
    m_recurringTimer->setObjectName(QStringLiteral("recurringTimer"));
    m_recurringTimer->setInterval(kRecurringInterval);
    connect(m_recurringTimer, &QTimer::timeout, this, &MainWindow::autoPostRecurring);
    m_recurringTimer->start();
    updateRecurringDueIndicator();
    if (RecurringService* recurring = m_appState->recurringService())
        connect(recurring, &RecurringService::pendingCountChanged, this, &MainWindow::updateRecurringDueIndicator);
    connect(m_appState->recurringRepository(), &RecurringRepository::recurringChanged, this,
            &MainWindow::updateRecurringDueIndicator);

    showStartPage();
    // SyncEngine::syncCompleted connects here a second time, last, to run
    // showStartPage while no account is current (an account may have
    // arrived with the pull).
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildEmptyStatePage()
{
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("emptyStatePage"));
    auto* layout = new QVBoxLayout(page);
    layout->setAlignment(Qt::AlignCenter);
    layout->setSpacing(12);

    auto* icon = centredLabel(QString(QChar(0xE850)), page);
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(96);
    icon->setFont(iconFont);
    icon->setStyleSheet(QStringLiteral("color: %1;").arg(accentColorRef().lighter(135).name()));
    layout->addWidget(icon);
    layout->addSpacing(8);

    auto* title = centredLabel(tr("Welcome to Larkspur Tallyleaf"), page);
    setFontRole(title, FontRole::Heading);
    layout->addWidget(title);

    auto* subtitle = centredLabel(tr("Create your first account to get started."), page);
    setFontRole(subtitle, FontRole::Subtitle);
    subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E")));
    layout->addWidget(subtitle);
    layout->addSpacing(16);

    auto* create = new QPushButton(tr("Create Account"), page);
    create->setObjectName(QStringLiteral("createAccountButton"));
    setAccentButton(create);
    create->setMinimumHeight(40);
    create->setMinimumWidth(180);
    create->setCursor(Qt::PointingHandCursor);
    connect(create, &QPushButton::clicked, this, &MainWindow::showNewAccountDialog);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(create);
    buttonRow->addStretch();
    layout->addLayout(buttonRow);
    layout->addSpacing(12);

    auto* hint = centredLabel(tr("You can also import transactions from a CSV file via File \u203A Import."), page);
    hint->setWordWrap(true);
    hint->setMaximumWidth(480);
    hint->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E")));
    setFontRole(hint, FontRole::Caption);
    auto* hintRow = new QHBoxLayout;
    hintRow->addStretch();
    hintRow->addWidget(hint);
    hintRow->addStretch();
    layout->addLayout(hintRow);
    return page;
}

void MainWindow::setupAccountList()
{
    m_accountList = new QListWidget;
    m_accountList->setObjectName(QStringLiteral("accountList"));
    m_accountList->setMinimumWidth(260);
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
    pane->setMinimumWidth(260);
    pane->setMaximumWidth(500);
    auto* paneLayout = new QVBoxLayout(pane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    paneLayout->setSpacing(0);
    paneLayout->addWidget(m_accountList, 1);
    paneLayout->addWidget(m_footerLabel, 0);

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
    setupAccountShortcuts();

    if (accounts.isEmpty()) {
        m_footerLabel->setText(tr("No accounts"));
    } else {
        QStringList parts;
        for (auto it = totals.cbegin(); it != totals.cend(); ++it)
            parts.append(formatDisplayAmount(it.value(), static_cast<CurrencyCode>(it.key())));
        m_footerLabel->setText(tr("Total: %1").arg(parts.join(QStringLiteral(" \u00B7 "))));
    }

    const QString current = m_appState->currentAccountId();
    if (!current.isEmpty()) {
        for (int i = 0; i < m_accountList->count(); ++i) {
            if (m_accountList->item(i)->data(Qt::UserRole).toString() == current) {
                m_accountList->setCurrentRow(i);
                break;
            }
        }
    }
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
        m_statusBar->showMessage(tr("The account order could not be saved."), kErrorTimeout);
        // Back to the stored order, so the list does not pretend otherwise.
        refreshAccountList();
    }
}

std::optional<Account> MainWindow::liveAccount(const QString& accountId) const
{
    if (accountId.isEmpty())
        return std::nullopt;
    std::optional<Account> account = m_appState->accountRepository()->findById(accountId);
    if (account && account->deletedAt)
        return std::nullopt;
    return account;
}

bool MainWindow::isSignedIn() const
{
    // Nobody can be signed in before the account client exists.
    return false;
}

void MainWindow::showNoAccountPage()
{
    m_pages->setCurrentWidget(isSignedIn() ? m_emptyStatePage : static_cast<QWidget*>(m_welcomeScreen));
}

bool MainWindow::requireCurrentAccount()
{
    if (!m_appState->currentAccountId().isEmpty())
        return true;
    m_statusBar->showMessage(tr("Select an account first"), kConfirmationTimeout);
    return false;
}

void MainWindow::reloadRegister()
{
    if (m_registerScreen)
        m_registerScreen->reload();
}

void MainWindow::scheduleRegisterReload()
{
    if (!m_registerReloadTimer->isActive())
        m_registerReloadTimer->start();
}

void MainWindow::startSignIn()
{
    // The browser sign-in starts here once the account client exists.
}

void MainWindow::selectAccount(const QString& accountId)
{
    if (!liveAccount(accountId))
        return;
    m_appState->setCurrentAccountId(accountId);
    if (m_registerScreen)
        m_registerScreen->setAccount(accountId);
    m_pages->setCurrentWidget(m_registerPage);
    for (int i = 0; i < m_accountList->count(); ++i) {
        if (m_accountList->item(i)->data(Qt::UserRole).toString() == accountId) {
            m_accountList->setCurrentRow(i);
            return;
        }
    }
    m_accountList->setCurrentItem(nullptr);
}

void MainWindow::onAccountClicked(QListWidgetItem* item)
{
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    if (!id.isEmpty())
        selectAccount(id);
}

void MainWindow::showStartPage()
{
    const QString current = m_appState->currentAccountId();
    if (liveAccount(current)) {
        selectAccount(current);
        return;
    }
    const QList<Account> accounts = m_appState->accountRepository()->findAll();
    if (!accounts.isEmpty()) {
        selectAccount(accounts.first().id);
        return;
    }
    // A stale id (the account was deleted, here or on another device) would
    // keep the account commands pointed at an account that is gone.
    m_appState->setCurrentAccountId(QString());
    showNoAccountPage();
}

bool MainWindow::createAccount(Account account, qint64 openingBalance, const QDate& asOf)
{
    // The account and its opening transaction are stored together or not
    // at all, so a balance is never half entered.
    AtomicWrite write(m_appState->database()->database(), QStringLiteral("new_account"));
    if (!write.begin())
        return false;
    account.startingBalance = 0;
    bool ok = m_appState->accountRepository()->insert(account);
    if (ok && openingBalance != 0) {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        Transaction opening;
        opening.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        opening.accountId = account.id;
        opening.date = asOf;
        opening.payee = tr("Opening Balance");
        opening.amount = openingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.version = 1;
        opening.syncStatus = SyncStatus::Pending;
        opening.createdAt = now;
        opening.updatedAt = now;
        ok = m_appState->transactionRepository()->insert(opening);
    }
    return ok && write.commit();
}

void MainWindow::showNewAccountDialog()
{
    AccountFormDialog dialog(this);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;
    const Account account = dialog.account();
    if (account.name.isEmpty())
        return;
    if (!createAccount(account, account.startingBalance, dialog.asOfDate())) {
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
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;
    const Account changed = dialog.account();
    if (!m_appState->accountRepository()->update(changed)) {
        MessageBoxes::warning(this, tr("Edit Account"),
                              tr("The changes to \"%1\" could not be saved.").arg(account->name));
        return;
    }
    reloadRegister();
}

void MainWindow::showAsToolWindow(QWidget* window, const QString& title, const QSize& size, QWidget* mainWindow)
{
    if (!window)
        return;
    window->setWindowTitle(title);
    if (!window->parentWidget()) {
        window->setParent(mainWindow, Qt::Window);
        window->resize(size);
    }
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    if (window->isHidden())
        window->show();
    window->raise();
    window->activateWindow();
}

// The feature windows open here once their screens are built: each is
// created on first use, refreshed and shown through showAsToolWindow.
void MainWindow::showReportsWindow()
{
}

void MainWindow::showRecurringWindow()
{
}

void MainWindow::showSearchWindow()
{
}

void MainWindow::showCategoriesWindow()
{
}

void MainWindow::showSettingsWindow()
{
}

void MainWindow::showReconciliationWindow()
{
    if (!requireCurrentAccount())
        return;
}

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireCurrentAccount())
        return;
}

void MainWindow::showImportWindow()
{
}

void MainWindow::showPayeesWindow()
{
}

void MainWindow::showShareAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    if (!liveAccount(m_appState->currentAccountId()))
        return;
    if (!isSignedIn()) {
        QMessageBox box(QMessageBox::Information, tr("Sign In Required"), tr("Sharing requires a Larkspur account."),
                        QMessageBox::NoButton, this);
        box.setTextFormat(Qt::PlainText);
        QPushButton* learnMore = box.addButton(tr("Learn More"), QMessageBox::AcceptRole);
        box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(learnMore);
        MessageBoxes::exec(&box);
        if (box.clickedButton() == learnMore)
            showLarkspurAccountScreen(0);
        return;
    }
    // The sharing dialog opens here once the account client exists.
}

void MainWindow::showLarkspurAccountScreen(int tab)
{
    Q_UNUSED(tab)
    // Signed out there is no account to show: the sign-in starts instead.
    if (!isSignedIn()) {
        startSignIn();
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

    // All four writes or none: a failure must not leave an account without
    // its transactions, or transactions of a deleted account.
    AtomicWrite write(m_appState->database()->database(), QStringLiteral("delete_account"));
    bool ok = write.begin();
    int transactions = 0;
    int recurrings = 0;
    int reconciliations = 0;
    if (ok) {
        TransactionRepository* transactionRepo = m_appState->transactionRepository();
        RecurringRepository* recurringRepo = m_appState->recurringRepository();
        ReconciliationRepository* reconciliationRepo = m_appState->reconciliationRepository();
        transactions = transactionRepo->softDeleteByAccount(accountId);
        recurrings = recurringRepo->softDeleteByAccount(accountId);
        reconciliations = reconciliationRepo->softDeleteByAccount(accountId);
        ok = m_appState->accountRepository()->softDelete(accountId);
        // The cascades report counts, not failures: a failed one leaves
        // live rows behind.
        if (ok)
            ok = transactionRepo->findByAccount(accountId).isEmpty()
                 && reconciliationRepo->findByAccount(accountId).isEmpty();
        if (ok) {
            const QList<RecurringTransaction> schedules = recurringRepo->findAll();
            for (const RecurringTransaction& schedule : schedules)
                ok = ok && schedule.accountId != accountId;
        }
        ok = ok && write.commit();
    }
    if (!ok) {
        write.rollback(); // before the list is rebuilt from the database
        MessageBoxes::warning(this, tr("Delete Account"),
                              tr("\"%1\" could not be deleted. Nothing was changed.").arg(account->name));
        refreshAccountList();
        return;
    }
    qInfo().noquote() << "Cascade delete account" << accountId << "→ transactions:" << transactions
                      << "recurrings:" << recurrings << "reconciliations:" << reconciliations;

    if (accountId == m_appState->currentAccountId()) {
        m_appState->setCurrentAccountId(QString());
        showNoAccountPage();
    }
    refreshAccountList();
}

void MainWindow::deleteCurrentAccount()
{
    if (!requireCurrentAccount())
        return;
    deleteAccount(m_appState->currentAccountId());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    if (m_splitter)
        settings.setValue(QLatin1String(kSplitterKey), m_splitter->saveState());
    QMainWindow::closeEvent(event);
}

void MainWindow::setupMenuBar()
{
    // Actions are made before the pages exist; what they reach is looked up
    // when they trigger.
    auto add = [this](QMenu* menu, const QString& text, const QKeySequence& shortcut, auto slot) {
        QAction* action = menu->addAction(text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const QKeySequence none;

    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, tr("&New Transaction"), QKeySequence(QStringLiteral("Ctrl+N")), [this] {
        if (!m_registerScreen)
            return;
        m_registerScreen->insertNew();
    });
    add(file, tr("New &Account"), QKeySequence(QStringLiteral("Ctrl+Shift+N")), &MainWindow::showNewAccountDialog);
    file->addSeparator();
    add(file, tr("&Import..."), none, &MainWindow::showImportWindow);
    file->addSeparator();
    m_accountAction = add(file, tr("Larkspur &Account..."), none, [this] { showLarkspurAccountScreen(0); });
    m_accountAction->setStatusTip(tr("Sign in or sign up"));
    file->addSeparator();
    m_signOutAction = add(file, tr("Sign &Out"), none, &MainWindow::signOut);
    m_signOutAction->setVisible(false);
    file->addSeparator();
    add(file, tr("&Quit"), QKeySequence(QKeySequence::Quit), [this] { close(); })->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, tr("&Find..."), QKeySequence(QKeySequence::Find), &MainWindow::showSearchWindow);
    edit->addSeparator();
    add(edit, tr("&Preferences..."), none, &MainWindow::showSettingsWindow)->setMenuRole(QAction::PreferencesRole);

    QMenu* account = menuBar()->addMenu(tr("&Account"));
    add(account, tr("&Edit..."), none, &MainWindow::showEditAccountDialog);
    add(account, tr("&Reconcile..."), QKeySequence(QStringLiteral("Ctrl+R")), &MainWindow::showReconciliationWindow);
    add(account, tr("Reconciliation &History..."), none, &MainWindow::showReconciliationHistoryWindow);
    add(account, tr("Rename &Payees..."), none, &MainWindow::showPayeesWindow);
    account->addSeparator();
    add(account, tr("&Share..."), none, &MainWindow::showShareAccountDialog);
    account->addSeparator();
    add(account, tr("&Delete"), none, &MainWindow::deleteCurrentAccount);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    add(view, tr("&Reports"), QKeySequence(QStringLiteral("Ctrl+2")), &MainWindow::showReportsWindow);
    add(view, tr("Re&curring Transactions"), QKeySequence(QStringLiteral("Ctrl+3")), &MainWindow::showRecurringWindow);
    add(view, tr("C&ategories"), QKeySequence(QStringLiteral("Ctrl+4")), &MainWindow::showCategoriesWindow);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("&About Larkspur Tallyleaf"), none, &MainWindow::showAbout)->setMenuRole(QAction::AboutRole);
    add(help, tr("What's &New..."), none, &MainWindow::showWhatsNew);
    add(help, tr("Check for &Updates..."), none, &MainWindow::checkForUpdates);
    add(help, tr("Send &Feedback..."), none, &MainWindow::sendFeedback);
    help->addSeparator();
    add(help, tr("&Keyboard Shortcuts"), none, &MainWindow::showKeyboardShortcuts);
    // Set but empty counts as unset.
    if (!qEnvironmentVariableIsEmpty("TALLYLEAF_DEV")) {
        help->addSeparator();
        add(help, tr("Load &Sample Data"), none, &MainWindow::onLoadSampleData);
        add(help, tr("&Clear Sample Data"), none, &MainWindow::onClearSampleData);
    }
}

void MainWindow::setupSyncAndAuth()
{
    // The account client's AuthClient::stateChanged (updateAuthUI),
    // loginSucceeded and loginFailed, and the sync engine's stateChanged
    // (StatusBar::setSyncStatus with SyncEngine::stateLabel), syncCompleted,
    // syncFailed and dataChanged connect here to the reactions below once
    // those services exist. Until then nobody is signed in.
    updateAuthUI();
}

void MainWindow::showStatus(const QString& text, int timeout)
{
    m_statusBar->QStatusBar::showMessage(text, timeout);
}

void MainWindow::onLoginSucceeded()
{
    showStatus(tr("Signed in successfully"), kConfirmationTimeout);
}

void MainWindow::onLoginFailed(const QString& error)
{
    showStatus(tr("Sign-in failed: %1").arg(error), kErrorTimeout);
}

void MainWindow::onSyncCompleted()
{
    showStatus(tr("Sync complete"), kSyncDoneTimeout);
}

void MainWindow::onSyncFailed(const QString& error)
{
    showStatus(tr("Sync failed: %1").arg(error), kErrorTimeout);
}

void MainWindow::onSyncDataChanged()
{
    // A pull of thousands of rows rebuilds the list and the register once.
    scheduleAccountListRefresh();
    scheduleRegisterReload();
}

bool MainWindow::reloadsRegister(const QString& key)
{
    // Re-applying the theme writes "theme", so font-scale and accent
    // changes reload too.
    static const QStringList keys{QStringLiteral("registerTwoLine"), QStringLiteral("registerNewestFirst"),
                                  QStringLiteral("registerShowBalance"), QStringLiteral("weekStartDay"),
                                  QStringLiteral("theme")};
    return keys.contains(key);
}

void MainWindow::autoPostRecurring()
{
    RecurringService* recurring = m_appState->recurringService();
    if (!recurring)
        return;
    const int posted = recurring->processAutoPost();
    if (posted <= 0)
        return;
    showStatus(tr("Auto-posted %n recurring transaction(s)", nullptr, posted), kAutoPostTimeout);
    refreshAccountList();
    // The register shows the postings as the account list does.
    reloadRegister();
}

void MainWindow::updateRecurringDueIndicator()
{
    if (RecurringService* recurring = m_appState->recurringService())
        m_statusBar->setRecurringDueCount(recurring->pendingCount());
}

void MainWindow::updateAuthUI()
{
    applyAuthState(isSignedIn());
}

void MainWindow::applyAuthState(bool signedIn)
{
    m_signOutAction->setVisible(signedIn);
    m_accountAction->setStatusTip(signedIn ? tr("Manage your account") : tr("Sign in or sign up"));
    if (!signedIn) {
        m_statusBar->setSyncStatus(tr("Not signed in"));
        m_welcomeScreen->setReturningUser(QSettings().value(QLatin1String(kHasSignedInBeforeKey), false).toBool());
        m_pages->setCurrentWidget(m_welcomeScreen);
        return;
    }
    // The sync label takes SyncEngine::stateLabel of the engine's state
    // here once the engine exists.
    m_welcomeScreen->setReturningUser(false);
    if (m_pages->currentWidget() != m_welcomeScreen)
        return;
    // Leaving the welcome page: the current account, else the first one,
    // so that existing accounts are not hidden behind the empty state.
    const QString current = m_appState->currentAccountId();
    if (liveAccount(current)) {
        selectAccount(current);
        return;
    }
    const QList<Account> accounts = m_appState->accountRepository()->findAll();
    if (!accounts.isEmpty())
        selectAccount(accounts.first().id);
    else
        m_pages->setCurrentWidget(m_emptyStatePage);
}

void MainWindow::signOut()
{
    // LarkAccount::AuthClient::logout joins here; its state change reaches
    // updateAuthUI.
}

QString MainWindow::keyboardShortcutsText()
{
    static const char* const keys[] = {"Ctrl+Return", "Ctrl+I", "Ctrl+D", "Ctrl+N", "Ctrl+Shift+N",
                                       "Ctrl+R",      "Ctrl+F", "Ctrl+2", "Ctrl+3", "Ctrl+4",
                                       "Alt+1",       "Alt+9",  "Alt+0"};
    QStringList k;
    for (const char* key : keys)
        k.append(QKeySequence(QString::fromLatin1(key)).toString(QKeySequence::NativeText).toHtmlEscaped());
    // One multi-argument pass, so a key text is never read as a placeholder.
    return tr("<h3>Register</h3><table cellspacing='6'>"
              "<tr><td><b>%1</b></td><td>Save transaction</td></tr>"
              "<tr><td><b>%2</b></td><td>Insert new transaction</td></tr>"
              "<tr><td><b>%3</b></td><td>Delete current transaction</td></tr>"
              "<tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr>"
              "<tr><td><b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table>"
              "<h3>Date Field</h3><table cellspacing='6'>"
              "<tr><td><b>t</b></td><td>Today</td></tr>"
              "<tr><td><b>+ / -</b></td><td>Next / previous day</td></tr>"
              "<tr><td><b>m / h</b></td><td>First / last day of month</td></tr>"
              "<tr><td><b>y / r</b></td><td>First / last day of year</td></tr>"
              "<tr><td><b>w / k</b></td><td>First / last day of week</td></tr></table>"
              "<h3>General</h3><table cellspacing='6'>"
              "<tr><td><b>%4</b></td><td>New transaction</td></tr>"
              "<tr><td><b>%5</b></td><td>New account</td></tr>"
              "<tr><td><b>%6</b></td><td>Reconcile account</td></tr>"
              "<tr><td><b>%7</b></td><td>Search transactions</td></tr>"
              "<tr><td><b>%8</b></td><td>Reports</td></tr>"
              "<tr><td><b>%9</b></td><td>Recurring transactions</td></tr>"
              "<tr><td><b>%10</b></td><td>Categories</td></tr></table>"
              "<h3>Accounts</h3><table cellspacing='6'>"
              "<tr><td><b>%11 &ndash; %12</b></td><td>Switch to account 1&ndash;9</td></tr>"
              "<tr><td><b>%13</b></td><td>Switch to account 10</td></tr></table>")
        .arg(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9], k[10], k[11], k[12]);
}

void MainWindow::showKeyboardShortcuts()
{
    QMessageBox box(QMessageBox::Information, tr("Keyboard Shortcuts"), keyboardShortcutsText(), QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::RichText);
    MessageBoxes::exec(&box);
}

QString MainWindow::aboutText()
{
    return tr("<h3>%1</h3>"
              "<p>Version %2</p>"
              "<p>A digital check register for keeping track of your household finances.</p>"
              "<p>Published by Larkspur. Visit <a href='https://larkspur.app/tallyleaf'>larkspur.app/tallyleaf</a>."
              "</p>"
              "<p><small>This application uses the Qt framework under the "
              "<a href='https://www.gnu.org/licenses/lgpl-3.0.html'>GNU Lesser General Public License "
              "version 3</a>. See <a href='https://www.qt.io/'>qt.io</a>; the Qt source code is available at "
              "<a href='https://download.qt.io/official_releases/qt/'>download.qt.io</a>.</small></p>")
        .arg(tr("Larkspur Tallyleaf").toHtmlEscaped(), QCoreApplication::applicationVersion().toHtmlEscaped());
}

void MainWindow::showAbout()
{
    // What QMessageBox::about shows, run through the seam so it never blocks
    // a test.
    QMessageBox box(QMessageBox::NoIcon, tr("About Larkspur Tallyleaf"), aboutText(), QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    const QIcon icon = windowIcon();
    if (!icon.isNull())
        box.setIconPixmap(icon.pixmap(64, 64));
    MessageBoxes::exec(&box);
}

void MainWindow::showWhatsNew()
{
    // LarkUpdate::showWhatsNew joins here with makeUpdateConfig(), the
    // display name, this window and the hooks: progress to
    // StatusBar::showProgress, finished to StatusBar::hideProgress, message
    // to StatusBar::showMessage.
}

void MainWindow::checkForUpdates()
{
    // LarkUpdate::checkForUpdatesInteractive joins here with the same
    // arguments as showWhatsNew.
}

void MainWindow::sendFeedback()
{
    // openFeedbackBoard joins here with feedbackUrl() and this window.
}

void MainWindow::onLoadSampleData()
{
    Database* database = m_appState->database();
    if (!database)
        return;
    SampleDataService sampleData(database, nullptr);
    if (sampleData.hasSampleData()) {
        MessageBoxes::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    if (!sampleData.loadSampleData()) {
        MessageBoxes::warning(this, tr("Sample Data"), tr("The sample data could not be loaded. Nothing was changed."));
        return;
    }
    // The rows were written past the repositories, so no change signal
    // told the list; the current page stays.
    refreshAccountList();
    updateRecurringDueIndicator();
    showStatus(tr("Sample data loaded"), kConfirmationTimeout);
}

void MainWindow::onClearSampleData()
{
    Database* database = m_appState->database();
    if (!database)
        return;
    SampleDataService sampleData(database, nullptr);
    if (!sampleData.hasSampleData()) {
        MessageBoxes::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    if (!sampleData.clearSampleData()) {
        MessageBoxes::warning(this, tr("Sample Data"),
                              tr("The sample data could not be cleared. Nothing was changed.\n\n"
                                 "Transactions, schedules or reconciliations added to a sample account keep it "
                                 "in place; delete them first."));
        return;
    }
    // A sample account that was current is gone; its id would keep the
    // account commands pointed at nothing.
    if (!liveAccount(m_appState->currentAccountId()))
        m_appState->setCurrentAccountId(QString());
    refreshAccountList();
    updateRecurringDueIndicator();
    showNoAccountPage();
    showStatus(tr("Sample data cleared"), kConfirmationTimeout);
}
