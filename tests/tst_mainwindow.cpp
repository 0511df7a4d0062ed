#include "testsupport.h"

#include "account/core/authclient.h"
#include "account/core/client.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/importservice.h"
#include "services/sampledataservice.h"
#include "sync/syncengine.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/widgets/accountlistwidgets.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/mainwindow.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/welcomescreen.h"
#include "ui/widgets/smartamountfield.h"
#include "ui/widgets/statusbar.h"
#include "ui/style.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QSettings>
#include <QShortcut>
#include <QSignalSpy>
#include <QSplitter>
#include <QTimer>
#include <QStackedWidget>
#include <QTcpSocket>
#include <QUrlQuery>
#include <QUuid>

Q_DECLARE_METATYPE(CurrencyCode)
Q_DECLARE_METATYPE(AccountType)

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void accountRow_data();
    void accountRow();
    void footerTotal_data();
    void footerTotal();
    void rebuildsAreCoalesced();
    void balancesWaitForTheImport_data();
    void balancesWaitForTheImport();
    void shortcutsFollowTheOrder();
    void dragReorderIsSaved();
    void startPage_data();
    void startPage();
    void newAccount_data();
    void newAccount();
    void newAccountFailureStoresNothing_data();
    void newAccountFailureStoresNothing();
    void editAccountKeepsOpeningTransaction();
    void deleteAccount_data();
    void deleteAccount();
    void deleteFailureRollsBack();
    void contextMenuShowsNamesAsWritten();
    void startPageAfterTheCurrentGoes_data();
    void startPageAfterTheCurrentGoes();
    void highlightFollowsTheRegister();
    void featureWindowKeys();
    void unsavedEntryIsAskedAbout_data();
    void unsavedEntryIsAskedAbout();
    void unsavedEntryOffThePage_data();
    void unsavedEntryOffThePage();
    void closeAsksTheReconcileWindow_data();
    void closeAsksTheReconcileWindow();
    void renamedIdsAreFollowed_data();
    void renamedIdsAreFollowed();
    void accountCommandsNeedAnAccount_data();
    void accountCommandsNeedAnAccount();
    void toolWindowKeepsItsSize();
    void layoutIsSavedAndRestored();
    void welcomeScreenWordings();
    void signInWithoutBrowser();

private:
    MainWindow* window();
    QString addAccount(const QString& name, CurrencyCode currency = CurrencyCode::USD, qint64 starting = 0,
                       int sortOrder = 0, AccountType type = AccountType::Checking, const QString& institution = {},
                       const QString& last4 = {});
    QString addTransaction(const QString& accountId, qint64 amount, bool deleted = false);
    AccountRowWidget* row(int index);
    void settle();
    int liveCount(const char* table, const QString& accountId);

    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    QList<MessageBoxes::Request> m_boxes;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    std::function<int(QDialog*)> m_dialog;
};

void MainWindowTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Larkspur"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallyleaf"));
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        return m_answer;
    });
    MessageBoxes::setDialogRunner([this](QDialog* d) { return m_dialog ? m_dialog(d) : int(QDialog::Rejected); });
}

void MainWindowTest::init()
{
    m_dir = new QTemporaryDir;
    qputenv("TALLYLEAF_DATA_DIR", m_dir->path().toUtf8());
    QSettings().clear();
    m_state = new AppState;
    QVERIFY(m_state->initialize());
    m_boxes.clear();
    m_answer = QMessageBox::Yes;
    m_dialog = nullptr;
}

void MainWindowTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_state;
    m_state = nullptr;
    delete m_dir;
    m_dir = nullptr;
}

MainWindow* MainWindowTest::window()
{
    if (!m_window)
        m_window = new MainWindow(m_state);
    return m_window;
}

QString MainWindowTest::addAccount(const QString& name, CurrencyCode currency, qint64 starting, int sortOrder,
                                   AccountType type, const QString& institution, const QString& last4)
{
    Account a;
    a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.name = name;
    a.currency = currency;
    a.startingBalance = starting;
    a.sortOrder = sortOrder;
    a.accountType = type;
    a.institution = institution;
    a.accountNumberLast4 = last4;
    a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(a))
        qFatal("account insert failed");
    return a.id;
}

QString MainWindowTest::addTransaction(const QString& accountId, qint64 amount, bool deleted)
{
    Transaction t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    t.accountId = accountId;
    t.date = QDate(2024, 3, 1);
    t.payee = QStringLiteral("Payee");
    t.amount = amount;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->transactionRepository()->insert(t) || (deleted && !m_state->transactionRepository()->softDelete(t.id)))
        qFatal("transaction insert failed");
    return t.id;
}

AccountRowWidget* MainWindowTest::row(int index)
{
    QListWidget* list = window()->accountList();
    return qobject_cast<AccountRowWidget*>(list->itemWidget(list->item(index)));
}

void MainWindowTest::settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

int MainWindowTest::liveCount(const char* table, const QString& accountId)
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE account_id = '%2' AND deleted_at IS NULL")
                                   .arg(QLatin1String(table), accountId))
        .toInt();
}

void MainWindowTest::accountRow_data()
{
    QTest::addColumn<AccountType>("type");
    QTest::addColumn<CurrencyCode>("currency");
    QTest::addColumn<QString>("institution");
    QTest::addColumn<QString>("last4");
    QTest::addColumn<qint64>("starting");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("balance");
    QTest::addColumn<QString>("color");
    QTest::addColumn<QString>("subtitle");

    QTest::newRow("zero is green") << AccountType::Checking << CurrencyCode::USD << "" << "" << qint64(0) << qint64(0)
                                   << "$0.00" << "#66BB6A" << "Checking";
    QTest::newRow("one cent short is red") << AccountType::CreditCard << CurrencyCode::USD << "" << "" << qint64(0)
                                           << qint64(-1) << "-$0.01" << "#FF8A80" << "Credit Card";
    QTest::newRow("savings with digits") << AccountType::Savings << CurrencyCode::EUR << "" << "1234" << qint64(1000)
                                         << qint64(500) << "€15.00" << "#66BB6A" << "Savings  ·  *1234";
    QTest::newRow("institution first") << AccountType::Cash << CurrencyCode::GBP << "First & Co" << "" << qint64(-500)
                                       << qint64(0) << "-£5.00" << "#FF8A80" << "First & Co";
    QTest::newRow("JPY hundredths as yen") << AccountType::Other << CurrencyCode::JPY << "" << "" << qint64(0)
                                           << qint64(100000) << "¥1,000" << "#66BB6A" << "Other";
}

