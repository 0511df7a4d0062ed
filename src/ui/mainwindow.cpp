#include "ui/mainwindow.h"

#include "account/core/authclient.h"
#include "account/core/client.h"
#include "account/ui/accountscreen.h"
#include "account/ui/sharemembersdialog.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "sync/syncengine.h"
#include "ui/appearance.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/mainwindow_p.h"
#include "ui/register/registerscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/welcomescreen.h"
#include "ui/widgets/statusbar.h"
#include "ui/style.h"
#include "ui/thememanager.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace MainWindowPrivate;

namespace {

const char* const kGeometryKey = "mainwindow/geometry";
const int kSyncDoneTimeout = 2000;
// Auto-posting reports as long as an error does.
const int kAutoPostTimeout = 5000;
const int kRecurringInterval = 60 * 60 * 1000;
const char* const kHasSignedInBeforeKey = "auth/hasSignedInBefore";

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
            [this](const QString& text) { m_statusBar->showWarning(text, kErrorTimeout); });
    connect(m_appState->preferences(), &PreferencesRepository::changed, this, [this](const QString& key) {
        if (reloadsRegister(key))
            reloadRegister();
    });
    connect(m_appState->transactionRepository(), &TransactionRepository::transactionsChanged, this,
            [this] { scheduleAccountListRefresh(); });
    // The list is not rebuilt while an import runs; its end, committed or
    // rolled back, shows the balances as stored.
    if (ImportService* import = m_appState->importService())
        connect(import, &ImportService::importFinished, this, [this] { scheduleAccountListRefresh(); });

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
    // The account rows carry accent-coloured icons of their own.
    followTheme(this, [this] {
        m_statusBar->updateColors();
        m_accountList->setStyleSheet(styleSheetForAccountList());
        scheduleAccountListRefresh();
    });

    if (ThemeManager* theme = m_appState->themeManager()) {
        // Refonted rows need item heights measured again.
        connect(theme, &ThemeManager::fontScaleChanged, this, [this] {
            fitAccountPaneToFont();
            scheduleAccountListRefresh();
        });
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
    // Last of all: with no account current, a completed sync may have
    // brought one.
    if (SyncEngine* engine = m_appState->syncEngine()) {
        connect(engine, &SyncEngine::syncCompleted, this, [this] {
            if (m_appState->currentAccountId().isEmpty())
                showStartPage();
        });
    }
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
    followTheme(icon, [icon] { icon->setStyleSheet(QStringLiteral("color: %1;").arg(accentColorRef().lighter(135).name())); });
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
    const LarkAccount::Client* client = m_appState->accountClient();
    return client && client->isAuthenticated();
}

void MainWindow::showNoAccountPage()
{
    showStartPage();
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

bool MainWindow::settleRegisterEntry()
{
    // The register of an account that is gone has nothing to save into.
    if (!m_registerScreen || m_pages->currentWidget() != m_registerPage
        || !liveAccount(m_registerScreen->currentAccountId()))
        return true;
    return m_registerScreen->settleUnsavedEntry();
}

void MainWindow::scheduleRegisterReload()
{
    if (!m_registerReloadTimer->isActive())
        m_registerReloadTimer->start();
}

void MainWindow::startSignIn()
{
    if (LarkAccount::Client* client = m_appState->accountClient())
        client->authClient()->login();
}

void MainWindow::showSignInAddress(const QString& address)
{
    LarkAccount::AuthClient* auth = m_appState->accountClient()->authClient();
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Sign In"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* note = new QLabel(tr("No web browser could be opened. To sign in, open this address in your browser:"),
                            &dialog);
    note->setTextFormat(Qt::PlainText);
    note->setWordWrap(true);
    layout->addWidget(note);
    auto* field = new QLineEdit(address, &dialog);
    field->setReadOnly(true);
    field->setMinimumWidth(480);
    field->selectAll(); // ready for Ctrl+C
    layout->addWidget(field);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    // The browser's redirect ends the wait, whatever it brought.
    connect(auth, &LarkAccount::AuthClient::loginSucceeded, &dialog, &QDialog::accept);
    connect(auth, &LarkAccount::AuthClient::loginFailed, &dialog, &QDialog::accept);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        auth->cancelLogin();
}

void MainWindow::askUploadToAccount(const QString& account)
{
    const QMessageBox::StandardButton answer = MessageBoxes::question(
        this, tr("Another Larkspur Account"),
        tr("This computer holds data synced with another Larkspur account. Upload it to %1?").arg(account));
    m_appState->answerUploadQuestion(answer == QMessageBox::Yes);
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
    m_pages->setCurrentWidget(isSignedIn() ? m_emptyStatePage : static_cast<QWidget*>(m_welcomeScreen));
}

void MainWindow::showShareAccountDialog()
{
    if (!requireCurrentAccount())
        return;
    const std::optional<Account> account = liveAccount(m_appState->currentAccountId());
    if (!account)
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

    LarkAccount::ShareMembersDialog::Texts texts;
    texts.title = tr("Share Account");
    texts.heading = tr("Sharing: %1").arg(account->name);
    texts.description = tr("Share this account with members of your Larkspur family group. They'll see the same "
                           "register, balances, and reconciliation history on their devices.");
    texts.sharesTitle = tr("Shared with");
    texts.notShared = tr("Not shared with anyone yet.");
    texts.noGroup = tr("You're not in a Larkspur family group yet. Create or join one under File \u203A Larkspur "
                       "Account to share accounts.");
    texts.shareButton = tr("Share");
    texts.removeTooltip = tr("Remove access");
    texts.closeButton = tr("Close");
    texts.role = QStringLiteral("member");
    texts.shareFailedTitle = tr("Share Failed");
    texts.removeFailedTitle = tr("Remove Failed");
    texts.removeConfirmTitle = tr("Remove Share");
    texts.removeConfirmText = tr("Remove %1's access to this account?");

    LarkAccount::ShareMembersDialog dialog(m_appState->accountClient(), m_appState->sharingService(), account->id,
                                           texts, this);
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(&dialog, &LarkAccount::ShareMembersDialog::sharingChanged, engine, &SyncEngine::scheduleSync);
    MessageBoxes::exec(&dialog);
}

