#include "coretestsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"

#include <QSignalSpy>
#include <QSqlQuery>

using TestSupport::exec;
using TestSupport::scalar;

Q_DECLARE_METATYPE(CsvColumnMapping)

namespace {

CsvColumnMapping columns(int date, int payee, int amount, int memo = -1, int category = -1, bool header = false,
                         const QString& format = QString())
{
    CsvColumnMapping m;
    m.dateColumn = date;
    m.payeeColumn = payee;
    m.amountColumn = amount;
    m.memoColumn = memo;
    m.categoryColumn = category;
    m.hasHeader = header;
    m.dateFormat = format;
    return m;
}

QString counts(const ImportResult& r)
{
    return QStringLiteral("imported %1, duplicates %2, unparseable %3, database %4, other %5%6%7")
        .arg(r.imported)
        .arg(r.duplicatesSkipped)
        .arg(r.unparseableSkipped)
        .arg(r.databaseErrorSkipped)
        .arg(r.metadataSkipped + r.unmappedSkipped + r.transfersLinked + r.retroactiveLinks)
        .arg(r.failed ? QStringLiteral(", failed") : QString())
        .arg(r.uncategorizedSharedName ? QStringLiteral(", shared %1").arg(r.uncategorizedSharedName) : QString());
}

// "date|amount|payee|memo|category" of the account's rows, in date order.
QStringList storedRows(const QString& accountId)
{
    QSqlQuery q(QSqlDatabase::database());
    q.prepare(QStringLiteral("SELECT t.date, t.amount, t.payee, t.memo, COALESCE(c.name, '') FROM transactions t "
                             "LEFT JOIN categories c ON c.id = t.category_id WHERE t.account_id = ? "
                             "ORDER BY t.date, t.amount, t.payee"));
    q.addBindValue(accountId);
    q.exec();
    QStringList out;
    while (q.next()) {
        out << QStringLiteral("%1|%2|%3|%4|%5")
                   .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString());
    }
    return out;
}

Transaction typedRow(const QString& id, const QString& account, const QDate& date, const QString& payee,
                     qint64 amount = 0)
{
    Transaction t;
    t.id = id;
    t.accountId = account;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    return t;
}

} // namespace

