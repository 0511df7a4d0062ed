// The actions behind the account window's buttons: input dialogs and
// questions, the server call, and the result in the status line. A change
// is reported only once the server has answered, and a failure as one.

#include "account/core/accountclient.h"
#include "account/core/authclient.h"
#include "account/core/client.h"
#include "account/ui/accountscreen.h"
#include "ui/dialogs/messageboxes.h"

#include <QPointer>
#include <QPushButton>

namespace LarkAccount {

namespace {

std::optional<QString> askText(QWidget* parent, const QString& title, const QString& label,
                               QLineEdit::EchoMode echo = QLineEdit::Normal, const QString& prefill = QString())
{
    return MessageBoxes::getText({parent, title, label, echo, prefill});
}

bool confirmed(QWidget* parent, const QString& title, const QString& text)
{
    return MessageBoxes::question(parent, title, text, QMessageBox::No) == QMessageBox::Yes;
}

} // namespace

void AccountScreen::reportChange(bool ok, const QString& success, const QString& failure,
                                 void (AccountScreen::*reload)())
{
    if (ok)
        showSuccess(success);
    else
        showError(failure);
    // Either way the page shows what the server holds now.
    (this->*reload)();
}

void AccountScreen::editDisplayName()
{
    // The name as stored, never the placeholder the label may show.
    const std::optional<QString> text = askText(this, QStringLiteral("Edit Display Name"),
                                                QStringLiteral("Display name:"), QLineEdit::Normal, m_displayName);
    if (!text)
        return;
    const QString name = text->trimmed();
    if (name.isEmpty())
        return;
    m_editNameButton->setEnabled(false);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->updateProfile(name, [self](bool ok, const User& user) {
        if (!self)
            return;
        self->m_editNameButton->setEnabled(true);
        if (!ok || user.id.isEmpty()) {
            self->showError(QStringLiteral("Failed to update profile."));
            return;
        }
        self->fillProfile(user);
        self->showSuccess(QStringLiteral("Display name updated."));
    });
}

void AccountScreen::changePassword(QPushButton* button)
{
    const QString title = QStringLiteral("Change Password");
    const std::optional<QString> current
        = askText(this, title, QStringLiteral("Current password:"), QLineEdit::Password);
    if (!current || current->isEmpty())
        return;
    const std::optional<QString> next
        = askText(this, title, QStringLiteral("New password (min 8 characters):"), QLineEdit::Password);
    if (!next || next->isEmpty())
        return;
    if (next->size() < 8) {
        showError(QStringLiteral("Password must be at least 8 characters."));
        return;
    }
    const std::optional<QString> confirmation
        = askText(this, title, QStringLiteral("Confirm new password:"), QLineEdit::Password);
    if (!confirmation)
        return;
    if (*confirmation != *next) {
        showError(QStringLiteral("Passwords do not match."));
        return;
    }
    button->setEnabled(false);
    QPointer<AccountScreen> self(this);
    QPointer<QPushButton> guardedButton(button);
    m_client->authClient()->changePassword(*current, *next, [self, guardedButton](bool ok) {
        if (!self)
            return;
        if (guardedButton)
            guardedButton->setEnabled(true);
        if (ok)
            self->showSuccess(QStringLiteral("Password changed."));
        else
            self->showError(QStringLiteral("Failed to change password."));
    });
}

void AccountScreen::confirmDeleteAccount()
{
    const std::optional<QString> text = askText(
        this, QStringLiteral("Delete Account"),
        QStringLiteral("This will schedule your account for permanent deletion after 30 days.\n\nType DELETE to confirm:"));
    if (!text || *text != QLatin1String("DELETE"))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->deleteAccount([self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(QStringLiteral("Failed to delete account."));
            return;
        }
        MessageBoxes::information(self, QStringLiteral("Account Scheduled for Deletion"),
                                  QStringLiteral("Your account will be permanently deleted in 30 days. You can "
                                                 "recover it by signing in before then."));
        if (self)
            emit self->logoutRequested();
    });
}

