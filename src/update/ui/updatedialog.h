#pragma once

#include "update/core/feedback.h"
#include "update/core/manifest.h"
#include "update/core/progresshooks.h"
#include "update/core/version.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace LarkUpdate {

// Offers a newer release: its version, its release notes (when the
// manifest names them) and a Download button that opens the download page
// in the browser.
class UpdateDialog : public QDialog
{
    Q_OBJECT
public:
    UpdateDialog(const Artifact& artifact, const QString& currentVersion, const QString& appName,
                 QWidget* parent = nullptr);
    ~UpdateDialog() override;

private slots:
    void onDownloadClicked();
    void onNotesReady(const QString& markdown);

private:
    QUrl m_downloadUrl;
    QTextBrowser* m_notesView = nullptr;
};

// The Help menu's check: progress and outcome go through hooks, a newer
// release opens the update dialog over parent (when it still exists).
// Returns at once.
void checkForUpdatesInteractive(const Config& config, const QString& appName, QWidget* parent,
                                const ProgressHooks& hooks);

} // namespace LarkUpdate

// Opens the feedback board with the product's tag in the browser.
void openFeedbackBoard(const FeedbackConfig& config);
