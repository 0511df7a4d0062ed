#pragma once

#include "account/core/tokenstore.h"

#include <QJsonObject>

namespace LarkAccount {

// The tokens as one JSON object in "tokens.json" of a directory, for
// machines without a credential store. The directory is kept 0700 and the
// file 0600; every write replaces the file whole (QSaveFile), so a crash
// leaves either the old or the new file. A file that cannot be read or
// parsed holds no value; removing the last key removes the file.
class FileTokenStore : public TokenStore
{
public:
    explicit FileTokenStore(const QString& directory);

    QString filePath() const;

    std::optional<QString> read(const QString& key) override;
    bool write(const QString& key, const QString& value) override;
    bool remove(const QString& key) override;

private:
    QJsonObject load() const;
    bool save(const QJsonObject& values);

    QString m_directory;
};

} // namespace LarkAccount
