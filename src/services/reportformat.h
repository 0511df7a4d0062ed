#pragma once

#include "services/reportservice.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

// One entry of the reports' Period list. The names are fixed English texts,
// never translated.
struct DatePreset
{
    QString name;
    QDate from;
    QDate to;
};

// What the reports window shows around the report rows, without widgets:
// the periods, the totals, the labels and the export file names.
namespace ReportFormat {

// Name of the preset whose dates the user types.
inline const QString kCustomPreset = QStringLiteral("Custom");

// The eleven presets of the Period list for the day `today`, in list order:
// This Month, Last Month, This Quarter, Last Quarter, This Year, Last Year,
// Last 30 Days, Last 90 Days, Last 12 Months, All Time (from 2000-01-01),
// Custom (invalid dates).
QList<DatePreset> datePresets(QDate today);

// Day 1 of the quarter holding the day.
QDate quarterStart(QDate day);

// The two ranges the Year-over-Year tab compares.
struct ComparePeriods
{
    QDate previousFrom;
    QDate previousTo;
    QDate currentFrom;
    QDate currentTo;
};
// Index 0 This Year vs Last Year, 1 Last Year vs Year Before, 2 This
// Quarter vs Last Quarter; nothing for 3 (Custom) or any other index.
std::optional<ComparePeriods> comparePeriods(int index, QDate today);

// The bold Total row of a monthly report: the sums of its three columns,
// held at the 64-bit limits instead of overflowing.
struct FlowTotals
{
    qint64 inflow = 0;
    qint64 outflow = 0;
    qint64 net = 0;
};
FlowTotals flowTotals(const QList<MonthlyFlowRow>& rows);

// The Type column of Account Summary for a stored type text ("checking"
// gives "Checking"); any unknown text gives "Other". Fixed English texts.
QString accountTypeLabel(const QString& storedType);

// A category cell: the reports' name for transactions without a category
// ("Uncategorized") in the interface language, any other name unchanged.
QString categoryLabel(const QString& name);

// The default export file name of a tab ("category_spending.csv" for 0 to
// "transactions.csv" for 7); empty for any other index.
QString exportFileName(int tab);

} // namespace ReportFormat
