#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/database.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/mainwindow.h"
#include "ui/dialogs/accountformdialog.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/reconciliationhistoryscreen.h"
#include "ui/screens/reconciliationscreen.h"
#include "ui/screens/payeescreen.h"
#include "ui/screens/settingsscreen.h"
#include "ui/screens/welcomescreen.h"
#include "ui/widgets/statusbar.h"

#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTimer>
#include <QTranslator>
#include <QUuid>

class MainWindowMenusTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void menuLayout_data();
    void menuLayout();
    void menuRoles();
    void preferenceFilter_data();
    void preferenceFilter();
    void autoPost_data();
    void autoPost();
    void dueIndicatorFollowsSchedules();
    void keyboardShortcutsText();
    void richTextBoxes_data();
    void richTextBoxes();
    void authState_data();
    void authState();
    void featureCommands_data();
    void featureCommands();
    void reconcileWindows();
    void restoreReloadsOpenWindows();
    void editedAccountGoneOrRenamed();

private:
    MainWindow* window();
    QMenu* menu(const QString& title);
    QAction* action(const QString& menuTitle, const QString& text);
    QString addAccount(const QString& name, int sortOrder = 0);
    void addSchedule(const QString& accountId, const QDate& due, bool autoPost);

    QTranslator m_translator;
    QTemporaryDir* m_dir = nullptr;
    AppState* m_state = nullptr;
    MainWindow* m_window = nullptr;
    QStringList m_boxTexts;
    struct Shown
    {
        QString title;
        Qt::TextFormat format;
        QString text;
    };
    QList<Shown> m_shown; // message boxes run as dialogs
    std::function<int(AccountFormDialog*)> m_accountForm; // runs the account form; none: cancelled
};

void MainWindowMenusTest::initTestCase()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Larkspur"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallyleaf"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.1.5"));
    // The English catalogue carries the plural forms.
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/tallyleaf_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxTexts.append(r.text);
        return QMessageBox::Ok;
    });
    MessageBoxes::setDialogRunner([this](QDialog* d) {
        if (auto* box = qobject_cast<QMessageBox*>(d))
            m_shown.append({box->windowTitle(), box->textFormat(), box->text()});
        auto* form = qobject_cast<AccountFormDialog*>(d);
        return form && m_accountForm ? m_accountForm(form) : int(QDialog::Rejected);
    });
}

void MainWindowMenusTest::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void MainWindowMenusTest::init()
{
    qunsetenv("TALLYLEAF_DEV");
    m_dir = new QTemporaryDir;
    qputenv("TALLYLEAF_DATA_DIR", m_dir->path().toUtf8());
    QSettings().clear();
    m_state = new AppState;
    QVERIFY(m_state->initialize());
    m_boxTexts.clear();
    m_shown.clear();
    m_accountForm = nullptr;
}

void MainWindowMenusTest::cleanup()
{
    delete m_window;
    m_window = nullptr;
    delete m_state;
    m_state = nullptr;
    delete m_dir;
    m_dir = nullptr;
    qunsetenv("TALLYLEAF_DEV");
}

MainWindow* MainWindowMenusTest::window()
{
    if (!m_window)
        m_window = new MainWindow(m_state);
    return m_window;
}

QMenu* MainWindowMenusTest::menu(const QString& title)
{
    for (QAction* a : window()->menuBar()->actions()) {
        if (a->menu() && a->text() == title)
            return a->menu();
    }
    return nullptr;
}

QAction* MainWindowMenusTest::action(const QString& menuTitle, const QString& text)
{
    QMenu* m = menu(menuTitle);
    if (!m)
        return nullptr;
    for (QAction* a : m->actions()) {
        if (a->text() == text)
            return a;
    }
    return nullptr;
}

QString MainWindowMenusTest::addAccount(const QString& name, int sortOrder)
{
    Account a;
    a.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    a.name = name;
    a.sortOrder = sortOrder;
    a.createdAt = a.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->accountRepository()->insert(a))
        qFatal("account insert failed");
    return a.id;
}

