#include "testsupport.h"

#include "app/appstate.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/widgets/smartamountfield.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

Q_DECLARE_METATYPE(AccountType)
Q_DECLARE_METATYPE(CurrencyCode)

class AccountFormDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void newFormDefaults();
    void okNeedsAName_data();
    void okNeedsAName();
    void editFillsAndReturns_data();
    void editFillsAndReturns();
    void startingBalance_data();
    void startingBalance();
};

void AccountFormDialogTest::newFormDefaults()
{
    weekStartDayRef() = 7;
    AccountFormDialog form;
    QCOMPARE(form.windowTitle(), QStringLiteral("New Account"));
    QCOMPARE(form.asOfDate(), QDate::currentDate());
    QCOMPARE(form.balanceField()->prefix(), QStringLiteral("$ "));
    QCOMPARE(form.asOfEdit()->calendarWidget()->firstDayOfWeek(), Qt::Sunday);
    form.nameEdit()->setText(QStringLiteral("Checking"));
    form.institutionEdit()->setText(QStringLiteral("  First Bank  "));
    form.accountNumberEdit()->setText(QStringLiteral("123456"));

    const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
    const Account a = form.account();
    QCOMPARE(a.name, QStringLiteral("Checking"));
    QCOMPARE(a.accountType, AccountType::Checking);
    QCOMPARE(a.currency, CurrencyCode::USD);
    QCOMPARE(a.startingBalance, qint64(0));
    QCOMPARE(a.institution, QStringLiteral("First Bank"));
    QCOMPARE(a.accountNumberLast4, QStringLiteral("1234")); // a fifth character is refused
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QCOMPARE(a.version, 1);
    QVERIFY(!a.id.isEmpty() && !a.id.contains(QLatin1Char('{')));
    QVERIFY(a.createdAt >= before && a.createdAt.timeSpec() == Qt::UTC);
    QVERIFY(form.account().id != a.id); // a fresh id on every call
}

void AccountFormDialogTest::okNeedsAName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("empty") << "" << false;
    QTest::newRow("blanks") << "   " << false;
    QTest::newRow("name") << " A " << true;
}

void AccountFormDialogTest::okNeedsAName()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    AccountFormDialog form;
    QPushButton* ok = form.buttonBox()->button(QDialogButtonBox::Ok);
    QVERIFY(!ok->isEnabled());
    form.nameEdit()->setText(name);
    QCOMPARE(ok->isEnabled(), enabled);
}

void AccountFormDialogTest::editFillsAndReturns_data()
{
    QTest::addColumn<AccountType>("type");
    QTest::addColumn<CurrencyCode>("currency");
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<QString>("currencyText");
    QTest::newRow("credit card in EUR") << AccountType::CreditCard << CurrencyCode::EUR << "Credit Card" << "EUR (€)";
    QTest::newRow("investment in JPY") << AccountType::Investment << CurrencyCode::JPY << "Investment" << "JPY (¥)";
}

void AccountFormDialogTest::editFillsAndReturns()
{
    QFETCH(AccountType, type);
    QFETCH(CurrencyCode, currency);
    QFETCH(QString, typeText);
    QFETCH(QString, currencyText);
    Account stored;
    stored.id = QStringLiteral("acct-1");
    stored.name = QStringLiteral("Visa");
    stored.accountType = type;
    stored.currency = currency;
    stored.startingBalance = -25050;
    if (currency == CurrencyCode::JPY)
        stored.startingBalance = qint64(50000000000); // beyond the field's usual range
    stored.sortOrder = 4;
    stored.isShared = true;
    stored.version = 7;
    stored.syncStatus = SyncStatus::Synced;
    stored.serverId = QStringLiteral("srv-9");
    stored.createdAt = QDateTime(QDate(2023, 5, 1), QTime(9, 0), Qt::UTC);
    stored.accountNumberLast4 = QStringLiteral("4321");

    AccountFormDialog form(stored);
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Account"));
    QCOMPARE(form.typeCombo()->currentText(), typeText);
    QCOMPARE(form.currencyCombo()->currentText(), currencyText);
    QCOMPARE(form.balanceField()->value(), double(stored.startingBalance) / 100.0);
    QCOMPARE(form.accountNumberEdit()->text(), QStringLiteral("4321"));

    const Account a = form.account();
    QCOMPARE(a.id, stored.id);
    QCOMPARE(a.createdAt, stored.createdAt);
    QCOMPARE(a.accountType, type);
    QCOMPARE(a.currency, currency);
    QCOMPARE(a.startingBalance, stored.startingBalance); // an edit never clamps it
    QCOMPARE(a.sortOrder, 4);
    QVERIFY(a.isShared);
    QCOMPARE(a.version, 7);
    QCOMPARE(a.serverId, QStringLiteral("srv-9"));
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QVERIFY(a.updatedAt > stored.createdAt);
}

void AccountFormDialogTest::startingBalance_data()
{
    QTest::addColumn<double>("typed");
    QTest::addColumn<QString>("currency");
    QTest::addColumn<qint64>("stored");
    QTest::newRow("negative cents") << -250.50 << "USD" << qint64(-25050);
    QTest::newRow("yen in hundredths") << 1000.0 << "JPY" << qint64(100000);
    QTest::newRow("0.29 not 0.28") << 0.29 << "GBP" << qint64(29);
    QTest::newRow("upper limit") << 99999999.99 << "USD" << qint64(9999999999);
    QTest::newRow("beyond the limit clamps") << 200000000.0 << "USD" << qint64(9999999999);
}

void AccountFormDialogTest::startingBalance()
{
    QFETCH(double, typed);
    QFETCH(QString, currency);
    QFETCH(qint64, stored);
    AccountFormDialog form;
    form.currencyCombo()->setCurrentIndex(form.currencyCombo()->findData(currency));
    form.balanceField()->setValue(typed);
    QCOMPARE(form.account().startingBalance, stored);
    QCOMPARE(currencyToString(form.account().currency), currency);
}

TALLYLEAF_TEST_MAIN(AccountFormDialogTest)
#include "tst_accountformdialog.moc"
