#include "testsupport.h"

#include "app/application.h"
#include "app/appstate.h"
#include "data/preferencesrepository.h"
#include "testserviceprocess.h"
#include "ui/mainwindow.h"
#include "ui/dialogs/messageboxes.h"
#include "update/core/releasenotes.h"
#include "update/core/updateclient.h"
#include "update/ui/updatedialog.h"
#include "update/ui/whatsnewdialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTcpServer>
#include <QTextBrowser>

using namespace LarkUpdate;

// The update check, the release notes, the update and What's New dialogs,
// the Help menu entries and the start-up offer, against the test service.
// The real Application runs the test (main below), so the start-up routine
// can run once.
class UpdateCheckerTest : public QObject
{
    Q_OBJECT

public slots:
    // The URL handler for http, https and file addresses.
    void open(const QUrl& url) { m_opened << url.toString(); }

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void check_data();
    void check();
    void oneRequestAtATime();
    void guards_data();
    void guards();
    void notes_data();
    void notes();
    void updateDialog_data();
    void updateDialog();
    void opening_data();
    void opening();
    void menuEntries_data();
    void menuEntries();
    void windowGoneMeanwhile_data();
    void windowGoneMeanwhile();
    void dismissedVersion_data();
    void dismissedVersion();
    void startUp();

private:
    Config config(const QString& current = QStringLiteral("1.1.5")) const
    {
        return {QStringLiteral("tallyleaf"), QStringLiteral("stable"), m_service->url(QStringLiteral("/tallyleaf/stable/")),
                current};
    }
    // status 0 leaves the served file, -1 removes it, 302 redirects to location.
    void serve(const QString& path, int status, const QString& body = QString(), const QString& location = QString());
    void watch(Client* client);

    std::unique_ptr<TestServiceProcess> m_service;
    QStringList m_outcomes;
    QStringList m_opened;
    QStringList m_hooks;
    QTemporaryDir m_dataDir;
};

namespace {

Application* g_app = nullptr;
const QString kManifestRoute = QStringLiteral("/tallyleaf/:channel/latest.json");
const QString kNotesRoute = QStringLiteral("/tallyleaf/:version/:file");
const QString kLatest = QStringLiteral("/tallyleaf/stable/latest.json");
const QString kNotes115 = QStringLiteral("/tallyleaf/1.1.5/release-notes.md");

QString manifestText(const QString& key, const QString& version, const QString& extra = QString())
{
    return QStringLiteral("{\"schema\":1,\"app\":\"tallyleaf\",\"channel\":\"stable\",\"artifacts\":{\"%1\":{"
                          "\"version\":\"%2\",\"released_at\":\"2026-11-20T09:00:00Z\",\"url\":\"https://d.example/t\","
                          "\"size\":100,\"sha256\":\"%3\"}%4}}")
        .arg(key, version, QString(64, QLatin1Char('0')), extra);
}

// A text ending in ": " is a prefix.
bool matches(const QString& actual, const QString& expected)
{
    return expected.endsWith(QLatin1String(": ")) ? actual.startsWith(expected) && actual.size() > expected.size()
                                                  : actual == expected;
}

template <class Dialog>
QList<Dialog*> shown()
{
    QList<Dialog*> dialogs;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<Dialog*>(widget); dialog && dialog->isVisible())
            dialogs << dialog;
    }
    return dialogs;
}

QStringList buttonTexts(QDialog* dialog)
{
    QStringList texts;
    for (QAbstractButton* button : dialog->findChild<QDialogButtonBox*>()->buttons())
        texts << button->text();
    return texts;
}

