#include "coretestsupport.h"

#include "services/csvparser.h"

#include <QBuffer>
#include <QRandomGenerator>

using Rows = QList<QStringList>;

class TestCsvParser : public QObject
{
    Q_OBJECT

private slots:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");

        const auto hex = [](const char* text) { return QByteArray::fromHex(text); };
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("utf8 mark") << hex("efbbbf612c62") << QStringLiteral("a,b");
        QTest::newRow("utf8 mark alone") << hex("efbbbf") << QString();
        QTest::newRow("mark only at the start") << hex("61efbbbf") << QStringLiteral("a\uFEFF");
        QTest::newRow("utf16le mark") << hex("fffe6100") << QStringLiteral("a");
        QTest::newRow("utf16le accent") << hex("fffe4800e900") << QStringLiteral("H\u00E9");
        QTest::newRow("utf16be mark") << hex("feff0061002c") << QStringLiteral("a,");
        QTest::newRow("utf16 odd byte kept as replacement") << hex("fffe610062") << QStringLiteral("a\uFFFD");
        QTest::newRow("utf32le mark is utf16") << hex("fffe0000") << QString(QChar(0));
        QTest::newRow("ascii") << hex("612c62") << QStringLiteral("a,b");
        QTest::newRow("utf8 without mark") << hex("c3a9e282acf09f9880") << QStringLiteral("\u00E9\u20AC\U0001F600");
        QTest::newRow("smallest three-byte") << hex("e0a080") << QStringLiteral("\u0800");
        QTest::newRow("largest code point") << hex("f48fbfbf") << QStringLiteral("\U0010FFFF");
        QTest::newRow("1252 Hello") << hex("48e96c6c6f") << QStringLiteral("H\u00E9llo");
        QTest::newRow("1252 euro") << hex("80") << QStringLiteral("\u20AC");
        QTest::newRow("1252 unassigned keep value") << hex("818d8f909d")
                                                  << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("1252 table") << hex("828a8c9699a09cfeff9f")
                                    << QStringLiteral("\u201A\u0160\u0152\u2013\u2122\u00A0\u0153\u00FE\u00FF\u0178");
        QTest::newRow("overlong zero") << hex("c080") << QStringLiteral("\u00C0\u20AC");
        QTest::newRow("overlong three-byte") << hex("e09fbf") << QStringLiteral("\u00E0\u0178\u00BF");
        QTest::newRow("surrogate") << hex("eda080") << QStringLiteral("\u00ED\u00A0\u20AC");
        QTest::newRow("above U+10FFFF") << hex("f4908080") << QStringLiteral("\u00F4\u0090\u20AC\u20AC");
        QTest::newRow("cut off at the end") << hex("61e282") << QStringLiteral("a\u00E2\u201A");
        QTest::newRow("lone continuation") << hex("61bf") << QStringLiteral("a\u00BF");
        QTest::newRow("f8 lead") << hex("f8") << QStringLiteral("\u00F8");
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, expected);
        QCOMPARE(decodeTextBytes(bytes), expected);
    }

    // Random bytes either read as UTF-8 or give exactly one character per
    // byte; and the parser takes whatever comes out.
    void garbageNeverBreaks()
    {
        QRandomGenerator random(20240301);
        for (int round = 0; round < 50; ++round) {
            QByteArray bytes(int(random.bounded(1, 4096)), Qt::Uninitialized);
            for (char& b : bytes)
                b = char(random.bounded(256));
            const QString text = decodeTextBytes(bytes);
            if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
                continue;
            QCOMPARE(text.size(), bytes.size());
            const Rows rows = parseCsv(text);
            for (const QStringList& row : rows)
                QVERIFY(!row.isEmpty());
        }
    }

    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Rows>("expected");

        QTest::newRow("empty") << QString() << Rows{};
        QTest::newRow("trimmed fields") << QStringLiteral("a, b ,c\n") << Rows{{"a", "b", "c"}};
        QTest::newRow("comma in quotes") << QStringLiteral("\"x, y\"\n") << Rows{{"x, y"}};
        QTest::newRow("doubled quotes") << QStringLiteral("\"say \"\"hi\"\"\"\n") << Rows{{"say \"hi\""}};
        QTest::newRow("blanks inside quotes trimmed") << QStringLiteral("\"  p\"  \n") << Rows{{"p"}};
        QTest::newRow("quotes mid-field") << QStringLiteral("ab\"c,d\"e\n") << Rows{{"abc,de"}};
        QTest::newRow("crlf") << QStringLiteral("a\r\nb\r\n") << Rows{{"a"}, {"b"}};
        QTest::newRow("lone cr dropped") << QStringLiteral("a\rb") << Rows{{"ab"}};
        QTest::newRow("line of spaces dropped") << QStringLiteral("a\n   \nb\n") << Rows{{"a"}, {"b"}};
        QTest::newRow("empty lines dropped") << QStringLiteral("\n\na\n\n") << Rows{{"a"}};
        QTest::newRow("single comma is two fields") << QStringLiteral(",\n") << Rows{{"", ""}};
        QTest::newRow("spaces at the end") << QStringLiteral("x\n   ") << Rows{{"x"}, {""}};
        QTest::newRow("line feed inside quotes") << QStringLiteral("a,\"b\nc\"\n") << Rows{{"a", "b\nc"}};
        QTest::newRow("crlf inside quotes kept") << QStringLiteral("\"b\r\nc\"") << Rows{{"b\r\nc"}};
        QTest::newRow("unclosed quote") << QStringLiteral("a,\"bc") << Rows{{"a", "bc"}};
        QTest::newRow("unclosed quote swallows lines") << QStringLiteral("a,\"b\nc,d\n") << Rows{{"a", "b\nc,d"}};
        QTest::newRow("no final line feed") << QStringLiteral("a,b") << Rows{{"a", "b"}};
        QTest::newRow("trailing comma") << QStringLiteral("a,b,\n") << Rows{{"a", "b", ""}};
        QTest::newRow("trailing comma, no final line feed") << QStringLiteral("h\na,b,") << Rows{{"h"}, {"a", "b", ""}};
        QTest::newRow("ragged rows") << QStringLiteral("a\nb,c,d\n,\n") << Rows{{"a"}, {"b", "c", "d"}, {"", ""}};
        QTest::newRow("empty quotes") << QStringLiteral("\"\"\n") << Rows{};
        QTest::newRow("lone quote") << QStringLiteral("\"") << Rows{};
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(Rows, expected);
        QCOMPARE(parseCsv(text), expected);
    }

    // Read a piece at a time, any cut gives the rows of the whole file.
    void streamed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray accents = "Caf\xC3\xA9,\"a \"\"b\"\"\",\xF0\x9F\x98\x80\r\n\"x\ny\",2\n";
        QTest::newRow("utf-8") << accents;
        QTest::newRow("utf-8 mark, then marks") << "\xEF\xBB\xBF\xEF\xBB\xBF" + accents + "\xEF\xBB\xBFz";
        QTest::newRow("utf-8 mark, bad bytes") << QByteArray("\xEF\xBB\xBF" "a\xE9\x41,\xF0\x9F,\xC0\x80\n\xE2\x82");
        QTest::newRow("windows-1252 late") << accents + accents + "\x80\xE9";
        QTest::newRow("cut off at the end") << accents + "\xE2\x82";
        const QString wide = QStringLiteral("\uFEFFa,\U0001F600,\"q\"\"\"\n\uFEFFb\n");
        QByteArray le("\xFF\xFE");
        QByteArray be("\xFE\xFF");
        for (const QChar c : wide) {
            le += char(c.unicode() & 0xFF);
            le += char(c.unicode() >> 8);
            be += char(c.unicode() >> 8);
            be += char(c.unicode() & 0xFF);
        }
        QTest::newRow("utf-16 le, odd end") << le + "\x41";
        QTest::newRow("utf-16 be, lone high surrogate") << be + QByteArray("\xD8\x00\x00\x41", 4);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("stray quote, the rest one row") << "a,b\nTape 3\" wide,1\n" + QByteArray("x,y\n").repeated(2500);
        QRandomGenerator random(20261207);
        for (const QByteArray& mark : {QByteArray("\xEF\xBB\xBF"), QByteArray("\xFF\xFE"), QByteArray()}) {
            QByteArray bytes(1500, Qt::Uninitialized);
            for (char& b : bytes)
                b = char(random.bounded(256));
            QTest::addRow("random after mark %s", mark.toHex().constData()) << mark + bytes;
        }
    }
    void streamed()
    {
        QFETCH(QByteArray, bytes);
        const Rows whole = parseCsv(decodeTextBytes(bytes));
        for (const int piece : {1, 2, 3, 5, 7, 4096}) {
            QBuffer buffer(&bytes);
            QVERIFY(buffer.open(QIODevice::ReadOnly));
            CsvReader reader(&buffer, piece);
            for (int pass = 0; pass < 2; ++pass) {
                Rows rows;
                QStringList row;
                while (reader.next(row))
                    rows.append(row);
                QVERIFY(!reader.failed());
                QCOMPARE(rows, whole);
                QVERIFY(reader.rewind());
            }
            // Read again by number, from the last row back to the first.
            reader.setKeepMarks(true);
            QStringList row;
            while (reader.next(row)) {
            }
            for (qsizetype i = whole.size() - 1; i >= 0; --i) {
                QVERIFY2(reader.readRow(i, row), qPrintable(QStringLiteral("row %1 of %2, piece %3").arg(i).arg(whole.size()).arg(piece)));
                QCOMPARE(row, whole.at(i));
            }
            QVERIFY(!reader.readRow(whole.size(), row));
        }
    }

    // Rows of empty fields hold no characters: the marks must not copy
    // such a row piece after piece, and its rows still read right.
    void marksStayWithinTheFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("commas") << QByteArray(200000, ',');
        QTest::newRow("old Mac line ends: one row") << QByteArray(",,\r").repeated(70000);
        QTest::newRow("commas, then rows") << QByteArray(100000, ',') + "\n" + QByteArray("a,b\n").repeated(20000);
        QTest::newRow("stray quote") << "a\n\"" + QByteArray("x,\n").repeated(70000);
    }
    void marksStayWithinTheFile()
    {
        QFETCH(QByteArray, bytes);
        const Rows whole = parseCsv(decodeTextBytes(bytes));
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::ReadOnly));
        CsvReader reader(&buffer, 4096);
        reader.setKeepMarks(true);
        QStringList row;
        qsizetype rows = 0;
        while (reader.next(row))
            ++rows;
        QCOMPARE(rows, whole.size());
        QVERIFY2(reader.markedSize() <= bytes.size() / 4, qPrintable(QString::number(reader.markedSize())));
        for (qsizetype i = whole.size() - 1; i >= 0; --i) {
            QVERIFY(reader.readRow(i, row));
            QCOMPARE(row, whole.at(i));
        }
    }
};

TALLYLEAF_CORE_TEST_MAIN(TestCsvParser)
#include "tst_csvparser.moc"
