#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "services/transactionservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QComboBox>
#include <QHeaderView>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSignalSpy>

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);

} // namespace

// The register's inline entry driven by key presses, as a user types.
class TestRegisterEntry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void amounts_data();
    void amounts();
    void refusedCommitKeepsBuffers();
    void bufferRules_data();
    void bufferRules();
    void transfer_data();
    void transfer();
    void changedRowAppliesOnlyEditedFields();
    void inlineEditOneField_data();
    void inlineEditOneField();
    void inlineTransferOnExistingRow_data();
    void inlineTransferOnExistingRow();
    void revisitedPayeeKeepsTyping();
    void deferredReloadKeepsTyping_data();
    void deferredReloadKeepsTyping();
    void sortDuringEditCommitsEditedTransaction();
    void filterHidesNewRow();
    void returnCommitsTabNever();
    void typingOpensTheCell_data();
    void typingOpensTheCell();
    void hiddenMemoIsSkipped();
    void apostrophe();
    void commandKeysInsideEditors_data();
    void commandKeysInsideEditors();
    void openingRowIsReadOnly();
    void memorize_data();
    void memorize();
    void failedInsertKeepsBuffers();
    void acceptFromCompletionPopup_data();
    void acceptFromCompletionPopup();
    void sharedCategoryName();

private:
    QString addAccount(const QString& name, qint64 starting = 0, CurrencyCode currency = CurrencyCode::USD);
    QString add(const QString& accountId, const QString& payee, const QDate& date, qint64 amount,
                const QString& categoryId = {});
    void show(const QString& accountId);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void type(const QString& text);
    // From the entry row's Date cell: one text per field (Date to Deposit),
    // Return after each; ends on the Clr cell.
    void typeFields(const QStringList& fields);
    int liveCount(const QString& accountId) const;
    QString status() const { return m_screen->findChild<QLabel*>("statusLabel")->text(); }
    RegisterModel* model() const { return m_screen->registerModel(); }
    RegisterTableView* view() const { return m_screen->tableView(); }
    QModelIndex entryCell(int column) const { return model()->index(model()->entryRowIndex(), column); }

    AppState* m_state = nullptr;
    RegisterScreen* m_screen = nullptr;
    QStringList m_dialogs;
    QStringList m_questions;
    int m_accounts = 0;
};

void TestRegisterEntry::initTestCase()
{
    m_state = TestSupport::startRegisterSuite();
    QVERIFY(m_state);
}

void TestRegisterEntry::cleanupTestCase()
{
    TestSupport::endRegisterSuite(m_state);
}

void TestRegisterEntry::init()
{
    QSettings().remove(QStringLiteral("register"));
    setAmountAutoDecimal(false);
    m_dialogs.clear();
    m_questions.clear();
    MessageBoxes::setDialogRunner([this](QDialog* dialog) {
        m_dialogs << QString::fromLatin1(dialog->metaObject()->className());
        return int(QDialog::Rejected);
    });
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& request) {
        m_questions << request.text;
        return QMessageBox::No;
    });
    m_screen = TestSupport::showRegister(m_state, {1300, 600});
    QVERIFY(QTest::qWaitForWindowActive(m_screen));
}

void TestRegisterEntry::cleanup()
{
    delete m_screen;
    MessageBoxes::setDialogRunner({});
    MessageBoxes::setPresenter({});
    setAmountAutoDecimal(false);
}

QString TestRegisterEntry::addAccount(const QString& name, qint64 starting, CurrencyCode currency)
{
    Account a;
    a.id = QStringLiteral("entry-acc-%1").arg(++m_accounts);
    a.name = name;
    a.currency = currency;
    a.startingBalance = starting;
    a.sortOrder = m_accounts;
    a.createdAt = a.updatedAt = kCreated;
    return m_state->accountRepository()->insert(a) ? a.id : QString();
}

QString TestRegisterEntry::add(const QString& accountId, const QString& payee, const QDate& date, qint64 amount,
                               const QString& categoryId)
{
    Transaction t;
    t.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.categoryId = categoryId;
    t.createdAt = t.updatedAt = kCreated;
    return m_state->transactionRepository()->insert(t) ? t.id : QString();
}

void TestRegisterEntry::show(const QString& accountId)
{
    m_screen->setAccount(accountId);
    view()->setFocus();
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::DateColumn));
}

void TestRegisterEntry::key(int k, Qt::KeyboardModifiers modifiers)
{
    // The offscreen platform drops activation when a completion popup is
    // destroyed; a desktop hands it back to the window.
    if (QApplication::activeWindow() != m_screen) {
        m_screen->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_screen));
        QWidget* editor = view()->indexWidget(view()->currentIndex());
        if (editor)
            editor->setFocus();
        else
            view()->setFocus();
    }
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keyClick(target, Qt::Key(k), modifiers);
}

void TestRegisterEntry::type(const QString& text)
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        edit->selectAll();
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    QTest::keyClicks(target, text);
    // The completion popup would take the next Return for itself.
    if (auto* edit = qobject_cast<QLineEdit*>(target); edit && edit->completer())
        edit->completer()->popup()->hide();
    if (auto* combo = qobject_cast<QComboBox*>(target); combo && combo->completer())
        combo->completer()->popup()->hide();
}

void TestRegisterEntry::typeFields(const QStringList& fields)
{
    key(Qt::Key_Return); // opens the Date editor
    for (const QString& text : fields) {
        if (!text.isEmpty())
            type(text);
        key(Qt::Key_Return);
    }
}

int TestRegisterEntry::liveCount(const QString& accountId) const
{
    return m_state->transactionRepository()->findByAccount(accountId).size();
}

void TestRegisterEntry::amounts_data()
{
    QTest::addColumn<QString>("payment");
    QTest::addColumn<QString>("deposit");
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<qint64>("amount");
    QTest::addColumn<QString>("refusal"); // empty: saved

    const QString tooLarge = QStringLiteral("Amounts can be at most 99,999,999.99");
    QTest::newRow("payment wins over deposit") << "12.50" << "3.00" << false << qint64(-1250) << "";
    QTest::newRow("auto-decimal deposit") << "" << "1250" << true << qint64(1250) << "";
    QTest::newRow("largest amount") << "99,999,999.99" << "" << false << qint64(-9999999999) << "";
    QTest::newRow("unreadable payment refused") << "abc" << "" << false << qint64(0) << "\"abc\" is not an amount";
    QTest::newRow("auto-decimal, no digits refused") << "" << "abc" << true << qint64(0) << "\"abc\" is not an amount";
    QTest::newRow("above the largest refused") << "100000000.00" << "" << false << qint64(0) << tooLarge;
    QTest::newRow("18 digits refused") << "999999999999999999" << "" << false << qint64(0) << tooLarge;
    QTest::newRow("auto-decimal, 19 digits refused") << "1234567890123456789" << "" << true << qint64(0) << tooLarge;
}

