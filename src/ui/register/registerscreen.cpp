#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/recurringrepository.h"
#include "data/transactionrepository.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registereditors.h"
#include "ui/register/registerfilterdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registertableview.h"
#include "ui/screens/recurringformdialog.h"
#include "ui/style.h"
#include "ui/transactionactions.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPersistentModelIndex>
#include <QPushButton>
#include <QSettings>
#include <QTimer>
#include <QUuid>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <memory>

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

const QString kDateFormat = QStringLiteral("M/d/yyyy");

// -value without overflow for the smallest qint64.
qint64 negated(qint64 value)
{
    return value == std::numeric_limits<qint64>::min() ? std::numeric_limits<qint64>::max() : -value;
}

qint64 parseEntryAmount(const QString& text)
{
    // Two decimals for every currency, as the register formats its cells.
    return amountAutoDecimal() ? parseAutoDecimalAmount(text) : parseAmount(text, CurrencyCode::USD);
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

RegisterScreen::~RegisterScreen()
{
    // The model, delegate and view are deleted after this body, by the
    // QWidget destructor, and closing an open editor then still emits: no
    // signal of theirs may reach the handlers of a half-destroyed screen.
    const QList<QObject*> children = findChildren<QObject*>();
    for (QObject* child : children)
        QObject::disconnect(child, nullptr, this, nullptr);
}

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

    connect(columns, &QWidget::customContextMenuRequested, this, &RegisterScreen::showHeaderContextMenu);
    connect(columns, &QHeaderView::sectionResized, this, &RegisterScreen::saveColumnWidth);
    connect(model, &RegisterModel::sortChanged, this, &RegisterScreen::saveSortState);
    restoreColumnLayout();
    connect(appState->preferences(), &PreferencesRepository::changed, this, &RegisterScreen::onPreferenceChanged);
    connect(view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    // Connected after the view's own connection, so a Tab move has opened
    // the next editor before this looks whether one is open.
    connect(delegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        if (reloadPending)
            QTimer::singleShot(0, this, &RegisterScreen::runPendingReload);
    });
    // A sort resets the model, which closes the open editor and forgets the
    // current cell; a pressed header first writes the editor back, and the
    // sort then puts the current cell back on the row being typed, so the
    // edit goes on there instead of the view picking its first cell.
    connect(columns, &QHeaderView::sectionPressed, this, [this] { flushEditor(); });
    connect(model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex current = view->currentIndex();
        placeBeforeReset = {};
        if (!current.isValid())
            return;
        placeBeforeReset.valid = true;
        placeBeforeReset.column = current.column();
        placeBeforeReset.entryRow = model->isEntryRow(current.row());
        if (const RegisterRow* row = model->tryEntryAt(current.row()))
            placeBeforeReset.transactionId = row->id;
    });
    connect(model, &RegisterModel::sortChanged, this, [this] {
        if (!placeBeforeReset.valid || view->currentIndex().isValid())
            return;
        const int row = placeBeforeReset.entryRow ? model->entryRowIndex()
                                                  : rowOfTransaction(placeBeforeReset.transactionId);
        if (row < 0)
            return;
        const QModelIndex cell = model->index(row, placeBeforeReset.column);
        view->setCurrentIndex(cell);
        view->scrollTo(cell);
    });
    connect(view, &QAbstractItemView::clicked, this, &RegisterScreen::onClicked);
    connect(view, &QAbstractItemView::doubleClicked, this, &RegisterScreen::onDoubleClicked);
    // After the view's own connection: the view has written back and closed
    // the previous row's editor before the buffers change rows.
    connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this, &RegisterScreen::onCurrentChanged);
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

void RegisterScreen::closeEditorWithoutSaving()
{
    if (!editorOpen(view))
        return;
    // Closing through the delegate's signal drops the editor's text; the
    // view removes its event filter before the editor loses focus, so
    // nothing is written back.
    if (QWidget* editor = view->indexWidget(view->currentIndex()))
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    // An editor away from the current cell: a view reset drops them all.
    if (editorOpen(view)) {
        const QModelIndex current = view->currentIndex();
        view->reset();
        if (current.isValid())
            view->setCurrentIndex(current);
    }
}

