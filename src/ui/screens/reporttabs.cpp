// The eight tabs of the Reports window: their tables, how each report's rows
// become cells, the Total rows and the Year-over-Year comparison.
#include "ui/screens/reportsscreen.h"

#include "app/appstate.h"
#include "data/datetext.h"
#include "data/money.h"
#include "services/reportservice.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kCustomCompare = 3;

constexpr Qt::Alignment kNumberAlignment = Qt::AlignRight | Qt::AlignVCenter;

// What a table's columns need to show their headers and cells whole, noted
// as the cells are set, so that fitting the columns (after every run and at
// every font change) measures a few texts instead of every cell again. Per
// column: the distinct shapes of its texts (every digit as '0', measured as
// the font's widest digit) with a row showing each, and the rows whose cells
// have a font of their own (the bold Totals).
class ColumnFitter : public QObject
{
public:
    explicit ColumnFitter(QTableWidget* table)
        : QObject(table)
        , m_table(table)
        , m_columns(size_t(table->columnCount()))
    {
        table->setProperty(kProperty, QVariant::fromValue(static_cast<QObject*>(this)));
        table->installEventFilter(this);
    }

    static ColumnFitter* of(const QTableWidget* table)
    {
        return static_cast<ColumnFitter*>(qvariant_cast<QObject*>(table->property(kProperty)));
    }

    // Before a table's cells are all set anew.
    void clear()
    {
        for (Column& c : m_columns)
            c = Column();
    }

    void noteText(int row, int column, const QString& text)
    {
        Column& c = m_columns[size_t(column)];
        // The cells of a column mostly share a few texts (payees, accounts,
        // the date of the rows before): one that was just seen, by its
        // data, is not looked at again. The kept copy holds its data, so
        // the address stays that text's.
        QString& recent = c.recent[(quintptr(text.constData()) >> 4) % c.recent.size()];
        if (recent.constData() == text.constData() && recent.size() == text.size())
            return;
        recent = text;
        QString shape = text;
        for (qsizetype i = 0; i < shape.size(); ++i) {
            if (isDigit(shape.at(i)))
                shape[i] = QLatin1Char('0');
        }
        c.shapes.insert(shape, row); // a later row of the same shape is as wide
    }

    // A number's text grows with its magnitude: only a new least or most
    // value of the column can need more room than those before.
    void noteNumber(int row, int column, qint64 value, const QString& text)
    {
        Column& c = m_columns[size_t(column)];
        if (c.hasNumbers && value >= c.least && value <= c.most)
            return;
        c.least = c.hasNumbers ? std::min(c.least, value) : value;
        c.most = c.hasNumbers ? std::max(c.most, value) : value;
        c.hasNumbers = true;
        noteText(row, column, text);
    }

    void noteOwnFont(int row, int column) { m_columns[size_t(column)].ownFontRows.append(row); }

    // Widens every column narrower than it needs; with `exact` also narrows
    // the wider ones (a new font makes the old widths meaningless). A column
    // the user widened stays so until the font changes.
    void fit(bool exact)
    {
        for (int column = 0; column < m_table->columnCount(); ++column) {
            const int needed = neededWidth(column);
            const int width = m_table->columnWidth(column);
            if (width < needed || (exact && width != needed))
                m_table->setColumnWidth(column, needed);
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_table && event->type() == QEvent::FontChange)
            fit(true);
        return false;
    }

private:
    static constexpr const char* kProperty = "columnFitter";

    struct Column
    {
        QHash<QString, int> shapes;
        std::array<QString, 64> recent;
        qint64 least = 0;
        qint64 most = 0;
        bool hasNumbers = false;
        QList<int> ownFontRows;
    };

    static bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

    // The header's width, and the view's own measure of the widest cell
    // widened by what its digits may lack of the widest digit's width.
    int neededWidth(int column) const
    {
        const auto* view = static_cast<const QAbstractItemView*>(m_table);
        const QAbstractItemModel* model = m_table->model();
        const QFontMetricsF metrics(m_table->font());
        QChar widestDigit = QLatin1Char('0');
        for (char digit = '1'; digit <= '9'; ++digit) {
            if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widestDigit))
                widestDigit = QLatin1Char(digit);
        }
        int needed = m_table->horizontalHeader()->sectionSizeHint(column);
        const Column& c = m_columns[size_t(column)];
        qreal widest = -1;
        int widestRow = -1;
        for (auto it = c.shapes.cbegin(); it != c.shapes.cend(); ++it) {
            QString shape = it.key();
            shape.replace(QLatin1Char('0'), widestDigit);
            const qreal advance = metrics.horizontalAdvance(shape);
            if (advance > widest && it.value() < m_table->rowCount()) {
                widest = advance;
                widestRow = it.value();
            }
        }
        if (widestRow >= 0) {
            const QModelIndex index = model->index(widestRow, column);
            const qreal own = metrics.horizontalAdvance(index.data().toString());
            needed = std::max(needed,
                              view->sizeHintForIndex(index).width() + int(std::ceil(std::max(0.0, widest - own))));
        }
        for (int row : c.ownFontRows) {
            if (row < m_table->rowCount())
                needed = std::max(needed, view->sizeHintForIndex(model->index(row, column)).width());
        }
        return needed;
    }

    QTableWidget* m_table;
    std::vector<Column> m_columns;
};

