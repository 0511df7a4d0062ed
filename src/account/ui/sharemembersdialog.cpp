#include "account/ui/sharemembersdialog.h"

#include "account/core/accountclient.h"
#include "account/core/client.h"
#include "account/core/sharingbackend.h"
#include "account/ui/accountwidgets.h"
#include "ui/dialogs/messageboxes.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QToolButton>
#include <QVBoxLayout>

namespace LarkAccount {

using namespace AccountWidgets;

namespace {

const int kAvatarSize = 36;

QString orDefault(const QString& text, const QString& fallback)
{
    return text.isEmpty() ? fallback : text;
}

// The first character in upper case, a surrogate pair kept whole.
QString firstLetter(const QString& text)
{
    const int length = text.size() > 1 && text.at(0).isHighSurrogate() ? 2 : 1;
    return text.left(length).toUpper();
}

QLabel* noteLabel(const QString& text)
{
    QLabel* label = plainLabel(text);
    label->setWordWrap(true);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

} // namespace

ShareMembersDialog::ShareMembersDialog(Client* client, SharingBackend* backend, const QString& accountId,
                                       const Texts& texts, QWidget* parent)
    : QDialog(parent)
    , m_client(client)
    , m_backend(backend)
    , m_accountId(accountId)
    , m_texts(texts)
{
    setMinimumSize(560, 560);
    resize(620, 620);
    setWindowTitle(m_texts.title);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    if (!m_texts.heading.isEmpty()) {
        QLabel* heading = plainLabel(m_texts.heading);
        heading->setWordWrap(true);
        QFont font = this->font();
        font.setPointSize(font.pointSize() + 2);
        font.setWeight(QFont::DemiBold);
        heading->setFont(font);
        layout->addWidget(heading);
    }
    if (!m_texts.description.isEmpty())
        layout->addWidget(noteLabel(m_texts.description));

    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setStyleSheet(QStringLiteral("color: rgba(128,128,128,0.25);"));
    layout->addWidget(line);

    m_errorLabel = plainLabel(QString());
    m_errorLabel->setObjectName(QStringLiteral("errorLabel"));
    m_errorLabel->setWordWrap(true);
    m_errorLabel->setStyleSheet(QStringLiteral("QLabel { color: #b00020; padding: 4px 0; }"));
    m_errorLabel->hide();
    layout->addWidget(m_errorLabel);

    auto* scroll = new QScrollArea;
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    auto* content = new QWidget;
    auto* contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->setSpacing(8);

    m_sharesSection = new QWidget;
    auto* sharesLayout = new QVBoxLayout(m_sharesSection);
    sharesLayout->setContentsMargins(0, 0, 0, 0);
    sharesLayout->setSpacing(4);
    m_sharesTitle = plainLabel(orDefault(m_texts.sharesTitle, tr("People with access")));
    setFontWeight(m_sharesTitle, QFont::DemiBold);
    sharesLayout->addWidget(m_sharesTitle);
    m_sharesList = new QVBoxLayout;
    m_sharesList->setContentsMargins(0, 0, 0, 0);
    m_sharesList->setSpacing(2);
    sharesLayout->addLayout(m_sharesList);
    contentLayout->addWidget(m_sharesSection);

    m_addSection = new QWidget;
    auto* addLayout = new QVBoxLayout(m_addSection);
    addLayout->setContentsMargins(0, 8, 0, 0);
    addLayout->setSpacing(4);
    m_addTitle = plainLabel(orDefault(m_texts.addTitle, tr("Add people")));
    m_addTitle->setFont(m_sharesTitle->font());
    addLayout->addWidget(m_addTitle);
    m_membersList = new QVBoxLayout;
    m_membersList->setContentsMargins(0, 0, 0, 0);
    m_membersList->setSpacing(2);
    addLayout->addLayout(m_membersList);
    m_noGroupNote = noteLabel(orDefault(
        m_texts.noGroup, tr("You don't have a family group yet. Create one or join one to share accounts.")));
    m_noGroupNote->setObjectName(QStringLiteral("noGroupNote"));
    m_allHaveAccessNote = noteLabel(orDefault(m_texts.allHaveAccess, tr("All group members already have access")));
    m_allHaveAccessNote->setObjectName(QStringLiteral("allHaveAccessNote"));
    for (QLabel* note : {m_noGroupNote, m_allHaveAccessNote}) {
        note->setContentsMargins(0, 8, 0, 0);
        note->hide();
        addLayout->addWidget(note);
    }
    contentLayout->addWidget(m_addSection);
    contentLayout->addStretch();
    scroll->setWidget(content);
    layout->addWidget(scroll, 1);

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    auto* close = new QPushButton(orDefault(m_texts.closeButton, tr("Close")));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    bottom->addWidget(close);
    layout->addLayout(bottom);

    reload();
}

ShareMembersDialog::~ShareMembersDialog() = default;

QString ShareMembersDialog::initialsFor(const QString& displayName, const QString& email)
{
    // A name of blanks is no name: it would give a blank avatar.
    const QString name = displayName.trimmed();
    if (name.isEmpty()) {
        const QString address = email.trimmed();
        return address.isEmpty() ? QStringLiteral("?") : firstLetter(address);
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    const QStringList pieces = name.split(blanks, Qt::SkipEmptyParts);
    if (pieces.size() < 2)
        return firstLetter(name);
    return firstLetter(pieces.first()) + firstLetter(pieces.last());
}

void ShareMembersDialog::reload()
{
    loadGroupMembers();
    loadShares();
}

void ShareMembersDialog::loadGroupMembers()
{
    // The dialog may be gone when a reply arrives: it is modal and short-lived.
    QPointer<ShareMembersDialog> self(this);
    m_client->accountClient()->getProfile([self](const Profile& profile) {
        if (!self)
            return;
        self->m_currentUserId = profile.id;
        self->m_client->accountClient()->getGroup([self](const Group& group) {
            if (!self)
                return;
            self->m_groupMembers = group.members;
            self->populate();
        });
    });
}

void ShareMembersDialog::loadShares()
{
    QPointer<ShareMembersDialog> self(this);
    m_backend->listMembers(m_accountId, [self](const QList<ShareMember>& shares) {
        if (!self)
            return;
        self->m_shares = shares;
        self->populate();
    });
}

void ShareMembersDialog::populate()
{
    for (QVBoxLayout* list : {m_sharesList, m_membersList}) {
        for (int i = list->count() - 1; i >= 0; --i) {
            QLayoutItem* item = list->takeAt(i);
            if (QWidget* widget = item->widget())
                m_disposal.discard(widget);
            delete item;
        }
    }

    QSet<QString> sharedIds;
    for (const ShareMember& share : std::as_const(m_shares)) {
        if (share.role == QLatin1String("owner"))
            continue;
        sharedIds.insert(share.userId);
        m_sharesList->addWidget(createShareRow(share));
    }
    if (m_sharesList->count() == 0) {
        QLabel* empty = noteLabel(orDefault(m_texts.notShared, tr("Not shared with anyone yet.")));
        empty->setObjectName(QStringLiteral("notSharedNote"));
        empty->setContentsMargins(0, 4, 0, 4);
        m_sharesList->addWidget(empty);
    }

    if (m_groupMembers.isEmpty()) {
        m_noGroupNote->show();
        m_allHaveAccessNote->hide();
        return;
    }
    QString ownSharingId;
    for (const GroupMember& member : std::as_const(m_groupMembers)) {
        if (member.accountId == m_currentUserId) {
            ownSharingId = m_backend->resolveUserLabel(member.accountId);
            break;
        }
    }
    int added = 0;
    for (const GroupMember& member : std::as_const(m_groupMembers)) {
        const QString sharingId = m_backend->resolveUserLabel(member.accountId);
        if (sharingId == ownSharingId || sharedIds.contains(sharingId))
            continue;
        m_membersList->addWidget(createMemberRow(member));
        ++added;
    }
    m_noGroupNote->hide();
    m_allHaveAccessNote->setVisible(added == 0);
}

QLabel* ShareMembersDialog::createAvatar(const QString& text, const QColor& color, int size)
{
    QLabel* avatar = plainLabel(text);
    avatar->setAlignment(Qt::AlignCenter);
    avatar->setFixedSize(size, size);
    avatar->setStyleSheet(
        QStringLiteral("QLabel { background: %1; color: white; border-radius: %2px; font-weight: 600; }")
            .arg(color.name())
            .arg(size / 2));
    QFont font = avatar->font();
    font.setPointSize(qMax(size / 3, 8));
    avatar->setFont(font);
    return avatar;
}

QWidget* ShareMembersDialog::createRow(const QString& initials, const QString& label, const QString& email,
                                       QWidget* action)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 4, 0, 4);
    layout->setSpacing(10);
    layout->addWidget(createAvatar(initials, palette().color(QPalette::Highlight), kAvatarSize));
    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    QLabel* name = plainLabel(label);
    setFontWeight(name, QFont::Medium);
    text->addWidget(name);
    if (!email.isEmpty()) {
        QLabel* secondary = plainLabel(email);
        secondary->setForegroundRole(QPalette::PlaceholderText);
        text->addWidget(secondary);
    }
    layout->addLayout(text, 1);
    layout->addWidget(action);
    return row;
}

QWidget* ShareMembersDialog::createShareRow(const ShareMember& share)
{
    QString displayName = share.displayName;
    QString email = share.email;
    if (displayName.isEmpty() || email.isEmpty()) {
        for (const GroupMember& member : std::as_const(m_groupMembers)) {
            if (m_backend->resolveUserLabel(member.accountId) != share.userId)
                continue;
            if (displayName.isEmpty())
                displayName = member.displayName;
            if (email.isEmpty())
                email = member.email;
            break;
        }
    }
    const QString label = !displayName.isEmpty() ? displayName : !email.isEmpty() ? email : share.userId;

    auto* remove = new QToolButton;
    remove->setText(QStringLiteral("\u00D7"));
    remove->setAutoRaise(true);
    remove->setFixedSize(28, 28);
    remove->setCursor(Qt::PointingHandCursor);
    QFont font = remove->font();
    font.setPointSize(font.pointSize() + 4);
    remove->setFont(font);
    remove->setToolTip(orDefault(m_texts.removeTooltip, tr("Remove access")));
    const QString userId = share.id;
    connect(remove, &QToolButton::clicked, this, [this, userId, label] { removeShare(userId, label); });

    QWidget* row = createRow(initialsFor(displayName, email), label, email != label ? email : QString(), remove);
    row->setObjectName(QStringLiteral("shareRow"));
    return row;
}

QWidget* ShareMembersDialog::createMemberRow(const GroupMember& member)
{
    const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
    const bool showEmail = !member.displayName.isEmpty() && !member.email.isEmpty() && member.email != name;

    auto* share = new QPushButton(orDefault(m_texts.shareButton, tr("Share")));
    share->setCursor(Qt::PointingHandCursor);
    const QString sharingId = m_backend->resolveUserLabel(member.accountId);
    connect(share, &QPushButton::clicked, this, [this, sharingId, name] { shareWithMember(sharingId, name); });

    QWidget* row = createRow(initialsFor(member.displayName, member.email), name,
                             showEmail ? member.email : QString(), share);
    row->setObjectName(QStringLiteral("memberRow"));
    return row;
}

void ShareMembersDialog::showError(const QString& text)
{
    m_errorLabel->setText(text);
    m_errorLabel->show();
}

void ShareMembersDialog::shareWithMember(const QString& userId, const QString& label)
{
    if (m_busy)
        return;
    m_busy = true;
    m_errorLabel->hide();
    QPointer<ShareMembersDialog> self(this);
    m_backend->shareWith(m_accountId, userId, m_texts.role, [self, label](bool ok, const QString& error) {
        if (!self)
            return;
        self->m_busy = false;
        if (!ok) {
            self->showError(error.isEmpty() ? tr("Could not share with %1.").arg(label) : error);
            return;
        }
        emit self->sharingChanged();
        if (self)
            self->reload();
    });
}

void ShareMembersDialog::removeShare(const QString& userId, const QString& label)
{
    if (m_busy)
        return;
    const ContentDisposal::ActionScope running(m_disposal);
    const QString text = orDefault(m_texts.removeConfirmText, tr("%1 will no longer have access. Continue?"));
    if (MessageBoxes::question(this, orDefault(m_texts.removeConfirmTitle, tr("Remove access?")), text.arg(label),
                               QMessageBox::No)
        != QMessageBox::Yes)
        return;
    // A share may have started while the question was open.
    if (m_busy)
        return;
    m_busy = true;
    m_errorLabel->hide();
    QPointer<ShareMembersDialog> self(this);
    m_backend->removeShare(m_accountId, userId, [self, label](bool ok) {
        if (!self)
            return;
        self->m_busy = false;
        if (!ok) {
            self->showError(tr("Could not remove %1.").arg(label));
            return;
        }
        emit self->sharingChanged();
        if (self)
            self->reload();
    });
}

} // namespace LarkAccount
