#include "services/importsetup.h"

#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QUuid>

#include <algorithm>

namespace ImportSetup {

namespace {

constexpr int kColumnLabelChars = 20;
constexpr qsizetype kHashPieceBytes = 256 * 1024;

// A text marked with QT_TRANSLATE_N_NOOP, with its count.
QString counted(const char* source, int n)
{
    return QCoreApplication::translate("ImportScreen", source, nullptr, n);
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// offFormat: the date cell is one the chosen date format does not read.
QString problemNote(CsvRecord::Problem problem, bool offFormat)
{
    switch (problem) {
    case CsvRecord::Problem::MissingField:
        return QCoreApplication::translate("ImportScreen", "Not imported: the row has too few fields");
    case CsvRecord::Problem::BadDate:
        return offFormat
            ? QCoreApplication::translate("ImportScreen", "Not imported: the date does not fit the chosen date format")
            : QCoreApplication::translate("ImportScreen", "Not imported: no readable date");
    case CsvRecord::Problem::BadAmount:
        return QCoreApplication::translate("ImportScreen", "Not imported: no readable amount");
    case CsvRecord::Problem::None:
        break;
    }
    return QString();
}

} // namespace

QString csvPreviewHeader(int column, const CsvColumnMapping& mapping)
{
    const std::pair<int, const char*> roles[] = {
        {mapping.dateColumn, QT_TRANSLATE_NOOP("ImportScreen", "Date")},
        {mapping.payeeColumn, QT_TRANSLATE_NOOP("ImportScreen", "Payee")},
        {mapping.amountColumn, QT_TRANSLATE_NOOP("ImportScreen", "Amount")},
        {mapping.memoColumn, QT_TRANSLATE_NOOP("ImportScreen", "Memo")},
        {mapping.categoryColumn, QT_TRANSLATE_NOOP("ImportScreen", "Category")},
    };
    QStringList fed;
    for (const auto& [index, name] : roles) {
        if (index == column)
            fed.append(QCoreApplication::translate("ImportScreen", name));
    }
    QString header = QCoreApplication::translate("ImportScreen", "Col %1").arg(column);
    if (!fed.isEmpty())
        header += QLatin1Char('\n') + fed.join(QStringLiteral(", "));
    return header;
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> hashFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QCryptographicHash hash(QCryptographicHash::Sha1);
    QByteArray piece(kHashPieceBytes, Qt::Uninitialized);
    for (;;) {
        const qint64 n = file.read(piece.data(), piece.size());
        if (n < 0 || file.error() != QFileDevice::NoError)
            return std::nullopt;
        if (n == 0)
            break;
        hash.addData(QByteArrayView(piece.constData(), n));
    }
    return hash.result();
}

QStringList unreadableFiles(const QStringList& paths)
{
    QStringList unreadable;
    for (const QString& path : paths) {
        if (!readFile(path))
            unreadable.append(path);
    }
    return unreadable;
}

int csvColumnCount(const QList<QStringList>& rows)
{
    qsizetype count = 0;
    for (const QStringList& row : rows)
        count = std::max(count, row.size());
    return int(count);
}

QString csvColumnLabel(const QStringList& firstRow, int column)
{
    return column >= 0 && column < firstRow.size()
        ? QCoreApplication::translate("ImportScreen", "Col %1: %2")
              .arg(QString::number(column), firstRow.at(column).left(kColumnLabelChars))
        : QCoreApplication::translate("ImportScreen", "Column %1").arg(column);
}

int csvLongestColumnLabel(const QStringList& firstRow, int columnCount)
{
    // An item grows with its column's digits and its field's characters
    // up to the cut, so one of these columns holds the longest: the longest
    // named one, and the last, which may have no field.
    int longestNamed = -1;
    qsizetype longestSize = -1;
    qsizetype digits = 1;
    qsizetype nextDigit = 10;
    const int named = int(std::min<qsizetype>(firstRow.size(), std::max(0, columnCount)));
    for (int column = 0; column < named; ++column) {
        if (column == nextDigit) {
            ++digits;
            nextDigit = nextDigit * 10;
        }
        const qsizetype size = digits + std::min<qsizetype>(firstRow.at(column).size(), kColumnLabelChars);
        if (size > longestSize) {
            longestSize = size;
            longestNamed = column;
        }
    }
    qsizetype longest = longestNamed < 0 ? 0 : csvColumnLabel(firstRow, longestNamed).size();
    if (columnCount > 0)
        longest = std::max(longest, csvColumnLabel(firstRow, columnCount - 1).size());
    return int(longest);
}

CsvColumnListModel::CsvColumnListModel(bool withNone, QObject* parent)
    : QAbstractListModel(parent)
    , m_withNone(withNone)
{
}

void CsvColumnListModel::setColumns(const QStringList& firstRow, int columnCount)
{
    beginResetModel();
    m_firstRow = firstRow;
    m_columnCount = std::max(0, columnCount);
    endResetModel();
}

int CsvColumnListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_columnCount + (m_withNone ? 1 : 0);
}

QVariant CsvColumnListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const int column = index.row() - (m_withNone ? 1 : 0);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return column < 0 ? QCoreApplication::translate("ImportScreen", "(none)") : csvColumnLabel(m_firstRow, column);
    case Qt::UserRole:
        return column;
    default:
        return QVariant();
    }
}