void MainWindowTest::accountRow()
{
    QFETCH(AccountType, type);
    QFETCH(CurrencyCode, currency);
    QFETCH(QString, institution);
    QFETCH(QString, last4);
    QFETCH(qint64, starting);
    QFETCH(qint64, amount);
    QFETCH(QString, balance);
    QFETCH(QString, color);
    QFETCH(QString, subtitle);

    const QString name = QStringLiteral("<b>Joint</b>");
    const QString id = addAccount(name, currency, starting, 0, type, institution, last4);
    if (amount != 0)
        addTransaction(id, amount);
    addTransaction(id, 999999, true); // soft-deleted rows do not count

    AccountRowWidget* w = row(0);
    QVERIFY(w);
    QCOMPARE(window()->accountList()->item(0)->data(Qt::UserRole).toString(), id);
    QCOMPARE(w->balanceLabel()->text(), balance);
    QCOMPARE(w->balanceLabel()->styleSheet(), QStringLiteral("color: %1;").arg(color));
    QCOMPARE(w->subtitleLabel()->text(), subtitle);
    QCOMPARE(w->nameLabel()->fullText(), name);
    QVERIFY(w->nameLabel()->toolTip().contains(QStringLiteral("&lt;b&gt;Joint&lt;/b&gt;")));
    // The same number as the register's last running balance.
    const QList<RegisterRow> rows = m_state->transactionRepository()->findRegisterRows(id);
    QCOMPARE(balance, formatDisplayAmount(rows.isEmpty() ? 0 : rows.last().runningBalance, currency));
}

void MainWindowTest::footerTotal_data()
{
    QTest::addColumn<QList<CurrencyCode>>("currencies");
    QTest::addColumn<QList<qint64>>("balances");
    QTest::addColumn<QString>("footer");
    QTest::addColumn<QString>("count");

    QTest::newRow("none") << QList<CurrencyCode>{} << QList<qint64>{} << "No accounts" << "0 account(s)";
    QTest::newRow("one currency") << QList<CurrencyCode>{CurrencyCode::EUR, CurrencyCode::EUR}
                                  << QList<qint64>{10000, -5000} << "Total: €50.00" << "2 account(s)";
    QTest::newRow("two currencies") << QList<CurrencyCode>{CurrencyCode::EUR, CurrencyCode::USD}
                                    << QList<qint64>{5000, 10000} << "Total: $100.00 · €50.00" << "2 account(s)";
    QTest::newRow("yen") << QList<CurrencyCode>{CurrencyCode::JPY} << QList<qint64>{123450} << "Total: ¥1,235"
                         << "1 account(s)";
}

void MainWindowTest::footerTotal()
{
    QFETCH(QList<CurrencyCode>, currencies);
    QFETCH(QList<qint64>, balances);
    QFETCH(QString, footer);
    QFETCH(QString, count);
    for (int i = 0; i < currencies.size(); ++i)
        addTransaction(addAccount(QStringLiteral("A%1").arg(i), currencies.at(i)), balances.at(i));
    QCOMPARE(window()->footerLabel()->text(), footer);
    QCOMPARE(window()->appStatusBar()->findChild<QLabel*>(QStringLiteral("accountCountLabel"))->text(), count);
}

void MainWindowTest::rebuildsAreCoalesced()
{
    const QString id = addAccount(QStringLiteral("Checking"));
    QSignalSpy resets(window()->accountList()->model(), &QAbstractItemModel::modelReset);
    for (int i = 0; i < 50; ++i)
        addTransaction(id, 100);
    QCOMPARE(resets.count(), 0);
    settle();
    QCOMPARE(resets.count(), 1);
    QCOMPARE(row(0)->balanceLabel()->text(), QStringLiteral("$50.00"));
}

void MainWindowTest::balancesWaitForTheImport_data()
{
    QTest::addColumn<bool>("rollBack");
    QTest::addColumn<QString>("after");
    // The last hundred rows are not stored: no change signal follows the
    // last turn of the event loop, only the end of the import.
    QTest::newRow("committed") << false << "-$140.00";
    QTest::newRow("rolled back") << true << "$10.00";
}

