// The eight tabs of the Reports window: their tables, how each report's rows
// become cells, the Total rows and the Year-over-Year comparison.
#include "ui/screens/reportsscreen.h"

#include "app/appstate.h"
#include "data/datetext.h"
#include "data/money.h"
#include "services/reportservice.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kCustomCompare = 3;

constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

// Sets a cell's text. The item of the previous run is kept and given the new
// text: a column's cells are all of one kind, and new items for the
// hundreds of thousands of cells of a long transaction list would cost more
// than the reports. (Total rows, the only bold cells, never stay for a
// later run: see fillFlows.)
void setCell(QTableWidget* table, int row, int column, const QString& text, Qt::Alignment alignment = {})
{
    if (QTableWidgetItem* kept = table->item(row, column)) {
        kept->setText(text);
        return;
    }
    auto* item = new QTableWidgetItem(text);
    if (alignment)
        item->setTextAlignment(alignment);
    table->setItem(row, column, item);
}

void setCount(QTableWidget* table, int row, int column, int count)
{
    setCell(table, row, column, QString::number(count), kNumberAlignment);
}

// Every amount of every report in the US-dollar form, whatever the
// accounts' currencies.
void setMoney(QTableWidget* table, int row, int column, qint64 amount)
{
    setCell(table, row, column, formatAmount(amount, CurrencyCode::USD), kNumberAlignment);
}

// Sets the table to one row per report row, each filled anew by
// `cells(row index, record)`. Rows of the previous run past the new count
// go.
template <typename Row, typename Cells>
void fill(QTableWidget* table, const QList<Row>& rows, Cells cells)
{
    table->setRowCount(int(rows.size()));
    {
        // A change signal per cell would cost more than the cells; the view
        // repaints once below instead.
        const QSignalBlocker quiet(table->model());
        for (int r = 0; r < int(rows.size()); ++r)
            cells(r, rows.at(r));
    }
    // The first rows a table gets size its columns to their text (Qt reads a
    // bounded sample of rows for it); from then on the user's widths stay.
    if (!rows.isEmpty() && !table->property("columnsFitted").toBool()) {
        table->resizeColumnsToContents();
        table->setProperty("columnsFitted", true);
    }
    table->viewport()->update();
}

} // namespace

