#include "testsupport.h"

#include "app/application.h"
#include "app/appstate.h"
#include "app/messagefilter.h"
#include "app/paths.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "update/core/version.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QSignalSpy>
#include <QTranslator>

namespace {

// Sets an environment variable for one scope and restores it afterwards.
class EnvGuard
{
public:
    EnvGuard(const char* name, const QByteArray& value)
        : m_name(name), m_old(qgetenv(name)), m_wasSet(qEnvironmentVariableIsSet(name))
    {
        qputenv(name, value);
    }
    ~EnvGuard()
    {
        if (m_wasSet)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_wasSet;
};

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class StartupTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void dataDirectory_data();
    void dataDirectory();
    void emptyDataDirVariableMeansDefault();

    void quietMessages_data();
    void quietMessages();

    void uiLanguage_data();
    void uiLanguage();

    void whatsNew_data();
    void whatsNew();

    void versionParse_data();
    void versionParse();
    void versionOrder();

    void fontScale_data();
    void fontScale();
    void accent_data();
    void accent();
    void weekStart_data();
    void weekStart();

    void initializeFreshThenStoredPreferences();
    void initializeIgnoresUnusablePreferences();
    void setCurrentAccountId();
    void initializeFailsOnForeignFile();
    void initializeFailsOnUnusableDirectory();

