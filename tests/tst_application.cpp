#include "testsupport.h"

#include "app/application.h"
#include "app/appstate.h"
#include "ui/mainwindow.h"
#include "ui/dialogs/messageboxes.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTimer>

// This test needs the real Application object (a QApplication subclass), so it
// has its own main() instead of TALLYLEAF_TEST_MAIN.

namespace {

Application* g_app = nullptr;

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class ApplicationTest : public QObject
{
    Q_OBJECT

private slots:
    void identity();
    void corruptDatabaseThenFreshStart();
    void messageFilterOfTheProgram_data();
    void messageFilterOfTheProgram();
    void cleanupTestCase();
};

void ApplicationTest::identity()
{
    QCOMPARE(QCoreApplication::organizationName(), QStringLiteral("Larkspur"));
    QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("Tallyleaf"));
    QCOMPARE(QCoreApplication::applicationVersion(), QStringLiteral("1.1.5"));
    QVERIFY(!QCoreApplication::organizationDomain().isEmpty());
    QVERIFY(!QGuiApplication::windowIcon().isNull());
    QVERIFY(QFontDatabase::families().contains(QStringLiteral("Material Icons")));
    // The English catalogue is installed for an unsupported system language.
    QCOMPARE(Application::uiLanguage(true), QStringLiteral("en"));
    QCOMPARE(QCoreApplication::translate("StatusBar", "%n account(s)", nullptr, 2), QStringLiteral("2 accounts"));
}

void ApplicationTest::corruptDatabaseThenFreshStart()
{
    QList<MessageBoxes::Request> shown;
    MessageBoxes::setPresenter([&shown](const MessageBoxes::Request& r) {
        shown.append(r);
        return QMessageBox::Ok;
    });

    // A file at the database path that is not a database.
    QTemporaryDir corrupt;
    const QString dir = corrupt.filePath(QStringLiteral("data"));
    qputenv("TALLYLEAF_DATA_DIR", dir.toUtf8());
    QVERIFY(QDir().mkpath(dir));
    const QString dbPath = dir + QStringLiteral("/tallyleaf.db");
    const QByteArray garbage = QByteArray("garbage, not SQLite ").repeated(100);
    {
        QFile f(dbPath);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(garbage);
    }

    bool eventsProcessed = false;
    QTimer::singleShot(0, [&eventsProcessed] { eventsProcessed = true; });
    QTest::ignoreMessage(QtCriticalMsg, QRegularExpression(QStringLiteral("^Failed to create schema_version table: ")));
    QCOMPARE(g_app->run(), 1);
    QVERIFY(!eventsProcessed); // no event loop was entered

    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown.at(0).icon, QMessageBox::Critical);
    QVERIFY(shown.at(0).parent == nullptr);
    QCOMPARE(shown.at(0).title, QStringLiteral("Database Error"));
    QCOMPARE(shown.at(0).text, QStringLiteral("Failed to initialize the database.\n\nData directory: ") + dir
                                   + QStringLiteral("\n\nPlease check file permissions and try again."));
    QCOMPARE(shown.at(0).buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(readAll(dbPath), garbage);
    QVERIFY(g_app->appState());
    QVERIFY(g_app->appState()->parent() == g_app);

    // A fresh directory: migrated, the main window shown, and closing it
    // ends the event loop with 0. run() is called once per process in the
    // program; release the failed state (and its connection) first, and
    // call run() again at once, so the application never holds a deleted
    // state.
    QTemporaryDir fresh;
    qputenv("TALLYLEAF_DATA_DIR", fresh.path().toUtf8());
    delete g_app->appState();
    bool windowShown = false;
    QTimer::singleShot(0, [&windowShown] {
        const QWidgetList windows = QApplication::topLevelWidgets();
        for (QWidget* w : windows) {
            if (qobject_cast<MainWindow*>(w) && w->isVisible())
                windowShown = true;
            w->close();
        }
        QApplication::quit();
    });
    const int code = g_app->run();
    QCOMPARE(code, 0);
    QVERIFY(windowShown);
    QVERIFY(eventsProcessed);
    QCOMPARE(shown.size(), 1);
    QCOMPARE(TestSupport::scalar(QStringLiteral("SELECT group_concat(version || name, ',') FROM schema_version"))
                 .toString(),
             QStringLiteral("1initial,2recon_sync,3recurring_lead_days,4recurring_interval,5recurring_semimonthly"));
    QVERIFY(QFile::exists(fresh.filePath(QStringLiteral("tallyleaf.db"))));
}

void ApplicationTest::messageFilterOfTheProgram_data()
{
    QTest::addColumn<QByteArray>("verbose");
    QTest::addColumn<bool>("infoWritten");
    QTest::newRow("unset") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray("") << false;
    QTest::newRow("set") << QByteArray("1") << true;
}

void ApplicationTest::messageFilterOfTheProgram()
{
    QFETCH(QByteArray, verbose);
    QFETCH(bool, infoWritten);
    // The built program beside the tests, on a fresh directory. It runs
    // until its window closes, which nothing can do offscreen: once its
    // database is migrated (and, when verbose, the lines are out) it is
    // stopped.
    const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/../src/tallyleaf");
    if (!QFile::exists(program))
        QSKIP("the tallyleaf program is not built beside the tests");
    QTemporaryDir home;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.filePath(QStringLiteral("data")));
    env.insert(QStringLiteral("XDG_CACHE_HOME"), home.filePath(QStringLiteral("cache")));
    env.insert(QStringLiteral("TALLYLEAF_DATA_DIR"), home.filePath(QStringLiteral("tallyleaf")));
    env.remove(QStringLiteral("TALLYLEAF_VERBOSE"));
    if (!verbose.isNull())
        env.insert(QStringLiteral("TALLYLEAF_VERBOSE"), QString::fromLatin1(verbose));
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, {});
    QVERIFY(process.waitForStarted(60000));

    const QString dbPath = home.filePath(QStringLiteral("tallyleaf/tallyleaf.db"));
    auto migrated = [&dbPath] {
        if (!QFile::exists(dbPath))
            return false;
        bool done = false;
        {
            QSqlDatabase probe = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe"));
            probe.setDatabaseName(dbPath);
            probe.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            if (probe.open()) {
                QSqlQuery q(probe);
                done = q.exec(QStringLiteral("SELECT COUNT(*) FROM schema_version")) && q.next()
                       && q.value(0).toInt() == 5;
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("probe"));
        return done;
    };
    QByteArray err;
    const bool ready = QTest::qWaitFor(
        [&] {
            err += process.readAllStandardError();
            if (process.state() == QProcess::NotRunning)
                return true;
            return migrated()
                   && (!infoWritten
                       || (err.contains("Applied migration 5 recurring_semimonthly")
                           && err.contains("Opening database at:")));
        },
        60000);
    QVERIFY(ready);
    QCOMPARE(process.state(), QProcess::Running); // the window keeps it running
    process.kill();
    QVERIFY(process.waitForFinished(60000));
    err += process.readAllStandardError();
    QCOMPARE(err.contains("Applied migration 5 recurring_semimonthly"), infoWritten);
    QCOMPARE(err.contains("Opening database at:"), infoWritten);
}

void ApplicationTest::cleanupTestCase()
{
    MessageBoxes::setPresenter({});
}

int main(int argc, char** argv)
{
    TestSupport::isolateEnvironment();
    // A system language the application does not offer, so English is chosen
    // whatever the machine's locale.
    qputenv("LC_ALL", "C");
    Application app(argc, argv);
    g_app = &app;
    ApplicationTest tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "tst_application.moc"
