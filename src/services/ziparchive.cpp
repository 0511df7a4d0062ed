#include "services/ziparchive.h"

#include <QtGui/private/qzipreader_p.h>
#include <QtGui/private/qzipwriter_p.h>

#include <zlib.h>

#include <new>

namespace ZipArchive {

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
    m_open = true;
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

    QByteArray content;
    try {
        content = m_zip->fileData(entry.path);
    } catch (const std::bad_alloc&) {
        return ReadStatus::Damaged;
    }
    // An entry whose stored name QZipReader lists differently is not found
    // by that name and reads empty; one that misstates its size, or whose
    // bytes were damaged, fails here too.
    if (content.size() != entry.size
        || crc32(0L, reinterpret_cast<const Bytef*>(content.constData()), uInt(content.size())) != entry.crc)
        return ReadStatus::Damaged;
    *data = content;
    return ReadStatus::Ok;
}

} // namespace ZipArchive