    void englishCatalogue();
};

void StartupTest::initTestCase()
{
    // QSettings() without arguments needs the identity the application sets.
    QCoreApplication::setOrganizationName(QStringLiteral("Larkspur"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallyleaf"));
}

void StartupTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
    QSettings().remove(QStringLiteral("ui/language"));
}

void StartupTest::dataDirectory_data()
{
    QTest::addColumn<QString>("relative");
    QTest::newRow("missing nested") << "a/b/c";
    QTest::newRow("trailing slash") << "d/e/";
    QTest::newRow("already there") << ".";
}

void StartupTest::dataDirectory()
{
    QFETCH(QString, relative);
    QTemporaryDir tmp;
    const QString dir = tmp.path() + QLatin1Char('/') + relative;
    EnvGuard env("TALLYLEAF_DATA_DIR", dir.toUtf8());
    QCOMPARE(::dataDirectory(), dir); // unchanged, no normalisation
    QVERIFY(QFileInfo(dir).isDir());
    QCOMPARE(databasePath(), dir + QStringLiteral("/tallyleaf.db"));
}

void StartupTest::emptyDataDirVariableMeansDefault()
{
    QTemporaryDir tmp;
    EnvGuard data("XDG_DATA_HOME", tmp.path().toUtf8());
    EnvGuard env("TALLYLEAF_DATA_DIR", QByteArray(""));
    QVERIFY(qEnvironmentVariableIsSet("TALLYLEAF_DATA_DIR"));
    const QString expected = tmp.path() + QStringLiteral("/Larkspur/Tallyleaf");
    QCOMPARE(::dataDirectory(), expected);
    QVERIFY(QFileInfo(expected).isDir());
    QCOMPARE(databasePath(), expected + QStringLiteral("/tallyleaf.db"));
    QVERIFY(environmentValue("TALLYLEAF_DATA_DIR").isEmpty());
}

void StartupTest::quietMessages_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("debug") << int(QtDebugMsg) << "noise" << QByteArray();
    QTest::newRow("info") << int(QtInfoMsg) << "Applied migration 1 initial" << QByteArray();
    QTest::newRow("warning") << int(QtWarningMsg) << "update check failed: offline"
                             << QByteArray("WARN: update check failed: offline\n");
    QTest::newRow("critical") << int(QtCriticalMsg) << "Failed to open database: x"
                              << QByteArray("Failed to open database: x\n");
    QTest::newRow("fatal") << int(QtFatalMsg) << "gone" << QByteArray("gone\n");
    QTest::newRow("empty warning") << int(QtWarningMsg) << "" << QByteArray("WARN: \n");
}

void StartupTest::quietMessages()
{
    QFETCH(int, type);
    QFETCH(QString, message);
    QFETCH(QByteArray, expected);
    QCOMPARE(formatQuietMessage(QtMsgType(type), message), expected);
}

void StartupTest::uiLanguage_data()
{
    QTest::addColumn<QString>("stored"); // null = not stored
    QTest::addColumn<QString>("systemLocale");
    QTest::addColumn<bool>("resolveSystem");
    QTest::addColumn<QString>("expected");

    QTest::newRow("stored fr") << "fr" << "pt_BR" << true << "fr";
    QTest::newRow("system Brazilian") << "system" << "pt_BR" << true << "en";
    QTest::newRow("system German") << "system" << "de_DE" << true << "de";
    QTest::newRow("unset Japanese") << QString() << "ja_JP" << true << "ja";
    QTest::newRow("unset C locale") << QString() << "C" << true << "en";
    QTest::newRow("unsupported stored") << "xx" << "de_DE" << true << "xx";
    QTest::newRow("not resolved") << "system" << "de_DE" << false << "system";
    QTest::newRow("unset not resolved") << QString() << "de_DE" << false << "system";
    QTest::newRow("case-sensitive") << "FR" << "de_DE" << true << "FR";
}

void StartupTest::uiLanguage()
{
    QFETCH(QString, stored);
    QFETCH(QString, systemLocale);
    QFETCH(bool, resolveSystem);
    QFETCH(QString, expected);
    if (!stored.isNull())
        Application::setUiLanguage(stored);
    QCOMPARE(QSettings().value(QStringLiteral("ui/language")).toString(), stored);
    QLocale::setDefault(QLocale(systemLocale));
    QCOMPARE(Application::uiLanguage(resolveSystem), expected);
}

void StartupTest::whatsNew_data()
{
    QTest::addColumn<QString>("storedKey");
    QTest::addColumn<QString>("legacy");
    QTest::addColumn<bool>("due");
    QTest::addColumn<QString>("keyAfter");

    QTest::newRow("legacy current") << "" << "1.1.5" << false << "1.1.5";
    QTest::newRow("legacy older") << "" << "1.0.9" << true << "1.1.5";
    QTest::newRow("stored older") << "1.1.4" << "" << true << "1.1.5";
    QTest::newRow("stored newer") << "1.2.0" << "" << false << "1.2.0";
    QTest::newRow("stored current wins over legacy") << "1.1.5" << "1.0.0" << false << "1.1.5";
    QTest::newRow("nothing stored") << "" << "" << true << "1.1.5";
    QTest::newRow("unreadable stored") << "next" << "" << true << "1.1.5";
}

void StartupTest::whatsNew()
{
    QFETCH(QString, storedKey);
    QFETCH(QString, legacy);
    QFETCH(bool, due);
    QFETCH(QString, keyAfter);

    TestSupport::TempDatabase db;
    PreferencesRepository prefs(db.db());
    if (!legacy.isEmpty())
        QVERIFY(prefs.setValue(QStringLiteral("last_whats_new_version"), legacy));
    QSettings settings(db.dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    if (!storedKey.isEmpty())
        settings.setValue(QStringLiteral("whatsNew/lastShownVersion"), storedKey);

    QCOMPARE(takeWhatsNewDue(settings, &prefs, QStringLiteral("1.1.5")), due);
    QCOMPARE(settings.value(QStringLiteral("whatsNew/lastShownVersion")).toString(), keyAfter);
    // The legacy preference stays in place.
    QCOMPARE(prefs.valueOr(QStringLiteral("last_whats_new_version"), QString()), legacy);
    // Once per version.
    QVERIFY(!takeWhatsNewDue(settings, &prefs, QStringLiteral("1.1.5")));
}

void StartupTest::versionParse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("major");
    QTest::addColumn<int>("minor");
    QTest::addColumn<int>("patch");

    QTest::newRow("three parts") << "1.2.3" << 1 << 2 << 3;
    QTest::newRow("two parts") << "1.2" << 1 << 2 << 0;
    QTest::newRow("one part") << "7" << 7 << 0 << 0;
    QTest::newRow("four parts") << "1.2.3.4" << 0 << 0 << 0;
    QTest::newRow("empty middle") << "1..2" << 0 << 0 << 0;
    QTest::newRow("leading point") << ".1" << 0 << 0 << 0;
    QTest::newRow("trailing point") << "1.2." << 0 << 0 << 0;
    QTest::newRow("empty") << "" << 0 << 0 << 0;
    QTest::newRow("leading v") << "v1.2" << 0 << 0 << 0;
    QTest::newRow("suffix") << "1.2-beta" << 0 << 0 << 0;
    QTest::newRow("negative") << "-1.0.0" << -1 << 0 << 0;
    QTest::newRow("large parts") << "10.20.300" << 10 << 20 << 300;
}

void StartupTest::versionParse()
{
    QFETCH(QString, text);
    QFETCH(int, major);
    QFETCH(int, minor);
    QFETCH(int, patch);
    const LarkUpdate::Version v = LarkUpdate::Version::parse(text);
    QCOMPARE(v.major, major);
    QCOMPARE(v.minor, minor);
    QCOMPARE(v.patch, patch);
}

void StartupTest::versionOrder()
{
    using LarkUpdate::Version;
    QVERIFY(Version::parse("1.9.9") < Version::parse("1.10.0"));
    QVERIFY(!(Version::parse("1.10.0") < Version::parse("1.9.9")));
    QVERIFY(Version::parse("1.2") == Version::parse("1.2.0"));
    QVERIFY(!(Version::parse("1.2") < Version::parse("1.2.0")));
    QVERIFY(Version::parse("1.2") <= Version::parse("1.2.0"));
    QVERIFY(Version::parse("-1.0.0") < Version::parse("0.0.0"));
    QVERIFY(Version::parse("") < Version::parse("1.1.5"));
    QVERIFY(Version::parse("1.1.9") <= Version::parse("1.2.0"));
    QVERIFY(!(Version::parse("1.2.1") <= Version::parse("1.2.0")));
    QVERIFY(Version::parse("2.0.0") < Version::parse("10.0.0"));
}

void StartupTest::fontScale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::newRow("below") << "50" << 70;
    QTest::newRow("above") << "200" << 160;
    QTest::newRow("upper bound") << "160" << 160;
    QTest::newRow("lower bound") << "70" << 70;
    QTest::newRow("inside") << "125" << 125;
    QTest::newRow("letters") << "abc" << 100;
    QTest::newRow("empty") << "" << 100;
    QTest::newRow("decimal") << "120.5" << 100;
    QTest::newRow("negative") << "-20" << 70;
}

