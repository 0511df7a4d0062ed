#include "ui/register/registerfilterdialog.h"

#include "app/appstate.h"
#include "data/categoryrepository.h"
#include "ui/dialogs/splitlineswidget.h"
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
    , m_appState(state)
    , m_openedWith(filter)
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

    m_allRadio = new QRadioButton(tr("All"), this);
    m_clearedRadio = new QRadioButton(tr("Cleared"), this);
    m_unclearedRadio = new QRadioButton(tr("Uncleared"), this);
    auto* statusGroup = new QButtonGroup(this);
    statusGroup->setExclusive(true);
    statusGroup->addButton(m_allRadio);
    statusGroup->addButton(m_clearedRadio);
    statusGroup->addButton(m_unclearedRadio);
    auto* statusRow = new QHBoxLayout;
    statusRow->addWidget(m_allRadio);
    statusRow->addWidget(m_clearedRadio);
    statusRow->addWidget(m_unclearedRadio);
    form->addRow(tr("Status:"), statusRow);

    m_rangeCheck = new QCheckBox(tr("Limit to a date range"), this);
    form->addRow(QString(), m_rangeCheck);

    m_fromDate = new DateField(this);
    m_toDate = new DateField(this);
    auto* datesRow = new QHBoxLayout;
    datesRow->addWidget(m_fromDate, 1);
    datesRow->addWidget(new QLabel(tr("to"), this));
    datesRow->addWidget(m_toDate, 1);
    form->addRow(tr("Dates:"), datesRow);
    m_fromDate->setEnabled(false);
    m_toDate->setEnabled(false);
    connect(m_rangeCheck, &QCheckBox::toggled, this, [this](bool on) {
        m_fromDate->setEnabled(on);
        m_toDate->setEnabled(on);
    });

    m_categoryCombo = new QComboBox(this);
    form->addRow(tr("Category:"), m_categoryCombo);

    layout->addSpacing(12);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Done"));
    m_clearAll = buttons->addButton(tr("Clear All"), QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_clearAll, &QPushButton::clicked, this, [this] { setFilter(RegisterFilter()); });
    layout->addWidget(buttons);

    setMinimumWidth(480);
}

void RegisterFilterDialog::populateCategories()
{
    m_categoryCombo->clear();
    m_categoryCombo->addItem(tr("All Categories"), QString());
    if (!m_appState || !m_appState->categoryRepository())
        return;
    const QList<Category> categories = m_appState->categoryRepository()->findAll();
    QHash<QString, QString> names;
    names.reserve(categories.size());
    for (const Category& c : categories)
        names.insert(c.id, c.name);
    for (const Category& c : categories) {
        const auto parent = c.parentId.isEmpty() ? names.constEnd() : names.constFind(c.parentId);
        const QString text = parent != names.constEnd() ? QStringLiteral("%1 > %2").arg(*parent, c.name) : c.name;
        m_categoryCombo->addItem(text, c.id);
    }
}

void RegisterFilterDialog::setFilter(const RegisterFilter& filter)
{
    if (!filter.cleared.has_value())
        m_allRadio->setChecked(true);
    else if (*filter.cleared)
        m_clearedRadio->setChecked(true);
    else
        m_unclearedRadio->setChecked(true);

    m_rangeCheck->setChecked(filter.dateFrom.isValid() || filter.dateTo.isValid());
    const QDate today = QDate::currentDate();
    m_fromDate->setDate(filter.dateFrom.isValid() ? filter.dateFrom : today.addMonths(-1));
    m_toDate->setDate(filter.dateTo.isValid() ? filter.dateTo : today);

    // An id that names no live category (deleted since) shows as all
    // categories, so accepting the form drops it.
    int item = 0;
    if (!filter.categoryId.isEmpty()) {
        for (int i = 1; i < m_categoryCombo->count(); ++i) {
            if (m_categoryCombo->itemData(i).toString() == filter.categoryId) {
                item = i;
                break;
            }
        }
    }
    m_categoryCombo->setCurrentIndex(item);
}

void RegisterFilterDialog::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    // The items keep their places, so the chosen one stays chosen.
    if (table == QLatin1String("categories"))
        followComboIds(m_categoryCombo, renamed);
}

RegisterFilter RegisterFilterDialog::filter() const
{
    RegisterFilter result;
    if (m_clearedRadio->isChecked())
        result.cleared = true;
    else if (m_unclearedRadio->isChecked())
        result.cleared = false;
    if (m_rangeCheck->isChecked()) {
        result.dateFrom = m_fromDate->date();
        result.dateTo = m_toDate->date();
    }
    result.categoryId = m_categoryCombo->currentData().toString();
    return result;
}
