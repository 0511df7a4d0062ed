#include "account/core/callbackrequest.h"

#include <QList>
#include <QUrlQuery>

namespace LarkAccount {

namespace {

// Compares without stopping at the first difference, so the time taken
// says nothing about how much of a guessed state was right.
bool sameSecret(const QString& given, const QString& expected)
{
    if (given.size() != expected.size())
        return false;
    char16_t difference = 0;
    for (qsizetype i = 0; i < given.size(); ++i)
        difference |= given.at(i).unicode() ^ expected.at(i).unicode();
    return difference == 0;
}

} // namespace

CallbackRequest readCallbackRequest(const QByteArray& received, quint16 port, const QString& expectedState)
{
    CallbackRequest request;
    const qsizetype lineEnd = received.indexOf("\r\n");
    if (lineEnd < 0 || lineEnd + 2 > kMaxCallbackRequestLine) {
        request.verdict = received.size() >= kMaxCallbackRequestLine ? CallbackVerdict::BadRequest
                                                                     : CallbackVerdict::NeedMore;
        return request;
    }

    // "METHOD SP target SP HTTP/x.y", nothing more and nothing empty.
    const QList<QByteArray> words = received.left(lineEnd).split(' ');
    if (words.size() != 3 || words.at(0).isEmpty() || words.at(1).isEmpty() || !words.at(2).startsWith("HTTP/")) {
        request.verdict = CallbackVerdict::BadRequest;
        return request;
    }
    const QByteArray& target = words.at(1);
    qsizetype pathEnd = target.size();
    for (const char delimiter : {'?', '#'}) {
        const qsizetype at = target.indexOf(delimiter);
        if (at >= 0)
            pathEnd = qMin(pathEnd, at);
    }
    if (words.at(0) != "GET" || target.left(pathEnd) != "/callback") {
        request.verdict = CallbackVerdict::NotFound;
        return request;
    }

    // The target starts with "/", so it cannot change the host or the port.
    const QUrl url = QUrl::fromEncoded("http://localhost:" + QByteArray::number(port) + target);
    if (!url.isValid()) {
        request.verdict = CallbackVerdict::BadRequest;
        return request;
    }
    const QString state = QUrlQuery(url).queryItemValue(QStringLiteral("state"), QUrl::FullyDecoded);
    if (expectedState.isEmpty() || !sameSecret(state, expectedState)) {
        request.verdict = CallbackVerdict::WrongState;
        return request;
    }
    request.verdict = CallbackVerdict::Accepted;
    request.url = url;
    return request;
}

} // namespace LarkAccount