QStringList labelTexts(QDialog* dialog)
{
    QStringList texts;
    for (QLabel* label : dialog->findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// The first line of a notes view, its placeholder while empty, or "(none)".
QString notesShown(QDialog* dialog)
{
    auto* view = dialog->findChild<QTextBrowser*>();
    if (!view)
        return QStringLiteral("(none)");
    const QString text = view->toPlainText();
    return text.isEmpty() ? view->placeholderText() : text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

void UpdateCheckerTest::initTestCase()
{
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    QVERIFY(!platformKey().isEmpty()); // the rows expect a recognised platform
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), this, "open");
    MessageBoxes::setPresenter([](const MessageBoxes::Request&) { return QMessageBox::Ok; });
    qputenv("TALLYLEAF_DATA_DIR", m_dataDir.path().toUtf8());
    qputenv("TALLYLEAF_UPDATE_URL", m_service->url().toString().toUtf8());
}

void UpdateCheckerTest::init()
{
    m_service->reset();
    m_outcomes.clear();
    m_opened.clear();
    m_hooks.clear();
}

void UpdateCheckerTest::cleanup()
{
    qDeleteAll(shown<QDialog>());
    QLocale::setDefault(QLocale::c());
}

void UpdateCheckerTest::cleanupTestCase()
{
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    MessageBoxes::setPresenter({});
}

void UpdateCheckerTest::serve(const QString& path, int status, const QString& body, const QString& location)
{
    if (status == -1)
        m_service->control("DELETE", QStringLiteral("/_control/update/files?path=") + path);
    else if (status != 0)
        m_service->control("POST", QStringLiteral("/_control/update/files"),
                           {{"path", path}, {"status", status}, {"body", body}, {"location", location}});
}

void UpdateCheckerTest::watch(Client* client)
{
    connect(client, &Client::updateAvailable, this,
            [this](const Artifact& artifact) { m_outcomes << QStringLiteral("available ") + artifact.version; });
    connect(client, &Client::upToDate, this, [this] { m_outcomes << QStringLiteral("up to date"); });
    connect(client, &Client::checkFailed, this, [this](const QString& reason) { m_outcomes << reason; });
}

void UpdateCheckerTest::check_data()
{
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("status"); // of latest.json, as serve()
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("fault"); // a fault mode of the manifest route
    QTest::addColumn<QString>("outcome");

    const QString key = platformKey();
    QTest::newRow("newer") << "1.1.5" << 0 << "" << "" << "available 1.2.0";
    QTest::newRow("same") << "1.2.0" << 0 << "" << "" << "up to date";
    QTest::newRow("404") << "1.1.5" << -1 << "" << "" << "up to date";
    QTest::newRow("500") << "1.1.5" << 0 << "" << "status" << "network error: ";
    QTest::newRow("hang, timed out") << "1.1.5" << 0 << "" << "hang" << "network error: ";
    QTest::newRow("past the size cap") << "1.1.5" << 0 << "" << "huge" << "network error: reply too large or too slow";
    QTest::newRow("empty 200") << "1.1.5" << 200 << "" << "" << "manifest invalid: JSON parse error: ";
    QTest::newRow("not JSON") << "1.1.5" << 200 << "<html>" << "" << "manifest invalid: JSON parse error: ";
    QTest::newRow("below minimum") << "1.1.5" << 200
                                   << manifestText(key, "1.2.0").replace("\"size\"", "\"min_upgradable_from\":\"1.1.6\",\"size\"")
                                   << "" << "current version 1.1.5 is older than min_upgradable_from 1.1.6; please "
                                            "upgrade to an intermediate release first";
    QTest::newRow("at minimum") << "1.1.5" << 200
                                << manifestText(key, "1.2.0").replace("\"size\"", "\"min_upgradable_from\":\"1.1.5\",\"size\"")
                                << "" << "available 1.2.0";
    QTest::newRow("suffixed version") << "1.1.5" << 200 << manifestText(key, "1.3.0-beta") << "" << "up to date";
    QTest::newRow("platform not shipped") << "1.1.5" << 200 << manifestText("plan9-x64", "9.0.0") << "" << "up to date";
    QTest::newRow("other platform broken") << "1.1.5" << 200 << manifestText(key, "1.2.0", ",\"zz-other\":{}") << ""
                                           << "manifest invalid: missing or non-string field: version";
    QTest::newRow("another app's manifest")
        << "1.1.5" << 200 << manifestText(key, "2.0.0").replace("tallyleaf", "wren") << "" << "available 2.0.0";
    QTest::newRow("redirect to beta") << "1.1.5" << 302 << "" << "" << "available 1.3.0";
}

void UpdateCheckerTest::check()
{
    QFETCH(QString, current);
    QFETCH(int, status);
    QFETCH(QString, body);
    QFETCH(QString, fault);
    QFETCH(QString, outcome);
    serve(kLatest, status, body, QStringLiteral("{base}/tallyleaf/beta/latest.json"));
    if (!fault.isEmpty())
        m_service->addFault(kManifestRoute, {{"mode", fault}, {"status", 500}, {"size", 2 * 1024 * 1024}});

    Client client(config(current));
    client.setTransferTimeout(500);
    watch(&client);
    client.check();
    QTRY_COMPARE_WITH_TIMEOUT(m_outcomes.size(), 1, 10000);
    QVERIFY2(matches(m_outcomes.first(), outcome), qPrintable(m_outcomes.first()));
}

void UpdateCheckerTest::oneRequestAtATime()
{
    Client client(config());
    watch(&client);
    QTest::ignoreMessage(QtDebugMsg, "check already in flight, ignoring");
    client.check();
    client.check();
    QTRY_COMPARE(m_outcomes.size(), 1);
    const QJsonArray requests = m_service->requests(kManifestRoute);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first()["headers"]["user-agent"].toString(), QStringLiteral("LarkUpdateQt/0.1 (tallyleaf)"));
    client.check(); // idle again after the answer
    QTRY_COMPARE(m_outcomes.size(), 2);
    QCOMPARE(m_outcomes, QStringList({"available 1.2.0", "available 1.2.0"}));

    QTcpServer closed; // a port nobody listens on
    QVERIFY(closed.listen(QHostAddress::LocalHost));
    Config unreachable = config();
    unreachable.manifestBaseUrl.setPort(closed.serverPort());
    closed.close();
    Client refused(unreachable);
    watch(&refused);
    refused.check();
    QTRY_COMPARE(m_outcomes.size(), 3);
    QVERIFY2(matches(m_outcomes.last(), QStringLiteral("network error: ")), qPrintable(m_outcomes.last()));
}

