#include "testsupport.h"

#include "account/core/accountclient.h"
#include "account/core/accountsharingservice.h"
#include "account/core/apiclient.h"
#include "account/core/client.h"
#include "account/core/tokenmanager.h"
#include "account/core/tokenstore.h"
#include "account/ui/sharemembersdialog.h"
#include "testserviceprocess.h"
#include "ui/dialogs/messageboxes.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>

using namespace LarkAccount;

// The share members dialog against the test service: who is listed where,
// sharing and removing with their requests, confirmation and signal, the
// notes, failures and replies after the dialog is gone.
class ShareMembersDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void shareAndRemove();
    void failures();
    void notes_data();
    void notes();
    void busyAndLateReplies();
    void initials_data();
    void initials();

private:
    void signInAs(const QString& subject);
    // u1 owns a group that u2 and u3 have joined; u1 is signed in.
    void makeGroup();
    void openDialog();
    QList<QWidget*> rows(const QString& name) const;
    QStringList labels(QWidget* row) const;
    QJsonArray requests(const QString& method, const QString& route);

    std::unique_ptr<TestServiceProcess> m_service;
    std::unique_ptr<Client> m_client;
    std::unique_ptr<AccountSharingService> m_sharing;
    std::unique_ptr<ShareMembersDialog> m_dialog;
    QList<MessageBoxes::Request> m_boxes;
    QMessageBox::StandardButton m_reply = QMessageBox::Yes;
};

namespace {

const QString kAccountId = QStringLiteral("a1");
const QString kShareRoute = QStringLiteral("/accounts/:id/share");
const QString kRemoveRoute = QStringLiteral("/accounts/:id/share/:user");

QString text(const QJsonValue& object, const char* key)
{
    return object.toObject().value(QLatin1String(key)).toString();
}

} // namespace

void ShareMembersDialogTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        return m_reply;
    });
}

void ShareMembersDialogTest::init()
{
    m_service->reset();
    ClientConfig config;
    config.authBaseUrl = m_service->url().toString();
    config.realmSlug = QStringLiteral("larkspur");
    config.accountApiUrl = m_service->url().toString();
    m_client = std::make_unique<Client>(config, std::make_unique<MemoryTokenStore>());
    m_client->syncApi()->setBaseUrl(m_service->url(QStringLiteral("/")));
    m_sharing = std::make_unique<AccountSharingService>(m_client->syncApi());
    m_boxes.clear();
    m_reply = QMessageBox::Yes;
}

void ShareMembersDialogTest::cleanup()
{
    m_dialog.reset();
    m_sharing.reset();
    m_client.reset();
}

void ShareMembersDialogTest::signInAs(const QString& subject)
{
    const QJsonObject pair = m_service->issueTokens(subject);
    m_client->tokenManager()->setTokens(text(pair, "access_token"), text(pair, "refresh_token"));
}

void ShareMembersDialogTest::makeGroup()
{
    for (const QString& member : {QStringLiteral("u2"), QStringLiteral("u3")}) {
        signInAs(QStringLiteral("u1"));
        QString code;
        m_client->accountClient()->generateInviteCode(
            [&code](const GroupInvitation& invitation) { code = invitation.inviteCode; });
        QTRY_VERIFY_WITH_TIMEOUT(!code.isEmpty(), 10000);
        signInAs(member);
        bool joined = false;
        m_client->accountClient()->joinGroup(code, [&joined](bool ok) { joined = ok; });
        QTRY_VERIFY_WITH_TIMEOUT(joined, 10000);
        // The token refresh after joining is over before anyone signs in.
        QTRY_COMPARE_WITH_TIMEOUT(m_client->claims().role, QStringLiteral("member"), 10000);
    }
    signInAs(QStringLiteral("u1"));
}

void ShareMembersDialogTest::openDialog()
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

QList<QWidget*> ShareMembersDialogTest::rows(const QString& name) const
{
    QList<QWidget*> visible;
    for (QWidget* row : m_dialog->findChildren<QWidget*>(name)) {
        if (row->isVisible())
            visible << row;
    }
    return visible;
}

