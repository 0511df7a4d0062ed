#include "data/registerfilter.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

const QString kCleared = QStringLiteral("cleared");
const QString kDateFrom = QStringLiteral("dateFrom");
const QString kDateTo = QStringLiteral("dateTo");
const QString kCategoryId = QStringLiteral("categoryId");

QString isoDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd"));
}

} // namespace

bool RegisterFilter::isActive() const
{
    return cleared.has_value() || dateFrom.isValid() || dateTo.isValid() || !categoryId.isEmpty();
}

bool RegisterFilter::matches(const Transaction& transaction) const
{
    if (cleared.has_value() && *cleared != transaction.cleared)
        return false;
    if (dateFrom.isValid() && transaction.date < dateFrom)
        return false;
    if (dateTo.isValid() && transaction.date > dateTo)
        return false;
    if (!categoryId.isEmpty() && transaction.categoryId != categoryId)
        return false;
    return true;
}

QString RegisterFilter::preferenceKey(const QString& accountId)
{
    return QStringLiteral("registerFilter_%1").arg(accountId);
}

QString RegisterFilter::toJson() const
{
    QJsonObject object;
    if (cleared.has_value())
        object.insert(kCleared, *cleared);
    if (dateFrom.isValid())
        object.insert(kDateFrom, isoDate(dateFrom));
    if (dateTo.isValid())
        object.insert(kDateTo, isoDate(dateTo));
    if (!categoryId.isEmpty())
        object.insert(kCategoryId, categoryId);
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

RegisterFilter RegisterFilter::fromJson(const QString& text)
{
    RegisterFilter filter;
    if (text.isEmpty())
        return filter;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return filter;

    const QJsonObject object = document.object();
    const QJsonValue cleared = object.value(kCleared);
    if (cleared.isBool())
        filter.cleared = cleared.toBool();
    const QJsonValue from = object.value(kDateFrom);
    if (from.isString())
        filter.dateFrom = QDate::fromString(from.toString(), Qt::ISODate);
    const QJsonValue to = object.value(kDateTo);
    if (to.isString())
        filter.dateTo = QDate::fromString(to.toString(), Qt::ISODate);
    const QJsonValue category = object.value(kCategoryId);
    if (category.isString())
        filter.categoryId = category.toString();
    return filter;
}

bool RegisterFilter::operator==(const RegisterFilter& other) const
{
    return cleared == other.cleared && dateFrom == other.dateFrom && dateTo == other.dateTo
        && categoryId == other.categoryId;
}
