#pragma once

#include <QModelIndex>
#include <QStringList>
#include <QWidget>

class AppState;
class QLineEdit;
class TabCompleter;

// The page that shows one account's register. The register's view and
// delegate hand it the field moves, the cleared toggle and the payee
// completion; the moves are virtual so another register page can take them.
class RegisterScreen : public QWidget
{
    Q_OBJECT
public:
    explicit RegisterScreen(AppState* appState, QWidget* parent = nullptr);
    ~RegisterScreen() override;

    // Tab and Backtab moves between the fields of the current row.
    virtual void tabToNextField();
    virtual void tabToPreviousField();
    // Space or C on the Clr cell of a view row.
    virtual void toggleCleared(int row);
    // Public so the register view can pass Tab moves from inside the
    // two-line payee editor on to the screen.
    bool focusNextPrevChild(bool next) override;

    // Installs the payee completion on a payee line edit of the cell at
    // `index`; choosing an entry fills the entry row from that payee.
    TabCompleter* attachPayeeCompleter(QLineEdit* edit, const QStringList& payees, const QModelIndex& index);
    // Fills the entry row from the payee's last transaction in the account.
    virtual void autofillFromPayee(const QModelIndex& index, const QString& payee);

private:
    AppState* appState;
};
