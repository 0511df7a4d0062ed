#pragma once

#include "data/records.h"

#include <QDialog>
#include <QList>

class AppState;
class QLabel;
class SplitLinesWidget;

// Edits the split lines of an existing transaction against its total and
// shows what is left to distribute. It stores nothing; the caller reads
// lines() after an accepted run.
class SplitEditorDialog : public QDialog
{
    Q_OBJECT
public:
    SplitEditorDialog(AppState* appState, qint64 total, const QList<SplitLine>& lines, QWidget* parent = nullptr);

    // The table's lines, negative when the total is a payment.
    QList<SplitLine> lines() const;
    SplitLinesWidget* linesWidget() const { return m_lines; }

public slots:
    // Refuses, with a warning, while a line with an amount has no category.
    void accept() override;
    void updateRemaining();

private:
    AppState* m_appState;
    qint64 m_total;
    QLabel* m_remainingLabel = nullptr;
    SplitLinesWidget* m_lines = nullptr;
};
