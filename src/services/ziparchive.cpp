#include "services/ziparchive.h"

#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

#include <zlib.h>

namespace ZipArchive {

namespace {

constexpr quint32 kLocalSignature = 0x04034b50;
constexpr quint32 kCentralSignature = 0x02014b50;
constexpr quint32 kEndSignature = 0x06054b50;
constexpr qint64 kLocalHeaderSize = 30;
constexpr qint64 kCentralHeaderSize = 46;
constexpr qint64 kEndSize = 22;
// The highest version QZipReader extracts (2.0: stored and deflated).
constexpr quint16 kMaxVersionNeeded = 20;
constexpr quint16 kMethodStored = 0;
constexpr quint16 kMethodDeflated = 8;

quint16 le16(const QByteArray& data, qint64 at)
{
    return quint16(uchar(data.at(at)) | uchar(data.at(at + 1)) << 8);
}

quint32 le32(const QByteArray& data, qint64 at)
{
    return quint32(le16(data, at)) | quint32(le16(data, at + 2)) << 16;
}

// Inflates a raw deflate stream that must give exactly `size` bytes; false
// for anything else. It never holds more than size + 1 bytes.
bool inflateExactly(const char* compressed, qint64 compressedSize, qint64 size, QByteArray* out)
{
    QByteArray buffer(size + 1, Qt::Uninitialized);
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return false;
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed));
    stream.avail_in = uInt(compressedSize);
    stream.next_out = reinterpret_cast<Bytef*>(buffer.data());
    stream.avail_out = uInt(buffer.size());
    const int status = inflate(&stream, Z_FINISH);
    const qint64 produced = qint64(stream.total_out);
    inflateEnd(&stream);
    if (status != Z_STREAM_END || produced != size)
        return false;
    buffer.truncate(size);
    *out = buffer;
    return true;
}

} // namespace

Writer::Writer(bool compress)
{
    m_buffer.open(QIODevice::WriteOnly);
    m_zip = std::make_unique<QZipWriter>(&m_buffer);
    m_zip->setCompressionPolicy(compress ? QZipWriter::AlwaysCompress : QZipWriter::NeverCompress);
}

Writer::~Writer() = default;

void Writer::add(const QString& path, const QByteArray& data)
{
    if (!m_zip)
        return;
    m_zip->addFile(path, data);
    ++m_count;
}

QByteArray Writer::finish()
{
    if (!m_zip)
        return QByteArray();
    m_zip->close();
    const QByteArray archive = m_buffer.data();
    // Closing the buffer first keeps the writer's destructor from appending
    // a second directory.
    m_buffer.close();
    m_zip.reset();
    return archive;
}

Reader::Reader(const QByteArray& archive)
{
    m_buffer.setData(archive);
    if (!m_buffer.open(QIODevice::ReadOnly))
        return;
    m_zip = std::make_unique<QZipReader>(&m_buffer);
    // Listing the entries reads the central directory and sets the status.
    const QList<QZipReader::FileInfo> list = m_zip->fileInfoList();
    if (m_zip->status() != QZipReader::NoError)
        return;
    m_entries.reserve(list.size());
    for (const QZipReader::FileInfo& info : list) {
        Entry entry;
        entry.path = info.filePath;
        entry.size = info.size;
        entry.crc = info.crc;
        const auto first = m_firstIndex.constFind(entry.path);
        if (first == m_firstIndex.constEnd()) {
            m_firstIndex.insert(entry.path, int(m_entries.size()));
        } else {
            m_entries[first.value()].shared = true;
            entry.shared = true;
        }
        m_entries.append(entry);
    }
    m_records = centralDirectory(archive);
    m_open = true;
}

// The central directory read the way QZipReader reads it: from the last end
// record within 64 KiB of the end, entry after entry until one is cut off or
// lacks its signature, so that record i is the entry QZipReader lists at i.
QList<Reader::Record> Reader::centralDirectory(const QByteArray& archive)
{
    QList<Record> records;
    const qint64 size = archive.size();
    qint64 end = -1;
    for (qint64 back = 0; back <= 65535; ++back) {
        const qint64 pos = size - kEndSize - back;
        if (pos < 0)
            break;
        if (le32(archive, pos) == kEndSignature) {
            end = pos;
            break;
        }
    }
    if (end < 0)
        return records;
    qint64 pos = le32(archive, end + 16);
    const int count = le16(archive, end + 10);
    for (int i = 0; i < count; ++i) {
        if (pos + kCentralHeaderSize > size || le32(archive, pos) != kCentralSignature)
            break;
        Record record;
        record.versionNeeded = le16(archive, pos + 6);
        record.flags = le16(archive, pos + 8);
        record.compressedSize = le32(archive, pos + 20);
        record.localOffset = le32(archive, pos + 42);
        const qint64 nameLength = le16(archive, pos + 28);
        const qint64 next = pos + kCentralHeaderSize + nameLength + le16(archive, pos + 30) + le16(archive, pos + 32);
        if (next > size)
            break;
        record.name = archive.mid(pos + kCentralHeaderSize, nameLength);
        records.append(record);
        pos = next;
    }
    return records;
}

Reader::~Reader() = default;

QString Reader::path(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).path : QString();
}

int Reader::indexOf(const QString& path) const
{
    return m_firstIndex.value(path, -1);
}

Reader::ReadStatus Reader::read(int index, qint64 maxSize, QByteArray* data) const
{
    data->clear();
    if (!m_open || index < 0 || index >= m_entries.size())
        return ReadStatus::Damaged;
    const Entry& entry = m_entries.at(index);
    if (entry.shared)
        return ReadStatus::Damaged;
    if (entry.size > maxSize)
        return ReadStatus::TooLarge;

    // The entry is extracted here rather than by QZipReader::fileData, which
    // trusts the recorded sizes: it inflates past the end of the data for a
    // compressed size beyond it, and grows its buffer without bound.
    if (m_records.size() != m_entries.size())
        return ReadStatus::Damaged;
    const Record& record = m_records.at(index);
    // QZipReader finds an entry by its stored name, so one it lists under
    // another name ("./a" as "a") is not found by it; nor is it here.
    if (QString::fromLocal8Bit(record.name) != entry.path || record.versionNeeded > kMaxVersionNeeded
        || (record.flags & 1) != 0) // encrypted
        return ReadStatus::Damaged;
    const QByteArray archive = m_buffer.data();
    const qint64 local = record.localOffset;
    if (local + kLocalHeaderSize > archive.size() || le32(archive, local) != kLocalSignature)
        return ReadStatus::Damaged;
    const qint64 start = local + kLocalHeaderSize + le16(archive, local + 26) + le16(archive, local + 28);
    if (start + qint64(record.compressedSize) > archive.size())
        return ReadStatus::Damaged;

    QByteArray content;
    switch (le16(archive, local + 8)) {
    case kMethodStored:
        content = archive.mid(start, qMin(qint64(record.compressedSize), entry.size));
        break;
    case kMethodDeflated:
        if (!inflateExactly(archive.constData() + start, record.compressedSize, entry.size, &content))
            return ReadStatus::Damaged;
        break;
    default:
        return ReadStatus::Damaged;
    }
    if (content.size() != entry.size
        || crc32(0L, reinterpret_cast<const Bytef*>(content.constData()), uInt(content.size())) != entry.crc)
        return ReadStatus::Damaged;
    *data = content;
    return ReadStatus::Ok;
}

} // namespace ZipArchive
