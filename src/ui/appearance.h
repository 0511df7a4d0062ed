#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>

// Application-wide values read by the theme, the style helpers, the
// settings screen and the date widgets. AppState sets them from the stored
// preferences at start-up, the theme when the user changes them. Created on
// first use, alive until exit.
QFont& baseApplicationFont();
QColor& accentColorRef();
int& weekStartDayRef();     // Qt::DayOfWeek, 1 = Monday ... 7 = Sunday
int& fontScalePercentRef(); // 70 to 160

// How the stored preference texts are read at start-up.
int fontScaleFromPreference(const QString& text);             // clamped 70..160, 100 when not a number
std::optional<QColor> accentFromPreference(const QString& text); // empty when not a colour
std::optional<int> weekStartFromPreference(const std::optional<QString>& text); // empty unless 1..7
