#include "services/csvparser.h"

#include <QIODevice>
#include <QStringDecoder>

#include <algorithm>

namespace {

// Code points of the bytes 0x80-0x9F in Windows-1252. The five positions the
// code page leaves unassigned keep their own value, so no byte is lost.
const char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

// The bytes from the start that form complete characters of strict UTF-8.
// It stops at the first invalid one (and sets *invalid) or at a character
// that the end of the data cuts off.
qsizetype strictUtf8Prefix(const QByteArray& bytes, bool* invalid)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        const unsigned char lead = data[i];
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int continuations = 0;
        char32_t value = 0;
        char32_t smallest = 0;
        if ((lead & 0xE0) == 0xC0) {
            continuations = 1;
            value = lead & 0x1F;
            smallest = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            continuations = 2;
            value = lead & 0x0F;
            smallest = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            continuations = 3;
            value = lead & 0x07;
            smallest = 0x10000;
        } else {
            *invalid = true; // a continuation byte or 0xF8-0xFF in lead position
            return i;
        }
        if (i + continuations >= size)
            return i; // cut off by the end of the data
        for (int k = 1; k <= continuations; ++k) {
            const unsigned char c = data[i + k];
            if ((c & 0xC0) != 0x80) {
                *invalid = true;
                return i;
            }
            value = (value << 6) | (c & 0x3F);
        }
        if (value < smallest || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) {
            *invalid = true;
            return i;
        }
        i += continuations + 1;
    }
    return i;
}

bool isStrictUtf8(const QByteArray& bytes)
{
    bool invalid = false;
    return strictUtf8Prefix(bytes, &invalid) == bytes.size() && !invalid;
}

QString decodeWindows1252(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        if (byte >= 0x80 && byte < 0xA0)
            text.append(QChar(kWindows1252High[byte - 0x80]));
        else
            text.append(QChar(char16_t(byte)));
    }
    return text;
}

QString decodeUtf16(QStringConverter::Encoding encoding, const QByteArray& bytes)
{
    // One call decodes the whole file, so no state is carried over; a
    // stateless decoder also turns a trailing odd byte into U+FFFD instead
    // of dropping it.
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    return decoder(bytes);
}

// Where the bytes of a UTF-8 stream can be cut without parting a lead byte
// from the continuation bytes it asks for: they go with the next piece.
qsizetype utf8Cut(const QByteArray& bytes)
{
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= std::min<qsizetype>(3, size); ++back) {
        const auto byte = static_cast<unsigned char>(bytes.at(size - back));
        if ((byte & 0xC0) == 0x80)
            continue;
        const int length = (byte & 0xE0) == 0xC0 ? 2 : (byte & 0xF0) == 0xE0 ? 3 : (byte & 0xF8) == 0xF0 ? 4 : 1;
        return length > back ? size - back : size;
    }
    return size;
}

// Where the bytes of a UTF-16 stream can be cut: after a whole code unit
// that is no high surrogate.
qsizetype utf16Cut(const QByteArray& bytes, bool littleEndian)
{
    qsizetype cut = bytes.size() & ~qsizetype(1);
    if (cut >= 2) {
        const auto first = static_cast<unsigned char>(bytes.at(cut - 2));
        const auto second = static_cast<unsigned char>(bytes.at(cut - 1));
        const unsigned unit = littleEndian ? (second << 8 | first) : (first << 8 | second);
        if (unit >= 0xD800 && unit <= 0xDBFF)
            cut -= 2;
    }
    return cut;
}

} // namespace

QString decodeTextBytes(const QByteArray& bytes)
{
    const auto byteAt = [&bytes](int i) { return static_cast<unsigned char>(bytes.at(i)); };
    if (bytes.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF)
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE)
        return decodeUtf16(QStringConverter::Utf16LE, bytes.mid(2));
    if (bytes.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF)
        return decodeUtf16(QStringConverter::Utf16BE, bytes.mid(2));
    if (isStrictUtf8(bytes))
        return QString::fromUtf8(bytes);
    return decodeWindows1252(bytes);
}

QList<QStringList> parseCsv(const QString& text)
{
    QList<QStringList> rows;
    CsvRowSplitter splitter;
    splitter.feed(text, rows);
    splitter.finish(rows);
    return rows;
}