void RegisterScreen::abandonEditing()
{
    closeEditorWithoutSaving();
    if (model->editingRow >= 0)
        model->setEditingRow(-1);
    loadedBuffers.clear();
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
        // A stored width that is not a usable number, or narrower than a
        // section may be (such as the 0 Qt reports for a hidden column),
        // would make the column vanish; the default serves instead.
        bool ok = false;
        const int stored = settings.value(widthKey(column)).toInt(&ok);
        if (ok && stored >= kMinimumSectionSize && stored <= columns->maximumSectionSize())
            width = stored;
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

void RegisterScreen::saveSortState(int column, Qt::SortOrder order)
{
    QSettings settings;
    settings.setValue(kSortColumnKey, column);
    settings.setValue(kSortOrderKey, int(order));
}

void RegisterScreen::saveColumnWidth(int column, int oldSize, int newSize)
{
    Q_UNUSED(oldSize);
    // Hiding a column resizes it to 0; keeping that would bring the column
    // back invisible.
    if (restoringLayout || newSize <= 0 || view->horizontalHeader()->isSectionHidden(column))
        return;
    QSettings().setValue(widthKey(column), newSize);
}

void RegisterScreen::onPreferenceChanged(const QString& key)
{
    if (key != kNewestFirstKey)
        return;
    const bool newestFirst = appState->preferences()->boolValue(kNewestFirstKey, false);
    view->sortByColumn(RegisterModel::DateColumn, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void RegisterScreen::resetColumnLayout()
{
    QSettings().remove(QStringLiteral("register"));
    restoreColumnLayout();
    // The defaults show Memo, which two-line mode draws inside the Payee
    // cell instead.
    setTwoLineMode(model->twoLineMode);
}

QMenu* RegisterScreen::createHeaderMenu()
{
    auto* menu = new QMenu(this);
    menu->addSection(tr("Show columns"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QString title = model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QAction* action = menu->addAction(title.replace(QLatin1Char('&'), QLatin1String("&&")));
        action->setCheckable(true);
        action->setChecked(!view->isColumnHidden(column));
        if (column == RegisterModel::DateColumn) {
            action->setEnabled(false);
        } else if (column == RegisterModel::BalanceColumn) {
            // A preference: the register follows when it reloads on it.
            connect(action, &QAction::triggered, this,
                    [this](bool checked) { appState->preferences()->setBool(kShowBalanceKey, checked); });
        } else {
            action->setEnabled(column != RegisterModel::MemoColumn || !model->twoLineMode);
            connect(action, &QAction::triggered, this, [this, column](bool checked) {
                view->setColumnHidden(column, !checked);
                QSettings().setValue(hiddenKey(column), !checked);
            });
        }
    }
    menu->addSeparator();
    connect(menu->addAction(tr("Reset register layout")), &QAction::triggered, this,
            &RegisterScreen::resetColumnLayout);
    return menu;
}

void RegisterScreen::showHeaderContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(createHeaderMenu());
    menu->exec(view->horizontalHeader()->mapToGlobal(pos));
}

QMenu* RegisterScreen::createRowMenu(const QModelIndex& index)
{
    auto* menu = new QMenu(this);
    const auto add = [menu](const QString& text, const QKeySequence& keys = QKeySequence()) {
        QAction* action = menu->addAction(text);
        if (!keys.isEmpty()) {
            // Shown for the user; the register's event filter handles the
            // keys themselves.
            action->setShortcut(keys);
            action->setShortcutContext(Qt::WidgetShortcut);
            action->setShortcutVisibleInContextMenu(true);
        }
        return action;
    };
    const bool hasAccount = !accountId.isEmpty() && model->showEntryRow;

    QAction* insert = add(tr("&Insert New"), QKeySequence(QStringLiteral("Ctrl+I")));
    insert->setEnabled(hasAccount);
    connect(insert, &QAction::triggered, this, &RegisterScreen::insertNew);
    QAction* create = add(tr("&New Transaction..."), QKeySequence(QKeySequence::New));
    create->setEnabled(hasAccount);
    connect(create, &QAction::triggered, this, &RegisterScreen::newTransactionDialog);

    if (!index.isValid())
        return menu;
    const int row = index.row();
    if (model->isEntryRow(row)) {
        QAction* edit = add(tr("&Edit in Dialog..."), QKeySequence(QStringLiteral("Ctrl+E")));
        edit->setEnabled(hasAccount);
        connect(edit, &QAction::triggered, this, &RegisterScreen::editNewRowInDialog);
        return menu;
    }
    const RegisterRow* found = model->tryEntryAt(row);
    if (!found)
        return menu;

    // The opening-balance row has no transaction behind it: its commands
    // are listed but read only.
    const bool editable = !found->id.isEmpty();
    const QString id = found->id;
    const auto onRow = [this, id](void (RegisterScreen::*operation)(int)) {
        // By id: the row the click found may have moved by the time the
        // action runs.
        return [this, id, operation] {
            const int at = rowOfTransaction(id);
            if (at >= 0)
                (this->*operation)(at);
        };
    };
    const auto addRowAction = [&](const QString& text, void (RegisterScreen::*operation)(int),
                                  const QKeySequence& keys = QKeySequence()) {
        QAction* action = add(text, keys);
        action->setEnabled(editable);
        connect(action, &QAction::triggered, this, onRow(operation));
        return action;
    };

    menu->addSeparator();
    addRowAction(tr("Show &Details..."), &RegisterScreen::showTransactionDetails,
                 QKeySequence(QStringLiteral("Alt+Return")));
    addRowAction(found->isSplit ? tr("Edit &Splits...") : tr("&Split Transaction..."), &RegisterScreen::editSplits);
    addRowAction(tr("&Edit in Dialog..."), &RegisterScreen::editTransaction, QKeySequence(QStringLiteral("Ctrl+E")));
    addRowAction(tr("D&uplicate..."), &RegisterScreen::duplicateTransaction);
    // A reconciled transaction stays cleared, as on its Clr cell: clearing
    // the flag alone would leave it reconciled but uncleared.
    QAction* cleared = addRowAction(found->cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"),
                                    &RegisterScreen::toggleCleared);
    cleared->setEnabled(editable && !found->reconciled);
    addRowAction(tr("&Delete"), &RegisterScreen::deleteTransaction, QKeySequence(QStringLiteral("Ctrl+D")));
    return menu;
}

void RegisterScreen::onContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(createRowMenu(view->indexAt(pos)));
    menu->exec(view->viewport()->mapToGlobal(pos));
}

// ---- Keyboard -------------------------------------------------------------

bool RegisterScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != view && watched != view->viewport())
        return QWidget::eventFilter(watched, event);

    if (event->type() == QEvent::ShortcutOverride) {
        // The register's keys win over window shortcuts, except Ctrl+N: the
        // main window's New Transaction keeps it.
        auto* key = static_cast<QKeyEvent*>(event);
        if (isRegisterCommandKey(key) && key->key() != Qt::Key_N) {
            key->accept();
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (handleKey(key)) {
            key->accept();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool RegisterScreen::handleKey(QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool alt = modifiers & Qt::AltModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    const QModelIndex current = view->currentIndex();
    const bool onEntryRow = current.isValid() && model->isEntryRow(current.row());

    if (enter && ctrl) {
        commitCurrentRow();
        return true;
    }
    if (key->key() == Qt::Key_E && ctrl && !shift) {
        if (current.isValid()) {
            if (onEntryRow)
                editNewRowInDialog();
            else
                editTransaction(current.row());
        }
        return true;
    }
    if (enter && alt) {
        if (current.isValid() && !onEntryRow)
            showTransactionDetails(current.row());
        return true;
    }
    if (enter) {
        if (current.isValid() && !currentEditor()) {
            startEditingRow(current.row());
            // Cells without an editor (Clr, Balance, a split row's category
            // and amounts) pass Return on to the next field.
            const QModelIndex cell = model->index(current.row(), current.column());
            if (cell.flags() & Qt::ItemIsEditable) {
                openCell(cell);
                return true;
            }
        }
        advanceToNextField();
        return true;
    }
    if (key->key() == Qt::Key_D && ctrl) {
        deleteCurrentRow();
        return true;
    }
    if (key->key() == Qt::Key_I && ctrl && !shift) {
        insertNew();
        return true;
    }
    if (key->key() == Qt::Key_N && ctrl) {
        newTransactionDialog();
        return true;
    }
    if (key->key() == Qt::Key_M && ctrl) {
        if (current.isValid() && !onEntryRow)
            memorizeTransaction(current.row());
        return true;
    }
    if ((key->key() == Qt::Key_Apostrophe || key->text() == QLatin1String("'")) && !ctrl) {
        if (current.isValid() && current.row() > 0)
            copyFromAbove();
        return true;
    }
    return false;
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    QWidget* focus = QApplication::focusWidget();
    // The register's view, or another register view that hands its moves
    // to this screen.
    bool inView = false;
    for (QWidget* w = focus; w && !inView; w = w->parentWidget()) {
        if (auto* table = qobject_cast<RegisterTableView*>(w))
            inView = table == view || table->screen == this;
    }
    if (!inView)
        return QWidget::focusNextPrevChild(next);

    // Within the two-line payee editor Tab and Backtab move between its
    // payee and memo lines.
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
    }
    if (next)
        tabToNextField();
    else
        tabToPreviousField();
    return true;
}

// ---- Editors and field moves ----------------------------------------------

QWidget* RegisterScreen::currentEditor() const
{
    if (!editorOpen(view))
        return nullptr;
    const QModelIndex current = view->currentIndex();
    return current.isValid() ? view->indexWidget(current) : nullptr;
}

void RegisterScreen::flushEditor()
{
    QWidget* editor = currentEditor();
    if (!editor)
        return;
    // The delegate resolves the category combo's id from its text, so a
    // typed name never keeps the id of the item shown before.
    delegate->setModelData(editor, model, view->currentIndex());
    if (editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
        view->setFocus(Qt::OtherFocusReason);
        emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
}

void RegisterScreen::finishEditing()
{
    flushEditor();
    closeEditorWithoutSaving();
}

void RegisterScreen::openCell(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (view->currentIndex() != index)
        view->setCurrentIndex(index);
    // Editing an uneditable cell, or a second cell while one is open, only
    // makes the view complain.
    if ((index.flags() & Qt::ItemIsEditable) && !editorOpen(view))
        view->edit(index);
}

void RegisterScreen::moveToField(bool forward, bool commitAtEnd)
{
    const QModelIndex current = view->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    const int column = current.column();
    flushEditor();

    const auto visible = [this](int c) { return !view->isColumnHidden(c); };
    int target = -1;
    if (forward) {
        const int from = column >= RegisterModel::BalanceColumn ? 0 : column + 1;
        for (int c = from; c <= RegisterModel::ClearedColumn && target < 0; ++c) {
            if (visible(c))
                target = c;
        }
        if (target < 0) {
            if (commitAtEnd)
                commitCurrentRow();
            return;
        }
    } else {
        if (column >= RegisterModel::BalanceColumn && !commitAtEnd)
            return;
        const int from = column >= RegisterModel::BalanceColumn ? int(RegisterModel::ClearedColumn) : column - 1;
        for (int c = from; c >= 0 && target < 0; --c) {
            if (visible(c))
                target = c;
        }
        if (target < 0)
            return;
    }

    const QModelIndex next = model->index(row, target);
    // Same row: the row-change handler has nothing to do, and the view
    // writes back and closes the editor it leaves.
    view->setCurrentIndex(next);
    view->scrollTo(next);
    openCell(next);
    if (!forward && target == RegisterModel::PayeeColumn) {
        QWidget* editor = currentEditor();
        if (editor && editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
            if (auto* memo = editor->findChild<QWidget*>(QLatin1String(MemoEditName)))
                memo->setFocus(Qt::OtherFocusReason);
        }
    }
}

void RegisterScreen::advanceToNextField()
{
    moveToField(true, true);
}

void RegisterScreen::advanceToPreviousField()
{
    moveToField(false, true);
}

void RegisterScreen::tabToNextField()
{
    moveToField(true, false);
}

void RegisterScreen::tabToPreviousField()
{
    moveToField(false, false);
}

// ---- Rows in the buffers --------------------------------------------------

void RegisterScreen::rememberLoadedBuffers()
{
    loadedBuffers.clear();
    for (int column = 0; column <= RegisterModel::ClearedColumn; ++column)
        loadedBuffers.append(model->editBuffer(column));
    loadedCategoryId = model->categoryIdText;
}

void RegisterScreen::startEditingRow(int row)
{
    if (row < 0 || row >= model->rowCount())
        return;
    const auto repaint = [this](int r) {
        if (r >= 0 && r < model->rowCount())
            emit model->dataChanged(model->index(r, 0), model->index(r, RegisterModel::ColumnCount - 1));
    };

    if (model->isEntryRow(row)) {
        if (model->isEditingTransaction() || model->editingRow >= 0) {
            model->clearEntryRow();
            model->setEditingRow(-1);
            repaint(row);
        }
        loadedBuffers.clear();
        return;
    }
    if (model->isEditingTransaction() && row == model->editingRow)
        return;
    const RegisterRow* found = model->tryEntryAt(row);
    if (!found)
        return;
    const RegisterRow copy = *found;
    const bool entryWasBuffered = !model->isEditingTransaction();
    model->loadRowIntoBuffers(copy, copy.categoryName);
    model->setEditingRow(row);
    rememberLoadedBuffers();
    // The entry row goes blank while another row holds the buffers.
    if (entryWasBuffered)
        repaint(model->entryRowIndex());
}

void RegisterScreen::onCurrentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    if (!current.isValid())
        return;
    if (previous.isValid() && previous.row() == current.row())
        return;
    startEditingRow(current.row());
}

void RegisterScreen::onClicked(const QModelIndex& index)
{
    if (!index.isValid())
        return;
    if (index.column() == RegisterModel::ClearedColumn) {
        toggleCleared(index.row());
        return;
    }
    startEditingRow(index.row());
    if (index.column() == RegisterModel::BalanceColumn)
        return;
    // Split rows' category and amounts are not editable; openCell skips them.
    openCell(index);
}

void RegisterScreen::onDoubleClicked(const QModelIndex& index)
{
    if (!index.isValid() || model->isEntryRow(index.row()))
        return;
    const RegisterRow* row = model->tryEntryAt(index.row());
    if (row && row->isSplit)
        editTransaction(index.row());
}

// ---- Commit ---------------------------------------------------------------

qint64 RegisterScreen::bufferAmount(bool* entered) const
{
    const QString payment = model->paymentText.trimmed();
    const QString deposit = model->depositText.trimmed();
    if (entered)
        *entered = !payment.isEmpty() || !deposit.isEmpty();
    if (!payment.isEmpty())
        return negated(parseEntryAmount(payment));
    if (!deposit.isEmpty())
        return parseEntryAmount(deposit);
    return 0;
}

QDate RegisterScreen::bufferDate() const
{
    const QDate date = QDate::fromString(model->dateText.trimmed(), kDateFormat);
    return date.isValid() ? date : QDate::currentDate();
}

QString RegisterScreen::resolveBufferCategory() const
{
    if (!model->categoryIdText.isEmpty())
        return model->categoryIdText;
    const QString text = model->categoryText.trimmed();
    CategoryRepository* categories = appState->categoryRepository();
    if (text.isEmpty() || !categories)
        return QString();
    if (const std::optional<Category> category = categories->findByName(text))
        return category->id;
    // A path typed or copied as "Parent > Child" names the child.
    const qsizetype separator = text.indexOf(QLatin1String(" > "));
    if (separator >= 0) {
        if (const std::optional<Category> category = categories->findByName(text.mid(separator + 3).trimmed()))
            return category->id;
    }
    return QString();
}

void RegisterScreen::refuseCommit(const QString& text, int row, int column)
{
    if (!text.isEmpty())
        showStatus(text, 3000);
    // Back on the field to correct, so the keyboard can go on at once; the
    // row's buffers stay as typed.
    if (row < 0 || row >= model->rowCount())
        return;
    if (view->isColumnHidden(column))
        column = RegisterModel::DateColumn;
    view->setFocus(Qt::OtherFocusReason);
    openCell(model->index(row, column));
}

void RegisterScreen::commitCurrentRow()
{
    if (accountId.isEmpty() || !model->showEntryRow)
        return;
    const bool isNew = !model->isEditingTransaction();
    // The opening-balance row is made from the account's starting balance;
    // there is nothing stored to change.
    if (!isNew && model->editingTransactionId().isEmpty())
        return;

    // 1. The open editor into the buffers, then no current cell (which
    // closes the editor).
    flushEditor();
    view->setCurrentIndex(QModelIndex());
    closeEditorWithoutSaving();
    const int bufferedRow = isNew ? model->entryRowIndex() : model->editingRow;

    // 2. Payee.
    const QString payee = model->payeeText.trimmed();
    if (payee.isEmpty()) {
        refuseCommit(tr("Payee is required"), bufferedRow, RegisterModel::PayeeColumn);
        return;
    }
    // 3. Amount: a payment wins over a deposit.
    bool entered = false;
    const qint64 amount = bufferAmount(&entered);
    if (!entered) {
        refuseCommit(tr("Enter a payment or deposit amount"), bufferedRow, RegisterModel::PaymentColumn);
        return;
    }
    // 4. to 6.
    const QDate date = bufferDate();
    const QString categoryId = resolveBufferCategory();
    const QString clr = model->clearedText.trimmed().toUpper();
    const bool reconciled = clr == QLatin1String("R");
    const bool cleared = reconciled || clr == QLatin1String("C");

    // 8. Transfers.
    QString resolvedPayee = payee;
    QString targetAccountId;
    switch (TransactionActions::resolveTransfer(appState, accountId, resolvedPayee, targetAccountId)) {
    case TransferCheck::AccountNotFound:
        refuseCommit(tr("Transfer account not found"), bufferedRow, RegisterModel::PayeeColumn);
        return;
    case TransferCheck::CurrencyMismatch:
        emit errorMessage(tr("Transfers require both accounts to use the same currency"));
        refuseCommit(QString(), bufferedRow, RegisterModel::PayeeColumn);
        return;
    case TransferCheck::NotTransfer:
    case TransferCheck::Ok:
        break;
    }

    const QDateTime now = QDateTime::currentDateTimeUtc();
    TransactionRepository* transactions = appState->transactionRepository();

    if (isNew) {
        // 9. A new transaction; a transfer's other side is written with it
        // as one unit.
        Transaction created;
        created.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        created.accountId = accountId;
        created.date = date;
        created.payee = resolvedPayee;
        created.checkNumber = model->checkNumberText.trimmed();
        created.memo = model->memoText.trimmed();
        created.amount = amount;
        created.categoryId = categoryId;
        created.cleared = cleared;
        created.reconciled = reconciled;
        created.createdAt = now;
        created.updatedAt = now;
        std::optional<Transaction> counterpart;
        if (!targetAccountId.isEmpty())
            counterpart = TransactionActions::makeTransferCounterpart(appState, created, targetAccountId);
        if (!TransactionActions::insertTransaction(appState, created, counterpart ? &*counterpart : nullptr, {})) {
            emit errorMessage(tr("The transaction could not be saved."));
            refuseCommit(QString(), bufferedRow, RegisterModel::DateColumn);
            return;
        }
        if (filter.isActive() && !filter.matches(created))
            showStatus(tr("Saved. It isn't listed because of the current filter."), 4000);
        model->lastEntryDate = date.toString(kDateFormat);
        reload();
        focusEntryRow();
        return;
    }

    // 10. A changed transaction: the stored row, re-read, takes only the
    // fields the user changed, so a change pulled by sync meanwhile to
    // another field is kept.
    const QString id = model->editingTransactionId();
    const std::optional<Transaction> stored = transactions ? transactions->findById(id) : std::nullopt;
    if (!stored || stored->deletedAt) {
        showStatus(tr("This transaction no longer exists."), 5000);
        reload();
        return;
    }
    const auto changed = [this](int column) {
        const QString loaded = column < loadedBuffers.size() ? loadedBuffers.at(column) : QString();
        return model->editBuffer(column).trimmed() != loaded.trimmed();
    };
    Transaction updated = *stored;
    if (changed(RegisterModel::DateColumn))
        updated.date = date;
    if (changed(RegisterModel::CheckNumberColumn))
        updated.checkNumber = model->checkNumberText.trimmed();
    if (changed(RegisterModel::PayeeColumn))
        updated.payee = resolvedPayee;
    if (changed(RegisterModel::CategoryColumn) || model->categoryIdText != loadedCategoryId)
        updated.categoryId = categoryId;
    if (changed(RegisterModel::MemoColumn))
        updated.memo = model->memoText.trimmed();
    if (changed(RegisterModel::PaymentColumn) || changed(RegisterModel::DepositColumn))
        updated.amount = amount;
    if (changed(RegisterModel::ClearedColumn)) {
        updated.cleared = cleared;
        updated.reconciled = reconciled;
    }
    updated.version = stored->version + 1;
    updated.updatedAt = now;
    updated.syncStatus = SyncStatus::Pending;
    if (!transactions->update(updated)) {
        emit errorMessage(tr("The transaction could not be saved."));
        refuseCommit(QString(), bufferedRow, RegisterModel::DateColumn);
        return;
    }
    const int nextRow = bufferedRow + 1;
    loadedBuffers.clear();
    reload();
    if (nextRow >= 0 && nextRow < model->rowCount())
        view->setCurrentIndex(model->index(nextRow, RegisterModel::DateColumn));
}

// ---- Row commands -----------------------------------------------------------

const RegisterRow* RegisterScreen::transactionRow(int row) const
{
    if (row < 0 || row >= model->rowCount() || model->isEntryRow(row))
        return nullptr;
    const RegisterRow* found = model->tryEntryAt(row);
    if (!found || found->id.isEmpty())
        return nullptr;
    return found;
}

void RegisterScreen::deleteCurrentRow()
{
    const QModelIndex current = view->currentIndex();
    if (!current.isValid())
        return;
    const int row = current.row();
    if (!model->isEntryRow(row)) {
        deleteTransaction(row);
        return;
    }
    closeEditorWithoutSaving();
    if (model->isEditingTransaction())
        model->setEditingRow(-1);
    model->clearEntryRow();
    loadedBuffers.clear();
    emit model->dataChanged(model->index(row, 0), model->index(row, RegisterModel::ColumnCount - 1));
    openCell(model->index(row, RegisterModel::DateColumn));
    showStatus(tr("Fields cleared"), 3000);
}

void RegisterScreen::deleteTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::confirmDelete(appState, transaction, this))
        reload();
}

void RegisterScreen::duplicateTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::duplicate(appState, transaction, this)) {
        reload();
        focusEntryRow();
    }
}

