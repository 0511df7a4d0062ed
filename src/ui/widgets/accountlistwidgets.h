#pragma once

#include "data/records.h"

#include <QObject>
#include <QString>
#include <QWidget>

#include <functional>

class QLabel;
class ElidedLabel;

// The icon-font glyph of an account type (other and unknown values share
// one glyph).
QString accountTypeGlyph(AccountType type);
// The untranslated type name of the account list ("Checking", "Credit
// Card", ...).
QString accountTypeDisplayName(AccountType type);
// Second line of an account row: the institution, else the type name, and
// "  ·  *1234" when the last four digits are known.
QString accountSubtitle(const Account& account);
// Balance colours of the account list, whose pane stays dark under both
// palettes.
QString accountBalanceColor(qint64 balance);

// One row of the main window's account list: type icon, name, balance and
// subtitle. The row lets mouse events through to the list, so clicks,
// selection and drag-and-drop work on the item underneath.
class AccountRowWidget : public QWidget
{
    Q_OBJECT
public:
    AccountRowWidget(const Account& account, qint64 balance, QWidget* parent = nullptr);

    QString accountId() const { return m_accountId; }
    ElidedLabel* nameLabel() const { return m_name; }
    QLabel* balanceLabel() const { return m_balance; }
    QLabel* subtitleLabel() const { return m_subtitle; }

private:
    QString m_accountId;
    QLabel* m_icon;
    ElidedLabel* m_name;
    QLabel* m_balance;
    QLabel* m_subtitle;
};

// Calls its function when the watched widget is resized or shown; the event
// always goes on to the widget.
class ListResizeWatcher : public QObject
{
    Q_OBJECT
public:
    ListResizeWatcher(std::function<void()> onResize, QObject* parent = nullptr);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_onResize;
};
