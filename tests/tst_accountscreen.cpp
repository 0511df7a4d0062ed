#include "testsupport.h"

#include "account/core/accountclient.h"
#include "account/core/accountsharingservice.h"
#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/tokenmanager.h"
#include "account/core/tokenstore.h"
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
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QToolButton>

using namespace LarkAccount;

// The account window, the share members dialog and the main window's side
// of both, against the test service: what the replies fill in, each
// action's request and result, and replies that arrive after a window is
// gone.
class AccountWindowsTest : public QObject
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
    void pagesFromReplies();
    void actions_data();
    void actions();
    void deleteAccount_data();
    void deleteAccount();
    void renamePrefill();
    void serverTextsArePlain();
    void lateReplies();
    void relativeTime_data();
    void relativeTime();
    void shareAndRemove();
    void shareFailures();
    void shareNotes_data();
    void shareNotes();
    void shareBusyAndLateReplies();
    void initials_data();
    void initials();
    void mainWindowAccountScreen();
    void mainWindowShareDialog();

private:
    void signInAs(const QString& subject);
    // u1 owns a group that u2 and u3 have joined, with an e-mail invitation
    // pending and one registered device; u1 is signed in.
    void makeGroup();
    // A shown screen with every page filled.
    void openScreen();
    QPushButton* visibleButton(const QString& text);
    QStringList labelTexts(const QString& contentName);
    void openDialog();
    QList<QWidget*> dialogRows(const QString& name) const;
    QJsonArray requests(const QString& method, const QString& route);
    // The application, signed out, on a fresh data directory.
    void startApp();
    // Signs it in as u1 through the browser callback.
    void signInApp();

    std::unique_ptr<TestServiceProcess> m_service;
    QTemporaryDir m_runtimeDir;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<AccountSharingService> m_sharing;
    std::unique_ptr<AccountScreen> m_screen;
    std::unique_ptr<ShareMembersDialog> m_dialog;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<MainWindow> m_window;
    QList<MessageBoxes::Request> m_boxes;
    QList<MessageBoxes::TextRequest> m_textRequests;
    QStringList m_answers; // "<cancel>" cancels
    QMessageBox::StandardButton m_reply = QMessageBox::Yes;
    std::function<void()> m_onBox;
    std::function<int(QDialog*)> m_runDialog;
    QList<QUrl> m_opened;
};

namespace {

const QString kCancel = QStringLiteral("<cancel>");
const QString kAccountId = QStringLiteral("0b6f3c1e-2d4a-4e8b-9c7d-5a1f2e3d4c5b");
const QString kShareRoute = QStringLiteral("/accounts/:id/share");
const QString kRemoveRoute = QStringLiteral("/accounts/:id/share/:user");

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

QStringList labels(const QWidget* widget)
{
    QStringList texts;
    for (const QLabel* label : widget->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

} // namespace

void AccountWindowsTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    // The application's own client: no session bus, so its tokens go to
    // the data directory.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toUtf8());
    for (const char* name : {"AUTH_BASE_URL", "ACCOUNT_API_URL", "SYNC_API_URL"})
        qputenv(name, m_service->url().toString().toUtf8());
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        if (m_onBox)
            m_onBox();
        return r.buttons.testFlag(QMessageBox::Yes) ? m_reply : QMessageBox::Ok;
    });
    MessageBoxes::setTextPresenter([this](const MessageBoxes::TextRequest& r) -> std::optional<QString> {
        m_textRequests.append(r);
        if (m_answers.isEmpty())
            return std::nullopt;
        const QString answer = m_answers.takeFirst();
        return answer == kCancel ? std::nullopt : std::optional<QString>(answer);
    });
    MessageBoxes::setDialogRunner([this](QDialog* dialog) { return m_runDialog ? m_runDialog(dialog) : 0; });
}

void AccountWindowsTest::cleanupTestCase()
{
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
}

