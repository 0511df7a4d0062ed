#pragma once

#include <QWidget>

class AppState;
class QLabel;
class QPushButton;

// First page of the main window while nobody is signed in: greets a new
// user (first-run wording) or one whose session ended (returning wording),
// and offers to create an account or to sign in.
class WelcomeScreen : public QWidget
{
    Q_OBJECT
public:
    explicit WelcomeScreen(AppState* appState, QWidget* parent = nullptr);
    ~WelcomeScreen() override;

    // Reapplies every text, visibility and style of the chosen wording.
    void setReturningUser(bool returning);

    QLabel* titleLabel() const { return m_titleLabel; }
    QLabel* taglineLabel() const { return m_taglineLabel; }
    QLabel* sessionNote() const { return m_sessionNote; }
    QWidget* howItWorksCard() const { return m_howItWorksCard; }
    QPushButton* primaryButton() const { return m_primaryButton; }
    QPushButton* signInButton() const { return m_signInButton; }

signals:
    void createAccountRequested();
    void signInRequested();

private:
    QWidget* buildHowItWorksCard();
    QWidget* makeStepRow(int number, const QString& text);

    AppState* m_appState;
    QLabel* m_titleLabel = nullptr;
    QLabel* m_taglineLabel = nullptr;
    QLabel* m_sessionNote = nullptr;
    QWidget* m_howItWorksCard = nullptr;
    QPushButton* m_primaryButton = nullptr;
    QPushButton* m_signInButton = nullptr;
};
