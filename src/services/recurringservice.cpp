#include "services/recurringservice.h"

#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"

#include <QDebug>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

// Namespace of the name-based posting ids {a1b9f7f3-2f2a-4c6b-9e1a-8b7c6d5a3f2e};
// every installation must use this exact value or postings would double.
constexpr QUuid kPostingNamespace(0xa1b9f7f3, 0x2f2a, 0x4c6b, 0x9e, 0x1a, 0x8b, 0x7c, 0x6d, 0x5a, 0x3f, 0x2e);

// Most postings of one schedule in one catch-up or enter-early call.
constexpr int kCatchupCap = 365;
constexpr int kMaxLeadDays = 60;

const char* const kDestinationSuffix = "dest";

QString dateForLog(const QDate& date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QStringLiteral("(invalid)");
}

bool isLive(const std::optional<RecurringTransaction>& recurring)
{
    return recurring && recurring->isActive && !recurring->deletedAt;
}

// Adds months, taking the target month's last day when it is shorter.
QDate addMonthsClamped(const QDate& from, qint64 months)
{
    // Far beyond any calendar a schedule can reach; avoids int overflow.
    if (months > std::numeric_limits<int>::max() / 2)
        return QDate();
    return from.addMonths(static_cast<int>(months));
}

QDate semimonthlyNext(const QDate& from, int day1, int day2)
{
    const QDate firstOfMonth(from.year(), from.month(), 1);
    for (int step = 0; step < 2; ++step) {
        const QDate month = firstOfMonth.addMonths(step);
        const int lastDay = month.daysInMonth();
        // 0, negative or past the month's end all mean the last day.
        auto anchor = [&](int day) {
            return QDate(month.year(), month.month(), (day >= 1 && day <= lastDay) ? day : lastDay);
        };
        QDate earlier = anchor(day1);
        QDate later = anchor(day2);
        if (later < earlier)
            std::swap(earlier, later);
        if (from < earlier)
            return earlier;
        if (from < later)
            return later;
    }
    return from.addMonths(1);
}

} // namespace

RecurringService::RecurringService(RecurringRepository* recurring, TransactionRepository* transactions,
                                   AccountRepository* accounts, QObject* parent)
    : QObject(parent)
    , m_recurring(recurring)
    , m_transactions(transactions)
    , m_accounts(accounts)
{
}

RecurringService::~RecurringService() = default;

void RecurringService::setDatabase(Database* database)
{
    m_database = database;
}

QDate RecurringService::nextOccurrence(QDate from, RecurringFrequency frequency, int intervalCount,
                                       int semimonthlyDay1, int semimonthlyDay2)
{
    if (!from.isValid())
        return QDate();
    const qint64 n = intervalCount < 1 ? 1 : intervalCount;
    switch (frequency) {
    case RecurringFrequency::Daily:
        return from.addDays(n);
    case RecurringFrequency::Weekly:
        return from.addDays(7 * n);
    case RecurringFrequency::Biweekly:
        return from.addDays(14 * n);
    case RecurringFrequency::Monthly:
        return addMonthsClamped(from, n);
    case RecurringFrequency::Semimonthly:
        return semimonthlyNext(from, semimonthlyDay1, semimonthlyDay2);
    case RecurringFrequency::Quarterly:
        return addMonthsClamped(from, 3 * n);
    case RecurringFrequency::SemiAnnual:
        return addMonthsClamped(from, 6 * n);
    case RecurringFrequency::Annual:
        return from.addYears(static_cast<int>(n));
    }
    return addMonthsClamped(from, n);
}

QString RecurringService::postingId(const QString& recurringId, QDate date, const QString& suffix)
{
    // One multi-argument arg(): a "%1" inside an id is never substituted again.
    const QString dateText = date.toString(Qt::ISODate);
    const QString name = suffix.isEmpty() ? QStringLiteral("%1:%2").arg(recurringId, dateText)
                                          : QStringLiteral("%1:%2:%3").arg(recurringId, dateText, suffix);
    return QUuid::createUuidV5(kPostingNamespace, name.toUtf8()).toString(QUuid::WithoutBraces).toLower();
}

