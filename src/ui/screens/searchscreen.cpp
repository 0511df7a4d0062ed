#include "ui/screens/searchscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/datetext.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/appearance.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/dialogs/splitlineswidget.h"
#include "ui/register/registermodel.h"
#include "ui/style.h"
#include "ui/transactionactions.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int kDebounceMs = 300;

} // namespace

SearchScreen::SearchScreen(AppState* appState, QWidget* parent)
    : QWidget(parent)
    , m_appState(appState)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 16);

    m_searchField = new QLineEdit(this);
    m_searchField->setPlaceholderText(tr("Search payee, memo, check number..."));
    m_searchField->setClearButtonEnabled(true);
    layout->addWidget(m_searchField);

    m_debounce = new QTimer(this);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(kDebounceMs);

    auto* filters = new QHBoxLayout;
    // Tight enough that whole filter texts fit the window's first width.
    filters->setSpacing(4);
    filters->addWidget(new QLabel(tr("Account:"), this));
    m_accountFilter = makeFilterCombo(tr("All Accounts"));
    filters->addWidget(m_accountFilter);
    filters->addWidget(new QLabel(tr("Category:"), this));
    m_categoryFilter = makeFilterCombo(tr("All Categories"));
    filters->addWidget(m_categoryFilter);
    m_dateRange = new QCheckBox(tr("Date range:"), this);
    filters->addWidget(m_dateRange);
    m_fromDate = makeDateEdit(QDate::currentDate().addMonths(-1));
    filters->addWidget(m_fromDate);
    filters->addWidget(new QLabel(tr("to"), this));
    m_toDate = makeDateEdit(QDate::currentDate());
    filters->addWidget(m_toDate);
    m_clearedOnly = new QCheckBox(tr("Cleared only"), this);
    filters->addWidget(m_clearedOnly);
    filters->addStretch();
    layout->addLayout(filters);

    m_model = new RegisterModel(this);
    m_model->setShowEntryRow(false);
    m_results = new QTableView(this);
    m_results->setModel(m_model);
    m_results->setAlternatingRowColors(true);
    m_results->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_results->setSelectionMode(QAbstractItemView::SingleSelection);
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->verticalHeader()->hide();
    m_results->setContextMenuPolicy(Qt::CustomContextMenu);
    m_results->setSortingEnabled(false);
    m_results->setWordWrap(false);
    QHeaderView* header = m_results->horizontalHeader();
    for (const int column : {RegisterModel::PayeeColumn, RegisterModel::CategoryColumn, RegisterModel::MemoColumn})
        header->setSectionResizeMode(column, QHeaderView::Stretch);
    // The short columns as wide as their usual contents, the texts get the rest.
    const QFontMetrics metrics = m_results->fontMetrics();
    const int pad = metrics.averageCharWidth() * 2;
    header->resizeSection(RegisterModel::DateColumn, metrics.horizontalAdvance(QStringLiteral("12/31/2026")) + pad);
    header->resizeSection(RegisterModel::CheckNumberColumn, metrics.horizontalAdvance(QStringLiteral("00000")) + pad);
    for (const int column : {RegisterModel::PaymentColumn, RegisterModel::DepositColumn})
        header->resizeSection(column, metrics.horizontalAdvance(QStringLiteral("$00,000.00")) + pad);
    header->resizeSection(RegisterModel::ClearedColumn, metrics.horizontalAdvance(QStringLiteral("Clr")) + pad);
    m_results->setColumnHidden(RegisterModel::BalanceColumn, true);
    layout->addWidget(m_results, 1);

    connect(m_searchField, &QLineEdit::textChanged, m_debounce, qOverload<>(&QTimer::start));
    connect(m_debounce, &QTimer::timeout, this, &SearchScreen::performSearch);
    connect(m_dateRange, &QCheckBox::toggled, m_fromDate, &QWidget::setEnabled);
    connect(m_dateRange, &QCheckBox::toggled, m_toDate, &QWidget::setEnabled);
    connect(m_dateRange, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_accountFilter, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    connect(m_categoryFilter, &QComboBox::currentIndexChanged, this, &SearchScreen::performSearch);
    for (QDateEdit* edit : {m_fromDate, m_toDate}) {
        connect(edit, &QDateEdit::dateChanged, this, [this] {
            if (m_dateRange->isChecked())
                performSearch();
        });
    }
    connect(m_clearedOnly, &QCheckBox::toggled, this, &SearchScreen::performSearch);
    connect(m_results, &QTableView::doubleClicked, this, &SearchScreen::onDoubleClicked);
    connect(m_results, &QWidget::customContextMenuRequested, this, &SearchScreen::onContextMenu);
    if (SyncEngine* engine = m_appState->syncEngine())
        connect(engine, &SyncEngine::idsRenamed, this, &SearchScreen::followRenamedIds);
}

SearchScreen::~SearchScreen() = default;

QComboBox* SearchScreen::makeFilterCombo(const QString& allText)
{
    auto* combo = new QComboBox(this);
    // As wide as the longest name when there is room, narrower otherwise:
    // long account or category names must not widen the window.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    combo->addItem(allText, QString());
    // Never narrower than its "All ..." entry, in any font size or language,
    // also after the font size changes while the window is open.
    const int frame = combo->sizeHint().width() - combo->fontMetrics().horizontalAdvance(allText);
    followTheme(combo, [combo, allText, frame] {
        const QFontMetrics metrics = combo->fontMetrics();
        combo->setMinimumWidth(std::max(metrics.averageCharWidth() * 14, metrics.horizontalAdvance(allText) + frame));
    });
    return combo;
}

