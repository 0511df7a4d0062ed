#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class QZipWriter;

// The ZIP container of the backup archive, kept apart so that Qt's private
// ZIP writer is included in one place only (ziparchive.cpp).
namespace ZipArchive {

// Builds an archive in memory with Qt's QZipWriter. Entries are stored
// uncompressed by default: QZipWriter sets up a fresh deflate stream for
// every entry, which costs ~50 µs each and makes an archive of 100,000 rows
// take seconds; compression stays available for small archives and tests.
class Writer
{
public:
    explicit Writer(bool compress = false);
    ~Writer();
    Writer(const Writer&) = delete;
    Writer& operator=(const Writer&) = delete;

    void add(const QString& path, const QByteArray& data);
    // Writes the central directory and returns the whole archive.
    QByteArray finish();

private:
    QBuffer m_buffer;
    std::unique_ptr<QZipWriter> m_zip;
};

// Reads an archive held in memory. The central directory is parsed here
// rather than with QZipReader because that one inflates an entry without
// any bound (an entry that understates its size grows until memory runs
// out) and looks every entry up by a linear search of its name.
//
// Data that carries no end-of-central-directory record reads as an archive
// without entries; a directory that points outside the data or does not
// parse, or a ZIP64 or multi-disk archive, does not open. Archives of more
// than 65,535 entries, as QZipWriter writes them, read in full.
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
    // The entry's name as stored (UTF-8), directories ending in "/".
    QString path(int index) const;
    // The first entry of that exact name, or -1.
    int indexOf(const QString& path) const;

    // Reads one entry's content. An entry whose size, as recorded or as it
    // turns out while inflating, exceeds maxSize is refused without being
    // inflated further; a content that does not match its recorded size or
    // checksum, an encrypted entry or an unknown compression is Damaged.
    ReadStatus read(int index, qint64 maxSize, QByteArray* data) const;

private:
    struct Entry
    {
        QString path;
        quint16 flags = 0;
        quint16 method = 0;
        quint32 crc = 0;
        quint32 compressedSize = 0;
        quint32 size = 0;
        quint32 localHeaderOffset = 0;
    };

    void parse();

    QByteArray m_data;
    QList<Entry> m_entries;
    bool m_open = false;
    struct Inflater;
    mutable std::unique_ptr<Inflater> m_inflater; // created on the first deflated entry
};

} // namespace ZipArchive
