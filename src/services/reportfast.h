#pragma once

#include "services/reportservice.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

class QSqlDatabase;

// Quicker ways to the rows of the report statements, for ReportService.
// Each takes the connection (none: nothing) and gives exactly the rows, order and sums of its report's statement,
// or nothing when it cannot vouch for that (another kind of connection or SQLite library, an
// amount that is not an integer, sums that might overflow, a key stored as
// a blob, a failed statement); the service then runs the statement itself.
//
// The statements spend most of their time sorting every row for GROUP BY
// (SQLite has no hash aggregation) and joining every row to its category
// and account. Here the rows are grouped by a hash as they are stepped, the
// few category and account names are read once, and monthly sums are taken
// per day first, in the date index's order, so that only the days are
// sorted into months.
namespace ReportFast {

std::optional<QList<CategorySpendingRow>> categorySpending(QSqlDatabase* db, QDate from, QDate to,
                                                           const QString& accountId);
std::optional<QList<PayeeSummaryRow>> payeeSummary(QSqlDatabase* db, QDate from, QDate to, const QString& accountId);
std::optional<QList<TaxReportRow>> taxReport(QSqlDatabase* db, QDate from, QDate to);
std::optional<QList<MonthlyFlowRow>> monthlyFlows(QSqlDatabase* db, QDate from, QDate to, const QString& accountId,
                                                  bool withTransfers);
std::optional<QList<TransactionListRow>> transactionList(QSqlDatabase* db, QDate from, QDate to,
                                                         const QString& accountId, const QString& categoryId);
// Category label (categoryLabels) to the sum of all its amounts, as
// ReportService's categoryTotals.
std::optional<QMap<QString, qint64>> categoryTotals(QSqlDatabase* db, QDate from, QDate to, const QString& accountId);

// The WHERE additions and bound values every report shares: from and to
// (an invalid date binds NULL), then the account and category ids when not
// empty.
struct Filter
{
    QString clause;
    QList<QString> values; // a null string binds NULL
};
Filter filter(QDate from, QDate to, const QString& accountId, const QString& categoryId = QString());

// The live transactions' amounts by category, columns category_id and
// amount, up to and including "t.date >= ? AND t.date <= ?"; a Filter's
// clause may follow. A split transaction gives one row per split line,
// with the line's category and amount; any other transaction, and a split
// one whose lines are gone, one row with its own. Without transfers, the
// legs of transfers are left out.
QString categoryAmounts(bool withTransfers);

// Every category, soft-deleted ones included, with the text the reports
// group and show it by: columns id, name, tax_category and
// is_tax_relevant. The name is the category's own, or "Parent > Name" when
// more than one category, live or deleted, has that name and its parent row
// exists (deleted or not), so that categories sharing a name get rows of
// their own.
QString categoryLabels();

} // namespace ReportFast
