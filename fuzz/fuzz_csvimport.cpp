// ImportService::importCsv on arbitrary file bytes and column mappings, into
// a scratch database.
//
// Input: byte 0 picks the date, payee and amount columns (two bits each),
// byte 1 the memo and category columns (three bits each, 0 = none), whether
// the first row is a header (bit 6) and whether a date format follows
// (bit 7: the text up to the next line feed); the rest is the file.

#include "fuzzsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Database* database = FuzzSupport::scratchDatabase();
    static TransactionRepository transactions(database);
    static CategoryRepository categories(database);
    static SplitLineRepository splitLines(database);
    static ImportService service(database, &transactions, &categories, &splitLines);
    if (size < 2)
        return 0;

    CsvColumnMapping mapping;
    mapping.dateColumn = data[0] & 3;
    mapping.payeeColumn = (data[0] >> 2) & 3;
    mapping.amountColumn = (data[0] >> 4) & 3;
    mapping.memoColumn = (data[1] & 7) - 1;
    mapping.categoryColumn = ((data[1] >> 3) & 7) - 1;
    mapping.hasHeader = data[1] & 0x40;
    QByteArray content = FuzzSupport::bytes(data + 2, size - 2);
    if (data[1] & 0x80) {
        const qsizetype end = content.indexOf('\n');
        mapping.dateFormat = QString::fromUtf8(content.left(end < 0 ? content.size() : end));
        content = end < 0 ? QByteArray() : content.mid(end + 1);
    }
    const QString path = FuzzSupport::writeScratchFile(QStringLiteral("import.csv"), content);

    const qsizetype rows = parseCsv(decodeTextBytes(content)).size();
    const qsizetype records = qMax<qsizetype>(0, rows - (mapping.hasHeader ? 1 : 0));
    const ImportResult result = service.importCsv(path, FuzzSupport::kAccountId, mapping);

    // Every record lands in exactly one count; the import is all or nothing.
    FUZZ_CHECK(result.imported + result.duplicatesSkipped + result.unparseableSkipped + result.databaseErrorSkipped
               == records);
    FUZZ_CHECK(result.uncategorizedSharedName <= result.imported);
    FUZZ_CHECK(FuzzSupport::rowCount(QStringLiteral("transactions")) == (result.failed ? 0 : result.imported));
    FUZZ_CHECK(!database->bulkWriteActive());
    FUZZ_CHECK(FuzzSupport::databaseIntact());
    FuzzSupport::resetScratchData();
    return 0;
}
