#pragma once

#include <QSqlDatabase>
#include <QString>

// Several writes as one all-or-nothing unit. On an idle connection it opens
// its own database transaction; when someone else (an import) already holds
// one, it nests a named savepoint instead, so undoing our writes never undoes
// theirs. Destroyed before commit() succeeded, it rolls back.
class AtomicWrite
{
public:
    AtomicWrite(QSqlDatabase db, const QString& savepointName);
    ~AtomicWrite();
    AtomicWrite(const AtomicWrite&) = delete;
    AtomicWrite& operator=(const AtomicWrite&) = delete;

    // False, with the driver's error text, when neither could be started.
    bool begin(QString* error = nullptr);
    // On failure rolls back and gives the error text.
    bool commit(QString* error = nullptr);
    void rollback();
    bool isActive() const { return m_mode != Mode::None; }

private:
    enum class Mode { None, OwnTransaction, Savepoint };
    QSqlDatabase m_db;
    QString m_savepoint;
    Mode m_mode = Mode::None;
};

// After a failed statement inside a transaction: whether SQLite ended the
// transaction on its own (disk full, I/O error) rather than the statement
// alone.
bool transactionLost(QSqlDatabase db);
