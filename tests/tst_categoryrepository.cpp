#include "coretestsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"

#include <QSignalSpy>

namespace {
const QDateTime kCreated(QDate(2024, 1, 2), QTime(3, 4, 5), Qt::UTC);

Category makeCategory(const QString& id, const QString& name, const QString& parentId = QString())
{
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    c.createdAt = kCreated;
    c.updatedAt = kCreated;
    return c;
}
} // namespace

class TestCategoryRepository : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void insertRoundTripAndReferences();
    void listsAndLookups();
    void categoryPath_data();
    void categoryPath();
    void updateKeepsCreatedAndDeleted();
    void syncBookkeeping();

private:
    void add(const QString& id, const QString& name, const QString& parentId = QString())
    {
        QVERIFY(m_repo->insert(makeCategory(id, name, parentId)));
    }

    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<CategoryRepository> m_repo;
};

void TestCategoryRepository::init()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_repo = std::make_unique<CategoryRepository>(m_db->db());
}

void TestCategoryRepository::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

void TestCategoryRepository::insertRoundTripAndReferences()
{
    Category c = makeCategory(QStringLiteral("c1"), QStringLiteral("Rent"));
    c.categoryType = CategoryType::Transfer;
    c.isTaxRelevant = true;
    c.taxCategory = QStringLiteral("salt");
    c.color = QStringLiteral("#112233");
    c.version = 7;
    c.syncStatus = SyncStatus::Conflict;
    c.serverId = QStringLiteral("srv-1");
    c.updatedAt = kCreated.addSecs(60);
    QVERIFY(m_repo->insert(c));
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT parent_id IS NULL AND account_id IS NULL FROM categories")),
             QVariant(1));
    const std::optional<Category> b = m_repo->findById(QStringLiteral("c1"));
    QVERIFY(b);
    QCOMPARE(b->categoryType, CategoryType::Transfer);
    QVERIFY(b->parentId.isEmpty() && b->isTaxRelevant && !b->isDefault);
    QCOMPARE(b->taxCategory + b->color + b->serverId, QStringLiteral("salt#112233srv-1"));
    QCOMPARE(b->version, 7);
    QCOMPARE(b->syncStatus, SyncStatus::Conflict);
    QCOMPARE(b->createdAt, kCreated);
    QCOMPARE(b->updatedAt, c.updatedAt);

    // The parent must exist: the foreign key refuses an orphan.
    QSignalSpy spy(m_repo.get(), &CategoryRepository::categoriesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed: .+")));
    QVERIFY(!m_repo->insert(makeCategory(QStringLiteral("c2"), QStringLiteral("Orphan"), QStringLiteral("nope"))));
    QCOMPARE(spy.count(), 0);
}

void TestCategoryRepository::listsAndLookups()
{
    add(QStringLiteral("1"), QStringLiteral("apple"));
    add(QStringLiteral("2"), QStringLiteral("Zoo"));
    add(QStringLiteral("3"), QStringLiteral("Groceries"));
    add(QStringLiteral("4"), QStringLiteral("Fuel"));
    QVERIFY(m_repo->softDelete(QStringLiteral("4")));

    QStringList names;
    for (const Category& c : m_repo->findAll())
        names << c.name;
    QCOMPARE(names, (QStringList{QStringLiteral("Groceries"), QStringLiteral("Zoo"), QStringLiteral("apple")}));
    QVERIFY(m_repo->findById(QStringLiteral("4"))->deletedAt);
    QCOMPARE(m_repo->findByName(QStringLiteral("Groceries"))->id, QStringLiteral("3"));
    QVERIFY(!m_repo->findByName(QStringLiteral("groceries")));
    QVERIFY(!m_repo->findByName(QStringLiteral("Fuel")));

    QSignalSpy spy(m_repo.get(), &CategoryRepository::categoriesChanged);
    for (const char* id : {"1", "2", "3", "missing"})
        QVERIFY(m_repo->softDelete(QLatin1String(id)));
    QCOMPARE(spy.count(), 4);
    QCOMPARE(m_repo->count(), 0);
}

