#include "ui/screens/categoryformdialog.h"

#include "data/renamedids.h"
#include "services/categorylookup.h"
#include "ui/dialogs/messageboxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUuid>
#include <QVBoxLayout>

CategoryFormDialog::CategoryFormDialog(const QString& parentId, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_parentId(parentId)
{
    setWindowTitle(parentId.isEmpty() ? tr("New Category") : tr("New Subcategory"));
    setupUi(parentName);
}

CategoryFormDialog::CategoryFormDialog(const Category& category, const QString& parentName, QWidget* parent)
    : QDialog(parent)
    , m_category(category)
    , m_parentId(category.parentId)
    , m_editMode(true)
{
    setWindowTitle(tr("Edit Category"));
    setupUi(parentName);
    loadCategory();
}

CategoryFormDialog::~CategoryFormDialog() = default;

// Every field carries an object name so tests can reach it.
void CategoryFormDialog::setupUi(const QString& parentName)
{
    setMinimumWidth(420);
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;

    if (!parentName.isEmpty()) {
        m_parentLabel = new QLabel(parentName, this);
        m_parentLabel->setObjectName(QStringLiteral("parentLabel"));
        m_parentLabel->setTextFormat(Qt::PlainText);
        m_parentLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        form->addRow(tr("&Parent:"), m_parentLabel);
    }

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("nameEdit"));
    m_nameEdit->setPlaceholderText(tr("Category name"));
    form->addRow(tr("&Name:"), m_nameEdit);

    m_typeCombo = new QComboBox(this);
    m_typeCombo->setObjectName(QStringLiteral("typeCombo"));
    m_typeCombo->addItem(tr("Expense"), categoryTypeToString(CategoryType::Expense));
    m_typeCombo->addItem(tr("Income"), categoryTypeToString(CategoryType::Income));
    // A transfer category (sync brings them) keeps its type when edited; it
    // is not offered for anything else.
    if (m_editMode && m_category.categoryType == CategoryType::Transfer)
        m_typeCombo->addItem(tr("Transfer"), categoryTypeToString(CategoryType::Transfer));
    form->addRow(tr("&Type:"), m_typeCombo);

    m_taxRelevantCheck = new QCheckBox(tr("Tax-relevant"), this);
    m_taxRelevantCheck->setObjectName(QStringLiteral("taxRelevantCheck"));
    m_taxRelevantCheck->setToolTip(tr("Mark this category for inclusion in tax-time reports."));
    form->addRow(QString(), m_taxRelevantCheck);

    m_taxCodeEdit = new QLineEdit(this);
    m_taxCodeEdit->setObjectName(QStringLiteral("taxCodeEdit"));
    m_taxCodeEdit->setPlaceholderText(tr("e.g. charitable_contributions, mortgage_interest"));
    m_taxCodeLabel = new QLabel(tr("Tax &Code:"), this);
    m_taxCodeLabel->setBuddy(m_taxCodeEdit);
    form->addRow(m_taxCodeLabel, m_taxCodeEdit);
    connect(m_taxRelevantCheck, &QCheckBox::toggled, this, &CategoryFormDialog::setTaxCodeEnabled);
    setTaxCodeEnabled(false);

    layout->addLayout(form);
    m_buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(m_buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(m_buttons);

    // A blank name would store nothing, so it cannot be confirmed.
    auto updateOk = [this] {
        m_buttons->button(QDialogButtonBox::Ok)->setEnabled(!m_nameEdit->text().trimmed().isEmpty());
    };
    connect(m_nameEdit, &QLineEdit::textChanged, this, updateOk);
    updateOk();

    m_nameEdit->setFocus();
}

void CategoryFormDialog::setTaxCodeEnabled(bool enabled)
{
    m_taxCodeLabel->setEnabled(enabled);
    m_taxCodeEdit->setEnabled(enabled);
    if (!enabled)
        m_taxCodeEdit->clear();
}

void CategoryFormDialog::loadCategory()
{
    m_nameEdit->setText(m_category.name);
    const int type = m_typeCombo->findData(categoryTypeToString(m_category.categoryType));
    if (type >= 0)
        m_typeCombo->setCurrentIndex(type);
    m_taxRelevantCheck->setChecked(m_category.isTaxRelevant);
    setTaxCodeEnabled(m_category.isTaxRelevant);
    m_taxCodeEdit->setText(m_category.taxCategory);
}

void CategoryFormDialog::setExistingCategories(const QList<Category>& categories)
{
    m_existing = categories;
}

void CategoryFormDialog::followRenamedIds(const QString& table, const QHash<QString, QString>& renamed)
{
    RenamedIds::follow(m_category, table, renamed);
    if (table == QLatin1String("categories"))
        m_parentId = RenamedIds::follow(renamed, m_parentId);
    for (Category& existing : m_existing)
        RenamedIds::follow(existing, table, renamed);
}

void CategoryFormDialog::accept()
{
    const QString name = m_nameEdit->text().trimmed();
    // Two entries of one name could not be told apart in any list, and an
    // import would map the name to either. A category that already shares
    // its name (from a sync) can still be edited while it keeps the name.
    const bool keptName = m_editMode && name.compare(m_category.name.trimmed(), Qt::CaseInsensitive) == 0;
    if (!keptName && CategoryLookup::nameTaken(m_existing, m_parentId, name, m_editMode ? m_category.id : QString())) {
        MessageBoxes::warning(this, windowTitle(),
                              tr("A category named \"%1\" already exists here. Choose another name.").arg(name));
        m_nameEdit->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

Category CategoryFormDialog::category() const
{
    Category c = m_category;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!m_editMode) {
        c.id = QUuid::createUuid().toString(QUuid::WithoutBraces);
        c.createdAt = now;
    }
    c.name = m_nameEdit->text().trimmed();
    c.categoryType = categoryTypeFromString(m_typeCombo->currentData().toString());
    c.parentId = m_parentId;
    c.isTaxRelevant = m_taxRelevantCheck->isChecked();
    c.taxCategory = c.isTaxRelevant ? m_taxCodeEdit->text().trimmed() : QString();
    c.updatedAt = now;
    c.syncStatus = SyncStatus::Pending;
    return c;
}
