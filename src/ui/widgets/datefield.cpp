#include "ui/widgets/datefield.h"

#include "ui/widgets/dateinput.h"

#include "ui/style.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>

DateField::DateField(QWidget* parent)
    : QLineEdit(parent)
    , m_date(QDate::currentDate())
{
    redisplay();
    QAction* action = addAction(QIcon(), QLineEdit::TrailingPosition);
    followTheme(this, [action] { action->setIcon(calendarIcon(QGuiApplication::palette())); });
    action->setToolTip(tr("Open calendar (F4)"));
    connect(action, &QAction::triggered, this, &DateField::openCalendarPopup);
}

QDate DateField::date() const
{
    return parseTypedDate(text(), m_date);
}

void DateField::setDate(const QDate& date)
{
    if (date == m_date)
        return;
    m_date = date;
    redisplay();
    emit dateChanged(m_date);
}

void DateField::openCalendarPopup()
{
    QPointer<DateField> self(this);
    showCalendarPopup(this, date(), [self](const QDate& picked) {
        if (self && picked != self->m_date)
            self->commit(picked);
    });
}

void DateField::keyPressEvent(QKeyEvent* event)
{
    if (isCalendarPopupKey(event)) {
        openCalendarPopup();
        event->accept();
        return;
    }

    // Shortcuts act on the committed date, not on half-typed text.
    QDate shifted = m_date;
    if (handleDateShortcutKey(event, shifted)) {
        if (shifted != m_date)
            commit(shifted);
        selectAll();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void DateField::focusOutEvent(QFocusEvent* event)
{
    const QDate typed = date();
    if (typed != m_date) {
        commit(typed);
    } else {
        // Unreadable text reverts to the committed date; 03/07/2025 becomes 3/7/2025.
        redisplay();
    }
    QLineEdit::focusOutEvent(event);
}

void DateField::commit(const QDate& date)
{
    m_date = date;
    redisplay();
    emit dateChanged(m_date);
}

void DateField::redisplay()
{
    setText(dateDisplayText(m_date));
}
