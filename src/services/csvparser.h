#pragma once

#include <QByteArray>
#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

class QIODevice;

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

// The grammar of parseCsv, fed the text piece by piece: rows complete once
// their line feed (or, after finish, the end of the text) is read.
class CsvRowSplitter
{
public:
    void feed(QStringView text, QList<QStringList>& rows);
    void finish(QList<QStringList>& rows);
    // What a copy of the row not yet complete holds: its characters and
    // its fields (an empty field holds no character but still takes room).
    qsizetype pendingSize() const;

private:
    QStringList m_row;
    QString m_field;
    bool m_inQuotes = false;
    bool m_quoteInQuotes = false; // a quote inside quotes, not yet known to be doubled
};

// The rows parseCsv(decodeTextBytes(all bytes)) gives, read from an open,
// seekable device a piece at a time, so that a file of any size takes the
// memory of one piece. Without a byte-order mark the encoding is decided by
// a scan over the whole device first.
class CsvReader
{
public:
    explicit CsvReader(QIODevice* device, qsizetype pieceBytes = 256 * 1024);

    // The next row; false at the end and after a read error.
    bool next(QStringList& row);
    // Back to the first row, the encoding kept.
    bool rewind();
    bool failed() const { return m_failed; }

    // With marks kept, one pass from the first row to the end notes where
    // the pieces start; afterwards any row is read again by its number from
    // the last mark before it, without the rows before that. False for a
    // row past the end, before a full pass or when the device fails.
    void setKeepMarks(bool keep);
    bool readRow(qint64 index, QStringList& row);
    // The bytes, characters and fields the marks hold besides their
    // positions: at most about an eighth of the bytes read.
    qsizetype markedSize() const;

private:
    enum class Encoding { Utf8, Utf16LE, Utf16BE, Windows1252 };

    // Where reading a piece begins: all it takes to read on from there.
    struct Mark
    {
        qint64 offset = 0;
        QByteArray bytes;
        CsvRowSplitter splitter;
        qint64 rowsBefore = 0;
        int pieceCount = 0;
    };

    void readMore();
    void decodeBuffered(bool atEnd);

    QIODevice* m_device;
    qsizetype m_pieceBytes;
    Encoding m_encoding = Encoding::Utf8;
    qint64 m_start = 0; // after the byte-order mark
    QByteArray m_bytes; // read, not yet decoded (the tail of a character)
    CsvRowSplitter m_splitter;
    QList<QStringList> m_rows;
    int m_pieceCount = 0; // pieces decoded since the start
    qsizetype m_nextRow = 0;
    bool m_atEnd = false;
    bool m_failed = false;
    qint64 m_rowsRead = 0; // rows the splitter gave since the start
    bool m_keepMarks = false;
    bool m_marked = false; // one full pass noted the pieces
    qint64 m_rowCount = 0; // rows of that pass
    QList<Mark> m_marks;
    qsizetype m_blockMark = -1; // the piece whose rows m_block holds
    QList<QStringList> m_block;
};

// A CSV file held open, its rows read by CsvReader with marks kept.
class CsvFileRows
{
public:
    explicit CsvFileRows(const QString& path);
    bool isOpen() const { return m_reader.has_value(); }
    CsvReader& reader() { return *m_reader; }

private:
    QFile m_file;
    std::optional<CsvReader> m_reader;
};
