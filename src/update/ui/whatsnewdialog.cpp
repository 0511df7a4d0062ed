#include "update/ui/whatsnewdialog.h"

#include "update/core/releasenotes.h"
#include "update/core/updateclient.h"
#include "update/ui/notesbrowser.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace LarkUpdate {

namespace {

// A self-deleting What's New dialog over window, unless it has gone.
void showDialog(const QPointer<QWidget>& window, const QString& markdown, const QString& version,
                const QString& currentVersion, const QString& appName, const QUrl& downloadUrl = QUrl())
{
    if (!window)
        return;
    auto* dialog = new WhatsNewDialog(markdown, version, currentVersion, appName, window, downloadUrl);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

void reportNoNotes(const ProgressHooks& hooks, const QString& appName, const Config& config)
{
    hooks.hide();
    hooks.message(QObject::tr("No release notes available for %1 %2").arg(appName, config.currentVersion), 5000);
}

} // namespace

WhatsNewDialog::WhatsNewDialog(const QString& markdown, const QString& version, const QString& currentVersion,
                               const QString& appName, QWidget* parent, const QUrl& downloadUrl)
    : QDialog(parent)
    , m_notesView(makeNotesBrowser(this))
    , m_downloadUrl(downloadUrl)
{
    setWindowTitle(tr("What's New in %1 %2").arg(appName, version));
    setModal(false);
    resize(520, 420);
    auto* layout = new QVBoxLayout(this);

    auto* heading = new QLabel(tr("What's new in %1 %2").arg(appName, version), this);
    QFont font = heading->font();
    font.setWeight(QFont::Bold);
    font.setPointSizeF(font.pointSizeF() + 2);
    heading->setFont(font);
    layout->addWidget(heading);
    m_notesView->setMarkdown(markdown);
    layout->addWidget(m_notesView);

    auto* bottom = new QHBoxLayout;
    auto* running = new QLabel(tr("You are running version %1").arg(currentVersion), this);
    running->setStyleSheet(QStringLiteral("color: gray; font-size: 11px;"));
    bottom->addWidget(running);
    bottom->addStretch();
    auto* buttons = new QDialogButtonBox(this);
    if (!m_downloadUrl.isEmpty() && acceptWebUrl(m_downloadUrl, "download URL")) {
        QPushButton* download = buttons->addButton(tr("Download %1").arg(version), QDialogButtonBox::AcceptRole);
        connect(download, &QPushButton::clicked, this, [this] {
            openInBrowser(m_downloadUrl, "download URL");
            accept();
        });
    }
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    layout->addLayout(bottom);
}

WhatsNewDialog::~WhatsNewDialog() = default;

void showWhatsNewIfUpdated(const Config& config, const QString& appName, QWidget* parent)
{
    auto* fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    const QPointer<QWidget> window(parent);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        showDialog(window, markdown, config.currentVersion, config.currentVersion, appName);
        fetcher->deleteLater();
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, &QObject::deleteLater);
    fetcher->fetch();
}

void showWhatsNew(const Config& config, const QString& appName, QWidget* parent, const ProgressHooks& hooks)
{
    hooks.progress(QObject::tr("Loading release notes…"));
    auto* fetcher = new ReleaseNotesFetcher(config, QCoreApplication::instance());
    const QPointer<QWidget> window(parent);
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
        hooks.hide();
        showDialog(window, markdown, config.currentVersion, config.currentVersion, appName);
        fetcher->deleteLater();
    });
    QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
        fetcher->deleteLater();
        showWhatsNewAfterCheck(config, appName, window, hooks);
    });
    fetcher->fetch();
}

void showWhatsNewAfterCheck(const Config& config, const QString& appName, QWidget* parent,
                            const ProgressHooks& hooks)
{
    auto* client = new Client(config, QCoreApplication::instance());
    const QPointer<QWidget> window(parent);
    QObject::connect(client, &Client::updateAvailable, client, [=](const Artifact& artifact) {
        const QUrl notesUrl = artifact.release_notes_url;
        if (notesUrl.isEmpty() || !acceptWebUrl(notesUrl, "release notes address")) {
            reportNoNotes(hooks, appName, config);
            client->deleteLater();
            return;
        }
        auto* fetcher = new ReleaseNotesFetcher(notesUrl, config.app, QCoreApplication::instance());
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesReady, fetcher, [=](const QString& markdown) {
            hooks.hide();
            showDialog(window, markdown, artifact.version, config.currentVersion, appName, artifact.url);
            fetcher->deleteLater();
            client->deleteLater();
        });
        QObject::connect(fetcher, &ReleaseNotesFetcher::notesUnavailable, fetcher, [=] {
            reportNoNotes(hooks, appName, config);
            fetcher->deleteLater();
            client->deleteLater();
        });
        fetcher->fetch();
    });
    const auto noNotes = [=] {
        reportNoNotes(hooks, appName, config);
        client->deleteLater();
    };
    QObject::connect(client, &Client::upToDate, client, noNotes);
    QObject::connect(client, &Client::checkFailed, client, noNotes);
    client->check();
}

} // namespace LarkUpdate
