#include "services/importservice.h"

#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/csvparser.h"
#include "services/importservice_p.h"

#include <QCoreApplication>
#include <QDebug>
#include <QEventLoop>
#include <QFile>

#include <algorithm>
#include <map>

using ImportSupport::kEventSliceMs;
using ImportSupport::newId;

namespace {


// Leg of a transfer whose own account is also its other account.
bool isSelfTransfer(const QifTransaction& record)
{
    return !record.accountName.isEmpty() && !record.transferAccount.isEmpty()
        && record.accountName.compare(record.transferAccount, Qt::CaseInsensitive) == 0;
}

QString memoWithMarker(const QString& accountName, const QString& memo)
{
    const QString marker = transferMarker(accountName);
    return memo.isEmpty() ? marker : marker + QLatin1Char(' ') + memo;
}

// Transfer legs are matched by date and amount first; names come after.
struct DateAmount
{
    QDate date;
    qint64 amount = 0;
    bool operator==(const DateAmount& other) const { return date == other.date && amount == other.amount; }
};

size_t qHash(const DateAmount& key, size_t seed = 0)
{
    return qHashMulti(seed, key.date.toJulianDay(), key.amount);
}

// What a leg must match to be the partner: its date, amount, own account
// and transfer account (names case-folded).
struct LegKey
{
    QDate date;
    qint64 amount = 0;
    QString account;
    QString transfer;
    bool operator==(const LegKey& other) const
    {
        return date == other.date && amount == other.amount && account == other.account && transfer == other.transfer;
    }
};

size_t qHash(const LegKey& key, size_t seed = 0)
{
    return qHashMulti(seed, key.date.toJulianDay(), key.amount, key.account, key.transfer);
}

// Duplicate keys of an account's rows stored before the import, each with
// the check numbers of the rows under it. Two cheques of one day, payee and
// amount are two rows: a record is a duplicate of a row of its key when the
// two have the same check number or one of them has none. Each stored row
// is taken by one record at most.
class DuplicateIndex
{
public:
    // Takes a stored row the record duplicates: one with its check number
    // first, then one without any, so that rows with numbers stay for the
    // records that carry them.
    bool take(const QString& key, const QString& checkNumber)
    {
        const auto found = m_checkNumbers.find(key);
        if (found == m_checkNumbers.end())
            return false;
        QStringList& numbers = found.value();
        qsizetype at = numbers.indexOf(checkNumber);
        if (at < 0)
            at = numbers.indexOf(QString());
        if (at < 0 && checkNumber.isEmpty() && !numbers.isEmpty())
            at = 0;
        if (at < 0)
            return false;
        numbers.removeAt(at);
        if (numbers.isEmpty())
            m_checkNumbers.erase(found);
        return true;
    }
    void insert(const QString& key, const QString& checkNumber) { m_checkNumbers[key].append(checkNumber); }
    void reserve(qsizetype size) { m_checkNumbers.reserve(size); }

private:
    QHash<QString, QStringList> m_checkNumbers;
};

struct RetroactiveCandidate
{
    QString transactionId;
    QString accountId;
    QString markerAccountName;
    QDate date;
    qint64 amount = 0;
};

// Reads a whole file; nothing when it cannot be opened or read.
std::optional<QString> readQifText(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return decodeTextBytes(bytes);
}

AccountType suggestedAccountType(const QifAccount& account)
{
    switch (account.kind) {
    case QifAccountKind::ccard:
        return AccountType::CreditCard;
    case QifAccountKind::invst:
        return AccountType::Investment;
    case QifAccountKind::cash:
        return AccountType::Cash;
    case QifAccountKind::othA:
    case QifAccountKind::othL:
        return AccountType::Other;
    case QifAccountKind::bank:
        break;
    }
    return account.name.contains(QLatin1String("saving"), Qt::CaseInsensitive) ? AccountType::Savings
                                                                                : AccountType::Checking;
}

} // namespace

struct ImportService::AccountImportIndex
{
    DuplicateIndex duplicates;
    // Marked rows without a link, by their date and amount, each list in
    // the order the rows were read.
    QHash<DateAmount, QList<RetroactiveCandidate>> candidates;
};

struct ImportService::RetroactiveMatch
{
    RetroactiveCandidate candidate;
    Transaction partner; // already changed; written after the new leg
};

