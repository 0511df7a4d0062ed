#include "update/core/manifest.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QSysInfo>

#include <cmath>

namespace LarkUpdate {

namespace {

// "size" as a whole number of bytes; -1 (invalid) for anything that is not
// a finite number inside the range of qint64, so the cast below is defined.
qint64 sizeOf(const QJsonValue& value)
{
    if (!value.isDouble())
        return -1;
    const double number = value.toDouble();
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (!std::isfinite(number) || number <= -kLimit || number >= kLimit)
        return -1;
    return static_cast<qint64>(number); // truncates toward zero
}

} // namespace

QString requireString(const QJsonObject& object, const QString& key, QString* error)
{
    const QJsonValue value = object.value(key);
    if (value.isString())
        return value.toString();
    if (error && error->isEmpty())
        *error = QStringLiteral("missing or non-string field: %1").arg(key);
    return QString();
}

Artifact Artifact::fromJson(const QJsonObject& object, const QString& platformKey, QString* error)
{
    QString localError;
    if (!error)
        error = &localError;
    Artifact artifact;
    artifact.version = requireString(object, QStringLiteral("version"), error);
    artifact.released_at
        = QDateTime::fromString(requireString(object, QStringLiteral("released_at"), error), Qt::ISODate);
    artifact.url = QUrl(requireString(object, QStringLiteral("url"), error), QUrl::TolerantMode);
    artifact.size = sizeOf(object.value(QLatin1String("size")));
    artifact.sha256 = requireString(object, QStringLiteral("sha256"), error);
    artifact.mandatory = object.value(QLatin1String("mandatory")).toBool(false);
    artifact.min_upgradable_from = object.value(QLatin1String("min_upgradable_from")).toString();
    const QString notes = object.value(QLatin1String("release_notes_url")).toString();
    if (!notes.isEmpty())
        artifact.release_notes_url = QUrl(notes, QUrl::TolerantMode);

    if (error->isEmpty() && !artifact.isValid())
        *error = QStringLiteral("artifact %1 failed validation").arg(platformKey);
    return artifact;
}

bool Artifact::isValid() const
{
    // Download hands the address to the browser: only a web address will do.
    return !version.isEmpty() && released_at.isValid() && isWebUrl(url) && size >= 1 && sha256.size() == 64;
}

bool Manifest::isValid() const
{
    return schema == 1 && !app.isEmpty() && !channel.isEmpty() && !artifacts.isEmpty();
}

Manifest parseManifest(const QByteArray& json, QString* error)
{
    QString localError;
    if (!error)
        error = &localError;
    error->clear();
    Manifest manifest;

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError) {
        *error = QStringLiteral("JSON parse error: %1").arg(parseError.errorString());
        return manifest;
    }
    if (!document.isObject()) {
        *error = QStringLiteral("manifest root is not a JSON object");
        return manifest;
    }
    const QJsonObject root = document.object();

    const QJsonValue schema = root.value(QLatin1String("schema"));
    if (!schema.isDouble()) {
        *error = QStringLiteral("missing or non-integer field: schema");
        return manifest;
    }
    manifest.schema = schema.toInt(0);
    if (manifest.schema != 1) {
        *error = QStringLiteral("unsupported manifest schema: %1 (expected %2)").arg(manifest.schema).arg(1);
        return manifest;
    }

    manifest.app = requireString(root, QStringLiteral("app"), error);
    manifest.channel = requireString(root, QStringLiteral("channel"), error);
    if (!error->isEmpty())
        return manifest;

    const QJsonValue artifacts = root.value(QLatin1String("artifacts"));
    if (!artifacts.isObject()) {
        *error = QStringLiteral("missing or non-object field: artifacts");
        return manifest;
    }
    const QJsonObject entries = artifacts.toObject();
    for (auto it = entries.constBegin(); it != entries.constEnd(); ++it) {
        if (!it.value().isObject()) {
            *error = QStringLiteral("artifact %1 is not an object").arg(it.key());
            return manifest;
        }
        const Artifact artifact = Artifact::fromJson(it.value().toObject(), it.key(), error);
        if (!error->isEmpty())
            return manifest;
        manifest.artifacts.insert(it.key(), artifact);
    }

    if (!manifest.isValid())
        *error = QStringLiteral("manifest failed validation");
    return manifest;
}

QString platformKeyFor(const QString& kernelType, const QString& cpuArchitecture)
{
    QString system;
    if (kernelType == QLatin1String("winnt"))
        system = QStringLiteral("windows");
    else if (kernelType == QLatin1String("linux"))
        system = QStringLiteral("linux");
    else if (kernelType == QLatin1String("darwin"))
        system = QStringLiteral("macos");
    QString processor;
    if (cpuArchitecture == QLatin1String("x86_64"))
        processor = QStringLiteral("x64");
    else if (cpuArchitecture == QLatin1String("arm64"))
        processor = QStringLiteral("arm64");
    if (system.isEmpty() || processor.isEmpty())
        return QString();
    return system + QLatin1Char('-') + processor;
}

QString platformKey()
{
    return platformKeyFor(QSysInfo::kernelType(), QSysInfo::currentCpuArchitecture());
}

bool isWebUrl(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

bool acceptWebUrl(const QUrl& url, const char* what)
{
    if (isWebUrl(url))
        return true;
    QString message = QStringLiteral("LarkUpdate: %1 is empty or invalid").arg(QLatin1String(what));
    if (!url.isEmpty())
        message += QStringLiteral(": ") + url.toString();
    qWarning().noquote() << message;
    return false;
}

} // namespace LarkUpdate
