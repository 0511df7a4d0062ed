#include "ui/appearance.h"

#include <QApplication>
#include <QLocale>

#include <algorithm>

QFont& baseApplicationFont()
{
    static QFont font = QApplication::font();
    return font;
}

QColor& accentColorRef()
{
    static QColor color(QStringLiteral("#00897B"));
    return color;
}

int& weekStartDayRef()
{
    static int day = static_cast<int>(QLocale().firstDayOfWeek());
    return day;
}

int& fontScalePercentRef()
{
    static int percent = 100;
    return percent;
}

int fontScaleFromPreference(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return 100;
    return std::clamp(value, 70, 160);
}

std::optional<QColor> accentFromPreference(const QString& text)
{
    const QColor color(text);
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<int> weekStartFromPreference(const std::optional<QString>& text)
{
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int day = text->toInt(&ok, 10);
    if (!ok || day < 1 || day > 7)
        return std::nullopt;
    return day;
}