void TestRegisterEntry::amounts()
{
    QFETCH(QString, payment);
    QFETCH(QString, deposit);
    QFETCH(bool, autoDecimal);
    setAmountAutoDecimal(autoDecimal);
    const QString id = addAccount(QStringLiteral("Amounts"));
    show(id);

    typeFields({"3/4/2024", "101", "Grocer", "", "weekly", payment, deposit});
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::ClearedColumn));
    key(Qt::Key_Return, Qt::ControlModifier);

    QFETCH(QString, refusal);
    if (!refusal.isEmpty()) {
        // Refused as other commits are: the message, the text kept.
        QCOMPARE(status(), refusal);
        QCOMPARE(liveCount(id), 0);
        QCOMPARE(model()->paymentText, payment);
        QCOMPARE(model()->depositText, deposit);
        return;
    }
    const QList<Transaction> stored = m_state->transactionRepository()->findByAccount(id);
    QCOMPARE(stored.size(), 1);
    QTEST(stored[0].amount, "amount");
    QCOMPARE(stored[0].date, QDate(2024, 3, 4));
    QCOMPARE(stored[0].checkNumber, QStringLiteral("101"));
    QCOMPARE(stored[0].memo, QStringLiteral("weekly"));
    QCOMPARE(stored[0].version, 1);
    QCOMPARE(stored[0].syncStatus, SyncStatus::Pending);
    // The next entry starts on the saved date, ready on the new entry row.
    QCOMPARE(model()->lastEntryDate, QStringLiteral("3/4/2024"));
    QCOMPARE(model()->dateText, QStringLiteral("3/4/2024"));
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::DateColumn));
}

void TestRegisterEntry::refusedCommitKeepsBuffers()
{
    const QString id = addAccount(QStringLiteral("Refused"));
    show(id);

    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(status(), QStringLiteral("Payee is required"));
    // Back on the payee, its editor open, to type it at once.
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::PayeeColumn));
    type(QStringLiteral("Corner Shop"));
    key(Qt::Key_Return);
    type(QStringLiteral("Zz No Such Category"));
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(status(), QStringLiteral("Enter a payment or deposit amount"));
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::PaymentColumn));
    QCOMPARE(model()->payeeText, QStringLiteral("Corner Shop"));
    QCOMPARE(model()->categoryText, QStringLiteral("Zz No Such Category"));
    QCOMPARE(liveCount(id), 0);

    type(QStringLiteral("4.75"));
    key(Qt::Key_Return, Qt::ControlModifier);
    // A name that matches no category is refused, not dropped.
    QCOMPARE(status(), QStringLiteral("No category is named \"Zz No Such Category\""));
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::CategoryColumn));
    QCOMPARE(liveCount(id), 0);
    QCOMPARE(model()->paymentText, QStringLiteral("4.75"));

    Category corner;
    corner.id = QStringLiteral("cat-zz-corner");
    corner.name = QStringLiteral("Zz Corner");
    corner.createdAt = corner.updatedAt = kCreated;
    QVERIFY(m_state->categoryRepository()->insert(corner));
    type(corner.name);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(liveCount(id), 1);
    const Transaction saved = m_state->transactionRepository()->findByAccount(id).first();
    QCOMPARE(saved.amount, qint64(-475));
    QCOMPARE(saved.categoryId, corner.id);
}

void TestRegisterEntry::bufferRules_data()
{
    QTest::addColumn<QString>("dateText");
    QTest::addColumn<QString>("clearedText");
    QTest::addColumn<QString>("categoryText");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("clearedState"); // 0 none, 1 cleared, 2 reconciled
    QTest::addColumn<QString>("categoryName");
    QTest::addColumn<QString>("refusal"); // empty: saved

    const QString noDate = QStringLiteral("Enter a date that exists, such as %1")
                               .arg(QDate::currentDate().toString(QStringLiteral("M/d/yyyy")));
    const QDate day(2024, 1, 1);
    QTest::newRow("impossible date refused") << "13/45/2024" << "" << "" << QDate() << 0 << "" << noDate;
    QTest::newRow("day that does not exist refused") << "2/30/2024" << "" << "" << QDate() << 0 << "" << noDate;
    QTest::newRow("lower-case r between spaces") << "2/29/2024" << " r " << "" << QDate(2024, 2, 29) << 2 << ""
                                                 << "";
    QTest::newRow("C is cleared") << "1/1/2024" << "c" << "" << day << 1 << "" << "";
    QTest::newRow("other text is not cleared") << "1/1/2024" << "x" << "" << day << 0 << "" << "";
    QTest::newRow("path names the child") << "1/1/2024" << "" << "Food > Zz Groceries" << day << 0 << "Zz Groceries"
                                          << "";
    QTest::newRow("the one name in another case") << "1/1/2024" << "" << "zz groceries" << day << 0
                                                  << "Zz Groceries" << "";
    QTest::newRow("separator without spaces refused")
        << "1/1/2024" << "" << "Food>Zz Groceries" << QDate() << 0 << ""
        << "No category is named \"Food>Zz Groceries\"";
}

