#include "coretestsupport.h"

#include "data/accountrepository.h"
#include "data/database.h"
#include "data/sqlvalue.h"

#include <QSignalSpy>

namespace {

const QDateTime kPast(QDate(2020, 1, 1), QTime(8, 0, 0), Qt::UTC);

Account makeAccount(const QString& id, const QString& name, int sortOrder = 0)
{
    Account a;
    a.id = id;
    a.name = name;
    a.sortOrder = sortOrder;
    a.createdAt = kPast;
    a.updatedAt = kPast;
    return a;
}

QStringList names(const QList<Account>& accounts)
{
    QStringList out;
    for (const Account& a : accounts)
        out << a.name;
    return out;
}

int sortOrderOf(const QString& id)
{
    return TestSupport::scalar(QStringLiteral("SELECT sort_order FROM accounts WHERE id = '%1'").arg(id)).toInt();
}

} // namespace

class AccountRepositoryTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void findAllOrderHidesDeleted();
    void roundTrip();
    void updateKeepsIdCreationAndDeletion();
    void softDeleteThenRestore();
    void insertDuplicateFails();
    void updateSortOrdersSucceeds();
    void updateSortOrdersIsAtomic();
    void updateSortOrdersInsideOpenTransaction();
    void markAllPendingForResync();
    void markSyncedUnknownId();

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<AccountRepository> m_repo;
};

void AccountRepositoryTest::init()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_repo = std::make_unique<AccountRepository>(m_db->db());
}

void AccountRepositoryTest::cleanup()
{
    m_repo.reset();
    m_db.reset();
}

void AccountRepositoryTest::findAllOrderHidesDeleted()
{
    QVERIFY(m_repo->insert(makeAccount("1", "banana", 0)));
    QVERIFY(m_repo->insert(makeAccount("2", "Cherry", 0)));
    QVERIFY(m_repo->insert(makeAccount("3", "apple", 0)));
    QVERIFY(m_repo->insert(makeAccount("4", "Zed", 1)));
    QVERIFY(m_repo->insert(makeAccount("5", "alpha", -1)));
    QVERIFY(m_repo->insert(makeAccount("6", "aardvark", 0)));
    QVERIFY(m_repo->insert(makeAccount("7", "Beta", 9)));
    QVERIFY(m_repo->softDelete("6"));
    QVERIFY(m_repo->softDelete("7"));

    // Upper-case initials sort before lower-case ones at equal sort order.
    QCOMPARE(names(m_repo->findAll()), QStringList({"alpha", "Cherry", "apple", "banana", "Zed"}));
    QCOMPARE(names(m_repo->findDeleted()), QStringList({"Beta", "aardvark"}));

    const std::optional<Account> deleted = m_repo->findById("6");
    QVERIFY(deleted.has_value());
    QVERIFY(deleted->deletedAt.has_value());
    QVERIFY(!m_repo->findById("nope").has_value());
    QCOMPARE(m_repo->findPendingSync().size(), 7); // soft-deleted rows included
}

void AccountRepositoryTest::roundTrip()
{
    Account a = makeAccount("r1", "Visa");
    a.accountType = AccountType::CreditCard;
    a.currency = CurrencyCode::JPY;
    a.accountNumberLast4 = QStringLiteral("0042");
    a.startingBalance = -9000000000LL;
    a.sortOrder = 12;
    a.isShared = true;
    a.version = 7;
    a.syncStatus = SyncStatus::Conflict;
    a.serverId = QStringLiteral("srv-77");
    a.createdAt = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 654), Qt::UTC);
    a.updatedAt = QDateTime(QDate(2024, 5, 7), QTime(0, 0, 1), Qt::OffsetFromUTC, 3600);
    QVERIFY(m_repo->insert(a));

    const std::optional<Account> b = m_repo->findById("r1");
    QVERIFY(b.has_value());
    QCOMPARE(b->name, QStringLiteral("Visa"));
    QCOMPARE(b->accountType, AccountType::CreditCard);
    QCOMPARE(b->currency, CurrencyCode::JPY);
    QCOMPARE(b->accountNumberLast4, QStringLiteral("0042"));
    QCOMPARE(b->startingBalance, -9000000000LL);
    QCOMPARE(b->sortOrder, 12);
    QVERIFY(b->isShared);
    QCOMPARE(b->version, 7);
    QCOMPARE(b->syncStatus, SyncStatus::Conflict);
    QCOMPARE(b->serverId, QStringLiteral("srv-77"));
    QCOMPARE(b->createdAt, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9), Qt::UTC));
    QVERIFY(!b->deletedAt.has_value());

    // Stored texts: UTC with Z and whole seconds; empty institution as '', not NULL.
    QCOMPARE(TestSupport::scalar(QStringLiteral(
                 "SELECT created_at || '|' || updated_at || '|' || typeof(institution) || '|' || account_type || '|' "
                 "|| currency || '|' || sync_status FROM accounts WHERE id = 'r1'"))
                 .toString(),
             QStringLiteral("2024-05-06T07:08:09Z|2024-05-06T23:00:01Z|text|credit_card|JPY|conflict"));
}

