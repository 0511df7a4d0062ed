// BackupService::importBackup on well-formed archives of arbitrary entries,
// so that the row JSON reaches the SQL side (the raw-byte harness rarely
// gets past the archive's checksums).
//
// Input: byte 0 is the import mode (modulo 3; bit 7 deflates the entries,
// else they are stored); the rest is split at zero bytes into entries,
// each its path up to the first line feed and its content after it (a path
// already taken is left out: the writer refuses it). A valid manifest is
// added when no entry is named manifest.json. The database remembers that
// the sync repair renamed "old-account" and "old-row", so rows that name
// those ids are restored as the rows they became.

#include "fuzzsupport.h"

#include "data/database.h"
#include "data/renamedids.h"
#include "services/backupservice.h"
#include "services/ziparchive.h"

#include <QSqlQuery>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static Database* database = FuzzSupport::scratchDatabase();
    static BackupService service(database);
    static const bool renamed = [] {
        QSqlQuery q(database->database());
        return q.exec(QStringLiteral("INSERT OR REPLACE INTO preferences (key, value) VALUES ('%1', '%2'), ('%3', "
                                     "'renamed-row')")
                          .arg(RenamedIds::preferenceKey(QStringLiteral("old-account")), FuzzSupport::kAccountId,
                               RenamedIds::preferenceKey(QStringLiteral("old-row"))));
    }();
    FUZZ_CHECK(renamed);
    if (size < 1)
        return 0;

    const auto mode = static_cast<BackupImportMode>((data[0] & 0x7F) % 3);
    ZipArchive::Writer zip(data[0] & 0x80);
    bool manifest = false;
    const QList<QByteArray> pieces = FuzzSupport::bytes(data + 1, size - 1).split('\0');
    for (const QByteArray& piece : pieces) {
        const qsizetype end = piece.indexOf('\n');
        const QString path = QString::fromUtf8(piece.left(end < 0 ? piece.size() : end));
        if (zip.add(path, end < 0 ? QByteArray() : piece.mid(end + 1)) && path == QLatin1String("manifest.json"))
            manifest = true;
    }
    if (!manifest)
        zip.add(QStringLiteral("manifest.json"), QByteArrayLiteral("{\"version\": 1}"));

    const BackupImportResult result = service.importBackup(zip.finish(), mode);
    (void)result;

    FUZZ_CHECK(!database->bulkWriteActive());
    FUZZ_CHECK(database->database().transaction());
    database->database().rollback();
    FUZZ_CHECK(FuzzSupport::databaseIntact());
    FuzzSupport::resetScratchData();
    return 0;
}
