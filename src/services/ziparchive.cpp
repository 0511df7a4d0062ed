#include "services/ziparchive.h"

#include <zip.h>

#include <limits>

namespace ZipArchive {

namespace {

QString errorText(zip_error_t* error)
{
    return QString::fromUtf8(zip_error_strerror(error));
}

void reportProgress(zip_t*, double done, void* progress)
{
    (*static_cast<const std::function<void(double)>*>(progress))(done);
}

} // namespace

Writer::Writer(bool compress)
    : m_compress(compress)
{
    zip_error_t error;
    zip_error_init(&error);
    m_target = zip_source_buffer_create(nullptr, 0, 0, &error);
    if (m_target) {
        // One reference for the archive, one kept for reading the bytes back
        // after zip_close has written them.
        zip_source_keep(m_target);
        m_zip = zip_open_from_source(m_target, ZIP_CREATE | ZIP_TRUNCATE, &error);
        if (!m_zip) {
            zip_source_free(m_target);
            zip_source_free(m_target);
            m_target = nullptr;
        }
    }
    if (!m_zip)
        m_error = errorText(&error);
    zip_error_fini(&error);
}

Writer::~Writer()
{
    if (m_zip)
        zip_discard(m_zip);
    if (m_target)
        zip_source_free(m_target);
}

bool Writer::add(const QString& path, const QByteArray& data)
{
    if (!m_zip)
        return false;
    m_data.append(data);
    const QByteArray& kept = m_data.constLast();
    zip_source_t* source = zip_source_buffer(m_zip, kept.constData(), zip_uint64_t(kept.size()), 0);
    const zip_int64_t index = source ? zip_file_add(m_zip, path.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) : -1;
    if (index < 0) {
        m_error = QString::fromUtf8(zip_strerror(m_zip));
        zip_source_free(source);
        m_data.removeLast();
        return false;
    }
    zip_set_file_compression(m_zip, zip_uint64_t(index), m_compress ? ZIP_CM_DEFLATE : ZIP_CM_STORE, 0);
    return true;
}

QByteArray Writer::finish(const std::function<void(double)>& progress)
{
    if (!m_zip)
        return QByteArray();
    if (progress) {
        // Steps of 1%: enough to repaint a progress bar, few enough to cost
        // nothing.
        constexpr double kPrecision = 0.01;
        zip_register_progress_callback_with_state(m_zip, kPrecision, reportProgress, nullptr,
                                                  const_cast<std::function<void(double)>*>(&progress));
    }
    // libzip writes nothing at all for an archive without entries.
    if (m_data.isEmpty() || zip_close(m_zip) != 0) {
        if (!m_data.isEmpty())
            m_error = QString::fromUtf8(zip_strerror(m_zip));
        zip_discard(m_zip);
        m_zip = nullptr;
        return QByteArray();
    }
    m_zip = nullptr;
    m_data.clear();

    QByteArray archive;
    zip_stat_t stat;
    zip_stat_init(&stat);
    if (zip_source_stat(m_target, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE) != 0
        && stat.size <= zip_uint64_t(std::numeric_limits<qsizetype>::max()) && zip_source_open(m_target) == 0) {
        archive.resize(qsizetype(stat.size));
        qsizetype got = 0;
        zip_int64_t n = 0;
        while (got < archive.size()
               && (n = zip_source_read(m_target, archive.data() + got, zip_uint64_t(archive.size() - got))) > 0)
            got += qsizetype(n);
        zip_source_close(m_target);
        if (got != archive.size())
            archive.clear();
    }
    if (archive.isEmpty())
        m_error = errorText(zip_source_error(m_target));
    zip_source_free(m_target);
    m_target = nullptr;
    return archive;
}

Reader::Reader(const QByteArray& archive)
    : m_archive(archive)
{
    // libzip would open empty data as a new, empty archive.
    if (m_archive.isEmpty())
        return;
    zip_source_t* source = zip_source_buffer_create(m_archive.constData(), zip_uint64_t(m_archive.size()), 0, nullptr);
    if (!source)
        return;
    m_zip = zip_open_from_source(source, ZIP_RDONLY, nullptr);
    if (!m_zip) {
        zip_source_free(source);
        return;
    }
    const zip_int64_t count = zip_get_num_entries(m_zip, 0);
    for (zip_int64_t i = 0; i < count && i < std::numeric_limits<int>::max(); ++i) {
        Entry entry;
        const char* name = zip_get_name(m_zip, zip_uint64_t(i), 0);
        entry.path = name ? QString::fromUtf8(name) : QString();
        zip_stat_t stat;
        zip_stat_init(&stat);
        const bool known = zip_stat_index(m_zip, zip_uint64_t(i), 0, &stat) == 0;
        // Reading refuses an entry whose size is not known (-1).
        entry.size = known && (stat.valid & ZIP_STAT_SIZE) != 0
                && stat.size <= zip_uint64_t(std::numeric_limits<qint64>::max())
            ? qint64(stat.size)
            : -1;
        // Only the two methods an archive of ours uses: every other decoder
        // is code a crafted archive could reach for nothing. libzip reads a
        // stream that ends early without a word, so compressed data claimed
        // to reach past the archive's end marks it as made up.
        const zip_uint64_t mask = ZIP_STAT_COMP_METHOD | ZIP_STAT_COMP_SIZE;
        entry.readable = known && (stat.valid & mask) == mask
            && (stat.comp_method == ZIP_CM_STORE || stat.comp_method == ZIP_CM_DEFLATE)
            && stat.comp_size <= zip_uint64_t(m_archive.size());
        const auto first = m_firstIndex.constFind(entry.path);
        if (first == m_firstIndex.constEnd()) {
            m_firstIndex.insert(entry.path, int(m_entries.size()));
        } else {
            m_entries[first.value()].shared = true;
            entry.shared = true;
        }
        m_entries.append(entry);
    }
}

Reader::~Reader()
{
    if (m_zip)
        zip_discard(m_zip);
}

QString Reader::path(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).path : QString();
}

qint64 Reader::recordedSize(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries.at(index).size : -1;
}

int Reader::indexOf(const QString& path) const
{
    return m_firstIndex.value(path, -1);
}

Reader::ReadStatus Reader::read(int index, qint64 maxSize, QByteArray* data) const
{
    data->clear();
    if (!m_zip || index < 0 || index >= m_entries.size())
        return ReadStatus::Damaged;
    const Entry& entry = m_entries.at(index);
    if (entry.shared || entry.size < 0 || !entry.readable)
        return ReadStatus::Damaged;
    if (entry.size > maxSize)
        return ReadStatus::TooLarge;

    zip_file_t* file = zip_fopen_index(m_zip, zip_uint64_t(index), 0);
    if (!file)
        return ReadStatus::Damaged;
    // Room for one byte past the recorded size: content that goes on beyond
    // it is damaged and read no further. At the end of the data libzip
    // checks the CRC-32 and reports a mismatch as an error.
    QByteArray buffer(qsizetype(entry.size) + 1, Qt::Uninitialized);
    qsizetype got = 0;
    zip_int64_t n = 0;
    while ((n = zip_fread(file, buffer.data() + got, zip_uint64_t(buffer.size() - got))) > 0) {
        got += qsizetype(n);
        if (got == buffer.size())
            break;
    }
    zip_fclose(file);
    if (n < 0 || got != entry.size)
        return ReadStatus::Damaged;
    buffer.truncate(got);
    *data = buffer;
    return ReadStatus::Ok;
}

} // namespace ZipArchive
