#include "services/reportscan.h"

#include <QSqlDatabase>
#include <QSqlDriver>

#include <sqlite3.h>

namespace ReportScan {

namespace {

QVariant driverValue(sqlite3_value* value)
{
    // As Qt's SQLite driver fills a row: integers as qint64, reals as
    // double, blobs as bytes, NULL as a null string, text converted to
    // UTF-16 by SQLite.
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return qint64(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return sqlite3_value_double(value);
    case SQLITE_BLOB:
        return QByteArray(static_cast<const char*>(sqlite3_value_blob(value)), sqlite3_value_bytes(value));
    case SQLITE_NULL:
        return QVariant(QMetaType::fromType<QString>());
    default:
        return QString(static_cast<const QChar*>(sqlite3_value_text16(value)),
                       sqlite3_value_bytes16(value) / int(sizeof(QChar)));
    }
}

bool isAscii(const QByteArray& bytes)
{
    unsigned char bits = 0;
    for (const char c : bytes)
        bits |= uchar(c);
    return bits < 0x80;
}

bool isUtf8(sqlite3* db)
{
    sqlite3_stmt* stmt = nullptr;
    bool utf8 = false;
    if (sqlite3_prepare_v2(db, "PRAGMA encoding", -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
        utf8 = qstrcmp(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)), "UTF-8") == 0;
    sqlite3_finalize(stmt);
    return utf8;
}

} // namespace

sqlite3* handle(QSqlDatabase* db)
{
    if (!db)
        return nullptr;
    // Debian's Qt SQLite plugin links the system libsqlite3, the library this
    // code links, so the connection's handle is one this code may use.
    const QSqlDriver* driver = db->driver();
    const QVariant h = driver && db->isOpen() ? driver->handle() : QVariant();
    if (!h.isValid() || qstrcmp(h.typeName(), "sqlite3*") != 0)
        return nullptr;
    sqlite3* raw = *static_cast<sqlite3* const*>(h.constData());
    return raw && isUtf8(raw) ? raw : nullptr;
}

Statement::Statement(sqlite3* db, const QString& sql, const QList<Binding>& values)
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
    // Values are read through sqlite3_value, which, unlike the
    // sqlite3_column calls, takes no lock of its own.
    m_mutex = sqlite3_db_mutex(db);
    sqlite3_mutex_enter(m_mutex);
}

Statement::~Statement()
{
    if (m_stmt)
        sqlite3_mutex_leave(m_mutex);
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
        sqlite3_mutex_leave(m_mutex);
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    return false;
}

sqlite3_value* Statement::value(int column) const
{
    return sqlite3_column_value(m_stmt, column);
}

bool isNull(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_NULL;
}

bool isInteger(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_INTEGER;
}

bool isText(sqlite3_value* value)
{
    return sqlite3_value_type(value) == SQLITE_TEXT;
}

QByteArray rawText(sqlite3_value* value)
{
    const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return QByteArray::fromRawData(p ? p : "", sqlite3_value_bytes(value));
}

qint64 integer(sqlite3_value* value)
{
    return sqlite3_value_int64(value);
}

QString text(sqlite3_value* value)
{
    if (sqlite3_value_type(value) != SQLITE_TEXT)
        return driverValue(value).toString();
    // ASCII, nearly every stored text, is widened directly; other text goes
    // through SQLite's own conversion, as the driver's does (it treats
    // malformed UTF-8 unlike QString::fromUtf8).
    const QByteArray bytes = rawText(value);
    if (isAscii(bytes))
        return QString::fromLatin1(bytes);
    return driverValue(value).toString();
}

qint64 toInt64(sqlite3_value* value)
{
    return isInteger(value) ? sqlite3_value_int64(value) : driverValue(value).toLongLong();
}

} // namespace ReportScan
