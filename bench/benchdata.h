#pragma once

// The large data set of the register and search benchmarks: ten accounts
// of 100,000 transactions each over ten years, 48 categories, 50 payees.

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/records.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QSqlQuery>
#include <QUuid>

#include <cstdio>

namespace BenchData {

inline const char* const kPayees[] = {
    "Grocery Outlet", "Green Valley Market", "Shell", "Chevron", "Amazon", "amazon", "Target", "Walmart",
    "Costco", "Trader Joe's", "Whole Foods", "City Water", "PG&E", "AT&T", "Verizon", "Comcast", "Netflix",
    "Spotify", "Starbucks", "Blue Bottle Coffee", "Peet's Coffee", "Home Depot", "Lowe's", "IKEA", "Best Buy",
    "Apple", "Barnes and Noble", "Walgreens", "CVS Pharmacy", "Kaiser", "Dr. Ramirez", "State Farm", "Geico",
    "Landlord", "Payroll", "Employer Inc", "Interest", "Transfer", "Uber", "Lyft", "Delta", "United",
    "Marriott", "Airbnb", "Chipotle", "Panera", "Pizza Palace", "Sushi Zen", "Library", "Gym Membership"};
inline const char* const kMemos[] = {
    "", "", "", "", "weekly groceries", "fuel", "rent", "monthly bill", "dinner out", "coffee", "gift",
    "refund", "reimbursement pending", "school supplies", "car repair", "vacation", "subscription",
    "household", "medical copay", "insurance premium"};

inline constexpr int kPayeeCount = int(sizeof(kPayees) / sizeof(kPayees[0]));
inline constexpr int kMemoCount = int(sizeof(kMemos) / sizeof(kMemos[0]));

inline bool build(Database& database, int perAccount, int accountCount, QStringList& accountIds,
                  QStringList& categoryIds)
{
    AccountRepository accounts(&database);
    TransactionRepository transactions(&database);
    QSqlDatabase& db = database.database();
    const QDateTime base(QDate(2015, 1, 1), QTime(8, 0), Qt::UTC);

    if (!db.transaction())
        return false;

    // Categories: a dozen top-level ones with three children each.
    QSqlQuery cat(db);
    cat.prepare(QStringLiteral("INSERT INTO categories (id, name, category_type, parent_id, created_at, updated_at) "
                               "VALUES (?, ?, 'expense', ?, ?, ?)"));
    for (int p = 0; p < 12; ++p) {
        const QString parentId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        const QString now = SqlValue::timestampText(base);
        cat.bindValue(0, parentId);
        cat.bindValue(1, QStringLiteral("Parent %1").arg(p));
        cat.bindValue(2, QVariant(QMetaType::fromType<QString>()));
        cat.bindValue(3, now);
        cat.bindValue(4, now);
        if (!cat.exec())
            return false;
        categoryIds.append(parentId);
        for (int c = 0; c < 3; ++c) {
            const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            cat.bindValue(0, id);
            cat.bindValue(1, QStringLiteral("Child %1.%2").arg(p).arg(c));
            cat.bindValue(2, parentId);
            cat.bindValue(3, now);
            cat.bindValue(4, now);
            if (!cat.exec())
                return false;
            categoryIds.append(id);
        }
    }

    quint32 seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };

    for (int a = 0; a < accountCount; ++a) {
        Account account;
        account.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        account.name = QStringLiteral("Account %1").arg(a);
        account.startingBalance = 250000;
        account.createdAt = base;
        account.updatedAt = base;
        if (!accounts.insert(account))
            return false;
        accountIds.append(account.id);

        for (int i = 0; i < perAccount; ++i) {
            Transaction t;
            t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
            t.accountId = account.id;
            // About 27 rows a day over ten years.
            t.date = base.date().addDays(qint64(i) * 3650 / perAccount);
            t.payee = QLatin1String(kPayees[next() % kPayeeCount]);
            t.memo = QLatin1String(kMemos[next() % kMemoCount]);
            t.amount = qint64(next() % 20000) - 15000;
            const quint32 c = next() % 10;
            if (c > 0)
                t.categoryId = categoryIds.at(int(next() % quint32(categoryIds.size())));
            if (next() % 10 == 0)
                t.checkNumber = QString::number(1000 + i % 9000);
            t.cleared = next() % 4 != 0;
            t.reconciled = t.cleared && next() % 2 == 0;
            t.createdAt = base.addSecs(qint64(a) * perAccount + i);
            t.updatedAt = t.createdAt;
            if (!transactions.insert(t)) {
                db.rollback();
                return false;
            }
        }
        std::printf("built account %d of %d\n", a + 1, accountCount);
        std::fflush(stdout);
    }
    if (!db.commit())
        return false;
    QSqlQuery(db).exec(QStringLiteral("PRAGMA optimize"));
    return true;
}

inline bool loadIds(Database& database, QStringList& accountIds, QStringList& categoryIds)
{
    QSqlQuery q(database.database());
    q.exec(QStringLiteral("SELECT id FROM accounts ORDER BY name"));
    while (q.next())
        accountIds.append(q.value(0).toString());
    q.exec(QStringLiteral("SELECT id FROM categories ORDER BY rowid"));
    while (q.next())
        categoryIds.append(q.value(0).toString());
    return !accountIds.isEmpty() && !categoryIds.isEmpty();
}

} // namespace BenchData
