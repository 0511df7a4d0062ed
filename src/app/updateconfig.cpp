#include "app/updateconfig.h"

LarkUpdate::Config makeUpdateConfig()
{
    LarkUpdate::Config config;
    config.app = QStringLiteral("tallyleaf");
    config.channel = QStringLiteral("stable");
    config.manifestBaseUrl = QUrl(QStringLiteral("https://downloads.larkspur.app/tallyleaf/stable/"));
    config.currentVersion = QString::fromLatin1(AppIdentity::version);
    return config;
}

FeedbackConfig feedbackUrl()
{
    return FeedbackConfig{QStringLiteral("tallyleaf"), QUrl(QStringLiteral("https://feedback.larkspur.app/"))};
}
