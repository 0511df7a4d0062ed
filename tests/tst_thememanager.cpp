#include "testsupport.h"

#include "account/ui/accountwidgets.h"
#include "app/appstate.h"
#include "data/preferencesrepository.h"
#include "ui/style.h"
#include "ui/thememanager.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyleOption>
#include <QSignalSpy>

class TestThemeManager : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void roleFontSizes_data();
    void roleFontSizes();
    void pixelSizedBaseScalesFromTen();
    void scaleDoesNotCompound();
    void fontScaleIsClamped_data();
    void fontScaleIsClamped();
    void markedWidgetKeepsRoleAndWeight();

    void themeNames_data();
    void themeNames();
    void systemThemeFollowsPlatformScheme_data();
    void systemThemeFollowsPlatformScheme();

    void invalidAccentIsIgnored();
    void validAccentSavesAndRestyles();
    void openWidgetsFollowThemeSwitch();
    void accentButtonStyleSheetText();
    void accentButtonTextColour_data();
    void accentButtonTextColour();
    void darkControlsAreVisible_data();
    void darkControlsAreVisible();
    void linksAreReadable_data();
    void linksAreReadable();

private:
    std::unique_ptr<TestSupport::TempDatabase> m_db;
    std::unique_ptr<PreferencesRepository> m_prefs;
};

void TestThemeManager::initTestCase()
{
    m_db = std::make_unique<TestSupport::TempDatabase>();
    m_prefs = std::make_unique<PreferencesRepository>(m_db->db());
}

void TestThemeManager::cleanupTestCase()
{
    m_prefs.reset();
    m_db.reset();
}

void TestThemeManager::init()
{
    TestSupport::exec(QStringLiteral("DELETE FROM preferences"));
    QFont base = QApplication::font();
    base.setPointSize(9);
    baseApplicationFont() = base;
    fontScalePercentRef() = 100;
    accentColorRef() = QColor(QStringLiteral("#00897B"));
    ThemeManager::setColorSchemeProvider({});
}

void TestThemeManager::cleanup()
{
    ThemeManager::setColorSchemeProvider({});
}

void TestThemeManager::roleFontSizes_data()
{
    QTest::addColumn<int>("scale");
    QTest::addColumn<int>("role");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("weight");

    const int normal = QFont().weight();
    QTest::newRow("100 body") << 100 << 0 << 9 << normal;
    QTest::newRow("100 caption") << 100 << 2 << 7 << normal;
    QTest::newRow("100 title") << 100 << 4 << 13 << 600;
    QTest::newRow("100 heading") << 100 << 5 << 17 << 600;
    QTest::newRow("100 display") << 100 << 6 << 23 << 700;
    QTest::newRow("70 body") << 70 << 0 << 6 << normal;
    QTest::newRow("70 caption floor") << 70 << 2 << 7 << normal;
    QTest::newRow("70 display") << 70 << 6 << 20 << 700;
    QTest::newRow("115 body") << 115 << 0 << 10 << normal;
    QTest::newRow("role 9 is body") << 100 << 9 << 9 << normal;
    QTest::newRow("role -1 is body") << 100 << -1 << 9 << normal;
}

void TestThemeManager::roleFontSizes()
{
    QFETCH(int, scale);
    QFETCH(int, role);
    QFETCH(int, points);
    QFETCH(int, weight);

    fontScalePercentRef() = scale;
    const QFont font = roleFont(static_cast<FontRole>(role));
    QCOMPARE(font.pointSize(), points);
    QCOMPARE(font.weight(), weight);
}

void TestThemeManager::pixelSizedBaseScalesFromTen()
{
    QFont base = QApplication::font();
    base.setPixelSize(13);
    baseApplicationFont() = base;
    fontScalePercentRef() = 70;
    QCOMPARE(scaledFont().pointSize(), 7);
    QCOMPARE(roleFont(FontRole::Title).pointSize(), 11);
}

void TestThemeManager::scaleDoesNotCompound()
{
    ThemeManager manager(m_prefs.get());
    manager.setFontScale(150);
    QCOMPARE(QApplication::font().pointSize(), 13);
    manager.setFontScale(100);
    QCOMPARE(QApplication::font().pointSize(), 9);
    QCOMPARE(scaledFont().pointSize(), 9);
    QCOMPARE(baseApplicationFont().pointSize(), 9);
}