void AccountRepositoryTest::updateKeepsIdCreationAndDeletion()
{
    QVERIFY(m_repo->insert(makeAccount("u1", "Old")));
    QVERIFY(m_repo->softDelete("u1"));
    Account a = *m_repo->findById("u1");
    const QDateTime deletedAt = *a.deletedAt;
    a.name = QStringLiteral("New");
    a.createdAt = QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC);
    a.updatedAt = QDateTime(QDate(2025, 6, 1), QTime(12, 0), Qt::UTC);
    a.deletedAt.reset();
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->update(a));
    QCOMPARE(changed.count(), 1);

    const Account b = *m_repo->findById("u1");
    QCOMPARE(b.name, QStringLiteral("New"));
    QCOMPARE(b.createdAt, kPast);
    QCOMPARE(b.updatedAt, QDateTime(QDate(2025, 6, 1), QTime(12, 0), Qt::UTC));
    QCOMPARE(b.deletedAt, std::optional<QDateTime>(deletedAt));

    // An id that matches no row is no failure.
    QVERIFY(m_repo->update(makeAccount("ghost", "Ghost")));
    QVERIFY(!m_repo->findById("ghost").has_value());
}

void AccountRepositoryTest::softDeleteThenRestore()
{
    Account a = makeAccount("d1", "Savings");
    a.syncStatus = SyncStatus::Synced;
    QVERIFY(m_repo->insert(a));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);

    QVERIFY(m_repo->softDelete("d1"));
    const Account deleted = *m_repo->findById("d1");
    QVERIFY(deleted.deletedAt.has_value());
    QCOMPARE(deleted.syncStatus, SyncStatus::Pending);
    QVERIFY(deleted.updatedAt > kPast);
    QCOMPARE(*deleted.deletedAt, deleted.updatedAt);
    QVERIFY(m_repo->findAll().isEmpty());

    // Make the restore observable against an older stamp and a synced row.
    TestSupport::exec(QStringLiteral("UPDATE accounts SET updated_at = '2021-01-01T00:00:00Z', sync_status = 'synced' "
                                     "WHERE id = 'd1'"));
    QVERIFY(m_repo->restore("d1"));
    const Account restored = *m_repo->findById("d1");
    QVERIFY(!restored.deletedAt.has_value());
    QCOMPARE(restored.syncStatus, SyncStatus::Pending);
    QVERIFY(restored.updatedAt > QDateTime(QDate(2021, 1, 1), QTime(0, 0), Qt::UTC));
    QCOMPARE(names(m_repo->findAll()), QStringList{"Savings"});
    QVERIFY(m_repo->findDeleted().isEmpty());
    QCOMPARE(changed.count(), 2);
}

void AccountRepositoryTest::insertDuplicateFails()
{
    QVERIFY(m_repo->insert(makeAccount("dup", "First")));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^AccountRepository::insert failed: .*UNIQUE constraint")));
    QVERIFY(!m_repo->insert(makeAccount("dup", "Second")));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(m_repo->findById("dup")->name, QStringLiteral("First"));
}

void AccountRepositoryTest::updateSortOrdersSucceeds()
{
    QVERIFY(m_repo->insert(makeAccount("a", "A", 0)));
    QVERIFY(m_repo->insert(makeAccount("b", "B", 1)));
    TestSupport::exec(QStringLiteral("UPDATE accounts SET sync_status = 'synced'"));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);

    QVERIFY(m_repo->updateSortOrders({{"b", 0}, {"a", 1}, {"unknown", 5}}));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(names(m_repo->findAll()), QStringList({"B", "A"}));
    const Account a = *m_repo->findById("a");
    QVERIFY(a.updatedAt > kPast);
    QCOMPARE(a.syncStatus, SyncStatus::Synced); // a new order is not a change to push

    QVERIFY(m_repo->updateSortOrders({}));
    QCOMPARE(changed.count(), 2);
}