void UpdateCheckerTest::guards_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("reason");
    QTest::newRow("invalid base before empty version") << "http://exa mple/" << "" << "manifestBaseUrl is not valid";
    QTest::newRow("file base") << "file:///tmp/tallyleaf/stable/" << "1.1.5" << "manifestBaseUrl is not valid";
    QTest::newRow("empty version") << "https://u.example/tallyleaf/stable/" << "" << "currentVersion is empty";
}

void UpdateCheckerTest::guards()
{
    QFETCH(QString, base);
    QFETCH(QString, current);
    QFETCH(QString, reason);
    Client client({QStringLiteral("tallyleaf"), QStringLiteral("stable"), QUrl(base), current});
    watch(&client);
    client.check(); // answered before check() returns
    QCOMPARE(m_outcomes, QStringList{reason});
}

void UpdateCheckerTest::notes_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("germanStatus"); // as serve()
    QTest::addColumn<QString>("germanBody");
    QTest::addColumn<int>("englishStatus");
    QTest::addColumn<QString>("englishBody");
    QTest::addColumn<QString>("result"); // the first line of the notes, or "unavailable"
    QTest::addColumn<QStringList>("files");

    const QString en = QStringLiteral("release-notes.md");
    const QString de = QStringLiteral("release-notes.de.md");
    QTest::newRow("German") << "de_DE" << 0 << "" << 0 << "" << "## Neu in 1.1.5" << QStringList{de};
    QTest::newRow("German 404") << "de_DE" << -1 << "" << 0 << "" << "## New in 1.1.5" << QStringList{de, en};
    QTest::newRow("German blank") << "de_AT" << 200 << " \n\t \n" << 0 << "" << "## New in 1.1.5" << QStringList{de, en};
    QTest::newRow("both missing") << "de_DE" << -1 << "" << -1 << "" << "unavailable" << QStringList{de, en};
    QTest::newRow("English, trimmed") << "en_US" << 0 << "" << 200 << "\n\n  Notes\n\n" << "Notes" << QStringList{en};
    QTest::newRow("English blank") << "en_US" << 0 << "" << 200 << "   \n" << "unavailable" << QStringList{en};
}

