#pragma once

#include "coretestsupport.h"

#include <QApplication>
#include <QSize>

class AppState;
class RegisterScreen;

namespace TestSupport {

// The offscreen platform warns on every window it cannot activate or place
// ("This plugin does not support ..."); this hides those and passes every
// other message to the handler in place before. restorePlatformWarnings puts
// that handler back.
void quietPlatformWarnings();
void restorePlatformWarnings();

// The child of parent called name, of type T; ends the run when there is none,
// so a renamed widget fails loudly instead of crashing later.
template <typename T>
T* field(QObject* parent, const char* name)
{
    T* widget = parent->findChild<T*>(QLatin1String(name));
    if (!widget)
        qFatal("no field %s", name);
    return widget;
}

// What a register suite holds for its whole run: the platform's warnings
// quieted, then a fresh AppState over the isolated data directory (nullptr
// when it does not start). endRegisterSuite undoes both.
AppState* startRegisterSuite();
void endRegisterSuite(AppState* state);
// A new register screen on state, resized and shown; the caller waits for
// its window.
RegisterScreen* showRegister(AppState* state, const QSize& size);

} // namespace TestSupport

// main() for a test class with widgets: isolated environment, then a
// QApplication.
#define TALLYLEAF_TEST_MAIN(TestClass)                                                                                 \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TestSupport::isolateEnvironment();                                                                             \
        QApplication app(argc, argv);                                                                                  \
        TestClass tc;                                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
