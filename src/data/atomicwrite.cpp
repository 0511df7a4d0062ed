#include "data/atomicwrite.h"

#include <QSqlError>
#include <QSqlQuery>

AtomicWrite::AtomicWrite(QSqlDatabase db, const QString& savepointName)
    : m_db(std::move(db))
    , m_savepoint(savepointName)
{
}

AtomicWrite::~AtomicWrite()
{
    rollback();
}

bool AtomicWrite::begin(QString* error)
{
    if (m_db.transaction()) {
        m_mode = Mode::OwnTransaction;
        return true;
    }
    QSqlQuery q(m_db);
    if (q.exec(QStringLiteral("SAVEPOINT ") + m_savepoint)) {
        m_mode = Mode::Savepoint;
        return true;
    }
    if (error)
        *error = q.lastError().text();
    return false;
}

bool AtomicWrite::commit(QString* error)
{
    bool ok = true;
    QString text;
    if (m_mode == Mode::OwnTransaction) {
        ok = m_db.commit();
        if (!ok)
            text = m_db.lastError().text();
    } else if (m_mode == Mode::Savepoint) {
        QSqlQuery q(m_db);
        ok = q.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
        if (!ok)
            text = q.lastError().text();
    }
    if (!ok) {
        if (error)
            *error = text;
        rollback();
        return false;
    }
    m_mode = Mode::None;
    return true;
}

void AtomicWrite::rollback()
{
    if (m_mode == Mode::OwnTransaction) {
        m_db.rollback();
    } else if (m_mode == Mode::Savepoint) {
        QSqlQuery q(m_db);
        q.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + m_savepoint);
        q.exec(QStringLiteral("RELEASE SAVEPOINT ") + m_savepoint);
    }
    m_mode = Mode::None;
}

bool transactionLost(QSqlDatabase db)
{
    QSqlQuery probe(db);
    // BEGIN only succeeds outside a transaction.
    if (!probe.exec(QStringLiteral("BEGIN")))
        return false;
    probe.exec(QStringLiteral("ROLLBACK"));
    return true;
}
