#include "coretestsupport.h"

#include "account/core/tokenmanager.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <limits>

using namespace LarkAccount;

Q_DECLARE_METATYPE(LarkAccount::RefreshResult)

class TokenManagerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void usableAccessToken_data();
    void usableAccessToken();
    void oneRefreshForAllWaiting_data();
    void oneRefreshForAllWaiting();
    void callbackMayRefreshAgain();
    void nothingToRefreshWithIsRejectedAtOnce();
    void refreshOfReplacedTokensIsDropped_data();
    void refreshOfReplacedTokensIsDropped();
    void freshTokenLivesItsLifetime_data();
    void freshTokenLivesItsLifetime();

private:
    // The refresh function the manager calls; the test answers for the server.
    QStringList m_sent;
    TokenManager::RefreshSucceeded m_succeed;
    TokenManager::RefreshFailed m_fail;
    MemoryTokenStore* m_store = nullptr;
    std::unique_ptr<TokenManager> m_manager;
};

namespace {

constexpr qint64 kNow = 1700000000;

QString tokenExpiringAt(qint64 expiry, qint64 issuedAt = 0)
{
    QJsonObject payload{{"sub", "u1"}, {"exp", expiry}};
    if (issuedAt != 0)
        payload.insert(QStringLiteral("iat"), issuedAt);
    const QByteArray json = QJsonDocument(payload).toJson(QJsonDocument::Compact);
    return QStringLiteral("h.%1.s").arg(QString::fromLatin1(json.toBase64(QByteArray::Base64UrlEncoding)));
}

QString stored(TokenStore* store, const QString& key)
{
    return store->read(key).value_or(QStringLiteral("<none>"));
}

} // namespace

void TokenManagerTest::init()
{
    auto store = std::make_unique<MemoryTokenStore>();
    m_store = store.get();
    m_manager = std::make_unique<TokenManager>(std::move(store));
    m_manager->setClock([] { return kNow; });
    m_sent.clear();
    m_manager->setRefreshFunction([this](const QString& refreshToken, TokenManager::RefreshSucceeded onSuccess,
                                         TokenManager::RefreshFailed onFailure) {
        m_sent << refreshToken;
        m_succeed = onSuccess;
        m_fail = onFailure;
    });
}

void TokenManagerTest::usableAccessToken_data()
{
    QTest::addColumn<QString>("token");
    QTest::addColumn<qint64>("now");
    QTest::addColumn<bool>("usable");
    QTest::newRow("100 s left") << tokenExpiringAt(kNow + 100) << kNow << true;
    QTest::newRow("31 s left") << tokenExpiringAt(kNow + 31) << kNow << true;
    QTest::newRow("30 s left") << tokenExpiringAt(kNow + 30) << kNow << false;
    QTest::newRow("expired") << tokenExpiringAt(kNow - 1) << kNow << false;
    QTest::newRow("year 2100") << tokenExpiringAt(4102444800) << qint64(4102444800 - 100) << true;
    QTest::newRow("lowest exp") << tokenExpiringAt(std::numeric_limits<qint64>::min()) << kNow << false;
    QTest::newRow("no exp") << QStringLiteral("h.eyJzdWIiOiJ1MSJ9.s") << qint64(0) << false;
    QTest::newRow("not a token") << QStringLiteral("opaque") << qint64(0) << false;
}

void TokenManagerTest::usableAccessToken()
{
    QFETCH(QString, token);
    QFETCH(qint64, now);
    QFETCH(bool, usable);
    m_manager->setClock([now] { return now; });
    m_manager->setTokens(token, QStringLiteral("r"));
    QCOMPARE(m_manager->validAccessToken(), usable ? token : QString());
    QCOMPARE(m_manager->needsRefresh(), !usable);
    m_manager->setTokens(token, QString());
    QVERIFY(!m_manager->needsRefresh()); // nothing to refresh with
}

void TokenManagerTest::oneRefreshForAllWaiting_data()
{
    QTest::addColumn<QString>("outcome");
    QTest::addColumn<RefreshResult>("result");
    QTest::addColumn<QString>("access");
    QTest::addColumn<QString>("refresh");
    QTest::newRow("new pair") << "new pair" << RefreshResult::Success << "new-access" << "new-refresh";
    QTest::newRow("no new refresh token") << "access only" << RefreshResult::Success << "new-access" << "old-refresh";
    QTest::newRow("rejected") << "rejected" << RefreshResult::Rejected << "" << "";
    QTest::newRow("transient") << "transient" << RefreshResult::TransientFailure << "old-access" << "old-refresh";
}