void UpdateCheckerTest::notes()
{
    QFETCH(QString, locale);
    QFETCH(int, germanStatus);
    QFETCH(QString, germanBody);
    QFETCH(int, englishStatus);
    QFETCH(QString, englishBody);
    QFETCH(QString, result);
    QFETCH(QStringList, files);
    const QString folder = QStringLiteral("/tallyleaf/1.1.5/");
    serve(folder + QStringLiteral("release-notes.de.md"), germanStatus, germanBody);
    serve(folder + QStringLiteral("release-notes.md"), englishStatus, englishBody);
    QLocale::setDefault(QLocale(locale));

    ReleaseNotesFetcher fetcher(config());
    connect(&fetcher, &ReleaseNotesFetcher::notesReady, this,
            [this](const QString& markdown) { m_outcomes << markdown.section(QLatin1Char('\n'), 0, 0); });
    connect(&fetcher, &ReleaseNotesFetcher::notesUnavailable, this,
            [this] { m_outcomes << QStringLiteral("unavailable"); });
    fetcher.fetch();
    QTRY_COMPARE(m_outcomes.size(), 1);
    QCOMPARE(m_outcomes.first(), result);
    QStringList requested;
    for (const QJsonValue& request : m_service->requests(kNotesRoute))
        requested << request["path"].toString().remove(folder);
    QCOMPARE(requested, files);
}

void UpdateCheckerTest::updateDialog_data()
{
    QTest::addColumn<QString>("notes"); // a path on the service, another address, or none
    QTest::addColumn<bool>("mandatory");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("shownNotes");
    QTest::addColumn<int>("notesRequests");

    const QStringList both{"Download", "Later"};
    QTest::newRow("notes") << "/tallyleaf/1.2.0/release-notes.md" << false << both << "New in 1.2.0" << 1;
    QTest::newRow("mandatory") << "/tallyleaf/1.2.0/release-notes.md" << true << QStringList{"Download"}
                               << "New in 1.2.0" << 1;
    QTest::newRow("notes 404") << "/tallyleaf/9.9.9/release-notes.md" << false << both
                               << "Release notes are not available for this version." << 1;
    QTest::newRow("no notes address") << "" << false << both << "(none)" << 0;
    QTest::newRow("file notes address") << "file:///etc/hostname" << false << both << "(none)" << 0;
}

void UpdateCheckerTest::updateDialog()
{
    QFETCH(QString, notes);
    QFETCH(bool, mandatory);
    QFETCH(QStringList, buttons);
    QFETCH(QString, shownNotes);
    QFETCH(int, notesRequests);
    Artifact offered;
    offered.version = QStringLiteral("1.2.0");
    offered.mandatory = mandatory;
    offered.release_notes_url = notes.startsWith(QLatin1Char('/')) ? m_service->url(notes) : QUrl(notes);
    if (notes.startsWith(QLatin1String("file:")))
        QTest::ignoreMessage(QtWarningMsg, "LarkUpdate: release notes address is empty or invalid: file:///etc/hostname");

    QWidget window;
    auto* dialog = new UpdateDialog(offered, QStringLiteral("1.1.5"), QStringLiteral("App"), &window);
    dialog->show();
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Update available"));
    QVERIFY(dialog->isModal());
    QCOMPARE(labelTexts(dialog), QStringList({"A new version of App is available.",
                                              "You have version 1.1.5. The latest version is 1.2.0."}));
    QCOMPARE(buttonTexts(dialog), buttons);
    if (notesRequests > 0)
        QCOMPARE(notesShown(dialog), QStringLiteral("Loading release notes…"));
    QTRY_COMPARE(notesShown(dialog), shownNotes);
    QCOMPARE(dialog->size() == QSize(520, 420), notesRequests > 0);
    QCOMPARE(m_service->requests(kNotesRoute).size(), notesRequests);

    QTest::keyClick(dialog, Qt::Key_Escape); // closes even a mandatory offer
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));
}

