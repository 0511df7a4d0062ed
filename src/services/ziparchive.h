#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>

// The ZIP container of the backup archive, on libzip, which writes ZIP64
// records when an archive needs them (more than 65,535 entries) and bounds
// and CRC-checks every entry it reads. libzip is included in one place only
// (ziparchive.cpp).
struct zip;
struct zip_source;

namespace ZipArchive {

// Builds an archive in memory. Entries are deflated unless `compress` is
// false (stored, as earlier versions wrote them; for tests).
class Writer
{
public:
    explicit Writer(bool compress = true);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    // False when the entry cannot be added: the archive holds that name
    // already, or libzip refuses it (see error()). The bytes are shared with
    // `data` until finish(), so they must be its own (not fromRawData).
    bool add(const QString& path, const QByteArray& data);
    // Compresses and writes every entry and returns the whole archive;
    // empty on failure, with error() telling why. An archive without
    // entries is empty too. The writer is used up either way. `progress`
    // (when given) is told the share done, 0.0 to 1.0, as it goes.
    QByteArray finish(const std::function<void(double)>& progress = {});
    QString error() const { return m_error; }

private:
    zip* m_zip = nullptr;
    zip_source* m_target = nullptr; // the in-memory archive libzip writes into
    QList<QByteArray> m_data; // kept until finish(): libzip reads it there
    bool m_compress;
    QString m_error;
};

// Lists and reads the entries of an archive held in memory. An entry is
// read by index with a bounded buffer: one whose recorded size is above the
// caller's limit is refused unread, and one whose data does not end at its
// recorded size, fails its CRC or lies outside the archive is damaged. An
// entry whose name another entry shares is damaged too: which of them is
// the row would be a guess.
class Reader
{
public:
    enum class ReadStatus { Ok, TooLarge, Damaged };

    // `archive` is not copied: its bytes are shared until the reader ends.
    explicit Reader(const QByteArray& archive);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    // False for data that is not a ZIP archive (empty data included) or
    // whose directory is cut off or damaged.
    bool isOpen() const { return m_zip != nullptr; }
    int count() const { return int(m_entries.size()); }
    QString path(int index) const;
    // The size the archive records for the entry's content, unverified.
    qint64 recordedSize(int index) const;
    // The first entry of that name, or -1.
    int indexOf(const QString& path) const;

    // Reads one entry's content, anew at every call, never holding more
    // than min(recorded size, maxSize) + 1 bytes.
    ReadStatus read(int index, qint64 maxSize, QByteArray* data) const;

private:
    struct Entry
    {
        QString path;
        qint64 size = 0;
        bool readable = false; // stored or deflated, its data within the archive
        bool shared = false; // another entry lists under the same name
    };

    QByteArray m_archive;
    zip* m_zip = nullptr;
    QList<Entry> m_entries;
    QHash<QString, int> m_firstIndex;
};

} // namespace ZipArchive