// The import lets the event loop run with its rows not yet committed: the
// list shows them only once they are stored, and never when rolled back.
void MainWindowTest::balancesWaitForTheImport()
{
    QFETCH(bool, rollBack);
    QFETCH(QString, after);
    const QString id = addAccount(QStringLiteral("Checking"), CurrencyCode::USD, 1000);
    window();
    settle();
    QCOMPARE(row(0)->balanceLabel()->text(), QStringLiteral("$10.00"));

    QByteArray csv;
    for (int i = 0; i < 250; ++i) {
        const QString payee = rollBack && i == 220 ? QStringLiteral("Bad") : QString::number(i);
        csv += QStringLiteral("%1,%2,-1.00\n").arg(!rollBack && i >= 150 ? "no date" : "2024-03-01", payee).toUtf8();
    }
    const QString path = m_dir->filePath(QStringLiteral("bank.csv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(csv) == csv.size());
    file.close();
    if (rollBack) {
        TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE INSERT ON main.transactions WHEN "
                                         "NEW.payee = 'Bad' BEGIN SELECT RAISE(ROLLBACK, 'forced'); END"));
        QTest::ignoreMessage(QtWarningMsg,
                             QRegularExpression(QStringLiteral("^TransactionRepository::insert failed:")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CSV import aborted:")));
    }

    ImportService* import = m_state->importService();
    QStringList during;
    QObject scope; // ends the connection with the test
    connect(import, &ImportService::importProgress, &scope,
            [&](int, int) { during << row(0)->balanceLabel()->text(); });
    CsvColumnMapping mapping;
    const ImportResult result = import->importCsv(path, id, mapping);
    QCOMPARE(result.failed, rollBack);
    QCOMPARE(during, QStringList(during.size(), QStringLiteral("$10.00")));
    QCOMPARE(during.size(), 3);
    settle();
    QCOMPARE(row(0)->balanceLabel()->text(), after);
}

void MainWindowTest::shortcutsFollowTheOrder()
{
    QStringList ids;
    for (int i = 0; i < 12; ++i)
        ids.append(addAccount(QStringLiteral("Account %1").arg(i, 2, 10, QLatin1Char('0')), CurrencyCode::USD, 0, i));
    const QList<QShortcut*> first = window()->accountShortcuts();
    QCOMPARE(first.size(), 10);
    for (int i = 0; i < 10; ++i) {
        const Qt::Key key = i < 9 ? Qt::Key(Qt::Key_1 + i) : Qt::Key_0;
        QCOMPARE(first.at(i)->key(), QKeySequence(QKeyCombination(Qt::AltModifier, key)));
        QCOMPARE(first.at(i)->context(), Qt::WindowShortcut);
    }
    emit first.at(9)->activated();
    QCOMPARE(m_state->currentAccountId(), ids.at(9));
    QCOMPARE(window()->accountList()->currentRow(), 9);

    // Reversed order: Alt+1 now selects the last account; the old shortcut
    // objects are gone.
    QPointer<QShortcut> old = first.at(0);
    QList<AccountSortOrder> orders;
    for (int i = 0; i < 12; ++i)
        orders.append({ids.at(i), 11 - i});
    QVERIFY(m_state->accountRepository()->updateSortOrders(orders));
    settle();
    QVERIFY(old.isNull());
    QCOMPARE(window()->findChildren<QShortcut*>().size(), 10);
    emit window()->accountShortcuts().at(0)->activated();
    QCOMPARE(m_state->currentAccountId(), ids.at(11));
}

void MainWindowTest::dragReorderIsSaved()
{
    const QString a = addAccount(QStringLiteral("A"), CurrencyCode::USD, 0, 0);
    const QString b = addAccount(QStringLiteral("B"), CurrencyCode::USD, 0, 1);
    const QString c = addAccount(QStringLiteral("C"), CurrencyCode::USD, 0, 2);
    QListWidget* list = window()->accountList();
    QVERIFY(list->model()->moveRow(QModelIndex(), 2, QModelIndex(), 0));
    // Saved only after the move has returned.
    QCOMPARE(m_state->accountRepository()->findAll().first().id, a);
    settle();
    QStringList order;
    for (const Account& account : m_state->accountRepository()->findAll())
        order.append(account.id);
    QCOMPARE(order, QStringList({c, a, b}));
    QCOMPARE(list->item(0)->data(Qt::UserRole).toString(), c);
}

void MainWindowTest::startPage_data()
{
    QTest::addColumn<QString>("current"); // "valid", "deleted", "missing", "none"
    QTest::addColumn<int>("accounts");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("selectedIndex"); // index into the created ids, -1 none

    QTest::newRow("valid current") << "valid" << 2 << "register" << 1;
    QTest::newRow("deleted current") << "deleted" << 2 << "register" << 0;
    QTest::newRow("missing current") << "missing" << 2 << "register" << 0;
    QTest::newRow("no accounts, signed out") << "none" << 0 << "welcome" << -1;
    QTest::newRow("only a deleted one") << "deleted" << 0 << "welcome" << -1;
}

void MainWindowTest::startPage()
{
    QFETCH(QString, current);
    QFETCH(int, accounts);
    QFETCH(QString, page);
    QFETCH(int, selectedIndex);

    QStringList ids;
    for (int i = 0; i < accounts; ++i)
        ids.append(addAccount(QStringLiteral("Account %1").arg(i), CurrencyCode::USD, 0, i));
    if (current == QLatin1String("valid")) {
        m_state->setCurrentAccountId(ids.at(1));
    } else if (current == QLatin1String("deleted")) {
        const QString gone = addAccount(QStringLiteral("Gone"), CurrencyCode::USD, 0, -1);
        QVERIFY(m_state->accountRepository()->softDelete(gone));
        m_state->setCurrentAccountId(gone);
    } else if (current == QLatin1String("missing")) {
        m_state->setCurrentAccountId(QStringLiteral("no-such-account"));
    }

    MainWindow* w = window();
    QWidget* expected = page == QLatin1String("register") ? w->registerPage() : static_cast<QWidget*>(w->welcomePage());
    QCOMPARE(w->pages()->currentWidget(), expected);
    QCOMPARE(m_state->currentAccountId(), selectedIndex < 0 ? QString() : ids.at(selectedIndex));
    QCOMPARE(w->accountList()->currentRow(), selectedIndex);
}

void MainWindowTest::newAccount_data()
{
    QTest::addColumn<double>("entered");
    QTest::addColumn<qint64>("opening"); // 0: no transaction

    QTest::newRow("250.00") << 250.0 << qint64(25000);
    QTest::newRow("zero") << 0.0 << qint64(0);
    QTest::newRow("-40.00") << -40.0 << qint64(-4000);
}

void MainWindowTest::newAccount()
{
    QFETCH(double, entered);
    QFETCH(qint64, opening);
    m_dialog = [entered](QDialog* d) {
        auto* form = qobject_cast<AccountFormDialog*>(d);
        form->nameEdit()->setText(QStringLiteral("  Household  "));
        form->balanceField()->setValue(entered);
        form->asOfEdit()->setDate(QDate(2024, 1, 15));
        return int(QDialog::Accepted);
    };
    // Through the welcome page's button, as a first user would.
    emit window()->welcomePage()->createAccountRequested();

    const QList<Account> accounts = m_state->accountRepository()->findAll();
    QCOMPARE(accounts.size(), 1);
    QCOMPARE(accounts.first().name, QStringLiteral("Household"));
    QCOMPARE(accounts.first().startingBalance, qint64(0));
    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount(accounts.first().id);
    QCOMPARE(rows.size(), opening == 0 ? 0 : 1);
    if (opening != 0) {
        const Transaction& t = rows.first();
        QCOMPARE(t.amount, opening);
        QCOMPARE(t.payee, QStringLiteral("Opening Balance"));
        QCOMPARE(t.date, QDate(2024, 1, 15));
        QVERIFY(t.cleared);
        QVERIFY(t.reconciled);
        QCOMPARE(t.syncStatus, SyncStatus::Pending);
        QVERIFY(t.categoryId.isEmpty() && t.transferLinkId.isEmpty() && !t.isSplit);
    }
    QCOMPARE(m_state->currentAccountId(), accounts.first().id);
    QCOMPARE(window()->pages()->currentWidget(), window()->registerPage());
    settle();
    QCOMPARE(row(0)->balanceLabel()->text(), formatAmount(opening, CurrencyCode::USD));
    QCOMPARE(window()->accountList()->currentRow(), 0);
}

void MainWindowTest::newAccountFailureStoresNothing_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("warning");
    QTest::newRow("account refused") << "accounts" << "AccountRepository::insert failed:";
    QTest::newRow("opening refused") << "transactions" << "TransactionRepository::insert failed:";
}

void MainWindowTest::newAccountFailureStoresNothing()
{
    QFETCH(QString, table);
    QFETCH(QString, warning);
    const QString existing = addAccount(QStringLiteral("Existing"));
    window();
    TestSupport::exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON %1 BEGIN SELECT RAISE(ABORT, 'refused'); END")
                          .arg(table));
    m_dialog = [](QDialog* d) {
        auto* form = qobject_cast<AccountFormDialog*>(d);
        form->nameEdit()->setText(QStringLiteral("New"));
        form->balanceField()->setValue(10);
        return int(QDialog::Accepted);
    };
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(warning)));
    window()->showNewAccountDialog();
    QCOMPARE(m_state->accountRepository()->findAll().size(), 1);
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM transactions")).toInt(), 0);
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.first().text, QStringLiteral("The account \"New\" could not be created."));
    QCOMPARE(m_state->currentAccountId(), existing);
}

