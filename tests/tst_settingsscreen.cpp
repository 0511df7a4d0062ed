#include "testsupport.h"

#include "account/core/authclient.h"
#include "account/core/client.h"
#include "app/application.h"
#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/datarecovery.h"
#include "sync/syncengine.h"
#include "testserviceprocess.h"
#include "ui/appearance.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/settingsscreen.h"
#include "ui/style.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QInputDialog>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSettings>
#include <QTextBlock>
#include <QTextDocument>

#include <functional>
#include <memory>

class SettingsScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void buildingWritesNothing();
    void pageShortcuts();
    void settingTakesEffect_data();
    void settingTakesEffect();
    void language();
    void accentPicker();
    void aboutLinksFollowTheme_data();
    void aboutLinksFollowTheme();
    void backupRoundTrip_data();
    void backupRoundTrip();
    void backupFailures_data();
    void backupFailures();
    void restoreDeletedAccount();
    void restoreAccountWithNothingDeletedWithIt();
    void deleteAccountRefusedStep_data();
    void deleteAccountRefusedStep();
    void signedOutSync();
    void signedInSync();

private:
    SettingsScreen* screen();
    QPushButton* button(const QString& text) const;
    QString label(const char* name) const;
    void addScheduleAndReconciliation();

    std::unique_ptr<TestServiceProcess> m_service;
    QTemporaryDir m_runtimeDir;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<SettingsScreen> m_screen;
    QStringList m_messages;
    QMessageBox::StandardButton m_answer = QMessageBox::Yes;
    QList<QMessageBox::StandardButton> m_defaultButtons;
    QString m_chosenPath;
    QList<MessageBoxes::FileRequest> m_fileRequests;
    std::function<int(QDialog*)> m_runDialog;
};

void SettingsScreenTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    // Tokens go to the data directory, never to the desktop's keyring.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", m_runtimeDir.path().toUtf8());
    qputenv("AUTH_BASE_URL", m_service->url().toString().toUtf8());
    qputenv("ACCOUNT_API_URL", m_service->url(QStringLiteral("/account")).toString().toUtf8());
    qputenv("SYNC_API_URL", m_service->url().toString().toUtf8());
    m_state = std::make_unique<AppState>();
    QVERIFY(m_state->initialize());

    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_messages.append(r.title + QStringLiteral(": ") + r.text);
        m_defaultButtons.append(r.defaultButton);
        return r.buttons.testFlag(QMessageBox::Yes) ? m_answer : QMessageBox::Ok;
    });
    MessageBoxes::setFileChooser([this](const MessageBoxes::FileRequest& r) {
        m_fileRequests.append(r);
        return m_chosenPath.isEmpty() ? QStringList() : QStringList{m_chosenPath};
    });
    MessageBoxes::setDialogRunner([this](QDialog* dialog) { return m_runDialog(dialog); });
}

