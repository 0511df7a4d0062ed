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
//   POST /_control/sync        {"reject": [entity ids], "omit_server_id": bool}: until reset (or the next
//                              "reject" list), changes of those ids get status "rejected" (message
//                              "rejected by test") and are not stored, and with omit_server_id "ok" results
//                              carry "server_id": "".
//   GET  /_control/sync/rows   {"rows": [server rows]} of every user in change order.
//   POST /_control/sync/elsewhere  {"user", "changes": [change objects]} → {"results": [...]}: the user's
//                              changes from a client that keeps no ids of its own: the rows have no
//                              client id ("client_id" ""); a change names its row by the payload's
//                              "server_id", and a new row takes that server id when one is given.
//   POST /_control/sync/pull   how /sync/pull answers until reset (each key optional):
//                              "order" "global" (default: change order) or "by_type" (accounts,
//                              categories, schedules, transactions, reconciliations, each in change
//                              order); "plain_cursor" (cursors joined by "." instead of "+");
//                              "fail_page" N (the Nth pull from now answers 500 {"error": "boom"});
//                              "recurring_key" (the key schedules go out under, default
//                              "recurring_transactions"); "not_array" (a key whose value becomes the
//                              string "oops"); "empty_cursor_with_more" (every reply says has_more with
//                              cursor ""); "category_count" (the integrity count sent instead of the
//                              real one; -1 leaves "integrity" out); "limit" (pages hold at most this
//                              many rows, whatever the request asks).
//   GET  /sync/pull?cursor=C&limit=N  The caller's rows after the cursor, at most N (default 200, at most
//                              1000) in the chosen order, the device's own pushes included:
//                              {"accounts", "categories", "recurring_transactions", "transactions",
//                              "reconciliations": [server rows], "cursor", "has_more", "integrity":
//                              {"category_count": live categories}}. The cursor holds, per entity type,
//                              the last "seq" handed out, joined by "+"; the query is decoded as a form
//                              (a literal "+" is a space), and a cursor that does not read back answers
//                              400 {"error": "bad cursor"}.
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
#include <QUrl>

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

    void configure(const QJsonObject& settings)
    {
        if (settings.contains(QLatin1String("reject")))
            m_rejected.clear();
        for (const QJsonValue& id : settings.value(QLatin1String("reject")).toArray())
            m_rejected.insert(id.toString());
        m_omitServerId = settings.value(QLatin1String("omit_server_id")).toBool();
    }

    QJsonObject push(const QString& user, const QJsonObject& change, bool madeElsewhere = false)
    {
        const QString entityType = change.value(QLatin1String("entity_type")).toString();
        const QString entityId = madeElsewhere ? QString() : change.value(QLatin1String("entity_id")).toString();
        const QString action = change.value(QLatin1String("action")).toString();
        QJsonObject result{{"entity_type", entityType}, {"entity_id", entityId}, {"server_id", ""}};
        const auto answer = [&result](const char* status, const QString& message) {
            result.insert(QStringLiteral("status"), QLatin1String(status));
            result.insert(QStringLiteral("message"), message);
            return result;
        };
        if (!kEntityTypes.contains(entityType) || (entityId.isEmpty() && !madeElsewhere)
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

    void configurePull(const QJsonObject& settings)
    {
        m_pull = settings;
        m_pullCount = 0;
    }

    HttpResponse pull(const QString& user, const HttpRequest& request)
    {
        ++m_pullCount;
        if (m_pull.value(QLatin1String("fail_page")).toInt() == m_pullCount)
            return TestService::json(500, {{"error", "boom"}});
        const QChar separator = m_pull.value(QLatin1String("plain_cursor")).toBool() ? QLatin1Char('.')
                                                                                    : QLatin1Char('+');
        // As a form decoder reads it: '+' is a space, then %XX.
        const QString raw = request.query.queryItemValue(QStringLiteral("cursor"), QUrl::FullyEncoded);
        const QString cursorText =
            QUrl::fromPercentEncoding(raw.toUtf8().replace('+', ' '));
        QList<qint64> after(kEntityTypes.size(), 0);
        if (!cursorText.isEmpty()) {
            const QStringList parts = cursorText.split(separator);
            bool ok = parts.size() == kEntityTypes.size();
            for (int i = 0; ok && i < parts.size(); ++i)
                after[i] = parts.at(i).toLongLong(&ok);
            if (!ok)
                return TestService::json(400, {{"error", "bad cursor"}});
        }
        int limit = request.query.queryItemValue(QStringLiteral("limit")).toInt();
        if (limit <= 0 || limit > 1000)
            limit = limit <= 0 ? 200 : 1000;
        if (m_pull.contains(QLatin1String("limit")))
            limit = std::min(limit, std::max(1, m_pull.value(QLatin1String("limit")).toInt()));

        QList<const SyncRow*> due;
        int liveCategories = 0;
        for (const SyncRow& row : m_rows) {
            if (row.user != user)
                continue;
            if (row.entityType == QLatin1String("category") && row.deletedAt.isEmpty())
                ++liveCategories;
            if (row.seq > after.at(kEntityTypes.indexOf(row.entityType)))
                due.append(&row);
        }
        const bool byType = m_pull.value(QLatin1String("order")).toString() == QLatin1String("by_type");
        std::sort(due.begin(), due.end(), [byType](const SyncRow* a, const SyncRow* b) {
            if (byType && a->entityType != b->entityType)
                return kEntityTypes.indexOf(a->entityType) < kEntityTypes.indexOf(b->entityType);
            return a->seq < b->seq;
        });
        const QStringList keys{"accounts", "categories",
                               m_pull.value(QLatin1String("recurring_key")).toString(QStringLiteral("recurring_transactions")),
                               "transactions", "reconciliations"};
        QList<QJsonArray> arrays(keys.size());
        for (int i = 0; i < due.size() && i < limit; ++i) {
            const int type = kEntityTypes.indexOf(due.at(i)->entityType);
            arrays[type].append(serverRow(*due.at(i)));
            after[type] = std::max(after.at(type), due.at(i)->seq);
        }
        QJsonObject reply;
        for (int i = 0; i < keys.size(); ++i)
            reply.insert(keys.at(i), arrays.at(i));
        QStringList parts;
        for (qint64 seq : std::as_const(after))
            parts << QString::number(seq);
        reply.insert(QStringLiteral("cursor"), parts.join(separator));
        reply.insert(QStringLiteral("has_more"), due.size() > limit);
        const int count = m_pull.value(QLatin1String("category_count")).toInt(liveCategories);
        if (count >= 0)
            reply.insert(QStringLiteral("integrity"), QJsonObject{{"category_count", count}});
        const QString notArray = m_pull.value(QLatin1String("not_array")).toString();
        if (!notArray.isEmpty())
            reply.insert(notArray, QStringLiteral("oops"));
        if (m_pull.value(QLatin1String("empty_cursor_with_more")).toBool()) {
            reply.insert(QStringLiteral("cursor"), QString());
            reply.insert(QStringLiteral("has_more"), true);
        }
        return TestService::json(200, reply);
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
        const QString known = entityId.isEmpty() ? QString() : m_byKey.value(key(user, entityType, entityId));
        if (!known.isEmpty())
            return m_rows[known];
        SyncRow row;
        row.serverId = entityId.isEmpty() && !serverId.isEmpty() && !m_rows.contains(serverId)
            ? serverId
            : QStringLiteral("srv-%1").arg(++m_serial);
        row.user = user;
        row.entityType = entityType;
        row.entityId = entityId;
        if (!entityId.isEmpty())
            m_byKey.insert(key(user, entityType, entityId), row.serverId);
        return m_rows.insert(row.serverId, row).value();
    }

    QHash<QString, SyncRow> m_rows;   // server id → row
    QHash<QString, QString> m_byKey;  // user, entity type and entity id → server id
    qint64 m_seq = 0;                 // the global change order
    qint64 m_serial = 0;              // server ids handed out
    QSet<QString> m_rejected;
    bool m_omitServerId = false;
    QJsonObject m_pull;   // how pulls answer
    int m_pullCount = 0;  // pulls since configurePull
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

    service.addRoute("GET", QStringLiteral("/sync/pull"),
        service.authenticated([store](const HttpRequest& request, const QStringList&, const QString& subject) {
            return store->pull(subject, request);
        }));

    service.addRoute("POST", QStringLiteral("/_control/sync/pull"),
                     [store](const HttpRequest& request, const QStringList&) {
                         store->configurePull(TestService::bodyObject(request));
                         return TestService::json(200, {});
                     });

    service.addRoute("POST", QStringLiteral("/_control/sync"), [store](const HttpRequest& request, const QStringList&) {
        store->configure(TestService::bodyObject(request));
        return TestService::json(200, {});
    });

    service.addRoute("POST", QStringLiteral("/_control/sync/elsewhere"),
                     [store](const HttpRequest& request, const QStringList&) {
                         const QJsonObject body = TestService::bodyObject(request);
                         const QString user = body.value(QLatin1String("user")).toString();
                         QJsonArray results;
                         for (const QJsonValue& change : body.value(QLatin1String("changes")).toArray())
                             results.append(store->push(user, change.toObject(), true));
                         return TestService::json(200, {{"results", results}});
                     });

    service.addRoute("GET", QStringLiteral("/_control/sync/rows"), [store](const HttpRequest&, const QStringList&) {
        return TestService::json(200, {{"rows", store->rows()}});
    });
}
