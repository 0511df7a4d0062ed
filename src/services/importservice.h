#pragma once

#include "data/records.h"
#include "services/categorylookup.h"
#include "services/qifparser.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class BulkWriteScope;
class CategoryRepository;
class CsvReader;
class Database;
class SplitLineRepository;
class TransactionRepository;

// Which columns of a CSV file hold what. The required columns are 0-based
// indices; the optional ones use -1 for none.
struct CsvColumnMapping
{
    int dateColumn = 0;
    int payeeColumn = 1;
    int amountColumn = 2;
    int memoColumn = -1;
    int categoryColumn = -1;
    bool hasHeader = false;  // the first row names the columns
    QString dateFormat;      // a QDate::fromString format; empty = automatic
};

// One data row of a CSV file as the import reads it. A row with a problem
// is not imported (counted as unparseable).
struct CsvRecord
{
    enum class Problem { None, MissingField, BadDate, BadAmount };
    Problem problem = Problem::None;
    QDate date;
    qint64 amount = 0; // hundredths
    QString payee;
    QString memo;     // empty without a memo column or field
    QString category; // empty without a category column or field
};

// One streamed pass over the rows of a CSV file for a mapping, keeping no
// row but the first few asked for: the import's first pass, and the
// preview's counts over the whole file.
class CsvFileScan
{
public:
    // keepRows: how many of the first rows to keep. tally: also count, per
    // date cell, the rows that hold every required field and, of those,
    // the ones whose amount reads (what the preview's counts need).
    explicit CsvFileScan(const CsvColumnMapping& mapping, int keepRows = 0, bool tally = false);

    void add(const QStringList& row);
    // Every row the reader has left; false when it fails to read.
    bool read(CsvReader& reader);

    const CsvColumnMapping& mapping() const { return m_mapping; }
    int rowCount() const { return m_rowCount; } // a header row included
    int dataRowCount() const;
    int columnCount() const { return m_columnCount; } // of the longest row
    const QList<QStringList>& firstRows() const { return m_firstRows; }
    // The dates of the date cells of the data rows, by cell text. A given
    // format reads first; the rest is read in the same day/month order
    // (without a format: day first when a cell shows it, else month first),
    // with one form for the whole file where one fits, and a time after a
    // date is passed over. Cells without a date are missing. offFormat
    // (when given and a format is) gets the cells the format itself does
    // not read.
    QHash<QString, QDate> dates(QSet<QString>* offFormat = nullptr) const;
    // With those dates, of a tallied scan: the data rows the import stores
    // (duplicates aside), and the rows with every required field that are
    // skipped because their date cell is off the format and no other form
    // of its day/month order reads it.
    int records(const QHash<QString, QDate>& dates) const;
    int offFormatRows(const QHash<QString, QDate>& dates, const QSet<QString>& offFormat) const;

private:
    struct CellRows
    {
        int complete = 0;
        int readable = 0;
    };
    CsvColumnMapping m_mapping;
    int m_keepRows;
    bool m_tally;
    int m_rowCount = 0;
    int m_columnCount = 0;
    QList<QStringList> m_firstRows;
    QHash<QString, CellRows> m_cells;
};

// One row as the import stores it, with the dates of CsvFileScan::dates. Amounts
// may use a decimal comma ("12,50", "1.234,56"); text that is no number is
// no amount.
CsvRecord readCsvRecord(const QStringList& row, const CsvColumnMapping& mapping, const QHash<QString, QDate>& dates);

// Outcome of one import. Every record processed lands in exactly one of the
// counts from `imported` to `databaseErrorSkipped`; `failed` means nothing of
// the import was kept (the counts then tell how far it got).
struct ImportResult
{
    int imported = 0;
    int duplicatesSkipped = 0;
    int unparseableSkipped = 0;
    int metadataSkipped = 0;
    int unmappedSkipped = 0;
    int transfersLinked = 0;
    int retroactiveLinks = 0;
    int databaseErrorSkipped = 0;
    bool failed = false;
    // Of the imported: records left without a category (a split line under
    // the catch-all) because several categories share the name they give.
    int uncategorizedSharedName = 0;
};

