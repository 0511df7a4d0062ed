#include "services/backupservice.h"

#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/renamedids.h"
#include "data/sqlvalue.h"
#include "data/syncrows.h"
#include "services/ziparchive.h"

#include <QDebug>
#include <QHash>
#include <QJsonDocument>
#include <QJsonValue>
#include <QSet>
#include <QSqlError>
#include <QSqlRecord>

#include <exception>
#include <memory>

struct BackupService::Table
{
    QString name;
    QString folder;
    QString countKey;
    bool synced; // carries version, sync_status and server_id
    int BackupImportResult::*imported;
    int BackupImportResult::*skipped;
    // Columns naming rows the sync repair may have renamed: the row's own
    // id (a split line's is never renamed) and its references.
    QStringList idColumns;
};

// State of one restore: the table being restored, its real columns and the
// statements reused from row to row.
struct BackupService::Restore
{
    Restore(QSqlDatabase& database, BackupImportMode importMode)
        : db(database)
        , mode(importMode)
        , savepoint(database)
        , release(database)
        , rollbackTo(database)
        , clearSplitLines(database)
    {
        savepoint.prepare(QStringLiteral("SAVEPOINT backup_row"));
        release.prepare(QStringLiteral("RELEASE backup_row"));
        rollbackTo.prepare(QStringLiteral("ROLLBACK TO backup_row"));
        clearSplitLines.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"));
    }

    // The ids of a table's rows as the restore starts it.
    bool loadIds(const QString& table)
    {
        existing.clear();
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT id FROM %1").arg(table))) {
            error = q.lastError().text();
            return false;
        }
        while (q.next())
            existing.insert(q.value(0).toString());
        return true;
    }

    // Keep newer: each stored transfer leg with its other leg, as the
    // restore found them (a leg overwritten since must not decide the other).
    bool loadTransferLegs()
    {
        if (mode != BackupImportMode::KeepNewer)
            return true;
        QSqlQuery q(db);
        q.setForwardOnly(true);
        if (!q.exec(QStringLiteral("SELECT t.id, o.id, COALESCE(o.updated_at, '') FROM transactions t "
                                   "JOIN transactions o ON o.id = t.transfer_link_id WHERE t.transfer_link_id <> ''"))) {
            error = q.lastError().text();
            return false;
        }
        while (q.next())
            otherLegs.insert(q.value(0).toString(), {q.value(1).toString(), q.value(2).toString()});
        return true;
    }

    // Undoes what a row wrote since its savepoint; false when the enclosing
    // transaction is gone.
    bool undoRow()
    {
        if (!rollbackTo.exec() || !release.exec()) {
            error = rollbackTo.lastError().text();
            return false;
        }
        return true;
    }

    QSqlDatabase& db;
    BackupImportMode mode;
    QSet<QString> columns;
    // Ids of the table's rows, read once when the table starts and kept up
    // to date: whether a row is new is asked of this, not of the database.
    QSet<QString> existing;
    QSqlQuery savepoint;
    QSqlQuery release;
    QSqlQuery rollbackTo;
    QSqlQuery clearSplitLines;
    // Transactions written from the archive: only their split lines are
    // restored, so a transaction's lines are always one side's, never both.
    QSet<QString> restoredTransactions;
    struct OtherLeg
    {
        QString id;
        QString updatedAt;
    };
    QHash<QString, OtherLeg> otherLegs;
    // Legs whose other leg the restore has decided: overwritten, or kept.
    QHash<QString, bool> legsDecided;
    // Rows were inserted under server ids the service knows.
    bool keptServerIds = false;
    struct Statements
    {
        QSqlQuery insert;
        QSqlQuery update;
    };
    QHash<QStringList, std::shared_ptr<Statements>> statements; // by the row's keys
    QString error;                             // of the last failed statement
    // Old id -> new id of the rows the sync repair renamed: an archive made
    // before the repair names them by their old ids.
    QHash<QString, QString> renamed;
};

