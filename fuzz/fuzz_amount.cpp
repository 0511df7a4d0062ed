// parseAmount, tryParseAmount and parseAutoDecimalAmount on arbitrary text,
// and the formatting of arbitrary amounts.

#include "fuzzsupport.h"

#include "data/money.h"

#include <cstring>

namespace {

constexpr CurrencyCode kCurrencies[] = {CurrencyCode::USD, CurrencyCode::EUR, CurrencyCode::GBP,
                                        CurrencyCode::CAD, CurrencyCode::AUD, CurrencyCode::JPY};
// Below this many minor units a double holds every amount text exactly
// enough for the read-back to give the same amount.
constexpr qint64 kExact = 1000000000000000LL;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(FuzzSupport::bytes(data, size));
    for (const CurrencyCode currency : kCurrencies) {
        qint64 amount = -1;
        const bool ok = tryParseAmount(text, currency, &amount);
        FUZZ_CHECK(ok || amount == 0);
        FUZZ_CHECK(tryParseAmount(text, currency, nullptr) == ok);
        FUZZ_CHECK(parseAmount(text, currency) == amount);
        if (ok && amount > -kExact && amount < kExact) {
            // What the program shows reads back as the same amount.
            qint64 again = -1;
            FUZZ_CHECK(tryParseAmount(formatAmount(amount, currency), currency, &again) && again == amount);
            FUZZ_CHECK(tryParseAmount(formatAmountPlain(amount, currency), currency, &again) && again == amount);
        }
    }
    const qint64 digits = parseAutoDecimalAmount(text);
    (void)digits;

    // The first eight bytes as an amount: every qint64 formats.
    if (size >= sizeof(qint64)) {
        qint64 raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        for (const CurrencyCode currency : kCurrencies) {
            FUZZ_CHECK(!formatAmount(raw, currency).isEmpty());
            FUZZ_CHECK(!formatAmountPlain(raw, currency).isEmpty());
            FUZZ_CHECK(!formatDisplayAmount(raw, currency).isEmpty());
        }
    }
    return 0;
}