void MainWindowMenusTest::addSchedule(const QString& accountId, const QDate& due, bool autoPost)
{
    RecurringTransaction r;
    r.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    r.accountId = accountId;
    r.payee = QStringLiteral("Rent");
    r.amount = -10000;
    r.frequency = RecurringFrequency::Daily;
    r.startDate = due;
    r.nextDueDate = due;
    r.autoPost = autoPost;
    r.createdAt = r.updatedAt = QDateTime::currentDateTimeUtc();
    if (!m_state->recurringRepository()->insert(r))
        qFatal("schedule insert failed");
}

void MainWindowMenusTest::menuLayout_data()
{
    QTest::addColumn<QByteArray>("dev");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("items");
    // The standard keys differ by platform, and some platforms have none.
    auto standard = [](QKeySequence::StandardKey key) {
        const QString text = QKeySequence(key).toString();
        return text.isEmpty() ? text : QLatin1Char(' ') + text;
    };
    const QString quit = standard(QKeySequence::Quit);
    const QString find = standard(QKeySequence::Find);
    const QString help = "&About Larkspur Tallyleaf|What's &New...|Check for &Updates...|Send &Feedback...|-|"
                         "&Keyboard Shortcuts";
    // The English catalogue gives the account item an access key of its own.
    QTest::newRow("file") << QByteArray() << "&File"
                          << "&New Transaction Ctrl+N|New &Account Ctrl+Shift+N|-|&Import...|-|"
                             "&Larkspur Account...|-|Sign &Out|-|&Quit" + quit;
    QTest::newRow("edit") << QByteArray() << "&Edit" << "&Find..." + find + "|-|&Preferences...";
    QTest::newRow("account") << QByteArray() << "&Account"
                             << "&Edit...|&Reconcile... Ctrl+R|Reconciliation &History...|Rename &Payees...|-|"
                                "&Share...|-|&Delete";
    QTest::newRow("view") << QByteArray() << "&View"
                          << "&Reports Ctrl+2|Re&curring Transactions Ctrl+3|C&ategories Ctrl+4";
    QTest::newRow("help, dev unset") << QByteArray() << "&Help" << help;
    QTest::newRow("help, dev empty") << QByteArray("") << "&Help" << help;
    QTest::newRow("help, dev 1") << QByteArray("1") << "&Help"
                                 << help + "|-|Load &Sample Data|&Clear Sample Data";
}

void MainWindowMenusTest::menuLayout()
{
    QFETCH(QByteArray, dev);
    QFETCH(QString, title);
    QFETCH(QString, items);
    if (!dev.isNull())
        qputenv("TALLYLEAF_DEV", dev);
    QStringList titles;
    for (QAction* a : window()->menuBar()->actions())
        titles.append(a->text());
    QCOMPARE(titles.join(QLatin1Char('|')), QStringLiteral("&File|&Edit|&Account|&View|&Help"));

    QStringList texts;
    for (QAction* a : menu(title)->actions()) {
        const QString shortcut = a->shortcut().toString();
        texts.append(a->isSeparator() ? QStringLiteral("-")
                                      : shortcut.isEmpty() ? a->text() : a->text() + QLatin1Char(' ') + shortcut);
    }
    QCOMPARE(texts.join(QLatin1Char('|')), items);

    // Loading and then clearing the sample data succeed without any box.
    if (QAction* load = action(QStringLiteral("&Help"), QStringLiteral("Load &Sample Data"))) {
        load->trigger();
        action(QStringLiteral("&Help"), QStringLiteral("&Clear Sample Data"))->trigger();
        QVERIFY(m_boxTexts.isEmpty() && m_shown.isEmpty());
    }
}

