#pragma once

#include <QString>
#include <QUrl>

namespace LarkUpdate {

// A release version of three signed parts; every text that does not parse
// gives 0.0.0.
struct Version
{
    int major = 0;
    int minor = 0;
    int patch = 0;

    static Version parse(const QString& text);
    bool operator<(const Version& other) const;
    bool operator==(const Version& other) const;
    bool operator<=(const Version& other) const { return *this < other || *this == other; }
};

// What the update checker needs to know about this application.
struct Config
{
    QString app;
    QString channel;
    QUrl manifestBaseUrl;
    QString currentVersion;
};

} // namespace LarkUpdate
