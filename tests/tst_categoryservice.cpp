#include "testsupport.h"

#include "data/categoryrepository.h"
#include "data/database.h"
#include "services/categorylookup.h"
#include "services/categoryservice.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QSqlQuery>
#include <QTranslator>

namespace {

// Prefixes every catalogue name so a "translated" seeding is recognisable.
class PrefixTranslator : public QTranslator
{
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override
    {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "CategoryService") == 0)
            return QStringLiteral("DE:") + QString::fromUtf8(sourceText);
        return QString();
    }
    bool isEmpty() const override { return false; }
};

struct SeededRow
{
    QString id;
    QString name;
    QString parentId;
};

QList<SeededRow> rowsInInsertOrder()
{
    QList<SeededRow> rows;
    QSqlQuery q(QSqlDatabase::database());
    q.exec(QStringLiteral("SELECT id, name, parent_id FROM categories ORDER BY rowid"));
    while (q.next())
        rows.append({q.value(0).toString(), q.value(1).toString(), q.value(2).toString()});
    return rows;
}

int countWhere(const QString& condition)
{
    return TestSupport::scalar(QStringLiteral("SELECT COUNT(*) FROM categories WHERE ") + condition).toInt();
}

} // namespace

class TestCategoryService : public QObject
{
    Q_OBJECT

private slots:
    void stableIds_data();
    void stableIds();
    void freshDatabaseGetsTheCatalogue();
    void translatedNamesKeepIds();
    void shippedCatalogues_data();
    void shippedCatalogues();
    void seedsOnlyWhenNoLiveCategory();
    void allDeletedReseedFailsAndKeepsRowsDeleted();
    void sharedNameRefusal_data();
    void sharedNameRefusal();
};

void TestCategoryService::stableIds_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("parentKey");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("id");
    QTest::newRow("top-level expense") << "expense" << "" << "Charitable Donations"
                                       << "7f07774b-f677-5f76-9b37-c190c8a585bd";
    QTest::newRow("income") << "income" << "" << "Salary / Wages" << "df7ff46f-2565-5c9d-831c-e01e79747397";
    QTest::newRow("subcategory") << "expense" << "Business Expenses" << "Home Office"
                                 << "7ac27a40-d9d3-5c60-af4b-fc3c84e61133";
    // Place markers inside the parts must stay literal text.
    QTest::newRow("place markers") << "expense" << "%3" << "%1" << "41c2a3eb-6d11-58b0-8c3b-9dedf831bc2c";
}

void TestCategoryService::stableIds()
{
    QFETCH(QString, type);
    QFETCH(QString, parentKey);
    QFETCH(QString, key);
    QFETCH(QString, id);
    QCOMPARE(CategoryService::stableCategoryId(type, parentKey, key), id);
}

void TestCategoryService::freshDatabaseGetsTheCatalogue()
{
    TestSupport::TempDatabase db;
    CategoryRepository repo(db.db());
    CategoryService service(&repo);
    service.seedIfEmpty();

    const QStringList expected = QStringLiteral(
        "Charitable Donations|Medical Expenses|Business Expenses|Home Office|Education Expenses|"
        "State & Local Taxes|Mortgage Interest|Property Tax|Housing|Rent/Mortgage Payment|Maintenance|HOA|"
        "Utilities|Electric|Gas|Water|Internet|Phone|Transportation|Gas/Fuel|Car Payment|Auto Insurance|"
        "Maintenance|Public Transit|Groceries|Dining & Restaurants|Personal Care|Pets|Subscriptions|Gifts|"
        "Miscellaneous|Entertainment|Streaming|Movies|Events|Shopping|Clothing|Electronics|Household|Insurance|"
        "Health|Life|Home/Renters|Auto|Fees & Charges|Bank Fees|ATM Fees|Late Fees|Salary / Wages|"
        "Interest Income|Dividend Income|Rental Income|Freelance / Consulting|Refunds|Gifts Received|Other Income")
                                     .split(QLatin1Char('|'));
    QStringList names;
    for (const SeededRow& row : rowsInInsertOrder())
        names << row.name;
    QCOMPARE(names, expected);

    QCOMPARE(countWhere(QStringLiteral("is_default = 1 AND sync_status = 'pending' AND version = 1 "
                                       "AND deleted_at IS NULL AND created_at = updated_at")),
             56);
    QCOMPARE(countWhere(QStringLiteral("is_tax_relevant = 1 AND category_type = 'expense' AND tax_category != ''")), 8);
    QCOMPARE(countWhere(QStringLiteral("is_tax_relevant = 1 AND category_type = 'income' AND tax_category != ''")), 4);
    QCOMPARE(countWhere(QStringLiteral("category_type = 'income'")), 8);
    QCOMPARE(countWhere(QStringLiteral("parent_id IN (SELECT id FROM categories WHERE parent_id IS NOT NULL)")), 0);
    QCOMPARE(countWhere(QStringLiteral("id = lower(id) AND length(id) = 36")), 56);
    QCOMPARE(repo.categoryPath(CategoryService::defaultCategoryId(QStringLiteral("Home Office"))),
             QStringLiteral("Business Expenses > Home Office"));
    QVERIFY(CategoryService::defaultCategoryId(QStringLiteral("Nonexistent")).isEmpty());

    // The two "Maintenance" rows: distinct ids under distinct parents; the later one owns the key.
    const QString housing = QStringLiteral("daf59c16-ae84-5a09-be11-bd9dcd047413");
    const QString transport = QStringLiteral("5128844d-e078-502e-877e-a6a67d8a3261");
    QCOMPARE(repo.categoryPath(housing), QStringLiteral("Housing > Maintenance"));
    QCOMPARE(repo.categoryPath(transport), QStringLiteral("Transportation > Maintenance"));
    QCOMPARE(CategoryService::defaultCategoryId(QStringLiteral("Maintenance")), transport);
}

