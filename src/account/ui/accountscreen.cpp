#include "account/ui/accountscreen.h"

#include "account/core/accountclient.h"
#include "account/core/authclient.h"
#include "account/core/client.h"
#include "account/ui/accountwidgets.h"
#include "ui/widgets/pageshortcuts.h"

#include "ui/style.h"

#include <QApplication>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace LarkAccount {

using namespace AccountWidgets;

namespace {

const int kErrorTimeout = 4000;
const int kSuccessTimeout = 3000;
const int kUserAgentLimit = 60;
const QString kSeparatorDot = QStringLiteral("  \u00B7  ");

QHBoxLayout* indentedRow(int top = 0, int bottom = 0)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(12, top, 0, bottom);
    return row;
}

QString tabListStyleSheet()
{
    const QPalette palette = QApplication::palette();
    const QColor window = palette.color(QPalette::Window);
    const bool dark = window.lightness() < 128;
    const QColor alternate = palette.color(QPalette::AlternateBase);
    const QColor background = alternate.isValid() ? alternate : (dark ? window.lighter(115) : window.lighter(97));
    const QColor hover = dark ? window.lighter(135) : window.darker(105);
    return QStringLiteral("QListWidget {  background: %1; border: none; padding: 12px 8px;}"
                          "QListWidget::item {  padding: 8px 12px; border-radius: 6px;}"
                          "QListWidget::item:hover { background: %2; }"
                          "QListWidget::item:selected { background: %3; color: %4; }")
        .arg(background.name(), hover.name(), palette.color(QPalette::Highlight).name(),
             palette.color(QPalette::HighlightedText).name());
}

// The client column of a session row: long user agents are cut, never
// inside a surrogate pair.
QString clientText(const QString& userAgent)
{
    if (userAgent.isEmpty())
        return QStringLiteral("Unknown client");
    if (userAgent.size() <= kUserAgentLimit)
        return userAgent;
    int cut = kUserAgentLimit;
    if (userAgent.at(cut - 1).isHighSurrogate())
        --cut;
    return userAgent.left(cut) + QStringLiteral("...");
}

} // namespace

AccountScreen::AccountScreen(Client* client, QWidget* parent)
    : QWidget(parent)
    , m_client(client)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_tabList = new QListWidget;
    m_tabList->setObjectName(QStringLiteral("tabList"));
    m_tabList->setFixedWidth(180);
    m_tabList->setFrameShape(QFrame::NoFrame);
    m_tabList->setFocusPolicy(Qt::NoFocus);
    addPageShortcuts(this, m_tabList);
    m_tabList->setSpacing(2);
    m_tabList->addItems({QStringLiteral("Profile"), QStringLiteral("Group"), QStringLiteral("Devices"),
                         QStringLiteral("Security"), QStringLiteral("Data & Privacy")});
    followTheme(m_tabList, [list = m_tabList] { list->setStyleSheet(tabListStyleSheet()); });

    m_pages = new QStackedWidget;
    m_pages->addWidget(createProfileTab());
    m_pages->addWidget(createGroupTab());
    m_pages->addWidget(createDevicesTab());
    m_pages->addWidget(createSecurityTab());
    m_pages->addWidget(createPrivacyTab());
    connect(m_tabList, &QListWidget::currentRowChanged, m_pages, &QStackedWidget::setCurrentIndex);
    m_tabList->setCurrentRow(0);

    m_statusLabel = new QLabel;
    m_statusLabel->setObjectName(QStringLiteral("statusLabel"));
    m_statusLabel->setTextFormat(Qt::PlainText);
    m_statusLabel->setFixedHeight(24);
    shrinkFont(m_statusLabel, 1);

    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    right->addWidget(m_pages, 1);
    right->addWidget(m_statusLabel);

    layout->addWidget(m_tabList, 0);
    layout->addLayout(right, 1);
    updateOwnerControls();
}

AccountScreen::~AccountScreen() = default;

void AccountScreen::showTab(Tab tab)
{
    if (m_tabList)
        m_tabList->setCurrentRow(tab);
    if (m_pages)
        m_pages->setCurrentIndex(tab);
}

void AccountScreen::refresh()
{
    // Replies to earlier requests (perhaps for a user signed out since) are
    // dropped from here on: this refresh asks again.
    ++m_generation;
    updateOwnerControls();
    QPointer<AccountScreen> self(this);
    m_client->authClient()->fetchCurrentUser([self, generation = m_generation](const User& user) {
        if (self && self->m_generation == generation)
            self->fillProfile(user);
    });
    refreshGroup();
    refreshDevices();
    refreshSessions();
}

