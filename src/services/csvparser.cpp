#include "services/csvparser.h"

#include <QStringDecoder>

namespace {

// Code points of the bytes 0x80-0x9F in Windows-1252. The five positions the
// code page leaves unassigned keep their own value, so no byte is lost.
const char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

bool isStrictUtf8(const QByteArray& bytes)
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
            return false; // a continuation byte or 0xF8-0xFF in lead position
        }
        if (i + continuations >= size)
            return false; // cut off by the end of the data
        for (int k = 1; k <= continuations; ++k) {
            const unsigned char c = data[i + k];
            if ((c & 0xC0) != 0x80)
                return false;
            value = (value << 6) | (c & 0x3F);
        }
        if (value < smallest || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF)
            return false;
        i += continuations + 1;
    }
    return true;
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
    QStringList row;
    QString field;
    bool inQuotes = false;

    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < size && text.at(i + 1) == QLatin1Char('"')) {
                    field.append(c);
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field.append(c);
            }
            continue;
        }
        switch (c.unicode()) {
        case u'"':
            inQuotes = true;
            break;
        case u',':
            row.append(field.trimmed());
            field.clear();
            break;
        case u'\n':
            row.append(field.trimmed());
            field.clear();
            if (!(row.size() == 1 && row.first().isEmpty()))
                rows.append(row);
            row.clear();
            break;
        case u'\r':
            break;
        default:
            field.append(c);
            break;
        }
    }
    if (!field.isEmpty() || !row.isEmpty()) {
        row.append(field.trimmed());
        rows.append(row);
    }
    return rows;
}
