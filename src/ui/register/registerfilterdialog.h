#pragma once

#include "data/registerfilter.h"

#include <QDialog>

class AppState;
class DateField;
class QCheckBox;
class QComboBox;
class QPushButton;
class QRadioButton;

// Modal form for one account's register filter. Done accepts without
// checking anything; a range whose start lies after its end simply lists
// nothing.
class RegisterFilterDialog : public QDialog
{
    Q_OBJECT
public:
    RegisterFilterDialog(AppState* appState, const RegisterFilter& filter, QWidget* parent = nullptr);
    ~RegisterFilterDialog() override;

    // The filter the form shows.
    RegisterFilter filter() const;
    void setFilter(const RegisterFilter& filter);

    // For tests and the register: the form's controls.
    QRadioButton* clearedButton() const { return clearedRadio; }
    QRadioButton* unclearedButton() const { return unclearedRadio; }
    QCheckBox* dateRangeCheckBox() const { return rangeCheck; }
    DateField* fromField() const { return fromDate; }
    QComboBox* categoryComboBox() const { return categoryCombo; }
    QPushButton* clearAllButton() const { return clearAll; }

private:
    void setupUi();
    void populateCategories();

    AppState* appState;
    RegisterFilter openedWith;
    QRadioButton* allRadio = nullptr;
    QRadioButton* clearedRadio = nullptr;
    QRadioButton* unclearedRadio = nullptr;
    QCheckBox* rangeCheck = nullptr;
    DateField* fromDate = nullptr;
    DateField* toDate = nullptr;
    QComboBox* categoryCombo = nullptr;
    QPushButton* clearAll = nullptr;
};
