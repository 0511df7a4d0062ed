#include "services/qifparser.h"

#include <QSet>
#include <QtNumeric>

namespace {

// Larger than any day, month or year we accept, so that a long run of digits
// compares as "too big" without overflowing.
constexpr int kNumberCap = 1000000;

// A run of ASCII digits (other scripts' digits are not numbers in a file
// format); its value saturates at kNumberCap.
bool wholeNumber(const QString& text, int& value)
{
    if (text.isEmpty())
        return false;
    int v = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < u'0' || u > u'9')
            return false;
        v = qMin(kNumberCap, v * 10 + int(u - u'0'));
    }
    value = v;
    return true;
}

// The fields of a trimmed date text: separators unified to "/", spaces
// dropped, empty fields dropped.
QStringList dateFields(QString text)
{
    text.replace(QLatin1Char('-'), QLatin1Char('/'));
    text.replace(QLatin1Char('.'), QLatin1Char('/'));
    text.replace(QLatin1Char('\''), QLatin1Char('/'));
    text.remove(QLatin1Char(' '));
    return text.split(QLatin1Char('/'), Qt::SkipEmptyParts);
}

// Dates written with points ("03.11.25", German and other European
// banks) put the day first, whatever the file's other dates do.
bool writtenWithPoints(const QString& dateText)
{
    return dateText.contains(QLatin1Char('.'));
}

// A line without leading byte-order marks and carriage returns, trimmed.
QString cleanLine(const QString& line)
{
    qsizetype start = 0;
    while (start < line.size() && (line.at(start) == QChar(0xFEFF) || line.at(start) == QLatin1Char('\r')))
        ++start;
    return line.mid(start).trimmed();
}

// The kind text of a "!Type:" line, lower-cased; nothing for other lines.
std::optional<QString> typeKind(const QString& headerLine)
{
    static const QString prefix = QStringLiteral("!Type:");
    const QString line = headerLine.trimmed();
    if (!line.startsWith(prefix, Qt::CaseInsensitive))
        return std::nullopt;
    return line.mid(prefix.size()).trimmed().toLower();
}

class QifParser
{
public:
    explicit QifParser(QifDateOrder order)
    {
        m_result.dateOrder = order;
    }

    void readLine(const QString& rawLine)
    {
        const QString line = cleanLine(rawLine);
        if (line.isEmpty())
            return;
        const QChar code = line.at(0);
        if (code == QLatin1Char('!')) {
            flushRecord();
            m_section = qifSectionKind(line);
            if (m_section == QifSection::Transactions)
                m_kind = qifAccountKind(line);
            return;
        }
        if (code == QLatin1Char('^')) {
            flushRecord();
            return;
        }
        const QString value = line.mid(1).trimmed();
        switch (m_section) {
        case QifSection::Transactions:
        case QifSection::Other:
            readTransactionCode(code, value);
            break;
        case QifSection::AccountBlock:
            m_hasContent = true;
            if (code == QLatin1Char('N'))
                m_accountBlockName = value;
            break;
        case QifSection::CategoryList:
            m_hasContent = true;
            if (code == QLatin1Char('N'))
                m_category.name = value;
            else if (code == QLatin1Char('D'))
                m_category.description = value;
            else if (code == QLatin1Char('I'))
                m_category.isIncome = true;
            else if (code == QLatin1Char('E'))
                m_category.isIncome = false;
            break;
        case QifSection::Skipped:
            m_hasContent = true;
            break;
        }
    }

    void closeSplit()
    {
        if (!m_splitOpen)
            return;
        m_record.splits.append(m_split);
        m_split = QifSplit();
        m_splitOpen = false;
    }