void SettingsScreenTest::init()
{
    m_screen.reset();
    for (const char* table : {"split_lines", "transactions", "recurring_transactions", "reconciliations", "categories",
                              "accounts", "preferences"})
        TestSupport::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    TestSupport::exec("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                      "('a1', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    TestSupport::exec("INSERT INTO transactions (id, account_id, date, payee, amount, created_at, updated_at) VALUES "
                      "('t1', 'a1', '2024-03-01', 'Market', -1250, '2024-03-01T00:00:00Z', '2024-03-01T00:00:00Z'), "
                      "('t2', 'a1', '2024-03-02', 'Salary', 250000, '2024-03-02T00:00:00Z', '2024-03-02T00:00:00Z')");
    TestSupport::exec("INSERT INTO categories (id, name, created_at, updated_at) VALUES "
                      "('c1', 'Food', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')");
    m_messages.clear();
    m_defaultButtons.clear();
    m_fileRequests.clear();
    m_chosenPath.clear();
    m_answer = QMessageBox::Yes;
    m_runDialog = [](QDialog*) { return int(QDialog::Rejected); };
}

SettingsScreen* SettingsScreenTest::screen()
{
    m_screen = std::make_unique<SettingsScreen>(m_state.get());
    m_screen->resize(500, 550);
    m_screen->show();
    m_screen->refresh();
    m_screen->onCategoryChanged(2); // Data & Sync
    return m_screen.get();
}

QPushButton* SettingsScreenTest::button(const QString& text) const
{
    for (QPushButton* b : m_screen->findChildren<QPushButton*>()) {
        if (b->text() == text)
            return b;
    }
    qWarning("no button %s", qPrintable(text));
    return nullptr;
}

QString SettingsScreenTest::label(const char* name) const
{
    return m_screen->findChild<QLabel*>(QLatin1String(name))->text();
}

// One synced row in each of the two tables the fixture leaves empty.
void SettingsScreenTest::addScheduleAndReconciliation()
{
    TestSupport::exec("INSERT INTO recurring_transactions (id, account_id, payee, amount, start_date, next_due_date, "
                      "sync_status, created_at, updated_at) VALUES ('r1', 'a1', 'Rent', -90000, '2024-03-01', "
                      "'2024-04-01', 'synced', '2024-03-01T00:00:00Z', '2024-03-01T00:00:00Z')");
    TestSupport::exec("INSERT INTO reconciliations (id, account_id, statement_date, statement_balance, "
                      "reconciled_balance, completed_at, sync_status) VALUES ('rc1', 'a1', '2024-03-31', 0, 0, "
                      "'2024-04-01T00:00:00Z', 'synced')");
}

// Showing the stored values writes no preference: an out-of-range week
// start stays stored until the user picks a day; a scale between the steps
// shows "Default".
void SettingsScreenTest::buildingWritesNothing()
{
    m_state->preferences()->setValue(QStringLiteral("weekStartDay"), QStringLiteral("2"));
    fontScalePercentRef() = 120;
    QSignalSpy written(m_state->preferences(), &PreferencesRepository::changed);
    screen();
    QCOMPARE(m_screen->findChild<QComboBox*>("weekStartCombo")->currentText(), QStringLiteral("Sunday"));
    QCOMPARE(m_screen->findChild<QComboBox*>("fontSizeCombo")->currentText(), QStringLiteral("Default"));
    QCOMPARE(written.count(), 0);
    QCOMPARE(m_state->preferences()->valueOr(QStringLiteral("weekStartDay"), QString()), QStringLiteral("2"));
    fontScalePercentRef() = 100;
}

// The navigation list takes no focus: the keyboard turns pages with
// Ctrl+PgDown and Ctrl+PgUp, round the ends.
void SettingsScreenTest::pageShortcuts()
{
    screen()->show();
    m_screen->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_screen.get()));
    auto* stack = m_screen->findChild<QStackedWidget*>();
    m_screen->findChild<QListWidget*>()->setCurrentRow(3);
    QTest::keyClick(m_screen.get(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(stack->currentIndex(), 0);
    QTest::keyClick(m_screen.get(), Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(stack->currentIndex(), 1);
    QTest::keyClick(m_screen.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QTest::keyClick(m_screen.get(), Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(stack->currentIndex(), 3);
}

void SettingsScreenTest::settingTakesEffect_data()
{
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QVariant>("choice");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("stored");
    QTest::newRow("theme") << "themeCombo" << QVariant("dark") << "theme" << "dark";
    QTest::newRow("font size") << "fontSizeCombo" << QVariant(130) << "fontScale" << "130";
    QTest::newRow("week start") << "weekStartCombo" << QVariant(6) << "weekStartDay" << "6";
    QTest::newRow("two-line") << "registerTwoLine" << QVariant(true) << "registerTwoLine" << "1";
    QTest::newRow("auto-decimal") << "amountAutoDecimal" << QVariant(true) << "amountAutoDecimal" << "1";
    QTest::newRow("newest first") << "registerNewestFirst" << QVariant(true) << "registerNewestFirst" << "1";
}

// Each choice is stored under its key and is in force at once.
void SettingsScreenTest::settingTakesEffect()
{
    QFETCH(QString, widget);
    QFETCH(QVariant, choice);
    QFETCH(QString, key);
    QFETCH(QString, stored);
    screen();
    auto* title = m_screen->findChildren<QLabel*>().first();
    const int titleSize = title->font().pointSize();
    if (auto* combo = m_screen->findChild<QComboBox*>(widget))
        combo->setCurrentIndex(combo->findData(choice));
    else
        m_screen->findChild<QCheckBox*>(widget)->setChecked(choice.toBool());
    QCOMPARE(m_state->preferences()->valueOr(key, QString()), stored);

    if (key == QLatin1String("theme")) {
        QVERIFY(isDarkPalette());
        m_state->themeManager()->setThemeName(QStringLiteral("light"));
    } else if (key == QLatin1String("fontScale")) {
        QCOMPARE(fontScalePercent(), 130);
        QVERIFY(title->font().pointSize() > titleSize); // refonted, not only stored
        m_state->themeManager()->setFontScale(100);
    } else if (key == QLatin1String("weekStartDay")) {
        QCOMPARE(weekStartDayRef(), 6); // what the next calendar popup starts on
    } else if (key == QLatin1String("amountAutoDecimal")) {
        QVERIFY(amountAutoDecimal());
        setAmountAutoDecimal(false);
    }
}

// The language is kept for the next start; only a new choice is stored
// and announced.
void SettingsScreenTest::language()
{
    QSettings().setValue(QStringLiteral("ui/language"), QStringLiteral("de"));
    screen();
    auto* combo = m_screen->findChild<QComboBox*>("languageCombo");
    QCOMPARE(combo->currentData().toString(), QStringLiteral("de"));
    m_screen->onLanguageChanged(combo->currentIndex());
    QVERIFY(m_messages.isEmpty());
    combo->setCurrentIndex(combo->findData(QStringLiteral("ja")));
    QCOMPARE(Application::uiLanguage(false), QStringLiteral("ja"));
    QCOMPARE(m_messages, QStringList{"Language Changed: The new language will take effect the next time you start "
                                     "Larkspur Tallyleaf."});
    QSettings().remove(QStringLiteral("ui/language"));
}

// The stored accent marks its swatch whatever its letter case; a click
// stores the colour, makes it current and repaints the button.
void SettingsScreenTest::accentPicker()
{
    m_state->preferences()->setValue(QStringLiteral("accentColor"), QStringLiteral("#00897b"));
    screen();
    QStringList selected;
    m_runDialog = [&selected](QDialog* dialog) {
        QPushButton* blue = nullptr;
        for (QPushButton* swatch : dialog->findChildren<QPushButton*>()) {
            if (swatch->styleSheet().contains(QLatin1String("2px solid")))
                selected << swatch->toolTip();
            if (swatch->toolTip() == QLatin1String("#1e88e5"))
                blue = swatch;
        }
        blue->click();
        return dialog->result();
    };
    m_screen->findChild<QPushButton*>("accentButton")->click();
    QCOMPARE(selected, QStringList{"#00897b"});
    QCOMPARE(m_state->preferences()->valueOr(QStringLiteral("accentColor"), QString()).toLower(),
             QStringLiteral("#1e88e5"));
    QCOMPARE(accentColorRef(), QColor(QStringLiteral("#1e88e5")));
    QVERIFY(m_screen->findChild<QPushButton*>("accentButton")->styleSheet().contains(QLatin1String("#1e88e5")));
    m_state->themeManager()->setAccentColor(QColor(QStringLiteral("#00897B")));
}

void SettingsScreenTest::aboutLinksFollowTheme_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("light to dark") << "light" << "dark";
    QTest::newRow("dark to light") << "dark" << "light";
}

// The About page's links read at 4.5:1 on the page once the theme is
// switched, without reopening the window.
void SettingsScreenTest::aboutLinksFollowTheme()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    ThemeManager* theme = m_state->themeManager();
    const QString before = m_state->preferences()->valueOr(QStringLiteral("theme"), QStringLiteral("system"));
    theme->setThemeName(from);
    screen();
    m_screen->onCategoryChanged(3); // About
    QLabel* links = nullptr;
    for (QLabel* label : m_screen->findChildren<QLabel*>()) {
        if (label->text().contains(QLatin1String("href")))
            links = label;
    }
    QVERIFY(links);

    theme->setThemeName(to);
    QCOMPARE(isDarkPalette(), to == QLatin1String("dark"));
    QCoreApplication::processEvents(); // the widgets take the new palette
    // The colours the label paints its links in, as its document holds them.
    auto* document = links->findChild<QTextDocument*>();
    QVERIFY(document);
    const QColor background = links->palette().color(links->backgroundRole());
    QStringList anchors;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isAnchor())
                continue;
            const QColor shown = format.foreground().color();
            anchors << format.anchorHref();
            QVERIFY2(contrastRatio(shown, background) >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2: %3:1")
                                    .arg(shown.name(), background.name())
                                    .arg(contrastRatio(shown, background), 0, 'f', 1)));
        }
    }
    QCOMPARE(anchors, QStringList({"https://larkspur.app/tallyleaf", "https://larkspur.app/tallyleaf/mobile"}));
    theme->setThemeName(before);
}