void AccountWindowsTest::init()
{
    m_service->reset();
    ClientConfig config;
    config.authBaseUrl = m_service->url().toString();
    config.realmSlug = QStringLiteral("larkspur");
    config.accountApiUrl = m_service->url().toString();
    config.appId = QStringLiteral("app.larkspur.tallyleaf");
    config.appVersion = QStringLiteral("1.1.5");
    m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
    m_client->syncApi()->setBaseUrl(m_service->url(QStringLiteral("/")));
    m_sharing = std::make_unique<AccountSharingService>(m_client->syncApi());
    m_boxes.clear();
    m_textRequests.clear();
    m_answers.clear();
    m_reply = QMessageBox::Yes;
    m_onBox = nullptr;
    m_runDialog = nullptr;
    m_opened.clear();
    signInAs(QStringLiteral("u1"));
}

void AccountWindowsTest::cleanup()
{
    m_window.reset();
    m_state.reset();
    m_screen.reset();
    m_dialog.reset();
    m_sharing.reset();
    m_client.reset();
}

void AccountWindowsTest::signInAs(const QString& subject)
{
    const QJsonObject pair = m_service->issueTokens(subject);
    m_client->tokenManager()->setTokens(text(pair, "access_token"), text(pair, "refresh_token"));
}

void AccountWindowsTest::makeGroup()
{
    AccountClient* account = m_client->accountClient();
    for (const QString& member : {QStringLiteral("u2"), QStringLiteral("u3")}) {
        signInAs(QStringLiteral("u1"));
        QString code;
        account->generateInviteCode([&code](const GroupInvitation& invitation) { code = invitation.inviteCode; });
        QTRY_VERIFY_WITH_TIMEOUT(!code.isEmpty(), 10000);
        signInAs(member);
        bool joined = false;
        account->joinGroup(code, [&joined](bool ok) { joined = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(joined, 10000);
        // The token refresh after joining is over before anyone signs in.
        QTRY_COMPARE_WITH_TIMEOUT(m_client->claims().role, QStringLiteral("member"), 10000);
    }
    signInAs(QStringLiteral("u1"));
    bool invited = false;
    account->inviteByEmail(QStringLiteral("friend@example.com"),
                           [&invited](const GroupInvitation&) { invited = true; });
    QTRY_VERIFY_WITH_TIMEOUT(invited, 10000);
    bool registered = false;
    account->registerDevice([&registered](bool ok) { registered = ok; });
    QTRY_VERIFY_WITH_TIMEOUT(registered, 10000);
}

void AccountWindowsTest::openScreen()
{
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    m_screen->refresh();
    m_screen->show();
    QTRY_VERIFY_WITH_TIMEOUT(m_screen->findChild<QWidget*>(QStringLiteral("groupContent"))
                                 && m_screen->findChild<QWidget*>(QStringLiteral("devicesContent"))
                                 && m_screen->findChild<QWidget*>(QStringLiteral("sessionsContent"))
                                 && !m_screen->findChild<QLabel*>(QStringLiteral("emailLabel"))->text().isEmpty(),
                             10000);
}

QPushButton* AccountWindowsTest::visibleButton(const QString& text)
{
    for (QPushButton* button : m_screen->findChildren<QPushButton*>()) {
        if (button->isVisible() && button->text() == text)
            return button;
    }
    return nullptr;
}

QStringList AccountWindowsTest::labelTexts(const QString& contentName)
{
    const QWidget* content = m_screen->findChild<QWidget*>(contentName);
    QStringList texts = labels(content);
    for (const QPushButton* button : content->findChildren<QPushButton*>())
        texts << QLatin1Char('[') + button->text() + QLatin1Char(']');
    return texts;
}

// Each page as the replies fill it: the owner's view, then the member's
// view on the same screen, whose owner-only controls follow the new role.
void AccountWindowsTest::pagesFromReplies()
{
    makeGroup();
    openScreen();
    QCOMPARE(m_screen->findChild<QLabel*>(QStringLiteral("nameLabel"))->text(), QStringLiteral("User u1"));
    QCOMPARE(m_screen->findChild<QLabel*>(QStringLiteral("emailLabel"))->text(), QStringLiteral("u1@example.com"));
    QCOMPARE(labelTexts(QStringLiteral("groupContent")),
             (QStringList{"Family of User u1", "3 of 6 seats used", "Members", "User u1", "u1@example.com", "Owner",
                          "User u2", "u2@example.com", "User u3", "u3@example.com", "Pending Invitations",
                          "friend@example.com", "Invite Members", "[Remove]", "[Remove]", "[Revoke]",
                          "[Invite by Email]", "[Generate Invite Code]"}));
    const QStringList devices = labelTexts(QStringLiteral("devicesContent"));
    QCOMPARE(devices.size(), 6); // header (2), name, platform and version, age, [Remove]
    QVERIFY2(devices.at(3).endsWith(QStringLiteral("  \u00B7  v1.1.5")), qPrintable(devices.at(3)));
    QCOMPARE(devices.at(4), QStringLiteral("Unknown")); // never synced
    QCOMPARE(
        labelTexts(QStringLiteral("sessionsContent")),
        (QStringList{
            "Active Sessions", "Sessions currently signed in to your account.", "Tallyleaf/1.1.5",
            "This session  \u00B7  127.0.0.1", "Current", "Wren/2.0 (iPhone)",
            QDateTime(QDate(2024, 3, 2), QTime(8, 0), Qt::UTC).toLocalTime().toString(QStringLiteral("MMM d, yyyy"))
                + QStringLiteral("  \u00B7  192.0.2.7"),
            "[Revoke]"}));
    m_screen->showTab(AccountScreen::DataPrivacyTab);
    QCOMPARE(m_screen->findChild<QListWidget*>()->currentRow(), 4);
    QPushButton* deleteButton = visibleButton(QStringLiteral("Delete Account"));
    QVERIFY(!deleteButton->isEnabled());
    QVERIFY(m_screen->findChild<QLabel*>(QStringLiteral("ownerNote"))->isVisible());

    signInAs(QStringLiteral("u2"));
    m_screen->refresh();
    QTRY_VERIFY_WITH_TIMEOUT(labelTexts(QStringLiteral("groupContent")).contains(QStringLiteral("[Leave Group]")),
                             10000);
    QVERIFY(!labelTexts(QStringLiteral("groupContent")).contains(QStringLiteral("[Remove]")));
    QVERIFY(deleteButton->isEnabled());
    QVERIFY(!m_screen->findChild<QLabel*>(QStringLiteral("ownerNote"))->isVisible());
}

// Each action: what the dialogs answer, the request it sends, the result
// text (a refused request shows as a failure), and the page reloaded.
void AccountWindowsTest::actions_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("fault"); // route pattern and status, once
    QTest::addColumn<QString>("sent"); // method and the end of the path; empty: nothing
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("reload"); // the route asked again afterwards

    struct Row
    {
        const char *name, *subject;
        int tab;
        const char* button;
        QStringList answers;
        bool yes;
        const char *fault, *sent, *body, *status, *reload;
    };
    const QStringList password{"password-1", "12345678", "12345678"};
    const Row rows[] = {
        {"rename", "u1", 0, "Edit Display Name", {"  Ann Lee "}, true, "", "PATCH /users/me",
         R"({"display_name":"Ann Lee"})", "Display name updated.", ""},
        {"rename refused", "u1", 0, "Edit Display Name", {"Ann"}, true, "/users/me 400", "PATCH /users/me",
         R"({"display_name":"Ann"})", "Failed to update profile.", ""},
        {"rename blank", "u1", 0, "Edit Display Name", {"   "}, true, "", "", "", "", ""},
        {"password", "u1", 0, "Change Password", password, true, "", "POST /users/me/password",
         R"({"current_password":"password-1","new_password":"12345678"})", "Password changed.", ""},
        {"password refused", "u1", 0, "Change Password", password, true, "/users/me/password 403",
         "POST /users/me/password", R"({"current_password":"password-1","new_password":"12345678"})",
         "Failed to change password.", ""},
        {"password of 7", "u1", 0, "Change Password", {"password-1", "1234567"}, true, "", "", "",
         "Password must be at least 8 characters.", ""},
        {"empty confirmation", "u1", 0, "Change Password", {"password-1", "12345678", ""}, true, "", "", "",
         "Passwords do not match.", ""},
        {"password cancelled", "u1", 0, "Change Password", {"password-1", kCancel}, true, "", "", "", "", ""},
        {"invite", "u1", 1, "Invite by Email", {" kim@example.com "}, true, "", "POST /group/invite",
         R"({"email":"kim@example.com"})", "Invitation sent.", "/group"},
        {"invite refused", "u1", 1, "Invite by Email", {"kim"}, true, "", "POST /group/invite", R"({"email":"kim"})",
         "Failed to send invitation.", ""},
        {"remove member", "u1", 1, "Remove", {}, true, "", "DELETE /group/members/acct-u2", "", "User u2 removed.",
         "/group"},
        {"remove member refused", "u1", 1, "Remove", {}, true, "/group/members/:id 500",
         "DELETE /group/members/acct-u2", "", "Failed to remove User u2.", "/group"},
        {"remove member no", "u1", 1, "Remove", {}, false, "", "", "", "", ""},
        {"revoke invitation", "u1", 1, "Revoke", {}, true, "", "DELETE /group/invitations/inv-6", "",
         "Invitation revoked.", "/group"},
        {"leave", "u2", 1, "Leave Group", {}, true, "", "POST /group/leave", "", "Left group.", "/group"},
        {"leave refused", "u2", 1, "Leave Group", {}, true, "/group/leave 500", "POST /group/leave", "",
         "Failed to leave group.", "/group"},
        {"join bad code", "u4", 1, "Join with Invite Code", {" bogus "}, true, "", "POST /group/join/bogus", "",
         "Invalid or expired invite code.", ""},
        {"remove device", "u1", 2, "Remove", {}, true, "", "DELETE /devices/dev-8", "", "Device removed.", "/devices"},
        {"remove device refused", "u1", 2, "Remove", {}, true, "/devices/:id 500", "DELETE /devices/dev-8", "",
         "Failed to remove device.", "/devices"},
        {"revoke session", "u1", 3, "Revoke", {}, true, "", "DELETE /users/me/sessions/s-phone", "",
         "Session revoked.", "/users/me/sessions"},
        {"revoke session refused", "u1", 3, "Revoke", {}, true, "/users/me/sessions/:id 404",
         "DELETE /users/me/sessions/s-phone", "", "Failed to revoke session.", "/users/me/sessions"},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << QString(row.subject) << row.tab << QString(row.button) << row.answers << row.yes
                                << QString(row.fault) << QString(row.sent) << QString(row.body)
                                << QString(row.status) << QString(row.reload);
    }
}

void AccountWindowsTest::actions()
{
    QFETCH(QString, subject);
    QFETCH(int, tab);
    QFETCH(QString, button);
    QFETCH(QStringList, answers);
    QFETCH(bool, yes);
    QFETCH(QString, fault);
    QFETCH(QString, sent);
    QFETCH(QString, body);
    QFETCH(QString, status);
    QFETCH(QString, reload);

    makeGroup();
    signInAs(subject);
    openScreen();
    m_screen->showTab(static_cast<AccountScreen::Tab>(tab));
    if (!fault.isEmpty())
        m_service->addFault(fault.section(QLatin1Char(' '), 0, 0),
                            {{"status", fault.section(' ', 1).toInt()}, {"times", 1}});
    m_service->control("DELETE", QStringLiteral("/_control/requests"));
    m_answers = answers;
    m_reply = yes ? QMessageBox::Yes : QMessageBox::No;
    QPushButton* target = visibleButton(button);
    QVERIFY(target);
    target->click();

    auto* statusLabel = m_screen->findChild<QLabel*>(QStringLiteral("statusLabel"));
    if (!status.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel->text(), status, 10000);
    QVERIFY(m_answers.isEmpty());
    QTest::qWait(50);
    const QJsonArray requests = m_service->requests();
    if (sent.isEmpty()) {
        QCOMPARE(requests.size(), 0);
        QCOMPARE(statusLabel->text(), status);
        return;
    }
    QVERIFY(!requests.isEmpty());
    const QJsonValue first = requests.first();
    QCOMPARE(text(first, "method"), sent.section(QLatin1Char(' '), 0, 0));
    QVERIFY2(text(first, "path").endsWith(sent.section(QLatin1Char(' '), 1)), qPrintable(text(first, "path")));
    QCOMPARE(QJsonDocument::fromJson(text(first, "body").toUtf8()), QJsonDocument::fromJson(body.toUtf8()));
    if (!reload.isEmpty())
        QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(reload).size(), 1, 10000);
    const bool failed
        = !fault.isEmpty() || status.startsWith(QLatin1String("Failed")) || status.startsWith(QLatin1String("Invalid"));
    QCOMPARE(statusLabel->styleSheet(),
             failed ? QStringLiteral("color: #C62828; padding: 4px;")
                    : QStringLiteral("color: #2E7D32; padding: 4px;"));
}

