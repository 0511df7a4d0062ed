#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <functional>

class Database;

namespace ZipArchive {
class Writer;
}

// What a restore does with an archive row whose id is already stored; a row
// whose id is not stored is always inserted, and no mode deletes rows.
enum class BackupImportMode {
    SkipExisting = 0, // leave the stored row, count the archive row as skipped
    ReplaceAll = 1,   // overwrite the stored row
    KeepNewer = 2,    // overwrite only when the archive row's updated_at is later (or empty)
};

struct BackupImportResult
{
    int accountsImported = 0;
    int categoriesImported = 0;
    int transactionsImported = 0;
    int splitLinesImported = 0;
    int recurringImported = 0;
    int reconciliationsImported = 0;
    int accountsSkipped = 0;
    int categoriesSkipped = 0;
    int transactionsSkipped = 0;
    int splitLinesSkipped = 0;
    int recurringSkipped = 0;
    int reconciliationsSkipped = 0;
    QStringList errors;
    // The whole restore was undone: nothing of it stayed.
    bool rolledBack = false;

    int imported() const;
    int skipped() const;
    // Nothing was restored and something went wrong (a damaged archive, a
    // database that refused the rows), or the whole restore was undone.
    bool failed() const;
};

// Backs the six data tables up into one ZIP archive ("<folder>/<id>.json"
// per row plus "manifest.json") and restores such an archive. Both work on
// bytes in memory; the caller reads and writes the file.
//
// An archive is a file the user picks and may be damaged or crafted, so a
// restore checks every entry's size, and their sum, before reading any, never
// reads an entry past its recorded size, checks every JSON key
// against the table's columns before it reaches SQL, and runs in one
// database transaction: it either completes or leaves the data as it was.
class BackupService : public QObject
{
    Q_OBJECT
public:
    // Largest entry a restore reads (row or manifest).
    static constexpr qint64 kMaxEntrySize = 4 * 1024 * 1024;
    // Most bytes the entries a restore reads may hold together: a few
    // million rows, far beyond a household's register.
    static constexpr qint64 kMaxTotalSize = qint64(1) << 30;

    explicit BackupService(Database* database, QObject* parent = nullptr);

    // Told the percentage done, 0 to 100, each time it grows: a caller may
    // repaint a progress dialog there (the data stays one moment's: sync
    // and automatic posting wait meanwhile).
    using Progress = std::function<void(int percent)>;

    // The archive, or empty when a table cannot be read whole or the
    // archive cannot be written; error (when given) then tells why, else
    // it is cleared.
    QByteArray exportBackup(QString* error = nullptr, const Progress& progress = {});
    BackupImportResult importBackup(const QByteArray& archive, BackupImportMode mode, const Progress& progress = {});

private:
    struct Table;
    class Percent;
    enum class Outcome { Imported, Skipped, Failed, Aborted };
    struct Restore;

    static const QList<Table>& tables();
    // The table whose row entries take this path ("<folder>/....json").
    static const Table* tableOf(const QString& path);
    // The number of rows written, or -1 with the database's error text.
    int exportTable(ZipArchive::Writer& zip, const Table& table, QString* error,
                    const std::function<void()>& rowWritten);
    static QJsonObject rowToJson(const QSqlQuery& query, const QStringList& columns);
    static bool markForResync(const Table& table, bool overwrite, const QJsonObject& row, QStringList& keys,
                              QVariantList& values);
    Outcome upsertRow(Restore& restore, const Table& table, const QJsonObject& row);

    Database* m_database;
};
