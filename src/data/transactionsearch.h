#pragma once

#include "data/records.h"

#include <QList>
#include <QString>
#include <QStringList>

class QSqlDatabase;

// How a search finds its rows. Automatic picks by estimated cost; the other
// two exist so that tests can hold one against the other.
enum class SearchMethod {
    Automatic,
    // Words through the full-text index (always possible).
    FullTextIndex,
    // Rows read in result order and their texts tokenized here by the index's
    // own tokenizer, until 200 match: quick for common words, whose index
    // entries are many. Falls back to the index where it cannot run.
    WordScan,
};

// The newest 200 live rows (date, creation time, rowid, all descending)
// matching every word of `text` as a prefix of a word of payee, memo or
// check number, and the filter, with their category texts. A failing query
// gives an empty list.
QList<RegisterRow> searchTransactions(QSqlDatabase& db, const QString& text, const TransactionSearchFilter& filter,
                                      SearchMethod method = SearchMethod::Automatic);

// The words of a search text: its maximal runs of letters and digits.
QStringList searchWords(const QString& text);

// Whether WordScan can serve these words on this connection: an SQLite
// connection of the library this program links, a full-text table with the
// default tokenizer, and every word exactly one token of it.
bool canScanWords(QSqlDatabase& db, const QString& text);
