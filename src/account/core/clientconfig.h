#pragma once

#include <QString>

namespace LarkAccount {

// Where the online services are and who is calling them. Start-up code
// fills it and hands it to Client.
struct ClientConfig
{
    QString authBaseUrl;   // authentication server
    QString realmSlug;     // sign-in realm on that server
    QString accountApiUrl; // account service (profile, group, devices)
    QString clientId;      // client identifier of the sign-in page
    QString appId;         // reverse-domain application identifier
    QString productName;   // display name
    QString appVersion;
    QString platform;      // empty: Client detects it

    // The service addresses, realm and client identifier from
    // AUTH_BASE_URL, AUTH_REALM_SLUG, ACCOUNT_API_URL and AUTH_CLIENT_ID,
    // else the built-in values. The application fields stay empty for the
    // caller.
    static ClientConfig fromEnvironment();
};

// SYNC_API_URL when set, else the built-in sync service address.
QString syncApiUrlFromEnvironment();

// The address without trailing "/": paths are joined to it as "/…".
QString withoutTrailingSlash(const QString& address);

} // namespace LarkAccount
