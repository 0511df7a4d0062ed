#include "data/splitlinerepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/syncrows.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

namespace {

const char* const kInsertSql =
    "INSERT INTO split_lines (id, transaction_id, category_id, amount, memo, created_at, updated_at) "
    "VALUES (?, ?, ?, ?, ?, ?, ?)";

// Binds one line to a prepared kInsertSql; the transaction id is passed
// separately so that a replacement can store every line under its owner.
void bindLine(QSqlQuery& q, const SplitLine& line, const QString& transactionId)
{
    q.bindValue(0, SqlValue::text(line.id));
    q.bindValue(1, SqlValue::ref(transactionId));
    // NOT NULL and a foreign key: a line without a category is refused.
    q.bindValue(2, SqlValue::ref(line.categoryId));
    q.bindValue(3, line.amount);
    q.bindValue(4, SqlValue::text(line.memo));
    q.bindValue(5, SqlValue::timestamp(line.createdAt));
    q.bindValue(6, SqlValue::timestamp(line.updatedAt));
}

const QString kSavepoint = QStringLiteral("split_lines_replace");

// The query is positioned on a row selected with Columns::splitLine.
SplitLine lineFromQuery(const QSqlQuery& q)
{
    SplitLine line;
    line.id = q.value(0).toString();
    line.transactionId = q.value(1).toString();
    line.categoryId = q.value(2).toString();
    line.amount = q.value(3).toLongLong();
    line.memo = q.value(4).toString();
    line.createdAt = SqlValue::toTimestamp(q.value(5));
    line.updatedAt = SqlValue::toTimestamp(q.value(6));
    return line;
}

} // namespace

SplitLineRepository::SplitLineRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

QList<SplitLine> SplitLineRepository::findByTransaction(const QString& transactionId) const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    // rowid keeps the order in which the lines were written.
    q.prepare(QStringLiteral("SELECT %1 FROM split_lines WHERE transaction_id = ? ORDER BY rowid")
                  .arg(QLatin1String(Columns::splitLine)));
    q.addBindValue(SqlValue::text(transactionId));
    q.exec();
    QList<SplitLine> result;
    while (q.next())
        result.append(lineFromQuery(q));
    return result;
}

QHash<QString, QList<SplitLine>> SplitLineRepository::findByTransactions(const QStringList& transactionIds) const
{
    QHash<QString, QList<SplitLine>> result;
    if (transactionIds.isEmpty())
        return result;
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("transaction_id"), transactionIds, values);
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM split_lines WHERE %2 ORDER BY rowid")
                  .arg(QLatin1String(Columns::splitLine), in));
    for (const QVariant& value : std::as_const(values))
        q.addBindValue(value);
    q.exec();
    while (q.next()) {
        const SplitLine line = lineFromQuery(q);
        result[line.transactionId].append(line);
    }
    return result;
}

bool SplitLineRepository::insert(const SplitLine& line)
{
    QSqlQuery q = prepareInsert();
    return insert(line, q);
}

QSqlQuery SplitLineRepository::prepareInsert() const
{
    QSqlQuery q(m_database->database());
    q.prepare(QLatin1String(kInsertSql));
    return q;
}

bool SplitLineRepository::insert(const SplitLine& line, QSqlQuery& prepared)
{
    bindLine(prepared, line, line.transactionId);
    const bool ok = prepared.exec();
    if (!ok)
        qWarning().noquote() << "SplitLineRepository::insert failed:" << prepared.lastError().text();
    prepared.finish();
    return ok;
}

bool SplitLineRepository::deleteByTransaction(const QString& transactionId)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"));
    q.addBindValue(SqlValue::text(transactionId));
    return q.exec();
}

bool SplitLineRepository::replaceForTransaction(const QString& transactionId, const QList<SplitLine>& lines)
{
    QSqlDatabase& db = m_database->database();
    // A savepoint rather than BEGIN: an import may already hold a transaction
    // open on this connection, and a savepoint nests inside it.
    QSqlQuery begin(db);
    if (!begin.exec(QStringLiteral("SAVEPOINT ") + kSavepoint)) {
        qWarning().noquote() << "SplitLineRepository::replaceForTransaction failed:" << begin.lastError().text();
        return false;
    }

    auto fail = [&db](QSqlQuery& failed) {
        qWarning().noquote() << "SplitLineRepository::replaceForTransaction failed:" << failed.lastError().text();
        failed.finish();
        QSqlQuery undo(db);
        undo.exec(QStringLiteral("ROLLBACK TO ") + kSavepoint);
        undo.exec(QStringLiteral("RELEASE ") + kSavepoint);
        return false;
    };

    QSqlQuery remove(db);
    remove.prepare(QStringLiteral("DELETE FROM split_lines WHERE transaction_id = ?"));
    remove.addBindValue(SqlValue::text(transactionId));
    if (!remove.exec())
        return fail(remove);

    QSqlQuery insert(db);
    if (!lines.isEmpty() && !insert.prepare(QLatin1String(kInsertSql)))
        return fail(insert);
    for (const SplitLine& line : lines) {
        bindLine(insert, line, transactionId);
        if (!insert.exec())
            return fail(insert);
    }
    insert.finish();

    QSqlQuery release(db);
    if (!release.exec(QStringLiteral("RELEASE ") + kSavepoint))
        return fail(release);
    return true;
}