void TestThemeManager::fontScaleIsClamped_data()
{
    QTest::addColumn<int>("requested");
    QTest::addColumn<int>("stored");

    QTest::newRow("below") << 50 << 70;
    QTest::newRow("low edge") << 70 << 70;
    QTest::newRow("inside") << 115 << 115;
    QTest::newRow("high edge") << 160 << 160;
    QTest::newRow("above") << 200 << 160;
}

void TestThemeManager::fontScaleIsClamped()
{
    QFETCH(int, requested);
    QFETCH(int, stored);

    ThemeManager manager(m_prefs.get());
    QSignalSpy scaleSpy(&manager, &ThemeManager::fontScaleChanged);
    QSignalSpy themeSpy(&manager, &ThemeManager::themeChanged);
    manager.setFontScale(requested);

    QCOMPARE(fontScalePercent(), stored);
    QCOMPARE(m_prefs->value(QStringLiteral("fontScale")), std::optional<QString>(QString::number(stored)));
    QCOMPARE(m_prefs->value(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("system")));
    QCOMPARE(scaleSpy.count(), 1);
    QCOMPARE(scaleSpy.at(0).at(0).toInt(), stored);
    QCOMPARE(themeSpy.count(), 1);
}

void TestThemeManager::markedWidgetKeepsRoleAndWeight()
{
    ThemeManager manager(m_prefs.get());
    QLabel title;
    applyFontRole(&title, static_cast<int>(FontRole::Title), 400);
    QLabel caption;
    caption.setProperty(FontItalicProperty, true);
    setFontRole(&caption, FontRole::Caption);
    QCOMPARE(title.font().pointSize(), 13);
    QCOMPARE(title.font().weight(), 400);

    manager.setFontScale(130); // S = 11
    QCOMPARE(title.property(FontRoleProperty).toInt(), static_cast<int>(FontRole::Title));
    QCOMPARE(title.property(FontWeightProperty).toInt(), 400);
    QCOMPARE(title.font().pointSize(), 15);
    QCOMPARE(title.font().weight(), 400);
    QCOMPARE(caption.font().pointSize(), 9);
    QVERIFY(caption.font().italic());
}

void TestThemeManager::themeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("theme");
    QTest::addColumn<QString>("saved");

    QTest::newRow("light") << "light" << int(ThemeManager::Light) << "light";
    QTest::newRow("dark") << "dark" << int(ThemeManager::Dark) << "dark";
    QTest::newRow("system") << "system" << int(ThemeManager::System) << "system";
    QTest::newRow("capital") << "Dark" << int(ThemeManager::System) << "system";
    QTest::newRow("empty") << "" << int(ThemeManager::System) << "system";
    QTest::newRow("unknown") << "sepia" << int(ThemeManager::System) << "system";
}

void TestThemeManager::themeNames()
{
    QFETCH(QString, name);
    QFETCH(int, theme);
    QFETCH(QString, saved);

    ThemeManager::setColorSchemeProvider([] { return ThemeManager::ColorScheme::Light; });
    ThemeManager manager(m_prefs.get());
    QSignalSpy spy(&manager, &ThemeManager::themeChanged);
    manager.setThemeName(name);

    QCOMPARE(int(manager.theme()), theme);
    QCOMPARE(m_prefs->value(QStringLiteral("theme")), std::optional<QString>(saved));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<ThemeManager::Theme>(), ThemeManager::Theme(theme));
    QCOMPARE(isDarkPalette(), theme == ThemeManager::Dark);
}

void TestThemeManager::systemThemeFollowsPlatformScheme_data()
{
    QTest::addColumn<int>("scheme");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("negative");
    QTest::addColumn<QString>("positive");

    QTest::newRow("dark") << int(ThemeManager::ColorScheme::Dark) << true << "#ff8a80" << "#66bb6a";
    QTest::newRow("light") << int(ThemeManager::ColorScheme::Light) << false << "#c62828" << "#2e7d32";
    QTest::newRow("unknown") << int(ThemeManager::ColorScheme::Unknown) << false << "#c62828" << "#2e7d32";
}

void TestThemeManager::systemThemeFollowsPlatformScheme()
{
    QFETCH(int, scheme);
    QFETCH(bool, dark);
    QFETCH(QString, negative);
    QFETCH(QString, positive);

    ThemeManager::setColorSchemeProvider([scheme] { return ThemeManager::ColorScheme(scheme); });
    ThemeManager manager(m_prefs.get());
    manager.setTheme(ThemeManager::System);

    QCOMPARE(isDarkPalette(), dark);
    QCOMPARE(negativeColor().name(), negative);
    QCOMPARE(positiveColor().name(), positive);
    QCOMPARE(QApplication::palette().color(QPalette::Highlight).name(), dark ? QStringLiteral("#00b9a6") : QStringLiteral("#00897b"));

    // An explicit choice wins over the platform.
    manager.setTheme(dark ? ThemeManager::Light : ThemeManager::Dark);
    QCOMPARE(isDarkPalette(), !dark);
}