void RegisterScreen::editTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::edit(appState, transaction, this))
        reload();
}

void RegisterScreen::showTransactionDetails(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    TransactionActions::showDetails(appState, transaction, this);
    reload();
}

void RegisterScreen::editSplits(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    const Transaction transaction = *found;
    closeEditorWithoutSaving();
    if (TransactionActions::editSplits(appState, transaction, this))
        reload();
}

void RegisterScreen::memorizeTransaction(int row)
{
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    if (!found->date.isValid() || found->date.year() < 2000) {
        showStatus(tr("Cannot memorize: source transaction has an invalid date"), 5000);
        return;
    }
    RecurringTransaction seed;
    seed.accountId = found->accountId;
    seed.payee = found->payee;
    seed.memo = found->memo;
    seed.amount = found->amount;
    seed.categoryId = found->categoryId;
    seed.transferDestAccountId = found->transferDestAccountId;
    seed.frequency = RecurringFrequency::Monthly;
    seed.startDate = found->date;
    seed.nextDueDate = found->date;
    seed.isActive = true;
    finishEditing();

    RecurringFormDialog* dialog = RecurringFormDialog::createFromSeed(appState, seed, this);
    if (MessageBoxes::exec(dialog) == QDialog::Accepted) {
        RecurringTransaction recurring = dialog->recurring();
        recurring.updatedAt = recurring.createdAt;
        RecurringRepository* repository = appState->recurringRepository();
        if (repository && repository->insert(recurring))
            showStatus(tr("Transaction memorized as recurring"), 3000);
        else
            emit errorMessage(tr("The recurring transaction could not be saved."));
    }
    dialog->deleteLater();
}

