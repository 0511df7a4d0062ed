#pragma once

#include <QDate>
#include <QMap>
#include <QObject>
#include <QSet>
#include <QString>

class Database;

// A demonstration data set for developers: three accounts with two months
// of transactions and three schedules. Every row id starts with "sample-",
// which is how the set is found and removed again. Rows are written with
// plain SQL, so no repository signal fires; the caller refreshes its views.
class SampleDataService : public QObject
{
    Q_OBJECT
public:
    SampleDataService(Database* database, QObject* parent = nullptr);

    // True when a sample account exists, soft-deleted ones included.
    bool hasSampleData() const;
    // Writes the whole set, all or nothing. Does not test hasSampleData;
    // a second load fails on the fixed account ids and changes nothing.
    bool loadSampleData();
    // Hard-deletes every sample row, all or nothing. False when a remaining
    // row still refers to a sample row (a transaction, schedule or
    // reconciliation the user added to a sample account) or a statement
    // fails; everything is then as it was.
    bool clearSampleData();

    // "sample-<kind>-" and 8 random lower-case hexadecimal digits.
    static QString sampleId(const QString& kind);

    // Rebuilds the map from category name and "parent/name" to id.
    void loadCategoryPaths();
    // The id of the live category with that name (under that parent when
    // one is given and such a path exists), or empty.
    QString categoryIdForPath(const QString& name, const QString& parent = QString()) const;

private:
    bool insertAccount(const QString& id, const QString& name, const QString& accountType,
                       const QString& institution, const QString& last4, qint64 startingBalance, int sortOrder);
    bool insertTransaction(const QString& id, const QString& accountId, int dayOffset, const QString& payee,
                           const QString& memo, qint64 amount, const QString& categoryId,
                           const QString& checkNumber, QChar status, const QString& transferLinkId,
                           const QString& transferDestAccountId);
    bool insertRecurring(const QString& id, const QString& payee, const QString& memo, qint64 amount,
                         const QString& categoryId, const QString& frequency, int nextDueOffset);
    bool writeSampleSet();
    // A sample id not yet handed out during this load.
    QString uniqueId(const QString& kind);

    Database* m_database;
    QMap<QString, QString> m_categoryIds;
    // Taken once per load, so every row shares them.
    QString m_loadTime;
    QDate m_today;
    QSet<QString> m_issuedIds;
};