// The account is deleted only for the exact word, and the sign-out is
// asked for after the information box has been closed.
void AccountWindowsTest::deleteAccount_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("faultStatus");
    QTest::addColumn<bool>("sent");
    QTest::addColumn<QString>("status");

    QTest::newRow("confirmed") << "DELETE" << 0 << true << "";
    QTest::newRow("lower case") << "delete" << 0 << false << "";
    QTest::newRow("surrounding spaces") << " DELETE " << 0 << false << "";
    QTest::newRow("refused") << "DELETE" << 500 << true << "Failed to delete account.";
}

void AccountWindowsTest::deleteAccount()
{
    QFETCH(QString, typed);
    QFETCH(int, faultStatus);
    QFETCH(bool, sent);
    QFETCH(QString, status);

    openScreen();
    m_screen->showTab(AccountScreen::DataPrivacyTab);
    if (faultStatus)
        m_service->addFault(QStringLiteral("/profile"), {{"status", faultStatus}, {"times", 1}});
    QSignalSpy logout(m_screen.get(), &AccountScreen::logoutRequested);
    int logoutsAtBox = -1;
    m_onBox = [&] { logoutsAtBox = logout.size(); };
    m_answers = {typed};
    visibleButton(QStringLiteral("Delete Account"))->click();
    QCOMPARE(m_textRequests.size(), 1);
    QCOMPARE(m_textRequests.first().label,
             QStringLiteral("This will schedule your account for permanent deletion after 30 days.\n\n"
                            "Type DELETE to confirm:"));
    auto* statusLabel = m_screen->findChild<QLabel*>(QStringLiteral("statusLabel"));
    if (sent && !faultStatus) {
        QTRY_COMPARE_WITH_TIMEOUT(logout.size(), 1, 10000);
        QCOMPARE(logoutsAtBox, 0);
        QCOMPARE(m_boxes.size(), 1);
        QCOMPARE(m_boxes.first().title, QStringLiteral("Account Scheduled for Deletion"));
    } else if (sent) {
        QTRY_COMPARE_WITH_TIMEOUT(statusLabel->text(), status, 10000);
    } else {
        QTest::qWait(50);
    }
    QCOMPARE(m_service->requests(QStringLiteral("/profile")).size(), sent ? 1 : 0);
    if (!sent || faultStatus)
        QCOMPARE(logout.size(), 0);
}

