// Helper of the sync crash-safety and soak tests: one installation (a data
// directory) signed in to the test service, in a process of its own so that
// a test can kill it or watch its memory and open files.
//
// Usage: sync_child cycle <data dir> <service url> <access token> <refresh token>
//          one sync cycle; prints "begin", "page" after every commit of
//          pulled pages and "done" (exit 0) or "failed <error>" (exit 1)
//        sync_child soak <data dir> <service url> <access token> <refresh token> <seconds> <seed>
//          edits its transactions and syncs every half second for <seconds>;
//          prints "stats <edits> <rss kB> <open files>" every two seconds and
//          "done <edits>" after a last cycle

#include "syncstack.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTimer>
#include <QUuid>

#include <cstdio>

namespace {

void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int openFiles()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size());
}

// One cycle, reported page by page.
int runCycle(SyncStack& installation)
{
    QObject::connect(installation.transactions.get(), &TransactionRepository::transactionsChanged,
                     [] { say("page"); });
    QObject::connect(installation.engine.get(), &SyncEngine::syncCompleted, [] {
        say("done");
        QCoreApplication::exit(0);
    });
    QObject::connect(installation.engine.get(), &SyncEngine::syncFailed, [](const QString& error) {
        say("failed " + error.toUtf8());
        QCoreApplication::exit(1);
    });
    // Two pages a commit: kills land between commits and between the held
    // pages of one.
    installation.engine->setPullCommitRows(80);
    say("begin");
    installation.engine->syncNow();
    return QCoreApplication::exec();
}

// A few edits of this installation's own making: new transactions, changed
// amounts and memos, deletions, on the first account there is.
int edit(SyncStack& installation, QRandomGenerator& random)
{
    const QList<Account> accounts = installation.accounts->findAll();
    if (accounts.isEmpty())
        return 0;
    const QString accountId = accounts.first().id;
    QList<Transaction> rows = installation.transactions->findByAccount(accountId);
    int edits = 0;
    for (int i = 0; i < 3; ++i) {
        const int kind = int(random.bounded(10));
        if (rows.size() < 50 || kind < 4) {
            Transaction row;
            row.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            row.accountId = accountId;
            row.date = QDate(2026, 1, 1).addDays(random.bounded(365));
            row.payee = QStringLiteral("Soak %1").arg(random.bounded(100));
            row.amount = -qint64(random.bounded(100000));
            row.createdAt = row.updatedAt = QDateTime::currentDateTimeUtc();
            edits += installation.transactions->insert(row) ? 1 : 0;
        } else if (kind < 9) {
            Transaction row = rows.at(int(random.bounded(rows.size())));
            row.amount = -qint64(random.bounded(100000));
            row.memo = QStringLiteral("edit %1").arg(random.generate());
            row.updatedAt = QDateTime::currentDateTimeUtc();
            row.syncStatus = SyncStatus::Pending; // as every edit of the program's own marks it
            edits += installation.transactions->update(row) ? 1 : 0;
        } else {
            edits += installation.transactions->softDelete(rows.takeAt(int(random.bounded(rows.size()))).id) ? 1 : 0;
        }
    }
    return edits;
}

int runSoak(SyncStack& installation, int seconds, quint32 seed)
{
    QRandomGenerator random(seed);
    QElapsedTimer clock;
    clock.start();
    QElapsedTimer sinceStats;
    sinceStats.start();
    int edits = 0;
    bool finishing = false;
    // Edit, sync, and again when the cycle ends, until the time is up; then
    // one last cycle carries the last edits.
    auto next = [&] {
        if (sinceStats.elapsed() >= 2000) {
            sinceStats.restart();
            say("stats " + QByteArray::number(edits) + ' ' + QByteArray::number(residentKb()) + ' '
                + QByteArray::number(openFiles()));
        }
        if (finishing) {
            say("done " + QByteArray::number(edits));
            QCoreApplication::exit(0);
            return;
        }
        finishing = clock.elapsed() >= seconds * 1000LL;
        if (!finishing)
            edits += edit(installation, random);
        installation.engine->syncNow();
    };
    QObject::connect(installation.engine.get(), &SyncEngine::syncCompleted, [&] {
        QTimer::singleShot(finishing ? 0 : 500, next);
    });
    QObject::connect(installation.engine.get(), &SyncEngine::syncFailed, [&](const QString& error) {
        say("failed " + error.toUtf8());
        QCoreApplication::exit(1);
    });
    QTimer::singleShot(0, next);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // The engine's progress lines would bury the test's own output.
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false\n*.info=false"));
    const QStringList args = app.arguments();
    const bool soak = args.value(1) == QLatin1String("soak");
    if (args.size() != (soak ? 8 : 6) || (!soak && args.value(1) != QLatin1String("cycle"))) {
        say("usage: sync_child cycle|soak <data dir> <service url> <access> <refresh> [<seconds> <seed>]");
        return 2;
    }
    SyncStack installation;
    if (!installation.open(QDir(args.at(2)).filePath(QStringLiteral("tallyleaf.db")), args.at(3), args.at(4),
                           args.at(5))) {
        say("failed to open the database");
        return 1;
    }
    return soak ? runSoak(installation, args.at(6).toInt(), args.at(7).toUInt()) : runCycle(installation);
}
