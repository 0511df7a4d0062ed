// Times the register page on a large account, offscreen: pointing it at an
// account (rows read, totals, filter, model filled, view laid out and
// painted), a reload after one inserted transaction, and the memory the
// page holds for that account. The row query is timed on its own too, so
// the page's own share shows separately.
//
// Usage: bench_registerscreen [rows [repeats]]   (defaults 100000 and 5)

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/registerfilter.h"
#include "data/transactionrepository.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include "benchsupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const char* const kPayees[] = {"Grocery Outlet", "Shell", "Amazon", "Target", "Costco", "City Water", "PG&E",
                               "Netflix", "Starbucks", "Home Depot", "Payroll", "Landlord", "Chipotle",
                               "Walgreens", "State Farm", "Uber", "Delta", "IKEA", "Library", "Gym Membership"};
const char* const kMemos[] = {"", "", "", "weekly groceries", "fuel", "rent", "monthly bill", "dinner out",
                              "coffee", "refund"};
constexpr int kPayeeCount = int(sizeof(kPayees) / sizeof(kPayees[0]));
constexpr int kMemoCount = int(sizeof(kMemos) / sizeof(kMemos[0]));

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

long rssKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

using Bench::Figures;
using Bench::measure;

void print(const char* name, const Figures& f, const char* note = "")
{
    std::printf("%-52s %8.1f ms (best %7.1f) %s\n", name, f.median, f.best, note);
}

Transaction makeTransaction(const QString& accountId, int i, const QStringList& categoryIds)
{
    Transaction t;
    t.id = newId();
    t.accountId = accountId;
    t.date = QDate(2000, 1, 1).addDays(i / 12);
    t.payee = QString::fromLatin1(kPayees[i % kPayeeCount]);
    t.memo = QString::fromLatin1(kMemos[i % kMemoCount]);
    t.amount = (i % 7 == 0) ? 250000 : -((i * 7919) % 20000 + 100);
    if (i % 3 != 0)
        t.categoryId = categoryIds.at(i % categoryIds.size());
    if (i % 5 == 0)
        t.checkNumber = QString::number(1000 + i);
    t.cleared = i % 10 != 0;
    t.reconciled = i % 4 == 0;
    t.createdAt = kCreated;
    t.updatedAt = kCreated;
    return t;
}

} // namespace

