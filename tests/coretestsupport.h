#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

class Database;

// What every suite shares: an isolated environment, a migrated database and
// SQL on the default connection. Suites without widgets include only this and
// link only the core library; widget suites include testsupport.h.
namespace TestSupport {

// Points every per-user location (settings, data, the app's data directory)
// into a fresh temporary directory and selects the offscreen platform.
// Called before the application object exists.
void isolateEnvironment();
// The temporary home made by isolateEnvironment.
QString testHome();

// A migrated database in its own temporary directory; removes its
// connection when destroyed so tests can open several in turn.
struct TempDatabase
{
    TempDatabase();
    ~TempDatabase();
    QString path() const;
    Database* db() const { return database.get(); }
    Database* operator->() const { return database.get(); }

    QTemporaryDir dir;
    std::unique_ptr<Database> database;
};

// Executes SQL on the default connection; fails the test on error.
void exec(const QString& sql);
// Scalar result of one SELECT on the default connection.
QVariant scalar(const QString& sql);

} // namespace TestSupport

// main() for a test class without widgets: isolated environment, then a
// QCoreApplication.
#define TALLYLEAF_CORE_TEST_MAIN(TestClass)                                                                            \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        TestSupport::isolateEnvironment();                                                                             \
        QCoreApplication app(argc, argv);                                                                              \
        TestClass tc;                                                                                                  \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }
