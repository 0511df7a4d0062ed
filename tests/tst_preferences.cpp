#include "coretestsupport.h"

#include "data/database.h"
#include "data/preferencesrepository.h"

#include <QSignalSpy>

class PreferencesTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void boolValue_data();
    void boolValue();
    void nullValueIsPresentAndEmpty();
    void setValueReplacesInPlace();
    void removeAbsentKey();
    void typedWriters();
    void failedWriteEmitsNothing();

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_prefs;
};

void PreferencesTest::init()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_prefs = std::make_unique<PreferencesRepository>(m_db->db());
}

void PreferencesTest::cleanup()
{
    m_prefs.reset();
    m_db.reset();
}

void PreferencesTest::boolValue_data()
{
    QTest::addColumn<QString>("stored"); // null = absent
    QTest::addColumn<bool>("defaultValue");
    QTest::addColumn<bool>("expected");

    QTest::newRow("true") << "true" << false << true;
    QTest::newRow("1") << "1" << false << true;
    QTest::newRow("TRUE") << "TRUE" << true << false;
    QTest::newRow("yes") << "yes" << true << false;
    QTest::newRow("2") << "2" << true << false;
    QTest::newRow("0") << "0" << true << false;
    QTest::newRow("empty") << "" << true << false;
    QTest::newRow("padded 1") << " 1" << true << false;
    QTest::newRow("absent, default true") << QString() << true << true;
    QTest::newRow("absent, default false") << QString() << false << false;
}

void PreferencesTest::boolValue()
{
    QFETCH(QString, stored);
    QFETCH(bool, defaultValue);
    QFETCH(bool, expected);
    if (!stored.isNull())
        QVERIFY(m_prefs->setValue(QStringLiteral("flag"), stored));
    QCOMPARE(m_prefs->boolValue(QStringLiteral("flag"), defaultValue), expected);
}

void PreferencesTest::nullValueIsPresentAndEmpty()
{
    TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('theme', NULL)"));
    const std::optional<QString> v = m_prefs->value(QStringLiteral("theme"));
    QVERIFY(v.has_value());
    QVERIFY(v->isEmpty());
    QCOMPARE(m_prefs->valueOr(QStringLiteral("theme"), QStringLiteral("system")), QString());
    QVERIFY(!m_prefs->boolValue(QStringLiteral("theme"), true));

    QVERIFY(!m_prefs->value(QStringLiteral("absent")).has_value());
    QCOMPARE(m_prefs->valueOr(QStringLiteral("absent"), QStringLiteral("system")), QStringLiteral("system"));
}

void PreferencesTest::setValueReplacesInPlace()
{
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QVERIFY(m_prefs->setValue(QStringLiteral("theme"), QStringLiteral("dark")));
    QVERIFY(m_prefs->setValue(QStringLiteral("theme"), QStringLiteral("light")));
    QVERIFY(m_prefs->setValue(QStringLiteral("theme"), QStringLiteral("light"))); // same value still signals
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT count(*) FROM preferences WHERE key = 'theme'")).toInt(), 1);
    QCOMPARE(m_prefs->valueOr(QStringLiteral("theme"), QString()), QStringLiteral("light"));
    QCOMPARE(changed.count(), 3);
    QCOMPARE(changed.at(2).at(0).toString(), QStringLiteral("theme"));

    // An empty value is stored as '' and read back present.
    QVERIFY(m_prefs->setValue(QStringLiteral("syncCursor"), QString()));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT typeof(value) FROM preferences WHERE key = 'syncCursor'"))
                 .toString(),
             QStringLiteral("text"));
    QVERIFY(m_prefs->value(QStringLiteral("syncCursor")).has_value());
}

void PreferencesTest::removeAbsentKey()
{
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QVERIFY(m_prefs->remove(QStringLiteral("nothing")));
    QVERIFY(m_prefs->setValue(QStringLiteral("k"), QStringLiteral("v")));
    QVERIFY(m_prefs->remove(QStringLiteral("k")));
    QVERIFY(!m_prefs->value(QStringLiteral("k")).has_value());
    QCOMPARE(changed.count(), 1); // only the setValue
}

void PreferencesTest::typedWriters()
{
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    m_prefs->setInt(QStringLiteral("weekStartDay"), -3);
    m_prefs->setBool(QStringLiteral("registerTwoLine"), true);
    m_prefs->setBool(QStringLiteral("registerNewestFirst"), false);
    QCOMPARE(m_prefs->valueOr(QStringLiteral("weekStartDay"), QString()), QStringLiteral("-3"));
    QCOMPARE(m_prefs->valueOr(QStringLiteral("registerTwoLine"), QString()), QStringLiteral("1"));
    QCOMPARE(m_prefs->valueOr(QStringLiteral("registerNewestFirst"), QString()), QStringLiteral("0"));
    QCOMPARE(changed.count(), 3);
}

void PreferencesTest::failedWriteEmitsNothing()
{
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON preferences "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy changed(m_prefs.get(), &PreferencesRepository::changed);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    QVERIFY(!m_prefs->setValue(QStringLiteral("theme"), QStringLiteral("dark")));
    m_prefs->setInt(QStringLiteral("fontScale"), 120);
    QCOMPARE(changed.count(), 0);
    QVERIFY(!m_prefs->value(QStringLiteral("theme")).has_value());
    TestSupport::exec(QStringLiteral("DROP TRIGGER refuse"));
}

TALLYLEAF_CORE_TEST_MAIN(PreferencesTest)
#include "tst_preferences.moc"
