#include "services/categoryservice.h"

#include "data/categoryrepository.h"
#include "data/records.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QMap>
#include <QUuid>

namespace {

// RFC 4122 DNS namespace {6ba7b810-9dad-11d1-80b4-00c04fd430c8}.
constexpr QUuid kDnsNamespace(0x6ba7b810, 0x9dad, 0x11d1, 0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8);

struct DefaultCategory
{
    const char* key;       // English name: translation source and id input
    const char* type;      // "expense" or "income"
    const char* parentKey; // English name of the parent, or nullptr
    bool isTaxRelevant;
    const char* taxCategory; // nullptr = none
};

// The catalogue in insertion order; a parent always precedes its children.
const DefaultCategory kCatalogue[] = {
    {QT_TRANSLATE_NOOP("CategoryService", "Charitable Donations"), "expense", nullptr, true, "charitable_contributions"},
    {QT_TRANSLATE_NOOP("CategoryService", "Medical Expenses"), "expense", nullptr, true, "medical_dental"},
    {QT_TRANSLATE_NOOP("CategoryService", "Business Expenses"), "expense", nullptr, true, "business_expense"},
    {QT_TRANSLATE_NOOP("CategoryService", "Home Office"), "expense", "Business Expenses", true, "home_office"},
    {QT_TRANSLATE_NOOP("CategoryService", "Education Expenses"), "expense", nullptr, true, "education"},
    {QT_TRANSLATE_NOOP("CategoryService", "State & Local Taxes"), "expense", nullptr, true, "salt"},
    {QT_TRANSLATE_NOOP("CategoryService", "Mortgage Interest"), "expense", nullptr, true, "mortgage_interest"},
    {QT_TRANSLATE_NOOP("CategoryService", "Property Tax"), "expense", nullptr, true, "schedule_a_property_tax"},
    {QT_TRANSLATE_NOOP("CategoryService", "Housing"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Rent/Mortgage Payment"), "expense", "Housing", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Housing", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "HOA"), "expense", "Housing", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Utilities"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electric"), "expense", "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas"), "expense", "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Water"), "expense", "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Internet"), "expense", "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Phone"), "expense", "Utilities", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Transportation"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gas/Fuel"), "expense", "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Car Payment"), "expense", "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto Insurance"), "expense", "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Maintenance"), "expense", "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Public Transit"), "expense", "Transportation", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Groceries"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Dining & Restaurants"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Personal Care"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Pets"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Subscriptions"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Miscellaneous"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Entertainment"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Streaming"), "expense", "Entertainment", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Movies"), "expense", "Entertainment", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Events"), "expense", "Entertainment", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Shopping"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Clothing"), "expense", "Shopping", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Electronics"), "expense", "Shopping", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Household"), "expense", "Shopping", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Insurance"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Health"), "expense", "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Life"), "expense", "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Home/Renters"), "expense", "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Auto"), "expense", "Insurance", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Fees & Charges"), "expense", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Bank Fees"), "expense", "Fees & Charges", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "ATM Fees"), "expense", "Fees & Charges", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Late Fees"), "expense", "Fees & Charges", false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Salary / Wages"), "income", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Interest Income"), "income", nullptr, true, "interest_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Dividend Income"), "income", nullptr, true, "dividend_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Rental Income"), "income", nullptr, true, "rental_income"},
    {QT_TRANSLATE_NOOP("CategoryService", "Freelance / Consulting"), "income", nullptr, true, "self_employment"},
    {QT_TRANSLATE_NOOP("CategoryService", "Refunds"), "income", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Gifts Received"), "income", nullptr, false, nullptr},
    {QT_TRANSLATE_NOOP("CategoryService", "Other Income"), "income", nullptr, false, nullptr},
};

// What the seeding of this process recorded; lives until exit.
QMap<QString, QString>& keyToId()
{
    static QMap<QString, QString> map;
    return map;
}

QMap<QString, QString>& idToKey()
{
    static QMap<QString, QString> map;
    return map;
}

} // namespace

CategoryService::CategoryService(CategoryRepository* categories, QObject* parent)
    : QObject(parent)
    , m_categories(categories)
{
}

void CategoryService::seedIfEmpty()
{
    if (m_categories->count() == 0)
        seedDefaultCategories();
}

void CategoryService::seedDefaultCategories()
{
    keyToId().clear();
    idToKey().clear();
    for (const DefaultCategory& row : kCatalogue) {
        const QString key = QString::fromUtf8(row.key);
        const QString parentId = row.parentKey ? defaultCategoryId(QString::fromUtf8(row.parentKey)) : QString();
        const QString displayName = QCoreApplication::translate("CategoryService", row.key);
        insertDefaultCategory(key, displayName, QString::fromLatin1(row.type), parentId, row.isTaxRelevant,
                              row.taxCategory ? QString::fromLatin1(row.taxCategory) : QString());
    }
}

void CategoryService::insertDefaultCategory(const QString& key, const QString& displayName, const QString& typeText,
                                            const QString& parentId, bool isTaxRelevant,
                                            const QString& taxCategory)
{
    // The parent's English key, never its (translated) name, goes into the id.
    const QString parentKey = parentId.isEmpty() ? QString() : idToKey().value(parentId);
    const QString id = stableCategoryId(typeText, parentKey, key);
    const QDateTime now = QDateTime::currentDateTimeUtc();

    Category c;
    c.id = id;
    c.name = displayName;
    c.categoryType = categoryTypeFromString(typeText);
    c.parentId = parentId;
    c.isTaxRelevant = isTaxRelevant;
    c.taxCategory = taxCategory;
    c.isDefault = true;
    c.version = 1;
    c.syncStatus = SyncStatus::Pending;
    c.createdAt = now;
    c.updatedAt = now;

    // A failed insert is logged by the repository; record the id anyway so
    // the children still name their parent.
    m_categories->insert(c);
    keyToId().insert(key, id);
    idToKey().insert(id, key);
}

QString CategoryService::defaultCategoryId(const QString& key)
{
    return keyToId().value(key);
}

QString CategoryService::stableCategoryId(const QString& typeText, const QString& parentKey, const QString& key)
{
    // One multi-argument arg(): a "%1" inside a key is never substituted again.
    const QString name = QStringLiteral("%1:%2:%3").arg(typeText, parentKey, key);
    return QUuid::createUuidV5(kDnsNamespace, name.toUtf8()).toString(QUuid::WithoutBraces).toLower();
}