void TestRegisterEntry::bufferRules()
{
    QFETCH(QString, categoryText);
    QFETCH(QString, categoryName);
    if (!m_state->categoryRepository()->findByName(QStringLiteral("Zz Groceries"))) {
        Category c;
        c.id = QStringLiteral("cat-zz-groceries");
        c.name = QStringLiteral("Zz Groceries");
        c.createdAt = c.updatedAt = kCreated;
        QVERIFY(m_state->categoryRepository()->insert(c));
    }
    const QString id = addAccount(QStringLiteral("Rules"));
    show(id);

    // Texts no editor would produce (the date editor keeps a valid date, Clr
    // has no editor): written into the buffers, then committed by key.
    QFETCH(QString, dateText);
    QFETCH(QString, clearedText);
    model()->dateText = dateText;
    model()->clearedText = clearedText;
    model()->categoryText = categoryText;
    model()->payeeText = QStringLiteral("Rules payee");
    model()->depositText = QStringLiteral("1.00");
    key(Qt::Key_Return, Qt::ControlModifier);

    QFETCH(QString, refusal);
    if (!refusal.isEmpty()) {
        QCOMPARE(status(), refusal);
        QCOMPARE(liveCount(id), 0);
        QCOMPARE(model()->dateText, dateText);
        QCOMPARE(model()->categoryText, categoryText);
        return;
    }
    const QList<Transaction> stored = m_state->transactionRepository()->findByAccount(id);
    QCOMPARE(stored.size(), 1);
    QTEST(stored[0].date, "date");
    QFETCH(int, clearedState);
    QCOMPARE(stored[0].cleared, clearedState > 0);
    QCOMPARE(stored[0].reconciled, clearedState == 2);
    const std::optional<Category> category = m_state->categoryRepository()->findById(stored[0].categoryId);
    QCOMPARE(category ? category->name : QString(), categoryName);
    // Unreadable typed text never becomes the next entry's date.
    QCOMPARE(model()->lastEntryDate, stored[0].date.toString(QStringLiteral("M/d/yyyy")));
}

void TestRegisterEntry::transfer_data()
{
    QTest::addColumn<int>("target"); // 0 the savings account, 1 the euro account, 2 none
    QTest::addColumn<QString>("statusText");
    QTest::addColumn<QString>("errorText");

    QTest::newRow("same currency") << 0 << "" << "";
    QTest::newRow("other currency") << 1 << "" << "Transfers require both accounts to use the same currency";
    QTest::newRow("unknown account") << 2 << "Transfer account not found" << "";
}

void TestRegisterEntry::transfer()
{
    QFETCH(int, target);
    QFETCH(QString, statusText);
    QFETCH(QString, errorText);
    const QString checking = addAccount(QStringLiteral("Checking %1").arg(m_accounts + 1));
    const QString savingsName = QStringLiteral("Savings %1").arg(m_accounts + 1);
    const QString savings = addAccount(savingsName);
    const QString euroName = QStringLiteral("Euro %1").arg(m_accounts + 1);
    const QString euro = addAccount(euroName, 0, CurrencyCode::EUR);
    const QString payee = QStringLiteral("[Transfer] ")
        + (target == 0 ? savingsName : target == 1 ? euroName : QStringLiteral("Nowhere"));
    show(checking);
    QSignalSpy errors(m_screen, &RegisterScreen::errorMessage);

    typeFields({"", "", payee, "", "", "250.00"});
    key(Qt::Key_Return, Qt::ControlModifier);

    if (!errorText.isEmpty() || !statusText.isEmpty()) {
        QCOMPARE(liveCount(checking), 0);
        QCOMPARE(liveCount(savings) + liveCount(euro), 0);
        QCOMPARE(status(), statusText);
        QCOMPARE(errors.size(), errorText.isEmpty() ? 0 : 1);
        if (!errorText.isEmpty())
            QCOMPARE(errors[0][0].toString(), errorText);
        QCOMPARE(model()->payeeText, payee);
        return;
    }
    const Transaction source = m_state->transactionRepository()->findByAccount(checking).value(0);
    const Transaction other = m_state->transactionRepository()->findByAccount(savings).value(0);
    QCOMPARE(source.payee, "Transfer to " + savingsName);
    QCOMPARE(other.payee, QStringLiteral("Transfer from Checking %1").arg(m_accounts - 2));
    QCOMPARE(source.amount, qint64(-25000));
    QCOMPARE(other.amount, qint64(25000));
    QCOMPARE(source.transferLinkId, other.id);
    QCOMPARE(other.transferLinkId, source.id);
    QCOMPARE(source.transferDestAccountId, savings);
    QCOMPARE(other.transferDestAccountId, checking);
    // The other side is written first.
    const QVariant first = TestSupport::scalar(
        QStringLiteral("SELECT id FROM transactions WHERE id IN ('%1','%2') ORDER BY rowid LIMIT 1")
            .arg(source.id, other.id));
    QCOMPARE(first.toString(), other.id);
    QVERIFY(errors.isEmpty());
}

void TestRegisterEntry::changedRowAppliesOnlyEditedFields()
{
    const QString id = addAccount(QStringLiteral("Changes"));
    const QString a = add(id, QStringLiteral("First"), QDate(2024, 5, 1), -100);
    const QString b = add(id, QStringLiteral("Second"), QDate(2024, 5, 2), -200);
    add(id, QStringLiteral("Third"), QDate(2024, 5, 3), -300);
    show(id);

    view()->setCurrentIndex(model()->index(1, RegisterModel::PayeeColumn));
    QCOMPARE(model()->editingRow, 1);
    key(Qt::Key_Return);
    type(QStringLiteral("Second, renamed"));
    key(Qt::Key_Tab);
    QTRY_COMPARE(view()->currentIndex(), model()->index(1, RegisterModel::CategoryColumn));

    // Meanwhile another device changed the memo and the amount.
    Transaction pulled = *m_state->transactionRepository()->findById(b);
    pulled.memo = QStringLiteral("from the phone");
    pulled.amount = -999;
    pulled.version = 5;
    pulled.syncStatus = SyncStatus::Synced;
    QVERIFY(m_state->transactionRepository()->update(pulled));

    key(Qt::Key_Return, Qt::ControlModifier);
    const Transaction saved = *m_state->transactionRepository()->findById(b);
    QCOMPARE(saved.payee, QStringLiteral("Second, renamed"));
    QCOMPARE(saved.memo, QStringLiteral("from the phone"));
    QCOMPARE(saved.amount, qint64(-999));
    QCOMPARE(saved.version, 6);
    QCOMPARE(saved.syncStatus, SyncStatus::Pending);
    QCOMPARE(m_state->transactionRepository()->findById(a)->version, 1);
    QCOMPARE(view()->currentIndex(), model()->index(2, RegisterModel::DateColumn));
    QCOMPARE(model()->editingRow, 2);

    // Gone meanwhile (an update would match nothing): said, and what was
    // typed stays in edit.
    view()->setCurrentIndex(model()->index(2, RegisterModel::PayeeColumn));
    key(Qt::Key_Return);
    type(QStringLiteral("Third, renamed"));
    TestSupport::exec(QStringLiteral("DELETE FROM transactions WHERE payee = 'Third'"));
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(status(), QStringLiteral("This transaction no longer exists. Nothing was saved."));
    QCOMPARE(model()->payeeText, QStringLiteral("Third, renamed"));
    QCOMPARE(model()->editingRow, 2);
    // So does a reload with no editor open (a sync applied the deletion),
    // until the user leaves the row.
    key(Qt::Key_Escape);
    m_screen->findChild<QLabel*>("statusLabel")->clear();
    m_screen->reload();
    QCOMPARE(status(), QStringLiteral("This transaction no longer exists. Nothing was saved."));
    QCOMPARE(model()->payeeText, QStringLiteral("Third, renamed"));
    QVERIFY(model()->isEditingTransaction());
    // Kept, it starts no other reload, and the totals never counted it.
    const QString keptBalance = m_screen->findChild<QLabel*>("balanceLabel")->text();
    QSignalSpy resets(model(), &QAbstractItemModel::modelReset);
    QTest::qWait(50);
    QCOMPARE(resets.count(), 0);
    view()->setCurrentIndex(entryCell(RegisterModel::DateColumn));
    QTRY_COMPARE(model()->rowCount(), 3);
    QCOMPARE(m_screen->findChild<QLabel*>("balanceLabel")->text(), keptBalance);
    // Moved by a sync: said so. Deleted here: gone at once, unannounced.
    const auto typeInto = [this](int row) {
        view()->setCurrentIndex(model()->index(row, RegisterModel::PayeeColumn));
        key(Qt::Key_Return);
        type(QStringLiteral("Typed"));
        key(Qt::Key_Tab);
        key(Qt::Key_Escape);
        m_screen->findChild<QLabel*>("statusLabel")->clear();
    };
    typeInto(1);
    TestSupport::exec(QStringLiteral("UPDATE transactions SET account_id = '%1' WHERE id = '%2'")
                          .arg(addAccount(QStringLiteral("Elsewhere")), b));
    m_screen->reload();
    QCOMPARE(status(), QStringLiteral("This transaction was moved to another account. Saving keeps your changes there."));
    MessageBoxes::setPresenter([](const MessageBoxes::Request&) { return QMessageBox::Yes; });
    typeInto(0);
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(status(), QString());
}

