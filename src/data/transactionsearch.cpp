#include "data/transactionsearch.h"

#include "data/registerreader.h"
#include "data/sqlitedirect.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr int kLimit = 200;
const QLatin1String kNewestFirst(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC");

// The filter as SQL conditions, with their values in binding order.
struct Conditions
{
    QString sql;
    QVariantList values;
};

// A transaction is in a category by its own category or, split, by one of
// its lines'. Tested row by row, the lines are looked up by transaction id
// (unary plus: not through the category's index) for split rows only. As a set of rowids (the category's index and the
// lines' index), it lets a plan start from the category's rows; NOT INDEXED
// leaves the rowid lookups of that set as the statement's way in. With a
// match expression the set holds only the category's matching rows: its
// index is walked and each entry tested against the full-text hits (unary
// plus: not driven by them), so that only those rows are fetched.
Conditions filterConditions(const TransactionSearchFilter& filter, bool categoryAsRowSet = false,
                            const QString& matchInSet = QString())
{
    Conditions c;
    if (!filter.accountId.isEmpty()) {
        c.sql += QStringLiteral(" AND t.account_id = ?");
        c.values.append(SqlValue::text(filter.accountId));
    }
    if (!filter.categoryId.isEmpty()) {
        const bool withMatch = categoryAsRowSet && !matchInSet.isEmpty();
        const QString matches = QStringLiteral(" AND +%1rowid IN (SELECT rowid FROM transactions_fts "
                                               "WHERE transactions_fts MATCH ?)");
        c.sql += categoryAsRowSet
            ? QStringLiteral(" AND t.rowid IN (SELECT rowid FROM transactions WHERE category_id = ?%1 UNION ALL "
                             "SELECT x.rowid FROM split_lines s JOIN transactions x ON x.id = s.transaction_id "
                             "WHERE s.category_id = ? AND x.is_split <> 0%2)")
                  .arg(withMatch ? matches.arg(QString()) : QString(),
                       withMatch ? matches.arg(QStringLiteral("x.")) : QString())
            : QStringLiteral(" AND (t.category_id = ? OR (t.is_split <> 0 AND EXISTS (SELECT 1 FROM split_lines s "
                             "WHERE s.transaction_id = t.id AND +s.category_id = ?)))");
        for (int part = 0; part < 2; ++part) {
            c.values.append(SqlValue::text(filter.categoryId));
            if (withMatch)
                c.values.append(matchInSet);
        }
    }
    if (filter.dateFrom.isValid()) {
        c.sql += QStringLiteral(" AND t.date >= ?");
        c.values.append(SqlValue::date(filter.dateFrom));
    }
    if (filter.dateTo.isValid()) {
        c.sql += QStringLiteral(" AND t.date <= ?");
        c.values.append(SqlValue::date(filter.dateTo));
    }
    if (filter.cleared.has_value()) {
        c.sql += QStringLiteral(" AND t.cleared = ?");
        c.values.append(SqlValue::flag(*filter.cleared));
    }
    return c;
}

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

qint64 tableSize(QSqlDatabase& db)
{
    return countRows(db, QStringLiteral("SELECT COALESCE(MAX(rowid), 0) FROM transactions"), {});
}

// Rows of the account or the category, counted up to `cap`.
qint64 accountRows(QSqlDatabase& db, const QString& accountId, qint64 cap)
{
    return countRows(db,
                     QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM transactions WHERE account_id = ? LIMIT ?)"),
                     {SqlValue::text(accountId), cap});
}

// Split lines included: each may bring its transaction.
qint64 categoryRows(QSqlDatabase& db, const QString& categoryId, qint64 cap)
{
    return countRows(db,
                     QStringLiteral("SELECT COUNT(*) FROM (SELECT 1 FROM transactions WHERE category_id = ? UNION ALL "
                                    "SELECT 1 FROM split_lines WHERE category_id = ? LIMIT ?)"),
                     {SqlValue::text(categoryId), SqlValue::text(categoryId), cap});
}

QList<RegisterRow> readRows(QSqlQuery& q, const QVariantList& values)
{
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        return {};
    return readRegisterRows(q);
}

