#pragma once

#include <QPointer>
#include <QString>

#include <functional>

namespace LarkUpdate {

// How a long update operation reports itself; an empty callable is skipped.
struct ProgressHooks
{
    std::function<void(const QString& text)> showProgress; // busy text, indeterminate indicator
    std::function<void()> hideProgress;
    std::function<void(const QString& text, int timeoutMs)> showMessage; // a temporary message

    void progress(const QString& text) const
    {
        if (showProgress)
            showProgress(text);
    }
    void hide() const
    {
        if (hideProgress)
            hideProgress();
    }
    void message(const QString& text, int timeoutMs) const
    {
        if (showMessage)
            showMessage(text, timeoutMs);
    }
};

// Hooks that call target's showProgress, hideProgress and showMessage while
// it exists: an answer may arrive after the window and its status bar have
// gone.
template <class Target>
ProgressHooks progressHooksFor(Target* target)
{
    const QPointer<Target> guard(target);
    ProgressHooks hooks;
    hooks.showProgress = [guard](const QString& text) {
        if (guard)
            guard->showProgress(text);
    };
    hooks.hideProgress = [guard] {
        if (guard)
            guard->hideProgress();
    };
    hooks.showMessage = [guard](const QString& text, int timeoutMs) {
        if (guard)
            guard->showMessage(text, timeoutMs);
    };
    return hooks;
}

} // namespace LarkUpdate