void TestThemeManager::invalidAccentIsIgnored()
{
    ThemeManager manager(m_prefs.get());
    QSignalSpy themeSpy(&manager, &ThemeManager::themeChanged);
    QSignalSpy accentSpy(&manager, &ThemeManager::accentChanged);
    manager.setAccentColor(QColor());
    manager.setAccentColor(QColor(QStringLiteral("not a colour")));

    QCOMPARE(themeSpy.count(), 0);
    QCOMPARE(accentSpy.count(), 0);
    QVERIFY(!m_prefs->value(QStringLiteral("accentColor")));
    QVERIFY(!m_prefs->value(QStringLiteral("theme")));
    QCOMPARE(accentColorRef().name(), QStringLiteral("#00897b"));
}

void TestThemeManager::validAccentSavesAndRestyles()
{
    ThemeManager::setColorSchemeProvider([] { return ThemeManager::ColorScheme::Light; });
    ThemeManager manager(m_prefs.get());
    QPushButton accentButton;
    setAccentButton(&accentButton);
    QPushButton plain;
    plain.setStyleSheet(QStringLiteral("color: red;"));

    QStringList order;
    connect(&manager, &ThemeManager::themeChanged, this, [&order] { order << QStringLiteral("theme"); });
    connect(&manager, &ThemeManager::accentChanged, this, [&order] { order << QStringLiteral("accent"); });
    QSignalSpy accentSpy(&manager, &ThemeManager::accentChanged);

    manager.setAccentColor(QColor(QStringLiteral("#FFA726")));

    QCOMPARE(order, (QStringList{QStringLiteral("theme"), QStringLiteral("accent")}));
    QCOMPARE(accentSpy.at(0).at(0).value<QColor>(), QColor(QStringLiteral("#FFA726")));
    QCOMPARE(m_prefs->value(QStringLiteral("accentColor")), std::optional<QString>(QStringLiteral("#ffa726")));
    QCOMPARE(m_prefs->value(QStringLiteral("theme")), std::optional<QString>(QStringLiteral("system")));
    QCOMPARE(QApplication::palette().color(QPalette::Highlight).name(), QStringLiteral("#ffa726"));
    QVERIFY(accentButton.styleSheet().startsWith(QStringLiteral("QPushButton {  background-color: #ffa726;")));
    QCOMPARE(plain.styleSheet(), QStringLiteral("color: red;"));
}

void TestThemeManager::openWidgetsFollowThemeSwitch()
{
    ThemeManager manager(m_prefs.get());
    manager.setTheme(ThemeManager::Light);
    QLabel caption; // a secondary text of the account window
    LarkAccount::AccountWidgets::setSecondaryColor(&caption);
    QLabel amount;
    followTheme(&amount, [&amount] { amount.setStyleSheet(negativeColor().name()); });
    const QString lightNegative = amount.styleSheet();

    manager.setTheme(ThemeManager::Dark);

    QCOMPARE(caption.palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::PlaceholderText));
    QCOMPARE(amount.styleSheet(), negativeColor().name());
    QVERIFY(amount.styleSheet() != lightNegative);
}

void TestThemeManager::accentButtonStyleSheetText()
{
    QCOMPARE(accentButtonStyleSheet(),
             QStringLiteral("QPushButton {  background-color: #00897b;  color: #FFFFFF;  border: none;  "
                            "border-radius: 4px;  padding: 6px 16px;  font-weight: 600;  min-width: 80px;}"
                            "QPushButton:hover {  background-color: #00776b;}"
                            "QPushButton:pressed {  background-color: #006258;}"));
}

void TestThemeManager::accentButtonTextColour_data()
{
    QTest::addColumn<QString>("accent");
    QTest::addColumn<QString>("text");

    QTest::newRow("teal") << "#00897B" << "#FFFFFF";
    QTest::newRow("orange") << "#FFA726" << "#12211B";
    QTest::newRow("just dark") << "#969696" << "#FFFFFF";  // 150000
    QTest::newRow("threshold") << "#979797" << "#12211B"; // 151000
}

void TestThemeManager::accentButtonTextColour()
{
    QFETCH(QString, accent);
    QFETCH(QString, text);

    accentColorRef() = QColor(accent);
    QVERIFY(accentButtonStyleSheet().contains(QStringLiteral("  color: %1;").arg(text)));
}

