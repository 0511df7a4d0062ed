#include "coretestsupport.h"

#include "data/database.h"
#include "services/reportfast.h"
#include "services/reportformat.h"
#include "services/reportservice.h"

#include <limits>

using TestSupport::exec;

namespace {

const QString kAll;

QString join(const QStringList& parts)
{
    return parts.join(QLatin1Char('|'));
}

// Each report row as its fields joined by "|".
QString line(const CategorySpendingRow& r)
{
    return join({r.category, QString::number(r.amount)});
}
QString line(const PayeeSummaryRow& r)
{
    return join({r.payee, QString::number(r.total), QString::number(r.count)});
}
QString line(const TaxReportRow& r)
{
    return join({r.category, r.taxCategory, QString::number(r.amount)});
}
QString line(const MonthlyFlowRow& r)
{
    return join({r.month, QString::number(r.inflow), QString::number(r.outflow), QString::number(r.net)});
}
QString line(const YearOverYearRow& r)
{
    return join({r.category, QString::number(r.previousAmount), QString::number(r.currentAmount),
                 QString::number(r.change)});
}
QString line(const AccountSummaryRow& r)
{
    return join({r.name, r.accountType, QString::number(r.clearedBalance), QString::number(r.unclearedAmount),
                 QString::number(r.balance)});
}
QString line(const TransactionListRow& r)
{
    return join({r.date, r.accountName, r.payee, r.categoryName, r.memo, QString::number(r.amount)});
}
template <typename Row>
QStringList lines(const QList<Row>& rows)
{
    QStringList out;
    for (const Row& r : rows)
        out << line(r);
    return out;
}
} // namespace

