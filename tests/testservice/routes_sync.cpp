// Sync service routes; every one needs a live bearer token issued here
// (else 401 {"error": "unauthorized"}). Rows are kept per user.
//   POST /sync/push   {"changes": [{"entity_type", "entity_id", "action", "version", "payload"}]} → 200
//                     {"results": [{"entity_type", "entity_id", "status", "server_id", "message"}]}, one per
//                     change, in order. A change finds its row by the payload's "server_id" when that names
//                     a row of the caller, else by caller + entity type + entity id; a new row gets the
//                     server id "srv-<n>". The row takes the change's "version" and payload; "delete" sets
//                     deleted_at (the payload's, else now), "upsert" clears it. An unknown entity type, an
//                     empty id or another action gets status "invalid" and changes nothing. 400
//                     {"error": "changes must be an array"} when "changes" is not one.
// Control (never logged, never faulted):
//   POST /_control/sync        {"reject": [entity ids], "omit_server_id": bool}: until reset, changes of
//                              those ids get status "rejected" (message "rejected by test") and are not
//                              stored, and with omit_server_id "ok" results carry "server_id": "".
//   GET  /_control/sync/rows   {"rows": [server rows]} of every user in change order.
// A server row is the stored payload without "server_id", plus "id" (the server id), "client_id",
// "entity_type", "user_id", "version", "deleted_at" ("" while live) and "seq": every write takes the
// next number of one global change order, the order in which a pull hands rows out (its cursor being
// the last "seq" handed out).

#include "routes.h"
#include "testservice.h"

#include <QDateTime>
#include <QHash>
#include <QJsonArray>
#include <QSet>

#include <algorithm>
#include <memory>

namespace {

const QStringList kEntityTypes{"account", "category", "recurring", "transaction", "reconciliation"};

struct SyncRow
{
    QString serverId;
    QString user;
    QString entityType;
    QString entityId;
    int version = 0;
    QJsonObject payload;
    QString deletedAt; // empty while live
    qint64 seq = 0;
};

class SyncStore
{
public:
    void reset()
    {
        *this = SyncStore();
    }

    void configure(const QJsonObject& spec)
    {
        for (const QJsonValue& id : spec.value(QLatin1String("reject")).toArray())
            m_rejected.insert(id.toString());
        m_omitServerId = spec.value(QLatin1String("omit_server_id")).toBool();
    }

    QJsonObject push(const QString& user, const QJsonObject& change)
    {
        const QString entityType = change.value(QLatin1String("entity_type")).toString();
        const QString entityId = change.value(QLatin1String("entity_id")).toString();
        const QString action = change.value(QLatin1String("action")).toString();
        QJsonObject result{{"entity_type", entityType}, {"entity_id", entityId}, {"server_id", ""}};
        const auto answer = [&result](const char* status, const QString& message) {
            result.insert(QStringLiteral("status"), QLatin1String(status));
            result.insert(QStringLiteral("message"), message);
            return result;
        };
        if (!kEntityTypes.contains(entityType) || entityId.isEmpty()
            || (action != QLatin1String("upsert") && action != QLatin1String("delete")))
            return answer("invalid", QStringLiteral("unknown entity type, empty id or unknown action"));
        if (m_rejected.contains(entityId))
            return answer("rejected", QStringLiteral("rejected by test"));

        const QJsonObject payload = change.value(QLatin1String("payload")).toObject();
        SyncRow& row = rowFor(user, entityType, entityId, payload.value(QLatin1String("server_id")).toString());
        row.version = change.value(QLatin1String("version")).toInt();
        row.payload = payload;
        row.payload.remove(QStringLiteral("server_id"));
        row.deletedAt.clear();
        if (action == QLatin1String("delete")) {
            row.deletedAt = payload.value(QLatin1String("deleted_at")).toString();
            if (row.deletedAt.isEmpty())
                row.deletedAt = QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
        }
        row.seq = ++m_seq;
        if (!m_omitServerId)
            result.insert(QStringLiteral("server_id"), row.serverId);
        return answer("ok", QString());
    }

    // Every row in change order.
    QJsonArray rows() const
    {
        QList<const SyncRow*> ordered;
        for (const SyncRow& row : m_rows)
            ordered.append(&row);
        std::sort(ordered.begin(), ordered.end(), [](const SyncRow* a, const SyncRow* b) { return a->seq < b->seq; });
        QJsonArray result;
        for (const SyncRow* row : std::as_const(ordered))
            result.append(serverRow(*row));
        return result;
    }

    static QJsonObject serverRow(const SyncRow& row)
    {
        QJsonObject out = row.payload;
        out.insert(QStringLiteral("id"), row.serverId);
        out.insert(QStringLiteral("client_id"), row.entityId);
        out.insert(QStringLiteral("entity_type"), row.entityType);
        out.insert(QStringLiteral("user_id"), row.user);
        out.insert(QStringLiteral("version"), row.version);
        out.insert(QStringLiteral("deleted_at"), row.deletedAt);
        out.insert(QStringLiteral("seq"), row.seq);
        return out;
    }

private:
    static QString key(const QString& user, const QString& entityType, const QString& entityId)
    {
        return user + QLatin1Char('\n') + entityType + QLatin1Char('\n') + entityId;
    }

    // The caller's row the change belongs to; a new one when there is none.
    SyncRow& rowFor(const QString& user, const QString& entityType, const QString& entityId, const QString& serverId)
    {
        const auto byServerId = m_rows.find(serverId);
        if (byServerId != m_rows.end() && byServerId->user == user && byServerId->entityType == entityType)
            return *byServerId;
        const QString known = m_byKey.value(key(user, entityType, entityId));
        if (!known.isEmpty())
            return m_rows[known];
        SyncRow row;
        row.serverId = QStringLiteral("srv-%1").arg(++m_serial);
        row.user = user;
        row.entityType = entityType;
        row.entityId = entityId;
        m_byKey.insert(key(user, entityType, entityId), row.serverId);
        return m_rows.insert(row.serverId, row).value();
    }

    QHash<QString, SyncRow> m_rows;   // server id → row
    QHash<QString, QString> m_byKey;  // user, entity type and entity id → server id
    qint64 m_seq = 0;                 // the global change order
    qint64 m_serial = 0;              // server ids handed out
    QSet<QString> m_rejected;
    bool m_omitServerId = false;
};

} // namespace

void addSyncRoutes(TestService& service)
{
    auto store = std::make_shared<SyncStore>();
    service.addResetHook([store] { store->reset(); });

    service.addRoute("POST", QStringLiteral("/sync/push"),
        service.authenticated([store](const HttpRequest& request, const QStringList&, const QString& subject) {
            const QJsonValue changes = TestService::bodyObject(request).value(QLatin1String("changes"));
            if (!changes.isArray())
                return TestService::json(400, {{"error", "changes must be an array"}});
            QJsonArray results;
            for (const QJsonValue& change : changes.toArray())
                results.append(store->push(subject, change.toObject()));
            return TestService::json(200, {{"results", results}});
        }));

    service.addRoute("POST", QStringLiteral("/_control/sync"), [store](const HttpRequest& request, const QStringList&) {
        store->configure(TestService::bodyObject(request));
        return TestService::json(200, {});
    });

    service.addRoute("GET", QStringLiteral("/_control/sync/rows"), [store](const HttpRequest&, const QStringList&) {
        return TestService::json(200, {{"rows", store->rows()}});
    });
}
