#pragma once

#include <QObject>
#include <QString>

#include <optional>

class Database;

// Key/value preferences that travel with the data. Values are text;
// booleans are written "1"/"0", integers as decimal text. No cache.
class PreferencesRepository : public QObject
{
    Q_OBJECT
public:
    PreferencesRepository(Database* database, QObject* parent = nullptr);

    std::optional<QString> value(const QString& key) const;
    QString valueOr(const QString& key, const QString& defaultValue) const;
    bool boolValue(const QString& key, bool defaultValue) const;

    bool setValue(const QString& key, const QString& value);
    void setBool(const QString& key, bool value);
    void setInt(const QString& key, int value);
    bool remove(const QString& key);

signals:
    void changed(const QString& key);

private:
    Database* m_database;
};
