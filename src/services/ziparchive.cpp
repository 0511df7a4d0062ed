#include "services/ziparchive.h"

#include <QtGui/private/qzipwriter_p.h>

#include <zlib.h>

#include <algorithm>

namespace ZipArchive {

namespace {

constexpr quint32 kLocalHeaderSignature = 0x04034b50;
constexpr quint32 kCentralHeaderSignature = 0x02014b50;
constexpr quint32 kEndOfDirectorySignature = 0x06054b50;
constexpr int kLocalHeaderSize = 30;
constexpr int kCentralHeaderSize = 46;
constexpr int kEndOfDirectorySize = 22;
constexpr int kMaxCommentSize = 0xFFFF;
constexpr quint16 kEncryptedFlag = 0x0001;
constexpr quint16 kMethodStored = 0;
constexpr quint16 kMethodDeflated = 8;

quint16 u16(const char* p)
{
    const auto* b = reinterpret_cast<const uchar*>(p);
    return quint16(b[0] | (b[1] << 8));
}

quint32 u32(const char* p)
{
    const auto* b = reinterpret_cast<const uchar*>(p);
    return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
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
    if (m_zip)
        m_zip->addFile(path, data);
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

struct Reader::Inflater
{
    Inflater() { ok = inflateInit2(&stream, -MAX_WBITS) == Z_OK; }
    ~Inflater()
    {
        if (ok)
            inflateEnd(&stream);
    }
    z_stream stream{};
    bool ok = false;
};

Reader::Reader(const QByteArray& archive)
    : m_data(archive)
{
    parse();
}

Reader::~Reader() = default;

void Reader::parse()
{
    const qint64 size = m_data.size();
    const char* d = m_data.constData();

    // The end record sits at the very end, after a comment of up to 64 KiB;
    // take the last signature whose comment fits the data.
    qint64 end = -1;
    for (qint64 pos = size - kEndOfDirectorySize; pos >= 0 && pos >= size - kEndOfDirectorySize - kMaxCommentSize;
         --pos) {
        if (u32(d + pos) == kEndOfDirectorySignature && pos + kEndOfDirectorySize + u16(d + pos + 20) <= size) {
            end = pos;
            break;
        }
    }
    if (end < 0) {
        // Not a ZIP at all reads as an empty archive; the start of one whose
        // end is missing (a cut-off download) is a damaged archive.
        m_open = !(size >= 4 && u32(d) == kLocalHeaderSignature);
        return;
    }

    const quint16 disk = u16(d + end + 4);
    const quint16 directoryDisk = u16(d + end + 6);
    const quint16 entriesOnDisk = u16(d + end + 8);
    const quint16 entries = u16(d + end + 10);
    const quint32 directorySize = u32(d + end + 12);
    const quint32 directoryOffset = u32(d + end + 16);
    if (disk != 0 || directoryDisk != 0 || entriesOnDisk != entries || directoryOffset == 0xFFFFFFFFu
        || directorySize == 0xFFFFFFFFu || qint64(directoryOffset) + directorySize > end)
        return;

    // The 16-bit entry count wraps: QZipWriter writes more than 65,535
    // entries without ZIP64 and stores the count modulo 65,536. The
    // directory's byte size is exact, so the headers are read up to it and
    // the count only checked modulo 65,536.
    const qint64 directoryEnd = qint64(directoryOffset) + directorySize;
    qint64 pos = directoryOffset;
    QList<Entry> list;
    while (pos < directoryEnd) {
        if (pos + kCentralHeaderSize > directoryEnd || u32(d + pos) != kCentralHeaderSignature)
            return;
        const quint16 nameLength = u16(d + pos + 28);
        const qint64 next = pos + kCentralHeaderSize + nameLength + u16(d + pos + 30) + u16(d + pos + 32);
        if (next > directoryEnd)
            return;
        Entry e;
        e.flags = u16(d + pos + 8);
        e.method = u16(d + pos + 10);
        e.crc = u32(d + pos + 16);
        e.compressedSize = u32(d + pos + 20);
        e.size = u32(d + pos + 24);
        e.localHeaderOffset = u32(d + pos + 42);
        e.path = QString::fromUtf8(d + pos + kCentralHeaderSize, nameLength);
        list.append(e);
        pos = next;
    }
    if (quint16(list.size()) != entries)
        return;
    m_entries = list;
    m_open = true;
}

QString Reader::path(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).path : QString();
}

int Reader::indexOf(const QString& path) const
{
    for (int i = 0; i < m_entries.size(); ++i) {
        if (m_entries.at(i).path == path)
            return i;
    }
    return -1;
}

Reader::ReadStatus Reader::read(int index, qint64 maxSize, QByteArray* data) const
{
    data->clear();
    if (index < 0 || index >= m_entries.size())
        return ReadStatus::Damaged;
    const Entry& e = m_entries.at(index);
    if (qint64(e.size) > maxSize)
        return ReadStatus::TooLarge;
    if (e.flags & kEncryptedFlag)
        return ReadStatus::Damaged;

    const qint64 total = m_data.size();
    const char* d = m_data.constData();
    const qint64 header = e.localHeaderOffset;
    if (header + kLocalHeaderSize > total || u32(d + header) != kLocalHeaderSignature)
        return ReadStatus::Damaged;
    const qint64 start = header + kLocalHeaderSize + u16(d + header + 26) + u16(d + header + 28);
    if (start + e.compressedSize > total)
        return ReadStatus::Damaged;

    QByteArray out;
    if (e.method == kMethodStored) {
        if (e.compressedSize != e.size)
            return ReadStatus::Damaged;
        out = m_data.mid(start, e.size);
    } else if (e.method == kMethodDeflated) {
        if (!m_inflater)
            m_inflater = std::make_unique<Inflater>();
        if (!m_inflater->ok)
            return ReadStatus::Damaged;
        z_stream& z = m_inflater->stream;
        inflateReset(&z);
        // One byte more than recorded: an entry that understates its size
        // shows itself by filling it, and nothing beyond it is inflated.
        out.resize(qsizetype(e.size) + 1);
        z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(d + start));
        z.avail_in = e.compressedSize;
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = uInt(out.size());
        const int rc = inflate(&z, Z_FINISH);
        if (rc != Z_STREAM_END || z.total_out != e.size)
            return ReadStatus::Damaged;
        out.resize(e.size);
    } else {
        return ReadStatus::Damaged;
    }

    if (crc32(0L, reinterpret_cast<const Bytef*>(out.constData()), uInt(out.size())) != e.crc)
        return ReadStatus::Damaged;
    *data = out;
    return ReadStatus::Ok;
}

} // namespace ZipArchive
