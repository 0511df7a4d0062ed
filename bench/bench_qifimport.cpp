// Times the analysis and the import of a generated QIF set: two files, one
// account each, with as many transfers between them as asked (each one a leg
// in either file), every 20th record split in two, and a category list.
//
// Usage: bench_qifimport [records [transfers]]   (defaults 100000 10000)

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <cstdio>

namespace {

const char* const kPayees[] = {"Grocery Outlet", "Shell", "Amazon", "Target", "Costco", "City Water", "Verizon",
                               "Netflix", "Starbucks", "Home Depot", "Apple", "Walgreens", "Payroll", "Uber"};
const char* const kCategories[] = {"Groceries", "Fuel", "Shopping", "Utilities", "Dining", "Income:Salary"};
constexpr int kPayeeCount = int(sizeof(kPayees) / sizeof(kPayees[0]));
constexpr int kCategoryCount = int(sizeof(kCategories) / sizeof(kCategories[0]));

QString money(qint64 cents)
{
    return QStringLiteral("%1%2.%3")
        .arg(cents < 0 ? QStringLiteral("-") : QString())
        .arg(qAbs(cents) / 100)
        .arg(qAbs(cents) % 100, 2, 10, QLatin1Char('0'));
}

QString qifDate(const QDate& date)
{
    return QStringLiteral("%1/%2'%3").arg(date.month()).arg(date.day()).arg(date.year() % 100, 2, 10, QLatin1Char('0'));
}

// One file of `records` records in `account`; the first `transfers` of them
// are legs to `other` (negative from Checking, positive into Savings).
QByteArray generate(const QString& account, const QString& other, int records, int transfers, bool outgoing)
{
    QString text;
    text.reserve(qsizetype(records) * 80);
    text += QStringLiteral("!Type:Cat\n");
    for (int c = 0; c < kCategoryCount; ++c)
        text += QStringLiteral("N%1\n%2\n^\n").arg(QLatin1String(kCategories[c]), c == 5 ? "I" : "E");
    text += QStringLiteral("!Account\nN%1\nTBank\n^\n!Type:Bank\n").arg(account);
    const QDate start(2015, 1, 1);
    for (int i = 0; i < records; ++i) {
        const QDate date = start.addDays(i % 3650);
        text += QStringLiteral("D%1\n").arg(qifDate(date));
        if (i < transfers) {
            const qint64 cents = (i % 4000 + 1) * 100;
            text += QStringLiteral("T%1\nPTransfer %2\nL[%3]\n^\n").arg(money(outgoing ? -cents : cents)).arg(i).arg(other);
            continue;
        }
        const qint64 cents = -((i * 7919) % 50000) - 1;
        text += QStringLiteral("T%1\nP%2 %3\nMmemo %4\nCX\n")
                    .arg(money(cents), QLatin1String(kPayees[i % kPayeeCount]))
                    .arg(i)
                    .arg(i % 13);
        if (i % 20 == 0) {
            const qint64 half = cents / 2;
            text += QStringLiteral("S%1\n$%2\nS%3\nEsecond\n$%4\n")
                        .arg(QLatin1String(kCategories[i % kCategoryCount]), money(half),
                             QLatin1String(kCategories[(i + 1) % kCategoryCount]), money(cents - half));
        } else {
            text += QStringLiteral("L%1\n").arg(QLatin1String(kCategories[i % kCategoryCount]));
        }
        text += QStringLiteral("^\n");
    }
    return text.toUtf8();
}

bool writeFile(const QString& path, const QByteArray& content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int transfers = argc > 2 ? QByteArray(argv[2]).toInt() : 10000;
    const int perFile = records / 2;

    QTemporaryDir dir;
    const QString checkingPath = dir.filePath(QStringLiteral("Checking.qif"));
    const QString savingsPath = dir.filePath(QStringLiteral("Savings.qif"));
    const QByteArray checking = generate(QStringLiteral("Checking"), QStringLiteral("Savings"), perFile, transfers, true);
    const QByteArray savings = generate(QStringLiteral("Savings"), QStringLiteral("Checking"), records - perFile,
                                        transfers, false);
    if (!writeFile(checkingPath, checking) || !writeFile(savingsPath, savings)) {
        std::fprintf(stderr, "cannot write the QIF files\n");
        return 1;
    }
    std::printf("QIF files: %d records, %d transfers, %.1f MB\n", records, transfers,
                (checking.size() + savings.size()) / 1048576.0);

    Database database;
    if (!database.open(dir.filePath(QStringLiteral("tallyleaf.db"))) || !database.migrate()) {
        std::fprintf(stderr, "cannot create the database\n");
        return 1;
    }
    QSqlQuery accounts(database.database());
    if (!accounts.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                      "('a1', 'Checking', 'x', 'x'), ('a2', 'Savings', 'x', 'x')"))) {
        std::fprintf(stderr, "cannot create the accounts: %s\n", qPrintable(accounts.lastError().text()));
        return 1;
    }

    TransactionRepository transactionRepository(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    ImportService service(&database, &transactionRepository, &categories, &splitLines);
    const QStringList paths{checkingPath, savingsPath};

    QElapsedTimer timer;
    timer.start();
    const QifAnalysis analysis = service.analyzeQifFiles(paths);
    const double analysisMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("analyzeQifFiles    %9.1f ms  accounts %lld, records %d\n", analysisMs,
                static_cast<long long>(analysis.accounts.size()), analysis.transactionCount);

    QHash<QString, QString> mapping;
    for (const QifSourceAccount& account : analysis.accounts)
        mapping.insert(account.key, account.key == QLatin1String("Checking") ? QStringLiteral("a1") : QStringLiteral("a2"));

    timer.restart();
    const ImportResult result = service.importQif(paths, mapping);
    const double importMs = double(timer.nsecsElapsed()) / 1e6;
    std::printf("importQif          %9.1f ms  imported %d, duplicates %d, unparseable %d, linked %d, "
                "database %d%s\n",
                importMs, result.imported, result.duplicatesSkipped, result.unparseableSkipped,
                result.transfersLinked, result.databaseErrorSkipped, result.failed ? ", FAILED" : "");

    QList<QifImportRecord> pairs;
    for (int i = 0; i < 200000; ++i) {
        QifImportRecord r;
        r.accountName = i % 2 ? QStringLiteral("Checking") : QStringLiteral("Savings");
        r.transferAccount = i % 2 ? QStringLiteral("Savings") : QStringLiteral("Checking");
        r.targetAccountId = r.accountName;
        r.date = QDate(2024, 1, 1).addDays(i / 1000);
        r.amount = i % 2 ? -((i / 2) % 500) : (i / 2) % 500;
        pairs.append(r);
    }
    timer.restart();
    const int paired = ImportService::pairTransfers(pairs);
    std::printf("pairTransfers      %9.1f ms  200000 legs on 200 dates, %d pairs\n",
                double(timer.nsecsElapsed()) / 1e6, paired);

    const double totalMs = analysisMs + importMs;
    std::printf("analysis + import  %9.1f ms  (target: under 5000 ms -> %s)\n", totalMs,
                totalMs < 5000.0 && !result.failed ? "met" : "MISSED");
    return 0;
}
