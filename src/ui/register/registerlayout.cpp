#include "ui/register/registerscreen.h"

#include "app/appstate.h"
#include "data/preferencesrepository.h"
#include "ui/register/registerdelegate.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen_p.h"
#include "ui/register/registertableview.h"
#include "ui/style.h"

#include <QHeaderView>
#include <QKeySequence>
#include <QMenu>
#include <QFontMetrics>
#include <QScrollBar>
#include <QSettings>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>

// The register's column layout, kept in the settings store, and its header
// and row menus.

using namespace RegisterScreenPrivate;

namespace {

// Column widths before the font scale, Date to Balance.
constexpr int kDefaultWidths[RegisterModel::ColumnCount] = {130, 60, 250, 180, 180, 100, 100, 35, 110};

QString widthKey(int column)
{
    return QStringLiteral("register/colWidth/%1").arg(column);
}

QString hiddenKey(int column)
{
    return QStringLiteral("register/colHidden/%1").arg(column);
}

// In a window too narrow for the default widths, the columns the user has
// not sized give way, down to these widths in characters of the register's
// font, until Payee (which takes what is left) has its minimum: the money
// columns and the payee stay readable at every font size.
constexpr int kPayeeMinimumCharacters = 20;
constexpr int kPayeeMinimumWidth = 180;
struct Shrinkable
{
    int column;
    int characters;
};
constexpr Shrinkable kShrinkable[] = {{RegisterModel::CategoryColumn, 4}, {RegisterModel::MemoColumn, 3},
                                      {RegisterModel::DateColumn, 10},    {RegisterModel::CheckNumberColumn, 4},
                                      {RegisterModel::PaymentColumn, 8},  {RegisterModel::DepositColumn, 8},
                                      {RegisterModel::BalanceColumn, 9}};

int scaled(int width)
{
    const int scale = fontScalePercent();
    return scale > 100 ? width * scale / 100 : width;
}

// The width the user gave the column, when it is usable. One that is not a
// number, or narrower than a section may be (such as the 0 Qt reports for a
// hidden column), would make the column vanish and counts as none.
std::optional<int> storedWidth(const QSettings& settings, const QHeaderView* columns, int column)
{
    bool ok = false;
    const int stored = settings.value(widthKey(column)).toInt(&ok);
    if (ok && stored >= kMinimumSectionSize && stored <= columns->maximumSectionSize())
        return stored;
    return std::nullopt;
}

const QString kSortColumnKey = QStringLiteral("register/sortColumn");
const QString kSortOrderKey = QStringLiteral("register/sortOrder");

} // namespace

void RegisterScreen::restoreColumnLayout()
{
    restoringLayout = true;
    QSettings settings;
    QHeaderView* columns = m_view->horizontalHeader();
    for (int column = 0; column < RegisterModel::ColumnCount; ++column)
        columns->resizeSection(column, storedWidth(settings, columns, column).value_or(scaled(kDefaultWidths[column])));

    const bool showBalance = appState->preferences()->boolValue(kShowBalanceKey, true);
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        bool hidden = settings.value(hiddenKey(column), false).toBool();
        if (column == RegisterModel::DateColumn)
            hidden = false;
        else if (column == RegisterModel::BalanceColumn)
            hidden = !showBalance;
        hideColumn(column, hidden);
    }
    restoringLayout = false;
    fitDefaultColumnWidths();

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
    m_view->sortByColumn(sortColumn, order);
}

int RegisterScreen::widthOfCharacters(int characters) const
{
    // The cell pads both sides.
    const QFontMetrics metrics = m_view->fontMetrics();
    return metrics.averageCharWidth() * (characters + 2);
}

void RegisterScreen::fitDefaultColumnWidths()
{
    QSettings settings;
    QHeaderView* columns = m_view->horizontalHeader();
    struct Flexible
    {
        int column;
        int full;
        int least;
    };
    QList<Flexible> flexible;
    int taken = 0;
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        if (column == RegisterModel::PayeeColumn || columns->isSectionHidden(column))
            continue;
        const auto shrinkable = std::find_if(std::begin(kShrinkable), std::end(kShrinkable),
                                             [column](const Shrinkable& s) { return s.column == column; });
        if (shrinkable != std::end(kShrinkable) && !storedWidth(settings, columns, column)) {
            const int full = scaled(kDefaultWidths[column]);
            flexible.append({column, full, std::min(full, widthOfCharacters(shrinkable->characters))});
        } else {
            taken += columns->sectionSize(column);
        }
    }
    // The window cannot be made narrower than the least widths: the money
    // columns stay in view at its minimum size.
    const int payeeLeast = std::max(kPayeeMinimumWidth, widthOfCharacters(kPayeeMinimumCharacters));
    int least = taken + payeeLeast;
    for (const Flexible& f : std::as_const(flexible))
        least += f.least;
    m_view->setMinimumWidth(least + 2 * m_view->frameWidth() + m_view->verticalScrollBar()->sizeHint().width());
    if (flexible.isEmpty())
        return;

    int fullSum = 0;
    int leastSum = 0;
    for (const Flexible& f : std::as_const(flexible)) {
        fullSum += f.full;
        leastSum += f.least;
    }
    // What the flexible columns may have, shared in proportion to how far
    // each can give way.
    const int room = std::clamp(m_view->viewport()->width() - taken - payeeLeast, leastSum, fullSum);
    const int giveWay = fullSum - room;
    const int canGive = fullSum - leastSum;
    restoringLayout = true;
    // Running totals, so the shares add up to exactly what must be given.
    int couldGive = 0;
    int given = 0;
    for (const Flexible& f : std::as_const(flexible)) {
        couldGive += f.full - f.least;
        const int share = canGive > 0 ? couldGive * giveWay / canGive - given : 0;
        given += share;
        const int width = f.full - share;
        if (columns->sectionSize(f.column) != width)
            columns->resizeSection(f.column, width);
    }
    restoringLayout = false;
}

