#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "services/importsetup.h"
#include "sync/syncengine.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/importqifmapping.h"
#include "ui/screens/importscreen.h"
#include "ui/widgets/smartamountfield.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTableView>
#include <QUuid>

#include <memory>

using TestSupport::exec;
using TestSupport::scalar;

namespace {

const QByteArray kOneRow("Date,Payee,Amount\n2024-03-01,Coffee,-4.50\n");

} // namespace

class TestImportScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void csvColumnsAndPreview();
    void csvSummary_data();
    void csvSummary();
    void longCsvShowsEveryRow();
    void remapRereadsTheShownRow();
    void wideCsvOpens();
    void changedCsvIsRefused();
    void unreadableCsv_data();
    void unreadableCsv();
    void failedImportRollsBack_data();
    void failedImportRollsBack();
    void targetGoneBeforeStart_data();
    void targetGoneBeforeStart();
    void createsMissingAccount();
    void qifRowsAndImport();
    void qifNothingUsable_data();
    void qifNothingUsable();

private:
    QString write(const QString& name, const QByteArray& content);
    QString addAccount(const QString& name);
    void choose(const QStringList& files);
    void setQif(bool qif);
    void clickImport();
    QStringList stored(const QString& accountId = QString());
    template <typename T>
    T* child(const char* name) const
    {
        return m_screen->findChild<T*>(QLatin1String(name));
    }
    QStringList columns() const;

    AppState m_state;
    QTemporaryDir m_dir;
    std::unique_ptr<ImportScreen> m_screen;
    QString m_account;
    QStringList m_files;
    QList<MessageBoxes::FileRequest> m_requests;
    QStringList m_boxes; // "title: text"
    std::function<int(QDialog*)> m_dialog;
};

void TestImportScreen::initTestCase()
{
    QVERIFY(m_state.initialize());
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r.title + QStringLiteral(": ") + r.text);
        return r.buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok;
    });
    MessageBoxes::setDialogRunner([this](QDialog* d) { return m_dialog ? m_dialog(d) : int(QDialog::Rejected); });
    MessageBoxes::setFileChooser([this](const MessageBoxes::FileRequest& r) {
        m_requests.append(r);
        return m_files;
    });
}

void TestImportScreen::init()
{
    m_screen.reset();
    exec(QStringLiteral("DELETE FROM split_lines"));
    exec(QStringLiteral("DELETE FROM transactions"));
    exec(QStringLiteral("DELETE FROM accounts"));
    m_boxes.clear();
    m_requests.clear();
    m_dialog = nullptr;
    m_account = addAccount(QStringLiteral("Checking"));
    m_screen = std::make_unique<ImportScreen>(&m_state);
    m_screen->resize(650, 600);
    m_screen->show();
    m_screen->refresh();
}

QString TestImportScreen::write(const QString& name, const QByteArray& content)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        qFatal("cannot write test file");
    return path;
}

QString TestImportScreen::addAccount(const QString& name)
{
    Account a;
    a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.name = name;
    a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state.accountRepository()->insert(a))
        qFatal("account insert failed");
    return a.id;
}

void TestImportScreen::choose(const QStringList& files)
{
    m_files = files;
    child<QPushButton>("browseButton")->click();
}

void TestImportScreen::setQif(bool qif)
{
    child<QRadioButton>(qif ? "qifRadio" : "csvRadio")->setChecked(true);
}

void TestImportScreen::clickImport()
{
    child<QPushButton>("importButton")->click();
}

// "date|amount|payee" of the live rows, by date then payee.
QStringList TestImportScreen::stored(const QString& accountId)
{
    QStringList rows;
    for (const Transaction& t : m_state.transactionRepository()->findByAccount(
             accountId.isEmpty() ? m_account : accountId))
        rows << QStringLiteral("%1|%2|%3").arg(t.date.toString(Qt::ISODate)).arg(t.amount).arg(t.payee);
    rows.sort();
    return rows;
}

