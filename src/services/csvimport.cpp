#include "services/importservice.h"

#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice_p.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

using ImportSupport::newId;

namespace {

bool hasField(const QStringList& row, int column)
{
    return column >= 0 && column < row.size();
}

// The date of a cell that carries a time after it ("2020-01-23 08:26:29",
// "2020-01-23T08:26:29Z", "1/23/2020 8:26 PM"), else the cell.
QString datePart(const QString& cell)
{
    static const QRegularExpression time(
        QStringLiteral("[T ]+\\d{1,2}:\\d\\d(:\\d\\d(\\.\\d+)?)?\\s*([AaPp][Mm])?\\s*(Z|[+-]\\d\\d:?\\d\\d)?$"));
    const QRegularExpressionMatch match = time.match(cell);
    return match.hasMatch() && match.capturedStart() > 0 ? cell.left(match.capturedStart()) : cell;
}

// No month is above 12: a first number above it ("25/12/2017") shows a
// file that writes the day first.
bool startsWithDay(const QString& text)
{
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    bool ok = false;
    return slash > 0 && slash <= 2 && text.left(slash).toInt(&ok) > 12 && ok;
}

// Which of day and month a date form writes first. A form that leads with
// the year or names the month cannot be misread either way.
enum class DayMonthOrder { Either, MonthFirst, DayFirst };

DayMonthOrder dayMonthOrder(const QString& format)
{
    qsizetype day = -1;
    qsizetype month = -1;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || (c != QLatin1Char('d') && c != QLatin1Char('M')))
            continue;
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        // Three or more letters are a name ("ddd", "MMM"), not a number.
        if (run <= 2 && c == QLatin1Char('d') && day < 0)
            day = i;
        else if (c == QLatin1Char('M') && month < 0)
            month = run <= 2 ? i : format.size();
        i += run - 1;
    }
    if (format.startsWith(QLatin1Char('y')) || day < 0 || month < 0 || month == format.size())
        return DayMonthOrder::Either;
    return day < month ? DayMonthOrder::DayFirst : DayMonthOrder::MonthFirst;
}

// The automatic forms that read dates in this order (and those that
// cannot be misread), in the automatic order.
QStringList formsOfOrder(DayMonthOrder order)
{
    QStringList forms;
    for (const QString& form : ImportSupport::dateFormats()) {
        const DayMonthOrder own = dayMonthOrder(form);
        if (own == DayMonthOrder::Either || own == order)
            forms.append(form);
    }
    return forms;
}

// The first of the forms that reads the text.
QDate readWith(const QStringList& forms, const QString& text)
{
    for (const QString& form : forms) {
        const QDate date = ImportService::dateFromText(text, form);
        if (date.isValid())
            return date;
    }
    return QDate();
}

// The dates of a file's distinct date cells. A given format reads first
// (the cell's date part too). One file is never read in two day/month
// orders: the rest is read in the format's order, or without one in the
// file's own (day first when a cell shows it), with one form for the
// whole file, the first that reads every cell that any form of the order
// reads, so that 25/12/2017 and 02/01/2018 are both read day first. Only
// when no form reads them all is each cell read on its own.
QHash<QString, QDate> readDates(const QList<QString>& cells, const QString& format, QSet<QString>* offFormat)
{
    QHash<QString, QDate> dates;
    dates.reserve(cells.size());
    QStringList automatic;
    for (const QString& cell : cells) {
        QDate date;
        if (!format.isEmpty()) {
            date = ImportService::dateFromText(cell, format);
            if (!date.isValid())
                date = ImportService::dateFromText(datePart(cell), format);
        }
        if (date.isValid())
            dates.insert(cell, date);
        else
            automatic.append(cell);
    }
    if (offFormat && !format.isEmpty())
        *offFormat = QSet<QString>(automatic.cbegin(), automatic.cend());

    QStringList texts;
    texts.reserve(automatic.size());
    for (const QString& cell : std::as_const(automatic))
        texts.append(datePart(cell));
    DayMonthOrder order = format.isEmpty() ? DayMonthOrder::Either : dayMonthOrder(format);
    if (order == DayMonthOrder::Either) {
        const bool dayFirst = std::any_of(texts.cbegin(), texts.cend(), [](const QString& text) {
            return startsWithDay(text) && ImportService::parseDate(text).isValid();
        });
        order = dayFirst ? DayMonthOrder::DayFirst : DayMonthOrder::MonthFirst;
    }
    const QStringList forms = formsOfOrder(order);

    QStringList readable;
    for (const QString& text : std::as_const(texts)) {
        if (readWith(forms, text).isValid())
            readable.append(text);
    }
    const auto common = std::find_if(forms.cbegin(), forms.cend(), [&readable](const QString& f) {
        return std::all_of(readable.cbegin(), readable.cend(),
                           [&f](const QString& text) { return ImportService::dateFromText(text, f).isValid(); });
    });
    for (qsizetype i = 0; i < automatic.size(); ++i) {
        const QString& text = texts.at(i);
        dates.insert(automatic.at(i),
                     common != forms.cend() ? ImportService::dateFromText(text, *common) : readWith(forms, text));
    }
    return dates;
}

} // namespace

CsvFileScan::CsvFileScan(const CsvColumnMapping& mapping, int keepRows, bool tally)
    : m_mapping(mapping)
    , m_keepRows(keepRows)
    , m_tally(tally)
{
}

