#include "coretestsupport.h"

#include "data/database.h"
#include "testserviceprocess.h"

#include <QProcess>
#include <QSqlQuery>

// Two installations of one user editing and syncing at once, each in a
// process of its own (sync_child), for TALLYLEAF_SOAK_SECONDS (default 60;
// 1800 for the long run, with QTEST_FUNCTION_TIMEOUT=2400000 to lift QtTest's
// five-minute watchdog): both finish with the same live rows, and neither grows
// in open files or (outside the sanitizers, whose allocator keeps freed
// memory) in resident memory once warmed up.

namespace {

constexpr int kTimeoutMs = 120000;

struct Stats
{
    qint64 seconds = 0;
    qint64 edits = 0;
    qint64 residentKb = 0;
    int openFiles = 0;
};

// Every live transaction as "id amount memo version" in id order. (A row
// created and deleted between two pulls of the other installation reaches
// it only as deleted, and a deleted row it never had is not stored.)
QStringList rowsOf(const QString& path)
{
    Database db;
    if (!db.open(path))
        return {QStringLiteral("cannot open ") + path};
    QSqlQuery q(db.database());
    q.exec(QStringLiteral("SELECT id || ' ' || amount || ' ' || memo || ' v' || version FROM transactions "
                          "WHERE deleted_at IS NULL ORDER BY id"));
    QStringList rows;
    while (q.next())
        rows << q.value(0).toString();
    return rows;
}

} // namespace

class SyncSoakTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void twoInstallationsStayFlat();

private:
    bool cycle(const QString& dir);
    QStringList arguments(const QString& mode, const QString& dir) const;

    std::unique_ptr<TestServiceProcess> m_service;
    QJsonObject m_tokens;
};

void SyncSoakTest::initTestCase()
{
    QVERIFY2(QFile::exists(QStringLiteral(SYNC_CHILD)), SYNC_CHILD);
    m_service = std::make_unique<TestServiceProcess>();
    QVERIFY2(m_service->isRunning(), qPrintable(m_service->errorText()));
    m_tokens = m_service->issueTokens(QStringLiteral("u1"), 24 * 3600);
}

QStringList SyncSoakTest::arguments(const QString& mode, const QString& dir) const
{
    return {mode, dir, m_service->url().toString(), m_tokens.value(QLatin1String("access_token")).toString(),
            m_tokens.value(QLatin1String("refresh_token")).toString()};
}

bool SyncSoakTest::cycle(const QString& dir)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QStringLiteral(SYNC_CHILD), arguments(QStringLiteral("cycle"), dir));
    return child.waitForFinished(kTimeoutMs) && child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0;
}

void SyncSoakTest::twoInstallationsStayFlat()
{
    const int seconds = qEnvironmentVariableIsSet("TALLYLEAF_SOAK_SECONDS")
                            ? qEnvironmentVariableIntValue("TALLYLEAF_SOAK_SECONDS")
                            : 60;
    QTemporaryDir a;
    QTemporaryDir b;
    QVERIFY(a.isValid() && b.isValid());
    {
        Database db;
        QVERIFY(db.open(a.filePath(QStringLiteral("tallyleaf.db"))) && db.migrate());
        QSqlQuery q(db.database());
        QVERIFY(q.exec(QStringLiteral("INSERT INTO accounts (id, name, created_at, updated_at) VALUES "
                                      "('acct', 'Checking', '2024-01-01T00:00:00Z', '2024-01-01T00:00:00Z')")));
    }
    QVERIFY(cycle(a.path()));
    QVERIFY(cycle(b.path()));

    QProcess children[2];
    QList<Stats> stats[2];
    qint64 edits[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        children[i].setProcessChannelMode(QProcess::ForwardedErrorChannel);
        children[i].start(QStringLiteral(SYNC_CHILD),
                          arguments(QStringLiteral("soak"), (i == 0 ? a : b).path())
                              << QString::number(seconds) << QString::number(i + 1));
        QVERIFY(children[i].waitForStarted());
    }
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 2; ++i) {
        QProcess& child = children[i];
        while (child.state() != QProcess::NotRunning || child.canReadLine()) {
            if (!child.canReadLine() && !child.waitForReadyRead(kTimeoutMs))
                break;
            const QList<QByteArray> words = child.readLine().trimmed().split(' ');
            if (words.value(0) == "stats" && words.size() == 4)
                stats[i].append({clock.elapsed() / 1000, words[1].toLongLong(), words[2].toLongLong(), words[3].toInt()});
            else if (words.value(0) == "done")
                edits[i] = words.value(1).toLongLong();
            else if (words.value(0) == "failed")
                QFAIL(qPrintable(QStringLiteral("installation %1: %2").arg(i).arg(QString::fromUtf8(words.join(' ')))));
        }
        QVERIFY(child.state() == QProcess::NotRunning || child.waitForFinished(kTimeoutMs));
        QCOMPARE(child.exitCode(), 0);
        QVERIFY2(edits[i] > 0, "no edits made");
        QVERIFY2(stats[i].size() >= 3, "too few figures");
    }

    // A's last edits reach B, B's reach A.
    QVERIFY(cycle(a.path()));
    QVERIFY(cycle(b.path()));
    QVERIFY(cycle(a.path()));
    const QStringList rowsA = rowsOf(a.filePath(QStringLiteral("tallyleaf.db")));
    const QStringList rowsB = rowsOf(b.filePath(QStringLiteral("tallyleaf.db")));
    if (rowsB != rowsA) {
        const QSet<QString> onlyA = QSet<QString>(rowsA.begin(), rowsA.end()) - QSet<QString>(rowsB.begin(), rowsB.end());
        const QSet<QString> onlyB = QSet<QString>(rowsB.begin(), rowsB.end()) - QSet<QString>(rowsA.begin(), rowsA.end());
        QFAIL(qPrintable(QStringLiteral("only on A: %1\nonly on B: %2")
                             .arg(QStringList(onlyA.values()).join(QLatin1String("; ")),
                                  QStringList(onlyB.values()).join(QLatin1String("; ")))));
    }

    const bool sanitized = qEnvironmentVariableIsSet("ASAN_OPTIONS");
    for (int i = 0; i < 2; ++i) {
        // Warmed up after the first third; from there only noise may grow.
        const Stats& warm = stats[i].at(stats[i].size() / 3);
        const Stats& last = stats[i].last();
        qInfo("installation %d: %lld edits in %d s, %d rows; resident %lld -> %lld kB, open files %d -> %d", i,
              edits[i], seconds, int(rowsA.size()), warm.residentKb, last.residentKb, warm.openFiles, last.openFiles);
        QVERIFY2(last.openFiles <= warm.openFiles + 2, "open files grow");
        if (!sanitized)
            QVERIFY2(last.residentKb <= warm.residentKb + qMax<qint64>(16 * 1024, warm.residentKb / 4),
                     "resident memory grows");
    }
}

TALLYLEAF_CORE_TEST_MAIN(SyncSoakTest)
#include "tst_syncsoak.moc"