    void flushRecord()
    {
        closeSplit();
        switch (m_section) {
        case QifSection::AccountBlock:
            if (!m_accountBlockName.isEmpty())
                m_accountName = m_accountBlockName;
            m_accountBlockName.clear();
            break;
        case QifSection::CategoryList:
            if (m_hasContent && !m_category.name.isEmpty())
                m_result.categories.append(m_category);
            m_category = QifCategory();
            break;
        case QifSection::Skipped:
            if (m_hasContent)
                ++m_result.skippedCount;
            break;
        case QifSection::Transactions:
        case QifSection::Other:
            if (!m_hasContent)
                break;
            if (!m_hasDate || !m_hasAmount) {
                ++m_result.invalidCount;
                break;
            }
            m_record.accountName = m_accountName;
            m_result.transactions.append(m_record);
            if (!m_accountName.isEmpty()) {
                const QString lower = m_accountName.toLower();
                if (!m_listedAccounts.contains(lower)) {
                    m_listedAccounts.insert(lower);
                    m_result.accounts.append(QifAccount{m_accountName, m_kind});
                }
            }
            break;
        }
        m_record = QifTransaction();
        m_hasContent = m_hasDate = m_hasAmount = false;
    }

    QifParseResult take() { return std::move(m_result); }

private:
    void readTransactionCode(QChar code, const QString& value)
    {
        switch (code.unicode()) {
        case u'D':
            // Inside a split a D line is no date of the record.
            if (m_splitOpen)
                return;
            if (const auto date = parseQifDate(value, m_result.dateOrder)) {
                m_record.date = *date;
                m_hasDate = true;
            }
            break;
        case u'T':
        case u'U':
            readRecordAmount(value);
            break;
        case u'P':
            m_record.payee = value;
            break;
        case u'M':
            m_record.memo = value;
            break;
        case u'N':
            m_record.checkNumber = value;
            break;
        case u'C':
            if (!value.isEmpty()) {
                const QChar mark = value.at(0).toLower();
                if (mark == QLatin1Char('*') || mark == QLatin1Char('c')) {
                    m_record.cleared = true;
                } else if (mark == QLatin1Char('r') || mark == QLatin1Char('x')) {
                    // Quicken and Money mark reconciled rows with X.
                    m_record.cleared = true;
                    m_record.reconciled = true;
                }
            }
            break;
        case u'L':
            parseQifCategory(value, m_record.category, m_record.transferAccount);
            break;
        case u'A':
            break;
        case u'Y':
            m_record.security = value;
            break;
        case u'S':
            closeSplit();
            m_splitOpen = true;
            parseQifCategory(value, m_split.category, m_split.transferAccount);
            break;
        case u'E':
            if (m_splitOpen)
                m_split.memo = value;
            break;
        case u'$':
            if (!m_splitOpen) {
                readRecordAmount(value);
            } else if (const auto amount = parseQifAmount(value)) {
                m_split.amount = *amount;
            }
            break;
        default:
            // Codes we do not use (O, I, Q, K, F, ...) leave the record as it is.
            return;
        }
        m_hasContent = true;
    }

    void readRecordAmount(const QString& value)
    {
        if (const auto amount = parseQifAmount(value)) {
            m_record.amount = *amount;
            m_hasAmount = true;
        }
    }

    QifTransaction m_record;
    bool m_hasContent = false;
    bool m_hasDate = false;
    bool m_hasAmount = false;
    QifSplit m_split;
    bool m_splitOpen = false;
    QifSection m_section = QifSection::Other;
    QifAccountKind m_kind = QifAccountKind::bank;
    QString m_accountBlockName;
    QString m_accountName;
    QifCategory m_category;
    QSet<QString> m_listedAccounts;
    QifParseResult m_result;
};

} // namespace

QifParseResult parseQif(const QString& text, QifDateOrder order)
{
    QString unified = text;
    unified.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    unified.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const QStringList lines = unified.split(QLatin1Char('\n'));
    if (order == QifDateOrder::Auto)
        order = detectQifDateOrder(lines);

    QifParser parser(order);
    for (const QString& line : lines)
        parser.readLine(line);
    parser.flushRecord();
    return parser.take();
}

