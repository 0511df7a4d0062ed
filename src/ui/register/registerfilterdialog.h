#pragma once

#include "data/registerfilter.h"

#include <QDialog>
#include <QHash>

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
    // Rows of `table` took new ids in a sync repair (old id → new id): the
    // categories offered follow them.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    // For tests and the register: the form's controls.
    QRadioButton* clearedButton() const { return m_clearedRadio; }
    QRadioButton* unclearedButton() const { return m_unclearedRadio; }
    QCheckBox* dateRangeCheckBox() const { return m_rangeCheck; }
    DateField* fromField() const { return m_fromDate; }
    QComboBox* categoryComboBox() const { return m_categoryCombo; }
    QPushButton* clearAllButton() const { return m_clearAll; }

private:
    void setupUi();
    void populateCategories();

    AppState* m_appState;
    RegisterFilter m_openedWith;
    QRadioButton* m_allRadio = nullptr;
    QRadioButton* m_clearedRadio = nullptr;
    QRadioButton* m_unclearedRadio = nullptr;
    QCheckBox* m_rangeCheck = nullptr;
    DateField* m_fromDate = nullptr;
    DateField* m_toDate = nullptr;
    QComboBox* m_categoryCombo = nullptr;
    QPushButton* m_clearAll = nullptr;
};
