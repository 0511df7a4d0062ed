#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

// Dates as the interface shows them, in the interface language's forms.
// Display only: stored dates, exports of fixed formats and everything that
// is parsed keep their own formats.

// The locale of the interface language: the system locale when it speaks
// that language (keeping its regional forms), else the language's own
// locale. Until the application names a language it is the system locale.
QLocale interfaceLocale();
// `language` is a two-letter code such as "de"; empty goes back to the
// system locale.
void setInterfaceLanguage(const QString& language);

// The interface locale's short date ("07.12.26" in German).
QString shortDateText(QDate date);
// The interface locale's long date and date-time, weekday included.
QString longDateText(QDate date);
QString longDateTimeText(const QDateTime& time);

// A date, or a date and time, with the month's name. An English interface
// writes it with `englishPattern` ("MMM d, yyyy" gives "Dec 7, 2026"); any
// other language in its own order and month name, the year always shown,
// followed by its short time when the pattern holds a time ("7. Dez. 2026",
// "2026年12月7日 15:04").
QString namedMonthText(QDate date, const QString& englishPattern);
QString namedMonthText(const QDateTime& time, const QString& englishPattern);