class TestCsvImport : public QObject
{
    Q_OBJECT

private:
    QString writeFile(const QByteArray& content)
    {
        const QString path = m_files.filePath(QStringLiteral("import%1.csv").arg(++m_fileCount));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    ImportResult import(const QByteArray& content, const CsvColumnMapping& mapping,
                        const QString& account = QStringLiteral("a1"))
    {
        return m_service->importCsv(writeFile(content), account, mapping);
    }

    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<ImportService> m_service;
    QTemporaryDir m_files;
    int m_fileCount = 0;

private slots:
    void init()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
        m_db = std::make_unique<TestSupport::TempDatabase>();
        m_transactions = std::make_unique<TransactionRepository>(m_db->db());
        m_categories = std::make_unique<CategoryRepository>(m_db->db());
        m_splitLines = std::make_unique<SplitLineRepository>(m_db->db());
        m_service = std::make_unique<ImportService>(m_db->db(), m_transactions.get(), m_categories.get(),
                                                    m_splitLines.get());
        exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                            "('a1', 'One', 'x', 'x'), ('a2', 'Two', 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c1', 'Groceries', 'x', 'x')"));
    }
    void cleanup()
    {
        m_service.reset();
        m_splitLines.reset();
        m_categories.reset();
        m_transactions.reset();
        m_db.reset();
    }

    void duplicateKey_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<qint64>("amount");
        QTest::addColumn<QString>("payee");
        QTest::addColumn<QString>("expected");
        QTest::newRow("payment") << QDate(2024, 3, 1) << qint64(-1250) << "Coffee Shop"
                                 << "2024-03-01|-1250|Coffee Shop";
        QTest::newRow("deposit, blanks kept") << QDate(1999, 12, 31) << qint64(5) << " pay " << "1999-12-31|5| pay ";
        QTest::newRow("invalid date") << QDate() << qint64(0) << "" << "|0|";
    }
    void duplicateKey()
    {
        QFETCH(QDate, date);
        QFETCH(qint64, amount);
        QFETCH(QString, payee);
        QFETCH(QString, expected);
        QCOMPARE(ImportService::duplicateKey(date, amount, payee), expected);
    }

    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("iso") << "2024-03-01" << QDate(2024, 3, 1);
        QTest::newRow("compact") << "20240301" << QDate(2024, 3, 1);
        QTest::newRow("month first wins") << "03/04/2024" << QDate(2024, 3, 4);
        QTest::newRow("day first when month cannot be") << "13/04/2024" << QDate(2024, 4, 13);
        QTest::newRow("short parts") << "3/4/2024" << QDate(2024, 3, 4);
        QTest::newRow("two-digit 24") << "3/4/24" << QDate(2024, 3, 4);
        QTest::newRow("two-digit 69") << "01/01/69" << QDate(2069, 1, 1);
        QTest::newRow("two-digit 70") << "1/1/70" << QDate(1970, 1, 1);
        QTest::newRow("two-digit 99") << "12/31/99" << QDate(1999, 12, 31);
        QTest::newRow("leap day of 2000") << "2/29/00" << QDate(2000, 2, 29);
        QTest::newRow("no leap day in 2001") << "2/29/01" << QDate();
        QTest::newRow("slashes year first") << "2024/03/01" << QDate(2024, 3, 1);
        QTest::newRow("month name") << "March 4, 2024" << QDate(2024, 3, 4);
        QTest::newRow("short month name") << "Mar 4, 2024" << QDate(2024, 3, 4);
        QTest::newRow("no such day") << "2024-02-30" << QDate();
        QTest::newRow("negative year") << "-2012-08-30" << QDate();
        QTest::newRow("negative year, compact") << "-20120830" << QDate();
        QTest::newRow("negative year, month first") << "08/30/-2012" << QDate();
        QTest::newRow("negative year, month name") << "Aug 30, -2012" << QDate();
        QTest::newRow("year 0") << "0000-01-01" << QDate();
        QTest::newRow("year 1") << "0001-01-01" << QDate(1, 1, 1);
        QTest::newRow("year 9999") << "12/31/9999" << QDate(9999, 12, 31);
        QTest::newRow("empty") << "" << QDate();
        QTest::newRow("words") << "yesterday" << QDate();
    }
    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, expected);
        QCOMPARE(ImportService::parseDate(text), expected);
    }

    void mapping_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<CsvColumnMapping>("mapping");
        QTest::addColumn<QString>("expectedCounts");
        QTest::addColumn<QStringList>("expectedRows");

        const CsvColumnMapping basic = columns(0, 1, 2, 3, -1, true);
        QTest::newRow("header and one row")
            << QByteArray("Date,Payee,Amount,Memo\r\n2024-03-01,Coffee Shop,-12.50,latte\r\n") << basic
            << "imported 1, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2024-03-01|-1250|Coffee Shop|latte|"};
        QTest::newRow("header only") << QByteArray("Date,Payee,Amount\n") << basic
                                     << "imported 0, duplicates 0, unparseable 0, database 0, other 0"
                                     << QStringList{};
        QTest::newRow("no header: first row is data")
            << QByteArray("2024-03-01,A,1\n") << columns(0, 1, 2)
            << "imported 1, duplicates 0, unparseable 0, database 0, other 0" << QStringList{"2024-03-01|100|A||"};
        QTest::newRow("short rows") << QByteArray("2024-03-01,A\n2024-03-02,B,2\n2024-03-03\n") << columns(0, 1, 2, 5, 6)
                                    << "imported 1, duplicates 0, unparseable 2, database 0, other 0"
                                    << QStringList{"2024-03-02|200|B||"};
        QTest::newRow("columns in another order")
            << QByteArray("x,-3.99,Shop,3/4/24\n") << columns(3, 2, 1, 0)
            << "imported 1, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2024-03-04|-399|Shop|x|"};
        QTest::newRow("amount texts")
            << QByteArray("2024-03-01,Zero,0\n2024-03-01,Dollars,\"$1,234.56\"\n2024-03-01,NA,n/a\n"
                          "2024-03-01,Euro,\xE2\x82\xAC" "5.00\n2024-03-01,Empty,\n2024-03-01,Round,-0.005\n")
            << columns(0, 1, 2) << "imported 4, duplicates 0, unparseable 2, database 0, other 0"
            << QStringList{"2024-03-01|-1|Round||", "2024-03-01|0|Zero||", "2024-03-01|500|Euro||",
                           "2024-03-01|123456|Dollars||"};
        QTest::newRow("decimal comma amounts")
            << QByteArray("2024-03-01,A,\"12,50\"\n2024-03-01,B,\"-1.234,56\"\n2024-03-01,C,\"1,234\"\n"
                          "2024-03-01,D,\"1 234,5\"\n2024-03-01,E,\"0,125\"\n")
            << columns(0, 1, 2) << "imported 5, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2024-03-01|-123456|B||", "2024-03-01|13|E||", "2024-03-01|1250|A||",
                           "2024-03-01|123400|C||", "2024-03-01|123450|D||"};
        QTest::newRow("unusable dates") << QByteArray("2024-02-30,A,1\nsoon,B,1\n,C,1\n") << columns(0, 1, 2)
                                        << "imported 0, duplicates 0, unparseable 3, database 0, other 0"
                                        << QStringList{};
        QTest::newRow("years outside 1 to 9999")
            << QByteArray("-2012-08-30,A,1\n08/30/-2012,B,1\n0000-01-01,C,1\n0001-01-01,D,1\n") << columns(0, 1, 2)
            << "imported 1, duplicates 0, unparseable 3, database 0, other 0" << QStringList{"0001-01-01|100|D||"};
        QTest::newRow("years outside 1 to 9999, format")
            << QByteArray("30.08.-2012,A,1\n30.08.2012,B,1\n") << columns(0, 1, 2, -1, -1, false, "dd.MM.yyyy")
            << "imported 1, duplicates 0, unparseable 1, database 0, other 0" << QStringList{"2012-08-30|100|B||"};
        QTest::newRow("one date order per file")
            << QByteArray("25/12/2017,A,1\n02/01/2018,B,1\n03/01/2018,C,1\n") << columns(0, 1, 2)
            << "imported 3, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2017-12-25|100|A||", "2018-01-02|100|B||", "2018-01-03|100|C||"};
        QTest::newRow("dates with a time")
            << QByteArray("2020-01-23 08:26:29,A,1\n2020-01-24T10:00:00Z,B,1\n1/25/2020 8:26 PM,C,1\n")
            << columns(0, 1, 2) << "imported 3, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2020-01-23|100|A||", "2020-01-24|100|B||", "2020-01-25|100|C||"};
        QTest::newRow("format and a time") << QByteArray("23.01.2020 08:26,A,1\n") << columns(0, 1, 2, -1, -1, false, "dd.MM.yyyy")
                                           << "imported 1, duplicates 0, unparseable 0, database 0, other 0"
                                           << QStringList{"2020-01-23|100|A||"};
        QTest::newRow("format that does not fit falls back")
            << QByteArray("2024-03-01,A,1\n") << columns(0, 1, 2, -1, -1, false, "dd.MM.yyyy")
            << "imported 1, duplicates 0, unparseable 0, database 0, other 0" << QStringList{"2024-03-01|100|A||"};
        QTest::newRow("format wins over month first")
            << QByteArray("03/04/2024,A,1\n") << columns(0, 1, 2, -1, -1, false, "dd/MM/yyyy")
            << "imported 1, duplicates 0, unparseable 0, database 0, other 0" << QStringList{"2024-04-03|100|A||"};
        QTest::newRow("format keeps its day/month order")
            << QByteArray("01/02/2020,A,1\n1/3/2020,B,1\n01/13/2020,C,1\n2020-03-04,D,1\n")
            << columns(0, 1, 2, -1, -1, false, "dd/MM/yyyy")
            << "imported 3, duplicates 0, unparseable 1, database 0, other 0"
            << QStringList{"2020-02-01|100|A||", "2020-03-01|100|B||", "2020-03-04|100|D||"};
        QTest::newRow("a day-first file skips a month-first date")
            << QByteArray("25/12/2017,A,1\n01/13/2018,B,1\n") << columns(0, 1, 2)
            << "imported 1, duplicates 0, unparseable 1, database 0, other 0" << QStringList{"2017-12-25|100|A||"};
        QTest::newRow("format with two-digit year")
            << QByteArray("29.02.00,A,1\n05.03.71,B,1\n") << columns(0, 1, 2, -1, -1, false, "dd.MM.yy")
            << "imported 2, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"1971-03-05|100|B||", "2000-02-29|100|A||"};
        QTest::newRow("quoted fields")
            << QByteArray("2024-03-01,\"Smith, J\",\"-1.00\",\"two\nlines\"\n") << columns(0, 1, 2, 3)
            << "imported 1, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2024-03-01|-100|Smith, J|two\nlines|"};
        QTest::newRow("same row twice: two rows")
            << QByteArray("2024-03-01,Coffee,-5.00\n2024-03-01,Coffee ,-5\n") << columns(0, 1, 2)
            << "imported 2, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{"2024-03-01|-500|Coffee||", "2024-03-01|-500|Coffee||"};
        QTest::newRow("negative required column")
            << QByteArray("2024-03-01,A,1\n") << columns(-1, 1, 2)
            << "imported 0, duplicates 0, unparseable 1, database 0, other 0" << QStringList{};
        QTest::newRow("empty file") << QByteArray() << basic
                                    << "imported 0, duplicates 0, unparseable 0, database 0, other 0"
                                    << QStringList{};
        QTest::newRow("windows-1252") << QByteArray("2024-03-01,Caf\xE9 \x80,1\n") << columns(0, 1, 2)
                                      << "imported 1, duplicates 0, unparseable 0, database 0, other 0"
                                      << QStringList{QStringLiteral("2024-03-01|100|Caf\u00E9 \u20AC||")};
        QTest::newRow("utf-16 be")
            << QByteArray::fromHex("feff" "0032003000320034002d00300033002d00300031" "002c" "00e9" "002c" "0031")
            << columns(0, 1, 2) << "imported 1, duplicates 0, unparseable 0, database 0, other 0"
            << QStringList{QStringLiteral("2024-03-01|100|\u00E9||")};
    }
    void mapping()
    {
        QFETCH(QByteArray, content);
        QFETCH(CsvColumnMapping, mapping);
        QFETCH(QString, expectedCounts);
        QFETCH(QStringList, expectedRows);
        QCOMPARE(counts(import(content, mapping)), expectedCounts);
        QCOMPARE(storedRows(QStringLiteral("a1")), expectedRows);
    }

    void existingRowsAreDuplicatesInTheirAccountOnly()
    {
        QVERIFY(m_transactions->insert(typedRow("t1", "a1", QDate(2024, 3, 1), "Coffee Shop", -1250)));
        QVERIFY(m_transactions->insert(typedRow("t2", "a1", QDate(2024, 3, 2), "Coffee Shop", -1250)));
        QVERIFY(m_transactions->softDelete(QStringLiteral("t2")));

        // The stored row stands for one of the file's two; the same file
        // again brings nothing.
        const QByteArray file("03/01/2024,Coffee Shop,-12.50\n03/01/2024,Coffee Shop,-12.50\n"
                              "03/02/2024,Coffee Shop,-12.50\n");
        QCOMPARE(counts(import(file, columns(0, 1, 2))),
                 QStringLiteral("imported 2, duplicates 1, unparseable 0, database 0, other 0"));
        QCOMPARE(counts(import(file, columns(0, 1, 2))),
                 QStringLiteral("imported 0, duplicates 3, unparseable 0, database 0, other 0"));
        QCOMPARE(counts(import(file, columns(0, 1, 2), QStringLiteral("a2"))),
                 QStringLiteral("imported 3, duplicates 0, unparseable 0, database 0, other 0"));
    }

    // Category texts read as the register reads them, but for letter case
    // (food is not Food): a label names its category, a shared name none.
    void newCategories()
    {
        exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                            "('h', 'Housing', NULL, 'x', 'x'), ('hm', 'Maintenance', 'h', 'x', 'x'), "
                            "('t', 'Transportation', NULL, 'x', 'x'), ('tm', 'Maintenance', 't', 'x', 'x'), "
                            "('u', 'Utilities', NULL, 'x', 'x'), ('ug', 'Gas', 'u', 'x', 'x')"));
        // Without an Auto, "Auto > Gas" is made, not read as Utilities' Gas.
        const QByteArray file("2024-03-01,A,1,Food\n2024-03-02,B,1,food\n2024-03-03,C,1,Travel\n"
                              "2024-03-04,D,1,Travel\n2024-03-05,E,1,Travel\n2024-03-06,F,1,Groceries\n"
                              "2024-03-07,G,1,\n2024-03-08,H,1,Housing > Maintenance\n2024-03-09,I,1,Maintenance\n"
                              "2024-03-10,J,1,Auto > Gas\n2024-03-11,K,1,utilities > Gas\n");
        QSignalSpy changed(m_categories.get(), &CategoryRepository::categoriesChanged);
        QCOMPARE(counts(import(file, columns(0, 1, 2, -1, 3))),
                 QStringLiteral("imported 11, duplicates 0, unparseable 0, database 0, other 0, shared 1"));
        QCOMPARE(changed.size(), 4);
        QCOMPARE(scalar(QStringLiteral("SELECT group_concat(name, ',') FROM (SELECT name FROM categories "
                                       "WHERE category_type = 'expense' ORDER BY name)"))
                     .toString(),
                 QStringLiteral("Auto > Gas,Food,Gas,Groceries,Housing,Maintenance,Maintenance,Transportation,Travel,"
                                "Utilities,food"));
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions WHERE category_id = 'c1'")).toInt(), 1);
        QCOMPARE(scalar(QStringLiteral("SELECT group_concat(payee || ':' || COALESCE(category_id, '-')) FROM "
                                       "transactions WHERE payee IN ('G', 'H', 'I', 'K')"))
                     .toString(),
                 QStringLiteral("G:-,H:hm,I:-,K:ug"));
    }

    // Progress every 100 rows and at the end, inside one open transaction
    // with the bulk-write flag raised; the flag is clear again afterwards.
    void progressAndTransaction()
    {
        QByteArray file("Date,Payee,Amount\n");
        for (int i = 0; i < 250; ++i)
            file += QStringLiteral("2024-03-01,Payee %1,-1\n").arg(i).toUtf8();

        QSignalSpy started(m_service.get(), &ImportService::importStarted);
        QSignalSpy progress(m_service.get(), &ImportService::importProgress);
        QSignalSpy finished(m_service.get(), &ImportService::importFinished);
        QList<bool> bulkDuringProgress;
        QList<int> visibleToOthers;
        connect(m_service.get(), &ImportService::importProgress, this, [&](int current, int) {
            bulkDuringProgress << m_db->db()->bulkWriteActive();
            if (current == 100) {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
                other.setDatabaseName(m_db->path());
                other.open();
                QSqlQuery q(other);
                q.exec(QStringLiteral("SELECT COUNT(*) FROM transactions"));
                q.next();
                visibleToOthers << q.value(0).toInt();
                visibleToOthers << m_transactions->findByAccount(QStringLiteral("a1")).size();
                q.finish();
                other.close();
            }
        });

        QCOMPARE(counts(import(file, columns(0, 1, 2, -1, -1, true))),
                 QStringLiteral("imported 250, duplicates 0, unparseable 0, database 0, other 0"));
        QSqlDatabase::removeDatabase(QStringLiteral("other"));

        QCOMPARE(started.size(), 1);
        QCOMPARE(started.at(0).at(0).toInt(), 250);
        QList<QList<int>> seen;
        for (const QList<QVariant>& args : progress)
            seen << QList<int>{args.at(0).toInt(), args.at(1).toInt()};
        QCOMPARE(seen, (QList<QList<int>>{{100, 250}, {200, 250}, {250, 250}}));
        QCOMPARE(bulkDuringProgress, (QList<bool>{true, true, false}));
        QCOMPARE(visibleToOthers, (QList<int>{0, 99}));
        QCOMPARE(finished.size(), 1);
        QVERIFY(!m_db->db()->bulkWriteActive());
        // The rows are in the full-text index, and rows inserted later still
        // reach it.
        QCOMPARE(m_transactions->search(QStringLiteral("Payee 249"), {}).size(), 1);
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'payee'"))
                     .toInt(),
                 250);
        QCOMPARE(import("2024-04-01,Later row,1\n", columns(0, 1, 2)).imported, 1);
        QVERIFY(m_transactions->insert(typedRow("typed", "a1", QDate(2024, 4, 2), "Typed row")));
        QCOMPARE(m_transactions->search(QStringLiteral("row"), {}).size(), 2);
        exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"));
    }

    // Rows changed while the import runs, old ones and imported ones, are
    // found by their new words afterwards.
    void changesDuringImportReachTheIndex()
    {
        const Transaction old = typedRow("old", "a2", QDate(2023, 1, 1), "Oldname");
        QVERIFY(m_transactions->insert(old));

        QByteArray file;
        for (int i = 0; i < 150; ++i)
            file += QStringLiteral("2024-03-01,Payee %1,-1\n").arg(i).toUtf8();
        connect(m_service.get(), &ImportService::importProgress, this, [&](int current, int total) {
            if (current != 100 || total != 150)
                return;
            Transaction renamed = old;
            renamed.payee = QStringLiteral("Renamed");
            QVERIFY(m_transactions->update(renamed));
            const QList<Transaction> imported = m_transactions->findByAccount(QStringLiteral("a1"));
            Transaction changed = imported.constLast();
            changed.memo = QStringLiteral("Changed");
            QVERIFY(m_transactions->update(changed));
            QVERIFY(m_transactions->softDelete(imported.constFirst().id));
        });
        QCOMPARE(import(file, columns(0, 1, 2)).imported, 150);

        QCOMPARE(m_transactions->search(QStringLiteral("Oldname"), {}).size(), 0);
        QCOMPARE(m_transactions->search(QStringLiteral("Renamed"), {}).size(), 1);
        QCOMPARE(m_transactions->search(QStringLiteral("Changed"), {}).size(), 1);
        QCOMPARE(m_transactions->search(QStringLiteral("Payee"), {}).size(), 149);
        exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"));
    }

    void headerOnlyStillReportsProgress()
    {
        QSignalSpy started(m_service.get(), &ImportService::importStarted);
        QSignalSpy progress(m_service.get(), &ImportService::importProgress);
        import("Date,Payee,Amount\n", columns(0, 1, 2, -1, -1, true));
        QCOMPARE(started.size(), 1);
        QCOMPARE(started.at(0).at(0).toInt(), 0);
        QCOMPARE(progress.size(), 1);
        QCOMPARE(progress.at(0), (QList<QVariant>{0, 0}));
    }

    void unreadableFileFails()
    {
        QSignalSpy started(m_service.get(), &ImportService::importStarted);
        QSignalSpy progress(m_service.get(), &ImportService::importProgress);
        for (const QString& path : {m_files.filePath(QStringLiteral("missing.csv")), m_files.path()}) {
            const ImportResult r = m_service->importCsv(path, QStringLiteral("a1"), columns(0, 1, 2));
            QCOMPARE(counts(r), QStringLiteral("imported 0, duplicates 0, unparseable 0, database 0, other 0, failed"));
        }
        QCOMPARE(started.size() + progress.size(), 0);
    }

    void secondImportWhileRunningIsRefused()
    {
        QByteArray file;
        for (int i = 0; i < 150; ++i)
            file += QStringLiteral("2024-03-01,Payee %1,-1\n").arg(i).toUtf8();
        const QString path = writeFile(file);
        ImportResult inner;
        bool tried = false;
        connect(m_service.get(), &ImportService::importProgress, this, [&](int current, int) {
            if (current == 100 && !tried) {
                tried = true;
                inner = m_service->importCsv(path, QStringLiteral("a2"), columns(0, 1, 2));
            }
        });
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ImportService::importCsv refused")));
        const ImportResult outer = m_service->importCsv(path, QStringLiteral("a1"), columns(0, 1, 2));
        QVERIFY(inner.failed);
        QCOMPARE(outer.imported, 150);
        QCOMPARE(storedRows(QStringLiteral("a2")).size(), 0);
    }

    void writeFailures_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QString>("expectedCounts");
        QTest::addColumn<int>("storedCount");

        QTest::newRow("row refused")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.transactions WHEN NEW.payee = 'Bad' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^TransactionRepository::insert failed:"}
            << "imported 2, duplicates 0, unparseable 0, database 1, other 0" << 2;
        QTest::newRow("category refused")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.categories WHEN NEW.name = 'Broken' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^CategoryRepository::insert failed:"}
            << "imported 2, duplicates 0, unparseable 0, database 1, other 0" << 2;
        QTest::newRow("database rolls back")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.transactions WHEN NEW.payee = 'Bad' "
                           "BEGIN SELECT RAISE(ROLLBACK, 'forced'); END"}
            << QStringList{"^TransactionRepository::insert failed:", "^CSV import aborted: "}
            << "imported 1, duplicates 0, unparseable 0, database 1, other 0, failed" << 0;
        QTest::newRow("commit refused")
            << QStringList{"CREATE TEMP TRIGGER orphan AFTER INSERT ON main.transactions WHEN NEW.payee = 'Last' "
                           "BEGIN UPDATE transactions SET category_id = 'missing' WHERE id = NEW.id; END",
                           // Foreign keys are then checked at COMMIT, which fails.
                           "@start PRAGMA defer_foreign_keys = ON"}
            << QStringList{"^ImportService::commitTransaction failed:"}
            << "imported 3, duplicates 0, unparseable 0, database 0, other 0, failed" << 0;
    }
    void writeFailures()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, warnings);
        QFETCH(QString, expectedCounts);
        QFETCH(int, storedCount);
        // "@start" statements run when the import starts: reads in between
        // would end their effect.
        QStringList atStart;
        for (const QString& sql : setup) {
            if (sql.startsWith(QLatin1String("@start ")))
                atStart << sql.mid(7);
            else
                exec(sql);
        }
        connect(m_service.get(), &ImportService::importStarted, this, [&atStart] {
            for (const QString& sql : std::as_const(atStart))
                exec(sql);
            atStart.clear();
        });
        for (const QString& warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QSignalSpy finished(m_service.get(), &ImportService::importFinished);

        const QByteArray file("2024-03-01,Good,1,Travel\n2024-03-02,Bad,1,Broken\n2024-03-03,Last,1,\n");
        QCOMPARE(counts(import(file, columns(0, 1, 2, -1, 3))), expectedCounts);
        QCOMPARE(storedRows(QStringLiteral("a1")).size(), storedCount);
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name = 'Travel'")).toInt(),
                 storedCount > 0 ? 1 : 0);
        QCOMPARE(finished.size(), 1);
        QVERIFY(!m_db->db()->bulkWriteActive());

        // The connection is usable for the next import afterwards.
        exec(QStringLiteral("DROP TRIGGER IF EXISTS temp.refuse"));
        exec(QStringLiteral("DROP TRIGGER IF EXISTS temp.orphan"));
        QCOMPARE(import("2024-04-01,After,1\n", columns(0, 1, 2)).imported, 1);
        QVERIFY(m_transactions->insert(typedRow("typed", "a1", QDate(2024, 4, 2), "Typed after")));
        QCOMPARE(m_transactions->search(QStringLiteral("after"), {}).size(), 2);
        QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions_fts WHERE transactions_fts MATCH 'good'"))
                     .toInt(),
                 storedCount > 0 ? 1 : 0);
        exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"));
    }

    void missingAccountCountsDatabaseErrors()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
        QCOMPARE(counts(import("2024-03-01,A,1\n2024-03-02,B,1\n", columns(0, 1, 2), QStringLiteral("nope"))),
                 QStringLiteral("imported 0, duplicates 0, unparseable 0, database 2, other 0"));
    }

    // Whatever the bytes, every row lands in exactly one count.
    void garbageIsCounted()
    {
        QRandomGenerator random(7);
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes(int(random.bounded(1, 2048)), Qt::Uninitialized);
            for (char& b : bytes) {
                const int pick = int(random.bounded(10));
                b = pick == 0 ? ',' : pick == 1 ? '\n' : pick == 2 ? '"' : char(random.bounded(256));
            }
            QSignalSpy started(m_service.get(), &ImportService::importStarted);
            const ImportResult r = import(bytes, columns(0, 1, 2, 3, 4));
            QVERIFY(!r.failed);
            QCOMPARE(started.size(), 1);
            QCOMPARE(r.imported + r.duplicatesSkipped + r.unparseableSkipped + r.databaseErrorSkipped,
                     started.at(0).at(0).toInt());
        }
    }
};

TALLYLEAF_CORE_TEST_MAIN(TestCsvImport)
#include "tst_csvimport.moc"
