#include "ui/thememanager.h"

#include "data/preferencesrepository.h"
#include "ui/appearance.h"
#include "ui/style.h"

#include <QApplication>
#include <QGuiApplication>
#include <QProxyStyle>
#include <QStyleHints>
#include <QStyleOption>
#include <QWidget>
#include <QtGlobal>

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformtheme.h>
#endif

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

ThemeManager::ColorSchemeProvider& schemeProvider()
{
    static ThemeManager::ColorSchemeProvider provider;
    return provider;
}

// The palette the platform gave the application, taken before we install
// our own; afterwards the application palette only reflects our choice.
std::optional<QPalette>& platformPalette()
{
    static std::optional<QPalette> palette;
    return palette;
}

void capturePlatformPalette()
{
    if (!platformPalette() && qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        platformPalette() = QGuiApplication::palette();
}

ThemeManager::ColorScheme queryPlatformScheme()
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return ThemeManager::ColorScheme::Unknown;
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    switch (QGuiApplication::styleHints()->colorScheme()) {
    case Qt::ColorScheme::Dark:
        return ThemeManager::ColorScheme::Dark;
    case Qt::ColorScheme::Light:
        return ThemeManager::ColorScheme::Light;
    default:
        break;
    }
#else
    if (const QPlatformTheme* theme = QGuiApplicationPrivate::platformTheme()) {
        switch (theme->appearance()) {
        case QPlatformTheme::Appearance::Dark:
            return ThemeManager::ColorScheme::Dark;
        case QPlatformTheme::Appearance::Light:
            return ThemeManager::ColorScheme::Light;
        default:
            break;
        }
    }
#endif
    capturePlatformPalette();
    if (platformPalette())
        return platformPalette()->color(QPalette::Window).lightness() < 128 ? ThemeManager::ColorScheme::Dark
                                                                             : ThemeManager::ColorScheme::Light;
    return ThemeManager::ColorScheme::Unknown;
}

struct PaletteEntry
{
    QPalette::ColorRole role;
    const char* dark;
    const char* light;
};

// Styles such as Fusion draw the outlines of check boxes, radio buttons,
// line edits and spin boxes a shade darker than the window, which on the dark palette is
// next to invisible, and spin-box arrows in a tint of the text over a
// lighter button. On a dark palette these controls are drawn as if the
// window were the light secondary text colour (their outlines stand out as
// they do on the light palette), and spin-box arrows in white (dimmed when
// disabled) on buttons of the field's colour.
class ContrastStyle : public QProxyStyle
{
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if ((element == PE_IndicatorCheckBox || element == PE_IndicatorRadioButton) && button && isDark(*button)) {
            QStyleOptionButton copy(*button);
            copy.palette.setColor(QPalette::Window, kOutlineSource);
            QProxyStyle::drawPrimitive(element, &copy, painter, widget);
            return;
        }
        // Line edits: the same outline, around a field of the base colour.
        const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
        if ((element == PE_PanelLineEdit || element == PE_FrameLineEdit) && frame && isDark(*frame)) {
            QStyleOptionFrame copy(*frame);
            copy.palette.setColor(QPalette::Window, kOutlineSource);
            QProxyStyle::drawPrimitive(element, &copy, painter, widget);
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        const auto* spin = control == CC_SpinBox ? qstyleoption_cast<const QStyleOptionSpinBox*>(option) : nullptr;
        if (spin && isDark(*spin)) {
            QStyleOptionSpinBox copy(*spin);
            copy.palette.setColor(QPalette::Window, kOutlineSource);
            copy.palette.setColor(QPalette::Button, copy.palette.color(QPalette::Base));
            // The arrows are a tint of the text colour: white for them, and
            // the dimmed secondary text colour when disabled.
            for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText}) {
                copy.palette.setColor(QPalette::Active, role, Qt::white);
                copy.palette.setColor(QPalette::Inactive, role, Qt::white);
                copy.palette.setColor(QPalette::Disabled, role, kDisabledArrow);
            }
            QProxyStyle::drawComplexControl(control, &copy, painter, widget);
            return;
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

private:
    static inline const QColor kOutlineSource{0x8F, 0xAF, 0x9F};
    static inline const QColor kDisabledArrow{0x6E, 0x8A, 0x7E};

    static bool isDark(const QStyleOption& option)
    {
        return option.palette.color(QPalette::Window).lightness() < 128;
    }
};

void installContrastStyle()
{
    if (qobject_cast<QApplication*>(QCoreApplication::instance())
        && !dynamic_cast<ContrastStyle*>(QApplication::style()))
        QApplication::setStyle(new ContrastStyle);
}

} // namespace

QString themeName(ThemeManager::Theme theme)
{
    switch (theme) {
    case ThemeManager::Light:
        return QStringLiteral("light");
    case ThemeManager::Dark:
        return QStringLiteral("dark");
    default:
        return QStringLiteral("system");
    }
}