void MainWindow::showLarkspurAccountScreen(int tab)
{
    // Signed out there is no account to show: the sign-in starts instead.
    if (!isSignedIn()) {
        startSignIn();
        return;
    }
    if (!m_accountScreen) {
        m_accountScreen = new LarkAccount::AccountScreen(m_appState->accountClient());
        connect(m_accountScreen, &LarkAccount::AccountScreen::logoutRequested, this, &MainWindow::signOut);
    }
    const int last = LarkAccount::AccountScreen::DataPrivacyTab;
    m_accountScreen->showTab(static_cast<LarkAccount::AccountScreen::Tab>(qBound(0, tab, last)));
    m_accountScreen->refresh();
    showAsToolWindow(m_accountScreen, tr("Larkspur Account"), QSize(600, 550), this);
    addFeatureWindowKeys(m_accountScreen, this);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // Every question comes before anything closes, so that a No leaves all
    // windows as they were. The reconcile windows ask first: agreeing there
    // changes nothing until the register entry is settled too.
    QList<QPointer<ReconciliationScreen>> reconciliations;
    for (ReconciliationScreen* screen : findChildren<ReconciliationScreen*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (screen->isVisible())
            reconciliations.append(screen);
    }
    for (const QPointer<ReconciliationScreen>& screen : std::as_const(reconciliations)) {
        if (screen && !screen->confirmDiscard()) {
            event->ignore();
            return;
        }
    }
    if (!settleRegisterEntry()) {
        event->ignore();
        return;
    }
    // Closed here without asking again: none outlives the main window, so
    // the program ends with it.
    for (const QPointer<ReconciliationScreen>& screen : std::as_const(reconciliations)) {
        if (screen)
            screen->closeDiscarding();
    }
    QSettings settings;
    settings.setValue(QLatin1String(kGeometryKey), saveGeometry());
    if (m_splitter)
        settings.setValue(QLatin1String(kSplitterKey), m_splitter->saveState());
    QMainWindow::closeEvent(event);
}

void MainWindow::setupSyncAndAuth()
{
    if (LarkAccount::Client* client = m_appState->accountClient()) {
        LarkAccount::AuthClient* auth = client->authClient();
        connect(auth, &LarkAccount::AuthClient::stateChanged, this, &MainWindow::updateAuthUI);
        connect(auth, &LarkAccount::AuthClient::loginSucceeded, this, &MainWindow::onLoginSucceeded);
        connect(auth, &LarkAccount::AuthClient::loginFailed, this, &MainWindow::onLoginFailed);
        connect(auth, &LarkAccount::AuthClient::browserUnavailable, this, &MainWindow::showSignInAddress);
        // Queued: the question is not asked from inside a network reply.
        connect(m_appState, &AppState::uploadQuestion, this, &MainWindow::askUploadToAccount, Qt::QueuedConnection);
    }
    if (SyncEngine* engine = m_appState->syncEngine()) {
        connect(engine, &SyncEngine::stateChanged, this, [this](SyncEngine::SyncState state) {
            // Signed out, the label keeps saying so whatever the engine does.
            if (isSignedIn())
                m_statusBar->setSyncStatus(SyncEngine::stateLabel(state));
        });
        connect(engine, &SyncEngine::syncCompleted, this, &MainWindow::onSyncCompleted);
        connect(engine, &SyncEngine::syncFailed, this, &MainWindow::onSyncFailed);
        connect(engine, &SyncEngine::dataChanged, this, &MainWindow::onSyncDataChanged);
        connect(engine, &SyncEngine::idsRenamed, this, &MainWindow::followRenamedIds);
    }
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
    // Routine: a warning still showing (typing lost to this very sync) stays.
    m_statusBar->showRoutineMessage(tr("Sync complete"), kSyncDoneTimeout);
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

void MainWindow::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    if (table == QLatin1String("accounts")) {
        // The same account under its new id: no switch, so nothing typed is
        // asked about or dropped.
        const QString current = m_appState->currentAccountId();
        if (renamed.contains(current))
            m_appState->setCurrentAccountId(renamed.value(current));
        // The list is rebuilt, highlight and all, at the engine's
        // accountsChanged that follows.
    }
    for (ReconciliationScreen* screen : findChildren<ReconciliationScreen*>(QString(), Qt::FindDirectChildrenOnly))
        screen->followRenamedIds(table, renamed);
    if (m_registerScreen)
        m_registerScreen->followRenamedIds(table, renamed);
    // Once every table of the repair is followed: read before that, the
    // register could look for its account under an id already gone.
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
        // What the account window shows belongs to the user who just left.
        if (m_accountScreen)
            m_accountScreen->hide();
        m_statusBar->setSyncStatus(tr("Not signed in"));
        m_welcomeScreen->setReturningUser(QSettings().value(QLatin1String(kHasSignedInBeforeKey), false).toBool());
        m_pages->setCurrentWidget(m_welcomeScreen);
        return;
    }
    if (const SyncEngine* engine = m_appState->syncEngine())
        m_statusBar->setSyncStatus(SyncEngine::stateLabel(engine->state()));
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
    // The state change reaches updateAuthUI.
    if (LarkAccount::Client* client = m_appState->accountClient())
        client->authClient()->logout();
}