struct ImportService::QifRun
{
    QHash<QString, QString> sourceMap; // lower-cased source key -> target account id
    QList<QifImportRecord> records;
    QList<bool> inserted;
    CategoryLookup::Index categories;
    QSet<QString> refusedCategories;
    // Node-based: references handed out stay valid while others are added.
    std::map<QString, AccountImportIndex> indexes;
    ImportResult result;
    int total = 0;
    bool aborted = false;
};

QString transferMarker(const QString& accountName)
{
    return QStringLiteral("[\u2192 ") + accountName + QLatin1Char(']');
}

bool parseTransferMarker(const QString& memo, QString* accountName, QString* rest)
{
    static const QString head = QStringLiteral("[\u2192 ");
    if (!memo.startsWith(head))
        return false;
    const qsizetype close = memo.indexOf(QLatin1Char(']'), head.size());
    if (close <= head.size())
        return false;
    if (accountName)
        *accountName = memo.mid(head.size(), close - head.size());
    if (rest) {
        qsizetype from = close + 1;
        if (from < memo.size() && memo.at(from) == QLatin1Char(' '))
            ++from;
        *rest = memo.mid(from);
    }
    return true;
}

QifAnalysis ImportService::analyzeQifFiles(const QStringList& filePaths)
{
    QifAnalysis analysis;
    QSet<QString> listed;
    for (const QString& path : filePaths) {
        const std::optional<QString> text = readQifText(path);
        if (!text)
            continue;
        const QifParseResult parsed = parseQif(*text, QifDateOrder::Auto);
        analysis.transactionCount += int(parsed.transactions.size());
        for (const QifAccount& account : parsed.accounts) {
            const QString lower = account.name.toLower();
            if (listed.contains(lower))
                continue;
            listed.insert(lower);
            analysis.accounts.append({account.name, account.name, false, suggestedAccountType(account)});
        }
        if (parsed.accounts.isEmpty()) {
            const QString fileName = path.section(QLatin1Char('/'), -1);
            analysis.accounts.append(
                {path, tr("%1 (no account header)").arg(fileName), true, AccountType::Checking});
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kEventSliceMs);
    }
    return analysis;
}

int ImportService::pairTransfers(QList<QifImportRecord>& records)
{
    const auto eligible = [](const QifImportRecord& r) {
        return !r.transferAccount.isEmpty() && !r.accountName.isEmpty() && !r.targetAccountId.isEmpty()
            && !isSelfTransfer(r);
    };
    // Every eligible leg under what a partner would look up; the indices
    // ascend, and `next` passes over those that can no longer be taken.
    struct Bucket
    {
        QList<int> legs;
        qsizetype next = 0;
    };
    QHash<LegKey, Bucket> buckets;
    const int count = int(records.size());
    QList<QString> foldedAccount(count);
    QList<QString> foldedTransfer(count);
    for (int i = 0; i < count; ++i) {
        const QifImportRecord& r = records.at(i);
        if (!eligible(r))
            continue;
        foldedAccount[i] = r.accountName.toCaseFolded();
        foldedTransfer[i] = r.transferAccount.toCaseFolded();
        buckets[LegKey{r.date, r.amount, foldedAccount.at(i), foldedTransfer.at(i)}].legs.append(i);
    }

    int pairs = 0;
    for (int i = 0; i < count; ++i) {
        QifImportRecord& leg = records[i];
        if (leg.partnerIndex >= 0 || !eligible(leg))
            continue;
        const auto found = buckets.find(LegKey{leg.date, -leg.amount, foldedTransfer.at(i), foldedAccount.at(i)});
        if (found == buckets.end())
            continue;
        Bucket& bucket = found.value();
        while (bucket.next < bucket.legs.size()
               && (bucket.legs.at(bucket.next) <= i || records.at(bucket.legs.at(bucket.next)).partnerIndex >= 0))
            ++bucket.next;
        for (qsizetype k = bucket.next; k < bucket.legs.size(); ++k) {
            const int j = bucket.legs.at(k);
            QifImportRecord& other = records[j];
            if (j <= i || other.partnerIndex >= 0 || other.targetAccountId == leg.targetAccountId)
                continue;
            leg.partnerIndex = j;
            other.partnerIndex = i;
            ++pairs;
            break;
        }
    }
    return pairs;
}

