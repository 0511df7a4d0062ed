#include "testsupport.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/transactionrepository.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registereditors.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"
#include "ui/register/registertableview.h"

#include <QAbstractItemView>
#include <QHeaderView>
#include <QLayout>

namespace {

const QDateTime kCreated(QDate(2024, 1, 1), QTime(12, 0), Qt::UTC);
const QString kChecking = QStringLiteral("acc-check");
const QString kSavings = QStringLiteral("acc-save");

// Records what the view and the delegate ask of the screen.
class RecordingScreen : public RegisterScreen
{
public:
    using RegisterScreen::RegisterScreen;
    void tabToNextField() override { ++next; }
    void tabToPreviousField() override { ++previous; }
    void toggleCleared(int row) override { toggled << row; }
    void autofillFromPayee(const QModelIndex&, const QString& payee) override { autofills << payee; }

    int next = 0;
    int previous = 0;
    QList<int> toggled;
    QStringList autofills;
};

Account account(const QString& id, const QString& name, int sortOrder)
{
    Account a;
    a.id = id;
    a.name = name;
    a.sortOrder = sortOrder;
    a.createdAt = kCreated;
    a.updatedAt = kCreated;
    return a;
}

Category category(const QString& id, const QString& name, const QString& parentId = QString())
{
    Category c;
    c.id = id;
    c.name = name;
    c.parentId = parentId;
    c.createdAt = kCreated;
    c.updatedAt = kCreated;
    return c;
}

Transaction transaction(const QString& id, const QString& accountId, const QDate& date, const QString& payee,
                        qint64 amount)
{
    Transaction t;
    t.id = id;
    t.accountId = accountId;
    t.date = date;
    t.payee = payee;
    t.amount = amount;
    t.createdAt = kCreated;
    t.updatedAt = kCreated;
    return t;
}

// The offscreen platform reports every window feature it lacks; those
// lines say nothing about the register.
QModelIndex completionRow(QCompleter* completer, const QString& text)
{
    QAbstractItemModel* model = completer->completionModel();
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->index(r, 0).data().toString() == text)
            return model->index(r, 0);
    }
    return {};
}

} // namespace

class TestRegisterView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void payeeCompletions_data();
    void payeeCompletions();
    void categoryEditor();
    void categoryKeepsItsId_data();
    void categoryKeepsItsId();
    void payeeAutofill_data();
    void payeeAutofill();
    void dateEditor_data();
    void dateEditor();
    void amountEditor_data();
    void amountEditor();

    void clearedKeys_data();
    void clearedKeys();
    void movesNeverLandOnBalance();
    void tabWalksCellsAndOpensEditor();
    void returnPassesSplitCells_data();
    void returnPassesSplitCells();
    void tabInPayeePopup_data();
    void tabInPayeePopup();
    void tabInTwoLinePayee();
    void returnInPayeePopup_data();
    void returnInPayeePopup();
    void twoLineRows();

private:
    QLineEdit* openPayeeEditor();
    QCompleter* showPopup(QLineEdit* edit, const QString& typed);

    AppState* m_state = nullptr;
    RecordingScreen* m_screen = nullptr;
    RegisterModel* m_model = nullptr;
    RegisterDelegate* m_delegate = nullptr;
    RegisterTableView* m_view = nullptr;
};

