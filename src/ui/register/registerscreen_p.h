#pragma once

// Helpers shared by the files that define RegisterScreen's members: the
// screen itself (registerscreen.cpp), its entry row (registerentry.cpp), its
// commits (registercommit.cpp) and its column layout and menus
// (registerlayout.cpp).

#include <QAbstractItemView>
#include <QString>


namespace RegisterScreenPrivate {

constexpr int kOneLineRowHeight = 36;
constexpr int kTwoLineRowHeight = 52;
constexpr int kMinimumSectionSize = 24;

// The register's date cells, as the buffers hold them.
inline const QString kDateFormat = QStringLiteral("M/d/yyyy");
inline const QString kShowBalanceKey = QStringLiteral("registerShowBalance");
inline const QString kNewestFirstKey = QStringLiteral("registerNewestFirst");

// The view's editing state is protected; read it through a member pointer
// taken in a derived class.
struct ViewStateAccess : QAbstractItemView
{
    using QAbstractItemView::state;
    static constexpr State Editing = EditingState;
};

inline bool editorOpen(const QAbstractItemView* view)
{
    return (view->*(&ViewStateAccess::state))() == ViewStateAccess::Editing;
}

} // namespace RegisterScreenPrivate
