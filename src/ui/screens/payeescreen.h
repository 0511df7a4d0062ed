#pragma once

#include <QStringList>
#include <QWidget>

class AppState;
class QLineEdit;
class QListWidget;

// The Payee Management window: every payee of the live transactions with
// how many use it, and commands that rename the selected payees or merge
// them into one, across all accounts. A rename or merge rewrites all its
// transactions or, when anything fails, none.
class PayeeScreen : public QWidget
{
    Q_OBJECT
public:
    // Item data: the number of live transactions with the item's payee (the
    // item's text is the payee exactly as stored).
    static constexpr int CountRole = Qt::UserRole + 1;

    explicit PayeeScreen(AppState* appState, QWidget* parent = nullptr);
    ~PayeeScreen() override;

    // Refills the list; the selection is not kept.
    void loadPayees();
    void refresh() { loadPayees(); }

    QListWidget* payeeList() const { return m_list; }
    QLineEdit* renameField() const { return m_renameField; }

signals:
    // Transactions got new payees; the list is already reloaded.
    void payeesChanged();

public slots:
    void onRename();
    void onMerge();

private:
    QStringList selectedPayees() const;
    // Rewrites the payees; on failure warns under `failureTitle` and
    // returns false (nothing was changed).
    bool rewrite(const QStringList& payees, const QString& newPayee, const QString& failureTitle, int& changed);

    AppState* m_appState;
    QListWidget* m_list = nullptr;
    QLineEdit* m_renameField = nullptr;
};
