#include "ui/style.h"

#include "ui/appearance.h"

#include <QGuiApplication>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QPalette>
#include <QPushButton>
#include <QTableWidget>
#include <QVariant>
#include <QWidget>

#include <algorithm>

namespace {

// Child of the widget it restyles, so both go together.
class ThemeFollower : public QObject
{
public:
    ThemeFollower(QWidget* owner, std::function<void()> restyle)
        : QObject(owner)
        , restyle(std::move(restyle))
    {
    }

    const std::function<void()> restyle;
};

QList<QPointer<ThemeFollower>>& themeFollowers()
{
    static QList<QPointer<ThemeFollower>> followers;
    return followers;
}

// Point size every role derives from. A base font sized in pixels has no
// point size, so it scales from 10 points.
int scaledPointSize()
{
    int base = baseApplicationFont().pointSize();
    if (base <= 0)
        base = 10;
    return std::max(1, base * fontScalePercent() / 100);
}

QFont withPointSize(int points)
{
    QFont font = baseApplicationFont();
    font.setPointSize(std::max(1, points));
    return font;
}

} // namespace

int fontScalePercent()
{
    return fontScalePercentRef();
}

QFont scaledFont()
{
    return withPointSize(scaledPointSize());
}

QFont roleFont(FontRole role)
{
    const int s = scaledPointSize();
    QFont font;
    switch (role) {
    case FontRole::Strong:
        font = withPointSize(s);
        font.setWeight(QFont::Weight(500));
        break;
    case FontRole::Caption:
        font = withPointSize(std::max(s - 2, 7));
        break;
    case FontRole::Subtitle:
        font = withPointSize(s + 1);
        font.setWeight(QFont::Weight(500));
        break;
    case FontRole::Title:
        font = withPointSize(s + 4);
        font.setWeight(QFont::Weight(600));
        break;
    case FontRole::Heading:
        font = withPointSize(s + 8);
        font.setWeight(QFont::Weight(600));
        break;
    case FontRole::Display:
        font = withPointSize(s + 14);
        font.setWeight(QFont::Weight(700));
        break;
    case FontRole::Mono:
        // A fresh font, not the base one, so the platform picks its
        // fixed-pitch face.
        font = QFont(QStringLiteral("monospace"));
        font.setPointSize(s);
        font.setStyleHint(QFont::Monospace);
        break;
    default:
        font = withPointSize(s);
        break;
    }
    return font;
}

QFont monospaceFont()
{
    return roleFont(FontRole::Mono);
}

void refontWidget(QWidget* widget)
{
    if (!widget)
        return;
    const QVariant role = widget->property(FontRoleProperty);
    bool ok = false;
    const int roleValue = role.toInt(&ok);
    if (!role.isValid() || !ok)
        return;
    QFont font = roleFont(static_cast<FontRole>(roleValue));
    if (widget->property(FontItalicProperty).toBool())
        font.setItalic(true);
    const QVariant weight = widget->property(FontWeightProperty);
    if (weight.isValid()) {
        const int value = weight.toInt(&ok);
        if (ok)
            font.setWeight(QFont::Weight(std::clamp(value, 100, 900)));
    }
    widget->setFont(font);
}

void setFontRole(QWidget* widget, FontRole role)
{
    if (!widget)
        return;
    widget->setProperty(FontRoleProperty, static_cast<int>(role));
    refontWidget(widget);
}

void applyFontRole(QWidget* widget, int role, int weight)
{
    if (!widget)
        return;
    widget->setProperty(FontRoleProperty, role);
    widget->setProperty(FontWeightProperty, std::clamp(weight, 100, 900));
    refontWidget(widget);
}

QString accentButtonStyleSheet()
{
    const QColor accent = accentColorRef();
    const int brightness = 299 * accent.red() + 587 * accent.green() + 114 * accent.blue();
    const QString text = brightness < 151000 ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B");
    return QStringLiteral("QPushButton {  background-color: %1;  color: %4;  border: none;  border-radius: 4px;  "
                          "padding: 6px 16px;  font-weight: 600;  min-width: 80px;}"
                          "QPushButton:hover {  background-color: %2;}"
                          "QPushButton:pressed {  background-color: %3;}")
        .arg(accent.name(), accent.darker(115).name(), accent.darker(140).name(), text);
}

void setAccentButton(QPushButton* button)
{
    if (!button)
        return;
    button->setProperty(AccentButtonProperty, true);
    button->setStyleSheet(accentButtonStyleSheet());
}

bool isDarkPalette()
{
    return QGuiApplication::palette().color(QPalette::Window).lightness() < 128;
}

QColor negativeColor()
{
    return isDarkPalette() ? QColor(QStringLiteral("#FF8A80")) : QColor(QStringLiteral("#C62828"));
}

QColor positiveColor()
{
    return isDarkPalette() ? QColor(QStringLiteral("#66BB6A")) : QColor(QStringLiteral("#2E7D32"));
}

void followTheme(QWidget* owner, std::function<void()> restyle)
{
    if (!owner || !restyle)
        return;
    restyle();
    themeFollowers().append(new ThemeFollower(owner, std::move(restyle)));
}

void restyleThemeFollowers()
{
    QList<QPointer<ThemeFollower>>& followers = themeFollowers();
    followers.removeAll(nullptr);
    // A restyle may open or close widgets: the list is walked as it was.
    const QList<QPointer<ThemeFollower>> current = followers;
    for (const QPointer<ThemeFollower>& follower : current) {
        if (follower)
            follower->restyle();
    }
}

void recolourNegativeItems(QTableWidget* table)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            QTableWidgetItem* item = table->item(row, column);
            if (item && item->data(Qt::ForegroundRole).isValid())
                item->setForeground(negativeColor());
        }
    }
}
