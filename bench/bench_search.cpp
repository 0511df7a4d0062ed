// Times the search window and the payee window on a million transactions,
// offscreen: every search from the typed text to the filled results table
// (each letter and digit alone, common and rare words, with each filter),
// the payee list with its counts, and a merge and a rename of payees that
// rewrite 100,000 transactions, with the write-ahead log's size after each.
//
// Usage: bench_search [database-path [repeats [only]]]
// With a database path that already exists (bench_register builds the same
// data), it is copied and the copy used; otherwise the data is built.
// `only` runs just the searches whose name contains that text.

#include "app/appstate.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "ui/register/registermodel.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/searchscreen.h"

#include "benchdata.h"
#include "benchsupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSqlQuery>
#include <QTableView>
#include <QTemporaryDir>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using Bench::Figures;

void print(const QString& name, const Figures& f, const char* note = "")
{
    std::printf("%-46s %8.1f ms (best %7.1f) %s\n", qPrintable(name), f.median, f.best, note);
}

struct SearchCase
{
    QString name;
    QString text;
    int account = -1; // index into the account combo, -1 = All
    int category = -1;
    bool dates = false;
    bool cleared = false;
};

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    const QString dataDir = QDir(home.path()).filePath(QStringLiteral("tallyleaf"));
    qputenv("TALLYLEAF_DATA_DIR", dataDir.toUtf8());
    qunsetenv("TALLYLEAF_VERBOSE");
    Bench::quietLogs();

    QApplication app(argc, argv);
    const QString source = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 7;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();

    QDir().mkpath(dataDir);
    const QString path = QDir(dataDir).filePath(QStringLiteral("tallyleaf.db"));
    if (!source.isEmpty() && QFile::exists(source)) {
        if (!QFile::copy(source, path)) {
            std::fprintf(stderr, "cannot copy %s\n", qPrintable(source));
            return 1;
        }
        // On the disk before timing: the copy's write-back would compete
        // with the payee writes.
        QFile copy(path);
        if (copy.open(QIODevice::ReadWrite))
            ::fsync(copy.handle());
    } else {
        Database database;
        QStringList accountIds;
        QStringList categoryIds;
        if (!database.open(path) || !database.migrate()
            || !BenchData::build(database, 100000, 10, accountIds, categoryIds)) {
            std::fprintf(stderr, "cannot build the data\n");
            return 1;
        }
    }

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "could not open the database\n");
        return 1;
    }
    QSqlQuery count(state.database()->database());
    count.exec(QStringLiteral("SELECT COUNT(*) FROM transactions"));
    std::printf("%lld transactions; medians of %d runs; load average %s\n\n",
                count.next() ? count.value(0).toLongLong() : -1LL, repeats, Bench::loadAverage().constData());
    count.finish(); // an open read would pin the log for the writes below

    // ---- Search: typed text to filled table.
    SearchScreen search(&state);
    search.resize(800, 550);
    search.show();
    search.refreshFilters();
    QCoreApplication::processEvents();
    auto* field = search.findChild<QLineEdit*>();
    const QList<QComboBox*> combos = search.findChildren<QComboBox*>();
    const QList<QCheckBox*> boxes = search.findChildren<QCheckBox*>();
    QCheckBox* rangeBox = nullptr;
    QCheckBox* clearedBox = nullptr;
    for (QCheckBox* box : boxes)
        (box->text() == QLatin1String("Cleared only") ? clearedBox : rangeBox) = box;
    const QList<QDateEdit*> dates = search.findChildren<QDateEdit*>();
    auto* table = search.findChild<QTableView*>();

    QList<SearchCase> cases;
    for (char c = 'a'; c <= 'z'; ++c)
        cases.append({QStringLiteral("\"%1\"").arg(QLatin1Char(c)), QString(QLatin1Char(c))});
    for (char c = '0'; c <= '9'; ++c)
        cases.append({QStringLiteral("\"%1\"").arg(QLatin1Char(c)), QString(QLatin1Char(c))});
    for (const char* text : {"re", "co", "gro", "coffee", "shell", "zen", "1042", "peet s", "whole foods",
                             "s m", "zzz", "café"})
        cases.append({QStringLiteral("\"%1\"").arg(QString::fromUtf8(text)), QString::fromUtf8(text)});
    cases.append({QStringLiteral("empty text"), QString()});
    cases.append({QStringLiteral("\"s\" in one account"), QStringLiteral("s"), 1});
    cases.append({QStringLiteral("\"s\" in one category"), QStringLiteral("s"), -1, 5});
    cases.append({QStringLiteral("\"s\" in one account and category"), QStringLiteral("s"), 1, 5});
    cases.append({QStringLiteral("\"zen\" in one category"), QStringLiteral("zen"), -1, 5});
    cases.append({QStringLiteral("\"1042\" in one account"), QStringLiteral("1042"), 1});
    cases.append({QStringLiteral("\"s\", dates, cleared only"), QStringLiteral("s"), -1, -1, true, true});
    cases.append({QStringLiteral("\"c\", account, dates"), QStringLiteral("c"), 2, -1, true});
    cases.append({QStringLiteral("empty text, category"), QString(), -1, 5});
    cases.append({QStringLiteral("empty text, account, dates, cleared"), QString(), 1, -1, true, true});

    double worst = 0;
    QString worstName;
    std::vector<double> medians;
    for (const SearchCase& c : cases) {
        if (!c.name.contains(only))
            continue;
        {
            const QSignalBlocker b0(field), b1(combos.at(0)), b2(combos.at(1)), b3(rangeBox), b4(clearedBox);
            field->setText(c.text);
            combos.at(0)->setCurrentIndex(c.account < 0 ? 0 : c.account);
            combos.at(1)->setCurrentIndex(c.category < 0 ? 0 : c.category);
            rangeBox->setChecked(c.dates);
            clearedBox->setChecked(c.cleared);
            for (QDateEdit* edit : dates)
                edit->setEnabled(c.dates);
        }
        if (c.dates) {
            const QSignalBlocker b0(dates.at(0)), b1(dates.at(1));
            dates.at(0)->setDate(QDate(2019, 1, 1));
            dates.at(1)->setDate(QDate(2019, 12, 31));
        }
        const Figures f = Bench::measure(repeats, [&] { search.performSearch(); });
        print(c.name + QStringLiteral(" (%1 rows)").arg(table->model()->rowCount()), f);
        medians.push_back(f.median);
        if (f.median > worst) {
            worst = f.median;
            worstName = c.name;
        }
    }
    std::sort(medians.begin(), medians.end());
    if (!medians.empty())
        std::printf("\nsearches: %d, median of medians %.1f ms, worst %.1f ms (%s); target < 50 ms each\n\n",
                int(medians.size()), medians[medians.size() / 2], worst, qPrintable(worstName));

    // ---- Payees.
    PayeeScreen payees(&state);
    payees.resize(550, 500);
    payees.show();
    QCoreApplication::processEvents();
    print(QStringLiteral("payee list with counts (repository)"),
          Bench::measure(repeats, [&] { state.transactionRepository()->payeeCounts(); }));
    print(QStringLiteral("payee list with counts (window filled)"),
          Bench::measure(repeats, [&] { payees.loadPayees(); }), "target < 300 ms");

    // Five payees of about 20,000 rows each into one, then that one renamed.
    const QStringList five{QStringLiteral("Shell"), QStringLiteral("Chevron"), QStringLiteral("Target"),
                           QStringLiteral("Walmart"), QStringLiteral("Costco")};
    int changed = 0;
    const Figures merge = Bench::measure(
        1, [&] { state.transactionRepository()->renamePayees(five, QStringLiteral("Fuel and Stores"), &changed); });
    print(QStringLiteral("merge of 5 payees, %1 rows").arg(changed), merge, "target < 2000 ms");
    // The write-ahead log's file: restarted by the write after a finished
    // checkpoint and then cut back, it should not keep growing.
    const QString logPath = path + QStringLiteral("-wal");
    const auto printLog = [&logPath](const char* when) {
        std::printf("  log file %-36s %8.1f MB\n", when, double(QFileInfo(logPath).size()) / (1024 * 1024));
    };
    printLog("after the merge");
    // The log's copy into the file runs on its own thread once the merge is
    // back; measured apart so the next figure does not carry it.
    print(QStringLiteral("  then its checkpoint in the background"),
          Bench::measure(1, [&] { state.database()->waitForCheckpoint(); }));
    const Figures rename = Bench::measure(1, [&] {
        state.transactionRepository()->renamePayees({QStringLiteral("Fuel and Stores")}, QStringLiteral("Everyday"),
                                                    &changed);
    });
    print(QStringLiteral("rename of one payee, %1 rows").arg(changed), rename, "target < 2000 ms");
    printLog("after the rename");
    // Near zero if the rename had to wait for it.
    print(QStringLiteral("  then its checkpoint in the background"),
          Bench::measure(1, [&] { state.database()->waitForCheckpoint(); }));
    std::printf("\nload average at the end %s\n", Bench::loadAverage().constData());
    return 0;
}