void AccountScreen::refreshGroup()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getGroup([self, generation = m_generation](const Group& group) {
        if (self && self->m_generation == generation)
            self->populateGroup(group);
    });
}

void AccountScreen::refreshDevices()
{
    QPointer<AccountScreen> self(this);
    m_client->accountClient()->getDevices([self, generation = m_generation](const QList<Device>& devices) {
        if (self && self->m_generation == generation)
            self->populateDevices(devices);
    });
}

void AccountScreen::refreshSessions()
{
    QPointer<AccountScreen> self(this);
    m_client->authClient()->listSessions([self, generation = m_generation](const QList<Session>& sessions) {
        if (self && self->m_generation == generation)
            self->populateSessions(sessions);
    });
}

void AccountScreen::showError(const QString& text)
{
    m_statusLabel->setStyleSheet(QStringLiteral("color: #C62828; padding: 4px;"));
    m_statusLabel->setText(text);
    // Never cancelled: an earlier message's timer also clears a later one.
    QTimer::singleShot(kErrorTimeout, m_statusLabel, &QLabel::clear);
}

void AccountScreen::showSuccess(const QString& text)
{
    m_statusLabel->setStyleSheet(QStringLiteral("color: #2E7D32; padding: 4px;"));
    m_statusLabel->setText(text);
    QTimer::singleShot(kSuccessTimeout, m_statusLabel, &QLabel::clear);
}

QString AccountScreen::formatRelativeTime(const QDateTime& time)
{
    return formatRelativeTime(time, QDateTime::currentDateTimeUtc());
}

QString AccountScreen::formatRelativeTime(const QDateTime& time, const QDateTime& now)
{
    if (!time.isValid())
        return QStringLiteral("Unknown");
    const qint64 seconds = time.secsTo(now);
    if (seconds < 60)
        return QStringLiteral("Active now");
    if (seconds < 3600)
        return QStringLiteral("%1m ago").arg(seconds / 60);
    if (seconds < 86400)
        return QStringLiteral("%1h ago").arg(seconds / 3600);
    if (seconds < 604800)
        return QStringLiteral("%1d ago").arg(seconds / 86400);
    return time.toLocalTime().toString(QStringLiteral("MMM d, yyyy"));
}

bool AccountScreen::isOwner(const WrenClaims& claims)
{
    return claims.role == QLatin1String("owner");
}

QWidget* AccountScreen::createPage(const QString& title, QVBoxLayout** layout)
{
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(24, 24, 24, 24);
    pageLayout->setSpacing(8);
    auto* titleLabel = plainLabel(title);
    growFont(titleLabel, 4, QFont::DemiBold);
    pageLayout->addWidget(titleLabel);
    pageLayout->addSpacing(12);
    *layout = pageLayout;
    return page;
}

QWidget* AccountScreen::createSectionHeader(const QString& title, const QString& subtitle)
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* titleLabel = plainLabel(title);
    growFont(titleLabel, 1, QFont::Medium);
    layout->addWidget(titleLabel);
    if (!subtitle.isEmpty()) {
        auto* subtitleLabel = plainLabel(subtitle);
        subtitleLabel->setWordWrap(true);
        setSecondaryColor(subtitleLabel);
        shrinkFont(subtitleLabel, 2);
        layout->addWidget(subtitleLabel);
    }
    return header;
}

QFrame* AccountScreen::createSeparator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QWidget* AccountScreen::createProfileTab()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = createPage(QStringLiteral("Profile"), &layout);
    layout->addWidget(createSectionHeader(QStringLiteral("Personal Information"), QString()));

    auto* block = new QVBoxLayout;
    block->setContentsMargins(12, 0, 0, 0);
    block->setSpacing(6);
    m_nameLabel = plainLabel(QString());
    m_nameLabel->setObjectName(QStringLiteral("nameLabel"));
    m_emailLabel = plainLabel(QString());
    m_emailLabel->setObjectName(QStringLiteral("emailLabel"));
    setSecondaryColor(m_emailLabel);
    block->addWidget(m_nameLabel);
    block->addWidget(m_emailLabel);
    layout->addLayout(block);
    layout->addSpacing(8);

    auto* buttons = indentedRow();
    m_editNameButton = new QPushButton(QStringLiteral("Edit Display Name"));
    connect(m_editNameButton, &QPushButton::clicked, this, [this] { editDisplayName(); });
    auto* signOut = new QPushButton(QStringLiteral("Sign Out"));
    connect(signOut, &QPushButton::clicked, this, &AccountScreen::logoutRequested);
    buttons->addWidget(m_editNameButton);
    buttons->addStretch();
    buttons->addWidget(signOut);
    layout->addLayout(buttons);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(8);
    layout->addWidget(createSectionHeader(QStringLiteral("Password"), QStringLiteral("Change your account password.")));
    auto* passwordRow = indentedRow();
    auto* changePasswordButton = new QPushButton(QStringLiteral("Change Password"));
    connect(changePasswordButton, &QPushButton::clicked, this,
            [this, changePasswordButton] { changePassword(changePasswordButton); });
    passwordRow->addWidget(changePasswordButton);
    passwordRow->addStretch();
    layout->addLayout(passwordRow);
    layout->addStretch();
    return page;
}

