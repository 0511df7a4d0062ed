#pragma once

#include <QString>

namespace LarkAccount {

// How this installation names itself when it registers as a device.

// The host name as the operating system reports it.
QString deviceHostName();
// The machine's own id: "MachineGuid" of the registry on Windows, the
// machine id (/etc/machine-id, IOPlatformUUID) elsewhere; when there is
// none, a hash of the host name (fingerprintFrom).
QString deviceFingerprint();
// "Windows", "macOS" or "Linux": the operating system as the account
// service lists it, not the transport's lower-case platform header.
QString devicePlatform();

// The fingerprint rule: the machine id exactly as read when it is not
// empty, else the first 32 lowercase hexadecimal digits of the SHA-256 of
// the host name's UTF-8 bytes.
QString fingerprintFrom(const QString& machineId, const QString& hostName);

} // namespace LarkAccount
