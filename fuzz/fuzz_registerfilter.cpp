// RegisterFilter::fromJson on arbitrary stored text.

#include "fuzzsupport.h"

#include "data/registerfilter.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const RegisterFilter filter = RegisterFilter::fromJson(QString::fromUtf8(FuzzSupport::bytes(data, size)));
    // What is stored reads back as the same filter (a category id that is
    // not valid UTF-16 cannot be stored as UTF-8 text).
    if (filter.categoryId.isValidUtf16())
        FUZZ_CHECK(RegisterFilter::fromJson(filter.toJson()) == filter);
    FUZZ_CHECK(filter.isActive() == (filter != RegisterFilter()));

    Transaction transaction;
    transaction.date = QDate(2024, 2, 29);
    transaction.cleared = true;
    transaction.categoryId = filter.categoryId;
    (void)filter.matches(transaction);
    return 0;
}
