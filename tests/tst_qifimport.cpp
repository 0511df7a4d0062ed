#include "coretestsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlQuery>

using TestSupport::exec;
using TestSupport::scalar;

using Mapping = QHash<QString, QString>;

namespace {

QString counts(const ImportResult& r)
{
    return QStringLiteral("imported %1, duplicates %2, unparseable %3, metadata %4, unmapped %5, linked %6, "
                          "retroactive %7, database %8%9%10")
        .arg(r.imported)
        .arg(r.duplicatesSkipped)
        .arg(r.unparseableSkipped)
        .arg(r.metadataSkipped)
        .arg(r.unmappedSkipped)
        .arg(r.transfersLinked)
        .arg(r.retroactiveLinks)
        .arg(r.databaseErrorSkipped)
        .arg(r.failed ? QStringLiteral(", failed") : QString())
        .arg(r.uncategorizedSharedName ? QStringLiteral(", shared %1").arg(r.uncategorizedSharedName) : QString());
}

// "account date amount payee|memo|category|link|dest|version status": the
// link shown as the linked row's account and payee ("MISSING" when no row
// has the id), in account, date, amount order.
QStringList storedRows()
{
    QSqlQuery q(QSqlDatabase::database());
    q.exec(QStringLiteral(
        "SELECT t.account_id, t.date, t.amount, t.payee, COALESCE(t.memo, ''), COALESCE(c.name, ''), "
        "CASE WHEN COALESCE(t.transfer_link_id, '') = '' THEN '' WHEN p.id IS NULL THEN 'MISSING' "
        "ELSE p.account_id || ':' || p.payee END, COALESCE(t.transfer_dest_account_id, ''), t.version, "
        "t.sync_status FROM transactions t LEFT JOIN transactions p ON p.id = t.transfer_link_id "
        "LEFT JOIN categories c ON c.id = t.category_id ORDER BY t.account_id, t.date, t.amount, t.payee"));
    QStringList out;
    while (q.next()) {
        out << QStringLiteral("%1 %2 %3 %4|%5|%6|%7|%8|%9 %10")
                   .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                        q.value(4).toString(), q.value(5).toString(), q.value(6).toString(), q.value(7).toString())
                   .arg(q.value(8).toInt())
                   .arg(q.value(9).toString());
    }
    return out;
}

QStringList column(const QString& sql)
{
    QSqlQuery q(QSqlDatabase::database());
    q.exec(sql);
    QStringList out;
    while (q.next())
        out << q.value(0).toString();
    return out;
}

QString qif(const QStringList& lines)
{
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString accountFile(const QString& account, const QStringList& records)
{
    return qif({"!Account", "N" + account, "TBank", "^", "!Type:Bank"}) + qif(records);
}

const QString kChecking = accountFile(QStringLiteral("Checking"),
                                      {"D05/01/2024", "T-100.00", "PTo savings", "Mmonthly", "L[Savings]", "^"});
const QString kSavings = accountFile(QStringLiteral("Savings"),
                                     {"D05/01/2024", "T100.00", "PFrom checking", "L[Checking]", "^"});

QifImportRecord leg(const QString& account, const QString& transfer, int day, qint64 amount, const QString& target)
{
    QifImportRecord r;
    r.accountName = account;
    r.transferAccount = transfer;
    r.date = QDate(2024, 1, day);
    r.amount = amount;
    r.targetAccountId = target;
    return r;
}

// The pairing rule read literally: each leg against every later one.
QList<int> referencePairs(QList<QifImportRecord> records)
{
    const auto eligible = [](const QifImportRecord& r) {
        return r.partnerIndex < 0 && !r.transferAccount.isEmpty() && !r.accountName.isEmpty()
            && !r.targetAccountId.isEmpty() && r.accountName.compare(r.transferAccount, Qt::CaseInsensitive) != 0;
    };
    for (int i = 0; i < records.size(); ++i) {
        for (int j = i + 1; j < records.size() && eligible(records[i]); ++j) {
            const QifImportRecord& a = records[i];
            const QifImportRecord& b = records[j];
            if (eligible(b) && a.targetAccountId != b.targetAccountId && a.date == b.date && a.amount == -b.amount
                && a.accountName.compare(b.transferAccount, Qt::CaseInsensitive) == 0
                && a.transferAccount.compare(b.accountName, Qt::CaseInsensitive) == 0) {
                records[i].partnerIndex = j;
                records[j].partnerIndex = i;
            }
        }
    }
    QList<int> partners;
    for (const QifImportRecord& r : records)
        partners << r.partnerIndex;
    return partners;
}

} // namespace