void AccountScreen::joinGroupWithCode()
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    const std::optional<QString> text
        = askText(this, QStringLiteral("Join Group"), QStringLiteral("Enter invite code:"));
    if (!text)
        return;
    const QString code = text->trimmed();
    if (code.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->joinGroup(code, [self](bool ok) {
        if (!self)
            return;
        if (!ok) {
            self->showError(QStringLiteral("Invalid or expired invite code."));
            return;
        }
        self->showSuccess(QStringLiteral("Joined group."));
        self->refreshGroup();
    });
}

void AccountScreen::confirmLeaveGroup()
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    if (!confirmed(this, QStringLiteral("Leave Group"),
                   QStringLiteral("Leave this group? You will lose access to shared data.")))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->leaveGroup([self](bool ok) {
        if (self)
            self->reportChange(ok, QStringLiteral("Left group."), QStringLiteral("Failed to leave group."),
                               &AccountScreen::refreshGroup);
    });
}

void AccountScreen::inviteByEmail()
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    const std::optional<QString> text
        = askText(this, QStringLiteral("Invite by Email"), QStringLiteral("Email address:"));
    if (!text)
        return;
    const QString email = text->trimmed();
    if (email.isEmpty())
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->inviteByEmail(email, [self](const GroupInvitation& invitation) {
        if (self)
            self->onInvitationSent(invitation);
    });
}

void AccountScreen::onInvitationSent(const GroupInvitation& invitation)
{
    if (invitation.id.isEmpty()) {
        showError(QStringLiteral("Failed to send invitation."));
        return;
    }
    showSuccess(QStringLiteral("Invitation sent."));
    refreshGroup();
}

void AccountScreen::onGenerateInviteCodeClicked()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->generateInviteCode([self](const GroupInvitation& invitation) {
        if (self)
            self->onInviteCodeGenerated(invitation);
    });
}

void AccountScreen::onInviteCodeGenerated(const GroupInvitation& invitation)
{
    if (invitation.inviteCode.isEmpty()) {
        showError(QStringLiteral("Failed to generate code."));
        return;
    }
    QPointer<AccountScreen> self(this);
    MessageBoxes::information(
        this, QStringLiteral("Invite Code"),
        QStringLiteral("Share this code with the person you want to invite:\n\n%1").arg(invitation.inviteCode));
    if (self)
        refreshGroup();
}

void AccountScreen::confirmRemoveMember(const QString& name, const QString& accountId)
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    if (!confirmed(this, QStringLiteral("Remove Member"), QStringLiteral("Remove %1 from the group?").arg(name)))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->removeMember(accountId, [self, name](bool ok) {
        if (self)
            self->reportChange(ok, QStringLiteral("%1 removed.").arg(name),
                               QStringLiteral("Failed to remove %1.").arg(name), &AccountScreen::refreshGroup);
    });
}

void AccountScreen::onRevokeInvitationClicked(const QString& invitationId)
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->revokeInvitation(invitationId, [self](bool ok) {
        if (self)
            self->reportChange(ok, QStringLiteral("Invitation revoked."),
                               QStringLiteral("Failed to revoke invitation."), &AccountScreen::refreshGroup);
    });
}

void AccountScreen::confirmRemoveDevice(const QString& deviceId, const QString& deviceName)
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    const QString shown = deviceName.isEmpty() ? QStringLiteral("Unknown Device") : deviceName;
    if (!confirmed(this, QStringLiteral("Remove Device"), QStringLiteral("Remove %1?").arg(shown)))
        return;
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->removeDevice(deviceId, [self](bool ok) {
        if (self)
            self->reportChange(ok, QStringLiteral("Device removed."), QStringLiteral("Failed to remove device."),
                               &AccountScreen::refreshDevices);
    });
}

void AccountScreen::onRevokeSessionClicked(const QString& sessionId)
{
    const AccountWidgets::ContentDisposal::ActionScope running(m_disposal);
    QPointer<AccountScreen> self(this);
    m_client->authClient()->revokeSession(sessionId, [self](bool ok) {
        if (self)
            self->reportChange(ok, QStringLiteral("Session revoked."), QStringLiteral("Failed to revoke session."),
                               &AccountScreen::refreshSessions);
    });
}

} // namespace LarkAccount