void StartupTest::fontScale()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(fontScaleFromPreference(text), expected);
}

void StartupTest::accent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // empty = not a colour
    QTest::newRow("hex") << "#123456" << "#123456";
    QTest::newRow("upper-case hex") << "#00897B" << "#00897b";
    QTest::newRow("name") << "red" << "#ff0000";
    QTest::newRow("not a colour") << "notacolor" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("five digits") << "#12345" << "";
}

void StartupTest::accent()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const std::optional<QColor> c = accentFromPreference(text);
    QCOMPARE(c.has_value(), !expected.isEmpty());
    if (c)
        QCOMPARE(c->name(), expected);
}

void StartupTest::weekStart_data()
{
    QTest::addColumn<QString>("text"); // null = absent
    QTest::addColumn<int>("expected"); // 0 = keep the locale's day
    QTest::newRow("absent") << QString() << 0;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("eight") << "8" << 0;
    QTest::newRow("letter") << "s" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("sunday") << "7" << 7;
    QTest::newRow("monday") << "1" << 1;
    QTest::newRow("saturday") << "6" << 6;
}

void StartupTest::weekStart()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<int> day =
        weekStartFromPreference(text.isNull() ? std::optional<QString>() : std::optional<QString>(text));
    QCOMPARE(day.value_or(0), expected);
}

