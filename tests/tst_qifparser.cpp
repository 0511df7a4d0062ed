#include "coretestsupport.h"

#include "services/csvparser.h"
#include "services/qifparser.h"

#include <QRandomGenerator>

Q_DECLARE_METATYPE(QifDateOrder)
Q_DECLARE_METATYPE(QifSection)
Q_DECLARE_METATYPE(QifAccountKind)

namespace {

// "date amount" and the fields that are set: P payee, M memo, L category,
// X transfer account, N number, Y security, C cleared or R reconciled,
// @ account; then one "  S category|transfer|memo|amount" line per split.
QStringList describe(const QifParseResult& result)
{
    QStringList out;
    for (const QifTransaction& t : result.transactions) {
        QString line = t.date.toString(Qt::ISODate) + QLatin1Char(' ') + QString::number(t.amount);
        const auto add = [&line](const char* code, const QString& value) {
            if (!value.isEmpty())
                line += QLatin1Char(' ') + QLatin1String(code) + value;
        };
        add("P=", t.payee);
        add("M=", t.memo);
        add("L=", t.category);
        add("X=", t.transferAccount);
        add("N=", t.checkNumber);
        add("Y=", t.security);
        if (t.cleared)
            line += t.reconciled ? QStringLiteral(" R") : QStringLiteral(" C");
        add("@", t.accountName);
        out << line;
        for (const QifSplit& s : t.splits)
            out << QStringLiteral("  S %1|%2|%3|%4").arg(s.category, s.transferAccount, s.memo).arg(s.amount);
    }
    return out;
}

QString lines(const QStringList& l)
{
    return l.join(QLatin1Char('\n'));
}

} // namespace