void MainWindowMenusTest::menuRoles()
{
    QCOMPARE(action(QStringLiteral("&File"), QStringLiteral("&Quit"))->menuRole(), QAction::QuitRole);
    QCOMPARE(action(QStringLiteral("&Edit"), QStringLiteral("&Preferences..."))->menuRole(),
             QAction::PreferencesRole);
    QCOMPARE(action(QStringLiteral("&Help"), QStringLiteral("&About Larkspur Tallyleaf"))->menuRole(),
             QAction::AboutRole);
    // Quit closes the window, which saves its layout.
    action(QStringLiteral("&File"), QStringLiteral("&Quit"))->trigger();
    QVERIFY(QSettings().contains(QStringLiteral("mainwindow/geometry")));
}

void MainWindowMenusTest::preferenceFilter_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("reloads");
    QTest::newRow("two line") << "registerTwoLine" << true;
    QTest::newRow("balance") << "registerShowBalance" << true;
    QTest::newRow("week start") << "weekStartDay" << true;
    QTest::newRow("theme") << "theme" << true;
    QTest::newRow("font scale") << "fontScale" << false;
    QTest::newRow("case differs") << "Theme" << false;
    QTest::newRow("prefix") << "themeX" << false;
    QTest::newRow("empty") << "" << false;
}

void MainWindowMenusTest::preferenceFilter()
{
    QFETCH(QString, key);
    QFETCH(bool, reloads);
    QCOMPARE(MainWindow::reloadsRegister(key), reloads);
    // With no register hosted the reaction is a no-op.
    window();
    emit m_state->preferences()->changed(key);
    QCOMPARE(window()->registerPage()->objectName(), QStringLiteral("registerPage"));
}

void MainWindowMenusTest::autoPost_data()
{
    QTest::addColumn<int>("dueInDays");
    QTest::addColumn<bool>("autoPost");
    QTest::addColumn<bool>("bulkWrite");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("footer");
    QTest::newRow("two due") << -1 << true << false << "Auto-posted 2 recurring transactions" << "Total: -$200.00";
    QTest::newRow("one due") << 0 << true << false << "Auto-posted 1 recurring transaction" << "Total: -$100.00";
    QTest::newRow("not yet due") << 1 << true << false << "" << "Total: $0.00";
    QTest::newRow("manual schedule") << -1 << false << false << "" << "Total: $0.00";
    QTest::newRow("import running") << -1 << true << true << "" << "Total: $0.00";
}

void MainWindowMenusTest::autoPost()
{
    QFETCH(int, dueInDays);
    QFETCH(bool, autoPost);
    QFETCH(bool, bulkWrite);
    QFETCH(QString, message);
    QFETCH(QString, footer);
    const QString id = addAccount(QStringLiteral("Checking"));
    MainWindow* w = window();
    addSchedule(id, QDate::currentDate().addDays(dueInDays), autoPost);
    w->appStatusBar()->clearMessage();
    m_state->database()->setBulkWriteActive(bulkWrite);

    w->autoPostRecurring();
    m_state->database()->setBulkWriteActive(false);
    QCOMPARE(w->appStatusBar()->currentMessage(), message);
    // Rebuilt at once, not only on the next event-loop turn.
    QCOMPARE(w->footerLabel()->text(), footer);

    QTimer* timer = w->recurringTimer();
    QVERIFY(timer->isActive());
    QVERIFY(!timer->isSingleShot());
    QCOMPARE(timer->interval(), 3600000);
}

void MainWindowMenusTest::dueIndicatorFollowsSchedules()
{
    const QString id = addAccount(QStringLiteral("Checking"));
    auto* due = window()->appStatusBar()->findChild<QLabel*>(QStringLiteral("recurringDueLabel"));
    QVERIFY(due && due->isHidden());
    addSchedule(id, QDate::currentDate().addDays(-3), false);
    QVERIFY(!due->isHidden());
    QCOMPARE(due->text(), QStringLiteral("  •  1 recurring due"));
    TestSupport::exec(QStringLiteral("UPDATE recurring_transactions SET is_active = 0"));
    emit m_state->recurringRepository()->recurringChanged();
    QVERIFY(due->isHidden());
}

