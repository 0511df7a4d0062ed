#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace LarkAccount {

// What the sign-in callback server makes of the bytes a connection has
// sent so far. Only the request line is read; it must end in CRLF within
// kMaxCallbackRequestLine bytes.
enum class CallbackVerdict {
    NeedMore,   // no CRLF yet: wait for more bytes
    Accepted,   // GET /callback carrying the expected state
    WrongState, // GET /callback without the expected state (forged or stale)
    NotFound,   // another method or another path
    BadRequest, // not an HTTP request line, or longer than the cap
};

inline constexpr qsizetype kMaxCallbackRequestLine = 8 * 1024;

struct CallbackRequest
{
    CallbackVerdict verdict = CallbackVerdict::NeedMore;
    // For Accepted: "http://localhost:<port>" followed by the request target.
    QUrl url;
};

// Reads the request line at the start of `received` for a server on
// `port` that expects the sign-in `state`. Pure: the same bytes always
// give the same answer, so a caller may feed it its growing buffer.
CallbackRequest readCallbackRequest(const QByteArray& received, quint16 port, const QString& expectedState);

} // namespace LarkAccount
