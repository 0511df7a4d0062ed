#pragma once

#include <QLabel>

// A label for balances; a class of its own so style sheets and lookups can
// single balance texts out.
class BalanceLabel : public QLabel
{
    Q_OBJECT
public:
    explicit BalanceLabel(QWidget* parent = nullptr)
        : QLabel(parent)
    {
    }
};
