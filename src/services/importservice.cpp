#include "services/importservice.h"

#include "data/atomicwrite.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/transactionrepository.h"
#include "services/importservice_p.h"

#include <QCalendar>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

// What the CSV and the QIF import share: dates, duplicate keys, categories
// and the one database transaction an import runs in. The imports
// themselves are in csvimport.cpp and qifimport.cpp.

using ImportSupport::kEventSliceMs;
using ImportSupport::newId;

namespace {

constexpr int kProgressInterval = 100;

QSqlDatabase importConnection()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

// Whether the format holds Qt's two-digit year token: a run of 'y' outside
// quoted text whose last pass reads "yy" ("yyyy" takes four at a time).
bool hasTwoDigitYear(const QString& format)
{
    bool quoted = false;
    const qsizetype size = format.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || c != QLatin1Char('y'))
            continue;
        qsizetype run = 0;
        while (i < size && format.at(i) == QLatin1Char('y')) {
            ++run;
            ++i;
        }
        --i;
        if (run % 4 >= 2)
            return true;
    }
    return false;
}

// Dates are stored as "yyyy-MM-dd", which holds the years 1 to 9999 only;
// "yyyy" also reads a sign ("-2012-08-30"), and such a date would be stored
// as no date at all.
QDate storableDate(const QDate& date)
{
    return date.isValid() && date.year() >= 1 && date.year() <= 9999 ? date : QDate();
}

} // namespace

ImportService::ImportService(Database* database, TransactionRepository* transactions,
                             CategoryRepository* categories, SplitLineRepository* splitLines, QObject* parent)
    : QObject(parent)
    , m_database(database)
    , m_transactions(transactions)
    , m_categories(categories)
    , m_splitLines(splitLines)
{
}

ImportService::~ImportService() = default;

QString ImportService::duplicateKey(const QDate& date, qint64 amount, const QString& payee)
{
    return QStringLiteral("%1|%2|%3").arg(date.toString(Qt::ISODate), QString::number(amount), payee);
}

QDate ImportService::dateFromText(const QString& text, const QString& format)
{
    if (!hasTwoDigitYear(format))
        return storableDate(QDate::fromString(text, format));
    // Qt reads "yy" as 1900-1999 and checks the day against that year, so
    // 2/29/00 would fail. The Julian calendar has every fourth year leap,
    // 1900 included: read the fields there and rebuild the date in the
    // right century.
    static const QCalendar julian(QCalendar::System::Julian);
    const QDate read = QDate::fromString(text, format, julian);
    if (!read.isValid())
        return QDate();
    const QCalendar::YearMonthDay parts = julian.partsFromDate(read);
    int year = parts.year;
    if (year >= 1900 && year <= 1969)
        year += 100;
    return storableDate(QDate(year, parts.month, parts.day));
}

const QStringList& ImportSupport::dateFormats()
{
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd"),   QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),     QStringLiteral("M/dd/yyyy"),    QStringLiteral("MM/d/yyyy"),
        QStringLiteral("dd/MM/yyyy"),   QStringLiteral("d/M/yyyy"),     QStringLiteral("d/MM/yyyy"),
        QStringLiteral("dd/M/yyyy"),    QStringLiteral("MM/dd/yy"),     QStringLiteral("M/d/yy"),
        QStringLiteral("yyyy/MM/dd"),   QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
    };
    return formats;
}

QDate ImportService::parseDate(const QString& text)
{
    for (const QString& format : ImportSupport::dateFormats()) {
        const QDate date = dateFromText(text, format);
        if (date.isValid())
            return date;
    }
    return QDate();
}

bool ImportService::beginTransaction()
{
    QSqlDatabase db = importConnection();
    if (!db.transaction()) {
        qWarning().noquote() << "ImportService::beginTransaction failed:" << db.lastError().text();
        return false;
    }
    return true;
}

bool ImportService::commitTransaction()
{
    QSqlDatabase db = importConnection();
    if (!db.commit()) {
        qWarning().noquote() << "ImportService::commitTransaction failed:" << db.lastError().text();
        return false;
    }
    return true;
}

void ImportService::rollbackTransaction()
{
    // After SQLite rolled back by itself there is nothing left to undo, and
    // the failing ROLLBACK is expected.
    importConnection().rollback();
}

bool ImportService::transactionLost()
{
    return ::transactionLost(importConnection());
}

bool ImportService::openImport(int total, ImportResult& result)
{
    emit importStarted(total);
    m_running = true;
    m_bulkWrite = std::make_unique<BulkWriteScope>(m_database);
    if (!beginTransaction()) {
        // Without a transaction every insert would commit on its own and a
        // later failure could not be undone: write nothing.
        result.failed = true;
        endImport(total);
        return false;
    }
    // Without the suspension the import is slower, not wrong.
    m_indexingSuspended = m_database && m_database->suspendTransactionIndexing();
    return true;
}

void ImportService::recordReached(int n, int total)
{
    if (n % kProgressInterval != 0)
        return;
    emit importProgress(n, total);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventSliceMs);
}

void ImportService::closeImport(ImportResult& result, int total)
{
    if (m_indexingSuspended && !m_database->resumeTransactionIndexing()) {
        rollbackTransaction();
        result.failed = true;
    } else if (!commitTransaction()) {
        rollbackTransaction();
        result.failed = true;
    }
    endImport(total);
}

void ImportService::abortImport(const char* kind, const QString& reason, ImportResult& result, int total)
{
    qWarning().noquote() << QStringLiteral("%1 import aborted:").arg(QLatin1String(kind)) << reason;
    result.failed = true;
    rollbackTransaction();
    endImport(total);
}

void ImportService::endImport(int total)
{
    m_bulkWrite.reset();
    m_indexingSuspended = false;
    m_running = false;
    emit importProgress(total, total);
    emit importFinished();
}

QHash<QString, int> ImportService::loadDuplicateKeys(const QString& accountId) const
{
    const QList<Transaction> existing = m_transactions->findByAccount(accountId);
    QHash<QString, int> keys;
    keys.reserve(existing.size());
    for (const Transaction& t : existing)
        ++keys[duplicateKey(t.date, t.amount, t.payee)];
    return keys;
}

CategoryLookup::Index ImportService::loadCategories() const
{
    return CategoryLookup::Index(m_categories->findAll(), CategoryLookup::Source::File);
}

QString ImportService::categoryIdFor(const QString& name, CategoryType type, CategoryLookup::Index& index,
                                     bool* shared, const QString& otherText, bool topLevel)
{
    bool isShared = false;
    QString id = topLevel ? index.topLevelId(name) : index.idFor(name, &isShared);
    if (id.isEmpty() && !isShared && !otherText.isEmpty())
        id = index.idFor(otherText, &isShared);
    if (shared)
        *shared = isShared;
    if (!id.isEmpty() || isShared)
        return id;
    Category category;
    category.id = newId();
    // As read: the white space around a text does not count.
    category.name = name.trimmed();
    category.categoryType = type;
    category.createdAt = QDateTime::currentDateTimeUtc();
    category.updatedAt = category.createdAt;
    if (!m_categories->insert(category))
        return QString();
    index.add(category);
    return category.id;
}