void SettingsScreenTest::backupRoundTrip_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("emptyFirst");
    QTest::addColumn<QString>("summary");
    const QString replace = QStringLiteral("Replace all with backup data");
    const QString newer = QStringLiteral("Keep newer (compare timestamps)");
    const QString skip = QStringLiteral("Skip existing items");
    const QString all = QStringLiteral("Import Complete: Imported 4 items, skipped 0.");
    const QString none = QStringLiteral("Import Complete: Imported 0 items, skipped 4.");
    QTest::newRow("replace, empty") << replace << true << all;
    QTest::newRow("newer, empty") << newer << true << all;
    QTest::newRow("skip, empty") << skip << true << all;
    QTest::newRow("replace, same data") << replace << false << all;
    QTest::newRow("newer, same data") << newer << false << none;
    QTest::newRow("skip, same data") << skip << false << none;
}

// Export proposes the dated name and writes the archive; importing it
// reports the counts and makes every view reload.
void SettingsScreenTest::backupRoundTrip()
{
    QFETCH(QString, mode);
    QFETCH(bool, emptyFirst);
    QFETCH(QString, summary);
    QTemporaryDir dir;
    m_chosenPath = dir.filePath(QStringLiteral("backup.zip"));
    screen();
    button(QStringLiteral("Export Backup"))->click();
    QCOMPARE(m_fileRequests.first().path,
             QStringLiteral("tallyleaf-backup-%1.zip").arg(QDate::currentDate().toString(Qt::ISODate)));
    QCOMPARE(m_messages, QStringList{"Backup Complete: Backup saved to:\n" + m_chosenPath});
    QVERIFY(QFileInfo(m_chosenPath).size() > 0);

    if (emptyFirst) {
        for (const char* table : {"transactions", "categories", "accounts"})
            TestSupport::exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    }
    m_messages.clear();
    m_runDialog = [mode](QDialog* dialog) {
        qobject_cast<QInputDialog*>(dialog)->setTextValue(mode);
        return int(QDialog::Accepted);
    };
    QSignalSpy restored(m_screen.get(), &SettingsScreen::deletedAccountRestored);
    QSignalSpy transactions(m_state->transactionRepository(), &TransactionRepository::transactionsChanged);
    button(QStringLiteral("Import Backup"))->click();
    // A replace is asked once more.
    QCOMPARE(m_messages.size(), mode.startsWith(QLatin1String("Replace")) ? 2 : 1);
    QCOMPARE(m_messages.last(), summary);
    QCOMPARE(restored.count(), 1);
    QCOMPARE(transactions.count(), summary == QLatin1String("Import Complete: Imported 0 items, skipped 4.") ? 0 : 1);
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 2);
    QVERIFY(button(QStringLiteral("Import Backup"))->isEnabled());
}

