#pragma once

#include "coretestsupport.h"

#include <QApplication>

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
