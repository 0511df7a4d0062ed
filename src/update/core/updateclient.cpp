#include "update/core/updateclient.h"

#include "services/replylimits.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>

namespace LarkUpdate {

Q_LOGGING_CATEGORY(lcClient, "larkupdate.client")

QNetworkRequest makeRequest(const QUrl& url, const QString& appTag, int transferTimeoutMs)
{
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("LarkUpdateQt/0.1 (%1)").arg(appTag));
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(transferTimeoutMs);
    return request;
}

Client::Client(Config config, QObject* parent)
    : QObject(parent)
    , m_config(std::move(config))
    , m_network(new QNetworkAccessManager(this))
{
    connect(m_network, &QNetworkAccessManager::finished, this, &Client::onManifestReply);
}

Client::~Client() = default;

QUrl Client::manifestUrl() const
{
    QUrl url = m_config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + QStringLiteral("latest.json"), QUrl::DecodedMode);
    return url;
}

void Client::check()
{
    if (m_inFlight) {
        qCDebug(lcClient) << "check already in flight, ignoring";
        return;
    }
    // Only http and https are fetched: QNetworkAccessManager would read a
    // file: or qrc: address from this machine just as willingly.
    if (!isWebUrl(m_config.manifestBaseUrl)) {
        emit checkFailed(QStringLiteral("manifestBaseUrl is not valid"));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(QStringLiteral("currentVersion is empty"));
        return;
    }
    m_inFlight = true;
    limitReply(m_network->get(makeRequest(manifestUrl(), m_config.app, m_transferTimeoutMs)), kMaxReplyBytes,
               kRequestDeadlineMs);
}

void Client::onManifestReply(QNetworkReply* reply)
{
    // Idle again before any signal, so a listener may check again at once.
    reply->deleteLater();
    m_inFlight = false;

    if (replyWasLimited(reply)) {
        emit checkFailed(QStringLiteral("network error: reply too large or too slow"));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
            qCInfo(lcClient) << "manifest 404, treating as up-to-date";
            emit upToDate();
        } else {
            emit checkFailed(QStringLiteral("network error: %1").arg(reply->errorString()));
        }
        return;
    }

    QString error;
    const Manifest manifest = parseManifest(reply->readAll(), &error);
    if (!error.isEmpty()) {
        emit checkFailed(QStringLiteral("manifest invalid: %1").arg(error));
        return;
    }

    const QString key = platformKey();
    if (key.isEmpty()) {
        qCWarning(lcClient) << "unknown platform, skipping update check";
        emit upToDate();
        return;
    }
    const auto found = manifest.artifacts.constFind(key);
    if (found == manifest.artifacts.constEnd()) {
        qCInfo(lcClient) << "platform" << key << "not shipped in current manifest";
        emit upToDate();
        return;
    }
    const Artifact& artifact = found.value();
    const Version current = Version::parse(m_config.currentVersion);
    if (!(current < Version::parse(artifact.version))) {
        emit upToDate();
        return;
    }
    if (!artifact.min_upgradable_from.isEmpty() && current < Version::parse(artifact.min_upgradable_from)) {
        emit checkFailed(QStringLiteral("current version %1 is older than min_upgradable_from %2; please upgrade to "
                                        "an intermediate release first")
                             .arg(m_config.currentVersion, artifact.min_upgradable_from));
        return;
    }
    emit updateAvailable(artifact);
}

} // namespace LarkUpdate