// Turns steps done of a total into the percentages a Progress is told,
// each once.
class BackupService::Percent
{
public:
    explicit Percent(const Progress& progress)
        : m_progress(progress)
    {
    }
    // `done` of `total` steps of the part that spans from..to percent.
    void reach(qint64 done, qint64 total, int from = 0, int to = 100)
    {
        if (!m_progress)
            return;
        const int percent = total > 0 ? from + int(qMin(done, total) * (to - from) / total) : from;
        if (percent > m_last) {
            m_last = percent;
            m_progress(percent);
        }
    }

private:
    const Progress& m_progress;
    int m_last = -1;
};

namespace {

// Reading the rows takes the first part of an export, compressing them the
// rest.
constexpr int kRowsShare = 50;

const QString kIdKey = QStringLiteral("id");
const QString kTransactionIdKey = QStringLiteral("transaction_id");
const QString kTransactionsTable = QStringLiteral("transactions");
const QString kSplitLinesTable = QStringLiteral("split_lines");
const QString kUpdatedAtKey = QStringLiteral("updated_at");
const QString kSyncStatusKey = QStringLiteral("sync_status");
const QString kServerIdKey = QStringLiteral("server_id");
const QString kVersionKey = QStringLiteral("version");
const QString kManifestPath = QStringLiteral("manifest.json");
const QString kJsonSuffix = QStringLiteral(".json");
// Distinct key sets are rare (one per table in an archive we wrote); a
// crafted archive must not make the statement cache grow without end.
constexpr int kMaxCachedStatements = 64;

QString quoted(const QString& identifier)
{
    return QLatin1Char('"') + QString(identifier).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// A JSON value as a bound SQL value. Arrays and objects have none, and
// neither has a number that is not a 64-bit integer (every number column
// holds integers): such a row is refused rather than written with 0.
bool toBindValue(const QJsonValue& value, QVariant* out)
{
    switch (value.type()) {
    case QJsonValue::Null:
        *out = QVariant();
        return true;
    case QJsonValue::Double: {
        const qint64 integer = value.toInteger(0);
        if (integer == 0 && value.toDouble() != 0.0)
            return false;
        *out = QVariant(integer);
        return true;
    }
    case QJsonValue::Bool:
        *out = SqlValue::flag(value.toBool());
        return true;
    case QJsonValue::String:
        *out = SqlValue::text(value.toString());
        return true;
    default:
        return false;
    }
}

struct PendingRow
{
    QString path;
    QJsonObject row;
    QString error;
};

} // namespace

BackupService::BackupService(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

int BackupImportResult::imported() const
{
    return accountsImported + categoriesImported + transactionsImported + splitLinesImported + recurringImported
           + reconciliationsImported;
}

int BackupImportResult::skipped() const
{
    return accountsSkipped + categoriesSkipped + transactionsSkipped + splitLinesSkipped + recurringSkipped
           + reconciliationsSkipped;
}

bool BackupImportResult::failed() const
{
    return rolledBack || (imported() == 0 && !errors.isEmpty());
}

const QList<BackupService::Table>& BackupService::tables()
{
    static const QList<Table> list = {
        {QStringLiteral("accounts"), QStringLiteral("accounts"), QStringLiteral("accountCount"), true,
         &BackupImportResult::accountsImported, &BackupImportResult::accountsSkipped, {QStringLiteral("id")}},
        {QStringLiteral("categories"), QStringLiteral("categories"), QStringLiteral("categoryCount"), true,
         &BackupImportResult::categoriesImported, &BackupImportResult::categoriesSkipped,
         {QStringLiteral("id"), QStringLiteral("parent_id"), QStringLiteral("account_id")}},
        {QStringLiteral("transactions"), QStringLiteral("transactions"), QStringLiteral("transactionCount"), true,
         &BackupImportResult::transactionsImported, &BackupImportResult::transactionsSkipped,
         {QStringLiteral("id"), QStringLiteral("account_id"), QStringLiteral("category_id"),
          QStringLiteral("transfer_link_id"), QStringLiteral("transfer_dest_account_id"), QStringLiteral("recurring_id")}},
        {QStringLiteral("split_lines"), QStringLiteral("split_lines"), QStringLiteral("splitLineCount"), false,
         &BackupImportResult::splitLinesImported, &BackupImportResult::splitLinesSkipped,
         {QStringLiteral("transaction_id"), QStringLiteral("category_id")}},
        {QStringLiteral("recurring_transactions"), QStringLiteral("recurring"), QStringLiteral("recurringCount"), true,
         &BackupImportResult::recurringImported, &BackupImportResult::recurringSkipped,
         {QStringLiteral("id"), QStringLiteral("account_id"), QStringLiteral("category_id"),
          QStringLiteral("transfer_dest_account_id")}},
        {QStringLiteral("reconciliations"), QStringLiteral("reconciliations"), QStringLiteral("reconciliationCount"),
         true, &BackupImportResult::reconciliationsImported, &BackupImportResult::reconciliationsSkipped,
         {QStringLiteral("id"), QStringLiteral("account_id")}},
    };
    return list;
}

QByteArray BackupService::exportBackup(QString* error, const Progress& progress)
{
    if (error)
        error->clear();
    // The caller may run the event loop at each step: sync and automatic
    // posting must not change the tables between one read and the next.
    BulkWriteScope holdWriters(m_database);
    Percent percent(progress);
    percent.reach(0, 0);
    qint64 rows = 0;
    if (progress) {
        QStringList counts;
        for (const Table& table : tables())
            counts.append(QStringLiteral("(SELECT COUNT(*) FROM %1)").arg(table.name));
        QSqlQuery q(m_database->database());
        if (q.exec(QStringLiteral("SELECT ") + counts.join(QLatin1String(" + "))) && q.next())
            rows = q.value(0).toLongLong();
    }
    qint64 rowsWritten = 0;
    const auto rowWritten = [&percent, &rowsWritten, rows] { percent.reach(++rowsWritten, rows, 0, kRowsShare); };
    ZipArchive::Writer zip;
    QJsonObject manifest;
    for (const Table& table : tables()) {
        QString failure;
        const int count = exportTable(zip, table, &failure, rowWritten);
        // A backup without some of its rows would restore as if complete.
        if (count < 0) {
            if (error)
                *error = failure;
            return QByteArray();
        }
        manifest.insert(table.countKey, count);
    }
    manifest.insert(QStringLiteral("version"), 1);
    manifest.insert(QStringLiteral("exportedAt"), SqlValue::nowText());
    QByteArray archive;
    if (zip.add(kManifestPath, QJsonDocument(manifest).toJson(QJsonDocument::Indented)))
        archive = zip.finish([&percent](double done) { percent.reach(qint64(done * 1000), 1000, kRowsShare, 100); });
    percent.reach(1, 1);
    if (archive.isEmpty() && error)
        *error = tr("The backup archive could not be written: %1").arg(zip.error());
    return archive;
}

const BackupService::Table* BackupService::tableOf(const QString& path)
{
    if (!path.endsWith(kJsonSuffix))
        return nullptr;
    for (const Table& table : tables()) {
        if (path.size() > table.folder.size() && path.startsWith(table.folder)
            && path.at(table.folder.size()) == QLatin1Char('/'))
            return &table;
    }
    return nullptr;
}

int BackupService::exportTable(ZipArchive::Writer& zip, const Table& table, QString* error,
                               const std::function<void()>& rowWritten)
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    const auto failed = [&q, &table, error]() {
        *error = tr("The backup could not read the table %1: %2").arg(table.name, q.lastError().databaseText());
        qWarning().noquote() << "BackupService export query failed:" << q.lastError().text();
        return -1;
    };
    if (!q.exec(QStringLiteral("SELECT * FROM %1").arg(table.name)))
        return failed();
    const QSqlRecord record = q.record();
    QStringList columns;
    for (int i = 0; i < record.count(); ++i)
        columns.append(record.fieldName(i));
    const int idColumn = int(columns.indexOf(kIdKey));

    int count = 0;
    while (q.next()) {
        const QJsonObject row = rowToJson(q, columns);
        const QString id = idColumn >= 0 ? q.value(idColumn).toString() : QString();
        if (!zip.add(QStringLiteral("%1/%2.json").arg(table.folder, id),
                     QJsonDocument(row).toJson(QJsonDocument::Indented))) {
            *error = tr("The backup archive could not be written: %1").arg(zip.error());
            return -1;
        }
        ++count;
        rowWritten();
    }
    // next() is false at the end and on an error alike.
    if (q.lastError().isValid())
        return failed();
    return count;
}

QJsonObject BackupService::rowToJson(const QSqlQuery& query, const QStringList& columns)
{
    QJsonObject row;
    for (int i = 0; i < columns.size(); ++i) {
        // The driver's nulls are typed (a NULL text column is a null
        // QString), so nullness is asked of the query, not of the type.
        if (query.isNull(i)) {
            row.insert(columns.at(i), QJsonValue(QJsonValue::Null));
            continue;
        }
        const QVariant value = query.value(i);
        switch (value.typeId()) {
        case QMetaType::Int:
        case QMetaType::LongLong:
            row.insert(columns.at(i), QJsonValue(value.toLongLong()));
            break;
        case QMetaType::Double:
            row.insert(columns.at(i), QJsonValue(value.toDouble()));
            break;
        case QMetaType::Bool:
            row.insert(columns.at(i), QJsonValue(value.toBool()));
            break;
        default:
            row.insert(columns.at(i), QJsonValue(value.toString()));
            break;
        }
    }
    return row;
}

// A restored row goes out again, pending. An overwritten row is a local
// change of the stored row: it keeps the server id stored here, since the
// service knows it as that row (a row made where no client id is kept is
// found by nothing else, and would be made a second time), and its version
// follows the rule of local changes (syncrows.h), set by the update
// statement, so that it wins over the older copies elsewhere. An inserted
// row the archive gives a server id keeps it and the archive's version:
// the service knows the row, maybe at a later version, and the next sync
// pulls first (true is returned), so that a newer copy there wins and the
// pull's repair finds a row an earlier build stored under an id of its own.
// Any other inserted row is new to the service, at version 1. Set on the
// bound values, not the archive's object: a change to that object copies
// all of it.
bool BackupService::markForResync(const Table& table, bool overwrite, const QJsonObject& row, QStringList& keys,
                                  QVariantList& values)
{
    if (!table.synced)
        return false;
    keys << kSyncStatusKey;
    values << SqlValue::text(QStringLiteral("pending"));
    if (overwrite)
        return false;
    const QString serverId = row.value(kServerIdKey).toString();
    keys << kVersionKey << kServerIdKey;
    values << QVariant(serverId.isEmpty() ? qint64(1) : qMax<qint64>(1, row.value(kVersionKey).toInteger(1)))
           << SqlValue::ref(serverId);
    return !serverId.isEmpty();
}

BackupService::Outcome BackupService::upsertRow(Restore& restore, const Table& table, const QJsonObject& row)
{
    QString id = row.value(kIdKey).toString();
    if (id.isEmpty())
        return Outcome::Skipped;
    // A row the sync repair renamed is that renamed row, whichever id the
    // archive knows it by; so are the rows it refers to.
    const bool followRenamed = !restore.renamed.isEmpty();
    if (followRenamed && table.idColumns.contains(kIdKey))
        id = RenamedIds::follow(restore.renamed, id);

    // Only the table's own columns reach the SQL text, so an archive can
    // never run statements of its own.
    QStringList keys;
    QVariantList values;
    keys.reserve(row.size() + 3);
    values.reserve(row.size() + 3);
    for (auto it = row.constBegin(); it != row.constEnd(); ++it) {
        const QString key = it.key();
        if (table.synced && (key == kSyncStatusKey || key == kServerIdKey || key == kVersionKey))
            continue; // replaced below
        QVariant value;
        if (!restore.columns.contains(key) || !toBindValue(it.value(), &value))
            return Outcome::Skipped;
        if (followRenamed && it.value().isString() && table.idColumns.contains(key))
            value = SqlValue::text(RenamedIds::follow(restore.renamed, it.value().toString()));
        keys.append(key);
        values.append(value);
    }
    if (table.name == kSplitLinesTable
        && !restore.restoredTransactions.contains(
            RenamedIds::follow(restore.renamed, row.value(kTransactionIdKey).toString())))
        return Outcome::Skipped;

    const bool found = restore.existing.contains(id);
    if (found && restore.mode == BackupImportMode::SkipExisting)
        return Outcome::Skipped;
    // Keep newer: the archive's time, which the update statement compares
    // with the stored one (empty always overwrites).
    QString incoming = restore.mode == BackupImportMode::KeepNewer ? row.value(kUpdatedAtKey).toString() : QString();
    // It decides a transfer's two legs together, or the transfer would no
    // longer balance: the leg met first is overwritten only when the
    // archive is newer than both stored legs, and the other follows it.
    QString otherLeg;
    if (found && restore.mode == BackupImportMode::KeepNewer && table.name == kTransactionsTable) {
        if (const auto decided = restore.legsDecided.constFind(id); decided != restore.legsDecided.constEnd()) {
            if (!*decided)
                return Outcome::Skipped;
            incoming.clear();
        } else if (const auto other = restore.otherLegs.constFind(id); other != restore.otherLegs.constEnd()) {
            otherLeg = other->id;
            if (!incoming.isEmpty() && incoming <= other->updatedAt) {
                restore.legsDecided.insert(otherLeg, false);
                return Outcome::Skipped;
            }
        }
    }
    const bool keepsServerId = markForResync(table, found, row, keys, values);

    auto cached = restore.statements.find(keys);
    if (cached == restore.statements.end()) {
        if (restore.statements.size() >= kMaxCachedStatements)
            restore.statements.clear();
        cached = restore.statements.insert(
            keys, std::make_shared<Restore::Statements>(Restore::Statements{QSqlQuery(restore.db), QSqlQuery(restore.db)}));
    }
    QSqlQuery& q = found ? cached.value()->update : cached.value()->insert;
    if (q.lastQuery().isEmpty()) {
        QStringList quotedKeys;
        QString sql;
        if (found) {
            for (const QString& key : keys) {
                if (key != kIdKey)
                    quotedKeys.append(quoted(key) + QLatin1String(" = ?"));
            }
            if (quotedKeys.isEmpty())
                return Outcome::Skipped;
            // Evaluated on the stored row, before sync_status is set.
            if (table.synced)
                quotedKeys.append(QStringLiteral("version = version + (sync_status != 'pending')"));
            // Keeping the newer row is this statement's condition: an
            // empty archive time always overwrites.
            sql = QStringLiteral("UPDATE %1 SET %2 WHERE id = ? AND (? = '' OR ? > COALESCE(updated_at, ''))")
                      .arg(quoted(table.name), quotedKeys.join(QLatin1String(", ")));
        } else {
            for (const QString& key : keys)
                quotedKeys.append(quoted(key));
            QStringList marks;
            marks.fill(QStringLiteral("?"), keys.size());
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table.name), quotedKeys.join(QLatin1String(", ")), marks.join(QLatin1String(", ")));
        }
        if (!q.prepare(sql)) {
            restore.error = q.lastError().text();
            return Outcome::Failed;
        }
    }
    int bound = 0;
    for (int i = 0; i < keys.size(); ++i) {
        if (!found || keys.at(i) != kIdKey)
            q.bindValue(bound++, values.at(i));
    }
    if (found) {
        q.bindValue(bound++, id);
        q.bindValue(bound++, SqlValue::text(incoming));
        q.bindValue(bound++, SqlValue::text(incoming));
    }

    // An overwritten transaction takes the archive's split lines (restored
    // after it) in place of its current ones: two statements, undone
    // together. Any other row is one statement, which SQLite undoes alone.
    const bool isTransaction = table.name == kTransactionsTable;
    const bool twoStatements = found && isTransaction;
    const auto failed = [&restore](const QSqlQuery& failing, bool undo) {
        restore.error = failing.lastError().text();
        if (undo)
            return restore.undoRow() ? Outcome::Failed : Outcome::Aborted;
        return transactionLost(restore.db) ? Outcome::Aborted : Outcome::Failed;
    };
    if (twoStatements && !restore.savepoint.exec()) {
        restore.error = restore.savepoint.lastError().text();
        return Outcome::Aborted;
    }
    if (!q.exec())
        return failed(q, twoStatements);
    if (q.numRowsAffected() == 0) {
        // Not newer than the stored row: nothing was written.
        if (!otherLeg.isEmpty())
            restore.legsDecided.insert(otherLeg, false);
        if (twoStatements && !restore.release.exec()) {
            restore.error = restore.release.lastError().text();
            return Outcome::Aborted;
        }
        return Outcome::Skipped;
    }
    if (twoStatements) {
        restore.clearSplitLines.bindValue(0, id);
        if (!restore.clearSplitLines.exec())
            return failed(restore.clearSplitLines, true);
        if (!restore.release.exec()) {
            restore.error = restore.release.lastError().text();
            return Outcome::Aborted;
        }
    }
    restore.existing.insert(id);
    if (isTransaction)
        restore.restoredTransactions.insert(id);
    if (!otherLeg.isEmpty())
        restore.legsDecided.insert(otherLeg, true);
    restore.keptServerIds = restore.keptServerIds || keepsServerId;
    return Outcome::Imported;
}

