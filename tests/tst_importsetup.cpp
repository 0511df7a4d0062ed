#include "coretestsupport.h"

#include "services/importsetup.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <algorithm>

using namespace ImportSetup;

Q_DECLARE_METATYPE(CsvColumnMapping)
Q_DECLARE_METATYPE(ImportResult)

namespace {

CsvColumnMapping columns(int date, int payee, int amount, int memo, bool header, const QString& format = QString())
{
    CsvColumnMapping m;
    m.dateColumn = date;
    m.payeeColumn = payee;
    m.amountColumn = amount;
    m.memoColumn = memo;
    m.categoryColumn = -1;
    m.hasHeader = header;
    m.dateFormat = format;
    return m;
}

// "H:", "R:" or "S:" with the cells joined by '|', and the note of a
// skipped row after " # ".
QString shown(const CsvPreviewRow& row)
{
    static const char* const kinds[] = {"H:", "R:", "S:"};
    QString text = QLatin1String(kinds[int(row.kind)]) + row.cells.join(QLatin1Char('|'));
    if (row.kind == CsvPreviewRow::Kind::Skipped)
        text += QStringLiteral(" # ") + row.note;
    return text;
}

// The headers of the first columnCount columns, joined by '|'.
QString headers(int columnCount, const CsvColumnMapping& mapping)
{
    QStringList all;
    for (int column = 0; column < columnCount; ++column)
        all.append(csvPreviewHeader(column, mapping));
    return all.join(QLatin1Char('|'));
}

} // namespace

class TestImportSetup : public QObject
{
    Q_OBJECT

private slots:
    void preview_data();
    void preview();
    void streamedPreview_data();
    void streamedPreview();
    void counts_data();
    void counts();
    void widenedSinceItsPass();
    void digestCoversTheWholeFile_data();
    void digestCoversTheWholeFile();
    void columnLabels();
    void longestColumnLabel_data();
    void longestColumnLabel();
    void summary_data();
    void summary();
    void qifNames_data();
    void qifNames();
};

void TestImportSetup::preview_data()
{
    QTest::addColumn<CsvColumnMapping>("mapping");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("headers");
    QTest::addColumn<QString>("summary");

    // Dates as stored (day first once a cell shows it), amounts with a
    // decimal comma read as the import reads them.
    QTest::newRow("header, decimal comma")
        << columns(0, 1, 2, 1, true)
        << QStringList{"H:Date|Payee|Amount|", "R:2024-12-25|Coffee|-12.50|", "R:2025-01-02|Rent|-1,234.56|7"}
        << "Col 0\nDate|Col 1\nPayee, Memo|Col 2\nAmount|Col 3" << "2 row(s) to import";
    QTest::newRow("no header switch")
        << columns(0, 1, 2, -1, false)
        << QStringList{"S:Date|Payee|Amount| # Not imported: no readable date", "R:2024-12-25|Coffee|-12.50|",
                       "R:2025-01-02|Rent|-1,234.56|7"}
        << "Col 0\nDate|Col 1\nPayee|Col 2\nAmount|Col 3" << "2 row(s) to import; 1 row(s) cannot be read and will "
                                                             "be skipped";
    QTest::newRow("dates off the chosen format")
        << columns(0, 1, 2, -1, true, "MM/dd/yyyy")
        << QStringList{"H:Date|Payee|Amount|",
                       "S:25/12/2024|Coffee|-12,50| # Not imported: the date does not fit the chosen date format",
                       "R:2025-02-01|Rent|-1,234.56|7"}
        << "Col 0\nDate|Col 1\nPayee|Col 2\nAmount|Col 3" << "1 row(s) to import; 1 row(s) do not fit the chosen "
                                                             "date format";
    QTest::newRow("dates off the format, read in the file's order")
        << columns(0, 1, 2, -1, true, "yyyy-MM-dd")
        << QStringList{"H:Date|Payee|Amount|", "R:2024-12-25|Coffee|-12.50|", "R:2025-01-02|Rent|-1,234.56|7"}
        << "Col 0\nDate|Col 1\nPayee|Col 2\nAmount|Col 3" << "2 row(s) to import";
    QTest::newRow("amount on a text column")
        << columns(0, 2, 1, -1, true)
        << QStringList{"H:Date|Payee|Amount|", "S:25/12/2024|Coffee|-12,50| # Not imported: no readable amount",
                       "S:02/01/2025|Rent|-1.234,56|7 # Not imported: no readable amount"}
        << "Col 0\nDate|Col 1\nAmount|Col 2\nPayee|Col 3" << "0 row(s) to import; 2 row(s) cannot be read and "
                                                             "will be skipped";
    QTest::newRow("column past the row")
        << columns(0, 1, 3, -1, true)
        << QStringList{"H:Date|Payee|Amount|", "S:25/12/2024|Coffee|-12,50| # Not imported: the row has too few fields",
                       "R:2025-01-02|Rent|-1.234,56|7.00"}
        << "Col 0\nDate|Col 1\nPayee|Col 2|Col 3\nAmount" << "1 row(s) to import; 1 row(s) cannot be read and will "
                                                             "be skipped";
}

