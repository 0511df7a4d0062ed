#include "data/renamedids.h"

#include <QSqlQuery>

namespace {

bool is(const QString& table, const char* name)
{
    return table == QLatin1String(name);
}

void followIf(bool applies, const QHash<QString, QString>& renamed, QString& id)
{
    if (applies)
        id = RenamedIds::follow(renamed, id);
}

} // namespace

namespace RenamedIds {

QString preferenceKey(const QString& oldId)
{
    return QStringLiteral("syncRenamedId_") + oldId;
}

QHash<QString, QString> load(const QSqlDatabase& database, bool* ok)
{
    const QString prefix = preferenceKey(QString());
    QHash<QString, QString> renamed;
    QSqlQuery q(database);
    q.setForwardOnly(true);
    // A range on the key, so the primary key's index finds them.
    q.prepare(QStringLiteral("SELECT substr(key, ?), value FROM preferences WHERE key > ? AND key < ?"));
    q.addBindValue(prefix.size() + 1);
    q.addBindValue(prefix);
    q.addBindValue(prefix + QChar(0xffff));
    const bool read = q.exec();
    while (read && q.next())
        renamed.insert(q.value(0).toString(), q.value(1).toString());
    if (ok)
        *ok = read;
    return renamed;
}

QString follow(const QHash<QString, QString>& renamed, const QString& id)
{
    return id.isEmpty() ? id : renamed.value(id, id);
}

void follow(Account& account, const QString& table, const QHash<QString, QString>& renamed)
{
    followIf(is(table, "accounts"), renamed, account.id);
}

void follow(Category& category, const QString& table, const QHash<QString, QString>& renamed)
{
    followIf(is(table, "categories"), renamed, category.id);
    followIf(is(table, "categories"), renamed, category.parentId);
    followIf(is(table, "accounts"), renamed, category.accountId);
}

void follow(Transaction& transaction, const QString& table, const QHash<QString, QString>& renamed)
{
    followIf(is(table, "transactions"), renamed, transaction.id);
    followIf(is(table, "transactions"), renamed, transaction.transferLinkId);
    followIf(is(table, "accounts"), renamed, transaction.accountId);
    followIf(is(table, "accounts"), renamed, transaction.transferDestAccountId);
    followIf(is(table, "categories"), renamed, transaction.categoryId);
    followIf(is(table, "recurring_transactions"), renamed, transaction.recurringId);
}

void follow(RecurringTransaction& schedule, const QString& table, const QHash<QString, QString>& renamed)
{
    followIf(is(table, "recurring_transactions"), renamed, schedule.id);
    followIf(is(table, "accounts"), renamed, schedule.accountId);
    followIf(is(table, "accounts"), renamed, schedule.transferDestAccountId);
    followIf(is(table, "categories"), renamed, schedule.categoryId);
}

} // namespace RenamedIds
