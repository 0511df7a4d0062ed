#include "services/importservice.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"

#include <QCalendar>
#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>

namespace {

constexpr int kProgressInterval = 100;
constexpr int kEventSliceMs = 5;

QSqlDatabase importConnection()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
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

bool hasField(const QStringList& row, int column)
{
    return column >= 0 && column < row.size();
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
        return QDate::fromString(text, format);
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
    return QDate(year, parts.month, parts.day);
}

QDate ImportService::parseDate(const QString& text)
{
    static const QStringList formats = {
        QStringLiteral("yyyy-MM-dd"),   QStringLiteral("yyyyMMdd"),     QStringLiteral("MM/dd/yyyy"),
        QStringLiteral("M/d/yyyy"),     QStringLiteral("M/dd/yyyy"),    QStringLiteral("MM/d/yyyy"),
        QStringLiteral("dd/MM/yyyy"),   QStringLiteral("d/M/yyyy"),     QStringLiteral("d/MM/yyyy"),
        QStringLiteral("dd/M/yyyy"),    QStringLiteral("MM/dd/yy"),     QStringLiteral("M/d/yy"),
        QStringLiteral("yyyy/MM/dd"),   QStringLiteral("MMMM d, yyyy"), QStringLiteral("MMM d, yyyy"),
    };
    for (const QString& format : formats) {
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
    QSqlQuery probe(importConnection());
    // BEGIN only succeeds outside a transaction.
    if (!probe.exec(QStringLiteral("BEGIN")))
        return false;
    probe.exec(QStringLiteral("ROLLBACK"));
    return true;
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

QSet<QString> ImportService::loadDuplicateKeys(const QString& accountId) const
{
    const QList<Transaction> existing = m_transactions->findByAccount(accountId);
    QSet<QString> keys;
    keys.reserve(existing.size());
    for (const Transaction& t : existing)
        keys.insert(duplicateKey(t.date, t.amount, t.payee));
    return keys;
}

QHash<QString, QString> ImportService::loadCategoryIds() const
{
    QHash<QString, QString> ids;
    const QList<Category> categories = m_categories->findAll();
    for (const Category& c : categories)
        ids.insert(c.name, c.id);
    return ids;
}

QString ImportService::categoryIdFor(const QString& name, CategoryType type, QHash<QString, QString>& ids)
{
    const auto found = ids.constFind(name);
    if (found != ids.constEnd())
        return found.value();
    Category category;
    category.id = newId();
    category.name = name;
    category.categoryType = type;
    category.createdAt = QDateTime::currentDateTimeUtc();
    category.updatedAt = category.createdAt;
    if (!m_categories->insert(category))
        return QString();
    ids.insert(name, category.id);
    return category.id;
}

ImportResult ImportService::importCsv(const QString& filePath, const QString& accountId,
                                      const CsvColumnMapping& mapping)
{
    ImportResult result;
    if (m_running) {
        // A slot run during an import's event-loop turn must not start a
        // second one inside the first one's transaction.
        qWarning().noquote() << "ImportService::importCsv refused: another import is running";
        result.failed = true;
        return result;
    }

    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        result.failed = true;
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.failed = true;
        return result;
    }
    file.close();

    const QList<QStringList> rows = parseCsv(decodeTextBytes(bytes));
    const int first = mapping.hasHeader ? 1 : 0;
    const int total = int(qMax<qsizetype>(0, rows.size() - first));

    QSet<QString> keys = loadDuplicateKeys(accountId);
    QHash<QString, QString> categoryIds = loadCategoryIds();
    QHash<QString, QDate> datesRead;

    if (!openImport(total, result))
        return result;

    for (int n = 1; n <= total; ++n) {
        recordReached(n, total);
        const QStringList& row = rows.at(first + n - 1);

        if (!hasField(row, mapping.dateColumn) || !hasField(row, mapping.payeeColumn)
            || !hasField(row, mapping.amountColumn)) {
            ++result.unparseableSkipped;
            continue;
        }
        const QString& dateField = row.at(mapping.dateColumn);
        // A bank file repeats few distinct dates, and reading one may try
        // fifteen formats, so each distinct text is read once.
        auto cached = datesRead.constFind(dateField);
        if (cached == datesRead.constEnd()) {
            QDate read;
            if (!mapping.dateFormat.isEmpty())
                read = dateFromText(dateField, mapping.dateFormat);
            if (!read.isValid())
                read = parseDate(dateField);
            cached = datesRead.insert(dateField, read);
        }
        const QDate date = cached.value();
        qint64 amount = 0;
        // A field that does not read as a number is no amount, not a zero.
        if (!date.isValid() || !tryParseAmount(row.at(mapping.amountColumn), CurrencyCode::USD, &amount)) {
            ++result.unparseableSkipped;
            continue;
        }
        const QString& payee = row.at(mapping.payeeColumn);

        const QString key = duplicateKey(date, amount, payee);
        if (keys.contains(key)) {
            ++result.duplicatesSkipped;
            continue;
        }

        Transaction t;
        t.id = newId();
        t.accountId = accountId;
        t.date = date;
        t.payee = payee;
        t.amount = amount;
        t.createdAt = QDateTime::currentDateTimeUtc();
        t.updatedAt = t.createdAt;
        if (hasField(row, mapping.memoColumn))
            t.memo = row.at(mapping.memoColumn);

        bool written = true;
        if (hasField(row, mapping.categoryColumn) && !row.at(mapping.categoryColumn).isEmpty()) {
            t.categoryId = categoryIdFor(row.at(mapping.categoryColumn), CategoryType::Expense, categoryIds);
            // Without its category the row would be imported as something
            // it is not.
            written = !t.categoryId.isEmpty();
        }
        if (written)
            written = m_transactions->insert(t);
        if (!written) {
            ++result.databaseErrorSkipped;
            if (transactionLost()) {
                abortImport("CSV", QStringLiteral("the database rolled the import back"), result, total);
                return result;
            }
            continue;
        }
        ++result.imported;
        keys.insert(key);
    }

    closeImport(result, total);
    return result;
}
