#pragma once

#include "data/records.h"

#include <QDialog>

class AppState;
class QLabel;
class QPushButton;
class QVBoxLayout;

// Shows one transaction read-only with its split lines, transfer account,
// status and time stamps. It toggles the cleared flag and deletes by itself;
// edit and duplicate only close the dialog and are read by the caller
// (TransactionActions::showDetails runs them on the re-read transaction).
class TransactionDetailsDialog : public QDialog
{
    Q_OBJECT
public:
    TransactionDetailsDialog(AppState* appState, const Transaction& transaction, QWidget* parent = nullptr);

    bool editRequested() const { return m_editRequested; }
    bool duplicateRequested() const { return m_duplicateRequested; }
    bool wasDeleted() const { return m_deleted; }
    // True once the cleared flag was written from the dialog.
    bool clearedChanged() const { return m_clearedChanged; }
    // The shown transaction as last written by the dialog, under the ids a
    // sync repair gave it and its references while the dialog was open.
    Transaction transaction() const { return m_transaction; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildContent();
    void addSplitLines(QVBoxLayout* layout);
    void toggleCleared();
    void deleteTransaction();
    QString statusText() const;
    QString clearedButtonText() const;
    QLabel* valueLabel(const QString& text, bool wordWrap = false, bool dimmed = false);

    AppState* m_appState;
    Transaction m_transaction;
    bool m_editRequested = false;
    bool m_duplicateRequested = false;
    bool m_deleted = false;
    bool m_clearedChanged = false;
    QLabel* m_statusLabel = nullptr;
    QPushButton* m_clearedButton = nullptr;
};