Transaction RecurringService::buildTransaction(const RecurringTransaction& recurring) const
{
    Transaction t;
    t.id = postingId(recurring.id, recurring.nextDueDate, QString());
    t.accountId = recurring.accountId;
    t.date = recurring.nextDueDate;
    t.payee = recurring.payee;
    t.memo = recurring.memo;
    t.amount = recurring.amount;
    t.categoryId = recurring.categoryId;
    t.recurringId = recurring.id;
    t.createdAt = QDateTime::currentDateTimeUtc();
    t.updatedAt = t.createdAt;
    return t;
}

bool RecurringService::advance(RecurringTransaction& recurring)
{
    const QDate next = nextOccurrence(recurring.nextDueDate, recurring.frequency, recurring.intervalCount,
                                      recurring.semimonthlyDay1, recurring.semimonthlyDay2);
    if (!next.isValid())
        return false;
    recurring.nextDueDate = next;
    recurring.updatedAt = QDateTime::currentDateTimeUtc();
    recurring.syncStatus = SyncStatus::Pending;
    // A due date equal to the end date is still to be posted.
    if (recurring.endDate && next > *recurring.endDate)
        recurring.isActive = false;
    return true;
}

void RecurringService::deactivate(RecurringTransaction recurring)
{
    recurring.isActive = false;
    recurring.updatedAt = QDateTime::currentDateTimeUtc();
    recurring.syncStatus = SyncStatus::Pending;
    m_recurring->update(recurring);
}

bool RecurringService::accountsUsable(const RecurringTransaction& recurring) const
{
    if (recurring.transferDestAccountId.isEmpty()) {
        // An account deleted on another device may leave its schedules live
        // here: a posting into it would be hidden from every register and
        // still count. It posts again once the account is restored.
        const std::optional<Account> account = m_accounts->findById(recurring.accountId);
        if (account && !account->deletedAt)
            return true;
        qWarning().noquote() << "RecurringService: skipping post for" << recurring.id
                             << "— its account is missing or deleted";
        return false;
    }
    // Both legs in one account would post a "transfer" that moves nothing.
    if (recurring.transferDestAccountId == recurring.accountId) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << recurring.id
                             << "— source and destination are the same account";
        return false;
    }
    const std::optional<Account> source = m_accounts->findById(recurring.accountId);
    const std::optional<Account> destination = m_accounts->findById(recurring.transferDestAccountId);
    // Half a transfer would leave money appearing from nowhere.
    if (!source || !destination || source->deletedAt || destination->deletedAt) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << recurring.id
                             << "— source or destination account is missing or deleted";
        return false;
    }
    if (source->currency != destination->currency) {
        qWarning().noquote() << "RecurringService: skipping transfer post for" << recurring.id
                             << "— source and destination currencies differ";
        return false;
    }
    return true;
}

QString RecurringService::destinationPayee(const RecurringTransaction& recurring) const
{
    // A schedule memorized from either leg of a transfer carries that leg's
    // label; the destination gets the other leg's label, as a transfer
    // entered in the register does, so money going each way keeps its own
    // payee. Any other payee is the user's own and goes to both legs.
    const std::optional<Account> source = m_accounts->findById(recurring.accountId);
    const std::optional<Account> destination = m_accounts->findById(recurring.transferDestAccountId);
    if (!source || !destination)
        return recurring.payee;
    if (recurring.payee == transferToPayee(destination->name))
        return transferFromPayee(source->name);
    if (recurring.payee == transferFromPayee(destination->name))
        return transferToPayee(source->name);
    return recurring.payee;
}

QList<Transaction> RecurringService::postingLegs(const RecurringTransaction& recurring) const
{
    Transaction first = buildTransaction(recurring);
    if (recurring.transferDestAccountId.isEmpty())
        return {first};

    Transaction second;
    second.id = postingId(recurring.id, recurring.nextDueDate, QLatin1String(kDestinationSuffix));
    second.accountId = recurring.transferDestAccountId;
    second.date = recurring.nextDueDate;
    second.payee = destinationPayee(recurring);
    second.memo = recurring.memo;
    second.categoryId = recurring.categoryId;
    second.amount = -recurring.amount;
    second.transferLinkId = first.id;
    second.transferDestAccountId = recurring.accountId;
    second.recurringId = recurring.id;
    second.createdAt = QDateTime::currentDateTimeUtc();
    second.updatedAt = second.createdAt;

    // Both ids are known up front, so the first leg is written already
    // linked and no follow-up update can fail halfway.
    first.transferLinkId = second.id;
    first.transferDestAccountId = recurring.transferDestAccountId;
    return {first, second};
}

