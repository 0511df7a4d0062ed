#include "services/recurringlist.h"

#include <QCoreApplication>

#include <algorithm>

// The list's texts belong to the context of the table model that shows them.
namespace RecurringList {

bool isDue(const RecurringTransaction& schedule, const QDate& today)
{
    return schedule.isActive && today >= schedule.nextDueDate;
}

bool canEnterEarly(const RecurringTransaction& schedule, const QDate& today)
{
    return schedule.isActive && schedule.nextDueDate > today;
}

int countDueBy(const QList<RecurringTransaction>& schedules, const QDate& until)
{
    return static_cast<int>(std::count_if(schedules.cbegin(), schedules.cend(), [&](const RecurringTransaction& s) {
        return s.isActive && !s.deletedAt && s.nextDueDate <= until;
    }));
}

QString dayOrdinal(int day)
{
    if (day < 1 || day > 31)
        return QCoreApplication::translate("RecurringModel", "last day");
    const char* suffix = "th";
    const int lastTwo = day % 100;
    if (lastTwo < 11 || lastTwo > 13) {
        switch (day % 10) {
        case 1:
            suffix = "st";
            break;
        case 2:
            suffix = "nd";
            break;
        case 3:
            suffix = "rd";
            break;
        default:
            break;
        }
    }
    return QString::number(day) + QLatin1String(suffix);
}

QString frequencyText(RecurringFrequency frequency, int intervalCount, int semimonthlyDay1, int semimonthlyDay2)
{
    if (frequency == RecurringFrequency::Semimonthly)
        return QCoreApplication::translate("RecurringModel", "Semi-monthly (%1 & %2)")
            .arg(dayOrdinal(semimonthlyDay1), dayOrdinal(semimonthlyDay2));
    if (intervalCount < 2)
        return frequencyToString(frequency);
    switch (frequency) {
    case RecurringFrequency::Daily:
        return QCoreApplication::translate("RecurringModel", "Every %1 days").arg(intervalCount);
    case RecurringFrequency::Weekly:
        return QCoreApplication::translate("RecurringModel", "Every %1 weeks").arg(intervalCount);
    case RecurringFrequency::Monthly:
        return QCoreApplication::translate("RecurringModel", "Every %1 months").arg(intervalCount);
    case RecurringFrequency::Annual:
        return QCoreApplication::translate("RecurringModel", "Every %1 years").arg(intervalCount);
    case RecurringFrequency::Biweekly:
    case RecurringFrequency::Quarterly:
    case RecurringFrequency::SemiAnnual:
    case RecurringFrequency::Semimonthly:
        break;
    }
    return QCoreApplication::translate("RecurringModel", "%1 (×%2)")
        .arg(frequencyToString(frequency), QString::number(intervalCount));
}

bool columnLess(const RecurringTransaction& a, const RecurringTransaction& b, int column,
                const AccountNameLookup& accountName)
{
    switch (column) {
    case 0:
        return QString::compare(accountName(a.accountId), accountName(b.accountId), Qt::CaseInsensitive) < 0;
    case 1:
        return QString::compare(a.payee, b.payee, Qt::CaseInsensitive) < 0;
    case 2:
        return a.amount < b.amount;
    case 3:
        return static_cast<int>(a.frequency) < static_cast<int>(b.frequency);
    case 4:
        return a.nextDueDate < b.nextDueDate;
    case 5:
        return !a.autoPost && b.autoPost;
    case 6:
        return !a.isActive && b.isActive;
    default:
        return false;
    }
}

void sortRows(QList<RecurringTransaction>& rows, int column, Qt::SortOrder order,
              const AccountNameLookup& accountName)
{
    std::stable_sort(rows.begin(), rows.end(), [&](const RecurringTransaction& a, const RecurringTransaction& b) {
        return columnLess(a, b, column, accountName);
    });
    if (order == Qt::DescendingOrder)
        std::reverse(rows.begin(), rows.end());
}

} // namespace RecurringList
