#include "data/database.h"

#include "data/sqlitedirect.h"
#include "data/walcheckpointer.h"

#include <QDebug>
#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

struct Migration
{
    int version;
    const char* name;
    const char* resource;
};

const Migration kMigrations[] = {
    {1, "initial", ":/sql/sql/migrations/001_initial.sql"},
    {2, "recon_sync", ":/sql/sql/migrations/002_recon_sync.sql"},
    {3, "recurring_lead_days", ":/sql/sql/migrations/003_recurring_lead_days.sql"},
    {4, "recurring_interval", ":/sql/sql/migrations/004_recurring_interval.sql"},
    {5, "recurring_semimonthly", ":/sql/sql/migrations/005_recurring_semimonthly.sql"},
};

// Indexes of this program's own, created after the migrations in no
// version of their own: the numbering above is the storage format every
// installation shares. Earlier builds recorded this step as version 6.
const char* const kIndexScript = ":/sql/sql/register_indexes.sql";
constexpr int kIndexStepVersion = 6;
// Page cache during bulk writes, in KiB (a negative cache_size): enough for
// the interior pages of every transaction index of a million-row table.
constexpr int kBulkWriteCacheSize = -65536;
// Bytes the write-ahead log file keeps once restarted: about the 1000 pages
// of 4 KiB at which its checkpoint is asked for.
constexpr qint64 kLogFileLimit = 4 * 1024 * 1024;

void addStatement(QStringList& out, const QString& buffer)
{
    QString stmt = buffer.trimmed();
    if (stmt.isEmpty() || stmt == QLatin1String(";"))
        return;
    if (stmt.endsWith(QLatin1Char(';')))
        stmt.chop(1);
    stmt = stmt.trimmed();
    if (!stmt.isEmpty())
        out.append(stmt);
}

} // namespace

QStringList splitSqlStatements(const QString& script)
{
    QStringList result;
    QString buffer;
    int depth = 0;
    const QStringList lines = script.split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        const QString t = line.trimmed();
        if (t.startsWith(QLatin1String("--")))
            continue;
        buffer += line;
        buffer += QLatin1Char('\n');
        const QString upper = t.toUpper();
        if (upper.contains(QLatin1String("BEGIN")))
            ++depth;
        if (upper.startsWith(QLatin1String("END")) && depth >= 1)
            --depth;
        if (depth == 0 && t.endsWith(QLatin1Char(';'))) {
            addStatement(result, buffer);
            buffer.clear();
        }
    }
    addStatement(result, buffer);
    return result;
}

Database::Database(QObject* parent)
    : QObject(parent)
{
}

Database::~Database()
{
    close();
    // Release the named connection so a later Database can add it again.
    if (m_db.isValid()) {
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName());
    }
}

QString Database::connectionName()
{
    return QString::fromLatin1(QSqlDatabase::defaultConnection);
}

void Database::close()
{
    // The checkpointing connection goes first: the last one to close copies
    // the whole log into the file.
    m_checkpointer.reset();
    if (m_isOpen) {
        m_db.close();
        m_isOpen = false;
    }
}

void Database::waitForCheckpoint()
{
    if (m_checkpointer)
        m_checkpointer->waitIdle();
}

int Database::waitedCommits() const
{
    return m_checkpointer ? m_checkpointer->waitedCommits() : 0;
}

qint64 Database::changeCount()
{
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT total_changes()")) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

bool Database::open(const QString& path)
{
    // Every repository and service works on the one named connection: a
    // second open would take it from the Database that holds it, whose
    // checkpointer still watches its handle.
    if (m_isOpen || (!m_db.isValid() && QSqlDatabase::contains(connectionName()))) {
        qWarning().noquote() << "Database::open refused:" << connectionName()
                             << "is already open; close that Database first";
        return false;
    }
    // After a failed open the connection is still this one's: tried again.
    if (!m_db.isValid())
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName());
    m_db.setDatabaseName(path);
    if (!m_db.open()) {
        qCritical().noquote() << "Failed to open database:" << m_db.lastError().text();
        return false;
    }
    QSqlQuery pragma(m_db);
    const bool wal = pragma.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && pragma.next()
        && pragma.value(0).toString() == QLatin1String("wal");
    pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    // Savepoints (one per pulled row, one per imported record) keep their
    // statement journal here: in a temporary file that is many writes a row.
    pragma.exec(QStringLiteral("PRAGMA temp_store=MEMORY"));
    // A restarted log file is cut back to this size at its first commit;
    // else it keeps the size of the largest write for the session.
    if (wal)
        pragma.exec(QStringLiteral("PRAGMA journal_size_limit=%1").arg(kLogFileLimit));
    pragma.finish();
    if (wal)
        m_checkpointer.reset(WalCheckpointer::attach(sqliteHandle(m_db)));
    m_isOpen = true;
    return true;
}