// The rename dialog starts from the stored name, never the placeholder
// shown for a missing one.
void AccountWindowsTest::renamePrefill()
{
    bool cleared = false;
    m_client->authClient()->updateProfile(QString(), [&cleared](bool ok, const User&) { cleared = ok; });
    QTRY_VERIFY_WITH_TIMEOUT(cleared, 10000);
    openScreen();
    QCOMPARE(m_screen->findChild<QLabel*>(QStringLiteral("nameLabel"))->text(), QStringLiteral("(not set)"));
    m_answers = {kCancel};
    visibleButton(QStringLiteral("Edit Display Name"))->click();
    QCOMPARE(m_textRequests.size(), 1);
    QCOMPARE(m_textRequests.first().text, QString());
    QVERIFY(visibleButton(QStringLiteral("Edit Display Name"))->isEnabled());
}

// Names from the server are never read as markup.
void AccountWindowsTest::serverTextsArePlain()
{
    m_screen = std::make_unique<AccountScreen>(m_client.get());
    const QString markup = QStringLiteral("<b>Pad</b>");
    Device device;
    device.id = QStringLiteral("d1");
    device.deviceName = markup;
    m_screen->populateDevices({device});
    Group group;
    group.id = QStringLiteral("g1");
    group.name = markup;
    GroupMember member;
    member.displayName = markup;
    group.members = {member};
    m_screen->populateGroup(group);
    int found = 0;
    for (const QLabel* label : m_screen->findChildren<QLabel*>()) {
        if (label->text() == markup) {
            QCOMPARE(label->textFormat(), Qt::PlainText);
            ++found;
        }
    }
    QCOMPARE(found, 3);
}

