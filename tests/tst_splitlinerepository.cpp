#include "coretestsupport.h"

#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"

using TestSupport::exec;
using TestSupport::scalar;

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

SplitLine line(const QString& id, const QString& category, qint64 amount, const QString& transaction = "t1")
{
    SplitLine l;
    l.id = id;
    l.transactionId = transaction;
    l.categoryId = category;
    l.amount = amount;
    l.memo = QStringLiteral("memo ") + id;
    l.createdAt = kCreated;
    l.updatedAt = kCreated.addSecs(1);
    return l;
}

QStringList describe(const QList<SplitLine>& lines)
{
    QStringList out;
    for (const SplitLine& l : lines)
        out << QStringLiteral("%1 %2 %3 %4").arg(l.id, l.transactionId, l.categoryId).arg(l.amount);
    return out;
}

} // namespace

class TestSplitLineRepository : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        m_db = std::make_unique<TestSupport::TempDatabase>();
        m_repo = std::make_unique<SplitLineRepository>(m_db->db());
        exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('a1', 'One', 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                            "('c1', 'Food', 'x', 'x'), ('c2', 'Fuel', 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                            "VALUES ('t1', 'a1', '2024-01-01', 'P', -300, 'x', 'x'), "
                            "('t2', 'a1', '2024-01-01', 'P', -50, 'x', 'x')"));
        QVERIFY(m_repo->insert(line(QStringLiteral("old-b"), QStringLiteral("c2"), -200)));
        QVERIFY(m_repo->insert(line(QStringLiteral("old-a"), QStringLiteral("c1"), -100)));
        QVERIFY(m_repo->insert(line(QStringLiteral("other"), QStringLiteral("c1"), -50, QStringLiteral("t2"))));
    }
    void cleanup()
    {
        m_repo.reset();
        m_db.reset();
    }

    void readDeleteAndReinsert()
    {
        const QList<SplitLine> lines = m_repo->findByTransaction(QStringLiteral("t1"));
        QCOMPARE(describe(lines), (QStringList{"old-b t1 c2 -200", "old-a t1 c1 -100"})); // written order
        QCOMPARE(lines.first().memo, QStringLiteral("memo old-b"));
        QCOMPARE(lines.first().updatedAt, kCreated.addSecs(1));
        QVERIFY(m_repo->findByTransaction(QStringLiteral("nope")).isEmpty());

        // Soft-deleting the transaction leaves its lines.
        QVERIFY(TransactionRepository(m_db->db()).softDelete(QStringLiteral("t1")));
        QCOMPARE(m_repo->findByTransaction(QStringLiteral("t1")).size(), 2);

        QVERIFY(m_repo->deleteByTransaction(QStringLiteral("t1")));
        QVERIFY(m_repo->findByTransaction(QStringLiteral("t1")).isEmpty());
        QCOMPARE(m_repo->findByTransaction(QStringLiteral("t2")).size(), 1);
        QVERIFY(m_repo->insert(line(QStringLiteral("old-a"), QStringLiteral("c1"), -300))); // the id is free again
    }

    void insertRefusesBadLines_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("transaction");
        QTest::newRow("no category") << "" << "t1";
        QTest::newRow("unknown category") << "zz" << "t1";
        QTest::newRow("unknown transaction") << "c1" << "zz";
    }
    void insertRefusesBadLines()
    {
        QFETCH(QString, category);
        QFETCH(QString, transaction);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SplitLineRepository::insert failed: .+")));
        QVERIFY(!m_repo->insert(line(QStringLiteral("new"), category, -1, transaction)));
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM split_lines")).toInt(), 3);
    }

    void replaceSwapsTheWholeSet()
    {
        // Lines go under the transaction named, whatever they carry.
        const QList<SplitLine> lines{line(QStringLiteral("old-a"), QStringLiteral("c2"), -120, QStringLiteral("t2")),
                                     line(QStringLiteral("n2"), QStringLiteral("c1"), -180, QString())};
        QVERIFY(m_repo->replaceForTransaction(QStringLiteral("t1"), lines));
        QCOMPARE(describe(m_repo->findByTransaction(QStringLiteral("t1"))),
                 (QStringList{"old-a t1 c2 -120", "n2 t1 c1 -180"}));
        QCOMPARE(m_repo->findByTransaction(QStringLiteral("t2")).size(), 1);
        QVERIFY(m_repo->replaceForTransaction(QStringLiteral("t1"), {}));
        QVERIFY(m_repo->findByTransaction(QStringLiteral("t1")).isEmpty());
    }

    void failedReplaceKeepsOldLines_data()
    {
        QTest::addColumn<bool>("outerTransaction");
        QTest::newRow("alone") << false;
        QTest::newRow("inside an import's transaction") << true;
    }
    void failedReplaceKeepsOldLines()
    {
        QFETCH(bool, outerTransaction);
        QSqlDatabase& db = m_db->db()->database();
        if (outerTransaction) {
            QVERIFY(db.transaction());
            QVERIFY(m_repo->insert(line(QStringLiteral("import"), QStringLiteral("c1"), -50, QStringLiteral("t2"))));
        }
        const QList<SplitLine> lines{line(QStringLiteral("n1"), QStringLiteral("c1"), -100),
                                     line(QStringLiteral("n2"), QString(), -200)};
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^SplitLineRepository::replaceForTransaction failed: .+")));
        QVERIFY(!m_repo->replaceForTransaction(QStringLiteral("t1"), lines));
        QCOMPARE(describe(m_repo->findByTransaction(QStringLiteral("t1"))),
                 (QStringList{"old-b t1 c2 -200", "old-a t1 c1 -100"}));
        if (outerTransaction) {
            // The caller's transaction is still open, its work intact, and
            // a replacement inside it goes with the caller's rollback.
            QCOMPARE(m_repo->findByTransaction(QStringLiteral("t2")).size(), 2);
            QVERIFY(m_repo->replaceForTransaction(QStringLiteral("t1"), {lines.first()}));
            QCOMPARE(m_repo->findByTransaction(QStringLiteral("t1")).size(), 1);
            QVERIFY(db.rollback());
            QCOMPARE(m_repo->findByTransaction(QStringLiteral("t1")).size(), 2);
            QCOMPARE(m_repo->findByTransaction(QStringLiteral("t2")).size(), 1);
        }
    }

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<SplitLineRepository> m_repo;
};

TALLYLEAF_CORE_TEST_MAIN(TestSplitLineRepository)
#include "tst_splitlinerepository.moc"