void Database::setBulkWriteActive(bool active)
{
    if (active == m_bulkWriteActive)
        return;
    m_bulkWriteActive = active;
    if (!m_isOpen)
        return;
    QSqlQuery pragma(m_db);
    if (active) {
        if (!pragma.exec(QStringLiteral("PRAGMA cache_size")) || !pragma.next())
            return;
        m_normalCacheSize = pragma.value(0).toLongLong();
        pragma.exec(QStringLiteral("PRAGMA cache_size=%1").arg(kBulkWriteCacheSize));
    } else if (m_normalCacheSize != 0) {
        pragma.exec(QStringLiteral("PRAGMA cache_size=%1").arg(m_normalCacheSize));
        m_normalCacheSize = 0;
    }
}

bool Database::migrate()
{
    QSqlQuery create(m_db);
    if (!create.exec(QStringLiteral(
            "CREATE TABLE IF NOT EXISTS schema_version (  version INTEGER PRIMARY KEY,  name    TEXT NOT NULL,  applied_at TEXT NOT NULL DEFAULT (datetime('now')))"))) {
        qCritical().noquote() << "Failed to create schema_version table:" << create.lastError().text();
        return false;
    }

    // A failing read of the current version must not be taken as version 0:
    // re-running migration 1 over a live schema would fail on every start.
    QSqlQuery current(m_db);
    if (!current.exec(QStringLiteral("SELECT MAX(version) FROM schema_version"))) {
        qCritical().noquote() << "Failed to read schema version:" << current.lastError().text();
        return false;
    }
    int currentVersion = 0;
    if (current.next())
        currentVersion = current.value(0).toInt();
    current.finish();

    for (const Migration& m : kMigrations) {
        if (m.version <= currentVersion)
            continue;
        const QString resource = QString::fromLatin1(m.resource);
        QFile file(resource);
        if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            const QString message = QStringLiteral("Cannot read migration file: %1").arg(resource);
            qCritical().noquote() << message;
            emit migrationError(m.version, message);
            return false;
        }
        const QString script = QString::fromUtf8(file.readAll());
        if (!applyMigration(m.version, QString::fromLatin1(m.name), script))
            return false;
    }
    // A schema newer than this program knows is left as it is.
    return currentVersion > kIndexStepVersion || createIndexes();
}

bool Database::createIndexes()
{
    QFile file(QString::fromLatin1(kIndexScript));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        qCritical().noquote() << "Cannot read the index script:" << kIndexScript;
        return false;
    }
    const QStringList statements = splitSqlStatements(QString::fromUtf8(file.readAll()));
    for (const QString& statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            qCritical().noquote() << "Failed to create the indexes:" << query.lastError().text()
                                  << "\nStatement:" << statement.left(200);
            return false;
        }
    }
    return narrowIndexUpdateTrigger();
}

bool Database::applyMigration(int version, const QString& name, const QString& script)
{
    if (!m_db.transaction()) {
        const QString error = m_db.lastError().text();
        qCritical().noquote() << "Migration" << version << "failed:" << "cannot begin transaction:" << error;
        emit migrationError(version, error);
        return false;
    }

    const QStringList statements = splitSqlStatements(script);
    for (const QString& statement : statements) {
        QSqlQuery query(m_db);
        if (!query.exec(statement)) {
            const QString error = query.lastError().text();
            qCritical().noquote() << "Migration" << version << "failed:" << error
                                  << "\nStatement:" << statement.left(200);
            query.finish();
            m_db.rollback();
            emit migrationError(version, error);
            return false;
        }
    }

    QSqlQuery insert(m_db);
    insert.prepare(QStringLiteral("INSERT INTO schema_version (version, name) VALUES (?, ?)"));
    insert.addBindValue(version);
    insert.addBindValue(name);
    if (insert.exec() && m_db.commit()) {
        qInfo().noquote() << "Applied migration" << version << name;
        emit migrationApplied(version, name);
        return true;
    }
    const QString error = insert.lastError().isValid() ? insert.lastError().text() : m_db.lastError().text();
    insert.finish();
    m_db.rollback();
    emit migrationError(version, error);
    return false;
}

