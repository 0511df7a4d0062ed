#include "testsupport.h"

#include "ui/widgets/statusbar.h"
#include "ui/thememanager.h"

#include <QLabel>
#include <QProgressBar>
#include <QTranslator>

class TestStatusBar : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    void accountCount_data();
    void accountCount();
    void recurringDue_data();
    void recurringDue();
    void showMessageHidesBusyIndicator();
    void updateColors_data();
    void updateColors();
    void syncStatusIsPlainText();

private:
    QLabel* label(StatusBar& bar, const char* name) { return bar.findChild<QLabel*>(QLatin1String(name)); }

    QTranslator m_translator;
};

void TestStatusBar::initTestCase()
{
    QVERIFY(m_translator.load(QStringLiteral(":/i18n/tallyleaf_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&m_translator));
}

void TestStatusBar::cleanupTestCase()
{
    QCoreApplication::removeTranslator(&m_translator);
}

void TestStatusBar::init()
{
    QApplication::setPalette(themePalette(false, QColor(QStringLiteral("#00897B"))));
}

void TestStatusBar::accountCount_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("text");

    QTest::newRow("none") << 0 << "0 accounts";
    QTest::newRow("one") << 1 << "1 account";
    QTest::newRow("two") << 2 << "2 accounts";
}

void TestStatusBar::accountCount()
{
    QFETCH(int, count);
    QFETCH(QString, text);

    StatusBar bar;
    bar.setAccountCount(count);
    QCOMPARE(label(bar, "accountCountLabel")->text(), text);
}

void TestStatusBar::recurringDue_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("style");

    QTest::newRow("one light") << 1 << false << QStringLiteral("  \u2022  1 recurring due")
                               << "color: #E65100; font-weight: bold;";
    QTest::newRow("three dark") << 3 << true << QStringLiteral("  \u2022  3 recurring due")
                                << "color: #FFA726; font-weight: bold;";
}

void TestStatusBar::recurringDue()
{
    QFETCH(int, count);
    QFETCH(bool, dark);
    QFETCH(QString, text);
    QFETCH(QString, style);

    QApplication::setPalette(themePalette(dark, QColor(QStringLiteral("#00897B"))));
    StatusBar bar;
    QLabel* due = label(bar, "recurringDueLabel");
    bar.setRecurringDueCount(count);
    QVERIFY(!due->isHidden());
    QCOMPARE(due->text(), text);
    QCOMPARE(due->styleSheet(), style);

    bar.setRecurringDueCount(0);
    QVERIFY(due->isHidden());
    QCOMPARE(due->text(), text);
    bar.setRecurringDueCount(count);
    bar.setRecurringDueCount(-4);
    QVERIFY(due->isHidden());

    // Never drawn over a timed message, whichever comes first.
    bar.showMessage(QStringLiteral("Sample data loaded"), 3000);
    bar.setRecurringDueCount(count);
    QVERIFY(due->isHidden());
    bar.clearMessage();
    QVERIFY(!due->isHidden());
    bar.showMessage(QStringLiteral("Saved"), 3000);
    QVERIFY(due->isHidden());
}

void TestStatusBar::showMessageHidesBusyIndicator()
{
    StatusBar bar;
    QLabel* busy = label(bar, "busyLabel");
    auto* busyBar = bar.findChild<QProgressBar*>(QStringLiteral("busyBar"));

    bar.showProgress(QStringLiteral("Signing in…"));
    bar.showProgress(QStringLiteral("Syncing…"));
    QVERIFY(!busy->isHidden());
    QVERIFY(!busyBar->isHidden());
    QCOMPARE(busy->text(), QStringLiteral("Syncing…"));

    bar.showMessage(QStringLiteral("Saved"), 3000);
    QVERIFY(busy->isHidden());
    QVERIFY(busyBar->isHidden());
    QCOMPARE(bar.currentMessage(), QStringLiteral("Saved"));

    bar.showProgress(QStringLiteral("Syncing…"));
    bar.hideProgress();
    QVERIFY(busy->isHidden());
    QVERIFY(busyBar->isHidden());
}

void TestStatusBar::updateColors_data()
{
    QTest::addColumn<bool>("dark");
    QTest::addColumn<QString>("style");

    QTest::newRow("dark") << true << "color: #8FAF9F;";
    QTest::newRow("light") << false << "color: #2A3D33;";
}

void TestStatusBar::updateColors()
{
    QFETCH(bool, dark);
    QFETCH(QString, style);

    QApplication::setPalette(themePalette(dark, QColor(QStringLiteral("#00897B"))));
    StatusBar bar;
    bar.updateColors();
    QCOMPARE(label(bar, "syncLabel")->styleSheet(), style);
    QCOMPARE(label(bar, "accountCountLabel")->styleSheet(), style);
}

void TestStatusBar::syncStatusIsPlainText()
{
    StatusBar bar;
    bar.setSyncStatus(QStringLiteral("<b>ann@example.com</b>"));
    QLabel* sync = label(bar, "syncLabel");
    QCOMPARE(sync->text(), QStringLiteral("<b>ann@example.com</b>"));
    QCOMPARE(sync->textFormat(), Qt::PlainText);
}

TALLYLEAF_TEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
