#include "testsupport.h"

#include "account/core/accountclient.h"
#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/tokenmanager.h"
#include "account/core/tokenstore.h"
#include "account/ui/accountscreen.h"
#include "testserviceprocess.h"
#include "ui/dialogs/messageboxes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>

using namespace LarkAccount;

// The account window against the test service: the pages as the replies
// fill them, every action's request and result text, and replies that
// arrive after the window is gone.
class AccountScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
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

private:
    void signInAs(const QString& subject);
    // u1 owns a group that u2 has joined, with an e-mail invitation
    // pending and one registered device.
    void makeGroup();
    // A shown screen with every page filled.
    void openScreen();
    QPushButton* visibleButton(const QString& text, int index = 0);
    QStringList labelTexts(const QString& contentName);

    std::unique_ptr<TestServiceProcess> m_service;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<AccountScreen> m_screen;
    QList<MessageBoxes::Request> m_boxes;
    QList<MessageBoxes::TextRequest> m_textRequests;
    QStringList m_answers; // "<cancel>" cancels
    QMessageBox::StandardButton m_reply = QMessageBox::Yes;
    std::function<void()> m_onBox;
};

namespace {

const QString kCancel = QStringLiteral("<cancel>");

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

} // namespace

void AccountScreenTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
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
}

void AccountScreenTest::init()
{
    m_service->reset();
    ClientConfig config;
    config.authBaseUrl = m_service->url().toString();
    config.realmSlug = QStringLiteral("larkspur");
    config.accountApiUrl = m_service->url().toString();
    config.appId = QStringLiteral("app.larkspur.tallyleaf");
    config.appVersion = QStringLiteral("1.1.5");
    m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
    m_boxes.clear();
    m_textRequests.clear();
    m_answers.clear();
    m_reply = QMessageBox::Yes;
    m_onBox = nullptr;
    signInAs(QStringLiteral("u1"));
}

void AccountScreenTest::cleanup()
{
    m_screen.reset();
    m_client.reset();
}

void AccountScreenTest::signInAs(const QString& subject)
{
    const QJsonObject pair = m_service->issueTokens(subject);
    m_client->tokenManager()->setTokens(text(pair, "access_token"), text(pair, "refresh_token"));
}

void AccountScreenTest::makeGroup()
{
    AccountClient* account = m_client->accountClient();
    QString code;
    account->generateInviteCode([&code](const GroupInvitation& invitation) { code = invitation.inviteCode; });
    QTRY_VERIFY_WITH_TIMEOUT(!code.isEmpty(), 10000);
    bool invited = false;
    account->inviteByEmail(QStringLiteral("friend@example.com"), [&invited](const GroupInvitation&) { invited = true; });
    QTRY_VERIFY_WITH_TIMEOUT(invited, 10000);
    bool registered = false;
    account->registerDevice([&registered](bool ok) { registered = ok; });
    QTRY_VERIFY_WITH_TIMEOUT(registered, 10000);
    signInAs(QStringLiteral("u2"));
    bool joined = false;
    account->joinGroup(code, [&joined](bool ok) { joined = ok; });
    QTRY_VERIFY_WITH_TIMEOUT(joined, 10000);
    // The token refresh after joining is over before u1 signs in again.
    QTRY_COMPARE_WITH_TIMEOUT(m_client->claims().role, QStringLiteral("member"), 10000);
    signInAs(QStringLiteral("u1"));
}

void AccountScreenTest::openScreen()
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

QPushButton* AccountScreenTest::visibleButton(const QString& text, int index)
{
    for (QPushButton* button : m_screen->findChildren<QPushButton*>()) {
        if (button->isVisible() && button->text() == text && index-- == 0)
            return button;
    }
    return nullptr;
}

QStringList AccountScreenTest::labelTexts(const QString& contentName)
{
    QStringList texts;
    const QWidget* content = m_screen->findChild<QWidget*>(contentName);
    for (const QLabel* label : content->findChildren<QLabel*>())
        texts << label->text();
    for (const QPushButton* button : content->findChildren<QPushButton*>())
        texts << QLatin1Char('[') + button->text() + QLatin1Char(']');
    return texts;
}

