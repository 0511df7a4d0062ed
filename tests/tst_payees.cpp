#include "testsupport.h"

#include "app/appstate.h"
#include "data/database.h"
#include "data/sqlvalue.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/payeescreen.h"

#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSqlQuery>

#include <memory>

using TestSupport::exec;
using TestSupport::scalar;

namespace {

const QDateTime kStamp(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

// Every row as id, payee, updated_at, sync status and deletion.
QStringList rowsAsText()
{
    QSqlQuery q(QStringLiteral("SELECT id, payee, updated_at, sync_status, deleted_at IS NOT NULL, version "
                               "FROM transactions ORDER BY id"));
    QStringList rows;
    while (q.next())
        rows << QStringList{q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
                            q.value(3).toString(), q.value(4).toString(), q.value(5).toString()}
                    .join(QLatin1Char('|'));
    return rows;
}

} // namespace

class TestPayees : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void commands_data();
    void commands();
    void writtenRowsAndSearchIndex();
    void failureChangesNothing_data();
    void failureChangesNothing();

private:
    // Stores one transaction per payee in "Payee,Payee,..." ("-" before a
    // payee: soft-deleted), ids t1, t2, ... in that order.
    void store(const QString& payees);
    void select(const QStringList& payees);
    QString listed() const;

    AppState m_state;
    std::unique_ptr<PayeeScreen> m_screen;
    QStringList m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
};

void TestPayees::initTestCase()
{
    QVERIFY(m_state.initialize());
    exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                        "('a1', 'Checking', 'x', 'x'), ('a2', 'Savings', 'x', 'x')"));
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r.title + QStringLiteral(": ") + r.text);
        return r.buttons.testFlag(QMessageBox::Yes) ? m_answer : QMessageBox::Ok;
    });
}

void TestPayees::init()
{
    exec(QStringLiteral("DELETE FROM transactions"));
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_screen = std::make_unique<PayeeScreen>(&m_state);
}

void TestPayees::store(const QString& payees)
{
    QVERIFY(m_state.database()->database().transaction());
    int n = 0;
    for (QString payee : payees.split(QLatin1Char(','))) {
        Transaction t;
        t.id = QStringLiteral("t%1").arg(++n, 4, 10, QLatin1Char('0'));
        t.accountId = n % 2 ? QStringLiteral("a1") : QStringLiteral("a2");
        t.date = QDate(2024, 3, 1);
        const bool deleted = payee.startsWith(QLatin1Char('-'));
        t.payee = deleted ? payee.mid(1) : payee;
        t.createdAt = t.updatedAt = kStamp;
        t.syncStatus = SyncStatus::Synced;
        QVERIFY(m_state.transactionRepository()->insert(t));
        if (deleted)
            exec(QStringLiteral("UPDATE transactions SET deleted_at = 'y' WHERE id = '%1'").arg(t.id));
    }
    QVERIFY(m_state.database()->database().commit());
    m_screen->loadPayees();
}

void TestPayees::select(const QStringList& payees)
{
    for (const QString& payee : payees) {
        const QList<QListWidgetItem*> items = m_screen->payeeList()->findItems(payee, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        items.first()->setSelected(true);
    }
}

QString TestPayees::listed() const
{
    QStringList items;
    const QListWidget* list = m_screen->payeeList();
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text() + QLatin1Char(' ') + list->item(i)->data(PayeeScreen::CountRole).toString();
    return items.join(QStringLiteral("; "));
}

void TestPayees::commands_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QStringList>("selected"); // in selection order
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("merge");
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<QString>("listedAfter");
    QTest::addColumn<QStringList>("boxes");

    const QString drinks = QStringLiteral("Coffee,Tea,Coffee,-Coffee,coffee");
    const QString before = QStringLiteral("Coffee 2; Tea 1; coffee 1");
    QTest::newRow("rename, field trimmed") << drinks << QStringList{"Coffee"} << "  Café  " << false << true
                                           << "Café 2; Tea 1; coffee 1"
                                           << QStringList{"Rename Complete: Renamed 2 transaction(s)."};
    QTest::newRow("rename onto an existing payee") << drinks << QStringList{"Coffee"} << "Tea" << false << true
                                                   << "Tea 3; coffee 1"
                                                   << QStringList{"Rename Complete: Renamed 2 transaction(s)."};
    QTest::newRow("rename to itself") << drinks << QStringList{"Tea"} << "Tea" << false << true << before
                                      << QStringList{"Rename Complete: Renamed 0 transaction(s)."};
    QTest::newRow("rename, other letter case untouched")
        << drinks << QStringList{"coffee"} << "Cocoa" << false << true << "Cocoa 1; Coffee 2; Tea 1"
        << QStringList{"Rename Complete: Renamed 1 transaction(s)."};
    QTest::newRow("rename, empty field") << drinks << QStringList{"Tea"} << "   " << false << true << before
                                         << QStringList{};
    QTest::newRow("merge into the field's name")
        << drinks << QStringList{"Coffee", "coffee"} << "Coffee" << true << true << "Coffee 3; Tea 1"
        << QStringList{"Merge Payees: Merge 2 payees into \"Coffee\"?",
                       "Merge Complete: Merged 1 transaction(s)."};
    QTest::newRow("merge, target trimmed")
        << drinks << QStringList{"Coffee", "coffee"} << "  Coffee " << true << true << "Coffee 3; Tea 1"
        << QStringList{"Merge Payees: Merge 2 payees into \"Coffee\"?",
                       "Merge Complete: Merged 1 transaction(s)."};
    QTest::newRow("merge, empty field: first selected")
        << drinks << QStringList{"Tea", "Coffee", "coffee"} << "" << true << true << "Tea 4"
        << QStringList{"Merge Payees: Merge 3 payees into \"Tea\"?", "Merge Complete: Merged 3 transaction(s)."};
    QTest::newRow("merge, one selected") << drinks << QStringList{"Tea"} << "Drinks" << true << true << before
                                         << QStringList{"Merge: Select 2 or more payees to merge."};
    QTest::newRow("merge, answered No") << drinks << QStringList{"Tea", "Coffee"} << "Drinks" << true << false
                                        << before
                                        << QStringList{"Merge Payees: Merge 2 payees into \"Drinks\"?"};
}

