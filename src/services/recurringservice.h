#pragma once

#include "data/records.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

class AccountRepository;
class Database;
class RecurringRepository;
class TransactionRepository;

// The schedule engine of recurring transactions: next due dates, posting of
// due occurrences (two linked legs for a transfer), skipping, bulk and
// automatic catch-up, and taking schedules with unusable dates out of
// service. It keeps no state of its own: every operation reloads what it
// needs, so it always acts on what is stored.
//
// A posting's id is derived from the schedule id and the due date, so two
// installations that post the same occurrence write the same row and the
// sync service sees one transaction, not two.
class RecurringService : public QObject
{
    Q_OBJECT
public:
    RecurringService(RecurringRepository* recurring, TransactionRepository* transactions,
                     AccountRepository* accounts, QObject* parent = nullptr);
    ~RecurringService() override;

    // The database whose bulk-write flag holds automatic posting back while
    // an import has its transaction open. Without one, automatic posting is
    // never held back.
    void setDatabase(Database* database);

    // The due date that follows `from`; invalid when `from` is invalid.
    static QDate nextOccurrence(QDate from, RecurringFrequency frequency, int intervalCount, int semimonthlyDay1,
                                int semimonthlyDay2);

    // Posts the schedule's current due occurrence, dated its due date, and
    // advances the schedule. True when the occurrence was posted.
    bool confirm(const QString& recurringId);
    // Advances the schedule by one occurrence without posting.
    bool skip(const QString& recurringId);
    // One posting of every due schedule; the number of postings.
    int confirmAllDue();
    // Every occurrence of every active schedule due on or before `until`.
    int enterEarlyUntil(QDate until);
    // Catch-up of the schedules marked for automatic posting, each up to
    // today plus its lead days (0 to 60). Nothing while a bulk write runs.
    int processAutoPost();
    // Saves a schedule edited in a form that was opened on `opened`. What the
    // form left as it was keeps the stored value, so an occurrence posted
    // while the form was open keeps its new due date; a changed start date
    // restarts the schedule there. False when the schedule is gone, when it
    // is a transfer into its own account, or when the write fails.
    bool saveEdit(const RecurringTransaction& opened, const RecurringTransaction& edited);
    // Number of live active schedules due today or earlier, but for those
    // whose account or transfer destination is deleted.
    int pendingCount() const;
    QList<RecurringTransaction> all() const;

signals:
    void pendingCountChanged(int count);

private:
    Transaction buildTransaction(const RecurringTransaction& recurring) const;
    static QString postingId(const QString& recurringId, QDate date, const QString& suffix);
    void quarantine(const RecurringTransaction& recurring, const char* reason);

    // The schedule's account, and a transfer's destination, are live (and a
    // transfer's two accounts differ and share a currency).
    bool accountsUsable(const RecurringTransaction& recurring) const;
    // The transactions of the due occurrence: one, or two linked legs for a
    // transfer.
    QList<Transaction> postingLegs(const RecurringTransaction& recurring) const;
    // The payee of a transfer's destination leg.
    QString destinationPayee(const RecurringTransaction& recurring) const;
    // Moves the record to its next occurrence (ending it past its end date)
    // without saving; false when no next date can be computed.
    static bool advance(RecurringTransaction& recurring);
    void deactivate(RecurringTransaction recurring);

    RecurringRepository* m_recurring;
    TransactionRepository* m_transactions;
    AccountRepository* m_accounts;
    Database* m_database = nullptr;
};
