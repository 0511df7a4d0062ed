#pragma once

#include "data/records.h"

#include <QHash>
#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSize>
#include <QString>

#include <optional>

namespace LarkAccount {
class AccountScreen;
}

class AppState;
class CategoriesScreen;
class ImportScreen;
class PayeeScreen;
class QAction;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QShortcut;
class QSplitter;
class QStackedWidget;
class QTimer;
class ReconciliationHistoryScreen;
class RecurringScreen;
class RegisterScreen;
class ReportsScreen;
class SearchScreen;
class SettingsScreen;
class StatusBar;
class WelcomeScreen;

// The application's one top-level window: the account list with balances
// and totals on the left, and a page stack on the right holding the
// welcome page, the register and the empty-state page. It holds the menus,
// opens the feature windows, runs the account dialogs, posts due recurring
// transactions every hour and follows the sign-in and sync state.
// The members are defined in mainwindow.cpp (the window and its pages),
// mainwindowaccounts.cpp (the account list and the account commands),
// mainwindowmenus.cpp (the menu bar and what only the menus open) and
// mainwindowscreens.cpp (the feature windows).
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(AppState* appState, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Rebuilds the list, the footer total, the status-bar account count and
    // the Alt+digit shortcuts now. Change signals go through a zero-delay
    // timer instead, so that a burst of them rebuilds once.
    void refreshAccountList();
    // The current account's register, else the first account's, else the
    // empty-state page (signed in) or the welcome page (signed out).
    void showStartPage();

    static QString styleSheetForAccountList();
    // Shows a feature window as its own top-level window owned by
    // mainWindow; only the first showing sets the size.
    static void showAsToolWindow(QWidget* window, const QString& title, const QSize& size, QWidget* mainWindow);

    // The account list's context menu for the item with that id (an empty
    // id gives the menu of the list's empty area); the caller owns it.
    QMenu* createAccountContextMenu(const QString& accountId);

    // Preference keys whose change alters what the register shows.
    static bool reloadsRegister(const QString& key);
    // The rich text of the Keyboard Shortcuts box, key names in the
    // platform's own spelling.
    static QString keyboardShortcutsText();
    static QString aboutText();
    // Actions, status label and page for the given sign-in state;
    // updateAuthUI passes the account client's state.
    void applyAuthState(bool signedIn);

    QListWidget* accountList() const { return m_accountList; }
    QLabel* footerLabel() const { return m_footerLabel; }
    QSplitter* splitter() const { return m_splitter; }
    QStackedWidget* pages() const { return m_pages; }
    WelcomeScreen* welcomePage() const { return m_welcomeScreen; }
    QWidget* registerPage() const { return m_registerPage; }
    QWidget* emptyStatePage() const { return m_emptyStatePage; }
    StatusBar* appStatusBar() const { return m_statusBar; }
    const QList<QShortcut*>& accountShortcuts() const { return m_accountShortcuts; }
    QAction* accountAction() const { return m_accountAction; }
    QAction* signOutAction() const { return m_signOutAction; }
    QTimer* recurringTimer() const { return m_recurringTimer; }

public slots:
    void onAccountClicked(QListWidgetItem* item);
    void onAccountsChanged();
    void selectAccount(const QString& accountId);
    void showNewAccountDialog();
    void showEditAccountDialog();
    void showReportsWindow();
    void showRecurringWindow();
    void showSearchWindow();
    void showCategoriesWindow();
    void showSettingsWindow();
    void showReconciliationWindow();
    void showReconciliationHistoryWindow();
    void showImportWindow();
    void showPayeesWindow();
    void showShareAccountDialog();
    void onAccountContextMenu(const QPoint& pos);
    void deleteAccount(const QString& accountId);
    void deleteCurrentAccount();
    // The tab is the account window's tab index; 0 is its first tab.
    void showLarkspurAccountScreen(int tab = 0);

    void autoPostRecurring();
    void updateRecurringDueIndicator();
    void updateAuthUI();
    void showKeyboardShortcuts();
    void showAbout();
    void showWhatsNew();
    void checkForUpdates();
    void sendFeedback();
    void onLoadSampleData();
    void onClearSampleData();
    void signOut();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setupMenuBar();
    void setupSyncAndAuth();
    QWidget* buildEmptyStatePage();
    void setupAccountList();
    void setupAccountShortcuts();
    void fitAccountItemsToWidth();
    void fitAccountPaneToFont();
    void saveAccountOrder();
    void scheduleAccountListRefresh();
    void scheduleRegisterReload();
    // A timed message that leaves the busy indicator as it is.
    void showStatus(const QString& text, int timeout);

    // The account when it exists and is not soft-deleted.
    std::optional<Account> liveAccount(const QString& accountId) const;
    bool isSignedIn() const;
    // After the current account went away: another account's register
    // while any remains, else the empty-state or welcome page (the rule of
    // showStartPage).
    void showNoAccountPage();
    // The list's highlight on the account whose register is shown.
    void highlightCurrentAccount();
    // False, with the status message, when no account is current.
    bool requireCurrentAccount();
    void reloadRegister();
    // Typed changes in the shown register's entry row are saved or dropped
    // as the user says; false when the user cancels or the save is refused.
    bool settleRegisterEntry();
    // A feature window wrote transactions: the register and the account
    // list show them now.
    void showWrittenTransactions();
    // Data changed under every view at once (a backup imported, an account
    // restored): the list, the register and each open feature window reload.
    void reloadAllViews();
    void startSignIn();
    // No browser could show the sign-in page: the address to open by hand,
    // until the sign-in ends; cancelling closes the loopback listener.
    void showSignInAddress(const QString& address);
    // Signed in as another user than the local data was synced with.
    void askUploadToAccount(const QString& account);
    // Reactions to the account client and the sync engine, connected by
    // setupSyncAndAuth once those services exist.
    void onLoginSucceeded();
    void onLoginFailed(const QString& error);
    void onSyncCompleted();
    void onSyncFailed(const QString& error);
    void onSyncDataChanged();
    // A sync repair gave rows of `table` new ids (old id → new id): the
    // current account, the list, the register and the reconcile windows
    // follow.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    AppState* m_appState;
    QListWidget* m_accountList = nullptr;
    QLabel* m_footerLabel = nullptr;
    QSplitter* m_splitter = nullptr;
    QStackedWidget* m_pages = nullptr;
    WelcomeScreen* m_welcomeScreen = nullptr;
    // Stands in for the register screen until it exists.
    QWidget* m_registerPage = nullptr;
    // The register screen on the register page; null until it is hosted
    // there, so every call into it is guarded.
    RegisterScreen* m_registerScreen = nullptr;
    QWidget* m_emptyStatePage = nullptr;
    StatusBar* m_statusBar = nullptr;
    QList<QShortcut*> m_accountShortcuts;
    QTimer* m_refreshTimer = nullptr;
    QTimer* m_registerReloadTimer = nullptr;
    QTimer* m_recurringTimer = nullptr;

    // Menu actions that follow the sign-in state; the menus create them.
    QAction* m_accountAction = nullptr;
    QAction* m_signOutAction = nullptr;

    // Feature windows, created on first use and kept until exit.
    ReportsScreen* m_reportsScreen = nullptr;
    RecurringScreen* m_recurringScreen = nullptr;
    SearchScreen* m_searchScreen = nullptr;
    CategoriesScreen* m_categoriesScreen = nullptr;
    SettingsScreen* m_settingsScreen = nullptr;
    ReconciliationHistoryScreen* m_reconciliationHistoryScreen = nullptr;
    ImportScreen* m_importScreen = nullptr;
    PayeeScreen* m_payeeScreen = nullptr;
    LarkAccount::AccountScreen* m_accountScreen = nullptr;
};
