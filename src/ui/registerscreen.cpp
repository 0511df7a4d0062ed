#include "ui/registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "ui/messageboxes.h"
#include "ui/registerdelegate.h"
#include "ui/registereditors.h"
#include "ui/registerfilterdialog.h"
#include "ui/registermodel.h"
#include "ui/registertableview.h"
#include "ui/style.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

namespace {

const char* const kDimmed = "#6E8A7E";
const char* const kHint = "#5A7A6E";

// Column widths before the font scale, Date to Balance.
constexpr int kDefaultWidths[RegisterModel::ColumnCount] = {130, 60, 250, 180, 180, 100, 100, 35, 110};
constexpr int kOneLineRowHeight = 36;
constexpr int kTwoLineRowHeight = 52;
constexpr int kMinimumSectionSize = 24;

QString colorStyle(const char* color)
{
    return QStringLiteral("color: %1;").arg(QLatin1String(color));
}

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

const QString kSortColumnKey = QStringLiteral("register/sortColumn");
const QString kSortOrderKey = QStringLiteral("register/sortOrder");
const QString kTwoLineKey = QStringLiteral("registerTwoLine");
const QString kShowBalanceKey = QStringLiteral("registerShowBalance");
const QString kNewestFirstKey = QStringLiteral("registerNewestFirst");

// Sums that cannot wrap: absurd imported amounts stop at the ends of the
// range instead of turning into the opposite sign.
qint64 saturatingAdd(qint64 a, qint64 b)
{
    qint64 sum = 0;
    if (__builtin_add_overflow(a, b, &sum))
        return b > 0 ? std::numeric_limits<qint64>::max() : std::numeric_limits<qint64>::min();
    return sum;
}

// The view's editing state is protected; read it through a member pointer
// taken in a derived class.
struct ViewStateAccess : QAbstractItemView
{
    using QAbstractItemView::state;
    static constexpr State Editing = EditingState;
};

bool editorOpen(const QAbstractItemView* view)
{
    return (view->*(&ViewStateAccess::state))() == ViewStateAccess::Editing;
}

QLabel* captionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    setFontRole(label, FontRole::Caption);
    label->setStyleSheet(colorStyle(kDimmed));
    label->setAlignment(Qt::AlignHCenter);
    return label;
}

} // namespace

RegisterScreen::RegisterScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , appState(state)
{
    setupUi();
}

RegisterScreen::~RegisterScreen() = default;

