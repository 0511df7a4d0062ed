#include "data/registerreader.h"

#include "data/sqlitedirect.h"
#include "data/sqlvalue.h"

#include <QHash>
#include <QSet>
#include <QSqlQuery>

#include <cstring>
#include <optional>

const char* const kCategoryNameColumn =
    "CASE WHEN c.parent_id IS NOT NULL THEN COALESCE((SELECT p.name FROM categories p WHERE p.id = c.parent_id), "
    "'') || ' > ' || c.name ELSE c.name END AS category_name";

namespace {

// ---------------------------------------------------------------------------
// Stored shapes parsed directly. Dates are stored as "yyyy-MM-dd" and stamps
// as "yyyy-MM-ddTHH:mm:ssZ"; for texts of exactly that shape these give what
// the ISO parsers of SqlValue give, far quicker. Any other text is left to
// those parsers (an empty optional here).

inline char16_t unit(QChar c) { return c.unicode(); }
inline char16_t unit(char c) { return char16_t(uchar(c)); }

template <typename Char>
int digits(const Char* p, int n)
{
    int v = 0;
    for (int i = 0; i < n; ++i) {
        const char16_t c = unit(p[i]);
        if (c < u'0' || c > u'9')
            return -1;
        v = v * 10 + (c - u'0');
    }
    return v;
}

template <typename Char>
QDate dateAt(const Char* p)
{
    if (unit(p[4]) != u'-' || unit(p[7]) != u'-')
        return QDate();
    const int y = digits(p, 4), m = digits(p + 5, 2), d = digits(p + 8, 2);
    if (y < 0 || m < 0 || d < 0 || !QDate::isValid(y, m, d))
        return QDate();
    return QDate(y, m, d);
}

template <typename Char>
std::optional<QDate> quickDate(const Char* p, qsizetype n)
{
    if (n != 10)
        return std::nullopt;
    const QDate day = dateAt(p);
    return day.isValid() ? std::optional<QDate>(day) : std::nullopt;
}

template <typename Char>
std::optional<QDateTime> quickStamp(const Char* p, qsizetype n)
{
    if (n != 20 || unit(p[10]) != u'T' || unit(p[13]) != u':' || unit(p[16]) != u':' || unit(p[19]) != u'Z')
        return std::nullopt;
    const QDate day = dateAt(p);
    const int h = digits(p + 11, 2), m = digits(p + 14, 2), s = digits(p + 17, 2);
    if (!day.isValid() || h < 0 || m < 0 || s < 0 || !QTime::isValid(h, m, s))
        return std::nullopt;
    // The same value as QDateTime(day, QTime(h, m, s), Qt::UTC), built
    // without its calendar arithmetic.
    constexpr qint64 unixEpochDay = 2440588; // Julian day of 1970-01-01
    const qint64 seconds = (day.toJulianDay() - unixEpochDay) * 86400 + h * 3600 + m * 60 + s;
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000, Qt::UTC);
}

// ---------------------------------------------------------------------------
// QSqlQuery reader: the register's fallback and the search.

class QueryRowReader
{
public:
    void read(const QSqlQuery& q, RegisterRow& t)
    {
        t.id = q.value(0).toString();
        t.accountId = shared(q.value(1).toString());
        t.date = date(q.value(2).toString());
        t.payee = shared(q.value(3).toString());
        t.memo = shared(q.value(4).toString());
        t.amount = q.value(5).toLongLong();
        t.categoryId = shared(q.value(6).toString());
        t.checkNumber = q.value(7).toString();
        t.cleared = q.value(8).toBool();
        t.reconciled = q.value(9).toBool();
        t.transferLinkId = q.value(10).toString();
        t.transferDestAccountId = shared(q.value(11).toString());
        t.isSplit = q.value(12).toBool();
        t.recurringId = q.value(13).toString();
        t.version = q.value(14).toInt();
        t.syncStatus = syncStatusFromString(q.value(15).toString());
        t.serverId = q.value(16).toString();
        t.createdAt = stamp(q.value(17).toString(), m_created);
        t.updatedAt = stamp(q.value(18).toString(), m_updated);
        const QString deleted = q.value(19).toString();
        if (deleted.isEmpty())
            t.deletedAt.reset();
        else
            t.deletedAt = SqlValue::toTimestamp(deleted);
        t.categoryName = shared(q.value(20).toString());
    }

private:
    // One copy of each repeated text (account, payee, memo, category) for
    // the whole list instead of one allocation per row.
    QString shared(const QString& text)
    {
        if (text.isEmpty())
            return text;
        const auto it = m_pool.constFind(text);
        if (it != m_pool.cend())
            return *it;
        m_pool.insert(text);
        return text;
    }

