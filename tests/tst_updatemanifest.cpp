#include "testsupport.h"

#include "app/updateconfig.h"
#include "update/core/feedback.h"
#include "update/core/manifest.h"
#include "update/core/releasenotes.h"
#include "update/core/updateclient.h"

#include <QJsonDocument>
#include <QLocale>

using namespace LarkUpdate;

// The release manifest parser, the platform key and the update addresses,
// without networking.
class UpdateManifestTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void manifestErrors_data();
    void manifestErrors();
    void artifactReading();
    void platformKeys_data();
    void platformKeys();
    void derivedAddresses_data();
    void derivedAddresses();
    void updateAddressOverride_data();
    void updateAddressOverride();
};

namespace {

QJsonObject goodArtifact()
{
    return {{"version", "1.2.0"},
            {"released_at", "2026-11-20T09:00:00Z"},
            {"url", "https://downloads.example/tallyleaf-1.2.0.exe"},
            {"size", 1048576.9},
            {"sha256", QString(64, QLatin1Char('f'))},
            {"mandatory", "yes"},
            {"min_upgradable_from", 5},
            {"release_notes_url", ""}};
}

QJsonObject manifestWith(const QJsonObject& artifacts)
{
    return {{"schema", 1}, {"app", "tallyleaf"}, {"channel", "stable"}, {"artifacts", artifacts}};
}

// A good manifest whose windows-x64 artifact has one field changed (an
// undefined value removes it).
QByteArray withArtifactField(const char* key, const QJsonValue& value)
{
    QJsonObject artifact = goodArtifact();
    if (value.isUndefined())
        artifact.remove(QLatin1String(key));
    else
        artifact.insert(QLatin1String(key), value);
    return QJsonDocument(manifestWith({{"windows-x64", artifact}})).toJson();
}

QByteArray withRootField(const char* key, const QJsonValue& value)
{
    QJsonObject root = manifestWith({{"windows-x64", goodArtifact()}});
    if (value.isUndefined())
        root.remove(QLatin1String(key));
    else
        root.insert(QLatin1String(key), value);
    return QJsonDocument(root).toJson();
}

} // namespace

void UpdateManifestTest::cleanup()
{
    QLocale::setDefault(QLocale::c());
    qunsetenv("TALLYLEAF_UPDATE_URL");
}