void RegisterScreen::setupUi()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    titleLabel = new QLabel(this);
    titleLabel->setObjectName(QStringLiteral("titleLabel"));
    titleLabel->setTextFormat(Qt::PlainText);
    setFontRole(titleLabel, FontRole::Heading);
    header->addWidget(titleLabel);
    header->addStretch();

    auto addTotal = [this, header](const QString& caption, const QString& name) {
        auto* pair = new QVBoxLayout;
        pair->setSpacing(4);
        pair->addWidget(captionLabel(caption, this));
        auto* value = new QLabel(this);
        value->setObjectName(name);
        value->setTextFormat(Qt::PlainText);
        setFontRole(value, FontRole::Subtitle);
        value->setAlignment(Qt::AlignHCenter);
        pair->addWidget(value);
        header->addLayout(pair);
        return value;
    };
    clearedLabel = addTotal(tr("Cleared"), QStringLiteral("clearedLabel"));
    unclearedLabel = addTotal(tr("Uncleared"), QStringLiteral("unclearedLabel"));
    balanceLabel = addTotal(tr("Balance"), QStringLiteral("balanceLabel"));
    // The weight is kept in the widget's markers so a font-scale change
    // keeps the balance bold.
    applyFontRole(balanceLabel, int(FontRole::Subtitle), 700);

    filterButton = new QPushButton(this);
    filterButton->setObjectName(QStringLiteral("filterButton"));
    filterButton->setFocusPolicy(Qt::ClickFocus);
    connect(filterButton, &QPushButton::clicked, this, &RegisterScreen::showFilterDialog);
    updateFilterButton();
    header->addWidget(filterButton);

    reconcileButton = new QPushButton(tr("Reconcile"), this);
    reconcileButton->setObjectName(QStringLiteral("reconcileButton"));
    reconcileButton->setFocusPolicy(Qt::ClickFocus);
    connect(reconcileButton, &QPushButton::clicked, this, [this] { emit reconcileRequested(accountId); });
    header->addWidget(reconcileButton);
    layout->addLayout(header);

    detailLabel = new QLabel(this);
    detailLabel->setObjectName(QStringLiteral("detailLabel"));
    detailLabel->setTextFormat(Qt::PlainText);
    setFontRole(detailLabel, FontRole::Caption);
    detailLabel->setStyleSheet(colorStyle(kDimmed));
    detailLabel->setVisible(false);
    layout->addWidget(detailLabel);
    layout->addSpacing(8);

    model = new RegisterModel(this);
    // No account yet: nothing may be typed.
    model->setShowEntryRow(false);
    // The delegate finds the screen through its parent for the payee
    // completion.
    delegate = new RegisterDelegate(appState, this);
    view = new RegisterTableView(this);
    view->screen = this;
    view->setModel(model);
    view->setItemDelegate(delegate);
    view->setAlternatingRowColors(true);
    view->setSelectionBehavior(QAbstractItemView::SelectItems);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setTabKeyNavigation(false);
    view->setFocusPolicy(Qt::StrongFocus);
    view->verticalHeader()->setVisible(false);
    view->setShowGrid(false);
    // One line per cell, elided, as a register reads; two-line mode draws
    // its own second line.
    view->setWordWrap(false);
    view->verticalHeader()->setDefaultSectionSize(kOneLineRowHeight);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    view->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed);
    QHeaderView* columns = view->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(kMinimumSectionSize);
    view->setSortingEnabled(true);
    columns->setSortIndicatorShown(true);
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);

    restoreColumnLayout();
    // Connected after the view's own connection, so a Tab move has opened
    // the next editor before this looks whether one is open.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        if (reloadPending)
            QTimer::singleShot(0, this, &RegisterScreen::runPendingReload);
    });
    layout->addWidget(view, 1);

    auto* bottom = new QHBoxLayout;
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->setTextFormat(Qt::PlainText);
    setFontRole(statusLabel, FontRole::Body);
    statusLabel->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(QLatin1String(kDimmed)));
    bottom->addWidget(statusLabel);
    bottom->addStretch();
    auto* hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("hintLabel"));
    hint->setTextFormat(Qt::PlainText);
    setFontRole(hint, FontRole::Body);
    hint->setStyleSheet(QStringLiteral("color: %1; padding: 2px 4px;").arg(QLatin1String(kHint)));
    hint->setText(tr("%1: save  |  Enter: next  |  %2: delete  |  %3: memorize  |  ': copy above")
                      .arg(QKeySequence(QStringLiteral("Ctrl+Return")).toString(QKeySequence::NativeText),
                           QKeySequence(QStringLiteral("Ctrl+D")).toString(QKeySequence::NativeText),
                           QKeySequence(QStringLiteral("Ctrl+M")).toString(QKeySequence::NativeText)));
    bottom->addWidget(hint);
    layout->addLayout(bottom);

    setAccountControlsEnabled(false);
}

void RegisterScreen::setAccountControlsEnabled(bool enabled)
{
    filterButton->setEnabled(enabled);
    reconcileButton->setEnabled(enabled);
}

QString RegisterScreen::filterPreferenceKey(const QString& id)
{
    return QStringLiteral("registerFilter_%1").arg(id);
}

void RegisterScreen::abandonEditing()
{
    if (editorOpen(view)) {
        // Closing through the delegate's signal drops the editor's text; the
        // view removes its event filter before the editor loses focus, so
        // nothing is written back.
        if (QWidget* editor = view->indexWidget(view->currentIndex()))
            emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
        // An editor away from the current cell: a view reset drops them all.
        if (editorOpen(view))
            view->reset();
    }
    if (model->editingRow >= 0)
        model->setEditingRow(-1);
}

void RegisterScreen::setAccount(const QString& id)
{
    abandonEditing();
    accountId = id;
    delegate->accountId = id;
    filter = RegisterFilter::fromJson(appState->preferences()->valueOr(filterPreferenceKey(id), QString()));
    updateFilterButton();
    reload();
    focusEntryRow();
}

void RegisterScreen::runPendingReload()
{
    if (reloadPending && !editorOpen(view))
        reload();
}

void RegisterScreen::showNoAccount()
{
    titleLabel->clear();
    detailLabel->clear();
    detailLabel->setVisible(false);
    clearedLabel->clear();
    unclearedLabel->clear();
    balanceLabel->clear();
    model->setEntries({});
    model->setShowEntryRow(false);
    setAccountControlsEnabled(false);
}

