#include "coretestsupport.h"

#include "account/core/filetokenstore.h"
#include "account/core/tokenclaims.h"
#include "account/core/tokenstore.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace LarkAccount;

class TokenStoreTest : public QObject
{
    Q_OBJECT

private slots:
    void fileStoreSurvivesRestart_data();
    void fileStoreSurvivesRestart();
    void damagedFileHoldsNoValue_data();
    void damagedFileHoldsNoValue();
    void fallsBackToFileWithoutSessionBus();
    void secretService();
    void payloadReaders_data();
    void payloadReaders();
};

namespace {

QString base64url(const QByteArray& json, bool padded = false)
{
    return QString::fromLatin1(
        json.toBase64(padded ? QByteArray::Base64UrlEncoding
                             : QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

// A token whose payload part is this JSON text.
QString tokenWithPayload(const QByteArray& json)
{
    return QStringLiteral("h.%1.s").arg(base64url(json));
}

// Checks the store contract on a store with nothing in it; `reopen` gives
// a new store on the same storage (an application restart).
void checkStoreContract(TokenStore& store, const std::function<std::unique_ptr<TokenStore>()>& reopen)
{
    const QString nonAscii = QStringLiteral("jeton-\u00e9\u00e8-\u65e5\u672c-\U0001F511");
    QVERIFY(store.write(kAccessTokenKey, nonAscii));
    QVERIFY(store.write(kRefreshTokenKey, QString()));
    QVERIFY(store.write(kRefreshTokenKey, QStringLiteral("abc")));
    QVERIFY(store.write(kAccessTokenKey, QString())); // replaces; empty is a value

    std::unique_ptr<TokenStore> reopened = reopen();
    QCOMPARE(reopened->read(kAccessTokenKey), std::optional<QString>(QString()));
    QCOMPARE(reopened->read(kRefreshTokenKey), std::optional<QString>(QStringLiteral("abc")));
    QVERIFY(reopened->write(kAccessTokenKey, nonAscii));
    QCOMPARE(store.read(kAccessTokenKey), std::optional<QString>(nonAscii));

    QVERIFY(reopened->remove(kRefreshTokenKey));
    QVERIFY(!reopened->remove(kRefreshTokenKey));
    QCOMPARE(store.read(kRefreshTokenKey), std::nullopt);
    store.clear();
    store.clear(); // nothing left: still quiet
    QCOMPARE(reopened->read(kAccessTokenKey), std::nullopt);
}

} // namespace

void TokenStoreTest::fileStoreSurvivesRestart_data()
{
    QTest::addColumn<bool>("directoryExists");
    QTest::newRow("new directory") << false;
    QTest::newRow("existing open directory") << true;
}

void TokenStoreTest::fileStoreSurvivesRestart()
{
    QFETCH(bool, directoryExists);
    QTemporaryDir root;
    const QString directory = root.filePath(QStringLiteral("data"));
    if (directoryExists) {
        QVERIFY(QDir().mkpath(directory));
        QVERIFY(QFile::setPermissions(directory, QFile::Permissions::fromInt(0x7777)));
    }
    FileTokenStore store(directory);
    checkStoreContract(store, [&] { return std::make_unique<FileTokenStore>(directory); });
    QVERIFY(store.write(kAccessTokenKey, QStringLiteral("kept")));
    // User, group and other bits (the owner bits repeat the user's).
    const auto modeOf = [](const QString& path) { return QFile::permissions(path) & 0x0777; };
    QCOMPARE(modeOf(store.filePath()), QFile::Permissions(QFile::ReadUser | QFile::WriteUser));
    QCOMPARE(modeOf(directory), QFile::Permissions(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser));
    QCOMPARE(QDir(directory).entryList(QDir::Files), QStringList{QStringLiteral("tokens.json")}); // no temporary left
}

void TokenStoreTest::damagedFileHoldsNoValue_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("cut short") << QByteArray(R"({"larkspur_access_token":"ab)");
    QTest::newRow("array") << QByteArray(R"(["larkspur_access_token"])");
    QTest::newRow("not text") << QByteArray(R"({"larkspur_access_token":42,"larkspur_refresh_token":null})");
    QTest::newRow("binary") << QByteArray("\x00\xff\xfe{", 4);
}

void TokenStoreTest::damagedFileHoldsNoValue()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    FileTokenStore store(dir.path());
    QFile file(store.filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();

    QCOMPARE(store.read(kAccessTokenKey), std::nullopt);
    QCOMPARE(store.read(kRefreshTokenKey), std::nullopt);
    // The next sign-in replaces the damaged file.
    QVERIFY(store.write(kRefreshTokenKey, QStringLiteral("r")));
    QCOMPARE(FileTokenStore(dir.path()).read(kRefreshTokenKey), std::optional<QString>(QStringLiteral("r")));
}

void TokenStoreTest::fallsBackToFileWithoutSessionBus()
{
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", QTemporaryDir().path().toUtf8()); // gone: no bus socket there
    QTemporaryDir dir;
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression(QStringLiteral("^TokenStore: no credential store \\(no session bus\\)")));
    std::unique_ptr<TokenStore> store =
        CredentialManagerTokenStore::create(QStringLiteral("org.larkspur.tallyleaf"), dir.path());
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    qputenv("XDG_RUNTIME_DIR", runtime);

    QVERIFY(dynamic_cast<FileTokenStore*>(store.get()));
    QVERIFY(store->write(kAccessTokenKey, QStringLiteral("a")));
    QVERIFY(QFile::exists(dir.filePath(QStringLiteral("tokens.json"))));
}

// The Secret Service path against a real gnome-keyring-daemon. The test
// runs itself again inside a private session bus (dbus-run-session) with a
// freshly unlocked keyring; that child does the checks.
void TokenStoreTest::secretService()
{
    if (qEnvironmentVariableIsSet("TALLYLEAF_KEYRING_CHILD")) {
        QString reason;
        for (int i = 0; i < 100 && !CredentialManagerTokenStore::isAvailable(&reason); ++i)
            QTest::qWait(100);
        if (!reason.isEmpty())
            QSKIP(qPrintable(QStringLiteral("the keyring did not come up: ") + reason));
        QTemporaryDir fallbackDir;
        // Left by a run without the keyring: sign-out removes it too.
        FileTokenStore earlier(fallbackDir.path());
        QVERIFY(earlier.write(kAccessTokenKey, QStringLiteral("a")) && earlier.write(kRefreshTokenKey, QStringLiteral("r")));
        const QString service = QStringLiteral("org.larkspur.tallyleaf.test");
        std::unique_ptr<TokenStore> store = CredentialManagerTokenStore::create(service, fallbackDir.path());
        QVERIFY(dynamic_cast<CredentialManagerTokenStore*>(store.get()));
        QCOMPARE(static_cast<CredentialManagerTokenStore*>(store.get())->targetName(kAccessTokenKey),
                 QStringLiteral("Larkspur/org.larkspur.tallyleaf.test/larkspur_access_token"));
        checkStoreContract(*store, [&] { return CredentialManagerTokenStore::create(service, fallbackDir.path()); });
        QVERIFY(QDir(fallbackDir.path()).isEmpty());
        return;
    }

    for (const char* program : {"dbus-run-session", "gnome-keyring-daemon"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(program)).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed").arg(QLatin1String(program))));
    }
    QTemporaryDir runtimeDir;
    QTemporaryDir keyringHome;
    QVERIFY(QFile::setPermissions(runtimeDir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), keyringHome.path());
    env.insert(QStringLiteral("TALLYLEAF_KEYRING_CHILD"), QStringLiteral("1"));
    // The daemon runs in the foreground as the shell's child, so the shell
    // stops and reaps it; the password creates and unlocks the login keyring.
    const QString script = QStringLiteral(
        "printf test-password | gnome-keyring-daemon --foreground --unlock --components=secrets >/dev/null & "
        "daemon=$!; \"$0\" secretService; status=$?; kill $daemon; wait $daemon; exit $status");
    QProcess child;
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QStringLiteral("dbus-run-session"),
                {QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"), script,
                 QCoreApplication::applicationFilePath()});
    QVERIFY2(child.waitForFinished(60000), "the keyring session did not finish");
    const QString output = QString::fromUtf8(child.readAll());
    const QRegularExpressionMatch skip = QRegularExpression(QStringLiteral("SKIP   : \\S+ (.*)")).match(output);
    if (skip.hasMatch())
        QSKIP(qPrintable(skip.captured(1)));
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, qPrintable(output));
    QVERIFY2(output.contains(QLatin1String("PASS   : TokenStoreTest::secretService()")), qPrintable(output));
}

