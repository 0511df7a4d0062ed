#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <optional>

namespace LarkAccount {

// The two secrets kept between runs, under these keys in every store.
inline const QString kAccessTokenKey = QStringLiteral("larkspur_access_token");
inline const QString kRefreshTokenKey = QStringLiteral("larkspur_refresh_token");

// Where the access and refresh tokens live between runs. A read that fails
// for any reason is "no value"; writes and removals report success.
class TokenStore
{
public:
    virtual ~TokenStore() = default;
    virtual std::optional<QString> read(const QString& key) = 0;
    virtual bool write(const QString& key, const QString& value) = 0;
    virtual bool remove(const QString& key) = 0;
    // Removes both token keys; results are not reported.
    virtual void clear();
};

// Keeps the tokens in memory only: tests, and a session that must not
// leave them anywhere.
class MemoryTokenStore : public TokenStore
{
public:
    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    QHash<QString, QString> m_values;
};

// The desktop's own credential store: the Credential Manager on Windows,
// the Secret Service (through libsecret) elsewhere. When that does not
// answer (no session bus, no unlocked keyring), create() hands out a
// FileTokenStore in the given directory instead and logs one warning.
class CredentialManagerTokenStore : public TokenStore
{
public:
    // fileStoreDirectory is where the fallback file goes (the application's
    // data directory); without one the fallback keeps the tokens in memory.
    static std::unique_ptr<TokenStore> create(const QString& service, const QString& fileStoreDirectory);

    // "Larkspur/<service>/<key>": the credential's target name on Windows,
    // the item's label in the Secret Service.
    QString targetName(const QString& key) const;

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;
    // Also empties the fallback file, which a run without the platform
    // store may have left: a sign-out leaves tokens nowhere.
    void clear() override;

    // Whether the platform store can be used right now; the reason when not.
    static bool isAvailable(QString* reason = nullptr);

private:
    CredentialManagerTokenStore(const QString& service, const QString& fallbackDirectory);

    QString m_service;
    QString m_fallbackDirectory;
};

} // namespace LarkAccount
