#include "services/replylimits.h"

#include <QDebug>
#include <QNetworkReply>
#include <QTimer>

namespace {

constexpr char kLimitedProperty[] = "tallyleaf_reply_limited";

// Marks even a reply that has just finished: a body read in one go may
// report its size only as it completes, and must still be refused.
void abortLimited(QNetworkReply* reply, const char* why)
{
    if (reply->property(kLimitedProperty).toBool())
        return; // told once
    qWarning().noquote() << "Network reply from" << reply->url().host() << "aborted:" << why;
    reply->setProperty(kLimitedProperty, true);
    reply->abort();
}

} // namespace

void limitReply(QNetworkReply* reply, qint64 maxBytes, int deadlineMs)
{
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply, [reply, maxBytes](qint64 received, qint64 total) {
        if (received > maxBytes || total > maxBytes)
            abortLimited(reply, "reply too large");
    });
    // Without a declared length the progress comes only with the last byte;
    // the bytes waiting to be read tell as they arrive (every caller reads
    // the body once the reply has finished).
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, maxBytes] {
        if (reply->bytesAvailable() > maxBytes)
            abortLimited(reply, "reply too large");
    });
    // The timer dies with the reply, so a reply deleted early is never touched.
    QTimer::singleShot(deadlineMs, reply, [reply] {
        if (!reply->isFinished())
            abortLimited(reply, "deadline passed");
    });
}

bool replyWasLimited(const QNetworkReply* reply)
{
    return reply->property(kLimitedProperty).toBool();
}