// ---------------------------------------------------------------------------
// Through the full-text index.
//
// How a search reaches its newest 200 rows. Plain lets SQLite plan (with
// words it walks every full-text match, then sorts); ByDate walks the date
// index newest first and stops after 200 hits, which wins when hits are
// common but reads the whole index when they are rare; ByAccount and
// ByCategory start from that filter's rows. The account's index is ordered
// by date within the account, so ByAccount stops after 200 hits as well (the
// estimate below still prices it as reading the whole account: never more).
enum class IndexPlan { Plain, ByDate, ByAccount, ByCategory };

// Estimates from bounded counts what each way would read. Costs per row,
// measured on a million rows: a row fetched by rowid ~8, a date-index entry
// walked ~2, a full-text hit gathered for the IN list ~1.
IndexPlan chooseIndexPlan(QSqlDatabase& db, const QString& match, const TransactionSearchFilter& filter)
{
    if (match.isEmpty() && filter.accountId.isEmpty() && filter.categoryId.isEmpty())
        return IndexPlan::Plain;
    const qint64 total = tableSize(db);
    if (total <= 0)
        return IndexPlan::Plain;
    const qint64 cap = qMax<qint64>(1000, total / 10);

    struct Candidate
    {
        IndexPlan plan;
        qint64 count;
    };
    QList<Candidate> sets;
    qint64 matchCount = 0;
    if (!match.isEmpty()) {
        matchCount = countRows(db,
                               QStringLiteral("SELECT COUNT(*) FROM (SELECT rowid FROM transactions_fts "
                                              "WHERE transactions_fts MATCH ? LIMIT ?)"),
                               {match, cap});
        sets.append({IndexPlan::Plain, matchCount});
    }
    if (!filter.categoryId.isEmpty())
        sets.append({IndexPlan::ByCategory, categoryRows(db, filter.categoryId, cap)});

    double share = 1.0; // of all rows passing every counted condition, taken as independent
    Candidate best{IndexPlan::Plain, -1};
    for (const Candidate& c : sets) {
        if (c.count < 0)
            return IndexPlan::Plain;
        share *= double(c.count) / double(total);
        if (best.count < 0 || c.count < best.count)
            best = c;
    }
    const auto walked = [&](double rowShare) {
        return rowShare > 0 ? qMin(double(total), double(kLimit) / rowShare) : double(total);
    };
    // The category's set holds only its matching rows, read from its index.
    const auto setCost = [&](const Candidate& c) {
        if (c.plan == IndexPlan::ByCategory && matchCount > 0)
            return double(c.count) + 8.0 * double(c.count) * double(matchCount) / double(total);
        return 8.0 * double(c.count);
    };

    if (!filter.accountId.isEmpty()) {
        // The account's walk reads its rows in result order and stops after
        // 200 hits, a subset of what the date walk would read: by date is
        // never better. Without another set it is the way; else the
        // account is counted only as far as its walk could still be the
        // cheaper one.
        if (best.count < 0)
            return IndexPlan::ByAccount;
        const double needed = walked(share);
        const double bySet = setCost(best);
        const double bound = qMin(needed, qMax(0.0, (bySet - double(matchCount)) / 2.0));
        const qint64 accountCount = accountRows(db, filter.accountId, qint64(bound) + 1);
        if (accountCount < 0)
            return IndexPlan::Plain;
        const double byAccount = 2.0 * qMin(double(accountCount), needed) + double(matchCount);
        return byAccount < bySet ? IndexPlan::ByAccount : best.plan;
    }
    const double byDate = 2.0 * walked(share) + double(matchCount);
    return byDate < setCost(best) ? IndexPlan::ByDate : best.plan;
}

