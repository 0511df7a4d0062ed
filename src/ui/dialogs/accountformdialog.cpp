#include "ui/dialogs/accountformdialog.h"

#include "data/datetext.h"
#include "data/renamedids.h"
#include "ui/appearance.h"
#include "ui/widgets/smartamountfield.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr double kBalanceLimit = 99999999.99;

int findExactData(const QComboBox* combo, const QString& data)
{
    return combo->findData(data, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

AccountType typeFromData(const QString& data)
{
    if (data == QLatin1String("checking"))
        return AccountType::Checking;
    if (data == QLatin1String("savings"))
        return AccountType::Savings;
    if (data == QLatin1String("credit_card"))
        return AccountType::CreditCard;
    if (data == QLatin1String("cash"))
        return AccountType::Cash;
    if (data == QLatin1String("investment"))
        return AccountType::Investment;
    return AccountType::Other;
}

CurrencyCode currencyFromData(const QString& data)
{
    if (data == QLatin1String("EUR"))
        return CurrencyCode::EUR;
    if (data == QLatin1String("GBP"))
        return CurrencyCode::GBP;
    if (data == QLatin1String("CAD"))
        return CurrencyCode::CAD;
    if (data == QLatin1String("AUD"))
        return CurrencyCode::AUD;
    if (data == QLatin1String("JPY"))
        return CurrencyCode::JPY;
    return CurrencyCode::USD;
}

} // namespace

AccountFormDialog::AccountFormDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("New Account"));
    setupUi();
}

AccountFormDialog::AccountFormDialog(const Account& account, QWidget* parent)
    : QDialog(parent)
    , m_account(account)
    , m_editing(true)
{
    setWindowTitle(tr("Edit Account"));
    setupUi();

    m_name->setText(account.name);
    const int type = findExactData(m_type, accountTypeToString(account.accountType));
    if (type >= 0)
        m_type->setCurrentIndex(type);
    const int currency = findExactData(m_currency, currencyToString(account.currency));
    if (currency >= 0)
        m_currency->setCurrentIndex(currency);
    // A stored balance beyond the usual range widens it rather than being
    // clamped, which OK would then save as a changed balance.
    const double balance = static_cast<double>(account.startingBalance) / 100.0;
    m_balance->setRange(std::min(-kBalanceLimit, balance), std::max(kBalanceLimit, balance));
    m_balance->setValue(balance);
    m_institution->setText(account.institution);
    m_accountNumber->setText(account.accountNumberLast4);
}

AccountFormDialog::~AccountFormDialog() = default;

void AccountFormDialog::setupUi()
{
    setMinimumWidth(400);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    m_name = new QLineEdit(this);
    m_name->setPlaceholderText(tr("Account name"));
    form->addRow(tr("&Name:"), m_name);

    m_type = new QComboBox(this);
    m_type->addItem(tr("Checking"), QStringLiteral("checking"));
    m_type->addItem(tr("Savings"), QStringLiteral("savings"));
    m_type->addItem(tr("Credit Card"), QStringLiteral("credit_card"));
    m_type->addItem(tr("Cash"), QStringLiteral("cash"));
    m_type->addItem(tr("Investment"), QStringLiteral("investment"));
    m_type->addItem(tr("Other"), QStringLiteral("other"));
    form->addRow(tr("&Type:"), m_type);

    m_currency = new QComboBox(this);
    m_currency->addItem(tr("USD ($)"), QStringLiteral("USD"));
    m_currency->addItem(tr("EUR (\u20AC)"), QStringLiteral("EUR"));
    m_currency->addItem(tr("GBP (\u00A3)"), QStringLiteral("GBP"));
    m_currency->addItem(tr("CAD ($)"), QStringLiteral("CAD"));
    m_currency->addItem(tr("AUD ($)"), QStringLiteral("AUD"));
    m_currency->addItem(tr("JPY (\u00A5)"), QStringLiteral("JPY"));
    form->addRow(tr("&Currency:"), m_currency);

    m_balance = new SmartAmountField(this);
    m_balance->setRange(-kBalanceLimit, kBalanceLimit);
    m_balance->setPrefix(tr("$ "));
    m_balance->setValue(0);
    form->addRow(tr("Starting &Balance:"), m_balance);

    m_asOf = new QDateEdit(QDate::currentDate(), this);
    const QLocale locale = interfaceLocale();
    m_asOf->setLocale(locale);
    m_asOf->setDisplayFormat(locale.dateFormat(QLocale::ShortFormat));
    m_asOf->setCalendarPopup(true);
    auto* calendar = new QCalendarWidget(m_asOf);
    calendar->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(std::clamp(weekStartDayRef(), 1, 7)));
    calendar->setLocale(locale);
    m_asOf->setCalendarWidget(calendar);
    form->addRow(tr("&As of:"), m_asOf);

    m_institution = new QLineEdit(this);
    m_institution->setPlaceholderText(tr("Bank name (optional)"));
    form->addRow(tr("&Institution:"), m_institution);

    m_accountNumber = new QLineEdit(this);
    m_accountNumber->setMaxLength(4);
    m_accountNumber->setPlaceholderText(tr("Last 4 digits (optional)"));
    form->addRow(tr("Account &Number:"), m_accountNumber);

    layout->addLayout(form);

    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);

    // An account needs a name; OK waits for one.
    connect(m_name, &QLineEdit::textChanged, this, &AccountFormDialog::updateOkButton);
    updateOkButton();

    m_name->setFocus(Qt::OtherFocusReason);
}

void AccountFormDialog::updateOkButton()
{
    if (QPushButton* ok = m_buttons->button(QDialogButtonBox::Ok))
        ok->setEnabled(!m_name->text().trimmed().isEmpty());
}

Account AccountFormDialog::account() const
{
    Account result = m_account;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editing) {
        result.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        result.createdAt = now;
    }
    result.name = m_name->text().trimmed();
    result.accountType = typeFromData(m_type->currentData().toString());
    result.currency = currencyFromData(m_currency->currentData().toString());
    // Hundredths for every currency; llround rounds half away from zero.
    result.startingBalance = static_cast<qint64>(std::llround(m_balance->value() * 100.0));
    result.institution = m_institution->text().trimmed();
    result.accountNumberLast4 = m_accountNumber->text().trimmed();
    result.updatedAt = now;
    result.syncStatus = SyncStatus::Pending;
    return result;
}

QDate AccountFormDialog::asOfDate() const
{
    return m_asOf->date();
}

void AccountFormDialog::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    RenamedIds::follow(m_account, table, renamed);
}