void TestRegisterEntry::inlineEditOneField_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<qint64>("amount"); // of the stored row
    QTest::addColumn<QString>("typed");  // empty: Space on the cell

    QTest::newRow("date") << int(RegisterModel::DateColumn) << qint64(-1234) << "6/9/2024";
    QTest::newRow("check number") << int(RegisterModel::CheckNumberColumn) << qint64(-1234) << "2002";
    QTest::newRow("payee") << int(RegisterModel::PayeeColumn) << qint64(-1234) << "Renamed";
    QTest::newRow("category") << int(RegisterModel::CategoryColumn) << qint64(-1234) << "Zz Inline After";
    QTest::newRow("memo") << int(RegisterModel::MemoColumn) << qint64(-1234) << "new memo";
    QTest::newRow("payment") << int(RegisterModel::PaymentColumn) << qint64(-1234) << "56.78";
    QTest::newRow("deposit") << int(RegisterModel::DepositColumn) << qint64(1234) << "9.10";
    QTest::newRow("cleared") << int(RegisterModel::ClearedColumn) << qint64(-1234) << "";
}

void TestRegisterEntry::inlineEditOneField()
{
    QFETCH(int, column);
    QFETCH(qint64, amount);
    QFETCH(QString, typed);
    CategoryRepository* categories = m_state->categoryRepository();
    for (const char* name : {"Zz Inline Before", "Zz Inline After"}) {
        if (categories->findByName(QLatin1String(name)))
            continue;
        Category c;
        c.id = QStringLiteral("cat-") + QString::fromLatin1(name).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
        c.name = QLatin1String(name);
        c.createdAt = c.updatedAt = kCreated;
        QVERIFY(categories->insert(c));
    }
    const QString id = addAccount(QStringLiteral("Inline"));
    Transaction original;
    original.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    original.accountId = id;
    original.date = QDate(2024, 6, 8);
    original.checkNumber = QStringLiteral("1001");
    original.payee = QStringLiteral("Original");
    original.categoryId = categories->findByName(QStringLiteral("Zz Inline Before"))->id;
    original.memo = QStringLiteral("old memo");
    original.amount = amount;
    original.createdAt = original.updatedAt = kCreated;
    QVERIFY(m_state->transactionRepository()->insert(original));
    show(id);

    view()->setCurrentIndex(model()->index(0, column));
    if (typed.isEmpty()) {
        key(Qt::Key_Space);
    } else {
        key(Qt::Key_Return);
        type(typed);
        key(Qt::Key_Return, Qt::ControlModifier);
    }
    QCOMPARE(status(), QString());

    Transaction expected = original;
    switch (column) {
    case RegisterModel::DateColumn: expected.date = QDate(2024, 6, 9); break;
    case RegisterModel::CheckNumberColumn: expected.checkNumber = typed; break;
    case RegisterModel::PayeeColumn: expected.payee = typed; break;
    case RegisterModel::CategoryColumn: expected.categoryId = categories->findByName(typed)->id; break;
    case RegisterModel::MemoColumn: expected.memo = typed; break;
    case RegisterModel::PaymentColumn: expected.amount = -5678; break;
    case RegisterModel::DepositColumn: expected.amount = 910; break;
    default: expected.cleared = true; break;
    }
    const Transaction saved = *m_state->transactionRepository()->findById(original.id);
    const auto fields = [](const Transaction& t) {
        return QStringList{t.date.toString(Qt::ISODate), t.checkNumber, t.payee, t.categoryId, t.memo,
                           QString::number(t.amount), QString::number(t.cleared), QString::number(t.reconciled),
                           t.transferLinkId, QString::number(t.isSplit)};
    };
    QCOMPARE(fields(saved), fields(expected));
    // The cleared toggle keeps the version; a commit raises it.
    QCOMPARE(saved.version, typed.isEmpty() ? 1 : 2);
    QCOMPARE(saved.syncStatus, SyncStatus::Pending);
}

void TestRegisterEntry::inlineTransferOnExistingRow_data()
{
    QTest::addColumn<bool>("split");
    QTest::addColumn<QString>("refusal"); // empty: it becomes a transfer
    QTest::newRow("plain row becomes a transfer") << false << "";
    QTest::newRow("split row refused") << true << "A transfer can't be split across categories";
}