// Replies that arrive after the window is gone, to a refresh and to an
// action, change nothing and do not crash.
void AccountWindowsTest::lateReplies()
{
    openScreen();
    m_screen->showTab(AccountScreen::SecurityTab);
    for (const char* route : {"/users/me", "/group", "/devices", "/users/me/sessions", "/users/me/sessions/:id"})
        m_service->addFault(QLatin1String(route), {{"mode", "delay"}, {"delay_ms", 300}});
    m_screen->refresh();
    visibleButton(QStringLiteral("Revoke"))->click();
    m_screen.reset();
    QTest::qWait(600);
    QTRY_COMPARE_WITH_TIMEOUT(m_service->requests(QStringLiteral("/users/me/sessions/:id")).size(), 1, 10000);
}

void AccountWindowsTest::relativeTime_data()
{
    QTest::addColumn<qint64>("secondsAgo");
    QTest::addColumn<QString>("expected");
    QTest::newRow("future") << qint64(-30) << "Active now";
    QTest::newRow("59 s") << qint64(59) << "Active now";
    QTest::newRow("60 s") << qint64(60) << "1m ago";
    QTest::newRow("3599 s") << qint64(3599) << "59m ago";
    QTest::newRow("3600 s") << qint64(3600) << "1h ago";
    QTest::newRow("86399 s") << qint64(86399) << "23h ago";
    QTest::newRow("86400 s") << qint64(86400) << "1d ago";
    QTest::newRow("604799 s") << qint64(604799) << "6d ago";
    QTest::newRow("604800 s") << qint64(604800) << "date";
}