void UpdateCheckerTest::opening_data()
{
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QStringList>("opened");
    QTest::addColumn<QString>("warning");

    const QString https = QStringLiteral("https://larkspur.app/blog/1.2.0");
    const QString refused = QStringLiteral("LarkUpdate: %1 is empty or invalid");
    QTest::newRow("download") << "download" << https << QStringList{https} << "";
    QTest::newRow("download file") << "download" << "file:///etc/passwd" << QStringList()
                                   << refused.arg("download URL") + ": file:///etc/passwd";
    QTest::newRow("download empty") << "download" << "" << QStringList() << refused.arg("download URL");
    QTest::newRow("link") << "link" << https << QStringList{https} << "";
    QTest::newRow("link file") << "link" << "file:///etc/passwd" << QStringList()
                               << refused.arg("link in the release notes") + ": file:///etc/passwd";
    QTest::newRow("link javascript") << "link" << "javascript:alert(1)" << QStringList()
                                     << refused.arg("link in the release notes") + ": javascript:alert(1)";
    QTest::newRow("in-page link") << "link" << "#fixed" << QStringList() << "";
    QTest::newRow("feedback") << "feedback" << "https://board.example/b?x=1"
                              << QStringList{"https://board.example/b/?tags=tallyleaf"} << "";
    QTest::newRow("feedback file") << "feedback" << "file:///tmp/board" << QStringList()
                                   << refused.arg("feedback board address") + ": file:///tmp/board/?tags=tallyleaf";
}

void UpdateCheckerTest::opening()
{
    QFETCH(QString, where);
    QFETCH(QString, address);
    QFETCH(QStringList, opened);
    QFETCH(QString, warning);
    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));

    if (where == QLatin1String("download")) {
        Artifact offered;
        offered.version = QStringLiteral("1.2.0");
        offered.url = QUrl(address);
        UpdateDialog dialog(offered, QStringLiteral("1.1.5"), QStringLiteral("App"));
        dialog.show();
        dialog.findChild<QDialogButtonBox*>()->buttons().first()->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted)); // closes whatever happened
    } else if (where == QLatin1String("link")) {
        const QString notes = QStringLiteral("[Read the whole announcement](%1)\n\n## Fixed").arg(address);
        WhatsNewDialog dialog(notes, QStringLiteral("1.1.5"), QStringLiteral("1.1.5"), QStringLiteral("App"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto* view = dialog.findChild<QTextBrowser*>();
        QTextCursor inLink(view->document());
        inLink.setPosition(4);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->cursorRect(inLink).center());
        // The view itself never follows a link (a file: link would load that file).
        QCOMPARE(notesShown(&dialog), QStringLiteral("Read the whole announcement"));
    } else {
        openFeedbackBoard({QStringLiteral("tallyleaf"), QUrl(address)});
    }
    QCOMPARE(m_opened, opened);
}

void UpdateCheckerTest::menuEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("missing"); // files removed from the service
    QTest::addColumn<bool>("manifestFails");
    QTest::addColumn<QStringList>("hooks"); // prefixes of the hook calls
    QTest::addColumn<QString>("dialog");    // title of the dialog shown, or empty
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<int>("manifestRequests");

    const QString loading = QStringLiteral("progress Loading release notes…");
    const QString checking = QStringLiteral("progress Checking for updates…");
    const QStringList noNotes{loading, "hide", "message No release notes available for App 1.1.5 (5000 ms)"};
    const QString notes120 = QStringLiteral("/tallyleaf/1.2.0/release-notes.md");
    QTest::newRow("notes of the running version") << "whatsnew" << "1.1.5" << QStringList() << false
                                                  << QStringList{loading, "hide"} << "What's New in App 1.1.5"
                                                  << QStringList{"Close"} << 0;
    QTest::newRow("notes of the offered release")
        << "whatsnew" << "1.1.5" << QStringList{kNotes115} << false << QStringList{loading, "hide"}
        << "What's New in App 1.2.0" << QStringList{"Download 1.2.0", "Close"} << 1;
    QTest::newRow("offered release without notes")
        << "whatsnew" << "1.1.5" << QStringList{kNotes115, notes120} << false << noNotes << "" << QStringList() << 1;
    QTest::newRow("no notes, check failed")
        << "whatsnew" << "1.1.5" << QStringList{kNotes115} << true << noNotes << "" << QStringList() << 1;
    QTest::newRow("no notes, up to date")
        << "whatsnew" << "1.2.5" << QStringList() << false
        << QStringList{loading, "hide", "message No release notes available for App 1.2.5 (5000 ms)"} << ""
        << QStringList() << 1;
    QTest::newRow("check, newer") << "check" << "1.1.5" << QStringList() << false << QStringList{checking, "hide"}
                                  << "Update available" << QStringList{"Download", "Later"} << 1;
    QTest::newRow("check, up to date") << "check" << "1.2.0" << QStringList() << false
                                       << QStringList{checking, "hide", "message App is up to date (version 1.2.0) (5000 ms)"}
                                       << "" << QStringList() << 1;
    QTest::newRow("check failed") << "check" << "1.1.5" << QStringList() << true
                                  << QStringList{checking, "hide", "message Update check failed: network error: "} << ""
                                  << QStringList() << 1;
}

