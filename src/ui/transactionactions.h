#pragma once

#include "data/records.h"
#include "services/transactionservice.h"

#include <QList>
#include <QString>

class AppState;
class QObject;
class QWidget;

// The user-level operations on one transaction, shared by the register,
// search and reconciliation screens: the dialogs and questions around the
// writes of TransactionService. They run modal dialogs through MessageBoxes
// and report failed writes to the user; each returns true only when
// something was stored. The opening-balance row (empty id) is refused
// by every operation on an existing transaction.
namespace TransactionActions {

using ::TransferCheck;
using ::transferPayeePrefix;

// Asks, then soft-deletes the transaction and, for a transfer, its other
// side, both or neither. Also the details dialog's delete.
bool confirmDelete(AppState* appState, const Transaction& transaction, QWidget* parent);
// Opens the new-transaction form seeded with a copy dated today; a transfer
// whose other account still exists is proposed as a new transfer.
bool duplicate(AppState* appState, const Transaction& transaction, QWidget* parent);
// Edits in the form; the transaction and its split lines are written as
// one unit.
bool edit(AppState* appState, const Transaction& transaction, QWidget* parent);
// Edits only the split lines; the amount stays as it is.
bool editSplits(AppState* appState, const Transaction& transaction, QWidget* parent);
// Runs the new-transaction form (seeded when `seed` is not null) until it
// is cancelled or its transfer checks pass, then stores the result.
bool addTransaction(AppState* appState, const QString& accountId, const Transaction* seed, QWidget* parent);
// Inverts the cleared flag of the stored row of the transaction's id;
// refused (false, nothing written) when that row is gone, or reconciled
// unless `reconciled` is Flip. A failed write is reported with `parent` as
// the box's parent.
bool toggleCleared(AppState* appState, Transaction transaction, QWidget* parent = nullptr,
                   TransactionService::ReconciledRows reconciled = TransactionService::ReconciledRows::Refuse);

// Reads a "[Transfer] <account>" payee: finds the target account (first
// exact name in account order) and rewrites the payee to "Transfer to %1".
TransferCheck resolveTransfer(AppState* appState, const QString& sourceAccountId, QString& payee,
                              QString& targetAccountId);
// Why a transfer is refused, as the form and the register both say it;
// empty when `check` allows it. `split`: the transaction has split lines.
QString transferRefusal(TransferCheck check, bool split);
// Builds the other side of a transfer (not stored) and links `source` to it.
// Store both with TransactionService::insertTransaction, the counterpart first.
Transaction makeTransferCounterpart(AppState* appState, Transaction& source, const QString& targetAccountId);
// Replaces the transaction's stored split lines atomically: when any line
// fails the old ones stay. Returns false on failure; the caller reports it.
bool saveSplitLines(AppState* appState, const Transaction& transaction, const QList<SplitLine>& lines);

// Shows the details dialog; afterwards re-reads the transaction by id and
// runs edit or duplicate when one was asked. True when anything was written.
bool showDetails(AppState* appState, const Transaction& transaction, QWidget* parent);

// While `context` lives, `transaction` (which must outlive it) follows the
// ids a sync repair renames: what a dialog holds across its run is then
// written on the renamed rows.
void followRenamedIds(AppState* appState, QObject* context, Transaction& transaction);

} // namespace TransactionActions
