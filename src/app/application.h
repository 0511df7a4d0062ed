#pragma once

#include <QApplication>
#include <QPointer>
#include <QString>
#include <QStringList>

namespace LarkUpdate {
struct Artifact;
}

class AppState;
class PreferencesRepository;
class QSettings;
class QTranslator;
class QWidget;

// The process's application object: identity, log filter, translators,
// window icon and icon font; run() is the start-up routine.
class Application : public QApplication
{
    Q_OBJECT
public:
    Application(int& argc, char** argv);
    ~Application() override;

    // Builds the application state, reports a database that cannot be
    // opened (exit code 1) and otherwise runs until the main window closes.
    int run();

    AppState* appState() const { return m_appState; }

    // The interface language code stored as "ui/language" ("system" by
    // default); with resolveSystem, "system" becomes the system locale's
    // language when supported, else "en".
    static QString uiLanguage(bool resolveSystem);
    static void setUiLanguage(const QString& language);

private:
    void installTranslators();
    // 1500 ms after the main window shows: one client that lives until exit.
    void startUpdateCheck();
    // Offers the release unless the user dismissed this version or a later one.
    void onUpdateAvailable(const LarkUpdate::Artifact& artifact);
    // The offered version is offered once: stored whatever the dialog's result.
    void rememberDismissedVersion(const QString& version);

    AppState* m_appState = nullptr;
    QPointer<QWidget> m_mainWindow;
    QTranslator* m_qtTranslator = nullptr;
    QTranslator* m_appTranslator = nullptr;
};

QStringList supportedLanguages();

// The "Database Error" box text for the given data directory.
QString databaseErrorText(const QString& dataDirectory);

// Once per version: reads the last shown version (seeding it from the
// legacy preference "last_whats_new_version" when the settings key is
// empty) and, when it is older than currentVersion, records currentVersion
// and returns true: the release notes are due.
bool takeWhatsNewDue(QSettings& settings, const PreferencesRepository* preferences, const QString& currentVersion);

// Whether the preference "update_dismissed_version" holds this version or a
// later one.
bool isUpdateDismissed(const PreferencesRepository* preferences, const QString& offeredVersion);