// The data of the date, payee and amount column lists.
QStringList TestImportScreen::columns() const
{
    QStringList data;
    for (const char* combo : {"dateColumnCombo", "payeeColumnCombo", "amountColumnCombo"})
        data << child<QComboBox>(combo)->currentData().toString();
    return data;
}

void TestImportScreen::csvColumnsAndPreview()
{
    const QString first = write("first.csv", "Date,Payee,Amount,Memo text longer than twenty\n"
                                             "25/12/2024,Coffee,\"-12,50\"\n02/01/2025,Rent,\"-1.234,56\"\n");
    choose({first});
    QCOMPARE(m_requests.size(), 1);
    QCOMPARE(m_requests.first().caption, QStringLiteral("Select File"));
    QCOMPARE(m_requests.first().filter, QStringLiteral("CSV Files (*.csv);;All Files (*)"));
    QVERIFY(m_requests.first().kind == MessageBoxes::FileRequest::Kind::Open);
    QCOMPARE(child<QLabel>("fileLabel")->text(), QStringLiteral("first.csv"));
    QCOMPARE(child<QComboBox>("memoColumnCombo")->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(child<QComboBox>("dateColumnCombo")->itemText(0), QStringLiteral("Col 0: Date"));
    QCOMPARE(columns(), (QStringList{"0", "1", "2"}));

    // Every row, the header included, with date and amount as stored.
    QAbstractItemModel* table = child<QTableView>("previewTable")->model();
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->headerData(2, Qt::Horizontal).toString(), QStringLiteral("Col 2\nAmount"));
    QCOMPARE(table->index(2, 2).data().toString(), QStringLiteral("-1,234.56"));
    QCOMPARE(child<QLabel>("previewSummary")->text(), QStringLiteral("2 row(s) to import"));
    child<QCheckBox>("headerCheck")->setChecked(false);
    QCOMPARE(table->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Not imported: no readable date"));
    QCOMPARE(child<QLabel>("previewSummary")->text(),
             QStringLiteral("2 row(s) to import; 1 row(s) cannot be read and will be skipped"));

    // The same file keeps a changed mapping; another file, or a changed
    // column count, brings back columns 0, 1 and 2; two columns are too few.
    child<QComboBox>("dateColumnCombo")->setCurrentIndex(2);
    child<QComboBox>("amountColumnCombo")->setCurrentIndex(0);
    choose({first});
    QCOMPARE(columns(), (QStringList{"2", "1", "0"}));
    child<QComboBox>("payeeColumnCombo")->setCurrentIndex(0);
    choose({write("two.csv", "a,b\n")});
    QCOMPARE(columns().mid(1, 1), QStringList{"0"});
    auto* format = child<QComboBox>("dateFormatCombo");
    format->setCurrentIndex(4);
    choose({write("two.csv", "a,b\n")});
    QCOMPARE(format->currentIndex(), 4);
    choose({write("other.csv", "a,b,c\n")});
    QCOMPARE(columns(), (QStringList{"0", "1", "2"}));
    QCOMPARE(format->currentText(), QStringLiteral("Auto-detect"));
}

void TestImportScreen::csvSummary_data()
{
    QTest::addColumn<int>("amountColumn");
    QTest::addColumn<QString>("log");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("duplicate") << 2 << "Import complete!\n\n2 transaction(s) imported\n1 duplicate(s) skipped"
                               << QStringList{"2024-03-01|-450|Coffee", "2024-03-02|-1250|Lunch",
                                              "2024-03-03|123456|Pay"};
    QTest::newRow("amount on a text column")
        << 1 << "Import complete!\n\n0 transaction(s) imported\n3 record(s) skipped (unparseable)"
        << QStringList{"2024-03-01|-450|Coffee"};
}

void TestImportScreen::csvSummary()
{
    QFETCH(int, amountColumn);
    QFETCH(QString, log);
    QFETCH(QStringList, rows);
    Transaction typed;
    typed.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    typed.accountId = m_account;
    typed.date = QDate(2024, 3, 1);
    typed.payee = QStringLiteral("Coffee");
    typed.amount = -450;
    typed.createdAt = typed.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state.transactionRepository()->insert(typed));

    // A progress dialog of this run only: there while it runs, gone after.
    QStringList progress;
    QObject scope; // ends the connection with the test
    connect(m_state.importService(), &ImportService::importStarted, &scope, [this, &progress] {
        for (QProgressDialog* d : m_screen->findChildren<QProgressDialog*>())
            progress << d->labelText() + (d->windowModality() == Qt::WindowModal ? " (window-modal)" : "");
    });
    QSignalSpy completed(m_screen.get(), &ImportScreen::importCompleted);

    choose({write("bank.csv", "Date,Payee,Amount\n2024-03-01,Coffee,\"-4,50\"\n2024-03-02,Lunch,\"-12,50\"\n"
                              "2024-03-03,Pay,\"1.234,56\"\n")});
    child<QComboBox>("amountColumnCombo")->setCurrentIndex(amountColumn);
    clickImport();
    QCOMPARE(progress, QStringList{"Importing... (window-modal)"});
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QProgressDialog*>(w));
    QCOMPARE(child<QPlainTextEdit>("log")->toPlainText(), log);
    QCOMPARE(child<QStackedWidget>("pages")->currentIndex(), 1);
    QCOMPARE(stored(), rows);
    QCOMPARE(m_boxes, QStringList());
    // Rows written: the main window is told at once.
    const int toldAtOnce = rows.size() > 1 ? 1 : 0;
    QCOMPARE(completed.size(), toldAtOnce);

    // Done: told again, the window closes and starts afresh.
    child<QPushButton>("doneButton")->click();
    QCOMPARE(completed.size(), toldAtOnce + 1);
    QVERIFY(!m_screen->isVisible());
    QCOMPARE(child<QStackedWidget>("pages")->currentIndex(), 0);
    QCOMPARE(child<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));
    QCOMPARE(child<QTableView>("previewTable")->model()->rowCount(), 0);
}

