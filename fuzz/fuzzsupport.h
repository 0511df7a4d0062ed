#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A property of the code under test; a failure is a finding like a crash.
#define FUZZ_CHECK(condition)                                                                                          \
    do {                                                                                                               \
        if (!(condition)) {                                                                                            \
            std::fprintf(stderr, "FUZZ_CHECK failed: %s at %s:%d\n", #condition, __FILE__, __LINE__);                  \
            std::abort();                                                                                              \
        }                                                                                                              \
    } while (false)

class Database;

// Shared set-up of the libFuzzer harnesses. Every harness is built with
// -fsanitize=fuzzer and defines LLVMFuzzerTestOneInput; these helpers keep
// the per-input work to the code under test.
namespace FuzzSupport {

// The fuzz input as bytes, without a copy and without the terminating zero
// a QByteArray copy would add, so a read past the end is an ASan report.
inline QByteArray bytes(const uint8_t* data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
}

// Creates the process's QCoreApplication (once) and silences Qt's debug,
// info and warning output: bad input warns on purpose, and printing every
// warning would slow fuzzing down many times. Fatal messages still abort.
void initApplication();

// A migrated database in a temporary directory on Qt's default connection,
// made once per process, holding two accounts (kAccountId, kOtherAccountId).
// Writes skip the fsync: a crash of the harness loses the scratch file only.
Database* scratchDatabase();
inline const QString kAccountId = QStringLiteral("fuzz-account");
inline const QString kOtherAccountId = QStringLiteral("fuzz-account-2");

// Deletes every row and puts the two accounts back, so each input starts
// from the same database.
void resetScratchData();

// Number of rows of a table of the scratch database.
qint64 rowCount(const QString& table);
// Whether SQLite's integrity check passes and the full-text index matches
// the transactions.
bool databaseIntact();

// A file in the scratch directory holding these bytes; its path.
QString writeScratchFile(const QString& name, const QByteArray& content);

} // namespace FuzzSupport
