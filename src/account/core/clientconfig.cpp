#include "account/core/clientconfig.h"

namespace LarkAccount {

namespace {

const QString kDefaultAuthBaseUrl = QStringLiteral("https://auth.larkspur.app");
const QString kDefaultRealmSlug = QStringLiteral("larkspur");
const QString kDefaultAccountApiUrl = QStringLiteral("https://api.larkspur.app/account/v1");
const QString kDefaultSyncApiUrl = QStringLiteral("https://api.larkspur.app/tallyleaf/v1");
const QString kDefaultClientId = QStringLiteral("7f3e9a21c04b58d6e2a19f0b3c7d4e85");

// An environment variable as UTF-8 text; unset or empty gives the fallback.
QString environmentOr(const char* name, const QString& fallback)
{
    const QString value = QString::fromUtf8(qgetenv(name));
    return value.isEmpty() ? fallback : value;
}

} // namespace

ClientConfig ClientConfig::fromEnvironment()
{
    ClientConfig config;
    config.authBaseUrl = environmentOr("AUTH_BASE_URL", kDefaultAuthBaseUrl);
    config.realmSlug = environmentOr("AUTH_REALM_SLUG", kDefaultRealmSlug);
    config.accountApiUrl = environmentOr("ACCOUNT_API_URL", kDefaultAccountApiUrl);
    config.clientId = environmentOr("AUTH_CLIENT_ID", kDefaultClientId);
    return config;
}

QString syncApiUrlFromEnvironment()
{
    return environmentOr("SYNC_API_URL", kDefaultSyncApiUrl);
}

QString withoutTrailingSlash(const QString& address)
{
    qsizetype end = address.size();
    while (end > 0 && address.at(end - 1) == QLatin1Char('/'))
        --end;
    return address.left(end);
}

} // namespace LarkAccount
