#pragma once

#include "update/core/progresshooks.h"
#include "update/core/version.h"

#include <QDialog>
#include <QUrl>

class QTextBrowser;

namespace LarkUpdate {

// Shows one release's notes; with a download address it also offers that
// release for download.
class WhatsNewDialog : public QDialog
{
    Q_OBJECT
public:
    WhatsNewDialog(const QString& markdown, const QString& version, const QString& currentVersion,
                   const QString& appName, QWidget* parent = nullptr, const QUrl& downloadUrl = QUrl());
    ~WhatsNewDialog() override;

private:
    QTextBrowser* m_notesView;
    QUrl m_downloadUrl;
};

// Start-up: the notes of the running version, shown over parent when they
// arrive; nothing is shown or reported when there are none.
void showWhatsNewIfUpdated(const Config& config, const QString& appName, QWidget* parent);

// Help menu: the notes of the running version; without them, the notes of
// a newer release with its download, else a message through the hooks.
void showWhatsNew(const Config& config, const QString& appName, QWidget* parent, const ProgressHooks& hooks);

// showWhatsNew's continuation when the running version has no notes: an
// update check, then the offered release's notes. The progress indicator
// is still showing when it is called.
void showWhatsNewAfterCheck(const Config& config, const QString& appName, QWidget* parent,
                            const ProgressHooks& hooks);

} // namespace LarkUpdate
