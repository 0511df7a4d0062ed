#include "coretestsupport.h"

#include "data/database.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>

namespace TestSupport {

namespace {
QTemporaryDir* g_home = nullptr;
}

void isolateEnvironment()
{
    if (!g_home)
        g_home = new QTemporaryDir(); // lives for the whole process
    const QString home = g_home->path();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QDir(home).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home).filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CACHE_HOME", QDir(home).filePath(QStringLiteral("cache")).toUtf8());
    qputenv("TALLYLEAF_DATA_DIR", QDir(home).filePath(QStringLiteral("tallyleaf")).toUtf8());
    qunsetenv("TALLYLEAF_VERBOSE");
    // Tokens must never reach the desktop's real keyring; the one test of the
    // secret store runs its child inside a private session bus of its own.
    if (!qEnvironmentVariableIsSet("TALLYLEAF_KEYRING_CHILD"))
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
}

QString testHome()
{
    return g_home ? g_home->path() : QString();
}

TempDatabase::TempDatabase()
    : database(std::make_unique<Database>())
{
    if (!database->open(path()) || !database->migrate())
        qFatal("could not create the test database");
}

TempDatabase::~TempDatabase()
{
    database.reset();
}

QString TempDatabase::path() const
{
    return dir.filePath(QStringLiteral("tallyleaf.db"));
}

void exec(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database());
    if (!q.exec(sql))
        qFatal("SQL failed: %s: %s", qPrintable(sql), qPrintable(q.lastError().text()));
}

QVariant scalar(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database());
    if (!q.exec(sql) || !q.next())
        return QVariant();
    return q.value(0);
}

} // namespace TestSupport