void MainWindowTest::editAccountKeepsOpeningTransaction()
{
    m_dialog = [](QDialog* d) {
        auto* form = qobject_cast<AccountFormDialog*>(d);
        form->nameEdit()->setText(form->windowTitle() == QLatin1String("New Account") ? QStringLiteral("Old")
                                                                                       : QStringLiteral("Renamed"));
        form->balanceField()->setValue(form->windowTitle() == QLatin1String("New Account") ? 100 : 75.5);
        return int(QDialog::Accepted);
    };
    window()->showNewAccountDialog();
    window()->showEditAccountDialog();
    const Account a = m_state->accountRepository()->findAll().first();
    QCOMPARE(a.name, QStringLiteral("Renamed"));
    QCOMPARE(a.startingBalance, qint64(7550));
    const QList<Transaction> rows = m_state->transactionRepository()->findByAccount(a.id);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows.first().amount, qint64(10000));
}

void MainWindowTest::deleteAccount_data()
{
    QTest::addColumn<bool>("current");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::newRow("no changes nothing") << true << QMessageBox::No;
    QTest::newRow("yes on the current account") << true << QMessageBox::Yes;
    QTest::newRow("yes on another account") << false << QMessageBox::Yes;
}

void MainWindowTest::deleteAccount()
{
    QFETCH(bool, current);
    QFETCH(QMessageBox::StandardButton, answer);
    const QString keep = addAccount(QStringLiteral("Keep"), CurrencyCode::USD, 0, 0);
    const QString doomed = addAccount(QStringLiteral("Bills & Fees"), CurrencyCode::USD, 0, 1);
    addTransaction(doomed, 500);
    addTransaction(keep, 700);
    RecurringTransaction r;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.accountId = doomed;
    r.payee = QStringLiteral("Rent");
    r.startDate = r.nextDueDate = QDate(2024, 1, 1);
    r.createdAt = r.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->recurringRepository()->insert(r));
    Reconciliation rec;
    rec.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    rec.accountId = doomed;
    rec.statementDate = QDate(2024, 1, 31);
    rec.completedAt = rec.createdAt = rec.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->reconciliationRepository()->insert(rec));
    m_state->setCurrentAccountId(current ? doomed : keep);
    m_answer = answer;

    MainWindow* w = window();
    if (answer == QMessageBox::Yes)
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral(
            "^Cascade delete account %1 → transactions: 1 recurrings: 1 reconciliations: 1$").arg(doomed)));
    w->deleteAccount(doomed);

    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.first().title, QStringLiteral("Delete Account"));
    QCOMPARE(m_boxes.first().text,
             QStringLiteral("Delete \"Bills & Fees\"?\n\nAll transactions, recurring entries, and reconciliation "
                            "history for this account will be removed. You can restore it from Preferences → Data "
                            "& Sync."));
    QCOMPARE(m_boxes.first().buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(m_boxes.first().defaultButton, QMessageBox::No);

    const bool deleted = answer == QMessageBox::Yes;
    QCOMPARE(m_state->accountRepository()->findAll().size(), deleted ? 1 : 2);
    QCOMPARE(liveCount("transactions", doomed), deleted ? 0 : 1);
    QCOMPARE(liveCount("recurring_transactions", doomed), deleted ? 0 : 1);
    QCOMPARE(liveCount("reconciliations", doomed), deleted ? 0 : 1);
    QCOMPARE(liveCount("transactions", keep), 1);
    QCOMPARE(w->accountList()->count(), deleted ? 1 : 2);
    // With the current account gone, the remaining one is shown, never the
    // welcome page beside a list of accounts.
    QCOMPARE(m_state->currentAccountId(), deleted || !current ? keep : doomed);
    QCOMPARE(w->pages()->currentWidget(), w->registerPage());
    QCOMPARE(w->accountList()->currentItem()->data(Qt::UserRole).toString(), m_state->currentAccountId());

    // A second delete of the same account finds nothing live to ask about.
    w->deleteAccount(doomed);
    QCOMPARE(m_boxes.size(), deleted ? 1 : 2);
}

void MainWindowTest::deleteFailureRollsBack()
{
    const QString id = addAccount(QStringLiteral("Checking"));
    addTransaction(id, 500);
    m_state->setCurrentAccountId(id);
    window();
    TestSupport::exec(QStringLiteral(
        "CREATE TRIGGER refuse BEFORE UPDATE OF deleted_at ON accounts BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^AccountRepository::softDelete failed:")));
    window()->deleteAccount(id);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes.at(1).icon, QMessageBox::Warning);
    QCOMPARE(m_boxes.at(1).text, QStringLiteral("\"Checking\" could not be deleted. Nothing was changed."));
    QCOMPARE(liveCount("transactions", id), 1);
    QCOMPARE(m_state->accountRepository()->findAll().size(), 1);
    QCOMPARE(m_state->currentAccountId(), id);
    settle();
    QCOMPARE(row(0)->balanceLabel()->text(), QStringLiteral("$5.00"));
}