void AccountWindowsTest::relativeTime()
{
    QFETCH(qint64, secondsAgo);
    QFETCH(QString, expected);
    const QDateTime now(QDate(2024, 6, 15), QTime(12, 0), Qt::UTC);
    const QDateTime then = now.addSecs(-secondsAgo);
    if (expected == QLatin1String("date"))
        expected = then.toLocalTime().toString(QStringLiteral("MMM d, yyyy"));
    QCOMPARE(AccountScreen::formatRelativeTime(then, now), expected);
    QCOMPARE(AccountScreen::formatRelativeTime(QDateTime(), now), QStringLiteral("Unknown"));
}

void AccountWindowsTest::openDialog()
{
    m_dialog = std::make_unique<ShareMembersDialog>(m_client.get(), m_sharing.get(), kAccountId,
                                                    ShareMembersDialog::Texts());
    m_dialog->show();
    // Populated twice per load: once the profile, group and shares are in.
    QTRY_VERIFY_WITH_TIMEOUT(requests("GET", QStringLiteral("/group")).size() == 1
                                 && requests("GET", QStringLiteral("/accounts/:id/members")).size() == 1,
                             10000);
    QTest::qWait(100);
}

QList<QWidget*> AccountWindowsTest::dialogRows(const QString& name) const
{
    QList<QWidget*> visible;
    for (QWidget* row : m_dialog->findChildren<QWidget*>(name)) {
        if (row->isVisible())
            visible << row;
    }
    return visible;
}

QJsonArray AccountWindowsTest::requests(const QString& method, const QString& route)
{
    QJsonArray matching;
    for (const QJsonValue& request : m_service->requests(route)) {
        if (text(request, "method") == method)
            matching.append(request);
    }
    return matching;
}