qsizetype CsvRowSplitter::pendingSize() const
{
    qsizetype size = m_field.size() + m_row.size();
    for (const QString& field : m_row)
        size += field.size();
    return size;
}

void CsvRowSplitter::feed(QStringView text, QList<QStringList>& rows)
{
    for (const QChar c : text) {
        if (m_quoteInQuotes) {
            m_quoteInQuotes = false;
            if (c == QLatin1Char('"')) {
                m_field.append(c); // a doubled quote is one quote
                continue;
            }
            m_inQuotes = false; // the quote closed; c is read outside
        } else if (m_inQuotes) {
            if (c == QLatin1Char('"'))
                m_quoteInQuotes = true;
            else
                m_field.append(c);
            continue;
        }
        switch (c.unicode()) {
        case u'"':
            m_inQuotes = true;
            break;
        case u',':
            m_row.append(m_field.trimmed());
            m_field.clear();
            break;
        case u'\n':
            m_row.append(m_field.trimmed());
            m_field.clear();
            if (!(m_row.size() == 1 && m_row.first().isEmpty()))
                rows.append(m_row);
            m_row.clear();
            break;
        case u'\r':
            break;
        default:
            m_field.append(c);
            break;
        }
    }
}

void CsvRowSplitter::finish(QList<QStringList>& rows)
{
    if (!m_field.isEmpty() || !m_row.isEmpty()) {
        m_row.append(m_field.trimmed());
        rows.append(m_row);
    }
    *this = CsvRowSplitter();
}

CsvReader::CsvReader(QIODevice* device, qsizetype pieceBytes)
    : m_device(device)
    , m_pieceBytes(std::max<qsizetype>(1, pieceBytes))
{
    m_device->seek(0);
    QByteArray head;
    while (head.size() < 3) {
        const QByteArray more = m_device->read(m_pieceBytes);
        if (more.isEmpty())
            break;
        head += more;
    }
    const auto byteAt = [&head](int i) { return static_cast<unsigned char>(head.at(i)); };
    if (head.size() >= 3 && byteAt(0) == 0xEF && byteAt(1) == 0xBB && byteAt(2) == 0xBF) {
        m_start = 3;
    } else if (head.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE) {
        m_encoding = Encoding::Utf16LE;
        m_start = 2;
    } else if (head.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF) {
        m_encoding = Encoding::Utf16BE;
        m_start = 2;
    } else {
        // The whole data decides between UTF-8 and Windows-1252.
        QByteArray rest = head;
        for (;;) {
            bool invalid = false;
            rest.remove(0, strictUtf8Prefix(rest, &invalid));
            if (invalid) {
                m_encoding = Encoding::Windows1252;
                break;
            }
            const QByteArray more = m_device->read(m_pieceBytes);
            if (more.isEmpty()) {
                m_failed = !m_device->atEnd();
                m_encoding = rest.isEmpty() ? Encoding::Utf8 : Encoding::Windows1252;
                break;
            }
            rest += more;
        }
    }
    rewind();
}

bool CsvReader::rewind()
{
    m_bytes.clear();
    m_splitter = CsvRowSplitter();
    m_rows.clear();
    m_nextRow = 0;
    m_atEnd = false;
    m_pieceCount = 0;
    m_rowsRead = 0;
    if (m_keepMarks && !m_marked)
        m_marks.clear();
    if (!m_device->seek(m_start))
        m_failed = true;
    return !m_failed;
}

void CsvReader::setKeepMarks(bool keep)
{
    m_keepMarks = keep;
}