void MainWindowTest::contextMenuShowsNamesAsWritten()
{
    const QString id = addAccount(QStringLiteral("Bills & Fees"));
    const QString other = addAccount(QStringLiteral("Other"), CurrencyCode::USD, 0, 1);
    m_state->setCurrentAccountId(other);
    std::unique_ptr<QMenu> empty(window()->createAccountContextMenu(QString()));
    QCOMPARE(empty->actions().size(), 1);
    QCOMPARE(empty->actions().first()->text(), QStringLiteral("New Account..."));

    std::unique_ptr<QMenu> menu(window()->createAccountContextMenu(id));
    QStringList texts;
    QAction* edit = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->isSeparator())
            continue;
        texts.append(a->text());
        if (a->text().startsWith(QLatin1String("Edit")))
            edit = a;
    }
    QCOMPARE(texts, QStringList({"New Account...", "Edit \"Bills && Fees\"...", "Reconcile...",
                                 "Reconciliation History...", "Rename Payees...", "Share...",
                                 "Delete \"Bills && Fees\""}));
    // A command selects its account first.
    edit->trigger();
    QCOMPARE(m_state->currentAccountId(), id);
}

void MainWindowTest::startPageAfterTheCurrentGoes_data()
{
    QTest::addColumn<bool>("sampleData");
    QTest::addColumn<bool>("othersRemain");
    QTest::addColumn<bool>("elsewhere"); // deleted on another device, by a sync
    QTest::newRow("deleted, another remains") << false << true << false;
    QTest::newRow("deleted, none remains") << false << false << false;
    QTest::newRow("sample data cleared, another remains") << true << true << false;
    QTest::newRow("sample data cleared, none remains") << true << false << false;
    QTest::newRow("deleted elsewhere, another remains") << false << true << true;
}

void MainWindowTest::startPageAfterTheCurrentGoes()
{
    QFETCH(bool, sampleData);
    QFETCH(bool, othersRemain);
    QFETCH(bool, elsewhere);
    const QString mine = othersRemain ? addAccount(QStringLiteral("Mine"), CurrencyCode::USD, 0, 50) : QString();
    QString current;
    if (sampleData) {
        QVERIFY(SampleDataService(m_state->database()).loadSampleData());
        current = QStringLiteral("sample-acct-checking");
    } else {
        current = addAccount(QStringLiteral("Current"));
    }
    m_state->setCurrentAccountId(current);
    MainWindow* w = window();
    QCOMPARE(w->pages()->currentWidget(), w->registerPage());
    RegisterTableView* view = qobject_cast<RegisterScreen*>(w->registerPage())->tableView();
    const QModelIndex payee = view->model()->index(view->model()->rowCount() - 1, RegisterModel::PayeeColumn);
    view->setCurrentIndex(payee);
    view->edit(payee);
    QTest::keyClicks(view->indexWidget(payee), "Typed");

    if (elsewhere) {
        QVERIFY(m_state->accountRepository()->softDelete(current));
        QTRY_COMPARE(m_state->currentAccountId(), mine);
    } else if (sampleData) {
        w->onClearSampleData();
    } else {
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression(QStringLiteral("^Cascade delete account")));
        w->deleteAccount(current);
    }
    QCOMPARE(m_state->currentAccountId(), mine);
    QCOMPARE(w->pages()->currentWidget(), othersRemain ? w->registerPage() : static_cast<QWidget*>(w->welcomePage()));
    QCOMPARE(w->accountList()->currentRow(), othersRemain ? 0 : -1);
    // Typed into, its editor open: only a deletion elsewhere says it is lost.
    emit m_state->syncEngine()->syncCompleted(); // its routine message leaves that showing
    QCOMPARE(w->appStatusBar()->currentMessage() == "This account no longer exists. Nothing was saved.", elsewhere);
}

void MainWindowTest::highlightFollowsTheRegister()
{
    const QString shown = addAccount(QStringLiteral("Shown"), CurrencyCode::USD, 0, 0);
    addAccount(QStringLiteral("Clicked"), CurrencyCode::USD, 0, 1);
    m_state->setCurrentAccountId(shown);
    MainWindow* w = window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QListWidget* list = w->accountList();
    QCOMPARE(list->currentRow(), 0);

    // Right-click on the other account, then Escape in its menu.
    bool menuSeen = false;
    QTimer::singleShot(0, [&menuSeen] {
        if (auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
            menuSeen = true;
            QTest::keyClick(popup, Qt::Key_Escape);
        }
    });
    const QPoint at = list->visualItemRect(list->item(1)).center();
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, at);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QApplication::sendEvent(list->viewport(), &event);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, at);
    QVERIFY(menuSeen);
    QCOMPARE(m_state->currentAccountId(), shown);
    QCOMPARE(list->currentRow(), 0);
    QCOMPARE(list->selectedItems(), QList<QListWidgetItem*>{list->item(0)});
}