void StartupTest::initializeFreshThenStoredPreferences()
{
    QTemporaryDir tmp;
    const QString dir = tmp.filePath(QStringLiteral("fresh/data"));
    EnvGuard env("TALLYLEAF_DATA_DIR", dir.toUtf8());
    fontScalePercentRef() = 100;
    accentColorRef() = QColor(QStringLiteral("#00897B"));
    weekStartDayRef() = 1;
    setAmountAutoDecimal(false);

    {
        AppState first;
        QSignalSpy ready(&first, &AppState::databaseReady);
        QVERIFY(first.initialize());
        QCOMPARE(ready.count(), 1);
        QVERIFY(QFile::exists(dir + QStringLiteral("/tallyleaf.db")));
        QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT group_concat(version) FROM schema_version")).toString(),
                 QStringLiteral("1,2,3,4,5"));
        QVERIFY(first.currentAccountId().isEmpty());
        QVERIFY(first.accountRepository());
        // Defaults when nothing is stored.
        QCOMPARE(fontScalePercentRef(), 100);
        QCOMPARE(accentColorRef().name(), QStringLiteral("#00897b"));
        QCOMPARE(weekStartDayRef(), 1);
        QVERIFY(!amountAutoDecimal());

        PreferencesRepository* prefs = first.preferences();
        QVERIFY(prefs);
        QVERIFY(prefs->setValue(QStringLiteral("fontScale"), QStringLiteral("50")));
        QVERIFY(prefs->setValue(QStringLiteral("accentColor"), QStringLiteral("#123456")));
        prefs->setBool(QStringLiteral("amountAutoDecimal"), true);
        prefs->setInt(QStringLiteral("weekStartDay"), 7);
        QVERIFY(prefs->setValue(QStringLiteral("lastViewedAccountId"), QStringLiteral("acc-1")));
    }

    AppState second;
    QSignalSpy ready(&second, &AppState::databaseReady);
    QSignalSpy current(&second, &AppState::currentAccountChanged);
    QVERIFY(second.initialize());
    QCOMPARE(ready.count(), 1);
    QCOMPARE(fontScalePercentRef(), 70);
    QCOMPARE(accentColorRef().name(), QStringLiteral("#123456"));
    QVERIFY(amountAutoDecimal());
    QCOMPARE(weekStartDayRef(), 7);
    QCOMPARE(second.currentAccountId(), QStringLiteral("acc-1"));
    QCOMPARE(current.count(), 0); // restored without a signal
    setAmountAutoDecimal(false);
}

void StartupTest::initializeIgnoresUnusablePreferences()
{
    QTemporaryDir tmp;
    EnvGuard env("TALLYLEAF_DATA_DIR", tmp.path().toUtf8());
    {
        AppState seed;
        QVERIFY(seed.initialize());
        PreferencesRepository* prefs = seed.preferences();
        prefs->setValue(QStringLiteral("fontScale"), QStringLiteral("abc"));
        prefs->setValue(QStringLiteral("accentColor"), QStringLiteral("notacolor"));
        prefs->setValue(QStringLiteral("amountAutoDecimal"), QStringLiteral("yes"));
        prefs->setValue(QStringLiteral("weekStartDay"), QStringLiteral("8"));
    }
    fontScalePercentRef() = 130;
    accentColorRef() = QColor(QStringLiteral("#abcdef"));
    weekStartDayRef() = 3;
    setAmountAutoDecimal(true);

    AppState state;
    QVERIFY(state.initialize());
    QCOMPARE(fontScalePercentRef(), 100);
    QCOMPARE(accentColorRef().name(), QStringLiteral("#abcdef"));
    QCOMPARE(weekStartDayRef(), 3);
    QVERIFY(!amountAutoDecimal());
}

