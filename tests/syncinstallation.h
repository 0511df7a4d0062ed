#pragma once

#include "syncstack.h"
#include "testserviceprocess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// One installation of the application for sync tests: a data directory of
// its own with the database, the repositories and a sync engine signed in
// to the test service as `user`. The database is the process's default
// connection, so only one installation is open at a time; open() and
// close() switch between them, the data staying in the directory.
class SyncInstallation : public SyncStack
{
public:
    SyncInstallation(TestServiceProcess* service, const QString& user)
        : m_service(service)
        , m_user(user)
    {
    }
    // Closed before the directory goes.
    ~SyncInstallation() { close(); }

    bool open()
    {
        const QJsonObject pair = m_service->issueTokens(m_user);
        return SyncStack::open(m_dir.filePath(QStringLiteral("tallyleaf.db")), m_service->url().toString(),
                               pair.value(QLatin1String("access_token")).toString(),
                               pair.value(QLatin1String("refresh_token")).toString());
    }

    // Runs one cycle to its end; false when it failed or did not end.
    bool cycle(int timeoutMs = 20000)
    {
        QSignalSpy completed(engine.get(), &SyncEngine::syncCompleted);
        QSignalSpy failed(engine.get(), &SyncEngine::syncFailed);
        engine->syncNow();
        if (!QTest::qWaitFor([&] { return completed.count() + failed.count() > 0; }, timeoutMs))
            qWarning("the cycle did not end");
        return completed.count() == 1 && failed.isEmpty();
    }

private:
    TestServiceProcess* m_service;
    QString m_user;
    QTemporaryDir m_dir;
};