// The statement up to its filter conditions; the match expression, when
// there are words, is its first bound value.
QString indexStatement(IndexPlan plan, bool hasWords)
{
    const QString select = QStringLiteral("SELECT %1, %2 ")
                               .arg(QLatin1String(Columns::transaction), QLatin1String(kCategoryNameColumn));
    const QString categories = QStringLiteral("LEFT JOIN categories c ON t.category_id = c.id "
                                              "WHERE t.deleted_at IS NULL");
    if (plan == IndexPlan::Plain) {
        if (!hasWords)
            return select + QStringLiteral("FROM transactions t ") + categories;
        return select
            + QStringLiteral("FROM transactions t JOIN transactions_fts fts ON fts.rowid = t.rowid ")
            + categories + QStringLiteral(" AND transactions_fts MATCH ?");
    }
    // The category's rows come from its rowid set (filterConditions).
    const QString index = plan == IndexPlan::ByDate      ? QStringLiteral("INDEXED BY idx_transactions_date")
                          : plan == IndexPlan::ByAccount ? QStringLiteral("INDEXED BY idx_transactions_account_date")
                                                         : QStringLiteral("NOT INDEXED");
    QString sql = select + QStringLiteral("FROM transactions t %1 ").arg(index) + categories;
    if (hasWords)
        sql += QStringLiteral(" AND t.rowid IN (SELECT rowid FROM transactions_fts WHERE transactions_fts MATCH ?)");
    return sql;
}

QList<RegisterRow> indexSearch(QSqlDatabase& db, const QString& match, const TransactionSearchFilter& filter)
{
    IndexPlan plan = chooseIndexPlan(db, match, filter);
    const bool byCategory = plan == IndexPlan::ByCategory;
    Conditions conditions = filterConditions(filter, byCategory, match);
    // By category, the words are tested inside the category's set.
    bool matchFirst = !match.isEmpty() && !byCategory;
    const QString limit = kNewestFirst + QStringLiteral(" LIMIT %1").arg(kLimit);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.prepare(indexStatement(plan, matchFirst) + conditions.sql + limit) && plan != IndexPlan::Plain) {
        plan = IndexPlan::Plain;
        conditions = filterConditions(filter);
        matchFirst = !match.isEmpty();
        q.prepare(indexStatement(plan, matchFirst) + conditions.sql + limit);
    }
    QVariantList values = conditions.values;
    if (matchFirst)
        values.prepend(match);
    return readRows(q, values);
}

// ---------------------------------------------------------------------------
// Word scan. A short prefix such as "s" stands for hundreds of index terms,
// and the index merges all their entries before it yields the first row:
// tens of milliseconds on a million rows, however few rows are wanted. When
// the words are common, reading the newest rows and testing their texts
// finds 200 hits after a few hundred rows instead.

// Tests row texts the way the full-text index would: tokenized by the
// index's own tokenizer (its case folding and diacritics included), every
// word a prefix of some token.
class WordMatcher
{
public:
    // Null unless the full-text table uses the default tokenizer with its
    // default options (which a tokenizer made here without arguments
    // repeats) and each word is exactly one token of it, as in the index's
    // own reading of the quoted term.
    static std::unique_ptr<WordMatcher> create(sqlite3* db, const QStringList& words)
    {
        if (words.isEmpty() || words.size() > 64)
            return nullptr;
        {
            Statement schema(db, QStringLiteral("SELECT sql FROM sqlite_master "
                                                "WHERE type = 'table' AND name = 'transactions_fts'"));
            if (!schema.get() || sqlite3_step(schema.get()) != SQLITE_ROW)
                return nullptr;
            const auto* sql = reinterpret_cast<const char*>(sqlite3_column_text(schema.get(), 0));
            if (!sql || QByteArray(sql).toLower().contains("tokenize"))
                return nullptr;
        }
        fts5_api* api = nullptr;
        {
            Statement probe(db, QStringLiteral("SELECT fts5(?1)"));
            if (!probe.get())
                return nullptr;
            sqlite3_bind_pointer(probe.get(), 1, &api, "fts5_api_ptr", nullptr);
            sqlite3_step(probe.get());
        }
        if (!api || api->iVersion < 2)
            return nullptr;

        std::unique_ptr<WordMatcher> matcher(new WordMatcher);
        void* context = nullptr;
        if (api->xFindTokenizer(api, "unicode61", &context, &matcher->m_api) != SQLITE_OK
            || matcher->m_api.xCreate(context, nullptr, 0, &matcher->m_tokenizer) != SQLITE_OK) {
            matcher->m_tokenizer = nullptr;
            return nullptr;
        }
        for (const QString& word : words) {
            QList<QByteArray> tokens;
            matcher->m_queryTokens = &tokens;
            const QByteArray utf8 = word.toUtf8();
            matcher->m_api.xTokenize(matcher->m_tokenizer, matcher.get(), FTS5_TOKENIZE_QUERY | FTS5_TOKENIZE_PREFIX,
                                     utf8.constData(), int(utf8.size()), &WordMatcher::onToken);
            matcher->m_queryTokens = nullptr;
            if (tokens.size() != 1)
                return nullptr;
            matcher->m_terms.push_back(tokens.first());
        }
        return matcher;
    }

