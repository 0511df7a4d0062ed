#include "testsupport.h"

#include "app/appstate.h"
#include "ui/register/registerscreen.h"

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

AppState* startRegisterSuite()
{
    quietPlatformWarnings();
    auto* state = new AppState;
    if (state->initialize())
        return state;
    delete state;
    return nullptr;
}

void endRegisterSuite(AppState* state)
{
    restorePlatformWarnings();
    delete state;
}

RegisterScreen* showRegister(AppState* state, const QSize& size)
{
    auto* screen = new RegisterScreen(state);
    screen->resize(size);
    screen->show();
    return screen;
}

} // namespace TestSupport
