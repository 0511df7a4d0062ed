#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// Unless TALLYLEAF_VERBOSE is set, debug and info messages are dropped,
// warnings are written as "WARN: <text>" and critical or fatal messages as
// "<text>", each on one line of standard error.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message);

// What quietMessageHandler writes for a message; empty when it is dropped.
QByteArray formatQuietMessage(QtMsgType type, const QString& message);