void UpdateManifestTest::manifestErrors_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("error"); // a text ending in ": " is a prefix

    const QJsonValue none(QJsonValue::Undefined);
    QTest::newRow("valid, schema 1.0") << withRootField("schema", 1.0) << "";
    QTest::newRow("empty bytes") << QByteArray() << "JSON parse error: ";
    QTest::newRow("syntax") << QByteArray("{\"schema\": 1,") << "JSON parse error: ";
    QTest::newRow("array root") << QByteArray("[{\"schema\": 1}]") << "manifest root is not a JSON object";
    QTest::newRow("no schema") << withRootField("schema", none) << "missing or non-integer field: schema";
    QTest::newRow("schema text") << withRootField("schema", "1") << "missing or non-integer field: schema";
    QTest::newRow("schema 1.5") << withRootField("schema", 1.5) << "unsupported manifest schema: 0 (expected 1)";
    QTest::newRow("schema 2") << withRootField("schema", 2) << "unsupported manifest schema: 2 (expected 1)";
    {
        QJsonObject root = manifestWith({});
        root.remove(QLatin1String("app"));
        root.insert(QLatin1String("channel"), 7);
        QTest::newRow("app before channel") << QJsonDocument(root).toJson() << "missing or non-string field: app";
    }
    QTest::newRow("empty app") << withRootField("app", "") << "manifest failed validation";
    QTest::newRow("no artifacts") << withRootField("artifacts", none) << "missing or non-object field: artifacts";
    QTest::newRow("no artifact") << withRootField("artifacts", QJsonObject()) << "manifest failed validation";
    QTest::newRow("artifact not object") << withRootField("artifacts", QJsonObject{{"linux-x64", 3}})
                                         << "artifact linux-x64 is not an object";
    {
        QJsonObject other = goodArtifact();
        other.insert(QLatin1String("size"), 0);
        QTest::newRow("other platform bad")
            << QJsonDocument(manifestWith({{"windows-x64", goodArtifact()}, {"zz-other", other}})).toJson()
            << "artifact zz-other failed validation";
    }
    {
        QJsonObject artifact = goodArtifact();
        artifact.remove(QLatin1String("url"));
        artifact.remove(QLatin1String("version"));
        QTest::newRow("first missing text wins") << QJsonDocument(manifestWith({{"windows-x64", artifact}})).toJson()
                                                 << "missing or non-string field: version";
    }
    const QString invalid = QStringLiteral("artifact windows-x64 failed validation");
    QTest::newRow("no size") << withArtifactField("size", none) << invalid;
    QTest::newRow("size 0") << withArtifactField("size", 0) << invalid;
    QTest::newRow("size text") << withArtifactField("size", "1024") << invalid;
    QTest::newRow("size 2^63") << withArtifactField("size", 9223372036854775808.0) << invalid;
    QTest::newRow("size 1e300") << withArtifactField("size", 1e300) << invalid;
    QTest::newRow("sha256 63") << withArtifactField("sha256", QString(63, QLatin1Char('a'))) << invalid;
    QTest::newRow("sha256 any 64") << withArtifactField("sha256", QString(64, QChar(0x00E9))) << "";
    QTest::newRow("bad time") << withArtifactField("released_at", "yesterday") << invalid;
    // Download can only hand a web address to the browser.
    QTest::newRow("url file") << withArtifactField("url", "file:///tmp/setup.exe") << invalid;
    QTest::newRow("url ftp") << withArtifactField("url", "ftp://downloads.example/setup.exe") << invalid;
    QTest::newRow("url no host") << withArtifactField("url", "https:setup.exe") << invalid;
}

void UpdateManifestTest::manifestErrors()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, error);
    QString actual = QStringLiteral("stale");
    const Manifest manifest = parseManifest(json, &actual);
    if (error.endsWith(QLatin1String(": ")))
        QVERIFY2(actual.startsWith(error) && actual.size() > error.size(), qPrintable(actual));
    else
        QCOMPARE(actual, error);
    if (error.isEmpty())
        QVERIFY(manifest.isValid());
}

void UpdateManifestTest::artifactReading()
{
    QString error;
    const Manifest manifest
        = parseManifest(QJsonDocument(manifestWith({{"windows-x64", goodArtifact()}})).toJson(), &error);
    QVERIFY(error.isEmpty());
    const Artifact artifact = manifest.artifacts.value(QStringLiteral("windows-x64"));
    QCOMPARE(artifact.size, qint64(1048576)); // truncated toward zero
    QCOMPARE(artifact.released_at, QDateTime(QDate(2026, 11, 20), QTime(9, 0), Qt::UTC));
    QVERIFY(!artifact.mandatory);                     // "yes" is not a boolean
    QVERIFY(artifact.min_upgradable_from.isEmpty()); // a number is not a text
    QVERIFY(!artifact.release_notes_url.isValid());  // empty text

    // The platform key only names the artifact in the error.
    QJsonObject object = goodArtifact();
    object.insert(QLatin1String("size"), "big");
    Artifact::fromJson(object, QStringLiteral("any-key"), &error);
    QCOMPARE(error, QStringLiteral("artifact any-key failed validation"));
}

void UpdateManifestTest::platformKeys_data()
{
    QTest::addColumn<QString>("kernel");
    QTest::addColumn<QString>("cpu");
    QTest::addColumn<QString>("key");
    QTest::newRow("windows x64") << "winnt" << "x86_64" << "windows-x64";
    QTest::newRow("windows arm") << "winnt" << "arm64" << "windows-arm64";
    QTest::newRow("linux x64") << "linux" << "x86_64" << "linux-x64";
    QTest::newRow("mac arm") << "darwin" << "arm64" << "macos-arm64";
    QTest::newRow("32-bit x86") << "winnt" << "i386" << "";
    QTest::newRow("other system") << "freebsd" << "x86_64" << "";
}

