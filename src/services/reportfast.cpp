#include "services/reportfast.h"

#include "data/sqlvalue.h"
#include "data/sqlitedirect.h"

#include <QHash>
#include <QSqlDatabase>

#include <algorithm>
#include <limits>
#include <map>
#include <numeric>
#include <tuple>
#include <vector>

namespace ReportFast {

namespace {

const QString kUncategorized = QStringLiteral("Uncategorized");

struct Sum
{
    qint64 total = 0;
    int count = 0;
    QString text; // the key as the driver gives it
};

// A stored text's bytes that outlive the statement's row.
QByteArray copyOf(const QByteArray& raw)
{
    return QByteArray(raw.constData(), raw.size());
}

// Sums integer amounts per key as GROUP BY finds them: text keys are one
// group when their bytes are equal (the BINARY collation), NULL keys one
// group of their own. Refuses (false) whatever plain addition might not
// give as SQLite's SUM gives it: an amount that is not an integer, a key
// stored otherwise than as text or NULL, and amounts whose magnitudes add
// up past the 64-bit range, where some order of addition would overflow
// (an error in SQLite). Below that bound no order of addition overflows, so
// the sums are exact whatever the order of the rows.
class Grouper
{
public:
    bool add(const StoredValue& key, const StoredValue& amount)
    {
        if (!amount.isInteger())
            return false;
        const qint64 a = amount.integer();
        const quint64 magnitude = a < 0 ? quint64(0) - quint64(a) : quint64(a);
        if (magnitude > kLimit - m_magnitude)
            return false;
        m_magnitude += magnitude;
        Sum* sum = nullptr;
        if (key.isNull()) {
            sum = &nullGroup;
            hasNullGroup = true;
        } else if (key.isText()) {
            const QByteArray raw = key.raw();
            auto it = groups.find(raw);
            if (it == groups.end()) {
                // Copied before converting: the conversion may move the bytes.
                it = groups.insert(copyOf(raw), Sum());
                it->text = key.text();
            }
            sum = &*it;
        } else {
            return false;
        }
        sum->total += a;
        ++sum->count;
        return true;
    }

