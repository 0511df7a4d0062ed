#include "services/reportservice.h"

#include "data/database.h"
#include "data/money.h"
#include "services/reportfast.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtNumeric>

#include <limits>

namespace {

// Reads every row of an executed query; a statement that fails while
// stepping (an overflowing SUM, say) yields nothing rather than a part.
template <typename Row, typename Reader>
QList<Row> collect(QSqlQuery& q, Reader read)
{
    QList<Row> rows;
    while (q.next())
        rows.append(read(q));
    if (q.lastError().isValid())
        return {};
    return rows;
}

QList<MonthlyFlowRow> monthlyFlows(QSqlQuery& q)
{
    return collect<MonthlyFlowRow>(q, [](const QSqlQuery& q) {
        MonthlyFlowRow r;
        r.month = q.value(0).toString();
        r.inflow = q.value(1).toLongLong();
        r.outflow = q.value(2).toLongLong();
        r.net = saturatingAdd(r.inflow, r.outflow);
        return r;
    });
}

void appendQuoted(QString& out, const QString& text)
{
    out += QLatin1Char('"');
    QString inner = text;
    out += inner.replace(QLatin1Char('"'), QLatin1String("\"\""));
    out += QLatin1Char('"');
}

void appendLine(QString& out, const QStringList& cells)
{
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            out += QLatin1Char(',');
        appendQuoted(out, cells.at(i));
    }
    out += QLatin1Char('\n');
}

} // namespace

ReportService::ReportService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QSqlDatabase* ReportService::fastDatabase() const
{
    return m_statementsOnly ? nullptr : &m_database->database();
}

bool ReportService::run(QSqlQuery& q, const QString& base, const QString& tail, QDate from, QDate to,
                        const QString& accountId, const QString& categoryId) const
{
    const ReportFast::Filter f = ReportFast::filter(from, to, accountId, categoryId);
    q.setForwardOnly(true);
    if (!q.prepare(base + f.clause + tail))
        return false;
    for (const QString& v : f.values)
        q.addBindValue(v); // a null string binds NULL
    return q.exec();
}

QList<AccountSummaryRow> ReportService::accountSummary() const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT a.name, a.account_type, a.starting_balance, COALESCE(SUM(CASE WHEN t.cleared = 1 THEN t.amount "
            "ELSE 0 END), 0) AS cleared_sum, COALESCE(SUM(CASE WHEN t.cleared = 0 THEN t.amount ELSE 0 END), 0) AS "
            "uncleared_sum, COALESCE(SUM(t.amount), 0) AS total_sum FROM accounts a LEFT JOIN transactions t ON "
            "t.account_id = a.id AND t.deleted_at IS NULL WHERE a.deleted_at IS NULL GROUP BY a.id ORDER BY "
            "a.sort_order, a.name")))
        return {};
    return collect<AccountSummaryRow>(q, [](const QSqlQuery& q) {
        AccountSummaryRow r;
        r.name = q.value(0).toString();
        r.accountType = q.value(1).toString();
        const qint64 starting = q.value(2).toLongLong();
        r.clearedBalance = saturatingAdd(starting, q.value(3).toLongLong());
        r.unclearedAmount = q.value(4).toLongLong();
        r.balance = saturatingAdd(starting, q.value(5).toLongLong());
        return r;
    });
}

QList<MonthlyFlowRow> ReportService::cashFlow(QDate from, QDate to, const QString& accountId) const
{
    if (auto fast = ReportFast::monthlyFlows(fastDatabase(), from, to, accountId, true))
        return *fast;
    QSqlQuery q(m_database->database());
    if (!run(q,
             QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount "
                            "ELSE 0 END) AS inflows, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS outflows "
                            "FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?"),
             QStringLiteral(" GROUP BY month ORDER BY month"), from, to, accountId))
        return {};
    return monthlyFlows(q);
}

QList<MonthlyFlowRow> ReportService::incomeVsExpenses(QDate from, QDate to, const QString& accountId) const
{
    if (auto fast = ReportFast::monthlyFlows(fastDatabase(), from, to, accountId, false))
        return *fast;
    QSqlQuery q(m_database->database());
    if (!run(q,
             QStringLiteral("SELECT strftime('%Y-%m', t.date) AS month, SUM(CASE WHEN t.amount > 0 THEN t.amount "
                            "ELSE 0 END) AS income, SUM(CASE WHEN t.amount < 0 THEN t.amount ELSE 0 END) AS expenses "
                            "FROM transactions t WHERE t.deleted_at IS NULL   AND (t.transfer_link_id IS NULL OR "
                            "t.transfer_link_id = '')   AND t.date >= ? AND t.date <= ?"),
             QStringLiteral(" GROUP BY month ORDER BY month"), from, to, accountId))
        return {};
    return monthlyFlows(q);
}

QList<CategorySpendingRow> ReportService::categorySpending(QDate from, QDate to, const QString& accountId) const
{
    if (auto fast = ReportFast::categorySpending(fastDatabase(), from, to, accountId))
        return *fast;
    QSqlQuery q(m_database->database());
    // Split transactions count by their lines; transfers are no spending.
    if (!run(q,
             QLatin1String("SELECT COALESCE(c.name, 'Uncategorized'), SUM(x.amount) FROM (")
                 + ReportFast::categoryAmounts(false),
             QLatin1String(") x LEFT JOIN (") + ReportFast::categoryLabels()
                 + QLatin1String(") c ON x.category_id = c.id WHERE x.amount < 0 GROUP BY COALESCE(c.name, "
                                 "'Uncategorized') ORDER BY SUM(x.amount) ASC"),
             from, to, accountId))
        return {};
    return collect<CategorySpendingRow>(q, [](const QSqlQuery& q) {
        CategorySpendingRow r;
        r.category = q.value(0).toString();
        r.amount = q.value(1).toLongLong();
        return r;
    });
}

