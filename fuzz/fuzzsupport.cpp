#include "fuzzsupport.h"

#include "data/database.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace FuzzSupport {

namespace {

void quietHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg || type == QtCriticalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

QTemporaryDir* scratchDir()
{
    static QTemporaryDir* dir = new QTemporaryDir(); // lives for the process
    return dir;
}

void execOrDie(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database());
    if (!q.exec(sql))
        qFatal("fuzz set-up failed: %s", qPrintable(sql));
}

} // namespace

void initApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    qInstallMessageHandler(quietHandler);
    new QCoreApplication(argc, argv); // lives for the process
}

Database* scratchDatabase()
{
    static Database* database = nullptr;
    if (database)
        return database;
    initApplication();
    if (!scratchDir()->isValid())
        qFatal("fuzz set-up: no temporary directory");
    database = new Database(); // lives for the process
    if (!database->open(scratchDir()->filePath(QStringLiteral("fuzz.db"))) || !database->migrate())
        qFatal("fuzz set-up: could not create the scratch database");
    execOrDie(QStringLiteral("PRAGMA synchronous = OFF"));
    resetScratchData();
    return database;
}

void resetScratchData()
{
    // Children first, for the foreign keys.
    execOrDie(QStringLiteral("DELETE FROM split_lines"));
    execOrDie(QStringLiteral("DELETE FROM reconciliations"));
    execOrDie(QStringLiteral("DELETE FROM recurring_transactions"));
    execOrDie(QStringLiteral("DELETE FROM transactions"));
    execOrDie(QStringLiteral("UPDATE categories SET parent_id = NULL"));
    execOrDie(QStringLiteral("DELETE FROM categories"));
    // A restore may have replaced the scratch account too.
    execOrDie(QStringLiteral("DELETE FROM accounts"));
    for (const QString& id : {kAccountId, kOtherAccountId}) {
        execOrDie(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) "
                                 "VALUES ('%1', '%1', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")
                      .arg(id));
    }
}

qint64 rowCount(const QString& table)
{
    QSqlQuery q(QSqlDatabase::database());
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(table)) || !q.next())
        qFatal("fuzz: could not count %s", qPrintable(table));
    return q.value(0).toLongLong();
}

bool databaseIntact()
{
    QSqlQuery q(QSqlDatabase::database());
    if (!q.exec(QStringLiteral("PRAGMA integrity_check")) || !q.next() || q.value(0).toString() != QLatin1String("ok"))
        return false;
    q.finish();
    return q.exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts, rank) VALUES('integrity-check', 1)"));
}

QString writeScratchFile(const QString& name, const QByteArray& content)
{
    const QString path = scratchDir()->filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("fuzz set-up: could not write %s", qPrintable(path));
    return path;
}

} // namespace FuzzSupport
