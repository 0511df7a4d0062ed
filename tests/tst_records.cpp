#include "coretestsupport.h"

#include "data/database.h"
#include "data/records.h"
#include "data/sqlvalue.h"

#include <QSqlQuery>
#include <QTimeZone>

#include <cstdlib>
#include <ctime>

// Each enumeration as (number, text) rows: written text and read-back value.
class RecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void enumTexts_data();
    void enumTexts();
    void enumFallbacks_data();
    void enumFallbacks();
    void outsideValues_data();
    void outsideValues();

    void accountReaderFallbacks();
    void otherReaderFallbacks();

    void timestampText_data();
    void timestampText();
    void timestampFromLocalTime();
    void bindings();
    void readers();
};

void RecordsTest::enumTexts_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    const char* accountTypes[] = {"checking", "savings", "credit_card", "cash", "investment", "other"};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("account %s", accountTypes[i]) << "account" << i << accountTypes[i];
    const char* currencies[] = {"USD", "EUR", "GBP", "CAD", "AUD", "JPY"};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("currency %s", currencies[i]) << "currency" << i << currencies[i];
    const char* categoryTypes[] = {"income", "expense", "transfer"};
    for (int i = 0; i < 3; ++i)
        QTest::addRow("category %s", categoryTypes[i]) << "category" << i << categoryTypes[i];
    const char* frequencies[] = {"daily", "weekly", "biweekly", "monthly", "semimonthly", "quarterly",
                                 "semi_annual", "annual"};
    for (int i = 0; i < 8; ++i)
        QTest::addRow("frequency %s", frequencies[i]) << "frequency" << i << frequencies[i];
    const char* statuses[] = {"pending", "synced", "conflict"};
    for (int i = 0; i < 3; ++i)
        QTest::addRow("sync %s", statuses[i]) << "sync" << i << statuses[i];
}

namespace {

QString toText(const QString& kind, int value)
{
    if (kind == QLatin1String("account"))
        return accountTypeToString(static_cast<AccountType>(value));
    if (kind == QLatin1String("currency"))
        return currencyToString(static_cast<CurrencyCode>(value));
    if (kind == QLatin1String("category"))
        return categoryTypeToString(static_cast<CategoryType>(value));
    if (kind == QLatin1String("frequency"))
        return frequencyToString(static_cast<RecurringFrequency>(value));
    return syncStatusToString(static_cast<SyncStatus>(value));
}

int fromText(const QString& kind, const QString& text)
{
    if (kind == QLatin1String("account"))
        return int(accountTypeFromString(text));
    if (kind == QLatin1String("currency"))
        return int(currencyFromString(text));
    if (kind == QLatin1String("category"))
        return int(categoryTypeFromString(text));
    if (kind == QLatin1String("frequency"))
        return int(frequencyFromString(text));
    return int(syncStatusFromString(text));
}

} // namespace

void RecordsTest::enumTexts()
{
    QFETCH(QString, kind);
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(toText(kind, value), text);
    QCOMPARE(fromText(kind, text), value);
}

void RecordsTest::enumFallbacks_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("account capitalised") << "account" << "Checking" << int(AccountType::Other);
    QTest::newRow("account null") << "account" << QString() << int(AccountType::Other);
    QTest::newRow("currency lower case") << "currency" << "usd" << int(CurrencyCode::USD);
    QTest::newRow("currency unknown") << "currency" << "CHF" << int(CurrencyCode::USD);
    QTest::newRow("category refund") << "category" << "refund" << int(CategoryType::Expense);
    QTest::newRow("frequency fortnightly") << "frequency" << "fortnightly" << int(RecurringFrequency::Monthly);
    QTest::newRow("frequency padded") << "frequency" << " weekly" << int(RecurringFrequency::Monthly);
    QTest::newRow("sync null") << "sync" << QString() << int(SyncStatus::Pending);
    QTest::newRow("sync upper case") << "sync" << "SYNCED" << int(SyncStatus::Pending);
}

void RecordsTest::enumFallbacks()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(fromText(kind, text), value);
}

void RecordsTest::outsideValues_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("text");
    QTest::newRow("account") << "account" << "other";
    QTest::newRow("currency") << "currency" << "USD";
    QTest::newRow("category") << "category" << "expense";
    QTest::newRow("frequency") << "frequency" << "monthly";
    QTest::newRow("sync") << "sync" << "pending";
}

void RecordsTest::outsideValues()
{
    QFETCH(QString, kind);
    QFETCH(QString, text);
    QCOMPARE(toText(kind, 99), text);
    QCOMPARE(toText(kind, -1), text);
}