void TestImportSetup::preview()
{
    QFETCH(CsvColumnMapping, mapping);
    QFETCH(QStringList, rows);
    QFETCH(QString, headers);
    QFETCH(QString, summary);
    // The longest row sets the column count; shorter rows are padded.
    const QList<QStringList> file = {{"Date", "Payee", "Amount"},
                                     {"25/12/2024", "Coffee", "-12,50"},
                                     {"02/01/2025", "Rent", "-1.234,56", "7"}};
    const CsvPreview preview = buildCsvPreview(file, csvColumnCount(file), mapping);
    QStringList got;
    for (const CsvPreviewRow& row : preview.rows)
        got.append(shown(row));
    QCOMPARE(got, rows);
    QCOMPARE(::headers(csvColumnCount(file), mapping), headers);
    QCOMPARE(csvPreviewSummary(preview), summary);
}

void TestImportSetup::streamedPreview_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<CsvColumnMapping>("mapping");
    for (const char* folder : {"csv", "csvimport"}) {
        const QDir corpus(QFINDTESTDATA(QStringLiteral("../fuzz/corpus/") + QLatin1String(folder)));
        QVERIFY(!corpus.entryList(QDir::Files).isEmpty());
        for (const QString& name : corpus.entryList(QDir::Files)) {
            const QByteArray row = folder + QByteArray("/") + name.toUtf8();
            QTest::newRow(row) << corpus.filePath(name) << columns(0, 1, 2, 3, true);
            QTest::newRow(row + ", format") << corpus.filePath(name) << columns(2, 1, 0, -1, false, "MM/dd/yyyy");
        }
    }
}

// Read as a stream and row by row, a file shows what the whole file read
// at once shows; the counts agree with the rows' own verdicts.
void TestImportSetup::streamedPreview()
{
    QFETCH(QString, path);
    QFETCH(CsvColumnMapping, mapping);
    const QList<QStringList> rows = parseCsv(decodeTextBytes(readFile(path).value()));
    const CsvPreview whole = buildCsvPreview(rows, csvColumnCount(rows), mapping);
    int records = 0;
    int skipped = 0;
    int offFormat = 0;
    const QString offFormatNote = QStringLiteral("Not imported: the date does not fit the chosen date format");
    for (const CsvPreviewRow& row : whole.rows) {
        records += row.kind == CsvPreviewRow::Kind::Record ? 1 : 0;
        const bool skip = row.kind == CsvPreviewRow::Kind::Skipped;
        skipped += skip && row.note != offFormatNote ? 1 : 0;
        offFormat += skip && row.note == offFormatNote ? 1 : 0;
    }
    QCOMPARE(whole.records, records);
    QCOMPARE(whole.skipped, skipped);
    QCOMPARE(whole.offFormat, offFormat);

    const std::optional<CsvFilePreview> streamed = readCsvPreview(path, mapping);
    QVERIFY(streamed);
    QCOMPARE(streamed->rowCount, int(rows.size()));
    QCOMPARE(streamed->columnCount, csvColumnCount(rows));
    QCOMPARE(streamed->firstRow, rows.value(0));
    QCOMPARE(csvPreviewSummary(streamed->preview), csvPreviewSummary(whole));
    // Every row read back from the file, from the last to the first.
    for (int i = int(rows.size()) - 1; i >= 0; --i) {
        CsvPreviewRow row;
        QStringList fields;
        QVERIFY(streamed->row(i, row, fields));
        QCOMPARE(fields, rows.at(i));
        QCOMPARE(shown(row), shown(whole.rows.at(i)));
    }
}

