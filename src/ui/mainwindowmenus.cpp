#include "ui/mainwindow.h"

#include "app/appstate.h"
#include "app/updateconfig.h"
#include "services/sampledataservice.h"
#include "ui/dialogs/messageboxes.h"
#include "ui/mainwindow_p.h"
#include "ui/register/registerscreen.h"
#include "ui/widgets/statusbar.h"
#include "update/ui/updatedialog.h"
#include "update/ui/whatsnewdialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>

using namespace MainWindowPrivate;

void MainWindow::setupMenuBar()
{
    // Actions are made before the pages exist; what they reach is looked up
    // when they trigger.
    auto add = [this](QMenu* menu, const QString& text, const QKeySequence& shortcut, auto slot) {
        QAction* action = menu->addAction(text);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    const QKeySequence none;

    QMenu* file = menuBar()->addMenu(tr("&File"));
    add(file, tr("&New Transaction"), QKeySequence(QStringLiteral("Ctrl+N")), [this] {
        if (!m_registerScreen)
            return;
        m_registerScreen->insertNew();
    });
    add(file, tr("New &Account"), QKeySequence(QStringLiteral("Ctrl+Shift+N")), &MainWindow::showNewAccountDialog);
    file->addSeparator();
    add(file, tr("&Import..."), none, &MainWindow::showImportWindow);
    file->addSeparator();
    m_accountAction = add(file, tr("Larkspur &Account..."), none, [this] { showLarkspurAccountScreen(0); });
    m_accountAction->setStatusTip(tr("Sign in or sign up"));
    file->addSeparator();
    m_signOutAction = add(file, tr("Sign &Out"), none, &MainWindow::signOut);
    m_signOutAction->setVisible(false);
    file->addSeparator();
    add(file, tr("&Quit"), QKeySequence(QKeySequence::Quit), [this] { close(); })->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    add(edit, tr("&Find..."), QKeySequence(QKeySequence::Find), &MainWindow::showSearchWindow);
    edit->addSeparator();
    add(edit, tr("&Preferences..."), none, &MainWindow::showSettingsWindow)->setMenuRole(QAction::PreferencesRole);

    QMenu* account = menuBar()->addMenu(tr("&Account"));
    add(account, tr("&Edit..."), none, &MainWindow::showEditAccountDialog);
    add(account, tr("&Reconcile..."), QKeySequence(QStringLiteral("Ctrl+R")), &MainWindow::showReconciliationWindow);
    add(account, tr("Reconciliation &History..."), none, &MainWindow::showReconciliationHistoryWindow);
    add(account, tr("Rename &Payees..."), none, &MainWindow::showPayeesWindow);
    account->addSeparator();
    add(account, tr("&Share..."), none, &MainWindow::showShareAccountDialog);
    account->addSeparator();
    add(account, tr("&Delete"), none, &MainWindow::deleteCurrentAccount);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    add(view, tr("&Reports"), QKeySequence(QStringLiteral("Ctrl+2")), &MainWindow::showReportsWindow);
    add(view, tr("Re&curring Transactions"), QKeySequence(QStringLiteral("Ctrl+3")), &MainWindow::showRecurringWindow);
    add(view, tr("C&ategories"), QKeySequence(QStringLiteral("Ctrl+4")), &MainWindow::showCategoriesWindow);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    add(help, tr("&About Larkspur Tallyleaf"), none, &MainWindow::showAbout)->setMenuRole(QAction::AboutRole);
    add(help, tr("What's &New..."), none, &MainWindow::showWhatsNew);
    add(help, tr("Check for &Updates..."), none, &MainWindow::checkForUpdates);
    add(help, tr("Send &Feedback..."), none, &MainWindow::sendFeedback);
    help->addSeparator();
    add(help, tr("&Keyboard Shortcuts"), none, &MainWindow::showKeyboardShortcuts);
    // Set but empty counts as unset.
    if (!qEnvironmentVariableIsEmpty("TALLYLEAF_DEV")) {
        help->addSeparator();
        add(help, tr("Load &Sample Data"), none, &MainWindow::onLoadSampleData);
        add(help, tr("&Clear Sample Data"), none, &MainWindow::onClearSampleData);
    }
}

QString MainWindow::keyboardShortcutsText()
{
    static const char* const keys[] = {"Ctrl+Return", "Ctrl+I", "Ctrl+D", "Ctrl+N", "Ctrl+Shift+N",
                                       "Ctrl+R",      "Ctrl+F", "Ctrl+2", "Ctrl+3", "Ctrl+4",
                                       "Alt+1",       "Alt+9",  "Alt+0"};
    QStringList k;
    for (const char* key : keys)
        k.append(QKeySequence(QString::fromLatin1(key)).toString(QKeySequence::NativeText).toHtmlEscaped());
    // One multi-argument pass, so a key text is never read as a placeholder.
    return tr("<h3>Register</h3><table cellspacing='6'>"
              "<tr><td><b>%1</b></td><td>Save transaction</td></tr>"
              "<tr><td><b>%2</b></td><td>Insert new transaction</td></tr>"
              "<tr><td><b>%3</b></td><td>Delete current transaction</td></tr>"
              "<tr><td><b>Tab / Shift+Tab</b></td><td>Next / previous field</td></tr>"
              "<tr><td><b>' (apostrophe)</b></td><td>Copy value from field above</td></tr></table>"
              "<h3>Date Field</h3><table cellspacing='6'>"
              "<tr><td><b>t</b></td><td>Today</td></tr>"
              "<tr><td><b>+ / -</b></td><td>Next / previous day</td></tr>"
              "<tr><td><b>m / h</b></td><td>First / last day of month</td></tr>"
              "<tr><td><b>y / r</b></td><td>First / last day of year</td></tr>"
              "<tr><td><b>w / k</b></td><td>First / last day of week</td></tr></table>"
              "<h3>General</h3><table cellspacing='6'>"
              "<tr><td><b>%4</b></td><td>New transaction</td></tr>"
              "<tr><td><b>%5</b></td><td>New account</td></tr>"
              "<tr><td><b>%6</b></td><td>Reconcile account</td></tr>"
              "<tr><td><b>%7</b></td><td>Search transactions</td></tr>"
              "<tr><td><b>%8</b></td><td>Reports</td></tr>"
              "<tr><td><b>%9</b></td><td>Recurring transactions</td></tr>"
              "<tr><td><b>%10</b></td><td>Categories</td></tr></table>"
              "<h3>Accounts</h3><table cellspacing='6'>"
              "<tr><td><b>%11 &ndash; %12</b></td><td>Switch to account 1&ndash;9</td></tr>"
              "<tr><td><b>%13</b></td><td>Switch to account 10</td></tr></table>")
        .arg(k[0], k[1], k[2], k[3], k[4], k[5], k[6], k[7], k[8], k[9], k[10], k[11], k[12]);
}

void MainWindow::showKeyboardShortcuts()
{
    QMessageBox box(QMessageBox::Information, tr("Keyboard Shortcuts"), keyboardShortcutsText(), QMessageBox::Ok,
                    this);
    box.setTextFormat(Qt::RichText);
    MessageBoxes::exec(&box);
}

QString MainWindow::aboutText()
{
    return tr("<h3>%1</h3>"
              "<p>Version %2</p>"
              "<p>A digital check register for keeping track of your household finances.</p>"
              "<p>Published by Larkspur. Visit <a href='https://larkspur.app/tallyleaf'>larkspur.app/tallyleaf</a>."
              "</p>"
              "<p><small>This application uses the Qt framework under the "
              "<a href='https://www.gnu.org/licenses/lgpl-3.0.html'>GNU Lesser General Public License "
              "version 3</a>. See <a href='https://www.qt.io/'>qt.io</a>; the Qt source code is available at "
              "<a href='https://download.qt.io/official_releases/qt/'>download.qt.io</a>.</small></p>")
        .arg(tr("Larkspur Tallyleaf").toHtmlEscaped(), QCoreApplication::applicationVersion().toHtmlEscaped());
}

void MainWindow::showAbout()
{
    // What QMessageBox::about shows, run through the seam so it never blocks
    // a test.
    QMessageBox box(QMessageBox::NoIcon, tr("About Larkspur Tallyleaf"), aboutText(), QMessageBox::Ok, this);
    box.setTextFormat(Qt::RichText);
    const QIcon icon = windowIcon();
    if (!icon.isNull())
        box.setIconPixmap(icon.pixmap(64, 64));
    MessageBoxes::exec(&box);
}

void MainWindow::showWhatsNew()
{
    // The hooks skip a status bar that has gone before the answer arrives.
    LarkUpdate::showWhatsNew(makeUpdateConfig(), tr("Larkspur Tallyleaf"), this,
                             LarkUpdate::progressHooksFor(m_statusBar));
}

void MainWindow::checkForUpdates()
{
    LarkUpdate::checkForUpdatesInteractive(makeUpdateConfig(), tr("Larkspur Tallyleaf"), this,
                                           LarkUpdate::progressHooksFor(m_statusBar));
}

void MainWindow::sendFeedback()
{
    openFeedbackBoard(feedbackUrl());
}

void MainWindow::onLoadSampleData()
{
    Database* database = m_appState->database();
    if (!database)
        return;
    SampleDataService sampleData(database, nullptr);
    if (sampleData.hasSampleData()) {
        MessageBoxes::information(this, tr("Sample Data"), tr("Sample data is already loaded."));
        return;
    }
    if (!sampleData.loadSampleData()) {
        MessageBoxes::warning(this, tr("Sample Data"), tr("The sample data could not be loaded. Nothing was changed."));
        return;
    }
    // The rows were written past the repositories, so no change signal
    // told the list. A register shown stays; the welcome page does not stay
    // beside a list of accounts.
    refreshAccountList();
    if (!liveAccount(m_appState->currentAccountId()))
        showStartPage();
    updateRecurringDueIndicator();
    showStatus(tr("Sample data loaded"), kConfirmationTimeout);
}

void MainWindow::onClearSampleData()
{
    Database* database = m_appState->database();
    if (!database)
        return;
    SampleDataService sampleData(database, nullptr);
    if (!sampleData.hasSampleData()) {
        MessageBoxes::information(this, tr("Sample Data"), tr("No sample data to clear."));
        return;
    }
    if (!sampleData.clearSampleData()) {
        MessageBoxes::warning(this, tr("Sample Data"),
                              tr("The sample data could not be cleared. Nothing was changed.\n\n"
                                 "Transactions, schedules or reconciliations added to a sample account keep it "
                                 "in place; delete them first."));
        return;
    }
    // A sample account that was current is gone; its id would keep the
    // account commands pointed at nothing.
    if (!liveAccount(m_appState->currentAccountId()))
        m_appState->setCurrentAccountId(QString());
    refreshAccountList();
    updateRecurringDueIndicator();
    showNoAccountPage();
    showStatus(tr("Sample data cleared"), kConfirmationTimeout);
}
