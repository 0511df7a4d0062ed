#include "ui/widgets/smartamountfield.h"

#include "data/money.h"

#include <QKeyEvent>
#include <QLineEdit>

#include <cmath>
#include <limits>

SmartAmountField::SmartAmountField(QWidget* parent)
    : QDoubleSpinBox(parent)
{
    setDecimals(2);
    setAlignment(Qt::AlignRight);
    setGroupSeparatorShown(true);
}

QString SmartAmountField::withoutAffixes(const QString& text) const
{
    QString body = text;
    if (!prefix().isEmpty() && body.startsWith(prefix()))
        body.remove(0, prefix().size());
    if (!suffix().isEmpty() && body.endsWith(suffix()))
        body.chop(suffix().size());
    return body.trimmed();
}

double SmartAmountField::valueFromText(const QString& text) const
{
    if (!amountAutoDecimal())
        return QDoubleSpinBox::valueFromText(text);
    // The prefix goes first so that "$ -5" still reads as negative.
    return static_cast<double>(parseAutoDecimalAmount(withoutAffixes(text))) / 100.0;
}

QValidator::State SmartAmountField::validate(QString& input, int& pos) const
{
    if (!amountAutoDecimal())
        return QDoubleSpinBox::validate(input, pos);

    // The base class would check the literal text against the range, so
    // typing 1234567890 (meaning 12,345,678.90) would be refused at the
    // ninth digit. Here the digits are read as minor units instead.
    QString body = withoutAffixes(input);
    bool negative = false;
    if (body.startsWith(QLatin1Char('-'))) {
        if (minimum() >= 0)
            return QValidator::Invalid;
        negative = true;
        body.remove(0, 1);
    }

    const QString decimal = locale().decimalPoint();
    const QString group = locale().groupSeparator();
    qint64 minor = 0;
    bool anyDigit = false;
    for (const QChar c : body) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            const int digit = c.unicode() - '0';
            if (minor > (std::numeric_limits<qint64>::max() - digit) / 10)
                return QValidator::Invalid;
            minor = minor * 10 + digit;
            anyDigit = true;
        } else if (c == QLatin1Char('.') || c == QLatin1Char(',') || c.isSpace() || decimal.contains(c)
                   || group.contains(c)) {
            continue;
        } else {
            return QValidator::Invalid;
        }
    }
    if (!anyDigit)
        return QValidator::Intermediate;

    const qint64 amount = negative ? -minor : minor;
    const qint64 maxMinor = std::llround(maximum() * 100.0);
    const qint64 minMinor = std::llround(minimum() * 100.0);
    // More digits only move the amount away from zero: past the bound on
    // that side the text can never become valid, on the other side it can.
    if (amount > maxMinor)
        return amount <= 0 ? QValidator::Intermediate : QValidator::Invalid;
    if (amount < minMinor)
        return amount >= 0 ? QValidator::Intermediate : QValidator::Invalid;
    return QValidator::Acceptable;
}

void SmartAmountField::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.isEmpty()) {
        QAbstractSpinBox::keyPressEvent(event);
        return;
    }

    const QString decimalPoint = locale().decimalPoint();
    const QChar decimal = decimalPoint.isEmpty() ? QLatin1Char('.') : decimalPoint.at(0);
    const QChar ch = text.at(0);
    const bool decimalKey = ch == decimal || ch == QLatin1Char('.') || ch == QLatin1Char(',');

    if (decimalKey && amountAutoDecimal()) {
        event->accept();
        return;
    }
    if (decimalKey) {
        QLineEdit* edit = lineEdit();
        const int at = edit->text().indexOf(decimal);
        if (at >= 0) {
            edit->deselect();
            edit->setCursorPosition(at + 1);
            event->accept();
            return;
        }
    }
    QAbstractSpinBox::keyPressEvent(event);
}
