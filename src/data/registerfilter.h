#pragma once

#include "data/records.h"

#include <QDate>
#include <QString>

#include <optional>

// The per-account narrowing of the register: cleared state, an inclusive
// date range with open ends, and one category. Stored as JSON text in the
// preferences; the register's totals never go through it.
struct RegisterFilter
{
    std::optional<bool> cleared; // absent = any state
    QDate dateFrom;              // invalid = no lower bound
    QDate dateTo;                // invalid = no upper bound
    QString categoryId;          // empty = any category

    bool isActive() const;
    // True when the transaction passes every set condition. Only the
    // transaction's own category counts, never those of its split lines.
    bool matches(const Transaction& transaction) const;

    // Compact JSON object holding only the set members.
    QString toJson() const;
    // Anything that is not a JSON object gives the empty filter; members of
    // the wrong type are ignored.
    static RegisterFilter fromJson(const QString& text);
    // The preference an account's filter is saved under.
    static QString preferenceKey(const QString& accountId);

    bool operator==(const RegisterFilter& other) const;
    bool operator!=(const RegisterFilter& other) const { return !(*this == other); }
};