void SettingsScreenTest::backupFailures_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("file");    // "missing", "damaged" or a path
    QTest::addColumn<QString>("mode");    // empty: the mode question is cancelled
    QTest::addColumn<QString>("message"); // empty: none
    QTest::newRow("unwritable target") << "Export Backup" << "/nonexistent-dir/b.zip" << ""
                                       << "Backup Failed: Could not write to:\n/nonexistent-dir/b.zip";
    QTest::newRow("unreadable file") << "Import Backup" << "missing" << "Skip existing items"
                                     << "Import Failed: Could not read file.";
    QTest::newRow("damaged archive") << "Import Backup" << "damaged" << "Skip existing items"
                                     << "Import Failed: The backup could not be imported:\n\n";
    QTest::newRow("mode cancelled") << "Import Backup" << "missing" << "" << "";
    QTest::newRow("replace declined") << "Import Backup" << "missing" << "Replace all with backup data"
                                      << "Replace All Data: Every account";
}

// A failure is said as one, never as success; a cancelled mode question
// reads nothing.
void SettingsScreenTest::backupFailures()
{
    QFETCH(QString, action);
    QFETCH(QString, file);
    QFETCH(QString, mode);
    QFETCH(QString, message);
    QTemporaryDir dir;
    m_chosenPath = file.startsWith(QLatin1Char('/')) ? file : dir.filePath(file + QStringLiteral(".zip"));
    if (file == QLatin1String("damaged")) {
        QFile damaged(m_chosenPath);
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write("PK\x03\x04 not really an archive");
    }
    m_runDialog = [mode](QDialog* dialog) {
        qobject_cast<QInputDialog*>(dialog)->setTextValue(mode);
        return int(mode.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
    };
    m_answer = QMessageBox::No;
    screen();
    QSignalSpy restored(m_screen.get(), &SettingsScreen::deletedAccountRestored);
    button(action)->click();
    if (message.isEmpty()) {
        QVERIFY(m_messages.isEmpty());
    } else {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().startsWith(message), qPrintable(m_messages.first()));
        if (file == QLatin1String("damaged"))
            QVERIFY(m_messages.first().size() > message.size()); // the errors themselves
        if (mode.startsWith(QLatin1String("Replace")))
            QCOMPARE(m_defaultButtons.first(), QMessageBox::No);
    }
    QVERIFY(button(action)->isEnabled());
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM transactions").toInt(), 2);
}