ImportService::AccountImportIndex& ImportService::loadAccountIndex(QifRun& run, const QString& accountId)
{
    const auto found = run.indexes.find(accountId);
    if (found != run.indexes.end())
        return found->second;
    AccountImportIndex& index = run.indexes[accountId];
    const QList<Transaction> rows = m_transactions->findByAccount(accountId);
    index.duplicates.reserve(rows.size());
    QString markerName;
    for (const Transaction& t : rows) {
        index.duplicates.insert(duplicateKey(t.date, t.amount, t.payee), t.checkNumber);
        if (t.transferLinkId.isEmpty() && parseTransferMarker(t.memo, &markerName))
            index.candidates[DateAmount{t.date, t.amount}].append({t.id, t.accountId, markerName, t.date, t.amount});
    }
    return index;
}

QString ImportService::qifCategoryId(QifRun& run, const QString& name, CategoryType type, bool* shared,
                                     bool topLevel)
{
    if (shared)
        *shared = false;
    if (run.refusedCategories.contains(name))
        return QString();
    // QIF writes a subcategory "Parent:Child", the register "Parent > Child".
    QString path;
    if (name.contains(QLatin1Char(':'))) {
        QStringList parts = name.split(QLatin1Char(':'));
        for (QString& part : parts)
            part = part.trimmed();
        path = parts.join(QStringLiteral(" > "));
    }
    bool isShared = false;
    const QString id = categoryIdFor(name, type, run.categories, &isShared, path, topLevel);
    if (shared)
        *shared = isShared;
    if (id.isEmpty() && !isShared) {
        run.refusedCategories.insert(name);
        if (transactionLost())
            abortQif(run, QStringLiteral("the database rolled the import back"));
    }
    return id;
}

QString ImportService::qifPayee(const QifTransaction& record) const
{
    if (!record.payee.isEmpty())
        return record.payee;
    if (!record.checkNumber.isEmpty() && !record.security.isEmpty())
        return QStringLiteral("%1: %2").arg(record.checkNumber, record.security);
    if (!record.security.isEmpty())
        return record.security;
    if (!record.checkNumber.isEmpty())
        return record.checkNumber;
    if (!record.transferAccount.isEmpty())
        return record.transferAccount;
    return tr("Imported transaction");
}

std::optional<ImportService::RetroactiveMatch> ImportService::linkUnpaired(QifRun& run, const QifImportRecord& record,
                                                                          Transaction& t)
{
    if (record.transferAccount.isEmpty() || isSelfTransfer(record))
        return std::nullopt;
    const QString otherTarget = run.sourceMap.value(record.transferAccount.toLower());
    if (otherTarget.isEmpty() || otherTarget == record.targetAccountId || record.accountName.isEmpty()) {
        t.memo = memoWithMarker(record.transferAccount, t.memo);
        return std::nullopt;
    }
    AccountImportIndex& other = loadAccountIndex(run, otherTarget);
    const RetroactiveCandidate* candidate = nullptr;
    const auto bucket = other.candidates.constFind(DateAmount{record.date, -record.amount});
    if (bucket != other.candidates.constEnd()) {
        for (const RetroactiveCandidate& c : bucket.value()) {
            if (c.markerAccountName.compare(record.accountName, Qt::CaseInsensitive) == 0) {
                candidate = &c;
                break;
            }
        }
    }
    if (!candidate) {
        t.memo = memoWithMarker(record.transferAccount, t.memo);
        return std::nullopt;
    }

    // The row as it is now: the event loop ran since the index was read.
    const std::optional<Transaction> stored = m_transactions->findById(candidate->transactionId);
    QString rest;
    if (!stored || stored->deletedAt || !stored->transferLinkId.isEmpty()
        || !parseTransferMarker(stored->memo, nullptr, &rest)) {
        abortQif(run, QStringLiteral("retroactive candidate lost its hint"));
        return std::nullopt;
    }
    RetroactiveMatch match{*candidate, *stored};
    match.partner.memo = rest;
    match.partner.transferLinkId = t.id;
    match.partner.transferDestAccountId = t.accountId;
    match.partner.updatedAt = QDateTime::currentDateTimeUtc();
    match.partner.version += 1;
    match.partner.syncStatus = SyncStatus::Pending;
    t.transferLinkId = match.partner.id;
    t.transferDestAccountId = match.partner.accountId;
    return match;
}

