#include "update/core/releasenotes.h"

#include "services/replylimits.h"

#include <QLocale>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTimer>

namespace LarkUpdate {

namespace {

// The trimmed body of a reply without error; "" otherwise.
QString notesText(QNetworkReply* reply)
{
    reply->deleteLater();
    if (reply->error() != QNetworkReply::NoError || replyWasLimited(reply))
        return QString();
    return QString::fromUtf8(reply->readAll()).trimmed();
}

} // namespace

QUrl notesUrlFor(const Config& config)
{
    QUrl url = config.manifestBaseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        path.truncate(slash + 1);
    url.setPath(path + config.currentVersion + QStringLiteral("/release-notes.md"), QUrl::DecodedMode);
    return url;
}

QUrl localizedNotesUrl(const QUrl& notesUrl)
{
    // The POSIX "C" locale names no language; only a two-letter code does.
    const QString language = QLocale().name().left(2);
    const bool isCode = language.size() == 2 && language.at(0).isLower() && language.at(1).isLower();
    if (!isCode || language == QLatin1String("en"))
        return QUrl();
    QUrl url = notesUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (path.endsWith(QLatin1String(".md"))) {
        path.insert(path.size() - 3, QLatin1Char('.') + language);
        url.setPath(path, QUrl::DecodedMode);
    }
    return url;
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const Config& config, QObject* parent)
    : ReleaseNotesFetcher(notesUrlFor(config), config.app, parent)
{
}

ReleaseNotesFetcher::ReleaseNotesFetcher(const QUrl& notesUrl, const QString& appTag, QObject* parent)
    : QObject(parent)
    , m_appTag(appTag)
    , m_network(new QNetworkAccessManager(this))
    , m_notesUrl(notesUrl)
    , m_localizedUrl(localizedNotesUrl(notesUrl))
{
}

ReleaseNotesFetcher::~ReleaseNotesFetcher() = default;

void ReleaseNotesFetcher::fetch()
{
    // Notes come only from the web: a file: or qrc: address in a manifest
    // would otherwise show this machine's files in the dialog.
    if (!acceptWebUrl(m_notesUrl, "release notes address")) {
        QTimer::singleShot(0, this, &ReleaseNotesFetcher::notesUnavailable);
        return;
    }
    if (m_localizedUrl.isValid())
        request(m_localizedUrl, &ReleaseNotesFetcher::onReply);
    else
        request(m_notesUrl, &ReleaseNotesFetcher::onFallbackReply);
}

void ReleaseNotesFetcher::request(const QUrl& url, void (ReleaseNotesFetcher::*step)(QNetworkReply*))
{
    QNetworkReply* reply = m_network->get(makeRequest(url, m_appTag, m_transferTimeoutMs));
    limitReply(reply, kMaxReplyBytes, kRequestDeadlineMs);
    connect(reply, &QNetworkReply::finished, this, [this, reply, step] { (this->*step)(reply); });
}

void ReleaseNotesFetcher::onReply(QNetworkReply* reply)
{
    const QString text = notesText(reply);
    if (!text.isEmpty())
        emit notesReady(text);
    else
        request(m_notesUrl, &ReleaseNotesFetcher::onFallbackReply);
}

void ReleaseNotesFetcher::onFallbackReply(QNetworkReply* reply)
{
    const QString text = notesText(reply);
    if (!text.isEmpty())
        emit notesReady(text);
    else
        emit notesUnavailable();
}

} // namespace LarkUpdate
