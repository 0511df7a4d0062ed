#include "data/sqlvalue.h"

namespace SqlValue {

QString timestampText(const QDateTime& time)
{
    if (!time.isValid())
        return QString();
    // Bulk writes stamp thousands of rows within one second: the text of the
    // last second is kept rather than formatted again for each row.
    thread_local qint64 lastSecond = 0;
    thread_local QString lastText;
    const qint64 ms = time.toMSecsSinceEpoch();
    const qint64 second = ms >= 0 ? ms / 1000 : -((999 - ms) / 1000); // floor, as dropping the ms does
    if (second != lastSecond || lastText.isEmpty()) {
        // Whole seconds, so the text always has one shape and compares like time.
        lastText = QDateTime::fromSecsSinceEpoch(second, Qt::UTC).toString(Qt::ISODate);
        lastSecond = second;
    }
    return lastText;
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
