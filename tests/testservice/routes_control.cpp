// Control routes for tests, under /_control/ (never logged, never faulted):
//   POST   /_control/reset                 forget tokens, faults and requests
//   POST   /_control/faults                {"route", "mode", "status", "body", "delay_ms", "times",
//                                            "raw", "size", "framed", "endless",
//                                            "location"}
//   DELETE /_control/faults                clear every fault
//   GET    /_control/requests[?route=R]    {"requests": [{method, path, route, query, headers, body}]}
//   DELETE /_control/requests              forget the received requests
//   POST   /_control/tokens                {"sub", "access_ttl", "custom"} → {"access_token", "refresh_token"};
//                                          "custom" (when given) becomes the subject's token claims

#include "routes.h"
#include "testservice.h"

void addControlRoutes(TestService& service)
{
    service.addRoute("POST", QStringLiteral("/_control/reset"), [&service](const HttpRequest&, const QStringList&) {
        service.reset();
        return TestService::json(200, {});
    });

    service.addRoute(
        "POST", QStringLiteral("/_control/faults"), [&service](const HttpRequest& request, const QStringList&) {
            const QJsonObject settings = TestService::bodyObject(request);
            TestService::Fault fault;
            fault.mode = settings.value(QLatin1String("mode")).toString(QStringLiteral("status"));
            fault.status = settings.value(QLatin1String("status")).toInt(500);
            fault.body = settings.value(QLatin1String("body")).toObject();
            fault.delayMs = settings.value(QLatin1String("delay_ms")).toInt(0);
            fault.times = settings.value(QLatin1String("times")).toInt(-1);
            fault.raw = settings.value(QLatin1String("raw")).toString().toUtf8();
            fault.size = settings.value(QLatin1String("size")).toInt(0);
            fault.framed = settings.value(QLatin1String("framed")).toBool(true);
            fault.endless = settings.value(QLatin1String("endless")).toBool(false);
            fault.location = settings.value(QLatin1String("location")).toString().toUtf8();
            const QStringList modes{"status", "hang", "close", "garbage", "delay", "slow", "raw", "huge", "redirect"};
            const QString route = settings.value(QLatin1String("route")).toString();
            if (route.isEmpty() || !modes.contains(fault.mode) || fault.times == 0)
                return TestService::error(400, QStringLiteral("bad_fault"));
            service.addFault(route, fault);
            return TestService::json(200, {});
        });

    service.addRoute("DELETE", QStringLiteral("/_control/faults"), [&service](const HttpRequest&, const QStringList&) {
        service.clearFaults();
        return TestService::json(200, {});
    });

    service.addRoute(
        "GET", QStringLiteral("/_control/requests"), [&service](const HttpRequest& request, const QStringList&) {
            const QString route = request.query.queryItemValue(QStringLiteral("route"), QUrl::FullyDecoded);
            return TestService::json(200, {{"requests", service.requests(route)}});
        });

    service.addRoute(
        "DELETE", QStringLiteral("/_control/requests"), [&service](const HttpRequest&, const QStringList&) {
            service.clearRequests();
            return TestService::json(200, {});
        });

    service.addRoute(
        "POST", QStringLiteral("/_control/tokens"), [&service](const HttpRequest& request, const QStringList&) {
            const QJsonObject settings = TestService::bodyObject(request);
            const QString subject = settings.value(QLatin1String("sub")).toString(QStringLiteral("user-1"));
            if (settings.contains(QLatin1String("custom")))
                service.setCustomClaims(subject, settings.value(QLatin1String("custom")).toObject());
            const TestService::TokenPair pair = service.issueTokens(
                subject, settings.value(QLatin1String("access_ttl")).toInteger(TestService::kDefaultAccessTtl));
            return TestService::json(200, {{"access_token", pair.accessToken}, {"refresh_token", pair.refreshToken}});
        });
}
