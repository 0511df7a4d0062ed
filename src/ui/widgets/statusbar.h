#pragma once

#include <QStatusBar>

class QLabel;
class QProgressBar;

// The main window's status bar: account count and recurring-due count on
// the left; busy indicator and sign-in/sync state on the right; timed
// messages in the usual message area.
class StatusBar : public QStatusBar
{
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);
    ~StatusBar() override;

    void setSyncStatus(const QString& text);
    void setAccountCount(int count);
    // 0 or less hides the due label.
    void setRecurringDueCount(int count);

    // Busy text with an indeterminate bar, for long network operations.
    void showProgress(const QString& text);
    void hideProgress();
    // Hides the busy indicator, then shows the timed message.
    void showMessage(const QString& text, int timeout = 0);
    // A warning: stays its full time unless another message that is not
    // routine replaces it.
    void showWarning(const QString& text, int timeout);
    // A routine message (a sync that completed): not shown over a warning.
    void showRoutineMessage(const QString& text, int timeout);

    // Recolours the sync and account-count labels for the current palette.
    void updateColors();

private:
    // The due label sits in the message area, so it is shown only while no
    // timed message is: the two would otherwise be drawn over each other.
    void updateRecurringDueVisibility();

    int m_recurringDueCount = 0;
    QString m_warning; // the warning showing, if any
    QLabel* m_syncLabel;
    QLabel* m_accountCountLabel;
    QLabel* m_recurringDueLabel;
    QLabel* m_busyLabel;
    QProgressBar* m_busyBar;
};
