#include "data/transactionrepository.h"

#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/registerreader.h"
#include "data/sqlvalue.h"
#include "data/transactionsearch.h"

#include <QDebug>
#include <QSqlError>
#include <QSet>
#include <QSqlQuery>

#include <iterator>

namespace {

// The table and the name in warnings of the shared sync statements.
constexpr char kTable[] = "transactions";
constexpr char kOwner[] = "TransactionRepository";

} // namespace

TransactionRepository::TransactionRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

TransactionRepository::~TransactionRepository() = default;

QList<Transaction> TransactionRepository::select(const QString& tail, const QVariantList& values) const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1 FROM transactions t ").arg(QLatin1String(Columns::transaction)) + tail);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    QList<Transaction> result;
    while (q.next())
        result.append(transactionFromQuery(q));
    return result;
}

std::optional<Transaction> TransactionRepository::findById(const QString& id) const
{
    const QList<Transaction> rows = select(QStringLiteral("WHERE t.id = ?"), {SqlValue::text(id)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

// Every ORDER BY ends in the rowid so that rows of one date stamped in the
// same second keep a stable order.
QList<Transaction> TransactionRepository::findByAccount(const QString& accountId) const
{
    return select(QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL "
                                 "ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC"),
                  {SqlValue::text(accountId)});
}

QList<Transaction> TransactionRepository::findUnreconciled(const QString& accountId) const
{
    return select(QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL AND t.reconciled = 0 "
                                 "ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC"),
                  {SqlValue::text(accountId)});
}

QList<Transaction> TransactionRepository::findPendingSync() const
{
    return select(QStringLiteral("WHERE t.sync_status = 'pending'"));
}

bool TransactionRepository::insert(const Transaction& t)
{
    // Prepared once and reused: an import inserts rows by the thousand, and
    // preparing the statement anew is a third of each insert's cost.
    if (!m_insert) {
        m_insert = std::make_unique<QSqlQuery>(m_database->database());
        m_insert->prepare(QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, category_id, check_number, "
            "cleared, reconciled, transfer_link_id, transfer_dest_account_id, is_split, recurring_id, version, "
            "sync_status, server_id, created_at, updated_at) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    QSqlQuery& q = *m_insert;
    const QVariant values[] = {
        SqlValue::text(t.id), SqlValue::text(t.accountId), SqlValue::date(t.date), SqlValue::text(t.payee),
        SqlValue::text(t.memo), t.amount, SqlValue::ref(t.categoryId), SqlValue::text(t.checkNumber),
        SqlValue::flag(t.cleared), SqlValue::flag(t.reconciled), SqlValue::text(t.transferLinkId),
        SqlValue::text(t.transferDestAccountId), SqlValue::flag(t.isSplit), SqlValue::text(t.recurringId),
        t.version, syncStatusToString(t.syncStatus), SqlValue::text(t.serverId), SqlValue::timestamp(t.createdAt),
        SqlValue::timestamp(t.updatedAt)};
    for (int i = 0; i < int(std::size(values)); ++i)
        q.bindValue(i, values[i]);
    const bool ok = q.exec();
    const QString error = ok ? QString() : q.lastError().text();
    q.finish();
    if (!ok) {
        qWarning().noquote() << "TransactionRepository::insert failed:" << error;
        return false;
    }
    emit transactionsChanged(t.accountId);
    return true;
}

bool TransactionRepository::update(const Transaction& t)
{
    QSqlQuery q(m_database->database());
    // account_id, created_at and deleted_at are left alone: an update neither
    // moves a transaction to another account nor deletes or restores it. A
    // date the record could not read from the row (an invalid one) keeps the
    // stored text, so that such a row can still be edited and cleared.
    q.prepare(QStringLiteral(
        "UPDATE transactions SET date=COALESCE(?, date), payee=?, memo=?, amount=?, category_id=?, check_number=?, cleared=?, "
        "reconciled=?, transfer_link_id=?, transfer_dest_account_id=?, is_split=?, recurring_id=?, "
        "version=CASE WHEN ? THEN MAX(?, version + (sync_status != 'pending')) ELSE ? END, "
        "sync_status=?, server_id=?, updated_at=? WHERE id=?"));
    q.addBindValue(SqlValue::date(t.date));
    q.addBindValue(SqlValue::text(t.payee));
    q.addBindValue(SqlValue::text(t.memo));
    q.addBindValue(t.amount);
    q.addBindValue(SqlValue::ref(t.categoryId));
    q.addBindValue(SqlValue::text(t.checkNumber));
    q.addBindValue(SqlValue::flag(t.cleared));
    q.addBindValue(SqlValue::flag(t.reconciled));
    q.addBindValue(SqlValue::text(t.transferLinkId));
    q.addBindValue(SqlValue::text(t.transferDestAccountId));
    q.addBindValue(SqlValue::flag(t.isSplit));
    q.addBindValue(SqlValue::text(t.recurringId));
    q.addBindValue(SqlValue::flag(t.syncStatus == SyncStatus::Pending));
    q.addBindValue(t.version);
    q.addBindValue(t.version);
    q.addBindValue(syncStatusToString(t.syncStatus));
    q.addBindValue(SqlValue::text(t.serverId));
    q.addBindValue(SqlValue::timestamp(t.updatedAt));
    q.addBindValue(SqlValue::text(t.id));
    if (!q.exec()) {
        qWarning().noquote() << "TransactionRepository::update failed:" << q.lastError().text();
        return false;
    }
    emit transactionsChanged(t.accountId);
    return true;
}

bool TransactionRepository::softDelete(const QString& id)
{
    // The signal names the row's own account, which the caller may not know.
    QString accountId;
    {
        QSqlQuery lookup(m_database->database());
        lookup.setForwardOnly(true);
        lookup.prepare(QStringLiteral("SELECT account_id FROM transactions WHERE id = ?"));
        lookup.addBindValue(SqlValue::text(id));
        if (!lookup.exec() || !lookup.next())
            return false;
        accountId = lookup.value(0).toString();
    }

    const QString now = SqlValue::nowText();
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE transactions SET deleted_at=?, sync_status='pending', "
                             "version=version + (sync_status != 'pending'), updated_at=? WHERE id=?"));
    q.addBindValue(now);
    q.addBindValue(now);
    q.addBindValue(SqlValue::text(id));
    if (!q.exec()) {
        qWarning().noquote() << "TransactionRepository::softDelete failed:" << q.lastError().text();
        return false;
    }
    emit transactionsChanged(accountId);
    return true;
}

int TransactionRepository::announced(int changed, const QString& accountId)
{
    if (changed > 0)
        emit transactionsChanged(accountId);
    return changed;
}

int TransactionRepository::softDeleteByAccount(const QString& accountId)
{
    // A failed statement counts as no row changed, as for accounts.
    return announced(qMax(0, SyncRows::softDeleteByAccount(m_database->database(), kTable, kOwner, accountId)),
                     accountId);
}

int TransactionRepository::restoreByAccount(const QString& accountId, const QString& deletedSince)
{
    return announced(SyncRows::restoreByAccount(m_database->database(), kTable, kOwner, accountId, deletedSince),
                     accountId);
}

int TransactionRepository::markAllPendingForResync()
{
    // Rows of every account change, hence the empty account id. A failed
    // statement counts as no row changed.
    return announced(qMax(0, SyncRows::markAllPendingForResync(m_database->database(), kTable, kOwner)), QString());
}

bool TransactionRepository::markSynced(const QString& id, const QString& serverId)
{
    return SyncRows::markSynced(m_database->database(), kTable, id, serverId);
}

bool TransactionRepository::renamePayees(const QStringList& payees, const QString& newPayee, int* changed)
{
    if (changed)
        *changed = 0;
    if (newPayee.isEmpty())
        return false;
    QStringList sources;
    QSet<QString> seen;
    for (const QString& payee : payees) {
        if (!payee.isEmpty() && payee != newPayee && !seen.contains(payee)) {
            seen.insert(payee);
            sources.append(payee);
        }
    }
    if (sources.isEmpty())
        return true;

    QSqlDatabase& db = m_database->database();
    const QString now = SqlValue::nowText();
    QString error;
    int total = 0;
    // The payee index finds the rows; the full-text index follows through
    // its update trigger.
    const auto rewrite = [&](const QStringList& slice) {
        QSqlQuery q(db);
        // A local change: a row the server holds goes one version up (see
        // the version rule in syncrows.h).
        q.prepare(QStringLiteral("UPDATE transactions SET payee = ?, updated_at = ?, "
                                 "version = version + (sync_status != 'pending'), sync_status = 'pending' "
                                 "WHERE deleted_at IS NULL AND payee IN (?%1)")
                      .arg(QStringLiteral(", ?").repeated(slice.size() - 1)));
        q.addBindValue(newPayee);
        q.addBindValue(now);
        for (const QString& payee : slice)
            q.addBindValue(payee);
        if (!q.exec()) {
            error = q.lastError().text();
            return false;
        }
        total += q.numRowsAffected();
        return true;
    };

    // A few hundred payees a statement, far below SQLite's limit of bound
    // values. One statement is all or nothing by itself; run on its own it
    // also spares SQLite the statement journal, a copy of every page it
    // changes (some 200 MB for 100,000 rows spread over a large table). More
    // go into one unit.
    constexpr qsizetype kSlice = 500;
    bool ok = true;
    if (sources.size() <= kSlice) {
        ok = rewrite(sources);
    } else {
        AtomicWrite write(db, QStringLiteral("rename_payees"));
        ok = write.begin(&error);
        for (qsizetype first = 0; ok && first < sources.size(); first += kSlice)
            ok = rewrite(sources.mid(first, kSlice));
        ok = ok && write.commit(&error);
    }
    if (!ok) {
        qWarning().noquote() << "TransactionRepository::renamePayees failed:" << error;
        return false;
    }
    if (changed)
        *changed = total;
    // Rows of any account changed, hence the empty account id.
    if (total > 0)
        emit transactionsChanged(QString());
    return true;
}

QList<RegisterRow> TransactionRepository::findRegisterRows(const QString& accountId) const
{
    QSqlDatabase& db = m_database->database();

    qint64 startingBalance = 0;
    {
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = ?"));
        q.addBindValue(SqlValue::text(accountId));
        if (q.exec() && q.next())
            startingBalance = q.value(0).toLongLong();
    }

    QList<RegisterRow> rows;
    if (startingBalance != 0) {
        RegisterRow opening;
        // Dated like the earliest live row, today when there is none; its
        // own statement, an index seek, so that a stored date of another
        // shape is judged by this stricter format and not the row reader's.
        QSqlQuery q(db);
        q.setForwardOnly(true);
        q.prepare(QStringLiteral("SELECT date FROM transactions WHERE account_id = ? AND deleted_at IS NULL "
                                 "ORDER BY date ASC LIMIT 1"));
        q.addBindValue(SqlValue::text(accountId));
        if (q.exec() && q.next())
            opening.date = QDate::fromString(q.value(0).toString(), QStringLiteral("yyyy-MM-dd"));
        if (!opening.date.isValid())
            opening.date = QDate::currentDate();
        opening.payee = QStringLiteral("Opening Balance");
        opening.amount = startingBalance;
        opening.runningBalance = startingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        rows.append(opening);
    }

    const qsizetype first = rows.size();
    if (!readRegisterRowsDirect(db, accountId, rows))
        readRegisterRowsWithQuery(db, accountId, rows);
    qint64 balance = startingBalance;
    for (qsizetype i = first; i < rows.size(); ++i) {
        balance += rows.at(i).amount;
        rows[i].runningBalance = balance;
    }
    return rows;
}

QStringList TransactionRepository::distinctPayees() const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral(
        "SELECT DISTINCT payee FROM transactions WHERE deleted_at IS NULL AND payee != '' ORDER BY payee"));
    q.exec();
    QStringList result;
    while (q.next())
        result.append(q.value(0).toString());
    return result;
}

