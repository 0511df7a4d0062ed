// Times a CSV import of generated rows into an account that already holds as
// many rows, against the floor: SQLite alone writing the same rows into a
// copy of the database as it was before the import, with the same settings
// and commits (see Bench::writeFloor). Change signals are received the way
// the main window should take them: coalesced into one rebuild per
// event-loop turn. Then a cleared toggle right after an import of 25,000
// more rows, against one on the quiet database: the first commit after a
// bulk write must not wait for the background copy of that write's log.
//
// Usage: bench_csvimport [rows [existing-rows]]   (defaults 100000 100000)

#include "benchsupport.h"

#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "services/importsetup.h"
#include "services/transactionservice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

const char* const kPayees[] = {"Grocery Outlet", "Shell", "Amazon", "Target", "Costco", "City Water", "Verizon",
                               "Netflix", "Starbucks", "Home Depot", "Apple", "Walgreens", "Payroll", "Uber",
                               "Chipotle", "Pizza Palace", "Library", "Gym Membership", "Smith, J", "Caf\u00E9 Rouge"};
const char* const kCategories[] = {"Groceries", "Fuel", "Shopping", "Utilities", "Dining", "Income", ""};
constexpr int kPayeeCount = int(sizeof(kPayees) / sizeof(kPayees[0]));
constexpr int kCategoryCount = int(sizeof(kCategories) / sizeof(kCategories[0]));

long peakRssKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// Starts the peak over from the present size, so that the peak read later
// is the import's own (not the generated file's, nor the floor's dump).
void resetPeakRss()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

// Rows `first` to `first + rows - 1`: each makes a row of its own.
QByteArray generateCsv(int rows, int first = 0)
{
    QByteArray csv("Date,Payee,Amount,Memo,Category\n");
    csv.reserve(qsizetype(rows) * 64);
    const QDate start(2015, 1, 1);
    for (int i = first; i < first + rows; ++i) {
        const QDate date = start.addDays(i % 3650);
        const qint64 cents = -((i * 7919) % 50000) - 1;
        const QString payee = QString::fromUtf8(kPayees[i % kPayeeCount]);
        csv += QStringLiteral("%1/%2/%3,\"%4 %5\",%6.%7,memo %8,%9\n")
                   .arg(date.month())
                   .arg(date.day())
                   .arg(date.year())
                   .arg(payee)
                   .arg(i)
                   .arg(cents / 100)
                   .arg(qAbs(cents % 100), 2, 10, QLatin1Char('0'))
                   .arg(i % 13)
                   .arg(QString::fromUtf8(kCategories[i % kCategoryCount]))
                   .toUtf8();
    }
    return csv;
}

