#pragma once

// Values shared by the files that define MainWindow's members: the window
// itself (mainwindow.cpp), its account list and account commands
// (mainwindowaccounts.cpp) and its menus (mainwindowmenus.cpp). Nothing
// else includes this header.
namespace MainWindowPrivate {

// The splitter between the account pane and the pages; the account pane
// restores it, closing the window saves it.
inline constexpr const char* kSplitterKey = "mainwindow/splitter";
inline constexpr int kConfirmationTimeout = 3000;
inline constexpr int kErrorTimeout = 5000;

} // namespace MainWindowPrivate
