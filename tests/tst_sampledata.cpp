#include "testsupport.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "services/categoryservice.h"
#include "services/sampledataservice.h"
#include "ui/mainwindow.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/welcomescreen.h"
#include "ui/widgets/statusbar.h"

#include <QListWidget>
#include <QRegularExpression>
#include <QSqlQuery>
#include <QStackedWidget>
#include <QTranslator>

using TestSupport::exec;
using TestSupport::scalar;

namespace {

// Stands in for a catalogue that translates the category names.
class PrefixTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (qstrcmp(context, "CategoryService") == 0)
            return QStringLiteral("DE:") + QString::fromUtf8(sourceText);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

int count(const QString& sql)
{
    return scalar(QStringLiteral("SELECT COUNT(*) FROM ") + sql).toInt();
}

QString dayText(int offset)
{
    return QDate::currentDate().addDays(offset).toString(Qt::ISODate);
}

void expectWarning(const QString& pattern)
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^SampleDataService::") + pattern));
}

void seedCategories(Database* db)
{
    CategoryRepository categories(db);
    CategoryService(&categories).seedIfEmpty();
}

const char* const kUserAccount =
    "INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('user-acct', 'Mine', 'x', 'x')";
const char* const kUserTransaction =
    "INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
    "VALUES ('user-txn', '%1', '2025-01-01', 'Me', -100, 'x', 'x')";

} // namespace

class SampleDataTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loadsTheWholeSet();
    void accountTotals_data();
    void accountTotals();
    void categories_data();
    void categories();
    void transferLegsPointAtEachOther();
    void clearLeavesUserRows();
    void blockedClearChangesNothing_data();
    void blockedClearChangesNothing();
    void secondLoadChangesNothing();
    void callersTransactionIsNotTouched();
    void menuItems();

private:
    QStringList m_boxes; // "title|text" of each message box shown
};

void SampleDataTest::initTestCase()
{
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r.title + QLatin1Char('|') + r.text);
        return QMessageBox::Ok;
    });
}

void SampleDataTest::loadsTheWholeSet()
{
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    SampleDataService service(db.db());
    QVERIFY(!service.hasSampleData());
    QVERIFY(service.loadSampleData());
    QVERIFY(service.hasSampleData());

    QCOMPARE(count(QStringLiteral("accounts")), 3);
    QCOMPARE(count(QStringLiteral("transactions")), 49);
    QCOMPARE(count(QStringLiteral("recurring_transactions")), 3);
    QCOMPARE(scalar(QStringLiteral("SELECT MIN(date) FROM transactions")).toString(), dayText(-60));
    QCOMPARE(scalar(QStringLiteral("SELECT MAX(date) FROM transactions")).toString(), dayText(0));
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(name, '|') FROM (SELECT name FROM accounts ORDER BY "
                                   "sort_order)"))
                 .toString(),
             QStringLiteral("Main Checking|Savings|Visa Rewards"));
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(check_number, '|') FROM (SELECT check_number FROM "
                                   "transactions WHERE check_number <> '' ORDER BY rowid)"))
                 .toString(),
             QStringLiteral("1041|1042|1043"));
    // The other rows hold NULL, not ''.
    QCOMPARE(count(QStringLiteral("transactions WHERE check_number IS NULL")), 46);

    // Schedules in order, all on checking, started 60 days ago, manual.
    QSqlQuery q(QSqlDatabase::database());
    QVERIFY(q.exec(QStringLiteral("SELECT payee, amount, frequency, next_due_date, start_date, account_id, auto_post, "
                                  "is_active, category_id IS NULL FROM recurring_transactions ORDER BY rowid")));
    QStringList schedules;
    while (q.next()) {
        QStringList cells;
        for (int i = 0; i < 9; ++i)
            cells << q.value(i).toString();
        schedules << cells.join(QLatin1Char(','));
    }
    const QString tail = QStringLiteral(",%1,sample-acct-checking,0,1,").arg(dayText(-60));
    QCOMPARE(schedules, QStringList({"Pinecrest Apartments,-145000,monthly," + dayText(1) + tail + "0",
                                     "Brightpath Inc,285000,biweekly," + dayText(8) + tail + "0",
                                     "Transfer to Savings,-50000,monthly," + dayText(1) + tail + "1"}));

    // Ids and the sync bookkeeping of every row.
    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
    for (const QString& table : {QStringLiteral("transactions"), QStringLiteral("recurring_transactions")}) {
        const QString kind = table == QLatin1String("transactions") ? QStringLiteral("txn") : QStringLiteral("rec");
        QVERIFY(q.exec(QStringLiteral("SELECT id, created_at, updated_at, sync_status, version FROM ") + table));
        while (q.next()) {
            QVERIFY2(QRegularExpression(QStringLiteral("^sample-%1-[0-9a-f]{8}$").arg(kind))
                         .match(q.value(0).toString())
                         .hasMatch(),
                     qPrintable(q.value(0).toString()));
            QVERIFY(stamp.match(q.value(1).toString()).hasMatch());
            QCOMPARE(q.value(2), q.value(1));
            QCOMPARE(q.value(3).toString(), QStringLiteral("pending"));
            QCOMPARE(q.value(4).toInt(), 1);
        }
    }
}

