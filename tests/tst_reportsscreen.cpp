#include "testsupport.h"

#include "app/appstate.h"
#include "data/transactionrepository.h"
#include "services/reportservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/screens/reportsscreen.h"
#include "ui/thememanager.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

#include <memory>

using TestSupport::exec;
using TestSupport::field;

namespace {

QString headers(const QTableWidget* table)
{
    QStringList texts;
    for (int c = 0; c < table->columnCount(); ++c)
        texts << table->horizontalHeaderItem(c)->text();
    return texts.join(QLatin1Char('|'));
}

QStringList cells(const QTableWidget* table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList texts;
        for (int c = 0; c < table->columnCount(); ++c)
            texts << (table->item(r, c) ? table->item(r, c)->text() : QStringLiteral("<none>"));
        rows << texts.join(QLatin1Char('|'));
    }
    return rows;
}

} // namespace

class TestReportsScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void tabs_data();
    void tabs();
    void filtersRunTheReportsOnce();
    void dataChangesCoalesced();
    void exportCurrentTab_data();
    void exportCurrentTab();
    void columnsFitTheirContents();

private:
    // The screen shown, on "Custom" 2024-01-01 to 2024-12-31, comparing 2023
    // with 2024.
    void openOn2024();

    AppState m_state;
    std::unique_ptr<ReportsScreen> m_screen;
    QList<MessageBoxes::Request> m_boxes;
    QStringList m_chooserCalls;
    QString m_chosenPath;
};

void TestReportsScreen::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QVERIFY(m_state.initialize());
}

void TestReportsScreen::init()
{
    for (const char* table : {"split_lines", "transactions", "categories", "accounts"})
        exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
    // A hand-checked register: amounts in cents.
    exec(QStringLiteral(
        "INSERT INTO accounts (id, name, account_type, currency, starting_balance, sort_order, created_at, "
        "updated_at) VALUES ('chk', 'Checking', 'checking', 'USD', 100000, 0, 'x', 'x'), "
        "('sav', 'Savings', 'savings', 'EUR', 0, 1, 'x', 'x'), ('odd', 'Odd', 'weird', 'USD', 0, 2, 'x', 'x')"));
    exec(QStringLiteral(
        "INSERT INTO categories (id, name, is_tax_relevant, tax_category, created_at, updated_at) VALUES "
        "('food', 'Food', 0, NULL, 'x', 'x'), ('sal', 'Salary', 1, 'w2_wages', 'x', 'x'), "
        "('rent', 'Rent', 0, NULL, 'x', 'x')"));
    exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, amount, payee, category_id, cleared, transfer_link_id, "
        "memo, deleted_at, created_at, updated_at) VALUES "
        "('t1', 'chk', '2024-01-05', -12345, 'Grocer', 'food', 1, NULL, 'weekly', NULL, 'x', 'x'), "
        "('t2', 'chk', '2024-01-20', 250000, 'Employer', 'sal', 1, NULL, NULL, NULL, 'x', 'x'), "
        "('t3', 'chk', '2024-02-03', -5000, 'Grocer', 'food', 0, NULL, NULL, NULL, 'x', 'x'), "
        "('t4', 'chk', '2024-02-10', -100000, 'Transfer', NULL, 0, 't5', NULL, NULL, 'x', 'x'), "
        "('t5', 'sav', '2024-02-10', 100000, 'Transfer', NULL, 0, 't4', NULL, NULL, 'x', 'x'), "
        "('t6', 'sav', '2024-02-15', 123, 'Bank', NULL, 0, NULL, NULL, NULL, 'x', 'x'), "
        "('t7', 'chk', '2023-03-01', -80000, 'Landlord', 'rent', 0, NULL, NULL, NULL, 'x', 'x'), "
        "('t8', 'chk', '2024-01-07', -999, 'Grocer', 'food', 0, NULL, NULL, 'gone', 'x', 'x')"));
    m_boxes.clear();
    m_chooserCalls.clear();
    MessageBoxes::setPresenter([this](const MessageBoxes::Request& r) {
        m_boxes.append(r);
        return QMessageBox::Ok;
    });
    MessageBoxes::setFileChooser([this](const MessageBoxes::FileRequest& r) {
        m_chooserCalls << QStringList{r.caption, r.path, r.filter}.join(QLatin1Char('|'));
        return QStringList{m_chosenPath};
    });
}