void RegisterScreen::reload()
{
    if (accountId.isEmpty())
        return;
    if (editorOpen(view)) {
        reloadPending = true;
        return;
    }
    reloadPending = false;

    const std::optional<Account> account = appState->accountRepository()->findById(accountId);
    // A soft-deleted account (a deletion pulled by sync among them) counts
    // as gone: its register must not stay open for entries.
    if (!account || account->deletedAt.has_value()) {
        showNoAccount();
        return;
    }

    titleLabel->setText(account->name);
    QString detail;
    if (!account->institution.isEmpty()) {
        detail = account->institution;
        if (!account->accountNumberLast4.isEmpty())
            detail += QStringLiteral("  \u00B7  *%1").arg(account->accountNumberLast4);
    }
    detailLabel->setText(detail);
    detailLabel->setVisible(!detail.isEmpty());

    // The place to come back to: the top row and the current cell, by
    // transaction where the row has one, else by row number.
    const QModelIndex top = view->indexAt(QPoint(0, 0));
    const int topRow = top.isValid() ? top.row() : -1;
    QString topId;
    if (const RegisterRow* row = top.isValid() ? model->tryEntryAt(topRow) : nullptr)
        topId = row->id;
    const QModelIndex current = view->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int currentColumn = current.isValid() ? current.column() : 0;
    QString currentId;
    if (const RegisterRow* row = current.isValid() ? model->tryEntryAt(currentRow) : nullptr)
        currentId = row->id;

    QList<RegisterRow> rows = appState->transactionRepository()->findRegisterRows(accountId);

    // Totals over every row, whatever the filter hides; the opening row is
    // cleared, so the starting balance counts once.
    qint64 cleared = 0;
    qint64 uncleared = 0;
    for (const RegisterRow& row : rows) {
        if (row.cleared)
            cleared = saturatingAdd(cleared, row.amount);
        else
            uncleared = saturatingAdd(uncleared, row.amount);
    }
    const qint64 balance = saturatingAdd(cleared, uncleared);

    if (filter.isActive()) {
        rows.removeIf([this](const RegisterRow& row) { return !filter.matches(row); });
    }

    PreferencesRepository* preferences = appState->preferences();
    setTwoLineMode(preferences->boolValue(kTwoLineKey, false));
    view->setColumnHidden(RegisterModel::BalanceColumn, !preferences->boolValue(kShowBalanceKey, true));

    model->setShowEntryRow(true);
    // Handed over: a model that takes the list by rvalue sorts it in place
    // instead of copying all rows first.
    model->setEntries(std::move(rows));
    rows = {};
    setAccountControlsEnabled(true);

    const CurrencyCode currency = account->currency;
    clearedLabel->setText(formatDisplayAmount(cleared, currency));
    unclearedLabel->setText(formatDisplayAmount(uncleared, currency));
    balanceLabel->setText(formatDisplayAmount(balance, currency));
    const bool dark = isDarkPalette();
    const char* balanceColor = balance < 0 ? (dark ? "#FF8A80" : "#C62828") : (dark ? "#66BB6A" : "#2E7D32");
    balanceLabel->setStyleSheet(colorStyle(balanceColor));

    // Scroll positions need the new row count laid out.
    view->doItemsLayout();
    const int lastRow = model->rowCount() - 1;
    int r = rowOfTransaction(currentId);
    if (r < 0 && currentRow >= 0)
        r = std::min(currentRow, lastRow);
    if (r >= 0)
        view->setCurrentIndex(model->index(r, currentColumn));
    int t = rowOfTransaction(topId);
    if (t < 0 && topRow >= 0)
        t = std::min(topRow, lastRow);
    if (t >= 0)
        view->scrollTo(model->index(t, 0), QAbstractItemView::PositionAtTop);
    if (r >= 0)
        view->scrollTo(model->index(r, currentColumn), QAbstractItemView::EnsureVisible);
}

void RegisterScreen::showStatus(const QString& text, int milliseconds)
{
    statusLabel->setText(text);
    // Earlier timers keep running: each clears whatever is shown then.
    QTimer::singleShot(milliseconds, statusLabel, &QLabel::clear);
}

int RegisterScreen::rowOfTransaction(const QString& transactionId) const
{
    if (transactionId.isEmpty())
        return -1;
    const QList<RegisterRow>& rows = model->rows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).id == transactionId)
            return model->viewRowForDataRow(int(i));
    }
    return -1;
}

void RegisterScreen::focusEntryRow()
{
    const int entryRow = model->entryRowIndex();
    if (model->rowCount() == 0 || entryRow < 0)
        return;
    if (model->sortColumn == RegisterModel::DateColumn && model->sortOrder == Qt::DescendingOrder)
        view->scrollToTop();
    else
        view->scrollToBottom();
    view->setCurrentIndex(model->index(entryRow, RegisterModel::DateColumn));
}

void RegisterScreen::updateFilterButton()
{
    int count = 0;
    if (filter.cleared.has_value())
        ++count;
    if (filter.dateFrom.isValid() || filter.dateTo.isValid())
        ++count;
    if (!filter.categoryId.isEmpty())
        ++count;

    QFont font = filterButton->font();
    if (count > 0) {
        filterButton->setText(tr("Filter (%1)").arg(count));
        font.setWeight(QFont::Bold);
        filterButton->setToolTip(tr("Filters are applied. Click to change or clear them."));
    } else {
        filterButton->setText(tr("Filter"));
        font.setWeight(QFont::Normal);
        filterButton->setToolTip(tr("Filter which transactions are listed"));
    }
    filterButton->setFont(font);
}

