#pragma once

#include <QString>

class AccountRepository;
class CategoryRepository;
class Database;
class ReconciliationRepository;
class RecurringRepository;
class TransactionRepository;

// The five tables that carry sync state, in push order.
struct SyncedRepositories
{
    AccountRepository* accounts = nullptr;
    CategoryRepository* categories = nullptr;
    TransactionRepository* transactions = nullptr;
    RecurringRepository* recurring = nullptr;
    ReconciliationRepository* reconciliations = nullptr;
    // Their database: a restore of several tables is one unit on it.
    Database* database = nullptr;
};

// Rows each table marked pending again.
struct ResyncCounts
{
    int accounts = 0;
    int categories = 0;
    int transactions = 0;
    int recurring = 0;
    int reconciliations = 0;
};

// Repairs behind the Data & Sync preferences: a full re-upload, the
// deletion of an account and its return, and telling the views after a
// restore that wrote past the repositories.
namespace DataRecovery {

// Every live row of the five tables is pending again (split lines carry no
// sync state and travel with their transaction). Logged at info level.
ResyncCounts markAllForResync(const SyncedRepositories& repos);

// Soft-deletes the account with its live transactions, schedules and
// reconciliations, in that order, the account last. All or nothing: false,
// with nothing changed, when any write fails or leaves a live row of the
// account. The counts are logged at info level.
bool deleteAccount(const SyncedRepositories& repos, const QString& accountId);

// Brings a soft-deleted account back with the transactions, schedules and
// reconciliations deleted with it: those deleted from 10 seconds before the
// account onwards. Rows deleted one by one earlier stay deleted. All or
// nothing: false, with nothing changed, when no deleted account has the id
// or any of the four restores fails.
bool restoreDeletedAccount(const SyncedRepositories& repos, const QString& accountId);

// A backup restore writes the tables directly: every repository emits its
// change signal once (transactions for every account), so each view and the
// sync engine catch up.
void announceBulkChange(const SyncedRepositories& repos);

} // namespace DataRecovery
