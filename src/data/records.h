#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

#include <optional>

class QSqlQuery;

// Enumerations stored as fixed texts. Reading compares the stored text
// exactly and maps anything else (NULL included) to the fallback.
enum class AccountType { Checking = 0, Savings = 1, CreditCard = 2, Cash = 3, Investment = 4, Other = 5 };
enum class CurrencyCode { USD = 0, EUR = 1, GBP = 2, CAD = 3, AUD = 4, JPY = 5 };
enum class CategoryType { Income = 0, Expense = 1, Transfer = 2 };
enum class RecurringFrequency {
    Daily = 0, Weekly = 1, Biweekly = 2, Monthly = 3, Semimonthly = 4, Quarterly = 5, SemiAnnual = 6, Annual = 7
};
enum class SyncStatus { Pending = 0, Synced = 1, Conflict = 2 };

QString accountTypeToString(AccountType type);
QString currencyToString(CurrencyCode currency);
QString categoryTypeToString(CategoryType type);
QString frequencyToString(RecurringFrequency frequency);
QString syncStatusToString(SyncStatus status);

AccountType accountTypeFromString(const QString& text);
CurrencyCode currencyFromString(const QString& text);
CategoryType categoryTypeFromString(const QString& text);
RecurringFrequency frequencyFromString(const QString& text);
SyncStatus syncStatusFromString(const QString& text);

struct Account
{
    QString id;
    QString name;
    AccountType accountType = AccountType::Checking;
    CurrencyCode currency = CurrencyCode::USD;
    QString institution;
    QString accountNumberLast4;
    qint64 startingBalance = 0;
    int sortOrder = 0;
    bool isShared = false;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

struct Transaction
{
    QString id;
    QString accountId;
    QDate date;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    QString checkNumber;
    bool cleared = false;
    bool reconciled = false;
    QString transferLinkId;
    QString transferDestAccountId;
    bool isSplit = false;
    QString recurringId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

// One row of a register or a search result.
struct RegisterRow : Transaction
{
    qint64 runningBalance = 0;
    QString categoryName;
};

// Only Qt value members, none pointing into its own record, so rows may be
// moved by memcpy: a register list of 100,000 rows then grows by realloc
// instead of moving every row. Keep it so when adding fields.
Q_DECLARE_TYPEINFO(Transaction, Q_RELOCATABLE_TYPE);
Q_DECLARE_TYPEINFO(RegisterRow, Q_RELOCATABLE_TYPE);

struct Category
{
    QString id;
    QString name;
    CategoryType categoryType = CategoryType::Expense;
    QString parentId;
    bool isTaxRelevant = false;
    QString taxCategory;
    QString icon;
    QString color;
    bool isDefault = false;
    QString accountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

struct SplitLine
{
    QString id;
    QString transactionId;
    QString categoryId;
    qint64 amount = 0;
    QString memo;
    QDateTime createdAt;
    QDateTime updatedAt;
};

struct RecurringTransaction
{
    QString id;
    QString accountId;
    QString payee;
    QString memo;
    qint64 amount = 0;
    QString categoryId;
    RecurringFrequency frequency = RecurringFrequency::Monthly;
    int intervalCount = 1;
    int semimonthlyDay1 = 1;
    int semimonthlyDay2 = 15;
    QDate startDate;
    std::optional<QDate> endDate;
    QDate nextDueDate;
    bool autoPost = false;
    int leadDays = 0;
    bool isActive = true;
    QString transferDestAccountId;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

struct Reconciliation
{
    QString id;
    QString accountId;
    QDate statementDate;
    qint64 statementBalance = 0;
    qint64 reconciledBalance = 0;
    QDateTime completedAt;
    int version = 1;
    SyncStatus syncStatus = SyncStatus::Pending;
    QString serverId;
    QDateTime createdAt;
    QDateTime updatedAt;
    std::optional<QDateTime> deletedAt;
};

// Filter of TransactionRepository::search.
struct TransactionSearchFilter
{
    QString accountId;          // empty = any account
    QString categoryId;         // empty = any category
    QDate dateFrom;             // invalid = open
    QDate dateTo;               // invalid = open
    std::optional<bool> cleared;
};

// Argument pair of AccountRepository::updateSortOrders.
struct AccountSortOrder
{
    QString accountId;
    int sortOrder = 0;
};

// Fixed column lists; the row readers take values by position in them.
namespace Columns {
extern const char* const account;
extern const char* const transaction;
extern const char* const category;
extern const char* const recurring;
extern const char* const reconciliation;
extern const char* const splitLine;
} // namespace Columns

// Row readers: the query is positioned on a row selected with the record's
// column list; values are taken by position.
Account accountFromQuery(const QSqlQuery& query);
Transaction transactionFromQuery(const QSqlQuery& query);
void readTransactionInto(const QSqlQuery& query, Transaction& out);
Category categoryFromQuery(const QSqlQuery& query);
RecurringTransaction recurringFromQuery(const QSqlQuery& query);
Reconciliation reconciliationFromQuery(const QSqlQuery& query);

Q_DECLARE_METATYPE(Account)
Q_DECLARE_METATYPE(Transaction)
Q_DECLARE_METATYPE(Category)