void TestImportSetup::counts_data()
{
    QTest::addColumn<CsvColumnMapping>("mapping");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("kinds");
    QTest::addColumn<QString>("summary");

    // A date off the chosen format is a reason of its own: such a row is
    // counted under it and under no other.
    const QList<QStringList> offFormat = {{"03/01/2024", "A", "1"}, {"25/12/2024", "B", "1"},
                                          {"03/02/2024", "C", "1"}, {"26/12/2024", "D", "1"},
                                          {"03/03/2024", "E", "1"}};
    QTest::newRow("two of five off the format") << columns(0, 1, 2, -1, false, "MM/dd/yyyy") << offFormat << "RSRSR"
                                                << "3 row(s) to import; 2 row(s) do not fit the chosen date format";
    const QList<QStringList> mixed = {{"03/01/2024", "A", "1"}, {"25/12/2024", "B", "1"},
                                      {"03/02/2024", "C", "none"}, {"03/03/2024", "D"},
                                      {"2024-03-04", "E", "1"}, {"27/12/2024", "F"}};
    QTest::newRow("each skipped row under its own reason")
        << columns(0, 1, 2, -1, false, "MM/dd/yyyy") << mixed << "RSSSRS"
        << "2 row(s) to import; 3 row(s) cannot be read and will be skipped; 1 row(s) do not fit the chosen date "
           "format";

    // Stored dates hold the years 1 to 9999; "yyyy" also reads a sign.
    const QList<QStringList> years = {{"-2012-08-30", "A", "1"}, {"08/30/-2012", "B", "1"},
                                      {"0000-01-01", "C", "1"}, {"0001-01-01", "D", "1"},
                                      {"9999-12-31", "E", "1"}};
    QTest::newRow("years outside 1 to 9999") << columns(0, 1, 2, -1, false) << years << "SSSRR"
                                             << "2 row(s) to import; 3 row(s) cannot be read and will be skipped";
    QTest::newRow("years outside 1 to 9999, format") << columns(0, 1, 2, -1, false, "yyyy-MM-dd") << years << "SSSRR"
                                                     << "2 row(s) to import; 3 row(s) do not fit the chosen date "
                                                        "format";

    // The payee may stand after the amount: a row that ends before it is
    // too short, like one that ends before the amount.
    QTest::newRow("payee after the amount")
        << columns(0, 2, 1, -1, false)
        << QList<QStringList>{{"2024-03-01", "-1", "Coffee"}, {"2024-03-02", "-2"}, {"2024-03-03"}} << "RSS"
        << "1 row(s) to import; 2 row(s) cannot be read and will be skipped";
}

void TestImportSetup::counts()
{
    QFETCH(CsvColumnMapping, mapping);
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, kinds);
    QFETCH(QString, summary);
    const CsvPreview preview = buildCsvPreview(rows, csvColumnCount(rows), mapping);
    QString got;
    for (const CsvPreviewRow& row : preview.rows)
        got += QLatin1Char(row.kind == CsvPreviewRow::Kind::Record ? 'R' : 'S');
    QCOMPARE(got, kinds);
    QCOMPARE(csvPreviewSummary(preview), summary);
    QCOMPARE(preview.records + preview.skipped + preview.offFormat, int(rows.size()));
}

// A row read again from a file that gained a column after its pass shows
// the columns counted, the mapped one beyond them left out.
void TestImportSetup::widenedSinceItsPass()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("bank.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write("2024-03-01,Coffee\n") > 0);
    file.close();
    const std::optional<CsvFilePreview> preview = readCsvPreview(file.fileName(), columns(0, 1, 2, -1, false));
    QVERIFY(preview && preview->columnCount == 2);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write("2024-03-01,Coffee,-4.5\n") > 0);
    file.close();
    CsvPreviewRow row;
    QStringList fields;
    QVERIFY(preview->row(0, row, fields));
    QCOMPARE(shown(row), QStringLiteral("R:2024-03-01|Coffee"));
}