void RecordsTest::accountReaderFallbacks()
{
    TestSupport::TempDatabase db;
    // sync_status is NOT NULL in the table, so feed the reader a literal row.
    QSqlQuery q(db->database());
    QVERIFY(q.exec(QStringLiteral("SELECT 'a1', 'Main', 'Checking', 'usd', NULL, NULL, '-250', 4, 1, 3, NULL, NULL, "
                                  "'2025-03-01T14:05:09Z', '2025-03-02T00:00:00Z', ''")));
    QVERIFY(q.next());
    const Account a = accountFromQuery(q);
    QCOMPARE(a.accountType, AccountType::Other);
    QCOMPARE(a.currency, CurrencyCode::USD);
    QCOMPARE(a.syncStatus, SyncStatus::Pending);
    QVERIFY(a.institution.isEmpty());
    QCOMPARE(a.startingBalance, qint64(-250));
    QCOMPARE(a.sortOrder, 4);
    QVERIFY(a.isShared);
    QCOMPARE(a.version, 3);
    QCOMPARE(a.createdAt, QDateTime(QDate(2025, 3, 1), QTime(14, 5, 9), Qt::UTC));
    QVERIFY(!a.deletedAt.has_value()); // '' is not deleted
}

void RecordsTest::otherReaderFallbacks()
{
    TestSupport::TempDatabase db;
    QSqlQuery q(db->database());
    QVERIFY(q.exec(QStringLiteral("SELECT 'c1', 'Gifts', 'refund', NULL, 0, NULL, NULL, NULL, 0, NULL, "
                                  "1, 'conflict', 'srv', '', '', NULL")));
    QVERIFY(q.next());
    const Category c = categoryFromQuery(q);
    QCOMPARE(c.categoryType, CategoryType::Expense);
    QCOMPARE(c.syncStatus, SyncStatus::Conflict);
    QVERIFY(c.parentId.isEmpty());
    QVERIFY(!c.deletedAt);

    // Recurring: the four late columns come last in the list, end_date '' or NULL is unset.
    for (const char* endDate : {"''", "NULL"}) {
        QVERIFY(q.exec(QStringLiteral("SELECT 'r1', 'a1', 'Rent', NULL, -900, NULL, 'fortnightly', '2025-01-31', %1, "
                                      "'2025-02-28', 1, 0, NULL, 2, 'synced', NULL, '', '', NULL, 3, 2, 0, 20")
                           .arg(QLatin1String(endDate))));
        QVERIFY(q.next());
        const RecurringTransaction r = recurringFromQuery(q);
        QCOMPARE(r.frequency, RecurringFrequency::Monthly);
        QVERIFY(!r.endDate.has_value());
        QCOMPARE(r.startDate, QDate(2025, 1, 31));
        QCOMPARE(r.nextDueDate, QDate(2025, 2, 28));
        QVERIFY(r.autoPost);
        QVERIFY(!r.isActive);
        QCOMPARE(r.leadDays, 3);
        QCOMPARE(r.intervalCount, 2);
        QCOMPARE(r.semimonthlyDay1, 0);
        QCOMPARE(r.semimonthlyDay2, 20);
        QCOMPARE(r.syncStatus, SyncStatus::Synced);
    }
}

void RecordsTest::timestampText_data()
{
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("expected");

    QTest::newRow("utc") << QDateTime(QDate(2025, 3, 1), QTime(14, 5, 9), Qt::UTC) << "2025-03-01T14:05:09Z";
    QTest::newRow("milliseconds dropped, not rounded")
        << QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59, 999), Qt::UTC) << "2025-12-31T23:59:59Z";
    QTest::newRow("offset +02:00") << QDateTime(QDate(2025, 3, 1), QTime(1, 30, 0, 250), Qt::OffsetFromUTC, 7200)
                                   << "2025-02-28T23:30:00Z";
    QTest::newRow("zone New York")
        << QDateTime(QDate(2024, 7, 4), QTime(20, 0, 0), QTimeZone("America/New_York")) << "2024-07-05T00:00:00Z";
    QTest::newRow("invalid") << QDateTime() << "";
}

void RecordsTest::timestampText()
{
    QFETCH(QDateTime, time);
    QFETCH(QString, expected);
    QCOMPARE(SqlValue::timestampText(time), expected);
}

