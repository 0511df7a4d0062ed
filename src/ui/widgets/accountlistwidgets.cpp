#include "ui/widgets/accountlistwidgets.h"

#include "data/money.h"
#include "ui/appearance.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/style.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextDocument>
#include <QVBoxLayout>

QString accountTypeGlyph(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QString(QChar(0xE84F));
    case AccountType::Savings:
        return QString(QChar(0xE2EB));
    case AccountType::CreditCard:
        return QString(QChar(0xE870));
    case AccountType::Cash:
        return QString(QChar(0xE57D));
    case AccountType::Investment:
        return QString(QChar(0xE8E5));
    default:
        return QString(QChar(0xE850));
    }
}

QString accountTypeDisplayName(AccountType type)
{
    switch (type) {
    case AccountType::Checking:
        return QStringLiteral("Checking");
    case AccountType::Savings:
        return QStringLiteral("Savings");
    case AccountType::CreditCard:
        return QStringLiteral("Credit Card");
    case AccountType::Cash:
        return QStringLiteral("Cash");
    case AccountType::Investment:
        return QStringLiteral("Investment");
    default:
        return QStringLiteral("Other");
    }
}

QString accountSubtitle(const Account& account)
{
    QString text = account.institution.isEmpty() ? accountTypeDisplayName(account.accountType) : account.institution;
    if (!account.accountNumberLast4.isEmpty())
        text += QStringLiteral("  \u00B7  *%1").arg(account.accountNumberLast4);
    return text;
}

QString accountBalanceColor(qint64 balance)
{
    return balance >= 0 ? QStringLiteral("#66BB6A") : QStringLiteral("#FF8A80");
}

AccountRowWidget::AccountRowWidget(const Account& account, qint64 balance, QWidget* parent)
    : QWidget(parent)
    , m_accountId(account.id)
    , m_icon(new QLabel(this))
    , m_name(new ElidedLabel(this))
    , m_balance(new QLabel(this))
    , m_subtitle(new QLabel(this))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 8, 8, 8);
    row->setSpacing(8);

    m_icon->setObjectName(QStringLiteral("accountIcon"));
    m_icon->setFixedSize(24, 24);
    m_icon->setAlignment(Qt::AlignCenter);
    QFont iconFont(QStringLiteral("Material Icons"));
    iconFont.setPixelSize(22);
    m_icon->setFont(iconFont);
    m_icon->setText(accountTypeGlyph(account.accountType));
    m_icon->setStyleSheet(QStringLiteral("color: %1;").arg(accentColorRef().lighter(135).name()));
    row->addWidget(m_icon, 0, Qt::AlignVCenter);

    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    auto* top = new QHBoxLayout;
    top->setSpacing(8);
    top->setAlignment(Qt::AlignVCenter);

    m_name->setObjectName(QStringLiteral("accountName"));
    m_name->setFullText(account.name);
    // Names arrive from other devices: escaped so a tooltip never reads
    // them as markup.
    m_name->setToolTip(Qt::convertFromPlainText(account.name, Qt::WhiteSpaceNormal));
    setFontRole(m_name, FontRole::Strong);
    m_name->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_name->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#FFFFFF")));
    top->addWidget(m_name, 1);

    m_balance->setObjectName(QStringLiteral("accountBalance"));
    m_balance->setTextFormat(Qt::PlainText);
    const QString balanceText = formatDisplayAmount(balance, account.currency);
    m_balance->setText(balanceText);
    setFontRole(m_balance, FontRole::Mono);
    m_balance->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_balance->setStyleSheet(QStringLiteral("color: %1;").arg(accountBalanceColor(balance)));
    m_balance->setSizePolicy(QSizePolicy::Fixed, m_balance->sizePolicy().verticalPolicy());
    m_balance->setMinimumWidth(QFontMetrics(monospaceFont()).horizontalAdvance(balanceText) + 4);
    top->addWidget(m_balance, 0);
    column->addLayout(top);

    m_subtitle->setObjectName(QStringLiteral("accountSubtitle"));
    m_subtitle->setTextFormat(Qt::PlainText);
    m_subtitle->setText(accountSubtitle(account));
    setFontRole(m_subtitle, FontRole::Caption);
    m_subtitle->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#8FAF9F")));
    column->addWidget(m_subtitle);

    row->addLayout(column, 1);
}

ListResizeWatcher::ListResizeWatcher(std::function<void()> onResize, QObject* parent)
    : QObject(parent)
    , m_onResize(std::move(onResize))
{
}

bool ListResizeWatcher::eventFilter(QObject* watched, QEvent* event)
{
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Show) && m_onResize)
        m_onResize();
    return QObject::eventFilter(watched, event);
}