QList<PayeeSummaryRow> ReportService::payeeSummary(QDate from, QDate to, const QString& accountId) const
{
    if (auto fast = ReportFast::payeeSummary(fastDatabase(), from, to, accountId))
        return *fast;
    QSqlQuery q(m_database->database());
    if (!run(q,
             QStringLiteral("SELECT t.payee, SUM(t.amount), COUNT(*) FROM transactions t WHERE t.deleted_at IS NULL "
                            "AND t.date >= ? AND t.date <= ?"),
             QStringLiteral(" GROUP BY t.payee ORDER BY SUM(t.amount) ASC"), from, to, accountId))
        return {};
    return collect<PayeeSummaryRow>(q, [](const QSqlQuery& q) {
        PayeeSummaryRow r;
        r.payee = q.value(0).toString();
        r.total = q.value(1).toLongLong();
        r.count = q.value(2).toInt();
        return r;
    });
}

QList<TaxReportRow> ReportService::taxReport(QDate from, QDate to) const
{
    if (auto fast = ReportFast::taxReport(fastDatabase(), from, to))
        return *fast;
    QSqlQuery q(m_database->database());
    if (!run(q,
             QLatin1String("SELECT c.name, c.tax_category, SUM(x.amount) FROM (") + ReportFast::categoryAmounts(true),
             QLatin1String(") x JOIN (") + ReportFast::categoryLabels()
                 + QLatin1String(") c ON x.category_id = c.id WHERE c.is_tax_relevant = 1 GROUP BY c.name, "
                                 "c.tax_category ORDER BY c.tax_category, c.name"),
             from, to, QString()))
        return {};
    return collect<TaxReportRow>(q, [](const QSqlQuery& q) {
        TaxReportRow r;
        r.category = q.value(0).toString();
        r.taxCategory = q.value(1).toString();
        r.amount = q.value(2).toLongLong();
        return r;
    });
}

QList<TransactionListRow> ReportService::transactionList(QDate from, QDate to, const QString& accountId,
                                                         const QString& categoryId) const
{
    if (auto fast = ReportFast::transactionList(fastDatabase(), from, to, accountId, categoryId))
        return *fast;
    QSqlQuery q(m_database->database());
    if (!run(q,
             QStringLiteral("SELECT t.date, a.name AS account_name, t.payee,        COALESCE(c.name, '') AS "
                            "category_name,        COALESCE(t.memo, ''), t.amount FROM transactions t LEFT JOIN "
                            "accounts a ON t.account_id = a.id LEFT JOIN (")
                 + ReportFast::categoryLabels()
                 + QLatin1String(") c ON t.category_id = c.id WHERE t.deleted_at IS NULL AND t.date >= ? AND "
                                 "t.date <= ?"),
             QStringLiteral(" ORDER BY t.date, t.payee"), from, to, accountId, categoryId))
        return {};
    return collect<TransactionListRow>(q, [](const QSqlQuery& q) {
        TransactionListRow r;
        r.date = q.value(0).toString();
        r.accountName = q.value(1).toString();
        r.payee = q.value(2).toString();
        r.categoryName = q.value(3).toString();
        r.memo = q.value(4).toString();
        r.amount = q.value(5).toLongLong();
        return r;
    });
}

QMap<QString, qint64> ReportService::categoryTotals(QDate from, QDate to, const QString& accountId) const
{
    if (auto fast = ReportFast::categoryTotals(fastDatabase(), from, to, accountId))
        return *fast;
    QSqlQuery q(m_database->database());
    if (!run(q,
             QLatin1String("SELECT COALESCE(c.name, 'Uncategorized'), SUM(x.amount) FROM (")
                 + ReportFast::categoryAmounts(true),
             QLatin1String(") x LEFT JOIN (") + ReportFast::categoryLabels()
                 + QLatin1String(") c ON x.category_id = c.id GROUP BY COALESCE(c.name, 'Uncategorized')"),
             from, to, accountId))
        return {};
    QMap<QString, qint64> totals;
    while (q.next())
        totals.insert(q.value(0).toString(), q.value(1).toLongLong());
    if (q.lastError().isValid())
        return {};
    return totals;
}

QList<YearOverYearRow> ReportService::yearOverYear(QDate previousFrom, QDate previousTo, QDate currentFrom,
                                                   QDate currentTo, const QString& accountId) const
{
    const QMap<QString, qint64> previous = categoryTotals(previousFrom, previousTo, accountId);
    const QMap<QString, qint64> current = categoryTotals(currentFrom, currentTo, accountId);

    // QMap keeps its keys in QString order: case-sensitive by UTF-16 code unit.
    QMap<QString, YearOverYearRow> merged;
    for (auto it = previous.cbegin(); it != previous.cend(); ++it) {
        YearOverYearRow& r = merged[it.key()];
        r.category = it.key();
        r.previousAmount = it.value();
    }
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        YearOverYearRow& r = merged[it.key()];
        r.category = it.key();
        r.currentAmount = it.value();
    }
    QList<YearOverYearRow> rows;
    rows.reserve(merged.size());
    for (YearOverYearRow& r : merged) {
        r.change = saturatingSub(r.currentAmount, r.previousAmount);
        rows.append(r);
    }
    return rows;
}

QString ReportService::toCsv(const QStringList& headers, const QList<QStringList>& rows)
{
    QString out;
    // Headers are quoted like cells: a translated header may hold a quote.
    appendLine(out, headers);
    for (const QStringList& row : rows)
        appendLine(out, row);
    return out;
}