// The owner is never listed; members without access get a Share button;
// a share fills its name from the group; a removal is confirmed first.
void AccountWindowsTest::shareAndRemove()
{
    makeGroup();
    openDialog();
    auto* notShared = m_dialog->findChild<QLabel*>(QStringLiteral("notSharedNote"));
    QVERIFY(notShared && notShared->isVisible());
    QCOMPARE(notShared->text(), QStringLiteral("Not shared with anyone yet."));
    QCOMPARE(dialogRows(QStringLiteral("memberRow")).size(), 2);
    QCOMPARE(labels(dialogRows(QStringLiteral("memberRow")).first()),
             (QStringList{"UU", "User u2", "u2@example.com"})); // initials, name, e-mail
    QSignalSpy changed(m_dialog.get(), &ShareMembersDialog::sharingChanged);

    dialogRows(QStringLiteral("memberRow")).first()->findChild<QPushButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 10000);
    QCOMPARE(QJsonDocument::fromJson(text(requests("POST", kShareRoute).first(), "body").toUtf8()).object(),
             (QJsonObject{{"user_id", "acct-u2"}, {"role", "member"}}));
    QTRY_COMPARE_WITH_TIMEOUT(dialogRows(QStringLiteral("shareRow")).size(), 1, 10000);
    QWidget* share = dialogRows(QStringLiteral("shareRow")).first();
    QCOMPARE(labels(share), (QStringList{"UU", "User u2", "u2@example.com"}));
    QTRY_COMPARE_WITH_TIMEOUT(dialogRows(QStringLiteral("memberRow")).size(), 1, 10000);

    auto* remove = share->findChild<QToolButton*>();
    QCOMPARE(remove->toolTip(), QStringLiteral("Remove access"));
    m_reply = QMessageBox::No;
    remove->click();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Remove access?"));
    QCOMPARE(m_boxes.first().text, QStringLiteral("User u2 will no longer have access. Continue?"));
    QCOMPARE(m_boxes.first().defaultButton, QMessageBox::No);
    m_reply = QMessageBox::Yes;
    remove->click(); // answering No left the dialog free to act
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 2, 10000);
    const QJsonArray removals = requests("DELETE", kRemoveRoute);
    QCOMPARE(removals.size(), 1);
    QCOMPARE(text(removals.first(), "path"), QStringLiteral("/accounts/%1/share/acct-u2").arg(kAccountId));
    QTRY_COMPARE_WITH_TIMEOUT(dialogRows(QStringLiteral("memberRow")).size(), 2, 10000);
    QVERIFY(m_dialog->findChild<QLabel*>(QStringLiteral("notSharedNote"))->isVisible());
}

// A refused share shows the service's text, a refused removal the
// dialog's own; neither emits sharingChanged.
void AccountWindowsTest::shareFailures()
{
    makeGroup();
    openDialog();
    QSignalSpy changed(m_dialog.get(), &ShareMembersDialog::sharingChanged);
    auto* error = m_dialog->findChild<QLabel*>(QStringLiteral("errorLabel"));
    m_service->addFault(kShareRoute,
                        {{"status", 409}, {"body", QJsonObject{{"error", "<b>Already shared</b>"}}}, {"times", 1}});
    dialogRows(QStringLiteral("memberRow")).first()->findChild<QPushButton*>()->click();
    QTRY_VERIFY_WITH_TIMEOUT(error->isVisible(), 10000);
    QCOMPARE(error->text(), QStringLiteral("<b>Already shared</b>"));
    QCOMPARE(error->textFormat(), Qt::PlainText);

    dialogRows(QStringLiteral("memberRow")).first()->findChild<QPushButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(dialogRows(QStringLiteral("shareRow")).size(), 1, 10000);
    QVERIFY(!error->isVisible());
    m_service->addFault(kRemoveRoute, {{"status", 500}, {"times", 1}});
    dialogRows(QStringLiteral("shareRow")).first()->findChild<QToolButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(error->text(), QStringLiteral("Could not remove User u2."), 10000);
    QVERIFY(error->isVisible());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(dialogRows(QStringLiteral("shareRow")).size(), 1);
}

void AccountWindowsTest::shareNotes_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("founds"); // a group of one
    QTest::addColumn<bool>("noGroup");
    QTest::addColumn<bool>("allHaveAccess");
    QTest::newRow("no group") << "u4" << false << true << false;
    QTest::newRow("alone in the group") << "u5" << true << false << true;
}