void RegisterScreen::toggleCleared(int row)
{
    if (row < 0 || row >= model->rowCount())
        return;
    if (model->isEntryRow(row)) {
        // Only while the entry row holds the buffers; otherwise they belong
        // to the transaction being edited.
        if (!model->isBufferedEntryRow(row))
            return;
        const bool isCleared = model->clearedText.trimmed().toUpper() == QLatin1String("C");
        model->clearedText = isCleared ? QString() : QStringLiteral("C");
        emit model->dataChanged(model->index(row, 0), model->index(row, RegisterModel::ColumnCount - 1));
        view->viewport()->update();
        return;
    }
    const RegisterRow* found = transactionRow(row);
    if (!found)
        return;
    Transaction transaction = *found;
    // Flip the stored row, so a change pulled since is not written over.
    if (const std::optional<Transaction> stored = appState->transactionRepository()->findById(transaction.id)) {
        if (!stored->deletedAt)
            transaction = *stored;
    }
    closeEditorWithoutSaving();
    if (TransactionActions::toggleCleared(appState, transaction, this))
        reload();
}

void RegisterScreen::copyFromAbove()
{
    const QModelIndex current = view->currentIndex();
    if (!current.isValid() || current.row() <= 0)
        return;
    const int row = current.row();
    const int column = current.column();
    // The buffers belong to one row; write them only for that row, and not
    // into cells the row does not let the user edit (a split's amounts).
    const bool buffered = model->isBufferedEntryRow(row) || (model->isEditingTransaction() && model->editingRow == row);
    if (!buffered || column > RegisterModel::ClearedColumn)
        return;
    if (column != RegisterModel::ClearedColumn && !(current.flags() & Qt::ItemIsEditable))
        return;
    // Above the first transaction of a newest-first register sits the entry
    // row, blank while another row is edited: nothing to copy.
    if (model->isEntryRow(row - 1))
        return;

    const QModelIndex above = model->index(row - 1, column);
    const RegisterRow* aboveRow = model->tryEntryAt(row - 1);
    // A split row's category shows as "—Split—"; its stored path (empty)
    // is what can be copied.
    const QString text = column == RegisterModel::CategoryColumn ? above.data(Qt::EditRole).toString()
                                                                  : above.data(Qt::DisplayRole).toString();
    model->setData(current, text, Qt::EditRole);
    // The id goes with the name, so the row never shows one category and
    // stores another.
    if (column == RegisterModel::CategoryColumn)
        model->categoryIdText = aboveRow ? aboveRow->categoryId : QString();

    if (QWidget* editor = currentEditor()) {
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            const int item = aboveRow ? combo->findData(aboveRow->categoryId, Qt::UserRole) : -1;
            if (item > 0)
                combo->setCurrentIndex(item);
            else
                combo->setCurrentText(text);
        } else if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
            edit->setText(text);
        } else if (auto* payee = editor->findChild<QLineEdit*>(QLatin1String(PayeeEditName))) {
            payee->setText(text);
        }
    }
}

