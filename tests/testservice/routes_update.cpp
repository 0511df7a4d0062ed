// Update service routes: files served from a table that tests can change.
//   GET /tallyleaf/:channel/latest.json   the channel's release manifest
//   GET /tallyleaf/:version/:file         release notes: release-notes.md and its
//                                         translations release-notes.<lang>.md
// A path not in the table answers 404. "{base}" in a body becomes
// http://<Host header>, so served addresses point back at this service.
// After a reset the table holds: "stable" and "beta" manifests offering
// 1.2.0 and 1.3.0 for windows-x64, linux-x64, linux-arm64, macos-x64 and
// macos-arm64 (notes at {base}/tallyleaf/<version>/release-notes.md), and
// English and German notes of 1.1.5, 1.2.0 and 1.3.0.
//
// Control (never logged, never faulted):
//   POST   /_control/update/files  {"path", "status" (200), "body" (text, or JSON
//                                   sent compact), "content_type", "location"}:
//                                   serve this at path; a "location" is sent as the
//                                   Location header (with status 302 a redirect).
//   DELETE /_control/update/files?path=P   P answers 404 from now on.
// The faults of /_control/faults (hang, close, status, ...) apply to the two
// route patterns above.

#include "routes.h"
#include "testservice.h"

#include <QJsonDocument>

#include <memory>

namespace {

struct File
{
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QByteArray location;
};

using Files = QHash<QString, File>;

QByteArray contentTypeFor(const QString& path)
{
    return path.endsWith(QLatin1String(".json")) ? QByteArray("application/json")
                                                   : QByteArray("text/markdown; charset=utf-8");
}

QByteArray manifest(const char* channel, const char* version)
{
    QJsonObject artifacts;
    for (const char* platform : {"windows-x64", "linux-x64", "linux-arm64", "macos-x64", "macos-arm64"}) {
        artifacts.insert(QLatin1String(platform),
            QJsonObject{{"version", version},
                {"released_at", "2026-11-20T09:00:00Z"},
                {"url", QStringLiteral("{base}/downloads/tallyleaf-%1-%2").arg(version, platform)},
                {"size", 48234496},
                {"sha256", QString(64, QLatin1Char('a'))},
                {"mandatory", false},
                {"min_upgradable_from", "1.0.0"},
                {"release_notes_url", QStringLiteral("{base}/tallyleaf/%1/release-notes.md").arg(version)}});
    }
    return QJsonDocument(QJsonObject{{"schema", 1}, {"app", "tallyleaf"}, {"channel", channel},
                                     {"artifacts", artifacts}})
        .toJson(QJsonDocument::Compact);
}

QByteArray notes(const char* version, bool german)
{
    if (german) {
        return QStringLiteral("## Neu in %1\n\n- Schnellere Suche im Kontenbuch\n- Berichte lassen sich als CSV "
                              "exportieren\n\n## Behoben\n\n- Abgleich rundet Cent-Beträge korrekt\n")
            .arg(QLatin1String(version))
            .toUtf8();
    }
    return QStringLiteral("## New in %1\n\n- Faster search across the register\n- Reports export as CSV\n"
                          "- [Read the full announcement](https://larkspur.app/blog/tallyleaf-%1)\n\n"
                          "## Fixed\n\n- Reconciliation rounds cents correctly\n")
        .arg(QLatin1String(version))
        .toUtf8();
}

Files defaultFiles()
{
    Files files;
    files.insert(QStringLiteral("/tallyleaf/stable/latest.json"), {200, {}, manifest("stable", "1.2.0"), {}});
    files.insert(QStringLiteral("/tallyleaf/beta/latest.json"), {200, {}, manifest("beta", "1.3.0"), {}});
    for (const char* version : {"1.1.5", "1.2.0", "1.3.0"}) {
        const QString folder = QStringLiteral("/tallyleaf/%1/").arg(QLatin1String(version));
        files.insert(folder + QStringLiteral("release-notes.md"), {200, {}, notes(version, false), {}});
        files.insert(folder + QStringLiteral("release-notes.de.md"), {200, {}, notes(version, true), {}});
    }
    return files;
}

} // namespace

void addUpdateRoutes(TestService& service)
{
    auto files = std::make_shared<Files>(defaultFiles());
    service.addResetHook([files] { *files = defaultFiles(); });

    const TestService::RouteHandler serve = [files](const HttpRequest& request, const QStringList&) {
        const auto found = files->constFind(request.path);
        if (found == files->constEnd())
            return TestService::error(404, QStringLiteral("not_found"));
        const QByteArray base = "http://" + request.header("Host");
        HttpResponse response;
        response.status = found->status;
        response.contentType = found->contentType.isEmpty() ? contentTypeFor(request.path) : found->contentType;
        response.body = QByteArray(found->body).replace("{base}", base);
        if (!found->location.isEmpty())
            response.headers.append({"Location", QByteArray(found->location).replace("{base}", base)});
        return response;
    };
    service.addRoute("GET", QStringLiteral("/tallyleaf/:channel/latest.json"), serve);
    service.addRoute("GET", QStringLiteral("/tallyleaf/:version/:file"), serve);

    service.addRoute(
        "POST", QStringLiteral("/_control/update/files"), [files](const HttpRequest& request, const QStringList&) {
            const QJsonObject entry = QJsonDocument::fromJson(request.body).object();
            const QString path = entry.value(QLatin1String("path")).toString();
            if (!path.startsWith(QLatin1Char('/')))
                return TestService::error(400, QStringLiteral("bad_path"));
            const QJsonValue body = entry.value(QLatin1String("body"));
            File file;
            file.status = entry.value(QLatin1String("status")).toInt(200);
            file.contentType = entry.value(QLatin1String("content_type")).toString().toUtf8();
            file.location = entry.value(QLatin1String("location")).toString().toUtf8();
            if (body.isObject())
                file.body = QJsonDocument(body.toObject()).toJson(QJsonDocument::Compact);
            else if (body.isArray())
                file.body = QJsonDocument(body.toArray()).toJson(QJsonDocument::Compact);
            else
                file.body = body.toString().toUtf8();
            files->insert(path, file);
            return TestService::json(200, {});
        });

    service.addRoute(
        "DELETE", QStringLiteral("/_control/update/files"), [files](const HttpRequest& request, const QStringList&) {
            files->remove(request.query.queryItemValue(QStringLiteral("path"), QUrl::FullyDecoded));
            return TestService::json(200, {});
        });
}
