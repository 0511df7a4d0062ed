#include "data/transactionrepository.h"

#include "data/database.h"
#include "data/registerreader.h"
#include "data/sqlvalue.h"

#include <QDebug>
#include <QSqlError>
#include <QSqlQuery>

#include <iterator>

namespace {

// How a search reaches its newest 200 rows. Plain lets SQLite plan (with
// words it walks every full-text match, then sorts); ByDate walks the date
// index newest first and stops after 200 hits, which wins when hits are
// common but reads the whole index when they are rare; ByAccount and
// ByCategory start from that filter's index. The account's index is ordered
// by date within the account, so ByAccount stops after 200 hits as well (the
// estimate below still prices it as reading the whole account: never more).
enum class SearchPlan { Plain, ByDate, ByAccount, ByCategory };

qint64 countRows(QSqlDatabase& db, const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec() || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

// Estimates from bounded counts what each way would read. Costs per row,
// measured on a million rows: a row fetched by rowid ~8, a date-index entry
// walked ~2, a full-text hit gathered for the IN list ~1.
SearchPlan chooseSearchPlan(QSqlDatabase& db, const QString& match, const TransactionSearchFilter& filter)
{
    if (match.isEmpty() && filter.accountId.isEmpty() && filter.categoryId.isEmpty())
        return SearchPlan::Plain;
    const qint64 total = countRows(db, QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM transactions"), {});
    if (total <= 0)
        return SearchPlan::Plain;
    const qint64 cap = qMax<qint64>(1000, total / 10);

    struct Candidate
    {
        SearchPlan plan;
        qint64 count;
    };
    QList<Candidate> sets;
    qint64 matchCount = 0;
    if (!match.isEmpty()) {
        matchCount = countRows(db,
                               QStringLiteral("SELECT COUNT(*) FROM (SELECT rowid FROM transactions_fts "
                                              "WHERE transactions_fts MATCH ? LIMIT ?)"),
                               {match, cap});
        sets.append({SearchPlan::Plain, matchCount});
    }
    if (!filter.accountId.isEmpty()) {
        sets.append({SearchPlan::ByAccount,
                     countRows(db,
                               QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM transactions "
                                              "WHERE account_id = ? LIMIT ?)"),
                               {SqlValue::text(filter.accountId), cap})});
    }
    if (!filter.categoryId.isEmpty()) {
        sets.append({SearchPlan::ByCategory,
                     countRows(db,
                               QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM transactions "
                                              "WHERE category_id = ? LIMIT ?)"),
                               {SqlValue::text(filter.categoryId), cap})});
    }

    double share = 1.0; // of all rows passing every counted condition, taken as independent
    Candidate best = sets.first();
    for (const Candidate& c : sets) {
        if (c.count < 0)
            return SearchPlan::Plain;
        share *= double(c.count) / double(total);
        if (c.count < best.count)
            best = c;
    }
    const double walked = share > 0 ? qMin(double(total), 200.0 / share) : double(total);
    const double byDate = 2.0 * walked + double(matchCount);
    const double bySet = 8.0 * double(best.count);
    return byDate < bySet ? SearchPlan::ByDate : best.plan;
}

// The statement up to its filter conditions; the match expression, when
// there are words, is its first bound value.
QString searchStatement(SearchPlan plan, bool hasWords)
{
    const QString select = QStringLiteral("SELECT %1, %2 ")
                               .arg(QLatin1String(Columns::transaction), QLatin1String(kCategoryNameColumn));
    const QString categories = QStringLiteral("LEFT JOIN categories c ON t.category_id = c.id "
                                              "WHERE t.deleted_at IS NULL");
    if (plan == SearchPlan::Plain) {
        if (!hasWords)
            return select + QStringLiteral("FROM transactions t ") + categories;
        return select
            + QStringLiteral("FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid ")
            + categories + QStringLiteral(" AND transactions_fts MATCH ?");
    }
    const char* index = plan == SearchPlan::ByDate      ? "idx_transactions_date"
                        : plan == SearchPlan::ByAccount ? "idx_transactions_account_date"
                                                        : "idx_transactions_category_id";
    QString sql = select + QStringLiteral("FROM transactions t INDEXED BY %1 ").arg(QLatin1String(index)) + categories;
    if (hasWords)
        sql += QStringLiteral(" AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?)");
    return sql;
}

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

int TransactionRepository::runCascade(const char* operation, const QString& sql, const QVariantList& values,
                                      const QString& accountId)
{
    QSqlQuery q(m_database->database());
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec()) {
        qWarning().noquote() << QStringLiteral("TransactionRepository::%1 failed:").arg(QLatin1String(operation))
                             << q.lastError().text();
        return 0;
    }
    const int changed = q.numRowsAffected();
    if (changed > 0)
        emit transactionsChanged(accountId);
    return changed > 0 ? changed : 0;
}