class TestQifParser : public QObject
{
    Q_OBJECT

private slots:
    void amount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint64>("expected");
        QTest::newRow("comma grouping") << "1,234.56" << true << qint64(123456);
        QTest::newRow("point grouping") << "1.234,56" << true << qint64(123456);
        QTest::newRow("comma thousands") << "1,234" << true << qint64(123400);
        QTest::newRow("decimal comma") << "12,5" << true << qint64(1250);
        QTest::newRow("three after the only mark: grouping") << "0.125" << true << qint64(12500);
        QTest::newRow("leading mark: decimal, half rounds up") << ".125" << true << qint64(13);
        QTest::newRow("negative half rounds away") << "-,005" << true << qint64(-1);
        QTest::newRow("exact hundredths, not binary") << "1,000.005" << true << qint64(100001);
        QTest::newRow("bad grouping") << "1,23,456" << false << qint64(0);
        QTest::newRow("two points") << "1.2.3" << false << qint64(0);
        QTest::newRow("mixed marks, decimal repeated") << "1.2,3.4" << false << qint64(0);
        QTest::newRow("parentheses") << "(12.00)" << true << qint64(-1200);
        QTest::newRow("parentheses and minus") << "(-12.00)" << true << qint64(1200);
        QTest::newRow("minus before parentheses") << "-(12.00)" << false << qint64(0);
        QTest::newRow("dollar, space, minus") << "$ -5" << true << qint64(-500);
        QTest::newRow("trailing minus") << "5-" << false << qint64(0);
        QTest::newRow("euro") << "\u20AC 3,50" << true << qint64(350);
        QTest::newRow("plus") << "+7" << true << qint64(700);
        QTest::newRow("space grouping") << "1 234,56" << true << qint64(123456);
        QTest::newRow("symbol only") << " $ " << false << qint64(0);
        QTest::newRow("exponent") << "1e3" << false << qint64(0);
        QTest::newRow("other script's digits") << "\u0661\u0662" << false << qint64(0);
        QTest::newRow("largest") << "92233720368547758.07" << true << qint64(Q_INT64_C(9223372036854775807));
        QTest::newRow("one hundredth too many") << "92233720368547758.08" << false << qint64(0);
        QTest::newRow("rounding past the limit") << "92233720368547758.075" << false << qint64(0);
        QTest::newRow("leading zeros") << "000000000000000000000001.5" << true << qint64(150);
    }
    void amount()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint64, expected);
        const std::optional<qint64> amount = parseQifAmount(text);
        QCOMPARE(amount.has_value(), valid);
        if (valid)
            QCOMPARE(*amount, expected);
    }

    void date_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QifDateOrder>("order");
        QTest::addColumn<QDate>("expected");
        const QifDateOrder mf = QifDateOrder::MonthFirst;
        const QifDateOrder df = QifDateOrder::DayFirst;
        const QifDateOrder autoOrder = QifDateOrder::Auto;
        QTest::newRow("m/d/yyyy") << "1/2/2024" << mf << QDate(2024, 1, 2);
        QTest::newRow("m/d/yy") << "1/2/24" << mf << QDate(2024, 1, 2);
        QTest::newRow("yy 99") << "1/2/99" << mf << QDate(1999, 1, 2);
        QTest::newRow("yy 69") << "1/2/69" << mf << QDate(2069, 1, 2);
        QTest::newRow("yy 70") << "1/2/70" << mf << QDate(1970, 1, 2);
        QTest::newRow("yy 00, leap day") << "2/29/00" << mf << QDate(2000, 2, 29);
        QTest::newRow("yy 01, no leap day") << "2/29/01" << mf << QDate();
        QTest::newRow("apostrophe year") << "1/2'24" << mf << QDate(2024, 1, 2);
        QTest::newRow("apostrophe, space, one digit") << "1/2' 4" << mf << QDate(2004, 1, 2);
        QTest::newRow("apostrophe 99") << "12/25'99" << mf << QDate(1999, 12, 25);
        QTest::newRow("year first in any order") << "2024-01-02" << df << QDate(2024, 1, 2);
        QTest::newRow("month 13") << "13/1/2024" << mf << QDate();
        QTest::newRow("points and spaces: day first") << "1. 2. 2024" << mf << QDate(2024, 2, 1);
        QTest::newRow("points, two-digit year: day first") << "03.11.25" << mf << QDate(2025, 11, 3);
        QTest::newRow("points, year first") << "2025.11.03" << mf << QDate(2025, 11, 3);
        QTest::newRow("day first") << "1/2/2024" << df << QDate(2024, 2, 1);
        QTest::newRow("day first, two-digit") << "31.12.98" << df << QDate(1998, 12, 31);
        QTest::newRow("auto, day first from 13") << "13/1/2024" << autoOrder << QDate(2024, 1, 13);
        QTest::newRow("extra fields ignored") << "1/2/2024/junk" << mf << QDate(2024, 1, 2);
        QTest::newRow("last day of 9999") << "12/31/9999" << mf << QDate(9999, 12, 31);
        QTest::newRow("year 10000") << "1/1/10000" << mf << QDate();
        QTest::newRow("year 0000 reads as 2000") << "0000-01-01" << mf << QDate(2000, 1, 1);
        QTest::newRow("huge number") << "99999999999999999999/1/1" << mf << QDate();
        QTest::newRow("two fields") << "1/2" << mf << QDate();
        QTest::newRow("letters") << "Jan/2/2024" << mf << QDate();
        QTest::newRow("other script's digits") << "\u0661/\u0662/2024" << mf << QDate();
        QTest::newRow("empty") << "  " << mf << QDate();
    }
    void date()
    {
        QFETCH(QString, text);
        QFETCH(QifDateOrder, order);
        QFETCH(QDate, expected);
        const std::optional<QDate> date = parseQifDate(text, order);
        QCOMPARE(date.has_value(), expected.isValid());
        if (date)
            QCOMPARE(*date, expected);
    }

    void detectOrder_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QifDateOrder>("expected");
        QTest::newRow("a day above 12") << QStringList{"D03/04/2024", "D25/04/2024"} << QifDateOrder::DayFirst;
        QTest::newRow("year first does not count")
            << QStringList{"D03/04/2024", "D2024/25/04"} << QifDateOrder::MonthFirst;
        QTest::newRow("no D lines") << QStringList{"PShop", "T1"} << QifDateOrder::MonthFirst;
        QTest::newRow("points") << QStringList{"D03.11.25"} << QifDateOrder::DayFirst;
        QTest::newRow("lower-case d does not count") << QStringList{"d25/04/2024"} << QifDateOrder::MonthFirst;
        QTest::newRow("byte-order mark and blanks") << QStringList{"\uFEFF  D 25.4.24"} << QifDateOrder::DayFirst;
        QTest::newRow("third field not a number") << QStringList{"D25/4/x"} << QifDateOrder::MonthFirst;
        QTest::newRow("a category description") << QStringList{"DGroceries 13/14/15"} << QifDateOrder::MonthFirst;
    }
    void detectOrder()
    {
        QFETCH(QStringList, lines);
        QFETCH(QifDateOrder, expected);
        QCOMPARE(detectQifDateOrder(lines), expected);
    }

    void category_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("transfer");
        QTest::newRow("plain") << " Food " << "Food" << "";
        QTest::newRow("transfer") << "[Savings]" << "" << "Savings";
        QTest::newRow("transfer with class") << "[Savings]/Trip" << "" << "Savings";
        QTest::newRow("category with class") << "Food:Groceries/Trip" << "Food:Groceries" << "";
        QTest::newRow("slash inside brackets") << "[A/B]" << "[A" << "";
        QTest::newRow("empty") << "" << "" << "";
    }
    void category()
    {
        QFETCH(QString, value);
        QFETCH(QString, category);
        QFETCH(QString, transfer);
        QString gotCategory = QStringLiteral("old");
        QString gotTransfer = QStringLiteral("old");
        parseQifCategory(value, gotCategory, gotTransfer);
        QCOMPARE(gotCategory, category);
        QCOMPARE(gotTransfer, transfer);
    }

    void headers_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QifSection>("section");
        QTest::addColumn<QifAccountKind>("kind");
        QTest::newRow("bank") << "!Type:Bank" << QifSection::Transactions << QifAccountKind::bank;
        QTest::newRow("upper case ccard") << "!TYPE:CCARD" << QifSection::Transactions << QifAccountKind::ccard;
        QTest::newRow("lower case oth a") << "!type:oth a" << QifSection::Transactions << QifAccountKind::othA;
        QTest::newRow("unknown kind") << "!Type:Checking" << QifSection::Transactions << QifAccountKind::bank;
        QTest::newRow("category list") << "!Type:Cat" << QifSection::CategoryList << QifAccountKind::bank;
        QTest::newRow("class") << "!Type:Class" << QifSection::Skipped << QifAccountKind::bank;
        QTest::newRow("account") << "!account" << QifSection::AccountBlock << QifAccountKind::bank;
        QTest::newRow("option") << "!Option:AutoSwitch" << QifSection::Skipped << QifAccountKind::bank;
        QTest::newRow("unknown header") << "!Something" << QifSection::Other << QifAccountKind::bank;
    }
    void headers()
    {
        QFETCH(QString, line);
        QFETCH(QifSection, section);
        QFETCH(QifAccountKind, kind);
        QCOMPARE(qifSectionKind(line), section);
        QCOMPARE(qifAccountKind(line), kind);
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("counts"); // invalid, skipped, accounts, order

        QTest::newRow("account block and record")
            << lines({"!Account", "NChecking", "TBank", "^", "!Type:Bank", "D01/15/2024", "T-42.50", "PGrocer", "^"})
            << QStringList{"2024-01-15 -4250 P=Grocer @Checking"} << "0 0 Checking:0 M";
        QTest::newRow("every field, CRLF and a byte-order mark")
            << QStringLiteral("\uFEFF!Type:Bank\r\nD3/1'24\r\nU1,000.00\r\nT-1,234.5\r\nPShop\rMNote\r\nN101\r\n"
                              "CX\r\nLFood/Trip\r\nAStreet 1\r\nYACME\r\nOignored\r\n^\r\n")
            << QStringList{"2024-03-01 -123450 P=Shop M=Note L=Food N=101 Y=ACME R"} << "0 0  M";
        QTest::newRow("clear marks")
            << lines({"D1/1/24", "T1", "C*", "^", "D1/1/24", "T2", "Cc", "^", "D1/1/24", "T3", "CR", "^", "D1/1/24",
                      "T4", "C", "^", "D1/1/24", "T5", "C?", "^"})
            << QStringList{"2024-01-01 100 C", "2024-01-01 200 C", "2024-01-01 300 R", "2024-01-01 400",
                           "2024-01-01 500"}
            << "0 0  M";
        QTest::newRow("transfer")
            << lines({"D1/1/24", "T-5", "L[Savings]/Class", "^"})
            << QStringList{"2024-01-01 -500 X=Savings"} << "0 0  M";
        QTest::newRow("splits")
            << lines({"D1/1/24", "T-100", "PMarket", "SFood", "EBread", "$-60", "S[Savings]", "$-40", "S", "^"})
            << QStringList{"2024-01-01 -10000 P=Market", "  S Food||Bread|-6000", "  S |Savings||-4000",
                           "  S |||0"}
            << "0 0  M";
        QTest::newRow("a date inside a split is ignored")
            << lines({"D1/1/24", "T-100", "SFood", "D2/2/24", "$-100", "^"})
            << QStringList{"2024-01-01 -10000", "  S Food|||-10000"} << "0 0  M";
        QTest::newRow("dotted dates are day first")
            << lines({"!Type:Bank", "D03.11.25", "T1", "^", "D04.11.25", "T2", "^"})
            << QStringList{"2025-11-03 100", "2025-11-04 200"} << "0 0  D";
        QTest::newRow("E and $ before any S")
            << lines({"D1/1/24", "EIgnored", "$7", "SFood", "$3", "^"})
            << QStringList{"2024-01-01 700", "  S Food|||300"} << "0 0  M";
        QTest::newRow("missing amount, bad date, empty record")
            << lines({"D1/1/24", "PNo amount", "^", "Dsoon", "T1", "^", "^", "^", "Q1", "^"})
            << QStringList{} << "2 0  M";
        QTest::newRow("lower-case code is not a date")
            << lines({"d1/1/24", "T1", "^"}) << QStringList{} << "1 0  M";
        QTest::newRow("bad amount keeps the earlier one")
            << lines({"D1/1/24", "T5", "Tfive", "^"}) << QStringList{"2024-01-01 500"} << "0 0  M";
        QTest::newRow("skipped sections count records with content")
            << lines({"!Type:Memorized", "PRent", "T1", "^", "^", "!Type:Class", "NWork", "^", "!Type:Security",
                      "NACME", "^", "!Type:Prices", "\"ACME\",1", "^", "!Type:Tag", "NT", "^", "!Option:AutoSwitch",
                      "X", "^", "!Clear:AutoSwitch", "X", "^", "!Type:Bank", "D1/1/24", "T1", "^"})
            << QStringList{"2024-01-01 100"} << "0 7  M";
        QTest::newRow("last record without caret, day-first file")
            << lines({"!Type:Bank", "D13/01/2024", "T1", "^", "D02/03/2024", "T2"})
            << QStringList{"2024-01-13 100", "2024-03-02 200"} << "0 0  D";
        QTest::newRow("accounts listed once, kinds, names kept across sections")
            << lines({"!Account", "Nsavings", "^", "!Type:CCard", "D1/1/24", "T1", "^", "!Account", "NSAVINGS", "^",
                      "!Type:Bank", "D1/2/24", "T2", "^", "!Account", "^", "!Type:Cash", "D1/3/24", "T3", "^",
                      "!Account", "NWallet", "^", "!Type:Cat", "NFood", "^", "!Type:Oth A", "D1/4/24", "T4", "^"})
            << QStringList{"2024-01-01 100 @savings", "2024-01-02 200 @SAVINGS", "2024-01-03 300 @SAVINGS",
                           "2024-01-04 400 @Wallet"}
            << "0 0 savings:1 Wallet:4 M";
        QTest::newRow("records before any account block")
            << lines({"D1/1/24", "T1", "^", "!Account", "NChecking", "^", "!Type:Bank", "D1/2/24", "T2", "^"})
            << QStringList{"2024-01-01 100", "2024-01-02 200 @Checking"} << "0 0 Checking:0 M";
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QFETCH(QString, counts);
        const QifParseResult result = parseQif(text, QifDateOrder::Auto);
        QCOMPARE(describe(result), expected);
        QStringList accounts;
        for (const QifAccount& a : result.accounts)
            accounts << QStringLiteral("%1:%2").arg(a.name).arg(int(a.kind));
        const QString order = result.dateOrder == QifDateOrder::DayFirst ? QStringLiteral("D") : QStringLiteral("M");
        QCOMPARE(QStringLiteral("%1 %2 %3 %4")
                     .arg(result.invalidCount)
                     .arg(result.skippedCount)
                     .arg(accounts.join(QLatin1Char(' ')), order),
                 counts);
    }

    void categoryList()
    {
        const QifParseResult result = parseQif(
            lines({"!Type:Cat", "NFood", "DGroceries and more", "E", "^", "NInterest", "I", "^", "NSalary", "I", "E",
                   "^", "DNo name", "I", "^", "^", "!Type:Bank", "D1/1/24", "T1", "^"}),
            QifDateOrder::Auto);
        QStringList categories;
        for (const QifCategory& c : result.categories)
            categories << QStringLiteral("%1|%2|%3").arg(c.name, c.description).arg(c.isIncome);
        QCOMPARE(categories, (QStringList{"Food|Groceries and more|0", "Interest||1", "Salary||0"}));
        QCOMPARE(result.transactions.size(), 1);
        QCOMPARE(result.invalidCount, 0);
    }

    // Whatever the bytes, parsing ends and every record is accounted for.
    void garbageNeverCrashes()
    {
        QRandomGenerator random(11);
        const char alphabet[] = "!^DTUPMNCLSE$YA0123456789/.,-'()[]: \n\r\xEF\xBB\xBF\xC3\xA9\xFF";
        for (int round = 0; round < 300; ++round) {
            QByteArray bytes(int(random.bounded(0, 4096)), Qt::Uninitialized);
            for (char& b : bytes)
                b = random.bounded(4) == 0 ? char(random.bounded(256))
                                           : alphabet[random.bounded(int(sizeof(alphabet) - 1))];
            const QifParseResult result = parseQif(decodeTextBytes(bytes), QifDateOrder::Auto);
            QVERIFY(result.invalidCount >= 0 && result.skippedCount >= 0);
            QVERIFY(result.dateOrder != QifDateOrder::Auto);
            for (const QifTransaction& t : result.transactions)
                QVERIFY(t.date.isValid());
        }
    }
};

TALLYLEAF_CORE_TEST_MAIN(TestQifParser)
#include "tst_qifparser.moc"
