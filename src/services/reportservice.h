#pragma once

#include <QDate>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantList>

class Database;
class QSqlDatabase;
class QSqlQuery;

// Report rows: plain values, money in signed minor units as stored.

struct AccountSummaryRow
{
    QString name;
    QString accountType;       // stored type text, e.g. "checking"
    qint64 clearedBalance = 0; // starting balance + cleared transactions
    qint64 unclearedAmount = 0;
    qint64 balance = 0; // starting balance + all transactions
};

struct MonthlyFlowRow
{
    QString month;      // "yyyy-MM"
    qint64 inflow = 0;  // positive amounts (income)
    qint64 outflow = 0; // negative amounts, zero or below (expenses)
    qint64 net = 0;     // inflow + outflow
};

struct CategorySpendingRow
{
    QString category; // name ("Parent > Name" when shared), or "Uncategorized"
    qint64 amount = 0; // sum of the negative amounts
};

struct PayeeSummaryRow
{
    QString payee;
    qint64 total = 0;
    int count = 0;
};

struct TaxReportRow
{
    QString category;
    QString taxCategory; // the category's tax key
    qint64 amount = 0;
};

struct TransactionListRow
{
    QString date; // stored "yyyy-MM-dd" text
    QString accountName;
    QString payee;
    QString categoryName; // labelled as in the other reports; empty when none
    QString memo;         // empty when none
    qint64 amount = 0;
};

struct YearOverYearRow
{
    QString category;
    qint64 previousAmount = 0; // first date range
    qint64 currentAmount = 0;  // second date range
    qint64 change = 0;         // current - previous
};

// The eight reports of the reports screen, computed in SQL over the live
// rows, and the CSV text of any table. Holds no state and writes nothing.
// Dates are inclusive bounds; an empty account (or category) id means all.
// The reports by category count a split transaction by its lines'
// categories and amounts, and show a name that several categories share
// (deleted ones too) with its parent ("Housing > Maintenance"), one row
// each. A statement that fails gives an empty list; nothing is logged.
// Each report first tries a quicker way to the same rows (ReportFast) and
// runs its statement when that cannot vouch for them.
class ReportService : public QObject
{
    Q_OBJECT
public:
    ReportService(Database* database, QObject* parent = nullptr);

    QList<AccountSummaryRow> accountSummary() const;
    QList<MonthlyFlowRow> cashFlow(QDate from, QDate to, const QString& accountId) const;
    // Negative amounts only, without the legs of transfers.
    QList<CategorySpendingRow> categorySpending(QDate from, QDate to, const QString& accountId) const;
    // Like cashFlow, without the legs of transfers.
    QList<MonthlyFlowRow> incomeVsExpenses(QDate from, QDate to, const QString& accountId) const;
    QList<PayeeSummaryRow> payeeSummary(QDate from, QDate to, const QString& accountId) const;
    // Tax-relevant categories only; never filtered by account.
    QList<TaxReportRow> taxReport(QDate from, QDate to) const;
    QList<TransactionListRow> transactionList(QDate from, QDate to, const QString& accountId,
                                              const QString& categoryId) const;
    // One row per category found in either range, ordered by its shown
    // name (case-sensitive, by character code).
    QList<YearOverYearRow> yearOverYear(QDate previousFrom, QDate previousTo, QDate currentFrom, QDate currentTo,
                                        const QString& accountId) const;

    // With true, every report runs its statement itself and never the
    // quicker way to the same rows: for the tests and the benchmark that
    // compare the two.
    void setStatementsOnly(bool statementsOnly) { m_statementsOnly = statementsOnly; }

    // Every cell and header between double quotes with inner quotes doubled,
    // separated by commas; every line, the last included, ends with "\n".
    static QString toCsv(const QStringList& headers, const QList<QStringList>& rows);

private:
    // Category as shown ("Uncategorized" without one) to the signed sum of
    // all its amounts in the range.
    QMap<QString, qint64> categoryTotals(QDate from, QDate to, const QString& accountId) const;

    // The connection for the quicker ways to the rows; none with
    // statementsOnly.
    QSqlDatabase* fastDatabase() const;

    // Runs base + optional filters + tail with from, to and the filter
    // values bound in order. False when it failed to prepare or run.
    bool run(QSqlQuery& q, const QString& base, const QString& tail, QDate from, QDate to, const QString& accountId,
             const QString& categoryId = QString()) const;

    Database* m_database;
    bool m_statementsOnly = false;
};
