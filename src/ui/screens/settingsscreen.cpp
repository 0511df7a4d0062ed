// The window frame, the shared page builders and the General, Register and
// About pages. The Data & Sync page and its actions are in
// settingsscreendata.cpp.
#include "ui/screens/settingsscreen.h"

#include "app/appstate.h"
#include "app/application.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "ui/appearance.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/style.h"
#include "ui/thememanager.h"
#include "ui/widgets/pageshortcuts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString kDefaultAccent = QStringLiteral("#00897B");

// One glyph of the icon font, centred on a transparent square.
QPixmap glyphPixmap(char16_t codePoint, const QColor& color, int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont font(QStringLiteral("Material Icons"));
    font.setPixelSize(size);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRect(0, 0, size, size), Qt::AlignCenter, QString(QChar(codePoint)));
    return pixmap;
}

QIcon glyphIcon(char16_t codePoint, const QColor& color, int size)
{
    QIcon icon(glyphPixmap(codePoint, color, size));
    // On the selected item's accent background the glyph takes the item's
    // white text colour; grey would vanish there.
    icon.addPixmap(glyphPixmap(codePoint, Qt::white, size), QIcon::Selected);
    return icon;
}

// A page: margins 24, spacing 8, its title, then `gap`.
QVBoxLayout* startPage(QWidget* page, const QString& title, int gap)
{
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(8);
    auto* titleLabel = new QLabel(title);
    setFontRole(titleLabel, FontRole::Title);
    layout->addWidget(titleLabel);
    layout->addSpacing(gap);
    return layout;
}

QFormLayout* createForm()
{
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    form->setHorizontalSpacing(16);
    form->setVerticalSpacing(12);
    form->setContentsMargins(12, 0, 0, 0);
    return form;
}

// Indented group of check boxes with their help lines.
QVBoxLayout* createGroup()
{
    auto* group = new QVBoxLayout;
    group->setContentsMargins(12, 0, 0, 0);
    group->setSpacing(8);
    return group;
}

// Selects the item carrying `data`; leaves the combo as it is when none does.
void selectData(QComboBox* combo, const QVariant& data)
{
    const int index = combo->findData(data);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

} // namespace

void SettingsScreen::styleNavigation()
{
    // Restyled on a font change too: the page names keep their room.
    m_nav->setFixedWidth(180 * std::max(100, fontScalePercent()) / 100);
    const bool dark = isDarkPalette();
    m_nav->setStyleSheet(QStringLiteral("QListWidget {  background: %1;  border: none;  padding: 12px 8px;}"
                                        "QListWidget::item {  color: %2;  padding: 8px 12px;  border-radius: 6px;}"
                                        "QListWidget::item:hover {  background: %3;}"
                                        "QListWidget::item:selected {  background: %4;  color: %5;}")
                             .arg(dark ? QStringLiteral("#152420") : QStringLiteral("#F0F4F2"),
                                  dark ? QStringLiteral("#D8E8DF") : QStringLiteral("#1B2D26"),
                                  dark ? QStringLiteral("#1E3530") : QStringLiteral("#E0EBE5"),
                                  dark ? QStringLiteral("#26574A") : accentColorRef().name(),
                                  QStringLiteral("#FFFFFF")));
    const QString separator =
        QStringLiteral("color: %1;").arg(dark ? QStringLiteral("#2A4038") : QStringLiteral("#D8E0DB"));
    for (QFrame* line : findChildren<QFrame*>(QStringLiteral("settingsSeparator")))
        line->setStyleSheet(separator);
    const QColor iconColor(dark ? QStringLiteral("#8FAF9F") : QStringLiteral("#4A6358"));
    for (int row = 0; row < m_nav->count(); ++row) {
        QListWidgetItem* item = m_nav->item(row);
        item->setIcon(glyphIcon(char16_t(item->data(Qt::UserRole).toInt()), iconColor, 20));
    }
}