QTableWidget* ReportsScreen::makeReportTable(const QStringList& headers)
{
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setAlternatingRowColors(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(36);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setShowGrid(false);
    // One line per row, long names elided, as in the register.
    table->setWordWrap(false);
    return table;
}

void ReportsScreen::appendTotalRow(QTableWidget* table, qint64 first, qint64 second, qint64 third)
{
    const int row = table->rowCount();
    table->setRowCount(row + 1);
    QFont bold = table->font();
    bold.setWeight(QFont::Bold);
    auto* label = new QTableWidgetItem(tr("Total"));
    label->setFont(bold);
    table->setItem(row, 0, label);
    int column = 1;
    for (qint64 amount : {first, second, third}) {
        auto* cell = new QTableWidgetItem(formatAmount(amount, CurrencyCode::USD));
        cell->setTextAlignment(kNumberAlignment);
        cell->setFont(bold);
        table->setItem(row, column++, cell);
    }
    // Columns were fitted to the plain rows; the bold totals are wider and
    // must not be cut off.
    const QFontMetrics metrics(bold);
    for (int c = 0; c < table->columnCount(); ++c) {
        const QTableWidgetItem* item = table->item(row, c);
        if (!item)
            continue;
        const int needed = metrics.horizontalAdvance(item->text()) + 4 * metrics.averageCharWidth();
        if (table->columnWidth(c) < needed)
            table->setColumnWidth(c, needed);
    }
}

void ReportsScreen::buildTabs()
{
    const auto addTable = [this](Tab tab, const QString& text, const QStringList& headers) {
        m_tables[tab] = makeReportTable(headers);
        m_tabs->addTab(m_tables[tab], text);
    };
    addTable(CategorySpendingTab, tr("Category Spending"), {tr("Category"), tr("Total")});
    addTable(PayeeSummaryTab, tr("Payee Summary"), {tr("Payee"), tr("Total"), tr("Count")});
    addTable(TaxReportTab, tr("Tax Report"), {tr("Category"), tr("Tax Code"), tr("Total")});
    addTable(IncomeVsExpensesTab, tr("Income vs Expenses"), {tr("Month"), tr("Income"), tr("Expenses"), tr("Net")});
    addTable(CashFlowTab, tr("Cash Flow"), {tr("Month"), tr("Inflows"), tr("Outflows"), tr("Net")});
    buildYearOverYearTab();
    addTable(AccountSummaryTab, tr("Account Summary"),
             {tr("Account"), tr("Type"), tr("Cleared"), tr("Uncleared"), tr("Total")});
    buildTransactionsTab();
}

void ReportsScreen::buildYearOverYearTab()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 8, 0, 0);

    auto* row = new QHBoxLayout;
    row->setSpacing(8);
    row->addWidget(new QLabel(tr("Compare:"), page));
    m_compareCombo = new QComboBox(page);
    m_compareCombo->setObjectName(QStringLiteral("compareCombo"));
    m_compareCombo->addItems({tr("This Year vs Last Year"), tr("Last Year vs Year Before"),
                              tr("This Quarter vs Last Quarter"), tr("Custom")});
    connect(m_compareCombo, &QComboBox::currentIndexChanged, this, &ReportsScreen::applyComparePreset);
    row->addWidget(m_compareCombo);
    row->addSpacing(12);
    m_periodsLabel = new QLabel(page);
    m_periodsLabel->setObjectName(QStringLiteral("periodsLabel"));
    m_periodsLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QStringLiteral("#6E8A7E")));
    row->addWidget(m_periodsLabel);

    m_customRangeBox = new QWidget(page);
    m_customRangeBox->setObjectName(QStringLiteral("customRangeBox"));
    auto* range = new QHBoxLayout(m_customRangeBox);
    range->setContentsMargins(0, 0, 0, 0);
    range->setSpacing(8);
    const auto addEdit = [this, range](QDateEdit*& edit, const char* name) {
        edit = new QDateEdit(m_customRangeBox);
        edit->setObjectName(QLatin1String(name));
        setupDateEdit(edit);
        connect(edit, &QDateEdit::dateChanged, this, &ReportsScreen::onFilterChanged);
        range->addWidget(edit);
    };
    const QString dash = QStringLiteral("–");
    range->addWidget(new QLabel(tr("P1:"), m_customRangeBox));
    addEdit(m_p1FromEdit, "p1FromEdit");
    range->addWidget(new QLabel(dash, m_customRangeBox));
    addEdit(m_p1ToEdit, "p1ToEdit");
    range->addSpacing(12);
    range->addWidget(new QLabel(tr("P2:"), m_customRangeBox));
    addEdit(m_p2FromEdit, "p2FromEdit");
    range->addWidget(new QLabel(dash, m_customRangeBox));
    addEdit(m_p2ToEdit, "p2ToEdit");
    m_customRangeBox->hide();
    row->addWidget(m_customRangeBox);
    row->addStretch();
    layout->addLayout(row);

    const ReportFormat::ComparePeriods start = *ReportFormat::comparePeriods(0, QDate::currentDate());
    m_p1FromEdit->setDate(start.previousFrom);
    m_p1ToEdit->setDate(start.previousTo);
    m_p2FromEdit->setDate(start.currentFrom);
    m_p2ToEdit->setDate(start.currentTo);
    setComparePeriodsText();

    m_tables[YearOverYearTab] = makeReportTable({tr("Category"), tr("Period 1"), tr("Period 2"), tr("Difference")});
    layout->addWidget(m_tables[YearOverYearTab], 1);
    m_tabs->addTab(page, tr("Year-over-Year"));
}

void ReportsScreen::buildTransactionsTab()
{
    m_tables[TransactionsTab] =
        makeReportTable({tr("Date"), tr("Account"), tr("Payee"), tr("Category"), tr("Memo"), tr("Amount")});
    m_tabs->addTab(m_tables[TransactionsTab], tr("Transactions"));
}

void ReportsScreen::setComparePeriodsText()
{
    m_periodsLabel->setText(
        tr("P1: %1 – %2    P2: %3 – %4")
            .arg(shortDateText(m_p1FromEdit->date()), shortDateText(m_p1ToEdit->date()),
                 shortDateText(m_p2FromEdit->date()), shortDateText(m_p2ToEdit->date())));
}