void TestCategoryService::translatedNamesKeepIds()
{
    QList<SeededRow> english;
    {
        TestSupport::TempDatabase db;
        CategoryRepository repo(db.db());
        CategoryService(&repo).seedIfEmpty();
        english = rowsInInsertOrder();
    }
    PrefixTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QList<SeededRow> german;
    {
        TestSupport::TempDatabase db;
        CategoryRepository repo(db.db());
        CategoryService(&repo).seedIfEmpty();
        german = rowsInInsertOrder();
    }
    QCoreApplication::removeTranslator(&translator);

    QCOMPARE(german.size(), 56);
    QCOMPARE(english.size(), 56);
    for (int i = 0; i < english.size(); ++i) {
        QCOMPARE(german.at(i).id, english.at(i).id);
        QCOMPARE(german.at(i).parentId, english.at(i).parentId);
        QCOMPARE(german.at(i).name, QStringLiteral("DE:") + english.at(i).name);
    }
}

void TestCategoryService::shippedCatalogues_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("groceries");
    QTest::addColumn<QString>("wages");
    QTest::newRow("de") << "de" << QStringLiteral("Lebensmittel") << QStringLiteral("Gehalt / Lohn");
    QTest::newRow("es") << "es" << QStringLiteral("Supermercado") << QStringLiteral("Salario / Sueldo");
    QTest::newRow("fr") << "fr" << QStringLiteral("Courses") << QStringLiteral("Salaire");
    QTest::newRow("ja") << "ja" << QStringLiteral("食料品") << QStringLiteral("給与・賃金");
}

void TestCategoryService::shippedCatalogues()
{
    QFETCH(QString, language);
    QFETCH(QString, groceries);
    QFETCH(QString, wages);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/i18n/tallyleaf_%1.qm").arg(language)));
    QVERIFY(QCoreApplication::installTranslator(&translator));
    TestSupport::TempDatabase db;
    CategoryRepository repo(db.db());
    CategoryService(&repo).seedIfEmpty();
    QCoreApplication::removeTranslator(&translator);

    // Every default category has a translated name; the ids stay the English ones.
    QCOMPARE(repo.findById(CategoryService::stableCategoryId(QStringLiteral("expense"), QString(),
                                                             QStringLiteral("Groceries")))->name,
             groceries);
    QCOMPARE(repo.findById(CategoryService::stableCategoryId(QStringLiteral("income"), QString(),
                                                             QStringLiteral("Salary / Wages")))->name,
             wages);
    QSqlQuery untranslated(db->database());
    QVERIFY(untranslated.exec(QStringLiteral("SELECT COUNT(*) FROM categories WHERE name IN ('Groceries', "
                                             "'Maintenance', 'Other Income', 'Housing')")));
    QVERIFY(untranslated.next());
    QCOMPARE(untranslated.value(0).toInt(), 0);
}