void TestImportSetup::digestCoversTheWholeFile_data()
{
    QTest::addColumn<qsizetype>("offset"); // -1: a byte appended
    const qsizetype size = 600 * 1024 + 7;
    QTest::newRow("first byte") << qsizetype(0);
    QTest::newRow("past the first 256 KiB") << qsizetype(400 * 1024 + 3);
    QTest::newRow("last byte") << size - 1;
    QTest::newRow("byte appended") << qsizetype(-1);
}

// A file changed anywhere since its preview is a changed file.
void TestImportSetup::digestCoversTheWholeFile()
{
    QFETCH(qsizetype, offset);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bank.csv"));
    const auto write = [&path](const QByteArray& bytes) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
    };
    const QByteArray line("2024-03-01,Coffee,-4.50\n");
    const QByteArray original = line.repeated(600 * 1024 / line.size() + 1).left(600 * 1024 + 7);
    QVERIFY(write(original));
    const std::optional<QByteArray> before = hashFile(path);
    QVERIFY(before && !before->isEmpty());

    QByteArray changed = original;
    if (offset < 0)
        changed += '\n';
    else
        changed[offset] = changed.at(offset) == '1' ? '2' : '1';
    QVERIFY(write(changed));
    QVERIFY(hashFile(path) != before);
    QVERIFY(write(original));
    QCOMPARE(hashFile(path), before);
    QVERIFY(!hashFile(dir.filePath(QStringLiteral("missing.csv"))));
}

void TestImportSetup::columnLabels()
{
    const QList<QStringList> rows = {{"Transaction date and time", "Payee"}, {"1", "2", "3"}};
    QStringList labels;
    for (int column = 0; column < csvColumnCount(rows); ++column)
        labels.append(csvColumnLabel(rows.first(), column));
    QCOMPARE(labels, (QStringList{"Col 0: Transaction date and", "Col 1: Payee", "Column 2"}));
    QCOMPARE(csvDataRowCount({{"Date"}}, true), 0);
    QCOMPARE(csvDataRowCount({{"Date"}}, false), 1);

    // The lists' items, made as they are asked for: "(none)" first where
    // the column may be left out; data the column, -1 for none.
    CsvColumnListModel required(false);
    CsvColumnListModel optional(true);
    QCOMPARE(required.rowCount(), 0);
    QCOMPARE(optional.rowCount(), 1);
    QSignalSpy reset(&optional, &QAbstractItemModel::modelReset);
    required.setColumns(rows.first(), 3);
    optional.setColumns(rows.first(), 3);
    QCOMPARE(reset.size(), 1);
    QStringList items;
    for (const CsvColumnListModel* model : {&required, &optional}) {
        for (int row = 0; row < model->rowCount(); ++row) {
            const QModelIndex index = model->index(row);
            items << index.data().toString() + QLatin1Char('=') + index.data(Qt::UserRole).toString();
        }
    }
    QCOMPARE(items, (QStringList{"Col 0: Transaction date and=0", "Col 1: Payee=1", "Column 2=2", "(none)=-1",
                                 "Col 0: Transaction date and=0", "Col 1: Payee=1", "Column 2=2"}));
    QVERIFY(!required.index(3).data().isValid());
    QVERIFY(!required.index(0).data(Qt::DecorationRole).isValid());
    optional.setColumns({}, -1);
    QCOMPARE(optional.rowCount(), 1);
}