bool RecurringService::confirm(const QString& recurringId)
{
    std::optional<RecurringTransaction> loaded = m_recurring->findById(recurringId);
    if (!loaded)
        return false;
    const RecurringTransaction recurring = *loaded;

    if (isBrokenScheduleDate(recurring.nextDueDate)) {
        qWarning().noquote() << "RecurringService::confirm refusing record with broken date:" << recurring.id
                             << recurring.payee << dateForLog(recurring.nextDueDate)
                             << "— quarantining (deactivating)";
        deactivate(recurring);
        return false;
    }
    if (!accountsUsable(recurring))
        return false;

    const QList<Transaction> legs = postingLegs(recurring);
    RecurringTransaction next = recurring;
    if (!advance(next)) {
        // No later occurrence exists in the calendar: this one is the last.
        next.isActive = false;
        next.updatedAt = QDateTime::currentDateTimeUtc();
        next.syncStatus = SyncStatus::Pending;
    }

    // The legs and the advance of the schedule are one unit: a posting
    // whose schedule stayed due would make every later confirm fail on the
    // posting's id, and half a transfer would move money from nowhere. Two
    // devices posting the same occurrence meet at the first leg's id.
    AtomicWrite scope(QSqlDatabase::database(Database::connectionName(), false), QStringLiteral("recurring_posting"));
    QString error;
    if (!scope.begin(&error)) {
        qWarning().noquote() << "RecurringService: cannot start a transaction for a posting:" << error;
        return false;
    }
    qsizetype written = 0;
    while (written < legs.size() && m_transactions->insert(legs.at(written)))
        ++written;
    if (written == 1 && legs.size() == 2) {
        qWarning().noquote() << "RecurringService: second leg of transfer" << recurring.id
                             << "could not be written — removing the first leg";
    }
    bool done = written == legs.size() && m_recurring->update(next);
    if (done && !scope.commit(&error)) {
        qWarning().noquote() << "RecurringService: committing a posting failed:" << error;
        done = false;
    }
    if (!done) {
        scope.rollback();
        // Views reloaded on the inserts; let them drop the rows again.
        for (qsizetype i = 0; i < written; ++i)
            emit m_transactions->transactionsChanged(legs.at(i).accountId);
        return false;
    }
    emit pendingCountChanged(pendingCount());
    return true;
}

bool RecurringService::saveEdit(const RecurringTransaction& opened, const RecurringTransaction& edited)
{
    const std::optional<RecurringTransaction> stored = m_recurring->findById(edited.id);
    if (!stored || stored->deletedAt)
        return false;
    RecurringTransaction merged = edited;
    const auto keepStored = [&](auto member) {
        if (edited.*member == opened.*member)
            merged.*member = (*stored).*member;
    };
    keepStored(&RecurringTransaction::payee);
    keepStored(&RecurringTransaction::memo);
    keepStored(&RecurringTransaction::amount);
    keepStored(&RecurringTransaction::categoryId);
    keepStored(&RecurringTransaction::frequency);
    keepStored(&RecurringTransaction::intervalCount);
    keepStored(&RecurringTransaction::semimonthlyDay1);
    keepStored(&RecurringTransaction::semimonthlyDay2);
    keepStored(&RecurringTransaction::startDate);
    keepStored(&RecurringTransaction::endDate);
    keepStored(&RecurringTransaction::autoPost);
    keepStored(&RecurringTransaction::leadDays);
    keepStored(&RecurringTransaction::isActive);
    keepStored(&RecurringTransaction::transferDestAccountId);
    // The due date is the schedule's place: writing back the one the form
    // was opened with would repeat a posted occurrence, whose id then
    // exists, and the schedule could never post again.
    if (edited.startDate == opened.startDate && !isBrokenScheduleDate(stored->nextDueDate))
        merged.nextDueDate = stored->nextDueDate;
    merged.serverId = stored->serverId;
    merged.version = stored->version + (edited.version - opened.version);
    if (!merged.transferDestAccountId.isEmpty() && merged.transferDestAccountId == merged.accountId) {
        qWarning().noquote() << "RecurringService::saveEdit refusing transfer" << merged.id
                             << "— source and destination are the same account";
        return false;
    }
    return m_recurring->update(merged);
}