void TokenStoreTest::payloadReaders_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<qint64>("expiry");
    QTest::addColumn<QString>("subject");
    QTest::addColumn<int>("seats");
    QTest::addColumn<QString>("groupId");
    QTest::addColumn<QString>("role");

    const auto row = [](const char* name, const QString& token, qint64 expiry, const QString& subject = QString(),
                        int seats = 0, const QString& groupId = QString(), const QString& role = QString()) {
        QTest::newRow(name) << token << expiry << subject << seats << groupId << role;
    };
    row("two parts, header ignored", "not base64!." + base64url(R"({"exp":1700000000,"sub":"u1"})"), 1700000000, "u1");
    // Encodes with "-", "_" and one "=".
    row("padded url alphabet", "h." + base64url(R"({"sub":"~~~?"})", true) + ".s", 0, "~~~?");
    row("exp past 2038", tokenWithPayload(R"({"exp":4102444800})"), 4102444800);
    row("exp not a number", tokenWithPayload(R"({"exp":"1700000000","sub":7})"), 0);
    row("exp with a fraction", tokenWithPayload(R"({"exp":1700000000.5})"), 0);
    row("claims", tokenWithPayload(R"({"custom":{"wren":{"seats":5,"group_id":"g1","role":"owner"}}})"), 0, "", 5,
        "g1", "owner");
    row("claims of the wrong types",
        tokenWithPayload(R"({"custom":{"wren":{"seats":"5","group_id":3,"role":null}}})"), 0);
    row("custom without wren", tokenWithPayload(R"({"custom":{"seats":5}})"), 0);
    row("payload not JSON", QStringLiteral("h.bm90IGpzb24.s"), 0);
    row("payload an array", tokenWithPayload("[1700000000]"), 0);
    row("one part", QStringLiteral("eyJleHAiOjE3MDAwMDAwMDB9"), 0);
    row("empty", QString(), 0);
}

void TokenStoreTest::payloadReaders()
{
    QFETCH(QString, token);
    QFETCH(qint64, expiry);
    QFETCH(QString, subject);
    QFETCH(int, seats);
    QFETCH(QString, groupId);
    QFETCH(QString, role);
    QCOMPARE(tokenExpiryOf(token), expiry);
    QCOMPARE(tokenSubjectOf(token), subject);
    const WrenClaims claims = WrenClaims::fromToken(token);
    QCOMPARE(claims.seats, seats);
    QCOMPARE(claims.groupId, groupId);
    QCOMPARE(claims.role, role);
}

TALLYLEAF_CORE_TEST_MAIN(TokenStoreTest)
#include "tst_tokenstore.moc"
