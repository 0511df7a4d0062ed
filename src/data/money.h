#pragma once

#include "data/records.h"

#include <QString>

// Money amounts are qint64 counts of the currency's smallest unit. Text is
// locale-independent: English digit grouping and a point before the cents.

QString currencySymbol(CurrencyCode currency);
QString formatAmount(qint64 amount, CurrencyCode currency);
QString formatAmountPlain(qint64 amount, CurrencyCode currency);
// A stored amount (hundredths in every currency, as the forms and the
// register keep them) as display text: for JPY the hundredths become whole
// yen, half away from zero, before formatting; other currencies format
// unchanged.
QString formatDisplayAmount(qint64 hundredths, CurrencyCode currency);

// Amount arithmetic that cannot wrap: a damaged or absurd stored amount stops
// at the ends of the range instead of turning into the opposite sign.
qint64 saturatingAdd(qint64 a, qint64 b);
qint64 saturatingSub(qint64 a, qint64 b);
// -amount and |amount|; the smallest qint64 gives the largest.
qint64 negatedAmount(qint64 amount);
qint64 amountMagnitude(qint64 amount);

// Text to minor units; 0 when the text is not a number.
qint64 parseAmount(const QString& text, CurrencyCode currency);
// As parseAmount, but tells an unreadable text (false) from a typed zero;
// amount may be null.
bool tryParseAmount(const QString& text, CurrencyCode currency, qint64* amount);
// The digits of the text taken as minor units ("12.34" and "1234" give 1234).
qint64 parseAutoDecimalAmount(const QString& text);

bool amountAutoDecimal();
void setAmountAutoDecimal(bool enabled);