int TransactionRepository::softDeleteByAccount(const QString& accountId)
{
    const QString now = SqlValue::nowText();
    return runCascade("softDeleteByAccount",
                      QStringLiteral("UPDATE transactions SET deleted_at = ?, updated_at = ?, sync_status = 'pending', "
                                     "version = version + (sync_status != 'pending') "
                                     "WHERE account_id = ? AND deleted_at IS NULL"),
                      {now, now, SqlValue::text(accountId)}, accountId);
}

int TransactionRepository::restoreByAccount(const QString& accountId, const QString& deletedSince)
{
    // Stamps compare as text, which orders like time because they all have
    // one shape; the boundary itself is included. An empty cutoff binds NULL
    // and so restores nothing; as '' it would revive every deletion the
    // account ever had.
    return runCascade("restoreByAccount",
                      QStringLiteral("UPDATE transactions SET deleted_at = NULL, updated_at = ?, "
                                     "sync_status = 'pending', version = version + (sync_status != 'pending') "
                                     "WHERE account_id = ? AND deleted_at >= ?"),
                      {SqlValue::nowText(), SqlValue::text(accountId), SqlValue::ref(deletedSince)}, accountId);
}

int TransactionRepository::markAllPendingForResync()
{
    // Rows of every account change, hence the empty account id.
    return runCascade("markAllPendingForResync",
                      QStringLiteral("UPDATE transactions SET sync_status = 'pending' "
                                     "WHERE deleted_at IS NULL AND sync_status != 'pending'"),
                      {}, QString());
}

bool TransactionRepository::markSynced(const QString& id, const QString& serverId)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("UPDATE transactions SET sync_status='synced', "
                             "server_id=COALESCE(NULLIF(?, ''), server_id) WHERE id=?"));
    q.addBindValue(SqlValue::text(serverId));
    q.addBindValue(SqlValue::text(id));
    return q.exec();
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
    const QString match = text.isEmpty() ? QString() : buildFtsMatchExpression(text);
    QSqlDatabase& db = m_database->database();

    QString conditions;
    QVariantList values;
    if (!filter.accountId.isEmpty()) {
        conditions += QStringLiteral(" AND t.account_id = ?");
        values.append(SqlValue::text(filter.accountId));
    }
    if (!filter.categoryId.isEmpty()) {
        conditions += QStringLiteral(" AND t.category_id = ?");
        values.append(SqlValue::text(filter.categoryId));
    }
    if (filter.dateFrom.isValid()) {
        conditions += QStringLiteral(" AND t.date >= ?");
        values.append(SqlValue::date(filter.dateFrom));
    }
    if (filter.dateTo.isValid()) {
        conditions += QStringLiteral(" AND t.date <= ?");
        values.append(SqlValue::date(filter.dateTo));
    }
    if (filter.cleared.has_value()) {
        conditions += QStringLiteral(" AND t.cleared = ?");
        values.append(SqlValue::flag(*filter.cleared));
    }
    conditions += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 200");

    SearchPlan plan = chooseSearchPlan(db, match, filter);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(searchStatement(plan, !match.isEmpty()) + conditions) && plan != SearchPlan::Plain) {
        plan = SearchPlan::Plain;
        q.prepare(searchStatement(plan, !match.isEmpty()) + conditions);
    }
    if (!match.isEmpty())
        q.addBindValue(match);
    for (const QVariant& v : values)
        q.addBindValue(v);
    q.exec();
    return readRegisterRows(q);
}

QString buildFtsMatchExpression(const QString& text)
{
    // Code points, not UTF-16 units: a letter outside the Basic Multilingual
    // Plane is a surrogate pair whose halves are no letters on their own.
    QString result;
    QString term;
    auto flush = [&]() {
        if (term.isEmpty())
            return;
        if (!result.isEmpty())
            result += QLatin1Char(' ');
        // Quoted, so that words such as AND, OR, NOT or NEAR stay search
        // words instead of operators; terms hold no quote to escape.
        result += QLatin1Char('"');
        result += term;
        result += QLatin1String("\"*");
        term.clear();
    };
    const QList<uint> codePoints = text.toUcs4(); // broken pairs become U+FFFD
    for (const uint cp : codePoints) {
        if (QChar::isLetterOrNumber(cp))
            term += QChar::fromUcs4(cp);
        else
            flush();
    }
    flush();
    return result;
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
    return SyncRows::countPending(m_database->database(), "transactions");
}

QList<Transaction> TransactionRepository::findByIds(const QStringList& ids) const
{
    QVariantList values;
    const QString in = SyncRows::idsIn(QStringLiteral("t.id"), ids, values);
    return select(QStringLiteral("WHERE ") + in, values);
}

bool TransactionRepository::markSynced(const QList<SyncMark>& marks)
{
    return SyncRows::applyMarks(m_database->database(), "transactions", "TransactionRepository", marks);
}

bool TransactionRepository::clearServerIds()
{
    return SyncRows::clearServerIds(m_database->database(), "transactions", "TransactionRepository");
}
