#include "data/money.h"

#include <QLocale>
#include <QtNumeric>

#include <cmath>
#include <limits>

namespace {

bool g_autoDecimal = false;

const QLocale& englishLocale()
{
    static const QLocale locale(QLocale::English, QLocale::AnyScript, QLocale::AnyTerritory);
    return locale;
}

// Magnitude without overflow, so the most negative qint64 formats too.
quint64 magnitude(qint64 amount)
{
    return amount < 0 ? quint64(0) - quint64(amount) : quint64(amount);
}

QString numberText(qint64 amount, CurrencyCode currency)
{
    const quint64 abs = magnitude(amount);
    if (currency == CurrencyCode::JPY)
        return englishLocale().toString(abs);
    const quint64 whole = abs / 100;
    const quint64 cents = abs % 100;
    return QStringLiteral("%1.%2").arg(englishLocale().toString(whole)).arg(cents, 2, 10, QLatin1Char('0'));
}

} // namespace

QString currencySymbol(CurrencyCode currency)
{
    switch (currency) {
    case CurrencyCode::EUR:
        return QStringLiteral("\u20AC");
    case CurrencyCode::GBP:
        return QStringLiteral("\u00A3");
    case CurrencyCode::JPY:
        return QStringLiteral("\u00A5");
    default:
        return QStringLiteral("$");
    }
}

QString formatAmount(qint64 amount, CurrencyCode currency)
{
    const QString pattern = amount < 0 ? QStringLiteral("-%1%2") : QStringLiteral("%1%2");
    return pattern.arg(currencySymbol(currency), numberText(amount, currency));
}

QString formatAmountPlain(qint64 amount, CurrencyCode currency)
{
    const QString number = numberText(amount, currency);
    return amount < 0 ? QStringLiteral("-%1").arg(number) : number;
}

QString formatDisplayAmount(qint64 hundredths, CurrencyCode currency)
{
    if (currency != CurrencyCode::JPY)
        return formatAmount(hundredths, currency);
    // Division truncates toward zero; the remainder carries the sign, so a
    // half or more moves one unit away from zero.
    qint64 yen = hundredths / 100;
    const qint64 rest = hundredths % 100;
    if (rest >= 50)
        ++yen;
    else if (rest <= -50)
        --yen;
    return formatAmount(yen, currency);
}

bool tryParseAmount(const QString& text, CurrencyCode currency, qint64* amount)
{
    // A caller may only want to know whether the text reads.
    qint64 unused = 0;
    if (!amount)
        amount = &unused;
    *amount = 0;
    QString s = text;
    s.remove(currencySymbol(currency));
    s.remove(QLatin1Char(','));
    s = s.trimmed();
    if (s.isEmpty())
        return false;

    bool negative = false;
    if (s.startsWith(QLatin1Char('-'))) {
        negative = true;
        s.remove(0, 1);
        // A second minus would otherwise cancel the first and turn a
        // payment into a deposit.
        if (s.trimmed().startsWith(QLatin1Char('-')))
            return false;
    }

    qint64 value = 0;
    bool ok = false;
    if (currency == CurrencyCode::JPY) {
        value = s.toLongLong(&ok, 10);
        if (!ok)
            return false;
    } else {
        const double number = s.toDouble(&ok);
        if (!ok)
            return false;
        const double scaled = std::round(number * 100.0);
        // Reject inf, nan and anything outside qint64 before converting.
        if (!std::isfinite(scaled) || std::fabs(scaled) >= 9223372036854775807.0)
            return false;
        value = static_cast<qint64>(scaled);
    }
    *amount = negative ? -value : value;
    return true;
}

qint64 parseAmount(const QString& text, CurrencyCode currency)
{
    qint64 amount = 0;
    return tryParseAmount(text, currency, &amount) ? amount : 0;
}

qint64 parseAutoDecimalAmount(const QString& text)
{
    const bool negative = text.trimmed().startsWith(QLatin1Char('-'));
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit())
            digits.append(c);
    }
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const qint64 value = digits.toLongLong(&ok, 10);
    if (!ok)
        return 0;
    return negative ? -value : value;
}

bool amountAutoDecimal()
{
    return g_autoDecimal;
}

void setAmountAutoDecimal(bool enabled)
{
    g_autoDecimal = enabled;
}

qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (qAddOverflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

qint64 saturatingSub(qint64 a, qint64 b)
{
    qint64 difference = 0;
    if (qSubOverflow(a, b, &difference))
        return b < 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return difference;
}

qint64 negatedAmount(qint64 amount)
{
    return amount == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max() : -amount;
}

qint64 amountMagnitude(qint64 amount)
{
    return amount < 0 ? negatedAmount(amount) : amount;
}
