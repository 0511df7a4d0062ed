#pragma once

// Values shared by the files that define MainWindow's members: the window
// itself (mainwindow.cpp), its account list and account commands
// (mainwindowaccounts.cpp) and its menus (mainwindowmenus.cpp). Nothing
// else includes this header.
#include <functional>

class MainWindow;
class QWidget;

namespace MainWindowPrivate {

// The splitter between the account pane and the pages; the account pane
// restores it, closing the window saves it.
inline constexpr const char* kSplitterKey = "mainwindow/splitter";
inline constexpr int kConfirmationTimeout = 3000;
inline constexpr int kErrorTimeout = 5000;

// Escape and Ctrl+W close a feature window, Ctrl+F opens the search from
// it; `mayClose` can hold the window open (an import being written). Added
// once per window.
void addFeatureWindowKeys(QWidget* window, MainWindow* owner, std::function<bool()> mayClose = {});

} // namespace MainWindowPrivate