void TestCategoryRepository::categoryPath_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("path");
    QTest::newRow("subcategory") << "groceries" << "Food > Groceries";
    QTest::newRow("top level") << "food" << "Food";
    QTest::newRow("deleted parent") << "tip" << "Dining > Tip";
    QTest::newRow("empty id") << "" << "";
    QTest::newRow("unknown id") << "missing" << "";
    QStringList lowest16;
    for (int level = 5; level <= 20; ++level)
        lowest16 << QStringLiteral("L%1").arg(level);
    QTest::newRow("20 levels") << "L20" << lowest16.join(QStringLiteral(" > "));
    QTest::newRow("loop") << "a" << QStringList(8, QStringLiteral("B > A")).join(QStringLiteral(" > "));
}

void TestCategoryRepository::categoryPath()
{
    QFETCH(QString, id);
    QFETCH(QString, path);
    add(QStringLiteral("food"), QStringLiteral("Food"));
    add(QStringLiteral("groceries"), QStringLiteral("Groceries"), QStringLiteral("food"));
    add(QStringLiteral("dining"), QStringLiteral("Dining"));
    add(QStringLiteral("tip"), QStringLiteral("Tip"), QStringLiteral("dining"));
    QVERIFY(m_repo->softDelete(QStringLiteral("dining")));
    QString parent;
    for (int level = 1; level <= 20; ++level) {
        add(QStringLiteral("L%1").arg(level), QStringLiteral("L%1").arg(level), parent);
        parent = QStringLiteral("L%1").arg(level);
    }
    add(QStringLiteral("a"), QStringLiteral("A"));
    add(QStringLiteral("b"), QStringLiteral("B"), QStringLiteral("a"));
    QVERIFY(m_repo->update(makeCategory(QStringLiteral("a"), QStringLiteral("A"), QStringLiteral("b"))));

    QCOMPARE(m_repo->categoryPath(id), path);
}

void TestCategoryRepository::updateKeepsCreatedAndDeleted()
{
    add(QStringLiteral("p"), QStringLiteral("Parent"));
    add(QStringLiteral("c"), QStringLiteral("Child"));
    QVERIFY(m_repo->softDelete(QStringLiteral("c")));
    const std::optional<QDateTime> deletedAt = m_repo->findById(QStringLiteral("c"))->deletedAt;

    Category changed = makeCategory(QStringLiteral("c"), QStringLiteral("Renamed"), QStringLiteral("p"));
    changed.createdAt = kCreated.addYears(5);
    changed.updatedAt = QDateTime(QDate(2025, 6, 7), QTime(8, 9, 10), Qt::UTC);
    QVERIFY(m_repo->update(changed));
    const std::optional<Category> b = m_repo->findById(QStringLiteral("c"));
    QCOMPARE(b->name, QStringLiteral("Renamed"));
    QCOMPARE(b->parentId, QStringLiteral("p"));
    QCOMPARE(b->createdAt, kCreated);
    QCOMPARE(b->deletedAt, deletedAt);
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT updated_at FROM categories WHERE id='c'")).toString(),
             QStringLiteral("2025-06-07T08:09:10Z"));
}

void TestCategoryRepository::syncBookkeeping()
{
    for (const char* id : {"1", "2", "3", "4"})
        add(QLatin1String(id), QLatin1String(id));
    QVERIFY(m_repo->softDelete(QStringLiteral("3")));
    QSignalSpy spy(m_repo.get(), &CategoryRepository::categoriesChanged);
    for (const char* id : {"1", "2", "3", "missing"})
        QVERIFY(m_repo->markSynced(QLatin1String(id), QStringLiteral("srv")));
    QCOMPARE(spy.count(), 0);
    const std::optional<Category> synced = m_repo->findById(QStringLiteral("1"));
    QCOMPARE(synced->syncStatus, SyncStatus::Synced);
    QCOMPARE(synced->serverId, QStringLiteral("srv"));
    QCOMPARE(synced->updatedAt, kCreated);
    QCOMPARE(m_repo->findPendingSync().size(), 1);

    // Live rows only: the deleted "3" stays synced.
    QCOMPARE(m_repo->markAllPendingForResync(), 2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(m_repo->findById(QStringLiteral("3"))->syncStatus, SyncStatus::Synced);
    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(spy.count(), 1);
}

TALLYLEAF_CORE_TEST_MAIN(TestCategoryRepository)
#include "tst_categoryrepository.moc"
