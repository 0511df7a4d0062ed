#pragma once

#include "data/records.h"

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

// What the list of recurring schedules shows and offers for each schedule:
// due marking, which posting commands apply, the frequency wording and the
// column order. `today` is a parameter so the rules do not depend on the
// clock.
namespace RecurringList {

// Active and due on or before today: marked in the list, and the only
// schedules that Confirm and Skip apply to.
bool isDue(const RecurringTransaction& schedule, const QDate& today);
// Enter Early applies to an active schedule due after today.
bool canEnterEarly(const RecurringTransaction& schedule, const QDate& today);
// Active schedules still due on or before `until`: after posting everything
// up to that date, these are the ones that could not be brought past it.
int countDueBy(const QList<RecurringTransaction>& schedules, const QDate& until);

// "1st", "22nd", "13th"; anything outside 1..31 (0 is the month's last day)
// is the translated "last day". The suffixes are English on purpose.
QString dayOrdinal(int day);
// "monthly", "Every 3 months", "quarterly (×2)", "Semi-monthly (1st & last day)".
QString frequencyText(RecurringFrequency frequency, int intervalCount, int semimonthlyDay1, int semimonthlyDay2);

using AccountNameLookup = std::function<QString(const QString& accountId)>;

// Ascending order of one column: 0 account name and 1 payee ignoring case,
// 2 amount, 3 frequency, 4 next due date, 5 auto-post, 6 active. Any other
// column compares equal.
bool columnLess(const RecurringTransaction& a, const RecurringTransaction& b, int column,
                const AccountNameLookup& accountName);
// Stable ascending sort by the column, reversed afterwards for descending
// order (so equal rows then come in the reverse of their loaded order).
void sortRows(QList<RecurringTransaction>& rows, int column, Qt::SortOrder order,
              const AccountNameLookup& accountName);

} // namespace RecurringList
