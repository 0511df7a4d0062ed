#include "data/sqlitedirect.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlQuery>
#include <QVariant>

#include <optional>

namespace {

QString utf16Text(sqlite3_value* value)
{
    const void* p = sqlite3_value_text16(value);
    return QString(static_cast<const QChar*>(p), sqlite3_value_bytes16(value) / int(sizeof(QChar)));
}

bool isAscii(const QByteArray& bytes)
{
    unsigned char bits = 0;
    for (const char c : bytes)
        bits |= uchar(c);
    return bits < 0x80;
}

bool storesUtf8(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    bool utf8 = false;
    if (sqlite3_prepare_v2(db, "PRAGMA encoding", -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        utf8 = qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "UTF-8") == 0;
    sqlite3_finalize(stmt);
    return utf8;
}

} // namespace

bool sameSqliteBuild(const QString& sourceId, const QStringList& compileOptions)
{
    QStringList linked;
    for (int i = 0; const char* option = sqlite3_compileoption_get(i); ++i)
        linked.append(QString::fromUtf8(option));
    return sourceId == QString::fromUtf8(sqlite3_sourceid()) && compileOptions == linked;
}

bool sharesSqliteLibrary(QSqlDatabase& db)
{
    // The plugin is loaded once per process, so its answer holds for every
    // connection; only an answer that was read is kept.
    static std::optional<bool> shared;
    if (shared)
        return *shared;
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT sqlite_source_id()")) || !q.next())
        return false;
    const QString sourceId = q.value(0).toString();
    QStringList options;
    if (!q.exec(QStringLiteral("PRAGMA compile_options")))
        return false;
    while (q.next())
        options.append(q.value(0).toString());
    shared = sameSqliteBuild(sourceId, options);
    return *shared;
}

sqlite3* sqliteHandle(QSqlDatabase& db)
{
    const QSqlDriver* driver = db.driver();
    const QVariant handle = driver && db.isOpen() ? driver->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3* raw = *static_cast<sqlite3* const*>(handle.constData());
    return raw && sharesSqliteLibrary(db) ? raw : nullptr;
}

sqlite3* sqliteUtf8Handle(QSqlDatabase* db)
{
    sqlite3* raw = db ? sqliteHandle(*db) : nullptr;
    return raw && storesUtf8(raw) ? raw : nullptr;
}

QByteArray StoredValue::raw() const
{
    const void* p = type == SQLITE_TEXT ? static_cast<const void*>(sqlite3_value_text(v)) : sqlite3_value_blob(v);
    return QByteArray::fromRawData(p ? static_cast<const char*>(p) : "", sqlite3_value_bytes(v));
}

QVariant StoredValue::driverValue() const
{
    switch (type) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_value_int64(v));
    case SQLITE_FLOAT:
        return sqlite3_value_double(v);
    case SQLITE_BLOB: {
        const QByteArray bytes = raw();
        return QByteArray(bytes.constData(), bytes.size());
    }
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    default:
        return utf16Text(v);
    }
}

QString StoredValue::text() const
{
    if (type == SQLITE_NULL)
        return QString();
    if (type != SQLITE_TEXT)
        return driverValue().toString();
    // ASCII, nearly every stored text, is widened directly; other text goes
    // through SQLite's own UTF-16 conversion, as the driver's does (it
    // treats malformed UTF-8 unlike QString::fromUtf8).
    const QByteArray bytes = raw();
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return utf16Text(v);
}

qint64 StoredValue::toInt64() const
{
    return type == SQLITE_INTEGER ? sqlite3_value_int64(v) : driverValue().toLongLong();
}

int StoredValue::toInt() const
{
    return type == SQLITE_INTEGER ? int(sqlite3_value_int64(v)) : driverValue().toInt();
}

bool StoredValue::toFlag() const
{
    return type == SQLITE_INTEGER ? sqlite3_value_int64(v) != 0 : driverValue().toBool();
}

Statement::Statement(sqlite3* db, const QString& sql, const QList<QString>& values) : m_lock(db)
{
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        return;
    }
    for (int i = 0; i < values.size(); ++i) {
        const QString& v = values.at(i);
        const int rc = v.isNull()
            ? sqlite3_bind_null(m_stmt, i + 1)
            : sqlite3_bind_text16(m_stmt, i + 1, v.utf16(), int(v.size() * sizeof(QChar)), SQLITE_TRANSIENT);
        if (rc != SQLITE_OK) {
            sqlite3_finalize(m_stmt);
            m_stmt = nullptr;
            return;
        }
    }
}

Statement::~Statement()
{
    sqlite3_finalize(m_stmt);
}

bool Statement::next()
{
    if (!m_stmt || m_done)
        return false;
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW)
        return true;
    m_done = rc == SQLITE_DONE;
    if (!m_done) {
        // A failed step ends the statement; finalize releases it.
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    return false;
}

QString TextColumn::text(const StoredValue& value)
{
    if (!value.isText())
        return value.text();
    const QByteArray raw = value.raw();
    // Most often the previous row's text again. The iterator stays valid
    // until the next insert, which replaces it.
    if (m_last != m_texts.cend() && m_last.key() == raw)
        return *m_last;
    m_last = m_texts.constFind(raw);
    if (m_last == m_texts.cend()) {
        // The key is copied first: converting may move the bytes.
        const QByteArray key(raw.constData(), raw.size());
        m_last = m_texts.insert(key, value.text());
    }
    return *m_last;
}