void MainWindowMenusTest::keyboardShortcutsText()
{
    const QString text = MainWindow::keyboardShortcutsText();
    QVERIFY(text.startsWith(QStringLiteral("<h3>Register</h3><table cellspacing='6'><tr><td><b>")));
    QVERIFY(!text.contains(QLatin1Char('%')));

    auto key = [](const char* portable) {
        return QKeySequence(QString::fromLatin1(portable)).toString(QKeySequence::NativeText).toHtmlEscaped();
    };
    const QStringList expected{key("Ctrl+Return"), key("Ctrl+I"), key("Ctrl+D"), "Tab / Shift+Tab",
                               "' (apostrophe)", "t", "+ / -", "m / h", "y / r", "w / k",
                               key("Ctrl+N"), key("Ctrl+Shift+N"), key("Ctrl+R"), key("Ctrl+F"),
                               key("Ctrl+2"), key("Ctrl+3"), key("Ctrl+4"),
                               key("Alt+1") + " &ndash; " + key("Alt+9"), key("Alt+0")};
    QStringList bold;
    QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("<b>(.*?)</b>")).globalMatch(text);
    while (it.hasNext())
        bold.append(it.next().captured(1));
    QCOMPARE(bold, expected);
}

void MainWindowMenusTest::richTextBoxes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::newRow("shortcuts") << "&Keyboard Shortcuts" << "Keyboard Shortcuts";
    QTest::newRow("about") << "&About Larkspur Tallyleaf" << "About Larkspur Tallyleaf";
}

void MainWindowMenusTest::richTextBoxes()
{
    QFETCH(QString, text);
    QFETCH(QString, title);
    action(QStringLiteral("&Help"), text)->trigger();
    QCOMPARE(m_shown.size(), 1);
    QCOMPARE(m_shown.first().title, title);
    QCOMPARE(m_shown.first().format, Qt::RichText);
    const QString body = m_shown.first().text;
    if (title == QLatin1String("Keyboard Shortcuts")) {
        QCOMPARE(body, MainWindow::keyboardShortcutsText());
    } else {
        QVERIFY(body.startsWith(QStringLiteral("<h3>Larkspur Tallyleaf</h3><p>Version 1.1.5</p>")));
        QVERIFY(body.contains(QStringLiteral("Lesser General Public License version 3")));
    }
}

void MainWindowMenusTest::authState_data()
{
    QTest::addColumn<bool>("signedIn");
    QTest::addColumn<int>("accounts");
    QTest::addColumn<bool>("current");
    QTest::addColumn<bool>("onWelcome");
    QTest::addColumn<QString>("page");
    QTest::newRow("out, register showing") << false << 2 << true << false << "welcome";
    QTest::newRow("out, no accounts") << false << 0 << false << true << "welcome";
    QTest::newRow("in, current account") << true << 2 << true << true << "second";
    QTest::newRow("in, no current account") << true << 2 << false << true << "first";
    QTest::newRow("in, no accounts") << true << 0 << false << true << "empty";
    QTest::newRow("in, register showing") << true << 2 << true << false << "second";
}

void MainWindowMenusTest::authState()
{
    QFETCH(bool, signedIn);
    QFETCH(int, accounts);
    QFETCH(bool, current);
    QFETCH(bool, onWelcome);
    QFETCH(QString, page);
    QStringList ids;
    for (int i = 0; i < accounts; ++i)
        ids.append(addAccount(QStringLiteral("Account %1").arg(i), i));
    MainWindow* w = window();
    if (current)
        w->selectAccount(ids.last());
    else
        m_state->setCurrentAccountId(QString());
    if (onWelcome)
        w->pages()->setCurrentWidget(w->welcomePage());

    w->applyAuthState(signedIn);
    QCOMPARE(w->signOutAction()->isVisible(), signedIn);
    QCOMPARE(w->accountAction()->statusTip(), signedIn ? QStringLiteral("Manage your account")
                                                       : QStringLiteral("Sign in or sign up"));
    if (!signedIn) {
        auto* sync = w->appStatusBar()->findChild<QLabel*>(QStringLiteral("syncLabel"));
        QCOMPARE(sync->text(), QStringLiteral("Not signed in"));
    }
    if (page == QLatin1String("welcome")) {
        QCOMPARE(w->pages()->currentWidget(), static_cast<QWidget*>(w->welcomePage()));
    } else if (page == QLatin1String("empty")) {
        QCOMPARE(w->pages()->currentWidget(), w->emptyStatePage());
    } else {
        QCOMPARE(w->pages()->currentWidget(), w->registerPage());
        QCOMPARE(m_state->currentAccountId(), page == QLatin1String("first") ? ids.first() : ids.last());
    }
}