// One account found in the QIF files, for the user to map to a target.
struct QifSourceAccount
{
    QString key;   // the account name as written; for a file without names, its path
    QString label; // the name, or "<file name> (no account header)"
    bool noAccountHeader = false;
    AccountType suggestedType = AccountType::Checking;
};

struct QifAnalysis
{
    QList<QifSourceAccount> accounts;
    int transactionCount = 0; // usable records in all readable files
};

// A parsed record on its way into the database. The id is given before any
// insert so that the two legs of a transfer can name each other.
struct QifImportRecord : QifTransaction
{
    QString targetAccountId; // empty = not imported
    int partnerIndex = -1;   // the other leg in the import list, -1 = none
    QString id;
};

// "[→ Savings]": leads the memo of a transfer leg whose other side is not
// (yet) in the database, so that a later import can link the two.
QString transferMarker(const QString& accountName);
// Whether the memo starts with a transfer marker; then the account name in
// it (as written, not trimmed) and the memo text after it and one space.
bool parseTransferMarker(const QString& memo, QString* accountName = nullptr, QString* rest = nullptr);

// Imports transactions from files into the database. An import runs to its
// end inside one call on the GUI thread, in one database transaction on the
// default connection, with the database's bulk-write flag set meanwhile so
// that sync and automatic posting keep away from rows a rollback may still
// remove. Every 100 records it lets the event loop run for at most 5 ms with
// user input held back, so a progress dialog repaints.
class ImportService : public QObject
{
    Q_OBJECT
public:
    ImportService(Database* database, TransactionRepository* transactions, CategoryRepository* categories,
                  SplitLineRepository* splitLines, QObject* parent = nullptr);
    ~ImportService() override;

    // Imports the rows of one CSV file into the account. Dates that the
    // mapping's format does not read are read only in its day/month order
    // (CsvFileScan::dates), a time after a date is passed over, and amounts may
    // use a decimal comma. An unreadable file
    // gives `failed` without any signal.
    ImportResult importCsv(const QString& filePath, const QString& accountId, const CsvColumnMapping& mapping);

    // The source accounts of the QIF files (each name once, letter case
    // ignored; one entry per file that names none), with suggested types.
    QifAnalysis analyzeQifFiles(const QStringList& filePaths);
    // Imports the records of the QIF files into the accounts that
    // `accountMapping` gives for their source keys (letter case ignored;
    // an empty or missing id skips the source). Creates the files'
    // categories, links the two legs of transfers between imported
    // accounts, marks legs whose other side is missing, and links such a
    // leg of an earlier import when its other side arrives. `failed` means
    // the import was rolled back as a whole.
    ImportResult importQif(const QStringList& filePaths, const QHash<QString, QString>& accountMapping);
    // Pairs each transfer leg with the first later unpaired leg of the
    // other account (other target, same date, opposite amount, account
    // names crossed, letter case ignored); returns the number of pairs.
    static int pairTransfers(QList<QifImportRecord>& records);

    // "yyyy-MM-dd|amount|payee": a record with the key of a row stored
    // before the import is that row imported again (in the QIF import,
    // unless both carry check numbers and these differ). Each stored row
    // stands for one record only, and records of one import never
    // duplicate each other: two coffees of one day are two rows.
    static QString duplicateKey(const QDate& date, qint64 amount, const QString& payee);
    // The first of the usual bank date forms that reads the text, month
    // first before day first; invalid when none does.
    static QDate parseDate(const QString& text);
    // QDate::fromString, except that a two-digit year means 2000-2069 for
    // 00-69 and 1970-1999 for 70-99, and that a year outside 1-9999 (a
    // negative one) reads as no date.
    static QDate dateFromText(const QString& text, const QString& format);

