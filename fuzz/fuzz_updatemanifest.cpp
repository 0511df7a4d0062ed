// The release manifest parser on arbitrary bytes: either the manifest and
// every artifact in it are valid, or the error is one of the parser's own
// texts. A JSON object is also tried as the one artifact of an otherwise
// good manifest, so the field rules meet every kind of value.

#include "fuzzsupport.h"

#include "update/core/manifest.h"
#include "update/core/version.h"

#include <QJsonDocument>

#include <cmath>

using namespace LarkUpdate;

namespace {

bool isParserText(const QString& error)
{
    static const char* const kTexts[] = {"JSON parse error: ",
                                         "manifest root is not a JSON object",
                                         "missing or non-integer field: schema",
                                         "unsupported manifest schema: ",
                                         "missing or non-string field: ",
                                         "missing or non-object field: artifacts",
                                         "artifact ",
                                         "manifest failed validation"};
    for (const char* text : kTexts) {
        if (error.startsWith(QLatin1String(text)))
            return true;
    }
    return false;
}

void checkOutcome(const Manifest& manifest, const QString& error)
{
    if (!error.isEmpty()) {
        FUZZ_CHECK(isParserText(error));
        return;
    }
    FUZZ_CHECK(manifest.isValid());
    for (const Artifact& artifact : manifest.artifacts) {
        FUZZ_CHECK(artifact.isValid());
        FUZZ_CHECK(artifact.size >= 1 && artifact.sha256.size() == 64);
        Version::parse(artifact.version);
        Version::parse(artifact.min_upgradable_from);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::initApplication();
    const QByteArray bytes = FuzzSupport::bytes(data, size);

    QString error = QStringLiteral("stale");
    checkOutcome(parseManifest(bytes, &error), error);
    parseManifest(bytes, nullptr);

    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject())
        return 0;
    const QJsonObject root{{"schema", 1},
                           {"app", "tallyleaf"},
                           {"channel", "stable"},
                           {"artifacts", QJsonObject{{"windows-x64", document.object()}}}};
    const Manifest wrapped = parseManifest(QJsonDocument(root).toJson(QJsonDocument::Compact), &error);
    checkOutcome(wrapped, error);
    if (error.isEmpty()) {
        // The size is the JSON number truncated toward zero.
        const double number = document.object().value(QLatin1String("size")).toDouble();
        FUZZ_CHECK(double(wrapped.artifacts.value(QStringLiteral("windows-x64")).size) == std::trunc(number));
    }
    return 0;
}