void TestRegisterView::initTestCase()
{
    m_state = TestSupport::startRegisterSuite();
    QVERIFY(m_state);
    TestSupport::exec(QStringLiteral("DELETE FROM categories"));

    AccountRepository* accounts = m_state->accountRepository();
    QVERIFY(accounts->insert(account(kChecking, QStringLiteral("Checking"), 0)));
    QVERIFY(accounts->insert(account(kSavings, QStringLiteral("Savings"), 1)));
    QVERIFY(accounts->insert(account(QStringLiteral("acc-broker"), QStringLiteral("Brokerage"), 2)));
    QVERIFY(accounts->insert(account(QStringLiteral("acc-closed"), QStringLiteral("Closed"), 3)));
    QVERIFY(accounts->softDelete(QStringLiteral("acc-closed")));

    CategoryRepository* categories = m_state->categoryRepository();
    QVERIFY(categories->insert(category(QStringLiteral("cat-food"), QStringLiteral("Food"))));
    QVERIFY(categories->insert(category(QStringLiteral("cat-groc"), QStringLiteral("Groceries"), QStringLiteral("cat-food"))));
    QVERIFY(categories->insert(category(QStringLiteral("cat-dining"), QStringLiteral("Dining"))));
    QVERIFY(categories->insert(category(QStringLiteral("cat-dining-old"), QStringLiteral("Dining"))));
    QVERIFY(categories->softDelete(QStringLiteral("cat-dining-old")));
    QVERIFY(categories->insert(category(QStringLiteral("cat-misc1"), QStringLiteral("Misc"))));
    QVERIFY(categories->insert(category(QStringLiteral("cat-misc2"), QStringLiteral("Misc"))));

    TransactionRepository* transactions = m_state->transactionRepository();
    Transaction older = transaction(QStringLiteral("t1"), kChecking, QDate(2024, 1, 1), QStringLiteral("Grocer"), -999);
    older.memo = QStringLiteral("old memo");
    QVERIFY(transactions->insert(older));
    Transaction grocer = transaction(QStringLiteral("t2"), kChecking, QDate(2024, 1, 5), QStringLiteral("Grocer"), -1250);
    grocer.categoryId = QStringLiteral("cat-groc");
    grocer.memo = QStringLiteral("weekly");
    QVERIFY(transactions->insert(grocer));
    QVERIFY(transactions->insert(
        transaction(QStringLiteral("t3"), kChecking, QDate(2024, 1, 6), QStringLiteral("[Transfer] Savings"), -5000)));
    Transaction split = transaction(QStringLiteral("t4"), kChecking, QDate(2024, 1, 7), QStringLiteral("Split Shop"), -3000);
    split.isSplit = true;
    QVERIFY(transactions->insert(split));
    QVERIFY(transactions->insert(
        transaction(QStringLiteral("t5"), kSavings, QDate(2024, 1, 6), QStringLiteral("Employer"), 500000)));
}

void TestRegisterView::cleanupTestCase()
{
    TestSupport::endRegisterSuite(m_state);
}

void TestRegisterView::init()
{
    setAmountAutoDecimal(false);
    m_screen = new RecordingScreen(m_state);
    m_model = new RegisterModel(m_screen);
    m_delegate = new RegisterDelegate(m_state, m_screen);
    m_delegate->accountId = kChecking;
    m_view = new RegisterTableView(m_screen);
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setTabKeyNavigation(false);
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    m_view->screen = m_screen;
    // The screen lays out its own page; this view joins it.
    m_screen->layout()->addWidget(m_view);
    // Date ascending: Grocer, Grocer, [Transfer] Savings, Split Shop, entry row.
    m_model->setEntries(m_state->transactionRepository()->findRegisterRows(kChecking));
    m_screen->resize(1000, 400);
    m_screen->show();
    QVERIFY(QTest::qWaitForWindowActive(m_screen));
    m_view->setFocus();
}

void TestRegisterView::cleanup()
{
    delete m_screen;
    m_screen = nullptr;
    setAmountAutoDecimal(false);
}

