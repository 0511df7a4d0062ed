// parseQif and its value parsers (parseQifAmount, parseQifDate,
// parseQifCategory) on arbitrary file bytes, and ImportService::importQif
// of the same file into a scratch database. Builds to a harness that does
// nothing while the QIF parser is not part of the source tree.
//
// Input: byte 0 holds the date order (modulo 3) and, in bit 7, whether the
// file is imported too; the rest is the file.

#include "fuzzsupport.h"

#if __has_include("services/qifparser.h")

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice.h"
#include "services/qifparser.h"

#include <QHash>
#include <QStringList>

namespace {

// Imports the file with every source account mapped to one of the two
// scratch accounts in turn, so that transfers between them pair up.
template <typename Service>
auto importFile(Service& service, const QString& path, int)
    -> decltype(service.analyzeQifFiles(QStringList()), service.importQif(QStringList(), QHash<QString, QString>()),
                void())
{
    const auto analysis = service.analyzeQifFiles({path});
    QHash<QString, QString> mapping;
    int n = 0;
    for (const auto& source : analysis.accounts)
        mapping.insert(source.key, n++ % 2 ? FuzzSupport::kOtherAccountId : FuzzSupport::kAccountId);
    const ImportResult result = service.importQif({path}, mapping);
    const qint64 rows = FuzzSupport::rowCount(QStringLiteral("transactions"));
    FUZZ_CHECK(result.failed ? rows == 0 : rows == result.imported);
}

// Without the QIF import of ImportService only the parser is fuzzed.
template <typename Service>
void importFile(Service&, const QString&, long)
{
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const auto order = static_cast<QifDateOrder>(data[0] % 3);
    const QByteArray file = FuzzSupport::bytes(data + 1, size - 1);
    const QString text = decodeTextBytes(file);

    const auto parsed = parseQif(text, order);
    FUZZ_CHECK(parsed.invalidCount >= 0 && parsed.skippedCount >= 0);
    FUZZ_CHECK(order == QifDateOrder::Auto ? parsed.dateOrder != QifDateOrder::Auto : parsed.dateOrder == order);
    for (const auto& transaction : parsed.transactions)
        FUZZ_CHECK(transaction.date.isValid());

    // The value parsers on the whole text as one value.
    (void)parseQifAmount(text);
    if (const auto date = parseQifDate(text, order))
        FUZZ_CHECK(date->isValid());
    QString category;
    QString transferAccount;
    parseQifCategory(text, category, transferAccount);
    FUZZ_CHECK(category.isEmpty() || transferAccount.isEmpty());

    if (data[0] & 0x80) {
        static Database* database = FuzzSupport::scratchDatabase();
        static TransactionRepository transactions(database);
        static CategoryRepository categories(database);
        static SplitLineRepository splitLines(database);
        static ImportService service(database, &transactions, &categories, &splitLines);
        importFile(service, FuzzSupport::writeScratchFile(QStringLiteral("import.qif"), file), 0);
        FUZZ_CHECK(!database->bulkWriteActive());
        FUZZ_CHECK(FuzzSupport::databaseIntact());
        FuzzSupport::resetScratchData();
    }
    return 0;
}

#else

extern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t)
{
    return 0;
}

#endif