SettingsScreen::SettingsScreen(AppState* appState, QWidget* parent) : QWidget(parent), m_appState(appState)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_nav = new QListWidget;
    setFontRole(m_nav, FontRole::Body);
    // Wider with a larger font, so the page names keep their room.
    m_nav->setFrameShape(QFrame::NoFrame);
    m_nav->setFocusPolicy(Qt::NoFocus);
    // The width is fixed: a long translation is shortened, never scrolled.
    m_nav->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_nav->setTextElideMode(Qt::ElideRight);
    addPageShortcuts(this, m_nav);
    m_nav->setSpacing(2);
    m_nav->setIconSize(QSize(20, 20));
    const struct
    {
        QString text;
        char16_t glyph;
    } items[] = {{tr("General"), 0xE8B8}, {tr("Register"), 0xE8EF}, {tr("Data & Sync"), 0xE627}, {tr("About"), 0xE88E}};
    for (const auto& item : items) {
        auto* navItem = new QListWidgetItem(item.text, m_nav);
        navItem->setData(Qt::UserRole, int(item.glyph));
    }
    followTheme(m_nav, [this] { styleNavigation(); });

    m_pages = new QStackedWidget;
    m_pages->addWidget(createGeneralPage());
    m_pages->addWidget(createRegisterPage());
    m_pages->addWidget(createDataSyncPage());
    m_pages->addWidget(createAboutPage());

    m_nav->setCurrentRow(0);
    connect(m_nav, &QListWidget::currentRowChanged, this, &SettingsScreen::onCategoryChanged);

    layout->addWidget(m_nav, 0);
    layout->addWidget(m_pages, 1);
    styleNavigation();
    // The window is never made too narrow for a choice's text, at any font
    // size or in any language.
    for (QComboBox* combo : findChildren<QComboBox*>())
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
}

SettingsScreen::~SettingsScreen() = default;

QLabel* SettingsScreen::createCaption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kSecondaryText)));
    setFontRole(label, FontRole::Caption);
    return label;
}

QWidget* SettingsScreen::createSectionHeader(const QString& title, const QString& description)
{
    auto* header = new QWidget;
    auto* layout = new QVBoxLayout(header);
    layout->setContentsMargins(0, 0, 0, 8);
    auto* titleLabel = new QLabel(title);
    setFontRole(titleLabel, FontRole::Subtitle);
    layout->addWidget(titleLabel);
    if (!description.isEmpty())
        layout->addWidget(createCaption(description));
    return header;
}

QFrame* SettingsScreen::createSeparator()
{
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setObjectName(QStringLiteral("settingsSeparator"));
    return line;
}

void SettingsScreen::updateAccentSwatch(QPushButton* button, const QColor& color, bool selected)
{
    const QString border = selected ? QStringLiteral("border: 2px solid %1;")
                                          .arg(isDarkPalette() ? QStringLiteral("#FFFFFF") : QStringLiteral("#12211B"))
                                    : QStringLiteral("border: 1px solid rgba(0, 0, 0, 0.25);");
    button->setStyleSheet(QStringLiteral("QPushButton { background-color: %1; border-radius: %2px; %3 }")
                              .arg(color.name().toLower())
                              .arg(button->width() / 2)
                              .arg(border));
}

// ---- General ----

QWidget* SettingsScreen::createGeneralPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = startPage(page, tr("General"), 12);
    PreferencesRepository* prefs = m_appState->preferences();

    layout->addWidget(createSectionHeader(tr("Appearance"), tr("Control how Larkspur Tallyleaf looks.")));
    QFormLayout* appearance = createForm();

    m_themeCombo = new QComboBox;
    m_themeCombo->setObjectName(QStringLiteral("themeCombo"));
    m_themeCombo->addItem(tr("System Default"), QStringLiteral("system"));
    m_themeCombo->addItem(tr("Light"), QStringLiteral("light"));
    m_themeCombo->addItem(tr("Dark"), QStringLiteral("dark"));
    selectData(m_themeCombo, prefs->valueOr(QStringLiteral("theme"), QStringLiteral("system")));
    connect(m_themeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onThemeChanged);
    appearance->addRow(tr("Theme"), m_themeCombo);

    auto* accentRow = new QWidget;
    auto* accentLayout = new QHBoxLayout(accentRow);
    accentLayout->setContentsMargins(0, 0, 0, 0);
    m_accentButton = new QPushButton;
    m_accentButton->setObjectName(QStringLiteral("accentButton"));
    m_accentButton->setFixedSize(28, 28);
    m_accentButton->setCursor(Qt::PointingHandCursor);
    m_accentButton->setToolTip(tr("Choose accent color"));
    updateAccentSwatch(m_accentButton, QColor(prefs->valueOr(QStringLiteral("accentColor"), kDefaultAccent)), false);
    connect(m_accentButton, &QPushButton::clicked, this, &SettingsScreen::openAccentDialog);
    accentLayout->addWidget(m_accentButton);
    accentLayout->addStretch();
    appearance->addRow(tr("Accent color"), accentRow);

    m_fontSizeCombo = new QComboBox;
    m_fontSizeCombo->setObjectName(QStringLiteral("fontSizeCombo"));
    m_fontSizeCombo->addItem(tr("Small"), 85);
    m_fontSizeCombo->addItem(tr("Default"), 100);
    m_fontSizeCombo->addItem(tr("Medium"), 115);
    m_fontSizeCombo->addItem(tr("Large"), 130);
    m_fontSizeCombo->addItem(tr("Extra Large"), 150);
    const int scaleIndex = m_fontSizeCombo->findData(fontScalePercent());
    m_fontSizeCombo->setCurrentIndex(scaleIndex >= 0 ? scaleIndex : m_fontSizeCombo->findData(100));
    connect(m_fontSizeCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onFontScaleChanged);
    appearance->addRow(tr("Font size"), m_fontSizeCombo);
    layout->addLayout(appearance);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addWidget(createSectionHeader(tr("Regional"), tr("Date and calendar preferences.")));
    QFormLayout* regional = createForm();

    m_weekStartCombo = new QComboBox;
    m_weekStartCombo->setObjectName(QStringLiteral("weekStartCombo"));
    m_weekStartCombo->addItem(tr("Sunday"), 7);
    m_weekStartCombo->addItem(tr("Monday"), 1);
    m_weekStartCombo->addItem(tr("Saturday"), 6);
    const std::optional<QString> storedWeekStart = prefs->value(QStringLiteral("weekStartDay"));
    selectData(m_weekStartCombo,
               storedWeekStart ? storedWeekStart->toInt() : int(QLocale::system().firstDayOfWeek()));
    connect(m_weekStartCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onWeekStartChanged);
    regional->addRow(tr("Week starts on"), m_weekStartCombo);

    m_languageCombo = new QComboBox;
    m_languageCombo->setObjectName(QStringLiteral("languageCombo"));
    m_languageCombo->addItem(tr("System Default"), QStringLiteral("system"));
    // Each language under its own name, so it can be found whatever the
    // interface language.
    m_languageCombo->addItem(QStringLiteral("English"), QStringLiteral("en"));
    m_languageCombo->addItem(QStringLiteral("Español"), QStringLiteral("es"));
    m_languageCombo->addItem(QStringLiteral("Deutsch"), QStringLiteral("de"));
    m_languageCombo->addItem(QStringLiteral("Français"), QStringLiteral("fr"));
    m_languageCombo->addItem(QStringLiteral("日本語"), QStringLiteral("ja"));
    selectData(m_languageCombo, Application::uiLanguage(false));
    connect(m_languageCombo, &QComboBox::currentIndexChanged, this, &SettingsScreen::onLanguageChanged);
    regional->addRow(tr("Language"), m_languageCombo);
    layout->addLayout(regional);

    layout->addStretch();
    return page;
}