void TestRegisterEntry::inlineTransferOnExistingRow()
{
    QFETCH(bool, split);
    QFETCH(QString, refusal);
    const QString checking = addAccount(QStringLiteral("From %1").arg(m_accounts + 1));
    const QString savingsName = QStringLiteral("To %1").arg(m_accounts + 1);
    const QString savings = addAccount(savingsName);
    const QString id = add(checking, QStringLiteral("Was a shop"), QDate(2024, 7, 1), -2500);
    if (split)
        TestSupport::exec(QStringLiteral("UPDATE transactions SET is_split = 1 WHERE id = '%1'").arg(id));
    show(checking);

    view()->setCurrentIndex(model()->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_Return);
    type(transferPayeePrefix + savingsName);
    key(Qt::Key_Return, Qt::ControlModifier);

    const Transaction mine = *m_state->transactionRepository()->findById(id);
    if (!refusal.isEmpty()) {
        QCOMPARE(status(), refusal);
        QCOMPARE(mine.payee, QStringLiteral("Was a shop"));
        QCOMPARE(liveCount(savings), 0);
        return;
    }
    // Linked both ways, the other side in the other account.
    QCOMPARE(mine.payee, "Transfer to " + savingsName);
    QCOMPARE(mine.transferDestAccountId, savings);
    const Transaction other = *m_state->transactionRepository()->findById(mine.transferLinkId);
    QCOMPARE(other.accountId, savings);
    QCOMPARE(other.transferLinkId, id);
    QCOMPARE(other.amount, qint64(2500));
    QCOMPARE(other.date, QDate(2024, 7, 1));

    // An amount changed inline reaches the other side too.
    view()->setCurrentIndex(model()->index(0, RegisterModel::PaymentColumn));
    key(Qt::Key_Return);
    type(QStringLiteral("30.00"));
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(m_state->transactionRepository()->findById(other.id)->amount, qint64(3000));
}

void TestRegisterEntry::revisitedPayeeKeepsTyping()
{
    const QString id = addAccount(QStringLiteral("Revisit"));
    Transaction last;
    last.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    last.accountId = id;
    last.date = QDate(2024, 8, 1);
    last.payee = QStringLiteral("Zz Bakery");
    last.memo = QStringLiteral("bread");
    last.amount = -1250;
    last.createdAt = last.updatedAt = kCreated;
    QVERIFY(m_state->transactionRepository()->insert(last));
    show(id);

    // The payee fills the row; the amount is then typed over.
    typeFields({"", "", "Zz Bakery", "", "", "47.80"});
    QCOMPARE(model()->memoText, QStringLiteral("bread"));
    // Back through the payee cell: it is written back unchanged.
    view()->setCurrentIndex(entryCell(RegisterModel::PayeeColumn));
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    key(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> stored = m_state->transactionRepository()->findByAccount(id);
    QCOMPARE(stored.size(), 2);
    const Transaction saved = stored.at(0).id == last.id ? stored.at(1) : stored.at(0);
    QCOMPARE(saved.amount, qint64(-4780));
    QCOMPARE(saved.memo, QStringLiteral("bread"));
}

void TestRegisterEntry::deferredReloadKeepsTyping_data()
{
    QTest::addColumn<bool>("entryRow");
    QTest::newRow("entry row") << true;
    QTest::newRow("edited row") << false;
}

void TestRegisterEntry::deferredReloadKeepsTyping()
{
    QFETCH(bool, entryRow);
    const QString id = addAccount(QStringLiteral("Deferred"));
    const QString edited = add(id, QStringLiteral("Stored"), QDate(2024, 9, 2), -100);
    show(id);
    if (entryRow) {
        typeFields({"", "", "Typed payee", "", "", "12.34"});
    } else {
        view()->setCurrentIndex(model()->index(0, RegisterModel::PayeeColumn));
        key(Qt::Key_Return);
        type(QStringLiteral("Typed payee"));
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        key(Qt::Key_Return);
        type(QStringLiteral("12.34"));
        key(Qt::Key_Return);
    }
    QVERIFY(view()->indexWidget(view()->currentIndex())); // an editor is open

    // A posting arrives (auto-post, sync) and sorts before the edited row;
    // the reload waits for the editor, which Escape closes.
    add(id, QStringLiteral("Posted"), QDate(2024, 9, 1), -200);
    m_screen->reload();
    key(Qt::Key_Escape);
    QTRY_COMPARE(model()->rowCount(), 3);

    QCOMPARE(model()->payeeText, QStringLiteral("Typed payee"));
    QCOMPARE(model()->paymentText, QStringLiteral("12.34"));
    if (!entryRow) {
        QCOMPARE(model()->editingTransactionId(), edited);
        QCOMPARE(model()->editingRow, m_screen->rowOfTransaction(edited));
    }
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(liveCount(id), entryRow ? 3 : 2);
    const QList<Transaction> stored = m_state->transactionRepository()->findByAccount(id);
    const auto typed = std::find_if(stored.cbegin(), stored.cend(),
                                    [](const Transaction& t) { return t.payee == QLatin1String("Typed payee"); });
    QVERIFY(typed != stored.cend());
    QCOMPARE(typed->amount, qint64(-1234));
    QCOMPARE(typed->id == edited, !entryRow);
}

void TestRegisterEntry::sortDuringEditCommitsEditedTransaction()
{
    const QString id = addAccount(QStringLiteral("Sorted"));
    QStringList ids;
    for (int day = 1; day <= 4; ++day)
        ids << add(id, QStringLiteral("Day %1").arg(day), QDate(2024, 6, day), -100 * day);
    show(id);

    view()->setCurrentIndex(model()->index(2, RegisterModel::MemoColumn)); // Day 3
    key(Qt::Key_Return);
    type(QStringLiteral("edited memo"));
    // A click on the Date header turns the register newest first while the
    // memo editor is open; the edit stays with Day 3.
    QHeaderView* header = view()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(RegisterModel::DateColumn) + 10, header->height() / 2));
    QCOMPARE(model()->sortOrder, Qt::DescendingOrder);
    QCOMPARE(model()->entryAt(view()->currentIndex().row()).id, ids[2]);
    QCOMPARE(model()->entryAt(2).id, ids[2]);
    key(Qt::Key_Return, Qt::ControlModifier);

    for (int i = 0; i < ids.size(); ++i) {
        const Transaction stored = *m_state->transactionRepository()->findById(ids[i]);
        QCOMPARE(stored.memo, i == 2 ? QStringLiteral("edited memo") : QString());
        QCOMPARE(stored.version, i == 2 ? 2 : 1);
    }
}