class TestReportService : public QObject
{
    Q_OBJECT

private:
    // Transactions written directly, so that edge values (an empty transfer
    // link, a NULL memo, a deletion mark) are stored as they are. Each row:
    // id, account, date, amount, payee, category, cleared, link, memo, deleted.
    static void rows(const char* values)
    {
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, amount, payee, category_id, cleared, "
                            "transfer_link_id, memo, deleted_at, created_at, updated_at) "
                            "SELECT *, 'x', 'x' FROM (VALUES %1)")
                 .arg(QString::fromUtf8(values)));
    }

    // Split transaction "s" of 2024-03-02 in account a1, without a category
    // of its own, of the lines given as (category, amount) values.
    static void split(const char* lines)
    {
        const QString values = QString::fromUtf8(lines);
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, amount, payee, is_split, created_at, "
                            "updated_at) SELECT 's', 'a1', '2024-03-02', SUM(column2), 'P', 1, 'x', 'x' "
                            "FROM (VALUES %1)")
                 .arg(values));
        exec(QStringLiteral("INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
                            "SELECT 'l' || column1, 's', column1, column2, 'x', 'x' FROM (VALUES %1)")
                 .arg(values));
    }

    // A few hundred rows over several years with everything that groups or
    // orders unevenly: transfers and empty links, splits, soft-deleted rows,
    // rows of a deleted and of a missing account, no, unknown, deleted and
    // same-named categories (one named "Uncategorized"), payees differing in
    // case or accents, equal sums, many rows of one day with their creation
    // times out of insertion order, and dates that are not plain ISO.
    static void seedVaried()
    {
        exec(QStringLiteral(
            "INSERT INTO categories (id, name, is_tax_relevant, tax_category, created_at, updated_at) VALUES "
            "('unc', 'Uncategorized', 0, NULL, 'x', 'x'), ('caf', 'Caf\u00e9', 0, NULL, 'x', 'x'), "
            "('gift', 'Gifts', 1, NULL, 'x', 'x'), ('tie1', 'Tie B', 0, NULL, 'x', 'x'), "
            "('tie2', 'Tie A', 0, NULL, 'x', 'x')"));
        const QStringList accounts{"'a1'", "'a2'", "'a3'", "'a4'", "'ghost'"};
        const QStringList categories{"NULL", "'food'", "'m1'", "'m2'", "'sal'", "'char'", "'med'",
                                     "'low'", "'unc'", "'caf'", "'gift'", "'nowhere'"};
        const QStringList payees{"Shop", "shop", "Caf\u00e9", "Zo\u00eb", "Boss", "Transfer", "\u00c4rzte", "Zed"};
        const QStringList odd{"2024-6-1", "2024-02-30", "2024-01-05T10:00:00"};
        QStringList values;
        for (int i = 0; i < 600; ++i) {
            const QString date = i % 7 == 0    ? QStringLiteral("2024-06-15")
                                 : i % 97 == 0 ? odd.at(i % 3)
                                               : QDate(2019, 1, 1).addDays(i * 37 % 2557).toString(Qt::ISODate);
            const QString link = i % 17 == 0 ? QStringLiteral("'v%1'").arg(i + 1, 3, 10, QLatin1Char('0'))
                                 : i % 17 == 1 ? QStringLiteral("'v%1'").arg(i - 1, 3, 10, QLatin1Char('0'))
                                 : i % 23 == 0 ? QStringLiteral("''")
                                               : QStringLiteral("NULL");
            const QString memo = i % 5 == 0 ? QStringLiteral("NULL")
                                 : i % 5 == 1 ? QStringLiteral("''")
                                              : QStringLiteral("'memo %1 na\u00efve'").arg(i % 4);
            values << QStringLiteral("('v%1', %2, '%3', %4, '%5', %6, %7, %8, %9, %10, '2024-01-01T00:00:%11Z', %12)")
                          .arg(i, 3, 10, QLatin1Char('0'))
                          .arg(accounts.at(i % accounts.size()), date)
                          .arg(i * 7919 % 20001 - 15000)
                          .arg(payees.at(i * 13 % payees.size()), categories.at(i % categories.size()))
                          .arg(i % 3 == 0)
                          .arg(link, memo, i % 29 == 0 ? QStringLiteral("'D'") : QStringLiteral("NULL"))
                          .arg(i * 7 % 60, 2, 10, QLatin1Char('0'))
                          .arg(i % 19 == 0);
        }
        // Equal sums: two payees and two categories. The rows of a missing
        // account and category (and lines of a missing category) need the
        // foreign keys off.
        values << "('e1', 'a1', '2022-05-05', -500, 'Tie B', 'tie1', 0, NULL, NULL, NULL, 'x', 0)"
               << "('e2', 'a2', '2022-05-06', -500, 'Tie A', 'tie2', 0, NULL, NULL, NULL, 'x', 0)";
        exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, amount, payee, category_id, cleared, "
                            "transfer_link_id, memo, deleted_at, created_at, is_split, updated_at) "
                            "SELECT *, 'x' FROM (VALUES %1)")
                 .arg(values.join(QLatin1String(", "))));
        // Two lines for most split transactions (some in missing or
        // same-named categories, some against the transaction's sign), none
        // for a few, and a stray line on a row that is not split.
        exec(QStringLiteral(
            "INSERT INTO split_lines (id, transaction_id, category_id, amount, created_at, updated_at) "
            "SELECT 's' || id || n, id, CASE WHEN n = 0 THEN 'med' WHEN t.rowid % 3 = 0 THEN 'food' "
            "WHEN t.rowid % 3 = 1 THEN 'nowhere' ELSE 'm2' END, CASE WHEN n = 0 THEN amount - amount / 3 "
            "WHEN t.rowid % 4 = 1 THEN -(amount / 3) ELSE amount / 3 END, 'x', 'x' FROM transactions t, "
            "(SELECT 0 AS n UNION ALL SELECT 1) WHERE (is_split = 1 AND t.rowid % 5 <> 0) OR (id = 'v001' AND n = 0)"));
        exec(QStringLiteral("PRAGMA foreign_keys = ON"));
    }

    // Every report through the service, as text lines; the year over year
    // compares the range with 2024.
    QStringList allReports(QDate from, QDate to, const QString& account, const QString& category) const
    {
        return QStringList() << lines(m_reports->categorySpending(from, to, account)) << "--"
                             << lines(m_reports->payeeSummary(from, to, account)) << "--"
                             << lines(m_reports->taxReport(from, to)) << "--"
                             << lines(m_reports->incomeVsExpenses(from, to, account)) << "--"
                             << lines(m_reports->cashFlow(from, to, account)) << "--"
                             << lines(m_reports->yearOverYear(from, to, QDate(2024, 1, 1), QDate(2024, 12, 31),
                                                              account))
                             << "--" << lines(m_reports->accountSummary()) << "--"
                             << lines(m_reports->transactionList(from, to, account, category));
    }

    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<ReportService> m_reports;

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        m_db = std::make_unique<TestSupport::TempDatabase>();
        m_reports = std::make_unique<ReportService>(m_db->db());
        exec(QStringLiteral(
            "INSERT INTO accounts (id, name, account_type, starting_balance, sort_order, created_at, updated_at, "
            "deleted_at) VALUES ('a1', 'Zeta', 'checking', 10000, 0, 'x', 'x', NULL), "
            "('a2', 'Alpha', 'savings', 700, 1, 'x', 'x', NULL), ('a3', 'Beta', 'Weird', 0, 0, 'x', 'x', NULL), "
            "('a4', 'Gone', 'cash', 5, 0, 'x', 'x', 'D')"));
        exec(QStringLiteral(
            "INSERT INTO categories (id, name, parent_id, is_tax_relevant, tax_category, created_at, updated_at, "
            "deleted_at) VALUES ('food', 'Food', NULL, 0, NULL, 'x', 'x', NULL), "
            "('m1', 'Maintenance', NULL, 0, NULL, 'x', 'x', NULL), ('m2', 'Maintenance', 'food', 0, NULL, 'x', 'x', NULL), "
            "('sal', 'Salary', NULL, 1, 'w2_wages', 'x', 'x', NULL), ('char', 'Charity', NULL, 1, 'charitable', 'x', 'x', 'D'), "
            "('med', 'Medical', NULL, 1, 'charitable', 'x', 'x', NULL), ('low', 'apple', NULL, 0, NULL, 'x', 'x', NULL)"));
    }
    void cleanup()
    {
        m_reports.reset();
        m_db.reset();
    }

    void accountSummary()
    {
        rows("('t1', 'a1', '2024-01-05', 500, 'P', NULL, 1, NULL, NULL, NULL), "
             "('t2', 'a1', '1999-01-05', -200, 'P', NULL, 0, NULL, NULL, NULL), "
             "('t3', 'a1', '2024-01-06', -999, 'P', NULL, 1, NULL, NULL, 'D'), "
             "('t4', 'a4', '2024-01-06', -1, 'P', NULL, 0, NULL, NULL, NULL)");
        // Sort order first, then name; the deleted account has no row, the
        // deleted transaction counts nowhere, dates play no part.
        QCOMPARE(lines(m_reports->accountSummary()),
                 QStringList({"Beta|Weird|0|0|0", "Zeta|checking|10500|-200|10300", "Alpha|savings|700|0|700"}));
    }

    void monthlyFlows_data()
    {
        QTest::addColumn<bool>("income");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QStringList>("expected");
        // Both transfer legs count in cash flow; neither counts as income or
        // expense. An empty link is no transfer. No row for February.
        QTest::newRow("cash flow, all") << false << kAll
                                        << QStringList{"2024-01|13000|-5500|7500", "2024-03|40|-100|-60"};
        QTest::newRow("cash flow, one account") << false << QStringLiteral("a1")
                                                << QStringList{"2024-01|10000|-5500|4500", "2024-03|0|-100|-100"};
        QTest::newRow("income vs expenses, all") << true << kAll
                                                 << QStringList{"2024-01|10000|-2500|7500", "2024-03|40|-100|-60"};
        QTest::newRow("income vs expenses, other account")
            << true << QStringLiteral("a2") << QStringList{"2024-03|40|0|40"};
    }
    void monthlyFlows()
    {
        QFETCH(bool, income);
        QFETCH(QString, account);
        QFETCH(QStringList, expected);
        rows("('in', 'a1', '2024-01-01', 10000, 'P', NULL, 0, NULL, NULL, NULL), "
             "('out', 'a1', '2024-01-20', -2500, 'P', NULL, 0, NULL, NULL, NULL), "
             "('x1', 'a1', '2024-01-15', -3000, 'P', NULL, 0, 'x2', NULL, NULL), "
             "('x2', 'a2', '2024-01-15', 3000, 'P', NULL, 0, 'x1', NULL, NULL), "
             "('nolink', 'a2', '2024-03-02', 40, 'P', NULL, 0, '', NULL, NULL), "
             "('last', 'a1', '2024-03-31', -100, 'P', NULL, 0, NULL, NULL, NULL), "
             "('before', 'a1', '2023-12-31', -7, 'P', NULL, 0, NULL, NULL, NULL), "
             "('after', 'a1', '2024-04-01', -7, 'P', NULL, 0, NULL, NULL, NULL), "
             "('deleted', 'a1', '2024-02-10', -50, 'P', NULL, 0, NULL, NULL, 'D')");
        const QDate from(2024, 1, 1);
        const QDate to(2024, 3, 31);
        const QList<MonthlyFlowRow> result =
            income ? m_reports->incomeVsExpenses(from, to, account) : m_reports->cashFlow(from, to, account);
        QCOMPARE(lines(result), expected);
    }

    void categorySpending_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QStringList>("expected");
        // Same-named categories keep rows of their own, the one with a parent
        // shown under it; the refund in Food does not reduce it; a split
        // counts by its lines; a transfer is no spending.
        QTest::newRow("all accounts") << kAll
                                      << QStringList{"Food|-13000", "Maintenance|-5000", "apple|-5000",
                                                     "Food > Maintenance|-4000", "Uncategorized|-1200"};
        QTest::newRow("one account") << QStringLiteral("a2") << QStringList{"Food > Maintenance|-4000"};
    }
    void categorySpending()
    {
        QFETCH(QString, account);
        QFETCH(QStringList, expected);
        rows("('f1', 'a1', '2024-01-01', -3000, 'P', 'food', 0, NULL, NULL, NULL), "
             "('f2', 'a1', '2024-01-02', 2900, 'P', 'food', 0, NULL, NULL, NULL), "
             "('m1', 'a1', '2024-01-03', -5000, 'P', 'm1', 0, NULL, NULL, NULL), "
             "('m2', 'a2', '2024-12-31', -4000, 'P', 'm2', 0, NULL, NULL, NULL), "
             "('u1', 'a1', '2024-02-01', -1200, 'P', NULL, 0, NULL, NULL, NULL), "
             "('gone', 'a1', '2024-02-01', -99999, 'P', 'food', 0, NULL, NULL, 'D'), "
             "('old', 'a1', '2023-12-31', -99999, 'P', 'food', 0, NULL, NULL, NULL), "
             "('x1', 'a1', '2024-03-01', -7000, 'P', NULL, 0, 'x2', NULL, NULL), "
             "('x2', 'a2', '2024-03-01', 7000, 'P', NULL, 0, 'x1', NULL, NULL)");
        split("('food', -10000), ('low', -5000)");
        QCOMPARE(lines(m_reports->categorySpending(QDate(2024, 1, 1), QDate(2024, 12, 31), account)), expected);
    }

    void payeeSummary()
    {
        rows("('p1', 'a1', '2024-01-01', -100, 'Shop', NULL, 0, NULL, NULL, NULL), "
             "('p2', 'a2', '2024-01-31', -250, 'Shop', NULL, 0, NULL, NULL, NULL), "
             "('p3', 'a1', '2024-01-10', -300, 'shop', NULL, 0, NULL, NULL, NULL), "
             "('p4', 'a1', '2024-01-10', 900, 'Boss', NULL, 0, NULL, NULL, NULL), "
             "('p5', 'a1', '2024-01-10', -5000, 'Boss', NULL, 0, NULL, NULL, 'D')");
        QCOMPARE(lines(m_reports->payeeSummary(QDate(2024, 1, 1), QDate(2024, 1, 31), kAll)),
                 QStringList({"Shop|-350|2", "shop|-300|1", "Boss|900|1"}));
        QCOMPARE(m_reports->payeeSummary(QDate(2024, 1, 1), QDate(2024, 1, 31), QStringLiteral("a2")).size(), 1);
    }

    void taxReport()
    {
        rows("('s1', 'a1', '2024-01-01', 500000, 'P', 'sal', 0, NULL, NULL, NULL), "
             "('s2', 'a2', '2024-02-01', -1000, 'P', 'sal', 0, NULL, NULL, NULL), "
             "('c1', 'a2', '2024-03-01', -2500, 'P', 'char', 0, NULL, NULL, NULL), "
             "('d1', 'a1', '2024-03-01', -800, 'P', 'med', 0, NULL, NULL, NULL), "
             "('f1', 'a1', '2024-03-01', -800, 'P', 'food', 0, NULL, NULL, NULL), "
             "('n1', 'a1', '2024-03-01', -800, 'P', NULL, 0, NULL, NULL, NULL)");
        split("('med', -600), ('food', -400)");
        // Tax key, then name; a deleted category still names its rows.
        QCOMPARE(lines(m_reports->taxReport(QDate(2024, 1, 1), QDate(2024, 12, 31))),
                 QStringList({"Charity|charitable|-2500", "Medical|charitable|-1400", "Salary|w2_wages|499000"}));
    }

    void transactionList_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << kAll << kAll
                             << QStringList{"2024-01-01|Zeta|A||note|-1", "2024-01-01|Alpha|B|Food||-2",
                                            "2024-01-31|Zeta|A|Food > Maintenance||-3"};
        QTest::newRow("account") << QStringLiteral("a2") << kAll << QStringList{"2024-01-01|Alpha|B|Food||-2"};
        QTest::newRow("category") << kAll << QStringLiteral("m2")
                                  << QStringList{"2024-01-31|Zeta|A|Food > Maintenance||-3"};
        QTest::newRow("both, no match") << QStringLiteral("a2") << QStringLiteral("m2") << QStringList{};
    }
    void transactionList()
    {
        QFETCH(QString, account);
        QFETCH(QString, category);
        QFETCH(QStringList, expected);
        rows("('l1', 'a1', '2024-01-31', -3, 'A', 'm2', 0, NULL, NULL, NULL), "
             "('l2', 'a2', '2024-01-01', -2, 'B', 'food', 0, NULL, NULL, NULL), "
             "('l3', 'a1', '2024-01-01', -1, 'A', NULL, 0, NULL, 'note', NULL), "
             "('l4', 'a1', '2024-02-01', -4, 'A', NULL, 0, NULL, NULL, NULL), "
             "('l5', 'a1', '2024-01-15', -5, 'A', NULL, 0, NULL, NULL, 'D')");
        QCOMPARE(lines(m_reports->transactionList(QDate(2024, 1, 1), QDate(2024, 1, 31), account, category)),
                 expected);
    }

    void yearOverYear()
    {
        rows("('p1', 'a1', '2023-01-01', -10000, 'P', 'food', 0, NULL, NULL, NULL), "
             "('c1', 'a1', '2024-12-31', -15000, 'P', 'food', 0, NULL, NULL, NULL), "
             "('c2', 'a1', '2024-06-01', 500, 'P', 'food', 0, NULL, NULL, NULL), "
             "('p2', 'a1', '2023-12-31', -700, 'P', 'm1', 0, NULL, NULL, NULL), "
             "('p3', 'a2', '2023-05-01', -300, 'P', 'm2', 0, NULL, NULL, NULL), "
             "('c3', 'a1', '2024-01-01', -40, 'P', 'low', 0, NULL, NULL, NULL), "
             "('c4', 'a1', '2024-02-01', 900, 'P', 'sal', 0, NULL, NULL, NULL), "
             "('c5', 'a1', '2024-02-01', -60, 'P', NULL, 0, NULL, NULL, NULL), "
             "('gone', 'a1', '2024-02-01', -5, 'P', 'sal', 0, NULL, NULL, 'D'), "
             "('out', 'a1', '2025-01-01', -5, 'P', 'med', 0, NULL, NULL, NULL)");
        split("('low', -600), ('food', -400)");
        const QDate pf(2023, 1, 1), pt(2023, 12, 31), cf(2024, 1, 1), ct(2024, 12, 31);
        // Capitals before small letters; positives count with their sign.
        QCOMPARE(lines(m_reports->yearOverYear(pf, pt, cf, ct, kAll)),
                 QStringList({"Food|-10000|-14900|-4900", "Food > Maintenance|-300|0|300",
                              "Maintenance|-700|0|700", "Salary|0|900|900", "Uncategorized|0|-60|-60",
                              "apple|0|-640|-640"}));
        QCOMPARE(lines(m_reports->yearOverYear(pf, pt, cf, ct, QStringLiteral("a2"))),
                 QStringList({"Food > Maintenance|-300|0|300"}));
    }

    // Categories that share a name, deleted ones included, have rows of
    // their own under their parents' names; a deleted one joins a live
    // one's row only when both have the same parent and name. The quick
    // ways and the statements agree.
    void sharedCategoryNames()
    {
        exec(QStringLiteral(
            "INSERT INTO categories (id, name, parent_id, is_tax_relevant, tax_category, created_at, updated_at, "
            "deleted_at) VALUES ('home', 'Housing', NULL, 0, NULL, 'x', 'x', NULL), "
            "('car', 'Transportation', NULL, 0, NULL, 'x', 'x', 'D'), "
            "('hm', 'Maintenance', 'home', 1, 'repairs', 'x', 'x', NULL), "
            "('cm', 'Maintenance', 'car', 1, 'repairs', 'x', 'x', 'D'), "
            "('old', 'Maintenance', 'home', 1, 'repairs', 'x', 'x', 'D'), "
            "('sal2', 'Salary', 'home', 1, 'w2_wages', 'x', 'x', 'D')"));
        rows("('h1', 'a1', '2024-03-01', -8500, 'P', 'hm', 0, NULL, NULL, NULL), "
             "('c1', 'a2', '2024-03-02', -4000, 'P', 'cm', 0, NULL, NULL, NULL), "
             "('o1', 'a1', '2024-03-03', -100, 'P', 'old', 0, NULL, NULL, NULL), "
             "('s1', 'a1', '2024-03-04', 500, 'P', 'sal', 0, NULL, NULL, NULL), "
             "('s2', 'a1', '2024-03-05', 300, 'P', 'sal2', 0, NULL, NULL, NULL), "
             "('m1', 'a1', '2023-03-01', -700, 'P', 'm1', 0, NULL, NULL, NULL)");
        const QDate pf(2023, 1, 1), pt(2023, 12, 31), cf(2024, 1, 1), ct(2024, 12, 31);
        QSqlDatabase* db = &m_db->db()->database();
        QVERIFY(ReportFast::categorySpending(db, cf, ct, kAll));
        QVERIFY(ReportFast::taxReport(db, cf, ct));
        QVERIFY(ReportFast::categoryTotals(db, cf, ct, kAll));
        for (bool statementsOnly : {false, true}) {
            m_reports->setStatementsOnly(statementsOnly);
            QCOMPARE(lines(m_reports->categorySpending(cf, ct, kAll)),
                     QStringList({"Housing > Maintenance|-8600", "Transportation > Maintenance|-4000"}));
            QCOMPARE(lines(m_reports->taxReport(cf, ct)),
                     QStringList({"Housing > Maintenance|repairs|-8600", "Transportation > Maintenance|repairs|-4000",
                                  "Housing > Salary|w2_wages|300", "Salary|w2_wages|500"}));
            QCOMPARE(lines(m_reports->yearOverYear(pf, pt, cf, ct, kAll)),
                     QStringList({"Housing > Maintenance|0|-8600|-8600", "Housing > Salary|0|300|300",
                                  "Maintenance|-700|0|700", "Salary|0|500|500",
                                  "Transportation > Maintenance|0|-4000|-4000"}));
            // The list labels each transaction's category as the reports do.
            QCOMPARE(m_reports->transactionList(cf, ct, kAll, QStringLiteral("cm")).first().categoryName,
                     QStringLiteral("Transportation > Maintenance"));
        }
    }

    void emptyAndBadRanges_data()
    {
        QTest::addColumn<bool>("withData");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::newRow("empty database") << false << QDate(2000, 1, 1) << QDate(2100, 1, 1);
        QTest::newRow("reversed range") << true << QDate(2024, 12, 31) << QDate(2024, 1, 1);
        QTest::newRow("invalid from") << true << QDate() << QDate(2100, 1, 1);
    }
    void emptyAndBadRanges()
    {
        QFETCH(bool, withData);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        if (withData)
            rows("('t', 'a1', '2024-06-01', -5, 'P', 'sal', 0, NULL, NULL, NULL)");
        else
            exec(QStringLiteral("DELETE FROM accounts"));
        QVERIFY(m_reports->cashFlow(from, to, kAll).isEmpty());
        QVERIFY(m_reports->incomeVsExpenses(from, to, kAll).isEmpty());
        QVERIFY(m_reports->categorySpending(from, to, kAll).isEmpty());
        QVERIFY(m_reports->payeeSummary(from, to, kAll).isEmpty());
        QVERIFY(m_reports->taxReport(from, to).isEmpty());
        QVERIFY(m_reports->transactionList(from, to, kAll, kAll).isEmpty());
        QVERIFY(m_reports->yearOverYear(from, to, from, to, kAll).isEmpty());
        QCOMPARE(m_reports->accountSummary().isEmpty(), !withData);
    }

    // A sum that overflows fails the statement part-way: no partial list,
    // no crash, nothing logged.
    void overflowingSumGivesEmptyList()
    {
        rows("('ok', 'a1', '2024-01-01', -1, 'P', NULL, 0, NULL, NULL, NULL), "
             "('big1', 'a1', '2024-02-01', 9223372036854775807, 'P', NULL, 0, NULL, NULL, NULL), "
             "('big2', 'a1', '2024-02-02', 9223372036854775807, 'P', NULL, 0, NULL, NULL, NULL)");
        QVERIFY(m_reports->cashFlow(QDate(2024, 1, 1), QDate(2024, 12, 31), kAll).isEmpty());
        QVERIFY(m_reports->yearOverYear(QDate(2024, 1, 1), QDate(2024, 12, 31), QDate(2024, 1, 1),
                                        QDate(2024, 12, 31), kAll)
                    .isEmpty());
        QVERIFY(m_reports->accountSummary().isEmpty());
        // One big amount plus the starting balance saturates.
        exec(QStringLiteral("DELETE FROM transactions WHERE id = 'big2'"));
        QCOMPARE(m_reports->accountSummary().at(1).balance, std::numeric_limits<qint64>::max());
    }

    // The quicker ways to the rows give exactly the statements' rows: same
    // rows, same order (ties included), same sums.
    void quickWaysMatchStatements_data()
    {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        const QDate allFrom(2000, 1, 1), allTo(2030, 12, 31);
        QTest::newRow("all time") << allFrom << allTo << kAll << kAll;
        QTest::newRow("one account") << allFrom << allTo << QStringLiteral("a1") << kAll;
        QTest::newRow("deleted account") << allFrom << allTo << QStringLiteral("a4") << kAll;
        QTest::newRow("missing account") << allFrom << allTo << QStringLiteral("ghost") << kAll;
        QTest::newRow("one year") << QDate(2024, 1, 1) << QDate(2024, 12, 31) << kAll << kAll;
        QTest::newRow("one busy day") << QDate(2024, 6, 15) << QDate(2024, 6, 15) << kAll << kAll;
        QTest::newRow("list by category") << allFrom << allTo << kAll << QStringLiteral("food");
        QTest::newRow("list by account and category")
            << allFrom << allTo << QStringLiteral("a2") << QStringLiteral("m2");
        QTest::newRow("reversed") << allTo << allFrom << kAll << kAll;
        QTest::newRow("open start") << QDate() << allTo << kAll << kAll;
    }
    void quickWaysMatchStatements()
    {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QString, account);
        QFETCH(QString, category);
        seedVaried();
        // Each quick way gives rows of its own (no falling back here).
        QSqlDatabase* db = &m_db->db()->database();
        QVERIFY(ReportFast::categorySpending(db, from, to, account));
        QVERIFY(ReportFast::payeeSummary(db, from, to, account));
        QVERIFY(ReportFast::taxReport(db, from, to));
        QVERIFY(ReportFast::monthlyFlows(db, from, to, account, false));
        QVERIFY(ReportFast::monthlyFlows(db, from, to, account, true));
        QVERIFY(ReportFast::categoryTotals(db, from, to, account));
        QVERIFY(ReportFast::transactionList(db, from, to, account, category));

        const QStringList quick = allReports(from, to, account, category);
        m_reports->setStatementsOnly(true);
        QCOMPARE(quick, allReports(from, to, account, category));
        QVERIFY(quick.size() > 16 || from > to || !from.isValid());
    }

    // Stored values the quick ways cannot vouch for leave the rows to the
    // statements, whatever those make of them.
    void damagedValuesGiveStatementRows_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("real amount") << "UPDATE transactions SET amount = 12.5 WHERE id = 'v010'";
        QTest::newRow("text amount") << "UPDATE transactions SET amount = 'abc' WHERE id = 'v011'";
        QTest::newRow("blob payee") << "UPDATE transactions SET payee = X'53686F70' WHERE id = 'v012'";
        QTest::newRow("blob category")
            << "UPDATE transactions SET category_id = CAST('food' AS BLOB) WHERE id = 'v013'";
        QTest::newRow("sums past the 64-bit range")
            << "UPDATE transactions SET amount = 9223372036854775000 WHERE id IN ('v014', 'v015')";
        QTest::newRow("smallest integer") << "UPDATE transactions SET amount = -9223372036854775808 WHERE id = 'v016'";
        QTest::newRow("real split amounts") << "UPDATE split_lines SET amount = amount - 0.5";
    }
    void damagedValuesGiveStatementRows()
    {
        QFETCH(QString, damage);
        seedVaried();
        exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
        exec(damage);
        QSqlDatabase* db = &m_db->db()->database();
        const QDate from(2000, 1, 1), to(2030, 1, 1);
        QVERIFY(!(ReportFast::categorySpending(db, from, to, kAll) && ReportFast::payeeSummary(db, from, to, kAll)
                  && ReportFast::taxReport(db, from, to) && ReportFast::monthlyFlows(db, from, to, kAll, true)
                  && ReportFast::transactionList(db, from, to, kAll, kAll)));
        const QStringList quick = allReports(from, to, kAll, kAll);
        m_reports->setStatementsOnly(true);
        QCOMPARE(quick, allReports(from, to, kAll, kAll));
    }

    void datePresets_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("end of a leap March")
            << QDate(2024, 3, 31)
            << QStringList{"This Month|2024-03-01|2024-03-31", "Last Month|2024-02-01|2024-02-29",
                           "This Quarter|2024-01-01|2024-03-31", "Last Quarter|2023-10-01|2023-12-31",
                           "This Year|2024-01-01|2024-03-31", "Last Year|2023-01-01|2023-12-31",
                           "Last 30 Days|2024-03-01|2024-03-31", "Last 90 Days|2024-01-01|2024-03-31",
                           "Last 12 Months|2023-03-31|2024-03-31", "All Time|2000-01-01|2024-03-31", "Custom||"};
        QTest::newRow("new year's day")
            << QDate(2023, 1, 1)
            << QStringList{"This Month|2023-01-01|2023-01-01", "Last Month|2022-12-01|2022-12-31",
                           "This Quarter|2023-01-01|2023-01-01", "Last Quarter|2022-10-01|2022-12-31",
                           "This Year|2023-01-01|2023-01-01", "Last Year|2022-01-01|2022-12-31",
                           "Last 30 Days|2022-12-02|2023-01-01", "Last 90 Days|2022-10-03|2023-01-01",
                           "Last 12 Months|2022-01-01|2023-01-01", "All Time|2000-01-01|2023-01-01", "Custom||"};
        QTest::newRow("leap day")
            << QDate(2024, 2, 29)
            << QStringList{"This Month|2024-02-01|2024-02-29", "Last Month|2024-01-01|2024-01-31",
                           "This Quarter|2024-01-01|2024-02-29", "Last Quarter|2023-10-01|2023-12-31",
                           "This Year|2024-01-01|2024-02-29", "Last Year|2023-01-01|2023-12-31",
                           "Last 30 Days|2024-01-30|2024-02-29", "Last 90 Days|2023-12-01|2024-02-29",
                           "Last 12 Months|2023-02-28|2024-02-29", "All Time|2000-01-01|2024-02-29", "Custom||"};
    }
    void datePresets()
    {
        QFETCH(QDate, today);
        QFETCH(QStringList, expected);
        QStringList got;
        for (const DatePreset& p : ReportFormat::datePresets(today))
            got << join({p.name, p.from.toString(Qt::ISODate), p.to.toString(Qt::ISODate)});
        QCOMPARE(got, expected);
    }

    void comparePeriods_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("expected");
        QTest::newRow("this year vs last") << QDate(2024, 2, 15) << 0 << "2023-01-01|2023-12-31|2024-01-01|2024-02-15";
        QTest::newRow("last year vs before")
            << QDate(2024, 2, 15) << 1 << "2022-01-01|2022-12-31|2023-01-01|2023-12-31";
        QTest::newRow("quarters over a year end")
            << QDate(2024, 2, 15) << 2 << "2023-10-01|2023-12-31|2024-01-01|2024-02-15";
        QTest::newRow("quarters, last day") << QDate(2024, 9, 30) << 2 << "2024-04-01|2024-06-30|2024-07-01|2024-09-30";
        QTest::newRow("custom") << QDate(2024, 2, 15) << 3 << "";
        QTest::newRow("none") << QDate(2024, 2, 15) << -1 << "";
    }
    void comparePeriods()
    {
        QFETCH(QDate, today);
        QFETCH(int, index);
        QFETCH(QString, expected);
        const auto p = ReportFormat::comparePeriods(index, today);
        const QString got = p ? join({p->previousFrom.toString(Qt::ISODate), p->previousTo.toString(Qt::ISODate),
                                      p->currentFrom.toString(Qt::ISODate), p->currentTo.toString(Qt::ISODate)})
                              : QString();
        QCOMPARE(got, expected);
    }

    void flowTotals()
    {
        const qint64 max = std::numeric_limits<qint64>::max();
        ReportFormat::FlowTotals t = ReportFormat::flowTotals({{"2024-01", 100, -40, 60}, {"2024-02", 5, 0, 5}});
        QCOMPARE(QList<qint64>({t.inflow, t.outflow, t.net}), QList<qint64>({105, -40, 65}));
        t = ReportFormat::flowTotals({{"a", max, -max, 0}, {"b", 1, -2, -1}});
        QCOMPARE(QList<qint64>({t.inflow, t.outflow, t.net}),
                 QList<qint64>({max, std::numeric_limits<qint64>::min(), -1}));
    }

    void labelsAndFileNames()
    {
        QStringList labels;
        for (const char* stored : {"checking", "savings", "credit_card", "cash", "investment", "other", "Checking", ""})
            labels << ReportFormat::accountTypeLabel(QString::fromLatin1(stored));
        QCOMPARE(labels, QStringList({"Checking", "Savings", "Credit Card", "Cash", "Investment", "Other", "Other",
                                      "Other"}));
        QCOMPARE(ReportFormat::exportFileName(0), QStringLiteral("category_spending.csv"));
        QCOMPARE(ReportFormat::exportFileName(7), QStringLiteral("transactions.csv"));
        QVERIFY(ReportFormat::exportFileName(8).isEmpty());
        QVERIFY(ReportFormat::exportFileName(-1).isEmpty());
    }

    void toCsv_data()
    {
        QTest::addColumn<QStringList>("headers");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << QStringList{"Date", "Amount"} << QList<QStringList>{{"2024-01-31", "12.50"}}
                               << QStringLiteral("\"Date\",\"Amount\"\n\"2024-01-31\",\"12.50\"\n");
        QTest::newRow("quotes doubled in cells and headers")
            << QStringList{"Say \"hi\""} << QList<QStringList>{{"\"", "a\"\"b"}}
            << QStringLiteral("\"Say \"\"hi\"\"\"\n\"\"\"\",\"a\"\"\"\"b\"\n");
        QTest::newRow("separators stay inside quotes")
            << QStringList{"A"} << QList<QStringList>{{"x,y", "l1\r\nl2", ""}}
            << QStringLiteral("\"A\"\n\"x,y\",\"l1\r\nl2\",\"\"\n");
        QTest::newRow("no headers, empty row") << QStringList{} << QList<QStringList>{{}, {"z"}}
                                               << QStringLiteral("\n\n\"z\"\n");
        QTest::newRow("nothing") << QStringList{} << QList<QStringList>{} << QStringLiteral("\n");
    }
    void toCsv()
    {
        QFETCH(QStringList, headers);
        QFETCH(QList<QStringList>, rows);
        QFETCH(QString, expected);
        QCOMPARE(ReportService::toCsv(headers, rows), expected);
    }
};

TALLYLEAF_CORE_TEST_MAIN(TestReportService)
#include "tst_reportservice.moc"