QLineEdit* TestRegisterView::openPayeeEditor()
{
    const QModelIndex cell = m_model->index(m_model->entryRowIndex(), RegisterModel::PayeeColumn);
    m_view->setCurrentIndex(cell);
    m_view->edit(cell);
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

QCompleter* TestRegisterView::showPopup(QLineEdit* edit, const QString& typed)
{
    QTest::keyClicks(edit, typed);
    QCompleter* completer = edit->completer();
    if (completer && !completer->popup()->isVisible())
        completer->complete();
    return completer;
}

void TestRegisterView::payeeCompletions_data()
{
    QTest::addColumn<QString>("accountId");
    QTest::addColumn<QStringList>("expected");

    // Known payees first, then every other live account; the account's own
    // transfer text never, even where another register recorded it.
    QTest::newRow("checking") << kChecking
                              << QStringList{"Employer", "Grocer", "Split Shop", "[Transfer] Savings",
                                             "[Transfer] Brokerage"};
    QTest::newRow("savings") << kSavings
                             << QStringList{"Employer", "Grocer", "Split Shop", "[Transfer] Checking",
                                            "[Transfer] Brokerage"};
}

void TestRegisterView::payeeCompletions()
{
    QFETCH(QString, accountId);
    QFETCH(QStringList, expected);
    m_delegate->accountId = accountId;
    QCOMPARE(m_delegate->payeeCompletions(), expected);
}

void TestRegisterView::categoryEditor()
{
    const QModelIndex cell = m_model->index(m_model->entryRowIndex(), RegisterModel::CategoryColumn);
    std::unique_ptr<QWidget> editor(m_delegate->createEditor(m_view->viewport(), QStyleOptionViewItem(), cell));
    auto* combo = qobject_cast<RegisterComboBox*>(editor.get());
    QVERIFY(combo);
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts << combo->itemText(i);
    QCOMPARE(texts, (QStringList{"", "Dining", "Food", "Food > Groceries", "Misc", "Misc"}));

    combo->setCurrentIndex(3);
    QCOMPARE(combo->property(CategoryIdProperty).toString(), QStringLiteral("cat-groc"));
    combo->setCurrentIndex(0);
    QCOMPARE(combo->property(CategoryIdProperty).toString(), QString());
}

void TestRegisterView::categoryKeepsItsId_data()
{
    QTest::addColumn<QString>("bufferText");
    QTest::addColumn<QString>("bufferId");
    QTest::addColumn<QString>("choose"); // "id:<id>" picks that item, "text:<t>" types it, empty leaves it
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QString>("expectedId");

    QTest::newRow("deleted category keeps its id") << "Dining" << "cat-dining-old" << "" << "Dining"
                                                   << "cat-dining-old";
    QTest::newRow("shared name: the buffered one") << "Misc" << "cat-misc2" << "" << "Misc" << "cat-misc2";
    QTest::newRow("shared name: the other chosen") << "Misc" << "cat-misc2" << "id:cat-misc1" << "Misc"
                                                   << "cat-misc1";
    QTest::newRow("own name found by id") << "Groceries" << "cat-groc" << "" << "Food > Groceries" << "cat-groc";
    QTest::newRow("another category chosen") << "Food" << "cat-food" << "id:cat-groc" << "Food > Groceries"
                                             << "cat-groc";
    QTest::newRow("text matching nothing") << "Food" << "cat-food" << "text:Nonesuch" << "Nonesuch" << "";
    QTest::newRow("typed name of an item") << "" << "" << "text:Dining" << "Dining" << "cat-dining";
}

void TestRegisterView::categoryKeepsItsId()
{
    QFETCH(QString, bufferText);
    QFETCH(QString, bufferId);
    QFETCH(QString, choose);
    QFETCH(QString, expectedText);
    QFETCH(QString, expectedId);

    m_model->categoryText = bufferText;
    m_model->categoryIdText = bufferId;
    const QModelIndex cell = m_model->index(m_model->entryRowIndex(), RegisterModel::CategoryColumn);
    std::unique_ptr<QWidget> editor(m_delegate->createEditor(m_view->viewport(), QStyleOptionViewItem(), cell));
    auto* combo = qobject_cast<QComboBox*>(editor.get());
    m_delegate->setEditorData(combo, cell);
    if (choose.startsWith(QStringLiteral("id:")))
        combo->setCurrentIndex(combo->findData(choose.mid(3)));
    else if (choose.startsWith(QStringLiteral("text:")))
        combo->setCurrentText(choose.mid(5));
    m_delegate->setModelData(combo, m_model, cell);
    QCOMPARE(m_model->categoryText, expectedText);
    QCOMPARE(m_model->categoryIdText, expectedId);
}

void TestRegisterView::payeeAutofill_data()
{
    QTest::addColumn<QString>("payee");
    QTest::addColumn<QString>("buffered"); // the payee in the buffer before
    QTest::addColumn<bool>("entryRow");
    QTest::addColumn<bool>("twoLine");
    QTest::addColumn<QString>("memo"); // typed in the two-line editor
    QTest::addColumn<QStringList>("expected"); // payment, deposit, category, category id, memo

    const QStringList untouched{"", "3.00", "Dining", "cat-dining", "typed"};
    const QStringList filled{"12.50", "", "Groceries", "cat-groc", "weekly"};
    QTest::newRow("entry row takes the last transaction") << "Grocer" << "" << true << false << "" << filled;
    QTest::newRow("payee looked up trimmed") << "  Grocer " << "" << true << false << "" << filled;
    QTest::newRow("two-line editor, memo replaced") << "Grocer" << "" << true << true << "typed" << filled;
    QTest::newRow("two-line editor, memo typed with it kept")
        << "Grocer" << "" << true << true << "my memo"
        << QStringList{"12.50", "", "Groceries", "cat-groc", "my memo"};
    QTest::newRow("payee written back unchanged") << "Grocer" << "Grocer" << true << false << "" << untouched;
    QTest::newRow("two-line, payee unchanged") << "Grocer " << "Grocer" << true << true << "typed" << untouched;
    QTest::newRow("edited row is left alone") << "Grocer" << "" << false << false << "" << untouched;
    QTest::newRow("unknown payee") << "Nobody" << "" << true << false << "" << untouched;
    QTest::newRow("payee of another account") << "Employer" << "" << true << false << "" << untouched;
}

void TestRegisterView::payeeAutofill()
{
    QFETCH(QString, payee);
    QFETCH(QString, buffered);
    QFETCH(bool, entryRow);
    QFETCH(bool, twoLine);
    QFETCH(QString, memo);
    QFETCH(QStringList, expected);

    m_delegate->twoLineMode = twoLine;
    if (!entryRow)
        m_model->setEditingRow(1);
    m_model->payeeText = buffered;
    m_model->paymentText.clear();
    m_model->depositText = QStringLiteral("3.00");
    m_model->categoryText = QStringLiteral("Dining");
    m_model->categoryIdText = QStringLiteral("cat-dining");
    m_model->memoText = QStringLiteral("typed");

    const int row = entryRow ? m_model->entryRowIndex() : 1;
    const QModelIndex cell = m_model->index(row, RegisterModel::PayeeColumn);
    std::unique_ptr<QWidget> editor(m_delegate->createEditor(m_view->viewport(), QStyleOptionViewItem(), cell));
    if (twoLine) {
        auto* pair = qobject_cast<PayeeMemoEditor*>(editor.get());
        QVERIFY(pair);
        QCOMPARE(pair->memoEdit()->placeholderText(), QStringLiteral("Memo"));
        pair->payeeEdit()->setText(payee);
        pair->memoEdit()->setText(memo);
    } else {
        qobject_cast<QLineEdit*>(editor.get())->setText(payee);
    }
    m_delegate->setModelData(editor.get(), m_model, cell);

    QCOMPARE(m_model->payeeText, payee);
    const QStringList actual{m_model->paymentText, m_model->depositText, m_model->categoryText,
                             m_model->categoryIdText, m_model->memoText};
    QCOMPARE(actual, expected);
}

void TestRegisterView::dateEditor_data()
{
    QTest::addColumn<QString>("buffer");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");

    const QString today = QDate::currentDate().toString(QStringLiteral("M/d/yyyy"));
    QTest::newRow("untouched") << "3/7/2024" << "" << "3/7/2024";
    // Kept as typed for the commit to refuse, never swapped for another date.
    QTest::newRow("unreadable text kept as typed") << "3/7/2024" << "13/45/2024" << "13/45/2024";
    QTest::newRow("day that does not exist kept") << "3/7/2024" << "2/30/24" << "2/30/24";
    QTest::newRow("two-digit year 05") << "3/7/2024" << "1/2/05" << "1/2/2005";
    QTest::newRow("two-digit year 69") << "3/7/2024" << "12/31/69" << "12/31/2069";
    QTest::newRow("two-digit year 70") << "3/7/2024" << "1/1/70" << "1/1/1970";
    QTest::newRow("shortcut on the stored date") << "3/7/2024" << "+" << "3/8/2024";
    QTest::newRow("shortcut ignores half-typed text") << "3/7/2024" << "1/+" << "3/8/2024";
    QTest::newRow("unreadable buffer leaves today") << "garbage" << "" << today;
}

void TestRegisterView::dateEditor()
{
    QFETCH(QString, buffer);
    QFETCH(QString, keys);
    QFETCH(QString, expected);

    const QModelIndex cell = m_model->index(m_model->entryRowIndex(), RegisterModel::DateColumn);
    m_model->dateText = buffer;
    std::unique_ptr<QWidget> editor(m_delegate->createEditor(m_view->viewport(), QStyleOptionViewItem(), cell));
    auto* date = qobject_cast<SmartDateEdit*>(editor.get());
    QVERIFY(date);
    m_delegate->setEditorData(date, cell);
    // The whole date is selected, so typing replaces it.
    QCOMPARE(date->selectedText(), date->text());
    QTest::keyClicks(date, keys);
    m_delegate->setModelData(date, m_model, cell);
    QCOMPARE(m_model->dateText, expected);
}

void TestRegisterView::amountEditor_data()
{
    QTest::addColumn<bool>("autoDecimal");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("auto-decimal payment") << true << 5 << "1234" << "12.34";
    QTest::newRow("auto-decimal deposit grouped") << true << 6 << "1234567" << "12,345.67";
    QTest::newRow("auto-decimal blank kept as typed") << true << 5 << "   " << "   ";
    QTest::newRow("plain payment as typed") << false << 5 << " 1234 " << " 1234 ";
    QTest::newRow("auto-decimal spares the memo") << true << 4 << "1234" << "1234";
    QTest::newRow("auto-decimal, no digits kept") << true << 5 << "abc" << "abc";
    QTest::newRow("auto-decimal, too many digits kept") << true << 6 << "12345678901234567890" << "12345678901234567890";
}

void TestRegisterView::amountEditor()
{
    QFETCH(bool, autoDecimal);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, expected);

    setAmountAutoDecimal(autoDecimal);
    const QModelIndex cell = m_model->index(m_model->entryRowIndex(), column);
    std::unique_ptr<QWidget> editor(m_delegate->createEditor(m_view->viewport(), QStyleOptionViewItem(), cell));
    auto* edit = qobject_cast<RegisterLineEdit*>(editor.get());
    QVERIFY(edit);
    QCOMPARE(bool(edit->alignment() & Qt::AlignRight), column == 5 || column == 6);
    edit->setText(typed);
    m_delegate->setModelData(edit, m_model, cell);
    QCOMPARE(m_model->editBuffer(column), expected);
}

