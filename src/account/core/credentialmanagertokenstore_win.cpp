// CredentialManagerTokenStore on the Windows Credential Manager: one
// generic credential per key, target "Larkspur/<service>/<key>", the value
// as UTF-8 bytes, kept for this user on this machine.

#include <QtGlobal>

#ifdef Q_OS_WIN

#include "account/core/tokenstore.h"

#include <windows.h>
#include <wincred.h>

namespace LarkAccount {

bool CredentialManagerTokenStore::isAvailable(QString* reason)
{
    if (reason)
        reason->clear();
    return true;
}

std::optional<QString> CredentialManagerTokenStore::read(const QString& key)
{
    const std::wstring target = targetName(key).toStdWString();
    PCREDENTIALW credential = nullptr;
    if (!CredReadW(target.c_str(), CRED_TYPE_GENERIC, 0, &credential))
        return std::nullopt;
    const QString value = QString::fromUtf8(reinterpret_cast<const char*>(credential->CredentialBlob),
                                            qsizetype(credential->CredentialBlobSize));
    CredFree(credential);
    return value;
}

bool CredentialManagerTokenStore::write(const QString& key, const QString& value)
{
    std::wstring target = targetName(key).toStdWString();
    QByteArray blob = value.toUtf8();
    CREDENTIALW credential{};
    credential.Type = CRED_TYPE_GENERIC;
    credential.TargetName = target.data();
    credential.CredentialBlobSize = DWORD(blob.size());
    credential.CredentialBlob = reinterpret_cast<LPBYTE>(blob.data());
    credential.Persist = CRED_PERSIST_LOCAL_MACHINE;
    return CredWriteW(&credential, 0);
}

bool CredentialManagerTokenStore::remove(const QString& key)
{
    const std::wstring target = targetName(key).toStdWString();
    return CredDeleteW(target.c_str(), CRED_TYPE_GENERIC, 0);
}

} // namespace LarkAccount

#endif // Q_OS_WIN