void SettingsScreen::onCategoryChanged(int row)
{
    m_pages->setCurrentIndex(row);
}

void SettingsScreen::onThemeChanged(int index)
{
    if (ThemeManager* theme = m_appState->themeManager())
        theme->setThemeName(m_themeCombo->itemData(index).toString());
}

void SettingsScreen::onFontScaleChanged(int index)
{
    if (ThemeManager* theme = m_appState->themeManager())
        theme->setFontScale(m_fontSizeCombo->itemData(index).toInt());
}

void SettingsScreen::onWeekStartChanged(int index)
{
    const int day = m_weekStartCombo->itemData(index).toInt();
    m_appState->preferences()->setInt(QStringLiteral("weekStartDay"), day);
    // Calendars read it when they are set up, so the next popup follows.
    weekStartDayRef() = day;
}

void SettingsScreen::onLanguageChanged(int index)
{
    const QString code = m_languageCombo->itemData(index).toString();
    if (code.isEmpty() || code == Application::uiLanguage(false))
        return;
    Application::setUiLanguage(code);
    MessageBoxes::information(this, tr("Language Changed"),
                              tr("The new language will take effect the next time you start Larkspur Tallyleaf."));
}

// ---- Register ----

QWidget* SettingsScreen::createRegisterPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = startPage(page, tr("Register"), 12);
    PreferencesRepository* prefs = m_appState->preferences();

    // A check box with its help line indented under the box's text.
    auto addOption = [prefs](QVBoxLayout* group, const QString& text, const QString& key, const QString& help) {
        auto* box = new QCheckBox(text);
        box->setObjectName(key);
        box->setChecked(prefs->boolValue(key, false));
        group->addWidget(box);
        QLabel* helpLabel = createCaption(help);
        helpLabel->setContentsMargins(24, 0, 0, 0);
        group->addWidget(helpLabel);
        return box;
    };

    layout->addWidget(createSectionHeader(tr("Display"), tr("How transactions appear in the register.")));
    QVBoxLayout* display = createGroup();
    m_twoLineCheck = addOption(display, tr("Two-line rows"), QStringLiteral("registerTwoLine"),
                               tr("Show memo on a second line below the payee."));
    m_autoDecimalCheck = addOption(display, tr("Auto-decimal point"), QStringLiteral("amountAutoDecimal"),
                                   tr("Type 1234 to enter 12.34. The last two digits are always cents."));
    layout->addLayout(display);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    layout->addWidget(
        createSectionHeader(tr("Sorting"), tr("Control the order of transactions in the register.")));
    QVBoxLayout* sorting = createGroup();
    m_newestFirstCheck = addOption(sorting, tr("Show newest transactions first"), QStringLiteral("registerNewestFirst"),
                                   tr("When enabled, the most recent transactions appear at the top."));
    layout->addLayout(sorting);
    layout->addStretch();

    connect(m_twoLineCheck, &QCheckBox::toggled, this, &SettingsScreen::onTwoLineModeChanged);
    connect(m_autoDecimalCheck, &QCheckBox::toggled, this, &SettingsScreen::onAutoDecimalChanged);
    connect(m_newestFirstCheck, &QCheckBox::toggled, this, &SettingsScreen::onRegisterOrderChanged);
    return page;
}

