#include "testsupport.h"

#include "app/appstate.h"
#include "data/money.h"
#include "ui/widgets/datefield.h"
#include "ui/widgets/dateinput.h"
#include "ui/widgets/elidedlabel.h"
#include "ui/widgets/smartamountfield.h"

#include <QAction>
#include <QCalendarWidget>
#include <QLineEdit>
#include <QPointer>
#include <QSignalSpy>

namespace {

QLineEdit* editOf(QAbstractSpinBox& box)
{
    return box.findChild<QLineEdit*>();
}

} // namespace

class TestInputWidgets : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void parseTypedDate_data();
    void parseTypedDate();
    void newFieldShowsToday();
    void typedDateCommitsOnFocusOut_data();
    void typedDateCommitsOnFocusOut();
    void unreadableTextRevertsSilently();
    void shortcutKeys_data();
    void shortcutKeys();
    void shortcutsUseCommittedDate();
    void calendarPopup_data();
    void calendarPopup();
    void plainDownKeyOpensNothing();

    void autoDecimalTyping_data();
    void autoDecimalTyping();
    void autoDecimalRefusesPastMaximum();
    void decimalKeyJumpsPastPoint();
    void plainTyping();

    void elidedLabel();

private:
    void commitTyped(DateField& field, const QString& text);
    void typeAmount(SmartAmountField& field, const QString& keys);
};

void TestInputWidgets::init()
{
    weekStartDayRef() = 7;
    setAmountAutoDecimal(false);
}

void TestInputWidgets::cleanup()
{
    setAmountAutoDecimal(false);
}

void TestInputWidgets::commitTyped(DateField& field, const QString& text)
{
    field.selectAll();
    QTest::keyClicks(&field, text);
    QCOMPARE(field.text(), text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&field, &out);
}

void TestInputWidgets::parseTypedDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("full") << "12/31/1999" << QDate(1999, 12, 31);
    QTest::newRow("padded") << "01/02/2024" << QDate(2024, 1, 2);
    QTest::newRow("short year") << "1/2/24" << QDate(2024, 1, 2);
    QTest::newRow("25 is 2025") << "1/5/25" << QDate(2025, 1, 5);
    QTest::newRow("85 is 1985") << "1/5/85" << QDate(1985, 1, 5);
    QTest::newRow("69 is 2069") << "7/4/69" << QDate(2069, 7, 4);
    QTest::newRow("70 is 1970") << "7/4/70" << QDate(1970, 7, 4);
    QTest::newRow("00 leap day") << "2/29/00" << QDate(2000, 2, 29);
    QTest::newRow("blanks around") << " 3/7/2025 " << QDate(2025, 3, 7);
    QTest::newRow("iso") << "2025-01-05" << QDate();
    QTest::newRow("dots") << "1.5.2025" << QDate();
    QTest::newRow("feb 30") << "2/30/2024" << QDate();
    QTest::newRow("empty") << "" << QDate();
}

void TestInputWidgets::parseTypedDate()
{
    QFETCH(QString, text);
    QFETCH(QDate, expected);

    QCOMPARE(::parseTypedDate(text), expected);
    const QDate fallback(2001, 9, 9);
    QCOMPARE(::parseTypedDate(text, fallback), expected.isValid() ? expected : fallback);
}

void TestInputWidgets::newFieldShowsToday()
{
    DateField field;
    const QDate today = QDate::currentDate();
    QCOMPARE(field.date(), today);
    QCOMPARE(field.text(), today.toString(QStringLiteral("M/d/yyyy")));
    const QList<QAction*> actions = field.actions();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions.first()->toolTip(), QStringLiteral("Open calendar (F4)"));
    QCOMPARE(calendarIcon(field.palette()).availableSizes().value(0), QSize(16, 16));
}

void TestInputWidgets::typedDateCommitsOnFocusOut_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("expected");
    QTest::addColumn<QString>("shown");

    QTest::newRow("padded") << "03/07/2025" << QDate(2025, 3, 7) << "3/7/2025";
    QTest::newRow("two-digit 25") << "1/5/25" << QDate(2025, 1, 5) << "1/5/2025";
    QTest::newRow("two-digit 85") << "1/5/85" << QDate(1985, 1, 5) << "1/5/1985";
}

void TestInputWidgets::typedDateCommitsOnFocusOut()
{
    QFETCH(QString, typed);
    QFETCH(QDate, expected);
    QFETCH(QString, shown);

    DateField field;
    field.setDate(QDate(2020, 6, 1));
    QSignalSpy spy(&field, &DateField::dateChanged);
    commitTyped(field, typed);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toDate(), expected);
    QCOMPARE(field.date(), expected);
    QCOMPARE(field.text(), shown);
}

void TestInputWidgets::unreadableTextRevertsSilently()
{
    DateField field;
    field.setDate(QDate(2025, 3, 7));
    QSignalSpy spy(&field, &DateField::dateChanged);
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("abc"));
    QCOMPARE(field.date(), QDate(2025, 3, 7));
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&field, &out);
    QCOMPARE(field.text(), QStringLiteral("3/7/2025"));
    QCOMPARE(spy.count(), 0);
}