bool CsvReader::readRow(qint64 index, QStringList& row)
{
    if (!m_marked || index < 0)
        return false;
    // The last mark with no more rows before it: the row ends in its piece
    // or in a later one without a mark.
    const auto after = std::upper_bound(m_marks.cbegin(), m_marks.cend(), index,
                                        [](qint64 i, const Mark& mark) { return i < mark.rowsBefore; });
    const qsizetype mark = after - m_marks.cbegin() - 1;
    if (mark < 0)
        return false;
    if (mark != m_blockMark) {
        const Mark& from = m_marks.at(mark);
        m_blockMark = -1;
        m_block.clear();
        m_failed = !m_device->seek(from.offset);
        m_bytes = from.bytes;
        m_splitter = from.splitter;
        m_rowsRead = from.rowsBefore;
        m_pieceCount = from.pieceCount;
        m_rows.clear();
        m_nextRow = 0;
        m_atEnd = false;
        const qint64 rows = (mark + 1 < m_marks.size() ? m_marks.at(mark + 1).rowsBefore : m_rowCount) - from.rowsBefore;
        QStringList read;
        while (m_block.size() < rows && next(read))
            m_block.append(read);
        if (m_failed)
            return false;
        m_blockMark = mark;
    }
    const qint64 offset = index - m_marks.at(mark).rowsBefore;
    if (offset >= m_block.size())
        return false; // past the end, or the file changed since the pass
    row = m_block.at(offset);
    return true;
}

qsizetype CsvReader::markedSize() const
{
    qsizetype size = 0;
    for (const Mark& mark : m_marks)
        size += mark.bytes.size() + mark.splitter.pendingSize();
    return size;
}

bool CsvReader::next(QStringList& row)
{
    while (m_nextRow >= m_rows.size()) {
        if (m_failed || m_atEnd)
            return false;
        m_rows.clear();
        m_nextRow = 0;
        readMore();
    }
    if (m_failed)
        return false;
    row = std::move(m_rows[m_nextRow++]);
    return true;
}

void CsvReader::readMore()
{
    // A piece that starts inside a long row gets no mark: a stray quote
    // can make the rest of the file one row, and a copy of it in every mark
    // would grow with the square of the file. Long is counted in fields as
    // well as characters, since a row of empty fields (commas, or lines
    // ended by a lone carriage return) holds no characters. Its rows are
    // read from the mark before.
    const bool marking = m_keepMarks && !m_marked;
    if (marking && m_splitter.pendingSize() <= m_pieceBytes / 8)
        m_marks.append({m_device->pos(), m_bytes, m_splitter, m_rowsRead, m_pieceCount});
    const QByteArray piece = m_device->read(m_pieceBytes);
    if (piece.isEmpty()) {
        m_failed = !m_device->atEnd();
        m_atEnd = true;
        decodeBuffered(true);
        m_splitter.finish(m_rows);
        if (marking) {
            m_marked = !m_failed;
            m_rowCount = m_rowsRead + m_rows.size();
        }
    } else {
        m_bytes += piece;
        decodeBuffered(false);
    }
    m_rowsRead += m_rows.size();
}

void CsvReader::decodeBuffered(bool atEnd)
{
    qsizetype cut = m_bytes.size();
    if (!atEnd && m_encoding == Encoding::Utf8)
        cut = utf8Cut(m_bytes);
    else if (!atEnd && m_encoding != Encoding::Windows1252)
        cut = utf16Cut(m_bytes, m_encoding == Encoding::Utf16LE);
    QByteArray bytes = m_bytes.left(cut);
    m_bytes.remove(0, cut);
    if (bytes.isEmpty())
        return;
    // The decoders drop a byte-order mark at the start of what they are
    // given; only the file's own first one goes, so a later piece is read
    // behind a space that is taken off again.
    const bool behindSpace = m_pieceCount > 0 && m_encoding != Encoding::Windows1252;
    QString text;
    switch (m_encoding) {
    case Encoding::Utf8:
        if (behindSpace)
            bytes.prepend(' ');
        text = QString::fromUtf8(bytes);
        break;
    case Encoding::Utf16LE:
        if (behindSpace)
            bytes.prepend(QByteArray(" \0", 2));
        text = decodeUtf16(QStringConverter::Utf16LE, bytes);
        break;
    case Encoding::Utf16BE:
        if (behindSpace)
            bytes.prepend(QByteArray("\0 ", 2));
        text = decodeUtf16(QStringConverter::Utf16BE, bytes);
        break;
    case Encoding::Windows1252:
        text = decodeWindows1252(bytes);
        break;
    }
    if (behindSpace)
        text.remove(0, 1);
    ++m_pieceCount;
    m_splitter.feed(text, m_rows);
}

CsvFileRows::CsvFileRows(const QString& path)
    : m_file(path)
{
    if (m_file.open(QIODevice::ReadOnly)) {
        m_reader.emplace(&m_file);
        m_reader->setKeepMarks(true);
    }
}
