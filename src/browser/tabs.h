#pragma once

#include "browser/main_window.h"

// Inserts a page tab "Nouvel Onglet n°" + its index before the add-tab item, with a new view
// loading the address, selects it and lays the window out again.
void addTab(const MainWindowControls& controls, const QString& address = START_PAGE);
// Removes the current tab with its view and selects the first tab. The views of the tabs that
// followed move down one number, so page tab i keeps the view WEB_VIEW_BASE + i.
void closeCurrentTab(const MainWindowControls& controls);