void SampleDataTest::accountTotals_data()
{
    QTest::addColumn<QString>("account");
    QTest::addColumn<int>("rows");
    QTest::addColumn<qint64>("sum");
    QTest::addColumn<qint64>("startingBalance");
    QTest::addColumn<int>("cleared");
    QTest::addColumn<int>("reconciled");
    QTest::newRow("checking") << "sample-acct-checking" << 33 << qint64(875960) << qint64(250000) << 26 << 16;
    QTest::newRow("savings") << "sample-acct-savings" << 4 << qint64(101695) << qint64(1000000) << 3 << 0;
    QTest::newRow("card") << "sample-acct-visa" << 12 << qint64(-3839) << qint64(0) << 7 << 0;
}

void SampleDataTest::accountTotals()
{
    QFETCH(QString, account);
    QFETCH(int, rows);
    QFETCH(qint64, sum);
    QFETCH(qint64, startingBalance);
    QFETCH(int, cleared);
    QFETCH(int, reconciled);
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    QVERIFY(SampleDataService(db.db()).loadSampleData());
    const QString where = QStringLiteral(" WHERE account_id = '%1'").arg(account);
    QCOMPARE(count(QStringLiteral("transactions") + where), rows);
    QCOMPARE(scalar(QStringLiteral("SELECT SUM(amount) FROM transactions") + where).toLongLong(), sum);
    QCOMPARE(scalar(QStringLiteral("SELECT starting_balance FROM accounts WHERE id = '%1'").arg(account)).toLongLong(),
             startingBalance);
    QCOMPARE(count(QStringLiteral("transactions") + where + QStringLiteral(" AND cleared = 1")), cleared);
    // Reconciled rows are always cleared.
    QCOMPARE(count(QStringLiteral("transactions") + where + QStringLiteral(" AND reconciled = 1 AND cleared = 1")),
             reconciled);
}

void SampleDataTest::categories_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<bool>("translated");
    QTest::addColumn<int>("withoutCategory");
    // Four transfer legs and two card payments carry none.
    QTest::newRow("default catalogue") << QString() << false << 6;
    QTest::newRow("seeded in another language") << QString() << true << 6;
    // Seven grocery runs on checking, one on the card.
    QTest::newRow("groceries deleted")
        << "UPDATE categories SET deleted_at = 'x' WHERE name = 'Groceries'" << false << 14;
}

void SampleDataTest::categories()
{
    QFETCH(QString, setup);
    QFETCH(bool, translated);
    QFETCH(int, withoutCategory);
    PrefixTranslator translator;
    if (translated)
        QCoreApplication::installTranslator(&translator);
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    if (!setup.isEmpty())
        exec(setup);
    QVERIFY(SampleDataService(db.db()).loadSampleData());
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(count(QStringLiteral("transactions WHERE category_id IS NULL")), withoutCategory);
    // Names that occur under two parents resolve by path; "Auto" is the
    // insurance one, not "Auto Insurance" under Transportation.
    const QString prefix = translated ? QStringLiteral("DE:") : QString();
    QSqlQuery q(QSqlDatabase::database());
    QVERIFY(q.exec(QStringLiteral("SELECT p.name || ' > ' || c.name FROM transactions t JOIN categories c ON "
                                  "c.id = t.category_id JOIN categories p ON p.id = c.parent_id WHERE t.payee = "
                                  "'Clearview Insurance' OR t.check_number = '1041' ORDER BY t.rowid")));
    QStringList paths;
    while (q.next())
        paths << q.value(0).toString();
    QCOMPARE(paths, QStringList({prefix + "Housing > " + prefix + "Rent/Mortgage Payment",
                                 prefix + "Insurance > " + prefix + "Auto"}));
}

