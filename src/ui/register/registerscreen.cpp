#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/accountrepository.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/transactionrepository.h"
#include "sync/syncengine.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registereditors.h"
#include "ui/register/registerfilterdialog.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen_p.h"
#include "ui/register/registertableview.h"
#include "ui/style.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

// The screen itself: its widgets, the account and its totals, the filter,
// the status line and the keys. The entry row is in registerentry.cpp, its
// commits in registercommit.cpp, the column layout and the menus in
// registerlayout.cpp.

using namespace RegisterScreenPrivate;

namespace {

const char* const kDimmed = "#6E8A7E";
const char* const kHint = "#5A7A6E";

QString colorStyle(const char* color)
{
    return QStringLiteral("color: %1;").arg(QLatin1String(color));
}

// The balance label keeps its sign here so a theme switch can recolour it.
const char kNegativeKey[] = "negativeBalance";

void colourBalance(QLabel* label)
{
    const QColor color = label->property(kNegativeKey).toBool() ? negativeColor() : positiveColor();
    label->setStyleSheet(QStringLiteral("color: %1;").arg(color.name().toUpper()));
}

const QString kTwoLineKey = QStringLiteral("registerTwoLine");

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
    followTheme(balanceLabel, [label = balanceLabel] { colourBalance(label); });

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

    m_model = new RegisterModel(this);
    // No account yet: nothing may be typed.
    m_model->setShowEntryRow(false);
    // The delegate finds the screen through its parent for the payee
    // completion.
    m_delegate = new RegisterDelegate(appState, this);
    m_view = new RegisterTableView(this);
    m_view->screen = this;
    m_view->setModel(m_model);
    m_view->setItemDelegate(m_delegate);
    m_view->setAlternatingRowColors(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectItems);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->setTabKeyNavigation(false);
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->verticalHeader()->setVisible(false);
    m_view->setShowGrid(false);
    // One line per cell, elided, as a register reads; two-line mode draws
    // its own second line.
    m_view->setWordWrap(false);
    m_view->verticalHeader()->setDefaultSectionSize(kOneLineRowHeight);
    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    m_view->horizontalHeader()->setContextMenuPolicy(Qt::CustomContextMenu);
    // Typing on a cell opens its editor with the typed key (see the view).
    m_view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                            | QAbstractItemView::AnyKeyPressed);
    QHeaderView* columns = m_view->horizontalHeader();
    columns->setSectionResizeMode(QHeaderView::Interactive);
    // Payee takes the width the other columns leave: the money columns stay
    // in view in a small window, and a wide one leaves no empty strip. The
    // other columns keep the widths the user gave them.
    columns->setSectionResizeMode(RegisterModel::PayeeColumn, QHeaderView::Stretch);
    columns->setStretchLastSection(false);
    columns->setMinimumSectionSize(kMinimumSectionSize);
    m_view->setSortingEnabled(true);
    columns->setSortIndicatorShown(true);
    m_view->installEventFilter(this);
    m_view->viewport()->installEventFilter(this);

    connect(columns, &QWidget::customContextMenuRequested, this, &RegisterScreen::showHeaderContextMenu);
    connect(columns, &QHeaderView::sectionResized, this, &RegisterScreen::saveColumnWidth);
    connect(m_model, &RegisterModel::sortChanged, this, &RegisterScreen::saveSortState);
    restoreColumnLayout();
    connect(appState->preferences(), &PreferencesRepository::changed, this, &RegisterScreen::onPreferenceChanged);
    connect(m_view, &QWidget::customContextMenuRequested, this, &RegisterScreen::onContextMenu);
    // Connected after the view's own connection, so a Tab move has opened
    // the next editor before this looks whether one is open.
    connect(m_delegate, &QAbstractItemDelegate::closeEditor, this, [this] {
        if (m_reloadPending)
            QTimer::singleShot(0, this, &RegisterScreen::runPendingReload);
    });
    // A sort resets the model, which closes the open editor and forgets the
    // current cell; a pressed header first writes the editor back, and the
    // sort then puts the current cell back on the row being typed, so the
    // edit goes on there instead of the view picking its first cell.
    connect(columns, &QHeaderView::sectionPressed, this, [this] { flushEditor(); });
    connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
        const QModelIndex current = m_view->currentIndex();
        m_placeBeforeReset = {};
        if (!current.isValid())
            return;
        m_placeBeforeReset.valid = true;
        m_placeBeforeReset.column = current.column();
        m_placeBeforeReset.entryRow = m_model->isEntryRow(current.row());
        if (const RegisterRow* row = m_model->tryEntryAt(current.row()))
            m_placeBeforeReset.transactionId = row->id;
    });
    connect(m_model, &RegisterModel::sortChanged, this, [this] {
        if (!m_placeBeforeReset.valid || m_view->currentIndex().isValid())
            return;
        const int row = m_placeBeforeReset.entryRow ? m_model->entryRowIndex()
                                                  : rowOfTransaction(m_placeBeforeReset.transactionId);
        if (row < 0)
            return;
        const QModelIndex cell = m_model->index(row, m_placeBeforeReset.column);
        m_view->setCurrentIndex(cell);
        m_view->scrollTo(cell);
    });
    connect(m_view, &QAbstractItemView::clicked, this, &RegisterScreen::onClicked);
    connect(m_view, &QAbstractItemView::doubleClicked, this, &RegisterScreen::onDoubleClicked);
    // After the view's own connection: the view has written back and closed
    // the previous row's editor before the buffers change rows.
    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this, &RegisterScreen::onCurrentChanged);
    layout->addWidget(m_view, 1);

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
    // A long translation at a large font wraps instead of setting the
    // window's least width.
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bottom->addWidget(hint, 1);
    layout->addLayout(bottom);

    setAccountControlsEnabled(false);
}