void TestRegisterEntry::filterHidesNewRow()
{
    const QString id = addAccount(QStringLiteral("Filtered"));
    m_state->preferences()->setValue(RegisterFilter::preferenceKey(id), QStringLiteral(R"({"cleared":true})"));
    show(id);
    typeFields({"", "", "Hidden payee", "", "", "9.99"});
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(liveCount(id), 1);
    QCOMPARE(status(), QStringLiteral("Saved. It isn't listed because of the current filter."));
    QCOMPARE(model()->rowCount(), 1);
}

void TestRegisterEntry::returnCommitsTabNever()
{
    const QString id = addAccount(QStringLiteral("Keys"));
    show(id);
    // Tab walks the fields and stops on Clr without saving.
    key(Qt::Key_Return);
    for (int i = 0; i < 10; ++i) {
        key(Qt::Key_Tab);
        QApplication::processEvents();
    }
    QTRY_COMPARE(view()->currentIndex(), entryCell(RegisterModel::ClearedColumn));
    model()->payeeText = QStringLiteral("Tabbed");
    model()->depositText = QStringLiteral("1.00");
    key(Qt::Key_Tab);
    QApplication::processEvents();
    QCOMPARE(liveCount(id), 0);

    // Space toggles the entry row's Clr; Return on the last field saves.
    key(Qt::Key_Space);
    QCOMPARE(model()->clearedText, QStringLiteral("C"));
    key(Qt::Key_Return);
    QCOMPARE(liveCount(id), 1);
    QVERIFY(m_state->transactionRepository()->findByAccount(id).first().cleared);
}

void TestRegisterEntry::typingOpensTheCell_data()
{
    QTest::addColumn<int>("row"); // -1: the entry row
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("buffer");
    // "": made current; "arrow": Right; "f2": Right, F2; "autofill": Tab from payee Grocer
    QTest::addColumn<QString>("reach");

    QTest::newRow("date typed at once") << -1 << int(RegisterModel::DateColumn) << "12/01/2026" << "12/1/2026" << "";
    QTest::newRow("date shortcut") << -1 << int(RegisterModel::DateColumn) << "t"
                                   << QDate::currentDate().toString(QStringLiteral("M/d/yyyy")) << "";
    QTest::newRow("payee") << -1 << int(RegisterModel::PayeeColumn) << "Gas" << "Gas" << "";
    QTest::newRow("category") << -1 << int(RegisterModel::CategoryColumn) << "Qzx" << "Qzx" << "";
    QTest::newRow("payment") << -1 << int(RegisterModel::PaymentColumn) << "12.5" << "12.5" << "";
    QTest::newRow("a transaction's payee") << 0 << int(RegisterModel::PayeeColumn) << "Market" << "Market" << "";
    // A filled category (Groceries) is typed over, not added to.
    QTest::newRow("autofilled category") << -1 << int(RegisterModel::CategoryColumn) << "Hou" << "Hou" << "autofill";
    QTest::newRow("a transaction's category") << 0 << int(RegisterModel::CategoryColumn) << "Hou" << "Hou" << "arrow";
    // F2 edits the text in place: the caret at its end, nothing selected.
    QTest::newRow("F2 on a category") << 0 << int(RegisterModel::CategoryColumn) << "x" << "Groceriesx" << "f2";
}

void TestRegisterEntry::typingOpensTheCell()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, typed);
    const QString id = addAccount(QStringLiteral("Typing"));
    // Rows a keyboard search would jump to.
    add(id, QStringLiteral("Grocer"), QDate(2024, 1, 5), -500,
        m_state->categoryRepository()->findByName(QStringLiteral("Groceries"))->id);
    show(id);
    typeFields({"2/2/2024", "", "Saved", "", "", "1.00"});
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(liveCount(id), 2);
    // After the save the Date cell is current, with no editor.
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::DateColumn));
    QVERIFY(!view()->indexWidget(entryCell(RegisterModel::DateColumn)));

    const QModelIndex cell = row < 0 ? entryCell(column) : model()->index(row, column);
    QFETCH(QString, reach);
    view()->setCurrentIndex(reach.isEmpty() ? cell : cell.siblingAtColumn(column - 1));
    if (reach == QLatin1String("arrow") || reach == QLatin1String("f2"))
        key(Qt::Key_Right);
    if (reach == QLatin1String("f2"))
        key(Qt::Key_F2);
    if (reach == QLatin1String("autofill")) {
        // Offscreen, a completion popup takes the activation when it goes:
        // the save's one now (key() restores it), so the payee is not typed.
        QTest::qWait(0);
        key(Qt::Key_Return);
        qobject_cast<QLineEdit*>(QApplication::focusWidget())->setText(QStringLiteral("Grocer"));
        key(Qt::Key_Tab);
        QTRY_VERIFY(view()->indexWidget(cell));
        QCOMPARE(model()->categoryText, QStringLiteral("Groceries"));
    }
    // Typed as fast as a user types: after the first key the keys go to
    // whatever has the focus.
    for (const QChar ch : typed)
        QTest::keyClick(QApplication::focusWidget(), ch.toLatin1());
    QCOMPARE(view()->currentIndex(), cell);
    QVERIFY(view()->indexWidget(cell));
    key(Qt::Key_Tab);
    QTRY_COMPARE(view()->currentIndex(), cell.siblingAtColumn(column + 1));
    QTEST(model()->editBuffer(column), "buffer");
    QCOMPARE(model()->editingRow, row);
}

void TestRegisterEntry::hiddenMemoIsSkipped()
{
    QSettings().setValue(QStringLiteral("register/colHidden/4"), true);
    QSettings().setValue(QStringLiteral("register/colHidden/7"), true);
    m_screen->restoreColumnLayout();
    const QString id = addAccount(QStringLiteral("No memo"));
    show(id);
    view()->setCurrentIndex(entryCell(RegisterModel::CategoryColumn));
    key(Qt::Key_Return);
    key(Qt::Key_Return);
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::PaymentColumn));
    type(QStringLiteral("5.00"));
    key(Qt::Key_Return);
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::DepositColumn));
    model()->payeeText = QStringLiteral("No memo payee");
    // Clr is hidden too: Deposit is the last field, and Return saves.
    key(Qt::Key_Return);
    QCOMPARE(liveCount(id), 1);
}