void SearchScreen::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    QComboBox* filter = nullptr;
    if (table == QLatin1String("accounts"))
        filter = m_accountFilter;
    else if (table == QLatin1String("categories"))
        filter = m_categoryFilter;
    else
        return;
    // The items keep their places, so the current one stays chosen.
    followComboIds(filter, renamed);
}

QDateEdit* SearchScreen::makeDateEdit(const QDate& date)
{
    auto* edit = new QDateEdit(date, this);
    edit->setDisplayFormat(QStringLiteral("MM/dd/yyyy"));
    edit->setCalendarPopup(true);
    edit->calendarWidget()->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(std::clamp(weekStartDayRef(), 1, 7)));
    // The numeric format stays fixed; the popup names months in the interface language.
    edit->calendarWidget()->setLocale(interfaceLocale());
    edit->setEnabled(false);
    return edit;
}

void SearchScreen::performSearch()
{
    // Whatever was pending is covered by this search.
    m_debounce->stop();
    TransactionSearchFilter filter;
    filter.accountId = m_accountFilter->currentData().toString();
    filter.categoryId = m_categoryFilter->currentData().toString();
    if (m_dateRange->isChecked()) {
        filter.dateFrom = m_fromDate->date();
        filter.dateTo = m_toDate->date();
    }
    if (m_clearedOnly->isChecked())
        filter.cleared = true;
    m_model->setEntries(m_appState->transactionRepository()->search(m_searchField->text().trimmed(), filter));
}

void SearchScreen::refreshFilters()
{
    {
        // One search below instead of one per item added.
        const QSignalBlocker accountsQuiet(m_accountFilter);
        const QSignalBlocker categoriesQuiet(m_categoryFilter);
        m_accountFilter->clear();
        m_accountFilter->addItem(tr("All Accounts"), QString());
        for (const Account& account : m_appState->accountRepository()->findAll())
            m_accountFilter->addItem(account.name, account.id);
        m_categoryFilter->clear();
        m_categoryFilter->addItem(tr("All Categories"), QString());
        for (const Category& category : m_appState->categoryRepository()->findAll())
            m_categoryFilter->addItem(category.name, category.id);
    }
    performSearch();
}

void SearchScreen::focusSearchField()
{
    m_searchField->setFocus(Qt::OtherFocusReason);
    m_searchField->selectAll();
}

void SearchScreen::applyToRow(int row, const Action& action)
{
    if (row < 0 || row >= m_model->rowCount())
        return;
    applyToTransaction(m_model->entryAt(row).id, action);
}

void SearchScreen::applyToTransaction(const QString& transactionId, const Action& action)
{
    const std::optional<Transaction> stored =
        transactionId.isEmpty() ? std::nullopt : m_appState->transactionRepository()->findById(transactionId);
    if (!stored || stored->deletedAt) {
        MessageBoxes::information(this, tr("Search Transactions"),
                                  tr("This transaction no longer exists."));
        performSearch();
        return;
    }
    if (action(*stored))
        performSearch();
}

void SearchScreen::onDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || index.row() >= m_model->rowCount())
        return;
    const QString id = m_model->entryAt(index.row()).id;
    emit editTransactionRequested(id);
    applyToTransaction(id, [this](const Transaction& t) { return TransactionActions::edit(m_appState, t, this); });
}

QMenu* SearchScreen::createContextMenu(const QPoint& pos)
{
    const QModelIndex index = m_results->indexAt(pos);
    const RegisterRow* found = index.isValid() ? m_model->tryEntryAt(index.row()) : nullptr;
    if (!found)
        return nullptr;
    // By id: a search may replace the rows while the menu is open.
    const QString id = found->id;
    auto* menu = new QMenu(this);
    const auto add = [this, menu, id](const QString& text, Action action) {
        menu->addAction(text, this, [this, id, action] { applyToTransaction(id, action); });
    };
    AppState* state = m_appState;
    add(tr("Show &Details..."), [this, state](const Transaction& t) {
        // The dialog may clear or delete the row itself; search again always.
        TransactionActions::showDetails(state, t, this);
        return true;
    });
    add(found->isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."),
        [this, state](const Transaction& t) { return TransactionActions::editSplits(state, t, this); });
    add(tr("&Edit in Dialog..."),
        [this, state](const Transaction& t) { return TransactionActions::edit(state, t, this); });
    add(tr("D&uplicate..."),
        [this, state](const Transaction& t) { return TransactionActions::duplicate(state, t, this); });
    if (!found->reconciled) {
        add(found->cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"),
            [this, state](const Transaction& t) { return TransactionActions::toggleCleared(state, t, this); });
    }
    menu->addSeparator();
    add(tr("&Delete..."),
        [this, state](const Transaction& t) { return TransactionActions::confirmDelete(state, t, this); });
    return menu;
}

void SearchScreen::onContextMenu(QPoint pos)
{
    const std::unique_ptr<QMenu> menu(createContextMenu(pos));
    if (menu)
        menu->exec(m_results->viewport()->mapToGlobal(pos));
}
