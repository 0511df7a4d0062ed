#pragma once

#include "data/records.h"

#include <QDate>

class AccountRepository;
class Database;
class TransactionRepository;

// Stores a new account with starting balance 0 and, when the opening balance
// is not 0, a cleared and reconciled "Opening Balance" transaction dated
// asOf: both or neither, so a balance is never half entered.
bool createAccountWithOpeningBalance(Database* database, AccountRepository* accounts,
                                     TransactionRepository* transactions, Account account, qint64 openingBalance,
                                     const QDate& asOf);
