#include "services/sampledataservice.h"

#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/sqlvalue.h"

#include <QCoreApplication>
#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>

namespace {

const char* const kChecking = "sample-acct-checking";
const char* const kSavings = "sample-acct-savings";
const char* const kVisa = "sample-acct-visa";

struct SampleAccount
{
    const char* id;
    const char* name;
    const char* type;
    const char* institution;
    const char* last4;
    qint64 startingBalance;
};

const SampleAccount kAccounts[] = {
    {kChecking, QT_TRANSLATE_NOOP("SampleDataService", "Main Checking"), "checking",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "4521", 250000},
    {kSavings, QT_TRANSLATE_NOOP("SampleDataService", "Savings"), "savings",
     QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"), "8834", 1000000},
    {kVisa, QT_TRANSLATE_NOOP("SampleDataService", "Visa Rewards"), "credit_card",
     QT_TRANSLATE_NOOP("SampleDataService", "Summit Bank"), "7712", 0},
};

// Texts are written out with QT_TRANSLATE_NOOP (no macro of our own around
// it), so lupdate finds them. Category names are the default catalogue's,
// looked up as they were stored: translated in the catalogue's own context.

struct SampleTransaction
{
    const char* account;
    int day;
    const char* payee;
    const char* memo;
    qint64 amount;
    const char* category; // null: none
    const char* parent;   // null: top level
    const char* check;    // null: none
    char status;          // 'R' reconciled, 'C' cleared, 'U' uncleared
    char transfer;        // 0, or the transfer whose leg this is
};

const SampleTransaction kTransactions[] = {
    {kChecking, -60, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, nullptr, 'R', 0},
    {kChecking, -59, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "February rent"), -145000,
     QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), QT_TRANSLATE_NOOP("CategoryService", "Housing"),
     "1041", 'R', 0},
    {kChecking, -57, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8745,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'R', 0},
    {kChecking, -55, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4523, QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, 'R', 0},
    {kChecking, -53, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -11280, QT_TRANSLATE_NOOP("CategoryService", "Electric"),
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, 'R', 0},
    {kChecking, -51, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Water bill"), -4590, QT_TRANSLATE_NOOP("CategoryService", "Water"),
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, 'R', 0},
    {kChecking, -49, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599,
     QT_TRANSLATE_NOOP("CategoryService", "Streaming"), QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), nullptr,
     'R', 0},
    {kChecking, -47, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9230,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'R', 0},
    {kChecking, -46, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, nullptr, 'R', 0},
    {kChecking, -44, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Dinner out"), -4275,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'R', 0},
    {kChecking, -42, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -3980, QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, 'R', 0},
    {kChecking, -40, QT_TRANSLATE_NOOP("SampleDataService", "Clearview Insurance"),
     QT_TRANSLATE_NOOP("SampleDataService", "Auto insurance"), -12500, QT_TRANSLATE_NOOP("CategoryService", "Auto"),
     QT_TRANSLATE_NOOP("CategoryService", "Insurance"), nullptr, 'R', 0},
    {kChecking, -38, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -7650,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'R', 0},
    {kChecking, -35, QT_TRANSLATE_NOOP("SampleDataService", "Hope Community Church"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly donation"), -10000,
     QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), nullptr, "1042", 'R', 0},
    {kChecking, -33, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, nullptr, 'R', 0},
    {kChecking, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, nullptr, 'R', 'A'},
    {kChecking, -29, QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "March rent"), -145000,
     QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), QT_TRANSLATE_NOOP("CategoryService", "Housing"),
     "1043", 'C', 0},
    {kChecking, -27, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -10120,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'C', 0},
    {kChecking, -25, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4100, QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, 'C', 0},
    {kChecking, -23, QT_TRANSLATE_NOOP("SampleDataService", "NetConnect ISP"),
     QT_TRANSLATE_NOOP("SampleDataService", "Internet service"), -7999,
     QT_TRANSLATE_NOOP("CategoryService", "Internet"), QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, 'C',
     0},
    {kChecking, -21, QT_TRANSLATE_NOOP("SampleDataService", "Lakeside Utilities"),
     QT_TRANSLATE_NOOP("SampleDataService", "Electric bill"), -10870, QT_TRANSLATE_NOOP("CategoryService", "Electric"),
     QT_TRANSLATE_NOOP("CategoryService", "Utilities"), nullptr, 'C', 0},
    {kChecking, -19, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, nullptr, 'C', 0},
    {kChecking, -17, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -8890,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'C', 0},
    {kChecking, -15, QT_TRANSLATE_NOOP("SampleDataService", "Streamline TV"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly streaming"), -1599,
     QT_TRANSLATE_NOOP("CategoryService", "Streaming"), QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), nullptr,
     'C', 0},
    {kChecking, -13, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Lunch"), -2340,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'C', 0},
    {kChecking, -11, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4250, QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, 'C', 0},
    {kChecking, -8, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -11540,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'U', 0},
    {kChecking, -6, QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, nullptr, 'U', 0},
    {kChecking, -5, QT_TRANSLATE_NOOP("SampleDataService", "Ridgeline Pharmacy"),
     QT_TRANSLATE_NOOP("SampleDataService", "Prescriptions"), -3520,
     QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), nullptr, nullptr, 'U', 0},
    {kChecking, -4, QT_TRANSLATE_NOOP("SampleDataService", "Hilltop Gas"),
     QT_TRANSLATE_NOOP("SampleDataService", "Fill up"), -4680, QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"),
     QT_TRANSLATE_NOOP("CategoryService", "Transportation"), nullptr, 'U', 0},
    {kChecking, -2, QT_TRANSLATE_NOOP("SampleDataService", "Greenleaf Market"),
     QT_TRANSLATE_NOOP("SampleDataService", "Weekly groceries"), -9475,
     QT_TRANSLATE_NOOP("CategoryService", "Groceries"), nullptr, nullptr, 'U', 0},
    {kChecking, -1, QT_TRANSLATE_NOOP("SampleDataService", "Maplewood Diner"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee & pastry"), -1285,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'U', 0},
    {kChecking, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, nullptr, 'U', 'B'},
    {kSavings, -45, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 820,
     QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, nullptr, 'C', 0},
    {kSavings, -30, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, nullptr, nullptr, nullptr, 'C', 'A'},
    {kSavings, -15, QT_TRANSLATE_NOOP("SampleDataService", "Riverbend Credit Union"),
     QT_TRANSLATE_NOOP("SampleDataService", "Interest payment"), 875,
     QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), nullptr, nullptr, 'C', 0},
    {kSavings, 0, QT_TRANSLATE_NOOP("SampleDataService", "Transfer from Checking"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), 50000, nullptr, nullptr, nullptr, 'U', 'B'},
    {kVisa, -55, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3275,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'C', 0},
    {kVisa, -50, QT_TRANSLATE_NOOP("SampleDataService", "Gadget World"),
     QT_TRANSLATE_NOOP("SampleDataService", "Phone case"), -2999, QT_TRANSLATE_NOOP("CategoryService", "Electronics"),
     QT_TRANSLATE_NOOP("CategoryService", "Shopping"), nullptr, 'C', 0},
    {kVisa, -45, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999,
     QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, nullptr, 'C', 0},
    {kVisa, -40, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2850,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'C', 0},
    {kVisa, -35, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 10123, nullptr, nullptr, nullptr, 'C', 0},
    {kVisa, -30, QT_TRANSLATE_NOOP("SampleDataService", "Stellar Coffee"),
     QT_TRANSLATE_NOOP("SampleDataService", "Coffee beans"), -1895, QT_TRANSLATE_NOOP("CategoryService", "Groceries"),
     nullptr, nullptr, 'C', 0},
    {kVisa, -25, QT_TRANSLATE_NOOP("SampleDataService", "BookNest Online"),
     QT_TRANSLATE_NOOP("SampleDataService", "Programming books"), -4599,
     QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), nullptr, nullptr, 'C', 0},
    {kVisa, -20, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -2650,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'U', 0},
    {kVisa, -15, QT_TRANSLATE_NOOP("SampleDataService", "Payment - Thank You"),
     QT_TRANSLATE_NOOP("SampleDataService", "Credit card payment"), 12993, nullptr, nullptr, nullptr, 'U', 0},
    {kVisa, -10, QT_TRANSLATE_NOOP("SampleDataService", "TechVault"), QT_TRANSLATE_NOOP("SampleDataService", "USB hub"),
     -3499, QT_TRANSLATE_NOOP("CategoryService", "Electronics"), QT_TRANSLATE_NOOP("CategoryService", "Shopping"),
     nullptr, 'U', 0},
    {kVisa, -5, QT_TRANSLATE_NOOP("SampleDataService", "Dash Delivery"),
     QT_TRANSLATE_NOOP("SampleDataService", "Food delivery"), -3190,
     QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), nullptr, nullptr, 'U', 0},
    {kVisa, -2, QT_TRANSLATE_NOOP("SampleDataService", "CloudWatch Plus"),
     QT_TRANSLATE_NOOP("SampleDataService", "Cloud storage plan"), -999,
     QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), nullptr, nullptr, 'U', 0},
};