int csvDataRowCount(const QList<QStringList>& rows, bool hasHeader)
{
    return csvDataRowCount(int(rows.size()), hasHeader);
}

int csvDataRowCount(int rowCount, bool hasHeader)
{
    return std::max(0, rowCount - (hasHeader ? 1 : 0));
}

CsvPreview buildCsvPreview(const QList<QStringList>& rows, int columnCount, const CsvColumnMapping& mapping)
{
    CsvFileScan scan(mapping, int(rows.size()), true);
    for (const QStringList& row : rows)
        scan.add(row);
    return buildCsvPreview(scan, columnCount);
}

namespace {

CsvPreview previewCounts(const CsvFileScan& scan, const QHash<QString, QDate>& dates, const QSet<QString>& offFormat)
{
    CsvPreview preview;
    preview.records = scan.records(dates);
    // Each skipped row under one reason: a date off the chosen format, or
    // any other.
    preview.offFormat = scan.offFormatRows(dates, offFormat);
    preview.skipped = scan.dataRowCount() - preview.records - preview.offFormat;
    return preview;
}

CsvPreviewRow previewRow(const QStringList& fields, bool header, int columnCount, const CsvColumnMapping& mapping,
                         const QHash<QString, QDate>& dates, const QSet<QString>& offFormat)
{
    CsvPreviewRow row;
    row.cells = fields.mid(0, columnCount);
    while (row.cells.size() < columnCount)
        row.cells.append(QString());
    if (header) {
        row.kind = CsvPreviewRow::Kind::Header;
        row.note = QCoreApplication::translate("ImportScreen", "Header row: not imported");
    } else if (const CsvRecord record = readCsvRecord(fields, mapping, dates);
               record.problem != CsvRecord::Problem::None) {
        const bool off =
            record.problem != CsvRecord::Problem::MissingField && offFormat.contains(fields.at(mapping.dateColumn));
        row.kind = CsvPreviewRow::Kind::Skipped;
        row.note = problemNote(record.problem, off);
    } else {
        // A row read again from a file widened since its pass may hold more
        // columns than were counted.
        if (mapping.dateColumn < columnCount)
            row.cells[mapping.dateColumn] = record.date.toString(Qt::ISODate);
        if (mapping.amountColumn < columnCount)
            row.cells[mapping.amountColumn] = formatAmountPlain(record.amount, CurrencyCode::USD);
    }
    return row;
}

} // namespace

CsvPreview buildCsvPreview(const CsvFileScan& scan, int columnCount)
{
    QSet<QString> offFormat;
    const QHash<QString, QDate> dates = scan.dates(&offFormat);
    CsvPreview preview = previewCounts(scan, dates, offFormat);
    const QList<QStringList>& rows = scan.firstRows();
    preview.rows.reserve(rows.size());
    for (qsizetype i = 0; i < rows.size(); ++i)
        preview.rows.append(
            previewRow(rows.at(i), i == 0 && scan.mapping().hasHeader, columnCount, scan.mapping(), dates, offFormat));
    return preview;
}

bool readsRowsAlike(const CsvColumnMapping& a, const CsvColumnMapping& b)
{
    return a.dateColumn == b.dateColumn && a.payeeColumn == b.payeeColumn && a.amountColumn == b.amountColumn
        && a.hasHeader == b.hasHeader && a.dateFormat == b.dateFormat;
}

std::optional<CsvFilePreview> readCsvPreview(const QString& path, const CsvColumnMapping& mapping)
{
    auto file = std::make_shared<CsvFileRows>(path);
    if (!file->isOpen())
        return std::nullopt;
    CsvFileScan scan(mapping, 1, true);
    if (!scan.read(file->reader()))
        return std::nullopt;
    CsvFilePreview shown;
    shown.mapping = mapping;
    shown.firstRow = scan.firstRows().value(0);
    shown.rowCount = scan.rowCount();
    shown.columnCount = scan.columnCount();
    shown.dates = scan.dates(&shown.offFormat);
    shown.preview = previewCounts(scan, shown.dates, shown.offFormat);
    shown.file = std::move(file);
    return shown;
}

bool CsvFilePreview::row(int index, CsvPreviewRow& shown, QStringList& fields) const
{
    if (!file || index < 0 || index >= rowCount || !file->reader().readRow(index, fields))
        return false;
    shown = previewRow(fields, index == 0 && mapping.hasHeader, columnCount, mapping, dates, offFormat);
    return true;
}

