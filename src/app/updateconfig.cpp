#include "app/updateconfig.h"

#include "app/paths.h"

LarkUpdate::Config makeUpdateConfig()
{
    const QString override = environmentValue("TALLYLEAF_UPDATE_URL");
    QUrl base(override.isEmpty() ? QStringLiteral("https://downloads.larkspur.app") : override);
    QString path = base.path(QUrl::FullyDecoded);
    while (path.endsWith(QLatin1Char('/')))
        path.chop(1);
    base.setPath(path + QStringLiteral("/tallyleaf/stable/"), QUrl::DecodedMode);

    LarkUpdate::Config config;
    config.app = QStringLiteral("tallyleaf");
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = base;
    config.currentVersion = QString::fromLatin1(AppIdentity::version);
    return config;
}

FeedbackConfig feedbackUrl()
{
    return FeedbackConfig{QStringLiteral("tallyleaf"), QUrl(QStringLiteral("https://feedback.larkspur.app/"))};
}
