#pragma once

#include "data/records.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

class AppState;
class DateField;
class QCloseEvent;
class QGridLayout;
class QKeySequence;
class QLabel;
class QPushButton;
class QTableWidget;
class SmartAmountField;

// Reconciles one account against a bank statement: the user enters the
// statement date and ending balance, ticks the unreconciled transactions
// that are on the statement, and finishes when the difference is zero.
// Transactions can be added, edited and deleted while reconciling.
class ReconciliationScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ReconciliationScreen(AppState* appState, QWidget* parent = nullptr);
    ~ReconciliationScreen() override;

    void setAccount(const QString& accountId);
    // The account or its transactions took new ids (`table` "accounts" or
    // "transactions", old id → new id) under the window: the ticks and the
    // typed statement stay.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    bool eventFilter(QObject* watched, QEvent* event) override;

    // True when there is nothing to lose or the user agreed to discard it.
    bool confirmDiscard();
    // Closes without asking again, once confirmDiscard agreed.
    void closeDiscarding();

    // For tests.
    QTableWidget* table() const { return m_table; }
    QPushButton* finishButton() const { return m_finishButton; }
    SmartAmountField* statementBalanceField() const { return m_statementBalance; }
    DateField* statementDateField() const { return m_statementDate; }

signals:
    void reconciliationCompleted();
    void cancelled();

public slots:
    void updateDifference();
    void finish();
    void addTransaction();
    void editSelectedTransaction();
    void deleteSelectedTransaction();

protected:
    // Closing drops the ticks and the typed statement: asked first when
    // there are any.
    void closeEvent(QCloseEvent* event) override;

private:
    void loadTransactions();
    // Cancel: asks as a close would, then tells the owner.
    void cancelReconciliation();
    // True when the user ticked or unticked a row, or typed a statement date
    // or balance, since the window opened and nothing was finished.
    bool hasUnsavedWork() const;
    void setChecked(int row, bool checked);
    // The current row when it is one of the rows, else -1.
    int currentRow() const;
    QLabel* addSummaryRow(QGridLayout* grid, int row, const QString& caption, bool muted, const char* name);
    void addShortcut(const QKeySequence& sequence, void (ReconciliationScreen::*slot)());

    AppState* m_appState;
    QString m_accountId;
    qint64 m_previousBalance = 0;
    DateField* m_statementDate = nullptr;
    SmartAmountField* m_statementBalance = nullptr;
    QLabel* m_previousLabel = nullptr;
    QLabel* m_depositsLabel = nullptr;
    QLabel* m_withdrawalsLabel = nullptr;
    QLabel* m_clearedLabel = nullptr;
    QLabel* m_statementLabel = nullptr;
    QLabel* m_differenceLabel = nullptr;
    QPushButton* m_finishButton = nullptr;
    QTableWidget* m_table = nullptr;
    QList<Transaction> m_rows;
    QList<bool> m_checked; // one per row: the transaction is on the statement
    // What the window opened with: each shown transaction's tick on arrival,
    // the statement date and balance after setAccount.
    QHash<QString, bool> m_openingTicks;
    QDate m_openingDate;
    qint64 m_openingStatement = 0;
    bool m_finished = false;
    bool m_discardAgreed = false; // for the close that a confirmed Cancel leads to
};