void TestReportsScreen::cleanup()
{
    m_screen.reset();
    MessageBoxes::setPresenter({});
    MessageBoxes::setFileChooser({});
}

void TestReportsScreen::openOn2024()
{
    m_screen = std::make_unique<ReportsScreen>(&m_state);
    m_screen->refresh();
    m_screen->show();
    field<QComboBox>(m_screen.get(), "periodCombo")->setCurrentIndex(10); // Custom
    field<QDateEdit>(m_screen.get(), "fromEdit")->setDate(QDate(2024, 1, 1));
    field<QDateEdit>(m_screen.get(), "toEdit")->setDate(QDate(2024, 12, 31));
    field<QComboBox>(m_screen.get(), "compareCombo")->setCurrentIndex(3); // Custom
    field<QDateEdit>(m_screen.get(), "p1FromEdit")->setDate(QDate(2023, 1, 1));
    field<QDateEdit>(m_screen.get(), "p1ToEdit")->setDate(QDate(2023, 12, 31));
    field<QDateEdit>(m_screen.get(), "p2FromEdit")->setDate(QDate(2024, 1, 1));
    field<QDateEdit>(m_screen.get(), "p2ToEdit")->setDate(QDate(2024, 12, 31));
}

void TestReportsScreen::tabs_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("tabText");
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QStringList>("rows");
    // The transfer leg out of Checking is no spending; the deleted row
    // counts nowhere.
    QTest::newRow("category spending") << int(ReportsScreen::CategorySpendingTab) << "Category Spending"
                                       << "Category|Total" << QStringList{"Food|-$173.45"};
    QTest::newRow("payees") << int(ReportsScreen::PayeeSummaryTab) << "Payee Summary"
                            << "Payee|Total|Count"
                            << QStringList{"Grocer|-$173.45|2", "Transfer|$0.00|2", "Bank|$1.23|1",
                                           "Employer|$2,500.00|1"};
    QTest::newRow("tax lines") << int(ReportsScreen::TaxReportTab) << "Tax Report"
                               << "Category|Tax Code|Total" << QStringList{"Salary|w2_wages|$2,500.00"};
    // Transfers are neither income nor expense, but both legs are cash flow.
    QTest::newRow("income vs expenses") << int(ReportsScreen::IncomeVsExpensesTab) << "Income vs Expenses"
                                        << "Month|Income|Expenses|Net"
                                        << QStringList{"2024-01|$2,500.00|-$123.45|$2,376.55",
                                                       "2024-02|$1.23|-$50.00|-$48.77",
                                                       "Total|$2,501.23|-$173.45|$2,327.78"};
    QTest::newRow("cash flow") << int(ReportsScreen::CashFlowTab) << "Cash Flow"
                               << "Month|Inflows|Outflows|Net"
                               << QStringList{"2024-01|$2,500.00|-$123.45|$2,376.55",
                                              "2024-02|$1,001.23|-$1,050.00|-$48.77",
                                              "Total|$3,501.23|-$1,173.45|$2,327.78"};
    QTest::newRow("year over year") << int(ReportsScreen::YearOverYearTab) << "Year-over-Year"
                                    << "Category|Period 1|Period 2|Difference"
                                    << QStringList{"Food|$0.00|-$173.45|-$173.45", "Rent|-$800.00|$0.00|$800.00",
                                                   "Salary|$0.00|$2,500.00|$2,500.00",
                                                   "Uncategorized|$0.00|$1.23|$1.23"};
    // All dates; the euro account in dollars too; an unknown type is Other.
    QTest::newRow("account summary") << int(ReportsScreen::AccountSummaryTab) << "Account Summary"
                                     << "Account|Type|Cleared|Uncleared|Total"
                                     << QStringList{"Checking|Checking|$3,376.55|-$1,850.00|$1,526.55",
                                                    "Savings|Savings|$0.00|$1,001.23|$1,001.23",
                                                    "Odd|Other|$0.00|$0.00|$0.00"};
    QTest::newRow("transactions") << int(ReportsScreen::TransactionsTab) << "Transactions"
                                  << "Date|Account|Payee|Category|Memo|Amount"
                                  << QStringList{"1/5/24|Checking|Grocer|Food|weekly|-$123.45",
                                                 "1/20/24|Checking|Employer|Salary||$2,500.00",
                                                 "2/3/24|Checking|Grocer|Food||-$50.00",
                                                 "2/10/24|Checking|Transfer|||-$1,000.00",
                                                 "2/10/24|Savings|Transfer|||$1,000.00",
                                                 "2/15/24|Savings|Bank|||$1.23"};
}