BackupImportResult BackupService::importBackup(const QByteArray& archive, BackupImportMode mode,
                                               const Progress& progress)
{
    BackupImportResult result;
    const ZipArchive::Reader zip(archive);
    if (!zip.isOpen()) {
        result.errors.append(tr("Failed to open ZIP archive"));
        return result;
    }
    // Sizes are only what the archive claims, but no read goes past its
    // entry's claim: their sum bounds all the restore will inflate.
    qint64 totalSize = 0;
    int rowEntries = 0;
    // The entries of each table, in archive order, found once.
    QHash<const Table*, QList<int>> entriesOf;
    for (int i = 0; i < zip.count(); ++i) {
        const qint64 size = zip.recordedSize(i);
        const QString path = zip.path(i);
        const Table* table = tableOf(path);
        if (table) {
            ++rowEntries;
            entriesOf[table].append(i);
        }
        if (size >= 0 && size <= kMaxEntrySize && (path == kManifestPath || table))
            totalSize += size;
    }
    if (totalSize > kMaxTotalSize) {
        result.errors.append(tr("Invalid backup: its entries hold more than %1 MB").arg(kMaxTotalSize >> 20));
        return result;
    }

    QByteArray content;
    const int manifestIndex = zip.indexOf(kManifestPath);
    if (manifestIndex >= 0) {
        switch (zip.read(manifestIndex, kMaxEntrySize, &content)) {
        case ZipArchive::Reader::ReadStatus::Ok:
            break;
        case ZipArchive::Reader::ReadStatus::TooLarge:
            result.errors.append(tr("Invalid backup: manifest.json is too large"));
            return result;
        case ZipArchive::Reader::ReadStatus::Damaged:
            result.errors.append(tr("Invalid backup: manifest.json is damaged"));
            return result;
        }
    }
    if (content.isEmpty()) {
        result.errors.append(tr("Invalid backup: missing manifest.json"));
        return result;
    }
    const int version = QJsonDocument::fromJson(content).object().value(QStringLiteral("version")).toInt(0);
    if (version != 1) {
        result.errors.append(tr("Unsupported backup version: %1").arg(version));
        return result;
    }

    QSqlDatabase& db = m_database->database();
    // One transaction for the whole restore and a savepoint per row: a row
    // the database refuses is undone alone, and the restore either
    // completes or leaves the data as it was. A transaction already open
    // belongs to the caller; the rows then join it.
    const bool ownTransaction = db.transaction();
    BulkWriteScope bulkWrite(ownTransaction ? m_database : nullptr);
    // Without the suspension the restore is slower, not wrong.
    const bool indexingSuspended = ownTransaction && m_database->suspendTransactionIndexing();
    bool aborted = false;
    QString abortError;
    Percent percent(progress);
    percent.reach(0, 0);
    int entriesRead = 0;
    {
        Restore restore(db, mode);
        // Read where the restore writes, so that no repair comes between.
        // Without it, rows renamed since the archive was made would be
        // restored a second time under their old ids.
        bool renamedRead = false;
        restore.renamed = RenamedIds::load(db, &renamedRead);
        if (!renamedRead) {
            aborted = true;
            abortError = tr("the ids that sync renamed could not be read");
        }
        for (const Table& table : tables()) {
            if (aborted)
                break;
            restore.columns.clear();
            const QSqlRecord record = db.record(table.name);
            for (int i = 0; i < record.count(); ++i)
                restore.columns.insert(record.fieldName(i));
            restore.statements.clear();
            if (!restore.loadIds(table.name) || (table.name == kTransactionsTable && !restore.loadTransferLegs())) {
                aborted = true;
                abortError = restore.error;
                break;
            }

            QList<PendingRow> refused;
            auto handle = [&](const QString& path, const QJsonObject& row) {
                switch (upsertRow(restore, table, row)) {
                case Outcome::Imported:
                    ++(result.*table.imported);
                    break;
                case Outcome::Skipped:
                    ++(result.*table.skipped);
                    break;
                case Outcome::Failed:
                    refused.append({path, row, restore.error});
                    break;
                case Outcome::Aborted:
                    aborted = true;
                    abortError = restore.error;
                    break;
                }
            };

            for (const int i : entriesOf.value(&table)) {
                if (aborted)
                    break;
                const QString path = zip.path(i);
                percent.reach(++entriesRead, rowEntries);
                try {
                    switch (zip.read(i, kMaxEntrySize, &content)) {
                    case ZipArchive::Reader::ReadStatus::Ok:
                        break;
                    case ZipArchive::Reader::ReadStatus::TooLarge:
                        result.errors.append(tr("%1: entry too large").arg(path));
                        continue;
                    case ZipArchive::Reader::ReadStatus::Damaged:
                        result.errors.append(tr("%1: damaged entry").arg(path));
                        continue;
                    }
                    const QJsonObject row = QJsonDocument::fromJson(content).object();
                    if (row.isEmpty()) {
                        result.errors.append(tr("%1: invalid JSON").arg(path));
                        continue;
                    }
                    handle(path, row);
                } catch (const std::exception&) {
                    restore.undoRow();
                    result.errors.append(tr("%1: unexpected error").arg(path));
                }
            }

            // A refused row may only be waiting for another row of its own
            // table (a category whose parent comes later in the archive):
            // try the refused rows again while any of them gets through.
            while (!aborted && !refused.isEmpty()) {
                const QList<PendingRow> previous = refused;
                refused.clear();
                for (const PendingRow& pending : previous) {
                    if (aborted)
                        break;
                    try {
                        handle(pending.path, pending.row);
                    } catch (const std::exception&) {
                        restore.undoRow();
                        result.errors.append(tr("%1: unexpected error").arg(pending.path));
                    }
                }
                if (refused.size() == previous.size())
                    break;
            }
            for (const PendingRow& pending : refused) {
                ++(result.*table.skipped);
                qWarning().noquote() << "BackupService::upsertRow failed:" << pending.path << pending.error;
            }
            if (!refused.isEmpty())
                result.errors.append(tr("%1: %n row(s) could not be written: %2", nullptr, int(refused.size()))
                                         .arg(table.folder, refused.last().error));
        }
        if (!aborted && restore.keptServerIds && !SyncRows::requestPullFirst(db, &abortError))
            aborted = true;
    }

    auto discardImported = [&result]() {
        for (const Table& table : tables())
            result.*table.imported = 0;
    };
    if (aborted) {
        qWarning().noquote() << "BackupService::importBackup failed:" << abortError;
        if (ownTransaction) {
            db.rollback();
            discardImported();
            result.rolledBack = true;
            result.errors.append(tr("The restore stopped and changed nothing: %1").arg(abortError));
        } else {
            result.errors.append(tr("The restore stopped: %1").arg(abortError));
        }
    } else if (ownTransaction
               && ((indexingSuspended && !m_database->resumeTransactionIndexing()) || !db.commit())) {
        const QString error = db.lastError().text();
        qWarning().noquote() << "BackupService::importBackup failed:" << error;
        db.rollback();
        discardImported();
        result.rolledBack = true;
        result.errors.append(tr("The restore stopped and changed nothing: %1").arg(error));
    }
    percent.reach(1, 1);
    return result;
}