void MainWindowMenusTest::featureCommands_data()
{
    QTest::addColumn<QString>("menuTitle");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QSize>("size");
    QTest::newRow("import") << "&File" << "&Import..." << "Import Transactions" << QSize(650, 600);
    QTest::newRow("search") << "&Edit" << "&Find..." << "Search Transactions" << QSize(800, 550);
    QTest::newRow("preferences") << "&Edit" << "&Preferences..." << "Preferences" << QSize(500, 550);
    QTest::newRow("reconcile") << "&Account" << "&Reconcile..." << "Reconcile — Checking" << QSize(1100, 720);
    QTest::newRow("history") << "&Account" << "Reconciliation &History..." << "Reconciliation History"
                             << QSize(750, 500);
    QTest::newRow("payees") << "&Account" << "Rename &Payees..." << "Payee Management" << QSize(550, 500);
    QTest::newRow("reports") << "&View" << "&Reports" << "Reports" << QSize(800, 600);
    QTest::newRow("recurring") << "&View" << "Re&curring Transactions" << "Recurring Transactions"
                               << QSize(700, 500);
    QTest::newRow("categories") << "&View" << "C&ategories" << "Categories" << QSize(600, 500);
}

void MainWindowMenusTest::featureCommands()
{
    QFETCH(QString, menuTitle);
    QFETCH(QString, item);
    QFETCH(QString, title);
    QFETCH(QSize, size);
    MainWindow* w = window();
    w->selectAccount(addAccount(QStringLiteral("Checking")));
    w->appStatusBar()->clearMessage();
    action(menuTitle, item)->trigger();

    // Every command opens its window.
    QList<QWidget*> opened;
    for (QWidget* child : w->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isWindow() && child->isVisible())
            opened.append(child);
    }
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.first()->windowTitle(), title);
    QCOMPARE(opened.first()->size(), size);
    QVERIFY(w->appStatusBar()->currentMessage().isEmpty());
}

void MainWindowMenusTest::reconcileWindows()
{
    MainWindow* w = window();
    const QString checking = addAccount(QStringLiteral("Checking"));
    w->selectAccount(checking);
    // A reconcile window of its own for every command: the menu and the
    // register's button.
    action(QStringLiteral("&Account"), QStringLiteral("&Reconcile..."))->trigger();
    w->registerPage()->findChild<QPushButton*>(QStringLiteral("reconcileButton"))->click();
    const QList<ReconciliationScreen*> screens = w->findChildren<ReconciliationScreen*>();
    QCOMPARE(screens.size(), 2);
    QPointer<ReconciliationScreen> cancelled = screens.at(0);
    QPointer<ReconciliationScreen> finished = screens.at(1);
    cancelled->findChild<QPushButton*>(QStringLiteral("cancelButton"))->click();
    QTRY_VERIFY(cancelled.isNull());

    // Written past the change signal, so only the window's reaction to a
    // finished reconciliation shows it in the account list.
    m_state->transactionRepository()->blockSignals(true);
    Transaction t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    t.accountId = checking;
    t.date = QDate(2024, 5, 1);
    t.amount = -500;
    t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(m_state->transactionRepository()->insert(t));
    m_state->transactionRepository()->blockSignals(false);
    QCOMPARE(w->footerLabel()->text(), QStringLiteral("Total: $0.00"));
    finished->finishButton()->click();
    QCOMPARE(m_boxTexts, QStringList{QStringLiteral("Account reconciled successfully.")});
    QCOMPARE(w->footerLabel()->text(), QStringLiteral("Total: -$5.00"));
    QTRY_VERIFY(finished.isNull());

    // The history window is kept: the second command shows the same one,
    // at the user's size, for the account now current.
    QAction* history = action(QStringLiteral("&Account"), QStringLiteral("Reconciliation &History..."));
    history->trigger();
    auto* kept = w->findChild<ReconciliationHistoryScreen*>();
    QCOMPARE(kept->table()->rowCount(), 1);
    kept->resize(900, 650);
    kept->hide();
    w->selectAccount(addAccount(QStringLiteral("Savings"), 1));
    history->trigger();
    QCOMPARE(w->findChildren<ReconciliationHistoryScreen*>().size(), 1);
    QVERIFY(kept->isVisible());
    QCOMPARE(kept->size(), QSize(900, 650));
    QCOMPARE(kept->titleLabel()->text(), QStringLiteral("Reconciliation History — Savings"));
    QVERIFY(kept->table()->isHidden());
}

