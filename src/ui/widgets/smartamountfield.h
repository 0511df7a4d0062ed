#pragma once

#include <QDoubleSpinBox>

// Money entry with two decimals. In the application's auto-decimal mode
// (amountAutoDecimal) the typed digits are minor units: 1999 means 19.99,
// and the decimal key does nothing. The mode is read at every key press and
// every interpretation, so a settings change applies to open fields at once.
class SmartAmountField : public QDoubleSpinBox
{
    Q_OBJECT
public:
    explicit SmartAmountField(QWidget* parent = nullptr);

    double valueFromText(const QString& text) const override;
    QValidator::State validate(QString& input, int& pos) const override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString withoutAffixes(const QString& text) const;
};
