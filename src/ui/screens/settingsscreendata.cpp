// The Data & Sync page: sign-in and sync status, Sync Now and Force Full
// Sync, backup export and import, and the restore of deleted accounts.
#include "ui/screens/settingsscreen.h"

#include "account/core/authclient.h"
#include "account/core/client.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/datetext.h"
#include "data/preferencesrepository.h"
#include "services/backupservice.h"
#include "services/datarecovery.h"
#include "sync/syncengine.h"
#include "ui/appearance.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/style.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>

namespace {

QString stateColor(SyncEngine::SyncState state)
{
    const bool dark = isDarkPalette();
    switch (state) {
    case SyncEngine::Idle:
        return positiveColor().name().toUpper();
    case SyncEngine::Syncing:
        return accentColorRef().name();
    case SyncEngine::Error:
        return negativeColor().name().toUpper();
    default:
        return dark ? QStringLiteral("#FFA726") : QStringLiteral("#E65100");
    }
}

// The archive's errors in a message box: the first few, and how many more.
QString errorList(const QStringList& errors)
{
    constexpr int kShown = 10;
    QString text = errors.mid(0, kShown).join(QLatin1Char('\n'));
    if (errors.size() > kShown)
        text += QLatin1Char('\n') + SettingsScreen::tr("…and %n more.", nullptr, int(errors.size() - kShown));
    return text;
}

// A backup export or restore runs on this thread: its dialog appears once
// the work lasts, repaints at every step the service reports, and keeps
// every window from input meanwhile, so nothing changes the data under it.
std::unique_ptr<QProgressDialog> backupProgress(QWidget* parent, const QString& label)
{
    constexpr int kShowAfterMs = 300;
    auto dialog = std::make_unique<QProgressDialog>(label, QString(), 0, 100, parent);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setCancelButton(nullptr);
    dialog->setMinimumDuration(kShowAfterMs);
    dialog->setValue(0);
    return dialog;
}

} // namespace

QWidget* SettingsScreen::createDataSyncPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    auto* title = new QLabel(tr("Data & Sync"));
    setFontRole(title, FontRole::Title);
    layout->addWidget(title);
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Sync"), tr("Keep your tallyleaf in sync across all your devices.")));

    auto* syncGroup = new QVBoxLayout;
    syncGroup->setContentsMargins(12, 0, 0, 0);
    syncGroup->setSpacing(8);
    m_accountStatusLabel = new QLabel;
    m_accountStatusLabel->setObjectName(QStringLiteral("accountStatusLabel"));
    m_accountStatusLabel->setWordWrap(true);
    syncGroup->addWidget(m_accountStatusLabel);
    m_syncStatusLabel = new QLabel;
    m_syncStatusLabel->setObjectName(QStringLiteral("syncStatusLabel"));
    // The last error is the server's text: never markup.
    m_syncStatusLabel->setTextFormat(Qt::PlainText);
    m_syncStatusLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kSecondaryText)));
    setFontRole(m_syncStatusLabel, FontRole::Caption);
    syncGroup->addWidget(m_syncStatusLabel);
    m_syncButtonRow = new QWidget;
    auto* buttonRow = new QHBoxLayout(m_syncButtonRow);
    buttonRow->setContentsMargins(0, 8, 0, 0);
    buttonRow->setSpacing(8);
    m_syncNowButton = new QPushButton(tr("Sync Now"));
    setAccentButton(m_syncNowButton);
    m_forceFullSyncButton = new QPushButton(tr("Force Full Sync"));
    buttonRow->addWidget(m_syncNowButton);
    buttonRow->addWidget(m_forceFullSyncButton);
    buttonRow->addStretch();
    syncGroup->addWidget(m_syncButtonRow);
    layout->addLayout(syncGroup);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addWidget(
        createSectionHeader(tr("Backup & Restore"), tr("Save or restore your data to a portable backup file.")));
    auto* backupRow = new QHBoxLayout;
    backupRow->setContentsMargins(12, 0, 0, 0);
    backupRow->setSpacing(8);
    auto* exportButton = new QPushButton(tr("Export Backup"));
    auto* importButton = new QPushButton(tr("Import Backup"));
    backupRow->addWidget(exportButton);
    backupRow->addWidget(importButton);
    backupRow->addStretch();
    layout->addLayout(backupRow);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);

    m_deletedAccountsGroup = new QWidget;
    auto* deleted = new QVBoxLayout(m_deletedAccountsGroup);
    deleted->setContentsMargins(0, 0, 0, 0);
    deleted->setSpacing(8);
    deleted->addWidget(
        createSectionHeader(tr("Deleted Accounts"), tr("Accounts you've deleted can be restored here.")));
    m_deletedAccountsList = new QListWidget;
    m_deletedAccountsList->setMaximumHeight(120);
    m_deletedAccountsList->setFrameShape(QFrame::StyledPanel);
    deleted->addWidget(m_deletedAccountsList);
    auto* restoreRow = new QHBoxLayout;
    restoreRow->addStretch();
    m_restoreButton = new QPushButton(tr("Restore Selected"));
    setAccentButton(m_restoreButton);
    m_restoreButton->setEnabled(false);
    restoreRow->addWidget(m_restoreButton);
    deleted->addLayout(restoreRow);
    layout->addWidget(m_deletedAccountsGroup);
    layout->addStretch();

    connect(m_syncNowButton, &QPushButton::clicked, this, &SettingsScreen::syncNow);
    connect(m_forceFullSyncButton, &QPushButton::clicked, this, &SettingsScreen::forceFullSync);
    connect(exportButton, &QPushButton::clicked, this, [this, exportButton] { exportBackup(exportButton); });
    connect(importButton, &QPushButton::clicked, this, [this, importButton] { importBackup(importButton); });
    connect(m_deletedAccountsList, &QListWidget::currentRowChanged, this,
            [this](int row) { m_restoreButton->setEnabled(row >= 0); });
    connect(m_restoreButton, &QPushButton::clicked, this, &SettingsScreen::restoreSelectedAccount);
    if (SyncEngine* engine = m_appState->syncEngine()) {
        connect(engine, &SyncEngine::stateChanged, this, &SettingsScreen::onSyncStateChanged);
        m_forceFullSyncButton->setEnabled(engine->state() != SyncEngine::Syncing);
    }
    return page;
}

