#pragma once

#include "data/records.h"

#include <QHash>
#include <QList>
#include <QStringList>
#include <QObject>
#include <QSqlQuery>

class Database;

// Reads and writes table split_lines. Lines belong to their transaction and
// carry no sync columns; whoever changes them also writes the transaction,
// and that write announces the change, so this class has no signal.
class SplitLineRepository : public QObject
{
    Q_OBJECT
public:
    SplitLineRepository(Database* database, QObject* parent = nullptr);

    // The transaction's lines in the order they were written.
    QList<SplitLine> findByTransaction(const QString& transactionId) const;
    // The lines of each of the transactions (by transaction id), each
    // transaction's in the order they were written, in one query.
    QHash<QString, QList<SplitLine>> findByTransactions(const QStringList& transactionIds) const;

    bool insert(const SplitLine& line);
    // For many lines in a row (a sync pull): the insert statement prepared
    // once on this connection, then insert(line, statement) for each line.
    QSqlQuery prepareInsert() const;
    bool insert(const SplitLine& line, QSqlQuery& prepared);
    // Hard delete of every line of the transaction.
    bool deleteByTransaction(const QString& transactionId);

    // Replaces the transaction's lines with `lines` (each stored under
    // `transactionId`, whatever its own transactionId holds) as one unit: when
    // any step fails the old lines stay and the result is false. Runs in a
    // savepoint, so it also nests inside a caller's open transaction.
    bool replaceForTransaction(const QString& transactionId, const QList<SplitLine>& lines);

private:
    Database* m_database;
};
