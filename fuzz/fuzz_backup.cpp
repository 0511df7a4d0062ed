// BackupService::importBackup on arbitrary bytes, into a scratch database.
// The import mode is the input's size modulo 3, so the seeds stay plain ZIP
// archives.

#include "fuzzsupport.h"

#include "data/database.h"
#include "services/backupservice.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Database* database = FuzzSupport::scratchDatabase();
    static BackupService service(database);

    const auto mode = static_cast<BackupImportMode>(size % 3);
    const BackupImportResult result = service.importBackup(FuzzSupport::bytes(data, size), mode);
    (void)result;

    // The restore closed its transaction and cleared the bulk-write flag.
    FUZZ_CHECK(!database->bulkWriteActive());
    FUZZ_CHECK(database->database().transaction());
    database->database().rollback();
    FUZZ_CHECK(FuzzSupport::databaseIntact());
    FuzzSupport::resetScratchData();
    return 0;
}