void SettingsScreen::refresh()
{
    refreshDeletedAccounts();

    LarkAccount::AuthClient* auth =
        m_appState->accountClient() ? m_appState->accountClient()->authClient() : nullptr;
    SyncEngine* engine = m_appState->syncEngine();
    if (!auth || !engine || auth->state() != LarkAccount::AuthState::Authenticated) {
        m_accountStatusLabel->setTextFormat(Qt::PlainText);
        m_accountStatusLabel->setText(tr("Not signed in.\nSign in via File › Larkspur Account to enable sync."));
        m_syncStatusLabel->hide();
        m_syncButtonRow->hide();
        return;
    }

    const LarkAccount::User user = auth->cachedUser();
    const bool named = !user.displayName.isEmpty() || !user.email.isEmpty();
    const QString name = !user.displayName.isEmpty() ? user.displayName
                         : !user.email.isEmpty()     ? user.email
                                                     : auth->userId();
    const SyncEngine::SyncState state = engine->state();
    m_accountStatusLabel->setTextFormat(Qt::RichText);
    m_accountStatusLabel->setText(
        tr("<b>Signed in as:</b> %1<br><b>Status:</b> <span style=\"color:%2\">%3</span>")
            .arg(name.toHtmlEscaped(), stateColor(state), SyncEngine::stateLabel(state).toHtmlEscaped()));

    const QString lastSync = m_appState->syncEngine()->lastSyncTimestamp();
    QString status = tr("Never synced");
    if (!lastSync.isEmpty()) {
        const QDateTime time = QDateTime::fromString(lastSync, Qt::ISODate);
        status = tr("Last synced: %1")
                     .arg(time.isValid() ? namedMonthText(time.toLocalTime(), QStringLiteral("MMM d, h:mm ap")) : lastSync);
    }
    if (state == SyncEngine::Error && !engine->lastError().isEmpty())
        status += tr("\nError: %1").arg(engine->lastError());
    m_syncStatusLabel->setText(status);
    m_syncStatusLabel->show();
    m_syncButtonRow->show();

    if (!named) {
        // One fetch: only an answer with a name draws the block again, so a
        // failed or nameless answer ends here.
        QPointer<SettingsScreen> self(this);
        auth->fetchCurrentUser([self](const LarkAccount::User& fetched) {
            if (self && (!fetched.displayName.isEmpty() || !fetched.email.isEmpty()))
                self->refresh();
        });
    }
}

