-- Days in advance at which a schedule may be entered early.
ALTER TABLE recurring_transactions ADD COLUMN lead_days INTEGER NOT NULL DEFAULT 0;