void TestRegisterView::clearedKeys_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("toggles");

    QTest::newRow("space") << 7 << int(Qt::Key_Space) << int(Qt::NoModifier) << true;
    QTest::newRow("c") << 7 << int(Qt::Key_C) << int(Qt::NoModifier) << true;
    QTest::newRow("shift+c") << 7 << int(Qt::Key_C) << int(Qt::ShiftModifier) << true;
    QTest::newRow("ctrl+space") << 7 << int(Qt::Key_Space) << int(Qt::ControlModifier) << false;
    QTest::newRow("alt+c") << 7 << int(Qt::Key_C) << int(Qt::AltModifier) << false;
    QTest::newRow("meta+space") << 7 << int(Qt::Key_Space) << int(Qt::MetaModifier) << false;
    QTest::newRow("space off the Clr column") << 6 << int(Qt::Key_Space) << int(Qt::NoModifier) << false;
}

void TestRegisterView::clearedKeys()
{
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, toggles);

    m_view->setCurrentIndex(m_model->index(2, column));
    QTest::keyClick(m_view, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(m_screen->toggled, toggles ? QList<int>{2} : QList<int>{});
}

void TestRegisterView::movesNeverLandOnBalance()
{
    m_view->setCurrentIndex(m_model->index(1, RegisterModel::DepositColumn));
    QTest::keyClick(m_view, Qt::Key_Right);
    QCOMPARE(m_view->currentIndex(), m_model->index(1, RegisterModel::ClearedColumn));
    QTest::keyClick(m_view, Qt::Key_Right);
    QCOMPARE(m_view->currentIndex(), m_model->index(1, RegisterModel::ClearedColumn));
    m_view->setCurrentIndex(m_model->index(1, 0));
    QTest::keyClick(m_view, Qt::Key_End);
    QCOMPARE(m_view->currentIndex().column(), int(RegisterModel::ClearedColumn));
}

