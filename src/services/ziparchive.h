#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class QZipReader;
class QZipWriter;

// The ZIP container of the backup archive, kept apart so that Qt's private
// ZIP classes are included in one place only (ziparchive.cpp).
namespace ZipArchive {

// QZipWriter writes no ZIP64 records: it stores the entry count in 16 bits
// and wraps above this, and QZipReader then sees only the wrapped count of
// entries.
constexpr int kMaxEntries = 65535;

// Builds an archive in memory with Qt's QZipWriter. Entries are stored
// uncompressed by default: QZipWriter sets up a fresh deflate stream for
// every entry, which costs ~50 µs each and makes an archive of many rows
// take seconds; compression stays available for small archives and tests.
class Writer
{
public:
    explicit Writer(bool compress = false);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void add(const QString& path, const QByteArray& data);
    int count() const { return m_count; }
    // Writes the central directory and returns the whole archive.
    QByteArray finish();

private:
    QBuffer m_buffer;
    std::unique_ptr<QZipWriter> m_zip;
    int m_count = 0;
};

// Lists the entries of an archive held in memory with Qt's QZipReader and
// reads them itself, guarding what that class leaves open:
//  - QZipReader reads an entry by name, taking the first entry whose stored
//    name matches, and lists names with leading "." and "/" removed; an
//    entry whose listed name it shares with another entry is refused, and so
//    is one whose stored name differs from its listed one, as QZipReader
//    would not find it;
//  - QZipReader::fileData trusts the recorded sizes: it inflates past the
//    end of the data when the compressed size reaches beyond it, and grows
//    its buffer until the whole stream is inflated (a thousand times the
//    compressed size, or without end). Here an entry whose data lies outside
//    the archive is refused unread, one whose recorded size is above the
//    limit too, and inflating stops one byte past the recorded size;
//  - it checks no checksum; the content is checked against the recorded
//    size and CRC-32 here.
// Data that is not a ZIP archive, or is cut off before its directory, reads
// as an archive without entries (QZipReader warns).
class Reader
{
public:
    enum class ReadStatus { Ok, TooLarge, Damaged };

    explicit Reader(const QByteArray& archive);
    ~Reader();
    Reader(const Reader&) = delete;
    Reader& operator=(const Reader&) = delete;

    bool isOpen() const { return m_open; }
    int count() const { return int(m_entries.size()); }
    // The entry's name as QZipReader lists it.
    QString path(int index) const;
    // The first entry of that name, or -1.
    int indexOf(const QString& path) const;

    // Reads one entry's content, anew at every call.
    ReadStatus read(int index, qint64 maxSize, QByteArray* data) const;

private:
    // An entry's central directory record, as far as reading needs it.
    struct Record
    {
        QByteArray name; // as stored
        quint16 versionNeeded = 0;
        quint16 flags = 0;
        quint32 compressedSize = 0;
        quint32 localOffset = 0;
    };
    static QList<Record> centralDirectory(const QByteArray& archive);

    struct Entry
    {
        QString path;
        qint64 size = 0;
        quint32 crc = 0;
        bool shared = false; // another entry lists under the same name
    };

    QBuffer m_buffer;
    std::unique_ptr<QZipReader> m_zip;
    QList<Entry> m_entries;
    QList<Record> m_records; // in the order of m_entries
    QHash<QString, int> m_firstIndex;
    bool m_open = false;
};

} // namespace ZipArchive
