#include "data/sqlvalue.h"

namespace SqlValue {

QString timestampText(const QDateTime& time)
{
    if (!time.isValid())
        return QString();
    const QDateTime utc = time.toUTC();
    // Whole seconds: drop milliseconds so the text always has one shape and
    // compares like time.
    return utc.addMSecs(-utc.time().msec()).toString(Qt::ISODate);
}

QString nowText()
{
    return timestampText(QDateTime::currentDateTimeUtc());
}

QVariant text(const QString& value)
{
    return value.isNull() ? QVariant(QStringLiteral("")) : QVariant(value);
}

QVariant ref(const QString& id)
{
    return id.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(id);
}

QVariant date(const QDate& value)
{
    return value.isValid() ? QVariant(value.toString(Qt::ISODate)) : QVariant(QMetaType::fromType<QString>());
}

QVariant date(const std::optional<QDate>& value)
{
    return value ? date(*value) : QVariant(QMetaType::fromType<QString>());
}

QVariant timestamp(const QDateTime& value)
{
    // Like an invalid date, an invalid time binds NULL so NOT NULL columns
    // refuse the row rather than store ''.
    return value.isValid() ? QVariant(timestampText(value)) : QVariant(QMetaType::fromType<QString>());
}

QVariant flag(bool value)
{
    return QVariant(value ? 1 : 0);
}

QDate toDate(const QVariant& value)
{
    return QDate::fromString(value.toString(), Qt::ISODate);
}

std::optional<QDate> toOptionalDate(const QVariant& value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return std::nullopt;
    return QDate::fromString(text, Qt::ISODate);
}

QDateTime toTimestamp(const QVariant& value)
{
    return QDateTime::fromString(value.toString(), Qt::ISODate);
}

std::optional<QDateTime> toOptionalTimestamp(const QVariant& value)
{
    const QString text = value.toString();
    if (text.isEmpty())
        return std::nullopt;
    return QDateTime::fromString(text, Qt::ISODate);
}

} // namespace SqlValue
