#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>

#include <memory>

class WalCheckpointer;

// Owns the process's one SQLite connection (Qt's default connection) and
// brings its schema up to date from the embedded migration scripts.
class Database : public QObject
{
    Q_OBJECT
public:
    explicit Database(QObject* parent = nullptr);
    ~Database() override;

    bool open(const QString& path);
    // Applies the migrations not yet recorded, then creates the indexes
    // that belong to no migration (CREATE INDEX IF NOT EXISTS).
    bool migrate();
    bool applyMigration(int version, const QString& name, const QString& script);

    QSqlDatabase& database() { return m_db; }
    bool isOpen() const { return m_isOpen; }

    // Set while a bulk write (an import) holds a database transaction open on
    // this connection; sync cycles and automatic posting wait until it clears.
    // Meanwhile the page cache is larger: with SQLite's default the pages of
    // the transaction indexes (random UUID keys) spill to the WAL and are read
    // back for most inserted rows.
    bool bulkWriteActive() const { return m_bulkWriteActive; }
    void setBulkWriteActive(bool active);

    static QString connectionName();

    // Waits for a checkpoint of the write-ahead log running or asked for on
    // the background thread (benchmarks measure it apart).
    void waitForCheckpoint();
    // Commits that waited for that checkpoint to bound the log (see
    // WalCheckpointer); 0 without one.
    int waitedCommits() const;

    // Rows written on this connection since it opened (SQLite's
    // total_changes()); -1 when it cannot be read. The same count at two
    // moments means nothing was written in between.
    qint64 changeCount();

    // For a bulk insert of transactions inside the caller's open database
    // transaction, where FTS5 writes its pending index out at every
    // statement: one index segment per inserted row. Suspending sets the
    // full-text triggers aside for the rows inserted from then on (those
    // already indexed stay maintained); resuming indexes exactly the rows
    // inserted meanwhile, from their current content, in one statement and
    // restores the triggers. A rollback undoes either, and a resume after
    // one does nothing. False from suspend leaves everything as it was; on
    // false from resume, roll back.
    bool suspendTransactionIndexing();
    bool resumeTransactionIndexing();

signals:
    void migrationApplied(int version, const QString& name);
    void migrationError(int version, const QString& error);

private:
    bool createIndexes();
    // The full-text update trigger of the first migration fires on every
    // update of a transaction and rewrites its index entry even when only a
    // flag or the sync columns changed (a cleared toggle, a reconciliation,
    // every row a sync marks). Narrowed to the three indexed columns.
    bool narrowIndexUpdateTrigger();

    void close();

    QSqlDatabase m_db;
    std::unique_ptr<WalCheckpointer> m_checkpointer;
    bool m_isOpen = false;
    bool m_bulkWriteActive = false;
    qint64 m_normalCacheSize = 0; // PRAGMA cache_size outside bulk writes
    QStringList m_suspendedIndexTriggers; // CREATE TRIGGER texts while suspended
    qint64 m_indexedUpToRowid = 0;
};

// Splits a migration script into statements; trigger bodies between a line
// holding BEGIN and a line starting with END stay one statement.
QStringList splitSqlStatements(const QString& script);

// RAII guard for Database::setBulkWriteActive.
class BulkWriteScope
{
public:
    explicit BulkWriteScope(Database* db) : m_db(db) { if (m_db) m_db->setBulkWriteActive(true); }
    ~BulkWriteScope() { if (m_db) m_db->setBulkWriteActive(false); }
    BulkWriteScope(const BulkWriteScope&) = delete;
    BulkWriteScope& operator=(const BulkWriteScope&) = delete;

private:
    Database* m_db;
};