// Each page as the replies fill it: the owner's view, then the member's
// view on the same screen, whose owner-only controls follow the new role.
void AccountScreenTest::pagesFromReplies()
{
    makeGroup();
    openScreen();
    QCOMPARE(m_screen->findChild<QLabel*>(QStringLiteral("nameLabel"))->text(), QStringLiteral("User u1"));
    QCOMPARE(m_screen->findChild<QLabel*>(QStringLiteral("emailLabel"))->text(), QStringLiteral("u1@example.com"));
    QCOMPARE(labelTexts(QStringLiteral("groupContent")),
             (QStringList{"Family of User u1", "2 of 6 seats used", "Members", "User u1", "u1@example.com", "Owner",
                          "User u2", "u2@example.com", "Pending Invitations", "friend@example.com", "Invite Members",
                          "[Remove]", "[Revoke]", "[Invite by Email]", "[Generate Invite Code]"}));
    const QStringList devices = labelTexts(QStringLiteral("devicesContent"));
    QCOMPARE(devices.size(), 6); // header (2), name, platform and version, age, [Remove]
    QVERIFY2(devices.at(3).endsWith(QStringLiteral("  \u00B7  v1.1.5")), qPrintable(devices.at(3)));
    QCOMPARE(devices.at(4), QStringLiteral("Unknown")); // never synced
    QCOMPARE(labelTexts(QStringLiteral("sessionsContent")),
             (QStringList{"Active Sessions", "Sessions currently signed in to your account.", "Tallyleaf/1.1.5",
                          "This session  \u00B7  127.0.0.1", "Current", "Wren/2.0 (iPhone)",
                          QDateTime(QDate(2024, 3, 2), QTime(8, 0), Qt::UTC)
                                  .toLocalTime()
                                  .toString(QStringLiteral("MMM d, yyyy"))
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
void AccountScreenTest::actions_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("fault"); // route pattern and status, once
    QTest::addColumn<QString>("sent");  // method and the end of the path; empty: nothing
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("reload"); // the route asked again afterwards

    const QStringList none;
    QTest::newRow("rename") << "u1" << 0 << "Edit Display Name" << QStringList{"  Ann Lee "} << true << ""
                  << "PATCH /users/me" << R"({"display_name":"Ann Lee"})" << "Display name updated." << "";
    QTest::newRow("rename refused") << "u1" << 0 << "Edit Display Name" << QStringList{"Ann"} << true << "/users/me 400"
                          << "PATCH /users/me" << R"({"display_name":"Ann"})" << "Failed to update profile." << "";
    QTest::newRow("rename blank") << "u1" << 0 << "Edit Display Name" << QStringList{"   "} << true << "" << "" << "" << ""
                        << "";
    QTest::newRow("password") << "u1" << 0 << "Change Password" << QStringList{"password-1", "12345678", "12345678"} << true
                    << "" << "POST /users/me/password"
                    << R"({"current_password":"password-1","new_password":"12345678"})" << "Password changed." << "";
    QTest::newRow("password wrong") << "u1" << 0 << "Change Password" << QStringList{"nope", "12345678", "12345678"} << true
                          << "" << "POST /users/me/password"
                          << R"({"current_password":"nope","new_password":"12345678"})"
                          << "Failed to change password." << "";
    QTest::newRow("password of 7") << "u1" << 0 << "Change Password" << QStringList{"password-1", "1234567"} << true << ""
                         << "" << "" << "Password must be at least 8 characters." << "";
    QTest::newRow("empty confirmation") << "u1" << 0 << "Change Password" << QStringList{"password-1", "12345678", ""}
                              << true << "" << "" << "" << "Passwords do not match." << "";
    QTest::newRow("password cancelled") << "u1" << 0 << "Change Password" << QStringList{"password-1", kCancel} << true << ""
                              << "" << "" << "" << "";
    QTest::newRow("invite") << "u1" << 1 << "Invite by Email" << QStringList{" kim@example.com "} << true << ""
                  << "POST /group/invite" << R"({"email":"kim@example.com"})" << "Invitation sent." << "/group";
    QTest::newRow("invite refused") << "u1" << 1 << "Invite by Email" << QStringList{"kim"} << true << ""
                          << "POST /group/invite" << R"({"email":"kim"})" << "Failed to send invitation." << "";
    QTest::newRow("remove member") << "u1" << 1 << "Remove" << none << true << "" << "DELETE /group/members/acct-u2" << ""
                         << "User u2 removed." << "/group";
    QTest::newRow("remove member refused") << "u1" << 1 << "Remove" << none << true << "/group/members/:id 500"
                                 << "DELETE /group/members/acct-u2" << "" << "Failed to remove User u2." << "/group";
    QTest::newRow("remove member no") << "u1" << 1 << "Remove" << none << false << "" << "" << "" << "" << "";
    QTest::newRow("revoke invitation") << "u1" << 1 << "Revoke" << none << true << "" << "DELETE /group/invitations/inv-4"
                             << "" << "Invitation revoked." << "/group";
    QTest::newRow("revoke invitation refused") << "u1" << 1 << "Revoke" << none << true << "/group/invitations/:id 404"
                                     << "DELETE /group/invitations/inv-4" << "" << "Failed to revoke invitation."
                                     << "/group";
    QTest::newRow("leave") << "u2" << 1 << "Leave Group" << none << true << "" << "POST /group/leave" << "" << "Left group."
                 << "/group";
    QTest::newRow("leave refused") << "u2" << 1 << "Leave Group" << none << true << "/group/leave 500" << "POST /group/leave"
                         << "" << "Failed to leave group." << "/group";
    QTest::newRow("join bad code") << "u3" << 1 << "Join with Invite Code" << QStringList{" bogus "} << true << ""
                         << "POST /group/join/bogus" << "" << "Invalid or expired invite code." << "";
    QTest::newRow("remove device") << "u1" << 2 << "Remove" << none << true << "" << "DELETE /devices/dev-6" << ""
                         << "Device removed." << "/devices";
    QTest::newRow("remove device refused") << "u1" << 2 << "Remove" << none << true << "/devices/:id 500"
                                 << "DELETE /devices/dev-6" << "" << "Failed to remove device." << "/devices";
    QTest::newRow("revoke session") << "u1" << 3 << "Revoke" << none << true << "" << "DELETE /users/me/sessions/s-phone"
                          << "" << "Session revoked." << "/users/me/sessions";
    QTest::newRow("revoke session refused") << "u1" << 3 << "Revoke" << none << true << "/users/me/sessions/:id 404"
                                  << "DELETE /users/me/sessions/s-phone" << "" << "Failed to revoke session."
                                  << "/users/me/sessions";
}

void AccountScreenTest::actions()
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
        m_service->addFault(fault.section(QLatin1Char(' '), 0, 0), {{"status", fault.section(' ', 1).toInt()},
                                                                     {"times", 1}});
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
    const bool failed = !fault.isEmpty() || status.startsWith(QLatin1String("Failed"))
        || status.startsWith(QLatin1String("Invalid"));
    QCOMPARE(statusLabel->styleSheet(),
             failed ? QStringLiteral("color: #C62828; padding: 4px;") : QStringLiteral("color: #2E7D32; padding: 4px;"));
}

// The account is deleted only for the exact word, and the sign-out is
// asked for after the information box has been closed.
void AccountScreenTest::deleteAccount_data()
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

void AccountScreenTest::deleteAccount()
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
void AccountScreenTest::renamePrefill()
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
void AccountScreenTest::serverTextsArePlain()
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
void AccountScreenTest::lateReplies()
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

void AccountScreenTest::relativeTime_data()
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

void AccountScreenTest::relativeTime()
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

TALLYLEAF_TEST_MAIN(AccountScreenTest)
#include "tst_accountscreen.moc"
