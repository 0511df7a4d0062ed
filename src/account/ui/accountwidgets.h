#pragma once

#include <QFont>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;

// Small builders shared by the account window and the sharing dialog.
namespace LarkAccount::AccountWidgets {

// A label that never reads its text as markup: names, e-mails and device
// names come from the server.
QLabel* plainLabel(const QString& text, QWidget* parent = nullptr);
// The palette's placeholder-text colour as the label's text colour.
void setSecondaryColor(QWidget* widget);
// The widget's own font, n points smaller but never below 7 points.
void shrinkFont(QWidget* widget, int points);
// The widget's own font, n points larger, with that weight.
void growFont(QWidget* widget, int points, QFont::Weight weight);
void setFontWeight(QWidget* widget, QFont::Weight weight);

// Replaced content leaves the screen at once but is deleted only once no
// action started from one of its buttons is running any more: a question
// box runs a nested event loop, in which a reply may rebuild the page
// under the very button whose click is still being handled.
class ContentDisposal
{
public:
    // Hides the widget and deletes it later, when no action runs.
    void discard(QWidget* widget);

    // Marks an action as running for its lifetime.
    class ActionScope
    {
    public:
        explicit ActionScope(ContentDisposal& disposal);
        ~ActionScope();
        ActionScope(const ActionScope&) = delete;
        ActionScope& operator=(const ActionScope&) = delete;

    private:
        ContentDisposal& m_disposal;
    };

private:
    int m_running = 0;
    QList<QPointer<QWidget>> m_held;
};

} // namespace LarkAccount::AccountWidgets
