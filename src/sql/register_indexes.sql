-- The register reads an account's live rows in date order: with this index
-- they come out of it already ordered (the rowid, the last tie-breaker, ends
-- every index entry), so a long register needs no sort.
CREATE INDEX IF NOT EXISTS idx_transactions_account_date ON transactions(account_id, date, created_at);

-- The payee list walks this covering index in payee order instead of reading
-- the whole table and sorting its distinct payees.
CREATE INDEX IF NOT EXISTS idx_transactions_payee ON transactions(payee, deleted_at);

-- Account balances (starting balance plus the sum of live amounts) and the
-- account summary's cleared and uncleared sums read this small covering index
-- instead of every row of the table.
-- (SQLite does not count a partial index as covering when the query names
-- the column of its WHERE term, hence deleted_at as a column.)
CREATE INDEX IF NOT EXISTS idx_transactions_account_amounts ON transactions(account_id, deleted_at, cleared, amount);

-- A search by category finds the split transactions with a line in it.
CREATE INDEX IF NOT EXISTS idx_split_lines_category_id ON split_lines(category_id);

-- A pull looks every server row up by its server id.
CREATE INDEX IF NOT EXISTS idx_accounts_server_id ON accounts(server_id);
CREATE INDEX IF NOT EXISTS idx_categories_server_id ON categories(server_id);
CREATE INDEX IF NOT EXISTS idx_recurring_transactions_server_id ON recurring_transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_transactions_server_id ON transactions(server_id);
CREATE INDEX IF NOT EXISTS idx_reconciliations_server_id ON reconciliations(server_id);

-- Every write of a transaction updates each of its indexes, so none is kept
-- that serves no query. The first migration's index on account_id alone is
-- the prefix of the register index above, which serves the same lookups.
DROP INDEX IF EXISTS idx_transactions_account_id;
-- Only linked rows (a transfer's legs) need finding by their link: the
-- index leaves out every other row.
DROP INDEX IF EXISTS idx_transactions_transfer_link_id;
CREATE INDEX IF NOT EXISTS idx_transactions_transfer_link ON transactions(transfer_link_id)
    WHERE transfer_link_id <> '';