void TestInputWidgets::shortcutKeys_data()
{
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("weekStart");
    QTest::addColumn<QDate>("expected");

    const QDate today = QDate::currentDate();
    QTest::newRow("t") << QDate(2024, 2, 15) << "t" << 7 << today;
    QTest::newRow("+ year end") << QDate(2024, 12, 31) << "+" << 7 << QDate(2025, 1, 1);
    QTest::newRow("- into leap day") << QDate(2024, 3, 1) << "-" << 7 << QDate(2024, 2, 29);
    QTest::newRow("h leap") << QDate(2024, 2, 15) << "h" << 7 << QDate(2024, 2, 29);
    QTest::newRow("H") << QDate(2023, 2, 15) << "H" << 7 << QDate(2023, 2, 28);
    QTest::newRow("r") << QDate(2024, 7, 9) << "r" << 7 << QDate(2024, 12, 31);
    // 2024-03-10 is a Sunday.
    QTest::newRow("w sunday, sunday weeks") << QDate(2024, 3, 10) << "w" << 7 << QDate(2024, 3, 10);
    QTest::newRow("k sunday, sunday weeks") << QDate(2024, 3, 10) << "k" << 7 << QDate(2024, 3, 16);
    QTest::newRow("w saturday, sunday weeks") << QDate(2024, 3, 16) << "w" << 7 << QDate(2024, 3, 10);
    // The week-start preference does not move "w" and "k".
    QTest::newRow("w sunday, monday weeks") << QDate(2024, 3, 10) << "w" << 1 << QDate(2024, 3, 10);
    QTest::newRow("k monday, monday weeks") << QDate(2024, 3, 11) << "k" << 1 << QDate(2024, 3, 16);
    QTest::newRow("w friday, saturday weeks") << QDate(2024, 3, 15) << "w" << 6 << QDate(2024, 3, 10);
    QTest::newRow("w across year") << QDate(2025, 1, 1) << "w" << 7 << QDate(2024, 12, 29);
}

void TestInputWidgets::shortcutKeys()
{
    QFETCH(QDate, start);
    QFETCH(QString, key);
    QFETCH(int, weekStart);
    QFETCH(QDate, expected);

    weekStartDayRef() = weekStart;
    DateField field;
    field.setDate(start);
    QSignalSpy spy(&field, &DateField::dateChanged);
    QTest::keyClick(&field, key.at(0).toLatin1());

    QCOMPARE(field.date(), expected);
    QCOMPARE(spy.count(), expected == start ? 0 : 1);
    QCOMPARE(field.text(), expected.toString(QStringLiteral("M/d/yyyy")));
    // The next typed character replaces the whole text.
    QCOMPARE(field.selectedText(), field.text());
}

void TestInputWidgets::shortcutsUseCommittedDate()
{
    DateField field;
    field.setDate(QDate(2025, 3, 7));
    field.selectAll();
    QTest::keyClicks(&field, QStringLiteral("4/1/2025"));
    QTest::keyClick(&field, '+');
    QCOMPARE(field.date(), QDate(2025, 3, 8));
    QCOMPARE(field.text(), QStringLiteral("3/8/2025"));

    // An invalid committed date counts as today.
    field.setDate(QDate());
    QTest::keyClick(&field, '-');
    QCOMPARE(field.date(), QDate::currentDate().addDays(-1));

    // A key that is no shortcut is typed as usual.
    field.selectAll();
    QTest::keyClick(&field, 'x');
    QCOMPARE(field.text(), QStringLiteral("x"));
}

void TestInputWidgets::calendarPopup_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("opensOn");
    QTest::addColumn<int>("weekStart");

    QTest::newRow("F4 on typed") << int(Qt::Key_F4) << int(Qt::NoModifier) << "4/1/2025" << QDate(2025, 4, 1) << 1;
    QTest::newRow("F4 on committed") << int(Qt::Key_F4) << int(Qt::ShiftModifier) << "4/1" << QDate(2025, 3, 7) << 7;
    QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier) << "12/24/25" << QDate(2025, 12, 24) << 6;
}

void TestInputWidgets::calendarPopup()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, typed);
    QFETCH(QDate, opensOn);
    QFETCH(int, weekStart);

    weekStartDayRef() = weekStart;
    DateField field;
    field.setDate(QDate(2025, 3, 7));
    field.selectAll();
    QTest::keyClicks(&field, typed);
    QSignalSpy spy(&field, &DateField::dateChanged);
    QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QPointer<QCalendarWidget> calendar = field.findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    QVERIFY(calendar->isVisible());
    QCOMPARE(calendar->selectedDate(), opensOn);
    QCOMPARE(int(calendar->firstDayOfWeek()), weekStart);

    emit calendar->clicked(QDate(2025, 5, 20));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(field.date(), QDate(2025, 5, 20));
    QCOMPARE(field.text(), QStringLiteral("5/20/2025"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!calendar);
}

