#include "ui/register/registerfilterdialog.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "ui/widgets/datefield.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

RegisterFilterDialog::RegisterFilterDialog(AppState* state, const RegisterFilter& filter, QWidget* parent)
    : QDialog(parent)
    , appState(state)
    , openedWith(filter)
{
    setWindowTitle(tr("Filters"));
    setupUi();
    populateCategories();
    setFilter(filter);
}

RegisterFilterDialog::~RegisterFilterDialog() = default;

void RegisterFilterDialog::setupUi()
{
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    layout->addLayout(form);

    allRadio = new QRadioButton(tr("All"), this);
    clearedRadio = new QRadioButton(tr("Cleared"), this);
    unclearedRadio = new QRadioButton(tr("Uncleared"), this);
    auto* statusGroup = new QButtonGroup(this);
    statusGroup->setExclusive(true);
    statusGroup->addButton(allRadio);
    statusGroup->addButton(clearedRadio);
    statusGroup->addButton(unclearedRadio);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(allRadio);
    statusRow->addWidget(clearedRadio);
    statusRow->addWidget(unclearedRadio);
    form->addRow(tr("Status:"), statusRow);

    rangeCheck = new QCheckBox(tr("Limit to a date range"), this);
    form->addRow(QString(), rangeCheck);

    fromDate = new DateField(this);
    toDate = new DateField(this);
    auto* datesRow = new QHBoxLayout;
    datesRow->addWidget(fromDate, 1);
    datesRow->addWidget(new QLabel(tr("to"), this));
    datesRow->addWidget(toDate, 1);
    form->addRow(tr("Dates:"), datesRow);
    fromDate->setEnabled(false);
    toDate->setEnabled(false);
    connect(rangeCheck, &QCheckBox::toggled, this, [this](bool on) {
        fromDate->setEnabled(on);
        toDate->setEnabled(on);
    });

    categoryCombo = new QComboBox(this);
    form->addRow(tr("Category:"), categoryCombo);

    layout->addSpacing(12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Done"));
    clearAll = buttons->addButton(tr("Clear All"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(clearAll, &QPushButton::clicked, this, [this] { setFilter(RegisterFilter()); });
    layout->addWidget(buttons);

    setMinimumWidth(480);
}

void RegisterFilterDialog::populateCategories()
{
    categoryCombo->clear();
    categoryCombo->addItem(tr("All Categories"), QString());
    if (!appState || !appState->categoryRepository())
        return;
    const QList<Category> categories = appState->categoryRepository()->findAll();
    QHash<QString, QString> names;
    names.reserve(categories.size());
    for (const Category& c : categories)
        names.insert(c.id, c.name);
    for (const Category& c : categories) {
        const auto parent = c.parentId.isEmpty() ? names.constEnd() : names.constFind(c.parentId);
        const QString text = parent != names.constEnd() ? QStringLiteral("%1 > %2").arg(*parent, c.name) : c.name;
        categoryCombo->addItem(text, c.id);
    }
}

void RegisterFilterDialog::setFilter(const RegisterFilter& filter)
{
    if (!filter.cleared.has_value())
        allRadio->setChecked(true);
    else if (*filter.cleared)
        clearedRadio->setChecked(true);
    else
        unclearedRadio->setChecked(true);

    rangeCheck->setChecked(filter.dateFrom.isValid() || filter.dateTo.isValid());
    const QDate today = QDate::currentDate();
    fromDate->setDate(filter.dateFrom.isValid() ? filter.dateFrom : today.addMonths(-1));
    toDate->setDate(filter.dateTo.isValid() ? filter.dateTo : today);

    // An id that names no live category (deleted since) shows as all
    // categories, so accepting the form drops it.
    int item = 0;
    if (!filter.categoryId.isEmpty()) {
        for (int i = 1; i < categoryCombo->count(); ++i) {
            if (categoryCombo->itemData(i).toString() == filter.categoryId) {
                item = i;
                break;
            }
        }
    }
    categoryCombo->setCurrentIndex(item);
}

RegisterFilter RegisterFilterDialog::filter() const
{
    RegisterFilter result;
    if (clearedRadio->isChecked())
        result.cleared = true;
    else if (unclearedRadio->isChecked())
        result.cleared = false;
    if (rangeCheck->isChecked()) {
        result.dateFrom = fromDate->date();
        result.dateTo = toDate->date();
    }
    result.categoryId = categoryCombo->currentData().toString();
    return result;
}