void UpdateCheckerTest::menuEntries()
{
    QFETCH(QString, entry);
    QFETCH(QString, current);
    QFETCH(QStringList, missing);
    QFETCH(bool, manifestFails);
    QFETCH(QStringList, hooks);
    QFETCH(QString, dialog);
    QFETCH(QStringList, buttons);
    QFETCH(int, manifestRequests);
    for (const QString& path : std::as_const(missing))
        serve(path, -1);
    if (manifestFails)
        m_service->addFault(kManifestRoute, {{"mode", "status"}, {"status", 500}});

    ProgressHooks recording;
    recording.showProgress = [this](const QString& text) { m_hooks << QStringLiteral("progress ") + text; };
    recording.hideProgress = [this] { m_hooks << QStringLiteral("hide"); };
    recording.showMessage = [this](const QString& text, int timeout) {
        m_hooks << QStringLiteral("message %1 (%2 ms)").arg(text).arg(timeout);
    };
    QWidget window;
    if (entry == QLatin1String("whatsnew"))
        showWhatsNew(config(current), QStringLiteral("App"), &window, recording);
    else
        checkForUpdatesInteractive(config(current), QStringLiteral("App"), &window, recording);
    QTRY_COMPARE(m_hooks.size(), hooks.size());
    QTest::qWait(50); // nothing follows
    QCOMPARE(m_hooks.size(), hooks.size());
    for (qsizetype i = 0; i < hooks.size(); ++i)
        QVERIFY2(m_hooks.at(i).startsWith(hooks.at(i)), qPrintable(m_hooks.at(i)));
    QCOMPARE(m_service->requests(kManifestRoute).size(), manifestRequests);

    const QList<QDialog*> dialogs = shown<QDialog>();
    QCOMPARE(dialogs.size(), dialog.isEmpty() ? 0 : 1);
    if (dialog.isEmpty())
        return;
    QDialog* offered = dialogs.first();
    QCOMPARE(offered->windowTitle(), dialog);
    QCOMPARE(offered->parentWidget(), &window);
    QVERIFY(offered->testAttribute(Qt::WA_DeleteOnClose));
    QCOMPARE(buttonTexts(offered), buttons);
    if (entry == QLatin1String("whatsnew")) {
        QVERIFY(!offered->isModal());
        QCOMPARE(labelTexts(offered),
                 QStringList({dialog.replace(QLatin1String("New"), QLatin1String("new")),
                              QStringLiteral("You are running version ") + current}));
    }
}

void UpdateCheckerTest::windowGoneMeanwhile_data()
{
    QTest::addColumn<QString>("entry"); // a Help menu item, or empty for the start-up notes
    QTest::newRow("start-up What's New") << "";
    QTest::newRow("menu What's New, newer release") << "What's &New...";
    QTest::newRow("menu check") << "Check for &Updates...";
}

