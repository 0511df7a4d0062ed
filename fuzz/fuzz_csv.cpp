// decodeTextBytes and parseCsv on arbitrary file bytes.

#include "fuzzsupport.h"

#include "services/csvparser.h"

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
    return 0;
}
