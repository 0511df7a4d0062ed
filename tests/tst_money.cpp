#include "coretestsupport.h"

#include "data/money.h"

#include <QLocale>

#include <limits>

Q_DECLARE_METATYPE(CurrencyCode)

class MoneyTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void format_data();
    void format();
    void formatIgnoresUserLocale();
    void displayAmount_data();
    void displayAmount();
    void parse_data();
    void parse();
    void parseRoundTrip_data();
    void parseRoundTrip();
    void autoDecimal_data();
    void autoDecimal();
    void autoDecimalFlag();
    void arithmetic_data();
    void arithmetic();
};

void MoneyTest::init()
{
    QLocale::setDefault(QLocale::c());
}

void MoneyTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void MoneyTest::format_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<CurrencyCode>("currency");
    QTest::addColumn<QString>("full");
    QTest::addColumn<QString>("plain");

    const qint64 min = std::numeric_limits<qint64>::min();
    const qint64 max = std::numeric_limits<qint64>::max();
    QTest::newRow("USD grouped") << qint64(123456) << CurrencyCode::USD << "$1,234.56" << "1,234.56";
    QTest::newRow("USD -5 cents") << qint64(-5) << CurrencyCode::USD << "-$0.05" << "-0.05";
    QTest::newRow("USD 7 cents") << qint64(7) << CurrencyCode::USD << "$0.07" << "0.07";
    QTest::newRow("EUR zero") << qint64(0) << CurrencyCode::EUR << "€0.00" << "0.00";
    QTest::newRow("GBP negative") << qint64(-100050) << CurrencyCode::GBP << "-£1,000.50" << "-1,000.50";
    QTest::newRow("JPY negative") << qint64(-1234567) << CurrencyCode::JPY << "-¥1,234,567" << "-1,234,567";
    QTest::newRow("JPY zero") << qint64(0) << CurrencyCode::JPY << "¥0" << "0";
    QTest::newRow("AUD million") << qint64(100000000) << CurrencyCode::AUD << "$1,000,000.00" << "1,000,000.00";
    QTest::newRow("CAD minus before symbol") << qint64(-100) << CurrencyCode::CAD << "-$1.00" << "-1.00";
    QTest::newRow("unknown currency") << qint64(250) << static_cast<CurrencyCode>(42) << "$2.50" << "2.50";
    QTest::newRow("most negative") << min << CurrencyCode::USD << "-$92,233,720,368,547,758.08"
                                   << "-92,233,720,368,547,758.08";
    QTest::newRow("most negative JPY") << min << CurrencyCode::JPY << "-¥9,223,372,036,854,775,808"
                                       << "-9,223,372,036,854,775,808";
    QTest::newRow("largest") << max << CurrencyCode::EUR << "€92,233,720,368,547,758.07"
                             << "92,233,720,368,547,758.07";
}

void MoneyTest::format()
{
    QFETCH(qint64, amount);
    QFETCH(CurrencyCode, currency);
    QFETCH(QString, full);
    QFETCH(QString, plain);
    QCOMPARE(formatAmount(amount, currency), full);
    QCOMPARE(formatAmountPlain(amount, currency), plain);
}

void MoneyTest::formatIgnoresUserLocale()
{
    // A German or French user still gets English grouping, and reading back works.
    for (const QLocale& locale : {QLocale(QLocale::German, QLocale::Germany), QLocale(QLocale::French, QLocale::France)}) {
        QLocale::setDefault(locale);
        QCOMPARE(formatAmount(123456789, CurrencyCode::EUR), QStringLiteral("€1,234,567.89"));
        QCOMPARE(parseAmount(QStringLiteral("1,234.56"), CurrencyCode::EUR), qint64(123456));
        QCOMPARE(parseAmount(QStringLiteral("1.234"), CurrencyCode::USD), qint64(123));
    }
}