void TestRegisterView::tabWalksCellsAndOpensEditor()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    const int entry = m_model->entryRowIndex();
    m_view->setCurrentIndex(m_model->index(entry, 0));
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(m_view->currentIndex(), m_model->index(entry, 1));
    QVERIFY(qobject_cast<RegisterLineEdit*>(QApplication::focusWidget()));

    // On a row not being edited Tab moves but opens nothing; Shift+Tab back.
    m_view->setFocus();
    m_view->setCurrentIndex(m_model->index(1, RegisterModel::DepositColumn));
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(m_view->currentIndex(), m_model->index(1, RegisterModel::ClearedColumn));
    QTest::keyClick(m_view, Qt::Key_Tab);
    QCOMPARE(m_view->currentIndex(), m_model->index(1, RegisterModel::ClearedColumn));
    QTest::keyClick(m_view, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(m_view->currentIndex(), m_model->index(1, RegisterModel::DepositColumn));
    QCOMPARE(m_screen->next + m_screen->previous, 0);
}

void TestRegisterView::returnPassesSplitCells_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("moves");

    // View row 3 is the split transaction, row 1 a plain one.
    QTest::newRow("split category") << 3 << 3 << 1;
    QTest::newRow("split payment") << 3 << 5 << 1;
    QTest::newRow("split payee") << 3 << 2 << 0;
    QTest::newRow("entry row category") << 4 << 3 << 0;
}