QString csvPreviewSummary(const CsvPreview& preview)
{
    QString summary = QCoreApplication::translate("ImportScreen", "%n row(s) to import", nullptr, preview.records);
    if (preview.skipped > 0)
        summary += QStringLiteral("; ")
            + QCoreApplication::translate("ImportScreen", "%n row(s) cannot be read and will be skipped", nullptr,
                                          preview.skipped);
    if (preview.offFormat > 0)
        summary += QStringLiteral("; ")
            + QCoreApplication::translate("ImportScreen", "%n row(s) do not fit the chosen date format", nullptr,
                                          preview.offFormat);
    return summary;
}

QString qifNewAccountName(const QifSourceAccount& source)
{
    if (!source.noAccountHeader)
        return source.key;
    const QString stem = source.key.section(QLatin1Char('/'), -1).section(QLatin1Char('.'), 0, 0);
    return stem.isEmpty() ? source.label : stem;
}

int matchingAccount(const QifSourceAccount& source, const QList<Account>& accounts)
{
    if (source.noAccountHeader)
        return -1;
    for (qsizetype i = 0; i < accounts.size(); ++i) {
        if (accounts.at(i).name.compare(source.label, Qt::CaseInsensitive) == 0)
            return int(i);
    }
    return -1;
}

bool isLiveAccount(const AccountRepository& accounts, const QString& id)
{
    if (id.isEmpty())
        return false;
    const std::optional<Account> account = accounts.findById(id);
    return account && !account->deletedAt;
}

QStringList goneTargets(const AccountRepository& accounts, const QList<QifTargetChoice>& choices)
{
    QStringList gone;
    for (const QifTargetChoice& c : choices) {
        if (c.choice != QLatin1String(kCreateChoice) && c.choice != QLatin1String(kSkipChoice)
            && !isLiveAccount(accounts, c.choice))
            gone.append(c.source.label);
    }
    return gone;
}

QifTargets resolveQifTargets(AccountRepository* accounts, const QList<QifTargetChoice>& choices)
{
    QifTargets targets;
    for (const QifTargetChoice& c : choices) {
        const QString& key = c.source.key;
        if (c.choice == QLatin1String(kSkipChoice)) {
            targets.mapping.insert(key, QString());
        } else if (c.choice == QLatin1String(kCreateChoice)) {
            Account account;
            account.id = newId();
            account.name = qifNewAccountName(c.source);
            account.accountType = c.source.suggestedType;
            account.currency = CurrencyCode::USD;
            account.createdAt = QDateTime::currentDateTimeUtc();
            account.updatedAt = account.createdAt;
            if (accounts->insert(account)) {
                targets.mapping.insert(key, account.id);
                targets.created.insert(key, account.id);
            } else {
                targets.mapping.insert(key, QString());
                targets.notCreated.append(account.name);
            }
        } else {
            targets.mapping.insert(key, c.choice);
        }
    }
    return targets;
}

int recordsRead(const ImportResult& r)
{
    return r.imported + r.duplicatesSkipped + r.unparseableSkipped + r.metadataSkipped + r.unmappedSkipped
        + r.databaseErrorSkipped;
}

QStringList summaryLines(const ImportResult& r)
{
    if (r.failed)
        return {QCoreApplication::translate("ImportScreen", "Import failed."), QString(), failureText()};
    QStringList lines = {
        QCoreApplication::translate("ImportScreen", "Import complete!"),
        QString(),
        QCoreApplication::translate("ImportScreen", "%n transaction(s) imported", nullptr, r.imported),
    };
    const auto add = [&lines](int n, const char* line) {
        if (n > 0)
            lines.append(counted(line, n));
    };
    add(r.uncategorizedSharedName, QT_TRANSLATE_N_NOOP("ImportScreen", "%n transaction(s) imported without a category "
                                                                       "(category name shared by several categories)"));
    add(r.transfersLinked, QT_TRANSLATE_N_NOOP("ImportScreen", "%n transfer(s) linked across accounts"));
    if (r.transfersLinked > 0)
        add(r.retroactiveLinks,
            QT_TRANSLATE_N_NOOP("ImportScreen", "  (including %n linked to previously imported row(s))"));
    add(r.duplicatesSkipped, QT_TRANSLATE_N_NOOP("ImportScreen", "%n duplicate(s) skipped"));
    add(r.unparseableSkipped, QT_TRANSLATE_N_NOOP("ImportScreen", "%n record(s) skipped (unparseable)"));
    add(r.metadataSkipped, QT_TRANSLATE_N_NOOP("ImportScreen", "%n metadata record(s) skipped"));
    add(r.unmappedSkipped, QT_TRANSLATE_N_NOOP("ImportScreen", "%n record(s) skipped (unmapped source account)"));
    add(r.databaseErrorSkipped,
        QT_TRANSLATE_N_NOOP("ImportScreen", "%n record(s) skipped (database error — see log)"));
    return lines;
}

QString failureText()
{
    return QCoreApplication::translate("ImportScreen", "A database error stopped the import and all changes were "
                                                       "rolled back. No transactions were added.");
}

} // namespace ImportSetup
