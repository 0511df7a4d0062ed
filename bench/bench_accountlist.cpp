// Times the main window's account-list rebuild (balances, rows, footer,
// shortcuts) and the grouped balance query under it, on large data.
//
// Usage: bench_accountlist [rows-per-account [accounts [data-directory]]]
// Defaults: 100000 rows in each of 10 accounts (1,000,000 rows). With a
// data directory whose database already holds transactions, the data is not
// built again. Target: a rebuild under 200 ms for 1,000,000 rows.

#include "app/appstate.h"
#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "ui/mainwindow.h"

#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using Bench::Figures;
using Bench::measure;

void print(const char* name, const Figures& f)
{
    std::printf("%-44s %9.1f ms (best %8.1f)\n", name, f.median, f.best);
}

qint64 scalar(QSqlDatabase& db, const QString& sql)
{
    QSqlQuery q(db);
    return q.exec(sql) && q.next() ? q.value(0).toLongLong() : -1;
}

bool build(QSqlDatabase& db, int perAccount, int accountCount)
{
    if (!db.transaction())
        return false;
    const QDateTime base(QDate(2015, 1, 1), QTime(8, 0), Qt::UTC);
    const QString stamp = SqlValue::timestampText(base);
    QSqlQuery account(db);
    account.prepare(QStringLiteral("INSERT INTO accounts (id, name, account_type, currency, starting_balance, "
                                   "sort_order, created_at, updated_at) VALUES (?, ?, 'checking', 'USD', ?, ?, ?, ?)"));
    QSqlQuery row(db);
    row.prepare(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, cleared, "
                               "created_at, updated_at, deleted_at) VALUES (?, ?, ?, ?, '', ?, ?, ?, ?, ?)"));
    quint32 seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    QStringList accountIds;
    for (int a = 0; a < accountCount; ++a) {
        accountIds.append(QUuid::createUuid().toString(QUuid::WithoutBraces));
        account.addBindValue(accountIds.last());
        account.addBindValue(QStringLiteral("Account %1").arg(a));
        account.addBindValue(qint64(250000));
        account.addBindValue(a);
        account.addBindValue(stamp);
        account.addBindValue(stamp);
        if (!account.exec())
            return false;
    }
    // Rows in date order across the accounts, as a register is entered: an
    // account's rows are spread over the whole table, which is what makes
    // reading them all slow.
    for (int i = 0; i < perAccount; ++i) {
        const QString date = base.date().addDays(qint64(i) * 3650 / perAccount).toString(Qt::ISODate);
        for (const QString& accountId : std::as_const(accountIds)) {
            row.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            row.addBindValue(accountId);
            row.addBindValue(date);
            row.addBindValue(QStringLiteral("Payee %1").arg(next() % 50));
            row.addBindValue(qint64(next() % 20000) - 15000);
            row.addBindValue(int(next() % 4 != 0));
            row.addBindValue(stamp);
            row.addBindValue(stamp);
            // One row in fifty is soft-deleted and must not count.
            row.addBindValue(next() % 50 == 0 ? QVariant(stamp) : QVariant(QMetaType::fromType<QString>()));
            if (!row.exec()) {
                std::fprintf(stderr, "insert failed: %s\n", qPrintable(row.lastError().text()));
                db.rollback();
                return false;
            }
        }
    }
    if (!db.commit())
        return false;
    QSqlQuery(db).exec(QStringLiteral("PRAGMA optimize"));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The window reads and writes its layout in the settings store: keep
    // the user's own out of reach.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int perAccount = args.size() > 1 ? qMax(1, args.at(1).toInt()) : 100000;
    const int accountCount = args.size() > 2 ? qMax(1, args.at(2).toInt()) : 10;
    const QString dataDir = args.size() > 3 ? args.at(3) : home.filePath(QStringLiteral("data"));
    qputenv("TALLYLEAF_DATA_DIR", dataDir.toUtf8());

    AppState state;
    if (!state.initialize()) {
        std::fprintf(stderr, "cannot open the database in %s\n", qPrintable(dataDir));
        return 1;
    }
    QSqlDatabase& db = state.database()->database();
    if (scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions")) <= 0) {
        QElapsedTimer timer;
        timer.start();
        if (!build(db, perAccount, accountCount)) {
            std::fprintf(stderr, "build failed: %s\n", qPrintable(db.lastError().text()));
            return 1;
        }
        std::printf("built %d x %d rows in %.1f s\n", accountCount, perAccount, timer.elapsed() / 1000.0);
    } else {
        std::printf("reusing %s\n", qPrintable(dataDir));
    }
    std::printf("\nrows in table: %lld in %lld accounts\n\n",
                scalar(db, QStringLiteral("SELECT COUNT(*) FROM transactions")),
                scalar(db, QStringLiteral("SELECT COUNT(*) FROM accounts WHERE deleted_at IS NULL")));

    const int repeats = 7;
    print("balances query (liveSumsByAccount)",
          measure(repeats, [&state] { state.transactionRepository()->liveSumsByAccount(); }));

    QElapsedTimer construct;
    construct.start();
    MainWindow window(&state);
    window.show();
    QCoreApplication::processEvents();
    std::printf("%-44s %9.1f ms\n", "main window construction and show", double(construct.nsecsElapsed()) / 1e6);

    const Figures rebuild = measure(repeats, [&window] {
        window.refreshAccountList();
        QCoreApplication::processEvents();
    });
    print("account list rebuild (target < 200 ms)", rebuild);
    std::printf("%-44s %9d\n", "rows in the list", window.accountList()->count());
    return 0;
}