void RegisterScreen::setAccountControlsEnabled(bool enabled)
{
    filterButton->setEnabled(enabled);
    reconcileButton->setEnabled(enabled);
}

void RegisterScreen::setAccount(const QString& id)
{
    abandonEditing();
    // Nothing typed for one account may turn up in another's entry row.
    m_model->clearEntryRow();
    accountId = id;
    m_delegate->accountId = id;
    filter = RegisterFilter::fromJson(appState->preferences()->valueOr(RegisterFilter::preferenceKey(id), QString()));
    updateFilterButton();
    reload();
    focusEntryRow();
}

void RegisterScreen::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    m_model->followRenamedIds(table, renamed);
    if (table == QLatin1String("accounts")) {
        // No editor holds the account's id: one that is open stays.
        accountId = renamed.value(accountId, accountId);
        m_delegate->accountId = accountId;
    } else if (table == QLatin1String("categories")) {
        // An open category editor offers the old ids: its text goes into
        // the buffers first, whose ids then follow.
        finishEditing();
        const auto follow = [&renamed](const QString& id) { return renamed.value(id, id); };
        filter.categoryId = follow(filter.categoryId);
        m_model->setCategoryId(follow(m_model->categoryIdText));
        m_loadedCategoryId = follow(m_loadedCategoryId);
    }
}

void RegisterScreen::runPendingReload()
{
    if (m_reloadPending && !editorOpen(m_view))
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
    m_model->setEntries({});
    m_model->setShowEntryRow(false);
    setAccountControlsEnabled(false);
}

