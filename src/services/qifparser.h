#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Reading QIF (Quicken Interchange Format) text. Everything here is a pure
// function over text, without widgets or database, so it can run on any
// input from any file: the parser is lenient, drops what it cannot read and
// never fails.

enum class QifDateOrder { Auto = 0, MonthFirst = 1, DayFirst = 2 };

// From the text after "!Type:"; "bank" also stands for every unknown kind.
enum class QifAccountKind { bank = 0, ccard = 1, invst = 2, cash = 3, othA = 4, othL = 5 };

// What the lines after a header hold. Other is the state before any header
// and after an unknown one; it reads lines as Transactions does.
enum class QifSection { Transactions = 0, Skipped = 1, AccountBlock = 2, CategoryList = 3, Other = 4 };

struct QifSplit
{
    QString category;
    QString transferAccount;
    QString memo;
    qint64 amount = 0; // hundredths
};

struct QifTransaction
{
    QDate date;
    QString payee;
    qint64 amount = 0; // hundredths
    QString memo;
    QString category;
    QString transferAccount;
    QString checkNumber;
    QString security;
    bool cleared = false;
    bool reconciled = false;
    QList<QifSplit> splits;
    QString accountName; // the account in force when the record ended
};

struct QifAccount
{
    QString name;
    QifAccountKind kind = QifAccountKind::bank;
};

struct QifCategory
{
    QString name;
    QString description;
    bool isIncome = false;
};

struct QifParseResult
{
    QList<QifTransaction> transactions;
    QList<QifCategory> categories;
    int invalidCount = 0; // records without a usable date or amount
    int skippedCount = 0; // records of sections that are not imported
    QList<QifAccount> accounts; // each name once (letter case ignored), in order of first use
    QifDateOrder dateOrder = QifDateOrder::MonthFirst; // the order the dates were read with
};

// Parses a whole file's text. With Auto the date order is detected first.
QifParseResult parseQif(const QString& text, QifDateOrder order);

// Hundredths of an amount text such as "1,234.56", "1.234,56", "(12.00)" or
// "$ -5"; nothing when the text is no amount or its hundredths do not fit
// in 64 bits. Rounds halves away from zero.
std::optional<qint64> parseQifAmount(const QString& value);
// The same, except that a lone mark after a whole part of zero is the
// decimal mark: "0.125" is an eighth, not 125 (no one groups thousands
// after a zero). The CSV import reads its amounts so.
std::optional<qint64> parseBankAmount(const QString& value);

// A date such as "1/2/2024", "1/2'24", "2024-01-02" or "1. 2. 2024"; one
// written with points is read day first in any order.
// Two-digit years 00-69 are 2000-2069, 70-99 are 1970-1999. Nothing when the
// text is no date or its year is outside 1-9999.
std::optional<QDate> parseQifDate(const QString& value, QifDateOrder order);

// Splits an L or S value: "[Savings]" names a transfer account, anything
// else a category; a "/class" suffix is dropped.
void parseQifCategory(const QString& value, QString& category, QString& transferAccount);

// DayFirst when some D line starts with a number above 12 or is written
// with points (and is not year first), else MonthFirst. Never Auto.
QifDateOrder detectQifDateOrder(const QStringList& lines);

QifSection qifSectionKind(const QString& headerLine);
QifAccountKind qifAccountKind(const QString& headerLine);