void CsvFileScan::add(const QStringList& row)
{
    m_columnCount = std::max(m_columnCount, int(row.size()));
    if (m_firstRows.size() < m_keepRows)
        m_firstRows.append(row);
    const bool header = m_rowCount++ == 0 && m_mapping.hasHeader;
    if (header || !hasField(row, m_mapping.dateColumn))
        return;
    CellRows& cell = m_cells[row.at(m_mapping.dateColumn)];
    // The rows readCsvRecord finds no field missing in.
    if (m_tally && hasField(row, m_mapping.payeeColumn) && hasField(row, m_mapping.amountColumn)) {
        ++cell.complete;
        if (parseBankAmount(row.at(m_mapping.amountColumn)))
            ++cell.readable;
    }
}

bool CsvFileScan::read(CsvReader& reader)
{
    QStringList row;
    while (reader.next(row))
        add(row);
    return !reader.failed();
}

int CsvFileScan::dataRowCount() const
{
    return std::max(0, m_rowCount - (m_mapping.hasHeader ? 1 : 0));
}

QHash<QString, QDate> CsvFileScan::dates(QSet<QString>* offFormat) const
{
    return readDates(m_cells.keys(), m_mapping.dateFormat, offFormat);
}

int CsvFileScan::records(const QHash<QString, QDate>& dates) const
{
    int records = 0;
    for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it)
        records += dates.value(it.key()).isValid() ? it->readable : 0;
    return records;
}

int CsvFileScan::offFormatRows(const QHash<QString, QDate>& dates, const QSet<QString>& offFormat) const
{
    int rows = 0;
    for (const QString& cell : offFormat)
        rows += dates.value(cell).isValid() ? 0 : m_cells.value(cell).complete;
    return rows;
}

CsvRecord readCsvRecord(const QStringList& row, const CsvColumnMapping& mapping, const QHash<QString, QDate>& dates)
{
    CsvRecord record;
    if (!hasField(row, mapping.dateColumn) || !hasField(row, mapping.payeeColumn)
        || !hasField(row, mapping.amountColumn)) {
        record.problem = CsvRecord::Problem::MissingField;
        return record;
    }
    record.date = dates.value(row.at(mapping.dateColumn));
    if (!record.date.isValid()) {
        record.problem = CsvRecord::Problem::BadDate;
        return record;
    }
    // Bank files write "12,50" and "1.234,56" as often as "1,234.56":
    // the QIF reader's rule tells the decimal mark from the grouping.
    // A field that does not read as a number is no amount, not a zero.
    const std::optional<qint64> amount = parseBankAmount(row.at(mapping.amountColumn));
    if (!amount) {
        record.problem = CsvRecord::Problem::BadAmount;
        return record;
    }
    record.amount = *amount;
    record.payee = row.at(mapping.payeeColumn);
    if (hasField(row, mapping.memoColumn))
        record.memo = row.at(mapping.memoColumn);
    if (hasField(row, mapping.categoryColumn))
        record.category = row.at(mapping.categoryColumn);
    return record;
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
    // The file is read as a stream, twice: the first pass counts the rows
    // and gathers the distinct date cells (the dates of the whole file
    // decide how each one is read), the second imports.
    const int first = mapping.hasHeader ? 1 : 0;
    CsvReader reader(&file);
    int total = 0;
    QHash<QString, QDate> dates;
    {
        CsvFileScan scan(mapping);
        if (!scan.read(reader) || !reader.rewind()) {
            result.failed = true;
            return result;
        }
        total = scan.dataRowCount();
        dates = scan.dates();
    }
    QHash<QString, int> storedKeys = loadDuplicateKeys(accountId);
    CategoryLookup::Index categories = loadCategories();

    if (!openImport(total, result))
        return result;

    QStringList row;
    for (int i = 0; i < first; ++i)
        reader.next(row);
    for (int n = 1; n <= total; ++n) {
        recordReached(n, total);
        if (!reader.next(row)) {
            // The file failed to read, or shrank, since the first pass.
            abortImport("CSV", QStringLiteral("the file could not be read again to its end"), result, total);
            return result;
        }

        const CsvRecord record = readCsvRecord(row, mapping, dates);
        if (record.problem != CsvRecord::Problem::None) {
            ++result.unparseableSkipped;
            continue;
        }

        // A stored row matches one row of the file; the file's own rows
        // are never duplicates of each other.
        const auto stored = storedKeys.find(duplicateKey(record.date, record.amount, record.payee));
        if (stored != storedKeys.end() && stored.value() > 0) {
            --stored.value();
            ++result.duplicatesSkipped;
            continue;
        }

        Transaction t;
        t.id = newId();
        t.accountId = accountId;
        t.date = record.date;
        t.payee = record.payee;
        t.amount = record.amount;
        t.memo = record.memo;
        t.createdAt = QDateTime::currentDateTimeUtc();
        t.updatedAt = t.createdAt;

        bool written = true;
        bool sharedName = false;
        if (!record.category.isEmpty()) {
            t.categoryId = categoryIdFor(record.category, CategoryType::Expense, categories, &sharedName);
            // Without its category the row would be imported as something
            // it is not; a name several categories share names none, and
            // the row goes in without one rather than under a guess.
            written = sharedName || !t.categoryId.isEmpty();
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
        if (sharedName)
            ++result.uncategorizedSharedName;
    }

    closeImport(result, total);
    return result;
}
