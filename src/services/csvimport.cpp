#include "services/importservice.h"

#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice_p.h"

#include <QDebug>
#include <QFile>

using ImportSupport::newId;

namespace {

bool hasField(const QStringList& row, int column)
{
    return column >= 0 && column < row.size();
}

} // namespace

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
        // Bank files write "12,50" and "1.234,56" as often as "1,234.56":
        // the QIF reader's rule tells the decimal mark from the grouping.
        // A field that does not read as a number is no amount, not a zero.
        const std::optional<qint64> amount = parseBankAmount(row.at(mapping.amountColumn));
        if (!date.isValid() || !amount) {
            ++result.unparseableSkipped;
            continue;
        }
        const QString& payee = row.at(mapping.payeeColumn);

        const QString key = duplicateKey(date, *amount, payee);
        if (keys.contains(key)) {
            ++result.duplicatesSkipped;
            continue;
        }

        Transaction t;
        t.id = newId();
        t.accountId = accountId;
        t.date = date;
        t.payee = payee;
        t.amount = *amount;
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
