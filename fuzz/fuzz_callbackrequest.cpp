// The sign-in callback server's reading of a request line, on arbitrary
// bytes: only a GET of /callback with the expected state is accepted, and
// the answer never depends on how the bytes were split into reads.

#include "fuzzsupport.h"

#include "account/core/callbackrequest.h"

#include <QUrlQuery>

using namespace LarkAccount;

namespace {

constexpr quint16 kPort = 19876;
const QString kState = QStringLiteral("s7Qx-_9");

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::initApplication();
    const QByteArray received = FuzzSupport::bytes(data, size);
    const CallbackRequest request = readCallbackRequest(received, kPort, kState);

    const qsizetype lineEnd = received.indexOf("\r\n");
    const bool wholeLine = lineEnd >= 0 && lineEnd + 2 <= kMaxCallbackRequestLine;
    if (!wholeLine) {
        FUZZ_CHECK(request.verdict
                   == (received.size() >= kMaxCallbackRequestLine ? CallbackVerdict::BadRequest
                                                                  : CallbackVerdict::NeedMore));
    }
    FUZZ_CHECK(request.url.isEmpty() == (request.verdict != CallbackVerdict::Accepted));
    if (request.verdict == CallbackVerdict::Accepted) {
        FUZZ_CHECK(received.startsWith("GET /callback"));
        FUZZ_CHECK(request.url.scheme() == QLatin1String("http"));
        FUZZ_CHECK(request.url.host() == QLatin1String("localhost"));
        FUZZ_CHECK(request.url.port() == kPort);
        FUZZ_CHECK(request.url.path() == QLatin1String("/callback"));
        FUZZ_CHECK(QUrlQuery(request.url).queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded) == kState);
    }

    // The same bytes arriving in two reads: the first read waits or already
    // gives the final answer.
    const qsizetype split = size > 0 ? qsizetype(data[0]) * qsizetype(size) / 256 : 0;
    const CallbackRequest early = readCallbackRequest(received.left(split), kPort, kState);
    FUZZ_CHECK(early.verdict == CallbackVerdict::NeedMore
               || (early.verdict == request.verdict && early.url == request.url));
    return 0;
}
