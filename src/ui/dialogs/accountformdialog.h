#pragma once

#include "data/records.h"

#include <QDate>
#include <QDialog>
#include <QHash>

class QComboBox;
class QDateEdit;
class QDialogButtonBox;
class QLineEdit;
class SmartAmountField;

// Modal form for a new account or for changing one. It builds the Account
// from the form and stores nothing: the caller inserts or updates it and,
// for a new account, turns the starting balance into an opening
// transaction dated asOfDate().
class AccountFormDialog : public QDialog
{
    Q_OBJECT
public:
    explicit AccountFormDialog(QWidget* parent = nullptr);
    AccountFormDialog(const Account& account, QWidget* parent = nullptr);
    ~AccountFormDialog() override;

    // A new id and creation time on every call in new mode; in edit mode the
    // edited account with the form's values.
    Account account() const;
    QDate asOfDate() const;
    // Rows of `table` took new ids (old id → new id) while the form is open:
    // the edited account is saved under its new id. The opener forwards
    // them; the form knows no sync engine.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    QLineEdit* nameEdit() const { return m_name; }
    QComboBox* typeCombo() const { return m_type; }
    QComboBox* currencyCombo() const { return m_currency; }
    SmartAmountField* balanceField() const { return m_balance; }
    QDateEdit* asOfEdit() const { return m_asOf; }
    QLineEdit* institutionEdit() const { return m_institution; }
    QLineEdit* accountNumberEdit() const { return m_accountNumber; }
    QDialogButtonBox* buttonBox() const { return m_buttons; }

private:
    void setupUi();
    void updateOkButton();

    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_currency = nullptr;
    SmartAmountField* m_balance = nullptr;
    QDateEdit* m_asOf = nullptr;
    QLineEdit* m_institution = nullptr;
    QLineEdit* m_accountNumber = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
    Account m_account;
    bool m_editing = false;
};