void TestRegisterEntry::apostrophe()
{
    Category c;
    c.id = QStringLiteral("cat-apostrophe");
    c.name = QStringLiteral("Zz Apostrophe");
    c.createdAt = c.updatedAt = kCreated;
    QVERIFY(m_state->categoryRepository()->insert(c));
    const QString id = addAccount(QStringLiteral("Copies"));
    add(id, QStringLiteral("Above"), QDate(2024, 7, 1), -4200, c.id);
    show(id);

    // On the first row nothing is above: the key is swallowed.
    view()->setCurrentIndex(model()->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_Apostrophe);
    QCOMPARE(view()->currentIndex(), model()->index(0, RegisterModel::PayeeColumn));
    QCOMPARE(model()->payeeText, QStringLiteral("Above"));

    // On the entry row: payee, amount and category (with its id) come down.
    for (int column : {RegisterModel::PayeeColumn, RegisterModel::PaymentColumn, RegisterModel::CategoryColumn}) {
        view()->setCurrentIndex(entryCell(column));
        key(Qt::Key_Apostrophe);
    }
    QCOMPARE(model()->payeeText, QStringLiteral("Above"));
    QCOMPARE(model()->paymentText, QStringLiteral("42.00"));
    QCOMPARE(model()->categoryText, QStringLiteral("Zz Apostrophe"));
    QCOMPARE(model()->categoryIdText, c.id);
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(liveCount(id), 2);
    QCOMPARE(m_state->transactionRepository()->findByAccount(id).first().categoryId, c.id);
}

void TestRegisterEntry::commandKeysInsideEditors_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<QString>("statusText");

    // On Linux a line edit takes Ctrl+E and Ctrl+D for itself.
    QTest::newRow("Ctrl+E in payee") << int(RegisterModel::PayeeColumn) << int(Qt::Key_E)
                                     << QStringList{"TransactionFormDialog"} << "";
    QTest::newRow("Ctrl+E in category") << int(RegisterModel::CategoryColumn) << int(Qt::Key_E)
                                        << QStringList{"TransactionFormDialog"} << "";
    QTest::newRow("Ctrl+D in memo") << int(RegisterModel::MemoColumn) << int(Qt::Key_D) << QStringList{}
                                    << "Fields cleared";
    QTest::newRow("Ctrl+N in payment") << int(RegisterModel::PaymentColumn) << int(Qt::Key_N)
                                       << QStringList{"TransactionFormDialog"} << "";
}

void TestRegisterEntry::commandKeysInsideEditors()
{
    QFETCH(int, column);
    const QString id = addAccount(QStringLiteral("Commands"));
    show(id);
    view()->setCurrentIndex(entryCell(column));
    key(Qt::Key_Return);
    QVERIFY(view()->indexWidget(entryCell(column)));
    type(QStringLiteral("typed"));

    QFETCH(int, key);
    this->key(key, Qt::ControlModifier);
    QTEST(m_dialogs, "dialogs");
    QTEST(status(), "statusText");
    if (!status().isEmpty()) {
        // Cleared, and back in the Date cell with its editor open.
        QCOMPARE(model()->memoText, QString());
        QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::DateColumn));
        QVERIFY(view()->indexWidget(entryCell(RegisterModel::DateColumn)));
    }
    QCOMPARE(liveCount(id), 0);
}

