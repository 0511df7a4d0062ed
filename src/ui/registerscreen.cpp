#include "ui/registerscreen.h"

#include "ui/registereditors.h"

#include <QApplication>
#include <QLineEdit>
#include <QPersistentModelIndex>

RegisterScreen::RegisterScreen(AppState* state, QWidget* parent)
    : QWidget(parent)
    , appState(state)
{
}

RegisterScreen::~RegisterScreen() = default;

void RegisterScreen::tabToNextField()
{
}

void RegisterScreen::tabToPreviousField()
{
}

void RegisterScreen::toggleCleared(int row)
{
    Q_UNUSED(row);
}

bool RegisterScreen::focusNextPrevChild(bool next)
{
    // Within the two-line payee editor Tab and Backtab move between its
    // payee and memo lines.
    QWidget* focus = QApplication::focusWidget();
    if (focus && insidePayeeMemoEditor(focus)) {
        QWidget* editor = focus;
        while (editor && editor->objectName() != QLatin1String(PayeeMemoEditorName))
            editor = editor->parentWidget();
        const QString from = next ? QLatin1String(PayeeEditName) : QLatin1String(MemoEditName);
        const QString to = next ? QLatin1String(MemoEditName) : QLatin1String(PayeeEditName);
        QWidget* target = editor ? editor->findChild<QWidget*>(to) : nullptr;
        if (focus->objectName() == from && target) {
            target->setFocus(Qt::TabFocusReason);
            return true;
        }
        if (next)
            tabToNextField();
        else
            tabToPreviousField();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

TabCompleter* RegisterScreen::attachPayeeCompleter(QLineEdit* edit, const QStringList& payees,
                                                   const QModelIndex& index)
{
    if (!edit)
        return nullptr;
    auto* completer = new TabCompleter(payees, edit);
    edit->setCompleter(completer);
    const QPersistentModelIndex cell(index);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this,
            [this, cell](const QString& text) { autofillFromPayee(cell, text); });
    return completer;
}

void RegisterScreen::autofillFromPayee(const QModelIndex& index, const QString& payee)
{
    Q_UNUSED(index);
    Q_UNUSED(payee);
}