// The account comes back with the rows deleted with it; a transaction
// deleted on its own a day earlier stays deleted.
void SettingsScreenTest::restoreDeletedAccount()
{
    screen();
    QVERIFY(!button(QStringLiteral("Restore Selected"))->parentWidget()->isVisible());

    QVERIFY(m_state->transactionRepository()->softDelete(QStringLiteral("t1")));
    TestSupport::exec("UPDATE transactions SET deleted_at = strftime('%Y-%m-%dT%H:%M:%SZ', 'now', '-1 day') "
                      "WHERE id = 't1'");
    addScheduleAndReconciliation();
    QCOMPARE(m_state->transactionRepository()->softDeleteByAccount(QStringLiteral("a1")), 1);
    QCOMPARE(m_state->recurringRepository()->softDeleteByAccount(QStringLiteral("a1")), 1);
    QCOMPARE(m_state->reconciliationRepository()->softDeleteByAccount(QStringLiteral("a1")), 1);
    QVERIFY(m_state->accountRepository()->softDelete(QStringLiteral("a1")));
    m_screen->refresh();

    QListWidget* list = nullptr;
    for (QListWidget* l : m_screen->findChildren<QListWidget*>()) {
        if (l->count() == 1 && l->item(0)->text() == QLatin1String("Checking"))
            list = l;
    }
    QVERIFY(list && list->isVisible());
    QPushButton* restore = button(QStringLiteral("Restore Selected"));
    QVERIFY(!restore->isEnabled());
    list->setCurrentRow(0);
    QVERIFY(restore->isEnabled());

    // Any one step refused: reported, and the account stays deleted.
    for (const char* table : {"transactions", "recurring_transactions", "reconciliations"}) {
        TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.%1 "
                                         "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                              .arg(QLatin1String(table)));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("restoreByAccount failed"));
        restore->click();
        TestSupport::exec("DROP TRIGGER temp.refuse");
        QCOMPARE(m_messages, QStringList{"Restore Failed: The account \"Checking\" could not be restored."});
        m_messages.clear();
        QVERIFY(m_state->accountRepository()->findById(QStringLiteral("a1"))->deletedAt);
        QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 0);
        list->setCurrentRow(0);
    }

    // A database that refuses the writes: reported, and nothing half restored.
    TestSupport::exec("PRAGMA query_only = ON");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("restore"));
    restore->click();
    TestSupport::exec("PRAGMA query_only = OFF");
    QCOMPARE(m_messages, QStringList{"Restore Failed: The account \"Checking\" could not be restored."});
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 0);
    list->setCurrentRow(0);

    QSignalSpy restored(m_screen.get(), &SettingsScreen::deletedAccountRestored);
    restore->click();
    QCOMPARE(restored.count(), 1);
    QVERIFY(!m_state->accountRepository()->findById(QStringLiteral("a1"))->deletedAt);
    QCOMPARE(TestSupport::scalar("SELECT group_concat(id) FROM transactions WHERE deleted_at IS NULL").toString(),
             QStringLiteral("t2"));
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM recurring_transactions WHERE deleted_at IS NULL").toInt(), 1);
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM reconciliations WHERE deleted_at IS NULL").toInt(), 1);
    QVERIFY(!list->isVisible());
}

