#include "app/appstate.h"

#include "app/paths.h"
#include "data/accountrepository.h"
#include "data/categoryrepository.h"
#include "data/database.h"
#include "data/money.h"
#include "data/preferencesrepository.h"
#include "data/reconciliationrepository.h"
#include "data/recurringrepository.h"
#include "data/splitlinerepository.h"
#include "data/transactionrepository.h"
#include "services/backupservice.h"
#include "services/categoryservice.h"
#include "services/importservice.h"
#include "services/recurringservice.h"
#include "services/reportservice.h"
#include "services/transactionservice.h"
#include "ui/appearance.h"
#include "ui/thememanager.h"

#include <QApplication>
#include <QDebug>

AppState::AppState(QObject* parent)
    : QObject(parent)
{
}

AppState::~AppState()
{
    // Repositories may hold prepared statements: they go before the
    // connection they were prepared on.
    const QObjectList owned = children();
    for (QObject* child : owned) {
        if (child != m_database)
            delete child;
    }
    delete m_database;
}

bool AppState::initialize()
{
    m_database = new Database(this);
    const QString path = databasePath();
    qInfo().noquote() << "Opening database at:" << path;
    if (!m_database->open(path))
        return false;
    if (!m_database->migrate())
        return false;

    m_accounts = new AccountRepository(m_database, this);
    m_transactions = new TransactionRepository(m_database, this);
    m_categories = new CategoryRepository(m_database, this);
    m_preferences = new PreferencesRepository(m_database, this);
    m_splitLines = new SplitLineRepository(m_database, this);
    m_recurring = new RecurringRepository(m_database, this);
    m_reconciliations = new ReconciliationRepository(m_database, this);

    m_categoryService = new CategoryService(m_categories, this);
    m_recurringService = new RecurringService(m_recurring, m_transactions, m_accounts, this);
    m_recurringService->setDatabase(m_database);
    m_reportService = new ReportService(m_database, this);
    m_importService = new ImportService(m_database, m_transactions, m_categories, m_splitLines, this);
    m_backupService = new BackupService(m_database, this);
    m_transactionService = new TransactionService(m_database, m_accounts, m_transactions, m_splitLines, this);

    applyStoredPreferences();

    m_categoryService->seedIfEmpty();

    if (const std::optional<QString> last = m_preferences->value(QStringLiteral("lastViewedAccountId")))
        m_currentAccountId = *last;

    emit databaseReady();
    return true;
}

void AppState::applyStoredPreferences()
{
    baseApplicationFont() = QApplication::font();
    fontScalePercentRef() = fontScaleFromPreference(m_preferences->valueOr(QStringLiteral("fontScale"), QStringLiteral("100")));
    if (const auto accent = accentFromPreference(m_preferences->valueOr(QStringLiteral("accentColor"), QStringLiteral("#00897B"))))
        accentColorRef() = *accent;
    setAmountAutoDecimal(m_preferences->boolValue(QStringLiteral("amountAutoDecimal"), false));
    m_themeManager = new ThemeManager(m_preferences, this);
    m_themeManager->setThemeName(m_preferences->valueOr(QStringLiteral("theme"), QStringLiteral("system")));
    if (const auto day = weekStartFromPreference(m_preferences->value(QStringLiteral("weekStartDay"))))
        weekStartDayRef() = *day;
}

void AppState::setCurrentAccountId(const QString& accountId)
{
    if (accountId == m_currentAccountId)
        return;
    m_currentAccountId = accountId;
    if (m_preferences)
        m_preferences->setValue(QStringLiteral("lastViewedAccountId"), accountId);
    emit currentAccountChanged(accountId);
}