void RegisterScreen::showFilterDialog()
{
    if (accountId.isEmpty())
        return;
    RegisterFilterDialog dialog(appState, filter, this);
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;

    filter = dialog.filter();
    PreferencesRepository* preferences = appState->preferences();
    const QString key = filterPreferenceKey(accountId);
    const bool stored = filter.isActive() ? preferences->setValue(key, filter.toJson()) : preferences->remove(key);
    updateFilterButton();
    reload();
    // The filter applies now either way; only keeping it failed.
    if (!stored)
        showStatus(tr("The filter could not be saved for next time."), 5000);
}

void RegisterScreen::restoreColumnLayout()
{
    restoringLayout = true;
    QSettings settings;
    QHeaderView* columns = view->horizontalHeader();
    const int scale = fontScalePercent();
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        int width = kDefaultWidths[column];
        if (scale > 100)
            width = width * scale / 100;
        // A stored width that is not a usable number would make the column
        // vanish; the default serves instead.
        bool ok = false;
        const int stored = settings.value(widthKey(column)).toInt(&ok);
        if (ok && stored > 0)
            width = std::max(stored, kMinimumSectionSize);
        columns->resizeSection(column, width);
    }

    const bool showBalance = appState->preferences()->boolValue(kShowBalanceKey, true);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        bool hidden = settings.value(hiddenKey(column), false).toBool();
        if (column == RegisterModel::DateColumn)
            hidden = false;
        else if (column == RegisterModel::BalanceColumn)
            hidden = !showBalance;
        view->setColumnHidden(column, hidden);
    }
    restoringLayout = false;

    int sortColumn = RegisterModel::DateColumn;
    Qt::SortOrder order = Qt::AscendingOrder;
    if (settings.contains(kSortColumnKey)) {
        sortColumn = settings.value(kSortColumnKey).toInt();
        if (sortColumn < 0 || sortColumn >= RegisterModel::ColumnCount)
            sortColumn = RegisterModel::DateColumn;
        order = settings.value(kSortOrderKey, 0).toInt() == int(Qt::DescendingOrder) ? Qt::DescendingOrder
                                                                                       : Qt::AscendingOrder;
    } else if (appState->preferences()->boolValue(kNewestFirstKey, false)) {
        order = Qt::DescendingOrder;
    }
    view->sortByColumn(sortColumn, order);
}

void RegisterScreen::setTwoLineMode(bool on)
{
    delegate->twoLineMode = on;
    bool memoHidden = on;
    if (!on)
        memoHidden = QSettings().value(hiddenKey(RegisterModel::MemoColumn), false).toBool();
    view->setColumnHidden(RegisterModel::MemoColumn, memoHidden);
    model->twoLineMode = on;
    emit model->headerDataChanged(Qt::Horizontal, RegisterModel::PayeeColumn, RegisterModel::PayeeColumn);
    view->verticalHeader()->setDefaultSectionSize(on ? kTwoLineRowHeight : kOneLineRowHeight);
    view->viewport()->update();
}

void RegisterScreen::tabToNextField()
{
}

void RegisterScreen::tabToPreviousField()
{
}

void RegisterScreen::toggleCleared(int row)
{
    Q_UNUSED(row);
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    // Within the two-line payee editor Tab and Backtab move between its
    // payee and memo lines.
    QWidget* focus = QApplication::focusWidget();
    if (focus && insidePayeeMemoEditor(focus)) {
        QWidget* editor = focus;
        while (editor && editor->objectName() != QLatin1String(PayeeMemoEditorName))
            editor = editor->parentWidget();
        const QString from = next ? QLatin1String(PayeeEditName) : QLatin1String(MemoEditName);
        const QString to = next ? QLatin1String(MemoEditName) : QLatin1String(PayeeEditName);
        QWidget* target = editor ? editor->findChild<QWidget*>(to) : nullptr;
        if (focus->objectName() == from && target) {
            target->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (next)
            tabToNextField();
        else
            tabToPreviousField();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

TabCompleter* RegisterScreen::attachPayeeCompleter(QLineEdit* edit, const QStringList& payees,
                                                   const QModelIndex& index)
{
    if (!edit)
        return nullptr;
    auto* completer = new TabCompleter(payees, edit);
    edit->setCompleter(completer);
    const QPersistentModelIndex cell(index);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this, cell](const QString& text) { autofillFromPayee(cell, text); });
    return completer;
}

void RegisterScreen::autofillFromPayee(const QModelIndex& index, const QString& payee)
{
    Q_UNUSED(index);
    Q_UNUSED(payee);
}