QWidget* AccountScreen::createGroupTab()
{
    QWidget* page = createPage(QStringLiteral("Group"), &m_groupLayout);
    m_groupContent = new QWidget;
    m_groupLayout->addWidget(m_groupContent);
    m_groupLayout->addStretch();
    return page;
}

QWidget* AccountScreen::createDevicesTab()
{
    QWidget* page = createPage(QStringLiteral("Devices"), &m_devicesLayout);
    m_devicesContent = new QWidget;
    m_devicesLayout->addWidget(m_devicesContent);
    m_devicesLayout->addStretch();
    return page;
}

QWidget* AccountScreen::createSecurityTab()
{
    QWidget* page = createPage(QStringLiteral("Security"), &m_securityLayout);
    m_securityContent = new QWidget;
    m_securityLayout->addWidget(m_securityContent);
    m_securityLayout->addStretch();
    return page;
}

QWidget* AccountScreen::createPrivacyTab()
{
    QVBoxLayout* layout = nullptr;
    QWidget* page = createPage(QStringLiteral("Data & Privacy"), &layout);
    layout->addWidget(createSectionHeader(
        QStringLiteral("Danger Zone"),
        QStringLiteral("Permanently delete your account. This cannot be undone after 30 days.")));

    m_ownerNote = plainLabel(QStringLiteral("You are the group owner. Transfer ownership or remove all members "
                                            "before deleting your account."));
    m_ownerNote->setObjectName(QStringLiteral("ownerNote"));
    m_ownerNote->setWordWrap(true);
    setSecondaryColor(m_ownerNote);
    shrinkFont(m_ownerNote, 1);
    m_ownerNote->setContentsMargins(12, 0, 0, 0);
    layout->addWidget(m_ownerNote);

    m_deleteAccountButton = new QPushButton(QStringLiteral("Delete Account"));
    m_deleteAccountButton->setStyleSheet(
        QStringLiteral("QPushButton { color: white; background: #C62828; border: none;  border-radius: 4px; "
                       "padding: 6px 16px; font-weight: 600; }QPushButton:hover { background: #B71C1C; }"
                       "QPushButton:disabled { background: #666; }"));
    connect(m_deleteAccountButton, &QPushButton::clicked, this, [this] { confirmDeleteAccount(); });
    auto* row = indentedRow();
    row->addWidget(m_deleteAccountButton);
    row->addStretch();
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

void AccountScreen::updateOwnerControls()
{
    const bool owner = isOwner(m_client->claims());
    m_deleteAccountButton->setEnabled(!owner);
    m_ownerNote->setVisible(owner);
}

void AccountScreen::fillProfile(const User& user)
{
    m_displayName = user.displayName;
    m_nameLabel->setText(user.displayName.isEmpty() ? QStringLiteral("(not set)") : user.displayName);
    m_emailLabel->setText(user.email);
}

QVBoxLayout* AccountScreen::replaceContent(QVBoxLayout* pageLayout, QWidget** content, const QString& name,
                                           int spacing)
{
    QWidget* old = *content;
    const int index = pageLayout->indexOf(old);
    pageLayout->removeWidget(old);
    old->setObjectName(QString());
    m_disposal.discard(old);

    auto* fresh = new QWidget;
    fresh->setObjectName(name);
    auto* layout = new QVBoxLayout(fresh);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    pageLayout->insertWidget(index, fresh);
    *content = fresh;
    return layout;
}

void AccountScreen::populateGroup(Group group)
{
    // The role may have changed with the group (join, leave, removal).
    updateOwnerControls();
    QVBoxLayout* layout = replaceContent(m_groupLayout, &m_groupContent, QStringLiteral("groupContent"), 8);
    if (group.id.isEmpty()) {
        layout->addWidget(createSectionHeader(QStringLiteral("No Group"),
                                              QStringLiteral("You're not part of a group. The group owner can "
                                                             "invite you, or you can join with an invite code.")));
        auto* row = new QHBoxLayout;
        auto* join = new QPushButton(QStringLiteral("Join with Invite Code"));
        connect(join, &QPushButton::clicked, this, [this] { joinGroupWithCode(); });
        row->addWidget(join);
        row->addStretch();
        layout->addLayout(row);
        return;
    }

    layout->addWidget(createSectionHeader(
        group.name, QStringLiteral("%1 of %2 seats used").arg(group.members.size()).arg(group.maxSeats)));
    layout->addSpacing(4);
    auto* membersTitle = plainLabel(QStringLiteral("Members"));
    setFontWeight(membersTitle, QFont::Medium);
    layout->addWidget(membersTitle);

    const bool owner = isOwner(m_client->claims());
    for (const GroupMember& member : group.members) {
        const QString name = member.displayName.isEmpty() ? member.email : member.displayName;
        auto* row = new QWidget;
        row->setObjectName(QStringLiteral("memberRow"));
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(12, 6, 0, 6);
        auto* text = new QVBoxLayout;
        text->setSpacing(2);
        auto* nameLabel = plainLabel(name);
        setFontWeight(nameLabel, QFont::Medium);
        text->addWidget(nameLabel);
        if (!member.email.isEmpty() && member.email != name) {
            auto* email = plainLabel(member.email);
            setSecondaryColor(email);
            shrinkFont(email, 1);
            text->addWidget(email);
        }
        rowLayout->addLayout(text);
        rowLayout->addStretch();
        if (member.role == QLatin1String("owner")) {
            auto* badge = plainLabel(QStringLiteral("Owner"));
            shrinkFont(badge, 2);
            setFontWeight(badge, QFont::Medium);
            badge->setStyleSheet(QStringLiteral("color: #00897B;"));
            rowLayout->addWidget(badge);
        } else if (owner) {
            auto* remove = new QPushButton(QStringLiteral("Remove"));
            const QString accountId = member.accountId;
            connect(remove, &QPushButton::clicked, this,
                    [this, name, accountId] { confirmRemoveMember(name, accountId); });
            rowLayout->addWidget(remove);
        }
        layout->addWidget(row);
    }

    if (!owner) {
        layout->addSpacing(12);
        layout->addWidget(createSeparator());
        layout->addSpacing(4);
        auto* row = indentedRow();
        auto* leave = new QPushButton(QStringLiteral("Leave Group"));
        connect(leave, &QPushButton::clicked, this, [this] { confirmLeaveGroup(); });
        row->addWidget(leave);
        row->addStretch();
        layout->addLayout(row);
        return;
    }

    if (!group.pendingInvitations.isEmpty()) {
        layout->addSpacing(8);
        layout->addWidget(createSeparator());
        layout->addSpacing(4);
        auto* title = plainLabel(QStringLiteral("Pending Invitations"));
        setFontWeight(title, QFont::Medium);
        layout->addWidget(title);
        for (const GroupInvitation& invitation : group.pendingInvitations) {
            auto* row = new QWidget;
            row->setObjectName(QStringLiteral("invitationRow"));
            auto* rowLayout = new QHBoxLayout(row);
            rowLayout->setContentsMargins(12, 4, 0, 4);
            rowLayout->addWidget(plainLabel(invitation.invitedEmail.isEmpty()
                                                ? QStringLiteral("Invite code: %1").arg(invitation.inviteCode)
                                                : invitation.invitedEmail));
            rowLayout->addStretch();
            auto* revoke = new QPushButton(QStringLiteral("Revoke"));
            const QString invitationId = invitation.id;
            connect(revoke, &QPushButton::clicked, this,
                    [this, invitationId] { onRevokeInvitationClicked(invitationId); });
            rowLayout->addWidget(revoke);
            layout->addWidget(row);
        }
    }
    layout->addSpacing(12);
    layout->addWidget(createSeparator());
    layout->addSpacing(4);
    layout->addWidget(createSectionHeader(QStringLiteral("Invite Members"), QString()));
    auto* row = indentedRow();
    row->setSpacing(8);
    auto* byEmail = new QPushButton(QStringLiteral("Invite by Email"));
    connect(byEmail, &QPushButton::clicked, this, [this] { inviteByEmail(); });
    auto* code = new QPushButton(QStringLiteral("Generate Invite Code"));
    connect(code, &QPushButton::clicked, this, [this] { onGenerateInviteCodeClicked(); });
    row->addWidget(byEmail);
    row->addWidget(code);
    row->addStretch();
    layout->addLayout(row);
}

void AccountScreen::populateDevices(QList<Device> devices)
{
    QVBoxLayout* layout = replaceContent(m_devicesLayout, &m_devicesContent, QStringLiteral("devicesContent"), 4);
    layout->addWidget(createSectionHeader(QStringLiteral("Registered Devices"),
                                          QStringLiteral("Devices that have synced with your account.")));
    if (devices.isEmpty()) {
        auto* none = plainLabel(QStringLiteral("No devices registered."));
        setSecondaryColor(none);
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return;
    }
    for (const Device& device : devices) {
        auto* row = new QWidget;
        row->setObjectName(QStringLiteral("deviceRow"));
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(12, 6, 0, 6);
        auto* text = new QVBoxLayout;
        text->setSpacing(2);
        // Bold by the font, not by markup: the name is the server's text.
        auto* name = plainLabel(device.deviceName.isEmpty() ? QStringLiteral("Unknown Device") : device.deviceName);
        setFontWeight(name, QFont::Bold);
        text->addWidget(name);
        QString detail = device.platform;
        if (!device.appVersion.isEmpty())
            detail += kSeparatorDot + QStringLiteral("v%1").arg(device.appVersion);
        for (const QString& line : {detail, formatRelativeTime(device.lastSyncAt)}) {
            auto* label = plainLabel(line);
            setSecondaryColor(label);
            shrinkFont(label, 1);
            text->addWidget(label);
        }
        rowLayout->addLayout(text);
        rowLayout->addStretch();
        auto* remove = new QPushButton(QStringLiteral("Remove"));
        const QString deviceId = device.id;
        const QString deviceName = device.deviceName;
        connect(remove, &QPushButton::clicked, this,
                [this, deviceId, deviceName] { confirmRemoveDevice(deviceId, deviceName); });
        rowLayout->addWidget(remove);
        layout->addWidget(row);
        layout->addWidget(createSeparator());
    }
}

void AccountScreen::populateSessions(QList<Session> sessions)
{
    QVBoxLayout* layout = replaceContent(m_securityLayout, &m_securityContent, QStringLiteral("sessionsContent"), 8);
    layout->addWidget(createSectionHeader(QStringLiteral("Active Sessions"),
                                          QStringLiteral("Sessions currently signed in to your account.")));
    if (sessions.isEmpty()) {
        auto* none = plainLabel(QStringLiteral("No active sessions."));
        none->setContentsMargins(12, 0, 0, 0);
        layout->addWidget(none);
        return;
    }
    for (const Session& session : sessions) {
        auto* row = new QWidget;
        row->setObjectName(QStringLiteral("sessionRow"));
        auto* rowLayout = new QHBoxLayout(row);
        rowLayout->setContentsMargins(12, 6, 0, 6);
        auto* text = new QVBoxLayout;
        text->setSpacing(2);
        auto* client = plainLabel(clientText(session.userAgent));
        setFontWeight(client, QFont::Medium);
        text->addWidget(client);
        QString detail = session.isCurrent ? QStringLiteral("This session") : formatRelativeTime(session.lastActiveAt);
        if (!session.ipAddress.isEmpty())
            detail += kSeparatorDot + session.ipAddress;
        auto* detailLabel = plainLabel(detail);
        setSecondaryColor(detailLabel);
        shrinkFont(detailLabel, 1);
        text->addWidget(detailLabel);
        rowLayout->addLayout(text);
        rowLayout->addStretch();
        if (session.isCurrent) {
            auto* current = plainLabel(QStringLiteral("Current"));
            setFontWeight(current, QFont::Medium);
            current->setStyleSheet(QStringLiteral("color: #2E7D32;"));
            rowLayout->addWidget(current);
        } else {
            auto* revoke = new QPushButton(QStringLiteral("Revoke"));
            const QString sessionId = session.id;
            connect(revoke, &QPushButton::clicked, this, [this, sessionId] { onRevokeSessionClicked(sessionId); });
            rowLayout->addWidget(revoke);
        }
        layout->addWidget(row);
        layout->addWidget(createSeparator());
    }
}

} // namespace LarkAccount