    ~WordMatcher()
    {
        if (m_tokenizer)
            m_api.xDelete(m_tokenizer);
    }
    WordMatcher(const WordMatcher&) = delete;
    WordMatcher& operator=(const WordMatcher&) = delete;

    // The current row's columns first..first+2 (payee, memo, check number).
    bool matches(sqlite3_stmt* s, int first)
    {
        m_missing = allWords();
        for (int c = first; c < first + 3 && m_missing; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(s, c));
            const int size = sqlite3_column_bytes(s, c);
            if (text && size > 0)
                m_api.xTokenize(m_tokenizer, this, FTS5_TOKENIZE_DOCUMENT, text, size, &WordMatcher::onToken);
        }
        return m_missing == 0;
    }
    // The words the last matches() found; all of them when it returned true.
    quint64 found() const { return ~m_missing & allWords(); }

private:
    WordMatcher() = default;

    quint64 allWords() const { return m_terms.size() == 64 ? ~quint64(0) : (quint64(1) << m_terms.size()) - 1; }

    static int onToken(void* context, int, const char* token, int size, int, int)
    {
        auto* self = static_cast<WordMatcher*>(context);
        if (self->m_queryTokens) {
            self->m_queryTokens->append(QByteArray(token, size));
            return SQLITE_OK;
        }
        for (size_t i = 0; i < self->m_terms.size(); ++i) {
            const quint64 bit = quint64(1) << i;
            const QByteArray& term = self->m_terms[i];
            if ((self->m_missing & bit) && size >= term.size()
                && std::memcmp(token, term.constData(), size_t(term.size())) == 0)
                self->m_missing &= ~bit;
        }
        // Every word found: the rest of the text need not be tokenized.
        return self->m_missing ? SQLITE_OK : SQLITE_DONE;
    }

    fts5_tokenizer m_api{};
    Fts5Tokenizer* m_tokenizer = nullptr;
    std::vector<QByteArray> m_terms; // folded tokens of the words
    quint64 m_missing = 0;           // a bit per term the row has not shown yet
    QList<QByteArray>* m_queryTokens = nullptr;
};

void bindValues(sqlite3_stmt* s, const QVariantList& values)
{
    int index = 1;
    for (const QVariant& v : values) {
        if (v.isNull()) {
            sqlite3_bind_null(s, index);
        } else if (v.typeId() == QMetaType::QString) {
            // As UTF-16, as the driver binds a QString.
            const QString text = v.toString();
            sqlite3_bind_text16(s, index, text.utf16(), int(text.size() * sizeof(QChar)), SQLITE_TRANSIENT);
        } else {
            sqlite3_bind_int64(s, index, v.toLongLong());
        }
        ++index;
    }
}

const QLatin1String kScanColumns(
    "SELECT t.rowid, t.payee, t.memo, t.check_number, t.date, t.created_at FROM transactions t ");
constexpr int kTextsColumn = 1; // payee, then memo and check number
constexpr int kDateColumn = 4;
constexpr int kCreatedColumn = 5;

// The order a scan's statement gives its rows: the result order (it stops
// after 200 hits); descending date only (SQLite would sort each date's rows
// first); none (every row is read).
enum class ScanOrder { Full, DateOnly, None };

// A hit's place in the result order, as SQLite orders the stored texts.
struct HitKey
{
    QByteArray date;
    QByteArray created;
    qint64 rowid = 0;

    bool operator<(const HitKey& other) const // newest first
    {
        if (date != other.date)
            return date > other.date;
        if (created != other.created)
            return created > other.created;
        return rowid > other.rowid;
    }
};

