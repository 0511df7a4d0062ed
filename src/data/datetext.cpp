#include "data/datetext.h"

#include <QRegularExpression>

namespace {

QString& interfaceLanguageRef()
{
    static QString language;
    return language;
}

bool isEnglish(const QLocale& locale)
{
    return locale.language() == QLocale::English || locale.language() == QLocale::C;
}

// The locale's long date without the weekday and with the abbreviated month
// name: "d. MMM yyyy" from German's "dddd, d. MMMM yyyy".
QString namedMonthFormat(const QLocale& locale)
{
    static const QRegularExpression weekday(QStringLiteral("d{3,4},?\\s*|,?\\s*d{3,4}"));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    format.remove(weekday);
    format = format.trimmed();
    return format.contains(QLatin1Char('d')) ? format : locale.dateFormat(QLocale::ShortFormat);
}

bool hasTime(const QString& pattern)
{
    return pattern.contains(QLatin1Char('h')) || pattern.contains(QLatin1Char('H'));
}

} // namespace

QLocale interfaceLocale()
{
    const QLocale system;
    const QString& language = interfaceLanguageRef();
    if (language.isEmpty())
        return system;
    const QLocale chosen(language);
    return chosen.language() == system.language() ? system : chosen;
}

void setInterfaceLanguage(const QString& language)
{
    interfaceLanguageRef() = language;
}

QString shortDateText(QDate date)
{
    return interfaceLocale().toString(date, QLocale::ShortFormat);
}

QString longDateText(QDate date)
{
    return interfaceLocale().toString(date, QLocale::LongFormat);
}

QString longDateTimeText(const QDateTime& time)
{
    return interfaceLocale().toString(time, QLocale::LongFormat);
}

QString namedMonthText(QDate date, const QString& englishPattern)
{
    return namedMonthText(date.startOfDay(), englishPattern);
}

QString namedMonthText(const QDateTime& time, const QString& englishPattern)
{
    const QLocale locale = interfaceLocale();
    if (isEnglish(locale))
        return time.toString(englishPattern);
    QString text = locale.toString(time.date(), namedMonthFormat(locale));
    if (hasTime(englishPattern))
        text += QLatin1Char(' ') + locale.toString(time.time(), QLocale::ShortFormat);
    return text;
}
