#include "ui/register/registertableview.h"

#include "ui/register/registereditors.h"
#include "ui/register/registermodel.h"
#include "ui/register/registerscreen.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>

namespace {
const char* const ClosedEditorProperty = "_larkEditorClosed";
}

RegisterTableView::RegisterTableView(QWidget* parent)
    : QTableView(parent)
{
}

bool RegisterTableView::focusInsidePayeeMemoEditor() const
{
    return insidePayeeMemoEditor(QApplication::focusWidget(), this);
}

bool RegisterTableView::event(QEvent* e)
{
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        const bool shift = key->modifiers() & Qt::ShiftModifier;
        const bool forward = key->key() == Qt::Key_Tab && !shift;
        const bool backward = key->key() == Qt::Key_Backtab || (key->key() == Qt::Key_Tab && shift);
        if ((forward || backward) && !focusInsidePayeeMemoEditor()) {
            // Tab walks the row's cells like the arrow keys and opens the
            // cell it lands on.
            QKeyEvent arrow(QEvent::KeyPress, forward ? Qt::Key_Right : Qt::Key_Left, Qt::NoModifier);
            QTableView::event(&arrow);
            const QModelIndex current = currentIndex();
            if (current.isValid() && (current.flags() & Qt::ItemIsEditable))
                edit(current);
            return true;
        }
    }
    return QTableView::event(e);
}

void RegisterTableView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int key = event->key();

    if ((key == Qt::Key_Space || key == Qt::Key_C)
        && !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) && current.isValid()
        && current.column() == RegisterModel::ClearedColumn && screen) {
        screen->toggleCleared(current.row());
        event->accept();
        return;
    }
    if (key == Qt::Key_Backtab || (key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier))) {
        if (screen)
            screen->tabToPreviousField();
        event->accept();
        return;
    }
    if (key == Qt::Key_Tab) {
        if (screen)
            screen->tabToNextField();
        event->accept();
        return;
    }
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !(modifiers & ~Qt::KeypadModifier) && current.isValid()
        && screen) {
        if (const auto* model = qobject_cast<const RegisterModel*>(this->model())) {
            if (model->isEntryRow(current.row())) {
                QTableView::keyPressEvent(event);
                return;
            }
            // A split row's Category and amounts are edited in the split
            // editor; Return passes over them.
            const RegisterRow* row = model->tryEntryAt(current.row());
            const int column = current.column();
            if (row && row->isSplit
                && (column == RegisterModel::CategoryColumn || column == RegisterModel::PaymentColumn
                    || column == RegisterModel::DepositColumn)) {
                screen->tabToNextField();
                event->accept();
                return;
            }
        }
    }
    QTableView::keyPressEvent(event);
}

void RegisterTableView::keyboardSearch(const QString& search)
{
    // Typing belongs to the cells (the register opens a cell's editor with
    // the typed key): it never moves the current cell to another row, also
    // where no editor can open.
    Q_UNUSED(search);
}

bool RegisterTableView::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A category cell opened by a typed key or by the register's own moves
    // (Tab, Return, a click) is typed over, as every other cell is: the view
    // selects a line edit's text when it opens it, but not a combo box's.
    // Double click and F2 open it as they always have.
    if (index.column() != RegisterModel::CategoryColumn || (trigger != AnyKeyPressed && trigger != AllEditTriggers))
        return QTableView::edit(index, trigger, event);
    // The key that opens the cell must reach it after the selection.
    QEvent* key = trigger == AnyKeyPressed && event && event->type() == QEvent::KeyPress ? event : nullptr;
    if (!QTableView::edit(index, trigger, key ? nullptr : event))
        return false;
    QWidget* editor = indexWidget(index);
    if (auto* combo = qobject_cast<QComboBox*>(editor); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    if (key && editor)
        QCoreApplication::sendEvent(editor->focusProxy() ? editor->focusProxy() : editor, key);
    return true;
}

QModelIndex RegisterTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex next = QTableView::moveCursor(cursorAction, modifiers);
    if (next.isValid() && next.column() == RegisterModel::BalanceColumn)
        return next.sibling(next.row(), RegisterModel::ClearedColumn);
    return next;
}

bool RegisterTableView::isReleasedEditor(const QWidget* editor)
{
    // Released editors are hidden explicitly; a live one never is.
    return editor && (editor->property(ClosedEditorProperty).toBool() || editor->isHidden());
}

void RegisterTableView::commitData(QWidget* editor)
{
    // Return in an editor queues the delegate's own write-back and close;
    // by the time they arrive the register has already written the editor
    // and moved on.
    if (isReleasedEditor(editor))
        return;
    QTableView::commitData(editor);
}

void RegisterTableView::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint)
{
    // Closing a released editor again would reset the view's editing state
    // under the editor the register has opened since.
    if (isReleasedEditor(editor))
        return;
    if (editor)
        editor->setProperty(ClosedEditorProperty, true);
    if (hint != QAbstractItemDelegate::EditNextItem && hint != QAbstractItemDelegate::EditPreviousItem) {
        QTableView::closeEditor(editor, hint);
        return;
    }
    // The screen decides where Tab goes (hidden columns, the row's end), so
    // the view's own move is replaced by the screen's once the editor is gone.
    const QModelIndex current = currentIndex();
    const int row = current.row();
    const int column = current.column();
    QTableView::closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (!screen)
        return;
    const bool forward = hint == QAbstractItemDelegate::EditNextItem;
    QTimer::singleShot(0, this, [this, row, column, forward] {
        if (!screen || !model())
            return;
        setCurrentIndex(model()->index(row, column));
        if (forward)
            screen->tabToNextField();
        else
            screen->tabToPreviousField();
    });
}

bool RegisterTableView::focusNextPrevChild(bool next)
{
    if (!screen)
        return QTableView::focusNextPrevChild(next);
    if (focusInsidePayeeMemoEditor())
        return screen->focusNextPrevChild(next);
    if (next)
        screen->tabToNextField();
    else
        screen->tabToPreviousField();
    return true;
}
