#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QVariant>

#include <optional>

// How record fields become bound SQL values and how stored texts come back.
// Every repository goes through these so that one encoding holds everywhere.
namespace SqlValue {

// Timestamp text: UTC, ISO 8601 to whole seconds with "Z"
// ("2025-03-01T14:05:09Z"); empty for an invalid time.
QString timestampText(const QDateTime& time);
// The current UTC time as timestamp text.
QString nowText();

// Free text: an empty or null string binds as '' (never SQL NULL).
QVariant text(const QString& value);
// Reference id: an empty id binds as NULL so foreign keys hold.
QVariant ref(const QString& id);
// Calendar date "yyyy-MM-dd"; an invalid date binds as NULL so that a NOT
// NULL date column refuses the row instead of storing ''.
QVariant date(const QDate& value);
QVariant date(const std::optional<QDate>& value);
// Timestamp text as above (never a QDateTime: the driver would add ms);
// an invalid time binds as NULL.
QVariant timestamp(const QDateTime& value);
QVariant flag(bool value);

// Readers.
QDate toDate(const QVariant& value);
std::optional<QDate> toOptionalDate(const QVariant& value);
QDateTime toTimestamp(const QVariant& value);
std::optional<QDateTime> toOptionalTimestamp(const QVariant& value);

} // namespace SqlValue