void MainWindowTest::featureWindowKeys()
{
    addAccount(QStringLiteral("First"), CurrencyCode::USD, 0, 0);
    const QString shown = addAccount(QStringLiteral("Shown"), CurrencyCode::USD, 0, 1);
    m_state->setCurrentAccountId(shown);
    MainWindow* w = window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    const auto opened = [w](void (MainWindow::*open)()) -> QWidget* {
        (w->*open)();
        const auto featureActive = [w] { return QApplication::activeWindow() && QApplication::activeWindow() != w; };
        return QTest::qWaitFor(featureActive) ? QApplication::activeWindow() : nullptr;
    };
    const auto press = [](QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QWidget* target = window->focusWidget() ? window->focusWidget() : window;
        QTest::keyClick(target, key, modifiers);
    };

    // Escape and Ctrl+W close each feature window; Ctrl+F opens the search.
    const QList<void (MainWindow::*)()> windows{&MainWindow::showReportsWindow,    &MainWindow::showRecurringWindow,
                                                &MainWindow::showCategoriesWindow, &MainWindow::showPayeesWindow,
                                                &MainWindow::showSettingsWindow,   &MainWindow::showImportWindow,
                                                &MainWindow::showReconciliationHistoryWindow};
    for (int i = 0; i < windows.size(); ++i) {
        QWidget* feature = opened(windows.at(i));
        QVERIFY(feature);
        press(feature, i % 2 ? Qt::Key_W : Qt::Key_Escape, i % 2 ? Qt::ControlModifier : Qt::NoModifier);
        QVERIFY2(!feature->isVisible(), feature->metaObject()->className());
    }
    QWidget* payees = opened(&MainWindow::showPayeesWindow);
    QVERIFY(payees);
    press(payees, Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::activeWindow()->metaObject()->className(), "SearchScreen");
    press(QApplication::activeWindow(), Qt::Key_Escape);
    payees->close();

    // The import targets the account the register shows.
    QWidget* import = opened(&MainWindow::showImportWindow);
    QCOMPARE(import->findChild<QComboBox*>(QStringLiteral("accountCombo"))->currentData().toString(), shown);
    import->close();

    // The report tabs turn also from inside a table.
    QWidget* reports = opened(&MainWindow::showReportsWindow);
    auto* tabs = reports->findChild<QTabWidget*>(QStringLiteral("reportTabs"));
    tabs->setCurrentIndex(0);
    QTableWidget* table = tabs->currentWidget()->findChild<QTableWidget*>();
    if (!table)
        table = qobject_cast<QTableWidget*>(tabs->currentWidget());
    QVERIFY(table);
    table->setFocus();
    QTest::keyClick(table, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 1);
    QTest::keyClick(table, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(tabs->currentIndex(), 0);
    QTest::keyClick(tabs->currentWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(tabs->currentIndex(), tabs->count() - 1);
    reports->close();
}

void MainWindowTest::unsavedEntryIsAskedAbout_data()
{
    QTest::addColumn<bool>("quit"); // else Alt+2 to the other account
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("payee");
    QTest::addColumn<bool>("leaves");
    QTest::addColumn<int>("saved");

    QTest::newRow("switch, save") << false << int(QMessageBox::Save) << "Grocer" << true << 1;
    QTest::newRow("switch, discard") << false << int(QMessageBox::Discard) << "Grocer" << true << 0;
    QTest::newRow("switch, cancel") << false << int(QMessageBox::Cancel) << "Grocer" << false << 0;
    QTest::newRow("switch, refused save") << false << int(QMessageBox::Save) << "" << false << 0;
    QTest::newRow("quit, save") << true << int(QMessageBox::Save) << "Grocer" << true << 1;
    QTest::newRow("quit, discard") << true << int(QMessageBox::Discard) << "Grocer" << true << 0;
    QTest::newRow("quit, cancel") << true << int(QMessageBox::Cancel) << "Grocer" << false << 0;
    QTest::newRow("quit, refused save") << true << int(QMessageBox::Save) << "" << false << 0;
}

void MainWindowTest::unsavedEntryIsAskedAbout()
{
    QFETCH(bool, quit);
    QFETCH(int, answer);
    QFETCH(QString, payee);
    const QString shown = addAccount(QStringLiteral("Shown"), CurrencyCode::USD, 0, 0);
    const QString other = addAccount(QStringLiteral("Other"), CurrencyCode::USD, 0, 1);
    m_state->setCurrentAccountId(shown);
    MainWindow* w = window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* screen = qobject_cast<RegisterScreen*>(w->registerPage());
    QVERIFY(screen);
    screen->registerModel()->setEditBuffer(RegisterModel::PayeeColumn, payee);
    screen->registerModel()->setEditBuffer(RegisterModel::PaymentColumn, QStringLiteral("12.00"));
    m_answer = QMessageBox::StandardButton(answer);

    bool left = true;
    if (quit)
        left = w->close(); // what Ctrl+Q does
    else
        emit w->accountShortcuts().at(1)->activated();
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes.first().text, QStringLiteral("Save the transaction you were entering?"));
    QFETCH(bool, leaves);
    QFETCH(int, saved);
    QCOMPARE(liveCount("transactions", shown), saved);
    if (quit)
        QCOMPARE(left, leaves);
    else
        QCOMPARE(m_state->currentAccountId(), leaves ? other : shown);
    // Kept when the user stays, so nothing typed is lost.
    QCOMPARE(screen->registerModel()->payeeText, leaves ? QString() : payee);
    QCOMPARE(screen->registerModel()->paymentText, leaves ? QString() : QStringLiteral("12.00"));
    if (!quit)
        QCOMPARE(w->accountList()->currentRow(), leaves ? 1 : 0);
}

void MainWindowTest::unsavedEntryOffThePage_data()
{
    QTest::addColumn<bool>("quit"); // else Alt+2 to the other account
    QTest::newRow("quit") << true;
    QTest::newRow("switch") << false;
}

// Once a sign-out has put the welcome page in the register's place, nothing
// asks about the row typed there: the page the question is about is gone.
void MainWindowTest::unsavedEntryOffThePage()
{
    QFETCH(bool, quit);
    const QString shown = addAccount(QStringLiteral("Shown"), CurrencyCode::USD, 0, 0);
    const QString other = addAccount(QStringLiteral("Other"), CurrencyCode::USD, 0, 1);
    m_state->setCurrentAccountId(shown);
    MainWindow* w = window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    auto* screen = qobject_cast<RegisterScreen*>(w->registerPage());
    QVERIFY(screen);
    QCOMPARE(w->pages()->currentWidget(), w->registerPage());
    screen->registerModel()->setEditBuffer(RegisterModel::PayeeColumn, QStringLiteral("Grocer"));
    screen->registerModel()->setEditBuffer(RegisterModel::PaymentColumn, QStringLiteral("12.00"));
    // Any question would be cancelled, keeping the window and the account.
    m_answer = QMessageBox::Cancel;

    QVERIFY(m_state->accountClient());
    emit m_state->accountClient()->authClient()->stateChanged(LarkAccount::AuthState::Unauthenticated);
    QCOMPARE(w->pages()->currentWidget(), static_cast<QWidget*>(w->welcomePage()));
    if (quit) {
        QVERIFY(w->close());
    } else {
        emit w->accountShortcuts().at(1)->activated();
        QCOMPARE(m_state->currentAccountId(), other);
        QCOMPARE(w->pages()->currentWidget(), w->registerPage());
    }
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(liveCount("transactions", shown), 0);
}

void MainWindowTest::closeAsksTheReconcileWindow_data()
{
    QTest::addColumn<bool>("quit"); // the Quit command, else the window's close
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // to every question: a Yes cancels the register's
    QTest::addColumn<int>("questions");
    QTest::addColumn<bool>("stays");
    QTest::newRow("nothing typed") << false << "" << int(QMessageBox::No) << 0 << false;
    QTest::newRow("statement, no") << false << "statement" << int(QMessageBox::No) << 1 << true;
    QTest::newRow("statement, yes, quit") << true << "statement" << int(QMessageBox::Yes) << 1 << false;
    QTest::newRow("statement and entry, no") << false << "statement, entry" << int(QMessageBox::No) << 1 << true;
    QTest::newRow("statement and entry, yes, cancel")
        << true << "statement, entry" << int(QMessageBox::Yes) << 2 << true;
}

// The reconcile window asks before anything closes, the register's entry
// after it: a No or Cancel keeps every window as it was, else none is left.
void MainWindowTest::closeAsksTheReconcileWindow()
{
    QFETCH(bool, quit);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    m_state->setCurrentAccountId(addAccount(QStringLiteral("Shown")));
    MainWindow* w = window();
    w->show();
    w->showReconciliationWindow();
    QPointer<ReconciliationScreen> reconcile = w->findChild<ReconciliationScreen*>();
    reconcile->statementBalanceField()->setValue(typed.isEmpty() ? 0.0 : 12.5);
    RegisterModel* model = qobject_cast<RegisterScreen*>(w->registerPage())->registerModel();
    const QString entry = typed.contains(QLatin1String("entry")) ? QStringLiteral("Grocer") : QString();
    model->setEditBuffer(RegisterModel::PayeeColumn, entry);
    m_answer = QMessageBox::StandardButton(answer);
    const QList<QAction*> actions = w->findChildren<QAction*>();
    const auto isQuit = [](QAction* a) { return a->text() == QLatin1String("&Quit"); };
    if (quit)
        (*std::find_if(actions.begin(), actions.end(), isQuit))->trigger();
    else
        w->close();

    QFETCH(int, questions);
    QFETCH(bool, stays);
    QCOMPARE(m_boxes.size(), questions);
    if (questions)
        QCOMPARE(m_boxes.first().text, QStringLiteral("Discard this reconciliation?"));
    QTRY_COMPARE(reconcile.isNull(), !stays);
    const QWidgetList all = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(all.begin(), all.end(), [](QWidget* t) { return t->isVisible(); }), stays ? 2 : 0);
    if (stays)
        QCOMPARE(model->payeeText, entry);
}

