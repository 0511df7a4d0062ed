#include "testsupport.h"

#include "account/core/authclient.h"
#include "account/core/client.h"
#include "account/ui/accountscreen.h"
#include "account/ui/sharemembersdialog.h"
#include "app/appstate.h"
#include "app/paths.h"
#include "sync/syncengine.h"
#include "testserviceprocess.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/mainwindow.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>

// The main window's side of the online account: the account window only
// while signed in, sign-out from it, and the share dialog with the
// window's texts, whose changes schedule a sync.
class AccountMainWindowTest : public QObject
{
    Q_OBJECT

public slots:
    // The browser, for the sign-in page.
    void openUrl(const QUrl& url) { m_opened.append(url); }

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void accountWindow();
    void shareDialog();

private:
    void signIn();

    std::unique_ptr<TestServiceProcess> m_service;
    QTemporaryDir m_runtimeDir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    QList<QUrl> m_opened;
    std::function<int(QDialog*)> m_runDialog;
};

namespace {

const QString kAccountId = QStringLiteral("0b6f3c1e-2d4a-4e8b-9c7d-5a1f2e3d4c5b");

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

QStringList labelTexts(const QWidget* widget)
{
    QStringList texts;
    for (const QLabel* label : widget->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace

void AccountMainWindowTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    // No session bus: the tokens go to the data directory.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toUtf8());
    qputenv("AUTH_BASE_URL", m_service->url().toString().toUtf8());
    qputenv("ACCOUNT_API_URL", m_service->url().toString().toUtf8());
    qputenv("SYNC_API_URL", m_service->url().toString().toUtf8());
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    MessageBoxes::setDialogRunner([this](QDialog* dialog) { return m_runDialog ? m_runDialog(dialog) : 0; });
}

void AccountMainWindowTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    MessageBoxes::setDialogRunner({});
}

void AccountMainWindowTest::init()
{
    m_service->reset();
    QDir(dataDirectory()).removeRecursively();
    QSettings().clear();
    m_opened.clear();
    m_runDialog = nullptr;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TokenStore: no credential store")));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<MainWindow>(m_state.get());
}

void AccountMainWindowTest::cleanup()
{
    m_window.reset();
    m_state.reset();
    QDir(dataDirectory()).removeRecursively();
}

void AccountMainWindowTest::signIn()
{
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("u1"));
    m_state->accountClient()->authClient()->handleCallback(
        QUrl(QStringLiteral("http://127.0.0.1/callback#access_token=%1&refresh_token=%2")
                 .arg(text(pair, "access_token"), text(pair, "refresh_token"))));
    QVERIFY(m_state->accountClient()->isAuthenticated());
}

// Signed out, asking for the account window starts the sign-in instead.
// Signed in, one window is made and shown on the asked tab each time; its
// Sign Out signs the user out and hides it.
void AccountMainWindowTest::accountWindow()
{
    m_window->showLarkspurAccountScreen(0);
    QVERIFY(!m_window->findChild<LarkAccount::AccountScreen*>());
    QCOMPARE(m_opened.size(), 1);

    signIn();
    m_window->showLarkspurAccountScreen(LarkAccount::AccountScreen::SecurityTab);
    auto* screen = m_window->findChild<LarkAccount::AccountScreen*>();
    QVERIFY(screen && screen->isVisible() && screen->isWindow());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Larkspur Account"));
    QCOMPARE(screen->size(), QSize(600, 550));
    QCOMPARE(screen->findChild<QListWidget*>()->currentRow(), 3);
    m_window->showLarkspurAccountScreen(0);
    QCOMPARE(m_window->findChildren<LarkAccount::AccountScreen*>().size(), 1);
    QCOMPARE(screen->findChild<QListWidget*>()->currentRow(), 0);

    QPushButton* signOut = nullptr;
    for (QPushButton* button : screen->findChildren<QPushButton*>()) {
        if (button->text() == QLatin1String("Sign Out"))
            signOut = button;
    }
    signOut->click();
    QVERIFY(!m_state->accountClient()->isAuthenticated());
    QVERIFY(!screen->isVisible());
    QVERIFY(!m_window->signOutAction()->isVisible());
}

// The share dialog gets the window's texts and the selected account; each
// change of access schedules a sync.
void AccountMainWindowTest::shareDialog()
{
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('%1', "
                                     "'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(kAccountId));
    signIn();
    m_window->selectAccount(kAccountId);
    SyncEngine* engine = m_state->syncEngine();
    QTRY_VERIFY_WITH_TIMEOUT(!engine->isSyncScheduled(), 10000);
    bool ran = false;
    const auto inspect = [&](QDialog* dialog) {
        ran = true;
        auto* share = qobject_cast<LarkAccount::ShareMembersDialog*>(dialog);
        QVERIFY(share);
        // The account's members, then its profile and group, have been asked for.
        QTRY_VERIFY_WITH_TIMEOUT(!m_service->requests(QStringLiteral("/group")).isEmpty(), 10000);
        QTest::qWait(100);
        QCOMPARE(share->windowTitle(), QStringLiteral("Share Account"));
        const QStringList texts = labelTexts(share);
        for (const char* expected : {"Sharing: Checking", "Shared with", "Not shared with anyone yet."})
            QVERIFY2(texts.contains(QLatin1String(expected)), expected);
        QCOMPARE(text(m_service->requests(QStringLiteral("/accounts/:id/members")).first(), "path"),
                 QStringLiteral("/accounts/%1/members").arg(kAccountId));
        auto* noGroup = share->findChild<QLabel*>(QStringLiteral("noGroupNote"));
        QVERIFY(!noGroup->isHidden() && noGroup->text().startsWith(QLatin1String("You're not in a Larkspur family")));
        QVERIFY(!engine->isSyncScheduled());
        emit share->sharingChanged();
        QVERIFY(engine->isSyncScheduled());
    };
    m_runDialog = [&](QDialog* dialog) {
        inspect(dialog);
        return int(QDialog::Accepted);
    };
    m_window->showShareAccountDialog();
    QVERIFY(ran);
}

TALLYLEAF_TEST_MAIN(AccountMainWindowTest)
#include "tst_accountmainwindow.moc"
