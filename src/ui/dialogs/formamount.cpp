#include "ui/dialogs/formamount.h"
#include "data/money.h"

#include <QDoubleSpinBox>
#include <QVariant>

#include <cmath>
#include <limits>

namespace {

const char* const kSetAmount = "_larkSetAmount";
const char* const kSetValue = "_larkSetValue";

} // namespace

void setFormAmount(QDoubleSpinBox* field, qint64 amount)
{
    if (!field)
        return;
    const qint64 cents = amountMagnitude(amount);
    const double value = static_cast<double>(cents) / 100.0;
    if (value > field->maximum())
        field->setMaximum(value);
    field->setValue(value);
    field->setProperty(kSetAmount, cents);
    // The spin box rounds to its decimals; compare with what it kept.
    field->setProperty(kSetValue, field->value());
}

qint64 formAmount(const QDoubleSpinBox* field)
{
    if (!field)
        return 0;
    const QVariant set = field->property(kSetAmount);
    if (set.isValid() && field->value() == field->property(kSetValue).toDouble())
        return set.toLongLong();
    const double cents = std::round(field->value() * 100.0);
    // A widened range reaches past what a count of hundredths can hold only
    // for the stored amount itself, handled above.
    if (!std::isfinite(cents) || cents >= 9223372036854775807.0)
        return std::numeric_limits<qint64>::max();
    return static_cast<qint64>(cents);
}