namespace {

std::optional<qint64> parseAmountText(const QString& value, bool zeroWholeMeansDecimal)
{
    static const QString currencySymbols = QStringLiteral("$\u20AC\u00A3\u00A5\u00A2");

    QString text = value.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    bool negative = false;
    if (text.startsWith(QLatin1Char('(')) && text.endsWith(QLatin1Char(')'))) {
        negative = true;
        text = text.mid(1, text.size() - 2).trimmed();
    }
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : std::as_const(text)) {
        if (!c.isSpace() && !currencySymbols.contains(c))
            compact.append(c);
    }
    if (compact.isEmpty())
        return std::nullopt;
    if (compact.startsWith(QLatin1Char('+'))) {
        compact.remove(0, 1);
    } else if (compact.startsWith(QLatin1Char('-'))) {
        compact.remove(0, 1);
        negative = !negative;
    }
    if (compact.isEmpty())
        return std::nullopt;

    // Which of "." and "," separates the decimals and which groups thousands.
    QChar decimalMark;
    QChar groupingMark;
    const qsizetype lastDot = compact.lastIndexOf(QLatin1Char('.'));
    const qsizetype lastComma = compact.lastIndexOf(QLatin1Char(','));
    if (lastDot >= 0 && lastComma >= 0) {
        decimalMark = lastDot > lastComma ? QLatin1Char('.') : QLatin1Char(',');
        groupingMark = lastDot > lastComma ? QLatin1Char(',') : QLatin1Char('.');
    } else if (lastDot >= 0 || lastComma >= 0) {
        const QChar mark = lastDot >= 0 ? QLatin1Char('.') : QLatin1Char(',');
        const qsizetype position = qMax(lastDot, lastComma);
        const qsizetype after = compact.size() - position - 1;
        const bool zeroWhole = position > 0 && QStringView(compact).left(position).count(QLatin1Char('0')) == position;
        if (compact.count(mark) == 1 && (after != 3 || position == 0 || (zeroWholeMeansDecimal && zeroWhole))) {
            decimalMark = mark;
        } else {
            const QStringList groups = compact.split(mark);
            if (groups.first().size() < 1 || groups.first().size() > 3)
                return std::nullopt;
            for (qsizetype i = 1; i < groups.size(); ++i) {
                if (groups.at(i).size() != 3)
                    return std::nullopt;
            }
            groupingMark = mark;
        }
    }

    // Exact decimal arithmetic: a double would misround values such as
    // 1,000.005 and cannot tell when the hundredths leave 64 bits.
    QString integerDigits;
    QString fractionDigits;
    bool seenPoint = false;
    for (const QChar c : std::as_const(compact)) {
        if (!groupingMark.isNull() && c == groupingMark)
            continue;
        if (!decimalMark.isNull() && c == decimalMark) {
            if (seenPoint)
                return std::nullopt;
            seenPoint = true;
            continue;
        }
        if (c.unicode() < u'0' || c.unicode() > u'9')
            return std::nullopt;
        (seenPoint ? fractionDigits : integerDigits).append(c);
    }
    if (integerDigits.isEmpty() && fractionDigits.isEmpty())
        return std::nullopt;

    qint64 hundredths = 0;
    for (const QChar c : std::as_const(integerDigits)) {
        if (qMulOverflow(hundredths, qint64(10), &hundredths)
            || qAddOverflow(hundredths, qint64(c.unicode() - u'0'), &hundredths))
            return std::nullopt;
    }
    const auto fractionDigit = [&fractionDigits](int i) {
        return i < fractionDigits.size() ? qint64(fractionDigits.at(i).unicode() - u'0') : qint64(0);
    };
    // The magnitude is rounded, so halves go away from zero.
    const qint64 cents = fractionDigit(0) * 10 + fractionDigit(1) + (fractionDigit(2) >= 5 ? 1 : 0);
    if (qMulOverflow(hundredths, qint64(100), &hundredths) || qAddOverflow(hundredths, cents, &hundredths))
        return std::nullopt;
    return negative ? -hundredths : hundredths;
}

} // namespace

std::optional<qint64> parseQifAmount(const QString& value)
{
    return parseAmountText(value, false);
}