// Rows written beneath every view (a backup import): the Preferences
// window's signal reloads the account list and the open feature windows.
void MainWindowMenusTest::restoreReloadsOpenWindows()
{
    MainWindow* w = window();
    w->selectAccount(addAccount(QStringLiteral("Checking")));
    action(QStringLiteral("&Account"), QStringLiteral("Rename &Payees..."))->trigger();
    action(QStringLiteral("&Edit"), QStringLiteral("&Preferences..."))->trigger();
    auto* payees = w->findChild<PayeeScreen*>();
    QCOMPARE(payees->payeeList()->count(), 0);

    TestSupport::exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                      "('restored', 'Savings', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    TestSupport::exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) "
                      "VALUES ('t1', 'restored', '2024-03-01', 'Market', -100, '2024-03-01T00:00:00Z', "
                      "'2024-03-01T00:00:00Z')");
    emit w->findChild<SettingsScreen*>()->deletedAccountRestored();
    QCOMPARE(payees->payeeList()->count(), 1);
    QCOMPARE(w->findChild<QListWidget*>(QStringLiteral("accountList"))->count(), 2);
}

// The account of an open Edit Account form takes its server id: the edit
// is saved under it. Deleted instead: the form says so and comes back.
void MainWindowMenusTest::editedAccountGoneOrRenamed()
{
    TestSupport::exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES ('old', 'Checking', 'x', 'x')");
    window()->selectAccount(QStringLiteral("old"));
    QString change = QStringLiteral("UPDATE accounts SET id = 'new'");
    QStringList runs; // the form's name at each run
    m_accountForm = [&](AccountFormDialog* form) {
        runs.append(form->nameEdit()->text());
        TestSupport::exec(change);
        emit m_state->syncEngine()->idsRenamed(QStringLiteral("accounts"), {{"old", "new"}});
        form->nameEdit()->setText(QStringLiteral("Joint %1").arg(runs.size()));
        return int(runs.size() < 3 ? QDialog::Accepted : QDialog::Rejected);
    };
    QAction* edit = action(QStringLiteral("&Account"), QStringLiteral("&Edit..."));
    edit->trigger();
    QCOMPARE(TestSupport::scalar("SELECT id || ':' || name FROM accounts").toString(), QStringLiteral("new:Joint 1"));
    change = QStringLiteral("DELETE FROM accounts");
    edit->trigger();
    QCOMPARE(runs, (QStringList{"Checking", "Joint 1", "Joint 2"}));
    QCOMPARE(m_boxTexts, QStringList{"This account no longer exists. Nothing was saved."});
}

#include "tst_mainwindowmenus.moc"
TALLYLEAF_TEST_MAIN(MainWindowMenusTest)