void TestInputWidgets::plainDownKeyOpensNothing()
{
    DateField field;
    QTest::keyClick(&field, Qt::Key_Down);
    QVERIFY(!field.findChild<QCalendarWidget*>());

    // Picking the committed date again changes nothing.
    field.setDate(QDate(2025, 3, 7));
    QSignalSpy spy(&field, &DateField::dateChanged);
    field.openCalendarPopup();
    QCalendarWidget* calendar = field.findChild<QCalendarWidget*>();
    QVERIFY(calendar);
    emit calendar->clicked(QDate(2025, 3, 7));
    QCOMPARE(spy.count(), 0);
}

void TestInputWidgets::typeAmount(SmartAmountField& field, const QString& keys)
{
    editOf(field)->selectAll();
    QTest::keyClicks(&field, keys);
}

void TestInputWidgets::autoDecimalTyping_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("shown");

    QTest::newRow("1999") << "1999" << 19.99 << "$ 19.99";
    QTest::newRow("5") << "5" << 0.05 << "$ 0.05";
    QTest::newRow("ten digits") << "1234567890" << 12345678.90 << "$ 12,345,678.90";
    QTest::newRow("negative") << "-1234" << -12.34 << "$ -12.34";
}

void TestInputWidgets::autoDecimalTyping()
{
    QFETCH(QString, keys);
    QFETCH(double, value);
    QFETCH(QString, shown);

    setAmountAutoDecimal(true);
    SmartAmountField field;
    field.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    field.setRange(-99999999.99, 99999999.99);
    field.setPrefix(QStringLiteral("$ "));
    typeAmount(field, keys);
    QCOMPARE(field.value(), value);
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.value(), value);
    QCOMPARE(field.text(), shown);
}

void TestInputWidgets::autoDecimalRefusesPastMaximum()
{
    setAmountAutoDecimal(true);
    SmartAmountField field;
    field.setRange(0, 99999999.99);
    typeAmount(field, QStringLiteral("12345678901"));
    QCOMPARE(editOf(field)->text(), QStringLiteral("1234567890"));
    QCOMPARE(field.value(), 12345678.90);
    typeAmount(field, QStringLiteral("-5"));
    QCOMPARE(field.value(), 0.05);
    // The decimal key types nothing: digits alone make the amount.
    typeAmount(field, QStringLiteral("12.34"));
    QCOMPARE(editOf(field)->text(), QStringLiteral("1234"));
}

void TestInputWidgets::decimalKeyJumpsPastPoint()
{
    SmartAmountField field;
    field.setRange(0, 99999999.99);
    field.setValue(12.0);
    QCOMPARE(editOf(field)->text(), QStringLiteral("12.00"));
    editOf(field)->setCursorPosition(0);
    QTest::keyClick(&field, '.');
    QCOMPARE(editOf(field)->text(), QStringLiteral("12.00"));
    QCOMPARE(editOf(field)->cursorPosition(), 3);
    QVERIFY(!editOf(field)->hasSelectedText());
}

void TestInputWidgets::plainTyping()
{
    SmartAmountField field;
    field.setRange(0, 99999999.99);
    typeAmount(field, QStringLiteral("1999"));
    QCOMPARE(field.value(), 1999.0);
    typeAmount(field, QStringLiteral("12.5"));
    QCOMPARE(field.value(), 12.5);

    // Grouped display must not get in the way of typing.
    field.setLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    typeAmount(field, QStringLiteral("1234567.89"));
    QTest::keyClick(&field, Qt::Key_Return);
    QCOMPARE(field.value(), 1234567.89);
    QCOMPARE(editOf(field)->text(), QStringLiteral("1,234,567.89"));
    typeAmount(field, QStringLiteral("1,234.5"));
    QCOMPARE(field.value(), 1234.5);

    // Switching the mode applies to an open field at once.
    setAmountAutoDecimal(true);
    typeAmount(field, QStringLiteral("125"));
    QCOMPARE(field.value(), 1.25);
}

void TestInputWidgets::elidedLabel()
{
    ElidedLabel label;
    QCOMPARE(label.minimumSizeHint().width(), 0);
    const QString text = QStringLiteral("Joint Checking at the Credit Union Downtown");
    label.setFullText(text);
    QCOMPARE(label.text(), text);
    QCOMPARE(label.sizeHint().width(), label.fontMetrics().horizontalAdvance(text));

    label.resize(80, 20);
    const QString narrow = label.elidedText();
    QVERIFY(narrow.endsWith(QChar(0x2026)));
    QVERIFY(text.startsWith(narrow.chopped(1)));
    label.resize(200, 20);
    const QString wider = label.elidedText();
    QVERIFY(wider.size() > narrow.size());
    label.resize(label.sizeHint().width() + 10, 20);
    QCOMPARE(label.elidedText(), text);
    QVERIFY(!label.grab().isNull());
}

TALLYLEAF_TEST_MAIN(TestInputWidgets)
#include "tst_inputwidgets.moc"