struct SampleSchedule
{
    const char* payee;
    const char* memo;
    qint64 amount;
    const char* category;
    const char* parent;
    const char* frequency;
    int nextDue;
};

const SampleSchedule kSchedules[] = {
    {QT_TRANSLATE_NOOP("SampleDataService", "Pinecrest Apartments"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly rent"), -145000,
     QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), QT_TRANSLATE_NOOP("CategoryService", "Housing"),
     "monthly", 1},
    {QT_TRANSLATE_NOOP("SampleDataService", "Brightpath Inc"),
     QT_TRANSLATE_NOOP("SampleDataService", "Biweekly paycheck"), 285000,
     QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), nullptr, "biweekly", 8},
    {QT_TRANSLATE_NOOP("SampleDataService", "Transfer to Savings"),
     QT_TRANSLATE_NOOP("SampleDataService", "Monthly savings"), -50000, nullptr, nullptr, "monthly", 1},
};

const int kScheduleStartOffset = -60;

QString categoryName(const char* key)
{
    return key ? QCoreApplication::translate("CategoryService", key) : QString();
}

QString sampleText(const char* text)
{
    return QCoreApplication::translate("SampleDataService", text);
}

} // namespace

SampleDataService::SampleDataService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QString SampleDataService::sampleId(const QString& kind)
{
    return QStringLiteral("sample-%1-%2").arg(kind, QUuid::createUuid().toString(QUuid::WithoutBraces).left(8));
}

