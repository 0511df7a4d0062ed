#pragma once

#include "account/core/accountrecords.h"
#include "account/ui/accountwidgets.h"

#include <QColor>
#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QVBoxLayout;

namespace LarkAccount {

class Client;
class SharingBackend;

// The modal dialog in which the owner of a register account sees who has
// access to it and shares it with, or withdraws it from, members of the
// family group. Every text comes from the caller's Texts record, with a
// default for most. Server texts (names, e-mails) are shown as plain text.
class ShareMembersDialog : public QDialog
{
    Q_OBJECT

public:
    // An empty text means the default, where there is one.
    struct Texts
    {
        QString title;
        QString heading;          // none: no heading
        QString description;      // none: no description
        QString sharesTitle;      // "People with access"
        QString addTitle;         // "Add people"
        QString notShared;        // "Not shared with anyone yet."
        QString noGroup;          // a note that there is no family group yet
        QString allHaveAccess;    // "All group members already have access"
        QString shareButton;      // "Share"
        QString removeTooltip;    // "Remove access"
        QString closeButton;      // "Close"
        QString role;             // none: the sharing service's default
        QString shareFailedTitle; // not used by the dialog
        QString removeFailedTitle; // not used by the dialog
        QString removeConfirmTitle; // "Remove access?"
        QString removeConfirmText;  // "%1 will no longer have access. Continue?", %1 the person
    };

    // Neither the client nor the backend is owned. Starts loading at once.
    ShareMembersDialog(Client* client, SharingBackend* backend, const QString& accountId, const Texts& texts,
                       QWidget* parent = nullptr);
    ~ShareMembersDialog() override;

    // Two letters of a name, one of an e-mail, "?" without either.
    static QString initialsFor(const QString& displayName, const QString& email);

signals:
    // After every successful share or removal.
    void sharingChanged();

private:
    void reload();
    void loadGroupMembers();
    void loadShares();
    void populate();
    QWidget* createShareRow(const ShareMember& share);
    QWidget* createMemberRow(const GroupMember& member);
    // Avatar, label, the e-mail under it when not empty, and the action.
    QWidget* createRow(const QString& initials, const QString& label, const QString& email, QWidget* action);
    QLabel* createAvatar(const QString& text, const QColor& color, int size);
    void shareWithMember(const QString& userId, const QString& label);
    void removeShare(const QString& userId, const QString& label);
    void showError(const QString& text);

    Client* m_client;
    SharingBackend* m_backend;
    QString m_accountId;
    Texts m_texts;
    QLabel* m_errorLabel = nullptr;
    QWidget* m_sharesSection = nullptr;
    QLabel* m_sharesTitle = nullptr;
    QVBoxLayout* m_sharesList = nullptr;
    QWidget* m_addSection = nullptr;
    QLabel* m_addTitle = nullptr;
    QVBoxLayout* m_membersList = nullptr;
    QLabel* m_noGroupNote = nullptr;
    QLabel* m_allHaveAccessNote = nullptr;
    QList<GroupMember> m_groupMembers;
    QList<ShareMember> m_shares;
    QString m_currentUserId;
    bool m_busy = false;
    AccountWidgets::ContentDisposal m_disposal;
};

// The name the main window knows the record by.
using ShareDialogTexts = ShareMembersDialog::Texts;

} // namespace LarkAccount
