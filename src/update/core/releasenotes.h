#pragma once

#include "update/core/updateclient.h"

#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

namespace LarkUpdate {

// The notes of config.currentVersion: the manifest base address with its
// last path segment (the channel) replaced by the version, then
// "/release-notes.md".
QUrl notesUrlFor(const Config& config);

// The notes address in the system language: "release-notes.md" becomes
// "release-notes.<language>.md". Invalid for English or an unknown
// language (no translated attempt).
QUrl localizedNotesUrl(const QUrl& notesUrl);

// Downloads one release's Markdown notes, preferring the translated file
// and falling back to the untranslated one; each fetch() ends in exactly
// one of the two signals.
class ReleaseNotesFetcher : public QObject
{
    Q_OBJECT
public:
    ReleaseNotesFetcher(const Config& config, QObject* parent = nullptr);
    ReleaseNotesFetcher(const QUrl& notesUrl, const QString& appTag, QObject* parent = nullptr);
    ~ReleaseNotesFetcher() override;

    void fetch();

    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }

signals:
    void notesReady(QString markdown);
    void notesUnavailable();

private:
    void request(const QUrl& url, void (ReleaseNotesFetcher::*step)(QNetworkReply*));
    void onReply(QNetworkReply* reply);
    void onFallbackReply(QNetworkReply* reply);

    QString m_appTag;
    QNetworkAccessManager* m_network;
    QUrl m_notesUrl;
    QUrl m_localizedUrl;
    int m_transferTimeoutMs = kTransferTimeoutMs;
};

} // namespace LarkUpdate
