#include "app/paths.h"

#include <QDir>
#include <QStandardPaths>

QString environmentValue(const char* name)
{
    return QString::fromUtf8(qgetenv(name));
}

QString dataDirectory()
{
    const QString fromEnv = environmentValue("TALLYLEAF_DATA_DIR");
    if (!fromEnv.isEmpty()) {
        QDir(fromEnv).mkpath(QStringLiteral("."));
        return fromEnv;
    }
    const QString dir = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/Larkspur/Tallyleaf");
    if (!QDir(dir).exists())
        QDir().mkpath(dir);
    return dir;
}

QString databasePath()
{
    return dataDirectory() + QStringLiteral("/tallyleaf.db");
}
