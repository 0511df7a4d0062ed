#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class AppState;
class QLabel;
class QTableWidget;

// The completed reconciliations of one account, newest statement first, or
// an explanatory empty state. It reads them again at every setAccount.
class ReconciliationHistoryScreen : public QWidget
{
    Q_OBJECT
public:
    explicit ReconciliationHistoryScreen(AppState* appState, QWidget* parent = nullptr);
    ~ReconciliationHistoryScreen() override;

    void setAccount(const QString& accountId);
    void refresh();

    QTableWidget* table() const { return m_table; }
    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* emptyLabel() const { return m_emptyLabel; }

private:
    // A sync repair renamed rows of `table` (old id → new id): the shown
    // account is read under its new id.
    void followRenamedIds(const QString& table, const QHash<QString, QString>& renamed);

    AppState* m_appState;
    QString m_accountId;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_emptyLabel = nullptr;
    QTableWidget* m_table = nullptr;
};
