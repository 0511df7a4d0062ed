// decodeTextBytes and parseCsv on arbitrary file bytes, and the streamed
// reader against them: every row read in order and again by number.

#include "fuzzsupport.h"

#include "services/csvparser.h"

#include <QBuffer>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = FuzzSupport::bytes(data, size);
    const QString text = decodeTextBytes(input);

    const bool utf8Mark = size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF;
    const bool utf16Mark = size >= 2 && ((data[0] == 0xFF && data[1] == 0xFE) || (data[0] == 0xFE && data[1] == 0xFF));
    if (!utf8Mark && !utf16Mark && size > 0) {
        // UTF-8 or Windows-1252: never more characters than bytes, and no
        // byte lost.
        FUZZ_CHECK(!text.isEmpty());
        FUZZ_CHECK(text.size() <= qsizetype(size));
    }

    const QList<QStringList> rows = parseCsv(text);
    for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList& row = rows.at(r);
        FUZZ_CHECK(!row.isEmpty());
        // A line of white space is no row (only the text's last line, which
        // has no line feed, may be one empty field).
        if (r + 1 < rows.size())
            FUZZ_CHECK(!(row.size() == 1 && row.first().isEmpty()));
        for (const QString& field : row)
            FUZZ_CHECK(field == field.trimmed());
    }

    QByteArray copy = input;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    const qsizetype piece = 1 + qsizetype(size % 13);
    CsvReader reader(&buffer, piece);
    reader.setKeepMarks(true);
    QStringList row;
    qsizetype count = 0;
    while (reader.next(row))
        FUZZ_CHECK(count < rows.size() && row == rows.at(count++));
    FUZZ_CHECK(count == rows.size());
    // A mark per piece at most, each holding no more than an eighth of a
    // piece of its unfinished row and the tail of a character, however
    // many empty fields the row has.
    FUZZ_CHECK(reader.markedSize() <= (qsizetype(size) / piece + 2) * (piece / 8 + 3));
    for (qsizetype r = rows.size() - 1; r >= 0; --r)
        FUZZ_CHECK(reader.readRow(r, row) && row == rows.at(r));
    FUZZ_CHECK(!reader.readRow(rows.size(), row));
    return 0;
}