void TestImportSetup::longestColumnLabel_data()
{
    QTest::addColumn<QStringList>("firstRow");
    QTest::addColumn<int>("columnCount");

    QStringList empty(120);
    QTest::newRow("empty fields: the last column") << empty << 120;
    QStringList early = empty;
    early[9] = QStringLiteral("123456789012345678901234");
    QTest::newRow("a long field before ten columns") << early << 120;
    QStringList digits = empty;
    digits[9] = QStringLiteral("123456789012345678901234");
    digits[10] = QStringLiteral("12345678901234567890");
    QTest::newRow("the cut field with one more digit") << digits << 120;
    QStringList hundred = empty;
    hundred[99] = QStringLiteral("abc");
    hundred[100] = QStringLiteral("ab");
    QTest::newRow("two digits and a longer field") << hundred << 120;
    QTest::newRow("columns past the first row") << QStringList{"Date", "Payee"} << 3;
    QTest::newRow("the last column past the first row") << QStringList{"Date"} << 100000;
    QTest::newRow("a long field past the first row's end")
        << QStringList{"Date", "A field longer than the cut"} << 100000;
    QTest::newRow("fewer columns than fields") << early << 5;
    QTest::newRow("no columns") << early << 0;
}

// The longest item of a list, found without making them all, is the
// longest of them all.
void TestImportSetup::longestColumnLabel()
{
    QFETCH(QStringList, firstRow);
    QFETCH(int, columnCount);
    qsizetype longest = 0;
    for (int column = 0; column < columnCount; ++column)
        longest = std::max(longest, csvColumnLabel(firstRow, column).size());
    QCOMPARE(csvLongestColumnLabel(firstRow, columnCount), int(longest));
}

void TestImportSetup::summary_data()
{
    QTest::addColumn<ImportResult>("result");
    QTest::addColumn<QString>("lines");
    QTest::addColumn<int>("read");

    ImportResult all{1, 2, 3, 4, 5, 6, 7, 8, false, 9};
    QTest::newRow("every count")
        << all
        << "Import complete!||1 transaction(s) imported|"
           "9 transaction(s) imported without a category (category name shared by several categories)|"
           "6 transfer(s) linked across accounts|"
           "  (including 7 linked to previously imported row(s))|2 duplicate(s) skipped|"
           "3 record(s) skipped (unparseable)|4 metadata record(s) skipped|"
           "5 record(s) skipped (unmapped source account)|8 record(s) skipped (database error — see log)"
        << 23;

    ImportResult failed{1, 0, 0, 0, 0, 0, 0, 0, true};
    QTest::newRow("rolled back") << failed
                                 << "Import failed.||A database error stopped the import and all changes were rolled "
                                    "back. No transactions were added."
                                 << 1;

    ImportResult empty;
    QTest::newRow("nothing read") << empty << "Import complete!||0 transaction(s) imported" << 0;
}

void TestImportSetup::summary()
{
    QFETCH(ImportResult, result);
    QFETCH(QString, lines);
    QFETCH(int, read);
    QCOMPARE(summaryLines(result).join(QLatin1Char('|')), lines);
    QCOMPARE(recordsRead(result), read);
}

void TestImportSetup::qifNames_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("noHeader");
    QTest::addColumn<QString>("newName");
    QTest::addColumn<int>("match");

    QTest::newRow("named") << "checking" << false << "checking" << 1;
    QTest::newRow("name with blank") << "/tmp/my bank.qif" << true << "my bank" << -1;
    QTest::newRow("dot file") << "/tmp/.qif" << true << ".qif (no account header)" << -1;
    QTest::newRow("unknown") << "Brokerage" << false << "Brokerage" << -1;
}

void TestImportSetup::qifNames()
{
    QFETCH(QString, key);
    QFETCH(bool, noHeader);
    QFETCH(QString, newName);
    QFETCH(int, match);
    QifSourceAccount source;
    source.key = key;
    source.label = noHeader ? key.section(QLatin1Char('/'), -1) + QStringLiteral(" (no account header)") : key;
    source.noAccountHeader = noHeader;
    QList<Account> accounts(3);
    accounts[0].name = QStringLiteral("Savings");
    accounts[1].name = QStringLiteral("Checking");
    accounts[2].name = QStringLiteral("CHECKING");
    QCOMPARE(qifNewAccountName(source), newName);
    QCOMPARE(matchingAccount(source, accounts), match);
}

TALLYLEAF_CORE_TEST_MAIN(TestImportSetup)
#include "tst_importsetup.moc"