QString SampleDataService::uniqueId(const QString& kind)
{
    // 32 random bits per id: a repeat within one load is unlikely but would
    // fail the whole load on the primary key.
    QString id = sampleId(kind);
    while (m_issuedIds.contains(id))
        id = sampleId(kind);
    m_issuedIds.insert(id);
    return id;
}

bool SampleDataService::hasSampleData() const
{
    if (!m_database)
        return false;
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT 1 FROM accounts WHERE id LIKE 'sample-%' LIMIT 1"));
    return q.next();
}

void SampleDataService::loadCategoryPaths()
{
    m_categoryIds.clear();
    if (!m_database)
        return;
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.exec(QStringLiteral("SELECT c.id, c.name, p.name AS parent_name FROM categories c "
                          "LEFT JOIN categories p ON c.parent_id = p.id WHERE c.deleted_at IS NULL"));
    while (q.next()) {
        const QString id = q.value(0).toString();
        const QString name = q.value(1).toString();
        const QString parentName = q.value(2).toString();
        m_categoryIds.insert(name, id);
        if (!parentName.isEmpty())
            m_categoryIds.insert(QStringLiteral("%1/%2").arg(parentName, name), id);
    }
}

QString SampleDataService::categoryIdForPath(const QString& name, const QString& parent) const
{
    if (!parent.isEmpty()) {
        const auto it = m_categoryIds.constFind(QStringLiteral("%1/%2").arg(parent, name));
        if (it != m_categoryIds.cend())
            return it.value();
    }
    return m_categoryIds.value(name);
}