void TokenManagerTest::oneRefreshForAllWaiting()
{
    QFETCH(QString, outcome);
    QFETCH(RefreshResult, result);
    QFETCH(QString, access);
    QFETCH(QString, refresh);
    m_manager->setTokens(QStringLiteral("old-access"), QStringLiteral("old-refresh"));
    QList<QPair<int, RefreshResult>> answers;
    for (int caller = 0; caller < 3; ++caller)
        m_manager->refresh([&answers, caller](RefreshResult r) { answers.append({caller, r}); });
    m_manager->refresh(nullptr);
    QCOMPARE(m_sent, QStringList{QStringLiteral("old-refresh")});
    QVERIFY(answers.isEmpty());

    if (outcome == QLatin1String("new pair"))
        m_succeed(QStringLiteral("new-access"), QStringLiteral("new-refresh"), 0);
    else if (outcome == QLatin1String("access only"))
        m_succeed(QStringLiteral("new-access"), QString(), 0);
    else
        m_fail(outcome == QLatin1String("rejected"));
    m_fail(false); // a second answer to the same refresh changes nothing

    QCOMPARE(answers, (QList<QPair<int, RefreshResult>>{{0, result}, {1, result}, {2, result}}));
    QCOMPARE(m_manager->refreshToken(), refresh);
    const QString none = QStringLiteral("<none>");
    QCOMPARE(stored(m_store, kAccessTokenKey), access.isEmpty() ? none : access);
    QCOMPARE(stored(m_store, kRefreshTokenKey), refresh.isEmpty() ? none : refresh);
    QCOMPARE(m_manager->rejectionCount(), quint64(result == RefreshResult::Rejected ? 1 : 0));
}

void TokenManagerTest::callbackMayRefreshAgain()
{
    m_manager->setTokens(QString(), QStringLiteral("r1"));
    m_manager->refresh([this](RefreshResult) { m_manager->refresh(nullptr); });
    m_succeed(QStringLiteral("a2"), QStringLiteral("r2"), 0);
    QCOMPARE(m_sent, (QStringList{QStringLiteral("r1"), QStringLiteral("r2")}));
}

void TokenManagerTest::nothingToRefreshWithIsRejectedAtOnce()
{
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult r) { answers << r; }); // signed out
    m_manager->setTokens(QStringLiteral("a"), QStringLiteral("r"));
    m_manager->setRefreshFunction(nullptr);
    m_manager->refresh([&answers](RefreshResult r) { answers << r; });
    QCOMPARE(answers, (QList<RefreshResult>{RefreshResult::Rejected, RefreshResult::Rejected}));
    QVERIFY(m_sent.isEmpty());
}

// Sign-out or a new sign-in while a refresh is under way: its late answer
// must not bring back or overwrite tokens.
void TokenManagerTest::refreshOfReplacedTokensIsDropped_data()
{
    QTest::addColumn<bool>("signInAgain");
    QTest::addColumn<bool>("refreshSucceeds");
    QTest::addColumn<RefreshResult>("result");
    QTest::newRow("signed out, refresh succeeds") << false << true << RefreshResult::Rejected;
    QTest::newRow("signed out, refresh refused") << false << false << RefreshResult::Rejected;
    QTest::newRow("signed in anew, refresh succeeds") << true << true << RefreshResult::Success;
    QTest::newRow("signed in anew, refresh refused") << true << false << RefreshResult::Success;
}

void TokenManagerTest::refreshOfReplacedTokensIsDropped()
{
    QFETCH(bool, signInAgain);
    QFETCH(bool, refreshSucceeds);
    QFETCH(RefreshResult, result);
    m_manager->setTokens(QStringLiteral("old-access"), QStringLiteral("old-refresh"));
    QList<RefreshResult> answers;
    m_manager->refresh([&answers](RefreshResult r) { answers << r; });

    m_manager->clearTokens();
    const QString access = signInAgain ? tokenExpiringAt(kNow + 3600) : QString();
    const QString refresh = signInAgain ? QStringLiteral("fresh-refresh") : QString();
    if (signInAgain)
        m_manager->setTokens(access, refresh);
    if (refreshSucceeds)
        m_succeed(QStringLiteral("late-access"), QStringLiteral("late-refresh"), 0);
    else
        m_fail(true);

    QCOMPARE(answers, QList<RefreshResult>{result});
    QCOMPARE(m_manager->validAccessToken(), access);
    QCOMPARE(m_manager->refreshToken(), refresh);
    QCOMPARE(stored(m_store, kRefreshTokenKey), signInAgain ? refresh : QStringLiteral("<none>"));
}

// The local clock hours off the server's: a refreshed token is usable for
// its lifetime, told by exp − iat or by the reply's expires_in.
void TokenManagerTest::freshTokenLivesItsLifetime_data()
{
    QTest::addColumn<qint64>("skew");
    QTest::addColumn<bool>("issuedAt");
    QTest::newRow("clock 2 h ahead, exp - iat") << qint64(7200) << true;
    QTest::newRow("clock 2 h behind, exp - iat") << qint64(-7200) << true;
    QTest::newRow("clock 2 h ahead, expires_in") << qint64(7200) << false;
    QTest::newRow("clock 2 h behind, expires_in") << qint64(-7200) << false;
}

void TokenManagerTest::freshTokenLivesItsLifetime()
{
    QFETCH(qint64, skew);
    QFETCH(bool, issuedAt);
    qint64 now = kNow + skew;
    m_manager->setClock([&now] { return now; });
    m_manager->setTokens(QString(), QStringLiteral("r1"));
    m_manager->refresh(nullptr);
    const QString fresh = tokenExpiringAt(kNow + 300, issuedAt ? kNow : 0);
    m_succeed(fresh, QStringLiteral("r2"), issuedAt ? 0 : 300);
    QCOMPARE(m_manager->validAccessToken(), fresh);
    now += 269;
    QCOMPARE(m_manager->validAccessToken(), fresh);
    now += 1;
    QVERIFY(m_manager->needsRefresh());
}

TALLYLEAF_CORE_TEST_MAIN(TokenManagerTest)
#include "tst_tokenmanager.moc"
