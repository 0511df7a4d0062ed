#include "update/core/version.h"

#include <QStringList>

namespace LarkUpdate {

Version Version::parse(const QString& text)
{
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.isEmpty() || parts.size() > 3)
        return Version();
    int values[3] = {0, 0, 0};
    for (int i = 0; i < parts.size(); ++i) {
        bool ok = false;
        values[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
            return Version();
    }
    return Version{values[0], values[1], values[2]};
}

bool Version::operator<(const Version& other) const
{
    if (major != other.major)
        return major < other.major;
    if (minor != other.minor)
        return minor < other.minor;
    return patch < other.patch;
}

bool Version::operator==(const Version& other) const
{
    return major == other.major && minor == other.minor && patch == other.patch;
}

} // namespace LarkUpdate