void MainWindowTest::renamedIdsAreFollowed_data()
{
    QTest::addColumn<bool>("account");
    QTest::addColumn<bool>("category");
    QTest::addColumn<bool>("storedRow"); // the stored row is being edited, else the entry row
    QTest::newRow("account") << true << false << false;
    QTest::newRow("category") << false << true << false;
    QTest::newRow("both, and the transaction") << true << true << false;
    QTest::newRow("edited row, its category") << false << true << true;
    QTest::newRow("edited row, all three") << true << true << true;
}

// A sync repair gives the shown account, or the category its register
// filters on, the server's id: the windows follow, the row being typed
// stays and is stored under the new ids, and the reconcile window
// finishes with its ticks, which are still the user's to discard.
void MainWindowTest::renamedIdsAreFollowed()
{
    QFETCH(bool, account);
    QFETCH(bool, category);
    QFETCH(bool, storedRow);
    const auto sql = [](const char* statement) { TestSupport::exec(QString::fromUtf8(statement)); };
    sql("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('old-acct', 'Checking', '2024', '2024')");
    sql("INSERT INTO categories (id, name, created_at, updated_at) VALUES ('old-cat', 'Food', '2024', '2024')");
    const QString stored = addTransaction(QStringLiteral("old-acct"), -500);
    sql("UPDATE transactions SET category_id = 'old-cat'");
    m_state->preferences()->setValue(QStringLiteral("registerFilter_old-acct"), R"({"categoryId":"old-cat"})");
    m_state->setCurrentAccountId(QStringLiteral("old-acct"));
    MainWindow* w = window();
    w->show();
    w->showReconciliationWindow();
    auto* reconcile = w->findChild<ReconciliationScreen*>();
    auto* screen = qobject_cast<RegisterScreen*>(w->registerPage());
    RegisterModel* model = screen->registerModel();
    if (storedRow)
        screen->tableView()->setCurrentIndex(model->index(screen->rowOfTransaction(stored), 0));
    model->setEditBuffer(RegisterModel::PayeeColumn, QStringLiteral("Grocer"));
    model->setEditBuffer(RegisterModel::PaymentColumn, QStringLiteral("12.00"));
    model->setCategoryId(QStringLiteral("old-cat"));
    qobject_cast<QCheckBox*>(reconcile->table()->cellWidget(0, 0))->setChecked(true);

    // As the engine repairs: the rows and their references at once, then
    // the announcements, the tables' signals and the cycle's end.
    sql("PRAGMA foreign_keys = OFF");
    if (account) {
        sql("UPDATE accounts SET id = 'new-acct'");
        sql("UPDATE transactions SET account_id = 'new-acct'");
        sql("UPDATE preferences SET key = 'registerFilter_new-acct' WHERE key = 'registerFilter_old-acct'");
    }
    if (category) {
        sql("UPDATE categories SET id = 'new-cat' WHERE id = 'old-cat'");
        sql("UPDATE transactions SET category_id = 'new-cat'");
        sql("UPDATE preferences SET value = replace(value, 'old-cat', 'new-cat') WHERE key LIKE 'registerFilter%'");
    }
    const QString transactionId = account && category ? QStringLiteral("new-txn") : stored;
    TestSupport::exec(QStringLiteral("UPDATE transactions SET id = '%1'").arg(transactionId));
    sql("PRAGMA foreign_keys = ON");
    SyncEngine* engine = m_state->syncEngine();
    if (transactionId != stored)
        emit engine->idsRenamed(QStringLiteral("transactions"), {{stored, transactionId}});
    if (category)
        emit engine->idsRenamed(QStringLiteral("categories"), {{QStringLiteral("old-cat"), QStringLiteral("new-cat")}});
    if (account)
        emit engine->idsRenamed(QStringLiteral("accounts"), {{QStringLiteral("old-acct"), QStringLiteral("new-acct")}});
    emit m_state->accountRepository()->accountsChanged();
    emit m_state->transactionRepository()->transactionsChanged(QString());
    emit engine->dataChanged();
    settle();

    const QString accountId = account ? QStringLiteral("new-acct") : QStringLiteral("old-acct");
    QCOMPARE(m_state->currentAccountId(), accountId);
    QCOMPARE(w->accountList()->currentItem()->data(Qt::UserRole).toString(), accountId);
    QCOMPARE(screen->registerDelegate()->accountId, accountId);
    // Listed: the register reads the account, and its filter the category.
    QVERIFY(screen->rowOfTransaction(transactionId) >= 0);
    reconcile->confirmDiscard();
    QCOMPARE(m_boxes.value(0).text, QStringLiteral("Discard this reconciliation?"));
    reconcile->statementBalanceField()->setValue(-5.0);
    m_boxes.clear();
    reconcile->finishButton()->click();
    QCOMPARE(m_boxes.value(0).title, QStringLiteral("Reconciliation Complete"));
    screen->commitCurrentRow();
    const QVariant saved = TestSupport::scalar(
        QStringLiteral("SELECT account_id || ' ' || category_id FROM transactions WHERE payee = 'Grocer'"));
    QCOMPARE(saved.toString(), accountId + (category ? " new-cat" : " old-cat"));
}