void TestRegisterEntry::openingRowIsReadOnly()
{
    const QString id = addAccount(QStringLiteral("Opening"), 50000);
    add(id, QStringLiteral("After"), QDate(2024, 8, 1), -100);
    show(id);
    QCOMPARE(model()->entryAt(0).id, QString());

    view()->setCurrentIndex(model()->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_Return);
    QVERIFY(!view()->indexWidget(model()->index(0, RegisterModel::PayeeColumn)));
    // Typing opens nothing there, and never jumps to the row it spells.
    view()->setCurrentIndex(model()->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_A);
    QCOMPARE(view()->currentIndex(), model()->index(0, RegisterModel::PayeeColumn));
    QVERIFY(!view()->indexWidget(model()->index(0, RegisterModel::PayeeColumn)));
    view()->setCurrentIndex(model()->index(0, RegisterModel::PaymentColumn));
    for (int k : {Qt::Key_D, Qt::Key_E, Qt::Key_M, Qt::Key_Return})
        key(k, Qt::ControlModifier);
    key(Qt::Key_Return, Qt::AltModifier);
    view()->setCurrentIndex(model()->index(0, RegisterModel::ClearedColumn));
    key(Qt::Key_Space);

    QVERIFY(m_questions.isEmpty());
    QVERIFY(m_dialogs.isEmpty());
    QCOMPARE(liveCount(id), 1);
    QCOMPARE(m_state->transactionRepository()->findByAccount(id).first().version, 1);

    // The transaction below is offered for deletion.
    view()->setCurrentIndex(model()->index(1, RegisterModel::PayeeColumn));
    key(Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(m_questions.size(), 1);
}

void TestRegisterEntry::memorize_data()
{
    QTest::addColumn<QDate>("date");
    QTest::addColumn<bool>("dialogShown");
    QTest::addColumn<QString>("statusText");

    QTest::newRow("before 2000") << QDate(1999, 12, 31) << false
                                 << "Cannot memorize: source transaction has an invalid date";
    QTest::newRow("first day of 2000") << QDate(2000, 1, 1) << true << "Transaction memorized as recurring";
}

void TestRegisterEntry::memorize()
{
    QFETCH(QDate, date);
    const QString id = addAccount(QStringLiteral("Memorize"));
    add(id, QStringLiteral("Rent"), date, -120000);
    show(id);
    MessageBoxes::setDialogRunner([this](QDialog* dialog) {
        m_dialogs << QString::fromLatin1(dialog->metaObject()->className());
        return int(QDialog::Accepted);
    });
    const int before = m_state->recurringRepository()->findAll().size();

    view()->setCurrentIndex(model()->index(0, RegisterModel::PayeeColumn));
    key(Qt::Key_M, Qt::ControlModifier);
    QFETCH(bool, dialogShown);
    QCOMPARE(m_dialogs, dialogShown ? QStringList{"RecurringFormDialog"} : QStringList{});
    QTEST(status(), "statusText");
    const QList<RecurringTransaction> all = m_state->recurringRepository()->findAll();
    QCOMPARE(all.size(), before + (dialogShown ? 1 : 0));
    if (dialogShown) {
        const auto it = std::find_if(all.cbegin(), all.cend(),
                                     [&id](const RecurringTransaction& r) { return r.accountId == id; });
        QVERIFY(it != all.cend());
        QCOMPARE(it->payee, QStringLiteral("Rent"));
        QCOMPARE(it->amount, qint64(-120000));
        QCOMPARE(it->nextDueDate, date);
        QCOMPARE(it->updatedAt, it->createdAt);
    }
}

void TestRegisterEntry::failedInsertKeepsBuffers()
{
    const QString id = addAccount(QStringLiteral("Refusing"));
    show(id);
    TestSupport::exec(QStringLiteral("CREATE TRIGGER refuse_insert BEFORE INSERT ON transactions "
                                     "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
    QSignalSpy errors(m_screen, &RegisterScreen::errorMessage);
    typeFields({"", "", "Kept payee", "", "", "1.23"});
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^TransactionRepository::insert failed:"));
    key(Qt::Key_Return, Qt::ControlModifier);
    TestSupport::exec(QStringLiteral("DROP TRIGGER refuse_insert"));

    QCOMPARE(errors.size(), 1);
    QCOMPARE(errors[0][0].toString(), QStringLiteral("The transaction could not be saved."));
    QCOMPARE(model()->payeeText, QStringLiteral("Kept payee"));
    QCOMPARE(model()->paymentText, QStringLiteral("1.23"));
    QCOMPARE(liveCount(id), 0);

    // Once the database takes it, the same buffers are saved.
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(liveCount(id), 1);
}

void TestRegisterEntry::acceptFromCompletionPopup_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("keyPressed");
    QTest::addColumn<bool>("highlight"); // else the only entry offered

    QTest::newRow("category, Tab on the highlighted") << int(RegisterModel::CategoryColumn) << int(Qt::Key_Tab)
                                                      << true;
    QTest::newRow("category, Return on the highlighted")
        << int(RegisterModel::CategoryColumn) << int(Qt::Key_Return) << true;
    QTest::newRow("category, Return on the only one")
        << int(RegisterModel::CategoryColumn) << int(Qt::Key_Return) << false;
    QTest::newRow("category, Tab on the only one") << int(RegisterModel::CategoryColumn) << int(Qt::Key_Tab)
                                                   << false;
    // A payee may be new: one that merely holds the typed text is not taken
    // unless the user highlights it.
    QTest::newRow("payee, Return on the highlighted") << int(RegisterModel::PayeeColumn) << int(Qt::Key_Return)
                                                      << true;
    QTest::newRow("payee, Tab on the highlighted") << int(RegisterModel::PayeeColumn) << int(Qt::Key_Tab) << true;
    QTest::newRow("payee, Return on the only one") << int(RegisterModel::PayeeColumn) << int(Qt::Key_Return) << false;
    QTest::newRow("payee, Tab on the only one") << int(RegisterModel::PayeeColumn) << int(Qt::Key_Tab) << false;
}

void TestRegisterEntry::acceptFromCompletionPopup()
{
    QFETCH(int, column);
    QFETCH(int, keyPressed);
    QFETCH(bool, highlight);
    const QString name = QStringLiteral("Zz Tabbed %1").arg(QTest::currentDataTag());
    Category c;
    c.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    c.name = name;
    c.createdAt = c.updatedAt = kCreated;
    QVERIFY(m_state->categoryRepository()->insert(c));
    const QString id = addAccount(QStringLiteral("Tabbing"));
    add(id, name, QDate(2024, 3, 1), -700);
    show(id);
    view()->setCurrentIndex(entryCell(column));
    key(Qt::Key_Return);
    QWidget* editor = QApplication::focusWidget();
    auto* combo = qobject_cast<QComboBox*>(editor);
    QCompleter* completer = combo ? combo->completer() : qobject_cast<QLineEdit*>(editor)->completer();
    QVERIFY(completer);

    // The completer works on the combo's inner line edit; the register
    // still writes back and closes the combo, the cell's editor.
    QTest::failOnWarning(QRegularExpression("does not belong to this view"));
    const QString typed = name.left(name.size() - 2).mid(1);
    QTest::keyClicks(editor, typed);
    if (!completer->popup()->isVisible())
        completer->complete();
    QTRY_VERIFY(completer->popup()->isVisible());
    QAbstractItemModel* rows = completer->completionModel();
    QCOMPARE(rows->rowCount(), 1);
    completer->popup()->setCurrentIndex(highlight ? rows->index(0, 0) : QModelIndex());
    QTest::keyClick(completer->popup(), Qt::Key(keyPressed));
    QTRY_COMPARE(view()->currentIndex(), entryCell(column + 1));
    if (column == RegisterModel::CategoryColumn) {
        QCOMPARE(model()->categoryText, c.name);
        QCOMPARE(model()->categoryIdText, c.id);
    } else if (highlight) {
        QCOMPARE(model()->payeeText, name);
        QCOMPARE(model()->paymentText, QStringLiteral("7.00")); // filled from the payee's last row
    } else {
        QCOMPARE(model()->payeeText, typed);
        QVERIFY(model()->paymentText.isEmpty());
    }
}

// The catalogue's two "Maintenance" categories: the name alone is refused
// with what to type instead, and the parent's label picks one.
void TestRegisterEntry::sharedCategoryName()
{
    const QString id = addAccount(QStringLiteral("Shared Name"));
    show(id);
    model()->payeeText = QStringLiteral("Garage");
    model()->paymentText = QStringLiteral("40.00");
    model()->categoryText = QStringLiteral("Maintenance");
    key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(status(), QStringLiteral("2 categories are named \"Maintenance\": type \"Housing > Maintenance\" or "
                                      "\"Transportation > Maintenance\"."));
    QCOMPARE(liveCount(id), 0);
    QCOMPARE(view()->currentIndex(), entryCell(RegisterModel::CategoryColumn));

    type(QStringLiteral("Transportation > Maintenance"));
    key(Qt::Key_Return, Qt::ControlModifier);
    const QList<Transaction> stored = m_state->transactionRepository()->findByAccount(id);
    QCOMPARE(stored.size(), 1);
    const std::optional<Category> category = m_state->categoryRepository()->findById(stored[0].categoryId);
    QVERIFY(category);
    QCOMPARE(category->name, QStringLiteral("Maintenance"));
    QCOMPARE(m_state->categoryRepository()->findById(category->parentId)->name, QStringLiteral("Transportation"));
}

TALLYLEAF_TEST_MAIN(TestRegisterEntry)
#include "tst_registerentry.moc"
