#include "account/core/tokenstore.h"

#include "account/core/filetokenstore.h"

#include <QDebug>
#include <QStandardPaths>

namespace LarkAccount {

namespace {

// The same directory as dataDirectory() of app/paths.h, which the core
// library cannot reach.
QString defaultFileStoreDirectory()
{
    const QString fromEnv = QString::fromUtf8(qgetenv("TALLYLEAF_DATA_DIR"));
    if (!fromEnv.isEmpty())
        return fromEnv;
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Larkspur/Tallyleaf");
}

} // namespace

void TokenStore::clear()
{
    remove(kAccessTokenKey);
    remove(kRefreshTokenKey);
}

std::optional<QString> MemoryTokenStore::read(const QString& key)
{
    const auto it = m_values.constFind(key);
    if (it == m_values.constEnd())
        return std::nullopt;
    return *it;
}

bool MemoryTokenStore::write(const QString& key, const QString& value)
{
    m_values.insert(key, value);
    return true;
}

bool MemoryTokenStore::remove(const QString& key)
{
    return m_values.remove(key) > 0;
}

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString& service)
    : m_service(service)
{
}

QString CredentialManagerTokenStore::targetName(const QString& key) const
{
    return QStringLiteral("Larkspur/%1/%2").arg(m_service, key);
}

std::unique_ptr<TokenStore> CredentialManagerTokenStore::create(const QString& service,
                                                                const QString& fileStoreDirectory)
{
    QString reason;
    if (isAvailable(&reason))
        return std::unique_ptr<TokenStore>(new CredentialManagerTokenStore(service));
    auto fallback = std::make_unique<FileTokenStore>(
        fileStoreDirectory.isEmpty() ? defaultFileStoreDirectory() : fileStoreDirectory);
    qWarning().noquote() << "TokenStore: no credential store (" + reason + "); keeping the tokens in"
                         << fallback->filePath();
    return fallback;
}

} // namespace LarkAccount