void TestPayees::commands()
{
    QFETCH(QString, stored);
    QFETCH(QStringList, selected);
    QFETCH(QString, field);
    QFETCH(bool, merge);
    QFETCH(bool, answerYes);
    QFETCH(QString, listedAfter);
    QFETCH(QStringList, boxes);
    store(stored);
    select(selected);
    m_screen->renameField()->setText(field);
    m_answer = answerYes ? QMessageBox::Yes : QMessageBox::No;
    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);

    if (merge)
        m_screen->onMerge();
    else
        m_screen->onRename();

    QCOMPARE(m_boxes, boxes);
    QCOMPARE(listed(), listedAfter);
    QCOMPARE(changed.count(), boxes.value(boxes.size() - 1).contains(QLatin1String("Complete")) ? 1 : 0);
    // The soft-deleted row keeps its payee.
    QCOMPARE(scalar(QStringLiteral("SELECT payee FROM transactions WHERE deleted_at IS NOT NULL")).toString(),
             QStringLiteral("Coffee"));
}

void TestPayees::writtenRowsAndSearchIndex()
{
    store(QStringLiteral("Blue Bottle,Peet's,Blue Bottle,Library"));
    exec(QStringLiteral("UPDATE transactions SET version = 4"));
    TransactionRepository* repo = m_state.transactionRepository();
    QSignalSpy signal(repo, &TransactionRepository::transactionsChanged);
    int changed = 0;
    QVERIFY(repo->renamePayees({QStringLiteral("Blue Bottle"), QStringLiteral("Peet's")},
                               QStringLiteral("Coffee Shop"), &changed));
    QCOMPARE(changed, 3);
    // Like every transaction write: views reload and a sync is scheduled.
    QCOMPARE(signal.count(), 1);

    // Stamped now in UTC with "Z", pending, one version up from the synced
    // copy (so it wins over the server's); the others as they were.
    const QRegularExpression utc(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dZ$"));
    QSqlQuery q(QStringLiteral("SELECT payee, updated_at, sync_status, version FROM transactions ORDER BY id"));
    QStringList rows;
    while (q.next()) {
        const QString stamp = q.value(1).toString();
        const bool renamed = q.value(0).toString() == QLatin1String("Coffee Shop");
        if (renamed) {
            QVERIFY2(utc.match(stamp).hasMatch(), qPrintable(stamp));
            QVERIFY(qAbs(QDateTime::fromString(stamp, Qt::ISODate).secsTo(QDateTime::currentDateTimeUtc())) < 60);
        } else {
            QCOMPARE(stamp, SqlValue::timestampText(kStamp));
        }
        rows << q.value(0).toString() + QLatin1Char('|') + q.value(2).toString() + QLatin1Char('|')
                    + q.value(3).toString();
    }
    QCOMPARE(rows, (QStringList{"Coffee Shop|pending|5", "Coffee Shop|pending|5", "Coffee Shop|pending|5",
                                "Library|synced|4"}));

    // The full-text index follows: the new name is found, the old ones not.
    QCOMPARE(repo->search(QStringLiteral("coffee sh"), {}).size(), 3);
    QVERIFY(repo->search(QStringLiteral("bottle"), {}).isEmpty());
    QVERIFY(repo->search(QStringLiteral("peet"), {}).isEmpty());
}

void TestPayees::failureChangesNothing_data()
{
    QTest::addColumn<int>("payees");
    QTest::newRow("one statement") << 3;
    QTest::newRow("several statements") << 620;
}

void TestPayees::failureChangesNothing()
{
    QFETCH(int, payees);
    QStringList names;
    for (int i = 0; i < payees; ++i)
        names << QStringLiteral("P%1 store").arg(i, 3, 10, QLatin1Char('0'));
    store(names.join(QLatin1Char(',')) + QStringLiteral(",P000 store"));
    const QStringList before = rowsAsText();
    const QString listedBefore = listed();
    // The last payee's row fails, after the rows of all the others.
    exec(QStringLiteral("CREATE TEMP TRIGGER fail_late BEFORE UPDATE OF payee ON transactions "
                        "WHEN old.payee = '%1' BEGIN SELECT RAISE(ABORT, 'forced'); END")
             .arg(names.last()));
    m_screen->payeeList()->selectAll();
    m_screen->renameField()->setText(QStringLiteral("Everything"));
    QSignalSpy changed(m_screen.get(), &PayeeScreen::payeesChanged);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("renamePayees failed:.*forced")));

    m_screen->onMerge();
    exec(QStringLiteral("DROP TRIGGER temp.fail_late"));

    QCOMPARE(m_boxes.value(1), QStringLiteral("Merge Failed: The payees could not be changed. "
                                              "No transaction was changed."));
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(rowsAsText(), before);
    QCOMPARE(listed(), listedBefore);
    QCOMPARE(m_state.transactionRepository()->search(QStringLiteral("p000"), {}).size(), 2);
    QVERIFY(m_state.transactionRepository()->search(QStringLiteral("everything"), {}).isEmpty());
}

TALLYLEAF_TEST_MAIN(TestPayees)
#include "tst_payees.moc"
