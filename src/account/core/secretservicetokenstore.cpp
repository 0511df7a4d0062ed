// CredentialManagerTokenStore on the freedesktop Secret Service (GNOME
// Keyring, KWallet), through libsecret's synchronous API: one item per key
// in the default collection, labelled with the target name.

#include <QtGlobal>

#ifndef Q_OS_WIN

// libsecret (GLib) first: its headers use names that Qt's keywords redefine.
#include <libsecret/secret.h>

#include "account/core/tokenstore.h"

#include <QDebug>
#include <QFileInfo>

namespace LarkAccount {

namespace {

const SecretSchema* tokenSchema()
{
    static const SecretSchema schema = [] {
        SecretSchema s{};
        s.name = "org.larkspur.Token";
        s.flags = SECRET_SCHEMA_NONE;
        s.attributes[0].name = "service";
        s.attributes[0].type = SECRET_SCHEMA_ATTRIBUTE_STRING;
        s.attributes[1].name = "key";
        s.attributes[1].type = SECRET_SCHEMA_ATTRIBUTE_STRING;
        return s;
    }();
    return &schema;
}

// Takes the error (if any); its message, or the fallback text.
QString takeError(GError* error, const char* fallback)
{
    if (!error)
        return QString::fromUtf8(fallback);
    const QString message = QString::fromUtf8(error->message);
    g_error_free(error);
    return message;
}

bool sessionBusConfigured()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtimeDir.isEmpty() && QFileInfo::exists(runtimeDir + QStringLiteral("/bus"));
}

} // namespace

bool CredentialManagerTokenStore::isAvailable(QString* reason)
{
    QString why;
    // Without this check GLib would autolaunch a bus through dbus-launch,
    // leaving a stray bus daemon behind on a machine with a display.
    if (!sessionBusConfigured()) {
        why = QStringLiteral("no session bus");
    } else {
        GError* error = nullptr;
        SecretService* service = secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, &error);
        if (!service) {
            why = takeError(error, "no secret service");
        } else {
            // Storing into a missing or locked collection would ask the user
            // through a prompt; a headless session has none to show.
            SecretCollection* collection = secret_collection_for_alias_sync(
                service, SECRET_COLLECTION_DEFAULT, SECRET_COLLECTION_NONE, nullptr, &error);
            if (!collection)
                why = takeError(error, "no default keyring");
            else if (secret_collection_get_locked(collection))
                why = QStringLiteral("the default keyring is locked");
            if (collection)
                g_object_unref(collection);
            g_object_unref(service);
        }
    }
    if (reason)
        *reason = why;
    return why.isEmpty();
}

std::optional<QString> CredentialManagerTokenStore::read(const QString& key)
{
    const QByteArray service = m_service.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    GError* error = nullptr;
    SecretValue* value = secret_password_lookup_binary_sync(tokenSchema(), nullptr, &error, "service",
                                                            service.constData(), "key", keyBytes.constData(), nullptr);
    if (error)
        g_error_free(error);
    if (!value)
        return std::nullopt;
    gsize length = 0;
    const gchar* bytes = secret_value_get(value, &length);
    const QString text = QString::fromUtf8(bytes, qsizetype(length));
    secret_value_unref(value);
    return text;
}

bool CredentialManagerTokenStore::write(const QString& key, const QString& value)
{
    const QByteArray service = m_service.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    const QByteArray label = targetName(key).toUtf8();
    const QByteArray bytes = value.toUtf8();
    SecretValue* secret = secret_value_new(bytes.constData(), bytes.size(), "text/plain");
    GError* error = nullptr;
    const bool stored =
        secret_password_store_binary_sync(tokenSchema(), SECRET_COLLECTION_DEFAULT, label.constData(), secret, nullptr,
                                          &error, "service", service.constData(), "key", keyBytes.constData(), nullptr);
    secret_value_unref(secret);
    if (!stored)
        qWarning().noquote() << "CredentialManagerTokenStore::write failed:" << takeError(error, "unknown error");
    return stored;
}

bool CredentialManagerTokenStore::remove(const QString& key)
{
    const QByteArray service = m_service.toUtf8();
    const QByteArray keyBytes = key.toUtf8();
    GError* error = nullptr;
    const bool removed = secret_password_clear_sync(tokenSchema(), nullptr, &error, "service", service.constData(),
                                                    "key", keyBytes.constData(), nullptr);
    if (error)
        g_error_free(error);
    return removed;
}

} // namespace LarkAccount

#endif // Q_OS_WIN
