#include "coretestsupport.h"

#include "data/atomicwrite.h"
#include "data/database.h"

#include <QSqlQuery>

class AtomicWriteTest : public QObject
{
    Q_OBJECT

private slots:
    void ownTransaction();
    void nestedInSomeoneElsesTransaction();
};

namespace {

int rows()
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM preferences")).toInt();
}

void insert(const QString& key)
{
    TestSupport::exec(QStringLiteral("INSERT INTO preferences (key, value) VALUES ('%1', '')").arg(key));
}

} // namespace

void AtomicWriteTest::ownTransaction()
{
    TestSupport::TempDatabase db;
    {
        AtomicWrite write(db->database(), QStringLiteral("unit"));
        QVERIFY(write.begin());
        insert(QStringLiteral("a"));
        QVERIFY(write.commit());
        QVERIFY(!write.isActive());
    }
    {
        AtomicWrite write(db->database(), QStringLiteral("unit"));
        QVERIFY(write.begin());
        insert(QStringLiteral("b"));
        // Dropped without commit: undone.
    }
    QCOMPARE(rows(), 1);
}

void AtomicWriteTest::nestedInSomeoneElsesTransaction()
{
    TestSupport::TempDatabase db;
    QVERIFY(db->database().transaction()); // an import holds the connection
    insert(QStringLiteral("import"));
    {
        AtomicWrite write(db->database(), QStringLiteral("unit"));
        QVERIFY(write.begin());
        insert(QStringLiteral("ours"));
        write.rollback();
    }
    {
        AtomicWrite write(db->database(), QStringLiteral("unit"));
        QVERIFY(write.begin());
        insert(QStringLiteral("kept"));
        QVERIFY(write.commit());
    }
    // Our undo left the import's row alone, and the outer transaction still
    // decides about everything.
    QCOMPARE(rows(), 2);
    QVERIFY(db->database().rollback());
    QCOMPARE(rows(), 0);
}

TALLYLEAF_CORE_TEST_MAIN(AtomicWriteTest)
#include "tst_atomicwrite.moc"