int main(int argc, char** argv)
{
    QTemporaryDir home;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", QDir(home.path()).filePath(QStringLiteral("config")).toUtf8());
    qputenv("XDG_DATA_HOME", QDir(home.path()).filePath(QStringLiteral("data")).toUtf8());
    qputenv("TALLYLEAF_DATA_DIR", QDir(home.path()).filePath(QStringLiteral("tallyleaf")).toUtf8());
    qunsetenv("TALLYLEAF_VERBOSE");
    Bench::quietLogs();

    QApplication app(argc, argv);
    const int rowCount = argc > 1 ? std::max(1, atoi(argv[1])) : 100000;
    const int repeats = argc > 2 ? std::max(1, atoi(argv[2])) : 5;

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "could not open the database\n");
        return 1;
    }

    QStringList categoryIds;
    for (const Category& c : state.categoryRepository()->findAll())
        categoryIds << c.id;
    if (categoryIds.isEmpty())
        categoryIds << QString();

    Account big;
    big.id = newId();
    big.name = QStringLiteral("Everyday Checking");
    big.institution = QStringLiteral("First Bank");
    big.accountNumberLast4 = QStringLiteral("1234");
    big.startingBalance = 150000;
    big.createdAt = kCreated;
    big.updatedAt = kCreated;
    Account small = big;
    small.id = newId();
    small.name = QStringLiteral("Petty Cash");
    state.accountRepository()->insert(big);
    state.accountRepository()->insert(small);

    QElapsedTimer fill;
    fill.start();
    QSqlDatabase& db = state.database()->database();
    db.transaction();
    TransactionRepository* transactions = state.transactionRepository();
    for (int i = 0; i < rowCount; ++i)
        transactions->insert(makeTransaction(big.id, i, categoryIds));
    for (int i = 0; i < 30; ++i)
        transactions->insert(makeTransaction(small.id, i, categoryIds));
    db.commit();
    std::printf("built %d transactions in %.1f s\n\n", rowCount, double(fill.elapsed()) / 1000.0);

    const Figures query = measure(repeats, [&] { transactions->findRegisterRows(big.id); });
    print("findRegisterRows alone (rows read)", query);

    const long rssBefore = rssKiB();
    RegisterScreen screen(&state);
    screen.resize(1280, 800);
    screen.show();
    QCoreApplication::processEvents();

    // Each round first shows the small account, so every timed call loads
    // the large register from scratch.
    std::vector<double> loads;
    std::vector<double> paints;
    for (int i = 0; i < repeats; ++i) {
        screen.setAccount(small.id);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        screen.setAccount(big.id);
        const double loaded = double(timer.nsecsElapsed()) / 1e6;
        // View ready: the pending layout and the first paint.
        QCoreApplication::processEvents();
        screen.repaint();
        loads.push_back(loaded);
        paints.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(loads.begin(), loads.end());
    std::sort(paints.begin(), paints.end());
    const Figures setAccount{loads[loads.size() / 2], loads.front()};
    const Figures ready{paints[paints.size() / 2], paints.front()};
    const long rssAfter = rssKiB();
    print("setAccount (until it returns)", setAccount);
    print("setAccount + layout + first paint (view ready)", ready, "target < 300 ms");
    std::printf("%-52s %8.1f ms\n\n", "  of which after the rows are read", ready.median - query.median);

    std::vector<double> reloads;
    for (int i = 0; i < repeats; ++i) {
        transactions->insert(makeTransaction(big.id, rowCount + i, categoryIds));
        QElapsedTimer timer;
        timer.start();
        screen.reload();
        QCoreApplication::processEvents();
        screen.repaint();
        reloads.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(reloads.begin(), reloads.end());
    const Figures reload{reloads[reloads.size() / 2], reloads.front()};
    print("reload after one inserted transaction (ready)", reload, "target < 300 ms");
    std::printf("%-52s %8.1f ms\n\n", "  of which after the rows are read", reload.median - query.median);

    // The same with a filter that keeps about a tenth of the rows.
    RegisterFilter filter;
    filter.cleared = false;
    state.preferences()->setValue(RegisterFilter::preferenceKey(big.id), filter.toJson());
    const Figures filtered = measure(repeats, [&] {
        screen.setAccount(big.id);
        QCoreApplication::processEvents();
        screen.repaint();
    });
    print("setAccount with an uncleared-only filter (ready)", filtered);
    state.preferences()->remove(RegisterFilter::preferenceKey(big.id));

    // Newest first: the rows arrive oldest first and are sorted the other way.
    screen.registerModel()->sort(RegisterModel::DateColumn, Qt::DescendingOrder);
    const Figures newestFirst = measure(repeats, [&] {
        screen.setAccount(big.id);
        QCoreApplication::processEvents();
        screen.repaint();
    });
    print("setAccount, newest first (ready)", newestFirst);
    screen.registerModel()->sort(RegisterModel::DateColumn, Qt::AscendingOrder);
    screen.setAccount(big.id);
    QCoreApplication::processEvents();

    std::printf("\nrows in the model: %d\n", screen.registerModel()->rowCount());
    std::printf("VmRSS before the page: %.1f MB, with the loaded register: %.1f MB, register's share: %.1f MB "
                "(target < 150 MB)\n",
                double(rssBefore) / 1024.0, double(rssAfter) / 1024.0, double(rssAfter - rssBefore) / 1024.0);
    std::printf("VmRSS at the end: %.1f MB\n", double(rssKiB()) / 1024.0);
    return 0;
}