void TestReportsScreen::tabs()
{
    QFETCH(int, tab);
    QFETCH(QString, tabText);
    QFETCH(QString, headers);
    QFETCH(QStringList, rows);
    openOn2024();
    m_screen->refresh(); // a second run leaves one Total row
    auto* tabWidget = field<QTabWidget>(m_screen.get(), "reportTabs");
    QCOMPARE(tabWidget->tabText(tab), tabText);
    const QTableWidget* table = m_screen->table(tab);
    QCOMPARE(::headers(table), headers);
    QCOMPARE(cells(table), rows);
    // Money right-aligned, text as it comes; only Total rows bold.
    const int money = table->columnCount() - 1;
    QCOMPARE(table->item(0, money)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    QCOMPARE(table->item(0, 0)->textAlignment(), 0);
    const int last = table->rowCount() - 1;
    QCOMPARE(table->item(last, 0)->font().bold(), table->item(last, 0)->text() == QLatin1String("Total"));
}

void TestReportsScreen::filtersRunTheReportsOnce()
{
    m_screen = std::make_unique<ReportsScreen>(&m_state);
    QSignalSpy runs(m_screen.get(), &ReportsScreen::reportsUpdated);
    QCOMPARE(runs.count(), 0); // construction runs nothing
    m_screen->refresh();
    m_screen->show();
    QCOMPARE(runs.count(), 1);
    auto* accounts = field<QComboBox>(m_screen.get(), "accountCombo");
    QCOMPARE(accounts->count(), 4);
    QCOMPARE(accounts->itemText(0), QStringLiteral("All Accounts"));
    QVERIFY(accounts->itemData(0).toString().isEmpty());

    auto* period = field<QComboBox>(m_screen.get(), "periodCombo");
    auto* from = field<QDateEdit>(m_screen.get(), "fromEdit");
    auto* to = field<QDateEdit>(m_screen.get(), "toEdit");
    auto* range = field<QLabel>(m_screen.get(), "rangeLabel");
    QCOMPARE(period->currentText(), QStringLiteral("This Month"));
    const QDate today = QDate::currentDate();
    QCOMPARE(from->date(), QDate(today.year(), today.month(), 1));

    // Custom keeps the dates of the preset before it.
    period->setCurrentIndex(10);
    QCOMPARE(runs.count(), 2);
    QVERIFY(from->isVisible() && to->isVisible() && !range->isVisible());
    QCOMPARE(from->date(), QDate(today.year(), today.month(), 1));
    from->setDate(QDate(2024, 1, 1));
    QCOMPARE(runs.count(), 3);

    period->setCurrentIndex(5); // Last Year
    QCOMPARE(runs.count(), 4);
    QVERIFY(!from->isVisible() && range->isVisible());
    const int lastYear = (today.year() - 1) % 100;
    QCOMPARE(range->text(), QStringLiteral("1/1/%1 – 12/31/%1").arg(lastYear, 2, 10, QLatin1Char('0')));

    accounts->setCurrentIndex(2); // Savings
    QCOMPARE(runs.count(), 5);
    field<QTabWidget>(m_screen.get(), "reportTabs")->setCurrentIndex(ReportsScreen::TransactionsTab);
    QCOMPARE(runs.count(), 6);

    // The comparison: Custom shows its four dates, each edit runs again.
    auto* compare = field<QComboBox>(m_screen.get(), "compareCombo");
    auto* box = field<QWidget>(m_screen.get(), "customRangeBox");
    auto* p1From = field<QDateEdit>(m_screen.get(), "p1FromEdit");
    compare->setCurrentIndex(2); // This Quarter vs Last Quarter
    QCOMPARE(runs.count(), 7);
    const QDate quarter = ReportFormat::quarterStart(today);
    QCOMPARE(p1From->date(), quarter.addMonths(-3));
    compare->setCurrentIndex(3);
    QCOMPARE(runs.count(), 8);
    QVERIFY(!box->isHidden() && field<QLabel>(m_screen.get(), "periodsLabel")->isHidden());
    QCOMPARE(p1From->date(), quarter.addMonths(-3));
    p1From->setDate(QDate(2020, 1, 1));
    QCOMPARE(runs.count(), 9);
}

void TestReportsScreen::dataChangesCoalesced()
{
    openOn2024();
    auto* accounts = field<QComboBox>(m_screen.get(), "accountCombo");
    accounts->setCurrentIndex(1);
    QSignalSpy runs(m_screen.get(), &ReportsScreen::reportsUpdated);
    int made = 0;
    const auto insert = [this, &made](int count) {
        for (int i = 0; i < count; ++i) {
            Transaction t;
            t.id = QStringLiteral("new-%1").arg(++made);
            t.accountId = QStringLiteral("sav");
            t.date = QDate(2024, 3, 1);
            t.payee = QStringLiteral("Burst");
            t.amount = -100;
            t.createdAt = t.updatedAt = QDateTime::currentDateTimeUtc();
            QVERIFY(m_state.transactionRepository()->insert(t));
        }
    };

    // A burst while shown: one run, after it, with the account list reloaded.
    insert(40);
    QCOMPARE(runs.count(), 0);
    QTRY_COMPARE(runs.count(), 1);
    QTest::qWait(2 * ReportsScreen::kChangeDelayMs);
    QCOMPARE(runs.count(), 1);
    QCOMPARE(accounts->currentIndex(), 0);
    QVERIFY(cells(m_screen->table(ReportsScreen::PayeeSummaryTab)).contains(QStringLiteral("Burst|-$40.00|40")));

    // Hidden: nothing until the refresh before the next showing.
    m_screen->hide();
    insert(3);
    QTest::qWait(2 * ReportsScreen::kChangeDelayMs);
    QCOMPARE(runs.count(), 1);
    m_screen->refresh();
    QCOMPARE(runs.count(), 2);
    QVERIFY(cells(m_screen->table(ReportsScreen::PayeeSummaryTab)).contains(QStringLiteral("Burst|-$43.00|43")));
}

void TestReportsScreen::exportCurrentTab_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("path");     // "" cancels; relative names go in a temporary directory
    QTest::addColumn<QString>("expected"); // file text; "-" no file
    QTest::addColumn<QStringList>("chooser");
    QTest::addColumn<bool>("warns");
    QTest::addColumn<QString>("change"); // SQL run once the window is open; "" none
    const QStringList income{"Export CSV|income_vs_expenses.csv|CSV Files (*.csv)"};
    QTest::newRow("income vs expenses with its Total")
        << int(ReportsScreen::IncomeVsExpensesTab) << "out.csv"
        << "\"Month\",\"Income\",\"Expenses\",\"Net\"\n\"2024-01\",\"$2,500.00\",\"-$123.45\",\"$2,376.55\"\n"
           "\"2024-02\",\"$1.23\",\"-$50.00\",\"-$48.77\"\n\"Total\",\"$2,501.23\",\"-$173.45\",\"$2,327.78\"\n"
        << income << false << "";
    QTest::newRow("replaces a file") << int(ReportsScreen::TaxReportTab) << "old.csv"
                                     << "\"Category\",\"Tax Code\",\"Total\"\n\"Salary\",\"w2_wages\",\"$2,500.00\"\n"
                                     << QStringList{"Export CSV|tax_report.csv|CSV Files (*.csv)"} << false << "";
    QTest::newRow("cancelled") << int(ReportsScreen::IncomeVsExpensesTab) << ""
                               << "-" << income << false << "";
    QTest::newRow("unwritable") << int(ReportsScreen::IncomeVsExpensesTab) << "missing/dir/out.csv"
                                << "-" << income << true << "";
    QTest::newRow("empty tab, no dialog") << int(ReportsScreen::PayeeSummaryTab) << "out.csv"
                                          << "-" << QStringList() << false << "DELETE FROM transactions";
    // A name shared with a deleted category is shown under its parent, as
    // in the other tabs.
    QTest::newRow("transactions, shared category name")
        << int(ReportsScreen::TransactionsTab) << "out.csv"
        << "\"Date\",\"Account\",\"Payee\",\"Category\",\"Memo\",\"Amount\"\n"
           "\"1/5/24\",\"Checking\",\"Grocer\",\"Rent > Salary\",\"weekly\",\"-$123.45\"\n"
           "\"1/20/24\",\"Checking\",\"Employer\",\"Salary\",\"\",\"$2,500.00\"\n"
           "\"2/3/24\",\"Checking\",\"Grocer\",\"Rent > Salary\",\"\",\"-$50.00\"\n"
           "\"2/10/24\",\"Checking\",\"Transfer\",\"\",\"\",\"-$1,000.00\"\n"
           "\"2/10/24\",\"Savings\",\"Transfer\",\"\",\"\",\"$1,000.00\"\n"
           "\"2/15/24\",\"Savings\",\"Bank\",\"\",\"\",\"$1.23\"\n"
        << QStringList{"Export CSV|transactions.csv|CSV Files (*.csv)"} << false
        << "UPDATE categories SET name = 'Salary', parent_id = 'rent', deleted_at = 'D' WHERE id = 'food'";
}