struct ScanResult
{
    enum Outcome { Complete, Failed, Unordered } outcome = Failed;
    QList<qint64> hits; // the newest 200 at most, in no particular order
};

// A text column's bytes; false for any other storage class, whose order
// against texts these keys would not repeat.
bool textOf(sqlite3_stmt* s, int column, QByteArray& bytes)
{
    if (sqlite3_column_type(s, column) != SQLITE_TEXT)
        return false;
    bytes = QByteArray(reinterpret_cast<const char*>(sqlite3_column_text(s, column)), sqlite3_column_bytes(s, column));
    return true;
}

// Steps `sql` (columns as kScanColumns) and keeps the newest 200 matching
// rows. In date order only, the date of the hit that reached 200 is read to
// its end, since its later rows may still come first; the hits beyond 200
// are then dropped by their keys (Unordered when a key is not a text).
ScanResult scanRows(sqlite3* db, const QString& sql, const QVariantList& values, WordMatcher& matcher,
                    ScanOrder order)
{
    ScanResult result;
    Statement stmt(db, sql);
    sqlite3_stmt* s = stmt.get();
    if (!s)
        return result;
    bindValues(s, values);
    std::vector<HitKey> keys;
    bool keyed = true;
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        if (keys.size() >= size_t(kLimit) && order != ScanOrder::None) {
            QByteArray date;
            if (order == ScanOrder::Full || !textOf(s, kDateColumn, date) || date != keys.back().date)
                break;
        }
        if (!matcher.matches(s, kTextsColumn))
            continue;
        HitKey key;
        key.rowid = sqlite3_column_int64(s, 0);
        keyed = textOf(s, kDateColumn, key.date) && textOf(s, kCreatedColumn, key.created) && keyed;
        // Dates of another storage class would not tell where a date ends.
        if (!keyed && order == ScanOrder::DateOnly) {
            result.outcome = ScanResult::Unordered;
            return result;
        }
        keys.push_back(std::move(key));
    }
    if (rc != SQLITE_ROW && rc != SQLITE_DONE)
        return result;
    if (keys.size() > size_t(kLimit)) {
        if (!keyed) {
            result.outcome = ScanResult::Unordered;
            return result;
        }
        std::nth_element(keys.begin(), keys.begin() + kLimit, keys.end());
        keys.resize(size_t(kLimit));
    }
    for (const HitKey& key : keys)
        result.hits.append(key.rowid);
    result.outcome = ScanResult::Complete;
    return result;
}

// How often the words match among the newest thousand rows: the rows a scan
// by date reads first.
struct Sample
{
    qint64 rows = 0;
    qint64 hits = 0;                // rows matching every word
    std::vector<qint64> wordHits;   // rows matching each word
};

std::optional<Sample> takeSample(sqlite3* db, WordMatcher& matcher, int words)
{
    Statement stmt(db,
                   kScanColumns + QStringLiteral("INDEXED BY idx_transactions_date ORDER BY t.date DESC LIMIT 1000"));
    sqlite3_stmt* s = stmt.get();
    if (!s)
        return std::nullopt;
    Sample sample;
    sample.wordHits.assign(size_t(words), 0);
    int rc;
    while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
        ++sample.rows;
        if (matcher.matches(s, kTextsColumn))
            ++sample.hits;
        const quint64 found = matcher.found();
        for (int i = 0; i < words; ++i) {
            if (found & (quint64(1) << i))
                ++sample.wordHits[size_t(i)];
        }
    }
    if (rc != SQLITE_DONE)
        return std::nullopt;
    return sample;
}

// Relative costs, measured on a million rows (a unit is about 0.1 µs): a row
// read in index order with its texts tokenized; a full-text entry of a word
// merged (the index merges every entry of a prefix before yielding a row,
// once to count and once to list); a matching row fetched by rowid and
// sorted.
constexpr double kScanRowCost = 10;
constexpr double kIndexEntryCost = 3;
constexpr double kFetchRowCost = 9;

// A share from the sample; half a hit when there is none: rare, not absent.
double share(qint64 hits, qint64 rows)
{
    return qMax(0.5, double(hits)) / double(qMax<qint64>(1, rows));
}

