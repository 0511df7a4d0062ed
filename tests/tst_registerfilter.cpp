#include "coretestsupport.h"

#include "data/registerfilter.h"

namespace {

RegisterFilter makeFilter(std::optional<bool> cleared, const QDate& from, const QDate& to, const QString& category)
{
    RegisterFilter f;
    f.cleared = cleared;
    f.dateFrom = from;
    f.dateTo = to;
    f.categoryId = category;
    return f;
}

} // namespace

Q_DECLARE_METATYPE(RegisterFilter)

class TestRegisterFilter : public QObject
{
    Q_OBJECT

private slots:
    void toJson_data();
    void toJson();
    void fromJson_data();
    void fromJson();
    void matches_data();
    void matches();
};

void TestRegisterFilter::toJson_data()
{
    QTest::addColumn<RegisterFilter>("filter");
    QTest::addColumn<QString>("json");
    QTest::addColumn<bool>("active");

    QTest::newRow("empty") << RegisterFilter() << "{}" << false;
    QTest::newRow("uncleared up to a date") << makeFilter(false, QDate(), QDate(2024, 3, 31), QString())
                                            << R"({"cleared":false,"dateTo":"2024-03-31"})" << true;
    QTest::newRow("from only") << makeFilter(std::nullopt, QDate(2024, 1, 1), QDate(), QString())
                               << R"({"dateFrom":"2024-01-01"})" << true;
    QTest::newRow("category only") << makeFilter(std::nullopt, QDate(), QDate(), QStringLiteral("cat-1"))
                                   << R"({"categoryId":"cat-1"})" << true;
}

void TestRegisterFilter::toJson()
{
    QFETCH(RegisterFilter, filter);
    QFETCH(QString, json);
    QFETCH(bool, active);
    QCOMPARE(filter.toJson(), json);
    QCOMPARE(filter.isActive(), active);
    QVERIFY(RegisterFilter::fromJson(json) == filter);
}

void TestRegisterFilter::fromJson_data()
{
    QTest::addColumn<QString>("json");
    QTest::addColumn<RegisterFilter>("expected");

    const RegisterFilter empty;
    QTest::newRow("empty text") << "" << empty;
    QTest::newRow("not json") << "cleared=true" << empty;
    QTest::newRow("truncated object") << R"({"cleared":true)" << empty;
    QTest::newRow("array") << R"([{"cleared":true}])" << empty;
    QTest::newRow("cleared as text") << R"({"cleared":"true"})" << empty;
    QTest::newRow("date not a date") << R"({"dateFrom":"2024-13-01","dateTo":"soon"})" << empty;
    QTest::newRow("any key order, unknown members ignored")
        << R"({"extra":[1],"dateTo":"2024-02-29","categoryId":"Cat","cleared":false})"
        << makeFilter(false, QDate(), QDate(2024, 2, 29), QStringLiteral("Cat"));
    QTest::newRow("one good member among bad ones")
        << R"({"cleared":"x","dateFrom":"2023-05-06","categoryId":5})"
        << makeFilter(std::nullopt, QDate(2023, 5, 6), QDate(), QString());
}

void TestRegisterFilter::fromJson()
{
    QFETCH(QString, json);
    QFETCH(RegisterFilter, expected);
    const RegisterFilter f = RegisterFilter::fromJson(json);
    QCOMPARE(f.cleared, expected.cleared);
    QCOMPARE(f.dateFrom, expected.dateFrom);
    QCOMPARE(f.dateTo, expected.dateTo);
    QCOMPARE(f.categoryId, expected.categoryId);
}

void TestRegisterFilter::matches_data()
{
    QTest::addColumn<RegisterFilter>("filter");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<QString>("category");
    QTest::addColumn<bool>("expected");

    const QDate from(2024, 3, 1);
    const QDate to(2024, 3, 31);
    const RegisterFilter range = makeFilter(std::nullopt, from, to, QString());
    QTest::newRow("first day included") << range << from << false << "" << true;
    QTest::newRow("day before excluded") << range << from.addDays(-1) << false << "" << false;
    QTest::newRow("last day included") << range << to << false << "" << true;
    QTest::newRow("day after excluded") << range << to.addDays(1) << false << "" << false;
    QTest::newRow("from after to hides all") << makeFilter(std::nullopt, to, from, QString()) << QDate(2024, 3, 15)
                                             << false << "" << false;
    QTest::newRow("only cleared, row cleared") << makeFilter(true, {}, {}, {}) << from << true << "" << true;
    QTest::newRow("only cleared, row not") << makeFilter(true, {}, {}, {}) << from << false << "" << false;
    const RegisterFilter food = makeFilter(std::nullopt, {}, {}, QStringLiteral("cat-Food"));
    QTest::newRow("same category") << food << from << false << "cat-Food" << true;
    QTest::newRow("category differs in case") << food << from << false << "cat-food" << false;
    QTest::newRow("no category (opening row)") << food << from << true << "" << false;
}

void TestRegisterFilter::matches()
{
    QFETCH(RegisterFilter, filter);
    QFETCH(QDate, date);
    QFETCH(bool, cleared);
    QFETCH(QString, category);
    QFETCH(bool, expected);

    RegisterRow row;
    row.date = date;
    row.cleared = cleared;
    row.categoryId = category;
    QCOMPARE(filter.matches(row), expected);
}

TALLYLEAF_CORE_TEST_MAIN(TestRegisterFilter)
#include "tst_registerfilter.moc"
