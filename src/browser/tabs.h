#pragma once

#include "browser/main_window.h"

// Inserts a page tab "Nouvel Onglet n°" + its index before the add-tab item, with a new view
// loading the address, selects it and lays the window out again.
void addTab(const MainWindowControls& controls, const QString& address = START_PAGE);
