#pragma once

#include "update/core/manifest.h"
#include "update/core/version.h"

#include <QLoggingCategory>
#include <QNetworkRequest>
#include <QObject>

class QNetworkAccessManager;
class QNetworkReply;

namespace LarkUpdate {

Q_DECLARE_LOGGING_CATEGORY(lcClient)

// Update requests give up after this long without progress, so a server
// that never answers does not keep a busy indicator up for ever.
inline constexpr int kTransferTimeoutMs = 30000;
// A manifest or a page of release notes is a few kilobytes: more, or an
// exchange still trickling after two minutes, is not worth reading.
inline constexpr qint64 kMaxReplyBytes = 1024 * 1024;
inline constexpr int kRequestDeadlineMs = 120000;

// A GET of an update-service address: the user agent names the
// application tag, redirects are followed only when they are not less safe.
QNetworkRequest makeRequest(const QUrl& url, const QString& appTag, int transferTimeoutMs = kTransferTimeoutMs);

// A checkFailed reason in the interface language; a text of the network
// layer inside it stays as that layer wrote it.
QString reasonText(const QString& reason);

// Asks the update service whether a newer release exists for this
// platform. Each accepted check() ends in exactly one of the three signals.
class Client : public QObject
{
    Q_OBJECT
public:
    Client(Config config, QObject* parent = nullptr);
    ~Client() override;

    void check();
    // manifestBaseUrl with "latest.json" appended to its path.
    QUrl manifestUrl() const;

    void setTransferTimeout(int milliseconds) { m_transferTimeoutMs = milliseconds; }

signals:
    void updateAvailable(LarkUpdate::Artifact artifact);
    void upToDate();
    // `reason` is the English text, as logged; reasonText() shows it.
    void checkFailed(QString reason);

private:
    void onManifestReply(QNetworkReply* reply);

    Config m_config;
    QNetworkAccessManager* m_network;
    bool m_inFlight = false;
    int m_transferTimeoutMs = kTransferTimeoutMs;
};

} // namespace LarkUpdate
