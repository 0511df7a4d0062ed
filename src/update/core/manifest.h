#pragma once

#include <QDateTime>
#include <QHash>
#include <QJsonObject>
#include <QMetaType>
#include <QString>
#include <QUrl>

namespace LarkUpdate {

// One platform's release as the manifest describes it.
struct Artifact
{
    QString version;
    QDateTime released_at;
    QUrl url;
    qint64 size = -1;
    QString sha256;
    bool mandatory = false;
    QString min_upgradable_from;
    QUrl release_notes_url;

    // Reads the fields in manifest order; the first missing required text
    // names the error, otherwise broken values give "artifact <key> failed
    // validation". platformKey only serves the error text.
    static Artifact fromJson(const QJsonObject& object, const QString& platformKey, QString* error);
    bool isValid() const;
};

// The parsed "latest.json" of one application and channel.
struct Manifest
{
    int schema = 0;
    QString app;
    QString channel;
    QHash<QString, Artifact> artifacts; // by platform key

    bool isValid() const;
};

// Parses and validates the manifest; an empty *error afterwards means it
// is valid, a non-empty one names the first failure (and the result is to
// be ignored).
Manifest parseManifest(const QByteArray& json, QString* error);

// The string value of key, or "" when it is missing or not a string; then
// sets *error (when given and still empty) to "missing or non-string field:
// <key>", so the first missing field wins.
QString requireString(const QJsonObject& object, const QString& key, QString* error);

// The manifest key of the running platform ("windows-x64", "linux-x64",
// ...), or "" when this operating system or processor is not recognised.
QString platformKey();
// The key for an operating system (QSysInfo::kernelType: "winnt", "linux",
// "darwin") and processor (QSysInfo::currentCpuArchitecture).
QString platformKeyFor(const QString& kernelType, const QString& cpuArchitecture);

// Whether the program may open or fetch this address: a valid http or
// https URL with a host. Everything else (file:, data:, qrc:, javascript:,
// relative or empty addresses) is refused.
bool isWebUrl(const QUrl& url);
// isWebUrl, with the warning "LarkUpdate: <what> is empty or invalid" (and
// the address) when it is not.
bool acceptWebUrl(const QUrl& url, const char* what);

} // namespace LarkUpdate

Q_DECLARE_METATYPE(LarkUpdate::Artifact)
