#include "testsupport.h"

namespace TestSupport {

namespace {

QtMessageHandler g_previousHandler = nullptr;

void quietPlatformHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (!message.startsWith(QLatin1String("This plugin does not support")) && g_previousHandler)
        g_previousHandler(type, context, message);
}

} // namespace

void quietPlatformWarnings()
{
    g_previousHandler = qInstallMessageHandler(quietPlatformHandler);
}

void restorePlatformWarnings()
{
    qInstallMessageHandler(g_previousHandler);
}

} // namespace TestSupport
