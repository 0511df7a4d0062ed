#pragma once

#include <QColor>
#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>

class PreferencesRepository;

// Owns the application's look: the installed palette (system-following,
// light or dark), the accent colour and the font scale. Each choice is saved
// as a preference and restyles the widgets already on screen. The scale,
// accent and base font are the process-wide values of ui/appearance.h, so
// the free style functions read the same values without an instance.
class ThemeManager : public QObject
{
    Q_OBJECT
public:
    enum Theme { System = 0, Light = 1, Dark = 2 };
    Q_ENUM(Theme)

    // What the platform says about its colour scheme.
    enum class ColorScheme { Unknown, Light, Dark };
    using ColorSchemeProvider = std::function<ColorScheme()>;

    ThemeManager(PreferencesRepository* preferences, QObject* parent = nullptr);
    ~ThemeManager() override;

    Theme theme() const { return m_theme; }

    // "light" and "dark" (exact case); every other text means System.
    void setThemeName(const QString& name);
    void setTheme(Theme theme);
    // An invalid colour is ignored.
    void setAccentColor(const QColor& color);
    // Clamped to 70..160.
    void setFontScale(int percent);

    // Replaces how the platform colour scheme is asked (an empty function
    // restores the platform query). Used by tests.
    static void setColorSchemeProvider(ColorSchemeProvider provider);
    static ColorScheme platformColorScheme();

signals:
    void themeChanged(ThemeManager::Theme theme);
    void fontScaleChanged(int percent);
    void accentChanged(const QColor& color);

private:
    PreferencesRepository* m_preferences;
    Theme m_theme = System;
};

// "system", "light" or "dark".
QString themeName(ThemeManager::Theme theme);
// WCAG contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);
// Links in the palette reach at least this ratio on its base and window
// colours.
inline constexpr double kLinkContrast = 4.5;

// The palette installed for the dark or the light look with that accent.
QPalette themePalette(bool dark, const QColor& accent);
