#include "services/accountsetup.h"

#include "data/accountrepository.h"
#include "data/atomicwrite.h"
#include "data/database.h"
#include "data/transactionrepository.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QUuid>

bool createAccountWithOpeningBalance(Database* database, AccountRepository* accounts,
                                     TransactionRepository* transactions, Account account, qint64 openingBalance,
                                     const QDate& asOf)
{
    AtomicWrite write(database->database(), QStringLiteral("new_account"));
    if (!write.begin())
        return false;
    account.startingBalance = 0;
    bool ok = accounts->insert(account);
    if (ok && openingBalance != 0) {
        Transaction opening;
        opening.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        opening.accountId = account.id;
        opening.date = asOf;
        opening.payee = QCoreApplication::translate("AccountSetup", "Opening Balance");
        opening.amount = openingBalance;
        opening.cleared = true;
        opening.reconciled = true;
        opening.version = 1;
        opening.syncStatus = SyncStatus::Pending;
        opening.createdAt = QDateTime::currentDateTimeUtc();
        opening.updatedAt = opening.createdAt;
        ok = transactions->insert(opening);
    }
    return ok && write.commit();
}