// An account whose rows had all gone before it: nothing comes back with
// it, and that is no failure.
void SettingsScreenTest::restoreAccountWithNothingDeletedWithIt()
{
    TestSupport::exec("UPDATE transactions SET deleted_at = strftime('%Y-%m-%dT%H:%M:%SZ', 'now', '-1 day')");
    const SyncedRepositories repos = m_state->syncedRepositories();
    QVERIFY(DataRecovery::deleteAccount(repos, QStringLiteral("a1")));
    QVERIFY(m_state->accountRepository()->findById(QStringLiteral("a1"))->deletedAt);

    QVERIFY(DataRecovery::restoreDeletedAccount(repos, QStringLiteral("a1")));
    QVERIFY(!m_state->accountRepository()->findById(QStringLiteral("a1"))->deletedAt);
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM transactions WHERE deleted_at IS NULL").toInt(), 0);
}

void SettingsScreenTest::deleteAccountRefusedStep_data()
{
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("owner");
    QTest::newRow("transactions") << "transactions" << "TransactionRepository";
    QTest::newRow("schedules") << "recurring_transactions" << "RecurringRepository";
    QTest::newRow("reconciliations") << "reconciliations" << "ReconciliationRepository";
}

// One table refuses the account's rows: the account and every row stay
// live, whatever the refused cascade counted.
void SettingsScreenTest::deleteAccountRefusedStep()
{
    QFETCH(QString, table);
    QFETCH(QString, owner);
    addScheduleAndReconciliation();
    TestSupport::exec(QStringLiteral("CREATE TEMP TRIGGER refuse BEFORE UPDATE ON main.%1 "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END")
                          .arg(table));
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^%1::softDeleteByAccount failed:").arg(owner)));
    const bool deleted = DataRecovery::deleteAccount(m_state->syncedRepositories(), QStringLiteral("a1"));
    TestSupport::exec("DROP TRIGGER temp.refuse");
    QVERIFY(!deleted);
    QVERIFY(!m_state->accountRepository()->findById(QStringLiteral("a1"))->deletedAt);
    for (const char* live : {"transactions", "recurring_transactions", "reconciliations"})
        QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE deleted_at IS NULL")
                                         .arg(QLatin1String(live)))
                     .toInt(),
                 qstrcmp(live, "transactions") == 0 ? 2 : 1);
}