bool ImportService::writeRetroactiveLink(QifRun& run, const RetroactiveMatch& match)
{
    if (!m_transactions->update(match.partner)) {
        abortQif(run, QStringLiteral("failed to update retroactive partner"));
        return false;
    }
    // Linked now: it cannot be matched again.
    AccountImportIndex& index = run.indexes[match.candidate.accountId];
    const DateAmount key{match.candidate.date, match.candidate.amount};
    QList<RetroactiveCandidate>& bucket = index.candidates[key];
    bucket.removeIf([&match](const RetroactiveCandidate& c) { return c.transactionId == match.candidate.transactionId; });
    if (bucket.isEmpty())
        index.candidates.remove(key);
    ++run.result.transfersLinked;
    ++run.result.retroactiveLinks;
    return true;
}

bool ImportService::storeSplitLines(QifRun& run, const QifImportRecord& record, const Transaction& t,
                                    bool& sharedName)
{
    QList<SplitLine> lines;
    lines.reserve(record.splits.size());
    for (const QifSplit& split : record.splits) {
        SplitLine line;
        line.id = newId();
        line.transactionId = t.id;
        bool shared = false;
        if (!split.category.isEmpty())
            line.categoryId = qifCategoryId(run, split.category, CategoryType::Expense, &shared);
        // The table needs a category for every line: a line the file left
        // without one, or whose name several categories share, is kept
        // under a top-level catch-all category instead of lost or guessed
        // (subcategories of its name would be shared or wrong).
        if (!run.aborted && (split.category.isEmpty() || shared)) {
            // Stored in the user's language, like the default categories.
            const bool transfer = !split.transferAccount.isEmpty();
            line.categoryId = qifCategoryId(run, transfer ? tr("Transfers") : tr("Uncategorized"),
                                            transfer ? CategoryType::Transfer : CategoryType::Expense, nullptr,
                                            true);
        }
        sharedName = sharedName || shared;
        if (run.aborted)
            return false;
        if (line.categoryId.isEmpty()) {
            abortQif(run, QStringLiteral("no category for a split line of %1").arg(t.id));
            return false;
        }
        line.amount = split.amount;
        line.memo = split.transferAccount.isEmpty() ? split.memo : memoWithMarker(split.transferAccount, split.memo);
        line.createdAt = t.createdAt;
        line.updatedAt = t.createdAt;
        lines.append(line);
    }
    // Checked one by one: the transaction is new, so there is nothing to
    // replace, and a failure rolls the whole import back anyway.
    for (const SplitLine& line : std::as_const(lines)) {
        if (!m_splitLines->insert(line)) {
            abortQif(run, QStringLiteral("failed to store the split lines of %1").arg(t.id));
            return false;
        }
    }
    return true;
}

bool ImportService::settlePairs(QifRun& run)
{
    const int count = int(run.records.size());
    int pairs = 0;
    for (int i = 0; i < count; ++i) {
        const QifImportRecord& record = run.records.at(i);
        const int partner = record.partnerIndex;
        if (!run.inserted.at(i) || partner < 0)
            continue;
        if (run.inserted.at(partner)) {
            if (partner > i)
                ++pairs;
            continue;
        }
        // The partner was a duplicate or could not be written: a link to it
        // would point at no row.
        std::optional<Transaction> stored = m_transactions->findById(record.id);
        if (!stored) {
            abortQif(run, QStringLiteral("cannot read back the transfer leg %1").arg(record.id));
            return false;
        }
        Transaction t = *stored;
        t.transferLinkId.clear();
        t.transferDestAccountId.clear();
        t.memo = record.memo;
        const std::optional<RetroactiveMatch> match = linkUnpaired(run, record, t);
        if (run.aborted)
            return false;
        if (!m_transactions->update(t)) {
            abortQif(run, QStringLiteral("failed to clear the transfer link of %1").arg(record.id));
            return false;
        }
        if (match && !writeRetroactiveLink(run, *match))
            return false;
    }
    run.result.transfersLinked += pairs;
    return true;
}

void ImportService::abortQif(QifRun& run, const QString& reason)
{
    if (run.aborted)
        return;
    run.aborted = true;
    abortImport("QIF", reason, run.result, run.total);
}