QList<PayeeUsage> TransactionRepository::payeeCounts() const
{
    // Grouped in the payee index's own order: no table row is read.
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT payee, COUNT(*) FROM transactions WHERE deleted_at IS NULL AND payee != '' "
                             "GROUP BY payee ORDER BY payee"));
    QList<PayeeUsage> result;
    if (!q.exec())
        return result;
    while (q.next())
        result.append({q.value(0).toString(), q.value(1).toInt()});
    return result;
}

QStringList TransactionRepository::payeesForAccount(const QString& accountId) const
{
    Q_UNUSED(accountId)
    return distinctPayees();
}

std::optional<Transaction> TransactionRepository::findLastByPayee(const QString& payee,
                                                                  const QString& accountId) const
{
    const QList<Transaction> rows =
        select(QStringLiteral("WHERE t.payee = ? AND t.account_id = ? AND t.deleted_at IS NULL "
                              "ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 1"),
               {SqlValue::text(payee), SqlValue::text(accountId)});
    if (rows.isEmpty())
        return std::nullopt;
    return rows.first();
}

QList<RegisterRow> TransactionRepository::search(const QString& text, const TransactionSearchFilter& filter) const
{
    return searchTransactions(m_database->database(), text, filter);
}

QHash<QString, qint64> TransactionRepository::liveSumsByAccount() const
{
    QSqlQuery q(m_database->database());
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT account_id, SUM(amount) FROM transactions WHERE deleted_at IS NULL "
                             "GROUP BY account_id"));
    QHash<QString, qint64> sums;
    if (!q.exec())
        return sums;
    while (q.next())
        sums.insert(q.value(0).toString(), q.value(1).toLongLong());
    return sums;
}

QList<Transaction> TransactionRepository::findPendingSync(int limit) const
{
    return select(QStringLiteral("WHERE t.sync_status = 'pending' ORDER BY t.rowid LIMIT ?"), {limit});
}

int TransactionRepository::countPendingSync() const
{
    return SyncRows::countPending(m_database->database(), kTable);
}

QList<Transaction> TransactionRepository::findByIds(const QStringList& ids) const
{
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("t.id"), ids, values);
    return select(QStringLiteral("WHERE ") + in, values);
}

bool TransactionRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), kTable, kOwner, marks);
}

bool TransactionRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), kTable, kOwner);
}
