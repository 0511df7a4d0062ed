#pragma once

#include <QtGlobal>

class QNetworkReply;

// Bounds one network reply from a server we do not control: a body past
// `maxBytes` (declared, or received while still unread) or an exchange still running after `deadlineMs` aborts it.
// Qt's transfer timeout only counts silence, so a server trickling a byte at
// a time would otherwise hold a request open for ever.
void limitReply(QNetworkReply* reply, qint64 maxBytes, int deadlineMs);

// True when limitReply aborted `reply`; its body must then be ignored.
bool replyWasLimited(const QNetworkReply* reply);