class TestQifImport : public QObject
{
    Q_OBJECT

private:
    QString writeFile(const QString& name, const QByteArray& content)
    {
        const QString path = m_files.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            qFatal("cannot write %s", qPrintable(path));
        return path;
    }
    QString writeFile(const QString& name, const QString& content) { return writeFile(name, content.toUtf8()); }
    ImportResult import(const QStringList& paths, const Mapping& mapping) { return m_service->importQif(paths, mapping); }

    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<TransactionRepository> m_transactions;
    std::unique_ptr<CategoryRepository> m_categories;
    std::unique_ptr<SplitLineRepository> m_splitLines;
    std::unique_ptr<ImportService> m_service;
    std::unique_ptr<QTemporaryDir> m_filesDir;
    QDir m_files;

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
        m_filesDir = std::make_unique<QTemporaryDir>();
        m_files.setPath(m_filesDir->path());
        exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                            "('a1', 'Checking', 'x', 'x'), ('a2', 'Savings', 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('c1', 'Food', 'x', 'x')"));
    }
    void cleanup()
    {
        m_service.reset();
        m_splitLines.reset();
        m_categories.reset();
        m_transactions.reset();
        m_db.reset();
        m_filesDir.reset();
    }

    void markers_data()
    {
        QTest::addColumn<QString>("memo");
        QTest::addColumn<bool>("isMarker");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("rest");
        QTest::newRow("marker and memo") << "[\u2192 Savings] monthly" << true << "Savings" << "monthly";
        QTest::newRow("marker alone") << "[\u2192 Savings]" << true << "Savings" << "";
        QTest::newRow("name not trimmed, one space taken") << "[\u2192  A b ]  x" << true << " A b " << " x";
        QTest::newRow("empty name") << "[\u2192 ] x" << false << "" << "";
        QTest::newRow("not at the start") << "x [\u2192 Savings]" << false << "" << "";
        QTest::newRow("unclosed") << "[\u2192 Savings" << false << "" << "";
        QTest::newRow("plain arrow text") << "[-> Savings]" << false << "" << "";
    }
    void markers()
    {
        QFETCH(QString, memo);
        QFETCH(bool, isMarker);
        QFETCH(QString, name);
        QFETCH(QString, rest);
        QCOMPARE(transferMarker(QStringLiteral("Savings")), QStringLiteral("[\u2192 Savings]"));
        QString gotName, gotRest;
        QCOMPARE(parseTransferMarker(memo, &gotName, &gotRest), isMarker);
        if (isMarker) {
            QCOMPARE(gotName, name);
            QCOMPARE(gotRest, rest);
        }
    }

    void analyze()
    {
        const QString headerless = writeFile(QStringLiteral("bank.qif"), qif({"!Type:Bank", "D1/1/24", "T1", "^"}));
        const QString empty = writeFile(QStringLiteral("empty.qif"), QString());
        const QString named = writeFile(
            QStringLiteral("named.qif"),
            qif({"!Type:Bank", "D1/1/24", "T1", "^"}) + accountFile(QStringLiteral("Holiday Savings"), {"D1/2/24", "T2", "^"})
                + qif({"!Account", "NVisa", "^", "!Type:CCard", "D1/3/24", "T3", "^", "!Account", "NBroker", "^",
                       "!Type:Invst", "D1/3/24", "T3", "^", "!Account", "NWallet", "^", "!Type:Cash", "D1/3/24", "T3",
                       "^", "!Account", "NHouse", "^", "!Type:Oth A", "D1/3/24", "T3", "^", "!Account", "NLoan", "^",
                       "!Type:Oth L", "D1/3/24", "T3", "^"}));
        const QString again = writeFile(QStringLiteral("again.qif"), accountFile(QStringLiteral("visa"), {"D1/1/24", "T1", "^"}));

        const QifAnalysis analysis = m_service->analyzeQifFiles(
            {headerless, m_files.filePath(QStringLiteral("missing.qif")), empty, named, again});
        QStringList accounts;
        for (const QifSourceAccount& a : analysis.accounts) {
            accounts << QStringLiteral("%1|%2|%3|%4")
                            .arg(QString(a.key).replace(m_files.path(), QStringLiteral("DIR")), a.label)
                            .arg(a.noAccountHeader)
                            .arg(accountTypeToString(a.suggestedType));
        }
        QCOMPARE(accounts, (QStringList{"DIR/bank.qif|bank.qif (no account header)|1|checking",
                                        "DIR/empty.qif|empty.qif (no account header)|1|checking",
                                        "Holiday Savings|Holiday Savings|0|savings", "Visa|Visa|0|credit_card",
                                        "Broker|Broker|0|investment", "Wallet|Wallet|0|cash", "House|House|0|other",
                                        "Loan|Loan|0|other"}));
        QCOMPARE(analysis.transactionCount, 9);
    }

    // The bucketed pairing gives what comparing every two legs gives.
    void pairingMatchesReference()
    {
        QRandomGenerator random(5);
        const QStringList names{"A", "a", "B", "C", ""};
        const QStringList targets{"a1", "a2", ""};
        for (int round = 0; round < 200; ++round) {
            QList<QifImportRecord> records;
            for (int i = int(random.bounded(1, 40)); i > 0; --i) {
                records << leg(names.at(random.bounded(5)), names.at(random.bounded(5)), int(random.bounded(1, 3)),
                               qint64(random.bounded(-2, 3)), targets.at(random.bounded(3)));
            }
            const QList<int> expected = referencePairs(records);
            ImportService::pairTransfers(records);
            QList<int> got;
            for (const QifImportRecord& r : records)
                got << r.partnerIndex;
            QCOMPARE(got, expected);
        }
    }

    void transfers_data()
    {
        QTest::addColumn<QStringList>("existing"); // SQL run first
        QTest::addColumn<QStringList>("files");    // each "name=content"
        QTest::addColumn<Mapping>("mapping");
        QTest::addColumn<QString>("expectedCounts");
        QTest::addColumn<QStringList>("expectedRows");
        QTest::addColumn<QStringList>("warnings");

        const Mapping both{{"checking", "a1"}, {"SAVINGS", "a2"}};
        QTest::newRow("pair across two files")
            << QStringList{} << QStringList{"Checking.qif=" + kChecking, "Savings.qif=" + kSavings} << both
            << "imported 2, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 0, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|monthly||a2:From checking|a2|1 pending",
                           "a2 2024-05-01 10000 From checking|||a1:To savings|a1|1 pending"} << QStringList{};
        QTest::newRow("other side not mapped: marker")
            << QStringList{} << QStringList{"Checking.qif=" + kChecking} << Mapping{{"Checking", "a1"}}
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|[\u2192 Savings] monthly||||1 pending"} << QStringList{};
        const QString earlier = QStringLiteral(
            "INSERT INTO transactions (id, account_id, date, payee, memo, amount, version, sync_status, created_at, "
            "updated_at) VALUES ('old', 'a1', '2024-05-01', 'To savings', '[\u2192 Savings] monthly', -10000, 3, "
            "'synced', 'x', 'x')");
        QTest::newRow("other side arrives later")
            << QStringList{earlier} << QStringList{"Savings.qif=" + kSavings} << both
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 1, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|monthly||a2:From checking|a2|4 pending",
                           "a2 2024-05-01 10000 From checking|||a1:To savings|a1|1 pending"} << QStringList{};
        QTest::newRow("both files again after one: no dangling link")
            << QStringList{earlier} << QStringList{"Checking.qif=" + kChecking, "Savings.qif=" + kSavings} << both
            << "imported 1, duplicates 1, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 1, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|monthly||a2:From checking|a2|4 pending",
                           "a2 2024-05-01 10000 From checking|||a1:To savings|a1|1 pending"} << QStringList{};
        QTest::newRow("partner a duplicate of an unmarked row: marker")
            << QStringList{"INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                           "VALUES ('typed', 'a2', '2024-05-01', 'From checking', 10000, 'x', 'x')"}
            << QStringList{"Checking.qif=" + kChecking, "Savings.qif=" + kSavings} << both
            << "imported 1, duplicates 1, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|[\u2192 Savings] monthly||||1 pending",
                           "a2 2024-05-01 10000 From checking|||||1 pending"} << QStringList{};
        QTest::newRow("marker differs in letter case")
            << QStringList{QString(earlier).replace(QStringLiteral("\u2192 Savings"), QStringLiteral("\u2192 SAVINGS"))}
            << QStringList{"Savings.qif=" + kSavings} << both
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 1, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|monthly||a2:From checking|a2|4 pending",
                           "a2 2024-05-01 10000 From checking|||a1:To savings|a1|1 pending"} << QStringList{};
        QTest::newRow("marker names another account: no link")
            << QStringList{QString(earlier).replace(QStringLiteral("\u2192 Savings"), QStringLiteral("\u2192 Visa"))}
            << QStringList{"Savings.qif=" + kSavings} << both
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|[\u2192 Visa] monthly||||3 synced",
                           "a2 2024-05-01 10000 From checking|[\u2192 Checking]||||1 pending"} << QStringList{};
        QTest::newRow("both legs into one account: markers")
            << QStringList{} << QStringList{"Checking.qif=" + kChecking, "Savings.qif=" + kSavings}
            << Mapping{{"Checking", "a1"}, {"Savings", "a1"}}
            << "imported 2, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0"
            << QStringList{"a1 2024-05-01 -10000 To savings|[\u2192 Savings] monthly||||1 pending",
                           "a1 2024-05-01 10000 From checking|[\u2192 Checking]||||1 pending"} << QStringList{};
        QTest::newRow("self transfer: neither")
            << QStringList{} << QStringList{"Checking.qif=" + accountFile("Checking", {"D1/1/24", "T1", "L[checking]", "^"})}
            << Mapping{{"Checking", "a1"}}
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0"
            << QStringList{"a1 2024-01-01 100 checking|||||1 pending"} << QStringList{};
        QTest::newRow("partner refused: link cleared")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.transactions WHEN NEW.account_id = 'a2' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"Checking.qif=" + kChecking, "Savings.qif=" + kSavings} << both
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 1"
            << QStringList{"a1 2024-05-01 -10000 To savings|[\u2192 Savings] monthly||||1 pending"}
            << QStringList{"^TransactionRepository::insert failed:",
                           "^QIF import: insert failed for 2024-05-01 From checking amount 10000 account a2$"};
    }
    void transfers()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, files);
        QFETCH(Mapping, mapping);
        QFETCH(QString, expectedCounts);
        QFETCH(QStringList, expectedRows);
        for (const QString& sql : existing)
            exec(sql);
        QFETCH(QStringList, warnings);
        for (const QString& warning : warnings)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        QStringList paths;
        for (const QString& file : files)
            paths << writeFile(file.section(QLatin1Char('='), 0, 0), file.section(QLatin1Char('='), 1));
        QCOMPARE(counts(import(paths, mapping)), expectedCounts);
        QCOMPARE(storedRows(), expectedRows);
    }

    // A record of a stored row's date, payee and amount is that row again,
    // unless both carry check numbers and these differ; each stored row
    // stands for one record.
    void checkNumbersTellDuplicates_data()
    {
        QTest::addColumn<QString>("stored"); // check number of a stored row like the records, "-" for none
        QTest::addColumn<QStringList>("numbers"); // of the file's records, "" for none
        QTest::addColumn<QString>("expected");    // "imported/duplicates: stored check numbers"
        QTest::newRow("two cheques of one day") << "-" << QStringList{"220", "221"} << "2/0: 220,221";
        QTest::newRow("one cheque twice in a file") << "-" << QStringList{"220", "220"} << "2/0: 220,220";
        QTest::newRow("stored row taken once") << "" << QStringList{"", ""} << "1/1: ,";
        QTest::newRow("stored cheque") << "220" << QStringList{"220", "221"} << "1/1: 220,221";
        QTest::newRow("record without number") << "220" << QStringList{""} << "0/1: 220";
        QTest::newRow("stored row without number") << "" << QStringList{"220"} << "0/1: ";
    }
    void checkNumbersTellDuplicates()
    {
        QFETCH(QString, stored);
        QFETCH(QStringList, numbers);
        QFETCH(QString, expected);
        if (stored != "-")
            exec("INSERT INTO transactions (id, account_id, date, payee, amount, check_number, created_at, updated_at) "
                 "VALUES ('s', 'a1', '2024-05-02', 'Landlord', -50000, '" + stored + "', 'x', 'x')");
        QStringList records;
        for (const QString& number : numbers)
            records << "D05/02/2024" << "T-500.00" << "PLandlord" << "N" + number << "^";
        const ImportResult r = import({writeFile("Cheques.qif", accountFile("Checking", records))}, {{"checking", "a1"}});
        QCOMPARE(QStringLiteral("%1/%2: %3").arg(r.imported).arg(r.duplicatesSkipped)
                     .arg(column("SELECT check_number FROM transactions ORDER BY check_number").join(',')),
                 expected);
    }

    void payeesCategoriesAndSplits()
    {
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                            "VALUES ('e', 'a1', '2024-01-09', 'ACME', 900, 'x', 'x')"));
        exec(QStringLiteral("INSERT INTO categories (id, name, parent_id, created_at, updated_at) VALUES "
                            "('h', 'Housing', NULL, 'x', 'x'), ('hm', 'Maintenance', 'h', 'x', 'x'), "
                            "('t', 'Transportation', NULL, 'x', 'x'), ('tm', 'Maintenance', 't', 'x', 'x'), "
                            "('u', 'Utilities', NULL, 'x', 'x'), ('ug', 'Gas', 'u', 'x', 'x'), "
                            "('hu', 'Uncategorized', 'h', 'x', 'x'), ('tu', 'Uncategorized', 't', 'x', 'x')"));
        const QString path = writeFile(
            QStringLiteral("Mixed.QIF"),
            qif({"!Type:Cat", "NInterest", "I", "^", "NFood", "^", "NTravel", "E", "^", "NMaintenance", "^",
                 "!Type:Memorized", "PRent",
                 "^", "!Type:Bank", "D1/1/24", "T1", "NBuy", "YACME", "LInterest", "^", "D1/2/24", "T2", "YACME",
                 "Lfood", "^", "D1/3/24", "T3", "N101", "LFood", "^", "D1/4/24", "T4", "L[Elsewhere]", "^", "D1/5/24",
                 "T5", "LTravel/Trip", "^", "D1/6/24", "T6", "PShop", "N7", "LGifts", "^", "D1/7/24", "T-100",
                 "PMarket", "SFood", "EBread", "$-60", "S[Savings]", "Emove", "$-30", "S", "$-10", "^", "D1/8/24",
                 "T-5", "PMarket", "S[Visa]", "$-5", "^", "D1/9/24", "T9", "YACME", "^", "D1/9/24", "T9", "YACME", "^",
                 "D1/10/24", "^", "D1/11/24", "T11", "^", "D1/12/24", "T12", "LHousing:Maintenance", "^",
                 "D1/13/24", "T13", "LMaintenance", "^", "D1/14/24", "T14", "Lhousing > maintenance", "^",
                 "D1/15/24", "T15", "SMaintenance", "$15", "^", "D1/16/24", "T16", "LAuto:Gas", "^", "D1/17/24",
                 "T17", "Lutilities:Gas", "^"}));
        QSignalSpy started(m_service.get(), &ImportService::importStarted);
        QCOMPARE(counts(import({path}, {{path.toUpper(), "a1"}})),
                 QStringLiteral("imported 16, duplicates 1, unparseable 1, metadata 1, unmapped 0, linked 0, "
                                "retroactive 0, database 0, shared 2"));
        QCOMPARE(started.at(0).at(0).toInt(), 17);
        QCOMPARE(storedRows(),
                 (QStringList{"a1 2024-01-01 100 Buy: ACME||Interest|||1 pending",
                              "a1 2024-01-02 200 ACME||food|||1 pending", "a1 2024-01-03 300 101||Food|||1 pending",
                              "a1 2024-01-04 400 Elsewhere|[\u2192 Elsewhere]||||1 pending",
                              "a1 2024-01-05 500 Imported transaction||Travel|||1 pending",
                              "a1 2024-01-06 600 Shop||Gifts|||1 pending",
                              "a1 2024-01-07 -10000 Market|||||1 pending", "a1 2024-01-08 -500 Market|||||1 pending",
                              "a1 2024-01-09 900 ACME|||||1 pending", "a1 2024-01-09 900 ACME|||||1 pending",
                              "a1 2024-01-11 1100 Imported transaction|||||1 pending",
                              "a1 2024-01-12 1200 Imported transaction||Maintenance|||1 pending",
                              "a1 2024-01-13 1300 Imported transaction|||||1 pending",
                              "a1 2024-01-14 1400 Imported transaction||Maintenance|||1 pending",
                              "a1 2024-01-15 1500 Imported transaction|||||1 pending",
                              "a1 2024-01-16 1600 Imported transaction||Auto:Gas|||1 pending",
                              "a1 2024-01-17 1700 Imported transaction||Gas|||1 pending"}));
        QCOMPARE(column("SELECT date FROM transactions WHERE category_id = 'hm'"),
                 (QStringList{"2024-01-12", "2024-01-14"}));
        // Names differing in case are different categories, and a shared
        // name makes none; the list's entries come first, then the records'
        // in their order.
        QCOMPARE(column("SELECT name || ':' || category_type FROM categories WHERE parent_id IS NULL ORDER BY rowid"),
                 (QStringList{"Food:expense", "Housing:expense", "Transportation:expense", "Utilities:expense",
                              "Interest:income", "Travel:expense", "food:expense", "Gifts:expense",
                              "Transfers:transfer", "Uncategorized:expense", "Auto:Gas:expense"}));
        QCOMPARE(column("SELECT c.name || ' ' || s.amount || ' ' || s.memo FROM split_lines s JOIN transactions t "
                        "ON t.id = s.transaction_id JOIN categories c ON c.id = s.category_id "
                        "WHERE t.is_split = 1 ORDER BY t.date, s.rowid"),
                 (QStringList{"Food -6000 Bread", "Transfers -3000 [\u2192 Savings] move", "Uncategorized -1000 ",
                              "Transfers -500 [\u2192 Visa]", "Uncategorized 1500 "}));
        // The catch-all is top-level, though subcategories share its name.
        QCOMPARE(scalar("SELECT COUNT(*) FROM split_lines WHERE category_id IN ('hu', 'tu')").toInt(), 0);
    }

    void recordsWithoutAccountAreKeyedByPath()
    {
        const QString path = writeFile(QStringLiteral("mixed.qif"),
                                       qif({"!Type:Bank", "D1/1/24", "T1", "^"}) + accountFile("Checking", {"D1/2/24", "T2", "^"}));
        QCOMPARE(m_service->analyzeQifFiles({path}).accounts.size(), 1);
        QCOMPARE(counts(import({path}, {{"Checking", "a1"}, {"Other", ""}})),
                 QStringLiteral("imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 1, linked 0, "
                                "retroactive 0, database 0"));
    }

    void progress()
    {
        QStringList lines;
        for (int i = 0; i < 250; ++i)
            lines << QStringLiteral("D1/1/24") << QStringLiteral("T%1").arg(i + 1) << QStringLiteral("^");
        const QString path = writeFile(QStringLiteral("long.qif"), qif(lines));
        QSignalSpy progress(m_service.get(), &ImportService::importProgress);
        QSignalSpy finished(m_service.get(), &ImportService::importFinished);
        // Sync keeps away meanwhile; a second import started from a slot
        // during the first is refused.
        ImportResult nested;
        bool bulkWriteSeen = false;
        connect(m_service.get(), &ImportService::importProgress, this, [&](int current) {
            if (current == 100) {
                bulkWriteSeen = m_db->db()->bulkWriteActive();
                QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("refused: another import")));
                nested = import({path}, {{path, "a1"}});
            }
        });
        QCOMPARE(import({path}, {{path, "a1"}}).imported, 250);
        QVERIFY(nested.failed);
        QVERIFY(bulkWriteSeen);
        QVERIFY(!m_db->db()->bulkWriteActive());
        QList<int> reached;
        for (const QList<QVariant>& args : std::as_const(progress))
            reached << args.at(0).toInt();
        QCOMPARE(reached, (QList<int>{100, 200, 250}));
        QCOMPARE(progress.last().at(1).toInt(), 250);
        QCOMPARE(finished.size(), 1);
    }

    void writeFailures_data()
    {
        QTest::addColumn<QStringList>("setup");
        QTest::addColumn<QStringList>("warnings");
        QTest::addColumn<QString>("expectedCounts");
        QTest::addColumn<int>("stored"); // rows in a1 afterwards
        QTest::addColumn<QString>("categories");

        const QString aborted = QStringLiteral("^QIF import aborted: ");
        QTest::newRow("split line refused")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.split_lines "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^SplitLineRepository::insert failed:",
                           aborted + "failed to store the split lines of "}
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0, "
               "failed"
            << 0 << "Food";
        QTest::newRow("catch-all category refused")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.categories WHEN NEW.name = 'Transfers' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^CategoryRepository::insert failed:", aborted + "no category for a split line of "}
            << "imported 1, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0, "
               "failed"
            << 0 << "Food";
        QTest::newRow("retroactive partner refused")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.transactions WHEN OLD.payee = 'Old' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^TransactionRepository::update failed:", aborted + "failed to update retroactive partner$"}
            << "imported 2, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 0, "
               "failed"
            << 0 << "Food";
        QTest::newRow("database rolls back")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.transactions WHEN NEW.payee = 'Good' "
                           "BEGIN SELECT RAISE(ROLLBACK, 'forced'); END"}
            << QStringList{"^TransactionRepository::insert failed:",
                           "^QIF import: insert failed for 2024-05-01 Good amount -100 account a1$",
                           aborted + "the database rolled the import back$"}
            << "imported 0, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 0, retroactive 0, database 1, "
               "failed"
            << 0 << "Food";
        QTest::newRow("commit refused")
            << QStringList{"CREATE TEMP TRIGGER orphan AFTER INSERT ON main.transactions WHEN NEW.payee = 'Last' "
                           "BEGIN UPDATE transactions SET category_id = 'missing' WHERE id = NEW.id; END",
                           "@start PRAGMA defer_foreign_keys = ON"}
            << QStringList{"^ImportService::commitTransaction failed:"}
            << "imported 4, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 1, database 0, "
               "failed"
            << 0 << "Food";
        QTest::newRow("row refused: the rest goes on")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.transactions WHEN NEW.payee = 'Good' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^TransactionRepository::insert failed:", "^QIF import: insert failed for 2024-05-01 Good"}
            << "imported 3, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 1, database 1"
            << 3 << "Food NewCat Transfers";
        QTest::newRow("category refused: records import without it")
            << QStringList{"CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.categories WHEN NEW.name = 'NewCat' "
                           "BEGIN SELECT RAISE(ABORT, 'forced'); END"}
            << QStringList{"^CategoryRepository::insert failed:"}
            << "imported 4, duplicates 0, unparseable 0, metadata 0, unmapped 0, linked 1, retroactive 1, database 0"
            << 4 << "Food Transfers";
    }
    void writeFailures()
    {
        QFETCH(QStringList, setup);
        QFETCH(QStringList, warnings);
        QFETCH(QString, expectedCounts);
        QFETCH(int, stored);
        QFETCH(QString, categories);
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                            "updated_at) VALUES ('old', 'a2', '2024-05-03', 'Old', '[\u2192 Checking] saved', 2000, "
                            "'x', 'x')"));
        // "@start" statements run when the import starts.
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

        const QString path = writeFile(
            QStringLiteral("Checking.qif"),
            qif({"!Type:Cat", "NNewCat", "^"})
                + accountFile("Checking", {"D05/01/2024", "T-1.00", "PGood", "LNewCat", "^", "D05/02/2024", "T-10.00",
                                           "PSplit", "SFood", "$-5.00", "S[Savings]", "$-5.00", "^", "D05/03/2024",
                                           "T-20.00", "PMove", "L[Savings]", "^", "D05/04/2024", "T-2.00", "PLast", "^"}));
        QCOMPARE(counts(import({path}, {{"Checking", "a1"}, {"Savings", "a2"}})), expectedCounts);
        QCOMPARE(column("SELECT id FROM transactions WHERE account_id = 'a1'").size(), stored);
        QCOMPARE(column("SELECT name FROM categories ORDER BY rowid").join(QLatin1Char(' ')), categories);
        QCOMPARE(scalar("SELECT memo FROM transactions WHERE id = 'old'").toString(),
                 stored > 0 ? QStringLiteral("saved") : QStringLiteral("[\u2192 Checking] saved"));
        QCOMPARE(scalar("SELECT COUNT(*) FROM split_lines").toInt(), stored > 0 ? 2 : 0);
        QCOMPARE(finished.size(), 1);
        QVERIFY(!m_db->db()->bulkWriteActive());
        exec(QStringLiteral("INSERT INTO transactions_fts(transactions_fts) VALUES ('integrity-check')"));
    }

    void lostMarkerAbortsEverything()
    {
        exec(QStringLiteral("INSERT INTO transactions (id, account_id, date, payee, memo, amount, created_at, "
                            "updated_at) VALUES ('old', 'a1', '2024-05-01', 'Old', '[\u2192 Savings]', -10000, "
                            "'x', 'x')"));
        // The first leg reads the Checking account's candidates; the event
        // loop then runs while the marker disappears; the last leg matches.
        QStringList records{"D04/30/2024", "T1", "L[Checking]", "^"};
        for (int i = 0; i < 120; ++i)
            records << "D04/01/2024" << QStringLiteral("T%1").arg(i + 2) << "^";
        records << "D05/01/2024" << "T100" << "L[Checking]" << "^";
        const QString path = writeFile(QStringLiteral("Savings.qif"),
                                       qif({"!Type:Cat", "NNewCat", "^"}) + accountFile("Savings", records));
        connect(m_service.get(), &ImportService::importProgress, this, [](int current) {
            if (current == 100)
                exec(QStringLiteral("UPDATE transactions SET memo = 'typed over' WHERE id = 'old'"));
        });
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^QIF import aborted: retroactive candidate lost its hint$")));
        const ImportResult result = import({path}, {{"Checking", "a1"}, {"Savings", "a2"}});
        QVERIFY(result.failed);
        QCOMPARE(result.imported, 121);
        QCOMPARE(scalar("SELECT COUNT(*) FROM transactions").toInt(), 1);
        QCOMPARE(scalar("SELECT COUNT(*) FROM categories").toInt(), 1);
    }

    // Whatever the bytes, every record lands in exactly one count.
    void garbageIsCounted()
    {
        QRandomGenerator random(3);
        const char alphabet[] = "!^DTPLSE$NMC0123456789/.,-[] \n\xC3\xA9";
        for (int round = 0; round < 30; ++round) {
            QByteArray bytes(int(random.bounded(1, 3000)), Qt::Uninitialized);
            for (char& b : bytes)
                b = random.bounded(5) == 0 ? char(random.bounded(256))
                                           : alphabet[random.bounded(int(sizeof(alphabet) - 1))];
            const QString path = writeFile(QStringLiteral("garbage%1.qif").arg(round), bytes);
            QSignalSpy started(m_service.get(), &ImportService::importStarted);
            const ImportResult r = import({path}, {{path, "a1"}});
            QVERIFY(!r.failed);
            QCOMPARE(r.imported + r.duplicatesSkipped + r.unmappedSkipped + r.databaseErrorSkipped,
                     started.at(0).at(0).toInt());
        }
        QCOMPARE(scalar("SELECT COUNT(*) FROM transactions t WHERE transfer_link_id <> '' AND NOT EXISTS "
                        "(SELECT 1 FROM transactions p WHERE p.id = t.transfer_link_id)")
                     .toInt(),
                 0);
    }
};

TALLYLEAF_CORE_TEST_MAIN(TestQifImport)
#include "tst_qifimport.moc"
