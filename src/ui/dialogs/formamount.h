#pragma once

#include <QtGlobal>

class QDoubleSpinBox;

// Largest amount the forms and the register's amount cells offer for
// typing, in hundredths: 99,999,999.99.
inline constexpr qint64 kLargestTypedAmount = 9999999999;

// Amount fields of the forms show magnitudes in units with two decimals.
// setFormAmount shows a stored amount's magnitude, widening the field's
// range when the amount is larger than typing allows (imports and the
// register store such amounts), and remembers it: formAmount gives it back
// exactly while the user leaves the field alone, so a form never changes
// an amount nobody edited.
void setFormAmount(QDoubleSpinBox* field, qint64 amount);
// The field's magnitude in hundredths: the remembered amount when the value
// is still the one set, else the value, half away from zero.
qint64 formAmount(const QDoubleSpinBox* field);