// `categoryRows`: the category's rows when one is chosen (its index is then
// walked and only its matching rows fetched), else the total.
double indexCost(const Sample& sample, double total, double categoryRows)
{
    double entries = 0;
    for (const qint64 hits : sample.wordHits)
        entries += share(hits, sample.rows) * total;
    const double walked = categoryRows < total ? categoryRows : 0;
    return kIndexEntryCost * entries + walked
        + kFetchRowCost * share(sample.hits, sample.rows) * total * (categoryRows / total);
}

enum class ScanPlan { ByDate, ByAccount, ByCategory };

struct ScanChoice
{
    ScanPlan plan = ScanPlan::ByDate;
    double cost = 0;
    // The category tested against its rowid set, built first from its
    // index: a walk in index order probes it before fetching a row, so only
    // the category's rows are read. Row by row otherwise.
    bool categorySet = false;
    double categories = 0; // the category's rows, the total without one
};

// A category row put in its rowid set; an index entry walked and probed
// against it.
constexpr double kSetEntryCost = 2;
constexpr double kProbeCost = 3;

// The date and the account index give the result order, so those scans
// stop after 200 hits: about 200 / share rows, the filters the index does
// not serve thinning them further. The category's rows are all read. The
// counts are bounded: for an account only whether it is small matters (its
// scan stops early anyway), a category is scanned only below the bound.
ScanChoice chooseScanPlan(QSqlDatabase& db, double matchShare, double total, const TransactionSearchFilter& filter)
{
    const double needed = double(kLimit) / matchShare;
    double accounts = total;
    double categories = total;
    constexpr qint64 kSmallAccount = 5000;
    constexpr qint64 kLargeCategory = 20000;
    if (!filter.accountId.isEmpty())
        accounts = double(qMax<qint64>(1, accountRows(db, filter.accountId, kSmallAccount)));
    if (!filter.categoryId.isEmpty())
        categories = double(qMax<qint64>(1, categoryRows(db, filter.categoryId, kLargeCategory)));

    ScanChoice best;
    bool first = true;
    const auto consider = [&](ScanPlan plan, double cost, bool categorySet) {
        if (first || cost < best.cost)
            best = {plan, cost, categorySet, categories};
        first = false;
    };
    // A walk of `walked` rows in index order, the category tested row by
    // row or against its set.
    const auto walk = [&](ScanPlan plan, double walked) {
        consider(plan, kScanRowCost * walked, false);
        if (!filter.categoryId.isEmpty() && categories < total) {
            consider(plan,
                     kSetEntryCost * categories + kProbeCost * walked + kScanRowCost * walked * (categories / total),
                     true);
        }
    };
    walk(ScanPlan::ByDate, qMin(total, needed * (total / accounts) * (total / categories)));
    if (!filter.accountId.isEmpty())
        walk(ScanPlan::ByAccount,
             qMin(accounts < double(kSmallAccount) ? accounts : total, needed * (total / categories)));
    if (!filter.categoryId.isEmpty() && categories < double(kLargeCategory))
        consider(ScanPlan::ByCategory, (kSetEntryCost + kScanRowCost) * categories, true);
    return best;
}

QString scanStatement(ScanPlan plan, const QString& conditions, ScanOrder order)
{
    // The category's rows come from its rowid set (filterConditions).
    const QString index = plan == ScanPlan::ByDate      ? QStringLiteral("INDEXED BY idx_transactions_date")
                          : plan == ScanPlan::ByAccount ? QStringLiteral("INDEXED BY idx_transactions_account_date")
                                                        : QStringLiteral("NOT INDEXED");
    QString sql = kScanColumns + index + QLatin1String(" WHERE t.deleted_at IS NULL") + conditions;
    if (order == ScanOrder::Full)
        sql += kNewestFirst;
    else if (order == ScanOrder::DateOnly)
        sql += QStringLiteral(" ORDER BY t.date DESC");
    return sql;
}

