#pragma once

class QListWidget;
class QWidget;

// Ctrl+PgDown and Ctrl+PgUp in `window` move `navigation` to the next and
// the previous page, as in tabbed windows: the list itself takes no focus.
void addPageShortcuts(QWidget* window, QListWidget* navigation);
