#include "update/ui/updatedialog.h"

#include "update/core/releasenotes.h"
#include "update/core/updateclient.h"
#include "update/ui/notesbrowser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace LarkUpdate {

UpdateDialog::UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& appName,
                           QWidget* parent)
    : QDialog(parent)
    , m_downloadUrl(artifact.url)
{
    setWindowTitle(tr("Update available"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(tr("A new version of %1 is available.").arg(appName), this);
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 1);
    heading->setFont(font);
    layout->addWidget(heading);
    layout->addWidget(new QLabel(
        tr("You have version %1. The latest version is %2.").arg(currentVersion, artifact.version), this));

    const QUrl notesUrl = artifact.release_notes_url;
    if (!notesUrl.isEmpty() && acceptWebUrl(notesUrl, "release notes address")) {
        m_notesView = makeNotesBrowser(this);
        m_notesView->setPlaceholderText(tr("Loading release notes…"));
        m_notesView->setMinimumHeight(150);
        layout->addWidget(m_notesView);
        // A child of the dialog: a reply after the dialog closed is dropped.
        auto* fetcher = new ReleaseNotesFetcher(notesUrl, QStringLiteral("update-dialog"), this);
        connect(fetcher, &ReleaseNotesFetcher::notesReady, this, &UpdateDialog::onNotesReady);
        connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, this, [this] {
            m_notesView->setMarkdown(tr("*Release notes are not available for this version.*"));
        });
        fetcher->fetch();
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* download = buttons->addButton(tr("Download"), QDialogButtonBox::AcceptRole);
    download->setDefault(true);
    if (!artifact.mandatory)
        buttons->addButton(tr("Later"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &UpdateDialog::onDownloadClicked);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);

    if (m_notesView)
        resize(520, 420);
}

UpdateDialog::~UpdateDialog() = default;

void UpdateDialog::onDownloadClicked()
{
    openInBrowser(m_downloadUrl, "download URL");
    accept();
}

void UpdateDialog::onNotesReady(const QString& markdown)
{
    if (m_notesView)
        m_notesView->setMarkdown(markdown);
}

void checkForUpdatesInteractive(const Config& config, const QString& appName, QWidget* parent,
                                const ProgressHooks& hooks)
{
    auto* client = new Client(config, QCoreApplication::instance());
    const QPointer<QWidget> window(parent);
    hooks.progress(QObject::tr("Checking for updates…"));

    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        hooks.hide();
        if (window) {
            auto* dialog = new UpdateDialog(artifact, config.currentVersion, appName, window);
            dialog->setAttribute(Qt::WA_DeleteOnClose);
            dialog->show();
        }
        client->deleteLater();
    });
    QObject::connect(client, &Client::upToDate, client, [=] {
        hooks.hide();
        hooks.message(QObject::tr("%1 is up to date (version %2)").arg(appName, config.currentVersion), 5000);
        client->deleteLater();
    });
    QObject::connect(client, &Client::checkFailed, client, [=](const QString& reason) {
        hooks.hide();
        hooks.message(QObject::tr("Update check failed: %1").arg(reasonText(reason)), 5000);
        client->deleteLater();
    });
    client->check();
}

} // namespace LarkUpdate

void openFeedbackBoard(const FeedbackConfig& config)
{
    LarkUpdate::openInBrowser(feedbackBoardUrl(config), "feedback board address");
}
