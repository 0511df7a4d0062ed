// The feature windows of the main window. Every window that lives for the
// whole process opens through openKeptWindow; only the reconcile window is
// made anew each time. Each window has a section of its own below.
#include "ui/mainwindow.h"

#include "app/appstate.h"
#include "data/recurringrepository.h"
#include "ui/mainwindow_p.h"
#include "ui/screens/categoriesscreen.h"
#include "ui/screens/importscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/recurringscreen.h"
#include "ui/screens/reportsscreen.h"
#include "ui/screens/searchscreen.h"
#include "ui/screens/settingsscreen.h"

#include <QKeySequence>
#include <QShortcut>
#include <QSize>

using namespace MainWindowPrivate;

namespace {

// The one way a kept feature window opens. The screen is made on first use
// with the AppState and no parent (showAsToolWindow then makes the main
// window its owner, so it lives as long as the main window) and `wire`
// connects its signals once; `refresh` runs before every showing.
template <typename Screen, typename Wire, typename Refresh>
Screen* openKeptWindow(MainWindow* owner, Screen*& kept, AppState* appState, const QString& title,
                       const QSize& firstSize, Wire wire, Refresh refresh)
{
    if (!kept) {
        kept = new Screen(appState);
        wire(kept);
    }
    refresh(kept);
    MainWindow::showAsToolWindow(kept, title, firstSize, owner);
    addFeatureWindowKeys(kept, owner);
    return kept;
}

// For a window whose signals the main window does not follow.
const auto noWiring = [](auto*) {};

template <typename Screen, typename Refresh>
void refreshIfOpen(Screen* screen, Refresh refresh)
{
    if (screen && screen->isVisible())
        refresh(screen);
}

} // namespace

void MainWindowPrivate::addFeatureWindowKeys(QWidget* window, MainWindow* owner, std::function<bool()> mayClose)
{
    if (window->property("featureWindowKeys").toBool())
        return;
    window->setProperty("featureWindowKeys", true);
    for (const QKeySequence& sequence : {QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)}) {
        auto* shortcut = new QShortcut(sequence, window);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, window, [window, mayClose] {
            if (!mayClose || mayClose())
                window->close();
        });
    }
    auto* search = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), window);
    search->setContext(Qt::WindowShortcut);
    QObject::connect(search, &QShortcut::activated, owner, &MainWindow::showSearchWindow);
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

void MainWindow::showWrittenTransactions()
{
    reloadRegister();
    refreshAccountList();
}

void MainWindow::reloadAllViews()
{
    showWrittenTransactions();
    refreshIfOpen(m_reconciliationHistoryScreen, [](ReconciliationHistoryScreen* s) { s->refresh(); });
    refreshIfOpen(m_recurringScreen, [](RecurringScreen* s) { s->refresh(); });
    refreshIfOpen(m_searchScreen, [](SearchScreen* s) { s->refreshFilters(); });
    refreshIfOpen(m_reportsScreen, [](ReportsScreen* s) { s->refresh(); });
    refreshIfOpen(m_importScreen, [](ImportScreen* s) { s->refresh(); });
    refreshIfOpen(m_payeeScreen, [](PayeeScreen* s) { s->loadPayees(); });
    refreshIfOpen(m_categoriesScreen, [](CategoriesScreen* s) { s->reload(); });
}

// ---- Reconcile: a new window for every reconciliation ----

void MainWindow::showReconciliationWindow()
{
    if (!requireCurrentAccount())
        return;
    const QString accountId = m_appState->currentAccountId();
    const std::optional<Account> account = liveAccount(accountId);
    auto* screen = new ReconciliationScreen(m_appState);
    screen->setAttribute(Qt::WA_DeleteOnClose);
    connect(screen, &ReconciliationScreen::reconciliationCompleted, this, [this, screen] {
        showWrittenTransactions();
        screen->close();
    });
    connect(screen, &ReconciliationScreen::cancelled, screen, &QWidget::close);
    screen->setAccount(accountId);
    showAsToolWindow(screen, tr("Reconcile — %1").arg(account ? account->name : QString()), QSize(1100, 720),
                     this);
}

