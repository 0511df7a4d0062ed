#pragma once

#include "account/core/accountrecords.h"
#include "account/core/tokenclaims.h"
#include "account/ui/accountwidgets.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QWidget>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

namespace LarkAccount {

class Client;

// The window in which the signed-in user sees and manages the online
// account: profile, family group, devices, sessions and account deletion,
// one page per tab, with a one-line status area under the pages. Every
// text is fixed English; the caller sets the (translated) window title.
// Server texts are shown as plain text only. A reply that arrives after
// the screen is gone does nothing.
class AccountScreen : public QWidget
{
    Q_OBJECT

public:
    enum Tab { ProfileTab = 0, GroupTab = 1, DevicesTab = 2, SecurityTab = 3, DataPrivacyTab = 4 };
    Q_ENUM(Tab)

    // Builds the window without asking the server anything; the client is
    // not owned.
    explicit AccountScreen(Client* client, QWidget* parent = nullptr);
    ~AccountScreen() override;

    void showTab(Tab tab);
    // Asks for the user, the group, the devices and the sessions at once;
    // each answer rebuilds its page.
    void refresh();
    void refreshGroup();
    void refreshDevices();
    void refreshSessions();

    // Rebuild one page's content from a record.
    void populateGroup(LarkAccount::Group group);
    void populateDevices(QList<LarkAccount::Device> devices);
    void populateSessions(QList<LarkAccount::Session> sessions);

    // Red for 4 s / green for 3 s in the status line.
    void showError(const QString& text);
    void showSuccess(const QString& text);

    // The age of a device sync or session activity as of now.
    static QString formatRelativeTime(const QDateTime& time);
    static QString formatRelativeTime(const QDateTime& time, const QDateTime& now);
    static bool isOwner(const WrenClaims& claims);

signals:
    void logoutRequested();

private:
    QWidget* createProfileTab();
    QWidget* createGroupTab();
    QWidget* createDevicesTab();
    QWidget* createSecurityTab();
    QWidget* createPrivacyTab();
    // The page frame: margins, title, spacing; the caller adds the rest.
    QWidget* createPage(const QString& title, QVBoxLayout** layout);
    QWidget* createSectionHeader(const QString& title, const QString& subtitle);
    QFrame* createSeparator();
    // Takes the page's content out at once (deleted once no action runs:
    // one of its buttons may still be handling its click) and puts a new
    // one in its place, whose layout it returns.
    QVBoxLayout* replaceContent(QVBoxLayout* pageLayout, QWidget** content, const QString& name, int spacing);
    void fillProfile(const User& user);
    // Delete Account and its note follow the owner role of the current
    // access token.
    void updateOwnerControls();

    // Actions of the buttons (accountscreenactions.cpp).
    void editDisplayName();
    void changePassword(QPushButton* button);
    void confirmDeleteAccount();
    void joinGroupWithCode();
    void confirmRemoveMember(const QString& name, const QString& accountId);
    void onRevokeInvitationClicked(const QString& invitationId);
    void inviteByEmail();
    void onInvitationSent(const GroupInvitation& invitation);
    void onGenerateInviteCodeClicked();
    void onInviteCodeGenerated(const GroupInvitation& invitation);
    void confirmLeaveGroup();
    void confirmRemoveDevice(const QString& deviceId, const QString& deviceName);
    void onRevokeSessionClicked(const QString& sessionId);
    // The result of a removal or revoke: the success or failure text, then
    // the affected page again from the server.
    void reportChange(bool ok, const QString& success, const QString& failure, void (AccountScreen::*reload)());

    Client* m_client;
    // Counts full refreshes; a reply carrying an older count is stale.
    quint64 m_generation = 0;
    QListWidget* m_tabList = nullptr;
    QStackedWidget* m_pages = nullptr;
    QLabel* m_statusLabel = nullptr;
    QLabel* m_nameLabel = nullptr;
    QLabel* m_emailLabel = nullptr;
    QPushButton* m_editNameButton = nullptr;
    QVBoxLayout* m_groupLayout = nullptr;
    QWidget* m_groupContent = nullptr;
    QVBoxLayout* m_devicesLayout = nullptr;
    QWidget* m_devicesContent = nullptr;
    QVBoxLayout* m_securityLayout = nullptr;
    QWidget* m_securityContent = nullptr;
    QPushButton* m_deleteAccountButton = nullptr;
    QLabel* m_ownerNote = nullptr;
    // The display name as the server last gave it (the label may show a
    // placeholder instead).
    QString m_displayName;
    AccountWidgets::ContentDisposal m_disposal;
};

} // namespace LarkAccount