// Signed out: only the notice; a Sync Now the engine refuses gives the
// button back at once. Force Full Sync marks everything pending and
// forgets the cursor, and only when confirmed.
void SettingsScreenTest::signedOutSync()
{
    addScheduleAndReconciliation();
    const QStringList synced{"accounts", "categories", "recurring_transactions", "transactions", "reconciliations"};
    for (const QString& table : synced)
        TestSupport::exec(QStringLiteral("UPDATE %1 SET sync_status = 'synced'").arg(table));
    m_state->preferences()->setValue(QStringLiteral("syncCursor"), QStringLiteral("cursor-7"));
    m_state->preferences()->setValue(QStringLiteral("lastSyncTimestamp"), QStringLiteral("yesterday"));
    screen();
    QCOMPARE(label("accountStatusLabel"),
             QStringLiteral("Not signed in.\nSign in via File › Larkspur Account to enable sync."));
    QVERIFY(!m_screen->findChild<QLabel*>("syncStatusLabel")->isVisible());
    QVERIFY(!button(QStringLiteral("Sync Now"))->isVisible());

    m_screen->syncNow();
    QPushButton* syncButton = button(QStringLiteral("Sync Now"));
    QVERIFY(syncButton && syncButton->isEnabled());

    m_answer = QMessageBox::No;
    m_screen->forceFullSync();
    QCOMPARE(m_state->preferences()->valueOr(QStringLiteral("syncCursor"), QString()), QStringLiteral("cursor-7"));
    QCOMPARE(TestSupport::scalar("SELECT COUNT(*) FROM transactions WHERE sync_status = 'pending'").toInt(), 0);

    m_answer = QMessageBox::Yes;
    m_screen->forceFullSync();
    QVERIFY(!m_state->preferences()->value(QStringLiteral("syncCursor")));
    QVERIFY(!m_state->preferences()->value(QStringLiteral("lastSyncTimestamp")));
    for (const QString& table : synced) {
        QVERIFY2(TestSupport::scalar(QStringLiteral("SELECT COUNT(*) > 0 AND MIN(sync_status = 'pending') FROM %1")
                                         .arg(table))
                     .toBool(),
                 qPrintable(table));
    }
    QVERIFY(button(QStringLiteral("Sync Now"))->isEnabled());
    QVERIFY(button(QStringLiteral("Force Full Sync"))->isEnabled());
}

// Signed in: a cycle disables both buttons until it ends, then the page
// shows the last sync; a failed cycle shows the error under it.
void SettingsScreenTest::signedInSync()
{
    SyncEngine* engine = m_state->syncEngine();
    // The service names the user "User <subject>": markup, shown as text.
    const QJsonObject pair = m_service->issueTokens(QStringLiteral("<i>u1</i>"));
    m_state->accountClient()->authClient()->handleCallback(
        QUrl(QStringLiteral("http://127.0.0.1/callback#access_token=%1&refresh_token=%2")
                 .arg(pair.value(QLatin1String("access_token")).toString(),
                      pair.value(QLatin1String("refresh_token")).toString())));
    QTRY_COMPARE_WITH_TIMEOUT(engine->state(), SyncEngine::Idle, 10000);
    screen();
    QTRY_VERIFY_WITH_TIMEOUT(
        label("accountStatusLabel").startsWith(QLatin1String("<b>Signed in as:</b> User &lt;i&gt;u1&lt;/i&gt;<br>")),
        10000);

    // Something to push, so the cycle waits for the service.
    TestSupport::exec("UPDATE transactions SET sync_status = 'pending'");
    m_screen->syncNow();
    QCOMPARE(engine->state(), SyncEngine::Syncing);
    QVERIFY(!button(QStringLiteral("Syncing..."))->isEnabled());
    QVERIFY(!button(QStringLiteral("Force Full Sync"))->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(button(QStringLiteral("Force Full Sync"))->isEnabled(), 10000);
    QVERIFY(button(QStringLiteral("Sync Now"))->isEnabled());
    QVERIFY2(label("syncStatusLabel").startsWith(QLatin1String("Last synced: ")), qPrintable(label("syncStatusLabel")));

    m_service->addFault(QStringLiteral("/sync/push"), {{"mode", "status"}, {"status", 500}});
    TestSupport::exec("UPDATE transactions SET sync_status = 'pending'");
    m_screen->syncNow();
    QTRY_COMPARE_WITH_TIMEOUT(engine->state(), SyncEngine::Error, 10000);
    QVERIFY(button(QStringLiteral("Sync Now"))->isEnabled());
    QVERIFY2(label("syncStatusLabel").contains(QLatin1String("\nError: ")), qPrintable(label("syncStatusLabel")));
    QVERIFY(label("accountStatusLabel").contains(QLatin1String("#C62828")));

    m_state->accountClient()->authClient()->logout();
    m_service->reset();
}

TALLYLEAF_TEST_MAIN(SettingsScreenTest)
#include "tst_settingsscreen.moc"