void TestReportsScreen::exportCurrentTab()
{
    QFETCH(int, tab);
    QFETCH(QString, path);
    QFETCH(QString, expected);
    QFETCH(QStringList, chooser);
    QFETCH(bool, warns);
    QFETCH(QString, change);
    QTemporaryDir dir;
    m_chosenPath = path.isEmpty() ? QString() : dir.filePath(path);
    if (path == QLatin1String("old.csv")) {
        QFile old(m_chosenPath);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("previous content that is longer than the report itself, all of it replaced");
    }
    openOn2024();
    if (!change.isEmpty())
        exec(change);
    field<QTabWidget>(m_screen.get(), "reportTabs")->setCurrentIndex(tab); // runs again
    field<QPushButton>(m_screen.get(), "exportButton")->click();

    QCOMPARE(m_chooserCalls, chooser);
    QFile file(m_chosenPath);
    if (expected == QLatin1String("-")) {
        QVERIFY(m_chosenPath.isEmpty() || !file.exists());
    } else {
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), expected);
    }
    QCOMPARE(m_boxes.size(), warns ? 1 : 0);
    if (warns) {
        QCOMPARE(m_boxes.first().icon, QMessageBox::Warning);
        QVERIFY(m_boxes.first().text.contains(m_chosenPath));
    }
}

