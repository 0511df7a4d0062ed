#include "account/core/filetokenstore.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QSaveFile>

namespace LarkAccount {

FileTokenStore::FileTokenStore(const QString& directory)
    : m_directory(directory)
{
}

QString FileTokenStore::filePath() const
{
    return QDir(m_directory).filePath(QStringLiteral("tokens.json"));
}

QJsonObject FileTokenStore::load() const
{
    QFile file(filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

bool FileTokenStore::save(const QJsonObject& values)
{
    if (!QDir().mkpath(m_directory)
        || !QFile::setPermissions(m_directory, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner)) {
        qWarning() << "FileTokenStore::save failed: cannot prepare" << m_directory;
        return false;
    }
    QSaveFile file(filePath());
    // Owner-only before the first byte lands in the temporary file.
    const bool written = file.open(QIODevice::WriteOnly)
        && file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)
        && file.write(QJsonDocument(values).toJson(QJsonDocument::Compact)) >= 0 && file.commit();
    if (!written)
        qWarning() << "FileTokenStore::save failed:" << file.errorString();
    return written;
}

std::optional<QString> FileTokenStore::read(const QString& key)
{
    const QJsonValue value = load().value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

bool FileTokenStore::write(const QString& key, const QString& value)
{
    QJsonObject values = load();
    values.insert(key, value);
    return save(values);
}

bool FileTokenStore::remove(const QString& key)
{
    QJsonObject values = load();
    if (!values.contains(key))
        return false;
    values.remove(key);
    if (values.isEmpty()) // nothing left to keep: no file either
        return QFile::remove(filePath());
    return save(values);
}

} // namespace LarkAccount