void RegisterScreen::reload()
{
    if (accountId.isEmpty())
        return;
    const std::optional<Account> account = appState->accountRepository()->findById(accountId);
    // A soft-deleted account (a deletion pulled by sync among them) counts
    // as gone: its register must not stay open for entries, not even in an
    // open editor, and what was typed there is said to be lost.
    const bool accountGone = !account || account->deletedAt.has_value();
    if (editorOpen(m_view) && !accountGone) {
        m_reloadPending = true;
        return;
    }
    m_reloadPending = false;
    if (accountGone) {
        if (hasUnsavedEntry())
            emit errorMessage(tr("This account no longer exists. Nothing was saved."));
        abandonEditing();
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
    const QModelIndex top = m_view->indexAt(QPoint(0, 0));
    const int topRow = top.isValid() ? top.row() : -1;
    QString topId;
    if (const RegisterRow* row = top.isValid() ? m_model->tryEntryAt(topRow) : nullptr)
        topId = row->id;
    const QModelIndex current = m_view->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    const int currentColumn = current.isValid() ? current.column() : 0;
    // The entry row moves with the rows around it; it is found again as such.
    const bool currentOnEntryRow = current.isValid() && m_model->isEntryRow(currentRow);
    QString currentId;
    if (const RegisterRow* row = current.isValid() ? m_model->tryEntryAt(currentRow) : nullptr)
        currentId = row->id;

    QList<RegisterRow> rows = appState->transactionRepository()->findRegisterRows(accountId);
    // What was typed into a row deleted meanwhile stays, as when its commit
    // is refused: the user is told, and decides.
    const std::optional<RegisterRow> gone = goneEditedRow(rows);

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
    if (gone) {
        rows.append(*gone);
        // Moved by another device, it can still be saved where it went.
        const std::optional<Transaction> moved = appState->transactionRepository()->findById(gone->id);
        showStatus(moved && !moved->deletedAt
                       ? tr("This transaction was moved to another account. Saving keeps your changes there.")
                       : tr("This transaction no longer exists. Nothing was saved."),
                   3000);
    }

    PreferencesRepository* preferences = appState->preferences();
    setTwoLineMode(preferences->boolValue(kTwoLineKey, false));
    hideColumn(RegisterModel::BalanceColumn, !preferences->boolValue(kShowBalanceKey, true));

    m_model->setShowEntryRow(true);
    const TypedEdit typed = typedEdit();
    // Handed over: a model that takes the list by rvalue sorts it in place
    // instead of copying all rows first.
    m_model->setEntries(std::move(rows));
    rows = {};
    restoreTypedEdit(typed);
    setAccountControlsEnabled(true);

    const CurrencyCode currency = account->currency;
    clearedLabel->setText(formatDisplayAmount(cleared, currency));
    unclearedLabel->setText(formatDisplayAmount(uncleared, currency));
    balanceLabel->setText(formatDisplayAmount(balance, currency));
    balanceLabel->setProperty(kNegativeKey, balance < 0);
    colourBalance(balanceLabel);

    // Scroll positions need the new row count laid out.
    m_view->doItemsLayout();
    const int lastRow = m_model->rowCount() - 1;
    int r = currentOnEntryRow ? m_model->entryRowIndex() : rowOfTransaction(currentId);
    if (r < 0 && currentRow >= 0)
        r = std::min(currentRow, lastRow);
    if (r >= 0)
        m_view->setCurrentIndex(m_model->index(r, currentColumn));
    int t = rowOfTransaction(topId);
    if (t < 0 && topRow >= 0)
        t = std::min(topRow, lastRow);
    if (t >= 0)
        m_view->scrollTo(m_model->index(t, 0), QAbstractItemView::PositionAtTop);
    if (r >= 0)
        m_view->scrollTo(m_model->index(r, currentColumn), QAbstractItemView::EnsureVisible);
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
    const QList<RegisterRow>& rows = m_model->rows;
    for (qsizetype i = 0; i < rows.size(); ++i) {
        if (rows.at(i).id == transactionId)
            return m_model->viewRowForDataRow(int(i));
    }
    return -1;
}

void RegisterScreen::focusEntryRow()
{
    const int entryRow = m_model->entryRowIndex();
    if (m_model->rowCount() == 0 || entryRow < 0)
        return;
    if (m_model->sortColumn == RegisterModel::DateColumn && m_model->sortOrder == Qt::DescendingOrder)
        m_view->scrollToTop();
    else
        m_view->scrollToBottom();
    m_view->setCurrentIndex(m_model->index(entryRow, RegisterModel::DateColumn));
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
    // The filter is the account's the form was opened on. A sync repair may
    // rename it, or the chosen category, while the form is open.
    QString openedOn = accountId;
    if (SyncEngine* engine = appState->syncEngine()) {
        connect(engine, &SyncEngine::idsRenamed, &dialog, &RegisterFilterDialog::followRenamedIds);
        connect(engine, &SyncEngine::idsRenamed, &dialog,
                [&openedOn](const QString& table, const QHash<QString, QString>& renamed) {
                    if (table == QLatin1String("accounts"))
                        openedOn = renamed.value(openedOn, openedOn);
                });
    }
    if (MessageBoxes::exec(&dialog) != QDialog::Accepted)
        return;
    // Deleted meanwhile (the page has moved on): nothing is stored.
    const std::optional<Account> account = appState->accountRepository()->findById(openedOn);
    if (openedOn != accountId || !account || account->deletedAt)
        return;

    filter = dialog.filter();
    PreferencesRepository* preferences = appState->preferences();
    const QString key = RegisterFilter::preferenceKey(accountId);
    const bool stored = filter.isActive() ? preferences->setValue(key, filter.toJson()) : preferences->remove(key);
    updateFilterButton();
    reload();
    // The filter applies now either way; only keeping it failed.
    if (!stored)
        showStatus(tr("The filter could not be saved for next time."), 5000);
}

void RegisterScreen::onPreferenceChanged(const QString& key)
{
    if (key != kNewestFirstKey)
        return;
    const bool newestFirst = appState->preferences()->boolValue(kNewestFirstKey, false);
    m_view->sortByColumn(RegisterModel::DateColumn, newestFirst ? Qt::DescendingOrder : Qt::AscendingOrder);
}

// ---- Keyboard -------------------------------------------------------------

bool RegisterScreen::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_view && watched != m_view->viewport())
        return QWidget::eventFilter(watched, event);
    if (watched == m_view->viewport() && event->type() == QEvent::Resize)
        fitDefaultColumnWidths();

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
    const QModelIndex current = m_view->currentIndex();
    const bool onEntryRow = current.isValid() && m_model->isEntryRow(current.row());

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
            const QModelIndex cell = m_model->index(current.row(), current.column());
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
            inView = table == m_view || table->screen == this;
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
