#include "update/core/updateclient.h"

#include "services/replylimits.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>

namespace LarkUpdate {

Q_LOGGING_CATEGORY(lcClient, "larkupdate.client")

namespace {

// The reasons of checkFailed, each written once: emitted in English and
// translated for display by reasonText.
const char* const kInvalidBaseUrl = QT_TRANSLATE_NOOP("LarkUpdate::Client", "manifestBaseUrl is not valid");
const char* const kEmptyVersion = QT_TRANSLATE_NOOP("LarkUpdate::Client", "currentVersion is empty");
const char* const kNetworkError = QT_TRANSLATE_NOOP("LarkUpdate::Client", "network error: %1");
const char* const kReplyLimited = QT_TRANSLATE_NOOP("LarkUpdate::Client", "reply too large or too slow");
const char* const kManifestInvalid = QT_TRANSLATE_NOOP("LarkUpdate::Client", "manifest invalid: %1");
const char* const kTooOld = QT_TRANSLATE_NOOP("LarkUpdate::Client",
                                              "current version %1 is older than min_upgradable_from %2; please "
                                              "upgrade to an intermediate release first");
const char* const kReasons[] = {kInvalidBaseUrl, kEmptyVersion, kNetworkError, kReplyLimited, kManifestInvalid,
                                kTooOld};

QString reason(const char* form)
{
    return QString::fromLatin1(form);
}

} // namespace

QString reasonText(const QString& text)
{
    for (const char* form : kReasons) {
        // The form as a pattern: its placeholders capture what was put in.
        QString pattern = QRegularExpression::escape(QString::fromLatin1(form));
        pattern.replace(QRegularExpression(QStringLiteral("\\\\%\\d")), QStringLiteral("(.*)"));
        const QRegularExpressionMatch match =
            QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text);
        if (!match.hasMatch())
            continue;
        const QString translated = QCoreApplication::translate("LarkUpdate::Client", form);
        switch (match.lastCapturedIndex()) {
        case 0:
            return translated;
        case 1:
            return translated.arg(reasonText(match.captured(1)));
        default:
            return translated.arg(match.captured(1), match.captured(2));
        }
    }
    return text;
}

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
        emit checkFailed(reason(kInvalidBaseUrl));
        return;
    }
    if (m_config.currentVersion.isEmpty()) {
        emit checkFailed(reason(kEmptyVersion));
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
        emit checkFailed(reason(kNetworkError).arg(reason(kReplyLimited)));
        return;
    }
    if (reply->error() != QNetworkReply::NoError) {
        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (reply->error() == QNetworkReply::ContentNotFoundError || status == 404) {
            qCInfo(lcClient) << "manifest 404, treating as up-to-date";
            emit upToDate();
        } else {
            emit checkFailed(reason(kNetworkError).arg(reply->errorString()));
        }
        return;
    }

    QString error;
    const Manifest manifest = parseManifest(reply->readAll(), &error);
    if (!error.isEmpty()) {
        emit checkFailed(reason(kManifestInvalid).arg(error));
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
        emit checkFailed(reason(kTooOld).arg(m_config.currentVersion, artifact.min_upgradable_from));
        return;
    }
    emit updateAvailable(artifact);
}

} // namespace LarkUpdate
