#include "services/reportformat.h"
#include "data/money.h"

#include <QCoreApplication>
#include <QtNumeric>

#include <iterator>
#include <limits>

namespace ReportFormat {

namespace {

QDate lastYearStart(QDate today)
{
    return QDate(today.year() - 1, 1, 1);
}

QDate lastYearEnd(QDate today)
{
    return QDate(today.year() - 1, 12, 31);
}

} // namespace

QDate quarterStart(QDate day)
{
    return QDate(day.year(), (day.month() - 1) / 3 * 3 + 1, 1);
}

QList<DatePreset> datePresets(QDate today)
{
    const QDate monthStart(today.year(), today.month(), 1);
    const QDate quarter = quarterStart(today);
    return {
        {QStringLiteral("This Month"), monthStart, today},
        {QStringLiteral("Last Month"), monthStart.addMonths(-1), monthStart.addDays(-1)},
        {QStringLiteral("This Quarter"), quarter, today},
        {QStringLiteral("Last Quarter"), quarter.addMonths(-3), quarter.addDays(-1)},
        {QStringLiteral("This Year"), QDate(today.year(), 1, 1), today},
        {QStringLiteral("Last Year"), lastYearStart(today), lastYearEnd(today)},
        {QStringLiteral("Last 30 Days"), today.addDays(-30), today},
        {QStringLiteral("Last 90 Days"), today.addDays(-90), today},
        {QStringLiteral("Last 12 Months"), today.addYears(-1), today},
        {QStringLiteral("All Time"), QDate(2000, 1, 1), today},
        {kCustomPreset, QDate(), QDate()},
    };
}

std::optional<ComparePeriods> comparePeriods(int index, QDate today)
{
    switch (index) {
    case 0:
        return ComparePeriods{lastYearStart(today), lastYearEnd(today), QDate(today.year(), 1, 1), today};
    case 1:
        return ComparePeriods{QDate(today.year() - 2, 1, 1), QDate(today.year() - 2, 12, 31), lastYearStart(today),
                              lastYearEnd(today)};
    case 2: {
        const QDate quarter = quarterStart(today);
        return ComparePeriods{quarter.addMonths(-3), quarter.addDays(-1), quarter, today};
    }
    default:
        return std::nullopt;
    }
}

FlowTotals flowTotals(const QList<MonthlyFlowRow>& rows)
{
    FlowTotals totals;
    for (const MonthlyFlowRow& r : rows) {
        totals.inflow = saturatingAdd(totals.inflow, r.inflow);
        totals.outflow = saturatingAdd(totals.outflow, r.outflow);
        totals.net = saturatingAdd(totals.net, r.net);
    }
    return totals;
}

QString accountTypeLabel(const QString& storedType)
{
    static const QList<std::pair<QString, QString>> labels = {
        {QStringLiteral("checking"), QStringLiteral("Checking")},
        {QStringLiteral("savings"), QStringLiteral("Savings")},
        {QStringLiteral("credit_card"), QStringLiteral("Credit Card")},
        {QStringLiteral("cash"), QStringLiteral("Cash")},
        {QStringLiteral("investment"), QStringLiteral("Investment")},
    };
    for (const auto& [stored, label] : labels) {
        if (stored == storedType)
            return label;
    }
    return QStringLiteral("Other");
}

QString categoryLabel(const QString& name)
{
    // The reports group transactions without a category under this name.
    if (name == QLatin1String("Uncategorized"))
        return QCoreApplication::translate("ReportsScreen", "Uncategorized");
    return name;
}

QString exportFileName(int tab)
{
    static const char* const names[] = {"category_spending.csv",  "payee_summary.csv", "tax_report.csv",
                                        "income_vs_expenses.csv", "cash_flow.csv",     "year_over_year.csv",
                                        "account_summary.csv",    "transactions.csv"};
    if (tab < 0 || tab >= int(std::size(names)))
        return QString();
    return QString::fromLatin1(names[tab]);
}

} // namespace ReportFormat
