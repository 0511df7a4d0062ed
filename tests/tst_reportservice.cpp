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
    // One transaction row written directly, so that edge values (an empty
    // transfer link, a NULL memo, a deletion mark) can be stored as they are.
    void tx(const QString& id, const QString& account, const QString& date, qint64 amount,
            const QString& payee = QStringLiteral("Payee"), const QString& category = QString(), bool cleared = false,
            const QString& link = QString(), bool deleted = false, const QString& memo = QString())
    {
        const QString null = QStringLiteral("NULL");
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, cleared, "
                            "transfer_link_id, created_at, updated_at, deleted_at) VALUES ('%1', '%2', '%3', '%4', %5, "
                            "%6, %7, %8, %9, 'x', 'x', %10)")
                 .arg(id, account, date, payee, memo.isEmpty() ? null : memo, QString::number(amount),
                      category.isEmpty() ? null : QLatin1Char('\'') + category + QLatin1Char('\''),
                      cleared ? QStringLiteral("1") : QStringLiteral("0"), link.isEmpty() ? null : link,
                      deleted ? QStringLiteral("'2024-06-01T00:00:00Z'") : null));
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
            "('a4', 'Gone', 'cash', 5, 0, 'x', 'x', '2024-01-01T00:00:00Z')"));
        exec(QStringLiteral(
            "INSERT INTO categories (id, name, category_type, parent_id, is_tax_relevant, tax_category, created_at, "
            "updated_at, deleted_at) VALUES ('food', 'Food', 'expense', NULL, 0, NULL, 'x', 'x', NULL), "
            "('m1', 'Maintenance', 'expense', NULL, 0, NULL, 'x', 'x', NULL), "
            "('m2', 'Maintenance', 'expense', 'food', 0, NULL, 'x', 'x', NULL), "
            "('sal', 'Salary', 'income', NULL, 1, 'w2_wages', 'x', 'x', NULL), "
            "('char', 'Charity', 'expense', NULL, 1, 'charitable', 'x', 'x', '2024-01-01T00:00:00Z'), "
            "('med', 'Medical', 'expense', NULL, 1, 'charitable', 'x', 'x', NULL), "
            "('low', 'apple', 'expense', NULL, 0, NULL, 'x', 'x', NULL)"));
    }
    void cleanup()
    {
        m_reports.reset();
        m_db.reset();
    }

    void accountSummary()
    {
        tx(QStringLiteral("t1"), QStringLiteral("a1"), QStringLiteral("2024-01-05"), 500, {}, {}, true);
        tx(QStringLiteral("t2"), QStringLiteral("a1"), QStringLiteral("1999-01-05"), -200);
        tx(QStringLiteral("t3"), QStringLiteral("a1"), QStringLiteral("2024-01-06"), -999, {}, {}, true, {}, true);
        tx(QStringLiteral("t4"), QStringLiteral("a4"), QStringLiteral("2024-01-06"), -1);

        QStringList got;
        for (const AccountSummaryRow& r : m_reports->accountSummary())
            got << join({r.name, r.accountType, QString::number(r.clearedBalance), QString::number(r.unclearedAmount),
                         QString::number(r.balance)});
        // Sort order first, then name; the deleted account has no row and
        // the deleted transaction counts nowhere.
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
        tx(QStringLiteral("in"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), 10000);
        tx(QStringLiteral("out"), QStringLiteral("a1"), QStringLiteral("2024-01-20"), -2500);
        tx(QStringLiteral("x1"), QStringLiteral("a1"), QStringLiteral("2024-01-15"), -3000, {}, {}, false,
           QStringLiteral("'x2'"));
        tx(QStringLiteral("x2"), QStringLiteral("a2"), QStringLiteral("2024-01-15"), 3000, {}, {}, false,
           QStringLiteral("'x1'"));
        tx(QStringLiteral("nolink"), QStringLiteral("a2"), QStringLiteral("2024-03-02"), 40, {}, {}, false,
           QStringLiteral("''"));
        tx(QStringLiteral("last"), QStringLiteral("a1"), QStringLiteral("2024-03-31"), -100);
        tx(QStringLiteral("before"), QStringLiteral("a1"), QStringLiteral("2023-12-31"), -7);
        tx(QStringLiteral("after"), QStringLiteral("a1"), QStringLiteral("2024-04-01"), -7);
        tx(QStringLiteral("deleted"), QStringLiteral("a1"), QStringLiteral("2024-02-10"), -50, {}, {}, false, {}, true);

        const QDate from(2024, 1, 1);
        const QDate to(2024, 3, 31);
        const QList<MonthlyFlowRow> rows =
            income ? m_reports->incomeVsExpenses(from, to, account) : m_reports->cashFlow(from, to, account);
        QCOMPARE(flows(rows), expected);
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
        tx(QStringLiteral("f1"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), -3000, {}, QStringLiteral("food"));
        tx(QStringLiteral("f2"), QStringLiteral("a1"), QStringLiteral("2024-01-02"), 2900, {}, QStringLiteral("food"));
        tx(QStringLiteral("m1"), QStringLiteral("a1"), QStringLiteral("2024-01-03"), -5000, {}, QStringLiteral("m1"));
        tx(QStringLiteral("m2"), QStringLiteral("a2"), QStringLiteral("2024-12-31"), -4000, {}, QStringLiteral("m2"));
        tx(QStringLiteral("u1"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), -1200);
        tx(QStringLiteral("gone"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), -99999, {},
           QStringLiteral("food"), false, {}, true);
        tx(QStringLiteral("old"), QStringLiteral("a1"), QStringLiteral("2023-12-31"), -99999, {}, QStringLiteral("food"));
        QCOMPARE(spending(m_reports->categorySpending(QDate(2024, 1, 1), QDate(2024, 12, 31), account)), expected);
    }

    void payeeSummary()
    {
        tx(QStringLiteral("p1"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), -100, QStringLiteral("Shop"));
        tx(QStringLiteral("p2"), QStringLiteral("a2"), QStringLiteral("2024-01-31"), -250, QStringLiteral("Shop"));
        tx(QStringLiteral("p3"), QStringLiteral("a1"), QStringLiteral("2024-01-10"), -300, QStringLiteral("shop"));
        tx(QStringLiteral("p4"), QStringLiteral("a1"), QStringLiteral("2024-01-10"), 900, QStringLiteral("Boss"));
        tx(QStringLiteral("p5"), QStringLiteral("a1"), QStringLiteral("2024-01-10"), -5000, QStringLiteral("Boss"),
           {}, false, {}, true);
        QStringList got;
        for (const PayeeSummaryRow& r : m_reports->payeeSummary(QDate(2024, 1, 1), QDate(2024, 1, 31), kAll))
            got << join({r.payee, QString::number(r.total), QString::number(r.count)});
        QCOMPARE(got, QStringList({"Shop|-350|2", "shop|-300|1", "Boss|900|1"}));

        QCOMPARE(m_reports->payeeSummary(QDate(2024, 1, 1), QDate(2024, 1, 31), QStringLiteral("a2")).size(), 1);
    }

    void taxReport()
    {
        tx(QStringLiteral("s1"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), 500000, {}, QStringLiteral("sal"));
        tx(QStringLiteral("s2"), QStringLiteral("a2"), QStringLiteral("2024-02-01"), -1000, {}, QStringLiteral("sal"));
        tx(QStringLiteral("c1"), QStringLiteral("a2"), QStringLiteral("2024-03-01"), -2500, {}, QStringLiteral("char"));
        tx(QStringLiteral("d1"), QStringLiteral("a1"), QStringLiteral("2024-03-01"), -800, {}, QStringLiteral("med"));
        tx(QStringLiteral("f1"), QStringLiteral("a1"), QStringLiteral("2024-03-01"), -800, {}, QStringLiteral("food"));
        tx(QStringLiteral("n1"), QStringLiteral("a1"), QStringLiteral("2024-03-01"), -800);
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
        tx(QStringLiteral("l1"), QStringLiteral("a1"), QStringLiteral("2024-01-31"), -3, QStringLiteral("A"),
           QStringLiteral("m2"));
        tx(QStringLiteral("l2"), QStringLiteral("a2"), QStringLiteral("2024-01-01"), -2, QStringLiteral("B"),
           QStringLiteral("food"));
        tx(QStringLiteral("l3"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), -1, QStringLiteral("A"), {}, false,
           {}, false, QStringLiteral("'note'"));
        tx(QStringLiteral("l4"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), -4, QStringLiteral("A"));
        tx(QStringLiteral("l5"), QStringLiteral("a1"), QStringLiteral("2024-01-15"), -5, QStringLiteral("A"), {}, false,
           {}, true);
        QStringList got;
        for (const TransactionListRow& r :
             m_reports->transactionList(QDate(2024, 1, 1), QDate(2024, 1, 31), account, category))
            got << join({r.date, r.accountName, r.payee, r.categoryName, r.memo, QString::number(r.amount)});
        QCOMPARE(got, expected);
    }

    void yearOverYear()
    {
        tx(QStringLiteral("p1"), QStringLiteral("a1"), QStringLiteral("2023-01-01"), -10000, {}, QStringLiteral("food"));
        tx(QStringLiteral("c1"), QStringLiteral("a1"), QStringLiteral("2024-12-31"), -15000, {}, QStringLiteral("food"));
        tx(QStringLiteral("c2"), QStringLiteral("a1"), QStringLiteral("2024-06-01"), 500, {}, QStringLiteral("food"));
        tx(QStringLiteral("p2"), QStringLiteral("a1"), QStringLiteral("2023-12-31"), -700, {}, QStringLiteral("m1"));
        tx(QStringLiteral("p3"), QStringLiteral("a2"), QStringLiteral("2023-05-01"), -300, {}, QStringLiteral("m2"));
        tx(QStringLiteral("c3"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), -40, {}, QStringLiteral("low"));
        tx(QStringLiteral("c4"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), 900, {}, QStringLiteral("sal"));
        tx(QStringLiteral("c5"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), -60);
        tx(QStringLiteral("gone"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), -5, {}, QStringLiteral("sal"),
           false, {}, true);
        tx(QStringLiteral("out"), QStringLiteral("a1"), QStringLiteral("2025-01-01"), -5, {}, QStringLiteral("med"));

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
        QTest::newRow("invalid to") << true << QDate(2000, 1, 1) << QDate();
    }
    void emptyAndBadRanges()
    {
        QFETCH(bool, withData);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        if (withData)
            tx(QStringLiteral("t"), QStringLiteral("a1"), QStringLiteral("2024-06-01"), -5, {}, QStringLiteral("sal"));
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
        tx(QStringLiteral("ok"), QStringLiteral("a1"), QStringLiteral("2024-01-01"), -1);
        tx(QStringLiteral("big1"), QStringLiteral("a1"), QStringLiteral("2024-02-01"), Q_INT64_C(9223372036854775807));
        tx(QStringLiteral("big2"), QStringLiteral("a1"), QStringLiteral("2024-02-02"), Q_INT64_C(9223372036854775807));
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
