// Helper of tst_crashsafety: runs one import into a database and tells its
// progress on standard output, so that the test can kill it part-way.
//
// Usage: crashsafety_child csv|qif|backup <database> <input file> <account id>
// Prints "begin" right before the import, "progress <n>" at every 100th
// record of a file import and "done <imported>" after the import; exits 0
// on success, 1 on failure and 3, before "begin", when this build has no
// import of that kind.

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/importservice.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QStringList>

#include <cstdio>

namespace {

void say(const QByteArray& line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

int finish(const ImportResult& result)
{
    say("done " + QByteArray::number(result.imported));
    return result.failed ? 1 : 0;
}

// The QIF import where ImportService has one; the file has no account
// header, so its source key is its path.
template <typename Service>
auto importQif(Service& service, const QString& path, const QString& accountId, int)
    -> decltype(service.importQif(QStringList(), QHash<QString, QString>()), int())
{
    say("begin");
    return finish(service.importQif({path}, {{path, accountId}}));
}

template <typename Service>
int importQif(Service&, const QString&, const QString&, long)
{
    return 3;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 1;
    const QString kind = args.at(1);
    const QString input = args.at(3);
    const QString accountId = args.at(4);

    Database database;
    if (!database.open(args.at(2)) || !database.migrate())
        return 1;
    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    ImportService importer(&database, &transactions, &categories, &splitLines);
    QObject::connect(&importer, &ImportService::importProgress, [](int current, int total) {
        if (current < total)
            say("progress " + QByteArray::number(current));
    });

    if (kind == QLatin1String("csv")) {
        CsvColumnMapping mapping;
        mapping.hasHeader = true;
        mapping.memoColumn = 3;
        mapping.categoryColumn = 4;
        say("begin");
        return finish(importer.importCsv(input, accountId, mapping));
    }
    if (kind == QLatin1String("qif"))
        return importQif(importer, input, accountId, 0);
    if (kind == QLatin1String("backup")) {
        QFile file(input);
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        const QByteArray archive = file.readAll();
        BackupService backup(&database);
        say("begin");
        const BackupImportResult result = backup.importBackup(archive, BackupImportMode::ReplaceAll);
        say("done " + QByteArray::number(result.transactionsImported));
        return result.errors.isEmpty() ? 0 : 1;
    }
    return 1;
}