void RegisterScreen::insertNew()
{
    if (accountId.isEmpty() || !model->showEntryRow)
        return;
    closeEditorWithoutSaving();
    model->clearEntryRow();
    model->setEditingRow(-1);
    loadedBuffers.clear();
    const int entryRow = model->entryRowIndex();
    const QModelIndex cell = model->index(entryRow, RegisterModel::DateColumn);
    emit model->dataChanged(cell, model->index(entryRow, RegisterModel::ColumnCount - 1));
    view->scrollTo(cell, QAbstractItemView::EnsureVisible);
    view->setFocus(Qt::ShortcutFocusReason);
    openCell(cell);
}

// ---- Dialogs for new transactions ------------------------------------------

Transaction RegisterScreen::transactionFromEntryRow() const
{
    Transaction t;
    t.accountId = accountId;
    t.date = bufferDate();
    t.payee = model->payeeText.trimmed();
    t.memo = model->memoText;
    t.checkNumber = model->checkNumberText.trimmed();
    t.amount = bufferAmount(nullptr);
    t.categoryId = model->categoryIdText;
    return t;
}

void RegisterScreen::newTransactionDialog()
{
    presentNewTransactionDialog(nullptr, false);
}

void RegisterScreen::editNewRowInDialog()
{
    if (accountId.isEmpty())
        return;
    flushEditor();
    const Transaction seed = transactionFromEntryRow();
    presentNewTransactionDialog(&seed, true);
}