bool fillExisting(Database& database, int rows)
{
    QSqlDatabase db = database.database();
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                             "updated_at) VALUES (?, 'acct', ?, ?, '', ?, '2024-01-01T00:00:00Z', "
                             "'2024-01-01T00:00:00Z')"));
    for (int i = 0; i < rows; ++i) {
        q.addBindValue(QStringLiteral("existing-%1").arg(i));
        q.addBindValue(QDate(2010, 1, 1).addDays(i % 5000).toString(Qt::ISODate));
        q.addBindValue(QStringLiteral("Existing %1").arg(i % 500));
        q.addBindValue(qint64(-(i % 9000)));
        if (!q.exec())
            return false;
    }
    return db.commit();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rows = argc > 1 ? QByteArray(argv[1]).toInt() : 100000;
    const int existing = argc > 2 ? QByteArray(argv[2]).toInt() : 100000;

    QTemporaryDir dir;
    const QString csvPath = dir.filePath(QStringLiteral("import.csv"));
    {
        QFile csv(csvPath);
        const QByteArray content = generateCsv(rows);
        if (!csv.open(QIODevice::WriteOnly) || csv.write(content) != content.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(csvPath));
            return 1;
        }
        std::printf("CSV file: %d rows, %.1f MB\n", rows, content.size() / 1048576.0);
    }

    Database database;
    if (!database.open(dir.filePath(QStringLiteral("tallyleaf.db"))) || !database.migrate()) {
        std::fprintf(stderr, "cannot create the database\n");
        return 1;
    }
    QSqlQuery account(database.database());
    if (!account.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                     "('acct', 'Checking', 'x', 'x')"))
        || !fillExisting(database, existing)) {
        std::fprintf(stderr, "cannot build the account: %s\n", qPrintable(database.database().lastError().text()));
        return 1;
    }
    std::printf("account holds %d rows\n", existing);
    const QString floorDb = dir.filePath(QStringLiteral("floor.db"));
    QSqlQuery before(database.database());
    if (!before.exec(QStringLiteral("VACUUM INTO '%1'").arg(floorDb))
        || !before.exec(QStringLiteral("SELECT (SELECT max(rowid) FROM transactions), "
                                       "(SELECT coalesce(max(rowid), 0) FROM categories)"))
        || !before.next()) {
        std::fprintf(stderr, "cannot copy the database: %s\n", qPrintable(before.lastError().text()));
        return 1;
    }
    const qint64 lastTransaction = before.value(0).toLongLong();
    const qint64 lastCategory = before.value(1).toLongLong();
    before.finish();
    QByteArray settings;
    {
        // The import's own settings, its bulk page cache among them.
        const BulkWriteScope bulk(&database);
        settings = Bench::writeSettings(database.database());
    }

    TransactionRepository transactions(&database);
    CategoryRepository categories(&database);
    SplitLineRepository splitLines(&database);
    ImportService service(&database, &transactions, &categories, &splitLines);

    // The main window's reaction: one rebuild per event-loop turn, however
    // many change signals arrived.
    int signalsReceived = 0;
    int rebuilds = 0;
    QTimer rebuild;
    rebuild.setSingleShot(true);
    rebuild.setInterval(0);
    QObject::connect(&rebuild, &QTimer::timeout, [&rebuilds] { ++rebuilds; });
    QObject::connect(&transactions, &TransactionRepository::transactionsChanged, [&](const QString&) {
        ++signalsReceived;
        if (!rebuild.isActive())
            rebuild.start();
    });

    CsvColumnMapping mapping;
    mapping.dateColumn = 0;
    mapping.payeeColumn = 1;
    mapping.amountColumn = 2;
    mapping.memoColumn = 3;
    mapping.categoryColumn = 4;
    mapping.hasHeader = true;

    // What the import window reads for its preview: the digest of the
    // file, then the counts of every row and where each piece begins; then
    // one row from the middle, read again as the view shows it.
    resetPeakRss();
    QElapsedTimer timer;
    timer.start();
    std::optional<ImportSetup::CsvFilePreview> preview;
    if (ImportSetup::hashFile(csvPath))
        preview = ImportSetup::readCsvPreview(csvPath, mapping);
    const double previewMs = double(timer.nsecsElapsed()) / 1e6;
    ImportSetup::CsvPreviewRow shown;
    QStringList fields;
    timer.start();
    const bool rowRead = preview && preview->row(preview->rowCount / 2, shown, fields);
    std::printf("preview (digest and counts) %9.1f ms, a row from the middle %.1f ms, peak memory %.1f MB%s\n",
                previewMs, double(timer.nsecsElapsed()) / 1e6, peakRssKb() / 1024.0, rowRead ? "" : ", FAILED");
    preview.reset();

    resetPeakRss();
    const Bench::CommitCounter commits(database.database());
    timer.start();
    const ImportResult result = service.importCsv(csvPath, QStringLiteral("acct"), mapping);
    const double importMs = double(timer.nsecsElapsed()) / 1e6;
    const double importLogMs = Bench::finishLog(database);
    const long peak = peakRssKb();
    QCoreApplication::processEvents();

    std::printf("importCsv                   %9.1f ms  imported %d, duplicates %d, unparseable %d, database %d%s\n",
                importMs, result.imported, result.duplicatesSkipped, result.unparseableSkipped,
                result.databaseErrorSkipped, result.failed ? ", FAILED" : "");
    std::printf("  change signals %d, coalesced rebuilds %d\n", signalsReceived, rebuilds);
    // The import writes in one transaction: so does the floor.
    const Bench::FloorTimes floor =
        Bench::writeFloor(floorDb, dir.filePath(QStringLiteral("tallyleaf.db")), settings,
                          {{{{"categories", "rowid > " + QByteArray::number(lastCategory)},
                             {"transactions", "rowid > " + QByteArray::number(lastTransaction)}},
                            {}}});
    Bench::printFloor(floor, importMs, importLogMs, commits.count(), 1, "at most 1.6x");
    std::printf("load average %s\n", Bench::loadAverage().constData());

    std::printf("peak memory of the import %.1f MB (target under 200 MB -> %s)\n", peak / 1024.0,
                peak >= 0 && peak < 200 * 1024 ? "met" : "MISSED");

    constexpr int kAfterRows = 25000;
    const QString afterPath = dir.filePath(QStringLiteral("after.csv"));
    QFile afterCsv(afterPath);
    if (!afterCsv.open(QIODevice::WriteOnly) || afterCsv.write(generateCsv(kAfterRows, rows)) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(afterPath));
        return 1;
    }
    afterCsv.close();
    AccountRepository accounts(&database);
    TransactionService toggles(&database, &accounts, &transactions, &splitLines);
    const auto toggleMs = [&toggles] {
        QElapsedTimer clock;
        clock.start();
        const bool toggled =
            toggles.toggleCleared(QStringLiteral("existing-1")) == TransactionService::ToggleResult::Toggled;
        return toggled ? double(clock.nsecsElapsed()) / 1e6 : -1.0;
    };
    std::vector<double> quiet;
    for (int i = 0; i < 5; ++i) {
        Bench::finishLog(database);
        quiet.push_back(toggleMs());
    }
    std::sort(quiet.begin(), quiet.end());
    const ImportResult after = service.importCsv(afterPath, QStringLiteral("acct"), mapping);
    const double afterMs = toggleMs();
    Bench::finishLog(database);
    std::printf("cleared toggle right after a %d-row import %.2f ms, on a quiet database %.2f ms (median of %zu): "
                "ratio %.2fx (target under 3)%s\n",
                after.imported, afterMs, quiet[quiet.size() / 2], quiet.size(), afterMs / quiet[quiet.size() / 2],
                after.failed || quiet.front() < 0 || afterMs < 0 ? ", FAILED" : "");
    return 0;
}