void TestCategoryService::seedsOnlyWhenNoLiveCategory()
{
    TestSupport::TempDatabase db;
    CategoryRepository repo(db.db());
    CategoryService service(&repo);
    service.seedIfEmpty();
    QSignalSpy spy(&repo, &CategoryRepository::categoriesChanged);
    service.seedIfEmpty();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(countWhere(QStringLiteral("1")), 56);

    // One live user category, every default one deleted: still not seeded.
    TestSupport::exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'"));
    Category own;
    own.id = QStringLiteral("own");
    own.name = QStringLiteral("Mine");
    own.createdAt = own.updatedAt = QDateTime::currentDateTimeUtc();
    QVERIFY(repo.insert(own));
    spy.clear();
    service.seedIfEmpty();
    QCOMPARE(spy.count(), 0);
    QCOMPARE(countWhere(QStringLiteral("1")), 57);
}

void TestCategoryService::allDeletedReseedFailsAndKeepsRowsDeleted()
{
    TestSupport::TempDatabase db;
    CategoryRepository repo(db.db());
    CategoryService service(&repo);
    service.seedIfEmpty();
    TestSupport::exec(QStringLiteral("UPDATE categories SET deleted_at = '2024-01-01T00:00:00Z'"));

    for (int i = 0; i < 56; ++i)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^CategoryRepository::insert failed:")));
    service.seedIfEmpty();
    QCOMPARE(countWhere(QStringLiteral("1")), 56);
    QCOMPARE(repo.count(), 0);
    // The ids are recorded even though every insert failed.
    QCOMPARE(CategoryService::defaultCategoryId(QStringLiteral("Charitable Donations")),
             QStringLiteral("7f07774b-f677-5f76-9b37-c190c8a585bd"));
}

void TestCategoryService::sharedNameRefusal_data()
{
    QTest::addColumn<QStringList>("extra"); // "id|name|parent", a parent "@Key" being a default category's
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("resolves");
    QTest::addColumn<QString>("expected");
    const QString two = QStringLiteral("2 categories are named \"%1\": type \"Housing > Maintenance\" or "
                                       "\"Transportation > Maintenance\".");
    QTest::newRow("the catalogue's two") << QStringList() << "Maintenance" << false << two.arg("Maintenance");
    QTest::newRow("letter case and blanks aside")
        << QStringList() << " maintenance " << false << two.arg("maintenance");
    QTest::newRow("three") << QStringList{"sm|Maintenance|@Shopping"} << "Maintenance" << false
                           << "3 categories are named \"Maintenance\": type \"Housing > Maintenance\", "
                              "\"Shopping > Maintenance\" or \"Transportation > Maintenance\".";
    QTest::newRow("a parent that names none") << QStringList() << "Boat > Maintenance" << false
                                              << two.arg("Maintenance");
    QTest::newRow("labels alike") << QStringList{"h2|Housing|", "hm2|Maintenance|h2"} << "Maintenance" << false
                                  << "3 categories are named \"Maintenance\": choose one from the list.";
    QTest::newRow("labels alike, typed in full")
        << QStringList{"h2|Housing|", "hm2|Maintenance|h2"} << "Housing > Maintenance" << false
        << "2 categories are named \"Housing > Maintenance\": choose one from the list.";
    QTest::newRow("the label names one") << QStringList() << "Housing > Maintenance" << true << QString();
    QTest::newRow("one of that name") << QStringList() << "groceries" << true << QString();
    QTest::newRow("none of that name") << QStringList() << "Boat" << false << QString();
    QTest::newRow("empty") << QStringList() << "  " << false << QString();
}

void TestCategoryService::sharedNameRefusal()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, typed);
    TestSupport::TempDatabase db;
    CategoryRepository repo(db.db());
    CategoryService service(&repo);
    service.seedIfEmpty();
    QList<Category> categories = repo.findAll();
    for (const QString& row : extra) {
        const QStringList parts = row.split(QLatin1Char('|'));
        Category c;
        c.id = parts.at(0);
        c.name = parts.at(1);
        c.parentId = parts.at(2).startsWith(QLatin1Char('@'))
            ? CategoryService::defaultCategoryId(parts.at(2).mid(1))
            : parts.at(2);
        categories.append(c);
    }
    QTEST(!CategoryLookup::idForTypedText(categories, typed).isEmpty(), "resolves");
    QTEST(CategoryLookup::sharedNameRefusal(categories, typed), "expected");
}

TALLYLEAF_TEST_MAIN(TestCategoryService)
#include "tst_categoryservice.moc"
