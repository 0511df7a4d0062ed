#include "testsupport.h"

#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"

#include <QSqlQuery>

using TestSupport::exec;

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

QString describe(const Transaction& t)
{
    auto stamp = [](const QDateTime& d) { return d.toString(Qt::ISODateWithMs) + QString::number(d.timeSpec()); };
    return QStringList{t.id, t.accountId, t.date.toString(Qt::ISODate), t.payee, t.memo, QString::number(t.amount),
                       t.categoryId, t.checkNumber, QString::number(t.cleared), QString::number(t.reconciled),
                       t.transferLinkId, t.transferDestAccountId, QString::number(t.isSplit), t.recurringId,
                       QString::number(t.version), syncStatusToString(t.syncStatus), t.serverId, stamp(t.createdAt),
                       stamp(t.updatedAt), t.deletedAt ? stamp(*t.deletedAt) : QStringLiteral("live")}
        .join(QLatin1Char('|'));
}

template <typename Row>
QStringList ids(const QList<Row>& rows)
{
    QStringList out;
    for (const Row& r : rows)
        out << r.id;
    return out;
}

} // namespace

class TestTransactionSearch : public QObject
{
    Q_OBJECT

private:
    void add(const QString& id, const QString& account, const QDate& date, qint64 amount,
             const QString& payee = QStringLiteral("Payee"), const QString& memo = QString(),
             const QString& category = QString(), bool cleared = false)
    {
        Transaction t;
        t.id = id;
        t.accountId = account;
        t.date = date;
        t.payee = payee;
        t.memo = memo;
        t.amount = amount;
        t.categoryId = category;
        t.cleared = cleared;
        t.createdAt = t.updatedAt = kCreated;
        QVERIFY(m_repo->insert(t));
    }

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        m_db = std::make_unique<TestSupport::TempDatabase>();
        m_repo = std::make_unique<TransactionRepository>(m_db->db());
        exec(QStringLiteral("INSERT INTO accounts (id, name, starting_balance, created_at, updated_at) VALUES "
                            "('a1', 'One', 10000, 'x', 'x'), ('a2', 'Two', 0, 'x', 'x'), ('a3', 'Three', 500, 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                            "('food', 'Food', NULL, 'x', 'x'), ('groc', 'Groceries', 'food', 'x', 'x'), "
                            "('prod', 'Produce', 'groc', 'x', 'x')"));
    }
    void cleanup()
    {
        m_repo.reset();
        m_db.reset();
    }

    void runningBalance_data()
    {
        QTest::addColumn<qint64>("start");
        QTest::addColumn<QStringList>("payees");
        QTest::addColumn<QList<qint64>>("balances");
        QTest::newRow("opening row") << qint64(10000) << QStringList{"Opening Balance", "plus", "minus"}
                                     << QList<qint64>{10000, 11000, 8500};
        QTest::newRow("zero start") << qint64(0) << QStringList{"plus", "minus"} << QList<qint64>{1000, -1500};
    }
    void runningBalance()
    {
        QFETCH(qint64, start);
        QFETCH(QStringList, payees);
        QFETCH(QList<qint64>, balances);
        exec(QStringLiteral("UPDATE accounts SET starting_balance = %1 WHERE id = 'a1'").arg(start));
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 3, 5), -2500, QStringLiteral("minus"));
        add(QStringLiteral("t2"), QStringLiteral("a1"), QDate(2024, 3, 1), 1000, QStringLiteral("plus"));
        add(QStringLiteral("gone"), QStringLiteral("a1"), QDate(2024, 2, 1), -999, QStringLiteral("gone"));
        QVERIFY(m_repo->softDelete(QStringLiteral("gone")));

        const QList<RegisterRow> rows = m_repo->findRegisterRows(QStringLiteral("a1"));
        QStringList gotPayees;
        QList<qint64> gotBalances;
        for (const RegisterRow& r : rows) {
            gotPayees << r.payee;
            gotBalances << r.runningBalance;
        }
        QCOMPARE(gotPayees, payees);
        QCOMPARE(gotBalances, balances);
        if (start != 0) {
            const RegisterRow& opening = rows.first();
            QCOMPARE(opening.date, QDate(2024, 3, 1)); // earliest live date, not the deleted row's
            QCOMPARE(opening.amount, start);
            QVERIFY(opening.cleared && opening.reconciled && !opening.isSplit);
            QVERIFY(opening.id.isEmpty() && opening.accountId.isEmpty() && opening.categoryName.isEmpty());
            QCOMPARE(opening.version, 1);
            QVERIFY(!opening.createdAt.isValid());
        }
    }

    void openingRowAlone()
    {
        add(QStringLiteral("gone"), QStringLiteral("a3"), QDate(2020, 1, 1), -5);
        QVERIFY(m_repo->softDelete(QStringLiteral("gone")));
        const QList<RegisterRow> rows = m_repo->findRegisterRows(QStringLiteral("a3"));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows.first().date, QDate::currentDate());
        QCOMPARE(rows.first().runningBalance, 500);
        QVERIFY(m_repo->findRegisterRows(QStringLiteral("nope")).isEmpty());
    }

    // The register reads its rows with its own quick reader; it must agree
    // with the record reader on odd stored texts too.
    void registerRowsReadLikeRecords()
    {
        add(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 2, 29), -1, QStringLiteral("Café"),
            QStringLiteral("m"), QStringLiteral("groc"), true);
        add(QStringLiteral("t2"), QStringLiteral("a2"), QDate(2024, 2, 29), 2);
        add(QStringLiteral("t3"), QStringLiteral("a2"), QDate(2024, 3, 1), 3);
        add(QStringLiteral("t4"), QStringLiteral("a2"), QDate(2024, 3, 2), 4);
        exec(QStringLiteral("UPDATE transactions SET created_at = '2024-01-01 10:00:00', updated_at = '' WHERE id = 't2'"));
        exec(QStringLiteral("UPDATE transactions SET created_at = '2024-02-30T10:00:00Z', updated_at = "
                            "'2024-01-01T10:00:00+02:00', sync_status = 'Synced', version = 4 WHERE id = 't3'"));
        exec(QStringLiteral("UPDATE transactions SET date = '2024-3-2', updated_at = '2024-01-01T24:00:00Z', "
                            "server_id = 'srv', transfer_link_id = 'x', recurring_id = 'r' WHERE id = 't4'"));
        const QList<RegisterRow> rows = m_repo->findRegisterRows(QStringLiteral("a2"));
        QCOMPARE(rows.size(), 4);
        for (const RegisterRow& row : rows)
            QCOMPARE(describe(row), describe(m_repo->findById(row.id).value()));
        QCOMPARE(rows.at(1).id, QStringLiteral("t1"));
        QCOMPARE(rows.at(1).createdAt.timeSpec(), Qt::UTC);
    }

    void categoryText_data()
    {
        QTest::addColumn<QString>("category");
        QTest::addColumn<QString>("text");
        QTest::newRow("top level") << "food" << "Food";
        QTest::newRow("subcategory") << "groc" << "Food > Groceries";
        QTest::newRow("one parent level only") << "prod" << "Groceries > Produce";
        QTest::newRow("missing parent") << "orphan" << " > Orphan";
        QTest::newRow("soft-deleted category") << "old" << "Old";
        QTest::newRow("none") << "" << "";
    }
    void categoryText()
    {
        QFETCH(QString, category);
        QFETCH(QString, text);
        exec(QStringLiteral("PRAGMA foreign_keys=OFF"));
        exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, deleted_at, created_at, updated_at) VALUES "
                            "('orphan', 'Orphan', 'missing', NULL, 'x', 'x'), ('old', 'Old', NULL, 'y', 'x', 'x')"));
        exec(QStringLiteral("PRAGMA foreign_keys=ON"));
        add(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 1, 1), -1, QStringLiteral("Payee"), QString(),
            category);
        QCOMPARE(m_repo->findRegisterRows(QStringLiteral("a2")).value(0).categoryName, text);
        const QList<RegisterRow> found = m_repo->search(QStringLiteral("payee"), {});
        QCOMPARE(found.value(0).categoryName, text);
        QCOMPARE(found.value(0).runningBalance, 0);
    }

    void ftsExpression_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expression");
        QTest::newRow("two words") << "Coffee shop" << R"("Coffee"* "shop"*)";
        QTest::newRow("ampersand") << "AT&T" << R"("AT"* "T"*)";
        QTest::newRow("accented") << "Café" << R"("Café"*)";
        QTest::newRow("check number") << "#1042" << R"("1042"*)";
        QTest::newRow("operators stay words") << "Barnes AND Noble" << R"("Barnes"* "AND"* "Noble"*)";
        QTest::newRow("quotes dropped") << R"(say "hi")" << R"("say"* "hi"*)";
        QTest::newRow("spaces and dashes") << " - -- " << "";
        QTest::newRow("supplementary letter") << QString::fromUtf8("a\xF0\x90\x90\x80" "b")
                                              << QString::fromUtf8("\"a\xF0\x90\x90\x80" "b\"*");
        QTest::newRow("emoji separates") << QString::fromUtf8("dog\xF0\x9F\x98\x80" "food") << R"("dog"* "food"*)";
        QTest::newRow("broken surrogate") << QStringLiteral("ab") + QChar(0xD800) + QStringLiteral("cd")
                                          << R"("ab"* "cd"*)";
        QTest::newRow("other digits") << QString::fromUtf8("\xD9\xA1\xD9\xA2") << QString::fromUtf8("\"\xD9\xA1\xD9\xA2\"*");
    }
    void ftsExpression()
    {
        QFETCH(QString, text);
        QFETCH(QString, expression);
        QCOMPARE(buildFtsMatchExpression(text), expression);
    }

    void searchWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("prefix") << "gro" << QStringList{"t3"};
        QTest::newRow("all words, any column and case") << "COFFEE shop" << QStringList{"t5", "t4"};
        QTest::newRow("check number") << "1042" << QStringList{"t6"};
        QTest::newRow("AND as a word") << "Barnes AND Noble" << QStringList{"t1"};
        QTest::newRow("OR as a word") << "OR" << QStringList{"t7"};
        QTest::newRow("NOT as a word") << "not" << QStringList{"t7"};
        QTest::newRow("ampersand") << "AT&T" << QStringList{"t2"};
        QTest::newRow("no words: filter only") << "  " << QStringList{"t7", "t6", "t5", "t4", "t3", "t2", "t1"};
        QTest::newRow("no hit") << "zzz" << QStringList{};
    }
    void searchWords()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        const char* rows[][3] = {{"Barnes and Noble", "books", ""}, {"AT&T", "phone bill", ""},
                                 {"Groceries R Us", "weekly", ""}, {"Coffee Shop", "", ""},
                                 {"Shop", "coffee beans", ""}, {"Corner Store", "", "1042"},
                                 {"OR NOT Inc", "", ""}, {"Groceries gone", "", ""}};
        for (int i = 0; i < 8; ++i) {
            Transaction t;
            t.id = QStringLiteral("t%1").arg(i + 1);
            t.accountId = QStringLiteral("a2");
            t.date = QDate(2024, 1, 1 + i);
            t.payee = QLatin1String(rows[i][0]);
            t.memo = QLatin1String(rows[i][1]);
            t.checkNumber = QLatin1String(rows[i][2]);
            t.createdAt = t.updatedAt = kCreated;
            QVERIFY(m_repo->insert(t));
        }
        QVERIFY(m_repo->softDelete(QStringLiteral("t8")));
        QCOMPARE(ids(m_repo->search(text, {})), expected);
    }

    void searchFilters_data()
    {
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("cleared"); // -1 either
        QTest::addColumn<QStringList>("expected");
        const QDate none;
        QTest::newRow("account") << "a1" << "" << none << none << -1 << QStringList{"t4", "t2"};
        QTest::newRow("own category only") << "" << "food" << none << none << -1 << QStringList{"t1"};
        QTest::newRow("from, inclusive") << "" << "" << QDate(2024, 1, 3) << none << -1 << QStringList{"t4", "t3"};
        QTest::newRow("to only, no lower bound") << "" << "" << none << QDate(2024, 1, 2) << -1
                                                 << QStringList{"t2", "t1"};
        QTest::newRow("uncleared") << "" << "" << none << none << 0 << QStringList{"t3", "t2"};
        QTest::newRow("cleared") << "" << "" << none << none << 1 << QStringList{"t4", "t1"};
        QTest::newRow("all together") << "a1" << "" << QDate(2024, 1, 2) << QDate(2024, 1, 4) << 1
                                      << QStringList{"t4"};
    }
    void searchFilters()
    {
        QFETCH(QString, account);
        QFETCH(QString, category);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, cleared);
        QFETCH(QStringList, expected);
        add(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 1, 1), 1, QStringLiteral("P"), {},
            QStringLiteral("food"), true);
        add(QStringLiteral("t2"), QStringLiteral("a1"), QDate(2024, 1, 2), 1, QStringLiteral("P"), {},
            QStringLiteral("groc"));
        add(QStringLiteral("t3"), QStringLiteral("a2"), QDate(2024, 1, 3), 1);
        add(QStringLiteral("t4"), QStringLiteral("a1"), QDate(2024, 1, 4), 1, QStringLiteral("P"), {}, {}, true);
        TransactionSearchFilter filter;
        filter.accountId = account;
        filter.categoryId = category;
        filter.dateFrom = from;
        filter.dateTo = to;
        if (cleared >= 0)
            filter.cleared = cleared == 1;
        QCOMPARE(ids(m_repo->search(QString(), filter)), expected);
    }

    // The search picks among several statements by estimated cost; each
    // must give exactly the rows of the plain statement.
    void searchPlansAgree_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("category");
        QTest::addColumn<int>("cleared");
        QTest::newRow("common word") << "common" << "" << "" << -1;
        QTest::newRow("rare word") << "rare" << "" << "" << -1;
        QTest::newRow("large account") << "" << "a1" << "" << -1;
        QTest::newRow("small account") << "" << "a2" << "" << -1;
        QTest::newRow("common word, small account") << "common" << "a2" << "" << -1;
        QTest::newRow("rare word, large account") << "rare" << "a1" << "" << 1;
        QTest::newRow("large category") << "" << "" << "food" << -1;
        QTest::newRow("small category") << "" << "" << "groc" << -1;
        QTest::newRow("common word, small category") << "common" << "" << "groc" << 0;
        QTest::newRow("everything") << "comm" << "a1" << "food" << 0;
    }
    void searchPlansAgree()
    {
        QFETCH(QString, text);
        QFETCH(QString, account);
        QFETCH(QString, category);
        QFETCH(int, cleared);
        QVERIFY(m_db->db()->database().transaction());
        for (int i = 0; i < 600; ++i) {
            Transaction t;
            t.id = QStringLiteral("t%1").arg(i, 3, 10, QLatin1Char('0'));
            t.accountId = i % 60 == 7 ? QStringLiteral("a2") : QStringLiteral("a1");
            t.date = QDate(2024, 1, 1).addDays(i % 97);
            t.payee = QStringLiteral("Common payee");
            t.memo = i % 150 == 3 ? QStringLiteral("rare") : QString();
            t.categoryId = i % 100 == 5 ? QStringLiteral("groc") : i % 2 ? QStringLiteral("food") : QString();
            t.cleared = i % 3 == 0;
            t.createdAt = t.updatedAt = kCreated.addSecs(i % 5);
            QVERIFY(m_repo->insert(t));
        }
        QVERIFY(m_db->db()->database().commit());

        TransactionSearchFilter filter;
        filter.accountId = account;
        filter.categoryId = category;
        if (cleared >= 0)
            filter.cleared = cleared == 1;
        QString sql = QStringLiteral("SELECT t.id FROM transactions t ");
        sql += text.isEmpty() ? QStringLiteral("WHERE t.deleted_at IS NULL")
                              : QStringLiteral("JOIN transactions_fts fts ON fts.rowid = t.rowid WHERE "
                                               "t.deleted_at IS NULL AND transactions_fts MATCH '\"%1\"*'")
                                    .arg(text);
        if (!account.isEmpty())
            sql += QStringLiteral(" AND t.account_id = '%1'").arg(account);
        if (!category.isEmpty())
            sql += QStringLiteral(" AND t.category_id = '%1'").arg(category);
        if (cleared >= 0)
            sql += QStringLiteral(" AND t.cleared = %1").arg(cleared);
        sql += QStringLiteral(" ORDER BY t.date DESC, t.created_at DESC, t.rowid DESC LIMIT 200");
        QSqlQuery q(m_db->db()->database());
        QVERIFY(q.exec(sql));
        QStringList expected;
        while (q.next())
            expected << q.value(0).toString();
        QVERIFY(!expected.isEmpty());
        QCOMPARE(ids(m_repo->search(text, filter)), expected);
    }

    void searchLimitAndTies()
    {
        QVERIFY(m_db->db()->database().transaction());
        for (int i = 0; i < 250; ++i)
            add(QStringLiteral("t%1").arg(i, 3, 10, QLatin1Char('0')), QStringLiteral("a2"), QDate(2024, 1, 1), 1);
        QVERIFY(m_db->db()->database().commit());
        const QList<RegisterRow> found = m_repo->search(QStringLiteral("  "), {});
        QCOMPARE(found.size(), 200);
        QCOMPARE(found.first().id, QStringLiteral("t249")); // last inserted first
        QCOMPARE(found.last().id, QStringLiteral("t050"));
        QCOMPARE(m_repo->findRegisterRows(QStringLiteral("a2")).first().id, QStringLiteral("t000"));
    }

    void indexFollowsChanges()
    {
        add(QStringLiteral("t1"), QStringLiteral("a2"), QDate(2024, 1, 1), 1, QStringLiteral("Old Name"));
        Transaction t = m_repo->findById(QStringLiteral("t1")).value();
        t.payee = QStringLiteral("New Name");
        QVERIFY(m_repo->update(t));
        QVERIFY(m_repo->search(QStringLiteral("old"), {}).isEmpty());
        QCOMPARE(ids(m_repo->search(QStringLiteral("new"), {})), QStringList{"t1"});
        QVERIFY(m_repo->softDelete(QStringLiteral("t1")));
        QVERIFY(m_repo->search(QStringLiteral("new"), {}).isEmpty());
    }

    void payees()
    {
        int n = 0;
        for (const char* payee : {"amazon", "Zeta", "Amazon", "", "beta", "Amazon", "Ghost"}) {
            ++n;
            add(QStringLiteral("t%1").arg(n), n % 2 ? QStringLiteral("a1") : QStringLiteral("a2"), QDate(2024, 1, 1),
                1, QLatin1String(payee));
        }
        QVERIFY(m_repo->softDelete(QStringLiteral("t7")));
        const QStringList expected{"Amazon", "Zeta", "amazon", "beta"};
        QCOMPARE(m_repo->distinctPayees(), expected);
        QCOMPARE(m_repo->payeesForAccount(QStringLiteral("a1")), expected);
        QCOMPARE(m_repo->payeesForAccount(QStringLiteral("a3")), expected);
    }

    void lastByPayee_data()
    {
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("expected");
        QTest::newRow("newest live of the account") << "Amazon" << "a1" << "t2";
        QTest::newRow("exact letter case") << "amazon" << "a1" << "";
        QTest::newRow("other account") << "Amazon" << "a3" << "";
        QTest::newRow("tie on date and second") << "Tie" << "a1" << "t6";
    }
    void lastByPayee()
    {
        QFETCH(QString, payee);
        QFETCH(QString, account);
        QFETCH(QString, expected);
        const QString amazon = QStringLiteral("Amazon");
        add(QStringLiteral("t1"), QStringLiteral("a1"), QDate(2024, 1, 1), 1, amazon);
        add(QStringLiteral("t2"), QStringLiteral("a1"), QDate(2024, 2, 1), 2, amazon);
        add(QStringLiteral("t3"), QStringLiteral("a2"), QDate(2024, 3, 1), 3, amazon);
        add(QStringLiteral("t4"), QStringLiteral("a1"), QDate(2024, 4, 1), 4, amazon);
        QVERIFY(m_repo->softDelete(QStringLiteral("t4")));
        add(QStringLiteral("t5"), QStringLiteral("a1"), QDate(2024, 1, 1), 5, QStringLiteral("Tie"));
        add(QStringLiteral("t6"), QStringLiteral("a1"), QDate(2024, 1, 1), 6, QStringLiteral("Tie"));
        const std::optional<Transaction> found = m_repo->findLastByPayee(payee, account);
        QCOMPARE(found ? found->id : QString(), expected);
    }

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_repo;
};

TALLYLEAF_TEST_MAIN(TestTransactionSearch)
#include "tst_transactionsearch.moc"