// The rows of the rowids (at most 200) in result order.
QList<RegisterRow> readByRowid(QSqlDatabase& db, const QList<qint64>& rowids)
{
    if (rowids.isEmpty())
        return {};
    QString marks = QStringLiteral("?");
    marks += QStringLiteral(",?").repeated(rowids.size() - 1);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT %1, %2 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id "
                             "WHERE t.rowid IN (%3)")
                  .arg(QLatin1String(Columns::transaction), QLatin1String(kCategoryNameColumn), marks)
              + kNewestFirst);
    QVariantList values;
    values.reserve(rowids.size());
    for (const qint64 rowid : rowids)
        values.append(rowid);
    return readRows(q, values);
}

// Empty when the scan cannot run here, or (unless `forced`) when the index
// is expected to be quicker.
std::optional<QList<RegisterRow>> scanSearch(QSqlDatabase& db, const QStringList& words,
                                             const TransactionSearchFilter& filter, bool forced)
{
    sqlite3* handle = sqliteHandle(db);
    if (!handle)
        return std::nullopt;
    ScanResult scan;
    {
        ConnectionLock lock(handle);
        const std::unique_ptr<WordMatcher> matcher = WordMatcher::create(handle, words);
        if (!matcher)
            return std::nullopt;
        const std::optional<Sample> sample = takeSample(handle, *matcher, int(words.size()));
        if (!sample)
            return std::nullopt;
        if (sample->rows == 0)
            return QList<RegisterRow>(); // no rows at all
        const double total = double(qMax<qint64>(sample->rows, tableSize(db)));
        const ScanChoice choice = chooseScanPlan(db, share(sample->hits, sample->rows), total, filter);
        if (!forced && choice.cost > indexCost(*sample, total, choice.categories))
            return std::nullopt;
        // The account's index gives the whole order; by date SQLite would
        // sort each date's rows first, and the category's rows come unordered.
        const ScanOrder order = choice.plan == ScanPlan::ByDate      ? ScanOrder::DateOnly
                                : choice.plan == ScanPlan::ByAccount ? ScanOrder::Full
                                                                     : ScanOrder::None;
        const Conditions conditions = filterConditions(filter, choice.categorySet);
        scan = scanRows(handle, scanStatement(choice.plan, conditions.sql, order), conditions.values, *matcher, order);
        if (scan.outcome == ScanResult::Unordered) {
            scan = scanRows(handle, scanStatement(choice.plan, conditions.sql, ScanOrder::Full), conditions.values,
                            *matcher, ScanOrder::Full);
        }
        if (scan.outcome != ScanResult::Complete)
            return std::nullopt;
    }
    return readByRowid(db, scan.hits);
}

} // namespace

QStringList searchWords(const QString& text)
{
    // Code points, not UTF-16 units: a letter outside the Basic Multilingual
    // Plane is a surrogate pair whose halves are no letters on their own.
    QStringList words;
    QString word;
    const QList<uint> codePoints = text.toUcs4(); // broken pairs become U+FFFD
    for (const uint cp : codePoints) {
        if (QChar::isLetterOrNumber(cp)) {
            word += QChar::fromUcs4(cp);
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty())
        words.append(word);
    return words;
}

QString buildFtsMatchExpression(const QString& text)
{
    // Quoted, so that words such as AND, OR, NOT or NEAR stay search words
    // instead of operators; words hold no quote to escape.
    QStringList terms = searchWords(text);
    for (QString& term : terms)
        term = QLatin1Char('"') + term + QLatin1String("\"*");
    return terms.join(QLatin1Char(' '));
}

bool canScanWords(QSqlDatabase& db, const QString& text)
{
    sqlite3* handle = sqliteHandle(db);
    return handle && WordMatcher::create(handle, searchWords(text)) != nullptr;
}

QList<RegisterRow> searchTransactions(QSqlDatabase& db, const QString& text, const TransactionSearchFilter& filter,
                                      SearchMethod method)
{
    const QStringList words = searchWords(text);
    if (!words.isEmpty() && method != SearchMethod::FullTextIndex) {
        if (std::optional<QList<RegisterRow>> rows =
                scanSearch(db, words, filter, method == SearchMethod::WordScan))
            return *rows;
    }
    return indexSearch(db, buildFtsMatchExpression(text), filter);
}