void SampleDataTest::transferLegsPointAtEachOther()
{
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    QVERIFY(SampleDataService(db.db()).loadSampleData());
    QCOMPARE(count(QStringLiteral("transactions WHERE transfer_link_id IS NOT NULL")), 4);
    QSqlQuery q(QSqlDatabase::database());
    QVERIFY(q.exec(QStringLiteral(
        "SELECT a.date, a.account_id, a.amount, a.transfer_dest_account_id, a.category_id IS NULL FROM transactions a "
        "JOIN transactions b ON b.id = a.transfer_link_id AND a.id = b.transfer_link_id "
        "WHERE a.date = b.date AND a.amount = -b.amount AND a.transfer_dest_account_id = b.account_id "
        "AND b.transfer_dest_account_id = a.account_id ORDER BY a.date, a.amount")));
    QStringList legs;
    while (q.next())
        legs << QStringLiteral("%1 %2 %3 %4 %5")
                    .arg(q.value(0).toString(), q.value(1).toString(), q.value(2).toString(), q.value(3).toString(),
                         q.value(4).toString());
    QCOMPARE(legs, QStringList({dayText(-30) + " sample-acct-checking -50000 sample-acct-savings 1",
                                dayText(-30) + " sample-acct-savings 50000 sample-acct-checking 1",
                                dayText(0) + " sample-acct-checking -50000 sample-acct-savings 1",
                                dayText(0) + " sample-acct-savings 50000 sample-acct-checking 1"}));
}

void SampleDataTest::clearLeavesUserRows()
{
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    exec(QString::fromLatin1(kUserAccount));
    exec(QString::fromLatin1(kUserTransaction).arg(QStringLiteral("user-acct")));
    exec(QStringLiteral("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                        "reconciled_balance, completed_at) VALUES ('user-rec', 'user-acct', '2025-01-31', 0, 0, 'x')"));
    exec(QStringLiteral("INSERT INTO sync_queue (entity_type, entity_id, action, created_at) VALUES "
                        "('account', 'sample-acct-visa', 'create', 'x'), ('account', 'user-acct', 'create', 'x')"));
    SampleDataService service(db.db());
    QVERIFY(service.loadSampleData());
    QVERIFY(service.clearSampleData());

    QVERIFY(!service.hasSampleData());
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(id) FROM accounts")).toString(), QStringLiteral("user-acct"));
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(id) FROM transactions")).toString(),
             QStringLiteral("user-txn"));
    QCOMPARE(count(QStringLiteral("recurring_transactions")), 0);
    QCOMPARE(count(QStringLiteral("reconciliations")), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT group_concat(entity_id) FROM sync_queue")).toString(),
             QStringLiteral("user-acct"));
    QCOMPARE(count(QStringLiteral("categories")), 56);
    // The full-text index followed the deletes.
    QCOMPARE(count(QStringLiteral("transactions_fts WHERE transactions_fts MATCH 'Greenleaf'")), 0);
}

void SampleDataTest::blockedClearChangesNothing_data()
{
    QTest::addColumn<QString>("userRow");
    QTest::newRow("transaction in a sample account") << QString::fromLatin1(kUserTransaction).arg("sample-acct-visa");
    QTest::newRow("schedule in a sample account")
        << "INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, "
           "created_at, updated_at) VALUES ('user-rec', 'sample-acct-checking', 'Me', -1, '2025-01-01', "
           "'2025-02-01', 'x', 'x')";
    QTest::newRow("reconciliation of a sample account")
        << "INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, reconciled_balance, "
           "completed_at) VALUES ('user-rcn', 'sample-acct-savings', '2025-01-31', 0, 0, 'x')";
}

void SampleDataTest::blockedClearChangesNothing()
{
    QFETCH(QString, userRow);
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    SampleDataService service(db.db());
    QVERIFY(service.loadSampleData());
    exec(userRow);
    expectWarning(QStringLiteral("clearSampleData failed: .*FOREIGN KEY"));
    QVERIFY(!service.clearSampleData());
    QVERIFY(service.hasSampleData());
    QCOMPARE(count(QStringLiteral("accounts")), 3);
    QCOMPARE(count(QStringLiteral("transactions WHERE id LIKE 'sample-%'")), 49);
    QCOMPARE(count(QStringLiteral("recurring_transactions WHERE id LIKE 'sample-%'")), 3);
}

