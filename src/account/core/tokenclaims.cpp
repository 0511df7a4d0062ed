#include "account/core/tokenclaims.h"

#include <QJsonDocument>
#include <QStringList>

namespace LarkAccount {

std::optional<QJsonObject> decodeTokenPayload(const QString& token)
{
    const QStringList parts = token.split(QLatin1Char('.'));
    if (parts.size() < 2)
        return std::nullopt;
    // Without AbortOnBase64DecodingErrors decoding never fails; trailing
    // "=" is optional.
    const QByteArray json = QByteArray::fromBase64(parts.at(1).toUtf8(), QByteArray::Base64UrlEncoding);
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    return document.object();
}

qint64 tokenExpiryOf(const QString& token)
{
    const std::optional<QJsonObject> payload = decodeTokenPayload(token);
    return payload ? payload->value(QLatin1String("exp")).toInteger() : 0;
}

qint64 tokenIssuedAtOf(const QString& token)
{
    const std::optional<QJsonObject> payload = decodeTokenPayload(token);
    return payload ? payload->value(QLatin1String("iat")).toInteger() : 0;
}

QString tokenSubjectOf(const QString& token)
{
    const std::optional<QJsonObject> payload = decodeTokenPayload(token);
    return payload ? payload->value(QLatin1String("sub")).toString() : QString();
}

WrenClaims WrenClaims::fromToken(const QString& token)
{
    WrenClaims claims;
    const std::optional<QJsonObject> payload = decodeTokenPayload(token);
    if (!payload)
        return claims;
    const QJsonObject wren =
        payload->value(QLatin1String("custom")).toObject().value(QLatin1String("wren")).toObject();
    if (wren.isEmpty())
        return claims;
    claims.seats = wren.value(QLatin1String("seats")).toInt();
    claims.groupId = wren.value(QLatin1String("group_id")).toString();
    claims.role = wren.value(QLatin1String("role")).toString();
    return claims;
}

} // namespace LarkAccount