namespace {

// The full-text triggers of table transactions (first migration).
const char* const kInsertTrigger = "transactions_ai";
const char* const kUpdateTrigger = "transactions_au";
const char* const kDeleteTrigger = "transactions_ad";

QString triggerSql(QSqlDatabase& db, const char* name)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'trigger' AND name = ?"));
    q.addBindValue(QLatin1String(name));
    if (!q.exec() || !q.next())
        return QString();
    return q.value(0).toString();
}

// Rows inserted while indexing is suspended are those above the largest
// rowid before it, and those that take the rowid of a row deleted
// meanwhile: the TEMP trigger that stands in for the delete trigger records
// every rowid it takes out of the index in a TEMP table. (Recorded on
// delete rather than on insert: a trigger that writes on every insert would
// give every insert a statement journal.) The stand-ins are TEMP triggers,
// as only those may read a TEMP table; all of it lives in the open
// transaction, so a rollback takes it away.
const char* const kFreedTable = "transactions_fts_freed";

// A TEMP stand-in for one of the full-text triggers: its body, run only for
// rows in the index, with `extra` before its END; empty when the text has
// no plain "... BEGIN ... END" to take the body from.
QString standInTrigger(const QString& sql, const char* name, const char* event, qint64 upTo,
                       const QString& extra = QString())
{
    static const QRegularExpression begin(QStringLiteral("\\bBEGIN\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression when(QStringLiteral("\\bWHEN\\b"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression end(QStringLiteral("\\bEND\\s*;?\\s*$"), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch head = begin.match(sql);
    const QRegularExpressionMatch tail = end.match(sql);
    if (!head.hasMatch() || !tail.hasMatch() || when.match(sql.left(head.capturedStart())).hasMatch())
        return QString();
    return QStringLiteral("CREATE TEMP TRIGGER %1_suspended AFTER %2 ON main.transactions "
                          "WHEN old.rowid <= %3 AND old.rowid NOT IN (SELECT rowid FROM temp.%4) ")
               .arg(QLatin1String(name), QLatin1String(event), QString::number(upTo), QLatin1String(kFreedTable))
        + sql.mid(head.capturedStart(), tail.capturedStart() - head.capturedStart()) + extra
        + QStringLiteral("END");
}

bool execAll(QSqlDatabase& db, const QStringList& statements, const char* operation)
{
    QSqlQuery q(db);
    for (const QString& statement : statements) {
        if (!q.exec(statement)) {
            qWarning().noquote() << "Database::" << operation << "failed:" << q.lastError().text();
            return false;
        }
    }
    return true;
}

} // namespace

bool Database::narrowIndexUpdateTrigger()
{
    static const QRegularExpression broad(QStringLiteral("\\bAFTER\\s+UPDATE\\s+ON\\s+transactions\\b"),
                                          QRegularExpression::CaseInsensitiveOption);
    QString sql = triggerSql(m_db, kUpdateTrigger);
    if (!broad.match(sql).hasMatch())
        return true; // narrowed already
    sql.replace(broad, QStringLiteral("AFTER UPDATE OF payee, memo, check_number ON transactions"));
    if (!execAll(m_db, {QStringLiteral("SAVEPOINT narrow_trigger")}, "narrowIndexUpdateTrigger"))
        return false;
    if (!execAll(m_db,
                 {QStringLiteral("DROP TRIGGER main.%1").arg(QLatin1String(kUpdateTrigger)), sql,
                  QStringLiteral("RELEASE narrow_trigger")},
                 "narrowIndexUpdateTrigger")) {
        QSqlQuery undo(m_db);
        undo.exec(QStringLiteral("ROLLBACK TO narrow_trigger"));
        undo.exec(QStringLiteral("RELEASE narrow_trigger"));
        return false;
    }
    return true;
}

bool Database::suspendTransactionIndexing()
{
    m_suspendedIndexTriggers.clear();
    const QString insertSql = triggerSql(m_db, kInsertTrigger);
    const QString updateSql = triggerSql(m_db, kUpdateTrigger);
    const QString deleteSql = triggerSql(m_db, kDeleteTrigger);
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (insertSql.isEmpty() || updateSql.isEmpty() || deleteSql.isEmpty()
        || !q.exec(QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM transactions")) || !q.next())
        return false;
    const qint64 upTo = q.value(0).toLongLong();
    q.finish();
    // Updates and deletes keep the index of the rows already in it; rows
    // inserted from now on are indexed from their final content on resume.
    // As narrow as the trigger it stands in for: an update of other columns
    // (a pull renaming ids, marking rows synced) leaves the index alone.
    const QString updateStandIn =
        standInTrigger(updateSql, kUpdateTrigger, "UPDATE OF payee, memo, check_number", upTo);
    const QString deleteStandIn =
        standInTrigger(deleteSql, kDeleteTrigger, "DELETE", upTo,
                       QStringLiteral("INSERT INTO %1 (rowid) VALUES (old.rowid); ").arg(QLatin1String(kFreedTable)));
    if (updateStandIn.isEmpty() || deleteStandIn.isEmpty())
        return false;
    // In a savepoint, so that a failure half-way leaves every trigger in place.
    if (!execAll(m_db, {QStringLiteral("SAVEPOINT suspend_indexing")}, "suspendTransactionIndexing"))
        return false;
    if (!execAll(m_db,
                 {QStringLiteral("CREATE TEMP TABLE %1 (rowid INTEGER PRIMARY KEY)").arg(QLatin1String(kFreedTable)),
                  updateStandIn, deleteStandIn,
                  QStringLiteral("DROP TRIGGER main.%1").arg(QLatin1String(kInsertTrigger)),
                  QStringLiteral("DROP TRIGGER main.%1").arg(QLatin1String(kUpdateTrigger)),
                  QStringLiteral("DROP TRIGGER main.%1").arg(QLatin1String(kDeleteTrigger)),
                  QStringLiteral("RELEASE suspend_indexing")},
                 "suspendTransactionIndexing")) {
        QSqlQuery undo(m_db);
        undo.exec(QStringLiteral("ROLLBACK TO suspend_indexing"));
        undo.exec(QStringLiteral("RELEASE suspend_indexing"));
        return false;
    }
    m_suspendedIndexTriggers = {insertSql, updateSql, deleteSql};
    m_indexedUpToRowid = upTo;
    return true;
}

bool Database::resumeTransactionIndexing()
{
    if (m_suspendedIndexTriggers.isEmpty())
        return true;
    const QStringList originals = m_suspendedIndexTriggers;
    m_suspendedIndexTriggers.clear();
    // A rollback since the suspension took it away, triggers and all:
    // nothing is left to index or to put back.
    QSqlQuery q(m_db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT 1 FROM temp.sqlite_master WHERE type = 'table' AND name = '%1'")
                    .arg(QLatin1String(kFreedTable)))
        || !q.next())
        return true;
    q.finish();
    QStringList statements;
    for (const char* name : {kUpdateTrigger, kDeleteTrigger})
        statements << QStringLiteral("DROP TRIGGER temp.%1_suspended").arg(QLatin1String(name));
    statements << QStringLiteral("INSERT INTO transactions_fts(rowid, payee, memo, check_number) "
                                 "SELECT rowid, payee, memo, check_number FROM main.transactions "
                                 "WHERE rowid > %1 OR rowid IN (SELECT rowid FROM temp.%2)")
                      .arg(QString::number(m_indexedUpToRowid), QLatin1String(kFreedTable))
               << QStringLiteral("DROP TABLE temp.%1").arg(QLatin1String(kFreedTable));
    statements += originals;
    return execAll(m_db, statements, "resumeTransactionIndexing");
}
