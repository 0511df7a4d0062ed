#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// Text of a whole imported file. A UTF-8, UTF-16 LE or UTF-16 BE byte-order
// mark decides; without one, data that is strict UTF-8 (no overlong forms,
// surrogates or values above U+10FFFF) is read as UTF-8 and anything else as
// Windows-1252, byte by byte. Every input gives a text.
QString decodeTextBytes(const QByteArray& bytes);

// Rows of trimmed fields. The comma separates, double quotes may open and
// close anywhere in a field (a doubled quote inside them is one quote),
// carriage returns outside quotes are dropped, and a line that holds
// nothing but white space is no row. Rows keep their own field counts.
QList<QStringList> parseCsv(const QString& text);