void AccountRepositoryTest::updateSortOrdersIsAtomic()
{
    QVERIFY(m_repo->insert(makeAccount("a", "A", 0)));
    QVERIFY(m_repo->insert(makeAccount("x", "X", 1)));
    QVERIFY(m_repo->insert(makeAccount("b", "B", 2)));
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse_x BEFORE UPDATE ON accounts WHEN NEW.id = 'x' "
                                     "BEGIN SELECT RAISE(ABORT, 'boom'); END"));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));

    QVERIFY(!m_repo->updateSortOrders({{"a", 10}, {"x", 11}, {"b", 12}}));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(sortOrderOf("a"), 0);
    QCOMPARE(sortOrderOf("x"), 1);
    QCOMPARE(sortOrderOf("b"), 2);
    QCOMPARE(m_repo->findById("a")->updatedAt, kPast);

    // The connection is usable again afterwards.
    TestSupport::exec(QStringLiteral("DROP TRIGGER refuse_x"));
    QVERIFY(m_repo->updateSortOrders({{"a", 10}, {"x", 11}}));
    QCOMPARE(sortOrderOf("x"), 11);
}

void AccountRepositoryTest::updateSortOrdersInsideOpenTransaction()
{
    QVERIFY(m_repo->insert(makeAccount("a", "A", 0)));
    QSqlDatabase& db = m_db->db()->database();
    QVERIFY(db.transaction());
    QVERIFY(m_repo->insert(makeAccount("t", "Inside", 3)));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);

    QVERIFY(!m_repo->updateSortOrders({{"a", 7}, {"t", 8}}));
    QCOMPARE(changed.count(), 0);
    QCOMPARE(sortOrderOf("a"), 0);
    QCOMPARE(sortOrderOf("t"), 3); // the outer work is still there, uncommitted

    // Still the caller's transaction: rolling it back drops its row.
    QVERIFY(db.rollback());
    QVERIFY(!m_repo->findById("t").has_value());
    QVERIFY(m_repo->findById("a").has_value());
}

void AccountRepositoryTest::markAllPendingForResync()
{
    const struct { const char* id; const char* status; bool deleted; } rows[] = {
        {"s1", "synced", false}, {"s2", "conflict", false}, {"s3", "pending", false}, {"s4", "synced", true}};
    for (const auto& r : rows) {
        QVERIFY(m_repo->insert(makeAccount(r.id, r.id)));
        if (r.deleted)
            QVERIFY(m_repo->softDelete(r.id));
        TestSupport::exec(QStringLiteral("UPDATE accounts SET sync_status = '%1' WHERE id = '%2'")
                              .arg(QLatin1String(r.status), QLatin1String(r.id)));
    }
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QCOMPARE(m_repo->markAllPendingForResync(), 2);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(m_repo->findById("s4")->syncStatus, SyncStatus::Synced);
    QCOMPARE(m_repo->findById("s2")->syncStatus, SyncStatus::Pending);

    QCOMPARE(m_repo->markAllPendingForResync(), 0);
    QCOMPARE(changed.count(), 1);
}

void AccountRepositoryTest::markSyncedUnknownId()
{
    QVERIFY(m_repo->insert(makeAccount("m1", "M")));
    QSignalSpy changed(m_repo.get(), &AccountRepository::accountsChanged);
    QVERIFY(m_repo->markSynced("unknown", "srv-x"));
    QVERIFY(m_repo->markSynced("m1", "srv-1"));
    QCOMPARE(changed.count(), 0);
    const Account m = *m_repo->findById("m1");
    QCOMPARE(m.syncStatus, SyncStatus::Synced);
    QCOMPARE(m.serverId, QStringLiteral("srv-1"));
    QCOMPARE(m.updatedAt, kPast);
    QCOMPARE(m_repo->findPendingSync().size(), 0);
}

TALLYLEAF_CORE_TEST_MAIN(AccountRepositoryTest)
#include "tst_accountrepository.moc"