void MoneyTest::displayAmount_data()
{
    QTest::addColumn<qint64>("hundredths");
    QTest::addColumn<CurrencyCode>("currency");
    QTest::addColumn<QString>("text");

    const qint64 min = std::numeric_limits<qint64>::min();
    QTest::newRow("JPY whole") << qint64(100000) << CurrencyCode::JPY << "¥1,000";
    QTest::newRow("JPY 49 below half") << qint64(149) << CurrencyCode::JPY << "¥1";
    QTest::newRow("JPY 50 half up") << qint64(150) << CurrencyCode::JPY << "¥2";
    QTest::newRow("JPY -50 half away") << qint64(-150) << CurrencyCode::JPY << "-¥2";
    QTest::newRow("JPY -49") << qint64(-149) << CurrencyCode::JPY << "-¥1";
    QTest::newRow("JPY -0.49 is zero") << qint64(-49) << CurrencyCode::JPY << "¥0";
    QTest::newRow("JPY most negative") << min << CurrencyCode::JPY << "-¥92,233,720,368,547,758";
    QTest::newRow("USD unchanged") << qint64(100000) << CurrencyCode::USD << "$1,000.00";
    QTest::newRow("EUR unchanged") << qint64(-150) << CurrencyCode::EUR << "-€1.50";
}

void MoneyTest::displayAmount()
{
    QFETCH(qint64, hundredths);
    QFETCH(CurrencyCode, currency);
    QFETCH(QString, text);
    QCOMPARE(formatDisplayAmount(hundredths, currency), text);
}

void MoneyTest::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<CurrencyCode>("currency");
    QTest::addColumn<qint64>("expected");
    QTest::addColumn<bool>("readable");

    QTest::newRow("symbol and grouping") << "$1,234.56" << CurrencyCode::USD << qint64(123456) << true;
    QTest::newRow("half away from zero") << "-12.345" << CurrencyCode::USD << qint64(-1235) << true;
    QTest::newRow("1.005 below half") << "1.005" << CurrencyCode::USD << qint64(100) << true;
    QTest::newRow("spaces around") << "   7  " << CurrencyCode::USD << qint64(700) << true;
    QTest::newRow("exponent") << "1e2" << CurrencyCode::USD << qint64(10000) << true;
    QTest::newRow("letters") << "abc" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("empty") << "" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("symbol only") << "$" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("minus only") << "-" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("typed zero") << "0" << CurrencyCode::USD << qint64(0) << true;
    QTest::newRow("typed zero cents") << "$0.00" << CurrencyCode::USD << qint64(0) << true;
    QTest::newRow("EUR sign after symbol") << "€-3" << CurrencyCode::EUR << qint64(-300) << true;
    QTest::newRow("EUR other symbol") << "$5" << CurrencyCode::EUR << qint64(0) << false;
    QTest::newRow("GBP") << "£1,000.50" << CurrencyCode::GBP << qint64(100050) << true;
    QTest::newRow("JPY grouping") << "1,234" << CurrencyCode::JPY << qint64(1234) << true;
    QTest::newRow("JPY decimal point") << "12.5" << CurrencyCode::JPY << qint64(0) << false;
    QTest::newRow("JPY negative") << "¥-500" << CurrencyCode::JPY << qint64(-500) << true;
    QTest::newRow("JPY largest") << "9223372036854775807" << CurrencyCode::JPY
                                 << std::numeric_limits<qint64>::max() << true;
    QTest::newRow("JPY beyond range") << "9223372036854775808" << CurrencyCode::JPY << qint64(0) << false;
    QTest::newRow("double minus") << "--5" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("double minus spaced") << "- -5" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("double minus JPY") << "--5" << CurrencyCode::JPY << qint64(0) << false;
    QTest::newRow("inf") << "inf" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("negative inf") << "-inf" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("nan") << "nan" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("1e300") << "1e300" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("25 digits") << "1234567890123456789012345" << CurrencyCode::USD << qint64(0) << false;
    QTest::newRow("25 digits negative") << "-1234567890123456789012345" << CurrencyCode::EUR << qint64(0) << false;
}

