#include "testsupport.h"

#include "data/database.h"
#include "services/reportservice.h"

#include <limits>

using TestSupport::exec;

namespace {

const QString kAll;

QString join(const QStringList& parts)
{
    return parts.join(QLatin1Char('|'));
}

QStringList flows(const QList<MonthlyFlowRow>& rows)
{
    QStringList out;
    for (const MonthlyFlowRow& r : rows)
        out << join({r.month, QString::number(r.inflow), QString::number(r.outflow), QString::number(r.net)});
    return out;
}

QStringList spending(const QList<CategorySpendingRow>& rows)
{
    QStringList out;
    for (const CategorySpendingRow& r : rows)
        out << join({r.category, QString::number(r.amount)});
    return out;
}

QStringList yoy(const QList<YearOverYearRow>& rows)
{
    QStringList out;
    for (const YearOverYearRow& r : rows)
        out << join({r.category, QString::number(r.previousAmount), QString::number(r.currentAmount),
                     QString::number(r.change)});
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
        QStringList got;
        for (const AccountSummaryRow& r : m_reports->accountSummary())
            got << join({r.name, r.accountType, QString::number(r.clearedBalance), QString::number(r.unclearedAmount),
                         QString::number(r.balance)});
        // Sort order first, then name; the deleted account has no row, the
        // deleted transaction counts nowhere, dates play no part.
        QCOMPARE(got, QStringList({"Beta|Weird|0|0|0", "Zeta|checking|10500|-200|10300", "Alpha|savings|700|0|700"}));
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
        QCOMPARE(flows(result), expected);
    }

    void categorySpending_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QStringList>("expected");
        // Same-named categories merge; the refund in Food does not reduce it.
        QTest::newRow("all accounts") << kAll
                                      << QStringList{"Maintenance|-9000", "Food|-3000", "Uncategorized|-1200"};
        QTest::newRow("one account") << QStringLiteral("a2") << QStringList{"Maintenance|-4000"};
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
             "('old', 'a1', '2023-12-31', -99999, 'P', 'food', 0, NULL, NULL, NULL)");
        QCOMPARE(spending(m_reports->categorySpending(QDate(2024, 1, 1), QDate(2024, 12, 31), account)), expected);
    }

    void payeeSummary()
    {
        rows("('p1', 'a1', '2024-01-01', -100, 'Shop', NULL, 0, NULL, NULL, NULL), "
             "('p2', 'a2', '2024-01-31', -250, 'Shop', NULL, 0, NULL, NULL, NULL), "
             "('p3', 'a1', '2024-01-10', -300, 'shop', NULL, 0, NULL, NULL, NULL), "
             "('p4', 'a1', '2024-01-10', 900, 'Boss', NULL, 0, NULL, NULL, NULL), "
             "('p5', 'a1', '2024-01-10', -5000, 'Boss', NULL, 0, NULL, NULL, 'D')");
        QStringList got;
        for (const PayeeSummaryRow& r : m_reports->payeeSummary(QDate(2024, 1, 1), QDate(2024, 1, 31), kAll))
            got << join({r.payee, QString::number(r.total), QString::number(r.count)});
        QCOMPARE(got, QStringList({"Shop|-350|2", "shop|-300|1", "Boss|900|1"}));
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
        QStringList got;
        for (const TaxReportRow& r : m_reports->taxReport(QDate(2024, 1, 1), QDate(2024, 12, 31)))
            got << join({r.category, r.taxCategory, QString::number(r.amount)});
        // Tax key, then name; a deleted category still names its rows.
        QCOMPARE(got, QStringList({"Charity|charitable|-2500", "Medical|charitable|-800", "Salary|w2_wages|499000"}));
    }

    void transactionList_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("all") << kAll << kAll
                             << QStringList{"2024-01-01|Zeta|A||note|-1", "2024-01-01|Alpha|B|Food||-2",
                                            "2024-01-31|Zeta|A|Maintenance||-3"};
        QTest::newRow("account") << QStringLiteral("a2") << kAll << QStringList{"2024-01-01|Alpha|B|Food||-2"};
        QTest::newRow("category") << kAll << QStringLiteral("m2") << QStringList{"2024-01-31|Zeta|A|Maintenance||-3"};
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
        QStringList got;
        for (const TransactionListRow& r :
             m_reports->transactionList(QDate(2024, 1, 1), QDate(2024, 1, 31), account, category))
            got << join({r.date, r.accountName, r.payee, r.categoryName, r.memo, QString::number(r.amount)});
        QCOMPARE(got, expected);
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
        const QDate pf(2023, 1, 1), pt(2023, 12, 31), cf(2024, 1, 1), ct(2024, 12, 31);
        // Capitals before small letters; positives count with their sign.
        QCOMPARE(yoy(m_reports->yearOverYear(pf, pt, cf, ct, kAll)),
                 QStringList({"Food|-10000|-14500|-4500", "Maintenance|-1000|0|1000", "Salary|0|900|900",
                              "Uncategorized|0|-60|-60", "apple|0|-40|-40"}));
        QCOMPARE(yoy(m_reports->yearOverYear(pf, pt, cf, ct, QStringLiteral("a2"))),
                 QStringList({"Maintenance|-300|0|300"}));
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

TALLYLEAF_TEST_MAIN(TestReportService)
#include "tst_reportservice.moc"