// Sets the cells of one table and notes what each needs. The item of the
// previous run is kept and given the new text: a column's cells are all of
// one kind, and new items for the hundreds of thousands of cells of a long
// transaction list would cost more than the reports. (Total rows, the only
// bold cells, never stay for a later run: see fillFlows.)
struct Cells
{
    QTableWidget* table;
    ColumnFitter* fitter;

    void text(int row, int column, const QString& text, Qt::Alignment alignment = {}) const
    {
        set(row, column, text, alignment);
        fitter->noteText(row, column, text);
    }

    void count(int row, int column, int count) const { number(row, column, count, QString::number(count)); }

    // Every amount of every report in the US-dollar form, whatever the
    // accounts' currencies.
    void money(int row, int column, qint64 amount) const
    {
        number(row, column, amount, formatAmount(amount, CurrencyCode::USD));
    }

private:
    void number(int row, int column, qint64 value, const QString& text) const
    {
        set(row, column, text, kNumberAlignment);
        fitter->noteNumber(row, column, value, text);
    }

    void set(int row, int column, const QString& text, Qt::Alignment alignment) const
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
};

// Sets the table to one row per report row, each filled anew by
// `cells(cells, row index, record)`. Rows of the previous run past the new
// count go.
template <typename Row, typename Fill>
void fill(QTableWidget* table, const QList<Row>& rows, Fill cells)
{
    table->setRowCount(int(rows.size()));
    const Cells writer{table, ColumnFitter::of(table)};
    writer.fitter->clear();
    {
        // A change signal per cell would cost more than the cells; the view
        // repaints once below instead.
        const QSignalBlocker quiet(table->model());
        for (int r = 0; r < int(rows.size()); ++r)
            cells(writer, r, rows.at(r));
    }
    // Every run may bring wider cells (another period, more data).
    writer.fitter->fit(false);
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
    // One line per row, as in the register.
    table->setWordWrap(false);
    (new ColumnFitter(table))->fit(true); // the headers, before any rows
    return table;
}

void ReportsScreen::appendTotalRow(QTableWidget* table, qint64 first, qint64 second, qint64 third)
{
    const int row = table->rowCount();
    table->setRowCount(row + 1);
    // Only the weight: the size and family follow the table's font.
    QFont bold;
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
    ColumnFitter* fitter = ColumnFitter::of(table);
    for (int c = 0; c < table->columnCount(); ++c)
        fitter->noteOwnFont(row, c);
    fitter->fit(false);
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
         [](const Cells& c, int r, const CategorySpendingRow& row) {
             c.text(r, 0, ReportFormat::categoryLabel(row.category));
             c.money(r, 1, row.amount);
         });

    fill(m_tables[PayeeSummaryTab], reports->payeeSummary(from, to, accountId),
         [](const Cells& c, int r, const PayeeSummaryRow& row) {
             c.text(r, 0, row.payee);
             c.money(r, 1, row.total);
             c.count(r, 2, row.count);
         });

    fill(m_tables[TaxReportTab], reports->taxReport(from, to),
         [](const Cells& c, int r, const TaxReportRow& row) {
             c.text(r, 0, row.category);
             c.text(r, 1, row.taxCategory);
             c.money(r, 2, row.amount);
         });

    const auto fillFlows = [](QTableWidget* t, const QList<MonthlyFlowRow>& rows) {
        // The bold Total row of the last run goes with every other row.
        t->setRowCount(0);
        fill(t, rows, [](const Cells& c, int r, const MonthlyFlowRow& row) {
            c.text(r, 0, row.month);
            c.money(r, 1, row.inflow);
            c.money(r, 2, row.outflow);
            c.money(r, 3, row.net);
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
         [](const Cells& c, int r, const YearOverYearRow& row) {
             c.text(r, 0, ReportFormat::categoryLabel(row.category));
             c.money(r, 1, row.previousAmount);
             c.money(r, 2, row.currentAmount);
             c.money(r, 3, row.change);
         });

    fill(m_tables[AccountSummaryTab], reports->accountSummary(),
         [](const Cells& c, int r, const AccountSummaryRow& row) {
             c.text(r, 0, row.name);
             c.text(r, 1, ReportFormat::accountTypeLabel(row.accountType));
             c.money(r, 2, row.clearedBalance);
             c.money(r, 3, row.unclearedAmount);
             c.money(r, 4, row.balance);
         });

    // Rows come in date order: each stored date is parsed and formatted once.
    QString lastIso, lastDate;
    fill(m_tables[TransactionsTab], reports->transactionList(from, to, accountId, QString()),
         [&lastIso, &lastDate](const Cells& c, int r, const TransactionListRow& row) {
             if (row.date != lastIso) {
                 lastIso = row.date;
                 lastDate = shortDateText(QDate::fromString(row.date, Qt::ISODate));
             }
             c.text(r, 0, lastDate);
             c.text(r, 1, row.accountName);
             c.text(r, 2, row.payee);
             c.text(r, 3, row.categoryName);
             c.text(r, 4, row.memo);
             c.money(r, 5, row.amount);
         });
}