void TestThemeManager::linksAreReadable_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("accent");
    for (const bool dark : {false, true}) {
        for (const char* accent : {"#00897B", "#004D40", "#1A237E", "#FFEB3B", "#9E9E9E"}) {
            QTest::addRow("%s %s", dark ? "dark" : "light", accent) << dark << QString::fromLatin1(accent);
        }
    }
}

void TestThemeManager::linksAreReadable()
{
    QFETCH(bool, dark);
    QFETCH(QString, accent);
    const QPalette palette = themePalette(dark, QColor(accent));
    const QColor link = palette.color(QPalette::Link);
    // WCAG AA for body text: 4.5:1 on the base and the window colour.
    QVERIFY2(contrastRatio(link, palette.color(QPalette::Base)) >= 4.5, qPrintable(link.name()));
    QVERIFY2(contrastRatio(link, palette.color(QPalette::Window)) >= 4.5, qPrintable(link.name()));
    QCOMPARE(qRound(contrastRatio(Qt::black, Qt::white) * 10), 210);
}

void TestThemeManager::darkControlsAreVisible_data()
{
    QTest::addColumn<QString>("part");
    QTest::newRow("check box") << "check box";
    QTest::newRow("radio button") << "radio button";
    QTest::newRow("spin-box frame") << "spin-box frame";
    QTest::newRow("line-edit frame") << "line-edit frame";
    QTest::newRow("spin-box arrows") << "spin-box arrows";
    QTest::newRow("disabled spin-box arrows") << "disabled spin-box arrows";
}

// The middle of a spin-box button: its arrow and the button around it.
static QRect arrowArea(const QRect& button)
{
    QRect area(0, 0, button.width() / 2, button.height() / 2 + 1);
    area.moveCenter(button.center());
    return area;
}

// How far a drawn part stands out (lightness, 0..255): an indicator or a
// frame by its pixel farthest from the window colour, the spin box's up
// arrow by the span between it and the button under it.
static int partContrast(const QString& part)
{
    std::unique_ptr<QWidget> widget;
    QRect area;
    if (part == QLatin1String("line-edit frame")) {
        auto* edit = new QLineEdit;
        widget.reset(edit);
        edit->resize(edit->sizeHint());
        area = QRect(0, edit->height() / 4, 2, edit->height() / 2);
    } else if (part.contains(QLatin1String("spin-box"))) {
        auto* spin = new QSpinBox;
        widget.reset(spin);
        spin->setEnabled(!part.startsWith(QLatin1String("disabled")));
        spin->resize(spin->sizeHint());
        QStyleOptionSpinBox option;
        option.initFrom(spin);
        option.subControls = QStyle::SC_All;
        option.stepEnabled = QAbstractSpinBox::StepUpEnabled | QAbstractSpinBox::StepDownEnabled;
        area = part.endsWith(QLatin1String("frame"))
            ? QRect(0, spin->height() / 4, 2, spin->height() / 2)
            : arrowArea(spin->style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxUp, spin));
    } else {
        const bool check = part == QLatin1String("check box");
        QAbstractButton* button = check ? static_cast<QAbstractButton*>(new QCheckBox) : new QRadioButton;
        widget.reset(button);
        button->resize(button->sizeHint());
        QStyleOptionButton option;
        option.initFrom(button);
        area = button->style()->subElementRect(check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                                               &option, button);
    }
    const QImage image = widget->grab().toImage();
    const int window = QApplication::palette().color(QPalette::Window).lightness();
    int lowest = 255;
    int highest = 0;
    int farthest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int l = image.pixelColor(x, y).lightness();
            lowest = std::min(lowest, l);
            highest = std::max(highest, l);
            farthest = std::max(farthest, std::abs(l - window));
        }
    }
    return part.endsWith(QLatin1String("arrows")) ? highest - lowest : farthest;
}

void TestThemeManager::darkControlsAreVisible()
{
    QFETCH(QString, part);
    ThemeManager manager(m_prefs.get());
    manager.setTheme(ThemeManager::Light);
    const int light = partContrast(part);
    manager.setTheme(ThemeManager::Dark);
    const int dark = partContrast(part);
    // As plain to see as on the light palette.
    QVERIFY2(dark * 10 >= light * 9, qPrintable(QStringLiteral("light %1, dark %2").arg(light).arg(dark)));
}

TALLYLEAF_TEST_MAIN(TestThemeManager)
#include "tst_thememanager.moc"
