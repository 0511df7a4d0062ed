#pragma once

#include "data/records.h"
#include "services/csvparser.h"
#include "services/importservice.h"

#include <QAbstractListModel>
#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class AccountRepository;
class Database;
class TransactionRepository;

// What the import window reads, shows and decides, without widgets: the
// chosen files, the CSV preview as the import will store it, the targets
// of QIF source accounts, and the texts of the outcome. Texts are
// translated in the window's context.
namespace ImportSetup {

// Choice data of a QIF source account's row besides an account id.
inline constexpr char kCreateChoice[] = "__create__";
inline constexpr char kSkipChoice[] = "__skip__";

// The whole file; nothing when it cannot be opened or read.
std::optional<QByteArray> readFile(const QString& path);
// A digest of the file's bytes, read a piece at a time; nothing when it
// cannot be opened or read.
std::optional<QByteArray> hashFile(const QString& path);
// Those of the paths that cannot be opened or read, in order.
QStringList unreadableFiles(const QStringList& paths);

// The field count of the longest row: a bank's title line above the data
// must not hide the data's columns.
int csvColumnCount(const QList<QStringList>& rows);
// The item of a column list for column `column`: "Col %1: %2" with the
// first row's field cut to 20 characters, or "Column %1" where the first
// row has no such field.
QString csvColumnLabel(const QStringList& firstRow, int column);
// The length in characters of the longest item of a column list, found
// without making every item.
int csvLongestColumnLabel(const QStringList& firstRow, int columnCount);
// The rows the import would read: every row after the header row.
int csvDataRowCount(const QList<QStringList>& rows, bool hasHeader);
int csvDataRowCount(int rowCount, bool hasHeader);

struct CsvPreviewRow
{
    enum class Kind { Header, Record, Skipped };
    Kind kind = Kind::Record;
    // columnCount cells: the file's fields, except that a record shows its
    // date and amount as they will be stored.
    QStringList cells;
    QString note; // why a row is not imported
};

struct CsvPreview
{
    QList<CsvPreviewRow> rows;
    // Every data row is in one of the three counts.
    int records = 0;
    int skipped = 0; // for any reason but the next
    // Rows skipped because the chosen date format does not read their date
    // and no other form of its day/month order does (rows such a form
    // reads are records).
    int offFormat = 0;
};

// Every row of the file, read with the mapping exactly as the import reads
// it (duplicates of stored rows are only found by the import).
CsvPreview buildCsvPreview(const QList<QStringList>& rows, int columnCount, const CsvColumnMapping& mapping);
// The same for the first rows a scan kept, with the counts of every row it
// was given.
CsvPreview buildCsvPreview(const CsvFileScan& scan, int columnCount);
// The header of the preview's column `column`: "Col %1", with the fields
// the column feeds on a second line. Made one at a time: a file may hold
// millions of columns.
QString csvPreviewHeader(int column, const CsvColumnMapping& mapping);
// Whether two mappings read every row alike (they may feed memo and
// category from other columns).
bool readsRowsAlike(const CsvColumnMapping& a, const CsvColumnMapping& b);

// What the import window shows of a CSV file: the counts of one streamed
// pass that keeps no row but the first, and every row read again from the
// file (held open) when it is shown.
struct CsvFilePreview
{
    CsvColumnMapping mapping;
    QStringList firstRow;
    int rowCount = 0;    // every row, a header included
    int columnCount = 0; // csvColumnCount of every row
    CsvPreview preview;  // the counts; no rows
    QHash<QString, QDate> dates;
    QSet<QString> offFormat;
    std::shared_ptr<CsvFileRows> file;

    // Row `index` as the preview shows it, and its fields as in the file;
    // false when the file no longer gives it.
    bool row(int index, CsvPreviewRow& shown, QStringList& fields) const;
};
// Nothing when the file cannot be opened or read.
std::optional<CsvFilePreview> readCsvPreview(const QString& path, const CsvColumnMapping& mapping);
// "%n row(s) to import", how many cannot be read and how many do not fit
// the chosen date format, when any: each skipped row once.
QString csvPreviewSummary(const CsvPreview& preview);

// The items of the column lists, each made when it is asked for, so that a
// file of a million columns costs no more than its first row: a row per
// column (data: its index), after "(none)" (data: -1) for a list whose
// column may be left out. The lists of one file may share one model.
class CsvColumnListModel : public QAbstractListModel
{
    Q_OBJECT
public:
    explicit CsvColumnListModel(bool withNone, QObject* parent = nullptr);

    // The columns of a file whose first row is firstRow; resets the model.
    void setColumns(const QStringList& firstRow, int columnCount);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    bool m_withNone;
    QStringList m_firstRow;
    int m_columnCount = 0;
};

// The name of the account a "create new" choice makes: the source's
// account name, or for a file without account header its file name up to
// the first '.' (the label when that leaves nothing).
QString qifNewAccountName(const QifSourceAccount& source);
// The index of the first account whose name is the source's account name,
// letter case ignored; -1 for none and for a file without account header.
int matchingAccount(const QifSourceAccount& source, const QList<Account>& accounts);

struct QifTargetChoice
{
    QifSourceAccount source;
    QString choice; // kCreateChoice, kSkipChoice or an account id
};

// The labels of the sources whose chosen account is no longer live.
QStringList goneTargets(const AccountRepository& accounts, const QList<QifTargetChoice>& choices);

struct QifTargets
{
    QHash<QString, QString> mapping; // source key -> account id, empty = skip
    QHash<QString, QString> created; // source key -> id of the account made for it
    QStringList notCreated;          // names of accounts that could not be stored
};

// Turns the choices into the import's mapping, storing the new accounts
// first (each by itself, USD, of the suggested type). A source whose
// account cannot be stored is skipped.
QifTargets resolveQifTargets(AccountRepository* accounts, const QList<QifTargetChoice>& choices);

bool isLiveAccount(const AccountRepository& accounts, const QString& id);
// Records the import met in its files, whatever became of them; 0 means
// it read nothing.
int recordsRead(const ImportResult& result);
// "Import complete!", an empty line and a line per count (imported always,
// the others when above 0); for a rolled-back import "Import failed.", an
// empty line and failureText().
QStringList summaryLines(const ImportResult& result);
// What a rolled-back import tells the user.
QString failureText();

} // namespace ImportSetup