double contrastRatio(const QColor& a, const QColor& b)
{
    // Relative luminance of sRGB colours, as WCAG 2 defines it.
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette themePalette(bool dark, const QColor& accent)
{
    static const PaletteEntry entries[] = {
        {QPalette::Window, "#0F1E19", "#FAFBFA"},
        {QPalette::WindowText, "#D8E8DF", "#1B2D26"},
        {QPalette::Base, "#152420", "#FFFFFF"},
        {QPalette::AlternateBase, "#1A2E28", "#F2F7F4"},
        {QPalette::Text, "#D8E8DF", "#1B2D26"},
        {QPalette::Button, "#1E3530", "#E0EBE5"},
        {QPalette::ButtonText, "#D8E8DF", "#1B2D26"},
        {QPalette::HighlightedText, "#0F1E19", "#FFFFFF"},
        {QPalette::ToolTipBase, "#1E3530", "#FFFFFF"},
        {QPalette::ToolTipText, "#D8E8DF", "#1B2D26"},
        {QPalette::PlaceholderText, "#8FAF9F", "#6E8A7E"},
        {QPalette::Mid, "#2A4038", "#D8E0DB"},
        {QPalette::Light, "#2A4038", "#FFFFFF"},
        {QPalette::Dark, "#0A1510", "#9BB0A3"},
    };

    QPalette palette;
    for (const PaletteEntry& entry : entries)
        palette.setColor(entry.role, QColor(QLatin1String(dark ? entry.dark : entry.light)));
    palette.setColor(QPalette::Highlight, dark ? accent.lighter(135) : accent);
    // Qt's default link blue is unreadable on the dark window colour; the
    // accent's shade is taken further from the background until it reads.
    QColor link = dark ? accent.lighter(160) : accent.darker(115);
    const auto readable = [&palette](const QColor& c) {
        return contrastRatio(c, palette.color(QPalette::Base)) >= kLinkContrast
            && contrastRatio(c, palette.color(QPalette::Window)) >= kLinkContrast;
    };
    for (int step = 0; step < 40 && !readable(link); ++step) {
        const int lightness = link.lightness();
        link.setHsl(link.hslHue(), link.hslSaturation(), qBound(0, lightness + (dark ? 8 : -8), 255));
    }
    palette.setColor(QPalette::Link, link);
    palette.setColor(QPalette::LinkVisited, palette.color(QPalette::Link));

    const QColor disabled(QLatin1String(dark ? "#3A5A4A" : "#A0B5A8"));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabled);
    return palette;
}

ThemeManager::ThemeManager(PreferencesRepository* preferences, QObject* parent)
    : QObject(parent)
    , m_preferences(preferences)
{
    capturePlatformPalette();
}

ThemeManager::~ThemeManager() = default;

void ThemeManager::setColorSchemeProvider(ColorSchemeProvider provider)
{
    schemeProvider() = std::move(provider);
}

ThemeManager::ColorScheme ThemeManager::platformColorScheme()
{
    if (schemeProvider())
        return schemeProvider()();
    return queryPlatformScheme();
}

void ThemeManager::setThemeName(const QString& name)
{
    if (name == QLatin1String("light"))
        setTheme(Light);
    else if (name == QLatin1String("dark"))
        setTheme(Dark);
    else
        setTheme(System);
}

void ThemeManager::setTheme(Theme theme)
{
    if (theme != Light && theme != Dark)
        theme = System;
    m_theme = theme;

    const bool dark = theme == Dark || (theme == System && platformColorScheme() == ColorScheme::Dark);
    capturePlatformPalette();
    installContrastStyle();
    QApplication::setPalette(themePalette(dark, accentColorRef()));
    QApplication::setFont(scaledFont());
    restyleThemeFollowers();

    if (m_preferences)
        m_preferences->setValue(QStringLiteral("theme"), themeName(theme));
    emit themeChanged(theme);
}

void ThemeManager::setAccentColor(const QColor& color)
{
    if (!color.isValid())
        return;
    accentColorRef() = color;
    if (m_preferences)
        m_preferences->setValue(QStringLiteral("accentColor"), color.name());
    setTheme(m_theme);

    const QString sheet = accentButtonStyleSheet();
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (widget->property(AccentButtonProperty).toBool())
            widget->setStyleSheet(sheet);
    }
    emit accentChanged(color);
}

void ThemeManager::setFontScale(int percent)
{
    const int clamped = std::clamp(percent, 70, 160);
    fontScalePercentRef() = clamped;
    if (m_preferences)
        m_preferences->setValue(QStringLiteral("fontScale"), QString::number(clamped));
    setTheme(m_theme);

    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets)
        refontWidget(widget);
    emit fontScaleChanged(clamped);
}