void TestRegisterView::returnPassesSplitCells()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(int, moves);

    QVERIFY(m_model->entryAt(3).isSplit);
    m_view->setCurrentIndex(m_model->index(row, column));
    QTest::keyClick(m_view, Qt::Key_Return);
    QCOMPARE(m_screen->next, moves);
}

void TestRegisterView::tabInPayeePopup_data()
{
    QTest::addColumn<QString>("highlight");
    QTest::addColumn<bool>("backwards");
    QTest::addColumn<QString>("expectedPayee");

    QTest::newRow("highlighted entry taken") << "Grocer" << false << "Grocer";
    QTest::newRow("shift+tab takes it too") << "Grocer" << true << "Grocer";
    QTest::newRow("nothing highlighted keeps the typed text") << "" << false << "gro";
    QTest::newRow("shift+tab keeps it too") << "" << true << "gro";
}

void TestRegisterView::tabInPayeePopup()
{
    QFETCH(QString, highlight);
    QFETCH(bool, backwards);
    QFETCH(QString, expectedPayee);

    QLineEdit* edit = openPayeeEditor();
    QVERIFY(edit);
    QCompleter* completer = showPopup(edit, QStringLiteral("gro"));
    QTRY_VERIFY(completer->popup()->isVisible());
    if (!highlight.isEmpty())
        completer->popup()->setCurrentIndex(completionRow(completer, highlight));

    QTest::keyClick(completer->popup(), Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(m_model->payeeText, expectedPayee);
    QCOMPARE(m_screen->autofills, highlight.isEmpty() ? QStringList() : QStringList{highlight});
    // The delegate filled the entry row from the chosen payee.
    QCOMPARE(m_model->paymentText, highlight.isEmpty() ? QString() : QStringLiteral("12.50"));

    // The editor closes and the screen moves on from the same cell.
    QTRY_COMPARE(m_screen->next + m_screen->previous, 1);
    QCOMPARE(backwards ? m_screen->previous : m_screen->next, 1);
    QCOMPARE(m_view->currentIndex(), m_model->index(m_model->entryRowIndex(), RegisterModel::PayeeColumn));
}

void TestRegisterView::tabInTwoLinePayee()
{
    m_delegate->twoLineMode = true;
    QLineEdit* payee = openPayeeEditor();
    QVERIFY(payee);
    QCOMPARE(payee->objectName(), QStringLiteral("payeeEdit"));
    QWidget* pair = payee->parentWidget();
    auto* memo = pair->findChild<QLineEdit*>(QStringLiteral("memoEdit"));
    QVERIFY(memo);

    // With the popup open, Tab takes the highlighted payee and goes to the memo.
    QCompleter* completer = showPopup(payee, QStringLiteral("gro"));
    QTRY_VERIFY(completer->popup()->isVisible());
    completer->popup()->setCurrentIndex(completionRow(completer, QStringLiteral("Grocer")));
    QTest::keyClick(completer->popup(), Qt::Key_Tab);
    QCOMPARE(payee->text(), QStringLiteral("Grocer"));
    QCOMPARE(QApplication::focusWidget(), memo);
    QCOMPARE(m_screen->autofills, QStringList{QStringLiteral("Grocer")});

    // Without a popup: Shift+Tab back to the payee, Tab to the memo, and Tab
    // from the memo leaves the cell through the screen.
    QTest::keyClick(memo, Qt::Key_Tab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget(), payee);
    QTest::keyClick(payee, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), memo);
    QCOMPARE(m_screen->next, 0);
    QTest::keyClick(memo, Qt::Key_Tab);
    QCOMPARE(m_screen->next, 1);
    QCOMPARE(m_screen->previous, 0);
}