void UpdateCheckerTest::windowGoneMeanwhile()
{
    QFETCH(QString, entry);
    // The answers arrive after the main window and its status bar have gone.
    m_service->addFault(kNotesRoute, {{"mode", "delay"}, {"delay_ms", 200}});
    m_service->addFault(kManifestRoute, {{"mode", "delay"}, {"delay_ms", 200}});
    QSettings().clear();
    AppState state;
    QVERIFY(state.initialize());
    auto* window = new MainWindow(&state);
    window->show();
    if (entry.isEmpty()) {
        showWhatsNewIfUpdated(config(), QStringLiteral("App"), window);
    } else {
        serve(kNotes115, -1); // the menu's What's New goes on to the newer release
        QMenu* help = window->menuBar()->actions().last()->menu();
        const QList<QAction*> items = help->actions();
        const auto item = std::find_if(items.begin(), items.end(), [&](QAction* a) { return a->text() == entry; });
        QVERIFY(item != items.end());
        (*item)->trigger();
    }
    delete window;
    QTRY_VERIFY(!m_service->requests().isEmpty());
    QTest::qWait(700); // every answer and what follows it
    QVERIFY(shown<QDialog>().isEmpty());
}

void UpdateCheckerTest::dismissedVersion_data()
{
    QTest::addColumn<QString>("dismissed");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<bool>("skipped");
    QTest::newRow("nothing dismissed") << "" << "1.2.0" << false;
    QTest::newRow("same") << "1.2.0" << "1.2.0" << true;
    QTest::newRow("older offer") << "1.2.0" << "1.1.9" << true;
    QTest::newRow("later offer") << "1.2.0" << "1.2.1" << false;
    QTest::newRow("unreadable dismissed") << "latest" << "1.2.0" << false;
}

void UpdateCheckerTest::dismissedVersion()
{
    QFETCH(QString, dismissed);
    QFETCH(QString, offered);
    QFETCH(bool, skipped);
    TestSupport::TempDatabase db;
    PreferencesRepository preferences(db.db());
    if (!dismissed.isEmpty())
        QVERIFY(preferences.setValue(QStringLiteral("update_dismissed_version"), dismissed));
    QCOMPARE(isUpdateDismissed(&preferences, offered), skipped);
}

void UpdateCheckerTest::startUp()
{
    // A first run: What's New of 1.1.5 at once, the offer of 1.2.0 about
    // 1500 ms later over the main window; Later stores 1.2.0 as dismissed.
    QSettings().clear();
    QStringList seen;
    QElapsedTimer clock;
    clock.start();
    qint64 offeredAfter = -1;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        const QList<WhatsNewDialog*> notes = shown<WhatsNewDialog>();
        if (!notes.isEmpty() && !seen.contains(notes.first()->windowTitle()))
            seen << notes.first()->windowTitle();
        if (const QList<UpdateDialog*> offers = shown<UpdateDialog>(); !offers.isEmpty()) {
            offeredAfter = clock.elapsed();
            seen << labelTexts(offers.first()).last() << offers.first()->parentWidget()->metaObject()->className();
            offers.first()->findChild<QDialogButtonBox*>()->buttons().last()->click(); // Later
        }
        if (offeredAfter >= 0 || clock.elapsed() > 8000)
            QApplication::quit();
    });
    poll.start(50);
    QCOMPARE(g_app->run(), 0);
    QCOMPARE(seen, QStringList({"What's New in Larkspur Tallyleaf 1.1.5",
                                "You have version 1.1.5. The latest version is 1.2.0.", "MainWindow"}));
    QVERIFY2(offeredAfter >= 1500, qPrintable(QString::number(offeredAfter)));
    QCOMPARE(QSettings().value(QStringLiteral("whatsNew/lastShownVersion")).toString(), QStringLiteral("1.1.5"));
    QCOMPARE(g_app->appState()->preferences()->valueOr(QStringLiteral("update_dismissed_version"), QString()),
             QStringLiteral("1.2.0"));
    const QJsonArray checks = m_service->requests(kManifestRoute);
    QCOMPARE(checks.size(), 1);
    QCOMPARE(checks.first()["path"].toString(), kLatest);
}

int main(int argc, char** argv)
{
    TestSupport::isolateEnvironment();
    qputenv("LC_ALL", "C"); // English notes whatever the machine's locale
    Application app(argc, argv);
    g_app = &app;
    UpdateCheckerTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_updatechecker.moc"