void RegisterScreen::setTwoLineMode(bool on)
{
    m_delegate->twoLineMode = on;
    bool memoHidden = on;
    if (!on)
        memoHidden = QSettings().value(hiddenKey(RegisterModel::MemoColumn), false).toBool();
    hideColumn(RegisterModel::MemoColumn, memoHidden);
    m_model->twoLineMode = on;
    emit m_model->headerDataChanged(Qt::Horizontal, RegisterModel::PayeeColumn, RegisterModel::PayeeColumn);
    m_view->verticalHeader()->setDefaultSectionSize(on ? kTwoLineRowHeight : kOneLineRowHeight);
    m_view->viewport()->update();
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
    // back invisible. The stretched Payee column follows the window, not
    // the user.
    QHeaderView* columns = m_view->horizontalHeader();
    if (restoringLayout || newSize <= 0 || columns->isSectionHidden(column)
        || columns->sectionResizeMode(column) == QHeaderView::Stretch)
        return;
    QSettings().setValue(widthKey(column), newSize);
}

void RegisterScreen::hideColumn(int column, bool hide)
{
    // An editor in a column being hidden is hidden with it but stays open:
    // the view would stay in its editing state for good. It is written back
    // and closed first.
    if (hide && !m_view->isColumnHidden(column) && currentEditor() && m_view->currentIndex().column() == column)
        finishEditing();
    m_view->setColumnHidden(column, hide);
    if (!restoringLayout)
        fitDefaultColumnWidths();
}

void RegisterScreen::resetColumnLayout()
{
    // The sort below drops any open editor; what it holds is kept.
    finishEditing();
    QSettings().remove(QStringLiteral("register"));
    restoreColumnLayout();
    // The defaults show Memo, which two-line mode draws inside the Payee
    // cell instead.
    setTwoLineMode(m_model->twoLineMode);
}

QMenu* RegisterScreen::createHeaderMenu()
{
    auto* menu = new QMenu(this);
    menu->addSection(tr("Show columns"));
    for (int column = 0; column < RegisterModel::ColumnCount; ++column) {
        QString title = m_model->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        QAction* action = menu->addAction(title.replace(QLatin1Char('&'), QLatin1String("&&")));
        action->setCheckable(true);
        action->setChecked(!m_view->isColumnHidden(column));
        if (column == RegisterModel::DateColumn) {
            action->setEnabled(false);
        } else if (column == RegisterModel::BalanceColumn) {
            // A preference: the register follows when it reloads on it.
            connect(action, &QAction::triggered, this,
                    [this](bool checked) { appState->preferences()->setBool(kShowBalanceKey, checked); });
        } else {
            action->setEnabled(column != RegisterModel::MemoColumn || !m_model->twoLineMode);
            connect(action, &QAction::triggered, this, [this, column](bool checked) {
                hideColumn(column, !checked);
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
    menu->exec(m_view->horizontalHeader()->mapToGlobal(pos));
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
    const bool hasAccount = !accountId.isEmpty() && m_model->showEntryRow;

    QAction* insert = add(tr("&Insert New"), QKeySequence(QStringLiteral("Ctrl+I")));
    insert->setEnabled(hasAccount);
    connect(insert, &QAction::triggered, this, &RegisterScreen::insertNew);
    QAction* create = add(tr("&New Transaction..."), QKeySequence(QKeySequence::New));
    create->setEnabled(hasAccount);
    connect(create, &QAction::triggered, this, &RegisterScreen::newTransactionDialog);

    if (!index.isValid())
        return menu;
    const int row = index.row();
    if (m_model->isEntryRow(row)) {
        QAction* edit = add(tr("&Edit in Dialog..."), QKeySequence(QStringLiteral("Ctrl+E")));
        edit->setEnabled(hasAccount);
        connect(edit, &QAction::triggered, this, &RegisterScreen::editNewRowInDialog);
        return menu;
    }
    const RegisterRow* found = m_model->tryEntryAt(row);
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
    addRowAction(found->cleared ? tr("Mark &Uncleared") : tr("Mark &Cleared"), &RegisterScreen::flipCleared);
    addRowAction(tr("&Delete"), &RegisterScreen::deleteTransaction, QKeySequence(QStringLiteral("Ctrl+D")));
    return menu;
}

void RegisterScreen::onContextMenu(const QPoint& pos)
{
    const std::unique_ptr<QMenu> menu(createRowMenu(m_view->indexAt(pos)));
    menu->exec(m_view->viewport()->mapToGlobal(pos));
}