void SampleDataTest::secondLoadChangesNothing()
{
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    SampleDataService service(db.db());
    QVERIFY(service.loadSampleData());
    // A soft-deleted sample account still counts as loaded.
    exec(QStringLiteral("UPDATE accounts SET deleted_at = 'x'"));
    QVERIFY(service.hasSampleData());
    expectWarning(QStringLiteral("insertAccount failed: .*UNIQUE"));
    QVERIFY(!service.loadSampleData());
    QCOMPARE(count(QStringLiteral("accounts")), 3);
    QCOMPARE(count(QStringLiteral("transactions")), 49);
    QCOMPARE(count(QStringLiteral("recurring_transactions")), 3);
}

void SampleDataTest::callersTransactionIsNotTouched()
{
    TestSupport::TempDatabase db;
    seedCategories(db.db());
    SampleDataService service(db.db());
    QSqlDatabase connection = QSqlDatabase::database();

    // Inside a caller's transaction the load nests, and the caller decides.
    QVERIFY(connection.transaction());
    QVERIFY(service.loadSampleData());
    QCOMPARE(count(QStringLiteral("transactions")), 49);
    QVERIFY(connection.rollback());
    QCOMPARE(count(QStringLiteral("transactions")), 0);

    // A failing clear undoes only its own deletes, not the caller's writes.
    QVERIFY(service.loadSampleData());
    exec(QString::fromLatin1(kUserTransaction).arg(QStringLiteral("sample-acct-checking")));
    QVERIFY(connection.transaction());
    exec(QString::fromLatin1(kUserAccount));
    expectWarning(QStringLiteral("clearSampleData failed: "));
    QVERIFY(!service.clearSampleData());
    QVERIFY(connection.commit());
    QCOMPARE(count(QStringLiteral("accounts")), 4);
    QCOMPARE(count(QStringLiteral("transactions")), 50);
}

void SampleDataTest::menuItems()
{
    QTemporaryDir dir;
    qputenv("TALLYLEAF_DATA_DIR", dir.path().toUtf8());
    AppState state;
    QVERIFY(state.initialize());
    MainWindow window(&state);
    auto status = [&window] { return window.appStatusBar()->currentMessage(); };
    m_boxes.clear();

    window.onClearSampleData();
    QCOMPARE(m_boxes.takeFirst(), QStringLiteral("Sample Data|No sample data to clear."));

    window.onLoadSampleData();
    QCOMPARE(status(), QStringLiteral("Sample data loaded"));
    QCOMPARE(window.accountList()->count(), 3);
    // No welcome page beside a list of accounts: the first one is shown.
    QCOMPARE(window.pages()->currentWidget(), window.registerPage());
    QCOMPARE(state.currentAccountId(), QStringLiteral("sample-acct-checking"));
    window.selectAccount(QStringLiteral("sample-acct-visa"));
    QCOMPARE(window.pages()->currentWidget(), window.registerPage());

    window.onLoadSampleData();
    QCOMPARE(m_boxes.takeFirst(), QStringLiteral("Sample Data|Sample data is already loaded."));
    QCOMPARE(count(QStringLiteral("transactions")), 49);

    // A row of the user's in a sample account: a warning, not "cleared".
    exec(QString::fromLatin1(kUserTransaction).arg(QStringLiteral("sample-acct-visa")));
    window.appStatusBar()->clearMessage();
    expectWarning(QStringLiteral("clearSampleData failed: "));
    window.onClearSampleData();
    QVERIFY(m_boxes.takeFirst().startsWith(
        QStringLiteral("Sample Data|The sample data could not be cleared. Nothing was changed.")));
    QVERIFY(status().isEmpty());
    QCOMPARE(window.accountList()->count(), 3);

    exec(QStringLiteral("DELETE FROM transactions WHERE id = 'user-txn'"));
    window.onClearSampleData();
    QCOMPARE(status(), QStringLiteral("Sample data cleared"));
    QCOMPARE(window.accountList()->count(), 0);
    QCOMPARE(window.pages()->currentWidget(), static_cast<QWidget*>(window.welcomePage()));
    QVERIFY(state.currentAccountId().isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

TALLYLEAF_TEST_MAIN(SampleDataTest)
#include "tst_sampledata.moc"