std::optional<qint64> parseBankAmount(const QString& value)
{
    return parseAmountText(value, true);
}

std::optional<QDate> parseQifDate(const QString& value, QifDateOrder order)
{
    const QString text = value.trimmed();
    if (text.isEmpty())
        return std::nullopt;
    const QStringList fields = dateFields(text);
    int a = 0, b = 0, c = 0;
    if (fields.size() < 3 || !wholeNumber(fields.at(0), a) || !wholeNumber(fields.at(1), b)
        || !wholeNumber(fields.at(2), c))
        return std::nullopt;

    const bool dayFirst = writtenWithPoints(text) || order == QifDateOrder::DayFirst
        || (order == QifDateOrder::Auto && a >= 13);
    int year = 0, month = 0, day = 0;
    if (fields.at(0).size() == 4) {
        year = a;
        month = b;
        day = c;
    } else {
        year = (fields.at(2).size() == 4 || c > 31) ? c : c + 2000;
        day = dayFirst ? a : b;
        month = dayFirst ? b : a;
    }
    if (year < 100)
        year += year < 70 ? 2000 : 1900;
    // Stored as "yyyy-MM-dd": other years could not be written back.
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return QDate(year, month, day);
}

void parseQifCategory(const QString& value, QString& category, QString& transferAccount)
{
    QString text = value.trimmed();
    const qsizetype slash = text.indexOf(QLatin1Char('/'));
    if (slash >= 0)
        text = text.left(slash).trimmed();
    if (text.startsWith(QLatin1Char('[')) && text.endsWith(QLatin1Char(']'))) {
        transferAccount = text.mid(1, text.size() - 2).trimmed();
        category.clear();
    } else {
        category = text;
        transferAccount.clear();
    }
}

QifDateOrder detectQifDateOrder(const QStringList& lines)
{
    for (const QString& raw : lines) {
        const QString line = cleanLine(raw);
        if (line.size() < 2 || line.at(0) != QLatin1Char('D'))
            continue;
        const QStringList fields = dateFields(line.mid(1).trimmed());
        int first = 0, third = 0;
        if (fields.size() < 3 || !wholeNumber(fields.at(0), first) || !wholeNumber(fields.at(2), third))
            continue;
        if (fields.at(0).size() != 4 && (first > 12 || writtenWithPoints(line)))
            return QifDateOrder::DayFirst;
    }
    return QifDateOrder::MonthFirst;
}

QifSection qifSectionKind(const QString& headerLine)
{
    if (const auto kind = typeKind(headerLine)) {
        if (*kind == QLatin1String("cat"))
            return QifSection::CategoryList;
        static const QStringList skipped = {QStringLiteral("class"), QStringLiteral("memorized"),
                                            QStringLiteral("tag"), QStringLiteral("security"),
                                            QStringLiteral("prices")};
        return skipped.contains(*kind) ? QifSection::Skipped : QifSection::Transactions;
    }
    const QString line = headerLine.trimmed();
    if (line.startsWith(QLatin1String("!Account"), Qt::CaseInsensitive))
        return QifSection::AccountBlock;
    if (line.startsWith(QLatin1String("!Option"), Qt::CaseInsensitive)
        || line.startsWith(QLatin1String("!Clear"), Qt::CaseInsensitive))
        return QifSection::Skipped;
    return QifSection::Other;
}

QifAccountKind qifAccountKind(const QString& headerLine)
{
    const auto kind = typeKind(headerLine);
    if (!kind)
        return QifAccountKind::bank;
    if (*kind == QLatin1String("ccard"))
        return QifAccountKind::ccard;
    if (*kind == QLatin1String("invst"))
        return QifAccountKind::invst;
    if (*kind == QLatin1String("cash"))
        return QifAccountKind::cash;
    if (*kind == QLatin1String("oth a"))
        return QifAccountKind::othA;
    if (*kind == QLatin1String("oth l"))
        return QifAccountKind::othL;
    return QifAccountKind::bank;
}