    struct Cached
    {
        QString text;
        QDateTime value;
    };

    // Rows arrive date-ordered, so a date or stamp often repeats the
    // previous row's and its parsed value is reused.
    QDate date(const QString& text)
    {
        if (text != m_dateText) {
            m_dateText = text;
            const std::optional<QDate> quick = quickDate(text.constData(), text.size());
            m_date = quick ? *quick : SqlValue::toDate(text);
        }
        return m_date;
    }

    static QDateTime stamp(const QString& text, Cached& cache)
    {
        if (text != cache.text) {
            cache.text = text;
            const std::optional<QDateTime> quick = quickStamp(text.constData(), text.size());
            cache.value = quick ? *quick : SqlValue::toTimestamp(text);
        }
        return cache.value;
    }

    QSet<QString> m_pool;
    QString m_dateText;
    QDate m_date;
    Cached m_created;
    Cached m_updated;
};

QString registerStatement(bool withCategory)
{
    QString sql = QStringLiteral("SELECT %1").arg(QLatin1String(Columns::transaction));
    if (withCategory) {
        sql += QStringLiteral(", %1 FROM transactions t LEFT JOIN categories c ON t.category_id = c.id ")
                   .arg(QLatin1String(kCategoryNameColumn));
    } else {
        sql += QStringLiteral(" FROM transactions t ");
    }
    // The rowid keeps rows of one date stamped in the same second in
    // insertion order. Index idx_transactions_account_date yields exactly
    // this order, so the database sorts nothing.
    return sql
        + QStringLiteral("WHERE t.account_id = ? AND t.deleted_at IS NULL "
                         "ORDER BY t.date ASC, t.created_at ASC, t.rowid ASC");
}

// ---------------------------------------------------------------------------
// Direct reader. Stepping 100,000 rows through QSqlQuery costs more than the
// query itself (a QVariant and a UTF-16 copy per value); here each value is
// taken as SQLite stores it and repeated texts are converted once. Every
// conversion gives what Qt's SQLite driver and QVariant would.

// Something converted from a short stored text (a date or a stamp), kept
// with a copy of that text's bytes: rows arrive date-ordered, so the next
// row's text often repeats and needs no parsing.
template <typename Converted>
class Kept
{
public:
    bool matches(const QByteArray& raw) const
    {
        return m_size >= 0 && raw.size() == m_size && std::memcmp(raw.constData(), m_bytes, size_t(m_size)) == 0;
    }
    const Converted& value() const { return m_value; }
    const Converted& keep(const QByteArray& raw, const Converted& value)
    {
        m_size = raw.size() <= qsizetype(sizeof(m_bytes)) ? raw.size() : -1;
        if (m_size > 0)
            std::memcpy(m_bytes, raw.constData(), size_t(m_size));
        m_value = value;
        return m_value;
    }

private:
    char m_bytes[32];
    qsizetype m_size = -1;
    Converted m_value;
};

QDate toDate(const StoredValue& value, Kept<QDate>& last)
{
    if (value.type != SQLITE_TEXT)
        return SqlValue::toDate(value.text());
    const QByteArray raw = value.raw();
    if (last.matches(raw))
        return last.value();
    const std::optional<QDate> quick = quickDate(raw.constData(), raw.size());
    if (quick)
        return last.keep(raw, *quick);
    const QByteArray bytes(raw.constData(), raw.size()); // copied first: converting may move the bytes
    return last.keep(bytes, SqlValue::toDate(value.text()));
}

// `other` is the row's other stamp column: updated_at mostly equals
// created_at.
QDateTime toStamp(const StoredValue& value, Kept<QDateTime>& last, const Kept<QDateTime>* other = nullptr)
{
    if (value.type != SQLITE_TEXT)
        return SqlValue::toTimestamp(value.text());
    const QByteArray raw = value.raw();
    if (last.matches(raw))
        return last.value();
    if (other && other->matches(raw))
        return last.keep(raw, other->value());
    const std::optional<QDateTime> quick = quickStamp(raw.constData(), raw.size());
    if (quick)
        return last.keep(raw, *quick);
    const QByteArray bytes(raw.constData(), raw.size()); // copied first: converting may move the bytes
    return last.keep(bytes, SqlValue::toTimestamp(value.text()));
}