void AccountWindowsTest::shareNotes()
{
    QFETCH(QString, subject);
    QFETCH(bool, founds);
    QFETCH(bool, noGroup);
    QFETCH(bool, allHaveAccess);
    signInAs(subject);
    if (founds) {
        bool invited = false;
        m_client->accountClient()->generateInviteCode([&invited](const GroupInvitation&) { invited = true; });
        QTRY_VERIFY_WITH_TIMEOUT(invited, 10000);
    }
    openDialog();
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("noGroupNote"))->isVisible(), noGroup);
    QCOMPARE(m_dialog->findChild<QLabel*>(QStringLiteral("allHaveAccessNote"))->isVisible(), allHaveAccess);
    QCOMPARE(dialogRows(QStringLiteral("memberRow")).size(), 0);
}

// A second click while a share is out sends nothing; replies that arrive
// after the dialog is gone do nothing.
void AccountWindowsTest::shareBusyAndLateReplies()
{
    makeGroup();
    openDialog();
    m_service->addFault(kShareRoute, {{"mode", "delay"}, {"delay_ms", 300}});
    m_service->addFault(QStringLiteral("/accounts/:id/members"), {{"mode", "delay"}, {"delay_ms", 300}});
    const QList<QWidget*> members = dialogRows(QStringLiteral("memberRow"));
    members.at(0)->findChild<QPushButton*>()->click();
    members.at(1)->findChild<QPushButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(requests("POST", kShareRoute).size(), 1, 10000);
    m_dialog.reset();
    QTest::qWait(600);
    QCOMPARE(requests("POST", kShareRoute).size(), 1);
}

void AccountWindowsTest::initials_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three words") << "Mary Ann Smith" << "m@x.org" << "MS";
    QTest::newRow("one word") << "cher" << "" << "C";
    QTest::newRow("e-mail only") << "" << "jo@x.org" << "J";
    QTest::newRow("nothing") << "" << "" << "?";
    QTest::newRow("blank name") << "   " << "" << "?";
    QTest::newRow("blank name, e-mail") << " \t" << "kim@x.org" << "K";
}

void AccountWindowsTest::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, expected);
    QCOMPARE(ShareMembersDialog::initialsFor(name, email), expected);
}

void AccountWindowsTest::startApp()
{
    QDir(dataDirectory()).removeRecursively();
    QSettings().clear();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TokenStore: no credential store")));
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());
    m_window = std::make_unique<MainWindow>(m_state.get());
}

void AccountWindowsTest::signInApp()
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
void AccountWindowsTest::mainWindowAccountScreen()
{
    startApp();
    m_window->showLarkspurAccountScreen(0);
    QVERIFY(!m_window->findChild<AccountScreen*>());
    QCOMPARE(m_opened.size(), 1);

    signInApp();
    m_window->showLarkspurAccountScreen(AccountScreen::SecurityTab);
    auto* screen = m_window->findChild<AccountScreen*>();
    QVERIFY(screen && screen->isVisible() && screen->isWindow());
    QCOMPARE(screen->windowTitle(), QStringLiteral("Larkspur Account"));
    QCOMPARE(screen->size(), QSize(600, 550));
    QCOMPARE(screen->findChild<QListWidget*>()->currentRow(), 3);
    m_window->showLarkspurAccountScreen(0);
    QCOMPARE(m_window->findChildren<AccountScreen*>().size(), 1);
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
void AccountWindowsTest::mainWindowShareDialog()
{
    startApp();
    TestSupport::exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('%1', "
                                     "'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                          .arg(kAccountId));
    signInApp();
    m_window->selectAccount(kAccountId);
    SyncEngine* engine = m_state->syncEngine();
    QTRY_VERIFY_WITH_TIMEOUT(!engine->isSyncScheduled(), 10000);
    bool ran = false;
    const auto inspect = [&](QDialog* dialog) {
        ran = true;
        auto* share = qobject_cast<ShareMembersDialog*>(dialog);
        QVERIFY(share);
        // The account's members, then its profile and group, have been asked for.
        QTRY_VERIFY_WITH_TIMEOUT(!m_service->requests(QStringLiteral("/group")).isEmpty(), 10000);
        QTest::qWait(100);
        QCOMPARE(share->windowTitle(), QStringLiteral("Share Account"));
        const QStringList texts = labels(share);
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

TALLYLEAF_TEST_MAIN(AccountWindowsTest)
#include "tst_accountscreen.moc"