void MainWindowTest::accountCommandsNeedAnAccount_data()
{
    QTest::addColumn<QByteArray>("slot");
    for (const char* slot : {"showEditAccountDialog", "showReconciliationWindow", "showReconciliationHistoryWindow",
                             "showShareAccountDialog", "deleteCurrentAccount"})
        QTest::newRow(slot) << QByteArray(slot);
}

void MainWindowTest::accountCommandsNeedAnAccount()
{
    QFETCH(QByteArray, slot);
    m_dialog = [](QDialog*) -> int {
        qFatal("no dialog may open");
        return 0;
    };
    QVERIFY(QMetaObject::invokeMethod(window(), slot.constData()));
    QCOMPARE(window()->appStatusBar()->currentMessage(), QStringLiteral("Select an account first"));
    QVERIFY(m_boxes.isEmpty());
}

void MainWindowTest::toolWindowKeepsItsSize()
{
    QWidget* tool = new QWidget;
    MainWindow::showAsToolWindow(tool, QStringLiteral("Reports"), QSize(800, 600), window());
    QCOMPARE(tool->parentWidget(), window());
    QVERIFY(tool->isWindow());
    QVERIFY(tool->isVisible());
    QCOMPARE(tool->windowTitle(), QStringLiteral("Reports"));
    QCOMPARE(tool->size(), QSize(800, 600));
    tool->resize(500, 400);
    tool->showMinimized();
    tool->hide();
    MainWindow::showAsToolWindow(tool, QStringLiteral("Reports"), QSize(800, 600), window());
    QVERIFY(tool->isVisible());
    QVERIFY(!tool->isMinimized());
    QCOMPARE(tool->size(), QSize(500, 400));
}

void MainWindowTest::layoutIsSavedAndRestored()
{
    MainWindow* w = window();
    QCOMPARE(w->size(), QSize(1280, 900));
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QCOMPARE(w->splitter()->sizes().first(), 280);
    w->resize(1100, 800);
    w->splitter()->setSizes({400, 700});
    const QList<int> sizes = w->splitter()->sizes();
    QVERIFY(w->close());

    delete m_window;
    m_window = nullptr;
    MainWindow* again = window();
    QCOMPARE(again->size(), QSize(1100, 800));
    again->show();
    QVERIFY(QTest::qWaitForWindowExposed(again));
    QCOMPARE(again->splitter()->sizes(), sizes);
    QCOMPARE(sizes.first(), 400);
}

void MainWindowTest::welcomeScreenWordings()
{
    WelcomeScreen screen(m_state);
    QSignalSpy create(&screen, &WelcomeScreen::createAccountRequested);
    QSignalSpy signIn(&screen, &WelcomeScreen::signInRequested);
    const QString linkSheet = QStringLiteral("color: %1;").arg(accentColorRef().lighter(135).name());

    // Each call reapplies the whole wording, whatever came before.
    for (const bool returning : {false, true, false}) {
        screen.setReturningUser(returning);
        QCOMPARE(screen.titleLabel()->text(), returning ? QStringLiteral("Welcome back")
                                                        : QStringLiteral("Welcome to\nLarkspur Tallyleaf"));
        QCOMPARE(screen.sessionNote()->isHidden(), !returning);
        QCOMPARE(screen.howItWorksCard()->isHidden(), returning);
        QPushButton* accent = returning ? screen.signInButton() : screen.primaryButton();
        QPushButton* link = returning ? screen.primaryButton() : screen.signInButton();
        QVERIFY(!accent->isFlat() && link->isFlat());
        QCOMPARE(accent->styleSheet(), accentButtonStyleSheet());
        QCOMPARE(link->styleSheet(), linkSheet);
        QCOMPARE(link->minimumHeight(), 0);
        QCOMPARE(screen.signInButton()->text(), returning ? QStringLiteral("Sign In")
                                                          : QStringLiteral("Already have an account? Sign In"));
        screen.primaryButton()->click();
        screen.signInButton()->click();
    }
    QCOMPARE(create.count(), 3);
    QCOMPARE(signIn.count(), 3);

    QApplication::setPalette(themePalette(true, accentColorRef()));
    WelcomeScreen dark(m_state);
    QCOMPARE(dark.taglineLabel()->styleSheet(), QStringLiteral("color: #8FAF9F;"));
    QVERIFY(dark.howItWorksCard()->styleSheet().contains(QStringLiteral("#2A4038")));
    QApplication::setPalette(themePalette(false, accentColorRef()));
}

// Without a browser the welcome page's sign-in shows the address to copy;
// cancelling closes the listener that waited for the browser.
void MainWindowTest::signInWithoutBrowser()
{
    m_state->accountClient()->authClient()->setUrlOpener([](const QUrl&) { return false; });
    QString shown;
    m_dialog = [&shown](QDialog* dialog) {
        if (auto* field = dialog->findChild<QLineEdit*>(); field && field->isReadOnly())
            shown = field->text();
        return int(QDialog::Rejected);
    };
    window()->welcomePage()->signInButton()->click();
    const QUrl address(shown);
    QCOMPARE(address.path(), QStringLiteral("/larkspur/account/login"));
    const QUrl redirect(QUrlQuery(address).queryItemValue(QStringLiteral("redirect_uri"), QUrl::FullyDecoded));
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, quint16(redirect.port()));
    QVERIFY(!probe.waitForConnected(2000));
}

TALLYLEAF_TEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
