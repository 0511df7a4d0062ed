#include "app/messagefilter.h"

#include <cstdio>

QByteArray formatQuietMessage(QtMsgType type, const QString& message)
{
    switch (type) {
    case QtDebugMsg:
    case QtInfoMsg:
        return QByteArray();
    case QtWarningMsg:
        return QByteArrayLiteral("WARN: ") + message.toLocal8Bit() + '\n';
    case QtCriticalMsg:
    case QtFatalMsg:
        return message.toLocal8Bit() + '\n';
    }
    return QByteArray();
}

void quietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const QByteArray line = formatQuietMessage(type, message);
    if (!line.isEmpty()) {
        std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
        std::fflush(stderr);
    }
}
