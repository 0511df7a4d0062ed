#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

namespace LarkAccount {

// The payload object of a JSON Web Token (its second dot-separated part,
// base64url, read leniently), or none. The header and the signature are not
// looked at: the application learns from a token only what the server put
// in it, and checks nothing.
std::optional<QJsonObject> decodeTokenPayload(const QString& token);

// The payload's "exp" (seconds since 1970 UTC) as a 64-bit integer; 0 when
// there is no payload or no integral number there.
qint64 tokenExpiryOf(const QString& token);
// The payload's "iat" (when the token was issued), read as "exp" is.
qint64 tokenIssuedAtOf(const QString& token);
// The payload's "sub" text; empty when there is none.
QString tokenSubjectOf(const QString& token);

// The family-plan claims of an access token: payload "custom" → "wren".
struct WrenClaims
{
    int seats = 0;
    QString groupId;
    QString role;

    static WrenClaims fromToken(const QString& token);
    bool operator==(const WrenClaims& other) const
    {
        return seats == other.seats && groupId == other.groupId && role == other.role;
    }
};

} // namespace LarkAccount