void TestRegisterView::returnInPayeePopup_data()
{
    QTest::addColumn<QString>("highlight");
    QTest::addColumn<QString>("expectedText");

    QTest::newRow("current entry taken") << "Grocer" << "Grocer";
    QTest::newRow("no current entry: the typed text stays") << "" << "gro";
}

void TestRegisterView::returnInPayeePopup()
{
    QFETCH(QString, highlight);
    QFETCH(QString, expectedText);

    QLineEdit* edit = openPayeeEditor();
    QVERIFY(edit);
    QCompleter* completer = showPopup(edit, QStringLiteral("gro"));
    QTRY_VERIFY(completer->popup()->isVisible());
    if (!highlight.isEmpty())
        completer->popup()->setCurrentIndex(completionRow(completer, highlight));
    QTest::keyClick(completer->popup(), Qt::Key_Return);
    QVERIFY(!completer->popup()->isVisible());
    QCOMPARE(m_model->payeeText, expectedText);
    QCOMPARE(m_screen->autofills, highlight.isEmpty() ? QStringList() : QStringList{highlight});
    // Return moves on as Tab does.
    QTRY_COMPARE(m_screen->next, 1);
}

void TestRegisterView::twoLineRows()
{
    m_model->twoLineMode = true;
    m_delegate->twoLineMode = true;
    m_model->memoText.clear();
    m_view->verticalHeader()->setDefaultSectionSize(RegisterDelegate::TwoLineRowHeight);
    QStyleOptionViewItem option;
    option.rect = QRect(10, 20, 200, RegisterDelegate::TwoLineRowHeight);
    QCOMPARE(m_delegate->sizeHint(option, m_model->index(0, 2)).height(), RegisterDelegate::TwoLineRowHeight);

    // The payee pair covers the whole cell, every other editor the first line.
    const int entry = m_model->entryRowIndex();
    std::unique_ptr<QWidget> pair(m_delegate->createEditor(m_view->viewport(), option, m_model->index(entry, 2)));
    m_delegate->updateEditorGeometry(pair.get(), option, m_model->index(entry, 2));
    QCOMPARE(pair->geometry(), option.rect);
    QCOMPARE(pair->focusProxy()->objectName(), QStringLiteral("payeeEdit"));
    std::unique_ptr<QWidget> date(m_delegate->createEditor(m_view->viewport(), option, m_model->index(entry, 0)));
    m_delegate->updateEditorGeometry(date.get(), option, m_model->index(entry, 0));
    QCOMPARE(date->geometry(), QRect(10, 20, 200, RegisterDelegate::FirstLineHeight));

    // Painting every column of both kinds of row, selected or not, holds up.
    m_view->setCurrentIndex(m_model->index(1, 3));
    QVERIFY(!m_view->grab().isNull());
    m_model->twoLineMode = false;
    m_delegate->twoLineMode = false;
    QVERIFY(!m_view->grab().isNull());
}

TALLYLEAF_TEST_MAIN(TestRegisterView)
#include "tst_registerview.moc"
