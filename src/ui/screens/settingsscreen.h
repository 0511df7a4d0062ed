#pragma once

#include <QColor>
#include <QWidget>

class AppState;
class QComboBox;
class QCheckBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;

// The Preferences window: a navigation list and four pages (General,
// Register, Data & Sync, About). Every setting is written and applied the
// moment it changes; there is no OK or Apply. The pages live in
// settingsscreen.cpp, the Data & Sync actions (sync, backup, restore of
// deleted accounts) in settingsscreendata.cpp.
class SettingsScreen : public QWidget
{
    Q_OBJECT
public:
    explicit SettingsScreen(AppState* appState, QWidget* parent = nullptr);
    ~SettingsScreen() override;

    // Brings the Data & Sync page up to date (sign-in, sync status, deleted
    // accounts); the other pages show what they read when built.
    void refresh();
    void refreshDeletedAccounts();

    void syncNow();
    void forceFullSync();
    // The pressed button shows the progress.
    void exportBackup(QPushButton* button);
    void importBackup(QPushButton* button);

    // The round colour button: filled with the colour, ringed when selected.
    static void updateAccentSwatch(QPushButton* button, const QColor& color, bool selected);

signals:
    // An account came back, or a backup was imported: the account list and
    // whatever shows the data reload.
    void deletedAccountRestored();

public slots:
    void onCategoryChanged(int row);
    void onThemeChanged(int index);
    void onFontScaleChanged(int index);
    void onWeekStartChanged(int index);
    void onLanguageChanged(int index);
    void onRegisterOrderChanged(bool checked);
    void onTwoLineModeChanged(bool checked);
    void onAutoDecimalChanged(bool checked);
    void onAccentChanged(const QColor& color);
    void openAccentDialog();
    void restoreSelectedAccount();

private:
    // The page list's and the separators' colours and the icons for the
    // current theme and accent.
    void styleNavigation();
    QWidget* createGeneralPage();
    QWidget* createRegisterPage();
    QWidget* createDataSyncPage();
    QWidget* createAboutPage();
    QWidget* createSectionHeader(const QString& title, const QString& description);
    QFrame* createSeparator();

    // Follows the engine: a cycle the page started ends (buttons back,
    // page refreshed), and Force Full Sync waits while any cycle runs.
    void onSyncStateChanged();
    // Sync Now (and Force Full Sync) show that the page waits for a cycle.
    void setAwaitingSync(bool awaiting);
    // Marks everything for upload, forgets the pull cursor and syncs; only
    // while no cycle runs, so a running pull cannot store the old cursor
    // after the reset.
    void startFullSync();
    // Asks the engine for a cycle and waits for its end with the buttons
    // disabled; gives them back at once when the engine starts none.
    void runCycle();
    // A word-wrapped caption in the secondary text colour.
    static QLabel* createCaption(const QString& text);

    // Secondary text: descriptions, help lines, the sync status.
    static constexpr char kSecondaryText[] = "#6E8A7E";

    AppState* m_appState;
    QListWidget* m_nav = nullptr;
    QStackedWidget* m_pages = nullptr;

    QComboBox* m_themeCombo = nullptr;
    QPushButton* m_accentButton = nullptr;
    QComboBox* m_fontSizeCombo = nullptr;
    QComboBox* m_weekStartCombo = nullptr;
    QComboBox* m_languageCombo = nullptr;

    QCheckBox* m_newestFirstCheck = nullptr;
    QCheckBox* m_twoLineCheck = nullptr;
    QCheckBox* m_autoDecimalCheck = nullptr;

    QLabel* m_accountStatusLabel = nullptr;
    QLabel* m_syncStatusLabel = nullptr;
    QPushButton* m_syncNowButton = nullptr;
    QPushButton* m_forceFullSyncButton = nullptr;
    QWidget* m_syncButtonRow = nullptr;
    QWidget* m_deletedAccountsGroup = nullptr;
    QListWidget* m_deletedAccountsList = nullptr;
    QPushButton* m_restoreButton = nullptr;

    QLabel* m_versionLabel = nullptr;

    // Between a Sync Now or Force Full Sync and the end of its cycle.
    bool m_awaitingSync = false;
    // Force Full Sync was confirmed while a cycle ran: it starts when that
    // cycle ends.
    bool m_fullSyncQueued = false;
};