    // True from an import's start until its transaction has closed
    // (importFinished): rows read meanwhile may still be rolled back.
    bool isRunning() const { return m_running; }

    // The import's transaction on the default connection.
    bool beginTransaction();
    bool commitTransaction();
    void rollbackTransaction();

signals:
    // Once per import, before the first record.
    void importStarted(int totalRecords);
    // After every 100th record and once at the end with current == total.
    void importProgress(int currentRecord, int totalRecords);
    // After an import's transaction has closed (committed or not) and the
    // bulk-write flag is clear: the moment to schedule a sync.
    void importFinished();

private:
    // Emits importStarted, raises the bulk-write flag and opens the
    // transaction; on false the import is over and `result` says failed.
    bool openImport(int total, ImportResult& result);
    // Progress and a short turn of the event loop every 100 records.
    void recordReached(int n, int total);
    // Commits (a failed commit rolls back and sets failed) and ends.
    void closeImport(ImportResult& result, int total);
    // Logs "<kind> import aborted:" with the reason, rolls back and ends.
    void abortImport(const char* kind, const QString& reason, ImportResult& result, int total);
    void endImport(int total);
    // True when SQLite has rolled the open transaction back on its own after
    // a failed statement (RAISE(ROLLBACK), a full disk, an I/O error).
    bool transactionLost();

    struct QifRun;
    struct AccountImportIndex;
    struct RetroactiveMatch;
    // Duplicate keys and retroactive candidates of a target account, read
    // once per import.
    AccountImportIndex& loadAccountIndex(QifRun& run, const QString& accountId);
    // The category a record's text names, inserted when none; empty when the
    // name is shared (`shared` set) or that insert failed (then not tried
    // again in this import). A QIF "Parent:Child" that names no category as
    // written is read as "Parent > Child". `topLevel` as for categoryIdFor.
    QString qifCategoryId(QifRun& run, const QString& name, CategoryType type, bool* shared = nullptr,
                          bool topLevel = false);
    QString qifPayee(const QifTransaction& record) const;
    // A transfer leg without a partner in the import: links it to a marked
    // row of an earlier import when one fits (returned, changed, for
    // writing after the leg), else puts the marker into the memo.
    std::optional<RetroactiveMatch> linkUnpaired(QifRun& run, const QifImportRecord& record, Transaction& t);
    bool writeRetroactiveLink(QifRun& run, const RetroactiveMatch& match);
    // `sharedName`: set when a line's category name is shared by several.
    bool storeSplitLines(QifRun& run, const QifImportRecord& record, const Transaction& t, bool& sharedName);
    // Legs whose partner was not inserted lose their link and are treated
    // as unpaired; then the pairs are counted.
    bool settlePairs(QifRun& run);
    void abortQif(QifRun& run, const QString& reason);

    // How many live rows of the account have each duplicate key.
    QHash<QString, int> loadDuplicateKeys(const QString& accountId) const;
    // Every live category, for reading the files' category texts.
    CategoryLookup::Index loadCategories() const;
    // The category a file's text names, as `index` reads a file's texts
    // (then, when given and that names none, `otherText`); with `topLevel`
    // only a top-level category of the name answers. A text that names none
    // is inserted as a top-level category of that name (and added to
    // `index`); empty when that insert fails, and empty with `shared` set
    // when several categories share what the text says: never a guess,
    // never a new category.
    QString categoryIdFor(const QString& name, CategoryType type, CategoryLookup::Index& index, bool* shared,
                          const QString& otherText = QString(), bool topLevel = false);

    Database* m_database;
    TransactionRepository* m_transactions;
    CategoryRepository* m_categories;
    SplitLineRepository* m_splitLines;
    std::unique_ptr<BulkWriteScope> m_bulkWrite;
    bool m_running = false;
    bool m_indexingSuspended = false;
};
