// A protected echo route for transport tests.
//   GET/POST/PUT/PATCH/DELETE /echo  with a live bearer token issued here:
//   200 {"sub", "method", "query", "body"}; otherwise 401 {"error": "unauthorized"}.

#include "routes.h"
#include "testservice.h"

void addEchoRoutes(TestService& service)
{
    for (const char* method : {"GET", "POST", "PUT", "PATCH", "DELETE"}) {
        service.addRoute(method, QStringLiteral("/echo"), [&service](const HttpRequest& request, const QStringList&) {
            const std::optional<QString> subject = service.bearerSubject(request);
            if (!subject)
                return TestService::error(401, QStringLiteral("unauthorized"));
            return TestService::json(200, {{"sub", *subject},
                                           {"method", QString::fromLatin1(request.method)},
                                           {"query", request.query.toString(QUrl::FullyDecoded)},
                                           {"body", QString::fromUtf8(request.body)}});
        });
    }
}
