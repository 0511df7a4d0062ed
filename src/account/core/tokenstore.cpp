#include "account/core/tokenstore.h"

#include "account/core/filetokenstore.h"

#include <QDebug>

namespace LarkAccount {

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

CredentialManagerTokenStore::CredentialManagerTokenStore(const QString& service, const QString& fallbackDirectory)
    : m_service(service)
    , m_fallbackDirectory(fallbackDirectory)
{
}

void CredentialManagerTokenStore::clear()
{
    TokenStore::clear();
    if (!m_fallbackDirectory.isEmpty())
        FileTokenStore(m_fallbackDirectory).clear();
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
        return std::unique_ptr<TokenStore>(new CredentialManagerTokenStore(service, fileStoreDirectory));
    // Without a directory a relative "tokens.json" would land wherever the
    // process happens to run: this session's memory is safer.
    if (fileStoreDirectory.isEmpty()) {
        qWarning().noquote() << "TokenStore: no credential store (" + reason + ") and no data directory;"
                             << "keeping the tokens in memory only";
        return std::make_unique<MemoryTokenStore>();
    }
    auto fallback = std::make_unique<FileTokenStore>(fileStoreDirectory);
    qWarning().noquote() << "TokenStore: no credential store (" + reason + "); keeping the tokens in"
                         << fallback->filePath();
    return fallback;
}

} // namespace LarkAccount