void RecordsTest::timestampFromLocalTime()
{
    // Local time five and a half hours ahead of UTC, no daylight saving.
    const QByteArray oldTz = qgetenv("TZ");
    qputenv("TZ", "XST-5:30");
    tzset();
    const QDateTime local(QDate(2025, 1, 15), QTime(10, 0, 0, 400), Qt::LocalTime);
    const QString text = SqlValue::timestampText(local);
    if (oldTz.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oldTz);
    tzset();
    QCOMPARE(text, QStringLiteral("2025-01-15T04:30:00Z"));

    const QString now = SqlValue::nowText();
    QCOMPARE(now.size(), 20);
    QVERIFY(now.endsWith(QLatin1Char('Z')));
    QVERIFY(SqlValue::toTimestamp(now).isValid());
}

void RecordsTest::bindings()
{
    TestSupport::TempDatabase db;
    TestSupport::exec(QStringLiteral("CREATE TABLE probe (k TEXT, v)"));
    const QList<QPair<QString, QVariant>> rows = {
        {QStringLiteral("text null"), SqlValue::text(QString())},
        {QStringLiteral("text empty"), SqlValue::text(QStringLiteral(""))},
        {QStringLiteral("text word"), SqlValue::text(QStringLiteral("x"))},
        {QStringLiteral("ref empty"), SqlValue::ref(QString())},
        {QStringLiteral("ref empty literal"), SqlValue::ref(QStringLiteral(""))},
        {QStringLiteral("ref id"), SqlValue::ref(QStringLiteral("id-1"))},
        {QStringLiteral("date invalid"), SqlValue::date(QDate())},
        {QStringLiteral("date valid"), SqlValue::date(QDate(2024, 2, 29))},
        {QStringLiteral("date unset"), SqlValue::date(std::optional<QDate>())},
        {QStringLiteral("date set"), SqlValue::date(std::optional<QDate>(QDate(2025, 1, 2)))},
        {QStringLiteral("timestamp"),
         SqlValue::timestamp(QDateTime(QDate(2025, 3, 1), QTime(14, 5, 9, 500), Qt::UTC))},
        {QStringLiteral("timestamp invalid"), SqlValue::timestamp(QDateTime())},
        {QStringLiteral("flag true"), SqlValue::flag(true)},
        {QStringLiteral("flag false"), SqlValue::flag(false)},
    };
    for (const auto& row : rows) {
        QSqlQuery q(db->database());
        q.prepare(QStringLiteral("INSERT INTO probe (k, v) VALUES (?, ?)"));
        q.addBindValue(row.first);
        q.addBindValue(row.second);
        QVERIFY(q.exec());
    }
    QSqlQuery q(db->database());
    QVERIFY(q.exec(QStringLiteral("SELECT k || '=' || typeof(v) || ':' || ifnull(v, '') FROM probe ORDER BY rowid")));
    QStringList actual;
    while (q.next())
        actual << q.value(0).toString();
    QCOMPARE(actual, QStringList({
                         QStringLiteral("text null=text:"),
                         QStringLiteral("text empty=text:"),
                         QStringLiteral("text word=text:x"),
                         QStringLiteral("ref empty=null:"),
                         QStringLiteral("ref empty literal=null:"),
                         QStringLiteral("ref id=text:id-1"),
                         QStringLiteral("date invalid=null:"),
                         QStringLiteral("date valid=text:2024-02-29"),
                         QStringLiteral("date unset=null:"),
                         QStringLiteral("date set=text:2025-01-02"),
                         QStringLiteral("timestamp=text:2025-03-01T14:05:09Z"),
                         QStringLiteral("timestamp invalid=null:"),
                         QStringLiteral("flag true=integer:1"),
                         QStringLiteral("flag false=integer:0"),
                     }));
}

void RecordsTest::readers()
{
    const QDateTime t = SqlValue::toTimestamp(QStringLiteral("2025-03-01T14:05:09Z"));
    QCOMPARE(t, QDateTime(QDate(2025, 3, 1), QTime(14, 5, 9), Qt::UTC));
    QCOMPARE(SqlValue::timestampText(t), QStringLiteral("2025-03-01T14:05:09Z"));
    QVERIFY(!SqlValue::toOptionalTimestamp(QVariant()).has_value());
    QVERIFY(!SqlValue::toOptionalTimestamp(QStringLiteral("")).has_value());
    QVERIFY(!SqlValue::toOptionalDate(QVariant()).has_value());
    QCOMPARE(SqlValue::toOptionalDate(QStringLiteral("2024-02-29")).value(), QDate(2024, 2, 29));
    QVERIFY(!SqlValue::toDate(QStringLiteral("2025-02-30")).isValid());
}

TALLYLEAF_CORE_TEST_MAIN(RecordsTest)
#include "tst_records.moc"
