#include "account/core/deviceidentity.h"

#include <QCryptographicHash>
#include <QSysInfo>

#ifdef Q_OS_WIN
#include <QSettings>
#endif

namespace LarkAccount {

namespace {

QString machineId()
{
#ifdef Q_OS_WIN
    // A value that cannot be read comes back empty.
    const QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Cryptography"),
                             QSettings::NativeFormat);
    return registry.value(QStringLiteral("MachineGuid")).toString();
#else
    return QString::fromUtf8(QSysInfo::machineUniqueId());
#endif
}

} // namespace

QString deviceHostName()
{
    return QSysInfo::machineHostName();
}

QString deviceFingerprint()
{
    return fingerprintFrom(machineId(), deviceHostName());
}

QString devicePlatform()
{
#if defined(Q_OS_WIN)
    return QStringLiteral("Windows");
#elif defined(Q_OS_MACOS)
    return QStringLiteral("macOS");
#else
    return QStringLiteral("Linux");
#endif
}

QString fingerprintFrom(const QString& machineId, const QString& hostName)
{
    if (!machineId.isEmpty())
        return machineId;
    const QByteArray digest = QCryptographicHash::hash(hostName.toUtf8(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(32));
}

} // namespace LarkAccount