void RegisterScreen::presentNewTransactionDialog(const Transaction* seed, bool seedFromInlineRow)
{
    if (accountId.isEmpty())
        return;
    finishEditing();
    if (!TransactionActions::addTransaction(appState, accountId, seed, this))
        return;
    if (seedFromInlineRow)
        model->clearEntryRow();
    reload();
    focusEntryRow();
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
    if (!index.isValid() || !model->isBufferedEntryRow(index.row()))
        return;
    TransactionRepository* transactions = appState->transactionRepository();
    if (!transactions)
        return;
    const std::optional<Transaction> last = transactions->findLastByPayee(payee, accountId);
    if (!last)
        return;

    if (last->amount < 0) {
        model->paymentText = formatAmountPlain(negated(last->amount), CurrencyCode::USD);
        model->depositText.clear();
    } else {
        model->paymentText.clear();
        model->depositText = formatAmountPlain(last->amount, CurrencyCode::USD);
    }
    if (!last->categoryId.isEmpty() && appState->categoryRepository()) {
        if (const std::optional<Category> category = appState->categoryRepository()->findById(last->categoryId)) {
            model->categoryText = category->name;
            model->categoryIdText = category->id;
        }
    }
    if (!last->memo.isEmpty()) {
        model->memoText = last->memo;
        QWidget* editor = view->indexWidget(index);
        if (editor && editor->objectName() == QLatin1String(PayeeMemoEditorName)) {
            if (auto* memo = editor->findChild<QLineEdit*>(QLatin1String(MemoEditName)))
                memo->setText(last->memo);
        }
    }
    const int row = index.row();
    emit model->dataChanged(model->index(row, 0), model->index(row, RegisterModel::ColumnCount - 1));
}