void SettingsScreen::onRegisterOrderChanged(bool checked)
{
    m_appState->preferences()->setBool(QStringLiteral("registerNewestFirst"), checked);
}

void SettingsScreen::onTwoLineModeChanged(bool checked)
{
    m_appState->preferences()->setBool(QStringLiteral("registerTwoLine"), checked);
}

void SettingsScreen::onAutoDecimalChanged(bool checked)
{
    m_appState->preferences()->setBool(QStringLiteral("amountAutoDecimal"), checked);
    setAmountAutoDecimal(checked);
}

// ---- Accent colour ----

void SettingsScreen::onAccentChanged(const QColor& color)
{
    if (ThemeManager* theme = m_appState->themeManager())
        theme->setAccentColor(color);
    if (m_accentButton)
        updateAccentSwatch(m_accentButton, color, false);
}

void SettingsScreen::openAccentDialog()
{
    QDialog dialog(this);
    dialog.setWindowTitle(tr("Accent color"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* grid = new QGridLayout;
    grid->setSpacing(12);
    layout->addLayout(grid);

    const QString current =
        m_appState->preferences()->valueOr(QStringLiteral("accentColor"), kDefaultAccent);
    static const char* const swatches[] = {"#00897B", "#1E88E5", "#3949AB", "#8E24AA",
                                           "#D81B60", "#2E7D32", "#F9A825", "#546E7A"};
    for (int i = 0; i < 8; ++i) {
        const QColor color(QLatin1String(swatches[i]));
        auto* swatch = new QPushButton;
        swatch->setFixedSize(36, 36);
        swatch->setCursor(Qt::PointingHandCursor);
        swatch->setToolTip(color.name().toLower());
        updateAccentSwatch(swatch, color, color.name().compare(current, Qt::CaseInsensitive) == 0);
        connect(swatch, &QPushButton::clicked, &dialog, [this, &dialog, color] {
            onAccentChanged(color);
            dialog.accept();
        });
        grid->addWidget(swatch, i / 4, i % 4);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    MessageBoxes::exec(&dialog);
}

// ---- About ----

QWidget* SettingsScreen::createAboutPage()
{
    auto* page = new QWidget;
    QVBoxLayout* layout = startPage(page, tr("About"), 16);

    auto* product = new QLabel(tr("Larkspur Tallyleaf"));
    setFontRole(product, FontRole::Heading);
    layout->addWidget(product);

    m_versionLabel = new QLabel(tr("Version %1").arg(QCoreApplication::applicationVersion()));
    m_versionLabel->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(kSecondaryText)));
    layout->addWidget(m_versionLabel);

    layout->addSpacing(16);
    auto* description = new QLabel(tr("A digital tallyleaf register for tracking household finances."));
    description->setWordWrap(true);
    layout->addWidget(description);

    layout->addSpacing(16);
    layout->addWidget(createSeparator());
    layout->addSpacing(12);
    auto* linksTitle = new QLabel(tr("Links"));
    setFontRole(linksTitle, FontRole::Subtitle);
    layout->addWidget(linksTitle);
    auto* links = new QLabel;
    links->setTextFormat(Qt::RichText);
    links->setOpenExternalLinks(true);
    links->setContentsMargins(12, 0, 0, 0);
    const QString linksText = QStringLiteral("<a href=\"https://larkspur.app/tallyleaf\">%1</a><br>"
                                             "<a href=\"https://larkspur.app/tallyleaf/mobile\">%2</a>")
                                  .arg(tr("Website"), tr("Tallyleaf for iPhone and Android"));
    // Rich text takes the palette's link colour when it is read, so the
    // text is read again under each new theme (a label ignores being given
    // the text it already has, hence the clear).
    followTheme(links, [links, linksText] {
        links->clear();
        links->setText(linksText);
    });
    layout->addWidget(links);

    layout->addStretch();
    layout->addWidget(createCaption(tr("© Larkspur. All rights reserved.") + QLatin1Char('\n') +
                                    tr("This application uses the Qt framework under the LGPL v3 license.")));
    return page;
}
