#pragma once

#include "coretestsupport.h"

#include <QApplication>

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