// ---- Reconciliation history ----

void MainWindow::showReconciliationHistoryWindow()
{
    if (!requireCurrentAccount())
        return;
    const QString accountId = m_appState->currentAccountId();
    openKeptWindow(this, m_reconciliationHistoryScreen, m_appState, tr("Reconciliation History"), QSize(750, 500),
                   noWiring, [&](ReconciliationHistoryScreen* screen) { screen->setAccount(accountId); });
}

// ---- Recurring transactions ----

void MainWindow::showRecurringWindow()
{
    openKeptWindow(
        this, m_recurringScreen, m_appState, tr("Recurring Transactions"), QSize(700, 500),
        [this](RecurringScreen* screen) {
            connect(screen, &RecurringScreen::transactionsChanged, this, &MainWindow::showWrittenTransactions);
            // Schedules change elsewhere too: hourly posting, the register's
            // memorize command, sync.
            connect(m_appState->recurringRepository(), &RecurringRepository::recurringChanged, screen, [screen] {
                if (screen->isVisible())
                    screen->refresh();
            });
        },
        [](RecurringScreen* screen) { screen->refresh(); });
}

// ---- Search ----

void MainWindow::showSearchWindow()
{
    SearchScreen* screen = openKeptWindow(
        this, m_searchScreen, m_appState, tr("Search Transactions"), QSize(800, 550),
        [this](SearchScreen* search) {
            // The window edits the transaction itself; the main window has
            // nothing to add.
            connect(search, &SearchScreen::editTransactionRequested, this, [](const QString&) {});
        },
        [](SearchScreen* search) { search->refreshFilters(); });
    screen->focusSearchField();
}

// ---- Reports ----

void MainWindow::showReportsWindow()
{
    openKeptWindow(this, m_reportsScreen, m_appState, tr("Reports"), QSize(800, 600), noWiring,
                   [](ReportsScreen* s) { s->refresh(); });
}

// ---- Import ----

void MainWindow::showImportWindow()
{
    openKeptWindow(
        this, m_importScreen, m_appState, tr("Import Transactions"), QSize(650, 600),
        [this](ImportScreen* screen) {
            connect(screen, &ImportScreen::importCompleted, this, &MainWindow::showWrittenTransactions);
        },
        [this](ImportScreen* screen) {
            // An import being written is not left from the keyboard.
            addFeatureWindowKeys(screen, this, [screen] { return !screen->isRunning(); });
            screen->refresh();
        });
}

// ---- Payees ----

void MainWindow::showPayeesWindow()
{
    // Only payee texts change: the register shows them, the account list
    // (names and balances) does not.
    openKeptWindow(
        this, m_payeeScreen, m_appState, tr("Payee Management"), QSize(550, 500),
        [this](PayeeScreen* screen) {
            connect(screen, &PayeeScreen::payeesChanged, this, &MainWindow::reloadRegister);
        },
        [](PayeeScreen* screen) { screen->loadPayees(); });
}

// ---- Categories ----

void MainWindow::showCategoriesWindow()
{
    openKeptWindow(this, m_categoriesScreen, m_appState, tr("Categories"), QSize(600, 500), noWiring,
                   [](CategoriesScreen* screen) { screen->reload(); });
}

// ---- Preferences ----

void MainWindow::showSettingsWindow()
{
    openKeptWindow(
        this, m_settingsScreen, m_appState, tr("Preferences"), QSize(500, 550),
        [this](SettingsScreen* screen) {
            connect(screen, &SettingsScreen::deletedAccountRestored, this, &MainWindow::reloadAllViews);
        },
        [](SettingsScreen* screen) { screen->refresh(); });
}