void ReportsScreen::applyComparePreset(int index)
{
    {
        const auto loading = holdLoading();
        // Custom keeps the dates of the comparison chosen before.
        m_customRangeBox->setVisible(index == kCustomCompare);
        m_periodsLabel->setVisible(index != kCustomCompare);
        if (const auto periods = ReportFormat::comparePeriods(index, QDate::currentDate())) {
            m_p1FromEdit->setDate(periods->previousFrom);
            m_p1ToEdit->setDate(periods->previousTo);
            m_p2FromEdit->setDate(periods->currentFrom);
            m_p2ToEdit->setDate(periods->currentTo);
            setComparePeriodsText();
        }
    }
    runReport();
}

void ReportsScreen::fillTables(const QString& accountId, QDate from, QDate to)
{
    const ReportService* reports = m_appState->reportService();

    fill(m_tables[CategorySpendingTab], reports->categorySpending(from, to, accountId),
         [t = m_tables[CategorySpendingTab]](int r, const CategorySpendingRow& row) {
             setCell(t, r, 0, ReportFormat::categoryLabel(row.category));
             setMoney(t, r, 1, row.amount);
         });

    fill(m_tables[PayeeSummaryTab], reports->payeeSummary(from, to, accountId),
         [t = m_tables[PayeeSummaryTab]](int r, const PayeeSummaryRow& row) {
             setCell(t, r, 0, row.payee);
             setMoney(t, r, 1, row.total);
             setCount(t, r, 2, row.count);
         });

    fill(m_tables[TaxReportTab], reports->taxReport(from, to),
         [t = m_tables[TaxReportTab]](int r, const TaxReportRow& row) {
             setCell(t, r, 0, row.category);
             setCell(t, r, 1, row.taxCategory);
             setMoney(t, r, 2, row.amount);
         });

    const auto fillFlows = [](QTableWidget* t, const QList<MonthlyFlowRow>& rows) {
        // The bold Total row of the last run goes with every other row.
        t->setRowCount(0);
        fill(t, rows, [t](int r, const MonthlyFlowRow& row) {
            setCell(t, r, 0, row.month);
            setMoney(t, r, 1, row.inflow);
            setMoney(t, r, 2, row.outflow);
            setMoney(t, r, 3, row.net);
        });
        if (!rows.isEmpty()) {
            const ReportFormat::FlowTotals totals = ReportFormat::flowTotals(rows);
            appendTotalRow(t, totals.inflow, totals.outflow, totals.net);
        }
    };
    fillFlows(m_tables[IncomeVsExpensesTab], reports->incomeVsExpenses(from, to, accountId));
    fillFlows(m_tables[CashFlowTab], reports->cashFlow(from, to, accountId));

    // The comparison's own two periods; the Period filter plays no part.
    fill(m_tables[YearOverYearTab],
         reports->yearOverYear(m_p1FromEdit->date(), m_p1ToEdit->date(), m_p2FromEdit->date(), m_p2ToEdit->date(),
                               accountId),
         [t = m_tables[YearOverYearTab]](int r, const YearOverYearRow& row) {
             setCell(t, r, 0, ReportFormat::categoryLabel(row.category));
             setMoney(t, r, 1, row.previousAmount);
             setMoney(t, r, 2, row.currentAmount);
             setMoney(t, r, 3, row.change);
         });

    fill(m_tables[AccountSummaryTab], reports->accountSummary(),
         [t = m_tables[AccountSummaryTab]](int r, const AccountSummaryRow& row) {
             setCell(t, r, 0, row.name);
             setCell(t, r, 1, ReportFormat::accountTypeLabel(row.accountType));
             setMoney(t, r, 2, row.clearedBalance);
             setMoney(t, r, 3, row.unclearedAmount);
             setMoney(t, r, 4, row.balance);
         });

    // Rows come in date order: each stored date is parsed and formatted once.
    QString lastIso, lastDate;
    fill(m_tables[TransactionsTab], reports->transactionList(from, to, accountId, QString()),
         [t = m_tables[TransactionsTab], &lastIso, &lastDate](int r, const TransactionListRow& row) {
             if (row.date != lastIso) {
                 lastIso = row.date;
                 lastDate = shortDateText(QDate::fromString(row.date, Qt::ISODate));
             }
             setCell(t, r, 0, lastDate);
             setCell(t, r, 1, row.accountName);
             setCell(t, r, 2, row.payee);
             setCell(t, r, 3, row.categoryName);
             setCell(t, r, 4, row.memo);
             setMoney(t, r, 5, row.amount);
         });
}