bool SampleDataService::insertAccount(const QString& id, const QString& name, const QString& accountType,
                                      const QString& institution, const QString& last4, qint64 startingBalance,
                                      int sortOrder)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, institution, account_number_last4, "
        "starting_balance, sort_order, is_shared, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, 'USD', ?, ?, ?, ?, 0, 1, 'pending', ?, ?)"));
    q.addBindValue(SqlValue::text(id));
    q.addBindValue(SqlValue::text(name));
    q.addBindValue(SqlValue::text(accountType));
    q.addBindValue(SqlValue::text(institution));
    q.addBindValue(SqlValue::text(last4));
    q.addBindValue(startingBalance);
    q.addBindValue(sortOrder);
    q.addBindValue(m_loadTime);
    q.addBindValue(m_loadTime);
    if (q.exec())
        return true;
    qWarning().noquote() << "SampleDataService::insertAccount failed:" << q.lastError().text();
    return false;
}

bool SampleDataService::insertTransaction(const QString& id, const QString& accountId, int dayOffset,
                                          const QString& payee, const QString& memo, qint64 amount,
                                          const QString& categoryId, const QString& checkNumber, QChar status,
                                          const QString& transferLinkId, const QString& transferDestAccountId)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
        "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, version, sync_status, "
        "created_at, updated_at) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 1, 'pending', ?, ?)"));
    q.addBindValue(SqlValue::text(id));
    q.addBindValue(SqlValue::text(accountId));
    q.addBindValue(SqlValue::date(m_today.addDays(dayOffset)));
    q.addBindValue(SqlValue::text(payee));
    q.addBindValue(SqlValue::text(memo));
    q.addBindValue(amount);
    q.addBindValue(SqlValue::ref(categoryId));
    q.addBindValue(SqlValue::ref(checkNumber)); // none: NULL
    q.addBindValue(SqlValue::flag(status == QLatin1Char('C') || status == QLatin1Char('R')));
    q.addBindValue(SqlValue::flag(status == QLatin1Char('R')));
    q.addBindValue(SqlValue::ref(transferLinkId));
    q.addBindValue(SqlValue::ref(transferDestAccountId));
    q.addBindValue(SqlValue::flag(false));
    q.addBindValue(m_loadTime);
    q.addBindValue(m_loadTime);
    if (q.exec())
        return true;
    qWarning().noquote() << "SampleDataService::insertTransaction failed:" << q.lastError().text();
    return false;
}

bool SampleDataService::insertRecurring(const QString& id, const QString& payee, const QString& memo,
                                        qint64 amount, const QString& categoryId, const QString& frequency,
                                        int nextDueOffset)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO recurring_transactions (id, account_id, payee, memo, amount, category_id, frequency, "
        "start_date, next_due_date, auto_post, is_active, version, sync_status, created_at, updated_at) "
        "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 1, 1, 'pending', ?, ?)"));
    q.addBindValue(SqlValue::text(id));
    q.addBindValue(QString::fromLatin1(kChecking));
    q.addBindValue(SqlValue::text(payee));
    q.addBindValue(SqlValue::text(memo));
    q.addBindValue(amount);
    q.addBindValue(SqlValue::ref(categoryId));
    q.addBindValue(SqlValue::text(frequency));
    q.addBindValue(SqlValue::date(m_today.addDays(kScheduleStartOffset)));
    q.addBindValue(SqlValue::date(m_today.addDays(nextDueOffset)));
    q.addBindValue(m_loadTime);
    q.addBindValue(m_loadTime);
    if (q.exec())
        return true;
    qWarning().noquote() << "SampleDataService::insertRecurring failed:" << q.lastError().text();
    return false;
}

