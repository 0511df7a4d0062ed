#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <functional>

class QPushButton;
class QTableWidget;
class QWidget;

// Font roles kept in the widget property "larkFontRole" so the theme can
// rebuild a widget's font when the scale changes.
enum class FontRole : int {
    Body = 0,
    Strong = 1,
    Caption = 2,
    Subtitle = 3,
    Title = 4,
    Heading = 5,
    Display = 6,
    Mono = 7,
};

// Dynamic properties by which the theme finds the widgets to restyle.
inline constexpr char FontRoleProperty[] = "larkFontRole";
inline constexpr char FontItalicProperty[] = "larkFontItalic";
inline constexpr char FontWeightProperty[] = "larkFontWeight";
inline constexpr char AccentButtonProperty[] = "larkAccentButton";

// Current font scale in percent (70..160).
int fontScalePercent();
// The captured base application font at the current scale.
QFont scaledFont();
// The font of a role at the current scale; values outside the enumeration
// give Body.
QFont roleFont(FontRole role);
// Fixed-pitch font at the current scale (same as roleFont(Mono)).
QFont monospaceFont();

// Marks the widget with the role and gives it the role's font.
void setFontRole(QWidget* widget, FontRole role);
// As setFontRole with the role as its integer value, and also pins the font
// weight (QFont weight 100..900), which survives later scale changes.
void applyFontRole(QWidget* widget, int role, int weight);
// Rebuilds a marked widget's font from its marker properties: the role
// font, italic when "larkFontItalic" is true, the weight of "larkFontWeight"
// when present. Widgets without a valid role are left alone.
void refontWidget(QWidget* widget);

// Marks the button as an accent button and gives it the accent style.
void setAccentButton(QPushButton* button);
QString accentButtonStyleSheet();

// True when the application palette's window colour is dark.
bool isDarkPalette();
// Money colours readable on the current palette.
QColor negativeColor();
QColor positiveColor();

// Runs `restyle` now and again after every theme or accent switch (see
// restyleThemeFollowers), for as long as `owner` lives. Windows
// put everything they colour from the palette, the accent or isDarkPalette()
// in one such function, so an open window restyles with the rest.
void followTheme(QWidget* owner, std::function<void()> restyle);
// Gives every item of the table that has a foreground of its own (the
// negative amounts) the negative colour of the current palette.
void recolourNegativeItems(QTableWidget* table);
// Runs every live restyle given to followTheme; the theme calls it once the
// new palette is installed.
void restyleThemeFollowers();
