#include "ui/register/registereditors.h"

#include "data/money.h"
#include "ui/widgets/dateinput.h"
#include "ui/style.h"

#include <QAbstractItemView>
#include <QAction>
#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

#include <algorithm>

bool insidePayeeMemoEditor(const QWidget* widget, const QWidget* stop)
{
    for (const QWidget* w = widget; w && w != stop; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String(PayeeMemoEditorName))
            return true;
    }
    return false;
}

bool isRegisterCommandKey(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    if (modifiers == Qt::AltModifier)
        return enter;
    if (!(modifiers & Qt::ControlModifier) || (modifiers & (Qt::AltModifier | Qt::MetaModifier)))
        return false;
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_E:
    case Qt::Key_D:
    case Qt::Key_I:
    case Qt::Key_N:
    case Qt::Key_M:
        return true;
    default:
        return false;
    }
}

bool readEntryAmount(const QString& text, qint64* amount)
{
    if (!amountAutoDecimal())
        return tryParseAmount(text, CurrencyCode::USD, amount);
    // Eighteen digits always fit a count of hundredths; more, or none, do not
    // read as an amount.
    const qsizetype digits = std::count_if(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); });
    if (digits == 0 || digits > 18)
        return false;
    if (amount)
        *amount = parseAutoDecimalAmount(text);
    return true;
}

namespace {

// A command key is neither claimed as a shortcut override nor taken as a
// key press: ignored, it travels on to the register's view.
bool passCommandKey(QEvent* e)
{
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride)
        return false;
    if (!isRegisterCommandKey(static_cast<QKeyEvent*>(e)))
        return false;
    e->ignore();
    return true;
}

} // namespace

RegisterLineEdit::RegisterLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

bool RegisterLineEdit::event(QEvent* e)
{
    if (passCommandKey(e))
        return false;
    if (e->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(e);
        // Return reaching the line edit itself while the popup is open
        // chooses as it does in the popup.
        auto* c = qobject_cast<TabCompleter*>(completer());
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && c && c->popup()
            && c->popup()->isVisible() && TabCompleter::acceptsAndMoves(key)) {
            c->acceptAndMove(key);
            e->accept();
            return true;
        }
    }
    return QLineEdit::event(e);
}

SmartDateEdit::SmartDateEdit(QWidget* parent)
    : RegisterLineEdit(parent)
    , m_date(QDate::currentDate())
{
    updateDisplay();
    QAction* action = addAction(calendarIcon(palette()), QLineEdit::TrailingPosition);
    action->setToolTip(tr("Open calendar (F4)"));
    connect(action, &QAction::triggered, this, &SmartDateEdit::openCalendarPopup);
}

void SmartDateEdit::setDate(const QDate& date)
{
    m_date = date;
    updateDisplay();
}

QDate SmartDateEdit::date() const
{
    return parseTypedDate(text(), m_date);
}

void SmartDateEdit::updateDisplay()
{
    setText(dateDisplayText(m_date));
    selectAll();
}

void SmartDateEdit::openCalendarPopup()
{
    QPointer<SmartDateEdit> self(this);
    showCalendarPopup(this, date(), [self](const QDate& picked) {
        if (self)
            self->setDate(picked);
    });
}

void SmartDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (isCalendarPopupKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }
    // Shortcuts act on the stored date, not on half-typed text; the display
    // is refreshed even when the date stays, so the text is selected again.
    QDate shifted = m_date;
    if (handleDateShortcutKey(event, shifted)) {
        setDate(shifted);
        event->accept();
        return;
    }
    RegisterLineEdit::keyPressEvent(event);
}

RegisterComboBox::RegisterComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

bool RegisterComboBox::event(QEvent* e)
{
    if (passCommandKey(e))
        return false;
    return QComboBox::event(e);
}

TabCompleter::TabCompleter(QObject* parent)
    : QCompleter(parent)
{
    configure();
}

TabCompleter::TabCompleter(QAbstractItemModel* model, QObject* parent)
    : QCompleter(model, parent)
{
    configure();
}

TabCompleter::TabCompleter(const QStringList& list, QObject* parent)
    : QCompleter(list, parent)
{
    configure();
}

void TabCompleter::configure()
{
    setCaseSensitivity(Qt::CaseInsensitive);
    setFilterMode(Qt::MatchContains);
    setCompletionMode(QCompleter::PopupCompletion);
}

bool TabCompleter::eventFilter(QObject* watched, QEvent* e)
{
    if (e->type() != QEvent::KeyPress || !popup() || !popup()->isVisible())
        return QCompleter::eventFilter(watched, e);
    const auto* key = static_cast<QKeyEvent*>(e);
    if (!acceptsAndMoves(key))
        return QCompleter::eventFilter(watched, e);
    acceptAndMove(key);
    return true;
}

bool TabCompleter::acceptsAndMoves(const QKeyEvent* key)
{
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Ctrl+Return and Alt+Return stay the register's commands.
        return !(key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier));
    default:
        return false;
    }
}

void TabCompleter::acceptAndMove(const QKeyEvent* key)
{
    // The highlighted entry. A category must exist, so there the only one
    // offered is taken too; a payee may be new, and its typed text stays.
    QWidget* target = widget();
    QModelIndex current = popup()->currentIndex();
    const bool forCombo = qobject_cast<QComboBox*>(target)
        || (target && qobject_cast<QComboBox*>(target->parentWidget()));
    if (!current.isValid() && forCombo && completionModel() && completionModel()->rowCount() == 1)
        current = completionModel()->index(0, 0);
    const QString text = current.isValid() ? current.data(Qt::DisplayRole).toString() : QString();
    if (!text.isEmpty()) {
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->setText(text);
        } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
            const int item = combo->findText(text);
            if (item >= 0)
                combo->setCurrentIndex(item);
            else
                combo->setCurrentText(text);
        }
        emit activated(text);
    }
    popup()->hide();

    // Inside the two-line payee cell the move goes on to the memo line.
    for (QWidget* w = target ? target->parentWidget() : nullptr; w; w = w->parentWidget()) {
        if (w->objectName() == QLatin1String(PayeeMemoEditorName)) {
            if (auto* memo = w->findChild<QWidget*>(QLatin1String(MemoEditName)))
                memo->setFocus(Qt::OtherFocusReason);
            return;
        }
    }

    // Elsewhere the cell is written back and the next or previous one opens.
    const bool backwards = key->key() == Qt::Key_Backtab
        || (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    for (QWidget* w = target ? target->parentWidget() : nullptr; w; w = w->parentWidget()) {
        auto* view = qobject_cast<QAbstractItemView*>(w);
        if (!view)
            continue;
        if (QAbstractItemDelegate* delegate = view->itemDelegate()) {
            emit delegate->commitData(target);
            emit delegate->closeEditor(target, backwards ? QAbstractItemDelegate::EditPreviousItem
                                                         : QAbstractItemDelegate::EditNextItem);
        }
        break;
    }
}

PayeeMemoEditor::PayeeMemoEditor(QWidget* parent)
    : QWidget(parent)
    , m_payee(new RegisterLineEdit(this))
    , m_memo(new RegisterLineEdit(this))
{
    setObjectName(QLatin1String(PayeeMemoEditorName));
    m_payee->setObjectName(QLatin1String(PayeeEditName));
    m_memo->setObjectName(QLatin1String(MemoEditName));

    m_memo->setProperty(FontRoleProperty, static_cast<int>(FontRole::Caption));
    m_memo->setProperty(FontItalicProperty, true);
    refontWidget(m_memo);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_payee);
    layout->addWidget(m_memo);
    setFocusProxy(m_payee);
}