QStringList ShareMembersDialogTest::labels(QWidget* row) const
{
    QStringList texts;
    for (const QLabel* label : row->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

QJsonArray ShareMembersDialogTest::requests(const QString& method, const QString& route)
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
void ShareMembersDialogTest::shareAndRemove()
{
    makeGroup();
    openDialog();
    auto* notShared = m_dialog->findChild<QLabel*>(QStringLiteral("notSharedNote"));
    QVERIFY(notShared && notShared->isVisible());
    QCOMPARE(notShared->text(), QStringLiteral("Not shared with anyone yet."));
    QCOMPARE(rows(QStringLiteral("memberRow")).size(), 2);
    QCOMPARE(labels(rows(QStringLiteral("memberRow")).first()),
             (QStringList{"UU", "User u2", "u2@example.com"})); // initials, name, e-mail
    QSignalSpy changed(m_dialog.get(), &ShareMembersDialog::sharingChanged);

    rows(QStringLiteral("memberRow")).first()->findChild<QPushButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(changed.size(), 1, 10000);
    QCOMPARE(QJsonDocument::fromJson(text(requests("POST", kShareRoute).first(), "body").toUtf8()).object(),
             (QJsonObject{{"user_id", "acct-u2"}, {"role", "member"}}));
    QTRY_COMPARE_WITH_TIMEOUT(rows(QStringLiteral("shareRow")).size(), 1, 10000);
    QWidget* share = rows(QStringLiteral("shareRow")).first();
    QCOMPARE(labels(share), (QStringList{"UU", "User u2", "u2@example.com"}));
    QTRY_COMPARE_WITH_TIMEOUT(rows(QStringLiteral("memberRow")).size(), 1, 10000);

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
    QCOMPARE(text(removals.first(), "path"), QStringLiteral("/accounts/a1/share/acct-u2"));
    QTRY_COMPARE_WITH_TIMEOUT(rows(QStringLiteral("memberRow")).size(), 2, 10000);
    QVERIFY(m_dialog->findChild<QLabel*>(QStringLiteral("notSharedNote"))->isVisible());
}

// A refused share shows the service's text, a refused removal the
// dialog's own; neither emits sharingChanged.
void ShareMembersDialogTest::failures()
{
    makeGroup();
    openDialog();
    QSignalSpy changed(m_dialog.get(), &ShareMembersDialog::sharingChanged);
    auto* error = m_dialog->findChild<QLabel*>(QStringLiteral("errorLabel"));
    m_service->addFault(kShareRoute,
                        {{"status", 409}, {"body", QJsonObject{{"error", "<b>Already shared</b>"}}}, {"times", 1}});
    rows(QStringLiteral("memberRow")).first()->findChild<QPushButton*>()->click();
    QTRY_VERIFY_WITH_TIMEOUT(error->isVisible(), 10000);
    QCOMPARE(error->text(), QStringLiteral("<b>Already shared</b>"));
    QCOMPARE(error->textFormat(), Qt::PlainText);

    rows(QStringLiteral("memberRow")).first()->findChild<QPushButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(rows(QStringLiteral("shareRow")).size(), 1, 10000);
    QVERIFY(!error->isVisible());
    m_service->addFault(kRemoveRoute, {{"status", 500}, {"times", 1}});
    rows(QStringLiteral("shareRow")).first()->findChild<QToolButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(error->text(), QStringLiteral("Could not remove User u2."), 10000);
    QVERIFY(error->isVisible());
    QCOMPARE(changed.size(), 1);
    QCOMPARE(rows(QStringLiteral("shareRow")).size(), 1);
}

void ShareMembersDialogTest::notes_data()
{
    QTest::addColumn<QString>("subject");
    QTest::addColumn<bool>("founds"); // a group of one
    QTest::addColumn<bool>("noGroup");
    QTest::addColumn<bool>("allHaveAccess");
    QTest::newRow("no group") << "u4" << false << true << false;
    QTest::newRow("alone in the group") << "u5" << true << false << true;
}

void ShareMembersDialogTest::notes()
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
    QCOMPARE(rows(QStringLiteral("memberRow")).size(), 0);
}

// A second click while a share is out sends nothing; replies that arrive
// after the dialog is gone do nothing.
void ShareMembersDialogTest::busyAndLateReplies()
{
    makeGroup();
    openDialog();
    m_service->addFault(kShareRoute, {{"mode", "delay"}, {"delay_ms", 300}});
    m_service->addFault(QStringLiteral("/accounts/:id/members"), {{"mode", "delay"}, {"delay_ms", 300}});
    const QList<QWidget*> members = rows(QStringLiteral("memberRow"));
    members.at(0)->findChild<QPushButton*>()->click();
    members.at(1)->findChild<QPushButton*>()->click();
    QTRY_COMPARE_WITH_TIMEOUT(requests("POST", kShareRoute).size(), 1, 10000);
    m_dialog.reset();
    QTest::qWait(600);
    QCOMPARE(requests("POST", kShareRoute).size(), 1);
}

void ShareMembersDialogTest::initials_data()
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

void ShareMembersDialogTest::initials()
{
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, expected);
    QCOMPARE(ShareMembersDialog::initialsFor(name, email), expected);
}

TALLYLEAF_TEST_MAIN(ShareMembersDialogTest)
#include "tst_sharemembersdialog.moc"
