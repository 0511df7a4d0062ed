#pragma once

#include <QDate>
#include <QIcon>
#include <QString>

#include <functional>

class QKeyEvent;
class QPalette;
class QWidget;

// Date entry helpers shared by every date field of the application.

// The calendar glyph of the icon font, in the palette's placeholder colour.
QIcon calendarIcon(const QPalette& palette);

// A date typed as M/d/yyyy or M/d/yy (one or two digits for month and day,
// surrounding blanks ignored). Two-digit years 00-69 are 2000-2069 and
// 70-99 are 1970-1999. Returns an invalid date when the text is not such a
// date.
QDate parseTypedDate(const QString& text);
// As above, giving the fallback when the text is not a date.
QDate parseTypedDate(const QString& text, const QDate& fallback);
// The text a committed date is shown as: M/d/yyyy, empty for an invalid date.
QString dateDisplayText(const QDate& date);

// Applies a date shortcut key to the date (an invalid date first becomes
// today). Returns false when the key is no shortcut:
//   t today, + or = next day, - previous day, m/h first/last day of the
//   month, y/r first/last day of the year, w/k the Sunday on or before and
//   the Saturday on or after (whatever the week-start preference, which only the
//   calendar popup follows).
bool handleDateShortcutKey(const QKeyEvent* event, QDate& date);

// F4 or Alt+Down: the keys that open the calendar popup of a date editor.
bool isCalendarPopupKey(const QKeyEvent* event);

// Opens a calendar popup just under the anchor's left edge on the date
// (today when invalid) and calls the callback with the day the user clicks.
// Closing it any other way calls nothing.
void showCalendarPopup(QWidget* anchor, const QDate& date, std::function<void(const QDate&)> callback);
