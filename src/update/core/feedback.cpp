#include "update/core/feedback.h"

#include <QUrlQuery>

QUrl feedbackBoardUrl(const FeedbackConfig& config)
{
    QUrl url = config.baseUrl;
    QString path = url.path(QUrl::FullyDecoded);
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path, QUrl::DecodedMode);
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("tags"), config.productTag);
    url.setQuery(query);
    return url;
}
