#pragma once

#include "data/records.h"

#include <QDialog>
#include <QHash>
#include <QList>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QFormLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class SmartAmountField;
class SplitLinesWidget;

// Modal form for one transaction, new or edited, with one category or a
// table of split lines. It stores nothing: the caller reads transaction()
// and splitLines() after an accepted run and applies the transfer rules.
class TransactionFormDialog : public QDialog
{
    Q_OBJECT
public:
    // A new transaction in the account.
    TransactionFormDialog(AppState* appState, const QString& accountId, QWidget* parent = nullptr);
    // Editing a stored transaction.
    TransactionFormDialog(AppState* appState, const Transaction& transaction, QWidget* parent = nullptr);
    ~TransactionFormDialog() override;

    // Applies what the seed has (duplicate, entry row moved into the form).
    void loadTransaction(const Transaction& seed);

    // The transaction built from the form; a new id on every call in new
    // mode. Remembers its date for the next new form.
    Transaction transaction() const;
    // The split lines (signed by the type) in split mode, else none.
    QList<SplitLine> splitLines() const;

public slots:
    // In split mode a line with an amount needs a category; refused with a
    // warning otherwise. Nothing else is checked.
    void accept() override;
    // Fills amount, type, memo and category from the payee's newest
    // transaction in this account (a completion was chosen).
    void onPayeeSelected(const QString& payee);
    void onEnterSplit();
    void onClearSplit();

private:
    void setupUi();
    void populateCategories();
    void populatePayees();
    void selectCategory(const QString& categoryId);
    void updateSplitState();
    void loadSplitLines(const QString& transactionId);
    // Rows a sync repair renamed while the form is open (old id → new id):
    // the edited transaction, its account and the offered categories take
    // their new ids, so what is typed is saved on the renamed rows.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    AppState* m_appState;
    QString m_accountId;
    Transaction m_transaction;
    bool m_editing = false;
    bool m_splitMode = false;

    QFormLayout* m_form = nullptr;
    QRadioButton* m_paymentRadio = nullptr;
    QRadioButton* m_depositRadio = nullptr;
    DateField* m_dateField = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    SmartAmountField* m_amountField = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QPushButton* m_splitButton = nullptr;
    QPushButton* m_singleButton = nullptr;
    SplitLinesWidget* m_splitLines = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    QLineEdit* m_checkNumberEdit = nullptr;
    QCheckBox* m_clearedCheck = nullptr;
};