void StartupTest::setCurrentAccountId()
{
    QTemporaryDir tmp;
    EnvGuard env("TALLYLEAF_DATA_DIR", tmp.path().toUtf8());
    AppState state;
    QVERIFY(state.initialize());
    QSignalSpy current(&state, &AppState::currentAccountChanged);
    QSignalSpy written(state.preferences(), &PreferencesRepository::changed);

    state.setCurrentAccountId(QString()); // already none
    QCOMPARE(current.count(), 0);
    QCOMPARE(written.count(), 0);
    QVERIFY(!state.preferences()->value(QStringLiteral("lastViewedAccountId")).has_value());

    state.setCurrentAccountId(QStringLiteral("acc-2"));
    state.setCurrentAccountId(QStringLiteral("acc-2"));
    QCOMPARE(current.count(), 1);
    QCOMPARE(current.at(0).at(0).toString(), QStringLiteral("acc-2"));
    QCOMPARE(written.count(), 1);
    QCOMPARE(state.preferences()->valueOr(QStringLiteral("lastViewedAccountId"), QString()), QStringLiteral("acc-2"));

    state.setCurrentAccountId(QString());
    QCOMPARE(current.count(), 2);
    const std::optional<QString> stored = state.preferences()->value(QStringLiteral("lastViewedAccountId"));
    QVERIFY(stored.has_value());
    QVERIFY(stored->isEmpty());
}

void StartupTest::initializeFailsOnForeignFile()
{
    QTemporaryDir tmp;
    EnvGuard env("TALLYLEAF_DATA_DIR", tmp.path().toUtf8());
    const QString path = tmp.filePath(QStringLiteral("tallyleaf.db"));
    QByteArray garbage;
    for (int i = 0; i < 200; ++i)
        garbage += "This is not a database, just the user's notes. ";
    {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }

    AppState state;
    QSignalSpy ready(&state, &AppState::databaseReady);
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to create schema_version table: ")));
    QVERIFY(!state.initialize());
    QCOMPARE(ready.count(), 0);
    QVERIFY(!state.preferences());
    QCOMPARE(readAll(path), garbage);
}

void StartupTest::initializeFailsOnUnusableDirectory()
{
    QTemporaryDir tmp;
    const QString blocker = tmp.filePath(QStringLiteral("plain-file"));
    {
        QFile f(blocker);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    EnvGuard env("TALLYLEAF_DATA_DIR", (blocker + QStringLiteral("/sub")).toUtf8());
    AppState state;
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to open database: ")));
    QVERIFY(!state.initialize());
    QVERIFY(!state.accountRepository());
}

void StartupTest::englishCatalogue()
{
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/tallyleaf_en.qm")));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(QCoreApplication::translate("StatusBar", "%n account(s)", nullptr, 1), QStringLiteral("1 account"));
    QCOMPARE(QCoreApplication::translate("StatusBar", "%n account(s)", nullptr, 2), QStringLiteral("2 accounts"));
    QCOMPARE(QCoreApplication::translate("StatusBar", "%n account(s)", nullptr, 0), QStringLiteral("0 accounts"));
    QCOMPARE(QCoreApplication::translate("MainWindow", "Auto-posted %n recurring transaction(s)", nullptr, 1),
             QStringLiteral("Auto-posted 1 recurring transaction"));
    QCoreApplication::removeTranslator(&translator);

    // Every other catalogue is embedded too.
    for (const QString& language : supportedLanguages()) {
        QTranslator t;
        QVERIFY2(t.load(QStringLiteral(":/i18n/tallyleaf_%1.qm").arg(language)), qPrintable(language));
    }
}

TALLYLEAF_TEST_MAIN(StartupTest)
#include "tst_startup.moc"