ImportResult ImportService::importQif(const QStringList& filePaths, const QHash<QString, QString>& accountMapping)
{
    if (m_running) {
        qWarning().noquote() << "ImportService::importQif refused: another import is running";
        ImportResult refused;
        refused.failed = true;
        return refused;
    }

    QifRun run;
    for (auto it = accountMapping.constBegin(); it != accountMapping.constEnd(); ++it)
        run.sourceMap.insert(it.key().toLower(), it.value());

    QList<QifCategory> listCategories;
    QSet<QString> listedNames;
    for (const QString& path : filePaths) {
        const std::optional<QString> text = readQifText(path);
        if (!text)
            continue;
        QifParseResult parsed = parseQif(*text, QifDateOrder::Auto);
        run.result.unparseableSkipped += parsed.invalidCount;
        run.result.metadataSkipped += parsed.skippedCount;
        for (const QifCategory& category : std::as_const(parsed.categories)) {
            if (category.name.isEmpty() || listedNames.contains(category.name))
                continue;
            listedNames.insert(category.name);
            listCategories.append(category);
        }
        run.records.reserve(run.records.size() + parsed.transactions.size());
        for (QifTransaction& parsedRecord : parsed.transactions) {
            QifImportRecord record;
            static_cast<QifTransaction&>(record) = std::move(parsedRecord);
            const QString& sourceKey = record.accountName.isEmpty() ? path : record.accountName;
            record.targetAccountId = run.sourceMap.value(sourceKey.toLower());
            record.id = newId();
            run.records.append(std::move(record));
        }
    }

    pairTransfers(run.records);
    run.categories = loadCategories();
    run.total = int(run.records.size());
    run.inserted = QList<bool>(run.total, false);
    if (!openImport(run.total, run.result))
        return run.result;

    // Made only when no category answers to the name.
    for (const QifCategory& category : std::as_const(listCategories)) {
        qifCategoryId(run, category.name, category.isIncome ? CategoryType::Income : CategoryType::Expense);
        if (run.aborted)
            return run.result;
    }

    for (int i = 0; i < run.total; ++i) {
        recordReached(i + 1, run.total);
        const QifImportRecord& record = run.records.at(i);
        if (record.targetAccountId.isEmpty()) {
            ++run.result.unmappedSkipped;
            continue;
        }
        AccountImportIndex& own = loadAccountIndex(run, record.targetAccountId);
        const QString payee = qifPayee(record);
        const QString key = duplicateKey(record.date, record.amount, payee);
        if (own.duplicates.take(key, record.checkNumber)) {
            ++run.result.duplicatesSkipped;
            continue;
        }

        Transaction t;
        t.id = record.id;
        t.accountId = record.targetAccountId;
        t.date = record.date;
        t.payee = payee;
        t.amount = record.amount;
        t.memo = record.memo;
        t.checkNumber = record.checkNumber;
        t.cleared = record.cleared;
        t.reconciled = record.reconciled;
        t.isSplit = !record.splits.isEmpty();
        t.createdAt = QDateTime::currentDateTimeUtc();
        t.updatedAt = t.createdAt;
        bool sharedName = false;
        if (!record.category.isEmpty())
            t.categoryId = qifCategoryId(run, record.category, CategoryType::Expense, &sharedName);
        if (run.aborted)
            return run.result;

        std::optional<RetroactiveMatch> match;
        if (record.partnerIndex >= 0) {
            const QifImportRecord& partner = run.records.at(record.partnerIndex);
            t.transferLinkId = partner.id;
            t.transferDestAccountId = partner.targetAccountId;
        } else {
            match = linkUnpaired(run, record, t);
            if (run.aborted)
                return run.result;
        }

        if (!m_transactions->insert(t)) {
            qWarning().noquote() << "QIF import: insert failed for" << t.date.toString(Qt::ISODate) << t.payee
                                 << "amount" << t.amount << "account" << t.accountId;
            ++run.result.databaseErrorSkipped;
            if (transactionLost()) {
                abortQif(run, QStringLiteral("the database rolled the import back"));
                return run.result;
            }
            continue;
        }
        run.inserted[i] = true;
        if (match && !writeRetroactiveLink(run, *match))
            return run.result;
        if (!record.splits.isEmpty() && !storeSplitLines(run, record, t, sharedName))
            return run.result;
        ++run.result.imported;
        if (sharedName)
            ++run.result.uncategorizedSharedName;
    }

    if (!settlePairs(run))
        return run.result;
    closeImport(run.result, run.total);
    return run.result;
}
