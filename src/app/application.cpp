#include "app/application.h"

#include "app/appstate.h"
#include "app/messagefilter.h"
#include "app/paths.h"
#include "app/updateconfig.h"
#include "data/preferencesrepository.h"
#include "ui/mainwindow.h"
#include "ui/dialogs/messageboxes.h"
#include "update/core/version.h"

#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QWidget>

QStringList supportedLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("es"), QStringLiteral("de"), QStringLiteral("fr"),
            QStringLiteral("ja")};
}

QString databaseErrorText(const QString& dataDirectory)
{
    return Application::tr("Failed to initialize the database.\n\nData directory: %1\n\n"
                           "Please check file permissions and try again.")
        .arg(dataDirectory);
}

bool takeWhatsNewDue(QSettings& settings, const PreferencesRepository* preferences, const QString& currentVersion)
{
    const QString key = QStringLiteral("whatsNew/lastShownVersion");
    QString lastShown = settings.value(key).toString();
    if (lastShown.isEmpty() && preferences) {
        const QString legacy = preferences->valueOr(QStringLiteral("last_whats_new_version"), QString());
        if (!legacy.isEmpty()) {
            settings.setValue(key, legacy);
            lastShown = legacy;
        }
    }
    if (!(LarkUpdate::Version::parse(lastShown) < LarkUpdate::Version::parse(currentVersion)))
        return false;
    settings.setValue(key, currentVersion);
    settings.sync();
    return true;
}

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
{
    if (environmentValue("TALLYLEAF_VERBOSE").isEmpty())
        qInstallMessageHandler(quietMessageHandler);

    setOrganizationName(QString::fromLatin1(AppIdentity::organizationName));
    setOrganizationDomain(QString::fromLatin1(AppIdentity::organizationDomain));
    setApplicationName(QString::fromLatin1(AppIdentity::applicationName));
    setApplicationVersion(QString::fromLatin1(AppIdentity::version));

    installTranslators();

    setWindowIcon(QIcon(QStringLiteral(":/icons/icons/app_icon.png")));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fonts/MaterialIcons-Regular.otf"));
}

Application::~Application()
{
    // The window and the state must go while the QApplication still exists.
    delete m_mainWindow.data();
    delete m_appState;
    m_appState = nullptr;
}

QString Application::uiLanguage(bool resolveSystem)
{
    const QString stored = QSettings().value(QStringLiteral("ui/language"), QStringLiteral("system")).toString();
    if (!resolveSystem || stored != QLatin1String("system"))
        return stored;
    const QString system = QLocale().name().left(2);
    return supportedLanguages().contains(system) ? system : QStringLiteral("en");
}

void Application::setUiLanguage(const QString& language)
{
    QSettings().setValue(QStringLiteral("ui/language"), language);
}

void Application::installTranslators()
{
    const QString language = uiLanguage(true);
    if (language != QLatin1String("en")) {
        m_qtTranslator = new QTranslator(this);
        if (m_qtTranslator->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            installTranslator(m_qtTranslator);
        } else {
            delete m_qtTranslator;
            m_qtTranslator = nullptr;
        }
    }
    m_appTranslator = new QTranslator(this);
    if (m_appTranslator->load(QStringLiteral(":/i18n/tallyleaf_%1.qm").arg(language))) {
        installTranslator(m_appTranslator);
    } else {
        delete m_appTranslator;
        m_appTranslator = nullptr;
    }
}

int Application::run()
{
    m_appState = new AppState(this);
    if (!m_appState->initialize()) {
        MessageBoxes::critical(nullptr, tr("Database Error"), databaseErrorText(dataDirectory()));
        return 1;
    }

    delete m_mainWindow.data();
    auto* window = new MainWindow(m_appState);
    m_mainWindow = window;
    window->show();

    // The release notes (once per new version) and the delayed update check
    // start here once their clients exist.

    return exec();
}
