#include "data/preferencesrepository.h"

#include "data/database.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>

PreferencesRepository::PreferencesRepository(Database* database, QObject* parent)
    : QObject(parent)
    , m_database(database)
{
}

std::optional<QString> PreferencesRepository::value(const QString& key) const
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("SELECT value FROM preferences WHERE key = ?"));
    q.addBindValue(SqlValue::text(key));
    if (!q.exec() || !q.next())
        return std::nullopt;
    const QString v = q.value(0).toString();
    return v.isNull() ? QStringLiteral("") : v;
}

QString PreferencesRepository::valueOr(const QString& key, const QString& defaultValue) const
{
    return value(key).value_or(defaultValue);
}

bool PreferencesRepository::boolValue(const QString& key, bool defaultValue) const
{
    const std::optional<QString> v = value(key);
    if (!v)
        return defaultValue;
    return *v == QLatin1String("1") || *v == QLatin1String("true");
}

bool PreferencesRepository::setValue(const QString& key, const QString& value)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral(
        "INSERT INTO preferences (key, value) VALUES (?, ?) ON CONFLICT(key) DO UPDATE SET value = excluded.value"));
    q.addBindValue(SqlValue::text(key));
    q.addBindValue(SqlValue::text(value));
    if (!q.exec())
        return false;
    emit changed(key);
    return true;
}

void PreferencesRepository::setBool(const QString& key, bool value)
{
    setValue(key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void PreferencesRepository::setInt(const QString& key, int value)
{
    setValue(key, QString::number(value));
}

bool PreferencesRepository::remove(const QString& key)
{
    QSqlQuery q(m_database->database());
    q.prepare(QStringLiteral("DELETE FROM preferences WHERE key = ?"));
    q.addBindValue(SqlValue::text(key));
    return q.exec();
}
