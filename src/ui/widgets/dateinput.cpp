#include "ui/widgets/dateinput.h"

#include "data/datetext.h"
#include "ui/appearance.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QRegularExpression>
#include <QWidget>

namespace {

// First day of the user's week as a Qt day number; Sunday when the stored
// value is out of range.
int weekStartDay()
{
    const int day = weekStartDayRef();
    return day >= 1 && day <= 7 ? day : 7;
}

} // namespace

QIcon calendarIcon(const QPalette& palette)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(16);
    painter.setFont(font);
    painter.setPen(palette.color(QPalette::PlaceholderText));
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString(QChar(0xE935)));
    painter.end();
    return QIcon(pixmap);
}

QDate parseTypedDate(const QString& text)
{
    // Parsed by hand rather than with QDate::fromString so that two-digit
    // years land in a sensible century and 2/29/00 is a real leap day.
    static const QRegularExpression pattern(QStringLiteral("^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4}|[0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return {};
    const int month = match.captured(1).toInt();
    const int day = match.captured(2).toInt();
    const QString yearText = match.captured(3);
    int year = yearText.toInt();
    if (yearText.size() == 2)
        year += year < 70 ? 2000 : 1900;
    const QDate date(year, month, day);
    return date.isValid() ? date : QDate();
}

QDate parseTypedDate(const QString& text, const QDate& fallback)
{
    const QDate date = parseTypedDate(text);
    return date.isValid() ? date : fallback;
}

QString dateDisplayText(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("M/d/yyyy")) : QString();
}

bool isCalendarPopupKey(const QKeyEvent* event)
{
    return event->key() == Qt::Key_F4 || (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier));
}

bool handleDateShortcutKey(const QKeyEvent* event, QDate& date)
{
    if (!date.isValid())
        date = QDate::currentDate();
    if (!event)
        return false;

    const QString key = event->text().toLower();
    if (key.size() != 1)
        return false;

    // "w" and "k" always use a Sunday-to-Saturday week; only the calendar
    // popup follows the week-start preference. Days since Sunday, 0..6.
    const int intoWeek = date.dayOfWeek() % 7;

    switch (key.at(0).unicode()) {
    case 't':
        date = QDate::currentDate();
        break;
    case '+':
    case '=':
        date = date.addDays(1);
        break;
    case '-':
        date = date.addDays(-1);
        break;
    case 'm':
        date = QDate(date.year(), date.month(), 1);
        break;
    case 'h':
        date = QDate(date.year(), date.month(), date.daysInMonth());
        break;
    case 'y':
        date = QDate(date.year(), 1, 1);
        break;
    case 'r':
        date = QDate(date.year(), 12, 31);
        break;
    case 'w':
        date = date.addDays(-intoWeek);
        break;
    case 'k':
        date = date.addDays(6 - intoWeek);
        break;
    default:
        return false;
    }
    return true;
}

void showCalendarPopup(QWidget* anchor, const QDate& date, std::function<void(const QDate&)> callback)
{
    auto* calendar = new QCalendarWidget(anchor);
    calendar->setWindowFlags(Qt::Popup);
    calendar->setFirstDayOfWeek(static_cast<Qt::DayOfWeek>(weekStartDay()));
    calendar->setLocale(interfaceLocale());
    calendar->setSelectedDate(date.isValid() ? date : QDate::currentDate());
    calendar->setGridVisible(true);
    calendar->setAttribute(Qt::WA_DeleteOnClose);

    QPointer<QCalendarWidget> guard(calendar);
    QObject::connect(calendar, &QCalendarWidget::clicked, calendar,
                     [guard, callback = std::move(callback)](const QDate& clicked) {
                         if (callback)
                             callback(clicked);
                         if (guard)
                             guard->close();
                     });

    if (anchor)
        calendar->move(anchor->mapToGlobal(QPoint(0, anchor->height())));
    calendar->show();
    calendar->setFocus(Qt::OtherFocusReason);
}