void TestImportScreen::longCsvShowsEveryRow()
{
    QByteArray csv("Date,Payee,Amount\n");
    for (int i = 0; i < 150; ++i)
        csv += "2024-03-01,Coffee " + QByteArray::number(i) + ",-1\n";
    choose({write("long.csv", csv + "2024-03-02,Tea,none\n")});
    QAbstractItemModel* table = child<QTableView>("previewTable")->model();
    auto* summary = child<QLabel>("previewSummary");
    QCOMPARE(table->rowCount(), 152);
    // The last row read back from the file, past the rows shown first.
    QCOMPARE(table->index(151, 1).data().toString(), QStringLiteral("Tea"));
    QCOMPARE(table->index(151, 2).data(Qt::ToolTipRole).toString(), QStringLiteral("Not imported: no readable amount"));
    QCOMPARE(summary->text(), QStringLiteral("150 row(s) to import; 1 row(s) cannot be read and will be skipped"));
    child<QCheckBox>("headerCheck")->setChecked(false);
    QCOMPARE(summary->text(), QStringLiteral("150 row(s) to import; 2 row(s) cannot be read and will be skipped"));
    QCOMPARE(table->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Not imported: no readable date"));
    child<QComboBox>("memoColumnCombo")->setCurrentIndex(2);
    QCOMPARE(table->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Col 1\nPayee, Memo"));
}

// The row read last is read again with the new mapping, not kept.
void TestImportScreen::remapRereadsTheShownRow()
{
    choose({write("bank.csv", "Date,Payee,Amount\n2024-03-01,Coffee,\"-4,50\"\n")});
    QAbstractItemModel* table = child<QTableView>("previewTable")->model();
    QCOMPARE(table->index(1, 2).data().toString(), QStringLiteral("-4.50"));
    child<QComboBox>("amountColumnCombo")->setCurrentIndex(1);
    QCOMPARE(table->index(1, 2).data().toString(), QStringLiteral("-4,50"));
    QCOMPARE(table->index(1, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("Not imported: no readable amount"));
    child<QComboBox>("amountColumnCombo")->setCurrentIndex(2);
    QCOMPARE(table->index(1, 2).data().toString(), QStringLiteral("-4.50"));
    // So is the choice of a header row.
    QCOMPARE(table->index(0, 0).data(Qt::FontRole).value<QFont>().italic(), true);
    child<QCheckBox>("headerCheck")->setChecked(false);
    QCOMPARE(table->index(0, 0).data(Qt::FontRole).value<QFont>().italic(), false);
    QCOMPARE(table->index(0, 0).data(Qt::ToolTipRole).toString(), QStringLiteral("Not imported: no readable date"));
}

// A file of 200,000 columns opens with every column in the lists and the
// preview, each item and header made for the column it stands for.
void TestImportScreen::wideCsvOpens()
{
    constexpr int kColumns = 200000;
    QByteArray first("c0");
    for (int i = 1; i < kColumns - 1; ++i)
        first += ",c" + QByteArray::number(i);
    // The longest row has one more, empty, field than the first.
    choose({write("wide.csv", first + "\n" + QByteArray(kColumns - 1, ',') + "\n")});
    auto* date = child<QComboBox>("dateColumnCombo");
    auto* memo = child<QComboBox>("memoColumnCombo");
    QCOMPARE(date->count(), kColumns);
    QCOMPARE(memo->count(), kColumns + 1);
    QCOMPARE(memo->itemText(0), QStringLiteral("(none)"));
    QCOMPARE(memo->itemData(0).toInt(), -1);
    const QList<std::pair<int, QString>> items = {{0, "Col 0: c0"},
                                                  {1, "Col 1: c1"},
                                                  {100000, "Col 100000: c100000"},
                                                  {kColumns - 2, "Col 199998: c199998"},
                                                  {kColumns - 1, "Column 199999"}};
    for (const auto& [column, text] : items) {
        QCOMPARE(date->itemText(column), text);
        QCOMPARE(date->itemData(column).toInt(), column);
        QCOMPARE(memo->itemText(column + 1), text);
        QCOMPARE(memo->itemData(column + 1).toInt(), column);
    }
    QCOMPARE(columns(), (QStringList{"0", "1", "2"}));
    // Too many items to measure one by one: the lists are as wide as their
    // longest item's characters.
    QCOMPARE(date->minimumContentsLength(), int(QStringLiteral("Col 199998: c199998").size()));

    QAbstractItemModel* table = child<QTableView>("previewTable")->model();
    QCOMPARE(table->columnCount(), kColumns);
    QCOMPARE(table->rowCount(), 2);
    memo->setCurrentIndex(kColumns);
    QCOMPARE(table->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Col 0\nDate"));
    QCOMPARE(table->headerData(100000, Qt::Horizontal).toString(), QStringLiteral("Col 100000"));
    QCOMPARE(table->headerData(kColumns - 1, Qt::Horizontal).toString(), QStringLiteral("Col 199999\nMemo"));
    QCOMPARE(table->index(0, 100000).data().toString(), QStringLiteral("c100000"));
    QCOMPARE(table->index(0, kColumns - 1).data().toString(), QString());
    QCOMPARE(child<QLabel>("previewSummary")->text(),
             QStringLiteral("0 row(s) to import; 1 row(s) cannot be read and will be skipped"));
    QCoreApplication::processEvents();

    // A file of a few columns has its lists measured again.
    choose({write("bank.csv", kOneRow)});
    QCOMPARE(date->count(), 3);
    QCOMPARE(date->sizeAdjustPolicy(), QComboBox::AdjustToContents);
    QCOMPARE(date->minimumContentsLength(), 0);
    QCOMPARE(memo->itemText(1), QStringLiteral("Col 0: Date"));
}

void TestImportScreen::changedCsvIsRefused()
{
    choose({write("bank.csv", kOneRow)});
    write("bank.csv", kOneRow + "2024-03-02,Tea,-3.00\n");
    clickImport();
    QCOMPARE(m_boxes, QStringList{"Import Transactions: The file \"bank.csv\" has changed since it was previewed. "
                                  "Check the preview and import again."});
    QCOMPARE(stored(), QStringList());
    // The preview now shows the file as it is, and imports it.
    QCOMPARE(child<QTableView>("previewTable")->model()->rowCount(), 3);
    clickImport();
    QCOMPARE(stored(), (QStringList{"2024-03-01|-450|Coffee", "2024-03-02|-300|Tea"}));
}

void TestImportScreen::unreadableCsv_data()
{
    QTest::addColumn<bool>("atImport");
    QTest::newRow("at preview") << false;
    QTest::newRow("at import") << true;
}

void TestImportScreen::unreadableCsv()
{
    QFETCH(bool, atImport);
    const QString path = m_dir.filePath("gone.csv");
    if (atImport) {
        choose({write("gone.csv", kOneRow)});
        QCOMPARE(child<QTableView>("previewTable")->model()->rowCount(), 2);
        QVERIFY(QFile::remove(path));
        clickImport();
    } else {
        choose({write("seen.csv", kOneRow)});
        choose({path});
    }
    QCOMPARE(m_boxes, QStringList{QStringLiteral("Cannot Read File: The file \"%1\" could not be opened or read.")
                                      .arg(QDir::toNativeSeparators(path))});
    QCOMPARE(child<QTableView>("previewTable")->model()->rowCount(), 0);
    QCOMPARE(child<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));
    QCOMPARE(child<QStackedWidget>("pages")->currentIndex(), 0);
    clickImport();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(stored(), QStringList());
}

void TestImportScreen::failedImportRollsBack_data()
{
    QTest::addColumn<bool>("qif");
    QTest::addColumn<QString>("log");
    const QString rolledBack = "Import failed.\n\nA database error stopped the import and all changes were rolled "
                               "back. No transactions were added.";
    QTest::newRow("csv") << false << rolledBack;
    // The account made for the run stays, and the row now offers it.
    QTest::newRow("qif") << true << rolledBack + "\n\nThe accounts created for it were kept: bank.";
}

void TestImportScreen::failedImportRollsBack()
{
    QFETCH(bool, qif);
    QFETCH(QString, log);
    // A row whose category vanishes fails the foreign-key check at COMMIT.
    exec(QStringLiteral("CREATE TEMP TRIGGER orphan AFTER INSERT ON main.transactions WHEN NEW.payee = 'Last' "
                        "BEGIN UPDATE transactions SET category_id = 'missing' WHERE id = NEW.id; END"));
    QObject scope; // ends the connection with the test
    connect(m_state.importService(), &ImportService::importStarted, &scope,
            [] { exec(QStringLiteral("PRAGMA defer_foreign_keys = ON")); });
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^ImportService::commitTransaction failed:")));
    setQif(qif);
    choose({qif ? write("bank.qif", "!Type:Bank\nD3/1/2024\nT1\nPFirst\n^\nD3/2/2024\nT2\nPLast\n^\n")
                : write("bank.csv", "Date,Payee,Amount\n2024-03-01,First,1\n2024-03-02,Last,2\n")});
    clickImport();
    exec(QStringLiteral("DROP TRIGGER temp.orphan"));

    QCOMPARE(m_boxes, QStringList());
    QCOMPARE(child<QPlainTextEdit>("log")->toPlainText(), log);
    QCOMPARE(child<QStackedWidget>("pages")->currentIndex(), 1);
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    if (qif)
        QCOMPARE(m_screen->findChild<QifMappingBox*>()->rows().first().targetCombo->currentText(),
                 QStringLiteral("bank"));
}

void TestImportScreen::targetGoneBeforeStart_data()
{
    QTest::addColumn<bool>("qif");
    QTest::addColumn<QString>("box"); // none: the target is renamed by a sync repair, not deleted
    QTest::newRow("csv") << false
                         << "Import Transactions: The account \"Checking\" no longer exists. Choose another account.";
    QTest::newRow("qif") << true
                         << "Import Transactions: The account chosen for Checking no longer exists. Choose another "
                            "one.";
    QTest::newRow("csv, renamed") << false << "";
    QTest::newRow("qif, renamed") << true << "";
}

void TestImportScreen::targetGoneBeforeStart()
{
    QFETCH(bool, qif);
    QFETCH(QString, box);
    const QString savings = addAccount(QStringLiteral("Savings"));
    m_screen->refresh();
    setQif(qif);
    choose({qif ? write("bank.qif", "!Account\nNChecking\n^\n!Type:Bank\nD3/1/2024\nT-4.50\nPCoffee\n^\n")
                : write("bank.csv", kOneRow)});
    if (box.isEmpty()) {
        for (const char* sql : {"PRAGMA foreign_keys = OFF", "UPDATE accounts SET id = 'A2' WHERE name = 'Checking'",
                                "PRAGMA foreign_keys = ON"})
            exec(QLatin1String(sql));
        emit m_state.syncEngine()->idsRenamed(QStringLiteral("accounts"), {{m_account, QStringLiteral("A2")}});
    } else {
        QVERIFY(m_state.accountRepository()->softDelete(m_account));
    }
    clickImport();
    QCOMPARE(m_boxes, box.isEmpty() ? QStringList() : QStringList{box});
    QCOMPARE(stored(QStringLiteral("A2")).size(), box.isEmpty() ? 1 : 0);
    if (box.isEmpty())
        return;
    QCOMPARE(stored(savings), QStringList());
    QCOMPARE(scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    // The choices left offer only live accounts.
    auto* target = qif ? m_screen->findChild<QifMappingBox*>()->rows().first().targetCombo
                       : child<QComboBox>("accountCombo");
    QCOMPARE(target->findData(m_account), -1);
    QVERIFY(target->findData(savings) >= 0);
}

void TestImportScreen::createsMissingAccount()
{
    QVERIFY(m_state.accountRepository()->softDelete(m_account));
    m_screen->refresh();
    choose({write("bank.csv", kOneRow)});
    m_dialog = [](QDialog* d) {
        auto* form = qobject_cast<AccountFormDialog*>(d);
        form->nameEdit()->setText(QStringLiteral("Wallet"));
        form->balanceField()->setValue(100);
        form->asOfEdit()->setDate(QDate(2024, 2, 1));
        return int(QDialog::Accepted);
    };
    clickImport();
    QCOMPARE(m_boxes, QStringList{"No target account: Pick an account to import into, or create one now."});
    const QList<Account> accounts = m_state.accountRepository()->findAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.first().name, QStringLiteral("Wallet"));
    QCOMPARE(accounts.first().startingBalance, 0);
    QCOMPARE(stored(accounts.first().id), (QStringList{"2024-02-01|10000|Opening Balance", "2024-03-01|-450|Coffee"}));
    QCOMPARE(scalar(QStringLiteral("SELECT cleared + reconciled FROM transactions WHERE payee = 'Opening Balance'"))
                 .toInt(),
             2);
    QCOMPARE(child<QComboBox>("accountCombo")->currentText(), QStringLiteral("Wallet"));
}

void TestImportScreen::qifRowsAndImport()
{
    QVERIFY(m_state.accountRepository()->softDelete(m_account));
    const QString existing = addAccount(QStringLiteral("checking"));
    m_screen->refresh();
    setQif(true);
    const QStringList files = {
        write("a.qif", "!Account\nNChecking\n^\n!Type:Bank\nD3/1/2024\nT-4.50\nPCoffee\n^\n"),
        write("b.qif", "!Account\nNCHECKING\n^\n!Type:Bank\nD3/2/2024\nT-5.00\nPTea\n^\n"
                       "!Account\nNVisa Card\n^\n!Type:CCard\nD3/3/2024\nT-20.00\nPBooks\n^\n"),
        write("visa.2024.qif", "!Type:Bank\nD3/4/2024\nT-7.00\nPCab\n^\n"),
    };
    choose(files);
    QCOMPARE(m_requests.first().caption, QStringLiteral("Select QIF File(s)"));
    QCOMPARE(m_requests.first().filter, QStringLiteral("QIF Files (*.qif)"));
    QVERIFY(m_requests.first().kind == MessageBoxes::FileRequest::Kind::OpenMany);
    QCOMPARE(child<QLabel>("fileLabel")->text(), QStringLiteral("3 file(s) selected"));

    // One row per account name, letter case ignored; a name matching an
    // account preselects it (also ignoring case), the rest offer to create.
    auto* box = m_screen->findChild<QifMappingBox*>();
    QVERIFY(box->isVisible());
    QStringList rows;
    for (const QifMappingRow& row : box->rows())
        rows << row.source.label + " -> " + row.targetCombo->currentText();
    QCOMPARE(rows, (QStringList{"Checking -> checking", "Visa Card -> — Create new account \"Visa Card\" —",
                                "visa.2024.qif (no account header) -> — Create new account \"visa\" —"}));

    // Away to CSV and back: the rows are gone until files are chosen again.
    setQif(false);
    setQif(true);
    QVERIFY(box->rows().isEmpty());
    clickImport();
    QCOMPARE(m_boxes, QStringList{"Import Transactions: Choose the QIF files again to map their accounts."});
    choose(files);

    QComboBox* checkingChoice = box->rows().first().targetCombo;
    checkingChoice->setCurrentIndex(checkingChoice->findData(QStringLiteral("__skip__")));
    clickImport();
    QCOMPARE(child<QPlainTextEdit>("log")->toPlainText(),
             QStringLiteral("Import complete!\n\n2 transaction(s) imported\n"
                            "2 record(s) skipped (unmapped source account)"));
    QCOMPARE(stored(existing), QStringList());
    QStringList created;
    for (const Account& a : m_state.accountRepository()->findAll()) {
        if (a.id != existing)
            created << a.name + ": " + accountTypeToString(a.accountType) + " " + stored(a.id).join(',');
    }
    created.sort();
    QCOMPARE(created, (QStringList{"Visa Card: credit_card 2024-03-03|-2000|Books",
                                   "visa: checking 2024-03-04|-700|Cab"}));
}

void TestImportScreen::qifNothingUsable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("box");
    QTest::newRow("unreadable") << "missing.qif" << QByteArray()
                                << "Cannot Read File: The file \"%1\" could not be opened or read.";
    QTest::newRow("no transactions")
        << "categories.qif" << QByteArray("!Type:Cat\nNFood\nE\n^\n")
        << "Nothing to Import: No transactions that can be imported were found in the chosen QIF file(s).";
}

void TestImportScreen::qifNothingUsable()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, box);
    setQif(true);
    const QString path = content.isEmpty() ? m_dir.filePath(name) : write(name, content);
    choose({path});
    QCOMPARE(m_boxes, QStringList{box.contains("%1") ? box.arg(QDir::toNativeSeparators(path)) : box});
    QVERIFY(m_screen->findChild<QifMappingBox*>()->isHidden());
    QCOMPARE(child<QLabel>("fileLabel")->text(), QStringLiteral("No file selected"));
    clickImport();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_state.accountRepository()->findAll().size(), 1);
}

TALLYLEAF_TEST_MAIN(TestImportScreen)
#include "tst_importscreen.moc"