void SettingsScreen::refreshDeletedAccounts()
{
    m_deletedAccountsList->clear();
    m_restoreButton->setEnabled(false);
    const QList<Account> accounts = m_appState->accountRepository()->findDeleted();
    m_deletedAccountsGroup->setVisible(!accounts.isEmpty());
    for (const Account& account : accounts) {
        auto* item = new QListWidgetItem(account.name, m_deletedAccountsList);
        item->setData(Qt::UserRole, account.id);
    }
    m_deletedAccountsList->setCurrentRow(-1);
}

// ---- Sync ----

void SettingsScreen::setAwaitingSync(bool awaiting)
{
    m_awaitingSync = awaiting;
    m_syncNowButton->setEnabled(!awaiting);
    m_syncNowButton->setText(awaiting ? tr("Syncing...") : tr("Sync Now"));
    const SyncEngine* engine = m_appState->syncEngine();
    m_forceFullSyncButton->setEnabled(!awaiting && engine && engine->state() != SyncEngine::Syncing);
}

void SettingsScreen::onSyncStateChanged()
{
    const bool syncing = m_appState->syncEngine()->state() == SyncEngine::Syncing;
    if (syncing) {
        m_forceFullSyncButton->setEnabled(false);
        return;
    }
    if (m_fullSyncQueued) {
        m_fullSyncQueued = false;
        // Not from inside the engine's own state change.
        QTimer::singleShot(0, this, &SettingsScreen::startFullSync);
        return;
    }
    if (m_awaitingSync) {
        setAwaitingSync(false);
        refresh();
        return;
    }
    m_forceFullSyncButton->setEnabled(true);
}

void SettingsScreen::syncNow()
{
    if (m_appState->syncEngine())
        runCycle();
}

void SettingsScreen::runCycle()
{
    SyncEngine* engine = m_appState->syncEngine();
    setAwaitingSync(true);
    engine->syncNow();
    // Signed out, or an import holds the database: no cycle starts, so no
    // state change would give the button back.
    if (m_awaitingSync && engine->state() != SyncEngine::Syncing) {
        setAwaitingSync(false);
        refresh();
    }
}

void SettingsScreen::forceFullSync()
{
    SyncEngine* engine = m_appState->syncEngine();
    if (!engine || engine->state() == SyncEngine::Syncing || m_fullSyncQueued)
        return;
    if (MessageBoxes::question(this, tr("Force Full Sync"),
                               tr("This will re-upload every local row to the server and re-download all server "
                                  "data. Use this if data appears out of sync between devices.\n\nContinue?"))
        != QMessageBox::Yes)
        return;
    setAwaitingSync(true);
    startFullSync();
}

void SettingsScreen::startFullSync()
{
    if (m_appState->syncEngine()->state() == SyncEngine::Syncing) {
        // A cycle began while the question was open: wait for its end.
        m_fullSyncQueued = true;
        return;
    }
    DataRecovery::markAllForResync(m_appState->syncedRepositories());
    m_appState->syncEngine()->forgetSyncPosition();
    runCycle();
}

// ---- Backup ----

void SettingsScreen::exportBackup(QPushButton* button)
{
    const QString proposed =
        QStringLiteral("tallyleaf-backup-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate));
    const QString path = MessageBoxes::chooseFile(
        {MessageBoxes::FileRequest::Kind::Save, this, tr("Export Backup"), proposed, tr("ZIP Files (*.zip)")});
    if (path.isEmpty())
        return;
    button->setEnabled(false);
    button->setText(tr("Exporting..."));

    QString error;
    QByteArray bytes;
    {
        const std::unique_ptr<QProgressDialog> progress = backupProgress(this, tr("Exporting backup..."));
        bytes = m_appState->backupService()->exportBackup(&error, [&progress](int percent) {
            progress->setValue(percent);
        });
    }
    if (bytes.isEmpty()) {
        // Never a 0-byte "backup": the archive could not be made.
        QString text = tr("The backup could not be created.");
        if (!error.isEmpty())
            text += QStringLiteral("\n\n") + error;
        MessageBoxes::warning(this, tr("Backup Failed"), text);
    } else {
        // Written aside and renamed over the target on commit, so a failed
        // write leaves any earlier file at that path whole.
        QSaveFile file(path);
        if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit())
            MessageBoxes::information(this, tr("Backup Complete"), tr("Backup saved to:\n%1").arg(path));
        else
            MessageBoxes::warning(this, tr("Backup Failed"), tr("Could not write to:\n%1").arg(path));
    }

    button->setEnabled(true);
    button->setText(tr("Export Backup"));
}