// Every column at least as wide as its header and its cells need in the
// table's font, as Qt measures them: after the font grows to Extra Large
// under the open window, after a period change brings wider cells, after
// reopening with wider data and after the font shrinks back.
void TestReportsScreen::columnsFitTheirContents()
{
    ThemeManager* theme = m_state.themeManager();
    QVERIFY(theme);
    const auto restore = qScopeGuard([theme] { theme->setFontScale(100); });
    exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, amount, payee, category_id, cleared, memo, created_at, "
        "updated_at) VALUES ('big', 'chk', '2024-03-01', -1234567, 'Hardware', 'food', 0, 'gutters', 'x', 'x')"));
    // The first column narrower than it needs, on any tab; empty when none.
    // Turning to each tab lays it out as the user sees it, and runs the
    // reports again.
    const auto tooNarrow = [this](bool turnTabs = true) -> QString {
        auto* tabs = field<QTabWidget>(m_screen.get(), "reportTabs");
        for (int tab = 0; tab < ReportsScreen::TabCount; ++tab) {
            if (turnTabs)
                tabs->setCurrentIndex(tab);
            const QTableWidget* table = m_screen->table(tab);
            const QHeaderView* header = table->horizontalHeader();
            for (int c = 0; c < table->columnCount(); ++c) {
                const int needed = std::max(header->sectionSizeHint(c),
                                            static_cast<const QAbstractItemView*>(table)->sizeHintForColumn(c));
                if (table->columnWidth(c) < needed)
                    return QStringLiteral("%1, column %2 is %3 px, needs %4")
                        .arg(tabs->tabText(tab))
                        .arg(c)
                        .arg(table->columnWidth(c))
                        .arg(needed);
            }
        }
        return QString();
    };

    openOn2024();
    field<QDateEdit>(m_screen.get(), "toEdit")->setDate(QDate(2024, 1, 31));
    QString problem = tooNarrow();
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    theme->setFontScale(150); // Extra Large
    QTRY_COMPARE(m_screen->table(0)->font().pointSize(), QApplication::font().pointSize()); // reaches the tables
    problem = tooNarrow(false); // without a run
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("font grown, no run: ") + problem));
    problem = tooNarrow();
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("font grown: ") + problem));

    field<QDateEdit>(m_screen.get(), "toEdit")->setDate(QDate(2024, 12, 31)); // takes in the wide row
    problem = tooNarrow();
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("period changed: ") + problem));

    m_screen->hide();
    exec(QStringLiteral(
        "INSERT INTO transactions (id, account_id, date, amount, payee, category_id, cleared, memo, created_at, "
        "updated_at) VALUES ('wider', 'sav', '2024-03-02', -987654321, 'Wholesale Building Supplies', 'rent', 0, "
        "'a much longer memo than any before it', 'x', 'x')"));
    m_screen->refresh();
    m_screen->show();
    problem = tooNarrow();
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("reopened: ") + problem));

    // Back to the default size: every column but the stretched last one is
    // narrower again, and still wide enough.
    const auto widths = [this] {
        QList<int> all;
        for (int tab = 0; tab < ReportsScreen::TabCount; ++tab) {
            for (int c = 0; c + 1 < m_screen->table(tab)->columnCount(); ++c)
                all << m_screen->table(tab)->columnWidth(c);
        }
        return all;
    };
    const QList<int> large = widths();
    theme->setFontScale(100);
    QTRY_COMPARE(m_screen->table(0)->font().pointSize(), QApplication::font().pointSize());
    const QList<int> small = widths();
    for (qsizetype i = 0; i < large.size(); ++i)
        QVERIFY2(small.at(i) < large.at(i), qPrintable(QStringLiteral("column %1 of all: %2 px, was %3 px")
                                                           .arg(i).arg(small.at(i)).arg(large.at(i))));
    problem = tooNarrow(false);
    QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("font shrunk: ") + problem));
}

TALLYLEAF_TEST_MAIN(TestReportsScreen)
#include "tst_reportsscreen.moc"
