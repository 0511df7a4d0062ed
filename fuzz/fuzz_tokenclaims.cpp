// The readers of an access token's payload (expiry, subject, claims) on
// arbitrary token text, and the usable-token rule on whatever expiry they
// give, at the far ends of the clock.

#include "fuzzsupport.h"

#include "account/core/tokenclaims.h"
#include "account/core/tokenmanager.h"

#include <QJsonDocument>

#include <limits>

using namespace LarkAccount;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::initApplication();
    const QByteArray bytes = FuzzSupport::bytes(data, size);
    const QString token = QString::fromUtf8(bytes);

    const std::optional<QJsonObject> payload = decodeTokenPayload(token);
    const qint64 expiry = tokenExpiryOf(token);
    const QString subject = tokenSubjectOf(token);
    const WrenClaims claims = WrenClaims::fromToken(token);
    if (!payload)
        FUZZ_CHECK(expiry == 0 && subject.isEmpty() && claims == WrenClaims());

    // The input as the payload of a well-formed token reads back as the JSON
    // object it is, or as none.
    const QString wrapped = QStringLiteral("h.%1.s").arg(QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals)));
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    const std::optional<QJsonObject> decoded = decodeTokenPayload(wrapped);
    FUZZ_CHECK(decoded.has_value() == document.isObject());
    if (decoded)
        FUZZ_CHECK(*decoded == document.object());

    static TokenManager* manager = new TokenManager(std::make_unique<MemoryTokenStore>()); // lives for the process
    manager->setTokens(token, QStringLiteral("r"));
    constexpr qint64 kMin = std::numeric_limits<qint64>::min();
    constexpr qint64 kMax = std::numeric_limits<qint64>::max();
    for (qint64 now : {kMin, qint64(-1), qint64(0), kMax, expiry > kMin + 31 ? expiry - 31 : kMin,
                       expiry > kMin + 30 ? expiry - 30 : kMin}) {
        manager->setClock([now] { return now; });
        const bool usable = expiry != 0 && __int128(now) < __int128(expiry) - 30;
        FUZZ_CHECK(manager->validAccessToken().isEmpty() != usable);
        FUZZ_CHECK(manager->needsRefresh() != usable);
    }
    return 0;
}