void MoneyTest::parse()
{
    QFETCH(QString, text);
    QFETCH(CurrencyCode, currency);
    QFETCH(qint64, expected);
    QFETCH(bool, readable);
    QCOMPARE(parseAmount(text, currency), expected);
    qint64 amount = 12345;
    QCOMPARE(tryParseAmount(text, currency, &amount), readable);
    QCOMPARE(amount, expected);
    QCOMPARE(tryParseAmount(text, currency, nullptr), readable);
}

void MoneyTest::parseRoundTrip_data()
{
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<CurrencyCode>("currency");
    for (const CurrencyCode c : {CurrencyCode::USD, CurrencyCode::EUR, CurrencyCode::GBP, CurrencyCode::CAD,
                                 CurrencyCode::AUD, CurrencyCode::JPY}) {
        for (const qint64 v : {qint64(0), qint64(1), qint64(-99), qint64(123456789), qint64(-100000001),
                               qint64(999999999999)}) {
            QTest::addRow("%s %lld", qPrintable(currencySymbol(c)), static_cast<long long>(v)) << v << c;
        }
    }
}

void MoneyTest::parseRoundTrip()
{
    QFETCH(qint64, amount);
    QFETCH(CurrencyCode, currency);
    QCOMPARE(parseAmount(formatAmount(amount, currency), currency), amount);
    QCOMPARE(parseAmount(formatAmountPlain(amount, currency), currency), amount);
}

void MoneyTest::autoDecimal_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("expected");

    QTest::newRow("empty") << "" << qint64(0);
    QTest::newRow("letters") << "abc" << qint64(0);
    QTest::newRow("digits only") << "1234" << qint64(1234);
    QTest::newRow("with point") << "12.34" << qint64(1234);
    QTest::newRow("symbol sign grouping") << "-$1,234.5" << qint64(-12345);
    QTest::newRow("double minus") << "--5" << qint64(-5);
    QTest::newRow("leading spaces") << "  -7" << qint64(-7);
    QTest::newRow("minus inside is dropped") << "5-3" << qint64(53);
    QTest::newRow("too long") << "1234567890123456789012345" << qint64(0);
    QTest::newRow("non-ASCII digits") << QString::fromUtf8("\u0661\u0662") << qint64(0);
}

void MoneyTest::autoDecimal()
{
    QFETCH(QString, text);
    QFETCH(qint64, expected);
    QCOMPARE(parseAutoDecimalAmount(text), expected);
}

void MoneyTest::autoDecimalFlag()
{
    QVERIFY(!amountAutoDecimal());
    setAmountAutoDecimal(true);
    QVERIFY(amountAutoDecimal());
    setAmountAutoDecimal(false);
    QVERIFY(!amountAutoDecimal());
}

void MoneyTest::arithmetic_data()
{
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<qint64>("difference");
    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 min = std::numeric_limits<qint64>::min();
    QTest::newRow("plain") << qint64(1050) << qint64(-2075) << qint64(-1025) << qint64(3125);
    QTest::newRow("top") << max << qint64(1) << max << max - 1;
    QTest::newRow("bottom") << min << qint64(-1) << min << min + 1;
    QTest::newRow("both ends") << max << min << qint64(-1) << max;
    QTest::newRow("below from bottom") << min << max << qint64(-1) << min;
}

void MoneyTest::arithmetic()
{
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(qint64, sum);
    QFETCH(qint64, difference);
    QCOMPARE(saturatingAdd(a, b), sum);
    QCOMPARE(saturatingSub(a, b), difference);
    QCOMPARE(amountMagnitude(a), a == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max()
                                                                          : qAbs(a));
    QCOMPARE(negatedAmount(negatedAmount(b)), b == std::numeric_limits<qint64>::min()
                                                   ? -std::numeric_limits<qint64>::max() : b);
}

TALLYLEAF_CORE_TEST_MAIN(MoneyTest)
#include "tst_money.moc"
