#pragma once

#include "data/records.h"

#include <QDialog>
#include <QHash>

#include <optional>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QCompleter;
class QFormLayout;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class SmartAmountField;

// Modal form for one recurring schedule. It writes nothing itself: after an
// accepted run the caller takes recurring() and stores it.
class RecurringFormDialog : public QDialog
{
    Q_OBJECT
public:
    // A new schedule.
    explicit RecurringFormDialog(AppState* appState, QWidget* parent = nullptr);
    // Editing an existing schedule. The account cannot be changed: an update
    // never moves a schedule to another account.
    RecurringFormDialog(AppState* appState, const RecurringTransaction& record, QWidget* parent = nullptr);
    ~RecurringFormDialog() override;

    // A new schedule proposed from a seed (the register's memorize command),
    // titled "Memorize Transaction". The caller owns the dialog.
    static RecurringFormDialog* createFromSeed(AppState* appState, const RecurringTransaction& seed,
                                               QWidget* parent = nullptr);

    // The schedule built from the form; changes nothing in the dialog.
    RecurringTransaction recurring() const;
    // The schedule the form was opened with.
    const RecurringTransaction& original() const { return m_original; }

    // Rows of `table` took new ids in a sync repair (old id → new id): the
    // schedule and the accounts and categories offered follow them. The
    // form listens for the repair's announcements itself.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    // OK is refused, with a message, while the typed category names no
    // category, a transfer's destination is its own account, or an account
    // chosen for a new schedule no longer exists.
    void accept() override;

private:
    void setupUi();
    void populateAccounts();
    void populateCategories();
    void loadRecurring(const RecurringTransaction& record);
    void fillDayCombo(QComboBox* combo);
    void updateIntervalSuffix();
    void updateSemimonthlyRows();
    void reloadPayeeCompleter();
    void selectAccount(QComboBox* combo, const QString& accountId);
    void selectCategory(const QString& categoryId);
    // The chosen or typed category's id (empty for none); no value when the
    // typed text names no category.
    std::optional<QString> selectedCategoryId() const;
    bool isTransfer() const;

    AppState* m_appState;
    RecurringTransaction m_original;
    bool m_editMode = false;
    bool isCreateFromSeed = false;

    QComboBox* m_accountCombo = nullptr;
    // Shown for a transfer schedule only: the account of the second leg.
    QComboBox* m_destinationCombo = nullptr;
    QRadioButton* m_paymentRadio = nullptr;
    QRadioButton* m_depositRadio = nullptr;
    QLineEdit* m_payeeEdit = nullptr;
    QCompleter* m_payeeCompleter = nullptr;
    SmartAmountField* m_amountField = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QLineEdit* m_memoEdit = nullptr;
    QComboBox* m_frequencyCombo = nullptr;
    QSpinBox* m_intervalSpin = nullptr;
    QComboBox* m_day1Combo = nullptr;
    QComboBox* m_day2Combo = nullptr;
    QFormLayout* m_form = nullptr;
    DateField* m_startDateField = nullptr;
    DateField* m_endDateField = nullptr;
    QCheckBox* m_hasEndDateCheck = nullptr;
    QCheckBox* m_autoPostCheck = nullptr;
    QCheckBox* m_activeCheck = nullptr;
    QSpinBox* m_leadDaysSpin = nullptr;
};
