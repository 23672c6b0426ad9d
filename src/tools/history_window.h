#pragma once

// The window that lists the navigation history and loads a chosen address into the current tab.

#include "browser/main_window.h"

inline constexpr int HISTORY_CLOSE_BUTTON = 4;
inline constexpr int HISTORY_LIST = 5;
inline constexpr int HISTORY_OPEN_BUTTON = 6;

// Lists every entry of the log, in file order, and runs the window's own loop on the program's
// queue until it closes: "Ouvrir cette page" loads the selected row into the current tab's view,
// "Fermer" or a close request of any window closes this window only, everything else is dropped.
// When the log cannot be read, a message says so and no window opens.
void showHistoryWindow(const MainWindowControls& controls);