    QHash<QByteArray, Sum> groups;
    Sum nullGroup;
    bool hasNullGroup = false;

private:
    static constexpr quint64 kLimit = quint64(std::numeric_limits<qint64>::max());
    quint64 m_magnitude = 0;
};

// Steps a statement of (key, amount) rows into the grouper.
bool group(sqlite3* db, const QString& sql, const QList<QString>& values, Grouper& grouper)
{
    Statement s(db, sql, values);
    if (!s.isValid())
        return false;
    while (s.next()) {
        if (!grouper.add(s.value(0), s.value(1)))
            return false;
    }
    return s.done();
}

// A text value as a group key (its bytes) with the text the driver gives.
struct Named
{
    QByteArray key;
    QString text;
};

struct CategoryInfo
{
    Named name;
    bool hasTax = false; // tax_category is not NULL
    Named tax;
};

// The categories a transaction's category id joins to, by id. The join
// matches equal values of equal storage class: a NULL id matches nothing
// and a blob id no text key (the grouper refuses blob keys), so only text
// ids are kept. A name or tax key stored as anything but text (or a NULL
// tax key) would group apart from equal-looking texts: refused.
bool loadCategories(sqlite3* db, const QString& sql, QHash<QByteArray, CategoryInfo>& out)
{
    Statement s(db, sql, {});
    if (!s.isValid())
        return false;
    while (s.next()) {
        const StoredValue id = s.value(0);
        if (!id.isText())
            continue;
        const StoredValue name = s.value(1);
        const StoredValue tax = s.value(2);
        if (!name.isText() || !(tax.isText() || tax.isNull()))
            return false;
        CategoryInfo info;
        // Copied before converting: the conversion may move the bytes.
        info.name.key = copyOf(name.raw());
        info.name.text = name.text();
        info.hasTax = tax.isText();
        if (info.hasTax) {
            info.tax.key = copyOf(tax.raw());
            info.tax.text = tax.text();
        }
        out.insert(copyOf(id.raw()), info);
    }
    return s.done();
}

const QString kAllCategories =
    QLatin1String("SELECT id, name, tax_category FROM (") + categoryLabels() + QLatin1Char(')');

// Sums per COALESCE(c.name, 'Uncategorized') of the LEFT JOIN with the
// category labels, ascending by the label's bytes (GROUP BY order).
std::optional<std::vector<std::pair<Named, Sum>>> sumsByCategoryName(sqlite3* db, const QString& sql,
                                                                     const QList<QString>& values)
{
    Grouper grouper;
    QHash<QByteArray, CategoryInfo> categories;
    if (!group(db, sql, values, grouper) || !loadCategories(db, kAllCategories, categories))
        return std::nullopt;
    std::map<QByteArray, std::pair<Named, Sum>> byName;
    auto addTo = [&byName](const Named& name, const Sum& sum) {
        auto& entry = byName[name.key];
        entry.first = name;
        entry.second.total += sum.total;
        entry.second.count += sum.count;
    };
    const Named uncategorized{kUncategorized.toUtf8(), kUncategorized};
    if (grouper.hasNullGroup)
        addTo(uncategorized, grouper.nullGroup);
    for (auto it = grouper.groups.cbegin(); it != grouper.groups.cend(); ++it) {
        const auto category = categories.constFind(it.key());
        addTo(category == categories.cend() ? uncategorized : category->name, it.value());
    }
    std::vector<std::pair<Named, Sum>> sums;
    sums.reserve(byName.size());
    for (auto& entry : byName)
        sums.push_back(std::move(entry.second));
    return sums;
}

// ORDER BY SUM(...) ASC over groups that come in key order: SQLite's sort
// keeps equal sums in that order.
void sortBySum(std::vector<std::pair<Named, Sum>>& sums)
{
    std::stable_sort(sums.begin(), sums.end(),
                     [](const auto& a, const auto& b) { return a.second.total < b.second.total; });
}

} // namespace

Filter filter(QDate from, QDate to, const QString& accountId, const QString& categoryId)
{
    // The dates bind as SqlValue::date binds them.
    Filter f;
    f.values = {SqlValue::date(from).toString(), SqlValue::date(to).toString()};
    if (!accountId.isEmpty()) {
        f.clause += QLatin1String(" AND t.account_id = ?");
        f.values.append(accountId);
    }
    if (!categoryId.isEmpty()) {
        f.clause += QLatin1String(" AND t.category_id = ?");
        f.values.append(categoryId);
    }
    return f;
}

QString categoryAmounts(bool withTransfers)
{
    // The lines are looked up only for split transactions: for any other
    // the key is NULL, which SQLite tests before it touches the index.
    // Unary plus keeps the planner off the transfer-link index.
    return QStringLiteral("SELECT CASE WHEN s.transaction_id IS NULL THEN t.category_id ELSE s.category_id END AS "
                          "category_id, CASE WHEN s.transaction_id IS NULL THEN t.amount ELSE s.amount END AS amount "
                          "FROM transactions t LEFT JOIN split_lines s ON s.transaction_id = CASE WHEN t.is_split <> 0 "
                          "THEN t.id END WHERE t.deleted_at IS NULL")
        + (withTransfers ? QString()
                         : QStringLiteral(" AND (+t.transfer_link_id IS NULL OR +t.transfer_link_id = '')"))
        + QLatin1String(" AND t.date >= ? AND t.date <= ?");
}

QString categoryLabels()
{
    // The shared names are found once; each category's parent is one
    // lookup by its key. Deleted categories count: their past rows must not
    // merge with a live namesake's once the other one is gone.
    return QStringLiteral(
        "SELECT c.id AS id, CASE WHEN p.id IS NOT NULL AND c.name IN (SELECT name FROM categories GROUP BY name "
        "HAVING COUNT(*) > 1) THEN p.name || ' > ' || c.name ELSE c.name END AS name, c.tax_category AS "
        "tax_category, c.is_tax_relevant AS is_tax_relevant FROM categories c LEFT JOIN categories p ON p.id = "
        "c.parent_id");
}

std::optional<QList<CategorySpendingRow>> categorySpending(QSqlDatabase* database, QDate from, QDate to,
                                                           const QString& accountId)
{
    sqlite3* db = sqliteUtf8Handle(database);
    if (!db)
        return std::nullopt;
    const Filter f = filter(from, to, accountId);
    auto sums = sumsByCategoryName(db,
                                   QLatin1String("SELECT category_id, amount FROM (") + categoryAmounts(false)
                                       + f.clause + QLatin1String(") WHERE amount < 0"),
                                   f.values);
    if (!sums)
        return std::nullopt;
    sortBySum(*sums);
    QList<CategorySpendingRow> rows;
    rows.reserve(qsizetype(sums->size()));
    for (const auto& [name, sum] : *sums)
        rows.append({name.text, sum.total});
    return rows;
}

std::optional<QMap<QString, qint64>> categoryTotals(QSqlDatabase* database, QDate from, QDate to,
                                                    const QString& accountId)
{
    sqlite3* db = sqliteUtf8Handle(database);
    if (!db)
        return std::nullopt;
    const Filter f = filter(from, to, accountId);
    const auto sums = sumsByCategoryName(
        db, QLatin1String("SELECT category_id, amount FROM (") + categoryAmounts(true) + f.clause + QLatin1Char(')'),
        f.values);
    if (!sums)
        return std::nullopt;
    QMap<QString, qint64> totals;
    for (const auto& [name, sum] : *sums)
        totals.insert(name.text, sum.total);
    return totals;
}

std::optional<QList<PayeeSummaryRow>> payeeSummary(QSqlDatabase* database, QDate from, QDate to,
                                                   const QString& accountId)
{
    sqlite3* db = sqliteUtf8Handle(database);
    if (!db)
        return std::nullopt;
    const Filter f = filter(from, to, accountId);
    Grouper grouper;
    if (!group(db,
               QStringLiteral("SELECT t.payee, t.amount FROM transactions t WHERE t.deleted_at IS NULL AND t.date >= "
                              "? AND t.date <= ?")
                   + f.clause,
               f.values, grouper))
        return std::nullopt;
    // The payee column is NOT NULL; a NULL group is left to the statement.
    if (grouper.hasNullGroup)
        return std::nullopt;
    std::vector<std::pair<Named, Sum>> sums;
    sums.reserve(size_t(grouper.groups.size()));
    for (auto it = grouper.groups.cbegin(); it != grouper.groups.cend(); ++it)
        sums.push_back({{it.key(), it->text}, it.value()});
    std::sort(sums.begin(), sums.end(), [](const auto& a, const auto& b) { return a.first.key < b.first.key; });
    sortBySum(sums);
    QList<PayeeSummaryRow> rows;
    rows.reserve(qsizetype(sums.size()));
    for (const auto& [payee, sum] : sums)
        rows.append({payee.text, sum.total, sum.count});
    return rows;
}

std::optional<QList<TaxReportRow>> taxReport(QSqlDatabase* database, QDate from, QDate to)
{
    sqlite3* db = sqliteUtf8Handle(database);
    if (!db)
        return std::nullopt;
    const Filter f = filter(from, to, QString());
    // The join to a tax-relevant category as a membership test.
    Grouper grouper;
    QHash<QByteArray, CategoryInfo> categories;
    if (!group(db,
               QLatin1String("SELECT category_id, amount FROM (") + categoryAmounts(true)
                   + QLatin1String(") WHERE category_id IN (SELECT id FROM categories WHERE is_tax_relevant = 1)"),
               f.values, grouper)
        || !loadCategories(db, kAllCategories + QLatin1String(" WHERE is_tax_relevant = 1"), categories))
        return std::nullopt;
    // GROUP BY name and tax key, ORDER BY tax key (NULL first), then name.
    using Key = std::tuple<bool, QByteArray, QByteArray>;
    std::map<Key, TaxReportRow> byKey;
    for (auto it = grouper.groups.cbegin(); it != grouper.groups.cend(); ++it) {
        const auto category = categories.constFind(it.key());
        if (category == categories.cend())
            return std::nullopt;
        TaxReportRow& row = byKey[Key(category->hasTax, category->tax.key, category->name.key)];
        row.category = category->name.text;
        row.taxCategory = category->tax.text;
        row.amount += it.value().total;
    }
    QList<TaxReportRow> rows;
    rows.reserve(qsizetype(byKey.size()));
    for (const auto& entry : byKey)
        rows.append(entry.second);
    return rows;
}

std::optional<QList<MonthlyFlowRow>> monthlyFlows(QSqlDatabase* database, QDate from, QDate to,
                                                  const QString& accountId, bool withTransfers)
{
    sqlite3* db = sqliteUtf8Handle(database);
    if (!db)
        return std::nullopt;
    const Filter f = filter(from, to, accountId);
    // Days first: in the date index's order they need no sort. Per day only
    // the sum n and the sum of magnitudes m: inflow = (m + n) / 2 and
    // outflow = n - inflow. When m is an integer that did not overflow,
    // every amount was an integer and no partial sum in any order
    // overflows, so the regrouped sums are the statement's exactly.
    const QString sql =
        QStringLiteral("SELECT strftime('%Y-%m', d) AS month, SUM(n), SUM(m) FROM (SELECT t.date AS d, "
                       "SUM(t.amount) AS n, SUM(ABS(t.amount)) AS m FROM transactions t WHERE t.deleted_at IS NULL")
        // Unary plus keeps the planner off the transfer-link index, whose
        // order would need every row sorted again.
        + (withTransfers ? QString() : QStringLiteral(" AND (+t.transfer_link_id IS NULL OR +t.transfer_link_id = '')"))
        + QLatin1String(" AND t.date >= ? AND t.date <= ?") + f.clause
        + QLatin1String(" GROUP BY t.date) GROUP BY month ORDER BY month");
    Statement s(db, sql, f.values);
    if (!s.isValid())
        return std::nullopt;
    QList<MonthlyFlowRow> rows;
    while (s.next()) {
        if (!s.value(1).isInteger() || !s.value(2).isInteger())
            return std::nullopt;
        const qint64 n = s.value(1).integer();
        const qint64 m = s.value(2).integer();
        MonthlyFlowRow r;
        r.month = s.value(0).text();
        // m + n is twice the inflow, below 2^64: exact in unsigned arithmetic.
        r.inflow = qint64((quint64(m) + quint64(n)) / 2);
        r.outflow = n - r.inflow;
        r.net = n;
        rows.append(r);
    }
    if (!s.done())
        return std::nullopt;
    return rows;
}

std::optional<QList<TransactionListRow>> transactionList(QSqlDatabase* database, QDate from, QDate to,
                                                         const QString& accountId, const QString& categoryId)
{
    sqlite3* db = sqliteUtf8Handle(database);
    if (!db)
        return std::nullopt;
    // The two joins as lookups in the few accounts and categories.
    QHash<QByteArray, QString> accountNames;
    {
        Statement s(db, QStringLiteral("SELECT id, name FROM accounts"), {});
        if (!s.isValid())
            return std::nullopt;
        while (s.next()) {
            if (s.value(0).isText())
                accountNames.insert(copyOf(s.value(0).raw()), s.value(1).text());
        }
        if (!s.done())
            return std::nullopt;
    }
    QHash<QByteArray, QString> categoryNames;
    {
        Statement s(db, QLatin1String("SELECT id, COALESCE(name, '') FROM (") + categoryLabels() + QLatin1Char(')'),
                    {});
        if (!s.isValid())
            return std::nullopt;
        while (s.next()) {
            if (s.value(0).isText())
                categoryNames.insert(copyOf(s.value(0).raw()), s.value(1).text());
        }
        if (!s.done())
            return std::nullopt;
    }

    // Ordered by date only, which the index the statement walks gives
    // without a sort; the payee order inside each day follows below, as
    // SQLite's sort of the right part of ORDER BY t.date, t.payee would.
    const Filter f = filter(from, to, accountId, categoryId);
    Statement s(db,
                QStringLiteral("SELECT t.date, t.account_id, t.payee, t.category_id, t.memo, t.amount FROM "
                               "transactions t WHERE t.deleted_at IS NULL AND t.date >= ? AND t.date <= ?")
                    + f.clause + QLatin1String(" ORDER BY t.date"),
                f.values);
    if (!s.isValid())
        return std::nullopt;
    QList<TransactionListRow> rows;
    std::vector<int> payeeOf;  // index into payees, per row
    std::vector<int> dayStart; // first row of each date
    QHash<QByteArray, int> payeeIndex;
    std::vector<QByteArray> payees;
    std::vector<QString> payeeTexts;
    QByteArray lastDate;
    TextColumn dates, memos;
    const QString empty = QLatin1String("");
    while (s.next()) {
        const StoredValue date = s.value(0);
        const StoredValue account = s.value(1);
        const StoredValue payee = s.value(2);
        const StoredValue category = s.value(3);
        const StoredValue memo = s.value(4);
        // Keys of another storage class would compare and join otherwise.
        if (!date.isText() || !payee.isText()
            || !(account.isText() || account.isNull())
            || !(category.isText() || category.isNull()))
            return std::nullopt;
        const QByteArray rawDate = date.raw();
        if (rows.isEmpty() || rawDate != lastDate) {
            dayStart.push_back(int(rows.size()));
            lastDate = copyOf(rawDate);
        }
        const QByteArray rawPayee = payee.raw();
        auto known = payeeIndex.constFind(rawPayee);
        if (known == payeeIndex.cend()) {
            payees.push_back(copyOf(rawPayee));
            known = payeeIndex.insert(payees.back(), int(payees.size()) - 1);
            payeeTexts.push_back(payee.text());
        }
        payeeOf.push_back(*known);

        TransactionListRow& r = rows.emplace_back();
        r.date = dates.text(date);
        if (account.isText())
            r.accountName = accountNames.value(account.raw());
        r.payee = payeeTexts[size_t(*known)];
        r.categoryName =
            category.isText() ? categoryNames.value(category.raw(), empty) : empty;
        r.memo = memo.isNull() ? empty : memos.text(memo);
        r.amount = s.value(5).toInt64();
    }
    if (!s.done())
        return std::nullopt;

    // Payees in BINARY order as ranks, then a stable sort of each day: equal
    // payees keep the order the index gave them.
    std::vector<int> byBytes(payees.size());
    std::iota(byBytes.begin(), byBytes.end(), 0);
    std::sort(byBytes.begin(), byBytes.end(), [&](int a, int b) { return payees[size_t(a)] < payees[size_t(b)]; });
    std::vector<int> rank(payees.size());
    for (size_t i = 0; i < byBytes.size(); ++i)
        rank[size_t(byBytes[i])] = int(i);
    dayStart.push_back(int(rows.size()));
    std::vector<int> order;
    QList<TransactionListRow> day;
    for (size_t d = 0; d + 1 < dayStart.size(); ++d) {
        const int begin = dayStart[d], end = dayStart[d + 1];
        auto byPayee = [&](int a, int b) {
            return rank[size_t(payeeOf[size_t(a)])] < rank[size_t(payeeOf[size_t(b)])];
        };
        order.resize(size_t(end - begin));
        std::iota(order.begin(), order.end(), begin);
        if (std::is_sorted(order.begin(), order.end(), byPayee))
            continue;
        std::stable_sort(order.begin(), order.end(), byPayee);
        day.clear();
        for (int i : order)
            day.append(std::move(rows[i]));
        for (int i = begin; i < end; ++i)
            rows[i] = std::move(day[i - begin]);
    }
    return rows;
}

} // namespace ReportFast