bool SampleDataService::writeSampleSet()
{
    int sortOrder = 0;
    for (const SampleAccount& a : kAccounts) {
        if (!insertAccount(QString::fromLatin1(a.id), sampleText(a.name), QString::fromLatin1(a.type),
                           sampleText(a.institution), QString::fromLatin1(a.last4), a.startingBalance, sortOrder++))
            return false;
    }

    // Ids first, so that each transfer leg can carry its partner's id as
    // its link, as transfers entered in the register do.
    constexpr int count = int(sizeof kTransactions / sizeof kTransactions[0]);
    QStringList ids;
    for (int row = 0; row < count; ++row)
        ids.append(uniqueId(QStringLiteral("txn")));
    auto partnerOf = [](int row) {
        for (int other = 0; other < count; ++other) {
            if (other != row && kTransactions[other].transfer == kTransactions[row].transfer)
                return other;
        }
        return -1;
    };

    for (int row = 0; row < count; ++row) {
        const SampleTransaction& t = kTransactions[row];
        QString linkId;
        QString destAccountId;
        if (t.transfer) {
            const int partner = partnerOf(row);
            linkId = ids[partner];
            destAccountId = QString::fromLatin1(kTransactions[partner].account);
        }
        const QString categoryId =
            t.category ? categoryIdForPath(categoryName(t.category), categoryName(t.parent)) : QString();
        if (!insertTransaction(ids[row], QString::fromLatin1(t.account), t.day, sampleText(t.payee),
                               sampleText(t.memo), t.amount, categoryId,
                               t.check ? QString::fromLatin1(t.check) : QString(), QLatin1Char(t.status), linkId,
                               destAccountId))
            return false;
    }

    for (const SampleSchedule& s : kSchedules) {
        const QString categoryId =
            s.category ? categoryIdForPath(categoryName(s.category), categoryName(s.parent)) : QString();
        if (!insertRecurring(uniqueId(QStringLiteral("rec")), sampleText(s.payee), sampleText(s.memo), s.amount,
                             categoryId, QString::fromLatin1(s.frequency), s.nextDue))
            return false;
    }
    return true;
}

bool SampleDataService::loadSampleData()
{
    if (!m_database)
        return false;
    loadCategoryPaths();
    m_loadTime = SqlValue::nowText();
    m_today = QDate::currentDate();
    m_issuedIds.clear();

    AtomicWrite scope(m_database->database(), QStringLiteral("sample_data"));
    QString error;
    if (!scope.begin(&error)) {
        qWarning().noquote() << "SampleDataService::loadSampleData failed:" << error;
        return false;
    }
    if (!writeSampleSet())
        return false; // the insert logged why; the scope undoes the rest
    if (!scope.commit(&error)) {
        qWarning().noquote() << "SampleDataService::loadSampleData failed:" << error;
        return false;
    }
    return true;
}

bool SampleDataService::clearSampleData()
{
    if (!m_database)
        return false;
    // Children before parents, so that the foreign keys let each go.
    static const char* const statements[] = {
        "DELETE FROM split_lines WHERE id LIKE 'sample-%'",
        "DELETE FROM reconciliations WHERE id LIKE 'sample-%'",
        "DELETE FROM recurring_transactions WHERE id LIKE 'sample-%'",
        "DELETE FROM transactions WHERE id LIKE 'sample-%'",
        "DELETE FROM accounts WHERE id LIKE 'sample-%'",
        "DELETE FROM sync_queue WHERE entity_id LIKE 'sample-%'",
    };

    AtomicWrite scope(m_database->database(), QStringLiteral("sample_data"));
    QString error;
    bool ok = scope.begin(&error);
    QSqlQuery q(m_database->database());
    for (const char* statement : statements) {
        if (!ok)
            break;
        ok = q.exec(QString::fromLatin1(statement));
        if (!ok)
            error = q.lastError().text();
    }
    if (ok)
        ok = scope.commit(&error);
    if (!ok) {
        qWarning().noquote() << "SampleDataService::clearSampleData failed:" << error;
        return false;
    }
    return true;
}