bool RecurringService::skip(const QString& recurringId)
{
    std::optional<RecurringTransaction> loaded = m_recurring->findById(recurringId);
    if (!loaded)
        return false;
    RecurringTransaction recurring = *loaded;
    if (!advance(recurring)) {
        qWarning().noquote() << "RecurringService::skip cannot advance record with invalid date:" << recurring.id
                             << recurring.payee;
        return false;
    }
    if (!m_recurring->update(recurring))
        return false;
    emit pendingCountChanged(pendingCount());
    return true;
}

int RecurringService::confirmAllDue()
{
    int posted = 0;
    const QList<RecurringTransaction> due = m_recurring->findDue();
    for (const RecurringTransaction& recurring : due) {
        if (confirm(recurring.id))
            ++posted;
    }
    return posted;
}

int RecurringService::enterEarlyUntil(QDate until)
{
    if (!until.isValid())
        return 0;
    int total = 0;
    const QList<RecurringTransaction> schedules = m_recurring->findAll();
    for (const RecurringTransaction& schedule : schedules) {
        if (!schedule.isActive || isBrokenScheduleDate(schedule.nextDueDate))
            continue;
        QDate previous;
        int posted = 0;
        while (posted < kCatchupCap) {
            const std::optional<RecurringTransaction> current = m_recurring->findById(schedule.id);
            if (!isLive(current))
                break;
            const QDate due = current->nextDueDate;
            if (isBrokenScheduleDate(due) || due > until || due == previous)
                break;
            previous = due;
            if (!confirm(schedule.id))
                break;
            ++posted;
        }
        total += posted;
    }
    return total;
}

int RecurringService::processAutoPost()
{
    // An import holds its transaction open; postings made now would be
    // undone with it if it fails. The next tick catches up.
    if (m_database && m_database->bulkWriteActive())
        return 0;

    int total = 0;
    const QDate today = QDate::currentDate();
    const QList<RecurringTransaction> schedules = m_recurring->findAll();
    for (const RecurringTransaction& schedule : schedules) {
        if (!schedule.isActive || !schedule.autoPost)
            continue;
        if (isBrokenScheduleDate(schedule.nextDueDate)) {
            quarantine(schedule, "broken next_due_date");
            continue;
        }
        const QDate windowEnd = today.addDays(std::clamp(schedule.leadDays, 0, kMaxLeadDays));

        QDate previous;
        int posted = 0;
        while (posted < kCatchupCap) {
            const std::optional<RecurringTransaction> current = m_recurring->findById(schedule.id);
            if (!isLive(current))
                break;
            const QDate due = current->nextDueDate;
            if (!due.isValid())
                break;
            if (isBrokenScheduleDate(due)) {
                quarantine(*current, "advanced to broken date during catchup");
                break;
            }
            if (due > windowEnd || due == previous)
                break;
            previous = due;
            if (!confirm(schedule.id))
                break;
            ++posted;
        }
        total += posted;

        if (posted == kCatchupCap) {
            // Only a schedule still behind after the cap is suspect; one that
            // has exactly caught up is left running.
            const std::optional<RecurringTransaction> current = m_recurring->findById(schedule.id);
            if (isLive(current) && current->nextDueDate <= windowEnd)
                quarantine(*current, "hit catchup cap in single tick");
        }
    }
    return total;
}

void RecurringService::quarantine(const RecurringTransaction& recurring, const char* reason)
{
    qWarning().noquote() << "Quarantining recurring" << recurring.id << recurring.payee
                         << "— auto-deactivating. Reason:" << reason
                         << QStringLiteral("nextDueDate=%1").arg(dateForLog(recurring.nextDueDate));
    if (const std::optional<RecurringTransaction> current = m_recurring->findById(recurring.id))
        deactivate(*current);
}

int RecurringService::pendingCount() const
{
    return static_cast<int>(m_recurring->findDue().size());
}

QList<RecurringTransaction> RecurringService::all() const
{
    return m_recurring->findAll();
}
