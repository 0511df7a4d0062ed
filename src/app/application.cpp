#include "app/application.h"

#include "app/appstate.h"
#include "app/messagefilter.h"
#include "app/paths.h"
#include "app/updateconfig.h"
#include "data/datetext.h"
#include "data/preferencesrepository.h"
#include "ui/mainwindow.h"
#include "ui/dialogs/messageboxes.h"
#include "update/core/updateclient.h"
#include "update/core/version.h"
#include "update/ui/updatedialog.h"
#include "update/ui/whatsnewdialog.h"

#include <QDebug>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTimer>
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

namespace {

const QString kDismissedVersionKey = QStringLiteral("update_dismissed_version");

} // namespace

bool isUpdateDismissed(const PreferencesRepository* preferences, const QString& offeredVersion)
{
    const QString dismissed = preferences ? preferences->valueOr(kDismissedVersionKey, QString()) : QString();
    return !dismissed.isEmpty()
        && LarkUpdate::Version::parse(offeredVersion) <= LarkUpdate::Version::parse(dismissed);
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
    setInterfaceLanguage(language);
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

    QSettings settings;
    if (takeWhatsNewDue(settings, m_appState->preferences(), QString::fromLatin1(AppIdentity::version))) {
        LarkUpdate::showWhatsNewIfUpdated(makeUpdateConfig(), QString::fromLatin1(AppIdentity::displayName),
                                          window);
    }
    QTimer::singleShot(1500, this, &Application::startUpdateCheck);

    return exec();
}

void Application::startUpdateCheck()
{
    if (!m_mainWindow)
        return;
    auto* client = new LarkUpdate::Client(makeUpdateConfig(), this);
    connect(client, &LarkUpdate::Client::updateAvailable, m_mainWindow.data(),
            [this](const LarkUpdate::Artifact& artifact) { onUpdateAvailable(artifact); });
    connect(client, &LarkUpdate::Client::checkFailed, this,
            [](const QString& reason) { qWarning().noquote() << "update check failed:" << reason; });
    client->check();
}

void Application::onUpdateAvailable(const LarkUpdate::Artifact& artifact)
{
    if (!m_mainWindow || isUpdateDismissed(m_appState->preferences(), artifact.version))
        return;
    auto* dialog = new LarkUpdate::UpdateDialog(artifact, QString::fromLatin1(AppIdentity::version),
                                                QString::fromLatin1(AppIdentity::displayName), m_mainWindow);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    const QString version = artifact.version;
    connect(dialog, &QDialog::finished, this, [this, version] { rememberDismissedVersion(version); });
    dialog->show();
}

void Application::rememberDismissedVersion(const QString& version)
{
    PreferencesRepository* preferences = m_appState->preferences();
    if (!preferences || !preferences->setValue(kDismissedVersionKey, version))
        qWarning().noquote() << "Application: could not store the dismissed update version" << version;
}