void SettingsScreen::importBackup(QPushButton* button)
{
    const QString path = MessageBoxes::chooseFile(
        {MessageBoxes::FileRequest::Kind::Open, this, tr("Import Backup"), QString(), tr("ZIP Files (*.zip)")});
    if (path.isEmpty())
        return;
    const QString keepNewer = tr("Keep newer (compare timestamps)");
    const QString skipExisting = tr("Skip existing items");
    const std::optional<QString> choice =
        MessageBoxes::chooseItem(this, tr("Import Mode"), tr("How should existing data be handled?"),
                                 {tr("Replace all with backup data"), keepNewer, skipExisting}, 0);
    if (!choice)
        return;
    const BackupImportMode mode = *choice == keepNewer      ? BackupImportMode::KeepNewer
                                  : *choice == skipExisting ? BackupImportMode::SkipExisting
                                                            : BackupImportMode::ReplaceAll;
    // Replacing is first in the list and undoes every change made since the
    // backup: one OK must not do it.
    if (mode == BackupImportMode::ReplaceAll
        && MessageBoxes::question(this, tr("Replace All Data"),
                                  tr("Every account, category, transaction, schedule and reconciliation that is also "
                                     "in the backup is overwritten with the backup's version: changes made since the "
                                     "backup was made are lost. This cannot be undone.\n\nReplace with the backup "
                                     "data?"),
                                  QMessageBox::No)
            != QMessageBox::Yes)
        return;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        MessageBoxes::warning(this, tr("Import Failed"), tr("Could not read file."));
        return;
    }
    button->setEnabled(false);
    button->setText(tr("Importing..."));
    const QByteArray bytes = file.readAll();
    file.close();

    BackupImportResult result;
    {
        const std::unique_ptr<QProgressDialog> progress = backupProgress(this, tr("Importing backup..."));
        result = m_appState->backupService()->importBackup(bytes, mode, [&progress](int percent) {
            progress->setValue(percent);
        });
    }
    const int imported = result.imported();
    const int skipped = result.skipped();
    if (result.failed()) {
        // Nothing was restored: not a "complete" import.
        MessageBoxes::warning(this, tr("Import Failed"),
                              tr("The backup could not be imported:\n\n%1").arg(errorList(result.errors)));
    } else {
        QString message = tr("Imported %1 items, skipped %2.").arg(imported).arg(skipped);
        if (!result.errors.isEmpty())
            message += tr("\n\n%n error(s) occurred.", nullptr, int(result.errors.size()));
        MessageBoxes::information(this, tr("Import Complete"), message);
    }

    button->setEnabled(true);
    button->setText(tr("Import Backup"));
    if (imported > 0) {
        // The restore wrote past the repositories: every view reloads.
        DataRecovery::announceBulkChange(m_appState->syncedRepositories());
        refreshDeletedAccounts();
    }
    emit deletedAccountRestored();
}

// ---- Deleted accounts ----

void SettingsScreen::restoreSelectedAccount()
{
    const QListWidgetItem* item = m_deletedAccountsList->currentItem();
    if (!item)
        return;
    const QString id = item->data(Qt::UserRole).toString();
    const QString name = item->text(); // the list may be rebuilt meanwhile
    if (id.isEmpty())
        return;
    if (!DataRecovery::restoreDeletedAccount(m_appState->syncedRepositories(), id))
        MessageBoxes::warning(this, tr("Restore Failed"), tr("The account \"%1\" could not be restored.").arg(name));
    refreshDeletedAccounts();
    emit deletedAccountRestored();
}