void UpdateManifestTest::platformKeys()
{
    QFETCH(QString, kernel);
    QFETCH(QString, cpu);
    QFETCH(QString, key);
    QCOMPARE(platformKeyFor(kernel, cpu), key);
#if defined(Q_OS_LINUX) && defined(Q_PROCESSOR_X86_64)
    QCOMPARE(platformKey(), QStringLiteral("linux-x64")); // never offered the Windows download
#endif
}

void UpdateManifestTest::derivedAddresses_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("output");
    QTest::newRow("manifest") << "manifest" << "en_US" << "https://u.example:8443/tallyleaf/stable?k=1"
                              << "https://u.example:8443/tallyleaf/stable/latest.json?k=1";
    QTest::newRow("manifest, final /") << "manifest" << "en_US" << "https://u.example/tallyleaf/stable/"
                                       << "https://u.example/tallyleaf/stable/latest.json";
    QTest::newRow("notes") << "notes" << "en_US" << "https://u.example/tallyleaf/stable/"
                           << "https://u.example/tallyleaf/1.1.5/release-notes.md";
    QTest::newRow("notes, no final /") << "notes" << "en_US" << "https://u.example/tallyleaf/stable"
                                       << "https://u.example/tallyleaf/1.1.5/release-notes.md";
    QTest::newRow("German") << "localized" << "de_DE" << "https://u.example/tallyleaf/1.2.0/release-notes.md"
                            << "https://u.example/tallyleaf/1.2.0/release-notes.de.md";
    QTest::newRow("Japanese, not .md") << "localized" << "ja_JP" << "https://u.example/notes.txt"
                                       << "https://u.example/notes.txt";
    QTest::newRow("English") << "localized" << "en_GB" << "https://u.example/release-notes.md" << "";
    QTest::newRow("C locale") << "localized" << "C" << "https://u.example/release-notes.md" << "";
    QTest::newRow("board") << "feedback" << "en_US" << "https://board.example"
                           << "https://board.example/?tags=tallyleaf";
    QTest::newRow("board, final /, query") << "feedback" << "en_US" << "https://board.example/b/?sort=new"
                                           << "https://board.example/b/?tags=tallyleaf";
}

void UpdateManifestTest::derivedAddresses()
{
    QFETCH(QString, kind);
    QFETCH(QString, locale);
    QFETCH(QString, input);
    QFETCH(QString, output);
    QLocale::setDefault(QLocale(locale));
    const Config config{QStringLiteral("tallyleaf"), QStringLiteral("stable"), QUrl(input), QStringLiteral("1.1.5")};
    QUrl result;
    if (kind == QLatin1String("manifest"))
        result = Client(config).manifestUrl();
    else if (kind == QLatin1String("notes"))
        result = notesUrlFor(config);
    else if (kind == QLatin1String("localized"))
        result = localizedNotesUrl(QUrl(input));
    else
        result = feedbackBoardUrl({QStringLiteral("tallyleaf"), QUrl(input)});
    QCOMPARE(result.toString(), output);
}

void UpdateManifestTest::updateAddressOverride_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QString>("base");
    QTest::newRow("unset") << QByteArray() << "https://downloads.larkspur.app/tallyleaf/stable/";
    QTest::newRow("test service") << QByteArray("http://127.0.0.1:8080") << "http://127.0.0.1:8080/tallyleaf/stable/";
    QTest::newRow("with path") << QByteArray("http://localhost/mirror/") << "http://localhost/mirror/tallyleaf/stable/";
}

void UpdateManifestTest::updateAddressOverride()
{
    QFETCH(QByteArray, variable);
    QFETCH(QString, base);
    if (!variable.isNull())
        qputenv("TALLYLEAF_UPDATE_URL", variable);
    const Config config = makeUpdateConfig();
    QCOMPARE(config.manifestBaseUrl.toString(), base);
    QCOMPARE(config.currentVersion, QStringLiteral("1.1.5"));
}

TALLYLEAF_TEST_MAIN(UpdateManifestTest)
#include "tst_updatemanifest.moc"