// Category id and text per stored category id. The texts are read once with
// the very expression the register statement would evaluate per row, so the
// rows need no join and no subquery each. The join matches equal values of
// equal storage class, so text and blob ids are kept apart; a NULL id
// matches nothing.
class CategoryColumn
{
public:
    bool load(sqlite3* db)
    {
        Statement stmt(db, QStringLiteral("SELECT c.id, %1 FROM categories c").arg(QLatin1String(kCategoryNameColumn)));
        sqlite3_stmt* s = stmt.get();
        if (!s)
            return false;
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            const StoredValue id(s, 0);
            if (id.type == SQLITE_TEXT || id.type == SQLITE_BLOB) {
                const QByteArray raw = id.raw();
                const QByteArray key(raw.constData(), raw.size());
                (id.type == SQLITE_TEXT ? m_byTextId : m_byBlobId).insert(key, StoredValue(s, 1).text());
            }
        }
        return rc == SQLITE_DONE;
    }

    void read(const StoredValue& value, RegisterRow& t)
    {
        if (value.type == SQLITE_NULL)
            return;
        const QByteArray raw = value.raw();
        if (value.type != SQLITE_TEXT) {
            t.categoryName = m_byBlobId.value(raw);
            t.categoryId = value.text();
            return;
        }
        auto it = m_seen.constFind(raw);
        if (it == m_seen.cend()) {
            const QByteArray key(raw.constData(), raw.size());
            it = m_seen.insert(key, {value.text(), m_byTextId.value(key)});
        }
        t.categoryId = it->id;
        t.categoryName = it->name;
    }

private:
    struct Seen
    {
        QString id;
        QString name;
    };
    QHash<QByteArray, QString> m_byTextId;
    QHash<QByteArray, QString> m_byBlobId;
    QHash<QByteArray, Seen> m_seen;
};

} // namespace

QList<RegisterRow> readRegisterRows(QSqlQuery& q)
{
    QList<RegisterRow> rows;
    QueryRowReader reader;
    while (q.next()) {
        rows.emplace_back();
        reader.read(q, rows.last());
    }
    return rows;
}

void readRegisterRowsWithQuery(QSqlDatabase& db, const QString& accountId, QList<RegisterRow>& rows)
{
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(registerStatement(true));
    q.addBindValue(SqlValue::text(accountId));
    q.exec();
    rows.append(readRegisterRows(q));
}

bool readRegisterRowsDirect(QSqlDatabase& db, const QString& accountId, QList<RegisterRow>& rows)
{
    sqlite3* handle = sqliteHandle(db);
    if (!handle)
        return false;
    Statement stmt(handle, registerStatement(false));
    sqlite3_stmt* s = stmt.get();
    CategoryColumn category;
    if (!s || !category.load(handle))
        return false;
    // Bound as UTF-16, as the driver binds a QString.
    sqlite3_bind_text16(s, 1, accountId.utf16(), int(accountId.size() * sizeof(QChar)), SQLITE_TRANSIENT);

    TextColumn account, payee, memo, transferAccount, recurring, syncStatus;
    Kept<QDate> date;
    Kept<QDateTime> created, updated;
    while (sqlite3_step(s) == SQLITE_ROW) {
        rows.emplace_back();
        RegisterRow& t = rows.last();
        t.id = StoredValue(s, 0).text();
        t.accountId = account.text(StoredValue(s, 1));
        t.date = toDate(StoredValue(s, 2), date);
        t.payee = payee.text(StoredValue(s, 3));
        t.memo = memo.text(StoredValue(s, 4));
        t.amount = StoredValue(s, 5).toInt64();
        category.read(StoredValue(s, 6), t);
        t.checkNumber = StoredValue(s, 7).text();
        t.cleared = StoredValue(s, 8).toFlag();
        t.reconciled = StoredValue(s, 9).toFlag();
        t.transferLinkId = StoredValue(s, 10).text();
        t.transferDestAccountId = transferAccount.text(StoredValue(s, 11));
        t.isSplit = StoredValue(s, 12).toFlag();
        t.recurringId = recurring.text(StoredValue(s, 13));
        t.version = StoredValue(s, 14).toInt();
        t.syncStatus = syncStatusFromString(syncStatus.text(StoredValue(s, 15)));
        t.serverId = StoredValue(s, 16).text();
        t.createdAt = toStamp(StoredValue(s, 17), created);
        t.updatedAt = toStamp(StoredValue(s, 18), updated, &created);
        const QString deleted = StoredValue(s, 19).text();
        if (!deleted.isEmpty())
            t.deletedAt = SqlValue::toTimestamp(deleted);
    }
    return true;
}
